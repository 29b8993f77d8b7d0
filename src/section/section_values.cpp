// section_values: stiffness-weighted section values by unit strain planes.
#include "section/section_values.h"

#include <cmath>

#include "base/invariant.h"
#include "section/internal_forces.h"
#include "section/section_invariants.h"
#include "section/section_update.h"
#include "section/strain_plane.h"
#include "section/stress_strain.h"

int Is_Gruppe_Ausgewaehlt(const Querschnittsgruppe* g, unsigned selection) {
    if (!g || !g->kurve || g->einstellung.gewicht == 0) return 0;
    const int law = g->kurve->typ & SDL_ART_MASKE;
    if (law == SDL_BETON) return (selection & QW_AUSWAHL_BETON) != 0;
    if (law == SDL_STAHL)
        return (selection & (g->einstellung.flag ? QW_AUSWAHL_STAHL_FLAG : QW_AUSWAHL_STAHL)) != 0;
    return (selection & QW_AUSWAHL_ANDERE) != 0;
}

namespace {

// One group's resultants for a plane in the current placement.
int Gruppe(Querschnitt* q, Querschnittsgruppe* g, const double* plane, Schnittgroessen* out) {
    Schnittgroessen_Steifigkeit r{};
    if (g->art < QG_PUNKTE || g->art > QG_LINIEN) return 0;
    const int ok = Calc_Gruppe_Schnittgroessen(q, g->kurve, plane, g, g->einstellung.gewicht, &r, 1);
    *out = r.s;
    return ok;
}

void Drehen(Querschnitt* q, double angle) {
    q->lage[2] = angle;
    Update_Querschnitt(q, 0);
}

}  // namespace

int Calc_Querschnittswerte(Querschnitt* section, unsigned selection, int stage,
                           Querschnittswerte* out) {
    WELD_CHECK_AT_EXIT(Check_Querschnitt_Invariants(section));
    if (!out) return 0;
    *out = {};
    if (!section) return 0;
    if (stage <= 0) stage = 1000;
    Update_Querschnitt(section, 0);
    double* v = out->v;
    double sy = 0, sz = 0;
    int ok = 1;
    const double uniform[4] = {0, 1, 0, 0}, curvature[4] = {0, 0, 1, 0};
    for (int i = 0; i < Get_Querschnittsgruppen_Count(section); ++i) {
        Querschnittsgruppe* g = Get_Querschnittsgruppe(section, i);
        if (!Is_Gruppe_Ausgewaehlt(g, selection)) continue;
        Schnittgroessen a{}, b{}, c{};
        if (!Gruppe(section, g, uniform, &a)) {
            ok = 0;
            continue;
        }
        if (stage >= 2) {
            const double alpha = section->lage[2];
            const int okb = Gruppe(section, g, curvature, &b);
            Drehen(section, alpha + M_PI / 2);
            const int okc = Gruppe(section, g, curvature, &c);
            Drehen(section, alpha);
            if (!okb || !okc) {
                ok = 0;
                continue;
            }
            v[QW_IZ] += -b.Mz;
            v[QW_IYZ] += b.My;
            v[QW_IY] += -c.Mz;
        }
        v[QW_A] += a.N;
        sy += -a.Mz;
        sz += a.My;
        if (stage >= 3 && (Get_Querschnitt_Modus() & QS_MODUS_FELDER) && Is_Gruppe_Feld_Aktiv(&g->feld)) {
            Querschnittsgruppe_Feld f{};
            Transform_Gruppe_Feld(&g->feld, section->lage[0], section->lage[1], section->lage[2], &f);
            if (f.a != 0 || f.b != 0 || f.c != 0) {
                double dir = std::atan2(f.c, f.b);
                if (dir < 0) dir += 2 * M_PI;
                const double plane[4] = {0, f.a, std::hypot(f.b, f.c), 1};
                const double alpha = section->lage[2];
                if (std::fabs(dir) > 1e-10) Drehen(section, alpha + dir);
                Schnittgroessen_Steifigkeit r{};
                if (Calc_Gruppe_Schnittgroessen(section, g->kurve, plane, g, g->einstellung.gewicht, &r, 1))
                    v[QW_BW] += r.s.B;
                else
                    ok = 0;
                if (std::fabs(dir) > 1e-10) Drehen(section, alpha);
            }
        }
    }
    v[QW_YS] = sy;
    v[QW_ZS] = sz;
    if (v[QW_A] != 0) {
        v[QW_YS] = sy / v[QW_A];
        v[QW_ZS] = sz / v[QW_A];
    }
    if (stage < 2) return ok;
    const double A = v[QW_A], ys = v[QW_YS], zs = v[QW_ZS];
    const double iy = v[QW_IY] - A * zs * zs, iz = v[QW_IZ] - A * ys * ys;
    const double iyz = v[QW_IYZ] - A * ys * zs;
    if (std::fabs(iyz) <= 1e-10 * (std::fabs(iy) + std::fabs(iz))) {
        v[QW_I1] = iy;
        v[QW_I2] = iz;
        v[QW_ALPHA] = 0;
        return ok;
    }
    const double phi = std::atan2(-2 * iyz, iy - iz) / 2;
    const double r = std::sqrt((iy - iz) * (iy - iz) + 4 * iyz * iyz);
    const double imax = (iy + iz + r) / 2, imin = (iy + iz - r) / 2;
    if (phi > M_PI / 4) {
        v[QW_I1] = imin, v[QW_I2] = imax, v[QW_ALPHA] = phi - M_PI / 2;
    } else if (phi < -M_PI / 4) {
        v[QW_I1] = imin, v[QW_I2] = imax, v[QW_ALPHA] = phi + M_PI / 2;
    } else {
        v[QW_I1] = imax, v[QW_I2] = imin, v[QW_ALPHA] = phi;
    }
    return ok;
}

int Calc_Eigendehnungsebene(Querschnitt* section, unsigned selection, double* out) {
    WELD_CHECK_AT_EXIT(Check_Querschnitt_Invariants(section));
    if (!out || !section) return 0;
    Update_Querschnitt(section, 0);
    double A = 0, N = 0, My = 0, Mz = 0;
    int ok = 1;
    // The kernels add each curve's pre-strain to the plane they are given:
    // the stiffness comes from the unit plane with the pre-strain switched
    // off, the pre-strain's resultants from the zero plane, so that each
    // counts once.
    const double uniform[4] = {0, 1, 0, 0}, zero[4] = {0, 0, 0, 0};
    const double factor = Vordehnung_Faktor;
    for (int i = 0; i < Get_Querschnittsgruppen_Count(section); ++i) {
        Querschnittsgruppe* g = Get_Querschnittsgruppe(section, i);
        if (!Is_Gruppe_Ausgewaehlt(g, selection)) continue;
        Schnittgroessen a, p;
        Vordehnung_Faktor = 0;
        const int stiff = Gruppe(section, g, uniform, &a);
        Vordehnung_Faktor = factor;
        if (!stiff || !Gruppe(section, g, zero, &p)) {
            ok = 0;
            continue;
        }
        A += a.N;
        N += p.N;
        My += p.My;
        Mz += p.Mz;
    }
    // A summed stiffness that is not positive has no mean plane: zero sums
    // rather than sums multiplied by a negative area.
    const double f = A > 0 ? 1 / A : 0;
    const double e0 = N * f;
    const double k = std::hypot(My, Mz) * f;
    double angle = 0;
    if (k != 0) {
        angle = std::atan2(My, -Mz);
        if (angle < 0) angle += 2 * M_PI;
    }
    out[0] = angle, out[1] = e0, out[2] = k, out[3] = 0;
    return ok;
}
