#include "framework/win32/Platform.h"

#include "framework/WinApp.h"

namespace fw::win32 {

Platform::Platform() {
    SetCurrentBackend(&m_backend);
}

Platform::~Platform() {
    SetCurrentBackend(nullptr);
}

} // namespace fw::win32

// The command line is not the program's business: it has no options.
int fw::PlatformMain(int /*argc*/, char** /*argv*/) {
    const fw::win32::Platform platform;
    return AfxWinMain();
}
