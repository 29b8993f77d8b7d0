// dwqb_calc: validation and the one-part section calculation of the model.
#include "thinwall/dwqb_calc.h"

#include <algorithm>
#include <cmath>
#include <initializer_list>
#include <cstdio>
#include <vector>

#include "thinwall/dwqb.h"
#include "thinwall/dwqb_cells.h"
#include "thinwall/dwqb_integrals.h"
#include "thinwall/dwqb_internal.h"
#include "thinwall/dwqb_warping.h"

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
                std::printf("Calc_DWQB_Section: Zelle %d nicht berechnet (hoechstens %d Zellen)\n",
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
                e->prev = last;
                e->next = nullptr;
                if (last) last->next = e;
                else first = e;
                last = e;
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

int Calc_DWQB_Section(void) {
    dwqb_work.exact = (DWQB_Optionen & DWQB_OPT_EXACT) || DWQB_Alle_Linien ? 1 : 0;
    if (DWQB_Status != 0) return DWQB_Status;
    if (const int status = Validate()) return status;
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
    const int result = Calc_DWQB_Section();
    if (invalidate_hook) invalidate_hook();
    return result;
}
