#pragma once
// Where the legend of a graph goes: up to 4 entries a row, the box centred under the plotting
// area below the point labels. Positions in graph units.

#include <optional>

namespace korvel {

inline constexpr int LEGEND_MOST_ENTRIES = 8;
inline constexpr double LEGEND_ENTRY_WIDTH = 2000.0;
inline constexpr double LEGEND_ENTRY_HEIGHT = 320.0;
inline constexpr double LEGEND_SAMPLE_LENGTH = 120.0;

struct LegendBox {
    int rows = 0;
    int per_row = 0;
    double left = 0.0;
    double top = 0.0;
    double width = 0.0;
    double height = 0.0;
};

struct LegendEntry {
    int row = 0;     // from 1
    int column = 0;  // from 1
    double sample_x = 0.0;  // start of the line sample
    double middle_y = 0.0;  // the row's middle
    double title_x = 0.0;
};

// The box for `series_count` entries; none for no series or more than 8. `units_per_pixel_y`
// converts the 16-pixel gap under the point labels.
std::optional<LegendBox> LEGEND_BOX(int series_count, double units_per_pixel_y);

// Entry `i` (from 1) of the box.
LegendEntry LEGEND_ENTRY(const LegendBox& box, int i);

}  // namespace korvel
