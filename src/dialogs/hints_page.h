// The program hints page: a page of a table sheet (tablesheet.h) that tells
// how many of the four program hints the user switched off and offers one
// button that switches all of them on again.
#ifndef DIALOGS_HINTS_PAGE_H
#define DIALOGS_HINTS_PAGE_H

// Fills the area for a page `page_width` pixels wide. hints[4]: 1 the hint
// is shown, 0 the user switched it off. The button sets a request that the
// next fill carries out (all four become 1); the table sheets refill after
// every event.
void Fill_Program_Hints_Page(int area, int hints[4], double page_width);

#endif
