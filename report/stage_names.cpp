#include "report/stage_names.h"

#include "analysis/numbered_label.h"
#include "base/fixed_text.h"
#include "model/model_state.h"
#include "present/tables/table_kinds.h"
#include "records/csv_rows.h"
#include "report/shown_number.h"

#include <algorithm>
#include <cctype>
#include <cerrno>
#include <charconv>
#include <cstdio>
#include <cstring>
#include <map>
#include <memory>

namespace korvel {

namespace {

// The stems the commands number the stages with.
constexpr const char* STAGE_LABEL_STEMS[] = {"x_", "x*_", "w_", "Column", "Row_"};

// The matrices whose rows are the stages, numbered.
constexpr int STAGE_ROW_KINDS[] = {I_MINUS_P_TABLE, INVERSE_TABLE, MATRIX_Q_TABLE};

bool startsWord(const std::string& text, size_t at) { return at == 0 || text[at - 1] == ' '; }
bool endsWord(const std::string& text, size_t end) { return end == text.size() || text[end] == ' '; }

std::string lowered(std::string text) {
    for (char& c : text) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return text;
}

struct FileCloser {
    void operator()(std::FILE* file) const { std::fclose(file); }
};

// The rows of NAMES.csv checked one by one: the names by number and the line each came from.
class NamesFile {
public:
    std::optional<RecordsError> row(long line, const std::vector<std::string>& fields) {
        if (!m_header_read) return header(line, fields);
        if (fields.size() != 2)
            return RecordsError{line, "a line holds a stage's number and its name, 2 fields; this one holds " +
                                          std::to_string(fields.size())};
        const std::string& number_text = fields[0];
        int number = 0;
        const std::from_chars_result read = std::from_chars(number_text.data(), number_text.data() + number_text.size(), number);
        if (read.ec != std::errc() || read.ptr != number_text.data() + number_text.size() || number < 1 || number > MAX_STAGES)
            return RecordsError{line, "the stage number \"" + number_text + "\" is not a whole number from 1 to " +
                                          std::to_string(MAX_STAGES)};
        if (fields[1].empty()) return RecordsError{line, "stage " + number_text + " has no name"};
        const auto [named, first] = m_names.try_emplace(number, fields[1], line);
        if (!first)
            return RecordsError{line, "stage " + number_text + " is named on line " + std::to_string(named->second.second) +
                                          " and again on line " + std::to_string(line)};
        return std::nullopt;
    }

    // The names in stage order; an error when a stage below the highest has no line.
    std::optional<RecordsError> names(std::vector<std::string>& names) const {
        for (const auto& [number, name] : m_names) {
            if (number != static_cast<int>(names.size()) + 1)
                return RecordsError{0, "stage " + std::to_string(names.size() + 1) + " has no line"};
            names.push_back(name.first);
        }
        return std::nullopt;
    }

private:
    std::optional<RecordsError> header(long line, const std::vector<std::string>& fields) {
        m_header_read = true;
        if (fields.size() == 2 && lowered(fields[0]) == "number" && lowered(fields[1]) == "name") return std::nullopt;
        return RecordsError{line, "the header must be number,name"};
    }

    bool m_header_read = false;
    std::map<int, std::pair<std::string, long>> m_names;  // by number: the name and its line
};

}  // namespace

StageNames::StageNames(std::vector<std::string> names) : m_names(std::move(names)) {
    for (int k = 1; k <= count(); ++k)
        for (const char* stem : STAGE_LABEL_STEMS)
            m_labels.emplace_back(TRIM_BLANKS(NUMBERED_LABEL(stem, k).text()), m_names[static_cast<size_t>(k - 1)]);
}

// One pass from the left, so that a name is never read again as a label.
std::string StageNames::named(const std::string& text) const {
    std::string result;
    for (size_t at = 0; at < text.size();) {
        const auto label = !startsWord(text, at) ? m_labels.end() : std::find_if(m_labels.begin(), m_labels.end(), [&](const auto& pair) {
            return text.compare(at, pair.first.size(), pair.first) == 0 && endsWord(text, at + pair.first.size());
        });
        if (label == m_labels.end()) {
            result += text[at++];
            continue;
        }
        result += label->second;
        at += label->first.size();
    }
    return result;
}

void StageNames::nameStages(REPORT_CONTENT& content) const {
    const auto nameTable = [this](REPORT_TABLE& table) {
        for (std::string& heading : table.headings) heading = named(heading);
        const bool numbered_rows = std::find(std::begin(STAGE_ROW_KINDS), std::end(STAGE_ROW_KINDS), table.kind) != std::end(STAGE_ROW_KINDS);
        for (std::vector<std::string>& row : table.rows) {
            if (row.empty()) continue;
            int number = 0;
            const std::string label = CELL_TEXT(row[0]);
            const std::from_chars_result read = std::from_chars(label.data(), label.data() + label.size(), number);
            const bool stage_number = numbered_rows && read.ec == std::errc() && read.ptr == label.data() + label.size() &&
                                      number >= 1 && number <= count();
            row[0] = stage_number ? m_names[static_cast<size_t>(number - 1)] : named(row[0]);
        }
    };
    for (REPORT_SECTION& section : content.sections) {
        section.title = named(section.title);
        for (REPORT_ENTRY& entry : section.entries) {
            nameTable(entry.table);
            entry.graph.record.title = named(entry.graph.record.title);
            for (std::string& line : entry.shown) line = named(line);
        }
        for (REPORT_TABLE& table : section.text_tables) nameTable(table);
    }
}

std::optional<StageNames> READ_STAGE_NAMES(const std::string& path, std::string& error) {
    const std::unique_ptr<std::FILE, FileCloser> file(std::fopen(path.c_str(), "rb"));
    if (!file) {
        error = path + ": cannot be read: " + std::strerror(errno);
        return std::nullopt;
    }
    NamesFile names_file;
    std::optional<RecordsError> failure = READ_CSV_ROWS(file.get(), [&names_file](long line, const std::vector<std::string>& fields) {
        return names_file.row(line, fields);
    });
    std::vector<std::string> names;
    if (!failure) failure = names_file.names(names);
    if (failure) {
        error = path + (failure->line > 0 ? ":" + std::to_string(failure->line) : "") + ": " + failure->text;
        return std::nullopt;
    }
    return StageNames(std::move(names));
}

}  // namespace korvel
