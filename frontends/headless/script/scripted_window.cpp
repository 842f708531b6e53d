#include "frontends/headless/script/scripted_window.h"

#include <cstdio>

namespace korvel {

std::string colourName(const ColourSetting& colour) {
    if (colour.byIndex()) return std::to_string(colour.index());
    char name[8];
    std::snprintf(name, sizeof name, "#%02x%02x%02x", RED_OF(colour.rgb()), GREEN_OF(colour.rgb()), BLUE_OF(colour.rgb()));
    return name;
}

}  // namespace korvel
