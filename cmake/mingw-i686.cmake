# 32-bit Windows with MinGW-w64's posix-thread compilers, for the tests, the
# substitute programs and the benchmark: the test programs need std::thread
# and std::mutex, which the win32-thread compilers lack in GCC 12. Their
# runtime imports functions Windows XP lacks, so spoolcat.exe itself comes
# from the release tree (mingw-i686-win32.cmake). Tests run under Wine.
set(SPOOLCAT_MINGW_THREADS posix)
include(${CMAKE_CURRENT_LIST_DIR}/mingw-i686-common.cmake)
