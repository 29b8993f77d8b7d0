// Fuzz target: what a damaged profile manager's database does to the outline
// models and section values built from its records. The input is read record
// by record with the database's reader; each record is turned into an outline
// model, shear areas, parametric, rolled and simple section values, a four-arc
// ellipse, a bar picture, a rolled-name parse and a contour of its values
// (the contour store closed, grouped, drawn and extruded). No picture may
// hold "nan" or "inf", and every search must end.
#include "fuzz_common.h"

#include <cmath>
#include <cstring>
#include <string>

#include "base/vesk.h"
#include "profiles/parametric_section_values.h"
#include "profiles/profile_catalogue.h"
#include "profiles/profile_contours.h"
#include "profiles/profile_display.h"
#include "profiles/profilmodell.h"
#include "profiles/rolled_profile_names.h"

namespace {

// Everything the picture writers wrote must be numbers.
void Check_Picture(FILE* f) {
    std::fflush(f);
    long n = std::ftell(f);
    std::rewind(f);
    std::string s(static_cast<size_t>(n > 0 ? n : 0), '\0');
    if (!s.empty() && std::fread(s.data(), 1, s.size(), f) != s.size()) __builtin_trap();
    if (s.find("nan") != std::string::npos || s.find("inf") != std::string::npos) __builtin_trap();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    fuzz::Quiet();
    FILE* in = fuzz::Stream(data, size);
    if (in == nullptr) return 0;
    FILE* out = std::tmpfile();
    ProfilDataEintrag r{};
    for (int n = 0; n < 8 && Read_ProfilData_Record(in, &r) == 1; n++) {
        // The reader leaves a record that disagrees with its own outline
        // without numbers; the builders below are fuzzed on the values as
        // stored (the corrections of the reader left out).
        std::memcpy(r.values, data + 200 * n + 44, sizeof r.values);
        const float* v = r.values;
        Profilmodell* m = Build_Profile_Model(&r);
        Free_Profilmodell(m);
        double w, vy, vz;
        Calc_Profil_Shear_Areas(&r, &w, &vy, &vz);
        Parametric_Section_Values p;
        Calc_Parametric_Section_Values(r.code % 14, v, 6, &p);
        Calc_Rolled_Section_Values(r.code % 14, v, v[4], v[5], 6, &p);
        double simple[20];
        Calc_Simple_Section_Values(r.code % 5 == 0 ? 99 : r.code % 5, v, simple, 20);
        double it;
        Calc_Rectangle_Torsion(&it, v[0], v[1]);
        double y, x, by, ax;
        if (v[5] > 0) Calc_Four_Arc_Ellipse(&y, &x, &by, v[4], v[5], &ax);
        Plot_Profile_Preview(out, &r, 0, 0, 10, 10);
        if (r.name != nullptr) {
            int index, series;
            Parse_Rolled_Profile_Name(&index, &series, r.name);
            double main_value, second;
            Get_Rolled_Profile_Table_Value(r.name, r.code % 10, r.flag6 % 5, &main_value, &second);
            char buffer[ROLLED_NAME_BUFFER];
            Format_Rolled_Profile_Name(r.field3 % 30, r.field0 % 12, buffer);
        }
        // A contour through pairs of values, arcs from the third of each
        // triple, given in the orientation the code asks for.
        Begin_Contour_Store(2, r.code % 3);
        Next_Contour();
        for (int i = 0; i + 2 < PROFILDATA_VALUE_COUNT / 2; i += 3) Add_Contour_Point(v[i], v[i + 1], v[i + 2]);
        Close_Contour(r.code % 2 ? 1 : -1);
        Next_Contour();
        for (int i = PROFILDATA_VALUE_COUNT / 2; i + 1 < PROFILDATA_VALUE_COUNT; i += 2)
            Add_Contour_Point(v[i], v[i + 1], 0);
        Close_Contour(-1);
        Finish_Contour_Store();
        Draw_Contour_Store_Plot(out, 0, 0, 10, 10);
        const double s[3] = {0, 0, 0}, e[3] = {1, 0, 0}, axes[9] = {1, 0, 0, 0, 1, 0, 0, 0, 1};
        Write_Contour_Extrusion(out, 1, s, e, axes);
    }
    Clear_Contour_Store();
    Mem_Free(__FILE__, __LINE__, "null", r.name);
    Mem_Free(__FILE__, __LINE__, "null", r.alias);
    Check_Picture(out);
    std::fclose(out);
    std::fclose(in);
    return 0;
}
