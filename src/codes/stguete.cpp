// Steel grade catalogue: two constant tables of 44 rows (Eurocode and DIN
// 18800 values), one default row per family and a growable list of user
// grades.
//
// The DIN table differs from the Eurocode one only in three names and in the
// yield strengths of the S235 rows for t <= 40 mm and of the S355 rows
// (DIN 18800-1 Table 1: 360 N/mm² up to 40 mm, 325 above); it is built once
// from the Eurocode table so that the two can never drift apart elsewhere.
// User rows own heap copies of their names; the shared "?????" text is never
// released. A user lookup first tries the row found last.
#include "codes/stguete.h"

#include <cassert>
#include <cmath>
#include <cstring>
#include <iterator>

#include "base/vesk.h"
#include "codes/grade_list_internal.h"
#include "platform/screen.h"
#include "platform/sheets.h"

namespace {

const char* const kUnknown = Grade_Unknown_Text;

constexpr double kE = 210000.0;
constexpr double kG = 81000.0;
constexpr double kNu = 0.3;
constexpr double kAlphaT = 1.2e-5;

struct Row {
    unsigned int code;
    const char* name;
    double f_y1, f_y2, t_lim, t_max, f_u, alpha_w;
};

const Row kEurocodeRows[STAHLGUETE_ROWS] = {
    {0, "S235JR (St37-2)", 235.0, 215.0, 40.0, 100.0, 360.0, 0.95},
    {1, "S235JRG1 (USt37-2)", 235.0, 215.0, 40.0, 100.0, 360.0, 0.95},
    {2, "S235JRG2 (RSt37-2)", 235.0, 215.0, 40.0, 100.0, 360.0, 0.95},
    {3, "S235J0 (St37-3)", 235.0, 215.0, 40.0, 100.0, 360.0, 0.95},
    {4, "S355J0 (St52-3)", 355.0, 335.0, 40.0, 80.0, 490.0, 0.8},
    {5, "S235", 235.0, 215.0, 40.0, 100.0, 360.0, 0.95},
    {6, "S275", 275.0, 255.0, 40.0, 80.0, 410.0, 0.95},
    {7, "S355", 355.0, 335.0, 40.0, 80.0, 490.0, 0.8},
    {8, "S275 N/NL", 275.0, 255.0, 40.0, 80.0, 370.0, 0.95},
    {9, "S275 M/ML", 275.0, 255.0, 40.0, 80.0, 370.0, 0.95},
    {10, "S355 N/NL", 355.0, 335.0, 40.0, 80.0, 470.0, 0.8},
    {11, "S355 M/ML", 355.0, 335.0, 40.0, 80.0, 450.0, 0.8},
    {12, "S460 N/NL", 460.0, 430.0, 40.0, 80.0, 550.0, 0.6},
    {13, "S460 M/ML", 460.0, 430.0, 40.0, 80.0, 530.0, 0.6},
    {14, "S 240 GP", 240.0, 215.0, 40.0, 80.0, 340.0, 0.95},
    {15, "S 270 GP", 270.0, 250.0, 40.0, 80.0, 410.0, 0.95},
    {16, "S 320 GP", 320.0, 295.0, 40.0, 80.0, 440.0, 0.95},
    {17, "S 355 GP", 355.0, 330.0, 40.0, 80.0, 480.0, 0.8},
    {18, "S 390 GP", 390.0, 365.0, 40.0, 80.0, 490.0, 0.8},
    {19, "S 430 GP", 430.0, 400.0, 40.0, 80.0, 510.0, 0.6},
    {20, "St Sp 460", 460.0, 430.0, 40.0, 80.0, 550.0, 0.6},
    {21, "St Sp 500", 500.0, 460.0, 40.0, 80.0, 590.0, 0.6},
    {22, "FK 3.6", 180.0, 180.0, 80.0, 80.0, 300.0, 0.6},
    {23, "FK 4.6", 240.0, 240.0, 80.0, 80.0, 400.0, 0.6},
    {24, "FK 4.8", 320.0, 320.0, 80.0, 80.0, 400.0, 0.6},
    {25, "FK 5.6", 300.0, 300.0, 80.0, 80.0, 500.0, 0.6},
    {26, "FK 5.8", 400.0, 400.0, 80.0, 80.0, 500.0, 0.6},
    {27, "FK 8.8", 640.0, 640.0, 80.0, 80.0, 800.0, 0.6},
    {28, "FK 10.9", 900.0, 900.0, 80.0, 80.0, 1000.0, 0.6},
    {29, "S235 (1052)", 240.0, 215.0, 40.0, 100.0, 360.0, 0.95},
    {30, "S275 (1052)", 275.0, 255.0, 40.0, 80.0, 430.0, 0.95},
    {31, "S355 (1052)", 360.0, 335.0, 40.0, 80.0, 510.0, 0.8},
    {32, "S450", 440.0, 410.0, 40.0, 80.0, 550.0, 0.6},
    {33, "S420 N/NL", 420.0, 390.0, 40.0, 80.0, 520.0, 0.6},
    {34, "S420 M/ML", 420.0, 390.0, 40.0, 80.0, 520.0, 0.6},
    {35, "S220GD", 220.0, 220.0, 40.0, 100.0, 300.0, 0.6},
    {36, "S250GD", 250.0, 250.0, 40.0, 100.0, 330.0, 0.6},
    {37, "S280GD", 280.0, 280.0, 40.0, 100.0, 360.0, 0.6},
    {38, "S320GD", 320.0, 320.0, 40.0, 100.0, 390.0, 0.6},
    {39, "S350GD", 350.0, 350.0, 40.0, 100.0, 420.0, 0.6},
    {40, "S390GD", 390.0, 390.0, 40.0, 100.0, 460.0, 0.6},
    {41, "S420GD", 420.0, 420.0, 40.0, 100.0, 480.0, 0.6},
    {42, "S450GD", 450.0, 450.0, 40.0, 100.0, 510.0, 0.6},
    {43, "S550GD", 550.0, 550.0, 40.0, 100.0, 560.0, 0.6},
};

Stahlguete_Record Make(const Row& r) {
    return Stahlguete_Record{r.code, r.name, kE, kG, kNu, kAlphaT, r.f_y1, r.f_y2, r.t_lim, r.t_max, r.f_u, r.alpha_w};
}

struct Tables {
    Stahlguete_Record eurocode[STAHLGUETE_ROWS];
    Stahlguete_Record din[STAHLGUETE_ROWS];
    Stahlguete_Record default_eurocode;
    Stahlguete_Record default_din;

    Tables() {
        for (int i = 0; i < STAHLGUETE_ROWS; ++i) {
            eurocode[i] = Make(kEurocodeRows[i]);
            din[i] = eurocode[i];
        }
        din[5].name = "S235 (St37)";
        din[6].name = "S275 (St44)";
        din[7].name = "S355 (St52)";
        for (int row : {0, 1, 2, 3, 5}) din[row].f_y1 = 240.0;
        for (int row : {4, 7, 10, 11}) din[row].f_y1 = 360.0, din[row].f_y2 = 325.0;
        default_eurocode = Stahlguete_Record{44, kUnknown, kE, kG, kNu, kAlphaT, 235.0, 215.0, 40.0, 100.0, 360.0, 0.95};
        default_din = default_eurocode;
        default_din.f_y1 = 240.0;
    }
};

const Tables& The_Tables() {
    static const Tables tables;
    return tables;
}

// The user list: count rows in use of capacity, never shrunk.
Grade_List<Stahlguete_Record> users;

int Family(unsigned int code) { return static_cast<int>(code) >> 16; }

const Stahlguete_Record* Default_Row_Of(unsigned int code) {
    return Family(code) == 1 ? &The_Tables().default_eurocode : &The_Tables().default_din;
}

// The row of a code, or null when it names none.
const Stahlguete_Record* Resolve(unsigned int code) {
    if (code & STAHLGUETE_USER_BIT) return Grade_List_Lookup(&users, code);
    const unsigned int row = code & 0xffffu;
    if (row >= STAHLGUETE_ROWS) return nullptr;
    return Family(code) == 1 ? &The_Tables().eurocode[row] : &The_Tables().din[row];
}

void Release_Row(const Stahlguete_Record& r) { Grade_Text_Release(r.name, {kUnknown}); }

Stahlguete_Record Copy_Row(const Stahlguete_Record& r) {
    Stahlguete_Record copy = r;
    copy.name = Grade_Text_Copy(r.name, kUnknown);
    return copy;
}

}  // namespace

const Stahlguete_Record* Get_Stahlguete_Record(unsigned int code) {
    const Stahlguete_Record* r = Resolve(code);
    return r ? r : Default_Row_Of(code);
}

const Stahlguete_Record* Get_Default_Stahlguete_Record(int family) {
    return family == 1 ? &The_Tables().default_eurocode : &The_Tables().default_din;
}

double Get_Stahlguete_fy(unsigned int code, double t) {
    const Stahlguete_Record* r = Resolve(code);
    const double limit = r ? r->t_lim : 40.0;
    if (!r) r = Default_Row_Of(code);
    return t > limit ? r->f_y2 : r->f_y1;
}

double Get_Stahlguete_E(unsigned int code, double* G_out) {
    const Stahlguete_Record* r = Get_Stahlguete_Record(code);
    if (G_out) *G_out = r->G;
    return r->E;
}

const char* Get_Stahlguete_Name(unsigned int code) {
    const Stahlguete_Record* r = Resolve(code);
    return r && r->name ? r->name : kUnknown;
}

int Get_Stahlguete_Festigkeit(unsigned int code, double t, double gamma_M, double* out) {
    if (!out) return 0;
    const Stahlguete_Record* r = Resolve(code);
    const double limit = r ? r->t_lim : 40.0;
    if (!r) r = Default_Row_Of(code);
    const double f = t <= limit ? r->f_y1 : r->f_y2;
    if (gamma_M == 0.0) {
        out[0] = out[1] = out[2] = out[3] = 0.0;
    } else {
        const double sigma = f / gamma_M;
        out[0] = out[1] = out[3] = sigma;
        out[2] = sigma * 0.5773502691896258;
    }
    if (!(code & STAHLGUETE_USER_BIT) && (code & 0xffffu) >= STAHLGUETE_ROWS) return 0;
    return 1;
}

unsigned int Set_User_Stahlguete(const Stahlguete_Record* record) {
    return Grade_List_Set(&users, record, Copy_Row, Release_Row);
}

int Delete_User_Stahlguete(unsigned int code) { return Grade_List_Delete(&users, code, Release_Row); }

void Free_User_Stahlguete(void) { Grade_List_Clear(&users, Release_Row); }

int Get_User_Stahlguete_Count(void) { return users.count; }

const Stahlguete_Record* Get_User_Stahlguete_Record(int index) {
    return Grade_List_Row(&users, index, &The_Tables().default_eurocode);
}

namespace {

// The DIN rows whose f_y,k (t <= 40 mm) bound the bands of own strengths,
// in rising order: S235 (St37), S355 (St52), S460 N/NL.
constexpr unsigned int kDinBandRows[] = {5, 7, 12};

}  // namespace

double Get_Din_Own_Alpha_w(double f_y) {
    if (!(f_y > 0.0)) return 0.0;
    for (unsigned int row : kDinBandRows) {
        const Stahlguete_Record& r = The_Tables().din[row];
        if (f_y <= r.f_y1) return r.alpha_w;
    }
    return 0.0;
}

double Get_Din_Own_F_Y_Max(void) { return The_Tables().din[kDinBandRows[std::size(kDinBandRows) - 1]].f_y1; }

int Fill_Stahlguete_Stringlist(int list, const unsigned int* codes, int n, unsigned int current) {
    if (!codes || n < 1) return 0;
    int selected = 0;
    for (int i = 0; i < n; ++i) {
        Fill_Stringlist_of_PS(list, BLACK_CI, Get_Stahlguete_Name(codes[i]));
        if (codes[i] == current) selected = i;
    }
    return selected;
}

unsigned int Get_Stahlguete_Code_By_Index(int index, const unsigned int* codes, int n) {
    if (!codes || index < 0 || index >= n) return 5;
    return codes[index];
}
