// section_update: placement, flags and update of a section.
#include "section/section_update.h"

#include <cmath>
#include <cstring>

#include "base/invariant.h"
#include "section/section_invariants.h"
#include "section/strain_plane.h"
#include "section/stress_strain.h"

void* Get_Querschnitt_Userdata(Querschnitt* section) {
    if (!section || section->user_size <= 0) return nullptr;
    return section + 1;
}

int Invert_Querschnitt_Lage(const double* in, double* out, int option) {
    if (!in || !out) return 0;
    const double y0 = in[0], z0 = in[1], a = in[2];
    out[0] = y0;
    out[1] = z0;
    out[2] = a;
    if (option & 1) {
        if (y0 != 0 || z0 != 0) {
            out[0] = -(y0 * std::cos(a) + z0 * std::sin(a));
            out[1] = y0 * std::sin(a) - z0 * std::cos(a);
        }
        out[2] = -a;
    }
    return 1;
}

int Set_Querschnitt_Lage(Querschnitt* section, double y0, double z0, double angle, int option) {
    WELD_CHECK_AT_EXIT(Check_Querschnitt_Invariants(section));
    if (!section) return 0;
    const double in[3] = {y0, z0, angle};
    return Invert_Querschnitt_Lage(in, section->lage, option);
}

int Set_Querschnitt_Lage_Vektor(Querschnitt* section, const double* placement, int option) {
    WELD_CHECK_AT_EXIT(Check_Querschnitt_Invariants(section));
    if (!section || !placement) return 0;
    const double in[3] = {placement[0], placement[1], placement[2]};
    return Invert_Querschnitt_Lage(in, section->lage, option);
}

int Set_Querschnitt_Kurvenoptionen(Querschnitt* section, const Querschnitt_Kurvenoptionen* options) {
    WELD_CHECK_AT_EXIT(Check_Querschnitt_Invariants(section));
    if (!section) return 0;
    const Querschnitt_Kurvenoptionen o = options ? *options : Querschnitt_Kurvenoptionen{0, 0};
    if (o.optionen != section->kurvenoptionen.optionen || o.wert != section->kurvenoptionen.wert)
        section->flags &= ~static_cast<unsigned>(QS_KURVEN_OK);
    section->kurvenoptionen = o;
    return 1;
}

int Get_Querschnitt_Kurvenoptionen(const Querschnitt* section, Querschnitt_Kurvenoptionen* out) {
    if (!section || !out) return 0;
    *out = section->kurvenoptionen;
    return 1;
}

int Set_Querschnitt_Grenzmodus(Querschnitt* section, int on) {
    WELD_CHECK_AT_EXIT(Check_Querschnitt_Invariants(section));
    if (!section) return 0;
    const int before = (section->flags & QS_GRENZMODUS) ? 1 : 0;
    if (on)
        section->flags |= QS_GRENZMODUS;
    else
        section->flags &= ~static_cast<unsigned>(QS_GRENZMODUS);
    section->flags &= ~static_cast<unsigned>(QS_HUELLE_OK);
    return before;
}

void Invalidate_Querschnitt(Querschnitt* section, unsigned int mask) {
    WELD_CHECK_AT_EXIT(Check_Querschnitt_Invariants(section));
    if (section) section->flags &= ~(mask & QS_INVALIDIERBAR);
}

int Transform_Querschnittsknoten(Querschnitt* section) {
    WELD_CHECK_AT_EXIT(Check_Querschnitt_Invariants(section));
    if (!section) return 0;
    const double y0 = section->lage[0], z0 = section->lage[1];
    const double c = std::cos(section->lage[2]), s = std::sin(section->lage[2]);
    for (int i = 0; i < Get_Querschnittsknoten_Count(section); ++i) {
        Querschnittsknoten* n = Get_Querschnittsknoten(section, i);
        if (!n) continue;
        n->yt = c * (n->y - y0) + s * (n->z - z0);
        n->zt = c * (n->z - z0) - s * (n->y - y0);
    }
    std::memcpy(section->lage_berechnet, section->lage, sizeof section->lage);
    section->flags |= QS_KNOTEN_OK;
    return 1;
}

int Calc_Querschnitt_Dehnungsgrenzen(Querschnitt* section) {
    WELD_CHECK_AT_EXIT(Check_Querschnitt_Invariants(section));
    if (!section) return 0;
    bool have[2] = {false, false};
    double g[4] = {0, 0, 0, 0};
    for (int i = 0; i < Get_Spannungsdehnungslinien_Count(section); ++i) {
        const Spannungsdehnungslinie* c = Get_Spannungsdehnungslinie(section, i);
        double lower, upper;
        const int cls = Get_Spannungsdehnungslinie_Grenzen(c, &lower, &upper);
        if (!cls) continue;
        const int k = cls == 1 ? 0 : 1;
        const double top = k == 0 ? c->p.epsD : std::fabs(c->p.epsu);
        if (!have[k] || lower < g[2 * k]) g[2 * k] = lower;
        if (!have[k] || top > g[2 * k + 1]) g[2 * k + 1] = top;
        have[k] = true;
    }
    if (have[0] && !have[1]) { g[2] = g[0]; g[3] = g[1]; }
    if (have[1] && !have[0]) { g[0] = g[2]; g[1] = g[3]; }
    std::memcpy(section->grenzen, g, sizeof g);
    section->arbeit0 = 0;
    for (double& w : section->arbeit) w = 0;
    section->flags |= QS_GRENZEN_OK;
    return 1;
}

int Prepare_Querschnitt_Kurven(Querschnitt* section) {
    WELD_CHECK_AT_EXIT(Check_Querschnitt_Invariants(section));
    if (!section) return 0;
    section->flags &= ~static_cast<unsigned>(QS_VORDEHNUNG);
    int ok = 1;
    for (int i = 0; i < Get_Spannungsdehnungslinien_Count(section); ++i) {
        Spannungsdehnungslinie* c = Get_Spannungsdehnungslinie(section, i);
        if (!c || !Prepare_Spannungsdehnungslinie(c, &section->kurvenoptionen)) {
            ok = 0;
            continue;
        }
        if (c->vordehnung[1] != 0 || c->vordehnung[2] != 0) section->flags |= QS_VORDEHNUNG;
    }
    // A curve that could not be prepared keeps the section's curves stale,
    // so that every update (and every result built on one) reports it.
    if (ok) section->flags |= QS_KURVEN_OK;
    return ok;
}

int Prepare_Querschnitt_Kurven_Teil(Querschnitt* section, int mode) {
    WELD_CHECK_AT_EXIT(Check_Querschnitt_Invariants(section));
    if (!section) return 0;
    Prepare_Querschnitt_Kurven(section);
    const Spannungsdehnungslinie_Segment empty = {0, 0, 0, 0, 0, 0, 1.0, 0, -1};
    for (int i = 0; i < Get_Spannungsdehnungslinien_Count(section); ++i) {
        Spannungsdehnungslinie* c = Get_Spannungsdehnungslinie(section, i);
        if (!c) continue;
        const int n = c->segment_count < SDL_SEGMENTE ? c->segment_count : SDL_SEGMENTE;
        if (mode == 1)
            for (int k = 0; k < n && !(c->seg[k].end > 0); ++k) c->seg[k] = empty;
        else if (mode == 2)
            for (int k = n - 1; k >= 0 && c->seg[k].end > 0; --k) c->seg[k] = empty;
    }
    return 1;
}

int Check_Querschnitt_Felder(Querschnitt* section) {
    WELD_CHECK_AT_EXIT(Check_Querschnitt_Invariants(section));
    if (!section) return 0;
    section->flags &= ~static_cast<unsigned>(QS_FELDER_AKTIV);
    const unsigned saved = Get_Querschnitt_Modus();
    Set_Querschnitt_Modus(QS_MODUS_FELDER);
    for (int i = 0; i < Get_Querschnittsgruppen_Count(section); ++i) {
        const Querschnittsgruppe* g = Get_Querschnittsgruppe(section, i);
        if (g && Is_Gruppe_Feld_Aktiv(&g->feld)) {
            section->flags |= QS_FELDER_AKTIV;
            break;
        }
    }
    Set_Querschnitt_Modus(saved);
    section->flags |= QS_FELDER_GEPRUEFT;
    return 1;
}

int Update_Querschnitt(Querschnitt* section, unsigned int mask) {
    WELD_CHECK_AT_EXIT(Check_Querschnitt_Invariants(section));
    if (!section) return 0;
    if (mask) section->flags &= ~(mask & QS_INVALIDIERBAR);
    int ok = 1;
    if (!(section->flags & QS_KNOTEN_OK) ||
        std::memcmp(section->lage, section->lage_berechnet, sizeof section->lage) != 0)
        ok &= Transform_Querschnittsknoten(section);
    if (!(section->flags & QS_GRENZEN_OK)) ok &= Calc_Querschnitt_Dehnungsgrenzen(section);
    if (!(section->flags & QS_KURVEN_OK)) {
        section->flags &= ~static_cast<unsigned>(QS_HUELLE_OK);
        ok &= Prepare_Querschnitt_Kurven(section);
    }
    if (!(section->flags & QS_FELDER_GEPRUEFT)) Check_Querschnitt_Felder(section);
    return ok;
}

Querschnittsgruppe_Einstellung* Get_Gruppe_Einstellung(Querschnittsgruppe_Einstellung* out,
                                                      const Querschnittsgruppe* group) {
    if (!out) return out;
    *out = group ? group->einstellung : Querschnittsgruppe_Einstellung{0, 1.0};
    return out;
}

Querschnittsgruppe_Einstellung* Swap_Gruppe_Einstellung(Querschnittsgruppe_Einstellung* out,
                                                       Querschnittsgruppe* group,
                                                       const Querschnittsgruppe_Einstellung* new_setting) {
    Get_Gruppe_Einstellung(out, group);
    if (group && new_setting) group->einstellung = *new_setting;
    return out;
}

int Set_Querschnittsgruppe_Parameter(Querschnittsgruppe* group, const Querschnittsgruppe_Feld* field) {
    if (!group) return 0;
    if (Is_Gruppe_Feld_Aktiv(field))
        group->feld = *field;
    else
        group->feld = {};
    return 1;
}
