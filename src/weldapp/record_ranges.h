// record_ranges: the connection record's values that the input page lets
// the user type, each with its range of the input's one table
// (codes/input_ranges.h), its name in the user's words and its place in
// the input file; and a catalogue profile whose dimensions in the file are
// not the catalogue's. The input file's reader and the data import refuse
// what no field would take, and name each value with its line and range.
#ifndef WELDAPP_RECORD_RANGES_H
#define WELDAPP_RECORD_RANGES_H

#include <cstdio>
#include <string>
#include <vector>

#include "codes/input_ranges.h"
#include "profiles/stahlprofil.h"

struct SchweissnahtAnschluss;
struct Nahtbild;

// Where the reader found the blocks of an input file: the byte offset of the
// stream before each block was read (-1: not read), and the weld part's
// version, which decides the rows and the throats' words.
struct Input_File_Places {
    long head = -1;      // code setting, checks, methods, gamma_M
    long safety = -1;    // the partial factors' block
    long material = -1;  // the connection's material block
    long profile = -1;
    long plate = -1;
    long welds = -1;     // the weld rows
    int weld_rows = 0;   // rows read into the slots
    long throats = -1;   // a_w, weld kind, ..., contact share, ..., a_w,fo, a_w,fu
    int version = 0;     // of the weld part
    long loads = -1;
    long print = -1;
};

// One value outside its range, in the three forms it is told in: the print
// list's (with its markup), a box's and the console's (ASCII). Each begins
// with the value's line: "Zeile 26: Nahtdicke a╬\w1╬r = 100000 mm ungültig
// (nicht zwischen 0 und 200 mm)", "line 26: a_w1 = 100000 mm not between 0
// and 200 mm".
struct Range_Refusal {
    long line;
    std::string list, screen, console;
};

// The refusals of a record, the first ones named (in the order of the
// file), and how many more there were.
struct Range_Refusals {
    std::vector<Range_Refusal> named;
    long more = 0;
    bool any() const { return !named.empty(); }
};

enum { RANGE_REFUSALS_NAMED = 12 };  // most refusals a list, a box or the console names

// The values of the record read from f outside their ranges, with the lines
// the places give them (f is read from its start for them; its position is
// kept). Only the values the page offers for typing are judged, where it
// offers them: the own partial factors gamma_M0 and gamma_M2 (gamma_M under
// DIN 18800), own strengths, the plate's thickness, a typed-in profile's
// dimensions, the throats (not those a full-penetration butt weld takes from
// the profile), the single welds' lengths (a weld's up to its edge of the
// profile: Weld_Length_Range; an all-round weld's are laid from the
// profile at the check, none of the user's), the contact share, the loads
// and the sketch's scale. Never fails; empty when every value holds.
Range_Refusals Input_File_Range_Refusals(FILE* f, const SchweissnahtAnschluss* record,
                                         const Input_File_Places& places);
// 1 when every value Input_File_Range_Refusals judges lies within its range
// (what the reader takes), else 0; weld_rows: the slots whose throat and
// length count (NAHT_SLOTS for the whole table).
int Schweissnaht_Values_In_Range(const SchweissnahtAnschluss* record, int weld_rows);

// The lines of a box, a list or the console that tell the refusals: one
// per value, and "... und 3 weitere Werte außerhalb ihres Bereichs" ("... and
// 3 more values out of range") after the named ones.
enum Refusal_Form { REFUSAL_LIST, REFUSAL_SCREEN, REFUSAL_CONSOLE };
std::vector<std::string> Range_Refusal_Lines(const Range_Refusals& refusals, int form);

// A catalogue profile whose dimensions in the input file differ from the
// catalogue's: the program writes them together, so only a file edited by
// hand (or a catalogue mended since) parts them. The catalogue's are taken,
// as its cross-section values are, so that the welds lie on the section
// that is checked. profile_at: the profile block's offset in f, for the
// lines named. Returns the notice's lines in the form asked for (the
// differing values, file's and catalogue's, with their lines); empty when
// the profile is no catalogue profile, the catalogue lacks it, or nothing
// differs. The profile is changed only when the lines are not empty.
struct Catalogue_Notice {
    std::vector<std::string> list, screen;
    std::string console;
    bool any() const { return !list.empty(); }
};
Catalogue_Notice Take_Catalogue_Dimensions(FILE* f, long profile_at, Stahlprofil* profile);

// ---- the weld lengths a profile offers ----

// The decimal places the input file keeps of a value in the unit the page
// shows ("%lf"): the page's fields keep as many.
enum { INPUT_FILE_DECIMALS = 6 };

// A weld length this close to its edge of the profile is the edge: files
// written before kept the catalogue's single-precision measures
// ("24.000001" for a root radius of 24 mm) and the lengths laid from them
// (111.999999 or 112.000001 for 112 mm), a hair that no weld is shorter or
// longer by on purpose.
inline constexpr double WELD_EDGE_NOISE = 1e-4;  // mm

// The edges of a profile's weld faces by slot (the weld table's slots are
// the profile's edges).
struct Weld_Edges {
    double length[STAHLPROFIL_EDGES];  // mm
    int code[STAHLPROFIL_EDGES];       // the face's code; 0: the slot has no face
    bool any;  // false: no edges (a round section's one weld goes round it, uncapped)
};

// The edges of the profile as the record gives it, with the faces'
// lengths it last worked out. Never fails: a null profile or one without
// edges gives none.
Weld_Edges Weld_Edges_Of(const Stahlprofil* profile);

// The edges of the profile as the page and the reader hold the lengths to
// them: a catalogue profile's of its published measures (a file written
// before gives them with the hair too), else those of the record's
// dimensions, worked out afresh on a copy; none where the dimensions
// describe no section (Profile_Dimensions_Fit) or the profile is not
// computable here. The profile is never modified.
Weld_Edges Published_Weld_Edges(const Stahlprofil* profile);

// The edges as the page lays single welds along them and offers their
// lengths: Published_Weld_Edges, but where the check lays a weld on the
// rolled face of a sloped flange and that face is the shorter, the rolled
// face (Weld_Check_Rolled_Face_Lengths: IPN 200's inner flange faces 31.2
// mm for the plates' 33.75, its web 159.1 for 162.4), which the check takes
// for any longer length. A rolled face longer than the plates' (a channel's
// or half I's inner flange face, which runs along the slope into the root
// fillet) stays the plates': the check takes that length as given, and the
// reader holds files to it. The profile is never modified.
Weld_Edges Page_Weld_Edges(const Stahlprofil* profile);
// The single welds of a profile chosen on the page, numbered and at the
// full length of the edges the page gives them (Page_Weld_Edges of the
// profile as the record holds it): the count of Get_Profile_Plate_Elements.
int Lay_Page_Welds(const Stahlprofil* profile, double* lengths, int* numbers);
// The edges of the profile of the last refresh as the page laid its welds
// (Weld_Edges_Of, the shorter rolled faces as Page_Weld_Edges); a length of
// `lengths` (by slot) beyond such a rolled face, up to the plates' face
// that the page laid before, is that face in the check, and becomes it.
Weld_Edges Laid_Weld_Edges(const Stahlprofil* profile, double* lengths);

// What a slot's weld length takes: 0 up to its edge of the profile, the
// whole RANGE_WELD_LENGTH where the profile gives the slot no edge. The
// maximum is the bound as a field of INPUT_FILE_DECIMALS places names and
// takes it (VEK_Shown_Bound: 112 for an edge of 111.99999847).
Input_Range Weld_Length_Range(const Weld_Edges& edges, int slot);

// Lengths within WELD_EDGE_NOISE of their edge (Published_Weld_Edges)
// become the edge, in every slot the profile gives one; the others stay.
// Returns how many changed. Nothing for a null weld part.
int Snap_Lengths_To_Edges(Nahtbild* n);

#endif
