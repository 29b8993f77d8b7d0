// Reader of the print list for the viewer stand-in and the desktop's view
// and print calls (the markup and glyphs: oli_view_markup.cpp).
#include "platform/oli_view.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cctype>
#include <cerrno>
#include <cmath>
#include <cstdlib>
#include <cstring>
#include <filesystem>

#include "platform/oli_blocks_internal.h"
#include "platform/oli_format_bits.h"
#include "platform/oli_graphic_records.h"
#include "platform/oli_lines_internal.h"
#include "platform/oli_markup_internal.h"
#include "platform/oli_symbols_internal.h"
#include "platform/msgbox.h"
#include "platform/posix.h"

namespace {

bool Is_Keyword(const std::string& s) { return !s.empty() && s[0] == '#'; }

// A text line without the character the writer puts before it.
std::string Text_Of(const std::string& line) { return line.empty() ? "" : line.substr(1); }

long Hex_Word(const std::string& line) { return std::strtol(line.c_str(), nullptr, 0); }

// The whole number that begins the line ("4", "0x60", "-1"; decimal or
// after 0x hexadecimal, the word ending at a blank or the line's end), when
// it lies in [lo, hi]. False for anything else: a word that is no whole
// number or one that does not fit (never wrapped or cut).
bool Line_Int(const std::string& line, long long lo, long long hi, long long* value) {
    const char* p = line.c_str();
    while (*p == ' ' || *p == '\t') ++p;
    char* end = nullptr;
    errno = 0;
    const long long v = std::strtoll(p, &end, 0);
    if (end == p || errno == ERANGE || (*end && *end != ' ' && *end != '\t') || v < lo || v > hi) return false;
    *value = v;
    return true;
}

// A format's flag word or a change group's kind: 32 bits at most.
bool Flag_Word(const std::string* line, long* value) {
    long long v = 0;
    if (!line || !Line_Int(*line, 0, 0xFFFFFFFFLL, &v)) return false;
    *value = static_cast<long>(v);
    return true;
}

// A number of a list is a finite number: "nan" and "inf", which strtod
// takes, and a number beyond any double are damage. A coordinate may be
// huge (the renderer leaves out what lies beyond 1 km); a number the
// renderer takes as an int (a pen, a text's alignment, a fill pattern, a
// raster picture's flags) must lie within one.
bool Number_Fits(double v) { return std::isfinite(v); }
bool Int_Fits(double v) { return std::isfinite(v) && std::fabs(v) <= 2147483647.0; }

// The place of the number a graphic record's reader takes as an int; -1
// for a record without one.
int Int_Place(int record) {
    switch (record) {
    case OLI_REC_PEN: case OLI_REC_FILL_PATTERN: case OLI_REC_RASTER: return 0;
    case OLI_REC_BOX_TEXT: case OLI_REC_BOX_TEXT_TURNED: return 4;
    default: return -1;
    }
}

// Cursor over the lines of the list: argument lines never begin with "#".
struct Cursor {
    Oli_Line_Window& lines;
    size_t i = 0;
    int refused = 0;  // graphic records left out for a number that does not fit
    bool more() { return lines.Has(i); }
    // The next line when it is no keyword line; null (and nothing taken)
    // otherwise, so that a cut block leaves the next block readable.
    const std::string* arg() {
        if (!lines.Has(i) || Is_Keyword(lines[i])) return nullptr;
        return &lines[i++];
    }
};

double Second(const std::string* line) {
    if (!line) return 0.0;
    std::vector<double> v = Oli_Numbers(*line, 2);
    return v.size() >= 2 ? v[1] : 0.0;
}

// A tab stop or hanging width: "<measure code> <position>". Measure code 1
// counts in cm, every other code in tab steps of 0.3 cm (the unit the
// writers compute their stops in: the indent in cm divided by 0.3, plus
// whole steps).
double Tab_Cm(const std::string* line) {
    if (!line) return 0.0;
    std::vector<double> v = Oli_Numbers(*line, 2);
    if (v.size() < 2) return 0.0;
    return v[0] == 1 ? v[1] : v[1] * OLI_TAB_STEP_CM;
}

// Field lines of a paragraph format up to and including "-1". False when
// the block is cut.
bool Read_Format(Cursor& c, OliViewFormat& f) {
    const std::string* l = c.arg();
    long flags = 0;
    if (!Flag_Word(l, &flags)) return false;
    f = OliViewFormat{};
    f.flags = static_cast<int>(flags & 0x7FFFFFFF);
    long long mode = 0;
    if (!(l = c.arg()) || !Line_Int(*l, -1000000, 1000000, &mode)) return false;
    f.mode = static_cast<int>(mode);
    if (f.flags & OLI_PARA_HAS_SPACE) f.space_before = Second(c.arg());
    if (f.flags & OLI_PARA_HAS_INDENT) {
        if (!(l = c.arg())) return false;
        std::vector<double> v = Oli_Numbers(*l, 4);
        if (v.size() >= 2) f.indent = v[1];
        if (v.size() >= 4) f.indent2 = v[3];
    }
    if (f.flags & OLI_PARA_HAS_TABS) {
        if (!(l = c.arg())) return false;
        std::vector<double> v = Oli_Numbers(*l, 2);
        long kind = Hex_Word(*l);
        if (kind == 2) {
            f.hanging = Tab_Cm(c.arg());
        } else {
            // At most 100 stops are ever written; a larger or damaged count
            // (it may not even fit a long) reads as 100.
            long n = v.size() >= 2 && v[1] > 0 ? static_cast<long>(std::fmin(v[1], 100.0)) : 0;
            for (long k = 0; k < n && k < 100; ++k) {
                const std::string* t = c.arg();
                if (!t) return false;
                if (*t == "-1") {  // fewer stops than announced
                    --c.i;
                    break;
                }
                f.tabs.push_back(Tab_Cm(t));
            }
        }
    }
    if (f.flags & OLI_PARA_HAS_FACTOR) c.arg();
    if (f.flags & OLI_PARA_HAS_SECOND_SPACE) c.arg();
    if (f.flags & OLI_PARA_HAS_SPARES) c.arg();
    // Anything else before "-1" is damage or a writer callback's lines.
    while ((l = c.arg())) {
        if (*l == "-1") return true;
    }
    return false;
}

bool Read_Para(Cursor& c, OliBlock& b) {
    OliViewFormat format;
    if (!Read_Format(c, format)) return false;
    for (;;) {
        const std::string* l;
        bool starts = true;
        while ((l = c.arg())) {
            b.para.push_back({Text_Of(*l), format, 0.0, starts});
            starts = false;
        }
        if (!c.more() || c.lines[c.i] != "#END_OF_TEXT") return false;
        ++c.i;
        long kind = 0;
        if (!Flag_Word(l = c.arg(), &kind)) return false;
        if (kind & OLI_KIND_SPACE) {
            double space = Second(c.arg());
            if (!b.para.empty()) b.para.back().space_after += space;
            else b.value += space;
        }
        if (kind & OLI_KIND_NEW_FORMAT) {
            if (!Read_Format(c, format)) return false;
            continue;
        }
        l = c.arg();
        return l && *l == "-1";
    }
}

bool Read_Table(Cursor& c, OliBlock& b) {
    const std::string* l = c.arg();
    if (!l) return false;
    std::vector<double> counts = Oli_Numbers(*l, 3);
    if (counts.size() < 3) return false;
    double total = 0;
    for (double v : counts) total += v > 0 ? v : 0;
    for (double k = 0; k < total; ++k) {
        if (!(l = c.arg())) return false;  // a title is never a keyword line
        b.titles.push_back(Text_Of(*l));
    }
    if (!(l = c.arg())) return false;
    std::vector<double> layout = Oli_Numbers(*l, 5);
    if (layout.size() == 4 && layout[0] == 0 && layout[1] == 0 && layout[2] == 0 && layout[3] == 0) return true;
    b.columns = layout.size() >= 5 && layout[4] > 0 && layout[4] < 1000 ? static_cast<int>(layout[4]) : 0;
    // The head rows: one per count of the first two layout numbers (a head
    // row, a second head or unit row).
    for (size_t k = 0; k < 2 && k < layout.size(); ++k)
        if (layout[k] >= 1 && layout[k] <= 2) b.head_rows += static_cast<int>(layout[k]);
    if (b.columns > 0 && c.more() && !Is_Keyword(c.lines[c.i])) {
        // The position line; a one-column table may come without it.
        const std::string& next = c.lines[c.i];
        bool positions = b.columns > 1 || (Oli_Numbers(next, 2).size() == 1 &&
                                           next.find_first_not_of(" .0123456789-+eE") == std::string::npos);
        if (positions) ++c.i;
    }
    while ((l = c.arg())) b.lines.push_back(Text_Of(*l));
    if (c.more() && c.lines[c.i] == "#END_OF_TEXT") {
        ++c.i;
        return true;
    }
    return false;
}

// One graphic record line into r: its number, numbers, and text in « ».
// *fits is false when a number of it does not fit (Number_Fits).
void Parse_Record(const std::string& line, bool* fits, OliRecord& r) {
    r.values.clear();
    r.text.clear();
    r.data.clear();
    *fits = true;
    const char* p = line.c_str();
    char* end = nullptr;
    errno = 0;
    const long n = std::strtol(p, &end, 10);
    // The number is read as an int: one beyond is damage, like any number
    // of a record taken as an int.
    r.number = errno != ERANGE && Int_Fits(static_cast<double>(n)) ? static_cast<int>(n) : -1;
    if (r.number == -1 && n != -1) *fits = false;
    p = end;
    for (;;) {
        while (*p == ' ' || *p == '\t') ++p;
        if (!*p) break;
        if (static_cast<unsigned char>(*p) == 0xAE) {
            const char* q = std::strchr(p + 1, '\xAF');
            r.text.assign(p + 1, q ? q : p + std::strlen(p));
            break;
        }
        // No writer gives a record's number in hexadecimal: "0x060000" is
        // a decimal whose point was damaged, a word that is no number.
        const char* digits = p + (*p == '-' || *p == '+');
        const bool hexadecimal = digits[0] == '0' && (digits[1] == 'x' || digits[1] == 'X');
        const double v = hexadecimal ? 0.0 : Oli_Number(p, &end);
        if (hexadecimal || end == p) {
            r.text = p;
            break;
        }
        if (!Number_Fits(v)) *fits = false;
        if (r.values.size() < 1000000) r.values.push_back(v);
        p = end;
    }
}

// The end line of a picture: "-1" after optional blanks.
bool Is_End_Line(const std::string& l) {
    return l.find_first_not_of(" -1") == std::string::npos && Oli_Numbers(l, 2) == std::vector<double>{-1};
}

// A line that reads as a graphic record: a whole record number first.
bool Is_Record_Line(const std::string& l) {
    const char* p = l.c_str();
    while (*p == ' ' || *p == '\t') ++p;
    char* end = nullptr;
    std::strtol(p, &end, 10);
    return end != p && (*end == 0 || *end == ' ' || *end == '\t') && !Is_End_Line(l);
}

// The numbers a record carries (at least), or -1 for a record no writer gives.
int Record_Arguments(int n) {
    switch (n) {
    case OLI_REC_LINE: case OLI_REC_RECTANGLE: return 4;
    case OLI_REC_TEXT: case OLI_REC_TEXT_TURNED: case OLI_REC_NODE_MARK: case OLI_REC_TEXT_ANGLE: return 2;
    case OLI_REC_BOX_TEXT: case OLI_REC_BOX_TEXT_TURNED: return 5;
    case OLI_REC_PEN: case OLI_REC_LINE_WIDTH: case OLI_REC_TEXT_CLASS: case OLI_REC_TEXT_STYLE:
    case OLI_REC_TEXT_HEIGHT: case OLI_REC_TEXT_LENGTH: case OLI_REC_FILL_PATTERN: case OLI_REC_COLOUR_VALUE:
        return 1;
    case OLI_REC_LINE_COLOUR: case OLI_REC_FILL_COLOUR: return 3;
    case OLI_REC_SYMBOL: return 2;
    case OLI_REC_DASH: return 2;
    case OLI_REC_POLYGON: return 1;
    case OLI_REC_SECTION_MARK: case OLI_REC_TEXT_MODE: case OLI_REC_WELD_LABEL: case OLI_REC_RASTER: return 0;
    case OLI_REC_ELEMENT_BEGIN: case OLI_REC_ELEMENT_END: case OLI_REC_COLOUR_ELEMENT_BEGIN:
    case OLI_REC_COLOUR_ELEMENT_END: case OLI_REC_COLOUR_CONTROL_59: case OLI_REC_COLOUR_CONTROL_60:
    case OLI_REC_COLOUR_CONTROL_61:
        return 0;
    default: return -1;
    }
}

// Whether a line reads as a record the writers write: a whole record number
// first, one of theirs, and at least its numbers after it (" 20  0",
// " 1  0.5 0.5 3.5 2.5").
bool Reads_As_Known_Record(const std::string& l) {
    if (!Is_Record_Line(l)) return false;
    const std::vector<double> v = Oli_Numbers(l, 8);
    const int need = v.empty() || !Int_Fits(v[0]) ? -1 : Record_Arguments(static_cast<int>(v[0]));
    return need >= 0 && static_cast<int>(v.size()) > need;
}

// Takes the numbers of polygon r's pairs that are not on its own line from
// the lines that follow, wherever their line breaks fall. False when the
// polygon is damaged, whatever its count comes to: a word on its lines that
// is no number (the numbers after it are lost, and the next lines must not
// make up for them), a line of its points with more numbers than it still
// needs, or its lines ending before its count. A line that reads as a
// record the writers write ends its lines (the writers write points as
// decimals): a count one too high took the next record " 20  0" as the
// point (20, 0), its pattern lost and the polygon drawn wrong. The lines
// of a damaged polygon's points go with it (lines that read as no record
// of their own), so that none is drawn as a record; the records after it
// are read as written.
bool Take_Polygon_Points(Cursor& c, OliRecord& r, bool* fits) {
    const double n = r.values[0];
    if (!(n >= 0 && n <= 100000)) {
        *fits = false;
        return false;
    }
    const size_t want = 1 + 2 * static_cast<size_t>(n);
    bool whole = r.text.empty();
    while (c.more() && !Is_Keyword(c.lines[c.i])) {
        const std::string& next = c.lines[c.i];
        if (next.find_first_not_of(" \t") == std::string::npos || Is_End_Line(next)) break;
        if (whole && r.values.size() >= want) break;
        if (whole) {
            const size_t room = want - r.values.size();
            std::vector<double> more = Oli_Numbers(next, room + 1);
            if (!more.empty() && more.size() <= room &&
                next.find_first_not_of(" \t.0123456789-+eE") == std::string::npos && !Reads_As_Known_Record(next)) {
                for (double v : more) *fits = *fits && Number_Fits(v);
                r.values.insert(r.values.end(), more.begin(), more.end());
                ++c.i;
                continue;
            }
        }
        if (Is_Record_Line(next)) break;
        whole = false;
        ++c.i;
    }
    return whole && r.values.size() == want;
}

// Where the records read go: into a list (where they are drawn or
// checked), or only counted (the reader, which lets them go: the renderer
// reads them again from the lines kept).
struct Record_Sink {
    std::vector<OliRecord>* records = nullptr;  // null: only counted
    OliRecord scratch;  // a record being read, its room kept from one to the next
    int count = 0, symbols = 0;
};

// Takes the record of line `l` (already read) into the sink; a polygon
// takes its points from the lines that follow too (above). False, and
// nothing taken, for a record with a number that does not fit or a damaged
// polygon (its lines are passed over all the same); *why (when given) then
// says which.
bool Take_Record(Cursor& c, const std::string& l, Record_Sink& sink, const char** why = nullptr) {
    bool fits = true;
    OliRecord& r = sink.scratch;
    Parse_Record(l, &fits, r);
    if (r.number == OLI_REC_RASTER && fits && (r.values.empty() || Int_Fits(r.values[0])))
        OLI_Take_Raster_Data(c.lines, &c.i, &r);
    const bool points = r.number != OLI_REC_POLYGON || r.values.empty() || Take_Polygon_Points(c, r, &fits);
    const int place = Int_Place(r.number);
    if (!fits || (place >= 0 && static_cast<size_t>(place) < r.values.size() && !Int_Fits(r.values[place]))) {
        if (why) *why = "a number that does not fit";
        return false;
    }
    if (!points) {
        if (why) *why = r.text.empty() ? "polygon without its points" : "polygon with a point that is no number";
        return false;
    }
    ++sink.count;
    sink.symbols += r.number == OLI_REC_SYMBOL;
    if (sink.records) sink.records->push_back(std::move(r));
    return true;
}

bool Take_Record(Cursor& c, const std::string& l, std::vector<OliRecord>& records, const char** why = nullptr) {
    Record_Sink sink;
    sink.records = &records;
    return Take_Record(c, l, sink, why);
}

constexpr double kSizeOption = 1710.0;

// The records of a picture after its head, up to its end line ("-1", or
// "0" in the picture-head writer's form), into `records`: true at the end
// line, false when a keyword line or the end of the lines comes first (a
// picture cut short). The reader and OLI_Picture_Records take them alike.
bool Picture_Records(Cursor& c, bool head_form, Record_Sink& records) {
    while (const std::string* l = c.arg()) {
        if (l->find_first_not_of(" \t") == std::string::npos) continue;
        if (Is_End_Line(*l) || (head_form && OLI_Is_Head_Picture_End(*l))) return true;
        // A record the list breaks off in is lost with the picture.
        if (!Take_Record(c, *l, records) && c.more()) ++c.refused;
    }
    return false;
}

// A line outside the blocks after a picture: a record drawn on top of it
// goes into `records`, any other line is passed over.
void Record_On_Top(Cursor& c, const std::string& line, Record_Sink& records) {
    if (Is_Record_Line(line) && !Take_Record(c, line, records)) ++c.refused;
}

// Counts the records read for picture b (the renderer reads them again
// from the lines kept).
void Count_Records(OliBlock& b, Record_Sink& records) {
    b.record_count += records.count;
    b.symbol_count += records.symbols;
    records.count = records.symbols = 0;
}

// Keeps lines [from, to) of the window with picture b, each with its LF; a
// new run (records on top) begins with a NUL byte. The records on top come
// a line at a time: the room grows by half at least, so that a picture with
// many of them is kept in time that grows with their bytes (copied whole
// for each line, 40,000 lines took seconds and 400,000 minutes);
// Kept_Lines_Done gives back what is not used.
void Keep_Lines(Oli_Line_Window& lines, size_t from, size_t to, bool new_run, OliBlock& b) {
    std::string& text = b.record_lines;
    size_t need = text.size() + (new_run ? 1 : 0);
    for (size_t k = from; k < to; ++k) need += lines[k].size() + 1;
    if (need == text.size()) return;
    if (need > text.capacity()) text.reserve(text.empty() ? need : std::max(need, text.capacity() + text.capacity() / 2));
    if (new_run) text += '\0';
    for (size_t k = from; k < to; ++k) (text += lines[k]) += '\n';
}

// The lines of picture b are all kept: the text takes no more memory than
// its bytes.
void Kept_Lines_Done(OliBlock& b) {
    if (b.record_lines.capacity() > b.record_lines.size()) b.record_lines.shrink_to_fit();
}

bool Read_Grafic(Cursor& c, OliBlock& b, Record_Sink& scratch) {
    for (int group = 0; group < 2; ++group) {
        const std::string* l = c.arg();
        if (!l) return false;
        std::vector<double> flags = Oli_Numbers(*l, 3);
        if (flags.size() < 3) return false;
        for (double f : flags) {
            if (f != 1) continue;
            if (!(l = c.arg())) return false;
            (group == 0 ? b.titles : b.below).push_back(Text_Of(*l));
        }
    }
    // The mode line: "-1" from the picture writers, or "-999 flags mode"
    // and the mode from the picture-head writer, which may put a second
    // extent before the extent and a value after it.
    const std::string* l = c.arg();
    if (!l) return false;
    std::vector<double> mode = Oli_Numbers(*l, 3);
    if (mode.empty()) return false;
    bool second_extent = false, mode_value = false;
    if (mode[0] == -999 && mode.size() == 3) {
        second_extent = std::fabs(mode[1]) < 4294967296.0 && (static_cast<long long>(mode[1]) & 0x10000);
        mode_value = mode[2] == 3;
    } else {
        mode_value = mode[0] == 3;
        // The section prints give the size of their picture instead of a
        // mode: its paper area in cm² times their print option (1710 unless
        // a caller changes it), the extent then being in their own units.
        if (mode.size() == 1 && mode[0] > 3 && mode[0] < 1e12) b.area = mode[0] / kSizeOption;
    }
    if (second_extent && !c.arg()) return false;
    if (!(l = c.arg())) return false;
    std::vector<double> ext = Oli_Numbers(*l, 4);
    if (ext.size() < 4 || !std::all_of(ext.begin(), ext.end(), Number_Fits)) return false;
    for (int k = 0; k < 4; ++k) b.extent[k] = ext[k];
    if (mode_value && !c.arg()) return false;
    b.head_form = !(mode.size() == 1 && mode[0] == -1);  // the picture-head writer's, ended by "0"
    const size_t from = c.i;
    const bool ended = Picture_Records(c, b.head_form, scratch);
    Keep_Lines(c.lines, from, ended ? c.i - 1 : c.i, false, b);
    Count_Records(b, scratch);
    return ended;
}

}  // namespace

namespace {

// The structure a list opens and must close before it ends: its bookmark
// groups. (A stored position is not: a writer may store one it never
// takes back.)
struct Open_Structure {
    int groups = 0;

    void Keyword(const std::string& key, double word) {
        if (key == "#SETBOOKMARK" && word == OLI_BOOKMARK_OPENS_GROUP) ++groups;
        if (key == "#SETBOOKMARK" && word == OLI_BOOKMARK_CLOSES_GROUP && groups > 0) --groups;
    }
    // Why the list, ending here, is cut off; "" when nothing is open.
    std::string At_End() const { return groups > 0 ? "a bookmark group (level 19) is never closed" : ""; }
};

// The strict check walks the lines once, a line or block at a step; a
// fault ends it.
struct Strict {
    Oli_Line_Window& lines;
    size_t i = 0;
    std::string fault;
    // Records may follow a picture's end line, with only layout keyword
    // blocks between: they are drawn on top of it.
    bool after_picture = false;
    bool blocks = false;  // a keyword line was met
    Open_Structure open;

    explicit Strict(Oli_Line_Window& walked) : lines(walked) {}

    bool Fail(size_t line, const std::string& what) {
        if (fault.empty()) fault = "line " + std::to_string(line + 1) + ": " + what;
        return false;
    }
    bool More() { return lines.Has(i); }
    // The next line, which must exist and be no keyword line.
    const std::string* Arg(const char* what) {
        if (!lines.Has(i) || Is_Keyword(lines[i])) {
            Fail(i, std::string("missing ") + what);
            return nullptr;
        }
        return &lines[i++];
    }
    // A line of exactly n numbers (n < 0: at least -n).
    bool Numbers(const char* what, int n) {
        const std::string* l = Arg(what);
        if (!l) return false;
        std::vector<double> v = Oli_Numbers(*l);
        bool only = l->find_first_not_of(" \t.0123456789-+eExX") == std::string::npos;
        if (!only || (n >= 0 && static_cast<int>(v.size()) != n) || (n < 0 && static_cast<int>(v.size()) < -n))
            return Fail(i - 1, std::string("not a line of ") + what + ": \"" + *l + "\"");
        if (!std::all_of(v.begin(), v.end(), Number_Fits))
            return Fail(i - 1, std::string("a number that is no finite number in the line of ") + what + ": \"" + *l + "\"");
        return true;
    }
    bool Format() {
        const std::string* l = Arg("format flags");
        if (!l) return false;
        long flags = 0;
        if (l->rfind("0x", 0) != 0) return Fail(i - 1, "format flags not hexadecimal");
        if (!Flag_Word(l, &flags)) return Fail(i - 1, "format flags that do not fit: \"" + *l + "\"");
        if (!Numbers("font mode", 1)) return false;
        long long mode = 0;
        if (!Line_Int(lines[i - 1], -1000000, 1000000, &mode)) return Fail(i - 1, "font mode not a whole number that fits");
        if (flags & (OLI_PARA_HAS_CALLBACK1 | OLI_PARA_HAS_CALLBACK2))
            return Fail(i - 1, "format with writer callbacks");
        if ((flags & OLI_PARA_HAS_SPACE) && !Numbers("space before", 2)) return false;
        if ((flags & OLI_PARA_HAS_INDENT) && !Numbers("indent", 4)) return false;
        if (flags & OLI_PARA_HAS_TABS) {
            const std::string* t = Arg("tab list");
            if (!t) return false;
            std::vector<double> v = Oli_Numbers(*t);
            if (Hex_Word(*t) == 2 && v.size() == 1) {
                if (!Numbers("hanging width", 2)) return false;
            } else if (Hex_Word(*t) == 0 && v.size() == 2 && v[1] >= 0 && v[1] <= 100) {
                for (int k = 0; k < static_cast<int>(v[1]); ++k)
                    if (!Numbers("tab stop", 2)) return false;
            } else {
                return Fail(i - 1, "not a tab list: \"" + *t + "\"");
            }
        }
        if ((flags & OLI_PARA_HAS_FACTOR) && !Numbers("factor", 1)) return false;
        if ((flags & OLI_PARA_HAS_SECOND_SPACE) && !Numbers("second space", 2)) return false;
        if ((flags & OLI_PARA_HAS_SPARES) && !Numbers("spare numbers", 2)) return false;
        if (!(l = Arg("end of the format")) || *l != "-1") return Fail(i - 1, "format not ended by -1");
        return true;
    }
    bool Para() {
        if (!Format()) return false;
        for (;;) {
            while (More() && !Is_Keyword(lines[i])) {
                if (lines[i].empty() || lines[i][0] != ' ') return Fail(i, "text line without its lead blank");
                ++i;
            }
            if (!More() || lines[i] != "#END_OF_TEXT") return Fail(i, "paragraph not ended by #END_OF_TEXT");
            ++i;
            const std::string* k = Arg("change kind");
            if (!k) return false;
            long kind = 0;
            if (!Flag_Word(k, &kind)) return Fail(i - 1, "change kind that does not fit: \"" + *k + "\"");
            if ((kind & OLI_KIND_SPACE) && !Numbers("space", 2)) return false;
            if (kind & OLI_KIND_NEW_FORMAT) {
                if (!Format()) return false;
                continue;
            }
            const std::string* e = Arg("end of the paragraph");
            if (!e || *e != "-1") return Fail(i - 1, "paragraph not ended by -1");
            return true;
        }
    }
    bool Table() {
        const std::string* l = Arg("title counts");
        if (!l) return false;
        std::vector<double> c = Oli_Numbers(*l);
        if (c.size() != 3 || c[0] < 0 || c[1] < 0 || c[2] < 0 || c[0] + c[1] + c[2] > 100)
            return Fail(i - 1, "title counts: \"" + *l + "\"");
        for (int k = 0; k < static_cast<int>(c[0] + c[1] + c[2]); ++k)
            if (!Arg("title line")) return false;
        if (!(l = Arg("layout line"))) return false;
        std::vector<double> v = Oli_Numbers(*l);
        if (v.size() == 4 && v[0] == 0 && v[1] == 0 && v[2] == 0 && v[3] == 0) return true;
        // Four or five numbers, each form possibly followed by the eight of
        // " 0 0 0 0 0 0 0 2" (long result tables, the table writer's tail).
        if (!(v.size() == 4 || v.size() == 5 || v.size() == 12 || v.size() == 13))
            return Fail(i - 1, "layout line: \"" + *l + "\"");
        // A one-column table is written with or without its position line.
        const bool one_bare = v.size() >= 5 && v[4] == 1 && More() && !Is_Keyword(lines[i]) &&
                              lines[i].find_first_not_of(" .0123456789") != std::string::npos;
        if (v.size() >= 5 && v[4] > 0 && !one_bare) {
            const std::string* pos = Arg("column positions");
            if (!pos) return false;
            std::vector<double> p = Oli_Numbers(*pos);
            if (p.empty() || pos->find_first_not_of(" .0123456789") != std::string::npos)
                return Fail(i - 1, "column positions: \"" + *pos + "\"");
        }
        while (More() && !Is_Keyword(lines[i])) ++i;
        if (!More() || lines[i] != "#END_OF_TEXT") return Fail(i, "table not ended by #END_OF_TEXT");
        ++i;
        return true;
    }
    // What is wrong with the number a record line begins with, the record's
    // number: "" for a whole number within an int.
    static std::string Record_Number_Fault(const std::string& l) {
        const size_t from = l.find_first_not_of(" \t");
        const std::string word = l.substr(from, l.find_first_of(" \t\xAE", from) - from);
        const std::string line = "\"" + l.substr(0, 60) + "\"";
        char* end = nullptr;
        errno = 0;
        const long n = std::strtol(word.c_str(), &end, 10);
        if (end != word.c_str() && !*end)
            return errno != ERANGE && Int_Fits(static_cast<double>(n)) ? "" : "record number that does not fit an int: " + line;
        std::strtod(word.c_str(), &end);
        return end != word.c_str() && !*end ? "record number that is no whole number: " + line : "not a record: " + line;
    }
    bool Picture() {
        for (int group = 0; group < 2; ++group) {
            const std::string* l = Arg("caption flags");
            if (!l) return false;
            std::vector<double> f = Oli_Numbers(*l);
            if (f.size() != 3) return Fail(i - 1, "caption flags: \"" + *l + "\"");
            for (double x : f) {
                if (x != 0 && x != 1) return Fail(i - 1, "caption flag not 0 or 1");
                if (x == 1 && !Arg("caption")) return false;
            }
        }
        const std::string* m = Arg("picture mode");
        if (!m) return false;
        std::vector<double> mode = Oli_Numbers(*m);
        if (mode.empty()) return Fail(i - 1, "picture mode: \"" + *m + "\"");
        if (!std::all_of(mode.begin(), mode.end(), Int_Fits))
            return Fail(i - 1, "picture mode that does not fit an int: \"" + *m + "\"");
        if (mode[0] == -999 && mode.size() == 3) {
            if ((static_cast<long long>(mode[1]) & 0x10000) && !Numbers("second extent", 4)) return false;
        }
        if (!Numbers("paper extent", 4)) return false;
        if (mode[0] == 3 || (mode[0] == -999 && mode.size() == 3 && mode[2] == 3))
            if (!Arg("mode value")) return false;
        // The picture-head writer's pictures (a mode line, not -1) may end
        // with "0" as well, as the reader takes them.
        return Records(true, !(mode.size() == 1 && mode[0] == -1));
    }
    // The records of a picture up to its end line (or, for records drawn on
    // top of the picture before, up to the next keyword line).
    bool Records(bool until_end, bool head_form = false) {
        int depth = 0;
        while (More() && !Is_Keyword(lines[i])) {
            const std::string& l = lines[i];
            if (l.find_first_not_of(" \t") == std::string::npos) return Fail(i, "empty line in a picture");
            if (until_end && (Is_End_Line(l) || (head_form && OLI_Is_Head_Picture_End(l)))) {
                if (depth != 0) return Fail(i, "picture ends inside an element");
                ++i;
                return true;
            }
            if (const std::string wrong = Record_Number_Fault(l); !wrong.empty()) return Fail(i, wrong);
            Cursor c{lines};
            c.i = i + 1;
            std::vector<OliRecord> r;
            const char* why = "";
            if (!Take_Record(c, l, r, &why)) return Fail(i, why + (": \"" + l.substr(0, 60) + "\""));
            if (r.empty()) return Fail(i, "not a record: \"" + l + "\"");
            const int need = Record_Arguments(r[0].number);
            if (need < 0) return Fail(i, "unknown record " + std::to_string(r[0].number));
            if (static_cast<int>(r[0].values.size()) < need) return Fail(i, "record without its numbers: \"" + l + "\"");
            const int number = r[0].number;
            if ((number == OLI_REC_TEXT || number == OLI_REC_TEXT_TURNED || number == OLI_REC_BOX_TEXT ||
                 number == OLI_REC_BOX_TEXT_TURNED) &&
                l.find('\xAE') == std::string::npos)
                return Fail(i, "text record without its text");
            if (number == OLI_REC_ELEMENT_BEGIN && depth++ > 0) return Fail(i, "element opened inside an element");
            if (number == OLI_REC_ELEMENT_END && depth-- <= 0) return Fail(i, "element closed that is not open");
            i = c.i;
        }
        if (until_end) return Fail(i, "picture not ended by -1");
        return depth == 0 || Fail(i, "records end inside an element");
    }
    // Walks the next line or block; false when the lines have ended or a
    // fault is found.
    bool Step() {
        if (!fault.empty() || !More()) return false;
        const std::string& l = lines[i];
        if (l.empty()) {
            ++i;
            return true;
        }
        if (!Is_Keyword(l)) {
            if (after_picture && Is_Record_Line(l)) return Records(false);
            return Fail(i, "line outside a block: \"" + l.substr(0, 40) + "\"");
        }
        const std::string key = l.substr(0, l.find_last_not_of(" \t") + 1);
        ++i;
        blocks = true;
        if (More()) {
            const std::vector<double> word = Oli_Numbers(lines[i], 1);
            if (!word.empty()) open.Keyword(key, word[0]);
        }
        bool ok = true;
        const bool layout = key != "#SHOWPARA" && key != "#SHOWTABLE" && key != "#SHOWGRAFIC" &&
                            key != "#NEWPAGE" && key != "#CONTENTS";
        after_picture = key == "#SHOWGRAFIC" || (after_picture && layout);
        if (key == "#SHOWPARA") ok = Para();
        else if (key == "#SHOWTABLE") ok = Table();
        else if (key == "#SHOWGRAFIC") ok = Picture();
        else if (key == "#NEWPAGE" || key == "#PUSHMARGINS" || key == "#RESETMAXMARGIN") ok = true;
        else if (key == "#CONTENTS") ok = Arg("contents entry") != nullptr;
        else if (key == "#SETYPOS") ok = Numbers("position", 2);
        else if (key == "#SETMARGINS") ok = Numbers("margins", 3);
        else if (key == "#RESERVESPACE") ok = Numbers("reserved space", 1);
        else if (key == "#STOREYPOS" || key == "#RESTOREYPOS") ok = Numbers("position index", 1);
        else if (key == "#SETLAYOUT" || key == "#SETCONVERTIONFLAGS" || key == "#POPMARGINS")
            ok = Numbers("value", 1);
        else if (key == "#SETFLAGS") {
            ok = Numbers("flags", 1);
            if (ok && (!More() || !lines[i].empty())) ok = Fail(i, "#SETFLAGS without its empty line");
            if (ok) ++i;
        } else if (key == "#SETBOOKMARK") {
            ok = Numbers("bookmark level", 1) && Arg("bookmark text") != nullptr;
        } else if (key == OLI_SOURCE_KEYWORD) {
            const std::string* l = Arg("input's identity");
            OliSource s;
            ok = l && (OLI_Read_Source_Line(*l, &s) || Fail(i - 1, "not a line of the input's identity: \"" + *l + "\""));
        } else {
            ok = Fail(i - 1, "unknown keyword " + key);
        }
        return ok;
    }
    // After the last step: the first fault, or what only the whole list
    // shows (a line beyond any of a list, which outweighs any other fault;
    // a list that breaks off; bytes after a NUL; no block at all: empty
    // lines are no list). "" for a sound list.
    std::string Verdict() {
        const size_t count = lines.Count();
        if (const long long cut = lines.First_Cut(); cut >= 0)
            return "line " + std::to_string(cut + 1) + ": longer than any line of a list";
        if (const std::string cut = open.At_End(); fault.empty() && !cut.empty())
            Fail(count, "the list breaks off: " + cut);
        if (const long long past = lines.Past_End(); fault.empty() && past > 0)
            Fail(count, "a NUL byte: no list goes on here (" + std::to_string(past) + " bytes)");
        if (!blocks) Fail(count, "no block of a print list");
        if (!fault.empty() && lines.Utf8()) fault += " (the list is in UTF-8, not in code page 850)";
        return fault;
    }
};

}  // namespace

int OLI_Check_Structure(FILE* stream, std::string* fault) {
    if (fault) fault->clear();
    if (!stream) {
        if (fault) *fault = "no list";
        return 0;
    }
    try {
        Oli_Line_Window lines(stream);
        Strict s{lines};
        while (s.Step()) lines.Forget_Before(s.i);
        const std::string found = s.Verdict();
        if (fault) *fault = found;
        return found.empty() ? 1 : 0;
    } catch (...) {
        if (fault) *fault = "out of memory";
        return 0;
    }
}

int OLI_Read_Symbol(FILE* stream, OliSymbol* symbol) {
    if (!stream || !symbol) return 0;
    try {
        *symbol = OliSymbol{};
        // A symbol is short: its first 100,000 lines are all that is read.
        std::string text;
        size_t n = 0;
        for (std::string line; n < 100000 && Oli_Read_Line(stream, line); ++n) (text += line) += '\n';
        Oli_Line_Window lines(text.data(), text.size());
        if (!lines.Has(1) || lines[0].rfind("OCM 1", 0) != 0) return 0;
        std::vector<double> size = Oli_Numbers(lines[1], 2);
        if (size.size() < 2 || !(size[0] > 0 && size[0] < 100) || !(size[1] > 0 && size[1] < 100)) return 0;
        symbol->width = size[0];
        symbol->height = size[1];
        Cursor c{lines};
        c.i = 2;
        while (c.more()) {
            const std::string& l = lines[c.i++];
            if (l.find_first_not_of(" \t") == std::string::npos) continue;
            if (Is_End_Line(l)) break;
            if (Is_Record_Line(l)) Take_Record(c, l, symbol->records);
        }
        return 1;
    } catch (...) {
        return 0;
    }
}

namespace {

struct Keyword {
    const char* name;
    OliBlockKind kind;
    int args;  // argument lines
};
const Keyword kKeywords[] = {
    {"#CONTENTS", OLI_BLOCK_CONTENTS, 1},   {"#NEWPAGE", OLI_BLOCK_NEWPAGE, 0},
    {"#SETYPOS", OLI_BLOCK_YPOS, 1},        {"#SETMARGINS", OLI_BLOCK_MARGINS, 1},
    {"#RESERVESPACE", OLI_BLOCK_RESERVE, 1}, {"#SETBOOKMARK", OLI_BLOCK_BOOKMARK, 2},
    {"#STOREYPOS", OLI_BLOCK_STOREYPOS, 1}, {"#RESTOREYPOS", OLI_BLOCK_RESTOREYPOS, 1},
    {"#SETFLAGS", OLI_BLOCK_OTHER, 1},      {"#SETLAYOUT", OLI_BLOCK_OTHER, 1},
    {"#SETCONVERTIONFLAGS", OLI_BLOCK_OTHER, 1}, {"#PUSHMARGINS", OLI_BLOCK_OTHER, 0},
    {"#POPMARGINS", OLI_BLOCK_OTHER, 1},    {"#RESETMAXMARGIN", OLI_BLOCK_OTHER, 0},
    {"#SHOWTABLE", OLI_BLOCK_TABLE, -1},    {"#SHOWPARA", OLI_BLOCK_PARA, -1},
    {"#SHOWGRAFIC", OLI_BLOCK_GRAFIC, -1},
};

void Read_Blocks(Oli_Line_Window& lines, OliDocument* doc, bool keep);

}  // namespace

int OLI_Read_Document(FILE* stream, OliDocument* doc) {
    if (!stream || !doc) return 0;
    try {
        Oli_Line_Window lines(stream);
        Read_Blocks(lines, doc, true);
    } catch (...) {  // out of memory: no damage of the list, and what was read is no list to show
        doc->blocks.clear();
        doc->blocks.shrink_to_fit();
        doc->out_of_memory = true;
    }
    return static_cast<int>(doc->blocks.size());
}

int OLI_Open_Document(FILE* stream, OliDocument* doc) {
    if (!stream || !doc) return 0;
    struct stat st {};
    const long long start = ftello(stream);
    if (start < 0 || fstat(fileno(stream), &st) != 0 || !S_ISREG(st.st_mode) || st.st_size < start)
        return OLI_Read_Document(stream, doc);
    try {
        auto file = std::make_shared<OliListFile>();
        file->fd = fcntl(fileno(stream), F_DUPFD_CLOEXEC, 0);
        if (file->fd < 0) return OLI_Read_Document(stream, doc);
        file->start = file->sums.start = start;
        file->end = file->sums.end = st.st_size;
        file->opened = st;
        Oli_Line_Window lines(file->fd, file->start, file->end);
        lines.Note_Sums(&file->sums);
        Read_Blocks(lines, doc, false);
        // A file that another program changed while it was read (a list
        // written in place just then: cut, grown or rewritten) may have
        // given the reader part of one list and part of another.
        struct stat after {};
        if (fstat(file->fd, &after) != 0 || !Oli_Same_File_State(after, st)) file->sums.changed = true;
        doc->file = std::move(file);
    } catch (...) {  // out of memory, as OLI_Read_Document tells it
        doc->file.reset();
        doc->opened_blocks = 0;
        doc->out_of_memory = true;
    }
    return static_cast<int>(OLI_Block_Count(*doc));
}

int OLI_Picture_Records(const OliBlock& b, std::vector<OliRecord>* records) {
    if (!records) return 0;
    records->clear();
    try {
        Oli_Read_Picture_Records(b, records);
        return 1;
    } catch (...) {  // out of memory
        records->clear();
        return 0;
    }
}

void Oli_Read_Picture_Records(const OliBlock& b, std::vector<OliRecord>* records) {
    const std::string& text = b.record_lines;
    // Its own records up to the first NUL, then each run drawn on top of it.
    for (size_t from = 0, run = 0; from <= text.size(); ++run) {
        size_t to = text.find('\0', from);
        if (to == std::string::npos) to = text.size();
        Oli_Line_Window lines(text.data() + from, to - from);
        Cursor c{lines};
        Record_Sink sink;
        sink.records = records;
        if (run == 0) {
            Picture_Records(c, b.head_form, sink);
        } else {
            while (c.more()) {
                const std::string& line = lines[c.i++];
                Record_On_Top(c, line, sink);
            }
        }
        from = to + 1;
    }
}

namespace {
// The argument lines of a layout block or a contents entry into b; false
// when they are cut or a layout word or distance is no finite number (a
// contents entry is text).
bool Read_Layout_Words(Cursor& c, const Keyword& kw, OliBlock& b) {
    const std::string* a = c.arg();
    if (!a) return false;
    std::vector<double> v = Oli_Numbers(*a, 3);
    const bool ok = kw.kind == OLI_BLOCK_CONTENTS || std::all_of(v.begin(), v.end(), Number_Fits);
    b.word = v.empty() || !(v[0] > -1e9 && v[0] < 1e9) ? 0 : static_cast<int>(v[0]);
    b.value = v.size() >= 2 && v[1] > -1e4 && v[1] < 1e4 ? v[1] : (v.size() == 1 ? v[0] : 0.0);
    if (kw.kind == OLI_BLOCK_CONTENTS) b.text = Text_Of(*a);
    if (kw.args == 2) {
        const std::string* t = c.arg();
        if (t) b.text = Text_Of(*t);
    }
    return ok;
}

// The keyword of a keyword line, without the blanks after it; null for
// none that opens a block.
const Keyword* Keyword_Of(const std::string& line, std::string* key) {
    key->assign(line, 0, line.find_last_not_of(" \t") + 1);
    for (const Keyword& k : kKeywords)
        if (*key == k.name) return &k;
    return nullptr;
}

bool Sets_Text_Or_Picture(OliBlockKind kind) {
    return kind == OLI_BLOCK_PARA || kind == OLI_BLOCK_TABLE || kind == OLI_BLOCK_GRAFIC;
}

// Whether a block of this kind ends what may be drawn on top of the picture
// before it: only layout blocks may stand between a picture and its records
// on top.
bool Ends_On_Top(OliBlockKind kind) {
    return Sets_Text_Or_Picture(kind) || kind == OLI_BLOCK_NEWPAGE || kind == OLI_BLOCK_CONTENTS;
}

// The block of a known keyword line just passed, read from the lines that
// follow it; false when it is cut or damaged (what it read is kept).
bool Read_Block(Cursor& c, const Keyword& kw, OliBlock& b, Record_Sink& scratch) {
    b.kind = kw.kind;
    if (kw.kind == OLI_BLOCK_PARA) return Read_Para(c, b);
    if (kw.kind == OLI_BLOCK_TABLE) return Read_Table(c, b);
    if (kw.kind == OLI_BLOCK_GRAFIC) return Read_Grafic(c, b, scratch);
    if (kw.args > 0) return Read_Layout_Words(c, kw, b);
    return true;
}

// Reads the blocks while the strict check walks the same lines a step
// behind (doc->refused): each line is read once, and only the lines of the
// block at hand are kept. `keep`: the blocks go into doc->blocks; else they
// are only counted (an opened list, whose blocks are read again where they
// are drawn), with the first contents entry's text.
void Read_Blocks(Oli_Line_Window& lines, OliDocument* doc, bool keep) {
    Strict strict{lines};
    Cursor c{lines};
    Record_Sink scratch;  // the records of a picture, read to check them
    // A writer may draw on top of a picture after its end line (the weld
    // check puts its weld marks over the profile's picture that way):
    // records that follow a picture, with only layout keywords between,
    // belong to it.
    long picture = -1;
    size_t on_top_end = 0;  // the line after the last one kept as drawn on top
    Open_Structure open;
    std::string ends_inside;  // the block the lines end inside: the list breaks off there
    std::string key;
    for (; c.more(); lines.Forget_Before(std::min(c.i, strict.fault.empty() ? strict.i : c.i))) {
        while (strict.i < c.i && strict.Step()) {
        }
        const size_t at = c.i;
        const std::string& line = lines[c.i++];
        if (!Is_Keyword(line)) {
            // Empty lines between blocks, stray text, or records on top.
            if (picture >= 0) {
                Record_On_Top(c, line, scratch);
                if (keep) {
                    OliBlock& b = doc->blocks[static_cast<size_t>(picture)];
                    Keep_Lines(lines, at, c.i, at != on_top_end, b);
                    on_top_end = c.i;
                    Count_Records(b, scratch);
                }
                scratch.count = scratch.symbols = 0;
            }
            continue;
        }
        Oli_Check_Memory();
        const Keyword* kw = Keyword_Of(line, &key);
        if (key == OLI_SOURCE_KEYWORD) {
            // No block to draw: the identity of the list's input.
            const std::string* a = c.arg();
            OliSource s;
            if (a && OLI_Read_Source_Line(*a, &s)) doc->source = s;
            else ++doc->damaged;
            continue;
        }
        if (!kw) {
            if (key != "#END_OF_TEXT") ++doc->damaged;
            continue;
        }
        OliBlock b;
        const bool ok = Read_Block(c, *kw, b, scratch);
        // A block whose lines end before it does is where the list breaks
        // off (a run or a copy cut short): a part lost, and pages missing.
        const bool text_or_picture = Sets_Text_Or_Picture(b.kind);
        if (!ok && text_or_picture && !c.more()) {
            ends_inside = "it ends inside " + key;
            doc->cut_block = 1;
        }
        if (!ok) ++doc->damaged;
        if (ok) open.Keyword(key, b.word);
        if (Ends_On_Top(b.kind)) {
            if (keep && picture >= 0) Kept_Lines_Done(doc->blocks[static_cast<size_t>(picture)]);
            picture = -1;
        }
        // A cut block keeps what it read.
        if (ok || text_or_picture) {
            if (ok && b.kind == OLI_BLOCK_GRAFIC) picture = static_cast<long>(keep ? doc->blocks.size() : 0);
            if (!keep) {
                if (b.kind == OLI_BLOCK_CONTENTS && !doc->opened_contents) {
                    doc->opened_contents = true;
                    doc->first_contents = b.text;
                }
                ++doc->opened_blocks;
            } else {
                doc->blocks.push_back(std::move(b));
            }
        }
    }
    if (keep && picture >= 0) Kept_Lines_Done(doc->blocks[static_cast<size_t>(picture)]);
    while (strict.Step()) lines.Forget_Before(strict.i);
    doc->refused = strict.Verdict();
    doc->utf8 = lines.Utf8();
    doc->damaged += static_cast<int>(std::min<long long>(lines.Cuts(), 1000000));
    doc->past_end = lines.Past_End();
    doc->damaged += doc->past_end > 0;
    doc->damaged += c.refused;
    doc->cut = open.At_End();
    if (doc->cut.empty()) doc->cut = ends_inside;
}

// The records drawn on top of picture b, whose own lines end where the list
// goes on at byte `from`: the lines that are no keyword up to the next
// block that is no layout block, as Read_Blocks takes them (the same runs,
// read the same way), read with a window of their own.
void Take_On_Top(const OliListFile& file, long long from, OliBlock& b, Record_Sink& scratch) {
    Oli_Line_Window lines(file.fd, from, file.end, size_t{1} << 20, false);
    lines.Check_Sums(&file.sums);
    Cursor c{lines};
    bool run = false;  // the line before was kept as drawn on top
    std::string key;
    for (; c.more(); lines.Forget_Before(c.i)) {
        const size_t at = c.i;
        const std::string& line = lines[c.i++];
        if (!Is_Keyword(line)) {
            Record_On_Top(c, line, scratch);
            Keep_Lines(lines, at, c.i, !run, b);
            Count_Records(b, scratch);
            run = true;
            continue;
        }
        run = false;
        Oli_Check_Memory();
        const Keyword* kw = Keyword_Of(line, &key);
        if (key == OLI_SOURCE_KEYWORD) {
            c.arg();
            continue;
        }
        if (!kw) continue;
        if (Ends_On_Top(kw->kind)) break;
        OliBlock layout;
        Read_Block(c, *kw, layout, scratch);
    }
    Kept_Lines_Done(b);
}
}  // namespace

OliListFile::~OliListFile() {
    if (fd >= 0) close(fd);
}

bool Oli_Same_File_State(const struct stat& a, const struct stat& b) {
    return a.st_dev == b.st_dev && a.st_ino == b.st_ino && a.st_size == b.st_size &&
           a.st_mtim.tv_sec == b.st_mtim.tv_sec && a.st_mtim.tv_nsec == b.st_mtim.tv_nsec;
}

struct Oli_Block_Stream::File_Walk {
    const OliListFile& file;
    Oli_Line_Window lines;
    Cursor c{lines};
    OliBlock block;
    Record_Sink scratch;
    std::string key;
    File_Walk(const OliListFile& f, long long offset) : file(f), lines(f.fd, offset, f.end, size_t{1} << 20, false) {
        lines.Check_Sums(&f.sums);
    }
};

Oli_Block_Stream::Oli_Block_Stream(const OliDocument& doc, size_t index, long long offset)
    : doc_(doc), next_(index) {
    if (!doc.file) return;
    if (doc.file->sums.changed) throw Oli_List_Changed{};
    walk_ = std::make_unique<File_Walk>(*doc.file, std::max(offset, doc.file->start));
}

Oli_Block_Stream::~Oli_Block_Stream() = default;

const OliBlock* Oli_Block_Stream::Next() {
    if (!walk_) {
        if (next_ >= doc_.blocks.size()) return nullptr;
        index_ = next_++;
        return &doc_.blocks[index_];
    }
    File_Walk& w = *walk_;
    Cursor& c = w.c;
    // As Read_Blocks reads them, without its judgment (the list was judged
    // when opened): a picture takes its records on top when it is read, and
    // the lines of those are passed over here.
    for (; c.more(); w.lines.Forget_Before(c.i)) {
        const size_t at = c.i;
        const std::string& line = w.lines[c.i++];
        if (!Is_Keyword(line)) continue;
        Oli_Check_Memory();
        const Keyword* kw = Keyword_Of(line, &w.key);
        if (w.key == OLI_SOURCE_KEYWORD) {
            c.arg();
            continue;
        }
        if (!kw) continue;
        const long long offset = w.lines.Offset(at);
        w.block = OliBlock{};
        const bool ok = Read_Block(c, *kw, w.block, w.scratch);
        if (!ok && !Sets_Text_Or_Picture(w.block.kind)) continue;
        if (ok && w.block.kind == OLI_BLOCK_GRAFIC) {
            // Where the lines after the picture begin: the next line read,
            // or the end of the list.
            const long long after = c.more() ? w.lines.Offset(c.i) : w.file.end;
            if (after < w.file.end) Take_On_Top(w.file, after, w.block, w.scratch);
        }
        w.lines.Forget_Before(c.i);
        index_ = next_++;
        offset_ = offset;
        return &w.block;
    }
    return nullptr;
}

namespace {
void Put_Number(std::string& out, double v) {
    char text[40];
    std::snprintf(text, sizeof text, " %a", v);
    out += text;
}

void Put_Text(std::string& out, const std::string& t) {
    out += ' ' + std::to_string(t.size()) + ':';
    out += t;
}

void Put_Format(std::string& out, const OliViewFormat& f) {
    out += " format " + std::to_string(f.flags) + ' ' + std::to_string(f.mode);
    for (double v : {f.space_before, f.indent, f.indent2, f.hanging}) Put_Number(out, v);
    out += " tabs";
    for (double v : f.tabs) Put_Number(out, v);
}
}  // namespace

std::string Oli_Block_Text(const OliBlock& b) {
    std::string out = "kind " + std::to_string(b.kind) + " word " + std::to_string(b.word);
    Put_Number(out, b.value);
    Put_Text(out, b.text);
    for (const auto* texts : {&b.titles, &b.below, &b.lines}) {
        out += "\n" + std::to_string(texts->size());
        for (const std::string& t : *texts) Put_Text(out, t);
    }
    out += "\ncolumns " + std::to_string(b.columns) + " head " + std::to_string(b.head_rows);
    for (const OliParaLine& l : b.para) {
        out += "\npara";
        Put_Text(out, l.text);
        Put_Format(out, l.format);
        Put_Number(out, l.space_after);
        out += l.starts ? " starts" : "";
    }
    out += "\npicture";
    for (double v : b.extent) Put_Number(out, v);
    Put_Number(out, b.area);
    Put_Text(out, b.record_lines);
    out += (b.head_form ? " head " : " ") + std::to_string(b.record_count) + ' ' + std::to_string(b.symbol_count);
    return out;
}

size_t OLI_Block_Count(const OliDocument& doc) { return doc.file ? doc.opened_blocks : doc.blocks.size(); }

bool OLI_List_Changed(const OliDocument& doc) { return doc.file && doc.file->sums.changed; }

bool OLI_List_File_Differs(const OliDocument& doc, const char* path) {
    if (!doc.file) return false;
    if (doc.file->sums.changed) return true;
    struct stat st {};
    if (fstat(doc.file->fd, &st) != 0 || !Oli_Same_File_State(st, doc.file->opened)) return true;
    if (!path) return false;
    // A list no longer there leaves nothing newer to show than the one held.
    std::string native;
    try {
        native = VEK_Native_String(path);
    } catch (...) {  // out of memory: nothing told either way
        return false;
    }
    return stat(native.c_str(), &st) == 0 && !Oli_Same_File_State(st, doc.file->opened);
}

std::string OLI_Pdf_Beside(const std::string& list) {
    size_t slash = list.find_last_of('/');
    size_t dot = list.find_last_of('.');
    if (dot != std::string::npos && (slash == std::string::npos || dot > slash)) return list.substr(0, dot) + ".pdf";
    return list + ".pdf";
}

namespace {
OliPrintRecord g_print;

int View_File(const char* list_path, const char* pdf_path, int* refusal, OliWriteOutcome* told);

int View_File_Telling(const char* list_path, const char* pdf_path, int* refusal, OliWriteOutcome* told) {
    if (!list_path) return 0;
    try {
        return View_File(list_path, pdf_path, refusal, told);
    } catch (...) {
        std::fprintf(stderr, "print list %s: out of memory\n", list_path);
        told->error = ENOMEM;
        return 0;
    }
}
}  // namespace

int OLI_View_File(const char* list_path, const char* pdf_path) {
    int refusal = VEK_READ_OK;
    OliWriteOutcome told;
    return View_File_Telling(list_path, pdf_path, &refusal, &told);
}

int Quick_OLI_Print(const char* /*prefix*/, const char* path) {
    int refusal = VEK_READ_OK;
    OliWriteOutcome told;
    int pages = View_File_Telling(path, nullptr, &refusal, &told);
    if (pages <= 0) {
        if (refusal != VEK_READ_OK)
            PrintMessage("Die Druckliste kann nicht gedruckt werden.\n%s: %s", path, VEK_Read_Refusal_Text(refusal));
        else if (told.error == ENOMEM)
            PrintMessage("Die Druckliste kann nicht gedruckt werden.\n%s: zu wenig Speicher", path ? path : "");
        else if (told.changed)
            PrintMessage("Die Druckliste kann nicht gedruckt werden.\n%s: sie wurde w\x84hrend des Druckens von einem "
                         "anderen Programm ge\x84ndert; keine PDF-Datei geschrieben",
                         path ? path : "");
        else if (told.error)
            PrintMessage("Die Druckliste kann nicht gedruckt werden.\n%s\n%s", path ? path : "", std::strerror(told.error));
        else
            PrintMessage("Die Druckliste kann nicht gedruckt werden.\n%s", path ? path : "");
        return 0;
    }
    try {
        std::string list = VEK_Native_String(path);
        g_print.list = list;
        g_print.pdf = OLI_Pdf_Beside(list);
    } catch (...) {
        g_print.list.clear();
        g_print.pdf.clear();
    }
    g_print.count++;
    g_print.pages = pages;
    // There is no printer here: the user is told where the pages went.
    if (told.unconfirmed)
        PrintMessage("Die Druckliste wurde als PDF-Datei geschrieben (%d %s):\n%s\nDer Ordner konnte nicht gesichert "
                     "werden (%s): die Datei steht, \x81" "bersteht aber einen Stromausfall vielleicht nicht.",
                     pages, pages == 1 ? "Seite" : "Seiten", g_print.pdf.c_str(), std::strerror(told.error));
    else
        PrintMessage("Die Druckliste wurde als PDF-Datei geschrieben (%d %s):\n%s", pages,
                     pages == 1 ? "Seite" : "Seiten", g_print.pdf.c_str());
    return 1;
}

bool OLI_Read_Document_File(const char* path, OliDocument* doc, int* refusal) {
    const std::string list = VEK_Native_String(path);
    FILE* f = VEK_Open_Reading(list.c_str(), VEK_READ_CAP_LIST, refusal);
    if (!f) {
        std::fprintf(stderr, "print list %s: cannot open (%s)\n", list.c_str(), std::strerror(errno));
        return false;
    }
    OLI_Open_Document(f, doc);
    std::fclose(f);
    OLI_Judge_Beside(list.c_str(), doc);
    return true;
}

bool OLI_List_Out_Of_Step(const char* path) { return !OLI_List_Successor(path).empty(); }

std::string OLI_List_Successor(const char* path) {
    if (!path) return "";
    const std::string list = VEK_Native_String(path);
    std::error_code ec;
    if (std::filesystem::exists(list + OLI_LIST_PENDING_SUFFIX, ec)) return list + OLI_LIST_PENDING_SUFFIX;
    // A run's own pending name: the list's name, a dot, eight hexadecimal
    // digits and the suffix.
    const size_t slash = list.find_last_of('/');
    const std::string folder = slash == std::string::npos ? "." : list.substr(0, slash + 1);
    const std::string name = slash == std::string::npos ? list : list.substr(slash + 1);
    for (std::filesystem::directory_iterator it(folder, ec), end; !ec && it != end; it.increment(ec)) {
        const std::string entry = it->path().filename().string();
        std::string tag;
        if (OLI_Run_Temporary_Of(entry, name, OLI_LIST_PENDING_SUFFIX, &tag) && !tag.empty())
            return (slash == std::string::npos ? "" : folder) + entry;
    }
    return "";
}

bool OLI_Run_Temporary_Of(const std::string& name, const std::string& base, const std::string& suffix,
                          std::string* tag) {
    if (name.size() < base.size() + suffix.size() || name.compare(0, base.size(), base) != 0 ||
        name.compare(name.size() - suffix.size(), suffix.size(), suffix) != 0)
        return false;
    const std::string middle = name.substr(base.size(), name.size() - base.size() - suffix.size());
    if (middle.empty()) {
        tag->clear();
        return true;
    }
    if (middle.size() != OLI_RUN_TAG_LENGTH + 1 || middle[0] != '.') return false;
    for (size_t i = 1; i < middle.size(); ++i)
        if (!std::isxdigit(static_cast<unsigned char>(middle[i])) || std::isupper(static_cast<unsigned char>(middle[i])))
            return false;
    *tag = middle.substr(1);
    return true;
}

void OLI_Judge_Beside(const char* path, OliDocument* doc) {
    if (!doc) return;
    doc->out_of_step = OLI_List_Out_Of_Step(path);
    doc->not_of_input.clear();
    std::string input;
    if (doc->source.size >= 0 && OLI_Source_Differs(path, doc->source, &input)) doc->not_of_input = input;
}

std::string OLI_Page_Mark(const OliDocument& doc) {
    // A list re-encoded in UTF-8 is no damaged list: it says why it reads
    // wrongly, and what of it cannot be read.
    const std::string head = doc.utf8 ? "Druckliste in UTF-8 statt Codepage 850: " : "Druckliste beschädigt: ";
    // A list that breaks off inside a block lost that block: it says that
    // it breaks off, unless other parts are damaged too.
    if (doc.damaged > (doc.cut.empty() ? 0 : doc.cut_block)) {
        const std::string count = std::to_string(doc.damaged);
        return head + count + (doc.damaged == 1 ? " Teil" : " Teile") + " nicht lesbar, die Seiten sind unvollständig";
    }
    if (!doc.cut.empty()) return head + "sie bricht mitten in einem Abschnitt ab, es fehlen Seiten";
    if (!doc.refused.empty()) {
        // The strict check's fault begins with its line: "line N: what".
        const long line = std::strtol(doc.refused.c_str() + std::strlen("line "), nullptr, 10);
        return head + "Zeile " + std::to_string(line) + " ist fehlerhaft, die Seiten können unvollständig sein";
    }
    if (doc.utf8) return head + "Umlaute und Zeichen sind falsch";
    if (doc.out_of_step)
        return "Ein Lauf, der diese Druckliste und ihre Plotdatei ersetzt, wurde unterbrochen: "
               "die Plotdatei daneben kann zu einer neueren Liste gehören";
    if (!doc.not_of_input.empty())
        return "Druckliste nicht zur Eingabedatei " + OLI_Plain_Text(doc.not_of_input) +
               " daneben: die Datei wurde nach der Liste geändert";
    return "";
}

namespace {
int View_File(const char* list_path, const char* pdf_path, int* refusal, OliWriteOutcome* told) {
    OliDocument doc;
    if (!OLI_Read_Document_File(list_path, &doc, refusal)) return 0;
    const std::string list = VEK_Native_String(list_path);
    if (doc.out_of_memory) {
        std::fprintf(stderr, "print list %s: out of memory, no PDF written\n", list.c_str());
        told->error = ENOMEM;
        return 0;
    }
    if (OLI_List_Changed(doc)) {
        std::fprintf(stderr, "print list %s: changed while it was read, no PDF written\n", list.c_str());
        told->changed = true;
        return 0;
    }
    if (!OLI_Renderer_Ready()) return 0;  // it has said why
    std::string pdf = pdf_path ? std::string(pdf_path) : OLI_Pdf_Beside(list);
    int pages = OLI_Render_PDF(doc, pdf.c_str(), told);
    const char* why = told->error ? std::strerror(told->error) : "";
    if (pages <= 0 && told->error == ENOMEM)
        std::fprintf(stderr, "print list %s: out of memory, no PDF written\n", list.c_str());
    else if (pages <= 0 && told->changed)
        std::fprintf(stderr, "print list %s: changed while it was drawn, no PDF written\n", list.c_str());
    else if (pages <= 0)
        std::fprintf(stderr, "print list %s: cannot write %s%s%s%s\n", list.c_str(), pdf.c_str(), *why ? " (" : "",
                     why, *why ? ")" : "");
    else if (told->unconfirmed)
        std::fprintf(stderr, "print list %s: %s is written, but its folder could not be synced (%s)\n", list.c_str(),
                     pdf.c_str(), why);
    return pages;
}
}  // namespace

const OliPrintRecord* OLI_Last_Print(void) { return &g_print; }
