// The design codes' share of the reset before each test (see
// support/global_state.h): the dialog toolkit as at the start (the sheets
// of this directory are built with it), the annex sheets' remembered
// state, the selection sheet's centre and the pages' remembered values.
#include "codes/material_sheet.h"
#include "codes/nad_selection_sheet.h"
#include "codes/nad_sheet.h"
#include "dialogs/messages.h"
#include "dialogs/scrollarea.h"
#include "dialogs/valuecheck.h"
#include "dialogs/widget_state.h"
#include "support/global_state.h"

namespace {

void Reset_Codes_State() {
    Undefine_All_Scrollable_View_Areas();
    Reset_Scrollable_Area_Settings();
    Reset_Register_Field_Table();
    Enable_Messages();
    Set_Message_Mode(MESSAGE_MODE_BOX);
    Init_Screen_Colors();
    Reset_Widget_State();
    Reset_NAD_Sheets();
    Reset_NAD_Selection_Sheet();
    material_ranges_shown = 0;
    Forget_Material_Sheet_Pairs();
}

const testutil::Global_Reset reset_codes(Reset_Codes_State);

}  // namespace
