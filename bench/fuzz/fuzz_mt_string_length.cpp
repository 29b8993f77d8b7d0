// Fuzz target: the visible length of a marked-up print-list text, on any
// bytes (terminated; embedded zero bytes end the text early).
#include "fuzz_common.h"

#include <string>

#include "platform/oli_layout.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    // An exact-size heap copy, so reading past the terminator is caught.
    char* text = static_cast<char*>(std::malloc(size + 1));
    if (!text) return 0;
    std::memcpy(text, data, size);
    text[size] = '\0';
    const int n = MT_String_Length(text);
    if (n < 0 || static_cast<size_t>(n) > size) __builtin_trap();
    std::free(text);
    return 0;
}
