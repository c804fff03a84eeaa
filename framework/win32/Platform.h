#pragma once

// The Win32 platform for as long as the object lives: the backend, installed as the framework's
// current backend. The program's entry creates one; tests that drive dialogs create one for the
// test run.

#include "framework/win32/Win32Backend.h"

namespace fw::win32 {

class Platform {
public:
    Platform();
    ~Platform();
    Platform(const Platform&) = delete;
    Platform& operator=(const Platform&) = delete;

private:
    Win32Backend m_backend;
};

} // namespace fw::win32
