#include "frontends/qt/fontbook.h"

#include "present/window/font_descriptor.h"

#include <QFontDatabase>
#include <QFontMetricsF>
#include <QStringList>

#include <algorithm>
#include <cmath>

namespace korvel {

namespace {

struct Substitution {
    const char* face;
    QStringList substitutes;
};

const Substitution SUBSTITUTIONS[] = {
    {"Arial", {"Liberation Sans"}},
    {"Times New Roman", {"Liberation Serif"}},
    {"Courier New", {"Liberation Mono"}},
    {"Arial Greek", {"Arial", "Liberation Sans"}},
    {"Times New Roman Greek", {"Times New Roman", "Liberation Serif"}},
    {"Courier New Greek", {"Courier New", "Liberation Mono"}},
};

// Lower-case letters and the blank, weighted by their frequency in English text: the classic
// definition of a face's average character width, against which a requested width is set.
struct WeightedChar {
    char letter;
    int weight;
};

constexpr WeightedChar AVERAGE_WEIGHTS[] = {
    {'a', 64}, {'b', 14}, {'c', 27}, {'d', 35}, {'e', 100}, {'f', 20}, {'g', 14}, {'h', 42}, {'i', 63},
    {'j', 3},  {'k', 6},  {'l', 35}, {'m', 20}, {'n', 56},  {'o', 56}, {'p', 17}, {'q', 4},  {'r', 49},
    {'s', 56}, {'t', 71}, {'u', 31}, {'v', 10}, {'w', 18},  {'x', 3},  {'y', 18}, {'z', 2},  {' ', 166},
};

}  // namespace

FontBook::FontBook() {
    for (const Substitution& substitution : SUBSTITUTIONS)
        QFont::insertSubstitutions(QString::fromLatin1(substitution.face), substitution.substitutes);
}

int FontBook::faceCount() const { return static_cast<int>(QFontDatabase::families().size()); }

std::optional<QString> FontBook::installedFace(const QString& face) const {
    if (QFontDatabase::hasFamily(face)) return face;
    for (const QString& substitute : QFont::substitutes(face)) {
        if (QFontDatabase::hasFamily(substitute)) return substitute;
        for (const QString& further : QFont::substitutes(substitute))
            if (QFontDatabase::hasFamily(further)) return further;
    }
    return std::nullopt;
}

// A requested height is the height of the character cell (ascent plus descent), as the
// descriptors were laid out for; Qt's pixel size is the em, which is smaller than the cell.
int FontBook::pixelSizeForCellHeight(const QFont& face, int cell_height) {
    QFont probe(face);
    probe.setPixelSize(100);
    const QFontMetricsF metrics(probe);
    const double cell = metrics.ascent() + metrics.descent();
    return cell > 0 ? std::max(1, static_cast<int>(std::lround(cell_height * 100.0 / cell))) : cell_height;
}

double FontBook::averageCharWidth(const QFont& font) {
    const QFontMetricsF metrics(font);
    double total = 0;
    for (const WeightedChar& weighted : AVERAGE_WEIGHTS)
        total += weighted.weight * metrics.horizontalAdvance(QLatin1Char(weighted.letter));
    return total / 1000.0;
}

std::optional<std::pair<QFont, int>> FontBook::find(const std::string& descriptor) {
    const auto known = std::find_if(m_known.begin(), m_known.end(),
                                    [&](const KnownFont& font) { return font.descriptor == descriptor; });
    if (known != m_known.end()) return std::pair{known->font, static_cast<int>(known - m_known.begin())};

    const FONT_REQUEST request = PARSE_FONT_DESCRIPTOR(descriptor);
    if (!request.valid) return std::nullopt;
    const std::optional<QString> face = installedFace(QString::fromStdString(request.face));
    if (!face) return std::nullopt;

    QFont font(*face);
    font.setBold(request.bold);
    font.setItalic(request.italic);
    if (request.height > 0) font.setPixelSize(pixelSizeForCellHeight(font, request.height));
    if (request.width > 0) {
        const double natural = averageCharWidth(font);
        if (natural > 0) font.setStretch(std::clamp(static_cast<int>(std::lround(100.0 * request.width / natural)), 1, 4000));
    }

    m_known.push_back({descriptor, font});
    return std::pair{font, static_cast<int>(m_known.size()) - 1};
}

}  // namespace korvel
