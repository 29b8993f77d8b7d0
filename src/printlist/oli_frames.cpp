// Frame escapes of print-list text lines.
#include "printlist/oli_frames.h"

#include <algorithm>

#include "base/cp850.h"
#include "base/vesk.h"
#include "printlist/oli_checks.h"

namespace {

double Unit(double v) { return std::min(std::max(v, 0.0), 1.0); }

// The style number: 0 for one beyond the 64 styles, 3840 added with flag.
int Style(int flag, int n) {
    if (n >= 65 || n < 0) n = 0;
    return flag ? n + 3840 : n;
}

}  // namespace

void Oli_Frame_Left(FILE* stream, double a, double b, double c, double d) {
    if (!stream) return;
    Oli_Input_Check check("Oli_Frame_Left");
    if (!check.Number(a, 1.0e5).Number(b, 1.0e5).Number(c).Number(d).Ok()) return;
    Safe_Fprintf(stream, " ╬{╬L 0 %f %f %f %f } "_cp, a, b, Unit(c), Unit(d));
}

void Oli_Frame_Line(FILE* stream, double v) {
    if (!stream || !Oli_Input_Check("Oli_Frame_Line").Number(v).Ok()) return;
    Safe_Fprintf(stream, " ╬{╬L 0 -1 -1 %f %f }"_cp, Unit(v), Unit(v));
}

void Oli_Frame_Double(FILE* stream, double v) {
    if (!stream || !Oli_Input_Check("Oli_Frame_Double").Number(v).Ok()) return;
    v = Unit(v);
    Safe_Fprintf(stream, " ╬{╬L 0 -1 -1 %f %f } "_cp, v - 0.1, v - 0.1);
    Safe_Fprintf(stream, " ╬{╬L 0 -1 -1 %f %f } "_cp, v + 0.1, v + 0.1);
}

void Oli_Frame_Rect(FILE* stream, int flag, int n, double x, double y, double a, double b) {
    if (!stream) return;
    if (!Oli_Input_Check("Oli_Frame_Rect").Number(x, 1.0e5).Number(y, 1.0e5).Number(a).Number(b).Ok()) return;
    a = Unit(a), b = Unit(b);
    Safe_Fprintf(stream, " ╬{╬R %d %f %f %f %f } "_cp, Style(flag, n), x, y, std::min(a, b), std::max(a, b));
}

void Oli_Frame_Rect_Off(FILE* stream, int flag, int n) {
    if (!stream) return;
    Safe_Fprintf(stream, " ╬{╬R %d -1 -1 -1 -1} "_cp, Style(flag, n));
}
