// Bolt and steel-grade records: values and names derived from the tables,
// the text form read back, and refusals of damaged lines with the library's
// message boxes.
#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "base/cp850.h"
#include "endplate/schraube.h"
#include "platform/msgbox.h"
#include "support/testutil.h"

namespace {

TEST(Schraube, NamesAndValuesFromTheTables) {
    struct Case {
        int size, klasse, kind;
        float clearance;
        const char *size_name, *class_name;
        float F_v, d_L;
    } cases[] = {
        {0, 0, 0, 1.0f, "M12", "4.6SL", 50, 13},
        {2, 2, 2, 0.3f, "M20", "8.8GVP", 112, 21},  // 0.7 x 160 for class 8.8
        {2, 0, 2, 1.0f, "M20", "4.6SL", 160, 21},   // GV needs 8.8 or 10.9
        {7, 3, 1, 0.2f, "M36", "10.9SLVP", 510, 37},
        {4, 0, -1, 0.1f, "M24", "4.6", 220, 25},     // no kind: no suffix
        {3, 1, 0, 0.34f, "M22", "5.6SLP", 190, 23},  // 0.34 rounds to 0.3: fitted
    };
    for (const Case& c : cases) {
        Schraube_Record b = {};
        ASSERT_EQ(Set_Schraube(&b, c.size, c.klasse, c.kind, c.clearance), 0);
        EXPECT_STREQ(b.size_name, c.size_name);
        EXPECT_STREQ(b.class_name, c.class_name);
        EXPECT_FLOAT_EQ(b.F_v, c.F_v);
        EXPECT_FLOAT_EQ(b.d_L, c.d_L);
    }
    // d_s = (4 A_s / pi)^1/2: M20, A_s = 2.45 cm²: 1.7662 cm.
    Schraube_Record b = {};
    Set_Schraube(&b, 2, 2, 0, 1.0f);
    EXPECT_NEAR(b.d_s, std::sqrt(4 * 2.45 / M_PI), 1e-6);
    EXPECT_FLOAT_EQ(b.f_u_b, 800);
    // Out of range: 1, the values stored, nothing derived.
    EXPECT_EQ(Set_Schraube(&b, 8, 0, 0, 1.0f), 1);
    EXPECT_EQ(b.size, 8);
    EXPECT_STREQ(b.size_name, "M20");
    for (float bad : {-0.5f, NAN, INFINITY}) {
        b.size = 0;
        b.clearance = bad;
        EXPECT_EQ(Check_Schraube(&b), 1);
    }
    EXPECT_EQ(Check_Schraube(nullptr), 1);
    // Indices changed in place and derived again: M24 4.6 SL, clearance 1:
    // F_v 220 kN as the table row above, d_L 25; a failing record is left.
    b = {};
    Set_Schraube(&b, 2, 2, 0, 1.0f);
    b.size = 4;
    b.klasse = 0;
    EXPECT_EQ(Update_Schraube(&b), 0);
    EXPECT_STREQ(b.size_name, "M24");
    EXPECT_FLOAT_EQ(b.F_v, 220);
    EXPECT_FLOAT_EQ(b.d_L, 25);
    b.klasse = 4;
    EXPECT_EQ(Update_Schraube(&b), 1);
    EXPECT_STREQ(b.class_name, "4.6SL");
    EXPECT_EQ(Update_Schraube(nullptr), 1);
}

TEST(Schraube, TextFormAndRefusals) {
    Schraube_Record b = {};
    Set_Schraube(&b, 5, 3, 2, 2.0f);
    FILE* f = std::tmpfile();
    ASSERT_EQ(Write_Schraube(f, &b), 0);
    EXPECT_EQ(testutil::Stream_Text(f), "5 3 2 2.00\n");
    std::rewind(f);
    Schraube_Record r = {};
    ASSERT_EQ(Read_Schraube(f, &r), 0);
    EXPECT_STREQ(r.class_name, "10.9GV");
    EXPECT_FLOAT_EQ(r.F_v, 290);
    std::fclose(f);
    // A size index 8: "Datenfehler !!!", 103, the record as it was; three
    // numbers only: "Lesefehler !!!", 101.
    struct Case {
        const char* text;
        int result;
        const char* message;
    } cases[] = {{"8 0 0 1.0\n", 103, "Datenfehler !!!"}, {"1 2 3\n", 101, "Lesefehler !!!"},
                 {"1 2 0 nan\n", 103, "Datenfehler !!!"}, {"1 -1 0 1\n", 103, "Datenfehler !!!"}};
    for (const Case& c : cases) {
        VEK_Clear_Recorded_Messages();
        FILE* in = testutil::Stream_With(c.text);
        Schraube_Record keep = r;
        EXPECT_EQ(Read_Schraube(in, &keep), c.result) << c.text;
        EXPECT_EQ(keep.size, 5) << c.text;
        ASSERT_EQ(VEK_Recorded_Messages().size(), 1u) << c.text;
        EXPECT_EQ(VEK_Recorded_Messages()[0].lines[0], c.message) << c.text;
        std::fclose(in);
    }
}

// Numbers beyond an int are refused, never wrapped into the tables
// (4294967297 = 2^32 + 1 would be size 1, M16); every number is checked
// against its range as it stands, the message naming the field.
TEST(Schraube, DamagedNumbersAreRefusedByField) {
    struct Case {
        const char* text;
        int result;
        const char* field;
    } cases[] = {
        {"4294967297 0 0 1.0\n", 103, "Schraube, Größe: 4294967297"_cp},
        {"1 4294967298 0 1\n", 103, "Schraube, Festigkeitsklasse: 4294967298"},
        {"1 1 4294967295 1\n", 103, "Schraube, Art: 4294967295"},
        {"-4294967295 1 0 1\n", 103, "Schraube, Größe: -4294967295"_cp},
        {"1.5 1 0 1\n", 103, "Schraube, Größe: \"1.5\" ist keine ganze Zahl"_cp},
        {"1 1 0 1e-400\n", 103, "Schraube, Lochspiel: 1e-400 liegt nicht zwischen 0 und 10"},
        {"1 1 0 1e39\n", 103, "Schraube, Lochspiel: 1e39"},
        {"1 1 0 10.01\n", 103, "Schraube, Lochspiel: 10.01"},
        {"1 1 0 0x1p1\n", 103, "Schraube, Lochspiel: \"0x1p1\" ist keine Zahl"},
        {"1 1 0 -inf\n", 103, "Schraube, Lochspiel: \"-inf\" ist keine endliche Zahl"},
        {"1 1 0 zwei\n", 101, "Schraube, Lochspiel: \"zwei\" ist keine Zahl"},
        {"1 1 0\n", 101, "Schraube, Lochspiel: kein Wert"},
    };
    for (const Case& c : cases) {
        VEK_Clear_Recorded_Messages();
        FILE* in = testutil::Stream_With(c.text);
        Schraube_Record keep = {};
        Set_Schraube(&keep, 5, 3, 2, 2.0f);
        EXPECT_EQ(Read_Schraube(in, &keep), c.result) << c.text;
        EXPECT_EQ(keep.size * 100 + keep.klasse * 10 + keep.kind, 532) << c.text;
        ASSERT_EQ(VEK_Recorded_Messages().size(), 1u) << c.text;
        const auto& lines = VEK_Recorded_Messages()[0].lines;
        ASSERT_EQ(lines.size(), 2u) << c.text;
        EXPECT_EQ(lines[0], c.result == 103 ? "Datenfehler !!!" : "Lesefehler !!!") << c.text;
        EXPECT_EQ(lines[1].rfind(c.field, 0), 0u) << lines[1];
        std::fclose(in);
    }
    // The largest values of each range are taken: M36 10.9 GV, 10 mm.
    FILE* in = testutil::Stream_With("7 3 2 10.00\n4294967298\n4\n");
    Schraube_Record b = {};
    ASSERT_EQ(Read_Schraube(in, &b), 0);
    EXPECT_STREQ(b.class_name, "10.9GV");
    EXPECT_FLOAT_EQ(b.clearance, 10.0f);
    Stahlsorte_Record g = {};
    VEK_Clear_Recorded_Messages();
    EXPECT_EQ(Read_Stahlsorte(in, &g), 103);  // 2^32 + 2 would be grade 2
    ASSERT_EQ(VEK_Recorded_Messages().size(), 1u);
    EXPECT_EQ(VEK_Recorded_Messages()[0].lines[1], "Stahlsorte, Nummer: 4294967298 liegt nicht zwischen 0 und 4");
    ASSERT_EQ(Read_Stahlsorte(in, &g), 0);
    EXPECT_FLOAT_EQ(g.f_y, 360);
    std::fclose(in);
}

TEST(Stahlsorte, FiveStructuralSteels) {
    Stahlsorte_Record g = {};
    ASSERT_EQ(Set_Stahlsorte(&g, 4), 0);
    EXPECT_FLOAT_EQ(g.f_y, 360);
    EXPECT_FLOAT_EQ(g.f_u, 510);
    EXPECT_FLOAT_EQ(g.f_y_thick, 325);
    EXPECT_STREQ(g.name, " S355J0  (St52-3)  ");
    ASSERT_EQ(Set_Stahlsorte(&g, 0), 0);
    EXPECT_FLOAT_EQ(g.f_y, 240);
    // A grade id of the catalogue is no index here: 1, values unchanged.
    EXPECT_EQ(Set_Stahlsorte(&g, 7), 1);
    EXPECT_FLOAT_EQ(g.f_y, 240);
    EXPECT_EQ(Check_Stahlsorte(&g), 1);
    g.grade = -1;
    EXPECT_EQ(Check_Stahlsorte(&g), 1);
    FILE* f = testutil::Stream_With("3\n9\n");
    ASSERT_EQ(Read_Stahlsorte(f, &g), 0);
    EXPECT_STREQ(g.name, " S235J0  (St37-3)  ");
    EXPECT_EQ(Read_Stahlsorte(f, &g), 103);
    EXPECT_EQ(Read_Stahlsorte(f, &g), 101);
    EXPECT_EQ(g.grade, 3);
    std::fclose(f);
    FILE* out = std::tmpfile();
    EXPECT_EQ(Write_Stahlsorte(out, &g), 0);
    EXPECT_EQ(testutil::Stream_Text(out), "3\n");
    std::fclose(out);
}

}  // namespace
