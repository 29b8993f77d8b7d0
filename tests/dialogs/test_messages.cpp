// Message service: every mode, the wrapped texts, categories with whole-line
// duplicate suppression, showing and asking, the disabled service and batch
// mode, in which no message box may appear.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "base/cp850.h"
#include "dialogs/messages.h"
#include "platform/events.h"
#include "platform/msgbox.h"

namespace {

// Every test starts from the start state of the service and the stand-in
// (the reset before each test).
class Messages : public ::testing::Test {
protected:
    static const std::vector<VEKRecordedMessage>& Boxes() { return VEK_Recorded_Messages(); }
    static std::vector<std::string> Lines(int c) {
        std::vector<std::string> v;
        for (int i = 0; i < Message_Category_Count(c); ++i) v.emplace_back(Message_Category_Line(c, i));
        return v;
    }
};

using Strings = std::vector<std::string>;

}  // namespace

TEST_F(Messages, ModeZeroShowsOneBoxPerMessageWithoutControlPairs) {
    Collect_Message("Wert %d zu groß"_cp, 5);
    Error_Message_Default("Datei %s fehlt", "a.nad");
    Collect_Message("%s", "100% sicher %d");  // data is never a format
    ASSERT_EQ(Boxes().size(), 3u);
    EXPECT_EQ(Boxes()[0].kind, VEK_MSG_PRINT);
    EXPECT_EQ(Boxes()[0].lines, Strings{"Wert 5 zu gro\xE1"});
    EXPECT_EQ(Boxes()[1].lines, Strings{"FEHLER: Datei a.nad fehlt!"});
    EXPECT_EQ(Boxes()[2].lines, Strings{"100% sicher %d"});
    // No format sends nothing.
    Collect_Message(nullptr);
    EXPECT_EQ(Boxes().size(), 3u);
}

TEST_F(Messages, ConsoleModeAndConsoleSwitch) {
    testing::internal::CaptureStdout();
    Set_Message_Mode(MESSAGE_MODE_CONSOLE);
    Collect_Message("^b^2Zeile %d", 1);
    Set_Message_Mode(MESSAGE_MODE_BOX);
    Set_Message_Console(1);
    Warning_Message(-1, "Blech %s", "1");
    Set_Message_Mode(MESSAGE_MODE_LIST);  // the switch turns mode 4 into 1 too
    Note_Message(-1, "Ende");
    EXPECT_EQ(testing::internal::GetCapturedStdout(), "Zeile 1\nWARNUNG: Blech 1!\nHINWEIS: Ende.\n");
    EXPECT_TRUE(Boxes().empty());
}

TEST_F(Messages, DropModeAndMessageInModeRestoresTheMode) {
    Set_Message_Mode(MESSAGE_MODE_DROP);
    Collect_Message("weg");
    EXPECT_TRUE(Boxes().empty());
    Message_in_Mode(MESSAGE_MODE_BOX, "Alte Programmversion -> kann Daten nicht lesen!");
    EXPECT_EQ(Get_Message_Mode(), MESSAGE_MODE_DROP);
    ASSERT_EQ(Boxes().size(), 1u);
    EXPECT_EQ(Boxes()[0].lines, Strings{"Alte Programmversion -> kann Daten nicht lesen!"});
}

TEST_F(Messages, CollectedTextsAreWrappedAndStoredAsLines) {
    const int c = Open_Message_Category();
    ASSERT_EQ(c, 0);
    Set_Message_Mode(MESSAGE_MODE_COLLECT);
    Error_Message(-1, "Datei %s fehlt", "a.nad");
    Warning_Message(-1, "Wert %.2f", 1.5);
    Note_Message(-1, "%s darf den Wert %.1f nicht überschreiten"_cp, "t", 80.0);
    Collect_Message("frei");
    Set_Message_Mode(MESSAGE_MODE_BOX);
    Store_Message("gespeichert");  // always into the category
    EXPECT_EQ(Lines(c), (Strings{"^bFEHLER: Datei a.nad fehlt!\n", "^bWARNUNG: Wert 1.50!\n",
                                 "^bHINWEIS: t darf den Wert 80.0 nicht \x81" "berschreiten.\n", "frei\n",
                                 "gespeichert\n"}));
    EXPECT_EQ(Current_Message_Count(), 5);
    EXPECT_TRUE(Boxes().empty());
}

TEST_F(Messages, DuplicatesAreJudgedByWholeLines) {
    const int c = Open_Message_Category();
    Store_Message("Wert 10");
    Store_Message("Wert 1");   // the beginning of a stored line: a different message
    Store_Message("Wert 10");  // the same again: dropped
    Store_Message("Wert 100");
    Store_Message("ab");       // two characters: stored every time
    Store_Message("ab");
    EXPECT_EQ(Lines(c), (Strings{"Wert 10\n", "Wert 1\n", "Wert 100\n", "ab\n", "ab\n"}));
}

TEST_F(Messages, LongTextsAreCutToOneLine) {
    const int c = Open_Message_Category();
    const std::string longtext(700, 'x');
    Store_Message("%s", longtext.c_str());
    ASSERT_EQ(Message_Category_Count(c), 1);
    EXPECT_EQ(std::string(Message_Category_Line(c, 0)), std::string(498, 'x') + "\n");
    // The same long text again is a duplicate.
    Store_Message("%s", longtext.c_str());
    EXPECT_EQ(Message_Category_Count(c), 1);
}

TEST_F(Messages, CategoryNumbersAndLifecycle) {
    for (int i = 0; i < MESSAGE_CATEGORIES; ++i) EXPECT_EQ(Open_Message_Category(), i);
    EXPECT_EQ(Open_Message_Category(), -1);  // the eleventh
    EXPECT_EQ(Select_Message_Category(10), 2);
    EXPECT_EQ(Select_Message_Category(-1), 2);
    EXPECT_EQ(Message_Category_Count(10), 0);
    EXPECT_EQ(Set_Message_Category_Title(10, "x"), 2);

    EXPECT_EQ(Select_Message_Category(3), 0);
    Store_Message("in drei");
    EXPECT_EQ(Message_Category_Count(3), 1);
    const std::string title(250, 'T');
    EXPECT_EQ(Set_Message_Category_Title(3, title.c_str()), 0);
    EXPECT_EQ(std::string(Message_Category_Title(3)), std::string(199, 'T'));

    Close_Message_Category(3);
    EXPECT_EQ(Message_Category_Count(3), 0);
    EXPECT_EQ(Select_Message_Category(3), 1);
    EXPECT_EQ(Set_Message_Category_Title(3, "x"), 1);
    EXPECT_EQ(Message_Category_Title(3), nullptr);
    // A text collected into a free category goes nowhere.
    Store_Message("verloren");
    EXPECT_EQ(Message_Category_Count(3), 0);
    // Reopened, it comes back empty with symbol -1.
    Set_Message_Category_Symbol(3, 2);
    EXPECT_EQ(Open_Message_Category(), 3);
    EXPECT_EQ(Message_Category_Count(3), 0);
    EXPECT_EQ(Message_Category_Symbol(3), -1);
    EXPECT_STREQ(Message_Category_Title(3), "");
}

TEST_F(Messages, ShowingACategoryAsOneBox) {
    const int c = Open_Message_Category();
    Store_Message("^bKopf");
    Store_Message("Zeile 2");
    Set_Message_Category_Symbol(c, 2);
    Show_Message_Category(c, MESSAGE_MODE_BOX);
    ASSERT_EQ(Boxes().size(), 1u);
    EXPECT_EQ(Boxes()[0].kind, VEK_MSG_DRAW);
    EXPECT_EQ(Boxes()[0].symbol, 2);
    EXPECT_EQ(Boxes()[0].lines, (Strings{"Kopf", "Zeile 2"}));
    // Without a symbol above 0 none is set.
    Set_Message_Category_Symbol(c, -1);
    Show_Current_Messages(MESSAGE_MODE_BOX);
    ASSERT_EQ(Boxes().size(), 2u);
    EXPECT_EQ(Boxes()[1].symbol, 0);
    // A free category shows nothing.
    Show_Message_Category(7, MESSAGE_MODE_BOX);
    EXPECT_EQ(Boxes().size(), 2u);
}

TEST_F(Messages, ShowingACategoryOnTheConsoleSetsTheMode) {
    const int c = Open_Message_Category();
    Store_Message("^bEins");
    Store_Message("Zwei");
    testing::internal::CaptureStdout();
    Show_Message_Category(c, MESSAGE_MODE_CONSOLE);
    EXPECT_EQ(testing::internal::GetCapturedStdout(), "Eins\nZwei\n");
    EXPECT_EQ(Get_Message_Mode(), MESSAGE_MODE_CONSOLE);
    EXPECT_EQ(Message_Category_Count(c), 2);
    EXPECT_TRUE(Boxes().empty());
}

TEST_F(Messages, QuestionsTakeScriptOrDefault) {
    Open_Message_Category();
    Store_Message("Weiter?");
    EXPECT_NE(Ask_Messages_Default_Yes(), 0);
    EXPECT_EQ(Ask_Messages_Default_No(), 0);
    VEK_Script_Answer(1);
    EXPECT_NE(Ask_Messages_Default_No(), 0);
    ASSERT_EQ(Boxes().size(), 3u);
    EXPECT_EQ(Boxes()[0].kind, VEK_MSG_QUESTION);
    EXPECT_EQ(Boxes()[0].lines, Strings{"Weiter?"});
    // In console mode the answer is no, without asking.
    Set_Message_Mode(MESSAGE_MODE_CONSOLE);
    EXPECT_EQ(Ask_Messages_Default_Yes(), 0);
    EXPECT_EQ(Boxes().size(), 3u);
}

TEST_F(Messages, DisabledServiceDoesNothing) {
    const int c = Open_Message_Category();
    Store_Message("vorher");
    Disable_Messages();
    Store_Message("nachher");
    Collect_Message("box");
    Show_Message_Category(c, MESSAGE_MODE_BOX);
    EXPECT_EQ(Ask_Messages_Default_Yes(), 0);
    EXPECT_EQ(Ask_Messages_Default_No(), 0);
    EXPECT_EQ(Message_Category_Count(c), 1);
    EXPECT_TRUE(Boxes().empty());
    Enable_Messages();
    Collect_Message("box");
    EXPECT_EQ(Boxes().size(), 1u);
}

TEST_F(Messages, BatchModeOpensNoBox) {
    VEK_Set_Batch_Mode(1);
    const int c = Open_Message_Category();
    Store_Message("^bLinie");
    testing::internal::CaptureStderr();
    Collect_Message("Benötigter Maßstab für Darstellung in der Druckliste zu klein!"_cp);
    Show_Message_Category(c, MESSAGE_MODE_BOX);
    Set_Message_Mode(MESSAGE_MODE_BOX);
    EXPECT_EQ(Ask_Messages_Default_Yes(), 1);
    EXPECT_EQ(Ask_Messages_Default_No(), 0);
    const std::string err = testing::internal::GetCapturedStderr();
    EXPECT_EQ(err, std::string("Ben\x94tigter Ma\xE1stab f\x81r Darstellung in der Druckliste zu klein!\n") +
                       "Linie\nLinie\nLinie\n");
    EXPECT_TRUE(Boxes().empty());
    EXPECT_EQ(VEK_Batch_Fault_Count(), 0);
}

TEST_F(Messages, ListModeOutsideACategoryDialogGoesToTheConsole) {
    Set_Message_Mode(MESSAGE_MODE_LIST);
    int x = 0, y = 0;
    Get_Message_List_Position(&x, &y);
    EXPECT_EQ(x, 15);
    EXPECT_EQ(y, 20);
    // No list is being filled: the text is not lost.
    testing::internal::CaptureStdout();
    Collect_Message("^bFett");
    EXPECT_EQ(testing::internal::GetCapturedStdout(), "Fett\n");
    Set_Message_List_Background(12);
    EXPECT_EQ(Get_Message_List_Background(), 12);
    Set_Message_List_Background(-1);
}

TEST(MessageControlPairs, SkipsAnyNumberOfPairs) {
    EXPECT_STREQ(Skip_Message_Control_Pairs("^b^p^2Text"), "Text");
    EXPECT_STREQ(Skip_Message_Control_Pairs("Te^bxt"), "Te^bxt");
    EXPECT_STREQ(Skip_Message_Control_Pairs("^"), "^");
    EXPECT_STREQ(Skip_Message_Control_Pairs(nullptr), "");
}
