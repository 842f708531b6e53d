#pragma once
// The program run as a planner runs it for a report, in a temporary folder of the test's own.

#include <gtest/gtest.h>

#include <stdlib.h>
#include <sys/wait.h>

#include <algorithm>
#include <cctype>
#include <cmath>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <utility>
#include <vector>

namespace korvel {

namespace fs = std::filesystem;

inline const fs::path EXAMPLES = KORVEL_EXAMPLES;

struct CommandRun {
    int status = -1;
    std::string output;
};

inline CommandRun runCommand(const std::string& command) {
    CommandRun run;
    if (std::FILE* pipe = ::popen(command.c_str(), "r")) {
        char buffer[4096];
        for (size_t read; (read = std::fread(buffer, 1, sizeof buffer, pipe)) > 0;) run.output.append(buffer, read);
        const int status = ::pclose(pipe);
        run.status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    }
    return run;
}

inline std::string quotedPath(const fs::path& path) { return "'" + path.string() + "'"; }

inline std::string fileText(const fs::path& path) {
    std::ifstream file(path, std::ios::binary);
    std::stringstream text;
    text << file.rdbuf();
    return text.str();
}

// A folder removed with everything in it at the end of the test.
class TempFolder {
public:
    TempFolder() {
        std::string pattern = ::testing::TempDir() + "korvel-report-test-XXXXXX";
        if (::mkdtemp(pattern.data()) != nullptr) m_path = pattern;
    }
    ~TempFolder() {
        std::error_code error;
        fs::remove_all(m_path, error);
    }
    const fs::path& path() const { return m_path; }

private:
    fs::path m_path;
};

// `korvel --report DATA --out OUT [--control CONTROL] EXTRA`, both output streams together.
inline CommandRun runReport(const fs::path& data, const fs::path& out, const fs::path& control = {},
                            const std::string& extra = "--quiet") {
    std::string command = std::string(KORVEL_PROGRAM) + " --report " + quotedPath(data) + " --out " + quotedPath(out);
    if (!control.empty()) command += " --control " + quotedPath(control);
    return runCommand(command + ' ' + extra + " 2>&1");
}

// The cells of a CSV text, line by line.
inline std::vector<std::vector<std::string>> csvCells(const std::string& csv) {
    std::vector<std::vector<std::string>> lines(1);
    std::string cell;
    bool quoted = false;
    for (size_t k = 0; k < csv.size(); ++k) {
        const char c = csv[k];
        if (c == '"') {
            if (quoted && k + 1 < csv.size() && csv[k + 1] == '"') cell += csv[++k];
            else quoted = !quoted;
        } else if (quoted || (c != ',' && c != '\r' && c != '\n')) {
            cell += c;
        } else if (c != '\r') {
            lines.back().push_back(std::exchange(cell, {}));
            if (c == '\n') lines.emplace_back();
        }
    }
    lines.pop_back();
    return lines;
}

// The numbers of a table file below its heading line, without the first column (the period or
// the stage); an empty cell is NaN.
inline std::vector<std::vector<double>> csvNumbers(const fs::path& csv) {
    std::vector<std::vector<double>> rows;
    const std::vector<std::vector<std::string>> cells = csvCells(fileText(csv));
    for (size_t r = 1; r < cells.size(); ++r) {
        rows.emplace_back();
        for (size_t c = 1; c < cells[r].size(); ++c)
            rows.back().push_back(cells[r][c].empty() ? std::nan("") : std::stod(cells[r][c]));
    }
    return rows;
}

inline size_t occurrences(const std::string& text, const std::string& part) {
    size_t found = 0;
    for (size_t at = text.find(part); at != std::string::npos; at = text.find(part, at + 1)) ++found;
    return found;
}

// The CSV files of the program's tables, in order (the certificate's aside).
inline std::vector<fs::path> csvFiles(const fs::path& folder) {
    std::vector<fs::path> files;
    for (const fs::directory_entry& entry : fs::directory_iterator(folder))
        if (entry.path().extension() == ".csv" && std::isdigit(entry.path().filename().string()[0]))
            files.push_back(entry.path());
    std::sort(files.begin(), files.end());
    return files;
}

// The table file of `folder` named `name` after its running number, which the tables before it
// set; `folder / name` when there is none.
inline fs::path numbered(const fs::path& folder, const std::string& name) {
    for (const fs::path& file : csvFiles(folder))
        if (file.filename().string().substr(3) == name) return file;
    return folder / name;
}

}  // namespace korvel
