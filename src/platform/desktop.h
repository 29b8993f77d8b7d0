/* desktop.h -- desktop services of the headless stand-in for the window library.
 *
 * The program talks to the engineering desktop through a handful of calls:
 * its environment entries, the description of the component being edited
 * (the CurOb_ family), file copy, removal and wildcard search, starting the
 * desktop's tools and watching their windows, a clock, the clipboard, the
 * frame title and the close handler.  On this platform there is no desktop,
 * so each call is answered from the process environment and the file system.
 *
 * Environment entries read here (all optional unless noted):
 *   EXEC, DATA, DRAM, TEMP      the desktop's directories, as VEKGetEnv gives them
 *   VEK_APPLICATION_NUMBER      CurOb_Application_Number (default 156)
 *   VEK_OBJECT_ID               CurOb_Object_Id (default 0)
 *   VEK_PRIVAT_DATAPATH         CurOb_Privat_Datapath (default: the DRAM entry)
 *   VEK_FILERNAME, VEK_BASICNAME, VEK_SUFFIXNAME, VEK_PROGRAMNAME,
 *   VEK_PROGRAMSTRING, VEK_VERSIONSTRING
 *                               the other CurOb_ texts (default: none, except
 *                               CurOb_Programname, which defaults to "Q7-ZO3")
 *   VEK_USER_<key>              the user setting <key> for VEKGetUserString
 *
 * A tool started with VEKSpawnv owns one desktop window while it runs.  Its
 * title is the first line of the file "<program>.title" beside the program,
 * else the program's file name without directory.  FindVEKWindow looks only
 * at tools started this way.
 *
 * Time runs on a virtual millisecond clock: VEKSleep, Wait_Seconds and every
 * time-out advance it instead of waiting, so headless runs never sleep.
 * While a window is open (display_sdl.h) the clock runs in real time and
 * these calls really wait.
 */
#ifndef PLATFORM_DESKTOP_H
#define PLATFORM_DESKTOP_H

#include <cstddef>

#include "platform/stdio_table.h"

/* ---- environment and the current object ---- */

/* The value of a desktop environment entry ("EXEC", "DATA", "DRAM", "TEMP"),
 * or null when the entry is unset or empty.  The text belongs to the process
 * environment; never modify it. */
const char* VEKGetEnv(const char* name);

/* Copies the user setting `key` (environment entry VEK_USER_<key>) into the
 * buffer, cut to size - 1 characters.  Non-zero when the setting exists;
 * 0 (buffer untouched) when it does not or the arguments are unusable. */
int VEKGetUserString(const char* key, char* buffer, int size);

/* The desktop's application number of the component (default 156). */
int CurOb_Application_Number(void);
/* The component's object identifier (default 0). */
int CurOb_Object_Id(void);
/* The desktop's private data path of the current object, or null. */
const char* CurOb_Privat_Datapath(void);
/* Names of the current object; null when the desktop gives none. */
const char* CurOb_Filername(void);
const char* CurOb_Basicname(void);
const char* CurOb_Suffixname(void);
const char* CurOb_Programname(void);
const char* CurOb_Programstring(void);
const char* CurOb_Versionstring(void);

/* ---- stdio table ---- */

/* The program's stdio table as handed over by VEKSetStdioFctPtr; null before. */
extern VEKStdioFctTable* VEK_STDIO_FCT;
/* Publishes the table as VEK_STDIO_FCT.  Never fails. */
void VEKSetStdioFctPtr(VEKStdioFctTable* table);

/* ---- files ---- */

/* Copies the file `source` to `target`.  With fail_if_exists non-zero an
 * existing target is refused.  Non-zero on success, 0 on any failure (the
 * target is then not left half written). */
int VEKCopyFile(const char* source, const char* target, int fail_if_exists);

/* Removes a file.  0 when it was removed, -1 otherwise. */
int VEKRemoveFile(const char* name);

/* Wildcard search record.  The first field points to the name of the
 * current match (without directory); the rest is private to the search. */
struct DOSFindRecord {
    char* name;
    void* search;  /* private state; null while no search is open */
};

/* Starts a search for files (DOSFindFirstFile) or directories other than
 * "." and ".." (DOSFindFirstDirectory) matching the pattern; "*" and "?"
 * may appear in the name part, which matches without regard to case.
 * 0 when a first match was found (record->name points to it), else -1.
 * Always end the search with DOSFindClose. */
int DOSFindFirstFile(const char* pattern, DOSFindRecord* record);
int DOSFindFirstDirectory(const char* pattern, DOSFindRecord* record);
/* Advances to the next match: 0 on a match, -1 when there is none. */
int DOSFindNext(DOSFindRecord* record);
/* Ends the search and releases its state.  Accepts a closed record. */
void DOSFindClose(DOSFindRecord* record);

/* ---- tools of the desktop ---- */

/* Starts the program `path` with the argument vector `argv` (null-terminated;
 * argv[0] is the program) directly with posix_spawn, never through a shell.
 * A path without directory is looked up in the EXEC directory.
 * mode 0: waits for the end and returns the tool's exit status;
 * mode 1: returns 0 once started;
 * mode 2: returns the process id once started (for CheckVEKProcess).
 * -1 when the program could not be started. */
int VEKSpawnv(int mode, const char* path, const char* const* argv);

/* The outcome of the last start with mode 1 or 2: -2 while the tool runs,
 * its exit status (0..255) once it has ended, -1 when it could not be
 * started or was ended by a signal.  A caller that waited for the tool's
 * window tells a tool that failed from one the user closed. */
int VEK_Last_Spawn_Status(void);

/* Starts the program as VEKSpawnv does with mode 0 (argv[0] is the program),
 * its standard output and error written into the file `output` (created or
 * emptied), and waits for its end: the tool's exit status, or -1 when it
 * could not be started or the file not made.  Nothing goes through a
 * shell. */
int VEK_Spawn_Wait_Output(const char* path, const char* const* argv, const char* output);

/* Non-zero while a window whose title begins with the first `length`
 * characters of `title` exists, else 0. */
int FindVEKWindow(const char* title, int length);

/* 1 when the process `id` (from VEKSpawnv mode 2) has ended or is unknown,
 * 0 while it runs.  The buffer is not used and never modified. */
int CheckVEKProcess(int id, char* buffer);
/* Brings the tool's window forward; headless it does nothing.  Returns 1 when
 * the process runs, else 0. */
int ShowVEKProcessWindow(int id, int how);

/* ---- window frame ---- */

/* Sets the frame title (kept for tests; headless nothing is shown). */
void VEKSetFrameTitle(const char* title);
/* The current frame title ("" before any). */
const char* VEKGetFrameTitle(void);
/* Registers the handler asked when the user closes the window; null removes it. */
void VEKSetCloseFct(int (*handler)(void));
/* The registered close handler, or null. */
int (*VEKGetCloseFct(void))(void);

/* ---- time ---- */

/* Waits `ms` milliseconds of virtual time (negative counts as 0). */
void VEKSleep(int ms);
/* Waits `seconds` of virtual time, rounded to whole milliseconds. */
void Wait_Seconds(double seconds);
/* Switches the timer events on (non-zero) or off; returns the previous setting. */
int VEKSetTimer(int on);
/* The current timer setting. */
int VEKTimerActive(void);
/* Milliseconds of the virtual clock since the start of the process; never
 * goes backwards. */
long long VEK_Clock_ms(void);
/* Advances the virtual clock by `ms` (negative counts as 0). */
void VEK_Advance_Clock(long long ms);

/* ---- clipboard ---- */

/* Puts the text on the clipboard (null empties it).  The flag is unused.
 * Returns 1. */
int VEKSetClipboardText(const char* text, int flag);
/* Copies the clipboard's text into the buffer, at most size - 1 bytes,
 * terminated.  Returns the number of bytes copied; 0 for an empty clipboard
 * or unusable arguments (the buffer then is untouched unless size > 0). */
int VEKGetClipboardText(char* buffer, int size);

#endif
