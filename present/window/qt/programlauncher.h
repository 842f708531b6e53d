#pragma once
// Starts other programs without waiting for them: a command line, the platform's plain-text
// editor, or the viewer of a document.

#include <QString>

namespace korvel {

class ProgramLauncher {
public:
    static bool run(const QString& commandLine);
    static bool runTextEditor();
    static bool openDocument(const QString& path);
    // The first plain-text editor installed, or an empty text.
    static QString textEditor();
};

}  // namespace korvel
