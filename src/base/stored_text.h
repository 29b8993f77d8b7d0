// Stored-text helpers, the version check of versioned records, short error
// boxes, the error table, the position text of a component and the picture
// page on screen.
//
// The system's text files store words separated by blanks; a text with
// blanks in it is stored as one word with every blank written as "~".
// No function here opens a message box while the program runs in batch mode
// (started with "-refresh"); the text then goes to the console instead.
#ifndef BASE_STORED_TEXT_H
#define BASE_STORED_TEXT_H

#include <cstdio>

// Position code and text of the component (at most 6 and 50 characters),
// filled by Read_Code_and_Text_Path and printed by the application.
enum { POSITION_CODE_SIZE = 7, POSITION_TEXT_SIZE = 51 };
extern char Position_Code[POSITION_CODE_SIZE];
extern char Position_Text[POSITION_TEXT_SIZE];

// 1 when the file version is not above the program's; else 0, after a box
// (mode 0: input file, other modes: import file) unless mode is 2 or the
// program runs in batch mode.
int Check_File_Version(int file_version, int program_version, int mode);
// The byte a blank of a stored word is written as. A text typed by the
// user never holds it: it would come back from the file as a blank.
constexpr char STORED_BLANK = '~';
// Every "~" to a blank. 0 for an empty text or one of "~" only, else 1.
int Tilde_To_Blank(char* text);
// Every blank to "~". Returns 1.
int Blank_To_Tilde(char* text);
// Removes trailing, then leading blanks (blanks only). 0 for a text empty on
// entry, else 1.
int Trim_Blanks(char* text);
// Removes every blank. 0 when the text is or becomes empty, else 1.
int Remove_Blanks(char* text);
// Pads with blanks to width - 1 characters and cuts there. Null does nothing.
void Pad_Blank(char* text, int width);
// toupper on every byte. Null does nothing.
void Upper_Case(char* text);
// One-line message box (console in batch mode).
void Show_Message_Text(const char* text);
// "Lesefehler !!!"; returns 101.
int Read_Error_Message(void);
// "Schreibfehler !!!"; returns 102.
int Write_Error_Message(void);
// "Datenfehler !!!"; returns 103.
int Data_Error_Message(void);
// Opens prefix + name with "w+" and writes the table's head lines; null on
// failure.
FILE* Open_Error_Table_File(const char* name);
// Writes " text" as one line (nothing for a null stream); returns code.
int Write_Error_Line(FILE* stream, int code, const char* text);
// Sets the print-list table colours once; later calls do nothing.
void Init_Error_Table_Colours(void);
// Ends the table, shows it in a sheet and leaves the stream open. Null does
// nothing.
void Show_Error_Table(FILE* stream);
// Copies the error file into the print list and ends it. 0, or 1 for a null
// stream or a failed read or write.
int Append_Error_Table(FILE* list, FILE* errors);
// Writes the "proof not possible" line, then the error lines when given.
// 0, or 1 for a null print-list stream or a failed read or write.
int Append_Proof_Failed_Text(FILE* list, FILE* errors);
// Reads " «...»" (1 to 100 characters) into a buffer of 101. 0 on success,
// 1 on failure or null arguments.
int Read_Guillemet_Field(FILE* stream, char* buffer);
// Writes "«text»" and a newline. 0 on success, 1 on failure or null.
int Write_Guillemet_Line(FILE* stream, const char* text);
// Reads Position_Code and Position_Text from the file at path, line by line
// (a line longer than its field is cut, the next line stays the next line).
// 0 on success, 1 when the file is missing, empty or ends early.
int Read_Code_and_Text_Path(const char* path);
// Draws the picture page of name (bitmap when present, else drawing file).
void Show_Picture_Page(const char* name, int x, int y);
// Entry point kept for callers of old; does nothing.
void Stored_Text_Nothing(void);

// Process-wide names set by the application's start-up: the print-list file
// name ("_%02d.OLI") and the picture directory (the private data path).
enum { STORED_TEXT_PATH_SIZE = 261 };
extern char Print_List_Suffix[STORED_TEXT_PATH_SIZE];
extern char Picture_Directory[STORED_TEXT_PATH_SIZE];

#endif
