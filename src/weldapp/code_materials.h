// The steel grades of the connection's materials under the code in force.
// EC 3 names a grade by the weld grade table, DIN 18800 by its own list of
// steels (the material's kind follows the code); a grade the DIN list lacks
// is checked under DIN 18800 as the steel the list takes for it. What the
// user chose under EC 3 comes back when EC 3 is chosen again.
#ifndef WELDAPP_CODE_MATERIALS_H
#define WELDAPP_CODE_MATERIALS_H

#include <string>
#include <vector>

#include "codes/material.h"

struct SchweissnahtAnschluss;

// The code setting into the kind of the connection material, the profile's
// material and the plate's. A material whose kind changes has its grade
// carried over as the same steel; under DIN 18800 a grade the list lacks
// becomes the steel the list takes for it, and a box names every grade
// whose name changes so. Back under EC 3, a grade left as DIN 18800 took it
// is the one chosen under EC 3 again. Nothing for null.
void Follow_Code_In_Materials(SchweissnahtAnschluss* r);

// The save box's lines for the grades chosen under EC 3 that the file holds
// as DIN 18800 takes them, with their head line; empty when there are none.
std::vector<std::string> Code_Material_Omissions(const SchweissnahtAnschluss* r);

// Material k of the record (0 the connection's, 1 the profile's, 2 the
// plate's) as its input file holds it (Material_Params_As_Filed); but a
// grade of the weld grade table that DIN 18800 took as the entry of its
// list that the material still holds is filed as itself where the table
// has no strengths for some of its thicknesses: every run of the file
// then refuses a part beyond them, as the window does. r must not be null.
Materialparameter_Record Filed_Material(const SchweissnahtAnschluss* r, int k);
// The record's materials as its input file holds them: an evaluation of
// the window's record gives the answer of every later run of its file.
// True when a material changed its kind or grade (its values then wait for
// the next refresh); false for null.
bool Materials_As_Filed(SchweissnahtAnschluss* r);

// Forgets the grades kept: the record was replaced.
void Forget_Code_Materials(void);

#endif
