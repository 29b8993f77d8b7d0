// profil_dwqb_model: building the engine's model of a converted library
// cross-section, with the kept key and the profile-model store.
#include "profiles/profil_dwqb_model.h"

#include <algorithm>
#include <cctype>
#include <cmath>
#include <cstring>

#include "base/cp850.h"
#include "base/invariant.h"
#include "base/textio.h"
#include "profiles/catalogue_outline.h"
#include "profiles/catalogue_plausibility.h"
#include "profiles/parametric_section_values.h"
#include "profiles/profil.h"
#include "profiles/profile_catalogue.h"
#include "profiles/profile_invariants.h"
#include "profiles/profile_switches.h"
#include "profiles/profilmodell.h"
#include "profiles/qimport.h"
#include "profiles/rolled_outline_points.h"
#include "profiles/stahlprofil.h"
#include "thinwall/dwqb.h"
#include "thinwall/dwqb_calc.h"
#include "thinwall/dwqb_outline.h"
#include "thinwall/dwqb_point.h"
#include "thinwall/dwqb_transfer.h"
#include "thinwall/engine_faults.h"

struct Profil_DWQB_Linienwerte Profil_DWQB_Store = {0, {0, 0, 0}, 1.0, 0, 0, {}, {}, {}, {}, {}, {}, {}, {}, " ?????", 0, {0, 0}};

namespace {

Profil_DWQB_Model_Key kept = {PROFIL_DWQB_NOT_BUILT, 0, 0, {}, {}, {}, 0, 0};
// The engine's model identity when the kept key's model was complete: the
// store holds another model (built by a caller that did not invalidate the
// key) as soon as it differs.
uint32_t kept_generation = 0;

// The kept key's family also stands in the catalogue's engine key, where the
// invalidation hook marks it; a marked key describes no model.
void Sync_Invalidation(void) {
    int32_t family;
    std::memcpy(&family, Profil_DWQB_Key.data, sizeof family);
    if (family == PROFIL_DWQB_NOT_BUILT) kept.family = PROFIL_DWQB_NOT_BUILT;
}

void Keep(const Profil_DWQB_Model_Key& key) {
    kept = key;
    std::memcpy(Profil_DWQB_Key.data, &kept.family, sizeof kept.family);
}

bool Same_Key(const Profil_DWQB_Model_Key& a, const Profil_DWQB_Model_Key& b) {
    if (a.family != b.family || a.record_number != b.record_number || a.reference_flag != b.reference_flag) return false;
    for (int k = 0; k < PROFIL_KEY_VALUES; k++)
        if (a.values[k] != b.values[k]) return false;
    for (int k = 0; k < 3; k++)
        if (a.reference[k] != b.reference[k]) return false;
    return std::strncmp(a.name, b.name, sizeof a.name) == 0 && a.turned == b.turned && a.options == b.options;
}

// The per-line stress values of the last model: nothing may survive from
// the model before (a shorter model would otherwise show its lines).
void Clear_Line_Results(void) {
    Profil_DWQB_Linienwerte_Record& p = Profil_DWQB_Linienwerte;
    p.n = p.n11 = p.n33 = 0;
    p.alpha = 0;
    p.cos_a = 1.0;
    p.sin_a = 0;
    for (int i = 0; i < PROFIL_DWQB_LINES; i++) {
        p.support_kind[i] = CT_NO_PART;
        p.ratio[i] = 0;
        p.thickness[i] = 0;
    }
}

// Plate part of line i: its c/t code and ratio and its thickness. A part is
// its clear width c = ratio t of its line, not the line between the nodes
// on the other plates' centre lines: an outstand's c reaches from its free
// end, an internal part's ends where the plates at its ends and their
// corners leave it (cut: the lengths they take at its start and its end,
// both 0 for equal ones), so that its end stresses are taken where c ends.
// (A web between flanges of 45 and 20 mm taken in the middle of the line
// between their centre lines lay (45 - 20)/4 mm off its flanges' faces.)
void Set_Line_Kind(int i, int code, double ratio, double t, const double cut_at[2] = nullptr) {
    Profil_DWQB_Linienwerte_Record& p = Profil_DWQB_Linienwerte;
    p.support_kind[i] = code;
    p.ratio[i] = ratio;
    p.thickness[i] = t;
    p.end_position[i][0] = 33 * i;
    p.end_position[i][1] = 33 * i + 30;
    p.reduction[i][0] = p.reduction[i][1] = 0;
    const double length = std::hypot(p.planes[PROFIL_PLANE_Y][33 * i + 30] - p.planes[PROFIL_PLANE_Y][33 * i],
                                     p.planes[PROFIL_PLANE_Z][33 * i + 30] - p.planes[PROFIL_PLANE_Z][33 * i]);
    const double c = ratio * t;
    if (!(length > 0) || !(c > 0) || c >= length) return;
    const double cut = (length - c) / length;
    if (code == CT_OUTSTAND_TIP) p.reduction[i][1] = cut;
    if (code == CT_OUTSTAND_ROOT) p.reduction[i][0] = cut;
    if (code != CT_INTERNAL) return;
    const double both = cut_at ? cut_at[0] + cut_at[1] : 0;
    const double start = both > 0 && cut_at[0] >= 0 && cut_at[1] >= 0 ? cut_at[0] / both : 0.5;
    p.reduction[i][0] = cut * start;
    p.reduction[i][1] = cut * (1 - start);
}

// The parts of a shape the standard builder laid out, from the store.
void Line_Kinds_From_Store(void) {
    const struct Profil_DWQB_Linienwerte& s = Profil_DWQB_Store;
    const int n = std::min({Profil_DWQB_Linienwerte.n, s.n_lines, static_cast<int>(PROFIL_STORE_LINES)});
    for (int i = 0; i < n; i++) Set_Line_Kind(i, s.ct_code[i], s.ct_ratio[i], s.line_t[i], s.ct_cut[i]);
}

// The legs of an angle of main dimensions h, b, t_w, t_f (values 0 to 3;
// a t_f of 0 is t_w) for the angle rule; null: the model is no angle.
void Store_Angle_Legs(const float* v) {
    double* legs = Profil_DWQB_Store.angle_legs;
    legs[0] = legs[1] = 0;
    if (!v) return;
    const double t1 = v[2], t2 = std::fabs(v[3]) < 0.01 ? v[2] : v[3];
    if (t1 > 0 && t2 > 0) {
        legs[0] = v[0] / t1;
        legs[1] = v[1] / t2;
    }
}

void Clear_Store(void) {
    struct Profil_DWQB_Linienwerte& s = Profil_DWQB_Store;
    std::memset(&s, 0, sizeof s);
    s.cos_angle = 1.0;
    std::snprintf(s.section_name, sizeof s.section_name, " ?????");
    Clear_Line_Results();
}

// ---- standard shapes ---------------------------------------------------------

// The classification parts of a standard shape (its plates' clear widths,
// outstand or internal) without a model: what a profile built on another
// outline is classed by.
struct Part_Table {
    int n_nodes = 0, n_lines = 0;
    double y[PROFIL_STORE_NODES], z[PROFIL_STORE_NODES];
    int a[PROFIL_STORE_LINES], b[PROFIL_STORE_LINES], code[PROFIL_STORE_LINES];
    double t[PROFIL_STORE_LINES], ratio[PROFIL_STORE_LINES];
    double cut[PROFIL_STORE_LINES][2];  // as the store's ct_cut
};

// The radii of a line's ends on its two faces (left: the side its direction
// turns to by a quarter counter-clockwise), as the engine rounds them: a
// root fillet where the line meets another, a rounded toe at a free end.
struct End_Radii {
    double a_left, a_right, b_left, b_right;
};

// What the plates at an internal part's start (a) and end (b) node and
// their corners take of its line (the store's ct_cut): a web from a
// flange's centre line to its face and on past the weld or the fillet.
struct Cut {
    double a = 0, b = 0;
};

struct Shape_Builder {
    int n_nodes = 0, n_lines = 0;
    Part_Table* parts_only = nullptr;  // set: the parts listed there, no model built
    void Node(double y, double z) {
        n_nodes++;
        if (parts_only) {
            if (n_nodes <= PROFIL_STORE_NODES) {
                parts_only->y[n_nodes - 1] = y;
                parts_only->z[n_nodes - 1] = z;
                parts_only->n_nodes = n_nodes;
            }
            return;
        }
        Add_DWQB_Node(n_nodes, y, z);
        if (n_nodes <= PROFIL_STORE_NODES) {
            Profil_DWQB_Store.node_y[n_nodes - 1] = static_cast<float>(y);
            Profil_DWQB_Store.node_z[n_nodes - 1] = static_cast<float>(z);
        }
    }
    void Line(int a, int b, double t, int code, double ratio, const End_Radii& radii = {}, const Cut& cut = {}) {
        Tapered(a, b, t, t, t, code, ratio, radii, cut);
    }
    // A line from t_a at a to t_b at b; its c/t part counts with t.
    void Tapered(int a, int b, double t_a, double t_b, double t, int code, double ratio, const End_Radii& radii = {},
                 const Cut& cut = {}) {
        n_lines++;
        if (parts_only) {
            if (n_lines > PROFIL_STORE_LINES) return;
            Part_Table& p = *parts_only;
            p.a[n_lines - 1] = a - 1;
            p.b[n_lines - 1] = b - 1;
            p.t[n_lines - 1] = t;
            p.code[n_lines - 1] = code;
            p.ratio[n_lines - 1] = ratio;
            p.cut[n_lines - 1][0] = cut.a, p.cut[n_lines - 1][1] = cut.b;
            p.n_lines = n_lines;
            return;
        }
        const double values[9] = {t_a, t_b, 0, 0, 0, radii.a_left, radii.a_right, radii.b_left, radii.b_right};
        Add_DWQB_Line(n_lines, 0, a, b, values);
        if (n_lines > PROFIL_STORE_LINES) return;
        struct Profil_DWQB_Linienwerte& s = Profil_DWQB_Store;
        s.line_a[n_lines - 1] = a - 1;
        s.line_b[n_lines - 1] = b - 1;
        s.line_t[n_lines - 1] = static_cast<float>(t);
        s.ct_code[n_lines - 1] = code;
        s.ct_ratio[n_lines - 1] = ratio;
        s.ct_cut[n_lines - 1][0] = cut.a, s.ct_cut[n_lines - 1][1] = cut.b;
    }
};

enum Shape { SHAPE_NONE, SHAPE_I, SHAPE_T, SHAPE_U, SHAPE_RHS, SHAPE_L, SHAPE_Z, SHAPE_TUBE, SHAPE_Q31, SHAPE_Q23, SHAPE_Q24, SHAPE_Q22 };

Shape Shape_Of_Name(const char* name) {
    char u[8] = {};
    for (int k = 0; k < 7 && name[k]; k++) u[k] = static_cast<char>(std::toupper(static_cast<unsigned char>(name[k])));
    auto starts = [&u](const char* p) { return std::strncmp(u, p, std::strlen(p)) == 0; };
    if (starts("Q23")) return SHAPE_Q23;
    if (starts("Q24")) return SHAPE_Q24;
    if (starts("Q22")) return SHAPE_Q22;
    if (starts("Q31")) return SHAPE_Q31;
    if (starts("1/2I") || starts("TB") || u[0] == 'T' || static_cast<unsigned char>(u[0]) == 0xAB) return SHAPE_T;
    if (starts("DIL") || u[0] == 'H' || u[0] == 'I' || u[0] == 'S' || u[0] == 'W') return SHAPE_I;
    if (u[0] == 'U' || u[0] == 'C') return SHAPE_U;
    if (u[0] == 'L') return SHAPE_L;
    if (u[0] == 'Z') return SHAPE_Z;
    if (starts("MSH") || u[0] == 'M' || starts("QR") || starts("RR")) return SHAPE_RHS;
    if (u[0] == 'R') return SHAPE_TUBE;
    return SHAPE_NONE;
}

Shape Shape_Of_Family(int family) {
    switch (family) {
    case PROFIL_FAMILY_I: return SHAPE_I;
    case PROFIL_FAMILY_T: return SHAPE_T;
    case PROFIL_FAMILY_U: return SHAPE_U;
    case PROFIL_FAMILY_RHS: return SHAPE_RHS;
    case PROFIL_FAMILY_L: return SHAPE_L;
    case PROFIL_FAMILY_Z: return SHAPE_Z;
    case PROFIL_FAMILY_TUBE: return SHAPE_TUBE;
    case PROFIL_FAMILY_Q31: return SHAPE_Q31;
    case PROFIL_FAMILY_Q23: return SHAPE_Q23;
    case PROFIL_FAMILY_Q24: return SHAPE_Q24;
    case PROFIL_FAMILY_Q22: return SHAPE_Q22;
    default: return SHAPE_NONE;
    }
}

// A welded box of the weld program (a Q24 with its bottom flange in the
// box values; z from its top flange at -H to 0): both flanges across the
// webs, each running on past the webs' outer faces by its overhang (b_üo
// v[2], b_üu), the webs between the flanges' faces with their outer faces
// at b_fo/2 (v[4]) under the top flange and at b_fu/2 over the bottom one,
// sloped where these differ, t_w thick across the web. Its centre lines
// meet the flanges' where those plates lie: a bottom flange on the webs'
// ends, between them, had left out its overhangs and half its thickness
// (600 x 10 with 300 x 30 over 300 x 15: A 247.5 cm2 for 246.0, I_y 1.387e9
// for 1.347e9 mm4). Parts: each overhang an outstand from its tip to the
// web's outer face (none without an overhang: a sloped web's flange ends
// past its centre line in a line of no part), each flange between the webs'
// inner faces and each web between the flanges' faces internal parts,
// ended at their real faces.
void Build_Box(Shape_Builder& s, const float* v) {
    const double H = v[7], t_w = v[6] / 2, t_o = v[5], t_u = v[1], b_o = v[4], e_o = v[2];
    const double b_u = v[PROFIL_MODEL_BOX_VALUE], e_u = v[PROFIL_MODEL_BOX_VALUE + 1];
    double across;  // the web's width along y
    const double y_o = Calc_Box_Web_Centre(H, t_w, b_o, t_o, b_u, t_u, t_o / 2, &across);
    const double y_u = Calc_Box_Web_Centre(H, t_w, b_o, t_o, b_u, t_u, H - t_u / 2, nullptr);
    const double z_o = t_o / 2 - H, z_u = -t_u / 2, h_1 = std::max(0.0, H - t_o - t_u);
    const double kNone = 0.0001;  // an overhang of 0.001 mm or less is none
    const bool upright = !(std::fabs(b_u - b_o) > kNone);
    // a flange at z from tip to tip: its nodes at the webs first (a, a + 1),
    // then its tips; without an overhang an upright web's corner is the
    // mitre of the two plates, a sloped one's the flange's end
    int next = 1;
    auto flange = [&](double z, double y_web, double tip, double e, double t, double c) {
        const int a = next;
        s.Node(y_web, z), s.Node(-y_web, z);
        next += 2;
        s.Line(a, a + 1, t, CT_INTERNAL, c / t);
        if ((upright && !(e > kNone)) || !(tip > y_web + kNone)) return;
        const int code = e > kNone ? static_cast<int>(CT_OUTSTAND_TIP) : static_cast<int>(CT_NO_PART);
        s.Node(tip, z), s.Node(-tip, z);
        next += 2;
        s.Line(next - 2, a, t, code, e / t);
        s.Line(next - 1, a + 1, t, code, e / t);
    };
    const int top = next;
    flange(z_o, y_o, b_o / 2 + e_o, e_o, t_o, b_o - 2 * across);
    const int bottom = next;
    flange(z_u, y_u, b_u / 2 + e_u, e_u, t_u, b_u - 2 * across);
    // the webs along their length between the flanges' faces
    const double web = h_1 * across / t_w / t_w;
    const Cut ends{t_o, t_u};
    s.Line(top, bottom, t_w, CT_INTERNAL, web, {}, ends);
    s.Line(top + 1, bottom + 1, t_w, CT_INTERNAL, web, {}, ends);
}

// The two-web shapes share their bottom plate; lines 6..10 mirror 1..5.
void Build_Two_Web(Shape_Builder& s, Shape shape, const float* v) {
    if (shape == SHAPE_Q24 && v[PROFIL_MODEL_BOX_VALUE] > 0) {
        Build_Box(s, v);
        return;
    }
    const double B = v[4], tu = v[5], tw = v[6] / 2, H = v[7], to = v[1];
    const double c = v[2] != 0 ? v[2] : 0.001;
    const double e = c - B / 2, zb = tu / 2 - H;
    const double r = std::min({to, tu, tw});
    for (double y : {B / 2, -e, 0.0, e, -B / 2}) s.Node(y, zb);
    const double bottom_out = (c - tw / 2) / tu;
    if (shape == SHAPE_Q31) {
        for (double y : {B / 2, -e, 0.0, e, -B / 2}) s.Node(y, -to / 2);
        const double top_out = (c - tw / 2) / to, top_in = (B - 2 * c - tw) / to, web = (H - tu - to - 2 * r) / tw;
        const double bottom_in = (B - 2 * c - tw) / tu;
        const Cut ends{to / 2 + r, tu / 2 + r};
        s.Line(6, 7, to, 0, top_out); s.Line(8, 7, to, 2, top_in); s.Line(7, 2, tw, 2, web, {}, ends);
        s.Line(1, 2, tu, 0, bottom_out); s.Line(2, 3, tu, 2, bottom_in);
        s.Line(10, 9, to, 0, top_out); s.Line(8, 9, to, 2, top_in); s.Line(9, 4, tw, 2, web, {}, ends);
        s.Line(5, 4, tu, 0, bottom_out); s.Line(4, 3, tu, 2, bottom_in);
    } else if (shape == SHAPE_Q23) {
        const double c2 = v[3] != 0 ? v[3] : 0.001, w = v[0];
        for (double y : {c2 - e, -e, c2 - e - w, w - c2 + e, e, e - c2}) s.Node(y, -to / 2);
        const double top = (c2 - tw / 2) / to, web = (H - tu - to - 2 * r) / tw, bottom_in = (B - tw) / tu;
        const Cut ends{to / 2 + r, tu / 2 + r};
        s.Line(6, 7, to, 0, top); s.Line(8, 7, to, 0, top); s.Line(7, 2, tw, 2, web, {}, ends);
        s.Line(1, 2, tu, 0, bottom_out); s.Line(2, 3, tu, 2, bottom_in);
        s.Line(11, 10, to, 0, top); s.Line(9, 10, to, 0, top); s.Line(10, 4, tw, 2, web, {}, ends);
        s.Line(5, 4, tu, 0, bottom_out); s.Line(4, 3, tu, 2, bottom_in);
    } else {
        const double d = v[3] != 0 ? v[3] : 0.001;
        s.Node(-e, -d); s.Node(0, -d); s.Node(e, -d); s.Node(-e, 0); s.Node(e, 0);
        const double top_web = (d - to / 2) / tw, plate = (v[0] - tw) / to, web = (H - d - tu - to) / tw;
        const double bottom_in = (B - tw) / tu;
        s.Line(9, 6, tw, 0, top_web); s.Line(7, 6, to, 2, plate); s.Line(6, 2, tw, 2, web);
        s.Line(1, 2, tu, 0, bottom_out); s.Line(2, 3, tu, 2, bottom_in);
        s.Line(10, 8, tw, 0, top_web); s.Line(7, 8, to, 2, plate); s.Line(8, 4, tw, 2, web);
        s.Line(5, 4, tu, 0, bottom_out); s.Line(4, 3, tu, 2, bottom_in);
    }
}

// ---- catalogue profiles through their outline model ---------------------------

struct Topology {
    char letter;
    int n_nodes, n_lines;
    int node[6];        // outline node of model node 1, 2, ...
    int line[5];        // outline part of model line 1, 2, ...
    bool reversed[5];
};

const Topology kTopologies[] = {
    {'D', 6, 5, {0, 1, 2, 3, 4, 5}, {0, 1, 2, 3, 4}, {false, false, false, false, false}},
    {'L', 3, 2, {0, 1, 2}, {0, 1}, {false, false}},
    {'R', 4, 4, {2, 3, 0, 1}, {3, 2, 0, 1}, {true, true, false, false}},
    {'T', 4, 3, {0, 1, 2, 3}, {0, 1, 2}, {false, true, true}},
    {'U', 4, 3, {0, 1, 2, 3}, {0, 1, 2}, {false, false, false}},
    {'Z', 4, 3, {0, 1, 2, 3}, {0, 1, 2}, {false, false, true}},
};

// Where a model's classification parts come from.
enum Model_Parts { PARTS_OF_ENGINE, PARTS_OF_STORE, PARTS_OF_OUTLINE };

// The centre lines of the model lines built from an outline (before the
// model is placed), for their parts.
struct Line_Ends {
    double y_a, z_a, y_b, z_b;
};
Line_Ends outline_ends[5];
int outline_lines = 0;

// Builds the model from the profile manager's outline model when its letter
// has a topology table and the counts agree. True when built.
bool Build_From_Outline(const char* name, const float* v) {
    outline_lines = 0;
    ProfilDataEintrag* record = Find_Profile(name);
    if (!record) return false;
    const Topology* top = nullptr;
    for (const Topology& t : kTopologies)
        if (t.letter == record->type_letter) top = &t;
    if (!top) return false;
    Store_Angle_Legs(top->letter == 'L' ? v : nullptr);
    Profilmodell* model = Build_Profile_Model(record);
    if (!model || model->node_count != top->n_nodes || model->part_count != top->n_lines) {
        Free_Profilmodell(model);
        return false;
    }
    int model_of[6] = {};
    for (int k = 0; k < top->n_nodes; k++) model_of[top->node[k]] = k + 1;
    for (int k = 0; k < top->n_nodes; k++) {
        const Profilmodell_Knoten* n = model->nodes[top->node[k]];
        Add_DWQB_Node(k + 1, n->y - v[1], n->z - v[0]);
    }
    for (int k = 0; k < top->n_lines; k++) {
        const Profilmodell_Teil* part = model->parts[top->line[k]];
        double p[9];
        Profilmodell_Line_Values(part, p);
        int a = model_of[part->start], b = model_of[part->end];
        if (top->reversed[k]) {
            const double r[9] = {p[1], p[0], -p[2], p[4], p[3], p[8], p[7], p[6], p[5]};
            std::memcpy(p, r, sizeof p);
            std::swap(a, b);
        }
        Add_DWQB_Line(k + 1, 0, a, b, p);
        const Profilmodell_Knoten *na = model->nodes[top->node[a - 1]], *nb = model->nodes[top->node[b - 1]];
        outline_ends[k] = {na->y - v[1], na->z - v[0], nb->y - v[1], nb->z - v[0]};
    }
    outline_lines = top->n_lines;
    Free_Profilmodell(model);
    return true;
}

// ---- user sections from VUVE.EIN ---------------------------------------------

bool Get_Line(FILE* f, char* buffer, int size) { return Read_Line(f, buffer, size) > 0; }

// A section the model cannot hold is never refused silently: without a
// message stream the refusal goes to the program with the engines' faults.
void Report_Refusal(FILE* messages, const char* text) {
    if (messages)
        std::fprintf(messages, " %s\n", text);
    else
        Record_Engine_Fault(ENGINE_FAULT_USER_SECTION, " %s\n", text);
}

// The parameters of one line of a user section: its kind and nine values.
struct User_Line_Params {
    int kind;
    double p[9];
};

// The name line and the node block (count, then number, y, z each) into
// the tables (their counts are set when the whole section is read); false
// on a malformed or refused block.
bool Read_User_Nodes(FILE* vuve, char* line, FILE* messages, int* count) {
    if (!Get_Line(vuve, line, 201)) return false;
    const char* q1 = std::strchr(line, '\'');
    const char* q2 = q1 ? std::strchr(q1 + 1, '\'') : nullptr;
    if (q1 && q2)
        std::snprintf(Profil_DWQB_Store.section_name, sizeof Profil_DWQB_Store.section_name, "%.*s",
                      static_cast<int>(std::min<long>(q2 - q1 - 1, 27)), q1 + 1);
    int n;
    if (!Get_Line(vuve, line, 101) || std::sscanf(line, " %d", &n) != 1) return false;
    if (n >= VUVE_MAX_ITEMS + 1) {
        Report_Refusal(messages, "Es sind zuviele Knoten im Q7-VUVE-Profil vorhanden.");
        return false;
    }
    if (n < 0) return false;
    DWQB_Tabellen_Record& tab = DWQB_Tabellen;
    std::memset(&tab, 0, sizeof tab);
    for (int i = 1; i <= n; i++) {
        float y, z;
        if (!Get_Line(vuve, line, 101) || std::sscanf(line, " %d%f%f", &tab.node[i].number, &y, &z) != 3) return false;
        // A number beyond single precision reads as infinite: no section.
        if (!std::isfinite(y) || !std::isfinite(z)) return false;
        tab.node[i].y = y;
        tab.node[i].z = z;
    }
    *count = n;
    return true;
}

// The line block (count, then number, start and end node, thickness each)
// into the tables and the plain parameters; false on a malformed or refused
// block.
bool Read_User_Lines(FILE* vuve, char* line, FILE* messages, int n, User_Line_Params* params, int* count) {
    DWQB_Tabellen_Record& tab = DWQB_Tabellen;
    int m;
    if (!Get_Line(vuve, line, 101) || std::sscanf(line, " %d", &m) != 1) return false;
    if (m >= VUVE_MAX_ITEMS + 1) {
        Report_Refusal(messages, "Es sind zuviele Kanten im Q7-VUVE-Profil vorhanden.");
        return false;
    }
    if (m < 0) return false;
    for (int i = 0; i < m; i++) {
        int a, b;
        float t;
        if (!Get_Line(vuve, line, 101) || std::sscanf(line, " %d%d%d%f", &tab.line[i].number, &a, &b, &t) != 4 ||
            !std::isfinite(t))
            return false;
        int ia = -1, ib = -1;
        for (int k = 1; k <= n; k++) {
            if (tab.node[k].number == a && ia < 0) ia = k;
            if (tab.node[k].number == b && ib < 0) ib = k;
        }
        if (ia < 0 || ib < 0) return false;
        tab.line[i].a = ia - 1;
        tab.line[i].b = ib - 1;
        tab.line[i].t = t;
        params[i] = User_Line_Params{0, {t, t, 0, 0, 0, 0, 0, 0, 0}};
    }
    *count = m;
    return true;
}

// The extended block: the kinds and values of the first lines, then the
// values the section gives (torsion and warping constants, shear centre and
// principal values) in place of computed ones; false when malformed.
bool Read_User_Extension(FILE* vuve, char* line, int m, User_Line_Params* params) {
    int k;
    if (!Get_Line(vuve, line, 101) || std::sscanf(line, " %d", &k) != 1 || k < 0 || k > m) return false;
    for (int i = 0; i < k; i++) {
        int kind, d1, d2, d3;
        double* p = params[i].p;
        if (!Get_Line(vuve, line, 201) ||
            std::sscanf(line, " %d %d %d %d %lf %lf %lf %lf %lf %lf %lf %lf %lf", &kind, &d1, &d2, &d3, &p[0], &p[1],
                        &p[2], &p[3], &p[4], &p[5], &p[6], &p[7], &p[8]) != 13 ||
            !std::all_of(p, p + 9, [](double v) { return std::isfinite(v); }))
            return false;
        params[i].kind = kind;
    }
    int flags = 0;
    double w[8] = {};
    if (!Get_Line(vuve, line, 201)) return true;
    const int r = std::sscanf(line, " %d %lf %lf %lf %lf %lf %lf %lf %lf", &flags, &w[0], &w[1], &w[2], &w[3], &w[4],
                              &w[5], &w[6], &w[7]);
    if (!std::all_of(w, w + 8, [](double v) { return std::isfinite(v); })) return false;
    if ((flags & 4) && r >= 2) {
        DWQB_Querschnittswerte[DWQB_QW_IT] = w[0];
        Profil_DWQB_Store.user_flags |= DWQB_OPT_GIVEN_IT;
    }
    if ((flags & 8) && r >= 3) {
        DWQB_Querschnittswerte[DWQB_QW_IW] = w[1];
        Profil_DWQB_Store.user_flags |= DWQB_OPT_GIVEN_IW;
    }
    if ((flags & 32) && r == 9) {
        // shear centre y, z, then angle and the principal moments
        DWQB_Querschnittswerte[DWQB_QW_YM] = w[2];
        DWQB_Querschnittswerte[DWQB_QW_ZM] = w[3];
        DWQB_Querschnittswerte[DWQB_QW_ALPHA] = w[4];
        DWQB_Querschnittswerte[DWQB_QW_I1] = w[5];
        DWQB_Querschnittswerte[DWQB_QW_I2] = w[6];
        DWQB_Querschnittswerte[DWQB_QW_IP] = w[7];
        Profil_DWQB_Store.user_flags |= DWQB_OPT_GIVEN_SHEAR_CENTRE;
    }
    return true;
}

// Reads the section's block and adds it to the engine. 0 on success, 1 on
// any failure (nothing added then).
int Build_User_Section(FILE* vuve, const char* keyword, FILE* messages) {
    if (!vuve || !Find_Keyword_Line(vuve, keyword, 1)) return 1;
    char line[QIMPORT_LINE_SIZE];
    int number, second = 0;
    if (!Get_Line(vuve, line, 101)) return 1;
    const int got = std::sscanf(line, " %i %i", &number, &second);
    if (got < 1) return 1;
    const bool fem = got == 2 && second > 0;
    User_Line_Params params[VUVE_MAX_ITEMS];
    int n = 0, m = 0;
    if (!Read_User_Nodes(vuve, line, messages, &n) || !Read_User_Lines(vuve, line, messages, n, params, &m)) return 1;
    if (fem && VUVE_Extended_Enabled() && !Read_User_Extension(vuve, line, m, params)) return 1;
    DWQB_Tabellen_Record& tab = DWQB_Tabellen;
    tab.n_nodes = n;
    tab.n_lines = m;
    for (int i = 1; i <= n; i++) Add_DWQB_Node(tab.node[i].number, tab.node[i].y, tab.node[i].z);
    for (int i = 0; i < m; i++)
        Add_DWQB_Line(tab.line[i].number, params[i].kind, tab.node[tab.line[i].a + 1].number,
                      tab.node[tab.line[i].b + 1].number, params[i].p);
    DWQB_Optionen |= Profil_DWQB_Store.user_flags;
    return 0;
}

// ---- values given directly ---------------------------------------------------

// The point (y, z) shifted by the reference point and turned by its angle.
void Place(const Profil_DWQB_Model_Key& key, double y, double z, double* out_y, double* out_z) {
    const double a = key.reference[2], c = std::cos(a), s = std::sin(a);
    const double yy = y + key.reference[0], zz = z + key.reference[1];
    *out_y = c * yy - s * zz;
    *out_z = s * yy + c * zz;
}

// Stress points of a section given by its values: the four corners of its
// extent (two points on the z axis for the plane modes) with the unit
// stresses of its section moduli, so that the stress services see it as
// they see a model of plates.
void Values_Stress_Points(const Profil_DWQB_Model_Key& key, int mode) {
    const float* k = key.values;
    Profil_DWQB_Linienwerte_Record& p = Profil_DWQB_Linienwerte;
    auto inv = [](double d) { return d != 0 ? 1 / d : 0.0; };
    const bool corners = mode == 1 || mode == 2 || mode == 5 || mode == 6 || mode == 7;
    const double y_min = k[13], y_max = k[14], z_min = k[15], z_max = k[16];
    const int n = corners ? 4 : 2;
    p.n = 0;
    p.n11 = 0;
    p.n33 = n;
    p.y_c = p.z_c = 0;
    for (int i = 0; i < n; i++) {
        const bool at_y_max = corners ? i % 2 == 0 : true;
        const bool at_z_max = i < (corners ? 2 : 1);
        double y = corners ? (at_y_max ? y_max : y_min) : 0, z = at_z_max ? z_max : z_min;
        if (key.reference_flag) Place(key, y, z, &y, &z);
        for (int plane = 0; plane < PROFIL_DWQB_PLANES; plane++) p.planes[plane][i] = 0;
        p.planes[PROFIL_PLANE_Y][i] = y;
        p.planes[PROFIL_PLANE_Z][i] = z;
        p.planes[PROFIL_PLANE_N][i] = inv(k[0]);
        if (corners) {
            p.planes[PROFIL_PLANE_M1][i] = inv(at_y_max ? k[2] : k[3]);
            p.planes[PROFIL_PLANE_M2][i] = inv(at_z_max ? k[6] : k[7]);
            p.planes[PROFIL_PLANE_MX][i] = inv(k[9]);
            const bool plain = mode == 1 || mode == 2;
            p.planes[PROFIL_PLANE_V1][i] = plain ? inv(k[8]) : 1.5 * inv(k[0]);
            p.planes[PROFIL_PLANE_V2][i] = plain ? inv(k[4]) : 1.5 * inv(k[0]);
        } else {
            p.planes[PROFIL_PLANE_M1][i] = inv(at_z_max ? k[2] : k[3]);
            p.planes[PROFIL_PLANE_V2][i] = inv(k[4]);
        }
    }
}

int Build_From_Values(const Profil_DWQB_Model_Key& key, int mode) {
    const float* k = key.values;
    double* qw = DWQB_Querschnittswerte;
    qw[DWQB_QW_A] = k[0];
    qw[DWQB_QW_IY] = qw[DWQB_QW_I1] = k[1];
    qw[DWQB_QW_IZ] = qw[DWQB_QW_I2] = k[5];
    qw[DWQB_QW_IT] = k[10];
    qw[DWQB_QW_YC] = qw[DWQB_QW_ZC] = 0;
    qw[DWQB_QW_Y_MIN] = k[13];
    qw[DWQB_QW_Y_MAX] = k[14];
    qw[DWQB_QW_Z_MIN] = k[15];
    qw[DWQB_QW_Z_MAX] = k[16];
    qw[DWQB_QW_W1] = k[2];
    qw[DWQB_QW_W1 + 1] = k[3];
    qw[DWQB_QW_W1 + 2] = k[6];
    qw[DWQB_QW_W1 + 3] = k[7];
    qw[DWQB_QW_ALPHA] = 0;
    if (key.reference_flag) {
        // Centroid and the corners of the extent move with the reference
        // point; the extent becomes that of the placed corners.
        Place(key, 0, 0, &qw[DWQB_QW_YC], &qw[DWQB_QW_ZC]);
        double y_min = 0, y_max = 0, z_min = 0, z_max = 0;
        const double ys[2] = {k[13], k[14]}, zs[2] = {k[15], k[16]};
        for (int i = 0; i < 4; i++) {
            double y, z;
            Place(key, ys[i % 2], zs[i / 2], &y, &z);
            y_min = i ? std::min(y_min, y) : y;
            y_max = i ? std::max(y_max, y) : y;
            z_min = i ? std::min(z_min, z) : z;
            z_max = i ? std::max(z_max, z) : z;
        }
        qw[DWQB_QW_Y_MIN] = y_min;
        qw[DWQB_QW_Y_MAX] = y_max;
        qw[DWQB_QW_Z_MIN] = z_min;
        qw[DWQB_QW_Z_MAX] = z_max;
        qw[DWQB_QW_ALPHA] = key.reference[2];
    }
    Values_Stress_Points(key, mode);
    Profil_DWQB_Store.mode = mode;
    return 0;
}

// Given basic or shear-centre values follow the model to its reference point.
void Place_Given_Values(const Profil_DWQB_Model_Key& key) {
    if (!key.reference_flag) return;
    double* qw = DWQB_Querschnittswerte;
    if (DWQB_Optionen & DWQB_OPT_GIVEN_VALUES) {
        Place(key, qw[DWQB_QW_YC], qw[DWQB_QW_ZC], &qw[DWQB_QW_YC], &qw[DWQB_QW_ZC]);
        qw[DWQB_QW_ALPHA] += key.reference[2];
    }
    if (DWQB_Optionen & DWQB_OPT_GIVEN_SHEAR_CENTRE) Place(key, qw[DWQB_QW_YM], qw[DWQB_QW_ZM], &qw[DWQB_QW_YM], &qw[DWQB_QW_ZM]);
}

// ---- catalogue and parametric values in place of computed ones ---------------

void Give_Catalogue_Values(const Profil_DWQB_Model_Key& key, double cy, double cz) {
    const float* v = key.values;
    double* qw = DWQB_Querschnittswerte;
    const uint32_t word = DWQB_Option_Word;
    if (word & 2) {
        qw[DWQB_QW_A] = v[4];
        qw[DWQB_QW_YC] = -v[7] - cy;
        qw[DWQB_QW_ZC] = -v[6] - cz;
        qw[DWQB_QW_ALPHA] = std::atan2(v[8], 1.0);
        qw[DWQB_QW_I1] = v[13];
        qw[DWQB_QW_I2] = v[18];
        qw[DWQB_QW_W1] = std::fabs(v[15]);
        qw[DWQB_QW_W1 + 1] = -std::fabs(v[14]);
        qw[DWQB_QW_W1 + 2] = std::fabs(v[20]);
        qw[DWQB_QW_W1 + 3] = -std::fabs(v[19]);
        DWQB_Optionen |= DWQB_OPT_GIVEN_VALUES;
    }
    if ((word & 16) && v[17] > 0 && v[22] > 0) {
        qw[DWQB_QW_WPL_Y] = v[17];
        qw[DWQB_QW_WPL_Z] = v[22];
        DWQB_Optionen |= DWQB_OPT_GIVEN_PLASTIC;
    }
    if ((word & 4) && v[23] > 0) {
        qw[DWQB_QW_IT] = v[23];
        DWQB_Optionen |= DWQB_OPT_GIVEN_IT;
    }
    if ((word & 8) && v[24] > 0) {
        qw[DWQB_QW_IW] = v[24];
        DWQB_Optionen |= DWQB_OPT_GIVEN_IW;
    }
    if (key.turned != '-') return;
    std::swap(qw[DWQB_QW_YC], qw[DWQB_QW_ZC]);
    qw[DWQB_QW_YC] = -qw[DWQB_QW_YC];
    std::swap(qw[DWQB_QW_I1], qw[DWQB_QW_I2]);
    const double w1p = qw[DWQB_QW_W1], w1n = qw[DWQB_QW_W1 + 1], w2p = qw[DWQB_QW_W1 + 2], w2n = qw[DWQB_QW_W1 + 3];
    qw[DWQB_QW_W1] = -w2n;
    qw[DWQB_QW_W1 + 1] = -w2p;
    qw[DWQB_QW_W1 + 2] = w1p;
    qw[DWQB_QW_W1 + 3] = w1n;
    if (!key.reference_flag || key.reference[2] == 0) std::swap(qw[DWQB_QW_WPL_Y], qw[DWQB_QW_WPL_Z]);
}

void Give_Parametric_Values(int family, const float* shape_values) {
    const uint32_t word = DWQB_Option_Word;
    int options = 0;
    if (word & 0x2000) options = 2;
    if (word & 0x4000) options = (word & 0x2000) ? 6 : 4;
    if (word & 0x8000) options |= 8;
    if (word & 0x10000) options |= 16;
    if (!options) return;
    Parametric_Section_Values p;
    // A rolled shape given with its radii has the values of its rounded
    // outline, as its profile prints them and as its catalogue twin has
    // them: a hollow section's corners, an open shape's root fillets and
    // toes.
    const float* v = shape_values;
    const float r_o = v[PROFIL_MODEL_OUTER_CORNER_VALUE], r_i = v[PROFIL_MODEL_CORNER_VALUE];
    const bool rolled = v[PROFIL_MODEL_CORNER_VALUE + 2] == static_cast<float>(PQ_CORNERS_ROLLED);
    const bool rounded_tube = rolled && family == PROFIL_FAMILY_RHS;
    if (rounded_tube) {
        if (!Calc_Rounded_Hollow_Rectangle_Values(v[0], v[1], v[2], v[3], r_o, r_i, options, &p)) return;
    } else if (!(rolled && Calc_Rolled_Section_Values(family, shape_values, r_i, r_o, options, &p)) &&
               !Calc_Parametric_Section_Values(family, shape_values, options, &p)) {
        return;
    }
    double* qw = DWQB_Querschnittswerte;
    if ((options & 2) && (p.flags & PARAMETRIC_BASIC_VALUES)) {
        qw[DWQB_QW_A] = p.area;
        qw[DWQB_QW_YC] = p.y_s;
        qw[DWQB_QW_ZC] = p.z_s;
        qw[DWQB_QW_ALPHA] = p.angle;
        qw[DWQB_QW_I1] = p.I_1;
        qw[DWQB_QW_I2] = p.I_2;
        qw[DWQB_QW_W1] = p.W_1_pos;
        qw[DWQB_QW_W1 + 1] = p.W_1_neg;
        qw[DWQB_QW_W1 + 2] = p.W_2_pos;
        qw[DWQB_QW_W1 + 3] = p.W_2_neg;
        DWQB_Optionen |= DWQB_OPT_GIVEN_VALUES;
    }
    if ((options & 4) && (p.flags & PARAMETRIC_TORSION) && p.I_T > 0) {
        qw[DWQB_QW_IT] = p.I_T;
        DWQB_Optionen |= DWQB_OPT_GIVEN_IT;
    }
}

void Transform_Store_Nodes(double dy, double dz, double angle, bool turn) {
    struct Profil_DWQB_Linienwerte& s = Profil_DWQB_Store;
    const int n = std::min<int>(s.n_nodes, PROFIL_STORE_NODES);
    const double c = std::cos(angle), si = std::sin(angle);
    for (int i = 0; i < n; i++) {
        double y = s.node_y[i] + dy, z = s.node_z[i] + dz;
        if (turn) {
            const double y0 = y;
            y = -z;
            z = y0;
        } else if (angle != 0) {
            const double y0 = y;
            y = c * y0 - si * z;
            z = si * y0 + c * z;
        }
        s.node_y[i] = static_cast<float>(y);
        s.node_z[i] = static_cast<float>(z);
    }
}

}  // namespace

int Clear_Profil_Model_Store(void) {
    WELD_CHECK_AT_EXIT(Check_Profile_Invariants());
    Clear_Store();
    return 0;
}

namespace {

// The corners that end a standard shape's clear widths: a rolled catalogue
// profile's root radius, a typed-in shape's own corners (top r_o, bottom
// r_u), else the thinner plate's thickness.
struct Shape_Corners {
    bool root_radius, own;
    double r, r_o, r_u, rhs;
    double outer;  // a rolled hollow section's outer corner radius, 0 when not given
    // A rolled open shape's root fillets (at the top and the bottom flange)
    // and toes as its lines' ends carry them, 0 where it has none: the
    // material they add shapes the shear flow, and a plate's face does not
    // run on inside a fillet (a record of PROFIL and the same record of the
    // profile manager, whose outline model has them, are one section).
    double fillet_o, fillet_u, toe;
};

Shape_Corners Corners_Of(int record_number, Shape shape, const float* v) {
    Shape_Corners c{};
    const double tw = v[2], tf = v[3];
    c.r = std::min(tw, tf);
    // A rolled catalogue profile has its root radius: its clear widths end
    // where the fillets begin (a hollow section's value is its outer
    // corner radius, not a fillet).
    c.root_radius = record_number > 0 && v[25] > 0.01 && shape != SHAPE_RHS;
    if (c.root_radius) c.r = v[25];
    // A shape given with corners of its own (a typed-in profile's root
    // radius or weld leg) ends its clear widths there, at the top (r_o) and
    // the bottom flange (r_u); the others take r at both. A rolled hollow
    // section without its own has the flat width b - 3 t (its outer corner
    // radius is 1.5 t and more), not b - 4 t of the fillet substitute.
    c.own = record_number <= 0 && v[PROFIL_MODEL_CORNER_VALUE + 2] != 0;
    c.r_o = c.own ? v[PROFIL_MODEL_CORNER_VALUE] : c.r;
    c.r_u = c.own ? v[PROFIL_MODEL_CORNER_VALUE + 1] : c.r;
    c.rhs = c.own ? c.r_o + c.r_u : c.r;
    c.outer = c.own ? std::max(0.0f, v[PROFIL_MODEL_OUTER_CORNER_VALUE]) : 0;
    const bool typed_rolled = c.own && static_cast<int>(v[PROFIL_MODEL_CORNER_VALUE + 2]) == PQ_CORNERS_ROLLED;
    if (shape != SHAPE_RHS && (c.root_radius || typed_rolled)) {
        c.fillet_o = c.root_radius ? c.r : std::max(0.0, c.r_o);
        c.fillet_u = c.root_radius ? c.r : std::max(0.0, c.r_u);
        c.toe = std::max(0.0f, c.root_radius ? v[26] : v[PROFIL_MODEL_OUTER_CORNER_VALUE]);
    }
    return c;
}

// A sloped flange of a catalogue double-T or tee: its thickness at the tip
// and where it meets the web's centre line (t_f stands where the record's
// standard puts it). Parallel flanges, and every shape that is no catalogue
// profile, keep t_f at both.
struct Flange_Ends {
    double tip, root;
};
Flange_Ends Flange_Thickness(int record_number, char letter, const float* v) {
    const double b = v[1], tf = v[3];
    Catalogue_Outline o{};
    if (record_number <= 0 || !Catalogue_Record_Outline(letter, v, &o) || !(o.slope > 0) || !(o.slope < 0.5))
        return {tf, tf};
    return {tf - o.slope * o.nominal_from_tip, tf + o.slope * (b / 2 - o.nominal_from_tip)};
}

// Sloped flanges taper from their tips to the web (the torsion's shear
// stress, t M_x / I_T, is largest at the thick root), their mid-lines
// half their thickness inside the flat outer faces; their c/t counts with
// t_f.
void Build_I(Shape_Builder& s, int record_number, const float* v, const Shape_Corners& c) {
    const double h = v[0], b = v[1], tw = v[2], tf = v[3];
    const Flange_Ends t = Flange_Thickness(record_number, 'D', v);
    s.Node(0, t.tip / 2 - h); s.Node(-b / 2, t.root / 2 - h); s.Node(-b, t.tip / 2 - h);
    s.Node(0, -t.tip / 2); s.Node(-b / 2, -t.root / 2); s.Node(-b, -t.tip / 2);
    const double fo = c.fillet_o, fu = c.fillet_u, toe = c.toe;
    s.Tapered(1, 2, t.tip, t.root, tf, 0, (b / 2 - tw / 2 - c.r_o) / tf, {0, toe, 0, fo});
    s.Tapered(3, 2, t.tip, t.root, tf, 0, (b / 2 - tw / 2 - c.r_o) / tf, {toe, 0, fo, 0});
    // the web from the flanges' inner faces (t_f from the outer ones) and
    // their welds or fillets
    s.Line(2, 5, tw, 2, (h - 2 * tf - c.r_o - c.r_u) / tw, {fo, fo, fu, fu},
           {tf - t.root / 2 + c.r_o, tf - t.root / 2 + c.r_u});
    s.Tapered(4, 5, t.tip, t.root, tf, 0, (b / 2 - tw / 2 - c.r_u) / tf, {toe, 0, fu, 0});
    s.Tapered(6, 5, t.tip, t.root, tf, 0, (b / 2 - tw / 2 - c.r_u) / tf, {0, toe, 0, fu});
}

void Build_T(Shape_Builder& s, int record_number, const float* v, const Shape_Corners& c) {
    const double h = v[0], b = v[1], tw = v[2], tf = v[3];
    const Flange_Ends t = Flange_Thickness(record_number, 'T', v);
    s.Node(0, t.tip / 2 - h); s.Node(-b / 2, t.root / 2 - h); s.Node(-b, t.tip / 2 - h); s.Node(-b / 2, 0);
    const double fo = c.fillet_o, toe = c.toe;
    s.Tapered(1, 2, t.tip, t.root, tf, 0, ((b - tw) / 2 - c.r_o) / tf, {0, toe, 0, fo});
    s.Tapered(3, 2, t.tip, t.root, tf, 0, ((b - tw) / 2 - c.r_o) / tf, {toe, 0, fo, 0});
    s.Line(4, 2, tw, 0, (h - tf - c.r_o) / tw, {0, 0, fo, fo});
}

void Build_U(Shape_Builder& s, int record_number, const float* v, const Shape_Corners& c) {
    const double h = v[0], b = v[1], tw = v[2], tf = v[3];
    // A rolled channel's flanges thicken towards the web with the slope
    // of their inner faces (t_f at half the width): parallel flanges put
    // its shear centre 5 to 10 % too far out. Their mid-lines stay
    // parallel, so that an outstand in bending stays uniformly
    // compressed (the slope of the mid-lines moves the shear centre by
    // about 0.3 %).
    const double slope = record_number > 0 ? Calc_Channel_Flange_Slope(v) : 0;
    const double t_root = tf + slope * (b - tw) / 2, t_tip = tf - slope * b / 2;
    s.Node(-b, tf / 2 - h); s.Node(-tw / 2, tf / 2 - h); s.Node(-tw / 2, -tf / 2); s.Node(-b, -tf / 2);
    // the flanges from the web's face and its fillet to their tips
    const double fo = c.fillet_o, fu = c.fillet_u, toe = c.toe;
    s.Tapered(1, 2, t_tip, t_root, tf, 0, (b - tw - c.r_o) / tf, {toe, 0, fo, 0});
    s.Line(2, 3, tw, 2, (h - 2 * tf - c.r_o - c.r_u) / tw, {fo, 0, fu, 0}, {tf / 2 + c.r_o, tf / 2 + c.r_u});
    s.Tapered(3, 4, t_root, t_tip, tf, 1, (b - tw - c.r_u) / tf, {fu, 0, toe, 0});
}

void Build_RHS(Shape_Builder& s, const float* v, const Shape_Corners& c) {
    const double h = v[0], b = v[1], tw = v[2], tf = v[3];
    s.Node(-tw / 2, -tf / 2); s.Node(-(b - tw / 2), -tf / 2); s.Node(-tw / 2, tf / 2 - h); s.Node(-(b - tw / 2), tf / 2 - h);
    // the flat width between the walls less the corners; with the outer
    // corner radius known, the longer of the inner and the outer flat
    // face (a hot-finished tube's outer face, b - 2 r_o, as the catalogue's
    // b - 3 t)
    double across = b - 2 * tw - c.rhs, down = h - 2 * tf - c.rhs;
    if (c.outer > 0) across = std::max(across, b - 2 * c.outer), down = std::max(down, h - 2 * c.outer);
    s.Line(1, 2, tf, 2, across / tf);
    s.Line(2, 4, tw, 2, down / tw);
    s.Line(4, 3, tf, 2, across / tf);
    s.Line(3, 1, tw, 2, down / tw);
}

void Build_L(Shape_Builder& s, const float* v, const Shape_Corners& c) {
    const double h = v[0], b = v[1], tw = v[2], tf = v[3];
    const double t1 = tw, t2 = std::fabs(tf) < 0.01 ? tw : tf;
    const double rl = c.own ? c.r_o : c.root_radius ? c.r : std::min(t1, t2);
    s.Node(-t1 / 2, -h); s.Node(-t1 / 2, -t2 / 2); s.Node(-b, -t2 / 2);
    // each leg from the other's face and the fillet to its tip
    s.Line(1, 2, t1, 0, (h - t2 - rl) / t1, {c.toe, 0, c.fillet_o, 0});
    s.Line(3, 2, t2, 0, (b - t1 - rl) / t2, {0, c.toe, 0, c.fillet_o});
}

void Build_Z(Shape_Builder& s, const float* v, const Shape_Corners& c) {
    const double h = v[0], b = v[1], tw = v[2], tf = v[3];
    s.Node(0, tf / 2 - h); s.Node(-b / 2, tf / 2 - h); s.Node(-b / 2, -tf / 2); s.Node(-b, -tf / 2);
    s.Line(1, 2, tf, 0, ((b - tw) / 2 - c.r_o) / tf, {0, c.toe, 0, c.fillet_o});
    s.Line(2, 3, tw, 2, (h - 2 * tf - c.r_o - c.r_u) / tw, {0, c.fillet_o, c.fillet_u, 0},
           {tf / 2 + c.r_o, tf / 2 + c.r_u});
    s.Line(4, 3, tf, 0, ((b - tw) / 2 - c.r_u) / tf, {0, c.toe, 0, c.fillet_u});
}

void Build_Tube(Shape_Builder& s, const float* v) {
    const double D = v[0], t = v[2], R = (D - t) / 2, ratio = t != 0 ? D / t : 0;
    for (int k = 1; k <= 16; k++) {
        const double phi = 22.5 * (k - 1) * 0.017453292519943295;
        s.Node(-(R * std::sin(phi) + D / 2), -(R * std::cos(phi) + D / 2));
    }
    for (int k = 9; k >= 2; k--) s.Line(k, k - 1, t, CT_ROUND, ratio);
    for (int k = 9; k <= 15; k++) s.Line(k, k + 1, t, CT_ROUND, ratio);
    s.Line(16, 1, t, CT_ROUND, ratio);
}

void Build_Q22(Shape_Builder& s, const float* v, const Shape_Corners& c) {
    const double h = v[0], tfo = v[1], tfu = v[2], w = v[3], bo = v[4], bu = v[5];
    const double r1 = c.own ? c.r_o : std::min(tfo, w), r3 = c.own ? c.r_u : std::min(tfu, w);
    const double r2 = c.own ? (c.r_o + c.r_u) / 2 : std::min(r1, tfu);
    s.Node(bo / 2, tfo / 2 - h); s.Node(0, tfo / 2 - h); s.Node(-bo / 2, tfo / 2 - h);
    s.Node(bu / 2, -tfu / 2); s.Node(0, -tfu / 2); s.Node(-bu / 2, -tfu / 2);
    // A typed rolled one has its root fillets, as its section values (no
    // toes): its plates' faces end where they begin.
    const double fo = c.fillet_o, fu = c.fillet_u;
    s.Line(1, 2, tfo, 0, (bo / 2 - w / 2 - r1) / tfo, {0, 0, 0, fo});
    s.Line(3, 2, tfo, 0, (bo / 2 - w / 2 - r1) / tfo, {0, 0, fo, 0});
    // the web from each flange's inner face and its own weld or fillet
    const double top = c.own ? c.r_o : r2, bottom = c.own ? c.r_u : r2;
    s.Line(2, 5, w, 2, (h - tfo - tfu - 2 * r2) / w, {fo, fo, fu, fu}, {tfo / 2 + top, tfu / 2 + bottom});
    s.Line(4, 5, tfu, 0, (bu / 2 - w / 2 - r3) / tfu, {0, 0, fu, 0});
    s.Line(6, 5, tfu, 0, (bu / 2 - w / 2 - r3) / tfu, {0, 0, 0, fu});
}

// The nodes and lines of the shape.
void Build_Shape(Shape_Builder& s, Shape shape, int record_number, const float* v, const Shape_Corners& c) {
    switch (shape) {
    case SHAPE_I: Build_I(s, record_number, v, c); break;
    case SHAPE_T: Build_T(s, record_number, v, c); break;
    case SHAPE_U: Build_U(s, record_number, v, c); break;
    case SHAPE_RHS: Build_RHS(s, v, c); break;
    case SHAPE_L: Build_L(s, v, c); break;
    case SHAPE_Z: Build_Z(s, v, c); break;
    case SHAPE_TUBE: Build_Tube(s, v); break;
    case SHAPE_Q31:
    case SHAPE_Q23:
    case SHAPE_Q24: Build_Two_Web(s, shape, v); break;
    case SHAPE_Q22: Build_Q22(s, v, c); break;
    case SHAPE_NONE: break;
    }
}

// The shape a model stands for: a catalogue record its own family (its type
// letter), never the shape its name's first letters suggest; the names of
// the parametric shapes ("Q23", "I-Querschnitt") name theirs.
Shape Shape_Of_Model(int record_number, const char* name) {
    const char* n = name ? name : "";
    return record_number > 0 ? Shape_Of_Family(Get_Profil_Family(n)) : Shape_Of_Name(n);
}

}  // namespace

int Build_Standard_DWQB_Model(int record_number, const char* name, const float* values, int* built) {
    WELD_CHECK_AT_EXIT(Check_Profile_Invariants());
    Shape_Builder s;
    const Shape shape = Shape_Of_Model(record_number, name);
    Store_Angle_Legs(shape == SHAPE_L ? values : nullptr);
    Build_Shape(s, shape, record_number, values, Corners_Of(record_number, shape, values));
    Profil_DWQB_Store.n_lines = std::min(s.n_lines, static_cast<int>(PROFIL_STORE_LINES));
    Profil_DWQB_Store.n_nodes = s.n_nodes;
    if (built) *built = shape != SHAPE_NONE;
    return 0;
}

namespace {

// The key's name, orientation and reference point from the name text and
// the caller's reference.
Profil_DWQB_Model_Key Key_Of(const double* reference, const Profil_Model_Descriptor* descriptor,
                             const char* name_text) {
    Profil_DWQB_Model_Key key{};
    key.family = descriptor->family;
    key.record_number = descriptor->catalogue;
    char trimmed[PROFIL_MODEL_NAME_SIZE];
    const size_t text_length = strnlen(name_text, PROFIL_MODEL_NAME_SIZE - 1);
    Copy_Trimmed(text_length > 4 ? name_text + 4 : "", trimmed, static_cast<int>(sizeof key.name), 3);
    std::memcpy(key.name, trimmed, std::strlen(trimmed));
    key.turned = name_text[0] == '-' ? '-' : ' ';
    key.options = DWQB_Option_Word;
    if (reference && (reference[0] != 0 || reference[1] != 0 || reference[2] != 0)) {
        key.reference_flag = 1;
        for (int k = 0; k < 3; k++) key.reference[k] = reference[k];
    }
    return key;
}

// The catalogue values of a name (all zero, with a message, when unknown).
void Catalogue_Values(const char* name, float* out, FILE* messages) {
    char code[PROFIL_CODE_SIZE] = {};
    std::memset(out, 0, sizeof(float) * PROFIL_KEY_VALUES);
    Get_Profil_Values(name, out, code);
    if (code[0] == 'E' && messages) std::fprintf(messages, " %s\n", "Profil nicht bekannt.");
}

// A flat or round bar (by name or by family) as a section given by its 17
// values; the number of key values. The mode takes the value forms of the
// model's modes 1 and 2.
int Bar_Values(Profil_DWQB_Model_Key& key, const float* values, bool bar_by_name, int name_family, int* mode,
               FILE* messages) {
    const bool flat = bar_by_name ? name_family == PROFIL_FAMILY_FLAT : key.family == PROFIL_FAMILY_FLAT;
    float input[4] = {};
    if (bar_by_name) {
        float v[PROFIL_KEY_VALUES];
        Catalogue_Values(key.name, v, messages);
        input[0] = key.turned == '-' ? v[0] : v[1];
        input[1] = key.turned == '-' ? v[1] : v[0];
    } else {
        input[0] = values[WORK_SLOT_D2];
        input[1] = values[WORK_SLOT_D1];
    }
    if (!flat) {
        input[0] = bar_by_name ? input[1] : values[WORK_SLOT_D1];
        input[1] = 0;
    }
    double r[SIMPLE_SECTION_RESULTS];
    Calc_Simple_Section_Values(flat ? SIMPLE_SECTION_RECTANGLE : SIMPLE_SECTION_CIRCLE, input, r,
                               SIMPLE_SECTION_RESULTS);
    const double k[17] = {r[0], r[8], r[2], r[3], r[6], r[9], r[4], r[5], r[7], r[1], r[10], 0, 0,
                          r[13] - r[11], r[14] - r[11], r[15] - r[12], r[16] - r[12]};
    for (int i = 0; i < 17; i++) key.values[i] = static_cast<float>(k[i]);
    key.family = PROFIL_FAMILY_VALUES;
    key.record_number = 0;
    if (*mode == 1) *mode = 5;
    if (*mode == 2) *mode = 6;
    return 17;
}

// A parametric shape of family 1 to 14: its generic name and its shape
// values; the number of key values.
int Shape_Values(Profil_DWQB_Model_Key& key, const float* values) {
    static const char* const shape_names[] = {"",
                                              "I-Querschnitt  ",
                                              "T-Querschnitt  ",
                                              "U-Querschnitt  ",
                                              "M-Querschnitt  ",
                                              "L-Querschnitt  ",
                                              "Z-Querschnitt  ",
                                              "R-Querschnitt  ",
                                              "Q31",
                                              "Q23",
                                              "Q24",
                                              "",
                                              "",
                                              "Q22",
                                              "I-Querschnitt  "};
    if (*shape_names[key.family]) {
        std::memset(key.name, 0, sizeof key.name);
        std::snprintf(key.name, sizeof key.name, "%s", shape_names[key.family]);
    }
    if (key.family == PROFIL_FAMILY_I_TURNED) key.turned = '-';
    const int count = key.family >= PROFIL_FAMILY_Q31 && key.family <= PROFIL_FAMILY_Q24 ? 8
                      : key.family == PROFIL_FAMILY_Q22                                      ? 6
                                                                                             : 4;
    for (int i = 0; i < count; i++) key.values[i] = values[PROFIL_MODEL_FIRST_SHAPE_VALUE + i];
    if (key.family == PROFIL_FAMILY_Z) key.values[1] = 2 * key.values[1] - key.values[2];
    return count;
}

// The shape's own corners in the key's corner slots (the same as the value
// array's), zero when it has none.
void Shape_Corners(Profil_DWQB_Model_Key& key, const float* values) {
    const bool own = values[PROFIL_MODEL_CORNER_VALUE + 2] != 0;
    for (int i = PROFIL_MODEL_CORNER_VALUE; i <= PROFIL_MODEL_OUTER_CORNER_VALUE; i++) key.values[i] = own ? values[i] : 0;
}

// The key's values by the kind of section: given values, a user section
// (none), a bar, a catalogue profile (the kept values when the same) or a
// parametric shape; the rest zero.
void Key_Values(Profil_DWQB_Model_Key& key, const float* values, int* mode, FILE* messages) {
    int count = 4;
    const int name_family = Get_Profil_Family(key.name);
    Sync_Invalidation();
    const bool bar_by_name = key.family == PROFIL_FAMILY_BY_NAME && key.record_number > 0 &&
                             (name_family == PROFIL_FAMILY_FLAT || name_family == PROFIL_FAMILY_ROUND);
    if (key.family < 0) {
        key.values[0] = 10000 * values[WORK_SLOT_GIVEN_A];
        key.values[1] = 1e8f * values[WORK_SLOT_GIVEN_I];
        key.values[2] = std::fabs(1e6f * values[WORK_SLOT_GIVEN_W_BOTTOM]);
        key.values[3] = -std::fabs(1e6f * values[WORK_SLOT_GIVEN_W_TOP]);
    } else if (key.family == PROFIL_FAMILY_USER) {
        count = 0;
    } else if (bar_by_name || key.family == PROFIL_FAMILY_FLAT || key.family == PROFIL_FAMILY_ROUND) {
        count = Bar_Values(key, values, bar_by_name, name_family, mode, messages);
    } else if (key.record_number > 0) {
        key.family = PROFIL_FAMILY_BY_NAME;
        count = PROFIL_KEY_VALUES;
        if (kept.family == PROFIL_FAMILY_BY_NAME && kept.record_number == key.record_number &&
            std::strncmp(kept.name, key.name, 36) == 0)
            std::memcpy(key.values, kept.values, sizeof key.values);
        else
            Catalogue_Values(key.name, key.values, messages);
    } else if (key.family >= PROFIL_FAMILY_I && key.family <= PROFIL_FAMILY_I_TURNED) {
        count = Shape_Values(key, values);
    }
    for (int i = count; i < PROFIL_KEY_VALUES; i++) key.values[i] = 0;
    if (key.family >= PROFIL_FAMILY_I && key.family <= PROFIL_FAMILY_I_TURNED && key.record_number <= 0)
        Shape_Corners(key, values);
    if (key.family == PROFIL_FAMILY_Q24 && key.record_number <= 0)
        for (int i = PROFIL_MODEL_BOX_VALUE; i < PROFIL_MODEL_BOX_VALUE + 2; i++) key.values[i] = std::max(0.0f, values[i]);
}

// The classification parts of the lines built from an outline: the
// standard shape's of the same record (the table's clear widths from the
// root fillets, an angle's legs, a tee's stem and a channel's flanges
// outstands, webs and hollow walls internal), each outline line taking the
// plate that joins the same nodes. The outline alone gave its own runs:
// an I's web no part (W 1000 x 300 x 222 in class 3 for 2) and an angle's
// legs c from their mid-lines (L 150 x 100 x 10, c/t 0.859 for 0.938).
// False when a line has no plate of its own.
struct Outline_Parts {
    int n;
    int code[5];
    double ratio[5], t[5], cut[5][2];
} outline_parts;

// The standing model's shape and the parts of its standard shape, listed
// without a model: what an outline's lines are classed by and what tells
// how a rolled outline stands in the builder's frame.
struct Standard_Parts {
    Shape shape = SHAPE_NONE;
    Part_Table table;
} standard_parts;

void List_Standard_Parts(const Profil_DWQB_Model_Key& key) {
    standard_parts = Standard_Parts{};
    standard_parts.shape = Shape_Of_Model(key.record_number, key.name);
    Shape_Builder lister;
    lister.parts_only = &standard_parts.table;
    Build_Shape(lister, standard_parts.shape, key.record_number, key.values,
                Corners_Of(key.record_number, standard_parts.shape, key.values));
}

bool Match_Outline_Parts(void) {
    outline_parts.n = 0;
    const Part_Table& table = standard_parts.table;
    if (standard_parts.shape == SHAPE_NONE || outline_lines == 0 || table.n_lines != outline_lines) return false;
    bool used[5] = {};
    for (int k = 0; k < outline_lines; k++) {
        const Line_Ends& e = outline_ends[k];
        const double length = std::hypot(e.y_b - e.y_a, e.z_b - e.z_a);
        int best = -1;
        bool reversed = false;
        double nearest = 0;
        for (int j = 0; j < table.n_lines; j++) {
            auto gap = [&](int m, double y, double z) { return std::hypot(table.y[m] - y, table.z[m] - z); };
            const double same = gap(table.a[j], e.y_a, e.z_a) + gap(table.b[j], e.y_b, e.z_b);
            const double turned = gap(table.b[j], e.y_a, e.z_a) + gap(table.a[j], e.y_b, e.z_b);
            const double d = std::min(same, turned);
            if (best < 0 || d < nearest) best = j, nearest = d, reversed = turned < same;
        }
        // the same plate: its ends within its thickness of the outline's
        if (best < 0 || used[best] || !(nearest <= std::min(table.t[best], 0.25 * length))) return false;
        used[best] = true;
        int code = table.code[best];
        if (reversed && code == CT_OUTSTAND_TIP) code = CT_OUTSTAND_ROOT;
        else if (reversed && code == CT_OUTSTAND_ROOT) code = CT_OUTSTAND_TIP;
        outline_parts.code[k] = code;
        outline_parts.ratio[k] = table.ratio[best];
        outline_parts.t[k] = table.t[best];
        outline_parts.cut[k][0] = table.cut[best][reversed ? 1 : 0];
        outline_parts.cut[k][1] = table.cut[best][reversed ? 0 : 1];
    }
    outline_parts.n = outline_lines;
    return true;
}

// How the standing model was placed.
Model_Placement placed_at;

// A catalogue profile (from the profile manager's outline where it can be
// had) or a parametric shape: built, centred (turned where asked), moved to
// the reference point, and given its section values. The parts it is
// classed by: the standard shapes' (from the store, or matched to the
// outline's lines), else the engine's own runs.
void Build_Placed_Model(const Profil_DWQB_Model_Key& key, Model_Parts* parts) {
    int built = 0;
    const bool outline = key.family == PROFIL_FAMILY_BY_NAME && key.record_number > 0 &&
                         Is_Profile_Manager_Available() && Build_From_Outline(key.name, key.values);
    if (!outline) Build_Standard_DWQB_Model(key.record_number, key.name, key.values, &built);
    List_Standard_Parts(key);
    const bool matched = outline && Match_Outline_Parts();
    double y_min, y_max, z_min, z_max;
    Get_DWQB_Extents(&y_min, &z_min, &y_max, &z_max);
    const double cy = (y_min + y_max) / 2, cz = (z_min + z_max) / 2;
    placed_at = {cy, cz, key.turned == '-', key.reference_flag != 0, {key.reference[0], key.reference[1], key.reference[2]}};
    if (key.turned == '-') {
        const double shift[3] = {-cy, -cz, 1.5707963267948966};
        Transform_DWQB_Model(shift);
        Transform_Store_Nodes(-cy, -cz, 0, true);
    } else if (cy != 0 || cz != 0) {
        const double shift[3] = {-cy, -cz, 0};
        Transform_DWQB_Model(shift);
        Transform_Store_Nodes(-cy, -cz, 0, false);
    }
    if (key.reference_flag) {
        Transform_DWQB_Model(key.reference);
        Transform_Store_Nodes(key.reference[0], key.reference[1], key.reference[2], false);
    }
    // The node and line tables of the model as placed: the line values
    // are transferred in their order.
    Fill_DWQB_Tabellen();
    *parts = built != 0 && !outline ? PARTS_OF_STORE : matched ? PARTS_OF_OUTLINE : PARTS_OF_ENGINE;
    if (key.family == PROFIL_FAMILY_BY_NAME && key.record_number > 0)
        Give_Catalogue_Values(key, cy, cz);
    else if (key.family >= PROFIL_FAMILY_I && key.family <= PROFIL_FAMILY_Q22)
        Give_Parametric_Values(key.family, key.values);
    Place_Given_Values(key);
}

// The flange lines and the web's line of a double-T, a tee and a channel,
// as both builders lay them out.
struct Flange_Layout {
    int flanges[4];
    int web;
};
const Flange_Layout kFlangeLayouts[] = {{{0, 1, 3, 4}, 2}, {{0, 1, -1, -1}, 2}, {{0, 2, -1, -1}, 1}};

double Plane_At(int plane, int k) { return Profil_DWQB_Linienwerte.planes[plane][k]; }
double Y_At(int k) { return Plane_At(PROFIL_PLANE_Y, k); }
double Z_At(int k) { return Plane_At(PROFIL_PLANE_Z, k); }

// The value at (y, z) of a plane that is linear in the coordinates, through
// its values at the points a, b and c (not in a line); false when they are.
bool Linear_Plane(int plane, int a, int b, int c, double y, double z, double* value) {
    const double y1 = Y_At(b) - Y_At(a), z1 = Z_At(b) - Z_At(a), y2 = Y_At(c) - Y_At(a), z2 = Z_At(c) - Z_At(a);
    const double det = y1 * z2 - y2 * z1;
    if (!(std::fabs(det) > 1e-12 * (y1 * y1 + z1 * z1 + y2 * y2 + z2 * z2))) return false;
    const double v1 = Plane_At(plane, b) - Plane_At(plane, a), v2 = Plane_At(plane, c) - Plane_At(plane, a);
    const double gy = (v1 * z2 - v2 * z1) / det, gz = (y1 * v2 - y2 * v1) / det;
    *value = Plane_At(plane, a) + gy * (y - Y_At(a)) + gz * (z - Z_At(a));
    return true;
}

// The root point of flange line i at `at`, reach from the centre line of the
// web's line; false when the line is no sloped flange or gives no root
// within its length.
bool Flange_Root_Point(int i, int web, double reach, int at) {
    Profil_DWQB_Linienwerte_Record& p = Profil_DWQB_Linienwerte;
    const int base = 33 * i;
    const double t_0 = Plane_At(PROFIL_PLANE_T, base), t_10 = Plane_At(PROFIL_PLANE_T, base + 30);
    if (!(std::fabs(t_0 - t_10) > 1e-6 * std::max(t_0, t_10))) return false;
    const int root = t_10 > t_0 ? 10 : 0, tip = 10 - root;
    // the web's centre line (w) and the flange's side of it
    const int w0 = 33 * web, w1 = w0 + 30;
    const double wl = std::hypot(Y_At(w1) - Y_At(w0), Z_At(w1) - Z_At(w0));
    if (!(wl > 0)) return false;
    const double wy = (Y_At(w1) - Y_At(w0)) / wl, wz = (Z_At(w1) - Z_At(w0)) / wl;
    auto across = [&](double y, double z) { return (y - Y_At(w0)) * wz - (z - Z_At(w0)) * wy; };
    const double side = across(Y_At(base + 3 * tip), Z_At(base + 3 * tip));
    if (!(std::fabs(side) > reach)) return false;
    // the inner face (the one nearer the centroid), along its straight part,
    // clear of a fillet at the root and a toe at the tip
    auto off = [&](int k) { return std::hypot(Y_At(k) - p.y_c, Z_At(k) - p.z_c); };
    const int face = off(base + 15 + 1) < off(base + 15 + 2) ? 1 : 2;
    const int a = base + 9 + face, b = base + 21 + face;
    const double c_a = across(Y_At(a), Z_At(a)), c_b = across(Y_At(b), Z_At(b));
    if (!(std::fabs(c_b - c_a) > 0)) return false;
    const double lambda = ((side > 0 ? reach : -reach) - c_a) / (c_b - c_a);
    const double y = Y_At(a) + lambda * (Y_At(b) - Y_At(a)), z = Z_At(a) + lambda * (Z_At(b) - Z_At(a));
    double v[3];
    const int normal[3] = {PROFIL_PLANE_N, PROFIL_PLANE_M1, PROFIL_PLANE_M2};
    for (int k = 0; k < 3; k++)
        if (!Linear_Plane(normal[k], base + 6, base + 24, base + 15 + face, y, z, &v[k])) return false;
    // the warping ordinate of the line where the point lies across it
    const int m_root = base + 3 * root, m_tip = base + 3 * tip;
    const double ly = Y_At(m_tip) - Y_At(m_root), lz = Z_At(m_tip) - Z_At(m_root);
    const double s = std::clamp(((y - Y_At(m_root)) * ly + (z - Z_At(m_root)) * lz) / (ly * ly + lz * lz), 0.0, 1.0);
    const double station = root + (tip - root) * s;
    const int k0 = std::min(9, static_cast<int>(station)), m0 = base + 3 * k0;
    const double f = station - k0;
    for (int plane = 0; plane < PROFIL_DWQB_PLANES; plane++)
        p.planes[plane][at] = p.planes[plane][base + 3 * root + face];
    p.planes[PROFIL_PLANE_Y][at] = y;
    p.planes[PROFIL_PLANE_Z][at] = z;
    for (int k = 0; k < 3; k++) p.planes[normal[k]][at] = v[k];
    for (int plane : {PROFIL_PLANE_OMEGA, PROFIL_PLANE_B})
        p.planes[plane][at] = (1 - f) * Plane_At(plane, m0) + f * Plane_At(plane, m0 + 3);
    return true;
}

// A sloped flange is thickest at its root, where the shear stress of St.
// Venant torsion, t M_x / I_T, is largest (and the root fillet's corner
// raises it beyond what the plate shows). The line's point on the inner
// face at the root stands on the fillet (the lines carry the record's, as
// the manager's outline draws them), where a moment about the web's axis
// leaves the normal stress smaller than where the flange begins,
// at the fillet's end, t_w / 2 + r from the web's centre line. Each sloped
// flange of a catalogue double-T, tee or channel gets a point there, after
// the lines' points: the normal stress of that place (the plane of N and
// the moments through three points of its line; the bimoment's by the
// warping ordinate of the line where the point lies) with the shear
// stresses of the root's inner face point.
void Add_Flange_Root_Points(const Profil_DWQB_Model_Key& key) {
    if (key.record_number <= 0) return;
    const int family = Get_Profil_Family(key.name);
    const int kind = family == PROFIL_FAMILY_I ? 0 : family == PROFIL_FAMILY_T ? 1 : family == PROFIL_FAMILY_U ? 2 : -1;
    const double t_w = key.values[2], r = key.values[25];
    if (kind < 0 || !(r > 0) || !(t_w > 0)) return;
    Profil_DWQB_Linienwerte_Record& p = Profil_DWQB_Linienwerte;
    const Flange_Layout& layout = kFlangeLayouts[kind];
    if (layout.web >= p.n) return;
    for (int line : layout.flanges) {
        if (line < 0 || line >= p.n || p.n33 >= PROFIL_DWQB_POSITIONS) continue;
        if (Flange_Root_Point(line, layout.web, t_w / 2 + r, p.n33)) p.n33++;
    }
}

// A rounded toe or corner (an arc of the outline of its own, not a plate's
// centre line) holds the extreme fibre of the load that bends towards it
// somewhere along the arc, between the lines' points at its ends: the
// manager's L 100 x 10 under M_y gave 281.9 N/mm2 where its toe's extreme is
// 283.7. Each such arc gets points along it, 11.25 degrees apart for a
// quarter circle (the extreme missed by less than 0.2 % of the radius),
// with the normal stress of the place and the shear and torsion of the
// line's point nearest to it.
void Add_Arc_Points(void) {
    Profil_DWQB_Linienwerte_Record& p = Profil_DWQB_Linienwerte;
    const int pieces = 8;
    const int lines = std::min(p.n, static_cast<int>(DWQB_Tabellen.n_lines));
    for (int i = 0; i < lines; i++) {
        const DWQB_Outline_Segment* segments = Find_DWQB_Line_Segments(DWQB_Tabellen.line[i].number);
        if (!segments) continue;
        for (int k = 0; k < 10; k++) {
            const DWQB_Outline_Segment& g = segments[k];
            if (!DWQB_Segment_Active(&g) || !(g.flags & DWQB_SEG_CURVED) || g.owner) continue;
            for (int m = 0; m <= pieces && p.n33 < PROFIL_DWQB_POSITIONS; m++) {
                double y, z;
                Calc_DWQB_Segment_Point(-1 + 2.0 * m / pieces, &g, &y, &z);
                int nearest = 33 * i;
                for (int j = 33 * i; j < 33 * i + 33; j++)
                    if (std::hypot(Y_At(j) - y, Z_At(j) - z) < std::hypot(Y_At(nearest) - y, Z_At(nearest) - z))
                        nearest = j;
                Add_Point_Like(nearest, y, z);
            }
        }
    }
}

// The points of a catalogue record, and of a shape typed in with its
// rolled radii, held to the rolled outline, on the plates and on the
// manager's outline alike (rolled_outline_points.h); the plates' mid-points
// tell how the outline stands in the builder's frame. False when the model
// has no such outline.
bool Hold_To_Rolled_Outline(const Profil_DWQB_Model_Key& key) {
    const bool record = key.family == PROFIL_FAMILY_BY_NAME && key.record_number > 0;
    const bool rolled = key.family >= PROFIL_FAMILY_I && key.family <= PROFIL_FAMILY_I_TURNED && key.record_number <= 0 &&
                        static_cast<int>(key.values[PROFIL_MODEL_CORNER_VALUE + 2]) == PQ_CORNERS_ROLLED;
    if (!record && !rolled) return false;
    const Shape shape = standard_parts.shape;
    const char letters[] = {0, 'D', 'T', 'U', 'R', 'L', 'Z'};
    if (shape == SHAPE_NONE || shape > SHAPE_Z) return false;
    Catalogue_Outline o{};
    if (record && !Catalogue_Record_Outline(letters[shape], key.values, &o)) return false;
    if (rolled) {
        // a hollow section's outer and inner corner, an open shape's root
        // and toe
        const float *v = key.values, root = v[PROFIL_MODEL_CORNER_VALUE], outer = v[PROFIL_MODEL_OUTER_CORNER_VALUE];
        const bool hollow = shape == SHAPE_RHS;
        o = {letters[shape], v[0], v[1], v[2], v[3], hollow ? outer : root, hollow ? root : outer, 0, 0};
    }
    const Part_Table& table = standard_parts.table;
    double inside[2 * PROFIL_STORE_LINES];
    for (int i = 0; i < table.n_lines; i++) {
        inside[2 * i] = (table.y[table.a[i]] + table.y[table.b[i]]) / 2;
        inside[2 * i + 1] = (table.z[table.a[i]] + table.z[table.b[i]]) / 2;
    }
    return Fit_Points_To_Rolled_Outline(o, inside, table.n_lines, placed_at);
}

// The model calculated and its line results transferred to the stress
// services; the status (> 0 failure), the store's mode set on success.
int Calculate_Model(const Profil_DWQB_Model_Key& key, int mode, Model_Parts parts) {
    int status = Calc_DWQB_Section();
    kept_generation = DWQB_Model_Generation;
    if (status > 0) {
        Profil_DWQB_Store.mode = 0;
        return status;
    }
    // The stress services read the line values of the model: a model whose
    // values could not be transferred stands without stress points.
    const bool transferred = Transfer_DWQB_Line_Results() <= 0;
    if (transferred) {
        Add_Flange_Root_Points(key);
        if (parts == PARTS_OF_ENGINE || !Hold_To_Rolled_Outline(key)) Add_Arc_Points();
    }
    if (transferred && parts == PARTS_OF_STORE) {
        Line_Kinds_From_Store();
        Profil_DWQB_Store.mode = mode;
        return status;
    }
    if (transferred && parts == PARTS_OF_OUTLINE) {
        const int n = std::min(Profil_DWQB_Linienwerte.n, outline_parts.n);
        for (int i = 0; i < n; i++)
            Set_Line_Kind(i, outline_parts.code[i], outline_parts.ratio[i], outline_parts.t[i], outline_parts.cut[i]);
        Profil_DWQB_Store.mode = mode;
        return status;
    }
    const int kinds = Transfer_DWQB_Line_Kinds();
    Profil_DWQB_Store.mode = kinds <= 0 ? mode : 0;
    return kinds <= 0 ? status : kinds;
}

}  // namespace

int Setup_Profil_DWQB_Model(const double* reference, const Profil_Model_Descriptor* descriptor, const char* name_text,
                            const float* values, int mode, FILE* vuve, FILE* messages) {
    WELD_CHECK_AT_EXIT(Check_Profile_Invariants());
    if (!descriptor || !name_text || !values) return 1;
    Profil_DWQB_Model_Key key = Key_Of(reference, descriptor, name_text);
    Key_Values(key, values, &mode, messages);
    if (Same_Key(key, kept)) {
        if (Profil_DWQB_Store.mode == 0) return 1;
        if (kept_generation == DWQB_Model_Generation) {
            Profil_DWQB_Store.mode = mode;
            return 0;
        }
    }
    Keep(key);
    Init_DWQB_Model();
    Clear_Store();
    if (key.family == PROFIL_FAMILY_VALUES) {
        kept_generation = DWQB_Model_Generation;
        return Build_From_Values(key, mode);
    }
    Model_Parts parts = PARTS_OF_ENGINE;
    if (key.family == PROFIL_FAMILY_BY_NAME && key.record_number <= 0) {
        // A catalogue name without a usable record is no section: built by
        // its name's first letter it stood as another shape without values
        // (and the engine reported the broken model on the console).
        Clear_DWQB_Model();
        return 1;
    }
    if (key.family == PROFIL_FAMILY_USER) {
        char block[sizeof key.name + 1] = {};
        std::memcpy(block, key.name, sizeof key.name);
        if (Build_User_Section(vuve, block, messages) != 0) {
            Clear_DWQB_Model();
            return 1;
        }
        Fill_DWQB_Tabellen();
    } else {
        Build_Placed_Model(key, &parts);
    }
    return Calculate_Model(key, mode, parts);
}

int Setup_Profil_DWQB(const Profil_Model_Descriptor* descriptor, const char* name_text, const float* values, int mode,
                      FILE* vuve, FILE* messages) {
    WELD_CHECK_AT_EXIT(Check_Profile_Invariants());
    return Setup_Profil_DWQB_Model(nullptr, descriptor, name_text, values, mode, vuve, messages);
}
