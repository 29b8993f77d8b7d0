// The profile rows of an input page: a steel profile taken from the
// catalogue (normally through the desktop's profile manager) or described
// by its class and dimensions, rolled or welded with its welds, and its
// steel grade. The page is built into a scrollable area of the dialog
// toolkit after every edit; each build looks catalogue names up again,
// checks the class against the ones the caller allows and recomputes the
// section values, so the record leaves the page consistent with what it
// shows. Process-wide page state (ten selection slots); not re-entrant.
#ifndef PROFILES_PROFILE_REGISTER_H
#define PROFILES_PROFILE_REGISTER_H

#include <string>

#include "profiles/stahlprofil.h"

enum {
    PROFILE_REGISTER_SLOTS = 10,
    PROFILE_REGISTER_MAX_CLASSES = 18,  // entries of an allowed list before its end
};

// Appends the profile rows to the area from x and *y on and writes the
// first free row back. row_step follows a row, radio_step separates the
// buttons of a radio group, third_step is handed to the material rows;
// editable 0 shows everything grey and inactive. allowed: the classes the
// caller accepts, ended by a negative value (an entry 0 accepts every
// class). options bit 0 appends the material register (the steel grade
// choice, own values; bits 1 and 2 add its beta_w and modulus rows), with
// radio_step as its gap between thickness ranges. slot 0..9 picks one
// of the page's selections. separate_flanges: upper and lower flange
// values and welds entered separately. name_width 1..39: visible length of
// the name field (26 also selects the narrow compact layout); compact 1
// puts the catalogue box beside the radio buttons. first_line (or null)
// opens a refusal message. A designation the catalogue or the allowed
// classes refuse is reported once and the profile keeps its last accepted
// name and values; a switch back from a typed-in profile takes that name
// and its values again without a word. A typed dimension (or radius or
// flange weld) that the others cannot take (Profile_Dimensions_Fit) is
// refused with its limit and the field keeps its value. Nothing for a null
// profile or y or a slot outside 0..9.
void Edit_Profile_Register(Stahlprofil* profile, int area, int x, int* y, int row_step, int radio_step,
                           int third_step, int editable, const int* allowed, int options, int slot,
                           int separate_flanges, int name_width, int compact, const char* first_line);

// The message that a profile does not fit the allowed classes (count
// entries of allowed): for a catalogue profile (kind non-zero) "Gewählter
// Profiltyp ist in der Bibliothek nicht vorhanden.", else "... kann nicht
// berechnet werden", and the classes to choose from. Waits for OK.
void Report_Profile_Type_Refusal(int count, const int* allowed, int kind, const char* first_line);
// The message for a designation the catalogue lacks: after the first line
// (when given) "Das Profil "IPE 999" ist in der Bibliothek nicht
// vorhanden." and, when kept names one, the profile that stays: "Es
// bleibt das Profil "HE280A"." (names trimmed). It says nothing of the
// class, which the designation may well have. Waits for OK.
void Report_Unknown_Profile(const char* name, const char* kept, const char* first_line);

// The dimension fields of the typed-in profile that the last build of its
// rows showed and that hold nothing (0, as a field of a class chosen
// anew takes it), as the rows name them with their values ("Flanschbreite
// b = 0 mm, Flanschdicken tf = 0 mm"); empty when the last build showed
// a profile of another kind or class, or every field holds a measure.
std::string Profile_Register_Missing_Dimensions(const Stahlprofil* profile);

// What the user gave the typed-in profile p of the slot, class by class, is
// kept by its builds for the run: the profile record holds only what its
// class and the page's flanges show (a build derives the rest or clears it,
// as the section's description asks), and a class chosen again, separate
// flanges asked for again or the typed-in kind chosen again after a
// catalogue profile takes back the values its rows showed before, however
// many classes came between (what a class with few fields cleared or
// derived meanwhile is no one's), but a field typed since in another class
// takes the typed value; a field the class never showed keeps what the
// class before shared with it. Into typed: p with
// the values last shown for p's class; 1 when the slot's builds showed p,
// else 0 (typed is p). Nothing for null or a slot outside 0..9.
int Profile_Register_Typed_Values(const Stahlprofil* p, int slot, Stahlprofil* typed);
// Forgets what the slot kept: its profile was replaced.
void Forget_Profile_Register_Typed(int slot);

// The type letters handed to the profile manager as its filter for an
// allowed list (ended by a negative value): each class's letter once, in
// list order, at most 9; "ZKULTDR" for a list holding 0; empty for an
// empty list. In a static buffer.
const char* Profile_Manager_Filter_Letters(const int* allowed);

// The desktop's profile manager lives above this layer: the program
// installs the call that runs it (mode 1: choose a profile and wait) and
// returns the chosen name, or null when nothing was chosen. Without one
// the manager button chooses nothing. Returns the previous call.
typedef const char* (*Profile_Manager_Selector)(int mode);
Profile_Manager_Selector Set_Profile_Manager_Selector(Profile_Manager_Selector select);

// Forgets the selections, the button flags and the message flag, as at
// the start of the run (for tests).
void Reset_Profile_Register(void);

#endif
