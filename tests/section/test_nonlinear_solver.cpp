// The hybrid-method drivers on the Broyden tridiagonal problem of the MINPACK
// documentation (n = 9, start -1): (3 - 2 x_k) x_k - x_(k-1) - 2 x_(k+1) + 1.
#include <gtest/gtest.h>

#include <cmath>
#include <vector>

#include "section/nonlinear_solver.h"

namespace {

// The documented solution, printed to seven digits.
const double kSolution[9] = {-0.5706545, -0.6816283, -0.7017325, -0.7042129, -0.7013690,
                             -0.6918656, -0.6657920, -0.5960342, -0.4164121};

void Broyden_F(int n, const double* x, double* f) {
    for (int k = 0; k < n; k++) {
        const double left = k > 0 ? x[k - 1] : 0, right = k < n - 1 ? x[k + 1] : 0;
        f[k] = (3 - 2 * x[k]) * x[k] - left - 2 * right + 1;
    }
}

int steps_requested;

void Broyden_J(int* n, double* x, double* fvec, double* fjac, int* ldfjac, int* iflag) {
    if (*iflag == 1) Broyden_F(*n, x, fvec);
    if (*iflag == 3) steps_requested++;
    if (*iflag != 2) return;
    for (int j = 0; j < *n; j++)
        for (int k = 0; k < *n; k++) fjac[k + j * *ldfjac] = 0;
    for (int k = 0; k < *n; k++) {
        fjac[k + k * *ldfjac] = 3 - 4 * x[k];
        if (k > 0) fjac[k + (k - 1) * *ldfjac] = -1;
        if (k < *n - 1) fjac[k + (k + 1) * *ldfjac] = -2;
    }
}

// The difference driver asks for residuals with iflag 2 while it forms the
// Jacobian.
void Broyden_D(int* n, double* x, double* fvec, int* iflag) {
    if (*iflag != 0) Broyden_F(*n, x, fvec);
}

double Norm(const std::vector<double>& v) {
    double s = 0;
    for (double e : v) s += e * e;
    return std::sqrt(s);
}

struct Solve_Run {
    int info, iter, maxfev;
    std::vector<double> x, f;
};

Solve_Run Solve_J(nlsolve::Hybrj_Fcn fcn, int maxfev, int n = 9, int lwa_less = 0) {
    Solve_Run r{0, -1, maxfev, std::vector<double>(n, -1.0), std::vector<double>(n)};
    std::vector<double> fjac(n * n), wa(n * (n + 13) / 2);
    double tol = std::sqrt(2.220446049250313e-16);
    int ld = n, lwa = static_cast<int>(wa.size()) - lwa_less;
    nlsolve::hybrj1(fcn, &n, r.x.data(), r.f.data(), fjac.data(), &ld, &tol, &r.maxfev, &r.info, wa.data(), &lwa, &r.iter);
    return r;
}

TEST(NonlinearSolver, BroydenTridiagonalWithJacobian) {
    steps_requested = 0;
    Solve_Run r = Solve_J(Broyden_J, 0);
    EXPECT_EQ(r.info, 1);
    EXPECT_EQ(r.maxfev, 200);  // the default is written back
    EXPECT_GT(r.iter, 1);
    EXPECT_GE(steps_requested, r.iter - 1);
    EXPECT_LT(Norm(r.f), 1e-7);  // documented: 0.1192636e-07
    for (int k = 0; k < 9; k++) EXPECT_NEAR(r.x[k], kSolution[k], 1e-7) << k;

    Solve_Run few = Solve_J(Broyden_J, 5);
    EXPECT_EQ(few.info, 2);
    EXPECT_EQ(few.iter, 5);
}

TEST(NonlinearSolver, BroydenTridiagonalWithDifferences) {
    int n = 9, maxfev = 0, info = 0, iter = 0, lwa = n * (3 * n + 13) / 2;
    std::vector<double> x(n, -1.0), f(n), wa(lwa);
    double tol = std::sqrt(2.220446049250313e-16), epsfcn = -1;
    nlsolve::hybrd1(Broyden_D, &n, x.data(), f.data(), &tol, &maxfev, &epsfcn, &info, wa.data(), &lwa, &iter);
    EXPECT_EQ(info, 1);
    EXPECT_EQ(epsfcn, 0);
    EXPECT_EQ(maxfev, 200);
    for (int k = 0; k < 9; k++) EXPECT_NEAR(x[k], kSolution[k], 1e-7) << k;
}

void Stop_At_Once(int*, double*, double*, double*, int*, int* iflag) { *iflag = -1; }

TEST(NonlinearSolver, RefusalsAndStops) {
    Solve_Run stopped = Solve_J(Stop_At_Once, 50);
    EXPECT_EQ(stopped.info, -1);
    EXPECT_EQ(stopped.iter, 0);
    EXPECT_EQ(stopped.x[0], -1.0);
    // For n = 2 a work array of n(n + 13)/2 = 15 is enough, 14 is not.
    EXPECT_EQ(Solve_J(Broyden_J, 50, 2).info, 1);
    Solve_Run small = Solve_J(Broyden_J, 50, 2, 1);
    EXPECT_EQ(small.info, 0);
    EXPECT_EQ(small.maxfev, 50);
}

// The outer problem x_k^2 = k + 1 (k = 0, 1) solves the whole Broyden problem
// inside every residual request: the inner solve must leave the outer one's
// state alone.
int inner_failures;

void Nested(int* n, double* x, double* fvec, double* fjac, int* ldfjac, int* iflag) {
    if (*iflag == 1) {
        if (Solve_J(Broyden_J, 0).info != 1) inner_failures++;
        for (int k = 0; k < *n; k++) fvec[k] = x[k] * x[k] - (k + 1);
    } else if (*iflag == 2) {
        fjac[0] = 2 * x[0];
        fjac[1] = 0;
        fjac[*ldfjac] = 0;
        fjac[1 + *ldfjac] = 2 * x[1];
    }
}

TEST(NonlinearSolver, NestedSolveLeavesTheOuterOneIntact) {
    inner_failures = 0;
    Solve_Run r{0, 0, 0, {3.0, 3.0}, {0, 0}};
    std::vector<double> fjac(4), wa(15);
    int n = 2, ld = 2, lwa = 15;
    double tol = 1e-10;
    nlsolve::hybrj1(Nested, &n, r.x.data(), r.f.data(), fjac.data(), &ld, &tol, &r.maxfev, &r.info, wa.data(), &lwa, &r.iter);
    EXPECT_EQ(r.info, 1);
    EXPECT_NEAR(r.x[0], 1, 1e-9);
    EXPECT_NEAR(r.x[1], std::sqrt(2.0), 1e-9);
    EXPECT_EQ(inner_failures, 0);
}

}  // namespace
