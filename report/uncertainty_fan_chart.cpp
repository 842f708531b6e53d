#include "report/uncertainty_fan_chart.h"

#include "frontends/headless/report/svg_surface.h"

#include <algorithm>
#include <cstdio>

namespace korvel {

namespace {

constexpr double WIDTH = 360, HEIGHT = 210;
constexpr double LEFT = 58, RIGHT = 30, TOP = 24, BOTTOM = 26;
constexpr const char* BAND_FILL = "#9ecae1";
constexpr const char* POINT_STROKE = "#08306b";
constexpr const char* MEDIAN_STROKE = "#3182bd";

std::string number(double value, const char* format = "%.1f") {
    char text[32];
    std::snprintf(text, sizeof text, format, value);
    return text;
}

// The plot's coordinates: periods across, persons from 0 to the top of every band upwards.
class Scale {
public:
    Scale(int periods, double top) : m_periods(std::max(periods, 1)), m_top(top > 0.0 ? top : 1.0) {}
    double x(double period) const { return LEFT + (WIDTH - LEFT - RIGHT) * period / m_periods; }
    double y(double persons) const { return TOP + (HEIGHT - TOP - BOTTOM) * (1.0 - persons / m_top); }
    double top() const { return m_top; }

private:
    int m_periods;
    double m_top;
};

std::string polyline(const std::vector<double>& values, const Scale& scale, const char* stroke, const char* extra) {
    std::string points;
    for (size_t t = 0; t < values.size(); ++t)
        points += (t > 0 ? " " : "") + number(scale.x(static_cast<double>(t))) + ',' + number(scale.y(values[t]));
    return std::string("<polyline fill=\"none\" stroke=\"") + stroke + "\" stroke-width=\"1.5\"" + extra + " points=\"" +
           points + "\"/>\n";
}

std::string bandPolygon(const std::vector<BAND>& bands, const Scale& scale) {
    std::string points;
    for (size_t t = 0; t < bands.size(); ++t)
        points += number(scale.x(static_cast<double>(t))) + ',' + number(scale.y(bands[t].p95)) + ' ';
    for (size_t t = bands.size(); t-- > 0;)
        points += number(scale.x(static_cast<double>(t))) + ',' + number(scale.y(bands[t].p5)) + (t > 0 ? " " : "");
    return std::string("<polygon fill=\"") + BAND_FILL + "\" stroke=\"none\" points=\"" + points + "\"/>\n";
}

std::string text(double x, double y, const std::string& content, const char* anchor) {
    return "<text x=\"" + number(x) + "\" y=\"" + number(y) + "\" text-anchor=\"" + anchor + "\">" + XML_ESCAPED(content) +
           "</text>\n";
}

// The frame with the persons at the bottom, middle and top, the first and last period and the
// series' name.
std::string axes(const Scale& scale, int periods, const std::string& name) {
    std::string svg = "<g stroke=\"#888\" stroke-width=\"1\">\n";
    for (const double level : {0.0, 0.5, 1.0}) {
        const double y = scale.y(level * scale.top());
        svg += "<line x1=\"" + number(LEFT) + "\" y1=\"" + number(y) + "\" x2=\"" + number(WIDTH - RIGHT) + "\" y2=\"" +
               number(y) + "\"" + (level > 0.0 ? " stroke-dasharray=\"2,3\"" : "") + "/>\n";
    }
    svg += "</g>\n<g font-family=\"Arial, 'Liberation Sans', sans-serif\" font-size=\"11\" fill=\"#222\">\n";
    for (const double level : {0.0, 0.5, 1.0})
        svg += text(LEFT - 4, scale.y(level * scale.top()) + 4, number(level * scale.top(), "%.0f"), "end");
    svg += text(scale.x(0), HEIGHT - 8, "0", "middle") + text(scale.x(periods), HEIGHT - 8, std::to_string(periods), "middle");
    return svg + text(LEFT, 15, name, "start") + "</g>\n";
}

}  // namespace

FAN_CHART_SERIES FAN_CHART_SERIES_OF(const PROJECTION_BANDS& bands, int k, const std::string& name) {
    FAN_CHART_SERIES series;
    series.name = name;
    for (int t = 0; t <= bands.periods; ++t) {
        series.bands.push_back(bands.stocks[static_cast<size_t>(BAND_INDEX(bands.n, t, k))]);
        series.point.push_back(bands.point[static_cast<size_t>(BAND_INDEX(bands.n, t, k))]);
    }
    if (!bands.steady.empty()) series.steady = bands.steady[static_cast<size_t>(k - 1)];
    if (!bands.steady_point.empty()) series.steady_point = bands.steady_point[static_cast<size_t>(k - 1)];
    return series;
}

std::string FAN_CHART_SVG(const FAN_CHART_SERIES& series) {
    const int periods = static_cast<int>(series.bands.size()) - 1;
    double top = 0.0;
    for (size_t t = 0; t < series.bands.size(); ++t) top = std::max({top, series.bands[t].p95, series.point[t]});
    if (series.steady) top = std::max(top, series.steady->p95);
    if (series.steady_point) top = std::max(top, *series.steady_point);
    const Scale scale(periods, top * 1.05);

    std::vector<double> medians;
    for (const BAND& band : series.bands) medians.push_back(band.p50);
    std::string svg = "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"" + number(WIDTH, "%.0f") + "\" height=\"" +
                      number(HEIGHT, "%.0f") + "\" viewBox=\"0 0 " + number(WIDTH, "%.0f") + ' ' + number(HEIGHT, "%.0f") +
                      "\" role=\"img\" aria-label=\"" + XML_ESCAPED("Stock bands of " + series.name) + "\">\n" +
                      "<rect width=\"100%\" height=\"100%\" fill=\"#fff\"/>\n";
    svg += bandPolygon(series.bands, scale);
    svg += axes(scale, periods, series.name);
    svg += polyline(medians, scale, MEDIAN_STROKE, " stroke-dasharray=\"4,3\"");
    svg += polyline(series.point, scale, POINT_STROKE, "");
    // The steady state beside the last period: its band as a bar, the point estimate as a tick.
    const double x = WIDTH - RIGHT / 2;
    if (series.steady)
        svg += "<line x1=\"" + number(x) + "\" y1=\"" + number(scale.y(series.steady->p5)) + "\" x2=\"" + number(x) +
               "\" y2=\"" + number(scale.y(series.steady->p95)) + "\" stroke=\"" + BAND_FILL + "\" stroke-width=\"8\"/>\n";
    if (series.steady_point)
        svg += "<line x1=\"" + number(x - 6) + "\" y1=\"" + number(scale.y(*series.steady_point)) + "\" x2=\"" +
               number(x + 6) + "\" y2=\"" + number(scale.y(*series.steady_point)) + "\" stroke=\"" + POINT_STROKE +
               "\" stroke-width=\"2\"/>\n";
    return svg + "</svg>";
}

}  // namespace korvel
