#include "link/DriverLibrary.h"

#include <dlfcn.h>

namespace driver_library {

// FTDI's Linux package installs the library under this name (with a version-numbered file behind
// it); the dynamic loader's usual search applies, so LD_LIBRARY_PATH can point at another build.
const char* FileName() noexcept {
    return "libftd2xx.so";
}

void* Load() noexcept {
    return dlopen(FileName(), RTLD_NOW | RTLD_LOCAL);
}

EntryPoint Find(void* library, const char* name) noexcept {
    // POSIX guarantees that a dlsym result for a function can be converted to a function pointer.
    return reinterpret_cast<EntryPoint>(dlsym(library, name));
}

} // namespace driver_library
