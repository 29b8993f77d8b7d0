// Plot file writer: head and tables in the colour or grey form, the id
// counters of the entity section and the entities the picture writers add
// while the plot file is open.
//
// Every element and point of the entity section carries an id ("@%d"); an
// edge names the id of the point it leads to ("#%d"), so the last edge of a
// loop names the loop's first point. The two counters restart at 1 with
// every head.
#include <cassert>
#include <cstdarg>
#include <cstring>
#include <string>

#include "base/cp850.h"
#include "base/geometry.h"
#include "base/rounding.h"
#include "base/vesk.h"
#include "platform/format.h"
#include "platform/posix.h"
#include "printlist/ioliplot.h"
#include "printlist/plotfile.h"

static PlotFile_State plot = {nullptr, 0.0, 5, 0, 0, 0, 0, 1, 1};

PlotFile_State* PlotFile_Get_State(void) { return &plot; }

int PlotFile_Is_Open(void) { return plot.stream != nullptr; }

// y as the plot file gets it: mirrored in a picture whose y axis runs down.
static double Plot_Y(double y) {
    const Oli_Picture_State* p = Oli_Get_Picture_State();
    return p->y_direction == 2 ? p->y_sum - y : y;
}

// ---- head and tables -------------------------------------------------------

static const char* const FONT_NAMES[12] = {
    "0.18  normal  ", "0.18  kursiv  ", "0.20  normal  ", "0.20  kursiv  ",
    "0.35  normal  ", "0.35  kursiv  ", "0.50  normal  ", "0.50  kursiv  ",
    "0.70  normal  ", "0.70  kursiv  ", "1.0   normal  ", "1.0   kursiv  ",
};
static const int FONT_BOLD[12] = {0, 0, 0, 0, 1, 1, 0, 0, 1, 1, 1, 1};
static const double FONT_HEIGHT[12] = {1.8, 1.8, 2.0, 2.0, 3.5, 3.5, 5.0, 5.0, 7.0, 7.0, 10.0, 10.0};
static const double PEN_WIDTHS[7] = {0.18, 0.2, 0.35, 0.5, 0.75, 1.0, 0.02};

static void Write_Title_Lines(FILE* f, const char* title, double width, double height) {
    Safe_Fprintf(f, "morv-Linarium (1.0)A\n");
    Safe_Fprintf(f, "%.255s\n", title ? title : "");
    Safe_Fprintf(f, "%lf %lf\n", width, height);
    Safe_Fprintf(f, "0\n\n*TABLES\n");
}

static void Write_Pens(FILE* f, int count) {
    Safe_Fprintf(f, "-pens %d\n", count);
    for (int c = 0; c <= plot.colors; c++)
        for (int k = 0; k < 7; k++) Safe_Fprintf(f, " %d  %lf %d\n", 7 * c + k, PEN_WIDTHS[k], c);
}

static void Write_Coordinates_And_Layers(FILE* f, double x0, double y0) {
    double n = 100.0 / plot.scale;
    Safe_Fprintf(f, "-coordinates 1\n");
    Safe_Fprintf(f, " 0 \xAE" "1:%.0lf\xAF %.0lf 0 %lf %lf 0 0.0 0.0 0 0.0 0.0\n", n, n,
                 x0 * plot.scale, y0 * plot.scale);
    Safe_Fprintf(f, "-layers 5\n");
    Safe_Fprintf(f, "%s", " 0 «Folie 1» 1 1 «Schnitt»\n"
                          " 1 «Folie 2» 1 1 «Bewehrung»\n"
                          " 2 «Folie 3» 1 1 «Vermaßung»\n"
                          " 3 «Folie 4» 1 1 «Schraffur»\n"
                          " 4 «Folie 5» 1 1 «Texte»\n"_cp);
    Safe_Fprintf(f, "*EOT\n\n");
    plot.point_id = 1;
    plot.element_id = 1;
}

void PlotFile_Write_Tables_Color(FILE* stream, const char* title, double x0, double y0, double width,
                                 double height) {
    FILE* f = stream;
    Write_Title_Lines(f, title, width, height);
    Safe_Fprintf(f, "-colors %d\n", plot.colors);
    Safe_Fprintf(f, " 1  0 0 194\n 2  255 0 0\n 3  68 255 0\n 4  255 101 255\n 5  255 255 0\n");
    for (int k = 6; k <= plot.colors; k++) {
        int g = 20 * (k - 5);
        Safe_Fprintf(f, "%d  %d %d %d\n", k, g, g, g);
    }
    Write_Pens(f, 7 * (plot.colors + 1));
    Safe_Fprintf(f, "-linetypes 4\n 0 0 1\n 1 1 0 2.0 1.0\n 2 2 0 3.0 1.0 1.0 1.0\n 3 1 0 1.0 2.0\n");
    Safe_Fprintf(f, "-fonts 12\n");
    for (int k = 0; k < 12; k++)
        Safe_Fprintf(f, " %d \xAE %s\xAF 0 %d %lf 0.700000 3.000000 %lf 1\n", k, FONT_NAMES[k],
                     FONT_BOLD[k], FONT_HEIGHT[k], (k % 2) ? 15.0 : 0.0);
    Safe_Fprintf(f, "-fillings %d\n", 3 * plot.colors + 3);
    for (int c = 0; c <= plot.colors; c++) {
        Safe_Fprintf(f, " %d -45.000000 1   0 1.000000 %d 0\n", 3 * c, 7 * c + 6);
        Safe_Fprintf(f, " %d 45.000000 2   0 1.000000 %d 0    1 1.000000 %d 1 \n", 3 * c + 1,
                     7 * c + 6, 7 * c + 6);
        Safe_Fprintf(f, " %d 0.000000 1   0 0.010000 %d 0\n", 3 * c + 2, 7 * c);
    }
    Write_Coordinates_And_Layers(f, x0, y0);
}

void PlotFile_Write_Tables_Grey(FILE* stream, const char* title, double x0, double y0, double width,
                                double height) {
    FILE* f = stream;
    plot.colors = 5;
    Write_Title_Lines(f, title, width, height);
    Safe_Fprintf(f, "-colors 5\n 1 100 100 100\n 2 133 133 133\n 3 165 165 165\n"
                    " 4  198 198 198\n 5  230 230 230\n");
    Write_Pens(f, 7 * (plot.colors + 1) + 1);
    Safe_Fprintf(f, " %d  0.0001 %d\n\n", 42, 5);
    Safe_Fprintf(f, "-linetypes 5\n0 0 1\n1 1 0 2.0 1.0\n2 2 0 3.0 1.0 0.5 1.0\n3 1 0 1.0 2.0\n"
                    "4 1 0 0.1 20.0\n");
    Safe_Fprintf(f, "-fonts 12\n");
    for (int k = 0; k < 12; k++) {
        const char* name = k == 11 ? "1.00  kursiv  " : FONT_NAMES[k];
        Safe_Fprintf(f, "%s%d \xAE %s\xAF 0 %d %s%lf 0.700000 3.000000 %lf 1\n", k < 10 ? "  " : " ", k,
                     name, FONT_BOLD[k], FONT_HEIGHT[k] < 10.0 ? " " : "", FONT_HEIGHT[k],
                     (k % 2) ? 15.0 : 0.0);
    }
    Safe_Fprintf(f, "-fillings %d\n", plot.colors + 3);
    for (int c = 0; c <= plot.colors; c++)
        Safe_Fprintf(f, " %d 00.0 1 0 0.20000 %d 0\n", c, 7 * c + 2);
    Safe_Fprintf(f, " %d 0.000000 1   0 1.000000 1 0\n", plot.colors + 1);
    Safe_Fprintf(f, " %d 0.000000 1   0 10000.000000 1 4\n", plot.colors + 2);
    Write_Coordinates_And_Layers(f, x0, y0);
}

// ---- opening and closing ---------------------------------------------------

void PlotFile_Begin_Entities(FILE* stream, double x1, double y1, double x2, double y2, double scale,
                             double angle, const char* title, PlotFile_Head_Writer writer) {
    assert(writer != nullptr);
    char text[PLOTFILE_TITLE_SIZE];
    std::snprintf(text, sizeof text, "%s", title ? title : "");
    // One plot file at a time: one still open is finished and closed first,
    // so that its handle is not lost and the file ends with "*EOI". The same
    // stream handed in again is not closed under its new head.
    if (plot.stream && plot.stream != stream) PlotFile_Close();
    plot.stream = stream;
    plot.scale = scale;
    if (!stream) return;
    double x[4] = {x1, x2, x1, x2};
    double y[4] = {y1, y1, y2, y2};
    Transform_Points(x, y, 4, 0.0, 0.0, angle, 1.0);
    double xmin = x[Index_Of_Extreme(4, x, 0)], xmax = x[Index_Of_Extreme(4, x, 1)];
    double ymin = y[Index_Of_Extreme(4, y, 0)], ymax = y[Index_Of_Extreme(4, y, 1)];
    writer(stream, text, -xmin, -ymin, (xmax - xmin) * scale, (ymax - ymin) * scale);
    Safe_Fprintf(stream, "*ENTITIES\n-setcoorsys 0\n-setlayer 0\n");
    plot.line_type = 0;
    plot.font = 0;
    plot.pen = 0;
    plot.filling = 0;
}

static void Open_With(PlotFile_Head_Writer writer, FILE* stream, double x1, double y1, double x2,
                      double y2, double scale, double angle, const char* format, va_list ap) {
    char title[PLOTFILE_TITLE_SIZE];
    VEK_Format_Bounded_V(title, sizeof title, format, ap);
    PlotFile_Begin_Entities(stream, x1, y1, x2, y2, scale, angle, title, writer);
}

void PlotFile_Open_Color(FILE* stream, double x1, double y1, double x2, double y2, double scale,
                         double angle, const char* title_format, ...) {
    va_list ap;
    va_start(ap, title_format);
    Open_With(PlotFile_Write_Tables_Color, stream, x1, y1, x2, y2, scale, angle, title_format, ap);
    va_end(ap);
}

void PlotFile_Open_Grey(FILE* stream, double x1, double y1, double x2, double y2, double scale,
                        double angle, const char* title_format, ...) {
    va_list ap;
    va_start(ap, title_format);
    Open_With(PlotFile_Write_Tables_Grey, stream, x1, y1, x2, y2, scale, angle, title_format, ap);
    va_end(ap);
}

int PlotFile_Close(void) {
    if (!plot.stream) return 0;
    FILE* f = plot.stream;
    // Forgotten before closing: whatever happens, no writer reaches the
    // closed stream and a second close does nothing.
    plot.stream = nullptr;
    Safe_Fprintf(f, "*EOI\n\n");
    // A write that failed on the way (a full disc) leaves the stream's error
    // mark, which fclose does not report.
    const bool failed = std::fflush(f) != 0 || std::ferror(f);
    return VEK_Fclose_Buffered(f) != 0 || failed ? EOF : 0;
}

// ---- setters ----------------------------------------------------------------

int PlotFile_Set_Pen(int pen) {
    int top = 7 * (plot.colors + 1) - 1;
    plot.pen = pen < 0 ? 0 : (pen < top ? pen : top);
    return plot.pen;
}

int PlotFile_Set_Filling(int filling) {
    int top = 3 * plot.colors + 2;
    plot.filling = filling < 0 ? -1 : (filling < top ? filling : top);
    return plot.filling;
}

int PlotFile_Set_Linetype(int type) {
    plot.line_type = type < 0 ? 0 : (type < 3 ? type : 3);
    return plot.line_type;
}

int PlotFile_Set_Font(int font) {
    plot.font = font < 0 ? 0 : (font < 11 ? font : 11);
    return plot.font;
}

void PlotFile_Set_Layer(int layer) {
    if (!plot.stream) return;
    Safe_Fprintf(plot.stream, "-setlayer %d\n", layer < 0 ? 0 : (layer > 4 ? 4 : layer));
}

// ---- entities ----------------------------------------------------------------

void PlotFile_Line(double x1, double y1, double x2, double y2) {
    if (!plot.stream) return;
    int e = plot.element_id, p = plot.point_id;
    Safe_Fprintf(plot.stream, "-line @%d ( @%d %lf %lf ) #%d %d %d 1 0.0\n", e, p, x1, Plot_Y(y1),
                 p + 1, plot.pen, plot.line_type);
    Safe_Fprintf(plot.stream, "-point @%d %lf %lf\n", p + 1, x2, Plot_Y(y2));
    plot.element_id = e + 1;
    plot.point_id = p + 2;
}

// Edge forms of an area loop.
enum Edge_Form { EDGE_POLYGON, EDGE_RECT, EDGE_RECT_LAST4 };

// One loop of n straight edges: " %d" with n, then the edges, the last one
// leading back to the loop's first point.
static void Write_Loop(int n, const double x[], const double y[], Edge_Form form) {
    int first = plot.point_id;
    Safe_Fprintf(plot.stream, " %d", n);
    for (int i = 0; i < n; i++) {
        int e = plot.element_id, p = plot.point_id;
        int next = (i == n - 1) ? first : p + 1;
        double yy = Plot_Y(y[i]);
        if (form == EDGE_POLYGON)
            Safe_Fprintf(plot.stream, " 0 ( @%d ( @%d %lf %lf ) #%d %d 0 1 0.0 )\n", e, p, x[i], yy,
                         next, plot.pen);
        else if (form == EDGE_RECT_LAST4 && i == n - 1)
            Safe_Fprintf(plot.stream, " 0 ( @%d ( @%d %.4f %.4f ) #%d %d 0 0 0.0 )\n", e, p, x[i], yy,
                         next, plot.pen);
        else
            Safe_Fprintf(plot.stream, " 0 ( @%d ( @%d %lf %lf ) #%d %d 0 0 0.0 )\n", e, p, x[i], yy,
                         next, plot.pen);
        plot.element_id = e + 1;
        plot.point_id = p + 1;
    }
}

// Two arc edges of radius r from (cx, cy + r) to (cx, cy - r) and back.
static void Write_Circle_Loop(double cx, double cy, double r) {
    int e = plot.element_id, p = plot.point_id;
    Safe_Fprintf(plot.stream, " %d", 2);
    Safe_Fprintf(plot.stream, " 0 ( @%d ( @%d %lf %lf ) #%d %d 0 0 %lf )\n", e, p, cx,
                 Plot_Y(cy + r), p + 1, plot.pen, r);
    Safe_Fprintf(plot.stream, " 0 ( @%d ( @%d %lf %lf ) #%d %d 0 0 %lf )\n", e + 1, p + 1, cx,
                 Plot_Y(cy - r), p, plot.pen, r);
    plot.element_id = e + 2;
    plot.point_id = p + 2;
}

void PlotFile_Area(int n, const double x[], const double y[], int polygon_form) {
    if (!plot.stream || plot.filling < 0 || n < 1) return;
    Safe_Fprintf(plot.stream, "-area / 0 %d\n", plot.filling);
    Write_Loop(n, x, y, polygon_form ? EDGE_POLYGON : EDGE_RECT_LAST4);
}

void PlotFile_Frame_Area(double x1, double y1, double x2, double y2, int hole, double x3, double y3,
                         double x4, double y4) {
    if (!plot.stream || plot.filling < 0) return;
    Safe_Fprintf(plot.stream, "-area / %d %d\n", hole ? 1 : 0, plot.filling);
    const double ox[4] = {x1, x1, x2, x2}, oy[4] = {y1, y2, y2, y1};
    Write_Loop(4, ox, oy, EDGE_RECT_LAST4);
    if (hole) {
        const double ix[4] = {x3, x3, x4, x4}, iy[4] = {y3, y4, y4, y3};
        Write_Loop(4, ix, iy, EDGE_RECT);
    }
}

void PlotFile_Holes_Area(int n, const double x[], const double y[], int holes, const int counts[],
                         const double hx[], const double hy[], int circles, const double cx[],
                         const double cy[], const double radii[]) {
    if (!plot.stream || plot.filling < 0 || n < 1) return;
    holes = holes > 0 ? holes : 0;
    circles = circles > 0 ? circles : 0;
    Safe_Fprintf(plot.stream, "-area / %d %d\n", holes + circles, plot.filling);
    Write_Loop(n, x, y, EDGE_RECT);
    int at = 0;
    for (int h = 0; h < holes; h++) {
        if (counts[h] > 0) Write_Loop(counts[h], hx + at, hy + at, EDGE_RECT);
        at += counts[h] > 0 ? counts[h] : 0;
    }
    for (int c = 0; c < circles; c++) Write_Circle_Loop(cx[c], cy[c], radii[c]);
}

void PlotFile_Circle(double cx, double cy, double r) {
    if (!plot.stream || plot.filling < 0) return;
    Safe_Fprintf(plot.stream, "-opengroup\n-area / 0 %d\n", plot.filling);
    Write_Circle_Loop(cx, cy, r);
    Safe_Fprintf(plot.stream, "-closegroup\n");
}

void PlotFile_Ring(double cx, double cy, double r_outer, double r_inner) {
    if (!plot.stream || plot.filling < 0) return;
    Safe_Fprintf(plot.stream, "-opengroup\n-area / 1 %d\n", plot.filling);
    Write_Circle_Loop(cx, cy, r_outer);
    Write_Circle_Loop(cx, cy, r_inner);
    Safe_Fprintf(plot.stream, "-closegroup\n");
}

void PlotFile_Text(double x, double y, int anchor, double degrees, const char* angle_text,
                   const char* text) {
    if (!plot.stream) return;
    if (!text) text = "";
    int length = (int)std::strlen(text) + 1;
    if (angle_text)
        Safe_Fprintf(plot.stream, "-text / 1 %d %d 2 1 %d %lf %lf %s 1.2 0. 0.\n", length, plot.font,
                     anchor, x, Plot_Y(y), angle_text);
    else
        Safe_Fprintf(plot.stream, "-text / 1 %d %d 2 1 %d %lf %lf %lf 1.2 0. 0.\n", length, plot.font,
                     anchor, x, Plot_Y(y), degrees);
    Safe_Fprintf(plot.stream, "    \xAE%s\xAF\n", text);
}

void PlotFile_Open_Group(void) {
    if (plot.stream) Safe_Fprintf(plot.stream, "-opengroup\n");
}

void PlotFile_Close_Group(void) {
    if (plot.stream) Safe_Fprintf(plot.stream, "-closegroup\n");
}
