#include "planning/uncertainty/rate_intervals.h"

#include <gtest/gtest.h>

#include <random>

namespace korvel {
namespace {

// z² = 3.841459. At a count of 0 the upper bound is z² / (n + z²); at the whole row the lower is
// n / (n + z²); otherwise (x + z²/2) / (n + z²) ± z / (n + z²) · sqrt(n p (1 - p) + z²/4).
TEST(WilsonInterval, HandWorkedValues) {
    struct Case {
        double count, total, low, high;
    };
    const Case cases[] = {
        {0, 10, 0.0, 0.2775328},         // no one: the interval still reaches up
        {10, 10, 0.7224672, 1.0},        // every one
        {5, 10, 0.2365931, 0.7634069},   // symmetric about one half
        {1, 10, 0.0178762, 0.4041500},   // the textbook 1 in 10: (0.0179, 0.4042)
        {12, 40, 0.1807485, 0.4543002},  // 12 leavers out of 40 ...
        {300, 1000, 0.2724068, 0.3291239},  // ... is not 300 out of 1000
    };
    for (const Case& c : cases) {
        const INTERVAL interval = WILSON_INTERVAL(c.count, c.total);
        EXPECT_NEAR(c.low, interval.low, 1e-7) << c.count << " of " << c.total;
        EXPECT_NEAR(c.high, interval.high, 1e-7) << c.count << " of " << c.total;
    }
}

TEST(RateIntervals, EveryRateThenTheWastageRowByRow) {
    const FLOW_COUNTS counts{2, {80, 10, 0, 90}, {10, 10}};
    const std::vector<RATE_INTERVAL> rates = RATE_INTERVALS(counts);
    ASSERT_EQ(6u, rates.size());
    const int expected[6][2] = {{1, 1}, {1, 2}, {1, WASTAGE_COLUMN}, {2, 1}, {2, 2}, {2, WASTAGE_COLUMN}};
    const double estimates[6] = {0.8, 0.1, 0.1, 0.0, 0.9, 0.1};
    for (int k = 0; k < 6; ++k) {
        EXPECT_EQ(expected[k][0], rates[k].from) << k;
        EXPECT_EQ(expected[k][1], rates[k].to) << k;
        EXPECT_DOUBLE_EQ(estimates[k], rates[k].estimate) << k;
        EXPECT_LE(rates[k].interval.low, rates[k].estimate) << k;
        EXPECT_GE(rates[k].interval.high, rates[k].estimate) << k;
    }
}

// Rows of a known P counted again and again: the 95 % interval holds the true rate in 93 % to
// 97 % of the draws, for a large, a middle and a small rate.
TEST(RateIntervals, CoverTheTrueRateNineteenTimesInTwenty) {
    const double truth[3] = {0.8, 0.15, 0.05};  // stay, move on, leave
    for (const int people : {50, 1000}) {
        std::mt19937_64 generator(static_cast<unsigned>(people));
        int held[3] = {0, 0, 0};
        constexpr int DRAWS = 1000;
        for (int draw = 0; draw < DRAWS; ++draw) {
            const double stay = std::binomial_distribution<int>(people, truth[0])(generator);
            const double move = std::binomial_distribution<int>(people - static_cast<int>(stay), truth[1] / (1.0 - truth[0]))(generator);
            const FLOW_COUNTS counts{2, {stay, move, 0, 1}, {people - stay - move, 0}};
            const std::vector<RATE_INTERVAL> rates = RATE_INTERVALS(counts);
            const INTERVAL row[3] = {rates[0].interval, rates[1].interval, rates[2].interval};
            for (int k = 0; k < 3; ++k) held[k] += row[k].low <= truth[k] && truth[k] <= row[k].high;
        }
        for (int k = 0; k < 3; ++k) {
            EXPECT_GE(held[k], 930) << "rate " << truth[k] << ", rows of " << people;
            EXPECT_LE(held[k], 970) << "rate " << truth[k] << ", rows of " << people;
        }
    }
}

}  // namespace
}  // namespace korvel
