#include "present/graph/graph_settings.h"

#include "present/graph/axis_range.h"
#include "present/window/window_layer.h"

#include <algorithm>
#include <cassert>
#include <cmath>
#include <iterator>
#include <string>

namespace korvel {

namespace {

struct GraphFont {
    const char* descriptor;
    int height;  // pixels
};

// Index 1..6; any other index is the first.
constexpr GraphFont FONT_TABLE[] = {
    {"t'Courier New Greek'h24w10b", 24},     {"t'Courier New Greek'h20w9b", 20},
    {"t'Times New Roman Greek'h26w11b", 26}, {"t'Times New Roman Greek'h16w8b", 16},
    {"t'Arial Greek'h24w12b", 24},           {"t'Arial Greek'h14w6b", 14},
};
constexpr int FONT_COUNT = static_cast<int>(std::size(FONT_TABLE));

const GraphFont& fontEntry(int32_t index) { return FONT_TABLE[index >= 1 && index <= FONT_COUNT ? index - 1 : 0]; }

// Series n takes colour entry (n - 1) mod 16 and marker (n - 1) mod 10 + 1.
constexpr int32_t COLOUR_CYCLE[] = {15, 14, 13, 11, 7, 10, 12, 9, 6, 5, 3, 8, 2, 4, 0, 1};
constexpr int MARKER_COUNT = 10;

bool isMultiSeriesKind(int32_t kind) { return kind >= GRAPH_BARS && kind <= GRAPH_LINES_WITH_ERRORS; }

// The smallest and largest of the series' first point_count values.
void rangeOfSeries(const PlotValues& values, int point_count, int series, DATA_SETTINGS& data) {
    double low = values(1, series);
    double high = low;
    for (int p = 2; p <= point_count; ++p) {
        low = std::min<double>(low, values(p, series));
        high = std::max<double>(high, values(p, series));
    }
    data.y_low = low;
    data.y_high = high;
    data.x_low = 0.0;
    data.x_high = point_count;
}

void seriesStyle(int32_t kind, int series, DATA_SETTINGS& data) {
    data = DATA_SETTINGS{};
    data.title.assign("Data Range " + std::to_string(series));
    data.title_colour = COLOUR_CYCLE[(series - 1) % 16];
    data.marker_colour = data.title_colour;
    data.line_colour = data.title_colour;
    if (kind == GRAPH_BARS) {
        data.line_type = 0;
        data.bar_type = 1;
        data.bar_colour = data.title_colour;
    } else {
        data.marker_type = (series - 1) % MARKER_COUNT + 1;
    }
    if (kind == GRAPH_LINES_WITH_ERRORS) {
        data.values_per_point = 2;
        data.error_bar_type = 1;
        data.error_bar_colour = data.title_colour;
    }
}

// The lowest low and highest high of every series, on the axis' own coordinate.
void dataExtent(int32_t series_count, const SeriesSettings& data, int32_t axis_type, double& low, double& high) {
    low = axis_type == AXIS_X ? data(1).x_low : data(1).y_low;
    high = axis_type == AXIS_X ? data(1).x_high : data(1).y_high;
    for (int s = 2; s <= series_count; ++s) {
        low = std::min(low, axis_type == AXIS_X ? data(s).x_low : data(s).y_low);
        high = std::max(high, axis_type == AXIS_X ? data(s).x_high : data(s).y_high);
    }
}

void axisLooks(const GRAPH_SETTINGS& graph, int32_t axis_type, AXIS_SETTINGS& axis) {
    axis = AXIS_SETTINGS{};
    axis.title.assign(axis_type == AXIS_X ? "X Axis" : "Y Axis");
    axis.title_font = graph.title_font;
    axis.title_colour = graph.title_colour;
    axis.position = axis_type == AXIS_X ? AXIS_BOTTOM : AXIS_LEFT;
    axis.axis_type = axis_type;
    axis.colour = graph.foreground_colour;
    axis.axis_line_colour = axis.colour;
    axis.label_colour = axis.colour % 8;
    axis.grid_colour = axis.colour;
}

}  // namespace

const char* GRAPH_FONT_DESCRIPTOR(int32_t index) { return fontEntry(index).descriptor; }

int GRAPH_FONT_HEIGHT(int32_t index) { return fontEntry(index).height; }

int32_t GRAPH_FONT(int32_t index) { return SET_FONT(GRAPH_FONT_DESCRIPTOR(index)); }

int32_t GET_GRAPH_DEFAULTS(int32_t kind, GRAPH_SETTINGS& graph) {
    graph = GRAPH_SETTINGS{};
    graph.title.assign("Graph");
    graph.subtitle.assign("");
    graph.graph_kind = kind;
    return GRAPH_OK;
}

int32_t GET_MULTI_DATA_DEFAULTS(const GRAPH_SETTINGS& graph, int32_t point_count, const PlotValues& values,
                                const PointLabels&, int32_t series_count, SeriesSettings& data) {
    assert(point_count <= MAX_GRAPH_POINTS && series_count <= MAX_GRAPH_SERIES);
    if (point_count < 1) return GRAPH_NO_POINTS;
    if (series_count < 1) return GRAPH_NO_SERIES;
    if (!isMultiSeriesKind(graph.graph_kind)) return GRAPH_OK;
    for (int s = 1; s <= series_count; ++s) {
        seriesStyle(graph.graph_kind, s, data(s));
        data(s).point_count = point_count;
        rangeOfSeries(values, point_count, s, data(s));
    }
    return GRAPH_OK;
}

int32_t GET_AXIS_MULTI_DEFAULTS(const GRAPH_SETTINGS& graph, int32_t series_count, const SeriesSettings& data,
                                int32_t axis_type, int32_t scale, AXIS_SETTINGS& axis) {
    if (axis_type != AXIS_X && axis_type != AXIS_Y) return GRAPH_UNKNOWN_AXIS_TYPE;
    axisLooks(graph, axis_type, axis);
    if (series_count < 1) return GRAPH_NO_SERIES;
    if (scale != SCALE_LINEAR) return GRAPH_UNBUILT_SCALE;
    axis.scale = scale;

    double low = 0.0;
    double high = 0.0;
    dataExtent(series_count, data, axis_type, low, high);
    // The points of values-only series carry labels of their own in place of tick labels.
    const bool slots = axis_type == AXIS_X && data(1).data_layout == LAYOUT_VALUES_ONLY;
    axis.label_flag = slots;
    const AxisRange range = slots
                                ? SLOT_AXIS_RANGE(static_cast<int>(high))
                                : LINEAR_AXIS_RANGE(low, high, graph.graph_kind == GRAPH_SINGLE_KIND_LAST);
    axis.low = range.low;
    axis.high = range.high;
    axis.tick_step = range.tick_step;
    axis.minor_ticks = range.minor_ticks;
    axis.decimals = range.decimals;
    return GRAPH_OK;
}

}  // namespace korvel
