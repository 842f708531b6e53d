#pragma once
// The machine constants of the eigen-solver's double precision.

namespace korvel {

// DMACH(1) smallest normalised, (2) largest, (3) half the relative precision, (4) the relative
// precision ε, (5) log10 of 2, (6) quiet NaN, (7) +infinity, (8) -infinity. Any other index is a
// TERMINAL error; the program stops and the value returned is a quiet NaN.
double DMACH(int index);

}  // namespace korvel
