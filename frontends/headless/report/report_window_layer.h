#pragma once
// The report layer: the window layer of `korvel --report`. It shows nothing and waits for no
// one; it answers every wait as a user running the whole analysis would (the data file it was
// given, Enter, the series of a graph, the stage of a trajectory, OK) and keeps what the user
// would have seen as report entries: each result table whole, each graph as SVG drawn from the
// layer's own primitives, each message box, and the texts drawn outside tables and graphs.

#include "frontends/headless/answered_dialog.h"
#include "present/window/recording_observer.h"
#include "frontends/headless/report/report_entries.h"
#include "frontends/headless/report/svg_surface.h"
#include "present/window/window_layer.h"

#include <deque>
#include <map>
#include <memory>
#include <optional>

namespace korvel {

// The most series a graph is drawn with.
inline constexpr int REPORT_GRAPH_SERIES = 8;

class ReportWindowLayer : public WindowLayer, public RecordingObserver {
public:
    // What the user answers next: the file dialog's path (once), the texts typed in a graph's
    // dialog, the stage picked for a trajectory.
    void answerFile(const std::string& path) { m_file = path; }
    // Texts for the graph dialogs to come, taken one pair a dialog in order.
    void answerGraphTexts(const std::string& title, const std::string& axis);
    void answerStage(const std::string& name) { m_stage = name; }

    const std::vector<REPORT_ENTRY>& entries() const { return m_entries; }
    // True once the program asked to end (the solver's fatal path) or a routine queued a command.
    bool ended() const { return m_ended; }
    // The commands queued by the routines, taken in order.
    std::optional<MENU_ROUTINE> takeQueuedCommand();

    // Windows
    bool openChildWindow(int channel, const std::string& title) override;
    void closeChannel(int channel) override;
    bool setWindowConfig(WINDOW_CONFIG& config) override;
    bool getWindowConfig(WINDOW_CONFIG& config) override;
    int setWindowPlacement(int window, const WINDOW_PLACEMENT& placement) override;
    int getWindowPlacement(int window, int request, WINDOW_PLACEMENT& placement) override;
    void setWindowText(int window, const std::string& text) override;
    WINDOW_RECT getWindowRect(int window) override;
    void focusChannel(int channel) override;
    int focusedChannel() override;
    void clearWindow() override;
    void writeText(int channel, const std::string& text) override;
    void windowMenuCommand(int) override {}
    int setExitBehaviour(int) override { return 0; }

    // Drawing
    int initializeFonts() override;
    int setFont(const std::string& descriptor) override;
    TEXT_POSITION moveTo(int x, int y) override;
    void drawText(const std::string& text) override;
    int textWidth(const std::string& text) override;
    int setColor(int index) override;
    RGB_VALUE setColorRgb(RGB_VALUE value) override;
    int setTextColor(int index) override;
    RGB_VALUE setTextColorRgb(RGB_VALUE value) override;
    int setBackground(int index) override;
    RGB_VALUE setBackgroundRgb(RGB_VALUE value) override;
    bool rectangle(int mode, double x1, double y1, double x2, double y2) override;
    bool lineTo(int x, int y) override;
    void setLineStyle(unsigned mask) override;
    bool ellipse(int mode, int x1, int y1, int x2, int y2) override;
    bool polygon(int mode, const std::vector<TEXT_POSITION>& points) override;
    void setClipRect(int x1, int y1, int x2, int y2) override;

    // Input and timing: answered at once, nothing sleeps
    MOUSE_RESULT waitMouseEvent(int mask) override;
    std::string readLine(int channel) override;
    void sleep(int milliseconds) override;
    void beep(int, int) override {}
    [[noreturn]] void idleForever() override;

    // Messages and dialogs
    int messageBox(const std::string& text, const std::string& caption, int style) override;
    bool dialogInit(int template_id, DIALOG& dialog) override;
    void dialogSetCount(DIALOG& dialog, int control, int count) override;
    void dialogSetText(DIALOG& dialog, int control, const std::string& text, int index) override;
    void dialogSetCallback(DIALOG& dialog, int control, DIALOG_CALLBACK routine) override;
    bool dialogGetText(DIALOG& dialog, int control, std::string& buffer) override;
    int dialogModal(DIALOG& dialog) override;
    void dialogExit(DIALOG& dialog) override;
    void dialogUninit(DIALOG& dialog) override;
    FILE_DIALOG_RESULT openFileDialog(const FILE_DIALOG_REQUEST& request) override;

    // Programs: none is started
    bool runProgram(const std::string&) override { return false; }
    bool runTextEditor() override { return false; }
    bool openDocument(const std::string&) override { return false; }

    // Menus
    bool appendMenuItem(int, int, const std::string&, MENU_ROUTINE) override { return true; }
    void setMenuItemFlags(int, int, int) override {}
    void standardCommand(StandardCommand command) override;
    void queueCommand(MENU_ROUTINE routine) override { m_queued.push_back(routine); }

    // Date: today's, as the tables show it
    DATE_TIME currentDateTime() override;
    std::string formatDate(const DATE_TIME& when) override;

    // Recording
    void tableStart() override;
    // Ends the notice being drawn, if any, and forgets the answers the command did not take;
    // the driver calls it after each command.
    void endOfCommand();
    void tablePage(const TABLE_PAGE* page) override;
    void graphPage(const GRAPH_PAGE* page) override;

private:
    struct Window {
        WINDOW_CONFIG config;
        TEXT_POSITION position;
        FONT_REQUEST font;
        ColourSetting colour{15};
        ColourSetting text_colour{15, 255};
        ColourSetting background{0};
        unsigned line_style = 0xFFFF;
        bool table_page = false;  // a table page's record stands for its drawing
        std::unique_ptr<SvgSurface> graph;  // while a graph is drawn in it
        std::optional<GRAPH_PAGE> graph_record;
    };

    Window& active();
    Window* window(int channel);
    // Ends the notice being drawn, if any, as one entry.
    void endShown();
    SvgSurface* graphSurface(Window& target);
    // Keeps the graph drawn in `target`, if any, as one entry.
    void endGraph(Window& target);
    void pickGraphSeries(DIALOG& dialog);
    void answerPick(DIALOG& dialog, const std::string& text);
    void answerEdit(DIALOG& dialog, int control, const std::string& text);
    void pressOk(DIALOG& dialog);

    std::map<int, Window> m_windows;
    Window m_no_window;  // the indications window stands here: it is never opened
    int m_active = -1;
    std::vector<int> m_opening_order;

    std::map<int, std::unique_ptr<AnsweredDialog>> m_dialogs;
    int m_next_dialog_handle = 1;

    std::string m_file;
    std::deque<std::pair<std::string, std::string>> m_graph_texts;
    std::string m_stage;

    std::vector<REPORT_ENTRY> m_entries;
    std::vector<std::string> m_shown;  // the notice being drawn
    bool m_table_open = false;         // pages join the table entry below
    size_t m_table_entry = 0;
    int m_column_run = 0;              // of that table, from 0
    int m_graph_count = 0;
    std::deque<MENU_ROUTINE> m_queued;
    bool m_ended = false;
};

// Installs `layer` as the window layer and as the recording observer; nullptr removes both.
void INSTALL_REPORT_LAYER(ReportWindowLayer* layer);

}  // namespace korvel
