// Records and offsets shared by the composite symbols of pictures.
#include <cmath>

#include "base/vesk.h"
#include "printlist/ioliplot_internal.h"
#include "printlist/ioliplot_symbols_internal.h"

namespace ioliplot {

void Pen_Record(int pen) { Safe_Fprintf(S().stream, " %d %d\n", OLI_REC_PEN, pen); }
void Line_Width_Record(double cm) { Safe_Fprintf(S().stream, " %d %lf\n", OLI_REC_LINE_WIDTH, cm); }
void Text_Class_Record(int size_class) { Safe_Fprintf(S().stream, " %d %d\n", OLI_REC_TEXT_CLASS, size_class); }
void Text_Style_Record(int style) { Safe_Fprintf(S().stream, " %d %d\n", OLI_REC_TEXT_STYLE, style); }
void Height_Record(double cm) { Safe_Fprintf(S().stream, " %d %lf\n", OLI_REC_TEXT_HEIGHT, cm); }
void Text_Length_Record(double length) { Safe_Fprintf(S().stream, " %d %lf\n", OLI_REC_TEXT_LENGTH, length); }
void Text_Mode_Record(int a, int b) { Safe_Fprintf(S().stream, " %d %d %d\n", OLI_REC_TEXT_MODE, a, b); }
void Dash_Record(int count, const char* lengths) {
    Safe_Fprintf(S().stream, " %d %d %s %d\n", OLI_REC_DASH, count, lengths, 0);
}

void Paper_Offset(double a, double b, double z, bool upright, double* dx, double* dy) {
    const Oli_Picture_State& s = S();
    double sx = 1.0, sy = 1.0;
    if (upright) {
        if (s.x_direction != 1) sx = -1.0;
        if (s.y_direction != 0) sy = -1.0;
    }
    *dx = a * z * sx / s.scale_x;
    *dy = b * z * sy / s.scale_y;
}

}  // namespace ioliplot
