// Member force diagram in a print-list picture: the course of a bending
// moment, shear or normal force along one member, with the filled diagram
// area, value labels at the ends and at the extremes, sign circles, the
// member axis and the dashed fibre line.
#ifndef PRINTLIST_IOLIPLOT_FORCE_DIAGRAM_H
#define PRINTLIST_IOLIPLOT_FORCE_DIAGRAM_H

// A diagram of n stations along the member (x1, y1)-(x2, y2). The record
// owns its two arrays (blocks of the counted allocator of base/vesk.h).
struct OliForceDiagram {
    char name[12];          // free text, copied with the record
    int fill_pattern;       // 11; below 0: no fill record
    double x1, y1, x2, y2;  // member start and end, world
    int dashed_fibre;       // 1: draw the dashed fibre line
    int second_switch;      // 2; copied, not drawn
    int n;                  // stations
    double* positions;      // distance of each station from the start, world
    double* values;         // the force at each station
    double value_scale;     // world ordinate per unit of value, 1.0
    double label_offset;    // cm beyond the ordinate, 0.3
    int decimals;           // of the value labels, 2
    int side;               // not 0: positive values right of the member direction
};

// Defaults into the record; for n > 0 both arrays of n zeros, else none.
// The memory stop of the allocator ends the program when memory runs out.
void Oli_Force_Diagram_Init(OliForceDiagram* diagram, int n);
// Copies every field of src into dst, the arrays into dst's own (grown or
// freed as src's count asks).
void Oli_Force_Diagram_Copy(OliForceDiagram* dst, const OliForceDiagram* src);
// Frees both arrays and nulls them; the record itself stays.
void Oli_Force_Diagram_Free(OliForceDiagram* diagram);
// Draws the diagram into the open picture; nothing for a member shorter
// than 1 mm on paper. Refused with a message (oli_checks.h): no picture,
// no stations or arrays, a number that is not finite or an ordinate beyond
// 1 km of paper, decimals outside 0..10, a fill pattern above 64, a name
// without its end.
void Oli_Force_Diagram_Draw(const OliForceDiagram* diagram);

#endif
