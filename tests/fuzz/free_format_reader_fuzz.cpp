// Fuzz target of the free-format reader: any bytes as a data file, read first in the groups a
// data file has, then as lines of mixed integers and reals. A read may fail, but must never
// touch memory it does not own, hang, or store a real that is not finite.

#include "model/free_format_reader.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <vector>

namespace {

using korvel::READ_VALUES;
using korvel::ReadStatus;
using korvel::ReadTarget;

constexpr int MAX_STAGES = 55;

void requireFinite(const std::vector<float>& values) {
    for (float value : values)
        if (!std::isfinite(value)) std::abort();
}

// `count` reals in one operation.
bool readReals(std::FILE* file, int count) {
    std::vector<float> values(static_cast<size_t>(count), 0.0f);
    const std::vector<ReadTarget> targets(values.begin(), values.end());
    const bool ok = READ_VALUES(file, targets) == ReadStatus::Ok;
    requireFinite(values);
    return ok;
}

// Header, matrix rows, outflows, initial stocks, recruitments with their total.
void readAsDataFile(std::FILE* file) {
    int32_t stages = 0;
    int32_t periods = 0;
    if (READ_VALUES(file, std::vector<ReadTarget>{stages, periods}) != ReadStatus::Ok) return;
    const int n = std::clamp(stages, 1, MAX_STAGES);
    for (int i = 1; i <= n; ++i)
        if (!readReals(file, n)) return;
    if (readReals(file, n) && readReals(file, n)) readReals(file, n + 1);
}

// Operations of 1 to 7 values, integers and reals interleaved, to the end of the file.
void readMixed(std::FILE* file) {
    for (int operation = 0;; ++operation) {
        const int count = operation % 7 + 1;
        std::vector<int32_t> integers(static_cast<size_t>(count), 0);
        std::vector<float> reals(static_cast<size_t>(count), 0.0f);
        std::vector<ReadTarget> targets;
        for (int k = 0; k < count; ++k) {
            if ((operation + k) % 3 == 0)
                targets.emplace_back(integers[static_cast<size_t>(k)]);
            else
                targets.emplace_back(reals[static_cast<size_t>(k)]);
        }
        const ReadStatus status = READ_VALUES(file, targets);
        requireFinite(reals);
        if (status == ReadStatus::EndOfFile) return;
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    std::vector<char> bytes(data, data + size);
    bytes.reserve(size + 1);  // an empty file still needs a buffer to open
    std::FILE* file = fmemopen(bytes.data(), bytes.size(), "r");
    if (file == nullptr) return 0;
    readAsDataFile(file);
    std::rewind(file);
    readMixed(file);
    std::fclose(file);
    return 0;
}
