// Rounding a plan to whole persons keeps its bounds and caps.

#include "planning/whole_persons.h"

#include <gtest/gtest.h>

namespace korvel {
namespace {

TEST(WholePersonsTest, KeepsEveryLimit) {
    struct Case {
        const char* what;
        RecruitmentLimits limits;
        RecruitmentPlan plan;
        RecruitmentPlan expected;
    };
    const Case cases[] = {
        {"nearest, halves up, a tiny negative to 0", {}, {2.5, -1e-9, 3.49}, {3, 0, 3}},
        {"a cap of 4.5 allows 4", {{std::nullopt, 4.5, std::nullopt}, std::nullopt}, {0.2, 4.5, 1.0}, {0, 4, 1}},
        // 3.6 + 3.6 + 2.8 = 10 rounds to 4 + 4 + 3 = 11: the first of the two raised most by 0.4
        // gives one back.
        {"a total of 10 kept", {{}, 10.0}, {3.6, 3.6, 2.8}, {3, 4, 3}},
        {"periods apart: only the second passes C", {{}, 10.0}, {1, 1, 1, 3.5, 3.5, 3.5}, {1, 1, 1, 3, 3, 4}},
    };
    for (const Case& c : cases) EXPECT_EQ(c.expected, WHOLE_PERSONS(3, c.limits, c.plan)) << c.what;
}

}  // namespace
}  // namespace korvel
