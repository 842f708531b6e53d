#include "analysis/eigen/argument_checks.h"

#include "analysis/eigen/error_stack.h"

namespace korvel {

bool ORDER_IS_VALID(int n) {
    if (n >= 1) return true;
    E1STI(1, n);
    E1MES(TERMINAL, 1, "The argument N = %(I1).  The order of the matrix must be at least 1.");
    return false;
}

bool LEADING_DIMENSION_IS_VALID(int dimension, int n, int code, const char* message) {
    if (dimension >= n) return true;
    E1STI(1, dimension);
    E1STI(2, n);
    E1MES(TERMINAL, code, message);
    return false;
}

void REPORT_STORAGE_FAILURE(int n) {
    E1STI(1, n);
    E1MES(TERMINAL, 2, "The required storage cannot be allocated.  The specified N may be too large, where N = %(I1).");
}

}  // namespace korvel
