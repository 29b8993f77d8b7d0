// The profile name library of the section library: designation lists of the
// rolled-profile series, round-tube diameters and walls, catalogue values of
// a profile name (Get_Profil_Values, from the profile manager's database or
// the profile file PROFIL), the family code of a name, and a table of the
// profiles a run has used, each under a handle.
//
// The last look-up is remembered: the same name again opens no file. No
// function here writes a message; callers report a missing profile. Plain
// module state, single-threaded.
#ifndef PROFILES_PROFIL_H
#define PROFILES_PROFIL_H

#include <cstdio>

#include "thinwall/section_work.h"  // the family codes PROFIL_FAMILY_*

enum {
    PROFIL_VALUES = 35,          // catalogue values of a profile
    PROFIL_CODE_SIZE = 5,        // 4 code bytes and the terminator
    PROFIL_NAME_LIMIT = 35,      // characters of a name kept by the table and the _Ref forms
    PROFIL_SERIES_COUNT = 13,
    PROFIL_FROM_MANAGER = 0x10000,
    USED_PROFIL_HANDLE = 0x20000,
    TUBE_DIAMETER_COUNT = 55,
    TUBE_WALL_COUNT = 38,
    TUBE_NAME_SIZE = 16,         // room for a round-tube name of Find_Round_Tube_Name
};

// One designation list: series number n is Profil_Series_Table[n], 1..13
// (entry 0 is empty). Series 4, 5 and 9 are in byte order, the others by
// leading letters, first number and the rest.
struct Profil_Series {
    const char* const* names;
    int count;
};
extern const Profil_Series Profil_Series_Table[PROFIL_SERIES_COUNT + 1];
// The series 1..13 whose list holds the designation name (blanks and case
// aside), 0 when none does (also for null).
int Profil_Series_Of_Name(const char* name);
// The catalogue's family letter of the profiles of series 1..13 ('T', 'U',
// 'D', 'L', 'R', 'Z'); 0 for another number.
char Profil_Series_Letter(int series);

// One round-tube diameter: its text (6 characters, right-aligned) and the
// first and last index into Tube_Wall_Table that exist for it.
struct Tube_Diameter {
    const char* text;
    int first_wall, last_wall;
};
extern const Tube_Diameter Tube_Diameter_Table[TUBE_DIAMETER_COUNT];
extern const char* const Tube_Wall_Table[TUBE_WALL_COUNT];  // " 1.0" ... "65.0"

// ---- live operations ----

// Catalogue values of name (trimmed, 36 characters at most; in PROFIL
// looked up without its blanks, as the file keys it) into values and
// the 4-byte code into code. Returns PROFIL_FROM_MANAGER (code "0   ") when
// they came from the profile manager's database, the 1-based record number
// when from PROFIL, 0 when not found (values 0, code "ERR") or when no
// catalogue can be opened (values and code then untouched).
int Get_Profil_Values(const char* name, float* values, char* code);
// The family code of a name (PROFIL_FAMILY_*), PROFIL_FAMILY_NONE for null
// or no family.
int Get_Profil_Family(const char* name);
// Bounded three-point bisection over the record_count records of an open,
// sorted PROFIL file for name (cut at its first blank; case-insensitive).
// The 1-based record number with values and code filled, or 0 with values 0
// and code "ERR" (also when a read fails).
int Search_Profil_File(const char* name, FILE* file, int record_count, float* values, char* code);
// The shape code of the library cross-section record for a name: family 1 ->
// 0, 2 -> 3, 3 -> 2, 4 -> 1, 5 -> 4, 6 -> 5, 7..13 -> 6..12; -1 otherwise.
int Get_Profilquerschnitt_Type_Of_Name(const char* name);

// ---- library interface without a caller in the weld program ----

// 1 when Search_Profil_File does not find name, else 0.
int Profil_Not_In_File(const char* name, FILE* file, int record_count, float* values, char* code);
// The catalogue name of the round tube (diameter row, wall index) into out
// (TUBE_NAME_SIZE bytes), or " ??? " when there is none.
void Find_Round_Tube_Name(int diameter_index, int wall_index, char* out);
// Analyses a round-tube name "R<diameter>X<wall>": 1 with the three indices,
// else 0 with all three -1.
int Parse_Round_Tube_Name(const char* name, int* diameter_index, int* range_position, int* wall_index);
// Brings the indices into the tables' ranges.
void Clamp_Round_Tube_Indices(int* diameter_index, int* wall_index, int* range_position);
// Appends the diameter texts / the wall texts of a diameter to a choice list.
void Fill_Tube_Diameter_List(int list, int colour);
void Fill_Tube_Wall_List(int diameter_index, int list, int colour);
// Registers a profile name (trimmed, 35 characters at most) with its values
// and family; its handle (USED_PROFIL_HANDLE | position), or 0 when the name
// has no catalogue values or memory runs short.
int Register_Used_Profil(const char* name);
// The handle of a registered name (blanks and case aside: "ipe 300" finds
// "IPE300") with min(n, 35) values (the rest of n zeroed) and the family; 0
// when unknown.
int Get_Used_Profil_By_Name(const char* name, float* values, int n, int* family);
// The same by handle, with the name (at most name_size - 1 characters).
int Get_Used_Profil_By_Handle(int handle, char* name_out, int name_size, float* values, int n, int* family);
// By-reference forms: every argument by address, names with an explicit
// length (35 characters at most); the result goes to the first argument.
void Get_Profil_Values_Ref(int* result, float* values, const char* name, const int* name_length);
void Register_Used_Profil_Ref(int* handle, const char* name, const int* name_length);
void Get_Used_Profil_By_Name_Ref(int* result, float* values, const int* n, int* family, const char* name,
                                 const int* name_length);
void Get_Used_Profil_By_Handle_Ref(int* result, const int* handle, float* values, const int* n, int* family,
                                   char* name_out, const int* name_length);

// The profile files were rewritten (the profile manager has run): the
// remembered look-up and family are forgotten, and the used-profiles table
// takes each of its profiles' values and family again where the catalogue
// still holds it (its handles stay). Never fails.
void Forget_Profil_Values_Read(void);

// Test support: forgets the remembered look-up and the used-profiles table.
void Reset_Profil_Library(void);

#endif
