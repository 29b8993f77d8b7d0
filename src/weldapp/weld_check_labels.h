// The labels of the weld check's picture of its weld lines, placed
// together: every end point's number by its own end and line, every weld's
// name in a small box beside its line, none on another, none reading as
// another's.
//
// World coordinates of the overlay picture (mm); s is its scale (paper cm
// per mm), so that the rules below hold on paper whatever the size. The
// arrangement asks the picture writer what a place covers of what is
// already drawn (Oli_Label_Covered, Oli_Area_Covered): the overlay's lines
// and dots and the profile picture's texts and marks under it.
#ifndef WELDAPP_WELD_CHECK_LABELS_H
#define WELDAPP_WELD_CHECK_LABELS_H

#include <utility>
#include <vector>

// One label with the places it may take.
struct Check_Label {
    bool boxed = false;     // a weld's name in its box, else a point number
    char text[16] = {};
    double x = 0.0, y = 0.0;    // a number: its point; a name: its line's middle
    double hw = 0.0, hh = 0.0;  // half extent of its box
    // The middle of a place and what it costs by itself: what it covers,
    // what it adds for reading wrong, the squares of its distances from its
    // own point and from the nearest end point of any weld (numbers), and
    // its whole cost with the samples of the profile's area (worked out
    // when first asked; negative before).
    struct Place {
        double x, y, covered, extra, own2, end2, cost;
    };
    std::vector<Place> places;
    int at = 0;  // the place taken
    // Filled by the arrangement: the box holding every place, the farthest
    // a place stands from its point, the labels it can meet at all.
    double rx1 = 0.0, ry1 = 0.0, rx2 = 0.0, ry2 = 0.0, reach = 0.0;
    std::vector<int> neighbours;
};

// Whether a world point lies on the profile's hatched area.
using Check_Label_Inside = bool (*)(const void* context, double x, double y);

// The places of the number of the end point (x, y) of a weld line: (ux, uy)
// points from the point into its line (of paper length `len`), (nx, ny)
// away from the profile; `ends`: every end point of the picture;
// `letters`: the page boxes of the letters of the profile's marks under
// the overlay (XS_Plot_Mark_Letters), which a number keeps off as it keeps
// off another label.
Check_Label Check_Point_Number(double x, double y, double ux, double uy, double nx, double ny, double len,
                               int number, const std::vector<std::pair<double, double>>& ends,
                               const std::vector<double>& letters, double s);

// The places of a weld's name beside its line, whose middle is (mx, my),
// direction (ux, uy), normal away from the profile (nx, ny), world length
// `len`; `letters` as for a point number: a name on a mark's letter ("M"
// over the name of the flange weld beside the shear centre) reads as
// neither.
Check_Label Check_Weld_Name(double mx, double my, double ux, double uy, double nx, double ny, double len,
                            const char* text, const std::vector<double>& letters, double s);

// Every label at the place that costs least beside the others. `order`:
// the labels in the order they are first placed.
void Arrange_Check_Labels(std::vector<Check_Label>& labels, const std::vector<int>& order, double s,
                          Check_Label_Inside inside, const void* context);

#endif
