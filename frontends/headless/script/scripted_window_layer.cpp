#include "frontends/headless/script/scripted_window_layer.h"

#include "base/fixed_text.h"
#include "frontends/headless/automatic_answers.h"
#include "present/window/font_descriptor.h"
#include "frontends/headless/script/script_failure.h"
#include "present/window/window_geometry.h"

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

bool isDrawingMode(int mode) { return mode == DRAW_OUTLINE || mode == DRAW_FILLED; }

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

// A window that keeps its defaults is as large as the frame's client area shows it whole.
ScriptedWindow freshWindow(const std::string& title, int client_width, int client_height) {
    ScriptedWindow window;
    window.title = title;
    RESOLVE_WINDOW_CONFIG(window.config, std::max(1, client_width - CHILD_EXTRA_WIDTH),
                          std::max(1, client_height - CHILD_EXTRA_HEIGHT));
    window.placement = {4, 0, 0, window.config.text_rows, window.config.text_columns};
    return window;
}

}  // namespace

ScriptedWindowLayer::ScriptedWindowLayer(std::ostream& echo) : m_transcript(echo) {}

bool ScriptedWindowLayer::ended() const {
    const std::lock_guard lock(m_queue_mutex);
    return m_ended;
}

std::optional<MENU_ROUTINE> ScriptedWindowLayer::takeQueuedCommand() {
    const std::lock_guard lock(m_queue_mutex);
    if (m_queued.empty()) return std::nullopt;
    const MENU_ROUTINE routine = m_queued.front();
    m_queued.pop_front();
    return routine;
}

ScriptedWindow& ScriptedWindowLayer::active() {
    ScriptedWindow* found = window(m_active);
    return found != nullptr ? *found : m_no_window;
}

std::string ScriptedWindowLayer::activeName() const { return m_active < 0 ? "none" : std::to_string(m_active); }

ScriptedWindow* ScriptedWindowLayer::window(int channel) {
    const auto found = m_windows.find(channel);
    return found == m_windows.end() ? nullptr : &found->second;
}

WINDOW_RECT ScriptedWindowLayer::frameRect() const {
    if (m_frame_placement.kind == PLACE_MAXIMIZED) return {0, 0, SCRIPT_SCREEN_WIDTH, SCRIPT_SCREEN_HEIGHT};
    return {m_frame_placement.x, m_frame_placement.y, m_frame_placement.x + m_frame_placement.width,
            m_frame_placement.y + m_frame_placement.height};
}

// A child sits at the top left of the frame's client area, as large as its surface and
// decorations ask, but no larger than the client area.
WINDOW_RECT ScriptedWindowLayer::childRect(const ScriptedWindow& child) const {
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
    m_windows[channel] = freshWindow(title, clientWidth(), clientHeight());
    std::erase(m_opening_order, channel);
    m_opening_order.push_back(channel);
    m_active = channel;
    record("window " + std::to_string(channel) + ' ' + quoted(title));
    return true;
}

void ScriptedWindowLayer::closeChannel(int channel) {
    m_windows.erase(channel);
    std::erase(m_opening_order, channel);
    if (m_active == channel) m_active = -1;
    record("close " + std::to_string(channel));
}

bool ScriptedWindowLayer::setWindowConfig(WINDOW_CONFIG& config) {
    const std::string requested = configText(config);
    ScriptedWindow* target = window(m_active);
    if (target == nullptr) {
        record("config none " + requested + " -> no window");
        return false;
    }
    const bool exact = RESOLVE_WINDOW_CONFIG(config, SCRIPT_SCREEN_WIDTH, SCRIPT_SCREEN_HEIGHT);
    record("config " + activeName() + ' ' + requested + " -> " + configText(config) + (exact ? " ok" : " adjusted"));
    if (!exact) return false;
    const std::string title = target->title;
    target->config = config;
    target->config.title = title;
    return true;
}

bool ScriptedWindowLayer::getWindowConfig(WINDOW_CONFIG& config) {
    const ScriptedWindow* target = window(m_active);
    if (target == nullptr) {
        record("config none read -> no window");
        return false;
    }
    config = target->config;
    if (!target->drawingRecorded()) record("config " + activeName() + " read -> " + configText(config));
    return true;
}

int ScriptedWindowLayer::setWindowPlacement(int window_number, const WINDOW_PLACEMENT& placement) {
    if (window_number == FRAME_WINDOW) {
        m_frame_placement = placement;
        record("frame placement " + placementText(placement));
        return 0;
    }
    ScriptedWindow* target = window(window_number);
    record("placement " + channelName(window_number) + ' ' + placementText(placement) +
           (target == nullptr ? " -> no window" : ""));
    if (target == nullptr) return -1;
    target->placement = placement;
    return 0;
}

int ScriptedWindowLayer::getWindowPlacement(int window_number, int, WINDOW_PLACEMENT& placement) {
    const ScriptedWindow* target = window(window_number);
    if (window_number != FRAME_WINDOW && target == nullptr) {
        record("placement " + channelName(window_number) + " read -> no window");
        return -1;
    }
    placement = window_number == FRAME_WINDOW ? m_frame_placement : target->placement;
    record("placement " + channelName(window_number) + " read -> " + placementText(placement));
    return 0;
}

void ScriptedWindowLayer::setWindowText(int window_number, const std::string& text) {
    if (window_number == FRAME_WINDOW) {
        record("frame title " + quoted(text));
        return;
    }
    if (ScriptedWindow* target = window(window_number)) target->title = text;
    record("title " + channelName(window_number) + ' ' + quoted(text));
}

WINDOW_RECT ScriptedWindowLayer::getWindowRect(int window_number) {
    WINDOW_RECT rect;
    if (window_number == FRAME_WINDOW) {
        rect = frameRect();
    } else if (const ScriptedWindow* target = window(window_number)) {
        rect = childRect(*target);
    }
    record("window-rect " + channelName(window_number) + " -> " + rectText(rect));
    return rect;
}

void ScriptedWindowLayer::focusChannel(int channel) {
    const bool open = window(channel) != nullptr;
    if (open) m_active = channel;
    record("focus " + std::to_string(channel) + (open ? "" : " -> no window"));
}

int ScriptedWindowLayer::focusedChannel() { return m_opening_order.empty() ? -1 : m_opening_order.back(); }

void ScriptedWindowLayer::clearWindow() { record("clear " + activeName()); }

void ScriptedWindowLayer::writeText(int channel, const std::string& text) {
    const ScriptedWindow* target = window(channel);
    const std::string colour = colourName(target != nullptr ? target->text_colour : m_no_window.text_colour);
    record("write " + std::to_string(channel) + ' ' + colour + ' ' + quoted(text));
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

int ScriptedWindowLayer::initializeFonts() { return INSTALLED_FACE_COUNT(); }

int ScriptedWindowLayer::setFont(const std::string& descriptor) {
    const FONT_REQUEST request = PARSE_FONT_DESCRIPTOR(descriptor);
    const int face = INSTALLED_FACE_INDEX(request.face);
    ScriptedWindow& target = active();
    if (!request.valid || face < 0) {
        record("font " + quoted(descriptor) + " -> -1, keeps " + quoted(target.font));
        return -1;
    }
    target.font = descriptor;
    target.font_request = request;
    return face;
}

TEXT_POSITION ScriptedWindowLayer::moveTo(int x, int y) {
    ScriptedWindow& target = active();
    const TEXT_POSITION previous = target.position;
    target.position = {static_cast<int16_t>(x), static_cast<int16_t>(y)};
    return previous;
}

void ScriptedWindowLayer::drawText(const std::string& text) {
    const ScriptedWindow& target = active();
    if (target.drawingRecorded()) return;
    record("text " + activeName() + ' ' + std::to_string(target.position.x) + ' ' + std::to_string(target.position.y) +
           ' ' + quoted(target.font) + ' ' + colourName(target.colour) + ' ' + quoted(text));
}

int ScriptedWindowLayer::textWidth(const std::string& text) {
    return FIXED_TEXT_WIDTH(active().font_request, text);
}

int ScriptedWindowLayer::setColor(int index) { return active().colour.setIndex(index); }

RGB_VALUE ScriptedWindowLayer::setColorRgb(RGB_VALUE value) { return active().colour.setRgb(value); }

int ScriptedWindowLayer::setTextColor(int index) { return active().text_colour.setIndex(index); }

RGB_VALUE ScriptedWindowLayer::setTextColorRgb(RGB_VALUE value) { return active().text_colour.setRgb(value); }

int ScriptedWindowLayer::setBackground(int index) {
    const int previous = active().background.setIndex(index);
    record("background " + activeName() + ' ' + colourName(active().background));
    return previous;
}

RGB_VALUE ScriptedWindowLayer::setBackgroundRgb(RGB_VALUE value) {
    const RGB_VALUE previous = active().background.setRgb(value);
    record("background " + activeName() + ' ' + colourName(active().background));
    return previous;
}

bool ScriptedWindowLayer::rectangle(int mode, double x1, double y1, double x2, double y2) {
    if (active().drawingRecorded()) return isDrawingMode(mode) && m_active >= 0;
    record("rectangle " + activeName() + ' ' + modeName(mode) + ' ' + colourName(active().colour) + ' ' + number(x1) +
           ' ' + number(y1) + ' ' + number(x2) + ' ' + number(y2));
    return isDrawingMode(mode) && m_active >= 0;
}

bool ScriptedWindowLayer::lineTo(int x, int y) {
    ScriptedWindow& target = active();
    if (!target.drawingRecorded())
        record("line " + activeName() + ' ' + colourName(target.colour) + ' ' + std::to_string(target.position.x) + ' ' +
           std::to_string(target.position.y) + ' ' + std::to_string(x) + ' ' + std::to_string(y));
    target.position = {static_cast<int16_t>(x), static_cast<int16_t>(y)};
    return m_active >= 0;
}

void ScriptedWindowLayer::setLineStyle(unsigned mask) {
    if (active().drawingRecorded()) return;
    char text[16];
    std::snprintf(text, sizeof text, "0x%04X", mask & 0xFFFFu);
    record("line-style " + activeName() + ' ' + text);
}

bool ScriptedWindowLayer::ellipse(int mode, int x1, int y1, int x2, int y2) {
    if (!active().drawingRecorded())
        record("ellipse " + activeName() + ' ' + modeName(mode) + ' ' + colourName(active().colour) + ' ' +
           std::to_string(x1) + ' ' + std::to_string(y1) + ' ' + std::to_string(x2) + ' ' + std::to_string(y2));
    return isDrawingMode(mode) && m_active >= 0;
}

bool ScriptedWindowLayer::polygon(int mode, const std::vector<TEXT_POSITION>& points) {
    std::string line = "polygon " + activeName() + ' ' + modeName(mode) + ' ' + colourName(active().colour);
    for (const TEXT_POSITION& point : points) line += ' ' + std::to_string(point.x) + ' ' + std::to_string(point.y);
    if (!active().drawingRecorded()) record(line);
    return isDrawingMode(mode) && m_active >= 0 && !points.empty();
}

void ScriptedWindowLayer::setClipRect(int x1, int y1, int x2, int y2) {
    if (active().drawingRecorded()) return;
    record("clip " + activeName() + ' ' + std::to_string(x1) + ' ' + std::to_string(y1) + ' ' + std::to_string(x2) +
           ' ' + std::to_string(y2));
}

// --- Input and timing ---

MOUSE_RESULT ScriptedWindowLayer::waitMouseEvent(int mask) {
    const MOUSE_RESULT result = AUTOMATIC_MOUSE_ANSWER(mask);
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

AnsweredDialog& ScriptedWindowLayer::dialogOf(const DIALOG& dialog) {
    const auto found = m_dialogs.find(dialog.handle);
    if (found == m_dialogs.end())
        throw ScriptFailure(dialogName(dialog) + " is used without a successful init, or after its release");
    return *found->second;
}

std::string ScriptedWindowLayer::dialogName(const DIALOG& dialog) const {
    return "dialog " + std::to_string(dialog.template_id);
}

bool ScriptedWindowLayer::dialogInit(int template_id, DIALOG& dialog) {
    dialog = DIALOG{template_id, 0};
    const auto missing = m_answers.takeIf([template_id](const Answer& answer) {
        return answer.kind == AnswerKind::MissingTemplate && answer.id == template_id;
    });
    if (missing) {
        record(dialogName(dialog) + " init -> missing template (answer)");
        return false;
    }
    const DialogTemplate* found = m_find_template(template_id);
    if (found == nullptr) {
        record(dialogName(dialog) + " init -> missing template");
        return false;
    }
    dialog.handle = m_next_dialog_handle++;
    m_dialogs[dialog.handle] = std::make_unique<AnsweredDialog>(*found);
    record(dialogName(dialog) + " init " + quoted(found->title));
    return true;
}

void ScriptedWindowLayer::dialogSetCount(DIALOG& dialog, int control, int count) {
    dialogOf(dialog).setCount(control, count);
    record(dialogName(dialog) + " count " + std::to_string(control) + ' ' + std::to_string(count));
}

void ScriptedWindowLayer::dialogSetText(DIALOG& dialog, int control, const std::string& text, int index) {
    dialogOf(dialog).setText(control, text, index);
    record(dialogName(dialog) + " set " + std::to_string(control) + ' ' + std::to_string(index) + ' ' + quoted(text));
}

void ScriptedWindowLayer::dialogSetCallback(DIALOG& dialog, int control, DIALOG_CALLBACK routine) {
    dialogOf(dialog).setCallback(control, routine);
    record(dialogName(dialog) + " callback " + std::to_string(control));
}

bool ScriptedWindowLayer::dialogGetText(DIALOG& dialog, int control, std::string& buffer) {
    const std::optional<std::string> text = dialogOf(dialog).text(control);
    const int length = CHARACTER_COUNT(buffer);
    if (!text) {
        buffer.assign(static_cast<size_t>(length), ' ');
        record(dialogName(dialog) + " get " + std::to_string(control) + " -> nothing selected");
        return false;
    }
    buffer = length > 0 ? PAD_TEXT(*text, length) : *text;
    record(dialogName(dialog) + " get " + std::to_string(control) + " -> " + quoted(*text));
    return true;
}

int ScriptedWindowLayer::dialogModal(DIALOG& dialog) {
    const std::string wait = dialogName(dialog) + " \"" + dialogOf(dialog).dialogTemplate().title + '"';
    record(dialogName(dialog) + " shown");
    while (!dialogOf(dialog).ended()) {
        const Answer answer = m_answers.take(wait, {AnswerKind::Pick, AnswerKind::Edit, AnswerKind::Ok});
        answerDialog(dialog, answer);
    }
    record(dialogName(dialog) + " closed");
    return 1;
}

// Acts as the user would: selects the entry or types the text, then tells the control's callback.
void ScriptedWindowLayer::answerDialog(DIALOG& dialog, const Answer& answer) {
    AnsweredDialog& shown = dialogOf(dialog);
    const std::string name = dialogName(dialog) + " \"" + shown.dialogTemplate().title + '"';
    int control = 1;
    DialogCallbackKind kind = DIALOG_CHANGE;
    switch (answer.kind) {
    case AnswerKind::Pick: {
        const std::optional<ListEntry> entry = shown.findEntry(answer.text);
        if (!entry)
            throw ScriptFailure(name + " has no list entry \"" + answer.text + "\" for " + describeAnswer(answer));
        shown.select(*entry);
        control = entry->control;
        record(dialogName(dialog) + " pick " + std::to_string(control) + ' ' + quoted(entry->text));
        break;
    }
    case AnswerKind::Edit:
        if (!shown.isEdit(answer.id))
            throw ScriptFailure(name + " has no edit field " + std::to_string(answer.id) + " for " +
                                describeAnswer(answer));
        shown.setText(answer.id, answer.text, 0);
        control = answer.id;
        record(dialogName(dialog) + " edit " + std::to_string(control) + ' ' + quoted(answer.text));
        break;
    default:
        kind = DIALOG_CLICKED;
        record(dialogName(dialog) + " ok");
        break;
    }
    if (DIALOG_CALLBACK callback = shown.callback(control)) {
        record(dialogName(dialog) + " calls back " + std::to_string(control) + ' ' + callbackKindName(kind));
        callback(dialog, control, kind);
    } else if (kind == DIALOG_CLICKED) {
        dialogExit(dialog);  // the default button ends a dialog that binds no routine to it
    }
}

void ScriptedWindowLayer::dialogExit(DIALOG& dialog) {
    dialogOf(dialog).end();
    record(dialogName(dialog) + " exit");
}

void ScriptedWindowLayer::dialogUninit(DIALOG& dialog) {
    if (m_dialogs.erase(dialog.handle) == 0) return;
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
    if (command == StandardCommand::Exit) {
        const std::lock_guard lock(m_queue_mutex);
        m_ended = true;
        m_queued.clear();
    }
    record(command == StandardCommand::Exit ? "exit" : "standard " + standardName(command));
}

std::string ScriptedWindowLayer::menuEntryName(MENU_ROUTINE routine) const {
    const std::optional<ScriptedMenuEntry> entry = m_menu_bar.findByRoutine(routine);
    return entry ? quoted(entry->text) : "routine";
}

void ScriptedWindowLayer::queueCommand(MENU_ROUTINE routine) {
    {
        const std::lock_guard lock(m_queue_mutex);
        m_queued.push_back(routine);
    }
    record("queue " + menuEntryName(routine));
}

// --- Date ---

DATE_TIME ScriptedWindowLayer::currentDateTime() {
    DATE_TIME when;
    char date[16];
    std::snprintf(date, sizeof date, "%04d%02d%02d", FIXED_YEAR, FIXED_MONTH, FIXED_DAY);
    char time[16];
    std::snprintf(time, sizeof time, "%02d0000.000", FIXED_HOUR);
    when.date = date;
    when.time = time;
    when.zone = "+0000";
    const int values[8] = {FIXED_YEAR, FIXED_MONTH, FIXED_DAY, 0, FIXED_HOUR, 0, 0, 0};
    std::copy(std::begin(values), std::end(values), when.values);
    return when;
}

// The short date form dd/MM/yyyy.
std::string ScriptedWindowLayer::formatDate(const DATE_TIME& when) {
    char text[16];
    std::snprintf(text, sizeof text, "%02d/%02d/%04d", when.values[2], when.values[1], when.values[0]);
    return text;
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
