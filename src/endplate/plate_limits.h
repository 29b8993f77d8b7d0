// Limits of the slenderness b/t of plate parts after DIN 18800 for the
// elastic-elastic, elastic-plastic and plastic-plastic methods, and the
// check of the plate parts of a connected profile against them.
//
// Stresses in kN/cm², compression negative; f_y in N/mm²; lengths in cm.
// The limits are running minima of the caller: a routine lowers *limit
// when its limit is smaller and never raises it. Input that gives no limit
// (f_y not above 0, values that are not finite numbers, a gamma_M outside
// the plausible range of partial factors, which is also named in the
// message "Datenfehler !!!") sets it to 0, so that no part passes.
#ifndef ENDPLATE_PLATE_LIMITS_H
#define ENDPLATE_PLATE_LIMITS_H

// Edge cases of a plate part.
enum {
    BT_OUTSTAND_FREE_A = 0,   // outstand, edge a free (the tip), edge b supported
    BT_OUTSTAND_FREE_B = 1,   // outstand, edge a supported, edge b free
    BT_INTERNAL = 2,          // internal part, supported on both edges
};
// Methods.
enum { BT_ELASTIC = 0, BT_ELASTIC_PLASTIC = 1, BT_PLASTIC = 2 };

// The limit of one plate part with edge stresses sigma_a, sigma_b. A
// negative method takes the elastic stress ratio with the factors of the
// elastic-plastic method. An internal part of the plastic methods with
// edge stresses of opposite signs takes the compressed share of its width
// as alpha.
void Calc_Plate_Bt_Limit(int edge_case, double *limit, int method, double f_y, double sigma_a,
                         double sigma_b, double gamma_M);
// The same, except that it returns at once when both stresses are tension
// (above 0) whatever the method. The second argument is not read.
void Calc_Plate_Bt_Limit_2(int edge_case, int unused, double f_y, double sigma_a, double sigma_b,
                           double gamma_M, double *limit, int method);

// Profile types of the check.
enum { BT_I = 1, BT_TEE = 2, BT_CHANNEL = 3, BT_ANGLE = 4, BT_TUBE = 6, BT_BOX = 7 };

// The profile whose plate parts are checked: type BT_*, root radius r,
// flange widths and thicknesses, depth h and web thickness t_w (cm);
// area A (cm²) and the section moduli of the top fibre, about z and of the
// bottom fibre (cm³).
struct Profile_Bt_Section {
    int type;
    double r, b_o, t_o, b_u, t_u, h, t_w;
    double A, W_o, W_z, W_u;
};

// Groups of plate parts: the first flange (a channel's flanges, an angle's
// leg, a tube's wall), the web (a box's walls), the other flange.
enum { BT_GROUP_1, BT_GROUP_2, BT_GROUP_3, BT_GROUPS };

// The check of one profile: f_y (N/mm²), gamma_M, N (kN), M_y and M_z
// (kNcm), the method BT_*.
struct Profile_Bt_Input {
    Profile_Bt_Section section;
    double f_y, gamma_M;
    double N, M_y, M_z;
    int method;
};

// slenderness: of the part groups, 0 where a type has none. limit: the
// caller's running minima (it starts them, at 999 say), each lowered to its
// group's limit.
struct Profile_Bt_Result {
    double slenderness[BT_GROUPS];
    double limit[BT_GROUPS];
};

// The plate parts of a profile: the slenderness of its part groups and
// their limits. A section without area or with a part thickness the type
// needs that is not above 0, or input that gives no limit as above, cannot
// be checked: every slenderness 0 and every limit 0, so that no part passes.
void Check_Profile_Bt_Limits(const Profile_Bt_Input* input, Profile_Bt_Result* result);

// The same with the values one by one: bt_1 .. bt_3 the slenderness and
// lim_1 .. lim_3 the running limits of the three groups (null: not
// written). The two ints are not read.
void Calc_Profile_Bt_Limits(int type, double f_y, double gamma_M, double r, double b_o, double t_o,
                            double b_u, double t_u, double h, double t_w, double N, double M_y,
                            double M_z, double A, double W_o, double W_z, double W_u, int unused_1,
                            int unused_2, double *bt_1, double *bt_2, double *bt_3, double *lim_1,
                            double *lim_2, double *lim_3, int method);

#endif
