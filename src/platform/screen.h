// Headless screen of the stand-in window library.
//
// The screen is a grid of NPIXEL_X x NPIXEL_Y colour indices (1280 x 1024
// unless the environment entry "VEK_SCREEN" holds "WIDTHxHEIGHT").  Every px
// call draws into it for real, with the current foreground colour, clipped to
// the current viewport, so that a test can compare pixels and a person can
// look at any dialog through the PNG writer of png.h.
//
// Colour indices:
//   - 0 and above name an entry of the palette.  The palette starts with 16
//     named colours (BLACK_CI ... WHITE_CI), a 6x6x6 colour cube and a grey
//     ramp; Nearest_RGB_Color adds an exact entry for a colour it lacks.
//   - -1 to -31 name the desktop's scheme colours (GetVEKColor turns them into
//     palette indices; every px call accepts them directly).
// docs/screen.md lists the palette, the scheme and the font metrics.
//
// Coordinates are screen pixels, x to the right and y downwards; rectangles
// include both corners and may be given in any corner order.  Nothing here
// fails loudly: a call outside the screen or the viewport draws nothing.
#ifndef PLATFORM_SCREEN_H
#define PLATFORM_SCREEN_H

#include <cstddef>

// ---------------------------------------------------------------------------
// Screen set-up and inspection (stand-in services, used by tests and the PNG
// writer).

// Makes a fresh screen of width x height pixels (values below 1 take the
// environment entry "VEK_SCREEN", else 1280 x 1024), filled with the scheme's
// desktop background (-1), and sets palette, scheme, foreground colour, viewport, dash style, raster operation,
// fill style, font stack and saved rectangles back to their start values.
// The screen is made on first use by any call, so calling this is optional.
void pxInitScreen(int width, int height);

// The screen's size in pixels (NPIXEL_X, NPIXEL_Y); the screen is made first
// when there is none.
int pxScreenWidth(void);
int pxScreenHeight(void);
#define NPIXEL_X (pxScreenWidth())
#define NPIXEL_Y (pxScreenHeight())

// The colour index at (x, y); -1 outside the screen.  Never draws.
int pxGetPixel(int x, int y);

// The whole screen, row by row (NPIXEL_X x NPIXEL_Y colour indices).
const int *pxScreenPixels(void);

// The colour of every pixel as 0xRRGGBB, row by row, into out (room for
// NPIXEL_X x NPIXEL_Y values): the colours the PNG writer and the window
// show, an index without palette entry black.  Never draws.
void pxScreenRGB(unsigned *out);

// Number of pxFlsh calls since the screen was made (tests use it to see that
// a painter showed its work).
long pxFlushCount(void);

// ---------------------------------------------------------------------------
// Colours.

// Named palette entries (fixed indices 0..15).
extern int BLACK_CI, DBLUE_CI, DGREEN_CI, DCYAN_CI, DRED_CI, DMAGENTA_CI, BROWN_CI, LGREY_CI,
    DGREY_CI, BLUE_CI, GREEN_CI, CYAN_CI, RED_CI, MAGENTA_CI, YELLOW_CI, WHITE_CI;
// Palette entries of the desktop's look: menu background and button face.
extern int MENUE_CI, BUTTON_CI;

// The palette entry of exactly (r, g, b): an existing entry, else a new one;
// when the palette is full (4096 entries) the nearest entry.  Components are
// clamped to 0..255.
int Nearest_RGB_Color(int r, int g, int b);

// The existing palette entry nearest to (r, g, b) (squared distance, lowest
// index on a tie); never adds an entry.
int Nearest_Color_Index(int r, int g, int b);

// A colour index turned into a palette index: -1 .. -31 give the scheme
// colour, indices of the palette are returned unchanged, anything else gives
// BLACK_CI.
int GetVEKColor(int colour);

// The red, green and blue components (0..255) of a colour index (scheme
// indices resolved); an unknown index gives black.  Returns 1, or 0 for an
// unknown index.  Null pointers are skipped.
int pxQCR(int colour, int *r, int *g, int *b);

// Foreground colour of every drawing call; pxQFgc gives it back unchanged
// (a scheme index stays a scheme index).
void pxFgc(int colour);
int pxQFgc(void);

// ---------------------------------------------------------------------------
// Drawing state.

// Viewport: drawing is clipped to it.  It is cut to the screen; pxView with
// the corners in any order.  pxQVwp reports it; null pointers are skipped.
void pxView(int x1, int y1, int x2, int y2);
void pxQVwp(int *x1, int *y1, int *x2, int *y2);

// Dash style of pxLine: one of the PX_LINE_ styles; any other value is
// itself a 32-bit pattern read from bit 31 down, a set bit drawing the pixel
// (0xaaaaaaaa draws every second pixel, as PX_LINE_DOTTED does).  The
// pattern starts afresh at each call and runs on across the following lines.
enum { PX_LINE_SOLID = 0, PX_LINE_DASHED, PX_LINE_DOTTED, PX_LINE_DASH_DOT, PX_LINE_LONG_DASHES };
void pxSLn(int style);
int pxQSLn(void);

// Raster operation: copy, or exclusive or of the colour index into the
// pixel; other values count as PX_OP_COPY.
enum { PX_OP_COPY = 0, PX_OP_XOR = 3 };
void pxSBop(int op);

// Fill style of pxRect, pxFill and pxTri: 0 solid, otherwise the user pattern
// set last by pxSUFA (16 rows of 16 bits, bit 15 the left pixel, repeating
// over the screen).  pxSUFA also selects that pattern; it returns 1, or 0 for
// a null pattern (which selects solid fill).
void pxSFA(int style);
int pxSUFA(const int *pattern);

// Drawing buffer: pxBuff(PX_BUFFER_QUERY) asks which buffer is selected (0
// at start) and changes nothing; any other value selects it and returns the
// previous one.
enum { PX_BUFFER_QUERY = -1 };
// The stand-in draws every buffer into the one screen; pxFlsh shows it (in
// the window, when one is open: display_sdl.h).
int pxBuff(int buffer);
void pxFlsh(void);

// ---------------------------------------------------------------------------
// Primitives.

// One pixel in the current colour.
void pxDot(int x, int y);
// Line from (x1, y1) to (x2, y2), both ends drawn, in the dash style.
void pxLine(int x1, int y1, int x2, int y2);
// Solid line of width w pixels: a w x w square (from -(w / 2) to w - 1 - w / 2
// around each pixel of the thin line); w below 2 draws a solid thin line.
void pxTkLn(int x1, int y1, int x2, int y2, int w);
// Filled rectangle, both corners included.
void pxRect(int x1, int y1, int x2, int y2);
// Filled polygon of n points (n below 3: nothing).  A pixel is inside when its
// centre is (even-odd rule); the outline's own pixels are drawn too, so that
// a degenerate polygon still shows.
void pxFill(int n, const int *xs, const int *ys);
void pxTri(int x1, int y1, int x2, int y2, int x3, int y3);
// Circle outline of radius r around (x, y); r 0 is one pixel.
void pxCrcl(int x, int y, int r);
// Arc outline of radius r around (x, y) from angle a1 to a2 in degrees,
// counter-clockwise on the screen (y up), 0 degrees to the right.
void pxArc(int x, int y, int r, double a1, double a2);

// Mask: mask[0] is the width w, mask[1] the height h, then h rows; in a row
// the left pixel is bit 8 x ceil(w / 8) - 1 (bit 7 for w up to 8), set bits
// draw in the foreground colour, clear bits leave the screen.
void pxMask(int x, int y, const int *mask);

// ---------------------------------------------------------------------------
// Texts in the current raster font (font.h).  A length below 0 means the
// whole zero-ended text; a null text draws nothing.

// Text whose first character cell starts at x, baseline y.
void pxText(int x, int y, const char *text, int length);

// Alignment codes of pxBTxt and pxGBTt: one horizontal and one vertical
// choice, and at most one rotation (counter-clockwise).  The other bits are
// accepted and ignored (17, 192, 209, 210 are the codes the dialogs use).
enum {
    PX_ALIGN_HORIZONTAL = 0x03,  // the bits of the horizontal choice:
    PX_ALIGN_CENTRE = 0x00,      //   centred (so is 2)
    PX_ALIGN_LEFT = 0x01,
    PX_ALIGN_RIGHT = 0x03,
    PX_ALIGN_VERTICAL = 0xC0,    // the bits of the vertical choice:
    PX_ALIGN_TOP = 0x00,
    PX_ALIGN_BOTTOM = 0x40,      //   the cell's bottom row on y2
    PX_ALIGN_BASELINE = 0x80,    //   the baseline on y2
    PX_ALIGN_MIDDLE = 0xC0,      //   centred
    PX_TURN_90 = 0x100,
    PX_TURN_180 = 0x200,
    PX_TURN_270 = 0x400
};

// Text placed in the box (x1, y1)-(x2, y2) by the alignment code.
void pxBTxt(int x1, int y1, int x2, int y2, const char *text, int length, int alignment);

// Text turned by 90 degrees (reading upwards) from (x, y) when direction is
// 1, else as pxText.
void pxRTxt(int x, int y, const char *text, int length, int direction);

// ---------------------------------------------------------------------------
// Vector texts: scaled raster glyphs.  Character height h (pxChH, default 12),
// width factor (pxExpF, default 1), spacing as a fraction of h (pxSpac,
// default 0.1), orientation in radians (pxOrnt, default 0).  A character is
// 0.6 h x expansion wide plus the spacing after it.
void pxChH(double height);
void pxExpF(double factor);
void pxSpac(double spacing);
void pxOrnt(double radians);
// Width and height of the text in pixels (doubles); null pointers skipped.
void pxQGTX(const char *text, int length, double *width, double *height);
// The text placed at the box like pxBTxt (rotation from pxOrnt).
void pxGBTt(int x1, int y1, int x2, int y2, const char *text, int length, int alignment);

// ---------------------------------------------------------------------------
// Saving parts of the screen.

// Saves the rectangle (cut to the screen) under its four coordinates;
// Restore_Screen_Rectangle with the same coordinates puts the latest such
// save back and forgets it.  Restoring what was never saved does nothing and
// returns 0; both return 1 on success.
int Save_Screen_Rectangle(int x1, int y1, int x2, int y2);
int Restore_Screen_Rectangle(int x1, int y1, int x2, int y2);

// The same with a caller's buffer: pxQSvR gives its size in bytes, pxSvRc
// fills it, pxStRc draws it back (viewport and raster operation ignored).
size_t pxQSvR(int x1, int y1, int x2, int y2);
void pxSvRc(int x1, int y1, int x2, int y2, void *buffer);
void pxStRc(int x1, int y1, int x2, int y2, const void *buffer);

// ---------------------------------------------------------------------------
// Bitmap files by name.  The file is looked up as given ("\" counts as "/"),
// then in the directory of the environment entry "DATA".  Uncompressed BMP
// files of 1, 4, 8, 24 and 32 bits are read.
//
// pxDrawTransparentDIB draws the whole bitmap into (x1, y1)-(x2, y2);
// pxDrawPartialTransparentDIB the source rectangle (sx1, sy1)-(sx2, sy2)
// (sx2 or sy2 below 0: to the bitmap's edge).  Mode: low nibble 1 stretches
// the source over the target, 2 fits it keeping its proportions, centred;
// other values draw it unscaled from the target's top left, cut to the
// target.  Transparent: the colour index ci when it is 0 or above, else the
// colour (r, g, b) when r is 0 or above, else none.
//
// When the file cannot be read, a placeholder is drawn instead: the target
// filled light grey, framed and crossed in dark grey.  Result 1 when the
// bitmap was drawn, 0 for the placeholder.
int pxDrawTransparentDIB(const char *file, int x1, int y1, int x2, int y2, int mode, int ci, int r,
                         int g, int b);
int pxDrawPartialTransparentDIB(const char *file, int sx1, int sy1, int sx2, int sy2, int x1,
                                int y1, int x2, int y2, int mode, int ci, int r, int g, int b);

// Width and height of a bitmap file; 0 and the sizes left alone when it cannot
// be read, else 1.
int pxQDIBSize(const char *file, int *width, int *height);

// Bitmaps not drawn whole since the screen was made (a placeholder, or a
// cut reaching past the bitmap's edge, drawn in part), and the file name
// of the latest ("" when none; the text stays until the next fault).  A run driven by a script file (VEK_SCRIPT)
// also writes the first such fault of every file name to stderr as a line
// beginning with bitmap "NAME".
int pxBitmapFaults(void);
const char *pxLastBitmapFault(void);

// ---------------------------------------------------------------------------
// Panels of the window library's look.
//
// Draw_Funny_Area_to_PS(look, x1, y1, x2, y2, fill): a panel outline in the
// scheme colours -2 (light), -3 (dark), -15 (shadow):
//   1 sunken by one pixel (shadow top and left, light bottom and right);
//   2 raised by one pixel (the reverse);
//   3 and 4 sunken by two pixels (shadow and dark outside, light inside);
//   5 raised by two pixels;
//   6 and more an etched group frame (a shadow rectangle with a light one
//     one pixel right and below).
// A non-zero fill fills the inside with scheme colour -1 first.  The
// foreground colour is left as it was.
void Draw_Funny_Area_to_PS(int look, int x1, int y1, int x2, int y2, int fill);

#endif
