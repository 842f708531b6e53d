#pragma once
// The dialog templates held with the program. Positions and sizes are dialog units; each
// layer converts them from the dialog font's metrics.

#include <vector>

namespace korvel {

enum class ControlKind {
    DefaultButton,
    Button,
    GroupBox,
    StaticText,
    ListBox,
    EditField,
};

struct DialogControl {
    ControlKind kind;
    int id;  // -1 for controls the program never addresses
    int x;
    int y;
    int width;
    int height;
    const char* text;
    bool sorted = false;  // list boxes only
};

struct DialogTemplate {
    int id;
    const char* title;
    int width;
    int height;
    const char* font;
    int font_size;
    std::vector<DialogControl> controls;
};

// The template with this id, or nullptr when the program holds none.
const DialogTemplate* FIND_DIALOG_TEMPLATE(int id);

}  // namespace korvel
