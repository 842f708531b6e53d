#pragma once
// The 5 %, 50 % and 95 % points of a sample.

#include "planning/uncertainty/projection_bands.h"

namespace korvel {

// The q point of `count` values, 0 <= q <= 1, interpolated linearly between the order
// statistics at (count - 1) q. The values are reordered.
double SAMPLE_POINT(float* values, int count, double q);

// The three points of the band; the values are reordered.
BAND SAMPLE_BAND(float* values, int count);

}  // namespace korvel
