#include "report/certificate/monte_carlo_line.h"

#include "report/certificate/certificate_parts.h"

#include <string>

namespace korvel {

namespace {

// A fifth of a band's width. With 2000 samples the halves' 5 % points of a near-normal band
// differ by about 3 % of its width in one cell, and by about 10 % at most over a model's cells;
// a tenth as many samples would give about 30 %, too few for the band's tails.
constexpr double SPREAD_LIMIT = 0.20;

std::string percent(double share) { return NUMBER_TEXT(100.0 * share, 2) + " %"; }

}  // namespace

CertificateLine MONTE_CARLO_LINE(double spread, int samples) {
    return {"Bands of " + std::to_string(samples) + " samples", "5 % and 95 % points, halves apart / band width",
            percent(spread), "ok below " + percent(SPREAD_LIMIT),
            VERDICT(spread < SPREAD_LIMIT, "the halves differ by " + percent(spread) + " of the band; draw more samples")};
}

}  // namespace korvel
