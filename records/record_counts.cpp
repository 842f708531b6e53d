#include "records/record_counts.h"

namespace korvel {

namespace {

TransitionCounts countTransition(const Snapshots& snapshots, size_t from) {
    const size_t stages = snapshots.stages.size();
    TransitionCounts counts{std::vector<int64_t>(stages * stages, 0), std::vector<int64_t>(stages, 0), std::vector<int64_t>(stages, 0)};
    for (size_t person = 0; person < snapshots.persons; ++person) {
        const int before = snapshots.stageOf(from, person);
        const int after = snapshots.stageOf(from + 1, person);
        if (before != 0 && after != 0) ++counts.moves[(before - 1) * stages + (after - 1)];
        else if (before != 0) ++counts.leavers[before - 1];
        else if (after != 0) ++counts.recruits[after - 1];
    }
    return counts;
}

std::vector<int64_t> countStocks(const Snapshots& snapshots, size_t snapshot) {
    std::vector<int64_t> stocks(snapshots.stages.size(), 0);
    for (const uint8_t stage : snapshots.stage_at[snapshot])
        if (stage != 0) ++stocks[stage - 1];
    return stocks;
}

}  // namespace

RecordCounts COUNT_RECORDS(const Snapshots& snapshots) {
    RecordCounts counts;
    for (size_t s = 0; s < snapshots.periods.size(); ++s) {
        counts.stocks.push_back(countStocks(snapshots, s));
        if (s + 1 < snapshots.periods.size()) counts.transitions.push_back(countTransition(snapshots, s));
    }
    return counts;
}

}  // namespace korvel
