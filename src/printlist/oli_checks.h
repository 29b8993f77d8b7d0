// Input checks of the print-list writers of symbols, charts, legends and
// lists.
//
// A writer whose input would put a number that is not finite, a size below
// zero, a picture without points or a cut text into the print list writes
// nothing at all and reports a refusal instead: one error message through
// the message service in its current mode ("Druckliste: <writer> nicht
// geschrieben: <reason>"). The checks run before the first record, so a
// refused call leaves no half symbol behind.
//
// Bounds: a point or length of a picture must stay within 1 km of paper
// (what the viewer still draws), a paper size within 1 km as well, and the
// picture's scales within 1e-6 .. 1e6 cm per world unit, so that every
// length a symbol derives from them stays a finite number.
#ifndef PRINTLIST_OLI_CHECKS_H
#define PRINTLIST_OLI_CHECKS_H

#include <cstddef>

// Paper limit in cm of every coordinate and size a checked writer writes.
constexpr double OLI_PAPER_LIMIT_CM = 1e5;

// The checks of one call of a writer. Each check that fails keeps the
// first fault; Ok reports it (once) and tells whether the call may write.
// Not a record of the print list: a helper of the writers' own functions.
class Oli_Input_Check {
public:
    explicit Oli_Input_Check(const char* writer) : writer_(writer) {}
    // A picture is open with usable scales (every picture symbol needs it).
    Oli_Input_Check& Picture();
    // A world point: finite, within the paper limit at the picture's scales.
    Oli_Input_Check& Point(double x, double y);
    // n world points (n >= min_count, arrays present, each a Point).
    Oli_Input_Check& Points(int n, const double* x, const double* y, int min_count);
    // A world length: finite, not negative (signed: any sign), within the
    // paper limit at the larger scale.
    Oli_Input_Check& Length(double v, bool signed_ = false);
    // A paper size in cm (text heights, factors, widths): finite, not
    // negative (signed: any sign), within the paper limit.
    Oli_Input_Check& Size(double v, bool signed_ = false);
    // A plain number (angles, values, factors): finite and within limit
    // in size.
    Oli_Input_Check& Number(double v, double limit = 1e12);
    // A text that goes into the list: at most max characters; with
    // in_record it stands between « and » of one record line, so it may
    // hold neither a line break nor « or »; a null text counts as "".
    Oli_Input_Check& Text(const char* text, size_t max, bool in_record = true);
    // A whole number within lo .. hi.
    Oli_Input_Check& Range(long v, long lo, long hi);
    // A fault of the caller's own (the reason is a literal).
    Oli_Input_Check& Require(bool condition, const char* reason);
    // True when every check passed; else the refusal is reported (once).
    bool Ok();

private:
    Oli_Input_Check& Fail(const char* reason);
    const char* writer_;
    const char* fault_ = nullptr;
    char detail_[96] = {};
    bool reported_ = false;
};

#endif
