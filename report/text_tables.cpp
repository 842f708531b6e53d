#include "report/text_tables.h"

#include "report/shown_number.h"

#include <algorithm>
#include <optional>

namespace korvel {

namespace {

constexpr const char* ENTER_PROMPT = "(Press Enter)";
constexpr const char* VERDICT_MARK = "===";

// The statistics as the trajectory comparison writes them, each line's text before its value.
struct StatisticLine {
    const char* heading;
    const char* text;
};
constexpr StatisticLine STATISTIC_LINES[] = {
    {"RMSE", "RMSE :"},
    {"U", "Theil's inequality coefficient  U :"},
};

bool isVerdict(const std::string& line) {
    return line.size() > 2 * std::char_traits<char>::length(VERDICT_MARK) && line.starts_with(VERDICT_MARK) &&
           line.ends_with(VERDICT_MARK);
}

// The value written after `text` in one of the lines, or nothing.
std::optional<std::string> valueAfter(const std::vector<std::string>& lines, const std::string& text) {
    for (const std::string& line : lines)
        if (line.starts_with(text)) return CELL_TEXT(line.substr(text.size()));
    return std::nullopt;
}

}  // namespace

void DROP_ENTER_PROMPTS(REPORT_SECTION& section) {
    for (REPORT_ENTRY& entry : section.entries)
        if (entry.kind == ReportEntryKind::Shown) std::erase(entry.shown, ENTER_PROMPT);
    std::erase_if(section.entries, [](const REPORT_ENTRY& entry) {
        return entry.kind == ReportEntryKind::Shown && entry.shown.empty();
    });
}

void ADD_VERDICT_TABLE(REPORT_SECTION& section) {
    for (const REPORT_ENTRY& entry : section.entries) {
        if (entry.kind != ReportEntryKind::Shown || entry.shown.size() != 1 || !isVerdict(entry.shown[0])) continue;
        REPORT_TABLE verdict;
        verdict.kind = STABILITY_VERDICT_TABLE;
        verdict.headings = {"Stability"};
        verdict.rows = {{entry.shown[0]}};
        section.text_tables.push_back(std::move(verdict));
        return;
    }
}

REPORT_TABLE STATISTICS_TABLE() {
    REPORT_TABLE statistics;
    statistics.kind = COMPARISON_STATISTICS_TABLE;
    statistics.headings = {"Stage"};
    for (const StatisticLine& line : STATISTIC_LINES) statistics.headings.push_back(line.heading);
    return statistics;
}

void ADD_STATISTICS_ROW(REPORT_TABLE& statistics, const std::string& stage, const REPORT_SECTION& section) {
    for (const REPORT_ENTRY& entry : section.entries) {
        if (entry.kind != ReportEntryKind::Shown) continue;
        std::vector<std::string> row{stage};
        for (const StatisticLine& line : STATISTIC_LINES)
            if (const std::optional<std::string> value = valueAfter(entry.shown, line.text)) row.push_back(*value);
        if (row.size() != statistics.headings.size()) continue;
        statistics.rows.push_back(std::move(row));
        return;
    }
}

}  // namespace korvel
