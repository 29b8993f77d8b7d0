// The connection as its input file gave it, and what the pages changed of
// it (see the header).
#include "weldapp/filed_record.h"

#include <cstddef>
#include <cstring>
#include <functional>
#include <string>
#include <vector>

#include "base/cp850.h"
#include "codes/alguete.h"
#include "codes/material.h"
#include "platform/field_number.h"
#include "platform/msgbox.h"
#include "weldapp/code_materials.h"
#include "weldapp/record_ranges.h"
#include "weldapp/schweissnaht.h"
#include "weldcheck/weldelem.h"

namespace {

using Record = SchweissnahtAnschluss;

// A run of bytes of the record that holds one input value (or several of
// one kind side by side).
struct Span {
    size_t at, size;
};

// The bytes of a member of the record; of element k of an array member.
#define FIELD(member) Span{offsetof(Record, member), sizeof(static_cast<Record*>(nullptr)->member)}
#define ELEMENT(member, k)                                                           \
    Span {                                                                           \
        offsetof(Record, member) + (k) * sizeof(static_cast<Record*>(nullptr)->member[0]), \
            sizeof(static_cast<Record*>(nullptr)->member[0])                          \
    }

using Text = std::function<std::string(const Record&)>;

// A value, or values that only make sense together, and how the box of the
// opened file names it. A unit the user changed is taken whole.
struct Unit {
    Text label;               // what the box calls it (for the record the file gave)
    Text text;                // the value as the box says it; null: never named
    std::vector<Span> spans;  // where the record holds it
    int material = -1;        // 0..2: the values of material k (see Taken_As_The_Pages_Hold_It)
    // Whether the pages show the unit of this record at all (null: always).
    std::function<bool(const Record&)> shown;
    // A value of the profile, a weld length along its edges.
    enum Part { OTHER, PROFILE, LENGTH } part = OTHER;
};

bool Same(const Record& a, const Record& b, const Unit& u) {
    const char* pa = reinterpret_cast<const char*>(&a);
    const char* pb = reinterpret_cast<const char*>(&b);
    for (const Span& s : u.spans)
        if (std::memcmp(pa + s.at, pb + s.at, s.size) != 0) return false;
    return true;
}

void Put(Record* to, const Record& from, const Unit& u) {
    char* pt = reinterpret_cast<char*>(to);
    const char* pf = reinterpret_cast<const char*>(&from);
    for (const Span& s : u.spans) std::memcpy(pt + s.at, pf + s.at, s.size);
}

Materialparameter_Record* Material_Of(Record& r, int k) {
    return k == 0 ? &r.naht.material : k == 1 ? &r.naht.profile.material : &r.naht.plate.material;
}
const Materialparameter_Record& Material_Of(const Record& r, int k) {
    return *Material_Of(const_cast<Record&>(r), k);
}

// A grade that the steel list of DIN 18800 holds is the pages' and is
// filed as the input file's writer files it: as the steel the list takes
// (the save names a grade that is lost so), unless that is the file's own
// grade, which then keeps the values the file gave it.
bool Taken_As_The_Pages_Hold_It(const Record& now, const Record& file, const Unit& u) {
    if (u.material < 0 || Material_Of(now, u.material).kind != 1) return false;
    const Materialparameter_Record filed = Filed_Material(&now, u.material);
    const Materialparameter_Record& held = Material_Of(file, u.material);
    return filed.grade != held.grade || filed.own_values != held.own_values || held.kind != 0;
}

std::string Millimetres(double v) { return VEK_Decimal_Text(v, 1, INPUT_FILE_DECIMALS) + " mm"; }
std::string Number(double v) { return VEK_Decimal_Text(v, 1, INPUT_FILE_DECIMALS); }
std::string Ticked(int v) { return v ? "angehakt" : "nicht angehakt"; }

std::string Trimmed(const char* text, size_t size) {
    std::string s(text, strnlen(text, size));
    while (!s.empty() && s.back() == ' ') s.pop_back();
    return s;
}

std::string Arrangement(const Record& r) {
    const Nahtbild& n = r.naht;
    std::string text = std::string(Weld_Kind_Name(n.weld_kind)) + (n.all_round ? ", umlaufend" : ", Einzelnähte"_cp);
    if (n.full_penetration) text += ", durchgeschweißt"_cp;
    return text;
}

// A material by its grade ("S355", "Edelstahl") and, where they are its
// own, its strengths by thickness range.
std::string Material_Text(const Materialparameter_Record& m) {
    std::string grade;
    if (m.kind == 2) grade = Trimmed(Get_Aluguete_Name(static_cast<unsigned>(m.grade)), 64);
    else if (m.kind == 1) grade = Steel_Choice_Name(m.grade) ? Trimmed(Steel_Choice_Name(m.grade), 64) : "";
    else if (m.grade == WELD_GRADE_STAINLESS) grade = "Edelstahl";
    else if (Weld_Grade_Table_Name(m.grade)) grade = Trimmed(Weld_Grade_Table_Name(m.grade), 64);
    if (grade.empty()) grade = "Nr. " + std::to_string(m.grade);
    if (m.own_values) grade += ", Vorgabe";
    if (!m.own_values && m.grade != WELD_GRADE_STAINLESS) return grade;
    grade += " fy " + Number(m.f_y1) + ", fu " + Number(m.f_u1);
    if (m.f_y2 != m.f_y1 || m.f_u2 != m.f_u1 || m.f_y3 != m.f_y1 || m.f_u3 != m.f_u1)
        grade += " / " + Number(m.f_y2) + ", " + Number(m.f_u2) + " / " + Number(m.f_y3) + ", " + Number(m.f_u3);
    return grade + " N/mm²"_cp;
}

Text Fixed(const char* label) {
    return [label](const Record&) { return std::string(label); };
}

bool Ec(const Record& r) { return r.code_setting != CODE_SETTING_DIN18800; }
bool Typed_In(const Record& r) { return r.naht.profile.kind == STAHLPROFIL_KIND_DIMENSIONS; }

// A unit of the values at spans, named by label, said by text.
void Add(std::vector<Unit>& u, Text label, Text text, std::vector<Span> spans,
         std::function<bool(const Record&)> shown = {}) {
    u.push_back(Unit{std::move(label), std::move(text), std::move(spans), -1, std::move(shown)});
}

// The code, the checks and methods, the partial factors.
void Head_Units(std::vector<Unit>& u) {
    Add(u, Fixed("Vorschrift"),
        [](const Record& r) { return std::string(r.code_setting == CODE_SETTING_DIN18800 ? "DIN 18800" : "EC 3"); },
        {FIELD(code_setting)});
    Add(u, Fixed("Querschnittstragfähigkeit"_cp), [](const Record& r) { return Ticked(r.section_check); },
        {FIELD(section_check)});
    Add(u, Fixed("Verfahren des Querschnitts"),
        [](const Record& r) { return std::string(r.section_method ? "Elastisch-Plastisch" : "Elastisch-Elastisch"); },
        {FIELD(section_method)}, Ec);
    Add(u, Fixed("Verfahren der Schweißnähte"_cp),
        [](const Record& r) { return std::string(r.weld_method ? "richtungsbezogen" : "vereinfacht"); },
        {FIELD(weld_method)}, Ec);
    Add(u, Fixed("Materialsicherheitsbeiwert"), [](const Record& r) { return Number(r.gamma_M); }, {FIELD(gamma_M)},
        [](const Record& r) { return !Ec(r); });
    // Factors that follow the annex are the annex's wherever they are read.
    // (The factors stand side by side, gamma_M0 to gamma_Mfi.)
    static_assert(offsetof(Sicherheitsbeiwerte_Record, gamma_Mfi) + sizeof(double) ==
                      offsetof(Sicherheitsbeiwerte_Record, kind),
                  "the factors side by side");
    Add(u, Fixed("Teilsicherheitsbeiwerte"), [](const Record& r) {
            const Sicherheitsbeiwerte_Record& s = r.safety;
            return "gammaM0 " + Number(s.gamma_M0) + ", gammaM1 " + Number(s.gamma_M1) + ", gammaM2 " +
                   Number(s.gamma_M2);
        },
        {FIELD(safety.from_annex), Span{offsetof(Record, safety.gamma_M0),
                                        offsetof(Record, safety.kind) - offsetof(Record, safety.gamma_M0)},
         FIELD(safety.kind)},
        [](const Record& r) { return Ec(r) && !r.safety.from_annex; });
    Add(u, Fixed("einheitliche Stahlsorte"), [](const Record& r) { return Ticked(r.naht.uniform_grade); },
        {FIELD(naht.uniform_grade)});
}

// The connection's material, the profile's and the plate's: each its values
// and its name.
void Material_Units(std::vector<Unit>& u) {
    static const char* const kMaterialNames[3] = {"Stahlsorte", "Stahlsorte des Profils", "Stahlsorte der Platte"};
    static const size_t kMaterialAt[3] = {offsetof(Record, naht.material), offsetof(Record, naht.profile.material),
                                          offsetof(Record, naht.plate.material)};
    for (int k = 0; k < 3; k++) {
        // A material's values without its name; the strengths by range and
        // modulus to beta_w side by side, the constants after the
        // calculation values.
        using M = Materialparameter_Record;
        static_assert(offsetof(M, beta_w) + sizeof(double) == offsetof(M, effective_grade),
                      "f_y1 .. beta_w side by side");
        auto at = [k](size_t member, size_t size) { return Span{kMaterialAt[k] + member, size}; };
        const std::vector<Span> spans = {at(offsetof(M, grade), sizeof(int)),
                                         at(offsetof(M, own_values), sizeof(int)),
                                         at(offsetof(M, f_y1), offsetof(M, effective_grade) - offsetof(M, f_y1)),
                                         at(offsetof(M, kind), sizeof(int)),
                                         at(offsetof(M, G), sizeof(double)),
                                         at(offsetof(M, nu), sizeof(double)),
                                         at(offsetof(M, alpha_T), sizeof(double))};
        // Under DIN 18800 a grade of its list is named by the box of the
        // code's materials.
        u.push_back(Unit{Fixed(kMaterialNames[k]),
                         [k](const Record& r) { return Material_Text(Material_Of(r, k)); }, spans, k,
                         [k](const Record& r) { return Material_Of(r, k).kind != 1; }});
        const Span name = at(offsetof(M, name), sizeof(M::name));
        Add(u, [k](const Record&) { return std::string(kMaterialNames[k]) + ": Kennung"; },
            [k](const Record& r) { return "\"" + Trimmed(Material_Of(r, k).name, MATERIAL_NAME_SIZE) + "\""; },
            {name});
    }
}

// The profile: its kind, class and name, its dimensions, its choices.
void Profile_Units(std::vector<Unit>& u) {
    Add(u, Fixed("Profil"),
        [](const Record& r) {
            const Stahlprofil& p = r.naht.profile;
            if (p.kind == STAHLPROFIL_KIND_CATALOGUE) return Trimmed(p.name, STAHLPROFIL_NAME_SIZE);
            const char* type = Get_Profile_Type_Name(p.type);
            return type ? Trimmed(type, 64) : "Profilart " + std::to_string(p.type);
        },
        {FIELD(naht.profile.kind), FIELD(naht.profile.type), FIELD(naht.profile.name),
         FIELD(naht.profile.manager_flag)});
    const struct {
        const char* symbol;
        Span span;
    } dimensions[] = {{"h", FIELD(naht.profile.h)},       {"tw", FIELD(naht.profile.t_w)},
                      {"bfo", FIELD(naht.profile.b_fo)},  {"tfo", FIELD(naht.profile.t_fo)},
                      {"bfu", FIELD(naht.profile.b_fu)},  {"tfu", FIELD(naht.profile.t_fu)},
                      {"r1", FIELD(naht.profile.r_1)},    {"r2", FIELD(naht.profile.r_2)},
                      {"ao", FIELD(naht.profile.a_o)},    {"au", FIELD(naht.profile.a_u)},
                      {"bueo", FIELD(naht.profile.b_ueo)}, {"bueu", FIELD(naht.profile.b_ueu)}};
    for (const auto& d : dimensions) {
        const Span span = d.span;
        Add(u, [d](const Record&) { return "Profil: " + std::string(d.symbol); },
            [span](const Record& r) {
                double v;
                std::memcpy(&v, reinterpret_cast<const char*>(&r) + span.at, sizeof v);
                return Millimetres(v);
            },
            {span}, Typed_In);
    }
    Add(u, Fixed("Profil: gewalzt"), [](const Record& r) { return Ticked(r.naht.profile.rolled); },
        {FIELD(naht.profile.rolled)}, Typed_In);
    Add(u, Fixed("Profil: warmgefertigt"), [](const Record& r) { return Ticked(r.naht.profile.hot_finished); },
        {FIELD(naht.profile.hot_finished)});
    Add(u, Fixed("Profil: Flanschnähte"),
        [](const Record& r) {
            const Stahlprofil& p = r.naht.profile;
            return std::to_string(p.weld_kind_top) + ", " + std::to_string(p.weld_kind_bottom);
        },
        {FIELD(naht.profile.weld_kind_top), FIELD(naht.profile.weld_kind_bottom)},
        Typed_In);
}

// The plate's dimensions and the welds.
void Weld_Units(std::vector<Unit>& u) {
    Add(u, Fixed("Blechdicke"), [](const Record& r) { return Millimetres(r.naht.plate.t); }, {FIELD(naht.plate.t)});
    Add(u, Fixed("Blechbreite"), [](const Record& r) { return Millimetres(r.naht.plate.b); }, {FIELD(naht.plate.b)});
    Add(u, Fixed("Blechlänge"_cp), [](const Record& r) { return Millimetres(r.naht.plate.l); }, {FIELD(naht.plate.l)});
    // The weld's kind with the switches that say how it is laid.
    Add(u, Fixed("Nahtart"), Arrangement,
        {FIELD(naht.weld_kind), FIELD(naht.all_round), FIELD(naht.full_penetration)});
    Add(u, Fixed("Kehlnähte voll ausgeführt"_cp), [](const Record& r) { return Ticked(r.naht.full_length); },
        {FIELD(naht.full_length)});
    Add(u, Fixed("aw"), [](const Record& r) { return Millimetres(r.naht.a_w); }, {FIELD(naht.a_w)});
    Add(u, Fixed("afo"), [](const Record& r) { return Millimetres(r.naht.a_w_fo); }, {FIELD(naht.a_w_fo)});
    Add(u, Fixed("afu"), [](const Record& r) { return Millimetres(r.naht.a_w_fu); }, {FIELD(naht.a_w_fu)});
    Add(u, Fixed("Kontaktabtrag"), [](const Record& r) { return Number(r.naht.contact_fraction * 100.0) + " %"; },
        {FIELD(naht.contact_fraction)});
    Add(u, Fixed("Überprüfung der Nahtlänge"_cp), [](const Record& r) { return Ticked(!r.naht.no_length_check); },
        {FIELD(naht.no_length_check)}, Ec);
    Add(u, Fixed("Überprüfung der Nahtdicke"_cp), [](const Record& r) { return Ticked(!r.naht.no_throat_check); },
        {FIELD(naht.no_throat_check)});
    Add(u, Fixed("Querkraftaufteilung"),
        [](const Record& r) {
            static const char* const kSplits[3] = {"konventionell", "Steifigkeiten", "N/M-konform"};
            return r.shear_split >= 0 && r.shear_split < 3 ? std::string(kSplits[r.shear_split])
                                                          : std::to_string(r.shear_split);
        },
        {FIELD(shear_split)}, Ec);
    Add(u, Fixed("kurze Nähte vernachlässigen"_cp), [](const Record& r) { return Ticked(r.short_welds); },
        {FIELD(short_welds)});
    // The welds' numbering follows the profile; each slot's throat and
    // length are the user's.
    Add(u, Fixed("Nahtnummern"), {}, {FIELD(naht.weld_count), FIELD(naht.number)});
    for (int k = 0; k < NAHT_SLOTS; k++) {
        auto number = [k](const Record& r) { return std::to_string(r.naht.number[k] > 0 ? r.naht.number[k] : k + 1); };
        auto in_use = [k](const Record& r) { return k < r.naht.weld_count && r.naht.number[k] > 0; };
        Add(u, [number](const Record& r) { return "aw" + number(r); },
            [k](const Record& r) { return Millimetres(r.naht.throat[k]); }, {ELEMENT(naht.throat, k)}, in_use);
        Add(u, [number](const Record& r) { return "lw" + number(r); },
            [k](const Record& r) { return Millimetres(r.naht.length[k]); }, {ELEMENT(naht.length, k)}, in_use);
    }
}

// The units of the input values the input page edits, in the order the
// file holds them. Loads and print options have pages of their own, which
// hold every value the file does.
std::vector<Unit> Build_Units() {
    std::vector<Unit> u;
    Head_Units(u);
    Material_Units(u);
    Profile_Units(u);
    Weld_Units(u);
    return u;
}

// The units of the profile and of the weld lengths, by the spans they hold.
std::vector<Unit> With_Parts(std::vector<Unit> units) {
    const size_t profile = offsetof(Record, naht.profile), after = profile + sizeof(Stahlprofil);
    const size_t lengths = offsetof(Record, naht.length), end = lengths + sizeof(Nahtbild::length);
    for (Unit& u : units) {
        const size_t at = u.spans.front().at;
        if (u.material < 0 && at >= profile && at < after) u.part = Unit::PROFILE;
        if (at >= lengths && at < end) u.part = Unit::LENGTH;
    }
    return units;
}

const std::vector<Unit>& Units() {
    static const std::vector<Unit> units = With_Parts(Build_Units());
    return units;
}

// The record the file gave, the record as the pages first showed it, and
// whether that is still to be kept (at the next refresh); the units the
// pages changed in showing the file and said so in a box.
struct Kept {
    bool filed = false, shown = false;
    Record file{}, pages{};
    std::vector<bool> told;
} g_kept;

// A copy of the input values of a record (no loads, no results): the
// units never reach further.
void Copy_Values(const Record& from, Record* to) {
    Record copy = from;
    copy.loads = nullptr;
    copy.results = nullptr;
    copy.print.vorbemerkungen = nullptr;
    copy.load_count = 0;
    *to = copy;
}

}  // namespace

void Keep_Filed_Record(const SchweissnahtAnschluss* record) {
    if (!record) return;
    Copy_Values(*record, &g_kept.file);
    g_kept.filed = true;
    g_kept.shown = false;
    g_kept.told.assign(Units().size(), false);
}

void Note_Told_Change(const SchweissnahtAnschluss* record, const void* member) {
    if (!record || !member || !g_kept.filed || g_kept.shown) return;
    const char* at = static_cast<const char*>(member);
    const char* base = reinterpret_cast<const char*>(record);
    if (at < base || at >= base + sizeof *record) return;
    const size_t offset = static_cast<size_t>(at - base);
    const std::vector<Unit>& units = Units();
    for (size_t i = 0; i < units.size(); i++)
        for (const Span& s : units[i].spans)
            if (offset >= s.at && offset < s.at + s.size) g_kept.told[i] = true;
}

void Forget_Filed_Record(void) { g_kept = Kept{}; }

bool Filed_Record_Waits(void) { return g_kept.filed && !g_kept.shown; }

std::vector<std::string> Filed_Values_Not_Shown(void) {
    std::vector<std::string> lines;
    if (!g_kept.filed || !g_kept.shown) return lines;
    const Record &file = g_kept.file, &pages = g_kept.pages;
    for (const Unit& u : Units()) {
        if (!u.text || Same(file, pages, u)) continue;
        if (u.shown && (!u.shown(file) || !u.shown(pages))) continue;
        const std::string held = u.text(file), shown = u.text(pages);
        if (held == shown) continue;
        lines.push_back("- " + u.label(file) + ": " + held + " (angezeigt: " + shown + ")");
    }
    if (!lines.empty()) {
        lines.insert(lines.begin(), "Die Eingabedatei hält Werte, die die Eingabe anders zeigt:"_cp);
        lines.push_back("Nachgewiesen und gespeichert wird, was die Datei hält, bis der Wert geändert wird."_cp);
    }
    return lines;
}

void Note_Shown_Record(const SchweissnahtAnschluss* record) {
    if (!record || !g_kept.filed || g_kept.shown) return;
    Copy_Values(*record, &g_kept.pages);
    g_kept.shown = true;
    // What the pages said they changed is saved as they show it; a weld
    // length cut to its edge only where the pages show the file's profile
    // (cut to the edge of a profile the pages made otherwise, it would not
    // fit the profile the file keeps).
    const std::vector<Unit>& units = Units();
    bool profile_shown = true;
    for (const Unit& u : units)
        if (u.part == Unit::PROFILE && !Same(g_kept.file, g_kept.pages, u)) profile_shown = false;
    for (size_t i = 0; i < units.size(); i++)
        if (g_kept.told[i] && (units[i].part != Unit::LENGTH || profile_shown))
            Put(&g_kept.file, g_kept.pages, units[i]);
    const std::vector<std::string> lines = Filed_Values_Not_Shown();
    if (lines.empty()) return;
    Init_Message();
    Set_Message_Title("Hinweis");
    for (const std::string& line : lines) Fill_Message("%s", line.c_str());
    Draw_Message();
}

bool Filed_Values_Into(SchweissnahtAnschluss* record) {
    if (!record || !g_kept.filed || !g_kept.shown) return false;
    bool put = false;
    for (const Unit& u : Units()) {
        if (Taken_As_The_Pages_Hold_It(*record, g_kept.file, u) || !Same(*record, g_kept.pages, u) ||
            Same(*record, g_kept.file, u))
            continue;
        Put(record, g_kept.file, u);
        put = true;
    }
    return put;
}

void Record_As_Saved(const SchweissnahtAnschluss* record, SchweissnahtAnschluss* saved) {
    if (!record || !saved) return;
    Copy_Schweissnaht(record, saved);
    Filed_Values_Into(saved);
}
