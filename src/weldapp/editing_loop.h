// The window path of the program: the full-screen main sheet with its
// register (input page, load cases, utilisation chart), the image button
// bar and the working area, and the modal editing loop that runs until the
// end dialog or the window's close request ends it.
#ifndef WELDAPP_EDITING_LOOP_H
#define WELDAPP_EDITING_LOOP_H

// Editing states and the register codes that select them.
enum {
    STATE_INPUT = 1,
    STATE_LOADS = 4,
    STATE_CHART = 5,
    CODE_REGISTER_INPUT = 10001,
    CODE_REGISTER_LOADS = 10004,
    CODE_REGISTER_CHART = 10005,
    CODE_BUTTON_BAR = 1,
    CODE_WORKING_AREA = 100,
};

// Codes of the main sheet's buttons.
enum {
    BUTTON_PRINT_CONTROL = 1,
    BUTTON_PREVIEW = 2,
    BUTTON_PRINT = 3,
    BUTTON_PLOT = 4,
    BUTTON_HELP = 6,
    BUTTON_END = 7,
    BUTTON_ANNEX = 8,
};

// Builds the main sheet, loads the input file and runs the editing loop.
// Returns the exit code: 1 when the user saved and ended, 0 when the user
// left without saving. A confirmed close request ends the run inside the
// window library (exit code 0, nothing saved).
int Run_Window_Path(void);

// One action of the button bar, as the loop runs it (for tests): the
// button's code; 1 save and end or 0 end without saving when the end dialog
// says so, -1 to go on editing.
int Run_Main_Button(int button);

// Writes the print list of the record from the loop and gives its path
// (at least 261 bytes of buffer).
void Write_Loop_Print_List(char* path, int size);

#endif
