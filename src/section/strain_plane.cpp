// strain_plane: plane conversions, group fields, the analysis mode and
// factors, and the integration kernels of the four group kinds.
#include "section/strain_plane.h"

#include <cmath>
#include <limits>

#include "section/section_internal.h"

static unsigned int modus = 0;
static double faktoren[4] = {1, 1, 1, 1};
static double* faktoren_aktiv = nullptr;

unsigned int Get_Querschnitt_Modus(void) { return modus; }
void Set_Querschnitt_Modus(unsigned int word) { modus = word; }

void Set_Querschnitt_Faktoren(const double* factors) {
    for (int i = 0; i < 4; ++i) faktoren[i] = factors ? factors[i] : 1.0;
    faktoren_aktiv = factors ? faktoren : nullptr;
}

const double* Get_Querschnitt_Faktoren(double* out) {
    if (out)
        for (int i = 0; i < 4; ++i) out[i] = faktoren[i];
    if (!faktoren_aktiv) return nullptr;
    return out ? out : faktoren_aktiv;
}

int Scale_By_Querschnitt_Faktoren(double* v) {
    if (!v) return 0;
    if (faktoren_aktiv) Scale_Vektor4(v, faktoren_aktiv);
    return 1;
}

void Scale_Vektor4(double* v, const double* f) {
    if (!v || !f) return;
    for (int i = 0; i < 4; ++i) v[i] *= f[i];
}

// ---- Conversions ---------------------------------------------------------

static void Polar_Aus(double e0, double ky, double kz, double w, int shift, double* polar) {
    const double kk = ky * ky + kz * kz;
    double angle = 0;
    if (kk > 0) {
        angle = std::atan2(kz, ky);
        if (shift && angle < 0) angle += 2 * M_PI;
    }
    polar[0] = angle;
    polar[1] = e0;
    polar[2] = kk > 0 ? std::sqrt(kk) : 0.0;
    polar[3] = w;
}

int Dehnungsebene_To_Polar(const double* cartesian, double* polar) {
    if (!cartesian || !polar) return 0;
    const double c[4] = {cartesian[0], cartesian[1], cartesian[2], cartesian[3]};
    Polar_Aus(c[0], c[1], c[2], c[3], 1, polar);
    return 1;
}

int Dehnungsebene_From_Polar(const double* polar, double* cartesian) {
    if (!polar || !cartesian) return 0;
    const double p[4] = {polar[0], polar[1], polar[2], polar[3]};
    cartesian[0] = p[1];
    cartesian[1] = p[2] * std::cos(p[0]);
    cartesian[2] = p[2] * std::sin(p[0]);
    cartesian[3] = p[3];
    return 1;
}

int Dehnungsebene_Polar_Aus_Vektor(const double* v, double f, double* polar) {
    if (!v || !polar) return 0;
    Polar_Aus(-f * v[0], -f * v[1], -f * v[2], 0, 1, polar);
    return 1;
}

int Dehnungsebene_Polar_Summe(const double* p, const double* q, double* result) {
    if (!result) return 0;
    double a[4] = {0, 0, 0, 0}, b[4] = {0, 0, 0, 0};
    if (p) Dehnungsebene_From_Polar(p, a);
    if (q) Dehnungsebene_From_Polar(q, b);
    Polar_Aus(a[0] + b[0], a[1] + b[1], a[2] + b[2], a[3] + b[3], 0, result);
    return 1;
}

// ---- Group fields --------------------------------------------------------

int Transform_Gruppe_Feld(const Querschnittsgruppe_Feld* field, double y0, double z0,
                          double angle, Querschnittsgruppe_Feld* out) {
    if (!out) return 0;
    if (!field) {
        *out = {};
        return 0;
    }
    const Querschnittsgruppe_Feld f = *field;
    const double c = std::cos(angle), s = std::sin(angle);
    out->a = f.a + f.b * y0 + f.c * z0;
    out->b = f.b * c + f.c * s;
    out->c = f.c * c - f.b * s;
    out->flags = f.flags;
    return 1;
}

double Get_Gruppe_Feldwert(const Querschnittsgruppe_Feld* field, double y, double z) {
    if (!(modus & QS_MODUS_FELDER) || !field || !(field->flags & QG_FELD_AKTIV)) return 0;
    return field->a + field->b * y + field->c * z;
}

int Is_Gruppe_Feld_Aktiv(const Querschnittsgruppe_Feld* field) {
    return (modus & QS_MODUS_FELDER) && field && (field->flags & QG_FELD_AKTIV) &&
           (field->a != 0 || field->b != 0 || field->c != 0);
}

int Has_Querschnitt_Felder(const Querschnitt* section) {
    return section && (modus & QS_MODUS_FELDER) && (section->flags & QS_FELDER_AKTIV) ? 1 : 0;
}

int Get_Gruppe_Ausdehnung(const Querschnittsgruppe* group, double* min, double* max) {
    if (!group || !min || !max) return 0;
    double lo = std::numeric_limits<double>::infinity(), hi = -lo;
    auto take = [&](const Querschnittsknoten* n) {
        if (!n) return;
        if (n->yt < lo) lo = n->yt;
        if (n->yt > hi) hi = n->yt;
    };
    switch (group->art) {
    case QG_KREIS:
        if (!group->mitte) return 0;
        lo = group->mitte->yt - std::fabs(group->radius);
        hi = group->mitte->yt + std::fabs(group->radius);
        break;
    case QG_PUNKTE:
    case QG_LINIEN:
    case QG_FLAECHE:
        if (!group->liste || group->liste->count == 0) return 0;
        for (int i = 0; i < group->liste->count; ++i) {
            void* item = group->liste->items[i];
            if (!item) continue;
            if (group->art == QG_PUNKTE) {
                take(reinterpret_cast<Querschnittsknoten*>(
                    static_cast<Querschnittsgruppe_Eintrag*>(item)->element));
                continue;
            }
            const Querschnittskante* e =
                group->art == QG_FLAECHE
                    ? static_cast<Querschnittskante*>(item)
                    : reinterpret_cast<Querschnittskante*>(
                          static_cast<Querschnittsgruppe_Eintrag*>(item)->element);
            if (e) {
                take(e->anf);
                take(e->end);
            }
        }
        break;
    default:
        return 0;
    }
    *min = lo;
    *max = hi;
    return 1;
}

// ---- Kernels -------------------------------------------------------------

namespace {

// Running integrals of one group before scaling: stress times 1, y, z; and
// tangent modulus times 1, y, z, yy, yz, zz (transformed coordinates).
struct Summen {
    double s, sy, sz;
    double t, ty, tz, tyy, tyz, tzz;
};

const double gauss3_x[3] = {0.11270166537926, 0.5, 0.88729833462074};
const double gauss3_w[3] = {5.0 / 18, 8.0 / 18, 5.0 / 18};
const double gauss5_x[5] = {0.04691007703066802, 0.2307653449471585, 0.5, 0.7692346550528415,
                            0.9530899229693319};
const double gauss5_w[5] = {0.1184634425280945, 0.239314335249683, 0.2844444444444445,
                            0.239314335249683, 0.1184634425280945};

// Calls fn(segment, ta, tb) for every part [ta, tb] of 0 .. 1 over which the
// strain ea + t (eb - ea) lies in one used segment. A segment serves the
// strains above the largest end before it, up to its own end.
template <class F>
void Pieces(const Spannungsdehnungslinie* c, double ea, double eb, F fn) {
    if (ea == eb) {
        const Spannungsdehnungslinie_Segment* seg = Finde_Segment(c, ea);
        if (seg && seg->kind >= 0) fn(seg, 0.0, 1.0);
        return;
    }
    double lo = -std::numeric_limits<double>::infinity();
    for (int i = 0; i < c->segment_count && i < SDL_SEGMENTE; ++i) {
        const Spannungsdehnungslinie_Segment& seg = c->seg[i];
        const double hi = seg.end;
        if (hi > lo && seg.kind >= 0) {
            double ta = (lo - ea) / (eb - ea), tb = (hi - ea) / (eb - ea);
            if (ta > tb) std::swap(ta, tb);
            if (ta < 0) ta = 0;
            if (tb > 1) tb = 1;
            if (tb > ta) fn(&seg, ta, tb);
        }
        if (hi > lo) lo = hi;
    }
}

void Add_Summen(const Summen& m, double f, int options, Schnittgroessen_Steifigkeit* out) {
    if (options & 1) {
        out->s.N += f * m.s;
        out->s.My += f * m.sz;
        out->s.Mz -= f * m.sy;
    }
    if (options & 2) {
        const double col[3][3] = {{m.t, m.tz, -m.ty}, {m.ty, m.tyz, -m.tyy}, {m.tz, m.tzz, -m.tyz}};
        for (int j = 0; j < 3; ++j) {
            out->d[j][0] += f * col[j][0];
            out->d[j][1] += f * col[j][1];
            out->d[j][2] += f * col[j][2];
        }
    }
}

// Adds stress and tangent at one point with weight dA (z moments given
// separately, for strips whose z extent is integrated in closed form).
void Add_Punkt(Summen& m, double sig, double et, double y, double z, double zz, double dA) {
    m.s += sig * dA;
    m.sy += sig * y * dA;
    m.sz += sig * z * dA;
    m.t += et * dA;
    m.ty += et * y * dA;
    m.tz += et * z * dA;
    m.tyy += et * y * y * dA;
    m.tyz += et * y * z * dA;
    m.tzz += et * zz * dA;
}

}  // namespace

int Integriere_Linien(const Spannungsdehnungslinie* curve, const Querschnittsgruppe* group,
                      Schnittgroessen_Steifigkeit* out, double factor, int options) {
    if (!curve || !group || !out || !group->liste) return 1;
    const double e0 = curve->ebene[1], k = curve->ebene[2];
    Summen m{};
    for (int i = 0; i < group->liste->count; ++i) {
        auto* l = static_cast<const Querschnittsgruppe_Eintrag*>(group->liste->items[i]);
        auto* edge = l ? reinterpret_cast<const Querschnittskante*>(l->element) : nullptr;
        if (!edge || !edge->anf || !edge->end) continue;
        const double y1 = edge->anf->yt, z1 = edge->anf->zt, y2 = edge->end->yt, z2 = edge->end->zt;
        const double measure = std::hypot(y2 - y1, z2 - z1) * l->wert;
        const double e1 = e0 + k * y1, e2 = e0 + k * y2;
        Pieces(curve, e1, e2, [&](const Spannungsdehnungslinie_Segment* seg, double ta, double tb) {
            for (int g = 0; g < 3; ++g) {
                const double t = ta + (tb - ta) * gauss3_x[g];
                const double y = y1 + t * (y2 - y1), z = z1 + t * (z2 - z1);
                double sig, et;
                Segment_Spannung(seg, e1 + t * (e2 - e1), &sig, &et);
                Add_Punkt(m, sig, et, y, z, z * z, gauss3_w[g] * (tb - ta) * measure);
            }
        });
    }
    Add_Summen(m, factor, options, out);
    return 1;
}

// Boundary-strip form: over an area A bounded counter-clockwise,
// integral of f(y) z^p dA = -(closed line integral of f(y) z^(p+1)/(p+1) dy).
int Integriere_Flaeche(const Spannungsdehnungslinie* curve, const Querschnittsgruppe* group,
                       const Querschnittsgruppe_Feld* field, Schnittgroessen_Steifigkeit* out,
                       double factor, int options) {
    (void)field;  // the field reaches an area through the group's effective plane
    if (!curve || !group || !out || !group->liste) return 1;
    const double e0 = curve->ebene[1], k = curve->ebene[2];
    Summen m{};
    for (int i = 0; i < group->liste->count; ++i) {
        auto* edge = static_cast<const Querschnittskante*>(group->liste->items[i]);
        if (!edge || !edge->anf || !edge->end) continue;
        const double y1 = edge->anf->yt, z1 = edge->anf->zt, y2 = edge->end->yt, z2 = edge->end->zt;
        if (y1 == y2) continue;
        const double dy = y2 - y1;
        const double e1 = e0 + k * y1, e2 = e0 + k * y2;
        Pieces(curve, e1, e2, [&](const Spannungsdehnungslinie_Segment* seg, double ta, double tb) {
            for (int g = 0; g < 3; ++g) {
                const double t = ta + (tb - ta) * gauss3_x[g];
                const double y = y1 + t * dy, z = z1 + t * (z2 - z1);
                double sig, et;
                Segment_Spannung(seg, e1 + t * (e2 - e1), &sig, &et);
                const double w = -z * dy * gauss3_w[g] * (tb - ta);
                m.s += sig * w;
                m.sy += sig * y * w;
                m.sz += sig * z / 2 * w;
                m.t += et * w;
                m.ty += et * y * w;
                m.tz += et * z / 2 * w;
                m.tyy += et * y * y * w;
                m.tyz += et * y * z / 2 * w;
                m.tzz += et * z * z / 3 * w;
            }
        });
    }
    Add_Summen(m, factor, options, out);
    return 1;
}

int Integriere_Kreis(const Spannungsdehnungslinie* curve, const Querschnittsgruppe* group,
                     Schnittgroessen_Steifigkeit* out, double factor, int options) {
    if (!curve || !group || !out || !group->mitte || group->radius == 0) return 1;
    const double r = std::fabs(group->radius);
    if (group->radius < 0) factor = -factor;  // a hole
    const double yc = group->mitte->yt, zc = group->mitte->zt;
    const double e0 = curve->ebene[1], k = curve->ebene[2];
    const double ea = e0 + k * (yc - r), eb = e0 + k * (yc + r);
    Summen m{};
    // Closed forms over 0 .. theta, y = yc - r cos theta: area, first
    // moment about yc, second moments about yc and about zc.
    auto A = [&](double th) { return r * r * (th - std::sin(th) * std::cos(th)); };
    auto M1 = [&](double th) { return -2.0 / 3 * r * r * r * std::pow(std::sin(th), 3); };
    auto Myy = [&](double th) { return r * r * r * r / 4 * (th - std::sin(4 * th) / 4); };
    auto Mzz = [&](double th) {
        return 2.0 / 3 * r * r * r * r * (3 * th / 8 - std::sin(2 * th) / 4 + std::sin(4 * th) / 32);
    };
    Pieces(curve, ea, eb, [&](const Spannungsdehnungslinie_Segment* seg, double ta, double tb) {
        const double tha = std::acos(std::fmax(-1.0, std::fmin(1.0, 1 - 2 * ta)));
        const double thb = std::acos(std::fmax(-1.0, std::fmin(1.0, 1 - 2 * tb)));
        if (seg->kind == 0 || seg->kind == 1 || ea == eb) {
            // Stress linear in y (constant tangent): closed form, exact.
            double sig, et;
            Segment_Spannung(seg, e0 + k * yc, &sig, &et);
            const double s1 = ea == eb ? 0.0 : et * k;  // d sigma / d y
            const double a = A(thb) - A(tha), m1 = M1(thb) - M1(tha), myy = Myy(thb) - Myy(tha);
            const double sy = yc * a + m1;
            const double syy = yc * yc * a + 2 * yc * m1 + myy;
            const double szz = zc * zc * a + Mzz(thb) - Mzz(tha);
            const double n = sig * a + s1 * m1;
            m.s += n;
            m.sy += sig * sy + s1 * (yc * m1 + myy);
            m.sz += zc * n;
            m.t += et * a;
            m.ty += et * sy;
            m.tz += et * zc * a;
            m.tyy += et * syy;
            m.tyz += et * zc * sy;
            m.tzz += et * szz;
            return;
        }
        for (int g = 0; g < 5; ++g) {
            const double th = tha + (thb - tha) * gauss5_x[g];
            const double sn = std::sin(th);
            const double y = yc - r * std::cos(th);
            const double dA = 2 * r * r * sn * sn * gauss5_w[g] * (thb - tha);
            double sig, et;
            Segment_Spannung(seg, e0 + k * y, &sig, &et);
            Add_Punkt(m, sig, et, y, zc, zc * zc + r * r * sn * sn / 3, dA);
        }
    });
    Add_Summen(m, factor, options, out);
    return 1;
}

int Integriere_Punkte(const Spannungsdehnungslinie* curve, const Querschnittsgruppe* group,
                      const Querschnittsgruppe_Feld* field, Schnittgroessen_Steifigkeit* out,
                      double factor, int options) {
    if (!curve || !group || !out || !group->liste) return 1;
    const double e0 = curve->ebene[1], k = curve->ebene[2], w = curve->ebene[3];
    Summen m{};
    for (int i = 0; i < group->liste->count; ++i) {
        auto* p = static_cast<const Querschnittsgruppe_Eintrag*>(group->liste->items[i]);
        auto* node = p ? reinterpret_cast<const Querschnittsknoten*>(p->element) : nullptr;
        if (!node) continue;
        const double e = e0 + k * node->yt - w * Get_Gruppe_Feldwert(field, node->yt, node->zt);
        const Spannungsdehnungslinie_Segment* seg = Finde_Segment(curve, e);
        if (!seg) continue;
        double sig, et;
        Segment_Spannung(seg, e, &sig, &et);
        Add_Punkt(m, sig, et, node->yt, node->zt, node->zt * node->zt, p->wert);
    }
    Add_Summen(m, factor, options, out);
    return 1;
}
