
# Consider dependencies only in project.
set(CMAKE_DEPENDS_IN_PROJECT_ONLY OFF)

# The set of languages for which implicit dependencies are needed:
set(CMAKE_DEPENDS_LANGUAGES
  )

# The set of dependency files which are needed:
set(CMAKE_DEPENDS_DEPENDENCY_FILES
  "/work/main/tools/verteilen/command_line.cpp" "tests/tools/verteilen/CMakeFiles/cli_tests.dir/__/__/__/tools/verteilen/command_line.cpp.o" "gcc" "tests/tools/verteilen/CMakeFiles/cli_tests.dir/__/__/__/tools/verteilen/command_line.cpp.o.d"
  "/work/main/tools/verteilen/run_options.cpp" "tests/tools/verteilen/CMakeFiles/cli_tests.dir/__/__/__/tools/verteilen/run_options.cpp.o" "gcc" "tests/tools/verteilen/CMakeFiles/cli_tests.dir/__/__/__/tools/verteilen/run_options.cpp.o.d"
  "/work/main/tests/tools/verteilen/command_process.cpp" "tests/tools/verteilen/CMakeFiles/cli_tests.dir/command_process.cpp.o" "gcc" "tests/tools/verteilen/CMakeFiles/cli_tests.dir/command_process.cpp.o.d"
  "/work/main/tests/tools/verteilen/golden_test.cpp" "tests/tools/verteilen/CMakeFiles/cli_tests.dir/golden_test.cpp.o" "gcc" "tests/tools/verteilen/CMakeFiles/cli_tests.dir/golden_test.cpp.o.d"
  "/work/main/tests/tools/verteilen/interruption_test.cpp" "tests/tools/verteilen/CMakeFiles/cli_tests.dir/interruption_test.cpp.o" "gcc" "tests/tools/verteilen/CMakeFiles/cli_tests.dir/interruption_test.cpp.o.d"
  "/work/main/tests/tools/verteilen/option_table_test.cpp" "tests/tools/verteilen/CMakeFiles/cli_tests.dir/option_table_test.cpp.o" "gcc" "tests/tools/verteilen/CMakeFiles/cli_tests.dir/option_table_test.cpp.o.d"
  "/work/main/tests/tools/verteilen/settings_place_test.cpp" "tests/tools/verteilen/CMakeFiles/cli_tests.dir/settings_place_test.cpp.o" "gcc" "tests/tools/verteilen/CMakeFiles/cli_tests.dir/settings_place_test.cpp.o.d"
  "/work/main/tests/tools/verteilen/share_test.cpp" "tests/tools/verteilen/CMakeFiles/cli_tests.dir/share_test.cpp.o" "gcc" "tests/tools/verteilen/CMakeFiles/cli_tests.dir/share_test.cpp.o.d"
  "/work/main/tests/tools/verteilen/undo_test.cpp" "tests/tools/verteilen/CMakeFiles/cli_tests.dir/undo_test.cpp.o" "gcc" "tests/tools/verteilen/CMakeFiles/cli_tests.dir/undo_test.cpp.o.d"
  "/work/main/tests/tools/verteilen/verteilen_test.cpp" "tests/tools/verteilen/CMakeFiles/cli_tests.dir/verteilen_test.cpp.o" "gcc" "tests/tools/verteilen/CMakeFiles/cli_tests.dir/verteilen_test.cpp.o.d"
  )

# Targets to which this target links.
set(CMAKE_TARGET_LINKED_INFO_FILES
  "/work/main/tests/kit/CMakeFiles/fotomaz_testkit.dir/DependInfo.cmake"
  "/work/main/run/CMakeFiles/fotomaz_run.dir/DependInfo.cmake"
  "/work/main/metadata/CMakeFiles/fotomaz_metadata.dir/DependInfo.cmake"
  "/work/main/platform/CMakeFiles/fotomaz_platform.dir/DependInfo.cmake"
  )

# Fortran module output directory.
set(CMAKE_Fortran_TARGET_MODULE_DIR "")
