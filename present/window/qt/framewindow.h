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

    // Closing the frame is the exit command: `requestExit` queues it behind a running command;
    // `exitNow` carries it out.
    void setExitRequest(std::function<void()> requestExit) { m_requestExit = std::move(requestExit); }
    void exitNow();

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    QMdiArea* m_area;
    std::function<void()> m_requestExit;
    bool m_exiting = false;
    bool m_fullScreen = false;
    bool m_wasMaximized = false;
    QRect m_normalGeometry;
};

}  // namespace korvel
