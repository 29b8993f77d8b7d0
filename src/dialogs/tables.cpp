// Tables on scrollable view areas (being built: the calls exist and fail).
#include "dialogs/tables.h"

const Sheet_Table *Sheet_Table_Record(int) { return nullptr; }
int Define_Table_in_Scrollable_Area(int, int, int, int, int, int, Table_Row_Function) { return -1; }
int Append_Table_Row(int, const void *) { return 0; }
int Set_Table_Template_Row(int, const void *) { return 0; }
void Set_Table_Part_Offset(int, int, int, int) {}
void Set_Table_Row_Limit(int, int) {}
void Fill_Table_Area(int) {}
int Edit_Table(int) { return 0; }
void *First_Table_Row(int) { return nullptr; }
void *Next_Table_Row(int) { return nullptr; }
int Table_Row_Count(int) { return 0; }
int Table_Row_Number(int, const void *) { return 0; }
void Release_Table(int) {}
void Undefine_Tables_of_Sheet(int) {}
void Delete_All_Table_Rows(int) {}
void Move_Table(int, int, int) {}
Sheet_Table_Column *Add_Table_Column(int, int, int, int, int, const char *, int) { return nullptr; }
int Sort_Table_Column_Ascending(void) { return 0; }
int Sort_Table_Column_Descending(void) { return 0; }
int Fill_Table_Column(void) { return 0; }
