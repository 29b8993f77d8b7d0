// Stand-in of the desktop's print-list layout library.
//
// Each layout call writes one keyword block into the open print list; the
// forms are listed in docs/printlist-layout.md and stay stable, because
// print lists are compared byte for byte. Where the list format itself
// fixes a form ("#SETYPOS", "#SETMARGINS", "#SETFLAGS") that form is used.
// The tables shown in a sheet are parsed from their "#SHOWTABLE" block and
// recorded, as there is no screen to show them on.
#include "platform/oli_layout.h"

#include <cassert>
#include <climits>
#include <cmath>
#include <cstdarg>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include "platform/format.h"
#include "platform/oli_lines_internal.h"
#include "platform/screen.h"

namespace {

OLITableSheetRecord last_sheet;
OLITreeViewImageRecord last_tree_view_image;

// The tree-view pictures that have a look of their own.
struct Tree_View_Picture {
    int image = 0;
    std::string file;
    int sx = 0, sy = 0, width = 0, height = 0;
};
std::vector<Tree_View_Picture> tree_view_pictures;
constexpr size_t kMaxTreeViewPictures = 16;
int table_colours[OLI_TABLE_COLOUR_COUNT] = {15, 15, 0, 0, 7, 0, 0, 0};

// Writes a formatted block; 1 when the stream took all of it. The block
// goes through the fprintf entry of the program's stdio table once it was
// handed over, so that the writers and the layout calls share one stream.
__attribute__((format(printf, 2, 3))) int Layout_Write(FILE* stream, const char* format, ...) {
    if (!stream) return 0;
    // No block takes a "%c": the text holds no zero byte and goes straight
    // into the stream's buffer where it fits.
    va_list ap;
    va_start(ap, format);
    const int written = VEK_Stdio_Printf_V(stream, format, ap);
    va_end(ap);
    return written < 0 ? 0 : 1;
}

// A distance in the keyword lines: whole numbers without decimals ("1",
// "0", "-0.25" stays "-0.25"), six significant digits at most. The same
// few distances come again and again (those of each heading, each kept
// block): their texts are kept by the exact bits of the value.
// The text of a distance and its length, kept or (longer than a kept text
// holds) formatted into `spare`.
struct Cm_Chars {
    const char* text;
    size_t size;
};
Cm_Chars Cm_Text(double cm, char (&spare)[64]) {
    if (cm == 0.0) cm = 0.0;  // no "-0"
    struct Kept {
        uint64_t bits;
        bool set;
        unsigned char size;
        char text[32];
    };
    static Kept kept[16];
    uint64_t bits;
    std::memcpy(&bits, &cm, sizeof bits);
    Kept& k = kept[(bits * 0x9E3779B97F4A7C15ull) >> 60];
    if (!k.set || k.bits != bits) {
        const int n = VEK_Format_Bounded(spare, sizeof spare, "%.6g", cm);
        const size_t size = n > 0 ? std::strlen(spare) : 0;
        if (size >= sizeof k.text) return {spare, size};
        std::memcpy(k.text, spare, size + 1);
        k.size = static_cast<unsigned char>(size);
        k.bits = bits;
        k.set = true;
    }
    return {k.text, k.size};
}

// A keyword block of a distance: head, the distance, a line end, in one
// piece; 1 when the stream took all of it (as Layout_Write).
int Distance_Block(FILE* stream, const char* head, size_t head_size, double cm) {
    if (!stream) return 0;
    char spare[64];
    const Cm_Chars d = Cm_Text(cm, spare);
    char block[160];
    if (head_size + d.size + 1 > sizeof block) return 0;
    std::memcpy(block, head, head_size);
    std::memcpy(block + head_size, d.text, d.size);
    block[head_size + d.size] = '\n';
    return VEK_Stdio_Write_Bytes(stream, block, head_size + d.size + 1) < 0 ? 0 : 1;
}

// A margin: "0" for none, else "%f" as the list format writes margins.
std::string Margin_Text(double cm) {
    if (cm == 0.0) return "0";
    char buf[64];
    VEK_Format_Bounded(buf, sizeof buf, "%f", cm);
    return buf;
}

// Mode words of the keyword lines: a relative move is 256, a relative
// margin 257; other modes are written as given.
int Y_Mode_Word(int mode) { return mode == OLI_Y_RELATIVE ? 256 : mode; }
int Margin_Mode_Word(int mode) { return mode == OLI_MARGINS_RELATIVE ? 257 : mode; }

// A text or title line loses the one blank it starts with.
char* Line_Copy(const std::string& line) {
    std::string s = (!line.empty() && line[0] == ' ') ? line.substr(1) : line;
    char* p = static_cast<char*>(std::malloc(s.size() + 1));
    if (p) std::memcpy(p, s.c_str(), s.size() + 1);
    return p;
}

// True for a line that holds one number and nothing else but blanks: the
// position line of a one-column table, never one of its text lines.
bool Is_Lone_Number(const std::string& line) {
    const char* p = line.c_str();
    char* end = nullptr;
    std::strtod(p, &end);
    if (end == p) return false;
    while (*end == ' ' || *end == '\t') ++end;
    return *end == '\0';
}

// A count or layout word of a table head as an int. False for a number no
// int holds (not finite or out of range): only a damaged block carries one.
bool Int_Of(double v, int* out) {
    if (!(v >= INT_MIN && v <= INT_MAX)) return false;  // NaN fails here too
    *out = static_cast<int>(v);
    return true;
}

// The title lines a block announces. A title line is never a keyword line,
// so a keyword line or the end of the stream before the announced count
// means a damaged count: false, and the stream is put back to the start of
// that keyword line (where it can), so that a count far beyond what the
// rest of the file holds cannot swallow the blocks that follow.
bool Read_Title_Lines(FILE* stream, long long count, std::vector<std::string>& titles) {
    std::string line;
    for (long long i = 0; i < count; ++i) {
        long at = std::ftell(stream);
        if (!Oli_Read_Line(stream, line)) return false;
        if (!line.empty() && line[0] == '#') {
            if (at >= 0) std::fseek(stream, at, SEEK_SET);
            return false;
        }
        titles.push_back(line);
    }
    return true;
}

char** Line_Array(const std::vector<std::string>& lines, bool* ok) {
    char** arr = static_cast<char**>(std::calloc(lines.size() + 1, sizeof(char*)));
    if (!arr) {
        *ok = false;
        return nullptr;
    }
    for (size_t i = 0; i < lines.size(); ++i) {
        arr[i] = Line_Copy(lines[i]);
        if (!arr[i]) *ok = false;
    }
    return arr;
}

}  // namespace

int OLI_setYPositionCM(FILE* stream, int mode, double cm) {
    char head[40];
    const int n = VEK_Format_Bounded(head, sizeof head, "#SETYPOS\n%d ", Y_Mode_Word(mode));
    return n > 0 && n < static_cast<int>(sizeof head) ? Distance_Block(stream, head, static_cast<size_t>(n), cm) : 0;
}

int OLI_setMarginsCM(FILE* stream, int mode, double left_cm, double right_cm) {
    return Layout_Write(stream, "#SETMARGINS\n%d %s %s\n", Margin_Mode_Word(mode), Margin_Text(left_cm).c_str(),
                        Margin_Text(right_cm).c_str());
}

int OLI_reserveSpaceCM(FILE* stream, double cm) {
    static const char kHead[] = "#RESERVESPACE\n";
    return Distance_Block(stream, kHead, sizeof kHead - 1, cm);
}

int OLI_storeYPosition(FILE* stream, int index) { return Layout_Write(stream, "#STOREYPOS\n%d\n", index); }

int OLI_restoreYPosition(FILE* stream, int index) { return Layout_Write(stream, "#RESTOREYPOS\n%d\n", index); }

int OLI_setBookmark(FILE* stream, int level, const char* text) {
    return Layout_Write(stream, "#SETBOOKMARK\n%d\n %s\n", level, text ? text : "");
}

int OLI_setFlags(FILE* stream, int flags) { return Layout_Write(stream, "#SETFLAGS\n %d\n\n", flags); }

int OLI_setLayout(FILE* stream, int value) { return Layout_Write(stream, "#SETLAYOUT\n %d\n", value); }

int OLI_setConvertionFlags(FILE* stream, int value) {
    return Layout_Write(stream, "#SETCONVERTIONFLAGS\n %d\n", value);
}

int OLI_pushMargins(FILE* stream) { return Layout_Write(stream, "#PUSHMARGINS\n"); }

int OLI_popMargins(FILE* stream, int flags) { return Layout_Write(stream, "#POPMARGINS\n %d\n", flags); }

int OLI_resetMaxMargin(FILE* stream) { return Layout_Write(stream, "#RESETMAXMARGIN\n"); }

int MT_String_Length(const char* text) {
    if (!text) return 0;
    const unsigned char* p = reinterpret_cast<const unsigned char*>(text);
    int count = 0;
    while (*p) {
        if (*p != 0xCE) {
            ++count;
            ++p;
            continue;
        }
        ++p;  // the escape byte
        if (*p == '{') {
            // A frame or colour group runs to its closing brace; escapes
            // inside it ("╬L", "╬R") are part of the group.
            while (*p && *p != '}') ++p;
            if (*p) ++p;
        } else if (*p) {
            ++p;  // the switch letter
        }
    }
    return count;
}

OLITable* readOLITableFromFILE(FILE* stream) {
    if (!stream) return nullptr;
    std::string line;
    bool found = false;
    while (Oli_Read_Line(stream, line)) {
        if (line == "#SHOWTABLE") {
            found = true;
            break;
        }
    }
    if (!found || !Oli_Read_Line(stream, line)) return nullptr;
    std::vector<double> counts = Oli_Numbers(line);
    if (counts.size() < 3) return nullptr;

    OLITable* table = static_cast<OLITable*>(std::calloc(1, sizeof(OLITable)));
    if (!table) return nullptr;
    bool ok = true;
    long long total = 0;  // three counts of up to INT_MAX each
    for (int i = 0; i < 3; ++i) {
        int n = 0;
        if (!Int_Of(counts[i], &n)) ok = false;
        table->title_counts[i] = n < 0 ? 0 : n;
        total += table->title_counts[i];
    }
    std::vector<std::string> titles, rows;
    if (ok && !Read_Title_Lines(stream, total, titles)) ok = false;
    std::vector<double> layout;
    if (ok && Oli_Read_Line(stream, line)) layout = Oli_Numbers(line);
    for (size_t i = 0; i < 4 && i < layout.size(); ++i)
        if (!Int_Of(layout[i], &table->layout[i])) ok = false;
    // A block that holds only its titles ends with the layout line 0 0 0 0.
    bool titles_only = layout.size() == 4 && layout[0] == 0 && layout[1] == 0 && layout[2] == 0 && layout[3] == 0;
    if (layout.size() >= 5 && !Int_Of(layout[4], &table->column_count)) ok = false;
    if (table->column_count < 0) table->column_count = 0;
    // A table of one column may come without its position line: the first
    // line after the layout line is then already a text line (or the end).
    // Its one position is then 0.
    bool ended = false;
    if (ok && table->column_count == 1) {
        table->column_positions = static_cast<double*>(std::calloc(1, sizeof(double)));
        if (!table->column_positions) ok = false;
        if (ok && Oli_Read_Line(stream, line)) {
            if (Is_Lone_Number(line)) table->column_positions[0] = std::strtod(line.c_str(), nullptr);
            else if (line == "#END_OF_TEXT") ended = true;
            else rows.push_back(line);
        }
    } else if (ok && table->column_count > 0 && Oli_Read_Line(stream, line)) {
        // Every position takes at least one character of its line; a count
        // beyond that is damage, not a table to allocate for.
        if (static_cast<size_t>(table->column_count) > line.size()) {
            deleteOLITable(table);
            return nullptr;
        }
        std::vector<double> pos = Oli_Numbers(line);
        table->column_positions = static_cast<double*>(std::calloc(table->column_count, sizeof(double)));
        if (!table->column_positions) ok = false;
        for (int i = 0; ok && i < table->column_count && i < static_cast<int>(pos.size()); ++i)
            table->column_positions[i] = pos[i];
    }
    if (ok && !titles_only && !ended) {
        while (Oli_Read_Line(stream, line) && line != "#END_OF_TEXT") rows.push_back(line);
    }
    table->title_line_count = static_cast<int>(titles.size());
    table->title_lines = Line_Array(titles, &ok);
    table->row_count = static_cast<int>(rows.size());
    table->rows = Line_Array(rows, &ok);
    if (!ok) {
        deleteOLITable(table);
        return nullptr;
    }
    return table;
}

void deleteOLITable(OLITable* table) {
    if (!table) return;
    for (int i = 0; table->title_lines && i < table->title_line_count; ++i) std::free(table->title_lines[i]);
    for (int i = 0; table->rows && i < table->row_count; ++i) std::free(table->rows[i]);
    std::free(table->title_lines);
    std::free(table->rows);
    std::free(table->column_positions);
    std::free(table);
}

int OLITablePropSheet(const char* title, int mode, const OLITable* table, const int* sheet) {
    if (!table) return 0;
    OLITableSheetRecord rec{};
    rec.shown = 1;
    std::snprintf(rec.title, sizeof rec.title, "%s", title ? title : "");
    rec.mode = mode;
    rec.title_line_count = table->title_line_count;
    rec.row_count = table->row_count;
    rec.column_count = table->column_count;
    if (sheet) std::memcpy(rec.sheet, sheet, sizeof rec.sheet);
    last_sheet = rec;
    return 1;
}

int getOLITableColours(int* colours) {
    if (!colours) return 0;
    std::memcpy(colours, table_colours, sizeof table_colours);
    return 1;
}

void setOLITableColours(const int* colours) {
    if (colours) std::memcpy(table_colours, colours, sizeof table_colours);
}

const OLITableSheetRecord* OLI_Last_Table_Sheet(void) { return &last_sheet; }

void Set_Tree_View_Picture(int image, const char* file, int sx, int sy, int width, int height) {
    if (!file || width < 1 || height < 1) return;
    Tree_View_Picture look{image, file, sx, sy, width, height};
    for (Tree_View_Picture& p : tree_view_pictures)
        if (p.image == image) {
            p = look;
            return;
        }
    if (tree_view_pictures.size() < kMaxTreeViewPictures) tree_view_pictures.push_back(look);
}

void Draw_TreeViewImage(int image, int x, int y, int colour) {
    last_tree_view_image.count++;
    last_tree_view_image.image = image;
    last_tree_view_image.x = x;
    last_tree_view_image.y = y;
    last_tree_view_image.colour = colour;
    for (const Tree_View_Picture& p : tree_view_pictures) {
        // A missing picture file falls back to the frame without a fault:
        // the look is an addition, not something a caller relies on.
        if (p.image != image || pxQDIBSize(p.file.c_str(), nullptr, nullptr) != 1) continue;
        const int left = x - p.width / 2, top = y - p.height / 2;
        pxDrawPartialTransparentDIB(p.file.c_str(), p.sx, p.sy, p.sx + p.width - 1, p.sy + p.height - 1, left, top,
                                    left + p.width - 1, top + p.height - 1, 201, -1, 192, 192, 192);
        return;
    }
    const int half = 5;  // 11 x 11 pixels
    int keep_colour = pxQFgc();
    int keep_style = pxQSLn();
    pxFgc(colour);
    pxSLn(0);
    pxLine(x - half, y - half, x + half, y - half);
    pxLine(x + half, y - half, x + half, y + half);
    pxLine(x + half, y + half, x - half, y + half);
    pxLine(x - half, y + half, x - half, y - half);
    pxSLn(keep_style);
    pxFgc(keep_colour);
}

const OLITreeViewImageRecord* OLI_Last_Tree_View_Image(void) { return &last_tree_view_image; }
