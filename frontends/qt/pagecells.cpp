#include "frontends/qt/pagecells.h"

#include "frontends/qt/shapedtext.h"

namespace korvel {

void PageCells::expect(const TABLE_PAGE& page) {
    clear();
    int column = 0;
    for (const std::string& heading : page.headings) m_cells.push_back({QString::fromStdString(heading), 0, column++, {}, false});
    int row = 0;
    for (const std::vector<std::string>& cells : page.rows) {
        ++row;
        column = 0;
        for (const std::string& cell : cells) m_cells.push_back({QString::fromStdString(cell), row, column++, {}, false});
    }
    m_expecting = true;
}

void PageCells::clear() {
    m_cells.clear();
    m_next = 0;
    m_expecting = false;
}

// The page's other texts (title, caption, date) are drawn between its cells' turns and match
// none of them; the record holds each text without its trailing blanks.
bool PageCells::drawn(const QRect& box, const QString& text) {
    if (!m_expecting || m_next >= m_cells.size()) return false;
    Cell& next = m_cells[m_next];
    if (withoutTrailingBlanks(text) != next.text) return false;
    next.box = box;
    next.placed = true;
    ++m_next;
    return next.row == 0;
}

QString PageCells::textInside(const QRect& area) const {
    // Column 0 holds the row labels; the headings are row 0.
    std::set<int> rows{0};
    std::set<int> columns{0};
    bool touched = false;
    for (const Cell& cell : m_cells) {
        if (!cell.placed || !area.intersects(cell.box)) continue;
        touched = true;
        rows.insert(cell.row);
        columns.insert(cell.column);
    }
    if (!touched) return QString();
    QString result;
    int lineRow = -1;
    for (const Cell& cell : m_cells) {
        if (!cell.placed || rows.count(cell.row) == 0 || columns.count(cell.column) == 0) continue;
        if (lineRow >= 0) result += cell.row == lineRow ? QLatin1Char('\t') : QLatin1Char('\n');
        lineRow = cell.row;
        result += cell.text.trimmed();
    }
    return result;
}

}  // namespace korvel
