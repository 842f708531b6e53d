// Korvel's entry: the desktop window layer on the main thread, the main routine on its own.

#include "frontends/qt/qtwindowlayer.h"
#include "records/model_from_command.h"
#include "report/report_command.h"
#include "shell/menu_bar.h"
#include "shell/startup.h"

#include <QApplication>

#include <cstdio>
#include <cstdlib>
#include <cstring>
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

// The two options every installed program answers; the report's and the records' own;
// everything else is left to Qt.
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

}  // namespace

int main(int argc, char* argv[]) {
    if (argc == 2 && answerOption(argv[1])) return EXIT_SUCCESS;
    // The report and the model from records need no display: they never start Qt.
    if (korvel::ASKS_FOR_REPORT(argc, argv)) return korvel::REPORT_MAIN(argc, argv);
    if (korvel::ASKS_FOR_MODEL_FROM(argc, argv)) return korvel::MODEL_FROM_MAIN(argc, argv);
    QApplication app(argc, argv);
    korvel::QtWindowLayer layer;
    korvel::INSTALL_LAYER(&layer);
    korvel::INSTALL_OBSERVER(&layer);
    korvel::INITIALSETTINGS();
    layer.showFrame();
    // The main routine never returns: it idles once start-up is over.
    std::thread(korvel::KORVEL_EN).detach();
    const int status = QApplication::exec();
    // The idling thread is never joined, and nothing may be torn down under it.
    std::fflush(nullptr);
    std::quick_exit(status);
}
