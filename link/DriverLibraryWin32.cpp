#include "link/DriverLibrary.h"

#include <windows.h>

namespace driver_library {

const char* FileName() noexcept {
    return "Ftd2xx.dll";
}

void* Load() noexcept {
    // Only the application's folder and the system folders are searched: a DLL of that name that
    // someone placed in the current directory must never run inside the program.
    return LoadLibraryExW(L"Ftd2xx.dll", nullptr, LOAD_LIBRARY_SEARCH_DEFAULT_DIRS);
}

EntryPoint Find(void* library, const char* name) noexcept {
    return reinterpret_cast<EntryPoint>(GetProcAddress(static_cast<HMODULE>(library), name));
}

} // namespace driver_library
