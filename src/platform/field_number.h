/* field_number.h -- how a number field of a sheet or a scroll area shows a
 * value, and which typed values it takes.
 *
 * A field takes what was typed or refuses it with a box; it never rounds a
 * typed value to what its format shows.  A field keeps a number of decimal
 * places: those of its format ("%6.1f": one), or more where the caller
 * says that the value's store keeps more.  It shows a value with the
 * decimals of its format, and with more, up to those it keeps, where the
 * value has them: a throat typed as 4.26 in a "%6.1f" field shows "4.26".
 * Digits beyond single precision (a catalogue's 56.45 read as
 * 56.4500007629) are no part of a value as shown: "56.45".
 *
 * Nothing here fails; no function keeps state.
 */
#ifndef PLATFORM_FIELD_NUMBER_H
#define PLATFORM_FIELD_NUMBER_H

#include <cstddef>
#include <string>

/* The next conversion of a format from byte `from` on ("%%" is text): 1
 * with its start (the '%') and end (its letter), 0 when there is none, -1
 * when one is cut off by the end of the format. */
int VEK_Next_Conversion(const char* format, size_t from, size_t* start, size_t* end);

/* Whether a format may be handed one value: it holds exactly one
 * conversion, its letter one of `letters` ("eEfFgG" for a double, "di" for
 * an int), an "l" only before a floating letter (where it changes
 * nothing), flags, and a width and a precision of at most two digits each
 * (a field of a million blanks is no label).  Everything else that would
 * print a value (no conversion, two, "*", "%s", "%n", a cut one) is
 * refused: a format from a record or a file is never used unchecked.  Every
 * reader of a format asks this one rule. */
bool VEK_Format_Takes_One(const char* format, const char* letters);

/* The decimals that the one conversion of a field's format shows: 1 of
 * "%6.1f", 6 of "%f"; -1 for a format whose conversion is no "f" ("%g",
 * "%e", none): such a field shows its value as the format prints it and
 * takes every typed number. */
int VEK_Format_Decimals(const char* format);

/* The field's format with its conversion showing `decimals` places ("%6.1f"
 * and 3: "%6.3f"); a format without an "f" conversion as it is, "%g" for
 * none. */
std::string VEK_Format_With_Decimals(const char* format, int decimals);

/* The decimal places of the shortest decimal text that reads back as v
 * (0.004: 3, 1e9: 0, 56.4500007629: 10); -1 for a value that is not
 * finite. */
int VEK_Decimals_Of(double v);

/* The decimals a field that shows at least `least` and keeps at most
 * `most` places shows v with: those v has, when they lie within `most`;
 * else the fewest from `least` that show v to within single precision,
 * `most` when none does.  Never fewer than `least`. */
int VEK_Shown_Decimals(double v, int least, int most);

/* v as such a field shows it, without the blanks of a width: the decimal
 * text of VEK_Shown_Decimals(v, least, most) places. */
std::string VEK_Decimal_Text(double v, int least, int most);

/* A number named in a message: its shortest decimal text ("0.004", "150",
 * "-0.4", "100000"), with an exponent from 1e7 on and below 1e-4 ("1e+12",
 * "4e-06"), where the digits would be more than a reader counts. */
std::string VEK_Number_Text(double v);

/* v in at most `room` characters with an exponent and the most digits of
 * the mantissa that fit, short as a person writes it ("1e9", "-1.235e5",
 * "4.5e-7": no "+", no leading zeros, no trailing zeros of the mantissa);
 * the one-digit form when even that is wider. */
std::string VEK_Exponent_Text(double v, int room);

/* What a number field takes: its bounds (either may be infinite) and the
 * most decimal places (-1: any). */
struct VEK_Number_Rule {
    double minimum, maximum;
    int decimals;
};

/* A bound as the field names it, with at most `decimals` places: the bound
 * to within single precision where it is that close to a shorter decimal
 * (56.4500007629 is 56.45), else rounded to the safe side (`upper` non-zero:
 * down, else up), so that the bound named takes no value the bound itself
 * refuses.  An infinite bound, or decimals below 0, as it is. */
double VEK_Shown_Bound(double bound, int decimals, int upper);

/* Whether the rule takes a typed value: a finite value of at most its
 * decimals, within its bounds as they are shown (VEK_Shown_Bound). 1 when
 * it does; else the box titled VEK_REFUSAL_TITLE that names the value,
 * what the field takes (range and decimal places) and the value `kept`
 * that stays (as its field shows it), and 0. */
int VEK_Take_Typed_Number(const VEK_Number_Rule& rule, double typed, const std::string& kept);

#endif
