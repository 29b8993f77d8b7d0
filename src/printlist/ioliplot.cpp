// Picture state and the picture block of the print list: the map from world
// coordinates to paper centimetres (two scales and a rotation), the axis
// words that tell the writers which way the picture's axes run, the
// "#SHOWGRAFIC" head with captions and extent, the choice of a standard
// scale, the bounding box and the colour and fill switches.
//
// No picture is formally open or closed: the state keeps the values of the
// last opening until the next one. Colour and fill switches, list version
// and dimension style survive openings; the stagger flag does not.
#include <cassert>
#include <cmath>
#include <cstring>

#include "base/cp850.h"
#include "base/geometry.h"
#include "base/rounding.h"
#include "base/vesk.h"
#include "dialogs/messages.h"
#include "printlist/ioliplot.h"
#include "printlist/ioliplot_internal.h"

static const Oli_Picture_State START = {
    nullptr, nullptr, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0, 0, 0, 1.0, 0.0,
    1e100, 1e100, -1e100, -1e100,
    1, 1, 338, 0, 0,
    {0, 0, 0}, 0.0, {0, 0, 0}, 0.0,
    0, 0, 0, 0, 0.0, 0.0,
    0, 0,
    0.3, 0.3,
};
static Oli_Picture_State picture = START;

static const int STANDARD_SCALES[18] = {5,   10,  25,  50,  75,  100, 125, 150,  175,
                                        200, 250, 300, 350, 400, 500, 750, 1000, 1500};

Oli_Picture_State* Oli_Get_Picture_State(void) { return &picture; }

void Oli_Reset_Picture_State(void) {
    picture = START;
    ioliplot::Clear_Taken();
}

int Oli_Element_Faults(void) { return picture.element_faults + (picture.element_depth != 0 ? 1 : 0); }

namespace ioliplot {

Oli_Picture_State& S() { return picture; }

void Extend_Box(double x, double y) {
    if (x < picture.box_xmin) picture.box_xmin = x;
    if (x > picture.box_xmax) picture.box_xmax = x;
    if (y < picture.box_ymin) picture.box_ymin = y;
    if (y > picture.box_ymax) picture.box_ymax = y;
}

void Extend_Box_Range(double xmin, double xmax, double ymin, double ymax) {
    if (xmin < picture.box_xmin) picture.box_xmin = xmin;
    if (xmax > picture.box_xmax) picture.box_xmax = xmax;
    if (ymin < picture.box_ymin) picture.box_ymin = ymin;
    if (ymax > picture.box_ymax) picture.box_ymax = ymax;
}

void Turn(double* x, double* y) {
    assert(x != nullptr && y != nullptr);
    // The arithmetic of Transform_Points about the origin at scale 1, with
    // cosine and sine kept until the rotation changes (compared bit for bit:
    // the sine of -0 is -0).
    static double rotation = 0.0, c = 1.0, d = 0.0;
    if (std::memcmp(&rotation, &picture.rotation, sizeof rotation) != 0) {
        rotation = picture.rotation;
        c = std::cos(rotation);
        d = std::sin(rotation);
    }
    const double dx = *x - 0.0, dy = *y - 0.0;
    *x = (c * dx + d * dy) * 1.0;
    *y = (c * dy - d * dx) * 1.0;
}

void Turn_Points(int n, double x[], double y[]) {
    Transform_Points(x, y, n, 0.0, 0.0, picture.rotation, 1.0);
}

}  // namespace ioliplot

// Smallest and largest of four values, put in the caller's order: ascending
// when the caller's extent ran upwards, descending otherwise.
static void Turned_Extent(const double v[4], bool upwards, double* first, double* second) {
    double lo = v[0], hi = v[0];
    for (int i = 1; i < 4; i++) {
        if (v[i] < lo) lo = v[i];
        if (v[i] > hi) hi = v[i];
    }
    *first = upwards ? lo : hi;
    *second = upwards ? hi : lo;
}

static void Set_Axis_Words(double x1, double y1, double x2, double y2) {
    if (x2 > x1) {
        picture.x_direction = 1;
        if (y2 > y1) {
            picture.y_direction = 0, picture.mirror_flag = 0, picture.mirror_sign = 1.0;
        } else {
            picture.y_direction = 2, picture.mirror_flag = 1, picture.mirror_sign = -1.0;
        }
    } else {
        picture.x_direction = 3;
        if (y2 <= y1) {
            picture.y_direction = 2, picture.mirror_flag = 1, picture.mirror_sign = 1.0;
        } else {
            picture.y_direction = 0, picture.mirror_flag = 0, picture.mirror_sign = -1.0;
        }
    }
}

static int Write_Head(FILE* stream, const OliGrafik_Captions* captions) {
    if (!captions) return Safe_Fprintf(stream, "#SHOWGRAFIC\n 0 0 0\n 0 0 0\n");
    int flag[6];
    for (int i = 0; i < 6; i++) flag[i] = captions->line[i][0] != 0;
    int result = Safe_Fprintf(stream, "#SHOWGRAFIC\n");
    for (int group = 0; group < 2; group++) {
        int k = 3 * group;
        result = Safe_Fprintf(stream, " %d %d %d\n", flag[k], flag[k + 1], flag[k + 2]);
        for (int i = k; i < k + 3; i++) {
            // Bounded: a caption line without terminator is cut at 80 bytes.
            if (flag[i]) result = Safe_Fprintf(stream, " %.80s\n", captions->line[i]);
        }
    }
    return result;
}

int Oli_Grafik_Begin(FILE* stream, double x1, double y1, double x2, double y2, double scale_x,
                     double scale_y, double rotation, const OliGrafik_Captions* captions) {
    // A scale of 0 would give a picture of no size and a division by zero
    // in every writer that turns paper lengths into world lengths.
    if (!(scale_x != 0.0 && std::isfinite(scale_x)) || !(scale_y != 0.0 && std::isfinite(scale_y)))
        return OLI_GRAFIK_NO_SCALE;

    // An element left open ends with the picture before it.
    if (picture.element_depth != 0) ++picture.element_faults;
    picture.element_depth = 0;
    picture.text_height = START.text_height;
    picture.stream = stream;
    picture.stagger_flag = 0;
    picture.scale_x = scale_x;
    picture.scale_y = scale_y;
    picture.scale_min = std::fmin(scale_x, scale_y);
    picture.scale_max = std::fmax(scale_x, scale_y);
    picture.small_length = 0.3 / picture.scale_max;
    picture.rotation = rotation;
    picture.text_angle = 0.0;

    if (Round_To_Decimals(std::fabs(rotation), 3) != 0.0) {
        double cx[4] = {x1, x2, x2, x1};
        double cy[4] = {y1, y1, y2, y2};
        Transform_Points(cx, cy, 4, 0.0, 0.0, rotation, 1.0);
        bool x_up = x2 > x1, y_up = y2 > y1;
        Turned_Extent(cx, x_up, &x1, &x2);
        Turned_Extent(cy, y_up, &y1, &y2);
    }
    picture.y_sum = y1 + y2;
    Set_Axis_Words(x1, y1, x2, y2);
    ioliplot::Begin_Taken(x1 * scale_x, x2 * scale_x, y1 * scale_y, y2 * scale_y);

    Write_Head(stream, captions);
    Safe_Fprintf(stream, "%d\n", -1);
    return Safe_Fprintf(stream, "%lf %lf %lf %lf\n", x1 * scale_x, x2 * scale_x, y1 * scale_y,
                        y2 * scale_y);
}

int Oli_Grafik_Begin_Uniform(FILE* stream, double x1, double y1, double x2, double y2, double scale,
                             double rotation, const OliGrafik_Captions* captions) {
    return Oli_Grafik_Begin(stream, x1, y1, x2, y2, scale, scale, rotation, captions);
}

int Oli_Grafik_Begin_Plain(FILE* stream, double x1, double y1, double x2, double y2, double scale_x,
                           double scale_y) {
    return Oli_Grafik_Begin(stream, x1, y1, x2, y2, scale_x, scale_y, 0.0, nullptr);
}

void Oli_Set_Text_Angle(double angle) {
    const double turn = 2.0 * ioliplot::PI;
    // An angle that is no number would turn every text after it into "nan"
    // in the list: the angle before stays.
    if (!std::isfinite(angle)) return;
    double a = angle * picture.mirror_sign;
    // Far beyond a turn the whole turns go at once (the steps below would
    // never end there); the steps are kept for ordinary angles.
    if (a > 1e4 * turn) a = std::fmod(a, turn) + 2.0 * turn;
    if (a > turn) {
        while (a > 2.0 * turn) a -= turn;
        a -= turn;
    }
    picture.text_angle = a;
}

double Oli_Get_Text_Angle(void) { return picture.text_angle; }

void Oli_World_To_Paper(double x, double y, double* px, double* py) {
    ioliplot::Turn(&x, &y);
    if (px) *px = x * picture.scale_x;
    if (py) *py = y * picture.scale_y;
}

void Oli_Paper_To_World_Length(double length, double* along_x, double* along_y) {
    assert(along_x != nullptr && along_y != nullptr);
    *along_x = length / picture.scale_x;
    *along_y = length / picture.scale_y;
}

int Oli_Find_Standard_Scale(double paper_width, double paper_height, double world_width,
                            double world_height) {
    double r = std::fmin(paper_height / (100.0 * world_height), paper_width / (100.0 * world_width));
    for (int i = 0; i < 18; i++) {
        if (r > 1.0 / STANDARD_SCALES[i]) return i;
    }
    // Shown at once; the caller's message mode is put back afterwards.
    Message_in_Mode(0, "%s\n%s",
                    "Benötigter Maßstab für Darstellung in der Druckliste zu klein!"_cp,
                    "  -> Geometriedaten überprüfen und korrigieren."_cp);
    return -1;
}

void Oli_Redirect_Output(FILE* stream) {
    picture.kept_stream = picture.stream;
    picture.stream = stream;
}

FILE* Oli_Restore_Output(void) {
    picture.stream = picture.kept_stream;
    return picture.stream;
}

void Oli_Reset_Bounding_Box(void) {
    picture.box_xmin = picture.box_ymin = 1e100;
    picture.box_xmax = picture.box_ymax = -1e100;
}

void Oli_Get_Bounding_Box(double* xmin, double* ymin, double* xmax, double* ymax) {
    if (xmin) *xmin = picture.box_xmin;
    if (ymin) *ymin = picture.box_ymin;
    if (xmax) *xmax = picture.box_xmax;
    if (ymax) *ymax = picture.box_ymax;
}

void Oli_Set_Color_Mode(int on) { picture.color_mode = on; }
int Oli_Get_Color_Mode(void) { return picture.color_mode; }
void Oli_Set_Fill_Mode(int on) { picture.fill_mode = on; }
void Oli_Set_List_Version(int version) { picture.list_version = version; }
int Oli_Get_List_Version(void) { return picture.list_version; }
