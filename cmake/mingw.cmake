# Cross-compiles for Windows with MinGW-w64, the -posix variants (their libstdc++ has std::mutex
# and std::thread). TARNWICK_WINDOWS_ARCH is i686 for the product, or x86_64 for a test build
# that runs under 64-bit Wine where the kernel cannot run 32-bit programs. Tests run through
# scripts/wine-run.
set(CMAKE_SYSTEM_NAME Windows)
if(NOT TARNWICK_WINDOWS_ARCH)
  set(TARNWICK_WINDOWS_ARCH i686)
endif()
set(TARNWICK_WINDOWS_ARCH ${TARNWICK_WINDOWS_ARCH} CACHE STRING "i686 or x86_64")
set(CMAKE_SYSTEM_PROCESSOR ${TARNWICK_WINDOWS_ARCH})

set(triple ${TARNWICK_WINDOWS_ARCH}-w64-mingw32)
set(CMAKE_C_COMPILER ${triple}-gcc-posix)
set(CMAKE_CXX_COMPILER ${triple}-g++-posix)
set(CMAKE_RC_COMPILER ${triple}-windres)
set(CMAKE_FIND_ROOT_PATH /usr/${triple})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)

set(CMAKE_CROSSCOMPILING_EMULATOR ${CMAKE_CURRENT_LIST_DIR}/../scripts/wine-run)
