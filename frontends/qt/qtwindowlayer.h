#pragma once
// The desktop window layer on Qt Widgets. The GUI lives on the main thread; an operation called
// from another thread (the main routine's) is carried to the GUI thread and waits for it there.

#include "frontends/qt/commandqueue.h"
#include "frontends/qt/fontbook.h"
#include "frontends/qt/menubarcontroller.h"
#include "present/window/recording_observer.h"
#include "present/window/window_layer.h"

#include <QPointer>

#include <functional>
#include <map>
#include <memory>

namespace korvel {

class ChildWindow;
class FrameWindow;
class SurfaceCanvas;
class TemplateDialog;

// Also a recording observer, for the records it needs: a table page's cells and a graph.
class QtWindowLayer : public WindowLayer, public RecordingObserver {
public:
    // Draws a graph from its record on the output window, at the size of that window's surface.
    using GraphDrawing = std::function<void(const GRAPH_PAGE&)>;

    QtWindowLayer();
    ~QtWindowLayer() override;

    // With a graph drawing, a graph window that takes a new size is drawn again to fill it.
    void setGraphDrawing(GraphDrawing drawing) { m_graphDrawing = std::move(drawing); }

    FrameWindow& frame() { return *m_frame; }
    MenuBarController& menus() { return *m_menus; }
    void showFrame();
    // The child window bound to `channel`, or nullptr. GUI thread only.
    ChildWindow* child(int channel) const;
    // The frame for FRAME_WINDOW, otherwise the child window of the channel (or nullptr).
    QWidget* frameOrChild(int window) const;
    // Whether a routine waits for a line typed into the channel's window. GUI thread only.
    bool isReadingLine(int channel) const;

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
    bool openDocument(const std::string& name) override;

    // Menus
    bool appendMenuItem(int menu, int flags, const std::string& text, MENU_ROUTINE routine) override;
    void setMenuItemFlags(int menu, int item, int flags) override;
    void standardCommand(StandardCommand command) override;
    void queueCommand(MENU_ROUTINE routine) override;

    // Date
    DATE_TIME currentDateTime() override;
    std::string formatDate(const DATE_TIME& when) override;

    // Recording: a table page's cells are kept for Copy to carry them as text; a graph, to be
    // drawn again when its window changes size.
    void tablePage(const TABLE_PAGE* page) override;
    void graphPage(const GRAPH_PAGE* page) override;

private:
    void choose(MENU_ROUTINE routine, bool checked);
    void exitProgram();
    void showForWait(ChildWindow& window);
    void redrawGraph(ChildWindow& window);
    template <typename Call>
    auto onGui(Call call);
    template <typename Result, typename Draw>
    Result drawing(Result none, Draw draw);
    template <typename Result>
    Result waitFor(const std::function<bool(std::function<void(Result)>)>& arm, Result none);
    TemplateDialog* dialogOf(const DIALOG& dialog) const;
    QSize screenSize() const;

    std::unique_ptr<FrameWindow> m_frame;
    std::unique_ptr<MenuBarController> m_menus;
    CommandQueue m_commands;
    FontBook m_fonts;
    std::map<int, QPointer<ChildWindow>> m_children;
    QPointer<ChildWindow> m_output;
    std::map<int, std::unique_ptr<TemplateDialog>> m_dialogs;
    int m_lastDialog = 0;
    GraphDrawing m_graphDrawing;
};

}  // namespace korvel
