// The thin-walled line model of the weld program's steel profile: nodes and
// plate lines on the mid-planes of the profile's plates (in cm) for the
// thin-walled section engine, the engine's run, and its results written back
// into the profile in mm units: area, centroid, second moments, torsion and
// warping constants, shear centre, principal angle and, when the section
// calculation mode asks for them, the plastic moduli.
//
// Model coordinates: y across the profile, 0 at the middle of the top flange
// (of the widest flange of I sections and boxes), z downwards from the top
// edge. The engine holds one model at a time; every build replaces it.
#ifndef MEMBERCHECKS_PROFILE_SECTION_MODEL_H
#define MEMBERCHECKS_PROFILE_SECTION_MODEL_H

#include <cstdio>

#include "profiles/stahlprofil.h"

enum {
    PROFIL_PUNKTE = 50,        // point records of a built-up section
    PROFIL_AUSSPARUNGEN = 21,  // cut-outs per table
    PROFIL_ANBAUTEN = 2,       // attachment slots
};

// Where a point lies: the plate it is looked for on.
enum {
    PROFIL_PUNKT_VERTICAL = 0x80,  // on the web or a vertical plate
    PROFIL_PUNKT_LEG = 0x40,       // on a horizontal leg
    PROFIL_PUNKT_FLANGE = 0x20,    // on a flange
    PROFIL_PUNKT_HORIZONTAL = PROFIL_PUNKT_LEG | PROFIL_PUNKT_FLANGE,
};

// A point whose carrying line is wanted.
struct Profil_Punkt {
    int id;       // negative: record not in use
    int flags;    // PROFIL_PUNKT_*
    int line;     // carrying line, written by the model
    int spare;
    double y, z;  // mm, model coordinates
    double more[3];
};

// Cut-outs of one plate: widths, then centre positions along the plate, mm.
// A width of 0.001 or less is no cut-out.
struct Profil_Aussparungen {
    double width[PROFIL_AUSSPARUNGEN];
    double position[PROFIL_AUSSPARUNGEN];
};

// Stiffener profiles attached to the base profile.
struct Profil_Anbau {
    int count;  // slots in use
    Stahlprofil part[PROFIL_ANBAUTEN];
    double y[PROFIL_ANBAUTEN], z[PROFIL_ANBAUTEN];  // hanging points, mm
};

// A built-up section: base profile, attachments, cut-out tables, points.
struct Profil_Aufbau {
    Stahlprofil base;
    Profil_Anbau attachments;
    Profil_Aussparungen cutouts[2];
    Profil_Punkt points[PROFIL_PUNKTE];
    double shift[6];  // y and z shifts of the centroid by the built-up parts
};

// Builds the model of the profile, runs the engine and stores its values in
// the profile. 0 on success; 1 when the engine fails or gives no area, when
// the plastic moduli were asked for and could not be had, when a point
// record found no line, or for attachments and cut-outs, which this model
// does not build (the values then stay cleared, never half right). A null
// point array counts as none. The profile must not be of kind 2.
int Build_Profile_Section_Model(Stahlprofil* profile, const Profil_Anbau* attachments,
                                const Profil_Aussparungen* cutouts, int mirror, int n_points,
                                Profil_Punkt* points);
// 0 without doing anything for kind 2 (or a null profile), else the result
// of Build_Profile_Section_Model.
int Build_Section_Model_Checked(Stahlprofil* profile, const Profil_Anbau* attachments,
                                const Profil_Aussparungen* cutouts, int mirror, int n_points,
                                Profil_Punkt* points);
// A straight line of kind 0 with the nine values (mm) taken to cm.
void Add_Section_Line_cm(int number, int start, int end, const double* values_mm);
// One sloped plate hung at node at (y, z) mm: a new node length further on
// along the slope (radians from the vertical, direction +1 or -1), and the
// line to it of thickness t with the fillet radius r at its start. Node and
// line counters advance; returns the new node's number.
int Build_Sloped_Part_Lines(int* node_counter, int* line_counter, int node, double y, double z,
                            double length, double slope, int direction, double t, double r);
// Installs the model as the section-model builder of the steel profile's
// section values. Called at start-up.
void Install_Profile_Section_Model(void);

// Clears a built-up record: base profile initialised, no attachments, no
// cut-outs, every point record unused, no shift.
void Init_Profil_Aufbau(Profil_Aufbau* record);
// The section values of the built-up section into stream: 1 with the line
// "Querschnittswerte nicht ermittelbar" when they cannot be had, else 0.
int Print_Section_Values(Profil_Aufbau* record, Stahlprofil* profile, FILE* stream, int level, int plastic);
// The same, followed by a line per used point record with the stresses
// (N/mm²: normal, shear, von Mises) at the point's place on its line for
// the eight internal forces N (kN), M_y, M_z (kNm), V_y, V_z (kN), M_x
// (kNm), bimoment (kNm²) and warping torsion moment (kNm): N at the
// centroid, the moments about the y and z axes, warping about the shear
// centre. Without forces no point lines. 1 with the line "Querschnittswerte
// nicht ermittelbar" also when a point's stresses cannot be had.
int Print_Section_Values_Checked(Profil_Aufbau* record, Stahlprofil* profile, FILE* stream, int level, int plastic,
                                 const double* forces);

#endif
