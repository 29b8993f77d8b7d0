// The services the end-plate library reaches through the program.
#include "endplate/endplate_services.h"

#include "codes/nad_selection_sheet.h"
#include "weldcheck/din_check.h"

static Endplate_Services g_services = {};

void Set_Endplate_Services(const Endplate_Services* services) { g_services = services ? *services : Endplate_Services{}; }

const Endplate_Services* Get_Endplate_Services(void) { return &g_services; }

void Install_Annex_Services(void) {
    g_services.select_annex = NAD_Selection_Entry;
    g_services.draw_flag = Draw_EuroFlag;
}

void Install_Din_Services(void) {
    g_services.calc_section = Calc_Anschluss_Querschnitt;
    g_services.print_profile = Print_Stahlprofil;
}
