/* sheets.cpp -- property sheets of the headless stand-in (first cut). */
#include "platform/sheets.h"

static const VEKRaster ok_raster = {35, 20, nullptr};
static const VEKRaster break_raster = {35, 20, nullptr};
const VEKRaster* const SYMBOLIC_OK_RASTER = &ok_raster;
const VEKRaster* const SYMBOLIC_BREAK_RASTER = &break_raster;
void Init_Prop_Sheets(void) {}
void Exit_Prop_Sheets(void) {}
void Set_Prop_Sheet_Screen_Base(int, int, int, int) {}
void Set_NoFrameFlag_to_Next_PropSheet(void) {}
int Check_Prop_Sheet_Frames(int*, int*, int*, int*) { return 0; }
int Define_Prop_Sheet(int, int, int, int, int, int, const char*, int, int) { return 0; }
int Activate_Prop_Sheet(void) { return 0; }
int Undefine_Prop_Sheet(void) { return 0; }
int VEK_Prop_Sheet_Count(void) { return 0; }
void Prop_Sheet_Displacement(int* dx, int* dy) { if (dx) *dx = 0; if (dy) *dy = 0; }
void Inquire_Prop_Sheet_Displacement(int* dx, int* dy) { Prop_Sheet_Displacement(dx, dy); }
void VEK_Set_Prop_Sheet_Displacement(int, int) {}
void Set_Prop_Sheet_Edit_Float_Auto_Mode(void) {}
int Add_Single_Button_to_PS(int, int, int, int, const char*, const VEKRaster*, int) { return 0; }
int Add_Help_to_PS(int, int, int, int, int, const char*) { return 0; }
int Add_Escape_Area_to_PS(int, int, int, int, int) { return 0; }
void Set_Escape_Area_to_MouseMoveEvent(int) {}
void Set_ClickOutsideEvent_to_PS(int) {}
int Add_Register_to_PS(int, int, int, int, int) { return 0; }
int Add_Member_to_Register(int, int, int, int, int) { return 0; }
void Set_Selected_Register_Member(int) {}
int VEK_Selected_Register_Member(int) { return 0; }
int Add_Text_to_PS(int, int, int, char*, int, int) { return 0; }
int Add_Float_to_PS(int, int, int, const char*, int, int, double*) { return 0; }
int Add_Logical_Button_to_PS(int, int, int, int, int*, int, int, const VEKRaster*, const VEKRaster*) { return 0; }
int Add_Stringlist_to_PS(int, int, int, int, int, int, int, int*) { return 0; }
int Fill_Stringlist_of_PS(int, int, const char*) { return 0; }
const char* VEK_Stringlist_Row(int, int) { return nullptr; }
int Change_Activity_PS(int, int) { return 0; }
int ActivState_of_Button_PS(int) { return 0; }
void Change_Action_State_PS(int, int) {}
void Reset_Button_Frame(int) {}
void Set_Comment_to_Button_PS(int, const char*) {}
void Snap_Colored_Layout_of_Single_Button(int) {}
void Move_Mouse_Cursor_to_Button_of_PS(int) {}
int VEK_Element_Rectangle(int, int*, int*, int*, int*) { return 0; }
int Add_Scrollable_Area_to_PS(int, int, int, int, int, int, int, int, VEKScrollDrawFct, void*, int) { return 0; }
int Add_VSlider_to_Scrollable_Area(int, int, int, int, int) { return 0; }
int Add_HSlider_to_Scrollable_Area(int, int, int, int, int) { return 0; }
void Set_VSlider_Speed(int, double, double) {}
void Set_HSlider_Speed(int, double, double) {}
void Resize_Origin_of_Scrollable_Area_PS(int, int, int) {}
void Set_Scrollable_Area_PS(int, int, int) {}
void Inquire_Scrollable_Area_PS(int, int* ox, int* oy) { if (ox) *ox = 0; if (oy) *oy = 0; }
void Reshape_Scrollable_Area_PS(int, int, int, int, int, int, int, int, int) {}
void Set_Scrollable_Area_PS_Frameflag(int, int) {}
int VEK_Scrollable_Area_Draw_Count(int) { return 0; }
void Define_Call_Allways_Function(void (*)(void)) {}
void Activate_Call_Allways_Function(int) {}
void Set_CallSometimesFunc_to_PS(int (*)(void)) {}
int Edit_Prop_Sheet(void) { return 32768; }
const char* VEK_Last_Help_Topic(void) { return ""; }
