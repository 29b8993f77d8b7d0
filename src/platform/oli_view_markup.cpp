// The marked-up text of a print list as styled glyphs: code page 850 and
// the print font's own signs as UTF-8, and pango markup of them.
#include <cstdio>
#include <cstring>
#include <set>
#include <string>
#include <vector>

#include "platform/oli_lines_internal.h"
#include "platform/oli_markup_internal.h"
#include "platform/oli_view.h"

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
    {0xCB, "ρ"}, {0xCC, "σ"}, {0xD0, "ω"}, {0xD2, "ψ"}, {0xD3, "ζ"}, {0xD6, "τ"}, {0xDA, "∠"}, {0xE0, "α"},
    {0xEC, "∞"}, {0xF2, "≥"}, {0xF3, "≤"}, {0xF7, "≈"}, {0xF8, "°"}, {0xFA, "³"},
    {0xFD, "²"},
};

std::string Span_Open(const OliStyle& s) {
    std::string o = "<span";
    if (s.bold || s.heading) o += " weight=\"bold\"";
    if (s.italic) o += " style=\"italic\"";
    if (s.underline) o += " underline=\"single\"";
    // Headings in the text are bold at the text's size: a heading that
    // heads tabbed columns ("Maximale Ausnutzung [Lk 10]:") keeps to its
    // column. Indices are set smaller.
    if (s.small || s.sup || s.sub) o += " size=\"smaller\"";
    if (s.sup) o += " rise=\"3500\"";
    else if (s.sub) o += " rise=\"-2500\"";
    if (s.colour >= 0) {
        char buf[40];
        std::snprintf(buf, sizeof buf, " foreground=\"#%06x\"", s.colour & 0xFFFFFF);
        o += buf;
    }
    return o + ">";
}

void Append_Glyph(std::string& out, int c, bool markup) {
    if (c == OLI_GLYPH_PERPENDICULAR || c == OLI_GLYPH_PARALLEL) {
        out += c == OLI_GLYPH_PERPENDICULAR ? "⊥" : "∥";
        return;
    }
    if (c == '\t') {
        out += '\t';
        return;
    }
    // 0x7F is a letter of code page 850, the house (OLI_Glyph).
    if (c < 0x20) return;
    if (markup && c == '&') out += "&amp;";
    else if (markup && c == '<') out += "&lt;";
    else if (markup && c == '>') out += "&gt;";
    else out += OLI_Glyph(static_cast<unsigned char>(c));
}

// Walks a marked-up text; emit(style, glyph) for each visible byte (or
// glyph beyond the bytes).
template <class Emit>
void Walk_Markup(const std::string& text, Emit emit) {
    OliStyle s;
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
            OliStyle old = s;
            int colour = s.colour;
            s = OliStyle{};
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
                emit(s, p[0] == 's' ? OLI_GLYPH_PERPENDICULAR : OLI_GLYPH_PARALLEL);
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

}  // namespace

const char* OLI_Glyph(unsigned char byte) {
    static char ascii[128][2];
    // Code page 850 shows 0x7F as a house; as U+007F no font has it, and
    // pango drew a box of its code in whatever font it found.
    if (byte == 0x7F) return "⌂";
    if (byte < 0x80) {
        ascii[byte][0] = static_cast<char>(byte);
        ascii[byte][1] = 0;
        return ascii[byte];
    }
    for (const PrintGlyph& g : kPrintFont)
        if (g.byte == byte) return g.utf8;
    return kCp850[byte - 0x80];
}

bool OLI_Glyph_Is_Print_Sign(unsigned char byte) {
    for (const PrintGlyph& g : kPrintFont)
        if (g.byte == byte) return std::strcmp(g.utf8, kCp850[byte - 0x80]) != 0;
    return false;
}

// The colour of the failure mark: a bold "!!" standing alone, with no colour
// of its own ("╬b!!" of a check line). A sentence's own "!" ("…erfolgreich
// geführt!") and a bold "!!!" of a message stay in the text's colour.
const int kFailureMarkColour = 0xDC0000;

bool Is_Word_Edge(const std::vector<OliGlyphItem>& g, size_t i) {
    return i >= g.size() || g[i].c == ' ' || g[i].c == '\t';
}

std::vector<OliGlyphItem> Oli_Markup_Glyphs(const std::string& text) {
    std::vector<OliGlyphItem> out;
    Walk_Markup(text, [&](const OliStyle& s, int c) { out.push_back(OliGlyphItem{s, c}); });
    for (size_t i = 0; i + 1 < out.size(); ++i) {
        OliGlyphItem &a = out[i], &b = out[i + 1];
        const bool mark = a.c == '!' && b.c == '!' && a.style.bold && b.style.bold && a.style.colour < 0 &&
                          b.style.colour < 0 && (i == 0 || Is_Word_Edge(out, i - 1)) && Is_Word_Edge(out, i + 2);
        if (mark) a.style.colour = b.style.colour = kFailureMarkColour;
    }
    return out;
}

std::string Oli_Glyphs_Pango(const std::vector<OliGlyphItem>& g, size_t from, size_t to,
                             const std::vector<bool>* glued) {
    std::string out;
    OliStyle open;
    bool in_span = false;
    for (size_t i = from; i < to && i < g.size(); ++i) {
        if (!in_span || !(g[i].style == open)) {
            if (in_span) out += "</span>";
            out += Span_Open(g[i].style);
            open = g[i].style;
            in_span = true;
        }
        if (g[i].c == ' ' && glued && i < glued->size() && (*glued)[i]) out += "\u00A0";
        else Append_Glyph(out, g[i].c, true);
    }
    if (in_span) out += "</span>";
    return out;
}

std::string Oli_Glyphs_Plain(const std::vector<OliGlyphItem>& g, size_t from, size_t to) {
    std::string out;
    for (size_t i = from; i < to && i < g.size(); ++i) Append_Glyph(out, g[i].c == '\t' ? ' ' : g[i].c, false);
    return out;
}

bool Oli_Glyphs_Label(const std::vector<OliGlyphItem>& g) {
    for (size_t i = g.size(); i-- > 0;)
        if (g[i].c != ' ' && g[i].c != '\t') return g[i].c == ':';
    return false;
}

std::string OLI_Markup_To_Pango(const std::string& text) {
    std::vector<OliGlyphItem> g = Oli_Markup_Glyphs(text);
    return Oli_Glyphs_Pango(g, 0, g.size());
}

std::string OLI_Plain_Text(const std::string& text) {
    std::vector<OliGlyphItem> g = Oli_Markup_Glyphs(text);
    return Oli_Glyphs_Plain(g, 0, g.size());
}
