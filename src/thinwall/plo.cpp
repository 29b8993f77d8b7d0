// plo: the plastic line list, the shear shares of one line, the plastic
// limit load factor and its report.
#include "thinwall/plo.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

#include "base/cp850.h"
#include "base/invariant.h"
#include "base/vesk.h"
#include "section/internal_forces.h"
#include "section/section_update.h"
#include "section/strain_plane.h"
#include "section/stress_strain.h"
#include "section/ultimate_load.h"
#include "thinwall/dwqb.h"
#include "thinwall/dwqb_cells.h"
#include "thinwall/dwqb_flow.h"
#include "thinwall/dwqb_invariants.h"
#include "thinwall/dwqb_masque.h"
#include "thinwall/dwqb_results.h"
#include "thinwall/dwqbtri.h"
#include "thinwall/engine_faults.h"
#include "thinwall/tsg.h"

static_assert(sizeof(DWQB_PLO_Linie) == 21 * 8, "a line record is 21 fields");
static_assert(sizeof(TSG_Eintrag) == 72, "a TSG entry is 72 bytes");
static_assert(sizeof(PLO_Ergebnis) == 20 * 8, "the result is 20 fields");
static_assert(sizeof(PLO_Optionen) == 9 * 8, "the options are nine fields");

int Transform_Forces(const double* F, const DWQB_PLO_Linie* c, double f, TSG_Eintrag* out) {
    if (!F || !c || !out) return 0;
    *out = TSG_Eintrag{};
    out->number = c->number;
    out->y = c->y, out->z = c->z, out->angle = c->angle;
    const double Vy = F[1], Vz = F[2], Mt1 = F[3], Mt2 = F[6];
    out->vy_share = c->vy_y * Vy + c->vz_y * Vz + c->w_y * Mt2 + c->c_y * Mt1;
    out->vz_share = c->vy_z * Vy + c->vz_z * Vz + c->w_z * Mt2 + c->c_z * Mt1;
    out->torsion_share = c->torsion_share * Mt1;
    const double a = 0.5 * c->torsion_factor * std::fabs(out->torsion_share);
    const double sy = out->vy_share * c->inv_area_y, sz = out->vz_share * c->inv_area_z;
    out->tau = a + std::sqrt(sy * sy + sz * sz + a * a);
    if (f != 0) out->u = out->tau * 1.7320508075688772 / f;
    return 1;
}

// ---- line list -----------------------------------------------------------------

int Fill_DWQB_PLO_Linie(const DWQB_Linie* line, DWQB_PLO_Linie* record) {
    return line ? Fill_DWQB_PLO_Record(line, record) : 0;
}

int Count_DWQB_Lines_Callback(DWQB_Schublinie* entry, void* count) {
    if (entry && entry->line && count) ++*static_cast<int*>(count);
    return 1;
}

static int Fill_Callback(DWQB_Schublinie* entry, void* list) {
    if (!entry || !entry->line) return 1;
    return Fill_DWQB_PLO_Record_Callback(static_cast<DWQB_PLO_Block*>(list), entry->line);
}

void Free_DWQB_PLO_Liste(DWQB_PLO_Liste* list) {
    if (!list) return;
    // Records past the count may still hold the sub-records of an earlier build.
    for (int i = 0; i < list->block.capacity; i++) Free_DWQB_PLO_Linie_Children(&list->block.records[i]);
    Mem_Free(__FILE__, __LINE__, "plo", list);
}

void Sum_DWQB_PLO_Linie(DWQB_PLO_Liste* h, double* total, const DWQB_PLO_Linie* r, double y0, double z0) {
    if (!h || !r) return;
    if (r->sub && r->sub->count > 0) {
        for (int i = 0; i < r->sub->count; i++) Sum_DWQB_PLO_Linie(h, total, &r->sub->records[i], y0, z0);
        return;
    }
    const double dy = r->y - y0, dz = r->z - z0;
    double* S = h->sums;
    S[0] += r->vy_y, S[1] += r->vz_y, S[2] += r->w_y, S[3] += r->c_y;
    S[4] += r->vy_z, S[5] += r->vz_z, S[6] += r->w_z, S[7] += r->c_z;
    S[8] += r->vy_z * dy - r->vy_y * dz;
    S[9] += r->vz_z * dy - r->vz_y * dz;
    S[10] += r->w_z * dy - r->w_y * dz;
    S[15] += r->torsion_share + r->c_z * dy - r->c_y * dz;
    if (total) *total += r->area;
}

static double Sum_All(DWQB_PLO_Liste* l) {
    double total = 0;
    for (double& s : l->sums) s = 0;
    for (int i = 0; i < l->block.count; i++) Sum_DWQB_PLO_Linie(l, &total, &l->block.records[i], l->y0, l->z0);
    return total;
}

int Build_DWQB_PLO_Liste(DWQB_PLO_Liste** slot, int minimum) {
    WELD_CHECK_AT_EXIT(Check_DWQB_Invariants());
    if (!slot) return 0;
    int n = 0;
    DWQB_Result_Visitor count{};
    count.on_shear_entry = Count_DWQB_Lines_Callback;
    count.data4 = &n;
    if (!Walk_DWQB_Result(&count)) return 0;
    const int need = std::max(n, minimum);
    DWQB_PLO_Liste* l = *slot;
    if (!l || l->block.capacity < need) {
        Free_DWQB_PLO_Liste(l);
        *slot = nullptr;
        const size_t size = sizeof(DWQB_PLO_Liste) + static_cast<size_t>(need) * sizeof(DWQB_PLO_Linie);
        void* block = Mem_Malloc(__FILE__, __LINE__, "plo", size);
        if (!block) return 0;
        l = static_cast<DWQB_PLO_Liste*>(block);
        *l = DWQB_PLO_Liste{};
        l->block.records = reinterpret_cast<DWQB_PLO_Linie*>(l + 1);
        for (int i = 0; i < need; i++) l->block.records[i] = DWQB_PLO_Linie{};
        l->block.capacity = need;
        *slot = l;
    }
    l->block.count = 0;
    DWQB_Result_Visitor fill{};
    fill.on_shear_entry = Fill_Callback;
    fill.data4 = &l->block;
    if (!Walk_DWQB_Result(&fill)) return 0;
    const double* sc = DWQB_Aktueller_Schubmittelpunkt;
    l->y0 = sc ? sc[0] : 0;
    l->z0 = sc ? sc[1] : 0;
    l->cells = DWQB_Anzahl_Zellen;
    const double T = Sum_All(l);
    const double* S = l->sums;
    if (T > 0 && (std::fabs(1 - S[0]) > 1e-5 || std::fabs(1 - S[5]) > 1e-5 || std::fabs(S[1]) > 1e-5 ||
                  std::fabs(S[4]) > 1e-5)) {
        Add_DWQB_PLO_Record_Moments(&l->block, (1 - S[0]) / T, -S[1] / T, -S[4] / T, (1 - S[5]) / T);
        Sum_All(l);
    }
    return 1;
}

int Cmp_DWQB_PLO_Linie(const void* a, const void* b) {
    return static_cast<const DWQB_PLO_Linie*>(a)->number - static_cast<const DWQB_PLO_Linie*>(b)->number;
}

int Sort_DWQB_PLO_Liste(DWQB_PLO_Liste* list) {
    if (!list) return 0;
    if (list->block.count >= 2) {
        std::qsort(list->block.records, static_cast<size_t>(list->block.count), sizeof(DWQB_PLO_Linie),
                   Cmp_DWQB_PLO_Linie);
        Set_DWQB_Angle_Node(nullptr);
    }
    return list->block.count;
}

// ---- limit load factor ---------------------------------------------------------

Querschnitt* Get_DWQB_PLO_TSG_Querschnitt(const double* p, const TSG_Table* table, double lambda) {
    const Engine_Call engine_call;
    WELD_CHECK_AT_EXIT(Check_DWQB_Invariants());
    Querschnitt* q = Build_DWQB_Masque_Cached(p);
    if (!q || !p || !table) return q;
    const double E = 10 * p[1], f = 10 * p[0], eps_u = p[2] > 0 ? p[2] : 150, E_h = p[3] * (f * 1000 / eps_u);
    for (int i = 0; i < table->count; i++) {
        const TSG_Eintrag& e = table->entries[i];
        Spannungsdehnungslinie* c = Find_Spannungsdehnungslinie_Nummer(q, e.number);
        if (!c) {
            Record_Engine_Fault(ENGINE_FAULT_PLO_LINE, "*** Get_DWQB_PLO_TSG_Querschnitt: Linie %d nicht gefunden !!!\n", e.number);
            continue;
        }
        const double rho = std::clamp(lambda * e.u, 0.0, 0.9999995);
        Spannungsdehnungslinie_Parameter law;
        if (!Calc_Stahl_Bilinear_Parameter(E, f * std::sqrt(1 - rho * rho), eps_u, E_h, &law)) break;
        if (!Set_Spannungsdehnungslinie_Parameter(q, c, &law)) break;
    }
    Set_DWQB_Masque_Residual(q, p[4]);
    return q;
}

// The trial that needs no solver: no axial force, bending or bimoment.
static bool Direct_Result(const double* T, Grenzdehnung_Ergebnis* r, int32_t* status) {
    if (T[0] * T[0] + T[1] * T[1] + T[2] * T[2] + T[3] * T[3] >= 1e-12) return false;
    *r = Grenzdehnung_Ergebnis{};
    r->kraefte = {T[0], T[1], T[2], T[3]};
    r->lastfaktor = 1000000.0;
    r->rho = 1.0;
    *status |= 0x1001001;
    return true;
}

int Calc_DWQB_PLO_Lastfaktor(const double* F, const double* params, double lambda, int warping, const TSG_Table* table,
                             double rho, Grenzdehnung_Ergebnis* result, int flags, int32_t* status) {
    const Engine_Call engine_call;
    WELD_CHECK_AT_EXIT(Check_DWQB_Invariants());
    int32_t dummy = 0;
    if (!status) status = &dummy;
    if (!F || !params || !result) return 0;
    Querschnitt* q = Get_DWQB_PLO_TSG_Querschnitt(params + 1, table, lambda);
    if (!q) {
        *status = 0;
        return 0;
    }
    const double T[4] = {F[0], 0.01 * F[4], 0.01 * F[5], warping ? 0.0001 * F[7] : 0};
    if (Direct_Result(T, result, status)) return 1;
    const Loeser_Toleranz tol{0.0001, 100};
    if (!Calc_Querschnitt_Gleichgewicht(q, T, 1.0, &tol, result, flags, rho)) return 0;
    *status |= 0x1000001;
    return 1;
}

void Free_DWQB_PLO_Result_List(PLO_Linienergebnis* list) {
    if (!list) return;
    Mem_Free(__FILE__, __LINE__, "plo", list->items);
    Mem_Free(__FILE__, __LINE__, "plo", list);
}

PLO_Linienergebnis_Eintrag* Find_DWQB_PLO_Result_Linie(const PLO_Linienergebnis* list, int number) {
    if (!list) return nullptr;
    for (int i = 0; i < list->count; i++)
        if (list->items[i].number == number) return &list->items[i];
    return nullptr;
}

namespace {

// The state of one calculation: what it changed and must give back.
struct PLO_Run {
    const double* F;             // caller's forces
    const double* P;             // parameters
    double Fm[8];                // forces in the section's axes about its origin
    PLO_Optionen o;
    Querschnitt* q = nullptr;
    unsigned mode = 0;
    Querschnitt_Kurvenoptionen curve_options{};
    double factors[4] = {1, 1, 1, 1};
    bool factors_on = false, excluded = false;
    DWQB_PLO_Liste* list = nullptr;
    TSG_Table* table = nullptr;
    int32_t status = 0;
    int scratch = 0, started = 1;
    double tol = 0.001, dtol = 0.00001;
    Querschnitt_Kurvenoptionen run_curve{};   // curve options and mode while the run lasts
    unsigned run_mode = 0;

    bool Trial(double lambda, Grenzdehnung_Ergebnis& r, bool from_start_plane) {
        if (!from_start_plane) r = Grenzdehnung_Ergebnis{};
        return Calc_DWQB_PLO_Lastfaktor(Fm, P, lambda, !excluded, table, P[6], &r,
                                        from_start_plane ? started : scratch, &status) != 0;
    }
    void Restore() {
        if (!q) return;
        Set_Querschnitt_Modus(mode);
        Set_Querschnitt_Kurvenoptionen(q, &curve_options);
        if (excluded) Set_Querschnitt_Faktoren(factors_on ? factors : nullptr);
    }
};

// Polar plane between two polar planes, mixed in Cartesian form.
void Mix_Planes(const double* lo, const double* hi, double t, double* out) {
    double a[4], b[4], m[4];
    Dehnungsebene_From_Polar(lo, a);
    Dehnungsebene_From_Polar(hi, b);
    for (int k = 0; k < 4; k++) m[k] = (1 - t) * a[k] + t * b[k];
    Dehnungsebene_To_Polar(m, out);
}

// The shear-factor search of g(lambda) = lambda - f_sigma(lambda) on the
// bracket [0, 1 / u_max]; false when a needed trial fails.
bool Iterate(PLO_Run& R, double f0, const Grenzdehnung_Ergebnis& r0, double u_max, double* accepted,
             Grenzdehnung_Ergebnis* result) {
    double lo = 0, glo = -f0, hi = 1 / u_max, ghi = 0;
    Grenzdehnung_Ergebnis rlo = r0, rhi{}, r{};
    const double top = 1 / u_max;
    double tol = R.tol;
    auto accept = [&](double lambda, const Grenzdehnung_Ergebnis& res) {
        *accepted = lambda;
        *result = res;
        return true;
    };
    // Stepping up from the unreduced factor.
    double lambda = std::min(f0, 0.9 / u_max);
    if (lambda > 1) tol *= lambda;
    bool bracket = false;
    for (int i = 0; i < 30 && !bracket; i++) {
        if (!R.Trial(lambda, r, false)) return false;
        const double g = lambda - r.lastfaktor;
        if (std::fabs(g) <= tol) return accept(lambda, r);
        if (g >= 0) {
            hi = lambda, ghi = g, rhi = r;
            bracket = true;
            break;
        }
        rlo = r;
        if (top - lambda <= tol) return accept(lambda, r);
        lo = lambda, glo = g;
        lambda += 0.9 * (top - lambda);
    }
    bool brent_ok = bracket;
    if (bracket) {
        // One evaluation: a started trial from the plane between the ends,
        // else one from scratch; the bracket shrinks to the new point.
        auto eval = [&](double x, double* gx) {
            const double t = hi - lo != 0 ? (x - lo) / (hi - lo) : 0.5;
            Grenzdehnung_Ergebnis e{};
            Mix_Planes(rlo.ebene, rhi.ebene, t, e.ebene);
            if (!R.Trial(x, e, true) && !R.Trial(x, e, false)) return false;
            *gx = x - e.lastfaktor;
            if (x > lo && x < hi) {
                if (*gx <= 0) lo = x, glo = *gx, rlo = e;
                else hi = x, ghi = *gx, rhi = e;
            }
            return true;
        };
        double a = lo, fa = glo, b = hi, fb = ghi, c = a, fc = fa, d = b - a, e = d;
        for (int n = 0; n < 30; n++) {
            if ((fb > 0 && fc > 0) || (fb < 0 && fc < 0)) c = a, fc = fa, d = e = b - a;
            if (std::fabs(fc) < std::fabs(fb)) a = b, b = c, c = a, fa = fb, fb = fc, fc = fa;
            const double tol1 = 2e-12 * std::fabs(b) + 0.5 * R.dtol, xm = 0.5 * (c - b);
            if (std::fabs(xm) <= tol1 || std::fabs(fb) <= tol) break;
            if (std::fabs(e) >= tol1 && std::fabs(fa) > std::fabs(fb)) {
                double p, qq, s = fb / fa;
                if (a == c) {
                    p = 2 * xm * s, qq = 1 - s;
                } else {
                    const double qa = fa / fc, rb = fb / fc;
                    p = s * (2 * xm * qa * (qa - rb) - (b - a) * (rb - 1));
                    qq = (qa - 1) * (rb - 1) * (s - 1);
                }
                if (p > 0) qq = -qq;
                p = std::fabs(p);
                if (2 * p < std::min(3 * xm * qq - std::fabs(tol1 * qq), std::fabs(e * qq))) e = d, d = p / qq;
                else d = xm, e = d;
            } else {
                d = xm, e = d;
            }
            a = b, fa = fb;
            b += std::fabs(d) > tol1 ? d : (xm > 0 ? tol1 : -tol1);
            if (!eval(b, &fb)) {
                brent_ok = false;
                break;
            }
        }
        if (brent_ok) {
            if (std::fabs(lo - b) <= R.dtol) return accept(lo, rlo);
            if (std::fabs(hi - b) <= R.dtol) return accept(hi, rhi);
        }
    }
    // Bisection of what is left of the bracket.
    while (hi - lo > tol) {
        const double mid = (lo + hi) / 2;
        if (!R.Trial(mid, r, false)) return false;
        const double g = mid - r.lastfaktor;
        if (std::fabs(g) <= tol) return accept(mid, r);
        if (g <= 0) lo = mid, rlo = r;
        else hi = mid, rhi = r;
    }
    return accept(lo, rlo);
}

void Clear_Result(PLO_Ergebnis* r) {
    *r = PLO_Ergebnis{};
    r->U = -1.0;
}

// The run's options (the caller's, or the model's axes and centres), and
// warping left out where it cannot matter over the length L; the model's
// mode and curve options set for the run.
void Set_Run_Options(PLO_Run& R, const PLO_Optionen* options) {
    const double* qw = DWQB_Querschnittswerte;
    if (options) {
        R.o = *options;
    } else {
        R.o = PLO_Optionen{};
        R.o.angle = qw[DWQB_QW_ALPHA];
        R.o.y = qw[DWQB_QW_YC], R.o.z = qw[DWQB_QW_ZC];
        R.o.y2 = qw[DWQB_QW_YM], R.o.z2 = qw[DWQB_QW_ZM];
        R.o.tol = 0.001, R.o.L = 100.0;
    }
    R.excluded = (R.o.word & PLO_OPT_NO_WARPING) ||
                 (!(R.o.word & PLO_OPT_WARPING) &&
                  qw[DWQB_QW_IW] <= 4.1666666666666667e-7 * R.o.L * R.o.L * qw[DWQB_QW_IT]);
    R.run_curve = R.curve_options;
    R.run_mode = R.mode;
    if (R.excluded) {
        R.run_curve.optionen &= ~0x2000u;
        R.factors_on = Get_Querschnitt_Faktoren(R.factors) != nullptr;
        const double f[4] = {1, 1, 1, 0};
        Set_Querschnitt_Faktoren(f);
        R.run_mode &= ~static_cast<unsigned>(QS_MODUS_FELDER);
        R.scratch = 0, R.started = 1;
    } else {
        R.run_curve.optionen |= 0x2000u;
        R.run_mode |= QS_MODUS_FELDER;
        R.scratch = 4, R.started = 5;
    }
    Set_Querschnitt_Modus(R.run_mode);
    Set_Querschnitt_Kurvenoptionen(R.q, &R.run_curve);
}

// The forces in the section's axes, about its origin.
void Set_Section_Forces(PLO_Run& R) {
    const double* F = R.F;
    const double a = R.o.angle, ca = std::cos(a), sa = std::sin(a);
    std::copy(F, F + 8, R.Fm);
    if (a != 0) {
        R.Fm[1] = F[1] * ca - F[2] * sa, R.Fm[2] = F[2] * ca + F[1] * sa;
        R.Fm[4] = F[4] * ca - F[5] * sa, R.Fm[5] = F[5] * ca + F[4] * sa;
    }
    R.Fm[4] += R.o.z * F[0];
    R.Fm[5] -= R.o.y * F[0];
}

// The shear factor *f_tau and the limit state r that goes with it: by the
// interaction when asked and it holds, else by the search; false when a
// needed trial fails.
bool Find_Factors(PLO_Run& R, double* f_tau, Grenzdehnung_Ergebnis& r, bool* interaction) {
    const double u_max = R.table->u_max;
    const double lambda_max = 100 / R.tol;
    if (R.o.word & PLO_OPT_INTERACTION) {
        if (u_max >= R.dtol) {
            double lt = 1 / u_max;
            if (lt > 1) lt = 1 + (std::sqrt(lt) - 1) * 0.5;
            if (R.Trial(lt, r, false) && r.lastfaktor >= 1.0) {
                *interaction = true;
                *f_tau = (R.status & PLO_STATUS_NO_NORMAL) ? 1 / u_max : lt;
                return true;
            }
        } else if (R.Trial(0, r, false)) {
            R.status |= PLO_STATUS_NO_SHEAR;
            *interaction = true;
            *f_tau = 100 / R.tol;
            return true;
        }
    }
    Grenzdehnung_Ergebnis r0{};
    if (!R.Trial(0, r0, false)) return false;
    const double f0 = r0.lastfaktor;
    r = r0;
    if ((R.status & PLO_STATUS_NO_NORMAL) || f0 > lambda_max) {
        if (u_max >= R.dtol) {
            *f_tau = 1 / u_max;
            R.status |= PLO_STATUS_NO_NORMAL;
        } else {
            R.status |= PLO_STATUS_NO_NORMAL | PLO_STATUS_NO_SHEAR;
            *f_tau = 100 / R.tol;
        }
        return true;
    }
    if (u_max < R.dtol) {
        R.status |= PLO_STATUS_NO_SHEAR;
        *f_tau = 100 / R.tol;
        return true;
    }
    return Iterate(R, f0, r0, u_max, f_tau, &r);
}

// The limit plane, its neutral axis and the forces it carries (moments back
// in the caller's axes; the bimoment shown also where warping was left out).
void Take_Limit_Plane(const PLO_Run& R, Querschnitt* q, const Grenzdehnung_Ergebnis& r, PLO_Ergebnis* out) {
    for (int k = 0; k < 4; k++) out->plane[k] = r.ebene[k];
    double nl[3] = {0, 0, 0};
    Calc_Nulllinie(q, r.ebene, nl);
    out->na_angle = nl[0], out->na_y = 100 * nl[1], out->na_z = 100 * nl[2];
    Schnittgroessen s = r.kraefte;
    if (R.excluded) {
        // The bimoment that the limit plane produces, shown although it
        // was not held in equilibrium.
        Querschnitt_Kurvenoptionen on = R.run_curve;
        on.optionen |= 0x2000u;
        Set_Querschnitt_Modus(R.run_mode | QS_MODUS_FELDER);
        Set_Querschnitt_Kurvenoptionen(q, &on);
        Set_Querschnitt_Faktoren(nullptr);
        Calc_Schnittgroessen_Aus_Dehnung(q, r.ebene, 1.0, &s);
        const double f[4] = {1, 1, 1, 0};
        Set_Querschnitt_Faktoren(f);
        Set_Querschnitt_Kurvenoptionen(q, &R.run_curve);
        Set_Querschnitt_Modus(R.run_mode);
    }
    out->N = s.N;
    const double a = R.o.angle, ca = std::cos(a), sa = std::sin(a);
    double My = 100 * s.My - R.o.z * s.N, Mz = 100 * s.Mz + R.o.y * s.N;
    if (a != 0) {
        const double my = My * ca + Mz * sa, mz = Mz * ca - My * sa;
        My = my, Mz = mz;
    }
    out->My = My, out->Mz = Mz;
    out->B = 10000 * s.B;
}

// The result record of the limit state: factors, utilisation (by the
// interaction when it held), the limit plane's forces and the shear forces
// at the shear factor.
void Fill_Result(const PLO_Run& R, Querschnitt* q, double f_tau, const Grenzdehnung_Ergebnis& r, bool interaction,
                 PLO_Ergebnis* out) {
    const double* F = R.F;
    Clear_Result(out);
    int32_t st = R.status | PLO_STATUS_LIMIT;
    out->f_tau = f_tau;
    out->f_sigma = r.lastfaktor;
    out->f_min = std::min(out->f_tau, out->f_sigma);
    out->U = out->f_min > 0 ? 1 / out->f_min : 1000000.0;
    if (R.excluded) st |= 0x10010;
    if (interaction) {
        const double ia = out->f_tau > 0 ? 1 / out->f_tau : 1000000.0;
        const double ib = out->f_sigma > 0 ? 1 / out->f_sigma : 1000000.0;
        out->U = ia < 1 && ib < 1 ? std::sqrt((1 - ia * ia) * ib * ib + ia * ia) : std::max(ia, ib);
        st |= PLO_STATUS_INTERACTION;
    }
    if (!(st & PLO_STATUS_NO_NORMAL)) Take_Limit_Plane(R, q, r, out);
    if (!(st & PLO_STATUS_NO_SHEAR)) {
        out->Vy = F[1] * f_tau, out->Vz = F[2] * f_tau, out->Mt1 = F[3] * f_tau, out->Mt2 = F[6] * f_tau;
    }
    out->status = st;
}

// The per-line results into *items (made or grown as needed), handed to
// *slot; false when no room can be had.
bool Fill_Line_Results(const PLO_Run& R, PLO_Linienergebnis*& items, PLO_Linienergebnis** slot) {
    if (!items) items = static_cast<PLO_Linienergebnis*>(Mem_Calloc(__FILE__, __LINE__, "plo", 1, sizeof *items));
    const int n = R.table->count;
    if (items && items->capacity < n) {
        void* p = Mem_Realloc(__FILE__, __LINE__, "plo", items->items, sizeof(PLO_Linienergebnis_Eintrag) * static_cast<size_t>(n));
        if (p) items->items = static_cast<PLO_Linienergebnis_Eintrag*>(p), items->capacity = n;
    }
    if (!items || items->capacity < n) return false;
    for (int i = 0; i < n; i++) {
        PLO_Linienergebnis_Eintrag& it = items->items[i];
        const DWQB_PLO_Linie& rec = R.list->block.records[i];
        it = PLO_Linienergebnis_Eintrag{};
        it.number = rec.number, it.kind = rec.kind;
        it.entry = R.table->entries[i];
        it.area = rec.area;
    }
    items->count = n;
    *slot = items;
    items = nullptr;
    return true;
}

}  // namespace

int Calc_DWQB_PLO(const double* F, const double* P, const PLO_Optionen* options, PLO_Ergebnis* out,
                  PLO_Linienergebnis** slot) {
    const Engine_Call engine_call;
    WELD_CHECK_AT_EXIT(Check_DWQB_Invariants());
    PLO_Linienergebnis* items = slot ? *slot : nullptr;
    if (slot) *slot = nullptr;
    if (out) Clear_Result(out);
    if (!F || !P || !out) return Free_DWQB_PLO_Result_List(items), 0;
    PLO_Run R;
    R.F = F, R.P = P;
    auto finish = [&](int result) {
        R.Restore();
        Free_DWQB_PLO_Liste(R.list);
        Free_TSG_Table(R.table);
        if (items) Free_DWQB_PLO_Result_List(items);
        return result;
    };
    R.q = Build_DWQB_Masque_Cached(P + 1);
    if (!R.q) return finish(0);
    R.mode = Get_Querschnitt_Modus();
    Get_Querschnitt_Kurvenoptionen(R.q, &R.curve_options);
    if (!Build_DWQB_PLO_Liste(&R.list, 0) || !Sort_DWQB_PLO_Liste(R.list)) return finish(0);
    R.status |= PLO_STATUS_LIMIT;
    Set_Run_Options(R, options);
    Set_Section_Forces(R);
    if (!Build_TSG_Table(R.Fm, R.list, P[1], &R.table, 0, 0)) return finish(0);
    R.tol = std::max(R.o.tol, 1e-6);
    R.dtol = 0.01 * R.tol;
    double f_tau = 0;
    Grenzdehnung_Ergebnis r{};
    bool interaction = false;
    if (!Find_Factors(R, &f_tau, r, &interaction)) return finish(0);
    // The limit state.
    Querschnitt* q = Get_DWQB_PLO_TSG_Querschnitt(P + 1, R.table, (R.status & PLO_STATUS_NO_SHEAR) ? 0 : f_tau);
    if (!q) return finish(0);
    Update_Querschnitt(q, 0);
    Fill_Result(R, q, f_tau, r, interaction, out);
    if (slot && !Fill_Line_Results(R, items, slot)) return finish(0);
    return finish(1);
}

int Calc_DWQB_PLO_Section_Work(const double* forces, const double* parameters, const void*, NachweisDatenKopf* head,
                               int, PLO_Ergebnis* result, PLO_Linienergebnis** slot) {
    const Engine_Call engine_call;
    WELD_CHECK_AT_EXIT(Check_DWQB_Invariants());
    if (!head) return Calc_DWQB_PLO(forces, parameters, nullptr, result, slot);
    const double* qw = DWQB_Querschnittswerte;
    PLO_Optionen o{};
    o.angle = qw[DWQB_QW_ALPHA];
    o.y = qw[DWQB_QW_YC], o.z = qw[DWQB_QW_ZC];
    o.y2 = qw[DWQB_QW_YM], o.z2 = qw[DWQB_QW_ZM];
    o.L = 100.0;
    o.word = Get_Section_Work_Code_2(nullptr, head);
    o.tol = Get_Section_Work_Payload_2(nullptr, head)[2];
    return Calc_DWQB_PLO(forces, parameters, &o, result, slot);
}

// ---- node values and report ----------------------------------------------------

int Calc_DWQB_OUTLINE_TRIANGULATION_NODE_PLO_Result(const DWQB_OUTLINE_TRIANGULATION_NODE* node,
                                                    const Querschnitt* section, const Querschnittsgruppe* group,
                                                    const PLO_Ergebnis* r, const PLO_Linienergebnis* list,
                                                    double* strain, double* stresses) {
    if (strain) *strain = 0;
    if (stresses) stresses[0] = stresses[1] = stresses[2] = 0;
    if (!node || !section || !group || !r || !list) return 0;
    const double plane[4] = {r->plane[0], r->plane[1], r->plane[2],
                             (r->status & PLO_STATUS_NO_WARPING) ? 0 : r->plane[3]};
    double e = 0, s = 0;
    if (!Calc_Punkt_Spannung(nullptr, group, plane, 0.01 * node->y, 0.01 * node->z, &e, &s)) return 0;
    const PLO_Linienergebnis_Eintrag* it = Find_DWQB_PLO_Result_Linie(list, node->line_number);
    const double sigma = 0.0001 * s, tau = it ? r->f_tau * it->entry.tau : 0;
    if (strain) *strain = e;
    if (stresses) stresses[0] = sigma, stresses[1] = tau, stresses[2] = std::sqrt(sigma * sigma + 3 * tau * tau);
    return 1;
}

int Calc_DWQB_OUTLINE_TRIANGULATION_NODE_PLO_Result_Current(const DWQB_OUTLINE_TRIANGULATION_NODE* node,
                                                            const PLO_Ergebnis* result,
                                                            const PLO_Linienergebnis* list, double* strain,
                                                            double* stresses) {
    Querschnitt* q = Get_Cached_DWQB_Masque();
    const Querschnittsgruppe* g = node && q ? Find_DWQB_Masque_Gruppe(q, node->line_number) : nullptr;
    return Calc_DWQB_OUTLINE_TRIANGULATION_NODE_PLO_Result(node, q, g, result, list, strain, stresses);
}

namespace {

struct PLO_Extremes {
    double e_min = 0, e_max = 0, s_min[3] = {0, 0, 0}, s_max[3] = {0, 0, 0};
    bool first = true;
    void Add(double e, const double* s) {
        e_min = first ? e : std::min(e_min, e), e_max = first ? e : std::max(e_max, e);
        for (int k = 0; k < 3; k++)
            s_min[k] = first ? s[k] : std::min(s_min[k], s[k]), s_max[k] = first ? s[k] : std::max(s_max[k], s[k]);
        first = false;
    }
    void Write(double* a, double* b, double* c, double* d) const {
        if (a) *a = e_min;
        if (b) *b = e_max;
        for (int k = 0; k < 3; k++) {
            if (c) c[k] = s_min[k];
            if (d) d[k] = s_max[k];
        }
    }
};

// Extremes over the nodes take() accepts; false when a node failed (it is
// left out).
template <class Take>
bool Node_PLO_Extremes(const DWQB_OUTLINE_TRIANGULATION* m, const PLO_Ergebnis* r, const PLO_Linienergebnis* list,
                       Take take, PLO_Extremes* x) {
    bool all = true;
    for (int i = 0; i < m->n_nodes; i++) {
        if (!take(m->nodes[i])) continue;
        double e, s[3];
        if (!Calc_DWQB_OUTLINE_TRIANGULATION_NODE_PLO_Result_Current(&m->nodes[i], r, list, &e, s)) {
            Record_Engine_Fault(ENGINE_FAULT_PLO_NODE, "Fehler in Calc_DWQB_OUTLINE_TRIANGULATION_NODE_PLO_Result\n");
            all = false;
            continue;
        }
        x->Add(e, s);
    }
    return all;
}

template <class Take>
int PLO_MinMax(const DWQB_OUTLINE_TRIANGULATION* m, const PLO_Ergebnis* r, const PLO_Linienergebnis* list, Take take,
               double* a, double* b, double* c, double* d) {
    PLO_Extremes x;
    const bool given = m && r && list;
    const bool all = given && Node_PLO_Extremes(m, r, list, take, &x);
    x.Write(a, b, c, d);
    return all ? 1 : 0;
}

}  // namespace

int Calc_DWQB_OUTLINE_TRIANGULATION_NODE_PLO_Result_MinMax(const DWQB_OUTLINE_TRIANGULATION* mesh,
                                                           const PLO_Ergebnis* result,
                                                           const PLO_Linienergebnis* list, double* e_min,
                                                           double* e_max, double* s_min, double* s_max) {
    const Engine_Call engine_call;
    return PLO_MinMax(mesh, result, list, [](const DWQB_OUTLINE_TRIANGULATION_NODE&) { return true; }, e_min, e_max,
                      s_min, s_max);
}

int Calc_DWQB_OUTLINE_TRIANGULATION_LINE_POS_PLO_Result_MinMax(const DWQB_OUTLINE_TRIANGULATION* mesh, int position,
                                                               const PLO_Ergebnis* result,
                                                               const PLO_Linienergebnis* list, double* e_min,
                                                               double* e_max, double* s_min, double* s_max) {
    const Engine_Call engine_call;
    return PLO_MinMax(mesh, result, list,
                      [position](const DWQB_OUTLINE_TRIANGULATION_NODE& n) { return n.line_position == position; },
                      e_min, e_max, s_min, s_max);
}

int Calc_DWQB_OUTLINE_TRIANGULATION_LINE_NR_PLO_Result_MinMax(const DWQB_OUTLINE_TRIANGULATION* mesh, int number,
                                                              const PLO_Ergebnis* result,
                                                              const PLO_Linienergebnis* list, double* e_min,
                                                              double* e_max, double* s_min, double* s_max) {
    const Engine_Call engine_call;
    return PLO_MinMax(mesh, result, list,
                      [number](const DWQB_OUTLINE_TRIANGULATION_NODE& n) { return n.line_number == number; }, e_min,
                      e_max, s_min, s_max);
}

namespace {

// Formula letters of the print font.
const char* const kAngle = "\xBA";
const char* const kTwist = "\xCA";
const char* const kPerMille = "\x89";
const char* const kStrain = "\xBE";
const char* const kSigma = "\xCC";
const char* const kTau = "\xD6";
const char* const kDelta = "\xA3";

// The stress blocks of the section and of its lines on the outline mesh.
void Print_PLO_Stresses(FILE* f, const char* p, const PLO_Ergebnis* r, const PLO_Linienergebnis* list) {
    const bool no_normal = r->status & PLO_STATUS_NO_NORMAL;
    DWQB_OUTLINE_TRIANGULATION* m = Calc_DWQB_OUTLINE_TRIANGULATION(1, 0.0, 0.0, 1, 0.0, 2, 0.0, 0.0, nullptr);
    if (!m) return;
    PLO_Extremes x;
    if (Node_PLO_Extremes(m, r, list, [](const DWQB_OUTLINE_TRIANGULATION_NODE&) { return true; }, &x)) {
        if (!no_normal) {
            std::fprintf(f, "%sGrenzdehnungen des Querschnitts (plast.):  %s╬\\min╬r = %.2f %s, %s╬\\max╬r = %.2f %s\n"_cp,
                         p, kStrain, x.e_min, kPerMille, kStrain, x.e_max, kPerMille);
            std::fprintf(f,
                         "%sGrenznormalspannungen des Querschnitts (plast.):  %s╬\\min╬r = %.2f MN/m╬/2╬r, "
                         "%s╬\\max╬r = %.2f MN/m╬/2╬r\n"_cp,
                         p, kSigma, 10 * x.s_min[0], kSigma, 10 * x.s_max[0]);
        }
        if (!(r->status & PLO_STATUS_NO_SHEAR))
            std::fprintf(f,
                         "%sGrenzschubspannungen des Querschnitts (plast.):  %s╬\\min╬r = %.2f MN/m╬/2╬r, "
                         "%s╬\\max╬r = %.2f MN/m╬/2╬r\n"_cp,
                         p, kTau, 10 * x.s_min[1], kTau, 10 * x.s_max[1]);
        std::fprintf(f,
                     "%sGrenzvergleichsspannungen des Querschnitts (plast.):  %s╬\\V,min╬r = %.2f MN/m╬/2╬r, "
                     "%s╬\\V,max╬r = %.2f MN/m╬/2╬r\n"_cp,
                     p, kSigma, 10 * x.s_min[2], kSigma, 10 * x.s_max[2]);
    } else {
        std::fprintf(f, "%sFehler in Calc_DWQB_OUTLINE_TRIANGULATION_NODE_PLO_Result_MinMax !!!\n", p);
    }
    std::fprintf(f, "%sGrenzspannungen der Linien des Querschnitts (plast.) in MN/m╬/2╬r:\n"_cp, p);
    for (int i = 0; i < list->count; i++) {
        const PLO_Linienergebnis_Eintrag& it = list->items[i];
        if (it.kind == 1) {
            std::fprintf(f, "%s%3d:  Schweissnaht:  %s = %.2f\n", p, it.number, kTau, 10 * r->f_tau * it.entry.tau);
            continue;
        }
        PLO_Extremes l;
        const int n = it.number;
        if (!Node_PLO_Extremes(m, r, list, [n](const DWQB_OUTLINE_TRIANGULATION_NODE& k) { return k.line_number == n; },
                               &l)) {
            std::fprintf(f, "%s%3d: Fehler in Calc_DWQB_OUTLINE_TRIANGULATION_LINE_NR_PLO_Result_MinMax !!!\n", p, n);
            continue;
        }
        std::fprintf(f, "%s%3d:  %s╬\\min╬r = %.2f,  %s╬\\max╬r = %.2f,  %s = %.2f,  %s╬\\V,min╬r = %.2f,  "
                        "%s╬\\V,max╬r = %.2f\n"_cp,
                     p, n, kSigma, 10 * l.s_min[0], kSigma, 10 * l.s_max[0], kTau, 10 * l.s_max[1], kSigma,
                     10 * l.s_min[2], kSigma, 10 * l.s_max[2]);
    }
    Free_DWQB_OUTLINE_TRIANGULATION(m);
}

}  // namespace

int Print_DWQB_PLO_Result(FILE* f, const void*, const char* prefix, const double* forces, const PLO_Ergebnis* r,
                          const PLO_Linienergebnis* list) {
    const Engine_Call engine_call;
    WELD_CHECK_AT_EXIT(Check_DWQB_Invariants());
    if (!f || !r) return 0;
    const char* p = prefix ? prefix : "";
    const int32_t st = r->status;
    const bool no_normal = st & PLO_STATUS_NO_NORMAL;
    if (st & PLO_STATUS_LIMIT) {
        if (!no_normal)
            std::fprintf(f, "%sNulllinie der Grenzdehnungen (plast.):  y╬\\0╬r = %.2f cm, z╬\\0╬r = %.2f cm, %s = %.3f °\n"_cp,
                         p, r->na_y, r->na_z, kAngle, r->na_angle * 57.29577951308232);
        if (!(st & PLO_STATUS_NO_WARPING))
            std::fprintf(f, "%sVerdrillungsableitung des Grenzzustands (plast.):  %s = %.3f %s/cm╬/2╬r\n"_cp, p, kTwist,
                         r->plane[3] * 0.0001, kPerMille);
        if (list) Print_PLO_Stresses(f, p, r, list);
    }
    if (!(st & PLO_STATUS_FACTORS)) return 1;
    if (!(st & PLO_STATUS_NO_SHEAR)) {
        if (no_normal) {
            std::fprintf(f, "%smax. Lastfaktor der Schubspannungen (plast.): f╬\\%s,pl╬r = %.3f\n"_cp, p, kTau, r->f_tau);
            std::fprintf(f, "%sKeine Normalspannungen vorhanden.\n", p);
        } else {
            std::fprintf(f, "%sLastfaktor der Schubspannungen (plast.): f╬\\%s,pl╬r = %.3f\n"_cp, p, kTau, r->f_tau);
            std::fprintf(f, "%smax. Lastfaktor der Normalspannungen (plast.): f╬\\%s,pl╬r = %.3f\n"_cp, p, kSigma,
                         r->f_sigma);
        }
    } else {
        std::fprintf(f, "%sKeine Schubspannungen vorhanden.\n", p);
        if (no_normal)
            std::fprintf(f, "%sKeine Normalspannungen vorhanden.\n", p);
        else
            std::fprintf(f, "%smax. Lastfaktor der Normalspannungen (plast.): f╬\\%s,pl╬r = %.3f\n"_cp, p, kSigma,
                         r->f_sigma);
    }
    const bool iteration_left = st & PLO_STATUS_INTERACTION;
    if (!(st & PLO_STATUS_NO_WARPING)) {
        std::fprintf(f, "%sAusnutzung", p);
        if (iteration_left) std::fprintf(f, " (ohne Iteration der Schubausnutzung)");
    } else {
        const double B = forces ? forces[7] : 0;
        std::fprintf(f, "%sVerwölbungsungleichgewicht:  %sB = %.3f kNm╬/2╬r\n"_cp, p, kDelta,
                     (B * r->f_sigma - r->B) * 0.0001);
        std::fprintf(f, "%sAusnutzung (ohne Verwölbungsgleichgewicht"_cp, p);
        if (iteration_left) std::fprintf(f, ", ohne Iteration der Schubausnutzung");
        std::fprintf(f, ")");
    }
    std::fprintf(f, ":  U╬\\%s,pl╬r = %.3f\n"_cp, kSigma, r->U);
    return 1;
}
