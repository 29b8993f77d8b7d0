// Effective lengths and detailing limits: every rule's line and marker,
// with and without an active annex variant, and the mended thickness rules.
#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "platform/msgbox.h"
#include "weldcheck/weld_check_record.h"
#include "weldcheck/weld_fixture.h"
#include "weldcheck/weldfile.h"
#include "weldcheck/weldlen.h"

namespace {

NahtElement Fillet(double a) {
    NahtElement w;
    Default_Weld(&w);
    w.a = a;
    w.l_w = 100.0;
    return w;
}

NahtElement PartialButt(double a, double angle) {
    NahtElement w;
    Clear_Weld(&w);
    w.kind = WELD_BUTT;
    w.a = a;
    w.angle = angle;
    w.l_w = 100.0;
    return w;
}

TEST(EffectiveLength, ByKind) {
    ListCapture l;
    NahtElement w = Fillet(5.0);
    w.full_length = 0;
    EXPECT_EQ(Calc_Effective_Weld_Length(&w, l.f()), 90.0);
    w.full_length = 1;
    EXPECT_EQ(Calc_Effective_Weld_Length(&w, l.f()), 100.0);
    w.kind = WELD_SLOT;
    w.d = 20.0;
    w.l = 50.0;
    EXPECT_EQ(Calc_Effective_Weld_Length(&w, l.f()), 60.0);
    w.kind = WELD_PLUG;
    EXPECT_EQ(Calc_Effective_Weld_Length(&w, l.f()), 50.0);
    w.kind = WELD_BUTT;
    w.l_w = 0.0;
    EXPECT_EQ(Calc_Effective_Weld_Length(&w, l.f()), 0.0);
    const auto lines = Text_Lines(l.Take());
    ASSERT_EQ(lines.size(), 4u);
    EXPECT_EQ(lines[0], "wirksame Nahtl\x84nge l\xCE\\eff\xCEr = l\xCE\\w\xCEr-2\xCE/.\xCEra = 90.0 mm");
    EXPECT_EQ(lines[1], "wirksame Nahtl\x84nge l\xCE\\eff\xCEr = l\xCE\\w\xCEr = 100.0 mm");
    EXPECT_EQ(lines[2], "wirksame Nahtl\x84nge l\xCE\\eff\xCEr = 2\xCE/.\xCEr(l-d) = 60.0 mm");
    EXPECT_EQ(lines[3], "wirksame Nahtl\x84nge l\xCE\\eff\xCEr = l = 50.0 mm");
}

TEST(EffectiveLength, MinimumLength) {
    ListCapture l;
    EXPECT_EQ(Check_Effective_Weld_Length(WELD_FILLET, 0, 3.0, 25.0, l.f(), "N1: ", 0), 1);
    auto lines = Text_Lines(l.Take());
    ASSERT_EQ(lines.size(), 1u);
    EXPECT_EQ(lines[0], "N1: wirksame Nahtl\x84nge l\xCE\\eff\xCEr = 25.0 mm < 30 mm  \x88  statisch nicht wirksam " + Note());
    EXPECT_EQ(Check_Effective_Weld_Length(WELD_FILLET, 0, 10.0, 50.0, l.f(), "", 0), 1);
    lines = Text_Lines(l.Take());
    ASSERT_EQ(lines.size(), 1u);
    EXPECT_EQ(lines[0], "wirksame Nahtl\x84nge l\xCE\\eff\xCEr = 50.0 mm < 6\xCE/.\xCEra = 60.0 mm  \x88  statisch nicht wirksam " + Note());
    EXPECT_EQ(Check_Effective_Weld_Length(WELD_FILLET, 0, 5.0, 50.0, l.f(), "", 1), 0);
    lines = Text_Lines(l.Take());
    ASSERT_EQ(lines.size(), 2u);
    EXPECT_EQ(lines[0], "wirksame Nahtl\x84nge l\xCE\\eff\xCEr = 50.0 mm > 30 mm  " + Ok());
    EXPECT_EQ(Check_Effective_Weld_Length(WELD_BUTT, 1, 5.0, 10.0, l.f(), "", 1), 0);  // full butt: not checked
    EXPECT_EQ(Check_Effective_Weld_Length(WELD_FILLET, 0, 5.0, 10.0, nullptr, "", 0), 1);
    // A weld its end craters take whole (l_w 10 mm, a 5 mm: l_eff = 0) is
    // named as one of 0.2 mm is, in the weld check's list (the detailing
    // block off) and its final result alike.
    EXPECT_EQ(Check_Effective_Weld_Length(WELD_FILLET, 0, 5.0, 0.0, l.f(), "N1: ", 0), 1);
    EXPECT_EQ(Check_Effective_Weld_Length(WELD_FILLET, 0, 5.0, 0.2, l.f(), "N1: ", 0), 1);
    const std::string l_eff = "N1: wirksame Nahtl\x84nge l\xCE\\eff\xCEr = ", not_effective = "  \x88  statisch nicht wirksam " + Note();
    EXPECT_EQ(Text_Lines(l.Take()), (std::vector<std::string>{
                                        l_eff + "0.0 mm < 30 mm" + not_effective,
                                        l_eff + "0.0 mm < 6\xCE/.\xCEra = 30.0 mm" + not_effective,
                                        l_eff + "0.2 mm < 30 mm" + not_effective,
                                        l_eff + "0.2 mm < 6\xCE/.\xCEra = 30.0 mm" + not_effective,
                                    }));
    EXPECT_EQ(Check_Effective_Weld_Length(WELD_FILLET, 0, 5.0, 0.0, nullptr, "", 0), 1);
    Weld_Not_Effective_Line(l.f(), "N1: ", 5.0, 0.0);
    EXPECT_EQ(Text_Lines(l.Take()), std::vector<std::string>{l_eff + "0.0 mm < 30 mm" + not_effective});
}

// A fillet weld shorter than its end craters (l_w 8 mm, a 5 mm: l_w - 2a =
// -2 mm): too short, not missing, and no line shows a negative length;
// each says that nothing of the weld counts, in its one line (no 30 mm
// and 6a comparisons with a length that is not there), with or without
// the other limits' lines, and so does its note in the final result.
TEST(EffectiveLength, ShorterThanItsCraters) {
    const std::string zero = "wirksame Nahtl\x84nge l\xCE\\eff\xCEr = 0 mm (Naht k\x81rzer als ihre Endkrater)";
    ListCapture l;
    NahtElement w = Fillet(5.0);
    w.full_length = 0;
    w.l_w = 8.0;
    const double l_eff = Calc_Effective_Weld_Length(&w, l.f());
    EXPECT_EQ(l_eff, -2.0);  // the callers see the shortfall
    EXPECT_EQ(Text_Lines(l.Take()),
              std::vector<std::string>{"wirksame Nahtl\x84nge l\xCE\\eff\xCEr = l\xCE\\w\xCEr-2\xCE/.\xCEra = 0 mm "
                                       "(Naht k\x81rzer als ihre Endkrater)"});
    for (int print_all : {0, 1}) {
        EXPECT_EQ(Check_Effective_Weld_Length(WELD_FILLET, 0, 5.0, l_eff, l.f(), "N1: ", print_all), 1);
        EXPECT_EQ(Text_Lines(l.Take()),
                  std::vector<std::string>{"N1: " + zero + "  \x88  statisch nicht wirksam " + Note()})
            << print_all;
    }
    EXPECT_EQ(Check_Effective_Weld_Length(WELD_FILLET, 0, 5.0, l_eff, nullptr, "", 0), 1);
    Weld_Not_Effective_Line(l.f(), "N1: ", 5.0, l_eff);
    EXPECT_EQ(Text_Lines(l.Take()), std::vector<std::string>{"N1: " + zero + "  \x88  statisch nicht wirksam " + Note()});
    Weld_Notes notes{};
    Add_Weld_Note(&notes, WELD_RULE_NOT_EFFECTIVE, l_eff, 30.0, 5.0);
    char text[256];
    EXPECT_EQ(std::string(Weld_Note_Text(WELD_RULE_NOT_EFFECTIVE, *Weld_Note_Values(notes, WELD_RULE_NOT_EFFECTIVE),
                                         text, sizeof text)),
              zero + ", statisch nicht wirksam");
}

// A detailing limit's note prints a value and its limit with as many places
// as make its sign true: a throat 4.96 mm against 29.9^1/2 - 0.5 = 4.968 mm
// ("5.0 < 4.97" at the places asked for), 5.0 mm against 0.7 x 7.1 = 4.97
// mm ("5.0 > 5.0"), an effective length 31.17 mm against 6 x 5.2 = 31.2 mm
// ("31.2 < 31.2"), and one that is plain (4.0 < 5 mm).
TEST(Detailing, NotesHoldForTheirDigits) {
    const struct {
        int rule;
        Weld_Note note;
        const char* text;
    } rows[] = {
        {WELD_RULE_THROAT_BELOW_ROOT, {{4.96, std::sqrt(29.9) - 0.5, 29.9, 0}},
         "Nahtdicke a = 4.96 mm < a\xCE\\min\xCEr = t\xCE\\max\xCEr\xCE/1/2\xCEr - 0.5 = 4.968 mm (NA-DE, t\xCE\\max\xCEr = 29.9 mm)"},
        {WELD_RULE_THROAT_ABOVE_MAX, {{5.0, 0.7 * 7.1, 7.1, 0}},
         "Nahtdicke a = 5.00 mm > a\xCE\\max\xCEr = 0.7\xCE/.\xCErt\xCE\\min\xCEr = 4.97 mm (Schwei\xE1technik, t\xCE\\min\xCEr = 7.1 mm)"},
        {WELD_RULE_NOT_EFFECTIVE, {{31.17, 31.2, 5.2, 0}},
         "wirksame Nahtl\x84nge l\xCE\\eff\xCEr = 31.17 mm < 6\xCE/.\xCEra = 31.20 mm, statisch nicht wirksam"},
        {WELD_RULE_THROAT_BELOW_T30, {{4.0, 5.0, 30.0, 0}},
         "Nahtdicke a = 4.0 mm < a\xCE\\min\xCEr = 5 mm f\x81r t\xCE\\max\xCEr \xF2 30 mm (NA-DE, t\xCE\\max\xCEr = 30.0 mm)"},
    };
    for (const auto& r : rows) {
        char text[256];
        EXPECT_STREQ(Weld_Note_Text(r.rule, r.note, text, sizeof text), r.text);
    }
}

TEST(Detailing, ThinPlatesAreExaminedAndFail) {
    AnnexVariant v(0);
    ListCapture l;
    NahtElement w = Fillet(4.0);
    EXPECT_EQ(Check_Weld_Detailing_Limits(&w, 2.0, 10.0, 0, 0, l.f(), 0, "", 0), 1);  // 2 mm is no longer "missing"
    auto lines = Text_Lines(l.Take());
    ASSERT_EQ(lines.size(), 1u);
    EXPECT_EQ(lines[0], "Blechdicke t\xCE\\1\xCEr = 2.0 mm < 4 mm  " + NotOk());
    EXPECT_EQ(Check_Weld_Detailing_Limits(&w, 0.0, 10.0, 0, 0, l.f(), 0, "", 0), 0);  // missing: not examined
    EXPECT_TRUE(Text_Lines(l.Take()).empty());
    // Hollow-section walls: under 2.5 mm fails, 3 mm passes.
    EXPECT_EQ(Check_Weld_Detailing_Limits(&w, 10.0, 2.0, 0, 1, l.f(), 0, "", 0), 1);
    lines = Text_Lines(l.Take());
    ASSERT_EQ(lines.size(), 1u);
    EXPECT_EQ(lines[0], "Hohlprofil: Blechdicke t\xCE\\2\xCEr = 2.0 mm < 2.5 mm  " + NotOk());
    EXPECT_EQ(Check_Weld_Detailing_Limits(&w, 10.0, 3.0, 0, 1, nullptr, 0, "", 0), 0);
}

TEST(Detailing, AnnexExampleWithThinPlate) {
    AnnexVariant v(1);
    VEK_Set_Batch_Mode(0);
    ListCapture l;
    NahtElement w = Fillet(4.0);
    const int boxes_before = (int)VEK_Batch_Fault_Count();
    Weld_Notes notes = {};
    EXPECT_EQ(Check_Weld_Detailing_Limits(&w, 3.0, 10.0, 0, 0, l.f(), 0, "", 0, &notes), 1);
    EXPECT_EQ(VEK_Batch_Fault_Count(), boxes_before);
    const auto lines = Text_Lines(l.Take());
    ASSERT_EQ(lines.size(), 2u);
    EXPECT_EQ(lines[0], "Blechdicke t\xCE\\1\xCEr = 3.0 mm < 4 mm  " + NotOk());
    // a_max = 0.7 t_min = 0.7 * 3 = 2.1 mm < 4 mm: not met, marked red and
    // noted for the final result (no failure of its own).
    EXPECT_EQ(lines[1], "Nahtdicke a = 4.0 mm > a\xCE\\max\xCEr = 0.7\xCE/.\xCErt\xCE\\min\xCEr = 2.1 mm (Schwei\xE1technik, s. DIN 18800)  " + Alert());
    // Both limits noted with their numbers for the final result: t_1 = 3 mm
    // (of 4 mm), a = 4 mm above 2.1 mm with t_min = 3 mm.
    EXPECT_EQ(notes.rules, WELD_NOTE_THROAT_ABOVE_MAX | Weld_Note_Bit(WELD_RULE_PLATE_TOO_THIN));
    const double* above = Weld_Note_Values(notes, WELD_RULE_THROAT_ABOVE_MAX)->v;
    EXPECT_DOUBLE_EQ(above[0], 4.0);
    EXPECT_NEAR(above[1], 2.1, 1e-12);
    EXPECT_DOUBLE_EQ(above[2], 3.0);
    EXPECT_DOUBLE_EQ(Weld_Note_Values(notes, WELD_RULE_PLATE_TOO_THIN)->v[0], 3.0);
    EXPECT_DOUBLE_EQ(Weld_Note_Values(notes, WELD_RULE_PLATE_TOO_THIN)->v[1], 1.0);
    EXPECT_EQ(EC3_Detailing_Warning_Flag, 0);  // sqrt(10) - 0.5 = 2.66 mm is met
}

// Asked for, each failed rule is one message box, shown in the rules' order
// once they have all run. t_1 3 mm < 4 mm; a = 2 mm against the annex's
// a_min = 10^1/2 - 0.5 = 2.66 mm and against 3 mm.
TEST(Detailing, MessagesAskedForOnePerFailedRule) {
    AnnexVariant v(1);
    VEK_Set_Batch_Mode(0);
    VEK_Clear_Recorded_Messages();
    NahtElement w = Fillet(2.0);
    EXPECT_EQ(Check_Weld_Detailing_Limits(&w, 3.0, 10.0, 0, 0, nullptr, 1, "N1: ", 0), 1);
    const auto& boxes = VEK_Recorded_Messages();
    ASSERT_EQ(boxes.size(), 3u);
    const char* expected[3] = {"Blechdicke t1 = 3.0 mm < 4 mm",
                               "N1: NA-DE: Blechdicke tmax \xF2 3 mm: Nahtdicke a = 2.0 mm < amin = 2.66 mm",
                               "N1: Nahtdicke a = 2.0 mm < amin = 3 mm"};
    for (int i = 0; i < 3; i++) {
        ASSERT_EQ(boxes[i].lines.size(), 1u);
        EXPECT_EQ(boxes[i].lines[0], expected[i]);
    }
}

TEST(Detailing, AnnexThirtyMillimetreRule) {
    AnnexVariant v(1);
    ListCapture l;
    NahtElement w = Fillet(2.0);
    EC3_Detailing_Warning_Flag = 0;
    EXPECT_EQ(Check_Weld_Detailing_Limits(&w, 30.0, 30.0, 0, 0, l.f(), 0, "", 0), 0);
    EXPECT_EQ(EC3_Detailing_Warning_Flag, 0);
    auto lines = Text_Lines(l.Take());
    ASSERT_EQ(lines.size(), 1u);
    EXPECT_EQ(lines[0], "NA-DE: Blechdicke t\xCE\\max\xCEr \xF2 30 mm: Nahtdicke a = 2.0 mm < a\xCE\\min\xCEr = 5 mm  " + Alert());
    w.a = 6.0;
    EXPECT_EQ(Check_Weld_Detailing_Limits(&w, 30.0, 30.0, 0, 0, l.f(), 0, "", 1), 0);
    lines = Text_Lines(l.Take());
    ASSERT_EQ(lines.size(), 5u);  // two plates, 30 mm, a_max and 3 mm rules
    EXPECT_EQ(lines[2], "NA-DE: Blechdicke t\xCE\\max\xCEr \xF2 30 mm: Nahtdicke a = 6.0 mm > a\xCE\\min\xCEr = 5 mm  " + Ok());
    EXPECT_EQ(lines[3], "Nahtdicke a = 6.0 mm < a\xCE\\max\xCEr = 0.7\xCE/.\xCErt\xCE\\min\xCEr = 21.0 mm (Schwei\xE1technik, s. DIN 18800)  " + Ok());
    EXPECT_EQ(lines[4], "Nahtdicke a = 6.0 mm > a\xCE\\min\xCEr = 3 mm  " + Ok());
}

TEST(Detailing, AnnexRootRuleRaisesTheWarning) {
    AnnexVariant v(1);
    ListCapture l;
    NahtElement w = Fillet(3.0);
    EC3_Detailing_Warning_Flag = 0;
    EXPECT_EQ(Check_Weld_Detailing_Limits(&w, 16.0, 16.0, 0, 0, l.f(), 0, "N2: ", 0), 0);
    EXPECT_EQ(EC3_Detailing_Warning_Flag, 1);
    const auto lines = Text_Lines(l.Take());
    ASSERT_EQ(lines.size(), 1u);
    EXPECT_EQ(lines[0], "N2: NA-DE: Blechdicke t\xCE\\max\xCEr \xF2 3 mm: Nahtdicke a = 3.0 mm < a\xCE\\min\xCEr = t\xCE\\max\xCEr\xCE/1/2\xCEr - 0.5 = 3.50 mm  " + EC3());
    EC3_Detailing_Warning_Flag = 0;
}

TEST(Detailing, WithoutAnnexOnlyThreeMillimetres) {
    AnnexVariant v(0);
    ListCapture l;
    NahtElement w = Fillet(2.5);
    EC3_Detailing_Warning_Flag = 0;
    EXPECT_EQ(Check_Weld_Detailing_Limits(&w, 10.0, 10.0, 0, 0, l.f(), 0, "", 0), 0);
    EXPECT_EQ(EC3_Detailing_Warning_Flag, 1);
    auto lines = Text_Lines(l.Take());
    ASSERT_EQ(lines.size(), 1u);
    EXPECT_EQ(lines[0], "Nahtdicke a = 2.5 mm < a\xCE\\min\xCEr = 3 mm  " + EC3());
    EC3_Detailing_Warning_Flag = 0;
    w.a = 12.0;  // beside t_min = 10 mm: no a_max rule without the annex
    EXPECT_EQ(Check_Weld_Detailing_Limits(&w, 10.0, 10.0, 0, 0, l.f(), 0, "", 0), 0);
    EXPECT_TRUE(Text_Lines(l.Take()).empty());
}

TEST(Detailing, PartialPenetrationLimits) {
    struct Row {
        int mode;
        double angle;
        double limit;
        const char* text;
    } rows[] = {
        {0, 90.0, 4.5, "nicht durchgeschwei\xE1t: Nahtdicke a = 12.0 mm > (t-\xA3t)/2 = 4.5 mm, t = 12.0 mm, \xA3t = 3.0 mm"},
        {0, 60.0, 5.4, "nicht durchgeschwei\xE1t: Nahtdicke a = 12.0 mm > (t-\xA3t)/2 = 5.4 mm, t = 13.9 mm, \xA3t = 3.0 mm"},
        {0, 0.0, 8.0, "nicht durchgeschwei\xE1t: Nahtdicke a = 12.0 mm > (t-\xA3t)/2 = 8.0 mm, t = 20.0 mm, \xA3t = 4.0 mm"},
        {1, 90.0, 9.6, "nicht durchgeschwei\xE1t: Nahtdicke a = 12.0 mm > t-\xA3t = 9.6 mm, t = 12.0 mm, \xA3t = 2.4 mm"},
    };
    for (const Row& r : rows) {
        ListCapture l;
        NahtElement w = PartialButt(12.0, r.angle);
        EXPECT_EQ(Check_Weld_Detailing_Limits(&w, 20.0, 12.0, r.mode, 0, l.f(), 0, "", 0), 1) << r.angle;
        const auto lines = Text_Lines(l.Take());
        ASSERT_EQ(lines.size(), 1u);
        EXPECT_EQ(lines[0], std::string(r.text) + "  " + NotOk());
        // Just at the limit passes; the limit never becomes NaN.
        w = PartialButt(r.limit - 0.04, r.angle);
        const double exact = r.mode == 0 && r.angle == 60.0 ? (12.0 / std::sqrt(0.75) - 3.0) / 2.0
                                                             : r.limit;
        w.a = exact;
        EXPECT_EQ(Check_Weld_Detailing_Limits(&w, 20.0, 12.0, r.mode, 0, nullptr, 0, "", 0), 0) << r.angle;
    }
    // Mode 2 at 90°: the sine of 0 leaves no part-2 candidate, nothing NaN.
    ListCapture l;
    NahtElement w = PartialButt(8.0, 90.0);
    EXPECT_EQ(Check_Weld_Detailing_Limits(&w, 20.0, 12.0, 2, 0, l.f(), 0, "", 1), 0);
    const std::string out = l.Take();
    EXPECT_EQ(out.find("nan"), std::string::npos);
    EXPECT_EQ(out.find("inf"), std::string::npos);
    EXPECT_NE(out.find("t-\xA3t = 20.0 mm, t = 20.0 mm, \xA3t = 0.0 mm"), std::string::npos);
}

TEST(Detailing, SlotAndPlugHoleLengths) {
    ListCapture l;
    NahtElement w;
    Clear_Weld(&w);
    w.kind = WELD_SLOT;
    w.d = 20.0;
    w.l = 20.0;
    EXPECT_EQ(Check_Weld_Detailing_Limits(&w, 0.0, 0.0, 0, 0, l.f(), 0, "", 0), 1);
    w.kind = WELD_PLUG;
    w.l = 15.0;
    w.angle = 45.0;
    EXPECT_EQ(Check_Weld_Detailing_Limits(&w, 0.0, 0.0, 0, 0, l.f(), 0, "", 0), 0);
    EXPECT_EQ(w.l, 20.0);
    EXPECT_EQ(w.angle, 90.0);
    const auto lines = Text_Lines(l.Take());
    ASSERT_EQ(lines.size(), 2u);
    EXPECT_EQ(lines[0], "Lochl\x84nge l = 20.0 mm \xF3 Schlitzdurchmesser d");
    EXPECT_EQ(lines[1], "Lochl\x84nge l = 15.0 mm < Lochdurchmesser d  \x88  l = d");
}

TEST(GroupDetailing, PlugWeldThicknessRuleFails) {
    WeldCase c(10.0, 20.0, 20.0);
    c.g.kind = WELD_PLUG;
    c.g.d = 30.0;
    c.g.l = 30.0;
    c.g.method = WELD_METHOD_CALLER_RULES;
    ListCapture l;
    EXPECT_EQ(Check_Weld_Group_Detailing(&c.g, l.f(), 0, 0), 1);
    EXPECT_EQ(c.g.one_sided, 1);
    const auto lines = Text_Lines(l.Take());
    ASSERT_EQ(lines.size(), 2u);
    EXPECT_EQ(lines[0], "Dicke der Lochschwei\xE1ung f\x81r t > 16 mm:  a = 10.0 mm < 16.0 mm  " + NotOk());
    EXPECT_EQ(lines[1], "\xCEHFehler in den Eingabedaten. Die Tragf\x84higkeit kann nicht ermittelt werden " + Alert());
}

TEST(GroupDetailing, SetsEffectiveLengthAndWarnsAboutNormalForce) {
    WeldCase c(5.0, 10.0, 10.0);
    c.g.kind = WELD_SLOT;
    c.g.d = 40.0;
    c.g.l = 100.0;
    c.g.method = WELD_METHOD_CALLER_RULES;
    c.g.N_Ed = 1000.0;
    ListCapture l;
    EXPECT_EQ(Check_Weld_Group_Detailing(&c.g, l.f(), 0, 0), 0);
    EXPECT_EQ(c.g.l_eff, 120.0);
    const auto lines = Text_Lines(l.Take());
    ASSERT_EQ(lines.size(), 1u);
    EXPECT_EQ(lines[0], "Schlitzn\x84hte k\x94nnen nur Schubkr\x84\x66te V\xCE\\Ed\xCEr \x81\x62\x65rtragen,  N\xCE\\Ed\xCEr und M\xCE\\Ed\xCEr werden ignoriert");
}

// A dimension that is not a finite number passed every comparison of the
// rules; now each one fails with a line naming it (and no "nan").
TEST(DetailingLimits, NonFiniteDimensionsFail) {
    struct Row {
        const char* name;
        double NahtElement::*field;  // null: a thickness
        int thickness;               // 1 or 2 for t1, t2
    };
    const Row rows[] = {
        {"a", &NahtElement::a, 0},      {"l\xCE\\w\xCEr", &NahtElement::l_w, 0},
        {"\xDA", &NahtElement::angle, 0}, {"t\xCE\\1\xCEr", nullptr, 1},
        {"t\xCE\\2\xCEr", nullptr, 2},
    };
    for (int kind : {(int)WELD_FILLET, (int)WELD_BUTT}) {
        for (const Row& r : rows) {
            SCOPED_TRACE(std::string(r.name) + " kind " + std::to_string(kind));
            NahtElement w = kind == WELD_FILLET ? Fillet(5.0) : PartialButt(4.0, 0.0);
            double t1 = 10.0, t2 = 10.0;
            if (r.field) w.*r.field = NAN;
            if (r.thickness == 1) t1 = NAN;
            if (r.thickness == 2) t2 = NAN;
            ListCapture l;
            EXPECT_EQ(Check_Weld_Detailing_Limits(&w, t1, t2, 0, 0, l.f(), 0, "", 0), 1);
            const std::string out = l.Take();
            EXPECT_NE(out.find("\xCEHFehler\xCEr: " + std::string(r.name) + " = keine g\x81ltige Zahl " + NotOk()),
                      std::string::npos)
                << out;
            EXPECT_FALSE(Has_Non_Finite_Text(out));
        }
    }
    // A length that cannot be measured does not count.
    ListCapture l;
    EXPECT_EQ(Check_Effective_Weld_Length(WELD_FILLET, 0, 5.0, NAN, l.f(), "", 0), 1);
    EXPECT_EQ(Check_Effective_Weld_Length(WELD_FILLET, 0, NAN, 100.0, l.f(), "", 0), 1);
    const auto lines = Text_Lines(l.Take());
    ASSERT_EQ(lines.size(), 2u);
    EXPECT_EQ(lines[0], "\xCEHFehler\xCEr: l\xCE\\eff\xCEr = keine g\x81ltige Zahl " + NotOk());
    EXPECT_EQ(lines[1], "\xCEHFehler\xCEr: a = keine g\x81ltige Zahl " + NotOk());
}

}  // namespace
