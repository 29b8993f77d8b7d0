// Area of a disc within a rectangle.
#include "endplate/circle_area.h"

#include <algorithm>
#include <cmath>

namespace {

const double PI = 3.141592653589793;
const double TOUCH = 1e-12;  // relative: pieces shorter than this are points

Kreis_Stueck Straight(double y1, double z1, double y2, double z2) { return {y1, z1, y2, z2, 0.0, 0}; }

// The sagitta of a chord of length c: (R² - (c/2)²)^1/2 - R.
double Sagitta(double R, double y1, double z1, double y2, double z2) {
    const double half = 0.5 * std::hypot(y2 - y1, z2 - z1);
    return std::sqrt(std::max(R * R - half * half, 0.0)) - R;
}

Kreis_Stueck Arc(double R, double y1, double z1, double y2, double z2) {
    return {y1, z1, y2, z2, Sagitta(R, y1, z1, y2, z2), 1};
}

// The part [lo, hi] of the chord of the line (coordinate c across it) that
// lies in the disc; false when none of positive length.
bool Chord_Part(double R, double c, double lo, double hi, double* a, double* b) {
    if (std::fabs(c) >= R) return false;
    const double w = std::sqrt(R * R - c * c);
    *a = std::max(lo, -w), *b = std::min(hi, w);
    return *b - *a > TOUCH * R;
}

// The area of the circular segment between the chord of an arc piece and
// its arc (a piece of at most a quarter circle).
double Segment(double R, double s) {
    const double h = std::fabs(s);
    const double w = std::sqrt(std::max((2.0 * R - h) * h, 0.0));
    const double alpha = std::atan2(w, R - h);
    return R * R * alpha - w * (R - h);
}

}  // namespace

int Build_Quadrant_Pieces(double R, double y_lo, double y_hi, double z_lo, double z_hi, Kreis_Stueck* piece) {
    piece->arc = -1;
    y_lo = std::max(y_lo, 0.0), z_lo = std::max(z_lo, 0.0);
    if (!(R > 0.0) || y_hi <= y_lo || z_hi <= z_lo) return 0;
    // The quarter arc runs from (R, 0) at 0 to (0, R) at pi/2; the box
    // keeps the angles whose y and z lie within it. Its sides cut the arc
    // only where they lie within R.
    const double t1 = std::max(y_hi >= R ? 0.0 : std::acos(y_hi / R), z_lo >= R ? PI : std::asin(z_lo / R));
    const double t2 = std::min(y_lo >= R ? 0.0 : std::acos(y_lo / R), z_hi >= R ? PI / 2 : std::asin(z_hi / R));
    if (t2 - t1 <= TOUCH) return 0;
    *piece = Arc(R, R * std::cos(t1), R * std::sin(t1), R * std::cos(t2), R * std::sin(t2));
    return 1;
}

int Join_Arc_Piece(Kreis_Stueck* previous, Kreis_Stueck* list, double R) {
    if (previous->arc == 1 || list[0].arc == 1) return 0;
    if (list[0].arc == -1) return 0;  // nothing to join to
    if (std::hypot(previous->y2 - list[0].y1, previous->z2 - list[0].z1) <= TOUCH * R) return 0;
    int n = 0;
    while (list[n].arc != -1) n++;
    for (int i = n; i >= 0; i--) list[i + 1] = list[i];
    list[0] = Arc(R, previous->y2, previous->z2, list[1].y1, list[1].z1);
    return 1;
}

int Build_Circle_Rectangle_Pieces(double R, double y1, double z1, double y2, double z2, Kreis_Stueck* chain) {
    const double y_min = std::min(y1, y2), y_max = std::max(y1, y2);
    const double z_min = std::min(z1, z2), z_max = std::max(z1, z2);
    if (R <= y_min || R <= z_min || z_max <= -R || y_max <= -R) return -1;
    if (y_min <= -R && y_max >= R && z_min <= -R && z_max >= R) return 0;
    Kreis_Stueck pieces[KREIS_STUECK_MAX];
    int n = 0;
    // The sides of the rectangle within the disc, counter-clockwise.
    double a, b;
    if (Chord_Part(R, z_min, y_min, y_max, &a, &b)) pieces[n++] = Straight(a, z_min, b, z_min);
    if (Chord_Part(R, y_max, z_min, z_max, &a, &b)) pieces[n++] = Straight(y_max, a, y_max, b);
    if (Chord_Part(R, z_max, y_min, y_max, &a, &b)) pieces[n++] = Straight(b, z_max, a, z_max);
    if (Chord_Part(R, y_min, z_min, z_max, &a, &b)) pieces[n++] = Straight(y_min, b, y_min, a);
    // The arcs within the rectangle, quadrant by quadrant: the box mirrored
    // into the first quadrant and the arc mirrored back (reversed, as a
    // mirror turns its sense).
    for (int q = 0; q < 4; q++) {
        const double sy = (q == 1 || q == 2) ? -1.0 : 1.0, sz = q >= 2 ? -1.0 : 1.0;
        const double lo_y = sy > 0 ? y_min : -y_max, hi_y = sy > 0 ? y_max : -y_min;
        const double lo_z = sz > 0 ? z_min : -z_max, hi_z = sz > 0 ? z_max : -z_min;
        Kreis_Stueck p;
        if (!Build_Quadrant_Pieces(R, lo_y, hi_y, lo_z, hi_z, &p)) continue;
        if (sy * sz > 0)
            pieces[n++] = Arc(R, sy * p.y1, sz * p.z1, sy * p.y2, sz * p.z2);
        else
            pieces[n++] = Arc(R, sy * p.y2, sz * p.z2, sy * p.y1, sz * p.z1);
    }
    if (n == 0) return -1;  // the rectangle meets the square, not the disc
    // Counter-clockwise order about a point inside the convex region: the
    // mean of the pieces' ends.
    double cy = 0, cz = 0;
    for (int i = 0; i < n; i++) cy += pieces[i].y1 + pieces[i].y2, cz += pieces[i].z1 + pieces[i].z2;
    cy /= 2 * n, cz /= 2 * n;
    auto angle = [&](const Kreis_Stueck& p) {
        return std::atan2(0.5 * (p.z1 + p.z2) - cz, 0.5 * (p.y1 + p.y2) - cy);
    };
    std::sort(pieces, pieces + n, [&](const Kreis_Stueck& l, const Kreis_Stueck& r) { return angle(l) < angle(r); });
    for (int i = 0; i < n; i++) chain[i] = pieces[i];
    chain[n].arc = -1;
    // Two straight pieces that do not meet are joined by the arc between them.
    for (int i = 0; i + 1 < n && n + 1 < KREIS_STUECK_MAX; i++)
        if (Join_Arc_Piece(&chain[i], &chain[i + 1], R)) n++, i++;
    if (n + 1 < KREIS_STUECK_MAX && n > 1) {
        Kreis_Stueck last = chain[n - 1];
        chain[n].arc = -1;
        if (Join_Arc_Piece(&last, &chain[0], R)) n++;
    }
    return n;
}

double Calc_Circle_In_Rectangle_Area(double R, double y1, double z1, double y2, double z2, int* status) {
    if (status) *status = -1;
    if (!(R > 0.0) || !std::isfinite(R) || !std::isfinite(y1) || !std::isfinite(z1) || !std::isfinite(y2) ||
        !std::isfinite(z2))
        return 0.0;
    Kreis_Stueck chain[KREIS_STUECK_MAX];
    const int n = Build_Circle_Rectangle_Pieces(R, y1, z1, y2, z2, chain);
    if (n < 0) return 0.0;
    if (n == 0) {
        if (status) *status = 1;
        return PI * R * R;
    }
    double area = 0.0;
    for (int i = 0; i < n; i++) {
        const Kreis_Stueck& p = chain[i];
        area += 0.5 * (p.y1 * p.z2 - p.y2 * p.z1);
        if (p.arc == 1 && p.s != 0.0) area += p.s < 0.0 ? Segment(R, p.s) : -Segment(R, p.s);
    }
    if (status) *status = area > 0.0 ? 0 : -1;
    return area > 0.0 ? area : 0.0;
}
