#pragma once
// The frame window: a menu bar, a status bar and the area that holds the child windows. It
// routes the standard commands to the active child window, which owns its surface.

#include "present/window/window_records.h"

#include <QMainWindow>

#include <functional>

class QMdiArea;

namespace korvel {

class ChildWindow;

class FrameWindow : public QMainWindow {
public:
    FrameWindow();

    QMdiArea* area() const { return m_area; }
    // The child window the user works in, whether or not the frame has the focus.
    ChildWindow* activeChild() const;
    void addChild(ChildWindow* child);

    // A page about to wait for the user is shown whole where the screen allows: the frame
    // grows for it and the window takes the size of what is drawn, `content` from the top left.
    void showWhole(ChildWindow* child, const QSize& content);

    void toggleStatusBar();
    void tile();
    void cascade();
    void arrangeIcons();

    // Standard commands on the active child window.
    void selectText();
    void selectArea();
    void selectAll();
    void copy();
    void paste();
    void sizeToFit();
    void toggleFullScreen();
    bool inFullScreen() const { return m_fullScreen; }

    // Closing the frame is the user's exit command, carried out by `requestExit`; `exitNow`
    // closes the frame and ends the application's event loops.
    void setExitRequest(std::function<void()> requestExit) { m_requestExit = std::move(requestExit); }
    void exitNow();

protected:
    void closeEvent(QCloseEvent* event) override;
    // Escape leaves full screen; the keys a child window does not use come here.
    void keyPressEvent(QKeyEvent* event) override;

private:
    QMdiArea* m_area;
    std::function<void()> m_requestExit;
    bool m_exiting = false;
    bool m_fullScreen = false;
    bool m_wasMaximized = false;
    QRect m_normalGeometry;
};

}  // namespace korvel
