#pragma once
// Tables of what the commands draw as text, so that the files hold what the page shows: the
// stability verdict, and each stage's comparison statistics.

#include "report/report_content.h"

#include <string>

namespace korvel {

// Leaves out of the section's drawn texts the lines that ask for Enter: nothing waits for it
// in a file or on the page.
void DROP_ENTER_PROMPTS(REPORT_SECTION& section);

// Adds to the section the table of the stability verdict it drew, if any: one cell headed
// "Stability", the verdict as the program shows it.
void ADD_VERDICT_TABLE(REPORT_SECTION& section);

// The comparison statistics of the stages, headed Stage, RMSE and U; no rows yet.
REPORT_TABLE STATISTICS_TABLE();
// Adds the row of `stage` with the statistics its trajectory section drew, if it drew them.
void ADD_STATISTICS_ROW(REPORT_TABLE& statistics, const std::string& stage, const REPORT_SECTION& section);

}  // namespace korvel
