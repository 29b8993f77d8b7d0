// limit_planes: the ultimate plane family by parameter and its search.
#include "section/limit_planes.h"

#include <cmath>
#include <cstring>

#include "base/invariant.h"
#include "section/internal_forces.h"
#include "section/nonlinear_solver.h"
#include "section/section_invariants.h"
#include "section/strain_ranges.h"

int Calc_Grenzzustand_Schnittgroessen(Querschnitt* q, const double* params, double lambda,
                                      Schnittgroessen* out) {
    WELD_CHECK_AT_EXIT(Check_Querschnitt_Invariants(q));
    if (!out) return 0;
    *out = {};
    if (!q || !params) return 0;
    double plane[4];
    if (!Calc_Grenzdehnungsebene(q, params, plane)) return 0;
    Loeser_Zaehlen(0);
    return Calc_Schnittgroessen(q, plane, out, lambda);
}

namespace {

Loeser_Kontext& K(void) { return *Get_Loeser_Kontext(); }

}  // namespace

int Calc_Grenzzustand_Residuen(const double* params, Schnittgroessen* R, double* out) {
    if (!R || !out) return 0;
    // The basis is made from the target in the search's scaled units; the
    // forces are measured against it in the same units, else the resultant
    // found points along the scaled target and not along the forces (under
    // N and M together, whose scales differ by the section's depth).
    double f[4];
    Loeser_Skaliert(*R, f);
    R->N = f[0], R->My = f[1], R->Mz = f[2];
    const double len = std::sqrt(R->N * R->N + R->My * R->My + R->Mz * R->Mz);
    if (len > 0) {
        R->N /= len, R->My /= len, R->Mz /= len;
    } else {
        R->N = params && params[1] >= 16 ? 1.0 : -1.0;
        R->My = R->Mz = 0;
    }
    const double u[3] = {R->N, R->My, R->Mz};
    out[0] = out[1] = 0;
    for (int i = 0; i < 3; ++i) {
        out[0] += u[i] * K().basis[3][i];
        out[1] += u[i] * K().basis[2][i];
    }
    return 1;
}

int Calc_Grenzzustand_Winkelresiduen(const double*, Schnittgroessen* R, double* out) {
    if (!R || !out || !K().ziel) return 0;
    double f[4];
    Loeser_Skaliert(*R, f);
    const double n = f[0], my = f[1], mz = f[2];
    const double m = std::hypot(my, mz);
    const double* T = K().ziel;
    const double tm = std::hypot(T[1], T[2]);
    out[0] = K().w0 * std::atan2(tm * n - m * T[0], T[0] * n + tm * m);
    out[1] = K().w1 * std::atan2(T[1] * mz - T[2] * my, T[1] * my + T[2] * mz);
    return 1;
}

namespace {

typedef int (*Residuen_Fn)(const double*, Schnittgroessen*, double*);

// Residuals at (t, angle).
int Residuen(double t, double angle, Residuen_Fn fn, double* r) {
    const double params[2] = {angle, t};
    Schnittgroessen R;
    r[0] = r[1] = 0;
    if (!Calc_Grenzzustand_Schnittgroessen(K().querschnitt, params, K().lambda, &R)) return 0;
    return fn(params, &R, r);
}

// Limits the proposed step (dt, dangle): the angle by 0.35 rad, the
// parameter by 2, less near either end of its range.
void Schrittgrenze(const double* x, double* step) {
    const double t = x[0];
    double s = 2;
    if (t <= 3) s = std::min(std::max(std::fabs(t) / 2, 0.5), 2.0);
    else if (t >= 30) s = std::min(std::max(std::fabs(33 - t) / 2, 0.5), 2.0);
    const double q = (step[0] / s) * (step[0] / s) + (step[1] / 0.35) * (step[1] / 0.35);
    if (q > 1) {
        const double r = std::sqrt(q);
        step[0] /= r, step[1] /= r;
    }
}

void Callback(double* x, double* fvec, double* fjac, int ld, int* iflag, Residuen_Fn fn,
              double dt_back, double da_fwd, double da_back) {
    if (*iflag == 3) {
        Schrittgrenze(x, fvec);
        return;
    }
    if (*iflag != 1 && *iflag != 2) return;
    if (fn == Calc_Grenzzustand_Residuen && !K().basis_ok) Set_Loeser_Basis(nullptr);
    if (*iflag == 1) {
        const int ok = Residuen(x[0], x[1], fn, fvec);
        if (ok && fvec[0] * fvec[0] + fvec[1] * fvec[1] <= K().schwelle) {
            *iflag = -1;
            Loeser_Stopp_Merken(2, x, fvec);
        }
        return;
    }
    for (int i = 0; i < 4; ++i) fjac[i % 2 + ld * (i / 2)] = 0;
    double r0[2], r1[2];
    if (!Residuen(x[0], x[1], fn, r0) || !Residuen(x[0] - dt_back, x[1], fn, r1)) return;
    fjac[0] = (r0[0] - r1[0]) / dt_back;
    fjac[1] = (r0[1] - r1[1]) / dt_back;
    double ra[2], rb[2];
    if (!Residuen(x[0], x[1] + da_fwd, fn, ra) || !Residuen(x[0], x[1] - da_back, fn, rb)) return;
    fjac[ld] = (ra[0] - rb[0]) / (da_fwd + da_back);
    fjac[ld + 1] = (ra[1] - rb[1]) / (da_fwd + da_back);
}

}  // namespace

void Grenzzustand_Parameter_Callback(int*, double* x, double* fvec, double* fjac, int* ldfjac,
                                     int* iflag) {
    Callback(x, fvec, fjac, *ldfjac, iflag, Calc_Grenzzustand_Residuen, 0.001, 0.001, 0.001);
}

void Grenzzustand_Winkel_Callback(int*, double* x, double* fvec, double* fjac, int* ldfjac,
                                  int* iflag) {
    Callback(x, fvec, fjac, *ldfjac, iflag, Calc_Grenzzustand_Winkelresiduen, 0.0001, 0.0001, 0);
}

int Calc_Grenzzustand_Startwert(Querschnitt* q, const double* target, double* out, double lambda,
                                double ey, double ez) {
    WELD_CHECK_AT_EXIT(Check_Querschnitt_Invariants(q));
    if (!q || !out || !target) return 0;
    Loeser_Kontext& c = K();
    const double saved_ref[2] = {c.ey, c.ez};
    double saved_s[4];
    std::memcpy(saved_s, c.s, sizeof saved_s);
    c.ey = ey, c.ez = ez;
    const double N = target[0], My = target[1] - ez * N, Mz = target[2] + ey * N;
    const double m = std::hypot(My, Mz);
    double t0 = 16;
    if (N != 0 || m != 0) {
        const double add = (30 / M_PI) * std::atan2(N, m);
        t0 = add > 4 ? 20 : add < -15 ? 1 : 16 + add;
    }
    // Direction from two probes a quarter turn apart.
    const double a1 = Mz < 0 ? 0 : M_PI, a2 = My < 0 ? -M_PI / 2 : M_PI / 2;
    double angle = a1;
    double mv[2][2];
    bool probes = true;
    const double as[2] = {a1, a2};
    for (int i = 0; i < 2 && probes; ++i) {
        const double p[2] = {as[i], t0};
        Schnittgroessen R;
        double plane[4];
        if (!Calc_Grenzzustand_Schnittgroessen(q, p, lambda, &R) || !Calc_Grenzdehnungsebene(q, p, plane) ||
            plane[2] == 0) {
            probes = false;
            break;
        }
        mv[i][0] = (R.My - ez * R.N) / plane[2];
        mv[i][1] = (R.Mz + ey * R.N) / plane[2];
    }
    if (probes) {
        const double det = mv[0][0] * mv[1][1] - mv[1][0] * mv[0][1];
        if (det != 0) {
            const double c1 = (My * mv[1][1] - Mz * mv[1][0]) / det;
            const double c2 = (mv[0][0] * Mz - mv[0][1] * My) / det;
            if (c1 != 0 || c2 != 0) angle = std::atan2(c2, c1);
        } else if (m != 0) {
            angle = std::atan2(Mz, My) + M_PI / 2;
        }
    }
    auto cosine = [&](double t, double* cv) {
        const double p[2] = {angle, t};
        Schnittgroessen R;
        if (!Calc_Grenzzustand_Schnittgroessen(q, p, lambda, &R)) return false;
        const double a[3] = {R.N, R.My - ez * R.N, R.Mz + ey * R.N}, b[3] = {N, My, Mz};
        double ab = 0, aa = 0, bb = 0;
        for (int i = 0; i < 3; ++i) ab += a[i] * b[i], aa += a[i] * a[i], bb += b[i] * b[i];
        *cv = aa > 0 && bb > 0 ? ab / std::sqrt(aa * bb) : -1;
        return true;
    };
    double c0;
    if (cosine(t0, &c0) && c0 < 0.5) {
        const double first = N > 0 ? 0.5 : -0.5;
        double ca = -2, cb = -2, step = 0;
        if (t0 + first >= 0 && t0 + first <= 33 && cosine(t0 + first, &ca) && ca > c0) step = first;
        else if (t0 - first >= 0 && t0 - first <= 33 && cosine(t0 - first, &cb) && cb > c0) step = -first;
        if (step != 0) {
            double best = step == first ? ca : cb, t = t0 + step, cn;
            while (t + step >= 0 && t + step <= 33 && cosine(t + step, &cn) && cn > best) best = cn, t += step;
            t0 = t;
        }
    }
    c.ey = saved_ref[0], c.ez = saved_ref[1];
    std::memcpy(c.s, saved_s, sizeof saved_s);
    out[0] = angle;
    out[1] = t0;
    return 1;
}

int Calc_Grenzzustand_Parameter(Querschnitt* q, const double* target,
                                const Loeser_Toleranz* tolerance, double lambda,
                                const double* reference, double ey, double ez,
                                Grenzzustand_Ergebnis* result, int options) {
    WELD_CHECK_AT_EXIT(Check_Querschnitt_Invariants(q));
    if (!q || !target || !result) return 0;
    Loeser_Kontext& c = K();
    const double tol0 = tolerance ? tolerance->toleranz : 1e-4;
    int maxfev = tolerance ? tolerance->maxfev : 100;
    double tol = 0.001 * tol0;
    c.schwelle = tol0 * tol0;
    c.querschnitt = q;
    c.lambda = lambda;
    c.ey = ey, c.ez = ez;
    c.stufe = 2;
    c.basis_ok = 0;
    for (int i = 0; i < 4; ++i) {
        const double R = !reference ? 0 : i == 1 || i == 2 ? std::hypot(reference[1], reference[2]) : reference[i];
        c.s[i] = R > 0 ? 1 / R : 1;
    }
    double x[2];
    if (options & 1) {
        x[0] = result->t, x[1] = result->winkel;
        for (double& s : c.s) s = 1;
    } else {
        double p[2] = {0, 16};
        Calc_Grenzzustand_Startwert(q, target, p, lambda, ey, ez);
        x[0] = p[1], x[1] = p[0];
    }
    c.ziel_kopie[0] = c.s[0] * target[0];
    c.ziel_kopie[1] = c.s[1] * (target[1] - ez * target[0]);
    c.ziel_kopie[2] = c.s[2] * (target[2] + ey * target[0]);
    c.ziel_kopie[3] = c.s[3] * target[3];
    c.ziel = c.ziel_kopie;
    int n = 2, ld = 2, lwa = 15, info = 0, iter = 0;
    double fvec[2] = {0, 0}, fjac[4], wa[15];
    nlsolve::hybrj1(Grenzzustand_Parameter_Callback, &n, x, fvec, fjac, &ld, &tol, &maxfev, &info, wa,
                    &lwa, &iter);
    Loeser_Stopp_Holen(2, info, x, fvec);
    result->status = info + 1;
    result->winkel = std::fmod(x[1], 2 * M_PI);
    if (result->winkel < 0) result->winkel += 2 * M_PI;
    result->t = x[0];
    const double p[2] = {result->winkel, result->t};
    Calc_Grenzzustand_Schnittgroessen(q, p, lambda, &result->kraefte);
    result->norm = std::hypot(fvec[0], fvec[1]);
    result->iterationen = iter;
    const Schnittgroessen& R = result->kraefte;
    const double tr = target[0] * R.N + target[1] * R.My + target[2] * R.Mz;
    const double tt = target[0] * target[0] + target[1] * target[1] + target[2] * target[2];
    result->lastfaktor = std::fabs(tr) >= 1e10 * tt ? 1e10 : tr / tt;
    c.querschnitt = nullptr;
    c.ziel = nullptr;
    return result->status == 0;
}

void Grenzzustand_Referenz(Querschnitt* q, const double* T, double lambda, double* ey, double* ez,
                           double* R) {
    WELD_CHECK_AT_EXIT(Check_Querschnitt_Invariants(q));
    const double pu[2] = {0, T[0] > 0 ? 33.0 : 0.0};
    Schnittgroessen u{};
    Calc_Grenzzustand_Schnittgroessen(q, pu, lambda, &u);
    *ey = *ez = 0;
    if (std::fabs(u.N) > 1e-6 * std::hypot(u.My, u.Mz)) *ey = -u.Mz / u.N, *ez = u.My / u.N;
    R[0] = std::max(std::fabs(T[0]), std::fabs(u.N));
    R[3] = std::max(std::fabs(T[3]), std::fabs(u.B));
    if (Has_Querschnitt_Felder(q)) {
        double pb[4] = {0, 0, 0, T[3] >= 0 ? -10.0 : 10.0}, uw;
        if (Loeser_Ausnutzung(q, pb, &uw) && uw > 0) pb[3] /= uw;
        Schnittgroessen b{};
        Calc_Schnittgroessen_Aus_Dehnung(q, pb, lambda, &b);
        R[3] = std::max(R[3], std::fabs(b.B));
    }
    const double My = T[1] - *ez * T[0], Mz = T[2] + *ey * T[0];
    Schnittgroessen p{};
    const double p1[2] = {My < 0 ? -M_PI / 2 : M_PI / 2, 12};
    Calc_Grenzzustand_Schnittgroessen(q, p1, lambda, &p);
    R[1] = std::max(std::fabs(My), std::fabs(p.My - *ez * p.N));
    const double p2[2] = {Mz < 0 ? 0 : M_PI, 12};
    Calc_Grenzzustand_Schnittgroessen(q, p2, lambda, &p);
    R[2] = std::max(std::fabs(Mz), std::fabs(p.Mz + *ey * p.N));
}

double Grenzzustand_Ziel_Skalieren(double* T, const double* R) {
    const double lt = std::sqrt(T[0] * T[0] + T[1] * T[1] + T[2] * T[2] + T[3] * T[3]);
    const double lr = std::sqrt(R[0] * R[0] + R[1] * R[1] + R[2] * R[2] + R[3] * R[3]);
    double c = 1;
    if (0.001 * lr > lt) c = lt * 1e6 <= 0.001 * lr ? 1e6 : 0.001 * lr / lt;
    for (int i = 0; i < 4; ++i) T[i] *= c;
    return c;
}

int Calc_Grenzzustand_Skaliert(Querschnitt* q, const double* target, double lambda,
                               const Loeser_Toleranz* tolerance, Grenzzustand_Ergebnis* result,
                               int options) {
    WELD_CHECK_AT_EXIT(Check_Querschnitt_Invariants(q));
    if (!q || !target || !result) return 0;
    double ey, ez, R[4];
    Grenzzustand_Referenz(q, target, lambda, &ey, &ez, R);
    double T[4];
    std::memcpy(T, target, sizeof T);
    const double c = Grenzzustand_Ziel_Skalieren(T, R);
    result->status = 1;
    const int ok = Calc_Grenzzustand_Parameter(q, T, tolerance, lambda, R, ey, ez, result, options);
    result->lastfaktor *= c;
    return ok;
}
