// The end-plate library's own reader of the profile file PROFIL: a rolled
// profile by designation with the few values its drawing needs and the class
// of the designation, and the flat lengths of a profile's plate parts.
//
// PROFIL is found through the process environment entry "DATA". Failures
// show a message box, except in a run without a window (batch mode).
#ifndef PROFILES_PROFIL_READER_H
#define PROFILES_PROFIL_READER_H

#include "profiles/profil_file.h"

// The library's current profile dimensions (mm), set by the weld check and
// the connection drawing before Get_Profil_Masse.
struct Profil_Masse_First {
    double b, h, t_f, t_w, r;
};
struct Profil_Masse_Second {
    double h, b, t_f, t_w, r;  // used when the first set's b is below 0.01
};
extern Profil_Masse_First Profil_Dimensions_First;
extern Profil_Masse_Second Profil_Dimensions_Second;
// The eight flat part lengths P1..P8 and the result block c[0..7] that
// Get_Profil_Masse writes (mm).
extern double Profil_Part_Fields[8];
extern double Profil_Part_Lengths[8];

// The outcome of a look-up in PROFIL.
enum Profil_Look_Up {
    PROFIL_LOOK_UP_NO_FILE,      // the file cannot be opened
    PROFIL_LOOK_UP_NOT_FOUND,    // no record of the key
    PROFIL_LOOK_UP_OTHER_SHAPE,  // found, but its type letter is not the shape asked for
    PROFIL_LOOK_UP_FOUND,
};

// Opens PROFIL under "DATA", makes the key of name (Profil_Key; key needs
// PROFIL_KEY_LENGTH + 1 bytes) and reads the record of the key into record;
// shape ' ' takes any type letter. Each failure shows its message box
// (none in batch mode). key is made unless the file cannot be opened, record
// filled when found (also of another shape).
Profil_Look_Up Look_Up_Profil(char shape, const char* name, char* key, ProfilRecord* record);

// Looks name up in PROFIL (upper-cased, blank-padded to 15 characters, no
// trimming; the whole 15 characters must agree). shape is 'D', 'L' or ' '
// (any). On success returns 1, writes the 15-character key into name (at most
// name_size - 1 characters and a terminator) and sets out1 (toe radius, mm),
// out2 (mm, see data/README value 27), the T-section coefficient and the
// half-section and narrow-I flags. Returns 0 when the file cannot be opened
// (outputs unchanged), the profile is not there (flags as classified by the
// name, out1, out2 and name unchanged) or its type letter is not shape (as
// on success but out1, out2 and name unchanged). Null outputs are skipped.
int Read_Profil_from_File(char shape, char* name, int name_size, double* out1, double* out2, double* t_coefficient,
                          int* half_section, int* narrow_i);

// The record of name in the catalogue in use, as every other check takes
// it: with the profile manager installed its database's (the values in
// PROFIL's places as Get_Profil_Values hands them, the record's type letter
// in code[3]; a record refused for its values is not found), else PROFIL's
// as Look_Up_Profil finds it (boxes and all, any shape). record is filled
// when found and left undefined otherwise.
Profil_Look_Up Look_Up_Catalogue_Record(const char* name, ProfilRecord* record);

// What the end of a catalogue profile keeps of its record beyond the
// dimensions the connection holds: the toe radius, where the root fillet
// ends (mm from the flange's outer face, at the web), a rolled T's web tip
// radius, and whether the record is a tee cut from a rolled beam and
// whether its inner flange faces slope. All of it is read from the record
// (its type letter and values), none from its name: one record gives one
// end, and one weld group, under its designation and under any name of the
// user's.
struct Profil_End_Form {
    double toe_radius, root_fillet_end;  // mm
    double web_tip_radius;               // mm, a rolled T's
    int half_section;                    // a tee cut from a beam (not a rolled T)
    int sloped_flanges;
};
// Fills form from the record of name (Look_Up_Catalogue_Record). 1 when
// found; 0 with form cleared when the catalogue does not give the record.
int Read_Profil_End_Form(const char* name, Profil_End_Form* form);

// Works out Profil_Part_Fields and Profil_Part_Lengths for a profile type
// from the current dimensions; for catalogue profiles of type 3 or 6 and
// above the profile must be found in PROFIL first, else nothing is written.
// name is not modified.
void Get_Profil_Masse(int type, int catalogue, const char* name);

#endif
