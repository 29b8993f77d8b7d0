// What the program knows of the run it serves: the component identifier
// (the path prefix of the component's files), the File-Id and Pos-Id, the
// batch flag, the names of the component's files, the desktop's
// directories and the editing state; and the position number and text of
// the component.
#ifndef WELDAPP_PROGRAM_CONTEXT_H
#define WELDAPP_PROGRAM_CONTEXT_H

#include "base/filenames.h"

enum { CONTEXT_NAME_SIZE = 32, CONTEXT_PATH_SIZE = FILE_BASE_MAX + 1 };

struct Programm_Kontext {
    char identifier[CONTEXT_PATH_SIZE];  // whole, up to what the path prefix holds
    int icon_id;                         // read, not used
    int file_id;
    int pos_id;
    int refresh;                         // 1: batch run ("-refresh"), no window, no box
    char input_name[CONTEXT_NAME_SIZE];  // "_NN.INP"
    char list_name[CONTEXT_NAME_SIZE];   // "_NN.OLI"
    char text_suffix[CONTEXT_NAME_SIZE]; // "_NN.TXT"
    char plot_name[CONTEXT_PATH_SIZE + CONTEXT_NAME_SIZE];  // identifier + "%04d.SPF"
    char program_directory[CONTEXT_PATH_SIZE];              // "EXEC"
    char private_data_path[CONTEXT_PATH_SIZE];
    int editing_state;                   // 1 input page, 4 load cases, 5 chart
    int ask_once;                        // the many-load-cases question not shown yet
};

extern Programm_Kontext Kontext;

// The exit codes of the program, which tell the desktop what changed. A run
// that a script file cannot drive ends with VEK_SCRIPT_EXIT_CODE (3).
enum Program_Exit_Code {
    PROGRAM_EXIT_UNCHANGED = 0,        // usage text, no desktop, left without saving
    PROGRAM_EXIT_WRITTEN = 1,          // the list was written (of the check, or the one that says why
                                       // there is none); at the screen after the input was saved
    PROGRAM_EXIT_LIST_NOT_WRITTEN = 2, // the list could not be written (stderr says what stands); at the
                                       // screen after the input was saved
};

// Takes the command line (program name, identifier, Icon-Id, File-Id,
// Pos-Id, optional "-refresh"): File-Id and Pos-Id must be whole decimal
// ints and the identifier must fit the path prefix. On success the context is
// filled, the path prefix, the print-list name and the batch mode are set,
// and the result is 1; else 0 and nothing is changed (the caller prints the
// usage text).
int Set_Program_Context(int argc, const char* const* argv);

// Reads the position number and text of the component from the file named
// by the first four characters of the identifier (all of a shorter one) and
// the position-text suffix, in the current directory. 0 when both were
// read; 1 when the file is missing, empty, or has a number but no text.
int Read_Code_and_Text_File(const char* identifier);
// The list's markup escape (0xCE) in the position's number or text is read
// as a blank (the console of a batch run says so); letters the list's font
// draws as formula signs ("ê" as an arrow) stay and print as those signs
// (the console says so too). This box tells both at the screen. Nothing
// when there was neither, or in batch mode.
void Tell_Position_Text_Notice(void);

// The handler of the window's close request: asks "Aktuelle Bearbeitung
// abbrechen?" and says that unsaved edits are lost, "Nein" the default (the
// answer of Enter); on yes removes the sheets and returns VEK_CLOSE_CODE (the
// run ends with exit code 0, nothing saved); on no returns 0.
int Close_Request_Callback(void);

#endif
