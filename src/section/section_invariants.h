// section_invariants: what must hold of a general section after every
// public entry point of the section engine (base/invariant.h): lists within
// their capacity, every element of its kind with an internal number given
// out by the section and unique in it, every reference (edge ends, curves,
// group members, a disc's centre, a curve's second curve) pointing at an
// element of the same section, finite coordinates, placement and member
// values, curves of at most SDL_SEGMENTE segments, and the edges of every
// area group forming closed outlines. A broken one ends the program.
#ifndef SECTION_SECTION_INVARIANTS_H
#define SECTION_SECTION_INVARIANTS_H

#include "section/section_model.h"

// Checks the section; nothing for null.
void Check_Querschnitt_Invariants(const Querschnitt* section);

#endif
