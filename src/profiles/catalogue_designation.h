// catalogue_designation: what a catalogue designation says of its profile.
//
// A designation names a series and a size, and most series state the size
// in the name: HE 300 B is 300 high, HE 300 M 340 by its series, IPE 300 is
// 300 high with parallel flanges, I 300 as high with flanges sloped 14 %,
// L 100 x 50 x 6 has legs of 100 and 50 and walls of 6, a tube R 88.9 x 5.0
// is 88.9 wide with a wall of 5.0, an American shape W 130 x 130 x 23.8
// weighs 23.8 kg/m and stands near its nominal depth and width. A record
// that holds another size's values under the name (however consistent they
// are among themselves) contradicts it: the designation is what the user
// chose, so such a record is refused, not taken for the size it holds.
//
// The statements are ranges of a record's values in the record's units
// (cm, cm²): exact sizes within half a unit of the last digit given (a
// series table's dimensions likewise), the mass per metre as the area it
// gives with a density of 7850 kg/m³, nominal sizes of the American shapes
// within bands measured over the shipped catalogue (the table in
// catalogue_designation.cpp). Designations of no series known here state
// nothing. Pure functions, no state.
#ifndef PROFILES_CATALOGUE_DESIGNATION_H
#define PROFILES_CATALOGUE_DESIGNATION_H

// What a range holds: the depth h; the width b; the wall (for the families
// with one thickness, both t_w and t_f); the depth between the flanges
// h - 2 t_f; the width beside the web b - t_w; the area (from the mass per
// metre); the slope of the inner flange faces (rise per unit run); the root
// radius (a rolled section's is above 0: lo is 0, hi unbounded).
enum Stated_Kind {
    STATED_H,
    STATED_B,
    STATED_WALL,
    STATED_INNER,
    STATED_OUTSTAND,
    STATED_AREA,
    STATED_SLOPE,
    STATED_ROOT,
};

struct Stated_Range {
    Stated_Kind kind;
    double lo, hi;
    double value;  // the size the designation gives, within [lo, hi]; not a number for a band or a bound
};

enum { DESIGNATION_MAX_STATED = 8 };

struct Designation_Statement {
    char letter;  // the family letter of the series; 0 when the designation names none known here
    int count;
    Stated_Range stated[DESIGNATION_MAX_STATED];
};

// Reads the designation name (blanks, tabs and case aside) as a member of
// its series. 1 with *statement filled when it names a series and a size
// known here; else 0 and an empty statement (letter 0). Null arguments give
// 0.
int Designation_Statement_Of(const char* name, Designation_Statement* statement);

// Density of steel as the mass per metre of a designation takes it:
// kg/m per cm² of area.
constexpr double STEEL_KG_PER_M_CM2 = 0.785;

#endif
