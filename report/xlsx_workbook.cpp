#include "report/xlsx_workbook.h"

#include "report/shown_number.h"

#include <xlsxwriter.h>

#include <map>

namespace korvel {

namespace {

constexpr double COLUMN_WIDTH = 14.0;

// The workbook's cell formats, one per shown form of a number, made as they are first needed.
class NumberFormats {
public:
    explicit NumberFormats(lxw_workbook* workbook) : m_workbook(workbook) {}

    lxw_format* of(const SHOWN_NUMBER& number) {
        std::string code = "0";
        if (number.decimals > 0) code += '.' + std::string(static_cast<size_t>(number.decimals), '0');
        if (number.exponent) code += "E+00";
        auto found = m_formats.find(code);
        if (found != m_formats.end()) return found->second;
        lxw_format* format = workbook_add_format(m_workbook);
        format_set_num_format(format, code.c_str());
        return m_formats.emplace(code, format).first->second;
    }

private:
    lxw_workbook* m_workbook;
    std::map<std::string, lxw_format*> m_formats;
};

// A cell as shown: a number as a number, a missing-value mark or blank as an empty cell, any
// other text as text.
void writeCell(lxw_worksheet* sheet, lxw_row_t row, lxw_col_t column, const std::string& cell, NumberFormats& formats,
               lxw_format* text_format) {
    if (const std::optional<SHOWN_NUMBER> number = SHOWN_NUMBER_OF(cell)) {
        worksheet_write_number(sheet, row, column, number->value, formats.of(*number));
        return;
    }
    const std::string text = CELL_TEXT(cell);
    if (text.empty() || text == "?" || text == "--") return;
    worksheet_write_string(sheet, row, column, text.c_str(), text_format);
}

void writeSheet(lxw_workbook* workbook, const NAMED_TABLE& named, NumberFormats& formats, lxw_format* heading) {
    lxw_worksheet* sheet = workbook_add_worksheet(workbook, named.stem.substr(0, LXW_SHEETNAME_MAX).c_str());
    const REPORT_TABLE& table = *named.table;
    for (size_t c = 0; c < table.headings.size(); ++c)
        worksheet_write_string(sheet, 0, static_cast<lxw_col_t>(c), CELL_TEXT(table.headings[c]).c_str(), heading);
    for (size_t r = 0; r < table.rows.size(); ++r)
        for (size_t c = 0; c < table.rows[r].size(); ++c)
            writeCell(sheet, static_cast<lxw_row_t>(r + 1), static_cast<lxw_col_t>(c), table.rows[r][c], formats,
                      c == 0 ? heading : nullptr);
    if (!table.headings.empty())
        worksheet_set_column(sheet, 0, static_cast<lxw_col_t>(table.headings.size() - 1), COLUMN_WIDTH, nullptr);
    worksheet_freeze_panes(sheet, 1, 1);
}

}  // namespace

bool WRITE_XLSX_WORKBOOK(const REPORT_CONTENT& content, const std::string& path, std::string& error) {
    lxw_workbook* workbook = workbook_new(path.c_str());
    if (workbook == nullptr) {
        error = "cannot create " + path;
        return false;
    }
    lxw_format* heading = workbook_add_format(workbook);
    format_set_bold(heading);
    NumberFormats formats(workbook);
    for (const NAMED_TABLE& named : NAMED_TABLES(content)) writeSheet(workbook, named, formats, heading);
    const REPORT_TABLE certificate = CERTIFICATE_TABLE(content);
    writeSheet(workbook, {CERTIFICATE_STEM, &certificate}, formats, heading);
    const lxw_error status = workbook_close(workbook);
    if (status != LXW_NO_ERROR) {
        error = "cannot write " + path + ": " + lxw_strerror(status);
        return false;
    }
    return true;
}

}  // namespace korvel
