// What DIN 18800 takes of the typed-in section of the input page: one value
// for both flanges. The profile register keeps what was typed under EC 3
// (profile_register.h); the page names what DIN 18800 does not take, at the
// switch and at the save.
#ifndef WELDAPP_TYPED_SECTION_H
#define WELDAPP_TYPED_SECTION_H

#include <string>
#include <vector>

#include "profiles/stahlprofil.h"

// Under DIN 18800 (ec 0) the refresh gives the typed-in profile one value
// for both flanges (an angle one thickness for both legs); when the code
// has just become DIN 18800 (was_ec 1) a box names every value typed under
// EC 3 that changed so, and says that EC 3 gives them back (the profile
// register keeps them). Nothing under EC 3 and for null.
void Keep_Typed_Section(Stahlprofil* p, int ec, int was_ec);

// The lines the save's box adds for what the input file does not hold of
// the typed-in section: under DIN 18800 the values typed under EC 3 that
// the file holds as the upper flange's ("bfu 200.0 mm"), with the head
// line; empty when there are none, and for null.
std::vector<std::string> Typed_Section_Omissions(const Stahlprofil* p, int ec);

// Forgets what was typed: the record was replaced.
void Forget_Typed_Section(void);

#endif
