// Child windows in the frame: configuration, the standard commands and the waits.

#include "frontends/qt/childwindow.h"
#include "frontends/qt/framewindow.h"
#include "shell/menu_bar.h"
#include "tests/frontends/qt/qt_layer_fixture.h"

#include <QAction>
#include <QClipboard>
#include <QMdiArea>
#include <QMimeData>
#include <QStatusBar>

namespace korvel::qt_test {
namespace {

class ChildWindowTest : public QtLayerTest {
protected:
    // The indications window as the start-up sets it up, in a frame of the start-up's size.
    void openIndications() {
        WINDOW_PLACEMENT placement;
        placement.kind = 4;
        placement.width = 802;
        placement.height = 400;
        SET_WINDOW_PLACEMENT(FRAME_WINDOW, placement);
        OPEN_CHILD_WINDOW(10, " Basic indications");
        WINDOW_CONFIG config;
        config.text_columns = 150;
        config.text_rows = 18;
        EXPECT_TRUE(SET_WINDOW_CONFIG(config));
        SET_BACKGROUND(4);
        CLEAR_WINDOW();
    }
    ChildWindow& indications() { return *layer.child(10); }
};

TEST_F(ChildWindowTest, TextBufferSizeGivesTheSurfaceAndTheWindowFitsInTheFrame) {
    openIndications();
    WINDOW_CONFIG config;
    ASSERT_TRUE(GET_WINDOW_CONFIG(config));
    EXPECT_EQ(1200, config.pixel_width);
    EXPECT_EQ(288, config.pixel_height);
    EXPECT_EQ(QStringLiteral(" Basic indications"), indications().windowTitle());
    const QRect area = layer.frame().area()->viewport()->rect();
    EXPECT_TRUE(area.contains(indications().geometry())) << "window does not fit in the frame";
    // The start-up's border, inset from the outer rectangle, must stay inside the visible part.
    const WINDOW_RECT outer = GET_WINDOW_RECT(10);
    const QRect visible = indications().surface().visibleRegion().boundingRect();
    EXPECT_TRUE(visible.contains(QPoint(outer.right - outer.left - 35, outer.bottom - outer.top - 57)));
}

TEST_F(ChildWindowTest, RefusedConfigurationComesBackAdjustedAndIsThenAccepted) {
    OPEN_CHILD_WINDOW(63, "Table of results");
    WINDOW_CONFIG config;
    config.pixel_width = 0;
    config.pixel_height = 200;
    EXPECT_FALSE(SET_WINDOW_CONFIG(config));
    EXPECT_EQ(1, config.pixel_width);
    EXPECT_TRUE(SET_WINDOW_CONFIG(config));
}

TEST_F(ChildWindowTest, FrameAndChildWindowsCarryTheProgramsIcon) {
    OPEN_CHILD_WINDOW(63, "Table of results");
    const QImage program(QStringLiteral(":/korvel/korvel-256.png"));
    ASSERT_EQ(QSize(256, 256), program.size());
    for (const QWidget* window : {static_cast<QWidget*>(&layer.frame()), static_cast<QWidget*>(layer.child(63))}) {
        const QImage shown = window->windowIcon().pixmap(256).toImage();
        ASSERT_EQ(program.size(), shown.size());
        for (const QPoint at : {QPoint(128, 128), QPoint(60, 200), QPoint(2, 2)})
            EXPECT_EQ(program.pixelColor(at), shown.pixelColor(at)) << window->windowTitle().toStdString();
    }
}

TEST_F(ChildWindowTest, StatusBarCommandTogglesIt) {
    EXPECT_TRUE(layer.frame().statusBar()->isVisible());
    WINDOW_MENU_COMMAND(FRAME_STATUS_BAR);
    EXPECT_FALSE(layer.frame().statusBar()->isVisible());
    WINDOW_MENU_COMMAND(FRAME_STATUS_BAR);
    EXPECT_TRUE(layer.frame().statusBar()->isVisible());
}

TEST_F(ChildWindowTest, CopyPutsTheActiveSurfaceAndItsTextsOnTheClipboard) {
    INITIALSETTINGS();
    openIndications();
    SET_COLOR(14);
    RECTANGLE(3, 10, 10, 19, 19);
    SET_FONT("t'Arial'h18b");
    MOVE_TO(40, 40);
    DRAW_TEXT("Total     ");
    MOVE_TO(140, 40);
    DRAW_TEXT("1234.5");
    MOVE_TO(40, 60);
    DRAW_TEXT("Steady state");
    layer.menus().entry(2, 4)->trigger();  // "&Copy"
    const QMimeData* copied = QGuiApplication::clipboard()->mimeData();
    ASSERT_NE(nullptr, copied);
    const QImage image = qvariant_cast<QImage>(copied->imageData());
    EXPECT_EQ(QSize(1200, 288), image.size());
    EXPECT_EQ(YELLOW, image.pixelColor(15, 15));
    EXPECT_EQ(MAROON, image.pixelColor(25, 25));
    EXPECT_EQ(QStringLiteral("Total\t1234.5\nSteady state"), copied->text());
}

TEST_F(ChildWindowTest, SelectedTextCopiesTheTextsOnly) {
    INITIALSETTINGS();
    openIndications();
    MOVE_TO(40, 40);
    DRAW_TEXT("inside");
    layer.menus().entry(2, 1)->trigger();  // "&Select text"
    DrawingSurface& surface = indications().surface();
    QTest::mousePress(&surface, Qt::LeftButton, {}, QPoint(30, 30));
    QTest::mouseRelease(&surface, Qt::LeftButton, {}, QPoint(130, 80));
    layer.menus().entry(2, 4)->trigger();
    EXPECT_FALSE(QGuiApplication::clipboard()->mimeData()->hasImage());
    EXPECT_EQ(QStringLiteral("inside"), QGuiApplication::clipboard()->text());
}

TEST_F(ChildWindowTest, PastedTextAnswersAPendingLineRead) {
    INITIALSETTINGS();
    openIndications();
    QGuiApplication::clipboard()->setText(QStringLiteral("typed\nrest"));
    QTimer::singleShot(20, [this] { layer.menus().entry(2, 5)->trigger(); });  // "&Paste"
    EXPECT_EQ("typed", READ_LINE(10));
}

TEST_F(ChildWindowTest, EnterInTheWindowEndsTheLineRead) {
    openIndications();
    QTimer::singleShot(20, [this] {
        QTest::keyClicks(&indications().surface(), QStringLiteral("ab"));
        QTest::keyClick(&indications().surface(), Qt::Key_Return);
    });
    EXPECT_EQ("ab", READ_LINE(10));
    EXPECT_FALSE(layer.isReadingLine(10));
}

TEST_F(ChildWindowTest, MouseWaitReturnsTheRequestedEventWithButtonsAndPosition) {
    openIndications();
    QTimer::singleShot(20, [this] {
        // A left press is not asked for; the right press is.
        QTest::mousePress(&indications().surface(), Qt::LeftButton, {}, QPoint(5, 6));
        QTest::mouseRelease(&indications().surface(), Qt::LeftButton, {}, QPoint(5, 6));
        QTest::mousePress(&indications().surface(), Qt::RightButton, {}, QPoint(30, 40));
    });
    const MOUSE_RESULT result = WAIT_MOUSE_EVENT(MOUSE_RIGHT_DOWN);
    EXPECT_EQ(MOUSE_RIGHT_DOWN, result.event);
    EXPECT_EQ(2, result.key_state);
    EXPECT_EQ(30, result.x);
    EXPECT_EQ(40, result.y);
}

TEST_F(ChildWindowTest, FocusChannelRedirectsDrawingWithoutActivatingTheWindow) {
    openIndications();
    OPEN_CHILD_WINDOW(63, "Table of results");
    EXPECT_EQ(63, FOCUSED_CHANNEL());
    FOCUS_CHANNEL(10);
    SET_COLOR(15);
    RECTANGLE(3, 0, 0, 3, 3);
    EXPECT_EQ(WHITE, indications().canvas().image().pixelColor(2, 2));
    EXPECT_EQ(63, FOCUSED_CHANNEL());
}

TEST_F(ChildWindowTest, WrittenLinesAppearInTheTextBufferAndScroll) {
    OPEN_CHILD_WINDOW(10, " Basic indications");
    WINDOW_CONFIG config;
    config.text_columns = 40;
    config.text_rows = 2;
    SET_WINDOW_CONFIG(config);
    WRITE_TEXT(10, "first");
    WRITE_TEXT(10, "second");
    WRITE_TEXT(10, "third");
    EXPECT_EQ(QStringLiteral("second\nthird"), indications().canvas().textInside(QRect(0, 0, 320, 32)));
}

// With no routine waiting on it; a wait that starts later brings it back.
TEST_F(ChildWindowTest, UserCloseMinimisesTheWindowWhichStaysBoundToItsChannel) {
    openIndications();
    EXPECT_FALSE(indications().close());
    EXPECT_TRUE(indications().isMinimized());
    ASSERT_NE(nullptr, layer.child(10));
    SET_COLOR(15);
    EXPECT_TRUE(RECTANGLE(3, 0, 0, 1, 1));
    bool shownForTheWait = false;
    QTimer::singleShot(20, [&] {
        shownForTheWait = !indications().isMinimized();
        QTest::keyClick(&indications().surface(), Qt::Key_Return);
    });
    EXPECT_EQ("", READ_LINE(10));
    EXPECT_TRUE(shownForTheWait);
}

TEST_F(ChildWindowTest, ReopenedChannelStartsFromTheDefaultDrawingState) {
    OPEN_CHILD_WINDOW(63, "Table of results");
    SET_COLOR(4);
    CLOSE_CHANNEL(63);
    EXPECT_EQ(nullptr, layer.child(63));
    OPEN_CHILD_WINDOW(63, "Table of results");
    EXPECT_EQ(15, SET_COLOR(4));
    OPEN_CHILD_WINDOW(63, "Table of results");
    EXPECT_EQ(15, SET_COLOR(4));
}

}  // namespace
}  // namespace korvel::qt_test
