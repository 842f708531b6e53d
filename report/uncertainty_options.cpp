#include "report/uncertainty_options.h"

#include <charconv>
#include <cstdio>

namespace korvel {

namespace {

// The two halves of the samples are compared: each needs one.
constexpr int MIN_SAMPLES = 2;

// A whole number of at least `least` in all of `text`; false after saying what is wrong.
template <typename Count>
bool readCount(const std::string& text, Count least, Count& count, const char* option) {
    Count value{};
    const std::from_chars_result read = std::from_chars(text.data(), text.data() + text.size(), value);
    if (read.ec != std::errc() || read.ptr != text.data() + text.size() || value < least) {
        std::fprintf(stderr, "korvel: %s needs a whole number of at least %lld, not '%s'\n", option,
                     static_cast<long long>(least), text.c_str());
        return false;
    }
    count = value;
    return true;
}

}  // namespace

bool READ_SAMPLES_OPTION(const std::string& text, UNCERTAINTY_OPTIONS& options) {
    return readCount(text, MIN_SAMPLES, options.samples, "--samples");
}

bool READ_SEED_OPTION(const std::string& text, UNCERTAINTY_OPTIONS& options) {
    return readCount<std::uint64_t>(text, 0, options.seed, "--seed");
}

}  // namespace korvel
