#include "present/graph/line_graph.h"

#include "base/program_exit.h"
#include "model/messages.h"
#include "present/graph/graph_engine.h"
#include "present/graph/graph_record.h"
#include "present/window/recording_observer.h"
#include "present/window/window_layer.h"

#include <algorithm>
#include <iterator>

namespace korvel {

namespace {

struct SeriesStyle {
    int32_t line_type;
    int32_t line_colour;
    int32_t marker_type;  // 0: none; drawn in the line colour
};

// Series 1..8 of a line graph.
constexpr SeriesStyle SERIES_STYLES[] = {
    {5, 9, 0}, {1, 12, 0}, {3, 4, 0}, {2, 6, 0}, {1, 10, 9}, {1, 2, 7}, {1, 13, 8}, {1, 8, 10},
};
static_assert(std::size(SERIES_STYLES) == MAX_DRAWN_SERIES);

constexpr const char* PLAIN_PERIODS = "(Plain time-periods)";
constexpr const char* YEAR_PERIODS = "(One time-period=1 year)";
// The program's own texts, kept exactly as it shows them, misspellings included: never correct them.
constexpr const char* NO_WINDOW_TEXT = "It is impossible to draw the graph. End of the program";
constexpr const char* NO_WINDOW_CAPTION = "Problem opening the proper graph window";

constexpr int32_t TITLE_FONT = 3;
constexpr int32_t AXIS_TITLE_FONT = 4;
constexpr int32_t Y_DECIMALS = 1;

void graphRecord(const WINDOW_CONFIG& config, bool years, const FixedText<60>& title, GRAPH_SETTINGS& graph) {
    GET_GRAPH_DEFAULTS(GRAPH_LINES, graph);
    graph.viewport_x1 = 0;
    graph.viewport_y1 = 0;
    graph.viewport_x2 = config.pixel_width - 1;
    graph.viewport_y2 = config.pixel_height - 1;
    graph.set_up_window = false;
    graph.title.assign(TEXT_BEFORE_ZERO(title.text()));
    graph.subtitle.assign(years ? YEAR_PERIODS : PLAIN_PERIODS);
    graph.title_font = TITLE_FONT;
    graph.title_colour = BLACK;
    graph.subtitle_font = TITLE_FONT;
    graph.subtitle_colour = DARK_MAGENTA;
    graph.foreground_colour = BLACK;
    graph.background_colour = WHITE;
}

// Each series under its name, in the styles of its place; its legend text in its line colour.
void seriesRecords(int series_count, const GraphNames& names, SeriesSettings& data) {
    for (int s = 1; s <= series_count; ++s) {
        const SeriesStyle& style = SERIES_STYLES[s - 1];
        data(s).title.assign(TEXT_BEFORE_ZERO(names(s).text()));
        data(s).line_type = style.line_type;
        data(s).line_colour = style.line_colour;
        data(s).marker_type = style.marker_type;
        data(s).marker_colour = style.line_colour;
        data(s).title_colour = style.line_colour;
    }
}

void axisTitle(const std::string& text, AXIS_SETTINGS& axis) {
    axis.title.assign(TEXT_BEFORE_ZERO(text));
    axis.title_font = AXIS_TITLE_FONT;
    axis.title_colour = BLACK;
}

}  // namespace

void GRAPHSSTART(const PlotValues& values, const PointLabels& labels, int point_count, int series_count,
                 const GraphNames& names, bool years, const FixedText<20>& x_title, const FixedText<60>& title,
                 const FixedText<25>& y_title) {
    OPEN_CHILD_WINDOW(GRAPH_CHANNEL, "Plain diagram");
    LINESGRAPH(values, labels, point_count, series_count, names, years, x_title, title, y_title);
    SET_EXIT_BEHAVIOUR(EXIT_KEEP_OPEN);
}

void LINESGRAPH(const PlotValues& values, const PointLabels& labels, int point_count, int series_count,
                const GraphNames& names, bool years, const FixedText<20>& x_title, const FixedText<60>& title,
                const FixedText<25>& y_title) {
    // Step 1: the window
    WINDOW_CONFIG config;
    if (!GET_WINDOW_CONFIG(config)) {
        SHOW_MESSAGE(NO_WINDOW_TEXT, NO_WINDOW_CAPTION, MB_STOP);
        REQUEST_EXIT();
        return;
    }
    // Steps 2-5: the records
    GRAPH_SETTINGS graph;
    graphRecord(config, years, title, graph);
    SeriesSettings data;
    GET_MULTI_DATA_DEFAULTS(graph, point_count, values, labels, series_count, data);
    seriesRecords(series_count, names, data);

    AXIS_SETTINGS axes[2];
    AXIS_SETTINGS& x_axis = axes[0];
    AXIS_SETTINGS& y_axis = axes[1];
    GET_AXIS_MULTI_DEFAULTS(graph, series_count, data, AXIS_X, SCALE_LINEAR, x_axis);
    axisTitle(x_title.text(), x_axis);
    x_axis.grid_style = GRID_NONE;
    GET_AXIS_MULTI_DEFAULTS(graph, series_count, data, AXIS_Y, SCALE_LINEAR, y_axis);
    axisTitle(y_title.text(), y_axis);
    y_axis.tick_style = TICKS_OUTSIDE;
    y_axis.decimals = Y_DECIMALS;
    y_axis.grid_style = GRID_ZERO;

    // Step 6: the drawing, told first to a layer that records graphs
    const GraphUnits viewport(graph.viewport_x1, graph.viewport_y1, graph.viewport_x2, graph.viewport_y2);
    const bool drawn = viewport.fitsWindow(config.pixel_width, config.pixel_height);
    const GRAPH_PAGE page = GRAPH_PAGE_OF(graph, x_axis, y_axis, values, labels, series_count, data);
    if (drawn) TELL_GRAPH_PAGE(&page);
    PLOT_GRAPH(graph, 2, axes, series_count);
    PLOT_MULTI_DATA(graph, values, labels, series_count, data, x_axis, y_axis);
    if (drawn) TELL_GRAPH_PAGE(nullptr);
}

// The record keeps the texts without their padding: point labels stand right-aligned in their
// field again, and the subtitle tells whether the periods are years.
void LINESGRAPH_AGAIN(const GRAPH_PAGE& page) {
    const int series_count = static_cast<int>(page.series.size());
    const int point_count = static_cast<int>(page.labels.size());
    PlotValues values;
    GraphNames names;
    for (int s = 1; s <= series_count; ++s) {
        names(s).assign(page.series[static_cast<size_t>(s - 1)].name);
        for (int p = 1; p <= point_count; ++p) values(p, s) = page.series[static_cast<size_t>(s - 1)].points[static_cast<size_t>(p - 1)];
    }
    PointLabels labels;
    for (int p = 1; p <= point_count; ++p) {
        const std::string& label = page.labels[static_cast<size_t>(p - 1)];
        labels(p).assign(std::string(static_cast<size_t>(std::max(0, LABEL_LENGTH - CHARACTER_COUNT(label))), ' ') + label);
    }
    FixedText<20> x_title;
    x_title.assign(page.x_title);
    FixedText<60> title;
    title.assign(page.title);
    FixedText<25> y_title;
    y_title.assign(page.y_title);
    LINESGRAPH(values, labels, point_count, series_count, names, page.subtitle == YEAR_PERIODS, x_title, title, y_title);
}

}  // namespace korvel
