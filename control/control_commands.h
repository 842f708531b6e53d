#pragma once
// The menu commands of the control subsystem.

namespace korvel {

void SHOWI_A(bool checked);                  // "&Matrix [Ι-P]"
void OPTIMAL_CONTROL(bool checked);          // "A&pplication of optimal control"
void GET_ESTIM_NAMES_FORPLOT(bool checked);  // "Gr&aph for each stage"

}  // namespace korvel
