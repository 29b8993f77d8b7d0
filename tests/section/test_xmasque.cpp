// Section mask file: exact lines, a round trip of a reinforced section with a
// forward curve reference, a changed built-in law, an empty name and a tiny
// weight; CRLF input; damaged files refused; the dumps.
#include <gtest/gtest.h>

#include <string>

#include "section/internal_forces.h"
#include "section/rc_builder.h"
#include "section/stress_strain.h"
#include "section/xmasque.h"
#include "support/testutil.h"

namespace {

std::string Written(const Querschnitt* q) {
    FILE* f = std::tmpfile();
    EXPECT_EQ(Write_Querschnitt(f, q), 1);
    std::string s = testutil::Stream_All(f);
    std::fclose(f);
    return s;
}

Querschnitt* Read(const std::string& bytes) {
    FILE* f = testutil::Stream_With(bytes);
    Querschnitt* q = Read_Querschnitt(f);
    std::fclose(f);
    return q;
}

// Rectangle 0.3 x 0.5 with two bars; the concrete curve refers to a curve
// added after it (weight 1e-7), the steel law is a built-in one with a
// changed strength, and the extra curve has an empty name.
Querschnitt* Sample() {
    const double y[4] = {-0.15, 0.15, 0.15, -0.15}, z[4] = {-0.25, -0.25, 0.25, 0.25};
    const double by[2] = {-0.1, 0.1}, bz[2] = {-0.2, -0.2}, ba[2] = {3.14e-4, 3.14e-4};
    Querschnitt* q = Build_RC_Querschnitt(7, 4, y, z, 2, by, bz, ba,
                                          Get_Builtin_Spannungsdehnungslinie("B25"),
                                          Get_Builtin_Spannungsdehnungslinie("BSt 500 SA"));
    Spannungsdehnungslinie* concrete = Get_Spannungsdehnungslinie(q, 0);
    Spannungsdehnungslinie* steel = Get_Spannungsdehnungslinie(q, 1);
    steel->p.betaD = 435000;
    Spannungsdehnungslinie_Parameter p;
    Calc_Stahl_Bilinear_Parameter(200000, 500, 20, 0, &p);
    Spannungsdehnungslinie* extra = New_Spannungsdehnungslinie(9, SDL_STAHL, "", &p);
    Add_Spannungsdehnungslinie(q, extra);
    Set_Spannungsdehnungslinie_Bezug(concrete, extra, 1e-7);
    return q;
}

TEST(Xmasque, ExactLines) {
    Querschnitt* q = New_Querschnitt(0, 0);
    EXPECT_EQ(Written(q), "Q 0 0\n0\n0\n0\n0\n");
    Free_Querschnitt(q);
    q = Sample();
    const std::string s = Written(q);
    // The unchanged built-in law: name only, type 0x8001 = 32769.
    EXPECT_NE(s.find("M -25 1\n" + std::string("8421377") + " \xAE" "B25\xAF\n 9.9999999999999995e-08 16\n"),
              std::string::npos)
        << s;
    // The changed one is written as a law of its own, with its parameters.
    EXPECT_NE(s.find("M -5001 2\n2 \xAE" "BSt 500 SA\xAF\n 435000 500000 -2.5 2.5 25 0 1 0 0 0\n"),
              std::string::npos)
        << s;
    EXPECT_NE(s.find("G 1 3\n1 1\n4\n"), std::string::npos) << s;
    Free_Querschnitt(q);
}

TEST(Xmasque, RoundTripKeepsNumbersReferencesAndForces) {
    Querschnitt* q = Sample();
    const std::string text = Written(q);
    for (const std::string& bytes : {text, [&] {
             std::string crlf;
             for (char c : text) crlf += c == '\n' ? std::string("\r\n") : std::string(1, c);
             return crlf;
         }()}) {
        Querschnitt* r = Read(bytes);
        ASSERT_NE(r, nullptr);
        EXPECT_EQ(Written(r), text);
        EXPECT_EQ(r->header.number, 7);
        EXPECT_EQ(r->max_intern, q->max_intern);
        EXPECT_EQ(Get_Querschnittsknoten_Count(r), 6);
        EXPECT_EQ(Get_Querschnittsgruppen_Count(r), 3);
        const Spannungsdehnungslinie* c0 = Get_Spannungsdehnungslinie(r, 0);
        const Spannungsdehnungslinie* c2 = Get_Spannungsdehnungslinie(r, 2);
        EXPECT_EQ(c0->typ, 0x8001);
        EXPECT_EQ(c0->bezug, c2);
        EXPECT_EQ(c0->bezug_gewicht, 1e-7);
        EXPECT_EQ(Get_Element_Refcount(c2), 1);
        EXPECT_STREQ(c2->name, "");
        EXPECT_EQ(Get_Spannungsdehnungslinie(r, 1)->p.betaD, 435000);
        for (int i = 0; i < Get_Querschnittsgruppen_Count(q); ++i)
            EXPECT_EQ(Get_Querschnittsgruppe(r, i)->header.intern,
                      Get_Querschnittsgruppe(q, i)->header.intern);
        const double plane[4] = {0.3, -1.0, 4.0, 0};
        Schnittgroessen a, b;
        Calc_Schnittgroessen_Aus_Dehnung(q, plane, 1, &a);
        Calc_Schnittgroessen_Aus_Dehnung(r, plane, 1, &b);
        EXPECT_DOUBLE_EQ(a.N, b.N);
        EXPECT_DOUBLE_EQ(a.My, b.My);
        Free_Querschnitt(r);
    }
    Free_Querschnitt(q);
}

// The file of the sample with its first "from" replaced by "to".
std::string Sample_With(const std::string& from, const std::string& to) {
    Querschnitt* sample = Sample();
    std::string s = Written(sample);
    Free_Querschnitt(sample);
    const size_t at = s.find(from);
    EXPECT_NE(at, std::string::npos) << from;
    return at == std::string::npos ? s : s.replace(at, from.size(), to);
}

TEST(Xmasque, DamagedFilesAreRefused) {
    const std::string good = Sample_With("", "");
    auto replace = Sample_With;
    const std::string cases[] = {
        "",
        "Q 0\n",
        "X 0 0\n0\n0\n0\n0\n",
        "QQQQQQQQQQQQQQQQQQQQQQQQQQQQQQQQQQQQQQQ 0 0\n0\n0\n0\n0\n",
        good.substr(0, good.size() / 2),
        replace("E 1 ", "N 1 "),                       // another kind where an edge belongs
        replace("0 4 5 0\n", "0 4 99 0\n"),            // an edge to a missing node
        replace("G 1 3\n1 1", "G 1 3\n4 1"),           // group kind 4
        replace("\xAE" "B25\xAF", "\xAE" "B26\xAF"),   // built-in name not in the table
        replace("\xAE" "B25\xAF", "\xAE" + std::string(300, 'x') + "\xAF"),
        replace("\xAE" "B25\xAF", "\xAE" "B25"),
        replace("e-08 16\n", "e-08 17\n"),                 // reference to a missing curve
        replace("Q 7 0\n6\n", "Q 7 0\n-1\n"),
        replace("-0.15 -0.25", "nan -0.25"),
        replace("-0.15 -0.25", "0x1p3 -0.25"),
        // Taken before, and the writer then stopped the program on the
        // section's invariants: an internal number twice (in one list and
        // across lists), one below 1, an area outline left open.
        replace("G 3 15\n", "G 3 13\n"),
        replace("G 3 15\n", "G 3 4\n"),
        replace("G 3 15\n", "G 3 0\n"),
        replace("1 1\n4\n6\n8\n10\n11\n", "1 1\n3\n6\n8\n10\n"),
    };
    for (const std::string& bytes : cases) EXPECT_EQ(Read(bytes), nullptr) << bytes;
}

// Integers beyond the int are refused, not wrapped: each of these is 2^32
// more than the number the good file holds there, which a wrapping reader
// would take for that number.
TEST(Xmasque, OversizedIntegersAreRefused) {
    Querschnitt* again = Read(Sample_With("", ""));
    EXPECT_NE(again, nullptr);
    Free_Querschnitt(again);
    auto replace = Sample_With;
    const std::string cases[] = {
        replace("Q 7 0\n6\n", "Q 7 0\n4294967302\n"),          // a count
        replace("0 4 5 0\n", "0 4 4294967301 0\n"),              // a node reference
        replace("G 1 3\n1 1", "G 1 3\n4294967297 1"),            // a group kind
        replace("M -25 1\n8421377 ", "M -25 1\n4303388673 "),   // a curve type
        replace("M -25 1\n8421377 ", "M -25 1\n0x100808001 "),    // the same as 33 bits of hexadecimal
        replace("Q 7 0\n", "Q 4294967303 0\n"),                  // a number in a head line
    };
    for (const std::string& bytes : cases) EXPECT_EQ(Read(bytes), nullptr) << bytes;
}

TEST(Xmasque, Dumps) {
    Querschnitt* q = Sample();
    FILE* f = std::tmpfile();
    Print_Querschnittsgruppe(f, Get_Querschnittsgruppe(q, 1));
    Print_Querschnittskante(f, Get_Querschnittskante(q, 0));
    EXPECT_EQ(testutil::Stream_All(f),
              " Querschnittsgruppe 2 (13, R0)\n"
              " Spannungsdehnungslinie -5001 (2, R2)\n"
              " Querschnittspunktgruppe mit 1 Punkten:\n"
              " Flaeche 0.000314 bei  Querschnittsknoten 1 (12, R1)\n"
              " Querschnittskante 1 (6, R1)\n"
              "     type = 0, anf = 1, end = 2, stich = 0\n");
    std::fclose(f);
    Free_Querschnitt(q);
}

}  // namespace
