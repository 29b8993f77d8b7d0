// The program's switches for the several-part calculation (extended model,
// all lines) and its check mode, set for a test and put back afterwards;
// catalogue profiles by name.
#pragma once

#include <gtest/gtest.h>

#include <cstdint>
#include <string>

#include "codes/material.h"

#include "memberchecks/member_settings.h"
#include "profiles/catalogue_fixture.h"
#include "profiles/profile_switches.h"
#include "profiles/stahlprofil.h"
#include "thinwall/dwqb.h"

namespace testutil {

class SeveralPartTest : public CatalogueTest {
protected:
    void SetUp() override {
        extended_ = DWQB_Erweitert, all_lines_ = DWQB_Alle_Linien, option_word_ = DWQB_Option_Word;
        mode_ = Get_Check_Mode();
        DWQB_Erweitert = DWQB_Alle_Linien = 1;
        Invalidate_Profil_DWQB_Cache();
    }
    void TearDown() override {
        DWQB_Erweitert = extended_, DWQB_Alle_Linien = all_lines_, DWQB_Option_Word = option_word_;
        Set_Check_Mode(mode_);
        Invalidate_Profil_DWQB_Cache();
    }

private:
    int32_t extended_ = 0, all_lines_ = 0, mode_ = 0;
    uint32_t option_word_ = 0;
};

// The same in check mode 2, as the program's main sets it.
class CheckModeTwoTest : public SeveralPartTest {
protected:
    void SetUp() override {
        SeveralPartTest::SetUp();
        Set_Check_Mode(2);
    }
};

// A catalogue profile by name in grade index `grade` (0 S235, 1 S275, 2 S355)
// with the grade's values for a 10 mm part.
inline Stahlprofil Catalogue(const char* name, int grade = 0) {
    Stahlprofil p;
    Init_Profile(&p);
    Default_Material_Params(&p.material);
    p.material.grade = grade;
    EXPECT_EQ(Init_Profile_From_Name(&p, name), 0) << name;
    Check_Material_Params(&p.material, 10, nullptr, 0, nullptr);
    return p;
}

// The catalogue read afresh, from PROFIL alone or with the profile manager's
// file beside it (the manager's road), and no model kept from before.
inline void Read_Catalogue_Road(CatalogueTree& tree, bool manager, const std::string& profildata) {
    Reset_Profile_Catalogue();
    Reset_Profil_Library();
    if (manager) tree.Install_Manager(profildata);
    Invalidate_Profil_DWQB_Cache();
}

}  // namespace testutil
