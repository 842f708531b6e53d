#pragma once
// The certificate's line on the sampled bands: how far their 5 % and 95 % points could still
// move with more samples.

#include "report/certificate/accuracy_certificate.h"

namespace korvel {

// `spread`: the largest distance between the points of the two halves of `samples` samples, as
// a share of the band's width.
CertificateLine MONTE_CARLO_LINE(double spread, int samples);

}  // namespace korvel
