// The allocation stop reported through the message service (the test main
// installs the report as the program's main does): in every message mode,
// with or without a window, the text reaches stderr exactly once before the
// program ends with exit code 0.
#include <gtest/gtest.h>

#include "base/vesk.h"
#include "dialogs/messages.h"
#include "platform/msgbox.h"

TEST(MemoryStopDeathTest, TextReachesStderrInEveryMode) {
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    const struct {
        int mode, batch, enabled;
    } cases[] = {
        {MESSAGE_MODE_BOX, 1, 1},     {MESSAGE_MODE_BOX, 0, 1},  {MESSAGE_MODE_CONSOLE, 0, 1},
        {MESSAGE_MODE_COLLECT, 0, 1}, {MESSAGE_MODE_DROP, 1, 1}, {MESSAGE_MODE_DROP, 0, 1},
        {MESSAGE_MODE_LIST, 0, 1},    {MESSAGE_MODE_BOX, 1, 0},
    };
    for (const auto& c : cases) {
        EXPECT_EXIT(
            {
                VEK_Set_Batch_Mode(c.batch);
                if (!c.enabled) Disable_Messages();
                Open_Message_Category();
                Set_Message_Mode(c.mode);
                Stop_Speichermangel();
            },
            ::testing::ExitedWithCode(0), "^Speicher nicht aussreichend!\n$")
            << "mode " << c.mode << " batch " << c.batch << " enabled " << c.enabled;
    }
}
