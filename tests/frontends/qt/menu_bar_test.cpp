// The menu bar on the desktop layer: its check marks and the order of its menus.

#include "frontends/qt/framewindow.h"
#include "shell/menu_bar.h"
#include "tests/frontends/qt/qt_layer_fixture.h"

#include <QAction>
#include <QMenuBar>

namespace korvel::qt_test {
namespace {

using MenuBarTest = QtLayerTest;

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
