// Scrollable view areas: clipped, scrollable regions of the current property
// sheet holding a list of display items (texts, lines, value fields bound to
// the program's variables, check boxes, radio buttons, click areas, edit
// fields, bitmap buttons), their painter and their event loop.
//
// A fixed table of 20 areas, named by slot number 0..19.  Every call that
// takes a slot ignores a number outside 0..19 and a free slot and does
// nothing.  Items never copy a bound variable: they show and edit the
// caller's data in place, so the caller's variables (and the enable flags
// the items point at) must live as long as the items.
//
// The usual life in a dialog: define the sheet, define the area, activate
// the sheet, then loop: clear the area, add the items, update the area, run
// Edit_Prop_Sheet; when it reports the escape area over the area, run
// Edit_Scrollable_View_Area and loop.
//
// Files: scrollarea.cpp (the table), scrollarea_items.cpp (adders, setters,
// freeing), scrollarea_draw.cpp (painting), scrollarea_events.cpp (the event
// loop and the editors).
#ifndef DIALOGS_SCROLLAREA_H
#define DIALOGS_SCROLLAREA_H

#include <cstdint>
#include <string>

struct Scrollable_Area_Item;
struct Edit_Field_State;

// Callback of a value-bound item, called after the user changed it: for a
// double field with the address of the double (it may correct it in place
// and returns that address); for check boxes, radio buttons and choice lists
// with the new int value as (void *)(intptr_t) value.
typedef void *(*Value_Check_Function)(void *value);

// Painter of a user-drawn item: the screen rectangle and the user value.
typedef void (*Area_Draw_Function)(int x1, int y1, int x2, int y2, int user_value);

// Style flags a font word of an item may carry above the font's own bits.
constexpr int AREA_FONT_BOLD = 0x10000;
constexpr int AREA_FONT_SOFT_SHADOW = 0x20000;
constexpr int AREA_FONT_FAINT_SHADOW = 0x40000;
constexpr int AREA_FONT_STYLES = AREA_FONT_BOLD | AREA_FONT_SOFT_SHADOW | AREA_FONT_FAINT_SHADOW;

// One entry of a choice list; the array is the caller's.
struct Choice_List_Entry {
    int colour;
    char *text;
};

enum {
    AREA_ITEM_TEXT = 1,
    AREA_ITEM_LINE = 2,
    AREA_ITEM_PICTURE = 3,
    AREA_ITEM_USER_DRAWN = 4,
    AREA_ITEM_MASK = 5,
    AREA_ITEM_ROTATED_TEXT = 6,
    AREA_ITEM_CHECK_BOX = 7,
    AREA_ITEM_RADIO_BUTTON = 8,
    AREA_ITEM_CLICK_TEXT = 9,
    AREA_ITEM_DOUBLE = 10,
    AREA_ITEM_RECTANGLE = 11,
    AREA_ITEM_CLICK_AREA = 12,
    AREA_ITEM_MARKER = 13,
    AREA_ITEM_TREE_VIEW_IMAGE = 14,
    AREA_ITEM_EDIT_TEXT = 15,
    AREA_ITEM_CHOICE_LIST = 16,
    AREA_ITEM_IMAGE_CHOICE = 17,
    AREA_ITEM_BITMAP_BUTTON = 18,
    AREA_ITEM_EDIT_FIELD = 19
};

// One display item.  The use of a field depends on the kind.
struct Scrollable_Area_Item {
    int kind;
    int colour;  // text, line or frame colour; bitmap button: cursor shape
    int font;    // font word for Pop_RFont; bitmap button: value stored on click
    int aux;     // length limit (10, 15), pixel width (16), radio value (8), source y
                 // (17, 18), cursor shape (12), fixed flag (3), frame flag (19), marker id (13)
    int x1, y1, x2, y2;  // content coordinates; texts: x2 style, y2 rotation or visible length
    int count;           // entry count (16, 17), transparent colour (18), highlight (9),
                         // tool-tip style (12), background (19)
    int *variable;       // bound int (7, 8, 16, 17, 18)
    int *enabled;        // enabled while non-zero (7, 8, 10, 15 to 19)
    double *value;       // bound double (10)
    double minimum, maximum;  // bounds of a double (10) when `bounded`
    int bounded;
    int decimals;        // decimal places a double (10) keeps; -1: any (its format is no "f")
    int room;            // characters a double (10) has on the screen; 0: as many as it needs
    char *reason;        // owned: why a disabled field (10, 15, 16) cannot be edited, said on a click
    char *text;          // owned copy; kinds 15 and 19: the caller's buffer
    char *text2;         // owned: disabled text (10, 15) or tool tip (18)
    Area_Draw_Function draw;     // kind 4
    Value_Check_Function check;  // kinds 7, 8, 10, 16, 17
    union {
        int image_on;      // 7, 8
        int user_value;    // 4
        const int *mask;   // 5 (the caller's)
    };
    union {
        int image_off;             // 7, 8
        intptr_t click_value;      // 9, 12
        Edit_Field_State *editor;  // 19 (owned)
        int image_id;              // 14
    };
    union {
        int *click_target;           // 9, 12
        Choice_List_Entry *entries;  // 16 (the caller's, or owned: see owned)
    };
    Scrollable_Area_Item *next;
    void *owned;  // a block the item owns beside its texts (16: its entries), freed with it
};

// State of a multi-line edit field, owned by its item.
struct Edit_Field_State {
    int capacity;     // entries of the line table
    int line_count;
    int reserved[2];
    int x1, y1, x2, y2;  // screen rectangle while editing
    int font;            // default RFONT_EDITOR
    int background;
    int text_colour;
    int max_length;
    int length;
    int visible_lines;
    int first_visible;
    char **lines;         // line starts
    char *cursor;
    char *text;           // the caller's buffer
    char *selection_start;
    char *selection_end;
    Scrollable_Area_Item *item;
    int caret_drawn;
    int length_refused;   // a character was refused for length (said once an edit)
};

struct Scrollable_View_Area {
    int x1, y1, x2, y2;  // visible rectangle in sheet coordinates (sliders taken off)
    int background;
    int frame;
    int content_width, content_height;
    int scroll_x, scroll_y;
    int sheet_area_id;  // AREA_SLOT_FREE, AREA_SLOT_RESERVED, or the sheet's id
    int vslider_id, hslider_id;
    int active;
    int keys_end_hover;
    int right_button_ends_hover;
    int *stop_flag;
    int hover_rect_set;
    int hover_x1, hover_y1, hover_x2, hover_y2;
    int break_value;
    int *break_target;
    int ok_value;
    int *ok_target;
    int help_value;
    int *help_target;
    Scrollable_Area_Item *first_item;
    Scrollable_Area_Item *last_item;
    int float_decimals;  // places the double fields added now keep; -1: their format's
};

enum {
    SCROLLABLE_AREA_COUNT = 20,
    AREA_SLOT_FREE = -1,       // sheet_area_id of a free slot
    AREA_SLOT_RESERVED = 9999  // sheet_area_id of a slot reserved but not placed
};

// The record of a slot, or null for an invalid number (a free slot's record
// is returned too; its sheet area id is -1).
Scrollable_View_Area *Scrollable_View_Area_Record(int slot);

// ---- areas ------------------------------------------------------------------

// Defines an area on the current sheet.  Returns the slot, or -1 (with the
// console line "maximale Anzahl Scrollable_View_Areas erreicht") when all 20
// are taken.
int Define_Scrollable_View_Area(int x1, int y1, int x2, int y2, int horizontal, int vertical);
// Hands content size and scroll origin to the library, reads the corrected
// origin back, sets the sliders' activity and repaints.
void Update_Scrollable_View_Area(int slot);
// Frees the items (reading the scroll origin back first when active).
// The sheet area and its sliders stay; the caller's bound variables and
// edit buffers are never touched.
void Clear_Scrollable_View_Area(int slot);
// As clearing, then the slot is free again; the sheet area goes with the
// sheet.
void Undefine_Scrollable_View_Area(int slot);
// Undefines every slot.
void Undefine_All_Scrollable_View_Areas(void);
// 1 active, anything else inactive (not painted, not edited); a change is
// handed to the sliders and the sheet area, which repaints.
void Set_Scrollable_Area_Activity(int slot, int state);
// The background colour painted under the items; Get_ gives -1 for an
// invalid or free slot.
void Set_Scrollable_Area_Background(int slot, int colour);
int Get_Scrollable_Area_Background(int slot);
// Whether the area's frame is drawn (non-zero: drawn), handed to the sheet
// area of a placed slot.
void Set_Scrollable_Area_Frame(int slot, int flag);
// Short-key pairs: when the key's user setting is on and the target is set,
// Edit_Scrollable_View_Area stores the value into *target.  The target must
// outlive the area's use.
void Set_Break_Key_Action_of_Scrollable_Area(int slot, int value, int *target);
void Set_OK_Key_Action_of_Scrollable_Area(int slot, int value, int *target);
void Set_Help_Key_Action_of_Scrollable_Area(int slot, int value, int *target);
// Hover-wait settings: any key ends it; the right button ends it; a
// non-zero *flag ends it (and lets it time out every 100 ms); the region it
// watches in content coordinates instead of the visible rectangle.
void Set_Scrollable_Area_Key_Hover_End(int slot, int flag);
void Set_Scrollable_Area_Right_Button_Hover_End(int slot, int flag);
void Set_Scrollable_Area_Stop_Flag(int slot, int *flag);
void Set_Scrollable_Area_Hover_Rectangle(int slot, int x1, int y1, int x2, int y2);
// Inquiries leave the caller's ints alone for an invalid or free slot;
// null pointers are skipped.  Size: visible width and height; content: the
// items' extent; screen origin: top left with the sheet's displacement;
// origin: the library's current scroll origin.
void Inquire_Scrollable_View_Area_Size(int slot, int *width, int *height);
void Inquire_Scrollable_View_Area_Content(int slot, int *width, int *height);
void Inquire_Scrollable_View_Area_Screen_Origin(int slot, int *x, int *y);
// Copies the library's scroll origin into the record.
void Read_Scrollable_View_Area_Origin(int slot);
void Inquire_Scrollable_View_Area_Origin(int slot, int *x, int *y);
// Two-step definition: a slot without a sheet area (inactive), placed later
// exactly as Define_Scrollable_View_Area places one.  Reserve returns -1
// (with the console line) when no slot is free; placing ignores a slot that
// is not merely reserved.
int Reserve_Scrollable_View_Area(void);
void Place_Reserved_Scrollable_View_Area(int slot, int x1, int y1, int x2, int y2, int horizontal,
                                         int vertical);
// Moves the sheet area to a screen rectangle; the record keeps it less the
// sheet's displacement.
void Reshape_Scrollable_View_Area(int slot, int x1, int y1, int x2, int y2);
// The scroll helpers change only the record; Update_Scrollable_View_Area
// hands the origin to the library.  Scrolling by moves only along axes with
// a slider, clamped to 0 .. content - visible; *dx and *dy become the
// movement made.  Fractions 0..1 of the scrollable range: a negative one
// leaves its axis, one above 1 counts as 1; reading gives 0 where there is
// no range or no slider.
void Scroll_Scrollable_Area_by(int slot, int *dx, int *dy);
void Set_Scrollable_Area_Scroll_Fraction(int slot, double fx, double fy);
void Get_Scrollable_Area_Scroll_Fraction(int slot, double *fx, double *fy);
// The short-key switches read from the user settings (for tests).
void Inquire_Scrollable_Area_Short_Keys(int *brk, int *ok, int *help, int *jump);
// Lets the next definition read the settings again, as the first one of a
// process does (for tests); the switches are 0 until then.
void Reset_Scrollable_Area_Settings(void);

// ---- items ------------------------------------------------------------------
//
// Every adder takes the slot first and does nothing for an invalid or free
// slot or when it cannot allocate; it appends the item and raises the
// content extent (never lowers it).  Texts are copied; bound variables,
// enable flags, choice entries, masks and edit buffers are the caller's and
// must outlive the items (enable flags are read at every repaint).  Font
// words may carry the style flags AREA_FONT_BOLD, and for plain texts
// AREA_FONT_SOFT_SHADOW and AREA_FONT_FAINT_SHADOW.  The setters change the
// last added item and ignore one of another kind.

// Appends a zeroed item to the area's list and returns it; null for a null
// area or when it cannot allocate (the list is then unchanged).
Scrollable_Area_Item *Append_Scrollable_Area_Item(Scrollable_View_Area *area);
// A text at (x, y) (baseline); right == 1 makes x its right end.
void Add_Text_to_Scrollable_Area(int slot, int x, int y, const char *text, int font, int colour,
                                 int right);
// A line between two points.
void Add_Line_to_Scrollable_Area(int slot, int x1, int y1, int x2, int y2, int colour);
// A bitmap file drawn into the rectangle; `transparent` is the colour index
// left out (negative: none).  The file name is copied.
void Add_Picture_to_Scrollable_Area(int slot, const char *file, int x1, int y1, int x2, int y2,
                                    int transparent);
// The same item under the name the sheets of the design codes use: a
// bitmap file shown over the rectangle, `colour` (a colour index) left out.
void Add_Boxed_Text_to_Scrollable_Area(int slot, const char *file, int x1, int y1, int x2, int y2,
                                       int colour);
// The last picture stays in place when the area scrolls.
void Fix_Last_Picture_of_Scrollable_Area(int slot);
// A rectangle the caller paints: the callback gets its screen rectangle and
// user_value at every repaint.
void Add_User_Drawn_Area_to_Scrollable_Area(int slot, int x1, int y1, int x2, int y2,
                                            int user_value, Area_Draw_Function callback);
// A pixel mask (width, height, rows; the caller's, not copied) at (x, y).
void Add_Mask_to_Scrollable_Area(int slot, int x, int y, const int *mask, int colour);
// A text turned by angle 90, 180 or 270 degrees (others: not turned).
void Add_Rotated_Text_to_Scrollable_Area(int slot, int x, int y, const char *text, int font,
                                         int colour, int angle);
// A check box at (x, y) with its text; a click toggles *value (0 or 1).
void Add_Check_Box_to_Scrollable_Area(int slot, int x, int y, const char *text, int font,
                                      int colour, int *value, int *enabled);
// A radio button: shown on while *selector == value; a click stores value.
void Add_Radio_Button_to_Scrollable_Area(int slot, int x, int y, const char *text, int font,
                                         int colour, int value, int *selector, int *enabled);
// A text that stores value into *target when clicked and is drawn on the
// highlight colour while *target holds it; every click in the area first
// sets a non-zero *target back to 0.  right == 1 makes x its right end.
void Add_Click_Text_to_Scrollable_Area(int slot, int x, int y, const char *text, int font,
                                       int colour, int right, int highlight, int value,
                                       int *target);
// A field editing *value in place, shown with the printf format (copied;
// null gives "%g"; it must take exactly one double) cut to the length the
// format gives 0 where only blanks or fraction digits are cut (a value whose
// whole part does not fit is shown whole).
// What is typed is stored as the field shows it afterwards (rounded to the
// format's precision).
void Add_Float_to_Scrollable_Area(int slot, int x, int y, double *value, const char *format,
                                  int font, int colour, int *enabled);
// A filled rectangle.
void Add_Rectangle_to_Scrollable_Area(int slot, int x1, int y1, int x2, int y2, int colour);
// An invisible rectangle that stores value into *target when clicked.
void Add_Click_Area_to_Scrollable_Area(int slot, int x1, int y1, int x2, int y2, int value,
                                       int *target);
// The cursor shape shown while the mouse is over the last click area.
void Set_Click_Area_Mode(int slot, int cursor_shape);
// The tool tip of the last click area (copied; replaces an earlier one),
// shown while the mouse rests on it; below == 1 places it under the area.
void Set_Tool_Tip_of_Last_Click_Area(int slot, const char *text, int font, int colour, int below);
// A marker with an id, invisible: Cut_Scrollable_Area_at_Marker frees it
// and every item added after it (nothing when no marker has the id).
void Add_Marker_to_Scrollable_Area(int slot, int id);
void Cut_Scrollable_Area_at_Marker(int slot, int id);
// One of the tree-view images centred in the rectangle.
void Add_Tree_View_Image_to_Scrollable_Area(int slot, int image, int x1, int y1, int x2, int y2,
                                            int colour);
// A one-line field editing the caller's text in place, never past the
// length the text has now (the buffer is the caller's and is not copied);
// as many characters are shown unless Set_Visible_Length_of_Last_Edit_Text
// sets fewer (n is kept within 0 .. that length).
void Add_Edit_Text_to_Scrollable_Area(int slot, int x, int y, char *text, int font, int colour,
                                      int *enabled);
void Set_Visible_Length_of_Last_Edit_Text(int slot, int n);
// A drop-down field of `count` entries (the caller's array), `width`
// characters wide; *selected is the entry shown and is set to 0 when it
// lies outside the entries.
void Add_Choice_List_to_Scrollable_Area(int slot, int x, int y, Choice_List_Entry *entries,
                                        int font, int width, int count, int *selected,
                                        int *enabled);
// The last drop-down takes its entry array, which the caller allocated with
// Mem_Malloc or Mem_Calloc: it is freed with the item.
void Give_Entries_to_Last_Choice_List(int slot);
// A drop-down of `count` images, cell_width x cell_height cells stacked in
// the bitmap file from source_y down; *selected as for choice lists.
void Add_Image_Choice_to_Scrollable_Area(int slot, int x, int y, const char *file,
                                         int cell_width, int cell_height, int count,
                                         int source_y, int *selected, int *enabled);
// A button of four looks side by side in the bitmap file (disabled, normal,
// hover, pressed) at source_y; a click stores value into *target.  The file
// name and the tool tip are copied.
void Add_Bitmap_Button_to_Scrollable_Area(int slot, int x, int y, int width, int height,
                                          const char *file, int source_y, int transparent,
                                          int cursor_shape, const char *tool_tip, int value,
                                          int *target, int *enabled);
// A multi-line field editing the caller's buffer (max_length characters
// plus the terminator) in place; frame non-zero draws its dotted frame.
// Without memory for its editor state the field shows but cannot be edited.
void Add_Edit_Field_to_Scrollable_Area(int slot, int x1, int y1, int x2, int y2, char *text,
                                       int max_length, int text_colour, int background, int frame,
                                       int *enabled);
// The font word of the last multi-line field (default RFONT_EDITOR).
void Set_Font_of_Last_Edit_Field(int slot, int font);
// The check function of the last check box, radio button, double field or
// drop-down.  A double field's check sees only values its bounds took.
void Set_Last_Item_Check_Function(int slot, Value_Check_Function function);
// The bounds of the last double field (either may be infinite).  A typed
// value outside minimum .. maximum is refused before it is stored: a message
// names it, the range and the value the field keeps, and a chain of edits
// ends there.  The bounds count as the field names them: to within single
// precision (a profile's 56.4500007629 is 56.45), else rounded to the
// field's decimal places towards the inside (field_number.h).  A field
// without bounds takes every finite number.
void Set_Bounds_of_Last_Float(int slot, double minimum, double maximum);
// The decimal places a double field keeps: a typed value with more is
// refused with a message naming the range and the places (nothing typed is
// rounded), and the field shows a value with the places it has, at least
// those of its format ("%6.1f" of 4.26 kept to 2 places shows "4.26").  A
// double field keeps the places of its format unless the area's setting
// (Set_Scrollable_Area_Float_Decimals) or Set_Decimals_of_Last_Float says
// otherwise; one whose format has no "f" conversion takes any.
void Set_Decimals_of_Last_Float(int slot, int decimals);
// The double fields added to the area from now on keep `decimals` places
// (-1: those of their format), until it is set again.
void Set_Scrollable_Area_Float_Decimals(int slot, int decimals);
// v as a double field of `format` keeping `decimals` places (-1: those of
// its format) shows it in the room its format gives, without the blanks: a
// "%6.1f" field keeping six places shows 128.928932 as "128.93". For a box
// that names a field's value as the user reads it there.
std::string Float_Field_Shown_Text(double v, const char *format, int decimals);
// The characters the last double field has on the screen (a table's cell):
// a value wider is shown with an exponent and as many digits as fit
// ("1.2346e+09"), so that it shows whole and says its size; its edit shows
// every digit.  0: the field is as wide as its value.
void Set_Room_of_Last_Float(int slot, int characters);
// Tree-view images shown instead of the marks of the last check box or
// radio button (0: the drawn mark).
void Set_Check_Images_of_Last_Item(int slot, int image_on, int image_off);
// The text a disabled double or edit-text field shows instead of its value
// (copied; replaces an earlier one).
void Set_Disabled_Text_of_Last_Item(int slot, const char *text);
// Why the last double, edit-text or drop-down field cannot be edited while
// it is disabled (copied; replaces an earlier one): a click on it then shows
// the text in a box titled "Hinweis" (lines at '\n'), so that a value shown
// in a field's place says why it takes nothing.
void Set_Disabled_Reason_of_Last_Item(int slot, const char *text);
// Frees every item of the area; the caller's variables and buffers stay.
void Free_Scrollable_Area_Items(int slot);

// ---- painting ---------------------------------------------------------------
//
// The painters leave the foreground colour, viewport, buffer selection and
// font as they found them.

// The sheet's draw callback of an area (`area` is its record): paints the
// items of an active area and returns 1; 0 (nothing painted) for an
// inactive one or a null record.  `extra` is unused.
int Draw_Scrollable_Area_Callback(int x1, int y1, int x2, int y2, int scroll_x, int scroll_y,
                                  int extra, void *area);
// Draws the items from `first` to the end of its list as the area's
// painter does (for a painter that adds items of its own for a moment).
void Draw_Scrollable_Area_Items_From(const Scrollable_Area_Item *first, int x1, int y1, int x2, int y2,
                                     int scroll_x, int scroll_y, int background);
// Paints the frame, the background and every item into the screen
// rectangle, scrolled by the origin; nothing for a null area.
void Draw_Scrollable_Area_Items(int x1, int y1, int x2, int y2, int scroll_x, int scroll_y,
                                Scrollable_View_Area *area);
// Lays out a multi-line field's text into its line table for the screen
// rectangle and paints the visible lines with the selection; nothing for a
// field without text or editor state.
void Layout_Edit_Field_Text(Scrollable_Area_Item *item, int x1, int y1, int x2, int y2);
// Draws (or, Hide_, wipes in the background colour) the caret at the cursor
// when its line is visible.
void Draw_Edit_Field_Caret(Edit_Field_State *state);
void Hide_Edit_Field_Caret(Edit_Field_State *state);
// Forgets the selection (nothing is repainted).
void Clear_Edit_Field_Selection(Edit_Field_State *state);
// Scrolls the lines so that the cursor's line is visible, repainting when
// they move.
void Keep_Edit_Field_Cursor_Visible(Edit_Field_State *state);
// The length bar (text length against the limit) along the bottom and the
// line bar (visible lines against all) along the right edge.
void Draw_Edit_Field_Indicators(Edit_Field_State *state);
// A tool tip box of the text's lines below the mouse, kept on the screen;
// Hide_Tool_Tip restores what it covered (harmless without one).
void Show_Tool_Tip(const char *text);
void Hide_Tool_Tip(void);
// Width, and left and right extent, of the first n characters in the current
// font; while an editor of font word 0 runs, 8 x n - 3.  0 for n < 1 or a
// null text; null extent pointers are skipped.
int Edit_Field_Text_Width(const char *text, int n);
void Edit_Field_Text_Extent(const char *text, int n, int *left, int *right);

// ---- events -----------------------------------------------------------------

// Handles one user action: the hover wait first when no button is down,
// then a short key, or the item under a left click, writing straight into
// the bound variables and calling their check functions.  0 for an invalid
// or free slot, a held Shift key, no short key, a click that
// hit nothing, or the multi-line editor ended; 1 when a short key fired, a
// box, button, click item was hit, or a field edit (chain) ended.  Callers
// refill the area after any call.  A multi-line editor ends at a press
// outside its field (left in M_LEFT for the caller), the close request or
// Escape, which fires the area's break-key action (when one is set,
// whatever the short-key setting) and gives 1.
int Edit_Scrollable_View_Area(int slot);
// The keyboard for the area's first multi-line field without a click: its
// editor runs with the caret at the end of the text, so that what is typed
// goes in at once, and ends as after a click into it.  0 for an invalid or
// free slot or an area without such a field.
int Type_Into_Scrollable_Area(int slot);
// The hover wait alone: cursor shapes, hover looks and tool tips until the
// mouse leaves the watched region, a button, key or wheel ends it.
void Wait_on_Scrollable_View_Area(int slot);
// Brings a content rectangle into view in ten steps of 30 ms (virtual
// clock), repainting each; nothing moves when it is visible already.
void Scroll_Scrollable_Area_to(int slot, int x1, int y1, int x2, int y2);

#endif
