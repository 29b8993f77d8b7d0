// The window pages' share of the reset before each test (see
// support/global_state.h): no load-case table, areas or tables of the
// dialog toolkit left, the print control sheet, the comment editor and the
// file dialog as at start-up, the screen colours made for the screen.
#include "dialogs/scrollarea.h"
#include "dialogs/tables.h"
#include "dialogs/valuecheck.h"
#include "support/global_state.h"
#include "weldapp/control_words.h"
#include "weldapp/lasttabelle.h"
#include "weldapp/oliprops.h"
#include "weldapp/user_comment.h"

namespace {

void Reset_Window_Pages() {
    Reset_Lasttabelle();
    for (int t = 0; t < SHEET_TABLE_COUNT; ++t) Release_Table(t);
    Undefine_All_Scrollable_View_Areas();
    Reset_Print_Control_Sheet();
    Reset_User_Comment();
    Reset_Ctrlword_Dialog();
    Init_Screen_Colors();
}

const testutil::Global_Reset reset_window_pages(Reset_Window_Pages);

}  // namespace
