#include "base/fixed_text.h"

#include <cstdio>

namespace korvel {

namespace {

bool isContinuationByte(char byte) { return (static_cast<unsigned char>(byte) & 0xC0) == 0x80; }

// Byte offset at which character number `count` (from 0) starts, or the size when shorter.
size_t byteOffsetOfCharacter(const std::string& text, int count) {
    size_t pos = 0;
    for (int seen = 0; pos < text.size(); ++pos) {
        if (isContinuationByte(text[pos])) continue;
        if (seen == count) return pos;
        ++seen;
    }
    return text.size();
}

}  // namespace

int CHARACTER_COUNT(const std::string& text) {
    int count = 0;
    for (char byte : text)
        if (!isContinuationByte(byte)) ++count;
    return count;
}

std::string FIRST_CHARACTERS(const std::string& text, int count) {
    return text.substr(0, byteOffsetOfCharacter(text, count < 0 ? 0 : count));
}

std::string PAD_TEXT(const std::string& text, int length) {
    std::string result = FIRST_CHARACTERS(text, length);
    const int shown = CHARACTER_COUNT(result);
    if (shown < length) result.append(static_cast<size_t>(length - shown), ' ');
    return result;
}

std::string TEXT_BEFORE_ZERO(const std::string& text) { return text.substr(0, text.find('\0')); }

std::string TRIM_RIGHT(const std::string& text) {
    const size_t last = text.find_last_not_of(' ');
    return last == std::string::npos ? std::string() : text.substr(0, last + 1);
}

std::string TRIM_BLANKS(const std::string& text) {
    const std::string before_zero = TEXT_BEFORE_ZERO(text);
    const size_t first = before_zero.find_first_not_of(' ');
    return first == std::string::npos ? std::string() : TRIM_RIGHT(before_zero.substr(first));
}

std::string RIGHT_ALIGNED(long long value, int width) {
    char buffer[32];
    std::snprintf(buffer, sizeof buffer, "%*lld", width, value);
    return buffer;
}

}  // namespace korvel
