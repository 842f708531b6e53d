#pragma once
// One CSV file per table: comma-separated, "C" locale, each cell as the program shows it.

#include "report/report_content.h"

#include <filesystem>
#include <string>

namespace korvel {

// The table as CSV text: the headings, then a line per row; a cell is quoted when it holds a
// comma, a quote or a line end, its quotes doubled.
std::string CSV_TEXT(const REPORT_TABLE& table);

// Writes STEM.csv of every table into `folder`; false (and `error` says why) when one cannot be.
bool WRITE_CSV_TABLES(const REPORT_CONTENT& content, const std::filesystem::path& folder, std::string& error);

}  // namespace korvel
