// Table writers of the print list: the general table writer with its column
// records and the simpler listing table.
//
// Both write "#SHOWTABLE" blocks whose column positions are running sums of
// column widths counted in visible characters (MT_String_Length), so that a
// cell with markup lines up with plain ones. Block lines are written with
// Safe_Fprintf; the notes under a table go through Oli_Text_Paragraph.
#include <algorithm>
#include <cassert>
#include <cmath>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include "base/cp850.h"
#include "base/rounding.h"
#include "base/vesk.h"
#include "dialogs/messages.h"
#include "platform/oli_layout.h"
#include "printlist/ioliwrt.h"

namespace {

int allocated_columns = 0;
OliTableColumn* column_array = nullptr;  // the array Oli_Init_Columns grew last
int table_mark = 100;
char table_title[100];

struct Remark {
    char name[10];
    char text[200];
    int key;
    int flag;
};
std::vector<Remark> remarks;

const double kBarDiameters[12] = {0.006, 0.008, 0.010, 0.012, 0.014, 0.016,
                                  0.020, 0.025, 0.028, 0.032, 0.018, 0.022};

// The text padded with blanks to a visible width.
std::string Pad_Visible(const std::string& text, int width) {
    int visible = MT_String_Length(text.c_str());
    return visible < width ? text + std::string(static_cast<size_t>(width - visible), ' ') : text;
}

// A blank cell of the width with one text in its middle.
std::string Centred(const char* text, int width) {
    int len = static_cast<int>(std::strlen(text));
    int left = width > len ? (width - len) / 2 : 0;
    return Pad_Visible(std::string(static_cast<size_t>(left), ' ') + text, width);
}

bool Is_Marker(double value, double marker) { return Round_To_Decimals(value - marker, 2) == 0.0; }

// Texts of the marker values; null for an ordinary number.
const char* Marker_Text(double value) {
    if (Is_Marker(value, -1e100)) return "-\xEC ";
    if (Is_Marker(value, 1e100)) return " \xEC ";
    if (Is_Marker(value, 2e100)) return "n.e.";
    if (Is_Marker(value, 3e100)) return "auto";
    if (Is_Marker(value, -2e100)) return "---";
    if (Is_Marker(value, -3e100)) return "";
    return nullptr;
}

std::string Number_Text(double value, int decimals) {
    char buf[64];
    if (decimals < 0) std::snprintf(buf, sizeof buf, "%g", value);
    else std::snprintf(buf, sizeof buf, "%.*f", decimals, value);
    return buf;
}

// Right-aligned within the width.
std::string Right(const std::string& text, int width) {
    int visible = MT_String_Length(text.c_str());
    return visible < width ? std::string(static_cast<size_t>(width - visible), ' ') + text : text;
}

// The bar count of a "GEW" cell: nothing for 0, "---" for a negative
// count, else count, diameter sign and bar diameter in mm (with the bundle
// size from two bars per bundle on).
std::string Bar_Text(const OliTableCell* cell) {
    int count = cell ? cell->count : 0;
    if (count == 0) return std::string();
    if (count < 0) return "---";
    int code = cell->bar_code < 0 || cell->bar_code > 11 ? 0 : cell->bar_code;
    double mm = kBarDiameters[code] * 1000.0;
    char buf[128];
    if (cell->bundle >= 2)
        std::snprintf(buf, sizeof buf, " ╬b%s%d %s %.0f %der Bnd.╬r"_cp, "╬u"_cp, count, "\x8C", mm,
                      cell->bundle);
    else
        std::snprintf(buf, sizeof buf, " ╬b%s%d %s %.0f╬r"_cp, "╬u"_cp, count, "\x8C", mm);
    return buf;
}

// Whether a type text names one of the column types (not a unit).
bool Is_Column_Type(const char* t) {
    return std::strncmp(t, "TXT", 3) == 0 || std::strncmp(t, "GEW", 3) == 0 || std::strcmp(t, "CHAR") == 0 ||
           std::strcmp(t, "ZZ") == 0;
}

void Copy_Out(const std::string& text, char* out, size_t out_size) {
    if (out && out_size > 0) std::snprintf(out, out_size, "%s", text.c_str());
}

}  // namespace

int Column_Type_Invalid(const OliTableColumn* column) { return column && Is_Column_Type(column->type) ? 0 : 1; }

OliTableColumn* Oli_Init_Columns(int count, OliTableColumn** columns) {
    assert(columns);
    if (count < 1) return *columns;
    void* grown = std::realloc(*columns, static_cast<size_t>(count) * sizeof(OliTableColumn));
    if (!grown) return nullptr;
    *columns = static_cast<OliTableColumn*>(grown);
    for (int i = 0; i < count; ++i) {
        OliTableColumn& c = (*columns)[i];
        c = OliTableColumn{};
        std::snprintf(c.head, sizeof c.head, "%s", "Nr");
        std::snprintf(c.type, sizeof c.type, "%s", "ZZ");
        c.width = 4;
        c.start = 0.0;
        c.decimals = -1;
        c.factor = 1.0;
        c.visible = 1;
    }
    allocated_columns = count;
    column_array = *columns;
    return *columns;
}

void Oli_Free_Columns(OliTableColumn** columns) {
    if (!columns) return;
    std::free(*columns);
    if (*columns == column_array) {
        column_array = nullptr;
        allocated_columns = 0;
    }
    *columns = nullptr;
}

int Oli_Columns_Allocated(void) { return allocated_columns; }

int Oli_Init_Table_Options(OliTableOptions* options, int columns) {
    if (!options) return 0;
    *options = OliTableOptions{};
    options->mark = -1;
    if (columns > 0) {
        options->column_flags = static_cast<int*>(std::calloc(static_cast<size_t>(columns), sizeof(int)));
        if (!options->column_flags) return 0;
        for (int i = 0; i < columns; ++i) options->column_flags[i] = 1;
    }
    return 1;
}

void Oli_Free_Table_Options(OliTableOptions* options) {
    if (!options) return;
    std::free(options->column_flags);
    options->column_flags = nullptr;
}

int Table_Remark_Add(int key, const char* name, const char* text) {
    const char* n = name ? name : "";
    for (const Remark& r : remarks)
        if (r.key == key || std::strncmp(r.name, n, sizeof r.name - 1) == 0) return 0;
    if (remarks.size() == remarks.capacity()) remarks.reserve(remarks.size() + 5);
    Remark r{};
    std::snprintf(r.name, sizeof r.name, "%s", n);
    std::snprintf(r.text, sizeof r.text, "%s", text ? text : "");
    r.key = key;
    remarks.push_back(r);
    return 1;
}

int Table_Remark_Count(void) { return static_cast<int>(remarks.size()); }

void Table_Remarks_Clear(void) {
    remarks.clear();
    remarks.shrink_to_fit();
}

int Visible_Length_Sub_Sup(const char* text) {
    if (!text) return 0;
    int visible = MT_String_Length(text);
    // Characters inside sub- and superscript runs count 0.8.
    int small = 0;
    bool in_run = false;
    for (const unsigned char* p = reinterpret_cast<const unsigned char*>(text); *p; ++p) {
        if (*p == OLI_MARKUP_ESCAPE && p[1]) {
            if (p[1] == '\\' || p[1] == '/') in_run = true;
            else if (p[1] == 'r') in_run = false;
            ++p;
            continue;
        }
        if (in_run) ++small;
    }
    return static_cast<int>(std::lround(visible - 0.2 * small));
}

void Oli_Set_Table_Mark(int mark) { table_mark = mark; }

const char* Oli_Set_Table_Title(const char* text) {
    std::snprintf(table_title, sizeof table_title, "%s", text ? text : "");
    return table_title;
}

const char* Oli_Get_Table_Title(void) { return table_title; }

namespace {

// A typed listing-table cell as a general-table cell of a column of the
// type; width 0 takes the text as long as it needs.
std::string Typed_Cell(const char* type, const OliSimpleRow* row, int column, int width) {
    OliTableColumn col{};
    std::snprintf(col.type, sizeof col.type, "%s", type);
    col.factor = 1.0;
    const OliTableCell none{};
    const OliTableCell& cell = row && row->cells && column >= 0 ? row->cells[column] : none;
    col.width = width;
    if (col.width <= 0) col.width = std::strncmp(type, "TXT", 3) == 0 ? std::max(1, MT_String_Length(cell.text)) : 1;
    char buf[1200];
    Oli_Format_Table_Cell(&col, column, &cell, buf, sizeof buf);
    return buf;
}

}  // namespace

char* Oli_Format_Cell(const char* type, const OliSimpleRow* row, int column, const double* values, int width,
                      int decimals, char* out, size_t out_size) {
    const char* t = type ? type : (row && row->unit ? row->unit : "");
    if (Is_Column_Type(t)) {
        Copy_Out(Typed_Cell(t, row, column, width), out, out_size);
        return out;
    }
    std::string text;
    const double* v = values ? values : (row ? row->values : nullptr);
    if (v && column >= 0) {
        double value = v[column];
        const char* marker = Marker_Text(value);
        if (marker) text = std::string(" ") + marker;
        else if (std::strstr(t, "cm╬/2"_cp) && std::fabs(value) < 1e-8) text.assign(1, '-');
        else text.assign(1, ' ').append(Number_Text(value, decimals >= 0 ? decimals : (row ? row->decimals : 2)));
    }
    Copy_Out(width > 0 ? Right(text, width) : text, out, out_size);
    return out;
}

char* Oli_Format_Table_Cell(const OliTableColumn* column, int row, const OliTableCell* cell, char* out,
                            size_t out_size) {
    assert(column);
    int width = column->width > 0 ? column->width : 1;
    std::string text;
    const char* type = column->type;
    if (std::strncmp(type, "TXT", 3) == 0) {
        const char* t = cell && cell->text ? cell->text : "";
        std::string s = std::strlen(t) >= 1000 ? std::string(static_cast<size_t>(width), '?') : std::string(t);
        if (static_cast<int>(s.size()) > width) s.resize(static_cast<size_t>(width));
        text = "  " + Pad_Visible(s, width);
    } else if (std::strcmp(type, "CHAR") == 0) {
        char one[2] = {cell && cell->text && *cell->text ? cell->text[0] : ' ', '\0'};
        text = Centred(one, width);
    } else if (std::strncmp(type, "GEW", 3) == 0) {
        text = Bar_Text(cell);
    } else if (std::strcmp(type, "ZZ") == 0) {
        int first = column->start != 0.0 ? static_cast<int>(column->start) : 1;
        std::string number = Right(std::to_string(first + row), width);
        text = column->underline ? " ╬u"_cp + number + "╬r"_cp : number;
    } else {
        double value = cell ? cell->value : 0.0;
        const char* marker = Marker_Text(value);
        if (marker) text = Right(marker, width);
        else if ((std::strstr(type, "cm╬/2"_cp) || std::strstr(column->head, "cm╬/2"_cp)) && std::fabs(value) < 1e-8)
            text = Centred("-", width);
        else text = Right(Number_Text(value * column->factor, column->decimals < 0 ? 2 : column->decimals), width);
    }
    Copy_Out(Pad_Visible(text, width), out, out_size);
    return out;
}

namespace {

// A column of this table: its record's visible word and its column flag.
bool Shown(const OliTableColumn& column, const int* column_flags, int c) {
    return column.visible && (!column_flags || (column_flags[c] & OLI_COLUMN_SHOWN));
}

// The list flags before the table; whether the normal ones follow it.
bool List_Flags_Before(FILE* stream, int rows, int flags, int mark) {
    int limit = mark != -1 ? mark : table_mark;
    if (flags & OLI_TABLE_NORMAL_FLAGS) OLI_setFlags(stream, OLI_LIST_FLAGS_NORMAL);
    else if ((flags & OLI_TABLE_LONG_FLAGS) || rows >= limit) OLI_setFlags(stream, OLI_LIST_FLAGS_LONG_TABLE);
    return (flags & OLI_TABLE_LONG_FLAGS) != 0;
}

// Keyword, title counts and title lines.
void Write_Title_Block(FILE* stream, const OliTableTitle* title) {
    int total = title && title->lines ? title->counts[0] + title->counts[1] + title->counts[2] : 0;
    if (total <= 0) {
        Safe_Fprintf(stream, "#SHOWTABLE\n 0 0 0\n");
        return;
    }
    Safe_Fprintf(stream, "#SHOWTABLE\n %d %d %d\n", title->counts[0], title->counts[1], title->counts[2]);
    for (int i = 0; i < total; ++i) Safe_Fprintf(stream, " %s\n", title->lines[i] ? title->lines[i] : "");
}

// Layout line and, for more than one column, the column positions:
// running sums of the widths, one separator each.
void Write_Layout(FILE* stream, const std::vector<const OliTableColumn*>& shown, int columns, int flags,
                  bool second_head) {
    int head_rows = second_head ? 2 : 1;
    int n = static_cast<int>(shown.size());
    if (flags & OLI_TABLE_NO_THIRD_HEAD) Safe_Fprintf(stream, " %d 0 -1 -1 %d", head_rows, n);
    else Safe_Fprintf(stream, " %d 1 -1 -1 %d", head_rows, n);
    if (flags & OLI_TABLE_LAYOUT_TAIL) Safe_Fprintf(stream, " 0 0 0 0 0 0 0 %d", 2);
    Safe_Fprintf(stream, "\n");
    if (columns <= 1) return;
    double sum = 0.0;
    for (const OliTableColumn* col : shown) {
        sum += col->width + 1;
        Safe_Fprintf(stream, " %f", sum);
    }
    Safe_Fprintf(stream, "\n");
}

std::string Head_Cell(const std::string& text, int width) {
    return Pad_Visible("╬u╬b"_cp + text + "╬r╬u"_cp, width) + " ";
}

// A cell of the second head row; blank without a group.
std::string Group_Cell(const std::string& text, int width) {
    return text.empty() ? std::string(static_cast<size_t>(width) + 1, ' ') : Head_Cell(text, width);
}

// The head rows: with a second head row, the group parts of the titles
// (before their first "="), a title that begins with "=" widening the
// group cell before it; then the titles (their part after the "="); then,
// unless left out, the head texts.
void Write_Head_Rows(FILE* stream, const std::vector<const OliTableColumn*>& shown, int flags, bool second_head) {
    std::string groups, first, third;
    std::string group_text;
    int group_width = -1;  // no group cell open
    for (const OliTableColumn* col : shown) {
        std::string title = col->title;
        size_t eq = second_head ? title.find('=') : std::string::npos;
        if (eq == 0 && group_width >= 0) {
            group_width += col->width + 1;
        } else {
            if (group_width >= 0) groups += Group_Cell(group_text, group_width);
            group_text = eq == std::string::npos ? "" : title.substr(0, eq);
            group_width = col->width;
        }
        first += Head_Cell(eq == std::string::npos ? title : title.substr(eq + 1), col->width);
        third += Pad_Visible(col->head, col->width) + " ";
    }
    if (second_head) {
        if (group_width >= 0) groups += Group_Cell(group_text, group_width);
        Safe_Fprintf(stream, " %s\n", groups.c_str());
    }
    Safe_Fprintf(stream, " %s\n", first.c_str());
    if (!(flags & OLI_TABLE_NO_THIRD_HEAD)) Safe_Fprintf(stream, " %s\n", third.c_str());
}

// The rows of cells, each with a frame line but the last when a shown
// column asks for frames; the remarks of the cells are collected.
void Write_Rows(FILE* stream, int columns, int rows, const OliTableCell* cells, const int* column_flags,
                const OliTableColumn* records, int start_number) {
    bool frame = false;
    for (int c = 0; c < columns; ++c)
        if (Shown(records[c], column_flags, c) && records[c].frame) frame = true;
    for (int r = 0; r < rows; ++r) {
        std::string line;
        for (int c = 0; c < columns; ++c) {
            if (!Shown(records[c], column_flags, c)) continue;
            OliTableColumn col = records[c];
            if (start_number != 0 && std::strcmp(col.type, "ZZ") == 0) col.start = start_number;
            const OliTableCell* cell = cells ? &cells[static_cast<size_t>(r) * static_cast<size_t>(columns) + c] : nullptr;
            char buf[1200];
            line += Oli_Format_Table_Cell(&col, r, cell, buf, sizeof buf);
            line += ' ';
            if (cell && cell->remark_name && *cell->remark_name)
                Table_Remark_Add(cell->remark_key, cell->remark_name, cell->remark_text);
        }
        if (frame && r + 1 < rows) line += " ╬{╬L 0 -1 -1 1.000000 1.000000 }"_cp;
        Safe_Fprintf(stream, " %s\n", line.c_str());
    }
}

// The caller's note lines, then the collected remarks; the remark list is
// empty afterwards.
void Write_Notes_And_Remarks(FILE* stream, int note_count, const char* const* notes) {
    for (int i = 0; notes && i < note_count; ++i) Oli_Text_Paragraph(stream, "%s", notes[i] ? notes[i] : "");
    for (const Remark& r : remarks) Oli_Text_Paragraph(stream, "%s %s", r.name, r.text);
    Table_Remarks_Clear();
}

}  // namespace

int OliTabelle(FILE* stream, int columns, int rows, const OliTableCell* cells, const int* column_flags,
               const OliTableColumn* column_records, const OliTableTitle* title, int flags, int note_count,
               const char* const* notes, int start_number, int mark, int second_head) {
    if (!stream || columns < 1 || rows < 1) return 0;
    if (!column_records || columns > allocated_columns) {
        // Too few column records: nothing is written, the program goes on.
        Collect_Message("%s", "Fehler in Funktion 'OliTabelle': zu wenig Spalten allociert!");
        return -1;
    }
    assert(columns <= allocated_columns);  // every column has its record
    std::vector<const OliTableColumn*> shown;
    for (int c = 0; c < columns; ++c)
        if (Shown(column_records[c], column_flags, c)) shown.push_back(&column_records[c]);

    bool normal_after = List_Flags_Before(stream, rows, flags, mark);
    if (!(flags & OLI_TABLE_NO_MOVE)) OLI_setYPositionCM(stream, OLI_Y_RELATIVE, 0.1);
    Write_Title_Block(stream, title);
    Write_Layout(stream, shown, columns, flags, second_head != 0);
    Write_Head_Rows(stream, shown, flags, second_head != 0);
    Write_Rows(stream, columns, rows, cells, column_flags, column_records, start_number);
    Safe_Fprintf(stream, "#END_OF_TEXT\n");
    if (normal_after) OLI_setFlags(stream, OLI_LIST_FLAGS_NORMAL);
    Write_Notes_And_Remarks(stream, note_count, notes);
    return 0;
}

void Oli_Table(FILE* stream, int columns, int rows, const OliTableCell* cells, const OliTableOptions* options) {
    OliTableOptions own{};
    const OliTableOptions* o = options;
    if (!o) {
        if (!Oli_Init_Table_Options(&own, columns)) return;
        o = &own;
    }
    OliTabelle(stream, columns, rows, cells, o->column_flags, column_array, nullptr, o->flags, 0, nullptr,
               o->start_number, o->mark, o->second_head);
    if (!options) Oli_Free_Table_Options(&own);
}

void Oli_Simple_Table(FILE* stream, int rows, int columns, const OliSimpleRow* row_records) {
    if (!stream || rows < 1 || columns < 1 || !row_records) return;
    int n = 0, u = 0, c = 0;
    char buf[256];
    for (int r = 0; r < rows; ++r) {
        const OliSimpleRow& row = row_records[r];
        n = std::max(n, MT_String_Length(row.name ? row.name : ""));
        u = std::max(u, MT_String_Length(row.unit ? row.unit : ""));
        for (int k = 0; k < columns; ++k)
            c = std::max(c, MT_String_Length(Oli_Format_Cell(nullptr, &row, k, nullptr, 0, -1, buf, sizeof buf)));
    }
    OLI_setYPositionCM(stream, OLI_Y_RELATIVE, 0.1);
    Safe_Fprintf(stream, "#SHOWTABLE\n 0 0 0\n 0 0 -1 -1 %d\n", columns + 1);
    double pos = n + 1;
    Safe_Fprintf(stream, " %f", pos);
    pos += u + 2;
    Safe_Fprintf(stream, " %f", pos);
    for (int k = 1; k < columns; ++k) {
        pos += c + 1;
        Safe_Fprintf(stream, " %f", pos);
    }
    Safe_Fprintf(stream, "\n");
    for (int r = 0; r < rows; ++r) {
        const OliSimpleRow& row = row_records[r];
        const char* unit = row.unit ? row.unit : "";
        std::string name = std::strncmp(unit, "GEW", 3) == 0
                               ? "╬u╬b"_cp + std::string(row.name ? row.name : "") + "╬r╬u"_cp
                               : "╬b"_cp + std::string(row.name ? row.name : "") + "╬r"_cp;
        Safe_Fprintf(stream, " %s ", Pad_Visible(name, n).c_str());
        Safe_Fprintf(stream, " %s", Pad_Visible(unit, u).c_str());
        for (int k = 0; k < columns; ++k)
            Safe_Fprintf(stream, "%s", Right(Oli_Format_Cell(nullptr, &row, k, nullptr, 0, -1, buf, sizeof buf), c).c_str());
        if (r + 1 < rows) Safe_Fprintf(stream, " ╬{╬L 0 -1 -1 %f %f }"_cp, 1.0, 1.0);
        Safe_Fprintf(stream, "\n");
    }
    Safe_Fprintf(stream, "#END_OF_TEXT\n");
}
