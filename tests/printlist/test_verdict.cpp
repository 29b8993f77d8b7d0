// Verdict markers: exact bytes of the colour escapes, markers and verdict
// lines, suppression, the 200-character limit and the once-only warning.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <string>

#include "base/cp850.h"
#include "base/rounding.h"
#include "printlist/list_capture.h"
#include "printlist/verdict.h"
#include "printlist/verdict_lines.h"

namespace {

TEST(Verdict, MarkersAreBeginTextEnd) {
    EXPECT_EQ(std::string(Color_Blue_Begin()), "\xCE{C 1 40 140 255}");
    EXPECT_EQ(std::string(Color_Red_Begin()), "\xCE{C 1 230 0 0}");
    EXPECT_EQ(std::string(Color_Violet_Begin()), "\xCE{C 1 165 75 165}");
    EXPECT_EQ(std::string(Color_Grey_Begin()), "\xCE{C 1 110 110 110}");
    EXPECT_EQ(std::string(Color_End()), "\xCE{C 768}");
    EXPECT_EQ(std::string(Mark_Ok()), Ok());
    EXPECT_EQ(std::string(Mark_Not_Ok()), NotOk());
    EXPECT_EQ(std::string(Mark_Alert()), Alert());
    EXPECT_EQ(std::string(Mark_Note()), Note());
    EXPECT_EQ(std::string(Mark_EC3_Condition()), EC3());
    EXPECT_EQ(std::string(Line_Proof_Ok()), "\xCE{C 1 40 140 255}Nachweis erbracht\xCE{C 768}");
    EXPECT_EQ(std::string(Line_Proof_Failed()),
              "\xCE{C 1 230 0 0}Tragf\x84higkeit nicht gew\x84hrleistet !!\xCE{C 768}");
}

TEST(Verdict, DistinctMarkersCanShareOneWrite) {
    const char* ok = Mark_Ok();
    const char* bad = Mark_Not_Ok();
    EXPECT_EQ(std::string(ok), Ok());
    EXPECT_EQ(std::string(bad), NotOk());
}

TEST(Verdict, SuppressionEmptiesShortMarkersOnly) {
    Set_Marker_Suppression(1);
    EXPECT_STREQ(Mark_Ok(), "");
    EXPECT_STREQ(Mark_Not_Ok(), "");
    EXPECT_STREQ(Mark_Above_Limit(2.0, 1.0), "\xCE{C 1 230 0 0}\xCEH>\xCEr\xCE{C 768}");
    EXPECT_EQ(std::string(Line_Proof_Failed()).substr(0, 14), "\xCE{C 1 230 0 0}");
    Set_Marker_Suppression(0);
    EXPECT_EQ(std::string(Mark_Ok()), Ok());
}

TEST(Verdict, LimitMarkersUseTheTolerance) {
    EXPECT_STREQ(Mark_Above_Limit(1.0005, 1.0), "=");
    EXPECT_STREQ(Mark_Above_Limit(1.002, 1.0), "\xCE{C 1 230 0 0}\xCEH>\xCEr\xCE{C 768}");
    EXPECT_STREQ(Mark_Above_Limit(0.5, 1.0), "<");
    EXPECT_STREQ(Mark_Below_Limit(0.998, 1.0), "\xCE{C 1 230 0 0}\xCEH<\xCEr\xCE{C 768}");
    EXPECT_STREQ(Mark_Below_Limit(1.5, 1.0), ">");
    EXPECT_STREQ(Mark_Below_Limit(0.9995, 1.0), "=");
}

// A utilisation against 1, and the final result's tolerance band of 3 %,
// just below, on and just above each edge (relative 1e-9 counts as on).
TEST(Verdict, UtilisationAgainstOneAndTheToleranceBand) {
    const struct {
        double u;
        const char* sign;
        int ok, within3;
    } rows[] = {
        {0.5, "<", 1, 0},
        {1 - 2e-9, "<", 1, 0},
        {1 - 5e-10, "\xF3", 1, 0},
        {1.0, "\xF3", 1, 0},
        {1 + 5e-10, "\xF3", 1, 0},
        {1 + 2e-8, ">", 0, 1},  // 1 as a float: never "<= 1  nicht ok"
        {1.03 - 1e-7, ">", 0, 1},
        {1.03, ">", 0, 0},
        {1.03 * (1 + 5e-10), ">", 0, 0},
        {1.03 + 1e-7, ">", 0, 0},
        {std::nan(""), ">", 0, 0},
    };
    for (const auto& r : rows) {
        EXPECT_STREQ(Limit_Compare_Symbol(r.u, 1.0), r.sign) << r.u;
        EXPECT_EQ(Utilisation_Ok(r.u), r.ok) << r.u;
        EXPECT_EQ(std::string(Mark_Utilisation(r.u)), r.ok ? Ok() : NotOk()) << r.u;
        EXPECT_EQ(Within_Verdict_Tolerance(r.u, 3.0), r.within3) << r.u;
        // One text for every line that judges it: within the band against
        // the band's limit, else against 1; the list's tolerance alike.
        const std::string verdict = r.within3 ? "  \xF3  1.03  " + Ok() + "\xCEr (3% Toleranz)"
                                              : std::string("  ") + r.sign + "  1  " + (r.ok ? Ok() : NotOk());
        EXPECT_EQ(Utilisation_Verdict_With(r.u, 3.0), verdict) << r.u;
        Set_Verdict_Tolerance(3.0);
        EXPECT_EQ(Utilisation_Passes(r.u), r.ok || r.within3) << r.u;
        EXPECT_EQ(Utilisation_Verdict(r.u), verdict) << r.u;
        Set_Verdict_Tolerance(0.0);
        EXPECT_EQ(Utilisation_Passes(r.u), r.ok) << r.u;
    }
    // The tolerance's digits as given; none that is no number or negative.
    EXPECT_EQ(Utilisation_Verdict_With(1.02, 2.5), "  \xF3  1.025  " + Ok() + "\xCEr (2.5% Toleranz)");
    for (double t : {-5.0, std::nan("")}) {
        Set_Verdict_Tolerance(t);
        EXPECT_EQ(Get_Verdict_Tolerance(), 0.0);
    }
    EXPECT_EQ(Compare_To_Limit(72 / 0.99999999999999994, 72), 0);
    EXPECT_EQ(Compare_To_Limit(-1.0, 0.0), -1);
    EXPECT_EQ(Compare_To_Limit(0.0, 0.0), 0);
}

// A utilisation above 1 by less than 0.001 counts as 1; 1.001 itself and
// everything else stay as they are.
TEST(Verdict, UtilisationJustAboveOneCountsAsOne) {
    const struct {
        double u, counted;
    } rows[] = {{0.5, 0.5}, {1.0, 1.0}, {1.0005, 1.0}, {1.0009999, 1.0}, {1.001, 1.001}, {1.0011, 1.0011}, {-1.0, -1.0}};
    for (const auto& r : rows) EXPECT_EQ(Round_Utilisation(r.u), r.counted) << r.u;
    EXPECT_TRUE(std::isnan(Round_Utilisation(std::nan(""))));
}

// A line that judges a utilisation as computed (by a check that rounds it)
// says where the rule counted it as 1: at least four decimals, rounded
// (never 1.0010, which the rule no longer takes), the approximately-equal sign between the value and its limit and
// behind the utilisation, the ok marker and the rule; on 1 within the
// comparison's tolerance, below it, and from 1.001 on, the verdict is as it
// was, with three decimals.
TEST(Verdict, ALineSaysWhereTheRuleCountedAsOne) {
    const std::string rule = "  \xF7  1  " + Ok() + "\xCEr (< 1.001 z\x84hlt als 1)";
    const struct {
        double u;
        int counted;
        const char *digits, *sign;
        std::string verdict;
    } rows[] = {
        {0.532, 0, "0.532", "<", "  <  1  " + Ok()},
        // Below 1 as many places as show it below 1, never "1.000  <  1".
        {0.9995, 0, "0.9995", "<", "  <  1  " + Ok()},
        {0.99996, 0, "0.99996", "<", "  <  1  " + Ok()},
        {1 - 2e-9, 0, "0.999999998", "<", "  <  1  " + Ok()},
        {0.99949, 0, "0.999", "<", "  <  1  " + Ok()},
        {1.0, 0, "1.000", "\xF3", "  \xF3  1  " + Ok()},
        {1 + 5e-10, 0, "1.000", "\xF3", "  \xF3  1  " + Ok()},
        {1.0005, 1, "1.0005", "\xF7", rule},           // 435.77 / 435.56 N/mm²: 1.00048
        // Rounded, with the places that keep it below 1.001 as printed:
        // 1.00099983 is 1.0010 at four places, 1.0009998 at seven; within
        // half a unit of the ninth place below 1.001 it is cut there.
        {1.0009999, 1, "1.0009999", "\xF7", rule},
        {1.00099983, 1, "1.0009998", "\xF7", rule},
        {1.00049996, 1, "1.0005", "\xF7", rule},
        {1.0009999998, 1, "1.000999999", "\xF7", rule},
        {1.001, 0, "1.001", ">", "  >  1  " + NotOk()},
        {1.2, 0, "1.200", ">", "  >  1  " + NotOk()},
        {std::nan(""), 0, "nan", ">", "  >  1  " + NotOk()},
    };
    for (const auto& r : rows) {
        EXPECT_EQ(Utilisation_Counted_As_One(r.u), r.counted) << r.u;
        if (std::isfinite(r.u)) {
            EXPECT_STREQ(Utilisation_Digits(r.u), r.digits) << r.u;
        }
        EXPECT_STREQ(Utilisation_Compare_Symbol(435.56 * r.u, 435.56), r.sign) << r.u;
        EXPECT_EQ(Utilisation_Verdict_Computed_With(r.u, 0.0), r.verdict) << r.u;
        // The rule comes before a tolerance: the value counts as 1. A value
        // kept as it is (no rounding check) is judged as it stands.
        if (r.counted) {
            EXPECT_EQ(Utilisation_Verdict_Computed_With(r.u, 2.0), rule) << r.u;
            EXPECT_EQ(Utilisation_Verdict_With(r.u, 0.0), "  >  1  " + NotOk()) << r.u;
        }
    }
    // The line once reported: 435.77 against 435.56 N/mm² (U = 1.00048).
    EXPECT_STREQ(Utilisation_Compare_Symbol(435.77, 435.56), "\xF7");
    EXPECT_STREQ(Utilisation_Digits(435.77 / 435.56), "1.0005");
    EXPECT_STREQ(Utilisation_Compare_Symbol(1.0, 0.0), ">");  // no limit: no rule
    EXPECT_STREQ(Counted_As_One_Rule_Text(), "Ausnutzung \x81" "ber 1 und unter 1.001 z\x84hlt als 1");
}

// A verdict in its two parts: head, a blank and the note make the verdict,
// the note empty where there is none; a value kept as it is shows its
// digits without the rule's four places.
TEST(Verdict, AVerdictHandsOverItsParts) {
    const std::string ok = Ok();
    const struct {
        double u, tolerance;
        std::string head, note;
    } rows[] = {
        {0.5, 0.0, "  <  1  " + ok, ""},
        {1.0005, 0.0, "  \xF7  1  " + ok + "\xCEr", "(< 1.001 z\x84hlt als 1)"},
        {1.02, 5.0, "  \xF3  1.05  " + ok + "\xCEr", "(5% Toleranz)"},
        {1.2, 5.0, "  >  1  " + NotOk(), ""},
    };
    for (const auto& r : rows) {
        Set_Verdict_Tolerance(r.tolerance);
        const Utilisation_Verdict_Parts parts = Utilisation_Verdict_Computed_Parts(r.u);
        EXPECT_EQ(parts.head, r.head) << r.u;
        EXPECT_EQ(parts.note, r.note) << r.u;
        EXPECT_EQ(Utilisation_Verdict_Computed(r.u), r.head + (r.note.empty() ? "" : " " + r.note)) << r.u;
    }
    Set_Verdict_Tolerance(0.0);
    EXPECT_STREQ(Utilisation_Digits_As_Kept(1.0006), "1.001");
    EXPECT_STREQ(Utilisation_Digits_As_Kept(0.9996), "0.9996");
}

// A utilisation's digits read as its verdict judges it: below 1 under it,
// above 1 over it, within a tolerance band below the band's limit (the band
// is open at its top: on the limit it fails), beyond the band above it;
// where the rule counts it as 1 above 1. Places are added one at a time
// from those asked for (1.0299999 needs seven to read below 1.03).
TEST(Verdict, DigitsAsManyAsTheVerdictNeeds) {
    const struct {
        double u, tolerance;
        int places;  // 3: Utilisation_Digits_With; 0: kept as it is
        const char* digits;
    } rows[] = {
        {1.0299999, 3.0, 3, "1.0299999"}, {1.0300001, 3.0, 3, "1.0300001"}, {1.03, 3.0, 3, "1.030"},
        {1.010001, 1.0, 3, "1.010001"},   {1.02, 3.0, 3, "1.020"},         {1.2, 3.0, 3, "1.200"},
        {1.0000004, 0.0, 3, "1.0000004"}, {1.0005, 0.0, 3, "1.0005"},      {1 + 2e-8, 0.0, 0, "1.00000002"},
        {1.0299999, 0.0, 3, "1.030"},     {0.99949, 3.0, 3, "0.999"},
    };
    for (const auto& r : rows) {
        EXPECT_STREQ(r.places ? Utilisation_Digits_With(r.u, r.tolerance) : Utilisation_Digits_As_Kept_With(r.u, r.tolerance),
                     r.digits)
            << r.u;
    }
    // Two places, as the DIN ratios print them, under the list's tolerance.
    const struct {
        double u, tolerance;
        const char* digits;
    } two[] = {{0.5, 0.0, "0.50"},   {0.9951, 0.0, "0.995"},  {1.0, 0.0, "1.00"},        {1.0005, 0.0, "1.0005"},
               {1.0012, 0.0, "1.001"}, {1.0049, 0.0, "1.005"}, {1.01 + 1e-6, 1.0, "1.010001"}, {1.0099, 1.0, "1.0099"}};
    for (const auto& r : two) {
        Set_Verdict_Tolerance(r.tolerance);
        EXPECT_STREQ(Utilisation_Digits_Places(r.u, 2), r.digits) << r.u;
    }
    Set_Verdict_Tolerance(0.0);
}

// A value and its limit print with the places given, and with one more
// at a time until the sign holds for the digits; nine places that cannot
// make it hold leave the first places and the approximately-equal sign.
TEST(Verdict, APrintedPairHoldsForItsDigits) {
    const struct {
        double value;
        int value_places;
        const char* sign;
        double limit;
        int limit_places;
        const char *value_text, *sign_text, *limit_text;
    } rows[] = {
        {200.0, 2, "<", 435.56, 2, "200.00", "<", "435.56"},
        {359.999964, 2, "<", 360.0, 2, "359.99996", "<", "360.00000"},  // 360.00 < 360.00 at two places
        {12.4699, 2, "<", 12.47, 2, "12.4699", "<", "12.4700"},
        {6.2449, 2, ">", 6.2351, 2, "6.245", ">", "6.235"},
        {120.04, 1, ">", 120.0, 1, "120.04", ">", "120.00"},
        {4.96, 1, "<", 5.0, 0, "4.96", "<", "5.0"},  // 5.0 < 5 at the places asked for
        // Nearly a unit of the last place apart and still one number at two
        // places: 1.0051 and 1.0149 both print 1.01.
        {1.0051, 2, "<", 1.0149, 2, "1.005", "<", "1.015"},
        {1.0149, 2, ">", 1.0051, 2, "1.015", ">", "1.005"},
        {42.99999, 2, "<", 43.0, 2, "42.99999", "<", "43.00000"},
        {355.0, 2, "\xF3", 355.0, 2, "355.00", "\xF3", "355.00"},
        {1.0 + 1e-12, 2, "<", 1.0, 2, "1.00", "\xF7", "1.00"},
        {2.0, 2, "<", 1.0, 2, "2.00", "\xF7", "1.00"},
    };
    // The pair as its lines print it: "%.*lf", the sign, "%.*lf".
    auto printed = [](const Compared_Pair& p) {
        char text[128];
        std::snprintf(text, sizeof text, "%.*f %s %.*f", p.value_places, p.value, p.sign, p.limit_places, p.limit);
        return std::string(text);
    };
    for (const auto& r : rows) {
        const Compared_Pair p = Compare_Pair(r.value, r.value_places, r.sign, r.limit, r.limit_places);
        EXPECT_EQ(printed(p), std::string(r.value_text) + " " + r.sign_text + " " + r.limit_text) << r.value;
    }
    // The sign of a pair whose ratio is a utilisation: the rule's where it
    // counts the ratio as 1 (435.77 / 435.56 = 1.00048).
    EXPECT_EQ(printed(Utilisation_Pair(435.77, 435.56, 2)), "435.77 \xF7 435.56");
}

TEST(Verdict, WrappedTextsAndTheirLimit) {
    EXPECT_STREQ(Color_Grey_Text("LF 1"), "\xCE{C 1 110 110 110}LF 1\xCE{C 768}");
    EXPECT_STREQ(Color_Red_Text("Fehler"), "\xCE{C 1 230 0 0}\xCEHFehler !!\xCE{C 768}");
    EXPECT_STREQ(Color_Violet_Text("x"), "\xCE{C 1 165 75 165}x\xCE{C 768}");
    const std::string t200(200, 'x'), t201(201, 'x');
    EXPECT_EQ(std::string(Color_Grey_Text(t200.c_str())), "\xCE{C 1 110 110 110}" + t200 + "\xCE{C 768}");
    EXPECT_EQ(std::string(Color_Grey_Text(t201.c_str())), NotOk());
    // A text full of format directives is data, not a format.
    EXPECT_STREQ(Color_Grey_Text("%s%n"), "\xCE{C 1 110 110 110}%s%n\xCE{C 768}");
}

TEST(Verdict, LinesIntoThePrintList) {
    ListCapture c;
    Line_Calc_Error(c.f(), "");
    Line_Calc_Error(c.f(), "des Schweißnahtnachweises"_cp);
    Line_Proof_Not_Possible(c.f(), "");
    Line_Proof_Not_Possible(c.f(), "Kap. 2");
    Line_Text_Ok(c.f(), "100%s");
    Line_Not_Calculated(c.f(), "");
    Line_Not_Calculated(c.f(), "Stahlprofil");
    Line_Data_Check_Error(c.f(), "Blech");
    Line_Red_Alert(c.f(), "Achtung");
    Line_Violet_Warning(c.f(), "Hinweis");
    const auto lines = Text_Lines(c.Take());
    const std::string red = "\xCE{C 1 230 0 0}", end = "\xCE{C 768}";
    ASSERT_EQ(lines.size(), 10u);
    EXPECT_EQ(lines[0], "\xCEH" + red + "Fehler bei der Berechnung !!" + end);
    EXPECT_EQ(lines[1], "\xCEH" + red + "Fehler bei der Berechnung des Schwei\xE1nahtnachweises !!" + end);
    EXPECT_EQ(lines[2], "\xCEHDer Nachweis konnte nicht erbracht werden " + Alert());
    EXPECT_EQ(lines[3], "\xCEHDer Nachweis konnte nicht erbracht werden, s. Kap. 2 " + Alert());
    EXPECT_EQ(lines[4], "100%s  " + Ok());
    EXPECT_EQ(lines[5], "Berechnung nicht durchgef\x81hrt " + Note());
    EXPECT_EQ(lines[6], "Stahlprofil: Berechnung nicht durchgef\x81hrt " + Note());
    EXPECT_EQ(lines[7], red + "Fehler beim Datencheck Blech  !" + end);
    EXPECT_EQ(lines[8], red + "Achtung !!" + end);
    EXPECT_EQ(lines[9], "\xCE{C 1 165 75 165}Hinweis !" + end);
}

TEST(Verdict, WarningLineOncePerRaising) {
    ListCapture c;
    EC3_Detailing_Warning_Flag = 1;
    Line_EC3_Condition_Warning(c.f());
    Line_EC3_Condition_Warning(c.f());
    EXPECT_EQ(EC3_Detailing_Warning_Flag, 0);
    const auto lines = Text_Lines(c.Take());
    ASSERT_EQ(lines.size(), 1u);
    EXPECT_EQ(lines[0], "\xCE{C 1 230 0 0}Bedingung nach EC 3-1-8 sollte eingehalten werden !!\xCE{C 768}");
    // Nothing for a null list, and the flag stays raised for the next list.
    EC3_Detailing_Warning_Flag = 1;
    Line_EC3_Condition_Warning(nullptr);
    EXPECT_EQ(EC3_Detailing_Warning_Flag, 1);
    EC3_Detailing_Warning_Flag = 0;
}

TEST(Verdict, DefaultPair) {
    double a = 0, b = 0;
    Set_Default_Pair(7, &a, &b);
    EXPECT_EQ(a, 18.0);
    EXPECT_EQ(b, 24.0);
    Set_Default_Pair(0, nullptr, nullptr);
}

}  // namespace
