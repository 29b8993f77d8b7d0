// Fill-pattern chart of the print-list viewer.
#include "printlist/oli_fill_chart.h"

#include <cstdio>

#include "base/cp850.h"
#include "base/filenames.h"
#include "base/vesk.h"
#include "platform/oli_view.h"
#include "printlist/ioliplot.h"
#include "printlist/ioliwrt.h"

int Oli_Choose_Fill_Pattern(FILE* stream) {
    if (!stream) return 0;
    Oli_Text_Line(stream, "%s", "╬bAuswahl an Füllmustern zur Schichtdarstelllung im Ausdruck:"_cp);
    Oli_Grafik_Begin_Plain(stream, 0.0, 26.0, 15.0, 0.0, 1.0, 1.0);
    double x = 0.0, y = 0.0;
    for (int i = 0; i <= 64; i++) {
        Oli_Fill_Record(i);
        Oli_Filled_Rect(x, y, x + 2.5, y + 2.0);
        Oli_Rect_Outline(x, y, x + 2.5, y + 2.0);
        Oli_Fill_Record(0);
        Oli_Filled_Rect(x + 1.0, y + 0.75, x + 1.5, y + 1.25);
        char number[8];
        std::snprintf(number, sizeof number, "%d", i);
        Oli_Text_Box(x + 1.25, y + 1.0, number);
        if (x < 12.5) {
            x += 2.5;
        } else {
            x = 0.0;
            y += 2.0;
        }
    }
    return Safe_Fprintf(stream, " -1\n");
}

int Show_Fill_Patterns(void) {
    FILE* file = Fopen_Base(".TMP", "w");
    if (!file) return 0;
    int written = Oli_Choose_Fill_Pattern(file);
    if (std::fclose(file) != 0 || written < 0) return 0;
    char path[262];
    if (!Make_Base_Path(path, ".TMP", static_cast<int>(sizeof path))) return 0;
    return Quick_OLI_View(Get_File_Base(), path);
}
