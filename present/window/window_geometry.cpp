#include "present/window/window_geometry.h"

#include <algorithm>

namespace korvel {

namespace {

// Clamps `value` into [1, limit]; false when it had to move.
bool clampSide(int16_t& value, int limit) {
    const int clamped = std::clamp<int>(value, 1, limit);
    const bool kept = clamped == value;
    value = static_cast<int16_t>(clamped);
    return kept;
}

int16_t toSide(long value) { return static_cast<int16_t>(std::min<long>(value, MAX_SURFACE_SIDE)); }

}  // namespace

bool RESOLVE_WINDOW_CONFIG(WINDOW_CONFIG& config, int screen_width, int screen_height) {
    bool exact = true;
    if (config.text_columns == -1) config.text_columns = toSide(std::max(1, screen_width / CELL_WIDTH));
    if (config.text_rows == -1) config.text_rows = toSide(std::max(1, screen_height / CELL_HEIGHT));
    exact &= clampSide(config.text_columns, MAX_SURFACE_SIDE / CELL_WIDTH);
    exact &= clampSide(config.text_rows, MAX_SURFACE_SIDE / CELL_HEIGHT);
    if (config.pixel_width == -1) config.pixel_width = toSide(long{config.text_columns} * CELL_WIDTH);
    if (config.pixel_height == -1) config.pixel_height = toSide(long{config.text_rows} * CELL_HEIGHT);
    exact &= clampSide(config.pixel_width, MAX_SURFACE_SIDE);
    exact &= clampSide(config.pixel_height, MAX_SURFACE_SIDE);
    if (config.colour_count == -1) config.colour_count = 256;
    if (config.font_size == -1) config.font_size = (CELL_WIDTH << 16) | CELL_HEIGHT;
    config.bits_per_pixel = 32;
    return exact;
}

}  // namespace korvel
