#pragma once
// Fonts by descriptor: which faces exist, the substitutes that stand in for the Windows faces,
// and the QFont a descriptor asks for.

#include "present/window/window_records.h"

#include <QFont>
#include <QString>

#include <optional>
#include <string>
#include <vector>

namespace korvel {

class FontBook {
public:
    // Installs the substitutions: the "Greek" variants use their base face, and the base faces
    // fall back to the metric-compatible Liberation faces where they are not installed.
    FontBook();

    int faceCount() const;
    // The font `descriptor` asks for and its index; nothing when it cannot be read or no face
    // matches.
    std::optional<std::pair<QFont, int>> find(const std::string& descriptor);

private:
    std::optional<QString> installedFace(const QString& face) const;
    static int pixelSizeForCellHeight(const QFont& face, int cell_height);
    static double averageCharWidth(const QFont& font);

    // Each descriptor is resolved once: a table page selects its cell font thousands of times,
    // and asking the platform for the face each time would cost more than drawing the page.
    struct KnownFont {
        std::string descriptor;
        QFont font;
    };
    std::vector<KnownFont> m_known;
};

}  // namespace korvel
