// The editor sheets of the EN 1996 and EN 1999 blocks, built into a
// scrollable view area (slot) of the annex editor. This program shows
// neither; they are kept with the blocks they edit.
#ifndef CODES_NAD_SHEET_H
#define CODES_NAD_SHEET_H

#include "codes/nad_ec6.h"
#include "codes/nad_ec9.h"

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

#endif
