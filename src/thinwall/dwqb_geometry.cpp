// dwqb_geometry: segment geometry and the winged-edge topology of the model.
#include "thinwall/dwqb_geometry.h"

#include <algorithm>
#include <cmath>
#include <initializer_list>
#include <cstdio>
#include <vector>

#include "thinwall/dwqb_internal.h"
#include "thinwall/engine_faults.h"

DWQB_Topologie DWQB_Topologie_Zaehler;

static const double kPi = 3.14159265358979323846;

void Set_Segment_Geometry(double y1, double z1, double y2, double z2, double f, double t_a,
                          double t_b, double tolerance, DWQB_Segment_Geometrie* out) {
    DWQB_Segment_Geometrie& g = *out;
    g = DWQB_Segment_Geometrie{};
    g.tolerance = 0.001;
    g.cos = 1.0;
    g.y1 = y1;
    g.z1 = z1;
    g.y2 = y2;
    g.z2 = z2;
    g.f = f;
    g.h0 = (t_a + t_b) / 4;
    g.h1 = (t_b - t_a) / 4;
    g.yc = (y1 + y2) / 2;
    g.zc = (z1 + z2) / 2;
    const double dy = y2 - y1, dz = z2 - z1;
    const double c2 = dy * dy + dz * dz;
    const double c = std::sqrt(c2);
    g.length = c;
    if (c2 == 0) return;
    g.angle = std::atan2(dz, dy);
    g.cos = dy / c;
    g.sin = dz / c;
    if (std::fabs(f) <= tolerance * c) {
        g.half_length = c / 2;
        return;
    }
    const double q = 4 * f * f;
    const double cphi = (c2 - q) / (c2 + q);
    g.phi = std::atan2(std::sqrt(std::max(0.0, 1 - cphi * cphi)), cphi);
    if (f < 0) g.phi = -g.phi;
    g.r = ((c2 + q) / 8) / f;
    const double k = (f - g.r) / c;
    g.yc -= dz * k;
    g.zc += dy * k;
    g.n_chords = 2 * static_cast<int32_t>(std::lround(std::fabs(g.phi) / 2 / std::sqrt(6 * tolerance)));
    if (g.n_chords == 0) g.n_chords = 1;
    g.length = std::fabs(2 * g.r * g.phi);
}

void Segment_Point(double s, double u, const DWQB_Segment_Geometrie* g, double* out_y, double* out_z) {
    const double w = g->r + u * (g->h0 + s * g->h1);
    double a, b;
    if (g->n_chords >= 1) {
        a = w * std::sin(s * g->phi);
        b = w * std::cos(s * g->phi);
    } else {
        a = s * g->half_length;
        b = w;
    }
    if (out_y) *out_y = g->yc + g->cos * a - g->sin * b;
    if (out_z) *out_z = g->zc + g->sin * a + g->cos * b;
}

void Segment_Tangent(double s, double u, const DWQB_Segment_Geometrie* g, double* out_dy, double* out_dz) {
    const double dw = u * g->h1;
    double da, db;
    if (g->n_chords >= 1) {
        const double w = g->r + u * (g->h0 + s * g->h1);
        da = dw * std::sin(s * g->phi) + w * g->phi * std::cos(s * g->phi);
        db = dw * std::cos(s * g->phi) - w * g->phi * std::sin(s * g->phi);
    } else {
        da = g->half_length;
        db = dw;
    }
    if (out_dy) *out_dy = g->cos * da - g->sin * db;
    if (out_dz) *out_dz = g->sin * da + g->cos * db;
}

void Segment_Local_Coordinates(double y, double z, const DWQB_Segment_Geometrie* g, double* out_s,
                               double* out_u) {
    const double dy = y - g->yc, dz = z - g->zc;
    double a = dy * g->cos + dz * g->sin;
    double b = -dy * g->sin + dz * g->cos;
    double s = 0, w;
    if (g->n_chords >= 1) {
        if (g->r < 0) {
            a = -a;
            b = -b;
        }
        if (g->phi != 0) s = std::atan2(a, b) / g->phi;
        const double dist = std::hypot(a, b);
        w = (g->r < 0 ? -dist : dist) - g->r;
    } else {
        if (g->half_length != 0) s = a / g->half_length;
        w = b;
    }
    const double h = g->h0 + s * g->h1;
    if (out_s) *out_s = s;
    if (out_u) *out_u = h != 0 ? w / h : 0;
}

int Walk_Segment_Chords(const DWQB_Segment_Geometrie* geo, int n, DWQB_Chord_Callback callback,
                        void* context) {
    if (!geo || !callback) return 0;
    if (n < 0) n = geo->n_chords;
    if (n < 1) n = 1;
    double y_prev, z_prev;
    Segment_Point(-1, 0, geo, &y_prev, &z_prev);
    double s_prev = -1;
    int result = 0;
    for (int i = 1; i <= n; i++) {
        const double s = -1 + 2.0 * i / n;
        double y, z;
        Segment_Point(s, 0, geo, &y, &z);
        result = callback(y_prev, z_prev, y, z, s_prev, s, context);
        if (result == 0) return 0;
        y_prev = y;
        z_prev = z;
        s_prev = s;
    }
    return result;
}

double DWQB_Leaving_Direction(const DWQB_Linie* line, const DWQB_Knoten* node) {
    double d = line->a == node ? line->geo.angle + line->geo.phi : line->geo.angle + kPi - line->geo.phi;
    d = std::fmod(d, 2 * kPi);
    if (d < 0) d += 2 * kPi;
    if (d >= 2 * kPi) d = 0;
    return d;
}

// Twice the signed area swept from the origin along the centre line a -> b.
static double Line_Shoelace(const DWQB_Linie* line) {
    const int n = line->geo.n_chords >= 1 ? line->geo.n_chords : 1;
    double y_prev, z_prev, sum = 0;
    Segment_Point(-1, 0, &line->geo, &y_prev, &z_prev);
    for (int k = 1; k <= n; k++) {
        double y, z;
        Segment_Point(-1 + 2.0 * k / n, 0, &line->geo, &y, &z);
        sum += y_prev * z - y * z_prev;
        y_prev = y;
        z_prev = z;
    }
    return sum / 2;
}

uint32_t _Winged_Edge_Outline(DWQB_Linie* first, uint32_t start_flags) {
    DWQB_Linie* cur = first;
    uint32_t flags = start_flags;
    double area = 0;
    int one_sided = 0;
    // A sound plane graph closes every outline within two visits per line.
    const long limit = 2L * Count_DWQB_Lines() + 2;
    for (long step = 0;; step++) {
        const int side = (flags & DWQB_SIDE_LEFT) ? 0 : 1;
        if (cur->outline_start[side] || step > limit) {
            Record_Engine_Fault(ENGINE_FAULT_OUTLINE_WALK, "Fehler in _Winged_Edge_Outline: line %d\n", first->number);
            return 0;
        }
        cur->side_flags[side] = flags;
        cur->outline_start[side] = first;
        const int other = 1 - side;
        if (cur->outline_start[other] == first && (cur->side_flags[other] & DWQB_SIDE_STARTED) == (flags & DWQB_SIDE_STARTED)) one_sided--;
        else one_sided++;
        area += side == 0 ? Line_Shoelace(cur) : -Line_Shoelace(cur);

        const DWQB_Knoten* far = side == 0 ? cur->b : cur->a;
        DWQB_Linie* next;
        if (side == 0) next = (flags & DWQB_SIDE_NEXT_BEFORE_B) ? cur->wing[DWQB_WING_BEFORE_B] : cur->wing[DWQB_WING_AFTER_B];
        else next = (flags & DWQB_SIDE_NEXT_BEFORE_A) ? cur->wing[DWQB_WING_BEFORE_A] : cur->wing[DWQB_WING_AFTER_A];
        const uint32_t keep = flags & DWQB_SIDE_STARTED;
        if (!(flags & DWQB_SIDE_RUN) || !(flags & DWQB_SIDE_NEXT)) next = nullptr, far = nullptr;
        if (!far) {
            Record_Engine_Fault(ENGINE_FAULT_OUTLINE_WALK, "Fehler in _Next_Winged_Outline_Line: line %d, flags = 0x%x\n", cur->number, flags);
            Record_Engine_Fault(ENGINE_FAULT_OUTLINE_WALK, "Fehler in _Winged_Edge_Outline: line %d\n", first->number);
            return 0;
        }
        if (!next) {
            flags = keep | (side == 0 ? (DWQB_SIDE_RIGHT | DWQB_SIDE_NEXT_BEFORE_A) : (DWQB_SIDE_LEFT | DWQB_SIDE_NEXT_BEFORE_B));
        } else if (next->a == far) {
            cur = next;
            flags = keep | DWQB_SIDE_LEFT | DWQB_SIDE_NEXT_BEFORE_B;
        } else if (next->b == far) {
            cur = next;
            flags = keep | DWQB_SIDE_RIGHT | DWQB_SIDE_NEXT_BEFORE_A;
        } else {
            Record_Engine_Fault(ENGINE_FAULT_OUTLINE_WALK, "Fehler in _Next_Winged_Outline_Line: line %d, flags = 0x%x\n", cur->number, flags);
            Record_Engine_Fault(ENGINE_FAULT_OUTLINE_WALK, "Fehler in _Winged_Edge_Outline: line %d\n", first->number);
            return 0;
        }
        if (cur == first && flags == start_flags) break;
    }
    const uint32_t cls = (one_sided == 0 || area < 0) ? DWQB_SIDE_OUTER : DWQB_SIDE_CELL;
    first->side_flags[(start_flags & DWQB_SIDE_LEFT) ? 0 : 1] |= cls;
    return cls;
}

void _Winged_Edge_Structure(void) {
    DWQB_Topologie& t = DWQB_Topologie_Zaehler;
    t = DWQB_Topologie{};
    for (DWQB_Linie* line = dwqb_model.first_line; line; line = line->next) {
        for (DWQB_Linie*& w : line->wing) w = nullptr;
        line->side_flags[0] = line->side_flags[1] = 0;
        line->outline_start[0] = line->outline_start[1] = nullptr;
        line->part = nullptr;
        t.n_lines++;
    }
    std::vector<DWQB_Linie*> around;
    for (DWQB_Knoten* node = dwqb_model.first_node; node; node = node->next) {
        t.n_nodes++;
        if (node->use_count < 2) continue;
        around.clear();
        for (DWQB_Linie* line = dwqb_model.first_line; line && around.size() < 100; line = line->next)
            if (line->a == node || line->b == node) around.push_back(line);
        if (around.size() < 2) continue;
        std::stable_sort(around.begin(), around.end(), [node](const DWQB_Linie* l, const DWQB_Linie* r) {
            return DWQB_Leaving_Direction(l, node) < DWQB_Leaving_Direction(r, node);
        });
        const size_t n = around.size();
        for (size_t k = 0; k < n; k++) {
            DWQB_Linie* line = around[k];
            DWQB_Linie* before = around[(k + n - 1) % n];
            DWQB_Linie* after = around[(k + 1) % n];
            if (line->a == node) {
                line->wing[DWQB_WING_BEFORE_A] = before;
                line->wing[DWQB_WING_AFTER_A] = after;
            }
            if (line->b == node) {
                line->wing[DWQB_WING_BEFORE_B] = before;
                line->wing[DWQB_WING_AFTER_B] = after;
            }
            if (line->a != node && line->b != node) {
                Record_Engine_Fault(ENGINE_FAULT_TOPOLOGY, "Fehler in _Winged_Edge_Structure: node %d, line %d\n", node->number, line->number);
                t.faults++;
            }
        }
    }
    // Parts: node marks collect the nodes reached by the part being grown.
    for (DWQB_Knoten* node = dwqb_model.first_node; node; node = node->next) node->link_mark = 0;
    for (DWQB_Linie* leader = dwqb_model.first_line; leader; leader = leader->next) {
        if (leader->part) continue;
        t.n_parts++;
        leader->part = leader;
        const int mark = t.n_parts;
        if (leader->a) leader->a->link_mark = mark;
        if (leader->b) leader->b->link_mark = mark;
        for (bool changed = true; changed;) {
            changed = false;
            for (DWQB_Linie* line = leader->next; line; line = line->next) {
                if (line->part) continue;
                if ((line->a && line->a->link_mark == mark) || (line->b && line->b->link_mark == mark)) {
                    line->part = leader;
                    if (line->a) line->a->link_mark = mark;
                    if (line->b) line->b->link_mark = mark;
                    changed = true;
                }
            }
        }
    }
    for (DWQB_Knoten* node = dwqb_model.first_node; node; node = node->next) node->link_mark = 0;
    for (DWQB_Linie* line = dwqb_model.first_line; line; line = line->next) {
        if (!line->a || !line->b) continue;
        for (int side = 0; side < 2; side++) {
            if (line->outline_start[side]) continue;
            const uint32_t cls = _Winged_Edge_Outline(line, side == 0 ? 0x29 : 0x16);
            if (cls == DWQB_SIDE_CELL) t.n_cells++;
            if (cls == 0) t.faults++;
        }
    }
    for (DWQB_Linie* line = dwqb_model.first_line; line; line = line->next) {
        for (int side = 0; side < 2; side++) {
            const DWQB_Linie* first = line->outline_start[side];
            if (!first) {
                Record_Engine_Fault(ENGINE_FAULT_TOPOLOGY, "_Winged_Edge_Structure: Line[%d,%s] nicht verknuepft.\n", line->number,
                            side == 0 ? "links" : "rechts");
                t.faults++;
                continue;
            }
            const uint32_t own = line->side_flags[side];
            const uint32_t start = (own & DWQB_SIDE_STARTED_LEFT) ? first->side_flags[0] : first->side_flags[1];
            line->side_flags[side] |= start & (DWQB_SIDE_CELL | DWQB_SIDE_OUTER);
        }
    }
    const int euler = t.n_nodes + t.n_cells - t.n_lines - t.n_parts;
    if (euler != 0) t.faults++;
    if (euler != 0)
        Record_Engine_Fault(ENGINE_FAULT_TOPOLOGY, "_Winged_Edge_Structure: n_nodes + n_cells - n_lines - n_parts = %d + %d - %d - %d = %d != 0\n",
                    t.n_nodes, t.n_cells, t.n_lines, t.n_parts, euler);
}
