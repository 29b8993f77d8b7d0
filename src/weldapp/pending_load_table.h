// The load-case table of the load-case page and the print control sheet,
// as the shell calls them. Their modules are not part of this build yet:
// pending_load_table.cpp stands in for them (no table, no sheet).
#ifndef WELDAPP_PENDING_LOAD_TABLE_H
#define WELDAPP_PENDING_LOAD_TABLE_H

struct SchweissnahtAnschluss;
struct OliProps;

void Draw_Lasttabelle(SchweissnahtAnschluss* record, int area, int x, int* y);
void Update_Lasttabelle(void);
int Store_Lasttabelle(SchweissnahtAnschluss* record);
int Edit_Lasttabelle(void);
int Edit_Print_Control_Sheet(OliProps* props);

#endif
