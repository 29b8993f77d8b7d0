// The profile rows of an input page: catalogue or typed-in profile, class,
// dimensions, rolled or welded with its welds, and the steel grade.
#include "profiles/profile_register.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

#include "base/cp850.h"
#include "base/stored_text.h"
#include "base/textio.h"
#include "codes/input_ranges.h"
#include "codes/material.h"
#include "codes/material_sheet.h"
#include "dialogs/scrollarea.h"
#include "dialogs/valuecheck.h"
#include "platform/desktop.h"
#include "platform/field_number.h"
#include "platform/msgbox.h"
#include "platform/screen.h"
#include "profiles/profile_catalogue.h"

namespace {

// The values and choices of a typed-in profile that its rows show, a bit
// each.
enum {
    PROFILE_FIELD_H = 1u << 0,
    PROFILE_FIELD_T_W = 1u << 1,
    PROFILE_FIELD_B_FO = 1u << 2,
    PROFILE_FIELD_T_FO = 1u << 3,
    PROFILE_FIELD_B_FU = 1u << 4,
    PROFILE_FIELD_T_FU = 1u << 5,
    PROFILE_FIELD_B_UEO = 1u << 6,
    PROFILE_FIELD_B_UEU = 1u << 7,
    PROFILE_FIELD_R_1 = 1u << 8,
    PROFILE_FIELD_R_2 = 1u << 9,
    PROFILE_FIELD_A_O = 1u << 10,
    PROFILE_FIELD_A_U = 1u << 11,
    PROFILE_FIELD_ROLLED = 1u << 12,        // rolled or welded
    PROFILE_FIELD_HOT_FINISHED = 1u << 13,  // a tube's making
    PROFILE_FIELD_WELD_TOP = 1u << 14,      // fillet or butt weld of the upper flange
    PROFILE_FIELD_WELD_BOTTOM = 1u << 15,   // and of the lower one
};
// Page state: one selection, button flag and class list per slot.
Profilauswahl g_selection[PROFILE_REGISTER_SLOTS];
int g_button[PROFILE_REGISTER_SLOTS];
char g_class_names[PROFILE_REGISTER_SLOTS][STAHLPROFIL_TYPE_COUNT][12];
Choice_List_Entry g_classes[PROFILE_REGISTER_SLOTS][STAHLPROFIL_TYPE_COUNT];
int g_message_shown = 0;
bool g_initialised = false;
Profile_Manager_Selector g_select = nullptr;
// The kind each slot showed at its last build (-1 before the first): a
// switch back to the catalogue takes the designation accepted last.
int g_last_kind[PROFILE_REGISTER_SLOTS];

// The dimension fields of the typed-in profile of the last build: what
// each edits and the value it showed, for the check that refuses a value
// the other dimensions cannot take.
struct Fitted_Field {
    double Stahlprofil::*member;
    double shown;
    std::string name;  // label and symbol, as the refusal names the field
};
struct Fit_State {
    Stahlprofil* profile = nullptr;
    bool separate = false;
    std::vector<Fitted_Field> fields;
    unsigned shown = 0;  // PROFILE_FIELD_ bits of the fields and choices the build showed
};
Fit_State g_fit;

// The field bits of the values by member.
struct Field_Member {
    unsigned bit;
    double Stahlprofil::*member;
};
constexpr Field_Member kFieldMembers[] = {
    {PROFILE_FIELD_H, &Stahlprofil::h},       {PROFILE_FIELD_T_W, &Stahlprofil::t_w},
    {PROFILE_FIELD_B_FO, &Stahlprofil::b_fo}, {PROFILE_FIELD_T_FO, &Stahlprofil::t_fo},
    {PROFILE_FIELD_B_FU, &Stahlprofil::b_fu}, {PROFILE_FIELD_T_FU, &Stahlprofil::t_fu},
    {PROFILE_FIELD_B_UEO, &Stahlprofil::b_ueo}, {PROFILE_FIELD_B_UEU, &Stahlprofil::b_ueu},
    {PROFILE_FIELD_R_1, &Stahlprofil::r_1},   {PROFILE_FIELD_R_2, &Stahlprofil::r_2},
    {PROFILE_FIELD_A_O, &Stahlprofil::a_o},   {PROFILE_FIELD_A_U, &Stahlprofil::a_u},
};
struct Choice_Member {
    unsigned bit;
    int Stahlprofil::*member;
};
constexpr Choice_Member kChoiceMembers[] = {
    {PROFILE_FIELD_ROLLED, &Stahlprofil::rolled},
    {PROFILE_FIELD_HOT_FINISHED, &Stahlprofil::hot_finished},
    {PROFILE_FIELD_WELD_TOP, &Stahlprofil::weld_kind_top},
    {PROFILE_FIELD_WELD_BOTTOM, &Stahlprofil::weld_kind_bottom},
};

unsigned Bit_Of(double Stahlprofil::*member) {
    for (const Field_Member& f : kFieldMembers)
        if (f.member == member) return f.bit;
    return 0;
}
unsigned Bit_Of(int Stahlprofil::*member) {
    for (const Choice_Member& c : kChoiceMembers)
        if (c.member == member) return c.bit;
    return 0;
}


int Allowed_Count(const int* allowed) {
    int n = 0;
    while (allowed && n < PROFILE_REGISTER_MAX_CLASSES && allowed[n] >= 0) n++;
    return n;
}

bool Allows(const int* allowed, int n, int type) {
    for (int i = 0; i < n; i++)
        if (allowed[i] == 0 || allowed[i] == type) return true;
    return false;
}

// Positions follow the stand-in's raster font (8 pixels a character):
// symbols at 185, fields at 220, units at 285, so that the longest labels
// do not run into them.

// Everything one build needs.
struct Page {
    Stahlprofil* p;
    int area, x;
    int row, radio;
    int* enable;   // the page's enable word for value-bound items
    int colour;    // text colour: black, or grey when not editable
    int unit_colour;
    bool separate;
};

int Normal() { return Screen_Font_Normal; }
int Small() { return Screen_Font_Small; }

void Text(const Page& g, int x, int y, const char* text, int font = -1, int colour = -1) {
    Add_Text_to_Scrollable_Area(g.area, x, y, text, font < 0 ? Normal() : font, colour < 0 ? g.colour : colour, 0);
}

// What the fields take, mm: dimensions and radii from 0 (a section the
// engine cannot form is named by the list) to 10 m, weld throats to 200 mm.
// A typed value outside is refused and the field keeps its value.
constexpr double kMaxDimension = Input_Range_Of(RANGE_DIMENSION).maximum;
constexpr double kMaxThroat = Input_Range_Of(RANGE_THROAT).maximum;
static_assert(Input_Range_Of(RANGE_DIMENSION).minimum == 0.0 && Input_Range_Of(RANGE_THROAT).minimum == 0.0,
              "the fields take 0");

// The values of the fields that the page ties together: without separate
// flanges one value stands for both (and a welded I section's lower weld
// is its upper one). The fit check of a typed value ties them as the page
// does, else it would judge the value beside a stale twin.
// A box's flanges are listed apart only by the program 180.
bool Box_Flanges_Apart(bool separate) { return separate && CurOb_Application_Number() == 180; }

void Mirror_Single_Values(Stahlprofil* p, bool separate) {
    if (p->type == PROFILTYP_KASTEN && !Box_Flanges_Apart(separate)) {
        p->b_ueu = p->b_ueo;
        p->t_fu = p->t_fo;
        return;
    }
    if (separate) return;
    switch (p->type) {
    case PROFILTYP_I: case PROFILTYP_H: case PROFILTYP_DIL: case PROFILTYP_S: case PROFILTYP_W:
        p->b_fu = p->b_fo;
        p->t_fu = p->t_fo;
        if (!p->rolled) {
            p->a_u = p->a_o;
            p->weld_kind_bottom = p->weld_kind_top;
        }
        break;
    case PROFILTYP_L: p->t_fo = p->t_w; break;
    case PROFILTYP_C: case PROFILTYP_U: case PROFILTYP_RECHTECK: case PROFILTYP_TRAPEZ: p->t_w = p->t_fo; break;
    default: break;
    }
}

// Whether the profile of the page takes value v in the field.
bool Fits_With(const Fitted_Field& f, double v) {
    Stahlprofil c = *g_fit.profile;
    c.*f.member = v;
    Mirror_Single_Values(&c, g_fit.separate);
    return Profile_Dimensions_Fit(&c) != 0;
}

// Where, between a value that fits and one that does not, the field's
// values stop fitting: the dimensions' conditions are linear in each of
// them, so the values that fit form one interval.
double Fit_Limit(const Fitted_Field& f, double fits, double fails) {
    for (int i = 0; i < 200 && std::fabs(fails - fits) > 1e-9 * std::max(1.0, std::fabs(fits)); i++) {
        const double mid = 0.5 * (fits + fails);
        (Fits_With(f, mid) ? fits : fails) = mid;
    }
    return 0.5 * (fits + fails);
}

}  // namespace

std::string Profile_Register_Missing_Dimensions(const Stahlprofil* profile) {
    std::string missing;
    // The page's own profile, or a copy of it (the check of a save's record).
    const Stahlprofil* shown = g_fit.profile;
    if (!profile || !shown || shown->kind != STAHLPROFIL_KIND_DIMENSIONS ||
        (profile != shown && (profile->kind != shown->kind || profile->type != shown->type)))
        return missing;
    // The measures a section cannot do without; a radius or a flange weld
    // of 0 is one.
    static const double Stahlprofil::*const kNeeded[] = {&Stahlprofil::h,    &Stahlprofil::t_w,
                                                          &Stahlprofil::b_fo, &Stahlprofil::t_fo,
                                                          &Stahlprofil::b_fu, &Stahlprofil::t_fu};
    for (const Fitted_Field& f : g_fit.fields)
        if (std::find(std::begin(kNeeded), std::end(kNeeded), f.member) != std::end(kNeeded) &&
            !(profile->*f.member > 0.0))
            missing += (missing.empty() ? "" : ", ") + f.name + " = 0 mm";
    return missing;
}

namespace {

// The places a refusal names a dimension with, at most: those the pages'
// fields keep (the input file's six), so that the value named is the one
// typed or shown.
constexpr int kFieldDecimals = 6;

// The check of a dimension field: a value the other dimensions cannot take
// (a web wider than its flanges, flanges thicker than the section is high,
// radii or flange welds that leave no face) is refused with its limit, and
// the field keeps the value it showed. A profile that did not fit before
// the edit takes any value: the one field may not be the one to mend.
void* Check_Dimension_Fit(void* v) {
    auto* value = static_cast<double*>(v);
    if (!value || !g_fit.profile) return v;
    for (const Fitted_Field& f : g_fit.fields) {
        if (&(g_fit.profile->*f.member) != value) continue;
        const double typed = *value;
        if (typed == f.shown || Fits_With(f, typed) || !Fits_With(f, f.shown)) return v;
        // The limit as a value that is taken itself (IPE 300's root radius
        // "höchstens 71.449 mm": 71.4 fits, 71.45 leaves the flange no face).
        const bool upper = typed > f.shown;
        const double limit = VEK_Shown_Bound(Fit_Limit(f, f.shown, typed), 3, upper ? 1 : 0);
        *value = f.shown;
        Init_Message();
        Set_Message_Title(VEK_REFUSAL_TITLE);
        // Each value as its field shows it, not rounded to one place: 71.45
        // named as 71.5 beside the limit 71.449 reads as another value.
        Fill_Message("%s = %s mm passt nicht zu den übrigen Maßen des Profils:"_cp, f.name.c_str(),
                     VEK_Decimal_Text(typed, 1, kFieldDecimals).c_str());
        Fill_Message("der Wert darf %s %s mm sein."_cp, upper ? "höchstens"_cp : "mindestens",
                     VEK_Number_Text(limit).c_str());
        Fill_Message("Der bisherige Wert %s mm bleibt erhalten.", VEK_Decimal_Text(f.shown, 1, kFieldDecimals).c_str());
        Draw_Message();
        return v;
    }
    return v;
}

// A value field of the profile: "%6.1f" of 0 .. maximum, whose value the
// fit check guards.
void Fitted_Float(const Page& g, int x, int y, double Stahlprofil::*member, double maximum, const char* name) {
    double* value = &(g.p->*member);
    Add_Float_to_Scrollable_Area(g.area, x, y, value, "%6.1f", Normal(), g.colour, g.enable);
    Set_Bounds_of_Last_Float(g.area, 0.0, maximum);
    Set_Last_Item_Check_Function(g.area, Check_Dimension_Fit);
    g_fit.fields.push_back({member, *value, name});
    g_fit.shown |= Bit_Of(member);
}

// A radio group of a choice of the profile shown.
void Shown_Choice(int Stahlprofil::*member) { g_fit.shown |= Bit_Of(member); }

// One dimension row: label, symbol with its subscript, "%6.1f" field of
// 0 .. kMaxDimension that the fit check guards, "mm"; then one row step.
// name: how a refusal names the field (label and symbol by default).
void Dimension_Row(const Page& g, int* y, const char* label, const char* symbol, const char* subscript,
                   double Stahlprofil::*member, const char* name = nullptr) {
    Text(g, g.x + 20, *y, label);
    Text(g, g.x + 185, *y, symbol);
    if (subscript && *subscript) Text(g, g.x + (std::strchr("tlr", symbol[0]) ? 191 : 193), *y + 2, subscript, Small());
    Fitted_Float(g, g.x + 220, *y, member, kMaxDimension,
                 name ? name : (std::string(label) + " " + symbol + (subscript ? subscript : "")).c_str());
    Text(g, g.x + 285, *y, "mm", -1, g.unit_colour);
    *y += g.row;
}

void Build_Class_List(int slot, bool editable, const int* allowed, int n) {
    const int app = CurOb_Application_Number();
    const int red = Nearest_RGB_Color(255, 0, 0), blue = Nearest_RGB_Color(4, 2, 252);
    const int black = Nearest_RGB_Color(0, 0, 0), brown = Nearest_RGB_Color(128, 64, 0);
    const int green = Nearest_RGB_Color(0, 128, 0), grey = Nearest_RGB_Color(192, 192, 192);
    for (int t = 0; t < STAHLPROFIL_TYPE_COUNT; t++) {
        std::snprintf(g_class_names[slot][t], sizeof g_class_names[slot][t], "%s", Get_Profile_Type_Name(t));
        int colour = editable ? red : grey;
        if (editable && n > 0) {
            if (t == 0) colour = blue;
            else if (Allows(allowed, n, t)) {
                if (Is_Profile_Type_In(PROFILTYP_MASK_I, t)) colour = black;
                else if (Is_Profile_Type_One_Of(t, {PROFILTYP_L, PROFILTYP_C, PROFILTYP_T, PROFILTYP_U, PROFILTYP_HALB_I}))
                    colour = app == 156 || app == 160 ? black : brown;
                else if (Is_Profile_Type_One_Of(t, {PROFILTYP_Z, PROFILTYP_RECHTECK, PROFILTYP_ROHR}))
                    colour = app == 156 ? black : brown;
                else colour = green;
            }
        }
        g_classes[slot][t] = {colour, g_class_names[slot][t]};
    }
}

int Offered_Classes() {
    const int app = CurOb_Application_Number();
    return app == 160 || app == 162 || app == 163 || app == 180 ? 18 : 16;
}

const char* Class_Heading(int type, bool parametrised) {
    switch (type) {
    case PROFILTYP_I: case PROFILTYP_H: case PROFILTYP_DIL: case PROFILTYP_S: case PROFILTYP_W: return "I-Profil";
    case PROFILTYP_L: return "L-Profil";
    case PROFILTYP_T: case PROFILTYP_HALB_I: return "T-Profil";
    case PROFILTYP_RECHTECK: return parametrised ? "Rechteckhohlprofil" : "Rechteckrohr";
    case PROFILTYP_ROHR: return parametrised ? "Rohrprofil" : "Kreisrohr";
    }
    if (!parametrised) return nullptr;
    switch (type) {
    case PROFILTYP_C: return "C-Profil";
    case PROFILTYP_U: return "U-Profil";
    case PROFILTYP_Z: return "Z-Profil";
    case PROFILTYP_FLACH: return "Flachstahl";
    case PROFILTYP_RUND: return "Rundeisen";
    case PROFILTYP_KASTEN: return "Hohlkasten";
    case PROFILTYP_TRAPEZ: return "Trapezprofil";
    }
    return nullptr;
}

// The class of the selection's designation among the allowed ones; the
// values are loaded on success. A refusal is reported once, and the profile
// keeps the name it had before (the last one accepted) with its values.
void Check_Catalogue_Class(const Page& g, Profilauswahl* sel, const int* allowed, int n, const char* first_line,
                           const char* kept_name) {
    // The class the designation itself names (an HE profile is an
    // "H-Profil", not the first class of its family in the list) when it
    // is allowed: a page built again must not change the stored type.
    int own = 0;
    if (sel->record && Get_Profile_Type_From_Name(sel->name, &own))
        for (int i = 0; i < n; i++)
            if (allowed[i] == own || allowed[i] == 0) {
                g.p->type = own;
                Load_Profile_Values(sel, g.p);
                g_message_shown = 0;
                return;
            }
    for (int i = 0; i < n; i++) {
        int type = allowed[i];
        if (sel->record && Get_Profile_Type_From_Name(sel->name, &type)) {
            g.p->type = type;
            Load_Profile_Values(sel, g.p);
            g_message_shown = 0;
            return;
        }
    }
    if (!g_message_shown) Report_Profile_Type_Refusal(n, allowed, 1, first_line);
    std::snprintf(sel->name, sizeof sel->name, "%s", kept_name);
    Pad_Blank(sel->name, PROFILAUSWAHL_NAME_SIZE);
    sel->record = nullptr;
    Copy_Trimmed(kept_name, g.p->name, STAHLPROFIL_NAME_SIZE, 7);
}

// from_dimensions: the slot showed a typed-in profile at its last build
// (whose name is blank).
void Catalogue_Profile(Page& g, int* y, int slot, const int* allowed, int n, int name_width, int compact,
                       const char* first_line, int radio_y, bool from_dimensions) {
    Stahlprofil* p = g.p;
    Profilauswahl* sel = &g_selection[slot];
    if (n == 1 && allowed[0] != 0) {
        if (const char* heading = Class_Heading(allowed[0], false)) {
            Text(g, g.x, *y, heading, Small());
            *y += 5;
        }
    }
    int bx = g.x + 20, by = *y;
    if (compact == 1) {
        bx = g.x + (name_width == 26 ? 185 : 220);
        by = radio_y - g.row;
    }
    const int background = Get_Scrollable_Area_Background(g.area);
    if (background >= 0) Add_Rectangle_to_Scrollable_Area(g.area, bx, by, bx + 55, by + 48, background);
    Add_Picture_to_Scrollable_Area(g.area, "bmp_t\\Prof_ManagerS.bmp", bx, by, bx + 55, by + 48, -1);
    const int button_x = compact == 1 ? bx + 60 : g.x + 80;
    Add_Bitmap_Button_to_Scrollable_Area(g.area, button_x, by + 12, 50, 24, "bmp_t\\but_options.bmp", 0,
                                         Nearest_RGB_Color(255, 255, 255), 0, "Profilmanager aufrufen", 1,
                                         &g_button[slot], g.enable);
    // The designation accepted last, kept for a refusal.
    char kept[PROFILAUSWAHL_NAME_SIZE];
    Copy_Trimmed(sel->record ? sel->name : "", kept, sizeof kept, 3);
    if (!kept[0]) Copy_Trimmed(p->name, kept, sizeof kept, 3);
    if (g_button[slot]) {
        g_message_shown = 0;
        if (p->manager_flag) {
            char name[PROFILAUSWAHL_NAME_SIZE];
            Copy_Trimmed(sel->name, name, sizeof name, 3);
            Set_Profile_Manager_Default(name);
            Set_Profile_Manager_Filter(Profile_Manager_Filter_Letters(allowed));
        }
        const char* chosen = g_select ? g_select(1) : nullptr;
        if (chosen) Copy_Trimmed(chosen, sel->name, PROFILAUSWAHL_NAME_SIZE, 0);
        g_button[slot] = 0;
        // The manager may have changed any profile of its file, the one
        // shown too: the one chosen, or else the one shown, is read again
        // (one gone from the file stays as it was: the check names it).
        sel->record = sel->name[0] ? Get_Profile_Record(sel->name) : nullptr;
        if (chosen && !sel->record) {
            Report_Unknown_Profile(sel->name, kept, first_line);
            Copy_Trimmed(kept, sel->name, PROFILAUSWAHL_NAME_SIZE, 0);
            Pad_Blank(sel->name, PROFILAUSWAHL_NAME_SIZE);
            sel->record = sel->name[0] ? Get_Profile_Record(sel->name) : nullptr;
        }
        if (sel->record) Check_Catalogue_Class(g, sel, allowed, n, first_line, kept);
    } else {
        char typed[STAHLPROFIL_NAME_SIZE];
        Copy_Trimmed(p->name, typed, sizeof typed, 3);
        if (typed[0]) {
            Set_Profile_By_Name(sel, typed);
            if (!sel->record) {
                // The catalogue lacks the designation: the message names it.
                if (!g_message_shown) Report_Unknown_Profile(typed, kept, first_line);
                Copy_Trimmed(kept, p->name, STAHLPROFIL_NAME_SIZE, 7);
            } else {
                Check_Catalogue_Class(g, sel, allowed, n, first_line, kept);
            }
        } else if (kept[0] && from_dimensions) {
            // Back from a typed-in profile: the designation accepted last
            // comes back with its values, as the user left it.
            Set_Profile_By_Name(sel, kept);
            if (sel->record) Check_Catalogue_Class(g, sel, allowed, n, first_line, kept);
            else Copy_Trimmed(kept, p->name, STAHLPROFIL_NAME_SIZE, 7);
        } else if (kept[0]) {
            // An emptied designation names no profile: the last one stays.
            if (!g_message_shown) Report_Profile_Type_Refusal(n, allowed, 1, first_line);
            Copy_Trimmed(kept, p->name, STAHLPROFIL_NAME_SIZE, 7);
        }
    }
    *y = std::max(by + 48 + (compact == 1 ? g.radio : g.row), *y);
    Text(g, g.x, *y, "Profilname");
    Add_Edit_Text_to_Scrollable_Area(g.area, g.x + 90, *y, p->name, Normal(), g.colour,
                                     p->manager_flag ? &Screen_Flag_Off : g.enable);
    if (name_width >= 1 && name_width <= 39) Set_Visible_Length_of_Last_Edit_Text(g.area, name_width);
    *y += g.row;
}

// The I family: height, web, one or both flanges.
void I_Rows(const Page& g, int* y) {
    const bool both = g.separate;
    Dimension_Row(g, y, "Profilhöhe"_cp, "h", "", &Stahlprofil::h);
    Dimension_Row(g, y, "Stegdicke", "t", "w", &Stahlprofil::t_w);
    if (both) {
        Dimension_Row(g, y, "Flanschbreite oben", "b", "fo", &Stahlprofil::b_fo);
        Dimension_Row(g, y, "Flanschdicke oben", "t", "fo", &Stahlprofil::t_fo);
        Dimension_Row(g, y, "Flanschbreite unten", "b", "fu", &Stahlprofil::b_fu);
        Dimension_Row(g, y, "Flanschdicke unten", "t", "fu", &Stahlprofil::t_fu);
    } else {
        Dimension_Row(g, y, "Flanschbreite", "b", "f", &Stahlprofil::b_fo);
        Dimension_Row(g, y, "Flanschdicke", "t", "f", &Stahlprofil::t_fo);
    }
}

// An angle: its legs, with one thickness or two.
void Angle_Rows(const Page& g, int* y) {
    const bool both = g.separate;
    Dimension_Row(g, y, "Schenkellänge 1"_cp, "l", "1", &Stahlprofil::h);
    Dimension_Row(g, y, both ? "Schenkeldicke 1" : "Schenkeldicke", "t", both ? "1" : "", &Stahlprofil::t_w);
    Dimension_Row(g, y, "Schenkellänge 2"_cp, "l", "2", &Stahlprofil::b_fo);
    if (both) Dimension_Row(g, y, "Schenkeldicke 2", "t", "2", &Stahlprofil::t_fo);
}

// A channel: web, legs, one thickness or web and legs apart.
void Channel_Rows(const Page& g, int* y) {
    const bool both = g.separate;
    Dimension_Row(g, y, "Steghöhe"_cp, "h", "", &Stahlprofil::h);
    if (both) Dimension_Row(g, y, "Stegdicke", "t", "w", &Stahlprofil::t_w);
    Dimension_Row(g, y, "Schenkellängen"_cp, "l", "", &Stahlprofil::b_fo);
    if (both) {
        Dimension_Row(g, y, "Schenkeldicken", "t", "f", &Stahlprofil::t_fo);
    } else {
        Dimension_Row(g, y, "Blechdicke", "t", "", &Stahlprofil::t_fo);
    }
}

// A Z: web and flanges.
void Z_Rows(const Page& g, int* y) {
    Dimension_Row(g, y, "Steghöhe"_cp, "h", "", &Stahlprofil::h);
    Dimension_Row(g, y, "Stegdicke", "t", "w", &Stahlprofil::t_w);
    Dimension_Row(g, y, "Flanschbreite", "b", "", &Stahlprofil::b_fo);
    Dimension_Row(g, y, "Flanschdicken", "t", "f", &Stahlprofil::t_fo);
}

// A tee or half I: height, web, flange.
void Tee_Rows(const Page& g, int* y) {
    Dimension_Row(g, y, "Profilhöhe"_cp, "h", "", &Stahlprofil::h);
    Dimension_Row(g, y, "Stegdicke", "t", "w", &Stahlprofil::t_w);
    Dimension_Row(g, y, "Flanschbreite", "b", "f", &Stahlprofil::b_fo);
    Dimension_Row(g, y, "Flanschdicke", "t", "f", &Stahlprofil::t_fo);
}

// A tube, round or rectangular, and how it was made.
void Tube_Rows(const Page& g, int* y) {
    Stahlprofil* p = g.p;
    const bool both = g.separate;
    if (p->type == PROFILTYP_ROHR) {
        Dimension_Row(g, y, "Durchmesser", "d", "", &Stahlprofil::h);
        Dimension_Row(g, y, "Wanddicke", "t", "", &Stahlprofil::t_w);
    } else {
        Dimension_Row(g, y, "Profilhöhe"_cp, "h", "", &Stahlprofil::h);
        Dimension_Row(g, y, "Profilbreite", "b", "", &Stahlprofil::b_fo);
        if (both) {
            Dimension_Row(g, y, "Flanschdicke", "t", "f", &Stahlprofil::t_fo);
            Dimension_Row(g, y, "Stegdicke", "t", "w", &Stahlprofil::t_w);
        } else {
            Dimension_Row(g, y, "Blechdicke", "t", "", &Stahlprofil::t_fo);
        }
    }
    Shown_Choice(&Stahlprofil::hot_finished);
    Add_Radio_Button_to_Scrollable_Area(g.area, g.x + 40, *y, "kaltgefertigt", Normal(), g.colour, 0,
                                        &p->hot_finished, g.enable);
    Add_Radio_Button_to_Scrollable_Area(g.area, g.x + 190, *y, "warmgefertigt", Normal(), g.colour, 1,
                                        &p->hot_finished, g.enable);
    *y += g.row;
}

// A flat bar: height and thickness.
void Flat_Bar_Rows(const Page& g, int* y) {
    Dimension_Row(g, y, "Höhe"_cp, "h", "", &Stahlprofil::h);
    Dimension_Row(g, y, "Dicke", "t", "", &Stahlprofil::t_w);
}

// A round bar: its diameter.
void Round_Bar_Rows(const Page& g, int* y) {
    Dimension_Row(g, y, "Durchmesser", "d", "", &Stahlprofil::h);
}

// A box: webs and flanges, their overhangs tied unless listed apart.
void Box_Rows(const Page& g, int* y) {
    const bool both = g.separate;
    Dimension_Row(g, y, "Profilhöhe"_cp, "h", "", &Stahlprofil::h);
    Dimension_Row(g, y, "Stegdicke", "t", "w", &Stahlprofil::t_w);
    Dimension_Row(g, y, "Flanschbreite oben", "b", "fo", &Stahlprofil::b_fo);
    if (Box_Flanges_Apart(both)) {
        Dimension_Row(g, y, "Überstand oben"_cp, "b", "üo"_cp, &Stahlprofil::b_ueo);
        Dimension_Row(g, y, "Flanschdicke oben", "t", "fo", &Stahlprofil::t_fo);
        Dimension_Row(g, y, "Flanschbreite unten", "b", "fu", &Stahlprofil::b_fu);
        Dimension_Row(g, y, "Überstand unten"_cp, "b", "üu"_cp, &Stahlprofil::b_ueu);
        Dimension_Row(g, y, "Flanschdicke unten", "t", "fu", &Stahlprofil::t_fu);
    } else {
        Dimension_Row(g, y, "Flanschbreite unten", "b", "fu", &Stahlprofil::b_fu);
        Dimension_Row(g, y, "Überstand"_cp, "b", "ü"_cp, &Stahlprofil::b_ueo);
        Dimension_Row(g, y, "Flanschdicke", "t", "f", &Stahlprofil::t_fo);
    }
}

// A trapezoid: its widths, one thickness or web and flanges apart.
void Trapezoid_Rows(const Page& g, int* y) {
    const bool both = g.separate;
    Dimension_Row(g, y, "Profilhöhe"_cp, "h", "", &Stahlprofil::h);
    if (both) Dimension_Row(g, y, "Stegdicke", "t", "w", &Stahlprofil::t_w);
    Dimension_Row(g, y, "Flanschbreite", "b", "f", &Stahlprofil::b_fo);
    Dimension_Row(g, y, "Fußbreite"_cp, "b", "", &Stahlprofil::b_fu);
    if (both) {
        Dimension_Row(g, y, "Flanschdicke", "t", "f", &Stahlprofil::t_fo);
    } else {
        Dimension_Row(g, y, "Blechdicke", "t", "", &Stahlprofil::t_fo);
    }
}

void Dimension_Rows(const Page& g, int* y) {
    Stahlprofil* p = g.p;
    const bool both = g.separate;
    switch (p->type) {
    case PROFILTYP_I: case PROFILTYP_H: case PROFILTYP_DIL: case PROFILTYP_S: case PROFILTYP_W: I_Rows(g, y); break;
    case PROFILTYP_L: Angle_Rows(g, y); break;
    case PROFILTYP_C: case PROFILTYP_U: Channel_Rows(g, y); break;
    case PROFILTYP_Z: Z_Rows(g, y); break;
    case PROFILTYP_T: case PROFILTYP_HALB_I: Tee_Rows(g, y); break;
    case PROFILTYP_RECHTECK: case PROFILTYP_ROHR: Tube_Rows(g, y); break;
    case PROFILTYP_FLACH: Flat_Bar_Rows(g, y); break;
    case PROFILTYP_RUND: Round_Bar_Rows(g, y); break;
    case PROFILTYP_KASTEN: Box_Rows(g, y); break;
    case PROFILTYP_TRAPEZ: Trapezoid_Rows(g, y); break;
    default: break;
    }
    Mirror_Single_Values(p, both);
}

// One weld group of a welded section: fillet with its throat or butt weld.
void Weld_Group(const Page& g, int* y, int Stahlprofil::*kind_member, double Stahlprofil::*throat,
                const char* subscript, const char* butt_text) {
    int* kind = &(g.p->*kind_member);
    Shown_Choice(kind_member);
    Add_Radio_Button_to_Scrollable_Area(g.area, g.x + 60, *y, "Kehlnaht", Normal(), g.colour, 0, kind, g.enable);
    if (*kind == 0) {
        Text(g, g.x + 145, *y, ": Dicke");
        Text(g, g.x + 205, *y, "a");
        if (*subscript) Text(g, g.x + 213, *y + 2, subscript, Small());
        Fitted_Float(g, g.x + 220, *y, throat, kMaxThroat, ("Schweißnahtdicke a"_cp + std::string(subscript)).c_str());
        Text(g, g.x + 285, *y, "mm", -1, g.unit_colour);
    }
    *y += g.radio;
    Add_Radio_Button_to_Scrollable_Area(g.area, g.x + 60, *y, "Stumpfnaht", Normal(), g.colour, 2, kind, g.enable);
    if (*kind == 2) Text(g, g.x + 145, *y, butt_text);
    *y += g.row;
}

void Rolled_Or_Welded(const Page& g, int* y) {
    Stahlprofil* p = g.p;
    const int t = p->type;
    if (Is_Profile_Type_One_Of(t, {PROFILTYP_FLACH, PROFILTYP_RUND, PROFILTYP_ROHR, PROFILTYP_KASTEN, PROFILTYP_TRAPEZ}))
        return;
    Shown_Choice(&Stahlprofil::rolled);
    Add_Radio_Button_to_Scrollable_Area(g.area, g.x + 40, *y, "gewalztes Profil", Normal(), g.colour, 1, &p->rolled,
                                        g.enable);
    *y += g.radio;
    if (p->rolled) {
        *y += g.row - g.radio;
        Dimension_Row(g, y, "Ausrundungsradius", "r", "", &Stahlprofil::r_1);
        if (Is_Profile_Type_One_Of(t, {PROFILTYP_L, PROFILTYP_C, PROFILTYP_RECHTECK, PROFILTYP_T, PROFILTYP_U,
                                       PROFILTYP_Z}))
            Dimension_Row(g, y, "", "r", "2", &Stahlprofil::r_2, "Ausrundungsradius r2");
        else p->r_2 = 0.0;
    }
    Add_Radio_Button_to_Scrollable_Area(g.area, g.x + 40, *y, "geschweißtes Profil"_cp, Normal(), g.colour, 0,
                                        &p->rolled, g.enable);
    *y += g.row;
    if (p->rolled || Is_Profile_Type_One_Of(t, {PROFILTYP_L, PROFILTYP_C, PROFILTYP_RECHTECK, PROFILTYP_U, PROFILTYP_Z}))
        return;
    const bool i_family = Is_Profile_Type_In(PROFILTYP_MASK_I, t) != 0;
    if (!i_family && t != PROFILTYP_T && t != PROFILTYP_HALB_I) {
        Dimension_Row(g, y, "Schweißnahtdicke"_cp, "a", "", &Stahlprofil::a_o);
        return;
    }
    const bool two_groups = i_family && g.separate;
    Weld_Group(g, y, &Stahlprofil::weld_kind_top, &Stahlprofil::a_o, two_groups ? "o" : "",
               two_groups ? " (oben durchgeschweißt)"_cp : " (durchgeschweißt)"_cp);
    if (two_groups) {
        Weld_Group(g, y, &Stahlprofil::weld_kind_bottom, &Stahlprofil::a_u, "u", " (unten durchgeschweißt)"_cp);
    } else if (i_family) {
        p->a_u = p->a_o;
        p->weld_kind_bottom = p->weld_kind_top;
    }
}

void Parametrised_Profile(const Page& g, int* y, int slot, const int* allowed, int n, const char* first_line) {
    Stahlprofil* p = g.p;
    if (n >= 2 || (n == 1 && allowed[0] == 0)) {
        Text(g, g.x + 20, *y, "Profilklasse");
        Add_Choice_List_to_Scrollable_Area(g.area, g.x + 185, *y, g_classes[slot], Normal(), 10, Offered_Classes(),
                                           &p->type, g.enable);
        if (allowed[0] != 0 && !Allows(allowed, n, p->type)) {
            g_message_shown = 0;
            Report_Profile_Type_Refusal(n, allowed, 0, first_line);
            p->type = allowed[0];
        }
        *y += g.row;
    } else if (n == 1) {
        p->type = allowed[0];
    }
    std::memset(p->name, ' ', STAHLPROFIL_NAME_SIZE - 1);
    p->name[STAHLPROFIL_NAME_SIZE - 1] = '\0';
    if (n == 1 && allowed[0] != 0) {
        *y -= g.row - 14;
        Add_Rectangle_to_Scrollable_Area(g.area, g.x + 20, *y - 8, g.x + 175, *y + 2, Nearest_RGB_Color(196, 217, 196));
        if (const char* heading = Class_Heading(p->type, true)) Text(g, g.x + 25, *y, heading, Small());
        *y += g.radio;
    }
    Dimension_Rows(g, y);
    Rolled_Or_Welded(g, y);
}

// The fields the rows of the typed-in profile p show with separate flanges
// or one value for both (p's class, rolled flag and weld kinds decide), as
// the rows say: built on a copy into no area, they add nothing and change
// nothing of the page's.
unsigned Fields_Of(const Stahlprofil* p, bool separate) {
    Stahlprofil copy = *p;
    Fit_State page = std::move(g_fit);
    g_fit = Fit_State{&copy, separate, {}};
    static int off = 0;
    const Page g{&copy, -1, 0, 0, 0, &off, 0, 0, separate};
    int y = 0;
    Dimension_Rows(g, &y);
    Rolled_Or_Welded(g, &y);
    const unsigned shown = g_fit.shown;
    g_fit = std::move(page);
    return shown;
}

void Copy_Fields(Stahlprofil* to, const Stahlprofil* from, unsigned fields) {
    for (const Field_Member& f : kFieldMembers)
        if (fields & f.bit) to->*f.member = from->*f.member;
    for (const Choice_Member& c : kChoiceMembers)
        if (fields & c.bit) to->*c.member = from->*c.member;
}

// What the user gave a typed-in profile, class by class: the values its
// rows showed last. The profile record holds only what its class and the
// page's flanges show (a build derives or clears the rest: a flat bar has
// no flanges, a round bar no wall); a class chosen again, separate flanges
// asked for again or the typed-in kind chosen again after a catalogue
// profile takes back what its rows showed before, however many classes
// came between: what a class between derived or cleared is no one's.
struct Typed_Class {
    unsigned held;  // PROFILE_FIELD_ bits the values hold
    Stahlprofil values;
};
constexpr int kFieldBits = 16;  // the PROFILE_FIELD_ bits
static_assert(PROFILE_FIELD_WELD_BOTTOM == 1u << (kFieldBits - 1), "every field has its bit");
struct Typed_Memory {
    Typed_Class classes[STAHLPROFIL_TYPE_COUNT];
    // What was typed into each field last, in whichever class (a field
    // typed at any build, typed_at above 0).
    Stahlprofil typed;
    int typed_type;                  // the class the profile was last typed in as, 0: none
    const Stahlprofil* profile;      // the profile of the last build
    int kind, type;                  // as the last build showed it
    unsigned shown;                  // what its rows showed
    // Counted in builds: when each field was last typed, and each class
    // last shown. A value typed since a class was shown is the user's latest
    // word for the field, and that class takes it instead of its own.
    long builds;
    long typed_at[kFieldBits];
    long shown_at[STAHLPROFIL_TYPE_COUNT];
};
Typed_Memory g_typed[PROFILE_REGISTER_SLOTS];

constexpr unsigned kChoices =
    PROFILE_FIELD_ROLLED | PROFILE_FIELD_HOT_FINISHED | PROFILE_FIELD_WELD_TOP | PROFILE_FIELD_WELD_BOTTOM;

bool Is_Class(int type) { return type > 0 && type < STAHLPROFIL_TYPE_COUNT; }

// The fields of `fields` in which a and b differ.
unsigned Differing_Fields(const Stahlprofil& a, const Stahlprofil& b, unsigned fields) {
    unsigned differ = 0;
    for (const Field_Member& f : kFieldMembers)
        if ((fields & f.bit) && !(a.*f.member == b.*f.member)) differ |= f.bit;
    for (const Choice_Member& c : kChoiceMembers)
        if ((fields & c.bit) && a.*c.member != b.*c.member) differ |= c.bit;
    return differ;
}

// The fields of `fields` that class `type` takes back as it showed them:
// those it holds and that were not typed since it was shown last.
unsigned Own_Fields(const Typed_Memory& m, int type, unsigned fields) {
    unsigned own = 0;
    for (int i = 0; i < kFieldBits; i++) {
        const unsigned bit = 1u << i;
        if ((fields & m.classes[type].held & bit) && m.typed_at[i] <= m.shown_at[type]) own |= bit;
    }
    return own;
}

// The fields p's rows show and shown_before did not, where p's class
// showed them before: each as it showed it last, or as it was typed since
// in another class. Those the class never showed keep what p holds (what
// the class before shared with it). The choices first, since they decide
// which values the rows show.
void Give_Back_Typed(Stahlprofil* p, const Typed_Memory& m, unsigned shown_before, bool separate) {
    if (!Is_Class(p->type)) return;
    for (unsigned part : {kChoices, ~0u}) {
        const unsigned wanted = Fields_Of(p, separate) & part & ~shown_before & m.classes[p->type].held;
        const unsigned own = Own_Fields(m, p->type, wanted);
        Copy_Fields(p, &m.classes[p->type].values, own);
        Copy_Fields(p, &m.typed, wanted & ~own);
    }
}

// What p holds in the fields that the rows of its class showed, as that
// class's.
void Take_Typed(Typed_Memory& m, const Stahlprofil* p, unsigned shown) {
    Copy_Fields(&m.classes[p->type].values, p, shown);
    m.classes[p->type].held |= shown;
    m.typed_type = p->type;
}

// At the start of a build, before the build derives or clears a value:
// what the rows of the last build of the same class showed and p now holds
// otherwise was typed since; then what the rows show now and the class
// showed before comes back: all of it for another class, what they did not
// show at the last build for the same class. (After a class change the record may already hold the new class's
// derived values, no one's: the preview computes the section as it
// stands.)
void Keep_Typed(Stahlprofil* p, int slot, bool separate) {
    Typed_Memory& m = g_typed[slot];
    if (m.profile != p) return;
    m.builds++;
    const bool typed_before = m.kind == STAHLPROFIL_KIND_DIMENSIONS && Is_Class(m.type);
    if (typed_before && m.type == p->type) {
        const unsigned typed = Differing_Fields(*p, m.classes[m.type].values, m.shown);
        for (int i = 0; i < kFieldBits; i++)
            if (typed & 1u << i) m.typed_at[i] = m.builds;
        Copy_Fields(&m.typed, p, typed);
        Take_Typed(m, p, m.shown);
    }
    if (p->kind != STAHLPROFIL_KIND_DIMENSIONS) return;
    if (m.kind == STAHLPROFIL_KIND_CATALOGUE && Is_Class(m.typed_type)) {
        p->type = m.typed_type;
        Give_Back_Typed(p, m, 0, separate);
    } else if (typed_before) {
        Give_Back_Typed(p, m, m.type == p->type ? m.shown : 0u, separate);
    }
}

// At the end of a build: what its rows showed, as the profile now holds it.
void Note_Shown(const Stahlprofil* p, int slot) {
    Typed_Memory& m = g_typed[slot];
    if (m.profile != p) m = Typed_Memory{};
    m.profile = p;
    m.kind = p->kind;
    m.type = p->type;
    m.shown = g_fit.shown;
    if (p->kind == STAHLPROFIL_KIND_DIMENSIONS && Is_Class(p->type)) {
        Take_Typed(m, p, m.shown);
        m.shown_at[p->type] = m.builds;
    }
}

}  // namespace

const char* Profile_Manager_Filter_Letters(const int* allowed) {
    static const char* const kLetters[18] = {"ZKULTDR", "", "", "L", "D", "D", "U", "D", "R",
                                             "K",       "D", "T", "U", "D", "Z", "T", "", ""};
    static char filter[10];
    filter[0] = '\0';
    const int n = Allowed_Count(allowed);
    for (int i = 0; i < n; i++) {
        if (allowed[i] == 0) {
            std::snprintf(filter, sizeof filter, "%s", kLetters[0]);
            return filter;
        }
    }
    size_t len = 0;
    for (int i = 0; i < n && len < 9; i++) {
        const char* letters = allowed[i] > 17 ? "D" : kLetters[allowed[i]];
        if (*letters && !std::strchr(filter, letters[0])) {
            filter[len++] = letters[0];
            filter[len] = '\0';
        }
    }
    return filter;
}

namespace {

// The refusal message of a class the allowed ones do not hold.
void Refusal_Message(int count, const int* allowed, int kind, const char* first_line) {
    Init_Message();
    Set_Message_Title(VEK_REFUSAL_TITLE);
    if (first_line && *first_line) Fill_Message("%s", first_line);
    Fill_Message("%s", kind ? "Gewählter Profiltyp ist in der Bibliothek nicht vorhanden."_cp
                            : "Gewählter Profiltyp kann nicht berechnet werden"_cp);
    Fill_Message("%s", "Bitte wählen Sie ein Profil des Typs"_cp);
    static const struct { int type; const char* name; } kNames[13] = {
        {4, " 'I' "},  {5, " 'H' "},  {7, " 'D' "},   {10, " 'S' "},        {13, " 'W' "},
        {3, " 'L' "},  {12, " 'U' "}, {6, " 'C' "},   {11, " 'T' "},        {15, " 'I/2' "},
        {9, " 'Kreisrohr' "}, {8, " 'Rechteckrohr' "}, {14, " 'Z' "}};
    static const struct { int type; const char* line; } kLines[4] = {
        {1, " 'Flachstahl' "}, {2, " 'Rundstahl' "}, {16, " 'Hohlkasten' "}, {17, " 'Trapezprofil' "}};
    std::string list;
    for (int i = 0; i < count && allowed; i++) {
        for (const auto& entry : kNames)
            if (allowed[i] == 0 || allowed[i] == entry.type) list += entry.name;
        if (kind == 0)
            for (const auto& entry : kLines)
                if (allowed[i] == 0 || allowed[i] == entry.type) Fill_Message("%s", entry.line);
    }
    Fill_Message("%s", list.c_str());
    Draw_Message();
    g_message_shown = 1;
}

}  // namespace

void Report_Profile_Type_Refusal(int count, const int* allowed, int kind, const char* first_line) {
    Refusal_Message(count, allowed, kind, first_line);
}

void Report_Unknown_Profile(const char* name, const char* kept, const char* first_line) {
    char trimmed[PROFILAUSWAHL_NAME_SIZE], stays[PROFILAUSWAHL_NAME_SIZE];
    Copy_Trimmed(name, trimmed, sizeof trimmed, 3);
    Copy_Trimmed(kept ? kept : "", stays, sizeof stays, 3);
    Init_Message();
    Set_Message_Title(VEK_REFUSAL_TITLE);
    if (first_line && *first_line) Fill_Message("%s", first_line);
    Fill_Message("Das Profil \"%s\" ist in der Bibliothek nicht vorhanden.", trimmed);
    if (stays[0]) Fill_Message("Es bleibt das Profil \"%s\".", stays);
    Draw_Message();
    g_message_shown = 1;
}

Profile_Manager_Selector Set_Profile_Manager_Selector(Profile_Manager_Selector select) {
    Profile_Manager_Selector previous = g_select;
    g_select = select;
    return previous;
}

void Edit_Profile_Register(Stahlprofil* profile, int area, int x, int* y, int row_step, int radio_step,
                           int third_step, int editable, const int* allowed, int options, int slot,
                           int separate_flanges, int name_width, int compact, const char* first_line) {
    if (!profile || !y || slot < 0 || slot >= PROFILE_REGISTER_SLOTS) return;
    if (!g_initialised) {
        for (int i = 0; i < PROFILE_REGISTER_SLOTS; i++) {
            profile->manager_flag = Init_Profile_Selection(&g_selection[i]);
            g_button[i] = 0;
            g_last_kind[i] = -1;
        }
        g_initialised = true;
    }
    Keep_Typed(profile, slot, separate_flanges != 0);
    g_fit = Fit_State{profile, separate_flanges != 0, {}};
    const int n = Allowed_Count(allowed);
    Build_Class_List(slot, editable != 0, allowed, n);
    Page g{profile, area, x, row_step, radio_step, Next_Register_Field_Flag(editable ? 1 : 0),
           editable ? Nearest_RGB_Color(0, 0, 0) : Nearest_RGB_Color(192, 192, 192),
           editable ? Nearest_RGB_Color(0, 0, 0) : Nearest_RGB_Color(160, 160, 160), separate_flanges != 0};
    const int radio_y = *y;
    Add_Radio_Button_to_Scrollable_Area(area, x + 20, *y, "Profil aus Profilmanager", Normal(), g.colour, 1,
                                        &profile->kind, g.enable);
    Add_Radio_Button_to_Scrollable_Area(area, x + 20, *y + radio_step, "parametrisiertes Stahlprofil", Normal(),
                                        g.colour, 0, &profile->kind, g.enable);
    *y += radio_step + row_step;
    if (profile->kind == STAHLPROFIL_KIND_CATALOGUE)
        Catalogue_Profile(g, y, slot, allowed, n, name_width, compact, first_line, radio_y,
                          g_last_kind[slot] == STAHLPROFIL_KIND_DIMENSIONS);
    else if (profile->kind == STAHLPROFIL_KIND_DIMENSIONS) Parametrised_Profile(g, y, slot, allowed, n, first_line);
    if (options & 1) {
        if (profile->kind == STAHLPROFIL_KIND_DIMENSIONS) *y += row_step - radio_step;
        Draw_Material_Sheet(&profile->material, area, x + 20, y, row_step, radio_step, third_step, *g.enable,
                            g.colour, 0x40 | (options & (MATERIAL_ROW_BETA_W | MATERIAL_ROW_E)));
    }
    Calc_Profile_Cross_Section(profile, nullptr, 0, "");
    Note_Shown(profile, slot);
    g_last_kind[slot] = profile->kind;
}

int Profile_Register_Typed_Values(const Stahlprofil* p, int slot, Stahlprofil* typed) {
    if (!p || !typed || slot < 0 || slot >= PROFILE_REGISTER_SLOTS) return 0;
    *typed = *p;
    const Typed_Memory& m = g_typed[slot];
    if (m.profile != p || !Is_Class(p->type)) return 0;
    Copy_Fields(typed, &m.classes[p->type].values, m.classes[p->type].held);
    return 1;
}

void Forget_Profile_Register_Typed(int slot) {
    if (slot >= 0 && slot < PROFILE_REGISTER_SLOTS) g_typed[slot] = Typed_Memory{};
}

void Reset_Profile_Register(void) {
    for (int i = 0; i < PROFILE_REGISTER_SLOTS; i++) {
        g_selection[i] = Profilauswahl{};
        g_button[i] = 0;
        g_last_kind[i] = -1;
    }
    g_message_shown = 0;
    g_fit = Fit_State{};
    for (Typed_Memory& m : g_typed) m = Typed_Memory{};
    g_initialised = false;
    g_select = nullptr;
}
