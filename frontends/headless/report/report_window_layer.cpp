#include "frontends/headless/report/report_window_layer.h"

#include "base/fixed_text.h"
#include "frontends/headless/automatic_answers.h"
#include "present/window/font_descriptor.h"
#include "present/window/window_geometry.h"
#include "resources/dialog_templates.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <utility>

namespace korvel {

namespace {

// The surface a child window gets when it keeps its defaults: a graph is drawn this large.
constexpr int SURFACE_WIDTH = 960;
constexpr int SURFACE_HEIGHT = 640;

constexpr int GRAPH_DIALOG = 111;
constexpr int GRAPH_TITLE_FIELD = 1006;
constexpr int GRAPH_AXIS_FIELD = 1007;
constexpr int OK_BUTTON = 1;

std::string shownText(const std::string& text) { return TRIM_RIGHT(TEXT_BEFORE_ZERO(text)); }

// The entries of the dialog's lists, in order.
std::vector<std::string> listEntries(const AnsweredDialog& dialog) {
    std::vector<std::string> entries;
    for (const DialogControl& control : dialog.dialogTemplate().controls) {
        if (control.kind != ControlKind::ListBox) continue;
        for (int index = 1; const std::optional<std::string> entry = dialog.entry(control.id, index); ++index)
            entries.push_back(*entry);
    }
    return entries;
}

}  // namespace

void ReportWindowLayer::answerGraphTexts(const std::string& title, const std::string& axis) {
    m_graph_texts.emplace_back(title, axis);
}

void ReportWindowLayer::endOfCommand() {
    endShown();
    m_graph_texts.clear();
}

std::optional<MENU_ROUTINE> ReportWindowLayer::takeQueuedCommand() {
    if (m_queued.empty()) return std::nullopt;
    const MENU_ROUTINE routine = m_queued.front();
    m_queued.pop_front();
    return routine;
}

ReportWindowLayer::Window& ReportWindowLayer::active() {
    Window* found = window(m_active);
    return found != nullptr ? *found : m_no_window;
}

ReportWindowLayer::Window* ReportWindowLayer::window(int channel) {
    const auto found = m_windows.find(channel);
    return found == m_windows.end() ? nullptr : &found->second;
}

// --- What the user would have seen ---

void ReportWindowLayer::endShown() {
    if (m_shown.empty()) return;
    REPORT_ENTRY entry;
    entry.kind = ReportEntryKind::Shown;
    entry.shown = std::move(m_shown);
    m_entries.push_back(std::move(entry));
    m_shown.clear();
}

void ReportWindowLayer::endGraph(Window& target) {
    if (!target.graph_record || !target.graph) return;
    REPORT_ENTRY entry;
    entry.kind = ReportEntryKind::Graph;
    entry.graph.record = *target.graph_record;
    const std::string label = shownText(entry.graph.record.title).empty() ? "Graph" : shownText(entry.graph.record.title);
    entry.graph.svg = target.graph->svg(label);
    m_entries.push_back(std::move(entry));
    target.graph_record.reset();
    target.graph.reset();
}

// The drawing of the graph shown in `target`, begun at its first primitive; none when no graph is.
SvgSurface* ReportWindowLayer::graphSurface(Window& target) {
    if (!target.graph_record) return nullptr;
    if (!target.graph) {
        m_graph_count += 1;
        target.graph = std::make_unique<SvgSurface>(target.config.pixel_width, target.config.pixel_height,
                                                    "graph" + std::to_string(m_graph_count) + '-');
    }
    return target.graph.get();
}

void ReportWindowLayer::tableStart() {
    endShown();
    m_table_open = false;
}

// The pages of one table come column run by column run, each from its first row: a page from
// row 1 after the first opens the next run of columns, the others add rows to the run.
void ReportWindowLayer::tablePage(const TABLE_PAGE* page) {
    active().table_page = true;
    if (page == nullptr) return;
    if (!m_table_open) {
        REPORT_ENTRY entry;
        entry.kind = ReportEntryKind::Table;
        entry.table = {page->kind, page->title, page->caption, page->subtitle, page->headings, page->rows};
        m_entries.push_back(std::move(entry));
        m_table_open = true;
        m_table_entry = m_entries.size() - 1;
        m_column_run = 0;
        return;
    }
    REPORT_TABLE& table = m_entries[m_table_entry].table;
    const bool new_run = page->first_row == 1;
    if (new_run) {
        ++m_column_run;
        table.headings.insert(table.headings.end(), page->headings.begin() + std::min<size_t>(1, page->headings.size()),
                              page->headings.end());
    }
    for (size_t r = 0; r < page->rows.size(); ++r) {
        const std::vector<std::string>& cells = page->rows[r];
        if (m_column_run == 0) {
            table.rows.push_back(cells);
            continue;
        }
        const size_t row = static_cast<size_t>(page->first_row - 1) + r;
        if (row >= table.rows.size() || cells.empty()) continue;
        table.rows[row].insert(table.rows[row].end(), cells.begin() + 1, cells.end());
    }
}

void ReportWindowLayer::graphPage(const GRAPH_PAGE* page) {
    if (page != nullptr) active().graph_record = *page;
}

// --- Windows ---

bool ReportWindowLayer::openChildWindow(int channel, const std::string&) {
    endShown();
    Window fresh;
    RESOLVE_WINDOW_CONFIG(fresh.config, SURFACE_WIDTH, SURFACE_HEIGHT);
    m_windows[channel] = std::move(fresh);
    std::erase(m_opening_order, channel);
    m_opening_order.push_back(channel);
    m_active = channel;
    return true;
}

void ReportWindowLayer::closeChannel(int channel) {
    endShown();
    if (Window* closing = window(channel)) endGraph(*closing);
    m_windows.erase(channel);
    std::erase(m_opening_order, channel);
    if (m_active == channel) m_active = -1;
}

bool ReportWindowLayer::setWindowConfig(WINDOW_CONFIG& config) {
    Window* target = window(m_active);
    if (target == nullptr) return false;
    const bool exact = RESOLVE_WINDOW_CONFIG(config, SURFACE_WIDTH, SURFACE_HEIGHT);
    if (exact) target->config = config;
    return exact;
}

bool ReportWindowLayer::getWindowConfig(WINDOW_CONFIG& config) {
    const Window* target = window(m_active);
    if (target == nullptr) return false;
    config = target->config;
    return true;
}

int ReportWindowLayer::setWindowPlacement(int window_number, const WINDOW_PLACEMENT&) {
    return window_number == FRAME_WINDOW || window(window_number) != nullptr ? 0 : -1;
}

int ReportWindowLayer::getWindowPlacement(int window_number, int, WINDOW_PLACEMENT& placement) {
    if (window_number == FRAME_WINDOW) {
        placement = {PLACE_POSITION_AND_SIZE, 0, 0, SURFACE_HEIGHT, SURFACE_WIDTH};
        return 0;
    }
    const Window* target = window(window_number);
    if (target == nullptr) return -1;
    placement = {PLACE_POSITION_AND_SIZE, 0, 0, target->config.text_rows, target->config.text_columns};
    return 0;
}

void ReportWindowLayer::setWindowText(int, const std::string&) {}

WINDOW_RECT ReportWindowLayer::getWindowRect(int window_number) {
    if (window_number == FRAME_WINDOW) return {0, 0, SURFACE_WIDTH, SURFACE_HEIGHT};
    const Window* target = window(window_number);
    if (target == nullptr) return {};
    return {0, 0, target->config.pixel_width, target->config.pixel_height};
}

void ReportWindowLayer::focusChannel(int channel) {
    if (window(channel) != nullptr) m_active = channel;
    else m_active = -1;  // the indications window, never opened here
}

int ReportWindowLayer::focusedChannel() { return m_opening_order.empty() ? -1 : m_opening_order.back(); }

void ReportWindowLayer::clearWindow() {
    Window& target = active();
    if (target.graph) target.graph->fill(target.background.rgb());
    else endShown();
}

void ReportWindowLayer::writeText(int channel, const std::string& text) {
    const Window* target = window(channel);
    if (target != nullptr && (target->table_page || target->graph_record)) return;
    const std::string shown = shownText(text);
    if (!shown.empty()) m_shown.push_back(shown);
}

// --- Drawing ---

int ReportWindowLayer::initializeFonts() { return INSTALLED_FACE_COUNT(); }

int ReportWindowLayer::setFont(const std::string& descriptor) {
    const FONT_REQUEST request = PARSE_FONT_DESCRIPTOR(descriptor);
    const int face = INSTALLED_FACE_INDEX(request.face);
    if (!request.valid || face < 0) return -1;
    active().font = request;
    return face;
}

TEXT_POSITION ReportWindowLayer::moveTo(int x, int y) {
    Window& target = active();
    const TEXT_POSITION previous = target.position;
    target.position = {static_cast<int16_t>(x), static_cast<int16_t>(y)};
    return previous;
}

// A graph's texts go into its drawing; a table page's are in its record; the others are the
// lines of a notice.
void ReportWindowLayer::drawText(const std::string& text) {
    Window& target = active();
    if (target.table_page) return;
    if (SvgSurface* surface = graphSurface(target)) {
        surface->text(target.position.x, target.position.y, text, target.font,
                           FIXED_TEXT_WIDTH(target.font, TRIM_RIGHT(TEXT_BEFORE_ZERO(text))), target.colour.rgb());
        return;
    }
    const std::string shown = shownText(text);
    if (!shown.empty()) m_shown.push_back(shown);
}

int ReportWindowLayer::textWidth(const std::string& text) { return FIXED_TEXT_WIDTH(active().font, text); }

int ReportWindowLayer::setColor(int index) { return active().colour.setIndex(index); }
RGB_VALUE ReportWindowLayer::setColorRgb(RGB_VALUE value) { return active().colour.setRgb(value); }
int ReportWindowLayer::setTextColor(int index) { return active().text_colour.setIndex(index); }
RGB_VALUE ReportWindowLayer::setTextColorRgb(RGB_VALUE value) { return active().text_colour.setRgb(value); }
int ReportWindowLayer::setBackground(int index) { return active().background.setIndex(index); }
RGB_VALUE ReportWindowLayer::setBackgroundRgb(RGB_VALUE value) { return active().background.setRgb(value); }

namespace {

bool isDrawingMode(int mode) { return mode == DRAW_OUTLINE || mode == DRAW_FILLED; }

}  // namespace

bool ReportWindowLayer::rectangle(int mode, double x1, double y1, double x2, double y2) {
    Window& target = active();
    if (SvgSurface* surface = graphSurface(target))
        surface->rectangle(mode, x1, y1, x2, y2, target.colour.rgb(), target.line_style);
    return isDrawingMode(mode) && m_active >= 0;
}

bool ReportWindowLayer::lineTo(int x, int y) {
    Window& target = active();
    if (SvgSurface* surface = graphSurface(target))
        surface->line(target.position.x, target.position.y, x, y, target.colour.rgb(), target.line_style);
    target.position = {static_cast<int16_t>(x), static_cast<int16_t>(y)};
    return m_active >= 0;
}

void ReportWindowLayer::setLineStyle(unsigned mask) { active().line_style = mask & 0xFFFFu; }

bool ReportWindowLayer::ellipse(int mode, int x1, int y1, int x2, int y2) {
    Window& target = active();
    if (SvgSurface* surface = graphSurface(target))
        surface->ellipse(mode, x1, y1, x2, y2, target.colour.rgb(), target.line_style);
    return isDrawingMode(mode) && m_active >= 0;
}

bool ReportWindowLayer::polygon(int mode, const std::vector<TEXT_POSITION>& points) {
    Window& target = active();
    if (SvgSurface* surface = graphSurface(target)) surface->polygon(mode, points, target.colour.rgb(), target.line_style);
    return isDrawingMode(mode) && m_active >= 0 && !points.empty();
}

void ReportWindowLayer::setClipRect(int x1, int y1, int x2, int y2) {
    if (SvgSurface* surface = graphSurface(active())) surface->clip(x1, y1, x2, y2);
}

// --- Input and timing ---

MOUSE_RESULT ReportWindowLayer::waitMouseEvent(int mask) {
    endShown();
    return AUTOMATIC_MOUSE_ANSWER(mask);
}

std::string ReportWindowLayer::readLine(int) {
    endShown();
    return {};
}

void ReportWindowLayer::sleep(int) { endShown(); }

void ReportWindowLayer::idleForever() {
    std::fputs("korvel: the report layer was asked to idle; only the desktop program does\n", stderr);
    std::abort();
}

// --- Messages and dialogs ---

int ReportWindowLayer::messageBox(const std::string& text, const std::string& caption, int style) {
    endShown();
    REPORT_ENTRY entry;
    entry.kind = ReportEntryKind::Message;
    entry.message = {style, TEXT_BEFORE_ZERO(caption), TEXT_BEFORE_ZERO(text)};
    m_entries.push_back(std::move(entry));
    return 1;
}

bool ReportWindowLayer::dialogInit(int template_id, DIALOG& dialog) {
    dialog = DIALOG{template_id, 0};
    const DialogTemplate* found = FIND_DIALOG_TEMPLATE(template_id);
    if (found == nullptr) return false;
    dialog.handle = m_next_dialog_handle++;
    m_dialogs[dialog.handle] = std::make_unique<AnsweredDialog>(*found);
    return true;
}

void ReportWindowLayer::dialogSetCount(DIALOG& dialog, int control, int count) {
    if (auto found = m_dialogs.find(dialog.handle); found != m_dialogs.end()) found->second->setCount(control, count);
}

void ReportWindowLayer::dialogSetText(DIALOG& dialog, int control, const std::string& text, int index) {
    if (auto found = m_dialogs.find(dialog.handle); found != m_dialogs.end()) found->second->setText(control, text, index);
}

void ReportWindowLayer::dialogSetCallback(DIALOG& dialog, int control, DIALOG_CALLBACK routine) {
    if (auto found = m_dialogs.find(dialog.handle); found != m_dialogs.end()) found->second->setCallback(control, routine);
}

bool ReportWindowLayer::dialogGetText(DIALOG& dialog, int control, std::string& buffer) {
    const auto found = m_dialogs.find(dialog.handle);
    const std::optional<std::string> text =
        found == m_dialogs.end() ? std::nullopt : found->second->text(control);
    const int length = CHARACTER_COUNT(buffer);
    if (!text) {
        buffer.assign(static_cast<size_t>(length), ' ');
        return false;
    }
    buffer = length > 0 ? PAD_TEXT(*text, length) : *text;
    return true;
}

// Selects the entry and tells its list's routine, as a click on it does.
void ReportWindowLayer::answerPick(DIALOG& dialog, const std::string& text) {
    AnsweredDialog& shown = *m_dialogs.at(dialog.handle);
    const std::optional<ListEntry> entry = shown.findEntry(text);
    if (!entry) return;
    shown.select(*entry);
    if (DIALOG_CALLBACK callback = shown.callback(entry->control)) callback(dialog, entry->control, DIALOG_CHANGE);
}

// Types `text` into edit field `control` and tells its routine.
void ReportWindowLayer::answerEdit(DIALOG& dialog, int control, const std::string& text) {
    AnsweredDialog& shown = *m_dialogs.at(dialog.handle);
    if (!shown.isEdit(control)) return;
    shown.setText(control, text, 0);
    if (DIALOG_CALLBACK callback = shown.callback(control)) callback(dialog, control, DIALOG_CHANGE);
}

void ReportWindowLayer::pressOk(DIALOG& dialog) {
    AnsweredDialog& shown = *m_dialogs.at(dialog.handle);
    if (DIALOG_CALLBACK callback = shown.callback(OK_BUTTON)) callback(dialog, OK_BUTTON, DIALOG_CLICKED);
    else dialogExit(dialog);
}

// A graph holds every series of its list while they are at most eight; otherwise the first
// seven (the stages) and the last (the total).
void ReportWindowLayer::pickGraphSeries(DIALOG& dialog) {
    const std::vector<std::string> entries = listEntries(*m_dialogs.at(dialog.handle));
    const size_t count = entries.size();
    for (size_t k = 0; k < count; ++k)
        if (count <= REPORT_GRAPH_SERIES || k + 1 < REPORT_GRAPH_SERIES || k + 1 == count) answerPick(dialog, entries[k]);
    if (m_graph_texts.empty()) return;
    answerEdit(dialog, GRAPH_TITLE_FIELD, m_graph_texts.front().first);
    answerEdit(dialog, GRAPH_AXIS_FIELD, m_graph_texts.front().second);
    m_graph_texts.pop_front();
}

int ReportWindowLayer::dialogModal(DIALOG& dialog) {
    endShown();
    if (m_dialogs.find(dialog.handle) == m_dialogs.end()) return 0;
    if (dialog.template_id == GRAPH_DIALOG) pickGraphSeries(dialog);
    else if (!m_stage.empty()) answerPick(dialog, m_stage);
    if (!m_dialogs.at(dialog.handle)->ended()) pressOk(dialog);
    // A routine that leaves the dialog open after OK would wait for ever: the dialog ends here.
    if (!m_dialogs.at(dialog.handle)->ended()) dialogExit(dialog);
    return 1;
}

void ReportWindowLayer::dialogExit(DIALOG& dialog) {
    if (auto found = m_dialogs.find(dialog.handle); found != m_dialogs.end()) found->second->end();
}

void ReportWindowLayer::dialogUninit(DIALOG& dialog) { m_dialogs.erase(dialog.handle); }

// The path is given once, as a user picks it once: a dialog shown again is cancelled.
FILE_DIALOG_RESULT ReportWindowLayer::openFileDialog(const FILE_DIALOG_REQUEST&) {
    endShown();
    FILE_DIALOG_RESULT result;
    result.chosen = !m_file.empty();
    result.path = std::exchange(m_file, {});
    result.read_only = false;
    return result;
}

// --- Menus ---

void ReportWindowLayer::standardCommand(StandardCommand command) {
    if (command == StandardCommand::Exit) {
        m_ended = true;
        m_queued.clear();
    }
}

// --- Date ---

DATE_TIME ReportWindowLayer::currentDateTime() {
    const std::time_t now = std::time(nullptr);
    std::tm local{};
    localtime_r(&now, &local);
    DATE_TIME when;
    char date[40];
    std::snprintf(date, sizeof date, "%04d%02d%02d", local.tm_year + 1900, local.tm_mon + 1, local.tm_mday);
    char time[40];
    std::snprintf(time, sizeof time, "%02d%02d%02d.000", local.tm_hour, local.tm_min, local.tm_sec);
    when.date = date;
    when.time = time;
    when.zone = "+0000";
    const int values[8] = {local.tm_year + 1900, local.tm_mon + 1, local.tm_mday, 0, local.tm_hour, local.tm_min,
                           local.tm_sec, 0};
    std::copy(std::begin(values), std::end(values), when.values);
    return when;
}

std::string ReportWindowLayer::formatDate(const DATE_TIME& when) {
    char text[16];
    std::snprintf(text, sizeof text, "%02d/%02d/%04d", when.values[2], when.values[1], when.values[0]);
    return text;
}

void INSTALL_REPORT_LAYER(ReportWindowLayer* layer) {
    INSTALL_LAYER(layer);
    INSTALL_OBSERVER(layer);
}

}  // namespace korvel
