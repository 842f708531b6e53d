#pragma once
// The drawing operations of the line-graph engine, on the active child window.

#include "present/graph/graph_settings.h"
#include "present/graph/graph_units.h"

#include <optional>

namespace korvel {

// The graph's viewport as graph units, when it fits the active window; none otherwise.
std::optional<GraphUnits> GRAPH_UNITS_IN_WINDOW(const GRAPH_SETTINGS& graph);

// Fills the viewport with the background, then draws the rounded frame, the titles and each
// of the `axis_count` axes. Draws nothing when the viewport does not fit the window.
int32_t PLOT_GRAPH(const GRAPH_SETTINGS& graph, int32_t axis_count, const AXIS_SETTINGS* axes, int32_t series_count);

// Draws the series' lines and markers on the axes, the point labels under their slots and,
// for 1 to 8 series, the legend.
int32_t PLOT_MULTI_DATA(const GRAPH_SETTINGS& graph, const PlotValues& values, const PointLabels& labels,
                        int32_t series_count, const SeriesSettings& data, const AXIS_SETTINGS& x_axis,
                        const AXIS_SETTINGS& y_axis);

}  // namespace korvel
