#pragma once
// The menu commands that request graphs.

namespace korvel {

void PLOTSTOCK(bool checked);    // "&Graph of stocks"
void PLOTWASTE(bool checked);    // "Grap&h of outflows"
void PLOTSTOCK_Q(bool checked);  // "Gra&ph of stocks" (fixed-size projections)

}  // namespace korvel
