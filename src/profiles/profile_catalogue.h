// Profile catalogue access: looks rolled profiles up by designation in the
// profile manager's database ProfilData.bin (when the manager is installed)
// or else in the profile file PROFIL, both under the desktop's "DATA"
// directory, and hands their values to a Stahlprofil.
//
// Every successful look-up overwrites the one shared Katalogprofil and
// returns its address; read it before the next look-up. ProfilData.bin
// records are cached for the whole run. A failure gives null or 0; a
// profile file that cannot be read is named to the user once per run and
// file (a box at the screen, a line on stderr in batch mode), as is a
// record refused for its values (profil_file.h). Single-threaded module
// state.
#ifndef PROFILES_PROFILE_CATALOGUE_H
#define PROFILES_PROFILE_CATALOGUE_H

#include <cstddef>
#include <cstdio>

#include "profiles/stahlprofil.h"

enum {
    KATALOG_NAME_SIZE = 19,
    KATALOG_VALUE_COUNT = 27,
    PROFILAUSWAHL_NAME_SIZE = 40,
    PROFILDATA_RECORD_SIZE = 200,
    PROFILDATA_TEXT_BYTES = 39,
    PROFILDATA_VALUE_COUNT = 39,
};

// The result of a look-up (one instance, owned here).
struct Katalogprofil {
    char type_letter;                     // 'D', 'U', 'T', 'L', 'R', 'K', 'Z', 'E', 'F', 'O'
    char name[KATALOG_NAME_SIZE];         // designation as found, terminated
    float values[KATALOG_VALUE_COUNT];    // catalogue values, cm units
};

// A designation and the record found for it.
struct Profilauswahl {
    char name[PROFILAUSWAHL_NAME_SIZE];  // blank-padded to 39 characters
    Katalogprofil* record;               // null when none was found
};

// One record of ProfilData.bin in memory; owns its two strings.
struct ProfilDataEintrag {
    char* name;   // sort key, or null
    char* alias;  // or null
    int type_letter;
    int code;
    int flag7, flag6, field3, field0;
    float values[PROFILDATA_VALUE_COUNT];
    ProfilDataEintrag* next;
};

// ---- selection ----

// First call: switches the profile manager on and notes whether it is
// installed. Every call: a given selection gets an empty name and no record.
// Returns 1 when the profile manager is installed, else 0.
int Init_Profile_Selection(Profilauswahl* selection);
// Looks the trimmed name up; found: the record, and as name the designation
// as the catalogue stores it (typed "ipe 300", kept "IPE300"); not found:
// record null, the old name kept. The name is then blank-padded to 40.
// Null arguments do nothing.
void Set_Profile_By_Name(Profilauswahl* selection, const char* name);
// Copies the catalogue values of the selection into the profile (mm-based
// units, rolled); a selection whose record has since been overwritten by a
// look-up of another name is looked up again first. Without a record even after a look-up: name "???" and the
// section values 0. A null selection does nothing.
void Load_Profile_Values(Profilauswahl* selection, Stahlprofil* profile);
// A measure of the catalogue (cm, single precision) in mm as the tables
// publish it: 2.4f cm (2.4000000954) is 24 mm exactly. Never fails.
double Catalogue_Measure_mm(float cm);

// ---- look-up ----

// The designation as the profile file keys it: the name without its blanks,
// upper-cased ("ipe 300" and "HE 280 A" give "IPE300" and "HE280A"), cut to
// size - 1 characters. A null name gives "".
void Profile_Designation_Key(const char* name, char* key, size_t size);
// 1 when the two names are one designation, blanks and case aside; 0 else
// (also for a null name).
int Same_Profile_Designation(const char* a, const char* b);

// The record of a designation, or null. With the profile manager installed
// only ProfilData.bin is asked; else PROFIL, where the name without its
// blanks, upper-cased, must equal a stored designation as a whole (15
// characters).
Katalogprofil* Get_Profile_Record(const char* name);
// The cached ProfilData.bin record whose name, else alias, equals name
// (case-insensitive), else whose name or alias is the same designation with
// other blanks; read from the file and cached when not cached yet.
ProfilDataEintrag* Find_Profile(const char* name);
// A new record of ProfilData.bin for name (by name through bisection, else
// by alias, else by name or alias with other blanks); null when not found,
// and when the designation stands on more than one record by name or alias,
// blanks and case aside (which of them is meant cannot be told; the user is
// told once, Profil_Name_Twice). The caller owns it (Free_ProfilData_Eintrag).
ProfilDataEintrag* Load_Profile_from_ProfilData(const char* name);
// Reads the next 200-byte record into record (replacing its strings). 1 when
// a whole record was read; 0 at the end of the file or on a short read
// (record then unchanged). A record whose name and alias lengths exceed its
// 39 text bytes is corrupt: it is read, but gets neither name nor alias, so
// it matches nothing. A record whose section values disagree with its own
// dimensions is read with every value not a number (Profil_Record_Plausible
// in profil_file.h): it is found, and refused where its values are taken.
int Read_ProfilData_Record(FILE* file, ProfilDataEintrag* record);
// Why the catalogue profile `profile` has no usable record, for the print
// list: "Profil \"HE280A\": Profildatei PROFIL nicht vorhanden", "...:
// Profildatei PROFIL beschädigt: 1 Byte, ...", "...: nicht in der
// Profildatei PROFIL", or "Profil \"HE280A\": Wert Nr. 13 = 27340 passt
// nicht zu den Abmessungen (13679.2)" for a record refused for its values;
// "" when its record is found and usable, and for profiles not from the
// catalogue. A designation the file lacks is told once per run and name as
// well (a box, or stderr in batch mode); the other troubles were told when
// they were met. The text stays until the next call. Looks the name up (the
// shared Katalogprofil may change).
const char* Catalogue_Profile_Trouble(const Stahlprofil* profile);
// The input check's line of that trouble into the print list (when given):
// the text with the check line prefix and the alert marker. 1 when there is
// a trouble (the profile's checks cannot be made), else 0.
int Print_Catalogue_Profile_Trouble(const Stahlprofil* profile, FILE* list);

// Fills result from the cached record of name. 1 when found, else 0.
int Get_Profile_From_Manager_Cache(const char* name, Katalogprofil* result);
// Frees a record from Load_Profile_from_ProfilData and its strings; null is
// allowed.
void Free_ProfilData_Eintrag(ProfilDataEintrag* record);

// ---- profile manager ----

// Switches the newer manager on and the engine's profile services (the
// first of DWQB_Service_Switches) with it.
void Enable_Profile_Manager(void);
// 0 while switched off, else whether "ProfDesk.exe" lies executable in "EXEC"
// (tested once, then remembered).
int Is_Profile_Manager_Available(void);
// Tests for "ProfDesk.exe" in "EXEC" and remembers the answer (1 or 0).
int Test_Profile_Manager_Present(void);
// Keeps a copy of name with every blank as '~' (null keeps none).
void Set_Profile_Manager_Default(const char* name);
// Keeps a copy of the type filter (null keeps none).
void Set_Profile_Manager_Filter(const char* letters);
// The kept preselected name and filter, or null.
const char* Get_Profile_Manager_Default(void);
const char* Get_Profile_Manager_Filter(void);
// 1 when "Q7-Vuve/Kantfeld.exe" lies executable in "EXEC" (tested once).
int Is_Kantfeld_Present(void);

// The profile files may have been rewritten (the profile manager has
// run, and may have changed any profile there): every record and survey
// read of them is forgotten, and so is what was worked out from them
// (Forget_Profil_Values_Read, the section model kept, Forget_Kept_Inputs),
// so that the next look-up reads each file as it now is; the notices of
// unreadable files and refused records are given again. A selection that
// holds the record found before looks its name up again when its values
// are loaded. The switches and presence flags stay. Never fails.
void Forget_Profile_Files_Read(void);
// How often Forget_Profile_Files_Read was called in the process.
unsigned long Profile_Files_Generation(void);

// Test support: forgets the switch, the presence flags, the once-flags (also
// of the notices of unusable profile records and unreadable profile files)
// and the cache, as at start.
void Reset_Profile_Catalogue(void);

// Test support: forgets only which unreadable profile files the user was
// told of, so that each test sees the notice its own run would give; the
// cache and the reason kept for the print list stay.
void Reset_Profile_File_Notices(void);

#endif
