// Text buttons, bitmap buttons and tool tips of sheets built on a field area
// (fields.h): buttons made of area items (a click area under a bitmap or a
// framed text), radio buttons and check boxes drawn as small bitmaps, the
// import and explorer buttons of input pages, and tool tips of fields.
//
// Buttons of the richer kind change their look while the mouse is over
// them, and fields can carry a tool tip. Both are drawn by the call-always
// function Draw_Table_Sheet_Button that the window library runs on every
// pass of its event wait; it is registered with the first entry of the
// sheet-area registry (the table sheets register their page areas) and
// reads two tables that Begin_Field_Area empties: hover entries and tool
// tips. The hover-capable adders (Add_Bitmap_Hover_Button,
// Add_Framed_Text_Button, Add_Text_Button, Add_Tool_Tip_to_Last_Field) do
// nothing while no area is registered.
//
// Button coordinates are pixels of the area's content and are truncated
// toward zero. Placement modes: horizontal 1 right-aligned (x - width),
// 4 centred (x - trunc(width / 2)), otherwise left; vertical 2 bottom-aligned
// (y - height), 4 centred, otherwise top. Each button records its rectangle
// as the last field rectangle (fields.h) with its activity as the state.
#ifndef DIALOGS_BUTTONS_H
#define DIALOGS_BUTTONS_H

// ---- sheet-area registry -------------------------------------------------------

enum { SHEET_AREA_REGISTRY = 20, HOVER_BUTTONS = 100, FIELD_TOOL_TIPS = 100 };

// Registers an area of a sheet: the sheet element id whose activity says
// whether the area's sheet is the active one, the area's slot, its
// rectangle on the sheet, and pointers to the sheet's screen position
// (read at every pass; they must outlive the registration). The first entry
// switches the call-always function on. A 21st entry is dropped.
void Register_Sheet_Area(int element_id, int slot, int x1, int y1, int x2, int y2, int *screen_x,
                         int *screen_y);
// The call-always function on (when an area is registered and the flag is
// non-zero) or off.
void Set_Sheet_Hook_Activity(int flag);
// Drops the last registration; with none left the function goes off.
void Unregister_Sheet_Area(void);
// Number of registered areas.
int Registered_Sheet_Area_Count(void);

// ---- buttons ------------------------------------------------------------------

// A click area of width x height storing value into *selector (while
// active), under the active or inactive bitmap (either may be null).
void Add_Bitmap_Click_Area(int slot, double x, double y, double height, double width, int vertical,
                           int horizontal, const char *active_bitmap, const char *inactive_bitmap,
                           int transparent, int value, int *selector, int active);
// A radio button (check box) drawn as one of four 12 x 12 bitmaps at
// (x, y - 10), by selection and activity; returns the activity.
int Add_Bitmap_Radio_Button(int slot, double x, double y, int value, int *selector,
                            const char *on_active, const char *off_active, const char *on_inactive,
                            const char *off_inactive, int *active);
int Add_Bitmap_Check_Box(int slot, double x, double y, int *variable, const char *on_active,
                         const char *off_active, const char *on_inactive, const char *off_inactive,
                         int *active);
// Add_Bitmap_Click_Area with a hover look: the hover bitmap of its activity
// is shown while the mouse is over it.
void Add_Bitmap_Hover_Button(int slot, double x, double y, double height, double width,
                             int vertical, int horizontal, const char *active_bitmap,
                             const char *inactive_bitmap, const char *active_hover_bitmap,
                             const char *inactive_hover_bitmap, int transparent, int value,
                             int *selector, int active);
// A button of width - 1 x 18 pixels with a frame and a centred text; bold
// while the mouse is over it. The framed one in the caller's colours, the
// text button on the text-button bitmaps.
void Add_Framed_Text_Button(int slot, double x, double y, double width, int vertical,
                            int horizontal, int text_colour, int frame_colour, int ignored,
                            const char *text, int value, int *selector, int active);
void Add_Text_Button(int slot, double x, double y, double width, int vertical, int horizontal,
                     const char *text, int value, int *selector, int active);
// The button that deletes all load collectives, with its text; returns the
// text's width, -1 without a field area.
int Add_Delete_All_Button(int x, int y, const char *text, int value, int *selector, int *active);
// The import button of values from a component of the desktop (label null:
// "Lagergrößen importieren aus "), active only while the desktop's
// internal-force selection tool is there (Set_LoadPick_Test); returns the
// width of the row.
int Add_Import_from_Component_Button(int x, int y, const char *label, int value, int *selector,
                                     int *active);
// The import button of values from a text file (label null:
// "Lastkollektive importieren aus"); returns the width of the row.
int Add_Import_from_File_Button(int x, int y, const char *label, int value, int *selector,
                                int *active);
// The explorer button.
void Add_Explorer_Button(int x, int y, int value, int *selector, int *active);
// A tool tip for the last field placed (nothing when its state is 0): the
// text's lines (at most 5 of at most 99 characters) in a box above the
// field (placement 0) or below it, starting at its centre or ending there
// (alignment 3).
void Add_Tool_Tip_to_Last_Field(const char *text, int placement, int alignment);
// The call-always function: shows and takes away the tool tips and hover
// looks under the mouse.
void Draw_Table_Sheet_Button(void);

// ---- hook -----------------------------------------------------------------------

// The test whether the desktop's internal-force selection tool is there;
// the weld application installs it at start-up (Install_Application_Services).
// Without it the tool counts as missing.
void Set_LoadPick_Test(int (*available)(void));

#endif
