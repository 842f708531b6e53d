// A result page on the desktop while it waits for its click: the standard commands act on it at
// once, a selection owns the mouse, the close button turns it, and Copy gives its cells as text.

#include "model/model_state.h"
#include "present/tables/result_tables.h"
#include "present/tables/table_page.h"
#include "frontends/qt/childwindow.h"
#include "frontends/qt/framewindow.h"
#include "resources/menu_texts.h"
#include "shell/menu_bar.h"
#include "tests/frontends/qt/qt_layer_fixture.h"

#include <QAction>
#include <QClipboard>
#include <QMdiArea>
#include <QMenuBar>
#include <QMimeData>

#include <functional>
#include <string>

namespace korvel::qt_test {
namespace {

class PageCommandsTest : public QtLayerTest {
protected:
    PageCommandsTest() {
        INITIALSETTINGS();
        for (int row = 1; row <= MAX_ROWS; ++row) {
            ROW_NUMBERS(row) = row;
            ROW_LABELS(row).assign("   x_" + std::to_string(row));
            for (int column = 1; column <= MAX_STAGES; ++column) RESULT_TABLE(row, column) = 0.25f * column;
        }
        for (int column = 1; column <= MAX_STAGES; ++column) COLUMN_LABELS(column).assign("   c" + std::to_string(column));
    }

    // Shows the table; `user` acts on each page while it waits, and must end the wait.
    void show(int columns, int rows, int kind, const std::function<void(ChildWindow&)>& user) {
        whileWaitingForClicks(TABLE_CHANNEL, user, [&] { PRINTNNN(columns, rows, kind, false, COLUMN_LABELS); });
    }

    void choose(const char* text) {
        for (QAction* action : layer.frame().menuBar()->findChildren<QAction*>())
            if (action->text() == QString::fromUtf8(text)) return action->trigger();
        ADD_FAILURE() << "no menu entry " << text;
    }
};

const QString TWO_BY_TWO = QStringLiteral("Rows/Columns\tc1\tc2\nx_1\t0.250000\t0.500000\nx_2\t0.250000\t0.500000");

// The page's first row is x_1 in both columns: 0.25 and 0.5, each at most 1, hence F11.6.
TEST_F(PageCommandsTest, CopyAndSelectTotalWindowActWhileThePageWaits) {
    int pages = 0;
    show(2, 2, 20, [&](ChildWindow& page) {
        ++pages;
        choose(menu_text::SELECT_ALL);
        choose(menu_text::COPY);
        const QMimeData* copied = QGuiApplication::clipboard()->mimeData();
        EXPECT_EQ(page.canvas().image(), qvariant_cast<QImage>(copied->imageData()));
        EXPECT_EQ(TWO_BY_TWO, copied->text());
        EXPECT_TRUE(page.surface().isWaitingForMouse());
        click(page);
    });
    EXPECT_EQ(1, pages);
}

// Cells of page row r, column c start at (18 + 80 c, 93 + 20 r). The drag starts inside the
// first cell of row 2 and touches both its cells: they come with the heading and the row label.
TEST_F(PageCommandsTest, AreaDraggedOnAPageSelectsEveryCellItTouchesAndDoesNotTurnIt) {
    QString copied;
    bool waitedAfterDrag = false;
    show(2, 3, 20, [&](ChildWindow& page) {
        choose(menu_text::SELECT_AREA);
        QTest::mousePress(&page.surface(), Qt::LeftButton, {}, QPoint(110, 118));
        QTest::mouseMove(&page.surface(), QPoint(200, 125));
        QTest::mouseRelease(&page.surface(), Qt::LeftButton, {}, QPoint(260, 125));
        waitedAfterDrag = page.surface().isWaitingForMouse();
        choose(menu_text::COPY);
        copied = QGuiApplication::clipboard()->text();
        EXPECT_EQ(QSize(151, 8), QGuiApplication::clipboard()->image().size());
        click(page);
    });
    EXPECT_TRUE(waitedAfterDrag);
    EXPECT_EQ(QStringLiteral("Rows/Columns\tc1\tc2\nx_2\t0.250000\t0.500000"), copied);
}

// 22 roots make two row pages of 20 and 2: the close button turns each.
TEST_F(PageCommandsTest, CloseButtonIsTheClickThatTurnsThePage) {
    int pages = 0;
    show(1, 22, 13, [&](ChildWindow& page) {
        ++pages;
        page.close();
    });
    EXPECT_EQ(2, pages);
    EXPECT_EQ(nullptr, layer.child(TABLE_CHANNEL));
}

// Two row pages again: Enter turns the first and Space the second, as the click would.
TEST_F(PageCommandsTest, EnterAndSpaceTurnThePage) {
    const Qt::Key keys[] = {Qt::Key_Return, Qt::Key_Space};
    int pages = 0;
    int turnedByKey = 0;
    show(1, 22, 13, [&](ChildWindow& page) {
        QTest::keyClick(&page.surface(), keys[pages++ % 2]);
        if (page.surface().isWaitingForMouse())
            click(page);
        else
            ++turnedByKey;
    });
    EXPECT_EQ(2, turnedByKey);
}

// Escape leaves full screen, and outside it changes nothing: the page keeps its place and waits.
TEST_F(PageCommandsTest, SizeToFitKeepsThePageInsideTheFrameAndEscapeLeavesFullScreenOnly) {
    show(11, 30, 13, [&](ChildWindow& page) {
        choose(menu_text::SIZE_TO_FIT);
        const QRect fitted = page.geometry();
        EXPECT_TRUE(layer.frame().area()->viewport()->rect().contains(fitted));
        QTest::keyClick(&page.surface(), Qt::Key_Escape);
        EXPECT_FALSE(layer.frame().inFullScreen());
        EXPECT_EQ(fitted, page.geometry());
        EXPECT_TRUE(page.surface().isWaitingForMouse());
        choose(menu_text::FULL_SCREEN);
        EXPECT_TRUE(layer.frame().inFullScreen());
        QTest::keyClick(&page.surface(), Qt::Key_Escape);
        EXPECT_FALSE(layer.frame().inFullScreen());
        click(page);
    });
}

// The area opens new windows maximised after a maximised one; a page comes back to its size.
TEST_F(PageCommandsTest, PageAfterAMaximisedWindowShowsAllItsColumns) {
    OPEN_CHILD_WINDOW(15, "Plain diagram");
    SET_WINDOW_PLACEMENT(15, WINDOW_PLACEMENT{PLACE_MAXIMIZED, 0, 0, 0, 0});
    show(8, 3, 20, [&](ChildWindow& page) {
        EXPECT_FALSE(page.isMaximized());
        const QRect visible = page.surface().visibleRegion().boundingRect();
        EXPECT_TRUE(visible.contains(page.canvas().drawnExtent())) << "drawn right to " << page.canvas().drawnExtent().right()
                                                                    << ", seen to " << visible.right();
        click(page);
    });
}

}  // namespace
}  // namespace korvel::qt_test
