// Helpers shared by the font and the screen of the stand-in window library;
// not for other modules.
#ifndef PLATFORM_FONT_INTERNAL_H
#define PLATFORM_FONT_INTERNAL_H

#include <cstddef>
#include <cstring>

// Characters a px text call takes: the whole zero-ended text for a length
// below 0, otherwise at most length characters, stopping early at a
// terminator so that a length longer than the text never reads past it.
// A null text has none.
inline size_t RFont_Text_Length(const char *text, int length) {
    if (!text) return 0;
    if (length < 0) return std::strlen(text);
    size_t n = 0;
    while (n < static_cast<size_t>(length) && text[n] != '\0') n++;
    return n;
}

#endif
