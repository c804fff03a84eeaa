#pragma once

// Modal dialogs on Win32 (the framework's RunModalDialog and EndModalDialog are defined with them):
// the dialog's window procedure and its default handling.

#include "framework/WinTypes.h"

namespace fw::win32 {

// The default handling of a message: the system's dialog procedure for a running dialog, the
// plain default window procedure for any other window.
LRESULT DefaultWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

} // namespace fw::win32
