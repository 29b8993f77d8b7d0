// Time of the load-case page with many load cases: one pass of the page
// (cleared, the table handed over and filled, shown) and one edit of a
// value in a row in view (click, typed value, the edit stored into the
// record), on the headless stand-in, for 50 to 50,000 rows. The times must
// not grow with the rows: only the rows in view are fields of the page.
// Building the table (when the page is first shown or the unit changes)
// and storing it as a whole (before an evaluation) are linear and measured
// apart.
#include <benchmark/benchmark.h>

#include <cstdio>
#include <vector>

#include "dialogs/scrollarea.h"
#include "dialogs/valuecheck.h"
#include "platform/events.h"
#include "platform/input.h"
#include "platform/screen.h"
#include "platform/sheets.h"
#include "weldapp/last_schweissnaht.h"
#include "weldapp/lasttabelle.h"
#include "weldapp/schweissnaht.h"

namespace {

struct Page {
    SchweissnahtAnschluss record{};
    int area = -1;

    explicit Page(int rows) {
        pxInitScreen(1280, 1024);
        Init_Screen_Colors();
        Define_Prop_Sheet(0, 0, 1279, 1023, 0, 0, "Lastfaelle", 0, 0);
        area = Define_Scrollable_View_Area(0, 40, 1000, 700, 0, 1);
        Add_Escape_Area_to_PS(0, 40, 1000, 700, 100);
        Activate_Prop_Sheet();
        Init_Schweissnaht(&record);
        Alloc_Lasten(&record, rows);
        for (int i = 0; i < rows; ++i) {
            std::snprintf(record.loads[i].name, sizeof record.loads[i].name, "LK %d", i + 1);
            record.loads[i].forces.N = 1000.0 * i;
            record.loads[i].forces.M_y = 2.5e6;
        }
        New_Schweissnaht_Results(&record);
    }
    ~Page() {
        Reset_Lasttabelle();
        Free_Schweissnaht(&record);
        Undefine_All_Scrollable_View_Areas();
        Exit_Prop_Sheets();
        VEK_Script_Clear();
    }
    void Pass() {
        Clear_Scrollable_View_Area(area);
        int y = 0;
        Draw_Lasttabelle(&record, area, 10, &y);
        Update_Lasttabelle();
        Update_Scrollable_View_Area(area);
    }
    // Row 5's N field: typed, handed to the table, stored.
    void Edit() {
        VEK_Script_Click(72, 40 + 70 + 4 * LASTTABELLE_ROW_HEIGHT + 6);
        VEK_Script_Type("1.5", 0);
        if (Edit_Prop_Sheet() == 100) Edit_Lasttabelle();
    }
};

void Pass_And_Edit(benchmark::State& state) {
    Page page(static_cast<int>(state.range(0)));
    page.Pass();
    for (auto _ : state) {
        page.Pass();
        page.Edit();
    }
    if (page.record.loads[4].forces.N != 1500.0) state.SkipWithError("the edit did not reach the record");
}

void Build_And_Store(benchmark::State& state) {
    Page page(static_cast<int>(state.range(0)));
    for (auto _ : state) {
        page.Pass();
        Store_Lasttabelle(&page.record);
    }
}

}  // namespace

BENCHMARK(Pass_And_Edit)->Arg(50)->Arg(500)->Arg(5000)->Arg(50000)->Unit(benchmark::kMicrosecond);
BENCHMARK(Build_And_Store)->Arg(50)->Arg(500)->Arg(5000)->Arg(50000)->Unit(benchmark::kMicrosecond);
BENCHMARK_MAIN();
