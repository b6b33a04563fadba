# The tests' Windows tree runs the program the release ships: spoolcat.exe and
# spoolcat.chm come from the release tree (build/release, preset "release",
# win32-thread compilers), which building this tree brings up to date first.
# The target spoolcat stands for that program here, so tests name it as
# $<TARGET_FILE:spoolcat> and depend on it as on any other.
set(SPOOLCAT_RELEASE_DIR ${PROJECT_SOURCE_DIR}/build/release)

add_custom_command(OUTPUT ${SPOOLCAT_RELEASE_DIR}/CMakeCache.txt
  COMMAND ${CMAKE_COMMAND} -S ${PROJECT_SOURCE_DIR} --preset release
  COMMENT "Configuring the release tree (build/release)")
# $(MAKE) joins this build's job server, so both trees together keep to its -j.
add_custom_target(spoolcat_release ALL
  COMMAND $(MAKE) -C ${SPOOLCAT_RELEASE_DIR}
  DEPENDS ${SPOOLCAT_RELEASE_DIR}/CMakeCache.txt
  BYPRODUCTS ${SPOOLCAT_RELEASE_DIR}/src/spoolcat.exe ${SPOOLCAT_RELEASE_DIR}/src/spoolcat.chm
  COMMENT "Building spoolcat.exe and spoolcat.chm in the release tree")

add_executable(spoolcat IMPORTED GLOBAL)
set_target_properties(spoolcat PROPERTIES IMPORTED_LOCATION ${SPOOLCAT_RELEASE_DIR}/src/spoolcat.exe)
add_dependencies(spoolcat spoolcat_release)
