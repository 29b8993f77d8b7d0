/* tool_tip.h -- the tool tip of the window library: a white box with a
 * black frame below the mouse, holding the tip's lines in the normal font.
 *
 * One tip is on the screen at a time.  What the box covers is saved when it
 * is drawn and put back when it goes, so a tip leaves the screen as it was.
 * The main bar's picture buttons and the buttons of the sheets show their
 * tips through here.
 */
#ifndef PLATFORM_TOOL_TIP_H
#define PLATFORM_TOOL_TIP_H

/* Takes away the tip on the screen, if any, and shows the text's lines
 * (split at "\n") in a box from 20 pixels below the mouse, as wide as the
 * widest line and 10 pixels more, one font height per line and 5 pixels
 * more, moved left and up to stay 5 pixels inside the screen's right and
 * bottom edges.  A null text only takes the old tip away. */
void VEK_Show_Tool_Tip(const char* text);
/* Puts back what the tip on the screen covers; nothing without one. */
void VEK_Hide_Tool_Tip(void);
/* 1 while a tip is on the screen. */
int VEK_Tool_Tip_Shown(void);
/* The box of the tip drawn last, also after it was taken away: 1, or 0
 * when none was drawn yet.  Null pointers are skipped. */
int VEK_Last_Tool_Tip(int* x1, int* y1, int* x2, int* y2);
/* Forgets the tip drawn last (the screen is left alone), as at the start
 * of the process.  For tests. */
void VEK_Reset_Tool_Tip(void);

#endif
