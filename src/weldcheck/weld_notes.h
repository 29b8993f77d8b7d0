// The notes of the welds: every detailing limit a weld breaks (a throat
// below its least value by any rule, above its welding limit, a length too
// short to count or longer than its face, a thickness or penetration the
// weld cannot take), kept with the values it was judged with, so that the
// final result names the weld, the rule and the numbers as its check line
// does. The checks record them; one text per rule is written from them.
#ifndef WELDCHECK_WELD_NOTES_H
#define WELDCHECK_WELD_NOTES_H

#include <cstddef>

// The rules, in the order the final result names them: first those that
// refuse the weld or fail the case, then those the annex and the welding
// practice note.
enum Weld_Note_Rule : int {
    WELD_RULE_PLATE_TOO_THIN = 0,      // t, its index (1, 2), hollow (0, 1)
    WELD_RULE_PARTIAL_PENETRATION = 1, // a, limit (t - dt)/2 (two-sided), t, dt
    WELD_RULE_PARTIAL_PENETRATION_ONE_SIDED = 2,  // a, limit t - dt, t, dt
    WELD_RULE_SLOT_TOO_SHORT = 3,      // l
    WELD_RULE_LONGER_THAN_FACE = 4,    // l, the face's length, digits
    WELD_RULE_DIN_BELOW_2MM = 5,       // a
    WELD_RULE_DIN_BELOW_ROOT = 6,      // a, a_min, max t, 1 for the thick part's lesser throat
    WELD_RULE_DIN_ABOVE_PLATE = 7,     // a, t of the end plate
    WELD_RULE_DIN_ABOVE_PROFILE = 8,   // a, t (d of a round bar), part (0 flange, 1 bar, 2 round bar, 3 tube's wall)
    WELD_RULE_DIN_ABOVE_WEB = 9,       // a, t of the web
    WELD_RULE_THROAT_BELOW_T30 = 10,   // a, 5, t_max (annex: t_max >= 30 mm)
    WELD_RULE_THROAT_BELOW_ROOT = 11,  // a, a_min = t_max^1/2 - 0.5, t_max (annex)
    WELD_RULE_THROAT_BELOW_3MM = 12,   // a, 3
    WELD_RULE_THROAT_ABOVE_MAX = 13,   // a, a_max = 0.7 t_min, t_min
    WELD_RULE_NOT_EFFECTIVE = 14,      // l_eff, its limit (30 or 6a; 0: none but a length above 0), a
    WELD_RULE_THROAT_WALL = 15,        // a, the throat taken, what holds it (WELD_THROAT_HELD_*)
    WELD_NOTE_RULES = 16,
};

// What holds a partial penetration's throat (WELD_RULE_THROAT_WALL): a
// tube's wall t, welded from outside; half the thickness t/2 of a part an
// all-round weld joins from both faces; a round bar's radius d/2.
enum { WELD_THROAT_HELD_WALL = 0, WELD_THROAT_HELD_HALF = 1, WELD_THROAT_HELD_RADIUS = 2 };

// The bit of a rule in Weld_Notes::rules.
constexpr unsigned Weld_Note_Bit(int rule) { return 1u << rule; }
enum : unsigned {
    WELD_NOTE_NOT_EFFECTIVE = Weld_Note_Bit(WELD_RULE_NOT_EFFECTIVE),
    WELD_NOTE_THROAT_ABOVE_MAX = Weld_Note_Bit(WELD_RULE_THROAT_ABOVE_MAX),
};

enum { WELD_NOTE_VALUES = 4, WELD_NOTES_KEPT = 8 };
struct Weld_Note {
    double v[WELD_NOTE_VALUES];
};

// The notes of one weld: the rules it breaks (bits) and the values of each,
// in the order they were noted (a weld breaks a few rules at most: the
// first WELD_NOTES_KEPT are kept). A record of the weld check holds one per
// weld, for every load case: kept small.
struct Weld_Notes {
    unsigned rules;
    unsigned char count;
    unsigned char rule_of[WELD_NOTES_KEPT];  // the rule of each entry of at
    Weld_Note at[WELD_NOTES_KEPT];
};

// The values noted with the rule, null when the weld does not break it.
const Weld_Note* Weld_Note_Values(const Weld_Notes& notes, int rule);

// Records that the weld breaks the rule, with its values; a rule already
// recorded keeps its first values. Nothing for null notes, a rule out of
// range or notes that are full.
void Add_Weld_Note(Weld_Notes* notes, int rule, double v0, double v1 = 0.0, double v2 = 0.0, double v3 = 0.0);
// Adds every rule of `from` that `to` does not hold yet, with its values.
void Merge_Weld_Notes(Weld_Notes* to, const Weld_Notes& from);

// The text of a note (print-list markup, code page 850) into out, as the
// check line of the rule says it: the limit, the values, the reason.
// Returns out; an unknown rule gives the empty text.
const char* Weld_Note_Text(int rule, const Weld_Note& note, char* out, size_t size);
// Why a weld whose effective length would lie below 0 (its end craters
// longer than the weld) counts with nothing of it: "Naht kürzer als ihre
// Endkrater". Every line that names such a weld says this instead of a
// negative length.
const char* Weld_Shorter_Than_Craters_Text(void);
// The marker the rule's check line carries: "EC 3-Bedingung !!" for the
// annex's warnings, the blue "!!" of a weld left out as too short or
// checked with less throat than it was given, the red
// "nicht ok !!" of a rule that refuses the weld, else the red "!!".
const char* Weld_Note_Marker(int rule);
// 1 for the rules whose breach the closing warning "Bedingung nach EC 3-1-8
// sollte eingehalten werden" speaks of.
int Weld_Note_Is_EC3_Condition(int rule);

#endif
