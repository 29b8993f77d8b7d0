// The weld program's steel profile record: kind, profile type, dimensions in
// mm, rolled or welded with root radii or welds, section values in mm-based
// units, grade and catalogue name. One lives in the connection record and one
// in every weld check record. The catalogue fills it by name
// (Load_Profile_Values in profile_catalogue.h).
#ifndef PROFILES_STAHLPROFIL_H
#define PROFILES_STAHLPROFIL_H

#include "codes/material.h"

enum { STAHLPROFIL_NAME_SIZE = 40 };  // 39 characters, blank-padded, and the terminator

struct Stahlprofil {
    int kind;  // 0 typed-in dimensions, 1 catalogue profile, 2 not computable here
    int type;  // 0 no profile, 1..17
    double h, t_w, b_fo, t_fo, b_fu, t_fu;
    double b_ueo, b_ueu;  // flange overhangs beyond the web (box section)
    int rolled;           // 1 rolled (root radii), 0 welded from plates
    double r_1, r_2;
    double a_o, a_u;  // weld throats at the upper and lower flange
    int weld_kind_top, weld_kind_bottom;
    int hot_finished;
    double h_w, c_o, c_u;
    double A_vy, A_vz, A, U;
    double y_s, z_s, y_M, z_M;
    double I_y, I_z, I_yz, I_T, I_w;
    double alpha;  // degrees
    double W_pl_y, W_pl_z;
    int symmetric;
    int manager_flag;
    Materialparameter_Record material;
    char name[STAHLPROFIL_NAME_SIZE];
};

#endif
