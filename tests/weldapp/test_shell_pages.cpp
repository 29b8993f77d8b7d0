// The shell's chart page and its bars, the end dialog and the question
// sheet as scripted sessions.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <filesystem>
#include <string>
#include <vector>

#include "dialogs/area_session.h"
#include "platform/events.h"
#include "platform/font.h"
#include "platform/input.h"
#include "platform/screen.h"
#include "profiles/catalogue_fixture.h"
#include "support/testutil.h"
#include "weldapp/code_materials.h"
#include "weldapp/last_schweissnaht.h"
#include "weldapp/lasttabelle.h"
#include "weldapp/print_schweissnaht.h"
#include "weldapp/schweissnaht.h"
#include "weldapp/shell_dialogs.h"
#include "weldapp/shell_pages.h"
#include "weldcheck/weldelem.h"

namespace {

class ShellPages : public ::testing::Test {
protected:
    void SetUp() override {
        Begin_Area_Session(1280, 1024);
        area_ = Open_Area_Sheet("", 9, 55, 1266, 1010, 1, 100);
        Init_Schweissnaht(&r_);
    }
    void TearDown() override {
        Free_Schweissnaht(&r_);
        End_Area_Session();
    }
    // n cases, each with a load (an evaluation checked them), and fresh
    // results.
    void Loaded_Cases(int n) {
        Alloc_Lasten(&r_, n);
        r_.load_count = n;
        for (int i = 0; i < n; i++) r_.loads[i].forces.N = 1000.0;
        New_Schweissnaht_Results(&r_);
    }
    // Cases with (U_sigma, U_w) each, the maximum and the tolerance, drawn.
    void Chart(std::initializer_list<std::pair<double, double>> cases, double maximum, double tolerance,
               int governing = -1) {
        Loaded_Cases(static_cast<int>(cases.size()));
        int i = 0;
        for (auto [sigma, w] : cases) Set_Case(i++, sigma, w);
        r_.max_utilisation = maximum;
        r_.governing_case = governing;
        r_.print.toleranz = tolerance;
        Clear_Scrollable_View_Area(area_);
        Draw_Utilisation_Chart(area_);
    }
    // A negative utilisation stands for a check without result.
    void Set_Case(int i, double sigma, double w) {
        r_.results[i].U_sigma = sigma < 0 ? Ausnutzung_Fehler() : Ausnutzung_Gefuehrt(sigma);
        r_.results[i].U_w = w < 0 ? Ausnutzung_Fehler() : Ausnutzung_Gefuehrt(w);
    }
    bool Shows(const std::string& text) const { return Find_Area_Text(area_, text) != nullptr; }
    int area_ = -1;
    SchweissnahtAnschluss& r_ = Schweissnaht_Anschluss;
};

}  // namespace

// U_sigma 0.005 and U_w 0.8: the case shows 80 % and only the weld row; a
// case without results a red bar and no percentage, and fails the proof
// as the list's verdict does. A maximum of 1.03 is within a tolerance of
// 5 % (its bars green, the verdict with the tolerance) and beyond one of
// 0 %.
TEST_F(ShellPages, ChartRowsAndWarning) {
    const char* failed = "Tragf\x84higkeit nicht gew\x84hrleistet (s. Druckliste) !!";
    Chart({{0.005, 0.8}, {-1.0, -1.0}}, 1.03, 5.0);
    EXPECT_TRUE(Shows("Lastkombination 1"));
    EXPECT_TRUE(Shows("Lastkombination 2"));
    EXPECT_TRUE(Shows("Schwei\xE1n\x84hte"));
    EXPECT_FALSE(Shows("Querschnitt Tr\x84ger"));
    int percentages = 0, crosses = 0;
    for (const Scrollable_Area_Item* it : Area_Items(area_, AREA_ITEM_TEXT)) {
        const std::string t = it->text;
        percentages += t.back() == '%';
        crosses += t == "xxxxxxxxxxxx";
    }
    EXPECT_EQ(percentages, 3);  // the case, its weld row and the total (103 %)
    EXPECT_EQ(crosses, 2);      // the case without results and the total, which lacks it
    EXPECT_TRUE(Shows("80%"));
    EXPECT_TRUE(Shows("103%"));
    EXPECT_TRUE(Shows(failed));
    EXPECT_FALSE(Shows("Nachweis erbracht"));
    const struct {
        double u, tolerance;
        int crosses;
        const char* verdict;
    } tolerances[] = {{1.03, 5.0, 0, "Nachweis erbracht (5% Toleranz)"},
                      {1.02, 2.5, 0, "Nachweis erbracht (2.5% Toleranz)"},
                      {1.03, 2.5, 3, failed},
                      {1.03, 0.0, 3, failed}};
    for (const auto& t : tolerances) {
        Chart({{0.2, t.u}, {0.1, 0.4}}, t.u, t.tolerance, 1);
        int shown = 0;
        for (const Scrollable_Area_Item* it : Area_Items(area_, AREA_ITEM_TEXT)) shown += it->text == std::string("xxxxxxxxxxxx");
        EXPECT_EQ(shown, t.crosses) << t.tolerance;  // the case, its weld row and the total
        EXPECT_TRUE(Shows(t.verdict)) << t.tolerance;
    }
    Chart({{0.005, 0.8}, {-1.0, -1.0}}, 1.03, 0.0, 1);
    EXPECT_TRUE(Shows("Tragf\x84higkeit nicht gew\x84hrleistet (s. Druckliste) !!"));
    EXPECT_TRUE(Shows("Grund: Ausnutzung 103% in Lastkombination 1"));
    // Every stress below 1, the c/t ratio at 1.2: not verified, as the list
    // says, and why.
    Chart({{0.3, 0.5}}, 0.5, 0.0, 1);
    EXPECT_FALSE(Shows("Tragf\x84higkeit nicht gew\x84hrleistet (s. Druckliste) !!"));
    r_.max_ct_utilisation = 1.2;
    Clear_Scrollable_View_Area(area_);
    Draw_Utilisation_Chart(area_);
    EXPECT_TRUE(Shows("Tragf\x84higkeit nicht gew\x84hrleistet (s. Druckliste) !!"));
    EXPECT_TRUE(Shows("Grund: c/t-Verh\x84ltnis: Ausnutzung 120%"));
    // Lk 2 a class 4 section the check does not cover: the reason is the
    // class, not the c/t ratio that makes it class 4 (nor its absence); a
    // web that buckles in shear and a plate beyond DIN 18800-1's b/t are
    // named for what they need, as the list's final result names them.
    const struct {
        Ausnutzung u;
        const char* reason;
    } uncovered[] = {{Ausnutzung_Nicht_Abgedeckt(),
                      "Grund: Querschnittsklasse 4 (nicht abgedeckt) in Lastkombination 2"},
                     {Ausnutzung_Schubbeulen(), "Grund: Schubbeulen (genauer Nachweis n\x94tig) in Lastkombination 2"},
                     {Ausnutzung_Beulnachweis(),
                      "Grund: Beulnachweis nach DIN 18800-3 n\x94tig in Lastkombination 2"}};
    for (const auto& c : uncovered)
        for (double ct : {1.2, 0.0}) {
            Chart({{0.3, 0.5}, {0.0, 0.5}}, 0.5, 0.0, 1);
            r_.results[1].U_sigma = c.u;
            r_.max_ct_utilisation = ct;
            Clear_Scrollable_View_Area(area_);
            Draw_Utilisation_Chart(area_);
            EXPECT_TRUE(Shows(c.reason)) << c.reason << ct;
        }
    Chart({}, -1.0, 0.0);  // no cases: nothing checked, as the list says
    EXPECT_TRUE(Shows("Gesamt"));
    EXPECT_TRUE(Shows("keine Belastung vorhanden: Nachweise werden nicht gef\x81hrt"));
}

// A percentage stands right-aligned at x 392, clear of the scale line at
// 347: one too wide for that (2989940142 %, ten digits of 8 pixels) shows
// with an exponent and the digits that fit (the 41 pixels take five
// characters): 9999 % still shows whole, 12346 % as 1e4 %.
TEST_F(ShellPages, ChartPercentagesStayClearOfTheScale) {
    const struct {
        double u;
        const char* shown;
    } cases[] = {{29899401.42, "3e9%"}, {99.99, "9999%"}, {123.456, "1e4%"}};
    for (const auto& c : cases) {
        Chart({{0.1, c.u}}, c.u, 0.0, 1);
        EXPECT_TRUE(Shows(c.shown)) << c.u;
        for (const Scrollable_Area_Item* it : Area_Items(area_, AREA_ITEM_TEXT))
            if (it->text[std::strlen(it->text) - 1] == '%') {
                EXPECT_GT(it->x1, 347) << it->text;
            }
    }
}

// Cases without any load are not checked (the list: "keine Belastung
// vorhanden  ->  Nachweise werden nicht geführt"): the chart says so instead
// of a total of 0 % without verdict, and no case shows a bar.
TEST_F(ShellPages, ChartOfCasesWithoutLoadSaysNothingIsChecked) {
    Chart({{0.0, 0.0}, {0.0, 0.0}}, 0.0, 0.0);
    r_.loads[1].forces.N = 0.0;
    for (bool one_loaded : {true, false}) {
        r_.loads[0].forces.N = one_loaded ? 1000.0 : 0.0;
        Clear_Scrollable_View_Area(area_);
        Draw_Utilisation_Chart(area_);
        EXPECT_EQ(Shows("0%"), one_loaded);
        EXPECT_EQ(Shows("keine Belastung vorhanden: Nachweise werden nicht gef\x81hrt"), !one_loaded);
        EXPECT_TRUE(Shows("Gesamt"));
        EXPECT_TRUE(Shows("Lastkombination 2"));
        EXPECT_EQ(Area_Items(area_, AREA_ITEM_RECTANGLE).empty(), !one_loaded);  // no bars
    }
}

// 2,000 cases: only the rows in view are items; rows scrolled into view
// are painted as their items paint them (the screen at the end of the
// chart, drawn with the view at its top, equals the one drawn there).
TEST_F(ShellPages, ChartBuildsTheRowsInView) {
    std::vector<std::pair<double, double>> cases;
    for (int i = 0; i < 2000; i++) cases.push_back({i % 7 == 3 ? -1.0 : (i % 5) * 0.2, (i % 3) * 0.45});
    Loaded_Cases(2000);
    for (int i = 0; i < 2000; i++) Set_Case(i, cases[i].first, cases[i].second);
    auto shot = [this](double from, double to) {
        Set_Scrollable_Area_Scroll_Fraction(area_, -1.0, from);
        Update_Scrollable_View_Area(area_);
        Clear_Scrollable_View_Area(area_);
        Draw_Utilisation_Chart(area_);
        Update_Scrollable_View_Area(area_);
        Set_Scrollable_Area_Scroll_Fraction(area_, -1.0, to);
        Update_Scrollable_View_Area(area_);
        return std::vector<int>(pxScreenPixels(), pxScreenPixels() + 1280 * 1024);
    };
    const std::vector<int> painted = shot(0.0, 1.0);
    EXPECT_LT(Area_Items(area_).size(), 2000u);
    EXPECT_TRUE(Shows("Lastkombination 1"));
    EXPECT_FALSE(Shows("Lastkombination 2000"));
    EXPECT_TRUE(painted == shot(1.0, 1.0));
    EXPECT_TRUE(Shows("Lastkombination 2000"));
}

// A plate of 0 mm is refused by the input check while every bar of the
// weld check may look green: the verdict says why, in the list's words.
TEST_F(ShellPages, ChartSaysWhyAnInputWasRefused) {
    testutil::CatalogueTree tree;
    Default_Schweissnaht(&r_);
    r_.loads[0].forces.N = -300e3;
    r_.naht.plate.t = 0.0;
    Print_Schweissnaht(&r_, nullptr);
    Clear_Scrollable_View_Area(area_);
    Draw_Utilisation_Chart(area_);
    EXPECT_TRUE(Shows("Tragf\x84higkeit nicht gew\x84hrleistet (s. Druckliste) !!"));
    EXPECT_TRUE(Shows("Grund: Eingabe: Blechdicke t = 0.0 mm < 1 mm"));
}

// A DIN 18800 connection holds its grade in the window as the entry of
// DIN's list that stands for it (S275 MH/MLH as S275 (St44), S355 as S355
// (St52), stainless steel, which the list lacks, as nothing); the chart
// checks the grade its file holds, as the list made from the saved file and
// every run of it do. EN 10219 gives the hollow-section grades no strengths
// above 40 mm, the weld grade table none above 80 mm, DIN 18800 stainless
// steel none at all: the chart said "Nachweis erbracht" for each. Flat bar
// 200 x t on a 30 mm plate, full-penetration butt weld, N = -30 t kN
// (sigma 150 N/mm²).
TEST_F(ShellPages, ChartChecksTheGradeTheFileHolds) {
    testutil::CatalogueTree tree;
    const char* const verified = "Nachweis erbracht";
    const struct {
        int grade;
        double t;
        const char* shown;
    } cases[] = {
        {22, 20, verified},
        {22, 50, "Grund: Eingabe: Stahlg\x81te S275 MH/MLH: keine Festigkeitswerte f\x81r t = 50.0 mm > 40 mm, "
                 "Materialparameter vorgeben"},
        {2, 90, "Grund: Eingabe: Stahldicke t = 90.0 mm > 80 mm: Materialparameter \x81" "berpr\x81" "fen (ggf. vorgeben)"},
        {WELD_GRADE_STAINLESS, 20, "Grund: Lastkombination 1: Fehler bei der Berechnung des Schwei\xE1nahtnachweises"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::to_string(c.grade) + " t " + std::to_string(c.t));
        Default_Schweissnaht(&r_);
        r_.code_setting = CODE_SETTING_DIN18800, r_.gamma_M = 1.1, r_.section_check = 1;
        Nahtbild& n = r_.naht;
        n.uniform_grade = 1;
        n.material.grade = n.profile.material.grade = n.plate.material.grade = c.grade;
        const Materialparameter_Record m = n.profile.material;
        Init_Profile(&n.profile);
        n.profile.material = m, n.profile.kind = STAHLPROFIL_KIND_DIMENSIONS, n.profile.type = PROFILTYP_FLACH;
        n.profile.h = 200, n.profile.t_w = c.t;
        n.plate.t = 30, n.weld_kind = WELD_BUTT, n.full_penetration = 1, n.all_round = 1, n.contact_fraction = 0;
        Update_Weld_Layout(&n, nullptr, 0);
        r_.loads[0].forces.N = -30e3 * c.t;
        Follow_Code_In_Materials(&r_);
        ASSERT_EQ(n.profile.material.kind, 1);
        Print_Schweissnaht(&r_, nullptr);
        Clear_Scrollable_View_Area(area_);
        Draw_Utilisation_Chart(area_);
        EXPECT_TRUE(Shows(c.shown));
        EXPECT_EQ(Shows(verified), c.shown == verified);
        Forget_Code_Materials();
    }
}

// The load-case page with the import tool installed and ten cases: on the
// import row each label ends before the picture or button that follows it
// (in the screen font's widths), and the sign convention stands below the
// table's line that appends a row (ten rows of 22 pixels from the first
// row's top, then that line), not under the rows.
TEST_F(ShellPages, LoadPageItemsDoNotOverlap) {
    testutil::TempDir exec;
    testutil::Write_File(exec.file("LoadPick.exe"), "#!/bin/sh\n");
    std::filesystem::permissions(exec.file("LoadPick.exe"), std::filesystem::perms::owner_all);
    testutil::ScopedEnv env("EXEC", exec.path());
    Alloc_Lasten(&r_, 10);
    Clear_Scrollable_View_Area(area_);
    Draw_Loads_Register(area_, 0, 0, 1279, 1023);
    const int row = 20 + 42;  // the import row's baseline
    std::vector<std::pair<int, int>> spans;  // (x1, x2) in the order of x
    for (const Scrollable_Area_Item* it : Area_Items(area_)) {
        if (it->kind == AREA_ITEM_TEXT && it->y1 == row)
            spans.push_back({it->x1, it->x1 + RFont_Text_Width(Screen_Font_Normal & RFONT_WORD_BITS, it->text, -1)});
        else if ((it->kind == AREA_ITEM_PICTURE || it->kind == AREA_ITEM_BITMAP_BUTTON) && it->y1 < row && it->y2 > row)
            spans.push_back({it->x1, it->x2});
    }
    std::sort(spans.begin(), spans.end());
    ASSERT_EQ(spans.size(), 8u);  // four labels, the picture, three buttons
    for (size_t i = 1; i < spans.size(); ++i) EXPECT_LT(spans[i - 1].second, spans[i].first) << i;
    const Scrollable_Area_Item* sign = nullptr;
    for (const Scrollable_Area_Item* it : Area_Items(area_, AREA_ITEM_PICTURE))
        if (std::string(it->text) == "EC3_schweisslasten_pic.bmp") sign = it;
    ASSERT_NE(sign, nullptr);
    int table_top = 0;
    for (const Scrollable_Area_Item* it : Area_Items(area_, AREA_ITEM_PICTURE))
        if (std::string(it->text) == "EC3_schweisslasten_1.bmp") table_top = it->y2 + 5;
    EXPECT_GT(sign->y1, table_top + 11 * LASTTABELLE_ROW_HEIGHT);
    // The unit choice is as wide as its longest entry: "kN / kNcm" whole.
    const std::vector<const Scrollable_Area_Item*> units = Area_Items(area_, AREA_ITEM_CHOICE_LIST);
    ASSERT_EQ(units.size(), 1u);
    EXPECT_GE(units[0]->aux, RFont_Text_Width(Screen_Font_Normal & RFONT_WORD_BITS, "kN / kNcm", -1));
    Reset_Lasttabelle();
}

// A bar of 0.5: ten rows of 50 pixels in the ten greens from the darkest
// down; the frame one pixel outside.
TEST_F(ShellPages, BarRows) {
    Draw_Utilisation_Bar(area_, 400, 100, 0.5);
    const int greens[10] = {89, 108, 128, 164, 187, 230, 187, 164, 128, 108};
    int rows = 0;
    for (const Scrollable_Area_Item* it : Area_Items(area_, AREA_ITEM_LINE)) {
        if (it->y1 != it->y2 || it->x1 != 400) continue;
        const int row = it->y1 - 91;
        ASSERT_TRUE(row >= 0 && row < 10) << it->y1;
        EXPECT_EQ(it->x2, 450);
        EXPECT_EQ(it->colour, Nearest_RGB_Color(0, greens[row], 0)) << row;
        ++rows;
    }
    EXPECT_EQ(rows, 10);
}

// The end dialog: OK without a change gives 1 (for application 166 too),
// Break -1, the second choice 0.
TEST_F(ShellPages, EndDialog) {
    {
        testutil::ScopedEnv app("VEK_APPLICATION_NUMBER", "166");
        VEK_Script_Key(VEK_KEY_ENTER);
        EXPECT_EQ(Edit_End_Dialog(), 1);
    }
    VEK_Script_Key(VEK_KEY_ESC);
    EXPECT_EQ(Edit_End_Dialog(), -1);
    // The sheet, 155 high and as wide as its texts need (some 280), stands
    // in the screen's middle: the radio of "beenden ohne zu speichern" 56
    // below the area's top (470) and some 40 right of its left edge.
    VEK_Script_Click(566, 522);
    VEK_Script_Key(VEK_KEY_ENTER);
    EXPECT_EQ(Edit_End_Dialog(), 0);
    EXPECT_EQ(VEK_Prop_Sheet_Count(), 1);  // only the test's own sheet is left
}

// On a screen 200 pixels high a question of 115 gets an area of 95 with a
// slider; its text comes from the callback; leaving it without an answer
// is Break. The many-load-cases text: five lines from y on.
TEST_F(ShellPages, QuestionSheet) {
    End_Area_Session();
    Begin_Area_Session(800, 200);
    struct Seen {
        int width = 0, height = 0, y = 0;
    } seen;
    const int result = Show_Question_Sheet(1, 390, 115, nullptr, &seen, [](int area, int x, int* y, void* user) {
        auto* s = static_cast<Seen*>(user);
        Inquire_Scrollable_View_Area_Size(area, &s->width, &s->height);
        Many_Loadcases_Callback(area, x, y, nullptr);
        s->y = *y;
    });
    EXPECT_EQ(result, 0);
    EXPECT_EQ(seen.height, 95);
    EXPECT_EQ(seen.y, 20 + 22 + 22 + 18 + 22);
    VEK_Script_Key(VEK_KEY_ENTER);
    EXPECT_EQ(Show_Question_Sheet(1, 390, 115, nullptr, nullptr, Many_Loadcases_Callback), 1);
    VEK_Script_Key(VEK_KEY_ENTER);  // an information has no OK: Enter does nothing, the run's end breaks
    EXPECT_EQ(Show_Question_Sheet(-1, 390, 115, nullptr, nullptr, Many_Loadcases_Callback), 0);
}
