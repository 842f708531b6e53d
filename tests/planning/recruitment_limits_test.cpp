// The limits file: what a good file gives, and every refusal naming its line.

#include "planning/recruitment_limits.h"

#include <gtest/gtest.h>

#include <sstream>

namespace korvel {
namespace {

TEST(RecruitmentLimitsTest, GoodFiles) {
    struct Case {
        const char* text;
        std::vector<std::optional<double>> caps;
        std::optional<double> total;
    };
    const Case cases[] = {
        {"stage,cap\n", {std::nullopt, std::nullopt, std::nullopt}, std::nullopt},
        {"stage,cap\n3,40\n", {std::nullopt, std::nullopt, 40.0}, std::nullopt},
        // Blanks around fields, CR line ends, blank lines and a fractional cap are taken.
        {"stage,cap\r\n 1 , 2.5\r\n\r\ntotal,0\r\n", {2.5, std::nullopt, std::nullopt}, 0.0},
        {"\nstage,cap\ntotal,100\n2,0\n", {std::nullopt, 0.0, std::nullopt}, 100.0},
    };
    for (const Case& c : cases) {
        std::istringstream file(c.text);
        const LimitsReading reading = READ_RECRUITMENT_LIMITS(file, "L.csv", 3);
        ASSERT_TRUE(reading.limits) << c.text << reading.error;
        EXPECT_EQ(c.caps, reading.limits->stage_caps) << c.text;
        EXPECT_EQ(c.total, reading.limits->total_cap) << c.text;
    }
}

TEST(RecruitmentLimitsTest, BadFilesNameTheLine) {
    struct Case {
        const char* text;
        const char* error;
    };
    const Case cases[] = {
        {"", "L.csv: the file is empty; its first line must be stage,cap"},
        {"stage;cap\n", "L.csv line 1: the first line must be stage,cap"},
        {"stage,cap\n4,10\n", "L.csv line 2: \"4\" is not a stage of the model (1 to 3) nor total"},
        {"stage,cap\n0,10\n", "L.csv line 2: \"0\" is not a stage of the model (1 to 3) nor total"},
        {"stage,cap\n1,10\n\n1,12\n", "L.csv line 4: stage 1 is capped twice"},
        {"stage,cap\ntotal,5\ntotal,6\n", "L.csv line 3: the total is capped twice"},
        {"stage,cap\n2,-1\n", "L.csv line 2: the cap -1 is below 0"},
        {"stage,cap\n2,ten\n", "L.csv line 2: the cap \"ten\" is not a number"},
        {"stage,cap\n2,nan\n", "L.csv line 2: the cap \"nan\" is not a number"},
        {"stage,cap\n2\n", "L.csv line 2: expected STAGE,CAP or total,CAP"},
        {"stage,cap\n2,3,4\n", "L.csv line 2: expected STAGE,CAP or total,CAP"},
    };
    for (const Case& c : cases) {
        std::istringstream file(c.text);
        const LimitsReading reading = READ_RECRUITMENT_LIMITS(file, "L.csv", 3);
        EXPECT_FALSE(reading.limits) << c.text;
        EXPECT_EQ(c.error, reading.error) << c.text;
    }
}

}  // namespace
}  // namespace korvel
