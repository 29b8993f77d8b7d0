// Aluminium grade catalogue: one constant table of 97 rows (sheet, strip
// and plate; extruded and drawn products; forgings), a default row and a
// growable list of user grades.
//
// Texts are code page 850 ("≤" is the byte 0xF3). User rows own heap copies
// of their three texts; the shared "?????" and the class letters "A" and "B"
// are single static texts and never released. A user lookup first tries the
// row found last.
#include "codes/alguete.h"

#include <cctype>

#include "base/cp850.h"
#include "base/vesk.h"
#include "codes/grade_list_internal.h"

namespace {

const char* const kUnknown = Grade_Unknown_Text;
const char kClassA[] = "A";
const char kClassB[] = "B";

constexpr double kE = 70000.0;
constexpr double kG = 27000.0;
constexpr double kNu = 0.3;
constexpr double kAlphaT = 2.3e-5;

struct Row {
    unsigned int code;
    const char* name;
    const char* alloy;
    const char* temper;
    double t_from, t_to, f_o, f_u, A, f_o_haz, f_u_haz, rho_o_haz, rho_u_haz;
    char buckling_class;
    double n_p;
};

const Row kRows[ALUGUETE_ROWS] = {
    {0, "3004 H14"_cp, "3004"_cp, "H14"_cp, 0.0, 6.0, 180.0, 220.0, 1.0, 75.0, 155.0, 0.42, 0.7, 'B', 23.0},
    {1, "3004 H24/H34"_cp, "3004"_cp, "H24/H34"_cp, 0.0, 3.0, 170.0, 220.0, 3.0, 75.0, 155.0, 0.44, 0.7, 'B', 18.0},
    {2, "3004 H16"_cp, "3004"_cp, "H16"_cp, 0.0, 4.0, 200.0, 240.0, 1.0, 75.0, 155.0, 0.38, 0.65, 'B', 25.0},
    {3, "3004 H26/H36"_cp, "3004"_cp, "H26/H36"_cp, 0.0, 3.0, 190.0, 240.0, 3.0, 75.0, 155.0, 0.39, 0.65, 'B', 20.0},
    {4, "3005 H14"_cp, "3005"_cp, "H14"_cp, 0.0, 6.0, 150.0, 170.0, 1.0, 56.0, 115.0, 0.37, 0.68, 'B', 38.0},
    {5, "3005 H24"_cp, "3005"_cp, "H24"_cp, 0.0, 3.0, 130.0, 170.0, 4.0, 56.0, 115.0, 0.43, 0.68, 'B', 18.0},
    {6, "3005 H16"_cp, "3005"_cp, "H16"_cp, 0.0, 4.0, 175.0, 195.0, 1.0, 56.0, 115.0, 0.32, 0.59, 'B', 43.0},
    {7, "3005 H26"_cp, "3005"_cp, "H26"_cp, 0.0, 3.0, 160.0, 195.0, 3.0, 56.0, 115.0, 0.35, 0.59, 'B', 24.0},
    {8, "3103 H14"_cp, "3103"_cp, "H14"_cp, 0.0, 25.0, 120.0, 140.0, 2.0, 44.0, 90.0, 0.37, 0.64, 'B', 31.0},
    {9, "3103 H24"_cp, "3103"_cp, "H24"_cp, 0.0, 12.5, 110.0, 140.0, 4.0, 44.0, 90.0, 0.4, 0.64, 'B', 20.0},
    {10, "3103 H16"_cp, "3103"_cp, "H16"_cp, 0.0, 4.0, 145.0, 160.0, 1.0, 44.0, 90.0, 0.3, 0.56, 'B', 48.0},
    {11, "3103 H26"_cp, "3103"_cp, "H26"_cp, 0.0, 4.0, 135.0, 160.0, 2.0, 44.0, 90.0, 0.33, 0.56, 'B', 28.0},
    {12, "5005 O/H111"_cp, "5005"_cp, "O/H111"_cp, 0.0, 50.0, 35.0, 100.0, 15.0, 35.0, 100.0, 1.0, 1.0, 'B', 5.0},
    {13, "5005 H12"_cp, "5005/5005A"_cp, "H12"_cp, 0.0, 12.5, 95.0, 125.0, 2.0, 44.0, 100.0, 0.46, 0.8, 'B', 18.0},
    {14, "5005 H22/H32"_cp, "5005/5005A"_cp, "H22/H32"_cp, 0.0, 12.5, 80.0, 125.0, 4.0, 44.0, 100.0, 0.55, 0.8, 'B', 11.0},
    {15, "5005 H14"_cp, "5005/5005A"_cp, "H14"_cp, 0.0, 12.5, 120.0, 145.0, 2.0, 44.0, 100.0, 0.37, 0.69, 'B', 25.0},
    {16, "5005 H24/H34"_cp, "5005/5005A"_cp, "H24/H34"_cp, 0.0, 12.5, 110.0, 145.0, 3.0, 44.0, 100.0, 0.4, 0.69, 'B', 17.0},
    {17, "5052 H12"_cp, "5052"_cp, "H12"_cp, 0.0, 40.0, 160.0, 210.0, 4.0, 80.0, 170.0, 0.5, 0.81, 'B', 17.0},
    {18, "5052 H22/H32"_cp, "5052"_cp, "H22/H32"_cp, 0.0, 40.0, 130.0, 210.0, 5.0, 80.0, 170.0, 0.62, 0.81, 'B', 10.0},
    {19, "5052 H14"_cp, "5052"_cp, "H14"_cp, 0.0, 25.0, 180.0, 230.0, 3.0, 80.0, 170.0, 0.44, 0.74, 'B', 19.0},
    {20, "5052 H24/H34"_cp, "5052"_cp, "H24/H34"_cp, 0.0, 25.0, 150.0, 230.0, 4.0, 80.0, 170.0, 0.53, 0.74, 'B', 11.0},
    {21, "5049 O/H111"_cp, "5049"_cp, "O/H111"_cp, 0.0, 100.0, 80.0, 190.0, 12.0, 80.0, 190.0, 1.0, 1.0, 'B', 6.0},
    {22, "5049 H14"_cp, "5049"_cp, "H14"_cp, 0.0, 25.0, 190.0, 240.0, 3.0, 100.0, 190.0, 0.53, 0.79, 'B', 20.0},
    {23, "5049 H24/H34"_cp, "5049"_cp, "H24/H34"_cp, 0.0, 25.0, 160.0, 240.0, 6.0, 100.0, 190.0, 0.63, 0.79, 'B', 12.0},
    {24, "5454 O/H111"_cp, "5454"_cp, "O/H111"_cp, 0.0, 80.0, 85.0, 215.0, 12.0, 85.0, 215.0, 1.0, 1.0, 'B', 5.0},
    {25, "5454 H14"_cp, "5454"_cp, "H14"_cp, 0.0, 25.0, 220.0, 270.0, 2.0, 105.0, 215.0, 0.48, 0.8, 'B', 22.0},
    {26, "5454 H24/H34"_cp, "5454"_cp, "H24/H34"_cp, 0.0, 25.0, 200.0, 270.0, 4.0, 105.0, 215.0, 0.53, 0.8, 'B', 15.0},
    {27, "5754 O/H111"_cp, "5754"_cp, "O/H111"_cp, 0.0, 100.0, 80.0, 190.0, 12.0, 80.0, 190.0, 1.0, 1.0, 'B', 6.0},
    {28, "5754 H14"_cp, "5754"_cp, "H14"_cp, 0.0, 25.0, 190.0, 240.0, 3.0, 100.0, 190.0, 0.53, 0.79, 'B', 20.0},
    {29, "5754 H24/H34"_cp, "5754"_cp, "H24/H34"_cp, 0.0, 25.0, 160.0, 240.0, 6.0, 100.0, 190.0, 0.63, 0.79, 'B', 12.0},
    {30, "5083 O/H111 ≤ 50"_cp, "5083"_cp, "O/H111, t ≤ 50 mm"_cp, 0.0, 50.0, 125.0, 275.0, 11.0, 125.0, 275.0, 1.0, 1.0, 'B', 6.0},
    {31, "5083 O/H111 > 50"_cp, "5083"_cp, "O/H111, t > 50 mm"_cp, 50.001, 80.0, 115.0, 270.0, 14.0, 115.0, 270.0, 1.0, 1.0, 'B', 6.0},
    {32, "5083 H12"_cp, "5083"_cp, "H12"_cp, 0.0, 40.0, 250.0, 305.0, 3.0, 155.0, 275.0, 0.62, 0.9, 'B', 22.0},
    {33, "5083 H22/H32"_cp, "5083"_cp, "H22/H32"_cp, 0.0, 40.0, 215.0, 305.0, 5.0, 155.0, 275.0, 0.72, 0.9, 'B', 14.0},
    {34, "5083 H14"_cp, "5083"_cp, "H14"_cp, 0.0, 25.0, 280.0, 340.0, 2.0, 155.0, 275.0, 0.55, 0.81, 'A', 22.0},
    {35, "5083 H24/H34"_cp, "5083"_cp, "H24/H34"_cp, 0.0, 25.0, 250.0, 340.0, 4.0, 155.0, 275.0, 0.62, 0.81, 'A', 14.0},
    {36, "6061 T4/T451"_cp, "6061"_cp, "T4/T451"_cp, 0.0, 12.5, 110.0, 205.0, 12.0, 95.0, 150.0, 0.86, 0.73, 'B', 23.0},
    {37, "6061 T6/T651"_cp, "6061"_cp, "T6/T651"_cp, 0.0, 12.5, 240.0, 290.0, 6.0, 115.0, 175.0, 0.48, 0.6, 'A', 23.0},
    {38, "6061 T651"_cp, "6061"_cp, "T651"_cp, 12.501, 80.0, 240.0, 290.0, 6.0, 115.0, 175.0, 0.48, 0.6, 'A', 23.0},
    {39, "6082 T4/T451"_cp, "6082"_cp, "T4/T451"_cp, 0.0, 12.5, 110.0, 205.0, 12.0, 100.0, 160.0, 0.91, 0.78, 'B', 8.0},
    {40, "6082 T61/T6151"_cp, "6082"_cp, "T61/T6151"_cp, 0.0, 12.5, 205.0, 280.0, 10.0, 125.0, 185.0, 0.61, 0.66, 'A', 15.0},
    {41, "6082 T6151"_cp, "6082"_cp, "T6151"_cp, 12.501, 100.0, 200.0, 275.0, 12.0, 125.0, 185.0, 0.63, 0.67, 'A', 14.0},
    {42, "6082 T6/T651 ≤ 6"_cp, "6082"_cp, "T6/T651, t ≤ 6 mm"_cp, 0.0, 6.0, 260.0, 310.0, 6.0, 125.0, 185.0, 0.48, 0.6, 'A', 25.0},
    {43, "6082 T6/T651 > 6"_cp, "6082"_cp, "T6/T651, t > 6 mm"_cp, 6.001, 12.5, 255.0, 300.0, 9.0, 125.0, 185.0, 0.49, 0.62, 'A', 27.0},
    {44, "6082 T651"_cp, "6082"_cp, "T651"_cp, 12.501, 100.0, 240.0, 295.0, 7.0, 125.0, 185.0, 0.52, 0.63, 'A', 21.0},
    {45, "7020 T6"_cp, "7020"_cp, "T6"_cp, 0.0, 12.5, 280.0, 350.0, 7.0, 205.0, 280.0, 0.73, 0.8, 'A', 19.0},
    {46, "7020 T651"_cp, "7020"_cp, "T651"_cp, 0.0, 40.0, 280.0, 350.0, 9.0, 205.0, 280.0, 0.73, 0.8, 'A', 19.0},
    {47, "8011A H14"_cp, "8011A"_cp, "H14"_cp, 0.0, 12.5, 110.0, 125.0, 2.0, 37.0, 85.0, 0.34, 0.68, 'B', 37.0},
    {48, "8011A H24"_cp, "8011A"_cp, "H24"_cp, 0.0, 12.5, 100.0, 125.0, 3.0, 37.0, 85.0, 0.37, 0.68, 'B', 22.0},
    {49, "8011A H16"_cp, "8011A"_cp, "H16"_cp, 0.0, 4.0, 130.0, 145.0, 1.0, 37.0, 85.0, 0.28, 0.59, 'B', 33.0},
    {50, "8011A H26"_cp, "8011A"_cp, "H26"_cp, 0.0, 4.0, 120.0, 145.0, 2.0, 37.0, 85.0, 0.31, 0.59, 'B', 33.0},
    {51, "5083 O/H111/F/H112"_cp, "5083"_cp, "O/H111/F/H112"_cp, 0.0, 200.0, 110.0, 270.0, 12.0, 110.0, 270.0, 1.0, 1.0, 'B', 5.0},
    {52, "5083 H12/22/32"_cp, "5083"_cp, "H12/22/32"_cp, 0.0, 10.0, 200.0, 280.0, 6.0, 135.0, 270.0, 0.68, 0.96, 'B', 14.0},
    {53, "5083 H14/24/34"_cp, "5083"_cp, "H14/24/34"_cp, 0.0, 5.0, 235.0, 300.0, 4.0, 135.0, 270.0, 0.57, 0.9, 'A', 18.0},
    {54, "5454 O/H111/F/H112"_cp, "5454"_cp, "O/H111/F/H112"_cp, 0.0, 25.0, 85.0, 200.0, 16.0, 85.0, 200.0, 1.0, 1.0, 'B', 5.0},
    {55, "5754 O/H111/F/H112"_cp, "5754"_cp, "O/H111/F/H112"_cp, 0.0, 25.0, 80.0, 180.0, 14.0, 80.0, 180.0, 1.0, 1.0, 'B', 6.0},
    {56, "5754 H14/24/H34"_cp, "5754"_cp, "H14/24/H34"_cp, 0.0, 10.0, 180.0, 240.0, 4.0, 100.0, 180.0, 0.56, 0.75, 'B', 16.0},
    {57, "6060 T5 ≤ 5"_cp, "6060"_cp, "T5, t ≤ 5 mm"_cp, 0.0, 5.0, 120.0, 160.0, 8.0, 50.0, 80.0, 0.42, 0.5, 'B', 17.0},
    {58, "6060 T5 > 5"_cp, "6060"_cp, "T5, t > 5 mm"_cp, 5.001, 25.0, 100.0, 140.0, 8.0, 50.0, 80.0, 0.5, 0.57, 'B', 14.0},
    {59, "6060 T6 ≤ 15"_cp, "6060"_cp, "T6, t ≤ 15 mm"_cp, 0.0, 15.0, 140.0, 170.0, 8.0, 60.0, 100.0, 0.43, 0.59, 'A', 24.0},
    {60, "6060 T6 ≤ 20"_cp, "6060"_cp, "T6, t ≤ 20 mm"_cp, 0.0, 20.0, 160.0, 215.0, 12.0, 60.0, 100.0, 0.38, 0.47, 'A', 16.0},
    {61, "6060 T64"_cp, "6060"_cp, "T64"_cp, 0.0, 15.0, 120.0, 180.0, 12.0, 60.0, 100.0, 0.5, 0.56, 'A', 12.0},
    {62, "6060 T66 ≤ 3"_cp, "6060"_cp, "T66, t ≤ 3 mm"_cp, 0.0, 3.0, 160.0, 215.0, 8.0, 65.0, 110.0, 0.41, 0.51, 'A', 16.0},
    {63, "6060 T66 > 3"_cp, "6060"_cp, "T66, t > 3 mm"_cp, 3.001, 25.0, 150.0, 195.0, 8.0, 65.0, 110.0, 0.43, 0.56, 'A', 18.0},
    {64, "6061 T4 < 25"_cp, "6061"_cp, "T4, t < 25 mm"_cp, 0.0, 25.0, 110.0, 180.0, 15.0, 95.0, 150.0, 0.86, 0.83, 'B', 8.0},
    {65, "6061 T4 ≤ 20"_cp, "6061"_cp, "T4, t ≤ 20 mm"_cp, 0.0, 20.0, 110.0, 205.0, 16.0, 95.0, 150.0, 0.86, 0.73, 'B', 8.0},
    {66, "6061 T6 < 25"_cp, "6061"_cp, "T6, t < 25 mm"_cp, 0.0, 25.0, 240.0, 260.0, 8.0, 115.0, 175.0, 0.48, 0.67, 'A', 55.0},
    {67, "6061 T6 ≤ 20"_cp, "6061"_cp, "T6, t ≤ 20 mm"_cp, 0.0, 20.0, 240.0, 290.0, 10.0, 115.0, 175.0, 0.48, 0.6, 'A', 23.0},
    {68, "6063 T5 ≤ 3"_cp, "6063"_cp, "T5, t ≤ 3 mm"_cp, 0.0, 3.0, 130.0, 175.0, 8.0, 60.0, 100.0, 0.46, 0.57, 'B', 16.0},
    {69, "6063 T5 > 3"_cp, "6063"_cp, "T5, t > 3 mm"_cp, 3.001, 25.0, 110.0, 160.0, 7.0, 60.0, 100.0, 0.55, 0.63, 'B', 13.0},
    {70, "6063 T6 ≤ 25"_cp, "6063"_cp, "T6, t ≤ 25 mm"_cp, 0.0, 25.0, 160.0, 195.0, 8.0, 65.0, 110.0, 0.41, 0.56, 'A', 24.0},
    {71, "6063 T6 ≤ 20"_cp, "6063"_cp, "T6, t ≤ 20 mm"_cp, 0.0, 20.0, 190.0, 220.0, 10.0, 65.0, 110.0, 0.34, 0.5, 'A', 31.0},
    {72, "6063 T66 ≤ 10"_cp, "6063"_cp, "T66, t ≤ 10 mm"_cp, 0.0, 10.0, 200.0, 245.0, 8.0, 75.0, 130.0, 0.38, 0.53, 'A', 22.0},
    {73, "6063 T66 > 10"_cp, "6063"_cp, "T66, t > 10 mm"_cp, 10.001, 25.0, 180.0, 225.0, 8.0, 75.0, 130.0, 0.42, 0.53, 'A', 21.0},
    {74, "6063 T66 ≤ 20"_cp, "6063"_cp, "T66, t ≤ 20 mm"_cp, 0.0, 20.0, 195.0, 230.0, 10.0, 75.0, 130.0, 0.38, 0.57, 'A', 28.0},
    {75, "6005A T6 ≤ 5"_cp, "6005A"_cp, "T6, t ≤ 5 mm"_cp, 0.0, 5.0, 225.0, 270.0, 8.0, 115.0, 165.0, 0.51, 0.61, 'A', 25.0},
    {76, "6005A T6 ≤ 10"_cp, "6005A"_cp, "T6, t ≤ 10 mm"_cp, 5.001, 10.0, 215.0, 260.0, 8.0, 115.0, 165.0, 0.53, 0.63, 'A', 24.0},
    {77, "6005A T6 > 10"_cp, "6005A"_cp, "T6, t > 10 mm"_cp, 10.001, 25.0, 200.0, 250.0, 8.0, 115.0, 165.0, 0.58, 0.66, 'A', 20.0},
    {78, "6005A T6 ≤ 5"_cp, "6005A"_cp, "T6, t ≤ 5 mm"_cp, 0.0, 5.0, 215.0, 255.0, 8.0, 115.0, 165.0, 0.53, 0.65, 'A', 26.0},
    {79, "6005A T6 > 5"_cp, "6005A"_cp, "T6, t > 5 mm"_cp, 5.001, 10.0, 200.0, 250.0, 8.0, 115.0, 165.0, 0.58, 0.66, 'A', 20.0},
    {80, "6106 T6"_cp, "6106"_cp, "T6"_cp, 0.0, 10.0, 200.0, 250.0, 8.0, 95.0, 160.0, 0.48, 0.64, 'A', 20.0},
    {81, "6082 T4"_cp, "6082"_cp, "T4"_cp, 0.0, 25.0, 110.0, 205.0, 14.0, 100.0, 160.0, 0.91, 0.78, 'B', 8.0},
    {82, "6082 T5"_cp, "6082"_cp, "T5"_cp, 0.0, 5.0, 230.0, 270.0, 8.0, 125.0, 185.0, 0.54, 0.69, 'B', 28.0},
    {83, "6082 T6 ≤ 5 (EP,ET)"_cp, "6082"_cp, "T6, t ≤ 5 mm (EP,ET)"_cp, 0.0, 5.0, 250.0, 290.0, 8.0, 125.0, 185.0, 0.5, 0.64, 'A', 32.0},
    {84, "6082 T6 > 5"_cp, "6082"_cp, "T6, t > 5 mm"_cp, 5.001, 15.0, 260.0, 310.0, 10.0, 125.0, 185.0, 0.48, 0.6, 'A', 25.0},
    {85, "6082 T6 ≤ 20"_cp, "6082"_cp, "T6, t ≤ 20 mm"_cp, 0.0, 20.0, 250.0, 295.0, 8.0, 125.0, 185.0, 0.5, 0.63, 'A', 27.0},
    {86, "6082 T6 > 20"_cp, "6082"_cp, "T6, t > 20 mm"_cp, 20.001, 150.0, 260.0, 310.0, 8.0, 125.0, 185.0, 0.48, 0.6, 'A', 25.0},
    {87, "6082 T6 ≤ 5 (DT)"_cp, "6082"_cp, "T6, t ≤ 5 mm (DT)"_cp, 0.0, 5.0, 255.0, 310.0, 8.0, 125.0, 185.0, 0.49, 0.6, 'A', 22.0},
    {88, "6082 T6 > 5 (DT)"_cp, "6082"_cp, "T6, t > 5 mm (DT)"_cp, 5.001, 20.0, 240.0, 310.0, 10.0, 125.0, 185.0, 0.52, 0.6, 'A', 17.0},
    {89, "7020 T6 ≤ 15"_cp, "7020"_cp, "T6, t ≤ 15 mm"_cp, 0.0, 15.0, 290.0, 350.0, 10.0, 205.0, 280.0, 0.71, 0.8, 'A', 23.0},
    {90, "7020 T6 ≤ 40"_cp, "7020"_cp, "T6, t ≤ 40 mm"_cp, 15.001, 40.0, 275.0, 350.0, 10.0, 205.0, 280.0, 0.75, 0.8, 'A', 19.0},
    {91, "7020 T6 ≤ 20"_cp, "7020"_cp, "T6, t ≤ 20 mm"_cp, 0.0, 20.0, 280.0, 350.0, 10.0, 205.0, 280.0, 0.73, 0.8, 'A', 18.0},
    {92, "5754 H112 (L)"_cp, "5754"_cp, "H112, längs"_cp, 0.0, 150.0, 80.0, 180.0, 15.0, 80.0, 180.0, 0.0, 0.0, 'B', 0.0},
    {93, "5083 H112 (L)"_cp, "5083"_cp, "H112, längs"_cp, 0.0, 150.0, 120.0, 270.0, 12.0, 120.0, 270.0, 0.0, 0.0, 'B', 0.0},
    {94, "5083 H112 (T)"_cp, "5083"_cp, "H112, transversal"_cp, 0.0, 150.0, 110.0, 260.0, 10.0, 110.0, 260.0, 0.0, 0.0, 'B', 0.0},
    {95, "6082 T6 (L)"_cp, "6082"_cp, "T6, längs"_cp, 0.0, 100.0, 260.0, 310.0, 6.0, 125.0, 185.0, 0.0, 0.0, 'A', 0.0},
    {96, "6082 T6 (T)"_cp, "6082"_cp, "T6, transversal"_cp, 0.0, 100.0, 250.0, 290.0, 5.0, 125.0, 185.0, 0.0, 0.0, 'A', 0.0},
};

struct Table {
    Aluguete_Record rows[ALUGUETE_ROWS];
    Aluguete_Record default_row;

    Table() {
        for (int i = 0; i < ALUGUETE_ROWS; ++i) {
            const Row& r = kRows[i];
            rows[i] = Aluguete_Record{r.code, r.name, r.alloy, r.temper, r.t_from, r.t_to, kE, kG, kNu, kAlphaT,
                                      r.f_o, r.f_u, r.A, r.f_o_haz, r.f_u_haz, r.rho_o_haz, r.rho_u_haz,
                                      r.buckling_class == 'B' ? kClassB : kClassA, r.n_p};
        }
        default_row = Aluguete_Record{97, kUnknown, kUnknown, kUnknown, 0.0, 10.0, kE, kG, kNu, kAlphaT,
                                      180.0, 220.0, 1.0, 75.0, 155.0, 0.42, 0.7, kClassA, 23.0};
    }
};

const Table& The_Table() {
    static const Table table;
    return table;
}

Grade_List<Aluguete_Record> users;

const Aluguete_Record* Resolve(unsigned int handle) {
    handle &= 0xffffu;
    if (handle & ALUGUETE_USER_BIT) {
        const Aluguete_Record* r = Grade_List_Lookup(&users, handle);
        return r ? r : &The_Table().default_row;
    }
    return handle < ALUGUETE_ROWS ? &The_Table().rows[handle] : &The_Table().default_row;
}

void Release_Row(const Aluguete_Record& r) {
    for (const char* text : {r.name, r.alloy, r.temper}) Grade_Text_Release(text, {kUnknown, kClassA, kClassB});
}

bool Names_Class_B(const char* c) { return c && std::toupper(static_cast<unsigned char>(c[0])) == 'B'; }

// A user row of the record: its own copies of the three texts and one of the
// two static class letters ("B" only for a class that is exactly "B" or "b").
Aluguete_Record Copy_Row(const Aluguete_Record& r) {
    Aluguete_Record copy = r;
    copy.name = Grade_Text_Copy(r.name, kUnknown);
    copy.alloy = Grade_Text_Copy(r.alloy, kUnknown);
    copy.temper = Grade_Text_Copy(r.temper, kUnknown);
    copy.buckling_class = Names_Class_B(r.buckling_class) && r.buckling_class[1] == '\0' ? kClassB : kClassA;
    return copy;
}

}  // namespace

const Aluguete_Record* Get_Aluguete_Record(unsigned int handle) { return Resolve(handle); }

const Aluguete_Record* Get_Default_Aluguete_Record(void) { return &The_Table().default_row; }

double Get_Aluguete_t_from(unsigned int handle) { return Resolve(handle)->t_from; }

double Get_Aluguete_t_to(unsigned int handle) { return Resolve(handle)->t_to; }

double Get_Aluguete_f0(unsigned int handle) { return Resolve(handle)->f_o; }

double Get_Aluguete_fu(unsigned int handle) { return Resolve(handle)->f_u; }

double Get_Aluguete_E(unsigned int handle, double* G_out) {
    const Aluguete_Record* r = Resolve(handle);
    if (G_out) *G_out = r->G;
    return r->E;
}

const char* Get_Aluguete_Name(unsigned int handle) {
    const char* s = Resolve(handle)->name;
    return s ? s : kUnknown;
}

const char* Get_Aluguete_Alloy(unsigned int handle) {
    const char* s = Resolve(handle)->alloy;
    return s ? s : kUnknown;
}

const char* Get_Aluguete_Temper(unsigned int handle) {
    const char* s = Resolve(handle)->temper;
    return s ? s : kUnknown;
}

int Is_Aluguete_Class_B(unsigned int handle) { return Names_Class_B(Resolve(handle)->buckling_class) ? 1 : 0; }

unsigned int Set_User_Aluguete(const Aluguete_Record* record) {
    return Grade_List_Set(&users, record, Copy_Row, Release_Row);
}

int Delete_User_Aluguete(unsigned int handle) { return Grade_List_Delete(&users, handle & 0xffffu, Release_Row); }

void Free_User_Aluguete(void) { Grade_List_Clear(&users, Release_Row); }

int Get_User_Aluguete_Count(void) { return users.count; }

const Aluguete_Record* Get_User_Aluguete_Record(int index) {
    return Grade_List_Row(&users, index, &The_Table().default_row);
}
