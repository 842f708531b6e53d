// The menu bar as INITIALSETTINGS builds it on the desktop layer, and its check marks.

#include "frontends/qt/framewindow.h"
#include "resources/menu_texts.h"
#include "shell/menu_bar.h"
#include "tests/frontends/qt/qt_layer_fixture.h"

#include <QAction>
#include <QMenu>
#include <QMenuBar>

#include <vector>

namespace korvel::qt_test {
namespace {

std::vector<QMenu*> menusOf(FrameWindow& frame) {
    std::vector<QMenu*> menus;
    for (QAction* title : frame.menuBar()->actions()) menus.push_back(title->menu());
    return menus;
}

using MenuBarTest = QtLayerTest;

// The texts are the start-up scenario's; here the Qt menus must hold what the logic appended:
// six menus of 31 entries, 8 of them separators, every entry enabled and only "O&pen datafile"
// checked.
TEST_F(MenuBarTest, InitialSettingsBuildsSixMenusOfThirtyOneEntries) {
    EXPECT_TRUE(INITIALSETTINGS());
    const std::vector<QMenu*> menus = menusOf(layer.frame());
    ASSERT_EQ(6u, menus.size());
    EXPECT_EQ(QString::fromUtf8(menu_text::COMPUTATIONS_MENU), menus[3]->title());
    int entries = 0, separators = 0, checked = 0;
    for (QMenu* menu : menus)
        for (QAction* action : menu->actions()) {
            ++entries;
            separators += action->isSeparator() && action->text().isEmpty();
            checked += action->isChecked();
            EXPECT_TRUE(action->isEnabled()) << action->text().toStdString();
        }
    EXPECT_EQ(31, entries);
    EXPECT_EQ(8, separators);
    EXPECT_EQ(1, checked);
    EXPECT_TRUE(menus[0]->actions().at(0)->isChecked());
    EXPECT_EQ(QString::fromUtf8(menu_text::MATRIX_I_MINUS_P), menus[2]->actions().at(4)->text());
}

TEST_F(MenuBarTest, MenuItemFlagsMoveTheCheckMark) {
    INITIALSETTINGS();
    SET_MENU_ITEM_FLAGS(1, 1, MENU_UNCHECKED);
    SET_MENU_ITEM_FLAGS(1, 3, MENU_CHECKED);
    EXPECT_FALSE(layer.menus().entry(1, 1)->isChecked());
    EXPECT_TRUE(layer.menus().entry(1, 3)->isChecked());
    EXPECT_EQ(QStringLiteral("&Close datafile"), layer.menus().entry(1, 3)->text());

    SET_MENU_ITEM_FLAGS(1, 3, MENU_UNCHECKED);
    SET_MENU_ITEM_FLAGS(1, 1, MENU_CHECKED);
    EXPECT_TRUE(layer.menus().entry(1, 1)->isChecked());
    EXPECT_FALSE(layer.menus().entry(1, 3)->isChecked());
}

TEST_F(MenuBarTest, MenusMustBeAppendedInOrder) {
    EXPECT_FALSE(APPEND_MENU_ITEM(2, MENU_ITEM, "&Edit", WIN_NONE));
    EXPECT_TRUE(APPEND_MENU_ITEM(1, MENU_ITEM, "&File", WIN_NONE));
    EXPECT_TRUE(APPEND_MENU_ITEM(2, MENU_ITEM, "&Edit", WIN_NONE));
    EXPECT_EQ(2, layer.frame().menuBar()->actions().size());
}

}  // namespace
}  // namespace korvel::qt_test
