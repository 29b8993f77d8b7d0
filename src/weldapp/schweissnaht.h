// The connection record of the weld program (design code and partial
// factors, profile, end plate, the welds between them, load cases, print
// options and the results of the last evaluation), its initialisation,
// defaults and copy, the weld-layout update, and the input file that holds
// it.
#ifndef WELDAPP_SCHWEISSNAHT_H
#define WELDAPP_SCHWEISSNAHT_H

#include <cstdio>
#include <initializer_list>
#include <string>

#include "codes/blech.h"
#include "codes/material.h"
#include "codes/sicherheit.h"
#include "profiles/stahlprofil.h"
#include "weldapp/last_schweissnaht.h"
#include "weldapp/oliprops.h"
#include "weldapp/record_ranges.h"

// True when type is one of types: the weld layout, the load-case records and
// the print list all branch on groups of profile or weld type numbers.
inline bool Type_In(int type, std::initializer_list<int> types) {
    for (int t : types)
        if (t == type) return true;
    return false;
}

enum {
    NAHT_SLOTS = 20,
    NAHTBILD_VERSION = 6,    // version of the weld part written
    SCHWEISSNAHT_HEAD_VERSION = 0,
};

// The weld part. Slots are fixed places of the profile family (0, 1, 5 top
// flange; 2, 6 web; 3, 4, 7 bottom flange; 8 to 13 only with all-round
// welding) carrying the weld's number as shown (0: slot not used).
struct Nahtbild {
    int uniform_grade;             // one steel grade for profile and plate
    Materialparameter_Record material;
    Stahlprofil profile;
    Blech_Record plate;
    int weld_kind;                 // 0 fillet, 1 slot, 2 butt, 3 plug, 4 other
    int full_length;               // fillet welds count their full length
    int all_round;
    int full_penetration;
    double a_w, a_w_fo, a_w_fu;    // throats of the all-round weld: all, top, bottom flange
    double contact_fraction;       // share of compression carried by contact, 0..1
    int weld_count;                // slots in use, 0..20
    int number[NAHT_SLOTS];
    double throat[NAHT_SLOTS];
    double length[NAHT_SLOTS];
    int no_length_check;
    int no_throat_check;
};

// The code a connection is checked by.
enum { CODE_SETTING_EC3 = 0, CODE_SETTING_DIN18800 = 1 };

struct SchweissnahtAnschluss {
    int code_setting;              // CODE_SETTING_*
    double gamma_M;                // material factor of the DIN 18800 path
    Sicherheitsbeiwerte_Record safety;
    int section_check;             // 1: check the profile's cross-section per load case
    int section_method;            // 1 elastic-plastic, 0 elastic
    int weld_method;               // 1 directional, 0 simplified
    Nahtbild naht;
    int shear_split;               // 0 conventional, 1 by stiffnesses, 2 consistent with N/M
    int short_welds;               // short welds neglected
    int load_count;
    int load_unit;                 // 0 kN/kNm, 1 kN/kNcm, 2 N/Nm, 3 N/Nmm
    Lastfall* loads;               // load_count entries
    OliProps print;
    LastfallErgebnis* results;     // load_count entries
    double max_utilisation;
    double max_ct_utilisation;
    int governing_case;            // 1-based, -1 none
    int input_error;
    int loaded_count;
};

// The one connection record of the program.
extern SchweissnahtAnschluss Schweissnaht_Anschluss;

// Every field empty, one blank load case, default print options, zeroed
// results. The record's arrays must be null or owned by it. Out of memory:
// the program ends. Nothing for null.
void Init_Schweissnaht(SchweissnahtAnschluss* record);
// The same; nothing for null.
void Reset_Schweissnaht(SchweissnahtAnschluss* record);
// The defaults of a new connection (HE280A on a 35 mm plate, 5 mm welds).
void Default_Schweissnaht(SchweissnahtAnschluss* record);
// Init on the target, then every input field; results are not copied.
// Nothing for a null argument or source == target.
void Copy_Schweissnaht(const SchweissnahtAnschluss* source, SchweissnahtAnschluss* target);
// Zeroed results for the record's load count (at least one case), no
// maximum and no governing case yet; the old results are freed. Out of
// memory: the program ends. Nothing for null.
void New_Schweissnaht_Results(SchweissnahtAnschluss* record);
// Frees the arrays and the preface the record owns and leaves them null.
void Free_Schweissnaht(SchweissnahtAnschluss* record);
// Refreshes plate and profile and keeps the weld table consistent with the
// profile type, weld kind and thicknesses. Returns 1 when the check of the
// plate or of the profile (dimensions, catalogue name, materials) failed (its
// lines are in the list when one is given), else 0. A level above 0 shows
// the check's messages; at the screen the box of a plate below 1 mm comes
// once, until the thickness changes (the list gets its line every time).
int Update_Weld_Layout(Nahtbild* naht, FILE* list, int level);
// Forgets which thin plate the screen was told of, and the catalogue notice
// of the input file read, as loading an input file does (for tests).
void Reset_Thin_Plate_Notice(void);

// Results of the record's text writer and reader, as every writer and
// reader of a block of the input file gives them: 0 when all went well.
enum Schweissnaht_Text_Result {
    SCHWEISSNAHT_TEXT_OK = 0,
    SCHWEISSNAHT_TEXT_FAILED = 1,    // a write failed; a read error or a newer file
    SCHWEISSNAHT_TEXT_DEFAULTS = 2,  // the file asks for the defaults of a new connection
};

// The record as text. SCHWEISSNAHT_TEXT_OK, or _FAILED when any write
// failed.
int Write_Schweissnaht(FILE* file, SchweissnahtAnschluss* record);
// SCHWEISSNAHT_TEXT_OK, _FAILED or _DEFAULTS. The record is initialised
// first. A file that holds a value no field of the input takes (a throat
// of 100 m, a plate 1e300 mm thick) is refused: Schweissnaht_Read_Refusals
// then names each such value with its line and range. A catalogue profile
// whose dimensions in the file are not the catalogue's takes the
// catalogue's, and Schweissnaht_Read_Notice says so.
int Read_Schweissnaht(FILE* file, SchweissnahtAnschluss* record);
// What the last Read_Schweissnaht refused for values out of range (empty
// after a file that read, was damaged or was refused for another reason),
// and what it took from the catalogue (empty unless it read).
const Range_Refusals& Schweissnaht_Read_Refusals(void);
const Catalogue_Notice& Schweissnaht_Read_Notice(void);
// The notice of a catalogue profile's dimensions taken when the batch run
// read its input file, into the print list (nothing at the screen, where a
// box told it, nor when there is none).
void Print_Input_File_Notice(FILE* list);
// The box "Hinweis" of a catalogue profile's dimensions taken (nothing in
// batch mode or for an empty notice).
void Tell_Catalogue_Notice(const Catalogue_Notice& notice);

// The input file's text: the record and the active annex's entry behind
// it. SCHWEISSNAHT_TEXT_OK, or _FAILED when any write failed.
int Write_Input_Text(FILE* file, SchweissnahtAnschluss* record);
// Writes the input file's text of the record into the file at path ("\" or
// "/") as VEK_Replace_File does, and reads the complete new file back with
// the input file's reader before it replaces the old one: a file the reader
// refuses (a value no field may hold, an infinity say) never replaces one.
// The VEK_REPLACE_ result: with _DONE and _UNSYNCED *stored (when given,
// initialised by the caller) holds what the new file gives; with
// _UNREADABLE *refusal (when given) names the line where it does not read
// and why, in the user's words (code page 850); with _FAILED errno says why.
int Replace_Input_Text_File(const char* path, SchweissnahtAnschluss* record, SchweissnahtAnschluss* stored,
                            std::string* refusal);

// Set once the data import has run; the weld part's version check then
// speaks of an import file.
extern int Schweissnaht_Import_Mode;

// Results of the operations on the component's files (the input file, the
// print list and the plot file): one convention for all of them.
enum Component_File_Result {
    COMPONENT_FILE_REFUSED = -1,  // not written on purpose (a box says why)
    COMPONENT_FILE_FAILED = 0,
    COMPONENT_FILE_DONE = 1,
    COMPONENT_FILE_UNCONFIRMED = 2,  // in place, but the folder's sync failed: it may not last a power cut
};

// Reads the input file into the global record and activates its annex. A
// missing file gives the defaults of a new connection at the screen. A
// batch run of a missing file, of one that is there but cannot be opened
// (no permission, a folder or a device in its place) or whose content is
// refused ends after the print list and plot file were replaced by a list
// that says why and that no check was made, with PROGRAM_EXIT_WRITTEN
// (PROGRAM_EXIT_LIST_NOT_WRITTEN when that list cannot be written); at the
// screen such a file gives the defaults after the "Lesefehler" box (which
// names the reason when the file cannot be opened: that file is then never
// saved over in this run).
void Load_Input_File(void);
// Activates the annex named behind the record's blocks, from the stream's
// position on (the older form first, else "ACTIV_NADNAME"); with nothing but
// white space there (a file without an entry) the German set. 0 done; the
// line of the entry, counted from the stream's position (1 its own), when
// it does not read whole or something else stands where it belongs: the
// active annex then stays as it was.
int Activate_Annex_After(FILE* f);
// Writes the global record and the annex choice into the input file: whole
// or not at all (the old file stays byte for byte when a write fails, or
// when the new file does not read back), through Replace_Input_Text_File. A
// file whose content was refused at start is first kept as "_NN.INP.bak".
// Once the new file is in place the global record is what it gives back,
// so that a list made from it is the list every later run of the file
// makes. COMPONENT_FILE_DONE saved; _UNCONFIRMED saved, but the folder's
// sync failed; _FAILED not saved (the record unchanged); _REFUSED because
// the file was there at start but could not be opened. Outside batch mode
// a box says what happened and why, for each but _DONE.
int Save_Input_File(void);

// For the component's print list and plot file (component_output.cpp):
// the name of a component's file as the user knows it (the identifier
// without its folder, and suffix); the reason of a failed open, read or
// write in the user's words; and the component's input file opened for
// reading (null with *error set when it cannot be: ENOENT or ENOTDIR when
// there is none).
std::string component_file(const char* suffix);
const char* file_error_text(int error, bool reading);
FILE* open_input(int* error);

#endif
