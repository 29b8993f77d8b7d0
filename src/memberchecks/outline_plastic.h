// outline_plastic: the plastic resistance of a section's real outline - its
// polygons with sloped flanges, root fillets and rounded corners - to a
// normal force and the two bending moments, and the outline of a section
// record that has one here.
//
// The resistance is that of a fully plastic stress distribution with a
// straight neutral axis: the forces are carried when they lie within the
// set of all such resultants, and the utilisation is the reciprocal of the
// largest factor on all three forces that keeps them there. The section is
// cut into three bands across its depth (top flange, web, bottom flange),
// each with a strength of its own, so that a caller can reduce the yield
// strength of a band for the shear it carries.
//
// Units: mm, N, N·mm, N/mm². Axes as the section model's: y across, z down,
// about the outline's centroid; M_y = integral of sigma z, M_z = integral of
// -sigma y (tension positive). The outline of a channel has its web on the
// side of positive y, a tee its flange at the top.
//
// One outline is kept by the module (the last section asked for);
// single-threaded.
#ifndef MEMBERCHECKS_OUTLINE_PLASTIC_H
#define MEMBERCHECKS_OUTLINE_PLASTIC_H

#include <vector>

#include "profiles/catalogue_plausibility.h"
#include "profiles/profilquerschnitt.h"

enum { OUTLINE_TOP, OUTLINE_WEB, OUTLINE_BOTTOM, OUTLINE_BANDS };

enum Plastic_Outline_Kind {
    OUTLINE_NONE = 0,
    OUTLINE_SLOPED = 1,  // rolled double-T, tee or channel with sloped flanges: bounds the plate model
    OUTLINE_HOLLOW = 2,  // rectangular hollow section: checked on its outline alone
    // rolled double-T or tee with parallel flanges: bounds the plate model
    // where its plates hold more than the outline (the web plate reaches
    // into the flanges, on heavy sections more than the root fillets add)
    OUTLINE_ROOTS = 3,
};

struct Plastic_Outline {
    int kind;                                          // Plastic_Outline_Kind
    std::vector<Outline_Ring> bands[OUTLINE_BANDS];    // mm, about the centroid
    double A;                                          // mm²
    double h, b, t_w, t_f;                             // depth, width, web and flange (mm)
    double r_o, r_i;                                   // hollow: outer and inner corner radius (mm)
    double W_pl_y, W_pl_z;                             // plastic moduli of the outline (mm³)
    double band_A[OUTLINE_BANDS];                      // areas of the bands (mm²)
    // Shares of the outline's plastic normal force and moments about y and
    // z that count: below 1 where the catalogue publishes a smaller area or
    // plastic modulus than the polygons give, so that neither is exceeded.
    double k_catalogue[3];
};

// The outline of a section record: a catalogue profile with sloped flanges
// (double-T, tee, channel; its slope and radii from the catalogue record), a
// catalogue double-T or tee with parallel flanges, or a rectangular hollow
// section (from the catalogue or by its dimensions).
// Null for every other section, a turned one, or dimensions that make no
// outline. The record returned is the module's and stays until the next
// call with another section; the same section again is not built anew.
const Plastic_Outline* Get_Section_Outline(const Profilquerschnitt* section);

// Builds the outline of a rectangular hollow section h x b with webs t_w,
// flanges t_f and the corner radii. 0 when the dimensions make none.
int Build_Hollow_Outline(double h, double b, double t_w, double t_f, double r_o, double r_i, Plastic_Outline* outline);
// Builds the outline of a catalogue double-T ('D'), tee ('T') or channel
// ('U') as Catalogue_Outline describes it (mm), of the kind OUTLINE_SLOPED
// or, with parallel flanges, OUTLINE_ROOTS. 0 when it makes none. Both
// builders leave k_catalogue at 1.
int Build_Flanged_Outline(const Catalogue_Outline* catalogue, Plastic_Outline* outline);

// Whether plates of area A (mm²) and plastic modulus W_pl_y (mm³) may hold
// more than the outline somewhere: either comes within 1 % of the outline's
// (as far as the catalogue's values let it count) or beyond, so that a
// combination with them could reach past the outline. (About z the flanges
// are the outline's own and the fillets, further out than the web's part
// within the flanges, outweigh it wherever they outweigh it in area.)
bool Plates_Reach_Outline(const Plastic_Outline* outline, double A, double W_pl_y);

// The utilisation of N, M_y and M_z with band k at strength[k]: the
// reciprocal of the largest factor on the three forces that a fully plastic
// stress distribution of the outline carries. 0 without forces; 1000 when
// no band has a strength left (or for a null argument). Never more than
// 1e-6 below the exact value of the polygons, which never hold more than
// the outline.
double Calc_Outline_Utilisation(const Plastic_Outline* outline, const double strength[OUTLINE_BANDS], double N,
                                double M_y, double M_z);
// The plastic moment about y of the outline under N (a neutral axis across
// the depth; the outline symmetric about z), its bands at their strengths;
// 0 when N is beyond the section's plastic normal force.
double Calc_Outline_Moment_Y(const Plastic_Outline* outline, const double strength[OUTLINE_BANDS], double N);

// Shear and St. Venant torsion of a rectangular hollow section against its
// plastic shear resistance: the shear areas of a hollow section of uniform
// wall (A h/(b + h) and A b/(b + h)) or of a welded box (A - 2 b t_f and
// A - 2 (h - 2 t_f) t_w), the torsion's shear stress at the faces of the
// closed wall (the closed tube's W_T), the shear resistances reduced by it,
// and the reductions of the yield strength: (1 - rho) of the webs for V_z
// and of the flanges for V_y
// with rho = (2 V / V_pl,T - 1)² above half the resistance, times
// (1 - (tau_t / tau_Rd)²)^0.5 of every wall for the torsion.
struct Hollow_Shear {
    double A_vy, A_vz;          // mm²
    double tau_Rd, tau_t;       // N/mm²
    double V_pl_y, V_pl_z;      // kN, reduced for the torsion
    // Up to 1 the largest of V_y / V_pl_y, V_z / V_pl_z, tau_t / tau_Rd;
    // beyond, the reciprocal of the largest factor on the shear forces and
    // the torsion that the walls carry, tau_t / tau_Rd + V / V_pl with V_pl
    // unreduced (continuous where the quotients run up without bound).
    double U_V;
    int U_V_raised;             // 1 where U_V is that factor's reading, not the largest quotient
    double rho_y, rho_z, k_T;   // reductions
    double strength[OUTLINE_BANDS];  // N/mm²
};
// V in kN, T_t in kNm, f_yd in N/mm². 0 for a null argument or an outline
// that is not a hollow one (*shear then all zero).
int Calc_Hollow_Shear(const Plastic_Outline* outline, double f_yd, double V_y, double V_z, double T_t,
                      Hollow_Shear* shear);

// Shear and St. Venant torsion of a double-T's, tee's or channel's outline
// by the steel rules, for the strengths of its bands: the shear force of
// each direction over the shear area that carries it - V_z the web's, V_y
// the flanges' together, each in proportion to its area - with each plate's
// share of the torsion (by its b t^3) at its face; each band keeps (1 - rho)
// of the yield strength, rho = (2 u - 1)^2 above half its plastic shear
// resistance and 1 at it and beyond; the flange bands less what the part of
// the web's shear area that lies in them loses (the larger of the plates'
// and the area the outline's web band leaves of it), spread over them by
// area. The same forces give the same strengths whatever the moments: the
// bands' strengths follow the shear continuously, to none at the plastic
// shear resistance.
struct Open_Plates {
    double b[OUTLINE_BANDS], t[OUTLINE_BANDS];  // top flange, web, bottom flange (mm; a missing plate 0)
    double A_v_web, A_v_web_in_flanges, A_v_flanges;  // mm²; 0: the plates' own
};
struct Open_Shear {
    double u[OUTLINE_BANDS];         // shear stress over the shear strength, per plate
    double strength[OUTLINE_BANDS];  // N/mm²
};
// V in kN, T_t in kNm, f_yd in N/mm². 0 (and *shear all zero) for a null
// argument, a hollow outline, or plates without a web or flanges.
int Calc_Open_Shear(const Plastic_Outline* outline, const Open_Plates* plates, double f_yd, double V_y, double V_z,
                    double T_t, Open_Shear* shear);

// The utilisation of N (N) and the moments (N·mm) on the outline whose
// bands have the strengths the shear forces and the torsion leave them (as
// Calc_Open_Shear or Calc_Hollow_Shear give them; V in kN, T_t in kNm):
// up to 1 that of Calc_Outline_Utilisation at the strengths of the forces
// as they act; beyond, the reciprocal of the largest factor on all the
// forces together - N, the moments, the shear forces and the torsion, these
// two taking the strengths with them - at which the bands still carry N and
// the moments; so the value goes on continuously from 1 and never falls as
// any force grows, also where the shear or the torsion uses a band up (at
// the acting forces the value then ran up without bound, or stood still at
// what the other bands carry). 1000 for a null argument, an outline or
// plates the shear functions refuse, or no strength at all.
double Calc_Open_Outline_Utilisation(const Plastic_Outline* outline, const Open_Plates* plates, double f_yd, double V_y,
                                     double V_z, double T_t, double N, double M_y, double M_z);
double Calc_Hollow_Outline_Utilisation(const Plastic_Outline* outline, double f_yd, double V_y, double V_z, double T_t,
                                       double N, double M_y, double M_z);

// What a check took from the outline, for its report.
struct Outline_Result {
    int kind;            // Plastic_Outline_Kind of the outline used, 0 none
    double U;            // utilisation of the outline
    double U_plates;     // sloped, roots: the plate model's own utilisation
    double U_NM;         // hollow: of the normal force and the moments
    double f_yd;         // N/mm²
    double M_pl_N;       // hollow: plastic moment about y under N and shear (kNm)
    Hollow_Shear shear;  // hollow
    int U_NM_raised;     // hollow: U_NM beyond 1 from the load factor, not at the acting forces' strengths
    // sloped, roots: per band whether the acting shear and torsion alone
    // pass the plastic shear resistance of its plate (Open_Shear's u >= 1)
    int shear_spent[OUTLINE_BANDS];
};

#endif
