#include "present/graph/graph_commands.h"

#include "model/messages.h"
#include "present/graph/picked_names.h"
#include "present/window/window_layer.h"
#include "resources/dialog_ids.h"

#include <cassert>
#include <vector>

namespace korvel {

FixedText<60> GRAPH_TITLE;
FixedText<25> GRAPH_AXIS_TEXT;

namespace {

constexpr const char* NOTICE_FONT = "t'Arial'h19w8i";
constexpr int NOTICE_PAUSE = 3200;
constexpr const char* X_TITLE = "Time period t";

struct Message {
    const char* text;
    const char* caption;
    int style;
};

// The program's own texts, kept exactly as it shows them, misspellings included: never correct them.
const Message NO_DATAFILE = {" Attention ! First you have to open the datafile ", " Datafile has not opened ",
                             MB_EXCLAMATION};
const Message NO_TEMPLATE = {" The relevant dialog box does not exist ", " The proper dialog box has not found ",
                             MB_EXCLAMATION};
const Message TOO_MANY = {"You have aske a graph of too many (>8) variables", "The graph is not going to be presented ",
                          MB_INFORMATION};

// The names picked in the dialog, in the order of the picks, while it is open.
std::vector<Label> g_picks;

// A message, then the wait for the right button in the indications window.
void refuse(const Message& message) {
    SHOW_MESSAGE(message.text, message.caption, message.style);
    FOCUS_CHANNEL(INDICATIONS_WINDOW);
    WAIT_MOUSE_EVENT(MOUSE_RIGHT_DOWN);
}

void noNamesNotice() {
    SHOW_NOTICE(NOTICE_FONT, true,
                {{30, 40, "  CONSIDER THE NUMBER OF VARIABLES YOU  "},
                 {30, 60, "CHOOSEN TO BE PRESENTED IN A SINGL GRAPH. "},
                 {30, 80, "   Try again in the right way."}},
                NOTICE_PAUSE);
    FOCUS_CHANNEL(INDICATIONS_WINDOW);
    WAIT_MOUSE_EVENT(MOUSE_RIGHT_DOWN);
}

std::string shownName(const std::string& name) { return TRIM_RIGHT(TEXT_BEFORE_ZERO(name)); }

// The buffer series whose name in `list` is `name`; 0 when none is.
int seriesNamed(const Vector<Label, MAX_STAGES + 1>& list, int entries, const Label& name) {
    for (int k = 1; k <= entries; ++k)
        if (shownName(list(k).text()) == shownName(name.text())) return k;
    return 0;
}

// Steps 4-6: the dialog, and the names kept from its picks.
std::vector<Label> askForNames(DIALOG& dialog, const Vector<Label, MAX_STAGES + 1>& list, int entries) {
    DIALOG_SET_COUNT(dialog, GRAPH_NAME_LIST, entries);
    for (int k = 1; k <= entries; ++k) DIALOG_SET_TEXT(dialog, GRAPH_NAME_LIST, list(k).text(), k);
    g_picks.clear();
    for (const int control : {GRAPH_NAME_LIST, GRAPH_TITLE_FIELD, GRAPH_AXIS_FIELD, DIALOG_OK})
        DIALOG_SET_CALLBACK(dialog, control, GETPLOTN);
    DIALOG_MODAL(dialog);
    DIALOG_UNINIT(dialog);
    std::vector<Label> kept = KEEP_LAST_PICKS(g_picks);
    g_picks.clear();
    return kept;
}

// Point p does not exist in any of the m series (a projection marks it missing).
bool pointMissing(const GraphValues& values, int p, int m) {
    if (m == 0) return false;
    for (int s = 1; s <= m; ++s)
        if (values(p, s) != MISSING_VALUE) return false;
    return true;
}

// Step 8: the kept names' own series of GRAPH_VALUES, in the order of the names.
void drawChosen(const std::vector<Label>& chosen, const Vector<Label, MAX_STAGES + 1>& list, int entries) {
    int points = Q_GRAPH_MODE ? PERIOD_COUNT + 1 : PERIOD_COUNT + 2;
    for (int p = 1; p <= PERIOD_COUNT + 2; ++p) ROW_NUMBERS(p) = p - 1;
    GraphValues values;
    GraphNames names;
    int m = 0;
    for (const Label& name : chosen) {
        const int k = seriesNamed(list, entries, name);
        assert(k >= 1 && k <= MAX_GRAPH_SERIES && "a graph is drawn only while N + 1 series fit the buffer");
        ++m;
        names(m) = name;
        for (int p = 1; p <= points; ++p) values(p, m) = GRAPH_VALUES(p, k);
    }
    // The points that exist come first: a model without a steady state ends at period T.
    while (points > 1 && pointMissing(values, points, m)) --points;
    FixedText<20> x_title;
    x_title.assign(X_TITLE);
    GRAPHS(values, names, points, m, 0, x_title, false, GRAPH_TITLE, GRAPH_AXIS_TEXT);
}

void requestGraph(Logical& request) {
    GRAPH_TITLE.assign("");
    GRAPH_AXIS_TEXT.assign("");
    request = true;
}

// The edit text of `control`, blank-padded to the buffer's length.
template <int N>
void readField(DIALOG& dialog, int control, FixedText<N>& field) {
    std::string buffer(static_cast<size_t>(N), ' ');
    DIALOG_GET_TEXT(dialog, control, buffer);
    field.assign(buffer);
}

}  // namespace

void PLOTSTOCK(bool) { requestGraph(STOCK_GRAPH_REQUESTED); }

void PLOTWASTE(bool) { requestGraph(OUTFLOW_GRAPH_REQUESTED); }

void PLOTSTOCK_Q(bool) { requestGraph(Q_GRAPH_MODE); }

void PLOTVARCALL0(int n) {
    assert(n >= 1 && n <= MAX_STAGES);
    // Steps 1-3: the checks
    g_picks.clear();
    if (!DATAFILE_OPEN) {
        refuse(NO_DATAFILE);
        return;
    }
    DIALOG dialog;
    if (!DIALOG_INIT(GRAPH_SERIES_DIALOG, dialog)) {
        refuse(NO_TEMPLATE);
        return;
    }
    // Steps 4-6: the names
    const Vector<Label, MAX_STAGES + 1>& list = STOCK_GRAPH_REQUESTED || Q_GRAPH_MODE ? X_SERIES_NAMES : W_SERIES_NAMES;
    const std::vector<Label> chosen = askForNames(dialog, list, n + 1);
    // Steps 7-9: the graph
    if (chosen.empty()) noNamesNotice();
    if (static_cast<int>(chosen.size()) <= MAX_DRAWN_SERIES) {
        drawChosen(chosen, list, n + 1);
        return;
    }
    SHOW_MESSAGE(TOO_MANY.text, TOO_MANY.caption, TOO_MANY.style);
    STOCK_GRAPH_REQUESTED = false;
    OUTFLOW_GRAPH_REQUESTED = false;
}

void GETPLOTN(DIALOG& dialog, int control_id, int) {
    switch (control_id) {
    case GRAPH_NAME_LIST: {
        std::string picked(static_cast<size_t>(LABEL_LENGTH), ' ');
        if (DIALOG_GET_TEXT(dialog, GRAPH_NAME_LIST, picked)) g_picks.emplace_back().assign(picked);
        break;
    }
    case GRAPH_TITLE_FIELD: readField(dialog, GRAPH_TITLE_FIELD, GRAPH_TITLE); break;
    case GRAPH_AXIS_FIELD: readField(dialog, GRAPH_AXIS_FIELD, GRAPH_AXIS_TEXT); break;
    case DIALOG_OK: DIALOG_EXIT(dialog); break;
    default: break;
    }
}

}  // namespace korvel
