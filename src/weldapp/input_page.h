// The input page of the connection (the first register of the main sheet):
// design code and safety factors, the data-exchange buttons, the uniform
// steel grade and the cross-section check, the end plate, the profile with
// its preview, and the welds. Most items edit the connection record in
// place; a few choices live in the page variables below, which three
// exchanges move between record and page. The page is built anew after
// every edit.
#ifndef WELDAPP_INPUT_PAGE_H
#define WELDAPP_INPUT_PAGE_H

#include <string>
#include <vector>

#include "profiles/stahlprofil.h"

struct SchweissnahtAnschluss;

// Weld arrangements of the page: single welds, an all-round fillet weld, a
// full-penetration butt weld, an all-round butt weld not fully penetrated.
enum {
    ANORDNUNG_EINZELNAEHTE = 0,
    ANORDNUNG_UMLAUFEND = 1,
    ANORDNUNG_DURCHGESCHWEISST = 2,
    ANORDNUNG_UMLAUFENDE_STUMPFNAHT = 3
};

// The single welds' kind on the page: "Kehlnaht", "Stumpfnaht", or the kind
// an input file gave them that the page does not offer (a slot, plug or
// other weld), shown as the file names it and kept.
enum { EINZELNAHT_KEHLNAHT = 0, EINZELNAHT_STUMPFNAHT = 1, EINZELNAHT_ANDERE = 2 };

// The page variables (one set for the run).
struct Nachweis_Page_Variables {
    int code_is_ec;          // 1 unless the code setting is DIN 18800 (1)
    double contact_percent;  // share of compression by contact, 0..100
    int butt_weld;           // single welds: EINZELNAHT_
    int throat_check;        // "Überprüfung der Nahtdicke" ticked
    int length_check;        // "Überprüfung der Nahtlänge" ticked
    int arrangement;         // ANORDNUNG_
    Stahlprofil previous_profile;  // the record's profile as of the last refresh
    int default_throat_request;    // "Vorbelegung:" pressed
    int export_request;            // "Daten exportieren" pressed
    int import_request;            // "Daten importieren" pressed
};
extern Nachweis_Page_Variables Nachweis_Page;

// Appends the page's items to the scrollable area from x0 and *y on (*y is
// advanced and written back): step the line step, small_step the tight
// one, width the usable width, active 1 (0 greys everything). Selectors
// holding a value outside their table are set to 0. Nothing for a null
// record or y.
void Draw_Nachweis_Page(SchweissnahtAnschluss* record, int area, int x0, int* y, int step, int small_step,
                        int width, int active);
// Page variables from the record; the record's profile becomes the
// previous profile. Nothing for null.
void Record_to_Sheet(SchweissnahtAnschluss* record);
// The page's switches into the record (weld kind, all-round and
// full-penetration flags of the arrangement, contact fraction, the two
// inverted check flags); nothing else. Nothing for null.
void Sheet_Switches_to_Record(SchweissnahtAnschluss* record);
// The refresh after every edit of the page: a changed profile (rebuilding
// the weld table when it is another profile), weld lengths capped at the
// profile, the default throats when asked, the code into the materials,
// the uniform grade, the switches, the weld layout, and the page variables
// from the record again. Nothing for null.
void Apply_Sheet_to_Record(SchweissnahtAnschluss* record);
// Keeps the choices DIN 18800 does not offer (weld method, section method,
// butt weld), as they stand under EC 3, when the record's code has just
// become DIN 18800 (the page as of the last refresh was under EC 3): the
// refresh gives them back when EC 3 is chosen again. Called by the page
// build and the refresh, whichever sees the new code first. Nothing for
// null.
void Keep_Ec_Choices(SchweissnahtAnschluss* record);
// The choices of EC 3 that an input file under DIN 18800 holds (weld
// method, section method, the single welds' kind), kept as Keep_Ec_Choices
// keeps them at a switch: EC 3 chosen on the page gives them back. Called
// when a file's record replaced the page's; forgets them for a record under
// EC 3, and for null.
void Keep_Ec_Choices_Of_File(const SchweissnahtAnschluss* record);
// Runs the data import and then the data export when their buttons were
// pressed, and clears both requests.
void Run_Pending_Import_Export(void);

// Forgets what the page keeps of the single welds while it does not show
// them as they are (throats a butt weld cut, throats and kind an all-round
// or full-penetration weld hides): the record was replaced.
void Forget_Kept_Welds(void);

// What the input file cannot hold of what the page keeps for the user
// (single welds hidden by another arrangement or a round profile, throats
// a layout replaced, a_w,fu of a tee, throats of welds the profile lacks,
// choices of EC 3 under DIN 18800): a head line and one line each, each
// saying what comes back when the file is opened. Empty when the file
// holds everything, and for null.
std::vector<std::string> Input_File_Omissions(const SchweissnahtAnschluss* record);

// The page variables cleared, as at the start of the run (for tests).
void Reset_Input_Page(void);

#endif
