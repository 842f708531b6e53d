#pragma once
// What a layer that answers for the user gives the waits no scenario needs to name, and the
// fixed text metrics it measures with, so that the scripted and the report layer lay out and
// answer alike.

#include "present/window/window_records.h"

#include <string>

namespace korvel {

// The event a user gives a mouse wait: a left press for the table pages and graphs, a right
// press for the notices, otherwise the lowest event asked for.
MOUSE_RESULT AUTOMATIC_MOUSE_ANSWER(int mask);

// The index of `face` among the faces such a layer has installed; -1 when it has none of it.
int INSTALLED_FACE_INDEX(const std::string& face);
// How many faces that is.
int INSTALLED_FACE_COUNT();

// The width of `text` (up to its first zero byte) in `font`: its characters times the font's
// width, or a fixed share of its height when it gives none, or the text cell's width.
int FIXED_TEXT_WIDTH(const FONT_REQUEST& font, const std::string& text);

}  // namespace korvel
