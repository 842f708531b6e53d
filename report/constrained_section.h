#pragma once
// The report's section on the optimal control with recruitments bounded below by 0 and capped
// from the limits file, after the Riccati tables, with its certificate lines.

#include "planning/recruitment_limits.h"
#include "report/report_content.h"

#include <string>

namespace korvel {

// The limits file `path` for a model of n stages, or the reason it is refused.
LimitsReading READ_LIMITS_FILE(const std::string& path, int n);

// Solves the problem of the control state under `limits` and adds the section and its
// certificate lines; the Riccati solution must be in the state.
void ADD_CONSTRAINED_SECTION(REPORT_CONTENT& content, const RecruitmentLimits& limits);

}  // namespace korvel
