// A headless sheet session for the scroll-area and table tests: a fresh
// screen, script, sheet table and area table with the dialog colours, one
// sheet over the whole screen holding one scroll area, and the clean-up that
// leaves nothing behind for the next test.
#ifndef TESTS_DIALOGS_AREA_SESSION_H
#define TESTS_DIALOGS_AREA_SESSION_H

#include <string>
#include <vector>

#include "dialogs/scrollarea.h"
#include "dialogs/valuecheck.h"
#include "platform/events.h"
#include "platform/input.h"
#include "platform/screen.h"
#include "platform/sheets.h"

// A fresh screen of width x height, with the dialog colours made for it; the
// reset before each test has left no script, input state, sheets or areas.
inline void Begin_Area_Session(int width, int height) {
    pxInitScreen(width, height);
    Init_Screen_Colors();
}

// Defines a sheet over the whole screen with one scroll area (x1, y1) -
// (x2, y2) (vertical slider as Define_Scrollable_View_Area takes it) whose
// escape ends the sheet with code, activates the sheet and returns the
// area's slot.
inline int Open_Area_Sheet(const char* title, int x1, int y1, int x2, int y2, int vertical,
                           int code) {
    Define_Prop_Sheet(0, 0, pxScreenWidth() - 1, pxScreenHeight() - 1, 0, 0, title, 0, 0);
    const int slot = Define_Scrollable_View_Area(x1, y1, x2, y2, 0, vertical);
    Add_Escape_Area_to_PS(x1, y1, x2, y2, code);
    Activate_Prop_Sheet();
    return slot;
}

// The items of the area, in order, whose kind is the one given (every item
// for a kind of 0).
inline std::vector<const Scrollable_Area_Item*> Area_Items(int slot, int kind = 0) {
    std::vector<const Scrollable_Area_Item*> out;
    const Scrollable_View_Area* a = Scrollable_View_Area_Record(slot);
    for (const Scrollable_Area_Item* it = a ? a->first_item : nullptr; it; it = it->next)
        if (kind == 0 || it->kind == kind) out.push_back(it);
    return out;
}

// The first text item (text, radio button or check box) with this text, or
// null.
inline const Scrollable_Area_Item* Find_Area_Text(int slot, const std::string& text) {
    for (const Scrollable_Area_Item* it : Area_Items(slot))
        if ((it->kind == AREA_ITEM_TEXT || it->kind == AREA_ITEM_RADIO_BUTTON || it->kind == AREA_ITEM_CHECK_BOX) &&
            it->text && text == it->text)
            return it;
    return nullptr;
}

// Frees the areas and the sheets and clears the script.
inline void End_Area_Session() {
    Undefine_All_Scrollable_View_Areas();
    Exit_Prop_Sheets();
    VEK_Script_Clear();
}

#endif
