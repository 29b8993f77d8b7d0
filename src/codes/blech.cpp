// The plate record: clear, copy, compare, the data check of its dimensions
// and material, the 80 mm rule, the input-file block and the print text.
//
// The data check never stops the program and never changes a dimension: it
// reports through the print list and message boxes and returns 1; only the
// material refresh corrects values.
#include "codes/blech.h"

#include <cmath>
#include <cstring>

#include "base/cp850.h"
#include "base/stored_text.h"
#include "base/textio.h"
#include "dialogs/messages.h"
#include "printlist/oli_para.h"
#include "printlist/verdict.h"

namespace {

// One dimension below its minimum of 1 mm: line and message.
void Report_Too_Small(FILE* oli, int show_messages, const char* pre, const char* what, const char* symbol,
                      double value) {
    if (oli)
        OLI_printf(oli, "%s%s%s %s = %.1lf mm < %.0lf mm  %s\n", Check_Line_Prefix, pre, what, symbol, value, 1.0,
                   Mark_Not_Ok());
    // A box in an interactive run; in batch mode the message service writes
    // the text to stderr, never a window.
    if (show_messages) Message_in_Mode(MESSAGE_MODE_BOX, "%s%s %s = %.1lf mm < %.0lf mm", pre, what, symbol, value, 1.0);
}

}  // namespace

void Clear_Plate(Blech_Record* p) {
    if (!p) return;
    Clear_Material_Params(&p->material);
    p->t = p->b = p->l = 0.0;
}

void Copy_Plate(const Blech_Record* source, Blech_Record* target) {
    if (!target || source == target) return;
    Clear_Plate(target);
    if (!source) return;
    Copy_Material_Params(&source->material, &target->material);
    target->t = source->t;
    target->b = source->b;
    target->l = source->l;
}

int Plates_Equal(const Blech_Record* a, const Blech_Record* b) {
    if (!a || !b) return 0;
    if (std::fabs(a->b - b->b) > 0.01 || std::fabs(a->t - b->t) > 0.01 || std::fabs(a->l - b->l) > 0.01) return 0;
    return Material_Params_Equal(&a->material, &b->material);
}

int Check_Plate_And_Material(Blech_Record* p, FILE* oli, int show_messages, int mask, const char* prefix) {
    if (!p) return 0;
    const char* pre = prefix ? prefix : "";
    int result = 0;
    if ((mask & PLATE_THICKNESS) && p->t < 1.0) {
        Report_Too_Small(oli, show_messages, pre, "Blechdicke", "t", p->t);
        result = 1;
    }
    if ((mask & PLATE_LENGTH) && p->l < 1.0) {
        Report_Too_Small(oli, show_messages, pre, "Blechlänge"_cp, "l", p->l);
        result = 1;
    }
    if ((mask & PLATE_WIDTH) && p->b < 1.0) {
        Report_Too_Small(oli, show_messages, pre, "Blechbreite", "b", p->b);
        result = 1;
    }
    if (mask & PLATE_MATERIAL) {
        if (Check_Material_Params(&p->material, p->t, oli, show_messages, prefix)) result = 1;
    } else {
        Check_Material_Params(&p->material, p->t, nullptr, 0, prefix);
    }
    return result;
}

int Check_Plate_Thickness_80(Blech_Record* p, const char* prefix, int show_message) {
    if (!p || p->material.own_values) return 0;
    if (p->t > 80.1) {
        if (show_message)
            Message_in_Mode(MESSAGE_MODE_BOX, "%sBlechdicke t = %.1lf mm > 80 mm -> Vorgabe der Stahlparameter notwendig",
                         prefix ? prefix : "", p->t);
        p->material.own_values = 1;
        return 1;
    }
    if (p->t > 80.0) p->t = 80.0;
    return 0;
}

int Write_Plate(FILE* f, const Blech_Record* p) {
    if (!f || !p) return 1;
    if (std::fprintf(f, " %d\n", 0) < 0) return 1;
    if (std::fprintf(f, " %lf %lf %lf\n", p->t, p->b, p->l) < 0) return 1;
    return Write_Material_Params(f, &p->material);
}

int Read_Plate(FILE* f, Blech_Record* p) {
    if (!f || !p) return 1;
    int version = 0;
    if (Scan_Int_Word(f, &version) != 1) return 1;
    if (version < 0 || !Check_File_Version(version, 0, 0)) return 1;
    // Decimal numbers only, each a whole word: a size "inf", "nan" or with a
    // damaged byte is a damaged file, not a plate that every rule then lets
    // through. (A thickness below 1 mm is the plate check's error line.)
    if (Scan_Double_Word(f, &p->t) != 1 || Scan_Double_Word(f, &p->b) != 1 || Scan_Double_Word(f, &p->l) != 1)
        return 1;
    return Read_Material_Params(f, &p->material);
}

void Print_Plate(const Blech_Record* p, FILE* oli, int mask, int with_calc_values, const char* subscript) {
    if (!p || !oli || mask == 0) return;
    const char* sub = subscript ? subscript : "";
    const char* separator = "";
    OLI_printf(oli, "%s", Check_Line_Prefix);
    if (mask & PLATE_THICKNESS) {
        OLI_printf(oli, "%sDicke t╬\\%s╬r = %.1lf mm"_cp, separator, sub, p->t);
        separator = ",  ";
    }
    if (mask & PLATE_WIDTH) {
        OLI_printf(oli, "%sBreite b╬\\%s╬r = %.1lf mm"_cp, separator, sub, p->b);
        separator = ",  ";
    }
    if (mask & PLATE_LENGTH) {
        OLI_printf(oli, "%sLänge l╬\\%s╬r = %.1lf mm"_cp, separator, sub, p->l);
        separator = ",  ";
    }
    if (!(mask & PLATE_MATERIAL)) {
        OLI_printf(oli, "\n");
        return;
    }
    if (!p->material.own_values && !with_calc_values) OLI_printf(oli, "%s", separator);
    else OLI_printf(oli, "\n");
    Print_Material_Params_Text(&p->material, oli, mask & (PLATE_BETA_W | PLATE_E), with_calc_values, subscript);
}
