// What the files of the scaled fillet-weld drawing share: the state of one
// drawing (the geometry, dimensions, extents, the outline arrays and what
// the screen back end draws) and the record writers of the plot text.
#ifndef DRAWINGS_KEHLNAHT_INTERNAL_H
#define DRAWINGS_KEHLNAHT_INTERNAL_H

#include <cstdio>

#include "profiles/geschweisster_anschluss.h"
#include "profiles/kehlnaht_geometry.h"

// Kinds of screen weld marks: beside a horizontal or vertical face from its
// start point, or the middle of an oblique face (shallow or steep).
enum { KEHLNAHT_MARK_H, KEHLNAHT_MARK_V, KEHLNAHT_MARK_SHALLOW, KEHLNAHT_MARK_STEEP };

struct Kehlnaht_Mark {
    int on;
    int kind;
    double x1, y1, x2, y2;  // start (the lower or left end) and end of the face, world mm
    double length;          // mm
    int side;               // +1 or -1: the side of the band in world terms
};

struct Kehlnaht_Label {
    int on;
    double x, y;    // world mm
    double angle;   // degrees, on screen
    const char *text;
};

// One drawing.
struct Kehlnaht_Context {
    const Kehlnaht_Geometry *g;   // what is drawn
    FILE *f;                      // plot stream, null: screen
    double h, b, t, s, r;         // dimensions of the record
    int catalogue;                // 1: a catalogue profile found in the profile file
    double toe_radius, root_fillet_end, web_tip_radius;  // its catalogue values
    int k1, k2;                   // and switches
    int all_round;
    double H, x_min, x_max, e;    // extents and plate margin
    double X[KEHLNAHT_POINTS], Y[KEHLNAHT_POINTS];    // outline, as the geometry's
    double XI[KEHLNAHT_POINTS], YI[KEHLNAHT_POINTS];  // bore of a tube
    int n, n_inner;               // points the screen draws of each
    double cx, cy;                // added to the points on screen (round shapes)
    Kehlnaht_Mark marks[ANSCHLUSS_WELD_POSITIONS + 1];
    Kehlnaht_Label labels[ANSCHLUSS_WELD_POSITIONS + 1];
    Kehlnaht_Label all_round_label;
    const char *name;             // catalogue name of the profile
    const char *title;            // screen title (mode 1)
};

// A pixel coordinate from a double, truncated toward zero; held within a
// million pixels, 0 for a value that is not a number.
int Kehlnaht_Trunc(double v);

// "18 n" and the n corners " %.2f %.2f" (x, y), each moved by (dx, dy);
// nothing for a null stream.
void Kehlnaht_Write_Points(FILE *f, int n, const double *x, const double *y, double dx = 0.0,
                           double dy = 0.0);

// Works out Anschluss_Colours on the first call of the run.
void Kehlnaht_Work_Out_Colours(void);

// 1 when weld position p (1..8) carries a weld.
int Kehlnaht_Carries(int p);

// Plot text: the seam of a weld all round (the outline offset by d), the
// section (" 21 1", "20 42", its corners), a label of a weld position and
// the label "aw" of a weld all round, each also noted for the screen with
// its screen angle. Nothing is written to a null stream.
void Kehlnaht_Seam(Kehlnaht_Context &c, int n, const double *x, const double *y, double d,
                   double dx = 0.0, double dy = 0.0);
void Kehlnaht_Section(Kehlnaht_Context &c, int n, const double *x, const double *y, double dx = 0.0,
                      double dy = 0.0);
void Kehlnaht_Position_Label(Kehlnaht_Context &c, int p, const char *angle, double x, double y,
                             double screen_angle);
void Kehlnaht_All_Round_Label(Kehlnaht_Context &c, const char *angle, double x, double y,
                              double screen_angle);

// A screen weld mark of position p along the face from (x1, y1) to
// (x2, y2), of the given length, on the side of the band.
void Kehlnaht_Note_Mark(Kehlnaht_Context &c, int p, int kind, double x1, double y1, double x2,
                        double y2, double length, double side);

// The families.
void Kehlnaht_Flat(Kehlnaht_Context &c);
void Kehlnaht_Round(Kehlnaht_Context &c, bool tube);
void Kehlnaht_Angle(Kehlnaht_Context &c);
void Kehlnaht_Tee(Kehlnaht_Context &c);
void Kehlnaht_Channel(Kehlnaht_Context &c);
void Kehlnaht_Rhs(Kehlnaht_Context &c);
void Kehlnaht_I(Kehlnaht_Context &c);

#endif
