// Small services around the scrollable view areas: the standard value-check
// clamps, buttons that report a click at the next refill of their area, the
// screen colours and fonts set at start, the ring of enable flags of input
// pages, text widths, a clock deadline, a framed text field and the start-up
// call that connects the program to the window library.
#ifndef DIALOGS_VALUECHECK_H
#define DIALOGS_VALUECHECK_H

// ---- screen settings, set once by Init_Screen_Colors ----
extern int Screen_Flag_On, Screen_Flag_Off;
extern int Screen_Font_Normal, Screen_Font_Small, Screen_Font_Bold, Screen_Font_Bold_Alt;
extern int Screen_Black, Screen_White, Screen_Grey130, Screen_Desktop_Colour,
    Screen_Desktop_Background, Screen_Grey192, Screen_Brown, Screen_Blue, Screen_Brown_2,
    Screen_Red, Screen_Green, Screen_Orange, Screen_Dark_Red, Screen_Rose, Screen_Light_Blue,
    Screen_Pale_Blue, Screen_Pale_Green, Screen_Mid_Green, Screen_Light_Green,
    Screen_Faint_Green, Screen_Peach, Screen_Pink, Screen_Light_Pink, Screen_Light_Red,
    Screen_Light_Yellow, Screen_Khaki, Screen_Grey224, Screen_Grey180, Screen_Grey233,
    Screen_Lavender, Screen_Apricot, Screen_Grey160;

// Sets the flags, font words and colours above for the current screen (the
// colours are palette entries made for it).  Never fails.
void Init_Screen_Colors(void);
// Sets Screen_Desktop_Colour to the colour index.
void Set_Screen_Color_Slot(int colour);

// ---- value checks: correct a double in place, return its address ----
// NaN passes unchanged; a null pointer is returned as it is.
// Below 0 becomes 0; below 1 becomes 1; outside 0..1 becomes the nearer
// end; the value becomes its absolute value.
void *Clamp_Not_Negative(void *value);
void *Clamp_Min_One(void *value);
void *Clamp_Zero_One(void *value);
void *Make_Absolute(void *value);

// ---- buttons reported at the next refill ----
// The caller clears *pressed, refills its area after each event and acts
// when it reads 1.
// An action button (its bitmap left of (x, y), the label after it unless
// no_label, and as its tool tip); a work button likewise with its own
// bitmap and always its label.
void Add_Action_Button(int slot, int x, int y, int *pressed, const char *label, int no_label);
void Add_Work_Button(int slot, int x, int y, int *pressed, const char *label);
// An up/down button pair at (x, y): *result becomes 1 for up, 2 for down.
void Add_UpDown_Button(int slot, int x, int y, int *result);
// An invisible click area reported like the buttons, with the hand cursor
// and a tool tip when one is given.
void Add_Latched_Click_Area(int slot, int x1, int y1, int x2, int y2, int *pressed,
                            const char *tool_tip);

// ---- enable flags of input pages ----
// A ring of 1000 flags; Next_Register_Field_Flag takes the next one (after
// 999 back to 0), sets it and returns its address, which stays valid for the
// process.  Reset returns 0.
int Reset_Register_Field_Table(void);
int *Next_Register_Field_Flag(int on);

// ---- texts, clock, framed field ----
// Width in the current font of the text, or of its first n characters; 0
// for null (and for n < 1).
int Text_Width_in_Pixels(const char *text);
int Text_Width_of_Length(const char *text, int n);
// Sets a deadline `seconds` of the clock from now (whole milliseconds);
// Clock_Timeout_Reached is 1 from the deadline on, else 0.
void Start_Clock_Timeout(double seconds);
int Clock_Timeout_Reached(void);
// A colour argument that draws nothing.
enum { DRAW_NO_COLOUR = -10000 };
// A text field: frame look (0 none, else Draw_Funny_Area_to_PS's look),
// fill, and the text placed by the alignment code (pxBTxt) in the font word
// (negative: the current font), clipped to the rectangle, then shown.  The
// colour, viewport and font are left as they were.
void Draw_Framed_Text_Field(int x1, int y1, int x2, int y2, const char *text, int alignment,
                            int look, int font, int text_colour, int fill_colour);

// ---- start-up ----
// Connects the program to the window library: hands over the stdio table
// and switches the wheel events on.  Never fails; the _2 name is the same
// call.
void Init_VEK_Library(void);
void Init_VEK_Library_2(void);

#endif
