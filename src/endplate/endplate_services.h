// Services of higher layers and of parts of the system not built into this
// library that the end-plate library reaches through function pointers the
// program installs at start-up (docs/architecture.md lists them): the
// section evaluation and the profile block of the welded connection, the
// profile manager, and the annex selection with its flags.
//
// Without a service the library works more plainly: the section evaluation
// counts as failed (the print-out then says that the proof cannot be made),
// no profile block is printed, the profile manager chooses nothing, the
// annex button selects nothing and shows no flag.
#ifndef ENDPLATE_ENDPLATE_SERVICES_H
#define ENDPLATE_ENDPLATE_SERVICES_H

#include <cstdio>

#include "profiles/geschweisster_anschluss.h"

struct Endplate_Services {
    // Section values and stresses of the profile end into the record; 0 on
    // success.
    int (*calc_section)(GeschweissterAnschluss *record);
    // The check block "Stahlprofil" into the open checks table.
    void (*print_profile)(FILE *list, GeschweissterAnschluss *record, int level, int options);
    // Runs the profile manager; the chosen name, or null.
    const char *(*select_profile)(int mode);
    // The annex selection sheet.
    void (*select_annex)(void);
    // Draws flag k of the annexes into the rectangle.
    void (*draw_flag)(int x1, int y1, int x2, int y2, int value, int k);
};

// Installs the services (copied); null removes them all. Cannot fail.
void Set_Endplate_Services(const Endplate_Services *services);
// The installed services; never null (absent ones are null pointers).
const Endplate_Services *Get_Endplate_Services(void);
// Adds the annex selection sheet (NAD_Selection_Entry) and the flag drawing
// (Draw_EuroFlag) of the design codes to the installed services; the others
// stay as they are. Called by the program's main and the tests' main.
void Install_Annex_Services(void);
// Adds the section evaluation (Calc_Anschluss_Querschnitt) and the profile
// block (Print_Stahlprofil) of the DIN check of the welded connection to the
// installed services; the others stay as they are. Called by the program's
// main and the tests' main.
void Install_Din_Services(void);

#endif
