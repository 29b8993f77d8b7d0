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

/* A table of such calls is a struct with one member per function of an
 * X-list (LIST(X) expands X(name) for each), each declared by
 * VEK_CALL_SLOT(name): a pointer of the function's own type, so that the
 * calls are checked against the library's header.  VEK_LOAD_CALLS(table,
 * LIST, libraries, why) fills `table` from the array `libraries` of
 * library names: 1, or 0 with the table untouched and the reason in *why. */
#define VEK_CALL_SLOT(f) decltype(&::f) f = nullptr;
#define VEK_CALL_NAME(f) #f,
#define VEK_CALL_TAKE(f) vek_table.f = reinterpret_cast<decltype(vek_table.f)>(*vek_slot++);
#define VEK_LOAD_CALLS(table, LIST, libraries, why)                                                            \
    ([&]() -> int {                                                                                             \
        static const char* const vek_names[] = {LIST(VEK_CALL_NAME)};                                           \
        constexpr int vek_count = sizeof vek_names / sizeof vek_names[0];                                       \
        void* vek_slots[vek_count];                                                                             \
        if (!VEK_Open_Library_Calls(libraries, sizeof libraries / sizeof libraries[0], vek_names, vek_slots,   \
                                    vek_count, why))                                                            \
            return 0;                                                                                           \
        auto& vek_table = table;                                                                                \
        void** vek_slot = vek_slots;                                                                            \
        LIST(VEK_CALL_TAKE)                                                                                     \
        return 1;                                                                                               \
    }())

#endif
