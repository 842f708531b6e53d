#pragma once
// What every headless window layer does alike: the windows with the active one and their
// opening order, the drawing state, fonts and colours, the dialogs it answers for the user, the
// command queue and the date's form. A layer built on it overrides an operation to record it
// (calling this one for the state) and adds what is its own; the hooks below say where the
// layers differ.

#include "frontends/headless/answered_dialog.h"
#include "frontends/headless/headless_window.h"
#include "present/window/recording_observer.h"
#include "present/window/window_layer.h"

#include <deque>
#include <map>
#include <memory>
#include <mutex>
#include <optional>
#include <vector>

namespace korvel {

struct SurfaceSize {
    int width = 0;
    int height = 0;
};

// Both the window layer and its recording observer.
class HeadlessWindowLayer : public WindowLayer, public RecordingObserver {
public:
    // `screen` bounds the window configurations asked for; the frame starts that large.
    explicit HeadlessWindowLayer(SurfaceSize screen);

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
    void focusChannel(int channel) override;
    int focusedChannel() override;

    // Drawing: the state, and whether a shape is drawn at all
    int initializeFonts() override;
    int setFont(const std::string& descriptor) override;
    TEXT_POSITION moveTo(int x, int y) override;
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

    // Input: a mouse wait is answered at once, and nothing beeps
    MOUSE_RESULT waitMouseEvent(int mask) override;
    void beep(int, int) override {}

    // Dialogs
    bool dialogInit(int template_id, DIALOG& dialog) override;
    void dialogSetCount(DIALOG& dialog, int control, int count) override;
    void dialogSetText(DIALOG& dialog, int control, const std::string& text, int index) override;
    void dialogSetCallback(DIALOG& dialog, int control, DIALOG_CALLBACK routine) override;
    bool dialogGetText(DIALOG& dialog, int control, std::string& buffer) override;
    void dialogExit(DIALOG& dialog) override;
    void dialogUninit(DIALOG& dialog) override;

    // Menus: no menu bar of its own
    bool appendMenuItem(int, int, const std::string&, MENU_ROUTINE) override { return true; }
    void setMenuItemFlags(int, int, int) override {}
    void standardCommand(StandardCommand command) override;
    void queueCommand(MENU_ROUTINE routine) override;

    // Date: the short form dd/MM/yyyy
    std::string formatDate(const DATE_TIME& when) override;

protected:
    // The active child window's state; a stand-in when no window is active.
    HeadlessWindow& active();
    // -1 when no window is active.
    int activeChannel() const { return m_active; }
    void deactivate() { m_active = -1; }
    HeadlessWindow* window(int channel);
    // The state of `channel`'s window, or the stand-in's when it is not open.
    const HeadlessWindow& windowOrStandIn(int channel);
    const WINDOW_PLACEMENT& framePlacement() const { return m_frame_placement; }

    // The surface a window that keeps its defaults gets.
    virtual SurfaceSize defaultSurface() const = 0;
    // What getWindowPlacement() tells of an open window, or of the frame: what was set.
    virtual WINDOW_PLACEMENT placementOf(int window);

    // The open dialog of `dialog`'s handle; nullptr, after unknownDialog(), when there is none.
    AnsweredDialog* usedDialog(const DIALOG& dialog);
    bool dialogOpen(const DIALOG& dialog) const { return m_dialogs.contains(dialog.handle); }
    // A dialog used without a successful init or after its release; by default it is ignored.
    virtual void unknownDialog(const DIALOG&) {}
    // Act as the user does: select a list entry, type into an edit field, press OK; each tells
    // the control's routine.
    void choose(DIALOG& dialog, const ListEntry& entry);
    void type(DIALOG& dialog, int control, const std::string& text);
    void pressOk(DIALOG& dialog);
    // Told just before the routine bound to `control` runs.
    virtual void callingBack(const DIALOG&, int /*control*/, DialogCallbackKind) {}

    static DATE_TIME dateTime(int year, int month, int day, int hour, int minute, int second);

private:
    // Tells the routine bound to `control`; false when none is.
    bool tell(DIALOG& dialog, int control, DialogCallbackKind kind);
    bool shapeDrawn(int mode) const;

    SurfaceSize m_screen;
    std::map<int, HeadlessWindow> m_windows;
    std::vector<int> m_opening_order;  // open channels, the one with the input focus last
    int m_active = -1;
    HeadlessWindow m_no_window;
    WINDOW_PLACEMENT m_frame_placement;

    TemplateLookup m_find_template = FIND_DIALOG_TEMPLATE;
    std::map<int, std::unique_ptr<AnsweredDialog>> m_dialogs;
    int m_next_dialog_handle = 1;

    mutable std::mutex m_queue_mutex;
    std::deque<MENU_ROUTINE> m_queued;
    bool m_ended = false;
};

}  // namespace korvel
