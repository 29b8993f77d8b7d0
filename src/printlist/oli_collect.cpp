// Collection lists of the print list and their output.
//
// The lists are made on first use (all closed, column mode 1) and live for
// the whole run. Lines are stored whole; the writers put them into
// "#SHOWTABLE" blocks (one column) or into tabbed paragraphs (two or three
// columns), and the framed writers draw a picture of the frame first and
// return to its top.
#include "printlist/oli_collect.h"

#include <algorithm>
#include <cmath>
#include <cstdarg>
#include <cstring>
#include <string>

#include "base/cp850.h"
#include "base/vesk.h"
#include "dialogs/message_dialogs.h"
#include "platform/format.h"
#include "platform/oli_layout.h"
#include "printlist/ioliplot.h"
#include "printlist/ioliwrt.h"
#include "printlist/oli_checks.h"
#include "printlist/oli_para.h"

namespace {

constexpr double kLine = 0.38, kSmallLine = 0.286, kHalfLine = 0.19;

struct Collect_List {
    int enabled = 0;
    int mode = 1;       // columns
    int lines = 0;      // text lines
    int skipped = 0;    // blank lines
    int width = 0;      // widest line, characters
    bool full_told = false;  // the refusal of a line beyond the 100th was reported
    std::string text[OLI_COLLECT_LINES];
};

struct Collector {
    Collect_List list[OLI_COLLECT_LISTS];
    double first = 0.0;       // first tab stop of the column modes
    double spacing_2 = 50.0;  // two-column spacing
    double spacing_3 = -1.0;  // three-column spacing
};

Collector* lists = nullptr;  // made on first use

Collector& Lists() {
    if (!lists) lists = new Collector();
    return *lists;
}

// List k, or null when the lists were never made or k is outside 0..10.
Collect_List* Find(int k) {
    if (!lists || k < 0 || k >= OLI_COLLECT_LISTS) return nullptr;
    return &lists->list[k];
}

bool Only_Blanks(const std::string& text) { return text.find_first_not_of(' ') == std::string::npos; }

int All_Lines(const Collect_List& l) { return l.lines + l.skipped; }

void Open(int k) {
    if (k < 0 || k >= OLI_COLLECT_LISTS) return;
    Collect_List& l = Lists().list[k];
    l.enabled = 1;
    l.lines = l.skipped = l.width = 0;
    l.full_told = false;
}

// Column modes 2 and 3: each text line the next cell of a tabbed line,
// each blank line half a line of space before the next paragraph.
void Write_Columns(FILE* stream, const Collect_List& l) {
    const Collector& c = Lists();
    OLI_Set_Para_Mode(Oli_Get_Line_Font_Code());
    if (l.mode == 2) Oli_List_Tabs_2(c.first, c.spacing_2);
    else Oli_List_Tabs_3(c.first, c.spacing_2, c.spacing_3);
    for (int i = 0; i < All_Lines(l); i++) {
        const std::string& t = l.text[i];
        if (Only_Blanks(t)) {
            OLI_Add_Para_Offset(kHalfLine);
            continue;
        }
        Oli_List_Cell(stream, "%s", t[0] == '+' ? t.c_str() + 1 : t.c_str());
    }
    Oli_List_End(stream);
}

// Column mode 1 in one of the five styles; style 4 writes each line as a
// small paragraph (with the paragraph output forced on when `force`).
void Write_Lines(FILE* stream, const Collect_List& l, int style, bool force) {
    const int n = All_Lines(l);
    if (style == OLI_STYLE_PARAGRAPH) {
        for (int i = 0; i < n; i++) {
            const std::string& t = l.text[i];
            if (!Only_Blanks(t) && t[0] == '+') continue;
            // A blank line is an empty paragraph: outside a block a bare
            // line would belong to no block at all.
            const char* text = Only_Blanks(t) ? "" : t.c_str();
            if (force) Oli_Text_Small(stream, "%s", text);
            else Oli_Text_Paragraph(stream, "%s", text);
        }
        return;
    }
    Safe_Fprintf(stream, "#SHOWTABLE\n 0 0 0\n 0 0 -1 -1\n");
    for (int i = 0; i < n; i++) {
        const std::string& t = l.text[i];
        if (Only_Blanks(t)) {
            Safe_Fprintf(stream, " \n");
            continue;
        }
        const bool more = t[0] == '+';
        const char* s = more ? t.c_str() + 1 : t.c_str();
        switch (style) {
        case OLI_STYLE_BULLET:
            if (more) Safe_Fprintf(stream, "   %s\n", s);
            else Safe_Fprintf(stream, " ╬/o╬r %s\n"_cp, s);
            break;
        case OLI_STYLE_NUMBERED:
            if (more) Safe_Fprintf(stream, "    %s\n", s);
            else Safe_Fprintf(stream, " %2d %s\n", i, s);
            break;
        case OLI_STYLE_WARNING:
            if (more) Safe_Fprintf(stream, "     %s !\n", s);
            else Safe_Fprintf(stream, " >>> %s !\n", s);
            break;
        default:
            Safe_Fprintf(stream, " %s\n", s);
            break;
        }
    }
    Safe_Fprintf(stream, "#END_OF_TEXT\n");
}

void Message_List(int k, int style, FILE* stream, bool force) {
    Collect_List* l = Find(k);
    if (!l || !l->enabled) return;
    l->enabled = 0;
    if (!stream) return;
    if (l->mode == 2 || l->mode == 3) Write_Columns(stream, *l);
    else Write_Lines(stream, *l, style, force);
    l->mode = 1;
}

// Height of the frame: text lines at the pitch (one row per two or three
// lines in the column modes), blank lines at a full or half line.
double Frame_Height(const Collect_List& l, double pitch) {
    const int t = l.lines, b = l.skipped;
    if (l.mode == 2) return ((t + 1) / 2 + 0.8) * pitch + b * kHalfLine;
    if (l.mode == 3) return ((t + 2) / 3 + 0.8) * pitch + b * kHalfLine;
    if (l.mode <= 1) return (t + 0.8) * pitch + b * kLine;
    return (t + 0.8) * pitch + b * kHalfLine;
}

int List_Write(FILE* stream, int k, double width, bool small, const char* writer) {
    Collect_List* l = Find(k);
    if (!l || !l->enabled) return -1;
    if (!stream) {
        l->enabled = 0;
        return -1;
    }
    if (!Oli_Input_Check(writer).Number(width, OLI_PAPER_LIMIT_CM).Ok()) return -1;
    const double h = Frame_Height(*l, small ? kSmallLine : kLine);
    if (width < 0.0) width = l->width * 0.18;
    OLI_reserveSpaceCM(stream, h + 0.5);
    // The frame first, then back to its top for the lines; without a free
    // position (a message in verbose mode) the lines follow the frame.
    int index = Oli_Store_Y_Position(stream);
    Oli_Grafik_Begin_Uniform(stream, 0.0, 0.0, width, h, 1.0, 0.0, nullptr);
    Oli_Rect_Outline(0.0, 0.0, width, h);
    Safe_Fprintf(stream, " -1\n");
    if (index >= 0) Oli_Restore_Y_Position(stream, index);
    OLI_setYPositionCM(stream, 1, kHalfLine);
    const float left = Oli_Get_Left_Margin();
    Oli_Set_Left_Margin(stream, left + 0.3);
    Message_List(k, small ? OLI_STYLE_PARAGRAPH : OLI_STYLE_PLAIN, stream, small);
    Oli_Set_Left_Margin(stream, left);
    return 0;
}

}  // namespace

void Oli_List_Open(int k) { Open(k); }

void Oli_List_Open_2Col(int k, double first, double spacing_2) {
    if (!Oli_Input_Check("Oli_List_Open_2Col").Number(first, 1e4).Number(spacing_2, 1e4).Ok()) return;
    if (k < 0 || k >= OLI_COLLECT_LISTS) return;
    Collector& c = Lists();
    c.first = first, c.spacing_2 = spacing_2;
    c.list[k].mode = 2;
    Open(k);
}

void Oli_List_Open_3Col(int k, double first, double spacing_2, double spacing_3) {
    if (!Oli_Input_Check("Oli_List_Open_3Col").Number(first, 1e4).Number(spacing_2, 1e4).Number(spacing_3, 1e4).Ok())
        return;
    if (k < 0 || k >= OLI_COLLECT_LISTS) return;
    Collector& c = Lists();
    c.first = first, c.spacing_2 = spacing_2, c.spacing_3 = spacing_3;
    c.list[k].mode = 3;
    Open(k);
}

int Oli_List_Is_Open(int k) {
    const Collect_List* l = Find(k);
    return l ? l->enabled : 0;
}

void Oli_List_Add(int k, const char* format, ...) {
    Collect_List* l = Find(k);
    if (!l || !l->enabled) return;
    if (All_Lines(*l) >= OLI_COLLECT_LINES) {
        // Told once per list, not once per line of a long category.
        if (!l->full_told) Oli_Input_Check("Oli_List_Add").Require(false, "Liste voll (100 Zeilen)").Ok();
        l->full_told = true;
        return;
    }
    std::string text;
    va_list ap;
    va_start(ap, format);
    bool ok = VEK_Format_String_V(text, format, ap);
    va_end(ap);
    Oli_Input_Check check("Oli_List_Add");
    check.Require(ok, "Format fehlerhaft").Text(text.c_str(), OLI_COLLECT_LINE_MAX, false);
    check.Require(text.find_first_of("\n\r") == std::string::npos, "Zeile enthält einen Zeilenwechsel"_cp);
    if (!check.Ok()) return;
    l->text[All_Lines(*l)] = text;
    // Blank by what stands in the line (a format of blanks gives one, and
    // so does "%s" of an empty text), as the writers take it.
    if (Only_Blanks(text)) {
        l->skipped++;
        return;
    }
    const int n = ++l->lines;
    const int v = MT_String_Length(text.c_str());
    const Collector& c = Lists();
    if (l->mode == 2 || l->mode == 3) {
        const double spacing = l->mode == 2 ? c.spacing_2 : c.spacing_3;
        if (n % l->mode == 0 && v + spacing >= l->width) l->width = static_cast<int>(v + spacing);
    } else {
        l->width = std::max(l->width, v);
    }
}

const char* Oli_List_Line(int k, int i) {
    const Collect_List* l = Find(k);
    if (!l || !l->enabled) return "?????";
    return l->text[std::min(std::max(i, 0), OLI_COLLECT_LINES - 1)].c_str();
}

int Oli_List_Line_Count(int k) {
    const Collect_List* l = Find(k);
    return l ? All_Lines(*l) : 0;
}

void Oli_Message_List(int k, int style, FILE* stream) { Message_List(k, style, stream, false); }

int Oli_List_Write(FILE* stream, int k, double width) { return List_Write(stream, k, width, false, "Oli_List_Write"); }

int Oli_List_Write_Small(FILE* stream, int k, double width) {
    return List_Write(stream, k, width, true, "Oli_List_Write_Small");
}

// ---- the message service's print list ------------------------------------------

namespace {

// A message line as list lines: split at line breaks and before a list
// line would grow beyond its length (never inside an escape pair), every
// piece after the first a continuation line ("+"), bold as the first.
void Add_Message_Line(int list, const char* text) {
    const std::string line = text ? text : "";
    const std::string bold = "╬b"_cp;
    bool first = true;
    size_t at = 0;
    do {
        const std::string lead = first ? "" : "+" + (line.compare(0, 2, bold) == 0 ? bold : "");
        const size_t room = OLI_COLLECT_LINE_MAX - lead.size();
        size_t end = std::min(line.size(), at + room);
        const size_t brk = line.find_first_of("\r\n", at);
        if (brk != std::string::npos && brk < end) end = brk;
        if (end > at && end < line.size() && static_cast<unsigned char>(line[end - 1]) == 0xCE) end--;
        Oli_List_Add(list, "%s", (lead + line.substr(at, end - at)).c_str());
        at = end;
        while (at < line.size() && (line[at] == '\r' || line[at] == '\n')) at++;
        first = false;
    } while (at < line.size());
}

void Open_Message_List(int list) { Oli_List_Open(list); }

int Write_Message_List(FILE* stream, int list, double width) { return Oli_List_Write(stream, list, width); }

}  // namespace

void Install_Message_Print_List(void) {
    static const Message_Print_List_Calls calls = {Open_Message_List, Add_Message_Line, Write_Message_List};
    Set_Message_Print_List_Calls(&calls);
}
