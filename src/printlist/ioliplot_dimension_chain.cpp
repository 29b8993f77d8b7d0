// Dimension chains from point lists.
//
// The points are pairs of doubles that Oli_Dimension_Point_Add allocates;
// once a chain writer has drawn them it owns them: it frees each and
// resets the list, so the caller collects the next chain in the same list.
#include <cmath>
#include <cstdlib>
#include <cstring>
#include <utility>
#include <vector>
#include <algorithm>

#include "base/geometry.h"
#include "base/ptrarr.h"
#include "base/vesk.h"
#include "printlist/ioliplot.h"
#include "printlist/ioliplot_dimension_chain.h"
#include "printlist/oli_checks.h"

namespace {

double* Point_At(PtrArr* list, int i) { return static_cast<double*>(PtrArr_Get(list, i)); }

// The dimension of one link in the writer of the unit.
double Segment(const char* unit, const double* p, const double* q, double h, double u, int mode) {
    if (unit && std::strcmp(unit, "cm") == 0) {
        if (u > -1e-5 && u < 1e-5) return 0.0;
        return Oli_Dimension_Line_Unit(mode, p[0], p[1], q[0], q[1], h, u);
    }
    if (unit && std::strcmp(unit, "mm") == 0) return Oli_Dimension_Line_cm(p[0], p[1], q[0], q[1], h, mode);
    return Oli_Dimension_Line_m(p[0], p[1], q[0], q[1], h);
}

void Free_Points(PtrArr* list) {
    for (int i = 0; i < PtrArr_Count(list); i++) Mem_Free(__FILE__, __LINE__, "null", PtrArr_Get(list, i));
    PtrArr_Reset(list);
}

// The checks of a chain before anything is drawn or freed.
bool Chain_Is_Sound(PtrArr* list, double h, double u, Oli_Input_Check& check) {
    check.Picture().Size(h).Number(u);
    for (int i = 0; check.Ok() && i < PtrArr_Count(list); i++) {
        const double* p = Point_At(list, i);
        if (!check.Require(p != nullptr, "Liste mit leerem Platz").Ok()) return false;
        check.Point(p[0], p[1]);
    }
    return check.Ok();
}

double Larger(double a, double b) { return b > a ? b : a; }

}  // namespace

int Oli_Dimension_Point_Add(PtrArr* list, double x, double y) {
    if (!list || !Oli_Input_Check("Oli_Dimension_Point_Add").Point(x, y).Ok()) return 0;
    double* p = static_cast<double*>(std::malloc(2 * sizeof(double)));
    if (!p) return 0;
    p[0] = x, p[1] = y;
    if (!PtrArr_Insert(list, PtrArr_Count(list), p)) {
        std::free(p);
        return 0;
    }
    return 1;
}

double Oli_Dimension_Chain_cm(PtrArr* list, const char* unit, double x0, double y0, double angle, double h, double u,
                              int mode) {
    if (!list || PtrArr_Count(list) < 2) return 0.0;
    Oli_Input_Check check("Oli_Dimension_Chain_cm");
    if (!check.Point(x0, y0).Number(angle, 1e6).Ok() || !Chain_Is_Sound(list, h, u, check)) return 0.0;
    double lx = x0, ly = y0;
    Transform_Points(&lx, &ly, 1, 0.0, 0.0, angle, 1.0);
    // Each point moved onto the line, and the points sorted by where they
    // stand along it (for a line along x, by x; a line at an angle would
    // otherwise have its points in no order at all).
    const int n = PtrArr_Count(list);
    std::vector<std::pair<double, void*>> along;
    for (int i = 0; i < n; i++) {
        double* p = Point_At(list, i);
        Transform_Points(&p[0], &p[1], 1, 0.0, 0.0, angle, 1.0);
        p[1] = ly;
        along.emplace_back(p[0], p);
        Inverse_Transform_Points(&p[0], &p[1], 1, 0.0, 0.0, angle, 1.0);
    }
    std::stable_sort(along.begin(), along.end(),
                     [](const std::pair<double, void*>& a, const std::pair<double, void*>& b) { return a.first < b.first; });
    for (int i = 0; i < n; i++) PtrArr_Set(list, i, along[static_cast<size_t>(i)].second);
    double result = 0.0;
    for (int i = 0; i + 1 < PtrArr_Count(list); i++)
        result = Larger(result, Segment(unit, Point_At(list, i), Point_At(list, i + 1), h, u, mode));
    Free_Points(list);
    return result;
}

double Oli_Dimension_Chain(PtrArr* list, const char* unit, int orientation, double c, double h, double u, int mode) {
    if (!list || PtrArr_Count(list) < 2 || orientation < 0 || orientation > 3) return 0.0;
    Oli_Input_Check check("Oli_Dimension_Chain");
    const bool along_x = orientation == 0 || orientation == 2;
    if (along_x) check.Point(0.0, c);
    else check.Point(c, 0.0);
    if (!check.Ok() || !Chain_Is_Sound(list, h, u, check)) return 0.0;
    static const PtrArr_Item_Compare kOrder[4] = {Oli_Compare_X_Desc, Oli_Compare_Y_Desc, Oli_Compare_X_Asc,
                                                  Oli_Compare_Y_Asc};
    PtrArr_Sort(list, kOrder[orientation]);
    double result = 0.0;
    const int k = along_x ? 0 : 1;
    for (int i = 0; i + 1 < PtrArr_Count(list); i++) {
        double* p = Point_At(list, i);
        double* q = Point_At(list, i + 1);
        const double d = q[k] - p[k];
        if (d > -1e-5 && d < 1e-5) continue;
        p[1 - k] = q[1 - k] = c;
        result = Larger(result, Segment(unit, p, q, h, u, mode));
    }
    Free_Points(list);
    return result;
}
