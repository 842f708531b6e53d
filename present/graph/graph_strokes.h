#pragma once
// The strokes of a graph in graph units: lines in the ten line styles, the ten markers, and
// texts placed by their top-left corner or centred.

#include "present/graph/graph_units.h"

#include <string>
#include <vector>

namespace korvel {

struct UnitPoint {
    double x = 0.0;
    double y = 0.0;
};

// The 16-bit dash mask of line style 1..10 (6..10 are 1..5 drawn thick); bit set = pixel drawn.
unsigned LINE_MASK(int line_type);
bool IS_THICK_LINE(int line_type);

// Joins the points with straight segments in the line style and palette colour given; a thick
// style draws each segment as three parallel strokes 16 units apart.
void DRAW_POLYLINE(const GraphUnits& units, const std::vector<UnitPoint>& points, int line_type, int colour);

// Marker 1..10 centred on `centre`: square, triangles up and down, circle, plus, diagonal
// cross, the filled square and triangles, and a filled diamond.
void DRAW_MARKER(const GraphUnits& units, UnitPoint centre, int marker_type, int colour);

// `text` with its top-left corner at (x, y) units, in graph font `font` and palette `colour`.
void DRAW_TEXT_AT(const GraphUnits& units, double x, double y, const std::string& text, int font, int colour);
// `text` without its blanks, centred on x, its top at y.
void DRAW_CENTRED_TEXT(const GraphUnits& units, double x, double y, const std::string& text, int font, int colour);

}  // namespace korvel
