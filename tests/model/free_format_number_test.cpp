// The numbers of the free format at their boundaries: correct rounding to 32 bits, the limits
// of the 32-bit range, and the forms that are refused.

#include "model/free_format_number.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>
#include <vector>

namespace korvel {
namespace {

struct RealCase {
    std::string token;
    bool accepted;
    float value;  // when accepted
};

const float ONE_UP = std::nextafter(1.0f, 2.0f);

const std::vector<RealCase> REAL_CASES = {
    {"0.1", true, 0.1f},
    {"-0", true, -0.0f},
    {"16777217", true, 16777216.0f},  // halfway: to the even neighbour
    {"16777219", true, 16777220.0f},
    // Just above and below the midpoint between 1 and the next float: rounding through a
    // double would land on the midpoint and then round to even, giving 1 for both.
    {"1.00000005960464477539062501", true, ONE_UP},
    {"1.00000005960464477539062499", true, 1.0f},
    {"3.4028235e38", true, std::numeric_limits<float>::max()},
    {"3.4028236e38", false, 0.0f},
    {"1.4D-45", true, std::numeric_limits<float>::denorm_min()},
    {"1e-46", true, 0.0f},
    {"2.5d0", true, 2.5f},
    {"-.5E-1", true, -0.05f},
    {"1e39", false, 0.0f},
    {"NaN", false, 0.0f},
    {"Infinity", false, 0.0f},
    {"1,5", false, 0.0f},
    {"", false, 0.0f},
    {"+", false, 0.0f},
    {"e5", false, 0.0f},
    {"1e+", false, 0.0f},
    {"1q5", false, 0.0f},
    {" 1", false, 0.0f},
};

TEST(ParseReal, Boundaries) {
    for (const RealCase& c : REAL_CASES) {
        float value = 42.0f;
        EXPECT_EQ(c.accepted, PARSE_REAL(c.token, value)) << "token \"" << c.token << '"';
        const float expected = c.accepted ? c.value : 42.0f;
        EXPECT_EQ(expected, value) << "token \"" << c.token << '"';
        EXPECT_EQ(std::signbit(expected), std::signbit(value)) << "token \"" << c.token << '"';
    }
}

struct IntegerCase {
    std::string token;
    bool accepted;
    int32_t value;  // when accepted
};

const std::vector<IntegerCase> INTEGER_CASES = {
    {"55", true, 55},
    {"+198", true, 198},
    {"-1", true, -1},
    {"0007", true, 7},
    {"-2147483648", true, std::numeric_limits<int32_t>::min()},
    {"2147483648", false, 0},
    {"3.0", false, 0},
    {"3.", false, 0},
    {"1e2", false, 0},
    {"12a", false, 0},
    {"", false, 0},
    {"-", false, 0},
    {"+-3", false, 0},
    {"--3", false, 0},
};

TEST(ParseInteger, Boundaries) {
    for (const IntegerCase& c : INTEGER_CASES) {
        int32_t value = 42;
        EXPECT_EQ(c.accepted, PARSE_INTEGER(c.token, value)) << "token \"" << c.token << '"';
        EXPECT_EQ(c.accepted ? c.value : 42, value) << "token \"" << c.token << '"';
    }
}

}  // namespace
}  // namespace korvel
