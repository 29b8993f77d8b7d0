// A desktop environment in a temporary directory with one project folder,
// for the tests that run the built program as the desktop runs it: the
// annex files and the profile file of the build in DATA, the example
// components copied into the project folder.
#ifndef TESTS_WELDAPP_BATCH_DESKTOP_H
#define TESTS_WELDAPP_BATCH_DESKTOP_H

#include <sys/wait.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

#include "support/testutil.h"

inline const std::string kProgram = std::string(WELD_BINARY_DIR) + "/bin/schweissnaht";
inline const std::string kExamples = std::string(WELD_SOURCE_DIR) + "/examples/";

struct Desktop {
    testutil::TempDir dir;
    std::string project = dir.file("project");
    Desktop() {
        namespace fs = std::filesystem;
        for (const char* d : {"exec", "data", "dram", "temp", "project"}) fs::create_directories(dir.file(d));
        fs::copy(std::string(WELD_SOURCE_DIR) + "/data/NAD", dir.file("data/NAD"), fs::copy_options::recursive);
        fs::copy_file(WELD_PROFIL_FILE, dir.file("data/PROFIL"));
    }
    void Add(const std::string& example, const std::string& id) {
        for (const char* ext : {"_01.INP", "_01.TXT"})
            std::filesystem::copy_file(kExamples + example + "/" + id + ext, project + "/" + id + ext);
    }
    // Runs the program in the project folder; the exit code, stdout and
    // stderr. Without with_exec EXEC is left out; prefix goes in front of
    // the program in the shell (a "ulimit", say).
    int Run(const std::string& args, bool with_exec = true, const std::string& prefix = "") {
        std::string env = "DATA='" + dir.file("data") + "' DRAM='" + dir.file("dram") + "' TEMP='" +
                          dir.file("temp") + "' ";
        env += with_exec ? "EXEC='" + dir.file("exec") + "' " : "";
        const std::string cmd = "cd '" + project + "' && " + prefix + " env -u EXEC -u VEK_PRIVAT_DATAPATH " + env +
                                "'" + kProgram + "' " + args + " >'" + dir.file("out.txt") + "' 2>'" +
                                dir.file("err.txt") + "'";
        const int status = std::system(("(" + cmd + ")").c_str());
        out = testutil::Read_File(dir.file("out.txt"));
        err = testutil::Read_File(dir.file("err.txt"));
        return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
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

#endif
