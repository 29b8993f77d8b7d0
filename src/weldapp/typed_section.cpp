// What DIN 18800 takes of a typed-in section, and what it gives back.
#include "weldapp/typed_section.h"

#include "base/cp850.h"
#include "platform/field_number.h"
#include "platform/msgbox.h"
#include "profiles/profile_register.h"
#include "weldapp/record_ranges.h"

namespace {

// The slot of the profile register the input page builds its profile in.
constexpr int kPageSlot = 0;

// A value with the symbol the page shows it by ("bfu"), for the boxes.
struct Named_Value {
    double Stahlprofil::*member;
    const char* symbol;
};

// The values DIN 18800 ties to others in the class of p: the lower flange's
// to the upper one's, an angle's second leg thickness to the first.
std::vector<Named_Value> Tied_Under_Din(const Stahlprofil& p) {
    if (Is_Profile_Type_In(PROFILTYP_MASK_TWO_FLANGES, p.type)) {
        std::vector<Named_Value> tied = {{&Stahlprofil::b_fu, "bfu"}, {&Stahlprofil::t_fu, "tfu"}};
        if (!p.rolled) tied.push_back({&Stahlprofil::a_u, "au"});
        return tied;
    }
    if (p.type == PROFILTYP_L) return {{&Stahlprofil::t_fo, "t2"}};
    return {};
}

std::string Millimetres(double v) { return VEK_Decimal_Text(v, 1, INPUT_FILE_DECIMALS) + " mm"; }

// Each tied value of `typed` that `now` holds otherwise, "bfu 200.0 mm auf
// 280.0 mm" (with_now) or "bfu 200.0 mm", four to a line.
std::vector<std::string> Tied_Lines(const Stahlprofil& typed, const Stahlprofil& now, bool with_now) {
    std::vector<std::string> items, lines;
    for (const Named_Value& v : Tied_Under_Din(now)) {
        const std::string was = Millimetres(typed.*v.member), is = Millimetres(now.*v.member);
        if (was != is) items.push_back(v.symbol + (" " + was) + (with_now ? " auf " + is : ""));
    }
    for (size_t i = 0; i < items.size(); i++) {
        if (i % 4 == 0) lines.emplace_back();
        lines.back() += (i % 4 ? ",  " : "") + items[i];
    }
    return lines;
}

}  // namespace

void Keep_Typed_Section(Stahlprofil* p, int ec, int was_ec) {
    if (!p || ec) return;
    Sync_Symmetric_Profile_Flanges(p);
    Stahlprofil typed;
    if (!was_ec || p->kind != STAHLPROFIL_KIND_DIMENSIONS || !Profile_Register_Typed_Values(p, kPageSlot, &typed))
        return;
    const std::vector<std::string> lines = Tied_Lines(typed, *p, true);
    if (lines.empty()) return;
    Init_Message();
    Set_Message_Title("Hinweis");
    Fill_Message("%s", p->type == PROFILTYP_L ? "Unter DIN 18800 haben beide Schenkel eine Dicke:"
                                              : "Unter DIN 18800 gelten die Werte des oberen Flanschs auch unten:");
    for (const std::string& line : lines) Fill_Message("%s", line.c_str());
    Fill_Message("%s", "Die eingegebenen Werte gelten wieder, sobald EC 3 gewählt ist."_cp);
    Draw_Message();
}

std::vector<std::string> Typed_Section_Omissions(const Stahlprofil* p, int ec) {
    Stahlprofil typed;
    if (!p || ec || p->kind != STAHLPROFIL_KIND_DIMENSIONS || !Profile_Register_Typed_Values(p, kPageSlot, &typed))
        return {};
    std::vector<std::string> lines = Tied_Lines(typed, *p, false);
    if (lines.empty()) return lines;
    for (std::string& line : lines) line = "  " + line;
    lines.insert(lines.begin(), "- unter EC 3 eingegeben, was DIN 18800 mit einem Wert beschreibt (geöffnet gilt "
                                "er für beide):"_cp);
    return lines;
}

void Forget_Typed_Section(void) { Forget_Profile_Register_Typed(kPageSlot); }
