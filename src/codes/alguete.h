// Aluminium grade catalogue: the characteristic values of the wrought
// aluminium alloys and tempers (sheet, strip and plate; extruded and drawn
// products; forgings) in one built-in table of 97 rows, and a process-wide
// list of user grades.
//
// A grade is named by a 16-bit handle (higher bits are ignored): bit 15 clear
// gives the row 0..96, bit 15 set a user grade numbered by the low 15 bits.
// Lookups never fail: a handle that names no row answers from the default row
// ("?????" texts, class "A").
#ifndef CODES_ALGUETE_H
#define CODES_ALGUETE_H

enum { ALUGUETE_ROWS = 97, ALUGUETE_USER_BIT = 0x8000 };

struct Aluguete_Record {
    unsigned int code;           // row number; user rows: number | 0x8000
    const char* name;            // e.g. "6082 T6 > 5"
    const char* alloy;           // e.g. "6082"
    const char* temper;          // e.g. "T6, t > 5 mm"
    double t_from;               // mm
    double t_to;                 // mm
    double E;                    // N/mm²
    double G;                    // N/mm²
    double nu;
    double alpha_T;              // 1/K
    double f_o;                  // 0.2 % proof strength, N/mm²
    double f_u;                  // N/mm²
    double A;                    // minimum elongation, %
    double f_o_haz;              // N/mm², heat-affected zone
    double f_u_haz;              // N/mm²
    double rho_o_haz;
    double rho_u_haz;
    const char* buckling_class;  // always the static "A" or "B"
    double n_p;                  // Ramberg-Osgood exponent
};

// The row of the handle: built-in, user or default. Never null; a user row's
// pointer is valid until the user list next changes.
const Aluguete_Record* Get_Aluguete_Record(unsigned int handle);
const Aluguete_Record* Get_Default_Aluguete_Record(void);
double Get_Aluguete_t_from(unsigned int handle);
double Get_Aluguete_t_to(unsigned int handle);
double Get_Aluguete_f0(unsigned int handle);
double Get_Aluguete_fu(unsigned int handle);
// E of the grade; G_out, when given, receives G.
double Get_Aluguete_E(unsigned int handle, double* G_out);
// Texts of the grade; "?????" for a handle that names no row. Never null.
const char* Get_Aluguete_Name(unsigned int handle);
const char* Get_Aluguete_Alloy(unsigned int handle);
const char* Get_Aluguete_Temper(unsigned int handle);
// 1 for buckling class B, else 0.
int Is_Aluguete_Class_B(unsigned int handle);

// Adds or replaces the user grade (record->code & 0x7fff) | 0x8000 with a
// copy of the record (texts copied to the heap, "?????" for a null text;
// class "B" when the record's class is "B" in any case, else "A"). Returns the
// stored code, or 0 for a null record or when the list cannot grow (the list
// is then unchanged).
unsigned int Set_User_Aluguete(const Aluguete_Record* record);
// 1 when the user grade was found and removed (order of the others kept),
// else 0.
int Delete_User_Aluguete(unsigned int handle);
// Releases the user rows' texts and empties the list; the array stays.
void Free_User_Aluguete(void);
int Get_User_Aluguete_Count(void);
// The user row at index; any other index gives the default row.
const Aluguete_Record* Get_User_Aluguete_Record(int index);

#endif
