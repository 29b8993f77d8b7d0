// stub
#include "base/vekexport.h"
const char* VEKExport_Block_Name(int) { return nullptr; }
int Write_VEKExport_Block(FILE*, int) { return 0; }
int Find_VEKExport_Block(FILE*, int, int) { return 0; }
int Write_End_Of_VEKExportBlock(FILE*, int) { return 0; }
VEKExportObject* Create_VEKExport_Object(int, int, int, const char*, int, void*) { return nullptr; }
void Free_VEKExport_Object(VEKExportObject*) {}
int Write_VEKExport_Object(FILE*, const VEKExportObject*) { return 0; }
int Write_VEKExport_Object_Body(FILE*, const VEKExportObject*) { return 0; }
VEKExportObject* Read_VEKExport_Object(FILE*) { return nullptr; }
VEKExportObject* Create_VEKExportObject_Header(void) { return nullptr; }
int Write_VEKExportObject_Header(FILE*, const VEKExportObject*) { return 0; }
VEKExportObject* Read_VEKExportObject_Header(FILE*) { return nullptr; }
int Set_VEKExport_Object_Text(VEKExportObject*, const char*) { return 0; }
char* Get_VEKExport_Object_Text(const VEKExportObject*) { return nullptr; }
VEKClassData* Create_VEKClassData(VEKExportObject*) { return nullptr; }
int Write_VEKClassData(FILE*, const VEKClassData*) { return 0; }
VEKClassData* Read_VEKClassData(FILE*, VEKExportObject*) { return nullptr; }
void Free_VEKClassData(VEKClassData*) {}
VEKResultRecord* Create_VEKResult_Record(void) { return nullptr; }
int Init_VEKResult_Record(VEKResultRecord*) { return 0; }
int Init_VEKResult_Key_And_Values(VEKResultRecord*) { return 0; }
int Resize_VEKResult_Values(VEKResultRecord*, int, int, int) { return 0; }
int Resize_VEKResult_Record_Values(VEKResultRecord*, int, int, int) { return 0; }
void Free_VEKResult_Values(VEKResultRecord*) {}
void Free_VEKResult_Record_Values(VEKResultRecord*) {}
void Free_VEKResult_Record(VEKResultRecord*) {}
int Write_VEKResult_Mark(FILE*) { return 0; }
int Write_VEKResult_Key(FILE*, const int*) { return 0; }
int Write_VEKResult_Record(FILE*, const VEKResultRecord*) { return 0; }
int Find_VEKResult_Mark(FILE*, int) { return 0; }
int Read_VEKResult_Key(FILE*, int*) { return 0; }
int Read_VEKResult_Record(FILE*, const int*, VEKResultRecord*) { return 0; }
int Match_VEKResult_Key(const int*, const int*) { return 0; }
int Get_VEKResult_Key_Field(const VEKResultRecord*, int) { return 0; }
int Get_VEKResult_Int(const VEKResultRecord*, int) { return 0; }
double Get_VEKResult_Double(const VEKResultRecord*, int) { return 0.0; }
char* Get_VEKResult_String(const VEKResultRecord*, int) { return nullptr; }
int Get_VEKResult_Values(const VEKResultRecord*, const int*, int, double*) { return 0; }
double Get_VEKResult_Kmod(const VEKResultRecord*) { return 0.0; }
int Get_VEKResult_First_Int(const VEKResultRecord*) { return 0; }
const VEKValueNameTable* VEKResult_Name_Table(int) { return nullptr; }
const VEKValueNameTable* Get_VEKResult_Name_Table(const VEKResultRecord*) { return nullptr; }
int Find_VEKValueName_Index(const VEKValueNameTable*, int) { return 0; }
const VEKValueName* Find_VEKValueName(const VEKValueNameTable*, int) { return nullptr; }
int Compare_VEKExportParam_Key(const VEKExportObject*, const VEKExportParam_Key*) { return 0; }
VEKExportObject* Find_VEKExportParam_Obj(const VEKExportParam_Key*, const VEKExportFile*) { return nullptr; }
VEKExportObject* Find_VEKExport_Object(int, int, const VEKExportFile*) { return nullptr; }
int Get_VEKExport_Object_Axes(const VEKExportObject*, double*, int, int) { return 0; }
int Get_VEKExport_Class_Values(const VEKExportObject*, VEKExportClassValues*) { return 0; }
int Set_VEKExport_Class_Values(VEKExportObject*, const VEKExportClassValues*) { return 0; }
int Get_VEKExport_Typed_Int(const VEKExportObject*, int, int) { return 0; }
double Get_VEKExport_Typed_Double(const VEKExportObject*, int, int) { return 0.0; }
char* Get_VEKExport_Typed_String(const VEKExportObject*, int, int) { return nullptr; }
int Get_VEKExport_Third_Int(const VEKExportObject*) { return 0; }
