#include "base/fixed_text.h"

#include <gtest/gtest.h>

namespace korvel {
namespace {

TEST(FixedTextTest, PadCutsAtCharacterBoundaries) {
    struct Case {
        std::string text;
        int length;
        std::string expected;
    };
    const Case cases[] = {
        {"abc", 5, "abc  "},
        {"abcdef", 3, "abc"},
        {"Ιδιότητα_", 3, "Ιδι"},
        {"", 2, "  "},
        {"ab", 0, ""},
    };
    for (const Case& c : cases) EXPECT_EQ(c.expected, PAD_TEXT(c.text, c.length)) << c.text << " to " << c.length;
}

TEST(FixedTextTest, RightAlignedFields) {
    EXPECT_EQ(" 7", RIGHT_ALIGNED(7, 2));
    EXPECT_EQ("12", RIGHT_ALIGNED(12, 2));
    EXPECT_EQ("100", RIGHT_ALIGNED(100, 3));
    EXPECT_EQ("           -5", RIGHT_ALIGNED(-5, 13));
}

TEST(FixedTextTest, TextEndsAtZeroByte) {
    EXPECT_EQ("path/to/file", TEXT_BEFORE_ZERO(std::string("path/to/file\0   ", 16)));
    EXPECT_EQ("", TEXT_BEFORE_ZERO(std::string("\0abc", 4)));
    EXPECT_EQ("no zero", TEXT_BEFORE_ZERO("no zero"));
    EXPECT_EQ("  keep leading", TRIM_RIGHT("  keep leading   "));
    EXPECT_EQ("", TRIM_RIGHT("    "));
}

TEST(FixedTextTest, BufferStartsZeroFilledAndResetsToZeroThenBlanks) {
    FixedText<6> buffer;
    EXPECT_EQ(std::string(6, '\0'), buffer.text());
    buffer.assign("ab");
    EXPECT_EQ("ab    ", buffer.text());
    buffer.reset();
    EXPECT_EQ(std::string("\0     ", 6), buffer.text());
    buffer.assign("too long text");
    EXPECT_EQ("too lo", buffer.text());
}

}  // namespace
}  // namespace korvel
