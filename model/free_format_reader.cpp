#include "model/free_format_reader.h"

#include "model/free_format_number.h"

#include <array>
#include <string_view>

namespace korvel {

namespace {

// A line ends at a line feed, a carriage return and line feed, or a carriage return alone (as
// some editors still save); the cursor shows each as one line feed.
constexpr int LINE_END = '\n';

bool isBlank(int c) { return c == ' ' || c == '\t'; }
bool isSeparator(int c) { return isBlank(c) || c == ',' || c == '/' || c == LINE_END || c == EOF; }

// The characters of the file one at a time, with one in hand. Only the token being read is
// kept, in a buffer of fixed size, so a file of any size, with or without line ends, is read in
// bounded memory.
class CharacterCursor {
public:
    explicit CharacterCursor(std::FILE* file) : m_file(file) {
        if (m_file == nullptr) return;
        flockfile(m_file);
        skipByteOrderMark();
        m_current = nextCharacter();
    }
    ~CharacterCursor() {
        if (m_file != nullptr) funlockfile(m_file);
    }
    CharacterCursor(const CharacterCursor&) = delete;
    CharacterCursor& operator=(const CharacterCursor&) = delete;

    int current() const { return m_current; }
    void advance() { m_current = nextCharacter(); }
    void skipBlanks() {
        while (isBlank(m_current)) advance();
    }
    // Moves past the end of the current line, so that the next operation starts on a new one.
    void skipRestOfLine() {
        while (m_current != LINE_END && m_current != EOF) advance();
    }
    // The characters up to the next separator; false when they do not fit the token buffer,
    // which no number of the free format needs.
    bool takeToken(std::string_view& token) {
        size_t length = 0;
        for (; !isSeparator(m_current); advance()) {
            if (length == m_token.size()) return false;
            m_token[length++] = static_cast<char>(m_current);
        }
        token = std::string_view(m_token.data(), length);
        return true;
    }

private:
    int nextCharacter() {
        if (m_file == nullptr) return EOF;
        const int c = getc_unlocked(m_file);
        if (c != '\r') return c;
        const int following = getc_unlocked(m_file);
        if (following != '\n' && following != EOF) ungetc(following, m_file);
        return LINE_END;
    }
    // A text editor may start a UTF-8 file with a byte order mark; it is not part of the data.
    void skipByteOrderMark() {
        if (std::ftell(m_file) != 0) return;
        constexpr std::string_view MARK = "\xEF\xBB\xBF";
        for (char expected : MARK) {
            if (getc_unlocked(m_file) != static_cast<unsigned char>(expected)) {
                std::rewind(m_file);
                return;
            }
        }
    }

    std::FILE* m_file;
    int m_current = EOF;
    std::array<char, MAX_TOKEN_LENGTH> m_token{};
};

// r of r*v: an unsigned whole number of at least 1.
bool parseRepeatCount(std::string_view text, int32_t& count) {
    if (text.empty() || text.front() == '+' || text.front() == '-') return false;
    return PARSE_INTEGER(text, count) && count >= 1;
}

// Stores one token (v, r*v or r*) from target `next` on and moves `next` past the values it
// stands for; false when it is not a number of the kind required.
bool storeToken(std::string_view token, std::span<const ReadTarget> targets, size_t& next) {
    int32_t count = 1;
    std::string_view value = token;
    if (const size_t star = token.find('*'); star != std::string_view::npos) {
        if (!parseRepeatCount(token.substr(0, star), count)) return false;
        value = token.substr(star + 1);
    }
    // A repeat reaching past the last destination ends with it.
    for (int32_t k = 0; k < count && next < targets.size(); ++k, ++next)
        if (!value.empty() && !targets[next].store(value)) return false;
    return true;
}

enum class Outcome { Done, TokenTooLong };

// The operation itself; the caller moves past the rest of the last line, unless a token was too
// long to be a number: such a line may run on for gigabytes, so the read stops where it is.
ReadStatus readOperation(CharacterCursor& cursor, std::span<const ReadTarget> targets, Outcome& outcome) {
    size_t next = 0;
    // A value has been given since the last comma; a comma without one stands for a null value.
    bool value_given = false;
    while (next < targets.size()) {
        cursor.skipBlanks();
        switch (cursor.current()) {
        case EOF: return ReadStatus::EndOfFile;
        case LINE_END:
            cursor.advance();
            if (cursor.current() == EOF) return ReadStatus::EndOfFile;
            continue;
        case '/': return ReadStatus::Ok;
        case ',':
            cursor.advance();
            if (!value_given) ++next;
            value_given = false;
            continue;
        default: break;
        }
        std::string_view token;
        if (!cursor.takeToken(token)) {
            outcome = Outcome::TokenTooLong;
            return ReadStatus::BadValue;
        }
        if (!storeToken(token, targets, next)) return ReadStatus::BadValue;
        value_given = true;
    }
    return ReadStatus::Ok;
}

}  // namespace

bool ReadTarget::store(std::string_view token) const {
    return m_integer != nullptr ? PARSE_INTEGER(token, *m_integer) : PARSE_REAL(token, *m_real);
}

ReadStatus READ_VALUES(std::FILE* file, std::span<const ReadTarget> targets) {
    CharacterCursor cursor(file);
    if (cursor.current() == EOF) return ReadStatus::EndOfFile;
    Outcome outcome = Outcome::Done;
    const ReadStatus status = readOperation(cursor, targets, outcome);
    // The line end in hand has been taken from the file already.
    if (outcome == Outcome::Done) cursor.skipRestOfLine();
    return status;
}

}  // namespace korvel
