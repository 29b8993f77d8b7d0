// The record of the welded-connection library (a profile welded to an end
// plate) and the library state beside it: the connection record, its
// steel-grade block, the library's message list and the output stream of
// the scaled drawing of the fillet-weld connection. The geometry of the
// profile end is worked out from the record (profiles/kehlnaht_geometry.h).
//
// The library is used from three places that share no layer of their own:
// the scaled drawing (drawings), the end-plate print-out and its sheets
// (endplate) and the DIN 18800 path of the weld check (weldcheck). The
// record and the state therefore live here, below all three; the functions
// that work on them live with their users.
//
// Units: lengths in mm unless marked cm, forces in kN, moments in kNm,
// strengths in N/mm². All instances are process-wide single instances;
// nothing here is re-entrant.
#ifndef PROFILES_GESCHWEISSTER_ANSCHLUSS_H
#define PROFILES_GESCHWEISSTER_ANSCHLUSS_H

#include <cstdio>

enum {
    ANSCHLUSS_NAME_SIZE = 56,       // profile names: at most 55 characters and the terminator
    ANSCHLUSS_WELD_POSITIONS = 8,   // weld positions 1..8
    ANSCHLUSS_OUTLINE_POINTS = 49,  // corners of an outline of the profile end
    ANSCHLUSS_MESSAGE_CODES = 30,   // codes the message list keeps
    STAHLSORTE_NAME_SIZE = 20,
};

// Profile families of the library (the record's family code).
enum {
    ANSCHLUSS_I = 0,          // I and H sections (profile types 4, 5, 7, 10, 13)
    ANSCHLUSS_RHS = 1,        // rectangular hollow section (type 8)
    ANSCHLUSS_CHANNEL = 2,    // C and U sections (types 6, 12)
    ANSCHLUSS_TEE = 3,        // T and half I (types 11, 15)
    ANSCHLUSS_ANGLE = 4,      // angle (type 3)
    ANSCHLUSS_CHS = 5,        // circular hollow section (type 9)
    ANSCHLUSS_FLAT = 6,       // flat bar (type 1)
    ANSCHLUSS_ROUND = 7,      // round bar (type 2)
};

// The record's weld arrangement (weld_kind), end-crater rule (end_crater)
// and code of practice (grades.design_code).
enum {
    ANSCHLUSS_WELDS_BY_POSITION = 1,  // one weld per position
    ANSCHLUSS_WELD_ALL_ROUND = 2,     // one fillet weld all round
};
enum {
    ANSCHLUSS_END_CRATERS = 1,        // effective length l - 2a
    ANSCHLUSS_FULL_LENGTH = 2,        // the whole length counts
};
enum {
    ANSCHLUSS_CODE_DIN = 0,           // DIN 18800 (any code but the Eurocode's)
    ANSCHLUSS_CODE_EC3 = 1,           // EC 3 with the active national annex
};

// The family code of a profile type of the weld program (PROFILTYP_*); -1
// for the types it has none for (Z, box, trapezoid).
int Anschluss_Family_Of_Profile_Type(int type);
// The profile type a family code stands for when the record gives the
// profile by its dimensions (PROFILTYP_I for the I family, a code outside
// the families included).
int Profile_Type_Of_Anschluss_Family(int family);

// Indexes of the record's load block.
enum {
    ANSCHLUSS_GAMMA_M = 0,    // material safety factor of DIN 18800
    ANSCHLUSS_N = 1,          // kN, compression negative
    ANSCHLUSS_V_Z = 2,        // kN
    ANSCHLUSS_V_Y = 3,        // kN
    ANSCHLUSS_M_Z = 4,        // kNm
    ANSCHLUSS_M_Y = 5,        // kNm
    ANSCHLUSS_M_X = 6,        // kNm, torsion
    ANSCHLUSS_CONTACT = 7,    // per cent of a compressive N carried by contact
    ANSCHLUSS_LOAD_COUNT = 8,
};

// Steel grades of a connection: the code of practice, the grades of the
// profile and of the welds and their material values. The end-plate
// library's own five structural steels are picked by `grade` as an index
// 0..4 (Set_Stahlsorte); the library's sheets keep grade ids of the steel
// grade catalogue there instead (5..13, 14 for own values).
struct Stahlsorte_Record {
    int design_code;     // ANSCHLUSS_CODE_EC3; any other value: DIN 18800
    int grade;           // grade of the profile: index 0..4 or grade id 5..14
    int weld_grade;      // grade id of the welds (the end plate's grade on the DIN path)
    float user_E;        // own values of the profile material (grade id 14), N/mm²
    float user_f_y;
    float user_f_y_thick;  // f_y for t > 40 mm
    float weld_E;        // own values of the weld material (grade id 14)
    float weld_f_y;
    float weld_alpha_w;
    float f_y, f_u, f_y_thick, E, G;  // of the grade, filled by Default_Stahlsorte
    float spare;
    char name[STAHLSORTE_NAME_SIZE];  // blank-padded grade name
};

// Section values and stresses of the profile end, as the section evaluation
// leaves them for the profile block: cm, cm², cm³, cm⁴; stresses N/mm².
struct Anschluss_Profilwerte {
    double A, I_y, I_z, I_T;
    double W_y, W_y_2, W_z;       // W_y at the first and second extreme fibre (signed), W_z
    double W_T;                   // torsion modulus (closed and solid shapes)
    double sigma_max, sigma_min, tau, sigma_v;
    double sigma_R_d, tau_R_d;
    double s_v;                   // round bar: radius ratio of the largest sigma_v
};

// Section values and stresses of the welds (the throat areas folded into
// the connection plane at their root lines): cm, cm², cm³, cm⁴; degrees;
// stresses N/mm².
struct Anschluss_Nahtwerte {
    double perimeter;             // cm, circular welds
    double L;                     // sum of the effective lengths, cm
    double A_w;
    double I_y, I_z, I_yz, I_1, I_2, angle;
    double W_y, W_z;              // -1 where the weld group has no symmetric modulus
    double W_t, I_t;              // torsion of a closed weld ring
    double y_s, z_s;              // centroid, cm
    double sigma_R_d;
    double sigma_max, sigma_min, tau, tau_T, tau_y, tau_z, sigma_v;
    double point[4][2];           // y, z (cm, from the centroid) of sigma_max, sigma_min, tau, sigma_v
};

// Status of the DIN section evaluation: word 0 an input error (a shear
// force no weld can take, unusable strengths or sections), word 1 no weld
// for V_z, word 2 no weld for V_y, word 3 the welds not checked (a part of
// own strengths beyond the DIN list has no alpha_w; the profile end was).
enum { ANSCHLUSS_STATUS_WORDS = 10 };
enum { ANSCHLUSS_INPUT_ERROR = 0, ANSCHLUSS_NO_WELD_V_Z = 1, ANSCHLUSS_NO_WELD_V_Y = 2, ANSCHLUSS_WELDS_NOT_CHECKED = 3 };
struct KehlnahtStatus {
    int word[ANSCHLUSS_STATUS_WORDS];
};

// A weld whose throat is below its least value: its position (1..8; 0 for
// the weld all round or the ring), its throat, the least throat and the
// thickest of the parts it joins (mm).
struct Anschluss_Throat_Shortfall {
    int position;
    double a, a_min, t_max;
};

// A weld whose throat is above 0.7 t of a part it joins: its position
// (1..8; 0 for the weld all round or the ring), its throat as the limit
// takes it (at least 2 mm) and the thickness of the part (mm).
struct Anschluss_Throat_Excess {
    int position;
    double a, t;
};

// Warnings of the DIN section evaluation: word 0 any of the others, word 1
// the throat design reached 30 mm, word 2 a throat above 0.7 t of the end
// plate, word 3 above 0.7 t of the profile (its flange, the bar or the
// wall), word 4 above 0.7 t of the web, word 5 a throat below 2 mm, word 6
// a throat below sqrt(max t) - 0.5 (mm; 5 mm where max t is 30 mm or more
// and that is less); the first weld of words 2 to 6.
enum {
    ANSCHLUSS_ANY_WARNING = 0,
    ANSCHLUSS_THROAT_AT_30MM = 1,
    ANSCHLUSS_ABOVE_PLATE = 2,    // the first of the three 0.7 t words
    ANSCHLUSS_ABOVE_PROFILE = 3,
    ANSCHLUSS_ABOVE_WEB = 4,
    ANSCHLUSS_BELOW_2MM = 5,
    ANSCHLUSS_BELOW_ROOT_RULE = 6,
};
struct QuerschnittWarnungen {
    int word[ANSCHLUSS_STATUS_WORDS];
    Anschluss_Throat_Shortfall below_2mm, below_root_rule;
    Anschluss_Throat_Excess above[3];       // of words ANSCHLUSS_ABOVE_PLATE .. ANSCHLUSS_ABOVE_WEB
    // Every weld that breaks the limit of words 2 to 6, not only the first:
    // bit p for position p (0 the weld all round or the ring), with the
    // values it was judged with (its throat, the limit, the thickness).
    unsigned breaking[ANSCHLUSS_STATUS_WORDS];
    Anschluss_Throat_Shortfall judged[ANSCHLUSS_STATUS_WORDS][ANSCHLUSS_WELD_POSITIONS + 1];
    // The welds by position that count with nothing: bit p for position p
    // whose end craters take its length whole (l - 2a not above 0), with
    // that effective length (mm). They are left out of the weld section.
    unsigned not_effective;
    double l_eff[ANSCHLUSS_WELD_POSITIONS + 1];
};

// Which limit of a full-penetration butt weld governs its utilisation:
// tension, compression, shear (each against its own alpha_w) or their
// comparison value.
enum {
    ANSCHLUSS_BUTT_NONE = 0,
    ANSCHLUSS_BUTT_TENSION = 1,
    ANSCHLUSS_BUTT_COMPRESSION = 2,
    ANSCHLUSS_BUTT_SHEAR = 3,
    ANSCHLUSS_BUTT_COMPARISON = 4,
};

// A full-penetration butt weld is never stronger than the parts it joins:
// the weaker of them (the lower f_y,k of the end plate at its thickness and
// of the profile at its governing thickness; the profile where they are
// equal), and the base metal's comparison stress sqrt(sigma² + 3 tau²) of
// the weld's points where it is largest against f_y,k / gamma_M (which
// holds |sigma| <= f_y,k / gamma_M and |tau| <= f_y,k / (sqrt 3 gamma_M)
// too). part ANSCHLUSS_PART_NONE when no such weld was checked.
enum { ANSCHLUSS_PART_NONE = 0, ANSCHLUSS_PART_PLATE = 1, ANSCHLUSS_PART_PROFILE = 2 };
struct Anschluss_Grundwerkstoff {
    int part;            // ANSCHLUSS_PART_*
    double t;            // its thickness, mm
    double f_y;          // its f_y,k, N/mm²
    double sigma_R_d;    // f_y,k / gamma_M, N/mm²
    double sigma, tau;   // at the point, N/mm²
    double sigma_v;      // sqrt(sigma² + 3 tau²) there, N/mm²
    double point[2];     // y, z of the point (cm, from the weld's centroid)
    double U;            // sigma_v / sigma_R_d
    int governs;         // 1: U above each of the weld's own utilisations
};

// The plate of the profile end nearest its buckling limit (DIN 18800-1,
// width-to-thickness ratios of the elastic method; a tube's d/t): its b/t, the limit for
// the stresses present and what sets it; kind ANSCHLUSS_PLATE_NONE when no
// plate is compressed or sheared.
enum {
    ANSCHLUSS_PLATE_NONE = 0,
    ANSCHLUSS_PLATE_OUTSTAND = 1,   // compressed, one long edge free
    ANSCHLUSS_PLATE_INTERNAL = 2,   // compressed, both long edges supported
    ANSCHLUSS_PLATE_SHEAR = 3,      // sheared, both long edges supported
    ANSCHLUSS_PLATE_TUBE = 4,       // a circular tube's compressed wall, b_t its d/t
};
struct Anschluss_Beulgrenze {
    int kind;
    double b_t, limit;   // b/t and grenz(b/t)
    double stress;       // N/mm²: the largest compression, or the shear stress
};

// The connection record. Fields in the order of the library's record.
struct GeschweissterAnschluss {
    int settings[4];                        // cleared, not read by the library
    char profile_name[ANSCHLUSS_NAME_SIZE];
    double h, b, t, s, r;                   // height (diameter), width, flange (bar) thickness,
                                            // web (wall) thickness, root radius
    Stahlsorte_Record grades;
    double load[ANSCHLUSS_LOAD_COUNT];      // ANSCHLUSS_GAMMA_M ... ANSCHLUSS_CONTACT
    int family;                             // ANSCHLUSS_I ... ANSCHLUSS_ROUND, -1 for none
    int catalogue;                          // 1: a catalogue profile known by its name
    char drawing_name[ANSCHLUSS_NAME_SIZE]; // the name handed to the drawing
    double h2, b2, t2, s2, r2;              // working set; the drawing writes copies of h .. r
    int weld_kind;                          // ANSCHLUSS_WELDS_BY_POSITION, ANSCHLUSS_WELD_ALL_ROUND
    int end_crater;                         // ANSCHLUSS_END_CRATERS (l - 2a), ANSCHLUSS_FULL_LENGTH
    int throat_design;                      // 1: the all-round throat is designed
    double t_p;                             // end plate thickness, mm
    int drawing_switch;                     // print-out: append the scaled drawing
    int annex_switch;                       // print-out: append the EN 1993 annex chapter
    double a_w;                             // throat of the all-round weld
    double l_w;                             // length of the all-round weld
    double l_pos[ANSCHLUSS_WELD_POSITIONS]; // l_w1 .. l_w8 by weld position
    double a_pos[ANSCHLUSS_WELD_POSITIONS]; // a_w1 .. a_w8
    double side_lengths[ANSCHLUSS_WELD_POSITIONS];  // sides of the all-round weld
    double alpha_w;                         // strength factor of the welds
    double f_y_profile;                     // f_y,k of the profile, N/mm²
    double f_y_weld;                        // f_y,k of the weld material (the end plate), N/mm²
    // Results of the section and weld evaluation.
    double U_sigma, U_tau, U_v;             // utilisations of the profile end
    double a_w_designed;                    // throat after the throat design
    double U_w[3];                          // utilisations of the welds
    double A_w_y, A_w_z;                    // weld areas taking V_y and V_z, cm²
    Anschluss_Profilwerte profile_values;
    Anschluss_Nahtwerte weld_values;
    KehlnahtStatus status;                  // of the last section evaluation
    QuerschnittWarnungen warnings;          // of the last section evaluation
    int no_throat_check;                    // 1: the least throats are not checked
    // The number the connection gives the weld at each position, which the
    // lines naming a weld show; 0: named by its position.
    int number_pos[ANSCHLUSS_WELD_POSITIONS];
    // 1: one full-penetration butt weld all round, which is the joined
    // section itself (no throat); the fields below are its results.
    int full_penetration;
    double sigma_w_R_d_compression;         // its design strength in compression, N/mm²
    int butt_governs;                       // ANSCHLUSS_BUTT_*
    // Of the last section evaluation: the plate nearest its buckling limit.
    Anschluss_Beulgrenze plate_buckling;
    // The inner corner radius (mm) of a rectangular tube given by its
    // dimensions with rounded corners, r being the outer one; 0 with sharp
    // corners. A catalogue tube has the radii of its series.
    double r_inner;
    // The toe radius (mm) of the flanges or legs of a rolled profile given
    // by its dimensions (a catalogue profile's is the profile file's); the
    // welds on their inner faces end where it begins.
    double r_toe;
    // Of the last section evaluation: a full-penetration butt weld against
    // the weaker part it joins. Its U stands beside U_w: the weld's
    // utilisation is the larger.
    Anschluss_Grundwerkstoff base_metal;
    // The legs a√2 (mm) of the fillet welds that join the web of a profile
    // welded of plates given by its dimensions to its top and its bottom
    // flange (a tee's to its flange: top); 0 where they are butt-welded or
    // not given, and of a rolled or catalogue profile. The plates' clear
    // widths end there, as a rolled profile's end at its root radius.
    double weld_leg_top, weld_leg_bottom;
    // Working set beside r2: the inner corner radius (mm) of a rectangular
    // tube, a catalogue tube's from the profile file (r2 its outer one).
    double r2_inner;
    // 1: the welds are partial-penetration butt welds: each throat lies in
    // the part it joins, from the welded face in (a fillet weld's lies on
    // the face), a ring's inside the wall of its tube or bar.
    int partial_penetration;
};

// The library's record.
extern GeschweissterAnschluss Geschweisster_Anschluss;

// Every field of the record zero (ints 0, doubles 0.0, names empty). Null
// does nothing.
void Init_Geschweisster_Anschluss(GeschweissterAnschluss* record);

// ---- state of the scaled drawing of the fillet-weld connection ----------

// The output stream of the drawing: null draws on the screen.
extern FILE* Anschluss_Plot_File;

// Paper cm per mm of the last drawing.
extern double Anschluss_Scale;

// ---- the library's message list -----------------------------------------

// Codes up to 999 are errors, from 1000 on warnings.
struct Anschluss_Message_List {
    int codes[ANSCHLUSS_MESSAGE_CODES];
    int count;   // 0 .. 30
    int error;   // 1 when an error code was collected since the last clearing
};
extern Anschluss_Message_List Anschluss_Messages;

// Handle of the sheet element that shows the list; -1 when there is none.
extern int Anschluss_Message_Button;

// ---- further library state ----------------------------------------------

// Checks of the profile block whose ratio exceeded 1.
extern int Anschluss_Exceeded_Checks;

// Everything above as at the start of the process (the record zero, no
// stream, the button -1). For tests; never fails.
void Reset_Anschluss_State(void);

#endif
