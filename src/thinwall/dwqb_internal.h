// State of the thin-walled model that the engine's own modules share: the
// node and line lists, the working values of the last calculation and the
// record allocator. Not for callers outside src/thinwall.
#ifndef THINWALL_DWQB_INTERNAL_H
#define THINWALL_DWQB_INTERNAL_H

#include <cstddef>

#include "thinwall/dwqb.h"

struct DWQB_Model_Store {
    DWQB_Knoten* first_node;
    DWQB_Knoten* last_node;
    DWQB_Linie* first_line;
    DWQB_Linie* last_line;
    DWQB_Knoten* free_nodes;   // singly linked through next
    DWQB_Linie* free_lines;
};
extern DWQB_Model_Store dwqb_model;

// Working values of the last calculation: the thin-walled area, centroid and
// second moments about the origin (integral of z^2, y^2, yz), principal axes,
// torsion and warping constants and shear centre.
struct DWQB_Arbeitswerte {
    double a, y_c, z_c;
    double i_yy, i_zz, i_yz;          // thin-walled, about the centroid
    double alpha, i_xi, i_eta;
    double i_t, i_w;
    double y_m, z_m;
    double wagner_xi, wagner_eta;
    double omega_moment;               // warping moment about the centroid
    double omega_rr_ratio;             // integral of omega r^2 over I_w
    double flow_min, flow_max;         // torsional cell flow extremes
    double omega_min, omega_max;
    double i_wy, i_wz;
    double y_pl, z_pl;                 // plastic neutral axes
    int exact;                         // effective option bit 0
    int n_cells;                       // closed cells of the one-part calculation
    double psi[100];                   // cell circulations per unit twist
};
extern DWQB_Arbeitswerte dwqb_work;

// Allocator of node and line records; tests replace it to simulate a heap
// that has run out.
extern void* (*dwqb_record_alloc)(size_t size);

// Reallocator of the result buffers of the several-part calculation; tests
// replace it to simulate a heap that has run out.
extern void* (*dwqb_buffer_realloc)(void* block, size_t size);
// Frees the result buffers (no current part afterwards), so that the next
// calculation must allocate them again.
void _Release_Result_Buffer(void);

// The two general sections cached for the model and their releaser (the
// hand-over to the general section model installs it).
extern Querschnitt* dwqb_cached_masque[2];
extern int dwqb_masque_failed;
extern void (*dwqb_free_masque)(Querschnitt* section);

#endif
