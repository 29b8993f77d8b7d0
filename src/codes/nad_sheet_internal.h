// The start state of each annex sheet module, gathered by Reset_NAD_Sheets.
#ifndef CODES_NAD_SHEET_INTERNAL_H
#define CODES_NAD_SHEET_INTERNAL_H

void Reset_NAD_EC0_Sheet();
void Reset_NAD_EC2_Sheet();
void Reset_NAD_EC3_Sheet();
void Reset_NAD_EC5_Sheet();

#endif
