#include "present/graph/graph_strokes.h"

#include "base/fixed_text.h"
#include "present/graph/graph_settings.h"
#include "present/window/window_layer.h"

#include <cmath>

namespace korvel {

namespace {

constexpr unsigned DASH_MASKS[] = {0xFFFF, 0xEEEE, 0xECEC, 0xECCC, 0xAAAA};
constexpr int PLAIN_STYLES = 5;
constexpr unsigned SOLID = 0xFFFF;
constexpr double THICK_SPACING = 16.0;

constexpr double SQUARE_HALF_SIDE = 48.0;
constexpr double MARKER_HALF_SIZE = 64.0;

enum Marker : int {
    SQUARE = 1,
    TRIANGLE_UP = 2,
    TRIANGLE_DOWN = 3,
    CIRCLE = 4,
    PLUS = 5,
    CROSS = 6,
    FILLED_SQUARE = 7,
    FILLED_TRIANGLE_UP = 8,
    FILLED_TRIANGLE_DOWN = 9,
    FILLED_DIAMOND = 10,
};


void segment(const GraphUnits& units, UnitPoint from, UnitPoint to) {
    MOVE_TO(units.pixelX(from.x), units.pixelY(from.y));
    LINE_TO(units.pixelX(to.x), units.pixelY(to.y));
}

// One segment as three strokes, the outer two moved 16 units each way across it.
void thickSegment(const GraphUnits& units, UnitPoint from, UnitPoint to) {
    const double dx = to.x - from.x;
    const double dy = to.y - from.y;
    const double length = std::hypot(dx, dy);
    // A segment of no length has no across; any direction serves.
    const double nx = length > 0 ? -dy / length : 0.0;
    const double ny = length > 0 ? dx / length : 1.0;
    for (const double offset : {-THICK_SPACING, 0.0, THICK_SPACING}) {
        segment(units, {from.x + nx * offset, from.y + ny * offset}, {to.x + nx * offset, to.y + ny * offset});
    }
}

std::vector<TEXT_POSITION> pixels(const GraphUnits& units, std::initializer_list<UnitPoint> corners) {
    std::vector<TEXT_POSITION> result;
    for (const UnitPoint& corner : corners) result.push_back(units.pixel(corner.x, corner.y));
    return result;
}

void triangle(const GraphUnits& units, UnitPoint c, double pointing, int mode) {
    const double h = MARKER_HALF_SIZE;
    POLYGON(mode, pixels(units, {{c.x, c.y - pointing * h}, {c.x + h, c.y + pointing * h}, {c.x - h, c.y + pointing * h}}));
}

void square(const GraphUnits& units, UnitPoint c, int mode) {
    const double h = SQUARE_HALF_SIDE;
    RECTANGLE(mode, units.pixelX(c.x - h), units.pixelY(c.y - h), units.pixelX(c.x + h), units.pixelY(c.y + h));
}

}  // namespace

unsigned LINE_MASK(int line_type) {
    if (line_type < 1 || line_type > 2 * PLAIN_STYLES) return SOLID;
    return DASH_MASKS[(line_type - 1) % PLAIN_STYLES];
}

bool IS_THICK_LINE(int line_type) { return line_type > PLAIN_STYLES && line_type <= 2 * PLAIN_STYLES; }

void DRAW_POLYLINE(const GraphUnits& units, const std::vector<UnitPoint>& points, int line_type, int colour) {
    SET_COLOR(colour);
    SET_LINE_STYLE(LINE_MASK(line_type));
    for (size_t i = 1; i < points.size(); ++i) {
        if (IS_THICK_LINE(line_type))
            thickSegment(units, points[i - 1], points[i]);
        else
            segment(units, points[i - 1], points[i]);
    }
    SET_LINE_STYLE(SOLID);
}

void DRAW_MARKER(const GraphUnits& units, UnitPoint c, int marker_type, int colour) {
    const double h = MARKER_HALF_SIZE;
    SET_COLOR(colour);
    SET_LINE_STYLE(SOLID);
    switch (marker_type) {
    case SQUARE: square(units, c, DRAW_OUTLINE); break;
    case FILLED_SQUARE: square(units, c, DRAW_FILLED); break;
    case TRIANGLE_UP: triangle(units, c, 1.0, DRAW_OUTLINE); break;
    case FILLED_TRIANGLE_UP: triangle(units, c, 1.0, DRAW_FILLED); break;
    case TRIANGLE_DOWN: triangle(units, c, -1.0, DRAW_OUTLINE); break;
    case FILLED_TRIANGLE_DOWN: triangle(units, c, -1.0, DRAW_FILLED); break;
    case CIRCLE:
        ELLIPSE(DRAW_OUTLINE, units.pixelX(c.x - SQUARE_HALF_SIDE), units.pixelY(c.y - SQUARE_HALF_SIDE),
                units.pixelX(c.x + SQUARE_HALF_SIDE), units.pixelY(c.y + SQUARE_HALF_SIDE));
        break;
    case PLUS:
        segment(units, {c.x - h, c.y}, {c.x + h, c.y});
        segment(units, {c.x, c.y - h}, {c.x, c.y + h});
        break;
    case CROSS:
        segment(units, {c.x - h, c.y - h}, {c.x + h, c.y + h});
        segment(units, {c.x - h, c.y + h}, {c.x + h, c.y - h});
        break;
    case FILLED_DIAMOND:
        POLYGON(DRAW_FILLED, pixels(units, {{c.x, c.y - h}, {c.x + h, c.y}, {c.x, c.y + h}, {c.x - h, c.y}}));
        break;
    default: break;
    }
}

void DRAW_TEXT_AT(const GraphUnits& units, double x, double y, const std::string& text, int font, int colour) {
    GRAPH_FONT(font);
    SET_COLOR(colour);
    MOVE_TO(units.pixelX(x), units.pixelY(y));
    DRAW_TEXT(text);
}

void DRAW_CENTRED_TEXT(const GraphUnits& units, double x, double y, const std::string& text, int font, int colour) {
    const std::string shown = TRIM_BLANKS(text);
    GRAPH_FONT(font);
    SET_COLOR(colour);
    MOVE_TO(units.pixelX(x) - TEXT_WIDTH(shown) / 2, units.pixelY(y));
    DRAW_TEXT(shown);
}

}  // namespace korvel
