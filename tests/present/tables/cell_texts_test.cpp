// The texts of table cells: which form each value takes and the markers; the rounding within a
// form is the number format tests'. Row labels stand in every table of the scenarios.

#include "model/model_state.h"
#include "present/tables/cell_texts.h"

#include <gtest/gtest.h>

#include <string>

namespace korvel {
namespace {

struct CellCase {
    float value;
    int kind;
    const char* expected;
};

TEST(ValueCellTextTest, FormByMagnitudeAndMarkers) {
    const CellCase cases[] = {
        {1.0f, 22, "   1.000000"},
        {-1.0f, 22, "  -1.000000"},
        {1.0000001f, 22, "    1.000000    "},  // just above 1: the general form, one place further right
        {0.09999999f, 22, "   0.100000"},
        {0.9999999f, 22, "   1.000000"},
        {1.5f, 22, "    1.500000    "},
        {9.9999999f, 22, "    10.00000    "},
        {-250.75f, 17, "   -250.7500    "},
        {9999999.0f, 22, "    9999999.    "},
        {1234567.5f, 22, "    1234568.    "},
        {12345678.0f, 22, "  0.12346E+08"},
        {123456789.0f, 17, "  0.12346E+09"},
        {0.0f, 22, "   0.000000"},
        {-0.0f, 22, "   0.000000"},
        {MISSING_VALUE, 1, "          ?"},
        {MISSING_VALUE, 20, "    1234568.    "},  // only the projections table knows the marker
        {EMPTY_CELL, 20, "          --"},
        {EMPTY_CELL, 22, "          --"},
        {EMPTY_CELL, 1, "  0.12346E+09"},
    };
    for (const CellCase& c : cases)
        EXPECT_EQ(c.expected, VALUE_CELL_TEXT(c.value, c.kind)) << "value " << c.value << " in kind " << c.kind;
}

TEST(NamelenTest, LengthWithoutTrailingBlanks) {
    struct Case {
        std::string text;
        int expected;
    };
    const Case cases[] = {
        {"Period    t         ", 11},
        {"   x_1  ", 6},
        {std::string(20, ' '), 0},
        {"", 0},
        {"Ομάδα 7   ", 7},  // characters, not bytes
        {std::string("ab") + '\0' + "cd", 2},
    };
    for (const Case& c : cases) {
        int length = -1;
        NAMELEN(length, c.text);
        EXPECT_EQ(c.expected, length) << '"' << c.text << '"';
    }
}

}  // namespace
}  // namespace korvel
