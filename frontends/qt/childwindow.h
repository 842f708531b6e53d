#pragma once
// A child window of the frame, bound to an output channel: a scrollable drawing surface.

#include "frontends/qt/drawingsurface.h"
#include "present/window/recording_observer.h"

#include <QMdiSubWindow>

#include <functional>
#include <optional>

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

    // The graph drawn on the surface, kept so that it can be drawn again at another size.
    void keepGraph(const GRAPH_PAGE& page) { m_graph = page; }
    void forgetGraph() { m_graph.reset(); }
    const std::optional<GRAPH_PAGE>& graph() const { return m_graph; }
    // Called once the window has taken a new size, after the resizes of one event have settled.
    void setResized(std::function<void(ChildWindow&)> resized) { m_resized = std::move(resized); }

protected:
    void closeEvent(QCloseEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    QSize fittedSize() const;

    int m_channel;
    bool m_closing = false;
    bool m_resizePending = false;
    std::optional<GRAPH_PAGE> m_graph;
    std::function<void(ChildWindow&)> m_resized;
    QScrollArea* m_scroll;
    DrawingSurface* m_surface;
};

}  // namespace korvel
