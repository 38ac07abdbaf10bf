
# Consider dependencies only in project.
set(CMAKE_DEPENDS_IN_PROJECT_ONLY OFF)

# The set of languages for which implicit dependencies are needed:
set(CMAKE_DEPENDS_LANGUAGES
  )

# The set of dependency files which are needed:
set(CMAKE_DEPENDS_DEPENDENCY_FILES
  "/work/main/tests/platform/cross_device_batch_test.cpp" "tests/platform/CMakeFiles/platform_tests.dir/cross_device_batch_test.cpp.o" "gcc" "tests/platform/CMakeFiles/platform_tests.dir/cross_device_batch_test.cpp.o.d"
  "/work/main/tests/platform/directory_walk_test.cpp" "tests/platform/CMakeFiles/platform_tests.dir/directory_walk_test.cpp.o" "gcc" "tests/platform/CMakeFiles/platform_tests.dir/directory_walk_test.cpp.o.d"
  "/work/main/tests/platform/display_probe_test.cpp" "tests/platform/CMakeFiles/platform_tests.dir/display_probe_test.cpp.o" "gcc" "tests/platform/CMakeFiles/platform_tests.dir/display_probe_test.cpp.o.d"
  "/work/main/tests/platform/file_compare_test.cpp" "tests/platform/CMakeFiles/platform_tests.dir/file_compare_test.cpp.o" "gcc" "tests/platform/CMakeFiles/platform_tests.dir/file_compare_test.cpp.o.d"
  "/work/main/tests/platform/file_info_test.cpp" "tests/platform/CMakeFiles/platform_tests.dir/file_info_test.cpp.o" "gcc" "tests/platform/CMakeFiles/platform_tests.dir/file_info_test.cpp.o.d"
  "/work/main/tests/platform/file_time_test.cpp" "tests/platform/CMakeFiles/platform_tests.dir/file_time_test.cpp.o" "gcc" "tests/platform/CMakeFiles/platform_tests.dir/file_time_test.cpp.o.d"
  "/work/main/tests/platform/folder_lock_test.cpp" "tests/platform/CMakeFiles/platform_tests.dir/folder_lock_test.cpp.o" "gcc" "tests/platform/CMakeFiles/platform_tests.dir/folder_lock_test.cpp.o.d"
  "/work/main/tests/platform/ini_file_test.cpp" "tests/platform/CMakeFiles/platform_tests.dir/ini_file_test.cpp.o" "gcc" "tests/platform/CMakeFiles/platform_tests.dir/ini_file_test.cpp.o.d"
  "/work/main/tests/platform/ini_text_test.cpp" "tests/platform/CMakeFiles/platform_tests.dir/ini_text_test.cpp.o" "gcc" "tests/platform/CMakeFiles/platform_tests.dir/ini_text_test.cpp.o.d"
  "/work/main/tests/platform/line_reader_test.cpp" "tests/platform/CMakeFiles/platform_tests.dir/line_reader_test.cpp.o" "gcc" "tests/platform/CMakeFiles/platform_tests.dir/line_reader_test.cpp.o.d"
  "/work/main/tests/platform/lower_name_test.cpp" "tests/platform/CMakeFiles/platform_tests.dir/lower_name_test.cpp.o" "gcc" "tests/platform/CMakeFiles/platform_tests.dir/lower_name_test.cpp.o.d"
  "/work/main/tests/platform/move_file_test.cpp" "tests/platform/CMakeFiles/platform_tests.dir/move_file_test.cpp.o" "gcc" "tests/platform/CMakeFiles/platform_tests.dir/move_file_test.cpp.o.d"
  "/work/main/tests/platform/path_text_test.cpp" "tests/platform/CMakeFiles/platform_tests.dir/path_text_test.cpp.o" "gcc" "tests/platform/CMakeFiles/platform_tests.dir/path_text_test.cpp.o.d"
  "/work/main/tests/platform/settings_location_test.cpp" "tests/platform/CMakeFiles/platform_tests.dir/settings_location_test.cpp.o" "gcc" "tests/platform/CMakeFiles/platform_tests.dir/settings_location_test.cpp.o.d"
  "/work/main/tests/platform/share_move_test.cpp" "tests/platform/CMakeFiles/platform_tests.dir/share_move_test.cpp.o" "gcc" "tests/platform/CMakeFiles/platform_tests.dir/share_move_test.cpp.o.d"
  )

# Targets to which this target links.
set(CMAKE_TARGET_LINKED_INFO_FILES
  "/work/main/platform/CMakeFiles/fotomaz_platform.dir/DependInfo.cmake"
  "/work/main/tests/kit/CMakeFiles/fotomaz_testkit.dir/DependInfo.cmake"
  )

# Fortran module output directory.
set(CMAKE_Fortran_TARGET_MODULE_DIR "")
