#pragma once
// Helpers for the offscreen tests of the Qt layer.

#include <QApplication>
#include <QDialog>
#include <QEvent>
#include <QPointer>
#include <QColor>
#include <QElapsedTimer>
#include <QImage>
#include <QRect>
#include <QString>
#include <QTest>
#include <QTimer>
#include <QWidget>

#include <gtest/gtest.h>

#include <functional>
#include <ostream>

// Failures print the text, not its bytes.
inline void PrintTo(const QString& text, std::ostream* out) { *out << '"' << text.toStdString() << '"'; }
inline void PrintTo(const QColor& color, std::ostream* out) {
    *out << "rgb(" << color.red() << ", " << color.green() << ", " << color.blue() << ")";
}

namespace korvel::qt_test {

// The palette colours the tests look for.
inline const QColor BLACK(0, 0, 0);
inline const QColor WHITE(255, 255, 255);
inline const QColor MAROON(128, 0, 0);
inline const QColor RED(255, 0, 0);
inline const QColor YELLOW(255, 255, 0);
inline const QColor BLUE(0, 0, 255);
inline const QColor AQUA(0, 255, 255);

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

// Hands the next modal window to `answer` (which closes it), as a user would: the window's own
// Show event is the signal, and the answer runs once the event loop has finished showing it.
// Should the answer leave the window open, the window is rejected and the test fails, so a test
// never waits forever on a window nobody closes.
class ModalAnswer : public QObject {
public:
    explicit ModalAnswer(std::function<void(QWidget*)> answer) : m_answer(std::move(answer)) {
        qApp->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        auto* widget = qobject_cast<QWidget*>(watched);
        if (event->type() == QEvent::Show && widget != nullptr && widget->isWindow() && widget->isModal()) {
            qApp->removeEventFilter(this);
            QPointer<QWidget> modal(widget);
            QMetaObject::invokeMethod(
                qApp, [this, modal] { answerAndClose(modal); }, Qt::QueuedConnection);
        }
        return false;
    }

private:
    void answerAndClose(const QPointer<QWidget>& modal) {
        if (modal) m_answer(modal);
        closeIfLeftOpen(modal, PASSES_TO_CLOSE);
    }

    // An answer may end the window's wait without closing it itself (closing the frame does);
    // the window then closes within a few passes of the event loop.
    void closeIfLeftOpen(const QPointer<QWidget>& modal, int passes) {
        if (modal && modal->isVisible() && passes > 0) {
            QMetaObject::invokeMethod(
                qApp, [this, modal, passes] { closeIfLeftOpen(modal, passes - 1); }, Qt::QueuedConnection);
            return;
        }
        if (modal && modal->isVisible()) {
            ADD_FAILURE() << "the answer left the modal window open";
            if (auto* dialog = qobject_cast<QDialog*>(modal.data())) dialog->reject();
            else modal->close();
        }
        deleteLater();
    }

    static constexpr int PASSES_TO_CLOSE = 10;

    std::function<void(QWidget*)> m_answer;
};

inline void whenModalShown(std::function<void(QWidget*)> answer) { new ModalAnswer(std::move(answer)); }

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
