// Bolt and steel-grade records of the connection library.
#include "endplate/schraube.h"

#include <cmath>
#include <cstdlib>
#include <cstring>

#include "base/cp850.h"
#include "base/stored_text.h"
#include "endplate/input_limits.h"

const Schraube_Groesse Schrauben_Tabelle[SCHRAUBE_SIZES] = {
    {"M12", 12, 13, 0.843f, 50}, {"M16", 16, 17, 1.57f, 100}, {"M20", 20, 21, 2.45f, 160},
    {"M22", 22, 23, 3.03f, 190}, {"M24", 24, 25, 3.53f, 220}, {"M27", 27, 28, 4.59f, 290},
    {"M30", 30, 31, 5.61f, 350}, {"M36", 36, 37, 6.5f, 510}};

const Schraube_Klasse Schrauben_Klassen[SCHRAUBE_CLASSES] = {
    {"4.6", 240, 400}, {"5.6", 300, 500}, {"8.8", 640, 800}, {"10.9", 900, 1000}};

const Stahlsorte_Eintrag Stahlsorte_Tabelle[STAHLSORTE_GRADES] = {
    {" S235JR  (St37-2)  ", 240, 360, 215, 210000, 81000, 0.3f},
    {" S235JRG1 (USt37-2)", 240, 360, 215, 210000, 81000, 0.3f},
    {" S235JRG2 (RSt37-2)", 240, 360, 215, 210000, 81000, 0.3f},
    {" S235J0  (St37-3)  ", 240, 360, 215, 210000, 81000, 0.3f},
    {" S355J0  (St52-3)  ", 360, 510, 325, 210000, 81000, 0.3f}};

namespace {

// The clearance rounded to one decimal through its text form, as the
// records keep it.
float Rounded_Clearance(float clearance) {
    char text[64];
    std::snprintf(text, sizeof text, "%.1f", static_cast<double>(clearance));
    return static_cast<float>(std::strtod(text, nullptr));
}

void Derive(Schraube_Record* b) {
    const Schraube_Groesse& g = Schrauben_Tabelle[b->size];
    const Schraube_Klasse& k = Schrauben_Klassen[b->klasse];
    b->f_y_b = k.f_y_b;
    b->f_u_b = k.f_u_b;
    b->d = g.d;
    b->d_L = g.d_L;
    b->d_s = static_cast<float>(std::sqrt(4.0 * g.A_s * 0.3183098861837907));
    b->F_v = b->klasse == 2 ? 0.7f * g.F_v : g.F_v;
    std::snprintf(b->size_name, sizeof b->size_name, "%s", g.name);
    std::snprintf(b->class_name, sizeof b->class_name, "%s", k.name);
    if (b->kind == SCHRAUBE_KIND_NONE) return;
    if (b->kind < 2 || b->klasse < 2) {
        std::strcat(b->class_name, "SL");
        if (b->kind == SCHRAUBE_KIND_SLV) std::strcat(b->class_name, "V");
    } else {
        std::strcat(b->class_name, "GV");
    }
    // A hole of 0.3 mm clearance or less holds a fitted bolt.
    if (!(Rounded_Clearance(b->clearance) > 0.30001f)) std::strcat(b->class_name, "P");
}

}  // namespace

int Check_Schraube(const Schraube_Record* bolt) {
    if (!bolt) return 1;
    if (static_cast<unsigned>(bolt->size) >= SCHRAUBE_SIZES) return 1;
    if (static_cast<unsigned>(bolt->klasse) >= SCHRAUBE_CLASSES) return 1;
    if (bolt->kind < SCHRAUBE_KIND_NONE || bolt->kind > SCHRAUBE_KIND_GV) return 1;
    // A clearance that is not a number would reach the files as "nan".
    if (!(bolt->clearance >= 0.0f && bolt->clearance <= SCHRAUBE_CLEARANCE_MAX)) return 1;
    return 0;
}

int Update_Schraube(Schraube_Record* bolt) {
    if (Check_Schraube(bolt)) return 1;
    Derive(bolt);
    return 0;
}

int Set_Schraube(Schraube_Record* bolt, int size, int klasse, int kind, float clearance) {
    if (!bolt) return 1;
    bolt->size = size;
    bolt->klasse = klasse;
    bolt->kind = kind;
    bolt->clearance = clearance;
    if (Check_Schraube(bolt)) return 1;
    Derive(bolt);
    return 0;
}

int Read_Schraube(FILE* f, Schraube_Record* bolt) {
    if (!f || !bolt) return Read_Error_Message();
    // Every field within its range as it stands in the file: a number
    // beyond an int is refused, never wrapped into the table.
    static const Field_Limits FIELDS[4] = {{"Größe"_cp, 0, SCHRAUBE_SIZES - 1, true},
                                           {"Festigkeitsklasse", 0, SCHRAUBE_CLASSES - 1, true},
                                           {"Art", SCHRAUBE_KIND_NONE, SCHRAUBE_KIND_GV, true},
                                           {"Lochspiel", 0.0, SCHRAUBE_CLEARANCE_MAX, false}};
    double v[4];
    const int r = Read_Fields(f, "Schraube", FIELDS, 4, v);
    if (r) return r;
    Schraube_Record read = *bolt;
    read.size = static_cast<int>(v[0]);
    read.klasse = static_cast<int>(v[1]);
    read.kind = static_cast<int>(v[2]);
    read.clearance = static_cast<float>(v[3]);
    if (Check_Schraube(&read)) return Data_Error_Message();
    Derive(&read);
    *bolt = read;
    return 0;
}

int Write_Schraube(FILE* f, const Schraube_Record* bolt) {
    if (!f || !bolt) return Write_Error_Message();
    if (std::fprintf(f, "%d %d %d %.2f\n", bolt->size, bolt->klasse, bolt->kind,
                     static_cast<double>(bolt->clearance)) < 0)
        return Write_Error_Message();
    return 0;
}

int Check_Stahlsorte(const Stahlsorte_Record* grade) {
    return !grade || static_cast<unsigned>(grade->grade) >= STAHLSORTE_GRADES;
}

int Default_Stahlsorte(Stahlsorte_Record* grade) {
    if (Check_Stahlsorte(grade)) return 1;
    const Stahlsorte_Eintrag& e = Stahlsorte_Tabelle[grade->grade];
    grade->f_y = e.f_y;
    grade->f_u = e.f_u;
    grade->f_y_thick = e.f_y_thick;
    grade->E = e.E;
    grade->G = e.G;
    std::snprintf(grade->name, sizeof grade->name, "%s", e.name);
    return 0;
}

int Set_Stahlsorte(Stahlsorte_Record* grade, int index) {
    if (!grade) return 1;
    grade->grade = index;
    return Default_Stahlsorte(grade);
}

int Read_Stahlsorte(FILE* f, Stahlsorte_Record* grade) {
    if (!f || !grade) return Read_Error_Message();
    static const Field_Limits FIELD = {"Nummer", 0, STAHLSORTE_GRADES - 1, true};
    double index = 0;
    const int r = Read_Fields(f, "Stahlsorte", &FIELD, 1, &index);
    if (r) return r;
    Set_Stahlsorte(grade, static_cast<int>(index));
    return 0;
}

int Write_Stahlsorte(FILE* f, const Stahlsorte_Record* grade) {
    if (!f || !grade || std::fprintf(f, "%d\n", grade->grade) < 0) return Write_Error_Message();
    return 0;
}
