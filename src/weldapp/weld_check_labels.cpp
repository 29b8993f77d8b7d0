#include "weldapp/weld_check_labels.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdio>
#include <cstring>

#include "printlist/ioliplot.h"

namespace {

// Sizes in paper cm.
const double kPointHeight = 0.2;   // text height of a point number
const double kNumberHeight = 0.2;  // text height of a weld's name
// Between a weld line and the near edge of its name's box: the line's
// taken half width, the gap labels keep and a little more.
const double kNumberGap = 0.1;
// A point number stands within this share of its line's paper length from
// its point.
const double kOwnShare = 1.0 / 3.0;
// Room kept clear beside a point number on its line of text: two numbers
// set closer read as one number of two digits ("1" "0" as "10"), a number
// beside a weld's boxed name as part of it.
const double kPointApart = 0.15;
// Below this distance two end points are one place (the corner where two
// welds meet): their numbers tell them apart by their own lines.
const double kSamePlace = 0.05;
// The gap labels keep from each other and from what is drawn (as the
// picture writer keeps it).
const double kLabelGap = 0.03;

// What a place costs, from the worst to the least: a label out of the
// picture a million (the picture writer's answer); a label on another
// label kClash and its covered area; a number that reads as another's
// (beside another number or a weld's box on one line of text, closer than
// kPointApart) kRunTogether; a number nearer a weld's box than any end
// point kReadsAsBox more than kNearBox, which a number nearer a weld's box
// than its own point costs; a number nearer another weld's end than its own
// point kNearOtherEnd; what it covers of the lines, dots and texts drawn,
// kCovered a cm²; each of the nine sample points of its box (corners,
// edges' middles, centre) on the profile's hatched area kOnProfile, where a
// number is hard to read and reads as a mark of the profile. A weld's box
// on the profile's side of its line costs kInward.
const double kClash = 4.0;
const double kRunTogether = 2.0;
const double kReadsAsBox = 2.0;
const double kNearBox = 0.5;
const double kNearOtherEnd = 0.5;
const double kCovered = 20.0;
const double kOnProfile = 0.1;
const double kInward = 10.0;

struct Box {
    double x1, y1, x2, y2;
};

Box Box_At(const Check_Label& l, int i) {
    const Check_Label::Place& p = l.places[static_cast<size_t>(i)];
    return {p.x - l.hw, p.y - l.hh, p.x + l.hw, p.y + l.hh};
}

// The square of the distance of the point (x, y) from the box b (0 inside).
double Box_Distance2(const Box& b, double x, double y) {
    const double dx = std::max({b.x1 - x, 0.0, x - b.x2}), dy = std::max({b.y1 - y, 0.0, y - b.y2});
    return dx * dx + dy * dy;
}

// What two labels at their places cost together: one over the other (with
// the gap labels keep), side by side as one number, a point number nearer
// a weld's box than its own point or than any end.
double Pair_Cost(const Check_Label& a, int i, const Check_Label& b, int j, double s) {
    const Box p = Box_At(a, i), q = Box_At(b, j);
    const double g = kLabelGap / s, apart = kPointApart / s;
    double c = 0.0;
    const double w = std::min(p.x2, q.x2 + g) - std::max(p.x1, q.x1 - g),
                 h = std::min(p.y2, q.y2 + g) - std::max(p.y1, q.y1 - g);
    if (w > 0.0 && h > 0.0) c += kClash + w * h * s * s;
    if (a.boxed && b.boxed) return c;
    if (p.y1 < q.y2 && q.y1 < p.y2 && p.x1 < q.x2 + apart && q.x1 < p.x2 + apart) c += kRunTogether;
    if (a.boxed != b.boxed) {
        const Check_Label::Place& at = a.boxed ? b.places[static_cast<size_t>(j)] : a.places[static_cast<size_t>(i)];
        const double d2 = Box_Distance2(a.boxed ? p : q, at.x, at.y);
        if (d2 < at.own2) c += kNearBox;
        if (d2 < at.end2) c += kReadsAsBox;
    }
    return c;
}

// The page box of a label at (x, y), worked out once for what it covers
// and what it meets. A point number's box: 0.9 text heights a digit wide,
// from 0.52 text heights above its point to 0.5 below (the overlay's y runs
// up the page). The ink the viewer draws of a digit centred on its point
// (Oli_Text_Ink_Box) is at most 0.74 text heights wide and reaches 0.55
// above the point and 0.50 below: the 0.01 cm it rises above the box lie
// within the gap of 0.03 cm every label keeps from every other and from
// what it covers, and the places of the numbers (stacked one number's
// height and a little apart) are laid out for this box.
void Label_Page_Box(const Check_Label& l, double x, double y, double s, double b[4]) {
    if (l.boxed) Oli_Area_Page_Box(x - l.hw, y - l.hh, x + l.hw, y + l.hh, b);
    else Oli_Area_Page_Box(x - l.hw, y - 0.5 * kPointHeight / s, x + l.hw, y + 0.52 * kPointHeight / s, b);
}

// What a place's page box covers of the lines, dots and texts drawn, times
// kCovered; a million and more out of the picture.
double Covered_Cost(const double b[4]) { return kCovered * Oli_Page_Box_Covered(b); }

struct Arrangement {
    std::vector<Check_Label>& labels;
    double s;
    Check_Label_Inside inside;
    const void* context;
    std::vector<char> placed;  // which labels count for the others
};

// The whole cost of a place by itself: what it covers and adds for reading
// wrong, and its samples on the profile's area (none out of the picture),
// worked out once.
double Single_Cost(const Arrangement& a, Check_Label& l, int i) {
    Check_Label::Place& p = l.places[static_cast<size_t>(i)];
    if (p.cost >= 0.0) return p.cost;
    double c = p.covered + p.extra;
    if (p.covered < 1e5)
        for (int u = -1; u <= 1; ++u)
            for (int v = -1; v <= 1; ++v) c += a.inside(a.context, p.x + u * l.hw, p.y + v * l.hh) ? kOnProfile : 0.0;
    return p.cost = c;
}

// Label k's pairs at place i with its placed neighbours, summed while below
// `bound`.
double Pairs(const Arrangement& a, size_t k, int i, double bound) {
    const Check_Label& l = a.labels[k];
    double c = 0.0;
    for (int j : l.neighbours)
        if (a.placed[static_cast<size_t>(j)] && c < bound)
            c += Pair_Cost(l, i, a.labels[static_cast<size_t>(j)], a.labels[static_cast<size_t>(j)].at, a.s);
    return c;
}

// The place of label k that costs least beside its placed neighbours: the
// first of the cheapest, so that the places keep their order of
// preference. The samples of the profile's area are taken only for a place
// that could still be the cheapest without them.
int Best_Place(Arrangement& a, size_t k) {
    Check_Label& l = a.labels[k];
    int best = 0;
    double least = 1e300;
    for (size_t i = 0; i < l.places.size(); ++i) {
        const int n = static_cast<int>(i);
        const Check_Label::Place& p = l.places[i];
        double c = p.cost >= 0.0 ? p.cost : p.covered + p.extra;
        if (!(c < least)) continue;
        c += Pairs(a, k, n, least - c);
        if (!(c < least)) continue;
        if (p.cost < 0.0) c += Single_Cost(a, l, n) - p.covered - p.extra;
        if (c < least) least = c, best = n;
        if (c == 0.0) break;
    }
    return best;
}

// The cost of the labels of `group` at their places: each one's own cost
// and its pairs, a pair within the group counted once.
double Group_Cost(Arrangement& a, const std::vector<size_t>& group) {
    double c = 0.0;
    for (size_t m : group) {
        Check_Label& l = a.labels[m];
        c += Single_Cost(a, l, l.at);
        for (int j : l.neighbours) {
            const size_t n = static_cast<size_t>(j);
            const bool inner = std::find(group.begin(), group.end(), n) != group.end();
            if (inner && n < m) continue;
            c += Pair_Cost(l, l.at, a.labels[n], a.labels[n].at, a.s);
        }
    }
    return c;
}

// Every label again at its cheapest place beside all the others, in
// `order`, until none moves (at most `passes` times).
void Settle(Arrangement& a, const std::vector<int>& order, int passes) {
    for (int pass = 0; pass < passes; ++pass) {
        bool moved = false;
        for (int k : order) {
            Check_Label& l = a.labels[static_cast<size_t>(k)];
            const int at = Best_Place(a, static_cast<size_t>(k));
            moved = moved || at != l.at;
            l.at = at;
        }
        if (!moved) break;
    }
}

// A label that costs something where it stands, moved together with one
// or two others: each of its places where it would cost less were those
// it meets there out of the way, they at their cheapest place beside it
// then; the move that lowers the cost of the group most, if any. One label
// moved at a time cannot leave a place another needs (a number between a
// weld's box and another number). Returns whether a label moved.
bool Move_Together(Arrangement& a, size_t k) {
    Check_Label& l = a.labels[k];
    const int old = l.at;
    const double now = Single_Cost(a, l, old) + Pairs(a, k, old, 1e300);
    if (!(now > 0.0)) return false;
    double gain = 1e-9;
    int best = -1;
    std::vector<size_t> group, best_group;
    std::vector<int> best_at;
    for (size_t i = 0; i < l.places.size(); ++i) {
        const int n = static_cast<int>(i);
        if (n == old) continue;
        const Check_Label::Place& p = l.places[i];
        double rest = p.cost >= 0.0 ? p.cost : p.covered + p.extra;
        if (!(rest < now)) continue;
        group.assign(1, k);
        for (int j : l.neighbours) {
            const double c = Pair_Cost(l, n, a.labels[static_cast<size_t>(j)], a.labels[static_cast<size_t>(j)].at, a.s);
            if (c > 0.0) group.push_back(static_cast<size_t>(j));
        }
        if (group.size() < 2 || group.size() > 3 || !(rest < now)) continue;
        if (!(Single_Cost(a, l, n) + rest - p.covered - p.extra < now)) continue;
        const double before = Group_Cost(a, group);
        std::vector<int> was;
        for (size_t m : group) was.push_back(a.labels[m].at);
        l.at = n;
        for (size_t g = 1; g < group.size(); ++g) a.labels[group[g]].at = Best_Place(a, group[g]);
        const double after = Group_Cost(a, group);
        if (before - after > gain) {
            gain = before - after, best = n, best_group = group, best_at.clear();
            for (size_t m : group) best_at.push_back(a.labels[m].at);
        }
        for (size_t g = 0; g < group.size(); ++g) a.labels[group[g]].at = was[g];
    }
    if (best < 0) return false;
    for (size_t g = 0; g < best_group.size(); ++g) a.labels[best_group[g]].at = best_at[g];
    return true;
}

// The labels each label can meet at any of their places: boxes within the
// gap labels keep, or within kPointApart of a number, or a box and a number
// that could stand nearer each other than the number to its point.
void Find_Neighbours(std::vector<Check_Label>& labels, double s) {
    for (Check_Label& l : labels) {
        l.rx1 = l.ry1 = 1e300, l.rx2 = l.ry2 = -1e300, l.reach = 0.0;
        for (size_t i = 0; i < l.places.size(); ++i) {
            const Box b = Box_At(l, static_cast<int>(i));
            l.rx1 = std::min(l.rx1, b.x1), l.ry1 = std::min(l.ry1, b.y1);
            l.rx2 = std::max(l.rx2, b.x2), l.ry2 = std::max(l.ry2, b.y2);
            if (!l.boxed) l.reach = std::max(l.reach, std::sqrt(l.places[i].own2));
        }
        l.neighbours.clear();
    }
    const double near = std::max(kLabelGap, kPointApart) / s;
    for (size_t a = 0; a < labels.size(); ++a)
        for (size_t b = a + 1; b < labels.size(); ++b) {
            const Check_Label &p = labels[a], &q = labels[b];
            double d = near;
            if (p.boxed != q.boxed) d = std::max(d, p.boxed ? q.reach : p.reach);
            if (p.rx1 - d < q.rx2 && q.rx1 - d < p.rx2 && p.ry1 - d < q.ry2 && q.ry1 - d < p.ry2) {
                labels[a].neighbours.push_back(static_cast<int>(b));
                labels[b].neighbours.push_back(static_cast<int>(a));
            }
        }
}

// Where a point number may stand, in paper cm along its line from its
// point and to its side away from the profile (negative: back beyond the
// point, or towards the profile). First the places by the line (straight
// out, a second number stands on top of the first, where the halves of a
// split weld meet: one number's height and the gap labels keep above it),
// then further around the point, the nearer first.
struct Point_Place {
    double along, side;
};
const std::vector<Point_Place>& Point_Places() {
    static const std::vector<Point_Place> places = [] {
        std::vector<Point_Place> v = {{0.22, 0.2},  {0.22, -0.2}, {0.44, 0.2}, {0.44, -0.2}, {0.0, 0.22},
                                      {0.0, -0.22}, {-0.22, 0.0}, {-0.22, 0.2}, {-0.22, -0.2}, {0.66, 0.2},
                                      {0.66, -0.2}, {-0.44, 0.0}, {0.0, 0.46}, {-0.22, 0.44}};
        std::vector<Point_Place> around;
        for (double a : {0.0, 0.22, -0.22, 0.44, -0.44, 0.66, -0.66})
            for (double d : {0.0, 0.2, -0.2, 0.44, -0.44, 0.66, -0.66})
                if (std::hypot(a, d) > 0.15) around.push_back({a, d});
        std::stable_sort(around.begin(), around.end(), [](const Point_Place& p, const Point_Place& q) {
            return std::hypot(p.along, p.side) < std::hypot(q.along, q.side);
        });
        for (const Point_Place& p : around)
            if (std::none_of(v.begin(), v.end(), [&](const Point_Place& q) {
                    return std::fabs(q.along - p.along) < 1e-9 && std::fabs(q.side - p.side) < 1e-9;
                }))
                v.push_back(p);
        return v;
    }();
    return places;
}

// Whether a label's page box b (as Covered_Cost measures it), with the
// gap labels keep, meets one of the page boxes of `letters`.
bool Meets_Letter(const double b[4], const std::vector<double>& letters) {
    for (size_t i = 0; i + 3 < letters.size(); i += 4)
        if (b[0] < letters[i + 2] + kLabelGap && letters[i] < b[2] + kLabelGap && b[1] < letters[i + 3] + kLabelGap &&
            letters[i + 1] < b[3] + kLabelGap)
            return true;
    return false;
}

}  // namespace

Check_Label Check_Point_Number(double x, double y, double ux, double uy, double nx, double ny, double len,
                               int number, const std::vector<std::pair<double, double>>& ends,
                               const std::vector<double>& letters, double s) {
    Check_Label l;
    l.boxed = false;
    std::to_chars(l.text, l.text + sizeof l.text - 1, number);  // as "%d"
    l.x = x, l.y = y;
    // The half extent of the number's box (see Label_Page_Box): 0.9 text
    // heights a digit.
    l.hw = 0.45 * kPointHeight * static_cast<double>(std::strlen(l.text)) / s, l.hh = 0.5 * kPointHeight / s;
    const double same2 = (kSamePlace / s) * (kSamePlace / s);
    for (const Point_Place& p : Point_Places()) {
        if (p.along > kOwnShare * len) continue;
        const double px = x + (ux * p.along + nx * p.side) / s, py = y + (uy * p.along + ny * p.side) / s;
        const double own2 = (px - x) * (px - x) + (py - y) * (py - y);
        double end2 = own2, extra = 0.0;
        for (const auto& [ex, ey] : ends) {
            const double d2 = (ex - px) * (ex - px) + (ey - py) * (ey - py);
            end2 = std::min(end2, d2);
            if (d2 < own2 && (ex - x) * (ex - x) + (ey - y) * (ey - y) >= same2) extra = kNearOtherEnd;
        }
        double b[4];
        Label_Page_Box(l, px, py, s, b);
        if (Meets_Letter(b, letters)) extra += kClash;
        l.places.push_back({px, py, Covered_Cost(b), extra, own2, end2, -1.0});
    }
    return l;
}

Check_Label Check_Weld_Name(double mx, double my, double ux, double uy, double nx, double ny, double len,
                            const char* text, const std::vector<double>& letters, double s) {
    Check_Label l;
    l.boxed = true;
    std::snprintf(l.text, sizeof l.text, "%s", text);
    l.x = mx, l.y = my;
    const double k = static_cast<double>(std::strlen(text));
    // The box of Oli_Boxed_Text: half height 0.8 H, half width 0.8 H k
    // (0.8 H for one digit), H the text height.
    l.hh = 0.8 * kNumberHeight / s, l.hw = l.hh * (k > 1.0 ? 0.8 * k : k);
    const double along[3] = {0.0, -0.25 * len, 0.25 * len};
    // The box's half extent across the line (paper cm).
    const double first = (std::fabs(nx) * l.hw + std::fabs(ny) * l.hh) * s + kNumberGap;
    for (int side = 1; side >= -1; side -= 2)
        for (double gap : {first, first + 0.22, first + 0.44})
            for (double t : along) {
                const double d = gap / s, px = mx + ux * t + side * nx * d, py = my + uy * t + side * ny * d;
                double b[4];
                Label_Page_Box(l, px, py, s, b);
                const double extra = (side < 0 ? kInward : 0.0) + (Meets_Letter(b, letters) ? kClash : 0.0);
                l.places.push_back({px, py, Covered_Cost(b), extra, 0.0, 0.0, -1.0});
            }
    return l;
}

void Arrange_Check_Labels(std::vector<Check_Label>& labels, const std::vector<int>& order, double s,
                          Check_Label_Inside inside, const void* context) {
    Find_Neighbours(labels, s);
    Arrangement a{labels, s, inside, context, std::vector<char>(labels.size(), 0)};
    for (int k : order) {
        labels[static_cast<size_t>(k)].at = Best_Place(a, static_cast<size_t>(k));
        a.placed[static_cast<size_t>(k)] = 1;
    }
    Settle(a, order, 6);
    for (int round = 0; round < 4; ++round) {
        bool moved = false;
        for (int k : order) moved = Move_Together(a, static_cast<size_t>(k)) || moved;
        if (!moved) break;
        Settle(a, order, 6);
    }
}
