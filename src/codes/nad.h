// The national annex registry: the process-wide current annex parameter set
// (NAD_Record), the list of annexes that can be chosen (two built-in sets and
// the user's numbered annex files), activation by name ("Deutschland" when
// none is given; a name no annex carries is an input error, not a fallback),
// lazy activation behind every getter, and the keyword
// "ACTIV_NADNAME" by which input and exchange files remember the choice.
//
// When the annex file of the active annex cannot be read (missing or
// damaged alike, or a user annex file that cannot be read where the active
// name is in no other), the current record holds the recommended values.
// The registry then does not claim the annex's name for those values:
// Get_Active_NAD_Name, Get_Active_NAD_Id and Get_Active_NAD_Display_Name
// answer for the standard set, the print text of the partial factors
// carries a note, the checks resting on the annex are not carried out
// (NAD_Load_Damaged), and the user is told why (a message box in the window
// path, a line on stderr in batch mode). The project keeps its choice:
// Write_ACTIV_NADNAME still writes the requested name.
#ifndef CODES_NAD_H
#define CODES_NAD_H

#include <cstdio>

#include "codes/nad_ec0.h"
#include "codes/nad_ec1.h"
#include "codes/nad_ec2.h"
#include "codes/nad_ec3.h"
#include "codes/nad_ec5.h"
#include "codes/nad_ec6.h"
#include "codes/nad_ec9.h"

enum { NAD_NAME_SIZE = 28, NAD_LIST_MAX = 300, NAD_ID_DEUTSCHLAND = 18, NAD_ID_STANDARD = 19 };

struct NAD_Record {
    int id;         // -1 none loaded, 19 standard set, 18 Deutschland, else file id
    int user;       // 1 loaded from a user annex file, 0 built-in, -1 before any load
    int variant;    // third number of the file's head line
    char name[NAD_NAME_SIZE];
    NAD_EC0_Block ec0;
    NAD_EC1_Block ec1;
    NAD_EC2_Block ec2;
    NAD_EC3_Block ec3;
    NAD_EC5_Block ec5;
    NAD_EC6_Block ec6;
    NAD_EC9_Block ec9;
};

struct NAD_List {
    int count;
    char* names[NAD_LIST_MAX];
    int ids[NAD_LIST_MAX];
    int file_numbers[NAD_LIST_MAX];  // n of %DRAM%/NADS/<n>.NAD; 0 built-in
};

// Rebuilds the annex list from the user annex files 1.NAD, 2.NAD, ... under
// DRAM (stopping at the first gap). Sets the active name to "Deutschland"
// when none is set and DRAM is defined. 1, or 0 when a name could not be
// copied (such an entry stays in the list without a name and is never
// chosen; without its built-in entries the list stays empty until the next
// scan).
int Scan_NAD_List();

// Makes the active name current: recommended values of every block, then
// the annex file over them. Returns 1 when the file was loaded, 0 when not
// (the record then holds the recommended values and the failure is
// reported as the head comment says) or when no list entry has the name
// (see Set_Active_NAD_By_Name; nothing is shown here).
int Activate_NAD();

// Makes the named annex active. A null name gives "Deutschland";
// "lokale Definitionen" stands for "Deutschland" without a warning. A name
// in no list entry is kept as the active (requested) name without any
// annex's values: the record holds the recommended values, the getters of
// the name and id answer for the standard set, NAD_Unknown_Name gives the
// name, and the user is told (a line on stderr in batch mode, a box
// otherwise). No other annex takes its place.
void Set_Active_NAD_By_Name(const char* name);

// The active (requested) name as it stands, without any activation: what
// the next Activate_NAD makes current. Null before the first scan or
// activation.
const char* Get_Requested_NAD_Name();
// Replaces the active name by a copy of name without activating it (the
// selection sheet's pick; Activate_NAD makes it current). 1, or 0 for a null
// name or when the copy failed: the old name then stays.
int Set_Requested_NAD_Name(const char* name);

// The active name (after lazy activation). Never null. When the annex file
// could not be read, the name of the standard set whose values are in force.
const char* Get_Active_NAD_Name();
// The list id of the active annex (its flag number), after lazy activation;
// 19 when the annex file could not be read.
int Get_Active_NAD_Id();
// The active name, or for a user annex the name with " (benutzerdefiniert)";
// in a static buffer of 64 characters overwritten by the next call.
const char* Get_Active_NAD_Display_Name();

// Blocks of the current record (after lazy activation); never null.
NAD_EC0_Block* Get_NAD_EC0();
NAD_EC1_Block* Get_NAD_EC1();
NAD_EC2_Block* Get_NAD_EC2();
NAD_EC3_Block* Get_NAD_EC3();
NAD_EC5_Block* Get_NAD_EC5();
NAD_EC6_Block* Get_NAD_EC6();
NAD_EC9_Block* Get_NAD_EC9();
int Get_NAD_Variant();

// Activates the annex named after "ACTIV_NADNAME" in the file, else
// "Deutschland" (silently). A null file gives "Deutschland".
void Read_ACTIV_NADNAME(FILE* f);
// Writes "\n\nACTIV_NADNAME\n" and «name»\n with the active (requested)
// name. 1, or 0 for a null file, a failed write or no active name (the
// activation could not copy one).
int Write_ACTIV_NADNAME(FILE* f);
// Writes the current record as the annex file "<path>_EC2.NAD", replacing
// an older file only when complete. 1, or 0 for a null path or when the file
// could not be written (nothing is shown; the older file stays).
int Write_NAD_EC2_File(const char* path);
// Draws the flag of the active id at (x, y); nothing without DATA.
void Draw_Active_NAD_Flag(int x, int y);
void Draw_Active_NAD_Flag_Entry(int x, int y);
void Draw_Active_NAD_Flag_Entry_2(int x, int y);
// Loads the EN 1991 tables of the built-in set "DIN 1055-(4+5)" into the
// current record; the result of Load_WUSL_Annex.
int Load_NAD_EC1_DIN_1055();

// Entry points through which the weld program reaches the registry: the
// two writers forward to Write_ACTIV_NADNAME; the stubs do nothing (the
// weld program's start passes 4 to NAD_Stub_Empty) and NAD_Stub_Zero
// returns 0.
int Write_ACTIV_NADNAME_Entry(FILE* f);
int Write_ACTIV_NADNAME_Entry_2(FILE* f);
void NAD_Stub_Empty(int unused);
int NAD_Stub_Zero();

// 1 when the last activation could not read the annex file, so that the
// current record holds the recommended values under another annex's choice.
int NAD_Load_Failed();
// The annex name whose file could not be read (empty when none failed).
const char* NAD_Failed_Name();
// 1 when that file could not be read, missing or damaged (cut short,
// unreadable values), or when the active name is in no annex that can be
// read while a user annex file cannot be read: the annex's values are
// unknown, so the checks that rest on it are not carried out.
int NAD_Load_Damaged();
// Why the failed annex was not read ("nicht vorhanden", "keine Datei",
// "gamma_M2 = 0.1 liegt nicht zwischen 0.5 und 3", "nicht gefunden; nicht
// lesbar: 1.NAD (keine Datei)"); "" when none failed or the file does not
// say.
const char* NAD_Failure_Reason();
// The active (requested) annex name when no annex of the list carries it,
// after lazy activation; empty when the active annex exists. Checks that
// rest on the annex must not be carried out while it is not empty.
const char* NAD_Unknown_Name();

// The trace switch of the annex code (off; nothing in the program sets it).
int NAD_Verbose();
void Set_NAD_Verbose(int on);

// Read-only view of the annex list (for the selection sheet and tests).
const NAD_List* Get_NAD_List();
// The whole current record (after lazy activation).
NAD_Record* Get_Current_NAD_Record();

// Forget the list, the active name and the current record, as at process
// start. For tests and for a program that switches its data directories.
void Reset_NAD_Registry();

#endif
