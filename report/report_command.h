#pragma once
// `korvel --report DATA.d --out DIR [--control CONTROL.d] [--names NAMES.csv] ...`: the analysis a
// user runs from the menus, written as CSV files, a workbook and an HTML page, with no display.

#include <string>

namespace korvel {

// Exit statuses of the report.
enum ReportStatus : int {
    REPORT_WRITTEN = 0,      // every file was written
    REPORT_NOT_WRITTEN = 1,  // a file or the folder could not be written; nothing is left
    REPORT_REFUSED = 2,      // a wrong command line, a data or names file that cannot be read, or DIR exists
};

// True when the command line asks for a report (it holds --report).
bool ASKS_FOR_REPORT(int argc, char* argv[]);

// The help lines of the report's options, for the program's --help.
extern const char* const REPORT_USAGE;

// Runs the report; returns its exit status.
int REPORT_MAIN(int argc, char* argv[]);

}  // namespace korvel
