// input_ranges: the values the weld connection's input takes. One table for
// the fields of the input page and its sheets (material, plate, partial
// factors, profile, load cases, print control), the data import and the
// input file's reader: a value a field refuses when typed is refused as
// well by the import and by the reader of a file edited by hand, with the
// same range named. It lies this low because the material, plate and
// profile rows are drawn by the layers that own those records.
#ifndef CODES_INPUT_RANGES_H
#define CODES_INPUT_RANGES_H

#include <cstddef>
#include <string>

enum Input_Range_Id {
    RANGE_PARTIAL_FACTOR,   // gamma_M of the checks: 0.1 made a weld twelve times stronger
    RANGE_STRENGTH,         // own strengths, N/mm² (the material check takes none below 1)
    RANGE_MODULUS,          // own modulus, N/mm²
    RANGE_BETA_W,           // correlation factor taken as given
    RANGE_EXPANSION,        // own expansion coefficient, 10^-5 1/K
    RANGE_PLATE_THICKNESS,  // mm; the plate check refuses thinner plates
    RANGE_PLATE_EXTENT,     // plate width and length, mm
    RANGE_DIMENSION,        // a typed-in profile's dimensions and radii, mm
    RANGE_THROAT,           // weld throats, mm: a butt weld through the thickest flange
    RANGE_WELD_LENGTH,      // mm; a field narrows it to its edge of the profile
    RANGE_CONTACT_SHARE,    // share of the compression by contact, % (the file keeps the fraction)
    RANGE_LOAD,             // a force in N or a moment in Nmm: larger ones overflow the stresses
    RANGE_SCALE,            // the sketch's scale 1 : n
    RANGE_TOLERANCE,        // tolerance of the final result, %
    // The whole-number choices of the input: a switch, and the lists a
    // choice is one of. A file holding another value is refused naming it.
    RANGE_SWITCH,           // off 0, on 1
    RANGE_WELD_KIND,        // fillet, slot, butt, plug, other weld
    RANGE_SHEAR_SPLIT,      // conventional, by stiffness, consistent with N/M
    RANGE_LOAD_UNIT,        // kN/kNm, kN/kNcm, N/Nm, N/Nmm
    RANGE_RESULT_EXTENT,    // minimal .. governing case in detail
    RANGE_WELD_NUMBER,      // a slot's weld number, 0: not in use
    RANGE_WELD_COUNT,       // slots of the weld table in use
    RANGE_COUNT
};

struct Input_Range {
    double minimum, maximum;  // both taken
    const char* unit;         // named after a value in messages; "" none (code page 850)
};

inline constexpr Input_Range INPUT_RANGES[RANGE_COUNT] = {
    {0.5, 3.0, ""},                // RANGE_PARTIAL_FACTOR
    {1.0, 2000.0, "N/mm\xFD"},     // RANGE_STRENGTH (0xFD: the square sign)
    {1.0, 1000000.0, "N/mm\xFD"},  // RANGE_MODULUS
    {0.5, 1.0, ""},                // RANGE_BETA_W
    {0.0, 100.0, ""},              // RANGE_EXPANSION
    {1.0, 1000.0, "mm"},           // RANGE_PLATE_THICKNESS
    {1.0, 100000.0, "mm"},         // RANGE_PLATE_EXTENT
    {0.0, 10000.0, "mm"},          // RANGE_DIMENSION
    {0.0, 200.0, "mm"},            // RANGE_THROAT
    {0.0, 10000.0, "mm"},          // RANGE_WELD_LENGTH
    {0.0, 100.0, "%"},             // RANGE_CONTACT_SHARE
    {-1e15, 1e15, ""},             // RANGE_LOAD (N or Nmm: the caller names the unit)
    {0.0, 100.0, ""},              // RANGE_SCALE
    {0.0, 10.0, "%"},              // RANGE_TOLERANCE
    {0.0, 1.0, ""},                // RANGE_SWITCH
    {0.0, 4.0, ""},                // RANGE_WELD_KIND
    {0.0, 2.0, ""},                // RANGE_SHEAR_SPLIT
    {0.0, 3.0, ""},                // RANGE_LOAD_UNIT
    {0.0, 4.0, ""},                // RANGE_RESULT_EXTENT
    {0.0, 20.0, ""},               // RANGE_WELD_NUMBER
    {0.0, 20.0, ""},               // RANGE_WELD_COUNT
};

constexpr const Input_Range& Input_Range_Of(Input_Range_Id id) { return INPUT_RANGES[id]; }

// 1 when v is a number within the range, bounds included; else 0 (a NaN
// too). Never fails.
constexpr int Input_Range_Holds(Input_Range_Id id, double v) {
    return v >= INPUT_RANGES[id].minimum && v <= INPUT_RANGES[id].maximum;
}

// ---- a value a block reader refused (input_ranges.cpp) ----

// The readers of the input file's blocks (material, factors, profile,
// plate, load cases, print options, the connection's own lines) stop at a
// value outside its range, and note it here in the words of the ranges
// table: "Schalter Grafik = 2 ungültig (nicht zwischen 0 und 1)", in the
// forms of the print list (markup), a box and the console. The caller
// names the line where the reading stopped: the stream stands behind the
// value. One note for the process, the last one; not re-entrant.
struct Input_Value_Refusal {
    std::string list, screen, console;  // empty: none
    bool any() const { return !list.empty(); }
};

// Forgets the note. Never fails.
void Clear_Input_Value_Refusal(void);
// The note of the last refusal (empty after a clear).
const Input_Value_Refusal& Last_Input_Value_Refusal(void);
// 1 when v lies within the range of id; else notes it refused with the
// names given (list form with its markup, screen form, console form; the
// screen form stands for a null list form, the list form for a null
// console) and returns 0. v is named as a field's box names it ("2",
// "0.1", "1e+300"), a NaN or infinity as "too large" in its place.
int Input_Value_Holds(Input_Range_Id id, double v, const char* list_name, const char* screen_name,
                      const char* console_name);
// The same for a value whose range is given (a bound that depends on the
// other values: a root radius up to what the section leaves).
int Input_Value_Within(const Input_Range& range, double v, const char* list_name, const char* screen_name,
                       const char* console_name);
// Notes a refusal in words of the caller's own (three forms as above;
// null ones take the screen form). Returns 0, the failure of a check.
int Note_Input_Value_Refusal(const char* list, const char* screen, const char* console);
// 1 when the n bytes of text hold no markup escape of the print list (byte
// 0xCE, "╬"); else notes it refused ("<name> enthält das Zeichen "╬", das
// im Ausdruck eine Formatierung einleitet"; the list names it as 0xCE) and
// returns 0. A user's text holding one would hide what follows it in the
// list ("A╬HB" printed "AB").
int Input_Text_Free_Of_Markup(const char* text, size_t n, const char* name, const char* console_name);
// Notes a word refused for being longer than the most characters its
// record holds, with its length, not cut ("<name> ist 36 Zeichen lang
// (höchstens 25)": a name is the user's). Returns 0.
int Note_Input_Text_Too_Long(size_t length, size_t most, const char* name, const char* console_name);
// "v ungültig (nicht zwischen lo und hi unit)" and its console form, as
// every refusal of a value words it.
std::string Input_Range_Refusal_Words(const Input_Range& range, double v, int console);

#endif
