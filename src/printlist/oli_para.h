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

// A writer callback writes its own field lines of a format; nonzero on
// success.
typedef int (*OliParaWriter)(FILE* stream, unsigned int arg);

// The paragraph format (22 words on the original 32-bit platform).
struct OliParaFormat {
    unsigned int flags;            // own flags 0x8, 0x80, 0x100, 0x2000
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

// The format every paragraph starts with.
const OliParaFormat* OLI_Default_Para_Format(void);

// Puts the writer back to its start: no paragraph open, defaults pending,
// counters and tab stops cleared. Called when a print list is opened.
void OLI_Reset_Writer(void);

// Format setters and getters; they work on the pending format and never
// write anything.
void OLI_New_Paragraph(void);
void OLI_Set_Para_Mode(int mode);
int OLI_Get_Para_Mode(void);
void OLI_Add_Para_Offset(double cm);
void OLI_Set_Para_Indent(double cm);
double OLI_Get_Para_Indent(void);
void OLI_Set_Para_Second_Indent(double cm);
double OLI_Get_Para_Second_Indent(void);
void OLI_Set_Para_Second_Space(double cm);
double OLI_Get_Para_Second_Space(void);
void OLI_Set_Para_Factor(double factor);
double OLI_Get_Para_Factor(void);
void OLI_Set_Para_Flags(int bits);
void OLI_Set_Para_Flag(void);

// Tab stops of the pending format.
void OLI_Set_Tabs(int kind, const int* kinds, const double* positions, int n);
void OLI_Set_Single_Tab(int kind, double width);
void OLI_End_Tabs(void);

// The tab writer: the tab lines of the current stops. 1 written, 0 failed.
int OLI_Flush_Tabs(FILE* stream, unsigned int arg);

// Writes the field lines of a format (null: the defaults), preceded by
// "\n#SHOWPARA\n" when with_keyword is set. 0, or -1 for a null stream, a
// refused write or a callback that failed.
int OLI_Write_Para_Format(FILE* stream, const OliParaFormat* format, int with_keyword);

// Writes formatted text into the open paragraph, opening a block or writing
// a change group as due. The text is written whole, whatever its length.
// 0, or -1 for a null stream or a refused write.
int OLI_printf(FILE* stream, const char* format, ...) __attribute__((format(printf, 2, 3)));

// Ends the open paragraph. 0, or -1 for a null stream, nothing to end or a
// refused write.
int OLI_End_Text(FILE* stream);

// Comparison signs in single precision: "<", "\xF3" (less or equal) or ">";
// and ">", "\xF2" (greater or equal) or "<". Static texts, never null.
const char* Get_Compare_Symbol(float a, float b);
const char* Get_Compare_Symbol_GE(float a, float b);

// Formats into one static buffer of 100 bytes; a text of 100 characters or
// more gives "". Each call overwrites the previous result.
const char* Format_Static(const char* format, ...) __attribute__((format(printf, 1, 2)));

#endif
