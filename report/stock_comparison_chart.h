#pragma once
// One stage's stocks under three plans as an SVG line chart: the nominal path, the Riccati
// solution and the constrained one, over periods 0..N.

#include <string>
#include <vector>

namespace korvel {

struct STOCK_COMPARISON {
    std::string name;                  // the stage's name, shown at the top left
    std::vector<double> nominal;       // periods 0..N
    std::vector<double> riccati;       // periods 0..N
    std::vector<double> constrained;   // periods 0..N
};

// One <svg> element.
std::string STOCK_COMPARISON_SVG(const STOCK_COMPARISON& stocks);

}  // namespace korvel
