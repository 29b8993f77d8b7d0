// Whether a plate-buckling verification is needed: the class of a profile or
// of its web against the class the verification method allows, the
// shear-buckling limit of a web plate, the c/t class of a plate part in
// uniform compression and the stiffener condition. Each writes one verdict
// line when a stream is given.
#ifndef MEMBERCHECKS_PLATE_BUCKLING_H
#define MEMBERCHECKS_PLATE_BUCKLING_H

#include <cstdio>

#include "profiles/stahlprofil.h"

// method: 0 elastic-elastic (class 3 allowed), positive elastic-plastic
// (class 2), negative no check. 1 when a more exact verification is
// required, else 0 (also for kind 2 and a negative method).
int Check_Plate_Buckling_Profile(const Stahlprofil* profile, int method, double N, double M_y, double M_z,
                                 double gamma_M0, FILE* stream, int level);
// As above, judged on the class of the web plate.
int Check_Plate_Buckling_Web(const Stahlprofil* profile, int method, double N, double M_y, double M_z,
                             double gamma_M0, FILE* stream, int level);
// 1 when h_p/t_p exceeds 72 epsilon/eta (eta of the active annex for f_y up
// to 460 N/mm², at most 1.0 above and 1.0 without an annex or for a factor
// below 1), else 0.
int Check_Shear_Buckling(double h_p, double t_p, double f_y, double E, FILE* stream, int level);
// The same for the plates of a profile that carry its shear forces (any
// unit; a force of 0 is none): the web between the flanges for V_z, the
// flanges (the walls between the webs of a tube or box) for V_y, the more
// slender one where two carry it; eta by the grade's nominal strength. A
// round bar, a circular tube and a section of the sibling program have none.
// 1 when a plate needs the shear-buckling verification, else 0. With a
// stream the line of each plate beyond the limit, with all non-zero also of
// those within it.
int Check_Profile_Shear_Buckling(const Stahlprofil* profile, double V_y, double V_z, FILE* stream, int level,
                                 int all);
// Class 1..4 of a part in uniform compression N (N), 0 when not checked.
int Check_Ct_Part_Compression(int kind, double c, double t, double f_y, double N, double gamma_M0, FILE* stream,
                              int level);
// 1 when the stiffener c x t under N is class 4, else 0.
int Check_Stiffener_Ct(double c, double t, double f_y, double unused, double N, double gamma_M0, FILE* stream,
                       int level);

#endif
