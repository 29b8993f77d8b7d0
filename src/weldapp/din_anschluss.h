// The DIN 18800 evaluation of one load case of the connection: the
// connection and the case handed over to the welded-connection library
// record, the section and weld checks of the profile end and the print
// block "Stahlprofil", and the two utilisations back into the case's
// result.
//
// It reads the application's own records; so it lives here, above the
// library's checks (weldcheck).
#ifndef WELDAPP_DIN_ANSCHLUSS_H
#define WELDAPP_DIN_ANSCHLUSS_H

#include <cstdio>

#include "profiles/geschweisster_anschluss.h"
#include "weldapp/schweissnaht.h"

// Evaluates the case whose six forces (N, Nmm) the result already holds,
// with the connection conn (the print working copy), and writes the block
// into the print list when list is given. Leaves U_sigma (entry 9: the
// largest utilisation of the profile end; not checked while the
// connection's cross-section check is off) and U_w (entry 11: of the
// welds, a full-penetration weld's also of the weaker part it joins) in
// the result; a value above 1 but below 1.001 is written as 1. Returns 0
// when the case was computed; 1 for a profile type the library does not
// handle (nothing is written, the result stays as it was) or an input
// error of the checks (a shear force no weld takes: U_w -1); -1 when a
// catalogue profile is missing from the profile file (" Fehler in der
// Profildatenbank!", U_w -1). A computed case whose welds break a throat
// limit (below a least throat; above 0.7 t with the throat checks on) keeps
// its utilisations and is marked limits_broken; every limit a weld breaks
// goes into the notes of the welds (Add_Weld_Notes). Writes no file; the
// connection and the library's records are never modified (the case is
// evaluated on a record of its own).
int Print_Zeichnung_und_Profil(const SchweissnahtAnschluss* conn, LastfallErgebnis* result, FILE* list);

// The connection conn and the case whose six forces (N, Nmm) the result
// holds, as the library's record r takes them (cleared first): gamma_M,
// the forces in kN and kNm, the contact share in per cent, grades, the
// welds at the positions of the faces they lie on (their numbers kept as
// their names), the profile's family and dimensions, the plate. 1 when the
// library's record describes the profile (Din_Profile_Described), else 0
// (the record then holds what was copied up to the type). Reads conn and e
// only.
int Din_Hand_Over(const SchweissnahtAnschluss* conn, const LastfallErgebnis* e, GeschweissterAnschluss* r);

// Whether the library's record describes the profile as it is: a family of
// its own, and for the I family flanges of one width and thickness (the
// record keeps one flange; an I with a narrower or thinner bottom flange
// would be checked as the symmetric section of its top flange, far above
// its real moduli). 0 also for null. The name of what it cannot describe
// goes into *why when given ("Profil nicht implementiert" or the unequal
// flanges).
int Din_Profile_Described(const Stahlprofil* p, const char** why);

// The standard the buckling check of the connection's profile goes by when
// a plate of it is beyond its b/t (Din_Buckling_Standard): "DIN 18800-4"
// for a circular tube, "DIN 18800-3" for any other profile (and for null).
const char* Din_Buckling_Standard_Of(const SchweissnahtAnschluss* conn);

// The partial factor gamma_M of the DIN check in the input protocol,
// "Materialsicherheitsbeiwert γ_M = ..." with the digits it has (two
// decimals at least), and the red failure marker when the check refuses
// it. Nothing for a null connection or list.
void Print_Din_Gamma_M(const SchweissnahtAnschluss* conn, FILE* list);

// 1 when the DIN check refuses the connection's gamma_M (outside
// NAD_FACTOR_MIN .. NAD_FACTOR_MAX, as the Eurocode checks refuse their
// factors), with its failure line into list when given; else 0. A null
// connection is refused.
int Check_Din_Gamma_M(const SchweissnahtAnschluss* conn, FILE* list);

// alpha_w of the fillet welds that the DIN check takes for the weld
// material m (the end plate's): the grade's own from the DIN catalogue, or
// for own strengths that of the listed grade of their f_y,k's band
// (Get_Din_Own_Alpha_w: 0.95 up to 240 N/mm², 0.80 up to 360, 0.60 up to
// 460, 0 above). 0.95 for null.
double Din_Fillet_Alpha_w(const Materialparameter_Record* m);
// Whether m is steel of own strengths (or stainless) whose f_y,k, as the
// DIN check takes it, lies above the highest grade of the DIN list
// (Get_Din_Own_F_Y_Max): DIN 18800 gives its welds no alpha_w. false for
// null.
bool Din_Material_Beyond_The_List(const Materialparameter_Record* m);
// Why the DIN check does not check the welds of the connection at all (the
// profile end it checks), when the profile's or the plate's material is
// beyond the DIN list: with the list's markup "f_y,k > 460 N/mm², kein
// alpha_w nach DIN 18800" (the final result's row), else as plain text
// (code page 850) "Schweißnähte: DIN 18800 kennt keine Stahlsorte mit fy,k
// > 460 N/mm²". Null when it checks them (and for a null connection or one
// under EC 3).
const char* Din_Welds_Refused(const SchweissnahtAnschluss* conn, bool markup);

// The material lines of the input protocol on the DIN path ("Material",
// then the grade, f_y,k up to 40 mm and above, alpha_w of the fillet
// welds): the strengths the DIN check takes, of the profile and the end
// plate, once when they agree. Nothing for a null connection or list.
void Print_Din_Materials(const SchweissnahtAnschluss* conn, FILE* list);

#endif
