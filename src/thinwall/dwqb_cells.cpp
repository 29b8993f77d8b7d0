// dwqb_cells: closed-cell equations, cycle lists, line order at a node and
// plate runs of the thin-walled model.
#include "thinwall/dwqb_cells.h"

#include <cmath>
#include <cstdio>
#include <deque>
#include <vector>

#include "base/vesk.h"
#include "thinwall/dwqb_geometry.h"
#include "thinwall/dwqb_internal.h"
#include "thinwall/engine_faults.h"

DWQB_Zellen_Puffer DWQB_Zellen;
DWQB_Zelle* DWQB_Zellen_Listen[DWQB_MAX_CELL_LISTS];
int DWQB_Anzahl_Zellen_Listen;

static const double kPi = 3.14159265358979323846;

static void Place_Cell_Arrays(int n) {
    auto* base = reinterpret_cast<unsigned char*>(DWQB_Zellen.entries);
    DWQB_Zellen.matrix = reinterpret_cast<double*>(base + sizeof(DWQB_Zellen_Eintrag) * static_cast<size_t>(n));
    for (int k = 0; k < 3; k++) DWQB_Zellen.rhs[k] = DWQB_Zellen.matrix + static_cast<size_t>(n) * (n + k);
}

int REALLOC_DWQB_CELLS_BUFFER(DWQB_Linie* key, int flags) {
    const int n = DWQB_Zellen.n + 1;
    if (n > DWQB_Zellen.capacity) {
        const size_t c = static_cast<size_t>(DWQB_Zellen.n) + 11;
        const size_t bytes = c * sizeof(DWQB_Zellen_Eintrag) + (c + 3) * c * sizeof(double);
        void* grown = Mem_Realloc(__FILE__, __LINE__, "null", DWQB_Zellen.entries, bytes);
        if (!grown) {
            Record_Engine_Fault(ENGINE_FAULT_MEMORY, "REALLOC_DWQB_CELLS_BUFFER: ncells = %d, Speicherfehler !!!\n", n);
            return 0;
        }
        DWQB_Zellen.entries = static_cast<DWQB_Zellen_Eintrag*>(grown);
        DWQB_Zellen.capacity = static_cast<int32_t>(c);
    }
    DWQB_Zellen.n = n;
    Place_Cell_Arrays(n);
    // The new cell is the last of the n entries; the matrix begins behind it.
    DWQB_Zellen.entries[n - 1] = {key, flags};
    return 1;
}

void Reset_DWQB_Cells(void) { DWQB_Zellen.n = 0; }

// Is (line side) a bound of the closed cell (key, flags)?
static bool Side_Bounds_Cell(const DWQB_Linie* line, int side, const DWQB_Linie* key, uint32_t flags) {
    const uint32_t f = line->side_flags[side];
    return (f & DWQB_SIDE_CELL) && line->outline_start[side] == key && (f & DWQB_SIDE_STARTED) == (flags & DWQB_SIDE_STARTED);
}

int Walk_DWQB_Cell_Lines(DWQB_Linie** lines, int count, DWQB_Linie* key, uint32_t flags,
                         const DWQB_Cell_Callbacks* cb) {
    if (cb->begin && !cb->begin(key, flags, cb->user)) return 0;
    for (int i = 0; i < count; i++) {
        for (int side = 0; side < 2; side++) {
            if (!Side_Bounds_Cell(lines[i], side, key, flags)) continue;
            if (cb->line && !cb->line(lines[i], side, key, flags, cb->user)) return 0;
        }
    }
    if (cb->end && !cb->end(key, flags, cb->user)) return 0;
    return 1;
}

int Walk_DWQB_Cells(DWQB_Teil* part, const DWQB_Cell_Callbacks* cb) {
    if (!part || !cb) return 0;
    std::vector<DWQB_Linie*> lines;
    for (int i = 0; i < part->n_members; i++) {
        auto* result = static_cast<DWQB_Linienergebnis*>(part->members[i]);
        if (result && result->line) lines.push_back(result->line);
    }
    const int n = static_cast<int>(lines.size());
    for (DWQB_Linie* line : lines) {
        uint32_t seen = 0xffffffffu;
        for (int side = 0; side < 2; side++) {
            const uint32_t f = line->side_flags[side];
            if (line->outline_start[side] != line || !(f & DWQB_SIDE_CELL)) continue;
            // Both sides starting the same outline: visit the cell once.
            if ((f & DWQB_SIDE_STARTED) == seen) continue;
            seen = f & DWQB_SIDE_STARTED;
            if (!Walk_DWQB_Cell_Lines(lines.data(), n, line, f, cb)) return 0;
        }
    }
    return 1;
}

void Clear_DWQB_Cell_System(void) {
    const size_t n = static_cast<size_t>(DWQB_Zellen.n);
    if (n == 0) return;
    for (size_t i = 0; i < n * (n + 3); i++) DWQB_Zellen.matrix[i] = 0;
}

// Index of the registered cell that a side of a line bounds, or -1.
static int Cell_Index(const DWQB_Linie* line, int side) {
    const uint32_t f = line->side_flags[side];
    if (!(f & DWQB_SIDE_CELL) || !line->outline_start[side]) return -1;
    for (int i = 0; i < DWQB_Zellen.n; i++)
        if (DWQB_Zellen.entries[i].key == line->outline_start[side] &&
            (static_cast<uint32_t>(DWQB_Zellen.entries[i].flags) & DWQB_SIDE_STARTED) == (f & DWQB_SIDE_STARTED))
            return i;
    return -1;
}

static void Add_Cell_Matrix_Terms(const DWQB_Linie* line, int side, int face) {
    const int n = DWQB_Zellen.n, other = Cell_Index(line, 1 - side);
    DWQB_Zellen.matrix[face * n + face] += line->result->ds_over_t;
    if (other >= 0) DWQB_Zellen.matrix[face * n + other] -= line->result->ds_over_t;
}

int Add_DWQB_Cell_Shear_Terms(DWQB_Linie* line, int side, DWQB_Linie*, uint32_t, void*) {
    const int face = line && line->result ? Cell_Index(line, side) : -1;
    if (face < 0) return 1;
    const double sign = side == 1 ? 1 : -1;
    Add_Cell_Matrix_Terms(line, side, face);
    DWQB_Zellen.rhs[0][face] += sign * line->result->cell_terms[0];
    return 1;
}

int Add_DWQB_Cell_Warping_Terms(DWQB_Linie* line, int side, DWQB_Linie*, uint32_t, void*) {
    const int face = line && line->result ? Cell_Index(line, side) : -1;
    if (face < 0) return 1;
    const DWQB_Linienergebnis& r = *line->result;
    const double sign = side == 1 ? 1 : -1;
    Add_Cell_Matrix_Terms(line, side, face);
    DWQB_Zellen.rhs[0][face] += sign * r.cell_terms[0];
    DWQB_Zellen.rhs[1][face] += sign * r.cell_terms[1];
    DWQB_Zellen.rhs[2][face] += sign * (r.omega_a - r.omega_b);
    return 1;
}

int Apply_DWQB_Cell_Warping_Solution(DWQB_Linie* line, int side, DWQB_Linie*, uint32_t, void*) {
    const int face = line && line->result ? Cell_Index(line, side) : -1;
    if (face < 0) return 1;
    DWQB_Linienergebnis& r = *line->result;
    const double s = side == 1 ? -1 : 1;
    for (int c = 0; c < 3; c++) {
        r.case_values[c][0] += s * DWQB_Zellen.rhs[c][face];
        r.case_values[c][1] += s * DWQB_Zellen.rhs[c][face];
    }
    r.warping_value -= s * DWQB_Zellen.rhs[2][face] * r.length_over_t;
    return 1;
}

int Apply_DWQB_Cell_Shear_Solution(DWQB_Linie* line, int side, DWQB_Linie*, uint32_t, void*) {
    const int face = line && line->result ? Cell_Index(line, side) : -1;
    if (face < 0) return 1;
    const double s = side == 1 ? -1 : 1;
    line->result->case_values[0][0] += s * DWQB_Zellen.rhs[0][face];
    line->result->case_values[0][1] += s * DWQB_Zellen.rhs[0][face];
    return 1;
}

void Solve_DWQB_Linear(double* m, double* rhs1, double* rhs2, double* rhs3, int n, int n_rhs) {
    double* rhs[3] = {rhs1, n_rhs >= 2 ? rhs2 : nullptr, n_rhs >= 3 ? rhs3 : nullptr};
    for (int k = 0; k < n; k++) {
        const double pivot = m[k * n + k];
        if (pivot == 0) continue;
        for (int i = k + 1; i < n; i++) {
            const double e = m[i * n + k];
            if (e == 0) continue;
            const double f = e / pivot;
            for (int j = k; j < n; j++)
                if (m[k * n + j] != 0) m[i * n + j] -= f * m[k * n + j];
            for (double* b : rhs)
                if (b) b[i] -= f * b[k];
        }
    }
    for (int i = n - 1; i >= 0; i--) {
        const double d = m[i * n + i];
        for (double* b : rhs) {
            if (!b) continue;
            if (d == 0) {
                b[i] = 0;
                continue;
            }
            double sum = b[i];
            for (int j = i + 1; j < n; j++)
                if (m[i * n + j] != 0) sum -= m[i * n + j] * b[j];
            b[i] = sum / d;
        }
    }
}

void Solve_DWQB_Linear_1(double* matrix, double* rhs, int n) { Solve_DWQB_Linear(matrix, rhs, nullptr, nullptr, n, 1); }

// ---- cycle lists ---------------------------------------------------------

static DWQB_Zelle* free_elements;
static DWQB_Zelle* cycle_cursor;
static int cycle_index = -1;

DWQB_Zelle* New_DWQB_Zelle(void) {
    DWQB_Zelle* e = free_elements;
    if (e) free_elements = e->next;
    else e = static_cast<DWQB_Zelle*>(Mem_Malloc(__FILE__, __LINE__, "null", sizeof(DWQB_Zelle)));
    if (e) *e = DWQB_Zelle{};
    return e;
}

void Free_DWQB_Zellen_Listen(void) {
    for (int i = 0; i < DWQB_Anzahl_Zellen_Listen; i++) {
        DWQB_Zelle* e = DWQB_Zellen_Listen[i];
        while (e) {
            DWQB_Zelle* next = e->next;
            e->next = free_elements;
            free_elements = e;
            e = next;
        }
        DWQB_Zellen_Listen[i] = nullptr;
    }
    DWQB_Anzahl_Zellen_Listen = 0;
}

void Start_DWQB_Cycle(DWQB_Zelle* list, int index) {
    cycle_cursor = list;
    cycle_index = index;
}

DWQB_Linie* Next_DWQB_Cycle_Line(int* sign) {
    while (cycle_cursor) {
        DWQB_Zelle* e = cycle_cursor;
        cycle_cursor = e->next;
        if (!e->line) continue;
        if (cycle_index < 0) {
            if (sign) *sign = e->a == e->line->a ? 1 : -1;
            return e->line;
        }
        if (cycle_index >= DWQB_Anzahl_Zellen_Listen) return nullptr;
        for (DWQB_Zelle* o = DWQB_Zellen_Listen[cycle_index]; o; o = o->next) {
            if (o->line != e->line) continue;
            if (sign) *sign = o->a == e->a ? 1 : -1;
            return e->line;
        }
    }
    return nullptr;
}

// ---- order at a node, collinear lines, plate runs ------------------------

static const DWQB_Knoten* angle_node;

void Set_DWQB_Angle_Node(const DWQB_Knoten* node) { angle_node = node; }

int Cmp_DWQB_Line_Angle(const void* a, const void* b) {
    const double da = DWQB_Leaving_Direction(*static_cast<DWQB_Linie* const*>(a), angle_node);
    const double db = DWQB_Leaving_Direction(*static_cast<DWQB_Linie* const*>(b), angle_node);
    return da < db ? -1 : da > db ? 1 : 0;
}

static double Direction_0_Pi(const DWQB_Knoten* p, const DWQB_Knoten* q) {
    double d = std::atan2(q->z - p->z, q->y - p->y);
    if (d <= 0) d += kPi;
    return d;
}

DWQB_Linie* Find_DWQB_Collinear_Line(DWQB_Knoten* a, DWQB_Knoten* b, DWQB_Linie* skip, DWQB_Knoten* node) {
    if (!a || !b || !node) return nullptr;
    const double d0 = Direction_0_Pi(a, b);
    for (DWQB_Linie* l = dwqb_model.first_line; l; l = l->next) {
        if (l == skip || !l->a || !l->b) continue;
        if (l->a != node && l->b != node) continue;
        if ((l->a == a && l->b == b) || (l->a == b && l->b == a)) continue;
        const double diff = std::fabs(Direction_0_Pi(l->a, l->b) - d0);
        if (diff < 0.1 || std::fabs(diff - kPi) < 0.1) return l;
    }
    return nullptr;
}

static int Line_Count_At(const DWQB_Knoten* node) { return node ? node->use_count : 0; }

// Candidate fraction of line's length cut off at node by its plate outline:
// where the middle runs of its two faces (positions 2 and 7, the face
// between the joints' strips) begin at that node; false when none
// qualifies. Of two positive candidates the smaller counts: the longer flat
// face is the plate's clear width (a rolled hollow section's outer flat
// between corners of 1.5 t, b - 3 t, not its shorter inner one), and for
// plates with equal faces both agree.
static bool Run_Reduction(const DWQB_Linie* line, const DWQB_Knoten* node, int min, double* fraction) {
    bool found = false;
    for (int block : {2, 7}) {
        const DWQB_Outline_Segment& seg = line->outline[block];
        if ((seg.flags & DWQB_SEG_EMPTY) || !(seg.flags & DWQB_SEG_PRESENT)) continue;
        // Position 2 runs from the start to the end, 7 back.
        double c;
        if (node == line->a) c = block == 2 ? (1 + seg.s1) / 2 : (1 + seg.s2) / 2;
        else c = block == 2 ? (1 - seg.s2) / 2 : (1 - seg.s1) / 2;
        // (a face cut square at the node gives 0 up to its rounding)
        if (!min && c > 1e-9 && (!found || c < *fraction)) *fraction = c, found = true;
        if (min && c < 0 && (!found || c < *fraction)) *fraction = c, found = true;
    }
    return found;
}

int Calc_DWQB_Plate_Runs(int skip, int min) {
    std::vector<DWQB_Linie*> lines;
    for (DWQB_Linie* l = dwqb_model.first_line; l; l = l->next) lines.push_back(l);
    const int n = static_cast<int>(lines.size());
    std::vector<int> run_of(n, 0);
    auto position = [&](const DWQB_Linie* l) {
        for (int i = 0; i < n; i++)
            if (lines[i] == l) return i;
        return -1;
    };
    int k = 0;
    for (int i = 0; i < n; i++) {
        DWQB_Linie* first = lines[i];
        if (run_of[i]) continue;
        if (skip && first->kind == DWQB_LINE_NO_NORMAL) {
            run_of[i] = -1;
            first->run[4] = -2;
            continue;
        }
        k++;
        run_of[i] = k;
        // Run members in order with the node at the run's start side of each.
        std::deque<DWQB_Linie*> run{first};
        DWQB_Knoten* start_node = first->a;
        DWQB_Knoten* end_node = first->b;
        for (int dir = 0; dir < 2; dir++) {
            DWQB_Knoten*& node = dir == 0 ? start_node : end_node;
            DWQB_Linie* cur = dir == 0 ? run.front() : run.back();
            while (Line_Count_At(node) == 2) {
                DWQB_Linie* next = Find_DWQB_Collinear_Line(cur->a, cur->b, cur, node);
                if (!next) break;
                const int p = position(next);
                if (p < 0 || run_of[p] || (skip && next->kind == DWQB_LINE_NO_NORMAL)) break;
                run_of[p] = k;
                if (dir == 0) run.push_front(next);
                else run.push_back(next);
                node = next->a == node ? next->b : next->a;
                cur = next;
            }
        }
        double run_l = 0, run_area = 0;
        for (const DWQB_Linie* l : run) {
            run_l += l->L;
            run_area += l->L * l->t_m;
        }
        const int end_type = (Line_Count_At(start_node) > 1 ? 1 : 0) | (Line_Count_At(end_node) > 1 ? 2 : 0);
        double reduced_l = run_l, reduced_area = run_area, red[2] = {0, 0};
        if (skip && run_l > 0) {
            for (int side = 0; side < 2; side++) {
                DWQB_Knoten* node = side == 0 ? start_node : end_node;
                if (Line_Count_At(node) < 2) continue;
                const DWQB_Linie* l = side == 0 ? run.front() : run.back();
                double frac = 0;
                if (!Run_Reduction(l, node, min, &frac)) continue;
                const double la = l->L * frac;
                const double t_node = node == l->a ? l->t_a : l->t_b;
                const double s_cut = node == l->a ? -1 + 2 * frac : 1 - 2 * frac;
                const double t_cut = ((1 - s_cut) * l->t_a + (1 + s_cut) * l->t_b) / 2;
                reduced_l -= la;
                reduced_area -= la * (t_node + t_cut) / 2;
                red[side] = la / run_l;
            }
        }
        const int first_pos = position(run.front()), last_pos = position(run.back());
        for (DWQB_Linie* l : run) {
            l->run[0] = run.front()->a == start_node ? 0 : 1;
            l->run[1] = run.back()->b == end_node ? 0 : 1;
            l->run[2] = first_pos;
            l->run[3] = last_pos;
            l->run[4] = l == run.front() ? end_type : -end_type;
            l->run_L = run_l;
            l->run_t = reduced_l > 0 ? reduced_area / reduced_l : 0;
            l->run_reduction[0] = red[0];
            l->run_reduction[1] = red[1];
        }
    }
    return 0;
}

nlsolve::Hybrj_Fcn DWQB_Fillet_Equations;

int Solve_DWQB_Fillet(double* x1, double* x2, double x1_start, double x2_start, double scale2) {
    if (!DWQB_Fillet_Equations) return 0;
    int n = 2, ld = 2, maxfev = 50, info = 0, lwa = 15, iter = 0;
    double x[2] = {x1_start, x2_start}, f[2], fjac[4], wa[15];
    double tol = 0.001 * std::sqrt(std::fabs(scale2));
    nlsolve::hybrj1(DWQB_Fillet_Equations, &n, x, f, fjac, &ld, &tol, &maxfev, &info, wa, &lwa, &iter);
    if (info != 1 && info != -1) return 0;
    *x1 = x[0];
    *x2 = x[1];
    return 1;
}

int Number_DWQB_Shear_Line_Callback(const DWQB_Schublinie* entry, DWQB_Shear_Line_Number* context) {
    if (!entry || !context) return 0;
    if (entry->line != context->line) {
        context->count++;
        return 1;
    }
    int code = context->count + 1;
    if (entry->flags & DWQB_SHEAR_CHAIN_START) code += 1000;
    if (entry->flags & DWQB_SHEAR_CHAIN_END) code += 2000;
    if (entry->flags & DWQB_SHEAR_CELL_CUT) code += 10000;
    context->sign = (entry->flags & DWQB_SHEAR_BACKWARD) ? -1 : 1;
    context->code = context->sign * code;
    return 0;
}
