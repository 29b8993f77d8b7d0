// Verdict markers of the print list. Each colour escape, short marker,
// wrapped text and verdict text has its own static buffer; a returned text
// stays valid until the same function is called again.
#include "printlist/verdict.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <cstring>
#include <initializer_list>

#include "base/cp850.h"
#include "base/rounding.h"
#include "platform/format.h"
#include "printlist/oli_para.h"

const char* Check_Line_Prefix = "";
const char* Report_Line_Prefix = "";
const char* Report_Times_Sign = "╬/.╬r"_cp;
int EC3_Detailing_Warning_Flag = 0;

enum { ESCAPE_SIZE = 64, MARKER_SIZE = 64, TEXT_SIZE = 256, WRAP_LIMIT = 200 };
enum { COLOR_SLOT_BEGIN = 1, COLOR_SLOT_END = 768 };

static int marker_suppressed = 0;

static char blue_begin[ESCAPE_SIZE];
static char red_begin[ESCAPE_SIZE];
static char violet_begin[ESCAPE_SIZE];
static char grey_begin[ESCAPE_SIZE];
static char color_end[ESCAPE_SIZE];

// The begin escapes carry their RGB values; "%d" receives the colour slot.
// Each is formatted at its first use: every marker of a list asks for them.
const char* Color_Blue_Begin(void) {
    if (!blue_begin[0]) VEK_Format_Bounded(blue_begin, sizeof blue_begin, "╬{C %d 40 140 255}"_cp, COLOR_SLOT_BEGIN);
    return blue_begin;
}

const char* Color_Red_Begin(void) {
    if (!red_begin[0]) VEK_Format_Bounded(red_begin, sizeof red_begin, "╬{C %d 230 0 0}"_cp, COLOR_SLOT_BEGIN);
    return red_begin;
}

const char* Color_Violet_Begin(void) {
    if (!violet_begin[0]) VEK_Format_Bounded(violet_begin, sizeof violet_begin, "╬{C %d 165 75 165}"_cp, COLOR_SLOT_BEGIN);
    return violet_begin;
}

const char* Color_Grey_Begin(void) {
    if (!grey_begin[0]) VEK_Format_Bounded(grey_begin, sizeof grey_begin, "╬{C %d 110 110 110}"_cp, COLOR_SLOT_BEGIN);
    return grey_begin;
}

const char* Color_End(void) {
    if (!color_end[0]) VEK_Format_Bounded(color_end, sizeof color_end, "╬{C %d}"_cp, COLOR_SLOT_END);
    return color_end;
}

// Appends text to the terminated text in buffer, cut at the buffer's end.
static void append(char* buffer, size_t size, const char* text) {
    size_t n = std::strlen(buffer);
    while (*text && n + 1 < size) buffer[n++] = *text++;
    buffer[n] = '\0';
}

// begin + the texts + end into buffer (bounded); returns buffer.
static const char* compose(char* buffer, size_t size, const char* begin, std::initializer_list<const char*> texts) {
    buffer[0] = '\0';
    append(buffer, size, begin);
    for (const char* text : texts) append(buffer, size, text);
    append(buffer, size, Color_End());
    return buffer;
}

// A short marker: empty while markers are suppressed. Each marker function
// has its own buffer and constant texts: a buffer that holds its marker
// holds it still.
static const char* marker(char* buffer, size_t size, const char* begin, const char* text) {
    if (marker_suppressed) {
        buffer[0] = '\0';
        return buffer;
    }
    if (!buffer[0]) compose(buffer, size, begin, {text});
    return buffer;
}

const char* Mark_Ok(void) {
    static char buffer[MARKER_SIZE];
    return marker(buffer, sizeof buffer, Color_Blue_Begin(), "╬Hok"_cp);
}

const char* Mark_Not_Ok(void) {
    static char buffer[MARKER_SIZE];
    return marker(buffer, sizeof buffer, Color_Red_Begin(), "╬Hnicht ok !!"_cp);
}

const char* Mark_EC3_Condition(void) {
    static char buffer[MARKER_SIZE];
    return marker(buffer, sizeof buffer, Color_Red_Begin(), "EC 3-Bedingung !!");
}

const char* Mark_Alert(void) {
    static char buffer[MARKER_SIZE];
    return marker(buffer, sizeof buffer, Color_Red_Begin(), "╬H!!"_cp);
}

const char* Mark_Note(void) {
    static char buffer[MARKER_SIZE];
    return marker(buffer, sizeof buffer, Color_Blue_Begin(), "╬H!!"_cp);
}

const char* Mark_Above_Limit(double value, double limit) {
    static char buffer[MARKER_SIZE];
    if (value < limit - 0.001) return "<";
    if (value > limit + 0.001) return compose(buffer, sizeof buffer, Color_Red_Begin(), {"╬H>╬r"_cp});
    return "=";
}

const char* Mark_Below_Limit(double value, double limit) {
    static char buffer[MARKER_SIZE];
    if (value > limit + 0.001) return ">";
    if (value < limit - 0.001) return compose(buffer, sizeof buffer, Color_Red_Begin(), {"╬H<╬r"_cp});
    return "=";
}

const char* Limit_Compare_Symbol(double value, double limit) {
    const int c = Compare_To_Limit(value, limit);
    return c < 0 ? "<" : c == 0 ? "\xF3" : ">";
}

int Utilisation_Ok(double u) { return Compare_To_Limit(u, 1.0) <= 0 ? 1 : 0; }

// The rule, in the one place every reader of it asks: above 1 and below
// 1.001. Round_Utilisation applies it to a value as computed, the digits
// of a counted value are held to it as they read back.
static bool counted_as_one(double u) { return u > 1.0 && u < UTILISATION_COUNTED_BELOW; }

double Round_Utilisation(double u) { return counted_as_one(u) ? 1.0 : u; }

int Utilisation_Counted_As_One(double u) { return Round_Utilisation(u) == 1.0 && Compare_To_Limit(u, 1.0) > 0 ? 1 : 0; }

double Utilisation_As_Computed(double u, double computed) {
    return u == 1.0 && Utilisation_Counted_As_One(computed) ? computed : u;
}

const char* Counted_As_One_Rule_Text(void) { return "Ausnutzung über 1 und unter 1.001 zählt als 1"_cp; }

enum { MOST_PLACES = 9 };

static double verdict_tolerance = 0.0;

// A tolerance's band: 0 (none) for one that is no number or not above 0.
static double band_of(double tolerance_percent) {
    return std::isfinite(tolerance_percent) && tolerance_percent > 0.0 ? tolerance_percent : 0.0;
}

// Whether printed digits read exactly 1 ("1", "1.000", "1.0000").
static bool reads_one(const char* digits) {
    if (digits[0] != '1') return false;
    if (digits[1] == '\0') return true;
    if (digits[1] != '.') return false;
    for (const char* p = digits + 2; *p; ++p)
        if (*p != '0') return false;
    return true;
}

// Whether printed digits lie where the rule counts a value as 1.
static bool reads_counted(const char* digits) { return counted_as_one(std::strtod(digits, nullptr)); }

// Whether the digits of a utilisation u read as its verdict judges it:
// below 1 under 1, above 1 over it, and with a tolerance band below its
// limit within the band, above it beyond. The band's limit is compared as
// the verdict prints it. Only values close to a limit parse their digits.
static bool digits_agree(const char* digits, double u, double band) {
    const int to_one = Compare_To_Limit(u, 1.0);
    if (to_one < 0) return digits[0] != '1';
    if (to_one == 0) return true;
    if (reads_one(digits)) return false;
    if (band <= 0.0) return true;
    const double limit = 1.0 + band / 100.0;
    if (Compare_To_Limit(u, limit) == 0) return true;  // on the limit: it fails, and reads so
    char limit_digits[32];  // as Verdict_Digits prints it, in a buffer of its own
    VEK_Format_Bounded(limit_digits, sizeof limit_digits, "%.10g", limit);
    const double shown = std::strtod(digits, nullptr), limit_shown = std::strtod(limit_digits, nullptr);
    return Within_Verdict_Tolerance(u, band) ? shown < limit_shown : shown > limit_shown;
}

// The digits are made by the fixed-point formatter straight away: every
// utilisation of every point of every load case passes here. Further places
// only where the first ones would contradict the verdict: a value below 1
// that three places round up to "1.000" would read "1.000 < 1"; below
// 1 - LIMIT_TOLERANCE, nine places always do.
static const char* digits_of(char* buffer, size_t size, double u, int places, double band, bool computed) {
    places = std::clamp(places, 0, static_cast<int>(MOST_PLACES));
    if (computed && u > 1.0 && Utilisation_Counted_As_One(u)) {
        // Rounded, with places added until the digits read above 1 and below
        // 1.001: never 1.0000, which is not above 1, nor 1.0010, which the
        // rule no longer takes (1.00099983 is "1.0009998"). Only a value
        // within half a unit of the ninth place below 1.001 rounds to it at
        // every place: it is shown cut at the ninth, "1.000999999".
        int p = std::max(places, 4);
        VEK_Format_Fixed(buffer, size, u, p);
        while (p < MOST_PLACES && !reads_counted(buffer)) VEK_Format_Fixed(buffer, size, u, ++p);
        if (!reads_counted(buffer))
            VEK_Format_Fixed(buffer, size, std::min(u, UTILISATION_COUNTED_BELOW - 1e-9), MOST_PLACES);
        return buffer;
    }
    VEK_Format_Fixed(buffer, size, u, places);
    if (u < 1.0 && buffer[0] != '1') return buffer;  // below 1 and reads so: most values
    while (places < MOST_PLACES && !digits_agree(buffer, u, band)) VEK_Format_Fixed(buffer, size, u, ++places);
    return buffer;
}

const char* Utilisation_Digits_With(double u, double tolerance_percent) {
    static char buffer[PRINTED_NUMBER_SIZE];
    return digits_of(buffer, sizeof buffer, u, 3, band_of(tolerance_percent), true);
}

// Every point of every load case prints one: a value below 1 that three
// places show below 1 is printed at once.
const char* Utilisation_Digits(double u) {
    static char buffer[PRINTED_NUMBER_SIZE];
    if (u < 1.0 && VEK_Format_Fixed(buffer, sizeof buffer, u, 3) > 0 && buffer[0] != '1') return buffer;
    return digits_of(buffer, sizeof buffer, u, 3, verdict_tolerance, true);
}

const char* Utilisation_Digits_Places(double u, int places) {
    static char buffer[PRINTED_NUMBER_SIZE];
    return digits_of(buffer, sizeof buffer, u, places, verdict_tolerance, true);
}

const char* Utilisation_Digits_As_Kept_With(double u, double tolerance_percent) {
    static char buffer[PRINTED_NUMBER_SIZE];
    return digits_of(buffer, sizeof buffer, u, 3, band_of(tolerance_percent), false);
}

const char* Utilisation_Digits_As_Kept(double u) { return Utilisation_Digits_As_Kept_With(u, verdict_tolerance); }

// Whether the digits of the two values at their places say what the sign
// says of them: printed and read back.
static bool digits_hold(double value, int value_places, char sign, double limit, int limit_places) {
    if (sign == '\xF7') return true;
    char a_text[PRINTED_NUMBER_SIZE], b_text[PRINTED_NUMBER_SIZE];
    VEK_Format_Fixed(a_text, sizeof a_text, value, value_places);
    VEK_Format_Fixed(b_text, sizeof b_text, limit, limit_places);
    const double a = std::strtod(a_text, nullptr), b = std::strtod(b_text, nullptr);
    switch (sign) {
    case '<': return a < b;
    case '>': return a > b;
    case '\xF3': return a <= b;
    case '\xF2': return a >= b;
    default: return a == b;
    }
}

Compared_Pair Compare_Pair_Closely(double value, int value_places, const char* sign, double limit, int limit_places) {
    Compared_Pair p{value, limit, std::clamp(value_places, 0, static_cast<int>(MOST_PLACES)),
                    std::clamp(limit_places, 0, static_cast<int>(MOST_PLACES)), sign ? sign : "\xF7"};
    // A number beyond what nine places read, or none at all: as printed.
    if (!std::isfinite(value) || !std::isfinite(limit)) return p;
    const int first_value = p.value_places, first_limit = p.limit_places;
    while (!digits_hold(value, p.value_places, p.sign[0], limit, p.limit_places)) {
        if (p.value_places == MOST_PLACES && p.limit_places == MOST_PLACES) {
            p.sign = "\xF7";
            p.value_places = first_value;
            p.limit_places = first_limit;
            break;
        }
        p.value_places = std::min(p.value_places + 1, static_cast<int>(MOST_PLACES));
        p.limit_places = std::min(p.limit_places + 1, static_cast<int>(MOST_PLACES));
    }
    return p;
}

const char* Utilisation_Compare_Symbol(double value, double limit) {
    if (limit > 0.0 && Utilisation_Counted_As_One(value / limit)) return "\xF7";
    return Limit_Compare_Symbol(value, limit);
}

const char* Utilisation_Sign(double u) { return Utilisation_Compare_Symbol(u, 1.0); }

const char* Mark_Utilisation(double u) { return Utilisation_Ok(u) ? Mark_Ok() : Mark_Not_Ok(); }

int Within_Verdict_Tolerance(double u, double tolerance_percent) {
    return !Utilisation_Ok(u) && Compare_To_Limit(u, 1.0 + tolerance_percent / 100.0) < 0 ? 1 : 0;
}

void Set_Verdict_Tolerance(double tolerance_percent) { verdict_tolerance = band_of(tolerance_percent); }

double Get_Verdict_Tolerance(void) { return verdict_tolerance; }

int Utilisation_Passes(double u) {
    return Utilisation_Ok(u) || Within_Verdict_Tolerance(u, verdict_tolerance) ? 1 : 0;
}

const char* Verdict_Digits(double v) {
    static char buffer[32];
    VEK_Format_Bounded(buffer, sizeof buffer, "%.10g", v);
    return buffer;
}

// The verdict takes one of a few texts: by how the value compares with 1
// (which also decides its marker) and whether markers are suppressed, or
// within the band by the tolerance, or where the rule counts the value as
// 1. Each is formatted at its first use and kept, with its two parts; the
// band's while the tolerance stays the same.
namespace {

struct Kept_Verdict {
    char text[TEXT_SIZE];
    char head[TEXT_SIZE];
    char note[64];
};

// head, then " " and the note when there is one.
void Keep_Verdict(Kept_Verdict* v, const char* head, const char* note) {
    VEK_Format_Bounded(v->head, sizeof v->head, "%s", head);
    VEK_Format_Bounded(v->note, sizeof v->note, "%s", note);
    VEK_Format_Bounded(v->text, sizeof v->text, note[0] ? "%s %s" : "%s", v->head, v->note);
}

const Kept_Verdict& Verdict_Of(double u, double tolerance_percent, bool computed) {
    const int quiet = marker_suppressed ? 1 : 0;
    if (computed && Utilisation_Counted_As_One(u)) {
        static Kept_Verdict counted[2];
        Kept_Verdict& v = counted[quiet];
        if (!v.text[0]) {
            char head[TEXT_SIZE];
            VEK_Format_Bounded(head, sizeof head, "  \xF7  1  %s╬r"_cp, Mark_Ok());
            Keep_Verdict(&v, head, "(< 1.001 zählt als 1)"_cp);
        }
        return v;
    }
    const bool band = std::isfinite(tolerance_percent) && tolerance_percent > 0.0;
    if (!band || !Within_Verdict_Tolerance(u, tolerance_percent)) {
        static Kept_Verdict plain[2][3];
        Kept_Verdict& v = plain[quiet][Compare_To_Limit(u, 1.0) + 1];
        if (!v.text[0]) {
            char head[TEXT_SIZE];
            VEK_Format_Bounded(head, sizeof head, "  %s  1  %s", Limit_Compare_Symbol(u, 1.0), Mark_Utilisation(u));
            Keep_Verdict(&v, head, "");
        }
        return v;
    }
    static Kept_Verdict within[2];
    static double kept_tolerance[2];
    Kept_Verdict& v = within[quiet];
    if (v.text[0] && std::memcmp(&kept_tolerance[quiet], &tolerance_percent, sizeof tolerance_percent) == 0) return v;
    char limit[32], head[TEXT_SIZE], note[64];
    VEK_Format_Bounded(limit, sizeof limit, "%s", Verdict_Digits(1.0 + tolerance_percent / 100.0));
    VEK_Format_Bounded(head, sizeof head, "  \xF3  %s  %s╬r"_cp, limit, Mark_Ok());
    VEK_Format_Bounded(note, sizeof note, "(%s%% Toleranz)", Verdict_Digits(tolerance_percent));
    Keep_Verdict(&v, head, note);
    kept_tolerance[quiet] = tolerance_percent;
    return v;
}

}  // namespace

const char* Utilisation_Verdict_With(double u, double tolerance_percent) {
    return Verdict_Of(u, tolerance_percent, false).text;
}

const char* Utilisation_Verdict(double u) { return Utilisation_Verdict_With(u, verdict_tolerance); }

const char* Utilisation_Verdict_Computed_With(double u, double tolerance_percent) {
    return Verdict_Of(u, tolerance_percent, true).text;
}

const char* Utilisation_Verdict_Computed(double u) { return Utilisation_Verdict_Computed_With(u, verdict_tolerance); }

Utilisation_Verdict_Parts Utilisation_Verdict_Computed_Parts(double u) {
    const Kept_Verdict& v = Verdict_Of(u, verdict_tolerance, true);
    return {v.head, v.note};
}

const char* Counted_As_One_Verdict(double u) {
    return Utilisation_Counted_As_One(u) ? Utilisation_Verdict_Computed_With(u, 0.0) : "";
}

// A wrapped text: too long a text gives the failure marker instead.
static const char* wrapped(char* buffer, size_t size, const char* begin, const char* pre, const char* text,
                           const char* post) {
    if (!text) text = "";
    if (std::strlen(text) > WRAP_LIMIT) return Mark_Not_Ok();
    return compose(buffer, size, begin, {pre, text, post});
}

const char* Color_Red_Text(const char* text) {
    static char buffer[TEXT_SIZE];
    return wrapped(buffer, sizeof buffer, Color_Red_Begin(), "╬H"_cp, text, " !!");
}

const char* Color_Violet_Text(const char* text) {
    static char buffer[TEXT_SIZE];
    return wrapped(buffer, sizeof buffer, Color_Violet_Begin(), "", text, "");
}

const char* Color_Grey_Text(const char* text) {
    static char buffer[TEXT_SIZE];
    return wrapped(buffer, sizeof buffer, Color_Grey_Begin(), "", text, "");
}

const char* Line_Proof_Ok(void) {
    static char buffer[TEXT_SIZE];
    return compose(buffer, sizeof buffer, Color_Blue_Begin(), {"Nachweis erbracht"});
}

const char* Line_Proof_Failed(void) {
    static char buffer[TEXT_SIZE];
    return compose(buffer, sizeof buffer, Color_Red_Begin(), {"Tragfähigkeit nicht gewährleistet !!"_cp});
}

static const char* or_empty(const char* s) { return s ? s : ""; }

void Line_Calc_Error(FILE* list, const char* what) {
    if (!list) return;
    what = or_empty(what);
    OLI_printf(list, "╬H%sFehler bei der Berechnung %s%s!!%s\n"_cp, Color_Red_Begin(), what, *what ? " " : "",
               Color_End());
}

void Line_EC3_Condition_Warning(FILE* list) {
    if (!list || !EC3_Detailing_Warning_Flag) return;
    OLI_printf(list, "%sBedingung nach EC 3-1-8 sollte eingehalten werden !!%s\n", Color_Red_Begin(),
               Color_End());
    EC3_Detailing_Warning_Flag = 0;
}

void Line_Violet_Warning(FILE* list, const char* text) {
    if (!list) return;
    OLI_printf(list, "%s%s%s !%s\n", Report_Line_Prefix, Color_Violet_Begin(), or_empty(text), Color_End());
}

void Line_Proof_Not_Possible(FILE* list, const char* reference) {
    if (!list) return;
    reference = or_empty(reference);
    OLI_printf(list, "╬HDer Nachweis konnte nicht erbracht werden%s%s %s\n"_cp, *reference ? ", s. " : "",
               reference, Mark_Alert());
}

void Line_Red_Alert(FILE* list, const char* text) {
    if (!list) return;
    OLI_printf(list, "%s%s !!%s\n", Color_Red_Begin(), or_empty(text), Color_End());
}

void Line_Text_Ok(FILE* list, const char* text) {
    if (!list) return;
    OLI_printf(list, "%s  %s\n", or_empty(text), Mark_Ok());
}

void Line_Not_Calculated(FILE* list, const char* what) {
    if (!list) return;
    what = or_empty(what);
    OLI_printf(list, "%s%sBerechnung nicht durchgeführt %s\n"_cp, what, *what ? ": " : "", Mark_Note());
}

void Line_Data_Check_Error(FILE* list, const char* what) {
    if (!list) return;
    what = or_empty(what);
    OLI_printf(list, "%sFehler beim Datencheck %s%s !%s\n", Color_Red_Begin(), what, *what ? " " : "",
               Color_End());
}

void Set_Marker_Suppression(int flag) { marker_suppressed = flag; }

void Set_Default_Pair(int ignored, double* a, double* b) {
    (void)ignored;
    if (a) *a = 18.0;
    if (b) *b = 24.0;
}
