// The sloped flanges of a catalogue profile as the pictures draw them.
#include "drawings/sloped_flanges.h"

#include <cmath>

#include "base/kept_by_inputs.h"
#include "memberchecks/plastic_axis.h"
#include "profiles/catalogue_outline.h"
#include "profiles/stahlprofil.h"

namespace {

// The family letter of the outline that draws p's flanges, 0 for none.
char Letter_Of(const Stahlprofil& p) {
    if (Is_Profile_Type_Family(PROFILTYP_I, p.type)) return 'D';
    if (p.type == PROFILTYP_T || p.type == PROFILTYP_HALB_I) return 'T';
    if (p.type == PROFILTYP_C || p.type == PROFILTYP_U) return 'U';
    return 0;
}

bool Faces_Of(const Stahlprofil& p, Rolled_Flange_Faces* f) {
    Catalogue_Outline o;
    const char letter = Letter_Of(p);
    if (!letter || p.kind != STAHLPROFIL_KIND_CATALOGUE || !Profile_Rolled_Outline(&p, &o) || o.letter != letter)
        return false;
    // The record's own dimensions (the catalogue keeps floats): a profile
    // drawn with others keeps the plates' faces.
    auto same = [](double a, double b) { return std::fabs(a - b) <= 0.01; };
    const bool equal_flanges = letter != 'D' || (same(p.b_fu, p.b_fo) && same(p.t_fu, p.t_fo));
    if (!equal_flanges || !same(o.h, p.h) || !same(o.b, p.b_fo) || !same(o.t_w, p.t_w) || !same(o.t_f, p.t_fo))
        return false;
    return Outline_Flange_Faces(&o, f) && f->slope > 0.0;
}

}  // namespace

int Profile_Sloped_Flange_Faces(const Stahlprofil* p, Rolled_Flange_Faces* f) {
    if (!p || !f) return 0;
    struct Faces {
        bool sloped;
        Rolled_Flange_Faces f;
    };
    static Kept_By_Inputs<Faces> kept;
    bool fresh = false;
    Faces& faces = kept.At(0, &fresh, *p);
    if (fresh) faces.sloped = Faces_Of(*p, &faces.f);
    if (faces.sloped) *f = faces.f;
    return faces.sloped ? 1 : 0;
}

void Sloped_Flange_Picture_Points(const Rolled_Flange_Faces* f, double* x, double* z) {
    for (int k = 0; k < 5; k++) {
        Flange_Rounding_Point(f, 1, k / 4.0, &x[k], &z[k]);
        Flange_Rounding_Point(f, 0, k / 4.0, &x[5 + k], &z[5 + k]);
    }
}
