// The start state of the widget modules (see widget_state.h).
#include "dialogs/widget_state.h"

#include "dialogs/fields_internal.h"

void Reset_Widget_State(void) {
    Reset_Fields_State();
    Reset_Field_Transform_State();
    Reset_Buttons_State();
    Reset_Table_Sheet_State();
    Reset_Message_Dialogs_State();
    Reset_Choosers_State();
    Reset_Rebar_State();
    Reset_Hints_Page_State();
    Reset_Drawing_State();
}
