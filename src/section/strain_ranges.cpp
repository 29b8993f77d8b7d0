// strain_ranges: strain ranges, limit use, hull and ultimate plane family.
#include "section/strain_ranges.h"

#include <algorithm>
#include <cfloat>
#include <cmath>
#include <cstring>

#include "base/invariant.h"
#include "base/vesk.h"
#include "section/internal_forces.h"
#include "section/section_internal.h"
#include "section/section_invariants.h"
#include "section/section_update.h"
#include "section/strain_plane.h"
#include "section/stress_strain.h"

namespace {

// Turns the section to angle and brings its coordinates up to date.
void Drehen(Querschnitt* q, double angle) {
    q->lage[2] = angle;
    Update_Querschnitt(q, 0);
}

int Gesetz(const Querschnittsgruppe* g) { return g && g->kurve ? g->kurve->typ & SDL_ART_MASKE : 0; }

void Bereich_Leeren(double* r, double direction) {
    r[DB_RICHTUNG] = direction;
    r[DB_BETON_MIN] = r[DB_STAHL_MIN] = FLT_MAX;
    r[DB_BETON_MAX] = r[DB_STAHL_MAX] = -FLT_MAX;
    for (int i = DB_Y_BETON_MIN; i < DB_ANZAHL; ++i) r[i] = 0;
}

// A class without groups takes the other class's values; none at all: 0.
void Bereich_Abschliessen(double* r) {
    const bool beton = r[DB_BETON_MIN] <= r[DB_BETON_MAX], stahl = r[DB_STAHL_MIN] <= r[DB_STAHL_MAX];
    if (!beton && stahl) {
        r[DB_BETON_MIN] = r[DB_STAHL_MIN], r[DB_BETON_MAX] = r[DB_STAHL_MAX];
        r[DB_Y_BETON_MIN] = r[DB_Y_STAHL_MIN], r[DB_Y_BETON_MAX] = r[DB_Y_STAHL_MAX];
    } else if (beton && !stahl) {
        r[DB_STAHL_MIN] = r[DB_BETON_MIN], r[DB_STAHL_MAX] = r[DB_BETON_MAX];
        r[DB_Y_STAHL_MIN] = r[DB_Y_BETON_MIN], r[DB_Y_STAHL_MAX] = r[DB_Y_BETON_MAX];
    } else if (!beton && !stahl) {
        for (int i = DB_BETON_MIN; i <= DB_STAHL_MAX; ++i) r[i] = 0;
    }
}

}  // namespace

int Calc_Gruppe_Dehnungsbereich(Querschnitt* q, const double* plane, Querschnittsgruppe* g,
                                double* range) {
    WELD_CHECK_AT_EXIT(Check_Querschnitt_Invariants(q));
    const int law = Gesetz(g);
    if (!q || !plane || !range || (law != SDL_BETON && law != SDL_STAHL)) return 1;
    double eff[4] = {plane[0], plane[1], plane[2], 0};
    if (Is_Gruppe_Feld_Aktiv(&g->feld) && plane[3] != 0) Feld_Addieren(q, g, plane[3], eff);
    Vordehnung_Addieren(q, g->kurve->vordehnung, eff);
    const double alpha = q->lage[2];
    const bool turn = eff[2] != 0 && std::fabs(eff[0]) > 1e-10;
    if (turn) Drehen(q, alpha + eff[0]);
    double lo, hi;
    const int has = Get_Gruppe_Ausdehnung(g, &lo, &hi);
    if (turn) Drehen(q, alpha);
    if (!has) return 1;
    double e_lo = eff[1] + eff[2] * lo, e_hi = eff[1] + eff[2] * hi;
    if (e_lo > e_hi) {
        std::swap(e_lo, e_hi);
        std::swap(lo, hi);
    }
    const int k = law == SDL_BETON ? 0 : 2;
    if (e_lo < range[1 + k]) range[1 + k] = e_lo, range[5 + k] = lo;
    if (e_hi > range[2 + k]) range[2 + k] = e_hi, range[6 + k] = hi;
    return 1;
}

int Calc_Querschnitt_Dehnungsbereich(Querschnitt* q, const double* plane, double* range) {
    WELD_CHECK_AT_EXIT(Check_Querschnitt_Invariants(q));
    if (!q || !plane || !range) return 0;
    Bereich_Leeren(range, plane[0]);
    const double alpha = q->lage[2];
    Drehen(q, alpha + plane[0]);
    const double turned[4] = {0, plane[1], plane[2], plane[3]};
    int ok = 1;
    for (int i = 0; i < Get_Querschnittsgruppen_Count(q); ++i)
        ok &= Calc_Gruppe_Dehnungsbereich(q, turned, Get_Querschnittsgruppe(q, i), range);
    Drehen(q, alpha);
    Bereich_Abschliessen(range);
    range[DB_RICHTUNG] = plane[0];
    return ok;
}

int Calc_Querschnitt_Dehnungsbereich_Richtung(Querschnitt* q, double direction, double* range) {
    WELD_CHECK_AT_EXIT(Check_Querschnitt_Invariants(q));
    const double plane[4] = {direction, 0, 1, 0};
    return Calc_Querschnitt_Dehnungsbereich(q, plane, range);
}

// Compression-only fibres may reach the lower limit L only at the compressed
// edge while the zero line lies in the section; with the whole group
// compressed the fibre at the fraction (L - D)/L of the depth from the
// compressed edge may reach no more than D (the plateau strain), so the
// admissible edge strain falls from L to D as the zero line leaves the
// section. Ratios of strain to limit; a tension strain of such a fibre uses
// nothing.
int Calc_Dehnungsausnutzung(Querschnitt* q, const double* plane, double* out) {
    WELD_CHECK_AT_EXIT(Check_Querschnitt_Invariants(q));
    if (!q || !plane || !out) return 0;
    out[0] = plane[0], out[1] = out[2] = 0;
    if (!Update_Querschnitt(q, 0)) return 0;
    const double L = q->grenzen[0], D = q->grenzen[1], SL = q->grenzen[2], SU = q->grenzen[3];
    const double alpha = q->lage[2];
    Drehen(q, alpha + plane[0]);
    const double turned[4] = {0, plane[1], plane[2], plane[3]};
    double lo = FLT_MAX, hi = -FLT_MAX;
    bool any = false;
    auto take = [&](double r) {
        lo = std::min(lo, r);
        hi = std::max(hi, r);
        any = true;
    };
    auto ratio = [](double e, double limit) { return limit != 0 && limit < SDL_OFFEN ? e / limit : 0; };
    for (int i = 0; i < Get_Querschnittsgruppen_Count(q); ++i) {
        Querschnittsgruppe* g = Get_Querschnittsgruppe(q, i);
        const int law = Gesetz(g);
        if (law != SDL_BETON && law != SDL_STAHL) continue;
        double r[DB_ANZAHL];
        Bereich_Leeren(r, 0);
        Calc_Gruppe_Dehnungsbereich(q, turned, g, r);
        const int k = law == SDL_BETON ? 0 : 2;
        const double e_lo = r[1 + k], e_hi = r[2 + k];
        if (e_lo > e_hi) continue;
        if (law == SDL_STAHL) {
            take(e_lo < 0 ? ratio(e_lo, SL) : ratio(e_lo, SU));
            take(e_hi < 0 ? ratio(e_hi, SL) : ratio(e_hi, SU));
            continue;
        }
        if (e_hi <= 0 && L < 0 && D < 0 && D > L) {
            const double f = (L - D) / L;
            const double e_p = e_lo + (e_hi - e_lo) * f;
            take(std::max(ratio(e_lo, L), ratio(e_p, D)));
        } else {
            take(e_lo < 0 ? ratio(e_lo, L) : 0);
        }
        take(e_hi < 0 ? ratio(e_hi, L) : 0);
    }
    Drehen(q, alpha);
    if (any) out[1] = lo, out[2] = hi;
    return 1;
}

// ---- Hull ----------------------------------------------------------------

namespace {

Querschnitt_Huelle* Huelle_Anlegen(Querschnitt* q, int capacity) {
    Querschnitt_Huelle* h = static_cast<Querschnitt_Huelle*>(q->huelle);
    if (h && h->kapazitaet >= capacity) return h;
    if (h) Mem_Free(__FILE__, __LINE__, "null", h);
    q->huelle = nullptr;
    const size_t size = sizeof(Querschnitt_Huelle) + 2 * capacity * sizeof(Huellpunkt) +
                        2 * (capacity + 2) * sizeof(double);
    void* block = Mem_Calloc(__FILE__, __LINE__, "null", 1, size);
    if (!block) return nullptr;
    h = static_cast<Querschnitt_Huelle*>(block);
    char* p = static_cast<char*>(block) + sizeof(Querschnitt_Huelle);
    h->druck = reinterpret_cast<Huellpunkt*>(p);
    h->zug = h->druck + capacity;
    h->druck_steigung = reinterpret_cast<double*>(h->zug + capacity);
    h->zug_steigung = h->druck_steigung + capacity + 2;
    h->kapazitaet = capacity;
    q->huelle = h;
    return h;
}

// Upper hull (sign 1) or lower hull (sign -1) of points sorted by y; a point
// with the same y as the last vertex replaces it when it binds more.
int Kette(Huellpunkt* p, int n, double sign) {
    int m = 0;
    for (int i = 0; i < n; ++i) {
        if (m > 0 && p[m - 1].y == p[i].y) {
            if (sign * p[i].grenze < sign * p[m - 1].grenze) p[m - 1] = p[i];
            continue;
        }
        while (m >= 2) {
            const Huellpunkt &a = p[m - 2], &b = p[m - 1];
            const double cross = (b.y - a.y) * (p[i].grenze - a.grenze) - (b.grenze - a.grenze) * (p[i].y - a.y);
            if (sign * cross >= 0) --m;
            else break;
        }
        p[m++] = p[i];
    }
    return m;
}

void Steigungen(const Huellpunkt* p, int n, double* s) {
    s[0] = -FLT_MAX;
    for (int i = 1; i < n; ++i) s[i] = (p[i].grenze - p[i - 1].grenze) / (p[i].y - p[i - 1].y);
    s[n] = FLT_MAX;
}

// The diagonal of the family: the steepest plane that keeps every lower and
// every upper point on its admissible side passes through one vertex of
// each hull. Stores its vertices and slope; the fault that leaves the
// family without one (no upper point beyond a lower one, or a lower limit
// not below the upper one at the pair found), else HUELLE_OK.
int Hull_Diagonal(Querschnitt_Huelle* h) {
    int bi = -1, bj = -1;
    double best = FLT_MAX;
    for (int i = 0; i < h->n_druck; ++i)
        for (int j = 0; j < h->n_zug; ++j) {
            const double dy = h->zug[j].y - h->druck[i].y;
            if (dy <= 0) continue;
            const double k = (h->zug[j].grenze - h->druck[i].grenze) / dy;
            if (k < best) best = k, bi = i, bj = j;
        }
    if (bi < 0) return HUELLE_KEINE_DIAGONALE;
    if (h->druck[bi].grenze >= h->zug[bj].grenze) return HUELLE_DRUCK_UEBER_ZUG;
    h->k_diagonale = h->zug[bj].y == h->druck[bi].y ? 1.0 : best;
    h->druck_letzter = bi;
    h->zug_erster = bj, h->zug_letzter = h->n_zug - 1;
    return HUELLE_OK;
}

}  // namespace

int Convex_Hull(Querschnitt* q) {
    WELD_CHECK_AT_EXIT(Check_Querschnitt_Invariants(q));
    if (!q) return 0;
    int refs = 0;
    for (int i = 0; i < Get_Querschnittsgruppen_Count(q); ++i) {
        const Querschnittsgruppe* g = Get_Querschnittsgruppe(q, i);
        if (g && g->liste) refs += 2 * g->liste->count;
    }
    Querschnitt_Huelle* h = Huelle_Anlegen(q, refs + 1);
    if (!h) return 0;
    h->winkel = q->lage[2];
    h->n_druck = h->n_zug = 0;
    h->druck_erster = h->druck_letzter = h->zug_erster = h->zug_letzter = -1;
    h->k_start = h->k_ende = 0;
    h->k_diagonale = 1.0;
    h->fehler = HUELLE_OK;
    double ymin = FLT_MAX, ymax = -FLT_MAX, lower_max = -FLT_MAX, epsd_max = -FLT_MAX;
    for (int i = 0; i < Get_Querschnittsgruppen_Count(q); ++i) {
        const Querschnittsgruppe* g = Get_Querschnittsgruppe(q, i);
        if (!g || !g->kurve) continue;
        double lower, upper;
        const int cls = Kurven_Klasse(g->kurve, &lower, &upper);
        const int first_d = h->n_druck;
        auto enter = [&](const Querschnittsknoten* n) {
            if (!n) return false;
            for (int j = first_d; j < h->n_druck; ++j)
                if (h->druck[j].y == n->yt && h->druck[j].gruppe == g && h->druck[j].wort == unsigned(n->header.intern))
                    return true;
            if (h->n_druck >= h->kapazitaet - 1 || h->n_zug >= h->kapazitaet - 1) return false;
            h->druck[h->n_druck++] = {n->yt, lower, unsigned(n->header.intern), g};
            if (cls == 2) h->zug[h->n_zug++] = {n->yt, upper, unsigned(n->header.intern), g};
            if (cls == 1) ymin = std::min(ymin, n->yt), ymax = std::max(ymax, n->yt);
            return true;
        };
        if (g->art == QG_KREIS || !g->liste) continue;
        for (int j = 0; j < g->liste->count; ++j) {
            void* item = g->liste->items[j];
            bool ok = item != nullptr;
            if (ok && g->art == QG_PUNKTE) {
                ok = enter(reinterpret_cast<Querschnittsknoten*>(static_cast<Querschnittsgruppe_Eintrag*>(item)->element));
            } else if (ok) {
                const Querschnittskante* e = g->art == QG_FLAECHE
                    ? static_cast<Querschnittskante*>(item)
                    : reinterpret_cast<Querschnittskante*>(static_cast<Querschnittsgruppe_Eintrag*>(item)->element);
                ok = e && enter(e->anf) && enter(e->end);
            }
            if (!ok) return 0;
        }
        if (cls == 1) {
            lower_max = std::max(lower_max, lower);
            if (g->kurve->p.epsD > lower) epsd_max = std::max(epsd_max, g->kurve->p.epsD);
        }
    }
    if (epsd_max > -FLT_MAX && ymin <= ymax && lower_max < 0) {
        const double r = (lower_max - epsd_max) / lower_max;
        h->druck[h->n_druck++] = {ymin * (1 - r) + ymax * r, epsd_max, 0, nullptr};
    }
    auto by_y = [](const Huellpunkt& a, const Huellpunkt& b) {
        return a.y < b.y || (a.y == b.y && a.grenze < b.grenze);
    };
    std::sort(h->druck, h->druck + h->n_druck, by_y);
    std::sort(h->zug, h->zug + h->n_zug, by_y);
    h->n_druck = Kette(h->druck, h->n_druck, 1);
    h->n_zug = Kette(h->zug, h->n_zug, -1);
    Steigungen(h->druck, h->n_druck, h->druck_steigung);
    Steigungen(h->zug, h->n_zug, h->zug_steigung);
    if (h->n_druck > 0) h->druck_erster = 0, h->druck_letzter = h->n_druck - 1;
    // A family without its diagonal has no planes between its compression
    // and its tension side: the hull is refused, not completed by a guess.
    if (h->n_druck > 0 && h->n_zug > 0) h->fehler = Hull_Diagonal(h);
    if (h->fehler != HUELLE_OK) return 0;
    q->flags |= QS_HUELLE_OK;
    return 1;
}

int Update_Querschnitt_Huelle(Querschnitt* q) {
    WELD_CHECK_AT_EXIT(Check_Querschnitt_Invariants(q));
    if (!q) return 0;
    const Querschnitt_Huelle* h = static_cast<Querschnitt_Huelle*>(q->huelle);
    if ((q->flags & QS_HUELLE_OK) && h && h->winkel == q->lage[2]) return 1;
    return Convex_Hull(q);
}

int Calc_Grenzdehnungsebene_Huelle(Querschnitt* q, const double* in, double* out) {
    WELD_CHECK_AT_EXIT(Check_Querschnitt_Invariants(q));
    if (!q || !in || !out) return 0;
    const double alpha = q->lage[2];
    Drehen(q, alpha + in[0]);
    const int ok = Update_Querschnitt_Huelle(q);
    const Querschnitt_Huelle* h = static_cast<Querschnitt_Huelle*>(q->huelle);
    out[0] = in[0], out[1] = out[2] = out[3] = 0;
    if (ok && h) {
        const double t = in[1];
        const bool druck = t <= 16 || h->n_zug == 0;
        const double k = druck ? h->k_start + std::max(t, 0.0) / 16 * (h->k_diagonale - h->k_start)
                               : h->k_diagonale + (std::min(t, 33.0) - 16) / 17 * (h->k_ende - h->k_diagonale);
        // The binding vertex: the lower points bound the plane from below,
        // the upper points from above.
        const Huellpunkt* p = druck ? h->druck : h->zug;
        const int first = druck ? h->druck_erster : h->zug_erster;
        const int last = druck ? h->druck_letzter : h->zug_letzter;
        int pivot = -1;
        double best = 0;
        for (int i = std::max(first, 0); i <= last && i >= 0; ++i) {
            const double e0 = p[i].grenze - k * p[i].y;
            if (pivot < 0 || (druck ? e0 > best : e0 < best)) pivot = i, best = e0;
        }
        out[1] = pivot >= 0 ? best : 0;
        out[2] = k;
    }
    Drehen(q, alpha);
    return ok ? 1 : 0;
}

int Calc_Dehnungsebene_Zwei_Fasern(Querschnitt* q, const double* in, int options, double* out) {
    WELD_CHECK_AT_EXIT(Check_Querschnitt_Invariants(q));
    if (!q || !in || !out) return 0;
    double r[DB_ANZAHL];
    if (!Calc_Querschnitt_Dehnungsbereich_Richtung(q, in[0], r)) return 0;
    const double y1 = (options & 0x2) ? r[DB_Y_STAHL_MIN] : r[DB_Y_BETON_MIN];
    const double y2 = (options & 0x10) ? r[DB_Y_STAHL_MAX] : r[DB_Y_BETON_MAX];
    const double det = y2 - y1;
    if (det == 0) return 0;
    out[0] = in[0];
    out[2] = (in[2] - in[1]) / det;
    out[1] = (in[1] * y2 - in[2] * y1) / det;
    out[3] = 0;
    return 1;
}

int Calc_Grenzdehnungsebene(Querschnitt* q, const double* in, double* out) {
    WELD_CHECK_AT_EXIT(Check_Querschnitt_Invariants(q));
    if (!q || !in || !out) return 0;
    Update_Querschnitt(q, 0);
    if (q->flags & QS_GRENZMODUS) return Calc_Grenzdehnungsebene_Huelle(q, in, out);
    double r[DB_ANZAHL];
    if (!Calc_Querschnitt_Dehnungsbereich_Richtung(q, in[0], r)) return 0;
    const double L = q->grenzen[0], D = q->grenzen[1], U = q->grenzen[3];
    const double yc = r[DB_Y_BETON_MIN], y1 = r[DB_Y_BETON_MAX], y2 = r[DB_Y_STAHL_MAX];
    const double t = in[1], s = std::max(t, 0.0);
    double ec, yo, eo;
    if (t <= 5) ec = D + (L - D) * s / 5, yo = y1, eo = D * (5 - s) / 5;
    else if (t <= 6) ec = L, yo = (6 - t) * y1 + (t - 5) * y2, eo = 0;
    else if (t <= 16) ec = L, yo = y2, eo = U * (t - 6) / 10;
    else ec = L + (std::min(t, 33.0) - 16) / 17 * (U - L), yo = y2, eo = U;
    out[0] = in[0], out[1] = out[2] = out[3] = 0;
    if (yo > yc) {
        out[2] = (ec - eo) / (yc - yo);
        out[1] = ec - out[2] * yc;
    }
    return 1;
}

int Calc_Grenzdehnungsebene_Auswertung(Querschnitt* q, const double* in, double* out) {
    WELD_CHECK_AT_EXIT(Check_Querschnitt_Invariants(q));
    if (!Calc_Grenzdehnungsebene(q, in, out)) return 0;
    Schnittgroessen s{};
    const int ok = Calc_Schnittgroessen_Aus_Dehnung(q, out, 1.0, &s);
    out[4] = s.N, out[5] = s.My, out[6] = s.Mz, out[7] = s.B;
    return ok;
}

int Calc_Grenzdehnungsebene_Ableitung(Querschnitt* q, const double* in, double h, double* out) {
    WELD_CHECK_AT_EXIT(Check_Querschnitt_Invariants(q));
    if (!q || !in || !out) return 0;
    const double steps[2] = {h > 0 ? 2 * M_PI * h : 0.0006283185307179586, h > 0 ? 33 * h : 0.0001};
    int ok = 1;
    for (int v = 0; v < 2; ++v) {
        double a[2] = {in[0], in[1]}, b[2] = {in[0], in[1]};
        a[v] += steps[v], b[v] -= steps[v];
        double pa[4], pb[4], ca[4], cb[4];
        ok &= Calc_Grenzdehnungsebene(q, a, pa) & Calc_Grenzdehnungsebene(q, b, pb);
        Dehnungsebene_From_Polar(pa, ca);
        Dehnungsebene_From_Polar(pb, cb);
        for (int i = 0; i < 4; ++i) out[4 * v + i] = steps[v] != 0 ? (ca[i] - cb[i]) / (2 * steps[v]) : 0;
    }
    return ok;
}
