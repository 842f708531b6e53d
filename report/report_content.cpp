#include "report/report_content.h"

#include "present/tables/table_kinds.h"

#include <cstdio>

namespace korvel {

namespace {

// The name of a table by its kind; the projections are named by the section that shows them.
std::string tableName(const REPORT_TABLE& table, const std::string& section) {
    switch (table.kind) {
    case INITIAL_DATA_TABLE: return "initial-data";
    case TRANSITION_MATRIX_TABLE: return "transition-matrix";
    case REAL_ROOTS_TABLE: return "real-roots";
    case COMPLEX_ROOTS_TABLE: return "complex-roots";
    case I_MINUS_P_TABLE: return "i-minus-p";
    case INVERSE_TABLE: return "inverse-of-i-minus-p";
    case MATRIX_Q_TABLE: return "matrix-q";
    case NOMINAL_PATH_TABLE: return "nominal-path";
    case RICCATI_DIAGONAL_TABLE: return "weights-r";
    case OPTIMAL_STATE_TABLE: return "optimal-state";
    case OPTIMAL_CONTROL_TABLE: return "optimal-control";
    case CONSTRAINED_STATE_TABLE: return "constrained-optimal-state";
    case CONSTRAINED_CONTROL_TABLE: return "constrained-optimal-control";
    case STABILITY_VERDICT_TABLE: return "stability-verdict";
    case COMPARISON_STATISTICS_TABLE: return "comparison-statistics";
    case RATE_INTERVAL_MATRIX_TABLE: return "rate-interval-matrix";
    case STOCK_BANDS_TABLE: return "stock-bands";
    case RATE_INTERVALS_TABLE: return "rate-intervals";
    case PROJECTION_BANDS_TABLE: return "projection-bands";
    case TARGET_MAINTENANCE_TABLE: return "target-maintenance";
    case TARGET_SCHEDULE_TABLE: return "target-schedule";
    case TARGET_CORNERS_TABLE: return "target-corners";
    case PROJECTIONS_TABLE: return section.find("Fixed") != std::string::npos ? "fixed-size-projections" : "common-projections";
    default: return "table";
    }
}

}  // namespace

std::vector<NAMED_TABLE> NAMED_TABLES(const REPORT_CONTENT& content) {
    std::vector<NAMED_TABLE> tables;
    const auto add = [&tables](const REPORT_TABLE& table, const std::string& section) {
        char number[16];
        std::snprintf(number, sizeof number, "%02zu-", tables.size() + 1);
        tables.push_back({number + tableName(table, section), &table});
    };
    for (const REPORT_SECTION& section : content.sections) {
        for (const REPORT_ENTRY& entry : section.entries)
            if (entry.kind == ReportEntryKind::Table) add(entry.table, section.title);
        for (const REPORT_TABLE& table : section.text_tables) add(table, section.title);
    }
    for (const REPORT_TABLE& table : content.data_tables) add(table, "");
    return tables;
}

REPORT_TABLE CERTIFICATE_TABLE(const REPORT_CONTENT& content) {
    REPORT_TABLE table;
    table.title = "ACCURACY CERTIFICATE.";
    table.headings = {"Subject", "Measure", "Value", "Threshold", "Verdict"};
    for (const REPORT_CERTIFICATE_LINE& line : content.certificate)
        table.rows.push_back({line.subject, line.measure, line.value, line.threshold, line.verdict});
    return table;
}

}  // namespace korvel
