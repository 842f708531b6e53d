#pragma once

namespace korvel {

// Builds the frame's menu bar: six menus, 31 entries. Returns the result of the last append.
bool INITIALSETTINGS();

}  // namespace korvel
