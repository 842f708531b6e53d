#pragma once
// A CSV file as spreadsheets and HR systems export it, row by row: a header row first, comma or
// semicolon separated (whichever the header line holds more of), fields quoted by the usual
// rules, UTF-8 with or without a byte-order mark, CR LF or LF line ends. libcsv does the
// parsing; here the file is fed to it one line at a time so that each row knows its line.

#include <cstdio>
#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace korvel {

// A failure of the records, and the line of the file it names (0: the file as a whole).
struct RecordsError {
    long line = 0;
    std::string text;
};

// Takes one row: the line it starts on and its fields, unquoted. Returns an error to stop.
using CsvRowHandler = std::function<std::optional<RecordsError>(long line, const std::vector<std::string>& fields)>;

// Reads every row of `file` into `handler`; the first error, the handler's or the file's.
std::optional<RecordsError> READ_CSV_ROWS(std::FILE* file, const CsvRowHandler& handler);

}  // namespace korvel
