// The main of every test executable: each test starts from the start state
// of everything global (global_state.h), and the start-up hooks the
// program's main installs are installed as far as the layers linked into
// this executable provide them (CMake defines WELD_HAS_<DIR> for each).
#include <gtest/gtest.h>

#if defined(WELD_HAS_DIALOGS)
#include "dialogs/messages.h"
#endif
#if defined(WELD_HAS_PRINTLIST)
#include "printlist/oli_collect.h"
#endif
#if defined(WELD_HAS_MEMBERCHECKS)
#include "memberchecks/profile_section_model.h"
#endif
#if defined(WELD_HAS_PRINTLIST)
#include "printlist/ioliplot.h"
#include "printlist/verdict.h"
#endif
#if defined(WELD_HAS_ENDPLATE)
#include "endplate/endplate_services.h"
#endif
#if defined(WELD_HAS_WELDAPP)
#include "weldapp/services.h"
#endif

#include <cctype>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include <cerrno>
#include <csignal>

#include <fcntl.h>
#include <sys/prctl.h>
#include <sys/wait.h>
#include <unistd.h>

#include "platform/desktop.h"
#include "platform/events.h"
#include "platform/helpview.h"
#include "platform/input.h"
#include "platform/msgbox.h"
#include "platform/screen.h"
#include "platform/sheets.h"
#include "support/global_state.h"
#include "support/testutil.h"

namespace testutil {

namespace {
std::filesystem::path test_dir;   // the running test's, once made
}

std::string Test_Dir() {
    if (test_dir.empty()) {
        std::string name = "weldtest";
        if (const ::testing::TestInfo* t = ::testing::UnitTest::GetInstance()->current_test_info())
            name = std::string(t->test_suite_name()) + "." + t->name();
        for (char& c : name)
            if (!std::isalnum(static_cast<unsigned char>(c)) && c != '.' && c != '_') c = '_';
        test_dir = Make_Unique_Dir(name);
    }
    return test_dir.string();
}

static std::vector<void (*)()>& Layer_Resets() {
    static std::vector<void (*)()> resets;
    return resets;
}

Global_Reset::Global_Reset(void (*reset)()) { Layer_Resets().push_back(reset); }

void Reset_Global_State() {
    VEK_Script_Clear();
    VEK_Input_Reset();
    VEK_Reset_Prop_Sheets();
    VEK_Clear_Recorded_Messages();
    VEK_Set_Batch_Mode(0);
    Init_Message();
    pxInitScreen(0, 0);
    VEKSetCloseFct(nullptr);
    VEKSetTimer(0);
    VEKSetClipboardText(nullptr, 0);
    VEKSetFrameTitle("");
    VEK_Reset_Helpview();
#if defined(WELD_HAS_PRINTLIST)
    Oli_Reset_Picture_State();
    Set_Verdict_Tolerance(0.0);
#endif
    for (void (*reset)() : Layer_Resets()) reset();
}

}  // namespace testutil

namespace {

class Reset_Before_Each_Test : public ::testing::EmptyTestEventListener {
    void OnTestStart(const ::testing::TestInfo&) override { testutil::Reset_Global_State(); }
    void OnTestEnd(const ::testing::TestInfo& info) override {
#if defined(WELD_HAS_PRINTLIST)
        // Every picture a test wrote, whatever list it went to: no element
        // nested in another, none closed twice, none left open.
        if (Oli_Element_Faults() != 0)
            ADD_FAILURE_AT(info.file(), info.line())
                << "picture elements nested or unbalanced: " << Oli_Element_Faults();
#endif
        // The test's own directory goes with a test that passed, unless a
        // person asked to look at every one (WELD_KEEP_TEST_DIRS=1).
        if (testutil::test_dir.empty()) return;
        const char* keep = std::getenv("WELD_KEEP_TEST_DIRS");
        if (info.result()->Failed() || (keep && std::string(keep) == "1")) {
            std::fprintf(stderr, "kept for a look: %s\n", testutil::test_dir.c_str());
        } else {
            std::error_code ec;
            std::filesystem::remove_all(testutil::test_dir, ec);
        }
        testutil::test_dir.clear();
    }
};

// A process that ends inside a test (code under test calling exit,
// quick_exit or _exit, or a signal) ends the run with that code, 0 perhaps,
// and every later test goes unrun. No handler inside the process sees
// _exit, so the tests run in a child process that tells its parent, through
// a pipe, each test it starts and that it came to the end of the run; a
// child that ends without saying so fails the run and names the test it was
// in. Death tests' children (another process, or the binary run again for
// one death test) end as they must: the pipe is not inherited across exec,
// and a forked death-test child never reaches the end of the run.
int report_fd = -1;  // the child's end of the pipe; -1 in the parent and unguarded runs

void Report(const std::string& line) {
    if (report_fd < 0) return;
    const std::string text = line + "\n";
    for (size_t done = 0; done < text.size();) {
        const ssize_t n = write(report_fd, text.data() + done, text.size() - done);
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) return;
        done += static_cast<size_t>(n);
    }
}

class Report_To_Guard : public ::testing::EmptyTestEventListener {
    void OnTestStart(const ::testing::TestInfo& info) override {
        Report(std::string("S ") + info.test_suite_name() + "." + info.name());
    }
    void OnTestEnd(const ::testing::TestInfo&) override { Report("F"); }
};

// The parent's side: reads what the child tells until the child is gone,
// and gives the run's exit code.
int Guard_Child(pid_t child, int fd) {
    std::string pending, last_test;
    bool in_test = false, completed = false;
    char buf[4096];
    for (;;) {
        const ssize_t n = read(fd, buf, sizeof buf);
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) break;
        pending.append(buf, static_cast<size_t>(n));
        for (size_t nl; (nl = pending.find('\n')) != std::string::npos; pending.erase(0, nl + 1)) {
            const std::string line = pending.substr(0, nl);
            if (line.rfind("S ", 0) == 0) last_test = line.substr(2), in_test = true;
            else if (line == "F") in_test = false;
            else if (line == "E") completed = true;
        }
    }
    close(fd);
    int status = 0;
    while (waitpid(child, &status, 0) < 0)
        if (errno != EINTR) return 1;
    if (completed && WIFEXITED(status)) return WEXITSTATUS(status);
    const std::string where = last_test.empty() ? std::string("before the first test")
                              : (in_test ? "inside " : "after ") + last_test;
    if (WIFSIGNALED(status))
        std::fprintf(stderr, "the test process was killed by signal %d %s: the tests after it did not run\n",
                     WTERMSIG(status), where.c_str());
    else
        std::fprintf(stderr, "the test process ended with exit code %d %s: the tests after it did not run\n",
                     WIFEXITED(status) ? WEXITSTATUS(status) : -1, where.c_str());
    return 1;
}

}  // namespace

int main(int argc, char** argv) {
#if defined(WELD_HAS_DIALOGS)
    Install_Memory_Stop_Report();
#endif
#if defined(WELD_HAS_PRINTLIST)
    Install_Message_Print_List();
#endif
#if defined(WELD_HAS_MEMBERCHECKS)
    Install_Profile_Section_Model();
#endif
#if defined(WELD_HAS_WELDAPP)
    Install_Application_Services();
#endif
#if defined(WELD_HAS_ENDPLATE)
    Install_Annex_Services();
    Install_Din_Services();
#endif
    // (Asked before gtest takes its own flags off the command line.)
    bool death_test_child = false;
    for (int i = 1; i < argc; i++)
        if (std::string(argv[i]).rfind("--gtest_internal_run_death_test", 0) == 0) death_test_child = true;
    ::testing::InitGoogleTest(&argc, argv);
    ::testing::UnitTest::GetInstance()->listeners().Append(new Reset_Before_Each_Test);
    // The desktop always names the user's private data directory (DRAM),
    // and the annex registry looks for the user's annexes there at every
    // scan. A test that sets none of its own gets an empty one for the
    // process, as a new user has, removed when the tests end.
    std::unique_ptr<testutil::TempDir> dram;
    if (!std::getenv("DRAM")) {
        dram = std::make_unique<testutil::TempDir>();
        setenv("DRAM", dram->str().c_str(), 1);
    }
    // WELD_TEST_UNGUARDED=1 runs the tests in this process, for a debugger.
    const char* unguarded = std::getenv("WELD_TEST_UNGUARDED");
    if (!death_test_child && !(unguarded && std::string(unguarded) == "1")) {
        int fds[2];
        if (pipe2(fds, O_CLOEXEC) != 0) {
            std::perror("test guard: pipe");
            return 1;
        }
        std::fflush(nullptr);
        const pid_t guard = getpid();
        const pid_t child = fork();
        if (child < 0) {
            std::perror("test guard: fork");
            return 1;
        }
        if (child > 0) {
            close(fds[1]);
            return Guard_Child(child, fds[0]);
        }
        close(fds[0]);
        // A parent killed by a time-out takes the child with it (also one
        // killed before the signal was asked for; the guard may itself be
        // process 1, in a container, and orphans need not go to process 1).
        prctl(PR_SET_PDEATHSIG, SIGKILL);
        if (getppid() != guard) _exit(1);
        report_fd = fds[1];
        ::testing::UnitTest::GetInstance()->listeners().Append(new Report_To_Guard);
    }
    const int result = RUN_ALL_TESTS();
    Report("E");
    return result;
}
