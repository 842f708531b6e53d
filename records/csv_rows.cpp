#include "records/csv_rows.h"

#include <csv.h>
#include <stdio.h>
#include <stdlib.h>

#include <string_view>

namespace korvel {

namespace {

constexpr std::string_view BYTE_ORDER_MARK = "\xEF\xBB\xBF";

// The separator the header line holds more of, outside quotes; a comma when it holds neither.
unsigned char separatorOf(std::string_view header) {
    size_t commas = 0;
    size_t semicolons = 0;
    bool quoted = false;
    for (const char c : header) {
        if (c == '"') quoted = !quoted;
        else if (!quoted && c == ',') ++commas;
        else if (!quoted && c == ';') ++semicolons;
    }
    return semicolons > commas ? ';' : ',';
}

bool holdsText(std::string_view line) { return line.find_first_not_of(" \t\r\n") != std::string_view::npos; }

// libcsv fed one physical line at a time; its callbacks gather the fields of a row and hand the
// row on at its end. A row starts on the first line that holds text after the row before it.
class CsvFeed {
public:
    CsvFeed(unsigned char separator, const CsvRowHandler& handler) : m_handler(handler) {
        csv_init(&m_parser, CSV_STRICT | CSV_STRICT_FINI);
        csv_set_delim(&m_parser, separator);
    }
    ~CsvFeed() { csv_free(&m_parser); }
    CsvFeed(const CsvFeed&) = delete;
    CsvFeed& operator=(const CsvFeed&) = delete;

    // False once the rows or the quoting have failed; error() says why.
    bool feedLine(std::string_view line) {
        ++m_line;
        if (!m_in_row) m_row_line = m_line;
        m_row_ended = false;
        if (csv_parse(&m_parser, line.data(), line.size(), onField, onRowEnd, this) != line.size() && !m_error)
            m_error = RecordsError{m_line, "a quote out of place: a quoted field must be quoted whole"};
        if (!m_row_ended && holdsText(line)) m_in_row = true;
        return !m_error;
    }
    bool finish() {
        if (!m_error && csv_fini(&m_parser, onField, onRowEnd, this) != 0)
            m_error = RecordsError{m_row_line, "a quoted field is never closed"};
        return !m_error;
    }
    const std::optional<RecordsError>& error() const { return m_error; }

private:
    static void onField(void* text, size_t length, void* data) {
        auto& feed = *static_cast<CsvFeed*>(data);
        const char* chars = static_cast<const char*>(text);
        if (feed.m_field_count < feed.m_fields.size()) feed.m_fields[feed.m_field_count].assign(chars, length);
        else feed.m_fields.emplace_back(chars, length);
        ++feed.m_field_count;
        feed.m_in_row = true;
    }
    static void onRowEnd(int, void* data) {
        auto& feed = *static_cast<CsvFeed*>(data);
        feed.m_fields.resize(feed.m_field_count);
        feed.m_field_count = 0;
        feed.m_in_row = false;
        feed.m_row_ended = true;
        if (!feed.m_error) feed.m_error = feed.m_handler(feed.m_row_line, feed.m_fields);
    }

    csv_parser m_parser{};
    const CsvRowHandler& m_handler;
    std::vector<std::string> m_fields;
    size_t m_field_count = 0;
    long m_line = 0;
    long m_row_line = 0;
    bool m_in_row = false;
    bool m_row_ended = false;
    std::optional<RecordsError> m_error;
};

// getline's buffer, freed on every path.
struct LineBuffer {
    char* text = nullptr;
    size_t capacity = 0;
    ~LineBuffer() { ::free(text); }
};

}  // namespace

std::optional<RecordsError> READ_CSV_ROWS(std::FILE* file, const CsvRowHandler& handler) {
    LineBuffer buffer;
    ssize_t length = ::getline(&buffer.text, &buffer.capacity, file);
    if (length < 0) return RecordsError{0, "the file is empty: it needs a header row"};
    std::string_view header(buffer.text, static_cast<size_t>(length));
    if (header.starts_with(BYTE_ORDER_MARK)) header.remove_prefix(BYTE_ORDER_MARK.size());

    CsvFeed feed(separatorOf(header), handler);
    bool going = feed.feedLine(header);
    while (going && (length = ::getline(&buffer.text, &buffer.capacity, file)) >= 0)
        going = feed.feedLine(std::string_view(buffer.text, static_cast<size_t>(length)));
    if (going && std::ferror(file)) return RecordsError{0, "the file cannot be read"};
    if (going) feed.finish();
    return feed.error();
}

}  // namespace korvel
