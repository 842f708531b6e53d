#pragma once
// A scenario played from end to end by korvel_replay in a temporary folder.

#include <gtest/gtest.h>

#include <unistd.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>
#include <utility>
#include <vector>

namespace korvel {

struct ReplayRun {
    int status = -1;
    std::vector<std::string> lines;  // the transcript, with standard error mixed in
};

inline ReplayRun replay(const std::string& scenario) {
    namespace fs = std::filesystem;
    std::string pattern = ::testing::TempDir() + "korvel-e2e-XXXXXX";
    if (::mkdtemp(pattern.data()) == nullptr) return {};
    const fs::path path = fs::path(pattern) / "run.scn";
    std::ofstream(path) << scenario;
    ReplayRun run;
    const std::string command = std::string(KORVEL_REPLAY) + " " + path.string() + " 2>&1";
    if (std::FILE* output = ::popen(command.c_str(), "r")) {
        std::string line;
        for (int c = std::fgetc(output); c != EOF; c = std::fgetc(output)) {
            if (c != '\n') line += static_cast<char>(c);
            else run.lines.push_back(std::exchange(line, {}));
        }
        run.status = ::pclose(output);
    }
    fs::remove_all(pattern);
    return run;
}

}  // namespace korvel
