#include "frontends/qt/programlauncher.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QProcess>
#include <QStandardPaths>

#include <algorithm>
#include <iterator>

namespace korvel {

namespace {

// Editors that need a terminal to run in.
const char* const TERMINAL_EDITORS[] = {"vi", "vim", "nvim", "nano", "pico", "micro", "joe", "jed", "ne", "mg", "ed"};

// Desktop editors, tried in this order when neither $VISUAL nor $EDITOR starts.
const char* const DESKTOP_EDITORS[] = {"gnome-text-editor", "gedit", "kate",       "kwrite",
                                       "mousepad",          "xed",   "featherpad", "pluma", "leafpad"};

// The share folder beside the program's own bin folder: /usr/share/korvel for /usr/bin/korvel.
QString shareFolder() { return QCoreApplication::applicationDirPath() + QStringLiteral("/../share/korvel"); }

bool startWords(QStringList words) {
    if (words.isEmpty()) return false;
    const QString program = QStandardPaths::findExecutable(words.takeFirst());
    return !program.isEmpty() && QProcess::startDetached(program, words);
}

bool runsInTerminal(const QString& program) {
    const QString name = QFileInfo(program).fileName();
    return std::any_of(std::begin(TERMINAL_EDITORS), std::end(TERMINAL_EDITORS),
                       [&](const char* editor) { return name == QLatin1String(editor); });
}

bool startEditor(const QString& commandLine) {
    QStringList words = QProcess::splitCommand(commandLine);
    if (words.isEmpty()) return false;
    if (runsInTerminal(words.first())) words = QStringList{QStringLiteral("x-terminal-emulator"), QStringLiteral("-e")} + words;
    return startWords(words);
}

}  // namespace

bool ProgramLauncher::run(const QString& commandLine) { return startWords(QProcess::splitCommand(commandLine)); }

bool ProgramLauncher::runTextEditor() {
    for (const char* variable : {"VISUAL", "EDITOR"}) {
        const QString chosen = qEnvironmentVariable(variable).trimmed();
        if (!chosen.isEmpty() && startEditor(chosen)) return true;
    }
    return std::any_of(std::begin(DESKTOP_EDITORS), std::end(DESKTOP_EDITORS),
                       [](const char* editor) { return startWords({QString::fromLatin1(editor)}); });
}

bool ProgramLauncher::openDocument(const QString& path, QObject* owner, Failure failed) {
    const QString opener = QStandardPaths::findExecutable(QStringLiteral("xdg-open"));
    if (opener.isEmpty()) {
        failed();
        return false;
    }
    // xdg-open may stay until the viewer ends; its exit status tells whether one could start.
    auto* process = new QProcess(owner);
    process->setProcessChannelMode(QProcess::ForwardedChannels);
    process->setStandardInputFile(QProcess::nullDevice());
    QObject::connect(process, &QProcess::finished, process, [process, failed](int code, QProcess::ExitStatus status) {
        if (status != QProcess::NormalExit || code != 0) failed();
        process->deleteLater();
    });
    process->start(opener, {path});
    if (process->waitForStarted()) return true;
    delete process;
    failed();
    return false;
}

QString ProgramLauncher::documentPath(const QString& name) {
    const QFileInfo here(name);
    if (here.exists()) return here.absoluteFilePath();
    const QFileInfo installed(QDir(shareFolder()), name);
    return installed.exists() ? installed.canonicalFilePath() : here.absoluteFilePath();
}

}  // namespace korvel
