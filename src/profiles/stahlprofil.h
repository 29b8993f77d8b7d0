// The weld program's steel profile record: kind, profile type, dimensions in
// mm, rolled or welded with root radii or welds, section values in mm-based
// units, grade and catalogue name. One lives in the connection record and one
// in every weld check record. The catalogue fills it by name
// (Load_Profile_Values in profile_catalogue.h).
//
// Beside the record: its small operations (stahlprofil.cpp), the section
// values by profile type (stahlprofil_values.cpp) and its block of the input
// file with its print text (stahlprofil_file.cpp).
//
// The profile code of the weld program answers 0 for success and 1 for an
// error; errors go to the print list behind the check-line prefix and the
// caller's prefix, and to a message box when asked. Single-threaded module
// state (the section-model builder, the mode flag, the once-per-run notices).
#ifndef PROFILES_STAHLPROFIL_H
#define PROFILES_STAHLPROFIL_H

#include <cstdio>
#include <initializer_list>

#include "codes/blech.h"
#include "codes/material.h"

enum {
    STAHLPROFIL_NAME_SIZE = 40,       // 39 characters, blank-padded, and the terminator
    STAHLPROFIL_TYPE_COUNT = 18,      // types 0..17
    STAHLPROFIL_EDGES = 20,           // entries of the weld-edge table
    STAHLPROFIL_BLOCK_VERSION = 10,   // version of the input-file block written
};

// Profile types.
enum {
    PROFILTYP_NONE = 0,
    PROFILTYP_FLACH = 1,
    PROFILTYP_RUND = 2,
    PROFILTYP_L = 3,
    PROFILTYP_I = 4,
    PROFILTYP_H = 5,
    PROFILTYP_C = 6,
    PROFILTYP_DIL = 7,
    PROFILTYP_RECHTECK = 8,
    PROFILTYP_ROHR = 9,
    PROFILTYP_S = 10,
    PROFILTYP_T = 11,
    PROFILTYP_U = 12,
    PROFILTYP_W = 13,
    PROFILTYP_Z = 14,
    PROFILTYP_HALB_I = 15,
    PROFILTYP_KASTEN = 16,
    PROFILTYP_TRAPEZ = 17,
};

// Bit masks over the type number: the I family, and the types with two
// independent flanges (the I family and the box).
enum : unsigned {
    PROFILTYP_MASK_I = 0x24B0u,
    PROFILTYP_MASK_TWO_FLANGES = 0x124B0u,
};

// Kinds of a profile record.
enum {
    STAHLPROFIL_KIND_DIMENSIONS = 0,  // typed-in dimensions
    STAHLPROFIL_KIND_CATALOGUE = 1,   // catalogue profile
    STAHLPROFIL_KIND_FOREIGN = 2,     // not computable here
};

struct Stahlprofil {
    int kind;  // STAHLPROFIL_KIND_*
    int type;  // 0 no profile, 1..17
    double h, t_w, b_fo, t_fo, b_fu, t_fu;
    double b_ueo, b_ueu;  // flange overhangs beyond the web (box section)
    int rolled;           // 1 rolled (root radii), 0 welded from plates
    double r_1, r_2;
    double a_o, a_u;  // weld throats at the upper and lower flange
    int weld_kind_top, weld_kind_bottom;  // 0 fillet, else full penetration
    int hot_finished;
    double h_w, c_o, c_u;
    double A_vy, A_vz, A, U;
    double y_s, z_s, y_M, z_M;
    double I_y, I_z, I_yz, I_T, I_w;
    double alpha;  // degrees
    double W_pl_y, W_pl_z;
    int symmetric;
    int manager_flag;
    Materialparameter_Record material;
    char name[STAHLPROFIL_NAME_SIZE];
};

// 1 when the type lies in the bit mask (types 0..31), else 0.
int Is_Profile_Type_In(unsigned mask, int type);
// Whether the type is one of the types listed (PROFILTYP_* names).
inline bool Is_Profile_Type_One_Of(int type, std::initializer_list<int> types) {
    for (int t : types)
        if (t == type) return true;
    return false;
}

// ---- record (stahlprofil.cpp) ----

// The type's name, 10 characters blank-padded ("Default", "Flachstahl", ...);
// null for a type outside 0..17.
const char* Get_Profile_Type_Name(int type);
// Kind 0, type 0, every number and flag 0, cleared steel material, the
// manager flag of the catalogue, blank name. Null is ignored.
void Init_Profile(Stahlprofil* profile);
// 1 when the catalogue name fits *type (set from the name when it was 0),
// else 0 (*type unchanged).
int Get_Profile_Type_From_Name(const char* name, int* type);
// 1 when the type's family is represented by the first argument: the I
// family by 4, tees by 11, channels by 12, the two tubes by 9, every other
// type by itself.
int Is_Profile_Type_Family(int representative, int type);
// A catalogue profile by name, keeping the record's material. 0 on success,
// 1 for a null record or a name no shape or type fits (record then holds
// what the catalogue left).
int Init_Profile_From_Name(Stahlprofil* profile, const char* name);
// A flat bar of the plate's width and thickness and material; the result of
// Calc_Profile_Cross_Section.
int Init_Profile_From_Plate(const Blech_Record* plate, Stahlprofil* profile);
// The catalogue profile HE280A in the default steel; the result of
// Calc_Profile_Cross_Section.
int Set_Default_Profile(Stahlprofil* profile);
int Set_Sample_Profile_L150X100X10(Stahlprofil* profile);
int Set_Sample_Profile_L120X10(Stahlprofil* profile);
int Set_Sample_Profile_L100X10(Stahlprofil* profile);
int Set_Sample_Profile_T100(Stahlprofil* profile);
int Set_Sample_Profile_Tube(Stahlprofil* profile);
// Target initialised, then (with a source) every field but the manager flag
// copied. A null target does nothing; the source is never modified.
void Copy_Profile(const Stahlprofil* source, Stahlprofil* target);
// 1 when both describe the same profile (section values not compared), else
// 0, also for a null argument.
int Compare_Profiles(const Stahlprofil* a, const Stahlprofil* b);
// The largest / smallest plate thickness; 0 for kind 2, type 0 or types
// above 17.
double Get_Profile_Max_Dimension(const Stahlprofil* profile);
double Get_Profile_Min_Dimension(const Stahlprofil* profile);
// Typed-in profiles only: the lower flange (and weld) takes the upper one's
// values; angles and trapezoids take t_w for every wall.
void Sync_Symmetric_Profile_Flanges(Stahlprofil* profile);
// A - n d t; an unequal angle counts as the equal one of the leg flag picks.
// 0 for a null profile.
double Calc_Profile_Net_Area(const Stahlprofil* profile, int flag, int n, double d, double t);
// The faces of a profile a weld can lie on: the indexes of the weld-edge
// table and of the weld arrays of a connection, named by the faces of the
// I family. The other families give the same indexes to faces of their own
// (docs/drawings.md): the flat bar and the rectangular tube 0 top, 3
// bottom, 1 left, 2 right; channels and the Z 0, 1 and 3, 4 the top and
// bottom flange, 2 and 6 the web, 8 and 9 the flange ends; the tee 9 the
// end of its web; the angle 0, 1 leg b, 2, 6 leg h, 8, 9 their ends.
enum {
    WELD_FACE_TOP_OUTER = 0,
    WELD_FACE_TOP_INNER_LEFT = 1,
    WELD_FACE_WEB_LEFT = 2,
    WELD_FACE_BOTTOM_OUTER = 3,
    WELD_FACE_BOTTOM_INNER_LEFT = 4,
    WELD_FACE_TOP_INNER_RIGHT = 5,
    WELD_FACE_WEB_RIGHT = 6,
    WELD_FACE_BOTTOM_INNER_RIGHT = 7,
    WELD_FACE_TOP_END_LEFT = 8,
    WELD_FACE_BOTTOM_END_LEFT = 9,
    WELD_FACE_TOP_END_RIGHT = 10,
    WELD_FACE_BOTTOM_END_RIGHT = 11,
    WELD_FACE_TOP_OUTER_RIGHT = 12,     // a split top flange weld: its right half (0 the left)
    WELD_FACE_BOTTOM_OUTER_RIGHT = 13,  // a split bottom flange weld: its right half (3 the left)
    // The flat bar's and the rectangular tube's sides (top and bottom are
    // the flanges' outer faces).
    WELD_FACE_SIDE_LEFT = WELD_FACE_TOP_INNER_LEFT,
    WELD_FACE_SIDE_RIGHT = WELD_FACE_WEB_LEFT,
};

// The weld-edge table: edge lengths and position codes per index. The
// number of indexes in use, -1 for types without edges (arrays zero), 0 for
// a null length array.
int Get_Profile_Plate_Elements(const Stahlprofil* profile, double* lengths, int* codes);
// Each weld length limited to its edge's length (round sections excepted).
void Clip_Extents_By_Profile(const Stahlprofil* profile, double* lengths);
// HEA280 -> HE280A, in place; other names unchanged.
void Normalize_HE_Profile_Name(char* name);

// ---- section values (stahlprofil_values.cpp) ----

// Checks and completes the dimensions, fills the section values. 0 for
// success or nothing to do (null, kind 2, type 0), 1 for an error: a wrong
// catalogue selection or description (section values then cleared, so that
// no check uses them) or a material fault. Error lines go to list (or
// nowhere), boxes appear with show_message; prefix may be null.
int Calc_Profile_Cross_Section(Stahlprofil* profile, FILE* list, int show_message, const char* prefix);
// 1 when the dimensions describe the section as they stand: the section
// check takes them without widening a flange, and every face a weld can
// take (thicknesses, the clear web between flanges and fillets or flange
// welds, the outstands beside the web, a tube's inner faces) keeps a length
// of at least 0.001 mm; else 0 (also for null). Never modifies the profile.
// A type without faces of its own (box, trapezoid) only has to pass the
// check.
int Profile_Dimensions_Fit(const Stahlprofil* profile);
// The largest value of one radius or flange-weld throat (member r_1, r_2,
// a_o or a_u) with which the other dimensions still describe the section
// (Profile_Dimensions_Fit): for an I section's root radius the smaller of
// the flange outstand (b - t_w) / 2 and half the clear web h - 2 t_f, less
// the 0.001 mm a face keeps. -1 where the section fits with none of them
// (0 does not fit either), or for null. Never modifies the profile.
double Profile_Largest_Fitting(const Stahlprofil* profile, double Stahlprofil::*member);
// The earlier form: resets the record to a typed-in 100 x 10 flat bar of
// the default steel, then computes it without any message or line.
int Calc_Profile_Cross_Section_Old(Stahlprofil* profile);
// Offsets that fillets and welds take from the faces; outputs may be null.
void Calc_Profile_Weld_Offsets(const Stahlprofil* profile, double* top, double* bottom, double* root);
// Side slope of boxes and trapezoids, radians; 0 for other types.
double Calc_Profile_Flange_Slope(const Stahlprofil* profile);
// A box's right web (any one unit of length): the y of its centre line at
// the depth z below the box's top, its outer face at b_fo/2 under the top
// flange (t_fo) and at b_fu/2 over the bottom one (t_fu) of the box of
// height h, t_w thick across the web; its width along y into *across when
// given. A box without a clear web height takes its webs upright.
double Calc_Box_Web_Centre(double h, double t_w, double b_fo, double t_fo, double b_fu, double t_fu, double z,
                           double* across);
// The slope of a rolled catalogue channel's inner flange faces (thickness
// gained per unit of width towards the web) from its catalogue record; 0
// for other profiles, parallel flanges, or a record whose measures are no
// longer its name's.
double Get_Catalogue_Flange_Slope(const Stahlprofil* profile);
// The same from a channel's 35 catalogue values (cm); 0 without a slope.
double Calc_Channel_Flange_Slope(const float* values);
double Calc_Profile_Shear_Area_Vz(const Stahlprofil* profile);
double Calc_Profile_Outstand(const Stahlprofil* profile, int upper);
double Calc_Profile_Iy(const Stahlprofil* profile);
double Calc_Profile_Iz(const Stahlprofil* profile);
// St. Venant constant of a rectangle a x b and (when w_t is given) its
// torsion modulus; 0 (w_t untouched) for a side below 0.001.
double Calc_Rect_Torsion_Coeff(double a, double b, double* w_t);
double Calc_Trapezoid_Area(double x, double y_1, double y_2);

// The thin-walled line model that supplies torsion constant, shear centre,
// principal angle and plastic moduli lives in a higher layer; it installs
// its builder here at start-up. Without one those values stay 0. Returns the
// previous builder.
typedef int (*Profile_Section_Model_Builder)(Stahlprofil* profile);
Profile_Section_Model_Builder Set_Profile_Section_Model_Builder(Profile_Section_Model_Builder builder);
// Whether the plastic moduli are computed with the model (default 0).
void Set_Section_Calc_Mode(int mode);
int Get_Section_Calc_Mode(void);

// ---- input-file block and print (stahlprofil_file.cpp) ----

// 0, or 1 for a null argument or a failed write.
int Write_Profile(FILE* stream, Stahlprofil* profile);
// 0, or 1 for a null argument, a newer block version, a missing field, a
// measure stored as nan or inf, an unknown kind or a failed material block
// (what was read stays).
int Read_Profile(FILE* stream, Stahlprofil* profile);
// Description and, with values, section values into the print list.
void Print_Profile_Parameters(Stahlprofil* profile, FILE* list, int detail, int values, int options);
// Test support: the once-per-run notices of the profile manager may show
// again.
void Reset_Profile_Notices(void);

#endif
