// Stresses and checks in the end points of the weld lines, the result block
// "Ergebnis" and the extreme stresses.
//
// Every stress keeps the sign its force and the point's position give it.
// At each point the shear along the weld is taken as tau_parallel: for a
// weld along y that is the stress from V_y, for a weld along z the stress
// from V_z, for a closed round weld the tangential stress; the shear across
// the weld is resolved with the normal stress onto the throat, signed by
// the side of the face the weld lies on (the two welds of a plate see it
// with opposite signs). A weld on a face that runs obliquely in the plate's
// plane (the inner face of a sloped flange) has its shear by axis turned
// onto its own direction for the directional method, whose stresses are
// those of the throat as it lies; the simplified method takes the
// resultant, which no turn changes. The torsion is what the shear split
// leaves of M_x and the shear forces' moments about the weld centroid
// (M_T): in a closed weld ring it runs along every weld as one shear flow;
// welds that close no ring turn as a rigid plate about their centroid, and
// the torsional shear at a point, M_T r / I_p at right angles to the radius
// r from that centroid, has a part along the weld and a part across it,
// each added to the shear of the shear forces in its direction.
#include <algorithm>
#include <cmath>
#include <cstdarg>
#include <memory>
#include <string>

#include "base/cp850.h"
#include "base/invariant.h"
#include "base/kept_by_inputs.h"
#include "base/rounding.h"
#include "codes/material.h"
#include "codes/nad.h"
#include "codes/nad_file.h"
#include "codes/sicherheit.h"
#include "platform/format.h"
#include "platform/oli_layout.h"
#include "printlist/oli_para.h"
#include "printlist/verdict.h"
#include "weldcheck/weld_check_internal.h"
#include "weldcheck/weldelem.h"
#include "weldcheck/weldres.h"

namespace {

using Line = Wc_Line;

struct PointStress {
    double sx;      // normal stress
    double along;   // shear along the weld, torsion included
    double across;  // shear across the weld, signed towards the outer side, torsion included
    double tT;      // torsion part of along
    double tTc;     // torsion part of across (as tTc of the work: in the axis across the weld; an oblique
                    // line's turned: signed as across)
};

// The direction (u_y, u_z) of oblique line k (Wc_Oblique), from y towards z.
void Oblique_Direction(const WeldCheckWork* w, int k, double* u_y, double* u_z) {
    const double out = w->line[k].out;
    *u_y = -out * w->n_z[k];
    *u_z = out * w->n_y[k];
}

// The parts of the point's stresses an oblique line's throat takes in the
// directional method: its shear by axis (the shear forces' and the polar
// moment's torsion, y and z) turned onto its direction and onto its face's
// outward normal -n; a closed ring's flow runs along the line already.
__attribute__((noinline)) PointStress Oblique_Throat_Stresses(const WeldCheckWork* w, int k, int i) {
    double u_y, u_z;
    Oblique_Direction(w, k, &u_y, &u_z);
    const double n_y = w->n_y[k], n_z = w->n_z[k];
    const double Ty = w->polar ? w->tT[k][i] : 0.0, Tz = w->polar ? w->tTc[k][i] : 0.0;
    const double flow = w->polar ? 0.0 : w->tT[k][i];
    const double ty = w->ty[k][i], tz = w->tz[k][i];
    PointStress s;
    s.sx = w->sx[k][i];
    s.tT = Ty * u_y + Tz * u_z + flow;
    s.tTc = -(Ty * n_y + Tz * n_z);
    s.along = ty * u_y + tz * u_z + s.tT;
    s.across = s.tTc - (ty * n_y + tz * n_z);
    return s;
}

// The parts of a point's stresses the throat check takes. It runs several
// times at every point of every load case: an oblique line's turn, which
// few connections have, is a call of its own.
PointStress Throat_Stresses(const WeldCheckWork* w, int k, int i) {
    const WeldCheckLine& L = w->line[k];
    PointStress s{w->sx[k][i], 0.0, 0.0, w->tT[k][i], w->tTc[k][i]};
    if (L.dir == WC_ALONG_Y) {
        if (L.oblique && w->r->method != 0) return Oblique_Throat_Stresses(w, k, i);
        s.along = w->ty[k][i] + s.tT;
        s.across = L.out * (w->tz[k][i] + s.tTc);
    } else if (L.dir == WC_ALONG_Z) {
        s.along = w->tz[k][i] + s.tT;
        s.across = L.out * (w->ty[k][i] + s.tTc);
    } else {
        s.along = w->ty[k][i] + s.tT;  // tangential shear of the ring
    }
    return s;
}

// The torsional shear of point i of weld k by axis, y and z (a ring's
// tangential torsion counts as y, as its tangential shear does).
void Torsion_By_Axis(const WeldCheckWork* w, int k, int i, double* Ty, double* Tz) {
    const bool along_z = w->line[k].dir == WC_ALONG_Z;
    *Ty = along_z ? w->tTc[k][i] : w->tT[k][i];
    *Tz = along_z ? w->tT[k][i] : w->tTc[k][i];
}

// The stress cells of a point's report line, in their order: the normal
// stress first, an empty cell where it is absent (it keeps its column), then
// the shear stresses that are present and the contact mark. Listed by kind
// and value; each is formatted only where it is written, straight onto the
// line, and the rows a line takes are counted from the list alone.
enum Cell_Kind : unsigned char {
    kCellEmpty, kCellSx, kCellRingShear, kCellRingTorsion, kCellRingSum, kCellY, kCellZ, kCellTy, kCellTz,
    kCellTorsion, kCellContact, kCellArc, kCellRoot
};
struct Stress_Cells {
    struct Cell {
        Cell_Kind kind;
        double value;
    } cell[8];
    int n = 0;
    const char* by_V = "";  // "V" where a torsion adds to the shear of the shear forces
    void Add(Cell_Kind kind, double value = 0.0) { cell[n++] = {kind, value}; }
};

Stress_Cells Stress_Cells_Of(const WeldCheckWork* w, int k, int i) {
    Stress_Cells c;
    const bool torsion = Wc_Present(w->tT[k][i]) || Wc_Present(w->tTc[k][i]);
    if (Wc_Present(w->sx[k][i])) c.Add(kCellSx, w->sx[k][i]);
    else c.Add(kCellEmpty);
    if (w->round) {
        if (Wc_Present(w->ty[k][i])) c.Add(kCellRingShear, w->ty[k][i]);
        if (torsion) {
            c.Add(kCellRingTorsion, w->tT[k][i]);
            c.Add(kCellRingSum, w->ty[k][i] + w->tT[k][i]);
        }
    } else {
        c.by_V = torsion ? "V" : "";
        if (Wc_Present(w->ty[k][i])) c.Add(kCellY, w->ty[k][i]);
        if (Wc_Present(w->tz[k][i])) c.Add(kCellZ, w->tz[k][i]);
        if (w->polar) {
            double Ty, Tz;
            Torsion_By_Axis(w, k, i, &Ty, &Tz);
            if (Wc_Present(Ty)) c.Add(kCellTy, Ty);
            if (Wc_Present(Tz)) c.Add(kCellTz, Tz);
        } else if (torsion) {
            c.Add(kCellTorsion, w->tT[k][i]);
        }
    }
    if (w->contact[k][i]) c.Add(kCellContact);
    if (Wc_Point_On_Convex_Arc(w, k, i)) c.Add(kCellArc);
    if (Wc_Point_At_Root(w, k, i)) c.Add(kCellRoot);
    return c;
}

// One cell in its column (the tab before it included).
void Put_Cell(Line& out, const Stress_Cells::Cell& cell, const char* by_V) {
    // Stress cells print with 2 decimals; one that shows zero has no sign.
    const double v =
        cell.kind == kCellEmpty || cell.kind == kCellContact || cell.kind == kCellArc || cell.kind == kCellRoot ? 0.0 : Unsigned_Zero(cell.value, 2);
    switch (cell.kind) {
    case kCellEmpty: out.Add_Text("╬t"_cp); break;
    case kCellSx: out.Add("╬t╠╬\\w,x╬r = %.2lf N/mm² "_cp, v); break;
    case kCellRingShear: out.Add("╬tÍ╬\\w,%st╬r = %.2lf N/mm² "_cp, "V", v); break;
    case kCellRingTorsion: out.Add("╬tÍ╬\\w,T╬r = %.2lf N/mm² "_cp, v); break;
    case kCellRingSum: out.Add("╬tê  Í╬\\w,t+T╬r = %.2lf N/mm²"_cp, v); break;
    case kCellY: out.Add("╬tÍ╬\\w,%sy╬r = %.2lf N/mm² "_cp, by_V, v); break;
    case kCellZ: out.Add("╬tÍ╬\\w,%sz╬r = %.2lf N/mm² "_cp, by_V, v); break;
    case kCellTy: out.Add("╬tÍ╬\\w,Ty╬r = %.2lf N/mm² "_cp, v); break;
    case kCellTz: out.Add("╬tÍ╬\\w,Tz╬r = %.2lf N/mm² "_cp, v); break;
    case kCellTorsion: out.Add("╬tÍ╬\\w,T╬r = %.2lf N/mm² "_cp, v); break;
    case kCellContact: out.Add_Text("╬t(Druckkontakt)"_cp); break;
    case kCellArc: out.Add_Text("╬t(an der Rundung)"_cp); break;
    case kCellRoot: out.Add_Text("╬t(an der Nahtwurzel)"_cp); break;
    }
}

// Sets cells in the columns of a point's line: `columns` tab stops after
// the point's own, one cell each; a full row goes on in a row of its own,
// which reaches the first column with `lead` tabs. With `to_last` the row
// is then filled up to the last column, so that what the caller adds next
// (a tab and the utilisation) stands there: every row shows its
// utilisation in one place.
void Put_In_Columns(Line& out, const Stress_Cells& cells, bool to_last, int columns, int lead) {
    int column = 0;
    auto next_row = [&]() {
        out.Add_Text("\n");
        for (int j = 0; j < lead; ++j) out.Add_Text("╬t"_cp);
        column = 0;
    };
    for (int j = 0; j < cells.n; ++j) {
        if (column == columns) next_row();
        Put_Cell(out, cells.cell[j], cells.by_V);
        ++column;
    }
    if (!to_last) return;
    if (column == columns) next_row();
    for (; column < columns - 1; ++column) out.Add_Text("╬t"_cp);
}

// The rows a line of `cells` cells takes in `columns` columns (with its
// utilisation, when `with_u`).
int Rows_Of(int cells, int columns, bool with_u) {
    const int rows = (cells + columns - 1) / columns;
    return with_u && cells % columns == 0 ? rows + 1 : std::max(rows, 1);
}

// The rows a point's line takes (Rows_Of).
int Point_Rows(const WeldCheckWork* w, int k, int i, int columns, bool with_u) {
    return Rows_Of(Stress_Cells_Of(w, k, i).n, columns, with_u);
}

bool Point_In_Use(const WeldCheckWork* w, int k, int i) { return w->line[k].dir != WC_NONE && w->pz[k][i] >= 0.0; }

// Normal stress of the whole line cross-section at y', z'; a compressive
// stress reduced by contact sets *contact.
double Normal_Stress(const WeldCheckWork* w, double y, double zp, bool* contact) {
    const double c = w->r->contact_share;
    const double dz = zp - w->z_s - w->dz_w, dy = y - w->dy_w;
    double sx = w->sigma_N + w->g_z * dz + w->g_y * dy;
    *contact = c > 0.001 && sx < 0.0;
    if (*contact) sx *= 1.0 - c;
    return sx;
}

// Tangential shear of the closed ring of a round section at y', z', from
// the shear forces; the torsion adds tau_T to it.
double Ring_Shear(const WeldCheckWork* w, double y, double zp) {
    const double R = w->r->profile.h / 2.0;
    return R > 0.001 ? (w->tau_Vz * y - w->tau_Vy * (zp - w->z_s)) / R : 0.0;
}

// Stresses of point i of weld k (in use) from the whole line cross-section.
void Stresses_At(WeldCheckWork* w, int k, int i) {
    const SchweissnahtNachweis* r = w->r;
    const WeldCheckLine& L = w->line[k];
    w->ty[k][i] = w->tz[k][i] = w->tT[k][i] = w->tTc[k][i] = 0.0;
    w->sx[k][i] = Normal_Stress(w, w->py[k][i], w->pz[k][i], &w->contact[k][i]);
    if (L.dir == WC_RING) {
        w->ty[k][i] = Ring_Shear(w, w->py[k][i], w->pz[k][i]);
        w->tT[k][i] = w->tau_T;
        return;
    }
    if (r->shear_split == WELD_SHEAR_SPLIT_CONVENTIONAL) {
        // Conventional split: the welds along y take V_y, those along
        // z take V_z, each spread evenly over its own group; the
        // halves of a solid section take both, as the section does.
        w->ty[k][i] = L.dir == WC_ALONG_Y || L.both_shears ? w->tau_Vy : 0.0;
        w->tz[k][i] = L.dir == WC_ALONG_Z || L.both_shears ? w->tau_Vz : 0.0;
    } else if (L.A > 0.001) {
        w->ty[k][i] = w->Vyw[k] / L.A;
        w->tz[k][i] = w->Vzw[k] / L.A;
    }
    // Bredt: the shear flow circulates with the torsion, x cross the
    // outward normal of the face, the same flow in every weld; a
    // line shorter than the face it stands for carries the face's.
    // The walls of a fully penetrated tube (I_T its own) add their
    // own St. Venant share at their faces, the same way round.
    if (w->ring && Wc_Present(w->q_T))
        w->tT[k][i] = (L.dir == WC_ALONG_Y ? -L.out : L.out) *
                      (w->q_T * (L.l_flow / L.l) / L.a + (w->I_T > 0.0 ? w->M_T * L.a / w->I_T : 0.0));
    // St. Venant: at a plate's face the shear runs along it, the way
    // Bredt's flow runs on the outer face of a closed wall.
    if (w->st_venant) w->tT[k][i] = (L.dir == WC_ALONG_Y ? -L.out : L.out) * w->M_T * L.k_T / w->I_T;
    if (w->polar) {
        // M_T / I_p times the radius from the weld centroid turned a
        // right angle the way M_x turns (y towards z).
        const double c = w->M_T / w->I_wp;
        const double ry = w->py[k][i] - w->dy_w, rz = w->pz[k][i] - w->z_s - w->dz_w;
        const double Ty = -c * rz, Tz = c * ry;
        w->tT[k][i] = L.dir == WC_ALONG_Y ? Ty : Tz;
        w->tTc[k][i] = L.dir == WC_ALONG_Y ? Tz : Ty;
    }
}

// Stresses of every end point from the whole line cross-section.
void Point_Stresses(WeldCheckWork* w) {
    for (int k = 0; k < WELD_CHECK_WELDS; ++k) {
        const bool line = w->line[k].dir != WC_NONE;
        for (int i = 0; i < WC_POINTS; ++i) {
            w->sx[k][i] = w->ty[k][i] = w->tz[k][i] = w->tT[k][i] = w->tTc[k][i] = 0.0;
            w->contact[k][i] = false;
            if (line && w->pz[k][i] >= 0.0) Stresses_At(w, k, i);
        }
    }
}

// Angle between the throat and the joined face: half the weld angle; 0 for
// a fully penetrated butt weld.
double Throat_Angle(const SchweissnahtNachweis* r) {
    return Wc_Full_Penetration(r) ? 0.0 : r->weld_angle * M_PI / 360.0;
}

// The stress a point of the ring is judged by, as its check forms it:
// directional (sigma_perp² + 3 (tau_perp² + tau_par²))^1/2 with the
// tangential shear along the weld, else the resultant.
double Ring_Equivalent_Stress(const WeldCheckWork* w, double y, double zp, double ct, double st, bool directional) {
    bool contact;
    const double sx = Normal_Stress(w, y, zp, &contact);
    const double along = Ring_Shear(w, y, zp) + w->tau_T;
    if (!directional) return std::sqrt(sx * sx + along * along);
    const double sp = sx * ct, tp = sx * st;
    return std::sqrt(sp * sp + 3.0 * (tp * tp + along * along));
}

struct Governing {
    int k = -1, i = -1;
    double values[WELD_CHECK_LINE_VALUES] = {};
};

const char* Along_Name(const WeldCheckLine& L) { return L.dir == WC_ALONG_Y ? "y" : L.dir == WC_ALONG_Z ? "z" : "t"; }
const char* Across_Name(const WeldCheckLine& L) { return L.dir == WC_ALONG_Y ? "z" : "y"; }

// The square of a shear in the resultant: " + τ_w,y²" for the shear of the
// shear forces alone, " + τ_w,T²" for the torsion alone, " + (τ_w,y +
// τ_w,T)²" for both (T_axis names the axis of the torsion's part).
void Shear_Square(Line& out, const char* axis, bool by_V, const char* T_axis, bool by_T) {
    if (by_V && by_T) out.Add(" + (Í╬\\w,%s╬r + Í╬\\w,T%s╬r)²"_cp, axis, T_axis);
    else if (by_T) out.Add(" + Í╬\\w,T%s╬r²"_cp, T_axis);
    else out.Add(" + Í╬\\w,%s╬r²"_cp, axis);
}

// An axis's shear at a point of an oblique line as the formulas name it:
// "τ_w,y" of the shear forces, "τ_w,Ty" of the polar moment's torsion,
// "(τ_w,y + τ_w,Ty)" of both.
void Axis_Shear(Line& out, const char* axis, bool by_V, bool by_T) {
    if (by_V && by_T) out.Add("(Í╬\\w,%s╬r + Í╬\\w,T%s╬r)"_cp, axis, axis);
    else if (by_T) out.Add("Í╬\\w,T%s╬r"_cp, axis);
    else out.Add("Í╬\\w,%s╬r"_cp, axis);
}

// The shear of point i of oblique line k as turned onto the line by the
// angle β of its direction from y towards z, the parts of its axis shear
// that are present: along it τ_w,y·cos(β) + τ_w,z·sin(β) (and a closed
// ring's flow τ_w,T, which runs along it), across it, towards the outer
// side of its face, τ_w,z·cos(β) - τ_w,y·sin(β), negated on a face whose
// outer side looks against z.
void Turned_Shear(Line& out, const WeldCheckWork* w, int k, int i, bool across) {
    const WeldCheckLine& L = w->line[k];
    const char* X = Report_Times_Sign;
    const double Ty = w->polar ? w->tT[k][i] : 0.0, Tz = w->polar ? w->tTc[k][i] : 0.0;
    const bool Vy = Wc_Present(w->ty[k][i]), Vz = Wc_Present(w->tz[k][i]);
    const bool y = Vy || Wc_Present(Ty), z = Vz || Wc_Present(Tz);
    const bool flow = !across && !w->polar && Wc_Present(w->tT[k][i]);
    // The term of the cosine and that of the sine; with none present, the
    // cosine's names the value.
    const char* c_axis = across ? "z" : "y";
    const char* s_axis = across ? "y" : "z";
    const bool s_on = across ? y : z;
    const bool c_on = (across ? z : y) || (!s_on && !flow);
    const bool minus = across && L.out < 0.0;
    auto term = [&](const char* axis, const char* trig) {
        const bool is_y = axis[0] == 'y';
        Axis_Shear(out, axis, is_y ? Vy : Vz, Wc_Present(is_y ? Ty : Tz));
        out.Add("%s%s(╗)"_cp, X, trig);
    };
    if (c_on && s_on) {
        if (minus) out.Add_Text("-(");
        term(c_axis, "cos");
        out.Add_Text(across ? " - " : " + ");
        term(s_axis, "sin");
        if (minus) out.Add_Text(")");
    } else if (c_on) {
        if (minus) out.Add_Text("-");
        term(c_axis, "cos");
    } else if (s_on) {
        if (across != minus) out.Add_Text("-");
        term(s_axis, "sin");
    }
    if (flow) out.Add_Text(c_on || s_on ? " + Í╬\\w,T╬r"_cp : "Í╬\\w,T╬r"_cp);
}

// The detailed formula lines of one point.
void Detail_Lines(const WeldCheckWork* w, int k, const char* name, int i, const PointStress& s, double theta, bool directional,
                  double sp, double tp, double sw) {
    FILE* f = w->f;
    const WeldCheckLine& L = w->line[k];
    const char* P = Check_Line_Prefix;
    const char* X = Report_Times_Sign;
    Line out(f);
    // Pieces that follow each other without a choice between them are
    // formatted in one (the writer's cost is mostly per piece).
    const double degrees = theta * 180.0 / M_PI;
    if (w->round)
        out.Add("%s╬HNachweis für Pkt. %d:\n%sSpannungen auf der wirksamen Nahtfläche (║ = %.0lf°"_cp, P, i, P, degrees);
    else
        out.Add("%s╬HNachweis für %s, Pkt. %d:\n%sSpannungen auf der wirksamen Nahtfläche (║ = %.0lf°"_cp, P, name, i,
                P, degrees);
    const bool across = Wc_Present(s.across);
    // The torsional shear of the polar moment is named by its axis.
    const char* T_along = w->polar ? Along_Name(L) : "";
    // An oblique line's shear is turned onto it by the angle its direction
    // makes with y (directional method only).
    const bool oblique = directional && Wc_Oblique(w, k);
    if (oblique) {
        double u_y, u_z;
        Oblique_Direction(w, k, &u_y, &u_z);
        out.Add(",  ╗ = %.1lf°"_cp, Unsigned_Zero(std::atan2(u_z, u_y) * 180.0 / M_PI, 1));
    }
    if (across && oblique) {
        out.Add_Text(",  Í╬\\w╬r = "_cp);
        Turned_Shear(out, w, k, i, true);
    } else if (across) {
        const bool by_V = Wc_Present(s.across - L.out * s.tTc), by_T = Wc_Present(s.tTc);
        // The shear across the weld counts towards the face's outer side:
        // on a face whose outer side looks against the axis it enters the
        // throat with the opposite sign, and the formula says so.
        const bool against = L.out < 0.0;
        out.Add(",  Í╬\\w╬r = %s"_cp, against ? (by_V && by_T ? "-(" : "-") : "");
        if (by_V || !by_T) out.Add("Í╬\\w,%s╬r"_cp, Across_Name(L));
        if (by_T) out.Add("%sÍ╬\\w,T%s╬r"_cp, by_V ? " + " : "", Across_Name(L));
        if (against && by_V && by_T) out.Add_Text(")");
    }
    // The end of the stresses' line goes with the first piece of the next.
#define STRESS_LINE_END ",  ╠╬\\w╬r = ╠╬\\w,x╬r):\n"
    const bool torsion = Wc_Present(s.tT);
    if (directional) {
        out.Add(STRESS_LINE_END "%s╠╬\\%s╬r = ╠╬\\w╬r%scos(║)"_cp, P, "s", X);
        if (across) out.Add(" - Í╬\\w╬r%ssin(║)"_cp, X);
        out.Add(" = %.1lf N/mm²\n%sÍ╬\\%s╬r = ╠╬\\w╬r%ssin(║)"_cp, Unsigned_Zero(sp, 1), P, "s", X);
        if (across) out.Add(" + Í╬\\w╬r%scos(║)"_cp, X);
        if (oblique) {
            out.Add(" = %.1lf N/mm²\n%sÍ╬\\%s╬r = "_cp, Unsigned_Zero(tp, 1), P, "p");
            Turned_Shear(out, w, k, i, false);
        } else {
            out.Add(" = %.1lf N/mm²\n%sÍ╬\\%s╬r = Í╬\\w,%s╬r"_cp, Unsigned_Zero(tp, 1), P, "p", Along_Name(L));
            if (torsion) out.Add(" + Í╬\\w,T%s╬r"_cp, T_along);
        }
        out.Add(" = %.1lf N/mm²\n"_cp, Unsigned_Zero(s.along, 1));
    } else {
        const bool shear = Wc_Present(s.along) || across;
        if (shear) {
            // The formula names what the value holds: the shear of the
            // shear forces and the torsion, each where it is present.
            out.Add(STRESS_LINE_END "%s╠╬\\w,Ed╬r = (╠╬\\w,x╬r²"_cp, P);
            if (Wc_Present(s.along))
                Shear_Square(out, Along_Name(L), Wc_Present(s.along - s.tT), T_along, torsion);
            if (across)
                Shear_Square(out, Across_Name(L), Wc_Present(s.across - L.out * s.tTc), Across_Name(L),
                             Wc_Present(s.tTc));
            out.Add(")╬/1/2╬r = %.1lf N/mm²\n"_cp, Unsigned_Zero(sw, 1));
        } else {
            out.Add(STRESS_LINE_END "%s╠╬\\w,Ed╬r = |╠╬\\w,x╬r| = %.1lf N/mm²\n"_cp, P, Unsigned_Zero(sw, 1));
        }
    }
#undef STRESS_LINE_END
    out.Put();
}

// A stored -1 stays, a new -1 replaces, else the larger value is kept:
// larger as the checks count it (Round_Utilisation), and between two the
// rule counts alike (two points just above 1, both counted as 1) the larger
// as computed, so that a line showing the maximum shows the largest value
// and its note. stored_computed may be null where only the count is kept;
// with one, U_w_computed follows its U.
bool Raise(double* stored, double* stored_computed, double U, double computed) {
    if (*stored < -0.5) return false;
    if (U < -0.5) {
        *stored = -1.0;
        return false;
    }
    const bool larger = U > *stored || (stored_computed && U == *stored && computed > *stored_computed);
    if (!larger) return false;
    *stored = U;
    if (stored_computed) *stored_computed = computed;
    return true;
}

// f_u of a catalogue steel (one value for every thickness) lowered to the
// value of its grade's thickness range in the weld grade table, so that a
// thick part is not checked with the strength of a thin one.
// 1 when a value was lowered.
int Limit_Catalogue_Strength(Materialparameter_Record* m) {
    if (m->kind != 1 || m->own_values) return 0;
    const int weld_grade = Stahlguete_Code_To_Grade_Index(Steel_Choice_To_Stahlguete_Code(m->grade));
    if (weld_grade < 0) return 0;
    Materialparameter_Record table;
    Default_Material_Params(&table);
    table.grade = weld_grade;
    double fu[2];
    const double ts[2] = {40.0, 80.0};
    for (int j = 0; j < 2; ++j) {
        Check_Material_Params(&table, ts[j], nullptr, 0, nullptr);
        fu[j] = table.f_u;
    }
    int lowered = 0;
    double* ranges[3] = {&m->f_u1, &m->f_u2, &m->f_u3};
    for (int j = 0; j < 3; ++j) {
        const double limit = fu[j == 0 ? 0 : 1];
        if (limit > 0.0 && limit < *ranges[j]) {
            *ranges[j] = limit;
            lowered = 1;
        }
    }
    return lowered;
}

// The tensile strength a lowered catalogue steel is checked with at
// thickness t.
void Strength_Used_Line(FILE* f, const char* what, const Materialparameter_Record* m, double t) {
    OLI_printf(f, "%sZugfestigkeit %s für den Nahtnachweis:  f╬\\u╬r = %.0lf N/mm² (t = %.1lf mm)\n"_cp,
               Check_Line_Prefix, what, Weld_Tensile_Strength_At(m, t), t);
}

// f_y of a material at thickness t, from its thickness ranges (stainless
// steel of the weld grade table has one).
double Yield_Strength_At(const Materialparameter_Record& m, double t) {
    Materialparameter_Record at;
    Init_Material_Params_For_Thickness(&m, &at, m.kind == 0 && m.grade >= WELD_GRADE_STAINLESS ? 0.0 : t);
    return at.f_y;
}

// The plates as the points are checked with them, derived once per
// connection: the plate and the profile's material with catalogue
// strengths lowered to their thickness range, f_u and f_y of the plate at
// its thickness and of the profile at the thickness of each part a weld
// joins (a few). Kept with the inputs they come from, so that a plate or
// profile material changed between two evaluations (an edit before the
// chart is drawn again), or another annex whose variant takes f_u
// otherwise, derives them again.
struct Kept_Strengths {
    Blech_Record plate;  // what they give
    Materialparameter_Record profile;
    int plate_lowered = 0, profile_lowered = 0;
    double f_u_plate = 0.0, f_y_plate = 0.0;
    struct Part {
        double t, f_u, f_y;
    };
    static constexpr int kParts = 8;
    int parts = 0;
    Part part[kParts];
};

// The strengths of the connection's plate and profile material, kept under
// the bytes of the plate, of the material and of the annex's variant.
Kept_Strengths& Connection_Strengths(const SchweissnahtNachweis* r) {
    static Kept_By_Inputs<Kept_Strengths> kept_by_inputs;
    const NAD_EC3_Block* annex = Get_NAD_EC3();
    const int variant = annex ? annex->variant : 0;
    bool fresh = false;
    Kept_Strengths& kept = kept_by_inputs.At(0, &fresh, r->plate, r->profile.material, variant);
    if (!fresh) return kept;
    Copy_Plate(&r->plate, &kept.plate);
    Copy_Material_Params(&r->profile.material, &kept.profile);
    kept.plate_lowered = Limit_Catalogue_Strength(&kept.plate.material);
    kept.profile_lowered = Limit_Catalogue_Strength(&kept.profile);
    kept.f_u_plate = Weld_Plate_Tensile_Strength(&kept.plate);
    kept.f_y_plate = Yield_Strength_At(kept.plate.material, kept.plate.t);
    kept.parts = 0;
    return kept;
}

// f_u and f_y of the profile's material (as kept) at the thickness t of a
// part.
Kept_Strengths::Part Part_Strengths(Kept_Strengths& kept, double t) {
    for (int j = 0; j < kept.parts; ++j)
        if (kept.part[j].t == t) return kept.part[j];
    Blech_Record part;
    Clear_Plate(&part);
    part.material = kept.profile;
    part.t = t;
    const Kept_Strengths::Part p{t, Weld_Plate_Tensile_Strength(&part), Yield_Strength_At(kept.profile, t)};
    if (kept.parts < Kept_Strengths::kParts) kept.part[kept.parts++] = p;
    return p;
}

// What the steps of the point checks share: the work record, the weld
// group every point is checked with, the throat angle and the governing
// point as it is found.
struct Point_Check_Run {
    WeldCheckWork* w;
    NahtGruppe g;
    Sicherheitsbeiwerte_Record factors;
    bool directional;
    bool full_penetration;  // checked against the weaker part it joins too
    double gamma_M0;        // of that check
    double theta, ct, st;
    int plate_lowered, profile_lowered;
    Kept_Strengths* strengths;
    double indent0, indent;
    Governing gov;
    bool refused = false, result_indented = false;
};

// The weld group every point is checked with: the weld's kind and plates
// (catalogue strengths lowered to their thickness range), stresses given,
// no detailing rules.
void Setup_Point_Group(Point_Check_Run& c) {
    SchweissnahtNachweis* r = c.w->r;
    NahtGruppe& g = c.g;
    Clear_Weld_Group(&g);
    Clear_Safety_Factors(&c.factors);
    c.factors.from_annex = 0;
    c.factors.gamma_M2 = r->gamma_M2;
    g.kind = r->weld_kind;
    g.angle = r->weld_angle;
    g.full_penetration = r->full_penetration;
    // A hollow section's wall is welded from outside only: a butt weld of
    // half its thickness does not reach through it.
    if (r->profile.type == PROFILTYP_RECHTECK || r->profile.type == PROFILTYP_ROHR) g.one_sided = WELD_ONE_SIDED;
    g.full_length = r->deduct_craters ? 0 : 1;
    Kept_Strengths& kept = Connection_Strengths(r);
    c.strengths = &kept;
    g.plate1 = kept.plate;
    g.plate2.material = kept.profile;
    c.plate_lowered = kept.plate_lowered;
    c.profile_lowered = kept.profile_lowered;
    // The profile's strength follows the part of each weld (Check_Point).
    g.strengths_given = 1;
    g.f_u_plate1 = kept.f_u_plate;
    g.factors = &c.factors;
    c.directional = r->method != 0;
    g.method = WELD_METHOD_CALLER_RULES | (c.directional ? WELD_METHOD_DIRECTIONAL : 0);
    g.force_mode = WELD_STRESS_GIVEN;
    g.check = 1;
    g.summary = 0;
    g.skip_detailing = 1;
    c.theta = Throat_Angle(r);
    c.ct = std::cos(c.theta), c.st = std::sin(c.theta);
    c.full_penetration = Wc_Full_Penetration(r);
    c.gamma_M0 = r->gamma_M0;
    if (c.full_penetration && !(c.gamma_M0 > 0.0)) {
        double gamma[9] = {};
        Get_NAD_Safety_Factors(0, gamma);
        c.gamma_M0 = gamma[0];
    }
}

// The weaker of the two parts a fully penetrated butt weld joins, for the
// weld on a part of thickness t_part: the plate where its yield strength at
// its own thickness is the lower, else the profile's part.
struct Weaker_Part {
    int part;  // WELD_PART_*
    double t, f_y;
};
Weaker_Part Weaker_Part_Of(Kept_Strengths& kept, double t_part) {
    const double f_y_profile = Part_Strengths(kept, t_part).f_y;
    if (kept.f_y_plate < f_y_profile) return {WELD_PART_PLATE, kept.plate.t, kept.f_y_plate};
    return {WELD_PART_PROFILE, t_part, f_y_profile};
}

const char* Part_Name(int part) { return part == WELD_PART_PLATE ? "Blech" : "Profil"; }

// A fully penetrated butt weld is as strong as the weaker part it joins and
// no stronger (EN 1993-1-8 4.7.1), whatever its own strength allows: each
// point's stresses, which are those of the joined section, against that
// part's f_y / gamma_M0 by the equivalent stress (sigma_w,x² + 3 tau²)^1/2
// of all its shear (the shear of the shear forces as the split spreads it
// over the section: V / A_v where spread evenly, the plastic resistance).
struct Weaker_Part_Check {
    Weaker_Part part;
    double sigma_v, f_y_d, U, computed;
};
Weaker_Part_Check Check_Weaker_Part(const Point_Check_Run& c, int k, const PointStress& s) {
    Weaker_Part_Check b;
    b.part = Weaker_Part_Of(*c.strengths, c.w->line[k].t_part);
    b.sigma_v = std::sqrt(s.sx * s.sx + 3.0 * (s.along * s.along + s.across * s.across));
    b.f_y_d = b.part.f_y / c.gamma_M0;
    b.computed = b.sigma_v / b.f_y_d;
    b.U = Round_Utilisation(b.computed);
    return b;
}

// A material without a tensile strength at the thickness of the plate or
// of a part a weld joins (the hollow-section grades MH/MLH above 40 mm)
// leaves the welds no resistance, and one without a yield strength a fully
// penetrated butt weld none: 1 after the line naming the part, its grade,
// the strength and the thickness.
int Refuse_Missing_Strength(Point_Check_Run& c) {
    const WeldCheckWork* w = c.w;
    const char* part = nullptr;
    const char* strength = "Zugfestigkeit";
    const Materialparameter_Record* m = nullptr;
    double t = 0.0;
    const bool yield = c.full_penetration;
    if (!(c.strengths->f_u_plate > 0.0) || (yield && !(c.strengths->f_y_plate > 0.0))) {
        part = "Blech", m = &c.g.plate1.material, t = c.g.plate1.t;
        if (c.strengths->f_u_plate > 0.0) strength = "Streckgrenze";
    } else {
        for (const WeldCheckLine& L : w->line) {
            if (L.dir == WC_NONE) continue;
            const Kept_Strengths::Part p = Part_Strengths(*c.strengths, L.t_part);
            if (p.f_u > 0.0 && (!yield || p.f_y > 0.0)) continue;
            part = "Profil", m = &c.g.plate2.material, t = L.t_part;
            if (p.f_u > 0.0) strength = "Streckgrenze";
            break;
        }
    }
    if (!part) return 0;
    if (w->f) {
        const std::string grade = Steel_Grade_Name(m);
        OLI_printf(w->f, "%s╬HFehler╬r: %s%s%s: keine %s für t = %.1lf mm, Materialparameter vorgeben  ê  Nachweis nicht möglich %s\n"_cp,
                   Check_Line_Prefix, part, grade.empty() ? "" : ", Stahlgüte "_cp, grade.c_str(), strength, t,
                   Mark_Not_Ok());
    }
    return 1;
}

// The partial factor of the weaker part's resistance: one an annex cannot
// hold refuses a fully penetrated butt weld by name (0.1 would make every
// part ten times stronger). 1 after its line.
int Refuse_Gamma_M0(const Point_Check_Run& c) {
    if (!c.full_penetration || NAD_Factor_Usable(c.gamma_M0)) return 0;
    if (c.w->f)
        OLI_printf(c.w->f, "%sTeilsicherheitsbeiwert └╬\\M0╬r = %s ungültig (nicht zwischen %.1lf und %.0lf)  ê  Nachweis nicht möglich %s\n"_cp,
                   Check_Line_Prefix, NAD_Factor_Text(c.gamma_M0).c_str(), NAD_FACTOR_MIN, NAD_FACTOR_MAX, Mark_Not_Ok());
    return 1;
}

// The weaker parts of the welds of a fully penetrated butt weld, each once
// (the plate, or a part of the profile of its own thickness); their count.
int Weaker_Parts(const Point_Check_Run& c, Weaker_Part parts[WELD_CHECK_WELDS]) {
    int n = 0;
    for (const WeldCheckLine& L : c.w->line) {
        if (L.dir == WC_NONE) continue;
        const Weaker_Part p = Weaker_Part_Of(*c.strengths, L.t_part);
        bool known = false;
        for (int j = 0; j < n; ++j) known = known || (parts[j].part == p.part && parts[j].t == p.t);
        if (!known) parts[n++] = p;
    }
    return n;
}

int First_Rows(const Point_Check_Run& c);
void Keep_Rows(const WeldCheckWork* w, int rows, double extra_cm = 0.0);

// The lines before the point checks: heading, the partial butt weld, the
// contact share, torsion, the lowered strengths. They stand on one page
// with the first rows after them.
void Print_Point_Check_Intro(const Point_Check_Run& c) {
    const WeldCheckWork* w = c.w;
    const SchweissnahtNachweis* r = w->r;
    FILE* f = w->f;
    const char* P = Check_Line_Prefix;
    const bool hy = r->weld_kind == WELD_BUTT && !r->full_penetration, contact = r->contact_share > 0.001;
    const bool torsion = Wc_Present(w->tau_T) && w->level == 1;
    Weaker_Part weaker[WELD_CHECK_WELDS];
    const int n_weaker = c.full_penetration ? Weaker_Parts(c, weaker) : 0;
    const int notes = hy + contact + torsion + (c.plate_lowered != 0) + (c.profile_lowered != 0) +
                      (c.full_penetration ? 1 + n_weaker + (contact ? 2 : 0) : 0);
    Keep_Rows(w, 1 + notes + First_Rows(c), w->level == 2 ? 0.3 : 0.0);
    if (w->level == 2) OLI_Add_Para_Offset(0.3);
    if (w->round) OLI_printf(f, "%s╬HNachweis des Linienquerschnitts:\n"_cp, P);
    else OLI_printf(f, "%s╬HNachweise in den Endpunkten der Nähte:\n"_cp, P);
    if (w->level == 2) OLI_Set_Para_Indent(c.indent0 + 0.3);
    if (hy)
        OLI_printf(f, "%s╬SEine nicht durchgeschweißte Stumpfnaht (HY-Naht) wird wie eine Kehlnaht nachgewiesen.\n"_cp, P);
    if (c.full_penetration) {
        // In the text's own size: the small one ends at the first
        // subscript.
        OLI_printf(f, "%sDurchgeschweißte Stumpfnaht: U╬\\w╬r = max(Naht, schwächeres Bauteil nach EN 1993-1-8, 4.7.1)\n"_cp, P);
        for (int j = 0; j < n_weaker; ++j)
            OLI_printf(f, "%sschwächeres Bauteil: %s, t = %.1lf mm:  f╬\\y╬r/└╬\\M0╬r = %.1lf/%.2lf = %.2lf N/mm²\n"_cp, P,
                       Part_Name(weaker[j].part), weaker[j].t, weaker[j].f_y, c.gamma_M0, weaker[j].f_y / c.gamma_M0);
    }
    if (contact)
        OLI_printf(f, "%s╬S%.0lf%% Spannungsabtrag über Druckkontakt\n"_cp, P, 100.0 * r->contact_share);
    // The contact relieves the weld and with it the weaker part's check at
    // its points; the profile's own full force is the cross-section check's.
    if (contact && c.full_penetration)
        OLI_printf(f, "%s╬SSchwächeres Bauteil mit den Spannungen der Naht nach Abzug des Druckkontakts; die Tragfähigkeit des Profils selbst weist der Querschnittsnachweis nach.\n"_cp,
                   P);
    if (torsion)
        OLI_printf(f, "%saus Torsion:  Í╬\\w,T╬r = %.2lf N/mm²\n"_cp, P, Unsigned_Zero(w->tau_T, 2));
    if (c.plate_lowered) Strength_Used_Line(f, "des Blechs", &c.g.plate1.material, c.g.plate1.t);
    if (c.profile_lowered) {
        double t_max = 0.0;
        for (const WeldCheckLine& L : w->line)
            if (L.dir != WC_NONE && L.t_part > t_max) t_max = L.t_part;
        Strength_Used_Line(f, "des Profils", &c.g.plate2.material, t_max);
    }
}

// The stress cells of a point line stand in three columns: the first 4.2
// cm wide for "σw,x = -1234.56 N/mm² ", the others 3.9 cm for the shear
// stresses; more cells go on in a second row.
const int kStressColumns = 3;

// The columns of the short report's point lines and of its result line
// (steps of 0.3 cm from the margin, the paragraph at indent cm): the point
// right of the longest label ("Naht 12b, "), then the three stress
// columns, the last of which takes the utilisation: 11.4 cm from the
// paragraph leaves "→ Uw = 1.234 > 1 nicht ok !!" its 5.5 cm on the 17 cm
// of the page. Every row shows each kind of value in its own column.
void Set_Point_Line_Tabs(double indent) {
    const double q = indent / 0.3;
    const double tabs[4] = {q + 6, q + 11, q + 25, q + 38};
    OLI_Set_Tabs(2, nullptr, tabs, 4);
}

// The columns of the stress table of the detailed report (its paragraph
// at indent cm): the point, then the three stress columns; the round
// sections' table has no weld label and its stresses start further right.
void Set_Table_Tabs(double indent, bool round) {
    const double q = indent / 0.3;
    if (round) {
        const double tabs[3] = {q + 7, q + 21, q + 35};
        OLI_Set_Tabs(2, nullptr, tabs, 3);
    } else {
        const double tabs[4] = {q + 7, q + 13, q + 27, q + 40};
        OLI_Set_Tabs(2, nullptr, tabs, 4);
    }
}

// The stresses of every point in use (detailed report).
void Print_Point_Stress_Table(const Point_Check_Run& c) {
    const WeldCheckWork* w = c.w;
    FILE* f = w->f;
    const char* P = Check_Line_Prefix;
    OLI_printf(f, w->round ? "%s╬HMaximale Spannungen im Linienquerschnitt:\n"_cp
                           : "%s╬HSpannungen in den Endpunkten der %s:\n"_cp,
               P, w->line_mode ? "Linien" : "Nähte"_cp);
    OLI_Set_Para_Indent(c.indent + 0.3);
    Set_Table_Tabs(c.indent + 0.3, w->round);
    for (int o = 0; o < w->n_order; ++o) {
        const int k = w->order[o];
        // A weld's points stand on one page under its label. Their cells
        // are worked out once, for their rows and their line.
        Stress_Cells cells[WC_POINTS];
        int lines = 0, rows = 0;
        for (int i = 0; i < WC_POINTS; ++i) {
            if (!Point_In_Use(w, k, i)) continue;
            cells[i] = Stress_Cells_Of(w, k, i);
            ++lines, rows += Rows_Of(cells[i].n, kStressColumns, false);
        }
        if (lines > 1) Keep_Rows(w, rows, 0.0);
        bool first = true;
        for (int i = 0; i < WC_POINTS; ++i) {
            if (!Point_In_Use(w, k, i)) continue;
            Line out(f);
            if (w->round) out.Add("%sPkt. %d: ", P, i);
            else {
                if (first) out.Add("%s%s, ", P, Wc_Weld_Name(w, k).text);
                out.Add("╬tPkt. %d: "_cp, i);
            }
            first = false;
            Put_In_Columns(out, cells[i], false, kStressColumns, w->round ? 0 : 1);
            out.Add_Text("\n");
            out.Put();
        }
    }
    OLI_Set_Para_Indent(c.indent);
    OLI_End_Tabs();
}


// The short report's line of one point: its stresses and utilisation (as
// computed, Weld_Group_Computed_U). The column of a utilisation has room for
// the verdict's sign, limit and marker ("→ Uw = 1.234 > 1 nicht ok !!"), not
// for the note in brackets a tolerance or the rule that counts a value as 1
// adds: a verdict with a note gives it a row of its own under the
// utilisation, the two kept on one page.
void Print_Point_Line(const WeldCheckWork* w, int k, const char* name, int i, bool first, double U) {
    FILE* f = w->f;
    const char* P = Check_Line_Prefix;
    const Utilisation_Verdict_Parts verdict = U < -0.5 ? Utilisation_Verdict_Parts{"", ""}
                                                       : Utilisation_Verdict_Computed_Parts(U);
    const bool note = verdict.note[0] != '\0';
    if (note) Keep_Rows(w, Point_Rows(w, k, i, kStressColumns, true) + 1, 0.0);
    Line out(f);
    if (first && !w->round) out.Add("%s%s, ", P, name);
    else if (first) out.Add("%s", P);
    out.Add("╬tPkt. %d: "_cp, i);
    Put_In_Columns(out, Stress_Cells_Of(w, k, i), true, kStressColumns, 1);
    if (U < -0.5)
        out.Add("╬t%snicht ok !!%s"_cp, Color_Red_Begin(), Color_End());
    else
        out.Add("╬tê  U╬\\w╬r = %s%s"_cp, Utilisation_Digits(U), verdict.head);
    if (note) {
        out.Add_Text("\n");
        // The point's column, then the stress columns: the last one's stop.
        for (int j = 0; j <= kStressColumns; ++j) out.Add_Text("╬t"_cp);
        out.Add_Text(verdict.note);
    }
    out.Add_Text("\n");
    out.Put();
}

// The detailed lines of the weaker part's check of a point, after the
// weld's own and set as they are (a heading, the lines under it), and
// which of the two governs there.
void Weaker_Part_Lines(const Point_Check_Run& c, const Weaker_Part_Check& b, bool governs) {
    FILE* f = c.w->f;
    const char* P = Check_Line_Prefix;
    const double indent = OLI_Get_Para_Indent();
    OLI_printf(f, "%s╬HTragfähigkeit des schwächeren verbundenen Bauteils (EN 1993-1-8, 4.7.1)\n"_cp, P);
    OLI_Set_Para_Indent(indent + 0.3);
    {
        Line out(f);
        out.Add("%s%s, t = %.1lf mm:  f╬\\y╬r = %.1lf N/mm²,  └╬\\M0╬r = %.2lf\n"_cp, P, Part_Name(b.part.part),
                b.part.t, b.part.f_y, c.gamma_M0);
        out.Add("%s╠╬\\v,Ed╬r = (╠╬\\w,x╬r² + 3%s(Í╬\\s╬r² + Í╬\\p╬r²))╬/1/2╬r = %.2lf N/mm²\n"_cp, P,
                Report_Times_Sign, b.sigma_v);
        const Compared_Pair pair = Utilisation_Pair(b.sigma_v, b.f_y_d, 2);
        out.Add("%s╠╬\\v,Ed╬r = %.*lf N/mm²  %s  f╬\\y╬r/└╬\\M0╬r = %.*lf N/mm²  ê  U = %s%s\n"_cp, P, pair.value_places, pair.value, pair.sign,
                pair.limit_places, pair.limit, Utilisation_Digits(b.computed), Utilisation_Verdict_Computed(b.computed));
        out.Put();
    }
    OLI_Set_Para_Indent(indent);
    OLI_printf(f, "%smaßgebend: %s\n"_cp, P, governs ? "schwächeres verbundenes Bauteil"_cp : "Naht");
}

// The rows Weaker_Part_Lines writes.
const int kWeakerPartRows = 5;

// The governing point's values into the record (in the order of
// WELD_CHECK_VALUE_*), with the check that gave its utilisation.
void Keep_Governing_Point(Point_Check_Run& c, int k, int i, const Weaker_Part_Check* b, bool weaker_governs) {
    const WeldCheckWork* w = c.w;
    SchweissnahtNachweis* r = w->r;
    const NahtGruppe& g = c.g;
    c.gov.k = k;
    c.gov.i = i;
    const double v[WELD_CHECK_LINE_VALUES] = {
        g.sigma_perp, g.tau_perp, g.tau_par, g.sigma_1_w_Ed, g.f_1w_d, g.sigma_2_w_Ed, g.f_2w_d,
        w->sx[k][i], w->ty[k][i], w->tz[k][i], g.F_w_Ed_result, g.F_w_Rd, b ? b->sigma_v : 0.0, b ? b->f_y_d : 0.0};
    for (int j = 0; j < WELD_CHECK_LINE_VALUES; ++j) r->line_values[j] = v[j];
    r->governing_slot = k;
    r->governing_point = i;
    r->governing_check = weaker_governs ? WELD_GOVERNS_WEAKER_PART : WELD_GOVERNS_WELD;
    r->weaker_part = b ? b->part.part : WELD_PART_NONE;
    r->weaker_t = b ? b->part.t : 0.0;
}

// The check of point i of weld k with its throat stresses s: the weld
// group's utilisation (-1 refused) and, for a fully penetrated butt weld,
// the weaker part's, the larger of the two; the weld's and the
// connection's largest kept, the governing point's values recorded.
void Check_Point(Point_Check_Run& c, int k, int i, bool first, const PointStress& s) {
    const bool detailed = c.w->detailed && c.w->in_detail[k][i];
    WeldCheckWork* w = c.w;
    SchweissnahtNachweis* r = w->r;
    const WeldCheckLine& L = w->line[k];
    NahtGruppe& g = c.g;
    const Wc_Name& name = Wc_Weld_Name(w, k);
    double sp = 0, tp = 0, sw = 0;
    if (c.directional) {
        sp = s.sx * c.ct - s.across * c.st;
        tp = s.sx * c.st + s.across * c.ct;
    } else {
        sw = std::sqrt(s.sx * s.sx + s.along * s.along + s.across * s.across);
    }
    g.a = L.a;
    g.l_w = L.l;
    g.l_eff = L.l;
    g.plate2.t = L.t_part;
    g.f_u_plate2 = Part_Strengths(*c.strengths, L.t_part).f_u;
    g.sigma_perp = sp;
    g.tau_perp = tp;
    g.tau_par = c.directional ? s.along : 0.0;
    g.sigma_w_Ed = sw;
    if (detailed) Detail_Lines(w, k, name.text, i, s, c.theta, c.directional, sp, tp, sw);
    const int ret = Check_Weld_Group(&g, detailed ? w->f : nullptr, detailed ? 2 : 0, 0, "");
    double U = g.U_max, computed = Weld_Group_Computed_U(&g);
    if (ret != 0 || !std::isfinite(U)) U = computed = -1.0;
    if (ret != 0) c.refused = true;
    Weaker_Part_Check b{};
    bool weaker_governs = false;
    if (c.full_penetration && U > -0.5) {
        b = Check_Weaker_Part(c, k, s);
        if (!std::isfinite(b.computed)) {
            // Beyond any real stress: no result rather than a number that is none.
            Weld_Invalid_Value_Line(w->f, "", "╠╬\\v,Ed╬r"_cp);
            U = computed = -1.0;
            c.refused = true;
        } else {
            weaker_governs = b.U > U || (b.U == U && b.computed > computed);
            if (detailed) Weaker_Part_Lines(c, b, weaker_governs);
            if (weaker_governs) U = b.U, computed = b.computed;
        }
    }
    if (w->report && w->level == 1) Print_Point_Line(w, k, name.text, i, first, computed);
    Raise(&r->U_position[k], nullptr, U, computed);
    if (!Raise(&r->U_w, &r->U_w_computed, U, computed)) return;
    Keep_Governing_Point(c, k, i, c.full_penetration ? &b : nullptr, weaker_governs);
}

// Whether point i of weld k is checked (in use, with a stress on the
// throat), and whether the detailed report shows its check: marked once
// per case after the point stresses, since the report asks it of every
// point several times. A fully penetrated line with points on the arcs of
// its piece has the same shear at all its points (but under the polar
// moment's torsion), its throat at 0 degrees: its check rises with the
// normal stress alone, and of its points only those of the largest
// |sigma_w,x| can govern. The others are checked all the same and stand in
// the stress table and the short report; the detailed report shows the
// checks that can govern.
void Mark_Checked_Points(WeldCheckWork* w) {
    const bool one_shear = Wc_Full_Penetration(w->r) && !w->polar;
    for (int k = 0; k < WELD_CHECK_WELDS; ++k) {
        double largest = 0.0;
        const bool line = w->line[k].dir != WC_NONE;
        for (int i = 0; i < WC_POINTS; ++i) {
            w->checked[k][i] = false;
            if (!line || w->pz[k][i] < 0.0) continue;
            const PointStress s = Throat_Stresses(w, k, i);
            w->checked[k][i] = Wc_Present(s.sx) || Wc_Present(s.along) || Wc_Present(s.across);
            if (w->checked[k][i]) largest = std::max(largest, std::fabs(s.sx));
        }
        const bool by_sigma = one_shear && w->line[k].n_arcs > 0;
        for (int i = 0; i < WC_POINTS; ++i)
            w->in_detail[k][i] = w->checked[k][i] && (!by_sigma || std::fabs(w->sx[k][i]) >= largest * (1.0 - 1e-9) - 1e-9);
    }
}

bool Point_Checked(const WeldCheckWork* w, int k, int i) { return w->checked[k][i]; }

// The rows of the report of point i of weld k: its line of the short
// report, or its detailed check (heading, the throat's stresses, their
// formulas and the weld group's lines: ten for the two conditions of the
// directional method, six for the force per length of the simplified one).
int Point_Report_Rows(const Point_Check_Run& c, int k, int i) {
    if (c.w->detailed) return 2 + (c.directional ? 3 + 10 : 1 + 6) + (c.full_penetration ? kWeakerPartRows : 0);
    return Point_Rows(c.w, k, i, kStressColumns, true);
}

// The rows of "Ergebnis" and the extreme stresses after it: headings, the
// governing point's line (two rows at most), "Max:" and the extremes (two
// rows at most), and with a fully penetrated butt weld the row that says
// which check governs.
int Result_Rows(const WeldCheckWork* w) { return (w->level == 1 ? 7 : 6) + (Wc_Full_Penetration(w->r) ? 1 : 0); }

// Whatever follows stands on one page with the room it takes: a weld's
// points together, a point's line with its utilisation, the last weld with
// "Ergebnis", so that a result is never cut off from the checks it sums up.
// Paragraph format and columns go on as they were.
void Keep_Rows(const WeldCheckWork* w, int rows, double extra_cm) { OLI_Keep_Space(w->f, rows * Wc_kRowCm + extra_cm); }

// The rows that follow the heading of the point checks at the least: the
// first weld's point lines, or the heading of the stress table and two of
// its rows.
int First_Rows(const Point_Check_Run& c) {
    const WeldCheckWork* w = c.w;
    if (w->detailed) return 3;
    for (int o = 0; o < w->n_order; ++o) {
        int rows = 0;
        for (int i = 0; i < WC_POINTS; ++i)
            if (Point_Checked(w, w->order[o], i)) rows += Point_Report_Rows(c, w->order[o], i);
        if (rows > 0) return rows;
    }
    return 1;
}

// Every point in use that carries a stress, weld by weld in the print order.
void Check_All_Points(Point_Check_Run& c) {
    WeldCheckWork* w = c.w;
    // The last weld with a checked point keeps "Ergebnis" on its page: a
    // report's concern only, not worth a pass over the points without one.
    int last_k = -1;
    for (int o = 0; w->report && o < w->n_order; ++o)
        for (int i = 0; i < WC_POINTS; ++i)
            if (Point_Checked(w, w->order[o], i)) last_k = w->order[o];
    bool kept_by_intro = true;  // the intro keeps the first weld's rows with it
    for (int o = 0; o < w->n_order; ++o) {
        const int k = w->order[o];
        const bool last = k == last_k;
        if (w->report && !w->detailed) {
            int rows = 0;
            for (int i = 0; i < WC_POINTS; ++i)
                if (Point_Checked(w, k, i)) rows += Point_Report_Rows(c, k, i);
            if (rows > 0 && (!kept_by_intro || last)) Keep_Rows(w, rows + (last ? Result_Rows(w) : 0));
            if (rows > 0) kept_by_intro = false;
        }
        bool first = true;
        for (int i = 0; i < WC_POINTS; ++i) {
            if (!Point_Checked(w, k, i)) continue;
            if (w->detailed && w->in_detail[k][i]) {
                bool more = false;
                for (int j = i + 1; j < WC_POINTS; ++j) more = more || w->in_detail[k][j];
                const bool result = last && !more;
                Keep_Rows(w, Point_Report_Rows(c, k, i) + (result ? Result_Rows(w) : 0), result ? 0.3 : 0.0);
            }
            Check_Point(c, k, i, first, Throat_Stresses(w, k, i));
            first = false;
        }
    }
}

// Whether the case carries a force or moment that no end point feels:
// every point out of use or without any stress. (A load too small for a
// point to be checked still gives its points a stress; one the welds take
// only where no point is in use gives them none.)
bool Unchecked_Load(const WeldCheckWork* w) {
    const bool loaded = Wc_Force_Present(w->N) || Wc_Force_Present(w->Vy) || Wc_Force_Present(w->Vz) ||
                        Wc_Moment_Present(w->My) || Wc_Moment_Present(w->Mz) || Wc_Moment_Present(w->Mx);
    if (!loaded) return false;
    const double kNoStress = 1e-6;  // N/mm², far below any printed digit, far above rounding noise
    for (int k = 0; k < WELD_CHECK_WELDS; ++k)
        for (int i = 0; i < WC_POINTS && w->line[k].dir != WC_NONE; ++i) {
            if (!Point_In_Use(w, k, i)) continue;
            const PointStress s = Throat_Stresses(w, k, i);
            if (std::fabs(s.sx) > kNoStress || std::fabs(s.along) > kNoStress || std::fabs(s.across) > kNoStress)
                return false;
        }
    return true;
}

// The result block: the governing point and its stresses against the
// design strengths (or the force per length against its resistance).
void Print_Point_Result(Point_Check_Run& c) {
    const WeldCheckWork* w = c.w;
    const SchweissnahtNachweis* r = w->r;
    FILE* f = w->f;
    const char* P = Check_Line_Prefix;
    const double* v = r->line_values;
    const Wc_Name name = Wc_Weld_Name(w, c.gov.k);
    if (w->level >= 1) {
        if (w->level == 2) OLI_Add_Para_Offset(0.3);
        OLI_printf(f, "%s╬HErgebnis:\n"_cp, P);
        if (w->level == 2) {
            OLI_Set_Para_Indent(c.indent + 0.3);
            Set_Table_Tabs(c.indent + 0.3, w->round);
            c.result_indented = true;
        }
        Line out(f);
        if (!w->round) {
            out.Add("%s%s, ", P, name.text);
            if (w->level == 1) out.Add_Text("╬t"_cp);
        } else {
            out.Add("%s", P);
        }
        out.Add("Pkt. %d: ", c.gov.i);
        if (!w->round) Put_In_Columns(out, Stress_Cells_Of(w, c.gov.k, c.gov.i), false, kStressColumns, 1);
        out.Add_Text("\n");
        out.Put();
        if (w->level == 2) OLI_End_Tabs();
    }
    Line out(f);
    out.Add("%sMax:  ╬t"_cp, P);
    const double s1 = v[WELD_CHECK_VALUE_SIGMA_1], f1 = v[WELD_CHECK_VALUE_F_1];
    const double s2 = v[WELD_CHECK_VALUE_SIGMA_2], f2 = v[WELD_CHECK_VALUE_F_2];
    const double F_Ed = Weld_kN_per_cm(v[WELD_CHECK_VALUE_F_W_ED]), F_Rd = Weld_kN_per_cm(v[WELD_CHECK_VALUE_F_W_RD]);
    const double sv = v[WELD_CHECK_VALUE_SIGMA_V], fyd = v[WELD_CHECK_VALUE_F_Y_D];
    if (r->governing_check == WELD_GOVERNS_WEAKER_PART) {
        const Compared_Pair p = Utilisation_Pair(sv, fyd, 2);
        out.Add("╠╬\\v,Ed╬r = %.*lf N/mm²  %s  f╬\\y╬r/└╬\\M0╬r = %.*lf N/mm²"_cp, p.value_places, p.value, p.sign, p.limit_places, p.limit);
    } else if (f1 > 0.001) {
        // The condition that gives U stands beside it (sigma_2,w against
        // f_2w,d where that ratio is the larger); the other one only where
        // it fails too, before it.
        const bool second = f2 > 0.001 && s2 * f1 > s1 * f2;
        auto pair = [&](int n, bool after) {
            const double s = n == 1 ? s1 : s2, fd = n == 1 ? f1 : f2;
            const Compared_Pair p = Utilisation_Pair(s, fd, 2);
            out.Add(after ? ",\n%s ╬t╠╬\\%d,w,Ed╬r = %.*lf N/mm²  %s  f╬\\%dw,d╬r = %.*lf N/mm²"_cp
                          : "%s╠╬\\%d,w,Ed╬r = %.*lf N/mm²  %s  f╬\\%dw,d╬r = %.*lf N/mm²"_cp,
                    after ? P : "", n, p.value_places, p.value, p.sign, n, p.limit_places, p.limit);
        };
        const int governing = second ? 2 : 1, other = second ? 1 : 2;
        const bool other_fails = other == 1 ? s1 > f1 : f2 > 0.001 && s2 > f2;
        if (other_fails) pair(other, false);
        pair(governing, other_fails);
    } else if (v[WELD_CHECK_VALUE_F_W_RD] > WELD_PER_LENGTH_ZERO) {
        const Compared_Pair p = Utilisation_Pair(F_Ed, F_Rd, 2);
        out.Add("F╬\\w,Ed╬r = %.*lf kN/cm  %s  F╬\\w,Rd╬r = %.*lf kN/cm"_cp, p.value_places, p.value, p.sign, p.limit_places, p.limit);
    }
    // A verdict's note goes on in a row of its own under the values: never
    // cut off inside its brackets where the row ends.
    const double U = Weld_Check_Computed_U(r);
    const Utilisation_Verdict_Parts verdict = Utilisation_Verdict_Computed_Parts(U);
    out.Add("  ê  U╬\\w╬r = %s%s\n"_cp, Utilisation_Digits(U), verdict.head);
    if (verdict.note[0]) out.Add("%s ╬t%s\n"_cp, P, verdict.note);
    // A fully penetrated butt weld says which of its two checks governs.
    if (r->weaker_part == WELD_PART_PLATE || r->weaker_part == WELD_PART_PROFILE) {
        if (r->governing_check == WELD_GOVERNS_WEAKER_PART)
            out.Add("%s ╬tmaßgebend: schwächeres verbundenes Bauteil (%s, t = %.1lf mm; EN 1993-1-8, 4.7.1)\n"_cp, P,
                    Part_Name(r->weaker_part), r->weaker_t);
        else
            out.Add("%s ╬tmaßgebend: Naht (EN 1993-1-8, 4.5.3)\n"_cp, P);
    }
    out.Put();
}

// The extreme normal and shear stresses over all points in use.
void Print_Extreme_Stresses(Point_Check_Run& c) {
    const WeldCheckWork* w = c.w;
    FILE* f = w->f;
    const char* P = Check_Line_Prefix;
    double smax = 0, smin = 0, tymax = 0, tzmax = 0;
    bool any = false;
    for (int k = 0; k < WELD_CHECK_WELDS; ++k)
        for (int i = 0; i < WC_POINTS && w->line[k].dir != WC_NONE; ++i) {
            if (!Point_In_Use(w, k, i)) continue;
            const double sx = w->sx[k][i];
            if (!any || sx > smax) smax = sx;
            if (!any || sx < smin) smin = sx;
            any = true;
            double Ty, Tz;
            Torsion_By_Axis(w, k, i, &Ty, &Tz);
            const double ty = std::fabs(w->ty[k][i] + Ty), tz = std::fabs(w->tz[k][i] + Tz);
            if (ty > tymax) tymax = ty;
            if (tz > tzmax) tzmax = tz;
        }
    if (!any) return;
    if (w->level == 1) {
        OLI_printf(f, "%s╬HExtremale Spannungen:\n"_cp, P);
        OLI_printf(f, "%s", P);
    } else {
        if (c.result_indented) OLI_Set_Para_Indent(c.indent);
        c.result_indented = false;
        OLI_printf(f, "%sExtremale Spannungen  ", P);
    }
    OLI_printf(f, "╠╬\\w,x,max╬r = %.1lf N/mm²  ╠╬\\w,x,min╬r = %.1lf N/mm²"_cp, Unsigned_Zero(smax, 1),
               Unsigned_Zero(smin, 1));
    if (w->round) {
        if (Wc_Force_Present(w->Vy) || Wc_Force_Present(w->Vz) || Wc_Present(w->tau_T))
            OLI_printf(f, "  Í╬\\w,t,max╬r = %.1lf N/mm²"_cp, tymax);
    } else {
        // Every shear the points carry: the polar moment's torsion has parts
        // in both axes, and a split with N and M gives the welds shear
        // stresses even without the shear force of their axis.
        if (Wc_Force_Present(w->Vy) || w->polar || Wc_Present(tymax))
            OLI_printf(f, "  Í╬\\w,y,max╬r = %.1lf N/mm²"_cp, tymax);
        if (Wc_Force_Present(w->Vz) || w->polar || Wc_Present(tzmax))
            OLI_printf(f, "  Í╬\\w,z,max╬r = %.1lf N/mm²"_cp, tzmax);
    }
    OLI_printf(f, "\n");
}

}  // namespace

int Wc_Point_Checks(WeldCheckWork* w) {
    SchweissnahtNachweis* r = w->r;
    Point_Check_Run c;
    c.w = w;
    c.indent0 = OLI_Get_Para_Indent();
    Point_Stresses(w);
    Mark_Checked_Points(w);
    Setup_Point_Group(c);
    if (Refuse_Missing_Strength(c) || Refuse_Gamma_M0(c)) {
        r->U_w = -1.0;
        Wc_No_Governing_Point(r);
        return 1;
    }
    if (w->report) Print_Point_Check_Intro(c);
    c.indent = OLI_Get_Para_Indent();
    if (w->detailed) Print_Point_Stress_Table(c);
    if (w->report && w->level == 1) Set_Point_Line_Tabs(c.indent);
    if (r->check_field > 0) Check_All_Points(c);
    if (r->check_field > 0 && !c.refused && Unchecked_Load(w)) {
        // A load no end point feels is a load no check has covered.
        if (w->f)
            OLI_printf(w->f, "%sKein Endpunkt der Nähte erhält eine Spannung  ê  Nachweis nicht möglich %s\n"_cp,
                       Check_Line_Prefix, Mark_Not_Ok());
        r->U_w = -1.0;
    }
    if (r->U_w < -0.5) Wc_No_Governing_Point(r);
    if (w->f && r->U_w > 0.001 && c.gov.k >= 0) Print_Point_Result(c);
    if (w->report) Print_Extreme_Stresses(c);
    if (c.result_indented) OLI_Set_Para_Indent(c.indent);
    if (w->report && w->level == 1) OLI_End_Tabs();
    if (w->report) OLI_Set_Para_Indent(c.indent0);
    return c.refused || r->U_w < -0.5 ? 1 : 0;
}

namespace {

// Whether the direction (v_y, v_z) out of an arc's centre meets the arc:
// it lies on the turning side of the arc's first end and short of its
// last (the arc turns less than half round).
bool On_Arc(const WeldCheckArc& a, double v_y, double v_z) {
    const double turn = a.u0_y * a.u1_z - a.u0_z * a.u1_y;
    return (a.u0_y * v_z - a.u0_z * v_y) * turn >= 0.0 && (v_y * a.u1_z - v_z * a.u1_y) * turn >= 0.0;
}

}  // namespace

void Wc_Place_Fibre_Points(WeldCheckWork* w) {
    if (w->line_mode || w->round) return;
    bool any = false;
    for (const WeldCheckLine& L : w->line) any = any || L.n_arcs > 0;
    if (!any) return;
    double s_N = 0.0, g_z = 0.0, g_y = 0.0;
    bool convex = false;
    for (int k = 0; k < WELD_CHECK_WELDS; ++k)
        for (int j = 0; j < w->line[k].n_arcs; ++j) convex = convex || !w->arc[k][j].fillet;
    if (convex) Wc_Normal_Stress_Field(w, &s_N, &g_z, &g_y);
    const double z0 = w->z_s + w->dz_w, y0 = w->dy_w;
    auto sigma = [&](double y, double z) { return s_N + g_z * (z - z0) + g_y * (y - y0); };
    // On a convex arc the plane rises most where the arc's direction is the
    // gradient's and falls most against it; elsewhere at an end.
    const double g = std::hypot(g_y, g_z);
    const double e_y = g > 0.0 ? g_y / g : 0.0, e_z = g > 0.0 ? g_z / g : 0.0;
    const double h = w->r->profile.h;
    for (int k = 0; k < WELD_CHECK_WELDS; ++k) {
        const WeldCheckLine& L = w->line[k];
        if (L.n_arcs <= 0 || (L.dir != WC_ALONG_Y && L.dir != WC_ALONG_Z) || w->pz[k][0] < 0.0 || w->pz[k][1] < 0.0)
            continue;
        // A root fillet's end on the flange face stands where it stands in
        // every case, so that the connection's picture stays one.
        int next = 2;
        bool convex = false;
        for (int j = 0; j < L.n_arcs; ++j) {
            const WeldCheckArc& a = w->arc[k][j];
            convex = convex || !a.fillet;
            if (!a.fillet) continue;
            w->py[k][next] = a.y + a.r * a.u0_y;
            w->pz[k][next++] = std::clamp(a.z + a.r * a.u0_z, 0.0, h);
        }
        if (!convex) continue;
        double hi = -HUGE_VAL, lo = HUGE_VAL;
        for (int i = 0; i < next; ++i) {
            const double s = sigma(w->py[k][i], w->pz[k][i]);
            hi = std::max(hi, s), lo = std::min(lo, s);
        }
        const double hi_points = hi, lo_points = lo;
        double hi_y = 0, hi_z = 0, lo_y = 0, lo_z = 0;
        auto take = [&](double y, double z) {
            const double s = sigma(y, z);
            if (s > hi) hi = s, hi_y = y, hi_z = z;
            if (s < lo) lo = s, lo_y = y, lo_z = z;
        };
        for (int j = 0; j < L.n_arcs; ++j) {
            const WeldCheckArc& a = w->arc[k][j];
            if (a.fillet) continue;
            take(a.y + a.r * a.u0_y, a.z + a.r * a.u0_z);
            take(a.y + a.r * a.u1_y, a.z + a.r * a.u1_z);
            if (g > 0.0 && On_Arc(a, e_y, e_z)) take(a.y + a.r * e_y, a.z + a.r * e_z);
            if (g > 0.0 && On_Arc(a, -e_y, -e_z)) take(a.y - a.r * e_y, a.z - a.r * e_z);
        }
        // A point only where it adds a stress beyond the line's points' (an
        // arc that ends where the line does adds none).
        const double tol = 1e-9 * std::max(std::fabs(hi_points), std::fabs(lo_points)) + 1e-9;
        if (hi > hi_points + tol) w->py[k][next] = hi_y, w->pz[k][next++] = std::clamp(hi_z, 0.0, h);
        if (lo < lo_points - tol) w->py[k][next] = lo_y, w->pz[k][next++] = std::clamp(lo_z, 0.0, h);
    }
}

namespace {

// The squares and magnitudes a point's throat check rises with: |sigma_w,x|;
// the directional method's equivalent stress (squared) and |sigma_perp|, or
// the simplified method's resultant (squared).
struct Throat_Measures {
    double m[3];
};
Throat_Measures Measures_Of(const WeldCheckWork* w, int k, int i) {
    const PointStress s = Throat_Stresses(w, k, i);
    if (w->r->method == 0) return {{std::fabs(s.sx), s.sx * s.sx + s.along * s.along + s.across * s.across, 0.0}};
    const double theta = Throat_Angle(w->r), ct = std::cos(theta), st = std::sin(theta);
    const double sp = s.sx * ct - s.across * st, tp = s.sx * st + s.across * ct;
    return {{std::fabs(s.sx), sp * sp + 3.0 * (tp * tp + s.along * s.along), std::fabs(sp)}};
}

}  // namespace

void Wc_Place_Root_Points(WeldCheckWork* w) {
    const SchweissnahtNachweis* r = w->r;
    if (w->round || r->weld_kind != WELD_BUTT || Wc_Full_Penetration(r)) return;
    for (int k = 0; k < WELD_CHECK_WELDS; ++k) {
        const WeldCheckLine& L = w->line[k];
        if (L.dir != WC_ALONG_Y && L.dir != WC_ALONG_Z) continue;
        for (int i = 0; i < 2; ++i) {
            const int j = WC_ROOT_POINT + i;
            w->pz[k][j] = -1.0;
            if (w->pz[k][i] < 0.0) continue;
            // The root lies a throat inside the face, along its normal into
            // the part; within the profile's height, as every point does.
            w->py[k][j] = w->py[k][i] + L.a * w->n_y[k];
            w->pz[k][j] = std::clamp(w->pz[k][i] + L.a * w->n_z[k], 0.0, r->profile.h);
            Stresses_At(w, k, i);
            Stresses_At(w, k, j);
            const Throat_Measures face = Measures_Of(w, k, i), root = Measures_Of(w, k, j);
            bool more = false;
            for (int m = 0; m < 3; ++m) more = more || root.m[m] > face.m[m] * (1.0 + 1e-9) + 1e-12;
            if (!more) w->pz[k][j] = -1.0;
        }
    }
}

int Wc_Ring_Governing_Point(const WeldCheckWork* w, bool part, double* y, double* zp) {
    const SchweissnahtNachweis* r = w->r;
    const WeldCheckLine& L = w->line[0];
    const double R = r->profile.h / 2.0;
    if (!w->round || L.dir != WC_RING || R <= 0.001) return 0;
    // The weaker part's (sigma_w,x² + 3 tau²)^1/2 is the directional
    // method's equivalent stress at 0°.
    const double theta = part ? 0.0 : Throat_Angle(r), ct = std::cos(theta), st = std::sin(theta);
    const bool directional = part || r->method != 0;
    auto at = [&](double phi) {
        return Ring_Equivalent_Stress(w, R * std::cos(phi), w->z_s + R * std::sin(phi), ct, st, directional);
    };
    // Normal and shear stress vary around the ring as sine waves, so the
    // square of the equivalent stress is a trigonometric polynomial of the
    // second degree (in two pieces where contact eases the compression, with
    // a smooth join): at most two maxima, far apart unless the curve is
    // flat. A scan in half degrees brackets the largest one, a golden-section
    // search finds it within it.
    const int steps = 720;
    const double step = 2.0 * M_PI / steps;
    double best_phi = 0.0, best = at(0.0);
    for (int j = 1; j < steps; ++j) {
        const double v = at(j * step);
        if (v > best) best = v, best_phi = j * step;
    }
    const double g = 0.6180339887498949;
    double lo = best_phi - step, hi = best_phi + step;
    double x1 = hi - g * (hi - lo), x2 = lo + g * (hi - lo), f1 = at(x1), f2 = at(x2);
    for (int it = 0; it < 60; ++it) {
        if (f1 < f2) {
            lo = x1, x1 = x2, f1 = f2, x2 = lo + g * (hi - lo), f2 = at(x2);
        } else {
            hi = x2, x2 = x1, f2 = f1, x1 = hi - g * (hi - lo), f1 = at(x1);
        }
    }
    const double phi = f1 > f2 ? x1 : x2;
    if (std::max(f1, f2) > best) best_phi = phi, best = std::max(f1, f2);
    // Only a point that weighs more than the points already on the ring
    // (the extremes of bending and shear, the weld's governing point) is
    // worth a point of its own. (The second condition of the directional
    // method, on sigma_perp alone, is largest where the bending is, at
    // points 0 and 1.)
    double known = 0.0;
    for (int i = 0; i < WC_POINTS; ++i)
        if (w->pz[0][i] >= 0.0)
            known = std::max(known, Ring_Equivalent_Stress(w, w->py[0][i], w->pz[0][i], ct, st, directional));
    if (!(best > known * (1.0 + 1e-9) + 1e-9)) return 0;
    *y = R * std::cos(best_phi);
    *zp = std::clamp(w->z_s + R * std::sin(best_phi), 0.0, r->profile.h);
    return 1;
}
