#pragma once
// What a report holds: the model's name and size, and one section per command run, each with
// what the user would have seen in order, and the notes the report adds.

#include "frontends/headless/report/report_entries.h"

#include <string>
#include <vector>

namespace korvel {

struct REPORT_SECTION {
    std::string title;  // the command as its menu names it, without the & marks
    std::vector<REPORT_ENTRY> entries;
    std::vector<std::string> notes;  // the report's own remarks on this section
    // Tables the report makes of what the section drew as text: written as files and sheets,
    // while the page shows the text as drawn.
    std::vector<REPORT_TABLE> text_tables;
};

// The kinds of the report's own tables, apart from the program's, each named once in its files.
enum ReportTableKind : int {
    STABILITY_VERDICT_TABLE = 101,
    COMPARISON_STATISTICS_TABLE,
    CONSTRAINED_STATE_TABLE,
    CONSTRAINED_CONTROL_TABLE,
    RATE_INTERVAL_MATRIX_TABLE,  // on the page, in the P table's layout
    STOCK_BANDS_TABLE,           // on the page: a row per period
    RATE_INTERVALS_TABLE,        // files only: a line per rate
    PROJECTION_BANDS_TABLE,      // files only: a line per period and series
    TARGET_MAINTENANCE_TABLE,    // per stage: the target and what keeps it; the nearest when needed
    TARGET_SCHEDULE_TABLE,       // per period: recruitments, then the stocks at its start
    TARGET_CORNERS_TABLE,        // per corner of the fixed-size region: its structure
};

// One line of the accuracy certificate, as the report shows it.
struct REPORT_CERTIFICATE_LINE {
    std::string subject;
    std::string measure;
    std::string value;
    std::string threshold;
    std::string verdict;  // "ok", or "inaccurate: " and why
};

struct REPORT_CONTENT {
    std::string model_name;  // the data file's name
    int stage_count = 0;
    int period_count = 0;
    std::string control_name;  // the control file's name; empty without one
    std::vector<REPORT_SECTION> sections;
    std::vector<REPORT_TABLE> data_tables;  // written as files and sheets only, after the sections' tables
    std::vector<REPORT_CERTIFICATE_LINE> certificate;
};

// A table of the report with the file stem it is written under ("02-transition-matrix").
struct NAMED_TABLE {
    std::string stem;
    const REPORT_TABLE* table = nullptr;
};

// Every table of the report in order, numbered from 01 and named after what it shows.
std::vector<NAMED_TABLE> NAMED_TABLES(const REPORT_CONTENT& content);

// The accuracy certificate as a table of its own, written beside them as "accuracy-certificate".
inline constexpr const char* CERTIFICATE_STEM = "accuracy-certificate";
REPORT_TABLE CERTIFICATE_TABLE(const REPORT_CONTENT& content);

}  // namespace korvel
