#pragma once
// The numbers of the free format, one token at a time. Both parsers accept the whole token or
// nothing, and never depend on the process locale.

#include <cstddef>
#include <cstdint>
#include <string_view>

namespace korvel {

// The longest token the free format takes: far more than any number needs, so a longer run of
// characters without a separator is not a number.
inline constexpr std::size_t MAX_TOKEN_LENGTH = 256;

// An integer written without a decimal point: an optional sign and digits, within 32 bits.
bool PARSE_INTEGER(std::string_view token, int32_t& value);

// A real: an optional sign, digits with or without a decimal point, and an optional exponent
// introduced by E or D. The result is rounded once, to the nearest 32-bit float; a value that
// has no finite 32-bit form (too large, or not a number at all), or a token longer than
// MAX_TOKEN_LENGTH, is refused.
bool PARSE_REAL(std::string_view token, float& value);

}  // namespace korvel
