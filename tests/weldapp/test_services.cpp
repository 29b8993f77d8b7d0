// Services of the application: the tool test and the waiting animation.
#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

#include "base/textio.h"
#include "platform/screen.h"
#include "support/testutil.h"
#include "weldapp/services.h"

namespace fs = std::filesystem;

TEST(LoadPick, NeedsExecutableInExecDirectory) {
    testutil::TempDir dir;
    {
        testutil::ScopedEnv exec("EXEC", std::nullopt);
        EXPECT_EQ(LoadPick_Available(), 0);
    }
    testutil::ScopedEnv exec("EXEC", dir.str());
    EXPECT_EQ(LoadPick_Available(), 0);
    testutil::Write_File(dir.file("LoadPick.exe"), "#!/bin/sh\n");
    fs::permissions(dir.file("LoadPick.exe"), fs::perms::owner_read | fs::perms::owner_write);
    EXPECT_EQ(LoadPick_Available(), 0);
    fs::permissions(dir.file("LoadPick.exe"), fs::perms::owner_all);
    EXPECT_EQ(LoadPick_Available(), 1);
}

TEST(WaitingAnimation, StopJoinsAndRestoresScreen) {
    pxInitScreen(400, 300);
    const std::vector<int> before(pxScreenPixels(), pxScreenPixels() + 400 * 300);
    const long flushes = pxFlushCount();
    EXPECT_EQ(Stop_Waiting_Animation(), 0);  // none running
    EXPECT_EQ(Start_Waiting_Animation(-1, -1), 1);
    EXPECT_EQ(Start_Waiting_Animation(10, 20), 1);  // the first one ends first
    EXPECT_EQ(Stop_Waiting_Animation(), 1);
    EXPECT_EQ(Stop_Waiting_Animation(), 0);
    // The thread has ended: it showed the restored area and left nothing.
    EXPECT_GE(pxFlushCount(), flushes + 2);
    const std::vector<int> after(pxScreenPixels(), pxScreenPixels() + 400 * 300);
    EXPECT_EQ(before, after);
    pxInitScreen(0, 0);
}

TEST(WaitingAnimation, ExitWhileRunningEndsCleanly) {
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    EXPECT_EXIT(
        {
            Start_Waiting_Animation(5, 5);
            std::exit(3);
        },
        ::testing::ExitedWithCode(3), "");
}
