// rolled_outline_points: the stress points of a catalogue record's section
// model held to the record's rolled outline.
#include "profiles/rolled_outline_points.h"

#include <algorithm>
#include <cmath>
#include <vector>

#include "profiles/catalogue_outline.h"
#include "thinwall/dwqb_point.h"
#include "thinwall/dwqb_transfer.h"

namespace {

double& Plane(int plane, int k) { return Profil_DWQB_Linienwerte.planes[plane][k]; }

// The same moves and turns as the model's.
Outline_Point Place(const Model_Placement& m, double y, double z) {
    y -= m.cy, z -= m.cz;
    if (m.turned) {
        const double y0 = y;
        y = -z, z = y0;
    }
    if (m.reference) {
        y += m.ref[0], z += m.ref[1];
        const double c = std::cos(m.ref[2]), s = std::sin(m.ref[2]), y0 = y;
        y = c * y0 - s * z, z = s * y0 + c * z;
    }
    return {y, z};
}

// Winding number of the rings about (y, z): not 0 inside the material.
int Winding(const std::vector<Outline_Ring>& rings, double y, double z) {
    int w = 0;
    for (const Outline_Ring& r : rings)
        for (size_t i = 0, n = r.size(); i < n; i++) {
            const Outline_Point &a = r[i], &b = r[(i + 1) % n];
            const double side = (b.y - a.y) * (z - a.z) - (y - a.y) * (b.z - a.z);
            if (a.z <= z && b.z > z && side > 0) w++;
            else if (a.z > z && b.z <= z && side < 0) w--;
        }
    return w;
}

// The place on the rings nearest (y, z), and its distance.
double Nearest_On(const std::vector<Outline_Ring>& rings, double y, double z, Outline_Point* at) {
    double best = HUGE_VAL;
    for (const Outline_Ring& r : rings)
        for (size_t i = 0, n = r.size(); i < n; i++) {
            const Outline_Point &a = r[i], &b = r[(i + 1) % n];
            const double dy = b.y - a.y, dz = b.z - a.z, l2 = dy * dy + dz * dz;
            const double s = l2 > 0 ? std::clamp(((y - a.y) * dy + (z - a.z) * dz) / l2, 0.0, 1.0) : 0;
            const double py = a.y + s * dy, pz = a.z + s * dz, d = std::hypot(y - py, z - pz);
            if (d < best) best = d, *at = {py, pz};
        }
    return best;
}

// The rings in the builder's frame, standing so that every inside point is
// inside them; `turn` is -1 when that mirrors them once (their material
// then right of them). False when no way fits.
bool Stand_In_Frame(std::vector<Outline_Ring>* rings, const double* inside, int n, int* turn) {
    double y_lo = HUGE_VAL, y_hi = -HUGE_VAL, z_lo = HUGE_VAL, z_hi = -HUGE_VAL;
    for (const Outline_Ring& r : *rings)
        for (const Outline_Point& p : r)
            y_lo = std::min(y_lo, p.y), y_hi = std::max(y_hi, p.y), z_lo = std::min(z_lo, p.z), z_hi = std::max(z_hi, p.z);
    for (int fy : {1, -1})
        for (int fz : {1, -1}) {
            std::vector<Outline_Ring> stood = *rings;
            for (Outline_Ring& r : stood)
                for (Outline_Point& p : r) p = {fy > 0 ? p.y - y_hi : y_lo - p.y, fz > 0 ? p.z - z_hi : z_lo - p.z};
            int k = 0;
            while (k < n && Winding(stood, inside[2 * k], inside[2 * k + 1]) != 0) k++;
            if (k < n) continue;
            *rings = stood;
            *turn = fy * fz;
            return true;
        }
    return false;
}

// Point k moved to (y, z), with the normal stress of that place where its
// line carries one (1/A in its plane of N).
void Move_Point(int k, double y, double z) {
    Plane(PROFIL_PLANE_Y, k) = y;
    Plane(PROFIL_PLANE_Z, k) = z;
    if (Plane(PROFIL_PLANE_N, k) == 0) return;
    double e[3];
    Calc_DWQB_Axial_Coefficients(y, z, 1, 0, 0, 1, 0, e);
    Plane(PROFIL_PLANE_N, k) = e[0];
    Plane(PROFIL_PLANE_M1, k) = e[1];
    Plane(PROFIL_PLANE_M2, k) = e[2];
}

}  // namespace

bool Add_Point_Like(int like, double y, double z) {
    Profil_DWQB_Linienwerte_Record& p = Profil_DWQB_Linienwerte;
    if (p.n33 >= PROFIL_DWQB_POSITIONS) return false;
    const int at = p.n33++;
    for (int plane = 0; plane < PROFIL_DWQB_PLANES; plane++) Plane(plane, at) = Plane(plane, like);
    Move_Point(at, y, z);
    return true;
}

bool Fit_Points_To_Rolled_Outline(const Catalogue_Outline& o, const double* inside, int n,
                                  const Model_Placement& placement) {
    std::vector<Outline_Ring> rings;
    int turn = 1;
    if (!inside || n <= 0 || !Catalogue_Outline_Polygons(&o, 8, &rings) || rings.empty() ||
        !Stand_In_Frame(&rings, inside, n, &turn))
        return false;
    for (Outline_Ring& r : rings)
        for (Outline_Point& p : r) p = Place(placement, p.y, p.z);
    Profil_DWQB_Linienwerte_Record& p = Profil_DWQB_Linienwerte;
    const int lines = std::clamp(p.n, 0, static_cast<int>(PROFIL_DWQB_LINES)), points = 33 * lines;
    const double size = std::max(o.h, o.b), tolerance = 1e-5 * size;
    for (int k = 0; k < points; k++) {
        if (k % 3 == 0) continue;  // the centre line lies within
        const double y = Plane(PROFIL_PLANE_Y, k), z = Plane(PROFIL_PLANE_Z, k);
        Outline_Point at{y, z};
        if (Winding(rings, y, z) != 0 || Nearest_On(rings, y, z, &at) <= tolerance) continue;
        Move_Point(k, at.y, at.z);
    }
    // the outward corners: the material turns left round them (right where
    // the rings stand mirrored)
    for (const Outline_Ring& r : rings)
        for (size_t i = 0, m = r.size(); i < m; i++) {
            const Outline_Point &a = r[(i + m - 1) % m], &b = r[i], &c = r[(i + 1) % m];
            const double u[2] = {b.y - a.y, b.z - a.z}, w[2] = {c.y - b.y, c.z - b.z};
            const double cross = u[0] * w[1] - u[1] * w[0];
            if (!(turn * cross > 1e-9 * size * size)) continue;
            // more than 30 degrees at one corner: a square one
            const bool square = std::fabs(cross) > 0.5 * std::hypot(u[0], u[1]) * std::hypot(w[0], w[1]);
            int nearest = 0, next = 0;
            double gap = HUGE_VAL, next_gap = HUGE_VAL;
            for (int k = 0; k < points; k++) {
                const double d = std::hypot(Plane(PROFIL_PLANE_Y, k) - b.y, Plane(PROFIL_PLANE_Z, k) - b.z);
                if (d < gap) next_gap = gap, next = nearest, gap = d, nearest = k;
                else if (d < next_gap) next_gap = d, next = k;
            }
            if (!Add_Point_Like(nearest, b.y, b.z)) return true;
            const int at = p.n33 - 1;
            if (square)
                for (int plane : {PROFIL_PLANE_V1, PROFIL_PLANE_V2, PROFIL_PLANE_MX, PROFIL_PLANE_MW}) Plane(plane, at) = 0;
            // St. Venant's shear grows with the thickness, which a rounded
            // toe loses: the lesser of the two points beside it
            else if (std::fabs(Plane(PROFIL_PLANE_MX, next)) < std::fabs(Plane(PROFIL_PLANE_MX, at)))
                Plane(PROFIL_PLANE_MX, at) = Plane(PROFIL_PLANE_MX, next);
        }
    return true;
}
