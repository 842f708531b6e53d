#pragma once
// The drawing surface of one child window: its image, its text buffer and the drawing state
// the routines set (position, font, colours, line style, clip). Pure drawing; no widget.

#include "present/window/colour_setting.h"
#include "frontends/qt/pagecells.h"
#include "frontends/qt/shapedtext.h"
#include "present/window/window_records.h"

#include <QColor>
#include <QFontMetrics>
#include <QFont>
#include <QImage>
#include <QPen>
#include <QPolygon>
#include <QRect>
#include <QString>
#include <QStringList>

#include <vector>

namespace korvel {

// A text drawn on the surface, kept so that a copy can carry it as text. Its box is what can be
// seen of it: from its first to its last character that is not a blank.
struct PlacedText {
    QPoint position;
    QString text;
    QRect box;
};

class SurfaceCanvas {
public:
    SurfaceCanvas();

    // A new surface of the configured size; what was drawn is kept where it still fits.
    void configure(const WINDOW_CONFIG& config);
    const WINDOW_CONFIG& config() const { return m_config; }
    const QImage& image() const { return m_image; }
    // The surface in the window's own (logical) pixels, whatever the display's resolution.
    QRect rect() const { return QRect(QPoint(), m_image.deviceIndependentSize().toSize()); }
    // The image of a logical area, at the display's resolution.
    QImage imageOf(const QRect& area) const;
    // Device pixels per logical pixel: the surface is drawn at the display's resolution, and
    // every operation keeps speaking logical pixels. Takes effect at the next configuration.
    void setDevicePixelRatio(qreal ratio) { m_ratio = ratio; }
    // Back to the layer's default drawing state; the image stays.
    void resetDrawingState();

    TEXT_POSITION moveTo(int x, int y);
    void setFont(const QFont& font) { m_font = font; }
    const QFont& font() const { return m_font; }
    int setColor(int index);
    RGB_VALUE setColorRgb(RGB_VALUE value);
    int setTextColor(int index);
    RGB_VALUE setTextColorRgb(RGB_VALUE value);
    int setBackground(int index);
    RGB_VALUE setBackgroundRgb(RGB_VALUE value);
    void setLineStyle(unsigned mask) { m_lineStyle = mask & 0xFFFF; }
    void setClipRect(int x1, int y1, int x2, int y2);

    void clear();
    void drawText(const QString& text);
    int textWidth(const QString& text) const;
    void writeLine(const QString& text);
    bool rectangle(int mode, int x1, int y1, int x2, int y2);
    bool lineTo(int x, int y);
    bool ellipse(int mode, int x1, int y1, int x2, int y2);
    bool polygon(int mode, const QPolygon& points);

    const std::vector<PlacedText>& texts() const { return m_texts; }
    // What has been drawn since the surface was cleared: the boxes of texts and rectangles.
    QRect drawnExtent() const { return m_drawn; }
    // The texts drawn inside `area`, a line per row of positions, cells separated by tabs.
    QString textInside(const QRect& area) const;
    // The cells of the result-table page drawn on this surface; empty on other surfaces.
    PageCells& pageCells() { return m_pageCells; }
    const PageCells& pageCells() const { return m_pageCells; }

private:
    void plotLine(QPoint from, QPoint to);
    void plot(QPoint point, QRgb colour);
    QPen outlinePen() const;
    void scrollTextUp();
    void fitHeadingBefore(int x);

    WINDOW_CONFIG m_config;
    qreal m_ratio = 1;
    QImage m_image;
    // Measured on this canvas's images, which all have one resolution.
    BlankWidths m_blankWidths;
    QPoint m_position;
    QFont m_font;
    ColourSetting m_color{15};
    ColourSetting m_textColor{15, 255};
    ColourSetting m_background{0};
    unsigned m_lineStyle = 0xFFFF;
    QRect m_clip;
    std::vector<PlacedText> m_texts;
    PageCells m_pageCells;
    // The last page heading drawn, an index into m_texts; -1 before the first.
    int m_lastHeading = -1;
    QColor m_lastHeadingColour;
    QRect m_drawn;
    QStringList m_lines;
};

}  // namespace korvel
