// Graphs drawn on the offscreen Qt surface, checked to the pixel. A position in graph units u
// on a surface of W pixels lies at pixel round(u (W - 1) / 10240) across, and likewise down
// with 7680 units over H - 1 pixels.

#include "present/graph/graph_commands.h"
#include "present/graph/graph_strokes.h"
#include "present/graph/line_graph.h"
#include "frontends/qt/childwindow.h"
#include "frontends/qt/framewindow.h"
#include "tests/frontends/qt/qt_layer_fixture.h"

#include <QClipboard>
#include <QMimeData>

#include <cmath>

namespace korvel::qt_test {
namespace {

// Series 1 (dotted blue) flat at 20, series 2 (solid red) rising 10, 20, ..., 50, series 3
// (maroon) at 35: the y axis runs 10..50 (unit 10, 4 units, 8 divisions), five slots across.
class StocksGraph : public QtLayerTest {
protected:
    StocksGraph() {
        for (int p = 1; p <= 5; ++p) {
            values(p, 1) = 20;
            values(p, 2) = static_cast<float>(10 * p);
            values(p, 3) = 35;
            labels(p).assign(RIGHT_ALIGNED(p - 1, LABEL_LENGTH));
        }
        for (int s = 1; s <= MAX_DRAWN_SERIES; ++s) names(s).assign("    x_" + std::to_string(s));
        x_title.assign("Time period t");
        title.assign("Stocks");
        y_title.assign("Persons");
    }

    GraphValues values;
    PointLabels labels;
    GraphNames names;
    FixedText<20> x_title;
    FixedText<60> title;
    FixedText<25> y_title;
};

// The graph is drawn through GRAPHS and kept as it stood at the closing click.
class GraphQtTest : public StocksGraph {
protected:
    void SetUp() override {
        const auto keep = [&](ChildWindow& shown) {
            image = shown.canvas().image();
            click(shown);
        };
        whileWaitingForClicks(GRAPH_CHANNEL, keep, [&] { GRAPHS(values, names, 5, 3, 0, x_title, false, title, y_title); });
    }

    int px(double units) const { return static_cast<int>(std::lround(units * (image.width() - 1) / 10240.0)); }
    int py(double units) const { return static_cast<int>(std::lround(units * (image.height() - 1) / 7680.0)); }

    QImage image;
};

TEST_F(GraphQtTest, AxesMeetAtThePlottingAreaCorners) {
    EXPECT_EQ(BLACK, image.pixelColor(px(1300), py(1248)));  // top of the y axis
    EXPECT_EQ(BLACK, image.pixelColor(px(1300), py(6032)));  // where the axes meet
    EXPECT_EQ(BLACK, image.pixelColor(px(8940), py(6032)));  // end of the x axis
    EXPECT_EQ(WHITE, image.pixelColor(px(8940) + 2, py(6032)));
    EXPECT_EQ(WHITE, image.pixelColor(px(8940), py(1248)));  // no axis at the top right
}

TEST_F(GraphQtTest, SeriesPointsStandAtTheirMappedPositionsInTheirColours) {
    for (int p = 1; p <= 5; ++p) {
        // Point p in the middle of slot p: 1300 + (p - 0.5) 7640 / 5; value 10 p on 10..50.
        const double x = 1300 + (p - 0.5) * 1528;
        const double y = 6032 - (10.0 * p - 10) * 4784 / 40;
        EXPECT_EQ(RED, image.pixelColor(px(x), py(y))) << "point " << p;
    }
    EXPECT_EQ(MAROON, image.pixelColor(px(1300 + 2.5 * 1528), py(6032 - 25 * 4784 / 40.0)));
}

TEST_F(GraphQtTest, DottedLineLeavesEveryOtherPixel) {
    // Series 1 at 20 runs flat from point 1 to point 2 with mask AAAA: on, off, on, off...
    const int y = py(6032 - 10 * 4784 / 40.0);
    const int from = px(1300 + 0.5 * 1528);
    for (int i = 0; i < 16; ++i)
        EXPECT_EQ(i % 2 == 0 ? BLUE : WHITE, image.pixelColor(from + i, y)) << "pixel " << i << " of the dash";
}

TEST_F(GraphQtTest, LegendEntriesTakeTheirLinesColours) {
    // Three entries a row: box left (6640 - 6000) / 2 + 1800 = 2120, entry s from 2120 + 160 +
    // (s - 1) 2000; the title from 272 units after the sample's start.
    const QColor colours[] = {BLUE, RED, MAROON};
    for (int s = 1; s <= 3; ++s) {
        const double sample = 2120 + 160 + (s - 1) * 2000;
        const int top = py(6032 + 640) + 16;
        const QRect title(px(sample + 272), top, px(1500), py(320) + 1);
        EXPECT_GT(pixelsOf(image, title, colours[s - 1]), 20) << "entry " << s;
    }
    EXPECT_EQ(0, pixelsOf(image, QRect(px(2120 + 272 + 160), py(6672) + 16, px(1500), 20), RED));
}

TEST_F(GraphQtTest, FrameCornersAreRounded) {
    const int right = image.width() - 1;
    const int bottom = image.height() - 1;
    EXPECT_EQ(BLACK, image.pixelColor(image.width() / 2, 0));  // the frame's edges
    EXPECT_EQ(BLACK, image.pixelColor(0, image.height() / 2));
    for (const QPoint corner : {QPoint(0, 0), QPoint(right, 0), QPoint(0, bottom), QPoint(right, bottom)}) {
        EXPECT_EQ(WHITE, image.pixelColor(corner)) << corner.x() << ", " << corner.y();
        // The arc of radius 128 units around the corner, about 90 units in along each side.
        const int dx = corner.x() == 0 ? 1 : -1;
        const int dy = corner.y() == 0 ? 1 : -1;
        const QPoint arc(corner.x() + dx * px(90.5), corner.y() + dy * py(90.5));
        EXPECT_GT(pixelsOf(image, QRect(arc - QPoint(1, 1), QSize(3, 3)), BLACK), 0) << corner.x() << ", " << corner.y();
    }
}

using GraphMarkerTest = QtLayerTest;

// At a graph unit a pixel, a marker centred on (200, 200) spans rows 136..264: a triangle's
// apex is the one pixel of the row it points to, its base the 129 of the other; an outline
// crosses the middle row twice, a filled one covers the 65 pixels between its sides (the fill
// rule may leave a last pixel out).
TEST_F(GraphMarkerTest, TrianglesPointTheirWayOutlinedOrFilled) {
    OPEN_CHILD_WINDOW(GRAPH_CHANNEL, "Plain diagram");
    WINDOW_CONFIG config;
    config.pixel_width = 400;
    config.pixel_height = 400;
    SET_WINDOW_CONFIG(config);
    const struct {
        int marker;
        int top, middle, bottom;
    } markers[] = {{2, 1, 2, 129}, {3, 129, 2, 1}, {8, 1, 65, 129}, {9, 129, 65, 1}};
    for (const auto& m : markers) {
        CLEAR_WINDOW();
        DRAW_MARKER(GraphUnits(0, 0, 10240, 7680), {200, 200}, m.marker, 12);
        const QImage& image = layer.child(GRAPH_CHANNEL)->canvas().image();
        const auto row = [&](int y) { return pixelsOf(image, QRect(0, y, 400, 1), RED); };
        EXPECT_NEAR(m.top, row(136), 1) << "marker " << m.marker;
        EXPECT_NEAR(m.middle, row(200), 1) << "marker " << m.marker;
        EXPECT_NEAR(m.bottom, row(264), 1) << "marker " << m.marker;
        EXPECT_EQ(0, row(135) + row(265)) << "marker " << m.marker;
    }
    CLOSE_CHANNEL(GRAPH_CHANNEL);
}

// The layer draws the graph again from its record on a surface that fills the resized window.
TEST_F(StocksGraph, GraphIsDrawnAgainToFillItsResizedWindow) {
    std::vector<std::string> redrawn;
    layer.setGraphDrawing([&](const GRAPH_PAGE& page) {
        redrawn.push_back(page.title);
        LINESGRAPH(values, labels, 5, 3, names, false, x_title, title, y_title);
    });
    GRAPHSSTART(values, labels, 5, 3, names, false, x_title, title, y_title);
    ChildWindow& window = *layer.child(GRAPH_CHANNEL);
    const QSize before = window.canvas().rect().size();
    const QSize decorations = window.size() - window.surfaceRoom(window.size());
    window.resize(2 * before + decorations);
    ASSERT_TRUE(waitUntil([&] { return !redrawn.empty(); }));
    EXPECT_EQ(std::vector<std::string>{"Stocks"}, redrawn);
    const QImage image = window.canvas().image();
    ASSERT_EQ(2 * before, image.size() / image.devicePixelRatio());
    const int right = image.width() - 1;
    const int bottom = image.height() - 1;
    // The frame runs along all four edges of the larger surface, its corners rounded.
    for (const QPoint edge : {QPoint(right / 2, 0), QPoint(0, bottom / 2), QPoint(right, bottom / 2), QPoint(right / 2, bottom)})
        EXPECT_EQ(BLACK, image.pixelColor(edge)) << edge.x() << ", " << edge.y();
    for (const QPoint corner : {QPoint(0, 0), QPoint(right, 0), QPoint(0, bottom), QPoint(right, bottom)})
        EXPECT_EQ(WHITE, image.pixelColor(corner)) << corner.x() << ", " << corner.y();
    CLOSE_CHANNEL(GRAPH_CHANNEL);
}

TEST_F(StocksGraph, CopyGivesThePictureAndTheSeriesAsATable) {
    GRAPHSSTART(values, labels, 5, 3, names, false, x_title, title, y_title);
    layer.frame().copy();
    EXPECT_EQ(layer.child(GRAPH_CHANNEL)->canvas().image(),
              qvariant_cast<QImage>(QGuiApplication::clipboard()->mimeData()->imageData()));
    EXPECT_EQ(QStringLiteral("Time period t\tx_1\tx_2\tx_3\n0\t20\t10\t35\n1\t20\t20\t35\n2\t20\t30\t35\n3\t20\t40\t35\n"
                             "4\t20\t50\t35"),
              QGuiApplication::clipboard()->text());
    CLOSE_CHANNEL(GRAPH_CHANNEL);
}

}  // namespace
}  // namespace korvel::qt_test
