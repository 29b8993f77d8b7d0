#include "memberchecks/member_settings.h"

#include <cmath>

#include "base/cp850.h"
#include "base/invariant.h"
#include "codes/alguete.h"
#include "codes/stguete.h"
#include "memberchecks/member_invariants.h"
#include "profiles/profil.h"
#include "profiles/profile_switches.h"
#include "thinwall/tsv.h"
#include "section/nchwdata.h"

const Check_Symbol_Set Check_Symbols_EN = {{"c/t", "V", "T╬\\t╬r"_cp, "T╬\\w╬r"_cp, "B"}};
const Check_Symbol_Set Check_Symbols_DIN = {{"b/t", "Q", "T╬\\p╬r"_cp, "T╬\\s╬r"_cp, "M╬\\\xD0╬r"_cp}};
const Check_Symbol_Set* Current_Check_Symbols = &Check_Symbols_DIN;

namespace {

enum { MODE_BY_SECTION = 4096 };

int check_mode = MODE_BY_SECTION;
double check_factor = 1.2;
int symbol_set_flag = 0;
int keep_results = 0;
int32_t kept_results[2] = {0, 0};

enum { STEEL_S460N = 12, STEEL_S460M = 13 };

}  // namespace

int Get_Norm_Code(const NachweisNorm* selector) {
    if (!selector) return 0;
    const int code = static_cast<int>(selector->code & 0xFFFFu);
    return code == 1 || code == 2 ? code : 0;
}

int Set_Check_Mode(int mode) {
    const int previous = check_mode;
    if (mode != check_mode) Invalidate_Profil_DWQB_Cache();
    check_mode = mode;
    return previous;
}

int Get_Check_Mode(void) { return check_mode; }

int Get_Check_Mode_Variant(int family, int spatial) {
    if (check_mode != MODE_BY_SECTION) return check_mode;
    if (!spatial) return 4;
    return family == PROFIL_FAMILY_ROUND ? 7 : 1;
}

double Get_Check_Factor(void) { return check_factor; }

double Set_Check_Factor(double value) {
    const double previous = check_factor;
    check_factor = value > 0 ? value : 1.2;
    return previous;
}

int Set_Symbol_Set_Flag(int value) {
    const int previous = symbol_set_flag;
    symbol_set_flag = value;
    return previous;
}

int Get_Symbol_Set_Flag(void) { return symbol_set_flag; }

int Set_Keep_Check_Results(int on) {
    const int previous = keep_results;
    keep_results = on ? 1 : 0;
    return previous;
}

int Get_Keep_Check_Results(void) { return keep_results; }

int32_t* Get_Kept_Check_Results(void) { return keep_results ? kept_results : nullptr; }

void Check_Member_Settings_Invariants(void) {
    WELD_INVARIANT("member check settings", check_factor > 0, "check factor above 0");
    WELD_INVARIANT("member check settings", keep_results == 0 || keep_results == 1, "keep switch is a flag");
}

uint32_t Get_Check_Option_Flags(const NachweisNorm* selector, uint32_t flags) {
    flags &= 0xFFFFu;
    if (!selector || (selector->code & 0xFFFFu) == 1) flags += 0x10000u;
    return flags;
}

uint32_t Get_Check_Option_Flags_By_Kind(int code, uint32_t flags) {
    flags &= 0xFFFFu;
    return (code & 0xFFFF) == 1 ? flags + 0x10000u : flags;
}

double Get_Material_Strength(const NachweisNorm* selector, int grade, double t) {
    if (!selector) return 235.0;
    if (Get_Norm_Code(selector) == 2) return Get_Aluguete_f0(static_cast<unsigned>(grade));
    return Get_Stahlguete_fy(static_cast<unsigned>(grade), t);
}

double Get_Material_E(const NachweisNorm* selector, int grade, double* G) {
    if (G) *G = 81000.0;
    if (!selector) return 210000.0;
    if (Get_Norm_Code(selector) == 2) return Get_Aluguete_E(static_cast<unsigned>(grade), G);
    return Get_Stahlguete_E(static_cast<unsigned>(grade), G);
}

const char* Get_Material_Name(const NachweisNorm* selector, int grade) {
    if (!selector) return "?????";
    if (Get_Norm_Code(selector) == 2) return Get_Aluguete_Name(static_cast<unsigned>(grade));
    return Get_Stahlguete_Name(static_cast<unsigned>(grade));
}

uint32_t Derive_Check_Options(const NachweisNorm* selector, const Profil_Model_Descriptor* descriptor,
                              const char* name_text, const float* values, int spatial) {
    if (!descriptor || !values) return 0;
    const int code = Get_Norm_Code(selector);
    const int named = descriptor->family == PROFIL_FAMILY_USER ? 0 : descriptor->catalogue;
    const int family = descriptor->family;
    int half[4];
    for (int k = 0; k < 4; k++) {
        const int32_t v = static_cast<int32_t>(values[16 + k]);
        half[k] = code == 0 ? (v & 0xFFFF) : ((v >> 16) & 0xFFFF);
    }
    const uint32_t sel = selector ? selector->code : 0;
    const bool no_first = sel & NORM_NO_FIRST_BUCKLING, no_section = sel & NORM_NO_SECTION_OPTIONS;
    const bool no_buckling = sel & NORM_NO_BUCKLING_OPTIONS;
    const bool fire_ok = selector && (selector->situation & NORM_FIRE_PERMITTED);
    const uint32_t elastic = code == 1 ? uint32_t{OPT_MISES} : uint32_t{OPT_ELASTIC_ALL};
    const char* name = name_text ? name_text + 4 : "";
    uint32_t o = 0;
    bool done = false;
    if (family < 0) {
        o = !no_section && (half[2] & 5) ? uint32_t{OPT_NORMAL} : 0u;
        if (!spatial) return o;
        done = true;
    } else if (no_section) {
        done = true;
    }
    if (!done) {
        switch (half[0]) {
        case 1: o |= OPT_INTERACTION; break;
        case 3: o |= OPT_TSV; break;
        case 4: o |= OPT_STRAIN; break;
        case 5: o |= OPT_TSV_LINES; break;
        case 6: o |= OPT_OUTLINE; break;
        default: break;
        }
        if (half[1]) o |= OPT_CT;
        if (half[2] & 1) o |= OPT_NORMAL;
        if (half[2] & 2) o |= OPT_SHEAR;
        if (half[2] & 4) o |= OPT_MISES;
        if (half[3] & 1) o |= OPT_EL747;
        if (half[3] & 2) o |= OPT_EL749;
        if (half[3] & 4) o |= OPT_EL750;
        if (fire_ok && (half[3] & 0x2000)) o |= OPT_FIRE;
        if (o & OPT_INTERACTION) {
            if (descriptor->section_kind >= 1 && descriptor->section_kind <= 5 && !spatial)
                o &= ~(OPT_TSV | elastic);
            else
                o = (o & ~OPT_INTERACTION) | elastic;
        }
        const int32_t work = reinterpret_cast<const NachweisDatenKopf*>(values)->code;
        const bool filled = work & WORK_CODE_FILLED;
        for (uint32_t method : {OPT_TSV, OPT_STRAIN, OPT_TSV_LINES, OPT_OUTLINE}) {
            if (!(o & method)) continue;
            // The outline needs no work record: the check is handed it.
            bool stays = filled || method == OPT_OUTLINE;
            if (method == OPT_TSV) {
                const int kind = work & WORK_CODE_KIND_MASK;
                stays = stays && (kind == TSV_KIND_CIRCLE || kind == TSV_KIND_ONE_FLANGE ||
                                  kind == TSV_KIND_TWO_FLANGES || kind == TSV_KIND_ROUND_BAR ||
                                  kind == TSV_KIND_RECTANGLE);
            }
            if (stays) {
                o &= ~elastic;
                if (half[3] & 0x1000) o |= OPT_NO_LIMIT_125;
            } else {
                o &= ~method;
                if (method == OPT_TSV) o &= ~OPT_INTERACTION;
                o |= elastic;
            }
        }
        if (o & OPT_EL750) {
            const bool keep = named > 0 && Get_Profil_Family(name) == 1;
            o = (o & ~uint32_t{OPT_EL750}) | 0x31Cu | (keep ? uint32_t{OPT_EL750} : 0u);
        } else if (o & (OPT_EL747 | OPT_EL749)) {
            o |= 0x31C;
        }
        if (o & OPT_CT) {
            const int f = named > 0 ? Get_Profil_Family(name) : family;
            if (f == 11 || f == 12) o &= ~OPT_CT;
        }
    }
    if (code == 1 && !no_buckling) {
        if (spatial && no_first) {
            if (half[3] & 0x400) o |= OPT_BUCKLING_3;
        } else {
            if (half[3] & 0x200) o |= OPT_BUCKLING_2;
            if (no_first) {
                if (half[3] & 0x400) o |= OPT_BUCKLING_3;
            } else {
                if (half[3] & 0x100) o |= OPT_BUCKLING_1;
                if (half[3] & 0x400) o |= OPT_BUCKLING_3;
            }
        }
    }
    return o;
}

int Get_Buckling_Curve(int z_axis, int grade, int family, double h_b, double t, int rolled) {
    if (rolled >= 1) {
        const int row = grade & 0xFFFF;
        const bool s460 = row == STEEL_S460N || row == STEEL_S460M;
        switch (family) {
        case PROFIL_FAMILY_I:
            if (h_b > 1.201) {
                if (t <= 40.001) return s460 ? 0 : (z_axis ? 2 : 1);
                if (t <= 100.001) return s460 ? 1 : (z_axis ? 3 : 2);
                return -1;
            }
            if (t <= 100.001) return s460 ? 1 : (z_axis ? 3 : 2);
            return s460 ? 3 : 4;
        case PROFIL_FAMILY_L: return 2;
        case PROFIL_FAMILY_T: case PROFIL_FAMILY_U: case PROFIL_FAMILY_RHS: case PROFIL_FAMILY_Z:
        case PROFIL_FAMILY_TUBE: case PROFIL_FAMILY_FLAT: case PROFIL_FAMILY_ROUND: return 3;
        default: return -1;
        }
    }
    switch (family) {
    case PROFIL_FAMILY_I:
    case PROFIL_FAMILY_T:
        if (t <= 40.001) return z_axis ? 3 : 2;
        return z_axis ? 4 : 3;
    case PROFIL_FAMILY_L: return 2;
    case PROFIL_FAMILY_U: case PROFIL_FAMILY_RHS: case PROFIL_FAMILY_TUBE: case PROFIL_FAMILY_FLAT:
    case PROFIL_FAMILY_ROUND: return 3;
    default: return -1;
    }
}

uint32_t Get_Check_Flags_Of_Data(const Nachweisdaten* record) {
    if (!record) return 0;
    const bool slot0 = record->i32 && record->n_i32 >= 1 && record->i32[0] != 0;
    uint32_t r;
    switch (record->key) {
    case 211: r = slot0 ? 0x10001 : 1; break;
    case 212: case 213: case 214: r = 0x10001; break;
    case 261: r = slot0 ? 0x10002 : 2; break;
    case 262: case 264: r = 0x10002; break;
    default: return 0;
    }
    if (record->i32) {
        if (record->n_i32 >= 2 && record->i32[1] != 0) r |= 0x20000;
        if (record->n_i32 >= 3 && record->i32[2] != 0) r |= 0x40000;
    }
    return r;
}

uint32_t Get_Check_Flags_Of_Owner(const Nachweisdaten_Traeger* owner) {
    return owner ? Get_Check_Flags_Of_Data(Get_Nachweisdaten(owner)) : 0;
}

uint32_t* Get_Check_Flags_Of_Data_Ex(const Nachweisdaten* record, uint32_t* words) {
    if (!words) return words;
    words[0] = Get_Check_Flags_Of_Data(record);
    words[1] = record && record->key == 214 ? 0x10000u : 0u;
    return words;
}

uint32_t* Get_Check_Flags_Of_Owner_Ex(const Nachweisdaten_Traeger* owner, uint32_t* words) {
    return Get_Check_Flags_Of_Data_Ex(owner ? Get_Nachweisdaten(owner) : nullptr, words);
}
