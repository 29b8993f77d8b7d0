// A temporary desktop tree for the catalogue tests: DATA holding the built
// profile file PROFIL (or a file a test writes), an empty EXEC (a test puts
// the profile manager's stand-in there), both named by the environment; the
// catalogue and the name library start afresh and are reset again at the end.
// Also writers of synthetic PROFIL and ProfilData.bin records.
#ifndef TESTS_PROFILES_CATALOGUE_FIXTURE_H
#define TESTS_PROFILES_CATALOGUE_FIXTURE_H

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <cstdint>
#include <cstring>
#include <filesystem>
#include <map>
#include <string>
#include <vector>

#include "platform/msgbox.h"
#include "profiles/profil.h"
#include "profiles/profile_catalogue.h"
#include "profiles/stahlprofil.h"
#include "support/testutil.h"

namespace testutil {

inline std::string Le_Float(float f) {
    uint32_t u;
    std::memcpy(&u, &f, 4);
    std::string s;
    for (int i = 0; i < 4; i++) s += static_cast<char>((u >> (8 * i)) & 0xFF);
    return s;
}

// One PROFIL record: name blank-padded to 16, the values given by index,
// three blanks and the letter.
inline std::string Profil_Record(const std::string& name, char letter, const std::map<int, float>& values) {
    std::string r = name;
    r.resize(16, ' ');
    for (int i = 0; i < 35; i++) r += Le_Float(values.count(i) ? values.at(i) : 0.0f);
    return r + "   " + letter;
}

inline unsigned char Rotate_Left(unsigned char c, int k) {
    return static_cast<unsigned char>(k % 8 == 0 ? c : (c << k) | (c >> (8 - k)));
}

// One ProfilData.bin record: type code, name and alias stored rotated by k
// (each byte rotated left by k, so the reader's rotation by 8 - k restores
// it), the 39 values given by index.
inline std::string ProfilData_Record(int type_code, int k, const std::string& name, const std::string& alias,
                                     const std::map<int, float>& values) {
    std::string r;
    r += static_cast<char>(type_code << 4 | k);
    r += static_cast<char>(name.size());
    r += static_cast<char>(alias.size());
    r += '\x07';
    r += '\xC5';
    std::string text = name + alias;
    for (char c : text) r += static_cast<char>(Rotate_Left(static_cast<unsigned char>(c), k));
    r.resize(44, '\0');
    for (int i = 0; i < 39; i++) r += Le_Float(values.count(i) ? values.at(i) : 0.0f);
    return r;
}

// A profile typed in by its dimensions (mm), both flanges alike.
inline Stahlprofil Typed_Profile(int type, double h, double t_w, double b, double t_f) {
    Stahlprofil p;
    Init_Profile(&p);
    p.type = type;
    p.h = h;
    p.t_w = t_w;
    p.b_fo = p.b_fu = b;
    p.t_fo = p.t_fu = t_f;
    return p;
}

class CatalogueTree {
public:
    CatalogueTree() {
        std::filesystem::create_directories(dir.path() / "DATA");
        std::filesystem::create_directories(dir.path() / "EXEC");
        Write_File(Data("PROFIL"), Read_File(WELD_PROFIL_FILE));
        // The annexes the program ships: a material block names its annex,
        // and one that cannot be read would show its notice in the middle
        // of a test (once per run, and every test is a run of its own).
        std::filesystem::copy(std::string(WELD_SOURCE_DIR) + "/data/NAD", dir.path() / "DATA" / "NAD",
                              std::filesystem::copy_options::recursive);
        Reset_Profile_Catalogue();
        Reset_Profil_Library();
        VEK_Clear_Recorded_Messages();
    }
    ~CatalogueTree() {
        Reset_Profile_Catalogue();
        Reset_Profil_Library();
        VEK_Clear_Recorded_Messages();
    }
    CatalogueTree(const CatalogueTree&) = delete;
    CatalogueTree& operator=(const CatalogueTree&) = delete;

    std::string Data(const std::string& name) const { return dir.file("DATA/" + name); }
    // Places an executable stand-in of the profile manager in EXEC and
    // switches the manager on.
    void Install_Manager(const std::string& profildata) {
        std::string exe = dir.file("EXEC/ProfDesk.exe");
        Write_File(exe, "#!/bin/sh\nexit 0\n");
        chmod(exe.c_str(), 0755);
        Write_File(Data("ProfilData.bin"), profildata);
        Enable_Profile_Manager();
    }

    TempDir dir;

private:
    ScopedEnv data_{"DATA", dir.file("DATA")};
    ScopedEnv exec_{"EXEC", dir.file("EXEC")};
};

class CatalogueTest : public ::testing::Test {
protected:
    CatalogueTree tree;
};

}  // namespace testutil

#endif
