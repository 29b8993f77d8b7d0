// partpick: the desktop's component selection (PartPick) and plan editor
// (Linarium), both run as sibling tools. The selection's answer describes
// the chosen component's files, from which the internal-force selection
// finds the component's exchange file; the plan editor is started after the
// print list has been written and waited for.
#ifndef WELDAPP_PARTPICK_H
#define WELDAPP_PARTPICK_H

#include <cstdio>

enum {
    BAUTEIL_TEXT_SIZE = 40,   // 39 characters and the terminator
    BAUTEIL_STEM_SIZE = 260,
    BAUTEIL_ARCHIVE_SIZE = 256,
    COMPONENT_MODE = 3,       // the selection mode every caller passes
};

// The chosen component. One static instance that every selection
// overwrites; callers that keep its address see the newest selection.
struct VEKBauteil {
    int a, b;                          // the answer's first two numbers (kept, not used)
    int packed;                        // the component's files lie in an archive
    char name[BAUTEIL_TEXT_SIZE];      // shown in messages and the import protocol
    char s2[BAUTEIL_TEXT_SIZE];        // kept, not used
    char last_action[BAUTEIL_TEXT_SIZE];
    char file_stem[BAUTEIL_STEM_SIZE]; // path and base name; + ".EX2" is the exchange file
    char s5[BAUTEIL_TEXT_SIZE];        // kept, not used
    char s6[BAUTEIL_TEXT_SIZE];        // kept, not used
    char archive[BAUTEIL_ARCHIVE_SIZE];// the archive holding the files (packed only)
};

// Runs "PartPick.exe" with the mode and reads its answer "PartPick.tmp"
// from "TEMP" (deleted afterwards). The static record, or null when the
// tool was already open or failed, "EXEC" or "TEMP" is not set, or the user
// cancelled (no answer file). A damaged answer (numbers or texts missing,
// a text without «) is refused with a message; the record then keeps the
// previous selection whole.
VEKBauteil* Select_Component(int mode);

// Reads an answer of the component selection from the stream into the
// record: 1 when it was complete, else 0 (the record then is unspecified).
// Texts are cut to their fields.
int Read_PartPick_Answer(FILE* file, VEKBauteil* component);

// Starts "Linarium.exe" with the identifier and, when second is not null, a
// second argument, and waits until the editor's window has closed: 1; 0
// when it was already open, "EXEC" is not set, or it could not be started
// or ended with an error.
int Run_Plan_Editor(const char* identifier, const char* second);
int Run_Plan_Editor_Default(const char* identifier);

// Test support: an empty record.
void Reset_PartPick(void);

#endif
