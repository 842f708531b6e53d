#pragma once
// The graph window and the line graph drawn in it, as the graph driver hands them over: the
// kept points of each series with their labels, and the series' names.

#include "present/graph/graph_commands.h"
#include "present/graph/graph_settings.h"
#include "present/window/recording_observer.h"

namespace korvel {

inline constexpr int GRAPH_CHANNEL = 15;

// Opens the "Plain diagram" window, draws the graph in it, and keeps the windows open when the
// program's work ends.
void GRAPHSSTART(const PlotValues& values, const PointLabels& labels, int point_count, int series_count,
                 const GraphNames& names, bool years, const FixedText<20>& x_title, const FixedText<60>& title,
                 const FixedText<25>& y_title);

// Sets up the engine's records with the styles of the system's line graphs and draws the graph
// on the active window.
void LINESGRAPH(const PlotValues& values, const PointLabels& labels, int point_count, int series_count,
                const GraphNames& names, bool years, const FixedText<20>& x_title, const FixedText<60>& title,
                const FixedText<25>& y_title);

// The line graph of `page`, a record LINESGRAPH made, drawn again on the active window at its
// present size: a desktop window that was resized redraws its graph so.
void LINESGRAPH_AGAIN(const GRAPH_PAGE& page);

}  // namespace korvel
