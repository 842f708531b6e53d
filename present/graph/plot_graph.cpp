#include "present/graph/graph_engine.h"

#include "present/graph/graph_strokes.h"
#include "present/tables/number_formats.h"
#include "present/window/window_layer.h"

#include <cmath>

namespace korvel {

namespace {

constexpr double CORNER = 128.0;
constexpr double TITLE_Y = 192.0;
constexpr double SUBTITLE_FROM_TITLE_HEIGHT = 8.0;
constexpr double SUBTITLE_OFFSET = 320.0;
constexpr double MAJOR_TICK = 240.0;
constexpr double MINOR_TICK = 80.0;
constexpr double LABEL_GAP = 60.0;
constexpr double AXIS_TITLE_GAP_PIXELS = 4.0;
constexpr double Y_TITLE_LEFT = 160.0;
constexpr int TICK_LABEL_WIDTH = 10;
constexpr unsigned SOLID = 0xFFFF;

bool isHorizontal(const AXIS_SETTINGS& axis) { return axis.position == AXIS_BOTTOM || axis.position == AXIS_TOP; }

// The edge of the plotting area an axis runs along, and the outward sense from it.
double axisEdge(const AXIS_SETTINGS& axis) {
    switch (axis.position) {
    case AXIS_TOP: return PLOT_TOP;
    case AXIS_LEFT: return PLOT_LEFT;
    case AXIS_RIGHT: return PLOT_RIGHT;
    default: return PLOT_BOTTOM;
    }
}
double outward(const AXIS_SETTINGS& axis) { return axis.position == AXIS_BOTTOM || axis.position == AXIS_RIGHT ? 1.0 : -1.0; }

// Where `value` falls along the axis, in graph units.
double along(const AXIS_SETTINGS& axis, double value) {
    return isHorizontal(axis) ? MAP_X(value, axis.low, axis.high) : MAP_Y(value, axis.low, axis.high);
}

void axisSegment(const GraphUnits& units, const AXIS_SETTINGS& axis, double at, double from, double to) {
    if (isHorizontal(axis)) {
        MOVE_TO(units.pixelX(at), units.pixelY(from));
        LINE_TO(units.pixelX(at), units.pixelY(to));
    } else {
        MOVE_TO(units.pixelX(from), units.pixelY(at));
        LINE_TO(units.pixelX(to), units.pixelY(at));
    }
}

// How far a tick reaches out of the plotting area, and into it.
double tickOutside(const AXIS_SETTINGS& axis, double length) {
    return axis.tick_style == TICKS_OUTSIDE ? length : axis.tick_style == TICKS_ACROSS ? length / 2 : 0.0;
}
double tickInside(const AXIS_SETTINGS& axis, double length) {
    return axis.tick_style == TICKS_INSIDE ? length : axis.tick_style == TICKS_ACROSS ? length / 2 : 0.0;
}

// Major ticks from low to high; a range no wider than nothing has none.
int majorCount(const AXIS_SETTINGS& axis) {
    if (!(axis.high > axis.low) || !(axis.tick_step > 0)) return 0;
    return static_cast<int>(std::lround((axis.high - axis.low) / axis.tick_step));
}

// Step 2: the frame with rounded corners.
void drawFrame(const GraphUnits& units, const GRAPH_SETTINGS& graph) {
    SET_LINE_STYLE(SOLID);
    SET_COLOR(graph.foreground_colour);
    RECTANGLE(DRAW_OUTLINE, units.pixelX(0), units.pixelY(0), units.pixelX(SURFACE_UNITS_WIDE), units.pixelY(SURFACE_UNITS_HIGH));
    const UnitPoint corners[] = {{0, 0}, {SURFACE_UNITS_WIDE, 0}, {0, SURFACE_UNITS_HIGH}, {SURFACE_UNITS_WIDE, SURFACE_UNITS_HIGH}};
    // The corner squares in the background erase the frame's corners...
    SET_COLOR(graph.background_colour);
    for (const UnitPoint& c : corners) {
        const double inward_x = c.x == 0 ? CORNER : -CORNER;
        const double inward_y = c.y == 0 ? CORNER : -CORNER;
        RECTANGLE(DRAW_OUTLINE, units.pixelX(c.x), units.pixelY(c.y), units.pixelX(c.x + inward_x), units.pixelY(c.y + inward_y));
    }
    // ...and arcs centred on the corners join the cut ends.
    SET_COLOR(graph.foreground_colour);
    for (const UnitPoint& c : corners)
        ELLIPSE(DRAW_OUTLINE, units.pixelX(c.x - CORNER), units.pixelY(c.y - CORNER), units.pixelX(c.x + CORNER), units.pixelY(c.y + CORNER));
}

// Step 3: the titles, centred across the whole width. The subtitle stands at 8 units per pixel
// of the title's height below the top, but never on the title itself.
void drawTitles(const GraphUnits& units, const GRAPH_SETTINGS& graph) {
    const double middle = SURFACE_UNITS_WIDE / 2;
    DRAW_CENTRED_TEXT(units, middle, TITLE_Y, graph.title.text(), graph.title_font, graph.title_colour);
    const double title_height = GRAPH_FONT_HEIGHT(graph.title_font);
    const double subtitle_y = std::max(SUBTITLE_FROM_TITLE_HEIGHT * title_height + SUBTITLE_OFFSET,
                                       TITLE_Y + title_height * units.unitsPerPixelY());
    DRAW_CENTRED_TEXT(units, middle, subtitle_y, graph.subtitle.text(), graph.subtitle_font, graph.subtitle_colour);
}

void drawTicks(const GraphUnits& units, const AXIS_SETTINGS& axis) {
    if (axis.tick_style == TICKS_NONE) return;
    const double edge = axisEdge(axis);
    const double out = outward(axis);
    const int majors = majorCount(axis);
    const int minors = std::max(1, axis.minor_ticks);
    for (int i = 0; i <= majors; ++i) {
        const double value = axis.low + i * axis.tick_step;
        axisSegment(units, axis, along(axis, value), edge - out * tickInside(axis, MAJOR_TICK),
                    edge + out * tickOutside(axis, MAJOR_TICK));
        for (int m = 1; i < majors && m < minors; ++m) {
            const double minor = along(axis, value + m * axis.tick_step / minors);
            axisSegment(units, axis, minor, edge - out * tickInside(axis, MINOR_TICK), edge + out * tickOutside(axis, MINOR_TICK));
        }
    }
}

// Tick labels in F10.d, trimmed; an axis whose points carry labels of their own shows none.
void drawTickLabels(const GraphUnits& units, const AXIS_SETTINGS& axis) {
    if (axis.label_flag || axis.tick_style == TICKS_NONE) return;
    const double edge = axisEdge(axis);
    const double out = outward(axis);
    const double label_height = GRAPH_FONT_HEIGHT(axis.label_font);
    const double reach = tickOutside(axis, MAJOR_TICK) + LABEL_GAP;
    for (int i = 0; i <= majorCount(axis); ++i) {
        const double value = axis.low + i * axis.tick_step;
        const std::string label = TRIM_BLANKS(FORMAT_F(value, TICK_LABEL_WIDTH, axis.decimals));
        const double at = along(axis, value);
        if (isHorizontal(axis)) {
            const double top = out > 0 ? edge + reach : edge - reach - label_height * units.unitsPerPixelY();
            DRAW_CENTRED_TEXT(units, at, top, label, axis.label_font, axis.label_colour);
            continue;
        }
        GRAPH_FONT(axis.label_font);
        const int width = TEXT_WIDTH(label);
        const int x = out < 0 ? units.pixelX(edge - reach) - width : units.pixelX(edge + reach);
        SET_COLOR(axis.label_colour);
        MOVE_TO(x, units.pixelY(at) - static_cast<int>(label_height) / 2);
        DRAW_TEXT(label);
    }
}

// Grid lines across the plotting area at the ticks, and the line at zero.
void drawGrid(const GraphUnits& units, const AXIS_SETTINGS& axis) {
    const int style = axis.grid_style;
    const double from = isHorizontal(axis) ? PLOT_TOP : PLOT_LEFT;
    const double to = isHorizontal(axis) ? PLOT_BOTTOM : PLOT_RIGHT;
    SET_COLOR(axis.grid_colour);
    SET_LINE_STYLE(LINE_MASK(axis.grid_line_type));
    if (style == GRID_MAJOR || style == GRID_MINOR || style == GRID_MAJOR_ZERO || style == GRID_MINOR_ZERO) {
        const bool minor = style == GRID_MINOR || style == GRID_MINOR_ZERO;
        const int parts = minor ? std::max(1, axis.minor_ticks) : 1;
        const int lines = majorCount(axis) * parts;
        for (int i = 1; i < lines; ++i) axisSegment(units, axis, along(axis, axis.low + i * axis.tick_step / parts), from, to);
    }
    const bool zero_line = style == GRID_ZERO || style == GRID_MAJOR_ZERO || style == GRID_MINOR_ZERO;
    if (zero_line && axis.low < 0 && axis.high > 0) {
        SET_COLOR(axis.axis_line_colour);
        axisSegment(units, axis, along(axis, 0.0), from, to);
    }
    SET_LINE_STYLE(SOLID);
}

// The title of a horizontal axis is centred below its labels (the point labels included); a
// vertical axis' title stands above the axis, over the plotting area's corner.
void drawAxisTitle(const GraphUnits& units, const AXIS_SETTINGS& axis) {
    const double title_height = GRAPH_FONT_HEIGHT(axis.title_font) * units.unitsPerPixelY();
    if (isHorizontal(axis)) {
        const double labels = POINT_LABEL_DROP + (GRAPH_FONT_HEIGHT(axis.label_font) + AXIS_TITLE_GAP_PIXELS) * units.unitsPerPixelY();
        const double top = outward(axis) > 0 ? axisEdge(axis) + labels : axisEdge(axis) - labels - title_height;
        DRAW_CENTRED_TEXT(units, (PLOT_LEFT + PLOT_RIGHT) / 2, top, axis.title.text(), axis.title_font, axis.title_colour);
        return;
    }
    const double left = axis.position == AXIS_LEFT ? Y_TITLE_LEFT : PLOT_RIGHT - Y_TITLE_LEFT;
    DRAW_TEXT_AT(units, left, PLOT_TOP - LABEL_GAP - title_height, TRIM_BLANKS(axis.title.text()),
                 axis.title_font, axis.title_colour);
}

// Step 4: an axis with its line, grid, ticks, labels and title.
void drawAxis(const GraphUnits& units, const AXIS_SETTINGS& axis) {
    drawGrid(units, axis);
    SET_COLOR(axis.axis_line_colour);
    const double edge = axisEdge(axis);
    if (isHorizontal(axis)) {
        MOVE_TO(units.pixelX(PLOT_LEFT), units.pixelY(edge));
        LINE_TO(units.pixelX(PLOT_RIGHT), units.pixelY(edge));
    } else {
        MOVE_TO(units.pixelX(edge), units.pixelY(PLOT_BOTTOM));
        LINE_TO(units.pixelX(edge), units.pixelY(PLOT_TOP));
    }
    drawTicks(units, axis);
    drawTickLabels(units, axis);
    drawAxisTitle(units, axis);
}

}  // namespace

std::optional<GraphUnits> GRAPH_UNITS_IN_WINDOW(const GRAPH_SETTINGS& graph) {
    WINDOW_CONFIG config;
    if (!GET_WINDOW_CONFIG(config)) return std::nullopt;
    const GraphUnits units(graph.viewport_x1, graph.viewport_y1, graph.viewport_x2, graph.viewport_y2);
    if (!units.fitsWindow(config.pixel_width, config.pixel_height)) return std::nullopt;
    return units;
}

int32_t PLOT_GRAPH(const GRAPH_SETTINGS& graph, int32_t axis_count, const AXIS_SETTINGS* axes, int32_t) {
    // Step 1: the viewport, filled with the background
    const std::optional<GraphUnits> units = GRAPH_UNITS_IN_WINDOW(graph);
    if (!units) return GRAPH_OUTSIDE_WINDOW;
    SET_CLIP_RECT(units->x1(), units->y1(), units->x2(), units->y2());
    SET_COLOR(graph.background_colour);
    RECTANGLE(DRAW_FILLED, units->x1(), units->y1(), units->x2(), units->y2());
    INITIALIZE_FONTS();

    drawFrame(*units, graph);
    drawTitles(*units, graph);
    for (int a = 0; a < axis_count; ++a) drawAxis(*units, axes[a]);
    return GRAPH_OK;
}

}  // namespace korvel
