// The picture of the weld line cross-section in the report of the weld
// check: the profile with its welds, the numbered end points of the weld
// lines on top of it and the weld legend beside or below it.
#ifndef WELDAPP_WELD_CHECK_PICTURE_H
#define WELDAPP_WELD_CHECK_PICTURE_H

#include <cstdio>

#include "weldcheck/weld_check_record.h"

// The drawer the weld check calls when pictures are asked for: returns 1
// when it drew the picture with the legend, 0 when it could not draw it
// (null list or record, a profile too small to scale); the weld check then
// writes its weld list instead.
int Draw_Weld_Check_Picture(const SchweissnahtNachweis* record, FILE* list, int level);

// Installs Draw_Weld_Check_Picture as the weld check's drawer.
void Install_Weld_Check_Picture(void);

#endif
