// A working directory for the user-section tests: the exchange and store
// files are named from the first four characters of the path prefix, so the
// tests run inside a temporary directory with the relative prefix "QX01p_".
// EXEC points to an empty directory of the tree (a test may place a stand-in
// of the sibling program there); the list and its settings start afresh.
#ifndef TESTS_PROFILES_USER_SECTION_FIXTURE_H
#define TESTS_PROFILES_USER_SECTION_FIXTURE_H

#include <sys/stat.h>

#include <cstring>
#include <unistd.h>

#include "base/filenames.h"
#include "base/vesk.h"
#include "platform/msgbox.h"
#include "profiles/qimport.h"
#include "profiles/user_section_geometry.h"
#include "support/testutil.h"

namespace testutil {

class UserSectionTest : public ::testing::Test {
protected:
    void SetUp() override {
        std::filesystem::create_directories(dir.path() / "EXEC");
        old_cwd = std::filesystem::current_path();
        std::filesystem::current_path(dir.path());
        Set_File_Base("QX01p_");
        Reset_User_Sections();
        Reset_User_Section_Geometry();
        VEK_Clear_Recorded_Messages();
    }
    void TearDown() override {
        Reset_User_Sections();
        Reset_User_Section_Geometry();
        Set_File_Base(nullptr);
        std::filesystem::current_path(old_cwd);
        VEK_Clear_Recorded_Messages();
    }
    // A record in the list holding text as if read from an exchange file.
    static Sonderquerschnitt* With_Text(int kind, const char* name, const std::string& text) {
        Sonderquerschnitt* r = New_Sonderquerschnitt();
        r->kind = kind;
        std::snprintf(r->name, sizeof r->name, "%-24.24s", name);
        r->text_length = static_cast<int>(text.size()) + 1;
        r->text = static_cast<char*>(Mem_Malloc(__FILE__, __LINE__, "null", text.size() + 1));
        std::memcpy(r->text, text.c_str(), text.size() + 1);
        return r;
    }
    // An executable stand-in of the sibling program in EXEC/Q7-VUVE.
    void Install_VUVE(const std::string& script) {
        std::filesystem::create_directories(dir.path() / "EXEC" / "Q7-VUVE");
        const std::string exe = dir.file("EXEC/Q7-VUVE/Q.EXE");
        Write_File(exe, script);
        chmod(exe.c_str(), 0755);
    }

    TempDir dir;
    std::filesystem::path old_cwd;
    ScopedEnv exec{"EXEC", dir.file("EXEC")};
};

}  // namespace testutil

#endif
