#include "frontends/qt/seriestable.h"

namespace korvel {

namespace {

// The values as the routines computed them, in single precision's seven significant digits.
QString valueText(float value) { return QString::number(static_cast<double>(value), 'g', 7); }

}  // namespace

QString seriesTable(const GRAPH_PAGE& page) {
    QString table = QString::fromStdString(page.x_title);
    for (const GRAPH_SERIES_RECORD& series : page.series) table += QLatin1Char('\t') + QString::fromStdString(series.name).trimmed();
    for (size_t point = 0; point < page.labels.size(); ++point) {
        table += QLatin1Char('\n') + QString::fromStdString(page.labels[point]);
        for (const GRAPH_SERIES_RECORD& series : page.series)
            table += QLatin1Char('\t') + (point < series.points.size() ? valueText(series.points[point]) : QString());
    }
    return table;
}

}  // namespace korvel
