// The graphic records of a picture in a print list ("#SHOWGRAFIC"): each
// line of a picture begins with one of these numbers. Named once, here,
// below both sides: every writer of a picture (the picture writer of
// printlist/ioliplot*, and the pictures the profiles, drawings, weld
// application and end-plate library write themselves) and the viewer's
// reader and renderer (oli_view.cpp, oli_render_picture.cpp) use these
// names. docs/printlist-viewer.md gives each record's numbers and how it is
// drawn. The numbers are the file format: never change one.
#ifndef PLATFORM_OLI_GRAPHIC_RECORDS_H
#define PLATFORM_OLI_GRAPHIC_RECORDS_H

#include <cstddef>
#include <cstdio>

#include "platform/format.h"

enum OliGraphicRecord : int {
    OLI_REC_LINE = 1,                   // x1 y1 x2 y2
    OLI_REC_TEXT = 2,                   // x y «text»: the baseline starts at the point
    OLI_REC_TEXT_TURNED = 3,            // as OLI_REC_TEXT, turned by the text angle
    OLI_REC_PEN = 4,                    // pen number of the lines that follow
    OLI_REC_LINE_WIDTH = 6,             // line width in cm
    OLI_REC_TEXT_CLASS = 7,             // size class of the texts that follow
    OLI_REC_TEXT_STYLE = 8,             // style of the texts that follow
    OLI_REC_BOX_TEXT = 9,               // x1 y1 x2 y2 code «text»: placed at the box by its alignment code
    OLI_REC_BOX_TEXT_TURNED = 10,       // as OLI_REC_BOX_TEXT, turned by the text angle
    OLI_REC_TEXT_HEIGHT = 13,           // text height in cm
    OLI_REC_TEXT_ANGLE = 14,            // text angle in degrees, then 0
    OLI_REC_TEXT_LENGTH = 16,           // length of a symbol's text
    OLI_REC_POLYGON = 18,               // n, then n pairs: a filled polygon
    OLI_REC_FILL_PATTERN = 20,          // fill pattern of the areas that follow, 0 none
    OLI_REC_SECTION_MARK = 21,          // 1 before a filled section, 0 before seams and weld bands
    OLI_REC_TEXT_MODE = 23,             // two words of a symbol's text
    OLI_REC_RECTANGLE = 24,             // x1 y1 x2 y2: a filled rectangle
    OLI_REC_SYMBOL = 27,                // x y %FONT%\name: a stored symbol
    OLI_REC_ELEMENT_BEGIN = 30,         // the drawing state is kept ...
    OLI_REC_ELEMENT_END = 31,           // ... and given back
    OLI_REC_NODE_MARK = 34,             // x y: the node mark of a section drawing
    OLI_REC_DASH = 38,                  // n, the n lengths in cm, 0
    OLI_REC_WELD_LABEL = 49,            // x y height angle ... «text»: a label of the scaled weld drawing
    OLI_REC_LINE_COLOUR = 50,           // r g b
    OLI_REC_FILL_COLOUR = 51,           // r g b
    OLI_REC_COLOUR_ELEMENT_BEGIN = 52,  // after OLI_REC_ELEMENT_BEGIN in colour mode
    OLI_REC_COLOUR_ELEMENT_END = 53,    // after OLI_REC_ELEMENT_END in colour mode
    OLI_REC_COLOUR_CONTROL_59 = 59,     // colour-mode control
    OLI_REC_COLOUR_CONTROL_60 = 60,
    OLI_REC_COLOUR_CONTROL_61 = 61,
    OLI_REC_COLOUR_VALUE = 62,          // a colour-mode value
    OLI_REC_RASTER = 75,                // flags x y ... «name»: a raster picture
};

// A picture text's height (OLI_REC_TEXT_HEIGHT) is that of its capitals:
// the viewer sets it at a font size of the height over this share, and the
// picture writer measures its labels' ink at the same size.
constexpr double OLI_CAPITALS_OF_FONT_SIZE = 0.72;

// A record's number with the text around it, made at compile time: a whole
// fixed record (" 30\n", " 21 1\n") or the start of a line that a writer
// puts together from pieces (" 1 " before the values of a line, each of
// which brings its own blank). A writer of many records per picture names
// its record this way and still writes a fixed text, with no formatting at
// run time. Declared static constexpr, so that a text too long for it
// fails the build: static constexpr OliRecordText kLine(" ", OLI_REC_LINE, " ").
struct OliRecordText {
    char text[24] = {};
    size_t size = 0;
    constexpr OliRecordText(const char* before, OliGraphicRecord record, const char* after) {
        while (*before) text[size++] = *before++;
        if (record >= 10) text[size++] = static_cast<char>('0' + record / 10);
        text[size++] = static_cast<char>('0' + record % 10);
        while (*after) text[size++] = *after++;
        text[size] = 0;
    }
};

// Writes a fixed record as it stands; the result of the write, 0 and
// nothing written without a stream.
inline int Oli_Put_Record(FILE* stream, const OliRecordText& record) {
    return stream ? VEK_Stream_Put(stream, record.text, record.size) : 0;
}

#endif
