// section_model: the general section object and its elements.
//
// A Querschnitt describes any cross-section as nodes (points of the section
// plane), edges (straight or arc connections of two nodes), stress-strain
// curves and groups (the stress-carrying parts: points with an area, areas
// bounded by edges, discs, lines of edges with a thickness). Every element
// begins with the same header, so numbering, reference counting, the mask
// file and the dumps treat all kinds alike.
//
// Units of the section model: m, kN, per mille and kN/m².
//
// Ownership: the section owns its four lists and every element in them.
// Elements refer to each other by pointer and count those references; the
// counts are informational, nothing is freed when one reaches 0, and freeing
// a section follows the lists, not the counts. All creators return null (and
// leave nothing allocated) on a null argument or a failed allocation.
#ifndef SECTION_SECTION_MODEL_H
#define SECTION_SECTION_MODEL_H

#include "base/ptrarr.h"

struct Querschnitt_Elementtyp {
    const char* name;     // long name printed in dumps
    const char* keyword;  // keyword of the mask file
    int kind;             // 4 section, 1 node, 2 edge, 0 curve, 3 group
};

// The five element kinds; shared, never freed.
extern const Querschnitt_Elementtyp Querschnitt_Typ;
extern const Querschnitt_Elementtyp Querschnittsknoten_Typ;
extern const Querschnitt_Elementtyp Querschnittskante_Typ;
extern const Querschnitt_Elementtyp Spannungsdehnungslinie_Typ;
extern const Querschnitt_Elementtyp Querschnittsgruppe_Typ;

struct Querschnitt_Element {
    const Querschnitt_Elementtyp* type;
    int number;    // the creator's number, 0 when none; may repeat
    int intern;    // given by the section on adding; unique within a section
    int refcount;  // holders of a reference to this element
};

struct Querschnittsknoten {
    Querschnitt_Element header;
    double y, z;    // as given
    double yt, zt;  // in the section's current placement
};

struct Querschnittskante {
    Querschnitt_Element header;
    int bogen;  // 1 when stich is not 0
    Querschnittsknoten* anf;
    Querschnittsknoten* end;
    double stich;  // rise of an arc over its chord, 0 for a straight edge
};

// The ten parameters of a stress-strain law (stresses kN/m², strains ‰).
struct Spannungsdehnungslinie_Parameter {
    double betaD;     // compressive strength
    double betaZ;     // tensile strength
    double epsD;      // strain at reaching betaD (negative)
    double epsZ;      // strain at reaching betaZ
    double epsu;      // limit strain
    double epsV;      // pre-strain
    double exponent;  // exponent of the rising branch
    double steigung;  // slope of the hardening branch
    double vkruemmung;  // pre-strain curvature
    double vrichtung;   // pre-strain direction (radians)
};

enum { SDL_SEGMENTE = 10 };

struct Spannungsdehnungslinie_Segment {
    double start;     // origin of x
    double end;       // the segment serves strains up to here
    double hilf1;     // negated tangent modulus at the start
    double hilf2;     // negated tangent modulus at the end
    double c, A, s, n;
    int kind;         // -1 empty
};

struct Spannungsdehnungslinie {
    Querschnitt_Element header;
    int typ;     // bits 0-14 law kind, 0x8000 built-in, bits 24-31 shape fkt
    char* name;  // own copy or null
    Spannungsdehnungslinie_Parameter p;
    // second curve: integrated once more with weight bezug_gewicht
    Spannungsdehnungslinie* bezug;
    int bezug_wort1;
    double bezug_gewicht;  // -1.0 when none was set
    int bezug_intern;      // internal number of bezug, for reading
    int bezug_wort2;
    // prepared state
    double ebene[4];       // the group's effective plane (angle, e0, k, w)
    double vordehnung[4];  // pre-strain plane (direction, strain, curvature, 0)
    int segment_count;
    Spannungsdehnungslinie_Segment seg[SDL_SEGMENTE];
};

struct Querschnittsgruppe_Eintrag {
    Querschnitt_Element* element;  // node (points) or edge (lines)
    double wert;                   // area or thickness
};

struct Querschnittsgruppe_Einstellung {
    int flag;        // non-zero: a load factor scales a steel-kind group
    double gewicht;  // scales the group's contribution to all integrals
};

struct Querschnittsgruppe_Feld {
    double a, b, c;      // field strain a + b y + c z
    unsigned int flags;  // 0x10000 active
};

enum { QG_PUNKTE = 0, QG_FLAECHE = 1, QG_KREIS = 2, QG_LINIEN = 3 };

struct Querschnittsgruppe {
    Querschnitt_Element header;
    int art;  // QG_*
    Spannungsdehnungslinie* kurve;
    PtrArr* liste;                 // kinds 0, 3: Eintrag*; kind 1: Querschnittskante*
    Querschnittsknoten* mitte;     // kind 2
    double radius;                 // kind 2
    Querschnittsgruppe_Einstellung einstellung;
    Querschnittsgruppe_Feld feld;
};

struct Querschnitt_Kurvenoptionen {
    unsigned int optionen;
    double wert;
};

// Section flags (see section_update.h for who sets and clears them).
enum {
    QS_KNOTEN_OK = 0x1,
    QS_GRENZEN_OK = 0x2,
    QS_KURVEN_OK = 0x4,
    QS_HUELLE_OK = 0x800,
    QS_STATISCH = 0x1000,
    QS_VORDEHNUNG = 0x2000,
    QS_BEREICH = 0x4000,
    QS_GRENZMODUS = 0x8000,
    QS_FELDER_GEPRUEFT = 0x10000,
    QS_FELDER_AKTIV = 0x20000,
};

struct Querschnitt {
    Querschnitt_Element header;
    int max_intern;  // largest internal number given out or met
    PtrArr* knoten;
    PtrArr* kanten;
    PtrArr* kurven;
    PtrArr* gruppen;
    double lage[3];             // y0, z0, angle
    double lage_berechnet[3];   // placement of the current transformed coordinates
    double arbeit0;
    double grenzen[4];          // lower/upper of compression-only, lower/upper of two-sided curves
    double arbeit[4];
    Querschnitt_Kurvenoptionen kurvenoptionen;
    unsigned int flags;
    int user_size;
    void* huelle;  // convex-hull cache, freed with the section (one block)
};

// ---- Creation and release ------------------------------------------------

// Section with four empty lists, placement 0, flags from the default word and
// user_size zeroed bytes behind it. Null on failure (nothing left allocated).
Querschnitt* New_Querschnitt(int number, int user_size);
// Frees the section, every element in its lists, the hull and the user area.
// Nothing for null or a section flagged static. Reference counts are not
// touched while freeing, so elements may refer to each other in any order.
void Free_Querschnitt(Querschnitt* section);

Querschnittsknoten* New_Querschnittsknoten(int number, double y, double z);
void Free_Querschnittsknoten(Querschnittsknoten* node);
int Set_Querschnittsknoten_Koordinaten(Querschnittsknoten* node, double y, double z);

// Null unless both nodes are given; counts both references.
Querschnittskante* New_Querschnittskante(int number, Querschnittsknoten* start,
                                         Querschnittsknoten* end, double stich);
void Free_Querschnittskante(Querschnittskante* edge);
int Set_Querschnittskante_Stich(Querschnittskante* edge, double stich);

// Null without a curve (and for the disc without a centre); count the curve.
Querschnittsgruppe* New_Querschnittsgruppe_Punkte(int number, Spannungsdehnungslinie* curve);
Querschnittsgruppe* New_Querschnittsgruppe_Flaeche(int number, Spannungsdehnungslinie* curve);
Querschnittsgruppe* New_Querschnittsgruppe_Linien(int number, Spannungsdehnungslinie* curve);
Querschnittsgruppe* New_Querschnittsgruppe_Kreis(int number, Spannungsdehnungslinie* curve,
                                                 Querschnittsknoten* centre, double radius);
// Drops every reference the group holds, frees its member records and itself.
void Free_Querschnittsgruppe(Querschnittsgruppe* group);
// Replaces the group's curve (old one dropped, new one counted); the same
// curve again changes nothing; 0 for a null group or curve.
int Set_Gruppe_Spannungsdehnungslinie(Querschnittsgruppe* group, Spannungsdehnungslinie* curve);

// Members. Each refuses (0 / null, no count changed) a null group or element
// and a group of another kind.
Querschnittsgruppe_Eintrag* Add_Punkt_To_Gruppe(Querschnittsgruppe* group,
                                                Querschnittsknoten* node, double area);
int Add_Kante_To_Flaeche(Querschnittsgruppe* group, Querschnittskante* edge);
Querschnittsgruppe_Eintrag* Add_Linie_To_Gruppe(Querschnittsgruppe* group,
                                                Querschnittskante* edge, double thickness);
int Get_Gruppe_Punkte_Count(const Querschnittsgruppe* group);
Querschnittsgruppe_Eintrag* Get_Gruppe_Punkt(const Querschnittsgruppe* group, int i);
int Get_Flaeche_Kanten_Count(const Querschnittsgruppe* group);
Querschnittskante* Get_Flaeche_Kante(const Querschnittsgruppe* group, int i);
// Whether an area group's edges close its outlines: every node ends an even
// number of them (an open outline encloses no area). False for a null edge.
bool Is_Flaeche_Outline_Closed(const Querschnittsgruppe* group);
int Get_Gruppe_Linien_Count(const Querschnittsgruppe* group);
Querschnittsgruppe_Eintrag* Get_Gruppe_Linie(const Querschnittsgruppe* group, int i);
int Set_Gruppe_Punkt_Flaeche(Querschnittsgruppe_Eintrag* member, double area);
int Set_Querschnittskreis_Radius(Querschnittsgruppe* group, double radius);

// ---- Element headers (element: any record that begins with a header) ----

void Init_Element(void* element, const Querschnitt_Elementtyp* type, int number, int references);
void Copy_Element_Header(void* dest, const void* src);
void Set_Element_Intern_Nummer(void* element, int intern);
void Element_Ref(void* element);
void Element_Unref(void* element);
int Get_Element_Refcount(const void* element);
int Get_Element_Nummer(const void* element);
int Get_Element_Intern_Nummer(const void* element);
const Querschnitt_Elementtyp* Get_Element_Typ(const void* element);

// Predicates for PtrArr_Find: the key is the integer cast to a pointer
// (intptr_t), or, for the identity, the element pointer itself.
int Cmp_Element_Nummer(const void* element, const void* key);
int Cmp_Element_Intern_Nummer(const void* element, const void* key);
int Cmp_Element_Identitaet(const void* element, const void* key);

// ---- The section's lists -------------------------------------------------
// Add: internal number below 1 gets the next one, a larger one raises the
// section's largest; appended; 1 when the element stands at the new last
// index. Remove_At hands the element back without freeing it. All give 0 or
// null for a null section; Index_Of gives -1 when absent.

int Add_Querschnittsknoten(Querschnitt* section, Querschnittsknoten* node);
Querschnittsknoten* Remove_Querschnittsknoten_At(Querschnitt* section, int i);
int Get_Querschnittsknoten_Count(const Querschnitt* section);
int Index_Of_Querschnittsknoten(const Querschnitt* section, const Querschnittsknoten* node);
Querschnittsknoten* Get_Querschnittsknoten(const Querschnitt* section, int i);
Querschnittsknoten* Find_Querschnittsknoten_Nummer(const Querschnitt* section, int number);
Querschnittsknoten* Find_Querschnittsknoten_Intern(const Querschnitt* section, int intern);

int Add_Querschnittskante(Querschnitt* section, Querschnittskante* edge);
Querschnittskante* Remove_Querschnittskante_At(Querschnitt* section, int i);
int Get_Querschnittskanten_Count(const Querschnitt* section);
int Index_Of_Querschnittskante(const Querschnitt* section, const Querschnittskante* edge);
Querschnittskante* Get_Querschnittskante(const Querschnitt* section, int i);
Querschnittskante* Find_Querschnittskante_Nummer(const Querschnitt* section, int number);
Querschnittskante* Find_Querschnittskante_Intern(const Querschnitt* section, int intern);

int Add_Spannungsdehnungslinie(Querschnitt* section, Spannungsdehnungslinie* curve);
Spannungsdehnungslinie* Remove_Spannungsdehnungslinie_At(Querschnitt* section, int i);
int Get_Spannungsdehnungslinien_Count(const Querschnitt* section);
int Index_Of_Spannungsdehnungslinie(const Querschnitt* section, const Spannungsdehnungslinie* curve);
Spannungsdehnungslinie* Get_Spannungsdehnungslinie(const Querschnitt* section, int i);
Spannungsdehnungslinie* Find_Spannungsdehnungslinie_Nummer(const Querschnitt* section, int number);
Spannungsdehnungslinie* Find_Spannungsdehnungslinie_Intern(const Querschnitt* section, int intern);

int Add_Querschnittsgruppe(Querschnitt* section, Querschnittsgruppe* group);
Querschnittsgruppe* Remove_Querschnittsgruppe_At(Querschnitt* section, int i);
int Get_Querschnittsgruppen_Count(const Querschnitt* section);
int Index_Of_Querschnittsgruppe(const Querschnitt* section, const Querschnittsgruppe* group);
Querschnittsgruppe* Get_Querschnittsgruppe(const Querschnitt* section, int i);
Querschnittsgruppe* Find_Querschnittsgruppe_Nummer(const Querschnitt* section, int number);
Querschnittsgruppe* Find_Querschnittsgruppe_Intern(const Querschnitt* section, int intern);

#endif
