#pragma once
// The menu commands that request graphs, and the graph driver the projections and the
// trajectory comparison draw through.

#include "model/model_state.h"

#include <string>

namespace korvel {

void PLOTSTOCK(bool checked);    // "&Graph of stocks"
void PLOTWASTE(bool checked);    // "Grap&h of outflows"
void PLOTSTOCK_Q(bool checked);  // "Gra&ph of stocks" (fixed-size projections)

// Asks for the series, the title and the axis text in dialog 111, then draws the series picked
// from GRAPH_VALUES (filled by the caller) through GRAPHS. `n` is the number of stages.
void PLOTVARCALL0(int n);

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
