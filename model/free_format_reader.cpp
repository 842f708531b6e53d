#include "model/free_format_reader.h"

#include "model/free_format_number.h"

#include <string>
#include <string_view>

namespace korvel {

namespace {

// Blanks; a tab and the carriage return of a line written on another system count as blanks.
bool isBlank(char c) { return c == ' ' || c == '\t' || c == '\r'; }
bool isSeparator(char c) { return isBlank(c) || c == ',' || c == '/'; }

// The lines of the file, read one at a time, with the position reached in the current one.
class LineCursor {
public:
    explicit LineCursor(std::FILE* file) : m_file(file) {}

    // Moves to the next line; false at the end of the file.
    bool nextLine() {
        m_line.clear();
        m_pos = 0;
        if (m_file == nullptr) return false;
        int c = std::getc(m_file);
        if (c == EOF) return false;
        for (; c != EOF && c != '\n'; c = std::getc(m_file)) m_line.push_back(static_cast<char>(c));
        return true;
    }
    void skipBlanks() {
        while (m_pos < m_line.size() && isBlank(m_line[m_pos])) ++m_pos;
    }
    bool atLineEnd() const { return m_pos == m_line.size(); }
    char current() const { return m_line[m_pos]; }
    void advance() { ++m_pos; }
    // The characters up to the next separator or the line end.
    std::string_view takeToken() {
        const size_t start = m_pos;
        while (m_pos < m_line.size() && !isSeparator(m_line[m_pos])) ++m_pos;
        return std::string_view(m_line).substr(start, m_pos - start);
    }

private:
    std::FILE* m_file;
    std::string m_line;
    size_t m_pos = 0;
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

}  // namespace

bool ReadTarget::store(std::string_view token) const {
    return m_integer != nullptr ? PARSE_INTEGER(token, *m_integer) : PARSE_REAL(token, *m_real);
}

ReadStatus READ_VALUES(std::FILE* file, std::span<const ReadTarget> targets) {
    LineCursor cursor(file);
    if (!cursor.nextLine()) return ReadStatus::EndOfFile;
    size_t next = 0;
    // A value has been given since the last comma; a comma without one stands for a null value.
    bool value_given = false;
    while (next < targets.size()) {
        cursor.skipBlanks();
        if (cursor.atLineEnd()) {
            if (!cursor.nextLine()) return ReadStatus::EndOfFile;
            continue;
        }
        if (cursor.current() == '/') return ReadStatus::Ok;
        if (cursor.current() == ',') {
            cursor.advance();
            if (!value_given) ++next;
            value_given = false;
            continue;
        }
        if (!storeToken(cursor.takeToken(), targets, next)) return ReadStatus::BadValue;
        value_given = true;
    }
    return ReadStatus::Ok;
}

}  // namespace korvel
