#include "frontends/headless/headless_window_layer.h"

#include "base/fixed_text.h"
#include "frontends/headless/automatic_answers.h"
#include "present/window/font_descriptor.h"
#include "present/window/window_geometry.h"
#include "resources/dialog_ids.h"

#include <algorithm>
#include <cstdio>
#include <iterator>

namespace korvel {

namespace {

bool isDrawingMode(int mode) { return mode == DRAW_OUTLINE || mode == DRAW_FILLED; }

}  // namespace

HeadlessWindowLayer::HeadlessWindowLayer(SurfaceSize screen)
    : m_screen(screen),
      m_frame_placement{PLACE_POSITION_AND_SIZE, 0, 0, static_cast<int16_t>(screen.height),
                        static_cast<int16_t>(screen.width)} {}

bool HeadlessWindowLayer::ended() const {
    const std::lock_guard lock(m_queue_mutex);
    return m_ended;
}

std::optional<MENU_ROUTINE> HeadlessWindowLayer::takeQueuedCommand() {
    const std::lock_guard lock(m_queue_mutex);
    if (m_queued.empty()) return std::nullopt;
    const MENU_ROUTINE routine = m_queued.front();
    m_queued.pop_front();
    return routine;
}

HeadlessWindow& HeadlessWindowLayer::active() {
    HeadlessWindow* found = window(m_active);
    return found != nullptr ? *found : m_no_window;
}

HeadlessWindow* HeadlessWindowLayer::window(int channel) {
    const auto found = m_windows.find(channel);
    return found == m_windows.end() ? nullptr : &found->second;
}

const HeadlessWindow& HeadlessWindowLayer::windowOrStandIn(int channel) {
    const HeadlessWindow* found = window(channel);
    return found != nullptr ? *found : m_no_window;
}

WINDOW_PLACEMENT HeadlessWindowLayer::placementOf(int window_number) {
    return window_number == FRAME_WINDOW ? m_frame_placement : window(window_number)->placement;
}

// --- Windows ---

bool HeadlessWindowLayer::openChildWindow(int channel, const std::string& title) {
    HeadlessWindow fresh;
    fresh.title = title;
    const SurfaceSize surface = defaultSurface();
    RESOLVE_WINDOW_CONFIG(fresh.config, surface.width, surface.height);
    fresh.placement = {PLACE_POSITION_AND_SIZE, 0, 0, fresh.config.text_rows, fresh.config.text_columns};
    m_windows[channel] = std::move(fresh);
    std::erase(m_opening_order, channel);
    m_opening_order.push_back(channel);
    m_active = channel;
    return true;
}

void HeadlessWindowLayer::closeChannel(int channel) {
    m_windows.erase(channel);
    std::erase(m_opening_order, channel);
    if (m_active == channel) m_active = -1;
}

bool HeadlessWindowLayer::setWindowConfig(WINDOW_CONFIG& config) {
    HeadlessWindow* target = window(m_active);
    if (target == nullptr) return false;
    const bool exact = RESOLVE_WINDOW_CONFIG(config, m_screen.width, m_screen.height);
    if (!exact) return false;
    const std::string title = target->title;
    target->config = config;
    target->config.title = title;
    return true;
}

bool HeadlessWindowLayer::getWindowConfig(WINDOW_CONFIG& config) {
    const HeadlessWindow* target = window(m_active);
    if (target == nullptr) return false;
    config = target->config;
    return true;
}

int HeadlessWindowLayer::setWindowPlacement(int window_number, const WINDOW_PLACEMENT& placement) {
    if (window_number == FRAME_WINDOW) {
        m_frame_placement = placement;
        return 0;
    }
    HeadlessWindow* target = window(window_number);
    if (target == nullptr) return -1;
    target->placement = placement;
    return 0;
}

int HeadlessWindowLayer::getWindowPlacement(int window_number, int, WINDOW_PLACEMENT& placement) {
    if (window_number != FRAME_WINDOW && window(window_number) == nullptr) return -1;
    placement = placementOf(window_number);
    return 0;
}

void HeadlessWindowLayer::setWindowText(int window_number, const std::string& text) {
    if (HeadlessWindow* target = window(window_number)) target->title = text;
}

void HeadlessWindowLayer::focusChannel(int channel) {
    if (window(channel) != nullptr) m_active = channel;
}

int HeadlessWindowLayer::focusedChannel() { return m_opening_order.empty() ? -1 : m_opening_order.back(); }

// --- Drawing ---

int HeadlessWindowLayer::initializeFonts() { return INSTALLED_FACE_COUNT(); }

int HeadlessWindowLayer::setFont(const std::string& descriptor) {
    const FONT_REQUEST request = PARSE_FONT_DESCRIPTOR(descriptor);
    const int face = INSTALLED_FACE_INDEX(request.face);
    if (!request.valid || face < 0) return -1;
    HeadlessWindow& target = active();
    target.font = descriptor;
    target.font_request = request;
    return face;
}

TEXT_POSITION HeadlessWindowLayer::moveTo(int x, int y) {
    HeadlessWindow& target = active();
    const TEXT_POSITION previous = target.position;
    target.position = {static_cast<int16_t>(x), static_cast<int16_t>(y)};
    return previous;
}

int HeadlessWindowLayer::textWidth(const std::string& text) { return FIXED_TEXT_WIDTH(active().font_request, text); }

int HeadlessWindowLayer::setColor(int index) { return active().colour.setIndex(index); }
RGB_VALUE HeadlessWindowLayer::setColorRgb(RGB_VALUE value) { return active().colour.setRgb(value); }
int HeadlessWindowLayer::setTextColor(int index) { return active().text_colour.setIndex(index); }
RGB_VALUE HeadlessWindowLayer::setTextColorRgb(RGB_VALUE value) { return active().text_colour.setRgb(value); }
int HeadlessWindowLayer::setBackground(int index) { return active().background.setIndex(index); }
RGB_VALUE HeadlessWindowLayer::setBackgroundRgb(RGB_VALUE value) { return active().background.setRgb(value); }

// A shape is drawn in an open window, by outline or filled.
bool HeadlessWindowLayer::shapeDrawn(int mode) const { return isDrawingMode(mode) && m_active >= 0; }

bool HeadlessWindowLayer::rectangle(int mode, double, double, double, double) { return shapeDrawn(mode); }

bool HeadlessWindowLayer::lineTo(int x, int y) {
    active().position = {static_cast<int16_t>(x), static_cast<int16_t>(y)};
    return m_active >= 0;
}

void HeadlessWindowLayer::setLineStyle(unsigned mask) { active().line_style = mask & SOLID_LINE; }

bool HeadlessWindowLayer::ellipse(int mode, int, int, int, int) { return shapeDrawn(mode); }

bool HeadlessWindowLayer::polygon(int mode, const std::vector<TEXT_POSITION>& points) {
    return shapeDrawn(mode) && !points.empty();
}

// --- Input ---

MOUSE_RESULT HeadlessWindowLayer::waitMouseEvent(int mask) { return AUTOMATIC_MOUSE_ANSWER(mask); }

// --- Dialogs ---

AnsweredDialog* HeadlessWindowLayer::usedDialog(const DIALOG& dialog) {
    const auto found = m_dialogs.find(dialog.handle);
    if (found != m_dialogs.end()) return found->second.get();
    unknownDialog(dialog);
    return nullptr;
}

bool HeadlessWindowLayer::dialogInit(int template_id, DIALOG& dialog) {
    dialog = DIALOG{template_id, 0};
    const DialogTemplate* found = m_find_template(template_id);
    if (found == nullptr) return false;
    dialog.handle = m_next_dialog_handle++;
    m_dialogs[dialog.handle] = std::make_unique<AnsweredDialog>(*found);
    return true;
}

void HeadlessWindowLayer::dialogSetCount(DIALOG& dialog, int control, int count) {
    if (AnsweredDialog* shown = usedDialog(dialog)) shown->setCount(control, count);
}

void HeadlessWindowLayer::dialogSetText(DIALOG& dialog, int control, const std::string& text, int index) {
    if (AnsweredDialog* shown = usedDialog(dialog)) shown->setText(control, text, index);
}

void HeadlessWindowLayer::dialogSetCallback(DIALOG& dialog, int control, DIALOG_CALLBACK routine) {
    if (AnsweredDialog* shown = usedDialog(dialog)) shown->setCallback(control, routine);
}

// The text comes padded with blanks to the buffer's length; nothing selected leaves it blank.
bool HeadlessWindowLayer::dialogGetText(DIALOG& dialog, int control, std::string& buffer) {
    const AnsweredDialog* shown = usedDialog(dialog);
    const std::optional<std::string> text = shown == nullptr ? std::nullopt : shown->text(control);
    const int length = CHARACTER_COUNT(buffer);
    if (!text) {
        buffer.assign(static_cast<size_t>(length), ' ');
        return false;
    }
    buffer = length > 0 ? PAD_TEXT(*text, length) : *text;
    return true;
}

void HeadlessWindowLayer::dialogExit(DIALOG& dialog) {
    if (AnsweredDialog* shown = usedDialog(dialog)) shown->end();
}

void HeadlessWindowLayer::dialogUninit(DIALOG& dialog) { m_dialogs.erase(dialog.handle); }

bool HeadlessWindowLayer::tell(DIALOG& dialog, int control, DialogCallbackKind kind) {
    const DIALOG_CALLBACK callback = usedDialog(dialog)->callback(control);
    if (callback == nullptr) return false;
    callingBack(dialog, control, kind);
    callback(dialog, control, kind);
    return true;
}

void HeadlessWindowLayer::choose(DIALOG& dialog, const ListEntry& entry) {
    usedDialog(dialog)->select(entry);
    tell(dialog, entry.control, DIALOG_CHANGE);
}

void HeadlessWindowLayer::type(DIALOG& dialog, int control, const std::string& text) {
    usedDialog(dialog)->setText(control, text, 0);
    tell(dialog, control, DIALOG_CHANGE);
}

// The default button ends a dialog that binds no routine to it.
void HeadlessWindowLayer::pressOk(DIALOG& dialog) {
    if (!tell(dialog, DIALOG_OK, DIALOG_CLICKED)) dialogExit(dialog);
}

// --- Menus ---

void HeadlessWindowLayer::standardCommand(StandardCommand command) {
    if (command != StandardCommand::Exit) return;
    const std::lock_guard lock(m_queue_mutex);
    m_ended = true;
    m_queued.clear();
}

void HeadlessWindowLayer::queueCommand(MENU_ROUTINE routine) {
    const std::lock_guard lock(m_queue_mutex);
    m_queued.push_back(routine);
}

// --- Date ---

DATE_TIME HeadlessWindowLayer::dateTime(int year, int month, int day, int hour, int minute, int second) {
    DATE_TIME when;
    char date[40];
    std::snprintf(date, sizeof date, "%04d%02d%02d", year, month, day);
    char time[40];
    std::snprintf(time, sizeof time, "%02d%02d%02d.000", hour, minute, second);
    when.date = date;
    when.time = time;
    when.zone = "+0000";
    const int values[8] = {year, month, day, 0, hour, minute, second, 0};
    std::copy(std::begin(values), std::end(values), when.values);
    return when;
}

std::string HeadlessWindowLayer::formatDate(const DATE_TIME& when) {
    char text[16];
    std::snprintf(text, sizeof text, "%02d/%02d/%04d", when.values[2], when.values[1], when.values[0]);
    return text;
}

}  // namespace korvel
