// stress_strain: stress-strain curves, the built-in laws, preparation into
// segment tables and the stress at a point of a group.
#include "section/stress_strain.h"

#include <cmath>
#include <cstring>

#include "base/invariant.h"
#include "base/vesk.h"
#include "section/section_internal.h"
#include "section/section_invariants.h"
#include "section/strain_plane.h"
#include "section/xmasque.h"

double Vordehnung_Faktor = 1.0;

static void Clear_Segmente(Spannungsdehnungslinie* c) {
    for (auto& s : c->seg) s = {0, 0, 0, 0, 0, 0, 1.0, 0, -1};
}

Spannungsdehnungslinie* New_Spannungsdehnungslinie(int number, int type, const char* name,
                                                   const Spannungsdehnungslinie_Parameter* parameters) {
    if (!parameters) return nullptr;
    auto* c = static_cast<Spannungsdehnungslinie*>(
        Mem_Calloc(__FILE__, __LINE__, "null", 1, sizeof(Spannungsdehnungslinie)));
    if (!c) return nullptr;
    if (name) {
        c->name = Mem_Strdup(__FILE__, __LINE__, "null", name);
        if (!c->name) {
            Mem_Free(__FILE__, __LINE__, "null", c);
            return nullptr;
        }
    }
    Init_Element(c, &Spannungsdehnungslinie_Typ, number, 0);
    c->typ = type;
    c->p = *parameters;
    c->bezug_gewicht = -1.0;
    Clear_Segmente(c);
    return c;
}

void Free_Spannungsdehnungslinie(Spannungsdehnungslinie* curve) {
    if (!curve) return;
    Mem_Free(__FILE__, __LINE__, "null", curve->name);
    Element_Unref(curve->bezug);
    Mem_Free(__FILE__, __LINE__, "null", curve);
}

int Set_Spannungsdehnungslinie_Parameter(Querschnitt* section, Spannungsdehnungslinie* curve,
                                         const Spannungsdehnungslinie_Parameter* parameters) {
    WELD_CHECK_AT_EXIT(Check_Querschnitt_Invariants(section));
    if (!curve || !parameters) return 0;
    curve->p = *parameters;
    if (section) section->flags &= ~static_cast<unsigned>(QS_KURVEN_OK);
    return 1;
}

int Copy_Spannungsdehnungslinie(Spannungsdehnungslinie* dest, const Spannungsdehnungslinie* src) {
    if (!dest || !src) return 0;
    char* name = nullptr;
    if (src->name) {
        name = Mem_Strdup(__FILE__, __LINE__, "null", src->name);
        if (!name) return 0;
    }
    Mem_Free(__FILE__, __LINE__, "null", dest->name);
    dest->name = name;
    dest->typ = src->typ;
    dest->p = src->p;
    Element_Ref(src->bezug);  // before the unref: src and dest may share it
    Element_Unref(dest->bezug);
    dest->bezug = src->bezug;
    dest->bezug_wort1 = src->bezug_wort1;
    dest->bezug_gewicht = src->bezug_gewicht;
    dest->bezug_intern = src->bezug_intern;
    dest->bezug_wort2 = src->bezug_wort2;
    return 1;
}

int Set_Spannungsdehnungslinie_Bezug(Spannungsdehnungslinie* curve, Spannungsdehnungslinie* other,
                                     double weight) {
    if (!curve) return 0;
    Element_Ref(other);
    Element_Unref(curve->bezug);
    curve->bezug = other;
    curve->bezug_wort1 = curve->bezug_wort2 = 0;
    curve->bezug_intern = other ? other->header.intern : 0;
    curve->bezug_gewicht = weight;
    return 1;
}

Spannungsdehnungslinie* Dup_Spannungsdehnungslinie(const Spannungsdehnungslinie* curve) {
    if (!curve) return nullptr;
    auto* c = static_cast<Spannungsdehnungslinie*>(
        Mem_Malloc(__FILE__, __LINE__, "null", sizeof(Spannungsdehnungslinie)));
    if (!c) return nullptr;
    std::memcpy(c, curve, sizeof *c);
    if (curve->name) {
        c->name = Mem_Strdup(__FILE__, __LINE__, "null", curve->name);
        if (!c->name) {
            Mem_Free(__FILE__, __LINE__, "null", c);
            return nullptr;
        }
    }
    Element_Ref(c->bezug);
    return c;
}

// ---- Built-in laws -------------------------------------------------------

namespace {
struct Builtin_Row {
    const char* name;
    int number;
    int typ;
    double betaD, betaZ, epsD, epsZ, epsu, exponent;
};

const Builtin_Row builtin_rows[] = {
    {"B15", -15, 0x8001, 10500, 10500, -2.0, 0, -3.5, 2.0},
    {"B25", -25, 0x8001, 17500, 17500, -2.0, 0, -3.5, 2.0},
    {"B35", -35, 0x8001, 23000, 23000, -2.0, 0, -3.5, 2.0},
    {"B45", -45, 0x8001, 27000, 27000, -2.0, 0, -3.5, 2.0},
    {"B55", -55, 0x8001, 30000, 30000, -2.0, 0, -3.5, 2.0},
    {"BSt 220/340", -220, 0x8002, 220000, 220000, -1.048, 1.048, 5.0, 1.0},
    {"BSt 420 S", -420, 0x8002, 420000, 420000, -2.0, 2.0, 5.0, 1.0},
    {"BSt 500 S", -500, 0x8002, 500000, 500000, -2.381, 2.381, 5.0, 1.0},
    {"C12/15", -1215, 0x8001, 10500, 10500, -2.0, 0, -3.5, 2.0},
    {"C16/20", -1620, 0x8001, 10500, 10500, -2.0, 0, -3.5, 2.0},
    {"C20/25", -2025, 0x8001, 17500, 17500, -2.0, 0, -3.5, 2.0},
    {"C25/30", -2530, 0x8001, 17500, 17500, -2.0, 0, -3.5, 2.0},
    {"C30/37", -3037, 0x8001, 17500, 17500, -2.0, 0, -3.5, 2.0},
    {"C35/45", -3545, 0x8001, 23000, 23000, -2.0, 0, -3.5, 2.0},
    {"C40/50", -4050, 0x8001, 23000, 23000, -2.0, 0, -3.5, 2.0},
    {"C45/55", -4555, 0x8001, 23000, 23000, -2.0, 0, -3.5, 2.0},
    {"C50/60", -5060, 0x8001, 27000, 27000, -2.0, 0, -3.5, 2.0},
    {"C55/67", -5567, 0x8001, 27000, 27000, -2.03, 0, -3.1, 2.0},
    {"C60/75", -6075, 0x8001, 30000, 30000, -2.06, 0, -2.7, 1.9},
    {"C70/85", -7085, 0x8001, 30000, 30000, -2.1, 0, -2.5, 1.8},
    {"C80/95", -8095, 0x8001, 30000, 30000, -2.14, 0, -2.4, 1.7},
    {"C90/105", -90105, 0x8001, 30000, 30000, -2.17, 0, -2.3, 1.6},
    {"C100/115", -100115, 0x8001, 30000, 30000, -2.2, 0, -2.2, 1.55},
    {"BSt 500 SA", -5001, 0x8002, 500000, 500000, -2.5, 2.5, 25.0, 1.0},
    {"BSt 500 SB", -5002, 0x8002, 500000, 500000, -2.5, 2.5, 25.0, 1.0},
};
constexpr int builtin_count = sizeof builtin_rows / sizeof builtin_rows[0];

// The shared records, filled once from the rows. Names point at the rows'
// static texts; nothing ever frees them.
const Spannungsdehnungslinie* Builtin_Table() {
    static Spannungsdehnungslinie table[builtin_count];
    static bool filled = false;
    if (!filled) {
        for (int i = 0; i < builtin_count; ++i) {
            const Builtin_Row& r = builtin_rows[i];
            Spannungsdehnungslinie& c = table[i];
            std::memset(&c, 0, sizeof c);
            Init_Element(&c, &Spannungsdehnungslinie_Typ, r.number, 1);
            c.typ = r.typ;
            c.name = const_cast<char*>(r.name);
            c.p = {r.betaD, r.betaZ, r.epsD, r.epsZ, r.epsu, 0, r.exponent, 0, 0, 0};
            c.bezug_gewicht = -1.0;
            Clear_Segmente(&c);
        }
        filled = true;
    }
    return table;
}
}  // namespace

const Spannungsdehnungslinie* Find_Builtin_Spannungsdehnungslinie(const char* name) {
    if (!name) return nullptr;
    const Spannungsdehnungslinie* table = Builtin_Table();
    for (int i = 0; i < builtin_count; ++i)
        if (std::strcmp(table[i].name, name) == 0) return &table[i];
    return nullptr;
}

// ---- Parameters ----------------------------------------------------------

int Calc_Stahl_Bilinear_Parameter(double E, double f_d, double eps_u, double E_h,
                                  Spannungsdehnungslinie_Parameter* parameters) {
    if (!parameters) return 0;
    *parameters = {};
    if (!(eps_u > 0)) eps_u = 150.0;
    if (1000.0 * f_d > E * eps_u) E = 1000.0 * f_d / eps_u;
    if (E_h > 0.9999 * E) E_h = 0.9999 * E;
    if (E_h < 0) E_h = 0;
    // Without a positive elastic range the yield strain is undefined: leave
    // the block cleared rather than fill it with NaN.
    if (!(E - E_h > 0)) return 0;
    const double eps_y = (1000.0 * f_d - E_h * eps_u) / (E - E_h);
    parameters->betaD = parameters->betaZ = E * eps_y;
    parameters->epsD = -eps_y;
    parameters->epsZ = eps_y;
    parameters->epsu = eps_u;
    parameters->exponent = 1.0;
    parameters->steigung = E_h;
    return 1;
}

int Kurven_Klasse(const Spannungsdehnungslinie* c, double* lower, double* upper) {
    const int law = c->typ & SDL_ART_MASKE;
    const bool compression_only = law == SDL_BETON || (law != SDL_STAHL && c->p.epsu < 0);
    *lower = -std::fabs(c->p.epsu);
    *upper = compression_only ? SDL_OFFEN : std::fabs(c->p.epsu);
    return compression_only ? 1 : 2;
}

int Get_Spannungsdehnungslinie_Grenzen(const Spannungsdehnungslinie* curve, double* lower,
                                       double* upper) {
    if (!curve || !lower || !upper) return 0;
    return Kurven_Klasse(curve, lower, upper);
}

Spannungsdehnungslinie_Parameter* Get_Gruppe_Kurvenparameter(Spannungsdehnungslinie_Parameter* out,
                                                            const Querschnittsgruppe* group) {
    if (!out) return out;
    if (!group)
        *out = Find_Builtin_Spannungsdehnungslinie("B35")->p;
    else if (group->kurve)
        *out = group->kurve->p;
    return out;
}

Spannungsdehnungslinie_Parameter* Swap_Gruppe_Kurvenparameter(
    Spannungsdehnungslinie_Parameter* out, Querschnittsgruppe* group,
    const Spannungsdehnungslinie_Parameter* new_parameters) {
    if (!out) return out;
    if (group && !group->kurve) {
        *out = {};
        return out;
    }
    Get_Gruppe_Kurvenparameter(out, group);
    if (group && new_parameters) group->kurve->p = *new_parameters;
    return out;
}

// ---- Segments ------------------------------------------------------------

void Segment_Spannung(const Spannungsdehnungslinie_Segment* seg, double e, double* stress,
                      double* tangent) {
    double f = 0, df = 0;
    const double x = (e - seg->start) * seg->s, n = seg->n;
    switch (seg->kind) {
    case 0: break;
    case 1: f = x; df = 1; break;
    case 2: f = x * (2 - x); df = 2 * (1 - x); break;
    case 4:
        if (x < 1) {
            const double d = 1 + (n - 2) * x;
            f = (n - x) * x / d;
            df = (n - x * (2 + (n - 2) * x)) / (d * d);
        } else {
            f = 1;
        }
        break;
    case 5:
        if (x < 1) {
            const double d = x * x * x + 2;
            f = 3 * x / d;
            df = 6 * (1 - x * x * x) / (d * d);
        } else {
            f = 1;
        }
        break;
    case 6:
        if (x < 1) {
            const double r = std::sqrt(1 - x * x);
            f = 1 - r;
            df = r > 0 ? x / r : 0;
        } else {
            f = 1;
        }
        break;
    default:  // 3 and any code above 6
        if (seg->kind < 0) {
            if (stress) *stress = 0;
            if (tangent) *tangent = 0;
            return;
        }
        if (x < 1) {
            f = 1 - std::pow(1 - x, n);
            df = n * std::pow(1 - x, n - 1);
        } else {
            f = 1;
        }
        break;
    }
    if (stress) *stress = seg->c + seg->A * f;
    if (tangent) *tangent = seg->A * seg->s * df;
}

const Spannungsdehnungslinie_Segment* Finde_Segment(const Spannungsdehnungslinie* c, double e) {
    for (int i = 0; i < c->segment_count && i < SDL_SEGMENTE; ++i)
        if (c->seg[i].end >= e) return &c->seg[i];
    return nullptr;
}

namespace {
struct Segment_Builder {
    Spannungsdehnungslinie* c;
    int n = 0;
    bool refused = false;
    void add(double start, double end, double cc, double A, double s, double expo, int kind) {
        // The rise (n - x) x / ((n - 2) x + 1) has a pole at x = 1/(2 - n)
        // inside its range for an exponent below 1: no stress law at all.
        if (kind == 4 && !(expo >= 1)) refused = true;
        if (refused || n >= SDL_SEGMENTE) return;
        Spannungsdehnungslinie_Segment& g = c->seg[n++];
        if (kind == 0 && cc == 0) {  // zero constant: empty, same stress
            g = {start, end, 0, 0, 0, 0, 1.0, 0, -1};
            return;
        }
        g = {start, end, 0, 0, cc, A, s, expo, kind};
        double t0 = 0, t1 = 0;
        Segment_Spannung(&g, start, nullptr, &t0);
        if (end < SDL_OFFEN) Segment_Spannung(&g, end, nullptr, &t1);
        g.hilf1 = -t0;
        g.hilf2 = -t1;
    }
};
}  // namespace

int Prepare_Spannungsdehnungslinie(Spannungsdehnungslinie* curve,
                                   const Querschnitt_Kurvenoptionen* options) {
    if (!curve) return 0;
    double lower, upper;
    const int cls = Kurven_Klasse(curve, &lower, &upper);
    const Spannungsdehnungslinie_Parameter& p = curve->p;
    const unsigned o = options ? options->optionen : 0;
    const double value = options ? options->wert : 0;

    if (o & 0x1000) {
        curve->vordehnung[0] = curve->vordehnung[1] = curve->vordehnung[2] = 0;
    } else {
        curve->vordehnung[0] = p.vrichtung;
        curve->vordehnung[1] = p.epsV;
        curve->vordehnung[2] = p.vkruemmung;
    }
    curve->vordehnung[3] = 0;

    double R = 0;
    if ((o & 0x1) && value > 0 && !((cls == 1 && (o & 0x2)) || (cls == 2 && (o & 0x4)))) {
        const double den = std::fabs(p.epsD) + std::fabs(p.epsZ);
        if (den > 0) R = (std::fabs(p.betaD) + std::fabs(p.betaZ)) / den * value;
    }

    const int fkt = (static_cast<unsigned>(curve->typ) >> 24) & 0xff;
    // Shapes 5 and 6 and exponents from 10000 on take the rising branch's
    // exponent from the hardening slope (at least 2.01) as a power law, with
    // flat plateaus.
    const bool from_slope = p.exponent >= 10000 || fkt == 5 || fkt == 6;
    double expo = p.exponent, h = p.steigung;
    int rise = p.exponent == 2 ? 2 : p.exponent == 1 ? 1 : 3;
    if (fkt == 1 || fkt == 3) rise = 4;
    if (fkt == 2 || fkt == 4) rise = 5;
    if (from_slope) {
        rise = 3;
        expo = p.steigung > 2.01 ? p.steigung : 2.01;
        h = 0;
    }

    Clear_Segmente(curve);
    Segment_Builder b{curve};
    const double c0 = fkt == 4 ? 0.0 : (lower - p.epsD) * h - p.betaD;
    if (R > 0)
        b.add(lower, lower, c0, R, 1, 0, 1);
    else
        b.add(lower, lower, c0, 0, 1, 0, 0);
    if (p.epsD > lower) {
        if (fkt == 4)
            b.add(p.epsD, p.epsD, -p.betaD, p.betaD / (lower - p.epsD), 1, 0, 1);
        else
            b.add(p.epsD, p.epsD, -p.betaD, h, 1, 0, h != 0 ? 1 : 0);
    }
    if (p.epsD < 0 && expo != 0) b.add(0, 0, 0, -p.betaD, 1 / p.epsD, expo, rise);
    if (p.epsZ > 0) {
        if (cls == 2)
            b.add(0, p.epsZ, 0, p.betaZ, 1 / p.epsZ, expo, rise);
        else
            b.add(0, p.epsZ, 0, p.betaZ, 1 / p.epsZ, 0, 1);
    }
    if (upper > p.epsZ) {
        const double base = cls == 2 ? p.betaZ : 0.0;
        b.add(p.epsZ, upper, base, h, 1, 0, h != 0 ? 1 : 0);
    }
    if (upper < SDL_OFFEN) {
        const double v = (upper - p.epsZ) * h + p.betaZ;
        if (R > 0)
            b.add(upper, SDL_OFFEN, v, R, 1, 0, 1);
        else
            b.add(upper, SDL_OFFEN, v, 0, 1, 0, 0);
    }
    if (b.refused) {
        Clear_Segmente(curve);
        curve->segment_count = 0;
        return 0;
    }
    curve->segment_count = b.n;
    return 1;
}

int Calc_Punkt_Spannung(void* context, const Querschnittsgruppe* group, const double* plane,
                        double y, double z, double* strain_out, double* stress_out) {
    (void)context;
    if (!plane) return 0;
    double e = plane[1] + plane[2] * (y * std::cos(plane[0]) + z * std::sin(plane[0]));
    const Spannungsdehnungslinie* c = group ? group->kurve : nullptr;
    if (c && (c->vordehnung[1] != 0 || c->vordehnung[2] != 0)) {
        const double d = c->vordehnung[0];
        e += (c->vordehnung[1] + c->vordehnung[2] * (y * std::cos(d) + z * std::sin(d))) *
             Vordehnung_Faktor;
    }
    if (group) e -= plane[3] * Get_Gruppe_Feldwert(&group->feld, y, z);
    if (strain_out) *strain_out = e;
    if (stress_out) {
        double s = 0;
        const Spannungsdehnungslinie_Segment* seg = c ? Finde_Segment(c, e) : nullptr;
        if (seg) Segment_Spannung(seg, e, &s, nullptr);
        *stress_out = s;
    }
    return 1;
}

void Print_Spannungsdehnungslinie(FILE* stream, const Spannungsdehnungslinie* curve) {
    if (!stream || !curve) return;
    Print_Element_Header(stream, curve);
    const Spannungsdehnungslinie_Parameter& p = curve->p;
    std::fprintf(stream, "     typ = %d, fkt = %d (%s)\n", curve->typ & SDL_ART_MASKE,
                 (static_cast<unsigned>(curve->typ) >> 24) & 0xff,
                 (curve->typ & SDL_EXTERN) ? "extern" : "intern");
    std::fprintf(stream, "     name = %s\n", curve->name ? curve->name : "???");
    std::fprintf(stream, "     betaD = %.6g (Druckfestigkeit in kN/m2)\n", p.betaD);
    std::fprintf(stream, "     betaZ = %.6g (Zugfestigkeit in kN/m2)\n", p.betaZ);
    std::fprintf(stream, "     epsD = %.6g (Dehnung bei Erreichen der Druckfestigkeit in mm/m)\n", p.epsD);
    std::fprintf(stream, "     epsZ = %.6g (Dehnung bei Erreichen der Zugfestigkeit in mm/m)\n", p.epsZ);
    std::fprintf(stream, "     epsu = %.6g (Grenzdehnung in mm/m)\n", p.epsu);
    std::fprintf(stream, "     epsV = %.6g (Vordehnung in mm/m)\n", p.epsV);
    std::fprintf(stream, "     exponent = %.6g (Exponent bis zum Erreichen der Rechenfestigkeit)\n",
                 p.exponent);
    std::fprintf(stream, "     steigung = %.6g (Steigung ftd/fyk)\n", p.steigung);
}
