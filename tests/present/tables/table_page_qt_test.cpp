// Table pages drawn on the offscreen Qt surface, checked to the pixel, clicked through as a
// user would.

#include "model/model_state.h"
#include "present/tables/result_tables.h"
#include "present/tables/table_page.h"
#include "frontends/qt/childwindow.h"
#include "tests/frontends/qt/qt_layer_fixture.h"

#include <QDate>

#include <string>
#include <vector>

namespace korvel::qt_test {
namespace {

const QColor BOX(0, 165, 255);
const QColor LAYOUT_A_TITLE(160, 0, 41);
const QColor LAYOUT_B_TITLE(0, 0, 255);
const QColor PROMPT_ORANGE(255, 133, 0);
const QColor SUBTITLE_RED(255, 0, 0);
const QString PROMPT = QStringLiteral(" (Press the left mouse button)");

class TablePageQtTest : public QtLayerTest {
protected:
    TablePageQtTest() {
        for (int row = 1; row <= MAX_ROWS; ++row) {
            ROW_NUMBERS(row) = row;
            ROW_LABELS(row).assign("   x_" + std::to_string(row));
            for (int column = 1; column <= MAX_STAGES; ++column) RESULT_TABLE(row, column) = 0.25f * column;
        }
        for (int column = 1; column <= MAX_STAGES; ++column) COLUMN_LABELS(column).assign("   c" + std::to_string(column));
    }

    // Shows the table; each page is kept as drawn, then clicked away.
    std::vector<SurfaceCanvas> show(int columns, int rows, int kind, bool wide = false) {
        std::vector<SurfaceCanvas> pages;
        const auto keep = [&](ChildWindow& page) {
            pages.push_back(page.canvas());
            click(page);
        };
        whileWaitingForClicks(TABLE_CHANNEL, keep, [&] { PRINTNNN(columns, rows, kind, wide, COLUMN_LABELS); });
        return pages;
    }
};

// The text drawn with its top-left corner exactly at (x, y).
QString textAt(const SurfaceCanvas& page, int x, int y) { return page.textInside(QRect(x, y, 1, 1)); }

TEST_F(TablePageQtTest, BoxCornersStandOnTheGrid) {
    const std::vector<SurfaceCanvas> pages = show(4, 3, 17);
    ASSERT_EQ(1u, pages.size());
    const QImage& image = pages[0].image();
    const int top = 90;
    for (int row = 0; row <= 3; ++row)
        for (int column = 0; column <= 5; ++column)
            EXPECT_EQ(BOX, image.pixelColor(15 + 80 * column, top + 20 * row)) << "corner " << column << ", " << row;
    EXPECT_EQ(WHITE, image.pixelColor(14, top));
    EXPECT_EQ(WHITE, image.pixelColor(15, top - 1));
    EXPECT_EQ(WHITE, image.pixelColor(15 + 80 * 5 + 1, top));
    EXPECT_EQ(WHITE, image.pixelColor(15, top + 20 * 3 + 1));
    // Shared edges: 4 lines across of 401 pixels, 6 down with 57 pixels between the crossings.
    EXPECT_EQ(4 * 401 + 6 * 57, pixelsOf(image, QRect(15, top, 401, 61), BOX));
}

TEST_F(TablePageQtTest, CellTextsSitInsideTheirBoxes) {
    const std::vector<SurfaceCanvas> pages = show(2, 2, 20);
    ASSERT_EQ(1u, pages.size());
    EXPECT_EQ(QStringLiteral("   x_1"), textAt(pages[0], 18, 93));
    EXPECT_EQ(QStringLiteral("   0.250000"), textAt(pages[0], 98, 93));
    EXPECT_EQ(QStringLiteral("   x_2"), textAt(pages[0], 18, 113));
    EXPECT_EQ(QStringLiteral("   0.500000"), textAt(pages[0], 178, 113));
    EXPECT_EQ(QStringLiteral("Rows/Columns"), textAt(pages[0], 15, 70));
    EXPECT_EQ(QStringLiteral("   c2"), textAt(pages[0], 175, 70));
}

// The date is the day's in the test programs' en_GB locale, day first; 7 March tells day from month.
TEST_F(TablePageQtTest, TitleColourAndLinesByLayout) {
    const auto today = [] { return QDate::currentDate().toString(QStringLiteral("dd/MM/yyyy")); };
    const QString before = today();
    const std::vector<SurfaceCanvas> projections = show(2, 2, 1);
    const std::vector<SurfaceCanvas> matrix = show(2, 2, 22);
    const QString drawn = textAt(projections[0], 364, 3);
    EXPECT_TRUE(drawn == before || drawn == today()) << drawn.toStdString() << " on " << before.toStdString();
    EXPECT_EQ("07/03/2024", layer.formatDate(DATE_TIME{"20240307", "", "", {2024, 3, 7}}));
    ASSERT_EQ(1u, projections.size());
    ASSERT_EQ(1u, matrix.size());
    const QRect title(7, 3, 240, 18);
    EXPECT_GT(pixelsOf(projections[0].image(), title, LAYOUT_A_TITLE), 20);
    EXPECT_EQ(0, pixelsOf(projections[0].image(), title, LAYOUT_B_TITLE));
    EXPECT_GT(pixelsOf(matrix[0].image(), title, LAYOUT_B_TITLE), 20);
    EXPECT_EQ(0, pixelsOf(matrix[0].image(), title, LAYOUT_A_TITLE));

    EXPECT_EQ(QStringLiteral("SYSTEM EVOLUTION."), textAt(projections[0], 7, 3));
    EXPECT_EQ(QStringLiteral("   Date :"), textAt(projections[0], 265, 3));
    EXPECT_EQ(QStringLiteral("Period    t"), textAt(projections[0], 15, 40));

    EXPECT_EQ(QStringLiteral("SYSTEM TRANSITION MATRIX."), textAt(matrix[0], 7, 3));
    EXPECT_EQ(QStringLiteral("The coeficients matrix P, vector w* and the corresponding column totals."),
              textAt(matrix[0], 15, 28));
    EXPECT_EQ(QStringLiteral("            Date :"), textAt(matrix[0], 215, 3));
    EXPECT_GT(pixelsOf(matrix[0].image(), QRect(15, 28, 400, 18), LAYOUT_A_TITLE), 20);
}

TEST_F(TablePageQtTest, PromptStandsWhereTheColumnsPutIt) {
    struct Case {
        int columns;
        int kind;
        int x;
        int y;
    };
    const Case cases[] = {{1, 1, 9, 2 * 20 + 70}, {1, 17, 12, 2 * 20 + 100}, {4, 17, 132, 2 * 20 + 100},
                          {9, 17, 310, 2 * 20 + 100}};
    for (const Case& c : cases) {
        const std::vector<SurfaceCanvas> pages = show(c.columns, 2, c.kind);
        ASSERT_EQ(1u, pages.size());
        EXPECT_EQ(PROMPT, textAt(pages[0], c.x, c.y)) << c.columns << " columns, kind " << c.kind;
        const QImage& image = pages[0].image();
        EXPECT_GT(pixelsOf(image, QRect(c.x, c.y, 230, 18), PROMPT_ORANGE), 20) << c.columns << " columns";
        EXPECT_EQ(0, pixelsOf(image, QRect(0, c.y, c.x, 18), PROMPT_ORANGE)) << c.columns << " columns";
    }
}

TEST_F(TablePageQtTest, SecondRowPageCarriesTheRedSubtitle) {
    const std::vector<SurfaceCanvas> pages = show(1, 22, 13, true);
    ASSERT_EQ(2u, pages.size());
    EXPECT_EQ(0, pixelsOf(pages[0].image(), QRect(15, 47, 400, 18), SUBTITLE_RED));
    EXPECT_GT(pixelsOf(pages[1].image(), QRect(15, 47, 400, 18), SUBTITLE_RED), 20);
    EXPECT_EQ(QStringLiteral("(The presentation continues...)"), textAt(pages[1], 15, 47));
    EXPECT_EQ(QStringLiteral("           21"), textAt(pages[1], 18, 93));
    EXPECT_EQ(nullptr, layer.child(TABLE_CHANNEL));
}

TEST_F(TablePageQtTest, LongPageSurfaceHoldsEveryRow) {
    const std::vector<SurfaceCanvas> pages = show(3, 150, 1);
    ASSERT_EQ(1u, pages.size());
    EXPECT_EQ(208, pages[0].config().text_rows);
    EXPECT_GE(pages[0].image().height(), 150 * 20 + 70 + 18);
    EXPECT_EQ(BOX, pages[0].image().pixelColor(15, 60 + 20 * 150));
    EXPECT_EQ(PROMPT, textAt(pages[0], 90, 150 * 20 + 70));
}

}  // namespace
}  // namespace korvel::qt_test
