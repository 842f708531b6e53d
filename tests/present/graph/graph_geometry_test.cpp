// The pure parts of the graphs: axis ranges, graph units, legend geometry, point thinning and
// the names kept from the picks. Expected values are worked by hand, as noted on each row.

#include "present/graph/axis_range.h"
#include "present/graph/graph_units.h"
#include "present/graph/legend_geometry.h"
#include "present/graph/point_thinning.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace korvel {
namespace {

TEST(AxisRangeTest, EndsRoundOutToWholeUnitsInAtLeastSixDivisions) {
    struct Case {
        double low, high;
        bool double_step;
        double axis_low, axis_high, step;
    };
    const Case cases[] = {
        {3.2, 47.5, false, 0, 50, 5},           // range 44.3: unit 10, 5 units give 10 divisions
        {120, 980, false, 100, 1000, 100},      // unit 100, 9 units, 9 divisions
        {0.2, 0.9, false, 0, 1, 0.1},           // log 0.7 = -0.155 truncates to 0: unit 1, 1 unit gives 10
        {-47.5, -3.2, false, -50, 0, 5},        // negative data round outward too
        {1, 7, false, 1, 7, 1},                 // 6 units: one division each
        {3.2, 47.5, true, 0, 50, 10},           // the doubled step of kind 6
        {29.999999, 70.000001, false, 30, 70, 5},  // quotients within 1.19e-7 of 3 and 7 count as them
        {50, 50, false, 40, 60, 2.5},           // flat: 50 ± 10, 2 units give 8 divisions
        {0, 0, false, -1, 1, 0.25},             // constant zero: -1..1
        {-0.5, -0.5, false, -2, 1, 0.5},        // -0.5 ± 1 = -1.5..0.5, rounded out to -2..1: 6 divisions
    };
    for (const Case& c : cases) {
        const AxisRange range = LINEAR_AXIS_RANGE(c.low, c.high, c.double_step);
        EXPECT_DOUBLE_EQ(c.axis_low, range.low) << c.low << ".." << c.high;
        EXPECT_DOUBLE_EQ(c.axis_high, range.high) << c.low << ".." << c.high;
        EXPECT_DOUBLE_EQ(c.step, range.tick_step) << c.low << ".." << c.high;
        EXPECT_EQ(5, range.minor_ticks);
        EXPECT_EQ(3, range.decimals);
    }
}

// A slot axis's ends, step and decimals are in the scenarios' "axis x" lines; its ticks are not.
TEST(AxisRangeTest, SlotAxisHasNoMinorTicks) { EXPECT_EQ(1, SLOT_AXIS_RANGE(31).minor_ticks); }

TEST(GraphUnitsTest, PointsMapIntoThePlottingArea) {
    EXPECT_DOUBLE_EQ(1300 + 0.5 * 764, MAP_X(0.5, 0, 10));  // 7640 units over 10 slots
    EXPECT_DOUBLE_EQ(8940, MAP_X(10, 0, 10));
    EXPECT_DOUBLE_EQ(6032 - 2392, MAP_Y(25, 0, 50));        // half of 4784 up
    EXPECT_DOUBLE_EQ(1248, MAP_Y(0, -50, 0));
}

TEST(GraphUnitsTest, ViewportCarriesTheSurfaceFromItsFirstPixelToItsLast) {
    struct Case {
        int x1, y1, x2, y2;
        double ux, uy;
        int px, py;
    };
    const Case cases[] = {
        {0, 0, 1024, 768, 1300, 6032, 130, 603},  // 10 units a pixel: 603.2 rounds down
        {0, 0, 639, 479, 10240, 7680, 639, 479},  // the far corner is the last pixel
        {100, 50, 739, 529, 0, 0, 100, 50},       // offset viewport
        {100, 50, 739, 529, 5120, 3840, 420, 290},  // the middle: 100 + 319.5 rounds away from zero
    };
    for (const Case& c : cases) {
        const GraphUnits units(c.x1, c.y1, c.x2, c.y2);
        EXPECT_EQ(c.px, units.pixelX(c.ux)) << c.x1 << " " << c.x2 << " at " << c.ux;
        EXPECT_EQ(c.py, units.pixelY(c.uy)) << c.y1 << " " << c.y2 << " at " << c.uy;
    }
    EXPECT_TRUE(GraphUnits(0, 0, 639, 479).fitsWindow(640, 480));
    EXPECT_FALSE(GraphUnits(0, 0, 639, 479).fitsWindow(639, 480));  // one pixel short
    EXPECT_FALSE(GraphUnits(5, 5, 5, 100).fitsWindow(640, 480));    // no width to draw in
}

TEST(LegendGeometryTest, RowsEntriesAndBox) {
    struct Case {
        int series;
        int rows, per_row;
        double left, width;
    };
    const Case cases[] = {
        {1, 1, 1, 4120, 2000},  // (6640 - 2000) / 2 + 1800
        {3, 1, 3, 2120, 6000},
        {4, 1, 4, 1120, 8000},
        {5, 2, 3, 2120, 6000},  // rows 2, (5 - 1) div 2 + 1 = 3 a row
        {8, 2, 4, 1120, 8000},
    };
    for (const Case& c : cases) {
        const std::optional<LegendBox> box = LEGEND_BOX(c.series, 10.0);
        ASSERT_TRUE(box) << c.series << " series";
        EXPECT_EQ(c.rows, box->rows) << c.series << " series";
        EXPECT_EQ(c.per_row, box->per_row) << c.series << " series";
        EXPECT_DOUBLE_EQ(c.left, box->left) << c.series << " series";
        EXPECT_DOUBLE_EQ(c.width, box->width) << c.series << " series";
        EXPECT_DOUBLE_EQ(6032 + 640 + 160, box->top) << c.series << " series";  // 16 pixels of 10 units
        EXPECT_DOUBLE_EQ(320.0 * c.rows, box->height);
    }
    EXPECT_FALSE(LEGEND_BOX(0, 10.0));
    EXPECT_FALSE(LEGEND_BOX(9, 10.0));

    const LegendEntry fifth = LEGEND_ENTRY(*LEGEND_BOX(8, 10.0), 5);
    EXPECT_EQ(2, fifth.row);
    EXPECT_EQ(1, fifth.column);
    EXPECT_DOUBLE_EQ(1120 + 160, fifth.sample_x);
    EXPECT_DOUBLE_EQ(6832 + 320 + 160, fifth.middle_y);
    EXPECT_DOUBLE_EQ(1280 + 272, fifth.title_x);
    const LegendEntry fourth = LEGEND_ENTRY(*LEGEND_BOX(8, 10.0), 4);
    EXPECT_EQ(1, fourth.row);
    EXPECT_DOUBLE_EQ(1120 + 160 + 3 * 2000, fourth.sample_x);
}

TEST(PointThinningTest, KeepsEveryStepthPointWithinTheLabelLimit) {
    struct Case {
        int points;
        const char* last_label;
        int limit, step, kept, last_kept;
    };
    const Case cases[] = {
        {62, "61", 49, 2, 31, 61},    // T = 60: 1, 3, ..., 61
        {50, "49", 49, 2, 25, 49},    // T = 48
        {152, "151", 45, 4, 38, 149},  // T = 150: step 3 would keep 51
        {49, "48", 49, 1, 49, 49},    // within the limit: every point
        {46, "145", 45, 2, 23, 45},   // a three-digit label lowers the limit
        {1, "0", 49, 1, 1, 1},
    };
    for (const Case& c : cases) {
        const PointThinning thinning = THIN_POINTS(c.points, std::string(17, ' ') + c.last_label);
        EXPECT_EQ(c.limit, thinning.limit) << c.points << " points";
        EXPECT_EQ(c.step, thinning.step) << c.points << " points";
        ASSERT_EQ(static_cast<size_t>(c.kept), thinning.kept.size()) << c.points << " points";
        EXPECT_EQ(1, thinning.kept.front());
        EXPECT_EQ(c.last_kept, thinning.kept.back()) << c.points << " points";
    }
}

}  // namespace
}  // namespace korvel
