// Helpers shared by the picture writer's units (ioliplot*.cpp); not for
// callers outside the picture writer.
#ifndef PRINTLIST_IOLIPLOT_INTERNAL_H
#define PRINTLIST_IOLIPLOT_INTERNAL_H

#include <cstdio>
#include <string>
#include <vector>

#include "printlist/ioliplot.h"

namespace ioliplot {

constexpr double PI = 3.14159265358979323846;
constexpr double DEGREES = 57.29577951308232;  // per radian

// The picture state (same instance as Oli_Get_Picture_State).
Oli_Picture_State& S();
// Grows the bounding box by a world point.
void Extend_Box(double x, double y);
// Grows the bounding box as Extend_Box of points with these least and
// largest coordinates does (an empty range, least above largest, leaves it).
void Extend_Box_Range(double xmin, double xmax, double ymin, double ymax);
// Turns a world point by the picture rotation (about the origin).
void Turn(double* x, double* y);
// Turns n points of a working copy in place.
void Turn_Points(int n, double x[], double y[]);
// Element end with the result of its last write.
int Element_End(void);
// Writes " 13 <h>" and keeps h as the height of the texts that follow.
void Text_Height_Record(double h);
// Notes the paper box of a text record written at the paper point
// (px, py) with its alignment code and angle (degrees), and empties the
// notes (every opening of a picture).
void Note_Text(double px, double py, int code, double degrees, const char* text);
void Clear_Taken(void);
// A picture opens with the paper extent x1 x2 y1 y2: its boxes start empty
// (unless Oli_Keep_Taken_Areas asked to keep those of the picture before).
void Begin_Taken(double x1, double x2, double y1, double y2);
// Area record 18 of n turned world points, each times the scale of its
// axis; end closes the record (" \n" or "\n", as each writer has always
// ended it).
void Write_Area_Record(int n, const double x[], const double y[], const char* end);

// The text of the n values as Safe_Write_Fixed writes them (a blank and
// "%lf" each: value i begins at the i-th blank), formatted once for as long as the sequence
// keeps its place in a memo of the sequences written before (a picture
// drawn for every load case of a connection writes the same coordinates
// each time). Valid until the next call.
const std::string& Format_Values(const double* v, int n);
// Writes lead, the values and tail as Safe_Write_Fixed(stream, lead, v, n,
// tail) does; nothing without a stream.
void Write_Values(FILE* stream, const char* lead, const double* v, int n, const char* tail);
// Appends v as "%d" writes it.
void Append_Int(std::string* out, long long v);

}  // namespace ioliplot

#endif
