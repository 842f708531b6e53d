#pragma once
// A modal dialog built from one of the program's dialog templates. Controls are addressed by
// their template ids; a routine bound to a control is called whenever the control is used.

#include "present/window/window_records.h"
#include "resources/dialog_templates.h"

#include <QDialog>

#include <map>
#include <string>
#include <vector>

class QListWidget;

namespace korvel {

class TemplateDialog : public QDialog {
public:
    TemplateDialog(const DialogTemplate& layout, QWidget* parent);

    void setCount(int control, int count);
    void setText(int control, const QString& text, int index);
    void setCallback(int control, DIALOG_CALLBACK routine) { m_callbacks[control] = routine; }
    // The selected list entry or the edit text; false when the control has none.
    bool text(int control, QString& text) const;
    // Shows the dialog until a routine ends it (or the user closes it); `state` is what the
    // bound routines receive.
    int runModal(DIALOG& state);
    void exit();

private:
    void build(const DialogTemplate& layout);
    QWidget* createControl(const DialogControl& control);
    void used(int control, int kind);
    void clicked(int control, bool isDefault);
    QListWidget* listBox(int control) const;

    std::map<int, QWidget*> m_controls;
    std::map<int, DIALOG_CALLBACK> m_callbacks;
    std::vector<QListWidget*> m_sortedLists;
    QWidget* m_firstFocus = nullptr;
    DIALOG* m_state = nullptr;
};

}  // namespace korvel
