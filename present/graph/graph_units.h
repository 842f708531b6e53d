#pragma once
// Graph units: a graph's viewport (a pixel rectangle of the window) carries a logical surface
// 10240 units wide and 7680 high, origin top-left, with the plotting area fixed inside it.

#include "present/window/window_records.h"

namespace korvel {

inline constexpr double SURFACE_UNITS_WIDE = 10240.0;
inline constexpr double SURFACE_UNITS_HIGH = 7680.0;
inline constexpr double PLOT_LEFT = 1300.0;
inline constexpr double PLOT_RIGHT = 8940.0;
inline constexpr double PLOT_TOP = 1248.0;
inline constexpr double PLOT_BOTTOM = 6032.0;
// Point labels stand this far below a horizontal axis (above one at the top).
inline constexpr double POINT_LABEL_DROP = 342.0;

// Where a point (position x, value y) falls in graph units, on axes low_x..high_x and
// low_y..high_y; each range must be wider than nothing.
double MAP_X(double x, double low_x, double high_x);
double MAP_Y(double y, double low_y, double high_y);

// The viewport x1..x2, y1..y2 in pixels; its units run from its first pixel to its last.
class GraphUnits {
public:
    GraphUnits(int x1, int y1, int x2, int y2) : m_x1(x1), m_y1(y1), m_x2(x2), m_y2(y2) {}

    // A viewport with room for a drawing and inside a window of the given size.
    bool fitsWindow(int pixel_width, int pixel_height) const;

    int pixelX(double units) const;
    int pixelY(double units) const;
    TEXT_POSITION pixel(double x_units, double y_units) const;
    double unitsPerPixelX() const { return SURFACE_UNITS_WIDE / (m_x2 - m_x1); }
    double unitsPerPixelY() const { return SURFACE_UNITS_HIGH / (m_y2 - m_y1); }

    int x1() const { return m_x1; }
    int y1() const { return m_y1; }
    int x2() const { return m_x2; }
    int y2() const { return m_y2; }

private:
    int m_x1;
    int m_y1;
    int m_x2;
    int m_y2;
};

}  // namespace korvel
