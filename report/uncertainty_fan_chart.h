#pragma once
// A fan chart as inline SVG: the 5 %-95 % band of a series shaded over the periods, its median
// dashed, the point estimate drawn over them, and the steady state's band at the right.

#include "planning/uncertainty/projection_bands.h"

#include <optional>
#include <string>
#include <vector>

namespace korvel {

struct FAN_CHART_SERIES {
    std::string name;            // "Total", "x_1", ...
    std::vector<BAND> bands;     // periods 0..T
    std::vector<double> point;   // periods 0..T
    std::optional<BAND> steady;  // the steady state's band, when known
    std::optional<double> steady_point;
};

// The series of stage k (1..n) or of the total (n + 1) out of the bands.
FAN_CHART_SERIES FAN_CHART_SERIES_OF(const PROJECTION_BANDS& bands, int k, const std::string& name);

// One <svg> element.
std::string FAN_CHART_SVG(const FAN_CHART_SERIES& series);

}  // namespace korvel
