#include "frontends/qt/framewindow.h"

#include "frontends/qt/childwindow.h"
#include "frontends/qt/seriestable.h"

#include <QApplication>
#include <QClipboard>
#include <QCloseEvent>
#include <QKeyEvent>
#include <QMdiArea>
#include <QMimeData>
#include <QScreen>
#include <QStatusBar>

#include <algorithm>

namespace korvel {

FrameWindow::FrameWindow() : m_area(new QMdiArea) {
    m_area->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    m_area->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    setCentralWidget(m_area);
    // Shown at creation; the start-up toggles it off.
    statusBar()->showMessage(QStringLiteral("Ready"));
    statusBar()->show();
}

ChildWindow* FrameWindow::activeChild() const { return dynamic_cast<ChildWindow*>(m_area->currentSubWindow()); }

void FrameWindow::addChild(ChildWindow* child) {
    m_area->addSubWindow(child);
    child->move(0, 0);
    child->show();
    child->fitWithin(m_area->viewport()->size());
    m_area->setActiveSubWindow(child);
    child->surface().setFocus();
}

void FrameWindow::showWhole(ChildWindow* child, const QSize& content) {
    if (m_fullScreen || child->isMinimized()) return;
    // The area maximises a window activated after a maximised one; a page keeps its own size.
    if (child->isMaximized()) child->showNormal();
    const QSize wanted = child->sizeShowing(content);
    const QSize area = m_area->viewport()->size();
    const QRect screenArea = screen()->availableGeometry();
    const QRect outer = frameGeometry();
    // Grown to the right and downwards, no further than the screen.
    const QSize room(std::max(0, screenArea.right() - outer.right()), std::max(0, screenArea.bottom() - outer.bottom()));
    const QSize grow = (wanted - area).expandedTo(QSize(0, 0)).boundedTo(room);
    if (grow.width() > 0 || grow.height() > 0) resize(size() + grow);
    child->move(0, 0);
    child->resize(wanted.boundedTo(area + grow));
}

void FrameWindow::toggleStatusBar() { statusBar()->setVisible(!statusBar()->isVisible()); }

void FrameWindow::tile() { m_area->tileSubWindows(); }

void FrameWindow::cascade() { m_area->cascadeSubWindows(); }

// Minimised children line up along the bottom of the area.
void FrameWindow::arrangeIcons() {
    int x = 0;
    for (QMdiSubWindow* child : m_area->subWindowList()) {
        if (!child->isMinimized()) continue;
        child->move(x, m_area->viewport()->height() - child->height());
        x += child->width();
    }
}

void FrameWindow::selectText() {
    if (ChildWindow* child = activeChild()) child->surface().beginSelection(SelectionMode::Text);
}

void FrameWindow::selectArea() {
    if (ChildWindow* child = activeChild()) child->surface().beginSelection(SelectionMode::Area);
}

void FrameWindow::selectAll() {
    if (ChildWindow* child = activeChild()) child->surface().selectAll();
}

void FrameWindow::copy() {
    ChildWindow* child = activeChild();
    if (child == nullptr) return;
    auto* data = new QMimeData;
    if (child->surface().copiesImage()) data->setImageData(child->surface().copiedImage());
    // A graph is copied as its picture and the table of its values.
    const QString text = child->graph() ? seriesTable(*child->graph()) : child->surface().copiedText();
    if (!text.isEmpty()) data->setText(text);
    QGuiApplication::clipboard()->setMimeData(data);
}

void FrameWindow::paste() {
    if (ChildWindow* child = activeChild()) child->surface().typeText(QGuiApplication::clipboard()->text());
}

void FrameWindow::sizeToFit() {
    if (ChildWindow* child = activeChild()) child->sizeToFit(m_area->viewport()->size());
}

void FrameWindow::toggleFullScreen() {
    ChildWindow* child = activeChild();
    if (!m_fullScreen) {
        if (child == nullptr) return;
        m_normalGeometry = geometry();
        m_wasMaximized = child->isMaximized();
        child->showMaximized();
        showFullScreen();
        // Without a window manager to honour the request, take the screen ourselves.
        setGeometry(screen()->geometry());
    } else {
        showNormal();
        setGeometry(m_normalGeometry);
        if (child != nullptr && !m_wasMaximized) child->showNormal();
    }
    m_fullScreen = !m_fullScreen;
}

// Ends every event loop, the nested ones of waiting routines too.
void FrameWindow::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Escape && m_fullScreen)
        toggleFullScreen();
    else
        QMainWindow::keyPressEvent(event);
}

void FrameWindow::exitNow() {
    m_exiting = true;
    close();
    QCoreApplication::exit(0);
}

// The user's close is the exit command; the exit closes the frame itself.
void FrameWindow::closeEvent(QCloseEvent* event) {
    if (!m_exiting && m_requestExit) m_requestExit();
    event->accept();
}

}  // namespace korvel
