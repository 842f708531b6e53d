#include "present/tables/number_formats.h"

#include <cassert>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <vector>

namespace korvel {

namespace {

// A non-negative number as 0.d1d2d3... x 10^exponent; no leading or trailing zero digits,
// and no digits at all for zero.
struct Decimal {
    std::string digits;
    int exponent = 0;

    bool isZero() const { return digits.empty(); }
    // The digit of place value 10^place.
    char digitAt(int place) const {
        const int index = exponent - 1 - place;
        return index >= 0 && index < static_cast<int>(digits.size()) ? digits[static_cast<size_t>(index)] : '0';
    }
};

// A big natural number in base 10^9, lowest limb first: just enough to write a binary
// fraction out in full.
class BigNatural {
public:
    explicit BigNatural(uint64_t value) {
        do {
            m_limbs.push_back(static_cast<uint32_t>(value % BASE));
            value /= BASE;
        } while (value != 0);
    }

    // Multiplies by `factor` `times` times; factor * BASE must fit in 64 bits.
    void multiply(uint32_t factor, int times) {
        for (int i = 0; i < times; ++i) {
            uint64_t carry = 0;
            for (uint32_t& limb : m_limbs) {
                const uint64_t product = uint64_t{limb} * factor + carry;
                limb = static_cast<uint32_t>(product % BASE);
                carry = product / BASE;
            }
            while (carry != 0) {
                m_limbs.push_back(static_cast<uint32_t>(carry % BASE));
                carry /= BASE;
            }
        }
    }

    std::string decimalDigits() const {
        std::string text = std::to_string(m_limbs.back());
        for (auto limb = m_limbs.rbegin() + 1; limb != m_limbs.rend(); ++limb) {
            const std::string part = std::to_string(*limb);
            text += std::string(9 - part.size(), '0') + part;
        }
        return text;
    }

private:
    static constexpr uint64_t BASE = 1'000'000'000;
    std::vector<uint32_t> m_limbs;
};

// Multiplies by base^exponent in steps of base^step, each step small enough for BigNatural.
void multiplyByPower(BigNatural& number, uint32_t base, uint32_t base_to_step, int step, int exponent) {
    number.multiply(base_to_step, exponent / step);
    uint32_t rest = 1;
    for (int i = 0; i < exponent % step; ++i) rest *= base;
    number.multiply(rest, 1);
}

// The exact decimal value of a finite magnitude: m x 2^e is m x 2^e (e >= 0) or m x 5^-e / 10^-e.
Decimal exactDecimal(double magnitude) {
    assert(magnitude >= 0 && std::isfinite(magnitude));
    if (magnitude == 0) return {};
    int binary_exponent = 0;
    const double fraction = std::frexp(magnitude, &binary_exponent);
    auto mantissa = static_cast<uint64_t>(std::ldexp(fraction, 53));
    binary_exponent -= 53;
    while ((mantissa & 1u) == 0) {
        mantissa >>= 1;
        ++binary_exponent;
    }
    BigNatural number(mantissa);
    int decimal_shift = 0;
    if (binary_exponent > 0) {
        multiplyByPower(number, 2, 1u << 29, 29, binary_exponent);
    } else {
        multiplyByPower(number, 5, 1'220'703'125u, 13, -binary_exponent);
        decimal_shift = -binary_exponent;
    }
    Decimal result;
    result.digits = number.decimalDigits();
    result.exponent = static_cast<int>(result.digits.size()) - decimal_shift;
    result.digits.erase(result.digits.find_last_not_of('0') + 1);
    return result;
}

// `number` rounded to its first `keep` digits (none or fewer: to a power of ten or zero),
// halves away from zero.
Decimal roundToDigits(const Decimal& number, int keep) {
    if (keep >= static_cast<int>(number.digits.size())) return number;
    if (keep < 0 || (keep == 0 && number.digits[0] < '5')) return {};
    Decimal result{number.digits.substr(0, static_cast<size_t>(keep)), number.exponent};
    if (number.digits[static_cast<size_t>(keep)] >= '5') {
        // Carry from the last kept digit; nines become zeros, which are then dropped.
        while (!result.digits.empty() && result.digits.back() == '9') result.digits.pop_back();
        if (result.digits.empty()) {
            result.digits = "1";
            ++result.exponent;
        } else {
            ++result.digits.back();
        }
    }
    result.digits.erase(result.digits.find_last_not_of('0') + 1);
    return result;
}

std::string rightAligned(const std::string& text, int width) {
    if (static_cast<int>(text.size()) > width) return std::string(static_cast<size_t>(width), '*');
    return std::string(static_cast<size_t>(width) - text.size(), ' ') + text;
}

// What a field shows for an infinity or a NaN.
std::string notFinite(double value, int width) {
    if (std::isnan(value)) return rightAligned("NaN", width);
    const std::string sign = value < 0 ? "-" : "";
    const std::string full = sign + "Infinity";
    return rightAligned(static_cast<int>(full.size()) <= width ? full : sign + "Inf", width);
}

}  // namespace

std::string FORMAT_F(double value, int width, int decimals) {
    assert(width > 0 && decimals >= 0);
    if (!std::isfinite(value)) return notFinite(value, width);
    const Decimal exact = exactDecimal(std::fabs(value));
    const Decimal rounded = roundToDigits(exact, exact.exponent + decimals);
    std::string integer;
    for (int place = rounded.exponent - 1; place >= 0; --place) integer += rounded.digitAt(place);
    std::string fraction;
    for (int place = -1; place >= -decimals; --place) fraction += rounded.digitAt(place);
    const std::string sign = std::signbit(value) && !rounded.isZero() ? "-" : "";
    const std::string text = sign + (integer.empty() ? "0" : integer) + '.' + fraction;
    // The zero before the point is optional: it goes first when the field is too narrow.
    if (integer.empty() && static_cast<int>(text.size()) > width) return rightAligned(sign + '.' + fraction, width);
    return rightAligned(text, width);
}

std::string FORMAT_E(double value, int width, int decimals) {
    assert(width > 0 && decimals > 0);
    if (!std::isfinite(value)) return notFinite(value, width);
    const Decimal rounded = roundToDigits(exactDecimal(std::fabs(value)), decimals);
    const int exponent = rounded.isZero() ? 0 : rounded.exponent;
    std::string mantissa;
    for (int i = 0; i < decimals; ++i) mantissa += rounded.digitAt(rounded.exponent - 1 - i);
    const std::string sign = std::signbit(value) && !rounded.isZero() ? "-" : "";
    const int size = std::abs(exponent);
    if (size > 999) return std::string(static_cast<size_t>(width), '*');
    const std::string exponent_digits = std::to_string(size);
    const char exponent_sign = exponent < 0 ? '-' : '+';
    const std::string exponent_text = size <= 99
        ? std::string("E") + exponent_sign + std::string(2 - exponent_digits.size(), '0') + exponent_digits
        : exponent_sign + exponent_digits;
    const std::string text = sign + "0." + mantissa + exponent_text;
    if (static_cast<int>(text.size()) > width) return rightAligned(sign + '.' + mantissa + exponent_text, width);
    return rightAligned(text, width);
}

std::string FORMAT_G(double value, int width, int significant) {
    assert(width > 4 && significant > 0);
    constexpr int TRAILING_BLANKS = 4;
    const std::string blanks(TRAILING_BLANKS, ' ');
    if (!std::isfinite(value)) return notFinite(value, width);
    if (value == 0) return FORMAT_F(value, width - TRAILING_BLANKS, significant - 1) + blanks;
    // The magnitude after rounding to the significant digits decides the form.
    const int magnitude = roundToDigits(exactDecimal(std::fabs(value)), significant).exponent;
    if (magnitude < 0 || magnitude > significant) return FORMAT_E(value, width, significant);
    return FORMAT_F(value, width - TRAILING_BLANKS, significant - magnitude) + blanks;
}

std::string FORMAT_I(long long value, int width) {
    assert(width > 0);
    return rightAligned(std::to_string(value), width);
}

}  // namespace korvel
