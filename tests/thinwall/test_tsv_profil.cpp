// Plate description of profiles for the partial-internal-forces method: the
// work record it leaves, the plastic shape factors, and which profiles it
// accepts.
#include <gtest/gtest.h>

#include <cmath>
#include <cstring>

#include "thinwall/dwqb.h"
#include "thinwall/dwqb_calc.h"
#include "thinwall/tsv.h"

namespace {

// Catalogue stand-in: names beginning with T are T sections, others I, the
// empty name none.
int Family(const char* name) { return name[0] == 'T' ? 2 : name[0] ? 1 : 0; }
int Values(const char*, float* v, char*) {
    const float hbtt[4] = {31.5f, 20, 1, 1.5f};
    std::memcpy(v, hbtt, sizeof hbtt);
    return 7;
}
// The centre-line model of the I 31.5 x 20 x 1.0 x 1.5: flanges at z = -15 and +15.
int Build(const Profil_Model_Descriptor*, const char*, NachweisDatenKopf*) {
    Init_DWQB_Model();
    const double y[6] = {-10, 0, 10, -10, 0, 10}, z[6] = {-15, -15, -15, 15, 15, 15};
    for (int i = 0; i < 6; i++) Add_DWQB_Node(i + 1, y[i], z[i]);
    Add_DWQB_Line_Constant_T(1, 1, 2, 1.5);
    Add_DWQB_Line_Constant_T(2, 2, 3, 1.5);
    Add_DWQB_Line_Constant_T(3, 4, 5, 1.5);
    Add_DWQB_Line_Constant_T(4, 5, 6, 1.5);
    Add_DWQB_Line_Constant_T(5, 2, 5, 1.0);
    return Calc_DWQB();
}
const TSV_Profil_Services services{Family, Values, Build};

TEST(TsvProfil, ParametricIWithShapeFactors) {
    const TSV_Profil_Services* old = Set_TSV_Profil_Services(&services);
    Section_Work_Record w{};
    const float dims[8] = {31.5f, 20, 1, 1.5f, 0, 0, 0, 0};
    std::memcpy(w.head.dims, dims, sizeof dims);
    const Profil_Model_Descriptor type1{0, 5, 0, 0, 0, 1, 0};
    ASSERT_EQ(Check_TSV_Default(7, &type1, &w.head, " "), 3);
    EXPECT_EQ(Get_Section_Work_Code(nullptr, &w.head), 3 | (7 << 4) | 0x1000000);
    // flanges at -/+15 (20 x 1.5), web 28.5 x 1.0 between them, reference at the web centre
    const float plates[14] = {0, 0, 0, -15, 0, 0, 0, 15, 20, 1.5f, 28.5f, 1, 20, 1.5f};
    for (int i = 0; i < 14; i++) EXPECT_FLOAT_EQ(w.payload[i], plates[i]) << i;
    // W_pl,y = 20 * 1.5 * 30 + 1 * 28.5^2 / 4; W_pl,z of the flanges 2 * 1.5 * 20^2 / 4; the
    // elastic moduli of the centre-line model: I_y = 2 * 30 * 15^2 + 30^3/12 over 15, I_z = 2 * 1.5 * 20^3/12 over 10.
    const double Wpl_y = 900 + 28.5 * 28.5 / 4, Wpl_z = 300;
    const double W_y = (13500 + 2250) / 15.0, W_z = 2000 / 10.0;
    EXPECT_NEAR(std::fmin(std::fabs(DWQB_Querschnittswerte[16]), std::fabs(DWQB_Querschnittswerte[17])), W_y, 1e-6);
    EXPECT_LE(w.payload[14], Wpl_y / W_y * (1 + 1e-6));
    EXPECT_GE(w.payload[14], 0.995 * Wpl_y / W_y);
    const double W_z_model =
        std::fmin(std::fabs(DWQB_Querschnittswerte[18]), std::fabs(DWQB_Querschnittswerte[19]));
    EXPECT_NEAR(W_z_model, W_z, 0.02 * W_z);
    EXPECT_LE(w.payload[15], Wpl_z / W_z_model * (1 + 1e-6));
    EXPECT_GE(w.payload[15], 0.995 * Wpl_z / W_z_model);
    Set_TSV_Profil_Services(old);
}

// A catalogue profile is looked up by the name behind the four characters
// of orientation and blanks that the conversion puts in front of it: the I
// of the stand-in is described as two flanges and a web, a shorter text as
// nothing.
TEST(TsvProfil, CatalogueNameBehindItsPrefix) {
    const TSV_Profil_Services* old = Set_TSV_Profil_Services(&services);
    Section_Work_Record w{};
    const Profil_Model_Descriptor catalogue{0, 5, 0, 7, 0, 0, 0};
    ASSERT_EQ(Check_TSV_Default(1, &catalogue, &w.head, "    I315      "), 3);
    EXPECT_EQ(Get_Section_Work_Code(nullptr, &w.head) & 0xF, 3);
    // flanges 20 x 1.5 at -/+(31.5 - 1.5)/2, web 30 x 1.0
    const float plates[14] = {0, 0, 0, -15, 0, 0, 0, 15, 20, 1.5f, 30, 1, 20, 1.5f};
    for (int i = 0; i < 14; i++) EXPECT_FLOAT_EQ(w.payload[i], plates[i]) << i;
    EXPECT_EQ(Is_TSV_Applicable(&catalogue, &w.head, "    T100", TSV_OPT_ALTERNATIVE), 1);
    EXPECT_EQ(Setup_TSV_Profil(1, &catalogue, &w.head, "-  ", 0), 2);
    Set_TSV_Profil_Services(old);
}

// The dimensions reach the method as floats (1.3f is 1.29999995): the
// plates are taken at the decimals they stand for, so that forces computed
// from the dimensions meet the limit they were computed on. The typed-in I
// of HE 280 A's plates, 27 x 28 x 0.8 x 1.3 cm, S235 (23.5 kN/cm2): flanges
// 28 x 1.3 at +-(27 - 1.3)/2, web 0.8 between them, 27 - 2 1.3 = 24.4 high;
// M_pl = 23.5 (28 1.3 25.7 + 0.8 24.4^2 / 4) = 23.5 1054.092 kNcm. At M_pl
// U is 1 to the last bits (the floats gave 1 + 4e-8, beyond the limit), and
// below it the searched U is M / M_pl itself.
TEST(TsvProfil, PlatesOfSinglePrecisionDimensionsMeetTheirLimit) {
    const TSV_Profil_Services* old = Set_TSV_Profil_Services(&services);
    Section_Work_Record w{};
    const float dims[8] = {27, 28, 0.8f, 1.3f, 0, 0, 0, 0};
    std::memcpy(w.head.dims, dims, sizeof dims);
    const Profil_Model_Descriptor type1{0, 5, 0, 0, 0, 1, 0};
    ASSERT_EQ(Check_TSV_Default(1, &type1, &w.head, " "), 3);
    const double M_pl = 23.5 * (28 * 1.3 * 25.7 + 0.8 * 24.4 * 24.4 / 4);
    const double yield[2] = {23.5, 23.5};
    for (double share : {1.0, 0.8, 0.5}) {
        const double F[8] = {0, 0, 0, 0, share * M_pl, 0, 0, 0};
        TSV_Ergebnis r{};
        ASSERT_EQ(Prepare_TSV_Querschnitt(F, yield, &type1, &w.head, " ", &r), 1);
        EXPECT_NEAR(r.U, share, 1e-12) << share;
        EXPECT_TRUE(r.flags & TSV_FILLED);
    }
    Set_TSV_Profil_Services(old);
}

TEST(TsvProfil, Applicability) {
    const TSV_Profil_Services* old = Set_TSV_Profil_Services(&services);
    Section_Work_Record w{};
    const Profil_Model_Descriptor catalogue{0, 5, 0, 7, 0, 0, 0}, user{0, 5, 0, 0, 0, 99, 0};
    // A T section turned with the alternative shapes is not described; as it stands it is.
    EXPECT_EQ(Setup_TSV_Profil(1, &catalogue, &w.head, "-   T100", TSV_OPT_ALTERNATIVE), 2);
    EXPECT_EQ(Is_TSV_Applicable(&catalogue, &w.head, "-   T100", TSV_OPT_ALTERNATIVE), 0);
    Set_TSV_Profil_Services(nullptr);  // no model can be built: described, no shape factors
    Profil_Model_Descriptor t = catalogue;
    EXPECT_EQ(Setup_TSV_Profil(1, &t, &w.head, "-   T100", 0), 2);  // the catalogue cannot be asked either
    Set_TSV_Profil_Services(&services);
    EXPECT_EQ(Is_TSV_Applicable(&catalogue, &w.head, "-   T100", 0), 1);
    EXPECT_EQ(Setup_TSV_Profil(1, &user, &w.head, " ", 0), 2);
    EXPECT_EQ(Is_TSV_Applicable(&user, &w.head, " ", 0), 0);
    EXPECT_EQ(Setup_TSV_Profil_Opt(1, &catalogue, &w.head, nullptr, 0), 2);
    // type, options, applicable, by default, described by the set-up
    struct {
        int type, options, applicable, by_default, setup;
    } const rows[] = {{1, 0, 1, 1, 3}, {2, 0, 1, 1, 3}, {2, 1, 0, 1, 3}, {4, 0, 0, 0, 2}, {4, 1, 1, 0, 3},
                      {6, 1, 1, 1, 2}, {7, 0, 1, 1, 3}, {10, 1, 1, 0, 3}, {14, 0, 0, 0, 2}, {15, 1, 0, 0, 2}};
    for (const auto& r : rows) {
        const Profil_Model_Descriptor p{0, 5, 0, 0, 0, r.type, 0};
        EXPECT_EQ(Is_TSV_Applicable(&p, &w.head, " ", r.options), r.applicable) << r.type;
        EXPECT_EQ(Is_TSV_Applicable_Default(&p, &w.head, " "), r.by_default) << r.type;
        EXPECT_EQ(Setup_TSV_Profil(1, &p, &w.head, " ", r.options), r.setup) << r.type;
    }
    Set_TSV_Profil_Services(old);
}

}  // namespace

namespace {

// A catalogue of six rolled shapes by their first letter (cm): h, b, t_w,
// t_f, A at 4, the root radius at 25 (the Z's b from tip to tip).
const char kLetters[] = "IUTRLZ";
const int kFamilies[] = {1, 3, 2, 4, 5, 6};
int Letter(const char* name) {
    const char* at = std::strchr(kLetters, name[0]);
    return at && name[0] ? static_cast<int>(at - kLetters) : 0;
}
int Rolled_Family(const char* name) { return kFamilies[Letter(name)]; }
int Rolled_Values(const char* name, float* v, char*) {
    const float rows[6][6] = {{31.5f, 20, 1, 1.5f, 100, 1.8f},
                              {30, 10, 1, 1.6f, 58.8f, 1.6f},
                              {15, 15, 0.71f, 1.07f, 26.91f, 1.5f},
                              {20, 10, 0.8f, 0.8f, 44.75f, 0},
                              {10, 10, 1, 1, 19.2f, 1.2f},
                              {15, 15, 2, 4, 82, 0}};
    const int k = Letter(name);
    for (int i = 0; i < 5; i++) v[i] = rows[k][i];
    v[25] = rows[k][5];
    return 7;
}
const TSV_Profil_Services rolled{Rolled_Family, Rolled_Values, Build};

}  // namespace

// The shear areas the description keeps behind its plates (payload 16: the
// web's, 17: the part of it in the flanges, 18: the flanges' together):
//  - I: 100 - 2 20 1.5 + (1 + 2 1.8) 1.5 = 46.9 (above 1.2 28.5 1 = 34.2),
//    its reduction kept on the web;
//  - U: 58.8 - 2 10 1.6 + (1 + 1.6) 1.6 = 30.96, the web plate (30 - 3.2) 1
//    = 26.8: 4.16 in the flanges;
//  - tee: 26.91 - 16.05 + (0.71 + 3) 1.07/2 = 12.845, the stem plate
//    13.93 0.71 = 9.890: 2.955 in the flange;
//  - hollow rectangle (the alternative description): 44.75 20/30 = 29.833
//    along the depth, the webs 2 0.8 (20 - 1.6) = 29.44, and 44.75 10/30 =
//    14.917 for the flanges;
//  - angle 100 x 100 x 10: each leg 19.2 10/20 = 9.6, the vertical leg's
//    plate (10 - 1) 1 = 9.
TEST(TsvProfil, ShearAreasOfRolledFamilies) {
    const TSV_Profil_Services* old = Set_TSV_Profil_Services(&rolled);
    const Profil_Model_Descriptor catalogue{0, 5, 0, 7, 0, 0, 0};
    struct Row {
        const char* name;
        int options;
        double web, in_flanges, flanges;
    } const rows[] = {
        {"    I315", 0, 46.9, 0, 0},
        {"    U300", 0, 30.96, 30.96 - 26.8, 0},
        {"    T150", 0, 26.91 - 16.05 + 3.71 * 1.07 / 2, 26.91 - 16.05 + 3.71 * 1.07 / 2 - 13.93 * 0.71, 0},
        {"    R200", TSV_OPT_ALTERNATIVE, 44.75 * 20 / 30, 44.75 * 20 / 30 - 2 * 0.8 * 18.4, 44.75 * 10 / 30},
        {"    L100", 0, 9.6, 0.6, 9.6},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(r.name);
        Section_Work_Record w{};
        ASSERT_EQ(Setup_TSV_Profil(1, &catalogue, &w.head, r.name, r.options), 3);
        EXPECT_NEAR(w.payload[16], r.web, 1e-5 * r.web);
        EXPECT_NEAR(w.payload[17], r.in_flanges, 1e-4);
        EXPECT_NEAR(w.payload[18], r.flanges, 1e-4);
    }
    Set_TSV_Profil_Services(old);
}

// Typed-in shapes (cm): a welded tee 15 x 15 x 1 x 1.5 its stem to half the
// flange's depth, 1 (15 - 0.75) = 14.25, 0.75 of it in the flange; rolled
// with r 1.5, as the rolled rules count the fillets: tee 13.5 + 2 (1 -
// pi/4) 1.5^2 + (1 + 3) 1.5/2 = 17.466; I 30 x 15 x 0.71 x 1.07 (r 1.5)
// 27.86 0.71 + 4 (1 - pi/4) 2.25 + (0.71 + 3) 1.07 = 25.682 (above 1.2 h_w
// t_w = 23.74); channel 30 x 10 x 1 x 1.6 (r 1.6) 26.8 + 2 (1 - pi/4) 2.56
// + 2.6 1.6 = 32.059, welded its web plate 26.8. The Z (D2 each flange's
// width from the web's far face, 8.5, and the catalogue's 15 from tip to
// tip with the web 2 and flanges 4): flanges 8.5 wide with their centres
// (8.5 - 2)/2 = 3.25 beside the web's, the web 15 - 8 = 7 between them.
TEST(TsvProfil, ShearAreasOfTypedShapesAndTheZsPlates) {
    const TSV_Profil_Services* old = Set_TSV_Profil_Services(&rolled);
    const double fillet = 1 - M_PI / 4;
    struct Row {
        int family;
        float dims[4], corners[3];
        double web, in_flanges, y_o, b_o;
    } const rows[] = {
        {2, {15, 15, 1, 1.5f}, {0, 0, 1}, 14.25, 0.75, 0, 15},
        {2, {15, 15, 1, 1.5f}, {1.5f, 1.5f, 2}, 13.5 + 2 * fillet * 2.25 + 3, 2 * fillet * 2.25 + 3, 0, 15},
        {1, {30, 15, 0.71f, 1.07f}, {1.5f, 1.5f, 2}, 27.86 * 0.71 + 4 * fillet * 2.25 + 3.71 * 1.07, 0, 0, 15},
        {3, {30, 10, 1, 1.6f}, {1.6f, 1.6f, 2}, 26.8 + 2 * fillet * 2.56 + 2.6 * 1.6, 2 * fillet * 2.56 + 2.6 * 1.6, 0, 10},
        {3, {30, 10, 1, 1.6f}, {0, 0, 1}, 26.8, 0, 0, 10},
        {6, {15, 8.5f, 2, 4}, {0, 0, 1}, 14, 0, 3.25, 8.5},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(r.family * 10 + r.corners[2]);
        Section_Work_Record w{};
        std::memcpy(w.head.dims, r.dims, sizeof r.dims);
        std::memcpy(w.head.corners, r.corners, sizeof r.corners);
        const Profil_Model_Descriptor typed{0, 5, 0, 0, 0, r.family, 0};
        ASSERT_EQ(Setup_TSV_Profil(1, &typed, &w.head, " ", 0), 3);
        // no shear area of its own: the web plate's
        const double A_v = w.payload[16] > 0 ? w.payload[16] : w.payload[10] * w.payload[11];
        EXPECT_NEAR(A_v, r.web, 1e-5 * r.web);
        EXPECT_NEAR(w.payload[17], r.in_flanges, 1e-5);
        EXPECT_NEAR(w.payload[2], r.y_o, 1e-6);
        EXPECT_NEAR(w.payload[8], r.b_o, 1e-6);
    }
    const Profil_Model_Descriptor catalogue{0, 5, 0, 7, 0, 0, 0};
    Section_Work_Record w{};
    ASSERT_EQ(Setup_TSV_Profil(1, &catalogue, &w.head, "    Z150", 0), 3);
    EXPECT_NEAR(w.payload[2], 3.25, 1e-6);
    EXPECT_NEAR(w.payload[8], 8.5, 1e-6);
    Set_TSV_Profil_Services(old);
}
