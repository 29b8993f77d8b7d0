// Section values of the weld program's steel profile: checks and completes
// the dimensions by profile type, raises too small fillet throats, and fills
// clear web height, outstands, shear areas, area, perimeter, centroid and
// second moments in closed form. Torsion constant, shear centre, principal
// angle and plastic moduli come from the thin-walled line model, whose
// builder a higher layer installs here.
//
// Rolled fillets and rounded toes and corners are counted as spandrels of
// area (1 - pi/4) r^2 whose centroid lies 0.22337 r from both faces of their
// corner; their own second moment is neglected. Welds are never part of the
// section; they only shorten the clear widths.
#include <cmath>
#include <cstring>

#include "base/cp850.h"
#include "base/ctools.h"
#include "base/invariant.h"
#include "base/stored_text.h"
#include "base/textio.h"
#include "dialogs/messages.h"
#include "printlist/oli_para.h"
#include "printlist/verdict.h"
#include "profiles/parametric_section_values.h"
#include "profiles/profil.h"
#include "profiles/profile_catalogue.h"
#include "profiles/profile_invariants.h"
#include "profiles/profile_register.h"
#include "profiles/stahlprofil.h"

namespace {

const double kEps = 0.001;
const double kSqrt2 = 1.4142135623730951;
const double k1 = 0.21460183660255172;
const double k2 = 0.42920367320510344;
const double k4 = 0.8584073464102069;
const double k8 = 1.7168146928204138;
const double kEs = 0.22337;
const double kTwoOverPi = 0.6366197723675814;
const double kPiOver4 = 0.7853981633974483;
const double kMinThroat = 3.0;
// The top width of a trapezoid converges in a few widenings; more means the
// dimensions admit no section.
const int kMaxWidenings = 100;
const double kLargestMeasure = 1e5;  // mm

Profile_Section_Model_Builder model_builder = nullptr;
int section_calc_mode = 0;

bool In_I(int type) { return Is_Profile_Type_In(PROFILTYP_MASK_I, type); }
bool Tee(int type) { return type == PROFILTYP_T || type == PROFILTYP_HALB_I; }
bool Channel(int type) { return type == PROFILTYP_C || type == PROFILTYP_U; }

// One part of the closed forms: area at a position (y from the left outer
// edge, z from the top edge) with its own second moments.
struct Part {
    double a, y, z, iy, iz;
};

struct Parts {
    Part p[16];
    int n = 0;
    void Plate(double b, double t, double y, double z) {  // b wide, t deep
        if (n < 16) p[n++] = {b * t, y, z, b * t * t * t / 12, t * b * b * b / 12};
    }
    void Spandrel(double a, double y, double z) {
        if (n < 16) p[n++] = {a, y, z, 0, 0};
    }
    double Sum_A() const {
        double s = 0;
        for (int i = 0; i < n; i++) s += p[i].a;
        return s;
    }
};

// Area and centroid depth of a trapezoid of the top and bottom widths and
// the height, by the rules of the section: none when a measure is missing
// or the bottom is narrower than the top.
double Trapezoid_Area(double top, double bottom, double height, double* z_c) {
    *z_c = height / 2;
    if (top < kEps || height < kEps || bottom < top - kEps) return 0;
    if (bottom <= top + kEps) return height * top;
    *z_c = height * (top + 2 * bottom) / (3 * (top + bottom));
    return height * (top + bottom) / 2;
}

// Own second moment about the horizontal axis through its centroid.
double Trapezoid_Iy(double top, double bottom, double height) {
    if (top < kEps || height < kEps || bottom < top - kEps) return 0;
    if (bottom <= top + kEps) return top * height * height * height / 12;
    return height * height * height * (top * top + 4 * top * bottom + bottom * bottom) / (36 * (top + bottom));
}

double Trapezoid_Iz(double top, double bottom, double height) {
    if (top < kEps || height < kEps || bottom < top - kEps) return 0;
    if (bottom <= top + kEps) return height * top * top * top / 12;
    return height * (top + bottom) * (top * top + bottom * bottom) / 48;
}

// The inner trapezoid of a type-17 section: top and bottom widths, height.
void Trapezoid_Inner(const Stahlprofil* p, double* top, double* bottom, double* height) {
    double alpha = Calc_Profile_Flange_Slope(p);
    *top = p->b_fo + 2 * (p->t_fo * std::tan(alpha) - p->t_w / std::cos(alpha));
    *bottom = p->b_fu - 2 * p->t_w / std::cos(alpha);
    *height = p->h - p->t_fo;
}

// The part list of the types whose centroid and second moments are summed
// from parts; false for the others. Widths are measured from the left outer
// edge (the outer face of an angle's or a channel's web, the left tip of a
// Z, the edge of the widest flange of a symmetric section).
bool Build_Parts(const Stahlprofil* p, Parts* s) {
    double o_o = 0, o_u = 0, r = 0;
    Calc_Profile_Weld_Offsets(p, &o_o, &o_u, &r);
    const double h = p->h, t_w = p->t_w, b_o = p->b_fo, t_o = p->t_fo, b_u = p->b_fu, t_u = p->t_fu;
    const double r_1 = p->r_1;
    const bool rolled = p->rolled != 0;
    if (In_I(p->type)) {
        double m = std::fmax(b_o, b_u) / 2, h_1 = h - t_o - t_u;
        s->Plate(b_o, t_o, m, t_o / 2);
        s->Plate(t_w, h_1, m, t_o + h_1 / 2);
        s->Plate(b_u, t_u, m, h - t_u / 2);
        if (rolled) {
            double dy_o = t_w / 2 + kEs * o_o, dy_u = t_w / 2 + kEs * o_u;
            s->Spandrel(k1 * o_o * o_o, m - dy_o, t_o + kEs * o_o);
            s->Spandrel(k1 * o_o * o_o, m + dy_o, t_o + kEs * o_o);
            s->Spandrel(k1 * o_u * o_u, m - dy_u, h - t_u - kEs * o_u);
            s->Spandrel(k1 * o_u * o_u, m + dy_u, h - t_u - kEs * o_u);
        }
        return true;
    }
    switch (p->type) {
    case PROFILTYP_L:
        s->Plate(t_w, h - t_o, t_w / 2, (h - t_o) / 2);
        s->Plate(b_o, t_o, b_o / 2, h - t_o / 2);
        if (rolled) {
            s->Spandrel(k1 * r_1 * r_1, t_w + kEs * r_1, h - t_o - kEs * r_1);
            s->Spandrel(-k1 * r * r, t_w - kEs * r, kEs * r);
            s->Spandrel(-k1 * r * r, b_o - kEs * r, h - t_o + kEs * r);
        }
        return true;
    case PROFILTYP_C: case PROFILTYP_U:
        s->Plate(b_o, t_o, b_o / 2, t_o / 2);
        s->Plate(t_w, h - 2 * t_o, t_w / 2, h / 2);
        s->Plate(b_o, t_o, b_o / 2, h - t_o / 2);
        if (rolled) {
            s->Spandrel(k1 * r_1 * r_1, t_w + kEs * r_1, t_o + kEs * r_1);
            s->Spandrel(k1 * r_1 * r_1, t_w + kEs * r_1, h - t_o - kEs * r_1);
            s->Spandrel(-k1 * r * r, b_o - kEs * r, t_o - kEs * r);
            s->Spandrel(-k1 * r * r, b_o - kEs * r, h - t_o + kEs * r);
        }
        return true;
    case PROFILTYP_T: case PROFILTYP_HALB_I:
        s->Plate(b_o, t_o, b_o / 2, t_o / 2);
        s->Plate(t_w, h - t_o, b_o / 2, t_o + (h - t_o) / 2);
        if (rolled) {
            for (int side = -1; side <= 1; side += 2) {
                s->Spandrel(k1 * r_1 * r_1, b_o / 2 + side * (t_w / 2 + kEs * r_1), t_o + kEs * r_1);
                s->Spandrel(-k1 * r * r, b_o / 2 + side * (b_o / 2 - kEs * r), t_o - kEs * r);
            }
        }
        return true;
    case PROFILTYP_Z: {
        double b_f = (b_o + t_w) / 2;
        s->Plate(b_f, t_o, b_f / 2, t_o / 2);
        s->Plate(t_w, h - 2 * t_o, b_o / 2, h / 2);
        s->Plate(b_f, t_o, b_o - b_f / 2, h - t_o / 2);
        if (rolled) {
            s->Spandrel(k1 * r_1 * r_1, b_o / 2 - t_w / 2 - kEs * r_1, t_o + kEs * r_1);
            s->Spandrel(k1 * r_1 * r_1, b_o / 2 + t_w / 2 + kEs * r_1, h - t_o - kEs * r_1);
            s->Spandrel(-k1 * r * r, kEs * r, t_o - kEs * r);
            s->Spandrel(-k1 * r * r, b_o - kEs * r, h - t_o + kEs * r);
        }
        return true;
    }
    case 16: {
        double w_o = 2 * p->b_ueo + b_o, w_u = 2 * p->b_ueu + b_u, m = std::fmax(w_o, w_u) / 2;
        double h_1 = h - t_o - t_u, e = (b_o + b_u) / 4 - t_w / 2;  // web axis at the mean width
        s->Plate(w_o, t_o, m, t_o / 2);
        s->Plate(t_w, h_1, m - e, t_o + h_1 / 2);
        s->Plate(t_w, h_1, m + e, t_o + h_1 / 2);
        s->Plate(w_u, t_u, m, h - t_u / 2);
        return true;
    }
    default:
        return false;
    }
}

// Whether the record still has the dimensions of its catalogue values x
// (cm): a record whose measures differ from its name's is not that profile.
bool Has_Catalogue_Dimensions(const Stahlprofil* p, const float* x) {
    auto same = [](double mm, float cm) { return std::fabs(mm - 10.0 * cm) <= 0.01; };
    if (!same(p->h, x[0]) || !same(p->t_w, x[2])) return false;
    // A circular tube keeps only its diameter and wall.
    return p->type == PROFILTYP_ROHR || (same(p->b_fo, x[1]) && same(p->t_fo, x[3]));
}

bool Rolled_Catalogue_Profile(const Stahlprofil* p) { return p->kind == STAHLPROFIL_KIND_CATALOGUE && p->rolled; }

// The published values of a catalogue profile in place of the closed forms
// and the line model, which know neither sloped flanges nor the tables' own
// fillet, torsion and warping terms. Only a value the catalogue gives (above
// 0) is taken, and only when the record still has the catalogue's
// dimensions.
void Keep_Catalogue_Values(Stahlprofil* p) {
    if (!Rolled_Catalogue_Profile(p)) return;
    char trimmed[STAHLPROFIL_NAME_SIZE];
    Copy_Trimmed(p->name, trimmed, sizeof trimmed, 3);
    const Katalogprofil* k = Get_Profile_Record(trimmed);
    if (!k || !Has_Catalogue_Dimensions(p, k->values)) return;
    const float* x = k->values;
    auto take = [](double* field, double value) {
        if (value > 0 && std::isfinite(value)) *field = value;
    };
    take(&p->A, 100.0 * x[4]);
    if (x[6] > 0) p->z_s = 10.0 * (x[0] - x[6]);
    if (x[7] > 0) p->y_s = -10.0 * x[7];
    take(&p->I_y, 10000.0 * x[9]);
    take(&p->I_z, 10000.0 * x[10]);
    take(&p->I_T, 10000.0 * x[23]);
    take(&p->I_w, 1e6 * x[24]);
    take(&p->W_pl_y, 1000.0 * x[16]);
    take(&p->W_pl_z, 1000.0 * x[21]);
    if (p->type == PROFILTYP_L && x[8] > 0 && x[13] > 0 && x[18] > 0) {
        p->alpha = std::atan(x[8]) * 57.29577951308232;
        p->I_yz = std::sin(p->alpha * -0.03490658503988659) * (x[13] - x[18]) * 5000.0;
    }
}

void Write_Error(FILE* list, int show_message, const char* prefix, const char* text) {
    if (list) OLI_printf(list, "%s%s%s %s\n", Check_Line_Prefix, prefix, text, Mark_Alert());
    // A box in an interactive run, a line on stderr in batch mode.
    if (show_message) Message_in_Mode(MESSAGE_MODE_BOX, "%s%s", prefix, text);
}

void Clear_Section_Values(Stahlprofil* p) {
    p->h_w = p->c_o = p->c_u = 0;
    p->A_vy = p->A_vz = p->A = p->U = 0;
    p->y_s = p->z_s = p->y_M = p->z_M = 0;
    p->I_y = p->I_z = p->I_yz = p->I_T = p->I_w = p->alpha = 0;
    p->W_pl_y = p->W_pl_z = 0;
}

// Step 3: checks and completes the dimensions; false for a description
// error (the completions made before the failing test stay).
bool Check_Dimensions(Stahlprofil* p) {
    const double e = kEps;
    // No steel profile measures 100 m; beyond that the second moments would
    // leave the range of the numbers and reach the report as "inf".
    const double measures[] = {p->h, p->t_w, p->b_fo, p->t_fo, p->b_fu, p->t_fu, p->b_ueo,
                               p->b_ueu, p->r_1, p->r_2, p->a_o, p->a_u};
    for (double v : measures)
        if (!(std::fabs(v) <= kLargestMeasure)) return false;
    if (In_I(p->type)) {
        if (p->b_fo < p->t_w) p->b_fo = p->t_w;
        if (p->b_fu < p->t_w) p->b_fu = p->t_w;
        if (p->t_fo < e) p->t_fo = p->t_fu;
        else if (p->t_fu < e) p->t_fu = p->t_fo;
        p->r_2 = 0;
        return p->t_fo >= e && p->t_fu >= e && p->b_fo >= e && p->b_fu >= e && p->t_w >= e &&
               p->t_fo + p->t_fu <= p->h;
    }
    switch (p->type) {
    case PROFILTYP_T: case PROFILTYP_HALB_I:
        if (p->b_fo < p->t_w) p->b_fo = p->t_w;
        if (p->r_2 < e) p->r_2 = 0;
        p->weld_kind_bottom = 0;
        p->b_fu = p->t_fu = 0;
        return p->t_fo >= e && p->b_fo >= e && p->t_w >= e && p->t_fo <= p->h;
    case PROFILTYP_L:
        p->weld_kind_top = p->weld_kind_bottom = 0;
        p->b_fu = p->t_fu = 0;
        return p->t_fo >= e && p->t_w <= p->b_fo && p->t_w >= e && p->t_fo <= p->h;
    case PROFILTYP_C: case PROFILTYP_U: case PROFILTYP_Z:
        p->weld_kind_top = p->weld_kind_bottom = 0;
        p->b_fu = p->t_fu = 0;
        return p->t_fo >= e && p->t_w <= p->b_fo && p->t_w >= e && 2 * p->t_fo <= p->h;
    case PROFILTYP_ROHR:
        p->rolled = 1;
        p->a_o = p->a_u = p->r_2 = 0;
        p->weld_kind_top = p->weld_kind_bottom = 0;
        p->b_fo = p->t_fo = p->b_fu = p->t_fu = 0;
        return p->t_w >= e && 2 * p->t_w <= p->h;
    case PROFILTYP_RECHTECK:
        p->b_fu = p->b_fo;
        p->t_fu = p->t_fo;
        p->weld_kind_top = p->weld_kind_bottom = 0;
        p->a_u = p->a_o;
        return p->t_w >= e && p->b_fo >= e && p->t_fo >= e && p->h >= e;
    case PROFILTYP_FLACH:
        p->rolled = 1;
        p->a_o = p->a_u = p->r_1 = p->r_2 = 0;
        p->weld_kind_top = p->weld_kind_bottom = 0;
        p->b_fo = p->t_fo = p->b_fu = p->t_fu = 0;
        return p->t_w >= e && p->h >= e;
    case PROFILTYP_RUND:
        p->rolled = 1;
        p->weld_kind_top = p->weld_kind_bottom = 0;
        p->a_o = p->a_u = p->r_1 = p->r_2 = 0;
        p->t_w = p->b_fo = p->t_fo = p->b_fu = p->t_fu = 0;
        return p->h >= e;
    case PROFILTYP_KASTEN:
        if (p->b_fo < 2 * p->t_w) p->b_fo = 2 * p->t_w;
        if (p->b_fu < 2 * p->t_w) p->b_fu = 2 * p->t_w;
        if (p->t_fo < e) p->t_fo = p->t_fu;
        if (p->t_fu < e) p->t_fu = p->t_fo;
        if (!(p->b_ueo <= p->b_fo / 2 && p->b_ueu <= p->b_fu / 2 && p->h >= 3 * std::fabs(p->b_fo - p->b_fu) &&
              p->t_fo >= e && p->b_fo >= e && p->t_fu >= e && p->b_fu >= e && p->t_w >= e &&
              p->t_fo + p->t_fu <= p->h))
            return false;
        p->rolled = 0;
        p->weld_kind_top = p->weld_kind_bottom = 0;
        p->a_o = p->a_u = p->r_1 = p->r_2 = 0;
        return true;
    case PROFILTYP_TRAPEZ: {
        if (p->b_fu - p->b_fo > p->h) p->b_fu = p->h + p->b_fo;
        // Validate before widening: without a height, a flange or walls the
        // widening has nothing to converge to.
        if (!(p->b_fo >= e && p->t_fo >= e && p->b_fu >= e && p->t_w >= e && p->t_fo <= p->h && p->h >= e))
            return false;
        int rounds = 0;
        for (;;) {
            double alpha = Calc_Profile_Flange_Slope(p);
            double w = 2 * (p->t_w / std::cos(alpha) - p->t_fo * std::tan(alpha));
            if (p->b_fo >= w - e) break;
            if (++rounds > kMaxWidenings) return false;
            if (w > p->b_fu) p->b_fu = w;
            else p->b_fo = w;
        }
        p->rolled = 0;
        p->weld_kind_top = p->weld_kind_bottom = 0;
        p->a_o = p->a_u = p->r_1 = p->r_2 = 0;
        return true;
    }
    default:
        return false;
    }
}

// Step 4: the smallest effective throat of a fillet weld.
void Raise_Throats(Stahlprofil* p, FILE* list, const char* prefix) {
    if (p->rolled) return;
    if (p->weld_kind_top == 0) {
        if (p->a_o > 0.01 && p->a_o < kMinThroat) {
            p->a_o = kMinThroat;
            if (list)
                OLI_printf(list, "%s%swirksame Nahtdicke a╬\\o╬r < %.1lf mm, wird auf a╬\\o╬r = %.1lf mm gesetzt.\n"_cp,
                           Check_Line_Prefix, prefix, kMinThroat, kMinThroat);
        }
    } else {
        p->a_o = p->t_w / 2;
    }
    if (p->weld_kind_bottom == 0) {
        if (p->a_u > 0.01 && p->a_u < kMinThroat) {
            p->a_u = kMinThroat;
            if (list)
                OLI_printf(list, "%s%swirksame Nahtdicke a╬\\u╬r < %.1lf mm, wird auf a╬\\u╬r = %.1lf mm gesetzt\n"_cp,
                           Check_Line_Prefix, prefix, kMinThroat, kMinThroat);
        }
    } else {
        p->a_u = static_cast<float>(p->t_w / 2);
    }
}

double Clear_Web_Height(const Stahlprofil* p, double o_o, double o_u, double r) {
    if (In_I(p->type) || p->type == PROFILTYP_KASTEN) return p->h - (p->t_fo + p->t_fu + o_o + o_u);
    switch (p->type) {
    case PROFILTYP_FLACH: return p->h;
    case PROFILTYP_L: case PROFILTYP_T: case PROFILTYP_HALB_I: return p->h - p->t_fo - o_o;
    case PROFILTYP_C: case PROFILTYP_U: case PROFILTYP_Z: return p->h - 2 * p->t_fo - 2 * o_o;
    case PROFILTYP_RECHTECK: return p->h - 2 * p->t_fo - 2 * r;
    case PROFILTYP_ROHR: return p->h - 2 * p->t_w;
    case PROFILTYP_TRAPEZ: {
        double d = p->b_fu - p->b_fo;
        double c = std::fabs(d) <= kEps ? 1.0 : std::cos(std::atan2(d / 2, p->h));
        return (p->h - p->t_fo) / c;
    }
    default: return 0;
    }
}

double Area(const Stahlprofil* p, double o_o, double o_u, double r) {
    const double h = p->h, t_w = p->t_w, b_o = p->b_fo, t_o = p->t_fo, b_u = p->b_fu, t_u = p->t_fu;
    const double r_1 = p->r_1;
    const bool rolled = p->rolled != 0;
    if (In_I(p->type)) return t_w * (h - t_o - t_u) + t_u * b_u + t_o * b_o + (rolled ? k2 * (o_o * o_o + o_u * o_u) : 0);
    switch (p->type) {
    case PROFILTYP_FLACH: return h * t_w;
    case PROFILTYP_RUND: return kPiOver4 * h * h;
    case PROFILTYP_L: return t_o * b_o + t_w * (h - t_o) + (rolled ? k1 * (r_1 * r_1 - 2 * r * r) : 0);
    case PROFILTYP_C: case PROFILTYP_U:
        return 2 * t_o * b_o + t_w * (h - 2 * t_o) + (rolled ? k2 * (r_1 * r_1 - r * r) : 0);
    case PROFILTYP_RECHTECK: return 2 * (t_o * b_o + t_w * (h - 2 * t_o)) + (rolled ? k4 * (r * r - o_o * o_o) : 0);
    case PROFILTYP_ROHR: return M_PI * t_w * (h - t_w);
    case PROFILTYP_T: case PROFILTYP_HALB_I:
        return t_o * b_o + t_w * (h - t_o) + (rolled ? k2 * (r_1 * r_1 - r * r) : 0);
    case PROFILTYP_Z: return t_w * (h - 2 * t_o) + (t_w + b_o) * t_o + (rolled ? k2 * (r_1 * r_1 - r * r) : 0);
    case PROFILTYP_KASTEN: return (2 * p->b_ueu + b_u) * t_u + 2 * t_w * (h - t_o - t_u) + (2 * p->b_ueo + b_o) * t_o;
    case PROFILTYP_TRAPEZ: {
        double top, bottom, height, z;
        Trapezoid_Inner(p, &top, &bottom, &height);
        return Trapezoid_Area(b_o, b_u, h, &z) - Trapezoid_Area(top, bottom, height, &z);
    }
    default: return p->A;
    }
}

double Perimeter(const Stahlprofil* p, double o_o, double o_u, double r) {
    const double h = p->h, t_w = p->t_w, b_o = p->b_fo, t_o = p->t_fo, b_u = p->b_fu;
    const bool rolled = p->rolled != 0;
    if (In_I(p->type)) return 2 * (t_o + b_o + (h - t_o - t_w) + b_u) - (rolled ? k8 * r + k4 * (o_o + o_u) : 0);
    switch (p->type) {
    case PROFILTYP_FLACH: return 2 * (h + t_w);
    case PROFILTYP_RUND: case PROFILTYP_ROHR: return M_PI * h;
    case PROFILTYP_L: return (2 * h - t_o) + (2 * b_o - t_w) - (rolled ? k2 * o_o + k4 * r : 0);
    case PROFILTYP_C: case PROFILTYP_U: return 2 * (h - t_o) + 4 * b_o - 2 * t_w - (rolled ? k4 * o_o + k4 * r : 0);
    case PROFILTYP_RECHTECK: return 2 * (h + b_o) - (rolled ? k8 * o_o : 0);
    // Top face, tips, underside and both stem faces with the stem's end.
    case PROFILTYP_T: case PROFILTYP_HALB_I: return 2 * (b_o - t_w + h + t_o) - (rolled ? k4 * o_o + k4 * r : 0);
    case PROFILTYP_Z: return 2 * (h + b_o) - (rolled ? k4 * o_o + k4 * r : 0);
    case PROFILTYP_KASTEN: return 2 * (p->b_ueo + h) + 2 * p->b_ueu + b_o + b_u;
    case PROFILTYP_TRAPEZ: {
        double d = b_u - b_o;
        double c = std::fabs(d) <= kEps ? 1.0 : std::cos(std::atan2(d / 2, h));
        return b_u + b_o + 2 * h / c;
    }
    default: return 0;
    }
}

// The lengths a typed-in section's faces must keep, by type: thicknesses,
// the clear web between the flanges and their fillets or welds, the
// outstands beside the web, the inner faces of a tube. The offsets are
// those of the rolled fillets (r_1, and r_2 at toes and inner corners) or
// of the flange welds (a sqrt 2), never dropped where the flange is too
// narrow for them. 0 faces for a type without such a list.
int Profile_Faces(const Stahlprofil* p, double* face) {
    const bool rolled = p->rolled != 0;
    const double o_o = rolled ? p->r_1 : (p->weld_kind_top == 0 ? p->a_o * kSqrt2 : 0.0);
    const double o_u = rolled ? p->r_1 : (p->weld_kind_bottom == 0 ? p->a_u * kSqrt2 : 0.0);
    const double r = rolled ? p->r_2 : 0.0;
    const double h = p->h, t_w = p->t_w, b_o = p->b_fo, t_o = p->t_fo, b_u = p->b_fu, t_u = p->t_fu;
    int n = 0;
    auto add = [&](std::initializer_list<double> values) {
        for (double v : values) face[n++] = v;
    };
    if (In_I(p->type)) {
        add({t_w, t_o, t_u, h - t_o - t_u - o_o - o_u, (b_o - t_w) / 2 - o_o, (b_u - t_w) / 2 - o_u});
        return n;
    }
    switch (p->type) {
    // The flange's underside beside the stem takes the root fillet and the
    // rounded tip together, as a channel's or a zed's does.
    case PROFILTYP_T: case PROFILTYP_HALB_I: add({t_w, t_o - r, h - t_o - o_o, (b_o - t_w) / 2 - o_o - r}); break;
    case PROFILTYP_L:
        if (!rolled) add({t_w, t_o, h - t_o, b_o - t_w});
        else add({t_w - r, t_o - r, h - t_o - o_o - r, b_o - t_w - o_o - r});
        break;
    case PROFILTYP_C: case PROFILTYP_U:
        if (!rolled) add({t_w, t_o, h - 2 * t_o, b_o - t_w});
        else add({t_w, t_o - r, h - 2 * t_o - 2 * o_o, b_o - t_w - o_o - r});
        break;
    case PROFILTYP_Z:
        if (!rolled) add({t_w, t_o, h - 2 * t_o, (b_o - t_w) / 2});
        else add({t_w, t_o - r, h - 2 * t_o - 2 * o_o, (b_o - t_w) / 2 - o_o - r});
        break;
    case PROFILTYP_RECHTECK: {
        const double o = rolled ? p->r_1 : 0.0;
        add({t_w, t_o, h - 2 * o, b_o - 2 * o, h - 2 * t_o - 2 * r, b_o - 2 * t_w - 2 * r});
        break;
    }
    case PROFILTYP_ROHR: add({t_w, h - 2 * t_w}); break;
    case PROFILTYP_FLACH: add({h, t_w}); break;
    case PROFILTYP_RUND: add({h}); break;
    default: break;
    }
    return n;
}

}  // namespace

int Profile_Dimensions_Fit(const Stahlprofil* p) {
    if (!p) return 0;
    Stahlprofil c = *p;
    if (!Check_Dimensions(&c)) return 0;
    double face[8];
    const int n = Profile_Faces(p, face);
    for (int i = 0; i < n; i++)
        if (!(face[i] >= kEps)) return 0;
    return 1;
}

double Profile_Largest_Fitting(const Stahlprofil* p, double Stahlprofil::*member) {
    if (!p) return -1;
    Stahlprofil c = *p;
    c.*member = 0;
    if (!Profile_Dimensions_Fit(&c)) return -1;
    // The faces shrink linearly as the radius or throat grows: the values
    // that fit form one interval from 0, bounded by the largest measure.
    double fits = 0, fails = kLargestMeasure;
    c.*member = fails;
    if (Profile_Dimensions_Fit(&c)) return fails;
    while (fails - fits > 1e-9) {
        c.*member = 0.5 * (fits + fails);
        (Profile_Dimensions_Fit(&c) ? fits : fails) = c.*member;
    }
    return fits;
}

Profile_Section_Model_Builder Set_Profile_Section_Model_Builder(Profile_Section_Model_Builder builder) {
    Profile_Section_Model_Builder previous = model_builder;
    model_builder = builder;
    return previous;
}

void Set_Section_Calc_Mode(int mode) { section_calc_mode = mode; }
int Get_Section_Calc_Mode(void) { return section_calc_mode; }

void Calc_Profile_Weld_Offsets(const Stahlprofil* p, double* top, double* bottom, double* root) {
    double o_o = 0, o_u = 0, r = 0;
    if (p && p->kind != STAHLPROFIL_KIND_FOREIGN) {
        if (p->rolled) {
            o_o = o_u = p->r_1;
            r = p->r_2;
        } else {
            o_o = p->weld_kind_top == 0 ? p->a_o * kSqrt2 : 0;
            o_u = p->weld_kind_bottom == 0 ? p->a_u * kSqrt2 : 0;
        }
        switch (p->type) {
        case PROFILTYP_FLACH: case PROFILTYP_RUND: case PROFILTYP_ROHR:
            o_o = o_u = r = 0;
            break;
        case PROFILTYP_L: case PROFILTYP_C: case PROFILTYP_U:
            if (p->rolled) o_u = 0;
            else o_o = o_u = r = 0;
            break;
        case PROFILTYP_RECHTECK:
            if (!p->rolled) o_o = o_u = r = 0;
            break;
        case PROFILTYP_T: case PROFILTYP_HALB_I:
            o_u = 0;
            break;
        case PROFILTYP_KASTEN: case PROFILTYP_TRAPEZ:
            o_o = o_u = 0;
            break;
        default:
            if (In_I(p->type)) {
                if (p->b_fo < 2 * o_o + p->t_w) o_o = 0;
                if (p->b_fu < 2 * o_u + p->t_w) o_u = 0;
            }
            break;
        }
    }
    if (top) *top = o_o;
    if (bottom) *bottom = o_u;
    if (root) *root = r;
}

double Calc_Profile_Flange_Slope(const Stahlprofil* p) {
    if (!p || (p->type != PROFILTYP_KASTEN && p->type != PROFILTYP_TRAPEZ) || std::fabs(p->b_fu - p->b_fo) <= kEps)
        return 0;
    double height = p->type == PROFILTYP_KASTEN ? p->h - p->t_fo - p->t_fu : p->h;
    return std::atan2((p->b_fu - p->b_fo) / 2, height);
}

double Calc_Box_Web_Centre(double h, double t_w, double b_fo, double t_fo, double b_fu, double t_fu, double z,
                           double* across) {
    const double h_1 = h - t_fo - t_fu, run = h_1 > 0 ? (b_fu - b_fo) / 2 : 0;
    const double w = h_1 > 0 ? t_w * std::hypot(run, h_1) / h_1 : t_w;
    if (across) *across = w;
    return b_fo / 2 - w / 2 + (h_1 > 0 ? run * (z - t_fo) / h_1 : 0);
}

double Calc_Profile_Shear_Area_Vz(const Stahlprofil* p) {
    if (!p) return 0;
    double o_o = 0, o_u = 0, r = 0;
    Calc_Profile_Weld_Offsets(p, &o_o, &o_u, &r);
    const double h = p->h, t_w = p->t_w, b_o = p->b_fo, t_o = p->t_fo, b_u = p->b_fu, t_u = p->t_fu, A = p->A;
    switch (p->type) {
    case PROFILTYP_ROHR: return kTwoOverPi * A;
    case PROFILTYP_FLACH: case PROFILTYP_RUND: return A;
    case PROFILTYP_TRAPEZ: return 2 * t_w * (h - t_o);
    default: break;
    }
    if (p->rolled) {
        if (In_I(p->type))
            return std::fmax(A - b_o * t_o - b_u * t_u + (t_w / 2 + o_o) * t_o + (t_w / 2 + o_u) * t_u,
                             t_w * (h - t_o - t_u));
        if (Channel(p->type)) return A - 2 * b_o * t_o + (t_w + p->r_1) * t_o;
        if (Tee(p->type)) return A - b_o * t_o + (t_w + 2 * p->r_1) * t_o / 2;
        if (p->type == PROFILTYP_L || p->type == PROFILTYP_RECHTECK) return A * h / (h + b_o);
        if (p->type == PROFILTYP_Z) return t_w * (h - 2 * t_o) + k2 * o_o * o_o + (t_w / 2 + o_o) * t_o;
        return 0;
    }
    double h_1 = h - t_o - t_u;
    if (In_I(p->type) || p->type == PROFILTYP_L || p->type == PROFILTYP_Z) return h_1 * t_w;
    if (p->type == PROFILTYP_RECHTECK || p->type == PROFILTYP_KASTEN) return 2 * t_w * h_1;
    if (Tee(p->type)) return (h - t_o / 2) * t_w;
    // A welded channel has one web.
    if (Channel(p->type)) return t_w * h_1;
    return 0;
}

double Calc_Profile_Outstand(const Stahlprofil* p, int upper) {
    if (!p) return 0;
    double o_o = 0, o_u = 0, r = 0;
    Calc_Profile_Weld_Offsets(p, &o_o, &o_u, &r);
    if (In_I(p->type)) return upper ? (p->b_fo - p->t_w) / 2 - o_o : (p->b_fu - p->t_w) / 2 - o_u;
    switch (p->type) {
    case PROFILTYP_L: case PROFILTYP_C: case PROFILTYP_U: return p->b_fo - p->t_w - o_o;
    case PROFILTYP_RECHTECK: return p->b_fo - 2 * p->t_w - 2 * r;
    case PROFILTYP_T: case PROFILTYP_Z: case PROFILTYP_HALB_I: return (p->b_fo - p->t_w) / 2 - o_o;
    case PROFILTYP_KASTEN: return (upper ? p->b_fo : p->b_fu) - 2 * p->t_w;
    case PROFILTYP_TRAPEZ: {
        double alpha = Calc_Profile_Flange_Slope(p);
        return p->b_fo + 2 * (p->t_fo * std::tan(alpha) - p->t_w / std::cos(alpha));
    }
    default: return 0;
    }
}

double Calc_Profile_Iy(const Stahlprofil* p) {
    if (!p) return 0;
    const double h = p->h, t_w = p->t_w, b_o = p->b_fo, t_o = p->t_fo, z_s = p->z_s;
    switch (p->type) {
    case PROFILTYP_FLACH: return h * h * h * t_w / 12;
    case PROFILTYP_RUND: return kPiOver4 * std::pow(h / 2, 4);
    case PROFILTYP_ROHR: return kPiOver4 * (std::pow(h / 2, 4) - std::pow((h - 2 * t_w) / 2, 4));
    case PROFILTYP_RECHTECK: {
        double o_o = 0, r = 0;
        Calc_Profile_Weld_Offsets(p, &o_o, nullptr, &r);
        double v = 2 * b_o * t_o * ((z_s - t_o / 2) * (z_s - t_o / 2) + t_o * t_o / 12) +
                   t_w * std::pow(h - 2 * t_o, 3) / 6;
        if (p->rolled) {
            double d_i = r * (z_s - t_o - kEs * r), d_o = o_o * (z_s - kEs * o_o);
            v += k4 * d_i * d_i - k4 * d_o * d_o;
        }
        return v;
    }
    case 17: {
        double top, bottom, height, z_o, z_i;
        Trapezoid_Inner(p, &top, &bottom, &height);
        double a_o = Trapezoid_Area(b_o, p->b_fu, h, &z_o), a_i = Trapezoid_Area(top, bottom, height, &z_i);
        z_i += t_o;
        return Trapezoid_Iy(b_o, p->b_fu, h) + a_o * (z_o - z_s) * (z_o - z_s) -
               Trapezoid_Iy(top, bottom, height) - a_i * (z_i - z_s) * (z_i - z_s);
    }
    default: break;
    }
    Parts s;
    if (!Build_Parts(p, &s)) return p->I_y;
    double v = 0;
    for (int i = 0; i < s.n; i++) v += s.p[i].iy + s.p[i].a * (s.p[i].z - z_s) * (s.p[i].z - z_s);
    return v;
}

double Calc_Profile_Iz(const Stahlprofil* p) {
    if (!p) return 0;
    const double h = p->h, t_w = p->t_w, b_o = p->b_fo, t_o = p->t_fo;
    switch (p->type) {
    case PROFILTYP_FLACH: return t_w * t_w * t_w * h / 12;
    case PROFILTYP_RUND: case PROFILTYP_ROHR: return Calc_Profile_Iy(p);
    case PROFILTYP_RECHTECK: {
        double o_o = 0, r = 0;
        Calc_Profile_Weld_Offsets(p, &o_o, nullptr, &r);
        double e = (b_o - t_w) / 2;
        double v = 2 * t_o * b_o * b_o * b_o / 12 + 2 * (h - 2 * t_o) * (t_w * t_w * t_w / 12 + t_w * e * e);
        if (p->rolled) {
            double d_i = r * (b_o / 2 - t_w - kEs * r), d_o = o_o * (b_o / 2 - kEs * o_o);
            v += k4 * d_i * d_i - k4 * d_o * d_o;
        }
        return v;
    }
    case 17: {
        double top, bottom, height;
        Trapezoid_Inner(p, &top, &bottom, &height);
        return Trapezoid_Iz(b_o, p->b_fu, h) - Trapezoid_Iz(top, bottom, height);
    }
    default: break;
    }
    Parts s;
    if (!Build_Parts(p, &s)) return p->I_z;
    double a = 0, ay = 0;
    for (int i = 0; i < s.n; i++) {
        a += s.p[i].a;
        ay += s.p[i].a * s.p[i].y;
    }
    double y_c = a > kEps ? ay / a : 0, v = 0;
    for (int i = 0; i < s.n; i++) v += s.p[i].iz + s.p[i].a * (s.p[i].y - y_c) * (s.p[i].y - y_c);
    return v;
}

double Calc_Rect_Torsion_Coeff(double a, double b, double* w_t) {
    if (a < kEps || b < kEps) return 0;
    static const double R[8] = {1.0, 1.25, 1.5, 2.0, 3.0, 4.0, 6.0, 10.0};
    static const double beta_t[8] = {0.14, 0.171, 0.196, 0.229, 0.263, 0.281, 0.299, 0.313};
    static const double alpha_t[8] = {0.208, 0.221, 0.231, 0.246, 0.267, 0.282, 0.299, 0.313};
    double L = std::fmax(a, b), S = std::fmin(a, b), ratio = L / S, alpha = 0.333, beta = 0.333;
    if (ratio >= 10.0 && ratio <= 10.001) {
        alpha = beta = 0.313;
    } else if (ratio < 10.0) {
        for (int i = 0; i < 7; i++) {
            if (ratio <= R[i + 1]) {
                Line_Y_At_X(R[i], beta_t[i], R[i + 1], beta_t[i + 1], ratio, &beta);
                Line_Y_At_X(R[i], alpha_t[i], R[i + 1], alpha_t[i + 1], ratio, &alpha);
                break;
            }
        }
    }
    if (w_t) *w_t = alpha * L * S * S;
    return beta * L * S * S * S;
}

double Calc_Trapezoid_Area(double x, double y_1, double y_2) {
    return y_2 <= y_1 + kEps ? x * y_1 : (y_1 + y_2) * x / 2;
}

// The centroid (z_s from the top, y_s negative from the left) in closed form
// or from the parts for every family, so that it never rests on the section
// model being installed; the parts it built stay in s.
static void Centroid_From_Dimensions(Stahlprofil* p, Parts& s) {
    if (p->type == PROFILTYP_RUND || p->type == PROFILTYP_ROHR || p->type == PROFILTYP_Z) {
        p->z_s = static_cast<float>(p->h / 2);
    } else if (p->type == PROFILTYP_RECHTECK || p->type == PROFILTYP_FLACH) {
        p->z_s = p->h / 2;
    } else if (p->type == PROFILTYP_TRAPEZ) {
        double top, bottom, height, z_o, z_i;
        Trapezoid_Inner(p, &top, &bottom, &height);
        double a_o = Trapezoid_Area(p->b_fo, p->b_fu, p->h, &z_o), a_i = Trapezoid_Area(top, bottom, height, &z_i);
        double a = a_o - a_i, m = a_o * z_o - a_i * (z_i + p->t_fo);
        if (std::fabs(a) > kEps && std::fabs(m) > kEps) p->z_s = m / a;
    } else if (Build_Parts(p, &s)) {
        double a = 0, m = 0;
        for (int i = 0; i < s.n; i++) {
            a += s.p[i].a;
            m += s.p[i].a * s.p[i].z;
        }
        if (std::fabs(a) > kEps && std::fabs(m) > kEps) p->z_s = m / a;
    }
    if (p->type == PROFILTYP_RUND || p->type == PROFILTYP_ROHR) p->y_s = -p->h / 2;
    else if (p->type == PROFILTYP_Z) p->y_s = -p->b_fo / 2;
    else if (p->type == PROFILTYP_KASTEN) p->y_s = -std::fmax(2 * p->b_ueu + p->b_fu, 2 * p->b_ueo + p->b_fo) / 2;
    else if (p->type == PROFILTYP_TRAPEZ) p->y_s = -p->b_fu / 2;
    else if (p->type == PROFILTYP_RECHTECK) p->y_s = -p->b_fo / 2;
    else if (p->type == PROFILTYP_FLACH) p->y_s = -p->t_w / 2;
    else if (s.n > 0) {
        double a = 0, m = 0;
        for (int i = 0; i < s.n; i++) {
            a += s.p[i].a;
            m += s.p[i].a * s.p[i].y;
        }
        if (std::fabs(a) > kEps) p->y_s = -m / a;
    }
}

int Calc_Profile_Cross_Section(Stahlprofil* p, FILE* list, int show_message, const char* prefix) {
    WELD_CHECK_AT_EXIT(Check_Profile_Invariants());
    if (!p || p->kind == STAHLPROFIL_KIND_FOREIGN || p->type == PROFILTYP_NONE) return 0;
    const char* pre = prefix ? prefix : "";
    if (p->kind == STAHLPROFIL_KIND_CATALOGUE) {
        Normalize_HE_Profile_Name(p->name);
        char trimmed[STAHLPROFIL_NAME_SIZE];
        Copy_Trimmed(p->name, trimmed, sizeof trimmed, 3);
        if (std::strlen(trimmed) < 3) {
            // The previous profile's values must not stand for this one.
            Clear_Section_Values(p);
            Write_Error(list, show_message, pre, "Fehler bei der Profilauswahl");
            return 1;
        }
    }
    // A typed radius or flange weld that leaves a face no length describes
    // no section: computed with its offset dropped, it would be printed as
    // typed under values of another section.
    if (!Check_Dimensions(p) || (p->kind == STAHLPROFIL_KIND_DIMENSIONS && !Profile_Dimensions_Fit(p))) {
        // Cleared, so that no later check takes an earlier profile's values
        // for these dimensions.
        Clear_Section_Values(p);
        // The box names the fields the section still lacks (a class chosen
        // anew leaves those the last one had not at 0); the list keeps its line.
        const std::string missing = Profile_Register_Missing_Dimensions(p);
        Write_Error(list, 0, pre, "Fehler bei der Querschnittsbeschreibung");
        if (show_message && missing.empty())
            Message_in_Mode(MESSAGE_MODE_BOX, "%sFehler bei der Querschnittsbeschreibung", pre);
        else if (show_message)
            Message_in_Mode(MESSAGE_MODE_BOX, "%sFehler bei der Querschnittsbeschreibung\nEs fehlen: %s", pre,
                            missing.c_str());
        return 1;
    }
    Raise_Throats(p, list, pre);
    if (!Is_Profile_Type_In(PROFILTYP_MASK_TWO_FLANGES, p->type)) p->a_u = p->a_o;

    if (p->type == PROFILTYP_RECHTECK || p->type == PROFILTYP_ROHR) {
        if (p->kind == STAHLPROFIL_KIND_CATALOGUE) {
            char trimmed[STAHLPROFIL_NAME_SIZE];
            int n = Copy_Trimmed(p->name, trimmed, sizeof trimmed, 3);
            p->hot_finished = n > 0 && trimmed[n - 1] == 'k' ? 0 : 1;
        }
    } else {
        p->hot_finished = 0;
    }

    double o_o = 0, o_u = 0, r = 0;
    Calc_Profile_Weld_Offsets(p, &o_o, &o_u, &r);
    p->h_w = Clear_Web_Height(p, o_o, o_u, r);
    p->c_o = Calc_Profile_Outstand(p, 1);
    p->c_u = Calc_Profile_Outstand(p, 0);

    // The model first; the closed forms below replace what they know.
    p->y_M = p->z_M = p->I_T = p->I_w = p->alpha = p->W_pl_y = p->W_pl_z = 0;
    if (model_builder) model_builder(p);
    if (p->type == PROFILTYP_RECHTECK) {
        // The line model's closed cell has sharp corners: a rolled tube's
        // torsion constant is that of its rounded wall.
        Closed_Tube_Torsion torsion;
        const double r_o = p->rolled ? o_o : 0.0, r_i = p->rolled ? r : 0.0;
        if (Calc_Closed_Tube_Torsion(p->h, p->b_fo, p->t_w, p->t_fo, r_o, r_i, &torsion)) p->I_T = torsion.I_T;
    }

    p->A = Area(p, o_o, o_u, r);
    p->U = Perimeter(p, o_o, o_u, r);
    p->A_vz = Calc_Profile_Shear_Area_Vz(p);
    if (p->type == PROFILTYP_FLACH || p->type == PROFILTYP_RUND) p->A_vy = p->A;
    else if (p->type == PROFILTYP_ROHR) p->A_vy = kTwoOverPi * p->A;
    else if (p->type == PROFILTYP_Z) p->A_vy = (p->b_fo + p->t_w) * p->t_fo - k2 * r * r;
    else if (In_I(p->type)) p->A_vy = p->t_fo * p->b_fo + p->t_fu * p->b_fu;
    else p->A_vy = p->A - p->A_vz;

    Parts s;
    Centroid_From_Dimensions(p, s);

    if (p->type <= PROFILTYP_TRAPEZ) {
        p->I_y = Calc_Profile_Iy(p);
        p->I_z = Calc_Profile_Iz(p);
    }
    p->I_yz = 0;
    if (p->type == PROFILTYP_Z && s.n == 0) Build_Parts(p, &s);  // its centroid needed no parts
    if ((p->type == PROFILTYP_L || p->type == PROFILTYP_Z) && s.n > 0) {
        for (int i = 0; i < s.n; i++) p->I_yz += s.p[i].a * (s.p[i].z - p->z_s) * (-p->y_s - s.p[i].y);
    }
    p->symmetric = std::fabs(p->t_fo - p->t_fu) < 0.01 && std::fabs(p->b_fo - p->b_fu) < 0.01 &&
                   std::fabs(p->a_o - p->a_u) < 0.01;
    p->I_w = 0;
    Keep_Catalogue_Values(p);
    return Check_Material_Params(&p->material, Get_Profile_Max_Dimension(p), list, show_message, prefix) ? 1 : 0;
}

double Calc_Channel_Flange_Slope(const float* x) {
    if (!x) return 0;
    // Value 27 is the flange's thickness where the root fillet begins, c -
    // r_1 from the tip, plus r_1; t_f stands at half the width. On a narrow
    // channel the fillet begins beyond the half width, where the flange is
    // thinner than t_f (U 40 x 20: 0.5 mm beyond, 5.46 mm for 5.5 at 8 %),
    // read as the record was judged; such a channel stood with parallel
    // flanges here and with its slope on the profile manager's outline.
    const double b = x[1], t_w = x[2], t_f = x[3], r_1 = x[25];
    const double run = b / 2 - t_w - r_1, t = x[27] - r_1;
    if (!(x[27] > 0) || !(std::fabs(run) > 0.01) || !std::isfinite(t)) return 0;
    const double slope = (t - t_f) / run;
    return slope > 0 && slope < 0.5 ? slope : 0;
}

double Get_Catalogue_Flange_Slope(const Stahlprofil* p) {
    if (!p || !Channel(p->type) || !Rolled_Catalogue_Profile(p)) return 0;
    // The full record: the catalogue's shared one keeps the first 27 values.
    char trimmed[STAHLPROFIL_NAME_SIZE], code[PROFIL_CODE_SIZE] = {};
    Copy_Trimmed(p->name, trimmed, sizeof trimmed, 3);
    float x[PROFIL_VALUES] = {};
    if (Get_Profil_Values(trimmed, x, code) < 1 || !Has_Catalogue_Dimensions(p, x)) return 0;
    return Calc_Channel_Flange_Slope(x);
}

int Calc_Profile_Cross_Section_Old(Stahlprofil* p) {
    WELD_CHECK_AT_EXIT(Check_Profile_Invariants());
    if (!p) return 0;
    Init_Profile(p);
    p->type = 1;
    p->h = 100;
    p->t_w = 10;
    Default_Material_Params(&p->material);
    return Calc_Profile_Cross_Section(p, nullptr, 0, nullptr);
}
