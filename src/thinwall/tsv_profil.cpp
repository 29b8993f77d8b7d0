// tsv_profil: the description of a profile as at most three plates for the
// partial-internal-forces method, kept in the profile's work record, its
// plastic shape factors, and whether a profile can be described at all.
#include <algorithm>
#include <cmath>
#include <cstring>

#include "base/invariant.h"
#include "codes/nad.h"
#include "codes/stguete.h"
#include "thinwall/dwqb.h"
#include "thinwall/dwqb_invariants.h"
#include "thinwall/tsv.h"
#include "thinwall/tsv_internal.h"

namespace {

const TSV_Profil_Services* profil_services;

// Payload positions of the plate description.
enum {
    P_YR, P_ZR, P_YO, P_ZO, P_YW, P_ZW, P_YU, P_ZU,
    P_BO, P_TO, P_HS, P_TS, P_BU, P_TU, P_ALPHA_PL_Y, P_ALPHA_PL_Z,
    P_AV_S, P_AV_SF, P_AV_F,
    P_COUNT
};
static_assert(int{P_AV_S} == int{TSV_PAYLOAD_SHEAR_WEB} && int{P_AV_SF} == int{TSV_PAYLOAD_SHEAR_WEB_IN_FLANGES} &&
                  int{P_AV_F} == int{TSV_PAYLOAD_SHEAR_FLANGES} && int{P_COUNT} == int{TSV_PAYLOAD_COUNT},
              "the shear areas follow the shape factors");
static_assert(int{P_COUNT} <= int{WORK_PAYLOAD_SLOTS}, "the description fits the payload");

// The name text of a converted section: the orientation character ("-"
// for a turned profile, else a blank), three blanks, then the catalogue
// name. A shorter text names no catalogue profile.
const size_t kNamePrefix = 4;
bool Turned(const char* name) { return name && name[0] == '-'; }
const char* Catalogue_Name(const char* name) {
    return name && strnlen(name, kNamePrefix) == kNamePrefix ? name + kNamePrefix : "";
}
bool Is_Catalogue(const Profil_Model_Descriptor* p) { return p->catalogue > 0; }


// Plates of a catalogue profile; the kind, or 0 when there is no rule.
int Describe_Catalogue(int family, const double* v, bool turned, int options, double* d) {
    const double h = v[0], b = v[1], tw = v[2], tf = v[3];
    const bool alt = options & TSV_OPT_ALTERNATIVE;
    switch (family) {
    case PROFIL_FAMILY_I:
        if (turned && alt) {
            d[P_BU] = h - tf, d[P_TU] = tw, d[P_HS] = b, d[P_TS] = 2 * tf;
            return TSV_KIND_ONE_FLANGE;
        }
        d[P_ZO] = -(h - tf) / 2, d[P_ZU] = (h - tf) / 2;
        d[P_BO] = d[P_BU] = b, d[P_TO] = d[P_TU] = tf, d[P_TS] = tw, d[P_HS] = h - tf;
        if ((options & TSV_OPT_REFINED_I) && v[4] > 0 && v[16] > 0 && v[21] > 0 && v[25] >= 0) {
            // Plates of the same area, static moments and flange moment as
            // the rolled section with its root fillets.
            const double A = v[4], S_y = v[16], S_z = v[21], r = v[25];
            const double a = b * tf, c = (2 * r + tw) * tf, dd = c - 2 * a;
            const double A_w = A + dd, S = (tf - h) * a + S_y + (h - 1.5 * tf) * c / 2;
            if (0 < A_w && A_w < A && 0 < S && S < S_y) {
                d[P_HS] = 4 * S / A_w;
                d[P_TS] = A_w / d[P_HS];
                d[P_BO] = d[P_BU] = 4 * S_z / (-dd);
                d[P_TO] = d[P_TU] = ((-dd) / 2) / d[P_BO];
                d[P_ZU] = (S_y - S) / (-dd);
                d[P_ZO] = -d[P_ZU];
            }
        }
        return TSV_KIND_TWO_FLANGES;
    case PROFIL_FAMILY_T:
        if (turned && alt) return 0;
        d[P_ZO] = (tf - h) / 2, d[P_ZW] = tf / 2, d[P_BO] = b, d[P_TO] = tf, d[P_TS] = tw, d[P_HS] = h - tf;
        return TSV_KIND_ONE_FLANGE;
    case PROFIL_FAMILY_U:
        if (!alt) {
            d[P_ZO] = -(h - tf) / 2, d[P_ZU] = (h - tf) / 2, d[P_YW] = (b - tw) / 2;
            d[P_BO] = d[P_BU] = b, d[P_TO] = d[P_TU] = tf, d[P_TS] = tw, d[P_HS] = h - 2 * tf;
            return TSV_KIND_TWO_FLANGES;
        }
        if (!turned) return 0;
        d[P_ZU] = (b - tw) / 2, d[P_BU] = h - 2 * tf, d[P_TU] = tw, d[P_HS] = b, d[P_TS] = 2 * tf;
        return TSV_KIND_ONE_FLANGE;
    case PROFIL_FAMILY_RHS:
        if (!alt) return 0;
        if (turned) {
            d[P_ZU] = (b - tw) / 2, d[P_BO] = d[P_BU] = h, d[P_TO] = d[P_TU] = tw, d[P_TS] = 2 * tf;
            d[P_HS] = b - 2 * tw;
        } else {
            d[P_ZU] = (h - tf) / 2, d[P_BO] = d[P_BU] = b, d[P_TO] = d[P_TU] = tf, d[P_TS] = 2 * tw;
            d[P_HS] = h - 2 * tf;
        }
        d[P_ZO] = -d[P_ZU];
        return TSV_KIND_TWO_FLANGES;
    case PROFIL_FAMILY_L:
        if (alt) return 0;
        d[P_ZU] = (h - tf) / 2, d[P_YW] = (b - tw) / 2, d[P_ZW] = -tf / 2;
        d[P_BU] = b, d[P_TU] = tf, d[P_TS] = tw, d[P_HS] = h - tf;
        return TSV_KIND_ONE_FLANGE;
    case PROFIL_FAMILY_Z:
        // b from tip to tip: each flange (b + t_w) / 2 wide from the web's
        // far face, its centre (b - t_w) / 4 beside the web's.
        if (alt) return 0;
        d[P_YO] = (b - tw) / 4, d[P_YU] = -d[P_YO], d[P_ZO] = -(h - tf) / 2, d[P_ZU] = (h - tf) / 2;
        d[P_BO] = d[P_BU] = (b + tw) / 2, d[P_TO] = d[P_TU] = tf, d[P_TS] = tw, d[P_HS] = h - 2 * tf;
        return TSV_KIND_TWO_FLANGES;
    case PROFIL_FAMILY_TUBE:
        d[P_HS] = h, d[P_TS] = tw;
        return TSV_KIND_CIRCLE;
    case PROFIL_FAMILY_FLAT:
        d[P_HS] = turned ? b : h, d[P_TS] = turned ? h : b;
        return TSV_KIND_RECTANGLE;
    case PROFIL_FAMILY_ROUND:
        d[P_HS] = h, d[P_TS] = h / 2;
        return TSV_KIND_ROUND_BAR;
    default:
        return 0;
    }
}

// Plates of a parametric shape from its own dimensions D1 .. D8.
int Describe_Type(int type, const double* D, int options, double* d) {
    const double D1 = D[0], D2 = D[1], D3 = D[2], D4 = D[3], D5 = D[4], D6 = D[5], D7 = D[6], D8 = D[7];
    const bool alt = options & TSV_OPT_ALTERNATIVE;
    auto i_shape = [&](double t_s) {
        d[P_ZU] = (D1 - D4) / 2, d[P_ZO] = -d[P_ZU];
        d[P_BO] = d[P_BU] = D2, d[P_TO] = d[P_TU] = D4, d[P_TS] = t_s, d[P_HS] = D1 - 2 * D4;
        return TSV_KIND_TWO_FLANGES;
    };
    auto two_webs = [&](double b_u) {
        d[P_ZU] = (D8 - D2) / 2, d[P_ZO] = (D6 - D8) / 2, d[P_ZW] = (D6 - D2) / 2;
        d[P_BU] = b_u, d[P_TU] = D2, d[P_BO] = D5, d[P_TO] = D6, d[P_TS] = D7, d[P_HS] = D8 - D2 - D6;
        return TSV_KIND_TWO_FLANGES;
    };
    switch (type) {
    case 1: return i_shape(D3);
    case 2:
        d[P_ZO] = (D4 - D1) / 2, d[P_ZW] = D4 / 2, d[P_BO] = D2, d[P_TO] = D4, d[P_TS] = D3, d[P_HS] = D1 - D4;
        return TSV_KIND_ONE_FLANGE;
    case 3: d[P_YW] = (D2 - D3) / 2; return i_shape(D3);
    case 4: return alt ? i_shape(2 * D3) : 0;
    case 5:
        if (alt) return 0;
        d[P_ZU] = (D1 - D4) / 2, d[P_YW] = (D2 - D3) / 2, d[P_ZW] = -D4 / 2;
        d[P_BU] = D2, d[P_TU] = D4, d[P_TS] = D3, d[P_HS] = D1 - D4;
        return TSV_KIND_ONE_FLANGE;
    case 6:
        // D2 is each flange's width from the web's far face to its tip.
        if (alt) return 0;
        d[P_YO] = (D2 - D3) / 2, d[P_YU] = -d[P_YO], d[P_ZU] = (D1 - D4) / 2, d[P_ZO] = -d[P_ZU];
        d[P_BO] = d[P_BU] = D2, d[P_TO] = d[P_TU] = D4, d[P_TS] = D3, d[P_HS] = D1 - 2 * D4;
        return TSV_KIND_TWO_FLANGES;
    case 7: d[P_HS] = D1, d[P_TS] = D3; return TSV_KIND_CIRCLE;
    case 8: return alt ? two_webs(D1) : 0;
    case 9: return alt ? two_webs(2 * D1) : 0;
    case 10:
        if (!alt) return 0;
        d[P_ZU] = D8 / 2 - D4, d[P_ZO] = (D6 - D8) / 2, d[P_ZW] = D6 / 2;
        d[P_BU] = D5 - 2 * D3 - D7 / 2, d[P_TU] = D2, d[P_BO] = D5, d[P_TO] = D6, d[P_TS] = D7, d[P_HS] = D8 - D6;
        return TSV_KIND_TWO_FLANGES;
    case 11: d[P_HS] = D1, d[P_TS] = D2; return TSV_KIND_RECTANGLE;
    case 12: d[P_HS] = D1, d[P_TS] = (D1 - D3) / 2; return TSV_KIND_ROUND_BAR;
    case 13:
        d[P_ZU] = (D1 - D3) / 2, d[P_ZO] = (D2 - D1) / 2, d[P_ZW] = (D2 - D3) / 2;
        d[P_BU] = D6, d[P_TU] = D3, d[P_BO] = D5, d[P_TO] = D2, d[P_TS] = D4, d[P_HS] = D1 - D3 - D2;
        return TSV_KIND_TWO_FLANGES;
    case 14:
        if (!alt) return 0;
        d[P_BU] = D1 - 2 * D4, d[P_TU] = D3, d[P_HS] = D2, d[P_TS] = 2 * D4;
        return TSV_KIND_ONE_FLANGE;
    default:
        return 0;
    }
}

// The factor eta of a web's shear area (of welded I sections, and the least
// of rolled ones) for its ratio h_w/t_w: the annex's value for the grades
// up to 460 N/mm² and a web that does not buckle in shear before it yields
// (h_w/t_w up to 72 eps/eta), as the plate-buckling rules set it; at most 1
// otherwise, and 1 without an annex value. The grade's nominal strength
// decides (the larger, the smaller eps).
double Web_Shear_Eta(int32_t grade, double hw_tw) {
    const NAD_EC3_Block* annex = Get_NAD_EC3();
    const double eta = annex && annex->ec3_8.eta > 0 ? annex->ec3_8.eta : 1.0;
    const unsigned code = (static_cast<unsigned>(grade) & 0xFFFFu) + 0x10000u;
    const double f_y = Get_Stahlguete_fy(code, 0);
    if (!(f_y > 0) || f_y > 460 || !(hw_tw <= 72 * std::sqrt(235 / f_y) / eta)) return std::min(eta, 1.0);
    return eta;
}

// The shear areas of the steel rules of a catalogue profile described
// upright by the plates d (cm², catalogue values v: h, b, t_w, t_f, A, and r
// at 25): the web's for a shear force along it and, where that area reaches
// beyond the web plate into the flanges, that part; a hollow section's
// flanges together, an angle's other leg. An I keeps the reduction of its
// shear area to the web plate, as the rule of its bending with shear does
// (the web plate runs to the flanges' centres, beyond the web's own depth).
// Profiles of other families, or described otherwise, keep the plates' own
// areas.
void Catalogue_Shear_Areas(int family, const double* v, bool turned, int options, int32_t grade, double* d) {
    const double h = v[0], b = v[1], tw = v[2], tf = v[3], A = v[4], r = v[25];
    const bool alt = options & TSV_OPT_ALTERNATIVE;
    double A_v = 0;
    bool in_flanges = true;
    switch (family) {
    case PROFIL_FAMILY_I:
        if (turned && alt) return;
        A_v = std::max(A - 2 * b * tf + (tw + 2 * r) * tf,
                       Web_Shear_Eta(grade, tw > 0 ? (h - 2 * tf) / tw : 0) * (h - 2 * tf) * tw);
        in_flanges = false;
        break;
    case PROFIL_FAMILY_T:
        // The rolled tee's stem with its fillets and the half of the
        // flange's depth above them: the stem alone carries V at a
        // fraction of the shear area it has.
        if (turned && alt) return;
        A_v = A - b * tf + (tw + 2 * r) * tf / 2;
        break;
    case PROFIL_FAMILY_U:
        if (alt) return;
        A_v = A - 2 * b * tf + (tw + r) * tf;
        break;
    case PROFIL_FAMILY_RHS:
        // of uniform wall: A h / (b + h) along the depth, A b / (b + h)
        // along the width
        if (!alt || !(h + b > 0)) return;
        A_v = A * (turned ? b : h) / (h + b);
        d[P_AV_F] = A * (turned ? h : b) / (h + b);
        break;
    case PROFIL_FAMILY_L:
        // each leg's share of the area, as for the hollow rectangle: the
        // vertical leg's plate stops at the horizontal one, whose plate
        // holds the heel
        if (alt || !(h + b > 0)) return;
        A_v = A * h / (h + b);
        d[P_AV_F] = A * b / (h + b);
        break;
    default:
        return;
    }
    if (!(A_v > 0)) return;
    d[P_AV_S] = A_v;
    if (in_flanges) d[P_AV_SF] = std::max(0.0, A_v - d[P_HS] * d[P_TS]);
}

// The same for a parametric shape, whose web plate is its clear web: a
// welded I's eta h_w t_w, a welded tee's stem to half the flange's depth,
// t_w (h - t_f / 2), an angle's legs as a catalogue angle's; a rolled one
// (its own corners its root radius r) the rolled rule with the fillets: I
// A - 2 b t_f + (t_w + 2 r) t_f (at least eta h_w t_w), channel A - 2 b
// t_f + (t_w + r) t_f, tee A - b t_f + (t_w + 2 r) t_f / 2; the plates' own
// areas otherwise.
void Type_Shear_Areas(int type, int32_t grade, const float* corners, double* d) {
    const double web = d[P_HS] * d[P_TS], t_w = d[P_TS], t_f = d[P_TO];
    const bool rolled = corners[2] == static_cast<float>(WORK_CORNERS_ROLLED);
    const double r = rolled ? std::max(0.0, TSV_Decimal(corners[0])) : 0, fillet = (1 - 0.25 * 3.141592653589793) * r * r;
    if (type == PROFIL_FAMILY_I || type == PROFIL_FAMILY_Q22) {
        d[P_AV_S] = Web_Shear_Eta(grade, t_w > 0 ? d[P_HS] / t_w : 0) * web;
        if (rolled && type == PROFIL_FAMILY_I) d[P_AV_S] = std::max(d[P_AV_S], web + 4 * fillet + (t_w + 2 * r) * t_f);
    }
    if (type == PROFIL_FAMILY_U && rolled) {
        d[P_AV_S] = web + 2 * fillet + (t_w + r) * t_f;
        d[P_AV_SF] = d[P_AV_S] - web;
    }
    if (type == PROFIL_FAMILY_T) {
        d[P_AV_SF] = rolled ? 2 * fillet + (t_w + 2 * r) * t_f / 2 : t_w * t_f / 2;
        d[P_AV_S] = web + d[P_AV_SF];
    }
    // an angle of one thickness: each leg's share of the area, as above
    const double h = d[P_HS] + d[P_TU], b = d[P_BU], A = web + d[P_BU] * d[P_TU];
    if (type == PROFIL_FAMILY_L && d[P_TS] == d[P_TU] && h + b > 0) {
        d[P_AV_S] = A * h / (h + b);
        d[P_AV_SF] = std::max(0.0, d[P_AV_S] - web);
        d[P_AV_F] = A * b / (h + b);
    }
}

// The reciprocal of U for a moment of f_y times the smaller elastic modulus
// alone (force index 4 or 5); 0 when the method gives no U.
double Shape_Factor(const Profil_Model_Descriptor* profile, NachweisDatenKopf* work, const char* name, double f_y,
                    int force, double w1, double w2) {
    double F[8] = {0, 0, 0, 0, 0, 0, 0, 0};
    F[force] = f_y * std::fmin(std::fabs(w1), std::fabs(w2));
    const double yield[2] = {f_y, f_y};
    TSV_Ergebnis r{};
    if (!Prepare_TSV_Querschnitt(F, yield, profile, work, name, &r)) return 0;
    return (r.flags & TSV_PARTIAL_FORCES) && r.U > 0 ? 1 / r.U : 0;
}

}  // namespace

int TSV_Catalogue_Family(const char* name) {
    return profil_services && profil_services->family ? profil_services->family(Catalogue_Name(name)) : 0;
}

const TSV_Profil_Services* Set_TSV_Profil_Services(const TSV_Profil_Services* services) {
    const TSV_Profil_Services* previous = profil_services;
    profil_services = services;
    return previous;
}

int Setup_TSV_Profil(int number, const Profil_Model_Descriptor* profile, NachweisDatenKopf* work, const char* name,
                     int options) {
    WELD_CHECK_AT_EXIT(Check_DWQB_Invariants());
    if (!profile || !work) return 2;
    if (profile->family == PROFIL_FAMILY_USER) return 2;
    double d[P_COUNT] = {};
    int kind = 0;
    if (Is_Catalogue(profile)) {
        float v[40] = {};
        char code[8] = {};
        if (!profil_services || !profil_services->values) return 2;
        if (profil_services->values(Catalogue_Name(name), v, code) != profile->catalogue) return 2;
        double vd[40];
        for (int i = 0; i < 40; i++) vd[i] = TSV_Decimal(v[i]);
        const int family = TSV_Catalogue_Family(name);
        kind = Describe_Catalogue(family, vd, Turned(name), options, d);
        if (kind) Catalogue_Shear_Areas(family, vd, Turned(name), options, profile->grade, d);
    } else {
        double D[8];
        for (int i = 0; i < 8; i++) D[i] = TSV_Decimal(work->dims[i]);
        kind = Describe_Type(profile->family, D, options, d);
        if (kind) Type_Shear_Areas(profile->family, profile->grade, work->corners, d);
    }
    if (!kind) return 2;
    d[P_YR] = d[P_YW], d[P_ZR] = d[P_ZW];
    Set_Section_Work_Code(profile, work, 0);
    float* p = Get_Section_Work_Payload(profile, work);
    for (int i = 0; i < P_COUNT; i++) p[i] = static_cast<float>(d[i]);
    Set_Section_Work_Code(profile, work,
                          kind | ((number * 16) & static_cast<int32_t>(WORK_CODE_NUMBER_MASK)) |
                              static_cast<int32_t>(WORK_CODE_FILLED));
    if (!profil_services || !profil_services->build_model || profil_services->build_model(profile, name, work) > 0)
        return 3;
    // The grade's 16-bit number in the first (Eurocode) grade family; the
    // thickness goes in as mm, the strength comes back in N/mm2.
    const unsigned grade = (static_cast<unsigned>(profile->grade) & 0xFFFFu) + 0x10000u;
    const double f_y = Get_Stahlguete_fy(grade, 10 * DWQB_Querschnittswerte[DWQB_QW_T_MAX]) * 0.1;
    const double* W = DWQB_Querschnittswerte;
    p[P_ALPHA_PL_Y] = static_cast<float>(Shape_Factor(profile, work, name, f_y, 4, W[16], W[17]));
    p[P_ALPHA_PL_Z] = static_cast<float>(Shape_Factor(profile, work, name, f_y, 5, W[18], W[19]));
    return 3;
}

int Setup_TSV_Profil_Opt(int number, const Profil_Model_Descriptor* profile, NachweisDatenKopf* work,
                         const char* name, int options) {
    WELD_CHECK_AT_EXIT(Check_DWQB_Invariants());
    if (!work || !name || !profile) return 2;
    return Setup_TSV_Profil(number, profile, work, name, options);
}

int Check_TSV_Default(int number, const Profil_Model_Descriptor* profile, NachweisDatenKopf* work, const char* name) {
    WELD_CHECK_AT_EXIT(Check_DWQB_Invariants());
    return Setup_TSV_Profil_Opt(number, profile, work, name, 0);
}

int Is_TSV_Applicable(const Profil_Model_Descriptor* profile, const NachweisDatenKopf* work, const char* name,
                      int options) {
    if (!profile || !work || !name || profile->family == PROFIL_FAMILY_USER) return 0;
    const bool alt = options & TSV_OPT_ALTERNATIVE, turned = Turned(name);
    if (Is_Catalogue(profile)) {
        switch (TSV_Catalogue_Family(name)) {
        case PROFIL_FAMILY_I: case PROFIL_FAMILY_TUBE: case PROFIL_FAMILY_FLAT: case PROFIL_FAMILY_ROUND: return 1;
        case PROFIL_FAMILY_T: return !(turned && alt);
        case PROFIL_FAMILY_U: return !(alt && !turned);
        case PROFIL_FAMILY_RHS: return alt;
        case PROFIL_FAMILY_L: case PROFIL_FAMILY_Z: return !alt;
        default: return 0;
        }
    }
    switch (profile->family) {
    case PROFIL_FAMILY_I: case PROFIL_FAMILY_U: case PROFIL_FAMILY_Z: case PROFIL_FAMILY_TUBE: case PROFIL_FAMILY_FLAT:
    case PROFIL_FAMILY_ROUND: case PROFIL_FAMILY_Q22: return 1;
    case PROFIL_FAMILY_RHS: case PROFIL_FAMILY_Q31: case PROFIL_FAMILY_Q23: case PROFIL_FAMILY_Q24:
    case PROFIL_FAMILY_I_TURNED: return alt;
    case PROFIL_FAMILY_T: case PROFIL_FAMILY_L: return !alt;
    default: return 0;
    }
}

int Is_TSV_Applicable_Default(const Profil_Model_Descriptor* profile, const NachweisDatenKopf* work, const char* name) {
    if (!profile || !work || !name || profile->family == PROFIL_FAMILY_USER) return 0;
    if (Is_Catalogue(profile)) {
        switch (TSV_Catalogue_Family(name)) {
        case PROFIL_FAMILY_I: case PROFIL_FAMILY_T: case PROFIL_FAMILY_U: case PROFIL_FAMILY_L: case PROFIL_FAMILY_Z:
        case PROFIL_FAMILY_TUBE: case PROFIL_FAMILY_FLAT: case PROFIL_FAMILY_ROUND: return 1;
        default: return 0;
        }
    }
    switch (profile->family) {
    case PROFIL_FAMILY_I: case PROFIL_FAMILY_T: case PROFIL_FAMILY_U: case PROFIL_FAMILY_L: case PROFIL_FAMILY_Z:
    case PROFIL_FAMILY_TUBE: case PROFIL_FAMILY_FLAT: case PROFIL_FAMILY_ROUND: case PROFIL_FAMILY_Q22: return 1;
    default: return 0;
    }
}
