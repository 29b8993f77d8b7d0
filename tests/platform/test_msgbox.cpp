// Message boxes: recorded with title, symbol and lines, answered from the
// script queue or by default, and counted as faults in batch mode.
#include <gtest/gtest.h>

#include "platform/events.h"
#include "platform/msgbox.h"

// Each test starts with no box recorded, no batch flag and an empty queue
// (the reset before each test).
class MsgBox : public ::testing::Test {};

TEST_F(MsgBox, BoxIsRecordedLineByLine)
{
    Init_Message();
    Set_Message_Title("Installationsfehler");
    Fill_Message("Das EXEC-Verzeichnis");
    Fill_Message("(%s)", "BT01");
    Set_Message_Symbol(3, 1, 0, 0);
    EXPECT_EQ(Draw_Message(), 1);
    const auto& r = VEK_Recorded_Messages();
    ASSERT_EQ(r.size(), 1u);
    EXPECT_EQ(r[0].kind, VEK_MSG_DRAW);
    EXPECT_EQ(r[0].title, "Installationsfehler");
    EXPECT_EQ(r[0].symbol, 3);
    EXPECT_EQ(r[0].lines, (std::vector<std::string>{"Das EXEC-Verzeichnis", "(BT01)"}));
    EXPECT_FALSE(r[0].batch);
    // A new box starts empty.
    Init_Message();
    Fill_Message("x");
    Show_Message();
    Quit_Message();
    ASSERT_EQ(r.size(), 2u);
    EXPECT_EQ(r[1].title, "");
    EXPECT_EQ(r[1].symbol, 0);
    EXPECT_EQ(r[1].kind, VEK_MSG_SHOW);
}

TEST_F(MsgBox, PrintMessageSplitsLinesAndNeverTreatsDataAsFormat)
{
    PrintMessage("!! ACHTUNG !!\nDie Eingabedatei ist aktueller als die Programmversion\nBitte "
                 "aktualisieren Sie das Programm.");
    PrintMessage("%s", "100% %s %n");
    const auto& r = VEK_Recorded_Messages();
    ASSERT_EQ(r.size(), 2u);
    EXPECT_EQ(r[0].lines.size(), 3u);
    EXPECT_EQ(r[0].lines[2], "Bitte aktualisieren Sie das Programm.");
    EXPECT_EQ(r[1].lines, (std::vector<std::string>{"100% %s %n"}));
    // The titled form: the same lines under its title; the next box has none.
    PrintTitledMessage(VEK_REFUSAL_TITLE, "Der Wert %g ist zu gro\xE1.\nDer bisherige Wert bleibt erhalten.", 1e9);
    PrintMessage("x");
    ASSERT_EQ(r.size(), 4u);
    EXPECT_EQ(r[2].title, "Eingabefehler");
    EXPECT_EQ(r[2].lines, (std::vector<std::string>{"Der Wert 1e+09 ist zu gro\xE1.", "Der bisherige Wert bleibt erhalten."}));
    EXPECT_EQ(r[3].title, "");
}

TEST_F(MsgBox, FillMessageCutsOverlongLines)
{
    Init_Message();
    std::string longline(700, 'x');
    Fill_Message("%s", longline.c_str());
    Draw_Message();
    EXPECT_EQ(VEK_Recorded_Messages()[0].lines[0].size(), 500u);
}

TEST_F(MsgBox, QuestionsTakeScriptedAnswersElseTheirDefault)
{
    VEK_Script_Answer(0);
    VEK_Script_Answer(1);
    Init_Message();
    Fill_Message("Aktuelle Bearbeitung abbrechen?");
    EXPECT_EQ(Answer_is_Yes(1), 0);
    EXPECT_EQ(Answer_is_Yes(0), 1);
    EXPECT_EQ(Answer_is_Yes(1), 1);  // queue empty: default
    EXPECT_EQ(Answer_is_Yes(0), 0);
    const auto& r = VEK_Recorded_Messages();
    ASSERT_EQ(r.size(), 4u);
    EXPECT_EQ(r[0].answer, 0);
    EXPECT_EQ(r[0].lines[0], "Aktuelle Bearbeitung abbrechen?");
    EXPECT_EQ(r[1].answer, 1);
}

TEST_F(MsgBox, AnswerBelongsOnlyToTheHeadOfTheQueue)
{
    // A click waiting first is not a box answer: the default applies and the
    // click and the answer behind it stay queued.
    VEK_Script_Click(5, 5);
    VEK_Script_Answer(0);
    EXPECT_EQ(Answer_is_Yes(1), 1);
    EXPECT_EQ(VEK_Script_Pending(), 2);
    // Draw_Message confirms with the waiting answer.
    VEK_Script_Clear();
    VEK_Script_Answer(1);
    VEK_Script_Answer(0);
    Draw_Message();
    EXPECT_EQ(VEK_Script_Pending(), 1);
}

TEST_F(MsgBox, BatchModeRecordsEveryBoxAsAFault)
{
    VEK_Set_Batch_Mode(1);
    VEK_Script_Answer(0);
    PrintMessage("Die Daten k\x94nnen nicht exportiert werden!");
    Init_Message();
    Fill_Message("frage");
    EXPECT_EQ(Answer_is_Yes(1), 1);  // default, the script is not consumed
    EXPECT_EQ(VEK_Script_Pending(), 1);
    EXPECT_EQ(VEK_Batch_Fault_Count(), 2);
    EXPECT_TRUE(VEK_Recorded_Messages()[0].batch);
    VEK_Set_Batch_Mode(0);
    Init_Message();
    Draw_Message();
    EXPECT_EQ(VEK_Batch_Fault_Count(), 2);
    VEK_Clear_Recorded_Messages();
    EXPECT_EQ(VEK_Batch_Fault_Count(), 0);
    EXPECT_TRUE(VEK_Recorded_Messages().empty());
}
