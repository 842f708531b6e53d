// RMSE and Theil's U of two trajectories, and the texts they are written in. Expected values
// are worked out by hand in double and met within single precision.

#include "control/trajectory_comparison.h"

#include <gtest/gtest.h>

#include <cmath>
#include <vector>

namespace korvel {
namespace {

struct StatisticsCase {
    const char* name;
    std::vector<float> nominal;
    std::vector<float> optimal;
    double rmse;
    double u;  // NAN: no value
};

TEST(TrajectoryStatisticsTest, RmseAndU) {
    const StatisticsCase cases[] = {
        // differences 0, -1, 0: RMSE = sqrt(1/3); R_o = sqrt(465/3), R_d = sqrt(440/3)
        {"one_off", {10, 12, 14}, {10, 13, 14}, std::sqrt(1.0 / 3.0),
         std::sqrt(1.0 / 3.0) / (std::sqrt(465.0 / 3.0) + std::sqrt(440.0 / 3.0))},
        // the optimal stocks follow the nominal path exactly
        {"exact", {100, 95, 90, 85}, {100, 95, 90, 85}, 0.0, 0.0},
        // opposite signs: RMSE = 2, R_o = R_d = 1, U = 1, its largest value
        {"opposite", {1, -1}, {-1, 1}, 2.0, 1.0},
        // both zero at every point: RMSE 0, U has no value
        {"all_zero", {0, 0, 0}, {0, 0, 0}, 0.0, NAN},
    };
    for (const StatisticsCase& c : cases) {
        const TrajectoryStatistics s =
            COMPARE_TRAJECTORIES(c.nominal.data(), c.optimal.data(), static_cast<int>(c.nominal.size()));
        EXPECT_NEAR(c.rmse, s.rmse, 4e-7 * (1.0 + c.rmse)) << c.name;
        EXPECT_EQ(!std::isnan(c.u), s.u_defined) << c.name;
        if (s.u_defined) {
            EXPECT_NEAR(c.u, s.u, 4e-7 * (1.0 + c.u)) << c.name;
        }
    }
}

TEST(TrajectoryStatisticsTest, WrittenSeventeenWideWithSixDecimalsThenThreeBlanks) {
    EXPECT_EQ("     0.577350E+00   ", STATISTIC_TEXT(0.57735026f));
    EXPECT_EQ("     0.000000E+00   ", STATISTIC_TEXT(0.0f));
    EXPECT_EQ("     0.123457E+03   ", STATISTIC_TEXT(123.4567f));
    EXPECT_EQ("        undefined   ", STATISTIC_TEXT(0.0f, false));
}

// Stage 7's name is four blanks, "x_", a blank and 7: its first 13 characters end in five
// blanks, which fill the title to its 60.
TEST(TrajectoryStatisticsTest, StageSevenTitle) {
    Label name;
    name.assign("    x_ 7");
    EXPECT_EQ("NOMINAL AND OPTIMAL TRAJECTORY FOR THE STOCK :     x_ 7     ", TRAJECTORY_TITLE(name).text());
}

}  // namespace
}  // namespace korvel
