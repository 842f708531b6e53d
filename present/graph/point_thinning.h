#pragma once
// Which points of a long series a graph keeps, so that the labels under the points stay
// readable: at most 49 labels, or 45 when the last label has three digits.

#include <string>
#include <vector>

namespace korvel {

inline constexpr int LABEL_LIMIT = 49;
inline constexpr int THREE_DIGIT_LABEL_LIMIT = 45;

struct PointThinning {
    int limit = LABEL_LIMIT;
    int step = 1;
    std::vector<int> kept;  // points 1, 1 + step, 1 + 2 step, ... (from 1)
};

// The smallest step whose kept points, the ceiling of point_count / step, are within the limit
// that `last_label` sets.
PointThinning THIN_POINTS(int point_count, const std::string& last_label);

}  // namespace korvel
