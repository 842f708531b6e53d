#pragma once
// The records the window layer exchanges with the rest of Korvel.

#include <cstdint>
#include <string>
#include <vector>

namespace korvel {

// Configuration of the active child window; -1 asks for the largest (or default) value.
struct WINDOW_CONFIG {
    int16_t pixel_width = -1;
    int16_t pixel_height = -1;
    int16_t text_columns = -1;
    int16_t text_rows = -1;
    int16_t colour_count = -1;
    int32_t font_size = -1;
    std::string title;  // up to 80 characters
    int16_t bits_per_pixel = 0;
};

// Placement kinds of WINDOW_PLACEMENT.
enum PlacementKind : int16_t {
    PLACE_MAXIMIZED = 2,
    PLACE_POSITION_AND_SIZE = 4,
};

// Frame: pixels; child: character cells.
struct WINDOW_PLACEMENT {
    int16_t kind = 0;
    int16_t x = 0;
    int16_t y = 0;
    int16_t height = 0;
    int16_t width = 0;
};

struct TEXT_POSITION {
    int16_t x = 0;
    int16_t y = 0;
};

// Outer screen rectangle of a window.
struct WINDOW_RECT {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;
};

// A direct colour: red in bits 0-7, green in bits 8-15, blue in bits 16-23.
using RGB_VALUE = int32_t;

constexpr RGB_VALUE RGB(int red, int green, int blue) {
    return (red & 0xFF) | ((green & 0xFF) << 8) | ((blue & 0xFF) << 16);
}
constexpr int RED_OF(RGB_VALUE value) { return value & 0xFF; }
constexpr int GREEN_OF(RGB_VALUE value) { return (value >> 8) & 0xFF; }
constexpr int BLUE_OF(RGB_VALUE value) { return (value >> 16) & 0xFF; }

// The standard 16-colour palette, by index.
inline constexpr RGB_VALUE PALETTE[16] = {
    RGB(0, 0, 0),       RGB(0, 0, 128),   RGB(0, 128, 0),   RGB(0, 128, 128),
    RGB(128, 0, 0),     RGB(128, 0, 128), RGB(128, 128, 0), RGB(192, 192, 192),
    RGB(128, 128, 128), RGB(0, 0, 255),   RGB(0, 255, 0),   RGB(0, 255, 255),
    RGB(255, 0, 0),     RGB(255, 0, 255), RGB(255, 255, 0), RGB(255, 255, 255),
};

// The palette's colours by name.
enum PaletteColour : int {
    BLACK = 0,
    DARK_BLUE = 1,
    DARK_GREEN = 2,
    DARK_CYAN = 3,
    DARK_RED = 4,
    DARK_MAGENTA = 5,
    DARK_YELLOW = 6,
    LIGHT_GREY = 7,
    DARK_GREY = 8,
    BLUE = 9,
    GREEN = 10,
    CYAN = 11,
    RED = 12,
    MAGENTA = 13,
    YELLOW = 14,
    WHITE = 15,
};

// An index outside the palette is clipped to its nearest end.
constexpr int CLIP_PALETTE_INDEX(int index) { return index < 0 ? 0 : (index > 15 ? 15 : index); }

// A parsed FONT_DESCRIPTOR such as "t'Arial'h19w8i".
struct FONT_REQUEST {
    std::string face;
    int height = 0;  // pixels; 0 when absent
    int width = 0;   // pixels; 0 keeps the face's own proportion
    bool bold = false;
    bool italic = false;
    bool valid = false;  // false when the descriptor cannot be parsed
};

// Draw modes of RECTANGLE, ELLIPSE and POLYGON.
enum DrawMode : int {
    DRAW_OUTLINE = 2,
    DRAW_FILLED = 3,
};

// Mouse event bits of WAIT_MOUSE_EVENT.
enum MouseEvent : int {
    MOUSE_LEFT_DOWN = 1,
    MOUSE_LEFT_UP = 2,
    MOUSE_LEFT_DOUBLE = 4,
    MOUSE_RIGHT_DOWN = 8,
    MOUSE_RIGHT_UP = 16,
    MOUSE_RIGHT_DOUBLE = 32,
    MOUSE_MOVE = 64,
};

// The buttons held in MOUSE_RESULT's key state.
enum KeyState : int {
    KEY_LEFT_BUTTON = 1,
    KEY_RIGHT_BUTTON = 2,
};

struct MOUSE_RESULT {
    int event = 0;      // the bit of the event that occurred
    int key_state = 0;  // the KeyState of the buttons pressed
    int x = 0;
    int y = 0;
};

// Message box styles in use.
enum MessageStyle : int {
    MB_PLAIN = 0,
    MB_STOP = 16,
    MB_EXCLAMATION = 48,
    MB_INFORMATION = 64,
};

// Menu item flags.
enum MenuFlags : int {
    MENU_ITEM = 4,
    MENU_SEPARATOR = 8,
    MENU_CHECKED = 16,
    MENU_UNCHECKED = 32,
    MENU_ITEM_CHECKED = 20,
};

// Standard frame commands for WINDOW_MENU_COMMAND.
enum FrameCommand : int {
    FRAME_STATUS_BAR = 1,
    FRAME_TILE = 2,
    FRAME_CASCADE = 3,
    FRAME_ARRANGE_ICONS = 4,
};

// Exit behaviour of SET_EXIT_BEHAVIOUR.
enum ExitBehaviour : int {
    EXIT_ASK = 1,
    EXIT_CLOSE = 2,
    EXIT_KEEP_OPEN = 3,
};

// A filter of the file-open dialog: its label and its patterns separated by ';'.
struct FILE_FILTER {
    std::string label;
    std::string patterns;
};

struct FILE_DIALOG_REQUEST {
    std::string title;
    std::string initial_path;  // the selection buffer's current content
    std::string default_extension;
    std::vector<FILE_FILTER> filters;
    int initial_filter = 1;
    bool path_must_exist = true;
    bool show_read_only = true;
};

struct FILE_DIALOG_RESULT {
    bool chosen = false;  // false: cancelled or the dialog failed
    std::string path;
    bool read_only = false;
};

struct DATE_TIME {
    std::string date;  // CCYYMMDD
    std::string time;  // hhmmss.sss
    std::string zone;  // +hhmm
    int values[8] = {};  // year, month, day, offset in minutes, hour, minute, second, millisecond
};

// A modal dialog built from a template. The layer keeps its controls; `handle` names them.
struct DIALOG {
    int template_id = 0;
    int handle = 0;
};

// Callback kinds passed to a dialog callback.
enum DialogCallbackKind : int {
    DIALOG_CHANGE = 1,  // a list selection or an edit text changed
    DIALOG_CLICKED = 2,  // a button was clicked
};

// A menu command routine receives the check state its entry had when chosen.
using MENU_ROUTINE = void (*)(bool checked);
using DIALOG_CALLBACK = void (*)(DIALOG& dialog, int control_id, int callback_kind);

// The list-box index through which DIALOG_SET_COUNT sets the number of entries.
inline constexpr int DIALOG_NUM_ITEMS = -13;

}  // namespace korvel
