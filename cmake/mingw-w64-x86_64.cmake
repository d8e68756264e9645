# Cross-compiling for 64-bit Windows with Debian's MinGW-w64 (GCC, POSIX thread model, which
# the C++ standard library's threads and Qt need).
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)

set(QUILLON_MINGW_TRIPLE x86_64-w64-mingw32)
set(CMAKE_C_COMPILER ${QUILLON_MINGW_TRIPLE}-gcc-posix)
set(CMAKE_CXX_COMPILER ${QUILLON_MINGW_TRIPLE}-g++-posix)
set(CMAKE_RC_COMPILER ${QUILLON_MINGW_TRIPLE}-windres)

# Libraries and headers come only from the Windows sysroot (and the prefixes added to it);
# programs such as moc and uic run on the build machine.
list(APPEND CMAKE_FIND_ROOT_PATH /usr/${QUILLON_MINGW_TRIPLE})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)
