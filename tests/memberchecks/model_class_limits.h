// The class 2 utilisations of the section model's parts as its c/t check
// forms them, caught on their way to the check (Set_XS_Class_Limits).
#pragma once

#include <gtest/gtest.h>

#include <algorithm>

#include "memberchecks/xs_ct_check.h"
#include "profiles/stahlprofil.h"

namespace testutil {

// The class limits of the section model's last c/t check (outstands for
// classes 1 to 3, internal parts, total).
inline double caught_limits[9];
inline XS_Class_Limits_Fn model_limits = nullptr;
inline int Catch_Limits(const Stahlprofil* p, const double forces[8], int options, double f_y, double gamma_M0,
                        double factor, double limits[9]) {
    const int done = model_limits(p, forces, options, f_y, gamma_M0, factor, limits);
    std::copy(limits, limits + 9, caught_limits);
    return done;
}

// The model's c/t utilisations for class 2 (outstands, internal parts)
// under N (kN, tension positive), M_y and M_z (kNm).
inline void Model_Class_2(const Stahlprofil& p, double N, double M_y, double M_z, double* outstand, double* internal) {
    std::fill(caught_limits, caught_limits + 9, -1.0);
    model_limits = Set_XS_Class_Limits(Catch_Limits);
    double U = 0;
    EXPECT_EQ(Calc_XS_Ct_Check(&p, 1.0, 1, 0, 0, 1, N, M_y, M_z, 0, 0, 0, 0, 0, &U, nullptr, 0), 0);
    Set_XS_Class_Limits(model_limits);
    *outstand = caught_limits[1], *internal = caught_limits[4];
}

}  // namespace testutil
