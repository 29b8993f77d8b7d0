// Reinforcing-steel grades: the DIN 1045 (7.88) steels, the ductility
// classes of EN 1992-1-1 Table C.1, the conversion of an old steel, and the
// text form with its refusals.
#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <string>

#include "codes/betonstahl.h"
#include "codes/versioned_text.h"
#include "dialogs/messages.h"
#include "support/global_state.h"
#include "support/testutil.h"

namespace test_betonstahl {
namespace {

const testutil::Global_Reset reset_versioned_text(Reset_Versioned_Text);

TEST(SteelGradesOfConcrete, DinSteelsAndTheirConversion) {
    struct {
        int index;
        const char* name;
        double beta_S, k;
    } const rows[] = {{0, "BSt 220/340", 220000, 1.01}, {1, "BSt 420 S", 420000, 1.3},
                      {2, "BSt 500 S", 500000, 1.4}, {7, "BSt 500 S", 500000, 1.4}, {-2, "BSt 220/340", 220000, 1.01}};
    for (const auto& r : rows) {
        Betonstahl_DIN_Record d;
        Get_Betonstahl_DIN(&d, r.index);
        EXPECT_STREQ(d.name, r.name);
        EXPECT_EQ(d.beta_S, r.beta_S);
        EXPECT_EQ(d.eps_s, 0.005);
        EXPECT_EQ(d.k_factor, r.k);
        EXPECT_EQ(d.E_s, 2.1e8);
    }
    const double f_tk[3] = {340000, 420000, 500000};
    for (int i = 0; i < 3; ++i) {
        Betonstahl_Record s;
        Betonstahl_From_DIN(&s, i);
        EXPECT_EQ(std::string(s.name), std::string(rows[i].name) + " (nicht mehr genormt!)");
        EXPECT_EQ(s.f_yk, rows[i].beta_S);
        EXPECT_EQ(s.f_tk, f_tk[i]);
        EXPECT_EQ(s.eps_uk, 0.005);
        EXPECT_EQ(s.E_s, 2.1e8);
    }

    Betonstahl_DIN_Record d;
    testing::internal::CaptureStdout();
    EXPECT_EQ(Free_Betonstahl_DIN(&d), 1);
    EXPECT_EQ(testing::internal::GetCapturedStdout(),
              "Freie Stahldef. f\x81r DIN 1045 (7.88) nicht m\x94glich!\nIntialiesierung mit BSt 500 S.");
    EXPECT_STREQ(d.name, "BSt 500 S");
    EXPECT_EQ(Betonstahl_Stub_One(), 1);
    EXPECT_EQ(Gamma_s_DIN(1), 1.0);
    EXPECT_EQ(Gamma_s_DIN(0), 1.15);
    EXPECT_EQ(Gamma_s_DIN(4), 1.15);
}

TEST(SteelGradesOfConcrete, DuctilityClassesOfTableC1) {
    // Class A: (f_t / f_y)_k >= 1.05, ε_uk >= 2.5 %; class B: >= 1.08, >= 5.0 %.
    struct {
        const char *name, *b500;
        double f_tk, eps_uk;
    } const classes[] = {{"BSt 500 (A)", "B500A", 525000, 0.025}, {"BSt 500 (B)", "B500B", 540000, 0.05}};
    for (int i = 0; i < 2; ++i) {
        Betonstahl_Record s, b;
        Get_Betonstahl_Record(&s, i);
        Get_Betonstahl_Record_B500(&b, i);
        EXPECT_STREQ(s.name, classes[i].name);
        EXPECT_STREQ(b.name, classes[i].b500);
        for (const Betonstahl_Record* r : {&s, &b}) {
            EXPECT_EQ(r->f_yk, 500000.0);
            EXPECT_NEAR(r->f_tk, classes[i].f_tk, 1e-9);
            EXPECT_EQ(r->eps_uk, classes[i].eps_uk);
            EXPECT_EQ(r->E_s, 2e8);
        }
    }
    Betonstahl_Record s;
    std::memset(&s, 0x33, sizeof s);
    const Betonstahl_Record before = s;
    for (int index : {2, -1, 40}) {
        Get_Betonstahl_Record(&s, index);
        Get_Betonstahl_Record_B500(&s, index);
        EXPECT_EQ(std::memcmp(&s, &before, sizeof s), 0) << index;
    }
}

TEST(SteelGradesOfConcrete, TextFormRoundTripOlderFormAndRefusals) {
    FILE* w = std::tmpfile();
    ASSERT_EQ(Begin_Versioned_Write(w, 1.0), 0);
    Betonstahl_Record out[3];
    Get_Betonstahl_Record(&out[0], 1);
    Betonstahl_From_DIN(&out[1], 0);
    Get_Betonstahl_Record_B500(&out[2], 0);
    for (const Betonstahl_Record& r : out) ASSERT_EQ(Write_Betonstahl_Record(&r), 0);
    const std::string text = testutil::Stream_All(w);
    const std::string head =
              " 1.000000  # Datenversionsnummer\n"
              " 1.000000 # Strukturversionsnummer\n"
              " BSt\x8C" "500\x8C(B)  5.000000e+05  5.400000e+05  5.000000e-02  2.000000e+08  0.000000e+00 \n";
    EXPECT_EQ(text.substr(0, head.size()), head);
    std::rewind(w);
    ASSERT_EQ(Begin_Versioned_Read(w, 1.0), 0);
    for (const Betonstahl_Record& r : out) {
        Betonstahl_Record in;
        std::memset(&in, 0, sizeof in);
        ASSERT_EQ(Read_Betonstahl_Record(&in), 0);
        EXPECT_STREQ(in.name, r.name);
        EXPECT_EQ(in.f_yk, r.f_yk);
        EXPECT_EQ(in.f_tk, r.f_tk);
        EXPECT_EQ(in.eps_uk, r.eps_uk);
        EXPECT_EQ(in.E_s, r.E_s);
    }
    EXPECT_EQ(Current_Data_Version(), 1.0);
    std::fclose(w);

    // Written before structure versions.
    FILE* f = testutil::Stream_With(" 1.0\n B500A 500000 525000 0.025 2e8 0\n");
    ASSERT_EQ(Begin_Versioned_Read(f, 1.0), 0);
    Betonstahl_Record s;
    ASSERT_EQ(Read_Betonstahl_Record(&s), 0);
    EXPECT_STREQ(s.name, "B500A");
    EXPECT_EQ(s.f_tk, 525000.0);
    std::fclose(f);

    Set_Message_Mode(MESSAGE_MODE_COLLECT);
    struct {
        const char *text, *message;
    } const damaged[] = {
        {" 1.0\n 1.0\n B500B 500000 540000\n", "Zeile 3 nicht lesbar (eps_uk)"},
        {" 1.0\n 1.0\n B500B 500000 nan 0.05 2e8 0\n", "Zeile 3 nicht lesbar (f_tk)"},
        {" 1.0\n 2.0\n B500B 500000 540000 0.05 2e8 0\n", "Zeile 2 nicht lesbar (Strukturversion)"},
    };
    for (const auto& c : damaged) {
        Close_Message_Category(0);
        ASSERT_EQ(Open_Message_Category(), 0);
        f = testutil::Stream_With(c.text);
        ASSERT_EQ(Begin_Versioned_Read(f, 1.0), 0);
        const long start = Tell_Read_Position();
        Get_Betonstahl_Record(&s, 0);
        const Betonstahl_Record before = s;
        EXPECT_EQ(Read_Betonstahl_Record(&s), 1) << c.text;
        EXPECT_EQ(std::memcmp(&s, &before, sizeof s), 0) << c.text;
        EXPECT_EQ(Tell_Read_Position(), start);
        EXPECT_EQ(Current_Data_Version(), 1.0);
        const int n = Message_Category_Count(0);
        ASSERT_GE(n, 1);
        EXPECT_EQ(std::string(Message_Category_Line(0, n - 1)),
                  "^bFEHLER: Betonstahl in " + std::string(c.message) + "!\n");
        std::fclose(f);
    }
    Close_Message_Category(0);
}

}  // namespace

}  // namespace test_betonstahl
