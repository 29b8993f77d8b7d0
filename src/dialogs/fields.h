// Field widgets: a thin layer over the item adders of the scrollable view
// areas. A dialog names one area as the field area (Begin_Field_Area), then
// places widgets with plain positions: texts, formula symbols with indices,
// editable doubles with a range, edit texts, radio buttons, check boxes and
// fixed-width choice fields. Each widget puts one or a few items into the
// field area, greys itself out when its state word says so, and returns the
// width in pixels it took, so that the next widget can follow it.
//
// Positions are pixels in the field area's content coordinates; y is the
// text line (a widget reaches from about y - 13 to y + 5). With no field
// area (-1) an adder adds nothing and returns 0, unless it says otherwise.
// An activity or state argument is the address of an int that the caller
// owns and that lives as long as the items (the area reads it at every
// repaint): non-zero active (text colour), zero inactive (grey); where the
// state has three values, 1 editable, -1 shown in the text colour but
// read-only, anything else grey and read-only.
//
// Width rule: unless an adder says otherwise, a text's width in a font word
// is its width in that font (style flags 0x70000 cleared for the choice,
// markup escapes honoured) + 3, + 2 more when the font word had a flag; an
// empty text gives 0 (2 with a flag).
//
// The same layer looks up the ints that a sheet shows as doubles and offers
// a three-band colour scale. All state is process-wide.
#ifndef DIALOGS_FIELDS_H
#define DIALOGS_FIELDS_H

// ---- set-up and accessors -----------------------------------------------------

// Makes the slot the field area: field font 0x1000, text colour black,
// background white (nearest palette entries), the button and tool-tip
// tables emptied, and the hover context taken from the slot's entry of the
// sheet-area registry (buttons.h; without one its origin is -1000, -1000).
void Begin_Field_Area(int slot);
int Current_Field_Area(void);
int Current_Field_Font(void);
void Set_Field_Font(int font);
void Set_Field_Text_Color(int colour);
int Get_Field_Text_Color(void);
void Set_Field_Background_Color(int colour);
int Get_Field_Background_Color(void);
// The colour of inactive widgets: the palette entry of RGB 198, 195, 198.
int Field_Inactive_Color(void);

// Width of a text in the current font with the print list's markup: an
// escape 0xCE, a code letter, its content up to the next 0xCE and one
// closing code character. Colour escapes (C) count the content after their
// first blank, bold escapes (B) their content when it has two characters or
// more, other escapes nothing. 0 for null.
int Field_Text_Width(const char *text);
// The width rule for a font word (see above).
int Field_Text_Width_in_Font(const char *text, int font);
// Width of a fixed-width field of `count` texts (at text + i x stride): 33
// for count < 1, else trunc(widest x 0.125) x 8 + 33, widest by the width
// rule.
int Choice_Field_Width(const char *texts, int stride, int count, int font);

// The last edit text, radio button, check box, fixed-width field or button
// placed: left, right, top, bottom and its state. Null pointers are skipped.
void Get_Last_Field_Rectangle(int *x1, int *x2, int *y1, int *y2, int *state);
void Set_Last_Field_Rectangle(int x1, int x2, int y1, int y2, int state);

// ---- texts and symbols ------------------------------------------------------------

// A text in the field font; Add_Labelled_Text_Field returns its width even
// without a field area (the area ignores the item), Add_Field_Text 0.
int Add_Labelled_Text_Field(int x, int y, const char *text, int *active);
int Add_Field_Text(int x, int y, const char *text, int *active);
// A formatted text (at most 255 characters), always in the active look.
int Add_Field_Text_Printf(int x, int y, const char *format, ...)
    __attribute__((format(printf, 3, 4)));
// A text in style 2 (soft shadow): width = its width in the field font
// without flags + 5, 2 for an empty text.
int Add_Field_Text_Style_2(int x, int y, const char *text, int *active);
int Add_Field_Text_Style_2_Printf(int x, int y, const char *format, ...)
    __attribute__((format(printf, 3, 4)));
// A text in the small font (field font or 2): the width rule of that font.
int Add_Field_Text_Small(int x, int y, const char *text, int *active);
// The small font in style 1 (bold): width in the small font + 5, 2 empty.
int Add_Field_Text_Small_Style_1(int x, int y, const char *text, int *active);
// A text placed by modes: vertical 0 puts its line 9 lower, 4 five lower;
// horizontal 1 ends it at x, 4 centres it on x.
int Add_Field_Text_Aligned(int x, int y, const char *text, int vertical, int horizontal,
                           int *active);
// A text centred on the sheet-area registry entry of the field area (on the
// area itself without an entry).
int Add_Field_Text_Centred(int y, const char *text, int *active);
// A text that stores value into *selector when clicked (while active);
// the _Checked form adds nothing and returns 0 without a field area.
int Add_Field_Click_Text(int x, int y, const char *text, int value, int *selector, int *active);
int Add_Field_Click_Text_Checked(int x, int y, const char *text, int value, int *selector,
                                 int *active);
// A formula symbol with a lowered index (null or empty: none); the width is
// the symbol's and the index's. _Checked tests the field area first;
// _Flagged draws bold.
int Add_Field_Symbol(int x, int y, const char *symbol, const char *index, int *active);
int Add_Field_Symbol_Checked(int x, int y, const char *symbol, const char *index, int *active);
int Add_Field_Symbol_Flagged(int x, int y, const char *symbol, const char *index, int *active);
// Symbol and index placed by modes as Add_Field_Text_Aligned places a text.
int Add_Field_Symbol_Aligned(int x, int y, const char *symbol, const char *index, int vertical,
                             int horizontal, int *active);
int Add_Field_Symbol_Aligned_Args(int x, int y, const char *symbol, const char *index,
                                  int vertical, int horizontal, int *active);
// Symbol, lowered subscript and raised superscript.
int Add_Field_Symbol_Sub_Super(int x, int y, const char *symbol, const char *subscript,
                               const char *superscript, int *active);

// ---- input widgets ------------------------------------------------------------

// An editable double at (x + 7, y), "%8.1f", that takes a typed value
// only within minimum .. maximum (Set_Bounds_of_Last_Float: a value outside
// is refused with a message, the field keeps its value). Returns 79.
int Add_Field_Float_with_Range(int x, int y, double *value, double minimum, double maximum, int *active);
// An edit text at (x + 7, y) editing the caller's buffer, never past the
// length it has now; width = its width in font 0 + 16, 13 when empty.
int Add_Field_Edit_Text(int x, int y, char *text, int ignored, int *state);
// The buffer is first padded in place to exactly n characters (blanks at the
// end; a longer text is cut to n): it must hold n + 1 bytes.
int Add_Field_Edit_Text_Padded(int x, int y, char *text, int n, int *state);
// Padded to the larger of n and v, v characters visible; returns v x 8 + 19.
int Add_Field_Edit_Text_Visible(int x, int y, char *text, int n, int v, int *state);
// A radio button (text null: none) selecting value into *selector.
int Add_Field_Radio_Button(int x, int y, const char *text, int value, int *selector, int *state);
// A check box on *variable (0 or 1) with a white box behind it on the
// area's default background.
int Add_Choice_Field(int x, int y, const char *text, int *variable, int *state);
// A fixed-width drop-down field of `count` texts (at texts + i x stride)
// with their colours (null: the state's text colour; a greyed field shows
// them all grey) selecting into *selection. Nothing (0) without field area,
// for count < 1 or stride < 2.
int Add_Shaded_Fixed_Width_Field(int x, int y, const char *texts, const int *colours, int stride,
                                 int count, int *selection, int *state);

// A choice list of the design codes: count texts of stride bytes with a
// colour, a flag word (0x1000: a separator row) and an id per entry.
enum { FIELD_CHOICE_SEPARATOR = 0x1000 };
struct Field_Choice_List {
    int kind;
    int flags;
    int count;
    int stride;
    char *texts;
    int *colours;
    int *entry_flags;
    int *ids;
};
// The list's fixed-width field; a selection on a separator row first steps
// up to the row above it (and is stored back).
int Add_Choice_List_Field(int x, int y, Field_Choice_List *list, int *selection, int *state);

// ---- int table -------------------------------------------------------------------

// When the int is shown as a double by the open sheets (tablesheet.h):
// stores the value into it and into its working copy; otherwise nothing.
void Set_Registered_Int(int *variable, int value);
// The int's value when it is shown as a double, else -99999999.
int Get_Registered_Int(int *variable);

// ---- value bands -----------------------------------------------------------------

// Band start (10.0) and width (20.0) of a three-band colour scale.
void Reset_Value_Bands(void);
void Set_Value_Band_Start(double start);
void Set_Value_Band_Width(double width);
// trunc(i x width + start).
int Value_Band_Limit(int i);
// Set A: black, nearest to 132, 97, 66 and to 64, 128, 192; set B: black,
// nearest to 100, 72, 49 and to 0, 0, 150.
void Init_Value_Band_Colors(void);
// Slot 0 and 1 set that colour, 2 or more the third.
void Set_Value_Band_Color(int slot, int colour);
void Set_Value_Band_Color_B(int slot, int colour);
// The band's colour of v: below start + width the first, below start +
// 2 width the second, else the third.
int Value_Band_Color(int v);
int Value_Band_Color_B(int v);

#endif
