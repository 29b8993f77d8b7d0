// Steel grade catalogue: the characteristic values of structural steel
// grades and bolt strength classes in two built-in tables (family 1 with the
// Eurocode values, every other family with the DIN 18800 values) and a
// process-wide list of user grades.
//
// A grade is named by one 32-bit code: the family in bits 16 and up, bit 15
// (0x8000) for a user grade, the row (0..43) or the user number in the low
// bits. Lookups never fail: a code that names no row answers from the
// family's default row, whose name is "?????".
#ifndef CODES_STGUETE_H
#define CODES_STGUETE_H

enum { STAHLGUETE_ROWS = 44, STAHLGUETE_USER_BIT = 0x8000 };

struct Stahlguete_Record {
    unsigned int code;  // row number in the built-in tables; user rows: number | 0x8000
    const char* name;   // static text, or a heap copy owned by a user row
    double E;           // N/mm²
    double G;           // N/mm²
    double nu;
    double alpha_T;     // 1/K
    double f_y1;        // N/mm², t <= t_lim
    double f_y2;        // N/mm², t > t_lim
    double t_lim;       // mm
    double t_max;       // mm; kept for the callers, read by nothing here
    double f_u;         // N/mm²
    double alpha_w;     // weld strength factor of the DIN 18800 weld check
};

// The row of the code: built-in, user or the family's default row. Never
// null; a user row's pointer is valid until the user list next changes.
const Stahlguete_Record* Get_Stahlguete_Record(unsigned int code);
// The default row of family 1 when family is 1, else the DIN default row.
const Stahlguete_Record* Get_Default_Stahlguete_Record(int family);
// f_y2 when t exceeds the row's limit, else f_y1 (the default row's limit
// is 40 mm).
double Get_Stahlguete_fy(unsigned int code, double t);
// E of the grade; G_out, when given, receives G.
double Get_Stahlguete_E(unsigned int code, double* G_out);
// The grade's name, "?????" for a code that names no row. Never null.
const char* Get_Stahlguete_Name(unsigned int code);
// Design strengths for thickness t: out[0], out[1], out[3] = f / gamma_M and
// out[2] = that / sqrt 3; all four 0 when gamma_M is 0. Returns 0 for a null
// out (nothing written) or a built-in code above row 43, else 1.
int Get_Stahlguete_Festigkeit(unsigned int code, double t, double gamma_M, double* out);

// Adds or replaces the user grade (record->code & 0x7fff) | 0x8000 with a
// copy of the record (the name copied to the heap; "?????" when null).
// Returns the stored code, or 0 for a null record or when the list cannot
// grow (the list is then unchanged).
unsigned int Set_User_Stahlguete(const Stahlguete_Record* record);
// 1 when the user grade was found and removed (order of the others kept),
// else 0.
int Delete_User_Stahlguete(unsigned int code);
// Releases the user rows' names and empties the list; the array stays.
void Free_User_Stahlguete(void);
int Get_User_Stahlguete_Count(void);
// The user row at index; any other index gives the family 1 default row.
const Stahlguete_Record* Get_User_Stahlguete_Record(int index);

// The DIN 18800 weld factor alpha_w of a steel given by its own strengths,
// f_y,k in N/mm²: that of the grade of the DIN list next at or above it
// (S235 (St37) up to 240 N/mm², S355 (St52) up to 360, S460 N/NL up to
// 460: 0.95, 0.80, 0.60), so that its alpha_w f_y,k is never more than that
// grade's. 0 above the highest of them (Get_Din_Own_F_Y_Max) and for a value
// that is no positive number: DIN 18800 gives the welds of such a steel no
// strength.
double Get_Din_Own_Alpha_w(double f_y);
// f_y,k (t <= 40 mm) of the highest of those grades, 460 N/mm²: a steel of
// own strengths above it has no alpha_w of DIN 18800.
double Get_Din_Own_F_Y_Max(void);

// Appends the names of codes[0..n-1] to the sheet list `list` in black and
// returns the index of the (last) entry whose code equals current, 0 when
// none does. Nothing is appended for a null codes or n < 1.
int Fill_Stahlguete_Stringlist(int list, const unsigned int* codes, int n, unsigned int current);
// codes[index] for 0 <= index < n, else 5 (the DIN "S235" row).
unsigned int Get_Stahlguete_Code_By_Index(int index, const unsigned int* codes, int n);

#endif
