// Refusal of bad values typed into the number fields of the material,
// plate and safety-factor pages: the page remembers the value each field
// shows when it is built, and the field's check puts it back (with a
// message that names the value and the limit) when the typed value lies
// outside the field's range. Nothing typed is cut to a limit silently.
#ifndef CODES_PAGE_VALUES_H
#define CODES_PAGE_VALUES_H

// Remembers the value *value shows now (called for every field at every
// build of its page). Null is ignored. The table holds the fields of the
// latest builds (256); an older entry is reused first.
void Remember_Page_Value(double* value);
// Value checks (Value_Check_Function): a negative value, or one outside
// 0 .. 1, or one that is no number, is refused: a warning names it and the
// range, and the field gets back the value it showed (0 or the nearer end
// when no value was remembered). Return their argument.
void* Refuse_Negative(void* value);
void* Refuse_Outside_Zero_One(void* value);
// Forgets every remembered value (for tests).
void Reset_Page_Values();

#endif
