#pragma once
// Bands on what P gives, by sampling P from the counts' posterior: the 5 %, 50 % and 95 % points
// of every stage's stock and of the total at every period and in the steady state, the share of
// samples in which the system is stable, and how far the points could still move with more
// samples.

#include "planning/uncertainty/flow_counts.h"

#include <cstdint>
#include <vector>

namespace korvel {

inline constexpr int DEFAULT_SAMPLES = 2000;
inline constexpr std::uint64_t DEFAULT_SEED = 5489;

struct BANDS_INPUT {
    FLOW_COUNTS counts;  // every row counted
    std::vector<double> initial;
    std::vector<double> inflows;
    int periods = 0;
    int samples = DEFAULT_SAMPLES;  // at least 2: the two halves are compared
    std::uint64_t seed = DEFAULT_SEED;
};

struct BAND {
    double p5 = 0.0;
    double p50 = 0.0;
    double p95 = 0.0;
};

struct PROJECTION_BANDS {
    int n = 0;
    int periods = 0;
    // Series k = 1..n are the stages and n + 1 the total; the element of period t and series k is
    // at t (n + 1) + (k - 1).
    std::vector<BAND> stocks;
    std::vector<double> point;  // the projection of P formed from the counts, unrounded
    // Over the samples whose [I - P] has an inverse; empty when none has.
    std::vector<BAND> steady;
    std::vector<double> steady_point;  // empty when P formed from the counts has none
    int steady_samples = 0;
    int stable_samples = 0;
    // The largest distance between the 5 % (and the 95 %) points of the two halves of the
    // samples, as a share of that band's width: how far a point can still move.
    double halves_spread = 0.0;
};

// Size of the series layout: the element of period t and series k.
inline int BAND_INDEX(int n, int t, int k) { return t * (n + 1) + (k - 1); }

PROJECTION_BANDS SAMPLE_PROJECTION_BANDS(const BANDS_INPUT& input);

}  // namespace korvel
