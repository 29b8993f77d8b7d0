/* sheets.h -- property sheets of the headless stand-in.
 *
 * A property sheet is a rectangle with elements: buttons, help buttons,
 * escape areas, registers with their members (tabs), scrollable areas with
 * sliders, fields and string lists.  Sheets form a stack: Define_Prop_Sheet
 * pushes a new sheet, which receives the elements added after it, and
 * paints its frame; Activate_Prop_Sheet draws its elements; Edit_Prop_Sheet lets the user work on the
 * top sheet until an element with a code is chosen; Undefine_Prop_Sheet
 * pops it.  Every element gets a positive id, unique for the process, which
 * Change_Activity_PS and the other element calls take.
 *
 * Edit_Prop_Sheet reads the scripted event queue (events.h):
 *   - a click on an active button, tab, logical button, field or string
 *     list returns its code (a tab is selected first; a logical button
 *     toggles its int; a field is edited by the inline editor of input.h;
 *     a string list stores the row clicked into its int, which a click
 *     beside the rows leaves alone);
 *   - a click (or, when switched on, a mouse move) inside an active escape
 *     area returns the area's code (the last defined area wins where areas
 *     overlap);
 *   - a mouse move onto an active element with a comment shows its tool
 *     tip (Set_Comment_to_Button_PS);
 *   - in the float auto mode a typed value over a float field goes into
 *     the field without a click (Set_Prop_Sheet_Edit_Float_Auto_Mode);
 *   - a click on a slider scrolls its area by a page, the wheel over an area
 *     by a tenth of its height; the area is repainted; the edit goes on;
 *   - a click on a help button records its topic (VEK_Last_Help_Topic),
 *     shows it in the help viewer (helpview.h) and the edit goes on;
 *   - a click outside the sheet returns the click-outside code when one is
 *     set, else it is ignored;
 *   - a click where a button, field or other element lies on top of an
 *     escape area goes to the element: escape areas take only clicks that
 *     hit nothing else;
 *   - a click on a float field's step buttons (Add_SingleStep_to_Float)
 *     steps the value within its range and returns the field's code;
 *   - a key: Esc returns the code of the sheet's first button whose
 *     face is SYMBOLIC_BREAK_RASTER, Enter that of SYMBOLIC_OK_RASTER,
 *     else the code of the window's OK button (Set_Windows_OK_Button),
 *     when there is one; other keys are ignored;
 *   - the close request (and an empty queue) goes to the close handler
 *     (VEK_Close_Request) and then returns VEK_CLOSE_CODE, unless the
 *     handler says no, when the edit goes on.
 * The call-always function runs before every event and after every event
 * any wait takes (GetVEKMessage runs it too); the call-sometimes
 * function runs after every event that returned no code, and a non-zero
 * result of it ends the edit with that result as the code.
 */
#ifndef PLATFORM_SHEETS_H
#define PLATFORM_SHEETS_H

#include <string>

/* A one-bit button face: rows of ceil(width / 8) bytes, top row first,
 * the highest bit leftmost.  Null bits give a blank face. */
struct VEKRaster {
    int width;
    int height;
    const unsigned char* bits;
};
extern const VEKRaster* const SYMBOLIC_OK_RASTER;
extern const VEKRaster* const SYMBOLIC_BREAK_RASTER;
extern const VEKRaster* const SYMBOLIC_MORE_RASTER;
extern const VEKRaster* const SYMBOLIC_YES_RASTER;
extern const VEKRaster* const SYMBOLIC_NO_RASTER;

/* Draw callback of a scrollable area: the visible rectangle on the screen,
 * the scroll origin, a word that is always 0, and the user pointer. */
typedef int (*VEKScrollDrawFct)(int x1, int y1, int x2, int y2, int ox, int oy, int extra, void* user);

/* ---- sheet stack ---- */

/* Starts the sheet service: empties the stack.  Never fails. */
void Init_Prop_Sheets(void);
/* Removes every sheet.  Never fails. */
void Exit_Prop_Sheets(void);
/* As at the start of the process: no sheets, the whole screen as base, no
 * call-always or call-sometimes function, no help topic.  Element ids go on
 * counting (they stay unique for the process).  For tests. */
void VEK_Reset_Prop_Sheets(void);
/* The rectangle sheets are kept in (default: the whole screen). */
void Set_Prop_Sheet_Screen_Base(int x1, int y1, int x2, int y2);
/* The next sheet defined has no frame. */
void Set_NoFrameFlag_to_Next_PropSheet(void);
/* Moves the rectangle into the screen base, keeping its size where it fits
 * (and cutting it where it does not).  Returns 1 when it was changed, 0 when
 * it already fitted or a pointer is null. */
int Check_Prop_Sheet_Frames(int* x1, int* y1, int* x2, int* y2);
/* Pushes a new sheet and paints its frame, background and title (unless
 * the no-frame flag was set), so that what the program draws onto it before
 * its activation (panels, pictures) stays.  Returns its id, or 0 when 32
 * sheets are open. */
int Define_Prop_Sheet(int x1, int y1, int x2, int y2, int movable, int closable,
                      const char* title, int kind, int mode);
/* Draws the top sheet's elements (buttons, fields, every scrollable area
 * through its draw callback, then the lines and labels); a sheet activated
 * again is first painted afresh (frame, background, title).  0 without a
 * sheet, else 1. */
int Activate_Prop_Sheet(void);
/* Pops the top sheet.  0 without a sheet, else 1. */
int Undefine_Prop_Sheet(void);
/* Number of sheets on the stack. */
int VEK_Prop_Sheet_Count(void);
/* How far the user moved the top sheet since its definition (0, 0 headless
 * unless set with VEK_Set_Prop_Sheet_Displacement). */
void Prop_Sheet_Displacement(int* dx, int* dy);
void Inquire_Prop_Sheet_Displacement(int* dx, int* dy);
/* Moves the top sheet as the user would (for tests); nothing without one. */
void VEK_Set_Prop_Sheet_Displacement(int dx, int dy);
/* Floats of the top sheet take typed values at once: the active float
 * field under the mouse takes a typed value (a scripted "type" event, in
 * the window a key of a number: digit, sign, point or comma, which starts
 * its editor) without a click, and the edit ends with the field's code as
 * after a click.  Without the mode a field is clicked first. */
void Set_Prop_Sheet_Edit_Float_Auto_Mode(void);
/* The top sheet gets the window's OK button at the right end of its title
 * row: a click on it (and Enter, when the sheet has no button with the OK
 * face) ends the edit with `code`.  0 takes the button away again.  Nothing
 * without a sheet. */
void Set_Windows_OK_Button(int code);
/* The top sheet's break of the window: Escape ends its edit with `code`
 * when the sheet has no button with the break face (0: none). */
void Set_Windows_Break_Button(int code);
/* Fixes the size range of the program's window; kept for nothing headless
 * (VEK_Window_Min_Max_Size reports it). */
void VEKSetMinMaxSize(int min_width, int min_height, int max_width, int max_height);
void VEK_Window_Min_Max_Size(int* min_width, int* min_height, int* max_width, int* max_height);

/* ---- elements (each returns its id, 0 without a sheet) ---- */

/* A button that ends the edit with `code`: face text or raster (both may be
 * null: a blank face of 35 x 20 pixels). */
int Add_Single_Button_to_PS(int x, int y, int active, int code, const char* text,
                            const VEKRaster* raster, int flags);
/* A help button with a topic key. */
int Add_Help_to_PS(int x, int y, int active, int a, int b, const char* topic);
/* An area that ends the edit with `code` when clicked. */
int Add_Escape_Area_to_PS(int x1, int y1, int x2, int y2, int code);
/* The escape area also ends the edit when the mouse moves into it. */
void Set_Escape_Area_to_MouseMoveEvent(int id);
/* Clicks outside the top sheet end the edit with `code` (0 switches off). */
void Set_ClickOutsideEvent_to_PS(int code);
/* A register (a row of tabs of height tab_height along its top edge). */
int Add_Register_to_PS(int x1, int y1, int x2, int y2, int tab_height);
/* A tab of the register from x1 to x2; ends the edit with `code`. */
int Add_Member_to_Register(int register_id, int x1, int x2, int active, int code);
/* Selects the tab. */
void Set_Selected_Register_Member(int member_id);
/* The id of the selected tab of the register, 0 when none. */
int VEK_Selected_Register_Member(int register_id);
/* A one-line text field bound to the caller's buffer (width characters). */
int Add_Text_to_PS(int x, int y, int width, char* text, int active, int code);
/* The text field `id` shows `width` characters but takes texts of up to
 * max_length characters (the buffer must hold max_length + 1); a longer
 * text is refused as usual.  Nothing for another element. */
void Set_Text_Button_to_ScrollMode(int id, int max_length);
/* A number field bound to a double, printed with `format`.  The inline
 * editor takes a typed value only when it is a finite number (else it says
 * so in a message box and the value stays), and stores it as the field
 * prints it (input.h, Short_Edit_Float). */
int Add_Float_to_PS(int x, int y, int width, const char* format, int active, int code, double* value);
/* Step buttons right of the float field `field` (an up and a down button,
 * 11 x 10 pixels each, one above the other): a click steps the value by
 * `step` within minimum .. maximum (a value outside the range first goes to
 * the nearer end) and ends the edit with the field's code.  From now on a
 * typed value outside the range is refused with a message box naming the
 * range, and the value stays.  Returns 1, 0 for an element that is not a
 * float field or a range with maximum below minimum or a step of 0 or less. */
int Add_SingleStep_to_Float(int field, double minimum, double step, double maximum);
/* An on/off button bound to an int. */
int Add_Logical_Button_to_PS(int x, int y, int active, int code, int* flag, int a, int b,
                             const VEKRaster* on_face, const VEKRaster* off_face);
/* A choice list bound to an int row (a click sets it, see above); rows are
 * appended with Fill_Stringlist_of_PS.  Returns its id. */
int Add_Stringlist_to_PS(int x, int y, int active, int code, int width, int visible_rows, int n, int* row);
/* Appends a row (at most 255 bytes kept).  Returns the row count, 0 for an unknown list. */
int Fill_Stringlist_of_PS(int list_id, int colour, const char* text);
/* The text of row `row` of a list, or null. */
const char* VEK_Stringlist_Row(int list_id, int row);

/* Activity: 1 active, -1 inactive (greyed, not clickable).  A scrollable
 * area is repainted; on a shown sheet a button, field or string list is
 * drawn anew at once, with the labels tied to it (a slider keeps its look
 * until the sheet is drawn again).  Returns 1, or 0 for an unknown id. */
int Change_Activity_PS(int id, int state);
/* The activity of an element (1 or -1); 0 for an unknown id. */
int ActivState_of_Button_PS(int id);
/* Look of a button: its action (pressed) state; reset of its frame. */
void Change_Action_State_PS(int id, int state);
void Reset_Button_Frame(int id);
/* The button's tool tip (at most 255 bytes kept); null removes it.  While
 * the sheet is edited the tip is shown (tool_tip.h) when the mouse comes
 * onto the active element, and taken away when it leaves it, at a click or
 * key and when the edit ends. */
void Set_Comment_to_Button_PS(int id, const char* text);
/* Takes what is on the screen at the button's place as its face: from then
 * on the button is drawn with those pixels (framed while its action state is
 * set).  Nothing for an element that is not a button. */
void Snap_Colored_Layout_of_Single_Button(int id);
/* Moves the mouse onto the centre of the button. */
void Move_Mouse_Cursor_to_Button_of_PS(int id);
/* The element's rectangle on the screen; 0 for an unknown id. */
int VEK_Element_Rectangle(int id, int* x1, int* y1, int* x2, int* y2);

/* ---- drawings on the sheet ----
 *
 * Panel lines and labels of the sheet.  While the top sheet is defined but
 * not yet activated they are kept and drawn when it is activated (after its
 * elements, so that a label stays readable on a tab); on an activated sheet
 * they are drawn at once and kept as well, so that a tab drawn anew gets
 * its label back.  Without a sheet they are drawn at once.  Colour and font
 * are left as they were. */

/* A panel line: look 1, 3 and 4 sunk into the sheet (a shadow line with a
 * light one beside it, below a horizontal line, right of any other), 2 and
 * 5 raised (the reverse), any other look a plain shadow line. */
void Draw_Funny_Line_to_PS(int look, int x1, int y1, int x2, int y2);
/* A label at (x, y) (the baseline) in the font word's font, in the window
 * text colour (scheme -6); the font word's flag 0x10000 draws it bold (a
 * second time one pixel to the right).  `look` is the library's text look:
 * 1 is greyed (DGREY_CI), every other look is drawn the same.  A null text
 * draws nothing. */
void Draw_Funny_Text_to_PS(int x, int y, const char* text, int font, int look);
/* A label with the print list's markup: after the escape byte 0xCE, "\\"
 * lowers the following text (small font, 3 pixels down), "/" raises it
 * (small font, 5 pixels up), "b" makes it bold, "r" ends all of them, "t"
 * is a blank, a group "{ ... }" shows nothing; any other escape shows
 * nothing.  Pieces follow each other left to right. */
void Draw_Special_Text_to_PS(int x, int y, const char* text, int font, int look);
/* A label tied to a button (an on/off button, say), at (x, y) (the
 * baseline) in the font word's font: drawn in `colour` while the button is
 * active and in `inactive_colour` while it is not, again whenever
 * Change_Activity_PS changes the button on a shown sheet.  It starts at
 * least 4 pixels right of the button, so that the button's face never
 * covers it.  Nothing for a null text or an unknown button. */
void Add_Aligned_Connected_Text_to_Button_of_PS(int button, int x, int y, const char* text, int font, int colour,
                                                int inactive_colour);

/* The panel of a sheet drawn straight onto the screen, without a sheet:
 * the rectangle filled in the sheets' face colour with a black frame, as a
 * framed sheet is drawn.  The colour is left as it was. */
void Draw_Prop_Sheet_Box(int x1, int y1, int x2, int y2);

/* ---- scrollable areas ---- */

/* An area whose content the callback paints; returns its id. */
int Add_Scrollable_Area_to_PS(int x1, int y1, int x2, int y2, int active, int a, int step_x,
                              int step_y, VEKScrollDrawFct draw, void* user, int frame);
/* A slider at the right (V) or bottom (H) edge of the area; returns its id. */
int Add_VSlider_to_Scrollable_Area(int area, int a, int b, int c, int d);
int Add_HSlider_to_Scrollable_Area(int area, int a, int b, int c, int d);
/* Scroll speed of a slider; headless there is no dragging, so nothing. */
void Set_VSlider_Speed(int slider, double a, double b);
void Set_HSlider_Speed(int slider, double a, double b);
/* The size of the area's content (the scroll origin is clamped to it). */
void Resize_Origin_of_Scrollable_Area_PS(int id, int width, int height);
/* Sets the scroll origin, clamped to 0 .. content - visible size. */
void Set_Scrollable_Area_PS(int id, int ox, int oy);
/* Reads the scroll origin; unknown ids give 0, 0. */
void Inquire_Scrollable_Area_PS(int id, int* ox, int* oy);
/* Moves the area to the rectangle and clamps its origin again; its sliders
 * stay where they are.  Unknown ids are ignored. */
void Reshape_Scrollable_Area_PS(int id, int x1, int y1, int x2, int y2, int a, int b, int c, int d);
/* Whether the area's frame is drawn; kept, nothing is drawn headless. */
void Set_Scrollable_Area_PS_Frameflag(int id, int flag);
/* Number of times the area's draw callback has run. */
int VEK_Scrollable_Area_Draw_Count(int id);

/* ---- call-always and call-sometimes functions ---- */

/* The function run before every event of an edit while it is switched on
 * (null: none); the switch starts off. */
void Define_Call_Allways_Function(void (*function)(void));
void Activate_Call_Allways_Function(int on);
/* The function run after every event that returned no code; its non-zero
 * result ends the edit as the code (null: none).  Exit_Prop_Sheets removes it. */
void Set_CallSometimesFunc_to_PS(int (*function)(void));
/* Runs the call-always function once when one is defined and switched on
 * (not again from inside itself).  The waits of input.h call it after every
 * event they take. */
void VEK_Run_Call_Allways_Function(void);

/* ---- the edit ---- */

/* Lets the user work on the top sheet; returns the code chosen (see head
 * comment), VEK_CLOSE_CODE on a close request, 0 without a sheet. */
int Edit_Prop_Sheet(void);

/* The topic of the last help button clicked ("" when none). */
const char* VEK_Last_Help_Topic(void);

#endif
