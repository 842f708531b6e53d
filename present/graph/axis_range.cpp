#include "present/graph/axis_range.h"

#include <algorithm>
#include <cmath>

namespace korvel {

namespace {

constexpr int MINOR_TICKS = 5;
constexpr int DECIMALS = 3;
// Major divisions for n = 1..5 whole units; from 6 units on, one division per unit.
constexpr int DIVISIONS_OF_FEW_UNITS[] = {10, 8, 6, 8, 10};
constexpr int FEW_UNITS = 5;

// 10 to the power of the decimal logarithm of `magnitude`, truncated toward zero.
double orderOfMagnitude(double magnitude) { return std::pow(10.0, std::trunc(std::log10(magnitude))); }

bool nearWhole(double quotient) { return std::abs(quotient - std::round(quotient)) <= AXIS_QUOTIENT_TOLERANCE; }
double floorOf(double quotient) { return nearWhole(quotient) ? std::round(quotient) : std::floor(quotient); }
double ceilingOf(double quotient) { return nearWhole(quotient) ? std::round(quotient) : std::ceil(quotient); }

}  // namespace

AxisRange LINEAR_AXIS_RANGE(double data_low, double data_high, bool double_step) {
    if (!std::isfinite(data_low) || !std::isfinite(data_high)) return {};
    // Flat data: one unit of the value's order of magnitude on each side.
    if (!(data_high > data_low)) {
        const double value = data_low;
        const double unit = value == 0.0 ? 1.0 : orderOfMagnitude(std::abs(value));
        data_low = value - unit;
        data_high = value + unit;
    }
    const double unit = orderOfMagnitude(data_high - data_low);
    const double low_units = floorOf(data_low / unit);
    const double high_units = ceilingOf(data_high / unit);
    // Counted from the whole quotients, so no rounding of the ends can lose a unit.
    const int n = std::max(1, static_cast<int>(high_units - low_units));
    const int divisions = n > FEW_UNITS ? n : DIVISIONS_OF_FEW_UNITS[n - 1];

    AxisRange range;
    range.low = unit * low_units;
    range.high = unit * high_units;
    range.tick_step = (range.high - range.low) / divisions * (double_step ? 2 : 1);
    range.minor_ticks = MINOR_TICKS;
    range.decimals = DECIMALS;
    return range;
}

AxisRange SLOT_AXIS_RANGE(int point_count) { return {0.0, static_cast<double>(point_count), 1.0, 1, 0}; }

}  // namespace korvel
