// catalogue_ties: a catalogue record under judgement, and what its values
// promise among themselves beyond the outline.
//
// A record's dimensions keep the rules of their standards (its ties): a
// tube's width is its diameter, an angle's and a hollow section's walls
// stand in both thickness values, toe and corner radii go with the root
// radius and the wall, a sloped flange has a slope a standard gives and
// tells it by its values 27 (PROFIL) or 37 and 29 (ProfilData.bin), and the
// designation states sizes (catalogue_designation.h). Each tie is a
// residual over the values it binds: 0 agrees exactly, 1 at the limit.
// Pure functions, no state.
#ifndef PROFILES_CATALOGUE_TIES_H
#define PROFILES_CATALOGUE_TIES_H

#include <array>
#include <vector>

#include "profiles/catalogue_bands.h"
#include "profiles/catalogue_designation.h"
#include "profiles/catalogue_outline.h"

namespace catalogue {

// The quantities a record gives, in the order of the profile file.
enum Quantity {
    Q_A, Q_E_Z, Q_E_Y, Q_TAN, Q_I_Y, Q_I_Z, Q_I_1, Q_W_1_TOP, Q_W_1_BOTTOM, Q_W_PL_Y, Q_W_PL_1, Q_I_2,
    Q_W_2_LEFT, Q_W_2_RIGHT, Q_W_PL_Z, Q_W_PL_2, Q_I_T, Q_I_W, Q_COUNT
};

constexpr int MAX_VALUES = 39;

// Where a record holds its dimensions and quantities, and what its file
// promises beyond the outline.
struct Layout {
    int dimension[DIM_SLOPE + 1];  // value index of h, b, t_w, t_f, r_1, r_2 and the slope's source
    int quantity[Q_COUNT];
    bool negative_is_none;         // a warping constant below 0 stands for none
    bool profil;                   // PROFIL: the slope told by value 27, the documented zeros and sums
    int reach;                     // t_f + r_1 (+ the slope's rise): PROFIL's value 27, where ProfilData.bin has it
};

// The layouts of a PROFIL record (35 values) and of a ProfilData.bin
// record (39 values).
extern const Layout PROFIL_LAYOUT, PROFILDATA_LAYOUT;
constexpr int PROFIL_COUNT = 35, PROFILDATA_COUNT = 39;

// A record under judgement; repairs are tried on copies.
struct Record {
    char letter;
    int code;                        // ProfilData.bin's type code
    Series series;
    const Layout* at;
    std::array<double, MAX_VALUES> x;
    // What the designation (and a ProfilData.bin record's alias) states of
    // the record; judged unless `statements` is 0.
    Designation_Statement stated[2];
    int statements = 0;
    double& Dim(Bad_Dimension d) { return x[at->dimension[d]]; }
    double Dim(Bad_Dimension d) const { return x[at->dimension[d]]; }
};

// How far a value is from agreeing: 0 agrees exactly, 1 at the limit,
// beyond 1 it does not agree.
constexpr double BROKEN = 1e6;

// The promises among a record's dimensions that the outline does not keep
// by itself, each as its residual over the values it ties.
struct Tie {
    double residual;
    int index[3];
};

// A stated range as the record holds it: the value, its residual, and the
// value that names it with what that value is to be.
struct Stated_Value {
    double residual;
    int index[3];
    double expected;  // for index[0]; not a number where no value would do
};

// Where PROFIL's t_f stands and where value 27 reads the flange: double-T
// at b/4 from the tip, read where the root fillet begins; tees the same,
// read at the web; channels at b/2, read where the root fillet begins.
// The distance between the two: the run over which value 27 tells the
// slope.
double Slope_Run(char letter, double b, double t_w, double r_1, double* nominal_from_tip);
// The slope value 27 (reach, where the root fillet begins) tells of a
// flange of nominal thickness t_f: its rise over Slope_Run; 0 for a family
// without a slope, as it comes (the callers drop what single precision
// leaves of parallel flanges).
double Reach_Slope(char letter, double b, double t_w, double t_f, double r_1, double reach, double* nominal_from_tip);
// A ProfilData.bin record of a flanged family may leave its flanges' slope
// untold: value 37 (per cent) and value 29 (PROFIL's value 27) both 0 or
// below. Where its designation states no slope either, the slope is the
// standard one its values fit (Evaluate).
bool Slope_Untold(const Record& r);
// The slope of a record's flanges: PROFIL's from value 27; ProfilData.bin's
// from value 37, where that is not given from value 29, where neither is
// the slope its designation states (parallel where it states none).
double Record_Slope(const Record& r);
// The outlines a record may stand for: one, or two for a sloped flange,
// whose t_f stands where the standard of the profile puts it: the European
// beams and 8 % channels at a fixed share of the width, the American shapes
// and the 5 % channels (their thickness the flange's average) in the middle
// of the outstand. A record does not say which standard it follows.
int Record_Outlines(const Record& r, Catalogue_Outline out[2]);
// How far a slope is from the nearest slope a standard gives (residual).
double Slope_Residual(double slope);
// A range the designation states (catalogue_designation.h), as the record
// holds it.
Stated_Value Stated_Of(const Record& r, const Stated_Range& s);
// What value `index` of the record is to hold for the range s to hold at
// the size it gives (a band at its nearer end), the record's other values
// as they are: the designation's size of a value it states alone, the
// flanges' thickness that gives the depth between them (h - 2 t_f), the
// web that gives the width beside it, one thickness of an HP pile's from
// the other. Not a number where the range does not bind that value or
// gives none for it (a root radius the tables leave open).
double Stated_Repair(const Record& r, const Stated_Range& s, int index);
// Whether s binds one value of the record alone (a size, a wall, the
// area, the root radius), not a sum or a share of two.
bool Stated_Alone(const Stated_Range& s);
// The family letter a designation gives when it is not the record's; 0
// when none contradicts it (or the record's letter is of no family, which
// the readers refuse on its own).
char Stated_Letter(const Record& r);
// Every tie of the record, the designation's statements among them.
std::vector<Tie> Ties(const Record& r);

// A tie between a record's section values, whatever the tables' method: a
// value, how far it is from agreeing (0 exactly, 1 at the limit) and what
// the others give for it.
struct Value_Tie {
    int index;
    double residual, expected;
};
// How closely an elastic modulus times the distance of its extreme fibre
// gives its second moment: the spread measured over the catalogue (W 310 x
// 310 x 415 +0.84 %, W 840 x 405 x 299 -0.75 %) and the margin of 0.5 %,
// rounded up; the stored values' own rounding where it is coarser (S 75 x
// 60 x 8.5's I_z of 19 cm^4, two figures).
constexpr double MODULUS_TIE = 0.014;
// How closely a value the file states twice agrees with itself (the
// principal moments of a section whose axes are principal, and the two
// plastic moduli about one axis): the rounding of three figures.
constexpr double SAME_VALUE_TIE = 0.005;
// Half a unit of the last digit a stored value is given to, as a share of
// it (19 gives 2.6 %, 6.28 0.08 %); 0 for 0 and what is no number.
double Stated_Rounding(double x);
// The ties among the record's section values that hold for every table: an
// elastic modulus is its second moment over the distance of its extreme
// fibre (the record's own centroid; rotated principal axes, angles and
// zeds, the outline v's fibres), the principal moments of a section whose
// axes are principal (tan alpha 0, no angle or zed) are its I_y and I_z,
// and the second plastic modulus about an axis is the first. A moment
// changed alone (S 100 x 70 x 11.5's I_y and I_1 5 % high, within its
// series' band) breaks them.
std::vector<Value_Tie> Section_Value_Ties(const Record& r, const Catalogue_Section& v);
// What the ties give for dimension index, each way they may be kept.
void Tie_Repairs(const Record& r, int index, std::vector<double>* out);
// A record of count values in the layout at, its series and statements
// told by its designation name and a ProfilData.bin record's alias (either
// may be null).
Record Make_Record(char letter, int code, const char* name, const float* values, const Layout& at, int count,
                   const char* alias = nullptr);

}  // namespace catalogue

#endif
