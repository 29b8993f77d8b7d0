// The editor sheets of the annex blocks (EN 1990, EN 1992, EN 1993,
// EN 1995, EN 1996, EN 1999), built into a scrollable view area (slot) of
// the annex editor. This program shows none of them; they are kept with the
// blocks they edit. Every sheet clears the area first, shows the chapters
// and rows the running program's rules select, binds its value fields to
// the block (so an edit changes the block in place; a caller that must be
// able to cancel hands in a copy) and ends with the update of the area.
// Fields and switches can be changed only while the sheet was built
// editable. The caller rebuilds the sheet after every edit.
#ifndef CODES_NAD_SHEET_H
#define CODES_NAD_SHEET_H

#include "codes/nad_ec0.h"
#include "codes/nad_ec2.h"
#include "codes/nad_ec3.h"
#include "codes/nad_ec5.h"
#include "codes/nad_ec6.h"
#include "codes/nad_ec9.h"

// EN 1990: the sections "Faktoren für den Hochbau" and "Faktoren für den
// Brückenbau" (each when the rules show it, under a check box that opens and
// closes it): the tables are pictures of the data directory with the number
// fields laid over them; the bridge section starts 1541 pixels down below
// an open buildings section, 30 below a closed one. Every field points at
// one word that holds the latest call's editable flag. Nothing for a null
// block.
void NAD_EC0_Sheet(int area, NAD_EC0_Block* b, int editable);

// EN 1992: the chapters EN 1992-1-1 (buildings; its title always shown),
// EN 1992-1-2 (fire) and EN 1992-2 (bridges) as the display flags select
// them, each under a check box that opens and closes it (fire starts
// closed). A coefficient given as a constant or as the factor of its
// clause's formula is a mode row: radio buttons on its mode word, the field
// on the line of the chosen mode, the formula's picture below; a German
// annex (variant not 0) shows "s. NA-DE" where its rules replace the
// formula. Reference texts (the tables of the standard) are left out when
// reference_texts_off is set. After the build a German annex's k_t and k_m
// of fire design are 1.0. Nothing for a null block.
void NAD_EC2_Sheet(int area, NAD_EC2_Block* b, int reference_texts_off);
// One row: with a height the shaded bands x 4..56 and 200..446 from y - 5
// to y + height, then the non-empty texts at x 10, 67 and 206 in the font.
// Returns y + height.
int Draw_NAD_EC2_Row(int area, int y, int height, const char* clause, const char* parameter,
                     const char* explanation, int font);

// EN 1993: the EN 1993-1-1/-1-2 sheet, then the EN 1993-1-8, -1-5, -1-9
// and -6 sheet below it, from *y down; *y becomes the baseline below the
// last row. Each part is a section whose title opens and closes it. The
// factor f can be changed only while it is given, k_c only while it is not
// taken from Table 6.6. Nothing for a null block or y.
void Draw_NAD_EC3_Sheet(int slot, int* y, NAD_EC3_Block* b, int editable);

// Clears the area and adds the rows the program's rules select; the value
// fields edit the block in place and can be changed only when editable.
void NAD_EC6_Sheet(int slot, NAD_EC6_Block* b, int editable);
void NAD_EC9_Sheet(int slot, NAD_EC9_Block* b, int editable);
// One row: shaded chapter and explanation bands (x 4..56 and 200..382, from
// y - 5 to y + height) when the height is not 0, and the non-empty texts at
// x 10, 67 and 206. Returns y + height.
int NAD_EC6_Sheet_Row(int slot, int y, int height, const char* chapter, const char* parameter,
                      const char* explanation, int font);
int NAD_EC9_Sheet_Row(int slot, int y, int height, const char* chapter, const char* parameter,
                      const char* explanation, int font);

// EN 1995: the sections of the chapter flags in the order 1, 2, 3, 4, 5,
// 8, 6, 0, 7, each under a check box that opens and closes it: pictures of
// "NAD\EC5BalmoNads.bmp" with the value fields over them, and the chapter
// table of EN 1995-1-1 (the German annex's switches when the variant is not
// 0, else the two crack factors). The k_cr fields of the crack-factor
// section can be changed only while kcr_method is 1. Nothing for a null
// block.
void NAD_EC5_Sheet(int area, NAD_EC5_Block* b, int editable);
// One row: for h > 0 the bands x 4..56 and 200..382 from y - 10 to y + h'
// (h' = 2 for h = 1, else h), then the texts present at x 10, 67 and 206
// in the font. Returns y + h' (y + h for h <= 0).
int NAD_EC5_Sheet_Row(int area, int y, int h, const char* chapter, const char* parameter,
                      const char* explanation, int font);
// Draw callback of a picture item: picture 1..9 of the sheet bitmap at
// (x, y) in its own size; nothing for any other number.
void Draw_NAD_EC5_Picture(int x, int y, int unused_x2, int unused_y2, int picture);
// Check function of the k_cr box: kcr_method of the block built last
// becomes 2 (box ticked) or 1.
void NAD_EC5_kcr_Check(int on);

// The sheets' remembered colours, open sections and switches as at process
// start (for tests).
void Reset_NAD_Sheets();

#endif
