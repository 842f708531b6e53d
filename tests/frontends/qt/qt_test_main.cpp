// Runs the Qt layer's tests headless, with the QApplication they need.

#include <gtest/gtest.h>

#include <QApplication>
#include <QDir>

#include <cstdio>
#include <cstdlib>
#include <string>
#include <sys/stat.h>
#include <unistd.h>

namespace {

// Test discovery runs this binary without the test environment: pick the headless platform
// and a private runtime folder here, and a locale whose short date is dd/MM/yyyy.
void prepareEnvironment() {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    qputenv("LC_ALL", "en_GB.UTF-8");
    if (qEnvironmentVariableIsEmpty("XDG_RUNTIME_DIR")) {
        const std::string folder = QDir::tempPath().toStdString() + "/korvel-qt-tests-" + std::to_string(::getuid());
        ::mkdir(folder.c_str(), 0700);
        ::chmod(folder.c_str(), 0700);
        qputenv("XDG_RUNTIME_DIR", folder.c_str());
    }
}

QtMessageHandler g_standardHandler = nullptr;

// The headless platform tells of every window feature it lacks; those lines are noise here.
void quietHandler(QtMsgType type, const QMessageLogContext& context, const QString& message) {
    if (message.startsWith(QLatin1String("This plugin does not support"))) return;
    g_standardHandler(type, context, message);
}

}  // namespace

int main(int argc, char* argv[]) {
    prepareEnvironment();
    g_standardHandler = qInstallMessageHandler(quietHandler);
    QApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    const int result = RUN_ALL_TESTS();
    // The start-up test leaves the main routine's thread idling: it is never joined, and the
    // layer it uses must not be torn down under it.
    std::fflush(nullptr);
    std::_Exit(result);
}
