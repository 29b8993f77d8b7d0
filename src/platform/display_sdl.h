/* display_sdl.h -- the real window of the stand-in screen, on SDL2.
 *
 * Headless is the default.  Init_Grafik_Mode opens a window only when the
 * environment has a display (DISPLAY or WAYLAND_DISPLAY), no script file
 * drives the run (VEK_SCRIPT) and the batch flag is clear.  While it is
 * open:
 *   - the screen of screen.h is shown in the window, NPIXEL_X x NPIXEL_Y
 *     pixels, each as a square of VEK_SCALE x VEK_SCALE window pixels
 *     (environment entry, 1 to 8, default 1);
 *   - every wait on the event queue (events.h, input.h) first shows the
 *     screen and then blocks until the window delivers an event or the
 *     wait's time-out has passed; pxFlsh, VEKSleep and the queue's polls
 *     (hitkey) show it too;
 *   - the window's events enter the queue: a button as a press held until
 *     its release, moves (the mouse leaving the window as a move to
 *     (-1, -1)), the wheel (one step per notch), keys as getkey codes (a
 *     typed character as its code page 850 byte, other keys as
 *     VEK_Key_Code gives them), the close box as the close request; the
 *     modifier keys set getkeymask;
 *   - the clock is the real one: VEK_Clock_ms runs on in real
 *     milliseconds, VEKSleep and time-outs really wait.
 * The environment entry VEK_WINDOW_PNG names a file that the window writes
 * with Screen_Write_PNG each time the program waits with a screen changed
 * since the file was last written, so that a test can compare the window
 * with the stand-in's own picture of it.
 * The entry VEK_WINDOW_IDLE names a file that the window rewrites each time
 * the program comes to rest waiting for the user, after it took window
 * events or slept: "TAKEN RESTS\n", the number of button presses, button
 * releases and key presses taken from the window so far and the number of
 * such rests.  A test that sent n of them waits until TAKEN has grown by n:
 * the program has then handled them all and shown the result.
 */
#ifndef PLATFORM_DISPLAY_SDL_H
#define PLATFORM_DISPLAY_SDL_H

/* Opens the window when the run may have one (see above).  1 when a window
 * is open after the call, 0 headless: no display, a script file, the batch
 * flag, or the window could not be made (the reason then goes to stderr).
 * Calling it again with the window open does nothing and returns 1. */
int Init_Grafik_Mode(void);
/* Closes the window; the stand-in is headless again.  Harmless without one. */
void Exit_Grafik_Mode(void);
/* Non-zero while the window is open. */
int VEK_Display_Active(void);

/* Shows the screen in the window when it changed since it was last shown;
 * nothing headless. */
void VEK_Display_Show(void);
/* pxFlsh: shows the screen (at most every few milliseconds) and takes the
 * window's waiting events into the queue; nothing headless. */
void VEK_Display_Flush(void);
/* Shows the screen, then waits until the window's events have put
 * something into the queue or changed the modifier keys (1), or until
 * timeout_ms have passed (0; a negative time-out waits without end).
 * Headless it returns 0 at once. */
int VEK_Display_Wait(long long timeout_ms);
/* Takes the window's waiting events into the queue without waiting. */
void VEK_Display_Poll(void);
/* Waits ms real milliseconds with the window shown, its events kept in the
 * queue.  Headless nothing happens. */
void VEK_Display_Sleep(long long ms);
/* Real milliseconds spent with the window open, over all windows of the
 * run; 0 for a run that never had one. */
long long VEK_Display_Elapsed_ms(void);

/* ---- the keyboard's mapping (no window needed) ---- */

/* The getkey code of a key that types no character: sym is the key's SDL
 * key code, mod its SDL modifier state.  Enter 0x0D, Backspace 0x08, Tab
 * 0x09, Escape 0x1B, Ctrl with a letter its control character, the cursor
 * and editing keys and F1..F12 0x100 + their scan code (Ctrl with Home,
 * End, Left, Right, PgUp, PgDn their Ctrl codes), the keypad's keys with
 * Num Lock off as the cursor keys they stand for.  0 for a key whose
 * character comes as typed text, and for keys the program does not know. */
int VEK_Key_Code(int sym, int mod);

/* The code page 850 bytes of the UTF-8 text typed on the keyboard, into
 * out (at most size - 1 bytes, zero-ended).  A character without a byte in
 * code page 850, a control character and a malformed sequence are left
 * out.  Returns the number of bytes stored; 0 for unusable arguments. */
int VEK_Cp850_From_Utf8(const char* text, char* out, int size);

/* The keys of the UTF-8 text typed on the keyboard, into out (at most
 * size): a character of code page 850 as its byte, a printable character
 * without one as VEK_KEY_FOREIGN + its code point (input.h), so that the
 * editor can refuse it with a word instead of dropping it unseen.  Control
 * characters and malformed sequences are left out.  Returns how many keys
 * were stored; 0 for unusable arguments. */
int VEK_Keys_From_Utf8(const char* text, int* out, int size);

#endif
