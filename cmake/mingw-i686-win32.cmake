# 32-bit Windows with MinGW-w64's win32-thread compilers, for the release:
# spoolcat.exe must start on Windows XP SP3. The posix-thread runtime
# (libwinpthread), which the other compilers link into every program, even one
# without threads (exception handling takes its locks), imports
# GetTickCount64, which XP's kernel32 lacks. The program needs no std::thread
# or std::mutex, which this runtime does not have in GCC 12.
set(SPOOLCAT_MINGW_THREADS win32)
include(${CMAKE_CURRENT_LIST_DIR}/mingw-i686-common.cmake)
