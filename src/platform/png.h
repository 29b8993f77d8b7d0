// Screen snapshots: the headless screen (screen.h) written as a PNG file, so
// that a person can look at any dialog a test or a scripted run has drawn.
#ifndef PLATFORM_PNG_H
#define PLATFORM_PNG_H

// Writes the whole screen as an 8-bit RGB PNG file (colour indices turned
// into their palette colours).  Returns 1, or 0 when the file cannot be
// written; the snapshot replaces an older file of that name only when it is
// complete, so a failure leaves the older one as it was.  The screen is never
// changed.
int Screen_Write_PNG(const char *file);

// The same for the rectangle (x1, y1)-(x2, y2), cut to the screen; 0 as well
// for a rectangle wholly outside it.
int Screen_Write_PNG_Rect(const char *file, int x1, int y1, int x2, int y2);

#endif
