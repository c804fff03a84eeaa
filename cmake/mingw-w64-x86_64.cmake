# Cross-compiling for 64-bit Windows with Debian's MinGW-w64 toolchain. The posix-threads variant
# of the compilers is used: its C++ library has std::thread and std::mutex, which GoogleTest needs.
# Everything is linked statically, so the programs and the simulated driver library need nothing
# beyond Windows itself. Windows programs built here run under Wine (tools/wine-run.sh), which is
# how CTest runs the tests and GoogleTest lists them.

set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)

set(_mingw x86_64-w64-mingw32)
set(CMAKE_C_COMPILER ${_mingw}-gcc-posix)
set(CMAKE_CXX_COMPILER ${_mingw}-g++-posix)
set(CMAKE_RC_COMPILER ${_mingw}-windres)

# Headers and libraries come from the MinGW-w64 sysroot only; build tools from the host.
set(CMAKE_FIND_ROOT_PATH /usr/${_mingw})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

set(CMAKE_EXE_LINKER_FLAGS_INIT "-static -static-libgcc -static-libstdc++")
set(CMAKE_SHARED_LINKER_FLAGS_INIT "-static -static-libgcc -static-libstdc++")

# Each build tree has its own Wine prefix, made on first use.
set(CMAKE_CROSSCOMPILING_EMULATOR
    ${CMAKE_CURRENT_LIST_DIR}/../tools/wine-run.sh ${CMAKE_BINARY_DIR}/wineprefix)
