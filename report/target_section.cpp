#include "report/target_section.h"

#include "base/fixed_text.h"
#include "model/model_state.h"
#include "report/certificate/certificate_parts.h"
#include "report/certificate/target_lines.h"
#include "report/line_chart.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdio>
#include <fstream>
#include <numeric>

namespace korvel {

namespace {

// Ten significant digits: a schedule read back from its file and run forward ends within 1e-4
// of the target, relative, over 200 periods of 55 stages.
constexpr const char* CELL_FORMAT = "%.10g";
// P is read in single precision: an intake of zero worked out from it can come out a rounding
// below, so an intake counts as negative only past this share of the largest target stock.
constexpr double NEGATIVE_INTAKE = 1e-6;
// Totals within this share of each other make an organisation of fixed size.
constexpr double SAME_TOTAL = 1e-6;

std::string cell(double value) {
    char text[40];
    std::snprintf(text, sizeof text, CELL_FORMAT, value == 0.0 ? 0.0 : value);
    return text;
}

std::string persons(double value) { return NUMBER_TEXT(value, 7); }

std::string stageList(const std::vector<int>& stages) {
    std::string list;
    for (size_t k = 0; k < stages.size(); ++k)
        list += (k == 0 ? "" : k + 1 == stages.size() ? " and " : ", ") + std::to_string(stages[k]);
    return list;
}

TrackingProblem modelOfState(int n) {
    TrackingProblem model;
    model.n = n;
    for (int i = 1; i <= n; ++i) {
        for (int j = 1; j <= n; ++j) model.p.push_back(MATRIX_X(i, j));
        model.initial_stocks.push_back(INITIAL_STOCKS(i));
    }
    return model;
}

std::string failure(const std::string& what, QpStatus status) {
    return what + " was not solved: the solver " +
           (status == QpStatus::IterationLimit ? "reached its iteration limit." : "failed numerically.");
}

// Violations are judged against the largest stock of the target.
void addLine(REPORT_CONTENT& content, const std::string& measure, double violation) {
    const CertificateLine line = TARGET_VIOLATION_LINE(measure, violation);
    content.certificate.push_back({line.subject, line.measure, line.value, line.threshold, line.verdict});
}

REPORT_ENTRY tableEntry(int kind, const std::string& title, const std::string& subtitle, std::vector<std::string> headings) {
    REPORT_ENTRY entry;
    entry.kind = ReportEntryKind::Table;
    entry.table.kind = kind;
    entry.table.title = title;
    entry.table.subtitle = subtitle;
    entry.table.headings = std::move(headings);
    return entry;
}

// 1. The recruitment that keeps the target, and the nearest structure that can be kept.
void addMaintenance(REPORT_SECTION& section, REPORT_CONTENT& content, const TrackingProblem& model, const Structure& target,
                    double scale) {
    const std::vector<double> r = KEEPING_RECRUITMENT(model, target);
    std::vector<int> negative;
    for (int i = 1; i <= model.n; ++i)
        if (r[static_cast<size_t>(i - 1)] < -NEGATIVE_INTAKE * scale) negative.push_back(i);
    std::vector<std::string> headings{"Stage", "Target", "Recruitment keeping it"};
    NearestStructure nearest;
    if (negative.empty()) {
        section.notes.push_back("The target is maintainable: the recruitment n [I - P] that keeps it has no entry below 0, up to the "
                                "rounding of P.");
    } else {
        nearest = NEAREST_MAINTAINABLE(model, target);
        section.notes.push_back("The target is not maintainable: stage" + std::string(negative.size() > 1 ? "s " : " ") +
                                stageList(negative) + " would need a negative intake to keep it.");
        if (nearest.status == QpStatus::Solved) {
            headings.insert(headings.end(), {"Nearest maintainable", "Recruitment keeping that"});
            section.notes.push_back("The nearest maintainable structure of the same total, by the sum of absolute "
                                    "differences from the target, lies " + persons(nearest.distance) + " persons away.");
        } else {
            section.notes.push_back(failure("The nearest maintainable structure", nearest.status));
        }
    }
    REPORT_ENTRY entry = tableEntry(TARGET_MAINTENANCE_TABLE, "TARGET STRUCTURE AND ITS RECRUITMENT.",
                                    "The recruitment r = n [I - P] that keeps each structure.", headings);
    const std::vector<double> kept = nearest.structure.empty() ? std::vector<double>{} : KEEPING_RECRUITMENT(model, nearest.structure);
    double violation = 0.0;
    for (int i = 1; i <= model.n; ++i) {
        const size_t k = static_cast<size_t>(i - 1);
        std::vector<std::string>& row = entry.table.rows.emplace_back(std::vector<std::string>{std::to_string(i), cell(target[k]), cell(r[k])});
        if (kept.empty()) continue;
        row.insert(row.end(), {cell(nearest.structure[k]), cell(kept[k])});
        violation = std::max({violation, -kept[k], -nearest.structure[k]});
    }
    section.entries.push_back(std::move(entry));
    if (kept.empty()) return;
    const double total = std::accumulate(target.begin(), target.end(), 0.0);
    violation = std::max(violation, std::abs(std::accumulate(nearest.structure.begin(), nearest.structure.end(), 0.0) - total));
    addLine(content, "nearest maintainable structure: largest violation / largest target stock", violation / scale);
}

// r_i(t) for t < k, and n_i(t) for t <= k, of a schedule whose stocks n(1)..n(k) are `stocks`.
double recruitAt(const TrackingProblem& model, const Attainment& attainment, int t, int i) {
    return attainment.recruits[static_cast<size_t>(t * model.n + i - 1)];
}
double stockAt(const TrackingProblem& model, const std::vector<double>& stocks, int t, int i) {
    return t == 0 ? model.initial_stocks[static_cast<size_t>(i - 1)] : stocks[static_cast<size_t>((t - 1) * model.n + i - 1)];
}

// The schedule's table: period 0..k, r(t) (none in the last row), n(t).
REPORT_ENTRY scheduleTable(const TrackingProblem& model, const Attainment& attainment, const std::vector<double>& stocks) {
    const int n = model.n;
    std::vector<std::string> headings{"Period"};
    for (int i = 1; i <= n; ++i) headings.push_back("r_" + std::to_string(i));
    for (int i = 1; i <= n; ++i) headings.push_back("n_" + std::to_string(i));
    REPORT_ENTRY entry = tableEntry(TARGET_SCHEDULE_TABLE, attainment.reached ? "SCHEDULE REACHING THE TARGET." : "SCHEDULE NEAREST THE TARGET.",
                                    "Recruitments r(t) of each period and the stocks n(t) at its start; "
                                    "n(t+1) = n(t) P + r(t).",
                                    headings);
    for (int t = 0; t <= attainment.periods; ++t) {
        std::vector<std::string>& row = entry.table.rows.emplace_back(std::vector<std::string>{std::to_string(t)});
        for (int i = 1; i <= n; ++i) row.push_back(t < attainment.periods ? cell(recruitAt(model, attainment, t, i)) : "");
        for (int i = 1; i <= n; ++i) row.push_back(cell(stockAt(model, stocks, t, i)));
    }
    return entry;
}

// Stage i's stocks and recruitments over the schedule, with its target as a level.
REPORT_ENTRY scheduleGraph(const TrackingProblem& model, const Attainment& attainment, const std::vector<double>& stocks,
                           const Structure& target, int i) {
    CHART_LINE stock{"Stock", RGB(31, 90, 180), SOLID_LINE, {}}, recruits{"Recruitment", RGB(200, 60, 20), SOLID_LINE, {}};
    CHART_LINE level{"Target", RGB(110, 110, 110), DASHED_LINE, {}};
    for (int t = 0; t <= attainment.periods; ++t) {
        stock.values.push_back(stockAt(model, stocks, t, i));
        if (t < attainment.periods) recruits.values.push_back(recruitAt(model, attainment, t, i));
        level.values.push_back(target[static_cast<size_t>(i - 1)]);
    }
    const std::string name = TRIM_BLANKS(X_SERIES_NAMES(i).text());
    REPORT_ENTRY entry;
    entry.kind = ReportEntryKind::Graph;
    entry.graph.record.title = "Schedule for " + name + ": the stocks n(t) at the start of each period, the recruitments "
                               "r(t) made in it, and the target dashed";
    entry.graph.svg = LINE_CHART_SVG(name, {stock, recruits, level}, "Schedule of " + name + ": stocks, recruitments and the target");
    return entry;
}

// 2. The fewest periods that reach the target, and the schedule that does it.
void addAttainment(REPORT_SECTION& section, REPORT_CONTENT& content, const TrackingProblem& model, const Structure& target,
                   int max_periods, const RecruitmentLimits& limits, double scale) {
    const Attainment attainment = FASTEST_ATTAINMENT(model, limits, target, max_periods);
    const bool capped = limits.total_cap || std::any_of(limits.stage_caps.begin(), limits.stage_caps.end(),
                                                        [](const std::optional<double>& cap) { return cap.has_value(); });
    const std::string keeping = capped ? "recruitments of at least 0 within the caps of the limits file" : "recruitments of at least 0";
    if (attainment.status != QpStatus::Solved) {
        section.notes.push_back(failure("The schedule of " + std::to_string(attainment.periods) + " periods", attainment.status));
        return;
    }
    const int k = attainment.periods;
    const std::vector<double> stocks = SCHEDULE_STOCKS(model, attainment.recruits);
    if (attainment.reached && k == 0) {
        section.notes.push_back("Today's stocks already are the target.");
    } else if (attainment.reached) {
        const double total = std::accumulate(attainment.recruits.begin(), attainment.recruits.end(), 0.0);
        section.notes.push_back("The target is reached in " + std::to_string(k) + " period" + (k > 1 ? "s" : "") +
                                " from today's stocks, with " + keeping + (k > 1 ? "; no schedule of " + std::to_string(k - 1) + " periods reaches it." : "."));
        section.notes.push_back("Of the schedules of " + std::to_string(k) + " periods, the one shown has the least total "
                                "recruitment: " + persons(total) + " persons.");
    } else {
        section.notes.push_back("No schedule of at most " + std::to_string(max_periods) + " periods reaches the target with " +
                                keeping + ". The nearest structure reachable in " + std::to_string(max_periods) +
                                " periods lies " + persons(attainment.distance) +
                                " persons from it (the sum of absolute differences); the schedule shown leads there.");
    }
    section.entries.push_back(scheduleTable(model, attainment, stocks));
    if (k == 0) return;
    for (int i = 1; i <= model.n; ++i) section.entries.push_back(scheduleGraph(model, attainment, stocks, target, i));
    TrackingProblem run = model;
    run.periods = k;
    double violation = LARGEST_VIOLATION(run, limits, attainment.recruits);
    if (attainment.reached)
        for (int j = 1; j <= model.n; ++j)
            violation = std::max(violation, std::abs(stocks[static_cast<size_t>((k - 1) * model.n + j - 1)] - target[static_cast<size_t>(j - 1)]));
    addLine(content, std::string(attainment.reached ? "schedule of " : "nearest schedule of ") + std::to_string(k) +
                         " periods: largest violation / largest target stock",
            violation / scale);
}

// 3. For a fixed size: the structures kept by recruiting into one stage alone.
void addCorners(REPORT_SECTION& section, REPORT_CONTENT& content, const TrackingProblem& model, const Structure& target,
                double scale) {
    const double total = std::accumulate(target.begin(), target.end(), 0.0);
    const double today = std::accumulate(model.initial_stocks.begin(), model.initial_stocks.end(), 0.0);
    if (std::abs(total - today) > SAME_TOTAL * std::max(total, today)) {
        section.notes.push_back("The target's total (" + persons(total) + ") is not today's (" + persons(today) +
                                "): the organisation does not keep its size, and the corners of the fixed-size region "
                                "are not shown.");
        return;
    }
    const auto corners = FIXED_SIZE_CORNERS(model, total);
    if (!corners) {
        section.notes.push_back("[I - P] cannot be inverted: the corners of the fixed-size region are not shown.");
        return;
    }
    section.notes.push_back("The target keeps today's total of " + persons(total) + " persons. Every structure of that "
                            "size that can be kept is a mix of the corners below: corner i is row i of [I - P]^-1 "
                            "scaled to the size, the structure kept by recruiting into stage i alone.");
    std::vector<std::string> headings{"Corner"};
    for (int i = 1; i <= model.n; ++i) headings.push_back("n_" + std::to_string(i));
    REPORT_ENTRY entry = tableEntry(TARGET_CORNERS_TABLE, "CORNERS OF THE MAINTAINABLE STRUCTURES OF FIXED SIZE.",
                                    "Row i: the structure kept by recruiting into stage i alone.", headings);
    double violation = 0.0;
    for (int i = 1; i <= model.n; ++i) {
        const Structure& corner = (*corners)[static_cast<size_t>(i - 1)];
        std::vector<std::string>& row = entry.table.rows.emplace_back(std::vector<std::string>{std::to_string(i)});
        for (const double stock : corner) row.push_back(cell(stock));
        for (const double r : KEEPING_RECRUITMENT(model, corner)) violation = std::max(violation, -r);
    }
    section.entries.push_back(std::move(entry));
    addLine(content, "corners: most negative recruitment keeping one / largest target stock", violation / scale);
}

}  // namespace

bool READ_MAX_PERIODS_OPTION(const std::string& text, int& max_periods) {
    int value = 0;
    const std::from_chars_result read = std::from_chars(text.data(), text.data() + text.size(), value);
    if (read.ec != std::errc() || read.ptr != text.data() + text.size() || value < 1 || value > MOST_MAX_PERIODS) {
        std::fprintf(stderr, "korvel: --max-periods needs a whole number from 1 to %d, not '%s'\n", MOST_MAX_PERIODS, text.c_str());
        return false;
    }
    max_periods = value;
    return true;
}

TargetReading READ_TARGET_FILE(const std::string& path, int n) {
    std::ifstream file(path);
    if (!file) return {std::nullopt, "cannot read the target file " + path};
    return READ_TARGET_STRUCTURE(file, path, n);
}

void ADD_TARGET_SECTION(REPORT_CONTENT& content, const Structure& target, int max_periods, const RecruitmentLimits& limits) {
    REPORT_SECTION& section = content.sections.emplace_back();
    section.title = TARGET_TITLE;
    if (!X_HOLDS_P) {
        section.notes.push_back("The target structure was not studied: the details did not form P.");
        return;
    }
    const TrackingProblem model = modelOfState(STAGE_COUNT);
    const double scale = std::max(1.0, *std::max_element(target.begin(), target.end()));
    addMaintenance(section, content, model, target, scale);
    addAttainment(section, content, model, target, max_periods, limits, scale);
    addCorners(section, content, model, target, scale);
}

}  // namespace korvel
