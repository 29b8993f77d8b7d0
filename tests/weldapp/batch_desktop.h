// A desktop environment in a temporary directory with one project folder,
// for the tests that run the built program as the desktop runs it: the
// shipped data (annex files, pictures) and the profile file of the build in
// DATA, the example components copied into the project folder.
#ifndef TESTS_WELDAPP_BATCH_DESKTOP_H
#define TESTS_WELDAPP_BATCH_DESKTOP_H

#include <gtest/gtest.h>
#include <sys/wait.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <functional>
#include <map>
#include <string>
#include <vector>

#include "codes/nad.h"
#include "platform/oli_view.h"
#include "support/testutil.h"
#include "weldapp/schweissnaht.h"

inline const std::string kProgram = std::string(WELD_BINARY_DIR) + "/bin/schweissnaht";
inline const std::string kExamples = std::string(WELD_SOURCE_DIR) + "/examples/";

// The fault shim (tests/tools/fault_shim.cpp) in front of the program, as
// a prefix of Desktop::Run: the at-th call of op (rename, fsync, fclose) on a
// file whose path holds match fails with EIO, or, with the action "kill",
// the run is killed just before it; at 0: every such call.
inline std::string Fault_Shim(const std::string& op, const std::string& match, int at, const char* action = "fail") {
    return "LD_PRELOAD='" + std::string(WELD_FAULT_SHIM) + "' WELD_FAULT_OP=" + op + " WELD_FAULT_MATCH='" + match +
           "' WELD_FAULT_AT=" + std::to_string(at) + " WELD_FAULT_ACTION=" + action;
}

// What a scripted window run says when its script has ended: the close
// question, kept with its default "Nein", and the end of the run (nothing
// saved, exit code 0).
inline const std::string kScriptEndsTheRun =
    "message box \"\": [Aktuelle Bearbeitung abbrechen?] [Nicht gespeicherte \x8E" "nderungen gehen dabei verloren.] "
    "answer 0\nthe script has ended and the program keeps editing: run ended, nothing saved\n";

struct Desktop {
    testutil::TempDir dir;
    std::string project = dir.file("project");
    Desktop() {
        namespace fs = std::filesystem;
        for (const char* d : {"exec", "data", "dram", "temp", "project"}) fs::create_directories(dir.file(d));
        // Everything but the tables the build makes PROFIL from.
        for (const auto& e : fs::directory_iterator(std::string(WELD_SOURCE_DIR) + "/data"))
            if (e.path().filename() != "profiles")
                fs::copy(e.path(), dir.file("data/" + e.path().filename().string()), fs::copy_options::recursive);
        fs::copy_file(WELD_PROFIL_FILE, dir.file("data/PROFIL"));
    }
    void Add(const std::string& example, const std::string& id) {
        for (const char* ext : {"_01.INP", "_01.TXT"})
            std::filesystem::copy_file(kExamples + example + "/" + id + ext, project + "/" + id + ext);
    }
    // A component of the connection in the project folder: its input file
    // (with the active annex's entry) and its position text.
    void Add_Connection(const std::string& id, SchweissnahtAnschluss* r, const std::string& text) {
        FILE* f = std::fopen((project + "/" + id + "_01.INP").c_str(), "w");
        ASSERT_NE(f, nullptr);
        EXPECT_EQ(Write_Schweissnaht(f, r), 0);
        Write_ACTIV_NADNAME_Entry(f);
        std::fclose(f);
        testutil::Write_File(project + "/" + id + "_01.TXT", text);
    }
    // Runs the program in the project folder; the exit code, stdout and
    // stderr. Without with_exec EXEC is left out; prefix goes in front of
    // the program in the shell (a "ulimit", say).
    int Run(const std::string& args, bool with_exec = true, const std::string& prefix = "") {
        const std::map<std::string, std::string> before = Lists();
        const int status = std::system(("(" + Command(args, with_exec, prefix, "") + ")").c_str());
        out = testutil::Read_File(dir.file("out.txt"));
        err = testutil::Read_File(dir.file("err.txt"));
        Check_Lists(before);
        return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    }
    // The shell command of such a run, its output to files whose names end
    // with `tag` (out<tag>.txt, err<tag>.txt).
    std::string Command(const std::string& args, bool with_exec, const std::string& prefix,
                        const std::string& tag) const {
        std::string env = "DATA='" + dir.file("data") + "' DRAM='" + dir.file("dram") + "' TEMP='" +
                          dir.file("temp") + "' ";
        env += with_exec ? "EXEC='" + dir.file("exec") + "' " : "";
        return "cd '" + project + "' && " + prefix + " env -u EXEC -u VEK_PRIVAT_DATAPATH " + env + "'" + kProgram +
               "' " + args + " >'" + dir.file("out" + tag + ".txt") + "' 2>'" + dir.file("err" + tag + ".txt") + "'";
    }
    // The print lists in the project folder, by name.
    std::map<std::string, std::string> Lists() const {
        std::map<std::string, std::string> lists;
        std::error_code ec;
        for (const auto& e : std::filesystem::directory_iterator(project, ec)) {
            const std::string name = e.path().filename().string();
            if (!e.is_regular_file(ec)) continue;
            if (name.size() >= 4 && name.compare(name.size() - 4, 4, ".OLI") == 0)
                lists[name] = testutil::Read_File(e.path().string());
        }
        return lists;
    }
    // Every print list the run wrote passes the viewer's strict structure
    // check (docs/printlist-viewer.md): complete blocks, known records, no
    // element nested or left open, no bookmark group left open; and the
    // viewer's pages carry no mark of a damaged or cut list. A list the run
    // left alone (an old list a test put there) is not the program's.
    void Check_Lists(const std::map<std::string, std::string>& before) const {
        for (const auto& [name, bytes] : Lists()) {
            const auto was = before.find(name);
            if (was != before.end() && was->second == bytes) continue;
            FILE* f = testutil::Stream_With(bytes);
            std::string fault;
            const int sound = OLI_Check_Structure(f, &fault);
            if (f) std::fclose(f);
            EXPECT_EQ(sound, 1) << name << ": " << fault;
            OliDocument doc;
            f = testutil::Stream_With(bytes);
            OLI_Read_Document(f, &doc);
            if (f) std::fclose(f);
            EXPECT_EQ(OLI_Page_Mark(doc), "") << name;
        }
    }
    bool Exists(const std::string& name) const { return std::filesystem::exists(project + "/" + name); }
    std::string File(const std::string& name) const { return testutil::Read_File(project + "/" + name); }
    // The names in the project folder, sorted.
    std::vector<std::string> Files() const {
        std::vector<std::string> names;
        for (const auto& e : std::filesystem::directory_iterator(project)) names.push_back(e.path().filename());
        std::sort(names.begin(), names.end());
        return names;
    }
    std::string out, err;
};

// The batch path's list of the component A001_01 that a window saved in
// `d`, run in a desktop of its own; `prepare` lays there what else the run
// needs of `d` (a profile manager's file).
inline std::string Batch_List_Of_Saved(const Desktop& d, const std::function<void(Desktop&)>& prepare = {}) {
    Desktop batch;
    if (prepare) prepare(batch);
    testutil::Write_File(batch.project + "/A001_01.INP", d.File("A001_01.INP"));
    testutil::Write_File(batch.project + "/A001_01.TXT", d.File("A001_01.TXT"));
    EXPECT_EQ(batch.Run("A001 0 1 1 -refresh"), 1) << batch.err;
    return batch.File("A001_01.OLI");
}

#endif
