/* library_calls.h -- libraries opened when the path that needs them first
 * runs.
 *
 * The real window (SDL2) and the print-list renderer (pango, cairo) bring
 * some 80 shared libraries with them.  Linked to the program they were
 * loaded and relocated at every start, about 7 ms, although a batch run
 * never opens a window nor draws a page.  Their calls now go through a
 * table of function pointers that is filled on first use.
 */
#ifndef PLATFORM_LIBRARY_CALLS_H
#define PLATFORM_LIBRARY_CALLS_H

#include <string>

/* Opens the libraries `sonames` (count `libraries`, in order) and looks up
 * each of the `count` functions `names` in them, the first library that has
 * it giving it, into slots[i].  1 when every library opened and every name
 * was found; otherwise 0, the slots untouched, and *why says what failed.
 * Libraries once opened stay open for the life of the process. */
int VEK_Open_Library_Calls(const char* const sonames[], int libraries, const char* const names[], void* slots[],
                           int count, std::string* why);

#endif
