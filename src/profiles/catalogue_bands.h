// catalogue_bands: how closely a catalogue record's values are held to the
// outline of its dimensions, by family and by the series whose tables they
// come from.
//
// The published tables of a series agree with the outline of their own
// dimensions within a spread that their method gives (the American tables
// take their root radius from the design distance k, the torsion and
// warping constants follow each kind of table's formula); a value beyond its
// series' spread and a margin for the tables' rounding is no table's. The
// measured spread and the records that set it are written beside the
// tolerances. Pure data and functions, no state.
#ifndef PROFILES_CATALOGUE_BANDS_H
#define PROFILES_CATALOGUE_BANDS_H

#include "profiles/catalogue_designation.h"
#include "profiles/catalogue_outline.h"

namespace catalogue {

// The tables a record's values come from, told by its designation: the
// American shapes (W, S, M and HP beams, C channels) take their root radius
// from the design distance k, which the outline can hold only loosely; the
// European tables agree with the outline far more closely. The W, S and HP
// shapes each have their own tolerances, the M shapes (none in the
// catalogue) those of all American beams. A record whose designation names
// no series known here (none, an empty one, a user's own name) may stand
// for any whose shape it has: it is held by each such series' own row in
// turn, as tightly as under that series' designation.
enum Series { SERIES_ANY, SERIES_EUROPEAN, SERIES_AMERICAN, SERIES_W, SERIES_S, SERIES_HP };

// The series of a record by what its designations state (count of them,
// catalogue_designation.h): the first that names a series; SERIES_ANY
// where none does. Never fails.
Series Series_Of(char letter, const Designation_Statement* stated, int count);

// A value may lie `below` under the outline's value (or under the lower
// end of its range) or `above` over it, as shares of it.
struct Share {
    double below, above;
};
struct Band {
    double lo, hi;  // stored / closed form
};
struct Tolerances {
    char letter;
    Series series;
    Share area, centroid, second, elastic, plastic;
    Band torsion, torsion_sloped, warping;
    double angle;  // the principal axes' angle, radians
    bool torsion_of_plates = false;  // the torsion bands are of the plates' thin-walled sum
    bool warping_of_plates = false;  // the warping band is of the closed form of parallel flanges
};

// The rounding of a table of three significant figures, the coarsest of
// the tables: the margin beyond each measured spread.
constexpr double MARGIN = 0.005;
// Records without a published torsion constant hold the thin-walled sum of
// their plates: held to it this closely.
constexpr double THIN_TORSION_TOLERANCE = 0.002;

// The tolerances of a family and series (a series the family has no own
// row for takes the European one); the last row for the families without
// a record in the catalogue.
const Tolerances& Tolerances_Of(char letter, Series series);
// The area band of a row for a record whose name states no series (its
// series' own spread, catalogue_bands.cpp); the row's area band where it
// has none. The stored area's own rounding is allowed beside it, never
// beyond the row's area band.
Share Own_Name_Area(char letter, Series series);
// The most series a record is judged by.
constexpr int MAX_SERIES_JUDGED = 4;
// The series a record is judged by: its own (the HP piles besides by the
// European row), or, when the designation names none, each series its
// family has a row for, one by one. The number of them.
int Series_To_Judge(char letter, Series series, Series out[MAX_SERIES_JUDGED]);
// Whether an outline has the shape a series' tables are of, so that a
// record of no known series may be held by that series' row: the W shapes
// and HP piles have parallel flanges, the piles' web as thick as their
// flanges (within HP_WALL_SHARE, as under an HP designation), the S shapes and C
// channels flanges sloped (1:6). The European rows hold every shape.
bool Series_Shape_Of(char letter, Series series, const Catalogue_Outline& outline);

}  // namespace catalogue

#endif
