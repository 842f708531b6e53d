#pragma once
// How the bands of the report are sampled: `--samples S` and `--seed N`.

#include "planning/uncertainty/projection_bands.h"

#include <cstdint>
#include <string>

namespace korvel {

struct UNCERTAINTY_OPTIONS {
    int samples = DEFAULT_SAMPLES;
    std::uint64_t seed = DEFAULT_SEED;
};

// The value of each option into `options`; false after saying on standard error what is wrong.
bool READ_SAMPLES_OPTION(const std::string& text, UNCERTAINTY_OPTIONS& options);
bool READ_SEED_OPTION(const std::string& text, UNCERTAINTY_OPTIONS& options);

}  // namespace korvel
