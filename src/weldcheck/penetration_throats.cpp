// Partial-penetration throats as the rolled profile holds them: the real
// faces of a rolled flange (its inner face sloped, its toe and root
// rounded), and the shares of the throats laid behind the faces, each
// counted once and within the profile's outline.
#include <algorithm>
#include <cmath>
#include <vector>

#include "base/kept_by_inputs.h"
#include "memberchecks/plastic_axis.h"
#include "profiles/catalogue_outline.h"
#include "profiles/rolled_flange_faces.h"
#include "weldcheck/throat_union.h"
#include "weldcheck/weld_check_internal.h"

namespace {

// The outline's family letter for the profile's type, 0 for none.
char Letter_Of(const Stahlprofil& p) {
    if (Is_Profile_Type_In(PROFILTYP_MASK_I, p.type)) return 'D';
    switch (p.type) {
    case PROFILTYP_T: case PROFILTYP_HALB_I: return 'T';
    case PROFILTYP_C: case PROFILTYP_U: return 'U';
    case PROFILTYP_L: return 'L';
    case PROFILTYP_Z: return 'Z';
    case PROFILTYP_RECHTECK: return 'R';
    default: return 0;
    }
}

// The rolled outline of the profile (mm) where its record gives one of its
// own family and dimensions (within 0.01 mm: the catalogue keeps floats): a
// catalogue profile's from its record, a shape typed in as rolled with its
// root and toe radii (a tube's outer and inner corner). A double-T with
// unequal flanges has none.
bool Rolled_Outline(const Stahlprofil& p, Catalogue_Outline* o) {
    const char letter = Letter_Of(p);
    if (!letter || !p.rolled || !Profile_Rolled_Outline(&p, o) || o->letter != letter) return false;
    if (p.kind != STAHLPROFIL_KIND_CATALOGUE && letter != 'R') o->r_2 = std::max(p.r_2, 0.0);
    auto same = [](double a, double b) { return std::fabs(a - b) <= 0.01; };
    const bool equal_flanges = letter != 'D' || (same(p.b_fu, p.b_fo) && same(p.t_fu, p.t_fo));
    return equal_flanges && same(o->h, p.h) && same(o->b, p.b_fo) && same(o->t_w, p.t_w) && same(o->t_f, p.t_fo);
}

// The rings of the outline in the check's frame: the catalogue draws the
// profile upright, y to the right from its web's axis (double-T, tee) or
// its back (the others), z up from its lower face; the check's frame has y
// to the left and z down, both from the profile's centroid, e_ref and z_s
// from its left and upper edge. Empty where the outline gives none.
struct Frame_Rings {
    std::vector<std::vector<double>> y, z;
};
Frame_Rings Outline_In_Frame(const Catalogue_Outline& o, double e_ref, double z_s) {
    std::vector<Outline_Ring> rings;
    Frame_Rings frame;
    if (!Catalogue_Outline_Polygons(&o, 32, &rings)) return frame;
    const double shift = o.letter == 'D' || o.letter == 'T' ? o.b / 2.0 : 0.0;
    for (const Outline_Ring& ring : rings) {
        frame.y.emplace_back(), frame.z.emplace_back();
        for (const Outline_Point& q : ring) {
            frame.y.back().push_back(e_ref - (q.y + shift));
            frame.z.back().push_back(o.h - q.z - z_s);
        }
    }
    return frame;
}

// The throat of line k: the band of its depth behind the face between its
// ends, on the side of the part.
Throat_Polygon Throat_Of(const WeldCheckWork* w, int k) {
    const WeldCheckLine& L = w->line[k];
    return Throat_Behind(w->py[k][0], w->pz[k][0] - w->z_s, w->py[k][1], w->pz[k][1] - w->z_s, w->n_y[k], w->n_z[k], L.a);
}

// The shares of the throats, in the order given, and what cut them.
struct Shares {
    Throat_Sums s[WELD_CHECK_WELDS];
    bool corners_once, within_outline;
};

Shares Shares_Of(const Throat_Polygon* throats, int n, const Stahlprofil& p, double e_ref, double z_s) {
    Shares out{};
    Throat_Sums free_of[WELD_CHECK_WELDS];
    Throat_Shares(throats, n, nullptr, 0, free_of);
    double own = 0.0, apart = 0.0, within = 0.0;
    for (int i = 0; i < n; ++i) {
        const Throat_Polygon& t = throats[i];
        own += std::fabs((t.y[1] - t.y[0]) * (t.z[3] - t.z[0]) - (t.z[1] - t.z[0]) * (t.y[3] - t.y[0]));
        apart += free_of[i].A;
        out.s[i] = free_of[i];
    }
    const double kSame = 1e-9;
    out.corners_once = apart < own * (1.0 - kSame);
    Catalogue_Outline o;
    if (!Rolled_Outline(p, &o)) return out;
    const Frame_Rings frame = Outline_In_Frame(o, e_ref, z_s);
    if (frame.y.empty()) return out;
    std::vector<Throat_Ring> rings;
    for (size_t r = 0; r < frame.y.size(); ++r)
        rings.push_back({frame.y[r].data(), frame.z[r].data(), static_cast<int>(frame.y[r].size())});
    Throat_Sums held[WELD_CHECK_WELDS];
    Throat_Shares(throats, n, rings.data(), static_cast<int>(rings.size()), held);
    for (int i = 0; i < n; ++i) within += held[i].A;
    out.within_outline = within < apart * (1.0 - kSame);
    if (out.within_outline)
        for (int i = 0; i < n; ++i) out.s[i] = held[i];
    return out;
}

// Line L takes the share s of its throat: area, centroid, second moments
// about it, shear area along its direction.
void Take_Share(WeldCheckLine& L, const Throat_Sums& s) {
    L.A = s.A;
    L.A_vy = L.dir == WC_ALONG_Y ? s.A : 0.0;
    L.A_vz = L.dir == WC_ALONG_Z ? s.A : 0.0;
    if (!(s.A > 0.0)) {
        L.A = L.A_vy = L.A_vz = L.I_y = L.I_z = L.I_yz = 0.0;
        return;
    }
    L.y_c = s.S_y / s.A;
    L.z_c = s.S_z / s.A;
    L.I_z = s.I_yy - s.A * L.y_c * L.y_c;
    L.I_y = s.I_zz - s.A * L.z_c * L.z_c;
    L.I_yz = s.I_yz - s.A * L.y_c * L.z_c;
}

// Wc_Rolled_Flange_Faces of a profile as it is worked out.
bool Flange_Faces_Of(const Stahlprofil& p, Wc_Flange_Faces* f) {
    Catalogue_Outline o;
    return p.kind == STAHLPROFIL_KIND_CATALOGUE && Rolled_Outline(p, &o) && Outline_Flange_Faces(&o, f);
}

}  // namespace

bool Wc_Rolled_Flange_Faces(const Stahlprofil& p, Wc_Flange_Faces* f) {
    if (!f) return false;
    // The profile's alone: kept from case to case under its record.
    struct Faces {
        bool made;
        Wc_Flange_Faces f;
    };
    static Kept_By_Inputs<Faces> kept;
    bool fresh = false;
    Faces& faces = kept.At(0, &fresh, p);
    if (fresh) faces.made = Flange_Faces_Of(p, &faces.f);
    if (faces.made) *f = faces.f;
    return faces.made;
}

void Wc_Partial_Penetration_Throats(WeldCheckWork* w) {
    // The welds along y first: a corner is theirs.
    int order[WELD_CHECK_WELDS], n = 0;
    for (int dir : {WC_ALONG_Y, WC_ALONG_Z})
        for (int k = 0; k < WELD_CHECK_WELDS; ++k)
            if (w->line[k].dir == dir && w->line[k].a > 0.0 && w->line[k].l > 0.0) order[n++] = k;
    Throat_Polygon throats[WELD_CHECK_WELDS];
    for (int i = 0; i < n; ++i) throats[i] = Throat_Of(w, order[i]);
    static Kept_By_Inputs<Shares> kept;
    bool fresh = false;
    const Stahlprofil& p = w->r->profile;
    Shares& shares = kept.At(0, &fresh, p, w->e_ref, w->z_s, Inputs_Of(throats, static_cast<size_t>(n)));
    if (fresh) shares = Shares_Of(throats, n, p, w->e_ref, w->z_s);
    w->corners_once = shares.corners_once;
    w->within_outline = shares.within_outline;
    for (int i = 0; i < n; ++i) {
        WeldCheckLine& L = w->line[order[i]];
        const Throat_Sums& s = shares.s[i];
        // A throat that keeps its whole band keeps its line's values as laid.
        const bool whole = std::fabs(s.A - L.A) <= 1e-9 * L.A && std::fabs(s.S_y - L.A * L.y_c) <= 1e-9 * L.A * (1.0 + std::fabs(L.y_c)) &&
                           std::fabs(s.S_z - L.A * L.z_c) <= 1e-9 * L.A * (1.0 + std::fabs(L.z_c));
        if (!whole) Take_Share(L, s);
    }
}
