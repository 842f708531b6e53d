#pragma once
// How sure each rate of P and w* is: the Wilson score interval of a proportion counted in a row.

#include "planning/uncertainty/flow_counts.h"

#include <vector>

namespace korvel {

// The normal point of a two-sided 95 % interval.
inline constexpr double Z_95 = 1.959963984540054;

struct INTERVAL {
    double low = 0.0;
    double high = 0.0;
};

// The Wilson score interval of `count` out of `total` at the normal point z; total > 0.
INTERVAL WILSON_INTERVAL(double count, double total, double z = Z_95);

// One rate of the model: p_ij, or w*_i with `to` = WASTAGE_COLUMN.
inline constexpr int WASTAGE_COLUMN = 0;
struct RATE_INTERVAL {
    int from = 0;
    int to = 0;
    double estimate = 0.0;
    INTERVAL interval;
};

// Every p_ij, then w*_i, row by row; a row that is not counted gives none.
std::vector<RATE_INTERVAL> RATE_INTERVALS(const FLOW_COUNTS& counts);

}  // namespace korvel
