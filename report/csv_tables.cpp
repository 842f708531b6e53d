#include "report/csv_tables.h"

#include "report/shown_number.h"

#include <fstream>

namespace korvel {

namespace {

std::string csvCell(const std::string& cell) {
    const std::string text = CELL_TEXT(cell);
    if (text.find_first_of(",\"\r\n") == std::string::npos) return text;
    std::string quoted = "\"";
    for (const char c : text) quoted += c == '"' ? std::string("\"\"") : std::string(1, c);
    return quoted + '"';
}

void appendLine(std::string& csv, const std::vector<std::string>& cells) {
    for (size_t k = 0; k < cells.size(); ++k) csv += (k > 0 ? "," : "") + csvCell(cells[k]);
    csv += "\r\n";
}

}  // namespace

std::string CSV_TEXT(const REPORT_TABLE& table) {
    std::string csv;
    appendLine(csv, table.headings);
    for (const std::vector<std::string>& row : table.rows) appendLine(csv, row);
    return csv;
}

bool WRITE_CSV_TABLES(const REPORT_CONTENT& content, const std::filesystem::path& folder, std::string& error) {
    std::vector<NAMED_TABLE> tables = NAMED_TABLES(content);
    const REPORT_TABLE certificate = CERTIFICATE_TABLE(content);
    tables.push_back({CERTIFICATE_STEM, &certificate});
    for (const NAMED_TABLE& named : tables) {
        const std::filesystem::path path = folder / (named.stem + ".csv");
        std::ofstream file(path, std::ios::binary);
        file << CSV_TEXT(*named.table);
        file.close();
        if (!file) {
            error = "cannot write " + path.string();
            return false;
        }
    }
    return true;
}

}  // namespace korvel
