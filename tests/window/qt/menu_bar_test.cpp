// The menu bar as INITIALSETTINGS builds it on the desktop layer, and its check marks.

#include "present/window/qt/framewindow.h"
#include "shell/menu_bar.h"
#include "tests/window/qt/qt_layer_fixture.h"

#include <QAction>
#include <QMenu>
#include <QMenuBar>

#include <vector>

namespace korvel::qt_test {
namespace {

struct ExpectedMenu {
    const char* title;
    std::vector<const char*> entries;  // "" for a separator
};

const std::vector<ExpectedMenu> MENU_BAR = {
    {"&File", {"O&pen datafile", "", "&Close datafile", "", "C&reate datafile with NotePad", "", "&Exit"}},
    {"&Edit", {"&Select text", "S&elect area", "Se&lect total window", "&Copy", "&Paste"}},
    {"&Read data-Show", {"Rea&d data", "", "Sho&w details", "", "&Matrix [\u0399-P]"}},
    {"Speci&fic computations",
     {"&Graph of stocks", "Grap&h of outflows", "&Common projections", "", "Gra&ph of stocks",
      "&Fixed-size projections (matrix Q)", "", "A&pplication of optimal control", "Gr&aph for each stage"}},
    {"View", {"Si&ze to fit", "", "&Full screen"}},
    {"&Help", {"&About....", "&Instructions to users"}},
};

std::vector<QMenu*> menusOf(FrameWindow& frame) {
    std::vector<QMenu*> menus;
    for (QAction* title : frame.menuBar()->actions()) menus.push_back(title->menu());
    return menus;
}

using MenuBarTest = QtLayerTest;

TEST_F(MenuBarTest, InitialSettingsBuildsSixMenusOfThirtyOneEntries) {
    EXPECT_TRUE(INITIALSETTINGS());
    const std::vector<QMenu*> menus = menusOf(layer.frame());
    ASSERT_EQ(MENU_BAR.size(), menus.size());
    int entries = 0;
    for (size_t m = 0; m < MENU_BAR.size(); ++m) {
        SCOPED_TRACE(MENU_BAR[m].title);
        ASSERT_NE(nullptr, menus[m]);
        EXPECT_EQ(QString::fromUtf8(MENU_BAR[m].title), menus[m]->title());
        const QList<QAction*> actions = menus[m]->actions();
        ASSERT_EQ(MENU_BAR[m].entries.size(), static_cast<size_t>(actions.size()));
        for (qsizetype i = 0; i < actions.size(); ++i) {
            const QString expected = QString::fromUtf8(MENU_BAR[m].entries[i]);
            EXPECT_EQ(expected.isEmpty(), actions[i]->isSeparator()) << "entry " << i + 1;
            EXPECT_EQ(expected, actions[i]->text()) << "entry " << i + 1;
            EXPECT_TRUE(actions[i]->isEnabled());
            // "O&pen datafile" is the only entry created with a check mark.
            EXPECT_EQ(m == 0 && i == 0, actions[i]->isChecked()) << "entry " << i + 1;
            ++entries;
        }
    }
    EXPECT_EQ(31, entries);
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
