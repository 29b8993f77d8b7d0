// Effective weld lengths and detailing limits of the weld elements.
//
// A thickness counts as given when it exceeds 0.001 mm; every given
// thickness is examined, so a plate under 4 mm or a hollow-section wall
// under 2.5 mm fails. Candidates of the partial-penetration limit that are
// not finite (a weld angle whose sine is 0) are left out explicitly. An
// effective length below 0 (a fillet weld shorter than 2a) is too short to
// count rather than missing.
#include "weldcheck/weldlen.h"

#include <algorithm>
#include <cmath>
#include <cstdarg>
#include <string>
#include <vector>

#include "base/cp850.h"
#include "codes/blech.h"
#include "codes/nad.h"
#include "platform/format.h"
#include "platform/msgbox.h"
#include "printlist/oli_para.h"
#include "printlist/verdict.h"
#include "weldcheck/weld_check_record.h"
#include "weldcheck/weldgroup_internal.h"
#include "weldcheck/weldres.h"

static const double PI = 3.14159265358979323846;


// Ends a check line: the marker, then the line feed.
static void line_end(FILE* f, const char* marker) {
    OLI_printf(f, "  %s", marker);
    OLI_printf(f, "\n");
}

static bool annex_variant_active() {
    const NAD_EC3_Block* b = Get_NAD_EC3();
    return b && b->variant != 0;
}

// What the rules of one call have to tell the user, in the order they found
// it. The rules only say it; the public entry shows each text in a message
// box when its caller asked for messages, and nothing is collected when it
// did not (the rules get no list then).
struct Rule_Messages {
    std::vector<std::string> texts;
};

static void say(Rule_Messages* m, const char* format, ...) __attribute__((format(printf, 2, 3)));
static void say(Rule_Messages* m, const char* format, ...) {
    if (!m) return;
    std::string text;
    va_list args;
    va_start(args, format);
    VEK_Format_String_V(text, format, args);
    va_end(args);
    m->texts.push_back(std::move(text));
}

// Shows what was said, one box per text, and forgets it.
static void show(Rule_Messages* m) {
    if (!m) return;
    for (const std::string& text : m->texts) PrintMessage("%s", text.c_str());
    m->texts.clear();
}

double Calc_Effective_Weld_Length(const NahtElement* w, FILE* f) {
    if (!w) return 0.0;
    double l_eff;
    if (w->kind == WELD_SLOT) {
        l_eff = 2.0 * (w->l - w->d);
        if (f)
            OLI_printf(f, "%swirksame Nahtlänge l╬\\eff╬r = 2%s(l-d) = %.1lf mm\n"_cp, Check_Line_Prefix,
                       Report_Times_Sign, l_eff);
        return l_eff;
    }
    if (w->kind == WELD_PLUG) {
        l_eff = w->l;
        if (f) OLI_printf(f, "%swirksame Nahtlänge l╬\\eff╬r = l = %.1lf mm\n"_cp, Check_Line_Prefix, l_eff);
        return l_eff;
    }
    if (w->l_w <= 0.001) return 0.0;
    if (w->kind == WELD_FILLET && !w->full_length) {
        l_eff = w->l_w - 2.0 * w->a;
        // A length is never shown below 0: the craters take the whole weld.
        if (f && l_eff < 0.0)
            OLI_printf(f, "%swirksame Nahtlänge l╬\\eff╬r = l╬\\w╬r-2%sa = 0 mm (%s)\n"_cp, Check_Line_Prefix,
                       Report_Times_Sign, Weld_Shorter_Than_Craters_Text());
        else if (f)
            OLI_printf(f, "%swirksame Nahtlänge l╬\\eff╬r = l╬\\w╬r-2%sa = %.1lf mm\n"_cp, Check_Line_Prefix,
                       Report_Times_Sign, l_eff);
        return l_eff;
    }
    l_eff = w->l_w;
    if (f) OLI_printf(f, "%swirksame Nahtlänge l╬\\eff╬r = l╬\\w╬r = %.1lf mm\n"_cp, Check_Line_Prefix, l_eff);
    return l_eff;
}

// "wirksame Nahtlänge l_eff = ... mm" against 30 mm or, with six_a,
// against 6a: the sign as the rule's single-precision comparison gives it,
// the digits as many as make it true as printed. No marker, no line end.
static void length_limit_line(FILE* f, const char* prefix, double l_eff, double a, bool six_a) {
    if (!six_a) {
        const Compared_Pair p = Compare_Pair(l_eff, 1, Get_Compare_Symbol((float)l_eff, 30.0f), 30.0, 0);
        OLI_printf(f, "%s%swirksame Nahtlänge l╬\\eff╬r = %.*lf mm %s %.*lf mm"_cp, Check_Line_Prefix, prefix, p.value_places,
                   p.value, p.sign, p.limit_places, p.limit);
        return;
    }
    const Compared_Pair p = Compare_Pair(l_eff, 1, Get_Compare_Symbol((float)l_eff, (float)(6.0 * a)), 6.0 * a, 1);
    OLI_printf(f, "%s%swirksame Nahtlänge l╬\\eff╬r = %.*lf mm %s 6%sa = %.*lf mm"_cp, Check_Line_Prefix, prefix, p.value_places,
               p.value, p.sign, Report_Times_Sign, p.limit_places, p.limit);
}

int Check_Effective_Weld_Length(int kind, int full_penetration, double a, double l_eff, FILE* f,
                                const char* prefix, int print_all) {
    if (!prefix) prefix = "";
    if (!std::isfinite(a) || !std::isfinite(l_eff)) {
        // No length to count on: the weld is left out, and the line says why.
        Weld_Invalid_Value_Line(f, prefix, std::isfinite(a) ? "l╬\\eff╬r"_cp : "a");
        return 1;
    }
    if (!(kind == WELD_FILLET || (kind == WELD_BUTT && !full_penetration))) return 0;
    // A weld its end craters take whole (l_w = 2a) has no length left, as
    // one of 0.2 mm has almost none: too short, and named so. A negative
    // length is a weld shorter than its craters (l_w < 2a).
    if (std::fabs(l_eff) < 0.001) l_eff = 0.0;
    if (l_eff < 0.0) {
        // No limit to compare with: nothing of the weld counts.
        Weld_Not_Effective_Line(f, prefix, a, l_eff);
        return 1;
    }
    const bool short30 = l_eff < 30.0;
    const bool short6a = l_eff < 6.0 * a;
    if (!f) return short30 || short6a;
    if (short30 || print_all) {
        length_limit_line(f, prefix, l_eff, a, false);
        if (short30) OLI_printf(f, "  ê  statisch nicht wirksam %s"_cp, Mark_Note());
        else OLI_printf(f, "  %s", Mark_Ok());
        OLI_printf(f, "\n");
        if (short30 && !short6a && !print_all) return 1;
    }
    if (short6a || print_all) {
        length_limit_line(f, prefix, l_eff, a, true);
        if (short6a) OLI_printf(f, "  ê  statisch nicht wirksam %s"_cp, Mark_Note());
        else OLI_printf(f, "  %s", Mark_Ok());
        OLI_printf(f, "\n");
    }
    return short30 || short6a;
}

void Weld_Not_Effective_Line(FILE* f, const char* prefix, double a, double l_eff) {
    if (!f) return;
    if (!prefix) prefix = "";
    if (!std::isfinite(a) || !std::isfinite(l_eff)) {
        Weld_Invalid_Value_Line(f, prefix, std::isfinite(a) ? "l╬\\eff╬r"_cp : "a");
        return;
    }
    // The 30 mm limit is named when it fails; else the 6a limit is the one.
    // A weld its craters take whole has no length to compare with a limit.
    if (l_eff < 0.0)
        OLI_printf(f, "%s%swirksame Nahtlänge l╬\\eff╬r = 0 mm (%s)"_cp, Check_Line_Prefix, prefix,
                   Weld_Shorter_Than_Craters_Text());
    else
        length_limit_line(f, prefix, l_eff, a, l_eff >= 30.0);
    OLI_printf(f, "  ê  statisch nicht wirksam %s\n"_cp, Mark_Note());
}

// The plate-thickness rule for one thickness (index 1 or 2). 1 on failure.
static int plate_rule(double t, int index, int hollow, FILE* f, Rule_Messages* messages, const char* prefix,
                      int print_all, Weld_Notes* notes) {
    if (t <= 0.001) return 0;  // not given
    const double limit = hollow ? 2.5 : 4.0;
    const bool fail = t < limit - 0.001;
    if (!fail && !(f && print_all)) return 0;
    const Compared_Pair p = Compare_Pair(t, 1, Get_Compare_Symbol((float)t, (float)limit), limit, hollow ? 1 : 0);
    if (f) {
        OLI_printf(f, "%s%s%sBlechdicke t╬\\%d╬r = %.*lf mm %s %.*lf mm"_cp, Check_Line_Prefix, prefix,
                   hollow ? "Hohlprofil: " : "", index, p.value_places, p.value, p.sign, p.limit_places, p.limit);
        line_end(f, fail ? Mark_Not_Ok() : Mark_Ok());
    }
    if (fail) {
        Add_Weld_Note(notes, WELD_RULE_PLATE_TOO_THIN, t, index, hollow ? 1.0 : 0.0);
        say(messages, "%sBlechdicke t%d = %.*lf mm %s %.*lf mm", hollow ? "Hohlprofil: " : "", index, p.value_places, p.value, p.sign,
            p.limit_places, p.limit);
    }
    return fail ? 1 : 0;
}

// The throat rules of a fillet weld (annex rules and the 3 mm rule).
static void fillet_throat_rules(const NahtElement* w, double t1, double t2, int hollow, FILE* f,
                                Rule_Messages* messages, const char* prefix, int print_all, Weld_Notes* notes) {
    const double a = w->a;
    bool rule30_met = true;
    if (annex_variant_active()) {
        const double t_max = std::max(t1, t2);
        double t_min = std::min(t1, t2);
        if (t_min < 2.5 - 0.001) {
            const double other = t_min == t1 ? t2 : t1;
            t_min = other > 2.5 - 0.001 ? other : t2;
        }
        if (t_max > 30.0 - 0.001) {
            rule30_met = a >= 5.0 - 0.001;
            // the comparison as printed (the message with two places of the
            // limit), made only where it is printed
            auto pair = [a](int places) {
                return Compare_Pair(a, 1, Get_Compare_Symbol_GE((float)a, 5.0f), 5.0, places);
            };
            if (f && (!rule30_met || print_all)) {
                const Compared_Pair p = pair(0);
                OLI_printf(f, "%s%sNA-DE: Blechdicke t╬\\max╬r ‗ 30 mm: Nahtdicke a = %.*lf mm %s a╬\\min╬r = %.*lf mm"_cp,
                           Check_Line_Prefix, prefix, p.value_places, p.value, p.sign, p.limit_places, p.limit);
                line_end(f, rule30_met ? Mark_Ok() : Mark_Alert());
            }
            if (!rule30_met) Add_Weld_Note(notes, WELD_RULE_THROAT_BELOW_T30, a, 5.0, t_max);
            if (!rule30_met) {
                const Compared_Pair p = pair(2);
                say(messages, "%sNA-DE: Blechdicke tmax ‗ 30 mm: Nahtdicke a = %.*lf mm %s amin = %.*lf mm"_cp, prefix,
                    p.value_places, p.value, p.sign, p.limit_places, p.limit);
            }
        } else if (t_max > 3.0 - 0.001) {
            const double a_min = std::sqrt(t_max) - 0.5;
            const bool met = a >= a_min - 0.001;
            auto pair = [a, a_min] {
                return Compare_Pair(a, 1, Get_Compare_Symbol_GE((float)a, (float)a_min), a_min, 2);
            };
            if (!met) EC3_Detailing_Warning_Flag = 1;
            if (!met) Add_Weld_Note(notes, WELD_RULE_THROAT_BELOW_ROOT, a, a_min, t_max);
            if (f && (!met || print_all)) {
                const Compared_Pair p = pair();
                OLI_printf(f,
                           "%s%sNA-DE: Blechdicke t╬\\max╬r ‗ 3 mm: Nahtdicke a = %.*lf mm %s a╬\\min╬r = t╬\\max╬r╬/1/2╬r - 0.5 = %.*lf mm"_cp,
                           Check_Line_Prefix, prefix, p.value_places, p.value, p.sign, p.limit_places, p.limit);
                line_end(f, met ? Mark_Ok() : Mark_EC3_Condition());
            }
            if (!met) {
                const Compared_Pair p = pair();
                say(messages, "%sNA-DE: Blechdicke tmax ‗ 3 mm: Nahtdicke a = %.*lf mm %s amin = %.*lf mm"_cp, prefix,
                    p.value_places, p.value, p.sign, p.limit_places, p.limit);
            }
        }
        if (!hollow && t_min > 0.001) {
            // Not met: a remark, no failure; the red marker says so and the
            // caller carries it to the final result.
            const double a_max = 0.7 * t_min;
            const bool above = a > a_max + 0.001;
            if (above) Add_Weld_Note(notes, WELD_RULE_THROAT_ABOVE_MAX, a, a_max, t_min);
            if (f && (a > a_max + 0.1 || print_all)) {
                const Compared_Pair p = Compare_Pair(a, 1, Get_Compare_Symbol((float)a, (float)a_max), a_max, 1);
                OLI_printf(f, "%s%sNahtdicke a = %.*lf mm %s a╬\\max╬r = 0.7%st╬\\min╬r = %.*lf mm"_cp,
                           Check_Line_Prefix, prefix, p.value_places, p.value, p.sign, Report_Times_Sign, p.limit_places, p.limit);
                OLI_printf(f, "%s", " (Schweißtechnik, s. DIN 18800)"_cp);
                line_end(f, above ? Mark_Alert() : Mark_Ok());
            }
        }
    }
    if (!rule30_met) return;
    const bool met = a >= 3.0 - 0.001;
    if (!met) EC3_Detailing_Warning_Flag = 1;
    if (!met) Add_Weld_Note(notes, WELD_RULE_THROAT_BELOW_3MM, a, 3.0);
    if (met && !(f && print_all)) return;
    const Compared_Pair p = Compare_Pair(a, 1, Get_Compare_Symbol_GE((float)a, 3.0f), 3.0, 0);
    if (f && (!met || print_all)) {
        OLI_printf(f, "%s%sNahtdicke a = %.*lf mm %s a╬\\min╬r = %.*lf mm"_cp, Check_Line_Prefix, prefix, p.value_places, p.value, p.sign,
                   p.limit_places, p.limit);
        line_end(f, met ? Mark_Ok() : Mark_EC3_Condition());
    }
    if (!met) say(messages, "%sNahtdicke a = %.*lf mm %s amin = %.*lf mm", prefix, p.value_places, p.value, p.sign, p.limit_places, p.limit);
}

// The limit of partial penetration of a butt weld. 1 on failure.
static int partial_penetration_rule(const NahtElement* w, double t1, double t2, int mode, FILE* f,
                                    Rule_Messages* messages, const char* prefix, int print_all, Weld_Notes* notes) {
    const double a = w->a;
    if (a < 0.1) {
        if (f) OLI_printf(f, "%s%sNahtdicke a = 0  ê  kein Check\n"_cp, Check_Line_Prefix, prefix);
        return 0;
    }
    const double angle = mode == 2 ? 90.0 - w->angle : w->angle;
    const double s = std::sin(angle * PI / 180.0);
    // A sine of (nearly) 0 leaves the second part unbounded across the weld:
    // no candidate then, and never a NaN limit.
    const double t2p = std::fabs(s) > 1e-9 ? std::fabs(t2 / s) : INFINITY;
    const bool t2p_given = std::isfinite(t2p) && t2p > 2.5 - 0.001;
    const bool t1_given = t1 > 2.5 - 0.001;
    bool have = false;
    double t = 0.0, dt = 0.0;
    auto candidate = [&](double tc) {
        double d = 0.2 * tc;
        if (mode == 0) d = std::max(d, 3.0);
        if (!std::isfinite(tc - d)) return;
        if (!have || tc - d < t - dt) {
            t = tc;
            dt = d;
            have = true;
        }
    };
    if (t2p_given) candidate(t2p);
    if (w->angle < 0.1 && t1_given) candidate(t1);
    if (!have) {
        if (!t1_given && !t2p_given) return 0;
        t = std::isfinite(t2p) ? std::max(t1, t2p) : t1;
        dt = 0.0;
    }
    const double limit = mode == 0 ? (t - dt) / 2.0 : t - dt;
    const bool fail = a > limit + 0.001;
    if (f && (fail || print_all)) {
        const Compared_Pair p = Compare_Pair(a, 1, Get_Compare_Symbol((float)a, (float)limit), limit, 1);
        OLI_printf(f, "%s%snicht durchgeschweißt: Nahtdicke a = %.*lf mm %s %s = %.*lf mm, t = %.1lf mm, út = %.1lf mm"_cp,
                   Check_Line_Prefix, prefix, p.value_places, p.value, p.sign, mode == 0 ? "(t-út)/2"_cp : "t-út"_cp, p.limit_places, p.limit, t, dt);
        line_end(f, fail ? Mark_Not_Ok() : Mark_Ok());
    }
    if (fail) {
        Add_Weld_Note(notes, mode == 0 ? WELD_RULE_PARTIAL_PENETRATION : WELD_RULE_PARTIAL_PENETRATION_ONE_SIDED, a,
                      limit, t, dt);
        if (mode == 0)
            say(messages, "nicht durchgeschweißt: Nahtdicke a = %.1lf mm ‗ (t-út)/2 = %.1lf mm, t = %.1lf mm, út = %.1lf mm\n"_cp,
                a, limit, t, dt);
        else
            say(messages, "nicht durchgeschweißt: Nahtdicke a = %.1lf mm ‗ t-út = %.1lf mm, t = %.1lf mm, út = %.1lf mm\n"_cp,
                a, limit, t, dt);
    }
    return fail ? 1 : 0;
}

// A dimension that is not a finite number passes every comparison of the
// rules: 1 after a failure line (and message) per such value.
static int weld_input_invalid(const NahtElement* w, double t1, double t2, FILE* f, Rule_Messages* messages,
                              const char* prefix) {
    const struct {
        const char* symbol;  // print list
        const char* name;    // message box
        double value;
    } inputs[] = {
        {"a", "a", w->a},           {"e", "e", w->e},     {"l╬\\w╬r"_cp, "lw", w->l_w},
        {"┌"_cp, "Winkel", w->angle}, {"d", "d", w->d},     {"l", "l", w->l},
        {"t╬\\1╬r"_cp, "t1", t1},   {"t╬\\2╬r"_cp, "t2", t2},
    };
    int invalid = 0;
    for (const auto& in : inputs) {
        if (std::isfinite(in.value)) continue;
        invalid = 1;
        Weld_Invalid_Value_Line(f, prefix, in.symbol);
        say(messages, "%s%s = keine gültige Zahl"_cp, prefix, in.name);
    }
    return invalid;
}

// Check_Weld_Detailing_Limits, saying what its caller shows; the limits the
// weld breaks go into notes (none for null).
static int detailing_limits(NahtElement* w, double t1, double t2, int penetration_mode, int hollow_section, FILE* f,
                            Rule_Messages* messages, const char* prefix, int print_all, Weld_Notes* notes) {
    if (!prefix) prefix = "";
    if (weld_input_invalid(w, t1, t2, f, messages, prefix)) return 1;
    if (w->kind == WELD_BUTT && w->full_penetration) return 0;
    if ((w->kind != WELD_FILLET && w->kind != WELD_BUTT) || (w->kind == WELD_FILLET && w->angle < 0.1))
        w->angle = 90.0;
    if (hollow_section) penetration_mode = 1;
    int result = 0;
    result |= plate_rule(t1, 1, hollow_section, f, messages, prefix, print_all, notes);
    result |= plate_rule(t2, 2, hollow_section, f, messages, prefix, print_all, notes);

    if (w->kind == WELD_FILLET && w->a >= 0.1)
        fillet_throat_rules(w, t1, t2, hollow_section, f, messages, prefix, print_all, notes);
    if (w->kind == WELD_BUTT)
        result |= partial_penetration_rule(w, t1, t2, penetration_mode, f, messages, prefix, print_all, notes);
    if (w->kind == WELD_SLOT && w->l < w->d + 0.001) {
        result = 1;
        Add_Weld_Note(notes, WELD_RULE_SLOT_TOO_SHORT, w->l);
        if (f) OLI_printf(f, "%s%sLochlänge l = %.1lf mm ¾ Schlitzdurchmesser d\n"_cp, Check_Line_Prefix, prefix, w->l);
    }
    if (w->kind == WELD_PLUG) {
        if (w->l < w->d) {
            if (f)
                OLI_printf(f, "%s%sLochlänge l = %.1lf mm < Lochdurchmesser d  ê  l = d\n"_cp, Check_Line_Prefix,
                           prefix, w->l);
            w->l = w->d;
        } else if (f && print_all) {
            OLI_printf(f, "%s%sLochlänge l = %.1lf mm ‗ Lochdurchmesser d  %s\n"_cp, Check_Line_Prefix, prefix, w->l,
                       Mark_Ok());
        }
    }
    return result;
}

int Check_Weld_Detailing_Limits(NahtElement* w, double t1, double t2, int penetration_mode, int hollow_section,
                                FILE* f, int show_message, const char* prefix, int print_all, Weld_Notes* notes) {
    if (!w) return 0;
    Rule_Messages messages;
    const int result = detailing_limits(w, t1, t2, penetration_mode, hollow_section, f,
                                        show_message ? &messages : nullptr, prefix, print_all, notes);
    show(&messages);
    return result;
}

// Ends a hole rule line when one was written. 1 on failure.
static int hole_rule_end(bool fail, FILE* f, bool wrote) {
    if (f && wrote) line_end(f, fail ? Mark_Not_Ok() : Mark_Ok());
    return fail ? 1 : 0;
}

// "what = value mm sign [limit name =] limit mm" of a plug or slot rule,
// the sign as the rule's single-precision comparison gives it, the digits
// as many as make it true as printed. No line end.
static void Hole_Rule_Line(FILE* f, const char* what, double value, const char* limit_name, double limit) {
    const Compared_Pair p = Compare_Pair(value, 1, Get_Compare_Symbol(static_cast<float>(value), static_cast<float>(limit)),
                                         limit, 1);
    OLI_printf(f, "%s%s = %.*lf mm %s %s%s%.*lf mm", Check_Line_Prefix, what, p.value_places, p.value, p.sign, limit_name,
               limit_name[0] ? " = " : "", p.limit_places, p.limit);
}

static int hole_rules(NahtGruppe* g, FILE* f, Rule_Messages* messages, int print_all) {
    const double t = g->plate1.t, a = g->a, d = g->d;
    int failed = 0;
    if (g->kind == WELD_PLUG) {
        const double d_req = t + 8.0;
        bool fail = d < d_req - 0.001;
        bool wrote = f && (fail || print_all);
        if (wrote)
            Hole_Rule_Line(f, "Lochdurchmesser d", d, "8 mm + t", d_req);
        failed |= hole_rule_end(fail, f, wrote);
        if (fail) say(messages, "Lochdurchmesser d = %.1lf mm < erf d = %.1lf mm", d, d_req);

        if (t <= 16.0) {
            fail = std::fabs(a - t) > 0.001;
            wrote = f && (fail || print_all);
            if (wrote)
                OLI_printf(f, "%sDicke der Lochschweißung für t ¾ 16 mm:  a = %.1lf mm %s t = %.1lf mm"_cp,
                           Check_Line_Prefix, a, fail ? "!=" : "=", t);
            failed |= hole_rule_end(fail, f, wrote);
            if (fail) say(messages, "Dicke der Lochschweißung a = %.1lf mm != erf a = %.1lf mm"_cp, a, t);
        } else {
            const double a_req = t <= 32.0 ? 16.0 : t / 2.0;
            fail = a < a_req - 0.001;
            wrote = f && (fail || print_all);
            if (wrote) {
                if (t <= 32.0)
                    Hole_Rule_Line(f, "Dicke der Lochschweißung für t > 16 mm:  a"_cp, a, "", a_req);
                else
                    Hole_Rule_Line(f, "Dicke der Lochschweißung für t > 32 mm:  a"_cp, a, "t/2", a_req);
            }
            failed |= hole_rule_end(fail, f, wrote);
            if (fail) say(messages, "Dicke der Lochschweißung a = %.1lf mm < erf a = %.1lf mm"_cp, a, a_req);
        }
    } else if (g->kind == WELD_SLOT) {
        const double d_req = 4.0 * t;
        const bool fail = d < d_req - 0.001;
        const bool wrote = f && (fail || print_all);
        if (wrote)
            Hole_Rule_Line(f, "Lochdurchmesser d", d, Format_Static("4%st", Report_Times_Sign), d_req);
        failed |= hole_rule_end(fail, f, wrote);
        if (fail) say(messages, "Lochdurchmesser d = %.1lf mm < erf d = %.1lf mm", d, d_req);
    }
    if (failed && f)
        OLI_printf(f, "%s╬HFehler in den Eingabedaten. Die Tragfähigkeit kann nicht ermittelt werden %s\n"_cp,
                   Check_Line_Prefix, Mark_Alert());
    return failed;
}

int Check_Weld_Group_Detailing(NahtGruppe* g, FILE* f, int show_message, int print_all) {
    if (!g || Weld_Group_Input_Invalid(g, f)) return 1;
    Rule_Messages said;
    Rule_Messages* messages = show_message ? &said : nullptr;
    const double t1 = g->plate1.t, t2 = g->plate2.t;
    if (g->kind == WELD_SLOT || g->kind == WELD_PLUG) g->one_sided = WELD_ONE_SIDED;
    if (g->kind == WELD_BUTT && g->full_penetration && print_all && f) {
        if (g->angle >= 0.001)
            OLI_printf(f, "%swirksame Nahtdicke a = t╬\\2╬r = %.1lf mm\n"_cp, Check_Line_Prefix, t2);
        else
            OLI_printf(f, "%swirksame Nahtdicke a = min(t╬\\1╬r,t╬\\2╬r) = %.1lf mm\n"_cp, Check_Line_Prefix,
                       std::min(t1, t2));
    }
    int result = 0;
    if (!(g->method & WELD_METHOD_CALLER_RULES)) {
        NahtElement w = Group_Weld(g);
        // A group check has no final result to carry notes to.
        result |= detailing_limits(&w, t1, t2, 0, 0, f, messages, "", print_all, nullptr);
        show(messages);
        g->angle = w.angle;
        g->l = w.l;
        result |= Check_Plate_And_Material(&g->plate1, f, show_message, 65, "Blech 1: ");
        result |= Check_Plate_And_Material(&g->plate2, f, show_message, 65, "Blech 2: ");
        if (result) return 1;
    }
    result |= hole_rules(g, f, messages, print_all);
    show(messages);
    if (f && (g->kind == WELD_SLOT || g->kind == WELD_PLUG) &&
        (std::fabs(g->N_Ed) > WELD_FORCE_ZERO || std::fabs(g->M_p_Ed) > WELD_MOMENT_ZERO ||
         std::fabs(g->M_s_Ed) > WELD_MOMENT_ZERO)) {
        if (g->kind == WELD_SLOT)
            OLI_printf(f, "%sSchlitznähte können nur Schubkräfte V╬\\Ed╬r übertragen"_cp, Check_Line_Prefix);
        else
            OLI_printf(f, "%sEine Lochschweißung kann nur Schubkräfte V╬\\Ed╬r übertragen"_cp, Check_Line_Prefix);
        OLI_printf(f, ",  N╬\\Ed╬r und M╬\\Ed╬r werden ignoriert\n"_cp);
    }
    const NahtElement w = Group_Weld(g);
    g->l_eff = Calc_Effective_Weld_Length(&w, print_all ? f : nullptr);
    if (g->method & WELD_METHOD_MIN_LENGTH)
        result |= Check_Effective_Weld_Length(g->kind, g->full_penetration, g->a, g->l_eff, f, "", print_all);
    return result ? 1 : 0;
}
