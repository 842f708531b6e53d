// Korvel's entry: the desktop window layer on the main thread, the main routine on its own.

#include "present/window/qt/qtwindowlayer.h"
#include "shell/menu_bar.h"
#include "shell/startup.h"

#include <QApplication>

#include <cstdio>
#include <cstdlib>
#include <thread>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    korvel::QtWindowLayer layer;
    korvel::INSTALL_LAYER(&layer);
    korvel::INITIALSETTINGS();
    layer.showFrame();
    // The main routine never returns: it idles once start-up is over.
    std::thread(korvel::KORVEL_EN).detach();
    const int status = QApplication::exec();
    // The idling thread is never joined, and nothing may be torn down under it.
    std::fflush(nullptr);
    std::quick_exit(status);
}
