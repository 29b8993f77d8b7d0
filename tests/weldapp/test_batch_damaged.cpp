// Damaged input through the batch path, as the desktop runs the program: a
// profile-file record that holds no number, impossible plate and profile
// dimensions, forces and a contact share no result can hold, a damaged byte
// in a number, a cut annex file, and writes of the list and the plot file
// that fail or were cut off by a killed run. Each run is judged by its final
// result, its console and the files left in the project folder: a damaged
// input never ends "Nachweis erbracht", never prints a non-number, never opens
// a message box, and the old list and plot file stay together when the new
// pair cannot be written.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <cstring>
#include <filesystem>
#include <regex>
#include <sstream>
#include <string>
#include <vector>

#include "support/testutil.h"
#include "support/xvfb.h"
#include "weldapp/batch_desktop.h"

namespace {

namespace fs = std::filesystem;
using Names = std::vector<std::string>;

const std::string kVerified = "Nachweis erbracht";
const std::string kNotVerified = "Tragf\x84higkeit nicht gew\x84hrleistet !!";
const std::string kRun = "0 1 1 -refresh";

// The text with its first `from` replaced; the test fails when it is absent.
std::string Replaced(const std::string& text, const std::string& from, const std::string& to) {
    const size_t at = text.find(from);
    EXPECT_NE(at, std::string::npos) << from;
    if (at == std::string::npos) return text;
    return text.substr(0, at) + to + text.substr(at + from.size());
}

void Edit(Desktop& d, const std::string& name, const std::string& from, const std::string& to) {
    testutil::Write_File(d.project + "/" + name, Replaced(d.File(name), from, to));
}

// "nan" or "inf" as a word: a value printed that is no number.
bool Has_Non_Number(const std::string& list) {
    static const std::regex word("(^|[^A-Za-z])-?(nan|inf)([^A-Za-z]|$)", std::regex::icase);
    return std::regex_search(list, word);
}

// A run of damaged input: its list fails the verdict, holds no non-number,
// and no message box was shown.
void Expect_Refused_Run(const Desktop& d, const std::string& list, const std::string& what) {
    EXPECT_NE(list.find(kNotVerified), std::string::npos) << what;
    EXPECT_EQ(list.find(kVerified), std::string::npos) << what;
    EXPECT_FALSE(Has_Non_Number(list)) << what;
    EXPECT_EQ(d.err.find("message box"), std::string::npos) << what << "\n" << d.err;
}

// The batch run of the example with `from` in its input file edited into
// `to`, judged as a refused run; its list.
std::string Run_Edited(Desktop& d, const std::string& example, const std::string& id, const std::string& from,
                       const std::string& to) {
    d.Add(example, id);
    Edit(d, id + "_01.INP", from, to);
    EXPECT_EQ(d.Run(id + " " + kRun), 1) << d.err;
    const std::string list = d.File(id + "_01.OLI");
    Expect_Refused_Run(d, list, to);
    return list;
}

// Sets value `index` of the record `name` of a PROFIL file (160-byte
// records: 16 name bytes, 35 little-endian float32 values).
void Patch_Profil(const std::string& path, const std::string& name, int index, float value) {
    std::string bytes = testutil::Read_File(path);
    for (size_t at = 0; at + 160 <= bytes.size(); at += 160) {
        if (bytes.compare(at, name.size(), name) != 0 || bytes[at + name.size()] != ' ') continue;
        uint32_t u;
        std::memcpy(&u, &value, 4);
        for (int k = 0; k < 4; ++k) bytes[at + 16 + 4 * index + k] = static_cast<char>(u >> (8 * k));
        testutil::Write_File(path, bytes);
        return;
    }
    ADD_FAILURE() << name << " not in the profile file";
}

}  // namespace

// The catalogue values of HE280A damaged one at a time (h, A, I_T; a NaN and
// an infinity): every cross-section check printed "nan" and the maximum
// skipped it, so the list ended "Nachweis erbracht". Values that disagree
// with the record's dimensions did the same: one flipped bit in I_y (13670
// -> 27340 cm4) ended "erbracht" at 0.552 instead of 0.620; a doubled area
// and a halved flange likewise. The record is refused and named on the
// console, the halved flange with what the other values give for it; the
// cross-section check cannot be made.
TEST(BatchDamaged, ProfileFileValueThatIsNoNumber) {
    struct Case {
        int index;
        float value;
        std::string named;
    } cases[] = {{0, std::nanf(""), "Wert Nr. 0 ist keine g\x81ltige Zahl"},
                 {4, std::nanf(""), "Wert Nr. 4 ist keine g\x81ltige Zahl"},
                 {23, HUGE_VALF, "Wert Nr. 23 ist keine g\x81ltige Zahl"},
                 {9, 27340.0f, "Wert Nr. 9 = 27340 passt nicht zu den Abmessungen"},
                 {4, 194.6f, "Wert Nr. 4 = 194.6 passt nicht zu den Abmessungen"},
                 // Half the flange thickness: what the others give is 1.3 cm.
                 {3, 0.65f, "Wert Nr. 3 = 0.65 passt nicht zu den Abmessungen (1.3)"}};
    for (const Case& c : cases) {
        Desktop d;
        d.Add("he280a_end_plate", "A001");
        Patch_Profil(d.dir.file("data/PROFIL"), "HE280A", c.index, c.value);
        ASSERT_EQ(d.Run("A001 " + kRun), 1) << d.err;
        const std::string list = d.File("A001_01.OLI");
        Expect_Refused_Run(d, list, c.named);
        EXPECT_NE(d.err.find("Profil HE280A, " + c.named), std::string::npos) << d.err;
        EXPECT_NE(list.find("Der Nachweis kann nicht gef\x81hrt werden"), std::string::npos);
        EXPECT_EQ(d.Files(), (Names{"A0010001.SPF", "A001_01.INP", "A001_01.OLI", "A001_01.TXT"}));
    }
}

// Values beyond what the input's fields take, in a file edited by hand:
// before, each was read and only the check said something of it (plate
// thicknesses below 1 mm, a negative profile dimension, an own partial
// factor of 1e-308 that made every resistance infinite, forces of 1e308 N
// that printed "inf", a contact share of 150 %), or nothing at all (a throat
// of 100 m ended "Nachweis erbracht" with a negative effective length, a
// plate 1e300 mm thick printed a number of 301 digits). The file is refused
// whole, each value named with its line and the range its field takes
// (codes/input_ranges.h), on the list and the console; no plot file.
TEST(BatchDamaged, ValuesOutsideTheFieldsRangesRefuseTheFile) {
    const std::string plate = " 35.000000 0.000000 0.000000", share = " 7.000000 0 0 0 0.750000";
    const struct {
        const char *example, *id;
        std::string from, to, line, console;
    } cases[] = {
        {"flat_bar", "C001", plate, " -8.000000 0.000000 0.000000",
         "Zeile 21: Blechdicke t\xCE\\p\xCEr = -8 mm ung\x81ltig (nicht zwischen 1 und 1000 mm)",
         "line 21: t_p = -8 mm not between 1 and 1000 mm"},
        {"flat_bar", "C001", plate, " 0.000000 0.000000 0.000000",
         "Zeile 21: Blechdicke t\xCE\\p\xCEr = 0 mm ung\x81ltig (nicht zwischen 1 und 1000 mm)",
         "line 21: t_p = 0 mm not between 1 and 1000 mm"},
        {"flat_bar", "C001", plate, " 1e300 0.000000 0.000000",
         "Zeile 21: Blechdicke t\xCE\\p\xCEr = 1e+300 mm ung\x81ltig (nicht zwischen 1 und 1000 mm)",
         "line 21: t_p = 1e+300 mm not between 1 and 1000 mm"},
        {"flat_bar", "C001", " 0 1 200.000000 20.000000", " 0 1 200.000000 -8.000000",
         "Zeile 12: Profil: t\xCE\\w\xCEr = -8 mm ung\x81ltig (nicht zwischen 0 und 10000 mm)",
         "line 12: profile t_w = -8 mm not between 0 and 10000 mm"},
        {"flat_bar", "C001", " 1\n 1.000000 1.100000", " 0\n 1e-308 1.100000",
         "Zeile 5: Teilsicherheitsbeiwert \xC0\xCE\\M0\xCEr = 1e-308 ung\x81ltig (nicht zwischen 0.5 und 3)",
         "line 5: gamma_M0 = 1e-308 not between 0.5 and 3"},
        {"flat_bar", "C001", " 6.000000 200.000000 2", " 100000 200.000000 2",
         "Zeile 27: Nahtdicke a\xCE\\w2\xCEr = 100000 mm ung\x81ltig (nicht zwischen 0 und 200 mm)",
         "line 27: a_w2 = 100000 mm not between 0 and 200 mm"},
        {"flat_bar", "C001", " 6.000000 20.000000 1\n", " -1 20.000000 1\n",
         "Zeile 26: Nahtdicke a\xCE\\w1\xCEr = -1 mm ung\x81ltig (nicht zwischen 0 und 200 mm)",
         "line 26: a_w1 = -1 mm not between 0 and 200 mm"},
        // A single weld up to its edge of the profile: the bar's 20 mm
        // thickness, its 200 mm height; HE 280 A's inner flange face
        // (280 - 8) / 2 - 24 = 112 mm. Before, a longer weld was checked
        // with more weld than the profile has room for.
        {"flat_bar", "C001", " 6.000000 20.000000 4", " 6.000000 12000 4",
         "Zeile 29: Nahtl\x84nge l\xCE\\w4\xCEr = 12000 mm ung\x81ltig (nicht zwischen 0 und 20 mm)",
         "line 29: l_w4 = 12000 mm not between 0 and 20 mm"},
        {"flat_bar", "C001", " 6.000000 200.000000 2", " 6.000000 250 2",
         "Zeile 27: Nahtl\x84nge l\xCE\\w2\xCEr = 250 mm ung\x81ltig (nicht zwischen 0 und 200 mm)",
         "line 27: l_w2 = 250 mm not between 0 and 200 mm"},
        {"he280a_end_plate", "A001", " 1 12\n 7.000000 280.000000 1\n 7.000000 112.000000 2",
         " 0 12\n 7.000000 280.000000 1\n 7.000000 150 2",
         "Zeile 27: Nahtl\x84nge l\xCE\\w2\xCEr = 150 mm ung\x81ltig (nicht zwischen 0 und 112 mm)",
         "line 27: l_w2 = 150 mm not between 0 and 112 mm"},
        {"flat_bar", "C001", " 1 0 1 1 1 5.000000", " 1 0 1 1 1 500",
         "Zeile 41: Ma\xE1stab der Grafik = 500 ung\x81ltig (nicht zwischen 0 und 100)",
         "line 41: scale = 500 not between 0 and 100"},
        {"he280a_end_plate", "A001", " -450000.000000 60000000.000000", " 1e308 60000000.000000",
         "Zeile 42: Lastfall 1: N = 1e+308 N ung\x81ltig (nicht zwischen -1e+15 und 1e+15 N)",
         "line 42: load case 1: N = 1e+308 N not between -1e+15 and 1e+15 N"},
        {"he280a_end_plate", "A001", " 50000.000000 20000000.000000 15000.000000 20000000.000000",
         " 50000.000000 20000000.000000 15000.000000 -1e16",
         "Zeile 58: Lastfall 9: M\xCE\\z\xCEr = -1e+16 Nmm ung\x81ltig (nicht zwischen -1e+15 und 1e+15 Nmm)",
         "line 58: load case 9: M_z = -1e+16 Nmm not between -1e+15 and 1e+15 Nmm"},
        {"he280a_end_plate", "A001", share, " 7.000000 0 0 0 1.5",
         "Zeile 38: Kontaktabtrag = 150 % ung\x81ltig (nicht zwischen 0 und 100 %)",
         "line 38: contact share = 150 % not between 0 and 100 %"},
        // A fraction whose percent is no number is too large.
        {"he280a_end_plate", "A001", share, " 7.000000 0 0 0 1e308",
         "Zeile 38: Kontaktabtrag zu gro\xE1 (nicht zwischen 0 und 100 %)",
         "line 38: contact share too large not between 0 and 100 %"},
    };
    for (const auto& c : cases) {
        Desktop d;
        const std::string input = c.id + std::string("_01.INP");
        const std::string list = Run_Edited(d, c.example, c.id, c.from, c.to);
        EXPECT_NE(list.find("\n Eingabedatei " + input + ": " + c.line + "\n Es wurde kein Nachweis gef\x81hrt.\n"),
                  std::string::npos)
            << c.to << "\n" << list;
        EXPECT_NE(d.err.find(input + ": input file cannot be read (" + c.console + "); no check is made"),
                  std::string::npos)
            << d.err;
        EXPECT_EQ(d.Files(), (Names{input, c.id + std::string("_01.OLI"), c.id + std::string("_01.TXT")}));
    }
}

// Every value out of range is named, in the order of the file; after the
// twelfth a line says how many more there are: gamma_M under DIN 18800
// (line 2), a_w2 (line 27), then the six forces of each of the three load
// cases (lines 34, 36, 38): 12 named, 8 more.
TEST(BatchDamaged, EachValueOutOfRangeIsNamed) {
    Desktop d;
    d.Add("flat_bar", "C001");
    std::string input = Replaced(d.File("C001_01.INP"), " 0 0 0 0 1.100000", " 1 0 0 0 0.1");
    input = Replaced(input, " 6.000000 200.000000 2", " 250 200.000000 2");
    for (const char* load : {" -45000.000000 6000000.000000 4000.000000", " -30000.000000 9000000.000000 6000.000000",
                             " 15000.000000 4500000.000000 3000.000000"})
        input = Replaced(input, load + std::string(" 0.000000 0.000000 0.000000"), " 2e15 -2e15 2e15 2e15 2e15 2e15");
    testutil::Write_File(d.project + "/C001_01.INP", input);
    EXPECT_EQ(d.Run("C001 " + kRun), 1);
    const std::string list = d.File("C001_01.OLI");
    const std::string head = "\n Eingabedatei C001_01.INP: ";
    EXPECT_NE(list.find(head + "Zeile 2: Teilsicherheitsbeiwert \xC0\xCE\\M\xCEr = 0.1 ung\x81ltig (nicht zwischen 0.5 und 3)" +
                        head + "Zeile 27: Nahtdicke a\xCE\\w2\xCEr = 250 mm ung\x81ltig (nicht zwischen 0 und 200 mm)" + head +
                        "Zeile 34: Lastfall 1: N = 2e+15 N ung\x81ltig (nicht zwischen -1e+15 und 1e+15 N)" + head +
                        "Zeile 34: Lastfall 1: M\xCE\\y\xCEr = -2e+15 Nmm ung\x81ltig (nicht zwischen -1e+15 und 1e+15 Nmm)"),
              std::string::npos)
        << list;
    EXPECT_NE(list.find(head + "Zeile 36: Lastfall 2: M\xCE\\z\xCEr = 2e+15 Nmm ung\x81ltig (nicht zwischen -1e+15 und 1e+15 Nmm)" +
                        head + "... und 8 weitere Werte au\xE1" "erhalb ihres Bereichs\n Es wurde kein Nachweis gef\x81hrt.\n"),
              std::string::npos)
        << list;
    EXPECT_NE(d.err.find("(line 2: gamma_M = 0.1 not between 0.5 and 3; line 27: a_w2 = 250 mm not between 0 and 200 mm; "
                         "line 34: load case 1: N = 2e+15 N not between -1e+15 and 1e+15 N;"),
              std::string::npos)
        << d.err;
    EXPECT_NE(d.err.find("; ... and 8 more values out of range); no check is made"), std::string::npos) << d.err;
    Expect_Refused_Run(d, list, "many");
}

// The "." of the plate width "0.000000" changed to "X" was read as the
// hexadecimal number 0X000000: the file passed as undamaged. Now the number
// ends at the X, the next field fails, and the file is refused: a short list
// names the line (21, the plate's) and says that no check was made; the old
// plot file goes with the old list.
TEST(BatchDamaged, DamagedByteInANumberIsNoNumber) {
    for (const char* to : {" 35.000000 0X000000 0.000000", " 35.000000 0x1p3 0.000000", " 35.000000 nan 0.000000"}) {
        Desktop d;
        d.Add("flat_bar", "C001");
        Edit(d, "C001_01.INP", " 35.000000 0.000000 0.000000", to);
        testutil::Write_File(d.project + "/C001_01.OLI", "old list\n");
        testutil::Write_File(d.project + "/C0010001.SPF", "old plot\n");
        EXPECT_EQ(d.Run("C001 " + kRun), 1);
        EXPECT_NE(d.err.find("C001_01.INP: input file cannot be read"), std::string::npos) << d.err;
        const std::string list = d.File("C001_01.OLI");
        EXPECT_NE(list.find("\n Eingabedatei C001_01.INP: Zeile 21 besch\x84" "digt"), std::string::npos) << to;
        EXPECT_NE(list.find("\n Es wurde kein Nachweis gef\x81hrt.\n"), std::string::npos) << to;
        EXPECT_NE(list.find(kNotVerified), std::string::npos) << to;
        EXPECT_EQ(d.Files(), (Names{"C001_01.INP", "C001_01.OLI", "C001_01.TXT"}));
    }
}

// Values no input of the program gives, in place of good ones: a word that
// only begins with a number ("12abc" where an int stands), a switch or a
// choice beyond its list, a negative weld size, a grade the grade table
// lacks, a negative material value, a catalogue profile's negative measure,
// a damaged annex entry.
// Before, each was read (the
// number's head taken and its rest left to the preface, a switch of -1 taken
// for a method or a unit) and the run ended "Nachweis erbracht": the RHS
// connection that fails its check among them, with a weld method of -1. Each
// file is refused whole, at the line where the value stands.
TEST(BatchDamaged, ValuesNoInputGivesRefuseTheFile) {
    const struct {
        const char *example, *id;
        std::string from, to;
        int line;
        const char* named;  // the value named with its range; null: the line is damaged
    } cases[] = {
        {"he280a_end_plate", "A001", " 0\n\n\nACTIV_NADNAME", " 12abc\n\n\nACTIV_NADNAME", 64, nullptr},  // preface length
        {"rhs_160x80", "B001", " 0 0 0 0 1.100000\n", " 0 0 0 -1 1.100000\n", 2,
         "Verfahren des Nahtnachweises = -1 ung\x81ltig (nicht zwischen 0 und 1)"},
        {"din_he200a", "D001", " 1 1 0 0 1.100000\n", " -1 1 0 0 1.100000\n", 2,
         "Vorschrift = -1 ung\x81ltig (nicht zwischen 0 und 1)"},
        {"flat_bar", "C001", " 6.000000 20.000000 1\n", " 6.000000 20.000000 21\n", 26,
         "Platz 1: Nahtnummer = 21 ung\x81ltig (nicht zwischen 0 und 20)"},
        {"he280a_end_plate", "A001", " 0\n 7\n", " -1\n 7\n", 61,
         "Einheit der Lastf\x84lle = -1 ung\x81ltig (nicht zwischen 0 und 3)"},
        {"flat_bar", "C001", "\n 0 0 0.000000", "\n 27 0 0.000000", 9,
         "Werkstoff: Stahlsorte Nr. = 27 ung\x81ltig (nicht zwischen 0 und 26)"},
        {"flat_bar", "C001", " 0.800000 210000.000000", " 0.800000 -1", 9, "Werkstoff: E = -1 ung\x81ltig (negativ)"},
        {"he280a_end_plate", "A001", " 1 5 270.000000 8.000000 280.000000", " 1 5 270.000000 8.000000 -1", 19, nullptr},
        {"flat_bar", "C001", " 1 0 1 1 1 5.000000", " 1 -1 1 1 1 5.000000", 41,
         "Ausdrucksteuerung: Zusatzinformationen = -1 ung\x81ltig (nicht zwischen 0 und 1)"},
        // The annex entry behind the record: a letter of its keyword or its
        // name gone. Before, the German set stood in for the annex chosen.
        {"he280a_end_plate", "A001", "\nACTIV_NADNAME\n", "\nACTIV_NADNAM.\n", 67, nullptr},
        {"flat_bar", "C001", "\xAE" "Deutschland\xAF\n", "\n", 45, nullptr},
    };
    for (const auto& c : cases) {
        Desktop d;
        d.Add(c.example, c.id);
        const std::string input = c.id + std::string("_01.INP");
        Edit(d, input, c.from, c.to);
        const std::string bytes = d.File(input);
        EXPECT_EQ(d.Run(c.id + std::string(" ") + kRun), 1) << c.to;
        const std::string list = d.File(c.id + std::string("_01.OLI"));
        const std::string why = c.named ? std::string(": ") + c.named : std::string(" besch\x84" "digt");
        EXPECT_NE(list.find("\n Eingabedatei " + input + ": Zeile " + std::to_string(c.line) + why), std::string::npos)
            << c.to << list.substr(list.find("Eingabedatei"), 200);
        Expect_Refused_Run(d, list, c.to);
        EXPECT_EQ(d.File(input), bytes);
    }
}

// A correlation factor beta_w outside 0.5 .. 1 where the material takes it
// as given (own values), which the window refuses when typed: before, a 0
// ended in "Fehler bei der Berechnung des Schweißnahtnachweises". The file
// is refused at its line with beta_w and its range named; list and console
// say so. The connection's material (line 9) and the plate's (line 23);
// beta_w = 1 (own values) is read.
TEST(BatchDamaged, BetaWOutsideItsRangeIsRefusedByName) {
    const std::string own = " 0 1 0.000000 0.000000 ", plate = " 35.000000 0.000000 0.000000\n 2\n";
    const struct {
        std::string from, to;
        const char* named;  // null: read
        int line;
    } cases[] = {
        {" 0 0 0.000000 0.000000 0.800000", own + "0.000000", "0", 9},
        {plate + " 0 0 0.000000 0.000000 0.800000", plate + own + "1.200000", "1.2", 23},
        {" 0 0 0.000000 0.000000 0.800000", own + "1.000000", nullptr, 0},
    };
    for (const auto& c : cases) {
        Desktop d;
        d.Add("flat_bar", "C001");
        Edit(d, "C001_01.INP", c.from, c.to);
        EXPECT_EQ(d.Run("C001 " + kRun), 1) << d.err;
        const std::string list = d.File("C001_01.OLI");
        EXPECT_EQ(list.find("Fehler bei der Berechnung"), std::string::npos) << c.to;
        if (!c.named) {
            EXPECT_EQ(d.err.find("cannot be read"), std::string::npos) << d.err;
            EXPECT_NE(list.find(kVerified), std::string::npos);
            continue;
        }
        EXPECT_NE(list.find("\n Eingabedatei C001_01.INP: Zeile " + std::to_string(c.line) +
                            ": Korrelationsbeiwert \xBB\xCE\\w\xCEr = " + c.named +
                            " ung\x81ltig (nicht zwischen 0.5 und 1)\n Es wurde kein Nachweis gef\x81hrt.\n"),
                  std::string::npos)
            << list;
        EXPECT_NE(d.err.find("C001_01.INP: input file cannot be read (line " + std::to_string(c.line) + ": beta_w = " +
                             std::string(c.named) +
                             " not between 0.5 and 1); no check is made"),
                  std::string::npos)
            << d.err;
        Expect_Refused_Run(d, list, c.to);
    }
}

// A user annex "Eigen" (the German set with gamma_M2 = 1.40) cut short: inside
// its EN 1993 section, just before it, inside the EN 1992 section. Before, a
// cut before the section passed as "NA: Eigen" with the recommended
// gamma_M2 = 1.25 (and a cut inside it even left the part read). A cut file
// is now unreadable like any other: the recommended values under their own
// name, with the note and the console line; and since the recommended
// gamma_M2 = 1.25 is below the file's 1.40, no load case is checked with
// them and nothing is called verified. Only the whole file gives 1.40.
TEST(BatchDamaged, CutAnnexFileIsUnreadable) {
    std::string annex = testutil::Read_File(std::string(WELD_SOURCE_DIR) + "/data/NAD/Deutschland.NAD");
    annex = Replaced(annex, "\xAE" "Deutschland\xAF", "\xAE" "Eigen\xAF");
    annex = Replaced(annex, " 4 1.000000 1.100000 1.250000", " 4 1.000000 1.100000 1.400000");
    const size_t zo3 = annex.find("#ZO3"), ec2 = annex.find("#EC2");
    const std::string gamma = "Blechen auf Lochleibung \xC0\xCE\\M2\xCEr = ";
    struct Case {
        size_t keep;
        bool whole;
    } cases[] = {{annex.size(), true}, {zo3 + 40, false}, {zo3 + 5, false}, {zo3 - 2, false}, {ec2 + 100, false}};
    for (const Case& c : cases) {
        Desktop d;
        d.Add("he280a_end_plate", "A001");
        fs::create_directories(d.dir.file("dram/NADS"));
        testutil::Write_File(d.dir.file("dram/NADS/1.NAD"), annex.substr(0, c.keep));
        Edit(d, "A001_01.INP", "\xAE" "Deutschland\xAF", "\xAE" "Eigen\xAF");
        ASSERT_EQ(d.Run("A001 " + kRun), 1) << d.err;
        const std::string list = d.File("A001_01.OLI");
        const std::string what = "kept " + std::to_string(c.keep);
        EXPECT_EQ(d.err.find("message box"), std::string::npos) << d.err;
        if (c.whole) {
            EXPECT_NE(list.find(", NA: Eigen (benutzerdefiniert)\n"), std::string::npos);
            EXPECT_NE(list.find(gamma + "1.40"), std::string::npos);
            EXPECT_EQ(d.err, "");
            // The governing case is the cross-section check with gamma_M0 =
            // 1.0 (U = 0.620, worked out in BatchRun.FirstExampleHead...).
            EXPECT_NE(list.find("Querschnitt\xCEtLk 10\xCEtU\xCE\\\xCC\xCEr = 0.620  <  1"), std::string::npos) << what;
        } else {
            EXPECT_NE(list.find(", NA: EC-Standardparameter\n"), std::string::npos) << what;
            EXPECT_NE(list.find("HINWEIS: NAD \"Eigen\" nicht lesbar - es gelten die EC-Standardparameter"),
                      std::string::npos)
                << what;
            EXPECT_NE(list.find(gamma + "1.25"), std::string::npos) << what;
            EXPECT_NE(d.err.find("NAD \"Eigen\" nicht lesbar: es gelten die EC-Standardparameter"), std::string::npos)
                << what << d.err;
            EXPECT_NE(list.find("NAD \"Eigen\" nicht lesbar  \x88  Nachweise werden nicht gef\x81hrt"),
                      std::string::npos)
                << what;
            EXPECT_EQ(list.find("Nachweis erbracht"), std::string::npos) << what;
            EXPECT_EQ(list.find("max U ="), std::string::npos) << what;
        }
        EXPECT_EQ(d.Files(), (Names{"A0010001.SPF", "A001_01.INP", "A001_01.OLI", "A001_01.TXT"}));
    }
}

// Without EXEC or the private data path nothing is done, and the console
// says so. (A missing input file is in
// FailedRuns.InputThatCannotBeReadReplacesTheVerifiedList.)
TEST(BatchDamaged, MissingDesktopIsSaidOnTheConsole) {
    Desktop e;
    e.Add("flat_bar", "C001");
    EXPECT_EQ(e.Run("C001 " + kRun, false), 0);
    EXPECT_NE(e.err.find("EXEC (the program directory) not set; nothing done"), std::string::npos) << e.err;
    EXPECT_EQ(e.Files(), (Names{"C001_01.INP", "C001_01.TXT"}));
}

// List and plot file of one run, together: a run killed at any of its
// renames leaves the old pair, the new pair, or the new list waiting as
// "C001_01.OLI.new" beside them (the viewer then marks the list's pages);
// the next run completes the pair and says so. Before, a run killed between
// its renames left the old list beside no plot file, or beside the new one,
// with nothing to tell. Temporaries of a run killed while it wrote go.
TEST(BatchDamaged, ListAndPlotFileAreReplacedTogether) {
    const std::string old_list = "old list\n", old_plot = "old plot\n";
    const std::string pending = "C001_01.OLI.new";
    const Names pair{"C0010001.SPF", "C001_01.INP", "C001_01.OLI", "C001_01.TXT"};
    Desktop fresh;
    fresh.Add("flat_bar", "C001");
    ASSERT_EQ(fresh.Run("C001 " + kRun), 1) << fresh.err;
    const std::string new_list = fresh.File("C001_01.OLI"), new_plot = fresh.File("C0010001.SPF");
    // The renames of a run: the complete list to its pending name (the
    // commit), the plot file, the list; killed before each of them, and
    // not at all.
    const struct {
        int kill_at;
        bool list_new, plot_new, waiting;  // what stands after the kill
    } kills[] = {{1, false, false, false}, {2, false, false, true}, {3, false, true, true}, {4, true, true, false}};
    for (const auto& k : kills) {
        Desktop d;
        d.Add("flat_bar", "C001");
        testutil::Write_File(d.project + "/C001_01.OLI", old_list);
        testutil::Write_File(d.project + "/C0010001.SPF", old_plot);
        const int code = d.Run("C001 " + kRun, true, Fault_Shim("rename", "", k.kill_at, "kill"));
        EXPECT_EQ(code, k.kill_at == 4 ? 1 : 128 + 9) << k.kill_at;
        EXPECT_EQ(d.File("C001_01.OLI") == new_list, k.list_new) << k.kill_at;
        EXPECT_EQ(d.File("C0010001.SPF") == new_plot, k.plot_new) << k.kill_at;
        EXPECT_EQ(d.Exists(pending), k.waiting) << k.kill_at;
        EXPECT_EQ(d.Run("C001 " + kRun), 1) << k.kill_at;
        EXPECT_EQ(d.err.find("the print list and plot file of a run that was cut off were put in place") !=
                      std::string::npos,
                  k.waiting)
            << k.kill_at << "\n" << d.err;
        EXPECT_TRUE(d.File("C001_01.OLI") == new_list && d.File("C0010001.SPF") == new_plot) << k.kill_at;
        EXPECT_EQ(d.Files(), pair) << k.kill_at;
    }
    {
        // Temporaries left by a run killed while it wrote go; the new pair
        // stands.
        Desktop d;
        d.Add("flat_bar", "C001");
        testutil::Write_File(d.project + "/C001_01.OLI", old_list);
        testutil::Write_File(d.project + "/C0010001.SPF", old_plot);
        for (const char* stale : {"C001_01.OLI.tmp", "C0010001.SPF.tmp", "C001_01.OLI.0a1b2c3d.tmp",
                                  "C0010001.SPF.0a1b2c3d.tmp", "C0010001.SPF.9f8e7d6c.tmp"})
            testutil::Write_File(d.project + "/" + stale, "cut off");
        EXPECT_EQ(d.Run("C001 " + kRun), 1) << d.err;
        EXPECT_EQ(d.err, "");
        EXPECT_TRUE(d.File("C001_01.OLI") == new_list && d.File("C0010001.SPF") == new_plot);
        EXPECT_EQ(d.Files(), pair);
    }
    {
        // One of two runs at once, killed after its commit, left its pair
        // under its own names: the next run completes it.
        Desktop d;
        d.Add("flat_bar", "C001");
        testutil::Write_File(d.project + "/C001_01.OLI", old_list);
        testutil::Write_File(d.project + "/C0010001.SPF", old_plot);
        testutil::Write_File(d.project + "/C001_01.OLI.0a1b2c3d.new", new_list);
        testutil::Write_File(d.project + "/C0010001.SPF.0a1b2c3d.tmp", new_plot);
        EXPECT_EQ(d.Run("C001 " + kRun), 1) << d.err;
        EXPECT_NE(d.err.find("the print list and plot file of a run that was cut off were put in place"),
                  std::string::npos)
            << d.err;
        EXPECT_TRUE(d.File("C001_01.OLI") == new_list && d.File("C0010001.SPF") == new_plot);
        EXPECT_EQ(d.Files(), pair);
    }
    // An earlier version of the program, killed while it put its pair in
    // place, left the old plot file as ".old.tmp" (empty when there was
    // none); whether the old list still stood showed by its temporary. The
    // next run puts the pair back together; when its own write fails, the
    // list says so and no plot file of either run is left beside it.
    const std::string disc_full = "trap '' XFSZ; ulimit -f 30;";  // the flat bar's list has 57 kB
    struct Killed {
        bool list_replaced;  // the killed run had put its list in place
        bool had_plot;       // there was a plot file before the killed run
    } killed[] = {{false, true}, {false, false}, {true, true}};
    for (const Killed& k : killed) {
        for (const bool fails : {false, true}) {
            Desktop d;
            d.Add("flat_bar", "C001");
            testutil::Write_File(d.project + "/C001_01.OLI", k.list_replaced ? "new list\n" : old_list);
            if (!k.list_replaced) testutil::Write_File(d.project + "/C001_01.OLI.tmp", "new list\n");
            testutil::Write_File(d.project + "/C0010001.SPF", "new plot\n");
            testutil::Write_File(d.project + "/C0010001.SPF.old.tmp", k.had_plot ? old_plot : "");
            EXPECT_EQ(d.Run("C001 " + kRun, true, fails ? disc_full : ""), fails ? 2 : 1);
            const std::string list = d.File("C001_01.OLI");
            EXPECT_NE(list.find(fails ? "Die Druckliste konnte nicht geschrieben werden!" : kVerified),
                      std::string::npos);
            EXPECT_EQ(d.Files(), fails ? (Names{"C001_01.INP", "C001_01.OLI", "C001_01.TXT"}) : pair);
        }
    }
}

// Two refreshes of one component at once: the first held while it makes
// its list temporary last, its list and plot file written, while the second
// runs through. Both took the same temporaries: the second wrote over the
// first's and put them in place as its own, the first found its temporary
// gone, ended with 2 and left "Es liegt kein Nachweis vor" in place of the
// sound list. Now each run writes temporaries of its own: both end with 1,
// the sound list and plot file stand, no temporary is left, and a run's own
// temporaries held by it are never taken for those of a run cut off.
TEST(BatchDamaged, TwoRefreshesAtOnceWriteTheirOwnTemporaries) {
    const Names pair{"C0010001.SPF", "C001_01.INP", "C001_01.OLI", "C001_01.TXT"};
    Desktop fresh;
    fresh.Add("flat_bar", "C001");
    ASSERT_EQ(fresh.Run("C001 " + kRun), 1) << fresh.err;
    Desktop d;
    d.Add("flat_bar", "C001");
    const std::string go = d.dir.file("go"), code = d.dir.file("code1.txt");
    const std::string held = "WELD_FAULT_HOLD='" + go + "' " + Fault_Shim("fsync", "C001_01.OLI.tmp", 1, "hold");
    const std::string first = "(" + d.Command("C001 " + kRun, true, held, "1") + "; echo $? >'" + code + "') &";
    ASSERT_EQ(std::system(first.c_str()), 0);
    ASSERT_TRUE(testutil::Wait_While_Working([&] { return fs::exists(go + ".held"); }));
    EXPECT_EQ(d.Run("C001 " + kRun), 1) << d.err;
    EXPECT_EQ(d.err, "");
    testutil::Write_File(go, "");
    ASSERT_TRUE(testutil::Wait_While_Working([&] { return !testutil::Read_File(code).empty(); }));
    EXPECT_EQ(std::atoi(testutil::Read_File(code).c_str()), 1) << testutil::Read_File(d.dir.file("err1.txt"));
    EXPECT_EQ(testutil::Read_File(d.dir.file("err1.txt")), "");
    EXPECT_TRUE(d.File("C001_01.OLI") == fresh.File("C001_01.OLI"));
    EXPECT_TRUE(d.File("C0010001.SPF") == fresh.File("C0010001.SPF"));
    EXPECT_EQ(d.Files(), pair);
}

// The new pair's bytes reach the disc before any name changes, the pending
// list's name before the plot file's, and the list's name before the run
// ends: a power cut leaves what a kill leaves. Before, nothing was synced.
TEST(BatchDamaged, PairLastsBeforeItsNamesChange) {
    Desktop d;
    d.Add("flat_bar", "C001");
    const std::string log = d.dir.file("ops.log");
    ASSERT_EQ(d.Run("C001 " + kRun, true, "WELD_FAULT_LOG='" + log + "' " + Fault_Shim("none", "", 0)), 1) << d.err;
    const std::string p = fs::canonical(d.project).string();
    Names ops;
    std::istringstream in(testutil::Read_File(log));
    for (std::string line; std::getline(in, line);)
        if (line.find("C001") != std::string::npos || line == "fsync " + p) ops.push_back(line);
    EXPECT_EQ(ops, (Names{"fsync " + p + "/C001_01.OLI.tmp", "fsync " + p + "/C0010001.SPF.tmp",
                          "rename C001_01.OLI.tmp C001_01.OLI.new", "fsync " + p,
                          "rename C0010001.SPF.tmp C0010001.SPF", "rename C001_01.OLI.new C001_01.OLI",
                          "fsync " + p}));
}

// The folder's sync after the list's last rename fails: the complete list
// and plot file stand, and were replaced by the list saying that they could
// not be written ("cannot be replaced", exit 2). Now they stay, the console
// says that they may not survive a power cut, and the run ends with the
// code of a written list, as a saved input whose folder sync failed does.
// A failed sync at the commit (before the plot file changes) still leaves
// no result: the pending list cannot be trusted to last.
TEST(BatchDamaged, ListWhoseFolderSyncFailsAfterItsLastRenameStays) {
    Desktop fresh;
    fresh.Add("flat_bar", "C001");
    ASSERT_EQ(fresh.Run("C001 " + kRun), 1) << fresh.err;
    const struct {
        int sync;  // which of the project folder's syncs fails: 1 the commit, 2 the last
        int code;
        const char* said;
    } cases[] = {{2, 1, "C001_01.OLI: written, but its folder could not be synced (Input/output error): the new "
                        "print list and plot file may not survive a power cut\n"},
                 {1, 2, "C001_01.OLI: cannot be replaced (Input/output error)\n"}};
    for (const auto& c : cases) {
        Desktop d;
        d.Add("flat_bar", "C001");
        EXPECT_EQ(d.Run("C001 " + kRun, true, Fault_Shim("fsync", "project$", c.sync)), c.code) << c.sync;
        EXPECT_NE(d.err.find(c.said), std::string::npos) << d.err;
        EXPECT_EQ(d.File("C001_01.OLI") == fresh.File("C001_01.OLI"), c.code == 1) << c.sync;
        EXPECT_EQ(d.Exists("C0010001.SPF"), c.code == 1) << c.sync;
    }
}
