#pragma once
// The window and drawing layer: every screen, dialog, menu, pause and program start of Korvel
// goes through this interface. The routines call the upper-case operations below; one layer
// implementation (the desktop one, or the scripted one of the tests) is installed at start.

#include "present/window/window_records.h"

#include <string>
#include <vector>

namespace korvel {

// The frame window, where an operation takes a channel or the frame.
inline constexpr int FRAME_WINDOW = -1;

// Standard commands the layer offers for binding to menu entries.
enum class StandardCommand {
    None,
    Exit,
    SelectText,
    SelectArea,
    SelectAll,
    Copy,
    Paste,
    SizeToFit,
    FullScreen,
};

class WindowLayer {
public:
    virtual ~WindowLayer() = default;

    // Windows
    virtual bool openChildWindow(int channel, const std::string& title) = 0;
    virtual void closeChannel(int channel) = 0;
    virtual bool setWindowConfig(WINDOW_CONFIG& config) = 0;
    virtual bool getWindowConfig(WINDOW_CONFIG& config) = 0;
    virtual int setWindowPlacement(int window, const WINDOW_PLACEMENT& placement) = 0;
    virtual int getWindowPlacement(int window, int request, WINDOW_PLACEMENT& placement) = 0;
    virtual void setWindowText(int window, const std::string& text) = 0;
    virtual WINDOW_RECT getWindowRect(int window) = 0;
    virtual void focusChannel(int channel) = 0;
    virtual int focusedChannel() = 0;
    virtual void clearWindow() = 0;
    virtual void writeText(int channel, const std::string& text) = 0;
    virtual void windowMenuCommand(int code) = 0;
    virtual int setExitBehaviour(int mode) = 0;

    // Drawing on the active child window
    virtual int initializeFonts() = 0;
    virtual int setFont(const std::string& descriptor) = 0;
    virtual TEXT_POSITION moveTo(int x, int y) = 0;
    virtual void drawText(const std::string& text) = 0;
    virtual int textWidth(const std::string& text) = 0;
    virtual int setColor(int index) = 0;
    virtual RGB_VALUE setColorRgb(RGB_VALUE value) = 0;
    virtual int setTextColor(int index) = 0;
    virtual RGB_VALUE setTextColorRgb(RGB_VALUE value) = 0;
    virtual int setBackground(int index) = 0;
    virtual RGB_VALUE setBackgroundRgb(RGB_VALUE value) = 0;
    virtual bool rectangle(int mode, double x1, double y1, double x2, double y2) = 0;
    virtual bool lineTo(int x, int y) = 0;
    virtual void setLineStyle(unsigned mask) = 0;
    virtual bool ellipse(int mode, int x1, int y1, int x2, int y2) = 0;
    virtual bool polygon(int mode, const std::vector<TEXT_POSITION>& points) = 0;
    virtual void setClipRect(int x1, int y1, int x2, int y2) = 0;

    // Input and timing
    virtual MOUSE_RESULT waitMouseEvent(int mask) = 0;
    virtual std::string readLine(int channel) = 0;
    virtual void sleep(int milliseconds) = 0;
    virtual void beep(int frequency, int milliseconds) = 0;
    [[noreturn]] virtual void idleForever() = 0;

    // Messages and dialogs
    virtual int messageBox(const std::string& text, const std::string& caption, int style) = 0;
    virtual bool dialogInit(int template_id, DIALOG& dialog) = 0;
    virtual void dialogSetCount(DIALOG& dialog, int control, int count) = 0;
    virtual void dialogSetText(DIALOG& dialog, int control, const std::string& text, int index) = 0;
    virtual void dialogSetCallback(DIALOG& dialog, int control, DIALOG_CALLBACK routine) = 0;
    virtual bool dialogGetText(DIALOG& dialog, int control, std::string& buffer) = 0;
    virtual int dialogModal(DIALOG& dialog) = 0;
    virtual void dialogExit(DIALOG& dialog) = 0;
    virtual void dialogUninit(DIALOG& dialog) = 0;
    virtual FILE_DIALOG_RESULT openFileDialog(const FILE_DIALOG_REQUEST& request) = 0;

    // Starting other programs, without waiting
    virtual bool runProgram(const std::string& command_line) = 0;
    virtual bool runTextEditor() = 0;
    virtual bool openDocument(const std::string& path) = 0;

    // Menus
    virtual bool appendMenuItem(int menu, int flags, const std::string& text, MENU_ROUTINE routine) = 0;
    virtual void setMenuItemFlags(int menu, int item, int flags) = 0;
    virtual void standardCommand(StandardCommand command) = 0;
    // Queues a menu routine; it runs after the command now running has returned.
    virtual void queueCommand(MENU_ROUTINE routine) = 0;

    // Date
    virtual DATE_TIME currentDateTime() = 0;
    virtual std::string formatDate(const DATE_TIME& when) = 0;
};

// The installed layer. Installed once at start, before any routine runs.
WindowLayer& LAYER();
void INSTALL_LAYER(WindowLayer* layer);

// --- Operations, as the routines call them ---

// Windows
inline bool OPEN_CHILD_WINDOW(int channel, const std::string& title) { return LAYER().openChildWindow(channel, title); }
inline void CLOSE_CHANNEL(int channel) { LAYER().closeChannel(channel); }
inline bool SET_WINDOW_CONFIG(WINDOW_CONFIG& config) { return LAYER().setWindowConfig(config); }
inline bool GET_WINDOW_CONFIG(WINDOW_CONFIG& config) { return LAYER().getWindowConfig(config); }
inline int SET_WINDOW_PLACEMENT(int window, const WINDOW_PLACEMENT& placement) { return LAYER().setWindowPlacement(window, placement); }
inline int GET_WINDOW_PLACEMENT(int window, int request, WINDOW_PLACEMENT& placement) { return LAYER().getWindowPlacement(window, request, placement); }
inline void SET_WINDOW_TEXT(int window, const std::string& text) { LAYER().setWindowText(window, text); }
inline WINDOW_RECT GET_WINDOW_RECT(int window) { return LAYER().getWindowRect(window); }
inline void FOCUS_CHANNEL(int channel) { LAYER().focusChannel(channel); }
inline int FOCUSED_CHANNEL() { return LAYER().focusedChannel(); }
inline void CLEAR_WINDOW() { LAYER().clearWindow(); }
inline void WRITE_TEXT(int channel, const std::string& text) { LAYER().writeText(channel, text); }
inline void WINDOW_MENU_COMMAND(int code) { LAYER().windowMenuCommand(code); }
// Performs the menu item bound to `routine`, as if the user had chosen it: it is queued.
inline void WINDOW_MENU_COMMAND(MENU_ROUTINE routine) { LAYER().queueCommand(routine); }
inline int SET_EXIT_BEHAVIOUR(int mode) { return LAYER().setExitBehaviour(mode); }

// Drawing
inline int INITIALIZE_FONTS() { return LAYER().initializeFonts(); }
inline int SET_FONT(const std::string& descriptor) { return LAYER().setFont(descriptor); }
inline TEXT_POSITION MOVE_TO(int x, int y) { return LAYER().moveTo(x, y); }
inline void DRAW_TEXT(const std::string& text) { LAYER().drawText(text); }
inline void DRAW_TEXT_AT(int x, int y, const std::string& text) {
    MOVE_TO(x, y);
    DRAW_TEXT(text);
}
inline int TEXT_WIDTH(const std::string& text) { return LAYER().textWidth(text); }
inline int SET_COLOR(int index) { return LAYER().setColor(index); }
inline RGB_VALUE SET_COLOR_RGB(RGB_VALUE value) { return LAYER().setColorRgb(value); }
inline int SET_TEXT_COLOR(int index) { return LAYER().setTextColor(index); }
inline RGB_VALUE SET_TEXT_COLOR_RGB(RGB_VALUE value) { return LAYER().setTextColorRgb(value); }
inline int SET_BACKGROUND(int index) { return LAYER().setBackground(index); }
inline RGB_VALUE SET_BACKGROUND_RGB(RGB_VALUE value) { return LAYER().setBackgroundRgb(value); }
inline bool RECTANGLE(int mode, int x1, int y1, int x2, int y2) { return LAYER().rectangle(mode, x1, y1, x2, y2); }
inline bool RECTANGLE_W(int mode, double x1, double y1, double x2, double y2) { return LAYER().rectangle(mode, x1, y1, x2, y2); }
inline bool LINE_TO(int x, int y) { return LAYER().lineTo(x, y); }
inline void SET_LINE_STYLE(unsigned mask) { LAYER().setLineStyle(mask); }
inline bool ELLIPSE(int mode, int x1, int y1, int x2, int y2) { return LAYER().ellipse(mode, x1, y1, x2, y2); }
inline bool POLYGON(int mode, const std::vector<TEXT_POSITION>& points) { return LAYER().polygon(mode, points); }
inline void SET_CLIP_RECT(int x1, int y1, int x2, int y2) { LAYER().setClipRect(x1, y1, x2, y2); }

// Input and timing
inline MOUSE_RESULT WAIT_MOUSE_EVENT(int mask) { return LAYER().waitMouseEvent(mask); }
inline std::string READ_LINE(int channel) { return LAYER().readLine(channel); }
inline void SLEEP(int milliseconds) { LAYER().sleep(milliseconds); }
inline void BEEP(int frequency, int milliseconds) { LAYER().beep(frequency, milliseconds); }
[[noreturn]] void IDLE_FOREVER();

// Messages and dialogs
inline int MESSAGE_BOX(const std::string& text, const std::string& caption, int style) { return LAYER().messageBox(text, caption, style); }
inline bool DIALOG_INIT(int template_id, DIALOG& dialog) { return LAYER().dialogInit(template_id, dialog); }
inline void DIALOG_SET_COUNT(DIALOG& dialog, int control, int count) { LAYER().dialogSetCount(dialog, control, count); }
inline void DIALOG_SET_TEXT(DIALOG& dialog, int control, const std::string& text, int index) { LAYER().dialogSetText(dialog, control, text, index); }
inline void DIALOG_SET_CALLBACK(DIALOG& dialog, int control, DIALOG_CALLBACK routine) { LAYER().dialogSetCallback(dialog, control, routine); }
inline bool DIALOG_GET_TEXT(DIALOG& dialog, int control, std::string& buffer) { return LAYER().dialogGetText(dialog, control, buffer); }
inline int DIALOG_MODAL(DIALOG& dialog) { return LAYER().dialogModal(dialog); }
inline void DIALOG_EXIT(DIALOG& dialog) { LAYER().dialogExit(dialog); }
inline void DIALOG_UNINIT(DIALOG& dialog) { LAYER().dialogUninit(dialog); }
inline FILE_DIALOG_RESULT OPEN_FILE_DIALOG(const FILE_DIALOG_REQUEST& request) { return LAYER().openFileDialog(request); }

// Programs
inline bool RUN_PROGRAM(const std::string& command_line) { return LAYER().runProgram(command_line); }
inline bool RUN_TEXT_EDITOR() { return LAYER().runTextEditor(); }
inline bool OPEN_DOCUMENT(const std::string& path) { return LAYER().openDocument(path); }

// Menus
inline bool APPEND_MENU_ITEM(int menu, int flags, const std::string& text, MENU_ROUTINE routine) { return LAYER().appendMenuItem(menu, flags, text, routine); }
inline void SET_MENU_ITEM_FLAGS(int menu, int item, int flags) { LAYER().setMenuItemFlags(menu, item, flags); }

// Date
inline DATE_TIME CURRENT_DATE_TIME() { return LAYER().currentDateTime(); }
inline std::string FORMAT_DATE(const DATE_TIME& when) { return LAYER().formatDate(when); }

// Waits until the left button is down in the active window; a layer with no window to wait in
// ends the wait.
void WAIT_FOR_LEFT_BUTTON();

// The standard command routines, for binding to menu entries.
void WIN_NONE(bool checked);
void WIN_EXIT(bool checked);
void WIN_SELECT_TEXT(bool checked);
void WIN_SELECT_AREA(bool checked);
void WIN_SELECT_ALL(bool checked);
void WIN_COPY(bool checked);
void WIN_PASTE(bool checked);
void WIN_SIZE_TO_FIT(bool checked);
void WIN_FULL_SCREEN(bool checked);

}  // namespace korvel
