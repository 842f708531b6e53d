#include "planning/uncertainty/projection_bands.h"

#include "analysis/matrix_inverse.h"
#include "planning/uncertainty/posterior_draw.h"
#include "planning/uncertainty/sample_points.h"
#include "planning/uncertainty/stock_arithmetic.h"

#include <algorithm>
#include <cassert>
#include <cmath>
#include <cstddef>
#include <numeric>

namespace korvel {

namespace {

// The values of every sample, cell by cell, in 32-bit reals: 2000 samples of 55 stages over 198
// periods hold 90 MB so, twice that in double.
class SampleStore {
public:
    SampleStore(int cells, int samples)
        : m_samples(samples), m_values(static_cast<size_t>(cells) * static_cast<size_t>(samples)) {}
    float* cell(int c) { return m_values.data() + static_cast<size_t>(c) * static_cast<size_t>(m_samples); }

private:
    int m_samples;
    std::vector<float> m_values;
};

// The stocks of the stages with their total, in the bands' layout.
void addTotals(int n, int periods, const double* path, double* series) {
    for (int t = 0; t <= periods; ++t) {
        double total = 0.0;
        for (int k = 1; k <= n; ++k) {
            const double stock = path[static_cast<size_t>(t * n + (k - 1))];
            series[BAND_INDEX(n, t, k)] = stock;
            total += stock;
        }
        series[BAND_INDEX(n, t, n + 1)] = total;
    }
}

// The band of `count` values, and how far its outer points differ between the two halves, as a
// share of its width. The values are reordered.
BAND bandOf(float* values, int count, double& spread) {
    const int half = count / 2;
    const BAND first = SAMPLE_BAND(values, half);
    const BAND second = SAMPLE_BAND(values + half, count - half);
    const BAND whole = SAMPLE_BAND(values, count);
    const double moved = std::max(std::abs(first.p5 - second.p5), std::abs(first.p95 - second.p95));
    const double width = whole.p95 - whole.p5;
    if (moved > 0.0) spread = std::max(spread, width > 0.0 ? moved / width : HUGE_VAL);
    return whole;
}

}  // namespace

PROJECTION_BANDS SAMPLE_PROJECTION_BANDS(const BANDS_INPUT& input) {
    const int n = input.counts.n;
    const int periods = input.periods;
    const int samples = input.samples;
    assert(input.counts.everyRowIsCounted() && samples >= 2 && periods >= 0);
    assert(static_cast<int>(input.initial.size()) == n && static_cast<int>(input.inflows.size()) == n);
    const int cells = (periods + 1) * (n + 1);

    PROJECTION_BANDS bands;
    bands.n = n;
    bands.periods = periods;
    std::vector<double> path(static_cast<size_t>((periods + 1) * n));
    std::vector<double> series(static_cast<size_t>(cells));
    std::vector<double> steady(static_cast<size_t>(n));
    SteadyStateSolver solver(n);

    // The point estimate
    const std::vector<double> estimate = ESTIMATED_TRANSITION(input.counts);
    PROJECT_STOCK_PATH(n, estimate.data(), input.initial.data(), input.inflows.data(), periods, path.data());
    bands.point.resize(static_cast<size_t>(cells));
    addTotals(n, periods, path.data(), bands.point.data());
    if (solver.solve(estimate.data(), input.inflows.data(), DOUBLE_ROUNDING, steady.data())) {
        bands.steady_point.assign(steady.begin(), steady.end());
        bands.steady_point.push_back(std::accumulate(steady.begin(), steady.end(), 0.0));
    }

    // The samples
    SampleStore stocks(cells, samples);
    SampleStore steadies(n + 1, samples);
    SampleGenerator generator(input.seed);
    std::vector<double> p;
    std::vector<double> work;
    for (int m = 0; m < samples; ++m) {
        DRAW_TRANSITION(input.counts, generator, p);
        PROJECT_STOCK_PATH(n, p.data(), input.initial.data(), input.inflows.data(), periods, path.data());
        addTotals(n, periods, path.data(), series.data());
        for (int c = 0; c < cells; ++c) stocks.cell(c)[m] = static_cast<float>(series[static_cast<size_t>(c)]);
        if (solver.solve(p.data(), input.inflows.data(), DOUBLE_ROUNDING, steady.data())) {
            const int s = bands.steady_samples++;
            double total = 0.0;
            for (int k = 1; k <= n; ++k) {
                steadies.cell(k - 1)[s] = static_cast<float>(steady[static_cast<size_t>(k - 1)]);
                total += steady[static_cast<size_t>(k - 1)];
            }
            steadies.cell(n)[s] = static_cast<float>(total);
        }
        if (IS_STABLE(DOMINANT_ROOT_BOUNDS(n, p.data(), work))) ++bands.stable_samples;
    }

    // The points
    bands.stocks.resize(static_cast<size_t>(cells));
    for (int c = 0; c < cells; ++c) bands.stocks[static_cast<size_t>(c)] = bandOf(stocks.cell(c), samples, bands.halves_spread);
    if (bands.steady_samples >= 2)
        for (int k = 0; k <= n; ++k) bands.steady.push_back(bandOf(steadies.cell(k), bands.steady_samples, bands.halves_spread));
    return bands;
}

}  // namespace korvel
