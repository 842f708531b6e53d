#include "resources/dialog_templates.h"

namespace korvel {

namespace {

// The About box.
const DialogTemplate ABOUT_BOX = {
    113,
    "About....",
    186,
    70,
    "System",
    10,
    {
        {ControlKind::DefaultButton, 1, 80, 56, 24, 14, "OK"},
        {ControlKind::GroupBox, -1, 5, 6, 175, 46, ""},
        {ControlKind::StaticText, -1, 62, 14, 102, 8, "Korvel"},
        {ControlKind::StaticText, -1, 31, 38, 144, 8, "Written in C++ with Qt"},
    },
};

const DialogTemplate* const TEMPLATES[] = {&ABOUT_BOX};

}  // namespace

const DialogTemplate* FIND_DIALOG_TEMPLATE(int id) {
    for (const DialogTemplate* dialog : TEMPLATES)
        if (dialog->id == id) return dialog;
    return nullptr;
}

}  // namespace korvel
