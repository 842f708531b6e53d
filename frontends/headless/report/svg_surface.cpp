#include "frontends/headless/report/svg_surface.h"

#include "base/fixed_text.h"
#include "present/window/line_dashes.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <utility>

namespace korvel {

namespace {

std::string number(double value) {
    char text[32];
    std::snprintf(text, sizeof text, "%g", value);
    return text;
}

// The faces the program asks for, with the metric-compatible faces that stand in for them.
std::string fontFamily(const std::string& face) {
    if (face.rfind("Times New Roman", 0) == 0) return "'Times New Roman','Liberation Serif',serif";
    if (face.rfind("Courier New", 0) == 0) return "'Courier New','Liberation Mono',monospace";
    return "Arial,'Liberation Sans',sans-serif";
}

}  // namespace

std::string CSS_COLOUR(RGB_VALUE colour) {
    char text[8];
    std::snprintf(text, sizeof text, "#%02x%02x%02x", RED_OF(colour), GREEN_OF(colour), BLUE_OF(colour));
    return text;
}

std::string XML_ESCAPED(const std::string& text) {
    std::string escaped;
    escaped.reserve(text.size());
    for (const char c : text) {
        switch (c) {
        case '&': escaped += "&amp;"; break;
        case '<': escaped += "&lt;"; break;
        case '>': escaped += "&gt;"; break;
        case '"': escaped += "&quot;"; break;
        default: escaped += c;
        }
    }
    return escaped;
}

SvgSurface::SvgSurface(int width, int height, std::string id_prefix)
    : m_width(std::max(1, width)), m_height(std::max(1, height)), m_id_prefix(std::move(id_prefix)) {}

void SvgSurface::add(std::string element) {
    if (!m_clip_id.empty()) element.insert(element.find(' '), " clip-path=\"url(#" + m_clip_id + ")\"");
    m_elements.push_back(std::move(element));
}

// A pixel-wide pen on the pixel centres, dashed as the line style asks.
std::string SvgSurface::stroke(RGB_VALUE colour, unsigned line_style) const {
    const LINE_DASHES dashes = DASHES_OF(line_style);
    if (dashes.hidden) return " stroke=\"none\"";
    std::string text = " stroke=\"" + CSS_COLOUR(colour) + "\" stroke-width=\"1\"";
    if (dashes.solid) return text;
    text += " stroke-dasharray=\"";
    for (size_t k = 0; k < dashes.runs.size(); ++k) text += (k > 0 ? " " : "") + std::to_string(dashes.runs[k]);
    return text + "\" stroke-dashoffset=\"" + std::to_string(-dashes.start) + '"';
}

void SvgSurface::fill(RGB_VALUE colour) {
    m_elements.clear();
    m_elements.push_back("<rect x=\"0\" y=\"0\" width=\"" + std::to_string(m_width) + "\" height=\"" +
                         std::to_string(m_height) + "\" fill=\"" + CSS_COLOUR(colour) + "\"/>");
}

void SvgSurface::line(int x1, int y1, int x2, int y2, RGB_VALUE colour, unsigned line_style) {
    add("<line x1=\"" + number(x1 + 0.5) + "\" y1=\"" + number(y1 + 0.5) + "\" x2=\"" + number(x2 + 0.5) + "\" y2=\"" +
        number(y2 + 0.5) + '"' + stroke(colour, line_style) + " stroke-linecap=\"square\"/>");
}

// The corners count as pixels of the rectangle, as the window layer draws them.
void SvgSurface::rectangle(int mode, double x1, double y1, double x2, double y2, RGB_VALUE colour, unsigned line_style) {
    const double left = std::min(x1, x2);
    const double top = std::min(y1, y2);
    const double width = std::abs(x2 - x1);
    const double height = std::abs(y2 - y1);
    if (mode == DRAW_FILLED) {
        add("<rect x=\"" + number(left) + "\" y=\"" + number(top) + "\" width=\"" + number(width + 1) + "\" height=\"" +
            number(height + 1) + "\" fill=\"" + CSS_COLOUR(colour) + "\"/>");
    } else if (mode == DRAW_OUTLINE) {
        add("<rect x=\"" + number(left + 0.5) + "\" y=\"" + number(top + 0.5) + "\" width=\"" + number(width) +
            "\" height=\"" + number(height) + "\" fill=\"none\"" + stroke(colour, line_style) + "/>");
    }
}

void SvgSurface::ellipse(int mode, int x1, int y1, int x2, int y2, RGB_VALUE colour, unsigned line_style) {
    if (mode != DRAW_OUTLINE && mode != DRAW_FILLED) return;
    const double rx = std::abs(x2 - x1) / 2.0;
    const double ry = std::abs(y2 - y1) / 2.0;
    add("<ellipse cx=\"" + number(std::min(x1, x2) + rx) + "\" cy=\"" + number(std::min(y1, y2) + ry) + "\" rx=\"" +
        number(rx) + "\" ry=\"" + number(ry) + "\" fill=\"" + (mode == DRAW_FILLED ? CSS_COLOUR(colour) : "none") + '"' +
        stroke(colour, line_style) + "/>");
}

void SvgSurface::polygon(int mode, const std::vector<TEXT_POSITION>& points, RGB_VALUE colour, unsigned line_style) {
    if ((mode != DRAW_OUTLINE && mode != DRAW_FILLED) || points.empty()) return;
    std::string list;
    for (const TEXT_POSITION& point : points)
        list += (list.empty() ? "" : " ") + number(point.x + 0.5) + ',' + number(point.y + 0.5);
    const bool filled = mode == DRAW_FILLED;
    add("<polygon points=\"" + list + "\" fill=\"" + (filled ? CSS_COLOUR(colour) : "none") + '"' +
        (filled ? " stroke=\"" + CSS_COLOUR(colour) + "\" stroke-width=\"1\"" : stroke(colour, line_style)) + "/>");
}

void SvgSurface::text(int x, int y, const std::string& text, const FONT_REQUEST& font, int width, RGB_VALUE colour) {
    const std::string shown = TRIM_RIGHT(TEXT_BEFORE_ZERO(text));
    if (shown.empty()) return;
    const int height = font.height > 0 ? font.height : 16;
    std::string element = "<text x=\"" + std::to_string(x) + "\" y=\"" + std::to_string(y) +
                          "\" dominant-baseline=\"text-before-edge\" font-family=\"" + fontFamily(font.face) +
                          "\" font-size=\"" + std::to_string(height) + '"';
    if (font.bold) element += " font-weight=\"bold\"";
    if (font.italic) element += " font-style=\"italic\"";
    // The engine placed the text by the layer's measure; the text is held to it.
    if (font.width > 0 && width > 0) element += " textLength=\"" + std::to_string(width) + "\" lengthAdjust=\"spacingAndGlyphs\"";
    add(element + " fill=\"" + CSS_COLOUR(colour) + "\" xml:space=\"preserve\">" + XML_ESCAPED(shown) + "</text>");
}

void SvgSurface::clip(int x1, int y1, int x2, int y2) {
    m_clip_id = m_id_prefix + "clip" + std::to_string(m_clips.size() + 1);
    m_clips.push_back("<clipPath id=\"" + m_clip_id + "\"><rect x=\"" + std::to_string(std::min(x1, x2)) + "\" y=\"" +
                      std::to_string(std::min(y1, y2)) + "\" width=\"" + std::to_string(std::abs(x2 - x1) + 1) +
                      "\" height=\"" + std::to_string(std::abs(y2 - y1) + 1) + "\"/></clipPath>");
}

std::string SvgSurface::svg(const std::string& label) const {
    std::string text = "<svg xmlns=\"http://www.w3.org/2000/svg\" viewBox=\"0 0 " + std::to_string(m_width) + ' ' +
                       std::to_string(m_height) + "\" width=\"" + std::to_string(m_width) + "\" height=\"" +
                       std::to_string(m_height) + "\" role=\"img\" aria-label=\"" + XML_ESCAPED(label) + "\">\n";
    if (!m_clips.empty()) {
        text += "<defs>";
        for (const std::string& clip : m_clips) text += clip;
        text += "</defs>\n";
    }
    for (const std::string& element : m_elements) text += element + '\n';
    return text + "</svg>";
}

}  // namespace korvel
