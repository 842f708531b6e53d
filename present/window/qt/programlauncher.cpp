#include "present/window/qt/programlauncher.h"

#include <QDesktopServices>
#include <QFileInfo>
#include <QProcess>
#include <QStandardPaths>
#include <QUrl>

namespace korvel {

bool ProgramLauncher::run(const QString& commandLine) {
    QStringList words = QProcess::splitCommand(commandLine);
    if (words.isEmpty()) return false;
    const QString program = words.takeFirst();
    return QProcess::startDetached(program, words);
}

QString ProgramLauncher::textEditor() {
#if defined(Q_OS_WIN)
    return QStringLiteral("notepad.exe");
#elif defined(Q_OS_MACOS)
    return QStringLiteral("open");
#else
    static const char* const EDITORS[] = {"gnome-text-editor", "gedit",    "kate",    "mousepad", "xed",
                                          "pluma",             "featherpad", "leafpad", "kwrite"};
    for (const char* editor : EDITORS) {
        const QString found = QStandardPaths::findExecutable(QString::fromLatin1(editor));
        if (!found.isEmpty()) return found;
    }
    return QString();
#endif
}

bool ProgramLauncher::runTextEditor() {
    const QString editor = textEditor();
    if (editor.isEmpty()) return false;
#if defined(Q_OS_MACOS)
    return QProcess::startDetached(editor, {QStringLiteral("-a"), QStringLiteral("TextEdit")});
#else
    return QProcess::startDetached(editor, {});
#endif
}

bool ProgramLauncher::openDocument(const QString& path) {
    return QDesktopServices::openUrl(QUrl::fromLocalFile(QFileInfo(path).absoluteFilePath()));
}

}  // namespace korvel
