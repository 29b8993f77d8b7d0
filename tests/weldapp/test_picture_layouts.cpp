// The pictures of every profile family as the list shows them, laid out as
// the viewer lays them out: the input protocol's sketch at its fitted scale,
// at the default 1:5 and at scales that leave it small, and the weld
// check's picture of its weld lines, with the welds all round and as single
// welds on every face, and fully penetrated under loads in every direction.
// No label may overprint another, and no line or area may cross a number.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <string>
#include <vector>

#include "printlist/laid_out.h"
#include "printlist/oli_para.h"
#include "profiles/catalogue_fixture.h"
#include "support/testutil.h"
#include "weldapp/print_schweissnaht.h"
#include "weldapp/schweissnaht.h"
#include "weldapp/weld_check_picture.h"
#include "weldcheck/weld_check.h"
#include "weldcheck/weldelem.h"

namespace {

struct Family_Case {
    const char* name;
    const char* catalogue;  // a catalogue profile, else the sizes below
    int type;
    double h, t_w, b, t_f;
    bool full_penetration = false;  // butt welds fully penetrated, else fillet welds
};

// Load cases as shares of the section's elastic strengths (N of A f_y, M_y
// and M_z of W f_y, V_y and V_z of A f_y / sqrt 3, M_x of W_y f_y, f_y =
// 235): mixes with torsion and both bending axes, which put the weld
// check's points in every direction, some close together.
const double kMixes[3][6] = {{-0.07, 0.25, 0.07, 0.01, 0.07, 0.01},
                             {0.03, 0.07, 0.17, 0.03, 0.02, 0.0},
                             {-0.23, 0.3, 0.04, 0.01, 0.09, 0.005}};

// The list of one connection of the case's profile, its welds all round or
// on every face the layout offers (throat 5 mm), one load case of N, M_y
// and V_z (or the three kMixes), the detailed extent with its pictures,
// the sketch at 1:scale (0: fitted).
std::string Connection_List(const Family_Case& c, bool all_round, double scale, bool mixes = false) {
    SchweissnahtAnschluss r{};
    Default_Schweissnaht(&r);
    Nahtbild& n = r.naht;
    Stahlprofil& p = n.profile;
    if (c.catalogue) {
        EXPECT_EQ(Init_Profile_From_Name(&p, c.catalogue), 0) << c.catalogue;
    } else {
        p.kind = 0, p.type = c.type, p.rolled = 0, p.r_1 = p.r_2 = 0;
        p.h = c.h, p.t_w = c.t_w, p.b_fo = p.b_fu = c.b, p.t_fo = p.t_fu = c.t_f;
        if (c.type == PROFILTYP_KASTEN) p.b_ueo = p.b_ueu = 20.0;
        EXPECT_EQ(Calc_Profile_Cross_Section(&p, nullptr, 0, ""), 0);
    }
    n.all_round = all_round ? 1 : 0;
    if (c.full_penetration) n.weld_kind = WELD_BUTT, n.full_penetration = 1;
    n.weld_count = std::max(0, Get_Profile_Plate_Elements(&p, n.length, n.number));
    for (int i = 0; i < NAHT_SLOTS; ++i) n.throat[i] = n.number[i] > 0 ? n.a_w : 0.0;
    Update_Weld_Layout(&n, nullptr, 0);
    Alloc_Lasten(&r, mixes ? 3 : 1);
    r.loads[0].forces.N = -100e3, r.loads[0].forces.M_y = 5e6, r.loads[0].forces.V_z = 20e3;
    const double W_y = p.I_y / std::max(p.z_s, p.h - p.z_s), W_z = p.I_z / (0.5 * std::max({p.b_fo, p.b_fu, p.h}));
    for (int i = 0; mixes && i < 3; ++i) {
        const double* m = kMixes[i];
        Schnittkraefte& f = r.loads[i].forces;
        f.N = m[0] * p.A * 235, f.M_y = m[1] * W_y * 235, f.M_z = m[2] * W_z * 235;
        f.V_y = m[3] * p.A * 235 / std::sqrt(3.0), f.V_z = m[4] * p.A * 235 / std::sqrt(3.0), f.M_x = m[5] * W_y * 235;
    }
    r.print.ergebnisumfang = 2;
    r.print.massstab = scale;
    FILE* f = std::tmpfile();
    Print_Schweissnaht(&r, f);
    OLI_End_Text(f);
    std::string list = testutil::Stream_All(f);
    std::fclose(f);
    Free_Schweissnaht(&r);
    return list;
}

class PictureLayout : public ::testing::TestWithParam<Family_Case> {};

}  // namespace

// The sketch at its fitted scale, at 1:5, 1:10 and 1:20 (where it is kept:
// a larger side of 1.5 cm at least), and the weld check's picture: no
// overprinted text, no number under a line or area. The T 80 x 8 x 160 x
// 10 welded all round is the one whose axis letter "y" hung into its "S";
// the small I, channel and zed at 1:5 to 1:20 had weld numbers on each
// other, on the axis letters and on the marks.
TEST_P(PictureLayout, NoLabelOnAnotherNorANumberUnderALine) {
    const Family_Case& c = GetParam();
    testutil::CatalogueTree tree;
    Install_Weld_Check_Picture();
    for (const bool all_round : {true, false})
        for (const double scale : {0.0, 5.0, 10.0, 20.0}) {
            SCOPED_TRACE(std::string(c.name) + (all_round ? " all round" : " single welds") + " 1:" +
                         std::to_string(static_cast<int>(scale)));
            const std::string list = Connection_List(c, all_round, scale);
            EXPECT_GE(std::count(list.begin(), list.end(), '\n'), 100);
            EXPECT_NE(list.find("#SHOWGRAFIC"), std::string::npos);
            const auto& [doc, boxes, ink, pages] = Lay_Out(list);
            ASSERT_GE(pages, 1);
            for (const std::string& fault : Overprints(doc)) ADD_FAILURE() << fault;
        }
}

INSTANTIATE_TEST_SUITE_P(
    EveryFamily, PictureLayout,
    ::testing::Values(Family_Case{"flat_bar", nullptr, PROFILTYP_FLACH, 200, 20, 0, 0},
                      Family_Case{"flat_bar_small", nullptr, PROFILTYP_FLACH, 40, 10, 0, 0},
                      Family_Case{"round_bar", nullptr, PROFILTYP_RUND, 24, 0, 0, 0},
                      Family_Case{"tube", nullptr, PROFILTYP_ROHR, 168.3, 6.3, 0, 0},
                      Family_Case{"tube_rolled_small", "R33.7X2.6", 0, 0, 0, 0, 0},
                      Family_Case{"IPE100", "IPE100", 0, 0, 0, 0, 0},
                      Family_Case{"IPE240", "IPE240", 0, 0, 0, 0, 0},
                      Family_Case{"I_welded", nullptr, PROFILTYP_I, 300, 8, 150, 12},
                      Family_Case{"H_welded_large", nullptr, PROFILTYP_H, 500, 14.5, 300, 28},
                      Family_Case{"tee", nullptr, PROFILTYP_T, 80, 8, 160, 10},
                      Family_Case{"tee_large", nullptr, PROFILTYP_T, 300, 12, 300, 20},
                      Family_Case{"half_I", nullptr, PROFILTYP_HALB_I, 150, 7.1, 150, 10.7},
                      Family_Case{"half_IPE300", "1/2IPE300", 0, 0, 0, 0, 0},
                      Family_Case{"U200", "U200", 0, 0, 0, 0, 0},
                      Family_Case{"U400", "U400", 0, 0, 0, 0, 0},
                      Family_Case{"C_rolled", "C150X51X12.2", 0, 0, 0, 0, 0},
                      Family_Case{"C_small", nullptr, PROFILTYP_C, 76, 4.3, 35, 6.9},
                      Family_Case{"Z", nullptr, PROFILTYP_Z, 160, 8, 70, 11},
                      Family_Case{"Z_large", nullptr, PROFILTYP_Z, 200, 10, 80, 13},
                      Family_Case{"L_equal", "L60X6", 0, 0, 0, 0, 0},
                      Family_Case{"L_unequal", "L150X100X10", 0, 0, 0, 0, 0},
                      // Its end point's number "1" at the inner corner stood
                      // on the centroid's "S".
                      Family_Case{"L_thick_full_penetration", nullptr, PROFILTYP_L, 100, 20, 100, 20, true},
                      Family_Case{"RHS_rolled", "MSH120X120X10.0", 0, 0, 0, 0, 0},
                      Family_Case{"RHS_typed", nullptr, PROFILTYP_RECHTECK, 160, 6.3, 80, 6.3},
                      Family_Case{"box", nullptr, PROFILTYP_KASTEN, 300, 10, 200, 15}),
    [](const ::testing::TestParamInfo<Family_Case>& info) { return std::string(info.param.name); });

// Every family fully penetrated (the weld check's picture names the welds
// of the faces and numbers their end points, or the points on a ring): no
// label on another, no number under a line or on the profile's area. The
// half IPE 300's flange weld put its name "1" on the shear centre's "M"
// (a name kept off the marks' letters only as far as off any line); three
// points close together on a round bar's ring put one number on the hatch
// (their places lay on the ring's normal alone). The IPE 100 keeps its
// flange's middle points' numbers, which no line orients, off the flange.
TEST(PictureLayouts, FullPenetrationUnderLoadsInEveryDirection) {
    const Family_Case cases[] = {
        {"half_IPE300", "1/2IPE300", 0, 0, 0, 0, 0, true},
        {"half_I", nullptr, PROFILTYP_HALB_I, 150, 7.1, 150, 10.7, true},
        {"round_bar_24", nullptr, PROFILTYP_RUND, 24, 0, 0, 0, true},
        {"round_bar_60", nullptr, PROFILTYP_RUND, 60, 0, 0, 0, true},
        {"tube", nullptr, PROFILTYP_ROHR, 168.3, 8, 0, 0, true},
        {"IPE100", "IPE100", 0, 0, 0, 0, 0, true},
        {"tee", nullptr, PROFILTYP_T, 80, 8, 160, 10, true},
        {"U200", "U200", 0, 0, 0, 0, 0, true},
        {"Z", nullptr, PROFILTYP_Z, 160, 8, 70, 11, true},
        {"L_unequal", "L150X100X10", 0, 0, 0, 0, 0, true},
        {"RHS", nullptr, PROFILTYP_RECHTECK, 160, 6.3, 80, 6.3, true},
    };
    testutil::CatalogueTree tree;
    Install_Weld_Check_Picture();
    for (const Family_Case& c : cases) {
        SCOPED_TRACE(c.name);
        const auto& [doc, boxes, ink, pages] = Lay_Out(Connection_List(c, true, 0.0, true));
        ASSERT_GE(pages, 3);
        for (const std::string& fault : Overprints(doc)) ADD_FAILURE() << fault;
    }
}
