// profil_reader: the end-plate library's look-up in PROFIL and the flat part
// lengths of a profile.
#include "profiles/profil_reader.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "base/cp850.h"
#include "platform/msgbox.h"
#include "profiles/profil_file.h"

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
        tc = 1.0;
        if (key[1] == '1') tc = key[2] == '4' ? 4.0 : 3.0;
        else if (10.0 * v[0] > 50.0) tc = Tb_Rule(key, 2.0);
        else if (key[1] == '5') tc = 1.5;
        else if (key[1] == '9') tc = 2.5;
        else tc = Tb_Rule(key, tc);
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
        static const struct {
            char digits[3];
            double first, second;
        } half_i[] = {{"32", 6.9, 31.0}, {"34", 7.3, 33.0}, {"36", 7.8, 35.0},
                      {"40", 8.6, 38.5}, {"45", 9.7, 43.5}, {"50", 10.8, 48.0}};
        first = 6.5, second = 29.5;
        for (const auto& row : half_i)
            if (key[4] == row.digits[0] && key[5] == row.digits[1]) first = row.first, second = row.second;
    }
    if (out1) *out1 = first;
    if (out2) *out2 = second;
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
