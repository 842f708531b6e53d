#include "planning/uncertainty/rate_intervals.h"

#include <cassert>
#include <cmath>

namespace korvel {

INTERVAL WILSON_INTERVAL(double count, double total, double z) {
    assert(total > 0.0 && count >= 0.0 && count <= total);
    const double p = count / total;
    const double z2 = z * z;
    const double denominator = 1.0 + z2 / total;
    const double centre = (p + z2 / (2.0 * total)) / denominator;
    const double half = z / denominator * std::sqrt(p * (1.0 - p) / total + z2 / (4.0 * total * total));
    // At a count of 0 or of the whole row the bound is 0 or 1, which the rounding would miss.
    return {count == 0.0 ? 0.0 : centre - half, count == total ? 1.0 : centre + half};
}

std::vector<RATE_INTERVAL> RATE_INTERVALS(const FLOW_COUNTS& counts) {
    std::vector<RATE_INTERVAL> rates;
    for (int i = 1; i <= counts.n; ++i) {
        if (!counts.rowIsCounted(i)) continue;
        const double total = counts.rowTotal(i);
        const auto add = [&](int to, double count) { rates.push_back({i, to, count / total, WILSON_INTERVAL(count, total)}); };
        for (int j = 1; j <= counts.n; ++j) add(j, counts.move(i, j));
        add(WASTAGE_COLUMN, counts.leaving(i));
    }
    return rates;
}

}  // namespace korvel
