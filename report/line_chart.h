#pragma once
// Lines over periods 0..N as an SVG chart: persons up the side over every value, the periods
// along the bottom, a title at the top left and each line's sample and name beneath it.

#include "present/window/window_records.h"

#include <string>
#include <vector>

namespace korvel {

// Dash masks of 16 pixels, as the window layer draws them.
inline constexpr unsigned SOLID_LINE = 0xFFFF, DASHED_LINE = 0xF0F0, DOTTED_LINE = 0xCCCC;

struct CHART_LINE {
    std::string name;
    RGB_VALUE colour = 0;
    unsigned style = SOLID_LINE;
    std::vector<double> values;  // periods 0, 1, ... as far as the line goes
};

// One <svg> element; `label` names it for readers that do not see it.
std::string LINE_CHART_SVG(const std::string& title, const std::vector<CHART_LINE>& lines, const std::string& label);

}  // namespace korvel
