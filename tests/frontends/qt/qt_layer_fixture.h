#pragma once
// A fresh desktop layer, installed and shown, for each test.

#include "frontends/qt/childwindow.h"
#include "frontends/qt/qtwindowlayer.h"
#include "tests/frontends/qt/qt_test_support.h"

#include <gtest/gtest.h>

#include <functional>

namespace korvel::qt_test {

class QtLayerTest : public ::testing::Test {
protected:
    QtLayerTest() {
        INSTALL_LAYER(&layer);
        INSTALL_OBSERVER(&layer);
        layer.showFrame();
    }
    ~QtLayerTest() override {
        INSTALL_OBSERVER(nullptr);
        INSTALL_LAYER(nullptr);
    }

    // Runs `command`, handing the window of `channel` to `user` whenever it waits for a click,
    // as a person watching the screen would; `user` must end the wait.
    void whileWaitingForClicks(int channel, const std::function<void(ChildWindow&)>& user,
                               const std::function<void()>& command) {
        QTimer watcher;
        watcher.setInterval(1);
        QObject::connect(&watcher, &QTimer::timeout, [&] {
            ChildWindow* window = layer.child(channel);
            if (window != nullptr && window->surface().isWaitingForMouse()) user(*window);
        });
        watcher.start();
        command();
    }
    static void click(ChildWindow& window, QPoint at = QPoint(30, 30)) {
        QTest::mouseClick(&window.surface(), Qt::LeftButton, {}, at);
    }

    QtWindowLayer layer;
};

}  // namespace korvel::qt_test
