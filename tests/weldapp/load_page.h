// A headless load-case page for the tests of the load-case table: a sheet
// over the screen with one working area (escape code 100), the record the
// page edits, and one pass and one event of the editing loop as the window
// path runs them.
#ifndef TESTS_WELDAPP_LOAD_PAGE_H
#define TESTS_WELDAPP_LOAD_PAGE_H

#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#include "base/cp850.h"
#include "base/vesk.h"
#include "dialogs/snapshot.h"
#include "dialogs/scrollarea.h"
#include "dialogs/tables.h"
#include "dialogs/valuecheck.h"
#include "platform/events.h"
#include "platform/input.h"
#include "platform/msgbox.h"
#include "platform/screen.h"
#include "platform/sheets.h"
#include "record_fixture.h"
#include "weldapp/lasttabelle.h"
#include "weldapp/schweissnaht.h"

namespace testutil {

// The working area's screen rectangle; the table stands at x = 10 of it.
constexpr int AREA_X1 = 0, AREA_Y1 = 40, AREA_X2 = 1000, AREA_Y2 = 700, WORK_CODE = 100;
// Content coordinates of the table: its rows' left edge and first row's top.
constexpr int TABLE_X = 15, TABLE_Y = 70, ROW = LASTTABELLE_ROW_HEIGHT;

struct Load_Page {
    Record record;
    int area = -1;

    Load_Page() {
        pxInitScreen(1280, 1024);
        Init_Screen_Colors();
        Define_Prop_Sheet(0, 0, 1279, 1023, 0, 0, "Lastfälle"_cp, 0, 0);
        area = Define_Scrollable_View_Area(AREA_X1, AREA_Y1, AREA_X2, AREA_Y2, 0, 1);
        Add_Escape_Area_to_PS(AREA_X1, AREA_Y1, AREA_X2, AREA_Y2, WORK_CODE);
        Activate_Prop_Sheet();
        VEK_Clear_Recorded_Messages();
    }
    ~Load_Page() {
        Reset_Lasttabelle();
        Undefine_All_Scrollable_View_Areas();
        Exit_Prop_Sheets();
        VEK_Script_Clear();
    }

    // The record's cases (N, Nmm) and unit code.
    void Set_Cases(const std::vector<Lastfall>& cases, int unit) {
        Alloc_Lasten(&record.r, static_cast<int>(cases.size()));
        for (size_t i = 0; i < cases.size(); ++i) record.r.loads[i] = cases[i];
        record.r.load_unit = unit;
        New_Schweissnaht_Results(&record.r);
    }

    // One pass of the page: cleared, built, filled, shown.
    void Pass() {
        Clear_Scrollable_View_Area(area);
        int y = 0;
        Draw_Lasttabelle(&record.r, area, 10, &y);
        Update_Lasttabelle();
        Update_Scrollable_View_Area(area);
    }
    // One event of the loop: the table first, then the area; the table's
    // result, or -100 when the sheet ended with another code.
    int Event() {
        if (Edit_Prop_Sheet() != WORK_CODE) return -100;
        const int result = Edit_Lasttabelle();
        if (result == 0) Edit_Scrollable_View_Area(area);
        return result;
    }

    int Scroll_Y() const {
        int x = 0, y = 0;
        Inquire_Scrollable_View_Area_Origin(area, &x, &y);
        return y;
    }
    // Screen point of content point (x, y) at the area's scroll origin.
    int Sx(int x) const { return AREA_X1 + x; }
    int Sy(int y) const { return AREA_Y1 + y - Scroll_Y(); }
    static int Row_Top(int k) { return TABLE_Y + (k - 1) * ROW; }
    // Click on column i (0 N, 1 My, 2 Vz, 3 Mz, 4 Vy, 5 Mx, 6 the name) of row k.
    void Click_Field(int k, int i) const {
        const int x = i < 6 ? TABLE_X + 47 + 82 * i + 10 : TABLE_X + 539 + 10;
        VEK_Script_Click(Sx(x), Sy(Row_Top(k) + 6));
    }
    // Click on the row's delete (part 1) or duplicate (part 2) icon.
    void Click_Icon(int k, int part) const {
        VEK_Script_Click(Sx(TABLE_X + (part == 1 ? 5 : 25)), Sy(Row_Top(k) + 5));
    }
    const Lasttabelle_Zeile* Row(int k) const {
        return static_cast<const Lasttabelle_Zeile*>(Table_Row_Data(Lasttabelle_Table_Id(), k));
    }
    // Names of the record's cases without their padding.
    std::vector<std::string> Names() const {
        std::vector<std::string> names;
        for (int i = 0; i < record.r.load_count; ++i) {
            std::string n = record.r.loads[i].name;
            n.erase(n.find_last_not_of(' ') + 1);
            names.push_back(n);
        }
        return names;
    }
    // Items in the working area (its cost per pass and per click).
    int Item_Count() const {
        int n = 0;
        for (const Scrollable_Area_Item* it = Scrollable_View_Area_Record(area)->first_item; it; it = it->next) ++n;
        return n;
    }
};

inline Lastfall Case(const char* name, double N, double My, double Mz, double Vy, double Vz, double Mx) {
    Lastfall c{};
    std::snprintf(c.name, sizeof c.name, "%s", name);
    c.forces.N = N;
    c.forces.M_y = My;
    c.forces.M_z = Mz;
    c.forces.V_y = Vy;
    c.forces.V_z = Vz;
    c.forces.M_x = Mx;
    return c;
}

// A snapshot of a screen rectangle taken at the first wait of the next
// sheet edit (a modal sheet is only on the screen while it waits):
// compared with tests/data/dialogs/<name>.png as snapshot.h does.
struct Snapshot_Request {
    std::string name;
    int x1, y1, x2, y2;
    bool taken;
};
inline Snapshot_Request& Pending_Snapshot() {
    static Snapshot_Request request{};
    return request;
}
inline void Take_Pending_Snapshot() {
    Snapshot_Request& r = Pending_Snapshot();
    if (r.taken) return;
    r.taken = true;
    snapshot::Expect_Screen_Matches(r.name, r.x1, r.y1, r.x2, r.y2);
}
inline void Snapshot_At_First_Wait(const std::string& name, int x1, int y1, int x2, int y2) {
    Pending_Snapshot() = {name, x1, y1, x2, y2, false};
    Define_Call_Allways_Function(Take_Pending_Snapshot);
    Activate_Call_Allways_Function(1);
}
// Whether it was taken; the call-always function is gone afterwards.
inline bool Snapshot_Taken() {
    Activate_Call_Allways_Function(0);
    Define_Call_Allways_Function(nullptr);
    return Pending_Snapshot().taken;
}

// The last message box's lines joined by line ends; empty when none.
inline std::string Last_Message() {
    const auto& boxes = VEK_Recorded_Messages();
    if (boxes.empty()) return "";
    std::string text;
    for (const std::string& line : boxes.back().lines) text += line + "\n";
    return text;
}

}  // namespace testutil

#endif
