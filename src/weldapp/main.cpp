// Program entry of the weld connection program.
#include <cstdio>
#include <cstdlib>

#include "dialogs/messages.h"
#include "dialogs/valuecheck.h"
#include "endplate/endplate_services.h"
#include "memberchecks/member_settings.h"
#include "memberchecks/profile_section_model.h"
#include "platform/desktop.h"
#include "platform/font.h"
#include "platform/posix.h"
#include "printlist/oli_collect.h"
#include "thinwall/engine_faults.h"
#include "weldapp/component_output.h"
#include "weldapp/editing_loop.h"
#include "weldapp/program_context.h"
#include "weldapp/schweissnaht.h"
#include "weldapp/services.h"
#include "weldapp/weld_check_picture.h"

// What the section engines could not make sense of goes on the console, as
// the engines record it (the strain iteration's lines and the refusal of a
// user section on standard error).
static void Engine_Fault_To_Console(Engine_Fault_Code code, const char* line) {
    std::fputs(line, code == ENGINE_FAULT_PLO_LINE || code == ENGINE_FAULT_USER_SECTION ? stderr : stdout);
}

int main(int argc, char** argv) {
    // Hooks of the higher layers into the lower ones, before anything runs.
    // A run ended by a signal leaves no part of a file it was saving (the
    // list that says why, the input file, the PDF of a preview).
    VEK_Remove_Temporaries_On_Signals();
    Install_Memory_Stop_Report();
    Set_Engine_Fault_Reporter(Engine_Fault_To_Console);
    Install_Profile_Section_Model();
    // The section library computes in the mode the cross-section check needs.
    Set_Check_Mode(2);
    Install_Weld_Check_Picture();
    Install_Application_Services();
    Install_Annex_Services();
    Install_Din_Services();
    Install_Message_Print_List();
    // A command line that does not name a component completely (missing or
    // non-numeric ids, an identifier longer than a path) gets the usage text:
    // guessing a component would write into the wrong files.
    if (!Set_Program_Context(argc, argv)) {
        std::printf("usage: %s Bauteilkennung Icon-Id File-Id Pos-Id\n", argc > 0 ? argv[0] : "schweissnaht");
        return PROGRAM_EXIT_UNCHANGED;
    }
    Read_Code_and_Text_File(Kontext.identifier);
    // Without the desktop's program directory and private data path the
    // program was not started by the desktop: nothing to do, and the console
    // says why (the desktop reads exit code 0 as "nothing changed").
    const char* exec = VEKGetEnv("EXEC");
    const char* data = CurOb_Privat_Datapath();
    if (!exec || !exec[0] || !data) {
        std::fprintf(stderr, "%s: %s not set; nothing done (the program is started by the desktop)\n",
                     argv[0], !exec || !exec[0] ? "EXEC (the program directory)" : "the private data path");
        return PROGRAM_EXIT_UNCHANGED;
    }
    std::snprintf(Kontext.program_directory, sizeof Kontext.program_directory, "%s", exec);
    std::snprintf(Kontext.private_data_path, sizeof Kontext.private_data_path, "%s", data);
    Init_VEK_Library();
    Init_RFont();
    Schweissnaht_Anschluss.loads = nullptr;
    Schweissnaht_Anschluss.results = nullptr;
    // A list and plot file that a killed run left out of step are put
    // together before anyone reads or writes them.
    Recover_Component_Output();
    if (Kontext.refresh) {
        // The desktop takes 1 for a list written (also one whose folder's
        // sync failed: it stands, and the console says so, as for a saved
        // input); a list that could not be written has a code of its own.
        Load_Input_File();
        return Write_Print_List() != COMPONENT_FILE_FAILED ? PROGRAM_EXIT_WRITTEN : PROGRAM_EXIT_LIST_NOT_WRITTEN;
    }
    return Run_Window_Path();
}
