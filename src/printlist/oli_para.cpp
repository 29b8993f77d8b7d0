// Paragraph writer of the print list.
//
// A "#SHOWPARA" block is the block keyword, the field lines of a format,
// "-1" and the text lines; a format change inside a block is a change group
// ("#END_OF_TEXT", a kind word, optional space line, optional new field
// lines, "-1"). The writer keeps three formats: the defaults, the pending
// one (what the next text is written with) and the current one (what the
// open paragraph was written with). A change counter
// forces a change group even between equal formats (a new paragraph, new
// tab stops).
//
// The writer state is module-wide. OLI_Reset_Writer puts it back to its
// start; it is called when a print list is opened so that an unfinished
// paragraph of an earlier list cannot leak into the next one.
#include "printlist/oli_para.h"

#include <algorithm>
#include <cassert>
#include <cstdarg>
#include <cstdint>
#include <cstring>
#include <string>
#include <vector>

#include "platform/format.h"
#include "platform/oli_layout.h"

namespace {

enum WriterState { kUninit = 0, kNoPara = 1, kLineStart = 2, kInLine = 3 };

constexpr OliParaFormat kDefaults = {
    0,        nullptr, nullptr, 4,   0.0,     0.0, 2, 2, 0.0, 0.0, 2, 2, 1.0, 0, 0,
    nullptr,  0,
};

OliParaFormat pending = kDefaults;
OliParaFormat current = kDefaults;
// Set whenever pending or current is set; cleared when they were found or
// made equal. Saves comparing the two formats for every text.
bool formats_touched = true;

// The pending format, for setting it.
OliParaFormat& Pending() {
    formats_touched = true;
    return pending;
}
int state = kUninit;
int change_counter = 0;
int written_counter = 0;

struct TabStop {
    double position;
    int kind;
};
TabStop tabs[OLI_MAX_TABS];
int tab_count = 0;  // 0..100, or -1 for one hanging width

char static_text[100];

// All output of the writer goes through the stdio table the window library
// publishes, so that the layout library and the writer share one stream of
// one runtime; before the table is handed over, the C library's own. The
// finished text goes out as it is, never read as a format again. False when
// the stream refused the write.
bool Put(FILE* stream, const char* text, size_t n) { return VEK_Stdio_Write_Bytes(stream, text, n) >= 0; }

// A fixed line as it stands.
template <size_t N>
bool Put_Line(FILE* stream, const char (&text)[N]) {
    return Put(stream, text, N - 1);
}

void Initialise(void) {
    Pending() = kDefaults;
    current = kDefaults;
    state = kNoPara;
    change_counter = 0;
    written_counter = 0;
    tab_count = 0;
}

void Ensure_Initialised(void) {
    if (state == kUninit) Initialise();
}

// Measure code of a value from its code word.
int Measure_Code(unsigned word) {
    if (word & OLI_MEASURE_CODE2) return 2;
    if (word & OLI_MEASURE_CODE1) return 1;
    return 4;
}

bool Same_Double(double a, double b) { return std::memcmp(&a, &b, sizeof a) == 0; }

// Word by word, as the writer has always compared formats.
bool Same_Format(const OliParaFormat& a, const OliParaFormat& b) {
    return a.flags == b.flags && a.callback1 == b.callback1 && a.callback2 == b.callback2 && a.mode == b.mode &&
           Same_Double(a.space_before, b.space_before) && Same_Double(a.second_space, b.second_space) &&
           a.space_before_measure == b.space_before_measure && a.second_space_measure == b.second_space_measure &&
           Same_Double(a.indent, b.indent) && Same_Double(a.second_indent, b.second_indent) &&
           a.indent_measure == b.indent_measure && a.second_indent_measure == b.second_indent_measure &&
           Same_Double(a.factor, b.factor) && a.spare1 == b.spare1 && a.spare2 == b.spare2 &&
           a.tab_writer == b.tab_writer && a.callback_arg == b.callback_arg;
}

// Whether the pending and the current format differ.
bool Formats_Differ() {
    if (!formats_touched) return false;
    if (!Same_Format(pending, current)) return true;
    formats_touched = false;
    return false;
}

// A line of the field lines appended to out (each is short: at most two
// integers and two "%.6g" values).
__attribute__((format(printf, 2, 3))) void Add_Line(std::string* out, const char* format, ...) {
    char line[128];
    va_list ap;
    va_start(ap, format);
    const int n = VEK_Format_Bounded_V(line, sizeof line, format, ap);
    va_end(ap);
    if (n > 0) out->append(line, static_cast<size_t>(n) < sizeof line ? static_cast<size_t>(n) : sizeof line - 1);
}

// The tab lines of the current stops.
void Add_Tab_Lines(std::string* out) {
    if (tab_count == -1) {
        Add_Line(out, "0x%x\n", static_cast<unsigned>(OLI_TABS_HANGING));
        Add_Line(out, "%d %.6g\n", Measure_Code(static_cast<unsigned>(tabs[0].kind)), tabs[0].position);
        return;
    }
    const int n = tab_count < 0 ? 0 : tab_count;
    Add_Line(out, "0x%x %d\n", static_cast<unsigned>(OLI_TABS_LIST), n);
    for (int i = 0; i < n; ++i)
        Add_Line(out, "%d %.6g\n", Measure_Code(static_cast<unsigned>(tabs[i].kind)), tabs[i].position);
}

// The presence bits of a format's field lines.
unsigned Field_Flags(const OliParaFormat& f) {
    unsigned flags = f.flags & ~OLI_PARA_PRESENCE;
    if (f.callback1) flags |= OLI_PARA_HAS_CALLBACK1;
    if (f.callback2) flags |= OLI_PARA_HAS_CALLBACK2;
    if (f.space_before != 0.0) flags |= OLI_PARA_HAS_SPACE;
    if (f.indent != 0.0 || f.second_indent != 0.0) flags |= OLI_PARA_HAS_INDENT;
    if (f.tab_writer) flags |= OLI_PARA_HAS_TABS;
    if (f.spare1 != 0 || f.spare2 != 0) flags |= OLI_PARA_HAS_SPARES;
    if (f.factor != 1.0) flags |= OLI_PARA_HAS_FACTOR;
    if (f.second_space != 0.0) flags |= OLI_PARA_HAS_SECOND_SPACE;
    return flags;
}

// The field lines between the callbacks and the tab lines.
void Add_Middle_Lines(std::string* out, const OliParaFormat& f, unsigned flags) {
    Add_Line(out, "%d\n", f.mode);
    if (flags & OLI_PARA_HAS_SPACE) Add_Line(out, "%d %.6g\n", Measure_Code(f.space_before_measure), f.space_before);
    if (flags & OLI_PARA_HAS_INDENT)
        Add_Line(out, "%d %.6g %d %.6g\n", Measure_Code(f.indent_measure), f.indent, Measure_Code(f.second_indent_measure),
                 f.second_indent);
}

// The field lines after the tab lines.
void Add_Tail_Lines(std::string* out, const OliParaFormat& f, unsigned flags) {
    if (flags & OLI_PARA_HAS_FACTOR) Add_Line(out, "%.6g\n", f.factor);
    if (flags & OLI_PARA_HAS_SECOND_SPACE)
        Add_Line(out, "%d %.6g\n", Measure_Code(f.second_space_measure), f.second_space);
    if (flags & OLI_PARA_HAS_SPARES) Add_Line(out, "%d %d\n", f.spare1, f.spare2);
}

// The field lines of the formats written last, each with what it was
// written from (the format and, with the writer's own tab lines, the stops):
// a list repeats its paragraph formats in every load case. An entry is used
// only for a format and stops equal to its own, so it cannot go stale. Two
// entries for each value of a hash of the format and stops.
struct Fields_Memo {
    bool used = false;
    OliParaFormat format = kDefaults;
    int tab_count = 0;
    std::vector<TabStop> tabs;
    std::string bytes;
};
constexpr unsigned kFieldsMemoSets = 64;
Fields_Memo fields_memo[kFieldsMemoSets][2];
bool fields_memo_older[kFieldsMemoSets];  // which of the two to replace next

// The stops in force (a hanging width is one).
int Stops_Set() { return tab_count < 0 ? 1 : tab_count; }

// The stops a format's tab lines are written from (none without the
// writer's own tab lines).
int Stops_Used(const OliParaFormat& f) { return f.tab_writer ? Stops_Set() : 0; }

uint64_t Bits(double v) {
    uint64_t bits;
    std::memcpy(&bits, &v, sizeof bits);
    return bits;
}

unsigned Memo_Set(const OliParaFormat& f) {
    uint64_t h = f.flags ^ (static_cast<uint64_t>(static_cast<unsigned>(f.mode)) << 32);
    const auto mix = [&h](uint64_t word) { h = (h ^ word) * 0x9E3779B97F4A7C15ull; };
    mix(Bits(f.space_before));
    mix(Bits(f.indent) ^ (Bits(f.second_indent) >> 1));
    mix(Bits(f.second_space) ^ (Bits(f.factor) >> 1));
    const int n = Stops_Used(f);
    mix(static_cast<uint64_t>(static_cast<unsigned>(tab_count)) * static_cast<uint64_t>(f.tab_writer != nullptr));
    for (int i = 0; i < n; ++i) mix(Bits(tabs[i].position) ^ static_cast<unsigned>(tabs[i].kind));
    return static_cast<unsigned>(h >> 58) % kFieldsMemoSets;
}

bool Memo_Matches(const Fields_Memo& m, const OliParaFormat& f) {
    if (!m.used || !Same_Format(m.format, f)) return false;
    if (!f.tab_writer) return true;
    if (m.tab_count != tab_count) return false;
    const int n = Stops_Used(f);
    for (int i = 0; i < n; ++i)
        if (m.tabs[i].kind != tabs[i].kind || !Same_Double(m.tabs[i].position, tabs[i].position)) return false;
    return true;
}

// The field lines of a format without callbacks, from the memo or made
// and kept there.
const std::string& Memo_Fields(const OliParaFormat& f) {
    const unsigned set = Memo_Set(f);
    for (Fields_Memo& m : fields_memo[set])
        if (Memo_Matches(m, f)) return m.bytes;
    Fields_Memo& m = fields_memo[set][fields_memo_older[set]];
    fields_memo_older[set] = !fields_memo_older[set];
    m.used = true;
    m.format = f;
    m.tab_count = f.tab_writer ? tab_count : 0;
    m.tabs.assign(tabs, tabs + Stops_Used(f));
    const unsigned flags = Field_Flags(f);
    m.bytes.clear();
    Add_Line(&m.bytes, "0x%x\n", flags);
    Add_Middle_Lines(&m.bytes, f, flags);
    if (f.tab_writer) Add_Tab_Lines(&m.bytes);
    Add_Tail_Lines(&m.bytes, f, flags);
    return m.bytes;
}

// The field lines of a format, without keyword and without the closing -1.
// Without callbacks of its own a format's lines come in one piece.
int Write_Fields(FILE* stream, const OliParaFormat& f) {
    if (!f.callback1 && !f.callback2 && (!f.tab_writer || f.tab_writer == OLI_Flush_Tabs)) {
        const std::string& bytes = Memo_Fields(f);
        return Put(stream, bytes.data(), bytes.size()) ? 0 : -1;
    }
    const unsigned flags = Field_Flags(f);
    std::string text;
    Add_Line(&text, "0x%x\n", flags);
    if (!Put(stream, text.data(), text.size())) return -1;
    if (f.callback1 && !f.callback1(stream, f.callback_arg)) return -1;
    if (f.callback2 && !f.callback2(stream, f.callback_arg)) return -1;
    text.clear();
    Add_Middle_Lines(&text, f, flags);
    if (!Put(stream, text.data(), text.size())) return -1;
    if (f.tab_writer && !f.tab_writer(stream, f.callback_arg)) return -1;
    text.clear();
    Add_Tail_Lines(&text, f, flags);
    if (!text.empty() && !Put(stream, text.data(), text.size())) return -1;
    return 0;
}

// Kind word of a change group or paragraph end.
unsigned End_Kind(double space) {
    unsigned kind = 0;
    if ((pending.flags & OLI_PARA_CHAINED) && (current.flags & OLI_PARA_CHAINED)) kind |= OLI_KIND_CHAINED;
    if (current.flags & OLI_PARA_MARKED) kind |= OLI_KIND_MARKED;
    if (space != 0.0) kind |= OLI_KIND_SPACE;
    return kind;
}

// The head of a change group or paragraph end: the keyword and the kind
// word ("0x%x"), then the space line when there is a space. Written in one
// piece; the kind word needs no formatter.
bool Put_End_Head(FILE* stream, unsigned kind, double space) {
    static const char kKeyword[] = "#END_OF_TEXT\n0x";
    char head[sizeof kKeyword + 64];
    std::memcpy(head, kKeyword, sizeof kKeyword - 1);
    char* p = head + sizeof kKeyword - 1;
    // The hexadecimal digits from the highest one that is not zero.
    for (int shift = kind ? (31 - __builtin_clz(kind)) / 4 * 4 : 0; shift >= 0; shift -= 4)
        *p++ = "0123456789abcdef"[(kind >> shift) & 15];
    *p++ = '\n';
    if (space != 0.0) {
        const int n = VEK_Format_Bounded(p, static_cast<size_t>(head + sizeof head - p), "%d %.6g\n", 2, space);
        if (n < 0 || n >= head + sizeof head - p) return false;
        p += n;
    }
    return Put(stream, head, static_cast<size_t>(p - head));
}

// The lines of text: each begun with a blank, the line ends as they come.
// A line is written with its end in one piece; a zero byte in a line ends
// what is written of it, as it always has (no_zero: the text has none).
int Write_Text(FILE* stream, const char* text, size_t size, bool no_zero) {
    assert(state == kLineStart || state == kInLine);  // a block is open
    size_t start = 0;
    while (start < size) {
        const char* nl = static_cast<const char*>(std::memchr(text + start, '\n', size - start));
        const size_t line = (nl ? static_cast<size_t>(nl - text) : size) - start;
        const bool blank = state != kInLine;
        const size_t shown = no_zero ? line : strnlen(text + start, line);
        if (shown == line) {
            if (VEK_Stdio_Write_Blank_And(stream, blank, text + start, line + (nl ? 1 : 0)) < 0) return -1;
        } else if (VEK_Stdio_Write_Blank_And(stream, blank, text + start, shown) < 0 ||
                   (nl && !Put(stream, "\n", 1))) {
            return -1;
        }
        state = nl ? kLineStart : kInLine;
        start += line + (nl ? 1 : 0);
    }
    return 0;
}

}  // namespace

const OliParaFormat* OLI_Default_Para_Format(void) { return &kDefaults; }

int OLI_Measure_Code(unsigned int word) { return Measure_Code(word); }

void OLI_Reset_Writer(void) {
    Initialise();
    state = kUninit;
}

void OLI_New_Paragraph(void) {
    Ensure_Initialised();
    Pending() = kDefaults;
    ++change_counter;
    tab_count = 0;
}

void OLI_Set_Para_Mode(int mode) {
    Ensure_Initialised();
    Pending().mode = mode;
}

int OLI_Get_Para_Mode(void) {
    Ensure_Initialised();
    return pending.mode;
}

void OLI_Add_Para_Offset(double cm) {
    Ensure_Initialised();
    Pending().space_before += cm;
}

void OLI_Set_Para_Indent(double cm) {
    Ensure_Initialised();
    Pending().indent = cm;
}

double OLI_Get_Para_Indent(void) {
    Ensure_Initialised();
    return pending.indent;
}

void OLI_Set_Para_Second_Indent(double cm) {
    Ensure_Initialised();
    Pending().second_indent = cm;
}

double OLI_Get_Para_Second_Indent(void) {
    Ensure_Initialised();
    return pending.second_indent;
}

void OLI_Set_Para_Second_Space(double cm) {
    Ensure_Initialised();
    Pending().second_space = cm;
}

double OLI_Get_Para_Second_Space(void) {
    Ensure_Initialised();
    return pending.second_space;
}

void OLI_Set_Para_Factor(double factor) {
    Ensure_Initialised();
    Pending().factor = factor;
}

double OLI_Get_Para_Factor(void) {
    Ensure_Initialised();
    return pending.factor;
}

void OLI_Set_Para_Flags(int bits) {
    Ensure_Initialised();
    Pending().flags = (pending.flags & ~OLI_PARA_SETTABLE) | (static_cast<unsigned>(bits) & OLI_PARA_SETTABLE);
}

void OLI_Set_Para_Flag(void) {
    Ensure_Initialised();
    formats_touched = true;
    current.flags |= OLI_PARA_MARKED;
}

void OLI_Set_Tabs(int kind, const int* kinds, const double* positions, int n) {
    Ensure_Initialised();  // else the first text's initialisation drops the stops
    if (n <= 0 || !positions) {
        if (tab_count != 0) {
            tab_count = 0;
            ++change_counter;
            Pending().tab_writer = OLI_Flush_Tabs;
        }
        return;
    }
    if (n > OLI_MAX_TABS) n = OLI_MAX_TABS;
    for (int i = 0; i < n; ++i) {
        tabs[i].position = positions[i];
        tabs[i].kind = kinds ? kinds[i] : kind;
    }
    tab_count = n;
    ++change_counter;
    Pending().tab_writer = OLI_Flush_Tabs;
}

void OLI_Set_Single_Tab(int kind, double width) {
    Ensure_Initialised();
    if (width <= 0.0) {
        OLI_End_Tabs();
        return;
    }
    tab_count = -1;
    tabs[0].position = width;
    tabs[0].kind = kind;
    Pending().tab_writer = OLI_Flush_Tabs;
    ++change_counter;
}

void OLI_End_Tabs(void) {
    Ensure_Initialised();
    if (tab_count == 0) return;
    tab_count = 0;
    ++change_counter;
    Pending().tab_writer = OLI_Flush_Tabs;
}

int OLI_Flush_Tabs(FILE* stream, unsigned int /*arg*/) {
    assert(tab_count >= -1 && tab_count <= OLI_MAX_TABS);
    if (!stream) return 0;
    std::string text;
    Add_Tab_Lines(&text);
    return Put(stream, text.data(), text.size()) ? 1 : 0;
}

int OLI_Write_Para_Format(FILE* stream, const OliParaFormat* format, int with_keyword) {
    if (!stream) return -1;
    if (with_keyword && !Put_Line(stream, "\n#SHOWPARA\n")) return -1;
    return Write_Fields(stream, format ? *format : kDefaults);
}

int OLI_printf(FILE* stream, const char* format, ...) {
    if (!stream || !format) return -1;
    Ensure_Initialised();
    if (state == kNoPara) {
        if (OLI_Write_Para_Format(stream, &pending, 1) != 0) return -1;
        if (!Put_Line(stream, "-1\n")) return -1;
        state = kLineStart;
        change_counter = 0;
        written_counter = 0;
        Pending().space_before = 0.0;
        current = pending;
        formats_touched = false;
    } else if (Formats_Differ() || change_counter != written_counter) {
        if (state == kInLine) {
            if (!Put(stream, "\n", 1)) return -1;
            state = kLineStart;
        }
        double space = pending.space_before;
        Pending().space_before = 0.0;
        unsigned kind = OLI_KIND_NEW_FORMAT | End_Kind(space);
        if (!Put_End_Head(stream, kind, space)) return -1;
        if (Write_Fields(stream, pending) != 0 || !Put_Line(stream, "-1\n")) return -1;
        current = pending;
        formats_touched = false;
        written_counter = change_counter;
    }

    // A plain "%s" is taken as it stands; any other format is formatted
    // once. Most texts are one line, or a piece of one, without a zero byte:
    // formatted straight into the stream's buffer behind the room for the
    // line's leading blank and kept there as they stand.
    VEK_Formatted f;
    va_list ap;
    va_start(ap, format);
    const bool plain = format[0] == '%' && format[1] == 's' && format[2] == '\0';
    if (plain) {
        f.text = va_arg(ap, const char*);
        if (!f.text) f.text = "(null)";
        f.size = std::strlen(f.text);
    } else {
        const size_t blank = state == kInLine ? 0 : 1;
        va_list fast;
        va_copy(fast, ap);
        char* text = nullptr;
        const int n = VEK_Stdio_Format_In_Place_V(stream, blank, format, fast, &text);
        va_end(fast);
        const size_t size = n > 0 ? static_cast<size_t>(n) : 0;
        const char* nl = size ? static_cast<const char*>(std::memchr(text, '\n', size)) : nullptr;
        if (size && (!nl || nl == text + size - 1)) {
            va_end(ap);
            if (blank) text[-1] = ' ';
            VEK_Stream_Advance(stream, blank + size);
            state = nl ? kLineStart : kInLine;
            return 0;
        }
        VEK_Format_Once(&f, format, ap);
    }
    va_end(ap);
    // A plain "%s" ends at its first zero byte.
    return Write_Text(stream, f.text, f.size, plain);
}

int OLI_End_Text(FILE* stream) {
    int result = 0;
    if (state == kUninit) {
        Initialise();
        result = -1;
    } else if (state == kNoPara || !stream) {
        result = -1;
    } else {
        double space = pending.space_before;
        unsigned kind = End_Kind(space);
        bool ok = true;
        if (state == kInLine) ok = Put(stream, "\n", 1);
        ok = ok && Put_End_Head(stream, kind, space);
        ok = ok && Put_Line(stream, "-1\n");
        if (!ok) result = -1;
    }
    Pending() = kDefaults;
    ++change_counter;
    state = kNoPara;
    tab_count = 0;
    return result;
}

int OLI_Keep_Space(FILE* stream, double cm) {
    if (!stream) return -1;
    Ensure_Initialised();
    const bool open = state == kLineStart || state == kInLine;
    OliParaFormat kept = pending;
    TabStop kept_tabs[OLI_MAX_TABS];
    const int kept_count = tab_count, kept_stops = Stops_Set();
    std::copy_n(tabs, kept_stops, kept_tabs);
    // The paragraph end carries the pending space before the next text;
    // with no paragraph open the next one opens with it, after the
    // reservation, which must hold it too.
    double space = 0.0;
    if (open) {
        OLI_End_Text(stream);
        kept.space_before = 0.0;
    } else if (kept.space_before > 0.0) {
        space = kept.space_before;
    }
    const int result = OLI_reserveSpaceCM(stream, cm + space) == 1 ? 0 : -1;
    Pending() = kept;
    tab_count = kept_count;
    std::copy_n(kept_tabs, kept_stops, tabs);
    ++change_counter;
    return result;
}

const char* Get_Compare_Symbol(float a, float b) {
    if (a < b) return "<";
    if (a == b) return "\xF3";
    return ">";
}

const char* Get_Compare_Symbol_GE(float a, float b) {
    if (a > b) return ">";
    if (a == b) return "\xF2";
    return "<";
}

const char* Format_Static(const char* format, ...) {
    va_list ap;
    va_start(ap, format);
    int n = VEK_Format_Bounded_V(static_text, sizeof static_text, format, ap);
    va_end(ap);
    if (n < 0 || n >= static_cast<int>(sizeof static_text)) static_text[0] = '\0';
    return static_text;
}
