// The target file: what a good file gives, and every refusal naming its line or what is missing.

#include "planning/target_file.h"

#include <gtest/gtest.h>

#include <sstream>

namespace korvel {
namespace {

TEST(TargetFileTest, GoodFiles) {
    struct Case {
        const char* text;
        Structure target;
    };
    const Case cases[] = {
        {"stage,stock\n1,10\n2,20\n3,30\n", {10.0, 20.0, 30.0}},
        // Any order, blanks, CR line ends, blank lines, zero stocks beside others.
        {"\nstage,stock\r\n3 , 0.5\r\n\r\n1,0\n2,7\n", {0.0, 7.0, 0.5}},
    };
    for (const Case& c : cases) {
        std::istringstream file(c.text);
        const TargetReading reading = READ_TARGET_STRUCTURE(file, "T.csv", 3);
        ASSERT_TRUE(reading.target) << c.text << reading.error;
        EXPECT_EQ(c.target, *reading.target) << c.text;
    }
}

TEST(TargetFileTest, BadFilesSayWhy) {
    struct Case {
        const char* text;
        const char* error;
    };
    const Case cases[] = {
        {"", "T.csv: the file is empty; its first line must be stage,stock"},
        {"stage,cap\n", "T.csv line 1: the first line must be stage,stock"},
        {"stage,stock\n1,10\n2,20\n", "T.csv: 2 stages given, the model has 3 (stage 3 is missing)"},
        {"stage,stock\n1,10\n2,20\n3,30\n4,40\n", "T.csv line 5: \"4\" is not a stage of the model (1 to 3)"},
        {"stage,stock\n1,10\n1,12\n", "T.csv line 3: stage 1 is given twice"},
        {"stage,stock\n2,-1\n", "T.csv line 2: the stock -1 is below 0"},
        {"stage,stock\n2,ten\n", "T.csv line 2: the stock \"ten\" is not a number"},
        {"stage,stock\n2,inf\n", "T.csv line 2: the stock \"inf\" is not a number"},
        {"stage,stock\n2\n", "T.csv line 2: expected STAGE,STOCK"},
        {"stage,stock\n1,0\n2,0\n3,0\n", "T.csv: the stocks total 0; a target needs someone in it"},
    };
    for (const Case& c : cases) {
        std::istringstream file(c.text);
        const TargetReading reading = READ_TARGET_STRUCTURE(file, "T.csv", 3);
        EXPECT_FALSE(reading.target) << c.text;
        EXPECT_EQ(c.error, reading.error) << c.text;
    }
}

}  // namespace
}  // namespace korvel
