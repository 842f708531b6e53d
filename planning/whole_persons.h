#pragma once
// A plan of recruitments in whole persons that keeps every limit the plan kept.

#include "planning/constrained_control.h"

namespace korvel {

// Each u_i(t) to the nearest whole number (halves away from zero), at least 0 and at most the
// whole part of its cap; then, while a period's total passes the whole part of C, the entry
// that rounding raised the most (the largest first among equals) gives up one person.
RecruitmentPlan WHOLE_PERSONS(int n, const RecruitmentLimits& limits, const RecruitmentPlan& plan);

}  // namespace korvel
