#include "present/graph/point_thinning.h"

#include <algorithm>

namespace korvel {

namespace {

constexpr int THREE_DIGITS = 3;

int keptCount(int point_count, int step) { return (point_count + step - 1) / step; }

}  // namespace

PointThinning THIN_POINTS(int point_count, const std::string& last_label) {
    PointThinning thinning;
    if (std::count_if(last_label.begin(), last_label.end(), [](char c) { return c != ' '; }) == THREE_DIGITS)
        thinning.limit = THREE_DIGIT_LABEL_LIMIT;
    while (keptCount(point_count, thinning.step) > thinning.limit) ++thinning.step;
    for (int p = 1; p <= point_count; p += thinning.step) thinning.kept.push_back(p);
    return thinning;
}

}  // namespace korvel
