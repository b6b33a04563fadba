# The release tree's settings (preset "release", cmake/mingw-i686-win32.cmake):
# spoolcat.exe and spoolcat.chm for Windows XP SP3 through 11, the same bytes
# from any checkout, in any folder, at any time.
if(NOT SPOOLCAT_WINDOWS)
  message(FATAL_ERROR "The release tree builds for Windows: configure it with --preset release.")
endif()

add_compile_options(-Wall -Wextra)
# windres, for spoolcat.exe's version information, icon and manifest.
enable_language(RC)

# The headers offer only what Windows XP has: a call that needs a later
# Windows does not compile, and structures keep their XP size (a Vista-sized
# NONCLIENTMETRICS, say, makes XP's SystemParametersInfo fail).
add_compile_definitions(_WIN32_WINNT=0x0501 WINVER=0x0501)

# Static, so the program needs no MinGW DLLs beside it.
add_link_options(-static -static-libgcc -static-libstdc++)

# Nothing of the build's folder or time in the output. __FILE__ and any
# debug information name sources relative to the checkout. The PE header's
# time stamp is 0 instead of the link time (no loader reads it; nothing is
# bound against this program). -s drops the symbols and the debug sections
# that the MinGW runtime's objects bring, which name their own build's
# folders and are of no use to anyone running the program.
add_compile_options("$<$<COMPILE_LANGUAGE:CXX>:-ffile-prefix-map=${CMAKE_SOURCE_DIR}=.>"
  "$<$<COMPILE_LANGUAGE:CXX>:-ffile-prefix-map=${CMAKE_BINARY_DIR}=build>")
add_link_options(-Wl,--no-insert-timestamp -s)
