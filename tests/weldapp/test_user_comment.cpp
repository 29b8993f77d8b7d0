// The user comment: its line breaking into the print list (worked widths
// of the screen font: n characters are 8 n - 3 pixels wide), the print
// variants, the area variant, and the editor as a scripted session.
#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#include "base/vesk.h"
#include "load_page.h"
#include "platform/desktop.h"
#include "platform/font.h"
#include "platform/msgbox.h"
#include "printlist/oli_para.h"
#include "support/testutil.h"
#include "weldapp/user_comment.h"

namespace {

std::string Written(void (*write)(FILE*, const char*), const char* text) {
    FILE* f = std::tmpfile();
    OLI_Reset_Writer();
    write(f, text);
    OLI_End_Text(f);
    std::string all = testutil::Stream_All(f);
    std::fclose(f);
    return all;
}

TEST(User_Comment, LinesOfTheWrappedText) {
    Pop_RFont(0x1000);
    // A line a, an empty line and a line b: three lines, the empty one a
    // blank (the paragraph writer puts a blank before every line).
    EXPECT_NE(Written(Write_Wrapped_Text, "a\n\nb").find("\n a\n  \n b\n"), std::string::npos);
    // 43 pixels hold 5 characters (37 pixels), not 6 (45): a word of 12
    // characters is cut where the width is exceeded, after 6 characters.
    User_Comment_Line_Width = 43;
    EXPECT_NE(Written(Write_Wrapped_Text, "abcdefghijkl").find("\n abcdef\n ghijkl\n"), std::string::npos);
    // A blank before the break point ends the line after it.
    EXPECT_NE(Written(Write_Wrapped_Text, "ab cdefg").find("\n ab \n cdefg\n"), std::string::npos);
    Push_RFont();
}

TEST(User_Comment, PrintVariants) {
    const std::string logo = Written(Print_User_Comment_with_Logo, "Text");
    EXPECT_NE(logo.find("#SHOWGRAFIC\n0 0 0\n0 0 0\n-1\n0.0 1.2 1.2 0.0\n27 0.0 0.0 %FONT%\\UserCommentLogo.ocm\n-1\n"),
              std::string::npos);
    EXPECT_NE(logo.find("Text\n"), std::string::npos);
    EXPECT_EQ(User_Comment_Line_Width, 600);
    const std::string plain = Written(Print_User_Comment, "Text");
    EXPECT_EQ(plain.find("#SHOWGRAFIC"), std::string::npos);
    EXPECT_EQ(User_Comment_Line_Width, 675);
    for (const char* nothing : {"", " ", "\n"}) EXPECT_EQ(Written(Print_User_Comment, nothing), "");
}

TEST(User_Comment, WrappedTextInAnArea) {
    testutil::Load_Page page;
    int y = 10;
    Add_Wrapped_Text_to_Area(page.area, 5, 43, &y, "ab cdefg\n\nx", 0x1000, Screen_Black, 15);
    EXPECT_EQ(y, 10 + 4 * 15);
    std::vector<std::string> lines;
    for (const Scrollable_Area_Item* it = Scrollable_View_Area_Record(page.area)->first_item; it; it = it->next)
        lines.push_back(std::to_string(it->y1) + ":" + it->text);
    EXPECT_EQ(lines, (std::vector<std::string>{"10:ab ", "25:cdefg", "55:x"}));
}

char* Copy(const char* text) {
    char* c = static_cast<char*>(Mem_Calloc(__FILE__, __LINE__, "null", std::strlen(text) + 1, 1));
    std::memcpy(c, text, std::strlen(text));
    return c;
}

// The editor in the screen centre: "abbrechen" at (824, 361), "bestätigen"
// at (894, 361), the text from (350, 406).
TEST(User_Comment, EditorConfirmsACopyAndCancelsToTheOldText) {
    testutil::Load_Page page;
    char* text = Copy("alt");
    VEK_Script_Click(904, 371);
    char* confirmed = Edit_User_Comment(text, "Vorbemerkungen");
    ASSERT_NE(confirmed, text);  // a new copy; the old one was freed
    EXPECT_STREQ(confirmed, "alt");
    VEK_Script_Click(400, 450);
    VEK_Script_Key('!');
    VEK_Script_Click(834, 371);
    EXPECT_EQ(Edit_User_Comment(confirmed, "Vorbemerkungen"), confirmed);
    EXPECT_STREQ(confirmed, "alt");
    VEK_Script_Key(VEK_KEY_ESC);
    EXPECT_EQ(Edit_User_Comment(confirmed, "Vorbemerkungen"), confirmed);
    // Keys typed before any click go into the text, at its end; Escape
    // after them cancels all the same.
    for (int key : {'x', 'y'}) VEK_Script_Key(key);
    VEK_Script_Click(904, 371);
    char* typed = Edit_User_Comment(confirmed, "Vorbemerkungen");
    EXPECT_STREQ(typed, "altxy");
    for (int key : {(int)'z', (int)VEK_KEY_ESC}) VEK_Script_Key(key);
    EXPECT_EQ(Edit_User_Comment(typed, "Vorbemerkungen"), typed);
    EXPECT_STREQ(typed, "altxy");
    EXPECT_EQ(VEK_Script_Pending(), 0);
    Mem_Free(__FILE__, __LINE__, "null", typed);
    EXPECT_EQ(VEK_Prop_Sheet_Count(), 1);
}

// The editor takes the larger of 5000 characters and four times the text's
// length: for "alt" 5000. What does not fit is refused with a box that names
// the limit, as the one-line fields refuse it, never cut without a word; the
// box comes once an edit (the 'y' after the paste has none).
TEST(User_Comment, EditorRefusesWhatDoesNotFitWithABox) {
    testutil::Load_Page page;
    char* text = Copy("alt");
    VEKSetClipboardText(std::string(6000, 'z').c_str(), 0);
    VEK_Script_Click(400, 450);
    for (int key : {(int)VEK_KEY_CTRL_END, (int)VEK_KEY_CTRL_V, (int)'y'}) VEK_Script_Key(key);
    VEK_Script_Click(904, 371);
    VEK_Clear_Recorded_Messages();
    char* confirmed = Edit_User_Comment(text, "Vorbemerkungen");
    ASSERT_EQ(std::strlen(confirmed), 5000u);
    EXPECT_EQ(std::string(confirmed, 3), "alt");
    EXPECT_EQ(confirmed[4999], 'z');
    ASSERT_EQ(VEK_Recorded_Messages().size(), 1u);
    EXPECT_EQ(VEK_Recorded_Messages()[0].lines,
              (std::vector<std::string>{"Der Text ist zu lang: h\x94" "chstens 5000 Zeichen.",
                                        "Vom eingef\x81gten Text (mehr als 5000 Zeichen) sind 4997 \x81" "bernommen."}));
    Mem_Free(__FILE__, __LINE__, "null", confirmed);
}

TEST(User_Comment, Snapshot) {
    testutil::Load_Page page;
    char* text = Copy("Stahlbau nach EN 1993-1-8.\nAlle Nähte umlaufend."_cp);
    testutil::Snapshot_At_First_Wait("weldapp_comment_editor", 340, 312, 939, 711);
    VEK_Script_Key(VEK_KEY_ESC);
    char* back = Edit_User_Comment(text, "Vorbemerkungen");
    EXPECT_TRUE(testutil::Snapshot_Taken());
    EXPECT_EQ(back, text);
    Mem_Free(__FILE__, __LINE__, "null", text);
}

}  // namespace
