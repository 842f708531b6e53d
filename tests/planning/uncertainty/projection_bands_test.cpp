#include "planning/uncertainty/projection_bands.h"

#include <gtest/gtest.h>

#include <Eigen/Dense>

#include <algorithm>
#include <cmath>

namespace korvel {
namespace {

constexpr int N = 3;
constexpr int PERIODS = 12;

// Three grades of the civil service example, each row's counts multiplied by `scale`.
BANDS_INPUT grades(double scale, std::uint64_t seed = DEFAULT_SEED) {
    BANDS_INPUT input;
    input.counts = {N, {300, 40, 0, 0, 262, 30, 0, 0, 205}, {60, 28, 20}};
    for (double& count : input.counts.moves) count *= scale;
    for (double& count : input.counts.leavers) count *= scale;
    input.initial = {410, 315, 255};
    input.inflows = {85, 25, 12};
    input.periods = PERIODS;
    input.seed = seed;
    return input;
}

// The stocks of P formed from the counts, projected by Eigen: stages, then the total.
Eigen::MatrixXd oracleStocks(const BANDS_INPUT& input) {
    Eigen::MatrixXd p(N, N);
    for (int i = 0; i < N; ++i)
        for (int j = 0; j < N; ++j) p(i, j) = input.counts.move(i + 1, j + 1) / input.counts.rowTotal(i + 1);
    Eigen::RowVectorXd s = Eigen::Map<const Eigen::RowVectorXd>(input.initial.data(), N);
    const Eigen::RowVectorXd r = Eigen::Map<const Eigen::RowVectorXd>(input.inflows.data(), N);
    Eigen::MatrixXd stocks(PERIODS + 1, N + 1);
    for (int t = 0; t <= PERIODS; ++t) {
        if (t > 0) s = s * p + r;
        stocks.row(t) << s, s.sum();
    }
    return stocks;
}

double width(const BAND& band) { return band.p95 - band.p5; }

// A hundred times the counts: every band about a tenth as wide, its median on the projection.
TEST(ProjectionBands, NarrowTenfoldWithAHundredfoldCounts) {
    const PROJECTION_BANDS few = SAMPLE_PROJECTION_BANDS(grades(1.0));
    const BANDS_INPUT input = grades(100.0);
    const PROJECTION_BANDS many = SAMPLE_PROJECTION_BANDS(input);
    const Eigen::MatrixXd oracle = oracleStocks(input);
    for (int t = 1; t <= PERIODS; ++t)
        for (int k = 1; k <= N + 1; ++k) {
            const BAND& narrow = many.stocks[BAND_INDEX(N, t, k)];
            const double ratio = width(few.stocks[BAND_INDEX(N, t, k)]) / width(narrow);
            EXPECT_GT(ratio, 8.5) << "period " << t << ", series " << k;
            EXPECT_LT(ratio, 11.5) << "period " << t << ", series " << k;
            EXPECT_NEAR(oracle(t, k - 1), narrow.p50, std::max(1.0, 0.01 * oracle(t, k - 1))) << "period " << t << ", series " << k;
        }
    EXPECT_EQ(DEFAULT_SAMPLES, many.stable_samples);
    EXPECT_EQ(DEFAULT_SAMPLES, many.steady_samples);
}

// One period on: n(1)_j = sum_i n0_i p_ij + r_j, its rows independent Dirichlet draws with
// known means and variances. With these counts the band is near normal: mean -+ 1.645 sd.
TEST(ProjectionBands, FirstPeriodAgreesWithThePosteriorsMoments) {
    const BANDS_INPUT input = grades(10.0);
    const PROJECTION_BANDS bands = SAMPLE_PROJECTION_BANDS(input);
    for (int j = 1; j <= N; ++j) {
        double mean = input.inflows[j - 1];
        double variance = 0.0;
        for (int i = 1; i <= N; ++i) {
            const double a = input.counts.move(i, j) + 0.5;
            const double a0 = input.counts.rowTotal(i) + 0.5 * (N + 1);
            const double p = a / a0;
            mean += input.initial[i - 1] * p;
            variance += input.initial[i - 1] * input.initial[i - 1] * p * (1.0 - p) / (a0 + 1.0);
        }
        const BAND& band = bands.stocks[BAND_INDEX(N, 1, j)];
        const double sd = std::sqrt(variance);
        if (sd == 0.0) continue;
        EXPECT_NEAR(mean, band.p50, 0.1 * sd) << "stage " << j;
        EXPECT_NEAR(mean - 1.645 * sd, band.p5, 0.15 * sd) << "stage " << j;
        EXPECT_NEAR(mean + 1.645 * sd, band.p95, 0.15 * sd) << "stage " << j;
    }
}

// The same seed gives the same bands; another moves the outer points by no more than the
// spread of the halves says they can move.
TEST(ProjectionBands, ReproducibleAndMonteCarloErrorAsStated) {
    const PROJECTION_BANDS first = SAMPLE_PROJECTION_BANDS(grades(1.0));
    const PROJECTION_BANDS again = SAMPLE_PROJECTION_BANDS(grades(1.0));
    const PROJECTION_BANDS other = SAMPLE_PROJECTION_BANDS(grades(1.0, 28));
    EXPECT_GT(first.halves_spread, 0.0);
    EXPECT_LT(first.halves_spread, 0.1);
    for (size_t c = 0; c < first.stocks.size(); ++c) {
        EXPECT_EQ(first.stocks[c].p5, again.stocks[c].p5) << c;
        EXPECT_EQ(first.stocks[c].p95, again.stocks[c].p95) << c;
        const double allowed = first.halves_spread * width(first.stocks[c]);
        EXPECT_LE(std::abs(first.stocks[c].p5 - other.stocks[c].p5), allowed) << c;
        EXPECT_LE(std::abs(first.stocks[c].p95 - other.stocks[c].p95), allowed) << c;
    }
}

}  // namespace
}  // namespace korvel
