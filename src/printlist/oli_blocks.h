// Print-list pieces written from records the caller fills in, without the
// state of the paragraph writer: a picture head and its end, the raster
// record that refers to or embeds a picture file, the head, change group,
// end group and tab lines of a paragraph block, and the picture-info record
// that the desktop's picture-conversion tool returns.
//
// Everything goes out through the fprintf entry of the stdio table (as the
// paragraph writer writes), so the pieces mix with the other writers in one
// stream. Unless stated otherwise the writers return 0 when written and -1
// for a null stream, a refused write or input they refuse (a value that is
// not a finite number, a name that does not fit its record); a refused call
// writes nothing (oli_checks.h).
#ifndef PRINTLIST_OLI_BLOCKS_H
#define PRINTLIST_OLI_BLOCKS_H

#include <cstdio>

#include "printlist/oli_para.h"

// ---- picture head --------------------------------------------------------------

// Bit of the picture head's flags: a second extent is written before the
// extent.
enum : unsigned { OLI_PICTURE_SECOND_EXTENT = 0x10000 };

// A picture head. The caption writers (stream, callback argument) write
// the caption lines above and below and return nonzero on success; absent,
// "0 0 0" stands in their place.
struct OliPictureHead {
    unsigned int flags;          // written after "-999 " when not 0
    OliParaWriter caption1;
    OliParaWriter caption2;
    int mode;                    // 3 adds the mode-3 value line
    double extent[4];            // x1, x2, y1, y2 on paper, cm
    double mode3_value;
    double second_extent[4];     // with OLI_PICTURE_SECOND_EXTENT
    unsigned int callback_arg;
};

// The defaults: flags 0, no caption writers, mode 1, extent 0 10 0 5,
// mode-3 value 50, second extent 0.
OliPictureHead Oli_Default_Picture_Head(void);

// "#SHOWGRAFIC" after two empty lines, the captions (or "0 0 0" twice), the
// mode line ("-999 flags mode" with flags), the extents and the mode-3
// value; head null takes the defaults. A caption writer that fails gives -1
// (what it wrote stays). Refused: an extent or value that is not finite.
int Oli_Picture_Head(FILE* stream, const OliPictureHead* head);
// The end of a picture begun with Oli_Picture_Head: "0" and an empty line.
int Oli_Picture_End(FILE* stream);

// ---- raster record ---------------------------------------------------------------

// Bits of the raster record's flags: which settings the record carries and
// whether the file is embedded.
enum : unsigned {
    OLI_RASTER_FACTORS = 0x1,       // factor_x, factor_y
    OLI_RASTER_SIZE = 0xE,          // width, angle (any of these bits)
    OLI_RASTER_RESOLUTION = 0x30,   // resolution (any of these bits)
    OLI_RASTER_EMBED = 0x1000,      // the file's bytes follow; the name is its type
};

// Settings of a raster record (the viewer's reading of them is in
// docs/printlist-viewer.md).
struct OliRasterSettings {
    unsigned int flags;
    int resolution;      // dots per inch, default 300
    double factor_x;     // default 1.0
    double factor_y;     // default 1.0
    double width;        // cm, default 10.0
    double angle;        // degrees, default 0.0
};

OliRasterSettings Oli_Default_Raster_Settings(void);

// Record 75 at the paper point (x, y) for the picture file (settings null:
// the defaults); with OLI_RASTER_EMBED the file's bytes follow in hex
// between "{" and "}", 64 bytes a line. Refused: a null stream or name, a
// value that is not finite, a name of more than 259 characters or one with
// a line break or « », an embedded file that cannot be read whole (read
// before anything is written).
int Oli_Raster_Record(FILE* stream, double x, double y, const char* file_name,
                      const OliRasterSettings* settings);

// ---- picture info ------------------------------------------------------------

// What the picture-conversion tool tells of a picture file.
struct OLI_GRAPHIC_Picture_Info {
    char name[20];       // default "???"
    int pixels_x;        // default 0
    int pixels_y;        // default 0
    int resolution;      // dots per inch, default 300
    double width;        // cm, default 0.0
    double height;       // cm, default 0.0
};

// The defaults into info (not null).
void Oli_Default_Picture_Info(OLI_GRAPHIC_Picture_Info* info);
// "OLI_GRAPHIC_Picture_Info", the name in « », the two pixel counts, the
// resolution and the size ("%.4f"), one item a line; info null writes the
// defaults. 1 written, 0 for a null stream, a refused write, a name without
// terminator or with « » or a line break, or a size that is not finite.
int Write_Picture_Info(FILE* stream, const OLI_GRAPHIC_Picture_Info* info);
// Fills info with the defaults, then reads the keyword, the name (at most
// 19 characters, on one line), the two pixel counts, the resolution and
// the size. 1 read; 0 for a null argument, another keyword, a longer name
// or one with a line break or «, a number missing or out of range, a size
// that is no finite number (the record then holds what was read so far).
int Read_Picture_Info(FILE* stream, OLI_GRAPHIC_Picture_Info* info);
// Asks the desktop's tool "rastomat.exe" in EXEC about the picture file:
// it writes its answer into a temporary file, which is read and removed. 1
// read; 0 without EXEC, without a temporary name, when the tool cannot be
// started or leaves no readable answer (info then holds the defaults).
int Get_Picture_Info(const char* picture_file, OLI_GRAPHIC_Picture_Info* info);

// ---- paragraph blocks from records ----------------------------------------------

// The end of a paragraph or of a change group: its kind flags (OLI_KIND_*),
// the space before what follows and the measure word of that space.
struct OliParaEnd {
    unsigned int flags;
    double space;
    unsigned int measure;
};

// "\n#SHOWPARA\n" and the field lines of the format (null: the defaults).
int OLI_Write_Para_Head(FILE* stream, const OliParaFormat* format);
// The head of a change group: the kind (the end's flags with
// OLI_KIND_NEW_FORMAT, and OLI_KIND_SPACE with its space line when the
// space is not 0), then the field lines of the format (null: defaults).
int OLI_Write_Change_Group(FILE* stream, const OliParaEnd* end, const OliParaFormat* format);
// The end group of a paragraph: the kind without OLI_KIND_NEW_FORMAT, the
// space line when the space is not 0, then "-1"; end null gives kind 0.
int OLI_Write_End_Group(FILE* stream, const OliParaEnd* end);
// "-1" and "#END_OF_TEXT".
int OLI_Write_Field_End(FILE* stream);
int OLI_Write_End_Of_Text(FILE* stream);
// The tab lines of n stops (a negative count as 0) of the one kind, or of
// kinds[i] each; refused: more than OLI_MAX_TABS stops, positions missing
// or not finite.
int OLI_Write_Tab_List(FILE* stream, int kind, const int* kinds, const double* positions, int n);
// The tab lines of one hanging width.
int OLI_Write_Single_Tab(FILE* stream, int kind, double width);

#endif
