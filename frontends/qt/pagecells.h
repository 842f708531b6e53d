#pragma once
// The cells of a result-table page as its routine built them, each placed where it was drawn, so
// that a copy can carry the page, or the part of it inside a selection, as tab-separated text.

#include "present/window/recording_observer.h"

#include <QPoint>
#include <QRect>
#include <QString>

#include <set>
#include <vector>

namespace korvel {

class PageCells {
public:
    // The headings, then the rows, are expected to be drawn in this order from now on.
    void expect(const TABLE_PAGE& page);
    // The page is drawn: texts drawn later are not its cells.
    void stopExpecting() { m_expecting = false; }
    void clear();
    // A text drawn where `box` shows it; when it is the next cell expected, that cell is placed
    // there. Whether it was one of the page's headings.
    bool drawn(const QRect& box, const QString& text);
    bool isEmpty() const { return m_cells.empty(); }
    // The cells of every row and column that `area` touches, with the headings and the row
    // labels: a line per page row, cells separated by tabs, each without its surrounding blanks.
    QString textInside(const QRect& area) const;

private:
    struct Cell {
        QString text;
        int row;
        int column;
        QRect box;
        bool placed;
    };

    std::vector<Cell> m_cells;
    size_t m_next = 0;
    bool m_expecting = false;
};

}  // namespace korvel
