// profilquerschnitt: the library cross-section record.
#include "profiles/profilquerschnitt.h"

#include <cctype>
#include <cmath>
#include <cstring>
#include <initializer_list>

#include "base/invariant.h"
#include "base/textio.h"
#include "profiles/profil.h"
#include "profiles/profil_dwqb_model.h"
#include "profiles/profile_invariants.h"
#include "profiles/qimport.h"

static_assert(static_cast<int>(PROFIL_MODEL_CORNER_VALUE) == static_cast<int>(WORK_SLOT_CORNERS) &&
                  static_cast<int>(PROFIL_MODEL_BOX_VALUE) == static_cast<int>(WORK_SLOT_BOX_FLANGE),
              "the model values' slots are the work record's");

namespace {

// At most 35 characters of source, terminated (a load case names its
// section again each time: no formatter for a copy).
void Copy_Name(char* target, const char* source) {
    const size_t n = source ? strnlen(source, PQ_NAME_SIZE - 1) : 0;
    std::memcpy(target, source ? source : "", n);
    target[n] = '\0';
}

void Drop_User_Section(Profilquerschnitt* r) {
    if (r->user_section) Ref_Sonderquerschnitt(r->user_section, -1);
    r->user_section = nullptr;
}

void Lerp(double* out, const double* a, const double* b, double t) {
    for (int k = 0; k < PQ_DIMENSIONS; k++) out[k] = a[k] * (1 - t) + b[k] * t;
}

// Generic set into the record slots of type.
void Slots_From_Generic(int type, const double* g, double* d) {
    for (int k = 0; k < PQ_DIMENSIONS; k++) d[k] = 0;
    switch (type) {
    case PQ_SHAPE_Q31: d[0] = g[3]; d[1] = g[2]; d[2] = g[1]; d[3] = g[0]; d[4] = g[6]; break;
    case PQ_SHAPE_Q23:
        d[0] = g[0]; d[1] = g[4]; d[2] = g[5]; d[3] = g[2]; d[4] = g[8]; d[5] = g[9]; d[6] = g[6]; d[7] = g[7];
        break;
    case PQ_SHAPE_Q24: d[0] = g[0]; d[1] = g[4]; d[2] = g[2]; d[3] = g[8]; d[4] = g[9]; d[5] = g[6]; d[6] = g[7]; break;
    case PQ_SHAPE_FLAT: d[0] = g[0]; d[1] = g[2]; break;
    case PQ_SHAPE_ROUND: d[0] = g[2]; break;
    case PQ_SHAPE_Q22: d[0] = g[0]; d[1] = g[4]; d[2] = g[5]; d[4] = g[9]; d[5] = g[8]; d[6] = g[2]; break;
    default: d[0] = g[0]; d[1] = g[1]; d[5] = g[3]; d[6] = g[2]; break;
    }
}

// Record slots of type into a generic set.
void Generic_From_Slots(int type, const double* d, double* g) {
    for (int k = 0; k < PQ_DIMENSIONS; k++) g[k] = 0;
    switch (type) {
    case PQ_SHAPE_Q31:
        g[0] = d[3]; g[1] = g[4] = d[2]; g[2] = d[1]; g[3] = g[8] = g[9] = d[0]; g[6] = g[7] = d[4]; g[5] = 2 * d[4];
        break;
    case PQ_SHAPE_Q23:
        g[0] = d[0]; g[1] = g[4] = d[1]; g[2] = d[3]; g[3] = g[8] = d[4]; g[5] = d[2]; g[6] = d[6]; g[7] = d[7];
        g[9] = d[5];
        break;
    case PQ_SHAPE_Q24:
        g[0] = d[0]; g[1] = g[4] = d[1]; g[2] = d[2]; g[3] = g[8] = d[3]; g[9] = d[4]; g[6] = d[5]; g[7] = d[6];
        g[5] = 2 * d[6];
        break;
    case PQ_SHAPE_FLAT:
        g[0] = g[1] = g[4] = d[0]; g[2] = g[3] = g[8] = g[9] = d[1]; g[6] = g[7] = 0.2 * d[0]; g[5] = 0.4 * d[0];
        break;
    case PQ_SHAPE_ROUND:
        g[2] = g[3] = g[8] = g[9] = d[0]; g[0] = g[1] = g[4] = 10 * d[0]; g[6] = g[7] = 2 * d[0]; g[5] = 4 * d[0];
        break;
    case PQ_SHAPE_Q22:
        g[0] = d[0]; g[1] = g[4] = d[1]; g[5] = d[2]; g[2] = d[6]; g[3] = g[8] = d[5]; g[9] = d[4];
        g[6] = g[7] = 0.2 * d[1];
        break;
    default:
        g[0] = d[0]; g[1] = d[1]; g[2] = d[6]; g[3] = d[5]; g[4] = d[1]; g[5] = 0.4 * d[1]; g[6] = g[7] = 0.2 * d[1];
        g[8] = g[9] = d[5];
        break;
    }
}

void Default_Generic(double* g) {
    const double defaults[PQ_DIMENSIONS] = {20, 10, 1, 1, 10, 10, 2, 2, 1, 1};
    for (int k = 0; k < PQ_DIMENSIONS; k++) g[k] = defaults[k];
}

// Generic set of a by-name record from the catalogue; the defaults for an
// unknown name. Returns the look-up result.
int Catalogue_Generic(const Profilquerschnitt* r, double* g) {
    float v[PROFIL_VALUES] = {};
    char code[PROFIL_CODE_SIZE] = {};
    const int number = Get_Profil_Values(r->name, v, code);
    if (number < 1) {
        Default_Generic(g);
        return number;
    }
    for (int k = 0; k < PQ_DIMENSIONS; k++) g[k] = 0;
    g[0] = v[0];
    g[1] = v[1];
    g[2] = v[2];
    g[3] = v[3];
    // The record's own family, not its name's first letter.
    const int family = Get_Profil_Family(r->name);
    if (family == PROFIL_FAMILY_Z) g[1] = (v[1] + v[2]) / 2.0;
    if (family == PROFIL_FAMILY_FLAT) {
        g[1] = v[2];
        g[2] = v[1];
        if (r->turned) {
            g[0] = v[1];
            g[2] = v[0];
        }
    }
    g[4] = g[5] = g[1];
    g[8] = g[9] = g[3];
    g[6] = g[7] = 2 * g[2];
    return number;
}

void Store_Main(double* d, const double* g) {
    d[0] = g[0];
    d[1] = g[1];
    d[5] = g[3];
    d[6] = g[2];
}

void Reset(Profilquerschnitt* r, int grade, int caller) {
    Drop_User_Section(r);
    Init_Profilquerschnitt(r);
    r->grade = grade;
    r->caller = caller;
}

}  // namespace

int Init_Profilquerschnitt(Profilquerschnitt* record) {
    if (!record) return 0;
    std::memset(record, 0, sizeof *record);
    record->grade = 5;
    record->caller = 110;
    record->series = 5;
    record->entry = 32;
    record->record_number = 311;
    record->reserved13 = 7319;
    record->reserved_values[0] = 180.0;
    record->reserved_values[1] = 1.0;
    Copy_Name(record->name, "IPE300");
    return 1;
}

// The family code of each shape, in the order of the shape codes.
static const int kFamilyOfShape[PQ_SHAPE_COUNT] = {
    PROFIL_FAMILY_I,     PROFIL_FAMILY_RHS,   PROFIL_FAMILY_U,   PROFIL_FAMILY_T,   PROFIL_FAMILY_L,
    PROFIL_FAMILY_Z,     PROFIL_FAMILY_TUBE,  PROFIL_FAMILY_Q31, PROFIL_FAMILY_Q23, PROFIL_FAMILY_Q24,
    PROFIL_FAMILY_FLAT,  PROFIL_FAMILY_ROUND, PROFIL_FAMILY_Q22,
};

int Profil_Family_Of_Shape(int shape) {
    if (shape == PQ_USER_SECTION) return PROFIL_FAMILY_USER;
    return shape >= 0 && shape < PQ_SHAPE_COUNT ? kFamilyOfShape[shape] : -1;
}

int Shape_Of_Profil_Family(int family) {
    for (int shape = 0; shape < PQ_SHAPE_COUNT; shape++)
        if (kFamilyOfShape[shape] == family) return shape;
    return -1;
}

int Set_Profilquerschnitt_By_Name(Profilquerschnitt* record, int grade, int caller, const char* name) {
    if (!record) return 0;
    Reset(record, grade, caller);
    if (name) {
        Copy_Name(record->name, name);
        Load_Profilquerschnitt_From_Catalogue(record);
    }
    return 1;
}

int Set_Profilquerschnitt_By_Dimensions(Profilquerschnitt* record, int grade, int caller, int type, int tapered,
                                        const double* start_set, const double* end_set) {
    if (!record) return 0;
    Reset(record, grade, caller);
    record->type = type;
    record->by_dimensions = 1;
    record->tapered = tapered != 0;
    if (start_set && end_set) Set_Profilquerschnitt_Generic_Dimensions(record, start_set, end_set);
    return 1;
}

int Set_Profilquerschnitt_By_User_Section(Profilquerschnitt* record, int grade, int caller, Sonderquerschnitt* section) {
    if (!record) return 0;
    Reset(record, grade, caller);
    record->type = PQ_USER_SECTION;
    if (section) {
        record->user_section = section;
        Ref_Sonderquerschnitt(section, 1);
    }
    return 1;
}

int Release_Profilquerschnitt(Profilquerschnitt* record) {
    if (!record) return 0;
    Drop_User_Section(record);
    return 1;
}

int Copy_Profilquerschnitt(Profilquerschnitt* target, const Profilquerschnitt* source) {
    if (!target || !source) return 0;
    if (target != source) *target = *source;
    Ref_Sonderquerschnitt(target->user_section, 1);
    return 1;
}

int Copy_Profilquerschnitt_At(Profilquerschnitt* target, const Profilquerschnitt* source, double t) {
    if (!Copy_Profilquerschnitt(target, source)) return 0;
    if (target->tapered) {
        double mid[PQ_DIMENSIONS];
        Lerp(mid, target->start, target->end, t);
        std::memcpy(target->start, mid, sizeof mid);
    }
    std::memcpy(target->end, target->start, sizeof target->end);
    return 1;
}

int Cut_Profilquerschnitt(Profilquerschnitt* record, double a, double b) {
    if (!record) return 0;
    if (!record->tapered) return 1;
    const bool a0 = std::fabs(a) <= 1e-6, b1 = std::fabs(b - 1) <= 1e-6;
    if (a0 && b1) return 1;
    double s[PQ_DIMENSIONS], e[PQ_DIMENSIONS];
    Lerp(s, record->start, record->end, a);
    Lerp(e, record->start, record->end, b);
    if (!a0) std::memcpy(record->start, s, sizeof s);
    if (!b1) std::memcpy(record->end, e, sizeof e);
    return 1;
}

int Load_Profilquerschnitt_From_Catalogue(Profilquerschnitt* record) {
    if (!record) return 0;
    double g[PQ_DIMENSIONS];
    record->record_number = Catalogue_Generic(record, g);
    if (!record->by_dimensions) {
        if (record->type != PQ_USER_SECTION) Store_Main(record->start, g);
    } else {
        Generic_From_Slots(record->type, record->start, g);
        Slots_From_Generic(record->type, g, record->start);
        if (record->tapered) {
            Generic_From_Slots(record->type, record->end, g);
            Slots_From_Generic(record->type, g, record->end);
        }
    }
    if (!(record->by_dimensions && record->tapered)) std::memcpy(record->end, record->start, sizeof record->end);
    return 1;
}

int Refresh_Profilquerschnitt(Profilquerschnitt* record) {
    if (record && !record->by_dimensions && record->type != PQ_USER_SECTION) Load_Profilquerschnitt_From_Catalogue(record);
    return 1;
}

int Get_Profilquerschnitt_Generic_Dimensions(const Profilquerschnitt* record, double* start_set, double* end_set) {
    if (!record || !start_set || !end_set) return 0;
    if (record->type == PQ_USER_SECTION) {
        Default_Generic(start_set);
    } else if (record->by_dimensions) {
        Generic_From_Slots(record->type, record->start, start_set);
        if (record->tapered) {
            Generic_From_Slots(record->type, record->end, end_set);
            return 1;
        }
    } else {
        Catalogue_Generic(record, start_set);
    }
    std::memcpy(end_set, start_set, sizeof(double) * PQ_DIMENSIONS);
    return 1;
}

int Set_Profilquerschnitt_Generic_Dimensions(Profilquerschnitt* record, const double* start_set, const double* end_set) {
    if (!record || !start_set || !end_set) return 0;
    if (!record->by_dimensions || record->type == PQ_USER_SECTION) {
        Store_Main(record->start, start_set);
    } else {
        Slots_From_Generic(record->type, start_set, record->start);
        if (record->tapered && record->type != PQ_SHAPE_TUBE) {
            Slots_From_Generic(record->type, end_set, record->end);
            return 1;
        }
    }
    std::memcpy(record->end, record->start, sizeof record->end);
    return 1;
}

int Get_Profilquerschnitt_Flat_Dimensions(const Profilquerschnitt* record, double t, double* first, double* second) {
    double a = 0, b = 0;
    int ok = 0;
    if (record && !record->by_dimensions && record->type != PQ_USER_SECTION &&
        Get_Profilquerschnitt_Type_Of_Name(record->name) == PQ_SHAPE_FLAT) {
        float v[PROFIL_VALUES] = {};
        char code[PROFIL_CODE_SIZE] = {};
        if (Get_Profil_Values(record->name, v, code) == record->record_number) {
            a = record->turned ? v[1] : v[0];
            b = record->turned ? v[0] : v[1];
            ok = 1;
        }
    } else if (record && record->by_dimensions && record->type == PQ_SHAPE_FLAT) {
        const double u = record->tapered ? t : 0;
        a = record->start[0] * (1 - u) + record->end[0] * u;
        b = record->start[1] * (1 - u) + record->end[1] * u;
        ok = 1;
    }
    if (first) *first = a;
    if (second) *second = b;
    return ok;
}

int Convert_Profilquerschnitt(const Profilquerschnitt* record, double t, Profil_Model_Descriptor* descriptor,
                              float* values, char* name_text) {
    WELD_CHECK_AT_EXIT(Check_Profile_Invariants());
    if (!record || !descriptor || !values || !name_text) return 0;
    double d[PQ_DIMENSIONS];
    if (record->tapered)
        Lerp(d, record->start, record->end, t);
    else
        std::memcpy(d, record->start, sizeof d);
    descriptor->grade = record->grade;
    descriptor->catalogue = 0;
    descriptor->family = PROFIL_FAMILY_VALUES;
    descriptor->section_kind = 0;
    if (record->type == PQ_USER_SECTION) {
        const int place = Get_Sonderquerschnitt_Index(record->user_section);
        if (place < 1) return 0;
        std::snprintf(name_text, PROFIL_MODEL_NAME_SIZE, "    #Q%06d", place);
        descriptor->family = PROFIL_FAMILY_USER;
        return 1;
    }
    if (record->by_dimensions) {
        descriptor->family = Profil_Family_Of_Shape(record->type);
        if (descriptor->family < PROFIL_FAMILY_I) return 0;
        float* v = values + PROFIL_MODEL_FIRST_SHAPE_VALUE;
        for (int k = 0; k < 8; k++) v[k] = 0;
        auto put = [v](std::initializer_list<double> list) {
            int k = 0;
            for (double x : list) v[k++] = static_cast<float>(x);
        };
        float* corner = values + PROFIL_MODEL_CORNER_VALUE;
        corner[0] = record->own_corners ? static_cast<float>(record->corners[0]) : 0;
        corner[1] = record->own_corners ? static_cast<float>(record->corners[1]) : 0;
        corner[2] = static_cast<float>(record->own_corners);
        values[PROFIL_MODEL_OUTER_CORNER_VALUE] = record->own_corners ? static_cast<float>(record->outer_corner) : 0;
        const bool box = record->type == PQ_SHAPE_Q24 && record->box_flange[0] > 0;
        for (int k = 0; k < 2; k++)
            values[PROFIL_MODEL_BOX_VALUE + k] = box ? static_cast<float>(record->box_flange[k]) : 0;
        switch (record->type) {
        case PQ_SHAPE_TUBE: put({d[0], 0, d[5]}); break;
        case PQ_SHAPE_Q31: put({d[2], d[0], d[4], 0, d[2], d[0], 2 * d[1], d[3]}); break;
        case PQ_SHAPE_Q23: put({d[2], d[5], d[6], d[7], d[1], d[4], 2 * d[3], d[0]}); break;
        case PQ_SHAPE_Q24: put({d[1], d[4], d[5], d[6], d[1], d[3], 2 * d[2], d[0]}); break;
        case PQ_SHAPE_FLAT: put({d[0], d[1]}); break;
        case PQ_SHAPE_ROUND: put({d[0], 0}); break;
        case PQ_SHAPE_Q22: put({d[0], d[5], d[4], d[6], d[1], d[2]}); break;
        default: put({d[0], d[1], d[6], d[5]}); break;
        }
        return 1;
    }
    // The sign of a turned section, three blanks and the name in 35
    // columns, cut or padded with blanks.
    static_assert(PROFIL_MODEL_NAME_SIZE == 4 + 35 + 1, "the name text's columns");
    name_text[0] = record->turned ? '-' : ' ';
    std::memset(name_text + 1, ' ', PROFIL_MODEL_NAME_SIZE - 2);
    std::memcpy(name_text + 4, record->name, strnlen(record->name, 35));
    name_text[PROFIL_MODEL_NAME_SIZE - 1] = '\0';
    descriptor->family = PROFIL_FAMILY_BY_NAME;
    descriptor->catalogue = record->record_number;
    return 1;
}

int Convert_Profilquerschnitt_At(const Profilquerschnitt* record, double t, Profil_Model_Descriptor* descriptor,
                                 float* values, char* name_text) {
    WELD_CHECK_AT_EXIT(Check_Profile_Invariants());
    if (!record || !descriptor || !values || !name_text) return 0;
    return Convert_Profilquerschnitt(record, t, descriptor, values, name_text);
}

int Setup_Profil_DWQB_From_Descriptor(const double* reference, const Profil_Model_Descriptor* descriptor,
                                      const float* values, const char* name_text, int mode) {
    WELD_CHECK_AT_EXIT(Check_Profile_Invariants());
    if (!descriptor || !values || !name_text) return 0;
    FILE* stream = descriptor->family == PROFIL_FAMILY_USER ? Open_VUVE_EIN("r") : nullptr;
    const int status = Setup_Profil_DWQB_Model(reference, descriptor, name_text, values, mode, stream, nullptr);
    if (stream) std::fclose(stream);
    return status <= 0;
}

int Setup_Profilquerschnitt_DWQB(const Profilquerschnitt* record, double t, const double* reference, int mode) {
    WELD_CHECK_AT_EXIT(Check_Profile_Invariants());
    if (!record) return 0;
    Profil_Model_Descriptor descriptor{};
    float values[PROFIL_MODEL_VALUE_COUNT] = {};
    char name_text[PROFIL_MODEL_NAME_SIZE] = "    ";
    if (!Convert_Profilquerschnitt(record, t, &descriptor, values, name_text)) return 0;
    return Setup_Profil_DWQB_From_Descriptor(reference, &descriptor, values, name_text, mode);
}

int Write_Profilquerschnitt(FILE* stream, const Profilquerschnitt* record) {
    if (!stream || !record) return 0;
    const int32_t words[10] = {record->by_dimensions, record->series, record->entry, record->tapered,
                               record->second_index, record->record_number, record->reserved10, record->turned,
                               record->reserved12, record->reserved13};
    if (std::fprintf(stream, "%d %d %d\n", record->type, record->grade, record->caller) < 0) return 0;
    for (int32_t w : words)
        if (std::fprintf(stream, " %d", w) < 0) return 0;
    if (std::fputs("\n", stream) < 0) return 0;
    for (const double* block : {record->reserved_values, record->start, record->end}) {
        for (int k = 0; k < PQ_DIMENSIONS; k++)
            if (std::fprintf(stream, " %lf", block[k]) < 0) return 0;
        if (std::fputs("\n", stream) < 0) return 0;
    }
    if (Write_Guillemet_String(stream, record->name) != 0) return 0;
    return std::fprintf(stream, "\n%d\n", Get_Sonderquerschnitt_Index(record->user_section)) >= 0;
}

int Read_Profilquerschnitt(FILE* stream, Profilquerschnitt* record) {
    if (!stream || !record) return 0;
    Profilquerschnitt r;
    Init_Profilquerschnitt(&r);
    int32_t words[10];
    if (std::fscanf(stream, " %d%d%d", &r.type, &r.grade, &r.caller) != 3) return 0;
    for (int32_t& w : words)
        if (std::fscanf(stream, " %d", &w) != 1) return 0;
    for (double* block : {r.reserved_values, r.start, r.end})
        for (int k = 0; k < PQ_DIMENSIONS; k++)
            if (std::fscanf(stream, " %lf", &block[k]) != 1) return 0;
    char name[GUILLEMET_NAME_SIZE];
    if (Read_Guillemet_Name(stream, name) < 1) return 0;
    Copy_Name(r.name, name);
    int place;
    if (std::fscanf(stream, " %d", &place) != 1) return 0;
    Sonderquerschnitt* section = place != 0 ? Get_Sonderquerschnitt_By_Index(place) : nullptr;
    if (!section && r.type == PQ_USER_SECTION && place != 0) return 0;
    r.by_dimensions = words[0];
    r.series = words[1];
    r.entry = words[2];
    r.tapered = words[3];
    r.second_index = words[4];
    r.record_number = words[5];
    r.reserved10 = words[6];
    r.turned = words[7];
    r.reserved12 = words[8];
    r.reserved13 = words[9];
    r.user_section = section;
    Ref_Sonderquerschnitt(section, 1);
    Drop_User_Section(record);
    *record = r;
    return 1;
}

int Change_Profilquerschnitt_Type(int type, Profilquerschnitt* record) {
    if (!record) return 0;
    double gs[PQ_DIMENSIONS], ge[PQ_DIMENSIONS];
    Get_Profilquerschnitt_Generic_Dimensions(record, gs, ge);
    if (type == PQ_USER_SECTION) {
        record->type = PQ_USER_SECTION;
        Store_Main(record->start, gs);
        return 1;
    }
    auto make_dimensioned = [&](int new_type) {
        if (new_type == PQ_SHAPE_TUBE) record->tapered = 0;
        record->by_dimensions = 1;
        record->type = new_type;
        Slots_From_Generic(new_type, gs, record->start);
        if (record->tapered)
            Slots_From_Generic(new_type, ge, record->end);
        else
            std::memcpy(record->end, record->start, sizeof record->end);
    };
    if (record->by_dimensions) {
        make_dimensioned(type);
        return 1;
    }
    const int s = record->series;
    int series;
    switch (type) {
    case PQ_SHAPE_I: series = (s == 3 || s == 4 || s == 5 || s == 7 || s == 9 || s == 12) ? s : 5; break;
    case PQ_SHAPE_RHS: series = 8; break;
    case PQ_SHAPE_CHANNEL: series = (s == 11 || s == 2) ? s : 2; break;
    case PQ_SHAPE_TEE: series = (s == 10 || s == 1) ? s : 10; break;
    case PQ_SHAPE_ANGLE: series = 6; break;
    case PQ_SHAPE_Z: series = 13; break;
    case PQ_SHAPE_TUBE:
        if (record->entry != PQ_ENTRY_NOT_IN_SERIES) {
            int d = record->entry < 0 ? 0 : record->entry > TUBE_DIAMETER_COUNT - 1 ? TUBE_DIAMETER_COUNT - 1 : record->entry;
            int w = record->second_index < 0 ? 0 : record->second_index > TUBE_WALL_COUNT - 1 ? TUBE_WALL_COUNT - 1 : record->second_index;
            char tube[TUBE_NAME_SIZE];
            Find_Round_Tube_Name(d, w, tube);
            record->entry = d;
            record->second_index = w;
            Copy_Name(record->name, tube);
        } else {
            record->series = 0x1000;
        }
        record->type = PQ_SHAPE_TUBE;
        Load_Profilquerschnitt_From_Catalogue(record);
        return 1;
    case PQ_SHAPE_FLAT:
        if (record->entry != PQ_ENTRY_NOT_IN_SERIES) {
            make_dimensioned(PQ_SHAPE_FLAT);
        } else {
            record->series = 0x1001;
            record->type = PQ_SHAPE_FLAT;
        }
        return 1;
    default: make_dimensioned(type); return 1;
    }
    if (record->entry != PQ_ENTRY_NOT_IN_SERIES && series >= 1 && series <= PROFIL_SERIES_COUNT) {
        const Profil_Series& table = Profil_Series_Table[series];
        int e = record->entry < 0 ? 0 : record->entry;
        if (e > table.count - 1) e = table.count - 1;
        if (e >= 0) Copy_Name(record->name, table.names[e]);
        record->entry = e;
    }
    record->tapered = 0;
    record->series = series;
    record->type = type;
    Load_Profilquerschnitt_From_Catalogue(record);
    return 1;
}

int Load_User_Sections(void) {
    const int read = Read_GRQ_File(-1);
    Write_VUVE_EIN();
    return read == 1 ? 1 : 0;
}

int Save_User_Sections(void) {
    Purge_Sonderquerschnitte();
    const int written = Write_GRQ_File(-1);
    Write_VUVE_EIN();
    return written == 1 ? 1 : 0;
}

int Edit_Profilquerschnitt_User_Section(Profilquerschnitt* record) {
    if (!record || record->type != PQ_USER_SECTION) return 0;
    Sonderquerschnitt* copy = nullptr;
    if (record->user_section) {
        copy = Copy_Sonderquerschnitt(record->user_section);
        if (!copy) return 1;
    }
    Sonderquerschnitt* result = Start_VUVE(1, copy);
    if (result) {
        result = Merge_Sonderquerschnitt(result);
        if (result != record->user_section) {
            Ref_Sonderquerschnitt(result, 1);
            Ref_Sonderquerschnitt(record->user_section, -1);
            record->user_section = result;
        }
    }
    Purge_Sonderquerschnitte();
    Write_VUVE_EIN();
    return 1;
}
