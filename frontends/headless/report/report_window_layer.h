#pragma once
// The report layer: the window layer of `korvel --report`. It shows nothing and waits for no
// one; it answers every wait as the report decides (the data file, the series of a graph, the
// stage of a trajectory, OK) and keeps what the user would have seen as report entries: each
// result table whole, each graph as SVG drawn from the layer's own primitives, each message
// box, and the texts drawn outside tables and graphs. The windows, the drawing state and the
// dialogs are the headless layer's.

#include "frontends/headless/headless_window_layer.h"
#include "frontends/headless/report/report_answers.h"
#include "frontends/headless/report/report_entries.h"
#include "frontends/headless/report/svg_surface.h"

#include <functional>
#include <map>
#include <memory>
#include <optional>

namespace korvel {

class ReportWindowLayer : public HeadlessWindowLayer {
public:
    explicit ReportWindowLayer(ReportAnswers& answers);

    const std::vector<REPORT_ENTRY>& entries() const { return m_entries; }
    // A text drawn into a graph passes through `rename` first, so that it is measured and drawn
    // as the report shows it.
    void renameGraphTexts(std::function<std::string(const std::string&)> rename) { m_rename = std::move(rename); }

    // The notice being drawn ends first
    bool openChildWindow(int channel, const std::string& title) override;
    void closeChannel(int channel) override;
    void writeText(int channel, const std::string& text) override;
    MOUSE_RESULT waitMouseEvent(int mask) override;
    std::string readLine(int channel) override;
    void sleep(int milliseconds) override;
    int messageBox(const std::string& text, const std::string& caption, int style) override;
    // Answered as the report decides
    int dialogModal(DIALOG& dialog) override;
    FILE_DIALOG_RESULT openFileDialog(const FILE_DIALOG_REQUEST& request) override;

    // Drawn into the graph shown, if any
    void clearWindow() override;
    void drawText(const std::string& text) override;
    bool lineTo(int x, int y) override;
    bool rectangle(int mode, double x1, double y1, double x2, double y2) override;
    bool polygon(int mode, const std::vector<TEXT_POSITION>& points) override;
    bool ellipse(int mode, int x1, int y1, int x2, int y2) override;
    void setClipRect(int x1, int y1, int x2, int y2) override;

    // The surface's geometry; nothing else of the frame is kept, and nothing is started
    WINDOW_RECT getWindowRect(int window) override;
    void focusChannel(int channel) override;
    void windowMenuCommand(int) override {}
    int setExitBehaviour(int) override { return 0; }
    [[noreturn]] void idleForever() override;
    bool runProgram(const std::string&) override { return false; }
    bool runTextEditor() override { return false; }
    bool openDocument(const std::string&) override { return false; }

    // Date: today's, as the tables show it
    DATE_TIME currentDateTime() override;

    // Recording
    void tableStart() override;
    // Ends the notice being drawn, if any; the driver calls it after each command.
    void endOfCommand() { endShown(); }
    void tablePage(const TABLE_PAGE* page) override;
    void graphPage(const GRAPH_PAGE* page) override;

protected:
    SurfaceSize defaultSurface() const override;
    // A window's placement follows its configuration; the frame's is the surface's.
    WINDOW_PLACEMENT placementOf(int window) override;

private:
    // The graph shown in a window: its record, and its drawing once begun.
    struct ShownGraph {
        std::optional<GRAPH_PAGE> record;
        std::unique_ptr<SvgSurface> surface;
    };

    // Ends the notice being drawn, if any, as one entry.
    void endShown();
    // The drawing of the graph shown in the active window, begun at its first primitive; none
    // when no graph is.
    SvgSurface* graphSurface();
    // Keeps the graph drawn in `channel`'s window, if any, as one entry.
    void endGraph(int channel);
    bool showsGraph(int channel) const;
    std::string graphText(const std::string& text) const;
    void answer(DIALOG& dialog, const DialogAnswer& answer);

    ReportAnswers& m_answers;
    std::function<std::string(const std::string&)> m_rename;
    std::map<int, ShownGraph> m_graphs;  // by channel; -1 for drawing with no window open

    std::vector<REPORT_ENTRY> m_entries;
    std::vector<std::string> m_shown;  // the notice being drawn
    bool m_table_open = false;         // pages join the table entry below
    size_t m_table_entry = 0;
    int m_column_run = 0;              // of that table, from 0
    int m_graph_count = 0;
};

// Installs `layer` as the window layer and as the recording observer; nullptr removes both.
void INSTALL_REPORT_LAYER(ReportWindowLayer* layer);

}  // namespace korvel
