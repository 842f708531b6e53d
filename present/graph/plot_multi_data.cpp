#include "present/graph/graph_engine.h"

#include "present/graph/graph_strokes.h"
#include "present/graph/legend_geometry.h"
#include "present/window/window_layer.h"

#include <vector>

namespace korvel {

namespace {

constexpr double BAR_SAMPLE_HALF_HEIGHT = 48.0;

// Point i of a values-only series stands in the middle of the i-th slot; `in_order` false
// takes the points from the last.
std::vector<UnitPoint> mappedPoints(const PlotValues& values, int series, const DATA_SETTINGS& data,
                                    const AXIS_SETTINGS& x_axis, const AXIS_SETTINGS& y_axis) {
    std::vector<UnitPoint> points;
    for (int k = 1; k <= data.point_count; ++k) {
        const int i = data.in_order ? k : data.point_count + 1 - k;
        points.push_back({MAP_X(i - 0.5, x_axis.low, x_axis.high), MAP_Y(values(i, series), y_axis.low, y_axis.high)});
    }
    return points;
}

// Step 3: each point's label centred under its slot, in the horizontal axis' label font.
void drawPointLabels(const GraphUnits& units, const PointLabels& labels, int point_count, const AXIS_SETTINGS& x_axis) {
    const double below = x_axis.position == AXIS_TOP
                             ? PLOT_TOP - POINT_LABEL_DROP - GRAPH_FONT_HEIGHT(x_axis.label_font) * units.unitsPerPixelY()
                             : PLOT_BOTTOM + POINT_LABEL_DROP;
    for (int i = 1; i <= point_count; ++i)
        DRAW_CENTRED_TEXT(units, MAP_X(i - 0.5, x_axis.low, x_axis.high), below, labels(i).text(), x_axis.label_font,
                          x_axis.label_colour);
}

// Step 4: the boxed legend; each entry a line sample with its marker (or a bar sample), then
// the first 20 characters of the series' title.
void drawLegend(const GraphUnits& units, const GRAPH_SETTINGS& graph, int series_count, const SeriesSettings& data) {
    const std::optional<LegendBox> box = LEGEND_BOX(series_count, units.unitsPerPixelY());
    if (!box) return;
    SET_COLOR(graph.foreground_colour);
    RECTANGLE(DRAW_OUTLINE, units.pixelX(box->left), units.pixelY(box->top), units.pixelX(box->left + box->width),
              units.pixelY(box->top + box->height));
    for (int s = 1; s <= series_count; ++s) {
        const DATA_SETTINGS& series = data(s);
        const LegendEntry entry = LEGEND_ENTRY(*box, s);
        const UnitPoint start{entry.sample_x, entry.middle_y};
        const UnitPoint end{entry.sample_x + LEGEND_SAMPLE_LENGTH, entry.middle_y};
        if (series.bar_type != 0) {
            SET_COLOR(series.bar_colour);
            RECTANGLE(DRAW_FILLED, units.pixelX(start.x), units.pixelY(start.y - BAR_SAMPLE_HALF_HEIGHT), units.pixelX(end.x),
                      units.pixelY(end.y + BAR_SAMPLE_HALF_HEIGHT));
        } else if (series.line_type != 0) {
            DRAW_POLYLINE(units, {start, end}, series.line_type, series.line_colour);
        }
        if (series.marker_type != 0) DRAW_MARKER(units, end, series.marker_type, series.marker_colour);
        const double text_top = entry.middle_y - GRAPH_FONT_HEIGHT(series.title_font) * units.unitsPerPixelY() / 2;
        DRAW_TEXT_AT(units, entry.title_x, text_top, FIRST_CHARACTERS(series.title.text(), LEGEND_TITLE_LENGTH),
                     series.title_font, series.title_colour);
    }
}

}  // namespace

int32_t PLOT_MULTI_DATA(const GRAPH_SETTINGS& graph, const PlotValues& values, const PointLabels& labels,
                        int32_t series_count, const SeriesSettings& data, const AXIS_SETTINGS& x_axis,
                        const AXIS_SETTINGS& y_axis) {
    if (series_count < 1) return GRAPH_NO_SERIES;
    const std::optional<GraphUnits> units = GRAPH_UNITS_IN_WINDOW(graph);
    if (!units) return GRAPH_OUTSIDE_WINDOW;
    // An axis no wider than nothing cannot place a point.
    if (!(x_axis.high > x_axis.low) || !(y_axis.high > y_axis.low)) return GRAPH_OK;
    SET_CLIP_RECT(units->x1(), units->y1(), units->x2(), units->y2());

    // Step 1: lines
    for (int s = 1; s <= series_count; ++s) {
        if (data(s).line_type == 0) continue;
        DRAW_POLYLINE(*units, mappedPoints(values, s, data(s), x_axis, y_axis), data(s).line_type, data(s).line_colour);
    }
    // Step 2: markers
    for (int s = 1; s <= series_count; ++s) {
        if (data(s).marker_type == 0) continue;
        for (const UnitPoint& point : mappedPoints(values, s, data(s), x_axis, y_axis))
            DRAW_MARKER(*units, point, data(s).marker_type, data(s).marker_colour);
    }
    drawPointLabels(*units, labels, data(1).point_count, x_axis);
    drawLegend(*units, graph, series_count, data);
    return GRAPH_OK;
}

}  // namespace korvel
