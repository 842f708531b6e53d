#pragma once
// A transition matrix drawn from what the counts say about it: each row (its moves and its
// leavers) from the Dirichlet posterior of the Jeffreys prior, one half added to every count.

#include "planning/uncertainty/flow_counts.h"

#include <random>
#include <vector>

namespace korvel {

using SampleGenerator = std::mt19937_64;

// The prior's weight on every count.
inline constexpr double JEFFREYS_PRIOR = 0.5;

// P, n x n row by row; the leavers' share of each row is what the row leaves of 1. Every row
// must be counted (FLOW_COUNTS::everyRowIsCounted).
void DRAW_TRANSITION(const FLOW_COUNTS& counts, SampleGenerator& generator, std::vector<double>& p);

}  // namespace korvel
