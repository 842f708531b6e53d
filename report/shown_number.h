#pragma once
// A table cell's text read back as the number it shows, for the writers that store numbers.

#include <optional>
#include <string>

namespace korvel {

struct SHOWN_NUMBER {
    double value = 0.0;
    int decimals = 0;       // the digits shown after the decimal point (of the mantissa)
    bool exponent = false;  // shown with an exponent, as E13.5 does
};

// The number a cell shows ("0.800000", " 0.12346E+04", "1234567."), or nothing for any other
// text, the missing-value marks "?" and "--" included. Read in the "C" locale.
std::optional<SHOWN_NUMBER> SHOWN_NUMBER_OF(const std::string& cell);

// The cell without its leading and trailing blanks.
std::string CELL_TEXT(const std::string& cell);

}  // namespace korvel
