// Stub bodies; replaced by the real implementation.
#include "base/textio.h"

void Set_VEK_Stdio_Table() {  }
int Fgetc_Skip_Blanks(FILE* /*stream*/) { return 0; }
int Read_Guillemet_Name(FILE* /*stream*/, char* /*buffer*/) { return 0; }
int Write_Guillemet_String(FILE* /*stream*/, const char* /*text*/) { return 0; }
int Read_Delimited_String(FILE* /*stream*/, char* /*buffer*/, int /*size*/, int /*open_char*/, int /*close_char*/) { return 0; }
int Write_Delimited_String(FILE* /*stream*/, const char* /*text*/, int /*open_char*/, int /*close_char*/) { return 0; }
int Trim_String(char* /*text*/, int /*flags*/) { return 0; }
int Copy_Trimmed(const char* /*source*/, char* /*target*/, int /*size*/, int /*flags*/) { return 0; }
int Find_Keyword_Line(FILE* /*stream*/, const char* /*keyword*/, int /*rewind_first*/) { return 0; }
void Skip_Rest_Of_Line(FILE* /*stream*/) {  }
int Read_Line(FILE* /*stream*/, char* /*buffer*/, int /*size*/) { return 0; }
int Write_Text_Block(FILE* /*stream*/, const char* /*text*/) { return 0; }
char* Read_Text_Block(FILE* /*stream*/) { return nullptr; }
char* Dup_String_N(const char* /*text*/, int /*n*/) { return nullptr; }
int String_Size(const char* /*text*/) { return 0; }
void Free_If_Set(void* /*pointer*/) {  }
char* Strip_Markup_To_Ansi(char* /*text*/, int /*strip*/, int /*translate*/) { return nullptr; }
