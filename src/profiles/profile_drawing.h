// Drawings of a profile's cross-section from its outline model: picture
// records of a print list (cm on paper) and the screen (pixels, with
// rulers), by model or by catalogue name. The plate outlines come from the
// thin-walled engine (Calc_Profilmodell_Outline); a model whose outline
// cannot be computed, or whose extent is zero in either direction, draws
// nothing.
//
// Module state: the plot style (one set); the screen colours and the ruler
// transform are those of profile_display.h. Single-threaded.
#ifndef PROFILES_PROFILE_DRAWING_H
#define PROFILES_PROFILE_DRAWING_H

#include <cstdio>

#include "profiles/profilmodell.h"

// Fill and line colour (RGB 0..255), pen and fill pattern of the picture
// records. Defaults: fill 79, 133, 162, line black, pen 2, pattern 0.
void Set_Profile_Plot_Style(int fill_r, int fill_g, int fill_b, int line_r, int line_g, int line_b, int pen,
                            int fill_pattern);

// Writes the model into the open picture block, fitted into (x1, y1)-(x2, y2)
// on paper, mirrored in y and with z up the page: per part with more than one
// outline point a filled polygon and its edges, leaving out the edges that
// touch a node where parts join. Nothing for a null file or model.
void Draw_Profilmodell_Plot(FILE* file, Profilmodell* model, double x1, double y1, double x2, double y2);
// The same for a catalogue name; a round bar without a model is drawn by the
// bar preview. Nothing when the name is not found.
void Draw_Profile_Plot_By_Name(FILE* file, const char* name, double x1, double y1, double x2, double y2);

// Screen colours as palette indices; PROFILE_COLOUR_DEFAULT (0x40000000)
// stands for the default of that colour.
void Set_Profile_Screen_Colours(int fill, int line, int rulers, int ruler_colour_1, int ruler_colour_2);
// The model in the pixel rectangle, with rulers when they are switched on.
void Draw_Profilmodell_Screen(Profilmodell* model, int x1, int y1, int x2, int y2);
void Draw_Profilmodell_Screen_Checked(Profilmodell* model, int x1, int y1, int x2, int y2);
void Draw_Profile_Screen_By_Name(const char* name, int x1, int y1, int x2, int y2);

#endif
