#pragma once
// A 16-bit line-style mask as dash runs, for the layers that draw outlines with a pen (the
// desktop one's ellipses, the report's SVG): bit 15 is the first pixel of a line.

#include <vector>

namespace korvel {

struct LINE_DASHES {
    bool solid = true;   // every bit set
    bool hidden = false; // no bit set
    // Alternating lengths in pixels, on first, from the mask's first set bit; even in count.
    std::vector<int> runs;
    int start = 0;  // how many pixels of the mask come before that bit
};

LINE_DASHES DASHES_OF(unsigned mask);

}  // namespace korvel
