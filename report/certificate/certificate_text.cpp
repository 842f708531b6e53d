#include "report/certificate/certificate_parts.h"

#include <cstdio>
#include <limits>

namespace korvel {

std::string NUMBER_TEXT(double value, int digits) {
    char text[64];
    std::snprintf(text, sizeof text, "%.*g", digits, value);
    return text;
}

std::string VERDICT(bool ok, const std::string& reason) { return ok ? "ok" : "inaccurate: " + reason; }

double RATIO(double a, double b) {
    if (b != 0.0) return a / b;
    return a == 0.0 ? 0.0 : std::numeric_limits<double>::infinity();
}

}  // namespace korvel
