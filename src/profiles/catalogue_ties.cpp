// catalogue_ties: what a record's dimensions promise beyond its outline,
// and the values that keep each promise.
#include "profiles/catalogue_ties.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace catalogue {

const Layout PROFIL_LAYOUT = {{0, 1, 2, 3, 25, 26, 27},
                              {4, 6, 7, 8, 9, 10, 13, 14, 15, 16, 17, 18, 19, 20, 21, 22, 23, 24},
                              false, true, 27};
const Layout PROFILDATA_LAYOUT = {{0, 1, 2, 3, 26, 27, 37},
                                  {4, 6, 7, 8, 10, 11, 14, 15, 16, 17, 18, 19, 20, 21, 22, 23, 24, 25},
                                  true, false, 29};

// Slopes of inner flange faces the standards of the catalogue give:
// parallel, 5 % and 8 % (channels), 14 % (I beams), 1:6 (American beams and
// channels). PROFIL holds a sloped flange's thickness where its root fillet
// begins (value 27), from which the slope follows to a few millionths.
constexpr double STANDARD_SLOPES[] = {0, 0.05, 0.08, 0.14, 1.0 / 6};
constexpr double SLOPE_TOLERANCE = 0.003;

// Where PROFIL's t_f stands and where value 27 reads the flange: double-T
// at b/4 from the tip, read where the root fillet begins; tees the same,
// read at the web; channels at b/2, read where the root fillet begins.
// The distance between the two: the run over which value 27 tells the
// slope.
double Slope_Run(char letter, double b, double t_w, double r_1, double* nominal_from_tip) {
    double read_at = 0;
    *nominal_from_tip = 0;
    if (letter == 'D') *nominal_from_tip = b / 4, read_at = (b - t_w) / 2 - r_1;
    else if (letter == 'T') *nominal_from_tip = b / 4, read_at = (b - t_w) / 2;
    else if (letter == 'U') *nominal_from_tip = b / 2, read_at = b - t_w - r_1;
    return read_at - *nominal_from_tip;
}

double Reach_Slope(char letter, double b, double t_w, double t_f, double r_1, double reach, double* nominal_from_tip) {
    const double run = Slope_Run(letter, b, t_w, r_1, nominal_from_tip);
    if (!Flanges_May_Slope(letter) || !(std::fabs(run) > 0.01)) return 0;
    return (reach - (t_f + r_1)) / run;
}

// The slope of a record's flanges told by its value 27 (PROFIL; ProfilData.bin's
// value 29 where it has one); 0 for parallel flanges and families without a
// slope.
static double Profil_Slope(const Record& r, double* nominal_from_tip) {
    const double slope = Reach_Slope(r.letter, r.Dim(DIM_B), r.Dim(DIM_TW), r.Dim(DIM_TF),
                                     std::max(r.Dim(DIM_R1), 0.0), r.x[r.at->reach], nominal_from_tip);
    // Stored in single precision: parallel flanges come back with a slope
    // of a few millionths either way.
    return std::fabs(slope) < 1e-4 ? 0 : slope;
}

// ProfilData.bin's value 37, the inner face's slope in per cent, as the
// standards state it (14 for I and IPN, 8 and 5 for U, 16.67 for S and C).
// 0 and below stand for none given, as the profile manager's outline model
// reads them (a radius below 0 is none as well).
static double Percent_Slope(double p) { return p > 0 ? p / 100 : 0; }

// The slope a designation states for the flanges; false when it states none.
static bool Stated_Slope(const Record& r, double* slope) {
    for (int k = 0; k < r.statements; k++)
        for (int i = 0; i < r.stated[k].count; i++) {
            const Stated_Range& s = r.stated[k].stated[i];
            if (s.kind != STATED_SLOPE) continue;
            *slope = std::isfinite(s.value) ? s.value : (s.lo + s.hi) / 2;
            return true;
        }
    return false;
}

// A ProfilData.bin record of a flanged family may leave its flanges' slope
// untold: value 37 (per cent) and value 29 (PROFIL's value 27) both 0 or
// below. Where its designation states no slope either, the slope is the
// standard one its values fit (Evaluate).
bool Slope_Untold(const Record& r) {
    double stated;
    return !r.at->profil && Flanges_May_Slope(r.letter) && !(r.Dim(DIM_SLOPE) > 0) &&
           !(r.x[r.at->reach] > 0) && !Stated_Slope(r, &stated);
}

// The slope of a record's flanges: PROFIL's from value 27; ProfilData.bin's
// from value 37, where that is not given from value 29, where neither is
// the slope its designation states (parallel where it states none).
double Record_Slope(const Record& r) {
    double nominal, stated;
    if (r.at->profil) return Profil_Slope(r, &nominal);
    const double p = r.Dim(DIM_SLOPE);
    if (p > 0 || !Flanges_May_Slope(r.letter)) return Percent_Slope(p);
    if (r.x[r.at->reach] > 0) return Profil_Slope(r, &nominal);
    return Stated_Slope(r, &stated) ? stated : 0;
}

// The outlines a record may stand for: one, or two for a sloped flange,
// whose t_f stands where the standard of the profile puts it: the European
// beams and 8 % channels at a fixed share of the width, the American shapes
// and the 5 % channels (their thickness the flange's average) in the middle
// of the outstand. A record does not say which standard it follows.
int Record_Outlines(const Record& r, Catalogue_Outline out[2]) {
    const double h = r.Dim(DIM_H), b = r.Dim(DIM_B), t_w = r.Dim(DIM_TW), t_f = r.Dim(DIM_TF);
    Catalogue_Outline o{r.letter, h, b, t_w, t_f, std::max(r.Dim(DIM_R1), 0.0), r.Dim(DIM_R2), 0, 0};
    if (r.at->profil) {
        o.slope = Profil_Slope(r, &o.nominal_from_tip);
    } else {
        if (r.letter == 'E') o.t_w = t_f;  // the elliptical section's wall stands as t_f
        if (Flanges_May_Slope(r.letter)) {
            o.slope = Record_Slope(r);
            o.nominal_from_tip = b / 4;
            if (r.letter == 'U') {
                const bool half = r.code == 16 || ((r.code == 15 || r.code == 54) && h > 300);
                o.nominal_from_tip = half ? (b - t_w / 2) / 2 : b / 2;
            }
        }
    }
    out[0] = o;
    if (!(o.slope > 0)) return 1;
    out[1] = o;
    out[1].nominal_from_tip = (r.letter == 'U' ? b - t_w : (b - t_w) / 2) / 2;
    return 2;
}

static double Ratio_Residual(double stored, double expected, Share share) {
    if (!std::isfinite(stored) || !(std::fabs(expected) > 0)) return stored == expected ? 0 : BROKEN;
    const double ratio = stored / expected - 1;
    return std::fabs(ratio) / (ratio < 0 ? share.below : share.above);
}

// An equal value: within 0.01 mm and the float's rounding.
static double Same_Residual(double a, double b) { return std::isfinite(a - b) ? std::fabs(a - b) / (0.001 + 1e-5 * std::fabs(b)) : BROKEN; }

// The shares of the root radius that a family's toe radius is: the I beams
// and their halves 0.6 (of t_w, which is their r_1), the tees of their own
// standard one half, angles and channels one half. The radii stand in
// tenths, halves or whole millimetres: measured over the catalogue, the I
// beams' shares lie from 1.7 % under to 1.3 % over 0.6 (I80, I120), the
// half I sections' within 0.5 % (1/2I400, 1/2I300), the channels' from
// 9.1 % under to 6.7 % over one half (U40X20, U65), the angles' from 11.1 %
// under to 14.3 % over (L45X30X4, L40X20X4). Each is held to that and the
// margin of 0.5 % (the tees' share of one half, not in the catalogue, as
// closely as their share of 0.6).
static std::vector<double> Toe_Shares(char letter) {
    if (letter == 'D') return {0.6};
    if (letter == 'T') return {0.5, 0.6};
    return {0.5};
}
static Share Toe_Tolerance(char letter) {
    switch (letter) {
    case 'D': return {0.022, 0.018};
    case 'T': return {0.010, 0.010};
    case 'U': return {0.096, 0.072};
    default: return {0.116, 0.148};
    }
}

// The corner radii of hollow sections, outside and inside, as shares of the
// wall: hot finished 1.5 and 1, cold formed 2 and 1, 2.5 and 1.5, 3 and 2.
constexpr double HOLLOW_RADII[][2] = {{1.5, 1}, {2, 1}, {2.5, 1.5}, {3, 2}};
static double Hollow_Radii_Residual(double r_1, double r_2, double t) {
    if (r_1 == 0 && r_2 == 0) return 0;  // sharp corners: the radii are not known
    double best = BROKEN;
    for (const auto& k : HOLLOW_RADII) {
        // The catalogue's sections hold 1.5 and 1 times the wall exactly;
        // a table gives its radii to a tenth of a millimetre.
        const double allowed = MARGIN * k[0] * t + 0.005;
        best = std::min(best, std::max(std::fabs(r_1 - k[0] * t), std::fabs(r_2 - k[1] * t)) / allowed);
    }
    return std::isfinite(best) ? best : BROKEN;
}

double Slope_Residual(double slope) {
    double best = BROKEN;
    for (double s : STANDARD_SLOPES) best = std::min(best, std::fabs(slope - s) / SLOPE_TOLERANCE);
    return std::isfinite(best) ? best : BROKEN;
}

// How far x is from the range [lo, hi]: up to 1 within it. A range without
// an upper end (a root radius) takes any value above lo.
static double Range_Residual(double x, double lo, double hi) {
    if (!std::isfinite(x)) return BROKEN;
    if (!std::isfinite(hi)) return x > lo ? 0 : BROKEN;
    const double half = (hi - lo) / 2;
    return half > 0 ? std::fabs(x - (lo + hi) / 2) / half : BROKEN;
}

Stated_Value Stated_Of(const Record& r, const Stated_Range& s) {
    const Layout& at = *r.at;
    const int h = at.dimension[DIM_H], b = at.dimension[DIM_B], tw = at.dimension[DIM_TW], tf = at.dimension[DIM_TF];
    const int r1 = at.dimension[DIM_R1], a = at.quantity[Q_A];
    // What the value is to be: the size given, else the nearer end of the band.
    const auto near = [&](double x) { return std::isfinite(s.value) ? s.value : std::clamp(x, s.lo, s.hi); };
    switch (s.kind) {
    case STATED_H: return {Range_Residual(r.x[h], s.lo, s.hi), {h, -1, -1}, near(r.x[h])};
    case STATED_B: return {Range_Residual(r.x[b], s.lo, s.hi), {b, -1, -1}, near(r.x[b])};
    case STATED_WALL: {
        const double web = Range_Residual(r.x[tw], s.lo, s.hi), flange = Range_Residual(r.x[tf], s.lo, s.hi);
        if (web >= flange) return {web, {tw, -1, -1}, near(r.x[tw])};
        return {flange, {tf, -1, -1}, near(r.x[tf])};
    }
    case STATED_INNER: {
        const double inner = r.x[h] - 2 * r.x[tf];
        return {Range_Residual(inner, s.lo, s.hi), {h, tf, -1}, near(inner) + 2 * r.x[tf]};
    }
    case STATED_OUTSTAND: {
        const double outstand = r.x[b] - r.x[tw];
        return {Range_Residual(outstand, s.lo, s.hi), {b, tw, -1}, near(outstand) + r.x[tw]};
    }
    case STATED_AREA: return {Range_Residual(r.x[a], s.lo, s.hi), {a, -1, -1}, near(r.x[a])};
    case STATED_SLOPE: {
        // Named by the value that tells the slope: PROFIL's value 27, else
        // value 37 (per cent) where given, else value 29.
        const double slope = Record_Slope(r), stated = (s.lo + s.hi) / 2;
        const bool percent = !at.profil && r.Dim(DIM_SLOPE) > 0;
        const int told = percent ? at.dimension[DIM_SLOPE] : at.reach;
        double nominal;
        const double r_1 = std::max(r.x[r1], 0.0);
        const double run = Slope_Run(r.letter, r.x[b], r.x[tw], r_1, &nominal);
        const double expected = percent ? 100 * stated : r.x[tf] + r_1 + stated * run;
        return {Range_Residual(slope, s.lo, s.hi), {told, r1, tf}, expected};
    }
    case STATED_ROOT: {
        // A radius below 0 is none (ProfilData.bin), as 0 is.
        const double root = std::max(r.x[r1], 0.0);
        return {Range_Residual(root, s.lo, s.hi), {r1, -1, -1}, std::isfinite(s.hi) ? near(root) : NAN};
    }
    case STATED_WEB: return {Range_Residual(r.x[tw], s.lo, s.hi), {tw, -1, -1}, near(r.x[tw])};
    case STATED_FLANGE: return {Range_Residual(r.x[tf], s.lo, s.hi), {tf, -1, -1}, near(r.x[tf])};
    case STATED_WEB_TO_FLANGE: {
        // Named by the web, with the flanges' thickness for it.
        const double share = r.x[tw] / r.x[tf];
        return {Range_Residual(share, s.lo, s.hi), {tw, tf, -1}, std::clamp(share, s.lo, s.hi) * r.x[tf]};
    }
    }
    return {0, {-1, -1, -1}, NAN};
}

bool Stated_Alone(const Stated_Range& s) {
    switch (s.kind) {
    case STATED_H: case STATED_B: case STATED_WALL: case STATED_AREA: case STATED_ROOT: case STATED_WEB:
    case STATED_FLANGE:
        return true;
    default: return false;
    }
}

double Stated_Repair(const Record& r, const Stated_Range& s, int index) {
    const Layout& at = *r.at;
    const int h = at.dimension[DIM_H], b = at.dimension[DIM_B], tw = at.dimension[DIM_TW], tf = at.dimension[DIM_TF];
    const Stated_Value v = Stated_Of(r, s);
    if (index < 0) return NAN;
    const auto near = [&](double x) { return std::isfinite(s.value) ? s.value : std::clamp(x, s.lo, s.hi); };
    switch (s.kind) {
    case STATED_WALL: return index == tw || index == tf ? near(r.x[index]) : NAN;
    case STATED_INNER: return index == tf ? (r.x[h] - near(r.x[h] - 2 * r.x[tf])) / 2 : index == h ? v.expected : NAN;
    case STATED_OUTSTAND: return index == tw ? r.x[b] - near(r.x[b] - r.x[tw]) : index == b ? v.expected : NAN;
    case STATED_WEB_TO_FLANGE:
        return index == tf ? r.x[tw] / std::clamp(r.x[tw] / r.x[tf], s.lo, s.hi) : index == tw ? v.expected : NAN;
    default: return index == v.index[0] ? v.expected : NAN;
    }
}

// The ranges the designation states, as ties (a family letter other than
// the designation's is judged before any tie).
static void Designation_Ties(const Record& r, std::vector<Tie>* ties) {
    for (int k = 0; k < r.statements; k++)
        for (int i = 0; i < r.stated[k].count; i++) {
            const Stated_Value v = Stated_Of(r, r.stated[k].stated[i]);
            ties->push_back({v.residual, {v.index[0], v.index[1], v.index[2]}});
        }
}

// The family letter a designation gives when it is not the record's; 0
// when none contradicts it (or the record's letter is of no family, which
// the readers refuse on its own).
char Stated_Letter(const Record& r) {
    if (!Is_Catalogue_Family_Letter(r.letter)) return 0;
    for (int k = 0; k < r.statements; k++)
        if (r.stated[k].letter && r.stated[k].letter != r.letter) return r.stated[k].letter;
    return 0;
}

std::vector<Tie> Ties(const Record& r) {
    const Layout& at = *r.at;
    const int h = at.dimension[DIM_H], b = at.dimension[DIM_B], tw = at.dimension[DIM_TW], tf = at.dimension[DIM_TF];
    const int r1 = at.dimension[DIM_R1], r2 = at.dimension[DIM_R2], slope = at.dimension[DIM_SLOPE];
    const double x_r1 = std::max(r.x[r1], 0.0), x_r2 = std::max(r.x[r2], 0.0);
    std::vector<Tie> ties;
    switch (r.letter) {
    case 'K':  // a tube: as wide as it is high, its wall in both places, no radii
        ties.push_back({Same_Residual(r.x[b], r.x[h]), {b, h, -1}});
        ties.push_back({Same_Residual(r.x[tf], r.x[tw]), {tf, tw, -1}});
        ties.push_back({Same_Residual(x_r1, 0), {r1, -1, -1}});
        ties.push_back({Same_Residual(x_r2, 0), {r2, -1, -1}});
        break;
    case 'R': ties.push_back({Hollow_Radii_Residual(x_r1, x_r2, r.x[tw]), {r1, r2, tw}}); break;
    case 'D': case 'T': case 'U': case 'L':
        // A record without a root radius does not know its radii (its
        // readers take t_f for it): its toe radius is not held to one.
        if (x_r2 > 0 && x_r1 > 0) {
            double residual = BROKEN;
            for (double share : Toe_Shares(r.letter))
                residual = std::min(residual, Ratio_Residual(x_r2, share * x_r1, Toe_Tolerance(r.letter)));
            ties.push_back({residual, {r2, r1, -1}});
        }
        break;
    default: break;
    }
    // The profile file gives no radius below 0 (a family without one holds
    // 0): one is damage, which the readers would take for the flange's
    // thickness and the outline for none.
    if (at.profil) {
        ties.push_back({r.x[r1] < 0 ? BROKEN : 0, {r1, -1, -1}});
        ties.push_back({r.x[r2] < 0 ? BROKEN : 0, {r2, -1, -1}});
    }
    if (at.profil && r.letter && std::strchr("LRK", r.letter))  // value 27 is 0 for these
        ties.push_back({Same_Residual(r.x[slope], 0), {slope, -1, -1}});
    if (at.profil && Flanges_May_Slope(r.letter)) {
        double nominal;
        ties.push_back({Slope_Residual(Profil_Slope(r, &nominal)), {slope, r1, tf}});
    }
    // ProfilData.bin's value 29, where given, is PROFIL's value 27 (the name
    // library hands it on as such): it ties the root radius as there, and
    // the slope of value 37 where that is given.
    const int reach = at.reach;
    if (!at.profil && r.x[reach] > 0 && Flanges_May_Slope(r.letter)) {
        double nominal;
        const double told = Profil_Slope(r, &nominal), given = r.x[slope];
        double residual = Slope_Residual(told);
        if (given > 0) residual = std::max(residual, std::fabs(told - Percent_Slope(given)) / SLOPE_TOLERANCE);
        ties.push_back({residual, {reach, r1, tf}});
    }
    Designation_Ties(r, &ties);
    return ties;
}

// What the ties give for dimension index, each way they may be kept.
void Tie_Repairs(const Record& r, int index, std::vector<double>* out) {
    const Layout& at = *r.at;
    const int h = at.dimension[DIM_H], b = at.dimension[DIM_B], tw = at.dimension[DIM_TW], tf = at.dimension[DIM_TF];
    const int r1 = at.dimension[DIM_R1], r2 = at.dimension[DIM_R2], slope = at.dimension[DIM_SLOPE];
    const double x_r1 = std::max(r.x[r1], 0.0), x_r2 = std::max(r.x[r2], 0.0);
    if (r.letter == 'K') {
        if (index == b) out->push_back(r.x[h]);
        if (index == h) out->push_back(r.x[b]);
        if (index == tf) out->push_back(r.x[tw]);
        if (index == tw) out->push_back(r.x[tf]);
        if (index == r1 || index == r2) out->push_back(0);
    }
    if (r.letter == 'L' || r.letter == 'R') {  // as a rule, one thickness for all walls
        if (index == tf) out->push_back(r.x[tw]);
        if (index == tw) out->push_back(r.x[tf]);
    }
    if (r.letter == 'R') {
        for (const auto& k : HOLLOW_RADII) {
            if (index == r1) out->push_back(k[0] * r.x[tw]);
            if (index == r2) out->push_back(k[1] * r.x[tw]);
        }
    }
    if (r.letter && std::strchr("DTUL", r.letter)) {
        if (index == r2) out->push_back(0);
        for (double share : Toe_Shares(r.letter)) {
            if (index == r2) out->push_back(share * x_r1);
            if (index == r1 && x_r2 > 0) out->push_back(x_r2 / share);
        }
    }
    if (at.profil && r.letter && std::strchr("LRK", r.letter) && index == slope) out->push_back(0);
    // Value 27 = t_f + r_1 + s * run, run = read_at(r_1) - nominal; solved
    // for each standard slope s (ProfilData.bin's value 29 where given).
    const int reach = at.reach;
    if ((!at.profil && !(r.x[reach] > 0)) || !Flanges_May_Slope(r.letter)) return;
    double nominal;
    const double run = Slope_Run(r.letter, r.x[b], r.x[tw], x_r1, &nominal);
    const double run_without_r1 = run + (r.letter == 'T' ? 0 : x_r1);
    // The run is k_b b - k_t t_w - k_r r_1 (Slope_Run): a sloped flange
    // also tells b and t_w.
    const double k_b = r.letter == 'U' ? 0.5 : 0.25, k_t = r.letter == 'U' ? 1 : 0.5, k_r = r.letter == 'T' ? 0 : 1;
    for (double s : STANDARD_SLOPES) {
        if (s > 0) {
            const double needed = (r.x[reach] - r.x[tf] - x_r1) / s;
            if (index == tw) out->push_back((k_b * r.x[b] - k_r * x_r1 - needed) / k_t);
            if (index == b) out->push_back((needed + k_t * r.x[tw] + k_r * x_r1) / k_b);
        }
        if (index == reach) out->push_back(r.x[tf] + x_r1 + s * run);
        if (index == tf) out->push_back(r.x[reach] - x_r1 - s * run);
        if (index == r1) {
            const double k = r.letter == 'T' ? 1 : 1 - s;
            out->push_back((r.x[reach] - r.x[tf] - s * run_without_r1) / k);
        }
    }
}

double Stated_Rounding(double x) {
    if (!std::isfinite(x) || x == 0) return 0;
    const float f = static_cast<float>(x);
    char text[40];
    int digits = 1;
    for (; digits < 9; digits++) {
        std::snprintf(text, sizeof text, "%.*e", digits - 1, static_cast<double>(f));
        if (static_cast<float>(std::strtod(text, nullptr)) == f) break;
    }
    const double unit = std::pow(10.0, std::floor(std::log10(std::fabs(static_cast<double>(f)))) - (digits - 1));
    return unit / 2 / std::fabs(x);
}

// A tie of two stored values a and b that are to be equal within share
// (and their own rounding): each named with the other as its value.
static void Same_Value_Ties(const Record& r, int a, int b, double share, std::vector<Value_Tie>* ties) {
    const double x = r.x[a], y = r.x[b];
    if (a < 0 || b < 0 || !(std::fabs(y) > 0)) return;
    const double allowed = std::max(share, Stated_Rounding(x) + Stated_Rounding(y));
    const double residual = std::isfinite(x / y) ? std::fabs(x / y - 1) / allowed : BROKEN;
    ties->push_back({a, residual, y});
    ties->push_back({b, residual, x});
}

// A modulus W at a fibre z (a range [z_lo, z_hi] where the outline's
// fibre lies between a sharp corner and a rounded toe) of the moment I.
static void Modulus_Tie(const Record& r, int w, int i, double z_lo, double z_hi, std::vector<Value_Tie>* ties) {
    const double W = r.x[w], I = r.x[i];
    if (!(I > 0) || !(z_hi > 0)) return;
    const double allowed = std::max(MODULUS_TIE, Stated_Rounding(W) + Stated_Rounding(I));
    const double z = std::clamp(I / W, z_lo, z_hi), ratio = W * z / I;
    const double residual = std::isfinite(ratio) ? std::fabs(ratio - 1) / allowed : BROKEN;
    ties->push_back({w, residual, I / z});
    ties->push_back({i, residual, W * z});
}

std::vector<Value_Tie> Section_Value_Ties(const Record& r, const Catalogue_Section& v) {
    const Layout& at = *r.at;
    const auto q = [&](Quantity k) { return at.quantity[k]; };
    std::vector<Value_Tie> ties;
    const bool rotated = r.letter == 'L' || r.letter == 'Z';
    if (rotated) {
        // The fibres of the outline's principal axes: z = I / W at either end
        // of its range of moduli.
        const auto fibre = [&](Quantity w, Quantity i, const double* W, double I) {
            const double a = I / W[0], b = I / W[1];
            Modulus_Tie(r, q(w), q(i), std::min(a, b), std::max(a, b), &ties);
        };
        fibre(Q_W_1_TOP, Q_I_1, v.W_1_top, v.I_1);
        fibre(Q_W_1_BOTTOM, Q_I_1, v.W_1_bottom, v.I_1);
        fibre(Q_W_2_LEFT, Q_I_2, v.W_2_left, v.I_2);
        fibre(Q_W_2_RIGHT, Q_I_2, v.W_2_right, v.I_2);
    } else {
        const double h = r.Dim(DIM_H), b = r.letter == 'K' ? h : r.Dim(DIM_B);
        const double e_z = r.x[q(Q_E_Z)], e_y = r.x[q(Q_E_Y)];
        Modulus_Tie(r, q(Q_W_1_TOP), q(Q_I_1), h - e_z, h - e_z, &ties);
        Modulus_Tie(r, q(Q_W_1_BOTTOM), q(Q_I_1), e_z, e_z, &ties);
        Modulus_Tie(r, q(Q_W_2_LEFT), q(Q_I_2), e_y, e_y, &ties);
        Modulus_Tie(r, q(Q_W_2_RIGHT), q(Q_I_2), b - e_y, b - e_y, &ties);
        Same_Value_Ties(r, q(Q_I_1), q(Q_I_Y), SAME_VALUE_TIE, &ties);
        Same_Value_Ties(r, q(Q_I_2), q(Q_I_Z), SAME_VALUE_TIE, &ties);
    }
    // A plastic modulus left to the section model (0) is none.
    if (r.x[q(Q_W_PL_Y)] > 0 && r.x[q(Q_W_PL_1)] > 0) Same_Value_Ties(r, q(Q_W_PL_1), q(Q_W_PL_Y), SAME_VALUE_TIE, &ties);
    if (r.x[q(Q_W_PL_Z)] > 0 && r.x[q(Q_W_PL_2)] > 0) Same_Value_Ties(r, q(Q_W_PL_2), q(Q_W_PL_Z), SAME_VALUE_TIE, &ties);
    return ties;
}

Record Make_Record(char letter, int code, const char* name, const float* values, const Layout& at, int count,
                   const char* alias) {
    Record r{letter, code, SERIES_ANY, &at, {}, {}, 0};
    r.x.fill(0);
    for (int i = 0; i < count && i < MAX_VALUES; i++) r.x[i] = values[i];
    for (const char* designation : {name, alias})
        if (Designation_Statement_Of(designation, &r.stated[r.statements])) r.statements++;
    r.series = Series_Of(letter, r.stated, r.statements);
    return r;
}

}  // namespace catalogue
