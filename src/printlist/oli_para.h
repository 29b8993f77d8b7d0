// Paragraph writer of the print list.
//
// Callers set the format of the coming paragraph (font mode, space before,
// indents, tab stops) and write text printf-style; the writer turns that into
// "#SHOWPARA" blocks: it opens a block for the first text, writes a change
// group when the format changes inside a block, and closes the paragraph on
// OLI_End_Text. One writer state exists for the whole process; it is put back
// to its start when a print list is opened (OLI_Reset_Writer), so nothing of
// one list leaks into the next.
#ifndef PRINTLIST_OLI_PARA_H
#define PRINTLIST_OLI_PARA_H

#include <cstdio>

#include "platform/oli_format_bits.h"

// A writer callback writes its own field lines of a format; nonzero on
// success.
typedef int (*OliParaWriter)(FILE* stream, unsigned int arg);

// The bits of a format's flag word and of the kind word of a change group
// or paragraph end are in platform/oli_format_bits.h, which the viewer
// reads them by. The presence bits say which optional field lines follow;
// they are derived from the format each time it is written, never stored.
// The other bits are the format's own and are written as stored: two the
// viewer interprets, the chain bit (set on two formats in a row, the
// paragraph end between them says so) and the mark of OLI_Set_Para_Flag.

// Measure words of the values of a format and of tab stops: the code
// written is 2 with OLI_MEASURE_CODE2, else 1 with OLI_MEASURE_CODE1, else 4.
enum : unsigned {
    OLI_MEASURE_CODE1 = 0x1,
    OLI_MEASURE_CODE2 = 0x2,
};

// The measure code written for a measure word (2, 1 or 4).
int OLI_Measure_Code(unsigned int word);

// Kind words of the tab lines: a list of stops, or one hanging width.
enum : unsigned {
    OLI_TABS_LIST = 0x0,
    OLI_TABS_HANGING = 0x2,
};

// The paragraph format (22 words on the original 32-bit platform).
struct OliParaFormat {
    unsigned int flags;            // own bits: OLI_PARA_SETTABLE and OLI_PARA_MARKED
    OliParaWriter callback1;
    OliParaWriter callback2;
    int mode;                      // font code of the paragraph, default 4
    double space_before;           // cm, one-shot
    double second_space;           // cm
    unsigned int space_before_measure;
    unsigned int second_space_measure;
    double indent;                 // cm
    double second_indent;          // cm
    unsigned int indent_measure;
    unsigned int second_indent_measure;
    double factor;                 // default 1.0
    int spare1;
    int spare2;
    OliParaWriter tab_writer;      // OLI_Flush_Tabs once stops were set
    unsigned int callback_arg;
};

#define OLI_MAX_TABS 100

// The format every paragraph starts with; never null, never changes.
const OliParaFormat* OLI_Default_Para_Format(void);

// Puts the writer back to where it stood before its first use: no
// paragraph open, defaults pending, counters and tab stops cleared. Called
// when a print list is opened. Writes nothing; cannot fail.
void OLI_Reset_Writer(void);

// Format setters and getters. They never write and cannot fail. Each first
// brings a writer that was never used (or was reset) to its start, so that
// a setting made before the first text is kept. They work on the pending
// format, the one the next text is written with.
//
// OLI_New_Paragraph: pending := defaults (no tab stops) and a change group
// is due before the next text even when nothing else changed.
void OLI_New_Paragraph(void);
void OLI_Set_Para_Mode(int mode);
int OLI_Get_Para_Mode(void);
// Adds to the one-shot space before the pending paragraph.
void OLI_Add_Para_Offset(double cm);
void OLI_Set_Para_Indent(double cm);
double OLI_Get_Para_Indent(void);
void OLI_Set_Para_Second_Indent(double cm);
double OLI_Get_Para_Second_Indent(void);
void OLI_Set_Para_Second_Space(double cm);
double OLI_Get_Para_Second_Space(void);
void OLI_Set_Para_Factor(double factor);
double OLI_Get_Para_Factor(void);
// Pending OLI_PARA_SETTABLE bits := those of bits; other bits are ignored.
void OLI_Set_Para_Flags(int bits);

// Tab stops of the pending format (setter rules as above). OLI_Set_Tabs
// takes at most OLI_MAX_TABS stops; kinds null gives all stops kind. n <= 0
// or null positions clears stops that were set. The caller's arrays are
// never modified.
void OLI_Set_Tabs(int kind, const int* kinds, const double* positions, int n);
// One hanging width; a width <= 0 clears the stops as OLI_End_Tabs.
void OLI_Set_Single_Tab(int kind, double width);
// Clears the stops; nothing when none were set.
void OLI_End_Tabs(void);

// Unlike the setters above, marks the paragraph already being written:
// sets OLI_PARA_MARKED on the current format, so the change group or end
// that closes it carries OLI_KIND_MARKED and the next text starts a change
// group. The pending format is not modified; never writes, cannot fail.
void OLI_Set_Para_Flag(void);

// The tab writer: the tab lines of the current stops. 1 written, 0 for a
// null stream or a refused write. Never changes the stops.
int OLI_Flush_Tabs(FILE* stream, unsigned int arg);

// Writes the field lines of a format (null: the defaults), preceded by
// "\n#SHOWPARA\n" when with_keyword is set. 0, or -1 for a null stream, a
// refused write or a callback that failed (lines written so far stay). The
// format is never modified.
int OLI_Write_Para_Format(FILE* stream, const OliParaFormat* format, int with_keyword);

// Writes formatted text into the open paragraph, opening a block or writing
// a change group as due. The text is written whole, whatever its length,
// and never read again as a format. 0, or -1 for a null stream or format
// or a refused write (the block then stays unfinished where it stopped).
int OLI_printf(FILE* stream, const char* format, ...) __attribute__((format(printf, 2, 3)));

// Ends the open paragraph; the pending format goes back to the defaults
// whatever the result. 0, or -1 for a null stream, nothing to end or a
// refused write.
int OLI_End_Text(FILE* stream);

// Keeps cm of page for what follows: ends the open paragraph (a page may
// break only between paragraphs), reserves the room, and gives the next
// paragraph the format the ended one had (mode, indents, tab stops). 0, or
// -1 for a null stream or a refused write.
int OLI_Keep_Space(FILE* stream, double cm);

// Comparison signs in single precision: "<", "\xF3" (less or equal) or ">";
// and ">", "\xF2" (greater or equal) or "<". Static texts, never null.
const char* Get_Compare_Symbol(float a, float b);
const char* Get_Compare_Symbol_GE(float a, float b);

// Formats into one static buffer of 100 bytes; a text of 100 characters or
// more gives "". Each call overwrites the previous result; never null.
const char* Format_Static(const char* format, ...) __attribute__((format(printf, 1, 2)));

#endif
