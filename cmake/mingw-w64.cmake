# Cross-building the Windows program on Debian with MinGW-w64 (g++-mingw-w64-x86-64-posix):
# cmake -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-w64.cmake -DSMASHBOL_HOST_TOOLS=<native>/smashbol-host-tools.cmake
# The posix flavour carries std::thread and std::mutex; they are linked in statically.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)
set(triple x86_64-w64-mingw32)
set(CMAKE_C_COMPILER ${triple}-gcc-posix)
set(CMAKE_CXX_COMPILER ${triple}-g++-posix)
set(CMAKE_RC_COMPILER ${triple}-windres)
set(CMAKE_FIND_ROOT_PATH /usr/${triple})
# Programs (msgfmt, the generators) come from the build machine; libraries and headers from the
# target's tree.
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)
# GCC 12 warns of an overlapping copy inside std::string's operator+ that cannot happen (its
# bug 105329), in the engine's code as built for Windows alone. Each function and table in a
# section of its own, so that the linker leaves out what the program never reaches of the static
# C++ runtime.
set(CMAKE_CXX_FLAGS_INIT "-Wno-restrict -ffunction-sections -fdata-sections")
set(CMAKE_EXE_LINKER_FLAGS_INIT "-Wl,--gc-sections")
