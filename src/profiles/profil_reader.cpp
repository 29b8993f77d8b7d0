// profil_reader: the end-plate library's look-up in PROFIL and the flat part
// lengths of a profile.
#include "profiles/profil_reader.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "base/cp850.h"
#include "base/textio.h"
#include "platform/msgbox.h"
#include "profiles/catalogue_ties.h"
#include "profiles/profil.h"
#include "profiles/profil_file.h"
#include "profiles/profile_catalogue.h"

Profil_Masse_First Profil_Dimensions_First;
Profil_Masse_Second Profil_Dimensions_Second;
double Profil_Part_Fields[8];
double Profil_Part_Lengths[8];

namespace {

// A message box of the lines, unless the program runs without a window.
void Profil_Message(const char* title, const char* const* lines, int count) {
    if (VEK_Batch_Mode()) return;
    Init_Message();
    if (title) Set_Message_Title(title);
    for (int i = 0; i < count; i++) Fill_Message("%s", lines[i]);
    Draw_Message();
}

// The T-section rule of wide-flange tees ("TB" names).
double Tb_Rule(const char* key, double tc) {
    if (key[0] != 'T' || key[1] != 'B') return tc;
    if (key[2] == '3') return 1.5;
    if (key[2] == '6') return 2.5;
    return 2.0;
}

// The web tip radius (mm) of a T of the file by its key: T1.. 3 (T14.. 4),
// deeper than 50 mm 2 (TB by the TB rule), T5.. 1.5, T9.. 2.5, else 1 (TB
// by the TB rule); h_cm the record's depth.
double T_Tip_Radius(const char* key, double h_cm) {
    if (key[1] == '1') return key[2] == '4' ? 4.0 : 3.0;
    if (10.0 * h_cm > 50.0) return Tb_Rule(key, 2.0);
    if (key[1] == '5') return 1.5;
    if (key[1] == '9') return 2.5;
    return Tb_Rule(key, 1.0);
}

// The half sections of the narrow I beams: their toe radius and where the
// root fillet ends (mm) by the beam's depth; the first row's, the 300's,
// is every other's too.
struct Half_I_Row {
    int depth;
    double toe, root_end;
};
constexpr Half_I_Row kHalfI[] = {{300, 6.5, 29.5},   {320, 6.9, 31.0}, {340, 7.3, 33.0}, {360, 7.8, 35.0},
                                 {400, 8.6, 38.5},   {450, 9.7, 43.5}, {500, 10.8, 48.0}};

}  // namespace

Profil_Look_Up Look_Up_Profil(char shape, const char* name, char* key, ProfilRecord* record) {
    FILE* file = Open_Profil_File(std::getenv("DATA"));
    if (!file) {
        static const char* const lines[] = {"Fehler:", "Die Profildatei kann nicht", "geöffnet werden!"_cp};
        Profil_Message(nullptr, lines, 3);
        return PROFIL_LOOK_UP_NO_FILE;
    }
    Profil_Key(name, key);
    // A designation has at most 15 characters: a longer name is none of the
    // file's, not the one its first 15 spell.
    size_t length = name ? std::strlen(name) : 0;
    while (length > 0 && name[length - 1] == ' ') length--;
    const long found = length <= PROFIL_KEY_LENGTH ? Find_Profil_Record(file, key, record) : -1;
    std::fclose(file);
    if (found < 0) {
        static const char* const lines[] = {"Es können nur Profile aus dem"_cp, "historischen Bestand übernommen werden!"_cp};
        Profil_Message("Warnung: Profildatenbank", lines, 2);
        return PROFIL_LOOK_UP_NOT_FOUND;
    }
    const char letter = record->code[PROFIL_CODE_BYTES - 1];
    if (shape != ' ' && shape != letter) {
        const char* line = shape == 'D' ? "Erwarte Doppel-T-Querschnitt" : shape == 'L' ? "Erwarte Winkelprofil" : "???";
        Profil_Message("Fehler bei der Profilübernahme"_cp, &line, 1);
        return PROFIL_LOOK_UP_OTHER_SHAPE;
    }
    return PROFIL_LOOK_UP_FOUND;
}

int Read_Profil_from_File(char shape, char* name, int name_size, double* out1, double* out2, double* t_coefficient,
                          int* half_section, int* narrow_i) {
    char key[PROFIL_KEY_LENGTH + 1];
    ProfilRecord record;
    const Profil_Look_Up look_up = Look_Up_Profil(shape, name, key, &record);
    if (look_up == PROFIL_LOOK_UP_NO_FILE) return 0;
    int half = 0, narrow = 0;
    double tc = 0.0;
    if (key[0] == '1') {
        half = 1;
        if (key[3] == 'I' && key[4] != 'P') narrow = 1;
    } else if (key[0] == 'I' && key[1] != 'P') {
        narrow = 1;
    } else if (key[0] == 'T') {
        tc = 1.0;
        if (key[1] == '1') tc = key[2] == '4' ? 4.0 : 3.0;
        else if (key[1] == '5') tc = 1.5;
    }
    if (half_section) *half_section = half;
    if (narrow_i) *narrow_i = narrow;
    if (t_coefficient) *t_coefficient = tc;
    if (look_up == PROFIL_LOOK_UP_NOT_FOUND) return 0;
    const float* v = record.values;
    if (key[0] == 'T') {
        tc = T_Tip_Radius(key, v[0]);
        if (t_coefficient) *t_coefficient = tc;
    }
    if (look_up == PROFIL_LOOK_UP_OTHER_SHAPE) return 0;
    if (name && name_size >= 1) {
        int n = std::min(name_size - 1, static_cast<int>(PROFIL_KEY_LENGTH));
        std::memcpy(name, key, static_cast<size_t>(n));
        name[n] = '\0';
    }
    double first = 10.0 * v[26], second = 10.0 * v[27];
    if (key[0] == 'C') {
        first = std::min(10.0 * v[26], 10.0 * v[25]);
        second = std::max(10.0 * v[27], 10.0 * (static_cast<double>(v[26]) + v[3]));
    }
    if (half && narrow) {
        first = kHalfI[0].toe, second = kHalfI[0].root_end;
        for (const Half_I_Row& row : kHalfI)
            if (key[4] == '0' + row.depth / 100 && key[5] == '0' + row.depth / 10 % 10)
                first = row.toe, second = row.root_end;
    }
    if (out1) *out1 = first;
    if (out2) *out2 = second;
    return 1;
}

Profil_Look_Up Look_Up_Catalogue_Record(const char* name, ProfilRecord* record) {
    if (Is_Profile_Manager_Available() != 1) {
        char key[PROFIL_KEY_LENGTH + 1];
        return Look_Up_Profil(' ', name, key, record);
    }
    // The manager's record, as the section model and the Eurocode road
    // take it: a PROFIL beside the manager is not the catalogue in use and
    // decides nothing.
    char key[64];
    Copy_Trimmed(name ? name : "", key, sizeof key, 3);
    char code[PROFIL_CODE_SIZE] = {};
    if (Get_Profil_Values(key, record->values, code) != PROFIL_FROM_MANAGER) return PROFIL_LOOK_UP_NOT_FOUND;
    const ProfilDataEintrag* found = Find_Profile(key);
    if (!found) return PROFIL_LOOK_UP_NOT_FOUND;
    std::snprintf(record->name, sizeof record->name, "%-16.16s", key);
    std::snprintf(record->code, sizeof record->code, "   %c", static_cast<char>(found->type_letter));
    return PROFIL_LOOK_UP_FOUND;
}

namespace {

// The form a tee record has by its values: half of a beam whose flanges
// slope (the narrow I's, held to their beam's rows where it is one of
// theirs), a rolled T (web as thick as its flange, EN 10055: its flange and
// web sloped, its tip rounded by the radius its designation's rule gives
// its size), else half of a beam with parallel flanges.
void Tee_Form(const float* v, double slope, Profil_End_Form* form) {
    const double r_1 = std::max(static_cast<double>(v[25]), 0.0);
    if (slope > 0) {
        form->root_fillet_end = 10.0 * (v[27] - slope * r_1);
        const double depth = 20.0 * v[0];  // the beam's, mm
        for (const Half_I_Row& row : kHalfI)
            if (std::fabs(depth - row.depth) < 0.05)
                form->toe_radius = row.toe, form->root_fillet_end = row.root_end;
        return;
    }
    if (!(std::fabs(v[2] - v[3]) <= 0.005 * v[3])) return;
    // The designation of its size: T, or TB where it is twice as wide as deep.
    char key[32];
    std::snprintf(key, sizeof key, "%s%.0f", std::fabs(v[1] - 2.0 * v[0]) <= 0.01 * v[1] ? "TB" : "T", 10.0 * v[0]);
    form->half_section = 0;
    form->web_tip_radius = T_Tip_Radius(key, v[0]);
}

}  // namespace

int Read_Profil_End_Form(const char* name, Profil_End_Form* form) {
    if (!form) return 0;
    *form = Profil_End_Form{};
    ProfilRecord record;
    if (Look_Up_Catalogue_Record(name, &record) != PROFIL_LOOK_UP_FOUND) return 0;
    const char letter = record.code[PROFIL_CODE_BYTES - 1];
    const float* v = record.values;
    const double t_f = v[3], r_1 = std::max(static_cast<double>(v[25]), 0.0);
    // The slope the record's value 27 tells (the catalogue judged the record
    // with it): the flange's thickness where the root fillet begins (a
    // tee's at the web) against its nominal thickness at the run's start.
    double nominal = 0;
    double slope = catalogue::Reach_Slope(letter, v[1], v[2], t_f, r_1, v[27], &nominal);
    if (!(std::fabs(slope) >= 1e-3)) slope = 0;
    form->toe_radius = 10.0 * std::max(static_cast<double>(v[26]), 0.0);
    form->root_fillet_end = 10.0 * v[27];
    form->sloped_flanges = slope > 0;
    if (letter == 'U') {
        // Older files keep a channel's two radii in either order, and some
        // no reach beyond its toe: the toe takes the smaller radius, the
        // root fillet ends at least a toe radius below the flange's face.
        form->toe_radius = 10.0 * std::max(std::min(v[26], v[25]), 0.0f);
        form->root_fillet_end = 10.0 * std::max(static_cast<double>(v[27]), static_cast<double>(v[26]) + t_f);
    } else if (letter == 'T') {
        form->half_section = 1;
        Tee_Form(v, slope, form);
    }
    return 1;
}

void Get_Profil_Masse(int type, int catalogue, const char* name) {
    Profil_Masse_First d = Profil_Dimensions_First;
    if (d.b < 0.01) {
        const Profil_Masse_Second& s = Profil_Dimensions_Second;
        d = {s.b, s.h, s.t_f, s.t_w, s.r};
    }
    const double b = d.b, h = d.h, tf = d.t_f, tw = d.t_w, r = d.r;
    const double e = (b - tw) / 2 - r;
    double out1 = 0, out2 = 0;
    if ((type == 3 || type >= 6) && catalogue == 1) {
        // The whole name: one longer than a designation names no record
        // (not the one its first 15 characters spell).
        char key[64] = "";
        if (name) std::snprintf(key, sizeof key, "%s", name);
        double tc;
        int half, narrow;
        if (!Read_Profil_from_File(' ', key, sizeof key, &out1, &out2, &tc, &half, &narrow)) return;
        if (type != 3) out1 = out2 = 0;
    }
    double p[8] = {b, e, e, h - tf - r, h - tf - r, e, e, b};  // type 4 and every other type
    switch (type) {
    case 1: {
        double web = h - 2 * tf - 2 * r;
        double t1[8] = {b, e, e, web, web, e, e, b};
        std::copy(t1, t1 + 8, p);
        break;
    }
    case 2: {
        double t2[8] = {b - 3 * tw, h - 3 * tf, h - 3 * tf, b - 3 * tw, 0, 0, 0, 0};
        std::copy(t2, t2 + 8, p);
        break;
    }
    case 3: {
        double flat = b - tw - r - out1;
        double t3[8] = {b, flat, h, h - 2 * out2, flat, b, 0, 0};
        std::copy(t3, t3 + 8, p);
        break;
    }
    case 5: {
        double t5[8] = {h, h - tf - r, b - tw - r, b, 0, 0, 0, 0};
        std::copy(t5, t5 + 8, p);
        break;
    }
    case 7: {
        double t7[8] = {tw, h, h, tw, 0, 0, 0, 0};
        std::copy(t7, t7 + 8, p);
        break;
    }
    default:
        break;
    }
    std::copy(p, p + 8, Profil_Part_Fields);
    std::copy(p, p + 8, Profil_Part_Lengths);
}
