#include "report/certificate/target_lines.h"

#include "report/certificate/certificate_parts.h"

namespace korvel {

namespace {

// A millionth of the largest stock: far below a person, far above the solver's tolerances.
constexpr double VIOLATION_LIMIT = 1e-6;

}  // namespace

CertificateLine TARGET_VIOLATION_LINE(const std::string& measure, double violation) {
    return {"Target structure", measure, NUMBER_TEXT(violation, 2), "ok below 1e-06",
            VERDICT(violation < VIOLATION_LIMIT, "the solution breaks a constraint of its programme")};
}

}  // namespace korvel
