#pragma once
// Fixed-length texts. Texts are UTF-8; lengths count characters, not bytes, so the Greek
// labels keep their width. A text shown or drawn ends at its first zero byte.

#include <string>

namespace korvel {

// Number of UTF-8 characters in `text`.
int CHARACTER_COUNT(const std::string& text);

// The first `count` characters of `text` (all of it when shorter).
std::string FIRST_CHARACTERS(const std::string& text, int count);

// `text` cut or blank-padded to exactly `length` characters.
std::string PAD_TEXT(const std::string& text, int length);

// The part of `text` before its first zero byte.
std::string TEXT_BEFORE_ZERO(const std::string& text);

// `text` without trailing blanks.
std::string TRIM_RIGHT(const std::string& text);

// `text` up to its first zero byte, without leading and trailing blanks.
std::string TRIM_BLANKS(const std::string& text);

// `value` right-aligned in a field of `width` characters.
std::string RIGHT_ALIGNED(long long value, int width);

// A text buffer of exactly N characters; starts as N zero bytes, as static storage does.
template <int N>
class FixedText {
public:
    FixedText() : m_text(static_cast<size_t>(N), '\0') {}
    // Copies `text` in and fills the rest with blanks.
    void assign(const std::string& text) { m_text = PAD_TEXT(text, N); }
    // A zero byte followed by blanks: an empty text ready for a literal.
    void reset() { m_text = std::string(1, '\0') + std::string(static_cast<size_t>(N - 1), ' '); }
    const std::string& text() const { return m_text; }
    static constexpr int length() { return N; }

private:
    std::string m_text;
};

}  // namespace korvel
