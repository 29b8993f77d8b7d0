// Line models of the common sections for the thin-walled engine's tests:
// I (flanges b wide, centre lines h apart), channel (web on y = 0, flanges
// towards +y), angle (legs from the corner along +y and +z), rectangular
// tube (centred), plate (along y from the origin).
#ifndef TESTS_THINWALL_DWQB_SHAPES_H
#define TESTS_THINWALL_DWQB_SHAPES_H

#include "thinwall/dwqb.h"

// Nodes 1..3 along the top flange, 4..6 along the bottom one.
inline void Add_I_Nodes(double h, double b) {
    Add_DWQB_Node(1, -b / 2, h / 2);
    Add_DWQB_Node(2, 0, h / 2);
    Add_DWQB_Node(3, b / 2, h / 2);
    Add_DWQB_Node(4, -b / 2, -h / 2);
    Add_DWQB_Node(5, 0, -h / 2);
    Add_DWQB_Node(6, b / 2, -h / 2);
}

inline void Build_I(double h, double b, double tf, double tw) {
    Add_I_Nodes(h, b);
    Add_DWQB_Line_Constant_T(1, 1, 2, tf);
    Add_DWQB_Line_Constant_T(2, 2, 3, tf);
    Add_DWQB_Line_Constant_T(3, 4, 5, tf);
    Add_DWQB_Line_Constant_T(4, 5, 6, tf);
    Add_DWQB_Line_Constant_T(5, 5, 2, tw);
}

inline void Build_Channel(double h, double b, double tf, double tw) {
    Add_DWQB_Node(1, b, h / 2);
    Add_DWQB_Node(2, 0, h / 2);
    Add_DWQB_Node(3, 0, -h / 2);
    Add_DWQB_Node(4, b, -h / 2);
    Add_DWQB_Line_Constant_T(1, 1, 2, tf);
    Add_DWQB_Line_Constant_T(2, 2, 3, tw);
    Add_DWQB_Line_Constant_T(3, 3, 4, tf);
}

inline void Build_Angle(double b, double h, double t) {
    Add_DWQB_Node(1, b, 0);
    Add_DWQB_Node(2, 0, 0);
    Add_DWQB_Node(3, 0, h);
    Add_DWQB_Line_Constant_T(1, 1, 2, t);
    Add_DWQB_Line_Constant_T(2, 2, 3, t);
}

inline void Build_Tube(double b, double h, double t) {
    Add_DWQB_Node(1, -b / 2, -h / 2);
    Add_DWQB_Node(2, b / 2, -h / 2);
    Add_DWQB_Node(3, b / 2, h / 2);
    Add_DWQB_Node(4, -b / 2, h / 2);
    for (int k = 1; k <= 4; k++) Add_DWQB_Line_Constant_T(k, k, k % 4 + 1, t);
}

inline void Build_Plate(double length, double t) {
    Add_DWQB_Node(1, 0, 0);
    Add_DWQB_Node(2, length, 0);
    Add_DWQB_Line_Constant_T(1, 1, 2, t);
}

#endif
