// The modal input sheets of the welded end-plate library: "Belastung" (the
// material safety factor and the design internal forces of one connection
// beside a picture of its profile family), "STAHLSORTE" (code of practice,
// steel grades of the profile and of the welds) and the two material sheets
// of user-defined grades.
//
// Each sheet opens where the user last left it (first at the screen
// centre), edits copies of the values and writes them back only on OK; it
// returns 1 for OK and 0 for break. The window's close request, or an edit
// that has nothing left to read, counts as break, so a sheet never hangs a
// run without a user.
#ifndef ENDPLATE_ENDPLATE_SHEETS_H
#define ENDPLATE_ENDPLATE_SHEETS_H

#include "profiles/geschweisster_anschluss.h"

// Field codes of the sheet "Belastung" (the load block of the record).
enum {
    BELASTUNG_BREAK = 1,
    BELASTUNG_OK = 3,
    BELASTUNG_N = 4,
    BELASTUNG_V_Z = 5,
    BELASTUNG_V_Y = 6,
    BELASTUNG_M_Z = 7,
    BELASTUNG_M_Y = 8,
    BELASTUNG_M_X = 9,
    BELASTUNG_CONTACT = 10,
    BELASTUNG_GAMMA_M = 15,
};

// Element codes of the sheet "STAHLSORTE" and of the material sheets.
enum {
    STAHLSORTE_PROFILE_LIST = 1,
    STAHLSORTE_WELD_LIST = 2,
    STAHLSORTE_CODE_LIST = 3,
    STAHLSORTE_OK = 4,
    STAHLSORTE_BREAK = 6,
    STAHLSORTE_PROFILE_SWITCH = 12,
    STAHLSORTE_WELD_SWITCH = 13,
    STAHLSORTE_WELD_MORE = 14,
    STAHLSORTE_PROFILE_MORE = 15,
    STAHLSORTE_ANNEX = 838,
    MATERIAL_E = 1,
    MATERIAL_F_Y = 2,
    MATERIAL_F_Y_THICK = 3,
    MATERIAL_BREAK = 6,
    MATERIAL_OK = 8,
    MATERIAL_ALPHA_W = 11,
};

// The load block (the record's eight doubles) of the record whose family
// code field `family` points at (the weld kind is read from the same
// record). The torsion M_x can be edited, and is written back, only for a
// rectangular hollow section or a circular tube, flat or round bar
// (families 1, 5 and above) welded all round; otherwise its field shows
// 0.00. Null pointers give 0.
int Draw_Belastung_Page(double *load, int *family);

// The grades of the record: on OK the code of practice and the grade ids
// (14 for user-defined values; under EC 3 the welds take the profile's
// grade) and the characteristic values of the profile grade (the
// catalogue's, or the user-defined ones for id 14).
int Draw_Stahlsorte_Page(Stahlsorte_Record *grade);
// E, f_y and f_y for t > 40 mm of a user-defined profile material.
int Draw_Material_Traeger_Page(Stahlsorte_Record *grade);
// E, f_y and alpha_w of a user-defined weld material.
int Draw_Material_Naht_Page(Stahlsorte_Record *grade);

// The stored sheet centres as at the start of the run (for tests).
void Reset_Endplate_Sheets(void);

#endif
