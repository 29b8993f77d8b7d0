// rc_builder: a complete reinforced-concrete section from plain arrays: a
// concrete polygon (one area group) and reinforcing bars (one point group
// each).
#ifndef SECTION_RC_BUILDER_H
#define SECTION_RC_BUILDER_H

#include "section/section_model.h"

// With n > 2 the polygon arrays and the concrete curve are needed, with m > 0
// the bar arrays and the steel curve. Both curves are added as duplicates;
// a curve not needed and not given is the built-in "B25" or "BSt 500 SA". Null on a missing input or any failed step (nothing left
// allocated). The polygon should run counter-clockwise in (y, z), which
// gives the area its positive sign.
Querschnitt* Build_RC_Querschnitt(int number, int n, const double* y, const double* z, int m,
                                  const double* bar_y, const double* bar_z, const double* bar_area,
                                  const Spannungsdehnungslinie* concrete,
                                  const Spannungsdehnungslinie* steel);
// The built-in law of that name, else null.
const Spannungsdehnungslinie* Get_Builtin_Spannungsdehnungslinie(const char* name);

#endif
