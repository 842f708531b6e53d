#include "present/graph/graph_record.h"

#include "present/graph/legend_geometry.h"

namespace korvel {

namespace {

GRAPH_AXIS_RECORD axisRecord(const AXIS_SETTINGS& axis) { return {axis.low, axis.high, axis.tick_step, axis.decimals}; }

GRAPH_SERIES_RECORD seriesRecord(const PlotValues& values, int series, const DATA_SETTINGS& data) {
    GRAPH_SERIES_RECORD record;
    record.name = TRIM_RIGHT(TEXT_BEFORE_ZERO(FIRST_CHARACTERS(data.title.text(), LEGEND_TITLE_LENGTH)));
    record.line_type = data.line_type;
    record.line_colour = data.line_colour;
    record.marker_type = data.marker_type;
    record.marker_colour = data.marker_colour;
    for (int k = 1; k <= data.point_count; ++k) record.points.push_back(values(data.in_order ? k : data.point_count + 1 - k, series));
    return record;
}

}  // namespace

GRAPH_PAGE GRAPH_PAGE_OF(const GRAPH_SETTINGS& graph, const AXIS_SETTINGS& x_axis, const AXIS_SETTINGS& y_axis,
                         const PlotValues& values, const PointLabels& labels, int32_t series_count,
                         const SeriesSettings& data) {
    GRAPH_PAGE page;
    page.title = TRIM_BLANKS(graph.title.text());
    page.subtitle = TRIM_BLANKS(graph.subtitle.text());
    page.x_title = TRIM_BLANKS(x_axis.title.text());
    page.y_title = TRIM_BLANKS(y_axis.title.text());
    page.x_axis = axisRecord(x_axis);
    page.y_axis = axisRecord(y_axis);
    for (int s = 1; s <= series_count; ++s) page.series.push_back(seriesRecord(values, s, data(s)));
    if (series_count >= 1)
        for (int i = 1; i <= data(1).point_count; ++i) page.labels.push_back(TRIM_BLANKS(labels(i).text()));
    if (const std::optional<LegendBox> box = LEGEND_BOX(series_count, 1.0)) {
        page.legend_rows = box->rows;
        page.legend_per_row = box->per_row;
    }
    return page;
}

}  // namespace korvel
