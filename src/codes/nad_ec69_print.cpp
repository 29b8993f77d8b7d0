// The print tables of the EN 1996 and EN 1999 blocks.
#include <cstdio>

#include "base/cp850.h"
#include "codes/nad.h"
#include "codes/nad_print.h"
#include "codes/nad_rules.h"
#include "platform/oli_layout.h"

void NAD_EC6_Visibility(int* a, int* b) {
    if (NAD_Rules_Listed()) {
        *a = NAD_Rule_Shown(6, 0);
        *b = NAD_Rule_Shown(6, 1);
        return;
    }
    const int program = Find_Current_Application_NAD();
    *a = 1;
    *b = program == 100 || program == 94;
}

void NAD_EC9_Visibility(int* a, int* b, int* c) {
    const int listed = NAD_Rules_Listed();
    *a = listed ? NAD_Rule_Shown(9, 0) : 1;
    *b = listed ? NAD_Rule_Shown(9, 1) : 1;
    *c = listed ? NAD_Rule_Shown(9, 2) : 1;
}

void Print_NAD_EC6(FILE* f) {
    if (!f) return;
    const NAD_EC6_Block* b = Get_NAD_EC6();
    int a = 1, rows_b = 0;
    NAD_EC6_Visibility(&a, &rows_b);
    OLI_setFlags(f, 0x380);
    OLI_reserveSpaceCM(f, 6.0);
    NAD_Print_Chapter_Title(f);
    OLI_setYPositionCM(f, 1, -0.5);
    NAD_Print_Norm_Title(f, 22, 0);
    OLI_setYPositionCM(f, 1, -0.5);
    OLI_setMarginsCM(f, 1, 0.0, 0.0);
    NAD_Print_Table_Head(f);
    if (a) {
        const NAD_Table_Row persistent[] = {
            {" 2.4.3                                      Teilsicherheitsbeiwerte für Mauerwerk\n"_cp, 0},
            {"                                            im Grenzzustand der Tragfähigkeit für die\n"_cp, 0},
            {"              └╬\\M╬r = %-5.2lf                    - ständige und vorübergehende Bemessungssituation\n"_cp,
             b->gamma_M_persistent},
        };
        const NAD_Table_Row accidental[] = {
            {"              └╬\\M╬r = %-5.2lf                    - außergewöhnliche Bemessungssituation\n"_cp,
             b->gamma_M_accidental},
            {"              └╬\\M╬r = %-5.2lf                    - Erdbeben-Bemessungssituation\n"_cp,
             b->gamma_M_seismic},
        };
        const NAD_Table_Row serviceability[] = {
            {" 2.4.4        └╬\\M╬r = %-5.2lf                    im Grenzzustand der Gebrauchstauglichkeit\n"_cp,
             b->gamma_M_ser},
        };
        NAD_Print_Rows(f, persistent, 3);
        if (rows_b) NAD_Print_Rows(f, accidental, 2);
        NAD_Print_Rows(f, serviceability, 1);
    }
    std::fputs("#END_OF_TEXT\n", f);
}

void Print_NAD_EC9(FILE* f) {
    if (!f) return;
    const NAD_EC9_Block* b = Get_NAD_EC9();
    int a = 1, rows_b = 1, c = 1;
    NAD_EC9_Visibility(&a, &rows_b, &c);
    OLI_setFlags(f, 0x380);
    OLI_reserveSpaceCM(f, 6.0);
    NAD_Print_Norm_Title(f, 29, 0);
    OLI_setYPositionCM(f, 1, -0.5);
    NAD_Print_Table_Head(f);
    if (a) {
        std::fputs(" 6.1.3(1)     Teilsicherheitsbeiwerte für   Querschnitte / Bauteile \n"_cp, f);
        NAD_Print_Factor_Row(f, "M0", b->gamma_M0, "Querschnittsversagen");
        NAD_Print_Factor_Row(f, "M1", b->gamma_M1, "Stabilitätsversagen"_cp);
        if (rows_b) NAD_Print_Factor_Row(f, "M2", b->gamma_M2, "Bruchversagen infolge Zug");
    }
    std::fputs(" 6.2.1(5)     Beanspruchbark. d. Querschn.\n", f);
    std::fprintf(f, "              %-7.7s = %-5.2lf               %-40s\n", "C", b->C, "Konstante, ANMERKUNG 2");
    if (a && c) {
        std::fputs(" 8.1.1(2)     Teilsicherheitsbeiwerte für   Anschlüsse\n"_cp, f);
        NAD_Print_Factor_Row(f, "Mp", b->gamma_Mp, "Bolzenverbindungen");
        NAD_Print_Factor_Row(f, "Mw", b->gamma_Mw, "Schweißverbindungen"_cp);
        NAD_Print_Factor_Row(f, "Ms,ser", b->gamma_Ms_ser, "Gleitwiderstand im GZ d. Gebrauchst.");
        NAD_Print_Factor_Row(f, "Ms,ult", b->gamma_Ms_ult, "Gleitwiderstand im GZ d. Tragf.");
        NAD_Print_Factor_Row(f, "Ma", b->gamma_Ma, "Geklebte Verbindungen");
        NAD_Print_Factor_Row(f, "Mp,ser", b->gamma_Mp_ser, "Bolzen im GZ d. Gebrauchst.");
    }
    std::fputs("\n#END_OF_TEXT\n", f);
}

