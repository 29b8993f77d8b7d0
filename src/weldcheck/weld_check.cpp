// The frame of the weld check of one load case: entry checks and modes, the
// stages in their order (detailing limits and line cross-section, torsion
// modulus, weld list, design forces, section values, force distribution,
// end points and their checks) and the report blocks between them.
//
// A value that is not a finite number never reaches a report line: the
// check is refused at entry with a line that names the value and shows
// "--" in its place.
#include "weldcheck/weld_check.h"

#include <algorithm>
#include <cmath>
#include <cstddef>
#include <cstring>
#include <memory>
#include <string>
#include <type_traits>

#include "base/cp850.h"
#include "base/invariant.h"
#include "base/rounding.h"
#include "platform/format.h"
#include "printlist/oli_para.h"
#include "printlist/verdict.h"
#include "weldcheck/weld_check_internal.h"
#include "weldcheck/weldelem.h"

static Weld_Check_Picture_Drawer picture_drawer = nullptr;
// The check whose picture is being drawn, for the drawer's accessors.
static const WeldCheckWork* picture_work = nullptr;

Weld_Check_Picture_Drawer Set_Weld_Check_Picture_Drawer(Weld_Check_Picture_Drawer drawer) {
    Weld_Check_Picture_Drawer old = picture_drawer;
    picture_drawer = drawer;
    return old;
}

namespace {

// Beyond these magnitudes (N, Nmm, mm) an input is no load or weld of a
// real connection, and the stresses formed from it could overflow.
const double kMaxForce = 1e15, kMaxLength = 1e6;

// 1 after the refusal line when an input cannot carry a check.
int Invalid_Input(const SchweissnahtNachweis* r, FILE* f) {
    // A partial factor outside what an annex can hold (0.1 made every weld
    // ten times stronger) is refused by name, as the weld group would refuse
    // it at every point without saying why in the short list.
    if (!Weld_Gamma_M2_Usable(r->gamma_M2, f)) return 1;
    struct Item {
        const char* symbol;
        double value;
    };
    const Item items[] = {
        {"N╬\\Ed╬r"_cp, r->forces.N},
        {"M╬\\y,Ed╬r"_cp, r->forces.M_y},
        {"M╬\\z,Ed╬r"_cp, r->forces.M_z},
        {"V╬\\y,Ed╬r"_cp, r->forces.V_y},
        {"V╬\\z,Ed╬r"_cp, r->forces.V_z},
        {"M╬\\x,Ed╬r"_cp, r->forces.M_x},
        {"t╬\\Blech╬r"_cp, r->plate.t},
        {"Nahtwinkel", r->weld_angle}, {"Kontaktanteil", r->contact_share},
    };
    for (const Item& it : items) {
        const bool finite = std::isfinite(it.value) && std::fabs(it.value) <= kMaxForce;
        if (finite) continue;
        if (f)
            OLI_printf(f, "%s╬HFehler╬r: %s = --  ê  keine gültige Zahl oder zu groß, Nachweis nicht möglich %s\n"_cp,
                       Check_Line_Prefix, it.symbol, Mark_Not_Ok());
        return 1;
    }
    const Stahlprofil& p = r->profile;
    const double dims[] = {p.h, p.t_w, p.b_fo, p.t_fo, p.b_fu, p.t_fu, p.r_1, p.r_2, p.a_o, p.a_u, p.h_w,
                           p.c_o, p.c_u, p.y_s, p.z_s, r->plate.t, std::sqrt(std::fabs(p.A))};
    for (double d : dims) {
        if (std::isfinite(d) && std::fabs(d) <= kMaxLength) continue;
        if (f)
            OLI_printf(f, "%s╬HFehler╬r: Profilabmessungen = --  ê  keine gültige Zahl oder zu groß, Nachweis nicht möglich %s\n"_cp,
                       Check_Line_Prefix, Mark_Not_Ok());
        return 1;
    }
    for (int k = 0; k < WELD_CHECK_WELDS; ++k) {
        if (std::isfinite(r->a[k]) && std::isfinite(r->l[k]) && std::fabs(r->a[k]) <= kMaxLength &&
            std::fabs(r->l[k]) <= kMaxLength)
            continue;
        if (f)
            OLI_printf(f, "%s╬HFehler╬r: Position %d: a, l = --  ê  keine gültige Zahl oder zu groß, Nachweis nicht möglich %s\n"_cp,
                       Check_Line_Prefix, k, Mark_Not_Ok());
        return 1;
    }
    return 0;
}

// Distance of the profile centroid from the left outer face. Symmetric
// shapes have it at half their width whatever the record holds.
double Centroid_From_Reference(const Stahlprofil& p) {
    switch (p.type) {
    case PROFILTYP_FLACH: return p.t_w / 2;
    case PROFILTYP_RUND: case PROFILTYP_ROHR: return p.h / 2;
    case PROFILTYP_RECHTECK: case PROFILTYP_T: case PROFILTYP_HALB_I: case PROFILTYP_Z: return p.b_fo / 2;
    case PROFILTYP_L: case PROFILTYP_C: case PROFILTYP_U: return -p.y_s;
    default: return Is_Profile_Type_In(PROFILTYP_MASK_I, p.type) ? std::max(p.b_fo, p.b_fu) / 2 : -p.y_s;
    }
}

// Positions in report order: by the number they are listed under, then by
// position; lines without a number after them.
void Report_Order(WeldCheckWork* w) {
    const SchweissnahtNachweis* r = w->r;
    w->n_order = 0;
    for (int k = 0; k < WELD_CHECK_WELDS; ++k)
        if (r->number[k] > 0 || w->line[k].dir != WC_NONE) w->order[w->n_order++] = k;
    std::sort(w->order, w->order + w->n_order,
              [r](int a, int b) { return Wc_Report_Key(r, a) < Wc_Report_Key(r, b); });
}

// The mirror position of the symmetric shortcut, -1 for none.
int Mirror_Of(int k) {
    switch (k) {
    case WELD_FACE_TOP_INNER_RIGHT: return WELD_FACE_TOP_INNER_LEFT;
    case WELD_FACE_WEB_RIGHT: return WELD_FACE_WEB_LEFT;
    case WELD_FACE_BOTTOM_INNER_RIGHT: return WELD_FACE_BOTTOM_INNER_LEFT;
    case WELD_FACE_TOP_END_RIGHT: return WELD_FACE_TOP_END_LEFT;
    case WELD_FACE_BOTTOM_END_RIGHT: return WELD_FACE_BOTTOM_END_LEFT;
    default: return -1;
    }
}

// A line of the weld list that names its mirrored weld ("siehe ...")
// instead of giving its own throat and length.
bool Listed_As_Mirror(const WeldCheckWork* w, int k) { return w->symmetric && Mirror_Of(k) >= 0; }

// The throat a line of the weld list gives: the line's, or the input's for
// a weld that has none.
double Listed_Throat(const WeldCheckWork* w, int k) {
    return w->line[k].dir != WC_NONE ? w->line[k].a : w->r->a[k];
}

// One line of the weld list, or of the legend beside the picture, which
// puts a tab before the label.
// The name and the values in one piece: a line of every load case (the
// legend of the check's picture), formatted once and written again while
// everything it shows is the same (the values compared by their bits).
void Weld_List_Line(const WeldCheckWork* w, FILE* f, int k, bool legend) {
    struct Shown {
        bool mirrored;
        char prefix[16], name[32], mirror[32];
        double a, l;
    };
    struct Kept {
        bool set;
        Shown shown;
        char text[192];
    };
    static Kept kept[2][WELD_CHECK_WELDS];
    const int m = Mirror_Of(k);
    Shown now;
    std::memset(&now, 0, sizeof now);  // zeroed whole, so that the bytes compare
    now.mirrored = Listed_As_Mirror(w, k);
    const bool keep = std::strlen(Check_Line_Prefix) < sizeof now.prefix;
    if (keep) std::strcpy(now.prefix, Check_Line_Prefix);
    std::memcpy(now.name, Wc_Weld_Name(w, k).text, sizeof now.name);
    if (now.mirrored) {
        std::memcpy(now.mirror, Wc_Weld_Name(w, m).text, sizeof now.mirror);
    } else {
        now.a = Listed_Throat(w, k);
        now.l = w->line[k].l;
    }
    Kept& line = kept[legend][k];
    if (keep && line.set && std::memcmp(&line.shown, &now, sizeof now) == 0) {
        OLI_printf(f, "%s", line.text);
        return;
    }
    Wc_Line out(f);
    if (now.mirrored)
        out.Add(legend ? "%s╬t%s: ╬tsiehe %s\n"_cp : "%s%s: ╬tsiehe %s\n"_cp, Check_Line_Prefix, now.name, now.mirror);
    else
        out.Add(legend ? "%s╬t%s: ╬ta╬\\w╬r = %.1lf mm╬tl╬\\w╬r = %.1lf mm\n"_cp
                       : "%s%s: ╬ta╬\\w╬r = %.1lf mm╬tl╬\\w╬r = %.1lf mm\n"_cp,
                Check_Line_Prefix, now.name, now.a, now.l);
    line.set = keep && out.Size() < sizeof line.text;
    if (line.set) {
        std::memcpy(line.text, out.Content(), out.Size() + 1);
        line.shown = now;
    }
    out.Put();
}

// Whether position k has points in use: a row of the legend.
bool In_Legend(const WeldCheckWork* w, int k) {
    for (int i = 0; i < WC_POINTS; ++i)
        if (w->pz[k][i] >= 0.0) return true;
    return false;
}

// Whether a row of the weld list (or of the legend, its rows of welds with
// points in use) shows a throat of two digits or more; a mirrored weld's
// row shows none.
bool Has_Long_Throat(const WeldCheckWork* w, bool legend) {
    for (int o = 0; o < w->n_order; ++o) {
        const int k = w->order[o];
        if (legend && !In_Legend(w, k)) continue;
        if (!Listed_As_Mirror(w, k) && Weld_Throat_Is_Long(Listed_Throat(w, k))) return true;
    }
    return false;
}

void Weld_List(WeldCheckWork* w) {
    FILE* f = w->f;
    const double indent = OLI_Get_Para_Indent();
    // The columns start right of the widest name ("Naht 12b: ") wherever
    // the list's indent puts the names. The lengths stand 4.3 cm right of
    // them, where "aw = 9.9 mm" has ended; a throat of two or three digits
    // reaches past that stop, and its row's length would go on to the
    // layout's next stop, 1.2 cm further: a list that holds one sets the
    // lengths of every row there.
    const double x = w->level != 1 ? indent + 0.3 : indent;
    const double tabs[2] = {x + 1.8, x + (Has_Long_Throat(w, false) ? 5.5 : 4.3)};
    OLI_Set_Tabs(1, nullptr, tabs, 2);
    OLI_printf(f, w->line_mode ? "%s╬HQuerschnittslinien:\n"_cp : "%s╬HSchweißnähte:\n"_cp, Check_Line_Prefix);
    if (w->level != 1) OLI_Set_Para_Indent(x);
    for (int o = 0; o < w->n_order; ++o) Weld_List_Line(w, f, w->order[o], false);
    if (w->level != 1) {
        OLI_Set_Para_Indent(indent);
        OLI_Add_Para_Offset(0.3);
    }
    OLI_End_Tabs();
}

void End_Point_Table(WeldCheckWork* w) {
    FILE* f = w->f;
    const double indent = OLI_Get_Para_Indent();
    const double q = (indent + 0.3) / 0.3;
    const double tabs[3] = {q + 7, q + 13, q + 27};
    OLI_Set_Tabs(2, nullptr, tabs, 3);
    OLI_Add_Para_Offset(0.3);
    OLI_printf(f, "%s╬HEndpunkte der %s:\n"_cp, Check_Line_Prefix, w->line_mode ? "Linien" : "Nähte"_cp);
    OLI_Set_Para_Indent(indent + 0.3);
    for (int o = 0; o < w->n_order; ++o) {
        const int k = w->order[o];
        if (w->line[k].dir == WC_NONE) continue;
        bool first = true;
        for (int i = 0; i < WC_POINTS; ++i) {
            if (w->pz[k][i] < 0.0) continue;
            OLI_printf(f, "%s", Check_Line_Prefix);
            if (first) OLI_printf(f, "%s, ", Wc_Weld_Name(w, k).text);
            first = false;
            OLI_printf(f, "╬tPkt. %d: "_cp, i);
            OLI_printf(f, "╬ty' = %.1lf mm ╬tz' = %.1lf mm\n"_cp, Unsigned_Zero(w->py[k][i], 1),
                       Unsigned_Zero(w->pz[k][i], 1));
        }
    }
    OLI_Set_Para_Indent(indent);
    OLI_End_Tabs();
}

// The closed ring of a round section gets, beside its points of extreme
// bending and shear, the point where their combination governs. The stress
// terms that locate it are formed only after the blocks that come first in
// the report (the picture shows the points), so a silent copy of the work
// runs those stages ahead.
void Place_Ring_Governing_Point(WeldCheckWork* w) {
    static std::unique_ptr<WeldCheckWork> kept_probe;  // the copy's room, kept from case to case
    if (!kept_probe) kept_probe.reset(new (std::nothrow) WeldCheckWork());
    WeldCheckWork* probe = kept_probe.get();
    if (!probe) return;
    *probe = *w;
    probe->f = nullptr;
    probe->report = probe->detailed = false;
    probe->level = 0;
    double y, zp;
    if (!Wc_Torsion_Admission_And_Block(probe) && !Wc_Section_Values(probe) && !Wc_Shear_And_Torsion(probe)) {
        Wc_Weld_Centroid_Moments(probe);
        if (!Wc_Distribute(probe) && Wc_Ring_Governing_Point(probe, false, &y, &zp)) {
            w->py[0][WC_RING_GOVERNING] = probe->py[0][WC_RING_GOVERNING] = y;
            w->pz[0][WC_RING_GOVERNING] = probe->pz[0][WC_RING_GOVERNING] = zp;
        }
        // The weaker part of a fully penetrated weld weighs the shear three
        // times over, as the directional method's weld check does at 0°; the
        // simplified method's once.
        if (Wc_Full_Penetration(w->r) && w->r->method == 0 && Wc_Ring_Governing_Point(probe, true, &y, &zp)) {
            w->py[0][WC_RING_GOVERNING_PART] = y;
            w->pz[0][WC_RING_GOVERNING_PART] = zp;
        }
    }
}

// The working state is large (12 KB): one is kept from call to call and
// taken while a check runs (a check within a check gets one of its own).
// Each call starts from it cleared up to the point stresses, which the
// point checks write in full before they read any.
static_assert(std::is_standard_layout_v<WeldCheckWork> && std::is_trivially_copyable_v<WeldCheckWork>);
std::unique_ptr<WeldCheckWork> kept_work;

WeldCheckWork* Take_Work() {
    WeldCheckWork* w = kept_work.release();
    if (!w) return new (std::nothrow) WeldCheckWork();
    std::memset(static_cast<void*>(w), 0, offsetof(WeldCheckWork, sx));
    return w;
}

void Give_Back_Work(WeldCheckWork* w) {
    if (kept_work) delete w;
    else kept_work.reset(w);
}

// Why a line cross-section carries nothing: a profile type that has no
// place for a weld, or welds of which none counts (each of them is named
// above with its length or its limit).
void Nothing_Carried_Line(const WeldCheckWork* w) {
    if (!w->f) return;
    if (w->n_positions == 0) {
        const char* name = Get_Profile_Type_Name(w->type);
        std::string type = name ? name : "";
        while (!type.empty() && type.back() == ' ') type.pop_back();
        OLI_printf(w->f, "%s╬HFehler╬r: %s%skeine Nahtpositionen  ê  Nachweis nicht möglich %s\n"_cp,
                   Check_Line_Prefix, type.c_str(), type.empty() ? "" : ": ", Mark_Not_Ok());
    } else {
        OLI_printf(w->f, "%s╬HFehler╬r: keine wirksame Schweißnaht  ê  Nachweis nicht möglich %s\n"_cp,
                   Check_Line_Prefix, Mark_Not_Ok());
    }
    OLI_Add_Para_Offset(0.3);
}

int Refused(SchweissnahtNachweis* r) {
    r->U_w = -1.0;
    r->U_w_status = WELD_CHECK_REFUSED;
    Wc_No_Governing_Point(r);
    return 1;
}

int Run(WeldCheckWork* w) {
    SchweissnahtNachweis* r = w->r;
    FILE* f = w->f;
    if (Invalid_Input(r, f)) return Refused(r);
    const Stahlprofil& p = r->profile;
    Calc_Profile_Weld_Offsets(&p, &w->s_o, &w->s_u, &w->s_r);
    w->type = p.type;
    w->round = p.type == PROFILTYP_RUND || p.type == PROFILTYP_ROHR;
    w->z_s = p.z_s;
    w->e_ref = Centroid_From_Reference(p);
    Wc_Design_Forces(w);

    const bool detail_block = f && w->additional && !(r->no_length_check && r->no_throat_check);
    if (detail_block && w->level > 0 && !(r->no_throat_check && r->all_round))
        OLI_printf(f, "%s╬HKonstruktive Grenzwerte der Schweißnähte:\n"_cp, Check_Line_Prefix);
    Wc_Build_Line_Section(w);
    Wc_Decide_Symmetry(w);
    if ((w->detailing_failed && !r->no_throat_check) || w->end_outside) {
        if (f) OLI_Add_Para_Offset(0.3);
        return Refused(r);
    }
    Wc_Torsion_Modulus(w);
    Report_Order(w);
    // The section values (no line of their own yet) place the points of
    // the case that the picture shows.
    const bool nothing_carried = Wc_Section_Values(w) != 0;
    if (w->round) Place_Ring_Governing_Point(w);
    else if (!nothing_carried) Wc_Place_Fibre_Points(w);

    bool picture = false;
    if (f && w->sketches && picture_drawer) {
        picture_work = w;
        picture = picture_drawer(r, f, w->level) != 0;
        picture_work = nullptr;
    }
    if (w->report && !picture) Weld_List(w);

    if (Wc_Torsion_Admission_And_Block(w)) return Refused(r);
    if (nothing_carried) {
        Nothing_Carried_Line(w);
        return Refused(r);
    }
    if (Wc_Shear_And_Torsion(w)) return Refused(r);
    Wc_Print_Section_Values(w);
    Wc_Weld_Centroid_Moments(w);
    if (Wc_Distribute(w)) return Refused(r);
    Wc_Place_Root_Points(w);
    if (w->detailed && w->additional && w->intermediate && !w->round) End_Point_Table(w);
    return Wc_Point_Checks(w);
}

}  // namespace

char Weld_Half_Letter(const SchweissnahtNachweis* r, int k) {
    if (!r || k < 0 || k >= WELD_CHECK_WELDS) return 0;
    const int n = r->number[k];
    if (n > WELD_HALF_NUMBER_OFFSET) return 'b';
    if (n <= 0) return 0;
    for (int j = 0; j < WELD_CHECK_WELDS; ++j)
        if (r->number[j] == n + WELD_HALF_NUMBER_OFFSET) return 'a';
    return 0;
}

const Wc_Name* Wc_Weld_Names(const SchweissnahtNachweis* r, const char* label) {
    static struct {
        const char* label = nullptr;
        int number[WELD_CHECK_WELDS] = {};
        Wc_Name name[WELD_CHECK_WELDS];
    } kept;
    if (kept.label == label && std::memcmp(kept.number, r->number, sizeof kept.number) == 0) return kept.name;
    kept.label = label;
    std::memcpy(kept.number, r->number, sizeof kept.number);
    for (int k = 0; k < WELD_CHECK_WELDS; ++k) {
        const char half = Weld_Half_Letter(r, k);
        Wc_Name& name = kept.name[k];
        VEK_Format_Bounded(name.text, sizeof name.text, half ? "%s %d%c" : "%s %d", label,
                           Weld_Base_Number(r->number[k]), half);
        VEK_Format_Bounded(name.prefix, sizeof name.prefix, "%s: ", name.text);
    }
    return kept.name;
}

int Weld_Check_End_Point(int k, int i, double* y, double* z, double* a) {
    const WeldCheckWork* w = picture_work;
    if (!w || k < 0 || k >= WELD_CHECK_WELDS || i < 0 || i >= WC_POINTS || w->pz[k][i] < 0.0) return 0;
    if (Wc_Point_On_Convex_Arc(w, k, i) || Wc_Point_At_Root(w, k, i)) return 0;
    if (y) *y = w->py[k][i];
    if (z) *z = w->pz[k][i];
    if (a) *a = w->line[k].a;
    return 1;
}

double Weld_Check_Centroid_From_Left(void) { return picture_work ? picture_work->e_ref : 0.0; }

// The smallest throat "%.1lf" writes with two digits.
int Weld_Throat_Is_Long(double a) { return a >= 9.95 ? 1 : 0; }

int Weld_Check_Legend_Has_Long_Throat(void) { return picture_work && Has_Long_Throat(picture_work, true) ? 1 : 0; }

int Weld_Check_Write_Legend(FILE* list) {
    const WeldCheckWork* w = picture_work;
    if (!w || !list) return 0;
    int n = 0;
    for (int o = 0; o < w->n_order; ++o) {
        const int k = w->order[o];
        if (!In_Legend(w, k)) continue;
        Weld_List_Line(w, list, k, true);
        ++n;
    }
    return n;
}

void Check_Weld_Check_Invariants(const WeldCheckWork* w) {
    static const char* const model = "weld check";
    WELD_INVARIANT(model, w->n_positions >= 0 && w->n_positions <= WELD_CHECK_WELDS, "positions within capacity");
    WELD_INVARIANT(model, w->n_order >= 0 && w->n_order <= WELD_CHECK_WELDS, "report order within capacity");
    for (int o = 0; o < w->n_order; ++o)
        WELD_INVARIANT(model, w->order[o] >= 0 && w->order[o] < WELD_CHECK_WELDS, "report order names positions");
    for (const WeldCheckLine& line : w->line)
        WELD_INVARIANT(model, line.dir >= WC_NONE && line.dir <= WC_RING, "line direction known");
    const SchweissnahtNachweis* r = w->r;
    WELD_INVARIANT(model, (r->governing_slot == -1 && r->governing_point == -1) ||
                              (r->governing_slot >= 0 && r->governing_slot < WELD_CHECK_WELDS &&
                               r->governing_point >= 0 && r->governing_point < WC_POINTS),
                   "governing weld and end point in their tables");
    WELD_INVARIANT(model, r->U_w == -1.0 || (std::isfinite(r->U_w) && r->U_w >= 0), "utilisation -1 or finite");
    WELD_INVARIANT(model, r->U_w_status != WELD_CHECK_DONE || r->U_w >= 0, "a result has its utilisation");
}

int Calc_Weld_Check(SchweissnahtNachweis* r, FILE* list, int level, int additional, int sketches, int intermediate) {
    if (!r) return 1;
    WeldCheckWork* w = Take_Work();
    if (!w) return Refused(r);
    w->r = r;
    w->f = list;
    w->level = level;
    w->additional = additional;
    w->sketches = sketches;
    w->intermediate = intermediate;
    w->report = list && level > 0;
    w->detailed = list && level > 1;
    w->line_mode = r->check_field < 0;
    w->label = w->line_mode ? "Linie" : "Naht";
    w->names = Wc_Weld_Names(r, w->label);
    r->U_w = 0.0;
    r->U_w_status = WELD_CHECK_NOT_RUN;
    std::memset(r->line_values, 0, sizeof r->line_values);
    std::memset(r->U_position, 0, sizeof r->U_position);
    for (Weld_Notes& n : r->notes) n.rules = 0, n.count = 0;  // values count only as far as count says
    Wc_No_Governing_Point(r);
    // A fully penetrated butt weld neglects the short pieces of an all-round
    // weld whatever the caller's switch says.
    w->neglect_short = r->neglect_short || Wc_Full_Penetration(r);
    const int result = Run(w);
    // The check's own answer: refused wherever a stage refused the case.
    r->U_w_status = result == 0 ? WELD_CHECK_DONE : WELD_CHECK_REFUSED;
    WELD_CHECK(Check_Weld_Check_Invariants(w));
    Give_Back_Work(w);
    return result;
}
