#include "records/records_summary.h"

#include "base/fixed_text.h"

#include <algorithm>

namespace korvel {

namespace {

struct StageTotals {
    int64_t stayers = 0;
    int64_t movers = 0;
    int64_t leavers = 0;
    int64_t recruits = 0;
};

StageTotals totalsOf(const RecordCounts& counts, size_t stage) {
    StageTotals totals;
    for (const TransitionCounts& transition : counts.transitions) {
        for (size_t to = 0; to < transition.leavers.size(); ++to)
            (to == stage ? totals.stayers : totals.movers) += transition.move(stage, to);
        totals.leavers += transition.leavers[stage];
        totals.recruits += transition.recruits[stage];
    }
    return totals;
}

std::string periodsListed(const Snapshots& snapshots) {
    std::string text;
    for (const Period& period : snapshots.periods) text += (text.empty() ? "" : ", ") + PERIOD_TEXT(period);
    return text;
}

// A right-aligned column as wide as its heading, and two blanks before it.
std::string cell(long long value, const std::string& heading) {
    return "  " + RIGHT_ALIGNED(value, std::max(CHARACTER_COUNT(heading), static_cast<int>(std::to_string(value).size())));
}

}  // namespace

std::string RECORDS_SUMMARY(const Snapshots& snapshots, const RecordCounts& counts) {
    const size_t transitions = counts.transitions.size();
    std::string text = "korvel: " + std::to_string(snapshots.persons) + " persons, " + std::to_string(snapshots.periods.size()) + " snapshots (" +
                       periodsListed(snapshots) + "), " + std::to_string(transitions) + " transition" + (transitions == 1 ? "" : "s") + "\n";
    if (!EQUALLY_SPACED(snapshots.periods)) text += "korvel: the snapshots are not equally spaced\n";

    int name_width = CHARACTER_COUNT("stage");
    for (const std::string& stage : snapshots.stages) name_width = std::max(name_width, CHARACTER_COUNT(stage));
    std::vector<std::string> headings;
    for (const Period& period : snapshots.periods) headings.push_back(PERIOD_TEXT(period));
    for (const char* heading : {"stayers", "movers", "leavers", "recruits"}) headings.emplace_back(heading);

    text += PAD_TEXT("stage", name_width);
    for (const std::string& heading : headings) text += "  " + heading;
    text += "\n";
    for (size_t stage = 0; stage < snapshots.stages.size(); ++stage) {
        const StageTotals totals = totalsOf(counts, stage);
        std::vector<int64_t> values;
        for (const std::vector<int64_t>& stocks : counts.stocks) values.push_back(stocks[stage]);
        values.insert(values.end(), {totals.stayers, totals.movers, totals.leavers, totals.recruits});
        text += PAD_TEXT(snapshots.stages[stage], name_width);
        for (size_t k = 0; k < values.size(); ++k) text += cell(values[k], headings[k]);
        text += "\n";
    }
    return text;
}

}  // namespace korvel
