#pragma once
// The shifted double-step QR iteration: brings the Hessenberg block low..high to quasi-upper-
// triangular (real Schur) form, one root or pair of roots at a time from the last row upward,
// and accumulates its transformations into z.

#include "analysis/eigen/work_arrays.h"

namespace korvel {

// A root (or pair) that has not split off after this many iterations ends the computation, and
// with it the program. Fifty left no margin: a chain of states that pass everybody on, closed
// into a cycle by a link near the rounding of its row, has roots that are a cluster at the size
// of that rounding, and the ordinary shifts close in on them only linearly while every tenth,
// exceptional, step sets them back; such roots settled after 51 to 65 iterations.
inline constexpr int QR_ITERATION_LIMIT = 100;

enum class SchurStatus { Converged, NotConverged };

struct SchurForm {
    // Real and imaginary parts of the roots, in the order of the diagonal. A complex pair
    // holds rows j, j+1 with wi(j) > 0 and wi(j+1) = -wi(j).
    WorkVector<double> wr;
    WorkVector<double> wi;
    double norm = 0.0;  // the sum of the magnitudes of the Hessenberg form's elements
};

// `h` becomes the quasi-triangular form, with its 2 x 2 blocks for the complex pairs.
SchurStatus REDUCE_TO_SCHUR_FORM(WorkMatrix& h, int low, int high, WorkMatrix& z, double epsilon, SchurForm& form);

}  // namespace korvel
