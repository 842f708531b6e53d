#pragma once
// A fresh desktop layer, installed and shown, for each test.

#include "present/window/qt/qtwindowlayer.h"
#include "tests/window/qt/qt_test_support.h"

#include <gtest/gtest.h>

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

    QtWindowLayer layer;
};

}  // namespace korvel::qt_test
