#pragma once
// The frame's menu bar as the scripted layer keeps it: entries, their routines and check marks.

#include "present/window/window_records.h"

#include <optional>
#include <string>
#include <vector>

namespace korvel {

struct ScriptedMenuEntry {
    int menu = 0;
    int item = 0;  // 0 for the menu's title; entries, separators included, from 1
    int flags = 0;
    std::string text;
    MENU_ROUTINE routine = nullptr;
    bool checked = false;
};

class ScriptedMenuBar {
public:
    // The first call for a menu number appends its title; later calls append its entries.
    ScriptedMenuEntry append(int menu, int flags, const std::string& text, MENU_ROUTINE routine);
    // False when the menu has no such entry.
    bool setChecked(int menu, int item, bool checked);

    // The entry (not a title or separator) with exactly this text.
    std::optional<ScriptedMenuEntry> findByText(const std::string& text) const;
    // Every entry a user can choose, in menu order.
    std::vector<ScriptedMenuEntry> choosable() const;
    // The entry bound to `routine`.
    std::optional<ScriptedMenuEntry> findByRoutine(MENU_ROUTINE routine) const;
    bool empty() const { return m_entries.empty(); }

private:
    std::vector<ScriptedMenuEntry> m_entries;
};

}  // namespace korvel
