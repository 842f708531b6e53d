#include "present/graph/graph_commands.h"

#include "present/graph/line_graph.h"
#include "present/graph/point_thinning.h"
#include "present/window/window_layer.h"

#include <cassert>

namespace korvel {

void GRAPHS(const GraphValues& values, const GraphNames& names, int point_count, int series_count, int first_point,
            const FixedText<20>& x_title, bool years, const FixedText<60>& title, const FixedText<25>& y_title) {
    assert(point_count >= 1 && point_count <= MAX_GRAPH_POINTS);
    assert(series_count >= 0 && series_count <= MAX_DRAWN_SERIES);
    // Point p is labelled with its number counted from first_point.
    PointLabels labels;
    for (int p = 1; p <= point_count; ++p) labels(p).assign(RIGHT_ALIGNED(p + first_point - 1, LABEL_LENGTH));

    // Keep every step-th point; the last kept one stands for the final point P, so the graph
    // always ends there.
    const PointThinning thinning = THIN_POINTS(point_count, labels(point_count).text());
    const int kept_count = static_cast<int>(thinning.kept.size());
    PlotValues kept;
    PointLabels kept_labels;
    for (int i = 1; i <= kept_count; ++i) {
        const int p = i == kept_count ? point_count : thinning.kept[static_cast<size_t>(i - 1)];
        for (int s = 1; s <= series_count; ++s) kept(i, s) = values(p, s);
        kept_labels(i) = labels(p);
    }

    GRAPHSSTART(kept, kept_labels, kept_count, series_count, names, years, x_title, title, y_title);
    WAIT_FOR_LEFT_BUTTON();
    CLOSE_CHANNEL(GRAPH_CHANNEL);
}

}  // namespace korvel
