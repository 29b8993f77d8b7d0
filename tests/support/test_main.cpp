// The main of every test executable. It installs the start-up hooks the
// program's main installs, as far as the layers linked into this executable
// provide them (CMake defines WELD_HAS_<DIR> for each of them).
#include <gtest/gtest.h>

#if defined(WELD_HAS_DIALOGS)
#include "dialogs/messages.h"
#endif

int main(int argc, char** argv) {
#if defined(WELD_HAS_DIALOGS)
    Install_Memory_Stop_Report();
#endif
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
