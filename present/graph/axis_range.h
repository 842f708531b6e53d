#pragma once
// The range, tick step and label decimals of a graph axis, worked out from the data alone.

namespace korvel {

struct AxisRange {
    double low = 0.0;
    double high = 1.0;
    double tick_step = 0.1;
    int minor_ticks = 1;
    int decimals = 1;
};

// A quotient this close to a whole number counts as that number.
inline constexpr double AXIS_QUOTIENT_TOLERANCE = 1.192092895507813e-07;

// A linear axis covering data_low..data_high: both ends rounded outward to whole units of the
// range's order of magnitude, cut in at least 6 major divisions. Flat data (high not above low)
// is widened first by one unit of its value's order of magnitude on each side (0 gives -1..1),
// so that it is drawn inside the plotting area. `double_step` doubles the tick step.
AxisRange LINEAR_AXIS_RANGE(double data_low, double data_high, bool double_step);

// The horizontal axis of values-only series: one unit slot per point.
AxisRange SLOT_AXIS_RANGE(int point_count);

}  // namespace korvel
