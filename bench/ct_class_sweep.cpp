// The classes of a grid of sections: catalogue profiles and typed ones of
// every family (double-T of unequal flanges and welds, welded and rolled,
// tees, channels, Z, boxes, hollow sections, angles) under N of either sign,
// M_y of either sign and M_z, through the section model's c/t check (class
// 2 and 3 utilisations), the record's classification and the weld
// program's check by class (elastic and plastic), a line a case with every
// number to six places, so that the lists of two builds can be compared
// line by line.
//     ct_class_sweep > list      (DATA names the folder of PROFIL and NAD)
// Built against the libraries of one build; its source needs only the
// public calls, so that it can be built against an earlier release's too.
#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

#include "codes/material.h"
#include "memberchecks/member_settings.h"
#include "memberchecks/section_class.h"
#include "memberchecks/xs_ct_check.h"
#include "memberchecks/xs_resistance.h"
#include "profiles/profile_switches.h"
#include "profiles/stahlprofil.h"
#include "thinwall/dwqb.h"

namespace {

struct Typed {
    int type;
    double h, t_w, b_o, t_o, b_u, t_u, a_o, a_u, r;
    double e_o = 0, e_u = 0;  // a box's overhangs
};

void Run(const std::string& name, const Stahlprofil& p, double f_y) {
    static const int opts[2] = {0, 0};
    const double A = p.A, h = p.h > 0 ? p.h : 100, b = std::max(p.b_fo, p.b_fu) > 0 ? std::max(p.b_fo, p.b_fu) : h;
    const double N_pl = A * f_y / 1e3, M_ref = 0.3 * A * f_y * h / 4 / 1e6;
    for (double n : {-0.5, -0.15, 0.0, 0.15, 0.5})
        for (double s : {1.0, -1.0})
            for (double rho : {0.0, 0.1, -0.1, 0.5, -0.5}) {
                const double N = n * N_pl, M_y = s * M_ref, M_z = rho * M_ref * b / h;
                double U2 = -1, U3 = -1, U_rec = -1;
                Calc_XS_Ct_Check(&p, 1.0, 1, 0, 0, 1, N, M_y, M_z, 0, 0, 0, 0, 0, &U2, nullptr, 0);
                Calc_XS_Ct_Check(&p, 1.0, 1, 0, 0, 0, N, M_y, M_z, 0, 0, 0, 0, 0, &U3, nullptr, 0);
                int web = -9;
                const int cls = Classify_Section(&p, -1000 * N, -1e6 * M_y, -1e6 * M_z, 1.0, 1, 0, nullptr, nullptr,
                                                 &web, 2, &U_rec, nullptr, 0, nullptr);
                std::printf("%s | N %.3f M_y %.3f M_z %.3f | model %.6f %.6f | record %d %d %.6f", name.c_str(), N,
                            M_y, M_z, U2, U3, cls, web, U_rec);
                for (int mode : {1, 0}) {
                    double o[8] = {-1, -1, -1, -1, -1, -1, -1, -1};
                    const unsigned bits = Calc_XS_Resistance_Check(&p, 1.0, opts, 1, mode, N, M_y, M_z, 0, 0, 0, 0, 0,
                                                                   &o[0], &o[1], &o[2], &o[3], &o[4], &o[5], &o[6],
                                                                   &o[7], nullptr, 0);
                    std::printf(" | %s %#x %.6f %.6f %.6f", mode ? "plastic" : "elastic", bits, o[0], o[1], o[2]);
                }
                std::printf("\n");
            }
}

}  // namespace

int main() {
    DWQB_Erweitert = DWQB_Alle_Linien = 1;
    Set_Check_Mode(2);
    Invalidate_Profil_DWQB_Cache();
    const char* catalogue[] = {"IPE100",   "IPE200",      "IPE300",        "IPE400",     "IPE600",    "HE200A",
                               "HE400A",   "HE1000A",     "HE300B",        "HE600B",     "HE300M",    "HE900B",
                               "HE1000AA", "HD400X400X463", "W310X310X342", "IPN200",     "IPN400",    "U100",
                               "U200",     "U300",        "1/2IPE300",     "1/2IPE600",  "1/2I300",   "L100X10",
                               "L150X100X10", "MSH200X100X5.6", "MSH120X120X10.0", "C150X51X12.2"};
    const int grades[] = {0, 2, 7};
    for (const char* name : catalogue)
        for (int g : grades) {
            Stahlprofil p;
            Init_Profile(&p);
            Default_Material_Params(&p.material);
            p.material.grade = g;
            if (Init_Profile_From_Name(&p, name) != 0) {
                std::printf("%s: not in the catalogue\n", name);
                break;
            }
            Check_Material_Params(&p.material, Get_Profile_Max_Dimension(&p), nullptr, 0, nullptr);
            Run(std::string(name) + " grade " + std::to_string(g), p, p.material.f_y);
        }
    std::vector<Typed> typed;
    const double flanges[][4] = {{200, 16, 200, 16}, {150, 45, 200, 20}, {200, 20, 150, 45},
                                 {300, 25, 200, 12}, {250, 12, 300, 30}, {400, 50, 250, 20}};
    const double welds[][2] = {{0, 0}, {5, 5}, {4, 8}, {8, 3}};
    for (double h : {300.0, 600.0, 1000.0})
        for (const auto& f : flanges)
            for (double t_w : {6.0, 11.6})
                for (const auto& w : welds) typed.push_back({PROFILTYP_I, h, t_w, f[0], f[1], f[2], f[3], w[0], w[1], 0});
    const Typed others[] = {
        {PROFILTYP_I, 400, 9, 200, 14, 200, 14, 0, 0, 21},       {PROFILTYP_I, 600, 11.6, 150, 45, 200, 20, 0, 0, 24},
        {PROFILTYP_H, 300, 11, 300, 19, 300, 19, 0, 0, 27},      {PROFILTYP_I, 500, 10, 300, 30, 200, 16, 0, 0, 18},
        {PROFILTYP_T, 300, 10, 200, 20, 0, 0, 5, 0, 0},          {PROFILTYP_T, 80, 8, 160, 10, 0, 0, 4, 0, 0},
        {PROFILTYP_T, 260, 12, 250, 45, 0, 0, 0, 0, 18},         {PROFILTYP_HALB_I, 150, 7.1, 150, 10.7, 0, 0, 0, 0, 15},
        {PROFILTYP_C, 400, 12, 120, 45, 0, 0, 0, 0, 0},          {PROFILTYP_C, 76, 4.3, 35, 6.9, 0, 0, 0, 0, 0},
        {PROFILTYP_U, 300, 10, 100, 15, 0, 0, 0, 0, 15},         {PROFILTYP_Z, 160, 8, 70, 11, 0, 0, 4, 6, 0},
        {PROFILTYP_KASTEN, 300, 10, 200, 15, 200, 15, 0, 0, 0},  {PROFILTYP_KASTEN, 600, 10, 300, 30, 300, 15, 0, 0, 0},
        {PROFILTYP_RECHTECK, 160, 6.3, 80, 6.3, 80, 6.3, 0, 0, 9.45}, {PROFILTYP_L, 100, 20, 100, 20, 0, 0, 0, 0, 0},
    };
    typed.insert(typed.end(), std::begin(others), std::end(others));
    // boxes with overhangs, of equal and unequal flanges, sloped webs, thin
    // and thick plates, an overhang beyond its class 3 limit
    const Typed boxes[] = {
        {PROFILTYP_KASTEN, 300, 10, 200, 15, 200, 15, 0, 0, 0, 20, 20},
        {PROFILTYP_KASTEN, 600, 10, 200, 30, 200, 15, 0, 0, 0, 50, 50},
        {PROFILTYP_KASTEN, 400, 8, 250, 12, 250, 25, 0, 0, 0, 30, 0},
        {PROFILTYP_KASTEN, 500, 6, 300, 8, 240, 8, 0, 0, 0, 100, 60},
        {PROFILTYP_KASTEN, 200, 20, 150, 40, 150, 40, 0, 0, 0, 75, 75},
        {PROFILTYP_KASTEN, 800, 12, 400, 40, 300, 20, 0, 0, 0, 50, 25},
        {PROFILTYP_KASTEN, 600, 10, 200, 20, 300, 30, 0, 0, 0, 0, 40},
        {PROFILTYP_KASTEN, 400, 10, 300, 10, 300, 10, 0, 0, 0, 150, 0},
    };
    typed.insert(typed.end(), std::begin(boxes), std::end(boxes));
    for (const Typed& t : typed)
        for (int g : {2, 7}) {
            Stahlprofil p;
            Init_Profile(&p);
            p.type = t.type, p.h = t.h, p.t_w = t.t_w, p.b_fo = t.b_o, p.t_fo = t.t_o;
            p.b_fu = t.b_u > 0 ? t.b_u : t.b_o, p.t_fu = t.t_u > 0 ? t.t_u : t.t_o;
            p.a_o = t.a_o, p.a_u = t.a_u, p.rolled = t.r > 0, p.r_1 = t.r, p.b_ueo = t.e_o, p.b_ueu = t.e_u;
            Default_Material_Params(&p.material);
            p.material.grade = g;
            if (Calc_Profile_Cross_Section(&p, nullptr, 0, nullptr) != 0) {
                std::printf("type %d h %g: refused\n", t.type, t.h);
                continue;
            }
            char name[200];
            std::snprintf(name, sizeof name, "typed %d h %g t_w %g top %gx%g bottom %gx%g a %g/%g r %g grade %d", t.type,
                          t.h, t.t_w, t.b_o, t.t_o, p.b_fu, p.t_fu, t.a_o, t.a_u, t.r, g);
            if (t.e_o > 0 || t.e_u > 0)
                std::snprintf(name + std::strlen(name), sizeof name - std::strlen(name), " overhangs %g/%g", t.e_o, t.e_u);
            Run(name, p, p.material.f_y);
        }
    return 0;
}
