// Writes the input file of an example component with the program's own
// writer: make_input KIND LOADS FILE [EXTENT], KIND one of he280a, he280a-butt
// (the same joint fully penetrated), rhs, flat, din; LOADS the number of load cases (a fixed set of ten, repeated with a
// growing factor beyond ten); EXTENT the result extent of the print options
// (default 1, standard). DATA must name the directory of the profile file.
// Exit code 0 when the file was written; 2 for a command line it does not
// understand; 1 when the connection cannot be made (an annex or a profile
// that DATA does not give: DATA unset or wrong) or the file cannot be
// written.
// FILE is written whole or not at all: on failure nothing is left of it.
#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

#include "codes/nad.h"
#include "memberchecks/profile_section_model.h"
#include "platform/posix.h"
#include "weldapp/last_schweissnaht.h"
#include "weldapp/schweissnaht.h"

// Ten combinations of an end-plate joint of a column base or beam end
// (N, My, Mz, Vy, Vz, Mx in kN and kNm).
static const double kCases[10][6] = {
    {-450.0, 60.0, 0.0, 0.0, 40.0, 0.0},  {-300.0, 90.0, 0.0, 0.0, 60.0, 0.0}, {150.0, 45.0, 0.0, 0.0, 30.0, 0.0},
    {-200.0, 30.0, 12.0, 8.0, 20.0, 0.0}, {0.0, 110.0, 0.0, 0.0, 80.0, 0.0},   {-600.0, 0.0, 0.0, 0.0, 0.0, 0.0},
    {250.0, 0.0, 0.0, 0.0, 0.0, 0.0},     {-100.0, 75.0, 8.0, 6.0, 55.0, 1.5}, {50.0, 20.0, 20.0, 15.0, 15.0, 0.0},
    {-350.0, 95.0, 5.0, 4.0, 70.0, 0.5},
};

static int Write_Input(FILE* f, void* record) {
    return Write_Schweissnaht(f, static_cast<SchweissnahtAnschluss*>(record)) == SCHWEISSNAHT_TEXT_OK &&
                   Write_ACTIV_NADNAME_Entry(f) == 1
               ? VEK_WRITE_DONE
               : VEK_WRITE_FAILED;
}

int main(int argc, char** argv) {
    if (argc != 4 && argc != 5) {
        std::fprintf(stderr, "usage: %s he280a|he280a-butt|rhs|flat|din LOADS FILE [EXTENT]\n", argv[0]);
        return 2;
    }
    Install_Profile_Section_Model();
    const std::string kind = argv[1];
    const int loads = std::atoi(argv[2]);
    SchweissnahtAnschluss* r = &Schweissnaht_Anschluss;
    Default_Schweissnaht(r);
    // Partial factors of an annex that was not read are the recommended
    // values, not those the example is meant to carry.
    if (NAD_Load_Failed() || NAD_Unknown_Name()[0]) {
        std::fprintf(stderr, "%s: the annex \"%s\" cannot be read (is DATA the directory of the annex files?); %s "
                             "is not written\n",
                     argv[0], NAD_Load_Failed() ? NAD_Failed_Name() : NAD_Unknown_Name(), argv[3]);
        return 1;
    }
    Nahtbild* n = &r->naht;
    double scale = 1.0;
    if (kind == "he280a" || kind == "he280a-butt") {
        n->all_round = 1;
        n->a_w = n->a_w_fo = n->a_w_fu = 7.0;
        r->section_check = 1;
        if (kind == "he280a-butt") {  // the same joint fully penetrated
            n->weld_kind = 2;
            n->full_penetration = 1;
        }
    } else if (kind == "rhs") {
        Init_Profile_From_Name(&n->profile, "MSH160X80X6.3");
        n->all_round = 1;
        n->a_w = n->a_w_fo = n->a_w_fu = 5.0;
        n->contact_fraction = 0.0;
        scale = 0.2;
    } else if (kind == "flat") {
        Blech_Record bar;
        Clear_Plate(&bar);
        bar.t = 20.0;
        bar.b = 200.0;
        Copy_Material_Params(&n->material, &bar.material);
        Init_Profile_From_Plate(&bar, &n->profile);
        n->all_round = 0;
        n->contact_fraction = 0.0;
        scale = 0.1;
    } else if (kind == "din") {
        // DIN 18800: an HE200A welded all round to a 20 mm end plate.
        r->code_setting = 1;
        Init_Profile_From_Name(&n->profile, "HE200A");
        n->plate.t = 20.0;
        n->all_round = 1;
        n->a_w = n->a_w_fo = n->a_w_fu = 4.0;
        n->contact_fraction = 0.0;
        r->section_check = 1;
        scale = 0.25;
    } else {
        std::fprintf(stderr, "unknown kind %s\n", argv[1]);
        return 2;
    }
    // Weld table from the profile, throats of the kind.
    const int count = Get_Profile_Plate_Elements(&n->profile, n->length, n->number);
    n->weld_count = count > 0 ? count : 0;
    for (int k = 0; k < n->weld_count; ++k) n->throat[k] = kind == "flat" ? 6.0 : n->a_w;
    // A catalogue profile that could not be looked up has no dimensions: an
    // example of it would check nothing.
    if (Update_Weld_Layout(n, nullptr, 0) != 0 || n->weld_count == 0) {
        std::fprintf(stderr, "%s: the profile \"%.*s\" cannot be made (is DATA the directory of the profile file "
                             "PROFIL?); %s is not written\n",
                     argv[0], static_cast<int>(sizeof n->profile.name), n->profile.name, argv[3]);
        return 1;
    }
    r->print.ergebnisumfang = argc == 5 ? std::atoi(argv[4]) : 1;
    Alloc_Lasten(r, loads);
    for (int i = 0; i < r->load_count; ++i) {
        const double* c = kCases[i % 10];
        const double g = scale * (1.0 + 0.001 * (i / 10));
        Lastfall& l = r->loads[i];
        std::snprintf(l.name, sizeof l.name, "LK %d", i + 1);
        l.forces.N = c[0] * 1e3 * g;
        l.forces.M_y = c[1] * 1e6 * g;
        l.forces.M_z = c[2] * 1e6 * g;
        l.forces.V_y = c[3] * 1e3 * g;
        l.forces.V_z = c[4] * 1e3 * g;
        l.forces.M_x = c[5] * 1e6 * g;
    }
    if (VEK_Write_File_Replacing(argv[3], Write_Input, r) != VEK_WRITE_DONE) {
        std::fprintf(stderr, "%s: %s cannot be written (%s)\n", argv[0], argv[3], std::strerror(errno));
        return 1;
    }
    return 0;
}
