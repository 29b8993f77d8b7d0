// Section contour store, its builders and writers, and the sampling of a
// profile outline model into contours.
#include "profiles/profile_contours.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <vector>

#include "base/dlist.h"
#include "platform/oli_graphic_records.h"

namespace {

constexpr double kPi = 3.14159265358979323846;

struct Contour {
    int count = 0;  // points without the repeated first one
    double area = 0;
    Contour_Punkt* first = nullptr;
    Contour_Punkt* last = nullptr;
    Contour* next = nullptr;  // next contour of its group
};

struct Group {
    int holes = 0;
    double area = 0;
    Contour* first = nullptr;
};

struct Store {
    std::vector<Contour*> contours;
    std::vector<Group> groups;
    int current = 0;
    int parameter = 0;
    double area = 0;
    double y_min = 0, y_max = 0, z_min = 0, z_max = 0;
} g_store;

// A chain of vertices of the sampling, waiting for the assembly.
struct Chain {
    Contour_Punkt* first = nullptr;
    Contour_Punkt* last = nullptr;
};
std::vector<Chain> g_chains;

void Free_Points(Contour_Punkt* p) {
    while (p != nullptr) {
        Contour_Punkt* next = p->next;
        delete p;
        p = next;
    }
}

void Append(Contour_Punkt*& first, Contour_Punkt*& last, double x, double y, double arc) {
    Dlist_Append(first, last, new Contour_Punkt{x, y, arc, nullptr, nullptr});
}

void Unlink(Contour_Punkt*& first, Contour_Punkt*& last, Contour_Punkt* p) {
    Dlist_Unlink(first, last, p);
    delete p;
}

double Square_Distance(const Contour_Punkt* a, const Contour_Punkt* b) {
    return (a->x - b->x) * (a->x - b->x) + (a->y - b->y) * (a->y - b->y);
}

void Free_Chains() {
    for (Chain& c : g_chains) Free_Points(c.first);
    g_chains.clear();
}

// Area of the circular segment between a chord c and its arc of sagitta s.
double Segment_Area(double c, double s) {
    double as = std::fabs(s);
    if (std::fabs(c - 2 * as) / c < 1e-4) return kPi * s * s / 2;
    double R = (c * c / 4 + s * s) / (2 * as);
    double d = std::sqrt(std::max(R * R - c * c / 4, 0.0));
    double m = R * R * std::asin(std::min(c / (2 * R), 1.0)) - d * c / 2;
    return c > 2 * as ? m : kPi * R * R - m;
}

// Signed area of a point list whose last point repeats the first, arcs
// included: positive for a counter-clockwise ring.
double Ring_Area(const Contour_Punkt* first) {
    double sum = 0;
    for (const Contour_Punkt* p = first; p != nullptr && p->next != nullptr; p = p->next) {
        const Contour_Punkt* q = p->next;
        sum += p->x * q->y - q->x * p->y;
        double c2 = Square_Distance(p, q);
        if (p->arc != 0 && c2 >= 1e-8) sum += 2 * (p->arc < 0 ? 1 : -1) * Segment_Area(std::sqrt(c2), p->arc);
    }
    return sum / 2;
}

// Replaces the arc from p to p->next by straight pieces, finer for
// parameter 0 than for 1.
void Straighten_Arc(Contour* contour, Contour_Punkt* p, int parameter) {
    Contour_Punkt* q = p->next;
    double s = p->arc;
    double dx = q->x - p->x, dy = q->y - p->y, c = std::sqrt(dx * dx + dy * dy);
    p->arc = 0;
    if (c * c < 1e-8) return;
    double Rs = (4 * s * s + c * c) / (8 * s);  // signed radius
    double nx = -dy / c, ny = dx / c;             // left normal of the chord
    double cx = (p->x + q->x) / 2 + (s - Rs) * nx, cy = (p->y + q->y) / 2 + (s - Rs) * ny;
    double phi = 2 * std::atan2(c / 2, Rs - s);
    if (s < 0) phi = 6.283185307178 - phi;
    if (!std::isfinite(phi) || !std::isfinite(cx) || !std::isfinite(cy)) return;  // left as its chord
    double k = parameter == 0 ? 1.0 / 15 : 1.0 / 6;
    int n = std::max(1, static_cast<int>(std::lround(phi * 180 / kPi * k + 1)));
    n = std::min(n, 360);
    double step = phi / (n + 1) * (s > 0 ? -1 : 1);
    double stretch = 1 + (step / std::sin(step) - 1) / 2;  // keeps the polygon's area close to the arc's
    double vx = p->x - cx, vy = p->y - cy;
    Contour_Punkt* after = p;
    for (int i = 1; i <= n; i++) {
        double a = i * step, ca = std::cos(a), sa = std::sin(a);
        double rx = (vx * ca - vy * sa) * stretch, ry = (vx * sa + vy * ca) * stretch;
        Contour_Punkt* np = new Contour_Punkt{cx + rx, cy + ry, 0, nullptr, nullptr};
        Dlist_Insert_After(contour->first, contour->last, after, np);
        after = np;
    }
}

int Count_Points(const Contour_Punkt* first) {
    int n = 0;
    for (; first != nullptr; first = first->next) n++;
    return n;
}

void Clear_Store() {
    for (Contour* c : g_store.contours) {
        Free_Points(c->first);
        delete c;
    }
    g_store = Store{};
}

void Update_Extents() {
    bool any = false;
    for (Contour* c : g_store.contours)
        for (Contour_Punkt* p = c->first; p != nullptr; p = p->next) {
            if (!any) g_store.y_min = g_store.y_max = p->x, g_store.z_min = g_store.z_max = p->y, any = true;
            g_store.y_min = std::min(g_store.y_min, p->x), g_store.y_max = std::max(g_store.y_max, p->x);
            g_store.z_min = std::min(g_store.z_min, p->y), g_store.z_max = std::max(g_store.z_max, p->y);
        }
}

// Groups from the contours' areas: outer contours first, then each hole into
// the first group whose outer contour holds its first point.
int Form_Groups() {
    g_store.groups.clear();
    g_store.area = 0;
    for (Contour* c : g_store.contours)
        if (c->area > 0) {
            g_store.groups.push_back({0, c->area, c});
            g_store.area += c->area;
        }
    for (Contour* c : g_store.contours) {
        if (!(c->area < 0) || c->first == nullptr) continue;
        for (Group& g : g_store.groups) {
            if (!Point_In_Polygon(g.first->first, c->first->x, c->first->y)) continue;
            Contour* tail = g.first;
            while (tail->next != nullptr) tail = tail->next;
            tail->next = c;
            g.holes++;
            g.area += c->area;
            g_store.area += c->area;
            break;
        }
    }
    return static_cast<int>(g_store.groups.size());
}

const Contour* Contour_At(int group, int contour) {
    if (group < 0 || group >= static_cast<int>(g_store.groups.size())) return nullptr;
    const Group& g = g_store.groups[group];
    if (contour < 0 || contour > g.holes) return nullptr;
    const Contour* c = g.first;
    for (int j = 0; j < contour && c != nullptr; j++) c = c->next;
    return c;
}

// Direction of a part leaving a node, as an angle: the chord for a straight
// part, the tangent of its arc otherwise.
double Leaving_Angle(const Profilmodell* m, const Profilmodell_Teil* p, bool from_start) {
    const Profilmodell_Knoten* a = m->nodes[from_start ? p->start : p->end];
    const Profilmodell_Knoten* b = m->nodes[from_start ? p->end : p->start];
    double dy = b->y - a->y, dz = b->z - a->z;
    double angle = std::atan2(dz, dy);
    double f = p->arc, c = std::sqrt(dy * dy + dz * dz);
    if (f != 0 && c > 0) {
        // The tangent leans from the chord towards the bulge by half the
        // opening angle; a positive sagitta bulges to the left of start → end.
        double half_opening = 2 * std::atan(2 * std::fabs(f) / c);
        bool left = from_start ? f > 0 : f < 0;
        angle += left ? half_opening : -half_opening;
    }
    return angle;
}

// The chain slot that continues the outline after slot t, or −1.
int Next_Slot(const Profilmodell* m, int t) {
    int part = t / 2;
    int node = t % 2 == 0 ? m->parts[part]->end : m->parts[part]->start;
    struct Entry {
        double angle;
        int part;
        bool starts;
    };
    std::vector<Entry> around;
    for (int q = 0; q < m->part_count; q++) {
        const Profilmodell_Teil* p = m->parts[q];
        if (p->start == node) around.push_back({Leaving_Angle(m, p, true), q, true});
        if (p->end == node) around.push_back({Leaving_Angle(m, p, false), q, false});
    }
    std::stable_sort(around.begin(), around.end(), [](const Entry& a, const Entry& b) { return a.angle < b.angle; });
    bool arrives_at_end = t % 2 == 0;
    for (size_t i = 0; i < around.size(); i++) {
        if (around[i].part != part || around[i].starts == arrives_at_end) continue;
        const Entry& e = around[(i + 1) % around.size()];
        return 2 * e.part + (e.starts ? 0 : 1);
    }
    return -1;
}

void Write_Edges(FILE* file, const std::vector<double>& xs, const std::vector<double>& ys) {
    size_t n = xs.size();
    for (size_t k = 0; k < n; k++)
        std::fprintf(file, "%d %f %f %f %f\n", OLI_REC_LINE, xs[k], ys[k], xs[(k + 1) % n], ys[(k + 1) % n]);
}

// A coordinate in whole thousandths, kept within a range whose differences
// cannot overflow; not a number counts as 0.
long Thousandths(double v) {
    double t = v * 1000;
    if (!(t == t)) return 0;
    return std::lround(std::clamp(t, -1e15, 1e15));
}

}  // namespace

int Point_In_Polygon(const Contour_Punkt* first, double x, double y) {
    if (first == nullptr) return 0;
    long X = Thousandths(x), Yi = Thousandths(y);
    double Y = Yi + 0.5;  // never level with a vertex
    int count = 0;
    long steps = 0;
    for (const Contour_Punkt* p = first; p != nullptr && steps < 10000000; p = p->next, steps++) {
        const Contour_Punkt* q = p->next != nullptr ? p->next : first;
        long px = Thousandths(p->x), py = Thousandths(p->y);
        long qx = Thousandths(q->x), qy = Thousandths(q->y);
        if (std::labs(px - X) <= 1 && std::labs(py - Yi) <= 1) return 0;
        if ((py > Y) != (qy > Y)) {
            double xi = px + (Y - py) * static_cast<double>(qx - px) / static_cast<double>(qy - py);
            if (X > xi) count++;
        }
    }
    return count % 2;
}

int Begin_Contour_Store(int n, int parameter) {
    Clear_Store();
    if (n < 0 || n > 1000000) return 0;
    g_store.contours.reserve(n);
    for (int i = 0; i < n; i++) g_store.contours.push_back(new Contour);
    g_store.parameter = parameter;
    return 1;
}

int Next_Contour(void) { return g_store.current = std::abs(g_store.current) + 1; }

void Add_Contour_Point(double x, double y, double arc) {
    int n = static_cast<int>(g_store.contours.size());
    if (g_store.current < 1 || g_store.current > n) return;
    if (!std::isfinite(x) || !std::isfinite(y)) return;  // a point nowhere cannot be drawn or measured
    Contour* c = g_store.contours[g_store.current - 1];
    Append(c->first, c->last, x, y, std::isfinite(arc) ? arc : 0.0);
}

void Close_Contour(int orientation) {
    int n = static_cast<int>(g_store.contours.size());
    if (g_store.current < 1 || g_store.current > n) return;
    Contour* c = g_store.contours[g_store.current - 1];
    g_store.current = -g_store.current;
    if (c->first == nullptr) return;
    Append(c->first, c->last, c->first->x, c->first->y, c->first->arc);
    double area = Ring_Area(c->first);
    if ((orientation > 0 && area < 0) || (orientation < 0 && area > 0)) {
        // Reverse: each arc moves to the new start of its edge, its side swapped.
        std::vector<Contour_Punkt*> pts;
        for (Contour_Punkt* p = c->first; p != nullptr; p = p->next) pts.push_back(p);
        size_t N = pts.size() - 1;
        std::vector<double> arcs(N + 1);
        for (size_t j = 0; j < N; j++) arcs[j] = -pts[N - j - 1]->arc;
        arcs[N] = arcs[0];
        std::reverse(pts.begin(), pts.end());
        c->first = c->last = nullptr;
        for (size_t j = 0; j <= N; j++) {
            pts[j]->arc = arcs[j];
            Dlist_Append(c->first, c->last, pts[j]);
        }
        area = -area;
    }
    if (g_store.parameter < 2)
        for (Contour_Punkt* p = c->first; p != nullptr && p->next != nullptr;) {
            Contour_Punkt* next = p->next;
            if (p->arc != 0) Straighten_Arc(c, p, g_store.parameter);
            p = next;
        }
    if (g_store.parameter < 2) c->last->arc = 0;
    c->count = Count_Points(c->first) - 1;
    c->area = area;
}

int Finish_Contour_Store(void) {
    Update_Extents();
    return Form_Groups();
}

void Build_Round_Bar_Contours(double d, int mode) {
    Clear_Store();
    Contour* c = new Contour;
    g_store.contours.push_back(c);
    int count = mode == 1 ? 60 : mode == 2 ? 2 : 24;
    double r = d / 2, arc = mode == 2 ? -d / 2 : 0.0;
    for (int k = 0; k < count; k++)
        Append(c->first, c->last, r * std::cos(k * 6.283185307 / count), r * std::sin(k * 6.283185307 / count), arc);
    Append(c->first, c->last, r, 0, arc);
    c->count = count;
    c->area = 0.785398 * d * d;
    g_store.groups.push_back({0, c->area, c});
    g_store.area = c->area;
    Update_Extents();
}

int Build_Contour_Store_From_Model(const Profilmodell* model, int parameter) {
    Clear_Store();
    if (Sample_Profilmodell_Contours(model, parameter) <= 0) return 0;
    return Assemble_Contours(model, parameter) > 0;
}

void Clear_Contour_Store(void) { Clear_Store(); }

int Sample_Profilmodell_Contours(const Profilmodell* model, int mode) {
    if (model == nullptr || !Load_Profilmodell_Into_Engine(model)) return 0;
    const Profilmodell_Engine* e = Get_Profilmodell_Engine();
    double ref_y = 0, ref_z = 0;
    if (!e->reference_point(&ref_y, &ref_z)) return 0;
    Free_Chains();
    g_chains.resize(2 * static_cast<size_t>(model->part_count));
    // Two chains per part, whatever its blocks: slot 2k runs along one face of
    // part k from its start to its end node, slot 2k + 1 back along the other.
    for (int k = 0; k < model->part_count; k++) {
        int32_t flags[PROFILMODELL_SEGMENT_BLOCKS] = {}, counts[PROFILMODELL_SEGMENT_BLOCKS] = {};
        if (!e->line_segments(k, flags, counts)) continue;
        int slot = 2 * k;
        for (int j = 1; j < PROFILMODELL_SEGMENT_BLOCKS; j++) {
            if (!(flags[j] & PROFILMODELL_SEG_PRESENT) || flags[j] < 0) continue;
            if (j == 5) {
                slot = 2 * k + 1;
                continue;
            }
            int n;
            double s;
            bool curved = (flags[j] & PROFILMODELL_SEG_CURVED) && counts[j] >= 2;
            int points = std::min<int32_t>(counts[j], 2048);
            if (!curved) n = 1, s = 2;
            else if ((j == 2 || j == 7) && mode == 1) n = 2 * points, s = 2.0 / n;
            else if ((j == 2 || j == 7) && mode == 2) n = 6, s = 1.0 / 3;
            else if (mode == 0 || mode == 2) n = 2, s = 1;
            else n = points, s = 2.0 / n;
            Chain& c = g_chains[slot];
            for (int i = 0; i < n; i++) {
                double y, z;
                e->segment_point(k, j, i == 0 ? -1.0 : i * s - 1, &y, &z);
                Append(c.first, c.last, y - ref_y, z - ref_z, mode == 2 && i % 2 == 1 ? 1.0 : 0.0);
            }
        }
    }
    return static_cast<int>(g_chains.size());
}

int Assemble_Contours(const Profilmodell* model, int mode) {
    Clear_Store();
    int slots = static_cast<int>(g_chains.size());
    if (model == nullptr || slots != 2 * model->part_count) {
        Free_Chains();
        return 0;
    }
    std::vector<char> used(slots, 0);
    for (int c = 0; c < slots; c++) {
        Chain& head = g_chains[c];
        if (head.first == nullptr || used[c]) continue;
        used[c] = 1;
        int tail = c;
        for (int guard = 0; guard <= slots; guard++) {
            int next = Next_Slot(model, tail);
            if (next == c || next < 0 || used[next] || g_chains[next].first == nullptr) {
                // Closed (or the outline cannot go on): close it where it is.
                if (Square_Distance(head.last, head.first) >= 1e-6)
                    Append(head.first, head.last, head.first->x, head.first->y, 0);
                break;
            }
            Chain& other = g_chains[next];
            if (Square_Distance(other.first, head.last) < 1e-6) Unlink(other.first, other.last, other.first);
            Dlist_Splice(head.first, head.last, other.first, other.last);
            other.first = other.last = nullptr;
            used[next] = 1;
            tail = next;
        }
    }
    for (Chain& ch : g_chains)
        for (Contour_Punkt* p = ch.first != nullptr ? ch.first->next : nullptr; p != nullptr;) {
            Contour_Punkt* next = p->next;
            if (Square_Distance(p, p->prev) < 1e-10) Unlink(ch.first, ch.last, p);
            p = next;
        }
    if (mode == 2)
        for (Chain& ch : g_chains)
            for (Contour_Punkt* p = ch.first; p != nullptr;) {
                Contour_Punkt* next = p->next;
                if (p->arc == 1.0 && p->prev != nullptr && p->next != nullptr) {
                    Contour_Punkt *a = p->prev, *b = p->next;
                    double cx = b->x - a->x, cy = b->y - a->y, c = std::sqrt(cx * cx + cy * cy);
                    a->arc = c > 0 ? (cx * (p->y - a->y) - cy * (p->x - a->x)) / c : 0.0;
                    Unlink(ch.first, ch.last, p);
                }
                p = next;
            }
    for (Chain& ch : g_chains) {
        if (ch.first == nullptr) continue;
        Contour* c = new Contour;
        c->first = ch.first;
        c->last = ch.last;
        c->count = Count_Points(c->first) - 1;
        c->area = Ring_Area(c->first);
        ch.first = ch.last = nullptr;
        g_store.contours.push_back(c);
    }
    g_chains.clear();
    Update_Extents();
    return Form_Groups();
}

int Contour_Store_Valid(void) { return static_cast<int>(g_store.groups.size()); }

int Get_Contour_Store_Extents(double* y_min, double* y_max, double* z_min, double* z_max) {
    if (g_store.groups.empty()) return 0;
    if (y_min) *y_min = g_store.y_min;
    if (y_max) *y_max = g_store.y_max;
    if (z_min) *z_min = g_store.z_min;
    if (z_max) *z_max = g_store.z_max;
    return 1;
}

double Get_Contour_Store_Area(void) { return g_store.area; }

int Get_Contour_Count(int group) {
    if (group < 0 || group >= static_cast<int>(g_store.groups.size())) return 0;
    return g_store.groups[group].holes;
}

int Get_Contour_Point_Count(int group, int contour) {
    const Contour* c = Contour_At(group, contour);
    return c != nullptr ? c->count : 0;
}

int Get_Contour_Point(int group, int contour, int point, double* x, double* y, double* arc) {
    const Contour* c = Contour_At(group, contour);
    if (c == nullptr || point < 0 || point > c->count) return 0;
    const Contour_Punkt* p = c->first;
    for (int k = 0; k < point && p != nullptr; k++) p = p->next;
    if (p == nullptr) return 0;
    if (x) *x = p->x;
    if (y) *y = p->y;
    if (arc) *arc = p->arc;
    return 1;
}

void Draw_Contour_Store_Plot(FILE* file, double x1, double y1, double x2, double y2) {
    if (file == nullptr || g_store.groups.empty()) return;
    double w = g_store.y_max - g_store.y_min, h = g_store.z_max - g_store.z_min;
    if (!(w > 0) || !(h > 0) || !std::isfinite(w) || !std::isfinite(h)) return;
    double s = std::min((x2 - x1) / w, (y2 - y1) / h);
    std::fprintf(file, " %d 2\n", OLI_REC_PEN);
    for (const Group& g : g_store.groups) {
        if (g.holes < 0) continue;
        const Contour* c = g.first;
        for (int j = 0; j <= g.holes && c != nullptr; j++, c = c->next) {
            // A colour group: an outer contour green with fill pattern 33,
            // a hole white with none.
            std::fprintf(file,
                         j == 0 ? " %d\n %d 104 156 104\n %d\n %d 33\n %d\n"
                                : " %d\n %d 255 255 255\n %d\n %d  0\n %d\n",
                         OLI_REC_COLOUR_CONTROL_61, OLI_REC_LINE_COLOUR, OLI_REC_COLOUR_CONTROL_59, OLI_REC_FILL_PATTERN,
                         OLI_REC_COLOUR_CONTROL_60);
            std::vector<double> xs, ys;
            const Contour_Punkt* p = c->first;
            for (int k = 0; k < c->count && p != nullptr; k++, p = p->next) {
                xs.push_back(x1 + (g_store.y_max - p->x) * s);
                ys.push_back(y1 + (g_store.z_max - p->y) * s);
            }
            std::fprintf(file, " %d %d\n", OLI_REC_POLYGON, static_cast<int>(xs.size()));
            for (size_t k = 0; k < xs.size(); k++) std::fprintf(file, " %f %f\n", xs[k], ys[k]);
            std::fprintf(file, " %d\n %d 0 0 0\n %d\n", OLI_REC_COLOUR_CONTROL_61, OLI_REC_LINE_COLOUR,
                         OLI_REC_COLOUR_CONTROL_60);
            Write_Edges(file, xs, ys);
        }
    }
}

int Write_Contour_Extrusion(FILE* file, int id, const double start[3], const double end[3], const double axes[9]) {
    if (file == nullptr || start == nullptr || end == nullptr || axes == nullptr) return 0;
    const double* a1 = axes;
    const double* a2 = axes + 3;
    const double* a3 = axes + 6;
    auto corner = [&](const double base[3], double y, double z, int code) {
        std::fprintf(file, " %d %.5f %.5f %.5f %.5f %.5f %.5f\n", code, base[0] + 0.01 * (y * a2[0] + z * a3[0]),
                     base[1] + 0.01 * (y * a2[1] + z * a3[1]), base[2] + 0.01 * (y * a2[2] + z * a3[2]), 0.0, 0.0,
                     0.0);
    };
    int faces = 0;
    for (const Group& g : g_store.groups) {
        if (g.holes < 0) continue;
        const Contour* c = g.first;
        for (int j = 0; j <= g.holes && c != nullptr; j++, c = c->next) {
            const Contour_Punkt* p = c->first;
            for (int k = 0; k < c->count && p != nullptr && p->next != nullptr; k++, p = p->next) {
                const Contour_Punkt* q = p->next;
                double dy = q->x - p->x, dz = q->y - p->y, len = std::sqrt(dy * dy + dz * dz);
                if (!(len > 0)) continue;
                double ny = dz / len, nz = -dy / len;  // outward for a counter-clockwise contour
                std::fprintf(file, "4 %d 1\n", id);
                // (+ 0.0 writes a negative zero as 0.00000)
                std::fprintf(file, "%.5f %.5f %.5f\n", 0.01 * (ny * a2[0] + nz * a3[0]) + 0.0,
                             0.01 * (ny * a2[1] + nz * a3[1]) + 0.0, 0.01 * (ny * a2[2] + nz * a3[2]) + 0.0);
                corner(start, p->x, p->y, 0);
                corner(start, q->x, q->y, 0);
                corner(end, q->x, q->y, 0);
                corner(end, p->x, p->y, 0);
                faces++;
            }
        }
        int total = 1 + 2 * g.holes;
        c = g.first;
        for (int j = 0; j <= g.holes && c != nullptr; j++, c = c->next) total += c->count;
        for (int side = 0; side < 2; side++) {
            const double* base = side == 0 ? start : end;
            double sign = side == 0 ? -0.01 : 0.01;
            std::fprintf(file, "%d %d 0\n", total, id);
            std::fprintf(file, "%.5f %.5f %.5f\n", sign * a1[0] + 0.0, sign * a1[1] + 0.0, sign * a1[2] + 0.0);
            c = g.first;
            for (int j = 0; j <= g.holes && c != nullptr; j++, c = c->next) {
                const Contour_Punkt* p = c->first;
                if (j > 0 && p != nullptr) corner(base, p->x, p->y, 999);  // into the hole
                for (int k = 0; k < c->count && p != nullptr; k++, p = p->next) corner(base, p->x, p->y, 0);
                if (c->first != nullptr) corner(base, c->first->x, c->first->y, 0);  // back to its start
            }
            faces++;
        }
    }
    return faces;
}
