// Helpers of the sheet tests of the design codes: the annex data tree with
// the pictures of the selection sheet, user annexes written with the
// program's own writer, a host sheet with one scrollable view area for the
// page builders, and a look at the items a builder put into an area (texts,
// fields and where a click reaches them).
#ifndef TESTS_CODES_SHEET_FIXTURE_H
#define TESTS_CODES_SHEET_FIXTURE_H

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "annex_fixture.h"
#include "codes/nad.h"
#include "codes/nad_file.h"
#include "dialogs/area_session.h"
#include "dialogs/scrollarea.h"
#include "platform/events.h"
#include "platform/screen.h"
#include "platform/sheets.h"
#include "support/testutil.h"

namespace testutil {

// The annex tree with the shipped pictures of the annex sheets (flags,
// buttons, tables and formulas) beside the annex files.
class SheetTree : public AnnexTree {
public:
    SheetTree() {
        for (const auto& e : std::filesystem::directory_iterator(std::string(WELD_SOURCE_DIR) + "/data/NAD"))
            if (e.path().extension() == ".bmp")
                std::filesystem::copy_file(e.path(), dir.path() / "DATA" / "NAD" / e.path().filename());
    }
    // User annex n with the recommended values but gamma_M1.
    void User_Annex(int n, int id, const char* name, double gamma_M1) {
        NAD_Record r{};
        Default_NAD_Blocks(&r);
        r.id = id;
        r.user = 1;
        r.variant = 0;
        NAD_Copy_Name(r.name, sizeof r.name, name);
        r.ec3.ec3_1.gamma_M1 = gamma_M1;
        ASSERT_EQ(Save_NAD_File(n, &r), 1);
    }
    std::string User_File(int n) const { return dir.file("DRAM/NADS/" + std::to_string(n) + ".NAD"); }
};

// A sheet at (x1, y1)-(x2, y2) with one scrollable view area 10 pixels
// inside it below a title row (escape code 1), break (3) and OK (2) below
// the area.
struct Host_Sheet {
    int area = -1;
    int x1, y1, x2, y2;
    Host_Sheet(int left, int top, int right, int bottom, const char* title) : x1(left), y1(top), x2(right), y2(bottom) {
        Define_Prop_Sheet(x1, y1, x2, y2, 1, 1, title, 12, 1);
        Add_Single_Button_to_PS(x1 + 10, y2 - 28, 1, 3, nullptr, SYMBOLIC_BREAK_RASTER, 1);
        Add_Single_Button_to_PS(x2 - 40, y2 - 28, 1, 2, nullptr, SYMBOLIC_OK_RASTER, 1);
        Add_Escape_Area_to_PS(x1 + 10, y1 + 30, x2 - 28, y2 - 35, 1);
        area = Define_Scrollable_View_Area(x1 + 10, y1 + 30, x2 - 10, y2 - 35, 0, 1);
    }
    ~Host_Sheet() {
        Undefine_Scrollable_View_Area(area);
        Undefine_Prop_Sheet();
    }
    Host_Sheet(const Host_Sheet&) = delete;
    Host_Sheet& operator=(const Host_Sheet&) = delete;
    void Click_Break() const { VEK_Script_Click(x1 + 20, y2 - 18); }
    void Click_OK() const { VEK_Script_Click(x2 - 30, y2 - 18); }
};

// The items of an area in their order (dialogs/area_session.h).
using ::Area_Items;

// The texts of an area's text items, check boxes and radio buttons, in
// their order.
inline std::vector<std::string> Area_Texts(int area) {
    std::vector<std::string> texts;
    for (const Scrollable_Area_Item* it : Area_Items(area))
        if ((it->kind == AREA_ITEM_TEXT || it->kind == AREA_ITEM_CHECK_BOX || it->kind == AREA_ITEM_RADIO_BUTTON) &&
            it->text)
            texts.push_back(it->text);
    return texts;
}

// The item bound to the double, the int or the text; null when none is.
inline const Scrollable_Area_Item* Item_Of(int area, const void* bound) {
    for (const Scrollable_Area_Item* it : Area_Items(area))
        if (it->value == bound || it->variable == bound || (it->kind == AREA_ITEM_EDIT_TEXT && it->text == bound))
            return it;
    return nullptr;
}

// Clicks the item bound to the variable (a field just right of its left
// edge, a check box or radio button on its mark).
inline void Click_Item(int area, const void* bound, int value = -1) {
    const Scrollable_Area_Item* hit = nullptr;
    for (const Scrollable_Area_Item* it : Area_Items(area))
        if ((it->value == bound || it->variable == bound) && (value < 0 || it->kind != AREA_ITEM_RADIO_BUTTON ||
                                                              it->aux == value))
            hit = hit ? hit : it;
    ASSERT_NE(hit, nullptr);
    int sx = 0, sy = 0, ox = 0, oy = 0;
    Inquire_Scrollable_View_Area_Screen_Origin(area, &sx, &sy);
    Inquire_Scrollable_View_Area_Origin(area, &ox, &oy);
    const bool mark = hit->kind == AREA_ITEM_CHECK_BOX || hit->kind == AREA_ITEM_RADIO_BUTTON;
    VEK_Script_Click(sx + hit->x1 - ox + (mark ? -14 : 8), sy + hit->y1 - oy - 4);
}

}  // namespace testutil

#endif
