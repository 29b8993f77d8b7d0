// The weld program's share of the reset before each test (see
// support/global_state.h): the annex registry starts unread, as at start-up,
// so an annex activated by one test's input file is no state of the next;
// the print list's writer starts as a list opened does, so that a test that
// writes into a stream of its own finds no paragraph another test left open;
// the pages of the window path start as in a new run, the weld check without
// its picture, as in a program that has not installed it, the DIN check
// without a kept profile end.
#include "codes/material_sheet.h"
#include "codes/nad.h"
#include "printlist/oli_para.h"
#include "profiles/profile_catalogue.h"
#include "profiles/profile_register.h"
#include "support/global_state.h"
#include "weldapp/filed_record.h"
#include "weldapp/input_page.h"
#include "weldapp/print_schweissnaht.h"
#include "weldapp/schweissnaht.h"
#include "weldapp/shell_dialogs.h"
#include "weldapp/shell_pages.h"
#include "weldcheck/din_check.h"
#include "weldcheck/weld_check.h"

namespace {

const testutil::Global_Reset reset_annexes(Reset_NAD_Registry);
const testutil::Global_Reset reset_writer(OLI_Reset_Writer);

// The pages of the window path start as in a new run.
void Reset_Window_Path() {
    Reset_Profile_Register();
    Reset_Profile_File_Notices();
    Reset_Input_Page();
    Forget_Filed_Record();
    Forget_Material_Sheet_Pairs();
    Reset_Shell_Pages();
    Reset_Shell_Dialogs();
    Reset_Evaluation_Refusal_Reason();
    Reset_Thin_Plate_Notice();
    Set_Weld_Check_Picture_Drawer(nullptr);
    Forget_Din_Profile_End();
}
const testutil::Global_Reset reset_window_path(Reset_Window_Path);

}  // namespace
