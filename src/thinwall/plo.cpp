// plo: the shear shares of one line for given forces.
#include "thinwall/plo.h"

#include <cmath>

static_assert(sizeof(DWQB_PLO_Linie) == 21 * 8, "a line record is 21 fields");
static_assert(sizeof(TSG_Eintrag) == 72, "a TSG entry is 72 bytes");

int Transform_Forces(const double* F, const DWQB_PLO_Linie* c, double f, TSG_Eintrag* out) {
    if (!F || !c || !out) return 0;
    *out = TSG_Eintrag{};
    out->number = c->number;
    out->y = c->y, out->z = c->z, out->angle = c->angle;
    const double Vy = F[1], Vz = F[2], Mt1 = F[3], Mt2 = F[6];
    out->vy_share = c->vy_y * Vy + c->vz_y * Vz + c->w_y * Mt2 + c->c_y * Mt1;
    out->vz_share = c->vy_z * Vy + c->vz_z * Vz + c->w_z * Mt2 + c->c_z * Mt1;
    out->torsion_share = c->torsion_share * Mt1;
    const double a = 0.5 * c->torsion_factor * std::fabs(out->torsion_share);
    const double sy = out->vy_share * c->inv_area_y, sz = out->vz_share * c->inv_area_z;
    out->tau = a + std::sqrt(sy * sy + sz * sz + a * a);
    if (f != 0) out->u = out->tau * 1.7320508075688772 / f;
    return 1;
}
