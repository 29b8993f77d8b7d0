// profilquerschnitt: the section library's record of one member cross-section
// - a catalogue profile by name, a parametric shape by its dimensions, or a
// user section of the sibling cross-section program (type 999) - with its
// setters, its text form and its conversion into the descriptor from which
// the thin-walled model is built.
//
// A tapered record holds the dimensions at both ends of the member; every
// consumer takes the section at t (0 start, 1 end) by linear interpolation.
// All dimensions are cm. Functions return 1 for success and 0 for a null
// record unless said otherwise; none writes a message.
#ifndef PROFILES_PROFILQUERSCHNITT_H
#define PROFILES_PROFILQUERSCHNITT_H

#include <cstdint>
#include <cstdio>

#include "thinwall/section_work.h"

struct Sonderquerschnitt;

enum {
    PQ_NAME_SIZE = 36,
    PQ_DIMENSIONS = 10,
    PQ_USER_SECTION = 999,
    PQ_ENTRY_NOT_IN_SERIES = 0x10000,
    PROFIL_MODEL_NAME_SIZE = 40,     // name text: 4-character prefix, 35 characters, NUL
    PROFIL_MODEL_VALUE_COUNT = 36,   // float value array of the model builder
    PROFIL_MODEL_FIRST_SHAPE_VALUE = 20,
    // A shape given by its dimensions with corners of its own: the corners
    // at the top and the bottom flange, then how they are given
    // (PQ_CORNERS_*), then a rolled shape's outer corner radius (a hollow
    // section's corners, an open shape's toes).
    PROFIL_MODEL_CORNER_VALUE = 28,
    PROFIL_MODEL_OUTER_CORNER_VALUE = 31,
    // A welded box handed as shape Q24 (box_flange): its bottom flange's
    // width over the webs and its overhang, 0 for a Q24 of its own.
    PROFIL_MODEL_BOX_VALUE = 32,
};

// How a shape given by its dimensions has its own corners (own_corners).
enum {
    PQ_CORNERS_NONE = 0,
    PQ_CORNERS_GIVEN = WORK_CORNERS_GIVEN,    // the clear widths' ends (a welded profile's weld legs)
    PQ_CORNERS_ROLLED = WORK_CORNERS_ROLLED,  // a rolled profile's root radii (a hollow section's inner corner radius)
};

// Shape codes of the record (its type); the user section is PQ_USER_SECTION.
enum {
    PQ_SHAPE_I = 0,          // I section, two equal flanges
    PQ_SHAPE_RHS = 1,        // rectangular hollow section
    PQ_SHAPE_CHANNEL = 2,    // U or C section
    PQ_SHAPE_TEE = 3,
    PQ_SHAPE_ANGLE = 4,
    PQ_SHAPE_Z = 5,
    PQ_SHAPE_TUBE = 6,       // round tube
    PQ_SHAPE_Q31 = 7,        // two plates of equal width and thickness on two webs
    PQ_SHAPE_Q23 = 8,        // a plate on two webs with a top strip on each web
    PQ_SHAPE_Q24 = 9,        // box: bottom plate with overhangs, top plate between the webs
    PQ_SHAPE_FLAT = 10,
    PQ_SHAPE_ROUND = 11,     // round bar
    PQ_SHAPE_Q22 = 12,       // I section with unequal flanges
    PQ_SHAPE_COUNT = 13,
};

// The family code (PROFIL_FAMILY_*) under which the model builder knows a
// shape, PROFIL_FAMILY_USER for the user section; -1 for no shape code.
int Profil_Family_Of_Shape(int shape);
// The shape of a family code; -1 for a family that is no shape of the
// record (none, by name, given values, turned I, user section).
int Shape_Of_Profil_Family(int family);

struct Profilquerschnitt {
    int32_t type;            // PQ_SHAPE_*, PQ_USER_SECTION
    int32_t grade;           // grade code, carried only
    int32_t caller;          // the setters' caller code, carried only
    int32_t by_dimensions;   // 1: shape given by its dimensions
    int32_t series;          // catalogue series 1..13 of a by-name shape
    int32_t entry;           // index within the series, PQ_ENTRY_NOT_IN_SERIES
    int32_t tapered;
    int32_t second_index;    // wall index of a round tube from the tube tables
    int32_t record_number;   // catalogue look-up result, 0 unknown
    int32_t reserved10;
    int32_t turned;
    int32_t reserved12;
    int32_t reserved13;
    double reserved_values[PQ_DIMENSIONS];
    double start[PQ_DIMENSIONS];
    double end[PQ_DIMENSIONS];
    char name[PQ_NAME_SIZE];
    Sonderquerschnitt* user_section;   // counted reference or null
    // A shape given by its dimensions: where the clear widths of its plates
    // end at the junctions of the top and the bottom flange with the web
    // (the root radius of a rolled profile, the weld leg of a welded one,
    // a hollow section's inner corner radius), cm, and for a rolled shape
    // the radius of its outer corners, a hollow section's or the toes of an
    // open shape's flanges (0: none). own_corners is PQ_CORNERS_*;
    // with none the plates' smaller thickness stands in for them. Not part
    // of the text form: the setters clear it.
    int32_t own_corners;
    double corners[2];
    double outer_corner;
    // A welded box of the weld program is handed as shape Q24 with its top
    // flange in the place of the plate with overhangs (slot 1 b_fo, its
    // width over the webs, slot 5 b_üo, its overhang past their outer
    // faces) and the rest of its plates here: its bottom flange's width
    // over the webs and overhang, cm. The model then lays both flanges
    // across the webs as the box has them, where a Q24 of its own (0 0)
    // has its top plate between its webs. Not part of the text form: the
    // setters clear it.
    double box_flange[2];
};

// Profil_Model_Descriptor, what the conversion hands to the model builder,
// is the thin-walled layer's record (thinwall/section_work.h).

int Init_Profilquerschnitt(Profilquerschnitt* record);
int Set_Profilquerschnitt_By_Name(Profilquerschnitt* record, int grade, int caller, const char* name);
int Set_Profilquerschnitt_By_Dimensions(Profilquerschnitt* record, int grade, int caller, int type, int tapered,
                                        const double* start_set, const double* end_set);
int Set_Profilquerschnitt_By_User_Section(Profilquerschnitt* record, int grade, int caller, Sonderquerschnitt* section);
int Release_Profilquerschnitt(Profilquerschnitt* record);
int Copy_Profilquerschnitt(Profilquerschnitt* target, const Profilquerschnitt* source);
int Copy_Profilquerschnitt_At(Profilquerschnitt* target, const Profilquerschnitt* source, double t);
int Cut_Profilquerschnitt(Profilquerschnitt* record, double a, double b);
int Load_Profilquerschnitt_From_Catalogue(Profilquerschnitt* record);
int Refresh_Profilquerschnitt(Profilquerschnitt* record);
// Generic sets: h, b, t_w, t_f, b_o, b_u, e_1, e_2, t_fo, t_fu.
int Get_Profilquerschnitt_Generic_Dimensions(const Profilquerschnitt* record, double* start_set, double* end_set);
int Set_Profilquerschnitt_Generic_Dimensions(Profilquerschnitt* record, const double* start_set, const double* end_set);
int Get_Profilquerschnitt_Flat_Dimensions(const Profilquerschnitt* record, double t, double* first, double* second);
// name_text needs PROFIL_MODEL_NAME_SIZE bytes, values PROFIL_MODEL_VALUE_COUNT floats.
int Convert_Profilquerschnitt(const Profilquerschnitt* record, double t, Profil_Model_Descriptor* descriptor,
                              float* values, char* name_text);
int Convert_Profilquerschnitt_At(const Profilquerschnitt* record, double t, Profil_Model_Descriptor* descriptor,
                                 float* values, char* name_text);
// Builds the thin-walled model at t; reference point null or (y, z, angle).
// 1 when the model stands.
int Setup_Profilquerschnitt_DWQB(const Profilquerschnitt* record, double t, const double* reference, int mode);
int Setup_Profil_DWQB_From_Descriptor(const double* reference, const Profil_Model_Descriptor* descriptor,
                                      const float* values, const char* name_text, int mode);
int Read_Profilquerschnitt(FILE* stream, Profilquerschnitt* record);
int Write_Profilquerschnitt(FILE* stream, const Profilquerschnitt* record);
int Change_Profilquerschnitt_Type(int type, Profilquerschnitt* record);
// The user sections' store read (Read_GRQ_File) and VUVE.EIN written from
// what was read: 1, or 0 when the store could not be read (the reason said).
int Load_User_Sections(void);
// Unheld sections dropped, the store and VUVE.EIN written: 1, or 0 when the
// store was not written (a store that could not be read is kept as it is).
int Save_User_Sections(void);
int Edit_Profilquerschnitt_User_Section(Profilquerschnitt* record);

#endif
