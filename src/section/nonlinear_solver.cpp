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

// evaluate(x, out) -> iflag after the residual request; jacobian() -> iflag
// after the Jacobian at args.x is in fjac; print() -> iflag; step(p) ->
// iflag after the step request (may change p).
template <typename Evaluate, typename Jacobian, typename Print, typename Step>
int Hybrid_Core(Core_Args& a, Evaluate evaluate, Jacobian jacobian, Print print, Step step) {
    const double p1 = 0.1, p5 = 0.5, p001 = 0.001, p0001 = 1e-4;
    const int n = a.n, ld = a.ldfjac;
    double* fjac = a.fjac;
    const double epsmch = dpmpar(1);
    int info = 0, iflag = 0;
    *a.nfev = 0;
    *a.iter = 0;
    if (n <= 0 || ld < n || a.xtol < 0 || a.maxfev <= 0 || a.factor <= 0 || a.lr < n * (n + 1) / 2) return 0;
    if (a.mode == 2)
        for (int j = 0; j < n; j++)
            if (a.diag[j] <= 0) return 0;

    int ncsuc = 0, ncfail = 0, nslow1 = 0, nslow2 = 0, sing = 0;
    double fnorm, xnorm = 0, delta = 0;
    int iwa[1];
    iflag = evaluate(a.x, a.fvec);
    *a.nfev = 1;
    if (iflag < 0) goto terminate;
    fnorm = enorm(n, a.fvec);
    *a.iter = 1;

    for (;;) {
        bool jeval = true;
        iflag = jacobian();
        if (iflag < 0) goto terminate;
        qrfac(n, n, fjac, ld, 0, iwa, 1, a.wa1, a.wa2, a.wa3);
        if (*a.iter == 1) {
            if (a.mode != 2)
                for (int j = 0; j < n; j++) a.diag[j] = a.wa2[j] == 0 ? 1 : a.wa2[j];
            for (int j = 0; j < n; j++) a.wa3[j] = a.diag[j] * a.x[j];
            xnorm = enorm(n, a.wa3);
            delta = a.factor * xnorm;
            if (delta == 0) delta = a.factor;
        }
        for (int i = 0; i < n; i++) a.qtf[i] = a.fvec[i];
        for (int j = 0; j < n; j++) {
            if (fjac[j + j * ld] == 0) continue;
            double sum = 0;
            for (int i = j; i < n; i++) sum += fjac[i + j * ld] * a.qtf[i];
            const double temp = -sum / fjac[j + j * ld];
            for (int i = j; i < n; i++) a.qtf[i] += fjac[i + j * ld] * temp;
        }
        sing = 0;
        for (int j = 0; j < n; j++) {
            int l = j;
            for (int i = 0; i < j; i++) {
                a.r[l] = fjac[i + j * ld];
                l += n - i - 1;
            }
            a.r[l] = a.wa1[j];
            if (a.wa1[j] == 0) sing = 1;
        }
        qform(n, n, fjac, ld, a.wa1);
        if (a.mode != 2)
            for (int j = 0; j < n; j++) a.diag[j] = std::max(a.diag[j], a.wa2[j]);

        for (;;) {
            if (a.nprint > 0) {
                iflag = 0;
                if ((*a.iter - 1) % a.nprint == 0) iflag = print();
                if (iflag < 0) goto terminate;
            }
            dogleg(n, a.r, a.lr, a.diag, a.qtf, delta, a.wa1, a.wa2, a.wa3);
            iflag = step(a.wa1);
            if (iflag < 0) goto terminate;
            for (int j = 0; j < n; j++) {
                a.wa1[j] = -a.wa1[j];
                a.wa2[j] = a.x[j] + a.wa1[j];
                a.wa3[j] = a.diag[j] * a.wa1[j];
            }
            const double pnorm = enorm(n, a.wa3);
            if (*a.iter == 1) delta = std::min(delta, pnorm);
            iflag = evaluate(a.wa2, a.wa4);
            ++*a.nfev;
            if (iflag < 0) goto terminate;
            const double fnorm1 = enorm(n, a.wa4);
            double actred = -1;
            if (fnorm1 < fnorm) actred = 1 - (fnorm1 / fnorm) * (fnorm1 / fnorm);
            int l = 0;
            for (int i = 0; i < n; i++) {
                double sum = 0;
                for (int j = i; j < n; j++) sum += a.r[l++] * a.wa1[j];
                a.wa3[i] = a.qtf[i] + sum;
            }
            const double temp = enorm(n, a.wa3);
            double prered = 0;
            if (temp < fnorm) prered = 1 - (temp / fnorm) * (temp / fnorm);
            const double ratio = prered > 0 ? actred / prered : 0;
            if (ratio < p1) {
                ncsuc = 0;
                ++ncfail;
                delta = p5 * delta;
            } else {
                ncfail = 0;
                ++ncsuc;
                if (ratio >= p5 || ncsuc > 1) delta = std::max(delta, pnorm / p5);
                if (std::fabs(ratio - 1) <= p1) delta = pnorm / p5;
            }
            if (ratio >= p0001) {
                for (int j = 0; j < n; j++) {
                    a.x[j] = a.wa2[j];
                    a.wa2[j] = a.diag[j] * a.x[j];
                    a.fvec[j] = a.wa4[j];
                }
                xnorm = enorm(n, a.wa2);
                fnorm = fnorm1;
                ++*a.iter;
            }
            ++nslow1;
            if (actred >= p001) nslow1 = 0;
            if (jeval) ++nslow2;
            if (actred >= p1) nslow2 = 0;
            if (delta <= a.xtol * xnorm || fnorm == 0) info = 1;
            if (info != 0) goto terminate;
            if (*a.iter >= a.maxfev) info = 2;
            if (p1 * std::max(p1 * delta, pnorm) <= epsmch * xnorm) info = 3;
            if (nslow2 == 5) info = 4;
            if (nslow1 == 10) info = 5;
            if (info != 0) goto terminate;
            if (ncfail == 2) break;
            for (int j = 0; j < n; j++) {
                double sum = 0;
                for (int i = 0; i < n; i++) sum += fjac[i + j * ld] * a.wa4[i];
                a.wa2[j] = (sum - a.wa3[j]) / pnorm;
                a.wa1[j] = a.diag[j] * (a.diag[j] * a.wa1[j] / pnorm);
                if (ratio >= p0001) a.qtf[j] = sum;
            }
            r1updt(n, n, a.r, a.lr, a.wa1, a.wa2, a.wa3, &sing);
            r1mpyq(n, n, fjac, ld, a.wa2, a.wa3);
            r1mpyq(1, n, a.qtf, 1, a.wa2, a.wa3);
            jeval = false;
        }
    }
terminate:
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
