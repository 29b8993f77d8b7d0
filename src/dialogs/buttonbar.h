// Image button bar: a row of picture buttons drawn straight onto the screen
// from one bitmap file, with its own mouse loop (hover look, tool tip,
// pressed look, pop-down panels holding a second bar).
//
// The records belong to their user (the main screen keeps its bar as a
// static record); nothing here allocates or frees them.  The module keeps
// only the erase mode and the saved screen under the open panel and under
// the tool tip shown last.
#ifndef DIALOGS_BUTTONBAR_H
#define DIALOGS_BUTTONBAR_H

struct Image_Button_Bar;

// One button: its size, where its four looks lie in the bar's bitmap, where
// it sits relative to the bar's origin, and what a click returns.
struct Image_Button {
    int width, height;           // the same for all four looks
    int normal_x, normal_y;      // top-left corners of the looks in the bitmap
    int hover_x, hover_y;
    int inactive_x, inactive_y;
    int pressed_x, pressed_y;
    int offset_x, offset_y;      // relative to the bar's origin; may be negative
    int state;                   // > 0 active; otherwise drawn inactive, never hovered
    int code;                    // returned by Run_Image_Button_Bar on a click
    char *tip;                   // tool tip, lines split at "\n"; null for none
    Image_Button_Bar *sub_bar;   // pop-down bar in screen coordinates; null for none
};

// A bar: the rectangle in which its loop stays (x, y also the origin of the
// buttons), the bitmap holding every look, and the buttons.
struct Image_Button_Bar {
    int count;
    int x, y;    // origin and top-left corner of the rectangle
    int x2, y2;  // bottom-right corner of the rectangle, inclusive
    char *bitmap;
    Image_Button *buttons;
};

// Looks of Draw_Image_Button; any other value is the normal look.
enum { IMAGE_BUTTON_NORMAL = 1, IMAGE_BUTTON_HOVER = 2, IMAGE_BUTTON_INACTIVE = 3,
       IMAGE_BUTTON_PRESSED = 4 };

// Draws every button in its plain look (normal when active, else inactive).
// A null bar or a count of 0 or less draws nothing.  The records are never
// modified.
void Draw_Image_Button_Bar(const Image_Button_Bar *bar);

// Runs the bar's mouse loop while the mouse stays over the bar.  Returns the
// code of the clicked button (also when the button is released elsewhere),
// the code a pop-down bar returned, or 0 when nothing was chosen.  The timer
// setting of the window library is switched on for the loop and is always
// given back before returning.  A null bar returns 0 at once.  Called while
// the left button is down (the caller's wait took the press that brought it
// here), it acts on that press where it was made before it waits; a press
// that brings the mouse onto a button counts as a click on it.
int Run_Image_Button_Bar(const Image_Button_Bar *bar);

// Draws one button at (origin x + offset x, origin y + offset y) in the look
// asked for (an inactive button always in its inactive look).  Null
// arguments draw nothing.
void Draw_Image_Button(int origin_x, int origin_y, const Image_Button *button, const char *bitmap,
                       int look);

// Non-zero (the start value): every button is covered with the desktop
// colour before its picture is drawn, so transparent pixels show the desktop.
void Set_Image_Button_Erase_Mode(int flag);

// The box of the tool tip drawn last, also after it was put back (for tests
// of its placement).  Returns 1, or 0 when no tip has been drawn yet.  Null
// pointers are skipped.
int Last_Image_Button_Tool_Tip(int *x1, int *y1, int *x2, int *y2);

#endif
