#pragma once
// The stage names of a report (`--names NAMES.csv`, as `korvel --model-from` writes them beside
// the model): put where the report shows the stages, in place of the numbered labels ("x_ 1",
// "Column 1", "Row_ 1"). Only the report's copy changes; the model's labels stay the program's.

#include "report/report_content.h"

#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace korvel {

class StageNames {
public:
    explicit StageNames(std::vector<std::string> names);

    int count() const { return static_cast<int>(m_names.size()); }
    // `text` with every numbered label of a named stage, standing alone, replaced by its name.
    std::string named(const std::string& text) const;
    // The report's tables, drawn texts, section and graph titles with the names in; a matrix
    // whose rows are the stages by number gets the names as its row labels.
    void nameStages(REPORT_CONTENT& content) const;

private:
    std::vector<std::string> m_names;
    std::vector<std::pair<std::string, std::string>> m_labels;  // a numbered label and its stage's name
};

// Reads NAMES.csv: the header "number,name", then one line per stage, each stage once and the
// stages numbered from 1 without a gap. Nothing, and `error` names the file and line, when it
// cannot be read or is not so.
std::optional<StageNames> READ_STAGE_NAMES(const std::string& path, std::string& error);

}  // namespace korvel
