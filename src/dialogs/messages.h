// messages: the library's central place for messages to the user.
//
// Code anywhere formats a message printf-style; the message mode decides where
// the text goes:
//   0  a message box per message (OK button)
//   1  the console
//   2  collected as a line of the current category (one of ten)
//   3  dropped
//   4  drawn into the message list area (while a category dialog fills it)
// Texts may begin with control pairs "^" + one character (b bold, p plain
// font, 2 half line height); the message list honours them, every other
// output skips them. While the program runs in batch mode no message box
// appears: what would go into one goes to stderr and a question is taken as
// answered with its default.
//
// State is process-wide and unguarded; nothing here is re-entrant.
#ifndef DIALOGS_MESSAGES_H
#define DIALOGS_MESSAGES_H

#if defined(__GNUC__)
#define MESSAGES_PRINTF(fmt_index, first_arg) __attribute__((format(printf, fmt_index, first_arg)))
#else
#define MESSAGES_PRINTF(fmt_index, first_arg)
#endif

enum {
    MESSAGE_MODE_BOX = 0,
    MESSAGE_MODE_CONSOLE = 1,
    MESSAGE_MODE_COLLECT = 2,
    MESSAGE_MODE_DROP = 3,
    MESSAGE_MODE_LIST = 4,
    MESSAGE_CATEGORIES = 10,
    MESSAGE_LINE_SIZE = 500,    // bytes of one stored line, newline and terminator included
    MESSAGE_TITLE_SIZE = 200
};

// ---- Formatting (texts of at most 500 characters; nothing while disabled) --

// Sends one message in the current mode.
void Collect_Message(const char* format, ...) MESSAGES_PRINTF(1, 2);
// Sends one message in mode; the previous mode is restored afterwards.
void Message_in_Mode(int mode, const char* format, ...) MESSAGES_PRINTF(2, 3);
// Stores one message as a line of the current category, whatever the mode.
void Store_Message(const char* format, ...) MESSAGES_PRINTF(1, 2);
// An error, warning or note sent in mode (-1: the current mode, which stays
// as it is); the texts become "^bFEHLER: %s!", "^bWARNUNG: %s!" and
// "^bHINWEIS: %s.".
void Error_Message(int mode, const char* format, ...) MESSAGES_PRINTF(2, 3);
void Warning_Message(int mode, const char* format, ...) MESSAGES_PRINTF(2, 3);
void Note_Message(int mode, const char* format, ...) MESSAGES_PRINTF(2, 3);
// The same in the current mode.
void Error_Message_Default(const char* format, ...) MESSAGES_PRINTF(1, 2);
void Warning_Message_Default(const char* format, ...) MESSAGES_PRINTF(1, 2);
void Note_Message_Default(const char* format, ...) MESSAGES_PRINTF(1, 2);

// ---- Switches --------------------------------------------------------------

// Sets the mode for the messages to come (MESSAGE_MODE_); mode 4 also puts
// the list drawing position at x = 15, y = 20.
void Set_Message_Mode(int mode);
// The current mode.
int Get_Message_Mode(void);
// Messages are sent (the start state) or dropped, whatever the mode.
void Enable_Messages(void);
void Disable_Messages(void);
// 1 while messages are sent.
int Messages_Enabled(void);
// Set: modes 0 and 4 behave as mode 1.
void Set_Message_Console(int flag);
// The background colour index of the message list (-1: its default).
void Set_Message_List_Background(int colour_index);

// ---- Categories --------------------------------------------------------------

// First free category, now in use, emptied, current, symbol -1; -1 when all
// ten are in use.
int Open_Message_Category(void);
// 0 and c becomes current; 1 when c is free; 2 when c is not 0..9.
int Select_Message_Category(int c);
// 0, 1 or 2 as Select_Message_Category; the title is cut to 199 characters.
int Set_Message_Category_Title(int c, const char* title);
// The box symbol of category c (as Set_Message_Symbol takes it); ignored
// when c is not 0..9.
void Set_Message_Category_Symbol(int c, int symbol);
// Line count; 0 when c is not 0..9 or free.
int Message_Category_Count(int c);
// Line count of the current category.
int Current_Message_Count(void);
// When c is in use: clears the title, frees the lines, marks c free.
void Close_Message_Category(int c);

// ---- Showing -----------------------------------------------------------------

// Sets the message mode to mode and presents category c: mode 4 the category
// dialog (Run_Message_Category_Dialog), mode 1 every line to the console,
// else one message box.
// Nothing while disabled or for a free category; in batch mode the lines go
// to stderr instead of a box.
void Present_Message_Category(int c, int mode);
// The same (the library's other names of it); Show_Current_Messages
// presents the current category.
void Show_Message_Category(int c, int mode);
void Show_Current_Messages(int mode);
// The current category's lines as a yes/no question; non-zero for yes. 0 in
// console mode, while disabled, or for a free category, without asking; the
// default in batch mode (the lines then go to stderr).
int Ask_Messages_Default_Yes(void);
int Ask_Messages_Default_No(void);

// ---- Access for the category dialog and the message list ----------------------

// Line i of category c with its newline, null when out of range or free.
const char* Message_Category_Line(int c, int i);
// Title of category c, null when c is not 0..9 or free.
const char* Message_Category_Title(int c);
// Symbol of category c; -1 when c is not 0..9.
int Message_Category_Symbol(int c);
// The number of the current category.
int Current_Message_Category(void);
// Drawing position of the message list (null pointers skipped) and its
// background (-1: default).
void Get_Message_List_Position(int* x, int* y);
void Set_Message_List_Position(int x, int y);
int Get_Message_List_Background(void);
// Text start after leading control pairs "^x".
const char* Skip_Message_Control_Pairs(const char* text);

// The message list drawing (mode 4) and the category dialog are those of
// message_dialogs.h.

// Makes the allocation stop of the base layer report through this service
// (Set_Memory_Stop_Report). The program and the tests call it at start-up.
void Install_Memory_Stop_Report(void);

#endif
