#pragma once
// The scripted window layer: records every operation as one transcript line and answers every
// wait from the answers a scenario queued. No window is shown and nothing sleeps; the screen
// size, the date, text widths and window rectangles are fixed, so transcripts repeat exactly.
// The windows, the drawing state and the dialogs are the headless layer's; this one records
// them, and keeps the frame's geometry, the main-thread gate and the menu bar.

#include "frontends/headless/headless_window_layer.h"
#include "frontends/headless/script/answer_queue.h"
#include "frontends/headless/script/main_thread_gate.h"
#include "frontends/headless/script/scripted_menu_bar.h"
#include "frontends/headless/script/transcript.h"

namespace korvel {

inline constexpr int SCRIPT_SCREEN_WIDTH = 1024;
inline constexpr int SCRIPT_SCREEN_HEIGHT = 768;

// It records the working files and the table pages it is told of along with what it shows.
class ScriptedWindowLayer : public HeadlessWindowLayer {
public:
    ScriptedWindowLayer();
    // Transcript lines are echoed to `echo` as they are recorded.
    explicit ScriptedWindowLayer(std::ostream& echo);

    Transcript& transcript() { return m_transcript; }
    const Transcript& transcript() const { return m_transcript; }
    AnswerQueue& answers() { return m_answers; }
    MainThreadGate& mainThread() { return m_main_thread; }
    const ScriptedMenuBar& menuBar() const { return m_menu_bar; }

    // Recorded, around what the headless layer does
    bool openChildWindow(int channel, const std::string& title) override;
    void closeChannel(int channel) override;
    void focusChannel(int channel) override;
    bool setWindowConfig(WINDOW_CONFIG& config) override;
    bool getWindowConfig(WINDOW_CONFIG& config) override;
    void setWindowText(int window, const std::string& text) override;
    int setWindowPlacement(int window, const WINDOW_PLACEMENT& placement) override;
    int getWindowPlacement(int window, int request, WINDOW_PLACEMENT& placement) override;
    int setFont(const std::string& descriptor) override;
    int setBackground(int index) override;
    RGB_VALUE setBackgroundRgb(RGB_VALUE value) override;
    void setLineStyle(unsigned mask) override;
    bool lineTo(int x, int y) override;
    bool rectangle(int mode, double x1, double y1, double x2, double y2) override;
    bool polygon(int mode, const std::vector<TEXT_POSITION>& points) override;
    bool ellipse(int mode, int x1, int y1, int x2, int y2) override;
    MOUSE_RESULT waitMouseEvent(int mask) override;
    bool dialogInit(int template_id, DIALOG& dialog) override;
    void dialogExit(DIALOG& dialog) override;
    void dialogUninit(DIALOG& dialog) override;
    void dialogSetCount(DIALOG& dialog, int control, int count) override;
    void dialogSetText(DIALOG& dialog, int control, const std::string& text, int index) override;
    void dialogSetCallback(DIALOG& dialog, int control, DIALOG_CALLBACK routine) override;
    bool dialogGetText(DIALOG& dialog, int control, std::string& buffer) override;
    void standardCommand(StandardCommand command) override;
    void queueCommand(MENU_ROUTINE routine) override;

    // Recorded only
    void clearWindow() override;
    void writeText(int channel, const std::string& text) override;
    void drawText(const std::string& text) override;
    void setClipRect(int x1, int y1, int x2, int y2) override;
    void sleep(int milliseconds) override;
    void beep(int frequency, int milliseconds) override;
    int messageBox(const std::string& text, const std::string& caption, int style) override;
    int setExitBehaviour(int mode) override;
    bool runProgram(const std::string& command_line) override;
    bool runTextEditor() override;
    bool openDocument(const std::string& path) override;

    // The frame's geometry, the scenario's answers, the main thread and the menu bar
    WINDOW_RECT getWindowRect(int window) override;
    void windowMenuCommand(int code) override;
    std::string readLine(int channel) override;
    [[noreturn]] void idleForever() override;
    int dialogModal(DIALOG& dialog) override;
    FILE_DIALOG_RESULT openFileDialog(const FILE_DIALOG_REQUEST& request) override;
    bool appendMenuItem(int menu, int flags, const std::string& text, MENU_ROUTINE routine) override;
    void setMenuItemFlags(int menu, int item, int flags) override;

    // Date: fixed
    DATE_TIME currentDateTime() override;

    // Recording: working files
    void fileCreated(const std::string& name) override;
    void fileDeleted(const std::string& name) override;

    // Result-table pages: recorded as page, headings and row lines.
    void tablePage(const TABLE_PAGE* page) override;
    // Graphs: recorded as graph, axis, series, points, labels and legend lines.
    void graphPage(const GRAPH_PAGE* page) override;

protected:
    // As large as the frame's client area shows it whole.
    SurfaceSize defaultSurface() const override;
    [[noreturn]] void unknownDialog(const DIALOG& dialog) override;
    void callingBack(const DIALOG& dialog, int control, DialogCallbackKind kind) override;

private:
    void record(const std::string& line) { m_transcript.record(line); }
    std::string quoted(const std::string& text) const { return m_transcript.quoted(text); }

    // The active channel as a transcript word ("none" when no window is active).
    std::string activeName() const;
    WINDOW_RECT frameRect() const;
    WINDOW_RECT childRect(const HeadlessWindow& child) const;
    // The frame's client area, where the child windows are shown.
    int clientWidth() const;
    int clientHeight() const;
    std::string dialogName(const DIALOG& dialog) const;
    void answerDialog(DIALOG& dialog, const Answer& answer);
    std::string menuEntryName(MENU_ROUTINE routine) const;

    Transcript m_transcript;
    AnswerQueue m_answers;
    MainThreadGate m_main_thread;
    ScriptedMenuBar m_menu_bar;
    bool m_status_bar_shown = true;
};

// Installs `layer` as the window layer and as the recording observer; nullptr removes both.
void INSTALL_SCRIPTED_LAYER(ScriptedWindowLayer* layer);

}  // namespace korvel
