// The sheet "Ausdrucksteuerung" as scripted sessions: the detail state of
// the tabular extent, Break keeping the edits, limits refused with a
// message, the preface edited in the comment editor, the wrapping of long
// preface lines, the controls of other application numbers, and a snapshot.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <string>
#include <vector>

#include "base/cp850.h"
#include "base/vesk.h"
#include "dialogs/snapshot.h"
#include "load_page.h"
#include "support/testutil.h"
#include "weldapp/oliprops.h"

namespace test_print_control_sheet {
namespace {

// The sheet stands in the screen centre: its area's content point (x, y)
// is on the screen at (440 + x, 262 + y): the sheet is 420 pixels wide.
int Sx(int x) { return 440 + x; }
int Sy(int y) { return 262 + y; }
void Click_Check(int x, int y) { VEK_Script_Click(Sx(x - 10), Sy(y - 4)); }
void Click_Field(int x, int y) { VEK_Script_Click(Sx(x + 8), Sy(y - 4)); }

// Rows with the defaults of application 156 (picture on): check boxes from
// 69, the results heading at 211, radio buttons from 238 ("tabellarisch"
// 292, its three options 310, 328, 346, "maßgebende Lastkombination" 364),
// check boxes from 391, the tolerance at 462. Fields stand right of their
// labels in the screen font (8 n - 3 pixels for n characters) and 14 pixels
// apart: the scale at 239, the tolerance at 230, the number of the detailed
// combination at 342, after its label at 75 (32 characters).
const int ROW_GRAFIK = 69, ROW_NONE_DETAILED = 346, ROW_TOLERANCE = 462;

struct Props {
    OliProps p{};
    Props() { Default_Print_Props(&p); }
    ~Props() { Default_Print_Props(&p); }
};

TEST(Print_Control_Sheet, DetailStateAndBreakKeepTheEdits) {
    testutil::Load_Page page;
    Props props;
    props.p.detailausgabe = -7;
    // The sheet opens with number 7 chosen; "keine detaillierte Ausgabe",
    // the picture switched off, then Break.
    Click_Check(75, ROW_NONE_DETAILED);
    Click_Check(55, ROW_GRAFIK);
    VEK_Script_Key(VEK_KEY_ESC);
    EXPECT_EQ(Edit_Print_Control_Sheet(&props.p), 0);
    EXPECT_EQ(props.p.detailausgabe, 0);
    EXPECT_EQ(props.p.grafik, 0);
    EXPECT_EQ(VEK_Prop_Sheet_Count(), 1);
    // Number 3 in detail: option 2 and its field.
    props.p.grafik = 1;
    Click_Check(75, 328);
    Click_Field(342, 328);
    VEK_Script_Type("3", 0);
    VEK_Script_Key(VEK_KEY_ENTER);
    Edit_Print_Control_Sheet(&props.p);
    EXPECT_EQ(props.p.detailausgabe, -3);
}

// Values outside their limits are refused with a message; the old value
// stays (the tolerance 0 to 10 %, the scale not negative).
TEST(Print_Control_Sheet, LimitsRefusedWithMessage) {
    testutil::Load_Page page;
    Props props;
    props.p.toleranz = 2.5;
    props.p.massstab = 5.0;
    Click_Field(230, ROW_TOLERANCE);
    VEK_Script_Type("15", 0);
    VEK_Script_Key(VEK_KEY_ENTER);
    Edit_Print_Control_Sheet(&props.p);
    EXPECT_DOUBLE_EQ(props.p.toleranz, 2.5);
    EXPECT_EQ(testutil::Last_Message(),
              "Die Toleranz im Endergebnis muss zwischen 0 und 10 % liegen.\nDer bisherige Wert bleibt erhalten.\n");
    Click_Field(239, ROW_GRAFIK);
    VEK_Script_Type("-2", 0);
    Click_Field(230, ROW_TOLERANCE);
    VEK_Script_Type("7.5", 0);
    VEK_Script_Key(VEK_KEY_ENTER);
    Edit_Print_Control_Sheet(&props.p);
    EXPECT_DOUBLE_EQ(props.p.massstab, 5.0);
    EXPECT_DOUBLE_EQ(props.p.toleranz, 7.5);
}

// The upper limits: the scale at most 1 : 100 (the picture of the largest
// section the input takes, 10 m, then measures 10 cm; far beyond, the
// picture collapsed), the number of the combination in detail at most the
// connection's count (5 here; beyond, the list had no case to show).
TEST(Print_Control_Sheet, UpperLimitsOfScaleAndDetailNumber) {
    testutil::Load_Page page;
    const struct {
        bool scale;
        const char* typed;
        double after;  // the scale, or the number in detail
        const char* box;  // null: taken
    } cases[] = {
        {true, "101", 5.0, "Der Ma\xE1stab darf h\x94" "chstens 1 : 100 sein.\nDer bisherige Wert bleibt erhalten.\n"},
        {true, "1e9", 5.0, "Der Ma\xE1stab darf h\x94" "chstens 1 : 100 sein.\nDer bisherige Wert bleibt erhalten.\n"},
        {true, "100", 100.0, nullptr},
        {false, "6", 2.0, "Es gibt nur 5 Lastkombinationen: die Nummer muss zwischen 1 und 5 liegen.\n"
                          "Der bisherige Wert bleibt erhalten.\n"},
        {false, "5", 5.0, nullptr},
    };
    for (const auto& c : cases) {
        Props props;
        props.p.massstab = 5.0;
        props.p.detailausgabe = -2;
        Set_Print_Control_Load_Count(5);
        VEK_Clear_Recorded_Messages();
        if (c.scale) Click_Field(239, ROW_GRAFIK);
        else Click_Field(342, 328);
        VEK_Script_Type(c.typed, 0);
        VEK_Script_Key(VEK_KEY_ENTER);
        Edit_Print_Control_Sheet(&props.p);
        EXPECT_DOUBLE_EQ(c.scale ? props.p.massstab : -props.p.detailausgabe, c.after) << c.typed;
        if (c.box) {
            EXPECT_EQ(testutil::Last_Message(), c.box) << c.typed;
            EXPECT_EQ(VEK_Recorded_Messages().back().title, "Eingabefehler");
        } else {
            EXPECT_TRUE(VEK_Recorded_Messages().empty()) << c.typed;
        }
    }
}

// The comment editor stands in the screen centre: its edit field from
// (350, 406), "bestätigen" at (894, 361).
void Type_Preface(const std::string& text) {
    VEK_Script_Click(Sx(45), Sy(43));  // "Vorbemerkungen"
    VEK_Script_Click(400, 450);
    for (char c : text) VEK_Script_Key(static_cast<unsigned char>(c));
    VEK_Script_Click(904, 371);
}

TEST(Print_Control_Sheet, PrefaceFromTheCommentEditor) {
    testutil::Load_Page page;
    Props props;
    Type_Preface("Hallo");
    VEK_Script_Key(VEK_KEY_ENTER);
    Edit_Print_Control_Sheet(&props.p);
    ASSERT_NE(props.p.vorbemerkungen, nullptr);
    EXPECT_STREQ(props.p.vorbemerkungen, "Hallo");
    // Four bytes or fewer leave no preface; the sheet then shows 0 lines.
    Type_Preface(std::string(5, VEK_KEY_BACKSPACE) + "abcd");
    VEK_Script_Key(VEK_KEY_ENTER);
    Edit_Print_Control_Sheet(&props.p);
    EXPECT_EQ(props.p.vorbemerkungen, nullptr);
    EXPECT_EQ(Print_Props_Preface_Lines(), 0);
}

// A preface of three lines typed in the comment editor and confirmed: the
// sheet counts three lines, and where the 600-pixel editor stood beside the
// 420-pixel sheet (x 340 to 429) the screen is the page again.
TEST(Print_Control_Sheet, ConfirmedEditorLeavesTheScreenAsItWas) {
    testutil::Load_Page page;
    Props props;
    std::vector<unsigned> before(static_cast<size_t>(NPIXEL_X) * NPIXEL_Y);
    pxScreenRGB(before.data());
    testutil::TempDir dir;
    const std::string shot = dir.file("after_editor.png");
    Type_Preface("Zeile 1\rZeile 2\rZeile 3");
    VEK_Script_Snapshot(shot.c_str());
    VEK_Script_Key(VEK_KEY_ENTER);
    Edit_Print_Control_Sheet(&props.p);
    ASSERT_NE(props.p.vorbemerkungen, nullptr);
    EXPECT_STREQ(props.p.vorbemerkungen, "Zeile 1\nZeile 2\nZeile 3");
    EXPECT_EQ(Print_Props_Preface_Lines(), 3);
    int w = 0, h = 0;
    const std::vector<unsigned char> after = snapshot::Read_Png_Rgb(shot, &w, &h);
    ASSERT_EQ(w, NPIXEL_X);
    int differing = 0;
    for (int y = 312; y <= 711; ++y)
        for (int x = 340; x <= 429; ++x) {
            const unsigned char* p = &after[3 * (static_cast<size_t>(y) * w + x)];
            differing += (static_cast<unsigned>(p[0]) << 16 | p[1] << 8 | p[2]) != before[static_cast<size_t>(y) * w + x];
        }
    EXPECT_EQ(differing, 0);
}

// Lines ending in a line feed that are longer than 110 characters break at
// their last blank among the first 110 characters; a line without such a
// blank stays whole. Every line counts, the last one without a line feed
// too: the 250 characters in three lines, the solid line and "Ende".
TEST(Print_Control_Sheet, LongPrefaceLinesBreakAtABlank) {
    Props props;
    std::string words;
    for (int i = 0; i < 25; ++i) words += "abcdefghi ";  // blanks at 9, 19, ..., 249
    const std::string solid(150, 'x');
    const std::string text = words + "\n" + solid + "\nEnde";
    props.p.vorbemerkungen = static_cast<char*>(Mem_Calloc(__FILE__, __LINE__, "null", text.size() + 1, 1));
    std::memcpy(props.p.vorbemerkungen, text.c_str(), text.size());
    EXPECT_EQ(Init_Print_Props_Texts(&props.p), 0);
    std::string expected = words;
    expected[109] = '\n';
    expected[219] = '\n';
    EXPECT_EQ(std::string(props.p.vorbemerkungen), expected + "\n" + solid + "\nEnde");
    EXPECT_EQ(Print_Props_Preface_Lines(), 3 + 1 + 1);
}

std::vector<std::string> Texts(int area) {
    std::vector<std::string> texts;
    for (const Scrollable_Area_Item* it = Scrollable_View_Area_Record(area)->first_item; it; it = it->next)
        if (it->text && it->kind != AREA_ITEM_PICTURE) texts.push_back(it->text);
    return texts;
}

bool Has(const std::vector<std::string>& texts, const char* text) {
    return std::find(texts.begin(), texts.end(), std::string(text)) != texts.end();
}

TEST(Print_Control_Sheet, ControlsByApplicationNumber) {
    testutil::Load_Page page;
    Props props;
    {
        testutil::ScopedEnv application("VEK_APPLICATION_NUMBER", "152");
        Fill_Print_Control_Sheet(&props.p, page.area);
        const auto texts = Texts(page.area);
        EXPECT_TRUE(Has(texts, "Bemessungskräfte"_cp));
        EXPECT_FALSE(Has(texts, "Materialsicherheitsbeiwerte"));
        EXPECT_FALSE(Has(texts, "tabellarisch"));
        EXPECT_FALSE(Has(texts, "Toleranz im Endergebnis"));
    }
    {
        testutil::ScopedEnv application("VEK_APPLICATION_NUMBER", "166");
        props.p.ergebnisumfang = 1;
        props.p.grafik = 0;
        Fill_Print_Control_Sheet(&props.p, page.area);
        const auto texts = Texts(page.area);
        EXPECT_TRUE(Has(texts, "optimierte Tabelle (FEM-Ergebnisse)"));
        EXPECT_TRUE(Has(texts, "tabellarisch"));
        EXPECT_FALSE(Has(texts, "keine detaillierte Ausgabe"));
        EXPECT_FALSE(Has(texts, "im Maßstab  1 :"_cp));
        EXPECT_TRUE(Has(texts, "(0 Zeilen)"));
    }
}

TEST(Print_Control_Sheet, Snapshot) {
    testutil::Load_Page page;
    Props props;
    props.p.massstab = 5.0;
    props.p.toleranz = 3.0;
    // The tabular extent with combination 7 in detail: its three options,
    // each whole, and the number's field after its label.
    props.p.ergebnisumfang = ERGEBNISUMFANG_TABELLARISCH;
    props.p.detailausgabe = -7;
    testutil::Snapshot_At_First_Wait("weldapp_print_control", 430, 220, 849, 804);
    VEK_Script_Key(VEK_KEY_ENTER);
    Edit_Print_Control_Sheet(&props.p);
    EXPECT_TRUE(testutil::Snapshot_Taken());
}

}  // namespace

}  // namespace test_print_control_sheet
