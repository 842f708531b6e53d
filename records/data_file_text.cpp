#include "records/data_file_text.h"

#include <csv.h>

#include <algorithm>
#include <charconv>

namespace korvel {

namespace {

// The shortest text that reads back as the same 32-bit real.
std::string valueText(float value) {
    char text[32];
    const auto [end, error] = std::to_chars(text, text + sizeof text, value);
    return std::string(text, end);
}

// A comment stays on its line whatever the records named.
std::string oneLine(std::string text) {
    std::replace_if(text.begin(), text.end(), [](char c) { return c == '\n' || c == '\r'; }, ' ');
    return text;
}

void appendLine(std::string& text, const std::vector<float>& values, const std::string& comment) {
    for (size_t k = 0; k < values.size(); ++k) text += (k > 0 ? " " : "") + valueText(values[k]);
    text += "  ! " + oneLine(comment) + "\n";
}

std::string listed(const std::vector<std::string>& names) {
    std::string text;
    for (const std::string& name : names) text += (text.empty() ? "" : ", ") + name;
    return text;
}

}  // namespace

RecordsModel RECORDS_MODEL(const RecordCounts& counts, RecruitsRule rule) {
    const size_t stages = counts.stocks.back().size();
    std::vector<double> flows(stages * stages, 0.0);
    std::vector<double> outflows(stages, 0.0);
    std::vector<double> recruits(stages, 0.0);
    for (const TransitionCounts& transition : counts.transitions) {
        std::transform(flows.begin(), flows.end(), transition.moves.begin(), flows.begin(), std::plus<>());
        std::transform(outflows.begin(), outflows.end(), transition.leavers.begin(), outflows.begin(), std::plus<>());
        std::transform(recruits.begin(), recruits.end(), transition.recruits.begin(), recruits.begin(), std::plus<>());
    }
    if (rule == RecruitsRule::Mean)
        for (double& recruit : recruits) recruit /= static_cast<double>(counts.transitions.size());
    else
        recruits.assign(counts.transitions.back().recruits.begin(), counts.transitions.back().recruits.end());

    const auto asReals = [](const auto& values) { return std::vector<float>(values.begin(), values.end()); };
    return RecordsModel{asReals(flows), asReals(outflows), asReals(counts.stocks.back()), asReals(recruits)};
}

bool HAS_FLOWS(const RecordsModel& model) {
    return std::any_of(model.flows.begin(), model.flows.end(), [](float flow) { return flow != 0.0f; });
}

std::string DATA_FILE_TEXT(const Snapshots& snapshots, const RecordsModel& model, const DataFileNotes& notes) {
    const size_t stages = snapshots.stages.size();
    const std::string transitions = std::to_string(snapshots.periods.size() - 1) + " transition" + (snapshots.periods.size() == 2 ? "" : "s");
    const std::string span = PERIOD_TEXT(snapshots.periods.front()) + " to " + PERIOD_TEXT(snapshots.periods.back());

    std::string text = std::to_string(stages) + " " + std::to_string(notes.horizon) + "  ! " +
                       oneLine(std::to_string(stages) + " stages (" + listed(snapshots.stages) + "), " + std::to_string(notes.horizon) +
                               " periods to project; counted from " + notes.source + ", " + span + ", " + transitions) +
                       "\n";
    for (size_t i = 0; i < stages; ++i)
        appendLine(text, std::vector<float>(model.flows.begin() + i * stages, model.flows.begin() + (i + 1) * stages),
                   "X: from " + snapshots.stages[i] + " to each stage, summed over the " + transitions);
    appendLine(text, model.outflows, "outflows: the leavers of each stage, summed over the " + transitions);
    appendLine(text, model.stocks, "initial stocks: each stage at " + PERIOD_TEXT(snapshots.periods.back()));
    std::vector<float> recruits = model.recruits;
    recruits.push_back(0.0f);
    appendLine(text, recruits,
               std::string("recruitments of each stage, ") +
                   (notes.rule == RecruitsRule::Mean ? "the mean of the " + transitions
                                                     : "those from " + PERIOD_TEXT(snapshots.periods.end()[-2]) + " to " + PERIOD_TEXT(snapshots.periods.back())) +
                   "; a total of 0: they are persons");
    return text;
}

std::string STAGE_NAMES_CSV(const std::vector<std::string>& stages) {
    std::string csv = "number,name\n";
    for (size_t k = 0; k < stages.size(); ++k) {
        std::string name(csv_write(nullptr, 0, stages[k].data(), stages[k].size()), '\0');
        csv_write(name.data(), name.size(), stages[k].data(), stages[k].size());
        csv += std::to_string(k + 1) + "," + name + "\n";
    }
    return csv;
}

}  // namespace korvel
