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


// Adds the section for the model in the shared state, whose P the details have formed (or not);
// `counts` are what the data file gave before, nothing when it gave P. Returns the certificate's
// lines on the sampling.
std::vector<CertificateLine> ADD_UNCERTAINTY_SECTION(REPORT_CONTENT& content, const std::optional<FLOW_COUNTS>& counts,
                                                     const UNCERTAINTY_OPTIONS& options);

}  // namespace korvel
