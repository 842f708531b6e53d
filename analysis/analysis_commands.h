#pragma once
// The menu commands of the Markov analysis.

namespace korvel {

void SHOWDATA(bool checked);               // "Sho&w details"
void COMPUTE_PROJECTIONS_T(bool checked);  // "&Common projections"
void COMPUTE_PROJECTIONS_Q(bool checked);  // "&Fixed-size projections (matrix Q)"

}  // namespace korvel
