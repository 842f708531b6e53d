#include "present/graph/graph_units.h"

#include <cassert>
#include <cmath>

namespace korvel {

double MAP_X(double x, double low_x, double high_x) {
    assert(high_x > low_x);
    return PLOT_LEFT + (x - low_x) * (PLOT_RIGHT - PLOT_LEFT) / (high_x - low_x);
}

double MAP_Y(double y, double low_y, double high_y) {
    assert(high_y > low_y);
    return PLOT_BOTTOM - (y - low_y) * (PLOT_BOTTOM - PLOT_TOP) / (high_y - low_y);
}

bool GraphUnits::fitsWindow(int pixel_width, int pixel_height) const {
    return m_x1 >= 0 && m_y1 >= 0 && m_x2 > m_x1 && m_y2 > m_y1 && m_x2 < pixel_width && m_y2 < pixel_height;
}

int GraphUnits::pixelX(double units) const {
    return m_x1 + static_cast<int>(std::lround(units * (m_x2 - m_x1) / SURFACE_UNITS_WIDE));
}

int GraphUnits::pixelY(double units) const {
    return m_y1 + static_cast<int>(std::lround(units * (m_y2 - m_y1) / SURFACE_UNITS_HIGH));
}

TEXT_POSITION GraphUnits::pixel(double x_units, double y_units) const {
    return {static_cast<int16_t>(pixelX(x_units)), static_cast<int16_t>(pixelY(y_units))};
}

}  // namespace korvel
