// Drawing calls of the window library that the connection pictures make in
// forms the rest of the stand-in screen (screen.h, font.h) does not offer:
// the foreground colour read through a pointer, a byte mask stamped into a
// rectangle, and the boxed, turned labels of the scaled weld drawing.
//
// They draw for real on the headless screen through the calls of screen.h,
// so tests can read their pixels like those of any other call.
#ifndef PLATFORM_DRAW_CALLS_H
#define PLATFORM_DRAW_CALLS_H

// Stores the current foreground colour (as pxQFgc() returns it) in *colour;
// a null pointer is skipped. Never draws, cannot fail.
void pxQFgc(int *colour);

// Stamps a bit mask of one byte per row into the rectangle (x1, y1)-(x2, y2),
// corners in any order: the rectangle's height is the number of rows read
// from rows, its width at most 8 pixels (the left pixel is bit 7, a wider
// rectangle uses the first 8 columns). Set bits draw in the foreground colour,
// clear bits leave the screen; mode is the library's stamping mode and every
// value stamps that way. A null mask, or a rectangle of more than 64 rows,
// draws nothing.
void pxMask(int x1, int y1, int x2, int y2, const unsigned char *rows, int mode);

// A label in a box centred at (x, y): the text in the small raster font
// (0x1002) when size is below 12, else in the normal one (0x1000), turned by
// angle degrees counter-clockwise rounded to the nearest quarter turn (the
// raster fonts turn in quarter turns only; an angle that is not a number
// counts as 0), with margin blank pixels between text and box. The box is
// filled with background when it is 0 or above and, with frame not 0,
// outlined in text_colour; the text is drawn in text_colour. A null or empty
// text draws nothing. The foreground colour and the current font are left
// as they were.
void Draw_Line_Box_Text(int x, int y, int size, int margin, double angle, const char *text,
                        int text_colour, int background, int frame);

#endif
