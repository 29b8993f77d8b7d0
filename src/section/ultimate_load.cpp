// ultimate_load: the ultimate load factor driver.
#include "section/ultimate_load.h"

#include <cmath>
#include <cstring>
#include <initializer_list>

#include "base/invariant.h"
#include "section/internal_forces.h"
#include "section/limit_planes.h"
#include "section/section_invariants.h"
#include "section/strain_ranges.h"
#include "section/stress_strain.h"

namespace {

void Skalieren(const double* p, double f, double* out) {
    out[0] = p[0], out[1] = p[1] * f, out[2] = p[2] * f, out[3] = p[3] * f;
}

// Start plane between two continuation points: e0 and w linearly, the
// curvature as a vector.
void Interpolieren(const Fortsetzung_Punkt& lo, const Fortsetzung_Punkt& hi, double mu, double* out) {
    const double s = (mu - lo.mu) / (hi.mu - lo.mu);
    const double ky = (1 - s) * lo.plane[2] * std::cos(lo.plane[0]) + s * hi.plane[2] * std::cos(hi.plane[0]);
    const double kz = (1 - s) * lo.plane[2] * std::sin(lo.plane[0]) + s * hi.plane[2] * std::sin(hi.plane[0]);
    const double k = std::hypot(ky, kz);
    out[0] = k != 0 ? std::atan2(kz, ky) : 0;
    if (out[0] < 0) out[0] += 2 * M_PI;
    out[1] = (1 - s) * lo.plane[1] + s * hi.plane[1];
    out[2] = k;
    out[3] = (1 - s) * lo.plane[3] + s * hi.plane[3];
}

// One search for the equilibrium at the ultimate limit: the section, the
// forces' direction, and what the road so far has found.
struct Search {
    Querschnitt* q;
    const double* T;
    const Loeser_Toleranz* tolerance;
    double lambda, rho;
    double R[4], ey, ez;
    Grenzdehnung_Ergebnis* result;
    int iterations = 0;
};

// The limit state by its parameters (angle and depth of the limit plane);
// 1 when it gives a plane at the utilisation 1, with the result set. A
// near miss lowers the continuation's start *mu.
int Parameter_Road(Search& s, int options, double h, double* mu) {
    Loeser_Kontext* ctx = Get_Loeser_Kontext();
    Grenzzustand_Ergebnis g{};
    const double rho_saved = ctx->rho;
    ctx->rho = s.rho;
    const int gok = Calc_Grenzzustand_Parameter(s.q, s.T, s.tolerance, s.lambda, s.R, s.ey, s.ez, &g, options & ~1);
    ctx->rho = rho_saved;
    s.iterations += g.iterationen;
    if (gok && g.lastfaktor >= 0) {
        const double p[2] = {g.winkel, g.t};
        double plane[4], u;
        if (Calc_Grenzdehnungsebene(s.q, p, plane) && Loeser_Ausnutzung(s.q, plane, &u) && std::fabs(u - 1) <= 0.001) {
            Grenzdehnung_Ergebnis* result = s.result;
            std::memcpy(result->ebene, plane, sizeof plane);
            result->kraefte = g.kraefte;
            result->norm = g.norm;
            result->status = g.status;
            result->lastfaktor = g.lastfaktor;
            result->rho = u;
            return 1;
        }
    } else if (!gok && g.lastfaktor > 0 && g.norm < h) {
        *mu = 0.5 * g.lastfaktor;
    }
    return 0;
}

// The next load factor of the continuation from the points bracketing the
// utilisation rho; false when the bracket is close enough.
bool Next_Load_Factor(const Fortsetzung_Punkt& lo, const Fortsetzung_Punkt& hi, double rho, double* mu) {
    if (hi.set && !lo.set) {
        *mu = hi.mu * rho / hi.u < *mu ? hi.mu * rho / hi.u : 0.75 * *mu;
    } else if (hi.set && lo.set) {
        if (hi.mu - lo.mu < 0.01 * lo.mu || rho - lo.u < 0.01 * rho) return false;
        const double f = (rho - lo.u) / (hi.u - lo.u);
        *mu = lo.mu * (1 - f) + hi.mu * f;
    } else if (lo.set) {
        *mu = lo.u > 0 && lo.mu * rho / lo.u > *mu ? lo.mu * rho / lo.u : 1.25 * *mu;
    } else {
        *mu = 2 * *mu;
    }
    return true;
}

// The continuation's evaluations on the driver's search.
int Step_Solve(void* context, double mu, const double* start, double* plane, double* norm) {
    Search& s = *static_cast<Search*>(context);
    const double* T = s.T;
    const double Tm[4] = {mu * T[0], mu * T[1], mu * T[2], mu * T[3]};
    Gleichgewicht_Ergebnis e{};
    if (start) std::memcpy(e.ebene, start, sizeof e.ebene);
    const int ok = Calc_Dehnungsebene_Gleichgewicht(s.q, Tm, s.tolerance, s.lambda, &e, start ? 1 : 0);
    s.iterations += e.iterationen;
    std::memcpy(plane, e.ebene, sizeof e.ebene);
    *norm = e.norm;
    return ok;
}

int Step_Utilisation(void* context, const double* plane, double* u) {
    return Loeser_Ausnutzung(static_cast<Search*>(context)->q, plane, u);
}

int Step_Limit(void* context, const double* start) {
    Search& s = *static_cast<Search*>(context);
    std::memcpy(s.result->ebene, start, sizeof s.result->ebene);
    const int ok = Calc_Grenzebene_Kraftrichtung(s.q, s.T, s.tolerance, s.lambda, s.R, s.ey, s.ez, s.result, 1, s.rho);
    s.iterations += s.result->iterationen;
    return ok && s.result->lastfaktor >= 0;
}

// The result from the highest continuation point below rho: its plane, its
// forces and the load factor of their projection on the forces' direction.
void Take_Point_Below(Search& s, const Fortsetzung_Punkt& lo) {
    Grenzdehnung_Ergebnis* result = s.result;
    std::memcpy(result->ebene, lo.plane, sizeof lo.plane);
    Calc_Schnittgroessen_Aus_Dehnung(s.q, lo.plane, s.lambda, &result->kraefte);
    result->norm = lo.norm;
    result->status = 0;
    result->rho = lo.u;
    const Schnittgroessen& r = result->kraefte;
    const double* T = s.T;
    const double tr = T[0] * r.N + T[1] * r.My + T[2] * r.Mz + T[3] * r.B;
    const double tt = T[0] * T[0] + T[1] * T[1] + T[2] * T[2] + T[3] * T[3];
    result->lastfaktor = tt != 0 ? tr / tt : 0;
}

}  // namespace

// A step whose plane's utilisation cannot be had stores no point and goes
// on by the same rule as any other: trying its factor again would only
// repeat the solve.
int Fortsetzung_Lastfaktor(const Fortsetzung_Schritte* steps, double mu, double rho, Fortsetzung_Punkt* lo) {
    if (!steps || !lo) return 0;
    Fortsetzung_Punkt hi;
    bool retry = false;
    for (int step = 0; step < 100; ++step) {
        double start[4], plane[4], norm = 0, u = 0;
        const double* from = start;
        if (lo->set && hi.set) Interpolieren(*lo, hi, mu, start);
        else if (lo->set) Skalieren(lo->plane, mu / lo->mu, start);
        else if (hi.set) Skalieren(hi.plane, mu / hi.mu, start);
        else from = nullptr;
        if (!steps->solve(steps->context, mu, from, plane, &norm)) {
            mu = 0.25 * mu + (lo->set ? 0.75 * lo->mu : 0);
            continue;
        }
        const bool have_u = steps->utilisation(steps->context, plane, &u);
        if (have_u && std::fabs(rho - u) <= 3 * rho) retry = true;
        if (retry && steps->limit(steps->context, plane)) return 1;
        if (have_u) {
            Fortsetzung_Punkt& p = u <= rho ? *lo : hi;
            p.mu = mu, p.u = u, p.norm = norm, p.set = true;
            std::memcpy(p.plane, plane, sizeof p.plane);
        }
        if (!Next_Load_Factor(*lo, hi, rho, &mu)) break;
    }
    return 0;
}

int Calc_Querschnitt_Gleichgewicht(Querschnitt* q, const double* target, double lambda,
                                   const Loeser_Toleranz* tolerance, Grenzdehnung_Ergebnis* result,
                                   int options, double rho) {
    WELD_CHECK_AT_EXIT(Check_Querschnitt_Invariants(q));
    if (!q || !target || !result) return 0;
    result->lastfaktor = -1.0;
    Loeser_Kontext* ctx = Get_Loeser_Kontext();
    double T[4];
    std::memcpy(T, target, sizeof T);
    Search s{q, T, tolerance, lambda, rho, {}, 0, 0, result};
    const double saved_ref[2] = {ctx->ey, ctx->ez};
    ctx->ey = ctx->ez = 0;
    Grenzzustand_Referenz(q, T, lambda, &s.ey, &s.ez, s.R);
    ctx->ey = saved_ref[0], ctx->ez = saved_ref[1];

    const double c = Grenzzustand_Ziel_Skalieren(T, s.R);
    auto done = [&](int ok) {
        result->lastfaktor *= c;
        result->iterationen = s.iterations;
        return ok;
    };
    int ok = Calc_Grenzebene_Kraftrichtung(q, T, tolerance, lambda, s.R, s.ey, s.ez, result, options, rho);
    s.iterations += result->iterationen;
    if (ok && result->lastfaktor >= 0) return done(1);
    double mu = 1.0, h = 0.1;
    if (!ok && result->lastfaktor > 0 && result->norm < 0.1) mu = 0.5 * result->lastfaktor, h = result->norm;
    if (options & 2) return done(0);
    if (!(options & 4) && Parameter_Road(s, options, h, &mu)) return done(1);
    Fortsetzung_Punkt lo;
    const Fortsetzung_Schritte steps{&s, Step_Solve, Step_Utilisation, Step_Limit};
    if (Fortsetzung_Lastfaktor(&steps, mu, rho, &lo)) return done(1);
    if (!lo.set) return done(0);
    Take_Point_Below(s, lo);
    return done(1);
}

int Calc_Querschnitt_Gleichgewicht_1(Querschnitt* q, const double* target, double lambda,
                                     const Loeser_Toleranz* tolerance,
                                     Grenzdehnung_Ergebnis* result, int options) {
    WELD_CHECK_AT_EXIT(Check_Querschnitt_Invariants(q));
    return Calc_Querschnitt_Gleichgewicht(q, target, lambda, tolerance, result, options, 1.0);
}

int Calc_Dehnungsebene_Gleichgewicht_Fallback(Querschnitt* q, const double* target, double lambda,
                                              const Loeser_Toleranz* tolerance,
                                              Gleichgewicht_Ergebnis* result, int options) {
    WELD_CHECK_AT_EXIT(Check_Querschnitt_Invariants(q));
    if (!result) return 0;
    result->status = 1;
    if (!q || !target) return 0;
    int ok = Calc_Dehnungsebene_Gleichgewicht(q, target, tolerance, lambda, result, options);
    int iterations = result->iterationen;
    if (ok || (options & 2)) return ok;
    Grenzdehnung_Ergebnis g{};
    if (Calc_Querschnitt_Gleichgewicht(q, target, lambda, tolerance, &g, 0, 1.0) && g.lastfaktor != 0) {
        iterations += g.iterationen;
        // The pre-strain factor belongs to the caller: each trial sets it
        // and puts the caller's value back, whatever that was.
        const double saved = Vordehnung_Faktor;
        for (double m : {8.0, 4.0, 2.0, 1.0}) {
            const double s = 1 / (g.lastfaktor * m);
            Skalieren(g.ebene, s, result->ebene);
            Vordehnung_Faktor = s;
            ok = Calc_Dehnungsebene_Gleichgewicht(q, target, tolerance, lambda, result, 1);
            Vordehnung_Faktor = saved;
            iterations += result->iterationen;
            if (ok) break;
        }
    }
    result->iterationen = iterations;
    return ok;
}
