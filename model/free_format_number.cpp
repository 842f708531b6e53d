#include "model/free_format_number.h"

#include <locale.h>
#include <stdlib.h>

#include <array>
#include <charconv>
#include <cmath>

namespace korvel {

namespace {

bool isDigit(char c) { return c >= '0' && c <= '9'; }

// Position after the run of digits starting at `pos`.
size_t skipDigits(std::string_view token, size_t pos) {
    while (pos < token.size() && isDigit(token[pos])) ++pos;
    return pos;
}

size_t skipSign(std::string_view token, size_t pos) {
    return pos < token.size() && (token[pos] == '+' || token[pos] == '-') ? pos + 1 : pos;
}

bool isExponentLetter(char c) { return c == 'E' || c == 'e' || c == 'D' || c == 'd'; }

// [sign] (digits [. [digits]] | . digits) [(E|D) [sign] digits]
bool isRealForm(std::string_view token) {
    size_t pos = skipSign(token, 0);
    const size_t whole_end = skipDigits(token, pos);
    bool has_digits = whole_end > pos;
    pos = whole_end;
    if (pos < token.size() && token[pos] == '.') {
        const size_t fraction_end = skipDigits(token, pos + 1);
        has_digits = has_digits || fraction_end > pos + 1;
        pos = fraction_end;
    }
    if (!has_digits) return false;
    if (pos < token.size() && isExponentLetter(token[pos])) {
        const size_t exponent_start = skipSign(token, pos + 1);
        pos = skipDigits(token, exponent_start);
        if (pos == exponent_start) return false;
    }
    return pos == token.size();
}

// The "C" locale, so that a decimal point is a point whatever locale the desktop set.
locale_t pointLocale() {
    static const locale_t locale = newlocale(LC_ALL_MASK, "C", nullptr);
    return locale;
}

}  // namespace

bool PARSE_INTEGER(std::string_view token, int32_t& value) {
    // from_chars takes a minus sign but no plus sign.
    if (!token.empty() && token.front() == '+') {
        token.remove_prefix(1);
        if (!token.empty() && token.front() == '-') return false;
    }
    int32_t parsed = 0;
    const auto [end, error] = std::from_chars(token.data(), token.data() + token.size(), parsed);
    if (token.empty() || error != std::errc() || end != token.data() + token.size()) return false;
    value = parsed;
    return true;
}

bool PARSE_REAL(std::string_view token, float& value) {
    if (token.size() > MAX_TOKEN_LENGTH || !isRealForm(token)) return false;
    // A buffer of fixed size: a read never allocates.
    std::array<char, MAX_TOKEN_LENGTH + 1> normalised{};
    for (size_t k = 0; k < token.size(); ++k) normalised[k] = token[k] == 'D' || token[k] == 'd' ? 'E' : token[k];
    // Straight to float: going through double first could round twice.
    const float parsed = strtof_l(normalised.data(), nullptr, pointLocale());
    if (!std::isfinite(parsed)) return false;
    value = parsed;
    return true;
}

}  // namespace korvel
