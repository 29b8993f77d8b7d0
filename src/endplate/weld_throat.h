// Throat sizing of the fillet welds of a bar or plate welded to an end
// plate: the smallest throat of a double fillet weld (or of n fillets) whose
// combined stress stays within the allowed one, and the sizing chains that
// split one or two loads onto two or three welds.
//
// Units cm, kN, kN/cm². The searches return 0 (a throat found, not above
// a_max), 1 (found but above a_max) or 2 (none found: after the message box
// "Achtung, Probleme bei der Schweißnahtberechnung", or for a weld without
// length or values that are not finite numbers, where the same message
// refuses the search). The trace streams are accepted and not written.
#ifndef ENDPLATE_WELD_THROAT_H
#define ENDPLATE_WELD_THROAT_H

#include <cstdio>

// Trials a = 0.3, 0.4, ... 2.9 cm of a double fillet weld of length l:
// sigma = F_sigma / (2 l a), tau = F_tau / (2 l a); the first a whose
// (sigma² + tau²)^1/2 is within sigma_allowed is taken with its stress.
// None: a_w = 3.0, sigma_w the stress of the last trial (0 for a refused
// search).
int Check_Schweissnaht_aw(double *a_w, double *sigma_w, FILE *trace, double l, double F_sigma,
                          double F_tau, double sigma_allowed, double a_max);
// The same for n fillets of length l from the trial a_0 on (a_0 above 0);
// none: a_w = the last trial + 0.1.
int Check_Schweissnaht_aw_n(double l, double a_0, double F_sigma, double F_tau, double sigma_allowed,
                            double a_max, int n, double *a_w, double *sigma_w, FILE *trace);

// The welds of a part of width A and thickness B (hole or chamfer d) under
// the force F: a_max = 0.7 t; with switch two welds, else three. When a
// search fails, all nine outputs are 0 and its result is returned.
int Size_Welds_Single_Load(double A, double B, double t, double d, double F, double sigma_allowed,
                           int switch_, double *a_1, double *a_2, double *a_3, double *sigma_1,
                           double *sigma_2, double *sigma_3, double *F_1, double *F_2, double *F_3,
                           FILE *trace);
// The same for the two loads P_1, P_2 (the smaller first): every weld keeps
// the larger throat of the two. Every search is made; the result is the
// worst of all searches (2 before 1 before 0).
int Size_Welds_Two_Loads(double A, double B, double t, double L_1, double L_2, double a_max,
                         double d, double P_1, double P_2, double sigma_allowed, int switch_,
                         double *a_1, double *a_2, double *a_3, double *sigma_1, double *sigma_2,
                         double *sigma_3, double *F_1, double *F_2, double *F_3, FILE *trace);

#endif
