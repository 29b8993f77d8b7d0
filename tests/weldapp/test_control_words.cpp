// Control-word text files: the reader's rules on worked files, the column
// reader and the block writer, the padded line reader, the help texts, the
// file dialog with its chooser, and the ring-section template.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <filesystem>
#include <string>
#include <sys/stat.h>
#include <vector>

#include "base/cp850.h"
#include "dialogs/scrollarea.h"
#include "load_page.h"
#include "platform/events.h"
#include "platform/file_chooser.h"
#include "platform/input.h"
#include "platform/msgbox.h"
#include "support/testutil.h"
#include "weldapp/control_words.h"
#include "weldapp/lasttabelle.h"
#include "weldapp/last_schweissnaht.h"

namespace {

struct Read_Case {
    const char* what;
    std::string file;
    int result, count;
    std::vector<double> values;  // of all groups read
    std::vector<std::string> names;
    std::string refusal = "";
};

// The load-case table's call: six values, names of 41, letter S.
TEST(Control_Words, ReaderFollowsTheRules) {
    const std::string long_title(300, 'T');
    const Read_Case cases[] = {
        {"names after a group, semicolons", "#S\n1 2 3 4 5 6 LK 1\n7;8;9;10;11;12\n", 1, 2,
         {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12}, {"LK 1", ""}},
        {"decimal comma, group across lines", "#S\r\n1,5 2 3\r\n4 5 6 Wind\r\n", 1, 1, {1.5, 2, 3, 4, 5, 6}, {"Wind"}},
        {"only the first block", "vorab 9 9\n#E\n1 1 1 1 1 1\n#S " + long_title + "\n1 2 3 4 5 6\n#X\n#S\n7 8 9 10 11 12\n",
         1, 1, {1, 2, 3, 4, 5, 6}, {""}},
        {"digits before letters", "#S\n12kN 1 2 3 4 5 ;; Last  mit  Wind;\n", 1, 1, {12, 1, 2, 3, 4, 5},
         {"Last  mit  Wind;"}},
        {"no block S", "#s\n1 2 3 4 5 6\n", 0, 0, {}, {}},
        // A damaged file is refused whole, naming the line and the token;
        // before, the groups in front of the damage were taken.
        {"letters", "#S\n1 2 3 4 5 6\nN My\n7 8 9 10 11 12\n", 0, 0, {}, {}, "Zeile 3: \"N\" ist keine Zahl"},
        {"no number at all", "#S\nabc\n", 0, 0, {}, {}, "Zeile 2: \"abc\" ist keine Zahl"},
        {"not finite", "#S\n1 2 3 4 5 6\n1 2 nan 4 5 6\n", 0, 0, {}, {}, "Zeile 3: \"nan\" ist keine Zahl"},
        {"beyond a float", "#S\n1 2 3 4 5 6\n1e39 2 3 4 5 6\n", 0, 0, {}, {}, "Zeile 3: \"1e39\" ist keine Zahl"},
        {"0 in a float", "#S\n1 2 3 4 5 1e-50\n", 0, 0, {}, {}, "Zeile 2: \"1e-50\" ist keine Zahl"},
        {"hexadecimal", "#S\n1 2 3 0x10 5 6\n", 0, 0, {}, {}, "Zeile 2: \"0x10\" ist keine Zahl"},
        {"two points", "#S\n1,5,3 2 3 4 5 6\n", 0, 0, {}, {}, "Zeile 2: \"1,5,3\" ist keine Zahl"},
        {"exponent without digits", "#S\r\n1e 2 3 4 5 6\r\n", 0, 0, {}, {}, "Zeile 2: \"1e\" ist keine Zahl"},
        {"incomplete group", "#S\n1 2 3 4 5 6\n7 8\n#T\n", 0, 0, {}, {},
         "Zeile 3: unvollst\x84ndige Kombination (2 von 6 Werten)"},
        {"name cut to 40", "#S\n1 2 3 4 5 6 " + std::string(45, 'n') + "\n", 1, 1, {1, 2, 3, 4, 5, 6},
         {std::string(40, 'n')}},
        // The list's markup escape would hide the name's rest: "X╬@9. Fake"
        // was printed "X9. Fake".
        {"markup escape", "#S\n1 2 3 4 5 6 X\xCE@9. Fake\n", 0, 0, {}, {},
         "Zeile 2: Name enth\x84lt das Zeichen \"\xCE\", das im Ausdruck eine Formatierung einleitet"},
    };
    for (const Read_Case& c : cases) {
        FILE* f = testutil::Stream_With(c.file);
        std::vector<double> values(6 * 10, -99.0);
        std::vector<char> names(41 * 10, 'x');
        int count = -1;
        EXPECT_EQ(Read_Ctrlword_Values_From(f, values.data(), &count, 6, 6, 10, names.data(), 41, 'S'), c.result)
            << c.what;
        std::fclose(f);
        ASSERT_EQ(count, c.count) << c.what;
        for (size_t i = 0; i < c.values.size(); ++i) EXPECT_DOUBLE_EQ(values[i], c.values[i]) << c.what << " " << i;
        for (size_t g = 0; g < c.names.size(); ++g) EXPECT_EQ(std::string(&names[41 * g]), c.names[g]) << c.what;
        EXPECT_EQ(Ctrlword_Read_Refusal(), c.refusal) << c.what;
        // A name cut is said with its line.
        EXPECT_EQ(std::string(Ctrlword_Cut_Names()), c.what == std::string("name cut to 40") ? "Zeile 2" : "") << c.what;
    }
}

// Values are read in single precision: 0.1 comes back as the float 0.1.
TEST(Control_Words, ValuesCarrySinglePrecision) {
    FILE* f = testutil::Stream_With("#S\n0.1 123456789 0 0 0 0\n");
    double v[12] = {};
    int count = 0;
    EXPECT_EQ(Read_Ctrlword_Values_From(f, v, &count, 6, 6, 2, nullptr, 0, 'S'), 1);
    std::fclose(f);
    EXPECT_EQ(v[0], static_cast<double>(0.1f));
    EXPECT_EQ(v[1], 123456792.0);  // the nearest float
}

// 10000 combinations fit the load-case table and are read whole; one more
// (before, the file was cut after the 10000th without a word and the one
// behind it was lost) refuses the file, naming both counts. The column
// reader keeps the rule.
TEST(Control_Words, CapacityAndArguments) {
    std::string file = "#S\n";
    for (int g = 0; g < 10000; ++g) file += std::to_string(g) + " 0 0 0 0 0\n";
    std::vector<double> values(6 * 10000);
    for (const bool more : {false, true}) {
        FILE* f = testutil::Stream_With(file + (more ? "20 20 20 20 20 20\n" : ""));
        int count = -1;
        EXPECT_EQ(Read_Ctrlword_Values_From(f, values.data(), &count, 6, 6, 10000, nullptr, 0, 'S'), more ? 0 : 1);
        std::fclose(f);
        EXPECT_EQ(count, more ? 0 : 10000);
        EXPECT_EQ(Ctrlword_Read_Refusal(), std::string(more ? "10001 Kombinationen, höchstens 10000 können "
                                                              "eingelesen werden"_cp
                                                            : ""));
        if (!more) {
            EXPECT_DOUBLE_EQ(values[6 * 9999], 9999.0);
        }
    }
    double c1[2] = {}, c2[2] = {};
    int rows = -1;
    FILE* f = testutil::Stream_With("#A\n1 2\n3 4\n5 6\n");
    EXPECT_EQ(Read_Ctrlword_Columns(f, c1, c2, nullptr, 2, &rows, 2, 'A'), 0);
    EXPECT_EQ(rows, 0);
    EXPECT_EQ(std::string(Ctrlword_Read_Refusal()), "3 Kombinationen, höchstens 2 können eingelesen werden"_cp);
    int count = 7;
    EXPECT_EQ(Read_Ctrlword_Values_From(f, values.data(), &count, 21, 21, 10, nullptr, 0, 'S'), 0);
    EXPECT_EQ(Read_Ctrlword_Values_From(f, values.data(), &count, 6, 5, 10, nullptr, 0, 'S'), 0);
    EXPECT_EQ(count, 7);  // untouched
    EXPECT_EQ(Read_Ctrlword_Values_From(f, values.data(), &count, 6, 6, 1, nullptr, 0, 'S'), 0);
    EXPECT_EQ(count, 0);
    std::fclose(f);
}

// The column reader stops before the next block, which can be read next.
TEST(Control_Words, ColumnsReadBlockAfterBlock) {
    FILE* f = testutil::Stream_With("#A erste\n1 2 3 4\n5 6 7 8\n#B\n9 10\n");
    double c1[4] = {}, c2[4] = {}, c3[4] = {};
    int count = 0;
    EXPECT_EQ(Read_Ctrlword_Columns(f, c1, c2, c3, 4, &count, 4, 'A'), 1);
    EXPECT_EQ(count, 2);
    EXPECT_EQ(std::vector<double>(c1, c1 + 2), (std::vector<double>{1, 5}));
    EXPECT_EQ(std::vector<double>(c3, c3 + 2), (std::vector<double>{3, 7}));
    EXPECT_EQ(Read_Ctrlword_Columns(f, c1, c2, nullptr, 2, &count, 4, 'B'), 1);
    EXPECT_EQ(count, 1);
    EXPECT_EQ(c1[0], 9.0);
    EXPECT_EQ(c2[0], 10.0);
    std::fclose(f);
}

TEST(Control_Words, BlockWriterBytes) {
    const double a1[2] = {1, 2.5}, a2[2] = {-3, 0};
    FILE* f = std::tmpfile();
    EXPECT_EQ(Write_Ctrlword_Block(f, a1, a2, nullptr, 2, 2, "Punkte"), 1);
    EXPECT_EQ(Write_Ctrlword_Block(f, a1, nullptr, nullptr, 1, 0, "Leer"), 0);
    EXPECT_EQ(Write_Ctrlword_Block(f, a1, nullptr, nullptr, 2, 1, "X"), 0);
    EXPECT_EQ(testutil::Stream_All(f), "#Punkte\n 1.000000 -3.000000\n 2.500000 0.000000\n\n#Leer\n\n");
    std::fclose(f);
}

TEST(Control_Words, PaddedLine) {
    FILE* f = testutil::Stream_With("abc   \r\nxyz\n");
    EXPECT_STREQ(Read_Padded_Line(f, 100), "abc");
    EXPECT_STREQ(Read_Padded_Line(f, 2), "xy");
    EXPECT_STREQ(Read_Padded_Line(f, 100), "z");
    EXPECT_EQ(Read_Padded_Line(f, 100), nullptr);
    std::fclose(f);
}

// The help text of the text-file sheet: its lines at their offsets.
TEST(Control_Words, TextfileHelpText) {
    testutil::Load_Page page;
    int info[3] = {1, 6, 10000};
    int y = 20;
    Textfile_Help_Text(page.area, 20, &y, info);
    EXPECT_EQ(y, 200);
    std::vector<std::pair<int, std::string>> lines;
    for (const Scrollable_Area_Item* it = Scrollable_View_Area_Record(page.area)->first_item; it; it = it->next)
        lines.emplace_back(it->y1, it->text);
    ASSERT_EQ(lines.size(), 10u);
    EXPECT_EQ(lines[4], std::make_pair(101, std::string("Die Datei muss zunächst das Steuerwort '#S' enthalten,"_cp)));
    EXPECT_EQ(lines[6], std::make_pair(142, std::string("Es können maximal 10000 Lastkombinationen"_cp)));
    EXPECT_EQ(lines[7], std::make_pair(160, std::string("mit genau 6 Werten je Kombination eingelesen werden.")));
    y = 0;
    int none[3] = {0, 6, 10000};
    Import_Help_Text(page.area, 20, &y, none);
    EXPECT_EQ(y, 0);
    int two_cuts[3] = {2, 1, 50};
    Import_Help_Text(page.area, 20, &y, two_cuts);
    EXPECT_EQ(y, 118);
    EXPECT_EQ(std::string(Scrollable_View_Area_Record(page.area)->last_item->text),
              "mit je 1 Wert in die Tabelle übernommen werden."_cp);
}

// The dialog stands in the screen centre: field at (412, 509), browse
// button at (794, 509).
const int FIELD_X = 450, FIELD_Y = 515, BROWSE_X = 805, BROWSE_Y = 515;

TEST(Control_Words, FileDialogBreakChooserAndRefusal) {
    testutil::Load_Page page;  // a screen and a sheet below the dialog
    testutil::TempDir dir;
    const std::string file = dir.file("k.txt");
    testutil::Write_File(file, "#S\n1 2 3 4 5 6\n");
    double values[12];
    int count = 5;
    VEK_Script_Key(VEK_KEY_ESC);
    EXPECT_EQ(Read_Ctrlword_Values(values, &count, 6, 6, 2, nullptr, 0, 'S'), 1);
    EXPECT_EQ(count, 5);
    // The chooser's path goes into the field; OK opens it.
    VEK_Script_Click(BROWSE_X, BROWSE_Y);
    VEK_Script_Type(file.c_str(), VEK_KEY_ENTER);
    VEK_Script_Key(VEK_KEY_ENTER);
    EXPECT_EQ(Read_Ctrlword_Values(values, &count, 6, 6, 2, nullptr, 0, 'S'), 1);
    EXPECT_EQ(count, 1);
    EXPECT_EQ(VEK_Last_File_Chooser_Flags(), VEK_FILE_CHOOSE_READ);
    // The name stays for the next call; a file that cannot be opened is named.
    VEK_Script_Click(FIELD_X, FIELD_Y);
    VEK_Script_Type((dir.str() + "/fehlt.txt").c_str(), 0);
    VEK_Script_Key(VEK_KEY_ENTER);
    EXPECT_EQ(Open_File_Dialog(0), nullptr);
    EXPECT_EQ(testutil::Last_Message(), "Die Datei: " + dir.str() + "/fehlt.txt kann nicht geöffnet werden.\n"_cp);
    EXPECT_EQ(VEK_Prop_Sheet_Count(), 1);
}

// Ten combinations, LK 7 with a force beyond any float: nothing is taken
// (before, LK 1 to 6 were, and the governing LK 10 was lost), and the box
// names the file, the line and the token. A FIFO chosen is refused at once.
TEST(Control_Words, DamagedFileIsRefusedWholeThroughTheDialog) {
    testutil::Load_Page page;
    testutil::TempDir dir;
    std::string text = "#S Schnittgr\x94\xE1" "en\n";
    for (int lk = 1; lk <= 10; ++lk)
        text += (lk == 7 ? std::string("1e39") : std::to_string(10 * lk)) + " 1 2 3 4 5 LK " + std::to_string(lk) + "\n";
    const std::string file = dir.file("lk.txt");
    testutil::Write_File(file, text);
    std::vector<double> values(6 * 20, 0.0);
    std::vector<char> names(41 * 20, '\0');
    int count = -1;
    VEK_Script_Click(FIELD_X, FIELD_Y);
    VEK_Script_Type(file.c_str(), 0);
    VEK_Script_Key(VEK_KEY_ENTER);
    EXPECT_EQ(Read_Ctrlword_Values(values.data(), &count, 6, 6, 20, names.data(), 41, 'S'), 0);
    EXPECT_EQ(count, 0);
    EXPECT_EQ(testutil::Last_Message(), "Die Datei: " + file + " ist besch\x84" "digt und wird nicht eingelesen:\n"
                                        "Zeile 8: \"1e39\" ist keine Zahl\n");
    const std::string fifo = dir.file("lk.fifo");
    ASSERT_EQ(mkfifo(fifo.c_str(), 0600), 0);
    VEK_Script_Click(FIELD_X, FIELD_Y);
    VEK_Script_Type(fifo.c_str(), 0);
    VEK_Script_Key(VEK_KEY_ENTER);
    EXPECT_EQ(Read_Ctrlword_Values(values.data(), &count, 6, 6, 20, names.data(), 41, 'S'), 1);
    EXPECT_EQ(testutil::Last_Message(), "Die Datei: " + fifo + " kann nicht ge\x94" "ffnet werden (keine Datei).\n");
}

int Answer_Ok(int, int, int, const char*, void*, Lasttabelle_Text_Callback) { return 1; }

// Through the load-case page: the table holds 10000 cases. A file that
// does not fit beside the cases with load already there is not taken at
// all and the box names the counts (2 cases and 9999 combinations); one
// that fits is appended whole (2 + 9998). A file of 10001 combinations is
// refused by its reader and the box names its count.
TEST(Control_Words, LoadTableTakesAFileOnlyWhole) {
    testutil::Load_Page page;
    testutil::TempDir dir;
    Lasttabelle_Services services{};
    services.question_sheet = Answer_Ok;
    Set_Lasttabelle_Services(&services);
    const std::string path = dir.file("lk.txt");
    const struct {
        int combinations, count;
        std::string box;
    } cases[] = {
        {9999, 2, "Die Tabelle enthält 2 Lastfälle, die Datei 9999 Kombinationen:\n"
                  "zusammen mehr als 10000, die Datei wird nicht eingelesen.\n"_cp},
        {10001, 2, "Die Datei: " + path + " wird nicht eingelesen:\n10001 Kombinationen, "
                   "höchstens 10000 können eingelesen werden\n"_cp},
        {9998, 10000, ""},
    };
    for (const auto& c : cases) {
        std::string text = "#S\n";
        for (int g = 1; g <= c.combinations; ++g) text += "1 0 0 0 0 0 LK " + std::to_string(g) + "\n";
        testutil::Write_File(path, text);
        page.Set_Cases({testutil::Case("A", 1000, 0, 0, 0, 0, 0), testutil::Case("B", 0, 0, 0, 0, 0, 1e6),
                        testutil::Case("", 0, 0, 0, 0, 0, 0)},
                       0);
        page.Pass();
        VEK_Clear_Recorded_Messages();
        Lasttabelle_Request.read_text_file = 1;
        VEK_Script_Click(FIELD_X, FIELD_Y);
        VEK_Script_Type(path.c_str(), 0);
        VEK_Script_Key(VEK_KEY_ENTER);
        EXPECT_EQ(Edit_Lasttabelle(), -1);
        page.Pass();
        Store_Lasttabelle(&page.record.r);
        int loaded = 0;
        for (int i = 0; i < page.record.r.load_count; ++i) loaded += Lastfall_Has_Load(&page.record.r, i);
        EXPECT_EQ(loaded, c.count) << c.combinations;
        // The box of the refusal comes first (the table's own "nothing
        // read" may follow it).
        std::string first;
        if (!VEK_Recorded_Messages().empty())
            for (const std::string& line : VEK_Recorded_Messages().front().lines) first += line + "\n";
        EXPECT_EQ(first, c.box) << c.combinations;
    }
    Set_Lasttabelle_Services(nullptr);
}

TEST(Control_Words, RingSectionTemplate) {
    testutil::Load_Page page;
    testutil::TempDir dir;
    const std::string file = dir.file("ring.txt");
    VEK_Script_Click(FIELD_X, FIELD_Y);
    VEK_Script_Type(file.c_str(), 0);
    VEK_Script_Key(VEK_KEY_ENTER);
    EXPECT_EQ(Write_Ring_Section_Template(10.0, 0.0, 2.0, 1.0, 0, 4), 1);
    const std::string text = testutil::Read_File(file);
    const std::string expected_start =
        "#Kommentar\n"
        " Die Daten sind steuerwortbezogen abzulegen. Die Steuerworte werden mit '#' am Anfang einer Zeile\n"
        " eingeleitet. Der Text im Anschluss an das Steuerwort wird ignoriert.\n"
        " In den folgenden Zeilen k\xF6nnen bis zu 6 verschiedene Argumente folgen, die mittels eines Leerzeichens,\n"
        " Semikolons oder Zeilenumbruchs getrennt sind. Es wird bis zum n\xE4" "chsten Steuerwort gelesen.\n"
        "\n"
        "#Berandung (je 2 Argumente: y-,z-Koordinate in cm)\n"
        " 10.000000 0.000000\n 0.000000 10.000000\n -10.000000 0.000000\n -0.000000 -10.000000\n\n"
        "#Einzelbewehrungsgruppe 1 (je 2 Argumente: y-,z-Koordinate in cm)\n"
        " 8.000000 0.000000\n 0.000000 8.000000\n -8.000000 0.000000\n -0.000000 -8.000000\n\n";
    EXPECT_EQ(text, expected_start);
    // Saved like every other file: a write the disc refuses leaves the old
    // template whole (before, it was cut to what fitted), and a new one
    // replaces it only whole, with no temporary left.
    VEK_Script_Key(VEK_KEY_ENTER);
    {
        testutil::ScopedFileSizeLimit full(100);
        EXPECT_EQ(Write_Ring_Section_Template(20.0, 5.0, 2.0, 1.0, 1, 8), 0);
    }
    EXPECT_EQ(testutil::Last_Message(), "Die Datei: " + file + " kann nicht geöffnet werden.\n"_cp);
    EXPECT_EQ(testutil::Read_File(file), expected_start);
    VEK_Script_Key(VEK_KEY_ENTER);
    EXPECT_EQ(Write_Ring_Section_Template(20.0, 5.0, 2.0, 1.0, 1, 8), 1);
    EXPECT_NE(testutil::Read_File(file).find("#Linienbewehrungszug 2 (je 2"), std::string::npos);
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.path()), {}), 1);
    EXPECT_EQ(Read_Not_Possible(), 0);
    EXPECT_EQ(testutil::Last_Message(), "Lesen z.Zt. nicht möglich\n"_cp);
}

}  // namespace
