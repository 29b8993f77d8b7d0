// Runs that share the component's folder with others: a run stopped while
// it holds the folder's lock, and the temporaries that runs and the viewer
// killed while they wrote leave behind.
#include <fcntl.h>
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/file.h>
#include <sys/wait.h>
#include <unistd.h>

#include <filesystem>
#include <map>
#include <string>
#include <vector>

#include "support/testutil.h"
#include "support/xvfb.h"
#include "weldapp/batch_desktop.h"

namespace test_folder_runs {
namespace {

namespace fs = std::filesystem;
using Names = std::vector<std::string>;

const std::string kRun = "0 1 1 -refresh";
const Names kPair{"C0010001.SPF", "C001_01.INP", "C001_01.OLI", "C001_01.TXT"};

// The program on the component C001 of d, started beside the test with the
// fault shim's entries (NAME=value) put in front of it; stdout and stderr
// into d's out<tag>.txt and err<tag>.txt.
pid_t Start_Run(const Desktop& d, const std::vector<std::string>& shim, const std::string& tag) {
    std::vector<std::string> env{"DATA=" + d.dir.file("data"), "DRAM=" + d.dir.file("dram"),
                                 "TEMP=" + d.dir.file("temp"), "EXEC=" + d.dir.file("exec")};
    env.insert(env.end(), shim.begin(), shim.end());
    return testutil::Spawn({kProgram, "C001", "0", "1", "1", "-refresh"}, env, d.dir.file("out" + tag + ".txt"),
                           d.dir.file("err" + tag + ".txt"), d.project);
}

// A process of the test's that is killed, should the test end before it.
struct Child {
    pid_t pid;
    ~Child() {
        if (pid > 0 && kill(pid, SIGKILL) == 0) waitpid(pid, nullptr, 0);
    }
    // Its exit code once it has ended (it is then no longer the test's).
    int Ended() { return testutil::Wait_Exit_While_Working(std::exchange(pid, -1)); }
};

// Stops the flat bar's refresh (SIGSTOP) just before the at-th call of op
// on the path that ends with `target`, over an older pair of another input
// that its pair replaces (`unreadable`: of an input it cannot read, whose
// list says why); the stopped run in *run, the flat bar's input in place. The console of the
// refresh and of the run that meets it: its holder's words.
std::string Stop_Refresh(Desktop& d, const char* op, const std::string& target, int at, Child* run,
                         bool unreadable = false) {
    d.Add("flat_bar", "C001");
    const std::string input = d.File("C001_01.INP");
    testutil::Write_File(d.project + "/C001_01.INP", testutil::Read_File(kExamples + "he280a_end_plate/A001_01.INP"));
    EXPECT_EQ(d.Run("C001 " + kRun), 1) << d.err;
    testutil::Write_File(d.project + "/C001_01.INP", unreadable ? "1\n" : input);
    run->pid = Start_Run(d,
                         {"LD_PRELOAD=" WELD_FAULT_SHIM, std::string("WELD_FAULT_OP=") + op,
                          "WELD_FAULT_MATCH=" + target + "$", "WELD_FAULT_AT=" + std::to_string(at),
                          "WELD_FAULT_ACTION=stop"},
                         "1");
    int status = 0;
    EXPECT_EQ(waitpid(run->pid, &status, WUNTRACED), run->pid);
    EXPECT_TRUE(WIFSTOPPED(status)) << testutil::Read_File(d.dir.file("err1.txt"));
    testutil::Write_File(d.project + "/C001_01.INP", input);
    return "run " + std::to_string(run->pid) + " (schweissnaht C001 0 1 1 -refresh, stopped)";
}

// The names and bytes of the project folder's files.
using Folder = std::map<std::string, std::string>;
Folder Folder_Of(const Desktop& d) {
    Folder files;
    for (const std::string& name : d.Files()) files[name] = d.File(name);
    return files;
}

}  // namespace

// A run stopped (SIGSTOP, as Ctrl+Z stops it) with the folder's lock, just
// before the rename that commits its new pair: a second refresh of the
// component waited for the lock without a word, for as long as the first
// stayed stopped. Now it says on the console which run holds the lock and
// that it is stopped, goes on as soon as that run has gone on, and gives up
// after the time given (VEK_LOCK_WAIT; 60 s unless set), changing nothing
// there; the stopped run, once continued, puts its pair in place.
TEST(FolderRuns, ARunStoppedWithTheFolderLockIsWaitedForABoundedTime) {
    Desktop fresh;
    fresh.Add("flat_bar", "C001");
    ASSERT_EQ(fresh.Run("C001 " + kRun), 1) << fresh.err;
    for (const bool gives_up : {false, true}) {
        Desktop d;
        d.Add("flat_bar", "C001");
        Child first{Start_Run(d,
                              {"LD_PRELOAD=" WELD_FAULT_SHIM, "WELD_FAULT_OP=rename", "WELD_FAULT_MATCH=C001_01.OLI.new",
                               "WELD_FAULT_AT=1", "WELD_FAULT_ACTION=stop"},
                              "1")};
        ASSERT_GT(first.pid, 0);
        int status = 0;
        ASSERT_EQ(waitpid(first.pid, &status, WUNTRACED), first.pid);
        ASSERT_TRUE(WIFSTOPPED(status)) << testutil::Read_File(d.dir.file("err1.txt"));
        const std::string folder = fs::absolute(d.project).lexically_normal().string();
        const std::string holder = "run " + std::to_string(first.pid) + " (schweissnaht C001 0 1 1 -refresh, stopped)";
        if (!gives_up) {
            Child second{Start_Run(d, {}, "2")};
            const std::string waits = folder + ": waiting for its lock, held by " + holder + ", at most 60 s\n";
            EXPECT_TRUE(
                testutil::Wait_While_Working([&] { return testutil::Read_File(d.dir.file("err2.txt")) == waits; }))
                << testutil::Read_File(d.dir.file("err2.txt"));
            kill(first.pid, SIGCONT);
            EXPECT_EQ(first.Ended(), 1) << testutil::Read_File(d.dir.file("err1.txt"));
            EXPECT_EQ(second.Ended(), 1);
            EXPECT_EQ(testutil::Read_File(d.dir.file("err2.txt")), waits);
        } else {
            // (timeout: a run that waits for ever, as it did, ends all the same.)
            const Folder before = Folder_Of(d);
            EXPECT_EQ(d.Run("C001 " + kRun, true, "VEK_LOCK_WAIT=1 timeout 120"), 2);
            EXPECT_EQ(d.err.rfind(folder + ": waiting for its lock, held by " + holder + ", at most 1 s\n" +
                                      folder + ": its lock is still held by " + holder +
                                      " after 1 s: nothing is changed there\n",
                                  0),
                      0u)
                << d.err;
            EXPECT_TRUE(Folder_Of(d) == before);
            kill(first.pid, SIGCONT);
            EXPECT_EQ(first.Ended(), 1) << testutil::Read_File(d.dir.file("err1.txt"));
        }
        // The continued run's pair stands whole, and nothing else is left.
        EXPECT_TRUE(d.File("C001_01.OLI") == fresh.File("C001_01.OLI")) << gives_up;
        EXPECT_TRUE(d.File("C0010001.SPF") == fresh.File("C0010001.SPF")) << gives_up;
        EXPECT_EQ(d.Files(), kPair) << gives_up;
    }
}

// A refresh stopped at any of the steps it takes with the folder's lock
// held (the claim of its temporaries, the commit, the plot file's and the
// list's renames, the folder's sync after each): a second refresh that
// gave up on the lock wrote the list that says why no check stands over
// whatever stood and removed the plot file, the stopped run's new one
// among them; the stopped run then put its list in place without a plot
// file, or its finished list was replaced by that list. The run that gives
// up now changes nothing, says so, and exits with 2; the stopped run, once
// continued, puts its whole pair in place over the older one. The list that
// says why was put in place without the lock: a run stopped between it and
// the removal of the plot file let another run put its pair in place, and
// then removed that run's plot file; it now holds the lock as well.
TEST(FolderRuns, ARunThatGivesUpOnTheLockChangesNothing) {
    Desktop fresh;
    fresh.Add("flat_bar", "C001");
    ASSERT_EQ(fresh.Run("C001 " + kRun), 1) << fresh.err;
    const struct {
        const char* op;
        const char* target;  // the path the step's call names ends so
        int at;
        bool unreadable;  // the stopped run writes the list that says why
    } steps[] = {
        {"open", "C001_01.OLI.tmp", 1, false}, {"rename", "C001_01.OLI.new", 1, false},
        {"fsync", "project", 1, false},        {"rename", "C0010001.SPF", 1, false},
        {"rename", "C001_01.OLI", 1, false},   {"fsync", "project", 2, false},
        {"rename", "C001_01.OLI", 1, true},    {"fsync", "project", 1, true},
    };
    for (const auto& step : steps) {
        const std::string what = std::string(step.op) + " " + step.target + " #" + std::to_string(step.at) +
                                 (step.unreadable ? " (says why)" : "");
        Desktop d;
        Child first{-1};
        const std::string holder = Stop_Refresh(d, step.op, step.target, step.at, &first, step.unreadable);
        const std::string folder = fs::absolute(d.project).lexically_normal().string();
        const Folder before = Folder_Of(d);
        EXPECT_EQ(d.Run("C001 " + kRun, true, "VEK_LOCK_WAIT=1 timeout 120"), 2) << what;
        EXPECT_EQ(d.err, folder + ": waiting for its lock, held by " + holder + ", at most 1 s\n" + folder +
                             ": its lock is still held by " + holder + " after 1 s: nothing is changed there\n" +
                             "C001_01.OLI: not written: another run holds its folder; the print list and plot file "
                             "there are left as they stand\n")
            << what;
        EXPECT_TRUE(Folder_Of(d) == before) << what;
        kill(first.pid, SIGCONT);
        EXPECT_EQ(first.Ended(), 1) << what << testutil::Read_File(d.dir.file("err1.txt"));
        if (step.unreadable) {
            EXPECT_NE(d.File("C001_01.OLI").find("Eingabedatei C001_01.INP: Zeile 1 besch\x84" "digt"),
                      std::string::npos)
                << what;
            EXPECT_EQ(d.Files(), (Names{"C001_01.INP", "C001_01.OLI", "C001_01.TXT"})) << what;
            continue;
        }
        EXPECT_EQ(testutil::Read_File(d.dir.file("err1.txt")), "") << what;
        EXPECT_TRUE(d.File("C001_01.OLI") == fresh.File("C001_01.OLI")) << what;
        EXPECT_TRUE(d.File("C0010001.SPF") == fresh.File("C0010001.SPF")) << what;
        EXPECT_EQ(d.Files(), kPair) << what;
    }
}

// The plan editor's button while a refresh of the component is stopped
// between putting its plot file and its list in place: the saved input's
// pair was kept as it stood, the new plot file beside the old list, and
// put back so when the editor had closed. Now it is kept only with the
// folder's lock: given up on, a box says so and the editor is not started;
// the stopped run, once continued, puts its pair in place.
TEST(FolderRuns, ThePlanEditorsPairIsKeptOnlyWhole) {
    Desktop fresh;
    fresh.Add("flat_bar", "C001");
    ASSERT_EQ(fresh.Run("C001 " + kRun), 1) << fresh.err;
    Desktop d;
    Child first{-1};
    const std::string holder = Stop_Refresh(d, "rename", "C001_01.OLI", 1, &first);
    const Folder before = Folder_Of(d);
    testutil::Write_File(d.dir.file("script.txt"), "move 1160 27\nmove 1160 27\nclick 1160 27\n");
    EXPECT_EQ(d.Run("C001 0 1 1", true, "VEK_SCRIPT='" + d.dir.file("script.txt") + "' VEK_LOCK_WAIT=1"), 0);
    const std::string folder = fs::absolute(d.project).lexically_normal().string();
    EXPECT_EQ(d.err, folder + ": waiting for its lock, held by " + holder + ", at most 1 s\n" + folder +
                         ": its lock is still held by " + holder + " after 1 s: nothing is changed there\n"
                         "message box \"Hinweis\": [Die Druckliste C001_01.OLI geh\x94rt nicht zur Eingabedatei "
                         "C001_01.INP:] [sie wurde aus anderen Eingabedaten geschrieben, die Datei danach "
                         "ge\x84ndert.] [Beim Beenden mit Speichern wird sie neu geschrieben.] answer 1\n"
                         "message box \"\": [Die Druckliste und die Plotdatei k\x94nnen nicht gesichert werden!] "
                         "[Druckliste C001_01.OLI: Ordner von einem anderen Lauf gesperrt] [Das "
                         "Planerstellungsmodul wird nicht gestartet.] answer 1\n" +
                         kScriptEndsTheRun);
    EXPECT_TRUE(Folder_Of(d) == before);
    kill(first.pid, SIGCONT);
    EXPECT_EQ(first.Ended(), 1) << testutil::Read_File(d.dir.file("err1.txt"));
    EXPECT_TRUE(d.File("C001_01.OLI") == fresh.File("C001_01.OLI"));
    EXPECT_TRUE(d.File("C0010001.SPF") == fresh.File("C0010001.SPF"));
    EXPECT_EQ(d.Files(), kPair);
}

// Runs of one component at once hold the folder for moments each: the one
// that met the lock held said so on every such wait, and named the holder
// "another process (none of this machine's ...)" when it had let go before
// the kernel's table of locks was read. A wait is told only once it lasts
// (or its holder is stopped), and then with the holder of this machine;
// one let go just before the table is read, at the first refusal or when
// the wait has lasted, is no wait to tell.
TEST(FolderRuns, OnlyAWaitThatLastsIsToldAndItsHolderNamed) {
    for (const int let_go_at_read : {1, 2, 0}) {  // 0: held until the wait is told
        Desktop d;
        d.Add("flat_bar", "C001");
        // This test holds the folder, as another run would.
        const int held = open(d.project.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
        ASSERT_EQ(flock(held, LOCK_EX | LOCK_NB), 0);
        const std::string go = d.dir.file("go"), err = d.dir.file("err.txt");
        std::vector<std::string> shim;
        if (let_go_at_read > 0)
            shim = {"LD_PRELOAD=" WELD_FAULT_SHIM, "WELD_FAULT_OP=open", "WELD_FAULT_MATCH=/proc/locks$",
                    "WELD_FAULT_AT=" + std::to_string(let_go_at_read), "WELD_FAULT_ACTION=hold", "WELD_FAULT_HOLD=" + go};
        Child run{Start_Run(d, shim, "")};
        ASSERT_TRUE(testutil::Wait_While_Working([&] {
            const std::string said = testutil::Read_File(err);
            return let_go_at_read > 0 ? fs::exists(go + ".held") : !said.empty() && said.back() == '\n';
        }));
        close(held);
        testutil::Write_File(go, "");
        EXPECT_EQ(run.Ended(), 1) << let_go_at_read;
        const std::string said = testutil::Read_File(err);
        if (let_go_at_read > 0) {
            EXPECT_EQ(said, "") << let_go_at_read;
        } else {
            const std::string folder = fs::absolute(d.project).lexically_normal().string();
            const std::string waits = folder + ": waiting for its lock, held by run " + std::to_string(getpid()) + " (";
            EXPECT_EQ(said.rfind(waits, 0), 0u) << said;
            EXPECT_EQ(std::count(said.begin(), said.end(), '\n'), 1) << said;
            EXPECT_NE(said.find(", at most 60 s\n"), std::string::npos) << said;
        }
        EXPECT_EQ(d.Files(), kPair) << let_go_at_read;
    }
}

namespace {

// The names in the project folder of temporaries of saves of `target`.
Names Temporaries_Of(const Desktop& d, const std::string& target) {
    Names found;
    for (const std::string& name : d.Files())
        if (name.rfind(".vek-", 0) == 0 && name.find("-" + target + "-") != std::string::npos) found.push_back(name);
    return found;
}

}  // namespace

// A run killed while it wrote the list that says why no check stands, and
// the viewer killed while it wrote a list's PDF, each left its temporary
// (".vek-<id>-C001_01.OLI-...", ".vek-<id>-C001_01.pdf-..."), which only the
// next such save of the same file removed: sound runs left them for good.
// Now every run removes those whose writer is gone, and leaves those of
// saves that go on: of a viewer writing the PDF at the same time, which
// then puts its PDF in place, and of a save of another machine that holds
// its temporary. A render into the folder removes them too.
TEST(FolderRuns, TemporariesOfKilledSavesGoWithTheNextRun) {
    Desktop d;
    d.Add("flat_bar", "C001");
    ASSERT_EQ(d.Run("C001 " + kRun), 1) << d.err;
    const std::string input = d.File("C001_01.INP");
    testutil::Write_File(d.project + "/C001_01.INP", "1\n");
    EXPECT_NE(d.Run("C001 " + kRun, true, Fault_Shim("rename", "C001_01.OLI", 1, "kill")), 1);
    ASSERT_EQ(Temporaries_Of(d, "C001_01.OLI").size(), 1u);
    testutil::Write_File(d.project + "/C001_01.INP", input);
    // A viewer that writes the PDF meanwhile, held just before its rename;
    // then one killed there.
    const std::string viewer = std::string(WELD_BINARY_DIR) + "/bin/oliview '" + d.project + "/C001_01.OLI'";
    const std::string go = d.dir.file("go"), code = d.dir.file("viewer.txt");
    struct Release {
        std::string go;
        ~Release() { testutil::Write_File(go, ""); }
    } release{go};
    const std::string held = "WELD_FAULT_HOLD='" + go + "' " + Fault_Shim("rename", "C001_01.pdf", 1, "hold");
    ASSERT_EQ(std::system(("(" + held + " " + viewer + " 2>/dev/null; echo $? >'" + code + "') &").c_str()), 0);
    ASSERT_TRUE(testutil::Wait_While_Working([&] { return fs::exists(go + ".held"); }));
    const Names live = Temporaries_Of(d, "C001_01.pdf");
    ASSERT_EQ(live.size(), 1u);
    const std::string killed = Fault_Shim("rename", "C001_01.pdf", 1, "kill");
    EXPECT_NE(std::system(("(" + killed + " " + viewer + ") 2>/dev/null").c_str()), 0);
    EXPECT_EQ(Temporaries_Of(d, "C001_01.OLI").size(), 0u);
    ASSERT_EQ(Temporaries_Of(d, "C001_01.pdf").size(), 2u);
    // A save of another machine (its process id means nothing here: one
    // beyond this machine's largest), which holds its temporary.
    const long beyond = std::atol(testutil::Read_File("/proc/sys/kernel/pid_max").c_str()) + 1;
    const std::string remote = ".vek-" + std::to_string(beyond) + "-C001_01.OLI-remote";
    testutil::Write_File(d.project + "/" + remote, "");
    const int holds = open((d.project + "/" + remote).c_str(), O_RDWR | O_CLOEXEC);
    ASSERT_EQ(flock(holds, LOCK_EX | LOCK_NB), 0);
    EXPECT_EQ(d.Run("C001 " + kRun), 1) << d.err;
    EXPECT_EQ(Temporaries_Of(d, "C001_01.OLI"), Names{remote});
    EXPECT_EQ(Temporaries_Of(d, "C001_01.pdf"), live);
    close(holds);
    fs::remove(d.project + "/" + remote);
    testutil::Write_File(go, "");
    ASSERT_TRUE(testutil::Wait_While_Working([&] { return !testutil::Read_File(code).empty(); }));
    EXPECT_EQ(testutil::Read_File(code), "0\n");
    EXPECT_EQ(d.File("C001_01.pdf").rfind("%PDF-", 0), 0u);
    EXPECT_EQ(d.Files(), (Names{"C0010001.SPF", "C001_01.INP", "C001_01.OLI", "C001_01.TXT", "C001_01.pdf"}));
}

}  // namespace test_folder_runs
