// Stub bodies; replaced by the real implementation.
#include "weldapp/services.h"

int Read_Guillemet_String(FILE* /*stream*/, char* /*buffer*/) { return 0; }
int LoadPick_Available() { return 0; }
int Start_Waiting_Animation(int /*x*/, int /*y*/) { return 0; }
int Stop_Waiting_Animation() { return 0; }
int Find_Keyword_Int(const char* /*keyword*/, FILE* /*file*/, int* /*out*/) { return 0; }
