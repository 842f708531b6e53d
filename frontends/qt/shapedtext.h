#pragma once
// A text laid out once, for both its visible box and its drawing: measuring and drawing it
// apart would shape it twice, and a page draws hundreds of texts.

#include <QFont>
#include <QHash>
#include <QPoint>
#include <QRect>
#include <QString>
#include <QTextLayout>

#include <utility>

class QPaintDevice;
class QPainter;

namespace korvel {

// The text without the blanks that end it.
QString withoutTrailingBlanks(const QString& text);

// The widths of runs of blanks, measured alone, by font: a page's cells start with a few such
// runs, and measuring one is as dear as shaping a whole text.
class BlankWidths {
public:
    int of(qsizetype count, const QFont& font, QPaintDevice* device);

private:
    QHash<std::pair<QFont, qsizetype>, int> m_widths;
};

class ShapedText {
public:
    // The text's top-left corner at `at`.
    ShapedText(QPoint at, const QString& text, const QFont& font, QPaintDevice* device, BlankWidths& blanks);

    // From its first to its last character that is not a blank; empty for blanks only.
    QRect box() const { return m_box; }
    // With the painter's pen; the trailing blanks carry no ink and are left out.
    void draw(QPainter& painter) const;

private:
    QTextLayout m_layout;
    QPoint m_at;
    int m_baseline = 0;
    QRect m_box;
};

}  // namespace korvel
