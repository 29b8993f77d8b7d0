// The profile manager's stand-in that edits its file as a user does there,
// for the runs of the window (scripted and on a display) that take a
// profile from it: ProfDesk beside ProfDesk.exe (the newer manager is
// present), its file ProfilData.bin in DATA with HE 280 A and the user's
// own SONDER1.
#ifndef TESTS_WELDAPP_EDITING_MANAGER_H
#define TESTS_WELDAPP_EDITING_MANAGER_H

#include <cstdio>
#include <filesystem>
#include <string>

#include "profiles/catalogue_fixture.h"
#include "support/testutil.h"
#include "weldapp/batch_desktop.h"
#include "weldapp/record_fixture.h"
#include "weldapp/schweissnaht.h"

namespace testutil {

// The n-th call puts TEMP/ProfilData.<n>, where there is one, in the
// manager's file's place (the user's edit), then answers with the profile
// TEMP/answer names (none without it: the user cancelled); the count of
// calls is written last, so that a test that waits for it finds the rest
// done.
inline const char* const kEditingManager =
    "#!/bin/sh\n"
    "n=$(( $(cat \"$TEMP/calls\" 2>/dev/null || echo 0) + 1 ))\n"
    "if [ -f \"$TEMP/ProfilData.$n\" ]; then cp \"$TEMP/ProfilData.$n\" \"$DATA/ProfilData.bin\"; fi\n"
    "if [ -f \"$TEMP/answer\" ]; then cp \"$TEMP/answer\" \"$TEMP/PROFIL\"; fi\n"
    "echo $n > \"$TEMP/calls\"\n";

// The manager's file: HE 280 A (a new connection's profile) and SONDER1
// with the catalogue values of `as`.
inline std::string Manager_File(const std::string& as) {
    return ProfilData_Record(0, 3, "HE280A", "", To_ProfilData(Shipped_Values("HE280A"))) +
           ProfilData_Record(0, 5, "SONDER1", "", To_ProfilData(Shipped_Values(as)));
}

// The manager's programs and its window's title in the program directory
// `exec` (the newer manager present, so that its file is the one read).
inline void Install_Editing_Manager(const std::string& exec) {
    namespace fs = std::filesystem;
    Write_File(exec + "/ProfDesk.exe", "#!/bin/sh\nexit 0\n");
    Write_File(exec + "/ProfDesk", kEditingManager);
    Write_File(exec + "/ProfDesk.title", "VEK - Profilmanager 2.0\n");
    for (const char* tool : {"/ProfDesk.exe", "/ProfDesk"}) fs::permissions(exec + tool, fs::perms::owner_all);
}

// The manager and its file with SONDER1 as `as` laid into the desktop.
inline void Lay_Editing_Manager(const ::Desktop& d, const std::string& as) {
    Write_File(d.dir.file("data/ProfilData.bin"), Manager_File(as));
    Install_Editing_Manager(d.dir.file("exec"));
}

// The component A001_01 the window saved in `d` holds SONDER1 with HE 300
// M's h 340, b 310 and t_f 39 mm (the tables' values), its outer flanges'
// welds along the new edges at full length, 310 mm, as for another
// profile.
inline void Expect_Saved_As_HE300M(const ::Desktop& d) {
    Record saved;
    {
        ScopedEnv data("DATA", d.dir.file("data")), exec("EXEC", d.dir.file("exec"));
        FILE* f = std::fopen((d.project + "/A001_01.INP").c_str(), "r");
        ASSERT_NE(f, nullptr);
        ASSERT_EQ(Read_Schweissnaht(f, &saved.r), 0);
        std::fclose(f);
    }
    const Stahlprofil& p = saved.r.naht.profile;
    EXPECT_EQ(std::string(p.name).substr(0, 8), "SONDER1 ");
    EXPECT_EQ(p.h, 340.0);
    EXPECT_EQ(p.b_fo, 310.0);
    EXPECT_EQ(p.t_fo, 39.0);
    EXPECT_EQ(saved.r.naht.length[0], 310.0);
    EXPECT_EQ(saved.r.naht.length[3], 310.0);
}

// The batch path's list of the component A001_01 that the window saved in
// `d`, checked beside the manager's file as the window left it.
inline std::string Batch_List_Beside_Manager(const ::Desktop& d) {
    return ::Batch_List_Of_Saved(d, [&d](::Desktop& batch) {
        std::filesystem::copy_file(d.dir.file("data/ProfilData.bin"), batch.dir.file("data/ProfilData.bin"),
                                   std::filesystem::copy_options::overwrite_existing);
        std::filesystem::copy_file(d.dir.file("exec/ProfDesk.exe"), batch.dir.file("exec/ProfDesk.exe"));
    });
}

}  // namespace testutil

#endif
