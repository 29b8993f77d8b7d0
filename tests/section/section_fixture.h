// Small sections for the tests of the section model: polygons as area
// groups and bilinear steel laws, built through the public operations.
#ifndef TESTS_SECTION_SECTION_FIXTURE_H
#define TESTS_SECTION_SECTION_FIXTURE_H

#include <vector>

#include "section/section_model.h"
#include "section/stress_strain.h"

namespace section_fixture {

// Adds a curve with the parameters to q and returns it.
inline Spannungsdehnungslinie* Add_Law(Querschnitt* q, int typ,
                                      const Spannungsdehnungslinie_Parameter& p) {
    Spannungsdehnungslinie* c = New_Spannungsdehnungslinie(1, typ, "law", &p);
    Add_Spannungsdehnungslinie(q, c);
    return c;
}

// Bilinear steel without hardening: E 210000 N/mm², f_d, eps_u 150 ‰.
inline Spannungsdehnungslinie* Add_Steel(Querschnitt* q, double f_d) {
    Spannungsdehnungslinie_Parameter p;
    Calc_Stahl_Bilinear_Parameter(210000, f_d, 0, 0, &p);
    return Add_Law(q, SDL_STAHL, p);
}

// Area group of the polygon (y[i], z[i]) in the given order on curve c.
inline Querschnittsgruppe* Add_Polygon(Querschnitt* q, Spannungsdehnungslinie* c,
                                       const std::vector<double>& y, const std::vector<double>& z) {
    Querschnittsgruppe* g = New_Querschnittsgruppe_Flaeche(1, c);
    Add_Querschnittsgruppe(q, g);
    std::vector<Querschnittsknoten*> nodes;
    for (size_t i = 0; i < y.size(); ++i) {
        nodes.push_back(New_Querschnittsknoten(int(i) + 1, y[i], z[i]));
        Add_Querschnittsknoten(q, nodes.back());
    }
    for (size_t i = 0; i < nodes.size(); ++i) {
        Querschnittskante* e = New_Querschnittskante(int(i) + 1, nodes[i], nodes[(i + 1) % nodes.size()], 0);
        Add_Querschnittskante(q, e);
        Add_Kante_To_Flaeche(g, e);
    }
    return g;
}

// Rectangle b x h about the origin, counter-clockwise in (y, z).
inline Querschnittsgruppe* Add_Rectangle(Querschnitt* q, Spannungsdehnungslinie* c, double b,
                                         double h) {
    return Add_Polygon(q, c, {-b / 2, b / 2, b / 2, -b / 2}, {-h / 2, -h / 2, h / 2, h / 2});
}

}  // namespace section_fixture

#endif
