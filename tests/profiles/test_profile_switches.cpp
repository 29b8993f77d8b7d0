// Engine switches and the invalidation of the catalogue's model cache.
#include <gtest/gtest.h>

#include <cstdint>
#include <cstring>

#include "profiles/profile_switches.h"
#include "thinwall/dwqb_calc.h"

namespace {

int32_t First_Word(const DWQB_Model_Key& key) {
    int32_t word;
    std::memcpy(&word, key.data, sizeof word);
    return word;
}

TEST(ProfileSwitches, FirstInitialisationSwitchesTheEngineAndEveryCalculationInvalidates) {
    Init_Profil_DWQB_Switches();
    EXPECT_EQ(DWQB_Erweitert, 1);
    EXPECT_EQ(DWQB_Alle_Linien, 1);
    const int32_t built = 17;
    std::memcpy(Profil_DWQB_Key.data, &built, sizeof built);
    Init_DWQB_Model();  // an empty model: the calculation refuses it
    EXPECT_EQ(Calc_DWQB(), DWQB_STATUS_EMPTY);
    EXPECT_EQ(First_Word(Profil_DWQB_Key), PROFIL_DWQB_NOT_BUILT);
}

}  // namespace
