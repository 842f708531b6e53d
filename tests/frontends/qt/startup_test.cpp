// The program's start-up on the desktop layer: the main routine on its own thread draws the
// opening screen, waits for Enter typed into the indications window, then shows the
// instructions. It never returns, so this file holds one test and runs in its own process.

#include "model/model_state.h"
#include "frontends/qt/childwindow.h"
#include "frontends/qt/framewindow.h"
#include "frontends/qt/qtwindowlayer.h"
#include "shell/menu_bar.h"
#include "shell/startup.h"
#include "tests/frontends/qt/qt_test_support.h"

#include <gtest/gtest.h>

#include <QStatusBar>

#include <thread>

namespace korvel::qt_test {
namespace {

TEST(StartUp, OpeningScreenWaitsForEnterInTheIndicationsWindowThenShowsInstructions) {
    // Outlives the test: the main routine's thread keeps using it.
    auto* layer = new QtWindowLayer;
    INSTALL_LAYER(layer);
    INSTALL_OBSERVER(layer);
    ASSERT_TRUE(INITIALSETTINGS());
    layer->showFrame();
    std::thread(KORVEL_EN).detach();

    ASSERT_TRUE(waitUntil([&] { return layer->isReadingLine(INDICATIONS_CHANNEL); }));

    // Frame
    FrameWindow& frame = layer->frame();
    EXPECT_EQ(QSize(802, 400), frame.size());
    EXPECT_EQ(QPoint(0, 0), frame.pos());
    EXPECT_EQ(QStringLiteral(" Vendrassa"), frame.windowTitle());
    EXPECT_FALSE(frame.statusBar()->isVisible());

    // Opening screen: maroon, a white triple border inside the window, credits in white,
    // yellow and aqua.
    ChildWindow* indications = layer->child(INDICATIONS_CHANNEL);
    ASSERT_NE(nullptr, indications);
    EXPECT_EQ(QStringLiteral(" Basic indications"), indications->windowTitle());
    const QImage opening = indications->canvas().image();
    EXPECT_EQ(QSize(1200, 288), opening.size());
    const WINDOW_RECT outer = GET_WINDOW_RECT(INDICATIONS_CHANNEL);
    const int right = outer.right - outer.left - 35;
    const int bottom = outer.bottom - outer.top - 57;
    EXPECT_EQ(MAROON, opening.pixelColor(0, 0));
    EXPECT_EQ(WHITE, opening.pixelColor(1, 1));
    EXPECT_EQ(WHITE, opening.pixelColor(right, bottom));
    EXPECT_EQ(MAROON, opening.pixelColor(right + 1, bottom + 1));
    EXPECT_EQ(WHITE, opening.pixelColor(3, 3));
    EXPECT_EQ(WHITE, opening.pixelColor(5, 5));
    EXPECT_EQ(MAROON, opening.pixelColor(7, 7));
    EXPECT_GT(pixelsOf(opening, QRect(140, 20, 500, 22), WHITE), 30);
    EXPECT_GT(pixelsOf(opening, QRect(148, 55, 500, 57), YELLOW), 100);
    EXPECT_GT(pixelsOf(opening, QRect(170, 130, 300, 22), AQUA), 30);
    EXPECT_GT(pixelsOf(opening, QRect(115, 170, 600, 18), WHITE), 100);
    EXPECT_TRUE(WAITING_FOR_ENTER);

    // Still waiting a while later; then Enter is typed into the window.
    QTest::qWait(200);
    EXPECT_TRUE(layer->isReadingLine(INDICATIONS_CHANNEL));
    QTest::keyClick(&indications->surface(), Qt::Key_Return);

    // Instruction screen: white text on maroon, the credits gone. Its last line reaches
    // further right than the opening screen's.
    const auto instructionsShown = [&] {
        const QImage& image = indications->canvas().image();
        return pixelsOf(image, QRect(560, 178, 80, 22), WHITE) > 20;
    };
    ASSERT_TRUE(waitUntil(instructionsShown));
    const QImage instructions = indications->canvas().image();
    EXPECT_FALSE(WAITING_FOR_ENTER);
    EXPECT_EQ(0, pixelsOf(instructions, instructions.rect(), YELLOW));
    EXPECT_EQ(0, pixelsOf(instructions, instructions.rect(), AQUA));
    EXPECT_GT(pixelsOf(instructions, QRect(130, 30, 400, 22), WHITE), 100);
    EXPECT_EQ(MAROON, instructions.pixelColor(1, 1));
}

}  // namespace
}  // namespace korvel::qt_test
