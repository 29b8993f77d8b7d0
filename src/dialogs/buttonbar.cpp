// Image button bar (being built: the calls exist and do nothing yet).
#include "dialogs/buttonbar.h"

void Draw_Image_Button_Bar(const Image_Button_Bar *) {}
int Run_Image_Button_Bar(const Image_Button_Bar *) { return 0; }
void Draw_Image_Button(int, int, const Image_Button *, const char *, int) {}
void Set_Image_Button_Erase_Mode(int) {}
