#include "report/uncertainty_section.h"

#include "analysis/numbered_label.h"
#include "model/model_state.h"
#include "planning/uncertainty/rate_intervals.h"
#include "present/tables/table_kinds.h"
#include "report/certificate/monte_carlo_line.h"
#include "report/uncertainty_fan_chart.h"

#include <cstdio>

namespace korvel {

namespace {

// Files keep six significant digits, trailing zeros included.
std::string digits(double value) {
    char text[40];
    std::snprintf(text, sizeof text, "%#.6G", value);
    return text;
}

std::string fixed(const char* format, double value) {
    char text[40];
    std::snprintf(text, sizeof text, format, value);
    return text;
}

std::string stageName(int n, int k) { return k <= n ? "x_" + std::to_string(k) : "Total"; }

// Every p_ij and w*_i as "estimate [low, high]", laid out as the P table is.
REPORT_TABLE rateIntervalMatrix(int n, const std::vector<RATE_INTERVAL>& rates) {
    REPORT_TABLE table;
    table.kind = RATE_INTERVAL_MATRIX_TABLE;
    table.title = "RATE INTERVALS.";
    table.subtitle = "Each coefficient of P and of vector w* with its 95 % Wilson score interval [low, high].";
    table.headings.push_back(TABLE_KIND(TRANSITION_MATRIX_TABLE).first_heading);
    for (int j = 1; j <= n; ++j) table.headings.push_back(NUMBERED_LABEL("   Column", j).text());
    table.headings.push_back("  Vector w*");
    for (int i = 1; i <= n; ++i) table.rows.push_back({NUMBERED_LABEL("Row_", i).text()});
    for (const RATE_INTERVAL& rate : rates)
        table.rows[static_cast<size_t>(rate.from - 1)].push_back(fixed("%.6f", rate.estimate) + " [" +
                                                                 fixed("%.4f", rate.interval.low) + ", " +
                                                                 fixed("%.4f", rate.interval.high) + "]");
    return table;
}

REPORT_TABLE rateIntervalList(const std::vector<RATE_INTERVAL>& rates) {
    REPORT_TABLE table;
    table.kind = RATE_INTERVALS_TABLE;
    table.headings = {"from", "to", "estimate", "low", "high"};
    for (const RATE_INTERVAL& rate : rates)
        table.rows.push_back({std::to_string(rate.from), rate.to == WASTAGE_COLUMN ? "w*" : std::to_string(rate.to),
                              digits(rate.estimate), digits(rate.interval.low), digits(rate.interval.high)});
    return table;
}

// A row per period and one for the steady state; per series its three points.
REPORT_TABLE stockBands(const PROJECTION_BANDS& bands) {
    const int n = bands.n;
    REPORT_TABLE table;
    table.kind = STOCK_BANDS_TABLE;
    table.title = "STOCK BANDS.";
    table.subtitle = "The 5 %, 50 % and 95 % points of every stage's stock and of the total, period by period.";
    table.headings.push_back("Period");
    for (int k = 1; k <= n + 1; ++k)
        for (const char* point : {" 5%", " 50%", " 95%"}) table.headings.push_back(stageName(n, k) + point);
    const auto addRow = [&](const std::string& period, const BAND* row) {
        std::vector<std::string> cells{period};
        for (int k = 0; k <= n; ++k)
            for (const double value : {row[k].p5, row[k].p50, row[k].p95}) cells.push_back(digits(value));
        table.rows.push_back(cells);
    };
    for (int t = 0; t <= bands.periods; ++t) addRow(std::to_string(t), &bands.stocks[static_cast<size_t>(BAND_INDEX(n, t, 1))]);
    if (!bands.steady.empty()) addRow("steady", bands.steady.data());
    return table;
}

REPORT_TABLE projectionBandList(const PROJECTION_BANDS& bands) {
    const int n = bands.n;
    REPORT_TABLE table;
    table.kind = PROJECTION_BANDS_TABLE;
    table.headings = {"period", "stage", "p5", "p50", "p95"};
    const auto addLines = [&](const std::string& period, const BAND* row) {
        for (int k = 1; k <= n + 1; ++k) {
            const BAND& band = row[k - 1];
            table.rows.push_back({period, k <= n ? std::to_string(k) : "total", digits(band.p5), digits(band.p50), digits(band.p95)});
        }
    };
    for (int t = 0; t <= bands.periods; ++t) addLines(std::to_string(t), &bands.stocks[static_cast<size_t>(BAND_INDEX(n, t, 1))]);
    if (!bands.steady.empty()) addLines("steady", bands.steady.data());
    return table;
}

REPORT_ENTRY tableEntry(REPORT_TABLE table) {
    REPORT_ENTRY entry;
    entry.kind = ReportEntryKind::Table;
    entry.table = std::move(table);
    return entry;
}

REPORT_ENTRY fanChartEntry(const PROJECTION_BANDS& bands, int k) {
    REPORT_ENTRY entry;
    entry.kind = ReportEntryKind::Graph;
    const FAN_CHART_SERIES series = FAN_CHART_SERIES_OF(bands, k, stageName(bands.n, k));
    entry.graph.record.title = "Stock bands of " + series.name + ": 5 %-95 % shaded, median dashed, estimate solid; "
                               "the steady state at the right";
    entry.graph.svg = FAN_CHART_SVG(series);
    return entry;
}

std::string percentOf(int part, int whole) { return fixed("%.1f", 100.0 * part / whole) + " %"; }

BANDS_INPUT bandsInput(const FLOW_COUNTS& counts, const UNCERTAINTY_OPTIONS& options) {
    BANDS_INPUT input;
    input.counts = counts;
    for (int k = 1; k <= counts.n; ++k) {
        input.initial.push_back(INITIAL_STOCKS(k));
        input.inflows.push_back(INFLOWS(k));
    }
    input.periods = PERIOD_COUNT;
    input.samples = options.samples;
    input.seed = options.seed;
    return input;
}

// The bands with the notes that say how they were drawn and what they show.
void addBands(REPORT_CONTENT& content, REPORT_SECTION& section, const PROJECTION_BANDS& bands,
              const UNCERTAINTY_OPTIONS& options) {
    const int samples = options.samples;
    section.notes.push_back(std::to_string(samples) + " samples of P, seed " + std::to_string(options.seed) +
                            ": each row's moves and leavers drawn from their Dirichlet posterior, one half added to "
                            "every count; each sample projected over the " + std::to_string(bands.periods) +
                            " periods with the model's recruitments.");
    section.notes.push_back("The system is stable (dominant root below 1) in " + percentOf(bands.stable_samples, samples) +
                            " of the samples; [I - P] has an inverse, and so a steady state, in " +
                            std::to_string(bands.steady_samples) + " of them.");
    section.notes.push_back("With more samples the 5 % and 95 % points can still move by about " +
                            fixed("%.1f", 100.0 * bands.halves_spread) +
                            " % of their band's width: the most they differ between the two halves of the samples.");
    section.entries.push_back(tableEntry(stockBands(bands)));
    section.entries.push_back(fanChartEntry(bands, bands.n + 1));
    for (int k = 1; k <= bands.n; ++k) section.entries.push_back(fanChartEntry(bands, k));
    content.data_tables.push_back(projectionBandList(bands));
}

}  // namespace

std::vector<CertificateLine> ADD_UNCERTAINTY_SECTION(REPORT_CONTENT& content, const std::optional<FLOW_COUNTS>& counts,
                                                     const UNCERTAINTY_OPTIONS& options) {
    REPORT_SECTION& section = content.sections.emplace_back();
    section.title = UNCERTAINTY_TITLE;
    if (!counts) {
        section.notes.push_back("The intervals and bands need counts: this data file gives matrix P itself.");
        return {};
    }
    if (!X_HOLDS_P || !counts->everyRowIsCounted()) {
        section.notes.push_back("Matrix P was not formed from these counts: there is nothing to give intervals for.");
        return {};
    }
    const std::vector<RATE_INTERVAL> rates = RATE_INTERVALS(*counts);
    section.entries.push_back(tableEntry(rateIntervalMatrix(counts->n, rates)));
    content.data_tables.push_back(rateIntervalList(rates));
    const PROJECTION_BANDS bands = SAMPLE_PROJECTION_BANDS(bandsInput(*counts, options));
    addBands(content, section, bands, options);
    return {MONTE_CARLO_LINE(bands.halves_spread, options.samples)};
}

}  // namespace korvel
