#include "planning/uncertainty/sample_points.h"

#include <algorithm>
#include <cassert>
#include <cmath>

namespace korvel {

double SAMPLE_POINT(float* values, int count, double q) {
    assert(count >= 1 && q >= 0.0 && q <= 1.0);
    const double h = (count - 1) * q;
    const int below = static_cast<int>(std::floor(h));
    std::nth_element(values, values + below, values + count);
    const double low = values[below];
    if (below + 1 >= count) return low;
    // After nth_element the next order statistic is the least of those above.
    const double high = *std::min_element(values + below + 1, values + count);
    return low + (h - below) * (high - low);
}

BAND SAMPLE_BAND(float* values, int count) {
    return {SAMPLE_POINT(values, count, 0.05), SAMPLE_POINT(values, count, 0.50), SAMPLE_POINT(values, count, 0.95)};
}

}  // namespace korvel
