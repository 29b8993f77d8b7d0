// Reader of the print list for the viewer stand-in, the markup and glyph
// conversion, and the desktop's view and print calls.
#include "platform/oli_view.h"

#include <cerrno>
#include <cmath>
#include <cstdlib>
#include <cstring>
#include <set>

#include "platform/oli_lines_internal.h"
#include "platform/oli_symbols_internal.h"
#include "platform/posix.h"

namespace {

// Code page 850, bytes 0x80 to 0xFF, as UTF-8.
const char* const kCp850[128] = {
    "Ç", "ü", "é", "â", "ä", "à", "å", "ç", "ê", "ë", "è", "ï", "î", "ì", "Ä", "Å",
    "É", "æ", "Æ", "ô", "ö", "ò", "û", "ù", "ÿ", "Ö", "Ü", "ø", "£", "Ø", "×", "ƒ",
    "á", "í", "ó", "ú", "ñ", "Ñ", "ª", "º", "¿", "®", "¬", "½", "¼", "¡", "«", "»",
    "░", "▒", "▓", "│", "┤", "Á", "Â", "À", "©", "╣", "║", "╗", "╝", "¢", "¥", "┐",
    "└", "┴", "┬", "├", "─", "┼", "ã", "Ã", "╚", "╔", "╩", "╦", "╠", "═", "╬", "¤",
    "ð", "Ð", "Ê", "Ë", "È", "ı", "Í", "Î", "Ï", "┘", "┌", "█", "▄", "¦", "Ì", "▀",
    "Ó", "ß", "Ô", "Ò", "õ", "Õ", "µ", "þ", "Þ", "Ú", "Û", "Ù", "ý", "Ý", "¯", "´",
    "-", "±", "‗", "¾", "¶", "§", "÷", "¸", "°", "¨", "·", "¹", "³", "²", "■", " ",
};

// The print font's own letters and signs where they differ from code page
// 850 (the table in docs/printlist-viewer.md).
struct PrintGlyph {
    unsigned char byte;
    const char* utf8;
};
const PrintGlyph kPrintFont[] = {
    {0x88, "→"}, {0x89, "‰"}, {0x8C, "⌀"}, {0xA3, "Δ"}, {0xB0, "θ"}, {0xB2, "Σ"},
    {0xB8, "ψ"}, {0xBA, "α"}, {0xBB, "β"}, {0xBC, "χ"}, {0xBE, "ε"}, {0xC0, "γ"},
    {0xC1, "η"}, {0xC5, "λ"}, {0xC6, "μ"}, {0xC7, "ν"}, {0xC9, "π"}, {0xCA, "φ"},
    {0xCB, "ρ"}, {0xCC, "σ"}, {0xD3, "ζ"}, {0xD6, "τ"}, {0xDA, "∠"}, {0xE0, "α"},
    {0xEC, "∞"}, {0xF2, "≥"}, {0xF3, "≤"}, {0xF7, "≈"}, {0xF8, "°"}, {0xFA, "³"},
    {0xFD, "²"},
};

bool Is_Keyword(const std::string& s) { return !s.empty() && s[0] == '#'; }

// A text line without the character the writer puts before it.
std::string Text_Of(const std::string& line) { return line.empty() ? "" : line.substr(1); }

long Hex_Word(const std::string& line) { return std::strtol(line.c_str(), nullptr, 0); }

// Cursor over the lines of the list: argument lines never begin with "#".
struct Cursor {
    const std::vector<std::string>& lines;
    size_t i = 0;
    bool more() const { return i < lines.size(); }
    // The next line when it is no keyword line; null (and nothing taken)
    // otherwise, so that a cut block leaves the next block readable.
    const std::string* arg() {
        if (i >= lines.size() || Is_Keyword(lines[i])) return nullptr;
        return &lines[i++];
    }
};

double Second(const std::string* line) {
    if (!line) return 0.0;
    std::vector<double> v = Oli_Numbers(*line, 2);
    return v.size() >= 2 ? v[1] : 0.0;
}

// Field lines of a paragraph format up to and including "-1". False when
// the block is cut.
bool Read_Format(Cursor& c, OliParaFormat& f) {
    const std::string* l = c.arg();
    if (!l) return false;
    f = OliParaFormat{};
    f.flags = static_cast<int>(Hex_Word(*l));
    if (!(l = c.arg())) return false;
    f.mode = std::atoi(l->c_str());
    if (f.flags & 0x10) f.space_before = Second(c.arg());
    if (f.flags & 0x20) {
        if (!(l = c.arg())) return false;
        std::vector<double> v = Oli_Numbers(*l, 4);
        if (v.size() >= 2) f.indent = v[1];
        if (v.size() >= 4) f.indent2 = v[3];
    }
    if (f.flags & 0x40) {
        if (!(l = c.arg())) return false;
        std::vector<double> v = Oli_Numbers(*l, 2);
        long kind = Hex_Word(*l);
        if (kind == 2) {
            f.hanging = Second(c.arg());
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
                f.tabs.push_back(Second(t));
            }
        }
    }
    if (f.flags & 0x400) c.arg();
    if (f.flags & 0x800) c.arg();
    if (f.flags & 0x200) c.arg();
    // Anything else before "-1" is damage or a writer callback's lines.
    while ((l = c.arg())) {
        if (*l == "-1") return true;
    }
    return false;
}

bool Read_Para(Cursor& c, OliBlock& b) {
    OliParaFormat format;
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
        if (!(l = c.arg())) return false;
        long kind = Hex_Word(*l);
        if (kind & 0x1000) {
            double space = Second(c.arg());
            if (!b.para.empty()) b.para.back().space_after += space;
            else b.value += space;
        }
        if (kind & 0x4) {
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

// One graphic record line: its number, numbers, and text in « ».
OliRecord Parse_Record(const std::string& line) {
    OliRecord r;
    const char* p = line.c_str();
    char* end = nullptr;
    long n = std::strtol(p, &end, 10);
    r.number = (n > -100000 && n < 100000) ? static_cast<int>(n) : -1;
    p = end;
    for (;;) {
        while (*p == ' ' || *p == '\t') ++p;
        if (!*p) break;
        if (static_cast<unsigned char>(*p) == 0xAE) {
            const char* q = std::strchr(p + 1, '\xAF');
            r.text.assign(p + 1, q ? q : p + std::strlen(p));
            break;
        }
        double v = std::strtod(p, &end);
        if (end == p) {
            r.text = p;
            break;
        }
        if (r.values.size() < 1000000) r.values.push_back(v);
        p = end;
    }
    return r;
}

// The end line of a picture: "-1" after optional blanks.
bool Is_End_Line(const std::string& l) {
    return Oli_Numbers(l, 2) == std::vector<double>{-1} && l.find_first_not_of(" -1") == std::string::npos;
}

// Takes the record of line `l` (already read) into `records`; a polygon
// takes the numbers of its pairs that are not on its own line from the
// lines that follow, wherever their line breaks fall.
void Take_Record(Cursor& c, const std::string& l, std::vector<OliRecord>& records) {
    OliRecord r = Parse_Record(l);
    if (r.number == 75) OLI_Take_Raster_Data(c.lines, &c.i, &r);
    if (r.number == 18 && !r.values.empty()) {
        double n = r.values[0];
        if (!(n >= 0 && n <= 100000)) return;
        size_t want = 1 + 2 * static_cast<size_t>(n);
        while (r.values.size() < want && c.more() && !Is_Keyword(c.lines[c.i])) {
            const std::string& next = c.lines[c.i];
            size_t room = want - r.values.size();
            std::vector<double> more = Oli_Numbers(next, room + 1);
            // Only numbers, and no more than the polygon still needs.
            if (more.empty() || more.size() > room || next.find_first_not_of(" \t.0123456789-+eE") != std::string::npos)
                break;
            r.values.insert(r.values.end(), more.begin(), more.end());
            ++c.i;
        }
    }
    records.push_back(std::move(r));
}

// A line that reads as a graphic record: a whole record number first.
bool Is_Record_Line(const std::string& l) {
    const char* p = l.c_str();
    while (*p == ' ' || *p == '\t') ++p;
    char* end = nullptr;
    std::strtol(p, &end, 10);
    return end != p && (*end == 0 || *end == ' ' || *end == '\t') && !Is_End_Line(l);
}

constexpr double kSizeOption = 1710.0;

bool Read_Grafic(Cursor& c, OliBlock& b) {
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
    if (ext.size() < 4) return false;
    for (int k = 0; k < 4; ++k) b.extent[k] = ext[k];
    if (mode_value && !c.arg()) return false;
    const bool head_form = !(mode.size() == 1 && mode[0] == -1);  // the picture-head writer's, ended by "0"
    while ((l = c.arg())) {
        if (l->find_first_not_of(" \t") == std::string::npos) continue;
        if (Is_End_Line(*l) || (head_form && OLI_Is_Head_Picture_End(*l))) return true;
        Take_Record(c, *l, b.records);
    }
    return false;
}

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

struct Style {
    bool bold = false, italic = false, underline = false, sup = false, sub = false, heading = false,
         small = false;
    int colour = -1;  // packed r g b, -1 for the text colour
    bool operator==(const Style&) const = default;
};

std::string Span_Open(const Style& s) {
    std::string o = "<span";
    if (s.bold || s.heading) o += " weight=\"bold\"";
    if (s.italic) o += " style=\"italic\"";
    if (s.underline) o += " underline=\"single\"";
    // One size only (pango refuses a second): an index inside a heading is
    // still set smaller.
    if (s.small || s.sup || s.sub) o += " size=\"smaller\"";
    else if (s.heading) o += " size=\"larger\"";
    if (s.sup) o += " rise=\"3500\"";
    else if (s.sub) o += " rise=\"-2500\"";
    if (s.colour >= 0) {
        char buf[40];
        std::snprintf(buf, sizeof buf, " foreground=\"#%06x\"", s.colour & 0xFFFFFF);
        o += buf;
    }
    return o + ">";
}

// Glyphs of the print font beyond its single bytes: the perpendicular and
// parallel signs, written as the subscript letters "s" and "p" of a weld
// stress (σ or τ).
enum : int { GLYPH_PERPENDICULAR = 0x100, GLYPH_PARALLEL = 0x101 };

void Append_Glyph(std::string& out, int c, bool markup) {
    if (c == GLYPH_PERPENDICULAR || c == GLYPH_PARALLEL) {
        out += c == GLYPH_PERPENDICULAR ? "⊥" : "∥";
        return;
    }
    if (c == '\t') {
        out += '\t';
        return;
    }
    if (c < 0x20 || c == 0x7F) return;
    if (markup && c == '&') out += "&amp;";
    else if (markup && c == '<') out += "&lt;";
    else if (markup && c == '>') out += "&gt;";
    else out += OLI_Glyph(static_cast<unsigned char>(c));
}

// Walks a marked-up text; emit(style, glyph) for each visible byte (or
// glyph beyond the bytes).
template <class Emit>
void Walk_Markup(const std::string& text, Emit emit) {
    Style s;
    unsigned char last = 0;  // the last visible byte
    std::set<char> just_reset;  // switches closed by the last "╬r" with no text since
    const unsigned char* p = reinterpret_cast<const unsigned char*>(text.c_str());
    const unsigned char* end = p + text.size();
    while (p < end) {
        if (*p != 0xCE) {
            just_reset.clear();
            last = *p;
            emit(s, *p++);
            continue;
        }
        if (++p >= end) break;
        char k = static_cast<char>(*p++);
        bool* sw = nullptr;
        switch (k) {
        case 'b': sw = &s.bold; break;
        case 'u': sw = &s.underline; break;
        case '/': sw = &s.sup; break;
        case '_': case 's': sw = &s.italic; break;
        case 'S': sw = &s.small; break;
        case 'H': sw = &s.heading; break;
        case 'r': {
            Style old = s;
            int colour = s.colour;
            s = Style{};
            s.colour = colour;
            just_reset.clear();
            if (old.bold) just_reset.insert('b');
            if (old.underline) just_reset.insert('u');
            if (old.sup) just_reset.insert('/');
            if (old.sub) just_reset.insert('\\');
            if (old.italic) just_reset.insert('_'), just_reset.insert('s');
            if (old.small) just_reset.insert('S');
            if (old.heading) just_reset.insert('H');
            break;
        }
        case 't': emit(s, '\t'); break;
        case '\\':
            // "σ╬\\s╬r", "τ╬\\p╬r": the stress letter's sign subscript.
            if ((last == 0xCC || last == 0xD6) && end - p >= 3 && (p[0] == 's' || p[0] == 'p') &&
                p[1] == 0xCE && p[2] == 'r') {
                s.sub = true;
                emit(s, p[0] == 's' ? GLYPH_PERPENDICULAR : GLYPH_PARALLEL);
                p += 1;
                just_reset.clear();
                last = 0;
                continue;
            }
            sw = &s.sub;
            break;
        case '{': {
            const unsigned char* q = p;
            while (q < end && *q != '}') ++q;
            std::string group(reinterpret_cast<const char*>(p), q - p);
            p = q < end ? q + 1 : end;
            size_t at = group.find_first_not_of(' ');
            if (at != std::string::npos && group[at] == 'C') {
                std::vector<double> v = Oli_Numbers(group.substr(at + 1), 4);
                if (v.size() >= 4) {
                    auto byte = [](double x) { return x < 0 ? 0 : x > 255 ? 255 : static_cast<int>(x); };
                    s.colour = (byte(v[1]) << 16) | (byte(v[2]) << 8) | byte(v[3]);
                } else {
                    s.colour = -1;
                }
            }
            break;
        }
        default: break;  // the heading-number escape and others show nothing
        }
        if (sw) {
            if (just_reset.count(k)) just_reset.erase(k);  // the closing twin of a switch
            else *sw = true;
            // An index is either raised or lowered: the later switch holds.
            if (sw == &s.sup && s.sup) s.sub = false;
            if (sw == &s.sub && s.sub) s.sup = false;
        }
    }
}

void Read_Blocks(FILE* stream, OliDocument* doc);

}  // namespace

const char* OLI_Glyph(unsigned char byte) {
    static char ascii[128][2];
    if (byte < 0x80) {
        ascii[byte][0] = static_cast<char>(byte);
        ascii[byte][1] = 0;
        return ascii[byte];
    }
    for (const PrintGlyph& g : kPrintFont)
        if (g.byte == byte) return g.utf8;
    return kCp850[byte - 0x80];
}

std::string OLI_Markup_To_Pango(const std::string& text) {
    std::string out;
    Style open;
    bool in_span = false;
    // A failed check ("╬b!!") shows in red.
    std::string pending;
    Walk_Markup(text, [&](const Style& s, int c) {
        Style shown = s;
        if (c == '!' && s.bold && s.colour < 0) shown.colour = 0xDC0000;
        if (!in_span || !(shown == open)) {
            if (in_span) out += "</span>";
            out += Span_Open(shown);
            open = shown;
            in_span = true;
        }
        Append_Glyph(out, c, true);
    });
    if (in_span) out += "</span>";
    return out;
}

std::string OLI_Plain_Text(const std::string& text) {
    std::string out;
    Walk_Markup(text, [&](const Style&, int c) { Append_Glyph(out, c == '\t' ? ' ' : c, false); });
    return out;
}

int OLI_Read_Document(FILE* stream, OliDocument* doc) {
    if (!stream || !doc) return 0;
    try {
        Read_Blocks(stream, doc);
    } catch (...) {  // out of memory: keep the blocks read so far
        ++doc->damaged;
    }
    return static_cast<int>(doc->blocks.size());
}

namespace {
void Read_Blocks(FILE* stream, OliDocument* doc) {
    std::vector<std::string> lines;
    for (std::string line; Oli_Read_Line(stream, line);) lines.push_back(line);
    Cursor c{lines};
    // A writer may draw on top of a picture after its end line (the weld
    // check puts its weld marks over the profile's picture that way):
    // records that follow a picture, with only layout keywords between,
    // belong to it.
    long picture = -1;
    while (c.more()) {
        const std::string& line = lines[c.i++];
        if (!Is_Keyword(line)) {
            // Empty lines between blocks, stray text, or records on top.
            if (picture >= 0 && Is_Record_Line(line)) Take_Record(c, line, doc->blocks[picture].records);
            continue;
        }
        std::string key = line.substr(0, line.find_last_not_of(" \t") + 1);
        const Keyword* kw = nullptr;
        for (const Keyword& k : kKeywords)
            if (key == k.name) kw = &k;
        if (!kw) {
            if (key != "#END_OF_TEXT") ++doc->damaged;
            continue;
        }
        OliBlock b;
        b.kind = kw->kind;
        bool ok = true;
        if (kw->kind == OLI_BLOCK_PARA) ok = Read_Para(c, b);
        else if (kw->kind == OLI_BLOCK_TABLE) ok = Read_Table(c, b);
        else if (kw->kind == OLI_BLOCK_GRAFIC) ok = Read_Grafic(c, b);
        else if (kw->args > 0) {
            const std::string* a = c.arg();
            if (!a) {
                ok = false;
            } else {
                std::vector<double> v = Oli_Numbers(*a, 3);
                b.word = v.empty() || !(v[0] > -1e9 && v[0] < 1e9) ? 0 : static_cast<int>(v[0]);
                b.value = v.size() >= 2 && v[1] > -1e4 && v[1] < 1e4 ? v[1] : (v.size() == 1 ? v[0] : 0.0);
                if (kw->kind == OLI_BLOCK_CONTENTS) b.text = Text_Of(*a);
                if (kw->args == 2) {
                    const std::string* t = c.arg();
                    if (t) b.text = Text_Of(*t);
                }
            }
        }
        if (!ok) ++doc->damaged;
        bool drawn = b.kind == OLI_BLOCK_PARA || b.kind == OLI_BLOCK_TABLE || b.kind == OLI_BLOCK_GRAFIC ||
                     b.kind == OLI_BLOCK_NEWPAGE || b.kind == OLI_BLOCK_CONTENTS;
        if (drawn) picture = -1;
        // A cut block keeps what it read.
        if (ok || b.kind == OLI_BLOCK_PARA || b.kind == OLI_BLOCK_TABLE || b.kind == OLI_BLOCK_GRAFIC) {
            if (ok && b.kind == OLI_BLOCK_GRAFIC) picture = static_cast<long>(doc->blocks.size());
            doc->blocks.push_back(std::move(b));
        }
    }
}
}  // namespace

namespace {
OliPrintRecord g_print;

std::string Pdf_Beside(const std::string& list) {
    size_t slash = list.find_last_of('/');
    size_t dot = list.find_last_of('.');
    if (dot != std::string::npos && (slash == std::string::npos || dot > slash)) return list.substr(0, dot) + ".pdf";
    return list + ".pdf";
}

int View_File(const char* list_path, const char* pdf_path);
}  // namespace

int OLI_View_File(const char* list_path, const char* pdf_path) {
    if (!list_path) return 0;
    try {
        return View_File(list_path, pdf_path);
    } catch (...) {
        std::fprintf(stderr, "print list %s: out of memory\n", list_path);
        return 0;
    }
}

int Quick_OLI_View(const char* /*prefix*/, const char* path) { return OLI_View_File(path, nullptr) > 0 ? 1 : 0; }

int Quick_OLI_Print(const char* /*prefix*/, const char* path) {
    int pages = OLI_View_File(path, nullptr);
    if (pages <= 0) return 0;
    try {
        std::string list = VEK_Native_String(path);
        g_print.list = list;
        g_print.pdf = Pdf_Beside(list);
    } catch (...) {
        g_print.list.clear();
        g_print.pdf.clear();
    }
    g_print.count++;
    g_print.pages = pages;
    return 1;
}

namespace {
int View_File(const char* list_path, const char* pdf_path) {
    std::string list = VEK_Native_String(list_path);
    FILE* f = std::fopen(list.c_str(), "rb");
    if (!f) {
        std::fprintf(stderr, "print list %s: cannot open (%s)\n", list.c_str(), std::strerror(errno));
        return 0;
    }
    OliDocument doc;
    OLI_Read_Document(f, &doc);
    std::fclose(f);
    std::string pdf = pdf_path ? std::string(pdf_path) : Pdf_Beside(list);
    int pages = OLI_Render_PDF(doc, pdf.c_str());
    if (pages <= 0) std::fprintf(stderr, "print list %s: cannot write %s\n", list.c_str(), pdf.c_str());
    return pages;
}
}  // namespace

const OliPrintRecord* OLI_Last_Print(void) { return &g_print; }
