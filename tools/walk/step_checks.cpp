#include "tools/walk/step_checks.h"

#include "model/model_state.h"

#include <cmath>
#include <set>
#include <sstream>

namespace korvel {

namespace {

// A value that is not finite, as the table formats write it ("NaN", "Infinity", "Inf") or as a
// number is written plainly ("nan", "inf"), standing alone in its quotes or between blanks.
bool isNonFiniteText(const std::string& text) {
    static const std::set<std::string> forms = {"NaN", "Infinity", "-Infinity", "Inf", "-Inf",
                                                "nan", "-nan", "inf", "-inf"};
    std::istringstream words(text);
    for (std::string word; words >> word;)
        if (forms.count(word) != 0) return true;
    return false;
}

bool showsNonFinite(const std::string& line) {
    size_t open = line.find('"');
    if (isNonFiniteText(line.substr(0, open))) return true;
    while (open != std::string::npos) {
        const size_t close = line.find('"', open + 1);
        if (close == std::string::npos) return false;
        if (isNonFiniteText(line.substr(open + 1, close - open - 1))) return true;
        open = line.find('"', close + 1);
    }
    return false;
}

bool isWorkingFile(const std::string& name) {
    return name == "XINVF" || name == "FEEDBACK" || name == "g_vector" || name == ",tempnames" ||
           name.rfind("fort.", 0) == 0;
}

template <typename T, int N>
bool allFinite(const Vector<T, N>& vector, int count) {
    for (int k = 1; k <= count; ++k)
        if (!std::isfinite(vector(k))) return false;
    return true;
}

}  // namespace

std::vector<std::string> NON_FINITE_SHOWN(const std::vector<std::string>& lines) {
    std::vector<std::string> found;
    for (const std::string& line : lines)
        if ((line.rfind("msgbox", 0) != 0 && line.rfind("file-dialog", 0) != 0) && showsNonFinite(line))
            found.push_back("a value that is not finite is shown: " + line);
    return found;
}

std::vector<std::string> SOLVER_STOPS(const std::vector<std::string>& lines) {
    std::vector<std::string> found;
    for (const std::string& line : lines)
        if (line.rfind("write ", 0) == 0 && (line.find("FATAL") != std::string::npos || line.find("TERMINAL") != std::string::npos))
            found.push_back("the eigen-solver stops the program: " + line);
    return found;
}

std::vector<std::string> WORKING_FILES_LEFT(const std::filesystem::path& work_dir,
                                            const std::filesystem::path& temp_dir) {
    std::vector<std::string> found;
    for (const auto& entry : std::filesystem::directory_iterator(work_dir))
        if (isWorkingFile(entry.path().filename().string()))
            found.push_back("a working file is left: " + entry.path().filename().string());
    // The run's private working place (korvel-PID-...) lives as long as the program and keeps the
    // working files' contents under hidden names; a file by a working file's own name must be gone.
    for (const auto& entry : std::filesystem::directory_iterator(temp_dir)) {
        if (entry.is_directory() && entry.path().filename().string().rfind("korvel-", 0) == 0) {
            for (const auto& kept : std::filesystem::directory_iterator(entry.path()))
                if (kept.path().filename().string().rfind('.', 0) != 0)
                    found.push_back("a working file is left: " + kept.path().string());
            continue;
        }
        found.push_back("a temporary file is left: " + entry.path().string());
    }
    return found;
}

std::vector<std::string> INCONSISTENT_MODEL() {
    std::vector<std::string> found;
    const auto require = [&found](bool holds, const char* what) {
        if (!holds) found.push_back(std::string("inconsistent model: ") + what);
    };
    require(!P_FROM_FILE || X_HOLDS_P, "the file gave P, but the matrix is not P");
    require(!CONTROL_SOLVED || (DATA_READ && X_HOLDS_P), "control solved without P formed from data read");
    if (!DATA_READ) return found;
    const int n = STAGE_COUNT;
    require(n >= 1 && n <= MAX_STAGES, "data read with N out of range");
    require(PERIOD_COUNT >= 0 && PERIOD_COUNT <= MAX_PERIODS, "data read with T out of range");
    if (!found.empty()) return found;
    bool finite = std::isfinite(TOTAL_INFLOW) && allFinite(INITIAL_STOCKS, n) && allFinite(INFLOWS, n) &&
                  allFinite(OUTFLOWS, X_HOLDS_P && P_FROM_FILE ? 0 : n);
    for (int i = 1; i <= n; ++i)
        for (int j = 1; j <= n; ++j) finite = finite && std::isfinite(MATRIX_X(i, j));
    require(finite, "data read that are not finite");
    return found;
}

}  // namespace korvel
