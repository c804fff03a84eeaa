#pragma once

// Registration of the common control classes. Windows needs it before a dialog with such controls
// is created, and the program calls the system's own function there; other platforms have their
// controls at hand, and the call goes to the backend.

#include "framework/WinTypes.h"

#if defined(_WIN32)

#include <commctrl.h>

#else

struct INITCOMMONCONTROLSEX {
    DWORD dwSize;
    DWORD dwICC;
};

inline constexpr DWORD ICC_WIN95_CLASSES = 0x000000FF;

BOOL InitCommonControlsEx(const INITCOMMONCONTROLSEX* init);

#endif
