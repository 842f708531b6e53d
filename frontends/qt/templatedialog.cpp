#include "frontends/qt/templatedialog.h"

#include <QFontMetricsF>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>

#include <cmath>

namespace korvel {

namespace {

constexpr int OK_ID = 1;

// Dialog units: a quarter of the average width of the letters A-Z and a-z in the dialog font
// across, an eighth of its height down. The templates' texts were fitted to that letter average;
// the font's own average character width, which counts narrow glyphs too, is up to a fifth
// smaller and cut off the end of the longer texts.
class DialogUnits {
public:
    explicit DialogUnits(const QFont& font) {
        const QFontMetricsF metrics(font);
        const QString letters = QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz");
        m_x = metrics.horizontalAdvance(letters) / letters.size() / 4.0;
        m_y = metrics.height() / 8.0;
    }
    QRect rect(int x, int y, int width, int height) const {
        return QRect(across(x), down(y), across(width), down(height));
    }
    QSize size(int width, int height) const { return QSize(across(width), down(height)); }

private:
    int across(int units) const { return static_cast<int>(std::lround(units * m_x)); }
    int down(int units) const { return static_cast<int>(std::lround(units * m_y)); }
    double m_x;
    double m_y;
};

}  // namespace

TemplateDialog::TemplateDialog(const DialogTemplate& layout, QWidget* parent) : QDialog(parent) {
    build(layout);
}

void TemplateDialog::build(const DialogTemplate& layout) {
    setWindowTitle(QString::fromUtf8(layout.title));
    QFont dialogFont(QString::fromUtf8(layout.font));
    dialogFont.setPointSize(layout.font_size);
    setFont(dialogFont);
    const DialogUnits units(dialogFont);
    setFixedSize(units.size(layout.width, layout.height));
    // Group boxes first, so that the controls they frame stay on top of them.
    for (const DialogControl& control : layout.controls) {
        if (control.kind != ControlKind::GroupBox) continue;
        createControl(control)->setGeometry(units.rect(control.x, control.y, control.width, control.height));
    }
    for (const DialogControl& control : layout.controls) {
        if (control.kind == ControlKind::GroupBox) continue;
        QWidget* widget = createControl(control);
        widget->setGeometry(units.rect(control.x, control.y, control.width, control.height));
        if (control.id != -1) m_controls[control.id] = widget;
    }
    // Typing goes to the first edit field, else keys pick in the first list; never straight to OK.
    for (const ControlKind kind : {ControlKind::EditField, ControlKind::ListBox}) {
        for (const DialogControl& control : layout.controls)
            if (control.kind == kind && m_firstFocus == nullptr) m_firstFocus = m_controls[control.id];
    }
}

QWidget* TemplateDialog::createControl(const DialogControl& control) {
    const QString text = QString::fromUtf8(control.text);
    const int id = control.id;
    switch (control.kind) {
    case ControlKind::DefaultButton:
    case ControlKind::Button: {
        auto* button = new QPushButton(text, this);
        const bool isDefault = control.kind == ControlKind::DefaultButton;
        button->setDefault(isDefault);
        button->setAutoDefault(isDefault);
        connect(button, &QPushButton::clicked, this, [this, id, isDefault] { clicked(id, isDefault); });
        return button;
    }
    case ControlKind::GroupBox:
        return new QGroupBox(text, this);
    case ControlKind::StaticText:
        return new QLabel(text, this);
    case ControlKind::ListBox: {
        auto* list = new QListWidget(this);
        // Entries are addressed by the order they were given in; sorted when shown.
        if (control.sorted) m_sortedLists.push_back(list);
        connect(list, &QListWidget::itemSelectionChanged, this, [this, id] { used(id, DIALOG_CHANGE); });
        return list;
    }
    case ControlKind::EditField: {
        auto* edit = new QLineEdit(text, this);
        connect(edit, &QLineEdit::textChanged, this, [this, id] { used(id, DIALOG_CHANGE); });
        return edit;
    }
    }
    return new QWidget(this);
}

QListWidget* TemplateDialog::listBox(int control) const {
    const auto found = m_controls.find(control);
    return found == m_controls.end() ? nullptr : dynamic_cast<QListWidget*>(found->second);
}

void TemplateDialog::setCount(int control, int count) {
    QListWidget* list = listBox(control);
    if (list == nullptr) return;
    while (list->count() > count) delete list->takeItem(list->count() - 1);
    while (list->count() < count) list->addItem(QString());
}

void TemplateDialog::setText(int control, const QString& text, int index) {
    const auto found = m_controls.find(control);
    if (found == m_controls.end()) return;
    if (auto* list = dynamic_cast<QListWidget*>(found->second)) {
        if (index < 1) return;
        while (list->count() < index) list->addItem(QString());
        list->item(index - 1)->setText(text);
    } else if (auto* edit = dynamic_cast<QLineEdit*>(found->second)) {
        edit->setText(text);
    } else if (auto* label = dynamic_cast<QLabel*>(found->second)) {
        label->setText(text);
    } else if (auto* button = dynamic_cast<QPushButton*>(found->second)) {
        button->setText(text);
    }
}

bool TemplateDialog::text(int control, QString& text) const {
    const auto found = m_controls.find(control);
    if (found == m_controls.end()) return false;
    if (auto* list = dynamic_cast<QListWidget*>(found->second)) {
        const QList<QListWidgetItem*> selected = list->selectedItems();
        if (selected.isEmpty()) return false;
        text = selected.first()->text();
        return true;
    }
    if (auto* edit = dynamic_cast<QLineEdit*>(found->second)) {
        text = edit->text();
        return true;
    }
    return false;
}

int TemplateDialog::runModal(DIALOG& state) {
    m_state = &state;
    for (QListWidget* list : m_sortedLists) list->sortItems();
    if (m_firstFocus != nullptr) m_firstFocus->setFocus();
    const int result = exec();
    m_state = nullptr;
    return result;
}

void TemplateDialog::exit() { done(OK_ID); }

void TemplateDialog::used(int control, int kind) {
    const auto bound = m_callbacks.find(control);
    if (bound != m_callbacks.end() && m_state != nullptr) bound->second(*m_state, control, kind);
}

// A bound routine decides what a click does; unbound, the default button ends the dialog.
void TemplateDialog::clicked(int control, bool isDefault) {
    if (m_callbacks.count(control) != 0)
        used(control, DIALOG_CLICKED);
    else if (isDefault || control == OK_ID)
        done(control);
}

}  // namespace korvel
