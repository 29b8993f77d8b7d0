// Print control of a connection: the record that says which chapters and
// result forms go into the print list (defaults by the desktop's
// application number, copy, its block in the input file), and the frame of
// the print list (head with contents entry and program line, close, preface,
// symbol pictures, run-on lists) with a few small print helpers.
#ifndef WELDAPP_OLIPROPS_H
#define WELDAPP_OLIPROPS_H

#include <cstdio>

#include "codes/input_ranges.h"

enum { OLIPROPS_BLOCK_VERSION = 7 };

// The result extents (ergebnisumfang). The first three write every load
// case with its checks, at growing detail; the tabular forms write no case
// but one table, and the governing case (or the one chosen) in detail.
enum {
    ERGEBNISUMFANG_MINIMAL = 0,
    ERGEBNISUMFANG_STANDARD = 1,
    ERGEBNISUMFANG_AUSFUEHRLICH = 2,
    ERGEBNISUMFANG_TABELLARISCH = 3,
    ERGEBNISUMFANG_MASSGEBEND = 4,  // the governing load combination only
};

struct OliProps {
    int grafik;              // picture of the connection in the input protocol
    int zusatzinfo;          // additional information (detailing block of the weld check)
    int sicherheitsbeiwerte; // material safety factors in the input protocol
    int eingabeparameter;    // input parameters in the input protocol
    int na_parameter;        // national annex parameters in the input protocol
    int vorschriften;        // codes and standards in the input protocol
    int bemessungsgroessen;  // stored only; no reader in this program
    int zwischenergebnisse;  // intermediate results
    int skizzen;             // explanatory symbol pictures
    int ergebnisumfang;      // ERGEBNISUMFANG_*
    int detailausgabe;       // tabular: 1 governing case in detail, -n case n, 0 none
    int ohne_nummerierung;   // section numbering suppressed
    int sonderschalter;      // stored and copied only
    double massstab;         // picture scale 1 : n
    double toleranz;         // tolerance in the final result, percent
    char* vorbemerkungen;    // owned preface, lines separated by LF; null when empty
};

// Frees the preface and sets every field to its default for the current
// application number. Nothing for null.
void Default_Print_Props(OliProps* props);
// Defaults on `to` (its preface freed), then all numbers and a copy of a
// non-empty preface. Nothing for a null argument or from == to.
void Copy_Print_Props(const OliProps* from, OliProps* to);
// The input-file block. 0 ok, 1 for a null argument or a failed write. The
// preface is written with "~" for blanks and is unchanged afterwards (a "~"
// typed by the user comes back as a blank after reading).
int Write_Print_Props(FILE* file, OliProps* props);
// Reads a block of any version up to the current one into a record in its
// default state; fields the stored version lacks keep their defaults. 1 for
// a null argument, a newer version (refused with the version message, quiet
// in batch mode), a short read, a value no input gives (a switch other than
// 0 or 1, an extent beyond its five, a negative scale, a tolerance outside 0
// to 10 %) or a preface length the rest of the file cannot hold; what was
// read before stays.
int Read_Print_Props(FILE* file, OliProps* props);
// Value check of the tolerance field: held within 0..10.
void Clamp_Zero_Ten(double* value);

// ---- the sheet "Ausdrucksteuerung" (print_control_sheet.cpp) ----

// The largest scale 1 : n of the picture that the sheet takes. The list's
// picture of the largest section the input takes (10 m) still measures
// 10 cm at 1 : 100; beyond, every section shrinks to a few millimetres
// under labels of a fixed size, and at 1 : 10^9 the picture collapses.
constexpr double OLIPROPS_MAX_SCALE = Input_Range_Of(RANGE_SCALE).maximum;

// The modal sheet in which the user edits the record in place; Break and
// OK both keep the edits. The scale, the number of the load combination
// shown in detail and the tolerance refuse a value outside their limits
// (0 to OLIPROPS_MAX_SCALE, 1 to the load count set below, 0 to 10 %) with
// a message and keep the old one. Returns 0; nothing opens for null or in
// batch mode.
int Edit_Print_Control_Sheet(OliProps* props);
// The connection's number of load combinations, the highest number the
// sheet takes for the combination shown in detail (0: no such limit).
void Set_Print_Control_Load_Count(int count);
// Runs the preface editor when its button was pressed (1 then, else 0) and
// breaks the preface's lines of more than 110 characters at their last
// blank before that; counts its lines for the sheet.
int Init_Print_Props_Texts(OliProps* props);
// Clears the sheet's area and fills it for the record (dependent controls
// only while their switch is on).
void Fill_Print_Control_Sheet(OliProps* props, int area);
// The preface's line count shown on the sheet.
int Print_Props_Preface_Lines(void);
// The sheet's state as at start-up (for tests).
void Reset_Print_Control_Sheet(void);

// Opens the component's print list "_NN.OLI" and writes its head: writer
// start, page break unless no_page_break, reserved space, the contents
// entry of the position and the program line from the version file. Null
// when the file cannot be opened.
FILE* Open_Print_List(const char* number, const char* text, int no_page_break, double reserved_cm,
                      int numbering_suppressed);
// The same for a list at `path` ("\" or "/" separators).
FILE* Open_Print_List_At(const char* path, const char* number, const char* text, int no_page_break,
                         double reserved_cm, int numbering_suppressed);
// The head alone into a stream already open (one a whole-or-nothing save
// hands over). Nothing for null.
void Begin_Print_List(FILE* list, const char* number, const char* text, int no_page_break, double reserved_cm,
                      int numbering_suppressed);
// Ends the open text block and closes the list. Nothing for null.
void Close_Print_List(FILE* list);
// The preface block: its heading and the text broken into lines.
// Nothing for a null list or an empty text.
void Print_Preface(FILE* list, const char* text);
// Picture block showing the symbol file <name>.ocm; nothing for a null file,
// an empty name, width below 1.0 or height below 0.5 cm.
void Print_Symbol_Picture(FILE* file, const char* name, double width_cm, double height_cm);
// One item of a run-on list: a line break before every per_line-th item
// (per_line 0 or less counts as 3), else ";  " before every item but the
// first. Nothing for a null list or an empty text.
void Print_List_Item(FILE* list, int index, int per_line, const char* text);

// The two-letter short code and the two-digit module number of the
// desktop's application number (150 to 180) into code[0..1]; "??" for other
// numbers. Return the last character written.
char Get_Module_Short_Code(char code[2]);
char Get_Module_Number(char number[2]);

// The same for the second family of module programs (44, 125 to 129).
// Return the application number.
int Get_Alt_Module_Short_Code(char code[2]);
int Get_Alt_Module_Number(char number[2]);

// ---- helpers of the family without a caller in this program ----

// Drive and directory of the full path of the name, in a static buffer;
// empty for null or a name that has no full path.
const char* Get_File_Directory(const char* name);
// Copies the file byte by byte: 0 done; 1 when the source does not exist,
// a file cannot be opened or a write fails.
int Copy_Text_File(const char* source, const char* target);
// A utilisation in a result table: underlined when it is the maximum
// (within 0.0001), red above 1.001, "---" for none, a red "Fehler" for a
// failed check; the bare number while maximum is below -1.1.
void Print_Utilisation_3(FILE* file, double maximum, double u);
// The same with two decimals, never red.
void Print_Value_2_Marked(FILE* file, double maximum, double v);
// The value, underlined when it lies within 0.001 (0.0001) of a or b.
void Print_Value_2_Extreme(FILE* file, double a, double b, double v);
void Print_Value_3_Extreme(FILE* file, double a, double b, double v);
// " %6.1lf", " %4.1lf", " %7.1lf", " %9.2lf"; nothing for a null file.
void Print_Num_6_1(FILE* file, double value);
void Print_Num_4_1(FILE* file, double value);
void Print_Num_7_1(FILE* file, double value);
void Print_Num_9_2(FILE* file, double value);
// Label column width of the plate input rows: mode 1 80, 2 30, else 110.
int Set_Sheet_Label_Width(int mode);
int Get_Sheet_Label_Width(void);

#endif
