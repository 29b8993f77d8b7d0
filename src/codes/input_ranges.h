// input_ranges: the values the weld connection's input takes. One table for
// the fields of the input page and its sheets (material, plate, partial
// factors, profile, load cases, print control), the data import and the
// input file's reader: a value a field refuses when typed is refused as
// well by the import and by the reader of a file edited by hand, with the
// same range named. It lies this low because the material, plate and
// profile rows are drawn by the layers that own those records.
#ifndef CODES_INPUT_RANGES_H
#define CODES_INPUT_RANGES_H

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
};

constexpr const Input_Range& Input_Range_Of(Input_Range_Id id) { return INPUT_RANGES[id]; }

// 1 when v is a number within the range, bounds included; else 0 (a NaN
// too). Never fails.
constexpr int Input_Range_Holds(Input_Range_Id id, double v) {
    return v >= INPUT_RANGES[id].minimum && v <= INPUT_RANGES[id].maximum;
}

#endif
