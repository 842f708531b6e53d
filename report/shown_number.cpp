#include "report/shown_number.h"

#include <charconv>

namespace korvel {

std::string CELL_TEXT(const std::string& cell) {
    const size_t first = cell.find_first_not_of(' ');
    if (first == std::string::npos) return {};
    return cell.substr(first, cell.find_last_not_of(' ') - first + 1);
}

std::optional<SHOWN_NUMBER> SHOWN_NUMBER_OF(const std::string& cell) {
    const std::string text = CELL_TEXT(cell);
    if (text.empty()) return std::nullopt;
    // Digits, one point, a sign in front and an exponent at the end: nothing else is a number.
    for (const char c : text)
        if (!((c >= '0' && c <= '9') || c == '.' || c == '-' || c == '+' || c == 'E' || c == 'e')) return std::nullopt;
    SHOWN_NUMBER number;
    const char* end = text.data() + text.size();
    const std::from_chars_result read = std::from_chars(text.data() + (text[0] == '+' ? 1 : 0), end, number.value);
    if (read.ec != std::errc() || read.ptr != end) return std::nullopt;
    const size_t exponent = text.find_first_of("Ee");
    number.exponent = exponent != std::string::npos;
    const std::string mantissa = text.substr(0, exponent);
    const size_t point = mantissa.find('.');
    number.decimals = point == std::string::npos ? 0 : static_cast<int>(mantissa.size() - point - 1);
    return number;
}

}  // namespace korvel
