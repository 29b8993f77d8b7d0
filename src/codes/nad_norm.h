// Standard names and normative references: every design standard code
// 0..32 with its printed name (short or long, with or without the edition)
// and the list of normative references of the print list. Both texts live
// in static buffers that the next call overwrites.
#ifndef CODES_NAD_NORM_H
#define CODES_NAD_NORM_H

enum { NORM_CODE_MAX = 32, NORM_REFERENCE_LINES = 10, NORM_REFERENCE_SIZE = 110 };

typedef char Norm_Reference_Table[NORM_REFERENCE_LINES][NORM_REFERENCE_SIZE];

// The name of the standard code; the empty text for a code without a name
// and for any code outside 0..32. Never null.
const char* Get_Norm_Name(int code, int with_edition, int short_form);
// Fills the static reference table (all ten lines emptied first) and hands
// it out through *out; the result is its number of lines. The lines of the
// German national annexes belong to the list only while the active annex is
// "Deutschland". Codes 6 and 7: 0 and *out untouched; a code outside 0..32:
// 1 with one empty line. A null out is allowed.
int Get_Norm_References(int code, Norm_Reference_Table** out);

#endif
