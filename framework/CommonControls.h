#pragma once

// Registration of the common control classes. Windows needs it before a dialog with such controls
// is created; other platforms have their controls at hand, and the call does nothing there.

#include "framework/WinTypes.h"

struct INITCOMMONCONTROLSEX {
    DWORD dwSize;
    DWORD dwICC;
};

inline constexpr DWORD ICC_WIN95_CLASSES = 0x000000FF;

BOOL InitCommonControlsEx(const INITCOMMONCONTROLSEX* init);
