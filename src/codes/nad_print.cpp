// Blocks shared by the annex print tables.
#include <cstdio>
#include <cstring>

#include "base/cp850.h"
#include "codes/nad.h"
#include "codes/nad_norm.h"
#include "codes/nad_print.h"
#include "platform/oli_layout.h"

void NAD_Print_Table_Head(FILE* f) {
    std::fputs("#SHOWTABLE\n0 0 0\n1 0 -1 -1 2\n 12 42\n", f);
    std::fputs(" Kapitel      Wert                          Bedeutung\n", f);
}

void NAD_Print_Chapter_Title(FILE* f) {
    std::fputs("#SHOWTABLE\n1 1 0\n", f);
    std::fputs(" Ausgewählte Bemessungsparameter des nationalen Anhangs\n"_cp, f);
    std::fprintf(f, " %s\n", Get_Active_NAD_Name());
    std::fputs("0 0 -1 -1\n#END_OF_TEXT\n", f);
}

void NAD_Print_Norm_Title(FILE* f, int norm, int with_annex) {
    std::fprintf(f, "#SHOWTABLE\n0 0 1\n %s", Get_Norm_Name(norm, 0, 0));
    if (with_annex) std::fprintf(f, ", NA %s", Get_Active_NAD_Name());
    std::fputs("\n0 0 -1 -1\n#END_OF_TEXT\n", f);
}

void NAD_Print_Factor_Row(FILE* f, const char* subscript, double value, const char* meaning) {
    char symbol[32];
    std::snprintf(symbol, sizeof symbol, "\xC0╬\\%s╬r"_cp, subscript);
    std::fprintf(f, "              %-11.11s = %-5.2lf               %-40s\n", symbol, value, meaning);
}

void NAD_Print_Rows(FILE* f, const NAD_Table_Row* rows, int count) {
    for (int k = 0; k < count; ++k) {
        if (std::strchr(rows[k].format, '%'))
            std::fprintf(f, rows[k].format, rows[k].value);
        else
            std::fputs(rows[k].format, f);
    }
}
