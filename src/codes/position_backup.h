// position_backup: a temporary backup of the position (one component's data
// set) being edited, so that an irregular end of the program loses nothing.
//
// While editing, the program writes its data through its own write function
// into "<dir><base>.bak"; at the next start a leftover backup shows that the
// last editing ended irregularly, and Recover_Position_Backup offers to load
// it instead of the regular save. A calculation backup ("<dir><base>.clcbak")
// and a comparison file ("<dir><base>.cmp") answer whether anything changed,
// comparing files byte for byte. The program supplies the read and the write
// function; this module owns only file names, comparisons and the recovery
// question.
//
// Every file is written whole or not at all: a program killed while a
// backup is being written leaves the previous backup as it was.
//
// Results are 0 for success (or "equal") and 1 for failure (or "different");
// nothing here stops the program, and only the recovery shows a message.
// Module state is process-wide; nothing is re-entrant.
#ifndef CODES_POSITION_BACKUP_H
#define CODES_POSITION_BACKUP_H

#include <cstdio>

enum { POSITION_BACKUP_PATH_SIZE = 288 };  // 287 characters and the terminator

// Reads the position from the open file: 0 on success. The reader of a
// backup (Read_Position_From and the recovery) receives the open file and
// must close it.
typedef int (*Position_Read_Function)(FILE* file);
// Writes the position to the open file: 0 on success.
typedef int (*Position_Write_Function)(FILE* file);

// Sets the functions and the three backup paths from dir and base, and
// copies the extra paths that are given (first: for instance the regular
// save, second: the calculation input). Returns the second extra path's
// buffer when one is given, else null. A path that would not fit 287
// characters is left empty: whatever uses it then fails.
char* Setup_Position_Backup(Position_Read_Function read, Position_Write_Function write, const char* dir,
                            const char* base, const char* first_extra, const char* second_extra);
// The same with the extra paths made of dir + name.
char* Setup_Position_Backup_Names(Position_Read_Function read, Position_Write_Function write, const char* dir,
                                  const char* base, const char* first_name, const char* second_name);
// From now on every write and comparison returns 1 and every removal does
// nothing, for the rest of the process.
void Disable_Position_Backup(void);

// 1 when the backup file exists.
int Position_Backup_Exists(void);
// Writes the position to the path with the write function (whole or not at
// all): its result; 1 without write function, with backups disabled or when
// the file cannot be made.
int Write_Position_To(const char* path);
int Write_Position_Backup(void);
int Write_Position_Calc_Backup(void);
// The backup opened for reading; null when disabled or missing.
FILE* Open_Position_Backup(void);
// 1 when the file is missing or cannot be opened, else the result of read,
// which receives the open file and closes it.
int Read_Position_From(Position_Read_Function read, const char* path);
int Read_Position_Backup(Position_Read_Function read);
int Read_Position_Calc_Backup(Position_Read_Function read);

// 0 when both files hold the same bytes; 1 when they differ (a proper
// prefix of the other included), one is missing, or backups are disabled.
int Compare_Files(const char* path1, const char* path2);
// Writes the comparison file and compares it with the path: 0 equal, 1
// otherwise (also without write function or when the write fails).
int Position_Differs_From(const char* path);
int Position_Differs_From_Backup(void);
int Position_Differs_From_First_Extra(void);
// 1 when the second extra path is named but missing; else the comparison
// of the calculation backup with a fresh comparison file.
int Position_Differs_From_Calc_Backup(void);

// Delete the backup, the calculation backup, or all three files (backup,
// calculation backup, comparison file) when enabled. Return 0.
int Remove_Position_Backup(void);
int Remove_Position_Calc_Backup(void);
int Remove_Position_Backups(void);

// At the start of editing: without a backup 0. A backup equal to the
// current position is removed without a question. Otherwise the user is
// asked whether to load the backup instead of the regular save: yes reads
// it with the read function (0; 1 with the collected error "Datensatz der
// temporären Sicherung nicht lesbar!" when it cannot be read), no gives 0.
// When enabled, the backup, the calculation backup and the comparison file
// are removed afterwards, except after a failed read: the backup then stays
// for another attempt.
int Recover_Position_Backup(void);

// 1 when the file exists.
int File_Exists(const char* path);
// Copies the source's bytes to the target (whole or not at all): 0 copied,
// 1 when a file could not be opened or the copy failed. (The print
// control's Copy_Text_File takes the two the other way round.)
int Copy_Text_File_To(const char* target, const char* source);
// The same with both names joined to the component's path prefix; the two
// full paths are kept until the next call.
int Copy_Base_Path_File(const char* target_name, const char* source_name);

// Test support: the state at start (no functions, no paths, enabled).
void Reset_Position_Backup(void);

#endif
