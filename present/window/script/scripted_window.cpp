#include "present/window/script/scripted_window.h"

#include <cstdio>

namespace korvel {

std::string colourName(const ScriptedColour& colour) {
    if (colour.by_index) return std::to_string(colour.index);
    char name[8];
    std::snprintf(name, sizeof name, "#%02x%02x%02x", RED_OF(colour.rgb), GREEN_OF(colour.rgb), BLUE_OF(colour.rgb));
    return name;
}

int paletteIndexOf(const ScriptedColour& colour) {
    if (colour.by_index) return colour.index;
    for (int index = 0; index < 16; ++index)
        if (PALETTE[index] == colour.rgb) return index;
    return 0;
}

}  // namespace korvel
