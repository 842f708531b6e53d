#pragma once
// The menu commands that request graphs, and the graph driver the projections and the
// trajectory comparison draw through.

#include "model/model_state.h"
#include "present/window/window_records.h"

#include <string>

namespace korvel {

// The main title and the vertical-axis text typed in dialog 111.
extern FixedText<60> GRAPH_TITLE;
extern FixedText<25> GRAPH_AXIS_TEXT;

void PLOTSTOCK(bool checked);    // "&Graph of stocks"
void PLOTWASTE(bool checked);    // "Grap&h of outflows"
void PLOTSTOCK_Q(bool checked);  // "Gra&ph of stocks" (fixed-size projections)

// Asks for the series, the title and the axis text in dialog 111, then draws the series picked
// from GRAPH_VALUES (filled by the caller) through GRAPHS. `n` is the number of stages.
void PLOTVARCALL0(int n);

// The callback of dialog 111's list 1005, edit fields 1006 and 1007, and its OK button 1.
void GETPLOTN(DIALOG& dialog, int control_id, int callback_kind);

// At most 8 series are drawn in one graph.
inline constexpr int MAX_DRAWN_SERIES = 8;
using GraphValues = Matrix<float, MAX_GRAPH_POINTS, MAX_GRAPH_SERIES>;
using GraphNames = Vector<Label, MAX_DRAWN_SERIES>;

// Draws series 1..series_count of `values` (points 1..point_count), naming series s names(s)
// and numbering the points from first_point, and returns after the user's click that closes
// the graph window.
void GRAPHS(const GraphValues& values, const GraphNames& names, int point_count, int series_count,
            int first_point, const FixedText<20>& x_title, bool years, const FixedText<60>& title,
            const FixedText<25>& y_title);

}  // namespace korvel
