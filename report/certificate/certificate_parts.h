#pragma once
// The three parts of the certificate and the texts they share.

#include "report/certificate/accuracy_certificate.h"

#include <string>
#include <vector>

namespace korvel {

// The eigen pairs of P in MATRIX_X: per root the scaled residual and the solver's own index.
std::vector<CertificateLine> ROOT_LINES();
// The inverse M of [I - P]: its residual and its condition number.
std::vector<CertificateLine> INVERSE_LINES();
// The optimal control: the cost of the rounded trajectory beside that of the unrounded one,
// for all stages together, then stage by stage.
std::vector<CertificateLine> CONTROL_LINES();

// A value with `digits` significant digits, as printf's %g writes it: "0.37", "1.2e+07".
std::string NUMBER_TEXT(double value, int digits);
// "ok", or "inaccurate: " and the reason.
std::string VERDICT(bool ok, const std::string& reason);
// a / b, where 0 / 0 is 0 and any other division by 0 infinite: a residual of nothing is exact.
double RATIO(double a, double b);

}  // namespace korvel
