#include "frontends/headless/script/scripted_menu_bar.h"

#include <algorithm>
#include <iterator>

namespace korvel {

namespace {

bool isChoosable(const ScriptedMenuEntry& entry) { return entry.item > 0 && (entry.flags & MENU_SEPARATOR) == 0; }

}  // namespace

ScriptedMenuEntry ScriptedMenuBar::append(int menu, int flags, const std::string& text, MENU_ROUTINE routine) {
    const auto in_menu = std::count_if(m_entries.begin(), m_entries.end(),
                                       [menu](const ScriptedMenuEntry& entry) { return entry.menu == menu; });
    ScriptedMenuEntry entry{menu, static_cast<int>(in_menu), flags, text, routine, (flags & MENU_CHECKED) != 0};
    m_entries.push_back(entry);
    return entry;
}

bool ScriptedMenuBar::setChecked(int menu, int item, bool checked) {
    for (ScriptedMenuEntry& entry : m_entries) {
        if (entry.menu != menu || entry.item != item) continue;
        entry.checked = checked;
        return true;
    }
    return false;
}

std::optional<ScriptedMenuEntry> ScriptedMenuBar::findByText(const std::string& text) const {
    for (const ScriptedMenuEntry& entry : m_entries)
        if (isChoosable(entry) && entry.text == text) return entry;
    return std::nullopt;
}

std::vector<ScriptedMenuEntry> ScriptedMenuBar::choosable() const {
    std::vector<ScriptedMenuEntry> found;
    std::copy_if(m_entries.begin(), m_entries.end(), std::back_inserter(found), isChoosable);
    return found;
}

std::optional<ScriptedMenuEntry> ScriptedMenuBar::findByRoutine(MENU_ROUTINE routine) const {
    for (const ScriptedMenuEntry& entry : m_entries)
        if (isChoosable(entry) && entry.routine == routine) return entry;
    return std::nullopt;
}

}  // namespace korvel
