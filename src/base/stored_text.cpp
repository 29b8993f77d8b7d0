// stub
#include "base/stored_text.h"
char Position_Code[POSITION_CODE_SIZE];
char Position_Text[POSITION_TEXT_SIZE];
char Print_List_Suffix[STORED_TEXT_PATH_SIZE];
char Picture_Directory[STORED_TEXT_PATH_SIZE];
int Check_File_Version(int, int, int) { return 0; }
int Tilde_To_Blank(char*) { return 0; }
int Blank_To_Tilde(char*) { return 0; }
int Trim_Blanks(char*) { return 0; }
int Remove_Blanks(char*) { return 0; }
void Pad_Blank(char*, int) {}
void Upper_Case(char*) {}
void Show_Message_Text(const char*) {}
int Read_Error_Message(void) { return 0; }
int Write_Error_Message(void) { return 0; }
int Data_Error_Message(void) { return 0; }
FILE* Open_Error_Table_File(const char*) { return nullptr; }
int Write_Error_Line(FILE*, int, const char*) { return 0; }
void Init_Error_Table_Colours(void) {}
void Show_Error_Table(FILE*) {}
int Append_Error_Table(FILE*, FILE*) { return 0; }
int Append_Proof_Failed_Text(FILE*, FILE*) { return 0; }
int Read_Guillemet_Field(FILE*, char*) { return 0; }
int Write_Guillemet_Line(FILE*, const char*) { return 0; }
int Read_Code_and_Text_Path(const char*) { return 0; }
FILE* Open_Contents_Page(const char*, const char*, int) { return nullptr; }
void Show_Picture_Page(const char*, int, int) {}
void Stored_Text_Nothing(void) {}
