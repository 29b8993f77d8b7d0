// The input page of the connection and its exchange with the record.
#include "weldapp/input_page.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

#include "base/cp850.h"
#include "codes/blech_pages.h"
#include "codes/input_ranges.h"
#include "codes/material_sheet.h"
#include "codes/nad_norm.h"
#include "codes/stguete.h"
#include "dialogs/scrollarea.h"
#include "dialogs/valuecheck.h"
#include "platform/field_number.h"
#include "platform/msgbox.h"
#include "platform/screen.h"
#include "profiles/profile_catalogue.h"
#include "profiles/profile_register.h"
#include "weldapp/code_materials.h"
#include "weldapp/connection_preview.h"
#include "weldapp/din_anschluss.h"
#include "weldapp/exchange.h"
#include "weldapp/filed_record.h"
#include "weldapp/print_schweissnaht.h"
#include "weldapp/schweissnaht.h"
#include "weldapp/tool_text.h"
#include "weldapp/typed_section.h"
#include "weldcheck/weld_check_record.h"
#include "weldcheck/weldelem.h"

Nachweis_Page_Variables Nachweis_Page;

namespace {

// Selection tables, built on the first page build.
char g_code_names[2][30];
Choice_List_Entry g_code_entries[2];
Choice_List_Entry g_weld_kind_entries[3];
// The kind of the single welds an input file gave that the page does not
// offer (1 slot, 3 plug, 4 other weld), 0 for none: shown as the third
// entry of the kind's choice while the record is the one that gave it.
int g_other_kind = 0;
char g_other_kind_name[24];
Choice_List_Entry g_shear_entries[3];
bool g_tables_built = false;

// The weld part the preview item of the last build shows.
Nahtbild* g_preview_naht = nullptr;

void Paint_Connection_Preview(int x1, int y1, int x2, int y2, int) {
    Draw_Schweissnaht_Skizze(x1, y1, x2, y2, g_preview_naht);
}

// The profile classes the page offers (box and trapezoid are not), ended as
// the profile register's list is.
const int kTypes[] = {PROFILTYP_FLACH, PROFILTYP_RUND, PROFILTYP_L,        PROFILTYP_I, PROFILTYP_H,
                      PROFILTYP_C,     PROFILTYP_DIL,  PROFILTYP_RECHTECK, PROFILTYP_ROHR,
                      PROFILTYP_S,     PROFILTYP_T,    PROFILTYP_U,        PROFILTYP_W, PROFILTYP_Z,
                      PROFILTYP_HALB_I, -1};

// The option bits of the profile register's rows (profile_register.h): the
// profile's own grade, and its beta_w.
constexpr int kProfileGradeRows = 0x1, kProfileBetaWRow = 0x2;

// The types with flanges an all-round weld has throats of its own at: the
// I family and the tees.
constexpr unsigned kFlangedTypes = PROFILTYP_MASK_I | 1u << PROFILTYP_T | 1u << PROFILTYP_HALB_I;
static_assert(kFlangedTypes == 0xACB0u, "types 4, 5, 7, 10, 11, 13 and 15");

// Catalogue names compared without their trailing blanks.
bool Same_Name(const char* a, const char* b) {
    const int la = Length_Without_Trailing_Blanks(a), lb = Length_Without_Trailing_Blanks(b);
    return la == lb && std::strncmp(a, b, static_cast<size_t>(la)) == 0;
}

void Build_Tables() {
    if (g_tables_built) return;
    std::snprintf(g_code_names[0], sizeof g_code_names[0], "%s", Get_Norm_Name(12, 0, 1));
    std::snprintf(g_code_names[1], sizeof g_code_names[1], "%s", Get_Norm_Name(25, 0, 1));
    static char kehlnaht[] = "Kehlnaht", stumpfnaht[] = "Stumpfnaht";
    static char konventionell[] = "konventionell", steifigkeiten[] = "Steifigkeiten", nm[] = "N/M-konform";
    for (int i = 0; i < 2; i++) g_code_entries[i] = {0, g_code_names[i]};
    g_weld_kind_entries[0] = {0, kehlnaht};
    g_weld_kind_entries[1] = {0, stumpfnaht};
    g_weld_kind_entries[2] = {0, g_other_kind_name};
    g_shear_entries[0] = {Screen_Black, konventionell};
    g_shear_entries[1] = {Screen_Black, steifigkeiten};
    g_shear_entries[2] = {Screen_Black, nm};
    g_tables_built = true;
}

// Positions follow the stand-in's raster font (8 pixels a character):
// where the design's places would let a label run into the next item, the
// item stands further right; rows and groups keep their order.

// What one build of the page needs.
struct Page {
    SchweissnahtAnschluss* r;
    int area;
    int x0;
    int step, small;
    int colour;      // page colour: black when active, grey when not
    int* enable;     // the page's enable word
    int ec;          // code setting EC 3
    int width;       // the page's usable width
    int active;
};

int Normal() { return Screen_Font_Normal; }
int Heading() { return Screen_Font_Bold; }

void Text(const Page& g, int x, int y, const char* text, int font = -1, int colour = -1) {
    Add_Text_to_Scrollable_Area(g.area, x, y, text, font < 0 ? Normal() : font, colour < 0 ? g.colour : colour, 0);
}

// A formula symbol with its index two pixels lower in the small font.
void Symbol(const Page& g, int x, int x_index, int y, const char* symbol, const char* index, int colour = -1) {
    Text(g, x, y, symbol, Normal(), colour);
    Text(g, x_index, y + 2, index, Screen_Font_Small, colour);
}

// What the page's number fields take, the ranges the import and the input
// file's reader hold as well: a typed value outside its field's bounds is
// refused with a message and the field keeps its value. Throats from 0 (a
// weld switched off); a weld length up to its edge of the profile (the
// refresh would cap a longer one), the range's end where the profile gives
// no edge; the contact share in percent; partial factors where the factor
// check takes them.
using Bounds = Input_Range;
constexpr Bounds kThroat = Input_Range_Of(RANGE_THROAT);                  // mm
constexpr Bounds kContactPercent = Input_Range_Of(RANGE_CONTACT_SHARE);  // %
constexpr Bounds kPartialFactor = Input_Range_Of(RANGE_PARTIAL_FACTOR);

// The decimal places the input file keeps of every value of the page (in
// the unit the page shows, mm, N/mm² or none): a value typed with as many
// is kept and shown as typed, one with more is refused.
constexpr int kFileDecimals = INPUT_FILE_DECIMALS;

void Number(const Page& g, int x, int y, double* value, const char* format, Bounds bounds, int colour = -1) {
    Add_Float_to_Scrollable_Area(g.area, x, y, value, format, Normal(), colour < 0 ? g.colour : colour, g.enable);
    Set_Bounds_of_Last_Float(g.area, bounds.minimum, bounds.maximum);
}

// A "%6.1f" field of a throat in mm.
void Throat(const Page& g, int x, int y, double* value, int colour = -1) {
    Number(g, x, y, value, "%6.1f", kThroat, colour);
}

// "Kontaktabtrag", its field a character's width after the label, "%" as
// far after the field's frame. The share is kept as a fraction with the
// input file's six places: four places of a percent, shown in the four
// characters before the "%" ("37.5", "4e-4").
void Contact_Share(const Page& g, int x_text, int y) {
    const int x_field = x_text + 120;
    Text(g, x_text, y, "Kontaktabtrag");
    Number(g, x_field, y, &Nachweis_Page.contact_percent, "%3.0f", kContactPercent);
    Set_Decimals_of_Last_Float(g.area, kFileDecimals - 2);
    Set_Room_of_Last_Float(g.area, 4);
    Text(g, x_field + 41, y, "%");
}

void Separators(const Page& g, int xm, int y_from, int y, int width) {
    Add_Line_to_Scrollable_Area(g.area, xm - 20, y_from, xm - 20, y - g.step, Screen_Grey130);
    Add_Line_to_Scrollable_Area(g.area, g.x0, y, width - 10, y, Screen_Grey130);
}

// ---- the page's blocks ---------------------------------------------------

// Code and factors, and the exchange row; the left column's end.
int Left_Column(const Page& g, int y1) {
    SchweissnahtAnschluss* r = g.r;
    Text(g, g.x0, y1, "Vorschrift", Heading(), BLUE_CI);
    Add_Choice_List_to_Scrollable_Area(g.area, g.x0 + 200, y1, g_code_entries, Normal(), 13, 2, &r->code_setting,
                                       &Screen_Flag_On);
    int y = y1 + g.step + 5;
    if (r->code_setting == CODE_SETTING_DIN18800) {
        // The bold heading ends at x0 + 231; symbol and field after it.
        Text(g, g.x0, y, "Materialsicherheitsbeiwert", Heading());
        Symbol(g, g.x0 + 242, g.x0 + 250, y, "\xC0", "M");
        Number(g, g.x0 + 275, y, &r->gamma_M, "%6.2f", kPartialFactor);
        y += g.step;
    } else {
        Draw_Safety_Factors_Sheet(&r->safety, g.area, g.x0, &y, g.step, g.small, g.width, g.active, 6, 1);
    }
    const int ye = y;
    // Each yellow ground reaches past its button's text (17 characters).
    Add_Rectangle_to_Scrollable_Area(g.area, g.x0 - 5, ye - 4, g.x0 + 160, ye + 15, Screen_Light_Yellow);
    Add_Action_Button(g.area, g.x0 + 20, ye + 10, &Nachweis_Page.export_request, "Daten exportieren", 0);
    Add_Rectangle_to_Scrollable_Area(g.area, g.x0 + 185, ye - 4, g.x0 + 350, ye + 15, Screen_Light_Yellow);
    Add_Action_Button(g.area, g.x0 + 210, ye + 10, &Nachweis_Page.import_request, "Daten importieren", 0);
    return ye + 10 + g.step;
}

// The DIN check takes no correlation factor beta_w: its welds' alpha_w
// comes with the grade of the weld material (the plate's), and is shown
// where beta_w stands under EC 3, as a value that cannot be edited.
double g_din_alpha_w = 0.95;

void Din_Alpha_w_Row(const Page& g, int x, int* y) {
    g_din_alpha_w = Din_Fillet_Alpha_w(&g.r->naht.plate.material);
    Draw_Material_Shown_Row(g.area, x, y, g.step, "Beiwert Kehlnähte"_cp, "\xBA", "w", &g_din_alpha_w, "%6.2f");
    // A material beyond the DIN list has none: the welds are not checked.
    char beyond[160];
    std::snprintf(beyond, sizeof beyond,
                  "DIN 18800 kennt keine Stahlsorte mit fy,k über %.0lf N/mm²: die Schweißnähte werden nicht "
                  "nachgewiesen."_cp,
                  Get_Din_Own_F_Y_Max());
    Set_Disabled_Reason_of_Last_Item(g.area, Din_Welds_Refused(g.r, false) ? beyond
                                                                    : "Der Beiwert folgt der Stahlsorte des Blechs."_cp);
}

// Uniform grade and cross-section check; the right column's end.
int Right_Column(const Page& g, int xm, int y1) {
    SchweissnahtAnschluss* r = g.r;
    Add_Check_Box_to_Scrollable_Area(g.area, xm + 20, y1, "einheitliche Stahlsorte", Heading(), Screen_Black,
                                     &r->naht.uniform_grade, &Screen_Flag_On);
    int y = y1 + g.step;
    if (r->naht.uniform_grade) {
        Draw_Material_Sheet_Locked(&r->naht.material, g.area, xm + 20, &y, g.step, 0, 0, 1, Screen_Black,
                                   g.ec ? MATERIAL_ROW_BETA_W : 0);
        if (!g.ec) Din_Alpha_w_Row(g, xm + 20, &y);
    }
    y += 10;
    Add_Check_Box_to_Scrollable_Area(g.area, xm + 20, y, "Querschnittstragfähigkeit"_cp, Heading(), Screen_Black,
                                     &r->section_check, &Screen_Flag_On);
    y += g.step;
    if (r->section_check) {
        if (!g.ec) {
            r->section_method = 0;
        } else {
            // The first circle a character's width after the label.
            Text(g, xm + 20, y, "Verfahren", -1, Screen_Black);
            Add_Radio_Button_to_Scrollable_Area(g.area, xm + 120, y, "'Elastisch-Elastisch'", Normal(), Screen_Black,
                                                0, &r->section_method, &Screen_Flag_On);
            Add_Radio_Button_to_Scrollable_Area(g.area, xm + 320, y, "'Elastisch-Plastisch'", Normal(), Screen_Black,
                                                1, &r->section_method, &Screen_Flag_On);
            Text(g, xm + 325, y + 12, "nicht Flach-/Rundstahl, Kastenprofil", Screen_Font_Small, Screen_Brown);
            y += g.step;
        }
    }
    return y;
}

// The throat and contact fields of the all-round weld in its row Y; the
// row of the next radio.
int All_Round_Fields(const Page& g, int Y) {
    Nahtbild& n = g.r->naht;
    const int t = n.profile.type, x0 = g.x0;
    if (g.ec && Is_Profile_Type_In(kFlangedTypes, t)) {
        // A two-letter index ends a character's width before the field.
        Symbol(g, x0 + 204, x0 + 212, Y, "a", "fo");
        Throat(g, x0 + 240, Y, &n.a_w_fo);
        Text(g, x0 + 305, Y, "mm");
        if (Is_Profile_Type_In(PROFILTYP_MASK_I, t)) {
            Symbol(g, x0 + 354, x0 + 362, Y, "a", "fu");
            Throat(g, x0 + 390, Y, &n.a_w_fu);
            Text(g, x0 + 455, Y, "mm");
            Symbol(g, x0 + 510, x0 + 518, Y, "a", "w");
            Throat(g, x0 + 540, Y, &n.a_w);
            Text(g, x0 + 605, Y, "mm");
            Contact_Share(g, x0 + 650, Y);
        } else {
            Symbol(g, x0 + 360, x0 + 368, Y, "a", "w");
            Throat(g, x0 + 390, Y, &n.a_w);
            Text(g, x0 + 455, Y, "mm");
            Contact_Share(g, x0 + 500, Y);
        }
        Add_Check_Box_to_Scrollable_Area(g.area, x0 + 40, Y + g.step, "kurze Nähte vernachlässigen"_cp, Normal(),
                                         g.colour, &g.r->short_welds, g.enable);
        return Y + 2 * g.step;
    }
    Symbol(g, x0 + 210, x0 + 218, Y, "a", "w");
    Throat(g, x0 + 240, Y, &n.a_w);
    Text(g, x0 + 305, Y, "mm");
    Contact_Share(g, x0 + 355, Y);
    if (g.ec && !Is_Profile_Type_One_Of(t, {PROFILTYP_FLACH, PROFILTYP_RUND, PROFILTYP_RECHTECK, PROFILTYP_ROHR}))
        Add_Check_Box_to_Scrollable_Area(g.area, x0 + 640, Y, "kurze Nähte vernachlässigen"_cp, Normal(), g.colour,
                                         &g.r->short_welds, g.enable);
    return Y + g.small;
}

// The single welds: kind, checks, contact, the table of throats and lengths
// by weld number and the "Vorbelegung:" row; the y after them.
int Single_Weld_Rows(const Page& g, int y) {
    Nahtbild& n = g.r->naht;
    const int x0 = g.x0;
    Text(g, x0 + 150, y, "als");
    if (!g.ec) Nachweis_Page.butt_weld = EINZELNAHT_KEHLNAHT;
    // A kind the page does not offer, as the file gave it, beside the two it
    // offers.
    const int kinds = g_other_kind ? 3 : 2;
    if (g_other_kind) {
        std::snprintf(g_other_kind_name, sizeof g_other_kind_name, "%s", Weld_Kind_Name(g_other_kind));
    }
    Add_Choice_List_to_Scrollable_Area(g.area, x0 + 185, y, g_weld_kind_entries, Normal(), 9, kinds,
                                       &Nachweis_Page.butt_weld, g.ec ? g.enable : &Screen_Flag_Off);
    // The check boxes stand clear of the drop-down's frame (x0 + 282).
    if (Nachweis_Page.butt_weld == EINZELNAHT_KEHLNAHT)
        Add_Check_Box_to_Scrollable_Area(g.area, x0 + 315, y, "voll ausgeführt"_cp, Normal(), g.colour, &n.full_length,
                                         g.enable);
    else if (Nachweis_Page.butt_weld == EINZELNAHT_STUMPFNAHT && Nachweis_Page.throat_check)
        Text(g, x0 + 315, y, "(HY-Naht)");
    if (g.ec)
        Add_Check_Box_to_Scrollable_Area(g.area, x0 + 470, y, "Überprüfung der Nahtlänge"_cp, Normal(), g.colour,
                                         &Nachweis_Page.length_check, g.enable);
    Contact_Share(g, x0 + 690, y);
    y += g.step;
    const int count = std::clamp(n.weld_count, 0, static_cast<int>(NAHT_SLOTS));
    for (int k = 0; k < std::min(count, 3); k++) {
        Text(g, x0 + 80 + 270 * k, y, "Dicke");
        Text(g, x0 + 210 + 270 * k, y, "Länge"_cp);
    }
    y += g.step;
    // One cell of 270 pixels per weld, by weld number, three to a line. A
    // length takes up to its edge, the shorter rolled face of a sloped
    // flange where the check lays the weld (a file's longer one, which the
    // reader takes, is read as it is: the check takes it as that face).
    const Weld_Edges edges = Page_Weld_Edges(&n.profile);
    int cx = x0, shown = 0;
    for (int number = 1; number <= NAHT_SLOTS; number++) {
        int slot = -1;
        for (int i = 0; i < NAHT_SLOTS && slot < 0; i++)
            if (n.number[i] == number) slot = i;
        if (slot < 0) continue;
        char index[16];
        std::snprintf(index, sizeof index, "w%d", number);
        Symbol(g, cx + 45, cx + 53, y, "a", index);
        Throat(g, cx + 80, y, &n.throat[slot]);
        Text(g, cx + 145, y, "mm");
        Symbol(g, cx + 175, cx + 181, y, "l", index);
        Number(g, cx + 210, y, &n.length[slot], "%6.1f", Weld_Length_Range(edges, slot));
        Text(g, cx + 275, y, "mm");
        const int k = shown++;
        if (k != 0 && k < count - 1 && (k + 1) % 3 == 0) {
            y += g.step;
            cx = x0;
        } else {
            cx += 270;
        }
    }
    const int blue = *g.enable == 1 ? Screen_Blue : g.colour;
    Add_Rectangle_to_Scrollable_Area(g.area, x0 + 605, y - 11, x0 + 875, y + 12, Screen_Light_Yellow);
    Add_Action_Button(g.area, x0 + 630, y + 5, &Nachweis_Page.default_throat_request, "Vorbelegung:", 0);
    Symbol(g, x0 + 740, x0 + 748, y + 5, "a", "w", blue);
    Throat(g, x0 + 775, y + 5, &n.a_w, blue);
    Text(g, x0 + 840, y + 5, "mm", -1, blue);
    return y + 5;
}

// The shear split of a file, "N/M-konform", is not one the page offers: it
// becomes "konventionell", and the user is told so once, when it does, as
// saving will keep the new one.
void Report_Shear_Split_Reset(SchweissnahtAnschluss* r) {
    r->shear_split = WELD_SHEAR_SPLIT_CONVENTIONAL;
    Note_Told_Change(r, &r->shear_split);
    Init_Message();
    Set_Message_Title("Hinweis");
    Fill_Message("%s", "Die Querkraftaufteilung \"N/M-konform\" wird in der Eingabe nicht angeboten:");
    Fill_Message("%s", "sie wird auf \"konventionell\" gesetzt und so gespeichert.");
    Draw_Message();
}

// The weld block: method, checks and the three arrangements.
int Weld_Block(const Page& g, int y) {
    SchweissnahtAnschluss* r = g.r;
    const int x0 = g.x0, type = r->naht.profile.type;
    Text(g, x0, y, "Nachweis der Schweißnähte:"_cp, Heading());
    y += g.step;
    if (g.ec && type != PROFILTYP_ROHR && type != PROFILTYP_RUND) {
        if (r->shear_split == WELD_SHEAR_SPLIT_CONSISTENT) Report_Shear_Split_Reset(r);
        Add_Check_Box_to_Scrollable_Area(g.area, x0 + 395, y + 10, "Überprüfung der Nahtdicke"_cp, Normal(), g.colour,
                                         &Nachweis_Page.throat_check, g.enable);
        Text(g, x0 + 610, y + 10, "Querkraftaufteilung:");
        Add_Choice_List_to_Scrollable_Area(g.area, x0 + 788, y + 10, g_shear_entries, Normal(), 13, 2,
                                           &r->shear_split, g.enable);
    }
    if (g.ec) {
        Add_Radio_Button_to_Scrollable_Area(g.area, x0 + 40, y, "mit dem richtungsbezogenen Verfahren", Normal(),
                                            Screen_Black, 1, &r->weld_method, &Screen_Flag_On);
        Add_Radio_Button_to_Scrollable_Area(g.area, x0 + 40, y + g.small, "mit dem vereinfachten Verfahren", Normal(),
                                            Screen_Black, 0, &r->weld_method, &Screen_Flag_On);
        y += g.small + g.step;
    } else {
        r->weld_method = 0;
    }
    int* arrangement = &Nachweis_Page.arrangement;
    Add_Radio_Button_to_Scrollable_Area(g.area, x0 + 20, y, "umlaufende Kehlnaht", Normal(), g.colour,
                                        ANORDNUNG_UMLAUFEND, arrangement, g.enable);
    y = *arrangement == ANORDNUNG_UMLAUFEND ? All_Round_Fields(g, y) : y + g.small;
    Add_Radio_Button_to_Scrollable_Area(g.area, x0 + 20, y, "durchgeschweißte Stumpfnaht"_cp, Normal(), g.colour,
                                        ANORDNUNG_DURCHGESCHWEISST, arrangement, g.enable);
    if (*arrangement == ANORDNUNG_DURCHGESCHWEISST) Contact_Share(g, x0 + 300, y);
    y += g.small;
    // An all-round butt weld that is not fully penetrated has the throats
    // of the all-round fillet weld; where the check holds one to its part
    // (a tube's wall, a bar's centre, half a part welded from both faces),
    // the check's own note says so below it.
    Add_Radio_Button_to_Scrollable_Area(g.area, x0 + 20, y, "umlaufende Stumpfnaht", Normal(), g.colour,
                                        ANORDNUNG_UMLAUFENDE_STUMPFNAHT, arrangement, g.enable);
    if (*arrangement == ANORDNUNG_UMLAUFENDE_STUMPFNAHT) {
        y = All_Round_Fields(g, y);
        for (const std::string& note : Held_Throat_Notes(r)) {
            Text(g, x0 + 40, y, note.c_str(), Screen_Font_Small, Screen_Brown);
            y += g.small;
        }
    } else {
        y += g.small;
    }
    // Round sections are welded all round: single welds are shown, not offered.
    int* single_enable = (type == PROFILTYP_ROHR || type == PROFILTYP_RUND) ? Next_Register_Field_Flag(0) : g.enable;
    Add_Radio_Button_to_Scrollable_Area(g.area, x0 + 20, y, "Einzelnähte"_cp, Normal(), g.colour,
                                        ANORDNUNG_EINZELNAEHTE, arrangement, single_enable);
    if (*arrangement == ANORDNUNG_EINZELNAEHTE) y = Single_Weld_Rows(g, y);
    return y;
}

}  // namespace

void Draw_Nachweis_Page(SchweissnahtAnschluss* record, int area, int x0, int* y, int step, int small_step,
                        int width, int active) {
    if (!record || !y) return;
    Build_Tables();
    Size_Connection_Preview(width, &record->naht);
    Page g{record, area, x0, step, small_step, active ? Screen_Black : Screen_Grey192,
           Next_Register_Field_Flag(active ? 1 : 0), 0, width, active};
    Set_Scrollable_Area_Float_Decimals(area, kFileDecimals);
    if (record->code_setting != CODE_SETTING_EC3 && record->code_setting != CODE_SETTING_DIN18800)
        record->code_setting = CODE_SETTING_EC3;
    // DIN 18800 just chosen: the page shows its fixed choices, and the
    // refresh after it gives back those of EC 3 when EC 3 is chosen again.
    Keep_Ec_Choices(record);
    g.ec = record->code_setting != CODE_SETTING_DIN18800;
    Nahtbild& n = record->naht;
    const int y1 = *y + step, xm = x0 + width / 2;

    const int left_end = Left_Column(g, y1);
    const int right_end = Right_Column(g, xm, y1);
    int yy = std::max(left_end, right_end);
    Separators(g, xm, y1, yy, width);

    yy += step;
    const int yp = yy;
    Text(g, x0, yy, "Platte:", Heading());
    yy += step;
    // Without a uniform grade the plate has its own grade (with beta_w
    // under EC 3, with the alpha_w the DIN check takes under DIN 18800).
    const int own_grade = g.ec ? int{PLATE_ROW_MATERIAL} | int{MATERIAL_ROW_BETA_W} : int{PLATE_ROW_MATERIAL};
    const int plate_rows = n.uniform_grade ? int{PLATE_ROW_THICKNESS} : int{PLATE_ROW_THICKNESS} | own_grade;
    Draw_Plate_Sheet(&n.plate, area, x0, &yy, step, 0, 0, *g.enable, Screen_Black, plate_rows, "p");
    if (!n.uniform_grade && !g.ec) Din_Alpha_w_Row(g, x0, &yy);
    yy += 5;
    Text(g, x0, yy, "Profil:", Heading());
    yy += step;
    // The profile's own grade; its beta_w only where the EC 3 check reads it.
    const int profile_grade = g.ec ? kProfileGradeRows | kProfileBetaWRow : kProfileGradeRows;
    Edit_Profile_Register(&n.profile, area, x0, &yy, step, small_step, width, *g.enable, kTypes,
                          n.uniform_grade ? 0 : profile_grade, 0, g.ec, 0, 0, nullptr);
    g_preview_naht = &n;
    const int px = xm + 15, py = yp + 15;
    Add_User_Drawn_Area_to_Scrollable_Area(area, px, py, px + Preview_Box.width, py + Preview_Box.height, 0,
                                           Paint_Connection_Preview);
    yy = std::max(yy, yp + Preview_Box.height + 30 + step);
    Separators(g, xm, yp, yy, width);
    yy += step;

    yy = Weld_Block(g, yy);
    if (Nachweis_Page.arrangement == ANORDNUNG_EINZELNAEHTE) yy += 5;
    yy += step;
    Add_Text_to_Scrollable_Area(area, x0, yy, " ", Normal(), g.colour, 0);
    Next_Register_Field_Flag(active ? 1 : 0);
    Set_Scrollable_Area_Float_Decimals(area, -1);
    *y = yy;
}

namespace {
// The kind of the single welds ("als Kehlnaht / Stumpfnaht") while an
// all-round or full-penetration weld hides them: the record's weld kind is
// then that weld's, and the single welds take their own back when chosen.
int g_single_butt_weld = 0;
}  // namespace

void Record_to_Sheet(SchweissnahtAnschluss* record) {
    if (!record) return;
    Nachweis_Page_Variables& v = Nachweis_Page;
    const Nahtbild& n = record->naht;
    // An all-round weld of another kind than these two (a slot weld all
    // round) is shown as the fillet weld; the input file keeps it.
    v.arrangement = (n.weld_kind == WELD_BUTT && n.full_penetration) ? ANORDNUNG_DURCHGESCHWEISST
                    : !n.all_round                            ? ANORDNUNG_EINZELNAEHTE
                    : n.weld_kind == WELD_BUTT                ? ANORDNUNG_UMLAUFENDE_STUMPFNAHT
                                                              : ANORDNUNG_UMLAUFEND;
    v.butt_weld = n.weld_kind == WELD_FILLET ? EINZELNAHT_KEHLNAHT
                  : n.weld_kind == WELD_BUTT ? EINZELNAHT_STUMPFNAHT
                                             : EINZELNAHT_ANDERE;
    if (v.butt_weld == EINZELNAHT_ANDERE) g_other_kind = n.weld_kind;
    if (v.arrangement == ANORDNUNG_EINZELNAEHTE) g_single_butt_weld = v.butt_weld;
    v.throat_check = !n.no_throat_check;
    v.length_check = !n.no_length_check;
    v.contact_percent = n.contact_fraction * 100.0;
    v.code_is_ec = record->code_setting != CODE_SETTING_DIN18800;
    Copy_Profile(&n.profile, &v.previous_profile);
}

void Sheet_Switches_to_Record(SchweissnahtAnschluss* record) {
    if (!record) return;
    Nachweis_Page_Variables& v = Nachweis_Page;
    Nahtbild& n = record->naht;
    switch (v.arrangement) {
    case ANORDNUNG_DURCHGESCHWEISST: n.weld_kind = WELD_BUTT, n.all_round = 1, n.full_penetration = 1; break;
    case ANORDNUNG_UMLAUFEND: n.weld_kind = WELD_FILLET, n.all_round = 1, n.full_penetration = 0; break;
    case ANORDNUNG_UMLAUFENDE_STUMPFNAHT: n.weld_kind = WELD_BUTT, n.all_round = 1, n.full_penetration = 0; break;
    default:
        // Single welds chosen again (DIN 18800 has them as fillet welds).
        if (n.all_round && v.code_is_ec) v.butt_weld = g_single_butt_weld;
        n.weld_kind = v.butt_weld == EINZELNAHT_STUMPFNAHT ? WELD_BUTT
                      : v.butt_weld == EINZELNAHT_ANDERE && g_other_kind ? g_other_kind
                                                                         : WELD_FILLET;
        n.all_round = 0, n.full_penetration = 0;
        break;
    }
    n.contact_fraction = v.contact_percent * 0.01;
    n.no_throat_check = !v.throat_check;
    n.no_length_check = !v.length_check;
}

namespace {

// The welds, by number (their slots in `numbers`), that `item` (slot,
// number) names with a text, four to a line, ",  " between them; welds the
// layout numbers off, and those whose text is empty, are left out. How many
// the lines name.
template <class Item>
int Weld_Items(const int* numbers, Item item, std::vector<std::string>* lines) {
    int count = 0;
    for (int number = 1; number <= NAHT_SLOTS; number++) {
        int k = 0;
        while (k < NAHT_SLOTS && numbers[k] != number) k++;
        if (k == NAHT_SLOTS) continue;
        const std::string text = item(k, number);
        if (text.empty()) continue;
        if (count % 4 == 0) lines->emplace_back();
        lines->back() += (count % 4 ? ",  " : "") + text;
        count++;
    }
    return count;
}

// A throat or length in mm as its "%6.1f" field on the page shows it
// (128.928932 as "128.93"), for the boxes that name one.
std::string Field_Text(double v) { return Float_Field_Shown_Text(v, "%6.1f", kFileDecimals); }

// The welds, by number (their slots in `numbers`), whose value (before and
// after by slot) the field shows changed, four to a line ("aw1 7.0 mm auf
// 5.0 mm"), `only_less`: only those that became smaller; welds the layout
// numbers off are left out. How many the lines name.
int Changed_Welds(const int* numbers, const char* symbol, const double* before, const double* after,
                  bool only_less, std::vector<std::string>* lines) {
    auto changed = [&](int k, int number) {
        const std::string was = Field_Text(before[k]);
        const std::string is = Field_Text(after[k]);
        if ((only_less && !(after[k] < before[k])) || was == is) return std::string();
        return symbol + std::to_string(number) + " " + was + " mm auf " + is + " mm";
    };
    return Weld_Items(numbers, changed, lines);
}

// A box titled "Hinweis": the head line (singular or plural by count), the
// lines, and the closing lines.
void Notice(int count, const char* one, const char* many, const std::vector<std::string>& lines,
            std::initializer_list<const char*> closing) {
    Init_Message();
    Set_Message_Title("Hinweis");
    Fill_Message("%s", count == 1 ? one : many);
    for (const std::string& line : lines) Fill_Message("%s", line.c_str());
    for (const char* line : closing)
        if (*line) Fill_Message("%s", line);
    Draw_Message();
}

// A throat the layout made other than what was typed, by slot: the value
// typed, and the one the layout left (`now`), which the field holds unless
// it was typed or replaced since.
struct Kept_Throat {
    bool held;
    double typed, now;
};
using Kept_Throats = Kept_Throat[NAHT_SLOTS];

void Forget_Throats(Kept_Throats& kept) {
    for (Kept_Throat& k : kept) k = Kept_Throat{};
}

// What was typed, back in every slot that still holds what the layout
// left; then all forgotten.
void Give_Back_Typed(Kept_Throats& kept, Nahtbild& n) {
    for (int i = 0; i < NAHT_SLOTS; i++)
        if (kept[i].held && n.throat[i] == kept[i].now) n.throat[i] = kept[i].typed;
    Forget_Throats(kept);
}

// The throats a butt weld of the single welds cut, as long as the field
// holds the cut value: each refresh starts from what was typed, by face
// (another profile's butt welds are cut by its own parts, not by those of
// the profile before it), and the layout cuts anew; what was typed stays
// when the welds are fillet welds again (chosen so, or because DIN 18800
// checks single welds as fillet welds), for a throat only a butt weld is
// limited to.
Kept_Throats g_cut;
// The slots the refresh gave their typed throat back, and the throats as
// the fields showed them when it began.
bool g_cut_given[NAHT_SLOTS];
double g_shown_throats[NAHT_SLOTS];

void Forget_Cut_Throats() { Forget_Throats(g_cut); }

// Keeps what the layout cut: before, the throats (as typed) before it.
void Hold_Cut_Throats(const Nahtbild& n, const double* before) {
    for (int i = 0; i < NAHT_SLOTS; i++)
        if (n.throat[i] < before[i]) g_cut[i] = Kept_Throat{true, before[i], n.throat[i]};
}

// Tells which throats of the single welds the weld layout has cut (a butt
// weld is no thicker than the part it joins, half of it from each side),
// each from its typed value to the one the field shows now, where the field
// showed another before the refresh: a field must not change behind the
// user's back. before: the throats by slot before the layout. Welds the
// layout numbers off (faces only an all-round weld uses) are not shown and
// not named. Nothing when none was cut.
void Report_Cut_Throats(const Nahtbild& n, const double* before) {
    double typed[NAHT_SLOTS];
    for (int i = 0; i < NAHT_SLOTS; i++) typed[i] = n.throat[i] == g_shown_throats[i] ? n.throat[i] : before[i];
    // Cut as the field shows it: a catalogue's single-precision thickness
    // may take a hair off a throat on its limit.
    std::vector<std::string> lines;
    const int count = Changed_Welds(n.number, "aw", typed, n.throat, true, &lines);
    if (count == 0) return;
    Notice(count, "Die Dicke einer Stumpfnaht wurde begrenzt:", "Die Dicken der Stumpfnähte wurden begrenzt:"_cp,
           lines,
           {n.no_throat_check ? "Eine Stumpfnaht ist höchstens so dick wie das Blech t, das sie anschließt,"_cp
                              : "Eine Stumpfnaht (HY-Naht) ist höchstens t - max(0.2 t; 3 mm) dick,"_cp,
            "von beiden Seiten geschweißt je die Hälfte davon."_cp});
}

// Fillet welds again: the throats the butt weld had cut are what was typed,
// and a box names them with both values.
void Report_Restored_Cut_Throats(const Nahtbild& n) {
    double before[NAHT_SLOTS];
    for (int i = 0; i < NAHT_SLOTS; i++) before[i] = g_cut_given[i] ? g_shown_throats[i] : n.throat[i];
    std::vector<std::string> lines;
    const int count = Changed_Welds(n.number, "aw", before, n.throat, false, &lines);
    if (count == 0) return;
    Notice(count, "Die für eine Stumpfnaht begrenzte Dicke gilt wieder wie eingegeben:"_cp,
           "Die für Stumpfnähte begrenzten Dicken gelten wieder wie eingegeben:"_cp, lines,
           {"Die Einzelnähte werden als Kehlnähte nachgewiesen."_cp});
}

// The throats of the single welds while a full-penetration butt weld hides
// them: the layout gives each face the share of its part that the joined
// section is built from, not what was typed for the single welds. Each
// refresh starts from what was typed (a new profile's welds are judged by
// it) and the layout lays the weld anew, so that the single welds show
// their own throats again when they are chosen.
Kept_Throats g_hidden;

// Keeps what the full-penetration layout replaced: before, the throats by
// slot before it.
void Hold_Hidden_Throats(const Nahtbild& n, const double* before) {
    for (int i = 0; i < NAHT_SLOTS; i++)
        if (n.throat[i] != before[i]) g_hidden[i] = Kept_Throat{true, before[i], n.throat[i]};
}

// At the start of a refresh: what was typed, in every slot whose field
// still shows what a layout made of it (a throat typed since is what the
// user wants now). The single welds' cut throats stay as they were cut
// while another arrangement hides the single welds.
void Give_Back_Kept_Throats(Nahtbild& n) {
    std::copy(n.throat, n.throat + NAHT_SLOTS, g_shown_throats);
    Give_Back_Typed(g_hidden, n);
    const bool single = Nachweis_Page.arrangement == ANORDNUNG_EINZELNAEHTE;
    for (int i = 0; i < NAHT_SLOTS; i++) g_cut_given[i] = single && g_cut[i].held && n.throat[i] == g_cut[i].now;
    if (single) Give_Back_Typed(g_cut, n);
}

// Slots from here on exist only with all-round welding.
constexpr int kFirstAllRoundSlot = 8;

// The closing line of a box about the single welds while an all-round or
// full-penetration weld hides them: their values stay
// in the table and count again when they are chosen.
const char* const kHiddenWelds = "Die Einzelnähte sind zur Zeit nicht gewählt; sie gelten so, sobald sie es sind."_cp;

bool Is_Round(int type) { return type == PROFILTYP_RUND || type == PROFILTYP_ROHR; }

// A profile as a box names it: its designation, or, typed in by its
// dimensions, its class ("Z-Profil").
std::string Profile_Words(const Stahlprofil& p) {
    const char* name = p.kind == STAHLPROFIL_KIND_CATALOGUE ? p.name : Get_Profile_Type_Name(p.type);
    if (!name) name = "";
    return std::string(name, static_cast<size_t>(Length_Without_Trailing_Blanks(name)));
}

// The number each slot last showed its weld with, and the profile that
// showed it: a profile with fewer welds (a tube has one) leaves the throats
// of the others at their slots, and the next profile that has them again
// shows them as they were typed, not as new welds. stamp: the refresh that
// showed it last (of two slots remembering one number, the later counts).
struct Shown_Slot {
    int number;
    long stamp;
    char profile[STAHLPROFIL_NAME_SIZE];
    // Every number the slot showed its weld with, and the throat it showed
    // with it last: a profile of another family in between (a rectangular
    // tube numbers the lower flange's face 4) does not make the face's weld
    // new when its own profile comes back.
    bool seen[NAHT_SLOTS + 1];
    double throat_seen[NAHT_SLOTS + 1];
};
Shown_Slot g_shown[NAHT_SLOTS];
long g_refreshes = 0;

void Remember_Shown_Numbers(const Nahtbild& n) {
    ++g_refreshes;
    if (Is_Round(n.profile.type)) return;  // it shows no single welds
    for (int i = 0; i < NAHT_SLOTS; i++) {
        if (n.number[i] <= 0) continue;
        g_shown[i].number = n.number[i];
        g_shown[i].stamp = g_refreshes;
        const int number = std::min(n.number[i], static_cast<int>(NAHT_SLOTS));
        g_shown[i].seen[number] = true, g_shown[i].throat_seen[number] = n.throat[i];
        std::snprintf(g_shown[i].profile, sizeof g_shown[i].profile, "%s", Profile_Words(n.profile).c_str());
    }
}

// The numbering the throats were last shown with: `before` where it numbers
// a slot; elsewhere the number the slot showed last, unless `before` or a
// slot shown later has that number.
void Numbers_Last_Shown(const int* before, int* merged) {
    for (int i = 0; i < NAHT_SLOTS; i++) merged[i] = before[i] > 0 ? before[i] : 0;
    for (int i = 0; i < NAHT_SLOTS; i++) {
        const Shown_Slot& s = g_shown[i];
        if (merged[i] > 0 || s.number <= 0) continue;
        bool taken = std::find(before, before + NAHT_SLOTS, s.number) != before + NAHT_SLOTS;
        for (int j = 0; j < NAHT_SLOTS && !taken; j++)
            taken = j != i && before[j] <= 0 && g_shown[j].number == s.number && g_shown[j].stamp > s.stamp;
        if (!taken) merged[i] = s.number;
    }
}

// Round sections are welded all round: single welds chosen for another
// profile are hidden while the profile is round, kept as they were typed,
// and chosen again as soon as it is not (unless another weld was chosen
// on the round one).
bool g_round_single = false;

// a_w,fu while a tee, which has no lower flange, holds it at 0: any other
// profile chosen after it gets it back (only an I section's weld all round
// uses it, but the input file holds it for every profile).
Kept_Throat g_kept_fu;

// Why the lengths of the single welds changed.
enum Length_Change {
    LENGTHS_CUT,      // longer than the edge of the profile they lie on
    LENGTHS_REBUILT,  // laid anew along a typed-in profile's changed edges
};

// Tells which lengths of the single welds changed from `before` (by slot),
// each with its old and new value as the field shows them: a field must not
// change behind the user's back. Nothing when none changed, or when the
// single welds are numbered otherwise than `before_number` (others than
// before); the faces only an all-round weld uses are numbered as a layout
// finds them (a weld all round chosen leaves them off until the next one).
void Report_Changed_Lengths(const Nahtbild& n, const int* before_number, const double* before, Length_Change why) {
    if (!std::equal(n.number, n.number + kFirstAllRoundSlot, before_number)) return;
    std::vector<std::string> lines;
    const int count = Changed_Welds(n.number, "lw", before, n.length, false, &lines);
    if (count == 0) return;
    Notice(count, "Die Länge einer Naht wurde an das Profil angepasst:"_cp,
           "Die Längen der Nähte wurden an das Profil angepasst:"_cp, lines,
           {why == LENGTHS_REBUILT ? "Die Nähte eines geänderten Profils liegen in ganzer Länge an seinen Kanten."_cp
                                   : "Eine Naht ist höchstens so lang wie die Kante des Profils, an der sie liegt."_cp,
            n.all_round ? kHiddenWelds : ""});
}

// The welds of another family of profiles: each throat stays at its slot,
// the same place of the profile (top flange, web, bottom flange), which
// the new profile may number otherwise. Every weld shown whose throat is
// not the one its number showed before is named ("aw4 7.0 mm auf 5.5 mm",
// "aw9 5.0 mm (neu)"): a field must not change behind the user's back. A
// number the last profile lacked (a tube has one weld) is the one its slot
// showed under an earlier profile: only a weld never shown is new. A number
// no face showed, on a face whose weld was shown under another number, is
// that weld renumbered ("aw8 7.0 mm (bisher aw4)", with the throat shown
// then where it differs).
// before_number, before_throat: the table before the change; throat: the
// throats now, by slot. While the single welds are hidden (all-round) the
// faces only an all-round weld uses are left out.
void Report_Renumbered_Throats(const Nahtbild& n, const int* before_number, const double* before_throat,
                               const double* throat) {
    std::vector<std::string> lines;
    int shown[NAHT_SLOTS];
    Numbers_Last_Shown(before_number, shown);
    auto changed = [&](int k, int number) {
        if (n.all_round && k >= kFirstAllRoundSlot) return std::string();
        const std::string is = VEK_Decimal_Text(throat[k], 1, kFileDecimals) + " mm";
        const int* was = std::find(shown, shown + NAHT_SLOTS, number);
        const bool seen_here = number <= NAHT_SLOTS && g_shown[k].seen[number];
        if (was == shown + NAHT_SLOTS && !seen_here && shown[k] > 0) {
            // A number no face showed, on a face that showed its weld under
            // another: the weld is the one the user knows by that number.
            const int earlier_number = std::min(shown[k], static_cast<int>(NAHT_SLOTS));
            const double then = before_number[k] > 0 ? before_throat[k] : g_shown[k].throat_seen[earlier_number];
            const std::string old = VEK_Decimal_Text(then, 1, kFileDecimals) + " mm";
            const std::string earlier = "aw" + std::to_string(shown[k]);
            return "aw" + std::to_string(number) + " " + is + " (bisher " + earlier + (old == is ? "" : " " + old) + ")";
        }
        if (was == shown + NAHT_SLOTS && !seen_here) return "aw" + std::to_string(number) + " " + is + " (neu)";
        const double then = was == shown + NAHT_SLOTS ? g_shown[k].throat_seen[number] : before_throat[was - shown];
        const std::string old = VEK_Decimal_Text(then, 1, kFileDecimals) + " mm";
        return old == is ? std::string() : "aw" + std::to_string(number) + " " + old + " auf " + is;
    };
    const int count = Weld_Items(n.number, changed, &lines);
    if (count == 0) return;
    Notice(count, "Die Naht des neuen Profils hat eine andere Dicke:"_cp,
           "Die Nähte des neuen Profils haben andere Dicken:"_cp, lines,
           {"Jede Dicke bleibt an ihrer Stelle des Profils (Flansch oben, Steg, Flansch unten);"_cp,
            "das neue Profil nummeriert seine Nähte anders."_cp, n.all_round ? kHiddenWelds : ""});
}

// The weld table of another profile: weld numbers and full lengths of its
// edges. Where its welds are those of the last profile (the same faces by
// number), a length the user had made other than its edge stays where it
// fits the new edge, and is cut to it where it does not, with a box that
// names each cut; full lengths follow the new edges. Where the welds are
// others (another family of profiles), a box names the lengths typed for
// the last one that the new one lays anew. `before`: numbers and lengths of
// the last profile's table; `old_edges` the last profile's edges; the
// table laid along the new one's. The boxes come while the single welds
// are hidden as well: their values are kept.
void Lay_Welds_Of_New_Profile(Nahtbild& n, const Weld_Edges& old_edges, const int* before_number,
                              const double* before_length) {
    bool typed[NAHT_SLOTS] = {};
    for (int i = 0; i < NAHT_SLOTS; i++)
        typed[i] = old_edges.any && before_number[i] > 0 && old_edges.code[i] > 0 &&
                   std::fabs(before_length[i] - old_edges.length[i]) >= WELD_EDGE_NOISE;
    // The same faces: the two profiles number their edges alike.
    if (old_edges.any && std::equal(n.number, n.number + STAHLPROFIL_EDGES, old_edges.code)) {
        // Shown as changed: the typed lengths only (full ones follow the edges unasked).
        double shown_before[NAHT_SLOTS];
        for (int i = 0; i < NAHT_SLOTS; i++) {
            shown_before[i] = typed[i] ? before_length[i] : n.length[i];
            if (typed[i] && before_length[i] < n.length[i] + WELD_EDGE_NOISE) n.length[i] = before_length[i];
        }
        Report_Changed_Lengths(n, n.number, shown_before, LENGTHS_CUT);
        return;
    }
    std::vector<std::string> lines;
    auto typed_length = [&](int k, int number) {
        if (!typed[k]) return std::string();
        return "lw" + std::to_string(number) + " " + Field_Text(before_length[k]) + " mm";
    };
    const int count = Weld_Items(before_number, typed_length, &lines);
    if (count > 0)
        Notice(count, "Die eingegebene Länge einer Naht gilt für das neue Profil nicht:"_cp,
               "Die eingegebenen Längen der Nähte gelten für das neue Profil nicht:"_cp, lines,
               {"Seine Nähte liegen in ganzer Länge an seinen Kanten."_cp, n.all_round ? kHiddenWelds : ""});
}

// The single welds hidden by the weld all round of a round section
// (`hidden`), or chosen again after it: the check changes with them.
void Report_Round_Welds(bool hidden) {
    Init_Message();
    Set_Message_Title("Hinweis");
    if (hidden) {
        Fill_Message("%s", "Ein runder Querschnitt wird umlaufend geschweißt: gewählt ist jetzt \"umlaufende Kehlnaht\"."_cp);
        Fill_Message("%s", "Die Einzelnähte bleiben, wie sie eingegeben sind, und gelten wieder, sobald das Profil"_cp);
        Fill_Message("%s", "nicht mehr rund ist.");
    } else {
        Fill_Message("%s", "Das Profil ist nicht mehr rund: gewählt sind wieder die Einzelnähte, wie sie eingegeben"_cp);
        Fill_Message("%s", "sind (die \"umlaufende Kehlnaht\" galt nur für das runde Profil)."_cp);
    }
    Draw_Message();
}

// A typed-in profile of another class keeps the dimensions the last one
// had where the two share a field; those the new class needs and the last
// one did not have stand at 0 and describe no section: the box names them.
void Report_Dimensions_Missing(const Stahlprofil& p) {
    if (Profile_Dimensions_Fit(&p)) return;
    const std::string missing = Profile_Register_Missing_Dimensions(&p);
    if (missing.empty()) return;
    const char* type = Get_Profile_Type_Name(p.type);
    Init_Message();
    Set_Message_Title("Hinweis");
    Fill_Message("Für die Profilart \"%.*s\" fehlen noch Maße:"_cp, Length_Without_Trailing_Blanks(type), type);
    Fill_Message("%s", missing.c_str());
    Fill_Message("%s", "Ohne sie ist der Querschnitt nicht beschrieben."_cp);
    Draw_Message();
}

// The choices DIN 18800 does not offer (it checks single welds as fillet
// welds by the simplified method, a section elastically), as they were
// under EC 3, while DIN 18800 is chosen: EC 3 chosen again brings them back.
struct Ec_Choices {
    bool kept;
    int weld_method, section_method, butt_weld;
};
Ec_Choices g_ec_choices;

}  // namespace

void Keep_Ec_Choices(SchweissnahtAnschluss* r) {
    if (!r || r->code_setting != CODE_SETTING_DIN18800 || !Nachweis_Page.code_is_ec || g_ec_choices.kept) return;
    g_ec_choices = Ec_Choices{true, r->weld_method, r->section_method, Nachweis_Page.butt_weld};
}

void Keep_Ec_Choices_Of_File(const SchweissnahtAnschluss* r) {
    g_ec_choices = Ec_Choices{};
    if (!r || r->code_setting != CODE_SETTING_DIN18800) return;
    const int kind = r->naht.weld_kind;
    const int single = kind == WELD_FILLET ? EINZELNAHT_KEHLNAHT
                       : kind == WELD_BUTT ? EINZELNAHT_STUMPFNAHT
                                           : EINZELNAHT_ANDERE;
    g_ec_choices = Ec_Choices{true, r->weld_method, r->section_method, r->naht.all_round ? 0 : single};
}

namespace {

// The code in force since the last refresh: its choices into the record,
// those of EC 3 kept over a time under DIN 18800 and given back after it.
void Follow_Code(SchweissnahtAnschluss* r, bool was_ec) {
    Nachweis_Page_Variables& v = Nachweis_Page;
    if (v.code_is_ec) {
        if (!was_ec && g_ec_choices.kept) {
            r->weld_method = g_ec_choices.weld_method;
            r->section_method = g_ec_choices.section_method;
            v.butt_weld = g_ec_choices.butt_weld;
        }
        g_ec_choices.kept = false;
        return;
    }
    r->weld_method = 0;
    if (r->section_check) r->section_method = 0;
    v.butt_weld = 0;
}

}  // namespace

namespace {

// The refresh's view of a profile change: the weld table before it, and
// how the welds were laid for the new profile.
struct Profile_Change {
    int numbers_before[NAHT_SLOTS];
    double lengths_before[NAHT_SLOTS], throats_before[NAHT_SLOTS];
    // The lengths as the box about changed lengths compares them: those
    // before, but a full-edge length of hidden single welds that a typed-in
    // profile's changed edges laid anew as the new one (it was no one's).
    double named_before[NAHT_SLOTS];
    bool laid_anew = false;    // the welds laid anew along a typed-in profile's changed edges
    bool other_welds = false;  // another profile's welds
};

// The weld table of a typed-in profile whose dimensions changed: every weld
// at the full length of its edge. While the single welds are hidden the
// lengths that followed the old edges are nobody's values and no box names
// them; shown, every length a field changes is named. `old_edges` the last
// profile's edges; the table laid along the new one's. A round section's
// ring, which no edge caps, follows its circumference as the other welds
// follow their edges (a diameter typed anew named the ring it hides).
void Lay_Welds_Along_Changed_Edges(const Nahtbild& n, const Weld_Edges& old_edges, Profile_Change& c) {
    if (Nachweis_Page.arrangement == ANORDNUNG_EINZELNAEHTE) return;
    for (int i = 0; i < STAHLPROFIL_EDGES; i++)
        if (old_edges.code[i] > 0 &&
            std::fabs(c.lengths_before[i] - old_edges.length[i]) < WELD_EDGE_NOISE)
            c.named_before[i] = n.length[i];
}

// How often the profile files had been read again (the profile manager
// ran) at the last refresh.
unsigned long g_files_read = 0;

bool Same_Edges(const Weld_Edges& a, const Weld_Edges& b) {
    for (int i = 0; i < STAHLPROFIL_EDGES; i++)
        if (a.code[i] != b.code[i] || std::fabs(a.length[i] - b.length[i]) >= WELD_EDGE_NOISE) return false;
    return a.any == b.any;
}

// A profile other than the one of the last refresh: a catalogue name looked
// up (one the catalogue lacks is named and the last profile stays), and the
// welds laid for it. The page's previous profile becomes the record's.
void Take_Profile_Change(SchweissnahtAnschluss* record, Profile_Change& c) {
    Nahtbild& n = record->naht;
    Stahlprofil& prev = Nachweis_Page.previous_profile;
    const bool read_again = g_files_read != Profile_Files_Generation();
    g_files_read = Profile_Files_Generation();
    if (Compare_Profiles(&n.profile, &prev)) return;
    bool other_profile = n.profile.kind != prev.kind || prev.kind == STAHLPROFIL_KIND_DIMENSIONS ||
                         (n.profile.kind == STAHLPROFIL_KIND_CATALOGUE && !Same_Name(n.profile.name, prev.name));
    Stahlprofil accepted;
    Copy_Profile(&prev, &accepted);
    Copy_Profile(&n.profile, &prev);
    // A catalogue profile without a designation yet is not looked up: the
    // catalogue would leave "???" in its name. Nor is one the catalogue
    // lacks: the user is told its name, the last one stays.
    if (prev.kind == STAHLPROFIL_KIND_CATALOGUE && Length_Without_Trailing_Blanks(prev.name) > 0) {
        char name[STAHLPROFIL_NAME_SIZE];
        std::snprintf(name, sizeof name, "%s", prev.name);
        if (Get_Profile_Record(name)) {
            Init_Profile_From_Name(&prev, name);
        } else {
            Report_Unknown_Profile(name, accepted.kind == STAHLPROFIL_KIND_CATALOGUE ? accepted.name : "", nullptr);
            Copy_Profile(&accepted, &prev);
            other_profile = false;
        }
        Copy_Profile(&prev, &n.profile);
    }
    // The designation read again after the profile manager changed its
    // file may stand for other dimensions: its welds follow its edges as
    // another profile's do.
    if (read_again && !other_profile && accepted.kind == STAHLPROFIL_KIND_CATALOGUE &&
        prev.kind == STAHLPROFIL_KIND_CATALOGUE && !Same_Edges(Weld_Edges_Of(&accepted), Weld_Edges_Of(&prev)))
        other_profile = true;
    c.laid_anew = other_profile && accepted.kind == STAHLPROFIL_KIND_DIMENSIONS &&
                  prev.kind == STAHLPROFIL_KIND_DIMENSIONS && accepted.type == prev.type;
    if (other_profile) {
        const Weld_Edges old_edges = Laid_Weld_Edges(&accepted, c.lengths_before);
        n.weld_count = std::max(0, Lay_Page_Welds(&n.profile, n.length, n.number));
        if (c.laid_anew) Lay_Welds_Along_Changed_Edges(n, old_edges, c);
        else Lay_Welds_Of_New_Profile(n, old_edges, c.numbers_before, c.lengths_before);
    }
    c.other_welds = other_profile && !c.laid_anew;
}

// What the round sections ask of the arrangement (they are welded all
// round; the single welds chosen before come back with a profile that is
// not round), and a_w,fu a tee held at 0 given back. The boxes to say so:
// *to_round, *single_back.
void Follow_Round_And_Tee(Nahtbild& n, bool* to_round, bool* single_back) {
    Nachweis_Page_Variables& v = Nachweis_Page;
    if (g_kept_fu.held && !Is_Profile_Type_One_Of(n.profile.type, {PROFILTYP_T, PROFILTYP_HALB_I})) {
        if (n.a_w_fu == 0.0) n.a_w_fu = g_kept_fu.typed;
        g_kept_fu = Kept_Throat{};
    }
    const bool round = Is_Round(n.profile.type);
    *single_back = false;
    if (g_round_single && !round && v.arrangement == ANORDNUNG_UMLAUFEND)
        v.arrangement = ANORDNUNG_EINZELNAEHTE, *single_back = true;
    if (v.arrangement != ANORDNUNG_UMLAUFEND) g_round_single = false;
    *to_round = round && v.arrangement == ANORDNUNG_EINZELNAEHTE;
    if (*to_round) g_round_single = true;
}

// "Vorbelegung:" asked for: every weld with a throat takes a_w, switched-off
// welds stay off, the all-round throats follow.
void Take_Default_Throats(Nahtbild& n) {
    if (!Nachweis_Page.default_throat_request) return;
    for (double& a : n.throat)
        if (a > 0.01) a = n.a_w;
    n.a_w_fo = n.a_w_fu = n.a_w;
    Nachweis_Page.default_throat_request = 0;
}

// The code and the grades into the materials.
void Follow_Materials(SchweissnahtAnschluss* record) {
    Nahtbild& n = record->naht;
    Follow_Code_In_Materials(record);
    Check_Material_Params(&n.material, 0.0, nullptr, 0, "");
    if (n.uniform_grade) {
        Init_Material_Params_For_Thickness(&n.material, &n.profile.material, Get_Profile_Max_Dimension(&n.profile));
        Init_Material_Params_For_Thickness(&n.material, &n.plate.material, n.plate.t);
    }
}

// The weld layout of the arrangement, with the boxes about the throats it
// cut or gave back, and what it hides kept.
void Lay_Out_Welds(SchweissnahtAnschluss* record, double* before) {
    Nahtbild& n = record->naht;
    if (n.weld_kind == WELD_FILLET && !n.all_round) Report_Restored_Cut_Throats(n);
    std::copy(n.throat, n.throat + NAHT_SLOTS, before);
    const double fu_before = n.a_w_fu;
    Update_Weld_Layout(&n, nullptr, 0);
    if (fu_before > 0.0 && n.a_w_fu == 0.0) g_kept_fu = Kept_Throat{true, fu_before, 0.0};
    // A butt weld all round lays the hidden single welds as its layout
    // does: what was typed for them comes back with them.
    if (n.weld_kind == WELD_BUTT && (n.full_penetration || n.all_round)) Hold_Hidden_Throats(n, before);
    if (!n.all_round) {
        Report_Cut_Throats(n, before);
        if (n.weld_kind == WELD_BUTT) Hold_Cut_Throats(n, before);
    }
}

}  // namespace

void Apply_Sheet_to_Record(SchweissnahtAnschluss* record) {
    if (!record) return;
    Nachweis_Page_Variables& v = Nachweis_Page;
    Nahtbild& n = record->naht;
    Give_Back_Kept_Throats(n);
    const int type_before = v.previous_profile.type;
    const bool was_ec = v.code_is_ec != 0;
    Keep_Ec_Choices(record);
    v.code_is_ec = record->code_setting != CODE_SETTING_DIN18800;
    Follow_Code(record, was_ec);
    Keep_Typed_Section(&n.profile, v.code_is_ec, was_ec);
    Snap_Lengths_To_Edges(&n);
    Profile_Change c;
    std::copy(n.number, n.number + NAHT_SLOTS, c.numbers_before);
    std::copy(n.length, n.length + NAHT_SLOTS, c.lengths_before);
    std::copy(n.length, n.length + NAHT_SLOTS, c.named_before);
    std::copy(n.throat, n.throat + NAHT_SLOTS, c.throats_before);
    Take_Profile_Change(record, c);
    Clip_Extents_By_Profile(&v.previous_profile, n.length);
    if (n.profile.kind == STAHLPROFIL_KIND_DIMENSIONS && n.profile.type != type_before)
        Report_Dimensions_Missing(n.profile);
    bool to_round = false, single_back = false;
    Follow_Round_And_Tee(n, &to_round, &single_back);
    Take_Default_Throats(n);
    Follow_Materials(record);
    Sheet_Switches_to_Record(record);
    double before[NAHT_SLOTS];
    Lay_Out_Welds(record, before);
    // The single welds' lengths and throats are the user's while they are
    // hidden as well: they count again when single welds are chosen.
    // A round profile shows no single welds: its numbering is no one's.
    int shown_before[NAHT_SLOTS] = {};
    if (!Is_Round(type_before)) std::copy(c.numbers_before, c.numbers_before + NAHT_SLOTS, shown_before);
    if (c.other_welds) {
        Report_Renumbered_Throats(n, shown_before, c.throats_before, before);
    } else {
        Report_Changed_Lengths(n, c.numbers_before, c.named_before, c.laid_anew ? LENGTHS_REBUILT : LENGTHS_CUT);
        // A file's length the box named as cut to its edge is saved cut, as
        // the box says.
        for (int i = 0; i < NAHT_SLOTS && !c.laid_anew; i++)
            if (n.number[i] > 0 && Field_Text(c.named_before[i]) != Field_Text(n.length[i]))
                Note_Told_Change(record, &n.length[i]);
    }
    if (to_round) Report_Round_Welds(true);
    if (single_back) Report_Round_Welds(false);
    Remember_Shown_Numbers(n);
    Record_to_Sheet(record);
}

namespace {

// The kept throats of the single welds (the faces before the first one
// only an all-round weld uses) whose field holds another value than was
// typed, four to a line ("aw1 5.5 mm auf 6.5 mm"), by the numbers the
// slots show or showed last. How many the lines name.
int Kept_Throat_Lines(const Kept_Throats& kept, const int* numbers, std::vector<std::string>* lines) {
    int shown[NAHT_SLOTS];
    double typed[NAHT_SLOTS], now[NAHT_SLOTS];
    for (int k = 0; k < NAHT_SLOTS; k++) {
        const bool held = k < kFirstAllRoundSlot && kept[k].held;
        shown[k] = held ? numbers[k] : 0;
        typed[k] = held ? kept[k].typed : 0.0;
        now[k] = held ? kept[k].now : 0.0;
    }
    return Changed_Welds(shown, "aw", typed, now, false, lines);
}

}  // namespace

std::vector<std::string> Input_File_Omissions(const SchweissnahtAnschluss* record) {
    std::vector<std::string> lines;
    if (!record) return lines;
    const Nahtbild& n = record->naht;
    const Nachweis_Page_Variables& v = Nachweis_Page;
    // Each slot by the number it shows, or showed last.
    int numbers[NAHT_SLOTS];
    for (int k = 0; k < NAHT_SLOTS; k++) numbers[k] = n.number[k] > 0 ? n.number[k] : g_shown[k].number;
    // One item: its line, and the welds it names below it.
    auto item = [&](const std::string& what, const std::vector<std::string>& welds = {}) {
        lines.push_back("- " + what);
        for (const std::string& weld : welds) lines.push_back("  " + weld);
    };
    if (g_round_single && v.arrangement == ANORDNUNG_UMLAUFEND)
        item("die Einzelnähte: ein runder Querschnitt wird umlaufend geschweißt, geöffnet bleibt es so."_cp);
    if (v.arrangement != ANORDNUNG_EINZELNAEHTE && g_single_butt_weld == EINZELNAHT_STUMPFNAHT && v.code_is_ec)
        item("die Einzelnähte als Stumpfnähte: geöffnet sind es Kehlnähte."_cp);
    else if (v.arrangement != ANORDNUNG_EINZELNAEHTE && g_single_butt_weld == EINZELNAHT_ANDERE && v.code_is_ec)
        item("die Einzelnähte als "_cp + std::string(Weld_Kind_Name(g_other_kind)) +
             ": geöffnet sind es Kehlnähte."_cp);
    std::vector<std::string> welds;
    if (Kept_Throat_Lines(g_hidden, numbers, &welds) > 0)
        item(v.arrangement == ANORDNUNG_UMLAUFENDE_STUMPFNAHT
                 ? "die Dicken der Einzelnähte (geöffnet gelten die für die umlaufende Stumpfnaht begrenzten):"_cp
                 : "die Dicken der Einzelnähte (geöffnet gelten die der durchgeschweißten Stumpfnaht):"_cp,
             welds);
    welds.clear();
    if (Kept_Throat_Lines(g_cut, numbers, &welds) > 0)
        item("die Dicken der Einzelnähte wie eingegeben (geöffnet gelten die für Stumpfnähte begrenzten):"_cp, welds);
    // What the save writes: a value it keeps as the file gave it (untouched)
    // is not lost.
    SchweissnahtAnschluss saved{};
    Record_As_Saved(record, &saved);
    if (g_kept_fu.held && saved.naht.a_w_fu != g_kept_fu.typed)
        item("afu " + VEK_Decimal_Text(g_kept_fu.typed, 1, kFileDecimals) +
             " mm: das Profil hat keinen unteren Flansch, geöffnet ist afu 0.0 mm."_cp);
    // The file holds the rows of the profile's welds only: the throats at
    // the slots after them are those of single welds an earlier profile
    // showed. (The faces only an all-round weld uses show no throat.)
    int beyond[NAHT_SLOTS];
    double kept[NAHT_SLOTS];
    const char* shown_by = nullptr;
    for (int k = 0; k < NAHT_SLOTS; k++) {
        const bool lost =
            k < kFirstAllRoundSlot && k >= n.weld_count && g_shown[k].number > 0 && n.throat[k] != 0.0;
        beyond[k] = lost ? g_shown[k].number : 0;
        kept[k] = lost ? n.throat[k] : 0.0;
        if (lost && !shown_by) shown_by = g_shown[k].profile;
    }
    welds.clear();
    if (Weld_Items(beyond, [&](int k, int number) {
            return "aw" + std::to_string(number) + " " + VEK_Decimal_Text(kept[k], 1, kFileDecimals) + " mm";
        }, &welds) > 0) {
        item("die Dicken der Nähte von \""_cp + std::string(shown_by) + "\", die \"" + Profile_Words(n.profile) +
                 "\" nicht hat (geöffnet sind sie 0.0 mm):"_cp,
             welds);
    }
    // A choice of EC 3 the save keeps (as the file gave it, untouched) is
    // no choice lost.
    const Ec_Choices& ec = g_ec_choices;
    const bool method_lost = ec.weld_method == 1 && saved.weld_method != 1;
    const bool section_lost = ec.section_method == 1 && saved.section_method != 1;
    const bool butt_lost = ec.butt_weld == 1 && !(saved.naht.weld_kind == WELD_BUTT && !saved.naht.all_round);
    Free_Schweissnaht(&saved);
    if (ec.kept && (method_lost || section_lost || butt_lost)) {
        std::string chosen;
        auto add = [&](const std::string& choice) { chosen += (chosen.empty() ? "" : ", ") + choice; };
        if (method_lost) add("das richtungsbezogene Verfahren");
        if (section_lost) add("'Elastisch-Plastisch'");
        if (butt_lost) add("Einzelnähte als Stumpfnähte"_cp);
        item("unter EC 3 gewählt "_cp + chosen + ":");
        lines.push_back("  geöffnet gilt unter EC 3 die Wahl von DIN 18800."_cp);
    }
    for (const std::string& line : Typed_Section_Omissions(&n.profile, v.code_is_ec)) lines.push_back(line);
    for (const std::string& line : Code_Material_Omissions(record)) lines.push_back(line);
    if (!lines.empty())
        lines.insert(lines.begin(), "Die Eingabedatei hält nur, was zur Zeit gewählt ist. Nicht gespeichert wird:"_cp);
    return lines;
}

void Run_Pending_Import_Export(void) {
    if (Nachweis_Page.import_request == 1) Import_Schweissnaht_TEMP();
    Nachweis_Page.import_request = 0;
    if (Nachweis_Page.export_request == 1) Export_Schweissnaht_TEMP();
    Nachweis_Page.export_request = 0;
}

void Reset_Input_Page(void) {
    Nachweis_Page = Nachweis_Page_Variables{};
    g_preview_naht = nullptr;
    g_ec_choices = Ec_Choices{};
    Forget_Kept_Welds();
}

void Forget_Kept_Welds(void) {
    Forget_Cut_Throats();
    Forget_Throats(g_hidden);
    g_single_butt_weld = 0;
    g_other_kind = 0;
    g_round_single = false;
    g_kept_fu = Kept_Throat{};
    g_files_read = Profile_Files_Generation();
    for (Shown_Slot& slot : g_shown) slot = Shown_Slot{};
    g_refreshes = 0;
    Forget_Typed_Section();
    Forget_Code_Materials();
}
