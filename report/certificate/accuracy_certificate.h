#pragma once
// The accuracy certificate: how far the program can trust its own results for the model now
// held in the shared state. Each line names what it certifies, the measure, the value, the
// threshold it is judged by and a plain verdict. It is computed in double precision from the
// same routines the commands use, and never shown on the screens.

#include <string>
#include <vector>

namespace korvel {

struct CertificateLine {
    std::string subject;    // what is certified, e.g. "Root 2 (0.8123 + 0.0412i)", "[I - P] inverse"
    std::string measure;    // e.g. "scaled residual", "condition number", "cost J rounded / unrounded"
    std::string value;      // the value as shown, e.g. "0.37", "1.2e+07 (about 0 correct digits)"
    std::string threshold;  // the stated threshold, e.g. "ok below 100"
    std::string verdict;    // "ok" or "inaccurate: ..."
};

// The certificate of the model now held in the shared state: the eigen pairs of P (when P is
// formed), the inverse of [I - P] (when P is formed) and the optimal control (when it ran).
// Empty when no data have been read.
std::vector<CertificateLine> ACCURACY_CERTIFICATE();

}  // namespace korvel
