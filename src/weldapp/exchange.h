// exchange: the data exchange of the whole connection through one fixed
// file in the desktop's "TEMP" directory (export and import carry a
// connection from one component to another), and the import protocol: the
// component's ".EXP" text file in which the internal-force import notes
// which component its forces came from.
#ifndef WELDAPP_EXCHANGE_H
#define WELDAPP_EXCHANGE_H

#include <cstdio>

// The exchange file's name in "TEMP".
extern const char* const Exchange_File_Name;  // "Q7-NAXIT#export.dat"

enum { PROTOCOL_LINE_SIZE = 200 };  // a protocol read: 199 characters and the terminator

// The window path exchanges page variables and the record around every
// export and import: to_record takes the sheets into the record, to_sheet
// gives the record back to them, refresh recomputes what follows from the
// record (safety factors, weld layout). Without the window path (null
// functions) the record is all there is.
typedef void (*Connection_Sheet_Function)(void);
void Set_Connection_Sheet_Exchange(Connection_Sheet_Function to_record, Connection_Sheet_Function to_sheet,
                                   Connection_Sheet_Function refresh);

// Writes the global record and the annex choice into the exchange file,
// whole or not at all, and says so in a message box ("Die Daten wurden
// erfolgreich exportiert.", or why they were not). The record is not
// changed.
void Export_Schweissnaht_TEMP(void);
// Reads the exchange file into the global record and activates its annex.
// A missing or unreadable file (damaged, no regular file, written by a
// newer program, or one whose head asks for the defaults) leaves the record
// and the annex as they were, with a message box; the file stays in "TEMP"
// in every case.
void Import_Schweissnaht_TEMP(void);

// "_NN" of the File-Id, in a static buffer.
const char* Make_File_Stem(void);
// With delete non-zero removes the protocol and returns null; else opens
// it, "r" with read non-zero, else "a+". Null when it cannot be opened.
FILE* Open_Import_Protocol(int delete_it, int read);
FILE* Open_Import_Protocol_Read(void);
// The number of reads of at most 199 characters (a longer line counts as
// its pieces); 0 when the protocol is missing.
int Count_Import_Protocol_Lines(void);
// The text callback of the information sheet: the heading "Schnittgrößen-
// import: Informationen zum exportierenden Bauteil:" at (x, *y), then one
// text per read without its line end, 18 pixels apart; *y is advanced.
// Nothing when the protocol is missing. The user data is not read.
void Import_Protocol_Callback(int area, int x, int* y, void* user_data);

#endif
