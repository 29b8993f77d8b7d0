// The straight faces of a rolled flange between its toe's rounding and its
// root fillet, from the outline of its record.
#include "profiles/rolled_flange_faces.h"

#include <algorithm>
#include <cmath>

#include "profiles/catalogue_outline.h"

int Outline_Flange_Faces(const Catalogue_Outline* o, Rolled_Flange_Faces* f) {
    if (!o || !f || (o->letter != 'D' && o->letter != 'U' && o->letter != 'T')) return 0;
    // The flange's thickness t0 + s x at x from its tip; the toe a circle
    // tangent to the tip's face and the inner face, the root fillet one
    // tangent to the inner face and the web's (c from the tip).
    const double s = std::max(o->slope, 0.0), k = std::hypot(1.0, s);
    const double r_t = std::max(o->r_2, 0.0), r_1 = std::max(o->r_1, 0.0);
    const double c = o->letter == 'U' ? o->b - o->t_w : (o->b - o->t_w) / 2.0, t0 = o->t_f - s * o->nominal_from_tip;
    const double z_toe_centre = t0 + s * r_t - r_t * k, z_root_centre = t0 + s * (c - r_1) + r_1 * k;
    const Rolled_Flange_Faces faces{s,
                                    z_toe_centre,
                                    r_t - r_t * s / k,
                                    z_toe_centre + r_t / k,
                                    c - r_1 + r_1 * s / k,
                                    z_root_centre - r_1 / k,
                                    z_root_centre,
                                    c,
                                    r_t,
                                    r_1};
    if (!(t0 > 0.0) || !(faces.tip > 0.0) || !(faces.x_root > faces.x_toe)) return 0;
    *f = faces;
    return 1;
}

void Flange_Rounding_Point(const Rolled_Flange_Faces* f, int toe, double fraction, double* x, double* z) {
    // The inner face's outward normal (-s, 1) / k turns the tangent points:
    // the toe's centre lies inside the flange (r_t from the tip's face), the
    // root fillet's outside it (r_1 from the web's face).
    const double lean = std::atan(f->slope);
    double cx, cz, r, from, to;
    if (toe) {
        cx = f->r_toe, cz = f->tip, r = f->r_toe;
        from = M_PI, to = M_PI / 2 + lean;
    } else {
        cx = f->outstand - f->r_root, cz = f->web, r = f->r_root;
        from = -M_PI / 2 + lean, to = 0.0;
    }
    const double angle = from + (to - from) * std::clamp(fraction, 0.0, 1.0);
    *x = cx + r * std::cos(angle);
    *z = cz + r * std::sin(angle);
}
