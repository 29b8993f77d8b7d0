// A component beside a desktop in a temporary directory: EXEC and TEMP
// named by the environment, the path prefix "K1" with File-Id 3, and the
// stand-in tools of tests/tools placed in EXEC on request. The connection
// record, the tool state and the annex registry start empty and are
// emptied again when the object goes.
#ifndef TESTS_WELDAPP_DESKTOP_FIXTURE_H
#define TESTS_WELDAPP_DESKTOP_FIXTURE_H

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <sys/stat.h>

#include "codes/nad.h"
#include "platform/msgbox.h"
#include "support/testutil.h"
#include "weldapp/loadpick.h"
#include "weldapp/partpick.h"
#include "weldapp/program_context.h"
#include "weldapp/schweissnaht.h"

namespace testutil {

class Desktop {
public:
    Desktop() {
        std::filesystem::create_directories(dir.path() / "EXEC");
        std::filesystem::create_directories(dir.path() / "TEMP");
        const std::string id = dir.file("K1");
        const char* argv[] = {"schweissnaht", id.c_str(), "0", "3", "7"};
        EXPECT_EQ(Set_Program_Context(5, argv), 1);
        Reset_NAD_Registry();
        VEK_Clear_Recorded_Messages();
    }
    ~Desktop() {
        Free_Schweissnaht(&Schweissnaht_Anschluss);
        Reset_LoadPick();
        Reset_PartPick();
        Reset_NAD_Registry();
    }
    Desktop(const Desktop&) = delete;
    Desktop& operator=(const Desktop&) = delete;

    std::string Exec(const std::string& name) const { return dir.file("EXEC/" + name); }
    std::string Temp(const std::string& name) const { return dir.file("TEMP/" + name); }
    // Places a copy of the stand-in program in EXEC under the tool's name,
    // its window carrying the title.
    void Tool(const std::string& name, const std::string& title, const std::string& program = WELD_STANDIN_TOOL) {
        Write_File(Exec(name), Read_File(program));
        chmod(Exec(name).c_str(), 0755);
        Write_File(Exec(name) + ".title", title + "\n");
    }
    // The arguments a stand-in tool noted, one per line.
    std::string Arguments(const std::string& name) const { return Read_File(Temp(name + ".args")); }

    TempDir dir;

private:
    ScopedEnv exec_{"EXEC", dir.file("EXEC")};
    ScopedEnv temp_{"TEMP", dir.file("TEMP")};
};

// The window titles the program looks for.
inline const std::string kLoadPickTitle = "VEK - Schnittgr\xF6\xDF" "enauswahl";
inline const std::string kPartPickTitle = "VEK - Bauteilauswahl";

}  // namespace testutil

#endif
