// The weld check record: its initial values, its fixed test case checked
// against a hand calculation, the single-weld check that only ever raises
// the utilisation, and the refusal of a record that carries no profile.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <cstring>
#include <string>

#include "weld_fixture.h"
#include "weldcheck/weld_check.h"
#include "weldcheck/weld_check_record.h"

namespace {

TEST(WeldCheckRecord, InitialValues) {
    SchweissnahtNachweis r;
    std::memset(&r, 0x5A, sizeof r);
    EXPECT_EQ(Init_Weld_Check_Record(&r), 0);
    EXPECT_EQ(r.weld_angle, 90.0);
    EXPECT_EQ(r.profile.type, 0);
    EXPECT_EQ(r.profile.kind, 0);
    EXPECT_EQ(r.plate.t, 0);
    const double* numbers[] = {&r.gamma_M2, &r.a[19], &r.l[0], &r.contact_share, &r.forces.N, &r.forces.M_x, &r.U_w,
                               &r.U_position[0], &r.U_position[19], &r.line_values[11]};
    for (const double* v : numbers) EXPECT_EQ(*v, 0);
    const int* flags[] = {&r.weld_kind, &r.full_penetration, &r.deduct_craters, &r.neglect_short, &r.number[7],
                          &r.all_round, &r.shear_split, &r.no_length_check, &r.full_treatment, &r.check_field,
                          &r.method};
    for (const int* v : flags) EXPECT_EQ(*v, 0);
    EXPECT_EQ(Init_Weld_Check_Record(nullptr), 0);
}

// The fixed test case: HE 400 A (h 390, b 300, t_w 11, t_f 19, r 27) on a
// 24 mm plate, S235 (f_u 360, beta_w 0.8), gamma_M2 1.25, no end craters,
// conventional shear split. About the profile centroid (y to the left, z
// down): weld 1 the top outer face 300 x 10 at z = -195; 2 the top inner
// face left of the web, from the tip to the root radius, 117.5 x 10 at z =
// -176, centre y = 91.25; 3 the left web face 298 x 5 at y = 5.5; 4 and 5
// as 1 and 2 at the bottom. A_w = 9840, A_w,y = 8350 mm²; weld centroid
// y_w = (2 1175 91.25 + 1490 5.5) / 9840 = 22.625, z_w = 0;
// I_w,y = 2 3000 195² + 2 1175 176² + 5 298³/12 = 311.970e6 mm⁴,
// I_w,z = 2 10 300³/12 + 2 10 117.5³/12 + 2 1175 68.625² + 1490 17.125²
// + 6000 22.625² = 62.279e6 mm⁴, I_w,yz = 0. M_w,z = -26 - 1190 0.022625 =
// -52.924 kNm. The flange welds take V_y, the web weld V_z; V_z acts at
// the profile centroid, 5.5 mm right of the web weld, so M_T = 370e3
// (-5.5) = -2.035e6 Nmm turns the welds about their centroid with I_p =
// I_w,y + I_w,z = 374.249e6 mm⁴. Right end of weld 1 (y = -172.625, z =
// -195 from the weld centroid): sigma = -1190e3/9840 - 225e6 195/311.970e6
// - 52.924e6 172.625/62.279e6 = -120.94 - 140.64 - 146.69 = -408.27 N/mm²,
// along it -180e3/8350 - M_T 195/I_p = -21.557 - 1.060 = -22.617, across
// it (towards its outside, -z) -M_T 172.625/I_p = -0.939; sigma_perp =
// (-408.27 + 0.939)/sqrt 2 = -288.03, tau_perp = (-408.27 - 0.939)/sqrt 2
// = -289.35, sigma_1 = (288.03² + 3 (289.35² + 22.617²))^1/2 = 579.37
// against f_1w,d = 360: U = 1.609.
TEST(WeldCheckRecord, FixedTestCaseAgainstAHandCalculation) {
    const std::string file = WELD_PROFIL_FILE;
    setenv("DATA", file.substr(0, file.rfind('/')).c_str(), 1);
    SchweissnahtNachweis r;
    EXPECT_EQ(Test_Weld_Check(&r), 0);
    unsetenv("DATA");
    EXPECT_EQ(r.profile.kind, 1);
    EXPECT_EQ(r.profile.type, PROFILTYP_H);
    EXPECT_EQ(std::string(r.profile.name, 6), "HE400A");
    EXPECT_EQ(r.profile.h, 390.0);
    EXPECT_EQ(r.plate.t, 24.0);
    EXPECT_EQ(r.gamma_M2, 1.25);
    EXPECT_EQ(r.weld_angle, 90.0);
    EXPECT_EQ(r.method, 1);
    const double throats[WELD_CHECK_WELDS] = {10, 10, 5, 10, 10};
    for (int k = 0; k < WELD_CHECK_WELDS; ++k) {
        EXPECT_EQ(r.a[k], throats[k]) << k;
        EXPECT_EQ(r.number[k], k < 5 ? k + 1 : 0) << k;
    }
    const double forces[6] = {r.forces.N, r.forces.M_y, r.forces.M_z, r.forces.V_y, r.forces.V_z, r.forces.M_x};
    const double given[6] = {-1.19e6, 2.25e8, -2.6e7, -1.8e5, 3.7e5, 0};
    for (int j = 0; j < 6; ++j) EXPECT_EQ(forces[j], given[j]) << j;
    EXPECT_EQ(Calc_Weld_Check(&r, nullptr, 0, 0, 0, 0), 0);
    EXPECT_NEAR(r.U_w, 1.609, 0.0005);
    EXPECT_EQ(r.governing_slot, 0);
    EXPECT_EQ(r.governing_point, 1);
    EXPECT_NEAR(r.line_values[7], -408.27, 0.01);
    EXPECT_NEAR(r.line_values[2], -22.62, 0.01);
    EXPECT_EQ(Test_Weld_Check(nullptr), 1);
}

TEST(WeldCheckRecord, SingleWeldRaisesButNeverLowersTheUtilisation) {
    SchweissnahtNachweis r;
    Init_Weld_Check_Record(&r);
    r.gamma_M2 = 1.25;
    Steel_Plate(&r.plate, 20);
    r.profile.type = 1;
    r.profile.h = 100;
    r.profile.t_w = 10;
    // Fillet weld a = 5: F_w,Rd = 360 / (sqrt 3 * 0.8 * 1.25) * 5 = 1039.2 N/mm.
    const double F_w_Rd = 360 / (std::sqrt(3.0) * 0.8 * 1.25) * 5;  // N/mm
    EXPECT_EQ(r.U_w_status, WELD_CHECK_NOT_RUN);
    EXPECT_EQ(Check_Single_Weld_Element(&r, 5, 200, 0.5 * F_w_Rd, &r.plate.material, nullptr, 0), 0);
    EXPECT_NEAR(r.U_w, 0.5, 0.005);
    EXPECT_EQ(r.U_w_status, WELD_CHECK_DONE);
    Check_Single_Weld_Element(&r, 5, 200, 0.25 * F_w_Rd, &r.plate.material, nullptr, 0);
    EXPECT_NEAR(r.U_w, 0.5, 0.005);
    // A weld the check refuses (a negative force per length) keeps the value
    // and marks the record; a later weld does not clear the mark.
    EXPECT_EQ(Check_Single_Weld_Element(&r, 5, 200, -F_w_Rd, &r.plate.material, nullptr, 0), 1);
    EXPECT_NEAR(r.U_w, 0.5, 0.005);
    EXPECT_EQ(r.U_w_status, WELD_CHECK_REFUSED);
    Check_Single_Weld_Element(&r, 5, 200, 0.75 * F_w_Rd, &r.plate.material, nullptr, 0);
    EXPECT_NEAR(r.U_w, 0.75, 0.005);
    EXPECT_EQ(r.U_w_status, WELD_CHECK_REFUSED);
    EXPECT_EQ(Check_Single_Weld_Element(nullptr, 5, 200, 1, &r.plate.material, nullptr, 0), 0);
    // Of two welds the rule counts as 1 the larger as computed, in either
    // order: U = F / F_w,Rd of 1.0003 and 1.0008.
    for (const double first : {1.0003, 1.0008}) {
        r.U_w = r.U_w_computed = 0.0;
        Check_Single_Weld_Element(&r, 5, 200, first * F_w_Rd, &r.plate.material, nullptr, 0);
        Check_Single_Weld_Element(&r, 5, 200, (2.0011 - first) * F_w_Rd, &r.plate.material, nullptr, 0);
        EXPECT_EQ(r.U_w, 1.0);
        EXPECT_NEAR(Weld_Check_Computed_U(&r), 1.0008, 1e-9) << first;
    }

    // The directional method takes the record's forces (N, Nmm): N = 10 kN
    // and M_y = 1 kNm over the 20 mm plate on a weld of a = 5, l = 200 on
    // both sides: F = (10000 N + 2 * 1e6 Nmm / 20 mm) / (2 * 200 mm) = 275 N/mm,
    // sigma_perp = tau_perp = 275 / (5 * sqrt 2) = 38.89 N/mm2,
    // sigma_v = sqrt(38.89^2 + 3 * 38.89^2) = 77.78 N/mm2 against
    // 360 / (0.8 * 1.25) = 360 N/mm2: 0.216.
    SchweissnahtNachweis d;
    Init_Weld_Check_Record(&d);
    d.gamma_M2 = 1.25;
    Steel_Plate(&d.plate, 20);
    d.profile = r.profile;
    d.method = WELD_CHECK_DIRECTIONAL;
    d.forces.N = 10e3;
    d.forces.M_y = 1e6;
    EXPECT_EQ(Check_Single_Weld_Element(&d, 5, 200, 0, &d.plate.material, nullptr, 0), 0);
    const double F = (10000 + 2 * 1e6 / 20) / (2 * 200), s = F / (5 * std::sqrt(2.0));
    EXPECT_NEAR(d.U_w, std::sqrt(s * s + 3 * s * s) / (360 / (0.8 * 1.25)), 0.0005);
}

TEST(WeldCheckRecord, NoProfileIsRefused) {
    SchweissnahtNachweis r;
    Init_Weld_Check_Record(&r);
    ListCapture list;
    EXPECT_EQ(Refuse_Weld_Check_Without_Profile(&r, list.f(), "P: "), 1);
    OLI_End_Text(list.f());
    EXPECT_EQ(list.Take(), "\n#SHOWPARA\n0x0\n4\n-1\n P: Fehler bei der Querschnittsbeschreibung " +
                               std::string(Mark_Alert()) + "\n#END_OF_TEXT\n0x0\n-1\n");
    EXPECT_EQ(Check_Single_Weld_Element(&r, 5, 200, 1000, &r.plate.material, nullptr, 0), 1);
    EXPECT_EQ(r.U_w, 0);
    EXPECT_EQ(r.U_w_status, WELD_CHECK_REFUSED);
    r.profile.kind = 2;  // a section computed elsewhere is a profile all the same
    EXPECT_EQ(Refuse_Weld_Check_Without_Profile(&r, nullptr, nullptr), 0);
}

}  // namespace
