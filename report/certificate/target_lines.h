#pragma once
// The certificate's lines on the target structure's programmes: how far each solution breaks a
// constraint of its programme.

#include "report/certificate/accuracy_certificate.h"

#include <string>

namespace korvel {

// `measure` names the programme; `violation` is its largest broken constraint as a share of
// the target's largest stock.
CertificateLine TARGET_VIOLATION_LINE(const std::string& measure, double violation);

}  // namespace korvel
