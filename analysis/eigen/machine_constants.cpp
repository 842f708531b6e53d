#include "analysis/eigen/machine_constants.h"

#include "analysis/eigen/error_stack.h"

#include <array>
#include <limits>

namespace korvel {

namespace {

using Limits = std::numeric_limits<double>;

constexpr std::array<double, 8> CONSTANTS{
    Limits::min(),
    Limits::max(),
    Limits::epsilon() / 2,
    Limits::epsilon(),
    0.3010299956639812,
    Limits::quiet_NaN(),
    Limits::infinity(),
    -Limits::infinity(),
};

}  // namespace

double DMACH(int index) {
    const ErrorScope scope("DMACH");
    if (index < 1 || index > static_cast<int>(CONSTANTS.size())) {
        E1STI(1, index);
        E1MES(TERMINAL, 1, "The argument must be between 1 and 8 inclusive. N = %(I1)");
        return Limits::quiet_NaN();
    }
    return CONSTANTS[static_cast<std::size_t>(index - 1)];
}

}  // namespace korvel
