// dwqb_masque: hand-over of the computed thin-walled section to the general
// section model. Every line becomes an area group bounded by its plate
// outline, with a bilinear steel curve of its own and its warping ordinate
// as a linear field over the group; on that object the plastic limit state
// is evaluated for four bending directions.
//
// Units: the thin-walled model is in cm; the general section in m, with the
// stresses of the steel law in kN/m² for a law given in N/mm². Plastic moduli
// come back in cm³, bimoments over f_u in cm⁴.
//
// Two objects are kept program-wide, one per builder. Each is dropped and
// built anew when the thin-walled model differs from the one it was built
// from (nodes, lines, section values or the result tree), so that a changed
// or recalculated model never hands out the plastic values of the old one;
// Clear_DWQB_Model frees both.
#ifndef THINWALL_DWQB_MASQUE_H
#define THINWALL_DWQB_MASQUE_H

#include "section/section_model.h"
#include "section/stress_strain.h"
#include "thinwall/dwqb.h"

// One block of the summary: origin y, z (cm), direction angle, 1e6 x load
// factor (-1.0: not computed), neutral line point y, z (cm), neutral line
// angle, 1e6 x Mz / f_u, 1e8 x B / f_u, curvature k and w of the limit
// plane.
enum { DWQB_SUMMARY_BLOCKS = 8, DWQB_SUMMARY_WERTE = 11 };
struct DWQB_Summary {
    double block[DWQB_SUMMARY_BLOCKS][DWQB_SUMMARY_WERTE];
};

struct DWQB_Masque_Kontext {
    Querschnitt* querschnitt;
    Querschnittsgruppe* gruppe;
    Querschnittsknoten* erster;
    Querschnittsknoten* voriger;
    Spannungsdehnungslinie_Parameter material;
    int n_querschnitt, n_kurve, n_knoten, n_kante;
    double ym, zm;       // shear centre (cm)
    double E;            // sum of the exact integrals of omega² of the lines
    double Q;            // sum of the integrals of the planes squared
    double P[3];         // sums of the planes' integrals against 1, y, z
};

// 1 when the four directions were evaluated; 0 for a null out, when the
// builder is off, when building failed (now or before for this model).
int Build_DWQB_Masque(DWQB_Summary* out);
// in: f_y and E (kN/cm²), eps_u (per mille, 150 when <= 0), hardening
// ratio, residual stiffness value. The kept object for equal inputs and an
// unchanged model; null when off or when the build fails.
Querschnitt* Build_DWQB_Masque_Cached(const double in[5]);
// Sets the residual stiffness value of the curve preparation options (their
// bit 0 when it is above 0).
void Set_DWQB_Masque_Residual(Querschnitt* section, double value);
// The group of the line number in a built object; null for a null object.
Querschnittsgruppe* Find_DWQB_Masque_Gruppe(Querschnitt* section, int number);

// Callbacks of the result walk (context: DWQB_Masque_Kontext).
int DWQB_Masque_New_Querschnitt(DWQB_Teil* head, void* context);
int DWQB_Masque_Add_Line(DWQB_Schublinie* entry, void* context);
int DWQB_Masque_Finish_Warping(DWQB_Teil* head, void* context);
int DWQB_Masque_Add_Edge(double y_prev, double z_prev, double y, double z, double s_prev, double s,
                         void* context);

// Internal steps of Build_DWQB_Masque: both evaluations for one direction,
// and one evaluation (1: without the bimoment, 2: with it).
int Calc_DWQB_Summary_Direction(Querschnitt* section, double* block1, double* block2, double f_u,
                                double y, double z, double angle);
int Calc_DWQB_Summary_Block(Querschnitt* section, double* block, const Querschnitt_Kurvenoptionen* options,
                            double f_u, double y, double z, double angle, const double* factors,
                            int evaluation);

#endif
