#include "frontends/qt/childwindow.h"

#include <QCloseEvent>
#include <QScrollArea>
#include <QScrollBar>
#include <QStyle>
#include <QTimer>

#include <algorithm>

namespace korvel {

ChildWindow::ChildWindow(int channel, const QString& title)
    : m_channel(channel), m_scroll(new QScrollArea), m_surface(new DrawingSurface) {
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(title);
    m_scroll->setWidget(m_surface);
    m_scroll->setWidgetResizable(false);
    m_scroll->setFocusProxy(m_surface);
    m_scroll->setBackgroundRole(QPalette::Dark);
    setWidget(m_scroll);
}

void ChildWindow::applyConfig(const WINDOW_CONFIG& config) {
    m_surface->canvas().configure(config);
    m_surface->canvasResized();
}

// The subwindow's own frame and title bar plus the surface plus the scroll area's frame.
QSize ChildWindow::fittedSize() const {
    const QMargins margins = contentsMargins();
    const int frame = 2 * m_scroll->frameWidth();
    return m_surface->size() + QSize(margins.left() + margins.right() + frame, margins.top() + margins.bottom() + frame);
}

QSize ChildWindow::surfaceRoom(const QSize& available) const {
    const QSize decorations = fittedSize() - m_surface->size();
    return (available - decorations).expandedTo(QSize(1, 1));
}

// The rest of a larger surface is reached by scroll bars, which take their room in the window.
QSize ChildWindow::sizeShowing(const QSize& content) const {
    const QSize whole = m_surface->size();
    const int bar = style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, m_scroll);
    const QSize bars(content.height() < whole.height() ? bar : 0, content.width() < whole.width() ? bar : 0);
    return fittedSize() - whole + content.boundedTo(whole) + bars;
}

void ChildWindow::fitWithin(const QSize& available) {
    const QSize wanted = fittedSize();
    const int bar = style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, m_scroll);
    int width = std::min(wanted.width(), available.width());
    const bool horizontalBar = width < wanted.width();
    const int height = std::min(wanted.height() + (horizontalBar ? bar : 0), available.height());
    const bool verticalBar = height < wanted.height() + (horizontalBar ? bar : 0);
    if (verticalBar) width = std::min(width + bar, available.width());
    resize(width, height);
}

void ChildWindow::sizeToFit(const QSize& available) {
    if (isMaximized()) showNormal();
    fitWithin(available);
    move(std::clamp(x(), 0, std::max(0, available.width() - width())), std::clamp(y(), 0, std::max(0, available.height() - height())));
}

// Maximising or restoring resizes a window several times; the handler sees the last size only.
void ChildWindow::resizeEvent(QResizeEvent* event) {
    QMdiSubWindow::resizeEvent(event);
    if (!m_resized || m_resizePending) return;
    m_resizePending = true;
    QTimer::singleShot(0, this, [this] {
        m_resizePending = false;
        m_resized(*this);
    });
}

void ChildWindow::closeByLayer() {
    m_closing = true;
    close();
}

// The user's close of a window that a routine waits on (a table page, a graph) is the click that
// ends the wait; the routine then closes the window itself. Any other window is put away, bound
// to its channel, and can be restored.
void ChildWindow::closeEvent(QCloseEvent* event) {
    if (m_closing) {
        QMdiSubWindow::closeEvent(event);
        return;
    }
    event->ignore();
    if (!m_surface->answerMouseWait()) showMinimized();
}

}  // namespace korvel
