#pragma once
// The section on how sure the numbers are: the interval of every rate of P and w*, and the bands
// on the projected stocks and the steady state, from P drawn from the counts' posterior.

#include "planning/uncertainty/flow_counts.h"
#include "report/certificate/accuracy_certificate.h"
#include "report/report_content.h"
#include "report/uncertainty_options.h"

#include <optional>
#include <vector>

namespace korvel {

inline constexpr const char* UNCERTAINTY_TITLE = "Uncertainty of the rates and projections";

// The section's tables, beyond the program's own kinds.
enum UncertaintyTableKind : int {
    RATE_INTERVAL_MATRIX_TABLE = 101,  // on the page, in the P table's layout
    STOCK_BANDS_TABLE,                 // on the page: a row per period
    RATE_INTERVALS_TABLE,              // files only: a line per rate
    PROJECTION_BANDS_TABLE,            // files only: a line per period and series
};
// The file name of such a table; nullptr for any other kind.
const char* UNCERTAINTY_TABLE_NAME(int kind);

// Adds the section for the model in the shared state, whose P the details have formed (or not);
// `counts` are what the data file gave before, nothing when it gave P. Returns the certificate's
// lines on the sampling.
std::vector<CertificateLine> ADD_UNCERTAINTY_SECTION(REPORT_CONTENT& content, const std::optional<FLOW_COUNTS>& counts,
                                                     const UNCERTAINTY_OPTIONS& options);

}  // namespace korvel
