// korvel_replay SCENARIO: plays a scenario through the scripted window layer in a fresh, empty
// temporary working directory and prints the transcript. Exit status 0 when the scenario passed;
// otherwise each failure is printed on standard error.

#include "tools/replay/scenario_parser.h"
#include "tools/replay/scenario_runner.h"
#include "frontends/headless/script/scripted_window_layer.h"
#include "shell/menu_bar.h"
#include "shell/startup.h"

#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <sstream>

namespace {

// The process ends here, not by returning: the main routine's thread never returns.
[[noreturn]] void finish(int status) {
    std::cout.flush();
    std::cerr.flush();
    std::fflush(nullptr);
    std::_Exit(status);
}

[[noreturn]] void fail(const std::string& message) {
    std::cerr << "replay: " << message << '\n';
    finish(1);
}

std::string readFile(const std::filesystem::path& path) {
    std::ifstream file(path, std::ios::binary);
    if (!file) fail("cannot read the scenario " + path.string());
    std::ostringstream content;
    content << file.rdbuf();
    return content.str();
}

std::filesystem::path makeWorkingDirectory() {
    std::string pattern = (std::filesystem::temp_directory_path() / "korvel-replay-XXXXXX").string();
    if (::mkdtemp(pattern.data()) == nullptr) fail("cannot make a temporary working directory");
    return std::filesystem::canonical(pattern);
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::cerr << "usage: korvel_replay SCENARIO\n";
        finish(2);
    }
    const std::filesystem::path scenario_path = std::filesystem::absolute(argv[1]);
    const korvel::ParsedScenario parsed = korvel::parseScenario(readFile(scenario_path));
    if (!parsed.error.empty()) fail(parsed.error);

    const std::filesystem::path work_dir = makeWorkingDirectory();
    std::filesystem::current_path(work_dir);

    static korvel::ScriptedWindowLayer layer(std::cout);
    layer.transcript().setWorkingDirectory(work_dir.string());
    korvel::INSTALL_SCRIPTED_LAYER(&layer);
    korvel::ScenarioRunner runner(layer, {korvel::INITIALSETTINGS, korvel::KORVEL_EN}, scenario_path.parent_path(), work_dir);
    const std::vector<std::string> failures = runner.run(parsed.scenario);

    std::error_code ignored;
    std::filesystem::current_path(std::filesystem::temp_directory_path(), ignored);
    std::filesystem::remove_all(work_dir, ignored);

    for (const std::string& failure : failures) std::cerr << "replay: " << failure << '\n';
    finish(failures.empty() ? 0 : 1);
}
