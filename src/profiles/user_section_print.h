// user_section_print: print-list text and pictures of the user sections of
// the sibling cross-section program, and their screen picture.
//
// Everything is read from the kept exchange text first; a text without the
// blocks a print needs, or one that a block reader finds malformed, prints
// nothing (the values print falls back to the picture and tables). A
// thin-walled section whose outline has no extent prints nothing either.
// Coordinates in the text are cm; the picture and tables give mm.
#ifndef PROFILES_USER_SECTION_PRINT_H
#define PROFILES_USER_SECTION_PRINT_H

#include <cstdio>

#include "profiles/qimport.h"

enum {
    USER_PRINT_VALUES = 1,        // thin-walled: values text and outline picture
    USER_PRINT_SHEAR_CENTRE = 2,  // also shear centre, warping constant, distances
    USER_PRINT_NO_TITLE = 4,
    USER_PRINT_MM = 8,            // dimensions in mm with one decimal
};

void Print_Thin_Walled_Section(FILE* file, const Sonderquerschnitt* record, int mode);
void Print_Thin_Walled_Section_Values(FILE* file, const Sonderquerschnitt* record, int mode);
void Print_Thick_Walled_Section(FILE* file, const Sonderquerschnitt* record);
void Print_User_Section_By_Mode(FILE* file, const Sonderquerschnitt* record, int mode);
void Print_Thin_Walled_Section_Default(FILE* file, const Sonderquerschnitt* record);
void Print_Marked_Sections(FILE* file, int mode);
void Print_Marked_Sections_Default(FILE* file);
// Scales the size number of the thin-walled picture (default 1710).
void Set_User_Section_Print_Option(int option);
// One labelled arrow from (y1, z1) towards (y2, z2) inside the extent
// (left, right, bottom, top), all in the section's unit, times factor f;
// u is the picture unit.
void Write_Axis_Arrow(FILE* file, double y1, double z1, double y2, double z2, const char* label, double left,
                      double right, double bottom, double top, double f, double u);
// Screen picture of the "PICTURE" block in the pixel rectangle; filter 1
// thin-walled, 2 thick-walled, 3 both.
void Draw_Sonderquerschnitt(const Sonderquerschnitt* record, int x1, int y1, int x2, int y2, int margin, int filter);

#endif
