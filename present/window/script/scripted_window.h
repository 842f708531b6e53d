#pragma once
// What the scripted layer keeps for one child window (or for drawing with no window open).

#include "present/window/window_records.h"

#include <string>

namespace korvel {

// A colour as it was set: by palette index or by packed RGB value.
struct ScriptedColour {
    bool by_index = true;
    int index = 0;
    RGB_VALUE rgb = PALETTE[0];

    // Text colours accept indices up to 255; those past the palette have no RGB value of their own.
    static ScriptedColour ofIndex(int index) { return {true, index, PALETTE[CLIP_PALETTE_INDEX(index)]}; }
    static ScriptedColour ofRgb(RGB_VALUE rgb) { return {false, 0, rgb}; }
};

// The palette index as set, or "#rrggbb" for a direct colour.
std::string colourName(const ScriptedColour& colour);
// The palette index of the colour; a direct colour outside the palette counts as 0.
int paletteIndexOf(const ScriptedColour& colour);

struct ScriptedWindow {
    std::string title;
    WINDOW_CONFIG config;
    WINDOW_PLACEMENT placement;
    // The drawing state, which a re-opened window starts afresh.
    TEXT_POSITION position;
    std::string font;  // the descriptor of the selected font; empty until one is selected
    FONT_REQUEST font_request;
    ScriptedColour colour = ScriptedColour::ofIndex(15);
    ScriptedColour text_colour = ScriptedColour::ofIndex(15);
    ScriptedColour background = ScriptedColour::ofIndex(0);
};

}  // namespace korvel
