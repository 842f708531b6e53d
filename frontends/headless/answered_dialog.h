#pragma once
// One open dialog of a layer that answers for the user (the scripted and the report layer): its
// template, list entries, edit texts and callbacks.

#include "present/window/window_records.h"
#include "resources/dialog_templates.h"

#include <map>
#include <optional>
#include <string>
#include <vector>

namespace korvel {

// A list entry found by its text.
struct ListEntry {
    int control = 0;
    int index = 0;  // from 1
    std::string text;
};

class AnsweredDialog {
public:
    explicit AnsweredDialog(const DialogTemplate& dialog_template);

    const DialogTemplate& dialogTemplate() const { return *m_template; }
    bool isList(int control) const;
    bool isEdit(int control) const;

    void setCount(int control, int count);
    // Entry `index` (from 1) of a list, or the text of an edit field.
    void setText(int control, const std::string& text, int index);
    void setCallback(int control, DIALOG_CALLBACK routine);
    DIALOG_CALLBACK callback(int control) const;

    // The entry of one of the lists whose text is `text` (trailing blanks aside); failing that,
    // the one entry equal to it with leading blanks aside too. Nothing when none or several fit.
    std::optional<ListEntry> findEntry(const std::string& text) const;
    void select(const ListEntry& entry);
    // Entry `index` (from 1) of list `control`; nothing past its end.
    std::optional<std::string> entry(int control, int index) const;
    // The entries of all its lists, list by list in the template's order.
    std::vector<std::string> listEntries() const;
    // The selected entry of a list, or the text of an edit field; nothing when none.
    std::optional<std::string> text(int control) const;

    bool ended() const { return m_ended; }
    void end() { m_ended = true; }

private:
    std::optional<ListEntry> findEntryBy(const std::string& text, std::string (*normal)(const std::string&)) const;

    const DialogTemplate* m_template;
    std::map<int, std::vector<std::string>> m_lists;
    std::map<int, int> m_selected;  // list control -> selected index from 1
    std::map<int, std::string> m_edits;
    std::map<int, DIALOG_CALLBACK> m_callbacks;
    bool m_ended = false;
};

}  // namespace korvel
