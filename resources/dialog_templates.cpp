#include "resources/dialog_templates.h"

#include "resources/dialog_ids.h"

namespace korvel {

namespace {

// The program's own texts, kept exactly as it shows them, misspellings included: never correct them.
// The series, the title and the vertical-axis text of a graph.
const DialogTemplate GRAPH_SERIES_TEMPLATE = {
    GRAPH_SERIES_DIALOG,
    " Graphical presentation",
    235,
    208,
    "System",
    10,
    {
        {ControlKind::StaticText, -1, 7, 10, 140, 9, "Select one or more names  "},
        {ControlKind::StaticText, -1, 7, 21, 140, 9, "(up to 8)  from the side list,"},
        {ControlKind::StaticText, -1, 7, 32, 140, 9, "to be presented in the graph."},
        {ControlKind::ListBox, GRAPH_NAME_LIST, 152, 7, 76, 96, "", true},
        {ControlKind::StaticText, -1, 7, 108, 221, 9, "Type the main title of the graph,"},
        {ControlKind::StaticText, -1, 7, 119, 221, 9, "and the indication  on the vertical axes."},
        {ControlKind::EditField, GRAPH_TITLE_FIELD, 7, 132, 221, 13, ""},
        {ControlKind::EditField, GRAPH_AXIS_FIELD, 7, 150, 130, 13, ""},
        {ControlKind::StaticText, -1, 4, 170, 229, 9, "It is advisable to maximize the graph window, activating"},
        {ControlKind::StaticText, -1, 4, 180, 229, 9, "the command \"Full screen\" of the menu {View}."},
        {ControlKind::DefaultButton, DIALOG_OK, 178, 150, 50, 14, "O K"},
    },
};

// The About box.
const DialogTemplate ABOUT_TEMPLATE = {
    ABOUT_DIALOG,
    "About....",
    186,
    70,
    "System",
    10,
    {
        {ControlKind::DefaultButton, DIALOG_OK, 80, 56, 24, 14, "OK"},
        {ControlKind::GroupBox, -1, 5, 6, 175, 46, ""},
        {ControlKind::StaticText, -1, 62, 14, 102, 8, "Korvel"},
        {ControlKind::StaticText, -1, 31, 38, 144, 8, "Written in C++ with Qt"},
    },
};

// The stage whose nominal and optimal trajectories are compared.
const DialogTemplate SINGLE_NAME_TEMPLATE = {
    SINGLE_NAME_DIALOG,
    "Selection of a single name",
    194,
    137,
    "System",
    10,
    {
        {ControlKind::DefaultButton, DIALOG_OK, 87, 123, 20, 14, "OK"},
        {ControlKind::GroupBox, -1, 5, 1, 184, 120, ""},
        {ControlKind::ListBox, SINGLE_NAME_LIST, 72, 28, 50, 86, "", true},
        {ControlKind::StaticText, -1, 32, 8, 152, 8, "From the following list, select  one name"},
        {ControlKind::StaticText, -1, 50, 16, 130, 8, "only, fore the relevant graph."},
    },
};

const DialogTemplate* const TEMPLATES[] = {&GRAPH_SERIES_TEMPLATE, &SINGLE_NAME_TEMPLATE, &ABOUT_TEMPLATE};

}  // namespace

const DialogTemplate* FIND_DIALOG_TEMPLATE(int id) {
    for (const DialogTemplate* dialog : TEMPLATES)
        if (dialog->id == id) return dialog;
    return nullptr;
}

}  // namespace korvel
