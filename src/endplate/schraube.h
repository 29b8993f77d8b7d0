// Bolt and steel-grade records of the end-plate and bolt connection library:
// a bolt by size, strength class, kind and hole clearance with the values
// derived from the library's tables, and one of the library's five
// structural steels (the Stahlsorte_Record lives beside the connection
// record in profiles/geschweisster_anschluss.h).
//
// Strengths are single-precision N/mm², diameters mm. The readers and
// writers return 0, or after the message box of the base library 101 (read
// error), 102 (write error) or 103 (data out of range); a refused record is
// left as it was.
#ifndef ENDPLATE_SCHRAUBE_H
#define ENDPLATE_SCHRAUBE_H

#include <cstdio>

#include "profiles/geschweisster_anschluss.h"

enum {
    SCHRAUBE_SIZES = 8,      // size index 0..7: M12 .. M36
    SCHRAUBE_CLASSES = 4,    // class index 0..3: 4.6, 5.6, 8.8, 10.9
    STAHLSORTE_GRADES = 5,   // grade index 0..4
    SCHRAUBE_KIND_NONE = -1, // no kind suffix
    SCHRAUBE_KIND_SL = 0,
    SCHRAUBE_KIND_SLV = 1,
    SCHRAUBE_KIND_GV = 2,
};
// The largest hole clearance a bolt record takes, mm (oversize holes
// included).
constexpr float SCHRAUBE_CLEARANCE_MAX = 10.0f;

struct Schraube_Record {
    int size;           // 0..7
    int klasse;         // strength class index 0..3
    int kind;           // -1 .. 2 (none, SL, SLV, GV)
    float clearance;    // hole clearance, mm (0.3 or less: a fitted bolt)
    float f_y_b, f_u_b; // of the class, N/mm²
    float d;            // shank diameter, mm
    float d_L;          // hole diameter, mm
    float d_s;          // diameter of the stress area, cm
    float F_v;          // preload, kN
    char size_name[4];  // "M12" ...
    char class_name[12];// "4.6", "8.8GVP", "10.9SLVP" ...
};

// One size of the library's bolt table.
struct Schraube_Groesse {
    const char *name;
    float d, d_L;       // mm
    float A_s;          // stress area, cm²
    float F_v;          // preload, kN
};
// One strength class.
struct Schraube_Klasse {
    const char *name;
    float f_y_b, f_u_b;
};
// One structural steel of the library.
struct Stahlsorte_Eintrag {
    const char *name;   // 19 characters, blank-padded
    float f_y, f_u, f_y_thick, E, G, nu;
};
extern const Schraube_Groesse Schrauben_Tabelle[SCHRAUBE_SIZES];
extern const Schraube_Klasse Schrauben_Klassen[SCHRAUBE_CLASSES];
extern const Stahlsorte_Eintrag Stahlsorte_Tabelle[STAHLSORTE_GRADES];

// 1 for a fitted bolt: a hole clearance of 0.3 mm or less (the stored
// single-precision 0.3 included).
inline int Fitted_Bolt(const Schraube_Record &bolt) { return 0.1 * bolt.clearance <= 0.03 + 1e-7; }

// Reads the four numbers of the text form (size, class, kind, clearance),
// each a whole word, and derives. 101 after "Lesefehler !!!" when one is
// missing or no number, 103 after "Datenfehler !!!" when one lies outside
// its range (a number beyond an int is never wrapped into it), is no whole
// number where one is due, or is not a finite decimal number; the message
// names the field. The record is left as it was.
int Read_Schraube(FILE *f, Schraube_Record *bolt);
// Writes "%d %d %d %.2f\n"; the record is never modified.
int Write_Schraube(FILE *f, const Schraube_Record *bolt);
// 1 when the size is above 7, the class above 3, the kind outside -1..2 or
// the clearance not a number from 0 to SCHRAUBE_CLEARANCE_MAX (indices
// compared unsigned); 0 otherwise. A null record gives 1.
int Check_Schraube(const Schraube_Record *bolt);
// Derives strengths, diameters, preload and names from the indices; 0. A
// record that fails the check is left as it was: 1.
int Update_Schraube(Schraube_Record *bolt);
// Stores the four values, then as Update_Schraube; 1 when the check
// failed (the values stay stored, nothing is derived), else 0.
int Set_Schraube(Schraube_Record *bolt, int size, int klasse, int kind, float clearance);

// Reads the grade index (a whole word) and fills the grade's values; 101
// or 103 with the messages of Read_Schraube, the record left as it was.
int Read_Stahlsorte(FILE *f, Stahlsorte_Record *grade);
// Writes "%d\n" with the grade index.
int Write_Stahlsorte(FILE *f, const Stahlsorte_Record *grade);
// 1 when the grade index (unsigned) is above 4, else 0; a null record gives 1.
int Check_Stahlsorte(const Stahlsorte_Record *grade);
// f_y, f_u, f_y for thick plates, E, G and the name of the index the record
// holds; 1 (nothing changed) when the index is above 4, else 0.
int Default_Stahlsorte(Stahlsorte_Record *grade);
// Stores the index, then as Default_Stahlsorte.
int Set_Stahlsorte(Stahlsorte_Record *grade, int index);

#endif
