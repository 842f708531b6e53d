#pragma once

namespace korvel {

// Builds the frame's menu bar: six menus, 37 entries. Returns the result of the last append.
// Installs USEREXIT as the routine by which lower layers end the program.
bool INITIALSETTINGS();

}  // namespace korvel
