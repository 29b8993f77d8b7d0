// dwqb: the thin-walled line model of one cross-section and its store.
//
// A section is held as numbered nodes (y, z) and numbered lines (plate strips
// between two nodes, straight or circular, with a thickness that varies
// linearly from the start node to the end node). There is exactly one model,
// in global state; nothing here is re-entrant. Records given back by
// Clear_DWQB_Model go onto free lists and are reused by the next additions,
// so rebuilding a model of no more lines than before allocates nothing.
//
// Lengths are in the caller's unit (cm in this system), stresses in its force
// unit per length squared.
//
// The passes that compute the model are in their own modules:
//   dwqb_geometry   segment geometry, winged-edge topology, parts and cells
//   dwqb_integrals  section integrals, principal axes, plastic moduli
//   dwqb_warping    sectorial coordinate, warping constant, shear centre
//   dwqb_cells      cell equations, linear solver, plate runs
//   dwqb_calc       the one-part and the several-part section calculation
//   dwqb_outline    plate outlines at the nodes, outline points, extents
//   dwqb_results    result walks and the values along a line
//   dwqb_plate      plate values of the lines, section summary
//   dwqb_flow       shear-flow and warping passes, plastic-load-factor lines
//   dwqb_point      section values record, point and line stresses
//   dwqb_transfer   line results into the profile catalogue's store
#ifndef THINWALL_DWQB_H
#define THINWALL_DWQB_H

#include <cstdint>

struct DWQB_Linie;
struct DWQB_Linienergebnis;
struct DWQB_Schublinie;
struct Querschnitt;

// ---- Segment geometry of a line ------------------------------------------

// Centre line and thickness course of one line. s runs from -1 at the start
// node to +1 at the end node; u from -1 on the right face through 0 on the
// centre line to +1 on the left face (the left side is the one the direction
// start -> end turns to by +90 degrees). Half thickness at s is h0 + s h1.
struct DWQB_Segment_Geometrie {
    double y1, z1;        // start point (node a)
    double y2, z2;        // end point (node b)
    double f;             // sagitta, positive bulging to the left; 0 straight
    double h0;            // (t_a + t_b) / 4
    double h1;            // (t_b - t_a) / 4
    double length;        // chord length, or arc length |2 r phi|
    double half_length;   // c / 2 for a straight line, 0 for an arc
    double yc, zc;        // chord midpoint, or circle centre of an arc
    double r;             // signed radius of an arc, 0 straight
    double angle;         // chord direction atan2(dz, dy)
    double phi;           // half opening angle with the sign of f
    double cos, sin;      // chord direction cosines (1, 0 for a point)
    double tolerance;     // 0.001
    int32_t n_chords;     // 0 straight, else the chord count of the arc
};

// ---- Outline segment (ten per line) --------------------------------------

enum : uint32_t {
    DWQB_SEG_EMPTY = 0x80000000u,
    DWQB_SEG_CAP = 0x40000000u,
    DWQB_SEG_CURVED = 0x20000000u,
    DWQB_SEG_PRESENT = 0x10000000u,
};

struct DWQB_Outline_Segment {
    uint32_t flags;       // DWQB_SEG_* bits; low 16 bits: position 0..9
    int32_t n_sub;        // pieces of a curved segment when sampled
    double y1, z1;        // start point (xi = -1)
    double y2, z2;        // end point (xi = +1)
    double f;             // sagitta of a curved segment without owner
    double s1, s2;        // owner line's s at start and end
    double u1, u2;        // owner line's u at start and end
    DWQB_Linie* owner;    // curved segment follows this plate, may be null
};

// ---- Node and line records -----------------------------------------------

struct DWQB_Knoten {
    int32_t number;       // the caller's node number
    int32_t use_count;    // line ends that refer to this node
    int32_t work;         // scratch counter of the passes and of the snapshot
    double y, z;
    double y_rel, z_rel;  // relative to the centroid (one-part calculation)
    double s_y, s_z;      // static-moment accumulators of the tree walk
    double omega;         // sectorial accumulator of the tree walk
    DWQB_Knoten* prev;
    DWQB_Knoten* next;    // also the link of the free list
    int32_t link_mark;    // scratch mark, 0 when unused
    double work_values[4];
};

// Side flag bits of a line (winged-edge topology).
enum : uint32_t {
    DWQB_SIDE_LEFT = 0x1,      // the outline runs along this side from a to b
    DWQB_SIDE_RIGHT = 0x2,     // ... from b to a
    DWQB_SIDE_NEXT_BEFORE_A = 0x4,
    DWQB_SIDE_NEXT_BEFORE_B = 0x8,
    DWQB_SIDE_STARTED_RIGHT = 0x10,
    DWQB_SIDE_STARTED_LEFT = 0x20,
    DWQB_SIDE_CELL = 0x10000,   // the outline encloses a closed cell
    DWQB_SIDE_OUTER = 0x20000,  // outer boundary of a part, or no area
    // the direction along the side, the wing the walk goes on by, and the
    // side the outline was begun from (with its first line, an outline's key)
    DWQB_SIDE_RUN = DWQB_SIDE_LEFT | DWQB_SIDE_RIGHT,
    DWQB_SIDE_NEXT = DWQB_SIDE_NEXT_BEFORE_A | DWQB_SIDE_NEXT_BEFORE_B,
    DWQB_SIDE_STARTED = DWQB_SIDE_STARTED_RIGHT | DWQB_SIDE_STARTED_LEFT,
};

// Sample blocks of a line: values at s = 0, 0.1 L, ..., L.
enum {
    DWQB_SAMPLE_SY = 0,        // static moment of the area about y (z moment)
    DWQB_SAMPLE_SZ = 1,        // static moment about z
    DWQB_SAMPLE_OMEGA = 2,     // sectorial coordinate, then its static moment
    DWQB_SAMPLE_QY = 3,        // unit shear flow for V_y
    DWQB_SAMPLE_QZ = 4,        // unit shear flow for V_z
    DWQB_SAMPLE_QW = 5,        // sectorial static moment over I_w
};

// Kinds of a line.
enum { DWQB_LINE_PLATE = 0, DWQB_LINE_NO_NORMAL = 1 };

struct DWQB_Linie {
    int32_t number;
    DWQB_Knoten* a;            // start node; null when its number was unknown
    DWQB_Knoten* b;            // end node; null when its number was unknown
    int32_t kind;              // DWQB_LINE_PLATE, or DWQB_LINE_NO_NORMAL: carries no normal stress
    double t_a, t_b;           // thickness at the start and at the end node
    double end_values[6];      // cut rotations at a, b; fillet radii a-left,
                               // a-right, b-left, b-right
    int32_t mark;              // scratch of the searches (0, 1, -1)
    int32_t run[5];            // plate run: start flag, end flag, first and
                               // last line position, end type
    double t_m;                // (t_a + t_b) / 2
    double run_t, run_L;       // mean thickness and length of the plate run
    double L;                  // length, written by the calculation
    double area;               // t_m L, written by the calculation
    double integrals[3];
    double samples[6][11];     // DWQB_SAMPLE_* blocks
    DWQB_Linie* prev;
    DWQB_Linie* next;          // also the link of the free list
    uint32_t side_flags[2];    // [0] left side, [1] right side
    DWQB_Linie* wing[4];       // before at a, after at a, before at b, after at b
    DWQB_Linie* outline_start[2];  // first line of the left / right outline
    DWQB_Linie* part;          // first line of the line's part
    DWQB_Segment_Geometrie geo;
    DWQB_Outline_Segment outline[10];
    DWQB_Linienergebnis* result;
    double run_reduction[2];   // start and end reduction, fraction of run
    // Warping work values of the one-part calculation.
    double omega_a, omega_b;   // sectorial coordinate at the two ends
    double torsion_flow;       // cell flow per unit torque
    int32_t warp_mark;         // visited by the sectorial sweep
};

enum { DWQB_WING_BEFORE_A = 0, DWQB_WING_AFTER_A = 1, DWQB_WING_BEFORE_B = 2, DWQB_WING_AFTER_B = 3 };

// ---- Result records of the several-part calculation ----------------------

// Kinds of the members of a part (the first word of either record): the
// result of a line, of a line of DWQB_LINE_NO_NORMAL, and a part.
enum { DWQB_MEMBER_LINE = 1, DWQB_MEMBER_LINE_NO_NORMAL = 2, DWQB_MEMBER_PART = 3 };

// Part sums: set 1 leaves out line results of kind 2, set 2 holds all lines.
struct DWQB_Teil_Summen {
    double a, y, z, yy, yz, zz;        // area and area integrals about the origin
    double yyy, yyz, yzz, zzz;         // cubic integrals
    double y_min, y_max, z_min, z_max, t_min, t_max;
};

// The values of a part, and of a line taken as a plate of its own: line
// results carry the same block, so that a part sums its members alike.
struct DWQB_Teilwerte {
    DWQB_Teil_Summen set1;
    DWQB_Teil_Summen set2;
    double torsion[4];         // open plates, closed cells, plates with
                               // fillets, cell torsion sum
    // warping sums: integral of omega, omega y, omega z, omega^2 (about the
    // origin) and of omega (y^2 + z^2)
    double w, wy, wz, ww, wrr;
    double w_min, w_max;       // extreme warping ordinates
    double perimeter_free, perimeter_cell;
    double alpha_y, alpha_yz, alpha_z;
    int32_t n_cells;
    // Resultants of the unit flows: V_y case in y, V_z case in y, V_y case
    // in z, V_z case in z, warping flow in y and in z; and their moments
    // about the origin (V_y case, V_z case, warping flow).
    double resultants[6];
    double moments[3];
};

struct DWQB_Teil {
    int32_t kind;              // DWQB_MEMBER_PART
    int32_t n_members;         // parts (whole section) or line results
    int32_t n_shear_lines;
    int32_t second_count;
    void** members;            // first slot in the member pointer array
    DWQB_Schublinie* shear_lines;
    DWQB_Teilwerte v;
};

struct DWQB_Linienergebnis {
    int32_t kind;              // DWQB_MEMBER_LINE, DWQB_MEMBER_LINE_NO_NORMAL for such a line
    int32_t n_members;         // 1
    int32_t word[2];
    DWQB_Linie* line;
    DWQB_Schublinie* shear;
    DWQB_Teilwerte v;
    double flow[3][6];         // unit shear flows V_y, V_z, warping flow:
                               // end values and four bubble values
    double cell_flow;          // cell flow per unit torque
    double torsion_share;
    double omega_a, omega_b;   // sectorial coordinate at the two ends
    double psi;                // cell term of the sectorial coordinate
    double pole_y, pole_z;     // reference point of the sectorial coordinate
    // Terms of the closed-cell systems: integral of ds/t, the open-flow
    // terms of the three unit cases, the start and end values the cell
    // circulations are added to, the warping value and length over thickness.
    double ds_over_t;
    double cell_terms[3];
    double case_values[3][2];
    double warping_value;
    double length_over_t;
    double warping_flow_value;   // integral of the warping shear flow
};

// The all-lines record of the last several-part calculation (its members
// are every line result), null when there is none.
extern DWQB_Teil* DWQB_Alle_Linien_Teil;

// Summary records of the last several-part calculation: the section values
// (DWQB_Gesamtwerte layout, 38 values), the centre-line values
// (DWQB_Grundwerte, 14) and the shear-centre values (DWQB_Schubmittelpunkt,
// 9). The pointers are null when no calculation left them.
extern double* DWQB_Aktuelle_Gesamtwerte;
extern double* DWQB_Aktuelle_Grundwerte;
extern double* DWQB_Aktueller_Schubmittelpunkt;

// Kind of a member of a part (DWQB_MEMBER_*) and its values.
int32_t DWQB_Member_Kind(const void* member);
DWQB_Teilwerte* DWQB_Member_Values(void* member);

// The whole-section record of the last several-part calculation, null
// before one and after a failed one.
extern DWQB_Teil* DWQB_Aktueller_Teil;

enum : uint32_t {
    DWQB_SHEAR_FORWARD = 1,    // run from the start node to the end node
    DWQB_SHEAR_BACKWARD = 2,
    DWQB_SHEAR_CELL_CUT = 0x10000,
    DWQB_SHEAR_CHAIN_START = 0x20000,
    DWQB_SHEAR_CHAIN_END = 0x40000,
};

struct DWQB_Schublinie {
    uint32_t flags;
    DWQB_Linie* line;
};

// ---- Section values ------------------------------------------------------

// Positions of DWQB_Querschnittswerte (49 values). The two plastic moduli are
// kept at positions 34 (about y) and 35 (about z).
enum {
    DWQB_QW_A = 0, DWQB_QW_YC = 1, DWQB_QW_ZC = 2, DWQB_QW_SY = 3, DWQB_QW_SZ = 4,
    DWQB_QW_IYY0 = 5, DWQB_QW_IZZ0 = 6, DWQB_QW_IYZ0 = 7, DWQB_QW_IT = 8,
    DWQB_QW_IY = 9, DWQB_QW_IZ = 10, DWQB_QW_IYZ = 11, DWQB_QW_IP = 12,
    DWQB_QW_ALPHA = 13, DWQB_QW_I1 = 14, DWQB_QW_I2 = 15, DWQB_QW_W1 = 16,
    DWQB_QW_R2 = 20, DWQB_QW_R1 = 21, DWQB_QW_YM = 22, DWQB_QW_ZM = 23,
    DWQB_QW_IP_A = 24, DWQB_QW_Q = 25, DWQB_QW_PY = 26, DWQB_QW_PZ = 27,
    DWQB_QW_IW2 = 28, DWQB_QW_IW = 29, DWQB_QW_ALPHA_Y = 32, DWQB_QW_ALPHA_Z = 33,
    DWQB_QW_WPL_Y = 34, DWQB_QW_WPL_Z = 35, DWQB_QW_OMEGA1 = 36, DWQB_QW_OMEGA2 = 37,
    DWQB_QW_Q_MIN = 40, DWQB_QW_Q_MAX = 41, DWQB_QW_QT_MIN = 42, DWQB_QW_QT_MAX = 43,
    DWQB_QW_Y_MIN = 44, DWQB_QW_Y_MAX = 45, DWQB_QW_Z_MIN = 46, DWQB_QW_Z_MAX = 47,
    DWQB_QW_T_MAX = 48, DWQB_QW_COUNT = 49
};

extern double DWQB_Querschnittswerte[DWQB_QW_COUNT];
extern int32_t DWQB_Anzahl_Zellen;   // cell count of the section

// ---- Status, options, switches -------------------------------------------

enum {
    DWQB_STATUS_EMPTY = 1,           // no node or no line
    DWQB_STATUS_ZERO_LENGTH = 2,
    DWQB_STATUS_THICKNESS = 3,
    DWQB_STATUS_NOT_CONNECTED = 4,
    DWQB_STATUS_SINGULAR = 5,        // a principal second moment below 1e-4
    DWQB_STATUS_UNKNOWN_NODE = 6,
    DWQB_STATUS_NO_MEMORY = 7,       // a node or line record could not be had
};

enum : uint32_t {
    DWQB_OPT_EXACT = 0x1,
    DWQB_OPT_GIVEN_VALUES = 0x2,
    DWQB_OPT_GIVEN_IT = 0x4,
    DWQB_OPT_GIVEN_IW = 0x8,
    DWQB_OPT_GIVEN_PLASTIC = 0x10,
    DWQB_OPT_GIVEN_SHEAR_CENTRE = 0x20,
    DWQB_OPT_EXTENDED = 0x1000,
};

extern int32_t DWQB_Status;
// Warnings of the last calculation, which computes on regardless: broken
// topology (0x1), an incomplete plate outline (0x2), a result buffer whose
// shear-line order could not be completed (0x4).
enum { DWQB_WARN_TOPOLOGY = 0x1, DWQB_WARN_OUTLINE = 0x2, DWQB_WARN_SHEAR_ORDER = 0x4 };
extern int32_t DWQB_Warnung;
// The given values saved at the start of every calculation (positions 0 to
// 2, 8, 13 to 19, 22, 23, 25 to 29, 34 and 35 of DWQB_Querschnittswerte;
// the other positions stay 0).
extern double DWQB_Vorgaben[DWQB_QW_COUNT];
extern uint32_t DWQB_Optionen;
// Identity of the model in the store: raised by every change of its nodes
// and lines (clear, add, transform), so that a caller who keeps a model it
// built can tell whether the store still holds that model.
extern uint32_t DWQB_Model_Generation;
// Engine switches: the several-part calculation for every model, and exact
// mode forced at every calculation. Both 0 at start; the profile selection
// sets them for the rest of the run.
extern int32_t DWQB_Erweitert;
extern int32_t DWQB_Alle_Linien;
// The same two switches as the profile catalogue and the user-section
// exchange know them: [0] is DWQB_Erweitert (the catalogue's profile
// services need it), [1] is DWQB_Alle_Linien.
extern int32_t* const DWQB_Service_Switches[2];
// Option word of the profile catalogue beside the switches (initially 0x1e).
extern uint32_t DWQB_Option_Word;
// What the profile catalogue keeps about the current model: its short name
// and three words, reset by Init_DWQB_Model (blank and -1).
extern char DWQB_Kurzname[16];
extern int32_t DWQB_Profil_Worte[3];

// ---- Model key -----------------------------------------------------------

struct DWQB_Model_Key {
    unsigned char data[60];    // key data, compared byte for byte
    int32_t length;            // length of the attached bytes
    int32_t capacity;          // capacity of the attached buffer
    unsigned char* attached;
};

// ---- Table snapshot ------------------------------------------------------

struct DWQB_Tabellen_Knoten {
    int32_t number;
    float y, z;
};
struct DWQB_Tabellen_Linie {
    int32_t number;
    int32_t a, b;              // node position - 1, -1 for a missing node
    float t;                   // mean thickness
};
struct DWQB_Tabellen_Record {
    int32_t n_nodes;
    DWQB_Tabellen_Knoten node[101];   // positions 1 ... 100
    int32_t n_lines;
    DWQB_Tabellen_Linie line[100];    // positions 0 ... 99
    // Set when the model had more than 100 nodes or lines: the tables are
    // then incomplete and every user must treat them as a failure.
    int32_t overflow;
};
extern DWQB_Tabellen_Record DWQB_Tabellen;

// ---- Hook table ----------------------------------------------------------

struct DWQB_Hook_Table {
    void* (*create)(double* parameter, void* user);
    void* (*evaluate)(void* w1, void* w2, void* w3, void* w4, void* w5, void* w6, void* user);
    void (*release)(void* object, void* user);
    void* user;
};

// ---- Model store ---------------------------------------------------------

// Empties the model (Clear_DWQB_Model), status 0, options 0, section values
// 0, snapshot and cell counts 0, short name " ", the three profile words -1.
int Init_DWQB_Model(void);
// Gives every line and node back to the free lists; releases the hook object
// and the cached general sections; status 0. Harmless when repeated.
void Clear_DWQB_Model(void);
// Appends a node. When no record can be had the lists stay as they are and
// the status becomes DWQB_STATUS_NO_MEMORY.
void Add_DWQB_Node(int number, double y, double z);
// Appends a line between two node numbers; values: t_a, t_b, sagitta, then
// the six end values, or null for all 0. An unknown node number (or no node
// at all) sets status 6 and leaves the line in the list without geometry.
// When no record can be had the lists stay as they are and the status
// becomes DWQB_STATUS_NO_MEMORY.
void Add_DWQB_Line(int number, int kind, int start, int end, const double* values);
void Add_DWQB_Line_Constant_T(int number, int start, int end, double t);
// Shifts every node by (dy, dz), then turns it about the origin by angle;
// rebuilds every line's geometry. Returns 1.
int Transform_DWQB_Model(const double* shift_angle);

int Cmp_DWQB_Model_Key(const DWQB_Model_Key* a, const DWQB_Model_Key* b);
// 1, or 0 when out of memory (kept length then 0, so the next comparison
// differs).
int Copy_DWQB_Model_Key(DWQB_Model_Key* kept, const DWQB_Model_Key* fresh);
void Free_DWQB_Model_Key_Data(DWQB_Model_Key* key);

// Fills DWQB_Tabellen; 1 when a table overflowed (then also its overflow
// flag), else 0.
int Fill_DWQB_Tabellen(void);

DWQB_Hook_Table* Set_DWQB_Hook_Table(DWQB_Hook_Table* table);
DWQB_Hook_Table* Get_DWQB_Hook_Table(void);
void* Get_DWQB_Hook_Object(double* parameter);
void* Peek_DWQB_Hook_Object(void);
void* Call_DWQB_Hook_Evaluate(void* w1, void* w2, void* w3, void* w4, void* w5, void* w6);
// The general section cached for the model; null unless the several-part
// calculation is on, or when its last build failed.
Querschnitt* Get_Cached_DWQB_Masque(void);

// Walking the model: first node and first line (null when empty); the
// records link on through their next fields.
DWQB_Knoten* First_DWQB_Node(void);
DWQB_Linie* First_DWQB_Line(void);
int Count_DWQB_Nodes(void);
int Count_DWQB_Lines(void);

#endif
