// The small modal sheets of the shell: the end dialog and the general
// question sheet with the question shown before many load cases are
// printed. Both remember where they stood for their next call.
#ifndef WELDAPP_SHELL_DIALOGS_H
#define WELDAPP_SHELL_DIALOGS_H

// The text callback of the question sheet: appends text items to the area
// from *y on (at x) and advances *y.
typedef void (*Question_Text_Callback)(int area, int x, int* y, void* user_data);

// "BEARBEITUNG BEENDEN": 1 save and end, 0 end without saving, 2 save
// without evaluating (application number 166 only), -1 Break (also the
// window's close request when it does not end the run).
int Edit_End_Dialog(void);

// A sheet titled "Info" (kind < 0) or "Nachfrage" with the callback's text
// in an area of width x height pixels (held within the screen, with a
// slider when it is too high), Break always, OK for kind 0 and 1, help with
// a help key. 1 for OK, 0 for Break.
int Show_Question_Sheet(int kind, int width, int height, const char* help_key, void* user_data,
                        Question_Text_Callback text);

// The question before more than ten load cases are printed.
void Many_Loadcases_Callback(int area, int x, int* y, void* user_data);

// Both sheets stand in the screen centre again (for tests).
void Reset_Shell_Dialogs(void);

#endif
