// Text writer of the print list: page layout state, headings, text lines,
// check lines and tabbed list lines.
//
// The layout state (text width, margins, chapter counters, heading levels,
// bookmarks, stored positions, switches) is one module-wide instance. Every
// writer formats its text once, into at most 255 characters, and hands it
// on with "%s": a text that came from data or from another writer is never
// read again as a format. All text goes through the paragraph writer; page
// moves, margins and bookmarks go to the layout library.
#include "printlist/ioliwrt.h"

#include <algorithm>
#include <cassert>
#include <cctype>
#include <cmath>
#include <cstdarg>
#include <cstring>
#include <string>

#include "base/cp850.h"
#include "base/filenames.h"
#include "base/rounding.h"
#include "base/stored_text.h"
#include "base/vesk.h"
#include "platform/format.h"
#include "platform/oli_graphic_records.h"
#include "platform/oli_layout.h"
#include "platform/posix.h"
#include "printlist/ioliplot.h"
#include "printlist/ioliwrt_old.h"
#include "printlist/oli_para.h"
#include "printlist/version_file.h"

namespace {

constexpr double kLine = 0.38;        // one text line, cm
constexpr double kSmallLine = 0.286;  // one small text line, cm
constexpr size_t kMaxText = 255;      // formatted texts are cut here

double text_width = 17.0;
float left_margin = 0.0f;
float right_margin = 0.0f;
int font_code = 7;
int line_font_code = 7;
int strip_zeros = 0;
int heading_output = 1;
int paragraph_output = 1;
int numbering_off = 0;
int plain_number = 0;
int counters[OLI_MAX_LEVELS] = {0, 0, 0, 0, 0, 0};
int used_levels = 3;
int level_kinds[OLI_MAX_LEVELS] = {1, 1, 1, 1, 1, 1};
double level_steps[OLI_MAX_LEVELS] = {0, 0, 0, 0, 0, 0};
int last_bookmark_level = -1;
int bookmark_depth = 2;
int bookmark_top_level = 3;
char last_heading_number[64] = "???";
int position_used[OLI_POSITION_INDICES];

// Tabbed list lines.
struct ListState {
    int cells = 0;
    int current = -1;
    int active = 0;
    int restarted = 0;
    int first_without_tab = 0;
    int stop_count = 0;  // stops of the list, kept to set them again
    double stops[OLI_MAX_TABS] = {};
};
ListState list_state;

// The text cut to its first 255 characters (and at a zero byte), into buf;
// the empty text for a null format or a format error.
const char* Format_Into(char (&buf)[kMaxText + 1], const char* format, va_list ap) {
    buf[0] = '\0';
    if (format && VEK_Format_Bounded_V(buf, sizeof buf, format, ap) < 0) buf[0] = '\0';
    return buf;
}

std::string Format_Args(const char* format, va_list ap) {
    char buf[kMaxText + 1];
    return Format_Into(buf, format, ap);
}

__attribute__((format(printf, 1, 2))) std::string Format_Text(const char* format, ...) {
    va_list ap;
    va_start(ap, format);
    std::string s = Format_Args(format, ap);
    va_end(ap);
    return s;
}

int Clamp_Level(int level) { return std::min(std::max(level, 1), OLI_MAX_LEVELS); }

double Step_Of_Kind(int kind) { return kind == 1 ? 0.28 : 0.48; }

std::string With_Newline(std::string text) {
    if (text.empty() || text.back() != '\n') text += '\n';
    return text;
}

// Trailing zeros of decimal numbers dropped, and a point left without
// digits; a point at the very end of the text stays.
std::string Strip_Trailing_Zeros(const std::string& in) {
    std::string out;
    size_t i = 0;
    while (i < in.size()) {
        char c = in[i];
        bool number_point = c == '.' && i > 0 && std::isdigit(static_cast<unsigned char>(in[i - 1])) &&
                            i + 1 < in.size();
        if (!number_point) {
            out += c;
            ++i;
            continue;
        }
        size_t j = i + 1;
        while (j < in.size() && std::isdigit(static_cast<unsigned char>(in[j]))) ++j;
        std::string digits = in.substr(i + 1, j - i - 1);
        while (!digits.empty() && digits.back() == '0') digits.pop_back();
        if (!digits.empty()) out += "." + digits;
        i = j;
    }
    return out;
}

const char* const kReopenedSwitches[] = {"╬\\"_cp, "╬/"_cp, "╬_"_cp, "╬u"_cp, "╬b"_cp, "╬s"_cp};

// Markup_Is_Open on a length-bounded prefix.
bool Switch_Open(const std::string& text, size_t place, const char* sw) {
    std::string before = text.substr(0, std::min(place, text.size()));
    size_t last_sw = before.rfind(sw);
    if (last_sw == std::string::npos) return false;
    size_t last_r = before.rfind("╬r"_cp);
    return last_r == std::string::npos || last_r < last_sw;
}

// Every pattern replaced, the switches open there reopened after it. The
// result is as long as it needs to be.
std::string Replace_Markup(const std::string& text, const std::string& pattern, const std::string& replacement) {
    if (pattern.empty()) return text;
    std::string out;
    size_t start = 0;
    for (;;) {
        size_t at = text.find(pattern, start);
        if (at == std::string::npos) break;
        out.append(text, start, at - start);
        out += replacement;
        for (const char* sw : kReopenedSwitches)
            if (Switch_Open(text, at, sw)) out += sw;
        start = at + pattern.size();
    }
    out.append(text, start, std::string::npos);
    return out;
}

// The checks of Oli_Check_Line; false for an unknown operator.
bool Check_Met(double value, const char* op, double limit, int decimals, bool* known) {
    double d = Round_To_Decimals(value - limit, decimals);
    std::string o = op ? op : "";
    *known = true;
    if (o == "<=" || o == "=<") return d <= 0.0;
    if (o == ">=" || o == "=>") return d >= 0.0;
    if (o == "<") return d < 0.0;
    if (o == ">") return d > 0.0;
    *known = false;
    return false;
}

// The failure mark "╬b!!" at the right edge of the line just written.
void Failure_Mark(FILE* stream) {
    OLI_setYPositionCM(stream, OLI_Y_RELATIVE, -kLine);
    double keep = left_margin;
    Oli_Set_Left_Margin(stream, text_width);
    Oli_Text_Line(stream, "%s", "╬b!!"_cp);
    Oli_Set_Left_Margin(stream, keep);
}

// Lists of a version below 335 take the older block forms.
bool Older_Forms(void) { return Oli_Get_List_Version() < OLI_LIST_VERSION_PARAGRAPHS; }

void Write_Text_Line(FILE* stream, std::string text) {
    if (strip_zeros) text = Strip_Trailing_Zeros(text);
    text = Replace_Markup(text, "\xFD", "╬/2╬r"_cp);
    text = Replace_Markup(text, "\xFA", "╬/3╬r"_cp);
    if (!stream) return;
    if (Older_Forms()) {
        Oli_Text_Line_Old(stream, text.c_str());
        return;
    }
    OLI_Set_Para_Mode(font_code);
    OLI_printf(stream, "%s", With_Newline(text).c_str());
    OLI_End_Text(stream);
}

// A paragraph in font mode 3 or 5; in an older list a block that holds
// only its title.
void Write_Paragraph(FILE* stream, int mode, const std::string& text) {
    if (Older_Forms()) {
        if (mode == 5) Oli_Text_Big_Old(stream, text.c_str());
        else Oli_Text_Paragraph_Old(stream, text.c_str());
        return;
    }
    OLI_Set_Para_Mode(mode);
    OLI_printf(stream, "%s", With_Newline(text).c_str());
    OLI_End_Text(stream);
}

void Reset_List_State(void) { list_state = ListState(); }

void Set_List_Stops(void) {
    OLI_Set_Tabs(2, nullptr, list_state.stops, list_state.stop_count);
}

// The heading writers' common part; they return before it for a null
// stream or a negative level.
void Heading_Of(FILE* stream, int level, const char* text, bool manage_bookmarks, int with_bookmark,
                int bookmark_level) {
    assert(stream && level >= 0);
    if (level == 0) {
        int keep = OLI_Get_Para_Mode();
        OLI_setYPositionCM(stream, OLI_Y_RELATIVE, 0.114);
        OLI_Set_Para_Mode(4);
        OLI_printf(stream, "╬H%s╬r\n"_cp, text);
        OLI_Set_Para_Mode(keep);
        OLI_End_Text(stream);
        return;
    }
    if (manage_bookmarks) {
        bookmark_level = 0;
        if (level >= 1 && level <= std::min(bookmark_depth - 1, bookmark_top_level)) {
            int closes = 0;
            if (level == last_bookmark_level) closes = 1;
            else if (level < last_bookmark_level) closes = last_bookmark_level - level + 1;
            for (int i = 0; i < closes; ++i) OLI_setBookmark(stream, OLI_BOOKMARK_CLOSES_LEVEL, nullptr);
            last_bookmark_level = level;
            bookmark_level = OLI_BOOKMARK_OPENS_LEVEL;
        }
    }
    Oli_Chapter_Heading(stream, level, text, with_bookmark, bookmark_level);
    if (level == 1) OLI_setYPositionCM(stream, OLI_Y_RELATIVE, -0.19);
}

}  // namespace

// ---- writer state ------------------------------------------------------------

void Oli_Writer_Init(int levels, int kind, int flags) {
    for (int& c : counters) c = 0;
    used_levels = std::min(levels, OLI_MAX_LEVELS);
    for (int i = 0; i < OLI_MAX_LEVELS; ++i) {
        level_kinds[i] = kind;
        level_steps[i] = Step_Of_Kind(kind);
    }
    last_bookmark_level = -1;
    plain_number = (flags & OLI_WRITER_PLAIN_NUMBERS) ? 1 : 0;
    numbering_off = (flags & OLI_WRITER_NO_NUMBERING) ? 1 : 0;
    // A new list starts clean: no paragraph, stored position or tabbed
    // list of an earlier list is carried into it.
    Oli_Reset_Position_Indices();
    Reset_List_State();
    OLI_Reset_Writer();
}

void Oli_Set_Level_Kinds(const int kinds[]) {
    assert(kinds);
    for (int i = 0; i < used_levels && i < OLI_MAX_LEVELS; ++i) level_kinds[i] = kinds[i];
    for (int i = 0; i < OLI_MAX_LEVELS; ++i) level_steps[i] = Step_Of_Kind(level_kinds[i]);
}

void Oli_Set_Bookmark_Depth(int depth) { bookmark_depth = depth; }
void Oli_Set_Bookmark_Max_Level(int level) { bookmark_top_level = level; }

void Oli_Close_Bookmarks(FILE* stream) {
    if (!stream) return;
    for (int i = 0; i < last_bookmark_level; ++i) OLI_setBookmark(stream, OLI_BOOKMARK_CLOSES_LEVEL, nullptr);
}

int Oli_Get_Chapter_Counter(int level) { return counters[Clamp_Level(level) - 1]; }
void Oli_Set_Chapter_Counter(int level, int value) { counters[Clamp_Level(level) - 1] = value; }
void Oli_Next_Chapter_Counter(int level) { ++counters[Clamp_Level(level) - 1]; }

const char* Oli_Get_Heading_Number(void) { return numbering_off ? nullptr : last_heading_number; }
void Oli_Numbering_Off(void) { numbering_off = 1; }
void Oli_Numbering_On(void) { numbering_off = 0; }

double Oli_Get_Text_Width(void) { return text_width; }
void Oli_Set_Text_Width(double cm) { text_width = cm; }

void Oli_Set_Left_Margin(FILE* stream, double cm) {
    left_margin = static_cast<float>(cm);
    OLI_setMarginsCM(stream, OLI_MARGINS_RELATIVE, left_margin, right_margin);
}

void Oli_Set_Right_Margin(FILE* stream, double cm) {
    right_margin = static_cast<float>(cm);
    OLI_setMarginsCM(stream, OLI_MARGINS_RELATIVE, left_margin, right_margin);
}

float Oli_Get_Left_Margin(void) { return left_margin; }
float Oli_Get_Right_Margin(void) { return right_margin; }

int Oli_Chars_Per_Line(int code) {
    static const int table[11] = {106, 106, 165, 125, 96, 73, 106, 106, 132, 132, 165};
    int chars = (code >= 0 && code <= 10) ? table[code] : 96;
    if (text_width == 0.0) return chars;
    return static_cast<int>(std::lround(chars * (text_width - left_margin) / text_width));
}

int Oli_Chars_Per_Line_Current(void) { return Oli_Chars_Per_Line(font_code); }
void Oli_Set_Font_Code(int code) { font_code = code; }
int Oli_Get_Font_Code(void) { return font_code; }
void Oli_Set_Line_Font_Code(int code) { line_font_code = code; }
int Oli_Get_Line_Font_Code(void) { return line_font_code; }
void Oli_Set_Strip_Zeros(int on) { strip_zeros = on; }
int Oli_Get_Strip_Zeros(void) { return strip_zeros; }

void Oli_Move_Lines(FILE* stream, double n) {
    if (stream) OLI_setYPositionCM(stream, OLI_Y_RELATIVE, n * kLine);
}

void Oli_Move_Y(FILE* stream, double cm) {
    if (stream) OLI_setYPositionCM(stream, OLI_Y_RELATIVE, cm);
}

void Oli_Y_To_Top(FILE* stream) {
    if (stream) OLI_setYPositionCM(stream, OLI_Y_ABSOLUTE, 0.0);
}

void Oli_Reserve_Lines(FILE* stream, double n) {
    if (stream) OLI_reserveSpaceCM(stream, n * kLine);
}

void Oli_Reserve_Small_Lines(FILE* stream, double n) {
    if (stream) OLI_reserveSpaceCM(stream, n * kSmallLine);
}

int Oli_Store_Y_Position(FILE* stream) {
    if (!stream) return -1;
    for (int i = 0; i < OLI_POSITION_INDICES; ++i) {
        if (position_used[i]) continue;
        position_used[i] = 1;
        OLI_storeYPosition(stream, i);
        return i;
    }
    Verbose_Printf("Fehler in 'ioliwrt': Kein Positionierungsindex mehr frei!\n");
    _flushall();
    return -1;
}

void Oli_Restore_Y_Position(FILE* stream, int index) {
    if (!stream || index < 0 || index >= OLI_POSITION_INDICES) return;
    if (position_used[index]) OLI_restoreYPosition(stream, index);
    position_used[index] = 0;
}

void Oli_Return_To_Y_Position(FILE* stream, int index) {
    if (!stream || index < 0 || index >= OLI_POSITION_INDICES) return;
    if (position_used[index]) OLI_restoreYPosition(stream, index);
}

void Oli_Free_Position_Index(int index) {
    if (index >= 0 && index < OLI_POSITION_INDICES) position_used[index] = 0;
}

void Oli_Reset_Position_Indices(void) {
    for (int& u : position_used) u = 0;
}

double Oli_Hanging_Indent(void) {
    double h = 0.0;
    for (int i = 0; i < used_levels && i < OLI_MAX_LEVELS; ++i) h += level_steps[i];
    if (used_levels == 3) return h + 0.3;
    if (used_levels == 4) return h + 0.2;
    return h + 0.35;
}

// ---- headings ------------------------------------------------------------------

namespace {

// Used levels and chapter counters of a heading of the level; its level
// 1 .. 6.
int Count_Heading(int level) {
    int lc = Clamp_Level(level);
    assert(lc >= 1 && lc <= OLI_MAX_LEVELS);
    used_levels = std::max(used_levels, lc);
    ++counters[lc - 1];
    if (level <= 5)
        for (int i = lc; i < OLI_MAX_LEVELS; ++i) counters[i] = 0;
    return lc;
}

// The number of a heading: the counters of levels 1 .. lc, each "%d.".
// "1.2.3." of the counters of the first lc levels into number.
void Heading_Number_Into(std::string& number, int lc) {
    number.clear();
    char one[16];
    for (int i = 0; i < lc; ++i)
        number.append(one, static_cast<size_t>(VEK_Format_Bounded(one, sizeof one, "%d.", counters[i])));
}

std::string Heading_Number(int lc) {
    std::string number;
    Heading_Number_Into(number, lc);
    return number;
}

// One text record of the older heading picture; levels 2 and 3 write it
// four times, shifted by 0.01 cm, so that it prints bold.
void Old_Heading_Record(FILE* stream, int lc, double x, double y, const std::string& text) {
    int times = (lc == 2 || lc == 3) ? 4 : 1;
    static const double kShift[4][2] = {{0.0, 0.0}, {0.01, 0.0}, {0.0, 0.01}, {0.01, 0.01}};
    for (int i = 0; i < times; ++i)
        Safe_Fprintf(stream, " %d %lf %lf \xAE%s\xAF\n", OLI_REC_TEXT, x + kShift[i][0], y + kShift[i][1],
                     text.c_str());
}

}  // namespace

void Oli_Chapter_Heading_Old(FILE* stream, int level, const char* title, int with_bookmark, int bookmark_level) {
    int lc = Count_Heading(level);
    if (!stream) return;
    const std::string t = title ? title : "";
    const int size = lc == 1 ? 5 : 4;
    const double height = lc == 1 ? 0.8 : 0.7;
    const double y = lc == 1 ? 0.2 : 0.1;

    // The older form writes its heading whatever the heading output switch.
    left_margin = 0.0f;
    OLI_setMarginsCM(stream, OLI_MARGINS_RELATIVE, 0.0, right_margin);
    OLI_reserveSpaceCM(stream, 3.0);
    Safe_Fprintf(stream, "#SHOWGRAFIC\n 0 0 0\n 0 0 0\n");
    Safe_Fprintf(stream, "%d\n", -1);
    Safe_Fprintf(stream, " %lf %lf %lf %lf\n", 0.0, 17.0, 0.0, height);
    Safe_Fprintf(stream, " %d %d\n", OLI_REC_TEXT_CLASS, size);
    std::string title_record = t;
    double hanging = 0.0;
    if (numbering_off) {
        Old_Heading_Record(stream, lc, 0.0, y, t);
    } else if (plain_number) {
        std::string number = Heading_Number(lc);
        std::snprintf(last_heading_number, sizeof last_heading_number, "%s", number.c_str());
        title_record = number + " " + t;
        Old_Heading_Record(stream, lc, 0.0, y, title_record);
    } else {
        for (int i = 0; i < lc; ++i)
            Old_Heading_Record(stream, lc, i * level_steps[i], y, Format_Text("%d.", counters[i]));
        hanging = Oli_Hanging_Indent();
        Old_Heading_Record(stream, lc, hanging, y, t);
    }
    Safe_Fprintf(stream, " -1\n");
    if (with_bookmark && lc <= bookmark_depth) {
        OLI_setBookmark(stream, bookmark_level, title_record.c_str());
        OLI_setBookmark(stream, OLI_BOOKMARK_AFTER_OLD_HEADING, "");
    }
    OLI_setYPositionCM(stream, OLI_Y_RELATIVE, -0.6);
    left_margin = static_cast<float>(hanging);
    OLI_setMarginsCM(stream, OLI_MARGINS_RELATIVE, left_margin, right_margin);
}

void Oli_Chapter_Heading(FILE* stream, int level, const char* title, int with_bookmark, int bookmark_level) {
    if (Older_Forms()) {
        Oli_Chapter_Heading_Old(stream, level, title, with_bookmark, bookmark_level);
        return;
    }
    int lc = Count_Heading(level);
    if (!stream) return;
    const char* t = title ? title : "";

    if (heading_output) {
        left_margin = 0.0f;
        OLI_setMarginsCM(stream, OLI_MARGINS_RELATIVE, 0.0, right_margin);
        OLI_setYPositionCM(stream, OLI_Y_RELATIVE, 0.254);
        OLI_reserveSpaceCM(stream, 3.0);
    }
    // Kept from heading to heading: a heading of every load case allocates nothing.
    static std::string number, heading, bookmark;
    heading = t, bookmark = t;
    double hanging = 0.0;
    if (!numbering_off) {
        Heading_Number_Into(number, lc);
        VEK_Format_Bounded(last_heading_number, sizeof last_heading_number, "%s", number.c_str());
        heading.assign("╬@"_cp).append(number).append(plain_number ? " " : "╬t"_cp).append(t);
        bookmark.assign("╬@"_cp).append(number).append(" ").append(t);
        if (!plain_number) hanging = Oli_Hanging_Indent();
    }
    if (with_bookmark && lc <= bookmark_depth) OLI_setBookmark(stream, bookmark_level, bookmark.c_str());
    if (!heading_output) return;

    OLI_Set_Para_Mode(lc == 1 ? 5 : 4);
    if (hanging > 0.0) OLI_Set_Tabs(17, nullptr, &hanging, 1);
    if (lc == 1) {
        OLI_printf(stream, "%s\n", heading.c_str());
        OLI_Add_Para_Offset(0.1);
        OLI_End_Text(stream);
        OLI_setYPositionCM(stream, OLI_Y_RELATIVE, 0.1);
    } else {
        OLI_printf(stream, "╬H%s╬r\n"_cp, heading.c_str());
        OLI_End_Text(stream);
    }
    left_margin = static_cast<float>(hanging);
    OLI_setMarginsCM(stream, OLI_MARGINS_RELATIVE, left_margin, right_margin);
}

void Oli_Heading(FILE* stream, int level, const char* format, ...) {
    if (!stream || level < 0) return;
    va_list ap;
    va_start(ap, format);
    char text[kMaxText + 1];
    Format_Into(text, format, ap);
    va_end(ap);
    Heading_Of(stream, level, text, true, 1, 0);
}

void Oli_Heading_Bookmark(FILE* stream, int level, int bookmark_level, const char* format, ...) {
    if (!stream || level < 0) return;
    va_list ap;
    va_start(ap, format);
    char text[kMaxText + 1];
    Format_Into(text, format, ap);
    va_end(ap);
    Heading_Of(stream, level, text, false, 1, bookmark_level);
}

void Oli_Heading_Simple(FILE* stream, int level, const char* format, ...) {
    if (!stream || level < 0) return;
    va_list ap;
    va_start(ap, format);
    char text[kMaxText + 1];
    Format_Into(text, format, ap);
    va_end(ap);
    Heading_Of(stream, level, text, false, 0, 0);
}

void Oli_Heading_Silent(FILE* stream, int level, const char* format, ...) {
    if (!stream || level < 0) return;
    va_list ap;
    va_start(ap, format);
    char text[kMaxText + 1];
    Format_Into(text, format, ap);
    va_end(ap);
    heading_output = 0;
    Heading_Of(stream, level, text, true, 1, 0);
    heading_output = 1;
}

// ---- text lines -------------------------------------------------------------------

void Oli_Text_Line(FILE* stream, const char* format, ...) {
    va_list ap;
    va_start(ap, format);
    std::string text = Format_Args(format, ap);
    va_end(ap);
    Write_Text_Line(stream, text);
}

void Oli_Text_Line_Check(FILE* stream, const char* text, int ok) {
    Write_Text_Line(stream, Format_Text("%s", text ? text : ""));
    if (!ok) Failure_Mark(stream);
}

void Oli_Text_Paragraph(FILE* stream, const char* format, ...) {
    va_list ap;
    va_start(ap, format);
    std::string text = Format_Args(format, ap);
    va_end(ap);
    if (!stream || !paragraph_output) return;
    Write_Paragraph(stream, 3, text);
}

void Oli_Text_Small(FILE* stream, const char* format, ...) {
    va_list ap;
    va_start(ap, format);
    std::string text = Format_Args(format, ap);
    va_end(ap);
    int keep = paragraph_output;
    paragraph_output = 1;
    Oli_Text_Paragraph(stream, "%s", text.c_str());
    paragraph_output = keep;
}

void Oli_Text_Big(FILE* stream, const char* format, ...) {
    va_list ap;
    va_start(ap, format);
    std::string text = Format_Args(format, ap);
    va_end(ap);
    if (!stream) return;
    Write_Paragraph(stream, 5, text);
}

void Oli_Version_Line(FILE* stream, const char* program_name) {
    std::string name = program_name ? program_name : "";
    if (name.size() > 99) name.resize(99);
    const char* version = Read_Program_Version_File(name.c_str());
    std::string text;
    if (version) {
        text = version;
    } else {
        for (char& c : name) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
        text = name + " Version: ???";
    }
    if (text.empty()) return;
    double keep = left_margin;
    Oli_Set_Left_Margin(stream, keep + text_width + 1.0 - 0.13333 * static_cast<double>(text.size()));
    Oli_Text_Paragraph(stream, "%s", text.c_str());
    Oli_Set_Left_Margin(stream, keep);
}

void Oli_Text_At_Tab(FILE* stream, double position, const char* text) {
    if (!stream) return;
    OLI_Set_Para_Mode(font_code);
    OLI_Set_Tabs(50, nullptr, &position, 1);
    OLI_printf(stream, "%s", text ? text : "");
    OLI_End_Tabs();
    OLI_End_Text(stream);
}

void Oli_Text_At_Tab_Printf(FILE* stream, double position, const char* format, ...) {
    va_list ap;
    va_start(ap, format);
    std::string text = Format_Args(format, ap);
    va_end(ap);
    Oli_Text_At_Tab(stream, position, text.c_str());
}

// ---- comparisons and check lines --------------------------------------------------

char Compare_Sign_Tol(double a, double b, int decimals, double tolerance) {
    double d = Round_To_Decimals(a - b, decimals);
    if (d == 0.0) return '=';
    if (d > 0.0) return '>';
    if (Round_To_Decimals(std::fabs(a - b) - tolerance, decimals) <= 0.0) return '\xF7';
    return '<';
}

char Compare_Sign(double a, double b, int decimals) {
    double d = Round_To_Decimals(a - b, decimals);
    if (d == 0.0) return '=';
    return d > 0.0 ? '>' : '<';
}

const char* Compare_Text_Tol(double a, double b, int decimals, double tolerance, int mode, const char* name,
                             const char* unit) {
    static char buffer[512];
    int dec = decimals < 0 ? 0 : decimals;
    char sign = Compare_Sign_Tol(a, b, decimals, tolerance);
    bool with_unit = unit && *unit;
    std::string text = with_unit ? Format_Text("%.*f %s %c %.*f %s", dec, a, unit, sign, dec, b, unit)
                                 : Format_Text("%.*f %c %.*f", dec, a, sign, dec, b);
    if (name) {
        double d = Round_To_Decimals(a - b, decimals);
        bool add = false;
        double shown = a;
        if (mode == 3) add = d < 0.0, shown = b;
        else if (mode == 4) add = d > 0.0, shown = b;
        else if (mode == 2) add = d > 0.0;
        else add = d < 0.0;
        if (add) text += Format_Text("  \x88 %s = %.*f %s", name, dec, shown, with_unit ? unit : "");
    }
    std::snprintf(buffer, sizeof buffer, "%s", text.c_str());
    return buffer;
}

// "value sign limit" at the decimals (none below 0), the sign as
// Compare_Sign gives it.
static std::string Compared_Numbers(double a, double b, int decimals) {
    int dec = decimals < 0 ? 0 : decimals;
    return Format_Text("%.*f %c %.*f", dec, a, Compare_Sign(a, b, decimals), dec, b);
}

char* Compare_Text_Op(const char* name, double a, const char* op, double b, int decimals, char* out,
                      size_t out_size) {
    if (!out || out_size == 0) return out;
    int dec = decimals < 0 ? 0 : decimals;
    std::string text = Compared_Numbers(a, b, decimals);
    bool known = false;
    bool met = Check_Met(a, op, b, decimals, &known);
    if (known && !met) text += Format_Text("  \x88  %s = %.*f", name ? name : "", dec, b);
    std::snprintf(out, out_size, "%s", text.c_str());
    return out;
}

int Oli_Check_Line(FILE* stream, const char* before, double value, const char* op, double limit, int decimals,
                   const char* after, const char* when_met, const char* when_failed) {
    std::string number = Compared_Numbers(value, limit, decimals);
    bool known = false;
    bool met = Check_Met(value, op, limit, decimals, &known);
    const char* style = met ? "" : "╬b"_cp;
    const char* closing = met ? when_met : when_failed;
    std::string line = Format_Text("%s %s%s╬r %s %s%s"_cp, before ? before : "", style, number.c_str(),
                                   after ? after : "", style, closing ? closing : "");
    Write_Text_Line(stream, line);
    if (!met && when_failed && stream) Failure_Mark(stream);
    return met ? 1 : 0;
}

int Trimmed_Length(const char* text) {
    if (!text) return 0;
    size_t n = std::strlen(text);
    while (n > 0 && text[n - 1] == ' ') --n;
    return static_cast<int>(n);
}

int Markup_Is_Open(const char* text, const char* markup_switch, const char* place) {
    if (!text || !markup_switch || !*markup_switch) return 0;
    size_t len = std::strlen(text);
    size_t at = place ? static_cast<size_t>(place - text) : len;
    if (place && (place < text || at > len)) at = len;
    return Switch_Open(std::string(text, len), at, markup_switch) ? 1 : 0;
}

int Markup_Is_Subscript_Open(const char* text, const char* place) { return Markup_Is_Open(text, "╬\\"_cp, place); }
int Markup_Is_Superscript_Open(const char* text, const char* place) { return Markup_Is_Open(text, "╬/"_cp, place); }
int Markup_Is_Underscore_Open(const char* text, const char* place) { return Markup_Is_Open(text, "╬_"_cp, place); }
int Markup_Is_Bold_Open(const char* text, const char* place) { return Markup_Is_Open(text, "╬b"_cp, place); }
int Markup_Is_S_Open(const char* text, const char* place) { return Markup_Is_Open(text, "╬s"_cp, place); }

void Replace_With_Markup(char* text, const char* pattern, const char* replacement, size_t size) {
    if (!text || !pattern || !replacement || size == 0) return;
    std::string result = Replace_Markup(text, pattern, replacement);
    size_t n = std::min(result.size(), size - 1);
    std::memcpy(text, result.data(), n);
    text[n] = '\0';
}

// ---- tabbed list lines --------------------------------------------------------------

void Oli_List_Tabs(int n, const double positions[]) {
    OLI_Set_Para_Mode(line_font_code);
    bool first_is_zero = positions && Round_To_Decimals(std::fabs(positions[0]), 2) == 0.0;
    if (!positions || (n <= 0 && first_is_zero)) {
        list_state.active = 0;
        return;
    }
    // A count of 0 or less with a real first position still starts a list,
    // without stops, in which every cell ends its line.
    list_state.cells = n;
    int first = 0;
    list_state.first_without_tab = 0;
    if (first_is_zero) {
        first = 1;
        list_state.first_without_tab = 1;
    }
    list_state.stop_count = 0;
    for (int i = first; i < n && list_state.stop_count < OLI_MAX_TABS; ++i) list_state.stops[list_state.stop_count++] = positions[i];
    Set_List_Stops();
    list_state.restarted = list_state.active ? 1 : 0;
    list_state.active = 1;
    list_state.current = 0;
}

void Oli_List_Tabs_2(double x1, double x2) {
    const double p[2] = {x1, x2};
    Oli_List_Tabs(2, p);
}

void Oli_List_Tabs_3(double x1, double x2, double x3) {
    const double p[3] = {x1, x2, x3};
    Oli_List_Tabs(3, p);
}

void Oli_List_Cell(FILE* stream, const char* format, ...) {
    if (!list_state.active) return;
    va_list ap;
    va_start(ap, format);
    std::string text = Format_Args(format, ap);
    va_end(ap);
    if (list_state.restarted) {
        // The earlier list's paragraph ends here; the new list goes on with
        // its own stops from its first cell.
        ListState kept = list_state;
        OLI_End_Text(stream);
        list_state = kept;
        list_state.restarted = 0;
        Set_List_Stops();
    }
    OLI_Set_Para_Mode(line_font_code);
    assert(list_state.current >= 0);  // an active list always has a current cell
    bool last = list_state.current >= list_state.cells - 1;
    if (last) text += '\n';
    if (list_state.current == 0 && list_state.first_without_tab) OLI_printf(stream, "%s", text.c_str());
    else OLI_printf(stream, "%s%s", "╬t"_cp, text.c_str());
    list_state.current = last ? 0 : list_state.current + 1;
}

void Oli_List_Row_3(FILE* stream, const char* cell1, const char* cell2, const char* format, ...) {
    va_list ap;
    va_start(ap, format);
    std::string third = Format_Args(format, ap);
    va_end(ap);
    Oli_List_Cell(stream, "%s", cell1 ? cell1 : "");
    Oli_List_Cell(stream, "%s", cell2 ? cell2 : "");
    Oli_List_Cell(stream, "%s", third.c_str());
}

// A caller's number format applied to one value.
static std::string Value_Text(const char* format, double v) {
    if (!format) return std::string();
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wformat-nonliteral"
    return Format_Text(format, v);
#pragma GCC diagnostic pop
}

void Oli_List_Compare_Row(FILE* stream, const char* cell1, const char* cell2, const char* format_a, double a,
                          char sign, const char* format_b, double b) {
    std::string third = Value_Text(format_a, a) + Format_Text(" %c ", sign) + Value_Text(format_b, b);
    Oli_List_Row_3(stream, cell1, cell2, "%s", third.c_str());
}

void Oli_List_Check_Row(FILE* stream, const char* cell1, const char* cell2, const char* format_a, double a,
                        char sign, const char* format_b, double b, int ok, const char* remark) {
    if (ok) {
        Oli_List_Compare_Row(stream, cell1, cell2, format_a, a, sign, format_b, b);
        return;
    }
    const std::string bold = "╬b"_cp;
    std::string third = bold + Value_Text(format_a, a) + bold + Format_Text(" %c ", sign) + bold +
                        Value_Text(format_b, b) + bold + "  " + (remark ? remark : "");
    Oli_List_Row_3(stream, cell1, cell2, "%s", third.c_str());
    double keep = OLI_Get_Para_Indent();
    OLI_Add_Para_Offset(-kLine);
    OLI_Set_Para_Indent(text_width);
    OLI_printf(stream, "╬b!!\n"_cp);
    OLI_Set_Para_Indent(keep);
}

void Oli_List_Space(FILE* /*stream*/, double n) { OLI_Add_Para_Offset(n * kLine); }

void Oli_List_End(FILE* stream) {
    OLI_End_Text(stream);
    Reset_List_State();
}

FILE* Open_Contents_Page(const char* number, const char* text, int no_new_page) {
    FILE* stream = Fopen_Base(Print_List_Suffix, "w");
    if (!stream) return nullptr;
    // A new list starts with a clean writer: a paragraph left open or a
    // position stored in the last list belongs to that list only.
    OLI_Reset_Writer();
    Oli_Reset_Position_Indices();
    if (!no_new_page) fputs("#NEWPAGE\n", stream);
    OLI_setFlags(stream, 896);
    OLI_setLayout(stream, 4115);
    fputs("#CONTENTS\n", stream);
    fprintf(stream, " POS. %s: %s\n", number ? number : "", text ? text : "");
    // A list whose first lines did not get onto the disc is no list.
    if (fflush(stream) != 0 || ferror(stream)) {
        fclose(stream);
        return nullptr;
    }
    return stream;
}
