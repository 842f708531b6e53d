#pragma once
// Helpers for the offscreen tests of the Qt layer.

#include <QApplication>
#include <QColor>
#include <QElapsedTimer>
#include <QImage>
#include <QRect>
#include <QString>
#include <QTest>
#include <QTimer>
#include <QWidget>

#include <functional>
#include <ostream>

// Failures print the text, not its bytes.
inline void PrintTo(const QString& text, std::ostream* out) { *out << '"' << text.toStdString() << '"'; }
inline void PrintTo(const QColor& color, std::ostream* out) {
    *out << "rgb(" << color.red() << ", " << color.green() << ", " << color.blue() << ")";
}

namespace korvel::qt_test {

// Lets the event loop run until `done` holds; false when `milliseconds` pass first.
inline bool waitUntil(const std::function<bool()>& done, int milliseconds = 5000) {
    QElapsedTimer clock;
    clock.start();
    while (!done()) {
        if (clock.elapsed() > milliseconds) return false;
        QTest::qWait(10);
    }
    return true;
}

// Hands the next modal window that opens to `answer` (which closes it), as a user would.
inline void whenModalShown(std::function<void(QWidget*)> answer) {
    auto* timer = new QTimer;
    timer->setInterval(10);
    QObject::connect(timer, &QTimer::timeout, [timer, answer] {
        QWidget* modal = QApplication::activeModalWidget();
        if (modal == nullptr || !modal->isVisible()) return;
        timer->stop();
        timer->deleteLater();
        answer(modal);
    });
    timer->start();
}

inline void closeModalWhenShown() {
    whenModalShown([](QWidget* modal) { modal->close(); });
}

// Pixels of exactly `color` inside `area`.
inline int pixelsOf(const QImage& image, const QRect& area, QColor color) {
    int count = 0;
    const QRect inside = area & image.rect();
    for (int y = inside.top(); y <= inside.bottom(); ++y)
        for (int x = inside.left(); x <= inside.right(); ++x)
            if (image.pixelColor(x, y) == color) ++count;
    return count;
}

}  // namespace korvel::qt_test
