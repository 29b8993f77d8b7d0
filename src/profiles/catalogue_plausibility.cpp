// catalogue_plausibility: the judgement of a catalogue record, and the
// value named when it does not agree.
//
// A record's quantities are held to the outline of its dimensions
// (catalogue_outline.h) within the tolerances of its series
// (catalogue_bands.h), its dimensions to their ties and to what its
// designation states (catalogue_ties.h). A record that does not agree is
// named by the one value that, set to what the others give, makes it
// agree.
#include "profiles/catalogue_plausibility.h"

#include <algorithm>
#include <cmath>
#include <cstring>
#include <iterator>
#include <vector>

#include "profiles/catalogue_bands.h"
#include "profiles/catalogue_ties.h"

using namespace catalogue;

namespace {

// What a record's quantity is to be: [lo, hi], and how far beyond it a
// value may lie.
struct Expected {
    Quantity q;
    double lo, hi;
    Share share;
};

// Residual of a quantity against its expected range; *nearest the value it
// is to have.
double Quantity_Residual(const Expected& e, double stored, const Record& r, double thin, double angle,
                         double* nearest) {
    const Layout& at = *r.at;
    *nearest = std::isfinite(stored) ? std::clamp(stored, e.lo, e.hi) : e.lo;
    // Plastic moduli and warping constants are taken only when above 0: a
    // record may leave them to the section model. A torsion constant not
    // above 0 is none a section has.
    const bool optional = e.q == Q_W_PL_Y || e.q == Q_W_PL_1 || e.q == Q_W_PL_Z || e.q == Q_W_PL_2 || e.q == Q_I_W;
    if (optional && (stored == 0 || (e.q == Q_I_W && at.negative_is_none && stored < 0))) return 0;
    if (!std::isfinite(stored)) return BROKEN;
    if (e.q == Q_I_T && !(stored > 0)) return BROKEN;
    if (e.q == Q_TAN) {
        // A zed's record may draw it either way round: its angle by size.
        const double s = r.letter == 'Z' ? std::fabs(stored) : stored, x = r.letter == 'Z' ? std::fabs(e.lo) : e.lo;
        *nearest = e.lo;
        return std::fabs(std::atan(s) - std::atan(x)) / angle;
    }
    if (e.hi <= 0) {
        *nearest = 0;
        return stored >= 0 && stored <= 1e-9 * std::max(1.0, std::fabs(stored)) ? 0 : BROKEN;
    }
    const double share = stored < *nearest ? e.share.below : e.share.above;
    double residual = std::fabs(stored - *nearest) / (share * std::fabs(*nearest));
    if (e.q == Q_I_T && thin > 0) {
        const double from_thin = std::fabs(stored / thin - 1) / THIN_TORSION_TOLERANCE;
        if (from_thin < residual) residual = from_thin, *nearest = thin;
    }
    return residual;
}

// A record judged: every value's residual and what the others give for it.
struct Fit {
    bool judged = false;   // false: the family has no outline here
    std::array<double, MAX_VALUES> residual{};
    std::array<double, MAX_VALUES> expected{};
    // What a broken tie among the values gives for a value (not a number
    // where none is broken): a repair beside the band's nearest value.
    std::array<double, MAX_VALUES> tied_expected = [] {
        std::array<double, MAX_VALUES> none;
        none.fill(NAN);
        return none;
    }();
    double misfit = 0;     // the sum of the squared residuals
    bool agrees = false;
    char stated_letter = 0;  // the family letter of the designation, where it is not the record's
    double slope = 0;        // the slope of the flanges the record was read with
};

// One outline's fit of the record's quantities under the tolerances of a
// series, the ties already in f.
void Fit_Quantities(const Record& r, const Catalogue_Outline& o, const Catalogue_Section& v, Series series, Fit* f) {
    const Tolerances& t = Tolerances_Of(r.letter, series);
    const Band torsion = o.slope > 0 ? t.torsion_sloped : t.torsion;
    const Share margin{MARGIN, MARGIN};
    // The plates' thin-walled sum at their nominal thickness, for the series
    // whose tables follow it.
    const int flanges = o.letter == 'T' ? 1 : 2;
    const double plates = (flanges * o.b * o.t_f * o.t_f * o.t_f + (o.h - flanges * o.t_f) * o.t_w * o.t_w * o.t_w) / 3;
    const double it_lo = t.torsion_of_plates ? plates : v.I_t[0], it_hi = t.torsion_of_plates ? plates : v.I_t[1];
    // A name of no series states no web or flanges: the area holds them, to
    // the series' own spread (Own_Name_Area) and the stored area's rounding.
    // The tables give the area to 0.1 cm^2 or finer: a stored 23 is 23.0,
    // rounded by 0.2 %, not 2 %.
    Share area = t.area;
    if (r.series == SERIES_ANY) {
        const Share own = Own_Name_Area(r.letter, series);
        const double A = r.x[r.at->quantity[Q_A]];
        const double rounding = std::min(Stated_Rounding(A), 0.05 / std::fabs(A));
        area = {std::min(area.below, own.below + rounding), std::min(area.above, own.above + rounding)};
    }
    const Expected expected[Q_COUNT] = {
        {Q_A, v.A, v.A, area},
        {Q_E_Z, v.e_z, v.e_z, t.centroid},
        {Q_E_Y, v.e_y, v.e_y, t.centroid},
        {Q_TAN, v.tan_alpha, v.tan_alpha, {}},
        {Q_I_Y, v.I_y, v.I_y, t.second},
        {Q_I_Z, v.I_z, v.I_z, t.second},
        {Q_I_1, v.I_1, v.I_1, t.second},
        {Q_W_1_TOP, v.W_1_top[0], v.W_1_top[1], t.elastic},
        {Q_W_1_BOTTOM, v.W_1_bottom[0], v.W_1_bottom[1], t.elastic},
        {Q_W_PL_Y, v.W_pl_y, v.W_pl_y, t.plastic},
        {Q_W_PL_1, v.W_pl_y, v.W_pl_y, t.plastic},
        {Q_I_2, v.I_2, v.I_2, t.second},
        {Q_W_2_LEFT, v.W_2_left[0], v.W_2_left[1], t.elastic},
        {Q_W_2_RIGHT, v.W_2_right[0], v.W_2_right[1], t.elastic},
        {Q_W_PL_Z, v.W_pl_z, v.W_pl_z, t.plastic},
        {Q_W_PL_2, v.W_pl_z, v.W_pl_z, t.plastic},
        {Q_I_T, torsion.lo * it_lo, torsion.hi * it_hi, margin},
        {Q_I_W, t.warping.lo * (t.warping_of_plates ? v.I_w_plates : v.I_w[0]),
         t.warping.hi * (t.warping_of_plates ? v.I_w_plates : v.I_w[1]), margin},
    };
    for (const Expected& e : expected) {
        const int index = r.at->quantity[e.q];
        // The ties already on a quantity (the area a mass per metre gives)
        // hold beside the outline's. The series held to the plates' sum
        // publish every torsion constant: none holds a worked-out one.
        const double thin = t.torsion_of_plates ? 0 : v.I_t_thin;
        f->residual[index] =
            std::max(f->residual[index], Quantity_Residual(e, r.x[index], r, thin, t.angle, &f->expected[index]));
    }
    // The ties among the values hold whatever the tables' spread: a value
    // that breaks one more than its band is named with what the tie gives.
    for (const Value_Tie& tie : Section_Value_Ties(r, v)) {
        if (tie.residual > 1) f->tied_expected[tie.index] = tie.expected;
        if (!(tie.residual > f->residual[tie.index])) continue;
        f->residual[tie.index] = tie.residual;
        f->expected[tie.index] = tie.expected;
    }
}

// The index of a dimension the outline cannot be made with.
int Dimension_Index(const Record& r, Bad_Dimension bad) {
    if (r.letter == 'E' && !r.at->profil && bad == DIM_TW) return r.at->dimension[DIM_TF];
    return r.at->dimension[bad];
}

double Misfit(const Fit& f) {
    double sum = 0;
    for (double x : f.residual) sum += std::min(x, BROKEN) * std::min(x, BROKEN);
    return sum;
}

// Judges a record: its ties, then each outline it may stand for under the
// tolerances of each series it may come from; the one that fits best
// counts. Each one's own fit goes to `each` when given.
Fit Evaluate_Outlines(const Record& r, std::vector<Fit>* each) {
    if (const char stated = Stated_Letter(r)) {
        Fit f;
        f.judged = true;
        f.stated_letter = stated;
        f.misfit = BROKEN * BROKEN;
        return f;
    }
    Catalogue_Outline outlines[2];
    const int n = Record_Outlines(r, outlines);
    Series series[MAX_SERIES_JUDGED];
    const int m = Series_To_Judge(r.letter, r.series, series);
    // The ties are the record's own, whatever the outline and the series.
    Fit tied;
    tied.judged = true;
    tied.expected.fill(NAN);
    for (const Tie& t : Ties(r))
        for (int i : t.index)
            if (i >= 0) tied.residual[i] = std::max(tied.residual[i], t.residual);
    Fit best;
    for (int k = 0; k < n; k++) {
        Catalogue_Section v;
        const Bad_Dimension bad = Outline_Section(outlines[k], &v);
        if (bad == DIM_FAMILY) return Fit{};
        for (int j = 0; j < m; j++) {
            // A record of no known series stands for the tables of one
            // only where its shape is that series' own.
            if (r.series == SERIES_ANY && !Series_Shape_Of(r.letter, series[j], outlines[k])) continue;
            Fit f = tied;
            if (bad != DIM_NONE) f.residual[Dimension_Index(r, bad)] = BROKEN;
            else Fit_Quantities(r, outlines[k], v, series[j], &f);
            f.misfit = Misfit(f);
            f.agrees = std::all_of(f.residual.begin(), f.residual.end(), [](double x) { return x <= 1; });
            f.slope = outlines[k].slope;
            if ((k == 0 && j == 0) || (f.agrees && !best.agrees) || (f.agrees == best.agrees && f.misfit < best.misfit))
                best = f;
            if (each) each->push_back(f);
        }
    }
    return best;
}

// Judges a record as Evaluate_Outlines does. A record whose flanges' slope
// is untold (Slope_Untold) is read with parallel flanges, as its file has
// them, where its values fit them; else with the standard slope they fit
// best.
Fit Evaluate(const Record& r, std::vector<Fit>* each = nullptr) {
    if (!Slope_Untold(r)) return Evaluate_Outlines(r, each);
    // The standards' slopes of the family: beams and their halves 14 % and
    // 1:6, channels 5 %, 8 % and 1:6.
    const std::vector<double> slopes = r.letter == 'U' ? std::vector<double>{0, 0.05, 0.08, 1.0 / 6}
                                                       : std::vector<double>{0, 0.14, 1.0 / 6};
    Fit best;
    std::vector<Fit> best_each;
    for (double slope : slopes) {
        Record t = r;
        t.Dim(DIM_SLOPE) = 100 * slope;
        std::vector<Fit> fits;
        const Fit f = Evaluate_Outlines(t, each ? &fits : nullptr);
        const bool better = f.agrees != best.agrees ? f.agrees : f.misfit < best.misfit;
        if (slope == 0 || (!best.agrees && better) || (slope > 0 && best.slope > 0 && better)) {
            best = f;
            best_each.swap(fits);
        }
        if (!f.judged) break;
    }
    if (each) each->insert(each->end(), best_each.begin(), best_each.end());
    return best;
}

// ---- naming the value that does not fit -------------------------------------------

// The quantities a dimension is solved for, and each from an outline's
// moments.
double Solved_Quantity(Quantity q, const Catalogue_Section& v) {
    switch (q) {
    case Q_A: return v.A;
    case Q_E_Z: return v.e_z;
    case Q_E_Y: return v.e_y;
    case Q_I_Y: return v.I_y;
    case Q_I_Z: return v.I_z;
    case Q_I_1: return v.I_1;
    case Q_I_T: return v.I_t_thin;
    default: return NAN;
    }
}
constexpr Quantity SOLVED[] = {Q_A, Q_E_Z, Q_E_Y, Q_I_Y, Q_I_Z, Q_I_1, Q_I_T};

// The values of dimension `index` between a quarter and four times the
// stored one that give the record's stored quantity q: a damaged dimension
// is one of them for the quantity that depends on it most.
void Solve_Dimension(const Record& r, int index, Quantity q, std::vector<double>* out) {
    const double target = r.x[r.at->quantity[q]], start = r.x[index];
    if (!(target > 0) || !(start > 0) || !std::isfinite(target) || !std::isfinite(start)) return;
    Record t = r;
    const auto gap = [&](double value) {
        t.x[index] = value;
        Catalogue_Outline outlines[2];
        Record_Outlines(t, outlines);
        Catalogue_Section v;
        return Outline_Section(outlines[0], &v, true) == DIM_NONE ? Solved_Quantity(q, v) - target : NAN;
    };
    constexpr int STEPS = 12;
    double lo = start / 4, g_lo = gap(lo);
    for (int k = 1; k <= STEPS; k++) {
        const double hi = start / 4 * std::pow(16.0, double(k) / STEPS), g_hi = gap(hi);
        if (std::isfinite(g_lo) && std::isfinite(g_hi) && (g_lo <= 0) != (g_hi <= 0)) {
            double a = lo, b = hi, g_a = g_lo;
            for (int i = 0; i < 36; i++) {
                const double m = (a + b) / 2, g_m = gap(m);
                if (!std::isfinite(g_m)) break;
                if ((g_m <= 0) == (g_a <= 0)) a = m, g_a = g_m;
                else b = m;
            }
            out->push_back((a + b) / 2);
        }
        lo = hi, g_lo = g_hi;
    }
}

struct Candidate {
    int index;
    double value, misfit;
};

// How much worse (in the sum of squared residuals) a rule's value may fit
// than a value solved for and still be the one shown.
constexpr double RULE_PREFERRED = 0.5;

// Every single value whose repair makes the whole record agree, each value
// with its best repair, the likelier (smaller misfit) first. A quantity is
// tried at what each outline the record may stand for gives.
std::vector<Candidate> Repairs(const Record& r) {
    std::vector<Fit> outlines;
    Evaluate(r, &outlines);
    std::vector<int> indices(std::begin(r.at->dimension), std::end(r.at->dimension));
    indices.insert(indices.end(), std::begin(r.at->quantity), std::end(r.at->quantity));
    if (!r.at->profil) indices.push_back(r.at->reach);
    std::vector<Candidate> found;
    for (int index : indices) {
        std::vector<double> solved, rules;
        const bool dimension = index == r.at->reach || std::find(std::begin(r.at->dimension), std::end(r.at->dimension),
                                                                  index) != std::end(r.at->dimension);
        if (dimension) {
            if (index <= r.at->dimension[DIM_TF])
                for (Quantity q : SOLVED) Solve_Dimension(r, index, q, &solved);
            Tie_Repairs(r, index, &rules);
        } else {
            for (const Fit& f : outlines) {
                if (f.residual[index] > 1 && std::isfinite(f.expected[index])) solved.push_back(f.expected[index]);
                if (std::isfinite(f.tied_expected[index])) solved.push_back(f.tied_expected[index]);
            }
        }
        // The best repair of each kind: a rule's value (a wall in both
        // places, a radius its share) is the one shown when it fits about
        // as well as a value solved for, which carries the tables' rounding.
        Candidate best{-1, 0, INFINITY}, best_rule{-1, 0, INFINITY};
        for (const std::vector<double>* values : {&solved, &rules}) {
            for (double value : *values) {
                if (!std::isfinite(value) || value == r.x[index]) continue;
                Record t = r;
                t.x[index] = value;
                const Fit f = Evaluate(t);
                if (!f.agrees) continue;
                if (f.misfit < best.misfit) best = {index, value, f.misfit};
                if (values == &rules && f.misfit < best_rule.misfit) best_rule = {index, value, f.misfit};
            }
        }
        if (best_rule.index >= 0 && best_rule.misfit <= best.misfit + RULE_PREFERRED) best.value = best_rule.value;
        if (best.index >= 0) found.push_back(best);
    }
    std::stable_sort(found.begin(), found.end(), [](const Candidate& a, const Candidate& b) { return a.misfit < b.misfit; });
    return found;
}

// Repairs that fit about as well as the best one are named beside it: the
// published values of a big section hardly feel its fillets, so that a
// damaged radius and a damaged value 27 explain the record about equally
// (the sum of the squared residuals within 2.5 of the best).
constexpr double NAMED_BESIDE = 2.5;

// The area of the record's (first) outline; not a number where it makes none.
double Outline_Area(const Record& r) {
    Catalogue_Outline outlines[2];
    Record_Outlines(r, outlines);
    Catalogue_Section v;
    return Outline_Section(outlines[0], &v, true) == DIM_NONE ? v.A : NAN;
}

// The record with value `index` set to `value` as a record of those
// dimensions holds it: where value 27 (29) tells the flanges' slope
// through t_f and r_1, it tells the same slope of the new dimensions; a
// dimension's area moves with its outline (a beam named by its mass per
// metre is held to it by its area, which follows its flanges and web).
Record With_Value(const Record& r, int index, double value) {
    Record t = r;
    t.x[index] = value;
    const int reach = r.at->reach;
    if (Flanges_May_Slope(r.letter) && index != reach && r.x[reach] > 0) {
        double nominal;
        const double slope = Reach_Slope(r.letter, r.Dim(DIM_B), r.Dim(DIM_TW), r.Dim(DIM_TF),
                                         std::max(r.Dim(DIM_R1), 0.0), r.x[reach], &nominal);
        const double r_1 = std::max(t.Dim(DIM_R1), 0.0);
        t.x[reach] = t.Dim(DIM_TF) + r_1 + slope * Slope_Run(t.letter, t.Dim(DIM_B), t.Dim(DIM_TW), r_1, &nominal);
    }
    if (std::find(std::begin(r.at->dimension), std::end(r.at->dimension), index) != std::end(r.at->dimension)) {
        const double before = Outline_Area(r), after = Outline_Area(t);
        if (before > 0 && after > 0) t.x[r.at->quantity[Q_A]] = r.x[r.at->quantity[Q_A]] * after / before;
    }
    return t;
}

// Whether every range the designation states holds.
bool Designation_Holds(const Record& r) {
    for (int k = 0; k < r.statements; k++)
        for (int i = 0; i < r.stated[k].count; i++)
            if (Stated_Of(r, r.stated[k].stated[i]).residual > 1) return false;
    return true;
}

// What the designation gives for value `index` by a range that states it
// alone (the published depth, web, flanges); not a number where none does.
double Stated_Alone_Value(const Record& r, int index) {
    for (int k = 0; k < r.statements; k++)
        for (int i = 0; i < r.stated[k].count; i++)
            if (Stated_Alone(r.stated[k].stated[i]))
                if (const double v = Stated_Repair(r, r.stated[k].stated[i], index); std::isfinite(v)) return v;
    return NAN;
}

// The value of the record that its designation contradicts, with what the
// designation gives for it. A range may bind two values (the depth between
// the flanges, h - 2 t_f): the one named is the value that, set to what the
// designation gives, makes every range hold (HE 300 B with flanges 1.5 %
// thick is named by its t_f, 1.9 cm, not by a depth of 30.057 cm that would
// make h - 2 t_f 26.2 again). A record of another size, off in several
// values, is named by the first range it breaks: by the value of it that a
// range of its own breaks as well (HE 340 AA's record under HE 320 B, both
// 320 deep, by its flanges), else by the range's first value. False when the
// designation states nothing the record contradicts.
bool Designation_Disagreement(const Record& r, Catalogue_Disagreement* d) {
    std::vector<const Stated_Range*> broken;
    for (int k = 0; k < r.statements; k++)
        for (int i = 0; i < r.stated[k].count; i++)
            if (Stated_Of(r, r.stated[k].stated[i]).residual > 1) broken.push_back(&r.stated[k].stated[i]);
    if (broken.empty()) return false;
    const auto named = [&](int index, double expected) {
        *d = Catalogue_Disagreement{index, r.x[index], expected};
        d->by_designation = true;
        return true;
    };
    for (const Stated_Range* s : broken)
        for (int index : Stated_Of(r, *s).index) {
            if (index < 0) continue;
            for (double value : {Stated_Alone_Value(r, index), Stated_Repair(r, *s, index)})
                if (std::isfinite(value) && value != r.x[index] && Designation_Holds(With_Value(r, index, value)))
                    return named(index, value);
        }
    const Stated_Value first = Stated_Of(r, *broken[0]);
    for (int index : first.index)
        for (const Stated_Range* s : broken) {
            if (index < 0 || !Stated_Alone(*s)) continue;
            const Stated_Value alone = Stated_Of(r, *s);
            if (alone.index[0] == index) return named(index, alone.expected);
        }
    return named(first.index[0], first.expected);
}

Catalogue_Disagreement Name_Disagreement(const Record& r, const Fit& base) {
    const std::vector<Candidate> found = Repairs(r);
    if (!found.empty()) {
        const Candidate& first = found[0];
        Catalogue_Disagreement d{first.index, r.x[first.index], first.value};
        for (size_t k = 1, n = 0; k < found.size() && n < 2; k++) {
            if (found[k].misfit > first.misfit + NAMED_BESIDE) break;
            d.also[n] = found[k].index, d.also_stored[n] = r.x[found[k].index], d.also_expected[n] = found[k].value;
            n++;
        }
        return d;
    }
    // No single value explains it: a record of another size under the
    // name is named by the first value the designation contradicts; else
    // the value furthest from the others, the first in the record's order
    // among equals.
    Catalogue_Disagreement named;
    if (Designation_Disagreement(r, &named)) return named;
    int worst = 0;
    for (int i = 1; i < MAX_VALUES; i++)
        if (base.residual[i] > base.residual[worst]) worst = i;
    return {worst, r.x[worst], base.expected[worst]};
}

Catalogue_Disagreement Judge(const Record& r) {
    const Fit base = Evaluate(r);
    if (!base.judged || base.agrees) return {-1, 0, 0};
    Catalogue_Disagreement d;
    if (base.stated_letter) {
        d.value = CATALOGUE_TYPE_LETTER;
        d.stored = r.letter, d.expected = base.stated_letter;
        d.by_designation = true;
        return d;
    }
    // A record that agrees with itself but not with its designation holds
    // another size's values: named by the designation at once.
    Record self = r;
    self.statements = 0;
    if (r.statements > 0 && Evaluate(self).agrees && Designation_Disagreement(r, &d)) return d;
    return Name_Disagreement(r, base);
}


}  // namespace

int Catalogue_Record_Outline(char letter, const float* values, Catalogue_Outline* outline) {
    if (!values || !outline) return 0;
    Catalogue_Outline outlines[2];
    Record_Outlines(Make_Record(letter, 0, nullptr, values, PROFIL_LAYOUT, PROFIL_COUNT), outlines);
    *outline = outlines[0];
    return letter && std::strchr("DTULRZ", letter) ? 1 : 0;
}

Catalogue_Disagreement Check_Profil_Outline(char letter, const float* values, const char* name) {
    if (!values) return {-1, 0, 0};
    return Judge(Make_Record(letter, 0, name, values, PROFIL_LAYOUT, PROFIL_COUNT));
}

Catalogue_Disagreement Check_ProfilData_Outline(char letter, int code, const float* values, const char* name,
                                                const char* alias) {
    if (!values) return {-1, 0, 0};
    return Judge(Make_Record(letter, code, name, values, PROFILDATA_LAYOUT, PROFILDATA_COUNT, alias));
}

int Profil_Outline_Agrees(char letter, const float* values, const char* name) {
    if (!values) return 1;
    const Fit f = Evaluate(Make_Record(letter, 0, name, values, PROFIL_LAYOUT, PROFIL_COUNT));
    return !f.judged || f.agrees ? 1 : 0;
}

int ProfilData_Outline_Agrees(char letter, int code, const float* values, const char* name, const char* alias) {
    if (!values) return 1;
    const Fit f = Evaluate(Make_Record(letter, code, name, values, PROFILDATA_LAYOUT, PROFILDATA_COUNT, alias));
    return !f.judged || f.agrees ? 1 : 0;
}

int Complete_ProfilData_Flanges(char letter, int code, float* values, const char* name, const char* alias) {
    if (!values || !Flanges_May_Slope(letter)) return 0;
    for (int i = 0; i < PROFILDATA_COUNT; i++)
        if (!std::isfinite(values[i])) return 0;  // unusable as it is: the readers refuse it
    const Record r = Make_Record(letter, code, name, values, PROFILDATA_LAYOUT, PROFILDATA_COUNT, alias);
    const int percent = r.at->dimension[DIM_SLOPE], reach = r.at->reach;
    const bool told = values[percent] > 0;
    if (told && values[reach] > 0) return 0;
    // Told by the record or its designation, else the slope its values fit.
    double slope = Record_Slope(r);
    if (Slope_Untold(r)) {
        const Fit f = Evaluate(r);
        if (!f.judged || !f.agrees) return 0;
        slope = f.slope;
    }
    if (!(slope >= 0) || !(slope <= MAX_SLOPE)) return 0;
    int filled = 0;
    if (!told && slope > 0) values[percent] = static_cast<float>(100 * slope), filled = 1;
    double nominal;
    const double r_1 = std::max(r.Dim(DIM_R1), 0.0);
    const double run = Slope_Run(letter, r.Dim(DIM_B), r.Dim(DIM_TW), r_1, &nominal);
    // Value 29 tells only a standard's slope (Ties): a flange of another
    // slope is told by value 37 alone, and so is one whose run is too short
    // for value 29 in single precision to tell its slope back (parallel
    // flanges within the millionths Profil_Slope takes for none).
    const float told_by_reach = static_cast<float>(r.Dim(DIM_TF) + r_1 + slope * run);
    const double told_back = (told_by_reach - (r.Dim(DIM_TF) + r_1)) / run;
    if (!(values[reach] > 0) && std::fabs(run) > 0.01 && Slope_Residual(slope) <= 1 && told_by_reach > 0 &&
        std::fabs(told_back - slope) < 1e-5)
        values[reach] = told_by_reach, filled = 1;
    return filled;
}
