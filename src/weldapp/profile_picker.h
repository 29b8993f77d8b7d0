// profile_picker: the stand-in of the desktop's profile manager. The
// desktop's manager is not on this platform; the stand-in tool offers the
// designations of the shipped profile file PROFIL, grouped into families
// (HE ... A, IPE, L, MSH, ...) with their sizes, lets the user pick one on
// the stand-in's screen, and answers as the program expects the manager to
// (the designation as the first line of "PROFIL" in "TEMP"; no file when
// the user cancels). The tool's program is src/weldapp/profile_picker/main.cpp.
#ifndef WELDAPP_PROFILE_PICKER_H
#define WELDAPP_PROFILE_PICKER_H

#include <cstdio>
#include <string>
#include <vector>

// One family of the profile file: its name as shown, the catalogue's type
// letter (D double-T, T tee, U channel, L angle, R rectangular hollow
// section, K round tube) and its designations, smallest first.
struct Profile_Family {
    std::string name;
    char type = 0;
    std::vector<std::string> sizes;
};

// Reads the records of an open profile file and groups their designations
// into families: the leading letters (with a leading "1/2") and, for a
// designation without "X", the letters after its number ("HE" 280 "A");
// designations that begin with no letter form the family "sonstige".
// Sizes are ordered by their numbers ("HE100A" before "HE1000A"), families
// by type letter (D, T, U, L, R, K) and name. Only the type letters in
// `filter` are kept (null or empty: all). A record whose designation is
// empty, holds a byte outside the printable ASCII range or whose type
// letter is none of the above is skipped; reading stops at the first record
// that cannot be read. Returns the number of families.
int Read_Profile_Families(FILE* profil, const char* filter, std::vector<Profile_Family>* families);

// Shows the families and the sizes of the chosen family on the stand-in's
// screen and waits for the user: a click chooses a family or a size (a
// second click on the chosen size takes it), the wheel and the page buttons
// scroll, Up and Down move through the sizes, Left and Right through the
// families, Enter or "übernehmen" takes the chosen size, Escape,
// "abbrechen" or the window's close request cancel. `preset` (a
// designation, blanks written as "~", or null) is chosen first. Returns the
// designation taken, or "" when the user cancelled or there is nothing to
// choose.
std::string Run_Profile_Picker(const std::vector<Profile_Family>& families, const char* preset);

// The older profile manager's command line names no profile; the stand-in
// then opens at the designation in this environment entry, which the
// program sets to the connection's profile while it runs the manager.
inline constexpr char PROFILE_PICKER_CURRENT_ENTRY[] = "VEK_PROFILE_CURRENT";
// Runs the program's profile manager (Select_Profile_from_Manager) with the
// entry set to `current` (trailing blanks dropped; null or blank: unset)
// and unset again afterwards; its result.
const char* Select_Profile_at_Current(const char* current, int mode);

#endif
