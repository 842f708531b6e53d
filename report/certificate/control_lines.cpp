// What rounding to whole persons costs the optimal control: the cost J of the rounded
// trajectory the solver shows beside that of the same rules run without rounding, both from the
// solver's stores, for all stages together and stage by stage.

#include "control/control_state.h"
#include "report/certificate/certificate_parts.h"

#include <cmath>
#include <cstddef>
#include <cstdio>

namespace korvel {

namespace {

// The part of J = Σ_t (x(t) - a(t))' R(t) (x(t) - a(t)) that belongs to some entries, and their
// total weight Σ_t r_i(t).
struct Cost {
    double rounded = 0.0;
    double unrounded = 0.0;
    double weight = 0.0;
    bool negative_weight = false;
};

// Stage i owns entry i (its stock) and entry n + i (its recruitment).
std::vector<Cost> stageCosts(int n, int period_count) {
    std::vector<Cost> costs(static_cast<std::size_t>(n));
    for (int t = 1; t <= period_count; ++t)
        for (int i = 1; i <= 2 * n; ++i) {
            Cost& cost = costs[static_cast<std::size_t>(i <= n ? i - 1 : i - n - 1)];
            const double r = PATH_WEIGHTS(t, i);
            const double a = NOMINAL_PATH(t, i);
            const double rounded = OPTIMAL_STATES(t + 1, i) - a;
            const double unrounded = UNROUNDED_STATES(t + 1, i) - a;
            cost.rounded += r * rounded * rounded;
            cost.unrounded += r * unrounded * unrounded;
            cost.weight += r;
            if (r < 0.0) cost.negative_weight = true;
        }
    return costs;
}

// With √J the weighted distance from the nominal path, a trajectory that lies within half a
// person of the unrounded one in every entry moves √J by at most ½ √(Σ r): rounding is judged
// by that bound.
CertificateLine costLine(const std::string& subject, const Cost& cost) {
    CertificateLine line{subject, "cost J rounded / unrounded", "", "", ""};
    line.value = NUMBER_TEXT(cost.rounded, 6) + " / " + NUMBER_TEXT(cost.unrounded, 6);
    if (cost.unrounded > 0.0) {
        const double change = 100.0 * (cost.rounded - cost.unrounded) / cost.unrounded;
        char text[32];
        std::snprintf(text, sizeof text, " (%+.1f%%)", change);
        line.value += text;
    }
    if (cost.negative_weight) {
        line.threshold = "weights of 0 or more";
        line.verdict = VERDICT(false, "a negative weight: J measures no distance");
        return line;
    }
    const double bound = 0.5 * std::sqrt(cost.weight);
    const double moved = std::abs(std::sqrt(cost.rounded) - std::sqrt(cost.unrounded));
    line.threshold = "ok while the square root of J moves by at most " + NUMBER_TEXT(bound, 3) +
                     " (half a person in every weighted entry)";
    line.verdict = VERDICT(moved <= bound, "the square root of J moves by " + NUMBER_TEXT(moved, 3) + ", more than " +
                                               NUMBER_TEXT(bound, 3));
    return line;
}

}  // namespace

std::vector<CertificateLine> CONTROL_LINES() {
    const int n = STAGE_COUNT;
    const std::vector<Cost> costs = stageCosts(n, CONTROL_PERIOD);
    Cost total;
    for (const Cost& cost : costs) {
        total.rounded += cost.rounded;
        total.unrounded += cost.unrounded;
        total.weight += cost.weight;
        total.negative_weight = total.negative_weight || cost.negative_weight;
    }
    std::vector<CertificateLine> lines{costLine("Control, all stages", total)};
    for (int i = 1; i <= n; ++i)
        lines.push_back(costLine("Control, stage " + std::to_string(i), costs[static_cast<std::size_t>(i - 1)]));
    return lines;
}

}  // namespace korvel
