// dwqb_results: walks over the result tree of a several-part calculation: the
// whole-section record, its parts, their line results and shear-line
// entries, visited through one record of optional callbacks; and the values
// that the line results hold along their lines.
//
// A distribution along a line is kept as six values: v(-1), v(+1) and four
// bubble values at s = -0.6, -0.2, 0.2, 0.6, each the deviation from the
// straight run between the two end values:
//   v(s) = ((1 - s) v(-1) + (1 + s) v(+1)) / 2 + (1 - s^2) B(s),
// B the cubic through the bubble values divided by 1 - s^2 at their points.
#ifndef THINWALL_DWQB_RESULTS_H
#define THINWALL_DWQB_RESULTS_H

#include <cstdint>

#include "thinwall/dwqb.h"

// Every callback may be null; one that returns 0 stops the walk. The data
// words are passed back unchanged.
struct DWQB_Result_Visitor {
    int (*on_section)(DWQB_Teil* head, void* data1);
    int (*on_part_begin)(DWQB_Teil* part, void* data2);
    int (*on_line)(DWQB_Linie* line, int32_t type, void* data3);
    int (*on_shear_entry)(DWQB_Schublinie* entry, void* data4);
    int (*on_part_end)(DWQB_Teil* part, void* data2);
    int (*on_section_end)(DWQB_Teil* head, void* data1);
    void* data1;
    void* data2;
    void* data3;
    void* data4;
};

// Visits DWQB_Aktueller_Teil. 0 without a head, for a head or part that is
// not of kind 3, or when a callback returned 0; else whether the section-end
// callback returned non-zero (1 without one).
int Walk_DWQB_Result(const DWQB_Result_Visitor* visitor);
// One part: part begin, its line results, its shear entries, part end. 0
// for a missing part or one not of kind 3, or when a callback returned 0.
int Walk_DWQB_Part(DWQB_Teil* part, const DWQB_Result_Visitor* visitor);

// Value of a six-value distribution at s.
double DWQB_Distribution_Value(const double* values, double s);
// Local thickness of a line at s, and its inverse (0 where t is 0).
double DWQB_Line_Thickness(const DWQB_Linie* line, double s);

// The five values of a line at s: the two unit shear flows (for V_y, V_z)
// turned by angle (plus the principal angle for axis_mode 1), the cell flow
// per unit torque, the open torsion term and 1/t. With stress set the first
// three are divided by t and the torsion term is t / I_T. Returns 1.
int Calc_DWQB_Line_Shear_Values(const DWQB_Linie* line, int axis_mode, double* out, double s, double angle, int stress);
// Least and greatest of the five values over n_samples points of every line
// (below 2: 11). Returns 1.
int Get_DWQB_Line_Extremes(int axis_mode, int n_samples, double* out_min, double angle, double* out_max, int stress);
// Least and greatest of the first count (at most 5) values that sample(line,
// s, v) puts into a zeroed v at n points s = -1 .. 1 of every line result
// (below 2: 11), or only of line number `line` when it is not 0; all 0
// without any line.
template <typename Sample>
void Walk_DWQB_Line_Samples(int line, int n, double* lo, double* hi, int count, Sample sample) {
    const DWQB_Teil* all = DWQB_Alle_Linien_Teil;
    bool first = true;
    for (int k = 0; k < count; k++) lo[k] = hi[k] = 0;
    if (n < 2) n = 11;
    for (int i = 0; all && i < all->n_members; i++) {
        const auto* r = static_cast<const DWQB_Linienergebnis*>(all->members[i]);
        if (!r || !r->line || (line != 0 && r->line->number != line)) continue;
        for (int k = 1; k <= n; k++) {
            double v[5] = {};
            sample(r->line, static_cast<double>(2 * k - n - 1) / (n - 1), v);
            for (int j = 0; j < count; j++) {
                if (first || v[j] < lo[j]) lo[j] = v[j];
                if (first || v[j] > hi[j]) hi[j] = v[j];
            }
            first = false;
        }
    }
}
// Warping values at s: the warping ordinate about the pole (y0, z0), moved
// by the centroid (pole_mode 1) or the shear centre (2); the pole; the
// warping distribution; 1/t. Normalised: the ordinate over I_w about the
// shear centre and the distribution times 1/t. Returns 1.
int Calc_DWQB_Line_Warping_Values(const DWQB_Linie* line, int pole_mode, double* out, double s, double y0, double z0,
                                  int normalised);
// Line callback of a warping-extremes walk: context is a
// DWQB_Warping_Extremes record.
struct DWQB_Warping_Extremes {
    int pole_mode, normalised, n_samples, first;
    double y0, z0;
    double min[5], max[5];
};
int Sample_DWQB_Line_Warping_Extremes(DWQB_Linie* line, int32_t type, void* context);
int Get_DWQB_Line_Kind(const DWQB_Linie* line);
// Code of a line in the shear-line order (Number_DWQB_Shear_Line_Callback),
// or 0; found gets 1 or 0.
int Find_DWQB_Line_Number_Code(int number, int* found);

#endif
