// Older block forms of the text writers (see ioliwrt_old.h). They go out
// through Safe_Fprintf like the graphic records; the moves back up go
// through the layout library.
#include <cstring>
#include <string>

#include "base/cp850.h"
#include "base/vesk.h"
#include "platform/oli_layout.h"
#include "printlist/ioliwrt_old.h"

// The text with its newline, appended when missing.
static std::string With_Newline(const char* text) {
    std::string t = text ? text : "";
    if (t.empty() || t.back() != '\n') t += '\n';
    return t;
}

void Oli_Text_Line_Old(FILE* stream, const char* text) {
    if (!stream) return;
    std::string t = With_Newline(text);
    bool underscore = t.find("╬_"_cp) != std::string::npos;
    Safe_Fprintf(stream, "#SHOWTABLE\n 0 0 0\n 0 0 -1 -1\n");
    Safe_Fprintf(stream, " %s", t.c_str());
    if (underscore) Safe_Fprintf(stream, " \n");
    Safe_Fprintf(stream, "#END_OF_TEXT\n");
    if (underscore) OLI_setYPositionCM(stream, OLI_Y_RELATIVE, -0.38);
    OLI_setYPositionCM(stream, OLI_Y_RELATIVE, -0.6011333);
}

// A block that holds only its title line.
static void Title_Block(FILE* stream, const char* flags, const char* text, double move) {
    if (!stream) return;
    Safe_Fprintf(stream, "#SHOWTABLE\n%s\n", flags);
    Safe_Fprintf(stream, " %s", With_Newline(text).c_str());
    Safe_Fprintf(stream, " 0 0 0 0\n");
    OLI_setYPositionCM(stream, OLI_Y_RELATIVE, move);
}

void Oli_Text_Paragraph_Old(FILE* stream, const char* text) { Title_Block(stream, " 0 0 1", text, -0.85); }

void Oli_Text_Big_Old(FILE* stream, const char* text) { Title_Block(stream, " 1 0 0", text, -0.9); }
