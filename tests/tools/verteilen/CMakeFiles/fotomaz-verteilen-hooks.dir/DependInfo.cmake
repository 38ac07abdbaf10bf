
# Consider dependencies only in project.
set(CMAKE_DEPENDS_IN_PROJECT_ONLY OFF)

# The set of languages for which implicit dependencies are needed:
set(CMAKE_DEPENDS_LANGUAGES
  )

# The set of dependency files which are needed:
set(CMAKE_DEPENDS_DEPENDENCY_FILES
  "/work/main/tools/verteilen/command_line.cpp" "tests/tools/verteilen/CMakeFiles/fotomaz-verteilen-hooks.dir/__/__/__/tools/verteilen/command_line.cpp.o" "gcc" "tests/tools/verteilen/CMakeFiles/fotomaz-verteilen-hooks.dir/__/__/__/tools/verteilen/command_line.cpp.o.d"
  "/work/main/tools/verteilen/console.cpp" "tests/tools/verteilen/CMakeFiles/fotomaz-verteilen-hooks.dir/__/__/__/tools/verteilen/console.cpp.o" "gcc" "tests/tools/verteilen/CMakeFiles/fotomaz-verteilen-hooks.dir/__/__/__/tools/verteilen/console.cpp.o.d"
  "/work/main/tools/verteilen/console_run.cpp" "tests/tools/verteilen/CMakeFiles/fotomaz-verteilen-hooks.dir/__/__/__/tools/verteilen/console_run.cpp.o" "gcc" "tests/tools/verteilen/CMakeFiles/fotomaz-verteilen-hooks.dir/__/__/__/tools/verteilen/console_run.cpp.o.d"
  "/work/main/tools/verteilen/fotomaz_verteilen.cpp" "tests/tools/verteilen/CMakeFiles/fotomaz-verteilen-hooks.dir/__/__/__/tools/verteilen/fotomaz_verteilen.cpp.o" "gcc" "tests/tools/verteilen/CMakeFiles/fotomaz-verteilen-hooks.dir/__/__/__/tools/verteilen/fotomaz_verteilen.cpp.o.d"
  "/work/main/tools/verteilen/move_log.cpp" "tests/tools/verteilen/CMakeFiles/fotomaz-verteilen-hooks.dir/__/__/__/tools/verteilen/move_log.cpp.o" "gcc" "tests/tools/verteilen/CMakeFiles/fotomaz-verteilen-hooks.dir/__/__/__/tools/verteilen/move_log.cpp.o.d"
  "/work/main/tools/verteilen/run_options.cpp" "tests/tools/verteilen/CMakeFiles/fotomaz-verteilen-hooks.dir/__/__/__/tools/verteilen/run_options.cpp.o" "gcc" "tests/tools/verteilen/CMakeFiles/fotomaz-verteilen-hooks.dir/__/__/__/tools/verteilen/run_options.cpp.o.d"
  "/work/main/tools/verteilen/stop_signal.cpp" "tests/tools/verteilen/CMakeFiles/fotomaz-verteilen-hooks.dir/__/__/__/tools/verteilen/stop_signal.cpp.o" "gcc" "tests/tools/verteilen/CMakeFiles/fotomaz-verteilen-hooks.dir/__/__/__/tools/verteilen/stop_signal.cpp.o.d"
  "/work/main/tools/verteilen/test_hooks.cpp" "tests/tools/verteilen/CMakeFiles/fotomaz-verteilen-hooks.dir/__/__/__/tools/verteilen/test_hooks.cpp.o" "gcc" "tests/tools/verteilen/CMakeFiles/fotomaz-verteilen-hooks.dir/__/__/__/tools/verteilen/test_hooks.cpp.o.d"
  )

# Targets to which this target links.
set(CMAKE_TARGET_LINKED_INFO_FILES
  "/work/main/run/CMakeFiles/fotomaz_run.dir/DependInfo.cmake"
  "/work/main/metadata/CMakeFiles/fotomaz_metadata.dir/DependInfo.cmake"
  "/work/main/platform/CMakeFiles/fotomaz_platform.dir/DependInfo.cmake"
  )

# Fortran module output directory.
set(CMAKE_Fortran_TARGET_MODULE_DIR "")
