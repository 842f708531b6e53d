#pragma once
// The frame's menu bar as the routines build it: menus numbered from 1 from the left, entries
// (separators included) numbered from 1 from the top, each entry bound to a routine.

#include "present/window/window_records.h"

#include <QString>

#include <functional>
#include <optional>
#include <vector>

class QAction;
class QMenu;
class QMenuBar;

namespace korvel {

class MenuBarController {
public:
    // `choose` receives an entry's routine and the check state the entry had when chosen.
    using Chooser = std::function<void(MENU_ROUTINE, bool)>;

    MenuBarController(QMenuBar* bar, Chooser choose);

    // The first call for a menu number creates its title from `text`; later calls add entries.
    bool append(int menu, int flags, const QString& text, MENU_ROUTINE routine);
    void setFlags(int menu, int item, int flags);
    // The check state of the first entry bound to `routine`, when there is one.
    std::optional<bool> checkStateOf(MENU_ROUTINE routine) const;
    QAction* entry(int menu, int item) const;

private:
    struct Entry {
        QAction* action;
        MENU_ROUTINE routine;
    };
    struct Menu {
        QMenu* menu;
        std::vector<Entry> entries;
    };

    QMenuBar* m_bar;
    Chooser m_choose;
    std::vector<Menu> m_menus;
};

}  // namespace korvel
