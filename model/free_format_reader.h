#pragma once
// The free-format reader of the data file and of the optimal control input. One read operation
// takes a list of values into their destinations:
// - it starts at the beginning of the next unread line and goes on over as many lines as it
//   needs; whatever stands after its last value on its last line is ignored;
// - values are separated by blanks, by a comma with or without blanks around it, or by a line
//   end; r*v stands for r copies of v, and r* for r null values;
// - a null value (nothing between two commas, or a comma before the first value) leaves its
//   destination unchanged; a slash ends the operation, leaving the rest unchanged;
// - values are stored as they are read, so a failure keeps those read before it;
// - memory is bounded whatever the file: only the token being read is held, and a token longer
//   than any number stops the operation at once.

#include <cstdint>
#include <cstdio>
#include <span>
#include <string_view>

namespace korvel {

enum class ReadStatus {
    Ok,
    BadValue,   // text that is not a number of the kind required
    EndOfFile,  // the file ended before every value was read
};

// One destination; its type says which kind of number it takes.
class ReadTarget {
public:
    ReadTarget(int32_t& integer) : m_integer(&integer) {}  // NOLINT: a destination converts
    ReadTarget(float& real) : m_real(&real) {}             // NOLINT
    // Converts and stores `token`; false when it is not a number of this destination's kind.
    bool store(std::string_view token) const;

private:
    int32_t* m_integer = nullptr;
    float* m_real = nullptr;
};

// One read operation on `file` (a missing file reads as an empty one).
ReadStatus READ_VALUES(std::FILE* file, std::span<const ReadTarget> targets);

}  // namespace korvel
