#include "present/graph/legend_geometry.h"

#include "present/graph/graph_units.h"

#include <cassert>

namespace korvel {

namespace {

constexpr int MOST_PER_ROW = 4;
constexpr double CENTRING_WIDTH = 6640.0;
constexpr double CENTRING_LEFT = 1800.0;
constexpr double GAP_BELOW_AXIS = 640.0;
constexpr double GAP_PIXELS = 16.0;
constexpr double SAMPLE_INSET = 160.0;
constexpr double TITLE_AFTER_SAMPLE = 272.0;

}  // namespace

std::optional<LegendBox> LEGEND_BOX(int series_count, double units_per_pixel_y) {
    if (series_count < 1 || series_count > LEGEND_MOST_ENTRIES) return std::nullopt;
    LegendBox box;
    box.rows = (series_count - 1) / MOST_PER_ROW + 1;
    box.per_row = (series_count - 1) / box.rows + 1;
    box.width = box.per_row * LEGEND_ENTRY_WIDTH;
    box.height = box.rows * LEGEND_ENTRY_HEIGHT;
    box.left = (CENTRING_WIDTH - box.width) / 2 + CENTRING_LEFT;
    box.top = PLOT_BOTTOM + GAP_BELOW_AXIS + GAP_PIXELS * units_per_pixel_y;
    return box;
}

LegendEntry LEGEND_ENTRY(const LegendBox& box, int i) {
    assert(i >= 1 && i <= box.rows * box.per_row);
    LegendEntry entry;
    entry.row = (i - 1) / box.per_row + 1;
    entry.column = (i - 1) % box.per_row + 1;
    entry.sample_x = box.left + SAMPLE_INSET + (entry.column - 1) * LEGEND_ENTRY_WIDTH;
    entry.middle_y = box.top + (entry.row - 1) * LEGEND_ENTRY_HEIGHT + LEGEND_ENTRY_HEIGHT / 2;
    entry.title_x = entry.sample_x + TITLE_AFTER_SAMPLE;
    return entry;
}

}  // namespace korvel
