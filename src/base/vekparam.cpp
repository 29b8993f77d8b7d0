// stub
#include "base/vekparam.h"
int Init_VEK_Object_Head(VEKObjectHead*) { return 0; }
int Set_VEK_Object_Head(int, int, int, const char*, VEKObjectHead*) { return 0; }
int Set_VEK_Object_Head_Text(char*, VEKObjectHead*) { return 0; }
void Free_VEK_Object_Head(VEKObjectHead*) {}
int Write_VEK_Object_Head(FILE*, const VEKObjectHead*) { return 0; }
int Read_VEK_Object_Head(FILE*, VEKObjectHead*) { return 0; }
int Init_VEK_Param_Block(VEKParamBlock*) { return 0; }
int Resize_VEK_Param_Block(VEKParamBlock*, int, int, int) { return 0; }
void Free_VEK_Param_Block(VEKParamBlock*) {}
void Clear_VEK_Param_Block(VEKParamBlock*) {}
int VEK_Param_Block_Is_Set(const VEKParamBlock*) { return 0; }
int Copy_VEK_Param_Block(VEKParamBlock*, const VEKParamBlock*) { return 0; }
int Write_VEK_Param_Block(FILE*, const VEKParamBlock*) { return 0; }
int Read_VEK_Param_Block(FILE*, int, int, int, VEKParamBlock*, int) { return 0; }
int Get_VEK_Param_Values(const VEKParamBlock*, int*, const int*, int, double*, const double*, int, char**, char* const*, int) { return 0; }
int Set_VEK_Param_Values(VEKParamBlock*, const int*, const int*, int, const int*, const double*, const int*, int, const int*, char* const*, const int*, int, const int*) { return 0; }
int Get_VEK_Param_Int(const VEKParamBlock*, int) { return 0; }
double Get_VEK_Param_Double(const VEKParamBlock*, int) { return 0.0; }
char* Get_VEK_Param_String(const VEKParamBlock*, int) { return nullptr; }
