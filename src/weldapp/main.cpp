// Program entry of the weld connection program.
#include <cstdio>

#include "dialogs/messages.h"
#include "memberchecks/profile_section_model.h"
#include "weldapp/program_context.h"

int main(int argc, char** argv) {
    // Hooks of the higher layers into the lower ones, before anything runs.
    Install_Memory_Stop_Report();
    Install_Profile_Section_Model();
    // A command line that does not name a component completely (missing or
    // non-numeric ids, an identifier longer than a path) gets the usage text:
    // guessing a component would write into the wrong files.
    if (!Set_Program_Context(argc, argv)) {
        std::printf("usage: %s Bauteilkennung Icon-Id File-Id Pos-Id\n", argc > 0 ? argv[0] : "schweissnaht");
        return 0;
    }
    Read_Code_and_Text_File(Kontext.identifier);
    return 0;
}
