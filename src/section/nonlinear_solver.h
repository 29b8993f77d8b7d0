// nonlinear_solver: Powell's hybrid (dogleg trust-region) method for n
// nonlinear equations in n unknowns, in the form of the published MINPACK
// drivers hybrj, hybrj1, hybrd and hybrd1, every argument by reference. The
// MINPACK support routines (qrfac, qform, dogleg, r1updt, r1mpyq, enorm,
// dpmpar, fdjac1) come from the system's MINPACK library.
//
// Differences from the published drivers:
//   - the iteration count is exported in iter (0 on entry, 1 before the first
//     iteration, +1 after every successful step);
//   - info 2 means iter reached maxfev (iterations, not function calls);
//   - hybrj1 and hybrd1 take maxfev (below 1: 200, written back) and hybrd1
//     takes epsfcn (negative: 0, written back);
//   - hybrj calls fcn with iflag 3 and the dogleg step in place of fvec
//     before it forms the trial point; the callback may change the step.
//   - all working state is local: a callback may start a solve of its own.
//
// The library exports functions of the same names with other arguments:
// ours live in namespace nlsolve, so every call names which it means.
#ifndef SECTION_NONLINEAR_SOLVER_H
#define SECTION_NONLINEAR_SOLVER_H

namespace nlsolve {

// iflag 1: residuals at x into fvec (fjac untouched); 2: Jacobian at x into
// fjac, column j the derivatives by x[j] (fvec untouched); 3: the proposed
// step in place of fvec, may be changed; 0: print request. A negative iflag
// stops the solver with info = iflag.
typedef void (*Hybrj_Fcn)(int* n, double* x, double* fvec, double* fjac, int* ldfjac, int* iflag);
// The difference driver's callback stores the residuals for iflag 1 and 2
// (2 while the Jacobian is formed by forward differences).
typedef void (*Hybrd_Fcn)(int* n, double* x, double* fvec, int* iflag);

// info: negative = stopped by the callback, 0 improper input, 1 relative
// error between two iterates at most tol (or zero residual), 2 iter reached
// maxfev, 3 tol too small, 4 (hybrj/hybrd also 5) no good progress.
void hybrj1(Hybrj_Fcn fcn, int* n, double* x, double* fvec, double* fjac, int* ldfjac, double* tol,
            int* maxfev, int* info, double* wa, int* lwa, int* iter);
void hybrj(Hybrj_Fcn fcn, int* n, double* x, double* fvec, double* fjac, int* ldfjac, double* xtol,
           int* maxfev, double* diag, int* mode, double* factor, int* nprint, int* info, int* nfev,
           int* njev, double* r, int* lr, double* qtf, double* wa1, double* wa2, double* wa3,
           double* wa4, int* iter);
void hybrd1(Hybrd_Fcn fcn, int* n, double* x, double* fvec, double* tol, int* maxfev, double* epsfcn,
            int* info, double* wa, int* lwa, int* iter);
void hybrd(Hybrd_Fcn fcn, int* n, double* x, double* fvec, double* xtol, int* maxfev, int* ml, int* mu,
           double* epsfcn, double* diag, int* mode, double* factor, int* nprint, int* info, int* nfev,
           double* fjac, int* ldfjac, double* r, int* lr, double* qtf, double* wa1, double* wa2,
           double* wa3, double* wa4, int* iter);

}  // namespace nlsolve

#endif
