#include "report/line_chart.h"

#include "frontends/headless/report/svg_surface.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

namespace korvel {

namespace {

constexpr int WIDTH = 440, HEIGHT = 240;
constexpr int LEFT = 52, RIGHT = 16, TOP = 46, BOTTOM = 30;
constexpr int MOST_PERIOD_LABELS = 12;
// About the width of one digit of the 11-pixel face, to set labels flush right.
constexpr int DIGIT_WIDTH = 6;
constexpr RGB_VALUE GRID = RGB(136, 136, 136), INK = RGB(34, 34, 34);

// The persons the vertical axis runs over: whole numbers about every value, at least 2 apart.
struct AxisRange {
    double low = 0.0;
    double high = 0.0;
};

FONT_REQUEST labelFont() {
    FONT_REQUEST font;
    font.face = "Arial";
    font.height = 11;
    font.valid = true;
    return font;
}

class Scale {
public:
    Scale(int periods, AxisRange range) : m_periods(std::max(periods, 1)), m_range(range) {}
    int x(int period) const { return LEFT + (WIDTH - LEFT - RIGHT) * period / m_periods; }
    int y(double persons) const {
        return static_cast<int>(std::lround(TOP + (HEIGHT - TOP - BOTTOM) * (m_range.high - persons) / (m_range.high - m_range.low)));
    }

private:
    int m_periods;
    AxisRange m_range;
};

std::string persons(double value) {
    char text[32];
    std::snprintf(text, sizeof text, "%.0f", value);
    return text;
}

void drawAxes(SvgSurface& surface, const Scale& scale, AxisRange range, int periods) {
    for (const double level : {0.0, 0.5, 1.0}) {
        const double value = range.low + level * (range.high - range.low);
        const int y = scale.y(value);
        surface.line(LEFT, y, WIDTH - RIGHT, y, GRID, level > 0.0 ? DOTTED_LINE : SOLID_LINE);
        const std::string label = persons(value);
        surface.text(LEFT - 4 - DIGIT_WIDTH * static_cast<int>(label.size()), y - 7, label, labelFont(), 0, INK);
    }
    const int step = (periods + MOST_PERIOD_LABELS - 1) / MOST_PERIOD_LABELS;
    for (int t = 0; t <= periods; t += step) {
        const std::string label = std::to_string(t);
        surface.text(scale.x(t) - DIGIT_WIDTH * static_cast<int>(label.size()) / 2, HEIGHT - BOTTOM + 4, label, labelFont(), 0, INK);
    }
    surface.text(WIDTH - RIGHT - 70, HEIGHT - 14, "Time periods", labelFont(), 0, INK);
}

// The title at the top left, then each line's sample and name.
void drawLegend(SvgSurface& surface, const std::string& title, const std::vector<CHART_LINE>& lines) {
    FONT_REQUEST bold = labelFont();
    bold.bold = true;
    surface.text(LEFT, 6, title, bold, 0, INK);
    int x = LEFT;
    for (const CHART_LINE& line : lines) {
        surface.line(x, 29, x + 22, 29, line.colour, line.style);
        surface.line(x, 30, x + 22, 30, line.colour, line.style);
        surface.text(x + 27, 23, line.name, labelFont(), 0, INK);
        x += 40 + DIGIT_WIDTH * static_cast<int>(line.name.size());
    }
}

// Two pixels thick, so the lines read apart from the grid.
void drawSeries(SvgSurface& surface, const Scale& scale, const CHART_LINE& line) {
    for (size_t t = 1; t < line.values.size(); ++t) {
        const int x1 = scale.x(static_cast<int>(t) - 1), x2 = scale.x(static_cast<int>(t));
        const int y1 = scale.y(line.values[t - 1]), y2 = scale.y(line.values[t]);
        surface.line(x1, y1, x2, y2, line.colour, line.style);
        surface.line(x1, y1 + 1, x2, y2 + 1, line.colour, line.style);
    }
}

AxisRange axisRangeOf(const std::vector<CHART_LINE>& lines) {
    double low = HUGE_VAL, high = -HUGE_VAL;
    for (const CHART_LINE& line : lines)
        for (const double value : line.values) {
            low = std::min(low, value);
            high = std::max(high, value);
        }
    if (low > high) return {0.0, 2.0};
    const double margin = std::max(1.0, 0.05 * (high - low));
    return {std::floor(low - margin), std::ceil(high + margin)};
}

}  // namespace

std::string LINE_CHART_SVG(const std::string& title, const std::vector<CHART_LINE>& lines, const std::string& label) {
    size_t points = 1;
    for (const CHART_LINE& line : lines) points = std::max(points, line.values.size());
    const int periods = static_cast<int>(points) - 1;
    const AxisRange range = axisRangeOf(lines);
    const Scale scale(periods, range);
    SvgSurface surface(WIDTH, HEIGHT, "");
    surface.fill(RGB(255, 255, 255));
    drawAxes(surface, scale, range, periods);
    for (const CHART_LINE& line : lines) drawSeries(surface, scale, line);
    drawLegend(surface, title, lines);
    return surface.svg(label);
}

}  // namespace korvel
