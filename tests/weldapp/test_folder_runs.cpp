// Runs that share the component's folder with others: a run stopped while
// it holds the folder's lock, and the temporaries that runs and the viewer
// killed while they wrote leave behind.
#include <fcntl.h>
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/file.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cctype>
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

// The refresh of the component C001's file `file` (its File-Id; Pos-Id 1)
// in d, started beside the test with the fault shim's entries (NAME=value)
// put in front of it; stdout and stderr into d's out<tag>.txt and
// err<tag>.txt.
pid_t Start_Run(const Desktop& d, const std::vector<std::string>& shim, const std::string& tag,
                const char* file = "1") {
    std::vector<std::string> env{"DATA=" + d.dir.file("data"), "DRAM=" + d.dir.file("dram"),
                                 "TEMP=" + d.dir.file("temp"), "EXEC=" + d.dir.file("exec")};
    env.insert(env.end(), shim.begin(), shim.end());
    return testutil::Spawn({kProgram, "C001", "0", file, "1", "-refresh"}, env, d.dir.file("out" + tag + ".txt"),
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

namespace {

// Two files of the component C001, the flat bar (File-Id 1) and the
// rectangular tube (File-Id 2): their lists C001_01.OLI and C001_02.OLI
// share the plot file C0010001.SPF of their position.
void Add_Two_Files(Desktop& d) {
    d.Add("flat_bar", "C001");
    for (const char* ext : {"_01.INP", "_01.TXT"})
        fs::copy_file(kExamples + "rhs_160x80/B001" + ext, d.project + "/C001_02" + std::string(ext).substr(3));
}
const Names kTwoFiles{"C0010001.SPF", "C001_01.INP", "C001_01.OLI", "C001_01.TXT",
                      "C001_02.INP", "C001_02.OLI", "C001_02.TXT"};

// What lone runs of the two files write: each file's list, and the plot
// file as each leaves it.
struct Lone_Runs {
    std::string list[2], plot[2];
    Lone_Runs() {
        Desktop d;
        Add_Two_Files(d);
        for (int file : {0, 1}) {
            EXPECT_EQ(d.Run("C001 0 " + std::to_string(file + 1) + " 1 -refresh"), 1) << d.err;
            list[file] = d.File(file == 0 ? "C001_01.OLI" : "C001_02.OLI");
            plot[file] = d.File("C0010001.SPF");
        }
        EXPECT_NE(plot[0], plot[1]);
    }
};

// The names in the project folder beyond those of the two files' pairs, a
// run's tag written "*".
Names Left_Over(const Desktop& d) {
    Names left;
    for (std::string name : d.Files()) {
        if (std::find(kTwoFiles.begin(), kTwoFiles.end(), name) != kTwoFiles.end()) continue;
        for (size_t at = 0; (at = name.find('.', at)) != std::string::npos; ++at) {
            const std::string tag = name.substr(at + 1, 9);
            if (tag.size() == 9 && tag[8] == '.' &&
                std::all_of(tag.begin(), tag.begin() + 8, [](char c) { return std::isxdigit(c) && !std::isupper(c); }))
                name.replace(at + 1, 8, "*");
        }
        left.push_back(name);
    }
    return left;
}

// The two files with older lists and plot file in place; the refresh of
// `file` held (as a busy machine holds it) just before the at-th call of
// op on a path that holds `match`, until *go is made.
void Hold_Refresh(Desktop& d, const char* file, const char* op, const char* match, int at, Child* run) {
    Add_Two_Files(d);
    for (const char* old : {"C001_01.OLI", "C001_02.OLI", "C0010001.SPF"})
        testutil::Write_File(d.project + "/" + old, "old\n");
    const std::string go = d.dir.file("go");
    run->pid = Start_Run(d,
                         {"LD_PRELOAD=" WELD_FAULT_SHIM, std::string("WELD_FAULT_OP=") + op,
                          std::string("WELD_FAULT_MATCH=") + match, "WELD_FAULT_AT=" + std::to_string(at),
                          "WELD_FAULT_ACTION=hold", "WELD_FAULT_HOLD=" + go},
                         "held", file);
    ASSERT_GT(run->pid, 0);
    ASSERT_TRUE(testutil::Wait_While_Working([&] { return fs::exists(go + ".held"); }));
}

}  // namespace

// Two files of one component share its plot file (it is named by the
// component and the position, not the file). Refreshed at once, the second
// run took the first one's plot temporary, held by no list temporary of its
// own file, for a cut-off run's and removed it, both wrote one temporary
// name, and the first ended with 2, its list saying that no check stands,
// and the plot file the second had put in place removed. Now the runs of
// every file of the component keep to temporaries of their own, which each
// holds: both end as lone runs of their files, the plot file whole from
// the one that puts its pair in place last. The held run killed instead:
// the other's pair stands, and the next run removes what the killed one
// left.
TEST(FolderRuns, TwoFilesOfOneComponentRefreshedAtOnceKeepToTheirOwnPlotTemporaries) {
    const Lone_Runs lone;
    const struct {
        const char* held;  // the file held; the other runs through meanwhile
        const char *op, *match;
        int at;
    } holds[] = {
        {"2", "fsync", "C001_02.OLI", 1},  // both its temporaries written
        {"2", "fsync", "C0010001.SPF", 1},
        {"1", "fsync", "C001_01.OLI", 1},
        {"1", "open", "C0010001.SPF", 2},  // its plot temporary claimed, not yet written
    };
    for (const auto& h : holds) {
        for (const bool killed : {false, true}) {
            const std::string what = std::string(h.held) + " held at " + h.op + " " + h.match + " #" +
                                     std::to_string(h.at) + (killed ? ", then killed" : "");
            const int held = h.held[0] - '1', other = 1 - held;
            Desktop d;
            Child run{-1};
            Hold_Refresh(d, h.held, h.op, h.match, h.at, &run);
            EXPECT_EQ(d.Run("C001 0 " + std::to_string(other + 1) + " 1 -refresh"), 1) << what << d.err;
            EXPECT_EQ(d.err, "") << what;
            if (killed) {
                kill(run.pid, SIGKILL);
                EXPECT_EQ(run.Ended(), 128 + SIGKILL) << what;
                EXPECT_TRUE(d.File("C0010001.SPF") == lone.plot[other]) << what;
                EXPECT_EQ(d.File(held == 0 ? "C001_01.OLI" : "C001_02.OLI"), "old\n") << what;
                EXPECT_EQ(Left_Over(d).size(), 2u) << what;
                EXPECT_EQ(d.Run("C001 0 " + std::to_string(other + 1) + " 1 -refresh"), 1) << what << d.err;
                EXPECT_EQ(d.err, "") << what;
                EXPECT_EQ(d.File(held == 0 ? "C001_01.OLI" : "C001_02.OLI"), "old\n") << what;
            } else {
                testutil::Write_File(d.dir.file("go"), "");
                EXPECT_EQ(run.Ended(), 1) << what << testutil::Read_File(d.dir.file("errheld.txt"));
                EXPECT_EQ(testutil::Read_File(d.dir.file("errheld.txt")), "") << what;
                EXPECT_TRUE(d.File("C001_01.OLI") == lone.list[0]) << what;
                EXPECT_TRUE(d.File("C001_02.OLI") == lone.list[1]) << what;
            }
            // The plot file of the run that put its pair in place last.
            EXPECT_TRUE(d.File("C0010001.SPF") == lone.plot[killed ? other : held]) << what;
            EXPECT_EQ(d.Files(), kTwoFiles) << what;
        }
    }
}

// One of two refreshes of two files of the component killed at each of its
// steps while the other is held with its temporaries written: the other,
// let go, puts its pair in place whole; a later refresh of the other file
// leaves what the killed run committed (its pending list and the plot
// temporary that waits for it) and removes the rest of it; the killed
// file's next refresh completes the pair it committed, and both files'
// lists and the plot file stand whole.
TEST(FolderRuns, ARunOfAnotherFileOfTheComponentKilledAtEachStep) {
    const Lone_Runs lone;
    const Names committed{"C0010001.SPF.*.tmp", "C001_01.OLI.*.new"};
    const struct {
        const char *op, *match;
        int at;
        Names left;  // what the killed run leaves once the other file's run has swept
        bool list;   // its list stands
    } steps[] = {
        {"open", "C001_01.OLI", 1, {}, false},  // its claim
        {"fsync", "C001_01.OLI", 1, {}, false},
        {"rename", "C001_01.OLI", 1, {}, false},  // the commit
        {"fsync", "project$", 1, committed, false},
        {"rename", "C0010001.SPF$", 1, committed, false},
        {"rename", "C001_01.OLI$", 1, {"C001_01.OLI.*.new"}, false},
        {"fsync", "project$", 2, {}, true},
    };
    for (const auto& step : steps) {
        const std::string what = std::string(step.op) + " " + step.match + " #" + std::to_string(step.at);
        Desktop d;
        Child run{-1};
        Hold_Refresh(d, "2", "fsync", "C001_02.OLI", 1, &run);
        EXPECT_EQ(d.Run("C001 0 1 1 -refresh", true, Fault_Shim(step.op, step.match, step.at, "kill")), 128 + SIGKILL)
            << what << d.err;
        testutil::Write_File(d.dir.file("go"), "");
        EXPECT_EQ(run.Ended(), 1) << what << testutil::Read_File(d.dir.file("errheld.txt"));
        EXPECT_EQ(testutil::Read_File(d.dir.file("errheld.txt")), "") << what;
        EXPECT_TRUE(d.File("C001_02.OLI") == lone.list[1]) << what;
        EXPECT_TRUE(d.File("C0010001.SPF") == lone.plot[1]) << what;
        EXPECT_EQ(d.File("C001_01.OLI") == lone.list[0], step.list) << what;
        EXPECT_EQ(d.Run("C001 0 2 1 -refresh"), 1) << what << d.err;
        EXPECT_EQ(d.err, "") << what;
        EXPECT_EQ(Left_Over(d), step.left) << what;
        EXPECT_TRUE(d.File("C0010001.SPF") == lone.plot[1]) << what;
        EXPECT_EQ(d.Run("C001 0 1 1 -refresh"), 1) << what << d.err;
        EXPECT_EQ(d.err, step.left.empty() ? "" : "C001_01.OLI: the print list and plot file of a run that was cut "
                                                  "off were put in place\n")
            << what;
        EXPECT_TRUE(d.File("C001_01.OLI") == lone.list[0]) << what;
        EXPECT_TRUE(d.File("C001_02.OLI") == lone.list[1]) << what;
        EXPECT_TRUE(d.File("C0010001.SPF") == lone.plot[0]) << what;
        EXPECT_EQ(d.Files(), kTwoFiles) << what;
    }
}

// The saved plot file is named as the plot file, one name for every file
// of the component. The plan editor's button in the window of one file,
// while the kept pair of another waited (its window cut off while its plan
// editor had the edits' pair), kept the plot file over that pair's, and
// removed it when it had put its own back: the other file's next run put
// its saved list back and removed the plot file beside it. Now the pair is
// not kept while another file's kept pair holds the name: a box says so,
// the editor is not started, nothing changes, and the other file's next
// run puts its whole kept pair back.
TEST(FolderRuns, AKeptPlotFileOfAnotherFileOfTheComponentIsLeftToIt) {
    Desktop d;
    Add_Two_Files(d);
    for (const char* file : {"2", "1"}) ASSERT_EQ(d.Run(std::string("C001 0 ") + file + " 1 -refresh"), 1) << d.err;
    const std::string saved_list = d.File("C001_01.OLI"), saved_plot = d.File("C0010001.SPF");
    // The editor kills the window that started it, once.
    const std::string editor = d.dir.file("exec/Linarium.exe");
    testutil::Write_File(editor, "#!/bin/sh\n[ -e '" + editor + ".ran' ] && exit 0\n: >'" + editor +
                                     ".ran'\nkill -9 $PPID\n");
    testutil::Write_File(editor + ".title", "VEK - Planbearbeitung\n");
    fs::permissions(editor, fs::perms::owner_all);
    const std::string script = d.dir.file("script.txt"), plot = "move 1160 27\nmove 1160 27\nclick 1160 27\n";
    testutil::Write_File(script, plot);
    EXPECT_EQ(d.Run("C001 0 1 1", true, "VEK_SCRIPT='" + script + "'"), 128 + SIGKILL) << d.err;
    ASSERT_TRUE(d.Exists("C001_01.OLI.saved") && d.File("C0010001.SPF.saved") == saved_plot);
    const Folder before = Folder_Of(d);
    EXPECT_EQ(d.Run("C001 0 2 1", true, "VEK_SCRIPT='" + script + "'"), 0);
    EXPECT_EQ(d.err, "message box \"\": [Die Druckliste und die Plotdatei k\x94nnen nicht gesichert werden!] "
                     "[Plotdatei C0010001.SPF: noch mit der Druckliste C001_01.OLI gesichert] [Das "
                     "Planerstellungsmodul wird nicht gestartet.] answer 1\n" +
                         kScriptEndsTheRun);
    EXPECT_TRUE(Folder_Of(d) == before);
    testutil::Write_File(script, "");
    EXPECT_EQ(d.Run("C001 0 1 1", true, "VEK_SCRIPT='" + script + "'"), 0);
    EXPECT_NE(d.err.find("C001_01.OLI: the print list and plot file of the saved input were put back"),
              std::string::npos)
        << d.err;
    EXPECT_TRUE(d.File("C001_01.OLI") == saved_list);
    EXPECT_TRUE(d.File("C0010001.SPF") == saved_plot);
    EXPECT_EQ(d.Files(), kTwoFiles);
}

// A folder that keeps no locks (every flock fails with ENOLCK, as on some
// network folders): a second refresh of the file took the first one's
// temporaries, which nobody held, for a cut-off run's and removed them,
// and claimed their names; the first, let go, put in place by name what
// stood there then, the second run's unwritten files, and reported the run
// done (exit 1) over an empty list and plot file. Now each run's record
// beside its temporaries speaks for it (a run whose process lives keeps
// them), and a run puts in place only the files its claims hold: both end
// as lone runs, and nothing of them is left. A run killed in such a folder
// leaves a record of a gone process (or one it had not yet written): the
// next run takes what it left away (before its commit) or completes its
// pair (after).
TEST(FolderRuns, TwoRunsOfOneFileWhereTheFolderKeepsNoLocks) {
    Desktop lone;
    lone.Add("flat_bar", "C001");
    ASSERT_EQ(lone.Run("C001 " + kRun), 1) << lone.err;
    const std::string no_locks = "LD_PRELOAD=" WELD_FAULT_SHIM, nolocks_env = "WELD_FAULT_NOLOCKS=1";
    {
        Desktop d;
        d.Add("flat_bar", "C001");
        const std::string go_first = d.dir.file("go1"), go_second = d.dir.file("go2");
        // The first with its list written, just before its sync; the second
        // with its temporaries claimed, before its first write.
        Child first{Start_Run(d,
                              {no_locks, nolocks_env, "WELD_FAULT_OP=fsync", "WELD_FAULT_MATCH=C001_01.OLI.tmp",
                               "WELD_FAULT_AT=1", "WELD_FAULT_ACTION=hold", "WELD_FAULT_HOLD=" + go_first},
                              "1")};
        ASSERT_TRUE(testutil::Wait_While_Working([&] { return fs::exists(go_first + ".held"); }));
        Child second{Start_Run(d,
                               {no_locks, nolocks_env, "WELD_FAULT_OP=write", "WELD_FAULT_MATCH=tmp$",
                                "WELD_FAULT_AT=1", "WELD_FAULT_ACTION=hold", "WELD_FAULT_HOLD=" + go_second},
                               "2")};
        ASSERT_TRUE(testutil::Wait_While_Working([&] { return fs::exists(go_second + ".held"); }));
        testutil::Write_File(go_first, "");
        EXPECT_EQ(first.Ended(), 1) << testutil::Read_File(d.dir.file("err1.txt"));
        EXPECT_TRUE(d.File("C001_01.OLI") == lone.File("C001_01.OLI")) << d.File("C001_01.OLI").size();
        EXPECT_TRUE(d.File("C0010001.SPF") == lone.File("C0010001.SPF")) << d.File("C0010001.SPF").size();
        testutil::Write_File(go_second, "");
        EXPECT_EQ(second.Ended(), 1) << testutil::Read_File(d.dir.file("err2.txt"));
        EXPECT_EQ(testutil::Read_File(d.dir.file("err1.txt")) + testutil::Read_File(d.dir.file("err2.txt")), "");
        EXPECT_TRUE(d.File("C001_01.OLI") == lone.File("C001_01.OLI"));
        EXPECT_TRUE(d.File("C0010001.SPF") == lone.File("C0010001.SPF"));
        EXPECT_EQ(d.Files(), kPair);
    }
    const struct {
        const char *op, *match, *said;
    } kills[] = {
        {"write", "C001_01.OLI.run", ""},  // its record made, not yet written
        {"open", "C001_01.OLI.tmp", ""},   // its record written, no temporary yet
        {"fsync", "C001_01.OLI.tmp", ""},
        {"rename", "C0010001.SPF$", "C001_01.OLI: the print list and plot file of a run that was cut off were put in "
                                    "place\n"},
    };
    for (const auto& k : kills) {
        Desktop d;
        d.Add("flat_bar", "C001");
        const std::string shim = Fault_Shim(k.op, k.match, 1, "kill") + " WELD_FAULT_NOLOCKS=1";
        EXPECT_EQ(d.Run("C001 " + kRun, true, shim), 128 + SIGKILL) << k.op << d.err;
        EXPECT_TRUE(d.Exists("C001_01.OLI.run")) << k.op;
        EXPECT_EQ(d.Run("C001 " + kRun, true, "LD_PRELOAD='" WELD_FAULT_SHIM "' WELD_FAULT_NOLOCKS=1"), 1) << d.err;
        EXPECT_EQ(d.err, k.said) << k.op;
        EXPECT_TRUE(d.File("C001_01.OLI") == lone.File("C001_01.OLI")) << k.op;
        EXPECT_EQ(d.Files(), kPair) << k.op;
    }
    // A save's temporary whose process id no process of this machine has:
    // where no lock can be asked it may be another machine's live save, and
    // stays (until it is a day old); where locks are kept, nobody holds it
    // and it goes.
    Desktop d;
    d.Add("flat_bar", "C001");
    const pid_t ended = fork();
    if (ended == 0) _exit(0);
    ASSERT_GT(ended, 0);
    waitpid(ended, nullptr, 0);
    const std::string save = ".vek-" + std::to_string(ended) + "-C001_01.OLI-remote";
    testutil::Write_File(d.project + "/" + save, "");
    EXPECT_EQ(d.Run("C001 " + kRun, true, "LD_PRELOAD='" WELD_FAULT_SHIM "' WELD_FAULT_NOLOCKS=1"), 1) << d.err;
    EXPECT_TRUE(d.Exists(save));
    EXPECT_EQ(d.Run("C001 " + kRun), 1) << d.err;
    EXPECT_EQ(d.Files(), kPair);
}

}  // namespace test_folder_runs
