#pragma once
// What the scripted layer keeps for one child window (or for drawing with no window open).

#include "present/window/colour_setting.h"
#include "present/window/window_records.h"

#include <string>

namespace korvel {

// The palette index as set, or "#rrggbb" for a direct colour.
std::string colourName(const ColourSetting& colour);

struct ScriptedWindow {
    std::string title;
    WINDOW_CONFIG config;
    WINDOW_PLACEMENT placement;
    // The drawing state, which a re-opened window starts afresh.
    TEXT_POSITION position;
    std::string font;  // the descriptor of the selected font; empty until one is selected
    FONT_REQUEST font_request;
    ColourSetting colour{15};
    ColourSetting text_colour{15, 255};
    ColourSetting background{0};
    // While a result-table page or a graph is drawn, its record stands for its drawing.
    bool table_page = false;
    bool graph_page = false;
    bool drawingRecorded() const { return table_page || graph_page; }
};

}  // namespace korvel
