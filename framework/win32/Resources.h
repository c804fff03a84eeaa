#pragma once

// The program's resources through the Windows resource loader, which picks each resource's
// language by the user's interface language. Defines the framework's resource operations
// (Backend.h) and keeps track of the icons it loaded, so that a window's small icon is loaded at
// its own size rather than scaled down.

#include "framework/WinTypes.h"

namespace fw::win32 {

// The program's own module, where its resources are.
HINSTANCE ProgramModule();

// The small version of an icon that LoadIconResource returned; the icon itself otherwise.
HICON SmallIconOf(HICON icon);

} // namespace fw::win32
