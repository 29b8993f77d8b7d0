// The shared test main runs the tests in a child process and fails the run
// when that child ends inside a test, however it ends: the probe below is
// run again in a process of its own with each way of ending.
#include <gtest/gtest.h>

#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <string>

#include <sys/wait.h>
#include <unistd.h>

#include "support/testutil.h"

namespace {

// Ends its process the way WELD_END_PROBE names; run only by the test below.
TEST(TestMainGuard, DISABLED_EndProbe) {
    const char* how = std::getenv("WELD_END_PROBE");
    const std::string h = how ? how : "";
    if (h == "exit") std::exit(0);
    if (h == "quick_exit") std::quick_exit(0);
    if (h == "_exit") _exit(0);
    if (h == "kill") raise(SIGKILL);
}

struct Probe_Run {
    int code;            // the run's exit code, -1 when it did not end normally
    std::string stderr_text;
};

Probe_Run Run_Probe(const std::string& how) {
    testutil::TempDir dir;
    const std::string err = dir.file("stderr");
    const std::string cmd = "WELD_END_PROBE=" + how +
                            " /proc/" + std::to_string(getpid()) + "/exe"
                            " --gtest_also_run_disabled_tests --gtest_filter=TestMainGuard.DISABLED_EndProbe"
                            " >/dev/null 2>" + err;
    const int status = std::system(cmd.c_str());
    return {WIFEXITED(status) ? WEXITSTATUS(status) : -1, testutil::Read_File(err)};
}

TEST(TestMainGuard, EveryEndInsideATestFailsTheRunAndNamesTheTest) {
    const struct {
        const char* how;
        const char* says;
    } cases[] = {
        {"exit", "the test process ended with exit code 0 inside TestMainGuard.DISABLED_EndProbe"},
        {"quick_exit", "the test process ended with exit code 0 inside TestMainGuard.DISABLED_EndProbe"},
        {"_exit", "the test process ended with exit code 0 inside TestMainGuard.DISABLED_EndProbe"},
        {"kill", "the test process was killed by signal 9 inside TestMainGuard.DISABLED_EndProbe"},
    };
    for (const auto& c : cases) {
        const Probe_Run r = Run_Probe(c.how);
        EXPECT_EQ(r.code, 1) << c.how;
        EXPECT_NE(r.stderr_text.find(c.says), std::string::npos) << c.how << ": " << r.stderr_text;
    }
    // A probe that returns normally lets the run pass.
    const Probe_Run r = Run_Probe("none");
    EXPECT_EQ(r.code, 0) << r.stderr_text;
}

}  // namespace
