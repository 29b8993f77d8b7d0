// Stub bodies; replaced by the real implementation.
#include "base/rounding.h"

double Round_To_Decimals(double /*x*/, int /*n*/) { return 0.0; }
int Compare_Doubles_Asc(const void* /*a*/, const void* /*b*/) { return 0; }
int Compare_Doubles_Desc(const void* /*a*/, const void* /*b*/) { return 0; }
int Compare_Indexed_Doubles_Asc(const void* /*a*/, const void* /*b*/) { return 0; }
int Compare_Indexed_Doubles_Desc(const void* /*a*/, const void* /*b*/) { return 0; }
int Compare_Indexed_Ints_Asc(const void* /*a*/, const void* /*b*/) { return 0; }
int Compare_Indexed_Ints_Desc(const void* /*a*/, const void* /*b*/) { return 0; }
void Sort_Index_Ascending(const double* /*values*/, int* /*index*/, int /*n*/) {  }
void Sort_Index_By_Value(int /*n*/, const double* /*values*/, int* /*index*/, int /*ascending*/) {  }
void Sort_Index_By_Int(int /*n*/, const int* /*values*/, int* /*index*/, int /*ascending*/) {  }
void Sort_Doubles(int /*n*/, double* /*values*/, int /*ascending*/) {  }
int Sort_Unique_Doubles(int /*n*/, double* /*values*/, int /*ascending*/, int /*decimals*/) { return 0; }
void Sort_Pairs_By_Value(int /*n*/, double* /*a*/, int /*ascending*/, double* /*b*/, int /*tie*/, int /*decimals*/) {  }
void Swap_Doubles(double* /*a*/, double* /*b*/) {  }
int Index_Of_Extreme(int /*n*/, const double* /*values*/, int /*flag*/) { return 0; }
double Power_Positive(double /*x*/, double /*p*/) { return 0.0; }
double ITools_Interpolate(int /*n*/, const double* /*x*/, const double* /*y*/, double /*x0*/) { return 0.0; }
