// limit_states: the five limit-state kinds and the limit-load search.
#include "section/limit_states.h"

#include <cmath>
#include <cstring>
#include <vector>

#include "base/invariant.h"
#include "section/internal_forces.h"
#include "section/nonlinear_solver.h"
#include "section/section_invariants.h"
#include "section/section_update.h"
#include "section/section_values.h"
#include "section/strain_ranges.h"
#include "section/ultimate_load.h"

namespace {

constexpr double kGrad = 57.29577951308232;
const Loeser_Toleranz kToleranz{1e-6, 100};

struct Global {
    Querschnitt* q = nullptr;
    int aktiv = 0;
    int bezug = 1;
} global;

struct Punkt {
    double y, z;
    const Querschnittsgruppe* g;
};

// The points of the section in group order: points, the start node of each
// area edge, 32 points on a circle, both nodes of each line. At most the
// block's places; the rest are left out.
std::vector<Punkt> Punkte(const Querschnitt* q) {
    std::vector<Punkt> p;
    auto add = [&](const Querschnittsknoten* n, const Querschnittsgruppe* g) {
        if (n && p.size() < GZ_PUNKTE) p.push_back({n->y, n->z, g});
    };
    for (int i = 0; i < Get_Querschnittsgruppen_Count(q); ++i) {
        const Querschnittsgruppe* g = Get_Querschnittsgruppe(q, i);
        if (!g) continue;
        if (g->art == QG_KREIS) {
            if (!g->mitte) continue;
            const double a = 2 * M_PI / 32, r = std::fabs(g->radius) * std::sqrt(a / std::sin(a));
            for (int k = 0; k < 32 && p.size() < GZ_PUNKTE; ++k)
                p.push_back({g->mitte->y + r * std::cos(k * a), g->mitte->z + r * std::sin(k * a), g});
            continue;
        }
        const int n = g->liste ? g->liste->count : 0;
        for (int k = 0; k < n; ++k) {
            void* item = g->liste->items[k];
            if (!item) continue;
            if (g->art == QG_PUNKTE) {
                add(reinterpret_cast<Querschnittsknoten*>(static_cast<Querschnittsgruppe_Eintrag*>(item)->element), g);
            } else if (g->art == QG_FLAECHE) {
                add(static_cast<Querschnittskante*>(item)->anf, g);
            } else if (g->art == QG_LINIEN) {
                const auto* e = reinterpret_cast<Querschnittskante*>(static_cast<Querschnittsgruppe_Eintrag*>(item)->element);
                if (e) add(e->anf, g), add(e->end, g);
            }
        }
    }
    return p;
}

void Schwerpunkt(Querschnitt* q, double* ys, double* zs) {
    Querschnittswerte w;
    Calc_Querschnittswerte(q, QW_AUSWAHL_ALLE, 1, &w);
    *ys = w.v[QW_YS], *zs = w.v[QW_ZS];
}

// The block of a plane: forces at lambda divided by f, about the centroid,
// direction, neutral axis, strain at the origin, strain range, centroid and
// point values.
int Fuellen(Querschnitt* q, const double* plane, double lambda, double f, Grenzzustand_Block* b) {
    double* v = b->v;
    double ys, zs;
    Schwerpunkt(q, &ys, &zs);
    Schnittgroessen s{};
    if (!Calc_Schnittgroessen_Aus_Dehnung(q, plane, lambda, &s)) return 0;
    const double d = f != 0 ? 1 / f : 0;
    v[3] = s.N * d;
    v[4] = (s.My - zs * s.N) * d;
    v[5] = (s.Mz + ys * s.N) * d;
    v[8] = plane[0] * kGrad;
    double nl[3];
    Calc_Nulllinie(q, plane, nl);
    v[9] = nl[0] * kGrad, v[10] = nl[1], v[11] = nl[2];
    v[12] = plane[1];
    double r[DB_ANZAHL];
    if (!Calc_Querschnitt_Dehnungsbereich(q, plane, r)) return 0;
    v[14] = r[DB_STAHL_MIN], v[15] = r[DB_BETON_MIN], v[16] = r[DB_BETON_MAX], v[17] = r[DB_STAHL_MAX];
    v[20] = ys, v[21] = zs;
    return Calc_Grenzzustand_Punktwerte(q, plane, b);
}

// Moments about the centroid moved to the section origin.
void Zum_Ursprung(Querschnitt* q, const double* T, double* out) {
    double ys, zs;
    Schwerpunkt(q, &ys, &zs);
    out[0] = T[0], out[1] = T[1] + zs * T[0], out[2] = T[2] - ys * T[0], out[3] = 0;
}

// The ultimate plane of kinds 1 and 5: the family's plane for parameter t
// in the nearest of `count` directions evenly spaced around the circle, the
// direction the plane's block then reports.
int Abgetastete_Grenzebene(Querschnitt* q, const double* input, int count, double* plane) {
    if (count < 1) return 0;
    const double step = 2 * M_PI / count;
    double i = std::fmod(std::round(input[0] / step), count);
    if (i < 0) i += count;
    const double in[2] = {i * step, input[1]};
    return Calc_Grenzdehnungsebene(q, in, plane);
}

}  // namespace

int Set_Grenzzustand_Querschnitt(int, int, int, Querschnitt* section, int reference, int reset) {
    WELD_CHECK_AT_EXIT(Check_Querschnitt_Invariants(section));
    if (global.aktiv && reset) Release_Grenzzustand_Querschnitt();
    if (!section) return 0;
    global.q = section;
    global.aktiv = 1;
    global.bezug = reference == 1 ? 1 : 0;
    return 1;
}

int Release_Grenzzustand_Querschnitt(void) {
    const int was = global.aktiv;
    global.q = nullptr;
    global.aktiv = 0;
    return was;
}

int Calc_Sicherheitsbeiwert(Querschnitt* q, const Grenzdehnung_Ergebnis* result, double gamma,
                            double* gamma_out, double* range_out) {
    WELD_CHECK_AT_EXIT(Check_Querschnitt_Invariants(q));
    if (!gamma_out) return 0;
    if (gamma > 0 && !range_out) {
        *gamma_out = gamma;
        return 1;
    }
    if (!q || !result) return 0;
    double r[DB_ANZAHL];
    if (!Calc_Querschnitt_Dehnungsbereich(q, result->ebene, r)) return 0;
    if (range_out) std::memcpy(range_out, r, sizeof r);
    *gamma_out = gamma > 0 ? gamma : Loeser_Sicherheit_Stahl(r[DB_STAHL_MAX]);
    return 1;
}

int Calc_Gleichgewichtsebene(Querschnitt* q, const double* T, double* plane) {
    WELD_CHECK_AT_EXIT(Check_Querschnitt_Invariants(q));
    if (!q || !T || !plane) return 0;
    Gleichgewicht_Ergebnis e{};
    if (!Calc_Dehnungsebene_Gleichgewicht_Fallback(q, T, 1.0, &kToleranz, &e, 0)) return 0;
    std::memcpy(plane, e.ebene, sizeof e.ebene);
    return 1;
}

int Calc_Grenzzustand_Punktwerte(Querschnitt* q, const double* plane, Grenzzustand_Block* b) {
    WELD_CHECK_AT_EXIT(Check_Querschnitt_Invariants(q));
    if (!q || !plane || !b) return 0;
    const std::vector<Punkt> p = Punkte(q);
    for (size_t i = 0; i < p.size(); ++i) {
        double e = 0, s = 0;
        Calc_Punkt_Dehnung(q, plane, p[i].y, p[i].z, &e);
        if (!p[i].g->kurve) return 0;
        Calc_Linie_Spannung(p[i].g->kurve, e, &s);
        b->v[GZ_SPANNUNG + i] = s;
        b->v[GZ_DEHNUNG + i] = e;
    }
    return 1;
}

int Calc_Grenzzustand_Richtung(Querschnitt* q, const double* input, int directions, Grenzzustand_Block* b) {
    WELD_CHECK_AT_EXIT(Check_Querschnitt_Invariants(q));
    if (!q || !input || !b) return 0;
    double plane[4];
    if (!Abgetastete_Grenzebene(q, input, directions, plane)) return 0;
    return Fuellen(q, plane, 1.0, 1.0, b);
}

int Calc_Grenzzustand_Nachweis(Querschnitt* q, const double* T, Grenzzustand_Block* b) {
    WELD_CHECK_AT_EXIT(Check_Querschnitt_Invariants(q));
    if (!q || !T || !b) return 0;
    double t[4];
    Zum_Ursprung(q, T, t);
    Gleichgewicht_Ergebnis e{};
    if (!Calc_Dehnungsebene_Gleichgewicht_Fallback(q, t, 1.0, &kToleranz, &e, 0)) return 0;
    double plane[4], u;
    std::memcpy(plane, e.ebene, sizeof plane);
    if (!Loeser_Ausnutzung(q, plane, &u)) return 0;
    if (u >= 1.2) return 0;
    if (u > 1) {
        Grenzdehnung_Ergebnis g{};
        if (!Calc_Querschnitt_Gleichgewicht_1(q, t, 1.0, &kToleranz, &g, 0) || !(g.rho > 0.995)) return 0;
        std::memcpy(plane, g.ebene, sizeof plane);
    }
    return Fuellen(q, plane, 1.0, 1.0, b);
}

int Calc_Grenzzustand_Lastfaktor(Querschnitt* q, const double* T, Grenzzustand_Block* b) {
    WELD_CHECK_AT_EXIT(Check_Querschnitt_Invariants(q));
    if (!q || !T || !b) return 0;
    double t[4];
    Zum_Ursprung(q, T, t);
    Grenzdehnung_Ergebnis g{};
    if (!Calc_Querschnitt_Gleichgewicht_1(q, t, 1.0, &kToleranz, &g, 0)) return 0;
    if (!Fuellen(q, g.ebene, 1.0, g.lastfaktor, b)) return 0;
    b->v[6] = g.lastfaktor;
    return 1;
}

namespace {

int Sicherheit(Querschnitt* q, const double* T, const double* limits, const double* report,
               Grenzzustand_Block* b) {
    if (!q || !T || !limits || !b) return 0;
    double t[4];
    Zum_Ursprung(q, T, t);
    const double lambda0 = limits[0], c = limits[2], gamma0 = limits[3];
    Querschnittswerte w;
    Calc_Querschnittswerte(q, QW_AUSWAHL_ALLE, 1, &w);
    const double area = report ? report[0] : w.v[QW_A];
    auto fill = [&](const double* plane, double lambda, double f) {
        if (!Fuellen(q, plane, lambda, f, b)) return 0;
        if (report) {
            Schnittgroessen s{};
            Calc_Schnittgroessen_Aus_Dehnung(q, plane, lambda, &s);
            const double d = f != 0 ? 1 / f : 0;
            b->v[4] = (s.My - report[2] * s.N) * d;
            b->v[5] = (s.Mz + report[1] * s.N) * d;
        }
        b->v[6] = f;
        b->v[18] = lambda;
        return 1;
    };
    auto limit_load = [&] {
        if (report) return 0;  // the twin has no limit-load path
        Traglast_Ergebnis tr{};
        if (!Calc_Traglast(q, t, limits, &kToleranz, &tr)) return 0;
        return fill(tr.g.ebene, tr.lambda, tr.g.lastfaktor);
    };
    if (lambda0 < 0.0001 || !(c > 0) || area < 0.0001) return limit_load();
    Grenzdehnung_Ergebnis g{};
    if (!Calc_Querschnitt_Gleichgewicht_1(q, t, lambda0, &kToleranz, &g, 0)) return limit_load();
    double gamma;
    if (!Calc_Sicherheitsbeiwert(q, &g, gamma0 >= 0.0001 ? gamma0 : 0, &gamma, nullptr)) return limit_load();
    const double r = g.lastfaktor / gamma;
    if (r <= 1) return limit_load();
    const double lambda1 = lambda0 / r;
    Grenzdehnung_Ergebnis g1{};
    if (!Calc_Querschnitt_Gleichgewicht_1(q, t, lambda1, &kToleranz, &g1, 0)) return limit_load();
    return fill(g1.ebene, lambda1, g1.lastfaktor);
}

}  // namespace

int Calc_Grenzzustand_Sicherheit(Querschnitt* q, const double* T, const double* limits, Grenzzustand_Block* b) {
    WELD_CHECK_AT_EXIT(Check_Querschnitt_Invariants(q));
    return Sicherheit(q, T, limits, nullptr, b);
}

int Calc_Grenzzustand_Sicherheit_Direkt(Querschnitt* q, const double* T, const double* limits,
                                        const double* report, Grenzzustand_Block* b) {
    WELD_CHECK_AT_EXIT(Check_Querschnitt_Invariants(q));
    if (!report) return 0;
    return Sicherheit(q, T, limits, report, b);
}

int Calc_Grenzzustand_Randpunkte(Querschnitt* q, const double* axis, double* out) {
    WELD_CHECK_AT_EXIT(Check_Querschnitt_Invariants(q));
    if (!q || !axis || !out) return 0;
    // Normal of the neutral axis: the plane's direction.
    const double nx = std::sin(axis[0]), ny = -std::cos(axis[0]);
    double lo = 1e10, hi = -1e10;
    bool found_lo = false, found_hi = false;
    for (const Punkt& p : Punkte(q)) {
        const double d = (p.y - axis[1]) * nx + (p.z - axis[2]) * ny;
        if (d < lo) lo = d, found_lo = true;
        if (d > hi) hi = d, found_hi = true;
    }
    out[0] = lo, out[1] = hi;
    return found_lo && found_hi;
}

int Calc_Grenzzustand_Hebelarm(Querschnitt* q, const double* input, int directions, Grenzzustand_Block* b) {
    WELD_CHECK_AT_EXIT(Check_Querschnitt_Invariants(q));
    if (!q || !input || !b) return 0;
    double plane[4];
    if (!Abgetastete_Grenzebene(q, input, directions, plane)) return 0;
    double r[6];
    if (!Calc_Zug_Druck_Resultierende(q, plane, 1.0, r)) return 0;
    double* v = b->v;
    for (int i = 0; i < 6; ++i) v[3 + i] = r[i];
    v[9] = 0;
    if (r[0] != 0 && r[3] != 0) v[9] = std::hypot(r[1] - r[4], r[2] - r[5]);
    if (r[0] == 0 && r[3] == 0) {
        v[7] = v[8] = 0;
        return 1;
    }
    double nl[3], d[2];
    Calc_Nulllinie(q, plane, nl);
    v[10] = nl[1], v[11] = nl[2];
    if (Calc_Grenzzustand_Randpunkte(q, nl, d)) v[7] = d[0], v[8] = d[1];
    return Calc_Grenzzustand_Punktwerte(q, plane, b);
}

namespace {

// The start of a limit-load search: status 1 preset; false for a missing
// argument; else the level bounds (lower at least 1e-10, upper not below
// it) as logarithms in the solver context, with the safety setting.
bool Traglast_Anfang(Querschnitt* q, const double* T, const double* limits, Traglast_Ergebnis* result) {
    if (!result) return false;
    result->g.status = 1;
    if (!q || !T || !limits) return false;
    Loeser_Kontext* ctx = Get_Loeser_Kontext();
    const double lo = std::max(limits[0], 1e-10), hi = std::max(limits[1], lo);
    ctx->log_grenzen[0] = std::log(lo), ctx->log_grenzen[1] = std::log(hi);
    ctx->sicherheit = limits[3];
    return true;
}

double Lastfaktor_3(const double* T, const Schnittgroessen& r) {
    const double tt = T[0] * T[0] + T[1] * T[1] + T[2] * T[2];
    return tt != 0 ? (T[0] * r.N + T[1] * r.My + T[2] * r.Mz) / tt : 0;
}

}  // namespace

int Calc_Traglast_Newton(Querschnitt* q, const double* T, const double* limits, const Loeser_Toleranz* tolerance,
                         Traglast_Ergebnis* result) {
    WELD_CHECK_AT_EXIT(Check_Querschnitt_Invariants(q));
    if (!Traglast_Anfang(q, T, limits, result)) return 0;
    Loeser_Kontext* ctx = Get_Loeser_Kontext();
    // The target scaled as for the equilibrium solve, about the centroid.
    double ys, zs;
    Schwerpunkt(q, &ys, &zs);
    ctx->querschnitt = q, ctx->ey = ys, ctx->ez = zs;
    Set_Loeser_Skalierung(T);
    double* t = ctx->ziel_kopie;
    t[0] = ctx->s[0] * T[0], t[1] = ctx->s[1] * (T[1] - zs * T[0]), t[2] = ctx->s[2] * (T[2] + ys * T[0]), t[3] = 0;
    ctx->ziel = t;
    const double tol = tolerance ? tolerance->toleranz : 1e-4;
    int maxfev = tolerance ? tolerance->maxfev : 100;
    double hybrid_tol = 0.001 * tol;
    ctx->schwelle = tol * tol;
    int n = 4, ld = 4, lwa = 34, info = 0, iter = 0;
    double x[4], fvec[4] = {0, 0, 0, 0}, fjac[16], wa[34];
    Loeser_Variablen(3, result->g.ebene, x);
    x[3] = std::log(std::max(result->lambda, 1e-10));
    nlsolve::hybrj1(Traglast_Callback, &n, x, fvec, fjac, &ld, &hybrid_tol, &maxfev, &info, wa, &lwa, &iter);
    Loeser_Stopp_Holen(4, info, x, fvec);
    ctx->querschnitt = nullptr, ctx->ziel = nullptr;
    Grenzdehnung_Ergebnis& g = result->g;
    Loeser_Ebene(3, x, g.ebene);
    result->lambda = std::exp(std::min(std::max(x[3], ctx->log_grenzen[0]), ctx->log_grenzen[1]));
    g.norm = std::sqrt(fvec[0] * fvec[0] + fvec[1] * fvec[1] + fvec[2] * fvec[2] + fvec[3] * fvec[3]);
    g.iterationen = iter;
    g.status = info + 1;
    g.rho = 1.0;
    if (!Calc_Schnittgroessen_Aus_Dehnung(q, g.ebene, result->lambda, &g.kraefte)) g.status |= TRAGLAST_FEHLER;
    g.lastfaktor = Lastfaktor_3(T, g.kraefte);
    Calc_Sicherheitsbeiwert(q, &g, limits[3] > 0 ? limits[3] : 0, &result->gamma, nullptr);
    return g.status == 0;
}

// d(s) = f / gamma - 1 at the load level e^s; the level sought makes it 0.
// Regula falsi (Illinois) on the logarithm of the level between the
// bounds; where its steps close in on a level without reaching 0.001, the
// plane and the level are solved for together.
int Calc_Traglast(Querschnitt* q, const double* T, const double* limits, const Loeser_Toleranz* tolerance,
                  Traglast_Ergebnis* result) {
    WELD_CHECK_AT_EXIT(Check_Querschnitt_Invariants(q));
    if (!Traglast_Anfang(q, T, limits, result)) return 0;
    Loeser_Kontext* ctx = Get_Loeser_Kontext();
    Grenzdehnung_Ergebnis g{};
    bool have_plane = false;
    double gamma = 0;
    auto d_of = [&](double s, double* d) {
        const double lambda = std::exp(s);
        int ok = have_plane && Calc_Querschnitt_Gleichgewicht(q, T, lambda, tolerance, &g, 1, 1.0);
        if (!ok) ok = Calc_Querschnitt_Gleichgewicht(q, T, lambda, tolerance, &g, 0, 1.0);
        if (!ok) return false;
        have_plane = true;
        Calc_Sicherheitsbeiwert(q, &g, limits[3] > 0 ? limits[3] : 0, &gamma, nullptr);
        *d = g.lastfaktor / gamma - 1;
        return true;
    };
    auto accept = [&](double s) {
        result->g = g;
        result->lambda = std::exp(s);
        result->gamma = gamma;
        result->g.status = 0;
        return 1;
    };
    // The joint solve from the last level; its result stands when it
    // reached its threshold with f / gamma within 0.001 of 1.
    auto joint = [&](double s) {
        Traglast_Ergebnis n{};
        n.g = g, n.lambda = std::exp(s);
        if (!Calc_Traglast_Newton(q, T, limits, tolerance, &n) || std::fabs(n.g.lastfaktor / n.gamma - 1) > 0.001)
            return 0;
        *result = n;
        return 1;
    };
    auto fail = [&] {
        result->g.status |= TRAGLAST_FEHLER;
        return 0;
    };
    double a = ctx->log_grenzen[0], b = ctx->log_grenzen[1], da, db;
    if (!d_of(a, &da)) return fail();
    if (std::fabs(da) <= 0.001) return accept(a);
    if (b == a) return 0;
    if (!d_of(b, &db)) return fail();
    if (std::fabs(db) <= 0.001) return accept(b);
    if ((da > 0) == (db > 0)) return 0;  // no level within the bounds
    int side = 0;
    double last = b;
    for (int it = 0; it < 100; ++it) {
        const double s = (a * db - b * da) / (db - da);
        double ds;
        if (!d_of(s, &ds)) return fail();
        if (std::fabs(ds) <= 0.001) return accept(s);
        const double level = std::exp(s), previous = std::exp(last);
        if (std::fabs(level - previous) <= 0.001 * (previous + 1) && joint(s)) return 1;
        last = s;
        if ((ds > 0) == (db > 0)) {
            b = s, db = ds;
            if (side == -1) da /= 2;
            side = -1;
        } else {
            a = s, da = ds;
            if (side == 1) db /= 2;
            side = 1;
        }
    }
    return joint(last);
}

int Calc_Grenzzustand(int kind, const double* input, Grenzzustand_Block* result) {
    if (!result) return 1;
    std::memset(result, 0, sizeof *result);
    Querschnitt* q = global.aktiv ? global.q : nullptr;
    if (!q || !input) return 1;
    Invalidate_Querschnitt(q, QS_INVALIDIERBAR);
    double in[7] = {0, 0, 0, 0, 0, 0, 0};
    const int count = kind == 4 ? 7 : kind == 2 || kind == 3 ? 3 : 4;
    std::memcpy(in, input, sizeof(double) * count);
    if (!global.bezug && kind >= 2 && kind <= 4) {
        double ys, zs;
        Schwerpunkt(q, &ys, &zs);
        in[1] -= zs * in[0];
        in[2] += ys * in[0];
    }
    int ok = 0;
    switch (kind) {
    case 1:
    case 5: {
        const double d[2] = {in[0] * M_PI / 180, in[1]};
        const int directions = in[3] == 1 ? 16 : 32;
        ok = kind == 1 ? Calc_Grenzzustand_Richtung(q, d, directions, result)
                       : Calc_Grenzzustand_Hebelarm(q, d, directions, result);
        break;
    }
    case 2: ok = Calc_Grenzzustand_Nachweis(q, in, result); break;
    case 3: ok = Calc_Grenzzustand_Lastfaktor(q, in, result); break;
    case 4: ok = Calc_Grenzzustand_Sicherheit(q, in, in + 3, result); break;
    default: break;
    }
    if (!ok) std::memset(result, 0, sizeof *result);
    return 1;
}
