#include "report/constrained_section.h"

#include "base/fixed_text.h"
#include "control/control_state.h"
#include "model/model_state.h"
#include "planning/whole_persons.h"
#include "present/tables/number_formats.h"
#include "present/tables/table_kinds.h"
#include "report/certificate/certificate_parts.h"
#include "report/stock_comparison_chart.h"

#include <algorithm>
#include <cmath>
#include <fstream>

namespace korvel {

namespace {

constexpr const char* SECTION_TITLE = "Constrained optimal control";
// Bounds and caps are kept to a millionth of a person; the optimality conditions to a
// millionth of the problem's scale.
constexpr double VIOLATION_LIMIT = 1e-6;
constexpr double KKT_LIMIT = 1e-6;

std::string cell(double value) { return FORMAT_G(value, 15, 7); }

const REPORT_TABLE* riccatiTable(const REPORT_CONTENT& content, int kind) {
    for (const REPORT_SECTION& section : content.sections)
        for (const REPORT_ENTRY& entry : section.entries)
            if (entry.kind == ReportEntryKind::Table && entry.table.kind == kind) return &entry.table;
    return nullptr;
}

// The Riccati table under the section's own caption.
REPORT_ENTRY tableAs(const REPORT_TABLE& riccati, int kind, const std::string& caption) {
    REPORT_ENTRY entry;
    entry.kind = ReportEntryKind::Table;
    entry.table = riccati;
    entry.table.kind = kind;
    entry.table.caption = caption;
    return entry;
}

// The same with the values of `value(t, column)` in place of its own.
template <typename Value>
REPORT_ENTRY tableLike(const REPORT_TABLE& riccati, int kind, const std::string& caption, int first_period, Value value) {
    REPORT_ENTRY entry = tableAs(riccati, kind, caption);
    for (size_t r = 0; r < entry.table.rows.size(); ++r)
        for (size_t c = 1; c < entry.table.rows[r].size(); ++c)
            entry.table.rows[r][c] = cell(value(first_period + static_cast<int>(r), static_cast<int>(c)));
    return entry;
}

// The trajectory the section's tables show: stocks and recruits of periods 1..N, laid out as a plan.
struct ShownTrajectory {
    std::vector<double> stocks;
    RecruitmentPlan recruits;
};

size_t at(int n, int t, int i) { return static_cast<size_t>((t - 1) * n + i - 1); }

RecruitmentPlan riccatiPlan(const TrackingProblem& problem) {
    RecruitmentPlan plan;
    for (int t = 1; t <= problem.periods; ++t)
        for (int i = 1; i <= problem.n; ++i) plan.push_back(UNROUNDED_STATES(t + 1, problem.n + i));
    return plan;
}

// The Riccati tables as the program rounded them.
ShownTrajectory riccatiShown(const TrackingProblem& problem) {
    ShownTrajectory shown;
    for (int t = 1; t <= problem.periods; ++t)
        for (int i = 1; i <= problem.n; ++i) {
            shown.stocks.push_back(OPTIMAL_STATES(t + 1, i));
            shown.recruits.push_back(OPTIMAL_STATES(t + 1, problem.n + i));
        }
    return shown;
}

// "every u_i(t) at least 0; u_1 at most 100; the total of a period at most 125".
std::string limitsText(int n, const RecruitmentLimits& limits) {
    std::string text = "every recruitment u_i(t) at least 0";
    for (int i = 1; i <= n; ++i)
        if (const auto cap = limits.capOf(i)) text += "; u_" + std::to_string(i) + " at most " + NUMBER_TEXT(*cap, 7);
    if (limits.total_cap) text += "; the total of a period at most " + NUMBER_TEXT(*limits.total_cap, 7);
    return text;
}

// What binds in period t: "u_1 at its cap, u_4 = u_5 = 0, the total at its cap"; empty if nothing.
std::string bindingIn(const TrackingProblem& problem, const RecruitmentLimits& limits, const RecruitmentPlan& plan, int t) {
    std::string at_zero, at_cap;
    double total = 0.0;
    for (int i = 1; i <= problem.n; ++i) {
        const double u = plan[at(problem.n, t, i)];
        total += u;
        const std::string name = "u_" + std::to_string(i);
        if (u <= VIOLATION_LIMIT) at_zero += name + " = ";
        if (const auto cap = limits.capOf(i); cap && u >= *cap - VIOLATION_LIMIT) at_cap += (at_cap.empty() ? "" : ", ") + name + " at its cap";
    }
    std::string binding = at_cap;
    const auto add = [&](const std::string& text) { binding += (binding.empty() ? "" : ", ") + text; };
    if (!at_zero.empty()) add(at_zero + "0");
    if (limits.total_cap && total >= *limits.total_cap - VIOLATION_LIMIT) add("the total at its cap");
    return binding;
}

// One note per run of periods where the same limits bind: "Periods 2-6: u_1 at its cap, ...".
std::vector<std::string> bindingNotes(const TrackingProblem& problem, const RecruitmentLimits& limits, const RecruitmentPlan& plan) {
    std::vector<std::string> notes;
    for (int first = 1, last; first <= problem.periods; first = last + 1) {
        const std::string binding = bindingIn(problem, limits, plan, first);
        for (last = first; last < problem.periods && bindingIn(problem, limits, plan, last + 1) == binding;) ++last;
        if (binding.empty()) continue;
        const std::string periods = first == last ? "Period " + std::to_string(first)
                                                  : "Periods " + std::to_string(first) + "-" + std::to_string(last);
        notes.push_back(periods + ": " + binding + ".");
    }
    return notes;
}

double scaleOf(const TrackingProblem& problem) {
    double scale = 1.0;
    for (const double v : problem.initial_stocks) scale = std::max(scale, std::abs(v));
    for (const double v : problem.path) scale = std::max(scale, std::abs(v));
    return scale;
}

void addCertificate(REPORT_CONTENT& content, const TrackingProblem& problem, const RecruitmentLimits& limits,
                    const ConstrainedSolution& solution, double rounded_cost) {
    const double violation = LARGEST_VIOLATION(problem, limits, solution.recruits);
    const double kkt = KKT_RESIDUAL(problem, limits, solution.recruits) / scaleOf(problem);
    const auto add = [&](const std::string& measure, const std::string& value, const std::string& threshold, bool ok,
                         const std::string& why) {
        content.certificate.push_back({"Constrained control", measure, value, threshold, VERDICT(ok, why)});
    };
    add("largest violation of a bound or cap (persons)", NUMBER_TEXT(violation, 2), "ok below 1e-06",
        violation < VIOLATION_LIMIT, "the plan breaks a limit");
    add("KKT residual, projected gradient step / scale", NUMBER_TEXT(kkt, 2), "ok below 1e-06", kkt < KKT_LIMIT,
        "the optimality conditions do not hold");
    add("cost J_c rounded / unrounded", NUMBER_TEXT(rounded_cost, 6) + " / " + NUMBER_TEXT(solution.cost, 6),
        "shown, not judged", true, "");
}

std::vector<double> withInitial(const TrackingProblem& problem, const std::vector<double>& stocks, int i) {
    std::vector<double> series{problem.initial_stocks[static_cast<size_t>(i - 1)]};
    for (int t = 1; t <= problem.periods; ++t) series.push_back(stocks[at(problem.n, t, i)]);
    return series;
}

// Stage i's stocks, periods 0..N, as the three tables show them.
REPORT_ENTRY stockGraph(const TrackingProblem& problem, const ShownTrajectory& constrained, int i) {
    STOCK_COMPARISON stocks;
    stocks.name = TRIM_BLANKS(X_SERIES_NAMES(i).text());
    for (int p = 1; p <= problem.periods + 1; ++p) {
        stocks.nominal.push_back(NOMINAL_STOCKS(p, i));
        stocks.riccati.push_back(OPTIMAL_STOCKS(p, i));
    }
    stocks.constrained = withInitial(problem, constrained.stocks, i);
    REPORT_ENTRY entry;
    entry.kind = ReportEntryKind::Graph;
    entry.graph.record.title = "Stocks of " + stocks.name + ": the nominal path dashed, the Riccati solution and the "
                               "constrained one, rounded as in the tables";
    entry.graph.svg = STOCK_COMPARISON_SVG(stocks);
    return entry;
}

}  // namespace

LimitsReading READ_LIMITS_FILE(const std::string& path, int n) {
    std::ifstream file(path);
    if (!file) return {std::nullopt, "cannot read the limits file " + path};
    return READ_RECRUITMENT_LIMITS(file, path, n);
}

void ADD_CONSTRAINED_SECTION(REPORT_CONTENT& content, const RecruitmentLimits& limits) {
    const REPORT_TABLE* riccati_state = riccatiTable(content, OPTIMAL_STATE_TABLE);
    const REPORT_TABLE* riccati_control = riccatiTable(content, OPTIMAL_CONTROL_TABLE);
    const TrackingProblem problem = TRACKING_PROBLEM(STAGE_COUNT, CONTROL_PERIOD);
    const ConstrainedSolution solution = SOLVE_CONSTRAINED_CONTROL(problem, limits);
    REPORT_SECTION section;
    section.title = SECTION_TITLE;
    if (solution.status != ConstrainedStatus::Solved || riccati_state == nullptr || riccati_control == nullptr) {
        section.notes.push_back(solution.status == ConstrainedStatus::IterationLimit
                                    ? "The constrained control was not solved: the solver reached its iteration limit."
                                    : "The constrained control was not solved: the solver failed numerically.");
        content.sections.push_back(std::move(section));
        return;
    }
    const int n = problem.n;
    const RecruitmentPlan riccati = riccatiPlan(problem);
    const double riccati_cost = TRACKING_COST(problem, riccati);
    const bool riccati_keeps = LARGEST_VIOLATION(problem, limits, riccati) <= VIOLATION_LIMIT;
    ShownTrajectory shown = riccatiShown(problem);
    if (!riccati_keeps) {
        shown.recruits = WHOLE_PERSONS(n, limits, solution.recruits);
        shown.stocks = WHOLE_STOCKS_UNDER(problem, shown.recruits);
    }
    const double rounded_cost = TRAJECTORY_COST(problem, shown.stocks, shown.recruits);
    addCertificate(content, problem, limits, solution, rounded_cost);

    section.notes.push_back("The optimal control of the section above, solved again with " + limitsText(n, limits) + ".");
    if (riccati_keeps) {
        section.notes.push_back("The Riccati solution already keeps every limit: the constrained solution is the Riccati "
                                "one, and its tables below are the Riccati tables.");
    } else {
        section.notes.push_back("Cost J of the Riccati solution " + NUMBER_TEXT(riccati_cost, 7) + "; cost J_c of the "
                                "constrained solution " + NUMBER_TEXT(solution.cost, 7) + ", " + NUMBER_TEXT(rounded_cost, 7) +
                                " once rounded to whole persons as in its tables. The price of the limits, (J_c - J) / J, is " +
                                NUMBER_TEXT(RATIO(solution.cost - riccati_cost, riccati_cost), 4) + ".");
        section.notes.push_back("The limits that bind (where the constrained plan recruits nobody, or as many as a cap "
                                "allows):");
        for (std::string& note : bindingNotes(problem, limits, solution.recruits)) section.notes.push_back(std::move(note));
        section.notes.push_back("Recruits are rounded to whole persons: each to the nearest, at least 0 and at most the "
                                "whole part of its cap; where a period's total then passes the cap, the recruit that "
                                "rounding raised most gives one person back, until it does not. Stocks are run forward "
                                "from the rounded recruits and rounded each period, as in the Riccati tables.");
    }
    const std::string state_caption = "The constrained optimal state trajectory {x_c(t)}: stocks, then recruits.";
    const std::string control_caption = "The constrained optimal control sequence {u_c(t)}.";
    if (riccati_keeps) {
        section.entries.push_back(tableAs(*riccati_state, CONSTRAINED_STATE_TABLE, state_caption));
        section.entries.push_back(tableAs(*riccati_control, CONSTRAINED_CONTROL_TABLE, control_caption));
    } else {
        section.entries.push_back(tableLike(*riccati_state, CONSTRAINED_STATE_TABLE, state_caption, 0, [&](int t, int k) {
            if (t == 0) return static_cast<double>(OPTIMAL_STATES(1, k));
            return k <= n ? shown.stocks[at(n, t, k)] : shown.recruits[at(n, t, k - n)];
        }));
        section.entries.push_back(tableLike(*riccati_control, CONSTRAINED_CONTROL_TABLE, control_caption, 1,
                                            [&](int t, int i) { return shown.recruits[at(n, t, i)]; }));
    }
    for (int i = 1; i <= n; ++i) section.entries.push_back(stockGraph(problem, shown, i));
    content.sections.push_back(std::move(section));
}

}  // namespace korvel
