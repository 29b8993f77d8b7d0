// Placeholder bodies; replaced by the real writers.
#include "printlist/ioliwrt.h"
#pragma GCC diagnostic ignored "-Wunused-parameter"

void Oli_Writer_Init(int levels, int kind, int flags) {  }
void Oli_Set_Level_Kinds(const int kinds[]) {  }
void Oli_Set_Bookmark_Depth(int depth) {  }
void Oli_Set_Bookmark_Max_Level(int level) {  }
void Oli_Close_Bookmarks(FILE* stream) {  }
int Oli_Get_Chapter_Counter(int level) { return 0; }
void Oli_Set_Chapter_Counter(int level, int value) {  }
void Oli_Next_Chapter_Counter(int level) {  }
const char* Oli_Get_Heading_Number(void) { return nullptr; }
void Oli_Numbering_Off(void) {  }
void Oli_Numbering_On(void) {  }
double Oli_Get_Text_Width(void) { return 0; }
void Oli_Set_Text_Width(double cm) {  }
void Oli_Set_Left_Margin(FILE* stream, double cm) {  }
void Oli_Set_Right_Margin(FILE* stream, double cm) {  }
float Oli_Get_Left_Margin(void) { return 0; }
float Oli_Get_Right_Margin(void) { return 0; }
int Oli_Chars_Per_Line(int font_code) { return 0; }
int Oli_Chars_Per_Line_Current(void) { return 0; }
void Oli_Set_Font_Code(int code) {  }
int Oli_Get_Font_Code(void) { return 0; }
void Oli_Set_Line_Font_Code(int code) {  }
int Oli_Get_Line_Font_Code(void) { return 0; }
void Oli_Set_Strip_Zeros(int on) {  }
int Oli_Get_Strip_Zeros(void) { return 0; }
void Oli_Move_Lines(FILE* stream, double n) {  }
void Oli_Move_Y(FILE* stream, double cm) {  }
void Oli_Y_To_Top(FILE* stream) {  }
void Oli_Reserve_Lines(FILE* stream, double n) {  }
void Oli_Reserve_Small_Lines(FILE* stream, double n) {  }
int Oli_Store_Y_Position(FILE* stream) { return 0; }
void Oli_Restore_Y_Position(FILE* stream, int index) {  }
void Oli_Return_To_Y_Position(FILE* stream, int index) {  }
void Oli_Free_Position_Index(int index) {  }
void Oli_Reset_Position_Indices(void) {  }
double Oli_Hanging_Indent(void) { return 0; }
void Oli_Heading(FILE* stream, int level, const char* format,  ...) {  }
void Oli_Heading_Bookmark(FILE* stream, int level, int bookmark_level, const char* format,  ...) {  }
void Oli_Heading_Simple(FILE* stream, int level, const char* format,  ...) {  }
void Oli_Heading_Silent(FILE* stream, int level, const char* format,  ...) {  }
void Oli_Chapter_Heading(FILE* stream, int level, const char* title, int with_bookmark, int bookmark_level) {  }
void Oli_Text_Line(FILE* stream, const char* format,  ...) {  }
void Oli_Text_Line_Check(FILE* stream, const char* text, int ok) {  }
void Oli_Text_Paragraph(FILE* stream, const char* format,  ...) {  }
void Oli_Text_Small(FILE* stream, const char* format,  ...) {  }
void Oli_Text_Big(FILE* stream, const char* format,  ...) {  }
void Oli_Version_Line(FILE* stream, const char* program_name) {  }
void Oli_Text_At_Tab(FILE* stream, double position, const char* text) {  }
void Oli_Text_At_Tab_Printf(FILE* stream, double position, const char* format,  ...) {  }
char Compare_Sign_Tol(double a, double b, int decimals, double tolerance) { return 0; }
char Compare_Sign(double a, double b, int decimals) { return 0; }
const char* Compare_Text_Tol(double a, double b, int decimals, double tolerance, int mode, const char* name, const char* unit) { return nullptr; }
char* Compare_Text_Op(const char* name, double a, const char* op, double b, int decimals, char* out, size_t out_size) { return nullptr; }
int Oli_Check_Line(FILE* stream, const char* before, double value, const char* op, double limit, int decimals, const char* after, const char* when_met, const char* when_failed) { return 0; }
int Trimmed_Length(const char* text) { return 0; }
int Markup_Is_Open(const char* text, const char* markup_switch, const char* place) { return 0; }
int Markup_Is_Subscript_Open(const char* text, const char* place) { return 0; }
int Markup_Is_Superscript_Open(const char* text, const char* place) { return 0; }
int Markup_Is_Underscore_Open(const char* text, const char* place) { return 0; }
int Markup_Is_Bold_Open(const char* text, const char* place) { return 0; }
int Markup_Is_S_Open(const char* text, const char* place) { return 0; }
void Replace_With_Markup(char* text, const char* pattern, const char* replacement, size_t size) {  }
void Oli_List_Tabs(int n, const double positions[]) {  }
void Oli_List_Tabs_2(double x1, double x2) {  }
void Oli_List_Tabs_3(double x1, double x2, double x3) {  }
void Oli_List_Cell(FILE* stream, const char* format,  ...) {  }
void Oli_List_Row_3(FILE* stream, const char* cell1, const char* cell2, const char* format,  ...) {  }
void Oli_List_Compare_Row(FILE* stream, const char* cell1, const char* cell2, const char* format_a, double a, char sign, const char* format_b, double b) {  }
void Oli_List_Check_Row(FILE* stream, const char* cell1, const char* cell2, const char* format_a, double a, char sign, const char* format_b, double b, int ok, const char* remark) {  }
void Oli_List_Space(FILE* stream, double n) {  }
void Oli_List_End(FILE* stream) {  }
int Column_Type_Invalid(const OliTableColumn* column) { return 0; }
OliTableColumn* Oli_Init_Columns(int count, OliTableColumn** columns) { return nullptr; }
void Oli_Free_Columns(OliTableColumn** columns) {  }
int Oli_Columns_Allocated(void) { return 0; }
int Oli_Init_Table_Options(OliTableOptions* options, int columns) { return 0; }
void Oli_Free_Table_Options(OliTableOptions* options) {  }
int Table_Remark_Add(int key, const char* name, const char* text) { return 0; }
int Table_Remark_Count(void) { return 0; }
void Table_Remarks_Clear(void) {  }
int OliTabelle(FILE* stream, int columns, int rows, const OliTableCell* cells, OliTableColumn* column_records, const OliTableTitle* title, int flags, int note_count, const char* const* notes, int start_number) { return 0; }
void Oli_Table(FILE* stream, int columns, int rows, const OliTableCell* cells, const OliTableOptions* options) {  }
void Oli_Simple_Table(FILE* stream, int rows, int columns, const OliSimpleRow* row_records) {  }
char* Oli_Format_Cell(const char* type, const OliSimpleRow* row, int column, const double* values, int width, int decimals, char* out, size_t out_size) { return nullptr; }
char* Oli_Format_Table_Cell(const OliTableColumn* column, int row, const OliTableCell* cell, char* out, size_t out_size) { return nullptr; }
int Visible_Length_Sub_Sup(const char* text) { return 0; }
void Oli_Set_Table_Mark(int mark) {  }
const char* Oli_Set_Table_Title(const char* text) { return nullptr; }
