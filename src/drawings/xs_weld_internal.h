// What the print-list picture of the profile (xs_weld_plot.cpp) and the
// single welds of the connection sketch drawn on it (xs_weld_sketch.cpp)
// share: the boxes of texts and when two read as one word.
#ifndef DRAWINGS_XS_WELD_INTERNAL_H
#define DRAWINGS_XS_WELD_INTERNAL_H

#include <vector>

// A text's box, x to the right and y down the page: on the page of the
// current picture as the picture writer notes it (cm from the picture's
// upper left corner), or in a sketch's world units.
struct Text_Box {
    double x1, y1, x2, y2;
};

// Whether the text of box a stands on one line of text with one of
// `placed`, closer than `apart` beside it: the two read as one word.
inline bool Runs_Together(const Text_Box& a, const std::vector<Text_Box>& placed, double apart) {
    for (const Text_Box& b : placed)
        if (a.y1 < b.y2 && b.y1 < a.y2 && a.x1 < b.x2 + apart && b.x1 < a.x2 + apart) return true;
    return false;
}

#endif
