#include "analysis/eigen/eigen_workspace.h"

namespace korvel {

EigenWorkspace::EigenWorkspace(int n)
    : h(n), z(n), solution(n), vectors(n), hessenberg(n), back_substitution(n),
      form{WorkVector<double>(n), WorkVector<double>(n), 0.0}, keys(n), sorted(n), order(n) {}

}  // namespace korvel
