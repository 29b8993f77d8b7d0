// loadpick: internal forces taken from a component of a sibling frame or
// beam program. The component is picked with the component selection; its
// exchange file is handed to the desktop's internal-force selection
// LoadPick, in which the user marks members, sections and load cases;
// LoadPick writes them into "LoadPick.res" in "TEMP". This module reads that
// answer into a result store, offers it through accessors, and turns it
// into load cases of the connection.
//
// The store is one instance of module state, valid only once a whole
// answer was read; every accessor answers 0 or null while it is not.
#ifndef WELDAPP_LOADPICK_H
#define WELDAPP_LOADPICK_H

#include <cstdint>
#include <cstdio>

struct VEKBauteil;
struct VEKExportObject;
struct SchweissnahtAnschluss;

enum {
    LOADPICK_MAX_RESULTS = 10000,  // also the most load cases the load table holds
    LOADPICK_MAX_CUTS = 10,
    LOADPICK_MAX_VALUES = 6 * LOADPICK_MAX_CUTS,
    LOADPICK_WELD_VALUES = 6,      // N, Vy, Vz, Mx, My, Mz in kN and kNm
};

// One selected result, owned by the store.
struct CutResult {
    int32_t id;
    float value;
    float* values;    // the file's values per result, in file order
    char* text1;      // null for an empty text
    char* text2;
    char* info[5];    // the "Info" section, null when missing
};

// Runs the selection for the component (null: ask "Gleiches Bauteil ...
// wie zuvor?" when there was one, else pick one with the component
// selection) and reads LoadPick's answer: the number of results, or 0 (the
// store then is invalid). a to d are handed to LoadPick as decimal texts.
// A packed component's exchange file is extracted from its archive first
// (and removed after LoadPick has closed); an archive that cannot be used
// and an answer that cannot be read are named in a message box.
int Import_BeamCutResults0(VEKBauteil* component, int a, int b, int c, int d);
int Import_BeamCutResults_Pick(int a, int b, int c, int d);
// The same for up to 10 cuts, each with its argument text (cut_arguments
// holds cuts texts). More than 10 cuts: the console line and 0.
int Import_BeamCutMultiResults0(VEKBauteil* component, int a, int b, int c, int d, int cuts,
                                const char* const* cut_arguments);
int Import_BeamCutMultiResults_Pick(int a, int b, int c, int d, int cuts, const char* const* cut_arguments);

// Reads an answer from the stream into the store, which is emptied first:
// the number of results n (then valid), or 0 for a damaged answer (no
// "V:" line, counts not both above 0, more than 10000 results or 60 values
// per result, more values than the file can hold, a text without «). The
// import's message names an answer of more than 10000 results with its
// count, not as unreadable. A missing or mismatched "Info" section leaves
// the info texts null. With cuts above 0 the answer is the multi-cut form
// for that many cuts.
int Read_LoadPick_Answer(FILE* file, int cuts);

// Accessors for result i (0 <= i < n of a valid store; else 0 or null).
int Get_CutResult_Values(int i, float* out);  // copies the values per result; 1
int Get_CutResult_Id(int i);
float Get_CutResult_Value(int i);
const char* Get_CutResult_Text1(int i);
const char* Get_CutResult_Text2(int i);
const char* Get_CutResult_Info1(int i);
const char* Get_CutResult_Info2(int i);
const char* Get_CutResult_Info3(int i);
const char* Get_CutResult_Info4(int i);
const char* Get_CutResult_Info5(int i);
// The number of results and of values per result (0 while invalid).
int Get_CutResult_Count(void);
int Get_CutResult_Value_Count(void);
// Cut k of the multi-cut import: its exchange object and result count.
VEKExportObject* Get_Cut_ExportObject(int k);
int Get_Cut_Result_Count(int k);
// The file stem of the last component, or null.
const char* Get_LoadPick_Component_Stem(void);

// Frees the results with all their texts and values.
void Free_Cut_Results(void);
// Frees everything, the cuts' exchange objects too, and empties the store.
void Release_Cut_Results(void);

// The load-case page's import: picks a component, runs LoadPick and takes
// every selected result as a load case "Import Lk k" (k from 1) into the
// record: empty rows at the top of the table are filled first, the rest is
// appended. The protocol (".EXP") gets the component, its last action, the
// control point and the time. Returns the number of cases taken; 0 when
// nothing was taken: then the record and the protocol are unchanged (a
// message box says why when the answer cannot be used).
int Import_Component_Loads(SchweissnahtAnschluss* record);

// Test support: the store and the last component forgotten.
void Reset_LoadPick(void);

#endif
