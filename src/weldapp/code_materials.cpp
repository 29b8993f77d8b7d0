// The steel grades of the connection's materials under the code in force.
#include "weldapp/code_materials.h"

#include <cstring>

#include "base/cp850.h"
#include "codes/material.h"
#include "platform/msgbox.h"
#include "weldapp/schweissnaht.h"

namespace {

// A grade chosen under EC 3 and the entry DIN 18800 took for it.
struct Kept_Grade {
    bool held;
    int ec, din;
};
// By material: the connection's, the profile's, the plate's.
Kept_Grade g_kept[3];

template <class Record>
auto* Material(Record* r, int k) {
    auto& n = r->naht;
    return k == 0 ? &n.material : k == 1 ? &n.profile.material : &n.plate.material;
}

std::string Trimmed(const char* name) {
    std::string s = name ? name : "";
    while (!s.empty() && s.back() == ' ') s.pop_back();
    return s;
}

std::string Ec_Name(int grade) { return Trimmed(Weld_Grade_Table_Name(grade)); }
std::string Din_Name(int entry) { return Trimmed(Steel_Choice_Name(entry)); }

// What a box calls material k: the uniform grade, or the part's own.
const char* Material_Words(const SchweissnahtAnschluss* r, int k) {
    if (r->naht.uniform_grade) return "Stahlsorte";
    return k == 0 ? "Stahlsorte" : k == 1 ? "Profil" : "Platte";
}

// Material k of kind `from` into the kind `to` as the same steel; the line
// that names a grade the DIN list takes otherwise ("Stahlsorte S450 auf
// S355"), else empty.
std::string Carry_Over(SchweissnahtAnschluss* r, int k, int to) {
    Materialparameter_Record* m = Material(r, k);
    const int from = m->kind;
    m->kind = to;
    if (from == 0 && to == 1) {
        const int entry = Grade_Index_To_Steel_Choice(m->grade);
        if (entry < 0) return "";
        const std::string was = Ec_Name(m->grade);
        g_kept[k] = Kept_Grade{true, m->grade, entry};
        m->grade = entry;
        if (m->own_values || Steel_Choice_To_Grade_Index(entry) == g_kept[k].ec) return "";
        return std::string(Material_Words(r, k)) + " " + was + " auf " + Din_Name(entry);
    }
    if (from == 1 && to == 0) {
        const int grade = g_kept[k].held && g_kept[k].din == m->grade ? g_kept[k].ec : Steel_Choice_To_Grade_Index(m->grade);
        if (grade >= 0) m->grade = grade;
        g_kept[k] = Kept_Grade{};
    }
    return "";
}

// The grade DIN 18800 took for material k, where the material still holds
// the entry taken (own values have no grade): the connection's for a part
// that follows the uniform grade. -1 for none.
int Grade_In_Force(const SchweissnahtAnschluss* r, int k) {
    const Kept_Grade& g = g_kept[r->naht.uniform_grade ? 0 : k];
    const Materialparameter_Record* m = Material(r, k);
    return g.held && m->kind == 1 && m->grade == g.din && !m->own_values ? g.ec : -1;
}

// A grade of the weld grade table that has no strengths for some of its
// thicknesses (the cold-formed hollow-section grades above 40 mm).
bool Grade_Ends_Short(int grade) {
    Materialparameter_Record m;
    Default_Material_Params(&m);
    m.grade = grade;
    return Check_Material_Params(&m, 80.0, nullptr, 0, nullptr) != 0;
}

// The grade material k keeps in the input file instead of its entry's
// steel, -1 for none. The list's steel has strengths where such a grade
// has none: filed as that steel, a part beyond the grade's range would be
// checked with strengths it does not have.
int Filed_Grade(const SchweissnahtAnschluss* r, int k) {
    const int grade = Grade_In_Force(r, k);
    return grade >= 0 && Grade_Ends_Short(grade) ? grade : -1;
}

}  // namespace

Materialparameter_Record Filed_Material(const SchweissnahtAnschluss* r, int k) {
    const Materialparameter_Record* m = Material(r, k);
    Materialparameter_Record filed = Material_Params_As_Filed(m);
    const int grade = Filed_Grade(r, k);
    if (grade >= 0) filed.kind = 0, filed.grade = grade;
    return filed;
}

bool Materials_As_Filed(SchweissnahtAnschluss* r) {
    if (!r) return false;
    Materialparameter_Record filed[3];
    bool changed = false;
    for (int k = 0; k < 3; k++) {
        filed[k] = Filed_Material(r, k);
        changed = changed || filed[k].kind != Material(r, k)->kind || filed[k].grade != Material(r, k)->grade;
    }
    for (int k = 0; k < 3; k++) *Material(r, k) = filed[k];
    return changed;
}

void Follow_Code_In_Materials(SchweissnahtAnschluss* r) {
    if (!r) return;
    const int kind = r->code_setting;
    std::vector<std::string> lines;
    for (int k = 0; k < 3; k++) {
        // The uniform grade's parts follow the connection material.
        const bool derived = r->naht.uniform_grade && k > 0;
        const std::string line = Carry_Over(r, k, kind);
        if (!line.empty() && !derived) lines.push_back(line);
    }
    if (lines.empty()) return;
    Init_Message();
    Set_Message_Title("Hinweis");
    Fill_Message("%s", "DIN 18800 kennt die gewählte Stahlsorte nicht; nachgewiesen wird mit der Sorte seiner Liste:"_cp);
    for (const std::string& line : lines) Fill_Message("%s", line.c_str());
    Fill_Message("%s", "Unter EC 3 gilt wieder die gewählte Stahlsorte."_cp);
    Draw_Message();
}

std::vector<std::string> Code_Material_Omissions(const SchweissnahtAnschluss* r) {
    std::vector<std::string> lines;
    if (!r || r->code_setting != CODE_SETTING_DIN18800) return lines;
    for (int k = 0; k < 3; k++) {
        // A grade the file keeps, or one the user replaced under DIN 18800,
        // is no grade lost.
        const Kept_Grade& g = g_kept[k];
        if (Grade_In_Force(r, k) < 0 || Filed_Grade(r, k) >= 0 || (r->naht.uniform_grade && k > 0) ||
            Steel_Choice_To_Grade_Index(g.din) == g.ec)
            continue;
        lines.push_back("- " + std::string(Material_Words(r, k)) + " " + Ec_Name(g.ec) +
                        " unter EC 3: geöffnet gilt unter EC 3 "_cp + Ec_Name(Steel_Choice_To_Grade_Index(g.din)) + ".");
    }
    return lines;
}

void Forget_Code_Materials(void) {
    for (Kept_Grade& g : g_kept) g = Kept_Grade{};
}
