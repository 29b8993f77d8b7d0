// dwqbtri: strip mesh of the plate outlines and the node stresses on it.
#include "thinwall/dwqbtri.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

#include "base/vesk.h"
#include "thinwall/dwqb_outline.h"
#include "thinwall/dwqb_point.h"
#include "thinwall/engine_faults.h"

namespace {

const int kGrow = 20;

template <class T> bool Grow(T*& array, int32_t count, int32_t& capacity) {
    if (count < capacity) return true;
    void* p = Mem_Realloc(__FILE__, __LINE__, "dwqbtri", array, sizeof(T) * static_cast<size_t>(capacity + kGrow));
    if (!p) return false;
    array = static_cast<T*>(p);
    capacity += kGrow;
    return count < capacity;
}

// Appends a node at (y, z) evaluated for the line; -1 without memory.
int Add_Node(DWQB_OUTLINE_TRIANGULATION* m, int position, int number, double y, double z,
             const DWQB_Triangulation_Eval* e) {
    if (!m || !Grow(m->nodes, m->n_nodes, m->node_capacity)) return -1;
    const int i = m->n_nodes++;
    DWQB_OUTLINE_TRIANGULATION_NODE& n = m->nodes[i];
    n = DWQB_OUTLINE_TRIANGULATION_NODE{};
    n.index = i, n.line_position = position, n.line_number = number;
    DWQB_Punkt p{};
    if (e && Calc_DWQB_Strain_State(number, y, z, 0, e->ref_kind, e->ref_y, e->ref_z, e->angle_kind, e->angle,
                                    e->pole_kind, e->pole_y, e->pole_z, &p)) {
        n.y = p.y, n.z = p.z, n.w = p.omega, n.s = p.xi, n.u = p.eta;
        for (int k = 0; k < 8; k++) n.c[k] = p.c[k];
    } else {
        n.y = y, n.z = z;
    }
    return i;
}

bool Add_Plain(DWQB_OUTLINE_TRIANGULATION* m, int position, int number, int a, int b, int c) {
    if (!Grow(m->triangles, m->n_triangles, m->triangle_capacity)) return false;
    const int i = m->n_triangles++;
    m->triangles[i] = {i, position, number, a, b, c};
    return true;
}

struct Refinement {
    int n_points, n_triangles;
    double ab[10][2];
    int tri[9][3];
};
const Refinement kFour = {6, 4,
                          {{1, 0}, {0.5, 0.5}, {0, 1}, {0.5, 0}, {0, 0.5}, {0, 0}},
                          {{0, 1, 3}, {1, 2, 4}, {1, 4, 3}, {3, 4, 5}}};
const Refinement kNine = {10, 9,
                          {{1, 0}, {2. / 3, 1. / 3}, {1. / 3, 2. / 3}, {0, 1}, {2. / 3, 0}, {1. / 3, 1. / 3},
                           {0, 2. / 3}, {1. / 3, 0}, {0, 1. / 3}, {0, 0}},
                          {{0, 1, 4}, {1, 2, 5}, {2, 3, 6}, {1, 5, 4}, {2, 6, 5}, {4, 5, 7}, {5, 6, 8}, {5, 8, 7},
                           {7, 8, 9}}};

}  // namespace

int Add_DWQB_Triangulation_Node_On_Segment(DWQB_OUTLINE_TRIANGULATION* mesh, int position, int number,
                                           const DWQB_Outline_Segment* segment, double xi,
                                           const DWQB_Triangulation_Eval* eval) {
    double y = 0, z = 0;
    if (segment) Calc_DWQB_Segment_Point(xi, segment, &y, &z);
    return Add_Node(mesh, position, number, y, z, eval);
}

int Add_DWQB_Triangulation_Node_At(DWQB_OUTLINE_TRIANGULATION* mesh, int position, int number,
                                   const DWQB_Linie* line, double s, double u, const DWQB_Triangulation_Eval* eval) {
    double y = 0, z = 0;
    Calc_DWQB_Line_Plate_Point(line, s, u, &y, &z);
    return Add_Node(mesh, position, number, y, z, eval);
}

int Add_DWQB_Triangulation_Triangle(DWQB_OUTLINE_TRIANGULATION* mesh, int position, int number, int a, int b, int c,
                                    int refinement, const DWQB_Triangulation_Eval* eval) {
    if (!mesh) return 0;
    if (refinement > 1) {
        const Refinement& r = refinement == 3 ? kNine : kFour;
        const DWQB_OUTLINE_TRIANGULATION_NODE A = mesh->nodes[a], B = mesh->nodes[b], C = mesh->nodes[c];
        int id[10];
        bool ok = true;
        for (int k = 0; k < r.n_points && ok; k++) {
            const double al = r.ab[k][0], be = r.ab[k][1], ga = 1 - al - be;
            id[k] = Add_Node(mesh, position, number, al * A.y + be * B.y + ga * C.y, al * A.z + be * B.z + ga * C.z,
                             eval);
            ok = id[k] >= 0;
        }
        if (ok) {
            for (int k = 0; k < r.n_triangles; k++)
                if (!Add_Plain(mesh, position, number, id[r.tri[k][0]], id[r.tri[k][1]], id[r.tri[k][2]])) return 0;
            return 1;
        }
    }
    return Add_Plain(mesh, position, number, a, b, c) ? 1 : 0;
}

int Triangulate_DWQB_Outline_Strip(const DWQB_Linie* line, int position, int number, DWQB_OUTLINE_TRIANGULATION* mesh,
                                   const DWQB_Triangulation_Eval* eval, int* k6, const DWQB_Outline_Segment* sa,
                                   const DWQB_Outline_Segment* sb, int min_cells, int max_cells, int refinement) {
    if (!mesh || !k6) return 0;
    auto on = [&](const DWQB_Outline_Segment* s, double xi) {
        return Add_DWQB_Triangulation_Node_On_Segment(mesh, position, number, s, xi, eval);
    };
    auto at = [&](double s, double u) { return Add_DWQB_Triangulation_Node_At(mesh, position, number, line, s, u, eval); };
    if (sa) {
        if (k6[0] < 0) k6[0] = on(sa, -1);
        if (k6[3] < 0) k6[3] = on(sa, 1);
    }
    if (sb) {
        if (k6[2] < 0) k6[2] = on(sb, 1);
        if (k6[5] < 0) k6[5] = on(sb, -1);
    }
    if (k6[0] < 0 || k6[2] < 0 || k6[3] < 0 || k6[5] < 0) return 0;
    const DWQB_OUTLINE_TRIANGULATION_NODE* N = mesh->nodes;
    if (k6[1] < 0) {
        const double s = (N[k6[0]].s + N[k6[2]].s) / 2, u = (N[k6[0]].u + N[k6[2]].u) / 2;
        if ((k6[1] = at(s, u)) < 0) return 0;
    }
    N = mesh->nodes;
    if (k6[4] < 0) {
        const double s = (N[k6[3]].s + N[k6[5]].s) / 2, u = (N[k6[3]].u + N[k6[5]].u) / 2;
        if ((k6[4] = at(s, u)) < 0) return 0;
    }
    int n = min_cells;
    for (const DWQB_Outline_Segment* s : {sa, sb})
        if (s && (s->flags & DWQB_SEG_CURVED) && s->n_sub > 1) n = std::max(n, std::min(s->n_sub, max_cells));
    n = std::max(n, 1);
    const double s0 = mesh->nodes[k6[1]].s, s1 = mesh->nodes[k6[4]].s;
    int Ap = k6[0], Mp = k6[1], Bp = k6[2];
    auto tri = [&](int a, int b, int c) {
        return Add_DWQB_Triangulation_Triangle(mesh, position, number, a, b, c, refinement, eval);
    };
    for (int k = 1; k <= n; k++) {
        int Ac, Mc, Bc;
        if (k == n) {
            Ac = k6[3], Mc = k6[4], Bc = k6[5];
        } else {
            Ac = sa ? on(sa, 2.0 * k / n - 1) : Ap;
            Bc = sb ? on(sb, 1 - 2.0 * k / n) : Bp;
            if (Ac < 0 || Bc < 0) return 0;
            const double u = (mesh->nodes[Ac].u + mesh->nodes[Bc].u) / 2;
            if ((Mc = at(s0 + k * (s1 - s0) / n, u)) < 0) return 0;
        }
        bool ok;
        if (k % 2) {
            if (!sa) ok = tri(Ap, Mc, Mp) && tri(Mc, Bc, Mp) && tri(Bc, Bp, Mp);
            else if (!sb) ok = tri(Ap, Ac, Mp) && tri(Ac, Mc, Mp) && tri(Mc, Bp, Mp);
            else ok = tri(Ap, Ac, Mp) && tri(Ac, Mc, Mp) && tri(Mc, Bc, Mp) && tri(Bc, Bp, Mp);
        } else {
            if (!sa) ok = tri(Ap, Mc, Mp) && tri(Mc, Bc, Bp) && tri(Bp, Mp, Mc);
            else if (!sb) ok = tri(Ap, Mc, Mp) && tri(Ap, Ac, Mc) && tri(Bp, Mp, Mc);
            else ok = tri(Ap, Mc, Mp) && tri(Ap, Ac, Mc) && tri(Mc, Bc, Bp) && tri(Bp, Mp, Mc);
        }
        if (!ok) return 0;
        Ap = Ac, Mp = Mc, Bp = Bc;
    }
    return 1;
}

void Free_DWQB_OUTLINE_TRIANGULATION(DWQB_OUTLINE_TRIANGULATION* mesh) {
    if (!mesh) return;
    Mem_Free(__FILE__, __LINE__, "dwqbtri", mesh->nodes);
    Mem_Free(__FILE__, __LINE__, "dwqbtri", mesh->triangles);
    Mem_Free(__FILE__, __LINE__, "dwqbtri", mesh);
}

// One line's plate: start edge, start strip, end edge, end strip, middle.
static int Mesh_Line(DWQB_OUTLINE_TRIANGULATION* m, int i, int L, const DWQB_Linie* line,
                     const DWQB_Outline_Segment* g, const DWQB_Triangulation_Options& o,
                     const DWQB_Triangulation_Eval* e) {
    auto active = [g](int k) { return DWQB_Segment_Active(&g[k]); };
    auto on = [&](int k, double xi) { return Add_DWQB_Triangulation_Node_On_Segment(m, i, L, &g[k], xi, e); };
    auto seg = [&](int k) { return active(k) ? &g[k] : nullptr; };
    int c[6] = {-1, -1, -1, -1, -1, -1};
    if (active(0)) {
        if ((c[0] = on(0, 1)) < 0 || (c[1] = on(0, -1)) < 0) return 0;
    }
    if (active(9)) {
        if ((c[2] = on(9, -1)) < 0) return 0;
        if (c[1] < 0 && (c[1] = on(9, 1)) < 0) return 0;
    }
    if (active(1) || active(8)) {
        int s[6] = {c[0], c[1], c[2], active(1) ? on(1, 1) : c[0], -1, active(8) ? on(8, -1) : c[2]};
        if (!Triangulate_DWQB_Outline_Strip(line, i, L, m, e, s, seg(1), seg(8), o.end_min, o.end_max, o.refinement))
            return 0;
        c[0] = s[3], c[1] = s[4], c[2] = s[5];
    }
    int d[3] = {-1, -1, -1};
    if (active(4)) {
        if ((d[0] = on(4, -1)) < 0 || (d[1] = on(4, 1)) < 0) return 0;
    }
    if (active(5)) {
        if ((d[2] = on(5, 1)) < 0) return 0;
        if (d[1] < 0 && (d[1] = on(5, -1)) < 0) return 0;
    }
    if (active(3) || active(6)) {
        int s[6] = {active(3) ? on(3, -1) : d[0], -1, active(6) ? on(6, 1) : d[2], d[0], d[1], d[2]};
        if (!Triangulate_DWQB_Outline_Strip(line, i, L, m, e, s, seg(3), seg(6), o.end_min, o.end_max, o.refinement))
            return 0;
        d[0] = s[0], d[1] = s[1], d[2] = s[2];
    }
    if (active(2) || active(7)) {
        int s[6] = {c[0], c[1], c[2], d[0], d[1], d[2]};
        if (!Triangulate_DWQB_Outline_Strip(line, i, L, m, e, s, seg(2), seg(7), o.middle_min, o.middle_max,
                                            o.refinement))
            return 0;
    }
    return 1;
}

DWQB_OUTLINE_TRIANGULATION* Calc_DWQB_OUTLINE_TRIANGULATION(int ref_kind, double ref_y, double ref_z, int angle_kind,
                                                            double angle, int pole_kind, double pole_y,
                                                            double pole_z, const DWQB_Triangulation_Options* options) {
    if (!DWQB_Erweitert && !(DWQB_Optionen & DWQB_OPT_EXTENDED)) return nullptr;
    if (DWQB_Tabellen.overflow) return nullptr;
    const DWQB_Triangulation_Options o = options ? *options : DWQB_Triangulation_Options{10, 20, 1, 10, 1, 0};
    const DWQB_Triangulation_Eval e{ref_kind, ref_y, ref_z, angle_kind, angle, pole_kind, pole_y, pole_z};
    void* block = Mem_Calloc(__FILE__, __LINE__, "dwqbtri", 1, sizeof(DWQB_OUTLINE_TRIANGULATION));
    if (!block) return nullptr;
    auto* m = static_cast<DWQB_OUTLINE_TRIANGULATION*>(block);
    const int n = std::min<int>(DWQB_Tabellen.n_lines, 100);
    for (int i = 0; i < n; i++) {
        const int L = DWQB_Tabellen.line[i].number;
        const DWQB_Linie* line = Find_DWQB_Line(L);
        if (!line) return Free_DWQB_OUTLINE_TRIANGULATION(m), nullptr;
        if (line->kind == DWQB_LINE_NO_NORMAL && !(o.flags & 1)) continue;
        const DWQB_Outline_Segment* g = Find_DWQB_Line_Segments(L);
        if (!g || !Mesh_Line(m, i, L, line, g, o, &e)) return Free_DWQB_OUTLINE_TRIANGULATION(m), nullptr;
    }
    return m;
}

// ---- node stresses -----------------------------------------------------------

int Calc_DWQB_Node_Stresses(const DWQB_OUTLINE_TRIANGULATION_NODE* node, const double* f, double* out) {
    if (!node || !f || !out) return 0;
    const double* c = node->c;
    const double s = f[0] * c[0] + f[1] * c[1] + f[2] * c[2] + f[6] * c[6];
    const double t = f[3] * c[3] + f[4] * c[4] + f[5] * c[5] + f[7] * c[7];
    out[0] = s, out[1] = t, out[2] = std::sqrt(s * s + 3 * t * t);
    return 1;
}

// Extremes over the nodes that take(node) accepts.
template <class Take>
static int Node_Extremes(const DWQB_OUTLINE_TRIANGULATION* m, const double* f, double* min3, double* max3, Take take,
                         bool report) {
    double lo[3] = {0, 0, 0}, hi[3] = {0, 0, 0};
    int ok = m && f;
    if (ok && m->n_nodes > 0 && !m->nodes) {
        if (report) Record_Engine_Fault(ENGINE_FAULT_MESH_NODE, "Fehler in Calc_DWQB_OUTLINE_TRIANGULATION_NODE_Stresses\n");
        ok = 0;
    } else if (ok) {
        bool first = true;
        for (int i = 0; i < m->n_nodes; i++) {
            if (!take(m->nodes[i])) continue;
            double v[3] = {0, 0, 0};
            Calc_DWQB_Node_Stresses(&m->nodes[i], f, v);
            for (int k = 0; k < 3; k++) {
                lo[k] = first ? v[k] : std::min(lo[k], v[k]);
                hi[k] = first ? v[k] : std::max(hi[k], v[k]);
            }
            first = false;
        }
    }
    for (int k = 0; k < 3; k++) {
        if (min3) min3[k] = lo[k];
        if (max3) max3[k] = hi[k];
    }
    return ok;
}

int Calc_DWQB_OUTLINE_TRIANGULATION_NODE_Stresses(const DWQB_OUTLINE_TRIANGULATION* mesh, const double* forces,
                                                  double* min3, double* max3) {
    const Engine_Call engine_call;
    return Node_Extremes(mesh, forces, min3, max3, [](const DWQB_OUTLINE_TRIANGULATION_NODE&) { return true; }, true);
}

int Calc_DWQB_Line_Position_Node_Stresses(const DWQB_OUTLINE_TRIANGULATION* mesh, int position, const double* forces,
                                          double* min3, double* max3) {
    const Engine_Call engine_call;
    return Node_Extremes(mesh, forces, min3, max3,
                         [position](const DWQB_OUTLINE_TRIANGULATION_NODE& n) { return n.line_position == position; },
                         false);
}

int Calc_DWQB_Line_Number_Node_Stresses(const DWQB_OUTLINE_TRIANGULATION* mesh, int number, const double* forces,
                                        double* min3, double* max3) {
    const Engine_Call engine_call;
    return Node_Extremes(mesh, forces, min3, max3,
                         [number](const DWQB_OUTLINE_TRIANGULATION_NODE& n) { return n.line_number == number; },
                         false);
}
