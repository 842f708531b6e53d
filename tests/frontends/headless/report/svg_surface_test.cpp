// SvgSurface: each primitive as the element that covers the pixels the window layer paints.

#include "frontends/headless/report/svg_surface.h"

#include <gtest/gtest.h>

#include <functional>

namespace korvel {
namespace {

constexpr RGB_VALUE RED = 0x0000FF;  // packed as 0x00BBGGRR
constexpr unsigned SOLID = 0xFFFF;

struct Drawn {
    const char* what;
    std::function<void(SvgSurface&)> draw;
    const char* element;
};

// Worked by hand: an outline runs on the pixel centres of its corner pixels (x + 0.5), a fill
// covers the corner pixels whole (width x2 - x1 + 1), in either order of the corners.
const Drawn CASES[] = {
    {"outline", [](SvgSurface& s) { s.rectangle(DRAW_OUTLINE, 6, 5, 2, 3, RED, SOLID); },
     "<rect x=\"2.5\" y=\"3.5\" width=\"4\" height=\"2\" fill=\"none\" stroke=\"#ff0000\" stroke-width=\"1\"/>"},
    {"fill", [](SvgSurface& s) { s.rectangle(DRAW_FILLED, 2, 3, 6, 5, RED, SOLID); },
     "<rect x=\"2\" y=\"3\" width=\"5\" height=\"3\" fill=\"#ff0000\"/>"},
    {"hidden line", [](SvgSurface& s) { s.line(0, 0, 4, 0, RED, 0); },
     "<line x1=\"0.5\" y1=\"0.5\" x2=\"4.5\" y2=\"0.5\" stroke=\"none\" stroke-linecap=\"square\"/>"},
    {"text, escaped and trimmed", [](SvgSurface& s) { s.text(1, 2, "a<b & \"c\"   ", FONT_REQUEST{}, 0, RED); },
     "<text x=\"1\" y=\"2\" dominant-baseline=\"text-before-edge\" font-family=\"Arial,'Liberation Sans',sans-serif\" "
     "font-size=\"16\" fill=\"#ff0000\" xml:space=\"preserve\">a&lt;b &amp; &quot;c&quot;</text>"},
};

TEST(SvgSurfaceTest, PrimitivesCoverTheWindowLayersPixels) {
    for (const Drawn& drawn : CASES) {
        SvgSurface surface(10, 8, "g-");
        drawn.draw(surface);
        const std::string svg = surface.svg("Graph");
        EXPECT_NE(std::string::npos, svg.find(std::string("\n") + drawn.element + "\n")) << drawn.what << "\n" << svg;
    }
}

// A clip applies to what is drawn after it, and a fill starts the drawing afresh.
TEST(SvgSurfaceTest, ClipAppliesFromThenAndFillClears) {
    SvgSurface surface(10, 8, "g-");
    surface.rectangle(DRAW_FILLED, 0, 0, 1, 1, RED, SOLID);
    surface.fill(0xFFFFFF);
    surface.clip(1, 1, 3, 2);
    surface.rectangle(DRAW_FILLED, 0, 0, 9, 7, RED, SOLID);
    EXPECT_EQ("<svg xmlns=\"http://www.w3.org/2000/svg\" viewBox=\"0 0 10 8\" width=\"10\" height=\"8\" role=\"img\" "
              "aria-label=\"Graph\">\n<defs><clipPath id=\"g-clip1\"><rect x=\"1\" y=\"1\" width=\"3\" height=\"2\"/>"
              "</clipPath></defs>\n<rect x=\"0\" y=\"0\" width=\"10\" height=\"8\" fill=\"#ffffff\"/>\n"
              "<rect clip-path=\"url(#g-clip1)\" x=\"0\" y=\"0\" width=\"10\" height=\"8\" fill=\"#ff0000\"/>\n</svg>",
              surface.svg("Graph"));
}

}  // namespace
}  // namespace korvel
