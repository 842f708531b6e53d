#include "frontends/headless/answered_dialog.h"

#include "base/fixed_text.h"

namespace korvel {

namespace {

bool hasControl(const DialogTemplate& dialog_template, int control, ControlKind kind) {
    for (const DialogControl& each : dialog_template.controls)
        if (each.id == control && each.kind == kind) return true;
    return false;
}

std::string trimmedRight(const std::string& text) { return TRIM_RIGHT(text); }

std::string trimmedBoth(const std::string& text) {
    const std::string right = TRIM_RIGHT(text);
    return right.substr(std::min(right.size(), right.find_first_not_of(' ')));
}

}  // namespace

AnsweredDialog::AnsweredDialog(const DialogTemplate& dialog_template) : m_template(&dialog_template) {}

bool AnsweredDialog::isList(int control) const { return hasControl(*m_template, control, ControlKind::ListBox); }

bool AnsweredDialog::isEdit(int control) const { return hasControl(*m_template, control, ControlKind::EditField); }

void AnsweredDialog::setCount(int control, int count) {
    m_lists[control].resize(static_cast<size_t>(std::max(0, count)));
    m_selected.erase(control);
}

void AnsweredDialog::setText(int control, const std::string& text, int index) {
    if (isEdit(control)) {
        m_edits[control] = text;
        return;
    }
    if (index < 1) return;
    std::vector<std::string>& entries = m_lists[control];
    if (entries.size() < static_cast<size_t>(index)) entries.resize(static_cast<size_t>(index));
    entries[static_cast<size_t>(index) - 1] = text;
}

void AnsweredDialog::setCallback(int control, DIALOG_CALLBACK routine) { m_callbacks[control] = routine; }

DIALOG_CALLBACK AnsweredDialog::callback(int control) const {
    const auto found = m_callbacks.find(control);
    return found == m_callbacks.end() ? nullptr : found->second;
}

std::optional<ListEntry> AnsweredDialog::findEntry(const std::string& text) const {
    if (auto exact = findEntryBy(text, trimmedRight)) return exact;
    return findEntryBy(text, trimmedBoth);
}

std::optional<ListEntry> AnsweredDialog::findEntryBy(const std::string& text,
                                                     std::string (*normal)(const std::string&)) const {
    std::optional<ListEntry> found;
    for (const auto& [control, entries] : m_lists) {
        if (!isList(control)) continue;
        for (size_t i = 0; i < entries.size(); ++i) {
            if (normal(entries[i]) != normal(text)) continue;
            if (found) return std::nullopt;
            found = ListEntry{control, static_cast<int>(i) + 1, entries[i]};
        }
    }
    return found;
}

void AnsweredDialog::select(const ListEntry& entry) { m_selected[entry.control] = entry.index; }

std::optional<std::string> AnsweredDialog::entry(int control, int index) const {
    const auto list = m_lists.find(control);
    if (list == m_lists.end() || index < 1 || static_cast<size_t>(index) > list->second.size()) return std::nullopt;
    return list->second[static_cast<size_t>(index) - 1];
}

std::vector<std::string> AnsweredDialog::listEntries() const {
    std::vector<std::string> entries;
    for (const DialogControl& control : m_template->controls) {
        if (control.kind != ControlKind::ListBox) continue;
        for (int index = 1; const std::optional<std::string> found = entry(control.id, index); ++index)
            entries.push_back(*found);
    }
    return entries;
}

std::optional<std::string> AnsweredDialog::text(int control) const {
    if (const auto edit = m_edits.find(control); edit != m_edits.end()) return edit->second;
    if (isEdit(control)) return std::string();
    const auto selected = m_selected.find(control);
    if (selected == m_selected.end()) return std::nullopt;
    return m_lists.at(control).at(static_cast<size_t>(selected->second) - 1);
}

}  // namespace korvel
