// Reinforcing-bar tools: formulas that turn a required steel area into bar
// counts, spacings and diameters, and the dialog "Bew.fläche Stabstahl" in
// which the user adds up the area of bars of nine diameters. Lengths are in
// metres and areas in square metres (the dialog shows cm²).
#ifndef DIALOGS_REBAR_H
#define DIALOGS_REBAR_H

// The standard bar diameters in metres, ascending.
enum { BAR_DIAMETERS = 10 };
extern const double Bar_Diameters[BAR_DIAMETERS];

// The largest standard diameter smaller than x (0.032 above 0.032); -1 for
// x <= 0.006.
double Next_Smaller_Bar_Diameter(double x);
// a + b + d / 2 for n < 2, else a + b + d.
double Bar_Centre_Distance(double a, double b, int n, double d);
// ceil(As / (pi/4 d²)).
int Bars_for_Area(double As, double d);
// ceil((As - As0) / (d² |k| pi/4)); 0 for k = 0 (no bars carry a share of
// nothing) and for a result that is no number.
int Bars_for_Area_Rest(double As, double d, double k, double As0);
// The spacing (in m) for As per metre, rounded down to half centimetres;
// 0 for |As| < 1e-8.
double Bar_Spacing_for_Area(double As, double d);
// The first diameter index i whose n bars times k reach As (rounded to 6
// decimals); -1 when none does.
int Smallest_Diameter_for_Area(double As, int n, double k);
// The first count n = n0, n0 + 1, ... and within it index i = i1 .. i2 whose
// bars times k reach As; n and i are stored through the pointers and n is
// returned. -1 (nothing stored) when i1 > i2, an index lies outside the
// table, k < 1, As is not finite, or no count up to 100000 reaches As.
int Bars_and_Diameter_for_Area(double As, int n0, int i1, int i2, double k, int *n, int *i);
// round6(n pi/4 d²).
double Bar_Area(int n, double d);
// The larger of 0 and n pi/4 (sqrt(m) d)².
double Bundle_Area(int n, int m, double d);
// round6(d² pi/4 / As); 0 for |As| < 1e-8.
double Bar_Spacing_Rounded(double As, double d);
// The larger of trunc(L / s + 1) and 2.
int Bars_over_Length(double L, double s);
// With w = b - 2c - d: 0 when d + s > w, else trunc(w / (d + s)).
int Bar_Gaps_in_Width(double b, double c, double s, double d);
// 2 r sin(pi / n); 1e10 for n < 1.
double Bar_Chord_on_Circle(int n, double r);
// L / (n - 1); 1e10 for n < 2.
double Bar_Spacing_over_Length(int n, double L);
// trunc(pi / asin(s / 2r)).
int Bars_on_Circle(double s, double r);

// The dialog: nine count fields (6 to 28 mm, 0..99 bars with step buttons),
// the area of each and the total. Returns the total area in m², -1 when
// cancelled (the counts are kept for the next call). In batch mode -1 at
// once, with the title on stderr.
double Bar_Area_Dialog(void);
// The counts of the dialog (9), for the caller to preset or read.
double *Bar_Area_Dialog_Counts(void);

#endif
