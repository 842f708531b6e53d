#pragma once
// Starts other programs without waiting for them: a command line, a plain-text editor, or the
// desktop's viewer of a document. What cannot be started is told through `failed`.

#include <QString>

#include <functional>

class QObject;

namespace korvel {

class ProgramLauncher {
public:
    using Failure = std::function<void()>;

    static bool run(const QString& commandLine);
    // The first of $VISUAL, $EDITOR and the common desktop editors that starts; an editor
    // made for a terminal is started in the desktop's terminal emulator.
    static bool runTextEditor();
    // The document opened by xdg-open, which picks the desktop's viewer; `failed` runs when it
    // cannot be started, or reports later that no viewer could show the document.
    static bool openDocument(const QString& path, QObject* owner, Failure failed);
    // The working directory's file of that name when there is one, else the one installed
    // in Korvel's share folder, else the working directory's (missing) file.
    static QString documentPath(const QString& name);
};

}  // namespace korvel
