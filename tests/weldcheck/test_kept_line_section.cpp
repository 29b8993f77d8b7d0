// The weld line cross-section kept from one load case to the next: after
// any one of the inputs that decide it changes alone, the check works it
// out again and gives the list a check of the changed connection gives
// with nothing kept.
#include <gtest/gtest.h>

#include <functional>
#include <string>

#include "printlist/list_capture.h"
#include "weldcheck/weld_check.h"
#include "weldcheck/weld_check_internal.h"
#include "weld_fixture.h"

namespace test_kept_line_section {
namespace {

// A welded I 300 x 150 x 7.1 / 10.7 on a 20 mm plate, fillet welds a = 4
// on the outer flange faces (1, 2) and on both faces of the web (3, 4,
// 200 mm), the detailing and length tests on, under N, M_y and V_z.
SchweissnahtNachweis Welded_I() {
    SchweissnahtNachweis r;
    EXPECT_EQ(Typed_Profile_Record(&r, PROFILTYP_I, 300, 7.1, 150, 10.7, 150, 10.7), 0);
    const int faces[4] = {WELD_FACE_TOP_OUTER, WELD_FACE_BOTTOM_OUTER, WELD_FACE_WEB_LEFT, WELD_FACE_WEB_RIGHT};
    for (int j = 0; j < 4; ++j) {
        r.a[faces[j]] = 4.0;
        r.l[faces[j]] = j < 2 ? 0.0 : 200.0;
        r.number[faces[j]] = j + 1;
    }
    r.check_field = 1;
    r.method = 1;
    r.full_treatment = 1;
    r.forces.N = 100e3, r.forces.M_y = 30e6, r.forces.M_z = 5e6, r.forces.V_z = 80e3;
    return r;
}

struct Connection {
    SchweissnahtNachweis r;
    int variant;  // of the annex's EN 1993 block
};

// The check of c as its record and, with `listed`, its detailed list with
// the detailing block give it (the lines of the detailing tests are worked
// out with the list: the record alone shows what was kept of them).
std::string Checked(Connection c, bool listed) {
    AnnexVariant v(c.variant);
    ListCapture l;
    const int result = Calc_Weld_Check(&c.r, listed ? l.f() : nullptr, 2, 1, 0, 0);
    std::string s = std::to_string(result) + " " + std::to_string(c.r.U_w_status) + " " +
                    std::to_string(c.r.governing_slot) + " " + std::to_string(c.r.governing_point);
    char number[32];
    for (double u : c.r.line_values) s += (std::snprintf(number, sizeof number, " %.17g", u), number);
    for (double u : c.r.U_position) s += (std::snprintf(number, sizeof number, " %.17g", u), number);
    for (const Weld_Notes& n : c.r.notes) s += " " + std::to_string(n.rules) + "/" + std::to_string(n.count);
    return s + "\n" + (listed ? l.Take() : "");
}

using Change = std::function<void(Connection*)>;

}  // namespace

TEST(KeptLineSection, EachInputThatDecidesItChangedAloneIsWorkedOutAgain) {
    const Change nothing = [](Connection*) {};
    const Change butt = [](Connection* c) { c->r.weld_kind = WELD_BUTT; };
    const Change all_round = [](Connection* c) { c->r.all_round = 1; };
    const struct Step {
        const char* what;
        Change before, change;
    } steps[] = {
        // the web welds 0.95 mm further out, the rest as it stands
        {"the profile's web 9 mm thick", nothing,
         [](Connection* c) {
             c->r.profile.t_w = 9;
             Calc_Profile_Cross_Section(&c->r.profile, nullptr, 0, nullptr);
         }},
        // a = 4 mm lies below sqrt(28) - 0.5 = 4.79 mm of the national
        // variant's rule on a 28 mm plate, above 3.97 mm on 20 mm
        {"the plate 28 mm", [](Connection* c) { c->variant = 1; }, [](Connection* c) { c->r.plate.t = 28; }},
        {"the annex variant", [](Connection* c) { c->r.plate.t = 28; },
         [](Connection* c) { c->variant = 1; }},
        {"a web weld's throat 6 mm", nothing, [](Connection* c) { c->r.a[WELD_FACE_WEB_LEFT] = 6; }},
        {"a web weld's length 150 mm", nothing, [](Connection* c) { c->r.l[WELD_FACE_WEB_RIGHT] = 150; }},
        // partial penetrations a = 4 mm deeper than (t - 3)/2 = 3.85 mm of the
        // 10.7 mm flanges at 90 degrees; at 30 degrees the flange counts
        // t / sin 30 deep
        {"the weld angle 30 degrees", butt, [](Connection* c) { c->r.weld_angle = 30; }},
        {"butt welds", nothing, butt},
        {"full penetration",
         [](Connection* c) { c->r.weld_kind = WELD_BUTT, c->r.neglect_short = 1; },
         [](Connection* c) { c->r.full_penetration = 1; }},
        {"end craters deducted", nothing, [](Connection* c) { c->r.deduct_craters = 1; }},
        {"all round", nothing, all_round},
        {"the short pieces neglected", all_round, [](Connection* c) { c->r.neglect_short = 1; }},
        {"the shear split consistent", nothing,
         [](Connection* c) { c->r.shear_split = WELD_SHEAR_SPLIT_CONSISTENT; }},
        {"the length test off", [](Connection* c) { c->r.l[WELD_FACE_WEB_LEFT] = 20; },
         [](Connection* c) { c->r.no_length_check = 1; }},
        {"the throat test off", [](Connection* c) { c->r.a[WELD_FACE_WEB_LEFT] = 2; },
         [](Connection* c) { c->r.no_throat_check = 1; }},
        {"the line mode", nothing, [](Connection* c) { c->r.check_field = -1; }},
    };
    for (const Step& s : steps)
        for (bool listed : {false, true}) {
            SCOPED_TRACE(std::string(s.what) + (listed ? ", listed" : ""));
            Connection before{Welded_I(), 0};
            s.before(&before);
            Connection after = before;
            s.change(&after);
            Forget_Kept_Line_Section();
            const std::string first = Checked(before, listed);
            const std::string kept = Checked(after, listed);  // the section of `before` kept
            Forget_Kept_Line_Section();
            const std::string fresh = Checked(after, listed);
            EXPECT_NE(fresh, first);  // the change matters to the check
            EXPECT_EQ(kept, fresh);
            // and the next case of the changed connection takes its section over
            EXPECT_EQ(Checked(after, listed), fresh);
        }
}

}  // namespace test_kept_line_section
