// tsv_ex: control record, hook call, line list and reports of the
// partial-internal-forces check of line models.
#include "thinwall/tsv_ex.h"

#include <cstdlib>
#include <cstring>

#include "base/cp850.h"
#include "base/invariant.h"
#include "thinwall/dwqb.h"
#include "thinwall/dwqb_invariants.h"
#include "thinwall/tsv.h"
#include "thinwall/tsv_internal.h"

static_assert(sizeof(TSV_EX_Linie) == 176, "a reported line is 22 slots");
static_assert(sizeof(TSV_EX_Ergebnis) == 152, "the result is a flag word and 18 doubles");

namespace {

TSV_EX_Steuerung Model_Control(void) {
    TSV_EX_Steuerung c{};
    c.L = 100.0;
    c.alpha = DWQB_Querschnittswerte[DWQB_QW_ALPHA];
    c.y_s = DWQB_Querschnittswerte[DWQB_QW_YC];
    c.z_s = DWQB_Querschnittswerte[DWQB_QW_ZC];
    c.y_M = DWQB_Querschnittswerte[DWQB_QW_YM];
    c.z_M = DWQB_Querschnittswerte[DWQB_QW_ZM];
    return c;
}

// Warping torsion is left out where the St. Venant stiffness over the member
// length outweighs the warping stiffness.
bool Warping_Negligible(double L) {
    return 4.1666666666666667e-7 * DWQB_Querschnittswerte[DWQB_QW_IT] * L * L >= DWQB_Querschnittswerte[DWQB_QW_IW];
}

int Evaluate(const double* forces, const double* yield, const TSV_EX_Steuerung* given, TSV_EX_Ergebnis* result,
             TSV_EX_Linienliste** lines) {
    if (!result) return 0;
    std::memset(result, 0, sizeof *result);
    result->d[TSV_EX_U_PL] = -1.0;
    if (!forces || !yield) return 0;
    double parameter = yield[1];
    void* object = Get_DWQB_Hook_Object(&parameter);
    if (!object) return 0;
    result->flags |= TSV_EX_FORCES_GIVEN;
    TSV_EX_Steuerung control = given ? *given : Model_Control();
    if (!(control.flags & (TSV_EX_NO_WARPING | TSV_EX_ALWAYS_WARPING)) && Warping_Negligible(control.L))
        control.flags |= TSV_EX_NO_WARPING;
    void* r = Call_DWQB_Hook_Evaluate(object, &control, const_cast<double*>(forces), const_cast<double*>(yield),
                                      result, lines);
    return r ? 1 : 0;
}

const char* const kTau = "\xD6";
const char* const kSigma = "\xCC";
const char* const kDelta = "\xA3";

void Print_Number(FILE* f, const char* p, const TSV_EX_Linie& l) {
    if (l.sub_index < 0)
        std::fprintf(f, "%s%3d:   ", p, l.number);
    else
        std::fprintf(f, "%s%3d%c:  ", p, l.number, 'a' + l.sub_index % 26);
}

bool Applicable(const Profil_Model_Descriptor* profile, const NachweisDatenKopf* work, const char* name) {
    if (!DWQB_Erweitert || !profile || !work || !name) return false;
    if (profile->family == PROFIL_FAMILY_USER) return true;
    if (profile->family == PROFIL_FAMILY_FLAT || profile->family == PROFIL_FAMILY_ROUND) return false;
    if (profile->catalogue > 0) {
        const int family = TSV_Catalogue_Family(name);
        if (family == PROFIL_FAMILY_FLAT || family == PROFIL_FAMILY_ROUND) return false;
    }
    return true;
}

uint32_t Work_Code(const TSV_EX_Einstellungen* settings) {
    const uint32_t option = settings ? static_cast<uint32_t>(settings->option) : 0;
    return (option & WORK_CODE_OPTION_MASK) | WORK_CODE_FILLED;
}

}  // namespace

int Calc_TSV_EX(const double* forces, const double* yield, const TSV_EX_Steuerung* control, TSV_EX_Ergebnis* result,
                TSV_EX_Linienliste** lines) {
    WELD_CHECK_AT_EXIT(Check_DWQB_Invariants());
    return Evaluate(forces, yield, control, result, lines);
}

int Calc_TSV_EX_Work(const double* forces, const double* yield, const Profil_Model_Descriptor* profile,
                     NachweisDatenKopf* work, int, TSV_EX_Ergebnis* result, TSV_EX_Linienliste** lines) {
    WELD_CHECK_AT_EXIT(Check_DWQB_Invariants());
    TSV_EX_Steuerung control = Model_Control();
    if (work) control.flags = static_cast<uint32_t>(Get_Section_Work_Code_3(profile, work));
    return Evaluate(forces, yield, &control, result, lines);
}

int Print_TSV_EX_Linien(FILE* stream, int, const char* prefix) {
    WELD_CHECK_AT_EXIT(Check_DWQB_Invariants());
    const char* p = prefix ? prefix : "";
    const double yield[2] = {23.5, 23.5};
    const double forces[8] = {100.0, 0, 0, 0, 0, 0, 0, 0};
    TSV_EX_Ergebnis result;
    TSV_EX_Linienliste* lines = nullptr;
    const int ok = Evaluate(forces, yield, nullptr, &result, &lines);
    int printed = 0;
    if (ok && lines && stream) {
        std::fprintf(stream, " %sLinien des Querschnitts:\n", p);
        for (int i = 0; i < lines->count; i++) {
            const TSV_EX_Linie& l = lines->lines[i];
            std::fputc(' ', stream);
            Print_Number(stream, p, l);
            std::fprintf(stream,
                         "y╬\\s╬r = %.2f cm,  z╬\\s╬r = %.2f cm,  w╬\\s╬r = %.2f cm╬/2╬r,  t = %.2f cm,  b = %.2f cm,  "
                         "%s = %.2f °\n"_cp,
                         l.y_s, l.z_s, l.w_s, l.t, l.b, "\xBA", 57.29577951308232 * l.angle);
        }
        printed = 1;
    }
    Free_TSV_EX_Linienliste(lines);
    return printed;
}

int Print_TSV_EX_Result(FILE* f, int, const char* prefix, const double* forces, const TSV_EX_Ergebnis* r,
                        const TSV_EX_Linienliste* lines) {
    WELD_CHECK_AT_EXIT(Check_DWQB_Invariants());
    if (!f || !r) return 0;
    const char* p = prefix ? prefix : "";
    if ((r->flags & TSV_EX_FORCES_GIVEN) && lines) {
        std::fprintf(f, "%sSchnittgrößen bzgl. yz-Richtung in kN, m:  My = %.2f,  Mz = %.2f,  Vy = %.2f,  Vz = %.2f\n"_cp,
                     p, r->d[TSV_EX_MY] * 0.01, r->d[TSV_EX_MZ] * 0.01, r->d[TSV_EX_VY], r->d[TSV_EX_VZ]);
        std::fprintf(f, "%sTeilschnittgrößen der Linien des Querschnitts in kN, m:\n"_cp, p);
        for (int i = 0; i < lines->count; i++) {
            const TSV_EX_Linie& l = lines->lines[i];
            Print_Number(f, p, l);
            if (l.kind == 1)
                std::fputs("Schweissnaht:", f);
            else
                std::fprintf(f, "N = %.2f,  My = %.2f,  Mz = %.2f,", l.N, l.M_y * 0.01, l.M_z * 0.01);
            std::fprintf(f, "  Vy = %.2f,  Vz = %.2f,  T = %.2f\n", l.V_y, l.V_z, l.T * 0.01);
        }
        std::fprintf(f, "%sAusnutzungen der Linien des Querschnitts\n", p);
        for (int i = 0; i < lines->count; i++) {
            const TSV_EX_Linie& l = lines->lines[i];
            Print_Number(f, p, l);
            if (l.kind == 1)
                std::fprintf(f, "Schweissnaht:  U╬\\%s╬r = U = %.3f\n"_cp, kTau, l.U);
            else
                std::fprintf(f, "U╬\\%s╬r = %.3f,  U╬\\%s╬r = %.3f,  U = %.3f\n"_cp, kSigma, l.U_sigma, kTau, l.U_tau,
                             l.U);
        }
        if (!(r->flags & TSV_EX_FACTOR)) return 1;
    } else if (!(r->flags & TSV_EX_FACTOR)) {
        return 1;
    }
    const double f_pl = r->d[TSV_EX_F_PL];
    std::fprintf(f, "%smax. Lastfaktor (plast.): f╬\\pl╬r = %.3f\n"_cp, p, f_pl);
    if (r->flags & TSV_EX_WARPING_OPEN) {
        const double M_w = forces ? forces[7] : 0.0;
        std::fprintf(f, "%sVerwölbungsungleichgewicht im Grenzzustand:  %sB = %.3f kNm╬/2╬r\n"_cp, p, kDelta,
                     (M_w * f_pl - r->d[TSV_EX_B]) * 0.0001);
        std::fprintf(f, "%sAusnutzung (ohne Verwölbungsgleichgewicht):  U╬\\pl╬r = %.3f\n"_cp, p, r->d[TSV_EX_U_PL]);
    } else {
        std::fprintf(f, "%sAusnutzung:  U╬\\pl╬r = %.3f\n"_cp, p, r->d[TSV_EX_U_PL]);
    }
    return 1;
}

TSV_EX_Linienliste* New_TSV_EX_Linienliste(TSV_EX_Linienliste* list, int needed) {
    TSV_EX_Linienliste* head = list;
    if (!head) {
        head = static_cast<TSV_EX_Linienliste*>(std::calloc(1, sizeof *head));
        if (!head) return nullptr;
    }
    if (needed > head->capacity) {
        void* grown = std::realloc(head->lines, static_cast<size_t>(needed) * sizeof(TSV_EX_Linie));
        if (!grown) {
            if (!list) std::free(head);
            return nullptr;
        }
        head->lines = static_cast<TSV_EX_Linie*>(grown);
        head->capacity = needed;
    }
    return head;
}

void Free_TSV_EX_Linienliste(TSV_EX_Linienliste* list) {
    if (!list) return;
    std::free(list->lines);
    std::free(list);
}

TSV_EX_Linie* Find_TSV_EX_Linie(const TSV_EX_Linienliste* list, int number) {
    if (!list) return nullptr;
    for (int i = 0; i < list->count; i++)
        if (list->lines[i].number == number) return &list->lines[i];
    return nullptr;
}

int Is_TSV_EX_Applicable(const Profil_Model_Descriptor* profile, const NachweisDatenKopf* work, const char* name) {
    return Applicable(profile, work, name) ? 1 : 0;
}

int Setup_TSV_EX_Work(const TSV_EX_Einstellungen* settings, const Profil_Model_Descriptor* profile,
                      NachweisDatenKopf* work, const char* name) {
    WELD_CHECK_AT_EXIT(Check_DWQB_Invariants());
    if (!work) return 2;
    float* p = Get_Section_Work_Payload_3(profile, work);
    p[0] = p[1] = 0;
    if (!Applicable(profile, work, name)) return 2;
    p[0] = p[1] = 1.0f;
    Set_Section_Work_Code_3(profile, work, static_cast<int32_t>(Work_Code(settings)));
    return 5;
}

int Is_PLO_Applicable(const Profil_Model_Descriptor* profile, const NachweisDatenKopf* work, const char* name) {
    return Applicable(profile, work, name) ? 1 : 0;
}

int Setup_PLO_Work(const TSV_EX_Einstellungen* settings, const Profil_Model_Descriptor* profile,
                   NachweisDatenKopf* work, const char* name) {
    WELD_CHECK_AT_EXIT(Check_DWQB_Invariants());
    if (!work) return 2;
    float* p = Get_Section_Work_Payload_2(profile, work);
    for (int i = 0; i < 6; i++) p[i] = 0;
    if (!Applicable(profile, work, name)) return 2;
    static const double defaults[4] = {0.001, 150.0, 0.001, 1.0};
    p[0] = p[1] = 1.0f;
    for (int i = 0; i < 4; i++) p[2 + i] = static_cast<float>(settings ? settings->values[1 + i] : defaults[i]);
    Set_Section_Work_Code_2(profile, work, static_cast<int32_t>(Work_Code(settings)));
    return 4;
}
