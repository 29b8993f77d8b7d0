/* events.cpp -- the scripted event queue (first cut). */
#include "platform/events.h"

void VEK_Script_Click(int, int, int) {}
void VEK_Script_Move(int, int) {}
void VEK_Script_Wheel(int) {}
void VEK_Script_Key(int) {}
void VEK_Script_Type(const char*, int) {}
void VEK_Script_Menu(int) {}
void VEK_Script_Answer(int) {}
void VEK_Script_Close(void) {}
void VEK_Script_Clear(void) {}
int VEK_Script_Pending(void) { return 0; }
int VEK_Script_Load_File(const char*) { return -1; }
int VEK_Script_Parse_Line(const char*, VEKScriptEvent*) { return -1; }
void VEK_Script_From_Environment(void) {}
int VEK_Script_Peek_Kind(void) { return VEK_EV_NONE; }
int VEK_Script_Take(VEKScriptEvent* e) { if (e) { *e = VEKScriptEvent(); e->kind = VEK_EV_CLOSE; } return 0; }
int VEK_Script_Take_If(int, VEKScriptEvent*) { return 0; }
int VEK_Close_Request(void) { return 32768; }
