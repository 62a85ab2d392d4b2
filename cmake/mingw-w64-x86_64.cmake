# Cross-compiles for 64-bit Windows with Debian's mingw-w64 (package g++-mingw-w64-x86-64-posix).
#   cmake -S . -B build-windows -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-w64-x86_64.cmake
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)

set(HC_MINGW_TRIPLET x86_64-w64-mingw32)
# The posix flavour, not win32: only it has std::thread and std::mutex.
set(CMAKE_C_COMPILER ${HC_MINGW_TRIPLET}-gcc-posix)
set(CMAKE_CXX_COMPILER ${HC_MINGW_TRIPLET}-g++-posix)
set(CMAKE_RC_COMPILER ${HC_MINGW_TRIPLET}-windres)

# Libraries and headers come from the mingw tree only, never from the Linux host;
# programs (code generators, wine) are the host's own.
set(CMAKE_FIND_ROOT_PATH /usr/${HC_MINGW_TRIPLET})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

# Everything static, so that an .exe imports only DLLs that every Windows has, and runs
# copied alone onto a machine without the mingw runtime (libstdc++, libgcc, winpthread).
set(CMAKE_EXE_LINKER_FLAGS_INIT "-static -static-libgcc -static-libstdc++")
