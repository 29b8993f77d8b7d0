// Print and file helpers shared by the print-outs of the connection
// library: the opening of the print list with its contents entry, the
// title block with its sketch and material lines, symbol pictures beside a
// table, utilisation lines, «» names, fixed-width names, profile names
// from the profile manager or the profile file, and the result sheet
// "Ergebnisse" of a table file.
//
// Print-list texts are code page 850 with the print list's markup (escape
// byte 0xCE); the single bytes 0x88, 0xBA, 0xC0 and 0xD5 are symbols of
// the print fonts. No writer uses text from data as a format.
#ifndef ENDPLATE_ENDPLATE_PRINT_H
#define ENDPLATE_ENDPLATE_PRINT_H

#include <cstdio>

struct Titelblatt_Info;
typedef void (*Titelblatt_Table_Writer)(FILE *list, void *user);
typedef void (*Titelblatt_Picture_Writer)(FILE *list, void *user, Titelblatt_Info *info);

// Type codes of a title block.
enum {
    TITEL_WELDED = 27,        // welded connection
    TITEL_ANCHOR_BOLTS = 4,
    TITEL_ANCHORS = 6,
    TITEL_ANCHORS_2 = 106,
    TITEL_NO_FASTENERS = 5,
};

// The description of one title block. The fields marked as gaps are filled
// by no print-out.
struct Titelblatt_Info {
    const char *title;
    const char *checks_text;        // behind the heading of the checks table, or null
    int type;                       // TITEL_*; any other value: bolts (and the symbol file number)
    float picture_width;            // cm, also the left margin of the table beside the picture
    float picture_height;           // cm
    const char *code_of_practice;   // or null
    const char *grade_name;
    const char *weld_material_name;
    const char *bolt_size_name;
    const char *bolt_class_name;
    const char *gap_text;
    float gamma_M;
    float gap_value;
    float offset_after_picture;     // cm
    float f_y_k;                    // N/mm²
    float f_y_k_weld;               // N/mm², 0: none
    float alpha_w;
    void *user;                     // handed to both writers
    Titelblatt_Table_Writer table_writer;      // or null
    Titelblatt_Picture_Writer picture_writer; // or null: a symbol file
    int checks_table;               // open the checks table "Nachweise"
    int gap_flag;
    int sketch_variant;             // 1..8 (welded connection)
    int profile_kind;               // 1 rolled profile, else plate girder
};

// Opens the application's print list (Print_List_Suffix under the path
// prefix, "w"), sets its flags and layout and writes the contents entry
// " POS. number: text". Null when it cannot be opened.
FILE *Open_Contents_Entry(const char *position_number, const char *position_text);

// The title block; 1 when it opened the checks table, else 0 (also for a
// null list or info, when nothing is written).
int Print_Titelblatt(FILE *list, Titelblatt_Info *info);

// A picture of a symbol file of the print fonts before a table whose rows
// the writer adds, and beside the following text.
void Oli_Symbol_Picture_Before_Table(FILE *list, const char *symbol_file, double width, double height,
                                     double dy_before, double dy_after,
                                     void (*row_writer)(FILE *list, void *arg), void *arg);
void Oli_Symbol_Picture_Beside_Text(FILE *list, const char *symbol_file, double width, double height,
                                    double left, double dy_before, double dy_after);

// Utilisation lines. A utilisation counts by its magnitude (a negative
// force against its resistance is as far from it as a positive one); one
// that is not a finite number is written as 999.999 (a check that failed),
// never as "nan".
// " ╬bMaximale Ausnutzung ..." with the verdict; 1 for a null list, else 0.
int Print_Maximale_Ausnutzung(FILE *list, float u);
// " ==> symbol╬\index╬r(c)= u" without a line end; fprintf's result.
int Print_Ausnutzung_Symbol(FILE *list, const char *index, char c, float u);
// u = |a / b| (999.999 for b = 0 with a force a) as a line; the running
// maximum is raised to u; fprintf's result.
int Print_Ausnutzung_Ratio(FILE *list, float *maximum, float a, float b);

// " «name»" of at most 16 characters into name (17 bytes); 1 for a null
// stream or name or when no name was read, else 0.
int Read_Quoted_Name16(FILE *f, char *name);
// "«name»\n"; 1 for a null stream or name or a failed write, else 0.
int Write_Quoted_Name(FILE *f, const char *name);
// The first n (16) characters of src (null: none), blank-padded to n and
// terminated at n. Return 0.
int Pad_Name16(char dst[17], const char *src);
int Pad_Name(char *dst, const char *src, int n);
// The profile manager's choice cut or blank-padded to 16 characters into
// dst; 1 when nothing was chosen (dst unchanged), else 0.
int Select_Profile_Name(char *dst);
// The name of record n (from 1) of the profile file: its first 16 bytes up
// to the first blank; an empty name when the record cannot be read. 0.
int Read_Profile_Name_At(FILE *profile_file, int n, char name[17]);
// 1 when a, upper-cased byte by byte, sorts before b or equals it (a prefix
// of b sorts before it); bytes compare unsigned; b is not upper-cased.
int Upper_Name_Not_After(const char *a, const char *b);

// A table file under the path prefix ("w+") with its table head; null when
// it cannot be opened.
FILE *Open_Table_File(const char *name);
// Ends the table and shows it in the full-screen sheet "Ergebnisse"; the
// file stays open. Nothing for null.
void Show_Ergebnisse_Table(FILE *table);

#endif
