// The evaluation and print driver of a connection.
#include "weldapp/print_schweissnaht.h"
#include "memberchecks/xs_resistance.h"

#include <algorithm>
#include <cerrno>
#include <cmath>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include "base/cp850.h"
#include "base/ctools.h"
#include "base/invariant.h"
#include "base/stored_text.h"
#include "base/textio.h"
#include "base/vesk.h"
#include "codes/nad.h"
#include "codes/nad_norm.h"
#include "codes/nad_print.h"
#include "drawings/oli_pens.h"
#include "drawings/xs_weld_plot.h"
#include "platform/desktop.h"
#include "platform/msgbox.h"
#include "platform/oli_graphic_records.h"
#include "platform/oli_layout.h"
#include "platform/posix.h"
#include "printlist/ioliplot.h"
#include "printlist/ioliwrt.h"
#include "printlist/oli_para.h"
#include "printlist/plotfile.h"
#include "printlist/verdict.h"
#include "profiles/profile_catalogue.h"
#include "weldapp/code_materials.h"
#include "weldapp/din_anschluss.h"
#include "weldapp/endergebnis.h"
#include "weldapp/connection_invariants.h"
#include "weldapp/filed_record.h"
#include "weldapp/tool_text.h"
#include "weldcheck/weld_check_record.h"
#include "weldcheck/weldelem.h"

// Tests put a check of their own in.
static XS_Check_Function s_xs_check = Check_XS_Resistance;
static std::string s_plot_name;
static int s_plot_result = 0;  // of the file named: 0 not written, 1 complete, -1 failed
static int s_plot_error = 0;   // why it failed (errno), 0 when no reason is known
// The evaluation runs on this copy so that the weld layout of an all-round
// weld may be rebuilt without touching the caller's table.
static SchweissnahtAnschluss s_work = {};

XS_Check_Function Set_XS_Check_Seam(XS_Check_Function check) {
    XS_Check_Function old = s_xs_check;
    s_xs_check = check;
    return old;
}

void Set_Plot_File_Name(const char* name) {
    s_plot_name = name ? name : "";
    s_plot_result = 0;
    s_plot_error = 0;
}

int Plot_File_Result(void) { return s_plot_result; }

int Plot_File_Error(void) { return s_plot_error; }

static const char* P = "";  // the common line prefix of the print texts
static const double kTextRowCm = 0.47;  // a row of running text on the page

// Why the last evaluation without print list did not verify the connection.
static std::string s_reason;
// The first load case of the running evaluation that got no result, and why.
static std::string s_case_failure;
// The input check of the running evaluation refused the weld geometry: no
// case checks the welds with it.
static bool s_welds_refused = false;

const char* Evaluation_Refusal_Reason(void) { return s_reason.c_str(); }
void Reset_Evaluation_Refusal_Reason(void) { s_reason.clear(); }

// The heading levels of the list: its chapters (each load case's among
// them) and the checks within a chapter.
enum { CHAPTER_LEVEL = 1, CHECK_LEVEL = 2 };

static void chapter(FILE* list, const char* title) {
    OLI_End_Text(list);
    OLI_reserveSpaceCM(list, 3.0);
    Oli_Heading_Bookmark(list, CHAPTER_LEVEL, 0, "%s", title);
}

// ---- sketch ----

// The smallest round scale of the drawing series at which a profile of
// width x height mm fits a room of room_w x room_h cm (0 when it cannot).
static double Series_Scale(double width, double height, double room_w, double room_h) {
    // The series of round scales is the drawings' own; their factor counts
    // the picture in units a thousand times the millimetres of the sketch.
    const double factor = Calc_Drawing_Scale(width / 1000.0, height / 1000.0, room_w, room_h, 0);
    return factor > 0.0 && std::isfinite(factor) ? 100.0 / factor : 0.0;
}

double Sketch_Scale(double scale, double width, double height) {
    if (scale > 0.001) return scale;
    // The room of a fitted picture: HE280A, the profile of a new connection,
    // comes out at 1:5, the scale its defaults give it.
    const double room = 6.0;  // cm
    return Series_Scale(width, height, room, room);
}

// The extent of the sketch (mm) by profile type; false for a type without
// a sketch or a profile of no size.
static bool sketch_extent(const Stahlprofil& p, double* width, double* height) {
    double wd = -1e7, ht = -1e7;
    if (Is_Profile_Type_In(PROFILTYP_MASK_I, p.type)) {
        wd = std::max(p.b_fo, p.b_fu);
        ht = p.h;
    } else if (Is_Profile_Type_One_Of(p.type, {PROFILTYP_C, PROFILTYP_RECHTECK, PROFILTYP_T, PROFILTYP_U, PROFILTYP_Z,
                                               PROFILTYP_HALB_I, PROFILTYP_L})) {
        wd = p.b_fo;
        ht = p.h;
    } else if (p.type == PROFILTYP_FLACH) {
        wd = p.t_w;
        ht = p.h;
    } else if (Is_Profile_Type_One_Of(p.type, {PROFILTYP_RUND, PROFILTYP_ROHR})) {
        wd = ht = p.h;
    }
    *width = wd;
    *height = ht;
    return wd > -1e6 && ht > -1e6 && wd >= 1.0 && ht >= 1.0;
}

// The plot file beside the list, written only where the caller allows it;
// one that cannot be opened is skipped without message. `window`: left,
// top, right, bottom (mm).
static void open_plot_file(const double window[4], double factor) {
    FILE* plot = VEK_Open_Writing(s_plot_name.c_str());
    s_plot_result = plot ? 1 : -1;
    if (!plot) {
        s_plot_error = errno;
        return;
    }
    VEK_Give_Large_Buffer(plot);
    PlotFile_Open_Color(plot, window[0], window[3], window[2], window[1], factor, 0.0, "%s: %s", Position_Code,
                        Position_Text);
    PlotFile_Set_Font(0);
    PlotFile_Set_Layer(0);
    PlotFile_Set_Linetype(0);
    PlotFile_Set_Pen(0);
    PlotFile_Set_Filling(-1);
}

// The frame and the plate behind the profile (one element), then the
// caption of the scale n (none for 0).
static void sketch_plate(FILE* list, double d, double width, double height, double n) {
    // The profile, the welds and the labels follow as elements of their
    // own (elements do not nest).
    Oli_Element_Begin();
    Safe_Fprintf(list, " %d %d\n", OLI_REC_TEXT_STYLE, 6);
    Safe_Fprintf(list, " %d %d\n", OLI_REC_TEXT_CLASS, 9);
    Safe_Fprintf(list, " %d %d\n", OLI_REC_PEN, 1);
    Safe_Fprintf(list, " %d %d %s %d\n", OLI_REC_DASH, 0, "", 0);
    Oli_Set_Dimension_Style(OLI_DIM_DOT_MARKS);
    // The plate the profile is welded to, behind it, in the plate's colour.
    Oli_Select_Pen(static_cast<unsigned>(OliRole_Plate_Pen));
    Oli_Fill_Record(OliRole_Plate_Pattern);
    Oli_Filled_Rect(-d / 2, -d / 2, width + d / 2, height + d / 2);
    Oli_Element_End();
    // Back to the picture's default pen: the caption and the weld numbers
    // are black, not in the plate's colour.
    Oli_Select_Pen(static_cast<unsigned>(OliRole_Outline_Pen));
    if (PlotFile_Is_Open()) PlotFile_Set_Pen(1);
    // The caption starts at the plate's left edge, below the plate, where
    // no dimension line reaches: it stays inside the picture.
    // A whole scale reads "1:5", not "1:5.0"; a fraction keeps its decimal.
    if (n > 0.001)
        Oli_Text_At_Printf(-d / 2, height + d / 2 + 0.03 * d, 0, 3, "Maßstab 1:%.*lf"_cp,
                           std::fabs(n - std::round(n)) < 0.05 ? 0 : 1, n);
}

// The options of the profile in the frame of width mm, drawn at d mm per cm.
static void sketch_options(const Nahtbild& nb, double d, double width, XSPlotOptions* o) {
    const Stahlprofil& p = nb.profile;
    double x = width / 2, y = 0.0;
    if (p.type == PROFILTYP_L) {
        // The heel at the bottom left: leg h upright, leg b along the bottom.
        x = width / 2 - p.b_fo / 2;
        y = p.h;
    } else if (Is_Profile_Type_One_Of(p.type, {PROFILTYP_C, PROFILTYP_U})) {
        x = width / 2 - p.b_fo / 2;
        y = p.h / 2;
    } else if (p.type == PROFILTYP_FLACH) {
        x = width / 2 - p.t_w / 2;
    }
    Init_XS_Plot_Options(o);
    o->x_ref = x;
    o->y_ref = y;
    o->mm_per_cm = d;
    o->fill_pen = OliRole_Profile_Pen;
    o->line_width = 2;
    o->line_pen = OliRole_Outline_Pen;
    o->profile = &p;
    // The angle stays 0: the frame and the weld lines are laid out for the
    // profile as it lies, whatever the inclination of its principal axes.
}

// The profile in the frame of width mm, drawn at d mm per cm, and its welds.
static void sketch_profile_and_welds(const Nahtbild& nb, FILE* list, double d, double width) {
    Set_Oli_Pen_Roles(OliRole_Plate_Pen, OliRole_Plate_Pattern);
    XSPlotOptions o;
    sketch_options(nb, d, width, &o);
    // The plate's hatch gives way to the dimension lines.
    XS_Plot_Dimension_Ground(&o, 1);
    // No leg numbers on an angle: the dimension lines name its legs, and
    // digits there would read as weld numbers.
    Draw_XS_Weld_Plot(&o, list, 0, 1, 1);
    const int weld_pen = nb.weld_kind == WELD_FILLET ? OliRole_Fillet_Weld_Pen : OliRole_Other_Weld_Pen;
    if (nb.all_round) {
        o.fill_pen = -1;
        o.line_width = Oli_Weld_Line_Pen(std::lround(nb.a_w + 0.01));
        o.line_pen = weld_pen;
        Draw_XS_Weld_Plot(&o, list, 2, 0, 0);
    } else {
        // The welds lie on the profile's faces, drawn with the profile's options.
        XS_Plot_Sketch_Welds(&o, nb.number, nb.throat, nb.length, NAHT_SLOTS, weld_pen);
    }
}

// A scale 1:n as the caption writes it: a whole n without decimals; "" for
// one too large to be written digit for digit.
static std::string scale_text(double n) {
    if (!(n > 0.0 && n < 1e15)) return "";
    char text[32];
    std::snprintf(text, sizeof text, "1:%.*lf", std::fabs(n - std::round(n)) < 0.05 ? 0 : 1, n);
    return text;
}

// The smallest sketch kept at the scale asked for: its larger side in cm.
// Below it the labels and dimensions of the profile would cover each other
// and the profile itself.
static const double kMinSketchCm = 1.5;
// The largest sketch of the profile, cm: with the frame's 0.9 cm on either
// side it takes at most 16.0 x 22.0 cm, the room the list's first page
// leaves below its head and the chapter's heading. A larger one would not
// be printed at its scale (the viewer shrinks a picture to its page) or
// would leave that page empty.
static const double kMostSketchCm[2] = {14.2, 20.2};

static void draw_sketch(SchweissnahtAnschluss* w, FILE* list) {
    OLI_End_Text(list);
    double width, height;
    if (!sketch_extent(w->naht.profile, &width, &height)) return;
    double n = Sketch_Scale(w->print.massstab, width, height);
    // A scale that leaves the picture too small is not drawn: the fitted
    // scale is, and a line after the picture says so. Nor is one that makes
    // it larger than the page's room: the largest round scale that fits is,
    // so that the caption states the scale the sketch is printed at.
    const double asked = n;
    const bool too_small = n > 0.001 && !(0.1 / n * std::max(width, height) >= kMinSketchCm);
    const bool too_large = n > 0.001 && !too_small &&
                           !(0.1 / n * width <= kMostSketchCm[0] && 0.1 / n * height <= kMostSketchCm[1]);
    if (too_small) n = Sketch_Scale(0.0, width, height);
    if (too_large) n = Series_Scale(width, height, kMostSketchCm[0], kMostSketchCm[1]);
    const double factor = n > 0.001 ? 0.1 / n : 0.0;
    if (!(factor > 0.0) || !std::isfinite(factor)) return;
    Init_Oli_Pens();
    const double d = 1.0 / factor, m = 0.9 * d;
    // The frame around the plate, wider where a mark of the profile (the
    // shear centre of a small channel beyond its web) and its letter would
    // stand outside it.
    double window[4] = {-m, -m, width + m, height + m}, marks[4];
    XSPlotOptions o;
    sketch_options(w->naht, d, width, &o);
    if (XS_Plot_Marks_Box(&o, 1, marks))
        for (int i = 0; i < 2; ++i)
            window[i] = std::min(window[i], marks[i]), window[i + 2] = std::max(window[i + 2], marks[i + 2]);
    Oli_Grafik_Begin(list, window[0], window[3], window[2], window[1], factor, factor, 0.0, nullptr);
    Oli_Set_Color_Mode(1);
    Oli_Set_Clear_Labels(1);  // the labels stand on the hatched plate
    if (w->print.grafik && !s_plot_name.empty()) open_plot_file(window, factor);
    sketch_plate(list, d, width, height, n);
    sketch_profile_and_welds(w->naht, list, d, width);
    Safe_Fprintf(list, " -1\n");
    // A plot file that could not be completed is not left behind.
    errno = 0;
    if (PlotFile_Is_Open() && PlotFile_Close() != 0) {
        s_plot_error = errno;
        std::remove(s_plot_name.c_str());
        s_plot_result = -1;
    }
    OLI_setYPositionCM(list, OLI_Y_RELATIVE, -0.5);
    if (too_small || too_large) {
        const std::string a = scale_text(asked);
        OLI_printf(list, too_small ? "%sGewählter Maßstab %s%szu klein für die Skizze, gezeichnet im Maßstab %s\n"_cp
                                   : "%sGewählter Maßstab %s%szu groß für die Seite, gezeichnet im Maßstab %s\n"_cp,
                   P, a.c_str(), a.empty() ? "" : " ", scale_text(n).c_str());
    }
}

// ---- input checks ----

// Beyond this magnitude (N, Nmm) a force is no load of a real connection:
// the stresses formed from it could overflow (the weld check has the same
// limit).
static const double kMaxForce = 1e15;

// The share of N carried by contact is a fraction 0..1 (the input page
// shows 0..100 %); anything else comes from a damaged file.
static bool Contact_Fraction_Usable(double share) { return std::isfinite(share) && share >= 0.0 && share <= 1.0; }

// The refusal line of an input value: the field named with its value (text
// made by the caller, "--" for no number).
static void refusal_line(FILE* out, const char* field, const std::string& value, const char* reason) {
    if (out)
        OLI_printf(out, "%s╬HFehler╬r: %s = %s  \x88  %s, Nachweis nicht möglich %s\n"_cp, P, field,
                   value.c_str(), reason, Mark_Not_Ok());
}

// The forces of a case that no check can take: each named with its line.
// 1 when one was refused.
static int refuse_forces(const Schnittkraefte& f, FILE* out) {
    struct Item {
        const char* symbol;
        double value;
    } const items[] = {
        {"N╬\\Ed╬r"_cp, f.N},     {"M╬\\y,Ed╬r"_cp, f.M_y}, {"M╬\\z,Ed╬r"_cp, f.M_z},
        {"V╬\\y,Ed╬r"_cp, f.V_y}, {"V╬\\z,Ed╬r"_cp, f.V_z}, {"M╬\\x,Ed╬r"_cp, f.M_x},
    };
    int refused = 0;
    for (const Item& it : items) {
        if (std::isfinite(it.value) && std::fabs(it.value) <= kMaxForce) continue;
        refusal_line(out, it.symbol, "--", "keine gültige Zahl oder zu groß"_cp);
        refused = 1;
    }
    return refused;
}

// A share of N by contact outside 0..100 %: its line. 1 when refused.
static int refuse_contact_share(const Nahtbild& n, FILE* list) {
    const double share = n.contact_fraction;
    if (Contact_Fraction_Usable(share)) return 0;
    char value[32] = "--";
    if (std::isfinite(share) && std::fabs(share) < 1e6) std::snprintf(value, sizeof value, "%.0lf %%", share * 100.0);
    refusal_line(list, "Abtrag der Normalkraft über Druckkontakt"_cp, value, "zulässig sind 0 bis 100 %"_cp);
    return 1;
}

// A weld longer than the face of the profile it lies on: each named with its
// typed length and the face's. The screen holds a length to its face; an
// input file may hold any. A weld within the stored files' rounding of its
// face (kSameLength, as the screen keeps it) is no longer than the face. 1
// when one was refused.
static int refuse_weld_lengths(const Nahtbild& n, FILE* list) {
    // All round, the welds take the lengths of the faces themselves.
    if (n.all_round || Is_Profile_Type_One_Of(n.profile.type, {PROFILTYP_RUND, PROFILTYP_ROHR})) return 0;
    double face[STAHLPROFIL_EDGES] = {};
    int code[STAHLPROFIL_EDGES] = {};
    if (Get_Profile_Plate_Elements(&n.profile, face, code) <= 0) return 0;
    const double kSameLength = 0.001;  // mm
    int refused = 0;
    for (int k = 0; k < n.weld_count && k < NAHT_SLOTS && k < STAHLPROFIL_EDGES; ++k) {
        if (n.number[k] <= 0 || !(n.throat[k] > 0.01) || code[k] <= 0) continue;
        if (!(n.length[k] > face[k] + kSameLength)) continue;
        // Both to 0.1 mm unless that shows them alike.
        const int digits = std::fabs(n.length[k] - face[k]) < 0.05 ? 3 : 1;
        char field[32], value[32], reason[96];
        std::snprintf(field, sizeof field, "l╬\\w%d╬r"_cp, n.number[k]);
        std::snprintf(value, sizeof value, "%.*lf mm", digits, n.length[k]);
        std::snprintf(reason, sizeof reason, "länger als die Fläche am Profil (%.*lf mm)"_cp, digits, face[k]);
        refusal_line(list, field, value, reason);
        // The final result names it among the limits the welds break.
        Weld_Notes note = {};
        Add_Weld_Note(&note, WELD_RULE_LONGER_THAN_FACE, n.length[k], face[k], digits);
        Add_Weld_Notes(n.number[k], note);
        refused = 1;
    }
    return refused;
}

// ---- input protocol ----

// Material, partial factors, profile and plate.
static void protocol_parts(SchweissnahtAnschluss* w, FILE* list) {
    const Nahtbild& n = w->naht;
    const OliProps& pr = w->print;
    const bool din = w->code_setting == CODE_SETTING_DIN18800;
    int m = n.weld_kind == WELD_FILLET ? 3 : 1;
    if (din) {
        // The DIN check's own strengths, not the Eurocode values.
        Print_Din_Materials(w, list);
        m = 0;
    } else if (n.uniform_grade) {
        OLI_printf(list, "%s╬HMaterial\n"_cp, P);
        Print_Steel_Params_By_Thickness(&n.material, list, m, pr.zusatzinfo, "");
        m = 0;
    }
    if (pr.sicherheitsbeiwerte) {
        if (din) {
            Print_Din_Gamma_M(w, list);
        } else {
            OLI_printf(list, "%s╬HMaterialsicherheitsbeiwerte\n"_cp, P);
            Print_Safety_Factors(&w->safety, list, 6);
        }
    }
    OLI_printf(list, "%s╬HGeometrie\n"_cp, P);
    Print_Profile_Parameters(&w->naht.profile, list, pr.ergebnisumfang, pr.zusatzinfo, m);
    OLI_printf(list, "%sPlatte: ", P);
    Print_Plate(&n.plate, list, 0x40 | m, pr.zusatzinfo, "p");
}

// The all-round weld in one line.
static void protocol_all_round(const SchweissnahtAnschluss* w, FILE* list, const char* kind) {
    const Nahtbild& n = w->naht;
    if (n.full_penetration) {
        OLI_printf(list, "%sdurchgeschweißte %s"_cp, P, kind);
    } else {
        OLI_printf(list, "%sumlaufende %s: ", P, kind);
        if (w->code_setting == CODE_SETTING_EC3 &&
            (Is_Profile_Type_In(PROFILTYP_MASK_I, n.profile.type) ||
             Is_Profile_Type_One_Of(n.profile.type, {PROFILTYP_T, PROFILTYP_HALB_I}))) {
            if (n.a_w_fo > 0.1) OLI_printf(list, "a╬\\w,fo╬r = %.1lf mm, "_cp, n.a_w_fo);
            if (n.a_w_fu > 0.1) OLI_printf(list, "a╬\\w,fu╬r = %.1lf mm, "_cp, n.a_w_fu);
            OLI_printf(list, "a╬\\w,w╬r = %.1lf mm"_cp, n.a_w);
        } else {
            OLI_printf(list, "a╬\\w╬r = %.1lf mm"_cp, n.a_w);
        }
    }
    if (n.contact_fraction > 0.001 && Contact_Fraction_Usable(n.contact_fraction))
        OLI_printf(list, ",  %.0lf%% Abtrag der Normalkraft über Druckkontakt"_cp, n.contact_fraction * 100.0);
    OLI_printf(list, "\n");
}

// The single welds by number, two to a line: the second stands at its own
// stop, so that the lines form two columns (three of them would not fit
// the line, and the third went on under the second).
static void protocol_single_welds(const SchweissnahtAnschluss* w, FILE* list, const char* kind) {
    const Nahtbild& n = w->naht;
    OLI_printf(list, "%sSchweißnähte als %s"_cp, P, kind);
    if (n.weld_kind == WELD_FILLET) {
        if (n.full_length) OLI_printf(list, " (voll ausgeführt)"_cp);
    } else {
        OLI_printf(list, "%s", n.full_penetration ? " (durchgeschweißt)"_cp : " (nicht durchgeschweißt, HY-Naht)"_cp);
    }
    OLI_printf(list, ":\n");
    const double column = 8.0;  // cm
    OLI_Set_Tabs(1, nullptr, &column, 1);
    int shown = 0;
    for (int num = 1; num <= NAHT_SLOTS; ++num)
        for (int k = 0; k < n.weld_count && k < NAHT_SLOTS; ++k) {
            if (n.number[k] != num || !(n.throat[k] > 0.01)) continue;
            if (shown % 2 == 0) OLI_printf(list, "%s", P);
            else OLI_printf(list, "╬t"_cp);
            OLI_printf(list, "a╬\\w%d╬r = %.1lf mm, l╬\\w%d╬r = %.1lf mm"_cp, num, n.throat[k], num, n.length[k]);
            if (shown++ % 2 == 1) OLI_printf(list, "\n");
        }
    if (shown % 2 == 1) OLI_printf(list, "\n");
    OLI_End_Tabs();
    if (n.contact_fraction > 0.001 && Contact_Fraction_Usable(n.contact_fraction))
        OLI_printf(list, "%s%.0lf%% Abtrag der Normalkraft über Druckkontakt\n"_cp, P, n.contact_fraction * 100.0);
}

// The outer flange welds that the check splits at the web axis, as the
// lists name their halves.
static void protocol_split_welds(const SchweissnahtAnschluss* w, FILE* list) {
    const Nahtbild& n = w->naht;
    if (w->shear_split != WELD_SHEAR_SPLIT_CONSISTENT || n.all_round) return;
    const int type = n.profile.type;
    std::vector<int> faces;
    if (Is_Profile_Type_In(PROFILTYP_MASK_I, type)) faces = {WELD_FACE_TOP_OUTER, WELD_FACE_BOTTOM_OUTER};
    else if (Is_Profile_Type_One_Of(type, {PROFILTYP_T, PROFILTYP_HALB_I})) faces = {WELD_FACE_TOP_OUTER};
    for (int k : faces) {
        const int number = n.number[k];
        if (number <= 0 || !(n.throat[k] > 0.1)) continue;
        OLI_printf(list, "%sNaht %d wird an der Stegachse geteilt: Naht %da links, Naht %db rechts\n"_cp, P, number,
                   number, number);
    }
}

// The switches of the checks: what is not examined, which methods.
static void protocol_methods(const SchweissnahtAnschluss* w, FILE* list) {
    const Nahtbild& n = w->naht;
    const bool ec3 = w->code_setting == CODE_SETTING_EC3;
    if (ec3) {
        if (!n.all_round && n.weld_kind == WELD_FILLET && n.no_length_check)
            OLI_printf(list, "%sDie Länge der Schweißnähte wird nicht überprüft.\n"_cp, P);
        if (n.weld_kind == WELD_FILLET && n.no_throat_check)
            OLI_printf(list, "%sDie Dicke der Schweißnähte wird nicht überprüft.\n"_cp, P);
        const bool bar_or_tube =
            Is_Profile_Type_One_Of(n.profile.type, {PROFILTYP_FLACH, PROFILTYP_RUND, PROFILTYP_RECHTECK, PROFILTYP_ROHR});
        if (!bar_or_tube && n.all_round && w->short_welds)
            OLI_printf(list, "%sBei umlaufender Schweißnaht werden kurze Nahtstücke rechnerisch nicht berücksichtigt.\n"_cp,
                       P);
    }
    // The heading over what is checked: under DIN 18800 only the switched-on
    // cross-section check is named, and without it no heading stands alone.
    if (!ec3 && !w->section_check) return;
    OLI_printf(list, "%s╬HTragfähigkeit\n"_cp, P);
    OLI_printf(list, "%s", P);
    if (w->section_check)
        OLI_printf(list, "%sr Querschnittsnachweis\n", ec3 && w->section_method == 1 ? "plastische" : "elastische");
    if (!ec3) return;
    OLI_printf(list, "%sSchweißnahtnachweis mit dem %sen Verfahren\n"_cp, P,
               w->weld_method == 1 ? "richtungsbezogen" : "vereinfacht");
    if (Is_Profile_Type_One_Of(n.profile.type, {PROFILTYP_RUND, PROFILTYP_ROHR})) return;
    if (w->shear_split == 0)
        OLI_printf(list, "%sDie Querkraftaufteilung erfolgt konventionell, indem die horizontalen Nähte "
                         "V╬\\y╬r, die vertikalen V╬\\z╬r übernehmen.\n"_cp,
                   P);
    else if (w->shear_split == 1)
        OLI_printf(list, "%sDie Querkraftaufteilung erfolgt über die Steifigkeiten der Einzelnähte.\n"_cp, P);
    else if (w->shear_split == 2)
        OLI_printf(list, "%sDie Querkraftaufteilung erfolgt einheitlich zur Berechnung der Momenten- und "
                         "Normalkraftverteilung.\n"_cp,
                   P);
    protocol_split_welds(w, list);
}

static void print_protocol(SchweissnahtAnschluss* w, FILE* list) {
    const Nahtbild& n = w->naht;
    const OliProps& pr = w->print;
    protocol_parts(w, list);
    const char* kind = Weld_Kind_Name(n.weld_kind);
    if (n.all_round) protocol_all_round(w, list, kind);
    else protocol_single_welds(w, list, kind);
    protocol_methods(w, list);
    Update_Weld_Layout(&w->naht, list, 0);
    if (pr.ergebnisumfang != ERGEBNISUMFANG_TABELLARISCH) Print_Lastfaelle(w, list, pr.ergebnisumfang);
}

// ---- one load case ----

// What a case's chapter and the chart name when the section's shear
// buckling needs a closer check than the cross-section check makes.
static const char* const kShearBuckling = "Schubbeulen, genauer Nachweis erforderlich";

// The cross-section check of a case under its heading of the given level:
// U_sigma and U_c/t with their status (as computed beside them, where the
// rule counted one just above 1 as 1). 1 when the check failed (its line
// written); 2 when a plate's shear buckling needs a closer check (its line
// written): the section is not verified, though nothing failed.
static int xs_check_case(SchweissnahtAnschluss* w, LastfallErgebnis* r, FILE* out, int extent, int interactive,
                         int heading_level) {
    if (out) {
        const double tab = 8.0;
        OLI_Set_Tabs(2, nullptr, &tab, 1);
        OLI_End_Text(out);
        OLI_reserveSpaceCM(out, 3.0);
        Oli_Heading(out, heading_level, "%s", "Querschnittsnachweis");
        if (extent > ERGEBNISUMFANG_MINIMAL) OLI_Add_Para_Offset(0.3);
    }
    const Schnittkraefte kn = Scale_Schnittkraefte(r->forces, SCHNITTKRAEFTE_TO_KN);
    if (!Schnittkraefte_Exceed(kn, 0.001)) {
        // Below the check's threshold the check is not required: not run,
        // never a failed case.
        if (out && extent > ERGEBNISUMFANG_MINIMAL) OLI_Add_Para_Offset(0.3);
        return 0;
    }
    const double gamma = w->code_setting == CODE_SETTING_EC3 ? w->safety.gamma_M0 : w->gamma_M;
    XS_Check_Input in{};
    in.gamma_M0 = gamma;
    in.check = 1;
    in.mode = w->section_method;
    in.forces = XS_Check_Forces_Of(kn);
    XS_Check_Result res{};
    const unsigned flags = s_xs_check ? s_xs_check(&w->naht.profile, &in, &res, out, extent) : 0;
    if ((flags & XS_CHECK_SHEAR_BUCKLING) && (flags & XS_CHECK_NOT_VERIFIABLE)) {
        // The check's line gave the slenderness against its limit; the case
        // is not verified for that reason, which is no calculation error.
        if (out)
            OLI_printf(out, "%sQuerschnitt nicht nachgewiesen: Schubbeulen erfordert einen genaueren Nachweis %s\n"_cp,
                       P, Mark_Alert());
        r->U_sigma = Ausnutzung_Schubbeulen();
        if (out && extent > ERGEBNISUMFANG_MINIMAL) OLI_Add_Para_Offset(0.3);
        return 2;
    }
    if (!(flags & XS_CHECK_DONE)) {
        if (out)
            OLI_printf(out,
                       (flags & XS_CHECK_GRADE_MISMATCH)
                           ? "%sFür diese Stahlgüte kann der Nachweis nicht geführt werden %s\n"_cp
                           : "%sDer Nachweis kann nicht geführt werden %s\n"_cp,
                       P, Mark_Alert());
        // A catalogue profile whose designation the catalogue does not know
        // is the one the user can mend by choosing it again.
        if (interactive && !(flags & XS_CHECK_GRADE_MISMATCH) && w->naht.profile.kind == STAHLPROFIL_KIND_CATALOGUE &&
            !Get_Profile_Record(w->naht.profile.name))
            PrintMessage("%s", "Fehler bei der Profilbezeichnung\nBitte wählen Sie das Profil erneut aus !"_cp);
        r->U_sigma = Ausnutzung_Fehler();
    } else if ((flags & XS_CHECK_NOT_VERIFIABLE) && !(flags & XS_CHECK_CLASS_4)) {
        r->U_sigma = Ausnutzung_Fehler();
    } else if (!(flags & XS_CHECK_CLASS_4) && w->section_method == 1 && !(flags & XS_CHECK_PLASTIC_LIMIT)) {
        r->U_sigma = Ausnutzung_Fehler();
    } else {
        // A class 4 section: its check line says that the gross section's
        // stresses prove nothing; its c/t ratio is the check's result.
        r->U_sigma = (flags & XS_CHECK_CLASS_4) ? Ausnutzung_Nicht_Abgedeckt()
                     : res.U_sigma < -0.001     ? Ausnutzung_Fehler()
                                                : Ausnutzung_Gerundet(Utilisation_As_Computed(res.U_sigma, res.U_sigma_computed));
        r->U_ct = res.U_ct < -0.001 ? Ausnutzung_Fehler() : Ausnutzung_Gerundet(Utilisation_As_Computed(res.U_ct, res.U_ct_computed));
    }
    const bool failed = r->U_sigma.status == ERGEBNIS_FEHLER || r->U_ct.status == ERGEBNIS_FEHLER;
    if (failed) {
        if (out && extent > ERGEBNISUMFANG_MINIMAL) OLI_Add_Para_Offset(0.3);
        Line_Calc_Error(out, "der Querschnittstragfähigkeit"_cp);
        if (out && extent > ERGEBNISUMFANG_MINIMAL) OLI_Add_Para_Offset(0.3);
    }
    return failed ? 1 : 0;
}

// What the chart names for xs_check_case's answer; null for a check with
// its result.
static const char* xs_check_why(int answer) {
    if (answer == 2) return kShearBuckling;
    return answer ? "Fehler bei der Berechnung der Querschnittstragfähigkeit"_cp : nullptr;
}

// The bookmark levels around the chapter of a load case: the layout
// library opens its group before the heading and closes it after the
// chapter.
enum { BOOKMARK_CASE_BEGIN = 19, BOOKMARK_CASE_END = 20 };

static void case_heading(FILE* out, int i, const Lastfall& lf) {
    OLI_End_Text(out);
    OLI_setBookmark(out, BOOKMARK_CASE_BEGIN, nullptr);
    const char* name = Trim_Both_Copy(lf.name);
    if (*name)
        Oli_Heading_Bookmark(out, CHAPTER_LEVEL, OLI_BOOKMARK_OPENS_LEVEL, "Lk %d: %s", i + 1, Color_Grey_Text(name));
    else
        Oli_Heading_Bookmark(out, CHAPTER_LEVEL, OLI_BOOKMARK_OPENS_LEVEL, "Lk %d", i + 1);
    OLI_Add_Para_Offset(0.3);
}

// A case whose weld geometry the input check refused: the welds are not
// checked (said once in the case), so that no utilisation of a refused
// input reads as "ok"; the Eurocode cross-section check does not take the
// welds and runs. The DIN block checks the profile end with its welds and
// does not run. The first failure's text, null when none.
static const char* refused_welds_case(SchweissnahtAnschluss* w, LastfallErgebnis* r, FILE* out, int interactive,
                                      int heading_level) {
    const bool din = w->code_setting == CODE_SETTING_DIN18800;
    const char* why = nullptr;
    if (!din && w->section_check) why = xs_check_why(xs_check_case(w, r, out, w->print.ergebnisumfang, interactive,
                                                                   heading_level));
    r->U_w = Ausnutzung{0.0, ERGEBNIS_EINGABE_ABGELEHNT};
    if (!out) return why;
    if (!din) {
        OLI_End_Text(out);
        OLI_reserveSpaceCM(out, 3.0);
        Oli_Heading(out, heading_level, "%s", "Nachweis der Schweißnähte"_cp);
    }
    const bool both = din && w->section_check;
    OLI_printf(out, "%sKein Nachweis%s: %s (s. Eingabe) %s\n"_cp, P, both ? " von Profil und Schweißnähten"_cp : "",
               Refused_Weld_Input_Text(), Mark_Alert());
    OLI_Add_Para_Offset(0.3);
    return why;
}

// The checks of a case, each under its heading of the level given; the
// first failure's text for the chart, null when every check has its result.
static const char* case_checks(SchweissnahtAnschluss* w, LastfallErgebnis* r, FILE* out, int interactive,
                               int heading_level) {
    const int extent = w->print.ergebnisumfang;
    const int sketches = extent >= ERGEBNISUMFANG_STANDARD && w->print.skizzen != 0;
    const int intermediate = extent >= ERGEBNISUMFANG_STANDARD && w->print.zwischenergebnisse != 0;
    static const char* const kWeldError = "Fehler bei der Berechnung des Schweißnahtnachweises"_cp;
    const char* why = nullptr;
    auto weld_failed = [&] {
        Line_Calc_Error(out, "des Schweißnahtnachweises"_cp);
        if (out) OLI_Add_Para_Offset(0.3);
        r->U_w = Ausnutzung_Fehler();
        if (!why) why = kWeldError;
    };
    if (refuse_forces(r->forces, out)) {
        // No check can take these forces: the case has no result.
        r->U_sigma = r->U_w = Ausnutzung_Fehler();
        if (out) OLI_Add_Para_Offset(0.3);
        return "Schnittgröße keine gültige Zahl oder zu groß"_cp;
    }
    if (s_welds_refused) return refused_welds_case(w, r, out, interactive, heading_level);
    if (w->code_setting == CODE_SETTING_DIN18800) {
        // The welded-connection library checks the profile end and its
        // welds in one block.
        if (Print_Zeichnung_und_Profil(w, r, out) != 0) weld_failed();
        if (r->limits_broken && !why) why = "Grenzwerte der Nahtdicke nicht eingehalten";
        // Welds without a strength of DIN 18800: the block says why.
        if (r->U_w.status == ERGEBNIS_EINGABE_ABGELEHNT && !why) why = Din_Welds_Refused(w, false);
        return why;
    }
    if (w->section_check) why = xs_check_why(xs_check_case(w, r, out, extent, interactive, heading_level));
    if (Calc_Schweissnaht_Lastfall(w, r, out, extent, sketches, intermediate, heading_level) != 0) weld_failed();
    return why;
}

// One load case; `headed`: its chapter heading is written by the caller
// (the governing case of the tabular forms).
static void run_case(SchweissnahtAnschluss* w, int i, FILE* out, int interactive, bool headed = false) {
    LastfallErgebnis* r = &w->results[i];
    const Lastfall& lf = w->loads[i];
    if (out && !headed) case_heading(out, i, lf);
    *r = LastfallErgebnis{};
    r->forces = lf.forces;
    r->point = -1;
    const char* why = case_checks(w, r, out, interactive, CHECK_LEVEL);
    if (!why && !Lastfall_Hat_Ergebnis(r)) why = "Ausnutzung nicht berechenbar";
    if (why) w->input_error = 1;
    if (why && s_case_failure.empty()) s_case_failure = "Lastkombination " + std::to_string(i + 1) + ": " + why;
    if (out) {
        OLI_End_Text(out);
        OLI_setBookmark(out, OLI_BOOKMARK_CLOSES_LEVEL, nullptr);
        OLI_setBookmark(out, BOOKMARK_CASE_END, nullptr);
    }
}

// The maxima and the governing case of the evaluation, as the record keeps
// them for the chart and the tabular forms.
static void keep_maximum(SchweissnahtAnschluss* w, const Endergebnis& e) {
    w->max_utilisation = e.overall.U;
    w->max_ct_utilisation = e.ct.U;
    w->governing_case = Endergebnis_Governing_Case(e);
}

static void copy_back(const SchweissnahtAnschluss* w, SchweissnahtAnschluss* conn) {
    conn->max_utilisation = w->max_utilisation;
    conn->max_ct_utilisation = w->max_ct_utilisation;
    conn->governing_case = w->governing_case;
    conn->input_error = w->input_error;
    if (conn->results == w->results) return;
    for (int i = 0; i < w->load_count && i < conn->load_count; ++i) conn->results[i] = w->results[i];
}

// The working copy writes the cases' results straight into the caller's,
// which were just cleared and have as many entries: one array of them, not
// a second one of the same size per evaluation (the window's chart
// evaluates tens of thousands of cases). Its own array is given up while
// the evaluation runs, and the caller's is let go of on every way out.
struct Shared_Results {
    SchweissnahtAnschluss* w = nullptr;  // null: not shared
    Shared_Results(SchweissnahtAnschluss* work, SchweissnahtAnschluss* conn) {
        if (work->load_count != conn->load_count || !conn->results) return;
        Mem_Free(__FILE__, __LINE__, "null", work->results);
        work->results = conn->results;
        w = work;
    }
    ~Shared_Results() {
        if (w) w->results = nullptr;
    }
    Shared_Results(const Shared_Results&) = delete;
    Shared_Results& operator=(const Shared_Results&) = delete;
};

// A refusal before the load cases: the note line; a refused input marks the
// caller's record so that the chart shows the input error instead of 0 %.
static void refuse(SchweissnahtAnschluss* conn, FILE* list, const char* what, int input_error) {
    if (input_error) conn->input_error = 1;
    if (!list) {
        if (input_error) s_reason = what;
        return;
    }
    OLI_printf(list, "%s%s  \x88  Nachweise werden nicht geführt %s\n"_cp, P, what, Mark_Note());
    OLI_Add_Para_Offset(0.3);
    OLI_End_Text(list);
    OLI_New_Paragraph();
}

// Cuts the failure marker ("nicht ok !!", "!!") and the blanks around the
// text off a line of the print list without markup.
static std::string without_marker(std::string text) {
    auto trim_end = [&] {
        while (!text.empty() && (text.back() == ' ' || text.back() == '\n' || text.back() == '\r')) text.pop_back();
    };
    for (const std::string tail : {"!!", "nicht ok"}) {
        trim_end();
        if (text.size() >= tail.size() && text.compare(text.size() - tail.size(), tail.size(), tail) == 0)
            text.erase(text.size() - tail.size());
    }
    trim_end();
    const size_t first = text.find_first_not_of(' ');
    return first == std::string::npos ? "" : text.substr(first);
}

// The first line the input checks refuse, as screen text. Without a print
// list no list is open, so the checks run once more into a scratch stream
// and its first failure line is taken. A general note when no such line
// can be found (markers switched off, no scratch file).
static std::string input_refusal_line(SchweissnahtAnschluss* w) {
    std::string found;
    if (FILE* scratch = std::tmpfile()) {
        Update_Weld_Layout(&w->naht, scratch, 1);
        refuse_contact_share(w->naht, scratch);
        refuse_weld_lengths(w->naht, scratch);
        if (w->code_setting == CODE_SETTING_EC3) Check_Safety_Factors(&w->safety, scratch, 6);
        if (w->code_setting == CODE_SETTING_DIN18800) Check_Din_Gamma_M(w, scratch);
        OLI_End_Text(scratch);
        OLI_New_Paragraph();
        std::rewind(scratch);
        char line[1024];
        while (found.empty() && std::fgets(line, sizeof line, scratch))
            if (std::strstr(line, "!!")) found = without_marker(Strip_Markup_To_Ansi(line, 1, 0));
        std::fclose(scratch);
    }
    return found.empty() ? "Eingabedaten unvollständig oder fehlerhaft"_cp : "Eingabe: " + found;
}

// The desktop's application that writes no title and, without load, only
// the input protocol.
enum { APPLICATION_WITHOUT_TITLE = 167 };
// The standards of the title and of the chapter "Vorschriften".
enum { NORM_EN_1990 = 11, NORM_EN_1993_1_1 = 12, NORM_EN_1993_1_8 = 13, NORM_DIN_18800 = 25 };

// The title, the preface and the input protocol with the sketch.
static void print_head(SchweissnahtAnschluss* w, FILE* list, int application) {
    const OliProps& pr = w->print;
    OLI_setFlags(list, 0x380);
    if (application != APPLICATION_WITHOUT_TITLE) {
        OLI_printf(list, "Schweißnahtanschluss"_cp);
        if (w->code_setting == CODE_SETTING_DIN18800)
            OLI_printf(list, "  ╬S%s"_cp, Get_Norm_Name(NORM_DIN_18800, 1, 1));
        else
            OLI_printf(list, "  ╬S%s, NA: %s"_cp, Get_Norm_Name(NORM_EN_1993_1_8, 1, 1), Get_Active_NAD_Display_Name());
        OLI_printf(list, "\n");
        OLI_Add_Para_Offset(0.3);
        Print_Preface(list, pr.vorbemerkungen);
    }
    // A catalogue profile of the input file that took the catalogue's
    // dimensions: the list says so whatever it shows.
    Print_Input_File_Notice(list);
    if (pr.eingabeparameter) {
        chapter(list, "Eingabeprotokoll");
        OLI_Add_Para_Offset(0.3);
    }
    if (pr.grafik) draw_sketch(w, list);
    if (pr.eingabeparameter) print_protocol(w, list);
}

// The input checks before the load cases. 1 when the evaluation ends here
// (its note written, the caller's record marked); *refused: an input line
// that fails the verdict was written, the cases still run.
static int check_input(SchweissnahtAnschluss* conn, SchweissnahtAnschluss* w, FILE* list, int* refused) {
    const int extent = w->print.ergebnisumfang;
    // Every error line of the input check (plate, profile, materials, the
    // contact share) makes the final result "not verified".
    const int check_level = extent >= ERGEBNISUMFANG_TABELLARISCH ? ERGEBNISUMFANG_STANDARD : extent;
    *refused = Update_Weld_Layout(&w->naht, list, check_level) != 0;
    *refused |= refuse_contact_share(w->naht, list);
    s_welds_refused = refuse_weld_lengths(w->naht, list) != 0;
    *refused |= s_welds_refused;
    // The partial factors of the checks (gamma_M0 and gamma_M2): one that
    // divides a resistance into overflow comes from a damaged file.
    const bool ec3 = w->code_setting == CODE_SETTING_EC3;
    if (ec3) *refused |= Check_Safety_Factors(&w->safety, list, 6);
    else *refused |= Check_Din_Gamma_M(w, list);
    // The DIN library has no family for a Z, a box or a trapezoid and keeps
    // one flange of an I: such a profile is refused in words, not checked
    // as a section it is not nor left to fail in every case unexplained.
    const char* why = nullptr;
    if (!ec3 && !Din_Profile_Described(&w->naht.profile, &why)) {
        refuse(conn, list, why, 1);
        return 1;
    }
    // An annex that no list entry carries is an input error: no country's
    // factors stand in for it.
    if (ec3 && *NAD_Unknown_Name()) {
        const std::string what = std::string("NAD \"") + NAD_Unknown_Name() + "\" nicht gefunden";
        refuse(conn, list, what.c_str(), 1);
        return 1;
    }
    // An annex file that cannot be read (missing, cut short, damaged) is the
    // same kind of input error once the partial factors come from it: the
    // recommended values that stand in may be lower than the annex's own.
    if (ec3 && NAD_Load_Damaged() && w->safety.from_annex) {
        const std::string what = std::string("NAD \"") + NAD_Failed_Name() + "\" nicht lesbar";
        refuse(conn, list, what.c_str(), 1);
        return 1;
    }
    if (w->loaded_count == 0) {
        refuse(conn, list, "keine Belastung vorhanden", 0);
        return 1;
    }
    return 0;
}

// A case chosen for the detailed output that the connection does not have
// (a number stored with more cases than are left): said in place of its
// chapter, with the cases there are.
static void print_missing_detail_case(const SchweissnahtAnschluss* w, FILE* list, long long detail) {
    OLI_Add_Para_Offset(0.3);
    const std::string cases = w->load_count > 1 ? "Lk 1 bis " + std::to_string(w->load_count) : "Lk 1";
    OLI_printf(list, "%sLk %lld für die detaillierte Ausgabe ist nicht vorhanden (vorhanden: %s) %s\n"_cp, P,
               detail, cases.c_str(), Mark_Note());
    OLI_Add_Para_Offset(0.3);
}

// The case in detail of the tabular forms, after the final result.
static void print_detail_case(SchweissnahtAnschluss* w, FILE* list, int interactive) {
    const OliProps& pr = w->print;
    const int extent = pr.ergebnisumfang;
    // The number chosen is the stored -n (wide enough for the least int).
    const bool chosen = extent == ERGEBNISUMFANG_TABELLARISCH && pr.detailausgabe < 0;
    long long detail = -1;
    if (extent == ERGEBNISUMFANG_TABELLARISCH && pr.detailausgabe > 0) detail = w->governing_case;
    else if (extent == ERGEBNISUMFANG_MASSGEBEND) detail = w->governing_case;
    else if (chosen) detail = -static_cast<long long>(pr.detailausgabe);
    if (chosen && detail > w->load_count) print_missing_detail_case(w, list, detail);
    if (detail < 1 || detail > w->load_count) return;
    OLI_End_Text(list);
    OLI_reserveSpaceCM(list, 3.0);
    std::string head = "Lk " + std::to_string(detail);
    if (pr.detailausgabe > 0) head += " (maßgebend)"_cp;
    OLI_setBookmark(list, BOOKMARK_CASE_BEGIN, nullptr);
    Oli_Heading_Bookmark(list, CHAPTER_LEVEL, OLI_BOOKMARK_OPENS_LEVEL, "%s", head.c_str());
    OLI_Add_Para_Offset(0.3);
    w->print.ergebnisumfang = ERGEBNISUMFANG_STANDARD;
    run_case(w, static_cast<int>(detail) - 1, list, interactive, true);
    w->print.ergebnisumfang = extent;
}

// The closing chapters: the annex's parameters and the standards.
static void print_closing(const SchweissnahtAnschluss* w, FILE* list) {
    const OliProps& pr = w->print;
    if (pr.na_parameter) {
        if (w->code_setting == CODE_SETTING_DIN18800) {
            // DIN 18800 has no annex: the parameter its check takes.
            chapter(list, "Bemessungsparameter nach DIN 18800-1");
            OLI_Add_Para_Offset(0.3);
            Print_Din_Gamma_M(w, list);
            OLI_Add_Para_Offset(0.3);
        } else {
            chapter(list, "Ausgewählte Bemessungsparameter des nationalen Anhangs"_cp);
            Print_NAD_EC3_1_Table(list);
        }
    }
    if (pr.vorschriften) {
        chapter(list, "Vorschriften");
        OLI_Add_Para_Offset(0.3);
        const std::vector<int> codes = w->code_setting == CODE_SETTING_DIN18800
                                           ? std::vector<int>{NORM_DIN_18800}
                                           : std::vector<int>{NORM_EN_1990, NORM_EN_1993_1_1, NORM_EN_1993_1_8};
        for (int code : codes) {
            Norm_Reference_Table* t = nullptr;
            const int lines = Get_Norm_References(code, &t);
            // A standard with its parts and its annex stands on one page.
            if (t && lines > 0) OLI_Keep_Space(list, std::min(lines, (int)NORM_REFERENCE_LINES) * kTextRowCm);
            for (int k = 0; k < lines && k < NORM_REFERENCE_LINES && t; ++k) OLI_printf(list, "%s%s\n", P, (*t)[k]);
            if (t && lines > 0) OLI_Add_Para_Offset(0.3);
        }
        OLI_Add_Para_Offset(0.3);
    }
}

// The bytes the list being written would have, when the last print stopped
// it (0: it did not), and its load cases.
static long long s_oversize = 0;
static int s_oversize_cases = 0;

long long Print_List_Oversize(int* cases) {
    if (cases) *cases = s_oversize_cases;
    return s_oversize;
}

void Reset_Print_List_Oversize(void) { s_oversize = 0, s_oversize_cases = 0; }

// Whether the list, `begun` bytes long before the first load case and
// as long as `list` now is after `done` of `count` cases, would pass the
// limit: the cases to come taken at the average of those written. Asked
// after the first case, then whenever the cases written double and every
// 256 cases, so that a list too long is stopped at its first case and the
// asking costs nothing per case.
static bool list_would_pass(FILE* list, long long begun, int done, int count) {
    const bool doubled = done >= 1 && (done & (done - 1)) == 0;
    if (!doubled && done % 256 != 0) return false;
    const long long written = std::ftell(list);
    const long long limit = VEK_Print_List_Limit();
    const double per_case = static_cast<double>(written - begun) / done;
    const double estimate = static_cast<double>(written) + per_case * (count - done);
    if (!(estimate > static_cast<double>(limit))) return false;
    s_oversize = estimate < 9e18 ? static_cast<long long>(estimate) : static_cast<long long>(9e18);
    s_oversize_cases = count;
    return true;
}

// Every load case, the maxima, and with a list the result table and the
// final result. False when the list's chapters of the cases would pass
// the limit (Print_List_Oversize): nothing more is evaluated or written.
static bool evaluate_cases(SchweissnahtAnschluss* w, FILE* list, int interactive) {
    const int extent = w->print.ergebnisumfang;
    const bool tabular = extent == ERGEBNISUMFANG_TABELLARISCH || extent == ERGEBNISUMFANG_MASSGEBEND;
    FILE* out = tabular ? nullptr : list;
    const long long begun = out ? std::ftell(out) : -1;
    for (int i = 0; i < w->load_count; ++i) {
        run_case(w, i, out, interactive);
        if (begun >= 0 && list_would_pass(out, begun, i + 1, w->load_count)) return false;
    }
    Endergebnis e = Summarise_Lastfaelle(w);
    // Welds the DIN check could not check for their material (their
    // geometry stood) are named for it.
    if (!s_welds_refused) e.weld_refusal = Din_Welds_Refused(w, true);
    keep_maximum(w, e);
    if (!list) return true;
    if (extent == ERGEBNISUMFANG_TABELLARISCH) {
        chapter(list, "Ergebnistabelle");
        OLI_Add_Para_Offset(0.3);
        Print_Ergebnistabelle(w, list);
    }
    // The final result stands whole on one page with its heading.
    OLI_End_Text(list);
    OLI_reserveSpaceCM(list, 1.5 + Endergebnis_Height_CM(e, Weld_Notes_By_Number(), WELD_NOTE_NUMBERS));
    chapter(list, "Endergebnis");
    OLI_Add_Para_Offset(0.3);
    Print_Endergebnis(w, e, Weld_Notes_By_Number(), WELD_NOTE_NUMBERS, list);
    return true;
}

// The print control's tolerance is that of every verdict the evaluation
// writes, for as long as it runs.
namespace {
struct Verdict_Tolerance_Scope {
    explicit Verdict_Tolerance_Scope(double percent) { Set_Verdict_Tolerance(percent); }
    ~Verdict_Tolerance_Scope() { Set_Verdict_Tolerance(0.0); }
};
}  // namespace

void Print_Schweissnaht(SchweissnahtAnschluss* conn, FILE* list) {
    WELD_CHECK_AT_EXIT(Check_Schweissnaht_Invariants(conn));
    if (!conn) return;
    const int application = CurOb_Application_Number();
    const int interactive = !VEK_Batch_Mode();
    Update_Safety_Factors_From_NAD(&conn->safety);
    Update_Weld_Layout(&conn->naht, nullptr, 0);
    Drop_Empty_Lastfaelle(conn);
    New_Schweissnaht_Results(conn);
    SchweissnahtAnschluss* w = &s_work;
    Copy_Schweissnaht(conn, w);
    // The window's chart checks what its file holds, as the list made from
    // the saved file and every later run of it do: the values the user did
    // not change as the input file gave them, and the materials as filed.
    bool as_filed = interactive && Filed_Values_Into(w);
    if (as_filed) Update_Safety_Factors_From_NAD(&w->safety);
    as_filed |= Materials_As_Filed(w);
    if (as_filed) Update_Weld_Layout(&w->naht, nullptr, 0);
    Shared_Results shared(w, conn);
    const Verdict_Tolerance_Scope tolerance(w->print.toleranz);
    if (!list) s_reason.clear();
    s_case_failure.clear();
    s_welds_refused = false;
    if (list) Reset_Print_List_Oversize();
    Clear_Weld_Notes();
    for (int i = 0; i < w->load_count; ++i)
        if (Lastfall_Has_Load(w, i)) ++w->loaded_count;

    if (list) {
        print_head(w, list, application);
        if (application == APPLICATION_WITHOUT_TITLE && w->loaded_count == 0) return;
    }
    int input_refused = 0;
    if (check_input(conn, w, list, &input_refused)) return;
    if (input_refused) w->input_error = 1;
    if (input_refused && !list) s_reason = input_refusal_line(w);
    if (!evaluate_cases(w, list, interactive)) return;
    if (!list && s_reason.empty()) s_reason = s_case_failure;
    copy_back(w, conn);
    if (!list) return;
    // The case in detail of the tabular forms belongs to the results: it
    // follows the final result, before the closing chapters.
    print_detail_case(w, list, interactive);
    print_closing(w, list);
    OLI_End_Text(list);
    OLI_New_Paragraph();
}

std::vector<std::string> Held_Throat_Notes(const SchweissnahtAnschluss* conn) {
    std::vector<std::string> lines;
    if (!conn) return lines;
    // The connection's welds under one case of its own: the layout, the
    // code and the materials as every evaluation takes them; no load case
    // of the record is read (there may be thousands).
    // The partial factors play no part in how the welds are laid: those
    // recommended stand in for any the record may lack.
    SchweissnahtAnschluss w{};
    Init_Schweissnaht(&w);
    w.code_setting = conn->code_setting;
    w.gamma_M = 1.1;
    w.safety.gamma_M0 = 1.0, w.safety.gamma_M2 = 1.25;
    w.weld_method = conn->weld_method;
    w.shear_split = conn->shear_split;
    w.short_welds = conn->short_welds;
    w.naht = conn->naht;
    Materials_As_Filed(&w);
    Update_Weld_Layout(&w.naht, nullptr, 0);
    LastfallErgebnis result{};
    result.forces.N = 1e3;  // a case that loads every weld
    result.point = -1;
    Clear_Weld_Notes();
    if (w.code_setting == CODE_SETTING_DIN18800) Print_Zeichnung_und_Profil(&w, &result, nullptr);
    else Calc_Schweissnaht_Lastfall(&w, &result, nullptr, ERGEBNISUMFANG_MINIMAL, 0, 0, CHECK_LEVEL);
    lines = Weld_Note_Lines(Weld_Notes_By_Number(), WELD_NOTE_NUMBERS, WELD_RULE_THROAT_WALL);
    Clear_Weld_Notes();
    Free_Schweissnaht(&w);
    return lines;
}
