// record_ranges: the record's ranged values, their names and their places
// in the input file (see the header).
#include "weldapp/record_ranges.h"

#include <algorithm>
#include <cctype>
#include <cmath>
#include <cstdlib>
#include <functional>
#include <map>
#include <set>
#include <utility>

#include "base/cp850.h"
#include "base/textio.h"
#include "codes/input_ranges.h"
#include "platform/field_number.h"
#include "profiles/profile_catalogue.h"
#include "profiles/stahlprofil.h"
#include "weldapp/last_schweissnaht.h"
#include "weldapp/schweissnaht.h"
#include "weldcheck/weld_check.h"
#include "weldcheck/weldelem.h"

// ---- the weld lengths a profile offers ----

static_assert(int{STAHLPROFIL_EDGES} == int{NAHT_SLOTS}, "a profile's weld edges are the weld table's slots");

Weld_Edges Weld_Edges_Of(const Stahlprofil* profile) {
    Weld_Edges e{};
    e.any = profile && Get_Profile_Plate_Elements(profile, e.length, e.code) > 0 &&
            profile->type != PROFILTYP_RUND && profile->type != PROFILTYP_ROHR;
    return e;
}

namespace {

// The catalogue's own profile of the name of a catalogue profile, built in
// *out (which keeps its material); name gets the name trimmed. false where
// the profile is none of the catalogue's, the catalogue lacks it or cannot
// build it (*out may be changed then).
bool Catalogue_Profile_Of(const Stahlprofil& profile, Stahlprofil* out, char (&name)[STAHLPROFIL_NAME_SIZE]) {
    Copy_Trimmed(profile.name, name, sizeof name, 3);
    return profile.kind == STAHLPROFIL_KIND_CATALOGUE && name[0] && Get_Profile_Record(name) &&
           Init_Profile_From_Name(out, name) == 0;
}

}  // namespace

Weld_Edges Published_Weld_Edges(const Stahlprofil* profile) {
    if (!profile) return Weld_Edges{};
    Stahlprofil measured;
    Copy_Profile(profile, &measured);
    char name[STAHLPROFIL_NAME_SIZE];
    if (Catalogue_Profile_Of(*profile, &measured, name)) return Weld_Edges_Of(&measured);
    // The faces' lengths follow from the dimensions (a record just read, or
    // just typed, has not worked them out yet); dimensions that describe no
    // section, and a profile not computable here, give no edges to hold a
    // weld to.
    if (profile->kind == STAHLPROFIL_KIND_FOREIGN || !Profile_Dimensions_Fit(profile)) return Weld_Edges{};
    Calc_Profile_Cross_Section(&measured, nullptr, 0, nullptr);
    return Weld_Edges_Of(&measured);
}

namespace {

// Where the check lays a weld on the rolled face of a sloped flange and
// that face is the shorter, its length (Page_Weld_Edges); true when one
// is.
bool Take_Shorter_Rolled_Faces(const Stahlprofil* profile, double* lengths) {
    double rolled[STAHLPROFIL_EDGES];
    std::copy(lengths, lengths + STAHLPROFIL_EDGES, rolled);
    if (!Weld_Check_Rolled_Face_Lengths(profile, rolled)) return false;
    bool shorter = false;
    for (int i = 0; i < STAHLPROFIL_EDGES; i++)
        if (rolled[i] < lengths[i]) lengths[i] = rolled[i], shorter = true;
    return shorter;
}

}  // namespace

Weld_Edges Page_Weld_Edges(const Stahlprofil* profile) {
    Weld_Edges e = Published_Weld_Edges(profile);
    if (e.any) Take_Shorter_Rolled_Faces(profile, e.length);
    return e;
}

int Lay_Page_Welds(const Stahlprofil* profile, double* lengths, int* numbers) {
    const int count = Get_Profile_Plate_Elements(profile, lengths, numbers);
    if (count > 0) Take_Shorter_Rolled_Faces(profile, lengths);
    return count;
}

Weld_Edges Laid_Weld_Edges(const Stahlprofil* profile, double* lengths) {
    Weld_Edges e = Weld_Edges_Of(profile);
    if (!e.any) return e;
    double plates[STAHLPROFIL_EDGES];
    std::copy(e.length, e.length + STAHLPROFIL_EDGES, plates);
    if (!Take_Shorter_Rolled_Faces(profile, e.length) || !lengths) return e;
    for (int i = 0; i < STAHLPROFIL_EDGES; i++)
        if (e.length[i] < plates[i] && lengths[i] > e.length[i]) lengths[i] = e.length[i];
    return e;
}

namespace {

// The slot's edge as a length may reach it: within the table's range (a
// face of negative length takes none but 0); the table's end where the
// slot has no edge.
double Edge_Of_Slot(const Weld_Edges& e, int slot) {
    const Input_Range& table = Input_Range_Of(RANGE_WELD_LENGTH);
    if (!e.any || slot < 0 || slot >= STAHLPROFIL_EDGES || e.code[slot] <= 0) return table.maximum;
    return std::fmax(table.minimum, std::fmin(e.length[slot], table.maximum));
}

// Whether a length is one the slot's field takes (up to the bound it
// names) or one the page laid at the edge itself (which that bound,
// rounded to the file's places towards the inside, may fall short of).
bool Weld_Length_Holds(const Weld_Edges& e, int slot, double length) {
    const Input_Range range = Weld_Length_Range(e, slot);
    return length >= range.minimum && (length <= range.maximum || length <= Edge_Of_Slot(e, slot));
}

}  // namespace

Input_Range Weld_Length_Range(const Weld_Edges& edges, int slot) {
    Input_Range range = Input_Range_Of(RANGE_WELD_LENGTH);
    range.maximum = VEK_Shown_Bound(Edge_Of_Slot(edges, slot), INPUT_FILE_DECIMALS, 1);
    return range;
}

int Snap_Lengths_To_Edges(Nahtbild* n) {
    if (!n) return 0;
    const Weld_Edges e = Published_Weld_Edges(&n->profile);
    if (!e.any) return 0;
    int snapped = 0;
    for (int i = 0; i < NAHT_SLOTS; i++)
        if (e.code[i] > 0 && n->length[i] != e.length[i] && std::fabs(n->length[i] - e.length[i]) < WELD_EDGE_NOISE) {
            n->length[i] = e.length[i];
            ++snapped;
        }
    return snapped;
}

namespace {

// ---- the words of the file ----

struct File_Word {
    std::string text;  // its first characters: only numbers are read from it
    long line;
};

// The words of blocks of the file, each block from the offset the reader
// took before it; read only for a value that is refused, and at most once
// per block and length.
class Block_Words {
  public:
    explicit Block_Words(FILE* f) : f_(f) {}
    // At least `count` words from `at` on, fewer where the file ends.
    const std::vector<File_Word>& From(long at, size_t count) {
        std::vector<File_Word>& words = blocks_[at];
        if (words.size() < count && !last_line_.count(at)) Read(at, count, &words);
        return words;
    }
    // The word's line. Where the file has no such word (a name with a
    // vertical tab, which a name reader keeps and this one splits, may
    // shift the count), the file's last line: a line of the file all the
    // same.
    long Line(long at, long word) {
        const std::vector<File_Word>& words = From(at, static_cast<size_t>(word < 0 ? 0 : word) + 1);
        if (word >= 0 && static_cast<size_t>(word) < words.size()) return words[static_cast<size_t>(word)].line;
        const auto last = last_line_.find(at);
        return last != last_line_.end() ? last->second : 0;
    }
    // The word as an int; 0 where it is none.
    int Int(long at, long word) {
        const std::vector<File_Word>& words = From(at, static_cast<size_t>(word) + 1);
        return static_cast<size_t>(word) < words.size() ? std::atoi(words[static_cast<size_t>(word)].text.c_str())
                                                        : 0;
    }

  private:
    void Read(long at, size_t count, std::vector<File_Word>* words) {
        words->clear();
        const long kept = std::ftell(f_);
        std::rewind(f_);
        long line = 1;
        int c = 0;
        for (long k = 0; k < at && (c = std::getc(f_)) != EOF; ++k)
            if (c == '\n') ++line;
        while (words->size() < count) {
            c = std::getc(f_);
            while (c != EOF && std::isspace(c)) {
                if (c == '\n') ++line;
                c = std::getc(f_);
            }
            if (c == EOF) {
                last_line_[at] = line;
                break;
            }
            File_Word w{"", line};
            for (; c != EOF && !std::isspace(c); c = std::getc(f_))
                if (w.text.size() < 32) w.text.push_back(static_cast<char>(c));
            if (c != EOF) std::ungetc(c, f_);
            words->push_back(std::move(w));
        }
        std::clearerr(f_);
        std::fseek(f_, kept, SEEK_SET);
    }
    FILE* f_;
    std::map<long, std::vector<File_Word>> blocks_;
    std::map<long, long> last_line_;  // of the blocks read to the file's end
};

// ---- the values ----

// A value's name in the three forms: the print list's (index in its
// markup), a box's and the console's.
struct Named {
    std::string list, screen, console;
};

// "Label s╬\i╬r" and "Label si" of a label, a symbol and its index (each
// may be empty).
Named Name(const std::string& label, const std::string& symbol, const std::string& index, const std::string& console) {
    const std::string head = label.empty() || symbol.empty() ? label : label + " ";
    const std::string marked = index.empty() ? symbol : symbol + "\xCE\\" + index + "\xCEr";
    return {head + marked, head + symbol + index, console};
}

// Where a value stands: its block, and its word there, found from the
// block's words (versions decide some places).
using Word_Of = std::function<long(Block_Words&)>;

// What is told of a refused value.
struct Refused {
    Input_Range range;   // as named: a weld length's up to its edge
    double value;        // as the file holds it
    double factor;       // to the unit named (the contact share's percent: 100)
    const char* unit;    // null: the range's
    Named name;
    long block;
    Word_Of word;
};

// The material block's word of own strength k (0 f_y1, 1 f_u1, ... 5 f_u3)
// from the block's first word on: version 0 holds one pair.
long Strength_Word(Block_Words& w, long at, long first, int k) {
    return w.Int(at, first) == 0 ? first + 3 + k % 2 : first + 10 + k;
}

// The words of a material block of the version at word `first`.
long Material_Words(Block_Words& w, long at, long first) {
    const int version = w.Int(at, first);
    return version <= 0 ? 10 : version == 1 ? 16 : 17;
}

// The profile block's first word of its material: after the name (version
// 1 on).
long Profile_Material_Word(Block_Words& w, long at) { return 13L + (w.Int(at, 0) >= 1 ? 1 : 0); }

// A word of the profile block: `word` itself, or for -1 .. -3 those after
// the material, r_2 (version 3 on), then the manager flag (4 on) and the
// overhangs b_üo, b_üu.
long Profile_Word(Block_Words& w, long at, int word) {
    if (word >= 0) return word;
    const int version = w.Int(at, 0);
    const long m = Profile_Material_Word(w, at);
    const long r_2 = m + Material_Words(w, at, m);
    if (word == -1) return r_2;
    const long b_ueo = r_2 + (version >= 3 ? 1 : 0) + (version >= 4 ? 1 : 0);
    return word == -2 ? b_ueo : b_ueo + 1;
}

// The dimensions of a profile's block: its member, its symbol and index,
// its console name, its range, and its word in the block (-1 .. -3 after
// the material: r_2, b_üo, b_üu; Profile_Word).
struct Profile_Member {
    double Stahlprofil::*value;
    const char *symbol, *index, *console;
    Input_Range_Id range;
    int word;
};

const Profile_Member kProfileMembers[] = {
    {&Stahlprofil::h, "h", "", "h", RANGE_DIMENSION, 3},
    {&Stahlprofil::t_w, "t", "w", "t_w", RANGE_DIMENSION, 4},
    {&Stahlprofil::b_fo, "b", "fo", "b_fo", RANGE_DIMENSION, 5},
    {&Stahlprofil::t_fo, "t", "fo", "t_fo", RANGE_DIMENSION, 6},
    {&Stahlprofil::b_fu, "b", "fu", "b_fu", RANGE_DIMENSION, 7},
    {&Stahlprofil::t_fu, "t", "fu", "t_fu", RANGE_DIMENSION, 8},
    {&Stahlprofil::r_1, "r", "1", "r_1", RANGE_DIMENSION, 10},
    {&Stahlprofil::a_o, "a", "o", "a_o", RANGE_THROAT, 11},
    {&Stahlprofil::a_u, "a", "u", "a_u", RANGE_THROAT, 12},
    {&Stahlprofil::r_2, "r", "2", "r_2", RANGE_DIMENSION, -1},
    {&Stahlprofil::b_ueo, "b", "\x81o", "b_ueo", RANGE_DIMENSION, -2},
    {&Stahlprofil::b_ueu, "b", "\x81u", "b_ueu", RANGE_DIMENSION, -3},
};

// Judges values and tells refuse(Refused) of each outside its range. The
// name and the place are made only for a value refused: a file of many load
// cases costs a comparison per value.
struct Judge {
    std::function<void(const Refused&)> refuse;

    template <class Name, class Word>
    void operator()(Input_Range_Id id, double value, double factor, const char* unit, Name name, long block,
                    Word word) const {
        if (!Input_Range_Holds(id, value * factor))
            refuse(Refused{Input_Range_Of(id), value, factor, unit, name(), block, Word_Of(word)});
    }
    // A value whose range depends on the others (its edge, what the
    // section leaves).
    template <class Name, class Word>
    void Within(const Input_Range& range, double value, Name name, long block, Word word) const {
        if (!(value >= range.minimum && value <= range.maximum))
            refuse(Refused{range, value, 1.0, nullptr, name(), block, Word_Of(word)});
    }
};

Word_Of Fixed(long word) {
    return [word](Block_Words&) { return word; };
}

// The partial factors: gamma_M under DIN 18800; of own factors gamma_M0 and
// gamma_M2, which the checks divide by, and those the program does not use
// (printed all the same), which may be 0 where an older block lacks them.
void Judge_Factors(const SchweissnahtAnschluss& r, const Input_File_Places& at, const Judge& judge) {
    if (r.code_setting == CODE_SETTING_DIN18800)
        judge(RANGE_PARTIAL_FACTOR, r.gamma_M, 1.0, nullptr,
              [] { return Name("Teilsicherheitsbeiwert", "\xC0", "M", "gamma_M"); }, at.head, Fixed(4));
    if (r.safety.from_annex) return;
    using S = Sicherheitsbeiwerte_Record;
    static const struct {
        double S::*value;
        const char* index;
        bool used;
    } kFactors[] = {{&S::gamma_M0, "M0", true},     {&S::gamma_M1, "M1", false},     {&S::gamma_M2, "M2", true},
                    {&S::gamma_M3, "M3", false},    {&S::gamma_M4, "M4", false},     {&S::gamma_M5, "M5", false},
                    {&S::gamma_M6ser, "M6,ser", false}, {&S::gamma_M7, "M7", false}, {&S::gamma_M3ser, "M3,ser", false},
                    {&S::gamma_Mser, "M,ser", false},   {&S::gamma_Mfi, "M,fi", false}};
    for (size_t k = 0; k < sizeof kFactors / sizeof kFactors[0]; ++k) {
        const double v = r.safety.*kFactors[k].value;
        if (!kFactors[k].used && v == 0.0) continue;
        const char* index = kFactors[k].index;
        judge(RANGE_PARTIAL_FACTOR, v, 1.0, nullptr,
              [index] { return Name("Teilsicherheitsbeiwert", "\xC0", index, std::string("gamma_") + index); },
              at.safety, Fixed(2 + static_cast<long>(k)));
    }
}

// Own strengths of a material whose block begins at word `first` (found
// from the block's words) of the block at `block`.
void Judge_Strengths(const Judge& judge, const Materialparameter_Record& m, const char* owner, const char* console,
                     long block, Word_Of first) {
    if (m.own_values != 1) return;
    const double values[6] = {m.f_y1, m.f_u1, m.f_y2, m.f_u2, m.f_y3, m.f_u3};
    for (int k = 0; k < 6; ++k)
        judge(RANGE_STRENGTH, values[k], 1.0, nullptr,
              [&] {
                  const std::string index = std::string(k % 2 ? "u" : "y") + std::to_string(k / 2 + 1);
                  return Name(std::string(owner) + (k % 2 ? ": Zugfestigkeit" : ": Streckgrenze"), "f", index,
                              std::string(console) + " f_" + index);
              },
              block, [first, block, k](Block_Words& w) { return Strength_Word(w, block, first(w), k); });
}

// A typed-in profile's dimensions, and its radii and flange welds up to
// what the others leave them (an I section's root radius up to the smaller
// of the flange outstand and half the clear web): a larger one describes
// no section, and would be computed without it.
void Judge_Profile(const Stahlprofil& p, const Input_File_Places& at, const Judge& judge) {
    if (p.kind != STAHLPROFIL_KIND_DIMENSIONS) return;
    for (const Profile_Member& d : kProfileMembers) {
        auto name = [&d] { return Name("Profil:", d.symbol, d.index, std::string("profile ") + d.console); };
        auto word = [&d, &at](Block_Words& w) { return Profile_Word(w, at.profile, d.word); };
        const double v = p.*d.value;
        if (!Input_Range_Holds(d.range, v)) {
            judge(d.range, v, 1.0, nullptr, name, at.profile, word);
            continue;
        }
        const bool fitted = d.value == &Stahlprofil::r_1 || d.value == &Stahlprofil::r_2 ||
                            d.value == &Stahlprofil::a_o || d.value == &Stahlprofil::a_u;
        const double largest = fitted ? Profile_Largest_Fitting(&p, d.value) : -1;
        if (largest < 0 || v <= largest) continue;
        Input_Range range = Input_Range_Of(d.range);
        range.maximum = VEK_Shown_Bound(largest, 3, 1);
        judge.Within(range, v, name, at.profile, word);
    }
}

// The plate: its thickness; width and length, which no check of this
// program takes, 0 where not given.
void Judge_Plate(const Blech_Record& plate, const Input_File_Places& at, const Judge& judge) {
    judge(RANGE_PLATE_THICKNESS, plate.t, 1.0, nullptr, [] { return Name("Blechdicke", "t", "p", "t_p"); }, at.plate,
          Fixed(1));
    if (plate.b != 0.0)
        judge(RANGE_PLATE_EXTENT, plate.b, 1.0, nullptr, [] { return Name("Blechbreite", "b", "p", "b_p"); },
              at.plate, Fixed(2));
    if (plate.l != 0.0)
        judge(RANGE_PLATE_EXTENT, plate.l, 1.0, nullptr, [] { return Name("Blechl\x84nge", "l", "p", "l_p"); },
              at.plate, Fixed(3));
}

// The weld table's throats and lengths, and the throats of all-round welds.
void Judge_Welds(const Nahtbild& n, int weld_rows, const Input_File_Places& at, const Judge& judge) {
    // The throats a full-penetration butt weld takes from the profile are
    // none of the user's; nor are the lengths of an all-round weld (a
    // full-penetration one is all-round too), which the check lays along
    // the profile's edges whatever the file holds. A single weld is as
    // long as its edge of the profile at most: a longer one would be
    // checked with more weld than the profile has room for. A slot without
    // a weld number holds no weld: only the table's range.
    const bool throats_typed = !(n.weld_kind == WELD_BUTT && n.full_penetration);
    const Weld_Edges edges = n.all_round ? Weld_Edges{} : Published_Weld_Edges(&n.profile);
    const Weld_Edges no_edges{};
    for (int k = 0; k < weld_rows && k < NAHT_SLOTS; ++k) {
        // A slot without a weld number is named by its place in the table.
        const bool numbered = n.number[k] > 0;
        const std::string number = numbered ? std::to_string(n.number[k]) : "";
        const std::string slot = numbered ? "" : "Platz " + std::to_string(k + 1) + ": ";
        const std::string console_slot = numbered ? "" : "slot " + std::to_string(k + 1) + ": ";
        if (throats_typed)
            judge(RANGE_THROAT, n.throat[k], 1.0, nullptr,
                  [&] { return Name(slot + "Nahtdicke", "a", "w" + number, console_slot + "a_w" + number); }, at.welds,
                  Fixed(3L * k));
        const Weld_Edges& edge = numbered ? edges : no_edges;
        if (!n.all_round && !Weld_Length_Holds(edge, k, n.length[k]))
            judge.refuse(Refused{Weld_Length_Range(edge, k), n.length[k], 1.0, nullptr,
                                 Name(slot + "Nahtlänge"_cp, "l", "w" + number, console_slot + "l_w" + number),
                                 at.welds, Fixed(3L * k + 1)});
    }
    judge(RANGE_THROAT, n.a_w, 1.0, nullptr, [] { return Name("Nahtdicke", "a", "w", "a_w"); }, at.throats, Fixed(0));
    judge(RANGE_CONTACT_SHARE, n.contact_fraction, 100.0, nullptr,
          [] { return Name("Kontaktabtrag", "", "", "contact share"); }, at.throats, Fixed(4));
    // Before version 2 both are a_w's (after a no-throat-check flag and the
    // shear split from version 1 on).
    if (at.version >= 2) {
        judge(RANGE_THROAT, n.a_w_fo, 1.0, nullptr, [] { return Name("Nahtdicke", "a", "fo", "a_w,fo"); }, at.throats,
              Fixed(7));
        judge(RANGE_THROAT, n.a_w_fu, 1.0, nullptr, [] { return Name("Nahtdicke", "a", "fu", "a_w,fu"); }, at.throats,
              Fixed(8));
    }
}

// The loads of every case, and the print options' scale and tolerance.
void Judge_Loads_And_Print(const SchweissnahtAnschluss& r, const Input_File_Places& at, const Judge& judge) {
    static const char* const kSymbols[6][2] = {{"N", ""}, {"M", "y"}, {"V", "z"}, {"M", "z"}, {"V", "y"}, {"M", "x"}};
    static const char* const kConsole[6] = {"N", "M_y", "V_z", "M_z", "V_y", "M_x"};
    for (int i = 0; i < r.load_count && r.loads; ++i)
        for (int k = 0; k < 6; ++k)
            judge(RANGE_LOAD, r.loads[i].forces.*LASTFALL_COLUMNS[k], 1.0, k % 2 ? "Nmm" : "N",
                  [&] {
                      return Name("Lastfall " + std::to_string(i + 1) + ":", kSymbols[k][0], kSymbols[k][1],
                                  "load case " + std::to_string(i + 1) + ": " + kConsole[k]);
                  },
                  at.loads, [&at, &r, i, k](Block_Words& w) {
                      // Version 0 holds every case twice, the first time after an unused word.
                      const bool old = w.Int(at.loads, 0) == 0;
                      return (old ? 3L + 7L * r.load_count : 2L) + 7L * i + 1 + k;
                  });
    judge(RANGE_SCALE, r.print.massstab, 1.0, nullptr, [] { return Name("Maßstab der Grafik"_cp, "", "", "scale"); },
          at.print, Fixed(6));
    // The tolerance stands after the switches its block's version has.
    judge(RANGE_TOLERANCE, r.print.toleranz, 1.0, nullptr,
          [] { return Name("Toleranz des Endergebnisses", "", "", "tolerance"); }, at.print,
          [&at](Block_Words& w) { return w.Int(at.print, 0) >= 7 ? 15L : 0L; });
}

// Calls refuse(Refused) for every judged value outside its range, in the
// order of the file. The places are those of `at` (unused when refuse
// never looks at them).
void Each_Refused(const SchweissnahtAnschluss& r, int weld_rows, const Input_File_Places& at,
                  std::function<void(const Refused&)> refuse) {
    const Judge judge{std::move(refuse)};
    Judge_Factors(r, at, judge);
    const Nahtbild& n = r.naht;
    Judge_Strengths(judge, n.material, "Material", "material", at.material, Fixed(0));
    Judge_Profile(n.profile, at, judge);
    Judge_Strengths(judge, n.profile.material, "Profil", "profile", at.profile,
                    [&at](Block_Words& w) { return Profile_Material_Word(w, at.profile); });
    Judge_Plate(n.plate, at, judge);
    Judge_Strengths(judge, n.plate.material, "Blech", "plate", at.plate, Fixed(4));
    Judge_Welds(n, weld_rows, at, judge);
    Judge_Loads_And_Print(r, at, judge);
}

std::string Unit_After(const char* unit) { return unit && *unit ? std::string(" ") + unit : ""; }

}  // namespace

Range_Refusals Input_File_Range_Refusals(FILE* f, const SchweissnahtAnschluss* record,
                                         const Input_File_Places& places) {
    Range_Refusals out;
    if (!f || !record) return out;
    Block_Words words(f);
    std::set<std::pair<long, long>> told;  // a version 0 material's one pair stands for three
    Each_Refused(*record, places.weld_rows, places, [&](const Refused& v) {
        const long word = v.block < 0 ? -1 : v.word(words);
        if (!told.insert({v.block, word}).second) return;
        if (out.named.size() >= RANGE_REFUSALS_NAMED) {
            ++out.more;
            return;
        }
        const Input_Range& range = v.range;
        const std::string unit = Unit_After(v.unit ? v.unit : range.unit);
        // A share of 1e308 is no number of percent: it is too large.
        const double shown = v.value * v.factor;
        const bool finite = std::isfinite(shown);
        // Named as a field's box names them ("100000", "0.1", "1e+300").
        const std::string value = finite ? VEK_Number_Text(shown) + unit : "";
        const std::string low = VEK_Number_Text(range.minimum), high = VEK_Number_Text(range.maximum) + unit;
        const long line = v.block < 0 ? 0 : words.Line(v.block, word);
        const std::string where = "Zeile " + std::to_string(line) + ": ";
        const std::string why = (finite ? " = " + value + " ung\x81ltig" : " zu gro\xE1") + " (nicht zwischen " + low +
                                " und " + high + ")";
        out.named.push_back({line, where + v.name.list + why, where + v.name.screen + why,
                             "line " + std::to_string(line) + ": " + v.name.console +
                                 (finite ? " = " + value : " too large") + " not between " + low + " and " + high});
    });
    return out;
}

int Schweissnaht_Values_In_Range(const SchweissnahtAnschluss* record, int weld_rows) {
    if (!record) return 0;
    bool held = true;
    Each_Refused(*record, weld_rows, Input_File_Places{.version = NAHTBILD_VERSION},
                 [&held](const Refused&) { held = false; });
    return held ? 1 : 0;
}

std::vector<std::string> Range_Refusal_Lines(const Range_Refusals& refusals, int form) {
    std::vector<std::string> lines;
    for (const Range_Refusal& r : refusals.named)
        lines.push_back(form == REFUSAL_LIST ? r.list : form == REFUSAL_SCREEN ? r.screen : r.console);
    if (refusals.more > 0) {
        const std::string n = std::to_string(refusals.more);
        lines.push_back(form == REFUSAL_CONSOLE ? "... and " + n + " more values out of range"
                                                : "... und " + n + (refusals.more == 1 ? " weiterer Wert" : " weitere Werte") +
                                                      " au\xE1" "erhalb ihres Bereichs");
    }
    return lines;
}

// A dimension of the file in the catalogue's notice: as the file keeps it
// (six decimals at most), or from 10 km on, where its digits would be more
// than a reader counts (1e308 has 309), as a number named in a message.
static std::string File_Dimension_Text(double v) {
    return std::fabs(v) < 1e7 ? VEK_Decimal_Text(v, 1, 6) : VEK_Number_Text(v);
}

Catalogue_Notice Take_Catalogue_Dimensions(FILE* f, long profile_at, Stahlprofil* profile) {
    Catalogue_Notice notice;
    if (!profile) return notice;
    char name[STAHLPROFIL_NAME_SIZE];
    Stahlprofil catalogue = *profile;
    if (!Catalogue_Profile_Of(*profile, &catalogue, name)) return notice;
    Block_Words words(f);
    auto line_of = [&](int word) -> long {
        return f && profile_at >= 0 ? words.Line(profile_at, Profile_Word(words, profile_at, word)) : 0;
    };
    std::string console;
    auto differs = [&](const Named& value, int word, const std::string& file, const std::string& cat) {
        const long line = line_of(word);
        const std::string where = "Zeile " + std::to_string(line) + ": ";
        const std::string tail = " = " + file + " statt " + cat;
        notice.list.push_back(where + value.list + tail);
        notice.screen.push_back(where + value.screen + tail);
        console += std::string(console.empty() ? "" : ", ") + "line " + std::to_string(line) + ": " + value.console +
                   " = " + file + ", catalogue " + cat;
    };
    if (profile->type != catalogue.type)
        differs(Name("", "Profiltyp", "", "type"), 2, std::to_string(profile->type), std::to_string(catalogue.type));
    if (profile->rolled != catalogue.rolled)
        differs(Name("", "gewalzt", "", "rolled"), 9, std::to_string(profile->rolled), std::to_string(catalogue.rolled));
    // The file keeps six decimals of the catalogue's single-precision values:
    // those stay as the file gives them, as in every file that was not
    // edited.
    Stahlprofil taken = *profile;
    for (const Profile_Member& m : kProfileMembers) {
        const double file = profile->*m.value, cat = catalogue.*m.value;
        if (std::fabs(file - cat) <= 1e-5) continue;
        taken.*m.value = cat;
        differs(Name("", m.symbol, m.index, m.console), m.word, File_Dimension_Text(file) + " mm",
                VEK_Decimal_Text(cat, 1, 6) + " mm");
    }
    if (notice.list.empty()) return notice;
    taken.type = catalogue.type;
    taken.rolled = catalogue.rolled;
    *profile = taken;
    const std::string shown = name;
    notice.list.insert(notice.list.begin(), "Profil " + shown +
                                                ": die Abmessungen der Eingabedatei weichen vom Profilkatalog ab, "
                                                "es gelten die des Katalogs:");
    notice.screen.insert(notice.screen.begin(),
                         "Die Abmessungen des Profils " + shown + " in der Eingabedatei weichen vom Profilkatalog ab:");
    notice.screen.push_back("Es gelten die Abmessungen des Katalogs; die N\x84hte liegen an seinem Querschnitt.");
    notice.console = "profile " + shown + ": dimensions differ from the catalogue (" + console +
                     "); the catalogue's are taken";
    return notice;
}
