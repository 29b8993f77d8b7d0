// Distributed loads on a member, for models whose y axis points down: every
// y given is negated before it is drawn, so the member stands the right way
// up in the picture. Three draw the member, the load line at the load
// ordinates and a row of arrows from the load line onto the member
// (ordinates along global x, global y, or at right angles to the member);
// the fourth draws a load along the member axis as arrows lying on it. All
// lengths are world units: the caller scales the ordinates to drawable
// lengths.
//
// The arrows stand at stations L/300 (axial) or 0.005 L apart (n
// stations; a member shorter than one station spacing gets one, from end to
// end); each arrow is an element of its own. Refused with a message
// (oli_checks.h): no picture open, a point or ordinate that is not a
// finite number or beyond 1 km of paper, more than 1000 stations.
#ifndef PRINTLIST_IOLIPLOT_MEMBER_LOADS_H
#define PRINTLIST_IOLIPLOT_MEMBER_LOADS_H

// Member (x1, y1)-(x2, y2), ordinates q1 at the first and q2 at the second
// end.
void Oli_Member_Load_Axial(double x1, double y1, double x2, double y2, double q1, double q2);
void Oli_Member_Load_X(double x1, double y1, double x2, double y2, double q1, double q2);
void Oli_Member_Load_Y(double x1, double y1, double x2, double y2, double q1, double q2);
void Oli_Member_Load_Perpendicular(double x1, double y1, double x2, double y2, double q1, double q2);

#endif
