#include "frontends/qt/fileopendialog.h"

#include "base/fixed_text.h"

#include <QCheckBox>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QGridLayout>

namespace korvel {

namespace {

// "Data Files(*.d) (*.d)": the label as given, then the patterns Qt reads from the last
// parentheses; the dialog shows only the label.
QString nameFilter(const FILE_FILTER& filter) {
    QString patterns = QString::fromStdString(filter.patterns);
    patterns.replace(QLatin1Char(';'), QLatin1Char(' '));
    return QString::fromStdString(filter.label) + QStringLiteral(" (") + patterns + QLatin1Char(')');
}

}  // namespace

FILE_DIALOG_RESULT FileOpenDialog::run(QWidget* parent) const {
    QFileDialog dialog(parent, QString::fromStdString(TEXT_BEFORE_ZERO(m_request.title)));
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    dialog.setOption(QFileDialog::HideNameFilterDetails);
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    // A name that does not exist is accepted; the caller reports it and asks again.
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setDefaultSuffix(QString::fromStdString(m_request.default_extension));

    QStringList filters;
    for (const FILE_FILTER& filter : m_request.filters) filters.append(nameFilter(filter));
    dialog.setNameFilters(filters);
    if (m_request.initial_filter >= 1 && m_request.initial_filter <= filters.size())
        dialog.selectNameFilter(filters.at(m_request.initial_filter - 1));

    const QString initial = QString::fromStdString(TRIM_RIGHT(TEXT_BEFORE_ZERO(m_request.initial_path)));
    if (initial.isEmpty()) {
        dialog.setDirectory(QDir::current());
    } else {
        dialog.setDirectory(QFileInfo(initial).absolutePath());
        dialog.selectFile(QFileInfo(initial).fileName());
    }

    auto* readOnly = new QCheckBox(QStringLiteral("Open as &read-only"), &dialog);
    readOnly->setVisible(m_request.show_read_only);
    if (auto* grid = qobject_cast<QGridLayout*>(dialog.layout()))
        grid->addWidget(readOnly, grid->rowCount(), 0, 1, grid->columnCount());

    FILE_DIALOG_RESULT result;
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return result;
    result.chosen = true;
    result.path = QDir::toNativeSeparators(dialog.selectedFiles().first()).toStdString();
    result.read_only = readOnly->isChecked();
    return result;
}

}  // namespace korvel
