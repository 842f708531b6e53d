// The CSV dialects spreadsheets export, and the line each row starts on.

#include "records/csv_rows.h"

#include <gtest/gtest.h>

#include <stdio.h>

#include <string>
#include <vector>

namespace korvel {
namespace {

struct Dialect {
    const char* name;
    std::string file;
    std::vector<std::string> rows;  // "LINE: field|field"
    long error_line = -1;           // -1: no error
};

const Dialect DIALECTS[] = {
    {"comma_lf", "id,year\nA,1\nB,2\n", {"1: id|year", "2: A|1", "3: B|2"}},
    // The header holds more semicolons than commas; a comma is then only a character.
    {"semicolon_crlf_bom", "\xEF\xBB\xBFid;year\r\nA;1,5\r\n", {"1: id|year", "2: A|1,5"}},
    {"quoted_separator_quotes_line_end", "id,note\nA,\"x, \"\"y\"\"\nz\"\nB,w\n", {"1: id|note", "2: A|x, \"y\"\nz", "4: B|w"}},
    {"blank_lines_no_last_line_end", "id\n\nA\n  \nB", {"1: id", "3: A", "5: B"}},
    {"quote_out_of_place", "id,x\nA,b\"c\n", {"1: id|x"}, 2},
    {"quote_never_closed", "id,x\nA,\"open\nmore\n", {"1: id|x"}, 2},
    {"empty", "", {}, 0},
};

TEST(CsvRowsTest, Dialects) {
    for (const Dialect& dialect : DIALECTS) {
        std::string bytes = dialect.file;
        std::FILE* file = ::fmemopen(bytes.data(), bytes.size(), "rb");
        if (bytes.empty()) file = std::tmpfile();
        std::vector<std::string> rows;
        const auto error = READ_CSV_ROWS(file, [&](long line, const std::vector<std::string>& fields) {
            std::string row = std::to_string(line) + ":";
            for (size_t k = 0; k < fields.size(); ++k) row += (k == 0 ? " " : "|") + fields[k];
            rows.push_back(row);
            return std::optional<RecordsError>{};
        });
        std::fclose(file);
        EXPECT_EQ(dialect.rows, rows) << dialect.name;
        EXPECT_EQ(dialect.error_line, error ? error->line : -1) << dialect.name;
    }
}

}  // namespace
}  // namespace korvel
