#pragma once
// The widget that shows a child window's canvas, collects what is typed into it, reports
// mouse events to a waiting routine and lets the user select text or an area for copying.

#include "frontends/qt/surfacecanvas.h"
#include "present/window/window_records.h"

#include <QImage>
#include <QWidget>

#include <functional>

namespace korvel {

enum class SelectionMode {
    None,
    Text,
    Area,
};

class DrawingSurface : public QWidget {
public:
    using LineHandler = std::function<void(const QString&)>;
    using MouseHandler = std::function<void(const MOUSE_RESULT&)>;

    explicit DrawingSurface(QWidget* parent = nullptr);

    SurfaceCanvas& canvas() { return m_canvas; }
    const SurfaceCanvas& canvas() const { return m_canvas; }
    // Call after the canvas changed size, so the widget follows it.
    void canvasResized();
    QSize sizeHint() const override;

    // One-shot waits: the handler runs once, at Enter or at the first event the mask asks for.
    void expectLine(LineHandler handler);
    bool isReadingLine() const { return static_cast<bool>(m_lineHandler); }
    void expectMouse(int mask, MouseHandler handler);
    bool isWaitingForMouse() const { return static_cast<bool>(m_mouseHandler); }
    // Ends a mouse wait as if the user had pressed the button it waits for; false when no
    // routine waits.
    bool answerMouseWait();
    // Text delivered as if typed; a line end acts as Enter.
    void typeText(const QString& text);

    // The next drag selects; Text copies only the texts inside, Area the image too.
    void beginSelection(SelectionMode mode);
    void selectAll();
    // The selection, or the whole surface when nothing is selected.
    QImage copiedImage() const;
    QString copiedText() const;
    bool copiesImage() const { return m_selectedMode != SelectionMode::Text; }

protected:
    void paintEvent(QPaintEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;

private:
    void reportMouse(int event, QMouseEvent* mouse);
    void finishLine();
    QRect copiedArea() const;

    SurfaceCanvas m_canvas;
    QString m_typed;
    LineHandler m_lineHandler;
    MouseHandler m_mouseHandler;
    int m_mouseMask = 0;
    SelectionMode m_selecting = SelectionMode::None;
    SelectionMode m_selectedMode = SelectionMode::None;
    bool m_dragging = false;
    QPoint m_anchor;
    QRect m_selection;
};

}  // namespace korvel
