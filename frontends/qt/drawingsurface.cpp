#include "frontends/qt/drawingsurface.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>

#include <utility>

namespace korvel {

namespace {

int keyState(Qt::MouseButtons buttons) {
    return (buttons & Qt::LeftButton ? KEY_LEFT_BUTTON : 0) | (buttons & Qt::RightButton ? KEY_RIGHT_BUTTON : 0);
}

}  // namespace

DrawingSurface::DrawingSurface(QWidget* parent) : QWidget(parent) {
    setFocusPolicy(Qt::StrongFocus);
    setAttribute(Qt::WA_OpaquePaintEvent);
    canvasResized();
}

void DrawingSurface::canvasResized() {
    setFixedSize(m_canvas.rect().size());
    m_selection = QRect();
    m_selectedMode = SelectionMode::None;
    update();
}

QSize DrawingSurface::sizeHint() const { return m_canvas.rect().size(); }

void DrawingSurface::expectLine(LineHandler handler) {
    m_typed.clear();
    m_lineHandler = std::move(handler);
}

void DrawingSurface::expectMouse(int mask, MouseHandler handler) {
    m_mouseMask = mask;
    m_mouseHandler = std::move(handler);
}

bool DrawingSurface::answerMouseWait() {
    if (!m_mouseHandler) return false;
    const bool right = !(m_mouseMask & MOUSE_LEFT_DOWN) && (m_mouseMask & MOUSE_RIGHT_DOWN);
    const MOUSE_RESULT press{right ? MOUSE_RIGHT_DOWN : MOUSE_LEFT_DOWN, right ? 2 : 1, 0, 0};
    std::exchange(m_mouseHandler, nullptr)(press);
    return true;
}

void DrawingSurface::typeText(const QString& text) {
    for (const QChar character : text) {
        if (character == QLatin1Char('\n') || character == QLatin1Char('\r'))
            finishLine();
        else
            m_typed += character;
    }
}

void DrawingSurface::finishLine() {
    const QString line = m_typed;
    m_typed.clear();
    if (LineHandler handler = std::exchange(m_lineHandler, nullptr)) handler(line);
}

void DrawingSurface::beginSelection(SelectionMode mode) {
    m_selecting = mode;
    setCursor(mode == SelectionMode::None ? Qt::ArrowCursor : Qt::CrossCursor);
}

void DrawingSurface::selectAll() {
    m_selecting = SelectionMode::None;
    m_selectedMode = SelectionMode::Area;
    m_selection = rect();
    update();
}

QRect DrawingSurface::copiedArea() const { return m_selection.isValid() ? m_selection : m_canvas.rect(); }

QImage DrawingSurface::copiedImage() const { return m_canvas.imageOf(copiedArea()); }

// A result-table page gives its cells, as built; any other surface the texts drawn on it.
QString DrawingSurface::copiedText() const {
    const PageCells& cells = m_canvas.pageCells();
    return cells.isEmpty() ? m_canvas.textInside(copiedArea()) : cells.textInside(copiedArea());
}

void DrawingSurface::paintEvent(QPaintEvent* event) {
    QPainter painter(this);
    const QRect area = event->rect();
    const qreal ratio = m_canvas.image().devicePixelRatio();
    painter.drawImage(area, m_canvas.image(), QRectF(QPointF(area.topLeft()) * ratio, QSizeF(area.size()) * ratio));
    if (!m_selection.isValid()) return;
    // Selection: a dashed frame that shows on any background.
    painter.setPen(QPen(Qt::white, 1, Qt::SolidLine));
    painter.drawRect(m_selection.adjusted(0, 0, -1, -1));
    painter.setPen(QPen(Qt::black, 1, Qt::DashLine));
    painter.drawRect(m_selection.adjusted(0, 0, -1, -1));
}

void DrawingSurface::keyPressEvent(QKeyEvent* event) {
    const bool enter = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
    // A page that waits for its left click takes Enter or Space as that click.
    if ((enter || event->key() == Qt::Key_Space) && !m_lineHandler && m_mouseHandler && (m_mouseMask & MOUSE_LEFT_DOWN))
        answerMouseWait();
    else if (enter)
        finishLine();
    else if (event->key() == Qt::Key_Backspace)
        m_typed.chop(1);
    else if (!event->text().isEmpty() && event->text().at(0).isPrint())
        m_typed += event->text();
    else
        QWidget::keyPressEvent(event);
}

void DrawingSurface::mousePressEvent(QMouseEvent* event) {
    if (m_selecting != SelectionMode::None && event->button() == Qt::LeftButton) {
        m_dragging = true;
        m_anchor = event->position().toPoint();
        m_selection = QRect(m_anchor, QSize(1, 1));
        update();
        return;
    }
    reportMouse(event->button() == Qt::RightButton ? MOUSE_RIGHT_DOWN : MOUSE_LEFT_DOWN, event);
}

void DrawingSurface::mouseMoveEvent(QMouseEvent* event) {
    if (m_dragging) {
        m_selection = QRect(m_anchor, event->position().toPoint()).normalized() & rect();
        update();
        return;
    }
    reportMouse(MOUSE_MOVE, event);
}

void DrawingSurface::mouseReleaseEvent(QMouseEvent* event) {
    if (m_dragging) {
        m_dragging = false;
        m_selection = QRect(m_anchor, event->position().toPoint()).normalized() & rect();
        m_selectedMode = m_selecting;
        beginSelection(SelectionMode::None);
        update();
        return;
    }
    reportMouse(event->button() == Qt::RightButton ? MOUSE_RIGHT_UP : MOUSE_LEFT_UP, event);
}

void DrawingSurface::mouseDoubleClickEvent(QMouseEvent* event) {
    if (m_selecting != SelectionMode::None) return;
    reportMouse(event->button() == Qt::RightButton ? MOUSE_RIGHT_DOUBLE : MOUSE_LEFT_DOUBLE, event);
}

// While a selection is being made the mouse is the selection's: nothing reaches a waiting routine.
void DrawingSurface::reportMouse(int mouseEvent, QMouseEvent* mouse) {
    if (m_selecting != SelectionMode::None || m_dragging) return;
    if (!m_mouseHandler || !(m_mouseMask & mouseEvent)) return;
    const QPoint at = mouse->position().toPoint();
    const MOUSE_RESULT result{mouseEvent, keyState(mouse->buttons()), at.x(), at.y()};
    std::exchange(m_mouseHandler, nullptr)(result);
}

}  // namespace korvel
