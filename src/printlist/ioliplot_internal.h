// Helpers shared by the picture writer's units (ioliplot*.cpp); not for
// callers outside the picture writer.
#ifndef PRINTLIST_IOLIPLOT_INTERNAL_H
#define PRINTLIST_IOLIPLOT_INTERNAL_H

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <string>

#include "platform/oli_graphic_records.h"
#include "printlist/ioliplot.h"

namespace ioliplot {

constexpr double PI = 3.14159265358979323846;
constexpr double DEGREES = 57.29577951308232;  // per radian

// The picture state (same instance as Oli_Get_Picture_State).
Oli_Picture_State& S();
// Grows the bounding box by a world point.
void Extend_Box(double x, double y);
// Grows the bounding box as Extend_Box of points with these least and
// largest coordinates does (an empty range, least above largest, leaves it).
void Extend_Box_Range(double xmin, double xmax, double ymin, double ymax);
// Turns a world point by the picture rotation (about the origin).
void Turn(double* x, double* y);
// Turns n points of a working copy in place.
void Turn_Points(int n, double x[], double y[]);
// Element end with the result of its last write.
int Element_End(void);
// Writes " 13 <h>" and keeps h as the height of the texts that follow.
void Text_Height_Record(double h);
// Notes the paper box of a text record written at the paper point
// (px, py) with its alignment code and angle (degrees), and empties the
// notes (every opening of a picture).
void Note_Text(double px, double py, int code, double degrees, const char* text);
// The ink the viewer draws for a text of the text height (cm) written with
// the alignment code of a text record and no turn: its box from the
// record's point, cm, x to the right and y down the page. False (the box
// untouched) for a text without ink (blanks, nothing) or a height that is
// no positive number below 1000 cm. Never fails otherwise.
bool Text_Ink(const char* text, int code, double height, double* x1, double* y1, double* x2, double* y2);
void Clear_Taken(void);
// The fill pattern last written (record 20), kept across an element as the
// viewer keeps it: a clear label background puts it back after its white
// box. Reset by every opening.
void Note_Fill(int pattern);
void Note_Element(bool begin);
// With clear labels (Oli_Set_Clear_Labels): the white box of a turned text
// (Oli_Text_Rotated) written ahead of it, at the current text height, so
// that it goes under the texts written before that one too (the raised
// decimal of a dimension beside its number); the next Oli_Text_Rotated
// then writes none of its own.
void Clear_Rotated_Ahead(double x, double y, const char* text);
// A picture opens with the paper extent x1 x2 y1 y2: its boxes start empty
// (unless Oli_Keep_Taken_Areas asked to keep those of the picture before).
void Begin_Taken(double x1, double x2, double y1, double y2);
// Area record 18 of n turned world points, each times the scale of its
// axis; end closes the record (" \n" or "\n", as each writer has always
// ended it).
void Write_Area_Record(int n, const double x[], const double y[], const char* end);

// The text of the n values as Safe_Write_Fixed writes them (a blank and
// "%lf" each: value i begins at the i-th blank), formatted once for as long as the sequence
// keeps its place in a memo of the sequences written before (a picture
// drawn for every load case of a connection writes the same coordinates
// each time). Valid until the next call.
const std::string& Format_Values(const double* v, int n);
// Writes lead, the values and tail as Safe_Write_Fixed(stream, lead, v, n,
// tail) does; nothing without a stream.
void Write_Values(FILE* stream, const char* lead, const double* v, int n, const char* tail);
// Appends v as "%d" writes it.
void Append_Int(std::string* out, long long v);

// A hash of n 64-bit words (the bits of doubles compared bit for bit).
inline std::uint64_t Hash_Bits(const void* words, size_t n) {
    std::uint64_t h = 0x9E3779B97F4A7C15ull ^ n;
    for (size_t i = 0; i < n; i++) {
        std::uint64_t w;
        std::memcpy(&w, static_cast<const char*>(words) + i * sizeof w, sizeof w);
        h = (h ^ w) * 0x100000001B3ull, h ^= h >> 29;
    }
    h *= 0xBF58476D1CE4E5B9ull;
    return h ^ (h >> 32);
}

// The place of a key in a memo of kSlots places (slots[0 .. kSlots)), a key
// in one of the kWays places from its hash on; a place tells by its "used"
// (0 empty, else the clock when it was last used) and holds(place) whether
// it holds the key. *found when one does (its use noted); otherwise the
// place used longest ago of the key's ways, noted as used now, for the
// caller to fill. Always inlined: a caller that knows its key's size (a
// line's four values) has its comparison made for that size.
template <size_t kSlots, size_t kWays, typename Slot, typename Holds>
[[gnu::always_inline]] inline Slot& Memo_Place(Slot* slots, std::uint64_t hash, std::uint64_t* clock, Holds holds, bool* found) {
    static_assert(kWays > 0 && (kWays & (kWays - 1)) == 0 && kSlots % kWays == 0);
    const size_t first = hash % kSlots & ~(kWays - 1);
    Slot* place = &slots[first];
    for (size_t i = first; i < first + kWays; i++) {
        Slot& p = slots[i];
        if (p.used && holds(p)) {
            p.used = ++*clock;
            *found = true;
            return p;
        }
        if (p.used < place->used) place = &p;
    }
    *found = false;
    place->used = ++*clock;
    return *place;
}

}  // namespace ioliplot

#endif
