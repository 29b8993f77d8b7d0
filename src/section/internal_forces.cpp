// internal_forces: resultants and tangent stiffness of a section for a strain
// plane, and the small companions around them.
#include "section/internal_forces.h"

#include <cmath>
#include <cstring>

#include "base/invariant.h"
#include "section/section_internal.h"
#include "section/section_invariants.h"
#include "section/section_update.h"
#include "section/stress_strain.h"

Querschnittsgruppe_Feld Feld_Addieren(const Querschnitt* q, const Querschnittsgruppe* g, double f, double* eff) {
    Querschnittsgruppe_Feld t{};
    Transform_Gruppe_Feld(&g->feld, q->lage[0], q->lage[1], q->lage[2], &t);
    const double v[3] = {t.a, t.b, t.c};
    double fp[4];
    Dehnungsebene_Polar_Aus_Vektor(v, f, fp);
    Dehnungsebene_Polar_Summe(eff, fp, eff);
    return t;
}

int Vordehnung_Addieren(const Querschnitt* q, const double* vd, double* eff) {
    if (vd[1] == 0 && vd[2] == 0) return 0;
    double vp[4] = {vd[0], vd[1] * Vordehnung_Faktor, vd[2] * Vordehnung_Faktor, 0};
    Dehnungsebene_Transformieren(vp, q->lage[0], q->lage[1], q->lage[2], vp, 0);
    Dehnungsebene_Polar_Summe(eff, vp, eff);
    return 1;
}

namespace {

// Turns a record computed in axes turned by beta back into the axes before
// the turn: the moments, and the moment rows and curvature columns of the
// stiffness.
void Zurueckdrehen(Schnittgroessen_Steifigkeit* r, double beta) {
    const double c = std::cos(beta), s = std::sin(beta);
    const double my = r->s.My, mz = r->s.Mz;
    r->s.My = my * c - mz * s;
    r->s.Mz = mz * c + my * s;
    for (auto& row : r->d) {
        const double dmy = row[1], dmz = row[2];
        row[1] = dmy * c - dmz * s;
        row[2] = dmz * c + dmy * s;
    }
    for (int i = 0; i < 4; ++i) {
        const double dky = r->d[1][i], dkz = r->d[2][i];
        r->d[1][i] = c * dky - s * dkz;
        r->d[2][i] = s * dky + c * dkz;
    }
}

void Setze_Winkel(Querschnitt* q, double angle) {
    q->lage[2] = angle;
    Update_Querschnitt(q, 0);
}

// Steps of one group: its effective plane, a turn along its curvature, the
// kernel, the turn back and its w-force; the record is added to sum.
int Gruppe_Integrieren(Querschnitt* q, Spannungsdehnungslinie* c, const double* plane,
                       Querschnittsgruppe* g, double weight, Schnittgroessen_Steifigkeit* sum,
                       int options) {
    double eff[4] = {plane[0], plane[1], plane[2], 0};
    Querschnittsgruppe_Feld f{};
    const bool field = (q->kurvenoptionen.optionen & 0x2000) &&
                       (Get_Querschnitt_Modus() & QS_MODUS_FELDER) && Is_Gruppe_Feld_Aktiv(&g->feld);
    if (field) {
        f = Feld_Addieren(q, g, plane[3], eff);
        eff[3] = plane[3];
    }
    if (Vordehnung_Addieren(q, c->vordehnung, eff)) eff[3] = field ? plane[3] : 0;
    const double alpha = q->lage[2];
    double beta = 0;
    if (eff[2] != 0 && std::fabs(eff[0]) > 1e-10) {
        beta = eff[0];
        Setze_Winkel(q, alpha + beta);
    }
    eff[0] = 0;
    std::memcpy(c->ebene, eff, sizeof eff);

    Schnittgroessen_Steifigkeit r{};
    int ok = 1;
    switch (g->art) {
    case QG_PUNKTE: Integriere_Punkte(c, g, nullptr, &r, weight, options); break;
    case QG_FLAECHE: Integriere_Flaeche(c, g, nullptr, &r, weight, options); break;
    case QG_KREIS: Integriere_Kreis(c, g, &r, weight, options); break;
    case QG_LINIEN: Integriere_Linien(c, g, &r, weight, options); break;
    default: ok = 0; break;
    }
    if (beta != 0) {
        Zurueckdrehen(&r, beta);
        Setze_Winkel(q, alpha);
    }
    if (field) {
        r.s.B = f.a * r.s.N + f.c * r.s.My - f.b * r.s.Mz;
        if (options & 2) {
            for (int j = 0; j < 3; ++j)
                r.d[j][3] = f.a * r.d[j][0] + f.c * r.d[j][1] - f.b * r.d[j][2];
            r.d[3][0] = -r.d[0][3];
            r.d[3][1] = -r.d[2][3];
            r.d[3][2] = r.d[1][3];
            r.d[3][3] = -(f.a * r.d[0][3] + f.b * r.d[1][3] + f.c * r.d[2][3]);
        }
    }
    Add_Schnittgroessen_Steifigkeit(sum, &r, sum);
    return ok;
}

int Berechne(Querschnitt* q, const double* plane, double lambda, Schnittgroessen_Steifigkeit* out,
             int options) {
    Schnittgroessen_Steifigkeit sum{};
    if (!q || !plane) {
        if (out) *out = sum;
        return 0;
    }
    const double saved = q->lage[2], phi = plane[0];
    if (phi != 0) q->lage[2] = saved + phi;
    int ok = Update_Querschnitt(q, 0);
    const double turned[4] = {0, plane[1], plane[2], plane[3]};
    for (int i = 0; i < Get_Querschnittsgruppen_Count(q); ++i) {
        Querschnittsgruppe* g = Get_Querschnittsgruppe(q, i);
        if (!g) continue;
        Spannungsdehnungslinie* c = g->kurve;
        if (!c) {
            ok = 0;
            continue;
        }
        double weight = g->einstellung.gewicht;
        if ((c->typ & SDL_ART_MASKE) == SDL_STAHL && g->einstellung.flag) weight *= lambda;
        if (weight == 0) continue;
        if (!Gruppe_Integrieren(q, c, turned, g, weight, &sum, options)) ok = 0;
        if (c->bezug && c->bezug != c && c->bezug_gewicht != 0 &&
            !Calc_Gruppe_Schnittgroessen(q, c->bezug, turned, g, weight * c->bezug_gewicht, &sum,
                                         options))
            ok = 0;
    }
    if (phi != 0) {
        Zurueckdrehen(&sum, phi);
        Setze_Winkel(q, saved);
    }
    double f[4];
    if (Get_Querschnitt_Faktoren(f)) {
        Scale_Vektor4(&sum.s.N, f);
        if (options & 2) {
            const int pair[4] = {0, 2, 1, 3};  // e0-N, ky-Mz, kz-My, w-B
            for (int j = 0; j < 4; ++j)
                for (int i = 0; i < 4; ++i) sum.d[j][i] *= f[i] * f[pair[j]];
            for (int j = 0; j < 4; ++j)
                if (f[pair[j]] == 0) sum.d[j][pair[j]] = 1e-6;
        }
    }
    if (out) *out = sum;
    return ok;
}

}  // namespace

int Calc_Schnittgroessen(Querschnitt* section, const double* plane, Schnittgroessen* out,
                         double lambda) {
    WELD_CHECK_AT_EXIT(Check_Querschnitt_Invariants(section));
    Schnittgroessen_Steifigkeit r;
    const int ok = Berechne(section, plane, lambda, &r, 1);
    if (out) *out = r.s;
    return out ? ok : 0;
}

int Calc_Schnittgroessen_Aus_Dehnung(Querschnitt* section, const double* plane, double lambda,
                                     Schnittgroessen* out) {
    WELD_CHECK_AT_EXIT(Check_Querschnitt_Invariants(section));
    if (!out) return 0;
    return Calc_Schnittgroessen(section, plane, out, lambda);
}

int Calc_Schnittgroessen_Steifigkeit(Querschnitt* section, const double* plane, double lambda,
                                     Schnittgroessen_Steifigkeit* out) {
    WELD_CHECK_AT_EXIT(Check_Querschnitt_Invariants(section));
    if (!out) return 0;
    return Berechne(section, plane, lambda, out, 3);
}

int Calc_Gruppe_Schnittgroessen(Querschnitt* section, Spannungsdehnungslinie* curve,
                                const double* plane, Querschnittsgruppe* group, double weight,
                                Schnittgroessen_Steifigkeit* sum, int options) {
    WELD_CHECK_AT_EXIT(Check_Querschnitt_Invariants(section));
    if (weight == 0) return 1;
    if (!section || !curve || !plane || !group || !sum) return 0;
    Update_Querschnitt(section, 0);  // nothing to do when the caller just updated
    return Gruppe_Integrieren(section, curve, plane, group, weight, sum, options);
}

int Add_Schnittgroessen(const Schnittgroessen* a, const Schnittgroessen* b, Schnittgroessen* out) {
    if (!out) return 0;
    const Schnittgroessen z{};
    const Schnittgroessen x = a ? *a : z, y = b ? *b : z;
    *out = {x.N + y.N, x.My + y.My, x.Mz + y.Mz, x.B + y.B};
    return 1;
}

int Add_Schnittgroessen_Steifigkeit(const Schnittgroessen_Steifigkeit* a,
                                    const Schnittgroessen_Steifigkeit* b,
                                    Schnittgroessen_Steifigkeit* out) {
    if (!out) return 0;
    const Schnittgroessen_Steifigkeit z{};
    const Schnittgroessen_Steifigkeit x = a ? *a : z, y = b ? *b : z;
    Add_Schnittgroessen(&x.s, &y.s, &out->s);
    for (int j = 0; j < 4; ++j)
        for (int i = 0; i < 4; ++i) out->d[j][i] = x.d[j][i] + y.d[j][i];
    return 1;
}

// ---- Transformations -----------------------------------------------------

static void Lage(double y0, double z0, double alpha, int options, double* l) {
    const double in[3] = {y0, z0, alpha};
    Invert_Querschnitt_Lage(in, l, options);
}

int Dehnungsebene_Transformieren(const double* plane, double y0, double z0, double alpha,
                                 double* out, int options) {
    if (!plane || !out) return 0;
    double l[3];
    Lage(y0, z0, alpha, options, l);
    const double p[4] = {plane[0], plane[1], plane[2], plane[3]};
    out[0] = p[0] - l[2];
    out[1] = p[1] + p[2] * (l[0] * std::cos(p[0]) + l[1] * std::sin(p[0]));
    out[2] = p[2];
    out[3] = p[3];
    return 1;
}

int Dehnungsebene_Transformieren_Vektor(const double* plane, const double* placement, double* out,
                                        int options) {
    if (!placement) return 0;
    return Dehnungsebene_Transformieren(plane, placement[0], placement[1], placement[2], out, options);
}

int Schnittgroessen_Transformieren(const Schnittgroessen* forces, double y0, double z0,
                                   double alpha, Schnittgroessen* out, int options) {
    if (!forces || !out) return 0;
    double l[3];
    Lage(y0, z0, alpha, options, l);
    const Schnittgroessen f = *forces;
    double my = f.My - l[1] * f.N, mz = f.Mz + l[0] * f.N;
    if (l[2] != 0) {
        const double c = std::cos(l[2]), s = std::sin(l[2]);
        const double m1 = my * c + mz * s;
        mz = mz * c - my * s;
        my = m1;
    }
    *out = {f.N, my, mz, f.B};
    return 1;
}

int Schnittgroessen_Transformieren_Vektor(const Schnittgroessen* forces, const double* placement,
                                          Schnittgroessen* out, int options) {
    if (!placement) return 0;
    return Schnittgroessen_Transformieren(forces, placement[0], placement[1], placement[2], out,
                                          options);
}

int Schnittgroessen_Ruecktransformieren(const Schnittgroessen* forces, double y0, double z0,
                                        double alpha, Schnittgroessen* out, int options) {
    if (!forces || !out) return 0;
    double l[3];
    Lage(y0, z0, alpha, options, l);
    const Schnittgroessen f = *forces;
    double my = f.My, mz = f.Mz;
    if (l[2] != 0) {
        const double c = std::cos(l[2]), s = std::sin(l[2]);
        const double m1 = my * c - mz * s;
        mz = mz * c + my * s;
        my = m1;
    }
    *out = {f.N, my + l[1] * f.N, mz - l[0] * f.N, f.B};
    return 1;
}

int Schnittgroessen_Ruecktransformieren_Vektor(const Schnittgroessen* forces,
                                               const double* placement, Schnittgroessen* out,
                                               int options) {
    if (!placement) return 0;
    return Schnittgroessen_Ruecktransformieren(forces, placement[0], placement[1], placement[2],
                                               out, options);
}

// ---- Companions ----------------------------------------------------------

int Calc_Nulllinie(const Querschnitt* section, const double* plane, double* out) {
    WELD_CHECK_AT_EXIT(Check_Querschnitt_Invariants(section));
    (void)section;
    if (!plane || !out) return 0;
    const double phi = plane[0], e0 = plane[1], k = plane[2];
    out[0] = phi < -M_PI / 2 ? phi + 5 * M_PI / 2 : phi + M_PI / 2;
    double d;
    if (std::fabs(e0) > 1e10 * std::fabs(k))
        d = e0 * k > 0 ? -1e10 : 1e10;
    else if (k == 0)
        d = 0;  // neither strain nor curvature: no axis, a finite stand-in
    else
        d = -e0 / k;
    out[1] = d * std::cos(phi);
    out[2] = d * std::sin(phi);
    return 1;
}

int Calc_Punkt_Dehnung(const Querschnitt* section, const double* plane, double y, double z,
                       double* out) {
    WELD_CHECK_AT_EXIT(Check_Querschnitt_Invariants(section));
    (void)section;
    if (!plane || !out) return 0;
    *out = plane[1] + plane[2] * (y * std::cos(plane[0]) + z * std::sin(plane[0]));
    return 1;
}

int Calc_Zug_Druck_Resultierende(Querschnitt* section, const double* plane, double lambda,
                                 double* out) {
    WELD_CHECK_AT_EXIT(Check_Querschnitt_Invariants(section));
    if (!section || !plane || !out) return 0;
    for (int side = 0; side < 2; ++side) {
        Prepare_Querschnitt_Kurven_Teil(section, side + 1);
        Schnittgroessen s{};
        Calc_Schnittgroessen(section, plane, &s, lambda);
        out[3 * side] = s.N;
        out[3 * side + 1] = s.N != 0 ? -s.Mz / s.N : 0;
        out[3 * side + 2] = s.N != 0 ? s.My / s.N : 0;
    }
    Prepare_Querschnitt_Kurven_Teil(section, 0);
    return 1;
}

int Calc_Knoten_Ausdehnung(const Querschnitt* section, double* out, int transformed) {
    WELD_CHECK_AT_EXIT(Check_Querschnitt_Invariants(section));
    if (!section || !out) return 0;
    bool first = true;
    for (int i = 0; i < Get_Querschnittsknoten_Count(section); ++i) {
        const Querschnittsknoten* n = Get_Querschnittsknoten(section, i);
        if (!n) continue;
        const double y = transformed ? n->yt : n->y, z = transformed ? n->zt : n->z;
        if (first || y < out[0]) out[0] = y;
        if (first || y > out[1]) out[1] = y;
        if (first || z < out[2]) out[2] = z;
        if (first || z > out[3]) out[3] = z;
        first = false;
    }
    return 1;
}

int Calc_Linie_Spannung_Tangente(const Spannungsdehnungslinie* law, double factor, double strain,
                                 double* stress_out, double* tangent_out) {
    double s = 0, t = 0;
    const Spannungsdehnungslinie_Segment* seg = law ? Finde_Segment(law, strain) : nullptr;
    if (seg) Segment_Spannung(seg, strain, &s, &t);
    if (stress_out) *stress_out = factor * s;
    if (tangent_out) *tangent_out = factor * t;
    return law ? 1 : 0;
}

int Calc_Linie_Spannung(const Spannungsdehnungslinie* curve, double strain, double* out) {
    if (!curve || !out) return 0;
    Spannungsdehnungslinie copy = *curve;  // shares the name; never freed
    if (!Prepare_Spannungsdehnungslinie(&copy, nullptr)) return 0;
    return Calc_Linie_Spannung_Tangente(&copy, 1.0, strain, out, nullptr);
}
