// Font descriptors, and a window request beyond the geometry's limits. The sizes of ordinary
// requests, from a text buffer or from the screen, are in every scenario's config lines.

#include "present/window/font_descriptor.h"
#include "present/window/window_geometry.h"

#include <gtest/gtest.h>

namespace korvel {
namespace {

TEST(FontDescriptorTest, ParsesEveryDescriptorInUse) {
    struct Case {
        const char* descriptor;
        const char* face;
        int height;
        int width;
        bool bold;
        bool italic;
    };
    const Case cases[] = {
        {"t'Arial'h15b", "Arial", 15, 0, true, false},
        {"t'Arial'h19w8i", "Arial", 19, 8, false, true},
        {"t'Arial Greek'h21w9i", "Arial Greek", 21, 9, false, true},
        {"t'Times New Roman'h18w7b", "Times New Roman", 18, 7, true, false},
        {"t'Arial'h20w10b", "Arial", 20, 10, true, false},
        {"t'Courier New'h12bi", "Courier New", 12, 0, true, true},
    };
    for (const Case& c : cases) {
        const FONT_REQUEST font = PARSE_FONT_DESCRIPTOR(c.descriptor);
        EXPECT_TRUE(font.valid) << c.descriptor;
        EXPECT_EQ(c.face, font.face) << c.descriptor;
        EXPECT_EQ(c.height, font.height) << c.descriptor;
        EXPECT_EQ(c.width, font.width) << c.descriptor;
        EXPECT_EQ(c.bold, font.bold) << c.descriptor;
        EXPECT_EQ(c.italic, font.italic) << c.descriptor;
    }
}

TEST(FontDescriptorTest, RejectsMalformedDescriptors) {
    for (const char* descriptor : {"", "h15b", "t'Arial", "tArial'h15", "t'Arial'hx", "t'Arial'q"})
        EXPECT_FALSE(PARSE_FONT_DESCRIPTOR(descriptor).valid) << descriptor;
}

// A request beyond the limits is adjusted and refused once; the adjusted record is accepted.
TEST(WindowGeometryTest, OversizedRequestIsAdjustedThenAccepted) {
    WINDOW_CONFIG config;
    config.text_columns = 80;
    config.text_rows = 4000;
    EXPECT_FALSE(RESOLVE_WINDOW_CONFIG(config, 1024, 768));
    EXPECT_EQ(MAX_SURFACE_SIDE / CELL_HEIGHT, config.text_rows);
    WINDOW_CONFIG again = config;
    EXPECT_TRUE(RESOLVE_WINDOW_CONFIG(again, 1024, 768));
    EXPECT_EQ(config.pixel_height, again.pixel_height);
}

}  // namespace
}  // namespace korvel
