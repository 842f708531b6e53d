#pragma once
// report.xlsx: one sheet per table, named as its CSV file, with the headings and row labels as
// the program shows them and the numbers stored as numbers, formatted with the decimals shown;
// the accuracy certificate last.

#include "report/report_content.h"

#include <string>

namespace korvel {

// False (and `error` says why) when the workbook cannot be written.
bool WRITE_XLSX_WORKBOOK(const REPORT_CONTENT& content, const std::string& path, std::string& error);

}  // namespace korvel
