// dwqb_calc: validation and the two section calculations of the model: the
// one-part calculation and the several-part calculation with plate outlines
// and result records.
#include "thinwall/dwqb_calc.h"

#include <algorithm>
#include <cmath>
#include <initializer_list>
#include <cstdio>
#include <cstring>
#include <vector>

#include "base/dlist.h"
#include "base/vesk.h"

#include "base/invariant.h"
#include "thinwall/dwqb.h"
#include "thinwall/dwqb_cells.h"
#include "thinwall/dwqb_flow.h"
#include "thinwall/dwqb_geometry.h"
#include "thinwall/dwqb_integrals.h"
#include "thinwall/dwqb_internal.h"
#include "thinwall/dwqb_invariants.h"
#include "thinwall/dwqb_outline.h"
#include "thinwall/dwqb_plate.h"
#include "thinwall/dwqb_warping.h"
#include "thinwall/engine_faults.h"

namespace {

// Simpson weights over the eleven samples, to be multiplied by L / 30.
const double kSimpson[11] = {1, 4, 2, 4, 2, 4, 2, 4, 2, 4, 1};

double Simpson(const DWQB_Linie* l, const double* f, double (*g)(double, const DWQB_Linie*)) {
    double sum = 0;
    for (int k = 0; k < 11; k++) sum += kSimpson[k] * g(f[k], l);
    return sum * l->L / 30;
}

double Plain(double v, const DWQB_Linie*) { return v; }
double Over_T(double v, const DWQB_Linie* l) { return l->t_m != 0 ? v / l->t_m : 0; }

int Validate(void) {
    if (!dwqb_model.first_node || !dwqb_model.first_line) return DWQB_Status = DWQB_STATUS_EMPTY;
    for (DWQB_Linie* l = dwqb_model.first_line; l; l = l->next) {
        const double dy = l->b->y - l->a->y, dz = l->b->z - l->a->z;
        const double l2 = dy * dy + dz * dz;
        l->L = std::sqrt(l2);
        if (l2 == 0) return DWQB_Status = DWQB_STATUS_ZERO_LENGTH;
        if (l->t_m <= 0) return DWQB_Status = DWQB_STATUS_THICKNESS;
    }
    return 0;
}

bool Connected(void) {
    for (DWQB_Knoten* n = dwqb_model.first_node; n; n = n->next) n->work = 0;
    for (DWQB_Linie* l = dwqb_model.first_line; l; l = l->next) l->mark = 0;
    dwqb_model.first_node->work = 1;
    for (bool changed = true; changed;) {
        changed = false;
        for (DWQB_Knoten* n = dwqb_model.first_node; n; n = n->next) {
            if (n->work != 1) continue;
            for (DWQB_Linie* l = dwqb_model.first_line; l; l = l->next) {
                if (l->mark || (l->a != n && l->b != n)) continue;
                DWQB_Knoten* other = l->a == n ? l->b : l->a;
                if (other->work == 0) other->work = 1;
                l->mark = 1;
            }
            n->work = 2;
            changed = true;
        }
    }
    for (DWQB_Knoten* n = dwqb_model.first_node; n; n = n->next)
        if (n->work == 0) return false;
    return true;
}

// Breadth-first tree from the first node; every line that joins the node
// being expanded to a node already in the tree closes a cell, whose boundary
// is that line and the two tree paths up to their common ancestor.
struct Tree_Node {
    DWQB_Knoten* node;
    int parent;             // index of the parent record, -1 for the root
    DWQB_Linie* via;        // tree line to the parent
    int depth;
};

std::vector<DWQB_Linie*> closing_lines;

void Find_Cells(void) {
    Free_DWQB_Zellen_Listen();
    closing_lines.clear();
    std::vector<Tree_Node> tree;
    for (DWQB_Knoten* n = dwqb_model.first_node; n; n = n->next) n->work = -1;
    for (DWQB_Linie* l = dwqb_model.first_line; l; l = l->next) l->mark = 0;
    tree.push_back({dwqb_model.first_node, -1, nullptr, 0});
    dwqb_model.first_node->work = 0;
    for (size_t head = 0; head < tree.size(); head++) {
        DWQB_Knoten* n = tree[head].node;
        for (DWQB_Linie* l = dwqb_model.first_line; l; l = l->next) {
            if (l->mark || (l->a != n && l->b != n)) continue;
            l->mark = 1;
            DWQB_Knoten* other = l->a == n ? l->b : l->a;
            if (other->work < 0) {
                other->work = static_cast<int32_t>(tree.size());
                tree.push_back({other, static_cast<int>(head), l, tree[head].depth + 1});
                continue;
            }
            closing_lines.push_back(l);
            if (DWQB_Anzahl_Zellen_Listen >= DWQB_MAX_CELL_LISTS) {
                Record_Engine_Fault(ENGINE_FAULT_CELL_LIMIT, "Calc_DWQB_Section: Zelle %d nicht berechnet (hoechstens %d Zellen)\n",
                            static_cast<int>(closing_lines.size()), static_cast<int>(DWQB_MAX_CELL_LISTS));
                continue;
            }
            // Boundary: other -> n along the closing line, then n up to the
            // common ancestor and down again to other.
            std::vector<DWQB_Zelle> pairs{{other, n, l, nullptr, nullptr}};
            std::vector<DWQB_Zelle> down;
            int i = static_cast<int>(head), j = other->work;
            while (i != j) {
                if (tree[i].depth >= tree[j].depth) {
                    pairs.push_back({tree[i].node, tree[tree[i].parent].node, tree[i].via, nullptr, nullptr});
                    i = tree[i].parent;
                } else {
                    down.push_back({tree[tree[j].parent].node, tree[j].node, tree[j].via, nullptr, nullptr});
                    j = tree[j].parent;
                }
            }
            pairs.insert(pairs.end(), down.rbegin(), down.rend());
            DWQB_Zelle* first = nullptr;
            DWQB_Zelle* last = nullptr;
            for (const DWQB_Zelle& p : pairs) {
                DWQB_Zelle* e = New_DWQB_Zelle();
                if (!e) break;
                *e = p;
                Dlist_Append(first, last, e);
            }
            DWQB_Zellen_Listen[DWQB_Anzahl_Zellen_Listen++] = first;
        }
    }
    dwqb_work.n_cells = DWQB_Anzahl_Zellen_Listen;
    DWQB_Anzahl_Zellen = static_cast<int32_t>(closing_lines.size());
}

// Samples of block at the eleven points of a line walked from node `from`:
// the running integral of t times a quantity linear between its values at
// the two nodes, starting from the node's accumulated value.
void Walk_Line(DWQB_Linie* l, DWQB_Knoten* from, int block, double start, double v_from, double v_to) {
    const bool forward = from == l->a;
    const double tl = l->t_m * l->L;
    for (int k = 0; k <= 10; k++) {
        const double x = k / 10.0;
        const double s = start + tl * x * (v_from + (v_to - v_from) * x / 2);
        if (forward) l->samples[block][k] = s;
        else l->samples[block][10 - k] = -s;
    }
    l->mark = forward ? 1 : -1;
}

// Static moments along the tree of the open section: the lines that close
// cells are cut at their start node, the others walked in from free ends.
// value(line, node) gives the integrated quantity at a node of the line;
// acc(node) is the node's running accumulator of the block.
template <typename Value, typename Acc>
void Static_Moments(int block, Value value, Acc acc) {
    for (DWQB_Knoten* n = dwqb_model.first_node; n; n = n->next) n->work = n->use_count;
    for (DWQB_Linie* l = dwqb_model.first_line; l; l = l->next) l->mark = 0;
    auto finish = [&](DWQB_Linie* l, DWQB_Knoten* from) {
        DWQB_Knoten* far = from == l->a ? l->b : l->a;
        if (from == l->a) acc(far) += l->samples[block][10];
        else acc(far) -= l->samples[block][0];
        l->a->work--;
        l->b->work--;
    };
    for (DWQB_Linie* l : closing_lines) {
        Walk_Line(l, l->a, block, 0, value(l, l->a), value(l, l->b));
        finish(l, l->a);
    }
    for (bool moved = true; moved;) {
        moved = false;
        for (DWQB_Knoten* n = dwqb_model.first_node; n; n = n->next) {
            if (n->work != 1) continue;
            for (DWQB_Linie* l = dwqb_model.first_line; l; l = l->next) {
                if (l->mark || (l->a != n && l->b != n)) continue;
                DWQB_Knoten* far = l->a == n ? l->b : l->a;
                Walk_Line(l, n, block, acc(n), value(l, n), value(l, far));
                finish(l, n);
                moved = true;
                break;
            }
        }
    }
}

// Cell system for up to three sample blocks: circulations that make the
// flows compatible, subtracted from the blocks' samples; the doubled cell
// areas as third column when areas is set (their solution is returned).
void Solve_Cells(const int* blocks, int n_blocks, bool areas, std::vector<double>* torsion) {
    const int n = dwqb_work.n_cells;
    if (n < 1) return;
    std::vector<double> m(static_cast<size_t>(n) * n, 0.0), rhs[3];
    for (auto& r : rhs) r.assign(n, 0.0);
    for (int i = 0; i < n; i++) {
        int sign;
        Start_DWQB_Cycle(DWQB_Zellen_Listen[i], -1);
        while (DWQB_Linie* l = Next_DWQB_Cycle_Line(&sign)) {
            m[i * n + i] += l->L / l->t_m;
            for (int b = 0; b < n_blocks; b++) rhs[b][i] += sign * Simpson(l, l->samples[blocks[b]], Over_T);
        }
        for (const DWQB_Zelle* e = DWQB_Zellen_Listen[i]; areas && e; e = e->next)
            rhs[2][i] += e->b->z * e->a->y - e->a->z * e->b->y;
        for (int j = 0; j < n; j++) {
            if (j == i) continue;
            Start_DWQB_Cycle(DWQB_Zellen_Listen[i], j);
            while (DWQB_Linie* l = Next_DWQB_Cycle_Line(&sign)) m[i * n + j] += sign * l->L / l->t_m;
        }
    }
    std::vector<double> doubled_area = rhs[2];
    Solve_DWQB_Linear(m.data(), rhs[0].data(), rhs[1].data(), rhs[2].data(), n, areas ? 3 : std::max(n_blocks, 1));
    for (int i = 0; i < n; i++) {
        int sign;
        Start_DWQB_Cycle(DWQB_Zellen_Listen[i], -1);
        while (DWQB_Linie* l = Next_DWQB_Cycle_Line(&sign))
            for (int b = 0; b < n_blocks; b++)
                for (double& q : l->samples[blocks[b]]) q -= sign * rhs[b][i];
    }
    if (torsion) {
        torsion->assign(n, 0.0);
        for (int i = 0; i < n; i++) {
            (*torsion)[i] = rhs[2][i];
            dwqb_work.psi[i] = rhs[2][i];
            dwqb_work.i_t += doubled_area[i] * rhs[2][i];
        }
    }
}

double Tiny_To_Zero(double v) { return std::fabs(v) < 1e-10 ? 0 : v; }

void Classic_Totals(void) {
    double* qw = DWQB_Querschnittswerte;
    double a = 0, sy = 0, sz = 0, t_max = 0;
    double ext[4] = {0, 0, 0, 0};
    bool first = true;
    for (DWQB_Linie* l = dwqb_model.first_line; l; l = l->next) {
        l->area = l->t_m * l->L;
        a += l->area;
        sy += l->area * (l->a->y + l->b->y) / 2;
        sz += l->area * (l->a->z + l->b->z) / 2;
        t_max = std::max(t_max, l->t_m);
        const double hy = std::fabs(l->b->z - l->a->z) * l->t_m / (2 * l->L);
        const double hz = std::fabs(l->b->y - l->a->y) * l->t_m / (2 * l->L);
        for (const DWQB_Knoten* n : {l->a, l->b}) {
            for (int side : {-1, 1}) {
                const double y = n->y + side * hy, z = n->z + side * hz;
                if (first || y < ext[0]) ext[0] = y;
                if (first || y > ext[1]) ext[1] = y;
                if (first || z < ext[2]) ext[2] = z;
                if (first || z > ext[3]) ext[3] = z;
                first = false;
            }
        }
    }
    dwqb_work.a = a;
    dwqb_work.y_c = a != 0 ? sy / a : 0;
    dwqb_work.z_c = a != 0 ? sz / a : 0;
    if (DWQB_Optionen & DWQB_OPT_GIVEN_VALUES) {
        qw[DWQB_QW_SY] = qw[DWQB_QW_A] * qw[DWQB_QW_YC];
        qw[DWQB_QW_SZ] = qw[DWQB_QW_A] * qw[DWQB_QW_ZC];
    } else {
        qw[DWQB_QW_A] = a;
        qw[DWQB_QW_YC] = Tiny_To_Zero(dwqb_work.y_c);
        qw[DWQB_QW_ZC] = Tiny_To_Zero(dwqb_work.z_c);
        qw[DWQB_QW_SY] = sy;
        qw[DWQB_QW_SZ] = sz;
    }
    for (int k = 0; k < 4; k++) qw[DWQB_QW_Y_MIN + k] = ext[k];
    qw[DWQB_QW_T_MAX] = t_max;
}

void Shear_Flows(void) {
    double* qw = DWQB_Querschnittswerte;
    for (DWQB_Knoten* n = dwqb_model.first_node; n; n = n->next) {
        n->y_rel = n->y - dwqb_work.y_c;
        n->z_rel = n->z - dwqb_work.z_c;
        n->s_y = n->s_z = 0;
    }
    Static_Moments(DWQB_SAMPLE_SY, [](const DWQB_Linie*, const DWQB_Knoten* n) { return n->z_rel; },
                   [](DWQB_Knoten* n) -> double& { return n->s_y; });
    Static_Moments(DWQB_SAMPLE_SZ, [](const DWQB_Linie*, const DWQB_Knoten* n) { return n->y_rel; },
                   [](DWQB_Knoten* n) -> double& { return n->s_z; });
    double iyy = dwqb_work.i_yy, izz = dwqb_work.i_zz, iyz = dwqb_work.i_yz, k = 0;
    Regularize_DWQB_Inertia(&iyy, &izz, &iyz, &k);
    for (DWQB_Linie* l = dwqb_model.first_line; l; l = l->next) {
        for (int i = 0; i < 11; i++) {
            const double s_y = l->samples[DWQB_SAMPLE_SY][i], s_z = l->samples[DWQB_SAMPLE_SZ][i];
            l->samples[DWQB_SAMPLE_QZ][i] = k * (izz * s_y - iyz * s_z);
            l->samples[DWQB_SAMPLE_QY][i] = k * (iyy * s_z - iyz * s_y);
        }
    }
    dwqb_work.i_t = 0;
    for (DWQB_Linie* l = dwqb_model.first_line; l; l = l->next) dwqb_work.i_t += l->t_m * l->t_m * l->t_m * l->L / 3;
    static const int q_blocks[2] = {DWQB_SAMPLE_QZ, DWQB_SAMPLE_QY};
    std::vector<double> torsion;
    Solve_Cells(q_blocks, 2, true, &torsion);
    if (!((DWQB_Optionen & DWQB_OPT_GIVEN_IT) && qw[DWQB_QW_IT] > 0)) qw[DWQB_QW_IT] = dwqb_work.i_t;
    dwqb_work.i_t = qw[DWQB_QW_IT];

    double alpha_y = 0, alpha_z = 0, mz = 0, my = 0;
    double q_lo = 0, q_hi = 0, qt_lo = 0, qt_hi = 0;
    bool first = true;
    for (DWQB_Linie* l = dwqb_model.first_line; l; l = l->next) {
        auto square = [](double v, const DWQB_Linie*) { return v * v; };
        alpha_y += Simpson(l, l->samples[DWQB_SAMPLE_QY], square) / l->t_m;
        alpha_z += Simpson(l, l->samples[DWQB_SAMPLE_QZ], square) / l->t_m;
        const double r = ((dwqb_work.z_c - l->a->z) * (l->b->y - l->a->y) - (dwqb_work.y_c - l->a->y) * (l->b->z - l->a->z)) / l->L;
        mz += r * Simpson(l, l->samples[DWQB_SAMPLE_QZ], Plain);
        my += r * Simpson(l, l->samples[DWQB_SAMPLE_QY], Plain);
        for (int b : {DWQB_SAMPLE_QY, DWQB_SAMPLE_QZ}) {
            for (double q : l->samples[b]) {
                if (first || q < q_lo) q_lo = q;
                if (first || q > q_hi) q_hi = q;
                if (first || q / l->t_m < qt_lo) qt_lo = q / l->t_m;
                if (first || q / l->t_m > qt_hi) qt_hi = q / l->t_m;
                first = false;
            }
        }
    }
    if (dwqb_work.a != 0) {
        qw[DWQB_QW_ALPHA_Y] = dwqb_work.a * alpha_y;
        qw[DWQB_QW_ALPHA_Z] = dwqb_work.a * alpha_z;
    }
    dwqb_work.y_m = dwqb_work.y_c - mz;
    dwqb_work.z_m = dwqb_work.z_c + my;
    qw[DWQB_QW_YM] = Tiny_To_Zero(dwqb_work.y_m);
    qw[DWQB_QW_ZM] = Tiny_To_Zero(dwqb_work.z_m);
    qw[DWQB_QW_Q_MIN] = q_lo;
    qw[DWQB_QW_Q_MAX] = q_hi;
    qw[DWQB_QW_QT_MIN] = qt_lo;
    qw[DWQB_QW_QT_MAX] = qt_hi;
}

void Sectorial_Moments(void) {
    for (DWQB_Linie* l = dwqb_model.first_line; l; l = l->next)
        for (int k = 0; k <= 10; k++) l->samples[DWQB_SAMPLE_OMEGA][k] = l->omega_a + (l->omega_b - l->omega_a) * k / 10.0;
    for (DWQB_Knoten* n = dwqb_model.first_node; n; n = n->next) n->omega = 0;
    Static_Moments(DWQB_SAMPLE_QW,
                   [](const DWQB_Linie* l, const DWQB_Knoten* n) { return n == l->a ? l->omega_a : l->omega_b; },
                   [](DWQB_Knoten* n) -> double& { return n->omega; });
    const double i_w = dwqb_work.i_w;
    for (DWQB_Linie* l = dwqb_model.first_line; l; l = l->next)
        for (double& v : l->samples[DWQB_SAMPLE_QW]) v = i_w != 0 ? v / i_w : 0;
    static const int block[1] = {DWQB_SAMPLE_QW};
    Solve_Cells(block, 1, false, nullptr);
}

}  // namespace

// ---- several-part calculation -------------------------------------------------

int32_t DWQB_Warnung;
double DWQB_Vorgaben[DWQB_QW_COUNT];
DWQB_Teil* DWQB_Alle_Linien_Teil;
double* DWQB_Aktuelle_Gesamtwerte;
double* DWQB_Aktuelle_Grundwerte;
double* DWQB_Aktueller_Schubmittelpunkt;

static double section_gesamtwerte[DWQB_GESAMTWERTE];
static double section_grundwerte[DWQB_GRUNDWERTE];
static double section_schubmittelpunkt[DWQB_SCHUBMITTELPUNKT];

static void* Buffer_Realloc(void* block, size_t size) { return Mem_Realloc(__FILE__, __LINE__, "null", block, size); }
void* (*dwqb_buffer_realloc)(void* block, size_t size) = Buffer_Realloc;

namespace {

struct Result_Buffer {
    void* block;
    size_t capacity;
    DWQB_Schublinie* entries;
    int entry_capacity;
};
Result_Buffer buffer;

}  // namespace

void _Release_Result_Buffer(void) {
    Mem_Free(__FILE__, __LINE__, "null", buffer.block);
    Mem_Free(__FILE__, __LINE__, "null", buffer.entries);
    buffer = Result_Buffer{};
    DWQB_Aktueller_Teil = nullptr;  // it pointed into the buffer
}

namespace {

// Cells of a line: the keys (first line and start side) of its sides that
// enclose a closed cell.
struct Cell_Key {
    const DWQB_Linie* key;
    uint32_t side;
};
int Line_Cells(const DWQB_Linie* l, Cell_Key* out) {
    int n = 0;
    for (int side = 0; side < 2; side++)
        if ((l->side_flags[side] & DWQB_SIDE_CELL) && l->outline_start[side])
            out[n++] = {l->outline_start[side], l->side_flags[side] & DWQB_SIDE_STARTED};
    return n;
}
bool On_Cell(const DWQB_Linie* l, const Cell_Key& c) {
    Cell_Key own[2];
    const int n = Line_Cells(l, own);
    for (int k = 0; k < n; k++)
        if (own[k].key == c.key && own[k].side == c.side) return true;
    return false;
}

// Score of a line as the cut of a closed part: lines whose cells hold no
// placed line yet come first.
long Cut_Score(DWQB_Linienergebnis** lines, int n, const DWQB_Linie* l) {
    Cell_Key cells[2];
    const int nc = Line_Cells(l, cells);
    if (nc == 0) return 10000001;
    long count = nc;
    int placed_cells = 0;
    for (int c = 0; c < nc; c++) {
        bool placed = false;
        for (int i = 0; i < n; i++) {
            const DWQB_Linie* o = lines[i]->line;
            if (o == l || !On_Cell(o, cells[c])) continue;
            count++;
            if (lines[i]->shear) placed = true;
        }
        placed_cells += placed;
    }
    long score = 10 * count + 1;
    if (placed_cells >= 2) score += 2000000;
    else if (placed_cells == 1) score += 1000000;
    return score;
}

// Shear-line order of one part into entries[k0 ...]; the number of entries
// made, or -1 when a line could not be placed.
int Order_Shear_Lines(DWQB_Teil* part, DWQB_Schublinie* entries, int room) {
    auto** lines = reinterpret_cast<DWQB_Linienergebnis**>(part->members);
    const int n = part->n_members;
    int k = 0;
    part->shear_lines = entries;
    for (;;) {
        DWQB_Linienergebnis* pick = nullptr;
        DWQB_Knoten* node = nullptr;
        uint32_t start_flag = DWQB_SHEAR_CHAIN_START;
        for (int i = 0; i < n && !pick; i++) {
            DWQB_Linie* l = lines[i]->line;
            if (lines[i]->shear) continue;
            if (l->a->work == 1) pick = lines[i], node = l->a;
            else if (l->b->work == 1) pick = lines[i], node = l->b;
        }
        if (!pick) {
            long best_score = 0;
            int best_count = 0;
            for (int i = 0; i < n; i++) {
                DWQB_Linie* l = lines[i]->line;
                if (lines[i]->shear) continue;
                const long score = Cut_Score(lines, n, l);
                for (DWQB_Knoten* c : {l->a, l->b}) {
                    if (c->work <= 0) continue;
                    if (!pick || score < best_score || (score == best_score && c->work < best_count)) {
                        pick = lines[i], node = c, best_score = score, best_count = c->work;
                    }
                }
            }
            if (!pick) break;
            if (node->work > 1) start_flag |= DWQB_SHEAR_CELL_CUT;
        }
        // One chain from node.
        for (;;) {
            DWQB_Linie* l = pick->line;
            if (k >= room || l->a->work < 1 || l->b->work < 1) {
                Record_Engine_Fault(ENGINE_FAULT_SHEAR_GROUP, "_Init_Result_Buffer: Linie %d kann nicht in Schub-Gruppe eingefuegt werden\n", l->number);
                part->n_shear_lines = k;
                return -1;
            }
            l->a->work--;
            l->b->work--;
            DWQB_Schublinie& e = entries[k];
            e.line = l;
            e.flags = (node == l->b ? DWQB_SHEAR_BACKWARD : DWQB_SHEAR_FORWARD) | start_flag;
            pick->shear = &e;
            start_flag = 0;
            part->n_shear_lines = ++k;
            DWQB_Knoten* reached = node == l->b ? l->a : l->b;
            DWQB_Linienergebnis* next = nullptr;
            if (reached->work == 1)
                for (int i = 0; i < n && !next; i++)
                    if (!lines[i]->shear && (lines[i]->line->a == reached || lines[i]->line->b == reached)) next = lines[i];
            if (!next) {
                e.flags |= DWQB_SHEAR_CHAIN_END;
                break;
            }
            pick = next;
            node = reached;
        }
    }
    return k;
}

}  // namespace

// Layout: the whole-section record, the all-lines record, one record per
// part, one line result per line, the member slots.
int _Init_Result_Buffer(void) {
    const Engine_Call engine_call;
    DWQB_Aktueller_Teil = nullptr;
    DWQB_Alle_Linien_Teil = nullptr;
    std::memset(section_gesamtwerte, 0, sizeof section_gesamtwerte);
    std::memset(section_grundwerte, 0, sizeof section_grundwerte);
    std::memset(section_schubmittelpunkt, 0, sizeof section_schubmittelpunkt);
    DWQB_Aktuelle_Gesamtwerte = section_gesamtwerte;
    DWQB_Aktuelle_Grundwerte = section_grundwerte;
    DWQB_Aktueller_Schubmittelpunkt = section_schubmittelpunkt;
    for (DWQB_Knoten* n = dwqb_model.first_node; n; n = n->next) {
        n->work = n->use_count;
        n->link_mark = 0;
        for (double& w : n->work_values) w = 0;
    }
    int n_lines = 0, n_parts = 0;
    for (DWQB_Linie* l = dwqb_model.first_line; l; l = l->next) {
        n_lines++;
        if (l->part == l) n_parts++;
        l->result = nullptr;
    }
    const size_t need = static_cast<size_t>(n_parts + 2) * sizeof(DWQB_Teil) +
                        static_cast<size_t>(n_lines) * sizeof(DWQB_Linienergebnis) +
                        static_cast<size_t>(n_parts + n_lines) * sizeof(void*);
    if (buffer.capacity < need) {
        void* grown = dwqb_buffer_realloc(buffer.block, need);
        if (!grown) return 0;
        buffer.block = grown;
        buffer.capacity = need;
    }
    if (buffer.entry_capacity < n_lines) {
        void* grown = dwqb_buffer_realloc(buffer.entries, static_cast<size_t>(n_lines) * sizeof(DWQB_Schublinie));
        if (!grown) return 0;
        buffer.entries = static_cast<DWQB_Schublinie*>(grown);
        buffer.entry_capacity = n_lines;
    }
    std::memset(buffer.block, 0, need);
    if (n_lines > 0) std::memset(buffer.entries, 0, static_cast<size_t>(n_lines) * sizeof(DWQB_Schublinie));
    auto* teile = static_cast<DWQB_Teil*>(buffer.block);
    auto* results = reinterpret_cast<DWQB_Linienergebnis*>(teile + n_parts + 2);
    auto** slots = reinterpret_cast<void**>(results + n_lines);
    DWQB_Teil& head = teile[0];
    DWQB_Teil& all = teile[1];
    head.kind = all.kind = DWQB_MEMBER_PART;
    head.members = slots;
    all.members = slots + n_parts;
    all.shear_lines = buffer.entries;
    DWQB_Aktueller_Teil = &head;
    DWQB_Alle_Linien_Teil = &all;
    int parts_made = 0, results_made = 0, entries_made = 0;
    bool ordered = true;
    for (DWQB_Linie* leader = dwqb_model.first_line; leader && ordered; leader = leader->next) {
        if (leader->part != leader) continue;
        if (parts_made >= n_parts) break;
        DWQB_Teil& part = teile[2 + parts_made++];
        part.kind = DWQB_MEMBER_PART;
        head.members[head.n_members++] = &part;
        part.members = all.members + results_made;
        for (DWQB_Linie* l = leader; l; l = l->next) {
            if (l->part != leader || results_made >= n_lines) continue;
            DWQB_Linienergebnis& r = results[results_made++];
            r.kind = l->kind == DWQB_LINE_NO_NORMAL ? DWQB_MEMBER_LINE_NO_NORMAL : DWQB_MEMBER_LINE;
            r.n_members = 1;
            r.line = l;
            l->result = &r;
            part.members[part.n_members++] = &r;
        }
        const int made = Order_Shear_Lines(&part, buffer.entries + entries_made, n_lines - entries_made);
        entries_made += part.n_shear_lines;
        if (made < 0) {
            DWQB_Warnung |= DWQB_WARN_SHEAR_ORDER;
            ordered = false;
        }
    }
    all.n_members = results_made;
    all.n_shear_lines = entries_made;
    if (parts_made != n_parts || results_made != n_lines || entries_made != n_lines) {
        Record_Engine_Fault(ENGINE_FAULT_RESULT_COUNT, "_Init_Result_Buffer: (%d Teile, %d Linien, %d Schub-Linien) != (%d Teile, %d Linien, %d Schub-Linien)\n",
                    parts_made, results_made, entries_made, n_parts, n_lines, n_lines);
        DWQB_Warnung |= DWQB_WARN_SHEAR_ORDER;
    }
    return 1;
}

namespace {

int Calc_Extended(void) {
    _Winged_Edge_Structure();
    if (DWQB_Topologie_Zaehler.faults) DWQB_Warnung |= DWQB_WARN_TOPOLOGY;
    _Set_Line_Outlines();
    if (DWQB_Outline_Warnung) DWQB_Warnung |= DWQB_WARN_OUTLINE;
    if (!_Init_Result_Buffer()) {
        // No result records: nothing below could be computed.
        DWQB_Aktueller_Teil = nullptr;
        DWQB_Alle_Linien_Teil = nullptr;
        DWQB_Aktuelle_Gesamtwerte = DWQB_Aktuelle_Grundwerte = DWQB_Aktueller_Schubmittelpunkt = nullptr;
        Record_Engine_Fault(ENGINE_FAULT_MEMORY, "_Init_Result_Buffer: Speicherfehler\n");
        return DWQB_Status = DWQB_STATUS_NO_MEMORY;
    }
    Calc_DWQB_Plate_Values();
    Calc_DWQB_Shear_Flow();
    Calc_DWQB_Warping_Flow();
    Calc_DWQB_Section_Summary();
    if (Calc_DWQB_Plate_Runs(1, 0) == 2 && DWQB_Aktueller_Teil && DWQB_Aktueller_Teil->n_members == 1)
        Calc_DWQB_Plate_Runs(1, 1);
    return 0;
}

}  // namespace

int Calc_DWQB_Section(void) {
    const Engine_Call engine_call;
    WELD_CHECK_AT_EXIT(Check_DWQB_Invariants());
    dwqb_work.exact = (DWQB_Optionen & DWQB_OPT_EXACT) || DWQB_Alle_Linien ? 1 : 0;
    const bool extended = DWQB_Erweitert || (DWQB_Optionen & DWQB_OPT_EXTENDED);
    static const int saved[] = {0, 1, 2, 8, 13, 14, 15, 16, 17, 18, 19, 22, 23, 25, 26, 27, 28, 29, 34, 35};
    std::memset(DWQB_Vorgaben, 0, sizeof DWQB_Vorgaben);
    for (int k : saved) DWQB_Vorgaben[k] = DWQB_Querschnittswerte[k];
    DWQB_Warnung = 0;
    if (DWQB_Status != 0) return DWQB_Status;
    if (const int status = Validate()) return status;
    if (extended) return Calc_Extended();
    DWQB_Aktueller_Teil = nullptr;
    DWQB_Alle_Linien_Teil = nullptr;
    DWQB_Aktuelle_Gesamtwerte = DWQB_Aktuelle_Grundwerte = DWQB_Aktueller_Schubmittelpunkt = nullptr;
    if (!Connected()) return DWQB_Status = DWQB_STATUS_NOT_CONNECTED;
    Find_Cells();
    Classic_Totals();
    Calc_DWQB_Section_Integrals();
    Shear_Flows();
    Calc_DWQB_Warping();
    Sectorial_Moments();
    Free_DWQB_Zellen_Listen();
    double* qw = DWQB_Querschnittswerte;
    if (!((DWQB_Optionen & DWQB_OPT_GIVEN_PLASTIC) && qw[DWQB_QW_WPL_Y] != 0 && qw[DWQB_QW_WPL_Z] != 0))
        Calc_DWQB_Plastic_Values(dwqb_work.a, dwqb_work.y_c, dwqb_work.z_c);
    Calc_DWQB_Plate_Runs(0, 0);
    // A vanishing principal moment is reported by the calculation that
    // finds it; the values computed stay available.
    return DWQB_Status == DWQB_STATUS_SINGULAR ? DWQB_STATUS_SINGULAR : 0;
}

static void (*invalidate_hook)(void);

void (*Set_DWQB_Invalidate_Hook(void (*hook)(void)))(void) {
    void (*previous)(void) = invalidate_hook;
    invalidate_hook = hook;
    return previous;
}

int Calc_DWQB(void) {
    const Engine_Call engine_call;
    WELD_CHECK_AT_EXIT(Check_DWQB_Invariants());
    const int result = Calc_DWQB_Section();
    if (invalidate_hook) invalidate_hook();
    return result;
}
