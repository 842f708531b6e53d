#pragma once
// The plain records of the line-graph engine: one per graph, one per series, one per axis. A
// caller fills them with their defaults, adjusts them field by field, then hands them to the
// drawing operations.

#include "model/model_state.h"
#include "present/window/window_records.h"

#include <cstdint>

namespace korvel {

inline constexpr int GRAPH_TITLE_LENGTH = 60;
inline constexpr int SERIES_TITLE_LENGTH = 52;
inline constexpr int LEGEND_TITLE_LENGTH = 20;
inline constexpr int AXIS_TITLE_LENGTH = 28;  // 25 characters of title, padded

// Graph kinds; the system draws kind 2.
enum GraphKind : int32_t {
    GRAPH_BARS = 1,
    GRAPH_LINES = 2,
    GRAPH_LINES_WITH_ERRORS = 3,
    GRAPH_SINGLE_KIND_LAST = 6,  // kinds 4..6 are single-series kinds; 6 doubles the tick step
};

// What every engine operation returns.
enum GraphStatus : int32_t {
    GRAPH_OK = 0,
    GRAPH_UNKNOWN_AXIS_TYPE = 4,
    GRAPH_UNBUILT_SCALE = 5,  // logarithmic axes are not built
    GRAPH_NO_POINTS = 6,
    GRAPH_NO_SERIES = 7,
    GRAPH_OUTSIDE_WINDOW = 9,  // the viewport does not fit the window: nothing drawn
};

enum AxisType : int32_t { AXIS_X = 0, AXIS_Y = 1 };
enum AxisPosition : int32_t { AXIS_BOTTOM = 1, AXIS_TOP = 2, AXIS_LEFT = 3, AXIS_RIGHT = 4 };
enum AxisScale : int32_t { SCALE_LINEAR = 0 };
// Ticks inside the plotting area, outside it, or across the axis line.
enum TickStyle : int32_t { TICKS_NONE = 0, TICKS_INSIDE = 1, TICKS_OUTSIDE = 2, TICKS_ACROSS = 3 };
// 1 and 2 draw grid lines at the major ticks (2 at the minor ones too); 3 draws only a line at
// zero when the range spans zero; 4 and 5 are 1 and 2 with that zero line.
enum GridStyle : int32_t { GRID_NONE = 0, GRID_MAJOR = 1, GRID_MINOR = 2, GRID_ZERO = 3, GRID_MAJOR_ZERO = 4, GRID_MINOR_ZERO = 5 };
// Data layout 2: values only, point i at the middle of the i-th unit slot.
inline constexpr int32_t LAYOUT_VALUES_ONLY = 2;

struct GRAPH_SETTINGS {
    FixedText<GRAPH_TITLE_LENGTH> title;
    int32_t title_font = 1;
    int32_t title_colour = YELLOW;
    FixedText<GRAPH_TITLE_LENGTH> subtitle;
    int32_t subtitle_font = 2;
    int32_t subtitle_colour = LIGHT_GREY;
    int32_t graph_kind = GRAPH_LINES;
    int32_t foreground_colour = WHITE;
    int32_t background_colour = DARK_BLUE;
    int32_t viewport_x1 = 0;
    int32_t viewport_y1 = 0;
    int32_t viewport_x2 = 639;
    int32_t viewport_y2 = 479;
    Logical set_up_window = true;
    int32_t reserved[8] = {};
};

struct DATA_SETTINGS {
    FixedText<SERIES_TITLE_LENGTH> title;
    int32_t title_font = 2;
    int32_t title_colour = WHITE;
    int32_t marker_type = 0;
    int32_t marker_colour = WHITE;
    int32_t line_type = 1;
    int32_t line_colour = WHITE;
    int32_t bar_type = 0;
    int32_t bar_colour = BLACK;
    int32_t error_bar_type = 0;
    int32_t error_bar_colour = BLACK;
    int32_t data_layout = LAYOUT_VALUES_ONLY;
    Logical in_order = true;
    int32_t point_count = 0;
    int32_t values_per_point = 1;
    double x_low = 0.0;
    double x_high = 0.0;
    double y_low = 0.0;
    double y_high = 0.0;
};

// An axis record starts on the unit range, so an axis that no data ranged still draws soundly.
struct AXIS_SETTINGS {
    FixedText<AXIS_TITLE_LENGTH> title;
    int32_t title_font = 1;
    int32_t title_colour = YELLOW;
    int32_t label_font = 6;
    Logical label_flag = false;  // true: the points' own labels stand in for tick labels
    int32_t position = AXIS_BOTTOM;
    int32_t axis_type = AXIS_X;
    int32_t colour = WHITE;
    int32_t scale = SCALE_LINEAR;
    int32_t reserved = 0;
    double low = 0.0;
    double high = 1.0;
    double tick_step = 0.1;
    int32_t decimals = 1;
    int32_t tick_style = TICKS_ACROSS;
    int32_t axis_line_colour = WHITE;
    int32_t label_colour = LIGHT_GREY;
    int32_t minor_ticks = 1;
    int32_t grid_style = GRID_MAJOR;
    int32_t grid_line_type = 5;
    int32_t grid_colour = WHITE;
};

// Up to 12 series in one graph's records; the legend shows up to 8.
inline constexpr int MAX_LEGEND_ENTRIES = 8;
using PlotValues = Matrix<float, MAX_GRAPH_POINTS, MAX_GRAPH_SERIES>;
using PointLabels = Vector<Label, MAX_GRAPH_POINTS>;
using SeriesSettings = Vector<DATA_SETTINGS, MAX_GRAPH_SERIES>;

// Fills `graph` with the defaults of `kind`.
int32_t GET_GRAPH_DEFAULTS(int32_t kind, GRAPH_SETTINGS& graph);

// Fills one record per series (point_count rows of `values`, a column per series) with its
// title, styles from the colour and marker cycles, and the ranges of its data.
int32_t GET_MULTI_DATA_DEFAULTS(const GRAPH_SETTINGS& graph, int32_t point_count, const PlotValues& values,
                                const PointLabels& labels, int32_t series_count, SeriesSettings& data);

// Fills `axis` for an axis of `axis_type` covering every series' data.
int32_t GET_AXIS_MULTI_DEFAULTS(const GRAPH_SETTINGS& graph, int32_t series_count, const SeriesSettings& data,
                                int32_t axis_type, int32_t scale, AXIS_SETTINGS& axis);

// Selects entry `index` of the graph font table; returns SET_FONT's index.
int32_t GRAPH_FONT(int32_t index);
// The descriptor of font-table entry `index`, and its character height in pixels.
const char* GRAPH_FONT_DESCRIPTOR(int32_t index);
int GRAPH_FONT_HEIGHT(int32_t index);

}  // namespace korvel
