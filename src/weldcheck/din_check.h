// The DIN 18800 check of the welded connection of a profile end to its end
// plate: the section values and stresses of the profile end, the section
// values and stresses of its fillet welds, their utilisations against the
// DIN strengths (sigma_R,d = f_y,k / gamma_M, tau_R,d = sigma_R,d / sqrt 3,
// sigma_w,R,d = alpha_w f_y,k / gamma_M with sigma_w,v = sqrt(sigma_perp² +
// tau_perp² + tau_par²)), the print block "Stahlprofil" of one load case,
// and the Eurocode blocks of the same library record.
//
// Everything works on the welded-connection record GeschweissterAnschluss
// (profiles/geschweisster_anschluss.h): the evaluation takes its input from
// the record, works out the geometry of the profile end and its welds from
// it (profiles/kehlnaht_geometry.h) and leaves every result, its status
// and its warnings in the record, which the print block shows. No result of
// one evaluation is kept outside the record; what depends on the connection
// alone (not on its forces) is kept for the next (Forget_Din_Profile_End).
//
// Units: dimensions in mm, section values in cm powers, forces in kN,
// moments in kNm in the record and kNcm in the formulas, stresses in kN/cm²
// inside the formulas and N/mm² in the record. Coordinates y, z of the
// evaluation: y = -x of the geometry, z = y of the geometry (from the face
// the drawing puts on top).
#ifndef WELDCHECK_DIN_CHECK_H
#define WELDCHECK_DIN_CHECK_H

#include <cstdio>

#include "profiles/geschweisster_anschluss.h"
#include "weldcheck/weld_notes.h"

enum {
    DIN_GRADE_OWN_VALUES = 14,   // grade code of own strengths
};

// Whether a part of the record (profile or end plate) is of own strengths
// (DIN_GRADE_OWN_VALUES) with an f_y,k above the highest grade of the DIN
// list (Get_Din_Own_F_Y_Max, 460 N/mm²): DIN 18800 gives its welds no
// alpha_w, and the evaluation checks the profile end without them (status
// word ANSCHLUSS_WELDS_NOT_CHECKED). 0 for null.
int Din_Welds_Beyond_The_List(const GeschweissterAnschluss* r);
// Why such welds are not checked, as the list says it: "DIN 18800 kennt
// keine Stahlsorte mit f_y,k > 460 N/mm²" (code page 850, with the list's
// markup).
const char* Din_Beyond_The_List_Text(void);

// The least throat of a fillet weld sqrt(max t) - 0.5 (mm) is let go for a
// throat of DIN_THICK_PART_THROAT mm where the thickest part joined is
// DIN_THICK_PART mm or more, as the Eurocode check applies it.
constexpr double DIN_THICK_PART = 30.0;
constexpr double DIN_THICK_PART_THROAT = 5.0;

// ---- section values and stresses of the profile end ------------------------

// Evaluates the profile end and its welds of the record for its forces and
// leaves everything in the record (its status and warnings too). -1 when a
// catalogue profile is not in the profile file (nothing after the look-up
// is computed); otherwise word 0 of the record's status (0 when the checks
// left no status; 1 for an input error, which also comes for a record whose
// family, strengths or sections cannot be evaluated or whose gamma_M lies
// outside NAD_FACTOR_MIN .. NAD_FACTOR_MAX). The forces act at the
// profile's centroid (of the outline of its end): the welds take N' with
// its lever to their centroid, and V_y and V_z with theirs, a torsion of
// the welds beside M_x. Never leaves a value in the record that is no
// number.
int Calc_Anschluss_Querschnitt(GeschweissterAnschluss* record);

// The evaluation keeps what depends on the connection alone (the profile
// taken over from the profile file, its section model, the geometry of the
// profile end) from one call to the next while the family, the catalogue
// flag, the names, the dimensions, radii and weld legs and the state of the
// profile file stay the same, and the weld line section of that profile end while
// its welds' input stays the same too. Forgets both, as at the start of the
// process. Never fails.
void Forget_Din_Profile_End(void);

// 1 when the record's input can be evaluated: dimensions (the radii r,
// r_inner and r_toe too) finite numbers of 0 to 10^6 mm (each 0 or at
// least 0.001 mm, the height at least 0.01 mm),
// plate thickness, the weld legs of a welded profile, throats and lengths
// finite numbers of 0 to 10^6 mm, and
// the forces and gamma_M finite numbers of at most 10^12. Else 0 (also for
// null); the evaluation then refuses the record as an input error.
int Din_Usable_Input(const GeschweissterAnschluss *record);

// Looks the name up in the profile file PROFIL under "DATA" (upper-cased,
// 15 characters, blank-padded or cut). shape ' ' takes any shape, else the
// record's type letter must equal it. On success returns 1, writes the
// upper-case 15-character key into name (which must hold 16 bytes) and the
// values h, b, t_f, t_w (mm), I_y, I_z, I_T (cm⁴), W_y, W_z (cm³), A (cm²)
// and r (mm). 0 when the file cannot be opened, the name is not there or
// the shape differs (a message outside batch mode; outputs unchanged).
int Read_Profil_from_File_2(char shape, char *name, double *h, double *b, double *t_f, double *t_w, double *I_y,
                            double *I_z, double *I_T, double *W_y, double *W_z, double *A, double *r);

// Section values of an I built of plates (mm in, cm powers out): flange
// widths b_u, b_o, web height h_w, flange thicknesses t_u, t_o, web
// thickness t_w. Outputs A, I_y, I_z, I_T, W_y bottom, W_y top, W_z, S_y,
// S_z and two flange values; any output may be null. A section without
// area or second moment gives zeros where a division would fail.
void Calc_I_Section_Values(double b_u, double b_o, double h_w, double t_u, double t_o, double t_w, double *A,
                           double *I_y, double *I_z, double *I_T, double *W_y_bottom, double *W_y_top, double *W_z,
                           double *S_y, double *S_z, double *S_f1, double *S_f2);

// ---- print blocks -------------------------------------------------------------

// The block "Stahlprofil" of one load case into the open table of the print
// list: the profile part when section_check is set, then the welds, the
// warnings and the verdict. Every utilisation above 1 is counted in
// Anschluss_Exceeded_Checks. Under the Eurocode setting of the record
// (grades.design_code 1) the two Eurocode blocks are printed instead. A null
// list or record prints nothing.
void Print_Stahlprofil(FILE *list, GeschweissterAnschluss *record, int pass_on, int section_check);

// Whether a plate of the profile end of the record's last evaluation lies
// beyond DIN 18800-1's limit of b/t (a tube's d/t) for its stresses, so
// that its buckling must be checked (Din_Buckling_Standard): 1 beyond, 0
// within (and for null).
int Din_Plate_Buckling_Check_Needed(const GeschweissterAnschluss *r);
// The standard of that buckling check for a profile of the family
// (ANSCHLUSS_*): DIN 18800-4 for a circular tube, whose wall is a shell,
// DIN 18800-3 for the plates of every other.
const char *Din_Buckling_Standard(int family);

// The utilisation of the welds of the record's last evaluation: the
// largest of U_w1 .. U_w3 and, of a full-penetration butt weld, of the
// weaker part it joins (base_metal.U). 0 for null.
double Din_Weld_Utilisation(const GeschweissterAnschluss *r);

// Whether the throats of the record's last evaluation break a limit of
// fillet welds with its throat checks on: a weld below its least throat
// (2 mm, sqrt(max t) - 0.5), or one above 0.7 t (0.7 d) of a part it joins
// that the block names. The block counts each in Anschluss_Exceeded_Checks;
// such a case is not verified. 1 broken, 0 not (and for null).
int Din_Throat_Limits_Broken(const GeschweissterAnschluss *r);

// The throat limits every weld of the record's last evaluation breaks, as
// notes with their values, by position (0 the weld all round or the ring),
// and the number the connection gives each position (its own where it
// gives none; 0 for the weld all round): the least throats always, the
// 0.7 t limits the block names. Nothing for null arrays; no notes for a
// null record.
void Din_Weld_Notes(const GeschweissterAnschluss *r, Weld_Notes notes[ANSCHLUSS_WELD_POSITIONS + 1],
                    int numbers[ANSCHLUSS_WELD_POSITIONS + 1]);

// The Eurocode blocks of the record (the library's EN 1993 mode; the DIN
// path never reaches them): the cross-section check of the profile with its
// report, returning the check's flags (or the section calculation's result
// when the block ends early), and the weld check with its report. The
// record's print level is settings[0].
int Print_Querschnittstragfaehigkeit(int detail, FILE *list, GeschweissterAnschluss *record, int pass_on);
void Print_Anschluss_Schweissnaehte(FILE *list, GeschweissterAnschluss *record, int pass_on);

// Torsion coefficients of a rectangle of side ratio n (I_T = alpha h b³,
// W_T = beta h b²); for n of 10000 or more the outputs are left as they are.
void Get_Rect_Torsion_Coefficients(double n, double *alpha, double *beta);

#endif
