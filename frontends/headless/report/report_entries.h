#pragma once
// What the report layer keeps of a run, in the order the user would have seen it: whole result
// tables, graphs as SVG, message boxes, and the texts drawn outside tables and graphs (notices,
// the stability verdict, the comparison statistics).

#include "present/window/recording_observer.h"

#include <string>
#include <vector>

namespace korvel {

// One result table as PRINTNNN showed it over its pages, joined again: the headings and each
// row's cells from the row label on, as drawn.
struct REPORT_TABLE {
    int kind = 0;
    std::string title;
    std::string caption;
    std::string subtitle;
    std::vector<std::string> headings;
    std::vector<std::vector<std::string>> rows;
};

struct REPORT_GRAPH {
    GRAPH_PAGE record;
    std::string svg;  // one <svg> element, exactly what the engine drew
};

struct REPORT_MESSAGE {
    int style = 0;
    std::string caption;
    std::string text;
};

enum class ReportEntryKind { Table, Graph, Message, Shown };

struct REPORT_ENTRY {
    ReportEntryKind kind = ReportEntryKind::Shown;
    REPORT_TABLE table;
    REPORT_GRAPH graph;
    REPORT_MESSAGE message;
    std::vector<std::string> shown;  // the lines of one drawn notice, as drawn
};

}  // namespace korvel
