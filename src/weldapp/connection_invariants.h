// connection_invariants: what must hold of the connection record after
// every public entry point of the weld application (base/invariant.h): the
// welds within their slots, load cases present for their count, the
// governing case one of them (or -1), the maxima finite; and the models of
// the engines below (member checks, profile catalogue, thin-walled model),
// checked with it. A broken one ends the program.
#ifndef WELDAPP_CONNECTION_INVARIANTS_H
#define WELDAPP_CONNECTION_INVARIANTS_H

#include "weldapp/schweissnaht.h"

// Checks the record (nothing for null) and the engines' models.
void Check_Schweissnaht_Invariants(const SchweissnahtAnschluss* record);

#endif
