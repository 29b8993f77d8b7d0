// Material parameters: the refresh of every kind for a thickness with its
// failed checks, the national beta_w rule, the steel choice list resolving
// to its own catalogue rows, the input-file block of every version, the
// print texts byte for byte, the grade maps and the plate resistances.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <cstring>
#include <set>
#include <string>

#include "annex_fixture.h"
#include "codes/material.h"
#include "codes/nad.h"
#include "platform/msgbox.h"
#include "printlist/list_capture.h"

namespace test_material {
namespace {

const std::string kNotOk = "\xCE{C 1 230 0 0}\xCEHnicht ok !!\xCE{C 768}";
const std::string kHead = "\n#SHOWPARA\n0x0\n4\n-1\n";
// The change group that raises the indent by 0.3 inside the paragraph.
const std::string kIndent = "#END_OF_TEXT\n0x4\n0x20\n4\n2 0.3 2 0\n-1\n";
const std::string kEnd = "#END_OF_TEXT\n0x0\n-1\n";

// On a data tree with the two shipped annexes.
class Material : public testutil::AnnexTest {
protected:
    static Materialparameter_Record Table(int kind, int grade) {
        Materialparameter_Record m;
        Clear_Material_Params(&m);
        m.kind = kind;
        m.grade = grade;
        return m;
    }
    static std::string Print(void (*print)(const Materialparameter_Record*, FILE*, int, int, const char*),
                             const Materialparameter_Record& m, int flags, int with_values, const char* sub) {
        ListCapture list;
        print(&m, list.f(), flags, with_values, sub);
        OLI_End_Text(list.f());
        return list.Take();
    }
};

TEST_F(Material, ClearAndDefault) {
    Materialparameter_Record m;
    std::memset(&m, 0x55, sizeof m);
    Clear_Material_Params(&m);
    EXPECT_EQ(std::string(m.name), std::string(25, ' '));
    EXPECT_EQ(m.grade, 0);
    EXPECT_EQ(m.kind, 0);
    EXPECT_EQ(m.own_values, 0);
    EXPECT_EQ(m.f_y1, 0.0);
    EXPECT_DOUBLE_EQ(m.E, 210000.0);
    EXPECT_DOUBLE_EQ(m.G, 80769.23076923077);
    EXPECT_DOUBLE_EQ(m.nu, 0.3);
    EXPECT_DOUBLE_EQ(m.alpha_T, 1.2);
    EXPECT_DOUBLE_EQ(m.beta_w, 0.8);

    Default_Material_Params(&m);
    EXPECT_DOUBLE_EQ(m.f_y1, 235.0);
    EXPECT_DOUBLE_EQ(m.f_u1, 360.0);
    EXPECT_DOUBLE_EQ(m.f_y2, 215.0);
    EXPECT_DOUBLE_EQ(m.f_y3, 215.0);
    EXPECT_DOUBLE_EQ(m.f_u3, 360.0);
    EXPECT_DOUBLE_EQ(m.f_y, 235.0);
    EXPECT_DOUBLE_EQ(m.f_u, 360.0);
    Clear_Material_Params(nullptr);
    Default_Material_Params(nullptr);
}

TEST_F(Material, CopyAndInitForThickness) {
    Materialparameter_Record s = Table(0, 2);
    std::memcpy(s.name, "Stahlteil mit Namen 25 Zc", 26);
    Check_Material_Params(&s, 10.0, nullptr, 0, nullptr);
    Materialparameter_Record t;
    Copy_Material_Params(&s, &t);
    EXPECT_EQ(std::memcmp(&s, &t, sizeof s), 0);
    Copy_Material_Params(nullptr, &t);
    EXPECT_EQ(t.f_y1, 0.0);
    EXPECT_DOUBLE_EQ(t.E, 210000.0);

    Init_Material_Params_For_Thickness(&s, &t, 40.0009);
    EXPECT_DOUBLE_EQ(t.f_y, 355.0);
    Init_Material_Params_For_Thickness(&s, &t, 40.001);
    EXPECT_DOUBLE_EQ(t.f_y, 335.0);
    EXPECT_DOUBLE_EQ(t.f_u, 470.0);
    Init_Material_Params_For_Thickness(&s, &t, 80.0009);
    EXPECT_DOUBLE_EQ(t.f_y, 335.0);
    s.own_values = 1;
    s.f_y3 = 300.0;
    s.f_u3 = 440.0;
    Init_Material_Params_For_Thickness(&s, &t, 80.001);
    EXPECT_DOUBLE_EQ(t.f_y, 300.0);
    EXPECT_DOUBLE_EQ(t.f_u, 440.0);
}

TEST_F(Material, WeldTableByThickness) {
    Materialparameter_Record m = Table(0, 2);
    EXPECT_EQ(Check_Material_Params(&m, 40.0, nullptr, 1, nullptr), 0);
    EXPECT_DOUBLE_EQ(m.f_y, 355.0);
    EXPECT_DOUBLE_EQ(m.f_u, 490.0);
    EXPECT_DOUBLE_EQ(m.beta_w, 0.9);
    EXPECT_EQ(m.effective_grade, 2);
    EXPECT_EQ(Check_Material_Params(&m, 40.001, nullptr, 1, nullptr), 0);
    EXPECT_DOUBLE_EQ(m.f_y, 335.0);
    EXPECT_DOUBLE_EQ(m.f_u, 470.0);
    EXPECT_DOUBLE_EQ(m.f_y1, 355.0);
    EXPECT_DOUBLE_EQ(m.f_y3, 335.0);
    EXPECT_DOUBLE_EQ(m.G, 80769.23076923077);
    // Up to 80.1 mm the thickness counts as 80 mm, silently.
    EXPECT_EQ(Check_Material_Params(&m, 80.1, nullptr, 1, nullptr), 0);
    EXPECT_TRUE(VEK_Recorded_Messages().empty());

    // A negative grade is corrected to S235 and reported by the result.
    m.grade = -3;
    EXPECT_EQ(Check_Material_Params(&m, 10.0, nullptr, 0, nullptr), 1);
    EXPECT_EQ(m.grade, 0);
    EXPECT_DOUBLE_EQ(m.f_y, 235.0);
    EXPECT_EQ(Check_Material_Params(nullptr, 10.0, nullptr, 0, nullptr), 0);
}

TEST_F(Material, ThickerThan80WithoutOwnValuesIsAFailedCheck) {
    Materialparameter_Record m = Table(0, 2);
    ListCapture list;
    EXPECT_EQ(Check_Material_Params(&m, 85.0, list.f(), 1, "Profil: "), 1);
    EXPECT_DOUBLE_EQ(m.f_y, 335.0);
    EXPECT_DOUBLE_EQ(m.f_u, 470.0);
    const std::string text = "Profil: Stahldicke t = 85.0 mm > 80 mm: Materialparameter \x81" "berpr\x81" "fen (ggf. vorgeben)";
    EXPECT_EQ(list.Take(), kHead + " " + text + "  " + kNotOk + "\n");
    ASSERT_EQ(VEK_Recorded_Messages().size(), 1u);
    EXPECT_EQ(VEK_Recorded_Messages()[0].lines[0], text);

    // Batch runs see it without a message.
    VEK_Clear_Recorded_Messages();
    EXPECT_EQ(Check_Material_Params(&m, 120.0, nullptr, 0, nullptr), 1);
    EXPECT_TRUE(VEK_Recorded_Messages().empty());

    // Own values cover that range: no report, range 3 is taken.
    m.own_values = 1;
    m.f_y3 = 315.0;
    m.f_u3 = 450.0;
    EXPECT_EQ(Check_Material_Params(&m, 120.0, nullptr, 1, nullptr), 0);
    EXPECT_DOUBLE_EQ(m.f_y, 315.0);
    EXPECT_TRUE(VEK_Recorded_Messages().empty());
}

TEST_F(Material, HollowSectionGradesWithoutValuesAbove40mmFail) {
    Materialparameter_Record m = Table(0, 23);  // S355 MH/MLH
    EXPECT_EQ(Check_Material_Params(&m, 40.0, nullptr, 1, nullptr), 0);
    EXPECT_DOUBLE_EQ(m.f_y, 355.0);
    EXPECT_DOUBLE_EQ(m.f_u, 470.0);

    ListCapture list;
    FILE* f = list.f();
    EXPECT_EQ(Check_Material_Params(&m, 50.0, f, 1, nullptr), 1);
    EXPECT_EQ(m.f_y, 0.0);
    EXPECT_EQ(m.f_u, 0.0);
    const std::string text = "Stahlg\x81te S355 MH/MLH: keine Festigkeitswerte f\x81r t = 50.0 mm > 40 mm, "
                             "Materialparameter vorgeben";
    EXPECT_EQ(list.Take(), kHead + " " + text + "  " + kNotOk + "\n");
    ASSERT_EQ(VEK_Recorded_Messages().size(), 1u);
    EXPECT_EQ(VEK_Recorded_Messages()[0].lines[0], text);

    // All four such grades, silently in a batch run, from the cut-off on.
    VEK_Clear_Recorded_Messages();
    for (int grade : {22, 23, 24, 25}) {
        SCOPED_TRACE(grade);
        m = Table(0, grade);
        EXPECT_EQ(Check_Material_Params(&m, 40.0009, nullptr, 0, nullptr), 0);
        EXPECT_GT(m.f_y, 0.0);
        EXPECT_EQ(Check_Material_Params(&m, 40.001, nullptr, 0, nullptr), 1);
        EXPECT_EQ(m.f_u, 0.0);
    }
    // The grades with values above 40 mm are never reported.
    for (int grade = 0; grade < 22; ++grade) {
        m = Table(0, grade);
        EXPECT_EQ(Check_Material_Params(&m, 60.0, nullptr, 0, nullptr), 0) << grade;
    }
    EXPECT_TRUE(VEK_Recorded_Messages().empty());
}

TEST_F(Material, NationalBetaWRule) {
    Materialparameter_Record m6 = Table(0, 6), m7 = Table(0, 7), m2 = Table(0, 2), m24 = Table(0, 24);
    Check_Material_Params(&m6, 10.0, nullptr, 0, nullptr);
    EXPECT_DOUBLE_EQ(m6.beta_w, 1.0);
    Use_Annex(1);
    for (Materialparameter_Record* m : {&m6, &m7, &m2, &m24}) Check_Material_Params(m, 10.0, nullptr, 0, nullptr);
    EXPECT_DOUBLE_EQ(m6.beta_w, 0.88);
    EXPECT_DOUBLE_EQ(m7.beta_w, 0.85);
    EXPECT_DOUBLE_EQ(m2.beta_w, 0.9);
    EXPECT_DOUBLE_EQ(m24.beta_w, 0.88);
}

TEST_F(Material, OwnSteelValues) {
    Materialparameter_Record m = Table(0, 2);
    m.own_values = 1;
    m.f_y1 = 300.0;
    m.f_u1 = 299.9995;
    EXPECT_EQ(Check_Material_Params(&m, 10.0, nullptr, 1, nullptr), 0);
    EXPECT_DOUBLE_EQ(m.f_u, 300.0);
    EXPECT_TRUE(VEK_Recorded_Messages().empty());

    m.f_u1 = 299.0;
    ListCapture list;
    EXPECT_EQ(Check_Material_Params(&m, 10.0, list.f(), 1, nullptr), 1);
    EXPECT_EQ(list.Take(), kHead + " Zugfestigkeit f\xCE\\u\xCEr = 299.0 N/mm\xFD < Streckgrenze f\xCE\\y\xCEr = 300.0 N/mm\xFD  " +
                                kNotOk + "\n");
    ASSERT_EQ(VEK_Recorded_Messages().size(), 1u);
    EXPECT_EQ(VEK_Recorded_Messages()[0].lines[0], "Zugfestigkeit fu = 299.0 N/mm\xFD < Streckgrenze fy = 300.0 N/mm\xFD");
    EXPECT_DOUBLE_EQ(m.f_u, 299.0);

    // Stainless steel always takes range 1.
    m.grade = 26;
    m.f_u1 = 520.0;
    m.f_y2 = 0.0;
    EXPECT_EQ(Check_Material_Params(&m, 60.0, nullptr, 0, nullptr), 0);
    EXPECT_DOUBLE_EQ(m.f_y, 300.0);

    m.grade = 2;
    m.E = 0.5;
    EXPECT_EQ(Check_Material_Params(&m, 60.0, nullptr, 0, nullptr), 1);  // f_y2 0 and E 0.5
    m.E = 210000.0;
    m.f_y2 = 280.0;
    m.f_u2 = 400.0;
    EXPECT_EQ(Check_Material_Params(&m, 60.0, nullptr, 0, nullptr), 0);
    EXPECT_DOUBLE_EQ(m.f_y, 280.0);
}

// Own values that the check refuses are refused before the rounding of a
// save decides: f_y = 0.0010002 N/mm² with f_u = 0 was refused on reading
// (f_y - 0.001 > f_u), saved as f_y = 0.001 and then taken with f_u := f_y.
// Now f_y < 1 N/mm² ends the check (f_u stays), and the comparison of f_u
// with f_y is made on the six decimals a save keeps: 2.0010004 against
// 2.0 is 2.001 against 2.000, within the 0.001 allowed, so f_u := f_y on
// both readings.
TEST_F(Material, OwnValuesAreCheckedAsTheSaveKeepsThem) {
    struct Case {
        const char* f_y;
        const char* f_u;
        int refused;
        double f_u_after;
    } cases[] = {{"0.0010002", "0", 1, 0.0}, {"2.0010004", "2.0", 0, 2.001}};
    for (const Case& c : cases) {
        const std::string block = std::string(" 2\n 0 1 0 0 0.8 210000 0.3 80769.23 1.2 ") + c.f_y + " " + c.f_u + " " +
                                  c.f_y + " " + c.f_u + " " + c.f_y + " " + c.f_u + "\n ~\n";
        Materialparameter_Record first, again;
        Clear_Material_Params(&first);
        FILE* f = testutil::Stream_With(block);
        ASSERT_EQ(Read_Material_Params(f, &first), 0);
        std::fclose(f);
        f = std::tmpfile();
        ASSERT_EQ(Write_Material_Params(f, &first), 0);
        std::rewind(f);
        Clear_Material_Params(&again);
        ASSERT_EQ(Read_Material_Params(f, &again), 0);
        std::fclose(f);
        for (Materialparameter_Record* m : {&first, &again}) {
            EXPECT_EQ(Check_Material_Params(m, 10.0, nullptr, 0, nullptr), c.refused) << c.f_y;
            EXPECT_NEAR(m->f_u, c.f_u_after, 1e-6) << c.f_y;
        }
    }
}

TEST_F(Material, OwnAluminiumValues) {
    Materialparameter_Record m = Table(2, 44);
    m.own_values = 1;
    m.E = 70000.0;
    m.f_y1 = 250.0;
    m.f_u1 = 249.5;
    EXPECT_EQ(Check_Material_Params(&m, 10.0, nullptr, 0, nullptr), 0);
    EXPECT_DOUBLE_EQ(m.f_u, 250.0);
    m.f_u1 = 248.0;
    ListCapture list;
    EXPECT_EQ(Check_Material_Params(&m, 10.0, list.f(), 0, nullptr), 1);
    EXPECT_EQ(list.Take(), kHead + " Zugfestigkeit f\xCE\\u\xCEr = 248.0 N/mm\xFD < f\xCE\\o\xCEr = 250 N/mm\xFD  " + kNotOk + "\n");
    m.f_y1 = 0.5;
    EXPECT_EQ(Check_Material_Params(&m, 10.0, nullptr, 1, "A: "), 1);
    ASSERT_EQ(VEK_Recorded_Messages().size(), 1u);
    EXPECT_EQ(VEK_Recorded_Messages()[0].lines[0], "A: 0,2%-Dehngrenze fo = 0.5 N/mm\xFD < 1 N/mm\xFD");
}

TEST_F(Material, AluminiumFromTheCatalogue) {
    Materialparameter_Record m = Table(2, 44);
    EXPECT_EQ(Check_Material_Params(&m, 150.0, nullptr, 1, nullptr), 0);
    EXPECT_DOUBLE_EQ(m.f_y, 240.0);
    EXPECT_DOUBLE_EQ(m.f_u, 295.0);
    EXPECT_DOUBLE_EQ(m.f_y3, 240.0);
    EXPECT_DOUBLE_EQ(m.beta_w, 0.0);
    EXPECT_DOUBLE_EQ(m.E, 70000.0);
    EXPECT_DOUBLE_EQ(m.G, 26923.076923076922);
    EXPECT_DOUBLE_EQ(m.alpha_T, 2.3);
    EXPECT_TRUE(VEK_Recorded_Messages().empty());
}

TEST_F(Material, SteelChoiceEntriesResolveToTheirOwnRows) {
    // Entry 6 is "S460 N/NL", entry 10 "S460 M/ML": their own rows, not the
    // S420 grades that share the weld table's indices.
    Materialparameter_Record m = Table(1, 6);
    EXPECT_EQ(Check_Material_Params(&m, 10.0, nullptr, 0, nullptr), 0);
    EXPECT_DOUBLE_EQ(m.f_y, 460.0);
    EXPECT_DOUBLE_EQ(m.f_u, 550.0);
    EXPECT_DOUBLE_EQ(m.f_y2, 430.0);
    EXPECT_DOUBLE_EQ(m.beta_w, 1.0);  // the fillet-weld factor, not alpha_w 0.6
    EXPECT_EQ(m.grade, 6);
    EXPECT_EQ(Check_Material_Params(&m, 50.0, nullptr, 0, nullptr), 0);
    EXPECT_DOUBLE_EQ(m.f_y, 430.0);

    m = Table(1, 10);
    Check_Material_Params(&m, 10.0, nullptr, 0, nullptr);
    EXPECT_DOUBLE_EQ(m.f_y, 460.0);
    EXPECT_DOUBLE_EQ(m.f_u, 530.0);

    // A separator stands for the entry above it.
    m = Table(1, 7);
    Check_Material_Params(&m, 10.0, nullptr, 0, nullptr);
    EXPECT_EQ(m.grade, 6);
    EXPECT_DOUBLE_EQ(m.f_u, 550.0);
    m = Table(1, 3);
    Check_Material_Params(&m, 10.0, nullptr, 0, nullptr);
    EXPECT_EQ(m.grade, 2);
    EXPECT_DOUBLE_EQ(m.f_y, 360.0);  // "S355 (St52)" of the DIN table
    EXPECT_DOUBLE_EQ(m.beta_w, 0.9);

    m = Table(1, 0);
    Check_Material_Params(&m, 85.0, nullptr, 0, nullptr);
    EXPECT_DOUBLE_EQ(m.f_y, 215.0);
    EXPECT_DOUBLE_EQ(m.f_y1, 240.0);
    EXPECT_DOUBLE_EQ(m.f_u3, 360.0);
    EXPECT_DOUBLE_EQ(m.beta_w, 0.8);  // not alpha_w 0.95

    Use_Annex(1);
    m = Table(1, 6);
    Check_Material_Params(&m, 10.0, nullptr, 0, nullptr);
    EXPECT_DOUBLE_EQ(m.beta_w, 0.85);

    EXPECT_EQ(Steel_Choice_To_Stahlguete_Code(6), 12);
    EXPECT_EQ(Steel_Choice_To_Stahlguete_Code(11), -1);
    EXPECT_STREQ(Steel_Choice_Name(6), "S460 N/NL");
}

// Every entry of the steel choice list against the DIN catalogue row it
// names (the list shows the DIN names) and the fillet-weld factor of the
// weld grade of the same steel: t = 10 takes f_y1, t = 50 f_y2 (DIN
// 18800-1 Table 1 for S235 and S355: 240 / 215 and 360 / 325 N/mm²), and a
// catalogue material above 80 mm is taken at 80 mm.
TEST_F(Material, EveryChoiceEntryTakesItsOwnCatalogueRow) {
    struct Entry {
        int entry, stored;  // stored: the entry a separator is lowered to
        const char* name;
        double f_y40, f_y80, f_u, beta_w, beta_w_national;
    };
    const Entry entries[] = {
        {0, 0, "S235 (St37)", 240, 215, 360, 0.8, 0.8},     {1, 1, "S275 (St44)", 275, 255, 410, 0.85, 0.85},
        {2, 2, "S355 (St52)", 360, 325, 490, 0.9, 0.9},     {3, 2, "S355 (St52)", 360, 325, 490, 0.9, 0.9},
        {4, 4, "S275 N/NL", 275, 255, 370, 0.85, 0.85},     {5, 5, "S355 N/NL", 360, 325, 470, 0.9, 0.9},
        {6, 6, "S460 N/NL", 460, 430, 550, 1.0, 0.85},      {7, 6, "S460 N/NL", 460, 430, 550, 1.0, 0.85},
        {8, 8, "S275 M/ML", 275, 255, 370, 0.85, 0.85},     {9, 9, "S355 M/ML", 360, 325, 450, 0.9, 0.9},
        {10, 10, "S460 M/ML", 460, 430, 530, 1.0, 0.85},
    };
    for (int national = 0; national < 2; ++national) {
        Use_Annex(national);
        for (const Entry& e : entries) {
            SCOPED_TRACE(std::to_string(e.entry) + (national ? " national" : ""));
            Materialparameter_Record m = Table(1, e.entry);
            EXPECT_EQ(Check_Material_Params(&m, 10.0, nullptr, 1, nullptr), 0);
            EXPECT_EQ(m.grade, e.stored);
            EXPECT_EQ(m.effective_grade, e.stored);
            EXPECT_DOUBLE_EQ(m.f_y, e.f_y40);
            EXPECT_DOUBLE_EQ(m.f_u, e.f_u);
            EXPECT_DOUBLE_EQ(m.f_y1, e.f_y40);
            EXPECT_DOUBLE_EQ(m.f_y2, e.f_y80);
            EXPECT_DOUBLE_EQ(m.f_y3, e.f_y80);
            EXPECT_DOUBLE_EQ(m.f_u1, e.f_u);
            EXPECT_DOUBLE_EQ(m.f_u3, e.f_u);
            EXPECT_DOUBLE_EQ(m.beta_w, national ? e.beta_w_national : e.beta_w);
            EXPECT_DOUBLE_EQ(m.E, 210000.0);
            EXPECT_DOUBLE_EQ(m.alpha_T, 1.2);
            EXPECT_EQ(Check_Material_Params(&m, 50.0, nullptr, 1, nullptr), 0);
            EXPECT_DOUBLE_EQ(m.f_y, e.f_y80);
            EXPECT_EQ(Check_Material_Params(&m, 100.0, nullptr, 1, nullptr), 0);
            EXPECT_DOUBLE_EQ(m.f_y, e.f_y80);
            EXPECT_EQ(Print(Print_Material_Params_Text, m, 0, 0, ""),
                      kHead + " Stahlg\x81te " + e.name + "\n" + kEnd);
        }
    }
    EXPECT_TRUE(VEK_Recorded_Messages().empty());

    // An entry beyond the list keeps the strengths it has.
    Materialparameter_Record m = Table(1, 12);
    m.f_y1 = m.f_y = 123.0;
    EXPECT_EQ(Check_Material_Params(&m, 10.0, nullptr, 0, nullptr), 0);
    EXPECT_DOUBLE_EQ(m.f_y, 123.0);
    // A negative entry becomes the first and is reported by the result.
    m = Table(1, -1);
    EXPECT_EQ(Check_Material_Params(&m, 10.0, nullptr, 0, nullptr), 1);
    EXPECT_EQ(m.grade, 0);
    EXPECT_DOUBLE_EQ(m.f_y, 240.0);
}

// The thickness cut-offs: table columns from 40.001 mm, own ranges from
// 40.001 and 80.001 mm, and the 80 mm limit with its 0.1 mm tolerance.
TEST_F(Material, ThicknessBoundaries) {
    Materialparameter_Record m = Table(0, 1);  // S275
    Check_Material_Params(&m, 40.0009, nullptr, 0, nullptr);
    EXPECT_DOUBLE_EQ(m.f_y, 275.0);
    EXPECT_DOUBLE_EQ(m.f_u, 430.0);
    Check_Material_Params(&m, 40.001, nullptr, 0, nullptr);
    EXPECT_DOUBLE_EQ(m.f_y, 255.0);
    EXPECT_DOUBLE_EQ(m.f_u, 410.0);
    EXPECT_EQ(Check_Material_Params(&m, 80.1, nullptr, 0, nullptr), 0);
    EXPECT_EQ(Check_Material_Params(&m, 80.1001, nullptr, 0, nullptr), 1);
    EXPECT_DOUBLE_EQ(m.f_y, 255.0);

    // Own steel values of both steel kinds.
    for (int kind : {0, 1}) {
        SCOPED_TRACE(kind);
        m = Table(kind, 1);
        m.own_values = 1;
        m.f_y1 = 300, m.f_u1 = 400, m.f_y2 = 290, m.f_u2 = 390, m.f_y3 = 280, m.f_u3 = 380;
        const double expected[][2] = {{40.0009, 300}, {40.001, 290}, {80.0009, 290},
                                      {80.1, 290},     {80.1001, 280}, {150.0, 280}};
        for (const auto& [t, f_y] : expected) {
            SCOPED_TRACE(t);
            EXPECT_EQ(Check_Material_Params(&m, t, nullptr, 1, nullptr), 0);
            EXPECT_DOUBLE_EQ(m.f_y, f_y);
            EXPECT_DOUBLE_EQ(m.f_u, f_y + 100.0);
        }
    }
    EXPECT_TRUE(VEK_Recorded_Messages().empty());

    // Aluminium own values hold for every thickness.
    m = Table(2, 44);
    m.own_values = 1;
    m.f_y1 = 200, m.f_u1 = 250, m.f_y3 = 100, m.f_u3 = 150;
    EXPECT_EQ(Check_Material_Params(&m, 120.0, nullptr, 1, nullptr), 0);
    EXPECT_DOUBLE_EQ(m.f_y, 200.0);
}

TEST_F(Material, Equality) {
    Materialparameter_Record a = Table(0, 2), b = Table(0, 2);
    Check_Material_Params(&a, 10.0, nullptr, 0, nullptr);
    Check_Material_Params(&b, 10.0, nullptr, 0, nullptr);
    EXPECT_EQ(Material_Params_Equal(&a, &b), 1);
    b.f_y1 = 100.0;  // ranges count only for own values
    EXPECT_EQ(Material_Params_Equal(&a, &b), 1);
    a.own_values = b.own_values = 1;
    EXPECT_EQ(Material_Params_Equal(&a, &b), 0);
    b.f_y1 = a.f_y1 + 0.009;
    EXPECT_EQ(Material_Params_Equal(&a, &b), 1);
    b.f_y = a.f_y + 0.02;
    EXPECT_EQ(Material_Params_Equal(&a, &b), 0);
    EXPECT_EQ(Material_Params_Equal(&a, nullptr), 0);
}

TEST_F(Material, BlockIsWrittenAsVersion2) {
    Materialparameter_Record m;
    Default_Material_Params(&m);
    std::memcpy(m.name, "Blech 1", 7);
    FILE* f = std::tmpfile();
    EXPECT_EQ(Write_Material_Params(f, &m), 0);
    EXPECT_EQ(testutil::Stream_Text(f),
              " 2\n 0 0 0.000000 0.000000 0.800000 210000.000000 0.300000 80769.230769 1.200000"
              " 235.000000 360.000000 215.000000 360.000000 215.000000 360.000000\n"
              " Blech~1" + std::string(18, '~') + "\n");
    std::fclose(f);
    EXPECT_EQ(std::string(m.name), "Blech 1" + std::string(18, ' '));  // restored
    EXPECT_EQ(Write_Material_Params(nullptr, &m), 1);
}

TEST_F(Material, EveryVersionReadsBack) {
    Materialparameter_Record w = Table(0, 5);
    std::memcpy(w.name, "Stahlteil mit Namen 25 Zc", 26);
    Check_Material_Params(&w, 0.0, nullptr, 0, nullptr);
    FILE* f = std::tmpfile();
    ASSERT_EQ(Write_Material_Params(f, &w), 0);
    std::rewind(f);
    Materialparameter_Record r;
    Clear_Material_Params(&r);
    EXPECT_EQ(Read_Material_Params(f, &r), 0);
    std::fclose(f);
    EXPECT_STREQ(r.name, "Stahlteil mit Namen 25 Zc");
    EXPECT_EQ(Material_Params_Equal(&r, &w), 1);
    EXPECT_DOUBLE_EQ(r.f_u2, 470.0);

    // Version 0: one pair for all three ranges (own values keep them).
    f = testutil::Stream_With(" 0\r\n 3 1 235.0 360.0 0.8 210000 0.3 80769.23 1.2\r\n");
    Materialparameter_Record v0;
    Clear_Material_Params(&v0);
    EXPECT_EQ(Read_Material_Params(f, &v0), 0);
    std::fclose(f);
    EXPECT_EQ(v0.grade, 3);
    EXPECT_EQ(v0.own_values, 1);
    for (double v : {v0.f_y1, v0.f_y2, v0.f_y3}) EXPECT_DOUBLE_EQ(v, 235.0);
    for (double v : {v0.f_u1, v0.f_u2, v0.f_u3}) EXPECT_DOUBLE_EQ(v, 360.0);
    EXPECT_DOUBLE_EQ(v0.f_y, 235.0);
    EXPECT_EQ(std::string(v0.name), std::string(25, ' '));

    // Version 1: six strengths, the pair of the second line is ignored.
    f = testutil::Stream_With(" 1\n 0 1 1.0 1.0 0.8 210000 0.3 80769.23 1.2\n 300 450 280 430 260 410\n");
    Materialparameter_Record v1;
    Clear_Material_Params(&v1);
    EXPECT_EQ(Read_Material_Params(f, &v1), 0);
    std::fclose(f);
    EXPECT_DOUBLE_EQ(v1.f_y, 300.0);
    EXPECT_DOUBLE_EQ(v1.f_u3, 410.0);

    // A version 1 block without its strengths fails.
    f = testutil::Stream_With(" 1\n 0 1 1.0 1.0 0.8 210000 0.3 80769.23 1.2\n 300 450\n");
    EXPECT_EQ(Read_Material_Params(f, &v1), 1);
    std::fclose(f);
}

// The name is the user's: a word longer than the 25 characters no program
// writes, or one holding the list's markup escape, is refused by name, not
// cut or printed as markup; 25 characters are read whole.
TEST_F(Material, LongOrMarkedNameIsRefusedByName) {
    const std::string head = " 2\n 0 0 0 0 0.8 210000 0.3 80769.23 1.2 235 360 215 360 215 360\n ";
    const struct {
        std::string name;
        const char* refusal;  // list form; null: read
    } cases[] = {
        {"ABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789", "Kennung des Werkstoffs ist 36 Zeichen lang (h\x94" "chstens 25)"},
        {"ABCDEFGHIJKLMNOPQRSTUVWXY", nullptr},
        {"A\xCEHB", "Kennung des Werkstoffs enth\x84lt das Zeichen 0xCE, das im Ausdruck eine Formatierung einleitet"},
    };
    for (const auto& c : cases) {
        FILE* f = testutil::Stream_With(head + c.name + "\n");
        Materialparameter_Record m;
        Clear_Material_Params(&m);
        EXPECT_EQ(Read_Material_Params(f, &m), c.refusal ? 1 : 0) << c.name;
        std::fclose(f);
        EXPECT_EQ(std::string(Material_Read_Refusal()), c.refusal ? c.refusal : "") << c.name;
        if (!c.refusal) {
            EXPECT_EQ(std::string(m.name), c.name);
        }
    }
}

TEST_F(Material, NewerBlockIsRefused) {
    VEK_Set_Batch_Mode(1);
    FILE* f = testutil::Stream_With(" 3\n 0 0 0 0 0.8 210000 0.3 80769.23 1.2 235 360 215 360 215 360\n x\n");
    Materialparameter_Record m;
    Clear_Material_Params(&m);
    EXPECT_EQ(Read_Material_Params(f, &m), 1);
    std::fclose(f);
    EXPECT_EQ(VEK_Batch_Fault_Count(), 0);
    VEK_Set_Batch_Mode(0);
    f = testutil::Stream_With(" 2\n 0 0 0 zero");
    EXPECT_EQ(Read_Material_Params(f, &m), 1);
    std::fclose(f);
    EXPECT_EQ(Read_Material_Params(nullptr, &m), 1);
}

// A beta_w the material takes as given (own values of steel, stainless
// steel) outside 0.5 .. 1, the window's range, is refused by name; the
// grade table's and the catalogue's put their own in its place (S235:
// 0.80), and aluminium has none.
TEST_F(Material, BetaWOutsideItsRangeIsRefusedByName) {
    const struct {
        int kind, grade, own;
        const char* beta_w;
        const char* shown;  // in the refusal; null: read
        double taken;
    } cases[] = {
        {0, 0, 1, "0.000000", "0", 0},   {0, 0, 1, "0.45", "0.45", 0},    {1, 0, 1, "1.2", "1.2", 0},
        {0, 26, 0, "1e300", "1e+300", 0}, {0, 0, 1, "0.5", nullptr, 0.5}, {0, 0, 1, "1.000000", nullptr, 1.0},
        {0, 0, 0, "0.000000", nullptr, 0.8}, {2, 0, 1, "0", nullptr, 0.0},
    };
    for (const auto& c : cases) {
        Materialparameter_Record m;
        Clear_Material_Params(&m);
        m.kind = c.kind;
        FILE* f = testutil::Stream_With(" 2\n " + std::to_string(c.grade) + " " + std::to_string(c.own) + " 0 0 " +
                                        c.beta_w + " 210000 0.3 80769.23 1.2 235 360 215 360 215 360\n Blech\n");
        EXPECT_EQ(Read_Material_Params(f, &m), c.shown ? 1 : 0) << c.beta_w;
        if (c.shown) {
            EXPECT_EQ(std::string(Material_Read_Refusal()),
                      std::string("Korrelationsbeiwert \xBB\xCE\\w\xCEr = ") + c.shown +
                          " ung\x81ltig (nicht zwischen 0.5 und 1)");
            EXPECT_EQ(std::string(Material_Read_Refusal_Console()),
                      std::string("beta_w = ") + c.shown + " not between 0.5 and 1");
            // The stream stands on the value's line.
            EXPECT_EQ(std::fgetc(f), ' ');
            EXPECT_EQ(std::fgetc(f), '2');
        } else {
            EXPECT_STREQ(Material_Read_Refusal(), "") << c.beta_w;
            EXPECT_DOUBLE_EQ(m.beta_w, c.taken) << c.beta_w;
        }
        std::fclose(f);
    }
}

TEST_F(Material, PrintOfSteelByThicknessRanges) {
    Materialparameter_Record m = Table(0, 2);
    Check_Material_Params(&m, 50.0, nullptr, 0, nullptr);
    EXPECT_EQ(Print(Print_Steel_Params_By_Thickness, m, 6, 0, "1"),
              kHead + " Stahlg\x81te S355\n" + kIndent +
                  " char. Streckgrenze f\xCE\\y1,t\xF3" "40mm\xCEr = 355.0 N/mm\xFD,  f\xCE\\y1,t\xF3" "80mm\xCEr = 335.0 N/mm\xFD,  "
                  "f\xCE\\y1,t>80mm\xCEr = 335.0 N/mm\xFD\n"
                  " char. Zugfestigkeit f\xCE\\u1,t\xF3" "40mm\xCEr = 490.0 N/mm\xFD,  f\xCE\\u1,t\xF3" "80mm\xCEr = 470.0 N/mm\xFD,  "
                  "f\xCE\\u1,t>80mm\xCEr = 470.0 N/mm\xFD\n"
                  " Korrelationsbeiwert f\x81r Kehln\x84hte \xBB\xCE\\w1\xCEr = 0.90\n"
                  " Elastizit\x84tsmodul E\xCE\\1\xCEr = 210000.0 N/mm\xFD\n" + kEnd);

    // Kind 1 takes the catalogue at 40, 80 and 81 mm of its own row (the
    // DIN values: the choice list offers the DIN grades).
    m = Table(1, 5);
    Check_Material_Params(&m, 10.0, nullptr, 0, nullptr);
    EXPECT_EQ(Print(Print_Steel_Params_By_Thickness, m, 4, 1, "2"),
              kHead + " Stahlg\x81te S355 N/NL, Rechenparameter:\n" + kIndent +
                  " char. Streckgrenze f\xCE\\y2,t\xF3" "40mm\xCEr = 360.0 N/mm\xFD,  f\xCE\\y2,t\xF3" "80mm\xCEr = 325.0 N/mm\xFD,  "
                  "f\xCE\\y2,t>80mm\xCEr = 325.0 N/mm\xFD\n"
                  " char. Zugfestigkeit f\xCE\\u2,t\xF3" "40mm\xCEr = 470.0 N/mm\xFD,  f\xCE\\u2,t\xF3" "80mm\xCEr = 470.0 N/mm\xFD,  "
                  "f\xCE\\u2,t>80mm\xCEr = 470.0 N/mm\xFD\n"
                  " Elastizit\x84tsmodul E\xCE\\2\xCEr = 210000.0 N/mm\xFD\n" + kEnd);

    // Own values: the record's ranges under the user's name.
    m = Table(0, 2);
    m.own_values = 1;
    std::memcpy(m.name, "Knotenblech", 11);
    m.f_y1 = 300, m.f_y2 = 290, m.f_y3 = 280, m.f_u1 = 400, m.f_u2 = 390, m.f_u3 = 380;
    EXPECT_EQ(Print(Print_Steel_Params_By_Thickness, m, 2, 0, ""),
              kHead + " Knotenblech, Stahlparameter:\n" + kIndent +
                  " char. Streckgrenze f\xCE\\y,t\xF3" "40mm\xCEr = 300.0 N/mm\xFD,  f\xCE\\y,t\xF3" "80mm\xCEr = 290.0 N/mm\xFD,  "
                  "f\xCE\\y,t>80mm\xCEr = 280.0 N/mm\xFD\n"
                  " char. Zugfestigkeit f\xCE\\u,t\xF3" "40mm\xCEr = 400.0 N/mm\xFD,  f\xCE\\u,t\xF3" "80mm\xCEr = 390.0 N/mm\xFD,  "
                  "f\xCE\\u,t>80mm\xCEr = 380.0 N/mm\xFD\n"
                  " Korrelationsbeiwert f\x81r Kehln\x84hte \xBB\xCE\\w\xCEr = 0.80\n" + kEnd);

    // Stainless steel has one pair for every thickness: the calculation values.
    m = Table(0, 26);
    m.own_values = 1;
    m.f_y1 = 230.0;
    m.f_u1 = 540.0;
    Check_Material_Params(&m, 100.0, nullptr, 0, nullptr);
    EXPECT_EQ(Print(Print_Steel_Params_By_Thickness, m, 0, 0, "p"),
              kHead + " Stahlparameter:\n" + kIndent + " char. Streckgrenze f\xCE\\yp\xCEr = 230.0 N/mm\xFD\n" +
                  " char. Zugfestigkeit f\xCE\\up\xCEr = 540.0 N/mm\xFD\n" + kEnd);

    // Aluminium is handed to the material print text.
    m = Table(2, 0);
    Check_Material_Params(&m, 5.0, nullptr, 0, nullptr);
    EXPECT_EQ(Print(Print_Steel_Params_By_Thickness, m, 0, 0, ""), kHead + " Legierung 3004, H14\n" + kEnd);
}

TEST_F(Material, PrintTexts) {
    // Table grade without values: one line only.
    Materialparameter_Record m = Table(0, 0);
    Check_Material_Params(&m, 10.0, nullptr, 0, nullptr);
    EXPECT_EQ(Print(Print_Material_Params_Text, m, 6, 0, "p"), kHead + " Stahlg\x81te S235\n" + kEnd);
    std::memcpy(m.name, "Stirnblech", 10);
    EXPECT_EQ(Print(Print_Material_Params, m, 6, 0, "p"), kHead + " Stahlg\x81te S235  (Stirnblech)\n" + kEnd);

    // With values and the thermal line.
    EXPECT_EQ(Print(Print_Material_Params_Text, m, 0x80, 1, "p"),
              kHead + " Stahlg\x81te S235  (Stirnblech), Rechenparameter:\n" + kIndent +
                  " char. Streckgrenze f\xCE\\yp\xCEr = 235.0 N/mm\xFD\n"
                  " char. Zugfestigkeit f\xCE\\up\xCEr = 360.0 N/mm\xFD\n"
                  " Temperaturausdehnungskoeffizient \xBA\xCE\\Tp\xCEr = 1.20\xCE/.\xCEr" "10\xCE/-5\xCEr 1/K\n" + kEnd);

    // Stainless steel.
    m = Table(0, 26);
    EXPECT_EQ(Print(Print_Material_Params_Text, m, 0, 0, ""), kHead + " Stahlg\x81te , Edelstahl\n" + kEnd);

    // Kind 1 prints the name of the choice-list entry.
    m = Table(1, 10);
    Check_Material_Params(&m, 10.0, nullptr, 0, nullptr);
    EXPECT_EQ(Print(Print_Material_Params_Text, m, 0, 0, ""), kHead + " Stahlg\x81te S460 M/ML\n" + kEnd);

    // Aluminium from the catalogue, with values.
    m = Table(2, 44);
    Check_Material_Params(&m, 10.0, nullptr, 0, nullptr);
    EXPECT_EQ(Print(Print_Material_Params_Text, m, 4, 1, "2"),
              kHead + " Legierung 6082, T651, Rechenparameter:\n" + kIndent +
                  " char. Wert der 0,2%-Dehngrenze f\xCE\\o\xCEr = 240.0 N/mm\xFD\n"
                  " char. Zugfestigkeit f\xCE\\u2\xCEr = 295.0 N/mm\xFD\n"
                  " Elastizit\x84tsmodul E\xCE\\2\xCEr = 70000.0 N/mm\xFD\n" + kEnd);
    EXPECT_EQ(Print(Print_Material_Params_Text, m, 4, 0, "2"), kHead + " Legierung 6082, T651\n" + kEnd);
    m.own_values = 1;
    std::memcpy(m.name, "Profil", 6);
    const std::string own = Print(Print_Material_Params_Text, m, 0, 0, "");
    EXPECT_EQ(own.substr(0, kHead.size() + 20), kHead + " Profil, Parameter:\n");

    m.kind = 3;
    EXPECT_EQ(Print(Print_Material_Params_Text, m, 0, 1, ""), kEnd.substr(0, 0));
}

TEST(GradeLists, MapsBetweenWeldGradesAndCatalogueRows) {
    EXPECT_EQ(Grade_Index_To_Stahlguete_Code(14), 12);
    EXPECT_EQ(Grade_Index_To_Stahlguete_Code(26), -1);
    EXPECT_EQ(Grade_Index_To_Stahlguete_Code(-1), -1);
    EXPECT_EQ(Grade_Index_To_Stahlguete_Code(24), 33);
    EXPECT_EQ(Grade_Index_To_Stahlguete_Code(15), 5);
    EXPECT_EQ(Stahlguete_Code_To_Grade_Index(0x10005), -1);
    EXPECT_EQ(Stahlguete_Code_To_Grade_Index(14), -1);
    for (int g = 0; g < 12; ++g) EXPECT_EQ(Stahlguete_Code_To_Grade_Index(Grade_Index_To_Stahlguete_Code(g)), g);
}

TEST(GradeLists, ChoiceListAndNameRing) {
    Init_Grade_Names();
    const char* first = Steel_Choice_Name(0);
    Init_Grade_Names();
    EXPECT_EQ(Steel_Choice_Name(0), first);
    const char* expected[11] = {"S235 (St37)", "S275 (St44)", "S355 (St52)", "---", "S275 N/NL", "S355 N/NL",
                                "S460 N/NL", "---", "S275 M/ML", "S355 M/ML", "S460 M/ML"};
    for (int i = 0; i < 11; ++i) EXPECT_STREQ(Steel_Choice_Name(i), expected[i]);
    EXPECT_EQ(Steel_Choice_Name(11), nullptr);

    std::set<const char*> seen;
    const char* buffers[11];
    for (int i = 0; i < 11; ++i) buffers[i] = Get_Weld_Grade_Name(0, i);
    for (int i = 0; i < 10; ++i) seen.insert(buffers[i]);
    EXPECT_EQ(seen.size(), 10u);
    EXPECT_EQ(buffers[10], buffers[0]);
    EXPECT_STREQ(buffers[10], "S420 M/ML");  // weld grade 10
    EXPECT_STREQ(Get_Weld_Grade_Name(0, 14), "S460 Q/QL/QL1");
    EXPECT_STREQ(Get_Weld_Grade_Name(1, 0), "");
    EXPECT_STREQ(Get_Weld_Grade_Name(0, 26), "");
    EXPECT_EQ(std::string(Weld_Grade_Table_Name(0)), "S235           ");
}

// The DIN 18800 list (kind 1) and the weld grade table (kind 0) name their
// steels by other indexes: each entry of the list is the table's grade of
// the same steel (its S460 N/NL and S460 M/ML are the table's 7 and 11, not
// the S420 grades at 6 and 10), and a material of the list is written to
// the file, which holds no kind, as that grade. A table grade the list
// lacks takes the list's steel of the same delivery condition with the
// next lower yield strength: S450 (440 N/mm²) S355, S420 N/NL S355 N/NL,
// S420 M/ML S355 M/ML; weathering and hollow-section steels their base.
TEST(GradeLists, TheDinListAndTheTableNameTheSameSteel) {
    const int table_of_entry[11] = {0, 1, 2, 2, 4, 5, 7, 7, 8, 9, 11};  // a separator: the entry above
    for (int e = 0; e < 11; ++e) {
        EXPECT_EQ(Steel_Choice_To_Grade_Index(e), table_of_entry[e]) << e;
        Materialparameter_Record m;
        Default_Material_Params(&m);
        m.kind = 1, m.grade = e;
        FILE* f = std::tmpfile();
        EXPECT_EQ(Write_Material_Params(f, &m), 0);
        EXPECT_EQ(testutil::Stream_Text(f).rfind(" 2\n " + std::to_string(table_of_entry[e]) + " 0 ", 0), 0u) << e;
        std::fclose(f);
    }
    EXPECT_EQ(Steel_Choice_To_Grade_Index(11), -1);
    // S235 .. S460 M/ML, S235 W, S355 W, S460 Q, the H, NH and MH grades.
    const int entry_of_grade[26] = {0, 1, 2, 2, 4, 5, 5, 6, 8, 9, 9, 10, 0, 2, 6, 0, 1, 2, 1, 2, 5, 6, 1, 2, 5, 6};
    for (int g = 0; g < 26; ++g) EXPECT_EQ(Grade_Index_To_Steel_Choice(g), entry_of_grade[g]) << g;
    EXPECT_EQ(Grade_Index_To_Steel_Choice(26), -1);
}

TEST(GradeLists, EveryTableGradeBelongsToOneFamily) {
    for (int g = 0; g < 26; ++g) {
        SCOPED_TRACE(g);
        EXPECT_EQ(Is_Grade_S235(g) + Is_Grade_S275(g) + Is_Grade_S355(g) + Is_Grade_S420(g) + Is_Grade_S460(g), 1);
        // The family agrees with the catalogue row the grade maps to.
        const char* row_name = nullptr;
        if (Is_Grade_S235(g)) row_name = "S235";
        if (Is_Grade_S275(g)) row_name = "S275";
        if (Is_Grade_S355(g)) row_name = "S355";
        if (Is_Grade_S420(g)) row_name = "S420";
        if (Is_Grade_S460(g)) row_name = g == 3 ? "S450" : "S460";
        EXPECT_EQ(std::string(Get_Weld_Grade_Name(0, g)).substr(0, 4), row_name);
    }
    EXPECT_EQ(Is_Grade_S235(26), 0);
    EXPECT_EQ(Is_Grade_Weathering(12) + Is_Grade_Weathering(13) + Is_Grade_Weathering(14), 2);
    EXPECT_DOUBLE_EQ(Weld_Grade_Value_Or_150(0, 25, 7.0), 150.0);
    EXPECT_DOUBLE_EQ(Weld_Grade_Value_Or_150(0, 26, 7.0), 7.0);
    EXPECT_DOUBLE_EQ(Weld_Grade_Value_Or_150(1, 2, 7.0), 7.0);
    EXPECT_DOUBLE_EQ(Divide(235.0, 1.1), 235.0 / 1.1);
    EXPECT_DOUBLE_EQ(Divide_Sqrt3(235.0, 1.0), 235.0 / std::sqrt(3.0));
}

TEST(PlateResistances, Shear) {
    // f_y 235, t 10, h 200: V_pl = 235 * 2000 / sqrt 3 = 271354.3 N;
    // f_u 360, h_net 180, gamma_M2 1.25: V_u = 360 * 1800 / (sqrt 3 * 1.25) = 299300.6 N.
    const double V_pl = 235.0 * 2000.0 / std::sqrt(3.0);
    const double V_u = 360.0 * 1800.0 / (std::sqrt(3.0) * 1.25);
    EXPECT_NEAR(Calc_Plate_Shear_Resistance(235, 360, 10, 200, 180, 1.0, 1.25, nullptr, 2, "h"), V_pl, 1e-6);
    EXPECT_NEAR(Calc_Plate_Shear_Resistance(235, 360, 10, 200, 180, 0.0, 1.25, nullptr, 2, "h"), V_u, 1e-6);
    EXPECT_EQ(Calc_Plate_Shear_Resistance(235, 360, 10, 200, 180, 0.0, 0.0, nullptr, 2, "h"), 0.0);

    ListCapture list;
    EXPECT_NEAR(Calc_Plate_Shear_Resistance(235, 360, 10, 200, 180, 1.0, 0.0, list.f(), 1, "hw"), V_pl, 1e-6);
    OLI_End_Text(list.f());
    EXPECT_EQ(list.Take(), kHead +
                               " Schubtragf\x84higkeit V\xCE\\Rd\xCEr = (A\xCE\\v\xCEr\xCE/.\xCErf\xCE\\y\xCEr) / "
                               "(3\xCE/1/2\xCEr\xCE/.\xCEr\xC0\xCE\\M0\xCEr) = 271.35 kN\n" + kEnd);

    Calc_Plate_Shear_Resistance(235, 360, 10, 200, 180, 1.0, 1.25, list.f(), 2, "b");
    OLI_End_Text(list.f());
    const std::string both = list.Take();
    EXPECT_NE(both.find(" V\xCE\\pl,Rd\xCEr = (A\xCE\\v\xCEr\xCE/.\xCErf\xCE\\y\xCEr) / (3\xCE/1/2\xCEr\xCE/.\xCEr\xC0\xCE\\M0\xCEr)"
                        " = 271.35 kN  mit A\xCE\\v\xCEr = b\xCE/.\xCErt = 20.00 cm\xFD,  b = 200.0 mm\n"),
              std::string::npos);
    EXPECT_NE(both.find(" = 299.30 kN  mit A\xCE\\v,net\xCEr = b\xCE\\net\xCEr\xCE/.\xCErt = 18.00 cm\xFD,  "
                        "b\xCE\\net\xCEr = 180.0 mm\n"),
              std::string::npos);
    EXPECT_NE(both.find(" Schubtragf\x84higkeit V\xCE\\Rd\xCEr = min(V\xCE\\pl,Rd\xCEr, V\xCE\\u,Rd\xCEr) = 271.35 kN\n"),
              std::string::npos);
}

TEST(PlateResistances, TensionAndTorsion) {
    // N_pl = 235 * 200 * 10 / 1.0 = 470000 N; N_u = 0.9 * 360 * 180 * 10 / 1.25 = 466560 N.
    EXPECT_DOUBLE_EQ(Calc_Plate_Tension_Resistance(235, 360, 10, 200, 180, 1.0, 1.25, nullptr, 2), 466560.0);
    EXPECT_DOUBLE_EQ(Calc_Plate_Tension_Resistance(235, 360, 10, 200, 180, 1.0, 0.0, nullptr, 2), 470000.0);

    ListCapture list;
    EXPECT_EQ(Calc_Plate_Tension_Resistance(235, 360, 10, 200, 180, 0.0, 0.0, list.f(), 2), 0.0);
    EXPECT_EQ(list.Take(), "");

    Calc_Plate_Tension_Resistance(235, 360, 10, 200, 180, 1.0, 1.25, list.f(), 0);
    OLI_End_Text(list.f());
    EXPECT_EQ(list.Take(), kHead + " Zugtragf\x84higkeit N\xCE\\t,Rd\xCEr = 466.56 kN\n" + kEnd);

    Calc_Plate_Tension_Resistance(235, 360, 10, 200, 180, 1.0, 1.25, list.f(), 2);
    OLI_End_Text(list.f());
    EXPECT_EQ(list.Take(),
              kHead +
                  " plastische Zugbeanspruchbarkeit N\xCE\\pl,Rd\xCEr = (A\xCE/.\xCErf\xCE\\y\xCEr) / \xC0\xCE\\M0\xCEr"
                  " = 470.00 kN  mit A = b\xCE/.\xCErt = 20.00 cm\xFD\n"
                  " Zugbeanspruchbarkeit des Nettoquerschnitts N\xCE\\u,Rd\xCEr = (0.9\xCE/.\xCE" "rA\xCE\\net\xCEr\xCE/.\xCErf"
                  "\xCE\\u\xCEr) / \xC0\xCE\\M2\xCEr = 466.56 kN  mit A\xCE\\net\xCEr = b\xCE\\net\xCEr\xCE/.\xCErt = 18.00 cm\xFD\n"
                  " Zugtragf\x84higkeit N\xCE\\t,Rd\xCEr = min(N\xCE\\pl,Rd\xCEr, N\xCE\\u,Rd\xCEr) = 466.56 kN\n" + kEnd);

    Calc_Plate_Tension_Resistance(235, 360, 10, 200, 180, 0.0, 1.25, list.f(), 2);
    OLI_End_Text(list.f());
    EXPECT_EQ(list.Take(),
              kHead + " Zugtragf\x84higkeit N\xCE\\t,Rd\xCEr = N\xCE\\u,Rd\xCEr = (0.9\xCE/.\xCE" "rA\xCE\\net\xCEr\xCE/.\xCErf"
                      "\xCE\\u\xCEr) / \xC0\xCE\\Mu\xCEr = 466.56 kN,  A\xCE\\net\xCEr = b\xCE\\net\xCEr\xCE/.\xCErt = 18.00 cm\xFD,  "
                      "b\xCE\\net\xCEr = 180.0 mm,  \xC0\xCE\\Mu\xCEr = 1.25\n" + kEnd);

    // W_t = 10 * 200² / 6 mm³, tau = 235 / sqrt 3.
    const double M = 10.0 * 200.0 * 200.0 / 6.0 * 235.0 / std::sqrt(3.0);
    EXPECT_NEAR(Calc_Plate_Torsion_Resistance(235, 10, 200, 1.0, nullptr, 2, "h"), M, 1e-6);
    EXPECT_EQ(Calc_Plate_Torsion_Resistance(235, 10, 200, 0.0, nullptr, 2, "h"), 0.0);
    EXPECT_EQ(Calc_Plate_Torsion_Resistance(0.0, 10, 200, 1.0, nullptr, 2, "h"), 0.0);
}

}  // namespace

}  // namespace test_material
