// Rounding of printed numbers, tolerant comparison and sorting. See
// rounding.h for the contracts.
//
// All sorts here are stable merge sorts: the tolerant comparisons are not a
// strict order (1.0 ~ 1.000009 ~ 1.000018, yet 1.0 < 1.000018), and a merge
// never reads outside its array whatever the comparison answers, while
// keeping entries that compare equal in their given order.
#include "base/rounding.h"

#include <cassert>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <new>
#include <vector>

static const double kPowersOfTen[19] = {1e0,  1e1,  1e2,  1e3,  1e4,  1e5,  1e6,
                                        1e7,  1e8,  1e9,  1e10, 1e11, 1e12, 1e13,
                                        1e14, 1e15, 1e16, 1e17, 1e18};
static const double kTolerance = 1e-5;

// Beyond this many decimals no double changes any more.
enum { MAX_PRINTED_DECIMALS = 340 };

double Unsigned_Zero(double x, int n) {
    // A value of magnitude 1 or more never prints as zero; the rest are
    // judged by their print itself, which rounds as every report does.
    if (!(x < 0.0)) return x + 0.0;  // -0.0 becomes +0.0
    if (x <= -1.0) return x;
    char text[MAX_PRINTED_DECIMALS + 8];  // "-0." and the decimals of a magnitude below 1
    std::snprintf(text, sizeof text, "%.*f", n < 0 ? 0 : n > MAX_PRINTED_DECIMALS ? MAX_PRINTED_DECIMALS : n, x);
    for (const char* c = text + 1; *c; ++c)
        if (*c != '0' && *c != '.') return x;
    return 0.0;
}

double Round_To_Decimals(double x, int n) {
    if (n < 0) n = 0;
    if (n <= 13) {
        const long double f = kPowersOfTen[n];
        return static_cast<double>(std::floor(static_cast<long double>(x) * f + 0.5L) / f);
    }
    if (n > MAX_PRINTED_DECIMALS) n = MAX_PRINTED_DECIMALS;
    // Rounding through the printed form; the buffer is sized to the text.
    const double shifted = x + std::pow(10.0, -6.0 - n);
    const int needed = std::snprintf(nullptr, 0, "%.*f", n, shifted);
    if (needed < 0) return x;
    try {
        std::vector<char> text(static_cast<size_t>(needed) + 1);
        std::snprintf(text.data(), text.size(), "%.*f", n, shifted);
        return std::strtod(text.data(), nullptr);
    } catch (const std::bad_alloc&) {
        return x;
    }
}

// -1, 0 or 1 for a below, within the tolerance of, or above b.
static int Tolerant_Order(double a, double b) {
    const double d = a - b;
    if (d > -kTolerance && d < kTolerance) return 0;
    return d > 0 ? 1 : -1;
}

int Compare_To_Limit(double value, double limit) {
    const double band = LIMIT_TOLERANCE * std::fabs(limit);
    if (value < limit - band) return -1;
    if (value <= limit + band) return 0;
    return 1;
}

int Compare_Doubles_Asc(const void* a, const void* b) {
    return Tolerant_Order(*static_cast<const double*>(a), *static_cast<const double*>(b));
}

int Compare_Doubles_Desc(const void* a, const void* b) {
    return -Tolerant_Order(*static_cast<const double*>(a), *static_cast<const double*>(b));
}

// The sort context: the value array the indexed comparisons read.
static const double* s_sort_doubles;
static const int* s_sort_ints;

int Compare_Indexed_Doubles_Asc(const void* a, const void* b) {
    assert(s_sort_doubles);
    return Tolerant_Order(s_sort_doubles[*static_cast<const int*>(a)],
                          s_sort_doubles[*static_cast<const int*>(b)]);
}

int Compare_Indexed_Doubles_Desc(const void* a, const void* b) {
    return -Compare_Indexed_Doubles_Asc(a, b);
}

int Compare_Indexed_Ints_Asc(const void* a, const void* b) {
    assert(s_sort_ints);
    const int x = s_sort_ints[*static_cast<const int*>(a)];
    const int y = s_sort_ints[*static_cast<const int*>(b)];
    return x < y ? -1 : (x > y ? 1 : 0);
}

int Compare_Indexed_Ints_Desc(const void* a, const void* b) {
    return -Compare_Indexed_Ints_Asc(a, b);
}

typedef int (*Comparison)(const void*, const void*);

// Stable sort of n elements with a qsort comparison. Falls back to an
// insertion sort (no storage) when the work array cannot be had.
template <typename T>
static void Stable_Sort(T* a, int n, Comparison cmp) {
    if (n < 2) return;
    std::vector<T> work;
    try {
        work.resize(static_cast<size_t>(n));
    } catch (const std::bad_alloc&) {
        for (int i = 1; i < n; ++i) {
            const T v = a[i];
            int j = i;
            for (; j > 0 && cmp(&v, &a[j - 1]) < 0; --j) a[j] = a[j - 1];
            a[j] = v;
        }
        return;
    }
    T* from = a;
    T* to = work.data();
    for (int width = 1; width < n; width *= 2) {
        for (int lo = 0; lo < n; lo += 2 * width) {
            const int mid = lo + width < n ? lo + width : n;
            const int hi = lo + 2 * width < n ? lo + 2 * width : n;
            int i = lo, j = mid, k = lo;
            while (i < mid && j < hi) to[k++] = cmp(&from[j], &from[i]) < 0 ? from[j++] : from[i++];
            while (i < mid) to[k++] = from[i++];
            while (j < hi) to[k++] = from[j++];
        }
        T* t = from;
        from = to;
        to = t;
    }
    if (from != a)
        for (int i = 0; i < n; ++i) a[i] = from[i];
}

static void Sort_Index_Doubles(int n, const double* values, int* index, Comparison cmp) {
    if (n < 1 || !values || !index) return;
    for (int i = 0; i < n; ++i) index[i] = i;
    s_sort_doubles = values;
    Stable_Sort(index, n, cmp);
    s_sort_doubles = nullptr;
}

void Sort_Index_Ascending(const double* values, int* index, int n) {
    Sort_Index_Doubles(n, values, index, Compare_Indexed_Doubles_Asc);
}

void Sort_Index_By_Value(int n, const double* values, int* index, int ascending) {
    Sort_Index_Doubles(n, values, index,
                       ascending ? Compare_Indexed_Doubles_Asc : Compare_Indexed_Doubles_Desc);
}

void Sort_Index_By_Int(int n, const int* values, int* index, int ascending) {
    if (n < 1 || !values || !index) return;
    for (int i = 0; i < n; ++i) index[i] = i;
    s_sort_ints = values;
    Stable_Sort(index, n, ascending ? Compare_Indexed_Ints_Asc : Compare_Indexed_Ints_Desc);
    s_sort_ints = nullptr;
}

void Sort_Doubles(int n, double* values, int ascending) {
    if (n < 2 || !values) return;
    Stable_Sort(values, n, ascending ? Compare_Doubles_Asc : Compare_Doubles_Desc);
}

int Sort_Unique_Doubles(int n, double* values, int ascending, int decimals) {
    if (n < 1 || !values) return 0;
    Sort_Doubles(n, values, ascending);
    int kept = 1;
    double before = values[0];
    for (int i = 1; i < n; ++i) {
        const double v = values[i];
        if (Round_To_Decimals(std::fabs(v - before), decimals) != 0.0) values[kept++] = v;
        before = v;
    }
    return kept;
}

void Sort_Pairs_By_Value(int n, double* a, int ascending, double* b, int tie, int decimals) {
    if (n < 1 || !a || !b) return;
    try {
        std::vector<int> index(static_cast<size_t>(n));
        Sort_Index_By_Value(n, a, index.data(), ascending);
        if (tie > 0) {
            int i = 0;
            while (i < n - 1) {
                int k = 1;
                int last = index[i];
                while (i + k < n &&
                       Round_To_Decimals(std::fabs(a[index[i + k]] - a[last]), decimals) == 0.0) {
                    last = index[i + k];
                    ++k;
                }
                if (k == 1) {
                    ++i;
                    continue;
                }
                s_sort_doubles = b;
                Stable_Sort(&index[i], k, Compare_Indexed_Doubles_Asc);
                s_sort_doubles = nullptr;
                i += k - 1;
            }
        }
        std::vector<double> sorted_a(static_cast<size_t>(n)), sorted_b(static_cast<size_t>(n));
        for (int i = 0; i < n; ++i) {
            sorted_a[i] = a[index[i]];
            sorted_b[i] = b[index[i]];
        }
        for (int i = 0; i < n; ++i) {
            a[i] = sorted_a[i];
            b[i] = sorted_b[i];
        }
    } catch (const std::bad_alloc&) {
        // Without working storage both arrays stay as they were.
    }
}

void Swap_Doubles(double* a, double* b) {
    assert(a && b);
    const double t = *a;
    *a = *b;
    *b = t;
}

int Index_Of_Extreme(int n, const double* values, int flag) {
    if (n < 2 || !values) return 0;
    int best = 0;
    for (int i = 1; i < n; ++i) {
        if (flag ? values[i] > values[best] : values[i] < values[best]) best = i;
    }
    return best;
}

double Power_Positive(double x, double p) {
    if (x <= 0.0) return 0.0;
    if (p == 2.0) return x * x;
    return std::pow(x, p);
}

double ITools_Interpolate(int n, const double* x, const double* y, double x0) {
    if (n < 1 || !x || !y) return 0.0;
    if (n == 1) return y[0];
    std::vector<int> order;
    try {
        order.resize(static_cast<size_t>(n));
    } catch (const std::bad_alloc&) {
        return 0.0;
    }
    int* idx = order.data();
    Sort_Index_Ascending(x, idx, n);
    // Points on one abscissa keep the order they had in the table.
    for (int p = 0; p + 1 < n; ++p) {
        if (Round_To_Decimals(std::fabs(x[idx[p]] - x[idx[p + 1]]), 4) == 0.0 && idx[p] > idx[p + 1]) {
            const int t = idx[p];
            idx[p] = idx[p + 1];
            idx[p + 1] = t;
        }
    }
    int seg = n - 2;
    if (x0 <= x[idx[0]]) {
        seg = 0;
    } else {
        for (int s = 0; s + 1 < n; ++s) {
            if (x[idx[s]] <= x0 && x0 <= x[idx[s + 1]]) {
                seg = s;
                break;
            }
        }
    }
    const double xa = x[idx[seg]], ya = y[idx[seg]];
    const double xb = x[idx[seg + 1]], yb = y[idx[seg + 1]];
    if (xa != xb) {
        const double slope = (yb - ya) / (xb - xa);
        return ya + slope * (x0 - xa);
    }
    if (ya == yb) return yb;
    return x0 >= 0.0 ? 1e100 : -1e100;
}
