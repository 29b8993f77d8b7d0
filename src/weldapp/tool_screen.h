// Screen helpers beside the tool calls: text widths in a font, the hit test
// of a segment, a zoom animation, a saved and cleared screen rectangle,
// progress bars, the button look, a sand-clock, and the call of the
// desktop's picture viewer. None of them has a caller in this program; they
// belong to the library all the same. All state is process-wide.
#ifndef WELDAPP_TOOL_SCREEN_H
#define WELDAPP_TOOL_SCREEN_H

// Pixel width of the text in the font (0 for null); the current font is
// kept.
int Text_Width_in_Font(const char* text, int font);

// Hit tolerance in pixels (3 at start).
void Set_Hit_Tolerance(int pixels);
int Get_Hit_Tolerance(void);
// 1 when (px, py) lies within the tolerance of the line through the
// segment and within its box widened by the tolerance; 0 for a segment of
// length 0.
int Point_Near_Segment(int x0, int y0, int x1, int y1, int px, int py);

// After a mouse event, an exclusive-or rectangle from (x0, y0) to the
// mouse follows it while the left button is held; on release it is erased
// and the last mouse position is left in the outputs (null ones skipped).
void Drag_Rubber_Rectangle(int x0, int y0, int* x1_out, int* y1_out);

// A sheet in the screen centre with the bitmap (width x height pixels) and
// an "OK" button; it stays until any event ends it.
void Show_Picture_Sheet(const char* title, const char* bitmap, int width, int height);

// Steps and delay (ms) of the zoom animation; negative steps restore 10
// and 15 ms.
void Set_Zoom_Animation(int steps, int delay_ms);
// Draws, shows and erases (exclusive or, colour 100) the rectangles from
// the first to the second, k / (steps + 1) of the way for k = 0..steps.
void Animate_Zoom_Rectangle(int x0, int y0, int x1, int y1, int x2, int y2, int x3, int y3);

// Saves the screen under the rectangle and fills it with the desktop's
// background colour; Restore_Saved_Rectangle puts the pixels back (once).
// One saved rectangle is shared with the framed progress bars.
void Save_And_Clear_Rectangle(int x0, int y0, int x1, int y1);
void Restore_Saved_Rectangle(void);

enum { PROGRESS_BAR_SLOTS = 6 };
// A bar of width pixels at (x, y), framed on a cleared panel when asked:
// the slot (0 when free, else the first free of 1..5), -1 when all are in
// use.
int Open_Progress_Bar(int x, int y, int width, int framed);
// Fills the bar to the fraction (held within 0..1 of the width, rounded),
// shows it and waits the slot's delay. Slots not in use are ignored.
void Set_Progress_Bar(int slot, double fraction);
void Set_Progress_Bar_Delay(int slot, double seconds);
// Puts the screen back under the bar and frees the slot.
void Close_Progress_Bar(int slot);

// The button's frame and action state reset; with snap its coloured look
// drawn; with a comment its tool tip set.
void Reset_Button_Look(int button, int snap, const char* comment);

// Sand-clock of 12 frames from "animsandclock.bmp", 50 ms apart: Start
// makes the next step due; Step draws the next frame once its time has
// come.
void Start_Sandclock(int x, int y, int background);
void Step_Sandclock(void);

// Shows the file in the desktop's picture viewer "BILDSCHAU.EXE": a viewer
// started before and still running is brought forward; else it is started
// (messages when "EXEC" or the viewer is missing). The program does not
// wait.
void Show_Picture_in_Viewer(const char* file);

#endif
