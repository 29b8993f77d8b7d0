// What the field widgets, the buttons and tool tips, the field drawing and
// the table sheets share inside the toolkit; not for other modules.
#ifndef DIALOGS_FIELDS_INTERNAL_H
#define DIALOGS_FIELDS_INTERNAL_H

// ---- buttons.cpp ----
// Empties the hover-button and tool-tip tables.
void Clear_Button_Tables(void);
// Takes the hover context from the registry entry that names the slot
// (origin -1000, -1000 and the rest unchanged when none does).
void Take_Hover_Context(int slot);
// The x range of the registry entry that names the slot; 0 when none.
int Registry_X_Range(int slot, int *x1, int *x2);

// ---- fields.cpp ----
// The field text colour for an active widget, the inactive colour else.
int Field_Colour(int active);

// ---- tablesheet.cpp ----
// Nesting depth of the open table sheets (0 when none).
int Table_Sheet_Depth(void);
// The working copy of an int shown as a double by an open sheet (the
// innermost level that has it), null when none.
double *Sheet_Int_Working_Copy(int *variable);

// ---- every widget module: its state as at the start of the process ----
void Reset_Fields_State(void);
void Reset_Field_Transform_State(void);
void Reset_Buttons_State(void);
void Reset_Table_Sheet_State(void);
void Reset_Message_Dialogs_State(void);
void Reset_Choosers_State(void);
void Reset_Rebar_State(void);
void Reset_Hints_Page_State(void);
void Reset_Drawing_State(void);

#endif
