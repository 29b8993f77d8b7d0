// The dialog toolkit's share of the reset before each test (see
// support/global_state.h): no areas, tables or message categories left, the
// settings read afresh, the screen colours and fonts made for the new screen,
// the widget modules (field widgets, table sheets, message dialogs, ...) as
// at the start.
#include "dialogs/buttonbar.h"
#include "dialogs/messages.h"
#include "dialogs/scrollarea.h"
#include "dialogs/tables.h"
#include "dialogs/valuecheck.h"
#include "dialogs/widget_state.h"
#include "support/global_state.h"

namespace {

void Reset_Dialog_State() {
    for (int t = 0; t < SHEET_TABLE_COUNT; ++t) Release_Table(t);
    Undefine_All_Scrollable_View_Areas();
    Reset_Scrollable_Area_Settings();
    Reset_Register_Field_Table();
    Set_Image_Button_Erase_Mode(1);
    for (int c = 0; c < MESSAGE_CATEGORIES; ++c) Close_Message_Category(c);
    Enable_Messages();
    Set_Message_Mode(MESSAGE_MODE_BOX);
    Set_Message_Console(0);
    Set_Message_List_Background(-1);
    Init_Screen_Colors();
    Reset_Widget_State();
}

const testutil::Global_Reset reset_dialogs(Reset_Dialog_State);

}  // namespace
