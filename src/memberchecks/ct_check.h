// c/t check of one plate part of a steel cross-section: the class 1 to 4 of
// the part by its width-to-thickness ratio against the limits of the
// classification table, with the buckling factor k_sigma for outstands under
// a stress gradient and the raised class 3 limit for a compression stress
// below the yield strength; the material factor epsilon with its print text;
// and the elastic stress distribution over the flanges and the web of a
// steel profile that gives every part its compressed fraction alpha.
//
// Pure computations on the arguments; text goes to the print list only when
// a stream is given. No state.
#ifndef MEMBERCHECKS_CT_CHECK_H
#define MEMBERCHECKS_CT_CHECK_H

#include <cstdio>

#include "printlist/verdict.h"
#include "profiles/stahlprofil.h"

// Part kinds of Check_Ct_Part.
enum {
    CT_PART_INTERNAL = 0,  // also every value outside 1..4
    CT_PART_OUTSTAND = 1,
    CT_PART_TUBE = 2,      // c/t = d/t, limits in epsilon squared
    CT_PART_ANGLE_1 = 3,   // angle, larger of h/t and b/t
    CT_PART_ANGLE_2 = 4,   // angle, (b + h)/2t
};

// alpha of a part compressed over its whole width with equal end stresses.
#define CT_ALPHA_UNIFORM 1000.0

// epsilon = (235/f_y * E/210000)^0.5; 0 for f_y below 0.001 (nothing
// printed), E below 0.001 taken as 210000. With a stream the formula is
// written without a line break.
double Print_Epsilon(double f_y, double E, FILE* stream);

// A part's ratio r (c/t in units of eps_k, the factor its limits take: eps,
// or eps² of a tube) against the limit L of its class as the class lines
// print them: c/t = r eps_k against L eps_k, one comparison with the sign
// given, two places and more where they would make it false as printed
// (Compare_Pair).
Compared_Pair Ct_Limit_Pair(double r, const char* sign, double L, double eps_k);
// The limit's part of such a line: " sign L·ε<suffix> = L eps_k", L with
// the places of the pair's limit. Nothing for a null stream.
void Print_Ct_Limit(FILE* stream, const Compared_Pair& pair, double L, const char* suffix);

// The yield strength (N/mm2) of a plate of thickness t (mm) of the
// profile's material, as the material's thickness ranges give it: each
// plate is classed with its own. The profile's f_y where t is not positive
// or the material gives no strength for it. Never fails (0 for a null
// profile).
double Plate_Yield_Strength(const Stahlprofil* profile, double t);

// The clear width c of a wall of a rectangular hollow section (outer width
// outer, walls t_a and t_b at its ends, its own thickness t_own): at least
// outer - t_a - t_b - min(t_own, t_a, t_b), b - 3 t for equal walls, the
// flat width under the outer corner radius 1.5 t of a rolled section (the
// width within a smaller inner radius would be shorter than the part that
// buckles); c_record where that is larger (a welded box has no corner).
double Rhs_Clear_Width(double outer, double t_a, double t_b, double t_own, double c_record);

// The class (1 .. 4) of a ratio r against the limits of classes 1, 2, 3 in
// the same units: beyond the class 3 limit 4, else beyond the class 2 limit
// 3, else beyond the class 1 limit 2, else 1; a ratio on a limit (within the
// relative LIMIT_TOLERANCE) stays in the lower class.
int Ct_Class_Of(double r, const double L[3]);

// The verdict behind a utilisation just written as computed (with
// Utilisation_Digits_Without_Tolerance(U)): the comparison sign against 1,
// "1", the ok or not-ok marker, then the end of the markup; where the rule
// of Round_Utilisation counts U as 1, the verdict that says so
// (Utilisation_Verdict_Computed, without a tolerance: a c/t ratio has its
// class limit).
void Print_Utilisation_Verdict(FILE* stream, double U);

// Elastic stresses of the profile under N (compression positive, N) and the
// moments (Nmm): per part the compressed fraction alpha (0: no compression;
// 1000: uniform; negative for an outstand whose supported edge is the more
// compressed) and the largest compression stress (N/mm2, compression
// positive). Every output is set; the flange pointers may be null, the web
// pointers must not. Never fails.
void Calc_Alpha_Elastic(const Stahlprofil* profile, double* alpha_top, double* alpha_bottom, double N,
                        double M_y, double M_z, double* alpha_web, double* sigma_top, double* sigma_bottom,
                        double* sigma_web, FILE* stream);
// The compressed fractions of the same parts under the plastic stress
// blocks of the profile at its plastic moment resistance under N, the
// moments in the direction of M_y and M_z together (plastic_axis): on the
// outline of a rolled profile or the plates of a welded one, each plate's
// blocks at f_y (N/mm2) times its own yield strength over the profile's; a
// part on a principal axis (the web of a double-T, a tee's stem) under the
// worse of those and the blocks of the forces without the moment about that
// axis (Part_Plastic_Field). Where there is
// no such distribution (N alone, round sections, types without plates here,
// f_y not positive) the elastic alpha is given. Outputs as above; the
// stresses are the elastic ones.
// Never fails. With a stream, when a part's distribution has a gradient, a
// note says how alpha (classes 1 and 2) and psi (class 3) were found.
void Calc_Alpha_Plastic(const Stahlprofil* profile, double* alpha_top, double* alpha_bottom, double N, double M_y,
                        double M_z, double* alpha_web, double* sigma_top, double* sigma_bottom, double* sigma_web,
                        double f_y, FILE* stream);

// Whether no point of the profile's plates is in tension under N
// (compression positive, N) and the moments (Nmm) - a tension up to 1e-5
// f_y counts as none - while N compresses it; false for a type without a
// plate layout here unless N acts alone. Never fails.
bool Profile_In_Compression(const Stahlprofil* profile, double N, double M_y, double M_z);

// The class (1..4) of one part, or 0 when it is not checked (no compression,
// c/t/epsilon or alpha too small). U (may be null) gets (c/t)/(max c/t) of
// the target class (values above 3 count as 3; 0 or less: U = 0), counted
// by Round_Utilisation; a U that the rule counts as 1 gives the target
// class, not the next one (every other limit is strict). E = 0 means
// 210000; gamma_M0 = 0 or sigma_com = 0 leaves the class 3 limit as it is.
// part_name may be null.
int Check_Ct_Part(int kind, int target_class, double* U, double c_t, double f_y, double E, double alpha,
                  double sigma_com, double gamma_M0, FILE* stream, int level, const char* part_name);
// The same with the two distributions of the classification table: alpha
// (the elastic one) gives the stress ratio psi of the class 3 limit and the
// load text, alpha_pl (the plastic one, Calc_Alpha_Plastic) the compressed
// fraction of the class 1 and 2 limits. A distribution that does not
// compress the part sets no limit of its classes; the part is not checked
// (0) only when neither compresses it. Check_Ct_Part passes one alpha as
// both.
int Check_Ct_Part_Pl(int kind, int target_class, double* U, double c_t, double f_y, double E, double alpha,
                     double alpha_pl, double sigma_com, double gamma_M0, FILE* stream, int level,
                     const char* part_name);
// The same with U as computed beside it: U_computed (may be null) gets
// (c/t)/(max c/t) before the rule of Round_Utilisation counted a value just
// above 1 as 1 (U holds it counted). The lines show it as computed.
int Check_Ct_Part_Computed(int kind, int target_class, double* U, double* U_computed, double c_t, double f_y,
                           double E, double alpha, double alpha_pl, double sigma_com, double gamma_M0, FILE* stream,
                           int level, const char* part_name);

#endif
