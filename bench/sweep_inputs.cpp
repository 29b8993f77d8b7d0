// Writes the input files of the layout sweep (bench/layout_sweep): every
// profile family, welded in every arrangement it offers, checked by both
// codes and both weld methods, at every result extent and at two picture
// scales. sweep_inputs DIR writes DIR/Wnnnnnn_01.INP and .TXT for each and
// DIR/manifest.txt, a line per component: its prefix and what it is.
// DATA must name the directory of the profile file and the annex files.
// Exit code 0 when every file was written; 1 otherwise (the console says
// which); 2 for a command line it does not understand.
#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <string>

#include "codes/nad.h"
#include "memberchecks/profile_section_model.h"
#include "platform/posix.h"
#include "weldapp/last_schweissnaht.h"
#include "weldapp/schweissnaht.h"

namespace {

struct Family {
    const char* name;
    const char* catalogue;  // a catalogue profile, else the sizes below
    int type;
    double h, t_w, b, t_f;
};

const Family kFamilies[] = {
    {"flat_200x20", nullptr, PROFILTYP_FLACH, 200, 20, 0, 0},
    {"flat_40x10", nullptr, PROFILTYP_FLACH, 40, 10, 0, 0},
    {"round_24", nullptr, PROFILTYP_RUND, 24, 0, 0, 0},
    {"round_60", nullptr, PROFILTYP_RUND, 60, 0, 0, 0},
    {"chs_168.3x8", nullptr, PROFILTYP_ROHR, 168.3, 8, 0, 0},
    {"chs_33.7x2.6", "R33.7X2.6", 0, 0, 0, 0, 0},
    {"IPE100", "IPE100", 0, 0, 0, 0, 0},
    {"IPE240", "IPE240", 0, 0, 0, 0, 0},
    {"HE280A", "HE280A", 0, 0, 0, 0, 0},
    {"I_300x8x150x12", nullptr, PROFILTYP_I, 300, 8, 150, 12},
    {"H_500x14.5x300x28", nullptr, PROFILTYP_H, 500, 14.5, 300, 28},
    {"T_80x8x160x10", nullptr, PROFILTYP_T, 80, 8, 160, 10},
    {"T_300x12x300x20", nullptr, PROFILTYP_T, 300, 12, 300, 20},
    {"half_I_150", nullptr, PROFILTYP_HALB_I, 150, 7.1, 150, 10.7},
    {"half_IPE300", "1/2IPE300", 0, 0, 0, 0, 0},
    {"U200", "U200", 0, 0, 0, 0, 0},
    {"U400", "U400", 0, 0, 0, 0, 0},
    {"C150X51X12.2", "C150X51X12.2", 0, 0, 0, 0, 0},
    {"C_76x4.3x35x6.9", nullptr, PROFILTYP_C, 76, 4.3, 35, 6.9},
    {"Z_160x8x70x11", nullptr, PROFILTYP_Z, 160, 8, 70, 11},
    {"Z_200x10x80x13", nullptr, PROFILTYP_Z, 200, 10, 80, 13},
    {"L60X6", "L60X6", 0, 0, 0, 0, 0},
    {"L100X10", "L100X10", 0, 0, 0, 0, 0},
    {"L150X100X10", "L150X100X10", 0, 0, 0, 0, 0},
    {"L_100x20", nullptr, PROFILTYP_L, 100, 20, 100, 20},
    {"MSH120X120X10.0", "MSH120X120X10.0", 0, 0, 0, 0, 0},
    {"RHS_160x80x6.3", nullptr, PROFILTYP_RECHTECK, 160, 6.3, 80, 6.3},
    {"box_300x10x200x15", nullptr, PROFILTYP_KASTEN, 300, 10, 200, 15},
};

// Load sets (N, M_y, M_z, V_y, V_z, M_x as shares of the strengths): three
// cases (axial force with bending and shear, the weak axis, torsion), and
// ten mixed combinations of a column base.
const double kThree[3][6] = {{-0.25, 0.25, 0, 0, 0.1, 0}, {0, 0, 0.4, 0.1, 0, 0}, {0.3, 0, 0, 0, 0, 0.02}};
const double kTen[10][6] = {
    {-0.3, 0.2, 0, 0, 0.05, 0},      {-0.2, 0.3, 0, 0, 0.08, 0},    {0.1, 0.15, 0, 0, 0.04, 0},
    {-0.15, 0.1, 0.1, 0.02, 0.03, 0}, {0, 0.35, 0, 0, 0.1, 0},       {-0.4, 0, 0, 0, 0, 0},
    {0.17, 0, 0, 0, 0, 0},           {-0.07, 0.25, 0.07, 0.01, 0.07, 0.01}, {0.03, 0.07, 0.17, 0.03, 0.02, 0},
    {-0.23, 0.3, 0.04, 0.01, 0.09, 0.005},
};

// How the profile is welded to the plate.
enum Arrangement { FILLET_ALL_ROUND, FULL_PENETRATION, PARTIAL_ALL_ROUND, FILLET_SINGLE, BUTT_SINGLE, FILLET_SOME };
const char* const kArrangementNames[] = {"fillet_all_round", "full_penetration", "partial_all_round",
                                         "fillet_single",    "butt_single",      "fillet_some"};

// The profile of the family into p; false when it cannot be made.
bool Make_Profile(const Family& f, Stahlprofil* p) {
    if (f.catalogue) return Init_Profile_From_Name(p, f.catalogue) == 0 && p->h > 0;
    Init_Profile(p);
    p->kind = STAHLPROFIL_KIND_DIMENSIONS, p->type = f.type, p->rolled = 0, p->r_1 = p->r_2 = 0;
    p->h = f.h, p->t_w = f.t_w, p->b_fo = p->b_fu = f.b, p->t_fo = p->t_fu = f.t_f;
    if (f.type == PROFILTYP_KASTEN) p->b_ueo = p->b_ueu = 20.0;
    return Calc_Profile_Cross_Section(p, nullptr, 0, "") == 0;
}

// The connection of one point of the grid into r; false when the family
// does not offer the arrangement (single welds of a round section).
bool Make_Connection(const Family& f, Arrangement a, int code, int method, int extent, double scale, int loads,
                     SchweissnahtAnschluss* r) {
    Default_Schweissnaht(r);
    Nahtbild* n = &r->naht;
    if (!Make_Profile(f, &n->profile)) return false;
    const bool round = n->profile.type == PROFILTYP_RUND || n->profile.type == PROFILTYP_ROHR;
    if (round && a >= FILLET_SINGLE) return false;
    n->plate.t = 20.0;
    n->a_w = n->a_w_fo = n->a_w_fu = 5.0;
    n->contact_fraction = 0.0;
    n->weld_kind = a == FULL_PENETRATION || a == PARTIAL_ALL_ROUND || a == BUTT_SINGLE ? 2 : 0;
    n->full_penetration = a == FULL_PENETRATION ? 1 : 0;
    n->all_round = a <= PARTIAL_ALL_ROUND ? 1 : 0;
    n->weld_count = std::max(0, Get_Profile_Plate_Elements(&n->profile, n->length, n->number));
    for (int k = 0; k < NAHT_SLOTS; ++k)
        n->throat[k] = k < n->weld_count && n->number[k] > 0 && (a != FILLET_SOME || k % 2 == 0) ? 5.0 : 0.0;
    if (Update_Weld_Layout(n, nullptr, 0) != 0) return false;
    r->code_setting = code;
    r->weld_method = method;
    r->section_check = 1;
    r->print.ergebnisumfang = extent;
    r->print.massstab = scale;
    // The load cases as shares of the section's elastic strengths: N of A
    // f_y, M_y and M_z of W f_y, V_y and V_z of A f_y / sqrt(3), M_x of
    // W_y f_y.
    const Stahlprofil& p = n->profile;
    const double f_y = 235.0;
    const double zmax = std::max(1.0, std::max(p.z_s, p.h - p.z_s));
    const double ymax = std::max(1.0, 0.5 * std::max({p.b_fo, p.b_fu, p.h}));
    const double W_y = p.I_y / zmax, W_z = p.I_z / ymax;
    const int count = loads == 0 ? 3 : 10;
    Alloc_Lasten(r, count);
    for (int i = 0; i < count; ++i) {
        const double* c = loads == 0 ? kThree[i] : kTen[i];
        Schnittkraefte& s = r->loads[i].forces;
        s.N = c[0] * p.A * f_y, s.M_y = c[1] * W_y * f_y, s.M_z = c[2] * W_z * f_y;
        s.V_y = c[3] * p.A * f_y / 1.732, s.V_z = c[4] * p.A * f_y / 1.732, s.M_x = c[5] * W_y * f_y;
        std::snprintf(r->loads[i].name, sizeof r->loads[i].name, "LK %d", i + 1);
    }
    return true;
}

int Write_Input(FILE* f, void* record) {
    return Write_Input_Text(f, static_cast<SchweissnahtAnschluss*>(record)) == SCHWEISSNAHT_TEXT_OK
               ? VEK_WRITE_DONE
               : VEK_WRITE_FAILED;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s DIR\n", argv[0]);
        return 2;
    }
    Install_Profile_Section_Model();
    const std::string dir = argv[1];
    FILE* manifest = std::fopen((dir + "/manifest.txt").c_str(), "w");
    if (!manifest) {
        std::fprintf(stderr, "%s/manifest.txt: %s\n", argv[1], std::strerror(errno));
        return 1;
    }
    int count = 0, failed = 0;
    static const int kExtents[] = {ERGEBNISUMFANG_AUSFUEHRLICH, ERGEBNISUMFANG_STANDARD, ERGEBNISUMFANG_TABELLARISCH};
    static const char* const kExtentNames[] = {"detailed", "standard", "tabular"};
    for (const Family& f : kFamilies)
        for (int a = FILLET_ALL_ROUND; a <= FILLET_SOME; ++a)
            for (int mode = 0; mode < 3; ++mode)  // EN simplified, EN directional, DIN
                for (int e = 0; e < 3; ++e)
                    for (int loads = 0; loads < 2; ++loads)
                    for (const double scale : {0.0, 10.0}) {
                        SchweissnahtAnschluss* r = &Schweissnaht_Anschluss;
                        if (!Make_Connection(f, static_cast<Arrangement>(a), mode == 2 ? 1 : 0, mode == 1 ? 1 : 0,
                                             kExtents[e], scale, loads, r))
                            continue;
                        char prefix[16];
                        std::snprintf(prefix, sizeof prefix, "W%06d", ++count);
                        const std::string base = dir + "/" + prefix + "_01";
                        FILE* txt = std::fopen((base + ".TXT").c_str(), "w");
                        const bool written = txt && std::fprintf(txt, "%s_01\nR\nsweep\n", prefix) > 0 &&
                                             std::fclose(txt) == 0 &&
                                             VEK_Write_File_Replacing((base + ".INP").c_str(), Write_Input, r) ==
                                                 VEK_WRITE_DONE;
                        if (!written) {
                            std::fprintf(stderr, "%s: cannot be written (%s)\n", base.c_str(), std::strerror(errno));
                            ++failed;
                        }
                        std::fprintf(manifest, "%s %s %s %s %s 1:%g %s\n", prefix, f.name, kArrangementNames[a],
                                     mode == 0 ? "EN_simplified" : mode == 1 ? "EN_directional" : "DIN",
                                     kExtentNames[e], scale, loads == 0 ? "three_cases" : "ten_cases");
                    }
    if (std::fclose(manifest) != 0) ++failed;
    std::fprintf(stderr, "%d components\n", count);
    return failed ? 1 : 0;
}
