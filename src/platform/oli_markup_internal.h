// The marked-up text of a print list as a run of styled glyphs, shared by
// the viewer's reader (oli_view.cpp) and its renderer (oli_render*.cpp);
// not for other modules.
#ifndef PLATFORM_OLI_MARKUP_INTERNAL_H
#define PLATFORM_OLI_MARKUP_INTERNAL_H

#include <string>
#include <vector>

struct OliStyle {
    bool bold = false, italic = false, underline = false, sup = false, sub = false, heading = false,
         small = false;
    int colour = -1;  // packed r g b, -1 for the text colour
    bool operator==(const OliStyle&) const = default;
};

// Glyphs beyond the code page's bytes: the perpendicular and parallel signs
// of the weld stresses.
enum : int { OLI_GLYPH_PERPENDICULAR = 0x100, OLI_GLYPH_PARALLEL = 0x101 };

// One visible character: a code page 850 byte of the print font, '\t' for a
// tab, or one of the glyphs above.
struct OliGlyphItem {
    OliStyle style;
    int c = 0;
};

// The visible characters of a marked-up text with the style each is shown
// in; a failed-check mark ("╬b!!" without a colour of its own) is red.
std::vector<OliGlyphItem> Oli_Markup_Glyphs(const std::string& text);

// Pango markup (UTF-8) of the glyphs [from, to); a blank marked in `glued`
// (same indices) becomes a no-break space.
std::string Oli_Glyphs_Pango(const std::vector<OliGlyphItem>& g, size_t from, size_t to,
                             const std::vector<bool>* glued = nullptr);

// The UTF-8 text of the glyphs [from, to), tabs as blanks.
std::string Oli_Glyphs_Plain(const std::vector<OliGlyphItem>& g, size_t from, size_t to);

// Whether the glyphs are a label: their last visible character is a colon
// ("c/t-Verhältnis bzgl. Q-Klasse 3:", "Koordinatenbezugspunkt:"), so that
// what follows them is what they name.
bool Oli_Glyphs_Label(const std::vector<OliGlyphItem>& g);

#endif
