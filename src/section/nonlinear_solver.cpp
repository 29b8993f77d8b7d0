// nonlinear_solver: the hybrid-method drivers over the MINPACK support
// routines. One core serves both drivers; they differ only in how the
// Jacobian is had (the caller's, or forward differences) and in the step
// request, which only the Jacobian driver makes.
#include "section/nonlinear_solver.h"

#include <cminpack.h>

#include <algorithm>
#include <cmath>

namespace nlsolve {
namespace {

struct Core_Args {
    int n;
    double* x;
    double* fvec;
    double* fjac;
    int ldfjac;
    double xtol;
    int maxfev;
    double* diag;
    int mode;
    double factor;
    int nprint;
    int* nfev;
    double* r;
    int lr;
    double* qtf;
    double *wa1, *wa2, *wa3, *wa4;
    int* iter;
};

const double p1 = 0.1, p5 = 0.5, p001 = 0.001, p0001 = 1e-4;

// The iteration's own values beside the caller's arrays.
struct Core_State {
    Core_Args& a;
    int ncsuc = 0, ncfail = 0, nslow1 = 0, nslow2 = 0, sing = 0;
    double fnorm = 0, xnorm = 0, delta = 0;
};

// One trial step: its scaled length, the actual and predicted reductions'
// ratio, the actual reduction and the new residual norm (new x in wa2, its
// residuals in wa4, the linear model's residuals in wa3).
struct Trial {
    double pnorm = 0, actred = 0, ratio = 0, fnorm1 = 0;
};

bool Valid_Args(const Core_Args& a) {
    if (a.n <= 0 || a.ldfjac < a.n || a.xtol < 0 || a.maxfev <= 0 || a.factor <= 0 || a.lr < a.n * (a.n + 1) / 2)
        return false;
    if (a.mode == 2)
        for (int j = 0; j < a.n; j++)
            if (a.diag[j] <= 0) return false;
    return true;
}

// Factors the Jacobian in fjac as Q R: R (upper triangle, by rows) into r,
// Q^T f into qtf, Q into fjac. On the first iteration the scaling and the
// trust region's radius are set from it; the scaling only grows after.
void Factor_Jacobian(Core_State& s) {
    Core_Args& a = s.a;
    const int n = a.n, ld = a.ldfjac;
    double* fjac = a.fjac;
    int iwa[1];
    qrfac(n, n, fjac, ld, 0, iwa, 1, a.wa1, a.wa2, a.wa3);
    if (*a.iter == 1) {
        if (a.mode != 2)
            for (int j = 0; j < n; j++) a.diag[j] = a.wa2[j] == 0 ? 1 : a.wa2[j];
        for (int j = 0; j < n; j++) a.wa3[j] = a.diag[j] * a.x[j];
        s.xnorm = enorm(n, a.wa3);
        s.delta = a.factor * s.xnorm;
        if (s.delta == 0) s.delta = a.factor;
    }
    for (int i = 0; i < n; i++) a.qtf[i] = a.fvec[i];
    for (int j = 0; j < n; j++) {
        if (fjac[j + j * ld] == 0) continue;
        double sum = 0;
        for (int i = j; i < n; i++) sum += fjac[i + j * ld] * a.qtf[i];
        const double temp = -sum / fjac[j + j * ld];
        for (int i = j; i < n; i++) a.qtf[i] += fjac[i + j * ld] * temp;
    }
    s.sing = 0;
    for (int j = 0; j < n; j++) {
        int l = j;
        for (int i = 0; i < j; i++) {
            a.r[l] = fjac[i + j * ld];
            l += n - i - 1;
        }
        a.r[l] = a.wa1[j];
        if (a.wa1[j] == 0) s.sing = 1;
    }
    qform(n, n, fjac, ld, a.wa1);
    if (a.mode != 2)
        for (int j = 0; j < n; j++) a.diag[j] = std::max(a.diag[j], a.wa2[j]);
}

// The dogleg step (after the caller's step request may change it), the
// residuals at its end and the reductions it achieves and predicts.
template <typename Evaluate, typename Step>
int Try_Step(Core_State& s, Evaluate& evaluate, Step& step, Trial* t) {
    Core_Args& a = s.a;
    const int n = a.n;
    dogleg(n, a.r, a.lr, a.diag, a.qtf, s.delta, a.wa1, a.wa2, a.wa3);
    int iflag = step(a.wa1);
    if (iflag < 0) return iflag;
    for (int j = 0; j < n; j++) {
        a.wa1[j] = -a.wa1[j];
        a.wa2[j] = a.x[j] + a.wa1[j];
        a.wa3[j] = a.diag[j] * a.wa1[j];
    }
    t->pnorm = enorm(n, a.wa3);
    if (*a.iter == 1) s.delta = std::min(s.delta, t->pnorm);
    iflag = evaluate(a.wa2, a.wa4);
    ++*a.nfev;
    if (iflag < 0) return iflag;
    t->fnorm1 = enorm(n, a.wa4);
    t->actred = -1;
    if (t->fnorm1 < s.fnorm) t->actred = 1 - (t->fnorm1 / s.fnorm) * (t->fnorm1 / s.fnorm);
    int l = 0;
    for (int i = 0; i < n; i++) {
        double sum = 0;
        for (int j = i; j < n; j++) sum += a.r[l++] * a.wa1[j];
        a.wa3[i] = a.qtf[i] + sum;
    }
    const double temp = enorm(n, a.wa3);
    double prered = 0;
    if (temp < s.fnorm) prered = 1 - (temp / s.fnorm) * (temp / s.fnorm);
    t->ratio = prered > 0 ? t->actred / prered : 0;
    return iflag;
}

// Shrinks the trust region after a poor step, widens it after good ones,
// and takes a step that reduced the residuals at all.
void Update_Region_And_Accept(Core_State& s, const Trial& t) {
    Core_Args& a = s.a;
    if (t.ratio < p1) {
        s.ncsuc = 0;
        ++s.ncfail;
        s.delta = p5 * s.delta;
    } else {
        s.ncfail = 0;
        ++s.ncsuc;
        if (t.ratio >= p5 || s.ncsuc > 1) s.delta = std::max(s.delta, t.pnorm / p5);
        if (std::fabs(t.ratio - 1) <= p1) s.delta = t.pnorm / p5;
    }
    if (t.ratio < p0001) return;
    for (int j = 0; j < a.n; j++) {
        a.x[j] = a.wa2[j];
        a.wa2[j] = a.diag[j] * a.x[j];
        a.fvec[j] = a.wa4[j];
    }
    s.xnorm = enorm(a.n, a.wa2);
    s.fnorm = t.fnorm1;
    ++*a.iter;
}

// 0 to go on; else why the iteration ends (the later tests win, as they
// name the more specific reason).
int Convergence_Info(Core_State& s, const Trial& t, bool jeval) {
    Core_Args& a = s.a;
    ++s.nslow1;
    if (t.actred >= p001) s.nslow1 = 0;
    if (jeval) ++s.nslow2;
    if (t.actred >= p1) s.nslow2 = 0;
    if (s.delta <= a.xtol * s.xnorm || s.fnorm == 0) return 1;
    int info = 0;
    if (*a.iter >= a.maxfev) info = 2;
    if (p1 * std::max(p1 * s.delta, t.pnorm) <= dpmpar(1) * s.xnorm) info = 3;
    if (s.nslow2 == 5) info = 4;
    if (s.nslow1 == 10) info = 5;
    return info;
}

// The rank-one update of the factored Jacobian with the step just tried,
// in place of a new Jacobian.
void Broyden_Update(Core_State& s, const Trial& t) {
    Core_Args& a = s.a;
    const int n = a.n, ld = a.ldfjac;
    for (int j = 0; j < n; j++) {
        double sum = 0;
        for (int i = 0; i < n; i++) sum += a.fjac[i + j * ld] * a.wa4[i];
        a.wa2[j] = (sum - a.wa3[j]) / t.pnorm;
        a.wa1[j] = a.diag[j] * (a.diag[j] * a.wa1[j] / t.pnorm);
        if (t.ratio >= p0001) a.qtf[j] = sum;
    }
    r1updt(n, n, a.r, a.lr, a.wa1, a.wa2, a.wa3, &s.sing);
    r1mpyq(n, n, a.fjac, ld, a.wa2, a.wa3);
    r1mpyq(1, n, a.qtf, 1, a.wa2, a.wa3);
}

// The outer iteration: a Jacobian, then trial steps with rank-one updates
// until two fail in a row. Returns the reason it ended; *iflag < 0 when a
// callback asked to stop.
template <typename Evaluate, typename Jacobian, typename Print, typename Step>
int Iterate(Core_State& s, Evaluate& evaluate, Jacobian& jacobian, Print& print, Step& step, int* iflag) {
    Core_Args& a = s.a;
    for (;;) {
        if ((*iflag = jacobian()) < 0) return 0;
        Factor_Jacobian(s);
        for (bool jeval = true;; jeval = false) {
            if (a.nprint > 0) {
                *iflag = (*a.iter - 1) % a.nprint == 0 ? print() : 0;
                if (*iflag < 0) return 0;
            }
            Trial t;
            if ((*iflag = Try_Step(s, evaluate, step, &t)) < 0) return 0;
            Update_Region_And_Accept(s, t);
            if (const int info = Convergence_Info(s, t, jeval)) return info;
            if (s.ncfail == 2) break;
            Broyden_Update(s, t);
        }
    }
}

// evaluate(x, out) -> iflag after the residual request; jacobian() -> iflag
// after the Jacobian at args.x is in fjac; print() -> iflag; step(p) ->
// iflag after the step request (may change p).
template <typename Evaluate, typename Jacobian, typename Print, typename Step>
int Hybrid_Core(Core_Args& a, Evaluate evaluate, Jacobian jacobian, Print print, Step step) {
    *a.nfev = 0;
    *a.iter = 0;
    if (!Valid_Args(a)) return 0;
    Core_State s{a};
    int info = 0;
    int iflag = evaluate(a.x, a.fvec);
    *a.nfev = 1;
    if (iflag >= 0) {
        s.fnorm = enorm(a.n, a.fvec);
        *a.iter = 1;
        info = Iterate(s, evaluate, jacobian, print, step, &iflag);
    }
    if (iflag < 0) info = iflag;
    if (a.nprint > 0) print();
    return info;
}

struct Hybrd_Context {
    Hybrd_Fcn fcn;
};

int Hybrd_Adapter(void* p, int n, const double* x, double* fvec, int iflag) {
    static_cast<Hybrd_Context*>(p)->fcn(&n, const_cast<double*>(x), fvec, &iflag);
    return iflag;
}

}  // namespace

void hybrj(Hybrj_Fcn fcn, int* n, double* x, double* fvec, double* fjac, int* ldfjac, double* xtol,
           int* maxfev, double* diag, int* mode, double* factor, int* nprint, int* info, int* nfev,
           int* njev, double* r, int* lr, double* qtf, double* wa1, double* wa2, double* wa3,
           double* wa4, int* iter) {
    *njev = 0;
    Core_Args a{*n, x, fvec, fjac, *ldfjac, *xtol, *maxfev, diag, *mode, *factor, *nprint, nfev, r, *lr, qtf,
                wa1, wa2, wa3, wa4, iter};
    int nn = *n, ld = *ldfjac;
    auto call = [&](double* xs, double* f, int flag) {
        fcn(&nn, xs, f, fjac, &ld, &flag);
        return flag;
    };
    *info = Hybrid_Core(
        a, [&](double* xs, double* f) { return call(xs, f, 1); },
        [&] {
            ++*njev;
            return call(x, fvec, 2);
        },
        [&] { return call(x, fvec, 0); }, [&](double* p) { return call(x, p, 3); });
}

void hybrj1(Hybrj_Fcn fcn, int* n, double* x, double* fvec, double* fjac, int* ldfjac, double* tol,
            int* maxfev, int* info, double* wa, int* lwa, int* iter) {
    *info = 0;
    *iter = 0;
    if (*n <= 0 || *ldfjac < *n || *tol < 0 || *lwa < *n * (*n + 13) / 2) return;
    if (*maxfev < 1) *maxfev = 200;
    const int nn = *n;
    for (int j = 0; j < nn; j++) wa[j] = 1;
    int mode = 2, nprint = 0, nfev = 0, njev = 0, lr = nn * (nn + 1) / 2;
    double factor = 100;
    hybrj(fcn, n, x, fvec, fjac, ldfjac, tol, maxfev, wa, &mode, &factor, &nprint, info, &nfev, &njev,
          &wa[6 * nn], &lr, &wa[nn], &wa[2 * nn], &wa[3 * nn], &wa[4 * nn], &wa[5 * nn], iter);
    if (*info == 5) *info = 4;
}

void hybrd(Hybrd_Fcn fcn, int* n, double* x, double* fvec, double* xtol, int* maxfev, int* ml, int* mu,
           double* epsfcn, double* diag, int* mode, double* factor, int* nprint, int* info, int* nfev,
           double* fjac, int* ldfjac, double* r, int* lr, double* qtf, double* wa1, double* wa2,
           double* wa3, double* wa4, int* iter) {
    Core_Args a{*n, x, fvec, fjac, *ldfjac, *xtol, *maxfev, diag, *mode, *factor, *nprint, nfev, r, *lr, qtf,
                wa1, wa2, wa3, wa4, iter};
    Hybrd_Context context{fcn};
    int nn = *n;
    auto call = [&](double* xs, double* f, int flag) {
        fcn(&nn, xs, f, &flag);
        return flag;
    };
    const int msum = std::min(*ml + *mu + 1, nn);
    *info = Hybrid_Core(
        a, [&](double* xs, double* f) { return call(xs, f, 1); },
        [&] {
            const int flag = fdjac1(Hybrd_Adapter, &context, nn, x, fvec, fjac, *ldfjac, *ml, *mu, *epsfcn, wa1, wa2);
            *nfev += msum;
            return flag;
        },
        [&] { return call(x, fvec, 0); }, [](double*) { return 3; });
}

void hybrd1(Hybrd_Fcn fcn, int* n, double* x, double* fvec, double* tol, int* maxfev, double* epsfcn,
            int* info, double* wa, int* lwa, int* iter) {
    *info = 0;
    *iter = 0;
    if (*n <= 0 || *tol < 0 || *lwa < *n * (3 * *n + 13) / 2) return;
    if (*maxfev < 1) *maxfev = 200;
    if (*epsfcn < 0) *epsfcn = 0;
    const int nn = *n;
    int ml = nn - 1, mu = nn - 1, mode = 2, nprint = 0, nfev = 0, lr = nn * (nn + 1) / 2, ld = nn;
    double factor = 100;
    for (int j = 0; j < nn; j++) wa[j] = 1;
    const int index = 6 * nn + lr;
    hybrd(fcn, n, x, fvec, tol, maxfev, &ml, &mu, epsfcn, wa, &mode, &factor, &nprint, info, &nfev, &wa[index],
          &ld, &wa[6 * nn], &lr, &wa[nn], &wa[2 * nn], &wa[3 * nn], &wa[4 * nn], &wa[5 * nn], iter);
    if (*info == 5) *info = 4;
}

}  // namespace nlsolve
