// Must not compile: the Greek sigma has no byte in code page 850.
#include "base/cp850.h"
const char* text = "σ"_cp;
