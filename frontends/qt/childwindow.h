#pragma once
// A child window of the frame, bound to an output channel: a scrollable drawing surface.

#include "frontends/qt/drawingsurface.h"

#include <QMdiSubWindow>

class QScrollArea;

namespace korvel {

class ChildWindow : public QMdiSubWindow {
public:
    ChildWindow(int channel, const QString& title);

    int channel() const { return m_channel; }
    DrawingSurface& surface() { return *m_surface; }
    SurfaceCanvas& canvas() { return m_surface->canvas(); }

    // Applies a resolved configuration: a new surface size and text buffer.
    void applyConfig(const WINDOW_CONFIG& config);
    // As large as the surface needs, but no larger than `available`; scroll bars do the rest.
    void fitWithin(const QSize& available);
    // The largest surface the window shows whole within `available`.
    QSize surfaceRoom(const QSize& available) const;
    // The window's size that shows the top-left `content` of the surface whole.
    QSize sizeShowing(const QSize& content) const;
    // As large as the surface needs, moved and cut where needed to lie inside `available`.
    void sizeToFit(const QSize& available);
    // Only the layer closes a child window: a routine may still be drawing in it or waiting.
    void closeByLayer();

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    QSize fittedSize() const;

    int m_channel;
    bool m_closing = false;
    QScrollArea* m_scroll;
    DrawingSurface* m_surface;
};

}  // namespace korvel
