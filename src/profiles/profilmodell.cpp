// Outline models of profiles: building from catalogue records and by
// parameters, the setters, the plate outline through the engine, and the
// shear areas of a catalogue record.
#include "profiles/profilmodell.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <new>
#include <vector>

#include "profiles/profile_display.h"
#include "thinwall/dwqb.h"
#include "thinwall/dwqb_calc.h"
#include "thinwall/dwqb_outline.h"
#include "thinwall/dwqb_point.h"

namespace {

constexpr double kDegPerRad = 57.29577951308232;
constexpr double kRadPerDeg = 0.017453292519943295;

// The thin-walled engine below this module, as the outline and contour
// code reaches it: lines are numbered by part index.
void Engine_Clear(void) { Clear_DWQB_Model(); }
void Engine_Node(int number, double y, double z) { Add_DWQB_Node(number, y, z); }
void Engine_Line(int number, int kind, int start, int end, const double* values) {
    Add_DWQB_Line(number, kind, start, end, values);
}
int Engine_Calc(void) { return Calc_DWQB(); }

int Engine_Segments(int line, int32_t flags[PROFILMODELL_SEGMENT_BLOCKS], int32_t counts[PROFILMODELL_SEGMENT_BLOCKS]) {
    const DWQB_Outline_Segment* segs = Find_DWQB_Line_Segments(line);
    if (segs == nullptr) return 0;
    for (int j = 0; j < PROFILMODELL_SEGMENT_BLOCKS; j++) {
        flags[j] = static_cast<int32_t>(segs[j].flags);
        counts[j] = segs[j].n_sub;
    }
    return 1;
}

void Engine_Point(int line, int block, double xi, double* y, double* z) {
    const DWQB_Outline_Segment* segs = Find_DWQB_Line_Segments(line);
    if (segs == nullptr || block < 0 || block >= PROFILMODELL_SEGMENT_BLOCKS) {
        *y = *z = 0;
        return;
    }
    Calc_DWQB_Segment_Point(xi, &segs[block], y, z);
}

// The vertices are taken relative to the centroid of the computed section
// (values 22 and 23 of the section value record).
int Engine_Reference(double* y, double* z) {
    DWQB_Werte w;
    if (!Get_DWQB_Section_Values(&w)) return 0;
    *y = w.w[22];
    *z = w.w[23];
    return 1;
}

const Profilmodell_Engine kThinwallEngine = {Engine_Clear,    Engine_Node,  Engine_Line,     Engine_Calc,
                                             Engine_Segments, Engine_Point, Engine_Reference};

bool g_have_engine = true;
Profilmodell_Engine g_engine = kThinwallEngine;

// The mid-line heights and thicknesses of a sloped flange of length L whose
// catalogue thickness tf holds at the fraction k of L from the free end.
struct Flange {
    double z_tip, z_root, t_tip, t_root, angle;  // angle in degrees
};

Flange Sloped_Flange(double tf, double p, double L, double k) {
    if (!(p > 0)) return {tf / 2, tf / 2, tf, tf, 0};
    double alpha = 0.5 * std::atan(p / 100);
    double T = std::tan(alpha), c = std::cos(alpha);
    return {tf / 2 - k * T * L, tf / 2 + (1 - k) * T * L, (tf - 2 * k * T * L) / c, (tf + 2 * (1 - k) * T * L) / c,
            alpha * kDegPerRad};
}

// One part with a constant thickness and no slope.
int Plain_Part(Profilmodell* m, int index, int start, int end, double t, double f1 = 0, double f2 = 0,
               double f3 = 0, double f4 = 0, double arc = 0) {
    return Set_Profilmodell_Teil(m, index, start, end, arc, t, t, 0, 0, f1, f2, f3, f4);
}

struct Node {
    double y, z;
};

Profilmodell* Model_With_Nodes(std::initializer_list<Node> nodes, int parts) {
    Profilmodell* m = New_Profilmodell(static_cast<int>(nodes.size()), parts);
    if (m == nullptr) return nullptr;
    int i = 0;
    for (const Node& n : nodes) Set_Profilmodell_Knoten(m, i++, n.y, n.z);
    return m;
}

}  // namespace

void Set_Profilmodell_Engine(const Profilmodell_Engine* engine) {
    g_have_engine = engine != nullptr;
    if (engine != nullptr) g_engine = *engine;
}

const Profilmodell_Engine* Get_Profilmodell_Engine(void) { return g_have_engine ? &g_engine : nullptr; }

const Profilmodell_Engine* Thinwall_Profilmodell_Engine(void) { return &kThinwallEngine; }

void Profilmodell_Line_Values(const Profilmodell_Teil* p, double v[9]) {
    v[0] = p->t_start;
    v[1] = p->t_end;
    v[2] = p->arc;
    v[3] = p->angle_start * kRadPerDeg;
    v[4] = p->angle_end * kRadPerDeg;
    v[5] = p->f1;
    v[6] = p->f3;
    v[7] = p->f2;
    v[8] = p->f4;
}

int Load_Profilmodell_Into_Engine(const Profilmodell* model) {
    const Profilmodell_Engine* e = Get_Profilmodell_Engine();
    if (e == nullptr || model == nullptr) return 0;
    e->clear_model();
    for (int i = 0; i < model->node_count; i++)
        if (model->nodes[i]->kind != 0) e->add_node(i, model->nodes[i]->y, model->nodes[i]->z);
    for (int i = 0; i < model->part_count; i++) {
        double v[9];
        Profilmodell_Line_Values(model->parts[i], v);
        e->add_line(i, 0, model->parts[i]->start, model->parts[i]->end, v);
    }
    return e->calc() == 0;
}

Profilmodell* New_Profilmodell(int node_count, int part_count) {
    if (node_count < 0 || part_count < 0) return nullptr;
    Profilmodell* m = new (std::nothrow) Profilmodell{};
    if (m == nullptr) return nullptr;
    m->node_count = node_count;
    m->part_count = part_count;
    Profilmodell_Knoten* node_block = new (std::nothrow) Profilmodell_Knoten[node_count + 1]();
    m->nodes = new (std::nothrow) Profilmodell_Knoten*[node_count + 1]();
    Profilmodell_Teil* part_block = new (std::nothrow) Profilmodell_Teil[part_count + 1]();
    m->parts = new (std::nothrow) Profilmodell_Teil*[part_count + 1]();
    if (node_block == nullptr || m->nodes == nullptr || part_block == nullptr || m->parts == nullptr) {
        delete[] node_block;
        delete[] m->nodes;
        delete[] part_block;
        delete[] m->parts;
        delete m;
        return nullptr;
    }
    // Slot 0 of each list always points at its block, so that the block is
    // found again even for an empty list.
    for (int i = 0; i <= node_count; i++) m->nodes[i] = &node_block[i];
    for (int i = 0; i <= part_count; i++) m->parts[i] = &part_block[i];
    return m;
}

int Set_Profilmodell_Knoten(Profilmodell* model, int index, double y, double z) {
    if (model == nullptr || index < 0 || index >= model->node_count) return 0;
    model->nodes[index]->y = y;
    model->nodes[index]->z = z;
    return 1;
}

int Set_Profilmodell_Teil(Profilmodell* model, int index, int start, int end, double arc, double t_start,
                          double t_end, double angle_start, double angle_end, double f1, double f2, double f3,
                          double f4) {
    if (model == nullptr || index < 0 || index >= model->part_count) return 0;
    if (start < 0 || start >= model->node_count || end < 0 || end >= model->node_count) return 0;
    Profilmodell_Teil* p = model->parts[index];
    p->start = start;
    p->end = end;
    p->arc = arc;
    p->t_start = t_start;
    p->t_end = t_end;
    p->angle_start = angle_start;
    p->angle_end = angle_end;
    p->f1 = f1, p->f2 = f2, p->f3 = f3, p->f4 = f4;
    model->nodes[start]->kind++;
    model->nodes[end]->kind++;
    return 1;
}

void Free_Profilmodell(Profilmodell* model) {
    if (model == nullptr) return;
    delete[] model->nodes[0];
    delete[] model->nodes;
    for (int i = 0; i < model->part_count; i++) {
        std::free(model->parts[i]->outline_y);
        std::free(model->parts[i]->outline_z);
    }
    delete[] model->parts[0];
    delete[] model->parts;
    delete model;
}

namespace {

// The dimensions of a catalogue record the models take (mm): height,
// width, web and flange thickness, flange slope p and web taper q (percent),
// root, toe and web-end radii.
struct Record_Dims {
    double h, b, tw, tf, p, q, r1, r2, r3;
};

Record_Dims Dims_Of(const ProfilDataEintrag* record) {
    const float* x = record->values;
    return {x[0], x[1], x[2], x[3], x[37], x[38], std::max(x[26], 0.0f), std::max(x[27], 0.0f), std::max(x[28], 0.0f)};
}

// The families with sloped flanges: double T, tee and channel; null for
// another family.
Profilmodell* Sloped_Flange_Model(const ProfilDataEintrag* record) {
    const auto [h, b, tw, tf, p, q, r1, r2, r3] = Dims_Of(record);
    Profilmodell* m = nullptr;
    switch (record->type_letter) {
    case 'D': {
        Flange f = Sloped_Flange(tf, p, b / 2, 0.5);
        m = Model_With_Nodes({{b, f.z_tip}, {b / 2, f.z_root}, {0, f.z_tip}, {b, h - f.z_tip},
                              {b / 2, h - f.z_root}, {0, h - f.z_tip}},
                             5);
        if (m == nullptr) return nullptr;
        Set_Profilmodell_Teil(m, 0, 0, 1, 0, f.t_tip, f.t_root, f.angle, 0, 0, 0, r2, r1);
        Set_Profilmodell_Teil(m, 1, 2, 1, 0, f.t_tip, f.t_root, -f.angle, 0, r2, r1, 0, 0);
        Plain_Part(m, 2, 1, 4, tw, r1, r1, r1, r1);
        Set_Profilmodell_Teil(m, 3, 3, 4, 0, f.t_tip, f.t_root, -f.angle, 0, r2, r1, 0, 0);
        Set_Profilmodell_Teil(m, 4, 5, 4, 0, f.t_tip, f.t_root, f.angle, 0, 0, 0, r2, r1);
        break;
    }
    case 'T': {
        Flange f = Sloped_Flange(tf, p, b / 2, 0.5);
        m = Model_With_Nodes({{b, f.z_tip}, {b / 2, f.z_root}, {0, f.z_tip}, {b / 2, h}}, 3);
        if (m == nullptr) return nullptr;
        double d = q > 0 ? q / 100 * (h - f.z_root) : 0.0;
        Set_Profilmodell_Teil(m, 0, 0, 1, 0, f.t_tip, f.t_root, f.angle, 0, 0, 0, r2, r1);
        Set_Profilmodell_Teil(m, 1, 2, 1, 0, f.t_tip, f.t_root, -f.angle, 0, r2, r1, 0, 0);
        Set_Profilmodell_Teil(m, 2, 1, 3, 0, tw + d, tw - d, 0, 0, r1, r3, r1, r3);
        break;
    }
    case 'U': {
        double L = b - tw / 2;
        bool half = record->code == 16 || ((record->code == 15 || record->code == 54) && h > 300);
        double k = half || L == 0 ? 0.5 : (b / 2) / L;
        Flange f = Sloped_Flange(tf, p, L, k);
        m = Model_With_Nodes({{0, f.z_tip}, {L, f.z_root}, {L, h - f.z_root}, {0, h - f.z_tip}}, 3);
        if (m == nullptr) return nullptr;
        Set_Profilmodell_Teil(m, 0, 0, 1, 0, f.t_tip, f.t_root, -f.angle, 0, r2, r1, 0, 0);
        Plain_Part(m, 1, 1, 2, tw, r1, r1);
        Set_Profilmodell_Teil(m, 2, 2, 3, 0, f.t_root, f.t_tip, 0, f.angle, r1, r2, 0, 0);
        break;
    }
    default:
        return nullptr;
    }
    return m;
}

// The families of plain plates: Z, angle, hollow rectangle, tube, elliptical
// tube and flat bar; null for another family.
Profilmodell* Plain_Plate_Model(const ProfilDataEintrag* record) {
    const auto [h, b, tw, tf, p, q, r1, r2, r3] = Dims_Of(record);
    Profilmodell* m = nullptr;
    switch (record->type_letter) {
    case 'Z':
        m = Model_With_Nodes({{b, tf / 2}, {b / 2, tf / 2}, {b / 2, h - tf / 2}, {0, h - tf / 2}}, 3);
        if (m == nullptr) return nullptr;
        Plain_Part(m, 0, 0, 1, tf, 0, 0, r2, r1);
        Plain_Part(m, 1, 1, 2, tw, 0, r1, r1, 0);
        Plain_Part(m, 2, 2, 3, tf, r1, r2);
        break;
    case 'L': {
        double t = tw;
        double c2 = record->code == 60 ? r2 : 0.0, c3 = record->code == 60 ? r3 : 0.0;
        m = Model_With_Nodes({{b - t / 2, 0}, {b - t / 2, h - t / 2}, {0, h - t / 2}}, 2);
        if (m == nullptr) return nullptr;
        Plain_Part(m, 0, 0, 1, t, r2, r1, c2, c3);
        Plain_Part(m, 1, 1, 2, t, r1, r2, c3, c2);
        break;
    }
    case 'R': {
        double t = tw;
        m = Model_With_Nodes({{b - t / 2, t / 2}, {t / 2, t / 2}, {b - t / 2, h - t / 2}, {t / 2, h - t / 2}}, 4);
        if (m == nullptr) return nullptr;
        Plain_Part(m, 0, 1, 0, t, r2, r2, r1, r1);
        Plain_Part(m, 1, 0, 2, t, r2, r2, r1, r1);
        Plain_Part(m, 2, 1, 3, t, r1, r1, r2, r2);
        Plain_Part(m, 3, 3, 2, t, r1, r1, r2, r2);
        break;
    }
    case 'K': {
        double D = h, t = tw;
        m = Model_With_Nodes({{D - t / 2, D / 2}, {t / 2, D / 2}}, 2);
        if (m == nullptr) return nullptr;
        Plain_Part(m, 0, 0, 1, t, 0, 0, 0, 0, -(D - t) / 2);
        Plain_Part(m, 1, 1, 0, t, 0, 0, 0, 0, -(D - t) / 2);
        break;
    }
    case 'E': {
        double t = tf;
        double a = (b - t) / 2, be = (h - t) / 2;  // mid-line semi-axes across and down
        double dz = 0, dy = 0, s2 = 0, s1 = 0;
        if (a > 0 && be > 0) Calc_Four_Arc_Ellipse(&dz, &dy, &s2, a, be, &s1);
        double cy = b / 2, cz = h / 2;
        m = Model_With_Nodes({{cy + dy, cz + dz}, {cy - dy, cz + dz}, {cy - dy, cz - dz}, {cy + dy, cz - dz}}, 4);
        if (m == nullptr) return nullptr;
        Plain_Part(m, 0, 0, 1, t, 0, 0, 0, 0, -s2);
        Plain_Part(m, 1, 1, 2, t, 0, 0, 0, 0, -s1);
        Plain_Part(m, 2, 2, 3, t, 0, 0, 0, 0, -s2);
        Plain_Part(m, 3, 3, 0, t, 0, 0, 0, 0, -s1);
        break;
    }
    case 'F':
        m = Model_With_Nodes({{0, h / 2}, {b, h / 2}}, 1);
        if (m == nullptr) return nullptr;
        Plain_Part(m, 0, 0, 1, h);
        break;
    default:
        return nullptr;
    }
    return m;
}

}  // namespace

Profilmodell* Build_Profile_Model(const ProfilDataEintrag* record) {
    if (record == nullptr) return nullptr;
    const char letter = record->type_letter;
    if (letter == 'D' || letter == 'T' || letter == 'U') return Sloped_Flange_Model(record);
    return Plain_Plate_Model(record);
}

int Calc_Profilmodell_Outline(Profilmodell* model) {
    if (model == nullptr || !Load_Profilmodell_Into_Engine(model)) return 0;
    const Profilmodell_Engine* e = Get_Profilmodell_Engine();
    bool any = false;
    double ymin = 0, ymax = 0, zmin = 0, zmax = 0;
    for (int i = 0; i < model->part_count; i++) {
        Profilmodell_Teil* p = model->parts[i];
        std::free(p->outline_y);
        std::free(p->outline_z);
        p->outline_y = p->outline_z = nullptr;
        p->outline_count = 0;
        int32_t flags[PROFILMODELL_SEGMENT_BLOCKS] = {}, counts[PROFILMODELL_SEGMENT_BLOCKS] = {};
        if (!e->line_segments(i, flags, counts)) continue;
        int points[PROFILMODELL_SEGMENT_BLOCKS] = {};
        int total = 0;
        for (int j = 0; j < PROFILMODELL_SEGMENT_BLOCKS; j++) {
            if (flags[j] < 0 || !(flags[j] & PROFILMODELL_SEG_PRESENT)) continue;
            int n = (flags[j] & PROFILMODELL_SEG_CURVED) && counts[j] > 1 ? counts[j] : 1;
            if (n > 1 && (j == 2 || j == 7)) n *= 2;
            points[j] = std::min(n, 4096);  // a damaged count cannot make the outline unbounded
            total += points[j];
        }
        if (total == 0) continue;
        p->outline_y = static_cast<double*>(std::malloc(sizeof(double) * total));
        p->outline_z = static_cast<double*>(std::malloc(sizeof(double) * total));
        if (p->outline_y == nullptr || p->outline_z == nullptr) {
            std::free(p->outline_y);
            std::free(p->outline_z);
            p->outline_y = p->outline_z = nullptr;
            continue;
        }
        int k = 0;
        for (int j = 0; j < PROFILMODELL_SEGMENT_BLOCKS; j++)
            for (int s = 0; s < points[j]; s++, k++)
                e->segment_point(i, j, points[j] > 1 ? -1.0 + s * 2.0 / points[j] : -1.0, &p->outline_y[k],
                                 &p->outline_z[k]);
        p->outline_count = total;
        for (k = 0; k < total; k++) {
            double y = p->outline_y[k], z = p->outline_z[k];
            if (!any) ymin = ymax = y, zmin = zmax = z, any = true;
            ymin = std::min(ymin, y), ymax = std::max(ymax, y);
            zmin = std::min(zmin, z), zmax = std::max(zmax, z);
        }
    }
    model->y_min = ymin, model->y_max = ymax, model->z_min = zmin, model->z_max = zmax;
    return 1;
}

int Calc_Profil_Shear_Areas(const ProfilDataEintrag* record, double* A_w, double* A_vy, double* A_vz) {
    double w = 0, vy = 0, vz = 0;
    int known = 0;
    if (record != nullptr) {
        const float* x = record->values;
        double h = x[0], b = x[1], tw = x[2], tf = x[3], A = x[4], r = x[26];
        auto in = [&](std::initializer_list<int> codes) {
            return std::find(codes.begin(), codes.end(), record->code) != codes.end();
        };
        int c = record->code;
        known = 1;
        if ((c >= 1 && c <= 14) || (c >= 35 && c <= 40) || in({45, 46, 47, 53, 58}))
            w = (h - 2 * tf) * tw, vy = 2 * b * tf, vz = A - 2 * b * tf + (tw + 2 * r) * tf;
        else if ((c >= 15 && c <= 18) || in({34, 54, 55, 59}))
            w = (h - 2 * tf) * tw, vy = 2 * b * tf, vz = A - 2 * b * tf + (tw + r) * tf;
        else if ((c >= 19 && c <= 23) || in({48, 49, 50}))
            w = (h - tf) * tw, vy = b * tf, vz = A - b * tf + (tw + 2 * r) * tf / 2;
        else if (in({24, 25, 41, 44}))
            vy = vz = 0.6366197723677421 * A;
        else if (in({26, 27, 28, 29, 31, 42, 43}))
            vy = h + b != 0 ? A * b / (h + b) : 0, vz = h + b != 0 ? A * h / (h + b) : 0;
        else if (in({32, 33, 51, 52, 60}))
            vy = b * tf, vz = h * tf;
        else if (!in({30, 56, 57}))
            known = 0;
    }
    if (A_w != nullptr) *A_w = w;
    if (A_vy != nullptr) *A_vy = vy;
    if (A_vz != nullptr) *A_vz = vz;
    return known;
}

// ---- parametric models -------------------------------------------------------

Profilmodell* Build_Box_Profilmodell(double h, double b, double tf, double tw) {
    Profilmodell* m =
        Model_With_Nodes({{b - tw / 2, tf / 2}, {tw / 2, tf / 2}, {b - tw / 2, h - tf / 2}, {tw / 2, h - tf / 2}}, 4);
    if (m == nullptr) return nullptr;
    Plain_Part(m, 0, 0, 1, tf);
    Plain_Part(m, 1, 2, 3, tf);
    Plain_Part(m, 2, 0, 2, tw);
    Plain_Part(m, 3, 1, 3, tw);
    return m;
}

Profilmodell* Build_Channel_Profilmodell(double h, double b, double tf, double tw) {
    Profilmodell* m =
        Model_With_Nodes({{0, tf / 2}, {b - tw / 2, tf / 2}, {b - tw / 2, h - tf / 2}, {0, h - tf / 2}}, 3);
    if (m == nullptr) return nullptr;
    Plain_Part(m, 0, 0, 1, tf);
    Plain_Part(m, 1, 1, 2, tw);
    Plain_Part(m, 2, 2, 3, tf);
    return m;
}

Profilmodell* Build_Tee_Profilmodell(double h, double b, double tf, double tw) {
    Profilmodell* m = Model_With_Nodes({{0, tf / 2}, {b / 2, tf / 2}, {b, tf / 2}, {b / 2, h}}, 3);
    if (m == nullptr) return nullptr;
    Plain_Part(m, 0, 0, 1, tf);
    Plain_Part(m, 1, 2, 1, tf);
    Plain_Part(m, 2, 1, 3, tw);
    return m;
}

Profilmodell* Build_Double_T_Profilmodell(double h, double b_o, double t_o, double b_u, double t_u, double tw) {
    double b = std::max(b_o, b_u);
    Profilmodell* m = Model_With_Nodes({{b / 2 - b_o / 2, t_o / 2},
                                        {b / 2, t_o / 2},
                                        {b / 2 + b_o / 2, t_o / 2},
                                        {b / 2 - b_u / 2, h - t_u / 2},
                                        {b / 2, h - t_u / 2},
                                        {b / 2 + b_u / 2, h - t_u / 2}},
                                       5);
    if (m == nullptr) return nullptr;
    Plain_Part(m, 0, 0, 1, t_o);
    Plain_Part(m, 1, 2, 1, t_o);
    Plain_Part(m, 2, 1, 4, tw);
    Plain_Part(m, 3, 3, 4, t_u);
    Plain_Part(m, 4, 5, 4, t_u);
    return m;
}

Profilmodell* Build_Plate_Profilmodell(double h, double t) {
    Profilmodell* m = Model_With_Nodes({{t / 2, 0}, {t / 2, h}}, 1);
    if (m == nullptr) return nullptr;
    Plain_Part(m, 0, 0, 1, t);
    return m;
}
