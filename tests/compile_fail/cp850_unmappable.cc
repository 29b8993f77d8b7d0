// Must not compile: the Greek sigma has no byte in code page 850.
// With CP850_MAPPABLE it must compile, and the bytes are checked while
// compiling, so a failure above is the refusal and not a broken header.
#include "base/cp850.h"
#ifdef CP850_MAPPABLE
static_assert("Tragfähigkeit ≤ 1"_cp[5] == '\x84' && "Tragfähigkeit ≤ 1"_cp[14] == '\xF3' &&
              "Tragfähigkeit ≤ 1"_cp[17] == '\0');
#else
const char* text = "σ"_cp;
#endif
