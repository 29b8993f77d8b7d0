// Table sheets: modal property sheets whose body is one page, or several
// pages behind a register (a row of tabs). Each page is a scrollable view
// area that a page function fills with field widgets (fields.h) and
// optionally a table of the table service (tables.h). The sheet has a
// button row (break, help, OK, or one "Weiter      " button), keeps its
// position between calls, lets pages refuse to be left, turns edited values
// between display and storage units when it closes, and can be nested: a
// page function may open another table sheet.
//
// Three entries: Edit_Table_Wizard_Sheet (one page, a sheet descriptor of
// the caller), Edit_Register_Table_Sheet (several pages with a register,
// the same descriptor) and Edit_Register_Sheet_with_Help (several pages,
// plain arguments). Each returns 1 when the sheet was closed through OK and
// 0 through break (the window's close request and an exhausted event
// source count as break). In batch mode no sheet opens: the title goes to
// stderr and the result is 0 at once.
//
// Every event is followed by a refill of the shown page (clear the area,
// Begin_Field_Area, the page's fill function, its table), so page functions
// simply add their widgets again each time. Codes: break 100, OK 200 (1 and
// 2 for Edit_Register_Sheet_with_Help), tab k 1000 + k, page area k 2000 + k.
// All state is process-wide; the helpers act on the innermost open sheet.
#ifndef DIALOGS_TABLESHEET_H
#define DIALOGS_TABLESHEET_H

#include "dialogs/tables.h"

enum {
    TABLE_SHEET_STATUS_SIZE = 200,  // bytes of the status line buffer
    TABLE_SHEET_MAX_LEVELS = 16,    // nesting depth of open sheets
    TABLE_SHEET_BREAK = 100,
    TABLE_SHEET_OK = 200,
    TABLE_SHEET_TAB = 1000,
    TABLE_SHEET_PAGE = 2000
};

// Modes of a sheet descriptor (see Edit_Table_Wizard_Sheet).
enum {
    TABLE_SHEET_CONTINUE = 1,         // centred, "Weiter      " (100) centred
    TABLE_SHEET_NO_BUTTONS = 2,       // centred, no button row
    TABLE_SHEET_CONTINUE_OK = 3,      // centred, "Weiter      " (200) centred
    TABLE_SHEET_FULL_SCREEN = 4,      // the whole screen without frame, no buttons
    TABLE_SHEET_CONFIRM = 5,          // break, help (with a help key), OK; mouse on OK
    TABLE_SHEET_OK_ONLY = 6,          // OK only, right
    TABLE_SHEET_BREAK_HELP = 7,       // break and help; mouse on break
    TABLE_SHEET_FULL_SCREEN_NEXT = 8  // the whole screen, "Weiter      " (200) 37 above the bottom
    // any other: as 5 with the mouse on break
};

// One page. Init_Table_Sheet_Pages sets the values in brackets.
struct Table_Sheet_Page {
    int state;               // (1) -2: no page and no tab; 0 in Edit_Register_Sheet_with_Help: inactive tab
    char label[50];          // ("") tab label
    char label2[50];         // ("") a second label under it, small font
    int label_dx, label_dy;  // (-9, -6) label offsets in the tab; negative: centred / above the bottom
    int area_x, area_y;      // (-1, -1) the page area in the sheet; used when >= 0 ...
    int area_width, area_height;  // (-1, -1) ... and the size > 0; else the sheet's content
    int hslider, vslider;    // (0, 0) sliders of the page area
    int scroll_x, scroll_y;  // (-1, -1) scroll origin kept from the last closing
    int row_size;            // (0) bytes of a table row; 0: no table
    int table_width;         // (-1) > 0: width of the table; else the area's width less 10 (and 17)
    int table_x, table_y;    // (30, 10) table position in the area
    Table_Row_Function row_function;   // (null) the table's row function
    void (*start)(int table);          // (null) called when the sheet opens
    void (*fill)(int area, int table);  // (null) fills the page at every refill; null: no area
    int (*leave)(int table);           // (null) non-zero: the page refuses to be left
};

// The sheet. Init_Table_Sheet_Descriptor sets the values in brackets.
struct Table_Sheet_Descriptor {
    int mode;                           // (0) see the modes above
    int sheet_type;                     // (40) added to the sheet type handed to Define_Prop_Sheet
    char title[100];                    // ("")
    int content_height, content_width;  // (150, 200) wished size of the page area, limited to the screen
    int margin_top, margin_bottom, margin_left, margin_right;  // (8 each)
    int tab_height, tab_width;          // (0, 0) <= 0: 30 high, tabs sharing the width
    char register_bitmap[100];          // ("") drawn behind the tabs; empty: the labels are written
    char help_key[52];                  // ("") topic of the help button; empty: none
    void (*status)(char *text);         // (null) fills the status line (TABLE_SHEET_STATUS_SIZE bytes)
    void (*built)(int x1, int y1, int x2, int y2);  // (null) after the buttons are placed
    int (*event)(int code);             // (null) every event code first; non-zero: handled
    int (*may_close)(void);             // (null) after the leave checks on OK; non-zero keeps it open
    int (*on_break)(void);              // (null) on break; non-zero keeps the sheet open
    int (*register_change)(int old_page, int new_page);  // (null) non-zero refuses the change
    void (*pass)(int previous_page);    // (null) every pass
    void (*exit)(void);                 // (null) when the sheet closes
    int last_page;                      // (-1) in: the page shown first; out: the page shown last
    int pending_code;                   // (-1) >= 0: taken once instead of an event, then -1
};

void Init_Table_Sheet_Descriptor(Table_Sheet_Descriptor *descriptor);
void Init_Table_Sheet_Pages(int count, Table_Sheet_Page *pages);

int Edit_Table_Wizard_Sheet(Table_Sheet_Descriptor *descriptor, Table_Sheet_Page *page);
// 0 at once for a count below 1.
int Edit_Register_Table_Sheet(Table_Sheet_Descriptor *descriptor, int count, Table_Sheet_Page *pages);
// Break code 1, OK code 2; the help button is always there and the mouse
// goes to break; a page of state 0 has an inactive tab, and when the shown
// page's tab becomes inactive the previous page is shown (the second one
// when it was the first). 0 at once for a count below 1.
int Edit_Register_Sheet_with_Help(int content_height, int content_width, const char *title,
                                  int count, Table_Sheet_Page *pages, void (*status)(char *text),
                                  const char *help_key);

// The closing steps of the innermost sheet without closing it: unit values
// back to storage units, shown ints rounded back, then the pages' leave
// checks in page order. Returns 0 or the first refusal (non-zero). The
// level's ints are forgotten after they are written back.
int Leave_Sheet_Level(void);
// The same for every open sheet from the innermost outwards, stopping at the
// first refusal; the ints are written back but kept. 0 without a sheet.
int Leave_All_Sheet_Levels(void);

// Page state of the innermost sheet (-2 for a page that is not there).
void Set_Register_Page_State(int page, int state);
int Get_Register_Page_State(int page);
// Shows another page of the innermost sheet unless its register-change
// function refuses.
void Select_Register(int page);
int Previous_Register(void);
// Whether the page's table is put into its area at every refill.
void Set_Register_Row_Menu(int page, int flag);
// The innermost sheet's top-left corner on the screen.
void Get_Sheet_Position(int *x, int *y);
// Requests of page code, acted on after the current event.
void Request_Sheet_Break(void);
void Request_Sheet_OK(void);
void Request_Page_Refill(void);
// Whether the mouse is moved to the default button when a sheet opens
// (start: on).
void Set_Mouse_to_Default_Button(int flag);
void Mouse_to_Default_Button_On(void);
void Mouse_to_Default_Button_Off(void);

// Registration of the innermost open sheet (nothing without one; an address
// registered already at that level is not registered again):
// a double shown multiplied by factor while the sheet is open (it is
// multiplied now and divided again when the sheet closes);
void Register_Sheet_Unit_Value(double *value, double factor);
// an int shown as a double: returns the working copy to bind the field to
// (written back, rounded half away from zero, when the sheet closes), null
// without a sheet.
double *Register_Sheet_Int_Value(int *variable);

#endif
