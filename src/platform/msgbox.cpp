/* msgbox.cpp -- recorded message boxes (first cut). */
#include "platform/msgbox.h"

static std::vector<VEKRecordedMessage> recorded;
int PrintMessage(const char*, ...) { return 1; }
void Init_Message(void) {}
void Set_Message_Title(const char*) {}
int Fill_Message(const char*, ...) { return 0; }
void Set_Message_Symbol(int, int, int, int) {}
int Draw_Message(void) { return 1; }
int Show_Message(void) { return 1; }
void Quit_Message(void) {}
int Answer_is_Yes(int default_yes) { return default_yes; }
static int batch = 0;
void VEK_Set_Batch_Mode(int on) { batch = on; }
int VEK_Batch_Mode(void) { return batch; }
const std::vector<VEKRecordedMessage>& VEK_Recorded_Messages(void) { return recorded; }
int VEK_Batch_Fault_Count(void) { return 0; }
void VEK_Clear_Recorded_Messages(void) { recorded.clear(); }
