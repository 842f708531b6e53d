#include "report/analysis_answers.h"

#include "resources/dialog_ids.h"

namespace korvel {

void AnalysisAnswers::answerGraphTexts(const std::string& title, const std::string& axis) {
    m_graph_texts.emplace_back(title, axis);
}

std::optional<std::string> AnalysisAnswers::chosenFile(const FILE_DIALOG_REQUEST&) {
    if (m_file.empty()) return std::nullopt;
    return std::exchange(m_file, {});
}

std::vector<DialogAnswer> AnalysisAnswers::dialogAnswers(int template_id, const std::vector<std::string>& entries) {
    if (template_id == GRAPH_SERIES_DIALOG) return graphAnswers(entries);
    if (template_id == SINGLE_NAME_DIALOG && !m_stage.empty()) return {{DialogAnswer::Kind::Pick, m_stage}};
    return {};
}

// A graph holds every series of its list while they are at most eight; otherwise the first
// seven (the stages) and the last (the total).
std::vector<DialogAnswer> AnalysisAnswers::graphAnswers(const std::vector<std::string>& entries) {
    std::vector<DialogAnswer> answers;
    const size_t count = entries.size();
    for (size_t k = 0; k < count; ++k)
        if (count <= REPORT_GRAPH_SERIES || k + 1 < REPORT_GRAPH_SERIES || k + 1 == count)
            answers.push_back({DialogAnswer::Kind::Pick, entries[k]});
    if (m_graph_texts.empty()) return answers;
    answers.push_back({DialogAnswer::Kind::Type, m_graph_texts.front().first, GRAPH_TITLE_FIELD});
    answers.push_back({DialogAnswer::Kind::Type, m_graph_texts.front().second, GRAPH_AXIS_FIELD});
    m_graph_texts.pop_front();
    return answers;
}

}  // namespace korvel
