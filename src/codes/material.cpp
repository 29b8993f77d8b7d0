// Material parameters of the weld program: the record family (clear, copy,
// refresh and check, compare, file block, print texts) and the weld grade
// table of 26 structural steel grades.
//
// Three kinds of material share the record: the weld grade table (kind 0),
// the steel catalogue through the 11-entry steel choice list (kind 1) and the
// aluminium catalogue (kind 2). The record always keeps the values the last
// refresh produced; a failed check reports and returns 1, it never stops.
//
// A kind-1 grade is an entry of the choice list, not a weld grade index: it
// is resolved through the list to the catalogue row it names, and its beta_w
// is the fillet-weld correlation factor of that grade, not the catalogue's
// DIN weld factor alpha_w.
#include "codes/material.h"

#include <cassert>
#include <cstdarg>
#include <cstdio>
#include <cmath>
#include <cstring>
#include <string>
#include <utility>

#include "base/cp850.h"
#include "base/stored_text.h"
#include "base/textio.h"
#include "codes/alguete.h"
#include "codes/nad.h"
#include "codes/stguete.h"
#include "platform/field_number.h"
#include "platform/format.h"
#include "dialogs/messages.h"
#include "printlist/oli_para.h"
#include "printlist/verdict.h"

namespace {

constexpr double kSteelE = 210000.0;
constexpr double kAluminiumE = 70000.0;
constexpr double kShearFactor = 0.3846153846153846;  // G = E / 2.6
constexpr double kNu = 0.3;

struct WeldGrade {
    const char* name;  // 16 characters, blank-padded
    double f_y40, f_u40;
    double f_y80, f_u80;
    double beta_w;
};

// Rows 26 and 27 are kept with the table but read by nothing here.
const WeldGrade kWeldGrades[WELD_GRADE_COUNT + 2] = {
    {"S235           ", 235, 360, 215, 360, 0.8},   {"S275           ", 275, 430, 255, 410, 0.85},
    {"S355           ", 355, 490, 335, 470, 0.9},   {"S450           ", 440, 550, 410, 550, 1.0},
    {"S275 N/NL      ", 275, 390, 255, 370, 0.85},  {"S355 N/NL      ", 355, 490, 335, 470, 0.9},
    {"S420 N/NL      ", 420, 520, 390, 520, 1.0},   {"S460 N/NL      ", 460, 540, 430, 540, 1.0},
    {"S275 M/ML      ", 275, 370, 255, 360, 0.85},  {"S355 M/ML      ", 355, 470, 335, 450, 0.9},
    {"S420 M/ML      ", 420, 520, 390, 500, 1.0},   {"S460 M/ML      ", 460, 540, 430, 530, 1.0},
    {"S235 W         ", 235, 360, 215, 340, 0.8},   {"S355 W         ", 355, 490, 335, 490, 0.9},
    {"S460 Q/QL/QL1  ", 460, 570, 440, 550, 1.0},   {"S235 H         ", 235, 360, 215, 340, 0.8},
    {"S275 H         ", 275, 430, 255, 410, 0.85},  {"S355 H         ", 355, 510, 335, 490, 0.9},
    {"S275 NH/NLH    ", 275, 390, 255, 370, 0.85},  {"S355 NH/NLH    ", 355, 490, 335, 470, 0.9},
    {"S420 NH/NLH    ", 420, 540, 390, 520, 1.0},   {"S460 NH/NLH    ", 460, 560, 430, 550, 1.0},
    {"S275 MH/MLH    ", 275, 360, 0, 0, 0.85},      {"S355 MH/MLH    ", 355, 470, 0, 0, 0.9},
    {"S420 MH/MLH    ", 420, 500, 0, 0, 1.0},       {"S460 MH/MLH    ", 460, 530, 0, 0, 1.0},
    {"1.4301         ", 210, 520, 210, 520, 1.0},   {"1.4401         ", 220, 520, 220, 520, 1.0},
};

// The steel choice list of the material sheet (kind 1).
char steel_choice[STEEL_CHOICE_COUNT][STEEL_CHOICE_NAME_SIZE + 1];
int steel_choice_filled = 0;

// Catalogue row of every choice-list entry; a separator stands for the
// entry above it.
const int kChoiceRows[STEEL_CHOICE_COUNT] = {5, 6, 7, 7, 8, 10, 12, 12, 9, 11, 13};

// Ring of short-lived name buffers.
char name_ring[10][20];
int name_ring_index = 0;

char* Take_Ring_Buffer() {
    char* b = name_ring[name_ring_index];
    name_ring_index = (name_ring_index + 1) % 10;
    b[0] = '\0';
    return b;
}

const char* Prefix_Or_Empty(const char* prefix) { return prefix ? prefix : ""; }

std::string Trimmed(const char* text, size_t size) {
    std::string s(text, strnlen(text, size));
    while (!s.empty() && s.back() == ' ') s.pop_back();
    return s;
}

std::string Trimmed_Name(const Materialparameter_Record* m) { return Trimmed(m->name, sizeof m->name); }

void Pad_Name(Materialparameter_Record* m) {
    m->name[MATERIAL_NAME_SIZE - 1] = '\0';
    Pad_Blank(m->name, MATERIAL_NAME_SIZE);
}

// The national beta_w rule: with a national variant the S420 grades take
// 0.88 and S450 and the S460 grades 0.85.
double National_Beta_W(int grade, double beta_w) {
    const NAD_EC3_Block* ec3 = Get_NAD_EC3();
    if (!ec3 || ec3->variant == 0) return beta_w;
    if (Is_Grade_S420(grade)) return 0.88;
    if (Is_Grade_S460(grade)) return 0.85;
    return beta_w;
}

// A failed check: the line into the print list when one is given, the
// message when asked.
void Report(FILE* oli, int show_messages, const std::string& line_text, const std::string& message_text) {
    if (oli) OLI_printf(oli, "%s%s  %s\n", Check_Line_Prefix, line_text.c_str(), Mark_Not_Ok());
    // A box in an interactive run, a line on stderr in batch mode.
    if (show_messages) Message_in_Mode(MESSAGE_MODE_BOX, "%s", message_text.c_str());
}

std::string Format(const char* format, ...) __attribute__((format(printf, 1, 2)));
std::string Format(const char* format, ...) {
    char buffer[512];
    va_list args;
    va_start(args, format);
    VEK_Format_Bounded_V(buffer, sizeof buffer, format, args);
    va_end(args);
    return buffer;
}

// Catalogue row (DIN family) of a kind-1 grade, -1 when it names none.
int Kind1_Row(int grade) { return Steel_Choice_To_Stahlguete_Code(grade); }

// The strengths of the thickness range of t: up to 40 mm, up to 80 mm,
// above. Stainless steel has one pair for every thickness, its first: a
// part of it is checked with the same strengths whoever asks.
void Select_Thickness_Range(Materialparameter_Record* m, double t) {
    if (m->kind != 2 && m->grade >= WELD_GRADE_STAINLESS) t = 0.0;
    if (t < 40.001) {
        m->f_y = m->f_y1;
        m->f_u = m->f_u1;
    } else if (t < 80.001) {
        m->f_y = m->f_y2;
        m->f_u = m->f_u2;
    } else {
        m->f_y = m->f_y3;
        m->f_u = m->f_u3;
    }
}

// A value as the input file keeps it ("%lf", six decimals). The checks of
// own values decide on it, so that a record read back from its save is
// refused or taken exactly as before the save: rounding never decides.
double As_Stored(double v) {
    char text[400];
    std::snprintf(text, sizeof text, "%lf", v);
    return std::strtod(text, nullptr);
}

// Steel own values: range by thickness (stainless steel always range 1). A
// refused yield strength ends the check: f_u is then neither compared with it
// nor raised to it.
int Check_Own_Steel(Materialparameter_Record* m, double t, FILE* oli, int show, const char* pre) {
    Select_Thickness_Range(m, t);
    const double f_y = As_Stored(m->f_y), f_u = As_Stored(m->f_u);
    if (f_y < 1.0) {
        Report(oli, show, Format("%sStreckgrenze f╬\\y╬r = %.1lf N/mm² < %.0lf N/mm²"_cp, pre, m->f_y, 1.0),
               Format("%sStreckgrenze fy = %.1lf N/mm² < %.0lf N/mm²"_cp, pre, m->f_y, 1.0));
        return 1;
    }
    if (f_y - 0.001 > f_u) {
        Report(oli, show,
               Format("%sZugfestigkeit f╬\\u╬r = %.1lf N/mm² < Streckgrenze f╬\\y╬r = %.1lf N/mm²"_cp, pre, m->f_u,
                      m->f_y),
               Format("%sZugfestigkeit fu = %.1lf N/mm² < Streckgrenze fy = %.1lf N/mm²"_cp, pre, m->f_u, m->f_y));
        return 1;
    }
    if (m->f_y > m->f_u) m->f_u = m->f_y;
    return 0;
}

int Check_Own_Aluminium(Materialparameter_Record* m, FILE* oli, int show, const char* pre) {
    m->f_y = m->f_y1;
    m->f_u = m->f_u1;
    const double f_y = As_Stored(m->f_y), f_u = As_Stored(m->f_u);
    if (f_y < 1.0) {
        Report(oli, show, Format("%s0,2%%-Dehngrenze f╬\\o╬r = %.1lf N/mm² < %.0lf N/mm²"_cp, pre, m->f_y, 1.0),
               Format("%s0,2%%-Dehngrenze fo = %.1lf N/mm² < %.0lf N/mm²"_cp, pre, m->f_y, 1.0));
        return 1;
    }
    if (f_y - 1.0 > f_u) {
        Report(oli, show,
               Format("%sZugfestigkeit f╬\\u╬r = %.1lf N/mm² < f╬\\o╬r = %.0lf N/mm²"_cp, pre, m->f_u, m->f_y),
               Format("%sZugfestigkeit fu = %.1lf N/mm² < fo = %.0lf N/mm²"_cp, pre, m->f_u, m->f_y));
        return 1;
    }
    if (m->f_y > m->f_u) m->f_u = m->f_y;
    return 0;
}

// Kind 1: the catalogue row the choice-list entry names.
int Refresh_Steel_Catalogue(Materialparameter_Record* m, double t) {
    int result = 0;
    if (m->grade < 0) {
        m->grade = 0;
        result = 1;
    }
    // Stainless steel keeps its number in a record of the list, which has
    // no row for it: its strengths and modulus are its own, as in the weld
    // grade table.
    if (m->grade == WELD_GRADE_STAINLESS) {
        m->alpha_T = 1.2;
        return result;
    }
    if (m->grade == 3 || m->grade == 7 || m->grade == 11) --m->grade;
    const int row = Kind1_Row(m->grade);
    if (row >= 0) {
        const unsigned int code = static_cast<unsigned int>(row);
        const double f_u = Get_Stahlguete_Record(code)->f_u;
        m->f_y = Get_Stahlguete_fy(code, t);
        m->f_u = f_u;
        m->f_y1 = Get_Stahlguete_fy(code, 1.0);
        m->f_y2 = Get_Stahlguete_fy(code, 41.0);
        m->f_y3 = Get_Stahlguete_fy(code, 81.0);
        m->f_u1 = m->f_u2 = m->f_u3 = f_u;
        const int weld_grade = Stahlguete_Code_To_Grade_Index(row);
        assert(weld_grade >= 0);
        m->beta_w = National_Beta_W(weld_grade, kWeldGrades[weld_grade].beta_w);
    }
    m->E = kSteelE;
    m->alpha_T = 1.2;
    return result;
}

void Refresh_Aluminium(Materialparameter_Record* m) {
    const Aluguete_Record* a = Get_Aluguete_Record(static_cast<unsigned int>(m->grade));
    m->f_y = m->f_y1 = m->f_y2 = m->f_y3 = a->f_o;
    m->f_u = m->f_u1 = m->f_u2 = m->f_u3 = a->f_u;
    m->beta_w = 0.0;
    m->E = kAluminiumE;
    m->alpha_T = 2.3;
}

// Kind 0: the weld grade table. The EN 10219 MH/MLH grades have no values
// above 40 mm; such a material cannot be checked and is reported.
int Refresh_Weld_Table(Materialparameter_Record* m, double t, FILE* oli, int show, const char* pre) {
    int result = 0;
    if (m->grade < 0) {
        m->grade = 0;
        m->beta_w = 0.8;
        result = 1;
    }
    if (m->grade < WELD_GRADE_COUNT) {
        const WeldGrade& g = kWeldGrades[m->grade];
        if (t >= 40.001) {
            m->f_y = g.f_y80;
            m->f_u = g.f_u80;
        } else {
            m->f_y = g.f_y40;
            m->f_u = g.f_u40;
        }
        m->f_y1 = g.f_y40;
        m->f_u1 = g.f_u40;
        m->f_y2 = m->f_y3 = g.f_y80;
        m->f_u2 = m->f_u3 = g.f_u80;
        m->beta_w = g.beta_w;
        m->E = kSteelE;
        if (m->f_y < 1.0) {
            const std::string name = Trimmed(g.name, WELD_GRADE_NAME_SIZE);
            const std::string text = Format(
                "%sStahlgüte %s: keine Festigkeitswerte für t = %.1lf mm > 40 mm, Materialparameter vorgeben"_cp, pre,
                name.c_str(), t);
            Report(oli, show, text, text);
            result = 1;
        }
    }
    m->alpha_T = 1.2;
    if (m->grade < WELD_GRADE_COUNT) m->beta_w = National_Beta_W(m->grade, m->beta_w);
    return result;
}

// The steel strengths by thickness range that the print shows.
void Steel_Ranges(const Materialparameter_Record* m, double fy[3], double fu[3]) {
    fy[0] = m->f_y1, fy[1] = m->f_y2, fy[2] = m->f_y3;
    fu[0] = m->f_u1, fu[1] = m->f_u2, fu[2] = m->f_u3;
    if (m->own_values) return;
    if (m->kind == 0 && m->grade >= 0 && m->grade < WELD_GRADE_COUNT) {
        const WeldGrade& g = kWeldGrades[m->grade];
        fy[0] = g.f_y40, fu[0] = g.f_u40;
        fy[1] = fy[2] = g.f_y80;
        fu[1] = fu[2] = g.f_u80;
    } else if (m->kind == 1) {
        const int row = Kind1_Row(m->grade);
        if (row < 0) return;
        const unsigned int code = static_cast<unsigned int>(row);
        fy[0] = Get_Stahlguete_fy(code, 40.0);
        fy[1] = Get_Stahlguete_fy(code, 80.0);
        fy[2] = Get_Stahlguete_fy(code, 81.0);
        fu[0] = fu[1] = fu[2] = Get_Stahlguete_Record(code)->f_u;
    }
}

// The grade name a steel material prints: the weld grade table's for kind 0,
// the choice-list entry's for kind 1; empty when the grade names none.
const char* Steel_Grade_Print_Name(const Materialparameter_Record* m) {
    if (m->kind != 1) return Get_Weld_Grade_Name(0, m->grade);
    char* b = Take_Ring_Buffer();
    const int row = Kind1_Row(m->grade);
    if (row >= 0) std::snprintf(b, 20, "%.16s", Get_Stahlguete_Name(static_cast<unsigned int>(row)));
    return b;
}

// Head line of a steel material; 1 when the values follow.
int Print_Steel_Head(const Materialparameter_Record* m, FILE* oli, int with_values) {
    const std::string name = Trimmed_Name(m);
    if (m->own_values) {
        OLI_printf(oli, "%s", Check_Line_Prefix);
        if (name.size() > 1) OLI_printf(oli, "%s, ", name.c_str());
        OLI_printf(oli, "Stahlparameter:\n");
        return 1;
    }
    OLI_printf(oli, "%sStahlgüte %s"_cp, Check_Line_Prefix, Steel_Grade_Print_Name(m));
    if (name.size() > 1) OLI_printf(oli, "  (%s)", name.c_str());
    if (m->grade == WELD_GRADE_STAINLESS) OLI_printf(oli, ", Edelstahl");
    if (!with_values) {
        OLI_printf(oli, "\n");
        return 0;
    }
    OLI_printf(oli, ", Rechenparameter:\n");
    return 1;
}

void Print_Beta_W_And_E(const Materialparameter_Record* m, FILE* oli, int bits, const char* sub) {
    if (bits & 0x2)
        OLI_printf(oli, "%sKorrelationsbeiwert für Kehlnähte ╗╬\\w%s╬r = %.2lf\n"_cp, Check_Line_Prefix, sub, m->beta_w);
    if (bits & 0x4) OLI_printf(oli, "%sElastizitätsmodul E╬\\%s╬r = %.1lf N/mm²\n"_cp, Check_Line_Prefix, sub, m->E);
}

void Print_Calc_Values(const Materialparameter_Record* m, FILE* oli, const char* sub) {
    OLI_printf(oli, "%schar. Streckgrenze f╬\\y%s╬r = %.1lf N/mm²\n"_cp, Check_Line_Prefix, sub, m->f_y);
    OLI_printf(oli, "%schar. Zugfestigkeit f╬\\u%s╬r = %.1lf N/mm²\n"_cp, Check_Line_Prefix, sub, m->f_u);
}

void Raise_Indent(double by) { OLI_Set_Para_Indent(OLI_Get_Para_Indent() + by); }

const double kSqrt3 = std::sqrt(3.0);

}  // namespace

// ---- record family -------------------------------------------------------

void Clear_Material_Params(Materialparameter_Record* m) {
    if (!m) return;
    std::memset(m, 0, sizeof *m);
    std::memset(m->name, ' ', MATERIAL_NAME_SIZE - 1);
    m->name[MATERIAL_NAME_SIZE - 1] = '\0';
    m->kind = 0;
    m->E = kSteelE;
    m->G = kShearFactor * kSteelE;
    m->nu = kNu;
    m->alpha_T = 1.2;
    m->beta_w = 0.8;
}

void Default_Material_Params(Materialparameter_Record* m) {
    if (!m) return;
    Clear_Material_Params(m);
    const WeldGrade& g = kWeldGrades[0];
    m->grade = 0;
    m->f_y1 = g.f_y40;
    m->f_u1 = g.f_u40;
    m->f_y2 = m->f_y3 = g.f_y80;
    m->f_u2 = m->f_u3 = g.f_u80;
    m->f_y = m->f_y1;
    m->f_u = m->f_u1;
    m->beta_w = g.beta_w;
    m->effective_grade = 0;
}

void Copy_Material_Params(const Materialparameter_Record* source, Materialparameter_Record* target) {
    if (!target) return;
    if (source == target) return;
    // A source sets every field: clearing first would only be overwritten.
    if (!source) {
        Clear_Material_Params(target);
        return;
    }
    *target = *source;
    target->name[MATERIAL_NAME_SIZE - 1] = '\0';
}

void Init_Material_Params_For_Thickness(const Materialparameter_Record* source, Materialparameter_Record* target,
                                        double t) {
    if (!target) return;
    Copy_Material_Params(source, target);
    if (source) Select_Thickness_Range(target, t);
}

int Check_Material_Params(Materialparameter_Record* m, double t, FILE* oli, int show_messages, const char* prefix) {
    if (!m) return 0;
    const char* pre = Prefix_Or_Empty(prefix);
    int result = 0;

    // Own steel values carry their own range above 80 mm, so only the table
    // and catalogue values are cut at 80 mm; the user's third range is never
    // replaced by the second one.
    const bool own_steel = m->own_values && (m->kind == 0 || m->kind == 1);
    if (own_steel && t > 80.1) {
        // t keeps its value and selects range 3.
    } else if (m->kind == 0 && t > 80.1) {
        // The table has no values above 80 mm: a batch run must see this as
        // much as a user at the screen.
        const std::string text =
            Format("%sStahldicke t = %.1lf mm > 80 mm: Materialparameter überprüfen (ggf. vorgeben)"_cp, pre, t);
        Report(oli, show_messages, text, text);
        result = 1;
    } else if (t > 80.0) {
        t = 80.0;
    }

    // A kind no catalogue knows keeps its values as they are.
    if (m->kind != 0 && m->kind != 1 && m->kind != 2) {
        m->effective_grade = m->grade;
        Pad_Name(m);
        return result;
    }
    if (m->own_values) {
        if (m->kind == 2) {
            result |= Check_Own_Aluminium(m, oli, show_messages, pre);
        } else {
            result |= Check_Own_Steel(m, t, oli, show_messages, pre);
        }
        if (m->E < 1.0) {
            const std::string text = Format("%sE-Modul E = %.1lf N/mm² < %.1lf N/mm²"_cp, pre, m->E, 1.0);
            Report(oli, show_messages, text, text);
            result = 1;
        }
    } else if (m->kind == 1) {
        result |= Refresh_Steel_Catalogue(m, t);
    } else if (m->kind == 2) {
        Refresh_Aluminium(m);
    } else {
        result |= Refresh_Weld_Table(m, t, oli, show_messages, pre);
    }

    m->nu = kNu;
    m->G = kShearFactor * m->E;
    m->effective_grade = m->grade;
    Pad_Name(m);
    return result;
}

int Material_Params_Equal(const Materialparameter_Record* a, const Materialparameter_Record* b) {
    if (!a || !b) return 0;
    if (a->grade != b->grade || a->own_values != b->own_values || a->kind != b->kind) return 0;
    auto near = [](double x, double y) { return std::fabs(x - y) <= 0.01; };
    if (a->own_values) {
        if (!near(a->f_y1, b->f_y1) || !near(a->f_u1, b->f_u1) || !near(a->f_y2, b->f_y2) ||
            !near(a->f_u2, b->f_u2) || !near(a->f_y3, b->f_y3) || !near(a->f_u3, b->f_u3) || !near(a->E, b->E) ||
            !near(a->beta_w, b->beta_w))
            return 0;
    }
    if (!near(a->f_y, b->f_y) || !near(a->f_u, b->f_u) || !near(a->G, b->G) || !near(a->nu, b->nu) ||
        !near(a->alpha_T, b->alpha_T))
        return 0;
    return 1;
}

// ---- input-file block ----------------------------------------------------

Materialparameter_Record Material_Params_As_Filed(const Materialparameter_Record* m) {
    Materialparameter_Record filed = *m;
    if (m->kind != 1) return filed;
    // The file holds no kind, and its readers take the grade as the weld
    // grade table's; a number no entry names stays as it is. Nor does it
    // hold the calculation values: a grade whose refresh sets none (the
    // stainless one) reads back without them.
    const int grade = Steel_Choice_To_Grade_Index(m->grade);
    filed.kind = 0;
    if (grade >= 0) filed.grade = grade;
    filed.f_y = filed.f_u = 0.0;
    return filed;
}

int Write_Material_Params(FILE* f, const Materialparameter_Record* m) {
    if (!f || !m) return 1;
    char name[MATERIAL_NAME_SIZE];
    std::memcpy(name, m->name, MATERIAL_NAME_SIZE);
    name[MATERIAL_NAME_SIZE - 1] = '\0';
    Pad_Blank(name, MATERIAL_NAME_SIZE);  // an empty name would vanish from the file
    Blank_To_Tilde(name);
    if (std::fprintf(f, " %d\n", 2) < 0) return 1;
    const int grade = Material_Params_As_Filed(m).grade;
    if (std::fprintf(f, " %d %d %lf %lf %lf", grade, m->own_values, 0.0, 0.0, m->beta_w) < 0) return 1;
    if (std::fprintf(f, " %lf %lf %lf %lf", m->E, m->nu, m->G, m->alpha_T) < 0) return 1;
    if (std::fprintf(f, " %lf %lf %lf %lf %lf %lf\n", m->f_y1, m->f_u1, m->f_y2, m->f_u2, m->f_y3, m->f_u3) < 0)
        return 1;
    if (std::fprintf(f, " %s\n", name) < 0) return 1;
    return 0;
}

namespace {

// A beta_w the material takes as given (own values of steel, stainless
// steel; the table and the catalogue put their own in its place) outside
// the range the window accepts: named in the refusal. 1 refused.
int Refuse_Beta_W(const Materialparameter_Record* m) {
    const bool steel = m->kind == 0 || m->kind == 1;
    const bool given = m->own_values || (m->kind == 0 && m->grade == WELD_GRADE_STAINLESS);
    if (!steel || !given) return 0;
    return !Input_Value_Holds(RANGE_BETA_W, m->beta_w, "Korrelationsbeiwert ╗╬\\w╬r"_cp, "Korrelationsbeiwert ╗w"_cp,
                              "beta_w");
}

// The own modulus and expansion coefficient of a block with own values,
// held to the ranges the sheet's fields hold them to. 1 refused.
int Refuse_Own_Constants(const Materialparameter_Record* m) {
    if (m->own_values != 1) return 0;
    return !Input_Value_Holds(RANGE_MODULUS, m->E, "E-Modul E", nullptr, "E") ||
           !Input_Value_Holds(RANGE_EXPANSION, m->alpha_T, "Temperaturkoeffizient ║╬\\T╬r"_cp,
                              "Temperaturkoeffizient ║T"_cp, "alpha_T");
}

// The name word of a block: at most the 25 characters the record holds.
// A longer word (no program writes one) is refused with its length, not
// cut: the name is the user's. 1 read, 0 refused or missing.
int Read_Material_Name(FILE* f, char* name) {
    std::string word;
    int c = Fgetc_Skip_Blanks(f);
    for (; c != EOF && c != ' ' && c != '\t' && c != '\n' && c != '\r'; c = std::fgetc(f))
        word.push_back(static_cast<char>(c));
    if (c != EOF) std::ungetc(c, f);
    if (word.empty()) return 0;
    if (word.size() > MATERIAL_NAME_SIZE - 1)
        return Note_Input_Text_Too_Long(word.size(), MATERIAL_NAME_SIZE - 1, "Kennung des Werkstoffs", "material name");
    if (!Input_Text_Free_Of_Markup(word.data(), word.size(), "Kennung des Werkstoffs", "material name")) return 0;
    std::memcpy(name, word.c_str(), word.size() + 1);
    return 1;
}

}  // namespace

const char* Material_Read_Refusal(void) { return Last_Input_Value_Refusal().list.c_str(); }

const char* Material_Read_Refusal_Console(void) { return Last_Input_Value_Refusal().console.c_str(); }

void Clear_Material_Read_Refusal(void) { Clear_Input_Value_Refusal(); }

int Read_Material_Params(FILE* f, Materialparameter_Record* m) {
    Clear_Material_Read_Refusal();
    if (!f || !m) return 1;
    int version = 0;
    if (Scan_Int_Word(f, &version) != 1) return 1;
    if (version < 0 || !Check_File_Version(version, 2, 0)) return 1;
    // Decimal numbers only, each a whole word: "inf", "nan" and a damaged
    // byte ("0X1" read as a hexadecimal number, "12abc") make the block
    // unreadable instead of changing a value.
    auto reals = [f](std::initializer_list<double*> values) {
        for (double* v : values)
            if (Scan_Double_Word(f, v) != 1) return false;
        return true;
    };
    double f_y = 0.0, f_u = 0.0;
    if (Scan_Int_Word(f, &m->grade) != 1 || Scan_Int_Word(f, &m->own_values) != 1 ||
        !reals({&f_y, &f_u, &m->beta_w, &m->E, &m->nu, &m->G, &m->alpha_T}))
        return 1;
    // A grade the weld grade table does not hold (which the refresh would
    // quietly make S235) or an own-values switch other than 0 or 1 is damage.
    if (!Input_Value_Holds(RANGE_SWITCH, m->own_values, "Werkstoff: Vorgabe", nullptr, "material: own values"))
        return 1;
    const Input_Range grades{0.0, static_cast<double>(WELD_GRADE_STAINLESS), ""};
    if (m->kind == 0 && !Input_Value_Within(grades, m->grade, "Werkstoff: Stahlsorte Nr.", nullptr, "material: grade"))
        return 1;
    if (Refuse_Beta_W(m) || Refuse_Own_Constants(m)) return 1;
    if (version == 0) {
        m->f_y1 = m->f_y2 = m->f_y3 = f_y;
        m->f_u1 = m->f_u2 = m->f_u3 = f_u;
    } else if (!reals({&m->f_y1, &m->f_u1, &m->f_y2, &m->f_u2, &m->f_y3, &m->f_u3})) {
        return 1;
    }
    // No strength, modulus or factor of a material is negative (those of a
    // grade are stored beside it, and named all the same).
    const std::pair<double, const char*> values[] = {
        {f_y, "f_y"},   {f_u, "f_u"},   {m->beta_w, "beta_w"}, {m->E, "E"},       {m->nu, "nu"},
        {m->G, "G"},    {m->alpha_T, "alpha_T"}, {m->f_y1, "f_y1"}, {m->f_u1, "f_u1"}, {m->f_y2, "f_y2"},
        {m->f_u2, "f_u2"}, {m->f_y3, "f_y3"}, {m->f_u3, "f_u3"}};
    for (const auto& [v, name] : values)
        if (v < 0.0) {
            const std::string value = std::string(name) + " = " + VEK_Number_Text(v);
            const std::string text = "Werkstoff: " + value + " ung\x81ltig (negativ)";
            const std::string console = "material: " + value + " negative";
            Note_Input_Value_Refusal(text.c_str(), text.c_str(), console.c_str());
            return 1;
        }
    if (version >= 2) {
        char name[MATERIAL_NAME_SIZE] = {0};
        if (!Read_Material_Name(f, name)) return 1;
        Tilde_To_Blank(name);
        std::memcpy(m->name, name, MATERIAL_NAME_SIZE);
    }
    Check_Material_Params(m, 0.0, nullptr, 0, nullptr);
    return 0;
}

// ---- print texts ---------------------------------------------------------

void Print_Material_Params(const Materialparameter_Record* m, FILE* oli, int flags, int with_calc_values,
                           const char* subscript) {
    Print_Material_Params_Text(m, oli, flags, with_calc_values, subscript);
}

void Print_Steel_Params_By_Thickness(const Materialparameter_Record* m, FILE* oli, int flags, int with_calc_values,
                                     const char* subscript) {
    if (!m || !oli) return;
    if (m->kind == 2) {
        Print_Material_Params_Text(m, oli, flags, with_calc_values, subscript);
        return;
    }
    if (m->kind != 0 && m->kind != 1) return;
    const char* sub = Prefix_Or_Empty(subscript);
    Print_Steel_Head(m, oli, with_calc_values);
    Raise_Indent(0.3);
    if (m->grade >= WELD_GRADE_STAINLESS) {
        Print_Calc_Values(m, oli, sub);
    } else {
        double fy[3], fu[3];
        Steel_Ranges(m, fy, fu);
        OLI_printf(oli, "%schar. Streckgrenze f╬\\y%s,t¾40mm╬r = %.1lf N/mm²,  "_cp, Check_Line_Prefix, sub, fy[0]);
        OLI_printf(oli, "f╬\\y%s,t¾80mm╬r = %.1lf N/mm²,  "_cp, sub, fy[1]);
        OLI_printf(oli, "f╬\\y%s,t>80mm╬r = %.1lf N/mm²\n"_cp, sub, fy[2]);
        OLI_printf(oli, "%schar. Zugfestigkeit f╬\\u%s,t¾40mm╬r = %.1lf N/mm²,  "_cp, Check_Line_Prefix, sub, fu[0]);
        OLI_printf(oli, "f╬\\u%s,t¾80mm╬r = %.1lf N/mm²,  "_cp, sub, fu[1]);
        OLI_printf(oli, "f╬\\u%s,t>80mm╬r = %.1lf N/mm²\n"_cp, sub, fu[2]);
    }
    Print_Beta_W_And_E(m, oli, flags, sub);
    Raise_Indent(-0.3);
}

void Print_Material_Params_Text(const Materialparameter_Record* m, FILE* oli, int row_bits, int with_values,
                                const char* subscript) {
    if (!m || !oli) return;
    const char* sub = Prefix_Or_Empty(subscript);
    if (m->kind == 0 || m->kind == 1) {
        if (!Print_Steel_Head(m, oli, with_values)) return;
        Raise_Indent(0.3);
        Print_Calc_Values(m, oli, sub);
        Print_Beta_W_And_E(m, oli, row_bits, sub);
        if (row_bits & 0x80)
            OLI_printf(oli, "%sTemperaturausdehnungskoeffizient ║╬\\T%s╬r = %.2lf%s10╬/-5╬r 1/K\n"_cp, Check_Line_Prefix,
                       sub, m->alpha_T, Report_Times_Sign);
        Raise_Indent(-0.3);
    } else if (m->kind == 2) {
        const std::string name = Trimmed_Name(m);
        if (m->own_values) {
            OLI_printf(oli, "%s", Check_Line_Prefix);
            if (name.size() > 1) OLI_printf(oli, "%s, ", name.c_str());
            OLI_printf(oli, "Parameter:\n");
        } else {
            const unsigned int handle = static_cast<unsigned int>(m->grade);
            OLI_printf(oli, "%sLegierung %s, %s", Check_Line_Prefix, Get_Aluguete_Alloy(handle),
                       Get_Aluguete_Temper(handle));
            if (name.size() > 1) OLI_printf(oli, "  (%s)", name.c_str());
            if (with_values) OLI_printf(oli, ", Rechenparameter:");
            OLI_printf(oli, "\n");
            if (!with_values) return;
        }
        Raise_Indent(0.3);
        OLI_printf(oli, "%schar. Wert der 0,2%%-Dehngrenze f╬\\o╬r = %.1lf N/mm²\n"_cp, Check_Line_Prefix, m->f_y);
        OLI_printf(oli, "%schar. Zugfestigkeit f╬\\u%s╬r = %.1lf N/mm²\n"_cp, Check_Line_Prefix, sub, m->f_u);
        if (row_bits & 0x4)
            OLI_printf(oli, "%sElastizitätsmodul E╬\\%s╬r = %.1lf N/mm²\n"_cp, Check_Line_Prefix, sub, m->E);
        Raise_Indent(-0.3);
    }
}

// ---- grade lists -----------------------------------------------------------

const char* Weld_Grade_Table_Name(int grade) {
    if (grade < 0 || grade >= WELD_GRADE_COUNT) return nullptr;
    return kWeldGrades[grade].name;
}

void Init_Grade_Names(void) {
    if (steel_choice_filled) return;
    const int rows[STEEL_CHOICE_COUNT] = {5, 6, 7, -1, 8, 10, 12, -1, 9, 11, 13};
    for (int i = 0; i < STEEL_CHOICE_COUNT; ++i) {
        std::memset(steel_choice[i], 0, sizeof steel_choice[i]);
        const char* name = rows[i] < 0 ? "---" : Get_Stahlguete_Name(static_cast<unsigned int>(rows[i]));
        std::strncpy(steel_choice[i], name, STEEL_CHOICE_NAME_SIZE);
    }
    steel_choice_filled = 1;
}

const char* Steel_Choice_Name(int entry) {
    if (entry < 0 || entry >= STEEL_CHOICE_COUNT) return nullptr;
    Init_Grade_Names();
    return steel_choice[entry];
}

int Steel_Choice_To_Stahlguete_Code(int entry) {
    if (entry < 0 || entry >= STEEL_CHOICE_COUNT) return -1;
    return kChoiceRows[entry];
}

int Steel_Choice_To_Grade_Index(int entry) {
    return Stahlguete_Code_To_Grade_Index(Steel_Choice_To_Stahlguete_Code(entry));
}

int Grade_Index_To_Steel_Choice(int grade) {
    // Catalogue rows the list lacks, and the row it takes instead: S450 S355,
    // S420 N/NL S355 N/NL, S420 M/ML S355 M/ML.
    static const struct {
        int missing, instead;
    } kLower[] = {{32, 7}, {33, 10}, {34, 11}};
    int code = Grade_Index_To_Stahlguete_Code(grade);
    for (const auto& l : kLower)
        if (code == l.missing) code = l.instead;
    for (int entry = 0; code >= 0 && entry < STEEL_CHOICE_COUNT; ++entry)
        if (kChoiceRows[entry] == code && (entry == 0 || kChoiceRows[entry - 1] != code)) return entry;
    return -1;
}

int Grade_Index_To_Stahlguete_Code(int grade) {
    switch (grade) {
        case 0: case 12: case 15: return 5;
        case 1: case 16: case 18: case 22: return 6;
        case 2: case 13: case 17: case 19: case 23: return 7;
        case 3: return 32;
        case 4: return 8;
        case 5: return 10;
        case 6: case 20: case 24: return 33;
        case 7: case 14: case 21: case 25: return 12;
        case 8: return 9;
        case 9: return 11;
        case 10: return 34;
        case 11: return 13;
        default: return -1;
    }
}

int Stahlguete_Code_To_Grade_Index(int code) {
    switch (code) {
        case 5: return 0;
        case 6: return 1;
        case 7: return 2;
        case 32: return 3;
        case 8: return 4;
        case 10: return 5;
        case 33: return 6;
        case 12: return 7;
        case 9: return 8;
        case 11: return 9;
        case 34: return 10;
        case 13: return 11;
        default: return -1;
    }
}

const char* Get_Weld_Grade_Name(int kind, int index) {
    char* b = Take_Ring_Buffer();
    if (kind == 0 && index >= 0 && index < WELD_GRADE_COUNT) {
        const std::string name = Trimmed(kWeldGrades[index].name, WELD_GRADE_NAME_SIZE);
        std::snprintf(b, 20, "%s", name.c_str());
    }
    return b;
}

const char* Steel_Grade_Name(const Materialparameter_Record* m) {
    if (!m || m->own_values || (m->kind != 0 && m->kind != 1)) return Take_Ring_Buffer();
    const std::string name = Trimmed(Steel_Grade_Print_Name(m), 20);
    char* b = Take_Ring_Buffer();
    std::snprintf(b, 20, "%s", name.c_str());
    return b;
}

int Is_Grade_S235(int grade) { return grade == 0 || grade == 12 || grade == 15; }

int Is_Grade_S275(int grade) {
    return grade == 1 || grade == 4 || grade == 8 || grade == 16 || grade == 18 || grade == 22;
}

int Is_Grade_S355(int grade) {
    return grade == 2 || grade == 5 || grade == 9 || grade == 13 || grade == 17 || grade == 19 || grade == 23;
}

int Is_Grade_S420(int grade) { return grade == 6 || grade == 10 || grade == 20 || grade == 24; }

int Is_Grade_S460(int grade) {
    return grade == 3 || grade == 7 || grade == 11 || grade == 14 || grade == 21 || grade == 25;
}

int Is_Grade_Weathering(int grade) { return grade == 12 || grade == 13; }

double Weld_Grade_Value_Or_150(int kind, int grade, double value) {
    return kind == 0 && grade >= 0 && grade < WELD_GRADE_COUNT ? 150.0 : value;
}

double Divide(double a, double b) { return a / b; }

double Divide_Sqrt3(double a, double b) { return a / (kSqrt3 * b); }

// ---- plate resistances -----------------------------------------------------

double Calc_Plate_Shear_Resistance(double f_y, double f_u, double t, double h, double h_net, double gamma_M0,
                                   double gamma_M2, FILE* oli, int level, const char* symbol) {
    const double V_pl = gamma_M0 > 0.01 ? f_y * h * t / (kSqrt3 * gamma_M0) : 0.0;
    const double V_u = gamma_M2 > 0.01 ? f_u * h_net * t / (kSqrt3 * gamma_M2) : 0.0;
    const bool has_pl = V_pl > 0.01, has_u = V_u > 0.01;
    double V_Rd = 0.0;
    if (has_pl && has_u) V_Rd = std::fmin(V_pl, V_u);
    else if (has_pl) V_Rd = V_pl;
    else if (has_u) V_Rd = V_u;
    if (!oli) return V_Rd;

    const char* s = symbol && std::strlen(symbol) == 1 ? symbol : "h";
    const char* x = Report_Times_Sign;
    auto pl_formula = [&] {
        OLI_printf(oli, " = (A╬\\v╬r%sf╬\\y╬r) / (3╬/1/2╬r%s└╬\\M0╬r) = %.2lf kN"_cp, x, x, V_pl / 1000.0);
        if (level > 1) OLI_printf(oli, "  mit A╬\\v╬r = %s%st = %.2lf cm²,  %s = %.1lf mm"_cp, s, x, h * t / 100.0, s, h);
        OLI_printf(oli, "\n");
    };
    auto u_formula = [&] {
        OLI_printf(oli, " = (A╬\\v,net╬r%sf╬\\u╬r) / (3╬/1/2╬r%s└╬\\M2╬r) = %.2lf kN"_cp, x, x, V_u / 1000.0);
        if (level > 1)
            OLI_printf(oli, "  mit A╬\\v,net╬r = %s╬\\net╬r%st = %.2lf cm²,  %s╬\\net╬r = %.1lf mm"_cp, s, x,
                       h_net * t / 100.0, s, h_net);
        OLI_printf(oli, "\n");
    };
    if (has_pl && has_u) {
        OLI_printf(oli, "%sV╬\\pl,Rd╬r"_cp, Check_Line_Prefix);
        pl_formula();
        OLI_printf(oli, "%sV╬\\u,Rd╬r"_cp, Check_Line_Prefix);
        u_formula();
        OLI_printf(oli, "%sSchubtragfähigkeit V╬\\Rd╬r"_cp, Check_Line_Prefix);
        if (level > 0) OLI_printf(oli, " = min(V╬\\pl,Rd╬r, V╬\\u,Rd╬r)"_cp);
        OLI_printf(oli, " = %.2lf kN\n", V_Rd / 1000.0);
    } else if (has_pl) {
        OLI_printf(oli, "%sSchubtragfähigkeit V╬\\Rd╬r"_cp, Check_Line_Prefix);
        pl_formula();
    } else if (has_u) {
        OLI_printf(oli, "%sSchubtragfähigkeit V╬\\Rd╬r"_cp, Check_Line_Prefix);
        u_formula();
    } else {
        // Nothing to resist with: the value is stated and the line ended, so
        // that the next text does not run on behind the heading.
        OLI_printf(oli, "%sSchubtragfähigkeit V╬\\Rd╬r = %.2lf kN\n"_cp, Check_Line_Prefix, 0.0);
    }
    return V_Rd;
}

double Calc_Plate_Torsion_Resistance(double f_y, double t, double h, double gamma_M0, FILE* oli, int level,
                                     const char* symbol) {
    if (gamma_M0 <= 0.01) return 0.0;
    const double tau = f_y / (kSqrt3 * gamma_M0);
    if (tau <= 0.01) return 0.0;
    const double W_t = t * h * h / 6.0;
    const double M_Rd = W_t * tau;  // Nmm
    if (!oli || level <= 0) return M_Rd;
    const char* s = symbol && std::strlen(symbol) == 1 ? symbol : "h";
    const char* x = Report_Times_Sign;
    OLI_printf(oli, "%sSchubtragfähigkeit infolge Torsion M╬\\Rd╬r"_cp, Check_Line_Prefix);
    OLI_printf(oli, " = W╬\\t╬r%sf╬\\y╬r / (3╬/1/2╬r%s└╬\\M0╬r) = %.3lf kNm"_cp, x, x, M_Rd / 1.0e6);
    if (level != 1) OLI_printf(oli, "  mit W╬\\t╬r = t%s%s²/6 = %.2lf cm·,  %s = %.1lf mm"_cp, x, s, W_t / 1000.0, s, h);
    OLI_printf(oli, "\n");
    return M_Rd;
}

double Calc_Plate_Tension_Resistance(double f_y, double f_u, double t, double b, double b_net, double gamma_M0,
                                     double gamma_M2, FILE* oli, int level) {
    const double N_pl = gamma_M0 > 0.01 ? f_y * b * t / gamma_M0 : 0.0;
    const double N_u = gamma_M2 > 0.01 ? 0.9 * f_u * b_net * t / gamma_M2 : 0.0;
    const bool has_pl = N_pl > 0.01, has_u = N_u > 0.01;
    double N_Rd = 0.0;
    if (has_pl && has_u) N_Rd = std::fmin(N_pl, N_u);
    else if (has_pl) N_Rd = N_pl;
    else if (has_u) N_Rd = N_u;
    else return 0.0;
    if (!oli) return N_Rd;

    const char* P = Check_Line_Prefix;
    const char* x = Report_Times_Sign;
    if (has_pl && has_u) {
        if (level <= 0) {
            OLI_printf(oli, "%sZugtragfähigkeit N╬\\t,Rd╬r"_cp, P);
            OLI_printf(oli, " = %.2lf kN\n", N_Rd / 1000.0);
            return N_Rd;
        }
        OLI_printf(oli, "%s", P);
        if (level != 1) OLI_printf(oli, "plastische Zugbeanspruchbarkeit ");
        OLI_printf(oli, "N╬\\pl,Rd╬r = (A%sf╬\\y╬r) / └╬\\M0╬r = %.2lf kN"_cp, x, N_pl / 1000.0);
        if (level != 1) OLI_printf(oli, "  mit A = b%st = %.2lf cm²"_cp, x, b * t / 100.0);
        OLI_printf(oli, "\n");
        OLI_printf(oli, "%s", P);
        if (level != 1) OLI_printf(oli, "Zugbeanspruchbarkeit des Nettoquerschnitts ");
        OLI_printf(oli, "N╬\\u,Rd╬r = (0.9%sA╬\\net╬r%sf╬\\u╬r) / └╬\\M2╬r = %.2lf kN"_cp, x, x, N_u / 1000.0);
        if (level != 1) OLI_printf(oli, "  mit A╬\\net╬r = b╬\\net╬r%st = %.2lf cm²"_cp, x, b_net * t / 100.0);
        OLI_printf(oli, "\n");
        OLI_printf(oli, "%sZugtragfähigkeit N╬\\t,Rd╬r"_cp, P);
        OLI_printf(oli, " = min(N╬\\pl,Rd╬r, N╬\\u,Rd╬r)"_cp);
        OLI_printf(oli, " = %.2lf kN\n", N_Rd / 1000.0);
    } else if (has_pl) {
        OLI_printf(oli, "%sZugtragfähigkeit N╬\\t,Rd╬r"_cp, P);
        if (level > 0) {
            OLI_printf(oli, " = N╬\\pl,Rd╬r = (A%sf╬\\y╬r) / └╬\\M0╬r"_cp, x);
            OLI_printf(oli, " = %.2lf kN", N_pl / 1000.0);
            if (level != 1) OLI_printf(oli, "  mit A = b%st = %.2lf cm²,  b = %.1lf mm"_cp, x, b * t / 100.0, b);
        } else {
            OLI_printf(oli, " = %.2lf kN", N_pl / 1000.0);
        }
        OLI_printf(oli, "\n");
    } else {
        OLI_printf(oli, "%sZugtragfähigkeit N╬\\t,Rd╬r"_cp, P);
        if (level > 0) {
            OLI_printf(oli, " = N╬\\u,Rd╬r = (0.9%sA╬\\net╬r%sf╬\\u╬r) / └╬\\Mu╬r"_cp, x, x);
            OLI_printf(oli, " = %.2lf kN", N_u / 1000.0);
            if (level != 1)
                OLI_printf(oli, ",  A╬\\net╬r = b╬\\net╬r%st = %.2lf cm²,  b╬\\net╬r = %.1lf mm,  └╬\\Mu╬r = %.2lf"_cp, x,
                           b_net * t / 100.0, b_net, gamma_M2);
        } else {
            OLI_printf(oli, " = %.2lf kN", N_u / 1000.0);
        }
        OLI_printf(oli, "\n");
    }
    return N_Rd;
}
