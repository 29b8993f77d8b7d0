// The steel grades of the connection's materials under the code in force.
// EC 3 names a grade by the weld grade table, DIN 18800 by its own list of
// steels (the material's kind follows the code); a grade the DIN list lacks
// is checked under DIN 18800 as the steel the list takes for it. What the
// user chose under EC 3 comes back when EC 3 is chosen again.
#ifndef WELDAPP_CODE_MATERIALS_H
#define WELDAPP_CODE_MATERIALS_H

#include <string>
#include <vector>

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

// Forgets the grades kept: the record was replaced.
void Forget_Code_Materials(void);

#endif
