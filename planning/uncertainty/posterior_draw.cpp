#include "planning/uncertainty/posterior_draw.h"

#include <cstddef>

namespace korvel {

namespace {

double gammaDraw(double shape, SampleGenerator& generator) {
    return std::gamma_distribution<double>(shape, 1.0)(generator);
}

}  // namespace

// A Dirichlet draw is a row of independent gamma draws over their sum.
void DRAW_TRANSITION(const FLOW_COUNTS& counts, SampleGenerator& generator, std::vector<double>& p) {
    const int n = counts.n;
    p.resize(static_cast<size_t>(n * n));
    for (int i = 1; i <= n; ++i) {
        double* row = &p[static_cast<size_t>((i - 1) * n)];
        double sum = gammaDraw(counts.leaving(i) + JEFFREYS_PRIOR, generator);
        for (int j = 1; j <= n; ++j) {
            row[j - 1] = gammaDraw(counts.move(i, j) + JEFFREYS_PRIOR, generator);
            sum += row[j - 1];
        }
        for (int j = 0; j < n; ++j) row[j] /= sum;
    }
}

}  // namespace korvel
