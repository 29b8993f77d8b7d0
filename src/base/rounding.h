// Number rounding for everything the system prints, qsort comparisons with
// a tolerance of 1e-5, index sorts that leave the data in place, sorting
// with removal of near-duplicates, joint sorting of two arrays, extremes, a
// guarded power and linear interpolation in an unsorted table.
//
// The index sorts keep the value array in a process-wide sort context that
// the Compare_Indexed_* functions read; none of the sorts is re-entrant.
#ifndef BASE_ROUNDING_H
#define BASE_ROUNDING_H

// x rounded to n decimals, halves upward (0.125 -> 0.13, -2.5 -> -2). A
// negative n counts as 0. Never fails.
double Round_To_Decimals(double x, int n);

// x for a print with n decimals ("%.nf"): +0 where that print shows zero,
// so that -0.004 prints "0.00" and -0.0 "0.0", never with a sign; x
// itself otherwise (also a NaN). A negative n counts as 0. Never fails.
double Unsigned_Zero(double x, int n);

// Every class and acceptance limit of the checks compares through this: a
// value within LIMIT_TOLERANCE of the limit, relative to the limit's
// magnitude, counts as equal to it, so that a value computed on the limit
// (c/t = 72 epsilon with epsilon 0.99999999999999994, M = M_pl) is not put
// on its wrong side by the last bits of its rounding. -1 below, 0 at, 1
// above the limit. A NaN value compares as above. Never fails.
#define LIMIT_TOLERANCE 1e-9
int Compare_To_Limit(double value, double limit);

// qsort comparisons of doubles: 0 when the difference lies strictly within
// 1e-5, else 1 or -1 for the order.
int Compare_Doubles_Asc(const void* a, const void* b);
int Compare_Doubles_Desc(const void* a, const void* b);

// The same for the values at two indices of the sort context's array.
int Compare_Indexed_Doubles_Asc(const void* a, const void* b);
int Compare_Indexed_Doubles_Desc(const void* a, const void* b);
int Compare_Indexed_Ints_Asc(const void* a, const void* b);
int Compare_Indexed_Ints_Desc(const void* a, const void* b);

// Fills index with 0..n-1 ordered ascending by values (values untouched).
void Sort_Index_Ascending(const double* values, int* index, int n);

// The same, ascending when ascending is non-zero, else descending.
void Sort_Index_By_Value(int n, const double* values, int* index, int ascending);
void Sort_Index_By_Int(int n, const int* values, int* index, int ascending);

// Sorts the doubles in place.
void Sort_Doubles(int n, double* values, int ascending);

// Sorts in place and removes near-duplicates (equal at the given decimals
// to the value before them in the sorted order); returns the new count, 0
// for n below 1.
int Sort_Unique_Doubles(int n, double* values, int ascending, int decimals);

// Sorts a and b together by a; with tie above 0, runs of entries whose
// a-values are equal at the given decimals are ordered ascending by b.
void Sort_Pairs_By_Value(int n, double* a, int ascending, double* b, int tie, int decimals);

void Swap_Doubles(double* a, double* b);

// Index of the first largest (flag non-zero) or smallest (flag 0) value; 0
// for n below 2.
int Index_Of_Extreme(int n, const double* values, int flag);

// 0 when x <= 0; x*x when p is exactly 2; else pow(x, p).
double Power_Positive(double x, double p);

// The y at x0 on the polyline through the points taken in ascending order
// of x, extrapolating outside; 0 for n below 1, y[0] for n = 1; +-1e100 on a
// vertical segment with differing ordinates.
double ITools_Interpolate(int n, const double* x, const double* y, double x0);

#endif
