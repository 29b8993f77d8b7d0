// invariant: the one report of a broken invariant.
#include "base/invariant.h"

#include <cstdio>
#include <cstdlib>

int Invariant_Entry_Depth = 0;

void Invariant_Failed(const char* model, const char* invariant, const char* file, int line) {
    std::fprintf(stderr, "invariant broken: %s: %s (%s:%d)\n", model ? model : "?", invariant ? invariant : "?",
                 file ? file : "?", line);
    std::fflush(stderr);
    std::abort();
}
