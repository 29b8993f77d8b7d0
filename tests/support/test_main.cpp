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

// A process that ends inside a test (code under test calling exit) ends
// the run with that code, 0 perhaps, and every later test goes unrun: such
// an end fails the run and names the test. Death tests' children (another
// process, or the binary run again for one death test) end as they must.
pid_t main_pid = 0;
bool tests_running = false;

void Refuse_An_End_Inside_A_Test() {
    if (!tests_running || getpid() != main_pid) return;
    const ::testing::TestInfo* t = ::testing::UnitTest::GetInstance()->current_test_info();
    std::fprintf(stderr, "the test process ended inside %s.%s: the tests after it did not run\n",
                 t ? t->test_suite_name() : "?", t ? t->name() : "?");
    std::fflush(stderr);
    _exit(1);
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
    if (!death_test_child) {
        main_pid = getpid();
        tests_running = true;
        std::atexit(Refuse_An_End_Inside_A_Test);
    }
    const int result = RUN_ALL_TESTS();
    tests_running = false;
    return result;
}
