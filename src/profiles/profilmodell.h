// Outline model of a profile: the wall mid-lines of a rolled (or
// parametric) section as nodes and straight or circular plate parts between
// them, each part with its thickness at both ends, a flange-slope angle at
// each end, four fillet values and an arc value. Built from a catalogue
// record of the profile manager by the record's type letter, or part by part
// through the setters; the plate outline of every part comes from the
// thin-walled section engine.
//
// Units are those of the catalogue (cm); y runs across the profile, z down
// its depth; angles in degrees. A model belongs to its caller and is freed
// with Free_Profilmodell. Nothing here writes a message.
//
// The outline is computed by the thin-walled section engine below this
// module, reached through the table Profilmodell_Engine: the engine itself
// is installed from the start, and a caller may put another table in its
// place (Set_Profilmodell_Engine). Without an engine every outline request
// fails (result 0) and the model is left unchanged.
#ifndef PROFILES_PROFILMODELL_H
#define PROFILES_PROFILMODELL_H

#include <cstdint>

#include "profiles/profile_catalogue.h"

struct Profilmodell_Knoten {
    int kind;  // parts meeting here: 1 free end, 2 corner, 3 junction; 0 unused
    double y;
    double z;
};

struct Profilmodell_Teil {
    int start;          // node index
    int end;            // node index
    int outline_count;  // points of outline_y/outline_z
    double t_start;     // thickness at the start node
    double t_end;       // thickness at the end node
    double angle_start; // flange-slope angle at the start, degrees
    double angle_end;   // at the end
    double f1, f2, f3, f4;  // fillet values
    double arc;         // 0 straight, else the negated sagitta of the circular arc
    double* outline_y;  // owned, or null
    double* outline_z;  // owned, or null
};

struct Profilmodell {
    int node_count;
    int part_count;
    double y_min, y_max, z_min, z_max;  // outline extents (Calc_Profilmodell_Outline)
    Profilmodell_Knoten** nodes;        // pointers into one block
    Profilmodell_Teil** parts;          // pointers into one block
};

// ---- the engine's calls --------------------------------------------------

enum {
    PROFILMODELL_SEGMENT_BLOCKS = 10,
    PROFILMODELL_SEG_EMPTY = static_cast<int32_t>(0x80000000u),
    PROFILMODELL_SEG_CURVED = 0x20000000,
    PROFILMODELL_SEG_PRESENT = 0x10000000,
};

struct Profilmodell_Engine {
    void (*clear_model)(void);
    void (*add_node)(int number, double y, double z);
    // values: t_a, t_b, sagitta, slope at start and end (radians), four fillet values.
    void (*add_line)(int number, int kind, int start, int end, const double* values);
    int (*calc)(void);  // 0 on success
    // Flag word and arc subdivision count of each of the ten outline blocks of
    // a line, in their order around the plate: 0 start edge from the start
    // node to the right face, 1-3 the right face (the side start → end turns
    // away from) from start to end, 4 end edge to the end node, 5 on to the
    // left face, 6-8 the left face back, 9 the start edge to the start node.
    // 0 when the line has no outline blocks.
    int (*line_segments)(int line, int32_t flags[PROFILMODELL_SEGMENT_BLOCKS],
                         int32_t counts[PROFILMODELL_SEGMENT_BLOCKS]);
    // Point of a block at the parameter xi (−1 start … +1 end).
    void (*segment_point)(int line, int block, double xi, double* y, double* z);
    // Reference point of the outline coordinates of the computed model; 0 when
    // the model could not be computed.
    int (*reference_point)(double* y, double* z);
};

// Installs the engine (null removes it); the table is copied.
void Set_Profilmodell_Engine(const Profilmodell_Engine* engine);
// The installed engine or null.
const Profilmodell_Engine* Get_Profilmodell_Engine(void);
// The table of the thin-walled section engine, installed at start.
const Profilmodell_Engine* Thinwall_Profilmodell_Engine(void);
// Hands the nine line values of a part to the engine's add_line order:
// thickness at start and end, sagitta, slopes in radians, f1, f3, f2, f4.
void Profilmodell_Line_Values(const Profilmodell_Teil* part, double values[9]);
// Empties the engine's model, adds every used node under its index and every
// part as line of its index, and computes. 1 on success, 0 without an engine
// or when the engine refuses the model.
int Load_Profilmodell_Into_Engine(const Profilmodell* model);

// ---- building and freeing ------------------------------------------------

// The model of a catalogue record by its type letter: D double-T, T tee,
// U channel, Z, L angle, R rectangular hollow, K round tube, E elliptic
// hollow, F flat. Null for a null record, any other letter, or when memory
// fails.
Profilmodell* Build_Profile_Model(const ProfilDataEintrag* record);

// A model of zeroed nodes and parts, zero extents; null for negative counts
// or when memory fails.
Profilmodell* New_Profilmodell(int node_count, int part_count);
// Sets y and z of a node (kind unchanged). 1, or 0 for a null model or an
// index outside the nodes.
int Set_Profilmodell_Knoten(Profilmodell* model, int index, double y, double z);
// Stores a part and adds 1 to the kind of both its nodes. 1, or 0 (nothing
// changed) for a null model or a part or node index out of range.
int Set_Profilmodell_Teil(Profilmodell* model, int index, int start, int end, double arc, double t_start,
                          double t_end, double angle_start, double angle_end, double f1, double f2, double f3,
                          double f4);
// Frees the model with its outlines; null is ignored.
void Free_Profilmodell(Profilmodell* model);

// Computes the plate outline of every part and the model's extents through
// the engine (which then holds this model). 1 on success; 0 without an
// engine or when the engine refuses the model, the model then unchanged.
int Calc_Profilmodell_Outline(Profilmodell* model);

// Shear areas of a catalogue record by its code: web area A_w and the shear
// areas A_vy, A_vz (outputs zeroed first; each may be null). 1 when the code
// is known, else 0.
int Calc_Profil_Shear_Areas(const ProfilDataEintrag* record, double* A_w, double* A_vy, double* A_vz);

// ---- parametric models (all fillet values 0) -----------------------------

// Closed box: flanges of thickness tf at z = tf/2 and h − tf/2, webs of
// thickness tw at y = tw/2 and b − tw/2.
Profilmodell* Build_Box_Profilmodell(double h, double b, double tf, double tw);
// Channel: web mid-line at y = b − tw/2, flange tips at y = 0.
Profilmodell* Build_Channel_Profilmodell(double h, double b, double tf, double tw);
// Tee: flange mid-line at z = tf/2, web from (b/2, tf/2) to (b/2, h).
Profilmodell* Build_Tee_Profilmodell(double h, double b, double tf, double tw);
// Double-T with flanges of their own width and thickness (top b_o × t_o,
// bottom b_u × t_u) and a web of thickness tw: 6 nodes, 5 parts.
Profilmodell* Build_Double_T_Profilmodell(double h, double b_o, double t_o, double b_u, double t_u, double tw);
// Single plate from (t/2, 0) to (t/2, h), thickness t.
Profilmodell* Build_Plate_Profilmodell(double h, double t);

#endif
