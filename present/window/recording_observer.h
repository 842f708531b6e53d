#pragma once
// What a recording layer is told beyond what the program shows: the working files made and
// removed, and each result-table page as its routines built it. The headless layers record
// them; the desktop layer keeps only the table pages, whose cells a copy carries as text. A new
// kind of record is one more virtual with an empty body below and one more TELL_ routine.

#include <string>
#include <vector>

namespace korvel {

// A result-table page as its routines built it: the texts without their trailing blanks, the
// headings as drawn and each row's cells from the row label on.
struct TABLE_PAGE {
    int kind = 0;
    int first_row = 1;  // the table row of the page's first row: 1 opens a run of columns
    std::string title;
    std::string caption;
    std::string subtitle;
    std::vector<std::string> headings;
    std::vector<std::vector<std::string>> rows;
};

// A line graph as its routines built it, for a layer that records it in place of its drawing:
// the texts without their padding, the axes as ranged, each series' styles and plotted values,
// the point labels as drawn and the legend's rows (0 when there is no legend).
struct GRAPH_AXIS_RECORD {
    double low = 0.0;
    double high = 0.0;
    double tick_step = 0.0;
    int decimals = 0;
};

struct GRAPH_SERIES_RECORD {
    std::string name;
    int line_type = 0;
    int line_colour = 0;
    int marker_type = 0;
    int marker_colour = 0;
    std::vector<float> points;
};

struct GRAPH_PAGE {
    std::string title;
    std::string subtitle;
    std::string x_title;
    std::string y_title;
    GRAPH_AXIS_RECORD x_axis;
    GRAPH_AXIS_RECORD y_axis;
    std::vector<GRAPH_SERIES_RECORD> series;
    std::vector<std::string> labels;
    int legend_rows = 0;
    int legend_per_row = 0;
};

class RecordingObserver {
public:
    virtual ~RecordingObserver() = default;

    // A working file was created or deleted in the working directory.
    virtual void fileCreated(const std::string&) {}
    virtual void fileDeleted(const std::string&) {}

    // A result table is about to be shown, page by page: its pages follow.
    virtual void tableStart() {}
    // A result-table page is about to be drawn; nullptr once its texts and boxes are. The
    // observer may stand the page for them.
    virtual void tablePage(const TABLE_PAGE*) {}
    // Likewise for a line graph: its record before its frame, titles, axes, series and legend
    // are drawn; nullptr once they are.
    virtual void graphPage(const GRAPH_PAGE*) {}
};

// The installed observer, or none (nullptr, the default): then nothing is told.
void INSTALL_OBSERVER(RecordingObserver* observer);
RecordingObserver* OBSERVER();

void TELL_FILE_CREATED(const std::string& name);
void TELL_FILE_DELETED(const std::string& name);
void TELL_TABLE_START();
void TELL_TABLE_PAGE(const TABLE_PAGE* page);
void TELL_GRAPH_PAGE(const GRAPH_PAGE* page);

}  // namespace korvel
