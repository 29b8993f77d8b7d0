// Stand-ins of the load-case table and the print control sheet until their
// modules are part of the build: no table is shown, nothing is stored, the
// print control sheet does not open.
#include "weldapp/pending_load_table.h"

void Draw_Lasttabelle(SchweissnahtAnschluss*, int, int, int*) {}
void Update_Lasttabelle(void) {}
int Store_Lasttabelle(SchweissnahtAnschluss*) { return -1; }
int Edit_Lasttabelle(void) { return 0; }
int Edit_Print_Control_Sheet(OliProps*) { return 0; }
