// plane_solvers: equilibrium and limit planes by the hybrid method.
#include "section/plane_solvers.h"

#include <cmath>
#include <cstring>

#include "base/invariant.h"
#include "section/internal_forces.h"
#include "section/limit_planes.h"
#include "section/nonlinear_solver.h"
#include "section/section_invariants.h"
#include "section/section_update.h"
#include "section/section_values.h"
#include "section/strain_ranges.h"
#include "section/stress_strain.h"

static Loeser_Kontext ctx = [] {
    Loeser_Kontext c{};
    for (double& s : c.s) s = 1;
    c.rho = 1.0;
    c.sicherheit = 1.0;
    c.stufe = 1;
    c.w0 = c.w1 = 1.0;
    c.log_grenzen[0] = -23, c.log_grenzen[1] = 23;
    c.teiler_grenzen[0] = 1e-10, c.teiler_grenzen[1] = 1e10;
    return c;
}();

Loeser_Kontext* Get_Loeser_Kontext(void) { return &ctx; }

void Loeser_Zaehlen(int which) {
    if (ctx.zaehlung) ++ctx.zaehler[which];
}
static double stopp_x[4], stopp_f[4];

void Loeser_Stopp_Merken(int n, const double* x, const double* fvec) {
    std::memcpy(stopp_x, x, sizeof(double) * n);
    std::memcpy(stopp_f, fvec, sizeof(double) * n);
}

void Loeser_Stopp_Holen(int n, int info, double* x, double* fvec) {
    if (info >= 0) return;
    std::memcpy(x, stopp_x, sizeof(double) * n);
    std::memcpy(fvec, stopp_f, sizeof(double) * n);
}

void Reset_Loeser_Zaehler(void) { ctx.zaehler[0] = ctx.zaehler[1] = 0; }
void Get_Loeser_Zaehler(int* residuals, int* jacobians) {
    if (residuals) *residuals = ctx.zaehler[0];
    if (jacobians) *jacobians = ctx.zaehler[1];
}
int Set_Loeser_Zaehlung(int on) {
    const int previous = ctx.zaehlung;
    ctx.zaehlung = on;
    return previous;
}

void Loeser_Ebene(int n, const double* x, double* plane) {
    const double k = std::hypot(x[1], x[2]);
    double angle = k != 0 ? std::atan2(x[2], x[1]) : 0;
    if (angle < 0) angle += 2 * M_PI;
    plane[0] = angle, plane[1] = -x[0], plane[2] = k, plane[3] = n > 3 ? x[3] : 0;
}

void Loeser_Variablen(int n, const double* plane, double* x) {
    x[0] = -plane[1];
    x[1] = plane[2] * std::cos(plane[0]);
    x[2] = plane[2] * std::sin(plane[0]);
    if (n > 3) x[3] = plane[3];
}

int Loeser_Ausnutzung(Querschnitt* q, const double* plane, double* u) {
    WELD_CHECK_AT_EXIT(Check_Querschnitt_Invariants(q));
    double out[3];
    if (!Calc_Dehnungsausnutzung(q, plane, out)) return 0;
    *u = out[2];
    return 1;
}

double Loeser_Sicherheit_Stahl(double e_s) {
    const double g = e_s * 0.35 / 3;
    if (g > 0.35) return 1.75;
    if (g < 0) return 2.1;
    return 2.1 - g;
}

void Set_Loeser_Basis(const double* target) {
    if (target) std::memcpy(ctx.ziel_kopie, target, sizeof ctx.ziel_kopie);
    const double* src = target ? target : (ctx.ziel ? ctx.ziel : ctx.ziel_kopie);
    double t[4];
    std::memcpy(t, src, sizeof t);
    double len = std::sqrt(t[0] * t[0] + t[1] * t[1] + t[2] * t[2] + t[3] * t[3]);
    if (len == 0) t[0] = 1, t[1] = t[2] = t[3] = 0, len = 1;
    for (double& v : t) v /= len;
    std::memcpy(ctx.basis[0], t, sizeof t);
    int big = 0;
    for (int i = 1; i < 4; ++i)
        if (std::fabs(t[i]) > std::fabs(t[big])) big = i;
    // The bimoment axis goes first, so that b1 takes it: three-unknown
    // solves use only the force components of b2 and b3.
    int axes[4], na = 0;
    const int order[4] = {3, 0, 1, 2};
    for (int i : order)
        if (i != big) axes[na++] = i;
    axes[na] = big;
    int made = 1;
    for (int a = 0; a < 4 && made < 4; ++a) {
        double v[4] = {0, 0, 0, 0};
        v[axes[a]] = 1;
        for (int b = 0; b < made; ++b) {
            double d = 0;
            for (int i = 0; i < 4; ++i) d += v[i] * ctx.basis[b][i];
            for (int i = 0; i < 4; ++i) v[i] -= d * ctx.basis[b][i];
        }
        const double l = std::sqrt(v[0] * v[0] + v[1] * v[1] + v[2] * v[2] + v[3] * v[3]);
        if (l < 1e-8) continue;  // vanished: the next axis takes its place
        for (int i = 0; i < 4; ++i) ctx.basis[made][i] = v[i] / l;
        ++made;
    }
    ctx.basis_ok = 1;
}

namespace {

void Toleranzen(const Loeser_Toleranz* tol, double* hybrid_tol, int* maxfev) {
    const double t = tol ? tol->toleranz : 1e-4;
    *maxfev = tol ? tol->maxfev : 100;
    ctx.schwelle = t * t;
    *hybrid_tol = 0.001 * t;
}

void Kontext_Leeren(void) {
    ctx.querschnitt = nullptr;
    ctx.ziel = nullptr;
}

// One solve from a polar start plane: the polar plane found, the residual
// norm, the iterations and the status (info + 1).
void Loesen(nlsolve::Hybrj_Fcn fcn, int n, const double* start, double tol, int maxfev, double* plane,
            double* norm, int* iterations, int* status) {
    int ld = n, lwa = n * (n + 13) / 2, info = 0, iter = 0;
    double x[4], fvec[4] = {0, 0, 0, 0}, fjac[16], wa[34];
    Loeser_Variablen(n, start, x);
    nlsolve::hybrj1(fcn, &n, x, fvec, fjac, &ld, &tol, &maxfev, &info, wa, &lwa, &iter);
    Loeser_Stopp_Holen(n, info, x, fvec);
    Loeser_Ebene(n, x, plane);
    double sum = 0;
    for (int i = 0; i < n; ++i) sum += fvec[i] * fvec[i];
    *norm = std::sqrt(sum);
    *iterations = iter;
    *status = info + 1;
}

int Variablenzahl(const Querschnitt* q) { return Has_Querschnitt_Felder(q) ? 4 : 3; }

// Scaled stiffness: dF[j][i] = d scaled force i / d unknown j.
int Steifigkeit(const double* plane, double lambda, double dF[4][4], Schnittgroessen* r) {
    Schnittgroessen_Steifigkeit st{};
    Loeser_Zaehlen(1);
    const int ok = Calc_Schnittgroessen_Steifigkeit(ctx.querschnitt, plane, lambda, &st);
    for (int j = 0; j < 4; ++j) {
        const double* d = st.d[j];
        dF[j][0] = ctx.s[0] * d[0];
        dF[j][1] = ctx.s[1] * (d[1] - ctx.ez * d[0]);
        dF[j][2] = ctx.s[2] * (d[2] + ctx.ey * d[0]);
        dF[j][3] = ctx.s[3] * d[3];
    }
    for (int i = 0; i < 4; ++i) dF[0][i] = -dF[0][i];
    if (r) *r = st.s;
    return ok;
}

// Outside a solve there is nothing to compare with: zero residuals and a
// zero Jacobian.
bool Ohne_Loesung(int n, int rows, double* fvec, double* fjac, int ld, int iflag) {
    if (ctx.querschnitt && ctx.ziel) return false;
    if (iflag == 1)
        for (int i = 0; i < n; ++i) fvec[i] = 0;
    if (iflag == 2)
        for (int j = 0; j < n; ++j)
            for (int i = 0; i < rows; ++i) fjac[i + ld * j] = 0;
    return true;
}

void Gleichgewicht(int n, double* x, double* fvec, double* fjac, int ld, int* iflag) {
    if (Ohne_Loesung(n, n, fvec, fjac, ld, *iflag)) return;
    double plane[4];
    Loeser_Ebene(n, x, plane);
    if (*iflag == 1) {
        Loeser_Zaehlen(0);
        Schnittgroessen r{};
        double f[4] = {0, 0, 0, 0};
        const int ok = Calc_Schnittgroessen_Aus_Dehnung(ctx.querschnitt, plane, ctx.lambda, &r);
        if (ok) Loeser_Skaliert(r, f);
        double sum = 0;
        for (int i = 0; i < n; ++i) {
            fvec[i] = ok ? f[i] - ctx.ziel[i] : 0;
            sum += fvec[i] * fvec[i];
        }
        if (ok && sum <= ctx.schwelle) {
            *iflag = -1;
            Loeser_Stopp_Merken(n, x, fvec);
        }
    } else if (*iflag == 2) {
        double dF[4][4];
        const int ok = Steifigkeit(plane, ctx.lambda, dF, nullptr);
        for (int j = 0; j < n; ++j)
            for (int i = 0; i < n; ++i) fjac[i + ld * j] = ok ? dF[j][i] : 0;
    }
}

// Utilisation residual rho - u; u taken as rho when it cannot be had.
double Ausnutzung_Residuum(const double* plane) {
    double u;
    if (!Loeser_Ausnutzung(ctx.querschnitt, plane, &u)) return 0;
    return ctx.rho - u;
}

// Row of d(rho - u)/dx by central differences.
void Ausnutzung_Zeile(int n, const double* x, int nplane, double* row) {
    for (int j = 0; j < n; ++j) {
        double xa[4], xb[4], pa[4], pb[4];
        std::memcpy(xa, x, sizeof(double) * n);
        std::memcpy(xb, x, sizeof(double) * n);
        xa[j] += 0.001, xb[j] -= 0.001;
        Loeser_Ebene(nplane, xa, pa);
        Loeser_Ebene(nplane, xb, pb);
        row[j] = (Ausnutzung_Residuum(pa) - Ausnutzung_Residuum(pb)) * 500;
    }
}

void Kraftrichtung(int n, double* x, double* fvec, double* fjac, int ld, int* iflag) {
    if ((*iflag != 1 && *iflag != 2) || Ohne_Loesung(n, n, fvec, fjac, ld, *iflag)) return;
    if (!ctx.basis_ok) Set_Loeser_Basis(nullptr);
    double plane[4];
    Loeser_Ebene(n, x, plane);
    const int nb = n == 4 ? 3 : 2;  // projections on b3, b2 [, b1]
    const int rows[3] = {3, 2, 1};
    if (*iflag == 1) {
        Loeser_Zaehlen(0);
        Schnittgroessen r{};
        const int ok = Calc_Schnittgroessen_Aus_Dehnung(ctx.querschnitt, plane, ctx.lambda, &r);
        double R[4] = {r.N, r.My - ctx.ez * r.N, r.Mz + ctx.ey * r.N, n == 4 ? r.B : 0};
        double len = std::sqrt(R[0] * R[0] + R[1] * R[1] + R[2] * R[2] + R[3] * R[3]);
        double u[4] = {plane[1] < 0 ? -1.0 : 1.0, 0, 0, 0};
        if (len > 0)
            for (int i = 0; i < 4; ++i) u[i] = R[i] / len;
        double sum = 0;
        for (int k = 0; k < nb; ++k) {
            double d = 0;
            for (int i = 0; i < (n == 4 ? 4 : 3); ++i) d += u[i] * ctx.basis[rows[k]][i];
            fvec[k] = ok ? d : 0;
            sum += fvec[k] * fvec[k];
        }
        fvec[n - 1] = Ausnutzung_Residuum(plane);
        sum += fvec[n - 1] * fvec[n - 1];
        if (ok && sum <= ctx.schwelle) {
            *iflag = -1;
            Loeser_Stopp_Merken(n, x, fvec);
        }
        return;
    }
    double dF[4][4];
    Schnittgroessen r{};
    const double s_saved[4] = {ctx.s[0], ctx.s[1], ctx.s[2], ctx.s[3]};
    for (double& s : ctx.s) s = 1;
    const int ok = Steifigkeit(plane, ctx.lambda, dF, &r);
    std::memcpy(ctx.s, s_saved, sizeof ctx.s);
    for (int j = 0; j < n; ++j)
        for (int i = 0; i < n; ++i) fjac[i + ld * j] = 0;
    if (ok) {
        const int m = n == 4 ? 4 : 3;
        double R[4] = {r.N, r.My - ctx.ez * r.N, r.Mz + ctx.ey * r.N, n == 4 ? r.B : 0};
        const double len = std::sqrt(R[0] * R[0] + R[1] * R[1] + R[2] * R[2] + R[3] * R[3]);
        if (len > 0) {
            double u[4];
            for (int i = 0; i < 4; ++i) u[i] = R[i] / len;
            for (int j = 0; j < n; ++j) {
                double dR[4] = {dF[j][0], dF[j][1], dF[j][2], n == 4 ? dF[j][3] : 0};
                double ud = 0;
                for (int i = 0; i < m; ++i) ud += u[i] * dR[i];
                double du[4];
                for (int i = 0; i < 4; ++i) du[i] = (dR[i] - ud * u[i]) / len;
                for (int k = 0; k < nb; ++k) {
                    double d = 0;
                    for (int i = 0; i < m; ++i) d += du[i] * ctx.basis[rows[k]][i];
                    fjac[k + ld * j] = d;
                }
            }
        }
        double row[4];
        Ausnutzung_Zeile(n, x, n, row);
        for (int j = 0; j < n; ++j) fjac[(n - 1) + ld * j] = row[j];
    }
}

}  // namespace

void Loeser_Skaliert(const Schnittgroessen& r, double f[4]) {
    f[0] = ctx.s[0] * r.N;
    f[1] = ctx.s[1] * (r.My - ctx.ez * r.N);
    f[2] = ctx.s[2] * (r.Mz + ctx.ey * r.N);
    f[3] = ctx.s[3] * r.B;
}

void Gleichgewicht_Callback_3(int* n, double* x, double* fvec, double* fjac, int* ldfjac, int* iflag) {
    Gleichgewicht(*n, x, fvec, fjac, *ldfjac, iflag);
}
void Gleichgewicht_Callback_4(int* n, double* x, double* fvec, double* fjac, int* ldfjac, int* iflag) {
    Gleichgewicht(*n, x, fvec, fjac, *ldfjac, iflag);
}
void Kraftrichtung_Callback_3(int* n, double* x, double* fvec, double* fjac, int* ldfjac, int* iflag) {
    Kraftrichtung(*n, x, fvec, fjac, *ldfjac, iflag);
}
void Kraftrichtung_Callback_4(int* n, double* x, double* fvec, double* fjac, int* ldfjac, int* iflag) {
    Kraftrichtung(*n, x, fvec, fjac, *ldfjac, iflag);
}

void Traglast_Callback(int*, double* x, double* fvec, double* fjac, int* ldfjac, int* iflag) {
    const int ld = *ldfjac;
    if ((*iflag != 1 && *iflag != 2) || Ohne_Loesung(4, 4, fvec, fjac, ld, *iflag)) return;
    const double s = std::min(std::max(x[3], ctx.log_grenzen[0]), ctx.log_grenzen[1]);
    const double lambda = std::exp(s);
    double plane[4];
    Loeser_Ebene(3, x, plane);
    double gamma = ctx.sicherheit;
    if (!(gamma > 0)) {
        double r[DB_ANZAHL];
        gamma = 2.1;
        if (Calc_Querschnitt_Dehnungsbereich(ctx.querschnitt, plane, r))
            gamma = Loeser_Sicherheit_Stahl(r[DB_STAHL_MAX]);
    }
    auto residuum = [&](double lam, double* f) {
        Schnittgroessen r{};
        Loeser_Zaehlen(0);
        const int ok = Calc_Schnittgroessen_Aus_Dehnung(ctx.querschnitt, plane, lam, &r);
        Loeser_Skaliert(r, f);
        for (int i = 0; i < 3; ++i) f[i] = ok ? f[i] - gamma * ctx.ziel[i] : 0;
        return ok;
    };
    if (*iflag == 1) {
        double f[4];
        const int ok = residuum(lambda, f);
        f[3] = 0;
        double u;
        if (Loeser_Ausnutzung(ctx.querschnitt, plane, &u)) f[3] = 1 - u;
        double sum = 0;
        for (int i = 0; i < 4; ++i) fvec[i] = f[i], sum += f[i] * f[i];
        if (ok && sum <= ctx.schwelle) {
            *iflag = -1;
            Loeser_Stopp_Merken(4, x, fvec);
        }
        return;
    }
    double dF[4][4];
    for (int j = 0; j < 4; ++j)
        for (int i = 0; i < 4; ++i) fjac[i + ld * j] = 0;
    if (!Steifigkeit(plane, lambda, dF, nullptr)) return;
    for (int j = 0; j < 3; ++j)
        for (int i = 0; i < 3; ++i) fjac[i + ld * j] = dF[j][i];
    // The unknown is the logarithm of the load level: the forward difference
    // over 10 % of the level, divided by 0.1, is d F / d ln(level).
    double f0[4], f1[4];
    residuum(lambda, f0);
    residuum(1.1 * lambda, f1);
    for (int i = 0; i < 3; ++i) fjac[i + ld * 3] = (f1[i] - f0[i]) / 0.1;
    const double rho_saved = ctx.rho;
    ctx.rho = 1.0;
    double row[3];
    Ausnutzung_Zeile(3, x, 3, row);
    ctx.rho = rho_saved;
    for (int j = 0; j < 3; ++j) fjac[3 + ld * j] = row[j];
}

int Set_Loeser_Skalierung(const double* target) {
    Querschnittswerte w;
    const int ok = Calc_Querschnittswerte(ctx.querschnitt, QW_AUSWAHL_ALLE, 3, &w);
    const double a = w.v[QW_A] > 0 ? 1 / w.v[QW_A] : 1;
    const double i12 = std::hypot(w.v[QW_I1], w.v[QW_I2]);
    const double b = i12 > 0 ? 1 / i12 : 1;
    const double c = w.v[QW_BW] > 0 ? 1 / w.v[QW_BW] : 1;
    const double N = target ? target[0] : 0, B = target ? target[3] : 0;
    const double My = target ? target[1] - ctx.ez * N : 0, Mz = target ? target[2] + ctx.ey * N : 0;
    const double d = a * N * N + b * (My * My + Mz * Mz) + c * B * B;
    if (!(d > 0)) {
        for (double& s : ctx.s) s = 1;
    } else {
        ctx.s[0] = std::sqrt(a / d);
        ctx.s[1] = ctx.s[2] = std::sqrt(b / d);
        ctx.s[3] = std::sqrt(c / d);
    }
    return ok;
}

int Calc_Startebene(const double* target, double* out) {
    if (!out) return 0;
    out[0] = 0, out[1] = -0.0001, out[2] = 0, out[3] = 0;
    Querschnitt* q = ctx.querschnitt;
    if (!q || !target) return 0;
    Querschnittswerte w;
    Calc_Querschnittswerte(q, QW_AUSWAHL_ALLE, 2, &w);
    double lo = 0, hi = 0;
    bool any = false;
    for (int i = 0; i < Get_Querschnittsgruppen_Count(q); ++i) {
        const Querschnittsgruppe* g = Get_Querschnittsgruppe(q, i);
        const int law = g && g->kurve ? g->kurve->typ & SDL_ART_MASKE : 0;
        if (law != SDL_BETON && law != SDL_STAHL) continue;
        const double e = g->kurve->vordehnung[1] * Vordehnung_Faktor;
        if (!any || e < lo) lo = e;
        if (!any || e > hi) hi = e;
        any = true;
    }
    const double m0 = any ? (lo + hi) / 2 : 0;
    out[1] = -0.0001 - m0;
    const double A = w.v[QW_A], ys = w.v[QW_YS], zs = w.v[QW_ZS];
    const double al = w.v[QW_ALPHA], i1 = w.v[QW_I1] > 0 ? w.v[QW_I1] : 1, i2 = w.v[QW_I2] > 0 ? w.v[QW_I2] : 1;
    const double N = target[0], My = target[1] - zs * N, Mz = target[2] + ys * N;
    const double my1 = (My * std::cos(al) + Mz * std::sin(al)) / i1;
    const double mz1 = (Mz * std::cos(al) - My * std::sin(al)) / i2;
    if (my1 == 0 && mz1 == 0) return 1;
    double angle = std::atan2(mz1, my1) + al;
    if (angle < 0) angle += 2 * M_PI;
    const double r2 = A > 0 ? std::hypot(w.v[QW_I1], w.v[QW_I2]) / A : 0;
    const double k = r2 >= 0.0001 ? 0.01 / std::sqrt(r2) : 1.0;
    out[0] = angle, out[2] = k;
    out[1] -= k * (ys * std::cos(angle) + zs * std::sin(angle));
    return 1;
}

int Calc_Dehnungsebene_Gleichgewicht(Querschnitt* q, const double* target,
                                     const Loeser_Toleranz* tolerance, double lambda,
                                     Gleichgewicht_Ergebnis* result, int options) {
    WELD_CHECK_AT_EXIT(Check_Querschnitt_Invariants(q));
    if (!q || !target || !result) return 0;
    double tol;
    int maxfev;
    Toleranzen(tolerance, &tol, &maxfev);
    ctx.lambda = lambda;
    ctx.querschnitt = q;
    Querschnittswerte w;
    Calc_Querschnittswerte(q, QW_AUSWAHL_ALLE, 1, &w);
    ctx.ey = w.v[QW_YS], ctx.ez = w.v[QW_ZS];
    Set_Loeser_Skalierung(target);
    double scaled[4] = {ctx.s[0] * target[0], ctx.s[1] * (target[1] - ctx.ez * target[0]),
                        ctx.s[2] * (target[2] + ctx.ey * target[0]), ctx.s[3] * target[3]};
    ctx.ziel = scaled;
    double start[4];
    if (options & 1) std::memcpy(start, result->ebene, sizeof start);
    else Calc_Startebene(target, start);
    const int n = Variablenzahl(q);
    Loesen(n == 4 ? Gleichgewicht_Callback_4 : Gleichgewicht_Callback_3, n, start, tol, maxfev,
           result->ebene, &result->norm, &result->iterationen, &result->status);
    Kontext_Leeren();
    return result->status == 0;
}

int Calc_Grenzebene_Kraftrichtung(Querschnitt* q, const double* target,
                                  const Loeser_Toleranz* tolerance, double lambda,
                                  const double* reference, double ey, double ez,
                                  Grenzdehnung_Ergebnis* result, int options, double rho) {
    WELD_CHECK_AT_EXIT(Check_Querschnitt_Invariants(q));
    if (!result || !q || !target) return 0;
    double tol;
    int maxfev;
    Toleranzen(tolerance, &tol, &maxfev);
    const double rho_saved = ctx.rho;
    ctx.lambda = lambda;
    ctx.querschnitt = q;
    ctx.ziel_kopie[0] = target[0];
    ctx.ziel_kopie[1] = target[1] - ez * target[0];
    ctx.ziel_kopie[2] = target[2] + ey * target[0];
    ctx.ziel_kopie[3] = target[3];
    ctx.ziel = ctx.ziel_kopie;
    ctx.ey = ey, ctx.ez = ez;
    ctx.basis_ok = 0;
    ctx.rho = rho;
    for (double& s : ctx.s) s = 1;
    (void)reference;  // the residuals of this solve are free of scale
    result->status = 1;
    double start[4];
    bool ultimate = false;
    if (options & 1) {
        std::memcpy(start, result->ebene, sizeof start);
    } else {
        start[0] = start[1] = start[2] = start[3] = 0;
        double par[2], plane[4];
        if (Calc_Grenzzustand_Startwert(q, target, par, lambda, ey, ez) &&
            Calc_Grenzdehnungsebene(q, par, plane)) {
            std::memcpy(start, plane, sizeof start);
            start[3] = 0;
            ultimate = true;
        }
    }
    int n = Variablenzahl(q);
    if (n == 4 && ultimate && target[3] != 0) {
        // A few rounds of combining the bending plane and a pure w plane so
        // that the start already carries the target's bimoment.
        double pb[4] = {0, 0, 0, target[3] >= 0 ? -10.0 : 10.0}, u;
        if (Loeser_Ausnutzung(q, pb, &u) && u > 0) pb[3] *= rho / u;
        Schnittgroessen rb{};
        Calc_Schnittgroessen_Aus_Dehnung(q, pb, lambda, &rb);
        for (int round = 0; round < 10; ++round) {
            if (!Loeser_Ausnutzung(q, start, &u) || u <= 0) break;
            double pa[4] = {start[0], start[1] * rho / u, start[2] * rho / u, start[3] * rho / u};
            Schnittgroessen ra{};
            Calc_Schnittgroessen_Aus_Dehnung(q, pa, lambda, &ra);
            const double A[4] = {ra.N, ra.My, ra.Mz, ra.B}, B[4] = {rb.N, rb.My, rb.Mz, rb.B};
            double aa = 0, ab = 0, bb = 0, at = 0, bt = 0;
            for (int i = 0; i < 4; ++i) {
                aa += A[i] * A[i], ab += A[i] * B[i], bb += B[i] * B[i];
                at += A[i] * target[i], bt += B[i] * target[i];
            }
            const double det = aa * bb - ab * ab;
            if (det == 0) break;
            const double al = (at * bb - bt * ab) / det, be = (aa * bt - ab * at) / det;
            double sa[4] = {pa[0], pa[1] * al, pa[2] * al, pa[3] * al};
            double sb[4] = {pb[0], pb[1] * be, pb[2] * be, pb[3] * be};
            Dehnungsebene_Polar_Summe(sa, sb, start);
        }
    }
    Loesen(n == 4 ? Kraftrichtung_Callback_4 : Kraftrichtung_Callback_3, n, start, tol, maxfev,
           result->ebene, &result->norm, &result->iterationen, &result->status);
    Schnittgroessen r{};
    Calc_Schnittgroessen_Aus_Dehnung(q, result->ebene, lambda, &r);
    result->kraefte = r;
    const double R[4] = {r.N, r.My, r.Mz, r.B};
    double tr = 0, tt = 0;
    for (int i = 0; i < 4; ++i) tr += target[i] * R[i], tt += target[i] * target[i];
    result->lastfaktor = std::fabs(tr) >= 1e10 * tt ? 1e10 : tr / tt;
    result->rho = rho;
    Kontext_Leeren();
    ctx.rho = rho_saved;
    return result->status == 0;
}
