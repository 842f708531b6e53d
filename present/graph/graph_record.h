#pragma once
// A graph's record for the layers that record graphs in place of drawing them.

#include "present/graph/graph_settings.h"
#include "present/window/recording_observer.h"

namespace korvel {

// The record of a graph as PLOT_GRAPH and PLOT_MULTI_DATA will draw it from these records.
GRAPH_PAGE GRAPH_PAGE_OF(const GRAPH_SETTINGS& graph, const AXIS_SETTINGS& x_axis, const AXIS_SETTINGS& y_axis,
                         const PlotValues& values, const PointLabels& labels, int32_t series_count,
                         const SeriesSettings& data);

}  // namespace korvel
