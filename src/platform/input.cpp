/* input.cpp -- mouse, keys and editors of the headless stand-in (first cut). */
#include "platform/input.h"

int M_XPOS = 0, M_YPOS = 0, M_LEFT = 0, M_RIGHT = 0, M_MIDDLE = 0, M_SCROLL = 0;
int LAST_SHEET_EDIT_KEY = 0;
void InitVEKMessage(VEKMessage* m) { if (m) *m = VEKMessage{}; }
int GetVEKMessage(int, VEKMessage*) { return VEK_MSG_CLOSE; }
int Get_Mouse_Event(void) { return VEK_MSG_CLOSE; }
int hitkey(void) { return -1; }
int getkey(void) { return -1; }
int getkeymask(void) { return 0; }
void VEK_Set_Key_Mask(int) {}
void Init_Mouse_Position(int x, int y) { M_XPOS = x; M_YPOS = y; }
void msStCu(int x, int y) { M_XPOS = x; M_YPOS = y; }
int msStat(int* x, int* y) { if (x) *x = M_XPOS; if (y) *y = M_YPOS; return 0; }
int Set_MouseWheel_Activity(int) { return 0; }
void Init_Mouse_Move_Restriction(int, int, int, int) {}
void Pop_Mouse_Move_Restriction(int, int, int, int) {}
void Push_Mouse_Move_Restriction(void) {}
void Inquire_Mouse_Move_Restriction(int*, int*, int*, int*) {}
void setMouseCursor(int) {}
int currentMouseCursor(void) { return 0; }
int Short_Edit_Float(int, int, const char*, double*) { return 0; }
int Short_Edit_Text(int, int, char*, int, int) { return 0; }
void Set_Short_Edit_Text_Scrollmode(int) {}
int Menue_Manager(VEKMenuItem*, int, int, int, int) { return -1; }
int Get_UserSelected_SpecialCharacter(void) { return -1; }
