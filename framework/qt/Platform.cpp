#include "framework/qt/Platform.h"

#include "framework/WinApp.h"

namespace fw::qt {

Platform::Platform(int& argc, char** argv) : m_application(argc, argv) {
    SetCurrentBackend(&m_backend);
}

Platform::~Platform() {
    SetCurrentBackend(nullptr);
}

} // namespace fw::qt

int fw::PlatformMain(int argc, char** argv) {
    const fw::qt::Platform platform(argc, argv);
    return AfxWinMain();
}
