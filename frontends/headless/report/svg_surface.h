#pragma once
// One window's drawing written as SVG, primitive by primitive, in the window's pixels: what the
// graph engine draws through the window layer, with no toolkit in between.

#include "present/window/colour_setting.h"
#include "present/window/window_records.h"

#include <string>
#include <vector>

namespace korvel {

class SvgSurface {
public:
    // `id_prefix` keeps the clip-path names apart when several surfaces share one page.
    SvgSurface(int width, int height, std::string id_prefix);

    void fill(RGB_VALUE colour);
    void line(int x1, int y1, int x2, int y2, RGB_VALUE colour, unsigned line_style);
    void rectangle(int mode, double x1, double y1, double x2, double y2, RGB_VALUE colour, unsigned line_style);
    void ellipse(int mode, int x1, int y1, int x2, int y2, RGB_VALUE colour, unsigned line_style);
    void polygon(int mode, const std::vector<TEXT_POSITION>& points, RGB_VALUE colour, unsigned line_style);
    // `text` with its top left at (x, y); a font width stretches it to the layer's measure.
    void text(int x, int y, const std::string& text, const FONT_REQUEST& font, int width, RGB_VALUE colour);
    void clip(int x1, int y1, int x2, int y2);

    bool empty() const { return m_elements.empty(); }
    // The whole <svg> element; `label` names it for readers that do not see it.
    std::string svg(const std::string& label) const;

private:
    void add(std::string element);
    std::string stroke(RGB_VALUE colour, unsigned line_style) const;

    int m_width;
    int m_height;
    std::string m_id_prefix;
    std::vector<std::string> m_clips;
    std::string m_clip_id;  // the clip in force, or empty
    std::vector<std::string> m_elements;
};

// "#rrggbb" of a packed colour.
std::string CSS_COLOUR(RGB_VALUE colour);
// `text` with &, <, > and " as entities, for XML and HTML alike.
std::string XML_ESCAPED(const std::string& text);

}  // namespace korvel
