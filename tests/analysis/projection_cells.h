#pragma once
// The cells of the projection table (kind 1) and of matrix Q (kind 17) as the transcript shows
// them, written here from the number forms themselves: F11.6 up to 1 in magnitude, otherwise
// one blank and F11.d with d = 7 minus the integer digits (seven significant digits), rounded
// halves away from zero; "?" for a missing value in kind 1. Trailing blanks are dropped, as in
// the transcript.

#include <cassert>
#include <cmath>
#include <cstdio>
#include <string>

namespace korvel::projection_cells {

inline constexpr float MISSING = 1234567.9f;

// |value| x 10^decimals is exact in double for a float and decimals <= 7, so the rounding is
// that of the decimal value itself.
inline std::string fixed(float value, int width, int decimals) {
    const long long scaled = std::llround(std::fabs(static_cast<double>(value)) * std::pow(10.0, decimals));
    const long long unit = static_cast<long long>(std::llround(std::pow(10.0, decimals)));
    char digits[64];
    std::snprintf(digits, sizeof digits, "%s%lld.%0*lld", value < 0 && scaled != 0 ? "-" : "", scaled / unit, decimals,
                  scaled % unit);
    std::string text(digits);
    return std::string(static_cast<size_t>(width) - text.size(), ' ') + text;
}

inline int integerDigits(double magnitude) { return magnitude < 1.0 ? 0 : static_cast<int>(std::floor(std::log10(magnitude))) + 1; }

inline std::string cell(float value) {
    if (value == MISSING) return "          ?";
    if (std::fabs(value) <= 1.0f) return fixed(value, 11, 6);
    assert(std::fabs(value) < 1e6f);
    int decimals = 7 - integerDigits(std::fabs(value));
    // A rounding that carries into a new integer digit leaves one decimal less.
    if (integerDigits(std::round(std::fabs(value) * std::pow(10.0, decimals)) / std::pow(10.0, decimals)) > 7 - decimals)
        --decimals;
    return " " + fixed(value, 11, decimals);
}

// A row label: the period (or stage) number ending in the 13th character, or the steady-state
// mark.
inline std::string rowNumber(int number) {
    char text[32];
    std::snprintf(text, sizeof text, " %12d", number);
    return text;
}
inline const std::string STEADY_STATE_LABEL = "         { > }";

}  // namespace korvel::projection_cells
