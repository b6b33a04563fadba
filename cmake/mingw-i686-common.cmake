# What the two 32-bit Windows toolchains share; they differ only in the
# thread model of MinGW-w64's compilers, SPOOLCAT_MINGW_THREADS (posix or
# win32), which they set before including this file.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR i686)
set(CMAKE_C_COMPILER i686-w64-mingw32-gcc-${SPOOLCAT_MINGW_THREADS})
set(CMAKE_CXX_COMPILER i686-w64-mingw32-g++-${SPOOLCAT_MINGW_THREADS})
set(CMAKE_RC_COMPILER i686-w64-mingw32-windres)
set(CMAKE_FIND_ROOT_PATH /usr/i686-w64-mingw32)
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_CROSSCOMPILING_EMULATOR wine)
