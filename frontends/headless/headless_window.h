#pragma once
// What a headless layer keeps for one child window (or for drawing with no window open).

#include "present/window/colour_setting.h"
#include "present/window/window_records.h"

#include <string>

namespace korvel {

// A fresh window draws and writes in the palette's white on its black.
inline constexpr int DEFAULT_INK = 15;
inline constexpr int DEFAULT_PAPER = 0;
// Text colours take indices past the palette, shown as its last colour.
inline constexpr int LAST_TEXT_INK = 255;
inline constexpr unsigned SOLID_LINE = 0xFFFFu;

struct HeadlessWindow {
    std::string title;
    WINDOW_CONFIG config;
    WINDOW_PLACEMENT placement;
    // The drawing state, which a re-opened window starts afresh.
    TEXT_POSITION position;
    std::string font;  // the descriptor of the selected font; empty until one is selected
    FONT_REQUEST font_request;
    ColourSetting colour{DEFAULT_INK};
    ColourSetting text_colour{DEFAULT_INK, LAST_TEXT_INK};
    ColourSetting background{DEFAULT_PAPER};
    unsigned line_style = SOLID_LINE;
    // While a result-table page or a graph is drawn, its record stands for its drawing.
    bool table_page = false;
    bool graph_page = false;
    bool drawingRecorded() const { return table_page || graph_page; }
};

}  // namespace korvel
