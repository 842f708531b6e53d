#include "frontends/headless/automatic_answers.h"

#include "base/fixed_text.h"
#include "present/window/window_geometry.h"

#include <algorithm>
#include <cmath>
#include <iterator>

namespace korvel {

namespace {

constexpr const char* INSTALLED_FACES[] = {
    "Arial", "Arial Greek", "Times New Roman", "Times New Roman Greek", "Courier New", "Courier New Greek",
};

// Width of one character when a font gives only its height.
constexpr double PROPORTIONAL_WIDTH = 0.55;

}  // namespace

MOUSE_RESULT AUTOMATIC_MOUSE_ANSWER(int mask) {
    MOUSE_RESULT result;
    if (mask & MOUSE_LEFT_DOWN) {
        result.event = MOUSE_LEFT_DOWN;
    } else if (mask & MOUSE_RIGHT_DOWN) {
        result.event = MOUSE_RIGHT_DOWN;
    } else {
        result.event = mask & -mask;
    }
    if (result.event & (MOUSE_LEFT_DOWN | MOUSE_LEFT_DOUBLE)) result.key_state = KEY_LEFT_BUTTON;
    if (result.event & (MOUSE_RIGHT_DOWN | MOUSE_RIGHT_DOUBLE)) result.key_state = KEY_RIGHT_BUTTON;
    return result;
}

int INSTALLED_FACE_INDEX(const std::string& face) {
    const auto found = std::find(std::begin(INSTALLED_FACES), std::end(INSTALLED_FACES), face);
    return found == std::end(INSTALLED_FACES) ? -1 : static_cast<int>(found - std::begin(INSTALLED_FACES));
}

int INSTALLED_FACE_COUNT() { return static_cast<int>(std::size(INSTALLED_FACES)); }

int FIXED_TEXT_WIDTH(const FONT_REQUEST& font, const std::string& text) {
    const int characters = CHARACTER_COUNT(TEXT_BEFORE_ZERO(text));
    if (font.width > 0) return characters * font.width;
    if (font.height > 0) return static_cast<int>(std::lround(characters * PROPORTIONAL_WIDTH * font.height));
    return characters * CELL_WIDTH;
}

}  // namespace korvel
