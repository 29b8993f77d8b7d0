// The weld check record: its initial values, the single-weld check that
// only ever raises the utilisation, and the refusal of a record that
// carries no profile.
#include <gtest/gtest.h>

#include <cmath>
#include <cstring>

#include "weld_fixture.h"
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
    const double* numbers[] = {&r.gamma_M2, &r.a[19], &r.l[0], &r.contact_share, &r.N, &r.M_x, &r.U_w,
                               &r.results_1[0], &r.line_values[11], &r.results_5[19]};
    for (const double* v : numbers) EXPECT_EQ(*v, 0);
    const int* flags[] = {&r.weld_kind, &r.full_penetration, &r.deduct_craters, &r.neglect_short, &r.number[7],
                          &r.all_round, &r.shear_split, &r.no_length_check, &r.full_treatment, &r.check_field,
                          &r.method};
    for (const int* v : flags) EXPECT_EQ(*v, 0);
    EXPECT_EQ(Init_Weld_Check_Record(nullptr), 0);
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
    const double F_w_Rd = 360 / (std::sqrt(3.0) * 0.8 * 1.25) * 5 * 1000;  // N/m
    EXPECT_EQ(Check_Single_Weld_Element(&r, 5, 200, 0.5 * F_w_Rd, &r.plate.material, nullptr, 0), 0);
    EXPECT_NEAR(r.U_w, 0.5, 0.005);
    Check_Single_Weld_Element(&r, 5, 200, 0.25 * F_w_Rd, &r.plate.material, nullptr, 0);
    EXPECT_NEAR(r.U_w, 0.5, 0.005);
    EXPECT_EQ(Check_Single_Weld_Element(nullptr, 5, 200, 1, &r.plate.material, nullptr, 0), 0);
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
    r.profile.kind = 2;  // a section computed elsewhere is a profile all the same
    EXPECT_EQ(Refuse_Weld_Check_Without_Profile(&r, nullptr, nullptr), 0);
}

}  // namespace
