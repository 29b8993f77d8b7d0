// The built program run as the desktop runs it, in a desktop tree of its own:
// EXEC, DATA (the shipped annex files and the built profile file), DRAM,
// TEMP and one project folder. Shared by the end-to-end tests.
#ifndef TESTS_WELDAPP_BATCH_DESKTOP_H
#define TESTS_WELDAPP_BATCH_DESKTOP_H

#include <sys/wait.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

#include "support/testutil.h"

namespace testutil {

inline const std::string kProgram = std::string(WELD_BINARY_DIR) + "/bin/schweissnaht";
inline const std::string kExamples = std::string(WELD_SOURCE_DIR) + "/examples/";

struct Desktop {
    TempDir dir;
    std::string project = dir.file("project");
    Desktop() {
        namespace fs = std::filesystem;
        for (const char* d : {"exec", "data", "dram", "temp", "project"}) fs::create_directories(dir.file(d));
        fs::copy(std::string(WELD_SOURCE_DIR) + "/data/NAD", dir.file("data/NAD"), fs::copy_options::recursive);
        fs::copy_file(WELD_PROFIL_FILE, dir.file("data/PROFIL"));
    }
    // Copies the example's input file and position text into the project.
    void Add(const std::string& example, const std::string& id) {
        for (const char* ext : {"_01.INP", "_01.TXT"})
            std::filesystem::copy_file(kExamples + example + "/" + id + ext, project + "/" + id + ext);
    }
    // Runs the program in the project folder: the exit code, with stdout and
    // stderr kept in out and err. Without with_exec EXEC is left out;
    // prefix goes in front of the program (a shell word such as "ulimit").
    int Run(const std::string& args, bool with_exec = true, const std::string& prefix = "") {
        std::string env = "DATA='" + dir.file("data") + "' DRAM='" + dir.file("dram") + "' TEMP='" +
                          dir.file("temp") + "' ";
        env += with_exec ? "EXEC='" + dir.file("exec") + "' " : "";
        const std::string cmd = "cd '" + project + "' && " + prefix + " env -u EXEC -u VEK_PRIVAT_DATAPATH " + env +
                                "'" + kProgram + "' " + args + " >'" + dir.file("out.txt") + "' 2>'" +
                                dir.file("err.txt") + "'";
        const int status = std::system(("(" + cmd + ")").c_str());
        out = Read_File(dir.file("out.txt"));
        err = Read_File(dir.file("err.txt"));
        return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    }
    bool Exists(const std::string& name) const { return std::filesystem::exists(project + "/" + name); }
    std::string File(const std::string& name) const { return Read_File(project + "/" + name); }
    // The names in the project folder, sorted.
    std::vector<std::string> Files() const {
        std::vector<std::string> names;
        for (const auto& e : std::filesystem::directory_iterator(project)) names.push_back(e.path().filename());
        std::sort(names.begin(), names.end());
        return names;
    }
    std::string out, err;
};

// Where two files part: "line N" with both lines, or "" when they are equal.
inline std::string First_Difference(const std::string& want, const std::string& got) {
    if (want == got) return "";
    size_t line = 1, i = 0;
    while (i < want.size() && i < got.size() && want[i] == got[i])
        if (want[i++] == '\n') ++line;
    auto around = [&](const std::string& s) {
        const size_t b = s.rfind('\n', i == 0 ? 0 : i - 1);
        const size_t from = b == std::string::npos || i == 0 ? 0 : b + 1;
        return s.substr(from, s.find('\n', from) - from);
    };
    return "line " + std::to_string(line) + "\n  expected: " + around(want) + "\n  written:  " + around(got);
}

}  // namespace testutil

#endif
