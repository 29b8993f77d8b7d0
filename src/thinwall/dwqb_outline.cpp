// dwqb_outline: points and pieces of outline segments.
#include "thinwall/dwqb_outline.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <initializer_list>

#include "base/invariant.h"
#include "section/nonlinear_solver.h"
#include "thinwall/dwqb_integrals.h"
#include "thinwall/dwqb_internal.h"
#include "thinwall/dwqb_invariants.h"
#include "thinwall/engine_faults.h"

bool DWQB_Segment_Active(const DWQB_Outline_Segment* segment) {
    return segment && (segment->flags & DWQB_SEG_PRESENT) && !(segment->flags & DWQB_SEG_EMPTY);
}

static double Along(double a, double b, double xi) { return ((b - a) * xi + (b + a)) / 2; }

void Calc_DWQB_Segment_Point(double xi, const DWQB_Outline_Segment* g, double* y, double* z) {
    double py = 0, pz = 0;
    if (!g) {
    } else if (!(g->flags & DWQB_SEG_CURVED)) {
        py = Along(g->y1, g->y2, xi);
        pz = Along(g->z1, g->z2, xi);
    } else if (g->owner) {
        Segment_Point(Along(g->s1, g->s2, xi), Along(g->u1, g->u2, xi), &g->owner->geo, &py, &pz);
    } else {
        DWQB_Segment_Geometrie arc;
        Set_Segment_Geometry(g->y1, g->z1, g->y2, g->z2, g->f, 0, 0, 0.001, &arc);
        Segment_Point(xi, 0, &arc, &py, &pz);
    }
    if (y) *y = py;
    if (z) *z = pz;
}

int Walk_DWQB_Segment_Pieces(const DWQB_Outline_Segment* g, int n, DWQB_Chord_Callback callback, void* user) {
    if (n < 1) n = 1;
    // An arc of its own (a fillet, a rounded toe) is laid out once for all
    // its pieces, not again for each point.
    const bool own_arc = (g->flags & DWQB_SEG_CURVED) && !g->owner;
    DWQB_Segment_Geometrie arc;
    if (own_arc) Set_Segment_Geometry(g->y1, g->z1, g->y2, g->z2, g->f, 0, 0, 0.001, &arc);
    auto point = [&](double xi, double* y, double* z) {
        if (own_arc) Segment_Point(xi, 0, &arc, y, z);
        else Calc_DWQB_Segment_Point(xi, g, y, z);
    };
    double y0, z0;
    point(-1, &y0, &z0);
    const bool owned = g->owner != nullptr;
    double p0 = owned ? g->s1 : -1;
    int result = 0;
    for (int k = 1; k <= n; k++) {
        const double xi = -1 + 2.0 * k / n;
        double y, z;
        point(xi, &y, &z);
        const double p = owned ? Along(g->s1, g->s2, xi) : xi;
        result = callback(y0, z0, y, z, p0, p, user);
        if (!result) return 0;
        y0 = y;
        z0 = z;
        p0 = p;
    }
    return result;
}

int Walk_DWQB_Segment(const DWQB_Outline_Segment* segment, int n, DWQB_Chord_Callback callback, void* user) {
    if (!segment || !callback) return 0;
    return Walk_DWQB_Segment_Pieces(segment, n, callback, user);
}

double Calc_DWQB_Segment_Length(const DWQB_Outline_Segment* g) {
    if (!g) return 0;
    if (!(g->flags & DWQB_SEG_CURVED)) return std::hypot(g->y2 - g->y1, g->z2 - g->z1);
    double length = 0;
    Walk_DWQB_Segment_Pieces(g, 2 * std::max(1, static_cast<int>(g->n_sub)), Add_DWQB_Chord_Length, &length);
    return length;
}

// ---- face intersections ------------------------------------------------------

// The two faces of the running solve: one solve at a time.
static DWQB_Segment_Geometrie face_geo[2];
static double face_u[2];
static double face_tolerance2;
// The point at which the residual stopped the solver: the solver itself
// keeps its last accepted iterate, not the trial point that met the
// tolerance.
static double face_hit[2];

void Set_DWQB_Outline_Faces(const DWQB_Segment_Geometrie* g1, double u1, const DWQB_Segment_Geometrie* g2, double u2,
                            double tolerance2) {
    face_geo[0] = *g1;
    face_geo[1] = *g2;
    face_u[0] = u1;
    face_u[1] = u2;
    face_tolerance2 = tolerance2;
}

void Outline_Intersection_Residual(int*, double* x, double* fvec, double* fjac, int* ldfjac, int* iflag) {
    if (*iflag == 1) {
        double y1, z1, y2, z2;
        Segment_Point(x[0], face_u[0], &face_geo[0], &y1, &z1);
        Segment_Point(x[1], face_u[1], &face_geo[1], &y2, &z2);
        fvec[0] = y1 - y2;
        fvec[1] = z1 - z2;
        if (fvec[0] * fvec[0] + fvec[1] * fvec[1] <= face_tolerance2) {
            *iflag = -1;
            face_hit[0] = x[0];
            face_hit[1] = x[1];
        }
    } else if (*iflag == 2) {
        const int ld = *ldfjac;
        double dy, dz;
        Segment_Tangent(x[0], face_u[0], &face_geo[0], &dy, &dz);
        fjac[0] = dy;
        fjac[1] = dz;
        Segment_Tangent(x[1], face_u[1], &face_geo[1], &dy, &dz);
        fjac[ld] = -dy;
        fjac[ld + 1] = -dz;
    }
}

int Solve_DWQB_Outline_Faces(double* s1, double* s2, double tolerance2) {
    int n = 2, ld = 2, maxfev = 50, info = 0, lwa = 15, iter = 0;
    double x[2] = {*s1, *s2}, f[2], fjac[4], wa[15];
    double tol = 0.001 * std::sqrt(tolerance2);
    if (tol <= 0) tol = 1e-8;
    face_tolerance2 = tolerance2;
    nlsolve::hybrj1(Outline_Intersection_Residual, &n, x, f, fjac, &ld, &tol, &maxfev, &info, wa, &lwa, &iter);
    if (info != 1 && info != -1) return 0;
    if (info == -1) x[0] = face_hit[0], x[1] = face_hit[1];
    if (!std::isfinite(x[0]) || !std::isfinite(x[1])) return 0;
    *s1 = x[0];
    *s2 = x[1];
    return 1;
}

int _Calc_Line_Node_Rot_Outline(const DWQB_Knoten* node, const DWQB_Linie* line, double* s, double angle, double u) {
    DWQB_Segment_Geometrie ray;
    const double len = line->geo.length > 0 ? line->geo.length : 1;
    Set_Segment_Geometry(node->y, node->z, node->y - len * std::sin(angle), node->z + len * std::cos(angle), 0, 0, 0,
                         0.001, &ray);
    Set_DWQB_Outline_Faces(&ray, 0, &line->geo, u, 1e-10);
    int n = 2, ld = 2, maxfev = 50, info = 0, lwa = 15, iter = 0;
    double x[2] = {0, *s}, f[2], fjac[4], wa[15], tol = 1e-8;
    nlsolve::hybrj1(Outline_Intersection_Residual, &n, x, f, fjac, &ld, &tol, &maxfev, &info, wa, &lwa, &iter);
    if (info == -1) x[0] = face_hit[0], x[1] = face_hit[1];
    if ((info != 1 && info != -1) || !std::isfinite(x[1])) {
        Record_Engine_Fault(ENGINE_FAULT_NO_INTERSECTION, "_Calc_Line_Node_Rot_Outline: Schnittpunkt nicht gefunden: Knoten %d, Rot = %.3f, Linie %d\n",
                    node->number, angle, line->number);
        return 0;
    }
    *s = x[1];
    return 1;
}

// ---- outlines at a node --------------------------------------------------------

int DWQB_Outline_Warnung;

static const DWQB_Outline_Segment kEmptySegment = {DWQB_SEG_EMPTY, 0, 0, 0, 0, 0, 0, -1, 1, -1, -1, nullptr};

// One side of a joint: the line, the end at the node and its face.
struct Joint_Side {
    DWQB_Linie* line;
    double s, u;                 // face end at the node
    DWQB_Outline_Segment* strip;
    DWQB_Outline_Segment* cap;
    bool first;                  // line 1 of the joint (walks towards the node)
};

static double Fillet_Radius(const DWQB_Linie* l, double s, double u) {
    // end values: rotations a, b; radii a-left, a-right, b-left, b-right
    if (s < 0) return u > 0 ? l->end_values[2] : l->end_values[3];
    return u > 0 ? l->end_values[4] : l->end_values[5];
}

static void Face_Point(const Joint_Side& j, double s, double* y, double* z) { Segment_Point(s, j.u, &j.line->geo, y, z); }

// Writes the strip (from the tangent point to the corner for line 1, the
// reverse for line 2) and the cap (corner to node centre for line 1, the
// reverse for line 2). A strip without fillet stays present but inactive,
// degenerate at the corner, so that the middle run can start from it.
static void Write_Side(const Joint_Side& j, const DWQB_Knoten*, double s_corner, double yc, double zc,
                       const DWQB_Outline_Segment* fillet) {
    DWQB_Outline_Segment strip = kEmptySegment;
    strip.flags = DWQB_SEG_EMPTY | DWQB_SEG_PRESENT;
    strip.y1 = strip.y2 = yc;
    strip.z1 = strip.z2 = zc;
    strip.s1 = strip.s2 = s_corner;
    strip.u1 = strip.u2 = j.u;
    if (fillet) strip = *fillet;
    DWQB_Outline_Segment cap = kEmptySegment;
    cap.flags = DWQB_SEG_PRESENT;
    double ny, nz;
    Segment_Point(j.s, 0, &j.line->geo, &ny, &nz);
    if (j.first) {
        cap.y1 = yc, cap.z1 = zc, cap.s1 = s_corner, cap.u1 = j.u;
        cap.y2 = ny, cap.z2 = nz, cap.s2 = j.s, cap.u2 = 0;
    } else {
        cap.y1 = ny, cap.z1 = nz, cap.s1 = j.s, cap.u1 = 0;
        cap.y2 = yc, cap.z2 = zc, cap.s2 = s_corner, cap.u2 = j.u;
        if (fillet) {
            std::swap(strip.y1, strip.y2);
            std::swap(strip.z1, strip.z2);
            std::swap(strip.s1, strip.s2);
            std::swap(strip.u1, strip.u2);
            strip.f = -strip.f;
        }
    }
    *j.strip = strip;
    *j.cap = cap;
}

// The fillet from tangent point a to tangent point b about the centre c:
// a curved segment bulging away from the centre, owned by no line, carrying
// the line's s and u at both ends.
static DWQB_Outline_Segment Fillet_Arc(double ay, double az, double by, double bz, double cy, double cz, double r,
                                       double s_a, double u_a, const DWQB_Linie* line) {
    const double c = std::hypot(by - ay, bz - az);
    const double root = r * r - c * c / 4;
    double f = root > 0 ? r - std::sqrt(root) : r;
    const double my = (ay + by) / 2 - cy, mz = (az + bz) / 2 - cz;
    if (c > 0 && (-(bz - az) * my + (by - ay) * mz) < 0) f = -f;
    DWQB_Outline_Segment arc = kEmptySegment;
    arc.flags = DWQB_SEG_PRESENT | DWQB_SEG_CURVED;
    arc.y1 = ay, arc.z1 = az, arc.y2 = by, arc.z2 = bz, arc.f = f;
    arc.s1 = s_a, arc.u1 = u_a;
    Segment_Local_Coordinates(by, bz, &line->geo, &arc.s2, &arc.u2);
    if (std::fabs(f) <= 0.001 * c) {
        arc.flags &= ~DWQB_SEG_CURVED;
        arc.n_sub = 0;
    } else {
        DWQB_Segment_Geometrie ag;
        Set_Segment_Geometry(ay, az, by, bz, f, 0, 0, 0.001, &ag);
        arc.n_sub = std::max(20, 2 * static_cast<int>(std::lround(std::fabs(ag.phi) / 2 / std::sqrt(0.006))));
    }
    return arc;
}

// Free end: square cut, or cut along the end's rotation; a fillet radius of
// the face at this end rounds the corner between the face and the cap.
static void Free_End(const Joint_Side& j, const DWQB_Knoten* node) {
    double s = j.s;
    const double rot = j.s < 0 ? j.line->end_values[0] : j.line->end_values[1];
    if (std::fabs(rot) >= 1e-6) {
        const double phi_end = j.s < 0 ? -j.line->geo.phi : j.line->geo.phi;
        double trial = s;
        if (_Calc_Line_Node_Rot_Outline(node, j.line, &trial, j.line->geo.angle + rot + phi_end, j.u)) s = trial;
        else {
            Record_Engine_Fault(ENGINE_FAULT_NO_INTERSECTION, "_Line_Node_Outline: Schnittpunkt nicht gefunden: Linie %d\n", j.line->number);
            DWQB_Outline_Warnung++;
        }
    }
    double y, z;
    Face_Point(j, s, &y, &z);
    const double r = Fillet_Radius(j.line, j.s, j.u);
    double ny, nz;
    Segment_Point(j.s, 0, &j.line->geo, &ny, &nz);
    // A toe radius may pass the centre line of the end (a toe of 6 on a
    // 10 mm leg): the arc then ends on the far half of the end edge, and the
    // cap check below moves the shared cap point there. Only a radius as
    // large as the whole end cannot be rounded.
    if (r > 1e-6 && 2 * std::hypot(ny - y, nz - z) > r) {
        DWQB_Segment_Geometrie cap, face = j.line->geo, moved_cap;
        Set_Segment_Geometry(y, z, ny, nz, 0, 0, 0, 0.001, &cap);
        face.r -= j.u * r;   // towards the centre line
        // The cap moves towards the plate's inside, the side of its middle.
        double iy, iz;
        Segment_Point(0, 0, &j.line->geo, &iy, &iz);
        const double side = (-(nz - z) * (iy - y) + (ny - y) * (iz - z)) > 0 ? 1 : -1;
        moved_cap = cap;
        moved_cap.r += side * r;
        double x1 = s, x2 = -1;
        Set_DWQB_Outline_Faces(&face, j.u, &moved_cap, 0, 1e-10);
        if (Solve_DWQB_Outline_Faces(&x1, &x2, 1e-10)) {
            double ay, az, by, bz, cy, cz;
            Face_Point(j, x1, &ay, &az);
            Segment_Point(x2, 0, &cap, &by, &bz);
            Segment_Point(x1, j.u, &face, &cy, &cz);
            const DWQB_Outline_Segment arc = Fillet_Arc(ay, az, by, bz, cy, cz, r, x1, j.u, j.line);
            Write_Side(j, node, arc.s2, by, bz, &arc);
            return;
        }
        if (j.first)
            Record_Engine_Fault(ENGINE_FAULT_NO_INTERSECTION, "_Line_Outline (Ausrundung): Schnittpunkt nicht gefunden: Linie %d, Knoten %d\n", j.line->number,
                        node->number);
        else
            Record_Engine_Fault(ENGINE_FAULT_NO_INTERSECTION, "_Line_Outline (Ausrundung): Schnittpunkt nicht gefunden: Knoten %d, Linie %d\n", node->number,
                        j.line->number);
        DWQB_Outline_Warnung++;
    }
    Write_Side(j, node, s, y, z, nullptr);
}

static bool Joinable(const DWQB_Linie* l) { return l && l->kind != DWQB_LINE_NO_NORMAL; }

// The fillet of the two lines' corner; both sides of one corner describe
// one fillet: a caller that gives two radii has put one of them on the
// wrong face, and the mean is taken.
static double Corner_Radius(const Joint_Side& j1, const Joint_Side& j2) {
    double r1 = Fillet_Radius(j1.line, j1.s, j1.u), r2 = Fillet_Radius(j2.line, j2.s, j2.u);
    if (std::fabs(r1 - r2) > 1e-6) {
        Record_Engine_Fault(ENGINE_FAULT_RADII, "_Line_Outline(%d->%d): rad_l = %.3f != rad_r = %.3f\n",
                            j1.line->number, j2.line->number, r1, r2);
        DWQB_Outline_Warnung++;
        r1 = (r1 + r2) / 2;
    }
    return r1;
}

// The corner of faces that meet at x1, x2 rounded with the radius r; false
// when the rounded faces do not meet (nothing written).
static bool Write_Fillet_Corner(const Joint_Side& j1, const Joint_Side& j2, DWQB_Knoten* node, double x1, double x2,
                                double r) {
    // Faces that meet short of the node close a sector of less than 180
    // degrees: the fillet fills it, its centre lies in the sector. Faces
    // that meet beyond the node round an outer corner: the centre lies in
    // the plates and the arc cuts the corner off.
    const bool outer = (x1 - j1.s) * j1.s > 0;
    const double into_sector = outer ? -r : r;
    DWQB_Segment_Geometrie g1 = j1.line->geo, g2 = j2.line->geo;
    g1.r += j1.u * into_sector;
    g2.r += j2.u * into_sector;
    double f1 = x1, f2 = x2;
    Set_DWQB_Outline_Faces(&g1, j1.u, &g2, j2.u, 1e-10);
    if (!Solve_DWQB_Outline_Faces(&f1, &f2, 1e-10)) return false;
    double ay, az, by, bz, cy, cz;
    Face_Point(j1, f1, &ay, &az);
    Face_Point(j2, f2, &by, &bz);
    Segment_Point(f1, j1.u, &g1, &cy, &cz);
    const double my = (ay + by) / 2 - cy, mz = (az + bz) / 2 - cz, md = std::hypot(my, mz);
    if (outer && md > 0) {
        // The arc is shared at its middle, on the bisector as the sharp
        // corner was: each plate keeps its half, and the caps of both meet
        // there, however far the tangent points lie from the node.
        const double ky = cy + r * my / md, kz = cz + r * mz / md;
        double s2, u2;
        Segment_Local_Coordinates(ky, kz, &j2.line->geo, &s2, &u2);
        const DWQB_Outline_Segment half1 = Fillet_Arc(ay, az, ky, kz, cy, cz, r, f1, j1.u, j1.line);
        const DWQB_Outline_Segment half2 = Fillet_Arc(by, bz, ky, kz, cy, cz, r, f2, j2.u, j2.line);
        Write_Side(j1, node, half1.s2, ky, kz, &half1);
        Write_Side(j2, node, s2, ky, kz, &half2);
        return true;
    }
    const DWQB_Outline_Segment arc = Fillet_Arc(ay, az, by, bz, cy, cz, r, f1, j1.u, j1.line);
    // The whole fillet belongs to line 1; both caps meet at the tangent
    // point on line 2.
    Write_Side(j1, node, arc.s2, by, bz, &arc);
    Write_Side(j2, node, f2, by, bz, nullptr);
    return true;
}

// The corner of faces that meet at x1, x2: rounded where the lines give a
// fillet, sharp otherwise.
static void Write_Face_Corner(const Joint_Side& j1, const Joint_Side& j2, DWQB_Knoten* node, double x1, double x2) {
    const double r = Corner_Radius(j1, j2);
    if (r > 1e-6) {
        if (Write_Fillet_Corner(j1, j2, node, x1, x2, r)) return;
        Record_Engine_Fault(ENGINE_FAULT_NO_INTERSECTION,
                            "_Line_Outline (Ausrundung): Schnittpunkt nicht gefunden: Knoten %d, Linien %d und %d\n",
                            node->number, j1.line->number, j2.line->number);
        DWQB_Outline_Warnung++;
    }
    double yc, zc;
    Face_Point(j1, x1, &yc, &zc);
    Write_Side(j1, node, x1, yc, zc, nullptr);
    Write_Side(j2, node, x2, yc, zc, nullptr);
}

// Parallel faces or no intersection: both cut along the bisector of the
// tangents (ty, tz of each line), or left as free ends where there is none.
static void Write_Bisector_Corner(const Joint_Side& j1, const Joint_Side& j2, DWQB_Knoten* node, double sy,
                                  double sz) {
    if (std::fabs(sy) + std::fabs(sz) > 1e-6) {
        const double a = std::atan2(sz, sy);
        double c1 = j1.s, c2 = j2.s;
        if (!_Calc_Line_Node_Rot_Outline(node, j1.line, &c1, a, j1.u)) c1 = j1.s, DWQB_Outline_Warnung++;
        if (!_Calc_Line_Node_Rot_Outline(node, j2.line, &c2, a, j2.u)) c2 = j2.s, DWQB_Outline_Warnung++;
        double y, z;
        Face_Point(j1, c1, &y, &z);
        Write_Side(j1, node, c1, y, z, nullptr);
        Face_Point(j2, c2, &y, &z);
        Write_Side(j2, node, c2, y, z, nullptr);
        return;
    }
    Free_End(j1, node);
    Free_End(j2, node);
}

void _Line_Node_Outline(DWQB_Knoten* node, DWQB_Linie* line1, int code1, DWQB_Outline_Segment* strip1,
                        DWQB_Outline_Segment* cap1, DWQB_Linie* line2, int code2, DWQB_Outline_Segment* cap2,
                        DWQB_Outline_Segment* strip2) {
    if (!node) return;
    Joint_Side j1{line1, code1 == 5 ? 1.0 : -1.0, code1 == 5 ? -1.0 : 1.0, strip1, cap1, true};
    Joint_Side j2{line2, code2 == 5 ? -1.0 : 1.0, code2 == 5 ? -1.0 : 1.0, cap2 ? strip2 : nullptr, cap2, false};
    const bool both = Joinable(line1) && Joinable(line2) && line1 != line2;
    if (!both) {
        if (line1 && strip1 && cap1) Free_End(j1, node);
        if (line2 && strip2 && cap2) Free_End(j2, node);
        return;
    }
    double t1y, t1z, t2y, t2z;
    Segment_Tangent(j1.s, j1.u, &line1->geo, &t1y, &t1z);
    Segment_Tangent(j2.s, j2.u, &line2->geo, &t2y, &t2z);
    const double l1 = line1->geo.length > 0 ? line1->geo.length : 1, l2 = line2->geo.length > 0 ? line2->geo.length : 1;
    // Line 1 towards the node, line 2 away from it.
    t1y /= l1, t1z /= l1, t2y /= l2, t2z /= l2;
    if (j1.s < 0) t1y = -t1y, t1z = -t1z;
    if (j2.s > 0) t2y = -t2y, t2z = -t2z;
    double x1 = j1.s, x2 = j2.s;
    if (std::fabs(t1y * t2z - t1z * t2y) > 0.01) {
        Set_DWQB_Outline_Faces(&line1->geo, j1.u, &line2->geo, j2.u, 1e-10);
        if (Solve_DWQB_Outline_Faces(&x1, &x2, 1e-10)) {
            Write_Face_Corner(j1, j2, node, x1, x2);
            return;
        }
        Record_Engine_Fault(ENGINE_FAULT_NO_INTERSECTION,
                            "_Line_Outline: Schnittpunkt nicht gefunden: Knoten %d, Linien %d und %d\n", node->number,
                            line1->number, line2->number);
        DWQB_Outline_Warnung++;
    }
    Write_Bisector_Corner(j1, j2, node, t1y + t2y, t1z + t2z);
}

// Neighbour of line at node in the given sense, passing over lines of kind 1;
// null at a free end.
static DWQB_Linie* Neighbour(DWQB_Linie* line, const DWQB_Knoten* node, bool after) {
    if (line->kind == DWQB_LINE_NO_NORMAL) return nullptr;
    DWQB_Linie* cur = line;
    for (int guard = 0; guard < 1000; guard++) {
        DWQB_Linie* next;
        if (cur->a == node) next = cur->wing[after ? DWQB_WING_AFTER_A : DWQB_WING_BEFORE_A];
        else if (cur->b == node) next = cur->wing[after ? DWQB_WING_AFTER_B : DWQB_WING_BEFORE_B];
        else return nullptr;
        if (!next || next == line) return nullptr;
        if (next->kind != DWQB_LINE_NO_NORMAL) return next;
        cur = next;
    }
    return nullptr;
}

// Joins line (as line 1 or line 2) with its neighbour at node.
static void Join(DWQB_Linie* line, DWQB_Knoten* node, bool line_is_first) {
    DWQB_Linie* other = Neighbour(line, node, line_is_first);
    const int own_code = line_is_first ? (line->b == node ? 5 : 10) : (line->a == node ? 5 : 10);
    int other_code = 0;
    if (other) {
        if (line_is_first) other_code = other->a == node ? 5 : other->b == node ? 10 : 0;
        else other_code = other->b == node ? 5 : other->a == node ? 10 : 0;
        if (!other_code) {
            Record_Engine_Fault(ENGINE_FAULT_OUTLINE_WALK, "Fehler in _Set_Line_Outlines: line %d\n", line->number);
            DWQB_Outline_Warnung++;
            return;
        }
    }
    auto strip_cap = [](DWQB_Linie* l, int code, bool first, DWQB_Outline_Segment** strip, DWQB_Outline_Segment** cap) {
        if (first) {
            *strip = &l->outline[code == 5 ? 3 : 8];
            *cap = &l->outline[code == 5 ? 4 : 9];
        } else {
            *strip = &l->outline[code == 5 ? 1 : 6];
            *cap = &l->outline[code == 5 ? 0 : 5];
        }
    };
    DWQB_Outline_Segment *s1 = nullptr, *c1 = nullptr, *s2 = nullptr, *c2 = nullptr;
    if (line_is_first) {
        strip_cap(line, own_code, true, &s1, &c1);
        if (other) strip_cap(other, other_code, false, &s2, &c2);
        _Line_Node_Outline(node, line, own_code, s1, c1, other, other_code, c2, s2);
    } else {
        strip_cap(line, own_code, false, &s2, &c2);
        if (other) strip_cap(other, other_code, true, &s1, &c1);
        _Line_Node_Outline(node, other, other_code, s1, c1, line, own_code, c2, s2);
    }
}

static bool Present(const DWQB_Outline_Segment& g) { return (g.flags & DWQB_SEG_PRESENT) != 0; }

static void Middle_Run(DWQB_Linie* line, int from, int mid, int to, int c1, int c2) {
    DWQB_Outline_Segment* o = line->outline;
    if (!Present(o[c1]) || !Present(o[from]) || !Present(o[to]) || !Present(o[c2])) {
        Record_Engine_Fault(ENGINE_FAULT_OUTLINE_WALK, "Fehler in _Set_Line_Outlines: line %d\n", line->number);
        DWQB_Outline_Warnung++;
        return;
    }
    DWQB_Outline_Segment g = kEmptySegment;
    g.flags = DWQB_SEG_PRESENT;
    g.y1 = o[from].y2, g.z1 = o[from].z2, g.s1 = o[from].s2, g.u1 = o[from].u2;
    g.y2 = o[to].y1, g.z2 = o[to].z1, g.s2 = o[to].s1, g.u2 = o[to].u1;
    if (line->geo.n_chords > 0) {
        g.flags |= DWQB_SEG_CURVED;
        g.n_sub = line->geo.n_chords;
        g.owner = line;
    }
    o[mid] = g;
}

static void Check_Caps(DWQB_Linie* line, int first_cap, int second_cap, const DWQB_Knoten* far) {
    DWQB_Outline_Segment& c1 = line->outline[first_cap];
    DWQB_Outline_Segment& c2 = line->outline[second_cap];
    if (!Present(c1) || !Present(c2) || !far) return;
    const double py = c1.y2, pz = c1.z2;
    double ey = py - far->y, ez = pz - far->z;
    const double d = std::hypot(ey, ez);
    if (d > 0) ey /= d, ez /= d;
    else ey = 1, ez = 0;
    double ny = py, nz = pz;
    if ((pz - c1.z1) * ey - (py - c1.y1) * ez < -1e-7) ny = c1.y1, nz = c1.z1;
    else if (ey * (c2.z2 - pz) - ez * (c2.y2 - py) < -1e-7) ny = c2.y2, nz = c2.z2;
    c1.y2 = c2.y1 = ny;
    c1.z2 = c2.z1 = nz;
}

void _Set_Line_Outlines(void) {
    DWQB_Outline_Warnung = 0;
    for (DWQB_Linie* l = dwqb_model.first_line; l; l = l->next)
        for (DWQB_Outline_Segment& g : l->outline) g = kEmptySegment;
    for (DWQB_Linie* l = dwqb_model.first_line; l; l = l->next) {
        if (!l->a || !l->b) continue;
        DWQB_Outline_Segment* o = l->outline;
        if (!Present(o[0])) Join(l, l->a, false);
        if (!Present(o[4])) Join(l, l->b, true);
        Middle_Run(l, 1, 2, 3, 0, 4);
        if (!Present(o[5])) Join(l, l->b, false);
        if (!Present(o[9])) Join(l, l->a, true);
        Middle_Run(l, 6, 7, 8, 5, 9);
        for (int k = 1; k < 10; k++) o[k].flags |= static_cast<uint32_t>(k);
        if (l->a->use_count > 1) o[0].flags |= DWQB_SEG_CAP, o[9].flags |= DWQB_SEG_CAP;
        if (l->b->use_count > 1) o[4].flags |= DWQB_SEG_CAP, o[5].flags |= DWQB_SEG_CAP;
        Check_Caps(l, 4, 5, l->a);
        Check_Caps(l, 9, 0, l->b);
    }
}

// ---- lookup, plate points, line coordinates -----------------------------------

static int cached_number;
static DWQB_Linie* cached_line;

void Forget_DWQB_Line_Cache(void) {
    cached_number = 0;
    cached_line = nullptr;
}

DWQB_Linie* Find_DWQB_Line(int number) {
    if (cached_line && cached_number == number) return cached_line;
    for (DWQB_Linie* l = dwqb_model.first_line; l; l = l->next) {
        if (l->number != number) continue;
        cached_number = number;
        cached_line = l;
        return l;
    }
    return nullptr;
}

DWQB_Outline_Segment* Find_DWQB_Line_Segments(int number) {
    DWQB_Linie* l = Find_DWQB_Line(number);
    return l ? l->outline : nullptr;
}

int Calc_DWQB_Line_Centre_Point(const DWQB_Linie* line, double s, double* y, double* z) {
    double py = 0, pz = 0;
    if (line) Segment_Point(s, 0, &line->geo, &py, &pz);
    if (y) *y = py;
    if (z) *z = pz;
    return line != nullptr;
}

void Calc_DWQB_Line_Coordinates(const DWQB_Linie* line, double y, double z, double* s, double* u) {
    double ps = 0, pu = 0;
    if (line) Segment_Local_Coordinates(y, z, &line->geo, &ps, &pu);
    if (s) *s = ps;
    if (u) *u = pu;
}

void Calc_DWQB_Line_Plate_Point(const DWQB_Linie* line, double s, double u, double* y, double* z) {
    double py = 0, pz = 0;
    if (line) {
        const DWQB_Outline_Segment* o = line->outline;
        const bool side_a = u <= 0;
        const int seg[3] = {side_a ? 1 : 8, side_a ? 2 : 7, side_a ? 3 : 6};
        // Outline stretch of the side in the line's s, from start to end.
        const double lo = side_a ? o[1].s1 : o[8].s2, hi = side_a ? o[3].s2 : o[6].s1;
        const double s_star = ((hi - lo) * s + (hi + lo)) / 2;
        const DWQB_Outline_Segment* g = &o[seg[2]];
        for (int k = 0; k < 2; k++) {
            const DWQB_Outline_Segment& c = o[seg[k]];
            if (!DWQB_Segment_Active(&c)) continue;
            if ((side_a ? c.s2 : c.s1) >= s_star) {
                g = &c;
                break;
            }
        }
        const double a = std::min(g->s1, g->s2), b = std::max(g->s1, g->s2);
        const double sc = std::clamp(s_star, a, b);
        const double xi = g->s2 != g->s1 ? (2 * sc - (g->s1 + g->s2)) / (g->s2 - g->s1) : 0;
        double oy, oz, cy, cz;
        Calc_DWQB_Segment_Point(xi, g, &oy, &oz);
        const double c_start = side_a ? o[0].s1 : o[9].s2, c_end = side_a ? o[4].s2 : o[5].s1;
        Segment_Point(((c_end + c_start) + (c_end - c_start) * s) / 2, 0, &line->geo, &cy, &cz);
        const double k = std::fabs(u);
        py = cy + k * (oy - cy);
        pz = cz + k * (oz - cz);
    }
    if (y) *y = py;
    if (z) *z = pz;
}

// ---- outline walk up to a cut ---------------------------------------------------

struct Cut_Walk {
    const DWQB_Linie* line;
    double s_cut;
    DWQB_Cut_Callback callback;
    void* context;
    bool outside;          // the outline left the region at the cut
    double cy, cz;         // centre-line point at the cut
};

static int Cut_Piece(double y1, double z1, double y2, double z2, double s1, double s2, void* context) {
    auto* w = static_cast<Cut_Walk*>(context);
    const bool in1 = s1 <= w->s_cut, in2 = s2 <= w->s_cut;
    if (!in1 && !in2) return 1;
    double ya = y1, za = z1, yb = y2, zb = z2, sa = s1, sb = s2;
    if (in1 != in2) {
        const double f = (w->s_cut - s1) / (s2 - s1);
        const double yc = y1 + f * (y2 - y1), zc = z1 + f * (z2 - z1);
        if (in1) yb = yc, zb = zc, sb = w->s_cut;
        else ya = yc, za = zc, sa = w->s_cut;
    }
    if (!in1 && w->outside) {
        if (!w->callback(w->cy, w->cz, ya, za, w->s_cut, sa, w->context)) return 0;
        w->outside = false;
    }
    if (!w->callback(ya, za, yb, zb, sa, sb, w->context)) return 0;
    if (!in2) {
        if (!w->callback(yb, zb, w->cy, w->cz, sb, w->s_cut, w->context)) return 0;
        w->outside = true;
    }
    return 1;
}

int Walk_DWQB_Line_Outline_Cut(const DWQB_Linie* line, double s_cut, DWQB_Cut_Callback callback, void* context) {
    if (!line || !callback) return 0;
    Cut_Walk w{line, s_cut, callback, context, false, 0, 0};
    Segment_Point(std::clamp(s_cut, -1.0, 1.0), 0, &line->geo, &w.cy, &w.cz);
    for (const DWQB_Outline_Segment& g : line->outline) {
        if (!DWQB_Segment_Active(&g)) continue;
        const int n = (g.flags & DWQB_SEG_CURVED) ? 2 * std::max(1, static_cast<int>(g.n_sub)) : 1;
        // Pieces carry the owner line's s: a segment without owner is
        // sampled along its own stretch s1 .. s2.
        for (int k = 0; k < n; k++) {
            const double x1 = -1 + 2.0 * k / n, x2 = -1 + 2.0 * (k + 1) / n;
            double y1, z1, y2, z2;
            Calc_DWQB_Segment_Point(x1, &g, &y1, &z1);
            Calc_DWQB_Segment_Point(x2, &g, &y2, &z2);
            const double s1 = ((g.s2 - g.s1) * x1 + (g.s2 + g.s1)) / 2, s2 = ((g.s2 - g.s1) * x2 + (g.s2 + g.s1)) / 2;
            if (!Cut_Piece(y1, z1, y2, z2, s1, s2, &w)) return 0;
        }
    }
    return 1;
}

// ---- extents and raw line data ---------------------------------------------------

int Get_DWQB_Extents(double* y_min, double* z_min, double* y_max, double* z_max) {
    WELD_CHECK_AT_EXIT(Check_DWQB_Invariants());
    const double* q = DWQB_Querschnittswerte;
    double e[4] = {0, 0, 0, 0};  // y_min, z_min, y_max, z_max
    int result = 1;
    if (q[DWQB_QW_Y_MIN] < q[DWQB_QW_Y_MAX] && q[DWQB_QW_Z_MIN] < q[DWQB_QW_Z_MAX]) {
        e[0] = q[DWQB_QW_Y_MIN], e[1] = q[DWQB_QW_Z_MIN], e[2] = q[DWQB_QW_Y_MAX], e[3] = q[DWQB_QW_Z_MAX];
        result = 0;
    } else if (!DWQB_Erweitert && !(DWQB_Optionen & DWQB_OPT_EXTENDED)) {
        DWQB_Extents x{1, 0, 0, 0, 0};
        for (const DWQB_Linie* l = dwqb_model.first_line; l; l = l->next) {
            if (!l->a || !l->b) continue;
            const double len = std::hypot(l->b->y - l->a->y, l->b->z - l->a->z), h = l->t_m / 2;
            const double dy = len > 0 ? std::fabs(l->b->z - l->a->z) * h / len : std::fabs(h);
            const double dz = len > 0 ? std::fabs(l->b->y - l->a->y) * h / len : std::fabs(h);
            for (const DWQB_Knoten* n : {l->a, l->b}) {
                Add_DWQB_Extents(&x, n->y - dy, n->z - dz);
                Add_DWQB_Extents(&x, n->y + dy, n->z + dz);
            }
        }
        if (!x.first) e[0] = x.y_min, e[1] = x.z_min, e[2] = x.y_max, e[3] = x.z_max;
    } else {
        _Winged_Edge_Structure();
        _Set_Line_Outlines();
        DWQB_Extents x{1, 0, 0, 0, 0};
        for (const DWQB_Linie* l = dwqb_model.first_line; l; l = l->next) {
            for (const DWQB_Outline_Segment& g : l->outline) {
                if (!DWQB_Segment_Active(&g)) continue;
                if (g.flags & DWQB_SEG_CURVED) {
                    Walk_DWQB_Segment_Pieces(&g, 2 * std::max(1, static_cast<int>(g.n_sub)), Add_DWQB_Extents_Callback, &x);
                } else {
                    Add_DWQB_Extents(&x, g.y1, g.z1);
                    Add_DWQB_Extents(&x, g.y2, g.z2);
                }
            }
        }
        if (!x.first) e[0] = x.y_min, e[1] = x.z_min, e[2] = x.y_max, e[3] = x.z_max;
    }
    if (y_min) *y_min = e[0];
    if (z_min) *z_min = e[1];
    if (y_max) *y_max = e[2];
    if (z_max) *z_max = e[3];
    return result;
}

int Get_DWQB_Line_Data(int number, int* kind, double* rot_a, double* rot_b, double* r_al, double* r_ar, double* r_bl,
                       double* r_br, double* t_a, double* t_b) {
    for (const DWQB_Linie* l = dwqb_model.first_line; l; l = l->next) {
        if (l->number != number) continue;
        if (kind) *kind = l->kind;
        double* out[8] = {rot_a, rot_b, r_al, r_ar, r_bl, r_br, t_a, t_b};
        const double v[8] = {l->end_values[0], l->end_values[1], l->end_values[2], l->end_values[3],
                             l->end_values[4], l->end_values[5], l->t_a, l->t_b};
        for (int k = 0; k < 8; k++)
            if (out[k]) *out[k] = v[k];
        return 1;
    }
    return 0;
}

int Get_DWQB_Line_Result_Pair(int number, double* first, double* second) {
    for (const DWQB_Linie* l = dwqb_model.first_line; l; l = l->next) {
        if (l->number != number) continue;
        if (first) *first = l->run_t;
        if (second) *second = l->run_L;
        return 1;
    }
    return 0;
}
