#include "frontends/headless/report/report_window_layer.h"

#include "base/fixed_text.h"
#include "frontends/headless/automatic_answers.h"

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

std::string shownText(const std::string& text) { return TRIM_RIGHT(TEXT_BEFORE_ZERO(text)); }

}  // namespace

ReportWindowLayer::ReportWindowLayer(ReportAnswers& answers)
    : HeadlessWindowLayer({SURFACE_WIDTH, SURFACE_HEIGHT}), m_answers(answers) {}

SurfaceSize ReportWindowLayer::defaultSurface() const { return {SURFACE_WIDTH, SURFACE_HEIGHT}; }

WINDOW_PLACEMENT ReportWindowLayer::placementOf(int window_number) {
    if (window_number == FRAME_WINDOW) return {PLACE_POSITION_AND_SIZE, 0, 0, SURFACE_HEIGHT, SURFACE_WIDTH};
    const WINDOW_CONFIG& config = window(window_number)->config;
    return {PLACE_POSITION_AND_SIZE, 0, 0, config.text_rows, config.text_columns};
}

std::string ReportWindowLayer::graphText(const std::string& text) const {
    return m_rename ? m_rename(TEXT_BEFORE_ZERO(text)) : text;
}

bool ReportWindowLayer::showsGraph(int channel) const {
    const auto found = m_graphs.find(channel);
    return found != m_graphs.end() && found->second.record.has_value();
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

void ReportWindowLayer::endGraph(int channel) {
    ShownGraph& shown = m_graphs[channel];
    if (!shown.record || !shown.surface) return;
    REPORT_ENTRY entry;
    entry.kind = ReportEntryKind::Graph;
    entry.graph.record = *shown.record;
    const std::string title = shownText(graphText(entry.graph.record.title));
    const std::string label = title.empty() ? "Graph" : title;
    entry.graph.svg = shown.surface->svg(label);
    m_entries.push_back(std::move(entry));
    shown.record.reset();
    shown.surface.reset();
}

SvgSurface* ReportWindowLayer::graphSurface() {
    if (!showsGraph(activeChannel())) return nullptr;
    ShownGraph& shown = m_graphs[activeChannel()];
    if (!shown.surface) {
        m_graph_count += 1;
        shown.surface = std::make_unique<SvgSurface>(active().config.pixel_width, active().config.pixel_height,
                                                     "graph" + std::to_string(m_graph_count) + '-');
    }
    return shown.surface.get();
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
    if (page != nullptr) m_graphs[activeChannel()].record = *page;
}

// --- Windows ---

bool ReportWindowLayer::openChildWindow(int channel, const std::string& title) {
    endShown();
    m_graphs.erase(channel);
    return HeadlessWindowLayer::openChildWindow(channel, title);
}

void ReportWindowLayer::closeChannel(int channel) {
    endShown();
    if (window(channel) != nullptr) endGraph(channel);
    m_graphs.erase(channel);
    HeadlessWindowLayer::closeChannel(channel);
}

WINDOW_RECT ReportWindowLayer::getWindowRect(int window_number) {
    if (window_number == FRAME_WINDOW) return {0, 0, SURFACE_WIDTH, SURFACE_HEIGHT};
    const HeadlessWindow* target = window(window_number);
    if (target == nullptr) return {};
    return {0, 0, target->config.pixel_width, target->config.pixel_height};
}

void ReportWindowLayer::focusChannel(int channel) {
    HeadlessWindowLayer::focusChannel(channel);
    if (window(channel) == nullptr) deactivate();  // the indications window, never opened here
}

void ReportWindowLayer::clearWindow() {
    const auto shown = m_graphs.find(activeChannel());
    if (shown != m_graphs.end() && shown->second.surface) shown->second.surface->fill(active().background.rgb());
    else endShown();
}

void ReportWindowLayer::writeText(int channel, const std::string& text) {
    const HeadlessWindow* target = window(channel);
    if (target != nullptr && (target->table_page || showsGraph(channel))) return;
    const std::string shown = shownText(text);
    if (!shown.empty()) m_shown.push_back(shown);
}

// --- Drawing ---

// A graph's texts go into its drawing; a table page's are in its record; the others are the
// lines of a notice.
void ReportWindowLayer::drawText(const std::string& text) {
    const HeadlessWindow& target = active();
    if (target.table_page) return;
    if (SvgSurface* surface = graphSurface()) {
        const std::string drawn = graphText(text);
        surface->text(target.position.x, target.position.y, drawn, target.font_request,
                      FIXED_TEXT_WIDTH(target.font_request, shownText(drawn)), target.colour.rgb());
        return;
    }
    const std::string shown = shownText(text);
    if (!shown.empty()) m_shown.push_back(shown);
}

bool ReportWindowLayer::rectangle(int mode, double x1, double y1, double x2, double y2) {
    const HeadlessWindow& target = active();
    if (SvgSurface* surface = graphSurface())
        surface->rectangle(mode, x1, y1, x2, y2, target.colour.rgb(), target.line_style);
    return HeadlessWindowLayer::rectangle(mode, x1, y1, x2, y2);
}

bool ReportWindowLayer::lineTo(int x, int y) {
    const HeadlessWindow& target = active();
    if (SvgSurface* surface = graphSurface())
        surface->line(target.position.x, target.position.y, x, y, target.colour.rgb(), target.line_style);
    return HeadlessWindowLayer::lineTo(x, y);
}

bool ReportWindowLayer::ellipse(int mode, int x1, int y1, int x2, int y2) {
    const HeadlessWindow& target = active();
    if (SvgSurface* surface = graphSurface())
        surface->ellipse(mode, x1, y1, x2, y2, target.colour.rgb(), target.line_style);
    return HeadlessWindowLayer::ellipse(mode, x1, y1, x2, y2);
}

bool ReportWindowLayer::polygon(int mode, const std::vector<TEXT_POSITION>& points) {
    const HeadlessWindow& target = active();
    if (SvgSurface* surface = graphSurface()) surface->polygon(mode, points, target.colour.rgb(), target.line_style);
    return HeadlessWindowLayer::polygon(mode, points);
}

void ReportWindowLayer::setClipRect(int x1, int y1, int x2, int y2) {
    if (SvgSurface* surface = graphSurface()) surface->clip(x1, y1, x2, y2);
}

// --- Input and timing ---

MOUSE_RESULT ReportWindowLayer::waitMouseEvent(int mask) {
    endShown();
    return HeadlessWindowLayer::waitMouseEvent(mask);
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

void ReportWindowLayer::answer(DIALOG& dialog, const DialogAnswer& answer) {
    const AnsweredDialog& shown = *usedDialog(dialog);
    if (answer.kind == DialogAnswer::Kind::Type) {
        if (shown.isEdit(answer.field)) type(dialog, answer.field, answer.text);
    } else if (const std::optional<ListEntry> entry = shown.findEntry(answer.text)) {
        choose(dialog, *entry);
    }
}

int ReportWindowLayer::dialogModal(DIALOG& dialog) {
    endShown();
    if (!dialogOpen(dialog)) return 0;
    for (const DialogAnswer& given : m_answers.dialogAnswers(dialog.template_id, usedDialog(dialog)->listEntries()))
        answer(dialog, given);
    if (!usedDialog(dialog)->ended()) pressOk(dialog);
    // A routine that leaves the dialog open after OK would wait for ever: the dialog ends here.
    if (!usedDialog(dialog)->ended()) dialogExit(dialog);
    return 1;
}

FILE_DIALOG_RESULT ReportWindowLayer::openFileDialog(const FILE_DIALOG_REQUEST& request) {
    endShown();
    const std::optional<std::string> path = m_answers.chosenFile(request);
    FILE_DIALOG_RESULT result;
    result.chosen = path.has_value();
    result.path = path.value_or("");
    result.read_only = false;
    return result;
}

// --- Date ---

DATE_TIME ReportWindowLayer::currentDateTime() {
    const std::time_t now = std::time(nullptr);
    std::tm local{};
    localtime_r(&now, &local);
    return dateTime(local.tm_year + 1900, local.tm_mon + 1, local.tm_mday, local.tm_hour, local.tm_min, local.tm_sec);
}

void INSTALL_REPORT_LAYER(ReportWindowLayer* layer) {
    INSTALL_LAYER(layer);
    INSTALL_OBSERVER(layer);
}

}  // namespace korvel
