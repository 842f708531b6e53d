// The fixed-width number forms, at their boundaries. Expected texts were worked out by hand
// from the exact binary value of each input.

#include "present/tables/number_formats.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>

namespace korvel {
namespace {

struct FormatCase {
    double value;
    int width;
    int decimals;
    const char* expected;
};

TEST(FormatFTest, FixedNotation) {
    const FormatCase cases[] = {
        {1.0, 11, 6, "   1.000000"},
        {0.1234567f, 11, 6, "   0.123457"},
        {0.09999999f, 11, 6, "   0.100000"},  // 0.0999999866
        {0.9999999f, 11, 6, "   1.000000"},   // 0.9999998808: carries into the integer part
        {0.0, 11, 6, "   0.000000"},
        {-0.0, 11, 6, "   0.000000"},       // no negative zero
        {-2.5e-7f, 11, 6, "   0.000000"},   // rounds to zero: no sign either
        {-6.0e-7f, 11, 6, "  -0.000001"},
        {2.5, 4, 0, "  3."},                // an exact half goes away from zero
        {-2.5, 4, 0, " -3."},
        {0.125, 5, 2, " 0.13"},
        {2.675f, 5, 2, " 2.67"},            // 2.67499995: below the half it looks like
        {1.0000005, 9, 6, " 1.000001"},     // as a double: 1.00000050000000007
        {1.0000005f, 9, 6, " 1.000000"},    // as a float: 1.00000047684
        {1234567.5f, 11, 0, "   1234568."},
        {0.5, 4, 3, ".500"},                // the optional zero gives way
        {-0.5, 5, 3, "-.500"},
        {123.456, 5, 2, "*****"},
        {12.5, 10, 1, "      12.5"},         // tick labels, F10.d
        {-0.25, 10, 2, "     -0.25"},
        {1.0e20, 10, 1, "**********"},
    };
    for (const FormatCase& c : cases)
        EXPECT_EQ(c.expected, FORMAT_F(c.value, c.width, c.decimals)) << "F" << c.width << "." << c.decimals << " of " << c.value;
}

TEST(FormatETest, ExponentForm) {
    const FormatCase cases[] = {
        {12345678.0, 13, 5, "  0.12346E+08"},
        {123456789.0f, 13, 5, "  0.12346E+09"},   // stored 123456792
        {-123456789.0f, 13, 5, " -0.12346E+09"},
        {99999990.0f, 13, 5, "  0.10000E+09"},    // 99999992: carries into the exponent
        {1.5e-5f, 13, 5, "  0.15000E-04"},        // 0.0000149999996
        {0.0, 13, 5, "  0.00000E+00"},
        {-0.0, 13, 5, "  0.00000E+00"},
        {1.0, 13, 5, "  0.10000E+01"},
        {1.0e98, 13, 5, "  0.10000E+99"},         // the last two-digit exponent keeps the E
        {1.0e100, 13, 5, "  0.10000+101"},        // a three-digit exponent drops the E
        {1.0e-101, 13, 5, "  0.10000-100"},
        {1234.5678, 17, 6, "     0.123457E+04"},  // the graphs' E17.6
        {-0.00012345678, 17, 6, "    -0.123457E-03"},
        {-0.5, 9, 3, "-.500E+00"},
        {-0.5, 8, 3, "********"},
    };
    for (const FormatCase& c : cases)
        EXPECT_EQ(c.expected, FORMAT_E(c.value, c.width, c.decimals)) << "E" << c.width << "." << c.decimals << " of " << c.value;
}

TEST(FormatGTest, GeneralForm) {
    const FormatCase cases[] = {
        {1.5, 15, 7, "   1.500000    "},
        {12.5, 15, 7, "   12.50000    "},
        {1.0000001f, 15, 7, "   1.000000    "},    // 1.0000001192
        {9.9999999f, 15, 7, "   10.00000    "},    // the float is 10 exactly
        {9.9999999, 15, 7, "   10.00000    "},     // the double carries to two integer digits
        {9999999.0, 15, 7, "   9999999.    "},
        {1234567.5, 15, 7, "   1234568.    "},
        {-1234567.5, 15, 7, "  -1234568.    "},
        {9999999.5, 15, 7, "  0.1000000E+08"},     // rounds up to 10^7: exponent form
        {12345678.0, 15, 7, "  0.1234568E+08"},
        {-12345678.0, 15, 7, " -0.1234568E+08"},
        {-0.05, 15, 7, " -0.5000000E-01"},         // below the fixed range on the negative side
        {0.1, 15, 7, "  0.1000000    "},
        {0.099999996, 15, 7, "  0.1000000    "},   // rounds up into the fixed range
        {0.09999994, 15, 7, "  0.9999994E-01"},
        {0.0, 15, 7, "   0.000000    "},
    };
    for (const FormatCase& c : cases)
        EXPECT_EQ(c.expected, FORMAT_G(c.value, c.width, c.decimals)) << "G" << c.width << "." << c.decimals << " of " << c.value;
}

TEST(FormatITest, Integers) {
    EXPECT_EQ("           7", FORMAT_I(7, 12));
    EXPECT_EQ("    12345678", FORMAT_I(12345678, 12));
    EXPECT_EQ(" -5", FORMAT_I(-5, 3));
    EXPECT_EQ("****", FORMAT_I(12345, 4));
}

TEST(FormatTest, ValuesThatAreNotFinite) {
    EXPECT_EQ("   NaN", FORMAT_F(std::nan(""), 6, 2));
    EXPECT_EQ(" -Infinity", FORMAT_E(-std::numeric_limits<double>::infinity(), 10, 3));
    EXPECT_EQ("  Inf", FORMAT_G(std::numeric_limits<double>::infinity(), 5, 1));
}

// Every float in a sweep keeps its value: the fixed text read back is within half a unit of
// the last decimal shown.
TEST(FormatFTest, ReadBackWithinHalfAUnitOfTheLastDecimal) {
    for (float value = -3.0f; value < 3.0f; value += 0.0137f) {
        const std::string text = FORMAT_F(value, 12, 6);
        EXPECT_LE(std::fabs(std::stod(text) - double{value}), 0.5e-6 + 1e-12) << text << " for " << value;
    }
}

}  // namespace
}  // namespace korvel
