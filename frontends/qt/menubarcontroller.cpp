#include "frontends/qt/menubarcontroller.h"

#include <QAction>
#include <QMenu>
#include <QMenuBar>

namespace korvel {

MenuBarController::MenuBarController(QMenuBar* bar, Chooser choose) : m_bar(bar), m_choose(std::move(choose)) {}

bool MenuBarController::append(int menu, int flags, const QString& text, MENU_ROUTINE routine) {
    if (menu < 1 || menu > static_cast<int>(m_menus.size()) + 1) return false;
    if (menu == static_cast<int>(m_menus.size()) + 1) {
        m_menus.push_back({m_bar->addMenu(text), {}});
        return true;
    }
    Menu& target = m_menus[menu - 1];
    if (flags & MENU_SEPARATOR) {
        target.entries.push_back({target.menu->addSeparator(), routine});
        return true;
    }
    QAction* action = target.menu->addAction(text);
    if ((flags & MENU_ITEM_CHECKED) == MENU_ITEM_CHECKED) {
        action->setCheckable(true);
        action->setChecked(true);
    }
    // Qt flips a checkable entry before reporting it; the routine decides the marks itself.
    QObject::connect(action, &QAction::triggered, action, [this, action, routine](bool flipped) {
        const bool wasChecked = action->isCheckable() && !flipped;
        action->setChecked(wasChecked);
        m_choose(routine, wasChecked);
    });
    target.entries.push_back({action, routine});
    return true;
}

void MenuBarController::setFlags(int menu, int item, int flags) {
    QAction* action = entry(menu, item);
    if (action == nullptr || action->isSeparator()) return;
    if (flags & MENU_CHECKED) {
        action->setCheckable(true);
        action->setChecked(true);
    } else if (flags & MENU_UNCHECKED) {
        action->setChecked(false);
        action->setCheckable(false);
    }
}

std::optional<bool> MenuBarController::checkStateOf(MENU_ROUTINE routine) const {
    for (const Menu& menu : m_menus)
        for (const Entry& entry : menu.entries)
            if (entry.routine == routine && !entry.action->isSeparator()) return entry.action->isChecked();
    return std::nullopt;
}

QAction* MenuBarController::entry(int menu, int item) const {
    if (menu < 1 || menu > static_cast<int>(m_menus.size())) return nullptr;
    const std::vector<Entry>& entries = m_menus[menu - 1].entries;
    if (item < 1 || item > static_cast<int>(entries.size())) return nullptr;
    return entries[item - 1].action;
}

}  // namespace korvel
