// The print-list viewer program as a person runs it: what it refuses to
// turn into a PDF.
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <sys/wait.h>

#include <cstdlib>
#include <filesystem>
#include <string>

#include "support/testutil.h"

namespace {

const std::string kViewer = std::string(WELD_BINARY_DIR) + "/bin/oliview";

// Runs the viewer; its exit code, stderr in *err.
int Run_Viewer(const std::string& args, const testutil::TempDir& dir, std::string* err) {
    const std::string cmd = "'" + kViewer + "' " + args + " >/dev/null 2>'" + dir.file("err.txt") + "'";
    const int status = std::system(cmd.c_str());
    *err = testutil::Read_File(dir.file("err.txt"));
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

// An empty file, a directory, a FIFO (which must not make it wait for a
// writer) and a file without any block give an error and no PDF; before,
// each gave a blank PDF or a hang. A list of one paragraph gives its page.
TEST(ViewerProgram, RefusesWhatIsNoPrintList) {
    testutil::TempDir dir;
    testutil::Write_File(dir.file("leer.OLI"), "");
    testutil::Write_File(dir.file("text.OLI"), "kein Block\n");
    testutil::Write_File(dir.file("gut.OLI"), "#SHOWPARA\n0x0\n4\n-1\n Zeile\n#END_OF_TEXT\n");
    std::filesystem::create_directory(dir.file("ordner.OLI"));
    ASSERT_EQ(mkfifo(dir.file("rohr.OLI").c_str(), 0600), 0);
    const struct {
        const char* name;
        int code;
        const char* said;
    } cases[] = {
        {"leer", 1, "is empty"},
        {"text", 1, "holds no block of a print list"},
        {"ordner", 1, "Is a directory"},
        {"rohr", 1, "No such device"},
        {"fehlt", 1, "No such file or directory"},
        {"gut", 0, ""},
    };
    for (const auto& c : cases) {
        std::string err;
        const std::string list = dir.file(std::string(c.name) + ".OLI");
        EXPECT_EQ(Run_Viewer("'" + list + "' -o '" + dir.file("out.pdf") + "'", dir, &err), c.code) << c.name;
        EXPECT_NE(err.find(c.said), std::string::npos) << c.name << ": " << err;
        EXPECT_EQ(std::filesystem::exists(dir.file("out.pdf")), c.code == 0) << c.name;
        std::filesystem::remove(dir.file("out.pdf"));
        if (c.code) {
            EXPECT_EQ(Run_Viewer("--check '" + list + "'", dir, &err), 1) << c.name;
        }
    }
}

}  // namespace
