#include "planning/whole_persons.h"

#include <algorithm>
#include <cassert>
#include <cmath>

namespace korvel {

RecruitmentPlan WHOLE_PERSONS(int n, const RecruitmentLimits& limits, const RecruitmentPlan& plan) {
    assert(n >= 1 && plan.size() % static_cast<size_t>(n) == 0);
    RecruitmentPlan whole(plan.size());
    for (size_t first = 0; first < plan.size(); first += static_cast<size_t>(n)) {
        double total = 0.0;
        for (int i = 1; i <= n; ++i) {
            const size_t k = first + static_cast<size_t>(i - 1);
            whole[k] = std::max(0.0, std::round(plan[k]));
            if (const auto cap = limits.capOf(i)) whole[k] = std::min(whole[k], std::floor(*cap));
            total += whole[k];
        }
        if (!limits.total_cap) continue;
        // Each step lowers the total by one and leaves every entry at 0 or more.
        for (; total > std::floor(*limits.total_cap); total -= 1.0) {
            size_t lowered = first;
            double raised = -HUGE_VAL;
            for (size_t k = first; k < first + static_cast<size_t>(n); ++k)
                if (whole[k] >= 1.0 && whole[k] - plan[k] > raised) {
                    raised = whole[k] - plan[k];
                    lowered = k;
                }
            whole[lowered] -= 1.0;
        }
    }
    return whole;
}

}  // namespace korvel
