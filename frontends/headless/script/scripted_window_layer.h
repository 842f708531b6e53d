#pragma once
// The scripted window layer: records every operation as one transcript line and answers every
// wait from the answers a scenario queued. No window is shown and nothing sleeps; the screen
// size, the date, text widths and window rectangles are fixed, so transcripts repeat exactly.

#include "frontends/headless/script/answer_queue.h"
#include "frontends/headless/script/main_thread_gate.h"
#include "frontends/headless/answered_dialog.h"
#include "frontends/headless/script/scripted_menu_bar.h"
#include "frontends/headless/script/scripted_window.h"
#include "frontends/headless/script/transcript.h"
#include "present/window/recording_observer.h"
#include "present/window/window_layer.h"

#include <deque>
#include <map>
#include <memory>
#include <mutex>
#include <optional>

namespace korvel {

inline constexpr int SCRIPT_SCREEN_WIDTH = 1024;
inline constexpr int SCRIPT_SCREEN_HEIGHT = 768;

// Both the window layer and its recording observer: it records the working files and the table
// pages it is told of along with what it shows.
class ScriptedWindowLayer : public WindowLayer, public RecordingObserver {
public:
    ScriptedWindowLayer() = default;
    // Transcript lines are echoed to `echo` as they are recorded.
    explicit ScriptedWindowLayer(std::ostream& echo);

    Transcript& transcript() { return m_transcript; }
    const Transcript& transcript() const { return m_transcript; }
    AnswerQueue& answers() { return m_answers; }
    MainThreadGate& mainThread() { return m_main_thread; }
    const ScriptedMenuBar& menuBar() const { return m_menu_bar; }

    // Where dialog templates come from; the program's own by default.
    using TemplateLookup = const DialogTemplate* (*)(int template_id);
    void useTemplates(TemplateLookup lookup) { m_find_template = lookup; }

    // True once the standard exit command has run.
    bool ended() const;
    // The next command queued by queueCommand(), if any.
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
    void windowMenuCommand(int code) override;
    int setExitBehaviour(int mode) override;

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

    // Input and timing
    MOUSE_RESULT waitMouseEvent(int mask) override;
    std::string readLine(int channel) override;
    void sleep(int milliseconds) override;
    void beep(int frequency, int milliseconds) override;
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

    // Programs
    bool runProgram(const std::string& command_line) override;
    bool runTextEditor() override;
    bool openDocument(const std::string& path) override;

    // Menus
    bool appendMenuItem(int menu, int flags, const std::string& text, MENU_ROUTINE routine) override;
    void setMenuItemFlags(int menu, int item, int flags) override;
    void standardCommand(StandardCommand command) override;
    void queueCommand(MENU_ROUTINE routine) override;

    // Date
    DATE_TIME currentDateTime() override;
    std::string formatDate(const DATE_TIME& when) override;

    // Recording: working files
    void fileCreated(const std::string& name) override;
    void fileDeleted(const std::string& name) override;

    // Result-table pages: recorded as page, headings and row lines.
    void tablePage(const TABLE_PAGE* page) override;
    // Graphs: recorded as graph, axis, series, points, labels and legend lines.
    void graphPage(const GRAPH_PAGE* page) override;

private:
    void record(const std::string& line) { m_transcript.record(line); }
    std::string quoted(const std::string& text) const { return m_transcript.quoted(text); }

    // The active child window's state; a stand-in when no window is active.
    ScriptedWindow& active();
    // The active channel as a transcript word ("none" when no window is active).
    std::string activeName() const;
    ScriptedWindow* window(int channel);
    WINDOW_RECT frameRect() const;
    WINDOW_RECT childRect(const ScriptedWindow& child) const;
    // The frame's client area, where the child windows are shown.
    int clientWidth() const;
    int clientHeight() const;
    // The dialog of `dialog`'s handle; fails when it was never initialised or is released.
    AnsweredDialog& dialogOf(const DIALOG& dialog);
    std::string dialogName(const DIALOG& dialog) const;
    void answerDialog(DIALOG& dialog, const Answer& answer);
    std::string menuEntryName(MENU_ROUTINE routine) const;

    Transcript m_transcript;
    AnswerQueue m_answers;
    MainThreadGate m_main_thread;
    ScriptedMenuBar m_menu_bar;

    std::map<int, ScriptedWindow> m_windows;
    std::vector<int> m_opening_order;  // open channels, the one with the input focus last
    int m_active = -1;
    ScriptedWindow m_no_window;

    WINDOW_PLACEMENT m_frame_placement{4, 0, 0, SCRIPT_SCREEN_HEIGHT, SCRIPT_SCREEN_WIDTH};
    bool m_status_bar_shown = true;

    TemplateLookup m_find_template = FIND_DIALOG_TEMPLATE;
    std::map<int, std::unique_ptr<AnsweredDialog>> m_dialogs;
    int m_next_dialog_handle = 1;

    mutable std::mutex m_queue_mutex;
    std::deque<MENU_ROUTINE> m_queued;
    bool m_ended = false;
};

// Installs `layer` as the window layer and as the recording observer; nullptr removes both.
void INSTALL_SCRIPTED_LAYER(ScriptedWindowLayer* layer);

}  // namespace korvel
