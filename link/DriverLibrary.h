#pragma once

// The platform seam of the Pellix driver: loading FTDI's D2XX library by file name and finding its
// entry points by name. One implementation per platform, chosen when the program is linked.

namespace driver_library {

using EntryPoint = void (*)();

// The library's file name on this platform, as FTDI installs it.
[[nodiscard]] const char* FileName() noexcept;
// Loads the library; null when it cannot be found or loaded. Never unloaded.
[[nodiscard]] void* Load() noexcept;
// The named entry point of a loaded library; null when it lacks it.
[[nodiscard]] EntryPoint Find(void* library, const char* name) noexcept;

} // namespace driver_library
