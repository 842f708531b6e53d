#include "planning/csv_fields.h"

namespace korvel {

std::string READ_FIELD_LINES(std::istream& file, const std::string& name, const std::string& header,
                             const std::function<std::string(const std::string& line)>& take) {
    std::string line;
    int number = 0;
    bool header_seen = false;
    while (std::getline(file, line)) {
        ++number;
        line = TRIMMED_FIELD(line);
        if (line.empty()) continue;
        const std::string reason = !header_seen ? (line == header ? "" : "the first line must be " + header) : take(line);
        if (!reason.empty()) return name + " line " + std::to_string(number) + ": " + reason;
        header_seen = true;
    }
    return header_seen ? std::string() : name + ": the file is empty; its first line must be " + header;
}

}  // namespace korvel
