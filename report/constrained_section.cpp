#include "report/constrained_section.h"

#include "control/control_state.h"
#include "planning/whole_persons.h"
#include "present/tables/number_formats.h"
#include "present/tables/table_kinds.h"
#include "report/certificate/certificate_parts.h"

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

// The Riccati table's layout with the values of `value(t, column)` in place of its own.
template <typename Value>
REPORT_ENTRY tableLike(const REPORT_TABLE& riccati, int kind, const std::string& subtitle, int first_period, Value value) {
    REPORT_ENTRY entry;
    entry.kind = ReportEntryKind::Table;
    entry.table = riccati;
    entry.table.kind = kind;
    entry.table.subtitle = subtitle;
    for (size_t r = 0; r < entry.table.rows.size(); ++r)
        for (size_t c = 1; c < entry.table.rows[r].size(); ++c)
            entry.table.rows[r][c] = cell(value(first_period + static_cast<int>(r), static_cast<int>(c)));
    return entry;
}

RecruitmentPlan riccatiPlan(const TrackingProblem& problem) {
    RecruitmentPlan plan;
    for (int t = 1; t <= problem.periods; ++t)
        for (int i = 1; i <= problem.n; ++i) plan.push_back(UNROUNDED_STATES(t + 1, problem.n + i));
    return plan;
}

// The stocks of a whole-person plan, rounded each period as the Riccati forward pass rounds.
std::vector<double> wholeStocks(const TrackingProblem& problem, const RecruitmentPlan& plan) {
    std::vector<double> stocks(plan.size());
    for (int t = 1; t <= problem.periods; ++t)
        for (int i = 1; i <= problem.n; ++i) {
            double stock = plan[static_cast<size_t>((t - 1) * problem.n + i - 1)];
            for (int j = 1; j <= problem.n; ++j)
                stock += problem.pij(j, i) * (t == 1 ? problem.initial_stocks[static_cast<size_t>(j - 1)]
                                                     : stocks[static_cast<size_t>((t - 2) * problem.n + j - 1)]);
            stocks[static_cast<size_t>((t - 1) * problem.n + i - 1)] = std::round(stock);
        }
    return stocks;
}

// "period 2: u_6 >= 0, total <= 40" for every period where something binds.
std::vector<std::string> bindingNotes(const TrackingProblem& problem, const RecruitmentLimits& limits, const RecruitmentPlan& plan) {
    std::vector<std::string> notes;
    for (int t = 1; t <= problem.periods; ++t) {
        std::string binding;
        double total = 0.0;
        const auto add = [&](const std::string& text) { binding += (binding.empty() ? "" : ", ") + text; };
        for (int i = 1; i <= problem.n; ++i) {
            const double u = plan[static_cast<size_t>((t - 1) * problem.n + i - 1)];
            total += u;
            if (u <= VIOLATION_LIMIT) add("u_" + std::to_string(i) + " = 0");
            if (const auto cap = limits.capOf(i); cap && u >= *cap - VIOLATION_LIMIT) add("u_" + std::to_string(i) + " at its cap");
        }
        if (limits.total_cap && total >= *limits.total_cap - VIOLATION_LIMIT) add("the total at its cap");
        if (!binding.empty()) notes.push_back("Period " + std::to_string(t) + ": " + binding + ".");
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
    const auto add = [&](const std::string& measure, double value, const std::string& threshold, bool ok, const std::string& why) {
        content.certificate.push_back({"Constrained control", measure, NUMBER_TEXT(value, 2), threshold, VERDICT(ok, why)});
    };
    add("largest violation of a bound or cap (persons)", violation, "ok below 1e-06", violation < VIOLATION_LIMIT,
        "the plan breaks a limit");
    add("KKT residual, projected gradient step / scale", kkt, "ok below 1e-06", kkt < KKT_LIMIT,
        "the optimality conditions do not hold");
    add("cost J_c rounded / unrounded", RATIO(rounded_cost, solution.cost), "shown, not judged", true, "");
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
    const RecruitmentPlan whole = WHOLE_PERSONS(n, limits, solution.recruits);
    const double rounded_cost = TRACKING_COST(problem, whole);
    addCertificate(content, problem, limits, solution, rounded_cost);
    if (riccati_keeps) {
        // The tables are then the Riccati ones.
        for (const REPORT_TABLE* table : {riccati_state, riccati_control}) {
            REPORT_ENTRY& entry = section.entries.emplace_back();
            entry.kind = ReportEntryKind::Table;
            entry.table = *table;
            entry.table.kind = table == riccati_state ? CONSTRAINED_STATE_TABLE : CONSTRAINED_CONTROL_TABLE;
        }
        section.notes.push_back("The Riccati solution already keeps every bound and cap: the constrained solution is the "
                                "Riccati one.");
    } else {
        const std::vector<double> stocks = wholeStocks(problem, whole);
        const auto at = [&](int t, int i) { return static_cast<size_t>((t - 1) * n + i - 1); };
        section.entries.push_back(tableLike(*riccati_state, CONSTRAINED_STATE_TABLE,
                                            "The constrained optimal state trajectory {x_c(t)}.", 0, [&](int t, int k) {
                                                if (t == 0) return static_cast<double>(OPTIMAL_STATES(1, k));
                                                return k <= n ? stocks[at(t, k)] : whole[at(t, k - n)];
                                            }));
        section.entries.push_back(tableLike(*riccati_control, CONSTRAINED_CONTROL_TABLE,
                                            "The constrained optimal control sequence {u_c(t)}.", 1,
                                            [&](int t, int i) { return whole[at(t, i)]; }));
        section.notes.push_back("Recruits are rounded to whole persons: each to the nearest, at least 0 and at most the "
                                "whole part of its cap; where a period's total then passes the cap, the recruit "
                                "rounding raised most gives one person back, until it does not. Stocks are run "
                                "forward from the rounded recruits and rounded each period, as in the Riccati tables.");
        section.notes.push_back("Cost of the constrained plan before rounding " + NUMBER_TEXT(solution.cost, 7) +
                                ", after rounding " + NUMBER_TEXT(rounded_cost, 7) + ".");
    }
    section.notes.push_back("Cost J of the Riccati solution (unrounded) " + NUMBER_TEXT(riccati_cost, 7) +
                            "; cost J_c of the constrained one " + NUMBER_TEXT(solution.cost, 7) +
                            "; price of the constraints (J_c - J) / J = " +
                            NUMBER_TEXT(RATIO(solution.cost - riccati_cost, riccati_cost), 4) + ".");
    for (std::string& note : bindingNotes(problem, limits, solution.recruits)) section.notes.push_back(std::move(note));
    content.sections.push_back(std::move(section));
}

}  // namespace korvel
