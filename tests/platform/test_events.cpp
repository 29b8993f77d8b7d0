// The scripted event queue: the script-file format, the test API, and the
// close request on an empty queue.
#include <gtest/gtest.h>

#include <vector>

#include "platform/desktop.h"
#include "platform/events.h"
#include "platform/input.h"
#include "support/testutil.h"

using testutil::ScopedEnv;
using testutil::TempDir;

TEST(Events, ScriptLinesParseToEvents)
{
    VEKScriptEvent e;
    EXPECT_EQ(VEK_Script_Parse_Line("click 10 20", &e), 1);
    EXPECT_EQ(e.kind, VEK_EV_CLICK);
    EXPECT_EQ(e.x, 10);
    EXPECT_EQ(e.y, 20);
    EXPECT_EQ(e.button, 1);
    EXPECT_EQ(VEK_Script_Parse_Line("CLICK 1 2 2\r\n", &e), 1);
    EXPECT_EQ(e.button, 2);
    EXPECT_EQ(VEK_Script_Parse_Line("key 0x148", &e), 1);
    EXPECT_EQ(e.value, 0x148);
    EXPECT_EQ(VEK_Script_Parse_Line("wheel -1", &e), 1);
    EXPECT_EQ(e.value, -1);
    EXPECT_EQ(VEK_Script_Parse_Line("type 1  4.5 mm", &e), 1);
    EXPECT_EQ(e.kind, VEK_EV_TYPE);
    EXPECT_EQ(e.value, 1);
    EXPECT_EQ(e.text, " 4.5 mm");  // one blank separates, the rest is typed
    EXPECT_EQ(VEK_Script_Parse_Line("type 0", &e), 1);
    EXPECT_EQ(e.text, "");
    EXPECT_EQ(VEK_Script_Parse_Line("keys 0x32 48 0x0D", &e), 1);
    EXPECT_EQ(e.kind, VEK_EV_KEYS);
    EXPECT_EQ(e.keys, (std::vector<int>{'2', '0', 0x0D}));
    EXPECT_EQ(VEK_Script_Parse_Line("answer no", &e), 1);
    EXPECT_EQ(e.value, 0);
    EXPECT_EQ(VEK_Script_Parse_Line("answer OK", &e), 1);
    EXPECT_EQ(e.value, 1);
    EXPECT_EQ(VEK_Script_Parse_Line("menu -1", &e), 1);
    EXPECT_EQ(VEK_Script_Parse_Line("close", &e), 1);
    EXPECT_EQ(e.kind, VEK_EV_CLOSE);
    EXPECT_EQ(VEK_Script_Parse_Line("   # note", &e), 0);
    EXPECT_EQ(VEK_Script_Parse_Line("", &e), 0);
    for (const char* bad : {"click 10", "click a b", "move 1 2 3", "answer maybe", "jump 1", "key",
                            "close now", "clickity 1 2", "key 12x", "keys", "keys 1 x"})
        EXPECT_EQ(VEK_Script_Parse_Line(bad, &e), -1) << bad;
    // Numbers beyond an int are refused, not wrapped into another event
    // ("click 4294967396 5" used to click at x = 100).
    for (const char* bad : {"click 4294967396 5", "move 1 -2147483649", "key 0x100000148", "type 4294967297 x",
                            "release 99999999999999999999"})
        EXPECT_EQ(VEK_Script_Parse_Line(bad, &e), -1) << bad;
    EXPECT_EQ(VEK_Script_Parse_Line("move 2147483647 -2147483648", &e), 1);
    EXPECT_EQ(e.x, 2147483647);
    EXPECT_EQ(e.y, -2147483647 - 1);
}

TEST(Events, QueueKeepsOrderAndTakeIfLooksOnlyAtTheHead)
{
    VEK_Script_Clear();
    VEK_Script_Click(3, 4);
    VEK_Script_Type("12.5", 1);
    EXPECT_EQ(VEK_Script_Pending(), 2);
    VEKScriptEvent e;
    EXPECT_EQ(VEK_Script_Take_If(VEK_EV_TYPE, &e), 0);
    EXPECT_EQ(VEK_Script_Take_If(VEK_EV_CLICK, &e), 1);
    EXPECT_EQ(e.x, 3);
    EXPECT_EQ(VEK_Script_Peek_Kind(), VEK_EV_TYPE);
    EXPECT_EQ(VEK_Script_Take(&e), 1);
    EXPECT_EQ(e.text, "12.5");
    EXPECT_EQ(VEK_Script_Peek_Kind(), VEK_EV_NONE);
}

TEST(Events, EmptyQueueGivesTheCloseRequest)
{
    VEK_Script_Clear();
    VEKScriptEvent e;
    e.kind = VEK_EV_KEY;
    EXPECT_EQ(VEK_Script_Take(&e), 0);
    EXPECT_EQ(e.kind, VEK_EV_CLOSE);
    VEKSetCloseFct(nullptr);
    EXPECT_EQ(VEK_Close_Request(), VEK_CLOSE_CODE);
    static int asked;
    asked = 0;
    VEKSetCloseFct([]() { ++asked; return 0; });  // "no": editing goes on
    // With the script run dry no one is left to edit: the run ends unsaved
    // (in a process of its own: it would end this one).
    EXPECT_EXIT(VEK_Close_Request(), ::testing::ExitedWithCode(0), "the script has ended");
    // With an event still to come, editing goes on.
    VEK_Script_Key(' ');
    EXPECT_EQ(VEK_Close_Request(), 0);
    EXPECT_EQ(asked, 1);
    VEK_Script_Clear();
    VEKSetCloseFct(nullptr);
}

TEST(Events, EndlessWaitingOnAnEmptyQueueEndsTheRun)
{
    VEK_Script_Clear();
    EXPECT_EXIT(
        {
            for (;;) VEK_Script_Take(nullptr);
        },
        ::testing::ExitedWithCode(VEK_SCRIPT_EXIT_CODE), "");
}

TEST(Events, ScriptFileFillsTheQueueOrIsRefusedAtItsFirstBadLine)
{
    TempDir t;
    struct Case {
        const char* bytes;
        int result;        // events read, or -1
        const char* told;  // what stderr names ("" for nothing)
    } cases[] = {
        {"# a session\r\nclick 100 200\r\n\r\ntype 1 Stahl S235\nanswer yes\nclose", 4, ""},
        {"click 1 2\nbogus line\nkey 27\nmove 1\n", -1, "run.vks:2: script line not understood"},
        {"\n\n# fine\nclick 1 2\r\nclick 1 2 3 4\r\n", -1, "run.vks:5: script line not understood"},
        {"", 0, ""},
    };
    for (const Case& c : cases) {
        testutil::Write_File(t.file("run.vks"), c.bytes);
        VEK_Script_Clear();
        VEK_Script_Key(VEK_KEY_ENTER);  // already waiting: kept, and nothing joins it on a refusal
        ::testing::internal::CaptureStderr();
        EXPECT_EQ(VEK_Script_Load_File(t.file("run.vks").c_str()), c.result) << c.bytes;
        std::string err = ::testing::internal::GetCapturedStderr();
        EXPECT_NE(err.find(c.told), std::string::npos) << err;
        EXPECT_EQ(err.empty(), *c.told == '\0') << err;
        EXPECT_EQ(VEK_Script_Pending(), 1 + (c.result > 0 ? c.result : 0)) << c.bytes;
    }
    EXPECT_EQ(VEK_Script_Load_File(t.file("none.vks").c_str()), -1);
    testutil::Write_File(t.file("run.vks"), "click 100 200\ntype 1 Stahl S235\n");
    VEK_Script_Clear();
    VEK_Script_Load_File(t.file("run.vks").c_str());
    VEKScriptEvent e;
    VEK_Script_Take(&e);
    EXPECT_EQ(e.kind, VEK_EV_CLICK);
    VEK_Script_Take(&e);
    EXPECT_EQ(e.text, "Stahl S235");
    VEK_Script_Clear();
}

TEST(Events, UnusableScriptFileEndsTheRunBeforeAnyEvent)
{
    TempDir t;
    testutil::Write_File(t.file("bad.vks"), "click 1 2\nklick 3 4\n");
    for (const std::string& name : {t.file("bad.vks"), t.file("missing.vks")}) {
        ScopedEnv s("VEK_SCRIPT", name);
        EXPECT_EXIT(
            {
                VEK_Script_Clear();
                VEK_Script_Rearm_Environment();
                VEK_Script_Peek_Kind();
                std::exit(0);
            },
            ::testing::ExitedWithCode(VEK_SCRIPT_EXIT_CODE), "cannot be used: run ended");
    }
}

TEST(Events, ScriptFileNamedByTheEnvironmentIsReadOnce)
{
    TempDir t;
    testutil::Write_File(t.file("env.vks"), "key 27\n");
    ScopedEnv s("VEK_SCRIPT", t.file("env.vks"));
    // Runs in a child so that the "read once" state of this process stays.
    EXPECT_EXIT(
        {
            VEK_Script_Clear();
            VEK_Script_Rearm_Environment();
            int first = VEK_Script_Peek_Kind();
            VEK_Script_Take(nullptr);
            VEK_Script_From_Environment();
            std::exit(first == VEK_EV_KEY && VEK_Script_Pending() == 0 ? 5 : 6);
        },
        ::testing::ExitedWithCode(5), "");
}
