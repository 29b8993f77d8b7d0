// Text writers of pictures (placeholder bodies).
#include "printlist/ioliplot.h"

int Oli_Text_Rotated(double, double, const char*) { return 0; }
int Oli_Text_At(double, double, const char*) { return 0; }
int Oli_Text_At_Printf(double, double, int, int, const char*, ...) { return 0; }
int Oli_Text_Box_Printf(double, double, int, int, const char*, ...) { return 0; }
int Oli_Text_Plain(double, double, const char*) { return 0; }
int Oli_Text_Box_212(double, double, const char*) { return 0; }
int Oli_Text_Box(double, double, const char*) { return 0; }
int Oli_Text_Box_466(double, double, const char*) { return 0; }
int Oli_Text_Box_226(double, double, const char*) { return 0; }
int Oli_Text_Box_202(double, double, const char*) { return 0; }
int Oli_Boxed_Text(double, double, double, const char*) { return 0; }
int Oli_Boxed_Number(double, double, double, int) { return 0; }
int Oli_Boxed_Text_Scaled(double, double, double, double, const char*) { return 0; }
int Oli_Circled_Text(double, double, double, double, const char*) { return 0; }
int Oli_Circled_Number(double, double, double, double, int) { return 0; }
