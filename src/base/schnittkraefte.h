// The six internal forces of one load case at the profile end, by name.
//
// The weld program holds them in N and Nmm from the input file through the
// load table to the weld check's entry. Other units exist only where the
// forces cross a boundary: the load table's screen units (the record's load
// unit code), the report units kN and kNm of the checks and the print list,
// and the kN and kNm of an import from a component. Their factors stand
// here and nowhere else.
//
// Each place that lists the six in a row (the input file, the table's
// columns, an import) spells its order out by member; the record has no
// order a caller may count on.
#ifndef BASE_SCHNITTKRAEFTE_H
#define BASE_SCHNITTKRAEFTE_H

struct Schnittkraefte {
    double N;         // normal force, tension positive
    double V_y, V_z;  // shear forces
    double M_x;       // torsional moment
    double M_y, M_z;  // bending moments
};

// Factors taking forces and moments from N and Nmm into another unit pair,
// or back.
struct Schnittkraefte_Units {
    double force, moment;
};

// N and Nmm into kN and kNm, and back (exact numbers, not reciprocals: the
// stored values are what they always were).
inline constexpr Schnittkraefte_Units SCHNITTKRAEFTE_TO_KN = {0.001, 1e-6};
inline constexpr Schnittkraefte_Units SCHNITTKRAEFTE_FROM_KN = {1000.0, 1e6};

// The screen units of the load table by unit code (0 kN/kNm, 1 kN/kNcm,
// 2 N/Nm, any other N/Nmm): from N and Nmm to the screen, and back.
Schnittkraefte_Units Load_Unit_To_Screen(int code);
Schnittkraefte_Units Load_Unit_From_Screen(int code);

// Every force times u.force, every moment times u.moment.
Schnittkraefte Scale_Schnittkraefte(const Schnittkraefte& f, Schnittkraefte_Units u);

// 1 when one of the six exceeds limit in magnitude, else 0 (also for a
// value that is no number).
int Schnittkraefte_Exceed(const Schnittkraefte& f, double limit);

#endif
