// Built-in raster fonts of the stand-in window library.
//
// Text widths decide dialog layouts and even bytes of the print list, so the
// metrics are fixed and documented (docs/screen.md).  A font word selects a
// font by its low byte (0x1000 and 0 are both font 0); the style flags above
// (0x10000 bold ...) belong to the dialogs and are ignored here.
//
//   font  use                 glyph  space  advance  height  ascent  descent
//   0     normal (0x1000)       5      3       8       12       9       3
//   1     bold (0x1001)         6      3       9       12       9       3
//   2     small (0x1002)        5      1       6       10       8       2
//   3     editor (0x1003)       5      2       7       14      10       4
//   other numbers are font 0.
//
// Every character, whatever its byte, takes the advance of its font; the
// extent of n characters is n x advance - space (0 for n = 0), so font 0
// measures 8 x n - 3.  The glyphs are 5 x 7 dot patterns (code page 850:
// umlauts and the other letters with marks are drawn; bytes without a glyph
// show a small box).
#ifndef PLATFORM_FONT_H
#define PLATFORM_FONT_H

// Font words of the four fonts, and the bits of a font word that select the
// font (the bits above are the dialogs' style flags).
constexpr int RFONT_NORMAL = 0x1000;
constexpr int RFONT_BOLD = 0x1001;
constexpr int RFONT_SMALL = 0x1002;
constexpr int RFONT_EDITOR = 0x1003;
constexpr int RFONT_WORD_FLAG = 0x1000;  // marks a font word; without it the number is the font
constexpr int RFONT_WORD_BITS = 0xFFFF;
constexpr int RFONT_NUMBER_BITS = 0xFF;  // the font number: the low byte of a font word

// Metrics of one raster font.
struct RFontMetrics {
    int width;    // glyph cell width
    int space;    // blank pixels after each glyph
    int height;   // line height
    int ascent;   // rows above the baseline
    int descent;  // rows from the baseline down (baseline row included)
};

// Metrics of the font that a font word selects (unknown numbers: font 0).
const RFontMetrics *RFont_Metrics(int font);

// Metrics of the current font.
#define RFONT_WIDTH (RFont_Metrics(pxQFnt())->width)
#define RFONT_SPACE (RFont_Metrics(pxQFnt())->space)
#define RFONT_HEIGHT (RFont_Metrics(pxQFnt())->height)

// Makes the font current (no stack).
void pxSFnt(int font);
// The current font word as it was set.
int pxQFnt(void);

// Font stack: Pop_RFont makes the font current and keeps the previous one;
// Push_RFont goes back to it (nothing happens on an empty stack).  The names
// are the library's own; the stack holds 64 fonts, deeper calls still switch
// the font but the oldest entries are not kept.
void Pop_RFont(int font);
void Push_RFont(void);
// Depth of the font stack (for tests: every painter leaves it as it was).
int RFont_Stack_Depth(void);

// Font 0 current and an empty stack; pxInitScreen calls it.
void RFont_Reset(void);
// The program's start-up call of the raster fonts: the fonts are built in,
// so it only makes font 0 current with an empty stack.  Returns 1.
int Init_RFont(void);

// Horizontal extent of the first length characters of text (length below 0:
// the whole zero-ended text) in the current font: left 0 and right the width.
// A null or empty text gives 0 and 0.  Null pointers are skipped.
void pxQTxX(const char *text, int length, int *left, int *right);

// The same width in a given font.
int RFont_Text_Width(int font, const char *text, int length);

// Glyph rows of one byte: 11 rows of 5 bits (bit 4 the left pixel).  Rows 0
// and 1 hold marks above capitals, rows 2 to 8 the 5 x 7 letter (row 8 sits
// on the baseline row just above y), rows 9 and 10 the descender (y, y + 1).
// Returns the rows of the small box for a byte without a glyph.
const unsigned char *RFont_Glyph(unsigned char ch);

#endif
