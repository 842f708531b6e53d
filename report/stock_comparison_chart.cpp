#include "report/stock_comparison_chart.h"

#include "frontends/headless/report/svg_surface.h"
#include "present/window/window_records.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

namespace korvel {

namespace {

constexpr int WIDTH = 440, HEIGHT = 240;
constexpr int LEFT = 52, RIGHT = 16, TOP = 46, BOTTOM = 30;
constexpr unsigned SOLID = 0xFFFF, DASHED = 0xF0F0, DOTTED = 0xCCCC;
constexpr int MOST_PERIOD_LABELS = 12;
// About the width of one digit of the 11-pixel face, to set labels flush right.
constexpr int DIGIT_WIDTH = 6;

struct Line {
    const char* name;
    RGB_VALUE colour;
    unsigned style;
    const std::vector<double> STOCK_COMPARISON::*values;
};

const Line LINES[] = {{"Nominal", RGB(110, 110, 110), DASHED, &STOCK_COMPARISON::nominal},
                      {"Riccati", RGB(31, 90, 180), SOLID, &STOCK_COMPARISON::riccati},
                      {"Constrained", RGB(200, 60, 20), SOLID, &STOCK_COMPARISON::constrained}};

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
    const RGB_VALUE grey = RGB(136, 136, 136), ink = RGB(34, 34, 34);
    for (const double level : {0.0, 0.5, 1.0}) {
        const double value = range.low + level * (range.high - range.low);
        const int y = scale.y(value);
        surface.line(LEFT, y, WIDTH - RIGHT, y, grey, level > 0.0 ? DOTTED : SOLID);
        const std::string label = persons(value);
        surface.text(LEFT - 4 - DIGIT_WIDTH * static_cast<int>(label.size()), y - 7, label, labelFont(), 0, ink);
    }
    const int step = (periods + MOST_PERIOD_LABELS - 1) / MOST_PERIOD_LABELS;
    for (int t = 0; t <= periods; t += step) {
        const std::string label = std::to_string(t);
        surface.text(scale.x(t) - DIGIT_WIDTH * static_cast<int>(label.size()) / 2, HEIGHT - BOTTOM + 4, label, labelFont(), 0, ink);
    }
    surface.text(WIDTH - RIGHT - 70, HEIGHT - 14, "Time periods", labelFont(), 0, ink);
}

// The name at the top left, then each line's sample and name.
void drawLegend(SvgSurface& surface, const std::string& name) {
    FONT_REQUEST bold = labelFont();
    bold.bold = true;
    surface.text(LEFT, 6, name, bold, 0, RGB(34, 34, 34));
    int x = LEFT;
    for (const Line& line : LINES) {
        surface.line(x, 29, x + 22, 29, line.colour, line.style);
        surface.line(x, 30, x + 22, 30, line.colour, line.style);
        surface.text(x + 27, 23, line.name, labelFont(), 0, RGB(34, 34, 34));
        x += 40 + DIGIT_WIDTH * static_cast<int>(std::string(line.name).size());
    }
}

// Two pixels thick, so the lines read apart from the grid.
void drawSeries(SvgSurface& surface, const Scale& scale, const std::vector<double>& values, const Line& line) {
    for (size_t t = 1; t < values.size(); ++t) {
        const int x1 = scale.x(static_cast<int>(t) - 1), x2 = scale.x(static_cast<int>(t));
        const int y1 = scale.y(values[t - 1]), y2 = scale.y(values[t]);
        surface.line(x1, y1, x2, y2, line.colour, line.style);
        surface.line(x1, y1 + 1, x2, y2 + 1, line.colour, line.style);
    }
}

AxisRange axisRangeOf(const STOCK_COMPARISON& stocks) {
    double low = HUGE_VAL, high = -HUGE_VAL;
    for (const Line& line : LINES)
        for (const double value : stocks.*line.values) {
            low = std::min(low, value);
            high = std::max(high, value);
        }
    if (low > high) return {0.0, 2.0};
    const double margin = std::max(1.0, 0.05 * (high - low));
    return {std::floor(low - margin), std::ceil(high + margin)};
}

}  // namespace

std::string STOCK_COMPARISON_SVG(const STOCK_COMPARISON& stocks) {
    const int periods = static_cast<int>(stocks.nominal.size()) - 1;
    const AxisRange range = axisRangeOf(stocks);
    const Scale scale(periods, range);
    SvgSurface surface(WIDTH, HEIGHT, "");
    surface.fill(RGB(255, 255, 255));
    drawAxes(surface, scale, range, periods);
    for (const Line& line : LINES) drawSeries(surface, scale, stocks.*line.values, line);
    drawLegend(surface, stocks.name);
    return surface.svg("Stocks of " + stocks.name + ": nominal, Riccati and constrained");
}

}  // namespace korvel
