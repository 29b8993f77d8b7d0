// The pages of the main sheet's working area for the three register states
// (input page, load-case page, utilisation chart) and the glue that moves
// data between the connection record and the pages. Every page is the item
// list of one scrollable area, cleared and filled anew on every pass of the
// editing loop.
#ifndef WELDAPP_SHELL_PAGES_H
#define WELDAPP_SHELL_PAGES_H

struct SchweissnahtAnschluss;

// Record to pages: the input page's variables.
void Connection_Record_to_Sheet(SchweissnahtAnschluss* record);
// Pages to record: the input page's switches, then the load-case table
// (which is stored and removed). Before every evaluation, print, save and
// data export.
void Connection_Sheet_to_Record(SchweissnahtAnschluss* record);
// Safety factors from the active annex, then the input page's refresh.
void Refresh_Connection_Record(SchweissnahtAnschluss* record);

// The record a file just gave (opened, imported), as the input page shows
// it: what the page makes of the file at once (a value it ties to another,
// a selector it does not offer, the welds it lays anew for that) is what it
// shows, not an edit of the user's. The page is built into the area and the
// record refreshed, twice, as after clicks that change nothing; then the
// record is kept as shown (Note_Shown_Record), and the area is left for the
// next drawing. Nothing unless a file's record waits for that.
void Show_Filed_Record(SchweissnahtAnschluss* record, int area, int dx, int dy, int x_max, int y_max);

// The pages, drawn into the area with the sheet's displacement and the
// screen's last pixel: the input page, the load-case page, the chart.
void Draw_Input_Register(int area, int dx, int dy, int x_max, int y_max);
void Draw_Loads_Register(int area, int dx, int dy, int x_max, int y_max);
void Draw_Utilisation_Chart(int area);
// One bar of the chart at (x, y) (its bottom row): 0..1 filled in green
// rows to 100 pixels; any other value (no result) a red bar with
// "xxxxxxxxxxxx".
void Draw_Utilisation_Bar(int area, int x, int y, double value);

// The tool tip of the import button: the sibling programs whose internal
// forces can be imported (a static copy).
const char* Loads_Import_Source_Text(void);

// Forgets the import tool's presence and the chart's rows (for tests).
void Reset_Shell_Pages(void);

#endif
