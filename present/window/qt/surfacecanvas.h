#pragma once
// The drawing surface of one child window: its image, its text buffer and the drawing state
// the routines set (position, font, colours, line style, clip). Pure drawing; no widget.

#include "present/window/colour_setting.h"
#include "present/window/window_records.h"

#include <QColor>
#include <QFont>
#include <QImage>
#include <QPen>
#include <QPolygon>
#include <QRect>
#include <QString>
#include <QStringList>

#include <vector>

namespace korvel {

// A text drawn on the surface, kept so that a copy can carry it as text.
struct PlacedText {
    QPoint position;
    QString text;
};

class SurfaceCanvas {
public:
    SurfaceCanvas();

    // A new surface of the configured size; what was drawn is kept where it still fits.
    void configure(const WINDOW_CONFIG& config);
    const WINDOW_CONFIG& config() const { return m_config; }
    const QImage& image() const { return m_image; }
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

    // The texts drawn inside `area`, a line per row of positions, cells separated by tabs.
    QString textInside(const QRect& area) const;

private:
    void plotLine(QPoint from, QPoint to);
    void plot(QPoint point, QRgb colour);
    QPen outlinePen() const;
    void scrollTextUp();

    WINDOW_CONFIG m_config;
    QImage m_image;
    QPoint m_position;
    QFont m_font;
    ColourSetting m_color{15};
    ColourSetting m_textColor{15, 255};
    ColourSetting m_background{0};
    unsigned m_lineStyle = 0xFFFF;
    QRect m_clip;
    std::vector<PlacedText> m_texts;
    QStringList m_lines;
};

}  // namespace korvel
