// Runs the dialog tests on the Win32 backend: the program's dialogs as real Windows dialogs, made
// from the resources linked into the test program.

#include "framework/win32/Platform.h"

#include <gtest/gtest.h>

int main(int argc, char** argv) {
    testing::InitGoogleTest(&argc, argv);
    const fw::win32::Platform platform;
    return RUN_ALL_TESTS();
}
