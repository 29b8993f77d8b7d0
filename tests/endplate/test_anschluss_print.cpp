// The print-out of a welded end-plate connection: the data block line by
// line, the whole print list of one connection against its golden file
// (every line checked by hand, see tests/data/endplate/README.md) and its
// rendered first page, the failure paths, and the steel grade lists.
#include <cairo.h>
#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "base/cp850.h"
#include "base/filenames.h"
#include "base/stored_text.h"
#include "endplate/anschluss_print.h"
#include "endplate/endplate_services.h"
#include "weldcheck/din_check.h"
#include "platform/oli_view.h"
#include "platform/screen.h"
#include "platform/sheets.h"
#include "support/testutil.h"

namespace {

std::string Data_Block(GeschweissterAnschluss& r) {
    FILE* f = std::tmpfile();
    Print_Anschlussdaten(f, &r);
    std::string s = testutil::Stream_Text(f);
    std::fclose(f);
    return s;
}

GeschweissterAnschluss Record(int family) {
    GeschweissterAnschluss r;
    Init_Geschweisster_Anschluss(&r);
    r.family = family;
    r.weld_kind = 1;
    return r;
}

TEST(Anschlussdaten, LinesOfTheDataBlock) {
    // A flat bar 100 x 10 with welds by position, end craters, N -100 kN
    // (no contact share without a weld all round).
    GeschweissterAnschluss flat = Record(ANSCHLUSS_FLAT);
    flat.h = 100, flat.t = 10, flat.t_p = 20;
    flat.load[ANSCHLUSS_N] = -100, flat.load[ANSCHLUSS_CONTACT] = 50, flat.load[ANSCHLUSS_M_X] = 3;
    flat.end_crater = 1;
    for (int p = 0; p < 4; p++) flat.a_pos[p] = 4 + p, flat.l_pos[p] = 100 + p;
    EXPECT_EQ(Data_Block(flat),
              "   ╬bProfil ╬r Flachstahl 100.0 x 10.0\n\n"
              "   ╬bStirnplatte/Anschlussfläche: \n     t╬\\p╬r = 20.0 mm\n"
              " ╬b  Schnittgrößen\n"
              "     N = -100.00 kN \n"
              "     V╬\\z,d╬r =   0.00 kN   V╬\\y,d╬r =   0.00 kN\n"
              "     M╬\\z,d╬r =   0.00 kNm  M╬\\y,d╬r =   0.00 kNm\n"
              "     M╬\\x,d╬r =   0.00 kNm\n"
              " ╬b  Schweißnahtabmessungen (Endkrater vorhanden)\n"
              "     a╬\\w1╬r =  4.0 mm     a╬\\w2╬r =  5.0 mm     a╬\\w3╬r =  6.0 mm\n"
              "     a╬\\w4╬r =  7.0 mm\n"
              "     l╬\\w1╬r = 100.0 mm    l╬\\w2╬r = 101.0 mm    l╬\\w3╬r = 102.0 mm\n"
              "     l╬\\w4╬r = 103.0 mm\n"_cp);
    // All round: the contact force (-50 kN) and, for a flat bar, M_x; only
    // the all-round throat.
    flat.weld_kind = 2, flat.a_w = 5;
    flat.end_crater = 2;
    EXPECT_EQ(Data_Block(flat),
              "   ╬bProfil ╬r Flachstahl 100.0 x 10.0\n\n"
              "   ╬bStirnplatte/Anschlussfläche: \n     t╬\\p╬r = 20.0 mm\n"
              " ╬b  Schnittgrößen\n"
              "     N = -100.00 kN (Kontaktabtrag -50.0 kN) \n"
              "     V╬\\z,d╬r =   0.00 kN   V╬\\y,d╬r =   0.00 kN\n"
              "     M╬\\z,d╬r =   0.00 kNm  M╬\\y,d╬r =   0.00 kNm\n"
              "     M╬\\x,d╬r =   3.00 kNm\n"
              " ╬b  Schweißnahtabmessungen (keine Endkrater vorhanden)\n"
              "     umlaufende Kehlnaht mit a╬\\w╬r =   5.0 mm\n"_cp);
    // A tube (catalogue name): the resultant shear and moment, M_x whatever
    // the weld kind, the all-round throat and length: V = (3² + 4²)^1/2.
    GeschweissterAnschluss tube = Record(ANSCHLUSS_CHS);
    tube.catalogue = 1;
    std::snprintf(tube.profile_name, sizeof tube.profile_name, "%s", "R88.9X5.0");
    tube.load[ANSCHLUSS_V_Z] = 3, tube.load[ANSCHLUSS_V_Y] = 4, tube.load[ANSCHLUSS_M_Z] = 6;
    tube.load[ANSCHLUSS_M_Y] = 8, tube.load[ANSCHLUSS_M_X] = 1.5, tube.a_w = 4, tube.l_w = 279.3;
    tube.load[ANSCHLUSS_N] = 100;
    EXPECT_EQ(Data_Block(tube),
              "   ╬bProfil ╬r R88.9X5.0 \n"
              "   ╬bStirnplatte/Anschlussfläche: \n     t╬\\p╬r =  0.0 mm\n"
              " ╬b  Schnittgrößen\n"
              "     N = 100.00 kN \n"
              "     V╬\\z,d╬r =   3.00 kN   V╬\\y,d╬r =   4.00 kN   V╬\\,d╬r =   5.00 kN \n"
              "     M╬\\z,d╬r =   6.00 kNm  M╬\\y,d╬r =   8.00 kNm  M╬\\,d╬r =  10.00 kNm\n"
              "     M╬\\x,d╬r =   1.50 kNm\n"
              " ╬b  Schweißnahtabmessungen (keine Endkrater vorhanden)\n"
              "     umlaufende Kehlnaht mit a╬\\w╬r =   4.0 mm\n"
              "     l╬\\w╬r = 279.3 mm\n"_cp);
    // An I section by dimensions: M_x always 0.00; its eight welds 3, 3, 2
    // to a line; a value that is no number is written as 0.
    GeschweissterAnschluss i = Record(ANSCHLUSS_I);
    i.load[ANSCHLUSS_M_X] = 9, i.weld_kind = 2, i.a_w = 6;
    EXPECT_NE(Data_Block(i).find("   ╬bProfil ╬rBlechträger \n   ╬b"_cp), std::string::npos);
    EXPECT_NE(Data_Block(i).find("M╬\\x,d╬r =   0.00 kNm\n"_cp), std::string::npos);
    i.weld_kind = 1;
    for (int p = 0; p < 8; p++) i.a_pos[p] = 5, i.l_pos[p] = 90;
    i.l_pos[7] = NAN;
    const std::string block = Data_Block(i);
    EXPECT_NE(block.find("     a╬\\w7╬r =  5.0 mm     a╬\\w8╬r =  5.0 mm\n     l╬\\w1╬r ="_cp), std::string::npos);
    EXPECT_NE(block.find("     l╬\\w7╬r =  90.0 mm    l╬\\w8╬r =   0.0 mm\n"_cp), std::string::npos) << block;
    EXPECT_EQ(block.find("nan"), std::string::npos);
    // A family outside 0..7: no profile line, no weld sizes.
    GeschweissterAnschluss other = Record(9);
    EXPECT_EQ(Data_Block(other).substr(0, 12), "   ╬bStirnpl"_cp);
}

TEST(Anschlussdaten, SteelGradeLists) {
    EXPECT_EQ(Steel_Grade_By_Index(9), 5);
    EXPECT_EQ(Steel_Grade_By_Index(-1), 5);
    EXPECT_EQ(Steel_Grade_By_Index(2), 7);
    EXPECT_EQ(Return_One() + Return_One() + Return_One() + Return_One(), 4);
    Define_Prop_Sheet(0, 0, 400, 400, 1, 1, "Liste", 10, 1);
    const int list = Add_Stringlist_to_PS(10, 10, 1, 1, 17, 10, 10, nullptr);
    EXPECT_EQ(Fill_Steel_Grade_List(list, 14), 0);
    EXPECT_STREQ(VEK_Stringlist_Row(list, 0), "S235 (St37)");
    EXPECT_STREQ(VEK_Stringlist_Row(list, 8), "S460 M/ML");
    EXPECT_EQ(VEK_Stringlist_Row(list, 9), nullptr);
    EXPECT_EQ(Fill_Steel_Grade_List(list, 13), 8);
}

// The program's services as the tests give them: a section evaluation that
// succeeds and a profile block of one known line.
int g_calc_result = 0;
int Calc(GeschweissterAnschluss*) { return g_calc_result; }
void Profile_Block(FILE* f, GeschweissterAnschluss*, int level, int options) {
    std::fprintf(f, " Stahlprofil (Prüfblock der Stufe %d, Optionen %d)\n"_cp, level, options);
}

class PrintOut : public ::testing::Test {
protected:
    void SetUp() override {
        Set_File_Base((dir_.str() + "/ST01").c_str());
        std::snprintf(Print_List_Suffix, sizeof Print_List_Suffix, "%s", "_01.OLI");
        std::snprintf(Position_Code, sizeof Position_Code, "%s", "12");
        std::snprintf(Position_Text, sizeof Position_Text, "%s", "Stütze an Riegel"_cp);
        data_ = std::make_unique<testutil::ScopedEnv>("DATA", std::filesystem::path(WELD_PROFIL_FILE).parent_path().string());
        exec_ = std::make_unique<testutil::ScopedEnv>("EXEC", std::nullopt);
        g_calc_result = 0;
    }
    void TearDown() override { Set_File_Base(""); }
    // An HE300A on a 20 mm end plate, S235 profile and welds, DIN 18800,
    // welds at all eight positions, the scaled drawing appended.
    static GeschweissterAnschluss Connection() {
        GeschweissterAnschluss r;
        Init_Geschweisster_Anschluss(&r);
        std::snprintf(r.profile_name, sizeof r.profile_name, "%s", "HE300A");
        std::snprintf(r.drawing_name, sizeof r.drawing_name, "%s", "HE300A");
        r.h = 290, r.b = 300, r.t = 14, r.s = 8.5, r.r = 27;
        r.family = ANSCHLUSS_I, r.catalogue = 1, r.weld_kind = 1, r.end_crater = 1;
        r.grades.design_code = 0, r.grades.grade = 5, r.grades.weld_grade = 5;
        const double load[8] = {1.1, -250, 120, 0, 0, 85, 0, 0};
        for (int i = 0; i < 8; i++) r.load[i] = load[i];
        r.t_p = 20, r.alpha_w = 0.95, r.f_y_profile = 240, r.f_y_weld = 240;
        const double l[8] = {300, 118, 118, 208, 208, 118, 118, 300}, a[8] = {6, 5, 5, 4, 4, 5, 5, 6};
        for (int p = 0; p < 8; p++) r.l_pos[p] = l[p], r.a_pos[p] = a[p];
        r.drawing_switch = 1;
        return r;
    }
    std::string List() { return testutil::Read_File(dir_.str() + "/ST01_01.OLI"); }
    testutil::TempDir dir_;
    std::unique_ptr<testutil::ScopedEnv> data_, exec_;
};

TEST_F(PrintOut, OneConnectionAsItsGoldenFile) {
    Endplate_Services s = {};
    s.calc_section = Calc;
    s.print_profile = Profile_Block;
    Set_Endplate_Services(&s);
    GeschweissterAnschluss r = Connection();
    ASSERT_EQ(Print_Stirnplattenanschluss(&r), 0);
    const std::string got = List();
    testutil::Write_File(testutil::Test_Dir() + "/stirnplatte_he300a.OLI", got);
    EXPECT_EQ(got, testutil::Read_File(testutil::Fixture("endplate/stirnplatte_he300a.OLI")));
    EXPECT_EQ(Anschluss_Exceeded_Checks, 0);
    EXPECT_EQ(Anschluss_Plot_File, nullptr);
    EXPECT_EQ(r.h2, 290.0);  // the drawing's copy
    // Its first page as checked in.
    FILE* f = std::fopen(testutil::Fixture("endplate/stirnplatte_he300a.OLI").c_str(), "rb");
    ASSERT_NE(f, nullptr);
    OliDocument doc;
    OLI_Read_Document(f, &doc);
    std::fclose(f);
    EXPECT_EQ(doc.damaged, 0);
    // No text of the pages overprints another: the data block beside the
    // sketch is longer than the sketch is high and ends above the material
    // lines that reach into its column.
    std::vector<OliTextBox> boxes;
    ASSERT_GE(OLI_Render_Text_Boxes(doc, &boxes), 1);
    for (size_t i = 0; i < boxes.size(); i++)
        for (size_t j = i + 1; j < boxes.size(); j++) {
            const OliTextBox &p = boxes[i], &q = boxes[j];
            EXPECT_FALSE(p.page == q.page && p.x < q.x + q.w && q.x < p.x + p.w && p.y < q.y + q.h && q.y < p.y + p.h)
                << "\"" << p.text << "\" overprints \"" << q.text << "\"";
        }
    const std::string png = testutil::Test_Dir() + "/stirnplatte_he300a.png";
    ASSERT_EQ(OLI_Render_PNG(doc, 1, 100, png.c_str()), 1);
    cairo_surface_t* a = cairo_image_surface_create_from_png(png.c_str());
    cairo_surface_t* b = cairo_image_surface_create_from_png(testutil::Fixture("endplate/stirnplatte_he300a.png").c_str());
    ASSERT_EQ(cairo_surface_status(b), CAIRO_STATUS_SUCCESS);
    ASSERT_EQ(cairo_image_surface_get_height(a), cairo_image_surface_get_height(b));
    long differ = 0;
    const int stride = cairo_image_surface_get_stride(a), h = cairo_image_surface_get_height(a);
    for (int i = 0; i < stride * h; i++)
        differ += std::abs(cairo_image_surface_get_data(a)[i] - cairo_image_surface_get_data(b)[i]) > 64;
    cairo_surface_destroy(a);
    cairo_surface_destroy(b);
    EXPECT_LT(differ, 600);
}

TEST_F(PrintOut, FailuresSayThatTheProofCannotBeMade) {
    // No section evaluation installed: the failure text, no drawing.
    Set_Endplate_Services(nullptr);
    GeschweissterAnschluss r = Connection();
    ASSERT_EQ(Print_Stirnplattenanschluss_Status(&r), 0);
    std::string list = List();
    EXPECT_NE(list.find(" ╬bDer Nachweis kann nicht geführt werden ==>╬r\n"_cp), std::string::npos);
    EXPECT_EQ(list.find("Kehlnahtanschluss"), std::string::npos);
    // Unusable dimensions: the library's text among the error lines.
    Endplate_Services s = {};
    s.calc_section = Calc;
    Set_Endplate_Services(&s);
    r.b = -300;
    Print_Stirnplattenanschluss(&r);
    list = List();
    EXPECT_NE(list.find(" die geometrischen Angaben sind unzulässig.\n"_cp), std::string::npos) << list;
    EXPECT_EQ(list.find("nan"), std::string::npos);
    // A partial factor outside 0.5 .. 3 is refused by name, under either
    // code (the section evaluation divides by it), and never printed whole.
    for (double gamma : {1e300, 1e-300}) {
        r = Connection();
        r.load[ANSCHLUSS_GAMMA_M] = gamma;
        Print_Stirnplattenanschluss(&r);
        list = List();
        char line[120];
        std::snprintf(line, sizeof line, " der Materialsicherheitsbeiwert gamma_M = %s liegt nicht zwischen 0.5 und 3.\n",
                      gamma > 1 ? "1e+300" : "1e-300");
        EXPECT_NE(list.find(line), std::string::npos) << list;
        EXPECT_NE(list.find("Der Nachweis kann nicht geführt werden"_cp), std::string::npos);
        EXPECT_EQ(list.find("000000000"), std::string::npos);
    }
    // EC 3 with the annex chapter: the code text with the annex's name, no
    // weld material line; the drawing switch off ends with the checks table.
    r = Connection();
    r.grades.design_code = 1, r.drawing_switch = 0;
    Print_Stirnplattenanschluss(&r);
    list = List();
    EXPECT_NE(list.find(", NA: "), std::string::npos);
    EXPECT_EQ(list.find("Schweißnähte:"_cp), std::string::npos);
    EXPECT_EQ(list.substr(list.size() - 13), "#END_OF_TEXT\n");
    // A print list that cannot be opened: 1, or 0 for the status form.
    Set_File_Base((dir_.str() + "/missing/ST01").c_str());
    EXPECT_EQ(Print_Stirnplattenanschluss(&r), 1);
    EXPECT_EQ(Print_Stirnplattenanschluss_Status(&r), 0);
}

// The services as the program's main installs them: the DIN check of the
// welded connection evaluates and prints the block "Stahlprofil". A flat
// bar 100 x 10 (S235) welded all round with a = 4 mm to a 20 mm plate
// (S235), end craters deducted, N = 100 kN, V_z = 20 kN, gamma_M 1.1.
// DIN 18800-1: f_y,k = 240 (t <= 40 mm), sigma_R,d = 218.18, tau_R,d =
// 125.97, alpha_w = 0.95, sigma_w,R,d = 0.95·240/1.1 = 207.27 N/mm².
// Welds: sides 100 - 8 = 92 mm (they take V_z) and 10 - 8 = 2 mm:
// A_w = 0.4 (2·9.2 + 2·0.2) = 7.52 cm², A_w,z = 0.4·2·9.2 = 7.36 cm²;
// sigma_perp = 100/7.52 = 13.298 kN/cm², tau_par = 20/7.36 = 2.7174 kN/cm²,
// sigma_w,v = (13.298² + 2.7174²)^1/2 = 13.573 kN/cm²: U = 0.6548.
// Profile: sigma = 100/10 = 10 kN/cm², tau = 1.5·20/10 = 3 kN/cm² at mid
// height, sigma_v = (10² + 3·3²)^1/2 = 11.269 kN/cm²: U_v = 0.5165.
TEST_F(PrintOut, InstalledDinCheckOfAFlatBar) {
    ASSERT_EQ(Get_Endplate_Services()->calc_section, &Calc_Anschluss_Querschnitt);
    ASSERT_EQ(Get_Endplate_Services()->print_profile, &Print_Stahlprofil);
    GeschweissterAnschluss r;
    Init_Geschweisster_Anschluss(&r);
    r.family = ANSCHLUSS_FLAT, r.weld_kind = 2, r.end_crater = 1;
    r.h = 100, r.b = 10, r.t = 10, r.t_p = 20, r.a_w = 4;
    r.grades.design_code = 0, r.grades.grade = 5, r.grades.weld_grade = 5;
    r.load[ANSCHLUSS_GAMMA_M] = 1.1, r.load[ANSCHLUSS_N] = 100, r.load[ANSCHLUSS_V_Z] = 20;
    ASSERT_EQ(Print_Stirnplattenanschluss(&r), 0);
    EXPECT_NEAR(r.weld_values.A_w, 7.52, 1e-9);
    EXPECT_NEAR(r.U_w[0], 132.979 / 207.273, 1e-4);
    EXPECT_NEAR(r.U_w[1], 27.174 / 207.273, 1e-4);
    EXPECT_NEAR(r.U_w[2], 135.727 / 207.273, 1e-4);
    EXPECT_NEAR(r.U_v, 112.694 / 218.182, 1e-4);
    const std::string list = List();
    EXPECT_NE(list.find(" ╬b╬uStahlprofil\n"_cp), std::string::npos) << list;
    EXPECT_NE(list.find("\xCC\xCE\\w,v\xCEr/\xCC\xCE\\w,R,d\xCEr =  0.65  <  1\xCEr\n"), std::string::npos);
    EXPECT_NE(list.find("\xCC\xCE\\v\xCEr/\xCC\xCE\\R,d\xCEr =  0.52  <  1\xCEr\n"), std::string::npos);
    EXPECT_NE(list.find(" ╬bAlle erforderlichen Spannungsnachweise wurden erfolgreich geführt!╬r\n"_cp),
              std::string::npos);
    EXPECT_EQ(list.find("Der Nachweis kann nicht"), std::string::npos);
    EXPECT_EQ(Anschluss_Exceeded_Checks, 0);
}

// An I section with welds by position: the evaluation works out its weld
// lines from the record (no drawing runs before it). The HE300A of the
// golden file, effective lengths l - 2a: A_w = 2·0.6·28.8 + 4·0.5·10.8 +
// 2·0.4·20.0 = 72.16 cm²; the web welds (4, 5) take V_z: A_w,z = 16.0 cm²,
// the flange welds V_y: A_w,y = 56.16 cm²; tau_par = 120/16 = 7.5 kN/cm²,
// U = 75/207.27 (S235 both parts, alpha_w 0.95, gamma_M 1.1).
TEST_F(PrintOut, InstalledDinCheckFindsItsWeldLines) {
    GeschweissterAnschluss r = Connection();
    r.drawing_switch = 0;
    ASSERT_EQ(Print_Stirnplattenanschluss(&r), 0);
    EXPECT_NEAR(r.weld_values.A_w, 72.16, 1e-9);
    EXPECT_NEAR(r.A_w_z, 16.0, 1e-9);
    EXPECT_NEAR(r.A_w_y, 56.16, 1e-9);
    EXPECT_NEAR(r.U_w[1], 75.0 / (0.95 * 240 / 1.1), 1e-9);
    const std::string list = List();
    EXPECT_NE(list.find(" ╬b╬uStahlprofil\n"_cp), std::string::npos) << list;
    EXPECT_EQ(list.find("Der Nachweis kann nicht"), std::string::npos);
}

}  // namespace
