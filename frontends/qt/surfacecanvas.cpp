#include "frontends/qt/surfacecanvas.h"

#include "frontends/qt/shapedtext.h"

#include "present/window/line_dashes.h"
#include "present/window/window_geometry.h"

#include <QFontDatabase>
#include <QFontMetrics>
#include <QPainter>

#include <algorithm>
#include <cstdlib>

namespace korvel {

namespace {

QColor toColor(RGB_VALUE value) { return QColor(RED_OF(value), GREEN_OF(value), BLUE_OF(value)); }

// Both corners included, given in either order.
QRect spanned(int x1, int y1, int x2, int y2) {
    return QRect(QPoint(std::min(x1, x2), std::min(y1, y2)), QPoint(std::max(x1, x2), std::max(y1, y2)));
}

// The text buffer's own font: fixed width, one character cell high.
QFont textBufferFont() {
    QFont font = QFontDatabase::systemFont(QFontDatabase::FixedFont);
    font.setPixelSize(CELL_HEIGHT - 3);
    return font;
}

}  // namespace

SurfaceCanvas::SurfaceCanvas() {
    WINDOW_CONFIG config;
    config.pixel_width = CELL_WIDTH;
    config.pixel_height = CELL_HEIGHT;
    config.text_columns = 1;
    config.text_rows = 1;
    configure(config);
    resetDrawingState();
}

void SurfaceCanvas::configure(const WINDOW_CONFIG& config) {
    const QImage previous = m_image;
    m_config = config;
    const QSize logical(std::max<int>(1, config.pixel_width), std::max<int>(1, config.pixel_height));
    // A page reconfigures its window to the size it has: everything drawn still fits.
    if (!previous.isNull() && previous.size() == logical * m_ratio && previous.devicePixelRatio() == m_ratio) {
        m_clip = rect();
        while (m_lines.size() > std::max<int>(1, config.text_rows)) m_lines.removeFirst();
        return;
    }
    m_image = QImage(logical * m_ratio, QImage::Format_RGB32);
    m_image.setDevicePixelRatio(m_ratio);
    m_image.fill(toColor(m_background.rgb()));
    if (!previous.isNull()) {
        QPainter painter(&m_image);
        painter.drawImage(0, 0, previous);
    }
    m_clip = rect();
    while (m_lines.size() > std::max<int>(1, config.text_rows)) m_lines.removeFirst();
}

void SurfaceCanvas::resetDrawingState() {
    m_position = QPoint();
    m_font = textBufferFont();
    m_color = ColourSetting(15);
    m_textColor = ColourSetting(15, 255);
    m_background = ColourSetting(0);
    m_lineStyle = 0xFFFF;
    m_clip = rect();
}

QImage SurfaceCanvas::imageOf(const QRect& area) const {
    QImage part = m_image.copy(QRectF(area.topLeft() * m_ratio, area.size() * m_ratio).toAlignedRect());
    part.setDevicePixelRatio(m_ratio);
    return part;
}

TEXT_POSITION SurfaceCanvas::moveTo(int x, int y) {
    const TEXT_POSITION previous{static_cast<int16_t>(m_position.x()), static_cast<int16_t>(m_position.y())};
    m_position = QPoint(x, y);
    return previous;
}

int SurfaceCanvas::setColor(int index) { return m_color.setIndex(index); }

RGB_VALUE SurfaceCanvas::setColorRgb(RGB_VALUE value) { return m_color.setRgb(value); }

int SurfaceCanvas::setTextColor(int index) { return m_textColor.setIndex(index); }

RGB_VALUE SurfaceCanvas::setTextColorRgb(RGB_VALUE value) { return m_textColor.setRgb(value); }

int SurfaceCanvas::setBackground(int index) { return m_background.setIndex(index); }

RGB_VALUE SurfaceCanvas::setBackgroundRgb(RGB_VALUE value) { return m_background.setRgb(value); }

void SurfaceCanvas::setClipRect(int x1, int y1, int x2, int y2) { m_clip = spanned(x1, y1, x2, y2) & rect(); }

void SurfaceCanvas::clear() {
    m_image.fill(toColor(m_background.rgb()));
    m_texts.clear();
    m_lines.clear();
    m_pageCells.clear();
    m_lastHeading = -1;
    m_drawn = QRect();
}

void SurfaceCanvas::drawText(const QString& text) {
    const ShapedText shaped(m_position, text, m_font, &m_image, m_blankWidths);
    const QRect box = shaped.box();
    const bool heading = m_pageCells.drawn(box, text);
    if (heading) fitHeadingBefore(m_position.x());
    QPainter painter(&m_image);
    painter.setClipRect(m_clip);
    painter.setPen(toColor(m_color.rgb()));
    shaped.draw(painter);
    if (heading) {
        m_lastHeading = static_cast<int>(m_texts.size());
        m_lastHeadingColour = toColor(m_color.rgb());
    }
    m_texts.push_back({m_position, text, box});
    m_drawn |= box;
}

// A page heading longer than its column runs into the next one: the earlier heading is drawn
// again, narrowed to end a gap before `x`, and never past that.
void SurfaceCanvas::fitHeadingBefore(int x) {
    constexpr int GAP = 3;
    if (m_lastHeading < 0) return;
    PlacedText& previous = m_texts[m_lastHeading];
    if (!previous.box.isValid() || previous.box.right() < x - GAP) return;
    const int room = x - GAP - previous.position.x();
    const int natural = QFontMetrics(m_font, &m_image).horizontalAdvance(withoutTrailingBlanks(previous.text));
    QFont narrow = m_font;
    const int stretch = narrow.stretch() > 0 ? narrow.stretch() : 100;
    narrow.setStretch(std::max(1, stretch * room / std::max(1, natural)));
    const QRect allowed(previous.position.x(), previous.box.top(), room, previous.box.height());
    QPainter painter(&m_image);
    // One pixel more, for the ink of a last bold letter past its advance.
    painter.fillRect(previous.box.adjusted(0, 0, 1, 0), toColor(m_background.rgb()));
    painter.setClipRect(allowed & m_clip);
    painter.setPen(m_lastHeadingColour);
    const ShapedText shaped(previous.position, previous.text, narrow, &m_image, m_blankWidths);
    shaped.draw(painter);
    previous.box = shaped.box() & allowed;
}

int SurfaceCanvas::textWidth(const QString& text) const { return QFontMetrics(m_font, &m_image).horizontalAdvance(text); }

void SurfaceCanvas::writeLine(const QString& text) {
    if (m_lines.size() >= std::max<int>(1, m_config.text_rows)) scrollTextUp();
    const QPoint origin(0, static_cast<int>(m_lines.size()) * CELL_HEIGHT);
    const QFont font = textBufferFont();
    QPainter painter(&m_image);
    painter.fillRect(QRect(origin, QSize(m_image.width(), CELL_HEIGHT)), toColor(m_background.rgb()));
    painter.setPen(toColor(m_textColor.rgb()));
    const ShapedText shaped(origin, text, font, &m_image, m_blankWidths);
    shaped.draw(painter);
    m_lines.append(text);
    m_texts.push_back({origin, text, shaped.box()});
}

void SurfaceCanvas::scrollTextUp() {
    const QImage before = m_image;
    m_image.fill(toColor(m_background.rgb()));
    QPainter(&m_image).drawImage(QPoint(0, -CELL_HEIGHT), before);
    m_lines.removeFirst();
    m_lastHeading = -1;
    for (PlacedText& placed : m_texts) {
        placed.position.ry() -= CELL_HEIGHT;
        placed.box.translate(0, -CELL_HEIGHT);
    }
    std::erase_if(m_texts, [](const PlacedText& placed) { return placed.position.y() < 0; });
}

bool SurfaceCanvas::rectangle(int mode, int x1, int y1, int x2, int y2) {
    const QRect area = spanned(x1, y1, x2, y2);
    if (mode == DRAW_OUTLINE || mode == DRAW_FILLED) m_drawn |= area;
    if (mode == DRAW_FILLED) {
        QPainter(&m_image).fillRect(area & m_clip, toColor(m_color.rgb()));
        return true;
    }
    if (mode != DRAW_OUTLINE) return false;
    plotLine(area.topLeft(), area.topRight());
    plotLine(area.topRight(), area.bottomRight());
    plotLine(area.bottomRight(), area.bottomLeft());
    plotLine(area.bottomLeft(), area.topLeft());
    return true;
}

bool SurfaceCanvas::lineTo(int x, int y) {
    plotLine(m_position, QPoint(x, y));
    m_position = QPoint(x, y);
    return true;
}

bool SurfaceCanvas::ellipse(int mode, int x1, int y1, int x2, int y2) {
    if (mode != DRAW_OUTLINE && mode != DRAW_FILLED) return false;
    const QRect area = spanned(x1, y1, x2, y2);
    QPainter painter(&m_image);
    painter.setClipRect(m_clip);
    painter.setPen(outlinePen());
    if (mode == DRAW_FILLED) painter.setBrush(toColor(m_color.rgb()));
    painter.drawEllipse(QRect(area.topLeft(), QSize(area.width() - 1, area.height() - 1)));
    return true;
}

bool SurfaceCanvas::polygon(int mode, const QPolygon& points) {
    if ((mode != DRAW_OUTLINE && mode != DRAW_FILLED) || points.isEmpty()) return false;
    if (mode == DRAW_FILLED) {
        QPainter painter(&m_image);
        painter.setClipRect(m_clip);
        painter.setPen(toColor(m_color.rgb()));
        painter.setBrush(toColor(m_color.rgb()));
        painter.drawPolygon(points);
        return true;
    }
    for (qsizetype i = 0; i < points.size(); ++i) plotLine(points[i], points[(i + 1) % points.size()]);
    return true;
}

QString SurfaceCanvas::textInside(const QRect& area) const {
    std::vector<PlacedText> inside;
    for (const PlacedText& placed : m_texts)
        if (area.contains(placed.position)) inside.push_back(placed);
    std::stable_sort(inside.begin(), inside.end(), [](const PlacedText& a, const PlacedText& b) {
        return a.position.y() != b.position.y() ? a.position.y() < b.position.y() : a.position.x() < b.position.x();
    });
    QString result;
    for (size_t i = 0; i < inside.size(); ++i) {
        if (i > 0) result += inside[i].position.y() == inside[i - 1].position.y() ? QLatin1Char('\t') : QLatin1Char('\n');
        result += withoutTrailingBlanks(inside[i].text);
    }
    return result;
}

// Bresenham's line, both end points included; the 16-bit line style is read from its top bit.
void SurfaceCanvas::plotLine(QPoint from, QPoint to) {
    const int dx = std::abs(to.x() - from.x());
    const int dy = -std::abs(to.y() - from.y());
    const int sx = from.x() < to.x() ? 1 : -1;
    const int sy = from.y() < to.y() ? 1 : -1;
    int error = dx + dy;
    int phase = 0;
    const QRgb colour = toColor(m_color.rgb()).rgb();
    QPoint point = from;
    for (;;) {
        if ((m_lineStyle >> (15 - phase)) & 1u) plot(point, colour);
        phase = (phase + 1) % 16;
        if (point == to) break;
        const int doubled = 2 * error;
        if (doubled >= dy) {
            error += dy;
            point.rx() += sx;
        }
        if (doubled <= dx) {
            error += dx;
            point.ry() += sy;
        }
    }
}

// One logical pixel: every device pixel it covers.
void SurfaceCanvas::plot(QPoint point, QRgb colour) {
    if (!m_clip.contains(point)) return;
    // Most lines are plotted at one device pixel per logical pixel.
    if (m_ratio == 1) {
        m_image.setPixel(point, colour);
        return;
    }
    const QRect covered = QRectF(QPointF(point) * m_ratio, QSizeF(m_ratio, m_ratio)).toAlignedRect() & m_image.rect();
    for (int y = covered.top(); y <= covered.bottom(); ++y)
        for (int x = covered.left(); x <= covered.right(); ++x) m_image.setPixel(x, y, colour);
}

// The current colour with the line style turned into a dash pattern of on and off runs.
QPen SurfaceCanvas::outlinePen() const {
    QPen pen(toColor(m_color.rgb()), 1);
    const LINE_DASHES dashes = DASHES_OF(m_lineStyle);
    if (dashes.solid) return pen;
    if (dashes.hidden) return QPen(Qt::NoPen);
    QList<qreal> runs;
    for (const int run : dashes.runs) runs.append(run);
    pen.setDashPattern(runs);
    pen.setDashOffset(-dashes.start);
    return pen;
}

}  // namespace korvel
