// Korvel's entry: the desktop window layer on the main thread, the main routine on its own.

#include "frontends/qt/qtwindowlayer.h"
#include "present/graph/line_graph.h"
#include "records/model_from_command.h"
#include "report/report_command.h"
#include "shell/menu_bar.h"
#include "shell/startup.h"

#include <QApplication>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string_view>
#include <thread>

namespace {

constexpr const char* USAGE =
    "Usage: korvel [OPTION]\n"
    "Plan the personnel stocks of an organisation as an open Markov system.\n"
    "Korvel is used through the menus of its window; start it in the folder of your data files.\n"
    "\n"
    "      --help     display this help and exit\n"
    "      --version  output version information and exit\n"
    "\n"
    "%s"
    "\n"
    "%s"
    "\n"
    "The instructions are in HelpText.htm, in the working folder or in /usr/share/korvel.\n";

// The two options every installed program answers.
bool answerOption(const char* option) {
    if (std::strcmp(option, "--version") == 0) {
        std::printf("korvel %s\n", KORVEL_VERSION);
        return true;
    }
    if (std::strcmp(option, "--help") == 0) {
        std::printf(USAGE, korvel::REPORT_USAGE, korvel::MODEL_FROM_USAGE);
        return true;
    }
    return false;
}

// Every option the program knows, the report's and the records' among them, and whether a value follows it
// (`--out DIR` or `--out=DIR`). A new option is one more row.
struct KnownOption {
    std::string_view name;
    bool takes_value;
};
constexpr KnownOption KNOWN_OPTIONS[] = {
    {"--help", false},    {"--version", false}, {"--report", true}, {"--out", true},
    {"--control", true},  {"--force", false},   {"--quiet", false},  {"--model-from", true},
    {"--stages", true},   {"--columns", true},  {"--periods", true}, {"--horizon", true},
    {"--recruits", true}, {"--limits", true}, {"--samples", true}, {"--seed", true}, {"--names", true},
    {"--target", true},   {"--max-periods", true},
};

// The first argument that is neither a known option nor the value of one; nullptr when none.
const char* unknownOption(int argc, char* argv[]) {
    for (int k = 1; k < argc; ++k) {
        const std::string_view argument = argv[k];
        const std::string_view name = argument.substr(0, argument.find('='));
        const KnownOption* known = std::find_if(std::begin(KNOWN_OPTIONS), std::end(KNOWN_OPTIONS),
                                                [&](const KnownOption& option) { return option.name == name; });
        if (known == std::end(KNOWN_OPTIONS) || (!known->takes_value && name != argument)) return argv[k];
        if (known->takes_value && name == argument) ++k;
    }
    return nullptr;
}

constexpr int WRONG_COMMAND_LINE = 2;

}  // namespace

int main(int argc, char* argv[]) {
    // Told before anything starts: a mistyped option must not open the desktop instead.
    if (const char* unknown = unknownOption(argc, argv)) {
        std::fprintf(stderr, "korvel: unknown option %s; try 'korvel --help'\n", unknown);
        return WRONG_COMMAND_LINE;
    }
    if (argc == 2 && answerOption(argv[1])) return EXIT_SUCCESS;
    // The report and the model from records need no display: they never start Qt.
    if (korvel::ASKS_FOR_REPORT(argc, argv)) return korvel::REPORT_MAIN(argc, argv);
    if (korvel::ASKS_FOR_MODEL_FROM(argc, argv)) return korvel::MODEL_FROM_MAIN(argc, argv);
    QApplication app(argc, argv);
    korvel::QtWindowLayer layer;
    korvel::INSTALL_LAYER(&layer);
    korvel::INSTALL_OBSERVER(&layer);
    layer.setGraphDrawing(korvel::LINESGRAPH_AGAIN);
    korvel::INITIALSETTINGS();
    layer.showFrame();
    // The main routine never returns: it idles once start-up is over.
    std::thread(korvel::KORVEL_EN).detach();
    const int status = QApplication::exec();
    // The idling thread is never joined, and nothing may be torn down under it.
    std::fflush(nullptr);
    std::quick_exit(status);
}
