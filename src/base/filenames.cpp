// Stub bodies; replaced by the real implementation.
#include "base/filenames.h"

const char* Set_File_Base(const char* /*prefix*/) { return nullptr; }
const char* Get_File_Base() { return nullptr; }
const char* Get_File_Base_Directory() { return nullptr; }
char* Make_Base_Path(char* /*buffer*/, const char* /*name*/, int /*size*/) { return nullptr; }
char* Base_Path(const char* /*name*/) { return nullptr; }
FILE* Fopen_Base(const char* /*name*/, const char* /*mode*/) { return nullptr; }
int Exists_Base(const char* /*name*/) { return 0; }
int Remove_Base(const char* /*name*/) { return 0; }
int Copy_Base_File(const char* /*source*/, const char* /*target*/, int /*flag*/) { return 0; }
int Remove_Base_Files(const char* /*pattern*/) { return 0; }
int Rename_Base(const char* /*old_name*/, const char* /*new_name*/) { return 0; }
char* Make_Temp_File_Name(char* /*buffer*/, int /*size*/) { return nullptr; }
FILE* Open_Temp_Stream(const char* /*mode*/) { return nullptr; }
int Close_Temp_Stream(FILE* /*stream*/) { return 0; }
int Read_Line_Doubles(FILE* /*stream*/, double* /*values*/, int /*n*/) { return 0; }
int Read_Line_Ints(FILE* /*stream*/, int* /*values*/, int /*n*/) { return 0; }
int Read_Doubles(FILE* /*stream*/, double* /*values*/, int /*n*/) { return 0; }
int Read_Ints(FILE* /*stream*/, int* /*values*/, int /*n*/) { return 0; }
