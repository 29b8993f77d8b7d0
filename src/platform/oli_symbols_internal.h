// Reading and drawing of the print-list pieces of the picture library that
// the viewer's page layout hands over: raster pictures (record 75, the file
// embedded or named) and the frame escapes of text lines. Shared by the
// reader (oli_view.cpp) and the renderer (oli_render*.cpp); not for other
// modules. docs/printlist-viewer.md gives how they are drawn.
#ifndef PLATFORM_OLI_SYMBOLS_INTERNAL_H
#define PLATFORM_OLI_SYMBOLS_INTERNAL_H

#include <cairo.h>

#include <string>
#include <vector>

#include "platform/oli_lines_internal.h"
#include "platform/oli_view.h"

// The line that ends a picture begun by the picture-head writer ("0").
bool OLI_Is_Head_Picture_End(const std::string& line);

// Takes the embedded bytes of a raster record (flag 0x1000): the hex lines
// from "{" to "}" that follow at lines[*i] go into record->data and *i
// moves past them. A record without them, or lines that are no hex, leave
// both as they are.
void OLI_Take_Raster_Data(Oli_Line_Window& lines, size_t* i, OliRecord* record);

// The graphic records of picture block b, read from its lines
// (OLI_Picture_Records, which see); throws std::bad_alloc when memory runs
// out.
void Oli_Read_Picture_Records(const OliBlock& b, std::vector<OliRecord>* records);

// Draws raster record r, its lower left corner at the page point (x, y)
// in points, paper cm drawn as cm_pt points: the embedded or named PNG
// picture at its size, or, for a picture that cannot be shown, its frame
// with a cross and the file's name.
void OLI_Draw_Raster(cairo_t* cr, const OliRecord& r, double x, double y, double cm_pt);

// The frames of a run of text lines: rules and rectangle frames written as
// escapes into the lines. Begin with a fresh state per block; after each
// line drawn call OLI_Draw_Line_Frames with the line's box (points: its
// left edge, top, the width of its text, the width of the text column and
// its bottom), and at the block's end OLI_Close_Line_Frames.
struct OliLineFrames {
    bool open = false;   // a rectangle frame runs
    int style = 0;
    double top = 0.0;    // points
    double left = 0.0, width = 0.0;  // points, of the line that began it
    double a = 0.0, b = 1.0, pad_x = 0.0, pad_y = 0.0;
    double last_bottom = 0.0;
};
void OLI_Draw_Line_Frames(cairo_t* cr, OliLineFrames* frames, const std::string& text, double left, double top,
                          double width, double column, double bottom);
void OLI_Close_Line_Frames(cairo_t* cr, OliLineFrames* frames);

#endif
