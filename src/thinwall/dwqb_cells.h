// dwqb_cells: the closed-cell equations of the thin-walled model (cell buffer,
// cell walks, Gauss elimination), the cycle lists of the one-part
// calculation, the order of lines around a node and the plate runs (collinear
// chains of lines with their free and supported ends).
#ifndef THINWALL_DWQB_CELLS_H
#define THINWALL_DWQB_CELLS_H

#include <cstdint>

#include "section/nonlinear_solver.h"
#include "thinwall/dwqb.h"

// ---- Cell buffer ---------------------------------------------------------

struct DWQB_Zellen_Eintrag {
    DWQB_Linie* key;   // first line of the cell's outline
    int32_t flags;     // side bits of the outline's start (DWQB_SIDE_STARTED) and DWQB_SIDE_CELL
};

// One allocation: the cell entries, then the n x n matrix, then three
// right-hand-side columns of n values. Matrix and columns sit behind the
// current n entries, so every cell is registered before assembly.
struct DWQB_Zellen_Puffer {
    int32_t n;
    int32_t capacity;
    DWQB_Zellen_Eintrag* entries;
    double* matrix;
    double* rhs[3];
};
extern DWQB_Zellen_Puffer DWQB_Zellen;

// Registers one more cell with its key and flags; 0 when memory runs out
// (buffer and count are then unchanged).
int REALLOC_DWQB_CELLS_BUFFER(DWQB_Linie* key, int flags);
// Forgets the registered cells (the buffer is kept).
void Reset_DWQB_Cells(void);

struct DWQB_Cell_Callbacks {
    int (*begin)(DWQB_Linie* key, uint32_t flags, void* user);
    int (*line)(DWQB_Linie* line, int side, DWQB_Linie* key, uint32_t flags, void* user);
    int (*end)(DWQB_Linie* key, uint32_t flags, void* user);
    void* user;
};
// For each closed cell among lines[0..count): begin, every line side that
// bounds it, end. Any callback returning 0 stops the walk with 0; else 1.
int Walk_DWQB_Cell_Lines(DWQB_Linie** lines, int count, DWQB_Linie* key, uint32_t flags,
                         const DWQB_Cell_Callbacks* cb);
// The same over every closed cell of a part (its members are line results).
int Walk_DWQB_Cells(DWQB_Teil* part, const DWQB_Cell_Callbacks* cb);

// Zeroes the matrix and the three columns of the registered cells.
void Clear_DWQB_Cell_System(void);
// Line callbacks of the two cell systems, for one side of a line that bounds
// a registered cell, with the terms of the line's result (lines without one
// are passed over). Shear: the cell's diagonal and its coupling with a cell
// on the line's other side get the integral of ds/t, the first column the
// open-flow term. Warping: the same matrix, the three columns the two
// open-flow terms and the drop of omega along the line. The right side of a
// line counts +1, the left side -1; the two sides of one line couple with
// -1. All return 1.
int Add_DWQB_Cell_Shear_Terms(DWQB_Linie* line, int side, DWQB_Linie* key, uint32_t flags, void* user);
int Add_DWQB_Cell_Warping_Terms(DWQB_Linie* line, int side, DWQB_Linie* key, uint32_t flags, void* user);
// Spread the solved circulations back onto the line: +1 from a cell on its
// left side, -1 from one on its right side, to the start and end values of
// each case; the third case also corrects the warping value by the length
// over thickness. The shear variant adds the first column to the first case.
int Apply_DWQB_Cell_Warping_Solution(DWQB_Linie* line, int side, DWQB_Linie* key, uint32_t flags, void* user);
int Apply_DWQB_Cell_Shear_Solution(DWQB_Linie* line, int side, DWQB_Linie* key, uint32_t flags, void* user);

// ---- Linear solver -------------------------------------------------------

// Gauss elimination without pivoting on the row-major n x n matrix, for 1 to
// 3 right-hand sides. A zero pivot skips its column and gives 0 in the
// solution. The matrix is destroyed.
void Solve_DWQB_Linear(double* matrix, double* rhs1, double* rhs2, double* rhs3, int n, int n_rhs);
void Solve_DWQB_Linear_1(double* matrix, double* rhs, int n);

// ---- Cycle lists of the one-part calculation ------------------------------

// One element of a cell's boundary: the node pair passed from a to b and the
// line that joins them (null when none was found).
struct DWQB_Zelle {
    DWQB_Knoten* a;
    DWQB_Knoten* b;
    DWQB_Linie* line;
    DWQB_Zelle* prev;
    DWQB_Zelle* next;
};
enum { DWQB_MAX_CELL_LISTS = 100 };
extern DWQB_Zelle* DWQB_Zellen_Listen[DWQB_MAX_CELL_LISTS];
extern int DWQB_Anzahl_Zellen_Listen;
// Recycled element, or null when memory runs out.
DWQB_Zelle* New_DWQB_Zelle(void);
// Gives every list back to the free list; the list count becomes 0.
void Free_DWQB_Zellen_Listen(void);
// Sets the iterator on a list; index below 0 walks every line of the list,
// else only the lines that also lie in list number index.
void Start_DWQB_Cycle(DWQB_Zelle* list, int index);
// The next line of the iteration and its sign, or null at the end.
DWQB_Linie* Next_DWQB_Cycle_Line(int* sign);

// ---- Lines around a node, plate runs -------------------------------------

// qsort order of lines (DWQB_Linie* elements) by leaving direction at the
// node set with Set_DWQB_Angle_Node.
void Set_DWQB_Angle_Node(const DWQB_Knoten* node);
int Cmp_DWQB_Line_Angle(const void* a, const void* b);
// First line at node, other than skip and not joining the nodes a and b,
// whose direction is within 0.1 rad of that of a - b (either sense).
DWQB_Linie* Find_DWQB_Collinear_Line(DWQB_Knoten* a, DWQB_Knoten* b, DWQB_Linie* skip, DWQB_Knoten* node);
// Finds the plate runs and writes their values into every line. With the
// skip flag lines of kind 1 stay out and supported ends are reduced by the
// outlines; the min flag takes the smaller reduction. Returns 0.
int Calc_DWQB_Plate_Runs(int skip, int min);


// ---- Fillet equations and shear-line numbers -----------------------------

// The two fillet equations and their Jacobian, installed by the outline
// construction before it asks for a fillet.
extern nlsolve::Hybrj_Fcn DWQB_Fillet_Equations;
// Solves the fillet equations from (x1_start, x2_start) with the tolerance
// 0.001 sqrt(scale2) in at most 50 iterations. 1 when the solver converged or
// the equations stopped it themselves; only then x1 and x2 are written.
int Solve_DWQB_Fillet(double* x1, double* x2, double x1_start, double x2_start, double scale2);

struct DWQB_Shear_Line_Number {
    const DWQB_Linie* line;   // the line looked for
    int count;                // entries passed so far
    int code;                 // position + 1, +1000 chain start, +2000 chain
                              // end, +10000 cell cut; negative when backwards
    int sign;                 // +1 forwards, -1 backwards
};
// Shear-entry callback: 0 (stop) at the entry of the line looked for, with
// its code and sign in the context; else counts the entry and returns 1.
int Number_DWQB_Shear_Line_Callback(const DWQB_Schublinie* entry, DWQB_Shear_Line_Number* context);

#endif
