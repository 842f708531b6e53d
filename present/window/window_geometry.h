#pragma once
// How a child window's configuration request is resolved: shared by both layer implementations
// so that the scripted layer answers exactly as the desktop one does.

#include "present/window/window_records.h"

namespace korvel {

// The default character cell of a child window's text buffer, in pixels.
inline constexpr int CELL_WIDTH = 8;
inline constexpr int CELL_HEIGHT = 16;
// The largest surface side a window accepts.
inline constexpr int MAX_SURFACE_SIDE = 32767;

// Resolves the -1 ("largest" or "default") fields of `config` against the screen size and clamps
// what exceeds the limits. Returns true when the request was met as given; false when a field
// had to be adjusted (the record then holds the adjusted values, which a second call accepts).
bool RESOLVE_WINDOW_CONFIG(WINDOW_CONFIG& config, int screen_width, int screen_height);

}  // namespace korvel
