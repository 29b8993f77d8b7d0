// The small operations on the steel profile record: initialise (plainly,
// from a catalogue name, from a plate, the default and sample profiles),
// copy, compare, thickness extremes, flange synchronisation, net area, the
// weld-edge table and the clipping of weld lengths to it, and the catalogue
// form of HE names.
#include "profiles/stahlprofil.h"

#include <cctype>
#include <cmath>
#include <cstring>

#include "base/stored_text.h"
#include "base/textio.h"
#include "profiles/catalogue_designation.h"
#include "profiles/profil.h"
#include "profiles/profile_catalogue.h"
#include "profiles/profilquerschnitt.h"

namespace {

// Index = type; 10 characters, blank-padded, in 12-byte entries.
const char kTypeNames[STAHLPROFIL_TYPE_COUNT][12] = {
    "Default   ", "Flachstahl", "Rundstahl ", "L-Profil  ", "I-Profil  ", "H-Profil  ",
    "C-Profil  ", "DIL-Profil", "Rechteck  ", "Rohr      ", "S-Profil  ", "T-Profil  ",
    "U-Profil  ", "W-Profil  ", "Z-Profil  ", "\xABI-Profil ", "Hohlkasten", "Trapez    ",
};

bool Within(double a, double b, double tolerance) { return std::fabs(a - b) <= tolerance; }

// The catalogue's family letter of a library shape code (0 for none).
char Shape_Letter(int shape) {
    switch (shape) {
    case PQ_SHAPE_I: return 'D';
    case PQ_SHAPE_RHS: return 'R';
    case PQ_SHAPE_CHANNEL: return 'U';
    case PQ_SHAPE_TEE: return 'T';
    case PQ_SHAPE_ANGLE: return 'L';
    case PQ_SHAPE_Z: return 'Z';
    case PQ_SHAPE_TUBE: return 'K';
    default: return 0;
    }
}

// Selects name in a fresh selection and loads its catalogue values; the
// manager flag of the record is the selection's answer.
void Load_By_Name(Stahlprofil* p, const char* name) {
    Profilauswahl selection;
    p->manager_flag = Init_Profile_Selection(&selection);
    Set_Profile_By_Name(&selection, name);
    Load_Profile_Values(&selection, p);
}

// The default and sample profiles: the first name with the newer profile
// manager, else the second (null: the first always).
int Set_Catalogue_Profile(Stahlprofil* p, int type, const char* manager_name, const char* file_name) {
    if (!p) return 1;
    Init_Profile(p);
    p->kind = STAHLPROFIL_KIND_CATALOGUE;
    p->type = type;
    Load_By_Name(p, p->manager_flag || !file_name ? manager_name : file_name);
    Trim_String(p->name, 3);
    Default_Material_Params(&p->material);
    return Calc_Profile_Cross_Section(p, nullptr, 0, nullptr);
}

}  // namespace

int Is_Profile_Type_In(unsigned mask, int type) { return type >= 0 && type < 32 && ((mask >> type) & 1u); }

const char* Get_Profile_Type_Name(int type) {
    return type >= 0 && type < STAHLPROFIL_TYPE_COUNT ? kTypeNames[type] : nullptr;
}

void Init_Profile(Stahlprofil* p) {
    if (!p) return;
    std::memset(p, 0, sizeof *p);
    Clear_Material_Params(&p->material);
    p->manager_flag = Init_Profile_Selection(nullptr);
    Pad_Blank(p->name, STAHLPROFIL_NAME_SIZE);
}

int Get_Profile_Type_From_Name(const char* name, int* type) {
    if (!name || !type) return 0;
    // The family is the record's own (Get_Profil_Family reads its type
    // letter). Within the family the first letter names the type only
    // where the name is a designation of that family's series (HE 300 B an
    // H-Profil, C 150 x 51 x 19.3 a C-Profil, T 100 a T-Profil): a name of
    // no series names none, and its record is the family's plain type
    // (SONDER1 holding a double-T an I-Profil, not an S-Profil).
    const int shape = Get_Profilquerschnitt_Type_Of_Name(name);
    Designation_Statement stated;
    const char letter = Shape_Letter(shape);
    const bool designated = letter && ((Designation_Statement_Of(name, &stated) == 1 && stated.letter == letter) ||
                                       Profil_Series_Letter(Profil_Series_Of_Name(name)) == letter);
    const char first = designated ? static_cast<char>(std::toupper(static_cast<unsigned char>(name[0]))) : 0;
    int wanted = 0;
    unsigned allowed = 0;
    switch (shape) {
    case PQ_SHAPE_I:
        wanted = first == 'H'   ? PROFILTYP_H
                 : first == 'D' ? PROFILTYP_DIL
                 : first == 'S' ? PROFILTYP_S
                 : first == 'W' ? PROFILTYP_W
                                : PROFILTYP_I;
        allowed = PROFILTYP_MASK_I;
        break;
    case PQ_SHAPE_RHS: wanted = PROFILTYP_RECHTECK; allowed = 1u << PROFILTYP_RECHTECK; break;
    case PQ_SHAPE_CHANNEL:
        wanted = first == 'C' ? PROFILTYP_C : PROFILTYP_U;
        allowed = 1u << PROFILTYP_C | 1u << PROFILTYP_U;
        break;
    case PQ_SHAPE_TEE:
        wanted = first == 'T' ? PROFILTYP_T : PROFILTYP_HALB_I;
        allowed = 1u << PROFILTYP_T | 1u << PROFILTYP_HALB_I;
        break;
    case PQ_SHAPE_ANGLE: wanted = PROFILTYP_L; allowed = 1u << PROFILTYP_L; break;
    case PQ_SHAPE_Z: wanted = PROFILTYP_Z; allowed = 1u << PROFILTYP_Z; break;
    case PQ_SHAPE_TUBE: wanted = PROFILTYP_ROHR; allowed = 1u << PROFILTYP_ROHR; break;
    default: return 0;
    }
    if (*type == PROFILTYP_NONE) {
        *type = wanted;
        return 1;
    }
    return Is_Profile_Type_In(allowed, *type);
}

int Is_Profile_Type_Family(int representative, int type) {
    int own = type;
    if (Is_Profile_Type_In(PROFILTYP_MASK_I, type)) own = PROFILTYP_I;
    else if (type == PROFILTYP_T || type == PROFILTYP_HALB_I) own = PROFILTYP_T;
    else if (type == PROFILTYP_C || type == PROFILTYP_U) own = PROFILTYP_U;
    else if (type == PROFILTYP_RECHTECK || type == PROFILTYP_ROHR) own = PROFILTYP_ROHR;
    return own == representative;
}

int Init_Profile_From_Name(Stahlprofil* p, const char* name) {
    if (!p) return 1;
    Materialparameter_Record kept = p->material;
    Init_Profile(p);
    p->kind = STAHLPROFIL_KIND_CATALOGUE;
    Load_By_Name(p, name);
    char trimmed[STAHLPROFIL_NAME_SIZE];
    Copy_Trimmed(p->name, trimmed, sizeof trimmed, 3);
    p->material = kept;
    int type = 0;
    if (!Get_Profile_Type_From_Name(trimmed, &type)) return 1;
    p->type = type;
    // Older files kept channel radii in the other order (any channel's
    // record: a name of no series makes a C channel's record a U-Profil).
    if ((p->type == PROFILTYP_C || p->type == PROFILTYP_U) && !p->manager_flag && p->r_2 > p->r_1) {
        double r = p->r_1;
        p->r_1 = p->r_2;
        p->r_2 = r;
    }
    Calc_Profile_Cross_Section(p, nullptr, 0, nullptr);
    return 0;
}

int Init_Profile_From_Plate(const Blech_Record* plate, Stahlprofil* p) {
    if (!plate || !p) return 1;
    Init_Profile(p);
    p->kind = STAHLPROFIL_KIND_DIMENSIONS;
    p->type = 1;
    p->h = plate->b;
    p->t_w = plate->t;
    Copy_Material_Params(&plate->material, &p->material);
    return Calc_Profile_Cross_Section(p, nullptr, 0, nullptr);
}

int Set_Default_Profile(Stahlprofil* p) { return Set_Catalogue_Profile(p, 5, "HE280A", nullptr); }
int Set_Sample_Profile_L150X100X10(Stahlprofil* p) {
    return Set_Catalogue_Profile(p, 3, "L 150 X 100 X 10", "L150X100X10");
}
int Set_Sample_Profile_L120X10(Stahlprofil* p) { return Set_Catalogue_Profile(p, 3, "L 120 X 10", "L120X10"); }
int Set_Sample_Profile_L100X10(Stahlprofil* p) { return Set_Catalogue_Profile(p, 3, "L 100 X 10", "L100X10"); }
int Set_Sample_Profile_T100(Stahlprofil* p) { return Set_Catalogue_Profile(p, 11, "T100", nullptr); }
int Set_Sample_Profile_Tube(Stahlprofil* p) { return Set_Catalogue_Profile(p, 9, "R 88.9 x 5.0(w)", nullptr); }

void Copy_Profile(const Stahlprofil* s, Stahlprofil* t) {
    if (!t) return;
    Init_Profile(t);
    if (!s) return;
    int manager_flag = t->manager_flag;
    *t = *s;
    t->manager_flag = manager_flag;
    Copy_Material_Params(&s->material, &t->material);
}

int Compare_Profiles(const Stahlprofil* a, const Stahlprofil* b) {
    if (!a || !b || a->kind != b->kind) return 0;
    if (a->kind == STAHLPROFIL_KIND_DIMENSIONS || a->kind == STAHLPROFIL_KIND_CATALOGUE) {
        if (a->type != b->type || std::strncmp(a->name, b->name, sizeof a->name) != 0) return 0;
        const double da[8] = {a->h, a->t_w, a->b_fo, a->t_fo, a->b_fu, a->t_fu, a->b_ueo, a->b_ueu};
        const double db[8] = {b->h, b->t_w, b->b_fo, b->t_fo, b->b_fu, b->t_fu, b->b_ueo, b->b_ueu};
        // A difference of exactly 0.01 still counts as equal; the
        // tolerance's own rounding must not make it unequal.
        for (int i = 0; i < 8; i++)
            if (!Within(da[i], db[i], 0.01 + 1e-9)) return 0;
        if (a->rolled != b->rolled) return 0;
        if (a->rolled) {
            if (!Within(a->r_1, b->r_1, 0.01 + 1e-9) || !Within(a->r_2, b->r_2, 0.01 + 1e-9)) return 0;
        } else if (a->weld_kind_top != b->weld_kind_top || a->weld_kind_bottom != b->weld_kind_bottom ||
                   !Within(a->a_o, b->a_o, 0.01 + 1e-9) || !Within(a->a_u, b->a_u, 0.01 + 1e-9)) {
            return 0;
        }
        if (a->hot_finished != b->hot_finished) return 0;
    }
    return Material_Params_Equal(&a->material, &b->material);
}

namespace {

// The plate thicknesses of the profile; their count (0 for none).
int Plate_Thicknesses(const Stahlprofil* p, double* t) {
    if (!p || p->kind == STAHLPROFIL_KIND_FOREIGN) return 0;
    switch (p->type) {
    case PROFILTYP_FLACH: t[0] = p->h; t[1] = p->t_w; return -2;  // flat bar: its smaller side
    case PROFILTYP_RUND: t[0] = p->h; return 1;
    case PROFILTYP_L: case PROFILTYP_RECHTECK: case PROFILTYP_T: case PROFILTYP_Z:
    case PROFILTYP_HALB_I: case PROFILTYP_TRAPEZ: case PROFILTYP_C: case PROFILTYP_U:
        t[0] = p->t_w; t[1] = p->t_fo; return 2;
    case PROFILTYP_I: case PROFILTYP_H: case PROFILTYP_DIL: case PROFILTYP_S: case PROFILTYP_W: case PROFILTYP_KASTEN:
        t[0] = p->t_fu; t[1] = p->t_fo; t[2] = p->t_w; return 3;
    case PROFILTYP_ROHR: t[0] = p->t_w; return 1;
    default: return 0;
    }
}

double Thickness_Extreme(const Stahlprofil* p, bool largest) {
    double t[3];
    int n = Plate_Thicknesses(p, t);
    if (n == 0) return 0;
    if (n == -2) return std::fmin(t[0], t[1]);  // the thickness of a flat bar either way
    double r = t[0];
    for (int i = 1; i < n; i++) r = largest ? std::fmax(r, t[i]) : std::fmin(r, t[i]);
    return r;
}

}  // namespace

double Get_Profile_Max_Dimension(const Stahlprofil* p) { return Thickness_Extreme(p, true); }
double Get_Profile_Min_Dimension(const Stahlprofil* p) { return Thickness_Extreme(p, false); }

void Sync_Symmetric_Profile_Flanges(Stahlprofil* p) {
    if (!p || p->kind != STAHLPROFIL_KIND_DIMENSIONS) return;
    if (Is_Profile_Type_In(PROFILTYP_MASK_TWO_FLANGES, p->type)) {
        p->b_fu = p->b_fo;
        p->t_fu = p->t_fo;
        if (!p->rolled) p->a_u = p->a_o;
    } else if (p->type == PROFILTYP_L || p->type == PROFILTYP_TRAPEZ) {
        p->t_fo = p->t_fu = p->t_w;
    }
}

double Calc_Profile_Net_Area(const Stahlprofil* p, int flag, int n, double d, double t) {
    if (!p) return 0;
    double area = p->A;
    if (p->type == PROFILTYP_L && std::fabs(p->h - p->b_fo) > 0.1) {
        Stahlprofil copy;
        Copy_Profile(p, &copy);
        if (flag && p->h - 0.1 > p->b_fo) {
            copy.h = p->b_fo;
            copy.t_w = p->t_fo;
        } else if (!flag && p->b_fo - 0.1 > p->h) {
            copy.b_fo = p->h;
            copy.t_fo = p->t_w;
        }
        Calc_Profile_Cross_Section(&copy, nullptr, 0, nullptr);
        area = copy.A;
    }
    return area - n * d * t;
}

int Get_Profile_Plate_Elements(const Stahlprofil* p, double* lengths, int* codes) {
    if (!lengths) return 0;
    for (int i = 0; i < STAHLPROFIL_EDGES; i++) lengths[i] = 0;
    if (codes)
        for (int i = 0; i < STAHLPROFIL_EDGES; i++) codes[i] = 0;
    if (!p) return -1;
    double o = 0, r = 0;
    Calc_Profile_Weld_Offsets(p, &o, nullptr, &r);
    struct Edge {
        int index, code;
        double length;
    };
    Edge e[12];
    int n = 0, used = 0;
    auto add = [&](int index, int code, double length) { e[n++] = {index, code, length}; };
    switch (p->type) {
    case PROFILTYP_FLACH:
        add(0, 1, p->t_w); add(1, 2, p->h); add(2, 3, p->h); add(3, 4, p->t_w);
        used = 4;
        break;
    case PROFILTYP_RUND: case PROFILTYP_ROHR:
        add(0, 1, M_PI * p->h);
        used = 1;
        break;
    case PROFILTYP_L:
        add(0, 4, p->b_fo); add(1, 3, p->c_o - r); add(2, 1, p->h); add(6, 2, p->h_w - r);
        add(8, 5, p->t_fo - r); add(9, 6, p->t_w - r);
        used = 10;
        break;
    case PROFILTYP_I: case PROFILTYP_H: case PROFILTYP_DIL: case PROFILTYP_S: case PROFILTYP_W:
        add(0, 1, p->b_fo); add(1, 2, p->c_o - r); add(2, 4, p->h_w); add(3, 8, p->b_fu);
        add(4, 6, p->c_u - r); add(5, 3, p->c_o - r); add(6, 5, p->h_w); add(7, 7, p->c_u - r);
        add(8, 9, p->t_fo - r); add(9, 11, p->t_fu - r); add(10, 10, p->t_fo - r); add(11, 12, p->t_fu - r);
        used = 12;
        break;
    case PROFILTYP_C: case PROFILTYP_U:
        add(0, 1, p->b_fo); add(1, 2, p->c_o - r); add(2, 3, p->h); add(3, 6, p->b_fo);
        add(4, 5, p->c_o - r); add(6, 4, p->h_w); add(8, 7, p->t_fo - r); add(9, 8, p->t_fo - r);
        used = 10;
        break;
    case PROFILTYP_RECHTECK:
        add(0, 1, p->b_fo - 2 * o); add(1, 2, p->h - 2 * o); add(2, 3, p->h - 2 * o); add(3, 4, p->b_fo - 2 * o);
        used = 4;
        break;
    case PROFILTYP_T: case PROFILTYP_HALB_I:
        add(0, 1, p->b_fo); add(1, 2, p->c_o - r); add(2, 4, p->h_w); add(5, 3, p->c_o - r);
        add(6, 5, p->h_w); add(8, 6, p->t_fo - r); add(9, 8, p->t_w); add(10, 7, p->t_fo - r);
        used = 11;
        break;
    case PROFILTYP_Z: {
        double b_f = (p->b_fo + p->t_w) / 2;
        add(0, 1, b_f); add(1, 2, p->c_o - r); add(2, 3, p->h - p->t_fo - o); add(3, 6, b_f);
        add(4, 5, p->c_o - r); add(6, 4, p->h - p->t_fo - o); add(8, 7, p->t_fo - r); add(9, 8, p->t_fo - r);
        used = 10;
        break;
    }
    default:
        return -1;
    }
    for (int i = 0; i < n; i++) {
        lengths[e[i].index] = e[i].length;
        if (codes) codes[e[i].index] = e[i].code;
    }
    return used;
}

void Clip_Extents_By_Profile(const Stahlprofil* p, double* lengths) {
    if (!lengths || !p || p->type == PROFILTYP_RUND || p->type == PROFILTYP_ROHR) return;
    double edge[STAHLPROFIL_EDGES];
    int code[STAHLPROFIL_EDGES];
    if (Get_Profile_Plate_Elements(p, edge, code) <= 0) return;
    // A length that reaches past its edge by less than the stored files'
    // rounding (a micrometre of a catalogue value kept in single
    // precision, say) is no length beyond it: it stays as it was saved.
    const double kSameLength = 0.001;
    for (int i = 0; i < STAHLPROFIL_EDGES; i++)
        if (code[i] > 0 && lengths[i] > edge[i] + kSameLength) lengths[i] = edge[i];
}

void Normalize_HE_Profile_Name(char* name) {
    if (!name) return;
    char copy[STAHLPROFIL_NAME_SIZE];
    Copy_Trimmed(name, copy, sizeof copy, 2);
    Upper_Case(copy);
    size_t n = std::strlen(copy);
    if (n < 4 || copy[0] != 'H' || copy[1] != 'E') return;
    if (copy[2] != 'A' && copy[2] != 'B' && copy[2] != 'M') return;
    if (static_cast<unsigned char>(copy[n - 1]) > 64) return;
    char out[STAHLPROFIL_NAME_SIZE] = "HE";
    size_t k = 2;
    for (size_t i = 2; i < n; i++)
        if (static_cast<unsigned char>(copy[i]) < 65) out[k++] = copy[i];
    for (size_t i = 2; i < n; i++)
        if (static_cast<unsigned char>(copy[i]) > 64) out[k++] = copy[i];
    out[k] = '\0';
    if (k == n) std::memcpy(name, out, n);
}
