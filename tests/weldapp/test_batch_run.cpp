// The built program run as the desktop runs it: command lines, exit codes,
// the print list and plot file of the example components, and the console
// that must not report a message box.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <functional>
#include <set>
#include <string>
#include <tuple>
#include <utility>
#include <vector>

#include "codes/nad.h"
#include "platform/oli_layout_check.h"
#include "platform/oli_view.h"
#include "printlist/verdict.h"
#include "support/testutil.h"
#include "weldapp/batch_desktop.h"
#include "weldapp/record_fixture.h"
#include "weldapp/schweissnaht.h"

namespace fs = std::filesystem;

namespace {

// Where two files part: "line N" with both lines, or "" when they are equal.
std::string First_Difference(const std::string& want, const std::string& got) {
    if (want == got) return "";
    size_t line = 1, i = 0;
    while (i < want.size() && i < got.size() && want[i] == got[i])
        if (want[i++] == '\n') ++line;
    auto around = [&](const std::string& s) {
        const size_t b = s.rfind('\n', i == 0 ? 0 : i - 1);
        const size_t from = b == std::string::npos || i == 0 ? 0 : b + 1;
        return s.substr(from, s.find('\n', from) - from);
    };
    return "line " + std::to_string(line) + "\n  expected: " + around(want) + "\n  written:  " + around(got);
}

// What a reader of the list's pages would object to (OLI_Layout_Faults)
// and whether the list passes the strict structure check.
std::vector<std::string> Layout_Faults(const std::string& list_path, const std::string& position) {
    std::vector<std::string> faults;
    FILE* f = std::fopen(list_path.c_str(), "rb");
    if (!f) return {"cannot open " + list_path};
    std::string fault;
    if (!OLI_Check_Structure(f, &fault)) faults.push_back("structure: " + fault);
    std::rewind(f);
    OliDocument doc;
    OLI_Read_Document(f, &doc);
    std::fclose(f);
    for (const std::string& page : OLI_Layout_Faults(doc, position)) faults.push_back(page);
    return faults;
}

// The line under the loads that says which sign is tension and which way
// the moments turn.
const char* const kSignLine =
    "Positiv: Kr\x84" "fte in Richtung der Achsen (N > 0: Zug), Momente rechtsdrehend um die Achsen\n";

}  // namespace

// The four examples as shipped and with every chapter switched on, in the
// detailed and in the tabular result extent: every list is sound, its pages
// read well (Layout_Faults) and it states the sign convention; the tabular
// form gives the governing case in full right after the final result,
// before the standards. The print options line of the input file is
// " grafik zusatzinfo sicherheitsbeiwerte eingabeparameter ergebnisumfang
// massstab na_parameter vorschriften ... skizzen detailausgabe ...
// toleranz". One test per example, so that they run side by side.
namespace {

struct Shipped_Example {
    const char* example;
    const char* id;
    const char* position;
};

class EveryPage : public ::testing::TestWithParam<Shipped_Example> {};

}  // namespace

TEST_P(EveryPage, OfTheExampleReadsWell) {
    const Shipped_Example& e = GetParam();
    Desktop d;
    const std::string shipped = " 1 0 1 1 1 5.000000 0 1 1 1 1 1 0 0 0.000000\n";
    const char* variants[] = {"", " 1 1 1 1 2 5.000000 1 1 1 1 1 1 0 0 0.000000\n",
                              " 1 1 1 1 3 5.000000 1 1 1 1 1 1 0 0 0.000000\n"};
    d.Add(e.example, e.id);
    std::string input = testutil::Read_File(d.project + "/" + e.id + "_01.INP");
    ASSERT_NE(input.find(shipped), std::string::npos) << e.id;
    for (int v = 0; v < 3; ++v) {
        // A variant shares the position (the first four characters of
        // the identifier name the position file).
        const std::string id = std::string(e.id) + (v ? "V" + std::to_string(v) : "");
        if (v) {
            std::string changed = input;
            changed.replace(changed.find(shipped), shipped.size(), variants[v]);
            testutil::Write_File(d.project + "/" + id + "_01.INP", changed);
        }
        ASSERT_EQ(d.Run(id + " 0 1 1 -refresh"), 1) << id << d.err;
        for (const std::string& fault : Layout_Faults(d.project + "/" + id + "_01.OLI", e.position))
            ADD_FAILURE() << id << ": " << fault;
        const std::string list = d.File(id + "_01.OLI");
        EXPECT_NE(list.find(kSignLine), std::string::npos) << id;
        if (v == 2) {
            const size_t detail = list.find(" (ma\xE1gebend)\n"), end = list.find("Vorschriften\n");
            ASSERT_LT(detail, end) << id;
            const std::string block = list.substr(detail, end - detail);
            EXPECT_TRUE(block.find("Nachweise in den Endpunkten") != std::string::npos ||
                        block.find("Ausnutzung") != std::string::npos)
                << id << ": the governing case without its results";
        }
    }
}

INSTANTIATE_TEST_SUITE_P(BatchRun, EveryPage,
    ::testing::Values(
        Shipped_Example{"he280a_end_plate", "A001", "POS. 1.01: St\xC3\xBCtzenfu\xC3\x9F HE 280 A an Kopfplatte"},
        Shipped_Example{"rhs_160x80", "B001", "POS. 2.01: Pfosten MSH 160x80x6.3 an Fu\xC3\x9F" "platte"},
        Shipped_Example{"flat_bar", "C001", "POS. 3.01: Lasche Flachstahl 200x20 an Blech"},
        Shipped_Example{"din_he200a", "D001", "POS. 4.01: Tr\xC3\xA4ger HE 200 A an Stirnplatte"}));

// Three connections made new on the input page (the defaults, then the
// user's profile, welds and loads): a flat bar with four single welds, a
// square hollow section welded all round with torsion in six cases (the
// loads as a table, with long names), an IPE 240 checked by DIN 18800. Their lists read well
// page by page and state the sign convention.
TEST(BatchRun, NewConnectionsReadWell) {
    Desktop d;
    setenv("DATA", d.dir.file("data").c_str(), 1);  // the profile file of the catalogue
    struct New {
        const char* id;
        int cases;
        double scale;
        bool in_plane;
        std::function<void(SchweissnahtAnschluss*)> set;
    } const connections[] = {
        {"E001", 2, 0.3, true,
         [](SchweissnahtAnschluss* r) {
             Blech_Record bar;
             Clear_Plate(&bar);
             bar.t = 15.0, bar.b = 160.0;
             Copy_Material_Params(&r->naht.material, &bar.material);
             Init_Profile_From_Plate(&bar, &r->naht.profile);
             r->naht.all_round = 0;
         }},
        {"E002", 6, 0.5, false,
         [](SchweissnahtAnschluss* r) {
             Init_Profile_From_Name(&r->naht.profile, "MSH120X120X10.0");
             r->naht.all_round = 1;
         }},
        {"E003", 3, 0.5, false,
         [](SchweissnahtAnschluss* r) {
             r->code_setting = 1;
             r->section_check = 1;
             Init_Profile_From_Name(&r->naht.profile, "IPE240");
             r->naht.all_round = 1;
         }},
    };
    // N, My, Mz, Vy, Vz, Mx in kN and kNm.
    const double loads[6][6] = {{-120, 18, 0, 0, 15, 0}, {80, 10, 2, 3, 8, 0}, {-60, 25, 4, 2, 20, 1.5},
                                {0, 30, 0, 0, 25, 0},    {-150, 0, 6, 5, 0, -2}, {40, 12, 3, 2, 10, 0.8}};
    for (const New& c : connections) {
        testutil::Record k;
        SchweissnahtAnschluss* r = &k.r;
        Default_Schweissnaht(r);
        c.set(r);
        Nahtbild* n = &r->naht;
        n->contact_fraction = 0.0;
        const int count = Get_Profile_Plate_Elements(&n->profile, n->length, n->number);
        n->weld_count = count > 0 ? count : 0;
        for (int i = 0; i < n->weld_count; ++i) n->throat[i] = n->a_w;
        Update_Weld_Layout(n, nullptr, 0);
        Alloc_Lasten(r, c.cases);
        for (int i = 0; i < c.cases; ++i) {
            Lastfall& l = r->loads[i];
            std::snprintf(l.name, sizeof l.name, "LK %d", i + 1);
            // The hollow section's cases have names of 19 characters (the
            // window takes 40): the sign symbol beside the result table
            // overprints none of them.
            if (c.cases == 6) std::snprintf(l.name, sizeof l.name, "Lastkombination %03d", i + 1);
            // The flat bar carries its loads in its plane only: its short
            // horizontal welds do not count.
            const double across = c.in_plane ? 0.0 : 1.0;
            l.forces.N = loads[i][0] * 1e3 * c.scale, l.forces.M_y = loads[i][1] * 1e6 * c.scale;
            l.forces.M_z = loads[i][2] * 1e6 * c.scale * across, l.forces.V_y = loads[i][3] * 1e3 * c.scale * across;
            l.forces.V_z = loads[i][4] * 1e3 * c.scale, l.forces.M_x = loads[i][5] * 1e6 * c.scale * across;
        }
        d.Add_Connection(c.id, r, "Position\n9.01\nNeuer Anschluss\n");
        ASSERT_EQ(d.Run(std::string(c.id) + " 0 1 1 -refresh"), 1) << c.id << d.err;
        for (const std::string& fault : Layout_Faults(d.project + "/" + c.id + "_01.OLI", "POS. 9.01: Neuer Anschluss"))
            ADD_FAILURE() << c.id << ": " << fault;
        EXPECT_NE(d.File(std::string(c.id) + "_01.OLI").find(kSignLine), std::string::npos) << c.id;
    }
    unsetenv("DATA");
}

// The final result names every detailing limit the welds break, with the
// welds, the rule and its numbers, at every result extent, with or without
// the additional information that prints the detailing block:
// - IPE 240 welded all round with a = 3 mm to a 25 mm plate: the annex's
//   a_min = t_max^1/2 - 0.5 = 25^1/2 - 0.5 = 4.50 mm for all twelve welds
//   (t_max is the plate's 25 mm beside flanges of 9.8 and a web of 6.2 mm),
//   and the warning after the verdict, which the notes now explain;
// - a welded I 700 (flanges 300 x 30, web 12 mm) on a 40 mm plate, single
//   welds of 8 mm, the web's (welds 4 and 5) of 4 mm: t_max = 40 mm >= 30
//   mm asks for 5 mm; the flanges' 8 mm holds (0.7 t_min = 0.7 * 30 = 21).
TEST(BatchRun, FinalResultNamesEveryLimitTheWeldsBreak) {
    Desktop d;
    setenv("DATA", d.dir.file("data").c_str(), 1);  // the profile file of the catalogue
    const std::string root = "N\x84hte 1 bis 12: Nahtdicke a = 3.0 mm < a\xCE\\min\xCEr = t\xCE\\max\xCEr\xCE/1/2\xCEr - 0.5 = "
                             "4.50 mm (NA-DE, t\xCE\\max\xCEr = 25.0 mm)  ";
    const std::string t30 = "N\x84hte 4, 5: Nahtdicke a = 4.0 mm < a\xCE\\min\xCEr = 5 mm f\x81r t\xCE\\max\xCEr \xF2 30 mm "
                            "(NA-DE, t\xCE\\max\xCEr = 40.0 mm)  ";
    const struct {
        const char* id;
        std::function<void(SchweissnahtAnschluss*)> set;
        std::string note;
        bool warning;
    } connections[] = {
        {"F001",
         [](SchweissnahtAnschluss* r) {
             Init_Profile_From_Name(&r->naht.profile, "IPE240");
             r->naht.plate.t = 25.0, r->naht.all_round = 1;
             r->naht.a_w = r->naht.a_w_fo = r->naht.a_w_fu = 3.0;
         },
         "\n \xCEt" + root + Mark_EC3_Condition() + "\n", true},
        {"F002",
         [](SchweissnahtAnschluss* r) {
             Stahlprofil& p = r->naht.profile;
             p.kind = 0, p.type = PROFILTYP_H, p.rolled = 0, p.r_1 = p.r_2 = 0;
             p.h = 700, p.t_w = 12, p.b_fo = p.b_fu = 300, p.t_fo = p.t_fu = 30;
             Calc_Profile_Cross_Section(&p, nullptr, 0, "");
             r->naht.plate.t = 40.0, r->naht.all_round = 0;
             r->naht.a_w = r->naht.a_w_fo = r->naht.a_w_fu = 8.0;
         },
         "\n \xCEt" + t30 + Mark_Alert() + "\n", false},
    };
    for (const auto& c : connections)
        for (int extent = 0; extent <= 3; ++extent)
            for (int additional : {0, 1}) {
                SCOPED_TRACE(std::string(c.id) + " extent " + std::to_string(extent) + " additional " +
                             std::to_string(additional));
                testutil::Record k;
                SchweissnahtAnschluss* r = &k.r;
                Default_Schweissnaht(r);
                c.set(r);
                Nahtbild* n = &r->naht;
                n->weld_count = std::max(Get_Profile_Plate_Elements(&n->profile, n->length, n->number), 0);
                for (int i = 0; i < n->weld_count; ++i) n->throat[i] = n->a_w;
                // The web's welds (slots 2 and 6) of the welded I.
                if (!n->all_round) n->throat[2] = n->throat[6] = 4.0;
                Update_Weld_Layout(n, nullptr, 0);
                r->print.ergebnisumfang = extent, r->print.zusatzinfo = additional;
                Alloc_Lasten(r, 1);
                r->loads[0].forces.N = -50e3, r->loads[0].forces.M_y = 10e6, r->loads[0].forces.V_z = 20e3;
                d.Add_Connection(c.id, r, "Position\n9.02\nGrenzwerte\n");
                ASSERT_EQ(d.Run(std::string(c.id) + " 0 1 1 -refresh"), 1) << d.err;
                const std::string list = d.File(std::string(c.id) + "_01.OLI");
                const std::string result = list.substr(list.rfind("Endergebnis"));
                EXPECT_NE(result.find(c.note), std::string::npos) << result;
                EXPECT_EQ(result.find("Bedingung nach EC 3-1-8 sollte eingehalten werden !!") != std::string::npos,
                          c.warning);
            }
    unsetenv("DATA");
}

TEST(BatchRun, CommandLinesAndExitCodes) {
    Desktop d;
    d.Add("he280a_end_plate", "A001");
    struct Case {
        std::string args;
        bool exec;
        int code;
        bool list;
    } cases[] = {
        {"A001 0 1", true, 0, false},             // too few: usage text
        {"A001 0 1 1 -refresh", false, 0, false}, // no program directory: nothing
        {"A001 0 1 1 -refresh", true, 1, true},   // the batch path
    };
    for (const Case& c : cases) {
        fs::remove(d.project + "/A001_01.OLI");
        EXPECT_EQ(d.Run(c.args, c.exec), c.code) << c.args;
        EXPECT_EQ(d.Exists("A001_01.OLI"), c.list) << c.args;
        EXPECT_EQ(d.err.find("message box"), std::string::npos) << d.err;
    }
    EXPECT_EQ(d.Run("A001 0 1", true), 0);
    EXPECT_EQ(d.out, "usage: " + kProgram + " Bauteilkennung Icon-Id File-Id Pos-Id\n");
}

TEST(BatchRun, FirstExampleHeadProtocolAndPicture) {
    Desktop d;
    d.Add("he280a_end_plate", "A001");
    ASSERT_EQ(d.Run("A001 0 1 1 -refresh"), 1) << d.err;
    const std::string list = d.File("A001_01.OLI");
    // Head: the contents entry of the position and the program's title line.
    EXPECT_NE(list.find("#CONTENTS\n POS. 1.01: St\x81tzenfu\xE1 HE 280 A an Kopfplatte\n"), std::string::npos);
    EXPECT_NE(list.find("Schwei\xE1nahtanschluss"), std::string::npos);
    // Protocol: the profile, the all-round weld of 7 mm, ten load cases as a table.
    for (const char* part : {"Profil  HE280A", "umlaufende Kehlnaht: a\xCE\\w,fo\xCEr = 7.0 mm",
                             "elastischer Querschnittsnachweis", " 10      -350.00      95.00",
                             "#SHOWGRAFIC"})
        EXPECT_NE(list.find(part), std::string::npos) << part;
    // Every load case gets its chapter.
    EXPECT_NE(list.find("Lk 10: "), std::string::npos);
    // The governing case, by hand: Lk 10 (N -350 kN, M_y 95, M_z 5, T_t 0.5
    // kNm) at a corner of the compressed flange of HE 280 A (A 97.26 cm²,
    // I_y 13670, I_z 4763, I_T 62.1 cm⁴): σ = 35.99 + 95e6·135/13670e4 +
    // 5e6·140/4763e4 = 144.51 N/mm², τ = T·t_f/I_T = 10.47 N/mm², σ_v =
    // √(σ² + 3τ²) = 145.6 N/mm², U = 145.6/235 = 0.620 (S235, γ_M0 1.0).
    // The welds' own maximum is named beside it, at Lk 5 (N 0, M_y 110,
    // V_z 80 kN): the all-round weld's I_w,y = 2·280·7·135² + 4·112·7·122² +
    // 2·7·196³/12 + 4·(7·13³/12 + 7·13·128.5²) = 13291.83 cm⁴, at the outer
    // face σ = 110e6·135/I_w,y = 111.72 N/mm², the vertical welds' τ =
    // 80e3/(2·196·7 + 4·13·7) = 25.74 N/mm², F_w,Ed = 7·√(σ² + τ²) = 8.03
    // kN/cm against 7·360/(√3·0.8·1.25) = 14.55 kN/cm: U_w = 0.552, at the
    // end of the bottom flange's left end weld (11), point 1.
    // The web welds' throat 7 mm lies above 0.7·t_w = 0.7·8 = 5.6 mm: the
    // welds 4 and 5 carry the note, with its numbers.
    const std::string result = list.substr(list.find("Endergebnis"));
    for (const char* line :
         {"\n \xCEHMaximale Ausnutzung:\xCEr\n \xCEtQuerschnitt\xCEtLk 10\xCEtU\xCE\\\xCC\xCEr = 0.620  <  1  ",
          "\n \xCEtSchwei\xE1n\x84hte\xCEtLk 5, Naht 11, Pkt. 1\xCEtU\xCE\\w\xCEr = 0.552  <  1  ",
          "\n \xCEHHinweise:\xCEr\n \xCEtN\x84hte 4, 5: Nahtdicke a = 7.0 mm > a\xCE\\max\xCEr = 0.7\xCE/.\xCErt\xCE\\min\xCEr = "
          "5.6 mm (Schwei\xE1technik, t\xCE\\min\xCEr = 8.0 mm)"})
        EXPECT_NE(result.find(line), std::string::npos) << line;
    // The plot file of the sketch, complete; no temporary file left behind.
    const std::string plot = d.File("A0010001.SPF");
    EXPECT_EQ(plot.rfind("morv-Linarium (1.0)A", 0), 0u);
    EXPECT_NE(plot.find("*EOI"), std::string::npos);
    for (const auto& e : fs::directory_iterator(d.project))
        EXPECT_NE(e.path().extension(), ".tmp") << e.path();
    // The shipped expected files are what the program writes.
    for (const char* name : {"A001_01.OLI", "A0010001.SPF"})
        EXPECT_EQ(First_Difference(testutil::Read_File(kExamples + "he280a_end_plate/expected/" + name), d.File(name)),
                  "")
            << name;
}

// The flat bar's print list and plot file, every line checked by hand
// (examples/flat_bar/expected/HAND_CHECK.md), byte for byte.
TEST(BatchRun, FlatBarWritesTheHandCheckedListAndPlotFile) {
    Desktop d;
    d.Add("flat_bar", "C001");
    ASSERT_EQ(d.Run("C001 0 1 1 -refresh"), 1) << d.err;
    EXPECT_EQ(d.err.find("message box"), std::string::npos) << d.err;
    for (const char* name : {"C001_01.OLI", "C0010001.SPF"}) {
        const std::string want = testutil::Read_File(kExamples + "flat_bar/expected/" + name);
        ASSERT_FALSE(want.empty()) << name;
        EXPECT_EQ(First_Difference(want, d.File(name)), "") << name;
    }
}

// The columns of the report as the pages show them (the shipped lists, the
// program's own as the tests above compare): the welds of the flat bar's
// protocol in two columns; in every chapter each "Pkt." of the point lines
// in one column, each normal stress in one, and every utilisation in one,
// also one that does not fit its row and goes on under it.
TEST(BatchRun, ColumnsOfTheReportOnThePage) {
    auto boxes_of = [](const std::string& path) {
        FILE* f = std::fopen(path.c_str(), "rb");
        OliDocument doc;
        OLI_Read_Document(f, &doc);
        if (f) std::fclose(f);
        std::vector<OliTextBox> boxes;
        OLI_Render_Text_Boxes(doc, &boxes);
        return boxes;
    };
    auto starts = [](const OliTextBox& b, const std::string& head) { return b.text.compare(0, head.size(), head) == 0; };
    const std::vector<OliTextBox> bar = boxes_of(kExamples + "flat_bar/expected/C001_01.OLI");
    std::vector<double> weld_x(5, -1.0);
    for (const OliTextBox& b : bar)
        for (int n = 1; n <= 4; ++n)
            if (starts(b, "aw" + std::to_string(n) + " = ")) weld_x[n] = b.x;
    EXPECT_NEAR(weld_x[1], weld_x[3], 0.01);
    EXPECT_NEAR(weld_x[2], weld_x[4], 0.01);
    EXPECT_GT(weld_x[2], weld_x[1] + 5.0);
    // The point lines: each kind of value in its own column, the points,
    // the normal stresses, the utilisations; one that does not fit its row
    // stands in its column on a row of its own.
    for (const char* list : {"flat_bar/expected/C001_01.OLI", "he280a_end_plate/expected/A001_01.OLI"}) {
        const std::vector<OliTextBox> boxes = boxes_of(kExamples + list);
        std::set<long> points, sigmas, utilisations;
        int alone = 0;
        for (const OliTextBox& b : boxes) {
            if (b.kind != OLI_TEXT_PARA) continue;
            bool first = true;  // the first text of its row
            for (const OliTextBox& o : boxes)
                first = first && !(o.page == b.page && std::fabs(o.y - b.y) < 0.05 && o.x < b.x - 0.01);
            if (starts(b, "Pkt. ")) points.insert(std::lround(b.x * 10));
            if (starts(b, "\xCF\x83w,x = ") && b.x > 5.0) sigmas.insert(std::lround(b.x * 10));
            if (starts(b, "\xE2\x86\x92  Uw")) utilisations.insert(std::lround(b.x * 10)), alone += first;
        }
        EXPECT_EQ(points.size(), 1u) << list;
        EXPECT_EQ(sigmas.size(), 1u) << list;
        EXPECT_EQ(utilisations.size(), 1u) << list;  // (the ink of "→" may start a hair left: tenths of cm)
        // A001's web welds carry their contact note beside the shear stress.
        EXPECT_EQ(alone > 0, std::string(list).find("A001") != std::string::npos) << list;
    }
}

// Pages break between what can stand apart: never between a point's line
// and its utilisation, between the points of one weld, between the last
// weld and "Ergebnis", or within the final result.
TEST(BatchRun, PagesKeepWhatBelongsTogether) {
    for (const char* list : {"flat_bar/expected/C001_01.OLI", "he280a_end_plate/expected/A001_01.OLI",
                             "rhs_160x80/expected/B001_01.OLI"}) {
        SCOPED_TRACE(list);
        FILE* f = std::fopen((kExamples + list).c_str(), "rb");
        ASSERT_NE(f, nullptr);
        OliDocument doc;
        OLI_Read_Document(f, &doc);
        std::fclose(f);
        std::vector<OliTextBox> boxes;
        OLI_Render_Text_Boxes(doc, &boxes);
        int page = 0, final_page = -1;
        for (const OliTextBox& b : boxes) {
            if (b.kind != OLI_TEXT_PARA && b.kind != OLI_TEXT_TITLE) continue;
            auto starts = [&b](const char* head) { return b.text.rfind(head, 0) == 0; };
            if (b.page != page) {  // the first text of a page
                page = b.page;
                EXPECT_FALSE(starts("\xE2\x86\x92  Uw") || starts("Pkt. ") || starts("Ergebnis"))
                    << "page " << page << " starts with " << b.text;
            }
            if (b.text.find("Endergebnis") != std::string::npos) final_page = b.page;
            if (b.text.find("Vorschriften") != std::string::npos) break;
            if (final_page >= 0) {
                EXPECT_EQ(b.page, final_page) << b.text;
            }
        }
        EXPECT_GT(final_page, 0);
    }
}

TEST(BatchRun, RectangularHollowSectionGoverningCaseByHand) {
    Desktop d;
    d.Add("rhs_160x80", "B001");
    ASSERT_EQ(d.Run("B001 0 1 1 -refresh"), 1) << d.err;
    // A run that succeeds says nothing on the console (the tube's line model
    // once printed a line for every corner).
    EXPECT_EQ(d.out + d.err, "");
    const std::string list = d.File("B001_01.OLI");
    // By hand: MSH 160x80x6.3, all-round fillet weld a = 5 mm, lines on the
    // outer faces, corners r_o = 9.45 count pi/4 r_o short of each side, no
    // end craters: l = 80 - 7.42 = 72.58 and 160 - 7.42 = 152.58 mm.
    // A_w = 2·5·(72.58 + 152.58) = 2251.6 mm², A_w,y = 725.8 mm²,
    // I_w,y = 2·362.9·80² + 2·5·152.58³/12 = 760.50 cm⁴,
    // I_w,z = 2·762.9·40² + 2·5·72.58³/12 = 275.98 cm⁴; the lines, short of
    // the corners, carry the torsion alone: W_w,t = 2·(72.58·80 +
    // 152.58·40)·5 = 119.09 cm³ (not 2·80·160·5).
    // Lk 10, top weld at its left end (y = +36.29, z = -80 mm):
    // σ = -70e3/2251.6 - 19e6·80/760.50e4 - 1e6·36.29/275.98e4 = -244.11,
    // τ = 800/725.8 + 0.1e6/119.09e3 = 1.94 N/mm²; F_w,Ed = 5·√(σ² + τ²) =
    // 12.21 kN/cm against F_w,Rd = 360/(√3·0.8·1.25)·5 = 10.39 kN/cm:
    // U = 1.174, the largest of the ten cases. Two more fail, at the same
    // point: Lk 5 (M_y 22 kNm) σ = 22e6·80/760.50e4 = 231.43, U = 5·231.43/
    // 1039.2 = 1.113; Lk 2 (N -60, M_y 18 kNm) σ = -60e3/2251.6 -
    // 18e6·80/760.50e4 = -216.00, U = 1.039. The next, Lk 8 (N -20, M_y 15,
    // M_z 1.6 kNm, V_y 1.2 kN, T 0.3 kNm): σ = -8.88 - 157.79 - 21.04 =
    // -187.71, τ = 1.65 + 2.34 = 3.99, U = 0.903.
    for (const char* line :
         {",  W\xCE\\w,t\xCEr = 119.09 cm\xFA,  ",
          "\n Max:  \xCEtF\xCE\\w,Ed\xCEr = 12.21 kN/cm  >  F\xCE\\w,Rd\xCEr = 10.39 kN/cm  \x88  U\xCE\\w\xCEr = 1.174  >"
          "  1  \xCE{C 1 230 0 0}\xCEHnicht ok !!\xCE{C 768}\n",
          "\n \xCEHMaximale Ausnutzung:\xCEr\n \xCEtSchwei\xE1n\x84hte\xCEtLk 10, Naht 1, Pkt. 0\xCEtU\xCE\\w\xCEr = 1.174  >  1  "
          "\xCE{C 1 230 0 0}\xCEHnicht ok !!\xCE{C 768}\n",
          "\n \xCEHNicht erf\x81llt in:\xCEr\xCEtLk 2, 5, 10  \xCE{C 1 230 0 0}\xCEH!!\xCE{C 768}\n",
          "\n \xCE" "B\xCE{C 1 230 0 0}Tragf\x84higkeit nicht gew\x84hrleistet !!\xCE{C 768}\n"})
        EXPECT_NE(list.find(line), std::string::npos) << line;
    EXPECT_EQ(d.err.find("message box"), std::string::npos) << d.err;
    for (const char* name : {"B001_01.OLI", "B0010001.SPF"})
        EXPECT_EQ(First_Difference(testutil::Read_File(kExamples + "rhs_160x80/expected/" + name), d.File(name)), "")
            << name;
}

// An input file that cannot be read leaves no old list: the list says why
// and that no check was made.
TEST(BatchRun, UnreadableInputReplacesTheOldListAndSaysWhy) {
    Desktop d;
    testutil::Write_File(d.project + "/A001_01.INP", " 9\n");  // a newer file than the program reads
    testutil::Write_File(d.project + "/A001_01.OLI", "old list\n");
    EXPECT_EQ(d.Run("A001 0 1 1 -refresh"), 1);
    const std::string list = d.File("A001_01.OLI");
    EXPECT_NE(list.find("\n Eingabedatei A001_01.INP: Zeile 1 besch\x84" "digt oder von einer neueren "
                        "Programmversion\n Es wurde kein Nachweis gef\x81hrt.\n"),
              std::string::npos)
        << list;
    EXPECT_NE(d.err.find("A001_01.INP: input file cannot be read"), std::string::npos) << d.err;
    EXPECT_EQ(d.err.find("message box"), std::string::npos) << d.err;
}

// The shipped input files are what the generator writes today.
TEST(BatchRun, ExampleInputsComeFromTheGenerator) {
    Desktop d;
    for (const auto& [kind, loads, file] : {std::tuple{"he280a", "10", "he280a_end_plate/A001_01.INP"},
                                            std::tuple{"rhs", "10", "rhs_160x80/B001_01.INP"},
                                            std::tuple{"flat", "3", "flat_bar/C001_01.INP"}}) {
        const std::string out = d.dir.file("gen.INP");
        const std::string cmd = "DATA='" + d.dir.file("data") + "' '" + WELD_BINARY_DIR + "/bin/make_input' " + kind +
                                " " + loads + " '" + out + "' 2>/dev/null";
        ASSERT_EQ(std::system(cmd.c_str()), 0) << kind;
        EXPECT_EQ(testutil::Read_File(out), testutil::Read_File(kExamples + file)) << kind;
    }
}

// The generator without the annex or the profile file it needs (no DATA; a
// DATA without PROFIL) wrote a file anyway, exit code 0: the German
// factors replaced by the recommended ones, or a profile "???" of no
// dimensions. Now it exits 1, says why, and the file there stays as it was.
TEST(BatchRun, GeneratorWithoutItsDataWritesNothing) {
    Desktop d;
    const std::string no_profiles = d.dir.file("no_profiles");
    std::filesystem::copy(d.dir.file("data"), no_profiles, std::filesystem::copy_options::recursive);
    std::filesystem::remove(no_profiles + "/PROFIL");
    const std::string out = d.dir.file("gen.INP"), err = d.dir.file("gen.err");
    for (const auto& [data, said] : {std::pair{std::string("env -u DATA"), "the annex \"Deutschland\" cannot be read"},
                                     std::pair{"DATA='" + no_profiles + "'", "the profile \"???\" cannot be made"}}) {
        testutil::Write_File(out, "alt\n");
        const std::string cmd = data + " '" + WELD_BINARY_DIR + "/bin/make_input' he280a 10 '" + out + "' >/dev/null 2>'" +
                                err + "'";
        const int status = std::system(cmd.c_str());
        EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 1) << data;
        EXPECT_NE(testutil::Read_File(err).find(said), std::string::npos) << testutil::Read_File(err);
        EXPECT_EQ(testutil::Read_File(out), "alt\n") << data;
    }
}

// A project whose annex no list entry carries ("Standard" is the file name
// of the standard set, not its name) is an input error: the print list says
// which annex it asked for, no load case is checked with another country's
// factors, and nothing is called proven.
TEST(BatchRun, UnknownAnnexIsAnInputErrorNamedInTheList) {
    Desktop d;
    d.Add("flat_bar", "C001");
    std::string input = d.File("C001_01.INP");
    const std::string tail = "ACTIV_NADNAME\n\xAE" "Deutschland\xAF\n";
    const size_t at = input.rfind(tail);
    ASSERT_NE(at, std::string::npos);
    input.replace(at, tail.size(), "ACTIV_NADNAME\n\xAE" "Standard\xAF\n");
    testutil::Write_File(d.project + "/C001_01.INP", input);
    ASSERT_EQ(d.Run("C001 0 1 1 -refresh"), 1) << d.err;
    const std::string list = d.File("C001_01.OLI");
    EXPECT_NE(list.find("NAD \"Standard\" nicht gefunden  \x88  Nachweise werden nicht gef\x81hrt"), std::string::npos);
    EXPECT_NE(list.find("NA: EC-Standardparameter"), std::string::npos);
    EXPECT_EQ(list.find("Deutschland"), std::string::npos);
    EXPECT_EQ(list.find("Nachweis erbracht"), std::string::npos);
    EXPECT_EQ(list.find("Endergebnis"), std::string::npos);
    EXPECT_EQ(list.find("Max:"), std::string::npos);
    EXPECT_NE(d.err.find("NAD \"Standard\" nicht gefunden"), std::string::npos) << d.err;
    EXPECT_EQ(d.err.find("message box"), std::string::npos) << d.err;
}

// A connection may have tens of thousands of load cases: the batch run
// allocates per connection, never per load case. The shipped kinds at the
// standard and the detailed extent, with 20 and with 220 cases, make about
// the same number of allocations: the 200 cases more may add no more than
// the few of tables that grow by doubling, far below one per case (a name
// refusal's words built for every load case read once made two per case).
// A sanitizer's allocator comes before the counter and leaves nothing to
// compare. The DIN path's profile file look-up, its thin-walled model and
// its outline made 127 per case.
TEST(BatchRun, AllocationsDoNotGrowWithTheLoadCases) {
    Desktop d;
    const std::string count_file = d.dir.file("allocs.txt");
    for (const char* kind : {"he280a", "rhs", "flat", "din"}) {
        for (const char* extent : {"1", "2"}) {
            long counts[2] = {-1, -1};
            for (int i = 0; i < 2; ++i) {
                const int cases = i == 0 ? 20 : 220;
                const std::string cmd = "DATA='" + d.dir.file("data") + "' '" + WELD_BINARY_DIR + "/bin/make_input' " +
                                        kind + " " + std::to_string(cases) + " '" + d.project + "/A001_01.INP' " +
                                        extent + " 2>/dev/null";
                ASSERT_EQ(std::system(cmd.c_str()), 0) << kind;
                testutil::Write_File(d.project + "/A001_01.TXT", "Position\n9.99\nAllocations\n");
                std::filesystem::remove(count_file);
                const std::string shim =
                    "LD_PRELOAD='" + std::string(WELD_ALLOC_COUNT_SHIM) + "' WELD_ALLOC_COUNT='" + count_file + "'";
                ASSERT_EQ(d.Run("A001 0 1 1 -refresh", true, shim), 1) << kind << d.err;
                if (!std::filesystem::exists(count_file)) GTEST_SKIP() << "the program's allocator is not counted";
                counts[i] = std::atol(testutil::Read_File(count_file).c_str());
            }
            EXPECT_GT(counts[0], 0) << kind;
            EXPECT_LT(std::labs(counts[1] - counts[0]), 20) << kind << " extent " << extent;
        }
    }
}
