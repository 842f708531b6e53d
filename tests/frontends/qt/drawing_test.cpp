// Drawing on a child window's surface: positions, colours, fonts.

#include "frontends/qt/childwindow.h"
#include "tests/frontends/qt/qt_layer_fixture.h"

namespace korvel::qt_test {
namespace {

class DrawingTest : public QtLayerTest {
protected:
    DrawingTest() {
        OPEN_CHILD_WINDOW(15, "Plain diagram");
        WINDOW_CONFIG config;
        config.pixel_width = 320;
        config.pixel_height = 160;
        SET_WINDOW_CONFIG(config);
        SET_BACKGROUND(4);
        CLEAR_WINDOW();
    }
    const QImage& image() { return layer.child(15)->canvas().image(); }
};

TEST_F(DrawingTest, FilledRectangleCoversBothCornersGivenInEitherOrder) {
    SET_COLOR(11);
    EXPECT_TRUE(RECTANGLE(3, 60, 50, 20, 10));
    EXPECT_EQ(41 * 41, pixelsOf(image(), image().rect(), AQUA));
    EXPECT_EQ(AQUA, image().pixelColor(20, 10));
    EXPECT_EQ(AQUA, image().pixelColor(60, 50));
    EXPECT_EQ(MAROON, image().pixelColor(19, 10));
    EXPECT_EQ(MAROON, image().pixelColor(61, 50));
    EXPECT_EQ(MAROON, image().pixelColor(60, 51));
}

TEST_F(DrawingTest, OutlineRectangleCoversBothCornerPixelsOnly) {
    SET_COLOR(15);
    EXPECT_TRUE(RECTANGLE_W(2, 1.0, 1.0, 100.4, 50.6));
    EXPECT_EQ(WHITE, image().pixelColor(1, 1));
    EXPECT_EQ(WHITE, image().pixelColor(100, 51));
    EXPECT_EQ(WHITE, image().pixelColor(50, 1));
    EXPECT_EQ(MAROON, image().pixelColor(0, 0));
    EXPECT_EQ(MAROON, image().pixelColor(101, 51));
    EXPECT_EQ(MAROON, image().pixelColor(50, 25));
    // 100 pixels across twice, 49 between the corners down each side.
    EXPECT_EQ(2 * 100 + 2 * 49, pixelsOf(image(), image().rect(), WHITE));
}

TEST_F(DrawingTest, PaletteIndexOutsideThePaletteIsClippedAndThePreviousReturned) {
    EXPECT_EQ(15, SET_COLOR(3));
    EXPECT_EQ(3, SET_COLOR(20));
    EXPECT_EQ(15, SET_COLOR(-4));
    EXPECT_EQ(0, SET_COLOR(20));
    RECTANGLE(3, 0, 0, 4, 4);
    EXPECT_EQ(WHITE, image().pixelColor(2, 2));
    EXPECT_EQ(4, SET_BACKGROUND(99));
}

TEST_F(DrawingTest, DirectColourIsPackedRedGreenBlueFromTheLowByte) {
    SET_COLOR_RGB(RGB(10, 20, 200));
    RECTANGLE(3, 5, 5, 6, 6);
    EXPECT_EQ(QColor(10, 20, 200), image().pixelColor(5, 5));
}

TEST_F(DrawingTest, DashedLineFollowsTheMaskFromItsTopBit) {
    SET_COLOR(15);
    SET_LINE_STYLE(0xF0F0);
    MOVE_TO(10, 100);
    LINE_TO(41, 100);
    for (int x = 10; x <= 41; ++x) EXPECT_EQ((x - 10) % 8 < 4 ? WHITE : MAROON, image().pixelColor(x, 100)) << "x " << x;
}

TEST_F(DrawingTest, ClipRectangleKeepsDrawingInside) {
    SET_COLOR(15);
    SET_CLIP_RECT(10, 10, 19, 19);
    RECTANGLE(3, 0, 0, 100, 100);
    EXPECT_EQ(100, pixelsOf(image(), image().rect(), WHITE));
}

TEST_F(DrawingTest, TextIsDrawnWithItsTopLeftCornerAtThePosition) {
    SET_FONT("t'Arial'h19w8b");
    SET_COLOR(15);
    MOVE_TO(100, 60);
    DRAW_TEXT(std::string("HH") + '\0' + "HH");
    const int width = TEXT_WIDTH("HH");
    EXPECT_GT(width, 10);
    EXPECT_EQ(0, pixelsOf(image(), QRect(0, 0, 320, 60), WHITE));
    EXPECT_EQ(0, pixelsOf(image(), QRect(0, 0, 100, 160), WHITE));
    EXPECT_GT(pixelsOf(image(), QRect(100, 60, width, 19), WHITE), 20);
    // Nothing after the zero byte.
    EXPECT_EQ(0, pixelsOf(image(), QRect(100 + width + 2, 0, 220, 160), WHITE));
}

TEST_F(DrawingTest, FontWithAMissingFaceIsRefusedAndThePreviousFontStays) {
    ASSERT_GE(SET_FONT("t'Arial'h19w8i"), 0);
    const int width = TEXT_WIDTH("Personnel planning");
    EXPECT_EQ(-1, SET_FONT("t'No Such Face'h40w30b"));
    EXPECT_EQ(width, TEXT_WIDTH("Personnel planning"));
    EXPECT_EQ(-1, SET_FONT("h19w8"));
}

TEST_F(DrawingTest, GreekFaceNamesUseTheirBaseFace) {
    ASSERT_GE(SET_FONT("t'Arial'h21w9i"), 0);
    const int arial = TEXT_WIDTH("Your data are to be read from the file");
    ASSERT_GE(SET_FONT("t'Arial Greek'h21w9i"), 0);
    EXPECT_EQ(arial, TEXT_WIDTH("Your data are to be read from the file"));
    EXPECT_GE(SET_FONT("t'Times New Roman Greek'h18w7b"), 0);
}

TEST_F(DrawingTest, RequestedWidthStretchesTheFace) {
    SET_FONT("t'Arial'h20w5");
    const int narrow = TEXT_WIDTH("the average character");
    SET_FONT("t'Arial'h20w10");
    const int wide = TEXT_WIDTH("the average character");
    EXPECT_NEAR(2.0, static_cast<double>(wide) / narrow, 0.15);
    // Twenty-one characters of ordinary text at about the requested width each.
    EXPECT_NEAR(21 * 10, wide, 30);
}

}  // namespace
}  // namespace korvel::qt_test
