// Periods: whole numbers or ISO dates, and whether snapshots are equally spaced.

#include "records/period.h"

#include <gtest/gtest.h>

#include <vector>

namespace korvel {
namespace {

// Each text, and what it reads back as (empty: not a period).
const std::pair<const char*, const char*> PERIODS[] = {
    {"2019", "2019"},
    {"-3", "-3"},
    {"2020-02-29", "2020-02-29"},
    {"2019-02-29", ""},  // not a leap year
    {"2019-1-01", ""},   // each part of its full width
    {"2019/01/01", ""},
    {"+2019", ""},
    {"2019.0", ""},
    {"", ""},
};

TEST(PeriodTest, ParsedAndWritten) {
    for (const auto& [text, written] : PERIODS) {
        const std::optional<Period> period = PARSE_PERIOD(text);
        EXPECT_EQ(std::string(written), period ? PERIOD_TEXT(*period) : "") << text;
    }
    EXPECT_LT(*PARSE_PERIOD("2019-12-31"), *PARSE_PERIOD("2020-01-01"));
}

const std::pair<std::vector<const char*>, bool> SPACINGS[] = {
    {{"2019", "2020", "2021"}, true},
    {{"2019", "2020", "2022"}, false},
    {{"2020-01-31", "2020-02-29", "2020-03-31"}, false},  // ends of months: measured in days
    {{"2020-01-15", "2020-02-15", "2020-03-15"}, true},   // one day of the month: in months
    {{"2020-01-01", "2020-04-01", "2020-10-01"}, false},
    {{"2020-02-24", "2020-03-02", "2020-03-09"}, true},  // weekly, over a leap day
};

TEST(PeriodTest, EquallySpaced) {
    for (const auto& [texts, equal] : SPACINGS) {
        std::vector<Period> periods;
        for (const char* text : texts) periods.push_back(*PARSE_PERIOD(text));
        EXPECT_EQ(equal, EQUALLY_SPACED(periods)) << texts[0] << " " << texts[1] << " " << texts[2];
    }
}

}  // namespace
}  // namespace korvel
