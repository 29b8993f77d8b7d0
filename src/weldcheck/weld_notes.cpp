// The notes of the welds and their texts (weld_notes.h).
#include "weldcheck/weld_notes.h"

#include <cmath>

#include "base/cp850.h"
#include "platform/format.h"
#include "printlist/verdict.h"
#include "weldcheck/din_check.h"

void Add_Weld_Note(Weld_Notes* notes, int rule, double v0, double v1, double v2, double v3) {
    if (!notes || rule < 0 || rule >= WELD_NOTE_RULES) return;
    if ((notes->rules & Weld_Note_Bit(rule)) || notes->count >= WELD_NOTES_KEPT) return;
    notes->rules |= Weld_Note_Bit(rule);
    notes->rule_of[notes->count] = static_cast<unsigned char>(rule);
    notes->at[notes->count++] = {{v0, v1, v2, v3}};
}

const Weld_Note* Weld_Note_Values(const Weld_Notes& notes, int rule) {
    if (rule < 0 || rule >= WELD_NOTE_RULES || !(notes.rules & Weld_Note_Bit(rule))) return nullptr;
    for (int i = 0; i < notes.count && i < WELD_NOTES_KEPT; ++i)
        if (notes.rule_of[i] == rule) return &notes.at[i];
    return nullptr;
}

void Merge_Weld_Notes(Weld_Notes* to, const Weld_Notes& from) {
    if (!to) return;
    for (int i = 0; i < from.count && i < WELD_NOTES_KEPT; ++i) {
        const double* v = from.at[i].v;
        Add_Weld_Note(to, from.rule_of[i], v[0], v[1], v[2], v[3]);
    }
}

// The texts of the rules that judge the throat by the Eurocode and its annex.
static void throat_text(int rule, const double* v, char* out, size_t size) {
    switch (rule) {
    case WELD_RULE_THROAT_ABOVE_MAX:
    {
        const Compared_Pair p = Compare_Pair(v[0], 1, ">", v[1], 1);
        VEK_Format_Bounded(out, size,
                           "Nahtdicke a = %.*lf mm %s a╬\\max╬r = 0.7%st╬\\min╬r = %.*lf mm (Schweißtechnik, t╬\\min╬r = %.1lf mm)"_cp,
                           p.value_places, p.value, p.sign, Report_Times_Sign, p.limit_places, p.limit, v[2]);
    }
        break;
    case WELD_RULE_THROAT_BELOW_T30:
    {
        const Compared_Pair p = Compare_Pair(v[0], 1, "<", v[1], 0);
        VEK_Format_Bounded(out, size,
                           "Nahtdicke a = %.*lf mm %s a╬\\min╬r = %.*lf mm für t╬\\max╬r ‗ 30 mm (NA-DE, t╬\\max╬r = %.1lf mm)"_cp,
                           p.value_places, p.value, p.sign, p.limit_places, p.limit, v[2]);
    }
        break;
    case WELD_RULE_THROAT_BELOW_ROOT:
    {
        const Compared_Pair p = Compare_Pair(v[0], 1, "<", v[1], 2);
        VEK_Format_Bounded(out, size,
                           "Nahtdicke a = %.*lf mm %s a╬\\min╬r = t╬\\max╬r╬/1/2╬r - 0.5 = %.*lf mm (NA-DE, t╬\\max╬r = %.1lf mm)"_cp,
                           p.value_places, p.value, p.sign, p.limit_places, p.limit, v[2]);
    }
        break;
    case WELD_RULE_THROAT_BELOW_3MM:
    {
        const Compared_Pair p = Compare_Pair(v[0], 1, "<", v[1], 0);
        VEK_Format_Bounded(out, size, "Nahtdicke a = %.*lf mm %s a╬\\min╬r = %.*lf mm"_cp, p.value_places, p.value, p.sign, p.limit_places, p.limit);
    }
        break;
    default: break;
    }
}

// The texts of the rules of the DIN 18800 check.
static void din_text(int rule, const double* v, char* out, size_t size) {
    static const char* const kParts[4] = {"Flansch", "Stahlprofil", "Stahlprofil", "Wand"};
    switch (rule) {
    case WELD_RULE_DIN_BELOW_2MM:
    {
        const Compared_Pair p = Compare_Pair(v[0], 1, "<", 2.0, 0);
        VEK_Format_Bounded(out, size, "Nahtdicke a = %.*lf mm %s %.*lf mm (Mindestnahtdicke)", p.value_places, p.value, p.sign, p.limit_places, p.limit);
    }
        break;
    case WELD_RULE_DIN_BELOW_ROOT:
        if (v[3] != 0.0) {  // the thick part's lesser throat
            const Compared_Pair p = Compare_Pair(v[0], 1, "<", v[1], 0);
            VEK_Format_Bounded(out, size, "Nahtdicke a = %.*lf mm %s %.*lf mm für max t ‗ %.0lf mm (max t = %.1lf mm)"_cp,
                               p.value_places, p.value, p.sign, p.limit_places, p.limit, DIN_THICK_PART, v[2]);
        } else {
            const Compared_Pair p = Compare_Pair(v[0], 1, "<", v[1], 2);
            VEK_Format_Bounded(out, size, "Nahtdicke a = %.*lf mm %s (max t)^0.5 - 0.5 = %.*lf mm (max t = %.1lf mm)", p.value_places, p.value,
                               p.sign, p.limit_places, p.limit, v[2]);
        }
        break;
    case WELD_RULE_DIN_ABOVE_PLATE:
    case WELD_RULE_DIN_ABOVE_PROFILE:
    case WELD_RULE_DIN_ABOVE_WEB: {
        const int part = static_cast<int>(v[2]);
        const char* name = rule == WELD_RULE_DIN_ABOVE_PLATE ? "Anschlussplatte"
                           : rule == WELD_RULE_DIN_ABOVE_WEB  ? "Steg"
                                                              : kParts[part >= 0 && part < 4 ? part : 0];
        const char t = rule == WELD_RULE_DIN_ABOVE_PROFILE && part == 2 ? 'd' : 't';
        const Compared_Pair p = Compare_Pair(v[0], 1, ">", 0.7 * v[1], 2);
        VEK_Format_Bounded(out, size, "Nahtdicke a = %.*lf mm %s 0.7%s%c = %.*lf mm (%s, %c = %.1lf mm)", p.value_places, p.value, p.sign,
                           Report_Times_Sign, t, p.limit_places, p.limit, name, t, v[1]);
        break;
    }
    default: break;
    }
}

const char* Weld_Shorter_Than_Craters_Text(void) { return "Naht kürzer als ihre Endkrater"_cp; }

const char* Weld_Note_Text(int rule, const Weld_Note& note, char* out, size_t size) {
    if (!out || size == 0) return out;
    out[0] = '\0';
    const double* v = note.v;
    switch (rule) {
    case WELD_RULE_NOT_EFFECTIVE:
        // The 30 mm limit when it is the one failed, else 6a; a weld its
        // craters take whole has no length to compare.
        if (v[0] < 0.0)
            VEK_Format_Bounded(out, size, "wirksame Nahtlänge l╬\\eff╬r = 0 mm (%s), statisch nicht wirksam"_cp,
                               Weld_Shorter_Than_Craters_Text());
        else if (v[1] == 0.0)  // no limit but a length: its end craters take it whole
            VEK_Format_Bounded(out, size, "wirksame Nahtlänge l╬\\eff╬r = %.1lf mm, statisch nicht wirksam"_cp, v[0]);
        else if (std::fabs(v[1] - 30.0) < 1e-9) {
            const Compared_Pair p = Compare_Pair(v[0], 1, "<", 30.0, 0);
            VEK_Format_Bounded(out, size, "wirksame Nahtlänge l╬\\eff╬r = %.*lf mm %s %.*lf mm, statisch nicht wirksam"_cp,
                               p.value_places, p.value, p.sign, p.limit_places, p.limit);
        } else {
            const Compared_Pair p = Compare_Pair(v[0], 1, "<", v[1], 1);
            VEK_Format_Bounded(out, size,
                               "wirksame Nahtlänge l╬\\eff╬r = %.*lf mm %s 6%sa = %.*lf mm, statisch nicht wirksam"_cp,
                               p.value_places, p.value, p.sign, Report_Times_Sign, p.limit_places, p.limit);
        }
        break;
    case WELD_RULE_PLATE_TOO_THIN:
    {
        const bool hollow = v[2] != 0.0;
        const Compared_Pair p = Compare_Pair(v[0], 1, "<", hollow ? 2.5 : 4.0, hollow ? 1 : 0);
        VEK_Format_Bounded(out, size, "%sBlechdicke t╬\\%d╬r = %.*lf mm %s %.*lf mm"_cp, hollow ? "Hohlprofil: " : "",
                           static_cast<int>(v[1]), p.value_places, p.value, p.sign, p.limit_places, p.limit);
    }
        break;
    case WELD_RULE_PARTIAL_PENETRATION:
    case WELD_RULE_PARTIAL_PENETRATION_ONE_SIDED:
    {
        const Compared_Pair p = Compare_Pair(v[0], 1, ">", v[1], 1);
        VEK_Format_Bounded(out, size, "nicht durchgeschweißt: Nahtdicke a = %.*lf mm %s %s = %.*lf mm, t = %.1lf mm, út = %.1lf mm"_cp,
                           p.value_places, p.value, p.sign, rule == WELD_RULE_PARTIAL_PENETRATION ? "(t-út)/2"_cp : "t-út"_cp, p.limit_places, p.limit,
                           v[2], v[3]);
    }
        break;
    case WELD_RULE_THROAT_WALL: {
        const Compared_Pair p = Compare_Pair(v[0], 1, ">", v[1], 1);
        // a tube's wall, welded from outside; a part an all-round weld joins
        // from both faces, whose half it takes; a round bar, whose centre
        // its throat reaches
        const int by = static_cast<int>(v[2]);
        if (by == WELD_THROAT_HELD_HALF)
            VEK_Format_Bounded(out, size, "Nahtdicke a = %.*lf mm %s t/2 = %.*lf mm (von beiden Seiten, nicht durchgeschweißt), gerechnet mit a = %.1lf mm"_cp,
                               p.value_places, p.value, p.sign, p.limit_places, p.limit, v[1]);
        else if (by == WELD_THROAT_HELD_RADIUS)
            VEK_Format_Bounded(out, size, "Nahtdicke a = %.*lf mm %s d/2 = %.*lf mm (bis zur Stabmitte), gerechnet mit a = %.1lf mm"_cp,
                               p.value_places, p.value, p.sign, p.limit_places, p.limit, v[1]);
        else
            VEK_Format_Bounded(out, size, "Nahtdicke a = %.*lf mm %s t = %.*lf mm (Wand, nicht durchgeschweißt), gerechnet mit a = %.1lf mm"_cp,
                               p.value_places, p.value, p.sign, p.limit_places, p.limit, v[1]);
        break;
    }
    case WELD_RULE_SLOT_TOO_SHORT:
        VEK_Format_Bounded(out, size, "Lochlänge l = %.1lf mm ¾ Schlitzdurchmesser d"_cp, v[0]);
        break;
    case WELD_RULE_LONGER_THAN_FACE: {
        const int digits = static_cast<int>(v[2]);
        VEK_Format_Bounded(out, size, "Nahtlänge l╬\\w╬r = %.*lf mm länger als die Fläche am Profil (%.*lf mm)"_cp,
                           digits, v[0], digits, v[1]);
        break;
    }
    default:
        throat_text(rule, v, out, size);
        if (!out[0]) din_text(rule, v, out, size);
        break;
    }
    return out;
}

const char* Weld_Note_Marker(int rule) {
    switch (rule) {
    case WELD_RULE_NOT_EFFECTIVE:
    case WELD_RULE_THROAT_WALL: return Mark_Note();
    case WELD_RULE_THROAT_BELOW_ROOT:
    case WELD_RULE_THROAT_BELOW_3MM: return Mark_EC3_Condition();
    case WELD_RULE_PLATE_TOO_THIN:
    case WELD_RULE_PARTIAL_PENETRATION:
    case WELD_RULE_PARTIAL_PENETRATION_ONE_SIDED:
    case WELD_RULE_SLOT_TOO_SHORT: return Mark_Not_Ok();
    default: return Mark_Alert();
    }
}

int Weld_Note_Is_EC3_Condition(int rule) {
    return rule == WELD_RULE_THROAT_BELOW_ROOT || rule == WELD_RULE_THROAT_BELOW_3MM ? 1 : 0;
}
