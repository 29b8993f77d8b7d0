// A temporary data tree for the tests that read the active annex: DATA with
// the two shipped annex files (the standard set and "Deutschland") and an
// empty DRAM for user annexes, both named by the environment for as long as
// the object lives. The annex registry is reset when the tree is made and
// again when it goes, so no test sees another test's annex.
#ifndef TESTS_CODES_ANNEX_FIXTURE_H
#define TESTS_CODES_ANNEX_FIXTURE_H

#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "codes/nad.h"
#include "platform/msgbox.h"
#include "support/testutil.h"

namespace testutil {

class AnnexTree {
public:
    AnnexTree() {
        std::filesystem::create_directories(dir.path() / "DATA" / "NAD");
        std::filesystem::create_directories(dir.path() / "DRAM" / "NADS");
        const std::string src = std::string(WELD_SOURCE_DIR) + "/data/NAD/";
        Write_File(dir.file("DATA/NAD/Standard.NAD"), Read_File(src + "Standard.NAD"));
        Write_File(dir.file("DATA/NAD/Deutschland.NAD"), Read_File(src + "Deutschland.NAD"));
        Reset_NAD_Registry();
    }
    ~AnnexTree() { Reset_NAD_Registry(); }
    AnnexTree(const AnnexTree&) = delete;
    AnnexTree& operator=(const AnnexTree&) = delete;

    TempDir dir;

private:
    ScopedEnv data_{"DATA", dir.file("DATA")};
    ScopedEnv dram_{"DRAM", dir.file("DRAM")};
};

// A test on that tree with the standard set (variant 0) active at the start;
// Use_Annex(1) activates "Deutschland" (a national variant) instead.  The
// recorded messages of the switch and of the test are cleared.
class AnnexTest : public ::testing::Test {
protected:
    void SetUp() override { Use_Annex(0); }
    void TearDown() override { VEK_Clear_Recorded_Messages(); }
    void Use_Annex(int national) {
        Set_Active_NAD_By_Name(national ? "Deutschland" : "EC-Standardparameter");
        ASSERT_EQ(Get_NAD_EC3()->variant != 0, national != 0);
        VEK_Clear_Recorded_Messages();
    }

    AnnexTree annex;
};

}  // namespace testutil

#endif
