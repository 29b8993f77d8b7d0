// The letters the print list's font draws as formula signs, and the box
// that refuses them in a typed text.
#include "dialogs/print_font_signs.h"

#include <cstdio>

#include "base/cp850.h"
#include "platform/msgbox.h"
#include "platform/oli_view.h"

// The viewer draws the list with the print font: its own signs are what
// the list shows.
bool Print_Font_Redraws(unsigned char byte) { return OLI_Glyph_Is_Print_Sign(byte); }

std::string Print_Font_Signs_In(const char* text, size_t n) {
    std::string found;
    if (!text) return found;
    for (size_t i = 0; i < n; ++i) {
        const unsigned char c = static_cast<unsigned char>(text[i]);
        if (Print_Font_Redraws(c) && found.find(static_cast<char>(c)) == std::string::npos)
            found += static_cast<char>(c);
    }
    return found;
}

std::string Print_Font_Sign_Names(const std::string& bytes) {
    std::string names;
    for (char c : bytes) {
        char byte[16];
        std::snprintf(byte, sizeof byte, "0x%02X", static_cast<unsigned>(static_cast<unsigned char>(c)));
        names += (names.empty() ? "\"" : ", \"") + std::string(1, c) + "\" (Byte " + byte + ")";
    }
    return names;
}

std::string Print_Font_Sign_List(void) {
    // The letters before 0xB0 by themselves; after them the font's frame
    // and block bytes, which the screen's own font draws as symbols too, by
    // their count and range.
    std::string list;
    int more = 0, first = 0, last = 0;
    for (int b = 0x80; b <= 0xFF; ++b) {
        if (!Print_Font_Redraws(static_cast<unsigned char>(b))) continue;
        if (b < 0xB0) {
            list += (list.empty() ? "" : " ") + std::string(1, static_cast<char>(b));
            continue;
        }
        if (!more++) first = b;
        last = b;
    }
    if (more > 0) {
        char tail[96];
        std::snprintf(tail, sizeof tail, " und %d weitere Zeichen der Bytes 0x%02X bis 0x%02X", more, first, last);
        list += tail;
    }
    return list;
}

bool Refuse_Print_Font_Signs(const char* text, size_t n, const char* kept) {
    const std::string found = Print_Font_Signs_In(text, n);
    if (found.empty()) return false;
    const std::string head = (found.size() == 1 ? "Das Zeichen " : "Die Zeichen ") + Print_Font_Sign_Names(found) +
                             (found.size() == 1 ? " kann nicht eingegeben werden:" : " können nicht eingegeben werden:"_cp);
    const std::string why = (found.size() == 1 ? "der Ausdruck zeigt an seiner Stelle ein Formelzeichen."
                                               : "der Ausdruck zeigt an ihrer Stelle Formelzeichen.");
    const std::string all = "Nicht eingegeben werden können: "_cp + Print_Font_Sign_List();
    PrintTitledMessage(VEK_REFUSAL_TITLE, "%s\n%s\n%s\n%s", head.c_str(), why.c_str(), all.c_str(), kept ? kept : "");
    return true;
}
