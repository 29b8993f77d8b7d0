// The EN 1990 block of a national annex parameter set: partial factors for
// actions and combination factors psi for buildings and bridges. This module
// holds the record and its recommended values; its text form in section
// "#EC0" has no reader or writer here yet, so a set keeps these values.
#ifndef CODES_NAD_EC0_H
#define CODES_NAD_EC0_H

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

#endif
