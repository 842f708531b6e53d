#pragma once
// What a user running the whole analysis answers: the data file once, the series and the texts
// of each graph, the stage of each trajectory; every dialog then gets OK.

#include "frontends/headless/report/report_answers.h"

#include <deque>
#include <utility>

namespace korvel {

// The most series a graph is drawn with.
inline constexpr int REPORT_GRAPH_SERIES = 8;

class AnalysisAnswers : public ReportAnswers {
public:
    // The path is given once, as a user picks it once: a file dialog shown again is cancelled.
    void answerFile(const std::string& path) { m_file = path; }
    // Texts for the graph dialogs to come, taken one pair a dialog in order.
    void answerGraphTexts(const std::string& title, const std::string& axis);
    // The stage picked for the trajectories to come; empty picks none.
    void answerStage(const std::string& name) { m_stage = name; }
    // Forgets the graph texts the command did not take.
    void endOfCommand() { m_graph_texts.clear(); }

    std::optional<std::string> chosenFile(const FILE_DIALOG_REQUEST& request) override;
    std::vector<DialogAnswer> dialogAnswers(int template_id, const std::vector<std::string>& entries) override;

private:
    std::vector<DialogAnswer> graphAnswers(const std::vector<std::string>& entries);

    std::string m_file;
    std::deque<std::pair<std::string, std::string>> m_graph_texts;
    std::string m_stage;
};

}  // namespace korvel
