#include "frontends/headless/script/scripted_window_layer.h"

#include "frontends/headless/script/script_failure.h"
#include "present/window/window_geometry.h"
#include "resources/dialog_ids.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdio>

namespace korvel {

namespace {

// Frame decorations around its client area, in pixels.
constexpr int FRAME_BORDER = 4;
constexpr int FRAME_TOP = 42;  // title bar and menu bar
constexpr int STATUS_BAR_HEIGHT = 20;
// A child window's decorations around its drawing surface: borders, title bar, scroll bars.
constexpr int CHILD_EXTRA_WIDTH = 35;
constexpr int CHILD_EXTRA_HEIGHT = 57;

// The one date every scripted run sees.
constexpr int FIXED_YEAR = 2000;
constexpr int FIXED_MONTH = 3;
constexpr int FIXED_DAY = 14;
constexpr int FIXED_HOUR = 10;

// The palette index as set, or "#rrggbb" for a direct colour.
std::string colourName(const ColourSetting& colour) {
    if (colour.byIndex()) return std::to_string(colour.index());
    char name[8];
    std::snprintf(name, sizeof name, "#%02x%02x%02x", RED_OF(colour.rgb()), GREEN_OF(colour.rgb()), BLUE_OF(colour.rgb()));
    return name;
}

std::string number(double value) {
    char text[32];
    std::snprintf(text, sizeof text, "%g", value);
    return text;
}

std::string channelName(int window) { return window == FRAME_WINDOW ? "frame" : std::to_string(window); }

std::string modeName(int mode) {
    switch (mode) {
    case DRAW_OUTLINE: return "outline";
    case DRAW_FILLED: return "fill";
    default: return "mode-" + std::to_string(mode);
    }
}

std::string placementText(const WINDOW_PLACEMENT& placement) {
    return std::to_string(placement.kind) + ' ' + std::to_string(placement.x) + ' ' + std::to_string(placement.y) + ' ' +
           std::to_string(placement.height) + ' ' + std::to_string(placement.width);
}

std::string rectText(const WINDOW_RECT& rect) {
    return std::to_string(rect.left) + ' ' + std::to_string(rect.top) + ' ' + std::to_string(rect.right) + ' ' +
           std::to_string(rect.bottom);
}

std::string configText(const WINDOW_CONFIG& config) {
    return std::to_string(config.pixel_width) + ' ' + std::to_string(config.pixel_height) + ' ' +
           std::to_string(config.text_columns) + ' ' + std::to_string(config.text_rows);
}

std::string standardName(StandardCommand command) {
    switch (command) {
    case StandardCommand::None: return "none";
    case StandardCommand::Exit: return "exit";
    case StandardCommand::SelectText: return "select-text";
    case StandardCommand::SelectArea: return "select-area";
    case StandardCommand::SelectAll: return "select-all";
    case StandardCommand::Copy: return "copy";
    case StandardCommand::Paste: return "paste";
    case StandardCommand::SizeToFit: return "size-to-fit";
    case StandardCommand::FullScreen: return "full-screen";
    }
    return "unknown";
}

std::string callbackKindName(DialogCallbackKind kind) { return kind == DIALOG_CLICKED ? "clicked" : "changed"; }

}  // namespace

ScriptedWindowLayer::ScriptedWindowLayer() : HeadlessWindowLayer({SCRIPT_SCREEN_WIDTH, SCRIPT_SCREEN_HEIGHT}) {}

ScriptedWindowLayer::ScriptedWindowLayer(std::ostream& echo)
    : HeadlessWindowLayer({SCRIPT_SCREEN_WIDTH, SCRIPT_SCREEN_HEIGHT}), m_transcript(echo) {}

std::string ScriptedWindowLayer::activeName() const {
    return activeChannel() < 0 ? "none" : std::to_string(activeChannel());
}

// A window that keeps its defaults is as large as the frame's client area shows it whole.
SurfaceSize ScriptedWindowLayer::defaultSurface() const {
    return {std::max(1, clientWidth() - CHILD_EXTRA_WIDTH), std::max(1, clientHeight() - CHILD_EXTRA_HEIGHT)};
}

WINDOW_RECT ScriptedWindowLayer::frameRect() const {
    if (framePlacement().kind == PLACE_MAXIMIZED) return {0, 0, SCRIPT_SCREEN_WIDTH, SCRIPT_SCREEN_HEIGHT};
    return {framePlacement().x, framePlacement().y, framePlacement().x + framePlacement().width,
            framePlacement().y + framePlacement().height};
}

// A child sits at the top left of the frame's client area, as large as its surface and
// decorations ask, but no larger than the client area.
WINDOW_RECT ScriptedWindowLayer::childRect(const HeadlessWindow& child) const {
    const WINDOW_RECT frame = frameRect();
    const int width = std::min(child.config.pixel_width + CHILD_EXTRA_WIDTH, clientWidth());
    const int height = std::min(child.config.pixel_height + CHILD_EXTRA_HEIGHT, clientHeight());
    const int left = frame.left + FRAME_BORDER;
    const int top = frame.top + FRAME_TOP;
    return {left, top, left + width, top + height};
}

int ScriptedWindowLayer::clientWidth() const {
    const WINDOW_RECT frame = frameRect();
    return std::max(0, frame.right - frame.left - 2 * FRAME_BORDER);
}

int ScriptedWindowLayer::clientHeight() const {
    const WINDOW_RECT frame = frameRect();
    return std::max(0, frame.bottom - frame.top - FRAME_TOP - FRAME_BORDER - (m_status_bar_shown ? STATUS_BAR_HEIGHT : 0));
}

// --- Windows ---

bool ScriptedWindowLayer::openChildWindow(int channel, const std::string& title) {
    HeadlessWindowLayer::openChildWindow(channel, title);
    record("window " + std::to_string(channel) + ' ' + quoted(title));
    return true;
}

void ScriptedWindowLayer::closeChannel(int channel) {
    HeadlessWindowLayer::closeChannel(channel);
    record("close " + std::to_string(channel));
}

bool ScriptedWindowLayer::setWindowConfig(WINDOW_CONFIG& config) {
    const std::string requested = configText(config);
    if (window(activeChannel()) == nullptr) {
        record("config none " + requested + " -> no window");
        return false;
    }
    const bool exact = HeadlessWindowLayer::setWindowConfig(config);
    record("config " + activeName() + ' ' + requested + " -> " + configText(config) + (exact ? " ok" : " adjusted"));
    return exact;
}

bool ScriptedWindowLayer::getWindowConfig(WINDOW_CONFIG& config) {
    if (!HeadlessWindowLayer::getWindowConfig(config)) {
        record("config none read -> no window");
        return false;
    }
    if (!active().drawingRecorded()) record("config " + activeName() + " read -> " + configText(config));
    return true;
}

int ScriptedWindowLayer::setWindowPlacement(int window_number, const WINDOW_PLACEMENT& placement) {
    const int result = HeadlessWindowLayer::setWindowPlacement(window_number, placement);
    if (window_number == FRAME_WINDOW) record("frame placement " + placementText(placement));
    else record("placement " + channelName(window_number) + ' ' + placementText(placement) + (result < 0 ? " -> no window" : ""));
    return result;
}

int ScriptedWindowLayer::getWindowPlacement(int window_number, int request, WINDOW_PLACEMENT& placement) {
    const int result = HeadlessWindowLayer::getWindowPlacement(window_number, request, placement);
    record("placement " + channelName(window_number) + " read -> " + (result < 0 ? "no window" : placementText(placement)));
    return result;
}

void ScriptedWindowLayer::setWindowText(int window_number, const std::string& text) {
    HeadlessWindowLayer::setWindowText(window_number, text);
    record((window_number == FRAME_WINDOW ? "frame title " : "title " + channelName(window_number) + ' ') + quoted(text));
}

WINDOW_RECT ScriptedWindowLayer::getWindowRect(int window_number) {
    WINDOW_RECT rect;
    if (window_number == FRAME_WINDOW) {
        rect = frameRect();
    } else if (const HeadlessWindow* target = window(window_number)) {
        rect = childRect(*target);
    }
    record("window-rect " + channelName(window_number) + " -> " + rectText(rect));
    return rect;
}

void ScriptedWindowLayer::focusChannel(int channel) {
    HeadlessWindowLayer::focusChannel(channel);
    record("focus " + std::to_string(channel) + (window(channel) != nullptr ? "" : " -> no window"));
}

void ScriptedWindowLayer::clearWindow() { record("clear " + activeName()); }

void ScriptedWindowLayer::writeText(int channel, const std::string& text) {
    record("write " + std::to_string(channel) + ' ' + colourName(windowOrStandIn(channel).text_colour) + ' ' +
           quoted(text));
}

void ScriptedWindowLayer::windowMenuCommand(int code) {
    switch (code) {
    case FRAME_STATUS_BAR:
        m_status_bar_shown = !m_status_bar_shown;
        record(std::string("frame status-bar ") + (m_status_bar_shown ? "on" : "off"));
        break;
    case FRAME_TILE: record("frame tile"); break;
    case FRAME_CASCADE: record("frame cascade"); break;
    case FRAME_ARRANGE_ICONS: record("frame arrange-icons"); break;
    default: record("frame command " + std::to_string(code)); break;
    }
}

int ScriptedWindowLayer::setExitBehaviour(int mode) {
    const bool known = mode == EXIT_ASK || mode == EXIT_CLOSE || mode == EXIT_KEEP_OPEN;
    record("exit-behaviour " + std::to_string(mode) + (known ? "" : " -> refused"));
    return known ? 0 : -1;
}

// --- Drawing ---

int ScriptedWindowLayer::setFont(const std::string& descriptor) {
    const int face = HeadlessWindowLayer::setFont(descriptor);
    if (face < 0) record("font " + quoted(descriptor) + " -> -1, keeps " + quoted(active().font));
    return face;
}

void ScriptedWindowLayer::drawText(const std::string& text) {
    const HeadlessWindow& target = active();
    if (target.drawingRecorded()) return;
    record("text " + activeName() + ' ' + std::to_string(target.position.x) + ' ' + std::to_string(target.position.y) +
           ' ' + quoted(target.font) + ' ' + colourName(target.colour) + ' ' + quoted(text));
}

int ScriptedWindowLayer::setBackground(int index) {
    const int previous = HeadlessWindowLayer::setBackground(index);
    record("background " + activeName() + ' ' + colourName(active().background));
    return previous;
}

RGB_VALUE ScriptedWindowLayer::setBackgroundRgb(RGB_VALUE value) {
    const RGB_VALUE previous = HeadlessWindowLayer::setBackgroundRgb(value);
    record("background " + activeName() + ' ' + colourName(active().background));
    return previous;
}

bool ScriptedWindowLayer::rectangle(int mode, double x1, double y1, double x2, double y2) {
    if (!active().drawingRecorded())
        record("rectangle " + activeName() + ' ' + modeName(mode) + ' ' + colourName(active().colour) + ' ' +
               number(x1) + ' ' + number(y1) + ' ' + number(x2) + ' ' + number(y2));
    return HeadlessWindowLayer::rectangle(mode, x1, y1, x2, y2);
}

bool ScriptedWindowLayer::lineTo(int x, int y) {
    const HeadlessWindow& target = active();
    if (!target.drawingRecorded())
        record("line " + activeName() + ' ' + colourName(target.colour) + ' ' + std::to_string(target.position.x) + ' ' +
               std::to_string(target.position.y) + ' ' + std::to_string(x) + ' ' + std::to_string(y));
    return HeadlessWindowLayer::lineTo(x, y);
}

void ScriptedWindowLayer::setLineStyle(unsigned mask) {
    HeadlessWindowLayer::setLineStyle(mask);
    if (active().drawingRecorded()) return;
    char text[16];
    std::snprintf(text, sizeof text, "0x%04X", active().line_style);
    record("line-style " + activeName() + ' ' + text);
}

bool ScriptedWindowLayer::ellipse(int mode, int x1, int y1, int x2, int y2) {
    if (!active().drawingRecorded())
        record("ellipse " + activeName() + ' ' + modeName(mode) + ' ' + colourName(active().colour) + ' ' +
               std::to_string(x1) + ' ' + std::to_string(y1) + ' ' + std::to_string(x2) + ' ' + std::to_string(y2));
    return HeadlessWindowLayer::ellipse(mode, x1, y1, x2, y2);
}

bool ScriptedWindowLayer::polygon(int mode, const std::vector<TEXT_POSITION>& points) {
    std::string line = "polygon " + activeName() + ' ' + modeName(mode) + ' ' + colourName(active().colour);
    for (const TEXT_POSITION& point : points) line += ' ' + std::to_string(point.x) + ' ' + std::to_string(point.y);
    if (!active().drawingRecorded()) record(line);
    return HeadlessWindowLayer::polygon(mode, points);
}

void ScriptedWindowLayer::setClipRect(int x1, int y1, int x2, int y2) {
    if (active().drawingRecorded()) return;
    record("clip " + activeName() + ' ' + std::to_string(x1) + ' ' + std::to_string(y1) + ' ' + std::to_string(x2) +
           ' ' + std::to_string(y2));
}

// --- Input and timing ---

MOUSE_RESULT ScriptedWindowLayer::waitMouseEvent(int mask) {
    const MOUSE_RESULT result = HeadlessWindowLayer::waitMouseEvent(mask);
    record("mouse " + activeName() + " mask " + std::to_string(mask) + " -> event " + std::to_string(result.event) +
           " key " + std::to_string(result.key_state) + " at " + std::to_string(result.x) + ' ' +
           std::to_string(result.y) + " (auto)");
    return result;
}

std::string ScriptedWindowLayer::readLine(int channel) {
    const std::string name = std::to_string(channel);
    if (m_main_thread.onMainThread()) {
        // Answered by the scenario's `enter` line; the runner goes on meanwhile.
        record("read " + name + " waits for Enter");
        m_main_thread.waitForEnter();
    } else {
        m_answers.take("the read of a line on channel " + name, {AnswerKind::Enter});
    }
    record("read " + name + " -> Enter");
    return {};
}

void ScriptedWindowLayer::sleep(int milliseconds) { record("sleep " + std::to_string(milliseconds)); }

void ScriptedWindowLayer::beep(int frequency, int milliseconds) {
    record("beep " + std::to_string(frequency) + ' ' + std::to_string(milliseconds));
}

void ScriptedWindowLayer::idleForever() {
    if (!m_main_thread.onMainThread()) throw ScriptFailure("a command idles for ever; only the main routine may");
    record("idle");
    m_main_thread.idle();
}

// --- Messages and dialogs ---

int ScriptedWindowLayer::messageBox(const std::string& text, const std::string& caption, int style) {
    record("msgbox " + std::to_string(style) + ' ' + quoted(caption) + ' ' + quoted(text) + " -> OK");
    return 1;
}

void ScriptedWindowLayer::unknownDialog(const DIALOG& dialog) {
    throw ScriptFailure(dialogName(dialog) + " is used without a successful init, or after its release");
}

void ScriptedWindowLayer::callingBack(const DIALOG& dialog, int control, DialogCallbackKind kind) {
    record(dialogName(dialog) + " calls back " + std::to_string(control) + ' ' + callbackKindName(kind));
}

std::string ScriptedWindowLayer::dialogName(const DIALOG& dialog) const {
    return "dialog " + std::to_string(dialog.template_id);
}

bool ScriptedWindowLayer::dialogInit(int template_id, DIALOG& dialog) {
    const auto missing = m_answers.takeIf([template_id](const Answer& answer) {
        return answer.kind == AnswerKind::MissingTemplate && answer.id == template_id;
    });
    if (missing) {
        dialog = DIALOG{template_id, 0};
        record(dialogName(dialog) + " init -> missing template (answer)");
        return false;
    }
    if (!HeadlessWindowLayer::dialogInit(template_id, dialog)) {
        record(dialogName(dialog) + " init -> missing template");
        return false;
    }
    record(dialogName(dialog) + " init " + quoted(usedDialog(dialog)->dialogTemplate().title));
    return true;
}

void ScriptedWindowLayer::dialogSetCount(DIALOG& dialog, int control, int count) {
    HeadlessWindowLayer::dialogSetCount(dialog, control, count);
    record(dialogName(dialog) + " count " + std::to_string(control) + ' ' + std::to_string(count));
}

void ScriptedWindowLayer::dialogSetText(DIALOG& dialog, int control, const std::string& text, int index) {
    HeadlessWindowLayer::dialogSetText(dialog, control, text, index);
    record(dialogName(dialog) + " set " + std::to_string(control) + ' ' + std::to_string(index) + ' ' + quoted(text));
}

void ScriptedWindowLayer::dialogSetCallback(DIALOG& dialog, int control, DIALOG_CALLBACK routine) {
    HeadlessWindowLayer::dialogSetCallback(dialog, control, routine);
    record(dialogName(dialog) + " callback " + std::to_string(control));
}

bool ScriptedWindowLayer::dialogGetText(DIALOG& dialog, int control, std::string& buffer) {
    const bool found = HeadlessWindowLayer::dialogGetText(dialog, control, buffer);
    record(dialogName(dialog) + " get " + std::to_string(control) + " -> " +
           (found ? quoted(*usedDialog(dialog)->text(control)) : "nothing selected"));
    return found;
}

int ScriptedWindowLayer::dialogModal(DIALOG& dialog) {
    const std::string wait = dialogName(dialog) + " \"" + usedDialog(dialog)->dialogTemplate().title + '"';
    record(dialogName(dialog) + " shown");
    while (!usedDialog(dialog)->ended()) {
        const Answer answer = m_answers.take(wait, {AnswerKind::Pick, AnswerKind::Edit, AnswerKind::Ok});
        answerDialog(dialog, answer);
    }
    record(dialogName(dialog) + " closed");
    return 1;
}

// Acts as the user would: selects the entry, types the text or presses OK.
void ScriptedWindowLayer::answerDialog(DIALOG& dialog, const Answer& answer) {
    const AnsweredDialog& shown = *usedDialog(dialog);
    const std::string name = dialogName(dialog) + " \"" + shown.dialogTemplate().title + '"';
    switch (answer.kind) {
    case AnswerKind::Pick: {
        const std::optional<ListEntry> entry = shown.findEntry(answer.text);
        if (!entry)
            throw ScriptFailure(name + " has no list entry \"" + answer.text + "\" for " + describeAnswer(answer));
        record(dialogName(dialog) + " pick " + std::to_string(entry->control) + ' ' + quoted(entry->text));
        choose(dialog, *entry);
        break;
    }
    case AnswerKind::Edit:
        if (!shown.isEdit(answer.id))
            throw ScriptFailure(name + " has no edit field " + std::to_string(answer.id) + " for " +
                                describeAnswer(answer));
        record(dialogName(dialog) + " edit " + std::to_string(answer.id) + ' ' + quoted(answer.text));
        type(dialog, answer.id, answer.text);
        break;
    default:
        record(dialogName(dialog) + " ok");
        pressOk(dialog);
        break;
    }
}

void ScriptedWindowLayer::dialogExit(DIALOG& dialog) {
    HeadlessWindowLayer::dialogExit(dialog);
    record(dialogName(dialog) + " exit");
}

void ScriptedWindowLayer::dialogUninit(DIALOG& dialog) {
    if (!dialogOpen(dialog)) return;
    HeadlessWindowLayer::dialogUninit(dialog);
    record(dialogName(dialog) + " released");
}

FILE_DIALOG_RESULT ScriptedWindowLayer::openFileDialog(const FILE_DIALOG_REQUEST& request) {
    const Answer answer = m_answers.take("the file dialog " + quoted(request.title),
                                         {AnswerKind::File, AnswerKind::FileCancel});
    std::string line = "file-dialog " + quoted(request.title) + " filters";
    for (const FILE_FILTER& filter : request.filters) line += ' ' + quoted(filter.label + '|' + filter.patterns);
    line += " first " + std::to_string(request.initial_filter) + " extension " + quoted(request.default_extension) +
            " initial " + quoted(request.initial_path);
    if (request.path_must_exist) line += " path-must-exist";
    if (request.show_read_only) line += " read-only-box";
    FILE_DIALOG_RESULT result;
    if (answer.kind == AnswerKind::FileCancel) {
        record(line + " -> cancel");
        return result;
    }
    result.chosen = true;
    result.path = answer.text;
    result.read_only = answer.read_only;
    record(line + " -> " + quoted(result.path) + (result.read_only ? " read-only" : ""));
    return result;
}

// --- Programs ---

bool ScriptedWindowLayer::runProgram(const std::string& command_line) {
    record("run " + quoted(command_line));
    return true;
}

bool ScriptedWindowLayer::runTextEditor() {
    record("run text-editor");
    return true;
}

bool ScriptedWindowLayer::openDocument(const std::string& path) {
    record("run document " + quoted(path));
    return true;
}

// --- Menus ---

bool ScriptedWindowLayer::appendMenuItem(int menu, int flags, const std::string& text, MENU_ROUTINE routine) {
    const ScriptedMenuEntry entry = m_menu_bar.append(menu, flags, text, routine);
    record("menu " + std::to_string(menu) + ' ' + std::to_string(entry.item) + ' ' + std::to_string(flags) + ' ' +
           quoted(text));
    return true;
}

void ScriptedWindowLayer::setMenuItemFlags(int menu, int item, int flags) {
    const std::string where = std::to_string(menu) + ' ' + std::to_string(item);
    if (flags == MENU_CHECKED || flags == MENU_UNCHECKED) {
        const bool checked = flags == MENU_CHECKED;
        const bool found = m_menu_bar.setChecked(menu, item, checked);
        record("check " + where + (checked ? " on" : " off") + (found ? "" : " -> no entry"));
        return;
    }
    record("menu-flags " + where + ' ' + std::to_string(flags));
}

void ScriptedWindowLayer::standardCommand(StandardCommand command) {
    HeadlessWindowLayer::standardCommand(command);
    record(command == StandardCommand::Exit ? "exit" : "standard " + standardName(command));
}

std::string ScriptedWindowLayer::menuEntryName(MENU_ROUTINE routine) const {
    const std::optional<ScriptedMenuEntry> entry = m_menu_bar.findByRoutine(routine);
    return entry ? quoted(entry->text) : "routine";
}

void ScriptedWindowLayer::queueCommand(MENU_ROUTINE routine) {
    HeadlessWindowLayer::queueCommand(routine);
    record("queue " + menuEntryName(routine));
}

// --- Date ---

DATE_TIME ScriptedWindowLayer::currentDateTime() {
    return dateTime(FIXED_YEAR, FIXED_MONTH, FIXED_DAY, FIXED_HOUR, 0, 0);
}

// --- Result-table pages ---

void ScriptedWindowLayer::tablePage(const TABLE_PAGE* page) {
    active().table_page = page != nullptr;
    if (page == nullptr) return;
    record("page " + std::to_string(page->kind) + ' ' + quoted(page->title) + ' ' + quoted(page->caption) + ' ' +
           quoted(page->subtitle));
    std::string headings = "headings";
    for (const std::string& heading : page->headings) headings += ' ' + quoted(heading);
    record(headings);
    for (const std::vector<std::string>& cells : page->rows) {
        std::string row = "row";
        for (const std::string& cell : cells) row += ' ' + quoted(cell);
        record(row);
    }
}

// --- Graphs ---

namespace {

// The shortest text that reads back to the same value.
template <typename Number>
std::string shortest(Number value) {
    char text[32];
    const std::to_chars_result end = std::to_chars(std::begin(text), std::end(text), value);
    return std::string(text, end.ptr);
}

std::string axisLine(const char* name, const GRAPH_AXIS_RECORD& axis) {
    return std::string("axis ") + name + ' ' + shortest(axis.low) + ' ' + shortest(axis.high) + ' ' +
           shortest(axis.tick_step) + ' ' + std::to_string(axis.decimals);
}

}  // namespace

void ScriptedWindowLayer::graphPage(const GRAPH_PAGE* page) {
    active().graph_page = page != nullptr;
    if (page == nullptr) return;
    record("graph " + quoted(page->title) + ' ' + quoted(page->subtitle) + ' ' + quoted(page->x_title) + ' ' +
           quoted(page->y_title));
    record(axisLine("x", page->x_axis));
    record(axisLine("y", page->y_axis));
    for (size_t k = 0; k < page->series.size(); ++k) {
        const GRAPH_SERIES_RECORD& series = page->series[k];
        const std::string number = std::to_string(k + 1);
        record("series " + number + ' ' + quoted(series.name) + " line " + std::to_string(series.line_type) + ' ' +
               std::to_string(series.line_colour) + " marker " + std::to_string(series.marker_type) + ' ' +
               std::to_string(series.marker_colour));
        std::string points = "points " + number;
        for (const float value : series.points) points += ' ' + shortest(value);
        record(points);
    }
    std::string labels = "labels";
    for (const std::string& label : page->labels) labels += ' ' + quoted(label);
    record(labels);
    record(page->legend_rows == 0 ? std::string("legend none")
                                  : "legend " + std::to_string(page->legend_rows) + ' ' + std::to_string(page->legend_per_row));
}

// --- Working files ---

void ScriptedWindowLayer::fileCreated(const std::string& name) { record("file created " + m_transcript.shown(name)); }

void ScriptedWindowLayer::fileDeleted(const std::string& name) { record("file deleted " + m_transcript.shown(name)); }

void INSTALL_SCRIPTED_LAYER(ScriptedWindowLayer* layer) {
    INSTALL_LAYER(layer);
    INSTALL_OBSERVER(layer);
}

}  // namespace korvel
