#pragma once
// The fields of the planning files' comma-separated lines: trimmed, and read as numbers only
// when the whole field is one.

#include <cctype>
#include <charconv>
#include <functional>
#include <istream>
#include <optional>
#include <string>

namespace korvel {

inline std::string TRIMMED_FIELD(const std::string& text) {
    size_t first = 0, last = text.size();
    while (first < last && std::isspace(static_cast<unsigned char>(text[first]))) ++first;
    while (last > first && std::isspace(static_cast<unsigned char>(text[last - 1]))) --last;
    return text.substr(first, last - first);
}

template <typename Number>
std::optional<Number> FIELD_NUMBER(const std::string& text) {
    Number value{};
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc() || end != text.data() + text.size() || text.empty()) return std::nullopt;
    return value;
}

// Reads `file` (called `name` in messages) line by line: blank lines are passed over, the first
// other line must be `header`, and `take` takes each line after it, giving the reason when it
// refuses one. The message naming the first line refused, or the empty file; empty when all
// were taken.
std::string READ_FIELD_LINES(std::istream& file, const std::string& name, const std::string& header,
                             const std::function<std::string(const std::string& line)>& take);

}  // namespace korvel
