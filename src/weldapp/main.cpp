// Program entry of the weld connection program.
#include <cstdio>
#include <cstring>

#include "dialogs/messages.h"
#include "memberchecks/profile_section_model.h"
#include "platform/msgbox.h"

int main(int argc, char** argv) {
    // Hooks of the higher layers into the lower ones, before anything runs.
    Install_Memory_Stop_Report();
    Install_Profile_Section_Model();
    if (argc < 5) {
        std::printf("usage: %s Bauteilkennung Icon-Id File-Id Pos-Id\n", argv[0]);
        return 0;
    }
    // A refresh run has no window: every message must reach the console and
    // no box may wait for a user who is not there.
    if (argc > 5 && std::strcmp(argv[5], "-refresh") == 0) VEK_Set_Batch_Mode(1);
    return 0;
}
