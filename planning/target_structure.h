#pragma once
// Target structures of the open system n(t+1) = n(t) P + r(t) with r(t) >= 0: the recruitment
// that keeps a structure, the nearest structure that can be kept, the fewest periods that reach
// it, and the corners of the region a fixed-size organisation can hold. Every question is a
// linear programme, solved by the planning solver.

#include "planning/constrained_control.h"
#include "planning/quadratic_program.h"

#include <optional>
#include <vector>

namespace korvel {

// The model is P and n(0) as a tracking problem holds them; its path, weights and periods are
// not used. A structure is n_i at i - 1.
using Structure = std::vector<double>;

// r = n [I - P].
std::vector<double> KEEPING_RECRUITMENT(const TrackingProblem& model, const Structure& structure);

// The maintainable structure of the same total nearest to `target` in the sum of absolute
// differences, and that distance.
struct NearestStructure {
    QpStatus status = QpStatus::NumericalFailure;
    Structure structure;
    double distance = 0.0;
};
NearestStructure NEAREST_MAINTAINABLE(const TrackingProblem& model, const Structure& target);

// A schedule of k periods: r(t) as u(t + 1) of a recruitment plan, so n(t) = STOCKS_UNDER at t.
struct TargetSchedule {
    QpStatus status = QpStatus::NumericalFailure;
    RecruitmentPlan recruits;
};
// The schedule of k >= 1 periods with the least total recruitment that ends exactly at the
// target; Infeasible when none keeps r >= 0 and the limits.
TargetSchedule SCHEDULE_IN(const TrackingProblem& model, const RecruitmentLimits& limits, const Structure& target, int k);

struct Attainment {
    QpStatus status = QpStatus::NumericalFailure;  // of the last programme solved
    int periods = 0;                               // the fewest k reaching the target, or K
    bool reached = false;                          // else `recruits` gives the nearest in K
    RecruitmentPlan recruits;
    double distance = 0.0;  // sum of absolute differences at the end; 0 when reached
};
// The fewest k <= max_periods, one programme per k in turn; when none, the structure reachable
// in max_periods nearest to the target. k = 0 when n(0) already is the target.
Attainment FASTEST_ATTAINMENT(const TrackingProblem& model, const RecruitmentLimits& limits, const Structure& target,
                              int max_periods);

// The stocks of a schedule, n(1) .. n(k), laid out as the plan.
std::vector<double> SCHEDULE_STOCKS(const TrackingProblem& model, const RecruitmentPlan& recruits);

// The rows of [I - P]^-1, each scaled to sum to `total`: the corners of the region of
// maintainable structures of that total. Nothing when [I - P] cannot be inverted.
std::optional<std::vector<Structure>> FIXED_SIZE_CORNERS(const TrackingProblem& model, double total);

}  // namespace korvel
