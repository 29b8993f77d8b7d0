// catalogue_designation: the sizes a designation states, by its series.
#include "profiles/catalogue_designation.h"

#include <algorithm>
#include <cctype>
#include <cmath>
#include <cstdlib>
#include <cstring>
#include <iterator>
#include <map>
#include <span>
#include <string>
#include <utility>
#include <vector>

#include "profiles/profile_catalogue.h"

namespace {

// A size written in a designation (mm, or kg/m for a mass) and half a unit
// of its last digit: "300" is 300 ± 0.5, "5.0" 5.0 ± 0.05.
struct Size {
    double value, half_unit;
    std::string shortest;  // as written, without leading zeros and zeros after the last decimal digit
};

// A designation taken apart: the letters before its first size, up to
// three sizes between "X", and the letters after the last.
struct Parts {
    std::string prefix, suffix;
    Size sizes[3];
    int count = 0;
};

// A size of digits with at most one decimal point, at text; its length in
// *used, or 0 when there is none.
bool Read_Size(const char* text, Size* size, size_t* used) {
    size_t n = 0, point = 0, decimals = 0;
    for (; text[n] == '.' || std::isdigit(static_cast<unsigned char>(text[n])); n++) {
        if (text[n] == '.' && point++) return false;
        if (text[n] != '.' && point) decimals++;
    }
    if (n == 0 || text[0] == '.' || text[n - 1] == '.' || n > 12) return false;
    size->value = std::strtod(std::string(text, n).c_str(), nullptr);
    size->half_unit = 0.5 * std::pow(10.0, -static_cast<double>(decimals));
    std::string& s = size->shortest;
    s.assign(text, n);
    if (point) s.erase(s.find_last_not_of('0') + 1);
    if (s.back() == '.') s.pop_back();
    size_t lead = 0;  // leading zeros, but the one before the point
    while (lead + 1 < s.size() && s[lead] == '0' && s[lead + 1] != '.') lead++;
    s.erase(0, lead);
    *used = n;
    return size->value > 0;
}

bool Split(const std::string& key, Parts* p) {
    size_t at = 0;
    while (at < key.size() && std::isupper(static_cast<unsigned char>(key[at]))) at++;
    p->prefix = key.substr(0, at);
    if (p->prefix.empty()) return false;
    for (;;) {
        size_t used = 0;
        if (p->count == 3 || !Read_Size(key.c_str() + at, &p->sizes[p->count], &used)) return false;
        p->count++;
        at += used;
        if (at >= key.size() || key[at] != 'X') break;
        at++;
    }
    p->suffix = key.substr(at);
    const auto letter = [](char c) { return std::isupper(static_cast<unsigned char>(c)) != 0; };
    return std::all_of(p->suffix.begin(), p->suffix.end(), letter);
}

// A designation as its parts spell it: the letters, the sizes in their
// shortest form between "X" ("C180X54X22.0" is "C180X54X22"), the letters
// after.
std::string Spelled(const Parts& p) {
    std::string text = p.prefix;
    for (int i = 0; i < p.count; i++) text += (i ? "X" : "") + p.sizes[i].shortest;
    return text + p.suffix;
}

// The wide-flange series of EN 10365 by size: the depth of HE A, HE AA and
// HE M and the width of HE M (mm); HE B is as deep as its size, and HE A,
// AA and B are as wide up to 300 and 300 wide above. All four of a size
// come from one pair of rolls: they share the depth between the flanges,
// h - 2 t_f (HE 320 B and HE 340 AA are both 320 deep and 300 wide; 279
// and 297 between the flanges).
struct HE_Row {
    int size, h_a, h_aa, h_m, b_m, inner;
};
constexpr HE_Row HE_ROWS[] = {
    {100, 96, 91, 120, 106, 80},    {120, 114, 109, 140, 126, 98},  {140, 133, 128, 160, 146, 116},
    {160, 152, 148, 180, 166, 134}, {180, 171, 167, 200, 186, 152}, {200, 190, 186, 220, 206, 170},
    {220, 210, 205, 240, 226, 188}, {240, 230, 224, 270, 248, 206}, {260, 250, 244, 290, 268, 225},
    {280, 270, 264, 310, 288, 244}, {300, 290, 283, 340, 310, 262}, {320, 310, 301, 359, 309, 279},
    {340, 330, 320, 377, 309, 297}, {360, 350, 339, 395, 308, 315}, {400, 390, 378, 432, 307, 352},
    {450, 440, 425, 478, 307, 398}, {500, 490, 472, 524, 306, 444}, {550, 540, 522, 572, 306, 492},
    {600, 590, 571, 620, 305, 540}, {650, 640, 620, 668, 305, 588}, {700, 690, 670, 716, 304, 636},
    {800, 790, 770, 814, 303, 734}, {900, 890, 870, 910, 302, 830}, {1000, 990, 970, 1008, 302, 928},
};
// HL 1000 of EN 10365 (the series' one size here): A, AA, B 400 wide, M 402.
constexpr HE_Row HL_ROWS[] = {{1000, 990, 982, 1008, 402, 928}};

// The I beams by size: depth and width (mm) of IPE, IPE A, IPE O, IPE V
// (EN 10365), IPE R, and of the I beams with sloped flanges (I, IPN).
struct Beam_Row {
    int size;
    double h, b;
};
constexpr Beam_Row IPE_ROWS[] = {{80, 80, 46},    {100, 100, 55},  {120, 120, 64},  {140, 140, 73},  {160, 160, 82},
                                 {180, 180, 91},  {200, 200, 100}, {220, 220, 110}, {240, 240, 120}, {270, 270, 135},
                                 {300, 300, 150}, {330, 330, 160}, {360, 360, 170}, {400, 400, 180}, {450, 450, 190},
                                 {500, 500, 200}, {550, 550, 210}, {600, 600, 220}};
constexpr Beam_Row IPEA_ROWS[] = {{120, 117.6, 64}, {140, 137.4, 73},  {160, 157, 82},  {180, 177, 91},
                                  {200, 197, 100},  {220, 217, 110},   {240, 237, 120}, {270, 267, 135},
                                  {300, 297, 150},  {330, 327, 160},   {360, 357.6, 170}, {400, 397, 180},
                                  {450, 447, 190},  {500, 497, 200},   {550, 547, 210}, {600, 597, 220}};
constexpr Beam_Row IPEO_ROWS[] = {{180, 182, 92},  {200, 202, 102}, {220, 222, 112}, {240, 242, 122}, {270, 274, 136},
                                  {300, 304, 152}, {330, 334, 162}, {360, 364, 172}, {400, 404, 182}, {450, 456, 192},
                                  {500, 506, 202}, {550, 556, 212}, {600, 610, 224}};
constexpr Beam_Row IPEV_ROWS[] = {{400, 408, 182}, {450, 460, 194}, {500, 514, 204}, {550, 566, 216}, {600, 618, 228}};
constexpr Beam_Row IPER_ROWS[] = {{140, 142, 72},  {160, 162, 81},  {180, 183, 92},  {200, 204, 98},  {220, 225, 108},
                                  {240, 245, 118}, {270, 276, 133}, {300, 306, 147}, {330, 336, 158}, {360, 366, 168},
                                  {400, 407, 178}, {450, 458, 188}, {500, 508, 198}, {550, 560, 210}, {600, 608, 218}};
constexpr Beam_Row I_ROWS[] = {{80, 80, 42},    {100, 100, 50},  {120, 120, 58},  {140, 140, 66},  {160, 160, 74},
                               {180, 180, 82},  {200, 200, 90},  {220, 220, 98},  {240, 240, 106}, {260, 260, 113},
                               {280, 280, 119}, {300, 300, 125}, {320, 320, 131}, {340, 340, 137}, {360, 360, 143},
                               {380, 380, 149}, {400, 400, 155}, {425, 425, 163}, {450, 450, 170}, {475, 475, 178},
                               {500, 500, 185}, {550, 550, 200}, {600, 600, 215}};
// The channels of EN 10365 (U, UPN) by size: as deep as their size, width
// (mm); U 60 is the small channel 60 x 30.
constexpr Beam_Row U_ROWS[] = {{50, 50, 38},    {60, 60, 30},    {65, 65, 42},    {80, 80, 45},    {100, 100, 50},
                               {120, 120, 55},  {140, 140, 60},  {160, 160, 65},  {180, 180, 70},  {200, 200, 75},
                               {220, 220, 80},  {240, 240, 85},  {260, 260, 90},  {280, 280, 95},  {300, 300, 100},
                               {320, 320, 100}, {350, 350, 100}, {380, 380, 102}, {400, 400, 110}};

// The shapes named by nominal depth, width and mass per metre (the American
// W, S, M, HP and C, the HD and HP columns, IPE 750 by depth and mass). A
// nominal size names a group rolled with one pair of rolls: the group
// shares its depth between the flanges, h - 2 t_f, and its flanges' width
// beside the web, b - t_w, and its heavier members grow outwards from the
// lightest, which stands near the nominal sizes, by thicker flanges and a
// thicker web. So the depth between the flanges lies below the nominal
// depth and the width beside the web below the nominal width; a group
// named by a rounded-up depth has down to 0.80 of it between its flanges
// (HD 400 and HP 400: 320 mm), a channel down to 0.86 of its width beside
// its web (C 150 x 51: 43.8 mm). Depth and width themselves follow the
// flanges and the web and are not bound by the name: the heaviest columns
// stand half again as deep as it (HD 400 x 1299: 600 deep, 476 wide). The
// bands hold 0.75 to 1.02 of the nominal sizes, and the mass that the area
// gives with 7850 kg/m³ within 2 % of the stated one (the tables round the
// mass to three figures from an area of their own rounding; the shipped
// tables lie within 0.988 and 1.013).
//
// Measured over the shipped records of each series (actual / nominal; A
// 7850 kg/m³ / stated mass):
//
//  series (records)  (h - 2 t_f) / d   (b - t_w) / b_n   mass
//  W (161)           0.8363 0.9640     0.9151 0.9864     0.9891 1.0131
//  HD (25)           0.7975 0.8900     0.9400 0.9944     0.9966 1.0025
//  HP (19)           0.8872 0.9100     0.9171 0.9860     0.9876 1.0131
//  S (6)             0.8400 0.9160     0.8957 0.9512     0.9882 0.9989
//  C (22)            0.8856 0.9272     0.8553 0.9105     0.9908 1.0134
//  IPE 750 (8)       0.9584 0.9592     -                 0.9968 1.0045
//
// Within them no shipped record passes under the name of another group:
// the mass tells the weights of a group apart, the depth between the
// flanges the groups of equal mass (W 250 x 145 x 44.8 and W 360 x 170 x
// 44.8); a size of the tables is held to its published dimensions besides
// (Hold_To_Published).
struct Shape_Series {
    const char* prefix;
    char letter;
    Designation_Tables tables;
    double slope;
};
constexpr Shape_Series SHAPE_SERIES[] = {
    {"W", 'D', TABLES_W, 0},         {"M", 'D', TABLES_M, 0},         {"HD", 'D', TABLES_EUROPEAN, 0},
    {"HP", 'D', TABLES_HP, 0},       {"S", 'D', TABLES_S, 1.0 / 6},   {"C", 'U', TABLES_C, 1.0 / 6},
};
constexpr Shape_Series IPE_BY_MASS = {"IPE", 'D', TABLES_EUROPEAN, 0};
constexpr double GROUP_BAND[2] = {0.75, 1.02};  // of the nominal depth and width
constexpr double MASS_BAND[2] = {0.98, 1.02};   // of the stated mass

// A size a designation spells out or its series' table gives is the
// nominal size of the section, not a rounded one: held within 1 %, as a
// published size's web and flanges are (Hold_To_Published). Read as half a
// unit of its last digit, an angle's wall of "4" took 4.48 mm and every
// section value of that thicker outline (L 40 x 40 x 4 under N 75.28 kN:
// 0.936 for 1.040).
constexpr double NOMINAL_SHARE = 0.01;

// A standard slope of the inner flange faces is held within the rounding
// of the values that tell it (the judgement of value 27 holds the same).
constexpr double SLOPE_HALF_WIDTH = 0.003;

// Builds a statement in the record's units (cm). `published` is the
// designation as the tables spell it (Published_Size_Of reads it).
struct Builder {
    Designation_Statement* s;
    std::string published;
    void Add(Stated_Kind kind, double lo, double hi, double value = NAN) {
        if (s->count < DESIGNATION_MAX_STATED) s->stated[s->count++] = {kind, lo, hi, value};
    }
    void Exact(Stated_Kind kind, double mm, double half_unit) {
        Add(kind, (mm - half_unit) / 10, (mm + half_unit) / 10, mm / 10);
    }
    // A nominal size: within 1 % of it, never beyond half a unit of the last
    // digit it is written with.
    void Nominal(Stated_Kind kind, double mm, double half_unit) {
        Exact(kind, mm, std::min(half_unit, NOMINAL_SHARE * mm));
    }
    void Nominal(Stated_Kind kind, Size size) { Nominal(kind, size.value, size.half_unit); }
    void Band(Stated_Kind kind, double nominal_mm, const double* band) {
        Add(kind, nominal_mm * band[0] / 10, nominal_mm * band[1] / 10);
    }
    void Slope(double slope) { Add(STATED_SLOPE, slope - SLOPE_HALF_WIDTH, slope + SLOPE_HALF_WIDTH, slope); }
    void Root() { Add(STATED_ROOT, 0, INFINITY); }
    void Rolled(char letter, double slope) {
        s->letter = letter;
        Slope(slope);
        Root();
    }
    // Takes out the ranges of a kind.
    void Drop(Stated_Kind kind) {
        s->count = static_cast<int>(std::remove_if(s->stated, s->stated + s->count,
                                                   [kind](const Stated_Range& r) { return r.kind == kind; }) -
                                    s->stated);
    }
    bool Holds(Stated_Kind kind) const {
        return std::any_of(s->stated, s->stated + s->count, [kind](const Stated_Range& r) { return r.kind == kind; });
    }
};

// The row of a series table for a size, null when the series has none.
template <class Rows>
auto Row_Of(const Rows& rows, double size) -> decltype(&*std::begin(rows)) {
    for (const auto& row : rows)
        if (row.size == size) return &row;
    return nullptr;
}

// Half a unit of the last digit of a table's dimension: whole millimetres,
// or tenths where the table gives them.
double Half_Unit(double mm) { return mm == std::floor(mm) ? 0.5 : 0.05; }

// HE and HL by their suffix (A, AA, B, M), in either spelling (HE 300 B,
// HEB 300, and the older IPB 300, IPBL for HE A, IPBV for HE M).
bool Wide_Flange(const Parts& p, Builder* b) {
    std::string series = p.suffix, family = p.prefix;
    if (p.suffix.empty()) {
        static const struct { const char* prefix; const char* family; const char* series; } spellings[] = {
            {"HEA", "HE", "A"}, {"HEAA", "HE", "AA"}, {"HEB", "HE", "B"}, {"HEM", "HE", "M"},
            {"IPBL", "HE", "A"}, {"IPB", "HE", "B"},  {"IPBV", "HE", "M"}};
        for (const auto& s : spellings)
            if (p.prefix == s.prefix) family = s.family, series = s.series;
    } else if (p.prefix != "HE" && p.prefix != "HL") {
        return false;
    }
    if ((family != "HE" && family != "HL") || p.count != 1) return false;
    const bool hl = family == "HL";
    const HE_Row* row = hl ? Row_Of(HL_ROWS, p.sizes[0].value) : Row_Of(HE_ROWS, p.sizes[0].value);
    if (!row) return false;
    const double width = hl ? 400 : std::min(row->size, 300);
    double h = 0, w = width;
    if (series == "A") h = row->h_a;
    else if (series == "AA") h = row->h_aa;
    else if (series == "B") h = row->size;
    else if (series == "M") h = row->h_m, w = row->b_m;
    else return false;
    b->Nominal(STATED_H, h, 0.5);
    b->Nominal(STATED_B, w, 0.5);
    b->Nominal(STATED_INNER, row->inner, 0.5);
    b->Rolled('D', 0);
    b->s->tables = TABLES_EUROPEAN;
    b->published = family + std::to_string(row->size) + series;
    return true;
}

// IPE and its lighter and heavier series, the I beams (I, IPN) with
// flanges sloped 14 %, the channels (U, UPN) sloped 8 % up to U 300 and 5 %
// above; the small channels by depth and width.
bool Beam(const Parts& p, Builder* b) {
    if (!p.suffix.empty() || p.count == 0) return false;
    static const struct {
        const char* prefix;
        std::span<const Beam_Row> rows;
        char letter;
        double slope;  // of the flanges; a channel's by its size
    } series[] = {{"IPE", IPE_ROWS, 'D', 0},   {"IPEA", IPEA_ROWS, 'D', 0}, {"IPEO", IPEO_ROWS, 'D', 0},
                  {"IPEV", IPEV_ROWS, 'D', 0}, {"IPER", IPER_ROWS, 'D', 0}, {"I", I_ROWS, 'D', 0.14},
                  {"IPN", I_ROWS, 'D', 0.14},  {"U", U_ROWS, 'U', 0},       {"UPN", U_ROWS, 'U', 0}};
    for (const auto& s : series) {
        if (p.prefix != s.prefix) continue;
        const double size = p.sizes[0].value;
        const bool channel = s.letter == 'U';
        if (channel && p.count == 2) {  // U 40 x 20: depth and width
            b->Nominal(STATED_H, p.sizes[0]);
            b->Nominal(STATED_B, p.sizes[1]);
        } else {
            if (p.count != 1) return false;
            const Beam_Row* row = Row_Of(s.rows, size);
            if (!row && !channel) return false;
            b->Nominal(STATED_H, row ? row->h : size, row ? Half_Unit(row->h) : p.sizes[0].half_unit);
            if (row) b->Nominal(STATED_B, row->b, Half_Unit(row->b));
        }
        const double slope = channel ? (p.count == 1 && size > 300 ? 0.05 : 0.08) : s.slope;
        // IPE R's radii were not published: its records have none.
        if (p.prefix == "IPER") b->s->letter = 'D', b->Slope(0);
        else b->Rolled(s.letter, slope);
        b->s->tables = TABLES_EUROPEAN;
        b->published = Spelled(p);
        return true;
    }
    return false;
}

// Angles, hollow sections and tubes spell out their sizes and wall, flat
// bars (EN 10058, FL 100 x 10) their width and thickness, round bars (EN
// 10060, RD 20) their diameter.
bool Spelled_Out(const Parts& p, Builder* b) {
    if (!p.suffix.empty()) return false;
    const std::string& s = p.prefix;
    const int n = p.count;
    if ((s == "FL" && n == 2) || (s == "RD" && n == 1)) {
        // A flat bar's record holds its thickness as h and its width as b,
        // whichever the name writes first.
        const bool flat = s == "FL";
        const bool wide_first = flat && p.sizes[0].value >= p.sizes[1].value;
        b->s->letter = flat ? 'F' : 'O';
        b->s->tables = TABLES_EUROPEAN;
        b->Nominal(STATED_H, p.sizes[flat && wide_first ? 1 : 0]);
        if (flat) b->Nominal(STATED_B, p.sizes[wide_first ? 0 : 1]);
        return true;
    }
    Size h = p.sizes[0], w = p.sizes[0], t = p.sizes[n - 1];
    if (n == 3 && p.sizes[1].value > h.value) w = h, h = p.sizes[1];
    else if (n == 3) w = p.sizes[1];
    char letter = 0;
    if (s == "L" && (n == 2 || n == 3)) letter = 'L';
    else if ((s == "MSH" || s == "RHS" || s == "RR") && n == 3) letter = 'R';
    else if ((s == "SHS" || s == "QR") && n == 2) letter = 'R';
    else if ((s == "R" || s == "CHS") && n == 2) letter = 'K';
    if (!letter) return false;
    b->s->letter = letter;
    b->s->tables = TABLES_EUROPEAN;
    b->Nominal(STATED_H, h);
    b->Nominal(STATED_B, w);
    b->Nominal(STATED_WALL, t);
    return true;
}

// The shapes named by nominal depth, width and mass per metre, and IPE 750
// by depth and mass: the group's bands, then the mass.
bool Shape(const Parts& p, Builder* b) {
    if (!p.suffix.empty()) return false;
    const Shape_Series* series = nullptr;
    if (p.prefix == "IPE" && p.count == 2) series = &IPE_BY_MASS;
    for (const Shape_Series& s : SHAPE_SERIES)
        if (p.prefix == s.prefix && p.count == 3) series = &s;
    if (!series) return false;
    const double d = p.sizes[0].value, mass = p.sizes[p.count - 1].value;
    b->Band(STATED_INNER, d, GROUP_BAND);
    if (p.count == 3) b->Band(STATED_OUTSTAND, p.sizes[1].value, GROUP_BAND);
    b->Add(STATED_AREA, mass * MASS_BAND[0] / STEEL_KG_PER_M_CM2, mass * MASS_BAND[1] / STEEL_KG_PER_M_CM2);
    b->Rolled(series->letter, series->slope);
    b->s->tables = series->tables;
    b->published = Spelled(p);
    return true;
}

// Tees of EN 10055 (as wide as deep) and zeds (as deep as their size).
bool Tee_Or_Zed(const Parts& p, Builder* b) {
    if ((p.prefix != "T" && p.prefix != "Z") || !p.suffix.empty() || p.count != 1) return false;
    b->s->letter = p.prefix[0];
    b->s->tables = TABLES_EUROPEAN;
    b->Nominal(STATED_H, p.sizes[0]);
    if (p.prefix == "T") b->Nominal(STATED_B, p.sizes[0]);
    return true;
}

// The published dimensions of a size of the tables, by its designation
// as Spelled gives it (a UPN by its U, an IPN by its I and back); null when
// the tables have none. The tables' own spelling is found by bisection of
// their sorted sizes; the few they spell otherwise ("C180X54X22.0") through
// an index of the shortest spellings, built the first time one is missed.
const Published_Size* Published_Size_Of(const std::string& spelled) {
    static const std::pair<const char*, const char*> aliases[] = {{"UPN", "U"}, {"IPN", "I"}, {"I", "IPN"}};
    std::vector<std::string> spellings{spelled};
    Parts p;
    if (!Split(spelled, &p)) return nullptr;
    for (const auto& [from, to] : aliases) {
        if (p.prefix != from) continue;
        Parts other = p;
        other.prefix = to;
        spellings.push_back(Spelled(other));
    }
    const Published_Size* end = PUBLISHED_SIZES + PUBLISHED_SIZE_COUNT;
    for (const std::string& name : spellings) {
        const Published_Size* at = std::lower_bound(PUBLISHED_SIZES, end, name, [](const Published_Size& t, const std::string& n) {
            return std::strcmp(t.name, n.c_str()) < 0;
        });
        if (at != end && name == at->name) return at;
    }
    static const std::map<std::string, const Published_Size*> shortest = [] {
        std::map<std::string, const Published_Size*> sizes;
        for (int i = 0; i < PUBLISHED_SIZE_COUNT; i++) {
            Parts q;
            if (Split(PUBLISHED_SIZES[i].name, &q)) sizes.emplace(Spelled(q), &PUBLISHED_SIZES[i]);
        }
        return sizes;
    }();
    for (const std::string& name : spellings)
        if (const auto found = shortest.find(name); found != shortest.end()) return found->second;
    return nullptr;
}

// A published dimension (mm as its table writes it) as a range: within the
// share given of it, and at least half a unit of its last digit (depth and
// width) or 0.05 mm (thicknesses and radii, which the tables give to a
// tenth of a millimetre where they have one: HE 220 AA's web of 6 mm is
// 6.0, not 6 +- 0.5).
void Published(Builder* b, Stated_Kind kind, const char* text, double share) {
    Size size;
    size_t used = 0;
    if (!text || !Read_Size(text, &size, &used) || text[used]) return;
    const double least = kind == STATED_H || kind == STATED_B ? size.half_unit : 0.05;
    b->Exact(kind, size.value, std::max(least, share * size.value));
}

// A size of the tables is held to its published dimensions as well: depth
// and width, web and flanges within 1 % (tables that round to three
// figures differ by that; a web 5 % thicker than the size's, which its
// section values can hardly tell, is not its size), a published root
// radius within 5 % (the same rolled section's radius in another table:
// HD 400 x 678's 15 mm, W 360 x 410 x 677's 15.3 from the design distance
// k, IPE 750 x 147's 17 and 16.5), a derived one (the American shapes'
// k_des - t_f, which a detailing table's k exceeds by up to a sixteenth of
// an inch) within 20 %. The series' own ranges stand first, so that a
// record of another size of the series is named by the size that tells it
// (the mass of the shapes named by it).
void Hold_To_Published(const Published_Size& t, Builder* b) {
    constexpr double DIMENSION_SHARE = 0.01, ROOT_SHARE = 0.05, DERIVED_ROOT_SHARE = 0.20;
    if (t.letter != b->s->letter) return;
    std::vector<Stated_Range> slope;
    for (int i = 0; i < b->s->count; i++)
        if (b->s->stated[i].kind == STATED_SLOPE) slope.push_back(b->s->stated[i]);
    const bool rolled = b->Holds(STATED_ROOT);
    b->Drop(STATED_SLOPE);
    b->Drop(STATED_ROOT);
    if (!b->Holds(STATED_H)) Published(b, STATED_H, t.h, DIMENSION_SHARE);
    if (!b->Holds(STATED_B)) Published(b, STATED_B, t.b, DIMENSION_SHARE);
    Published(b, STATED_WEB, t.t_w, DIMENSION_SHARE);
    Published(b, STATED_FLANGE, t.t_f, DIMENSION_SHARE);
    for (const Stated_Range& r : slope) b->Add(r.kind, r.lo, r.hi, r.value);
    if (*t.r_1) Published(b, STATED_ROOT, t.r_1, t.root_derived ? DERIVED_ROOT_SHARE : ROOT_SHARE);
    else if (rolled) b->Root();
}

bool Whole_Profile(const std::string& key, Designation_Statement* s) {
    Parts p;
    if (!Split(key, &p)) return false;
    Builder b{s, {}};
    if (!(Wide_Flange(p, &b) || Beam(p, &b) || Spelled_Out(p, &b) || Shape(p, &b) || Tee_Or_Zed(p, &b))) return false;
    if (const Published_Size* published = b.published.empty() ? nullptr : Published_Size_Of(b.published))
        Hold_To_Published(*published, &b);
    // Every HP pile's web is as thick as its flanges. Held by its mass,
    // depth and width alone, HP 220 x 220 x 57.2 (no size of the tables
    // here) with a web of 12.1 and flanges of 10.7 mm, its values
    // consistent and its mass 1.1 % over, took V_z 290.2 kN at 0.951 for
    // the honest section's 1.040. After a published size's own web and
    // flanges, which name a record of the tables first.
    if (s->tables == TABLES_HP) b.Add(STATED_WEB_TO_FLANGE, 1 - HP_WALL_SHARE, 1 + HP_WALL_SHARE, 1);
    return true;
}

// A half section cut at mid-depth from an I or H beam: a tee half as deep,
// as wide, its flanges as the beam's.
bool Half_Profile(const std::string& parent, Designation_Statement* s) {
    Parts p;
    if (!Split(parent, &p) || !p.suffix.empty() || p.count != 1) return false;
    static const char* const parents[] = {"I", "IPN", "IPE", "IPB", "IPBL", "IPBV"};
    if (std::none_of(std::begin(parents), std::end(parents), [&](const char* x) { return p.prefix == x; }))
        return false;
    if (!Whole_Profile(parent, s)) return false;
    s->letter = 'T';
    int kept = 0;
    for (int i = 0; i < s->count; i++) {
        Stated_Range r = s->stated[i];
        if (r.kind == STATED_INNER) continue;  // a tee has one flange
        if (r.kind == STATED_H) r.lo /= 2, r.hi /= 2, r.value /= 2;
        s->stated[kept++] = r;
    }
    s->count = kept;
    return true;
}

}  // namespace

int Designation_Statement_Of(const char* name, Designation_Statement* statement) {
    if (!statement) return 0;
    *statement = Designation_Statement{};
    if (!name) return 0;
    // No designation is longer than a record's 39 characters of text: the
    // key keeps one more to tell a longer one.
    char compact[41];
    Profile_Designation_Key(name, compact, sizeof compact);
    const std::string key = compact;
    if (key.size() > 39) return 0;
    bool known;
    if (key.rfind("1/2", 0) == 0) known = Half_Profile(key.substr(3), statement);
    else if (!key.empty() && static_cast<unsigned char>(key[0]) == 0xAB) known = Half_Profile(key.substr(1), statement);
    else known = Whole_Profile(key, statement);
    if (!known) *statement = Designation_Statement{};
    return known ? 1 : 0;
}
