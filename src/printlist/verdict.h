// Verdict markers of the print list: the coloured short markers written
// behind a tested value ("ok", "nicht ok !!", "!!"), the colour escapes they
// are made of, wrapped coloured texts and whole verdict lines.
//
// Every text is composed in a static buffer of its own and stays valid until
// the next call that writes the same buffer; distinct markers use distinct
// buffers, so several different markers may appear in one formatted write.
// The module is not re-entrant. All texts are code page 850 bytes; the
// markup escape of the print list is the byte 0xCE.
#ifndef PRINTLIST_VERDICT_H
#define PRINTLIST_VERDICT_H

#include <cmath>
#include <cstdio>

// The common line prefix that every check line writes through its first
// "%s" (an empty text; nothing in the program changes it), and the
// multiplication dot handed to "%s" between factors of a formula.
extern const char* Check_Line_Prefix;
extern const char* Report_Line_Prefix;
extern const char* Report_Times_Sign;

// Raised by the annex warning rules of the weld detailing checks; written
// once and cleared by Line_EC3_Condition_Warning.
extern int EC3_Detailing_Warning_Flag;

// ---- colour escapes (never suppressed) ----
const char* Color_Blue_Begin(void);
const char* Color_Red_Begin(void);
const char* Color_Violet_Begin(void);
const char* Color_Grey_Begin(void);
const char* Color_End(void);

// ---- short markers: the empty text while markers are suppressed ----
const char* Mark_Ok(void);
const char* Mark_Not_Ok(void);
const char* Mark_EC3_Condition(void);
const char* Mark_Alert(void);
const char* Mark_Note(void);
// "<", "=" or the red ">" (value above limit + 0.001); never suppressed.
const char* Mark_Above_Limit(double value, double limit);
// ">", "=" or the red "<" (value below limit - 0.001); never suppressed.
const char* Mark_Below_Limit(double value, double limit);

// ---- verdict of a value against its limit (never suppressed signs) ----
// Every verdict compares in double through Compare_To_Limit: a value within
// the relative LIMIT_TOLERANCE of its limit counts as on it. A utilisation
// passes when it is at most 1 so counted; the sign and the marker of one
// line always agree.
// "<" below, the less-or-equal byte 0xF3 on the limit, ">" above.
const char* Limit_Compare_Symbol(double value, double limit);
// 1 when the utilisation passes, else 0 (also for a NaN).
int Utilisation_Ok(double u);
// The utilisation a check reports and keeps: one above 1 by less than 0.001
// counts as 1, so that a design on its limit passes whatever the last
// digits of its inputs; every other value, 1.001 itself among them, as it
// is. Every check that rounds its utilisation rounds it here. Never fails.
// UTILISATION_COUNTED_BELOW is where the rule ends, for a text that names
// the band (a legend whose marks begin there).
inline constexpr double UTILISATION_COUNTED_BELOW = 1.001;
double Round_Utilisation(double u);
// 1 when Round_Utilisation counts u as 1 though it lies above it: above 1
// (beyond LIMIT_TOLERANCE) and below 1.001; else 0 (also for a NaN). A
// line that judges such a value says that the rule did it.
int Utilisation_Counted_As_One(double u);
// A utilisation as its lines show it: u, or the value as computed where the
// rule counted it as 1 (u is then 1, `computed` just above it). A record
// that keeps both reads its shown value here. Never fails.
double Utilisation_As_Computed(double u, double computed);
// The rule in the words of the final verdict: "Ausnutzung über 1 und
// unter 1.001 zählt als 1".
const char* Counted_As_One_Rule_Text(void);
// A utilisation as computed, with the digits its line shows: "%.3lf", and
// as many more places (at most nine) as make its verdict true as printed:
// where the rule counts it as 1 at least four decimals, rounded, as many as
// show it above 1 and below 1.001 ("1.0005", "1.0000004", "1.0009998");
// below 1 as many places as show it below 1 ("0.9995", "0.99996"), so that
// "<  1" beside it holds as printed; above 1 never "1.000"; within the
// tolerance below its limit ("1.0299999  <=  1.03  ok"), beyond it above the
// limit ("1.010001  >  1  nicht ok" under 1 %), since the band is open at
// its upper end. The list's tolerance (Get_Verdict_Tolerance); the _With
// form takes the caller's, as Utilisation_Verdict_With does. Each has a
// static buffer of its own, valid until its next call.
const char* Utilisation_Digits(double u);
const char* Utilisation_Digits_With(double u, double tolerance_percent);
// The same without a tolerance, for a value whose limit has no band (a c/t
// ratio against its class limit) or whose line compares it with 1 itself;
// the buffer is Utilisation_Digits_With's.
inline const char* Utilisation_Digits_Without_Tolerance(double u) { return Utilisation_Digits_With(u, 0.0); }
// The same with at least `places` decimals (0 to 9) in place of three.
const char* Utilisation_Digits_Places(double u, int places);
// The same for a utilisation kept as it is (no check rounded it): "%.3lf",
// with the places its verdict needs, the rule that counts a value as 1
// left aside. Its own static buffer.
const char* Utilisation_Digits_As_Kept(double u);
const char* Utilisation_Digits_As_Kept_With(double u, double tolerance_percent);
// 1 when the digits of u under the tolerance (Utilisation_Digits_With,
// Utilisation_Digits_As_Kept_With) are known without formatting them to be
// "%.3lf" of a value from 0 to 9.999: five characters. u then lies farther
// than 0.001 from 1 and from the band's limit, where no form adds a place.
// 0 otherwise (also for a NaN). A table that sets its columns as wide as
// their widest digits asks this of its cells and formats only the others.
inline int Utilisation_Digits_Five(double u, double tolerance_percent) {
    // Three places tell such a value from 1 and from the band's limit
    // whatever way its last place rounds, and the rule's band lies within
    // 0.001 of 1. Inline: a long table asks it of every cell.
    if (u >= 0.0 && u < 0.999) return 1;  // below 1 and clear of it: most values
    if (!(u >= 0.0 && u < 9.999) || std::fabs(u - 1.0) <= 0.001) return 0;
    if (!(std::isfinite(tolerance_percent) && tolerance_percent > 0.0)) return 1;  // no band
    return std::fabs(u - (1.0 + tolerance_percent / 100.0)) > 0.001 ? 1 : 0;
}
// The sign between a value and its limit whose ratio is a utilisation:
// the approximately-equal byte 0xF7 where the rule counts the ratio as 1,
// else Limit_Compare_Symbol's.
const char* Utilisation_Compare_Symbol(double value, double limit);
// A value and its limit as one printed comparison "value sign limit": the
// places to print each with ("%.*lf") and the sign between them. Each keeps
// its places (0 to 9) where they make the comparison true as printed; where
// they would make it false (equal digits beside a strict sign, digits on the
// wrong side of the sign) both take one more place at a time until it
// holds, at most nine. Values that nine places cannot tell apart as the sign
// needs lie on the limit as printed: they keep their places and the sign
// becomes the approximately-equal byte 0xF7, as for values the rule counts
// as on their limit. The sign is one of "<", ">", "=", the less-or-equal
// byte 0xF3, the greater-or-equal byte 0xF2 and 0xF7, which no digits
// contradict. Never fails; a value that is no number keeps its places.
// Room for any double with nine places: a sign, 309 digits, the point, nine
// places and the terminator.
enum { PRINTED_NUMBER_SIZE = 321 };
struct Compared_Pair {
    double value, limit;
    int value_places, limit_places;
    const char* sign;
};
Compared_Pair Compare_Pair_Closely(double value, int value_places, const char* sign, double limit, int limit_places);
// Nearly every pair of a list lies apart by far more than its last place,
// or on the side of its limit that its non-strict sign says: such a pair
// keeps its places without being printed first (rounding is monotonic, and
// values two units of the last place apart print apart). The others are
// printed and read back by Compare_Pair_Closely.
inline Compared_Pair Compare_Pair(double value, int value_places, const char* sign, double limit, int limit_places) {
    constexpr double unit[10] = {1, 1e-1, 1e-2, 1e-3, 1e-4, 1e-5, 1e-6, 1e-7, 1e-8, 1e-9};
    if (value_places == limit_places && static_cast<unsigned>(value_places) < 10 && sign) {
        const bool plain = sign[0] == '<'      ? limit - value >= 2.0 * unit[value_places]
                           : sign[0] == '>'    ? value - limit >= 2.0 * unit[value_places]
                           : sign[0] == '\xF3' ? value <= limit
                           : sign[0] == '\xF2' ? value >= limit
                                               : sign[0] == '\xF7';
        if (plain) return {value, limit, value_places, limit_places, sign};
    }
    return Compare_Pair_Closely(value, value_places, sign, limit, limit_places);
}
// The sign between a value and its limit whose ratio is the utilisation u,
// taken from u so that it always agrees with the verdict of u beside it:
// the approximately-equal byte 0xF7 where the rule counts u as 1, else
// Limit_Compare_Symbol(u, 1).
const char* Utilisation_Sign(double u);
// The pair whose ratio is a utilisation: the sign of
// Utilisation_Compare_Symbol, both with `places`.
inline Compared_Pair Utilisation_Pair(double value, double limit, int places) {
    return Compare_Pair(value, places, Utilisation_Compare_Symbol(value, limit), limit, places);
}
// The pair with the sign of the utilisation u beside it (Utilisation_Sign).
inline Compared_Pair Utilisation_Pair_Of(double value, double limit, int places, double u) {
    return Compare_Pair(value, places, Utilisation_Sign(u), limit, places);
}
// For a line that gives a utilisation the rule of Round_Utilisation counts
// but no verdict of its own: where the rule counts u as 1 the verdict of
// Utilisation_Verdict_Computed, so that the line says so; else the empty
// text.
const char* Counted_As_One_Verdict(double u);
// Mark_Ok for a passing utilisation, else Mark_Not_Ok.
const char* Mark_Utilisation(double u);
// The final result's tolerance: 1 when the utilisation fails but lies below
// 1 + tolerance/100. The band is open at its upper end: a utilisation on
// 1 + tolerance/100 fails, as one above it does.
int Within_Verdict_Tolerance(double u, double tolerance_percent);
// The tolerance (percent) every verdict of the list being written grants: the
// print control's tolerance of the final result, set by the evaluation for
// its list, 0 otherwise. A value that is no number or below 0 counts as 0.
void Set_Verdict_Tolerance(double tolerance_percent);
double Get_Verdict_Tolerance(void);
// 1 when the utilisation passes the verdict: at most 1, or within the
// tolerance; else 0 (also for a NaN).
int Utilisation_Passes(double u);
// The verdict of a utilisation behind its value, one text for every line
// that judges one: "  <  1  ok", "  >  1  nicht ok !!", and within the
// tolerance "  <=  1.05  ok (5% Toleranz)" (the less-or-equal byte 0xF3,
// the limit and the tolerance with the digits they have). The _With form
// takes its tolerance from the caller. The text stays valid until the next
// call of either.
const char* Utilisation_Verdict(double u);
const char* Utilisation_Verdict_With(double u, double tolerance_percent);
// The same for a utilisation as computed, that its check counts with
// Round_Utilisation: where the rule counts it as 1, "  ~  1  ok (< 1.001
// zählt als 1)" (the approximately-equal byte 0xF7), so that its line never
// puts ">" beside "ok"; else the verdict above. Only for a value its check
// rounds: a value kept as it is gets the verdict above.
const char* Utilisation_Verdict_Computed(double u);
const char* Utilisation_Verdict_Computed_With(double u, double tolerance_percent);
// Utilisation_Verdict_Computed in the two parts a narrow column sets apart:
// the sign, limit and marker (head), and the note in brackets that a
// tolerance or the rule that counts a value as 1 adds (note; the empty text
// without one). The verdict is head, a blank and note. Both stay valid
// until the next call of a verdict function.
struct Utilisation_Verdict_Parts {
    const char* head;
    const char* note;
};
Utilisation_Verdict_Parts Utilisation_Verdict_Computed_Parts(double u);
// A tolerance in percent, or its limit 1 + tolerance/100, with the digits
// it has: "5", "2.5", "1.05", "1.025" (static buffer, valid until the next
// call).
const char* Verdict_Digits(double v);

// ---- wrapped texts: at most 200 characters, else the Mark_Not_Ok text ----
// A null text counts as the empty text.
const char* Color_Red_Text(const char* text);
const char* Color_Violet_Text(const char* text);
const char* Color_Grey_Text(const char* text);

// ---- verdict texts (never suppressed) ----
const char* Line_Proof_Ok(void);
const char* Line_Proof_Failed(void);

// ---- verdict lines into an open print list; nothing for a null list ----
// Texts from the caller are written as data, never used as a format; a null
// what/reference/text counts as the empty text.
void Line_Calc_Error(FILE* list, const char* what);
void Line_EC3_Condition_Warning(FILE* list);
void Line_Violet_Warning(FILE* list, const char* text);
void Line_Proof_Not_Possible(FILE* list, const char* reference);
void Line_Red_Alert(FILE* list, const char* text);
void Line_Text_Ok(FILE* list, const char* text);
void Line_Not_Calculated(FILE* list, const char* what);
void Line_Data_Check_Error(FILE* list, const char* what);

// ---- others ----
void Set_Marker_Suppression(int flag);
// *a := 18.0, *b := 24.0 (null pointers are skipped).
void Set_Default_Pair(int ignored, double* a, double* b);

#endif
