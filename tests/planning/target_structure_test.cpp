// Target structures: hand-worked two-stage cases, then properties on random models: schedules run
// forward reach the target within the limits, one period fewer is infeasible, and the corners of
// the fixed-size region bound exactly the maintainable structures.

#include "planning/target_structure.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <numeric>
#include <random>

namespace korvel {
namespace {

TrackingProblem modelOf(std::vector<double> p, std::vector<double> stocks) {
    TrackingProblem model;
    model.n = static_cast<int>(stocks.size());
    model.p = std::move(p);
    model.initial_stocks = std::move(stocks);
    return model;
}

void expectNear(const std::vector<double>& expected, const std::vector<double>& actual, const std::string& what) {
    ASSERT_EQ(expected.size(), actual.size()) << what;
    for (size_t k = 0; k < expected.size(); ++k) EXPECT_NEAR(expected[k], actual[k], 1e-7) << what << " at " << k;
}

// r_1 = 0.4 n_1, r_2 = 0.2 n_2 - 0.3 n_1: a structure of total 200 is maintainable from
// n_2 >= 1.5 n_1, so from n_1 <= 80; [I - P]^-1 has rows (2.5, 3.75) and (0, 5).
const TrackingProblem PROMOTING = modelOf({0.6, 0.3, 0.0, 0.8}, {100.0, 100.0});

TEST(TargetStructureTest, Maintainability) {
    struct Case {
        Structure target;
        std::vector<double> r;
        Structure nearest;
        double distance;
    };
    const Case cases[] = {
        {{100.0, 200.0}, {40.0, 10.0}, {100.0, 200.0}, 0.0},
        {{80.0, 120.0}, {32.0, 0.0}, {80.0, 120.0}, 0.0},
        // Stage 2 would need -10: n_1 gives 20 to stage 2, which is kept at 80.
        {{100.0, 100.0}, {40.0, -10.0}, {80.0, 120.0}, 40.0},
    };
    for (const Case& c : cases) {
        const std::string what = std::to_string(c.target[0]) + "," + std::to_string(c.target[1]);
        expectNear(c.r, KEEPING_RECRUITMENT(PROMOTING, c.target), "r of " + what);
        const NearestStructure nearest = NEAREST_MAINTAINABLE(PROMOTING, c.target);
        ASSERT_EQ(QpStatus::Solved, nearest.status) << what;
        expectNear(c.nearest, nearest.structure, "nearest to " + what);
        EXPECT_NEAR(c.distance, nearest.distance, 1e-7) << what;
    }
}

TEST(TargetStructureTest, CornersOfTheFixedSizeRegion) {
    const auto corners = FIXED_SIZE_CORNERS(PROMOTING, 200.0);
    ASSERT_TRUE(corners);
    ASSERT_EQ(2u, corners->size());
    expectNear({80.0, 120.0}, (*corners)[0], "corner 1");
    expectNear({0.0, 200.0}, (*corners)[1], "corner 2");
    // A closed system: [I - P] is singular.
    EXPECT_FALSE(FIXED_SIZE_CORNERS(modelOf({0.5, 0.5, 0.0, 1.0}, {1.0, 1.0}), 2.0));
}

// n(0) P^k = (80 / 2^k, 80 (k + 2) / 2^(k+1)): (40, 60), (20, 40), (10, 25), (5, 15). Without
// caps a target is reached in k exactly when it is at least n(0) P^k, and the least total
// recruitment comes all in the last period, since earlier recruits leave before the end.
TEST(TargetStructureTest, FewestPeriods) {
    const TrackingProblem halving = modelOf({0.5, 0.25, 0.0, 0.5}, {80.0, 80.0});
    struct Case {
        Structure target;
        RecruitmentLimits limits;
        int periods;
        bool reached;
        RecruitmentPlan recruits;
        double distance;
    };
    const Case cases[] = {
        {{80.0, 80.0}, {}, 0, true, {}, 0.0},
        {{50.0, 70.0}, {}, 1, true, {10.0, 10.0}, 0.0},
        {{30.0, 50.0}, {}, 2, true, {0.0, 0.0, 10.0, 10.0}, 0.0},
        {{15.0, 30.0}, {}, 3, true, {0.0, 0.0, 0.0, 0.0, 5.0, 5.0}, 0.0},
        // A cap of 5 on stage 2: the 7.5 it lacks at the end come 5 then, and 5 a period before.
        {{20.0, 47.5}, {{std::nullopt, 5.0}, std::nullopt}, 2, true, {0.0, 5.0, 0.0, 5.0}, 0.0},
        // Not before 4 periods; in 3 the nearest is n(0) P^3 itself.
        {{5.0, 10.0}, {}, 3, false, {0.0, 0.0, 0.0, 0.0, 0.0, 0.0}, 20.0},
    };
    for (const Case& c : cases) {
        const std::string what = std::to_string(c.target[0]) + "," + std::to_string(c.target[1]);
        const Attainment attainment = FASTEST_ATTAINMENT(halving, c.limits, c.target, 3);
        ASSERT_EQ(QpStatus::Solved, attainment.status) << what;
        EXPECT_EQ(c.periods, attainment.periods) << what;
        EXPECT_EQ(c.reached, attainment.reached) << what;
        expectNear(c.recruits, attainment.recruits, "recruits for " + what);
        EXPECT_NEAR(c.distance, attainment.distance, 1e-7) << what;
    }
}

// Rows of P summing to at most 0.9, stocks and targets of up to 200 persons, caps on some.
struct RandomCase {
    TrackingProblem model;
    Structure target;
    RecruitmentLimits limits;
};

RandomCase randomCase(std::mt19937& generator) {
    std::uniform_real_distribution<double> unit(0.0, 1.0);
    const int n = 2 + static_cast<int>(generator() % 5);
    RandomCase c;
    std::vector<double> p(static_cast<size_t>(n * n));
    for (int i = 0; i < n; ++i) {
        double sum = 0.0;
        for (int j = 0; j < n; ++j) sum += (p[static_cast<size_t>(i * n + j)] = unit(generator) < 0.5 ? unit(generator) : 0.0);
        const double keep = 0.9 * unit(generator);
        for (int j = 0; j < n && sum > 0.0; ++j) p[static_cast<size_t>(i * n + j)] *= keep / sum;
    }
    std::vector<double> stocks;
    for (int i = 0; i < n; ++i) {
        stocks.push_back(200.0 * unit(generator));
        c.target.push_back(200.0 * unit(generator));
    }
    c.model = modelOf(p, stocks);
    if (unit(generator) < 0.5) {
        for (int i = 0; i < n; ++i) c.limits.stage_caps.push_back(unit(generator) < 0.5 ? std::optional(60.0 * unit(generator)) : std::nullopt);
        if (unit(generator) < 0.5) c.limits.total_cap = 150.0 * unit(generator);
    }
    return c;
}

TEST(TargetStructureTest, SchedulesReachTheTargetWithinTheLimits) {
    std::mt19937 generator(27);
    int reached = 0, missed = 0;
    for (int trial = 0; trial < 60; ++trial) {
        const RandomCase c = randomCase(generator);
        const Attainment attainment = FASTEST_ATTAINMENT(c.model, c.limits, c.target, 20);
        ASSERT_EQ(QpStatus::Solved, attainment.status) << "trial " << trial;
        if (attainment.periods == 0) continue;
        const std::vector<double> stocks = SCHEDULE_STOCKS(c.model, attainment.recruits);
        TrackingProblem run = c.model;
        run.periods = attainment.periods;
        const double scale = std::max(1.0, *std::max_element(c.target.begin(), c.target.end()));
        // Bounds hold exactly; a period's total only to the rounding of its sum.
        EXPECT_LE(LARGEST_VIOLATION(run, c.limits, attainment.recruits), 1e-12 * scale) << "trial " << trial;
        double distance = 0.0;
        for (int j = 0; j < c.model.n; ++j)
            distance += std::abs(stocks[stocks.size() - static_cast<size_t>(c.model.n - j)] - c.target[static_cast<size_t>(j)]);
        if (attainment.reached) {
            ++reached;
            EXPECT_LE(distance, 1e-6 * scale) << "trial " << trial;
            if (attainment.periods > 1) {
                EXPECT_EQ(QpStatus::Infeasible, SCHEDULE_IN(c.model, c.limits, c.target, attainment.periods - 1).status)
                    << "trial " << trial;
            }
        } else {
            ++missed;
            EXPECT_NEAR(attainment.distance, distance, 1e-9 * scale) << "trial " << trial;
            EXPECT_GT(distance, 1e-6 * scale) << "trial " << trial;
            EXPECT_EQ(QpStatus::Infeasible, SCHEDULE_IN(c.model, c.limits, c.target, 20).status) << "trial " << trial;
        }
    }
    // Both outcomes are exercised.
    EXPECT_GT(reached, 10);
    EXPECT_GT(missed, 3);
}

// A mix of corners has r >= 0; one step beyond corner 1 away from corner 2 gives r_2 < 0.
TEST(TargetStructureTest, CornersBoundTheMaintainableRegion) {
    std::mt19937 generator(5);
    std::uniform_real_distribution<double> unit(0.0, 1.0);
    for (int trial = 0; trial < 30; ++trial) {
        const RandomCase c = randomCase(generator);
        const int n = c.model.n;
        const double total = std::accumulate(c.target.begin(), c.target.end(), 0.0);
        const auto corners = FIXED_SIZE_CORNERS(c.model, total);
        ASSERT_TRUE(corners) << "trial " << trial;
        Structure mix(static_cast<size_t>(n), 0.0), beyond(static_cast<size_t>(n));
        std::vector<double> shares;
        for (int i = 0; i < n; ++i) shares.push_back(unit(generator));
        const double share_sum = std::accumulate(shares.begin(), shares.end(), 0.0);
        for (int i = 0; i < n; ++i) {
            const Structure& corner = (*corners)[static_cast<size_t>(i)];
            EXPECT_NEAR(total, std::accumulate(corner.begin(), corner.end(), 0.0), 1e-9 * total) << "trial " << trial;
            for (const double r : KEEPING_RECRUITMENT(c.model, corner)) EXPECT_GE(r, -1e-9 * total) << "trial " << trial;
            for (int j = 0; j < n; ++j) mix[static_cast<size_t>(j)] += shares[static_cast<size_t>(i)] / share_sum * corner[static_cast<size_t>(j)];
        }
        for (const double r : KEEPING_RECRUITMENT(c.model, mix)) EXPECT_GE(r, -1e-9 * total) << "trial " << trial;
        for (int j = 0; j < n; ++j)
            beyond[static_cast<size_t>(j)] = 1.1 * (*corners)[0][static_cast<size_t>(j)] - 0.1 * (*corners)[1][static_cast<size_t>(j)];
        EXPECT_LT(KEEPING_RECRUITMENT(c.model, beyond)[1], 0.0) << "trial " << trial;
    }
}

}  // namespace
}  // namespace korvel
