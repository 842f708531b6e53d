#include "report/stock_comparison_chart.h"

#include "report/line_chart.h"

namespace korvel {

std::string STOCK_COMPARISON_SVG(const STOCK_COMPARISON& stocks) {
    return LINE_CHART_SVG(stocks.name,
                          {{"Nominal", RGB(110, 110, 110), DASHED_LINE, stocks.nominal},
                           {"Riccati", RGB(31, 90, 180), SOLID_LINE, stocks.riccati},
                           {"Constrained", RGB(200, 60, 20), SOLID_LINE, stocks.constrained}},
                          "Stocks of " + stocks.name + ": nominal, Riccati and constrained");
}

}  // namespace korvel
