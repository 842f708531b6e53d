#include "frontends/qt/shapedtext.h"

#include <QFontMetrics>
#include <QTextLine>
#include <QTextOption>

namespace korvel {

QString withoutTrailingBlanks(const QString& text) {
    qsizetype end = text.size();
    while (end > 0 && text.at(end - 1) == QLatin1Char(' ')) --end;
    return text.left(end);
}

int BlankWidths::of(qsizetype count, const QFont& font, QPaintDevice* device) {
    const std::pair<QFont, qsizetype> key(font, count);
    const auto found = m_widths.constFind(key);
    if (found != m_widths.constEnd()) return *found;
    return m_widths[key] = QFontMetrics(font, device).horizontalAdvance(QString(count, QLatin1Char(' ')));
}

ShapedText::ShapedText(QPoint at, const QString& text, const QFont& font, QPaintDevice* device, BlankWidths& blanks)
    : m_layout(withoutTrailingBlanks(text), font, device), m_at(at) {
    const QString& shown = m_layout.text();
    qsizetype first = 0;
    while (first < shown.size() && shown.at(first) == QLatin1Char(' ')) ++first;
    if (first == shown.size()) return;
    QTextOption option;
    option.setWrapMode(QTextOption::NoWrap);
    m_layout.setTextOption(option);
    m_layout.beginLayout();
    QTextLine line = m_layout.createLine();
    line.setNumColumns(static_cast<int>(shown.size()));
    m_layout.endLayout();
    const QFontMetrics metrics(font, device);
    m_baseline = at.y() + metrics.ascent();
    // The leading blanks measured alone: a blank's kerning with the first letter is not counted.
    const int left = at.x() + blanks.of(first, font, device);
    m_box = QRect(left, at.y(), at.x() + qRound(line.cursorToX(static_cast<int>(shown.size()))) - left, metrics.height());
}

void ShapedText::draw(QPainter& painter) const {
    if (m_layout.lineCount() == 0) return;
    const QTextLine line = m_layout.lineAt(0);
    line.draw(&painter, QPointF(m_at.x(), m_baseline - line.ascent()));
}

}  // namespace korvel
