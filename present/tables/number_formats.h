#pragma once
// The fixed-width number forms of every table and graph label: the classic edit descriptors
// Fw.d, Ew.d, Gw.d and Iw. A value is rounded from its exact binary value, halves away from
// zero; a field too narrow for its number is filled with asterisks; a value that shows as zero
// never carries a minus sign.
//
// In use: F11.6, G15.7 and E13.5 for table cells, I12 for row numbers, E17.6 and F10.d for the
// graphs' labels.

#include <string>

namespace korvel {

// Fw.d: fixed notation with `decimals` digits after the point, right-aligned in `width`.
std::string FORMAT_F(double value, int width, int decimals);

// Ew.d: 0.ddd with `decimals` digits, then E and a signed two-digit exponent (a three-digit
// exponent drops the E), right-aligned in `width`.
std::string FORMAT_E(double value, int width, int decimals);

// Gw.d: for magnitudes that round into [0.1, 10^d), fixed notation F(w-4) with d significant
// digits followed by 4 blanks; otherwise Ew.d.
std::string FORMAT_G(double value, int width, int significant);

// Iw: the integer right-aligned in `width`.
std::string FORMAT_I(long long value, int width);

}  // namespace korvel
