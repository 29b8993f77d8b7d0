// dwqb_invariants: what must hold of the one thin-walled model after every
// public entry point of the thin-walled engine (base/invariant.h).
//
// The store: node and line lists doubly linked without a cycle, first and
// last ends right; line ends null or nodes of the list, each node used at
// least as often as lines end at it; finite coordinates and thicknesses;
// cell count, table snapshot and working cell count within their capacity.
// The results of the last several-part calculation: members present and of
// a known kind, every line result and its line referring to each other.
// The cached general sections (and the plastic run, which reduces the
// curves of the first one in place): general-section invariants with closed
// plate outlines and finite curve parameters. A broken one ends the program.
#ifndef THINWALL_DWQB_INVARIANTS_H
#define THINWALL_DWQB_INVARIANTS_H

void Check_DWQB_Invariants(void);

#endif
