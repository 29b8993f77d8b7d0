// The DIN 18800 path through the built program with the catalogue in use
// and the steel its list takes: one record gives one section and one weld
// group under any name, from PROFIL and from the profile manager's file;
// the manager's file decides where the manager is installed; and one input
// file gives one answer in the batch and in the window for every grade of
// the weld grade table, the list naming the steel DIN 18800 checks with.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <filesystem>
#include <string>
#include <vector>

#include "profiles/catalogue_fixture.h"
#include "weldapp/batch_desktop.h"
#include "weldapp/record_fixture.h"
#include "weldapp/schweissnaht.h"
#include "weldcheck/weldelem.h"

namespace {

// The number after marker's " = " following from; NAN when there is none.
double Number_After(const std::string& list, const std::string& marker, size_t from) {
    const size_t at = list.find(marker, from);
    if (from == std::string::npos || at == std::string::npos) return NAN;
    double v = NAN;
    std::sscanf(list.c_str() + list.find("= ", at) + 2, "%lf", &v);
    return v;
}

// The final result's rows of the welds and of the cross-section.
double Final_U(const std::string& list, const char* row) {
    return Number_After(list, "r = ", list.find(row, list.find("Maximale Ausnutzung:")));
}
const char* const kWeldRow = "Schwei\xE1n\x84hte\xCEtLk 1";
const char* const kSectionRow = "Querschnitt\xCEtLk 1";

// The shipped file with the records added under the names, and a manager's
// file with the records under every name of `manager`.
struct Catalogue {
    std::vector<std::pair<std::string, std::string>> profil, manager;  // (name, record)
    void Add(const std::string& name, const std::string& record, bool in_profil, bool in_manager) {
        const std::map<int, float> v = testutil::Shipped_Values(record);
        const char letter = testutil::Shipped_By_Name(record).letter;
        if (in_profil) profil.push_back({name, testutil::Profil_Record(name, letter, v)});
        const int code = static_cast<int>(std::string("DUTLRKZEFO").find(letter));
        if (in_manager) manager.push_back({name, testutil::ProfilData_Record(code, 3, name, "", testutil::To_ProfilData(v))});
    }
    // PROFIL (the shipped records unless `alone`) and, when it has records,
    // ProfilData.bin with the manager's stand-in in EXEC.
    void Write(Desktop& d, bool alone = false) const {
        std::vector<std::pair<std::string, std::string>> records = profil;
        const std::string shipped = alone ? "" : testutil::Read_File(WELD_PROFIL_FILE);
        for (size_t at = 0; at + 160 <= shipped.size(); at += 160) records.push_back({"", shipped.substr(at, 160)});
        std::sort(records.begin(), records.end(), [](const auto& a, const auto& b) { return a.second < b.second; });
        std::string file, data;
        for (const auto& r : records) file += r.second;
        auto sorted = manager;
        std::sort(sorted.begin(), sorted.end());
        for (const auto& r : sorted) data += r.second;
        testutil::Write_File(d.dir.file("data/PROFIL"), file);
        std::filesystem::remove(d.dir.file("exec/ProfDesk.exe"));
        if (data.empty()) return;
        testutil::Write_File(d.dir.file("data/ProfilData.bin"), data);
        testutil::Write_File(d.dir.file("exec/ProfDesk.exe"), "#!/bin/sh\nexit 0\n");
        std::filesystem::permissions(d.dir.file("exec/ProfDesk.exe"), std::filesystem::perms::owner_all);
    }
};

// A one-case connection of the catalogue profile `name` in S235 on a 30 mm
// plate, welded all round with throat a and end craters, by code (0 EN
// elastic, 1 DIN); forces N, M_y, M_z, V_y, V_z, M_x in kN and kNm. The
// input file gives an H section typed in: the program takes the
// catalogue's record. The list.
std::string Run_Catalogue(Desktop& d, const std::string& name, int code, double a, const double F[6]) {
    testutil::Record k;
    SchweissnahtAnschluss* r = &k.r;
    Default_Schweissnaht(r);
    r->code_setting = code, r->gamma_M = 1.1, r->section_check = 1, r->section_method = 0;
    Nahtbild& n = r->naht;
    Stahlprofil& p = n.profile;
    const Materialparameter_Record m = p.material;
    p = testutil::Typed_Profile(PROFILTYP_H, 300, 11, 300, 19);
    p.material = m, p.rolled = 1, p.r_1 = 27;
    Calc_Profile_Cross_Section(&p, nullptr, 0, nullptr);
    p.kind = STAHLPROFIL_KIND_CATALOGUE;
    std::snprintf(p.name, sizeof p.name, "%-39s", name.c_str());
    n.plate.t = 30, n.all_round = 1, n.full_length = 0, n.contact_fraction = 0, n.a_w = n.a_w_fo = n.a_w_fu = a;
    n.weld_count = std::max(0, Get_Profile_Plate_Elements(&p, n.length, n.number));
    for (int i = 0; i < n.weld_count; ++i) n.throat[i] = a;
    Update_Weld_Layout(&n, nullptr, 0);
    Alloc_Lasten(r, 1);
    std::snprintf(r->loads[0].name, sizeof r->loads[0].name, "LK 1");
    Schnittkraefte& f = r->loads[0].forces;
    f.N = F[0] * 1e3, f.M_y = F[1] * 1e6, f.M_z = F[2] * 1e6, f.V_y = F[3] * 1e3, f.V_z = F[4] * 1e3, f.M_x = F[5] * 1e6;
    d.Add_Connection("A001", r, "1 Katalog\n");
    EXPECT_EQ(d.Run("A001 0 1 1 -refresh"), 1) << d.err;
    return d.File("A001_01.OLI");
}

}  // namespace

// A record of every family the DIN path takes under its designation and
// under a name whose first letters once chose another form of its weld
// group: IX1 made IPE 300 a double-T with sloped flanges, SONDER1 laid
// IPN 200's sloped ones parallel, HALBTRAEGER made 1/2 IPBV 360 a rolled T
// with sloped flanges and web, a name beginning with C read a channel's
// radii by the American rule. The weld group all round, its length, the
// welds' and the section's utilisation are the designation's, on both
// roads and both codes. 1/2 IPBV 360 (h 197.5, b 308, t_w 21, t_f 40, r
// 27; a 10, N 762.3, M_y 10.39, V_z 68.7, M_z 30.31, M_x 4.91) by hand:
// the weld runs round the outline, the flange's face 308, its ends 2 x 40,
// its undersides 2 x ((308 - 21) / 2 - 27), the web's faces 2 x (197.5 - 40
// - 27) and tip 21, and each root fillet in two chords of 27 sqrt(0.707² +
// 0.293²): 985.65 mm over 12 welds, less 2 a each: 745.65 mm (under
// HALBTRAEGER once 658).
TEST(DinCatalogueRoad, OneRecordOneWeldGroupUnderAnyName) {
    const double chord = 27 * std::sqrt(0.707 * 0.707 + 0.293 * 0.293);
    const double l_ipbv = 308 + 2 * 40 + 2 * ((308 - 21) / 2.0 - 27) + 2 * (197.5 - 40 - 27) + 21 + 4 * chord - 12 * 20;
    const struct {
        const char *record, *own;
        double a, scale, l_w;  // l_w by hand (mm), 0: the designation's
    } rows[] = {
        {"1/2IPBV360", "HALBTRAEGER", 10, 1, l_ipbv}, {"1/2I300", "TX1", 5, 0.3, 0},  {"IPE300", "IX1", 4, 0.3, 0},
        {"IPN200", "SONDER1", 4, 0.2, 0},            {"U200", "CX1", 4, 0.2, 0},     {"L100X10", "IX2", 4, 0.1, 0},
        {"MSH100X100X4.0", "TX2", 3, 0.1, 0},          {"R168.3X8.0", "IX3", 4, 0.2, 0},
    };
    Catalogue cat;
    for (const auto& row : rows) cat.Add(row.own, row.record, true, true), cat.Add(row.record, row.record, false, true);
    Desktop d;
    for (int road = 0; road < 2; road++) {
        Catalogue written = cat;
        if (road == 0) written.manager.clear();
        written.Write(d);
        for (const auto& row : rows)
            for (int code = road; code < 2; code++) {
                SCOPED_TRACE(std::string(row.record) + (code ? " DIN" : " EN") + (road ? " manager" : " PROFIL"));
                const double F[6] = {762.3 * row.scale, 10.39 * row.scale, 30.31 * row.scale,
                                     0,                 68.7 * row.scale,  4.91 * row.scale};
                const std::string by_name = Run_Catalogue(d, row.record, code, row.a, F);
                const std::string own = Run_Catalogue(d, row.own, code, row.a, F);
                const std::string lw = "\xB2l\xCE\\w\xCEr = ";
                // (A tube's ring prints no sum of lengths.)
                const double l = Number_After(by_name, lw, 0), l_own = Number_After(own, lw, 0);
                EXPECT_TRUE(std::isnan(l) ? std::isnan(l_own) : l_own == l) << l << " " << l_own;
                EXPECT_EQ(Final_U(own, kWeldRow), Final_U(by_name, kWeldRow));
                EXPECT_EQ(Final_U(own, kSectionRow), Final_U(by_name, kSectionRow));
                EXPECT_FALSE(std::isnan(Final_U(own, kWeldRow)));
                if (code == 1 && row.l_w > 0) {
                    EXPECT_NEAR(l, row.l_w / 10, 0.05);
                }
            }
    }
}

// With the profile manager installed its file is the catalogue, on DIN as
// on EN: HE 300 B's record there only as SONDER1 (once "nicht vorhanden",
// no result), HE 300 B beside an empty PROFIL (once refused), and SONDER1
// there HE 300 B's while PROFIL beside it holds HD 400 x 400 x 347's under
// that name (once its 43.7 mm flange chose f_y,k 215 N/mm²: 1.174). V_z 392.5 kN, S235, gamma_M 1.1 (f_y,k 240): tau
// = V S_y / (I_y t_w), S_y = W_pl,y / 2 = 934.5 cm³: 392.5e3 934.5e3 /
// (25170e4 11) = 132.48 N/mm², sigma_v = sqrt 3 tau = 229.46 against
// 218.18: 1.0517.
TEST(DinCatalogueRoad, TheManagersFileDecides) {
    const double hand = std::sqrt(3.0) * 392.5e3 * 934.5e3 / (25170e4 * 11) / (240 / 1.1);
    const double F[6] = {0, 0, 0, 0, 392.5, 0};
    const struct {
        const char* what;
        const char* name;
        bool alone;  // PROFIL without the shipped records
    } cases[] = {{"only the manager's", "SONDER1", false}, {"empty PROFIL", "HE300B", true},
                 {"PROFIL not in use", "SONDER1", false}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        Desktop d;
        Catalogue cat;
        cat.Add("HE300B", "HE300B", false, true);
        if (std::string(c.name) != "HE300B") cat.Add(c.name, "HE300B", false, true);
        if (std::string(c.what) == "PROFIL not in use") cat.Add("SONDER1", "HD400X400X347", true, false);
        cat.Write(d, c.alone);
        if (c.alone) testutil::Write_File(d.dir.file("data/PROFIL"), "");
        const std::string list = Run_Catalogue(d, c.name, 1, 5, F);
        EXPECT_EQ(list.find("nicht vorhanden"), std::string::npos);
        EXPECT_NEAR(Final_U(list, kSectionRow), hand, 0.003 * hand);
        // Its welds are HE 300 B's too.
        const std::string designation = Run_Catalogue(d, "HE300B", 1, 5, F);
        EXPECT_EQ(Final_U(list, kWeldRow), Final_U(designation, kWeldRow));
    }
}

namespace {

// A DIN input file of a flat bar 200 x t of the grade joined to a plate
// t_p of it by a full-penetration butt weld, N in kN; the file's text.
std::string Flat_Bar_Input(Desktop& d, int grade, double t, double t_p, double N) {
    testutil::Record k;
    SchweissnahtAnschluss* r = &k.r;
    Default_Schweissnaht(r);
    r->code_setting = 1, r->gamma_M = 1.1, r->section_check = 1;
    Nahtbild& n = r->naht;
    n.uniform_grade = 1;
    n.material.grade = n.profile.material.grade = n.plate.material.grade = grade;
    Stahlprofil& p = n.profile;
    const Materialparameter_Record m = p.material;
    Init_Profile(&p);
    p.material = m, p.kind = STAHLPROFIL_KIND_DIMENSIONS, p.type = PROFILTYP_FLACH, p.h = 200, p.t_w = t;
    Calc_Profile_Cross_Section(&p, nullptr, 0, nullptr);
    n.plate.t = t_p, n.weld_kind = WELD_BUTT, n.full_penetration = 1, n.all_round = 1, n.contact_fraction = 0;
    Update_Weld_Layout(&n, nullptr, 0);
    Alloc_Lasten(r, 1);
    std::snprintf(r->loads[0].name, sizeof r->loads[0].name, "LK 1");
    r->loads[0].forces.N = N * 1e3;
    d.Add_Connection("A001", r, "1 Stab\n");
    return d.File("A001_01.INP");
}

// The same input opened in the window, its chart looked at and saved with
// "Ende": the list the window wrote.
std::string Window_List(Desktop& d, const std::string& input) {
    testutil::Write_File(d.project + "/A001_01.INP", input);
    std::filesystem::remove(d.project + "/A001_01.OLI");
    testutil::Write_File(d.dir.file("script.txt"), "click 181 30\nmove 1250 27\nmove 1250 27\nclick 1250 27\nkey 13\n");
    EXPECT_EQ(d.Run("A001 0 1 1", true, "VEK_SCRIPT='" + d.dir.file("script.txt") + "'"), 1) << d.err;
    return d.File("A001_01.OLI");
}

// The grade of the connection's material in the input file the window
// saved; -1 when it cannot be read.
int Saved_Grade(const Desktop& d) {
    testutil::Record saved;
    FILE* f = std::fopen((d.project + "/A001_01.INP").c_str(), "r");
    if (!f) return -1;
    const int read = Read_Schweissnaht(f, &saved.r);
    std::fclose(f);
    return read == 0 ? saved.r.naht.material.grade : -1;
}

}  // namespace

// Every grade of the weld grade table in a DIN input file, flat bar 200 x
// 20 joined by a full-penetration butt weld, N = -1520 kN: the batch and
// the window check it with one steel of DIN 18800's list, the window's
// (S450 and the S420 grades, which the list lacks, as the list's steel of
// the same delivery condition below them; the batch took S450's 440 N/mm²
// of EN 10025 and gave 0.950 where the window gave 1.161), and the list
// names it. By hand: sigma = 1520e3 / 4000 = 380 N/mm² against f_y,k /
// 1.1 for the weld in compression and the section alike, f_y,k (t <= 40
// mm) of DIN 18800-1 Table 1: St 37 240, St 44 275, St 52 360 and the fine
// grain steels S275 275, S355 360, S460 460 N/mm².
//
// Thicker parts, sigma = 150 N/mm² (N = -30 t kN): the weld takes the
// plate's range, the section the bar's; above 40 mm St 37 215, St 44 255,
// St 52 325 N/mm². A hollow-section grade (EN 10219, MH/MLH) has no
// strengths above 40 mm: the batch refuses the part with the grade's words
// and so does the window, whose list and box say so (it checked such a
// part with the list's steel and ended "Nachweis erbracht"); the file it
// saves keeps the grade. Every table grade above 80 mm is refused alike.
TEST(DinCatalogueRoad, EveryGradeIsOneSteelInBatchAndWindow) {
    // The grades of the table in its order (S235, S275, S355, S450, the N/NL,
    // M/ML, W, Q, H, NH/NLH and MH/MLH grades): f_y,k of the list's steel
    // and, where the list lacks the grade, what the list says of it.
    const char* const kLacks = "DIN 18800 kennt die Stahlsorte ";
    const struct {
        double f_y;
        const char* said;
    } grades[26] = {
        {240, nullptr}, {275, nullptr}, {360, nullptr}, {360, "S450 nicht; nachgewiesen mit S355 (St52)"},
        {275, nullptr}, {360, nullptr}, {360, "S420 N/NL nicht; nachgewiesen mit S355 N/NL"}, {460, nullptr},
        {275, nullptr}, {360, nullptr}, {360, "S420 M/ML nicht; nachgewiesen mit S355 M/ML"}, {460, nullptr},
        {240, nullptr}, {360, nullptr}, {460, nullptr}, {240, nullptr}, {275, nullptr}, {360, nullptr},
        {275, nullptr}, {360, nullptr}, {360, "S420 NH/NLH nicht; nachgewiesen mit S355 N/NL"}, {460, nullptr},
        {275, nullptr}, {360, nullptr}, {360, "S420 MH/MLH nicht; nachgewiesen mit S355 N/NL"}, {460, nullptr},
    };
    Desktop d;
    for (int grade = 0; grade < 26; grade++) {
        const auto& g = grades[grade];
        SCOPED_TRACE(grade);
        const std::string input = Flat_Bar_Input(d, grade, 20, 30, -1520);
        ASSERT_EQ(d.Run("A001 0 1 1 -refresh"), 1) << d.err;
        const std::string list = d.File("A001_01.OLI");
        const double U = 380 / (g.f_y / 1.1);
        EXPECT_NEAR(Final_U(list, kWeldRow), U, 0.0005);
        EXPECT_NEAR(Final_U(list, kSectionRow), U, 0.0005);
        if (g.said) EXPECT_NE(list.find(kLacks + std::string(g.said) + "\n"), std::string::npos);
        else EXPECT_EQ(list.find(kLacks), std::string::npos);
        // The same file opened in the window and saved with "Ende": each
        // grade the list lacks, and one of each strength it has.
        if (!g.said && grade != 0 && grade != 1 && grade != 2 && grade != 7) continue;
        const std::string window = Window_List(d, input);
        EXPECT_EQ(Final_U(window, kWeldRow), Final_U(list, kWeldRow));
        EXPECT_EQ(Final_U(window, kSectionRow), Final_U(list, kSectionRow));
    }
    const std::string kShort = " keine Festigkeitswerte f\x81r t = 50.0 mm > 40 mm, Materialparameter vorgeben";
    const struct {
        int grade;
        double t, t_p;  // mm
        double f_weld, f_section;
        const char* refused;  // the line of the batch and of the window
    } thick[] = {
        {2, 50, 30, 325, 325, nullptr},
        {1, 20, 50, 255, 275, nullptr},
        {22, 50, 30, 255, 255, "Stahlg\x81te S275 MH/MLH:"},
        {23, 20, 50, 325, 360, "Stahlg\x81te S355 MH/MLH:"},
        {24, 50, 30, 325, 325, "Stahlg\x81te S420 MH/MLH:"},
        {0, 90, 30, 215, 215, "Stahldicke t = 90.0 mm > 80 mm: Materialparameter \x81" "berpr\x81" "fen (ggf. vorgeben)"},
    };
    for (const auto& c : thick) {
        SCOPED_TRACE(std::to_string(c.grade) + " t " + std::to_string(c.t) + " t_p " + std::to_string(c.t_p));
        const std::string input = Flat_Bar_Input(d, c.grade, c.t, c.t_p, -30 * c.t);
        ASSERT_EQ(d.Run("A001 0 1 1 -refresh"), 1) << d.err;
        const std::string batch = d.File("A001_01.OLI");
        const std::string window = Window_List(d, input);
        const std::string line = c.refused ? c.refused + std::string(c.grade < 22 ? "" : kShort) : "";
        for (const std::string* list : {&batch, &window}) {
            EXPECT_NEAR(Final_U(*list, kWeldRow), 150 / (c.f_weld / 1.1), 0.0005);
            EXPECT_NEAR(Final_U(*list, kSectionRow), 150 / (c.f_section / 1.1), 0.0005);
            EXPECT_EQ(list->find("Nachweis erbracht") == std::string::npos, c.refused != nullptr);
            if (c.refused) {
                EXPECT_NE(list->find(" " + line + "  "), std::string::npos);
            }
        }
        if (!c.refused) continue;
        EXPECT_NE(d.err.find("message box \"\": [" + line + "]"), std::string::npos) << d.err;
        EXPECT_EQ(Saved_Grade(d), c.grade);
    }
}

// What the save under DIN 18800 says it does not keep: S450, which DIN
// takes as S355 (St52), is named unless S235 (St37) was chosen in its
// place from DIN's list (the box then still said "geöffnet gilt unter EC 3
// S355" of a file that holds S235); S275 MH/MLH, which DIN takes as S275
// (St44) but only up to 40 mm, is kept in the file and named as nothing
// lost. The Stahlsorte list of the uniform grade opens at (950, 115), its
// first entry, S235 (St37), at y 133.
TEST(DinCatalogueRoad, TheSaveNamesOnlyTheGradesItLoses) {
    const std::string lost = "[- Stahlsorte S450 unter EC 3: ge\x94" "ffnet gilt unter EC 3 S355.]";
    const struct {
        int grade;
        const char* choice;  // script lines before "Ende"
        int saved;
        bool named;
    } cases[] = {{3, "", 2, true}, {3, "click 950 115\nclick 940 133\n", 0, false}, {22, "", 22, false}};
    for (const auto& c : cases) {
        SCOPED_TRACE(std::to_string(c.grade) + " " + c.choice);
        Desktop d;
        const std::string input = Flat_Bar_Input(d, c.grade, 20, 30, -600);
        testutil::Write_File(d.dir.file("script.txt"),
                             std::string(c.choice) + "move 1250 27\nmove 1250 27\nclick 1250 27\nkey 13\n");
        ASSERT_EQ(d.Run("A001 0 1 1", true, "VEK_SCRIPT='" + d.dir.file("script.txt") + "'"), 1) << d.err;
        EXPECT_EQ(d.err.find(lost) != std::string::npos, c.named) << d.err;
        EXPECT_EQ(d.err.find("Nicht gespeichert wird") != std::string::npos, c.named) << d.err;
        EXPECT_EQ(Saved_Grade(d), c.saved);
    }
}

// An own grade given in the window's material sheet under DIN 18800 is
// checked as the batch checks it: the flat bar 200 x 20 in
// S235, a = 5 mm all round with end craters, N = +600 kN, opened in the
// window; "Vorgabe" of the uniform grade ticked (the page's check box at
// (1042, 115)), f_u,40 and f_y,40 typed (fields at (923, 181) and (923,
// 159)), the chart looked at, saved with "Ende" (the page's row of alpha_w:
// InputPage.DinShowsTheAlphaWItTakes). The list the window wrote is the
// batch's list of the file it saved, byte for byte, with
// the alpha_w of the band's grade: f_y,k 460: 0.60, sigma_w = 600e3 / (2 5
// (190 + 10)) = 300 N/mm² against 0.6 460 / 1.1 = 250.9, U_w = 1.196;
// f_y,k 690: no grade of the list, the welds not checked, and the list says
// why.
TEST(DinCatalogueRoad, AnOwnGradeOfTheWindowsSheetTakesTheBatchsWeldFactor) {
    const struct {
        double f_y, f_u;
        const char* row;    // the list's line of alpha_w
        const char* final;  // the final result's row of the welds
    } cases[] = {
        {460, 540, " Beiwert f\x81r Kehln\x84hte \xBA\xCE\\w\xCEr = 0.60\n",
         " \xCEtSchwei\xE1n\x84hte\xCEtLk 1\xCEtU\xCE\\w\xCEr = 1.196  >  1  "},
        {690, 770,
         " DIN 18800 kennt keine Stahlsorte mit f\xCE\\y,k\xCEr > 460 N/mm\xFD: kein \xBA\xCE\\w\xCEr, "
         "Schwei\xE1n\x84hte nicht nachgewiesen\n",
         " \xCEtSchwei\xE1n\x84hte\xCEtkein Nachweis: f\xCE\\y,k\xCEr > 460 N/mm\xFD, kein \xBA\xCE\\w\xCEr nach DIN 18800 "
         "(Eingabe)  "},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.f_y);
        Desktop d;
        testutil::Record k;
        SchweissnahtAnschluss* r = &k.r;
        Default_Schweissnaht(r);
        r->code_setting = 1, r->gamma_M = 1.1, r->section_check = 1;
        Nahtbild& n = r->naht;
        n.uniform_grade = 1;
        Stahlprofil& p = n.profile;
        const Materialparameter_Record m = p.material;
        Init_Profile(&p);
        p.material = m, p.kind = STAHLPROFIL_KIND_DIMENSIONS, p.type = PROFILTYP_FLACH, p.h = 200, p.t_w = 20;
        Calc_Profile_Cross_Section(&p, nullptr, 0, nullptr);
        n.plate.t = 20, n.all_round = 1, n.full_length = 0, n.contact_fraction = 0, n.a_w = 5;
        n.weld_count = std::max(0, Get_Profile_Plate_Elements(&p, n.length, n.number));
        for (int i = 0; i < n.weld_count; ++i) n.throat[i] = 5;
        Update_Weld_Layout(&n, nullptr, 0);
        Alloc_Lasten(r, 1);
        std::snprintf(r->loads[0].name, sizeof r->loads[0].name, "LK 1");
        r->loads[0].forces.N = 600e3;
        d.Add_Connection("A001", r, "1 Stab\n");
        char script[400];
        std::snprintf(script, sizeof script,
                      "click 1042 115\nclick 923 181\ntype 0 %.0f\nclick 923 159\ntype 0 %.0f\nclick 600 900\n"
                      "click 181 30\nmove 1250 27\nmove 1250 27\nclick 1250 27\nkey 13\n",
                      c.f_u, c.f_y);
        testutil::Write_File(d.dir.file("script.txt"), script);
        ASSERT_EQ(d.Run("A001 0 1 1", true, "VEK_SCRIPT='" + d.dir.file("script.txt") + "'"), 1) << d.err;
        EXPECT_EQ(d.err.find("message box"), std::string::npos) << d.err;
        const std::string window = d.File("A001_01.OLI");
        testutil::Record saved;
        FILE* f = std::fopen((d.project + "/A001_01.INP").c_str(), "r");
        ASSERT_NE(f, nullptr);
        ASSERT_EQ(Read_Schweissnaht(f, &saved.r), 0);
        std::fclose(f);
        for (const Materialparameter_Record* s :
             {&saved.r.naht.material, &saved.r.naht.profile.material, &saved.r.naht.plate.material}) {
            EXPECT_EQ(s->own_values, 1);
            EXPECT_EQ(s->f_y1, c.f_y);
            EXPECT_EQ(s->f_u1, c.f_u);
        }
        std::filesystem::remove(d.project + "/A001_01.OLI");
        ASSERT_EQ(d.Run("A001 0 1 1 -refresh"), 1) << d.err;
        const std::string batch = d.File("A001_01.OLI");
        EXPECT_EQ(window, batch);
        for (const std::string* list : {&window, &batch}) {
            EXPECT_NE(list->find(c.row), std::string::npos) << *list;
            EXPECT_NE(list->find(c.final), std::string::npos) << *list;
            EXPECT_EQ(list->find("Nachweis erbracht"), std::string::npos);
        }
    }
}
