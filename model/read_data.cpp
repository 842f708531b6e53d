#include "model/read_data.h"

#include "base/fixed_text.h"
#include "base/program_exit.h"
#include "model/free_format_reader.h"
#include "model/messages.h"
#include "model/model_state.h"
#include "present/window/file_units.h"
#include "present/window/window_layer.h"

#include <cmath>
#include <new>
#include <string>
#include <vector>

namespace korvel {

namespace {

struct Message {
    const char* text;
    const char* caption;
};

// The program's own texts, kept exactly as it shows them, misspellings included: never correct them.
constexpr Message HEADER_FAILURE{" Error reading initial data. ", " Data have not been read "};
constexpr Message MATRIX_FAILURE{" Matrix X or the systme transition matrix P has not been read. ",
                                 " Attention ! Error reading Matrix X or the system transition matrix "};
constexpr Message OUTFLOWS_FAILURE{"Be careful on wastage vector (outflows). It has not given properly. ",
                                   "Attention ! Error reading the outgoing people (outflows) from each stage "};
constexpr Message STOCKS_FAILURE{" Be careful. The initial conditions are not given properly. ",
                                 " Attention ! Error reading the initial conditions "};
constexpr Message INFLOWS_FAILURE{" Be careful on recruitments vector (inflows). It has not given properly ",
                                  " Attention ! Error reading the recruitments (inflows), for each stage "};
// The arrays have room for 55 stages and the projection tables for 198 periods.
constexpr Message STAGES_OUT_OF_RANGE{" The number of stages N must lie between 1 and 55. ",
                                      " Attention ! Error in the number of stages "};
// Memory ran out while the file was read.
constexpr Message NO_MEMORY{" The data file could not be read: there is not enough memory. ",
                            " Data have not been read "};
constexpr Message PERIODS_OUT_OF_RANGE{" The number of periods T must lie between 0 and 198. ",
                                       " Attention ! Error in the number of periods "};

void report(const Message& message) { SHOW_MESSAGE(message.text, message.caption, MB_EXCLAMATION); }

void showOpenFileFirst() {
    SHOW_NOTICE("t'Arial'h21w9i", false,
                {{12, 30, "ATTENTION! FIRST YOU HAVE"},
                 {13, 60, " TO OPEN THE DATA FILE."},
                 {15, 90, "More attention is requiared. Try again."}},
                3500);
}

void showReadSuccessfully() {
    SHOW_NOTICE("t'Arial'h21w9i", true,
                {{7, 30, " INITIAL DATA HAVE BEEN READ SUCCESFULLY"}, {7, 70, "Now activate the command 'show details'."}},
                2900);
}

// Every read starts from the beginning of the file, also after a failed one, and reads the
// file as it now stands: the user may have corrected it since, in place or, as most editors
// save, by writing a new file over the old name. So the file is opened again by its name; one
// that has gone reads as an empty file.
void startFromTheBeginning() { REOPEN_UNIT(DATA_UNIT); }

// One read operation on the data file; a failure is reported with the group's message.
bool readGroup(std::span<const ReadTarget> targets, const Message& failure) {
    if (READ_VALUES(UNIT_FILE(DATA_UNIT), targets) == ReadStatus::Ok) return true;
    report(failure);
    return false;
}

std::vector<ReadTarget> firstElements(Vector<float, MAX_STAGES>& vector, int count) {
    std::vector<ReadTarget> targets;
    for (int k = 1; k <= count; ++k) targets.emplace_back(vector(k));
    return targets;
}

// N and T. They are kept only when they fit the arrays, so that no later command can run
// past them; a null value keeps the size read before.
bool readModelSize() {
    int32_t stages = STAGE_COUNT;
    int32_t periods = PERIOD_COUNT;
    if (!readGroup(std::vector<ReadTarget>{stages, periods}, HEADER_FAILURE)) return false;
    if (stages < 1 || stages > MAX_STAGES) {
        report(STAGES_OUT_OF_RANGE);
        return false;
    }
    if (periods < 0 || periods > MAX_PERIODS) {
        report(PERIODS_OUT_OF_RANGE);
        return false;
    }
    STAGE_COUNT = stages;
    PERIOD_COUNT = periods;
    return true;
}

// Row i of the matrix is read by its own operation; the first row that fails ends the read.
bool readMatrix() {
    for (int i = 1; i <= STAGE_COUNT; ++i) {
        std::vector<ReadTarget> row;
        for (int j = 1; j <= STAGE_COUNT; ++j) row.emplace_back(MATRIX_X(i, j));
        if (!readGroup(row, MATRIX_FAILURE)) return false;
    }
    return true;
}

// Flows of people are counted in whole persons, probabilities lie below 1: a single element
// of magnitude 1 or more makes the matrix X. The flags follow the matrix just read, so a P file
// read after a failed X file is not taken for X.
void tellXFromP() {
    bool counts = false;
    for (int i = 1; i <= STAGE_COUNT && !counts; ++i)
        for (int j = 1; j <= STAGE_COUNT && !counts; ++j) counts = std::fabs(MATRIX_X(i, j)) >= 1.0f;
    X_HOLDS_P = !counts;
    P_FROM_FILE = !counts;
}

// N values and the total in one operation.
bool readRecruitments() {
    std::vector<ReadTarget> targets = firstElements(INFLOWS, STAGE_COUNT);
    targets.emplace_back(TOTAL_INFLOW);
    return readGroup(targets, INFLOWS_FAILURE);
}

// A total of exactly 0 means the values are numbers of people; otherwise they are proportions
// of the total. Numbers too large for 32 bits would poison every later result, so they fail
// as the group itself does.
bool convertRecruitments() {
    if (TOTAL_INFLOW == 0.0f) {
        float sum = 0.0f;
        for (int k = 1; k <= STAGE_COUNT; ++k) sum += INFLOWS(k);
        TOTAL_INFLOW = sum;
    } else {
        for (int k = 1; k <= STAGE_COUNT; ++k) INFLOWS(k) = TOTAL_INFLOW * INFLOWS(k);
    }
    bool finite = std::isfinite(TOTAL_INFLOW);
    for (int k = 1; k <= STAGE_COUNT; ++k) finite = finite && std::isfinite(INFLOWS(k));
    if (!finite) report(INFLOWS_FAILURE);
    return finite;
}

// The stage number is right-aligned in 2 characters, in 3 from 100 on.
void writeDefaultLabels() {
    for (int k = 1; k <= STAGE_COUNT; ++k) {
        ROW_LABELS(k).assign("Ιδιότητα_" + RIGHT_ALIGNED(k, 2));
        COLUMN_LABELS(k).assign("Ομάδα" + RIGHT_ALIGNED(k, 2));
    }
}

// Groups 1 to 5, then the conversion of the recruitments; false after the failure's message.
bool readGroups() {
    if (!readModelSize() || !readMatrix()) return false;
    tellXFromP();
    if (!X_HOLDS_P && !readGroup(firstElements(OUTFLOWS, STAGE_COUNT), OUTFLOWS_FAILURE)) return false;
    if (!readGroup(firstElements(INITIAL_STOCKS, STAGE_COUNT), STOCKS_FAILURE)) return false;
    return readRecruitments() && convertRecruitments();
}

// A read that runs out of memory is a failed read like any other: nothing throws past here.
bool readGroupsWithinMemory() {
    try {
        return readGroups();
    } catch (const std::bad_alloc&) {
        report(NO_MEMORY);
        return false;
    }
}

}  // namespace

void READ_DATA(bool) {
    SET_COLOR(WHITE);
    RESET_MESSAGE_BUFFERS();

    // Chosen on the opening screen: the program ends once this command is over.
    if (WAITING_FOR_ENTER && !DATAFILE_OPEN) {
        SHOW_MESSAGE(".....THEN WAIT FOR A WHILE FOR ANYTHING ELSE TO DISAPPEAR..",
                     "    Since you didn't pressed the Enter button, the program is about to close... ",
                     MB_EXCLAMATION);
        REQUEST_EXIT();
    }
    if (!DATAFILE_OPEN) {
        showOpenFileFirst();
        return;
    }
    if (DATA_READ) {
        SHOW_MESSAGE("Data have been read in. Next step is to show (present) some details. ",
                     "Initial data have already been read ", MB_INFORMATION);
        return;
    }

    startFromTheBeginning();
    if (!readGroupsWithinMemory()) return;

    DATA_READ = true;
    writeDefaultLabels();
    showReadSuccessfully();
    CLOSE_UNIT(DATA_UNIT);
}

}  // namespace korvel
