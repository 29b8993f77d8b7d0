// The six internal forces of a load case and their unit factors.
#include "base/schnittkraefte.h"

#include <cmath>
#include <initializer_list>

Schnittkraefte_Units Load_Unit_To_Screen(int code) {
    switch (code) {
    case 0: return SCHNITTKRAEFTE_TO_KN;
    case 1: return {0.001, 1e-4};
    case 2: return {1.0, 0.001};
    default: return {1.0, 1.0};
    }
}

Schnittkraefte_Units Load_Unit_From_Screen(int code) {
    switch (code) {
    case 0: return SCHNITTKRAEFTE_FROM_KN;
    case 1: return {1000.0, 1e4};
    case 2: return {1.0, 1000.0};
    default: return {1.0, 1.0};
    }
}

Schnittkraefte Scale_Schnittkraefte(const Schnittkraefte& f, Schnittkraefte_Units u) {
    Schnittkraefte s;
    s.N = f.N * u.force;
    s.V_y = f.V_y * u.force;
    s.V_z = f.V_z * u.force;
    s.M_x = f.M_x * u.moment;
    s.M_y = f.M_y * u.moment;
    s.M_z = f.M_z * u.moment;
    return s;
}

int Schnittkraefte_Exceed(const Schnittkraefte& f, double limit) {
    for (double v : {f.N, f.V_y, f.V_z, f.M_x, f.M_y, f.M_z})
        if (std::fabs(v) > limit) return 1;
    return 0;
}
