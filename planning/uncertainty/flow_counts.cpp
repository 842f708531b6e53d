#include "planning/uncertainty/flow_counts.h"

#include "model/model_state.h"

#include <cmath>

namespace korvel {

double FLOW_COUNTS::rowTotal(int i) const {
    double total = leaving(i);
    for (int j = 1; j <= n; ++j) total += move(i, j);
    return total;
}

bool FLOW_COUNTS::rowIsCounted(int i) const {
    const auto counted = [](double count) { return std::isfinite(count) && count >= 0.0; };
    for (int j = 1; j <= n; ++j)
        if (!counted(move(i, j))) return false;
    const double total = rowTotal(i);
    return counted(leaving(i)) && std::isfinite(total) && total > 0.0;
}

bool FLOW_COUNTS::everyRowIsCounted() const {
    for (int i = 1; i <= n; ++i)
        if (!rowIsCounted(i)) return false;
    return true;
}

std::optional<FLOW_COUNTS> FLOW_COUNTS_OF_MODEL() {
    if (!DATA_READ || X_HOLDS_P) return std::nullopt;
    FLOW_COUNTS counts;
    counts.n = STAGE_COUNT;
    for (int i = 1; i <= counts.n; ++i) {
        for (int j = 1; j <= counts.n; ++j) counts.moves.push_back(MATRIX_X(i, j));
        counts.leavers.push_back(OUTFLOWS(i));
    }
    return counts;
}

std::vector<double> ESTIMATED_TRANSITION(const FLOW_COUNTS& counts) {
    std::vector<double> p;
    p.reserve(counts.moves.size());
    for (int i = 1; i <= counts.n; ++i) {
        const double total = counts.rowTotal(i);
        for (int j = 1; j <= counts.n; ++j) p.push_back(counts.rowIsCounted(i) ? counts.move(i, j) / total : 0.0);
    }
    return p;
}

}  // namespace korvel
