// Pictures of one stored symbol.
#include "printlist/oli_symbol_picture.h"

#include "base/vesk.h"
#include "platform/oli_graphic_records.h"
#include "platform/oli_layout.h"
#include "printlist/ioliwrt.h"
#include "printlist/oli_checks.h"

// Head, extent and the symbol record; with a frame its four lines; the
// end line and the move back.
static void Symbol_Picture(FILE* stream, double w, double h, const char* name, bool framed, const char* writer) {
    if (!stream) return;
    Oli_Input_Check check(writer);
    check.Size(w).Size(h).Require(name != nullptr, "kein Symbolname").Text(name, 255);
    if (!check.Ok()) return;
    Safe_Fprintf(stream, "\n#SHOWGRAFIC\n 0 0 0\n 0 0 0\n%d\n", -1);
    Safe_Fprintf(stream, "0 %.1lf 0 %.1lf\n", w, h);
    Safe_Fprintf(stream, " %d 0 %.1lf %%FONT%%\\%s%s\n", OLI_REC_SYMBOL, h, framed ? "" : Oli_Get_Table_Title(), name);
    if (framed) {
        const double x[5] = {0.0, 0.0, w, w, 0.0}, y[5] = {0.0, h, h, 0.0, 0.0};
        for (int i = 0; i < 4; i++)
            Safe_Fprintf(stream, " %d  %lf %lf %lf %lf\n", OLI_REC_LINE, x[i], y[i], x[i + 1], y[i + 1]);
    }
    Safe_Fprintf(stream, "%d\n", -1);
    OLI_setYPositionCM(stream, 1, -0.3);
}

void Oli_Picture_Symbol(FILE* stream, double width, double height, const char* name) {
    Symbol_Picture(stream, width, height, name, false, "Oli_Picture_Symbol");
}

void Oli_Framed_Symbol_Picture(FILE* stream, double width, double height, const char* name) {
    Symbol_Picture(stream, width, height, name, true, "Oli_Framed_Symbol_Picture");
}
