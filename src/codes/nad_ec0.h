// The EN 1990 block of a national annex parameter set: partial factors for
// actions and combination factors psi for buildings and bridges: the record,
// its recommended values, its text form (section "#EC0" of an annex file and
// the older annex list), comparison and copy.
#ifndef CODES_NAD_EC0_H
#define CODES_NAD_EC0_H

#include <cstdio>

struct NAD_EC0_Block {
    int version;                       // layout of the text last read; 0 after defaults
    double gamma_building[4][7][2];    // [situation][action][sup, inf]
    double psi_building[12][4];        // [row][psi0, psi1, psi2, psi2E]
    double gamma_bridge[4][15][2];     // [situation][action][sup, inf]
    double psi_road_bridge[14][3];
    double psi_footbridge[7][3];
    double psi_railway_bridge[31][3];
    double a_tracks[3];                // one, two, three or more loaded tracks
};

// Clears the block and fills the recommended values; version 0. Returns 0.
// A null pointer is ignored.
int Default_NAD_EC0(NAD_EC0_Block* b);

// Writes the block's text (layout 5, every value with two decimals). The
// block is never modified. 1, or 0 for a null argument or a failed write.
int Write_NAD_EC0(FILE* f, const NAD_EC0_Block* b);
// Reads the text over what the block holds. layout 1: annex-file layout at
// the stream position; 0: the older list, whose part begins with the title
// line " Lastfaktoren" (not found before "#NAD" or the end: nothing changes
// and the position is restored). From the first value that does not convert
// on, every field keeps what it held; a text without its layout number keeps
// the whole bridge part and psi2E and sets version 2. Returns 1 when the text
// held everything its layout announces, 0 when it broke off (or the title
// was not found, or an argument is null).
int Read_NAD_EC0(FILE* f, NAD_EC0_Block* b, int layout);
// 1 as soon as one of the 383 factors differs by more than 0.0001 (or an
// argument is null), else 0. The version word is not compared.
int Compare_NAD_EC0(const NAD_EC0_Block* a, const NAD_EC0_Block* b);
// Copies the 383 factors, not the version word; nothing for a null pointer.
void Copy_NAD_EC0(NAD_EC0_Block* dst, const NAD_EC0_Block* src);
int NAD_EC0_Return_Zero();

#endif
