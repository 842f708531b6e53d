#include "report/certificate/accuracy_certificate.h"

#include "control/control_state.h"
#include "model/model_state.h"
#include "report/certificate/certificate_parts.h"

namespace korvel {

std::vector<CertificateLine> ACCURACY_CERTIFICATE() {
    std::vector<CertificateLine> lines;
    if (!DATA_READ || !X_HOLDS_P) return lines;
    for (auto part : {ROOT_LINES, INVERSE_LINES}) {
        const std::vector<CertificateLine> more = part();
        lines.insert(lines.end(), more.begin(), more.end());
    }
    if (CONTROL_SOLVED && STAGE_COUNT <= MAX_CONTROL_STAGES) {
        const std::vector<CertificateLine> more = CONTROL_LINES();
        lines.insert(lines.end(), more.begin(), more.end());
    }
    return lines;
}

}  // namespace korvel
