// Runs the dialog tests on the Qt platform. They never need a display: without a platform chosen
// they run on Qt's offscreen one.

#include "framework/qt/Platform.h"

#include <gtest/gtest.h>

int main(int argc, char** argv) {
    testing::InitGoogleTest(&argc, argv);
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    const fw::qt::Platform platform(argc, argv);
    return RUN_ALL_TESTS();
}
