/* desktop.cpp -- desktop services of the headless stand-in (first cut). */
#include "platform/desktop.h"

VEKStdioFctTable* VEK_STDIO_FCT = nullptr;

const char* VEKGetEnv(const char*) { return nullptr; }
int VEKGetUserString(const char*, char*, int) { return 0; }
int CurOb_Application_Number(void) { return 156; }
int CurOb_Object_Id(void) { return 0; }
const char* CurOb_Privat_Datapath(void) { return nullptr; }
const char* CurOb_Filername(void) { return nullptr; }
const char* CurOb_Basicname(void) { return nullptr; }
const char* CurOb_Suffixname(void) { return nullptr; }
const char* CurOb_Programname(void) { return nullptr; }
const char* CurOb_Programstring(void) { return nullptr; }
const char* CurOb_Versionstring(void) { return nullptr; }
void VEKSetStdioFctPtr(VEKStdioFctTable* table) { VEK_STDIO_FCT = table; }
int VEKCopyFile(const char*, const char*, int) { return 0; }
int VEKRemoveFile(const char*) { return -1; }
int DOSFindFirstFile(const char*, DOSFindRecord*) { return -1; }
int DOSFindFirstDirectory(const char*, DOSFindRecord*) { return -1; }
int DOSFindNext(DOSFindRecord*) { return -1; }
void DOSFindClose(DOSFindRecord*) {}
int VEKSpawnv(int, const char*, const char* const*) { return -1; }
int FindVEKWindow(const char*, int) { return 0; }
int CheckVEKProcess(int, char*) { return 1; }
int ShowVEKProcessWindow(int, int) { return 0; }
void VEKSetFrameTitle(const char*) {}
const char* VEKGetFrameTitle(void) { return ""; }
static int (*close_fct)(void) = nullptr;
void VEKSetCloseFct(int (*handler)(void)) { close_fct = handler; }
int (*VEKGetCloseFct(void))(void) { return close_fct; }
static long long clock_ms = 0;
void VEKSleep(int ms) { if (ms > 0) clock_ms += ms; }
void Wait_Seconds(double s) { if (s > 0) clock_ms += (long long)(s * 1000.0 + 0.5); }
static int timer_on = 0;
int VEKSetTimer(int on) { int old = timer_on; timer_on = on != 0; return old; }
int VEKTimerActive(void) { return timer_on; }
long long VEK_Clock_ms(void) { return clock_ms; }
void VEK_Advance_Clock(long long ms) { if (ms > 0) clock_ms += ms; }
int VEKSetClipboardText(const char*, int) { return 1; }
int VEKGetClipboardText(char*, int) { return 0; }
