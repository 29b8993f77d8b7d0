// The component's print list and plot file (component_output.cpp): written
// both or neither, replaced by a list that says why no check was made when
// they cannot be, kept and put back around the plan editor, and the
// preview's list.
#ifndef WELDAPP_COMPONENT_OUTPUT_H
#define WELDAPP_COMPONENT_OUTPUT_H

#include <cstdio>
#include <string>

#include "weldapp/output_pair.h"
#include "weldapp/schweissnaht.h"

// Writes the whole print list of the global record and its plot file,
// both or neither (output_pair.h: even a killed run leaves them of one run,
// or the pending list that says they may not be). COMPONENT_FILE_DONE.
// COMPONENT_FILE_UNCONFIRMED when both stand but the folder's sync after
// the last rename failed: they are kept, the console (and at the screen a
// box) says that they may not survive a power cut. When they cannot be
// written, a list that says why and that there is no result takes the
// list's place and the old plot file goes (a list that cannot be replaced
// is removed, else written over in place), so that no earlier result
// stands; at the screen a box says so; COMPONENT_FILE_FAILED. When another
// run held the folder past the wait, nothing there is changed: the pair
// is that run's to put in place.
int Write_Print_List(void);
// Write_Print_List for the record just saved (Save_Input_File): the record
// itself, as the saved file gave it back, neither taken from the pages nor
// passed through the file's text again. The box of a list that could not be
// written says that the input was saved.
int Write_Saved_Print_List(void);
// At the start of the window, once the input file is read into the pages:
// notes what the pages hold as opened (a list of them while they still do
// is the input file's, and carries its identity), and when the component's
// print list was made from other input than the input file read (a run
// that replaced the file was cut off before the list, say), a box says so.
// Nothing in batch mode; no box for a list without the identity of its
// input or without an input file to compare.
void Note_Opened_Input(void);
// At the start of a run: completes the print list and plot file of a run
// that was cut off after its commit, and puts back those of the saved input
// when a run was cut off while the plan editor had those of its edits. The
// console says what was done.
void Recover_Component_Output(void);
// Before the plan editor is given the print list and plot file of the
// edits: keeps those of the saved input. COMPONENT_FILE_DONE; else a box
// says why and the plan editor must not be started (nothing changed).
int Keep_Saved_Output(void);
// Once the plan editor has closed: puts back the kept print list and plot
// file. COMPONENT_FILE_DONE; else the list is replaced by one that says that
// there is no result (the edits' list must not pass for the saved input's)
// and a box says so; COMPONENT_FILE_FAILED. Where that list cannot take
// the edits' place, the kept pair waits for the next run to put it back.
int Put_Back_Saved_Output(void);
// Writes the print list of the global record as it stands on the pages,
// for the preview and the printer, into the desktop's "TEMP" directory (the
// system's temporary directory without one) under the component's list
// name, never into the component's own list or plot file: those change
// only when the user saves. COMPONENT_FILE_DONE with the list's path in
// path (size bytes); COMPONENT_FILE_FAILED when it could not be written
// (path then empty).
int Write_Temporary_Print_List(char* path, int size);

// The evaluation and its print are reached through this seam:
// Print_Schweissnaht from the start, a test's own print in tests.
// Write_Print_List calls the installed function between opening and
// closing the list. Without one only the head is written.
typedef void (*Print_Schweissnaht_Function)(SchweissnahtAnschluss* record, FILE* list);
Print_Schweissnaht_Function Set_Print_Schweissnaht_Seam(Print_Schweissnaht_Function print);

// Takes the identity of the input file open in f (none for null), which the
// lists of it carry from then on: the input file as the run read it, or as
// it was saved last.
void Note_Input_Source(FILE* f);

// What a list without a check says: what failed, why, and what that means
// for the result (code page 850).
struct Failure_List {
    const char* headline;
    std::string reason;
    const char* consequence;
};

// Puts the list that says why no check stands in place of the component's
// list and removes the plot file and whatever a run left waiting (the
// console says what stands), under the folder's lock: nothing is changed
// when another run holds it past the wait. `run`: the temporaries of this
// run's pair that failed, which go with them (null: none). True when the
// list that says why is in place.
bool replace_by_failure_list(const Failure_List& why, const Output_Pair* run = nullptr);

// What a symbolic link at path names, for the console; "" when no link
// stands there.
std::string link_target(const std::string& path);

#endif
