
# Consider dependencies only in project.
set(CMAKE_DEPENDS_IN_PROJECT_ONLY OFF)

# The set of languages for which implicit dependencies are needed:
set(CMAKE_DEPENDS_LANGUAGES
  )

# The set of dependency files which are needed:
set(CMAKE_DEPENDS_DEPENDENCY_FILES
  "/work/main/tests/run/backup_run_test.cpp" "tests/run/CMakeFiles/run_tests.dir/backup_run_test.cpp.o" "gcc" "tests/run/CMakeFiles/run_tests.dir/backup_run_test.cpp.o.d"
  "/work/main/tests/run/capture_run_test.cpp" "tests/run/CMakeFiles/run_tests.dir/capture_run_test.cpp.o" "gcc" "tests/run/CMakeFiles/run_tests.dir/capture_run_test.cpp.o.d"
  "/work/main/tests/run/collected_files_test.cpp" "tests/run/CMakeFiles/run_tests.dir/collected_files_test.cpp.o" "gcc" "tests/run/CMakeFiles/run_tests.dir/collected_files_test.cpp.o.d"
  "/work/main/tests/run/companion_run_test.cpp" "tests/run/CMakeFiles/run_tests.dir/companion_run_test.cpp.o" "gcc" "tests/run/CMakeFiles/run_tests.dir/companion_run_test.cpp.o.d"
  "/work/main/tests/run/copy_run_test.cpp" "tests/run/CMakeFiles/run_tests.dir/copy_run_test.cpp.o" "gcc" "tests/run/CMakeFiles/run_tests.dir/copy_run_test.cpp.o.d"
  "/work/main/tests/run/date_order_test.cpp" "tests/run/CMakeFiles/run_tests.dir/date_order_test.cpp.o" "gcc" "tests/run/CMakeFiles/run_tests.dir/date_order_test.cpp.o.d"
  "/work/main/tests/run/date_texts_test.cpp" "tests/run/CMakeFiles/run_tests.dir/date_texts_test.cpp.o" "gcc" "tests/run/CMakeFiles/run_tests.dir/date_texts_test.cpp.o.d"
  "/work/main/tests/run/distribution_run_test.cpp" "tests/run/CMakeFiles/run_tests.dir/distribution_run_test.cpp.o" "gcc" "tests/run/CMakeFiles/run_tests.dir/distribution_run_test.cpp.o.d"
  "/work/main/tests/run/escaped_text_test.cpp" "tests/run/CMakeFiles/run_tests.dir/escaped_text_test.cpp.o" "gcc" "tests/run/CMakeFiles/run_tests.dir/escaped_text_test.cpp.o.d"
  "/work/main/tests/run/file_collection_test.cpp" "tests/run/CMakeFiles/run_tests.dir/file_collection_test.cpp.o" "gcc" "tests/run/CMakeFiles/run_tests.dir/file_collection_test.cpp.o.d"
  "/work/main/tests/run/file_date_test.cpp" "tests/run/CMakeFiles/run_tests.dir/file_date_test.cpp.o" "gcc" "tests/run/CMakeFiles/run_tests.dir/file_date_test.cpp.o.d"
  "/work/main/tests/run/file_plan_test.cpp" "tests/run/CMakeFiles/run_tests.dir/file_plan_test.cpp.o" "gcc" "tests/run/CMakeFiles/run_tests.dir/file_plan_test.cpp.o.d"
  "/work/main/tests/run/housekeeping_run_test.cpp" "tests/run/CMakeFiles/run_tests.dir/housekeeping_run_test.cpp.o" "gcc" "tests/run/CMakeFiles/run_tests.dir/housekeeping_run_test.cpp.o.d"
  "/work/main/tests/run/identical_files_test.cpp" "tests/run/CMakeFiles/run_tests.dir/identical_files_test.cpp.o" "gcc" "tests/run/CMakeFiles/run_tests.dir/identical_files_test.cpp.o.d"
  "/work/main/tests/run/looked_at_file_test.cpp" "tests/run/CMakeFiles/run_tests.dir/looked_at_file_test.cpp.o" "gcc" "tests/run/CMakeFiles/run_tests.dir/looked_at_file_test.cpp.o.d"
  "/work/main/tests/run/pad_text_test.cpp" "tests/run/CMakeFiles/run_tests.dir/pad_text_test.cpp.o" "gcc" "tests/run/CMakeFiles/run_tests.dir/pad_text_test.cpp.o.d"
  "/work/main/tests/run/run_faults_test.cpp" "tests/run/CMakeFiles/run_tests.dir/run_faults_test.cpp.o" "gcc" "tests/run/CMakeFiles/run_tests.dir/run_faults_test.cpp.o.d"
  "/work/main/tests/run/run_fixture.cpp" "tests/run/CMakeFiles/run_tests.dir/run_fixture.cpp.o" "gcc" "tests/run/CMakeFiles/run_tests.dir/run_fixture.cpp.o.d"
  "/work/main/tests/run/run_guard_test.cpp" "tests/run/CMakeFiles/run_tests.dir/run_guard_test.cpp.o" "gcc" "tests/run/CMakeFiles/run_tests.dir/run_guard_test.cpp.o.d"
  "/work/main/tests/run/run_options_test.cpp" "tests/run/CMakeFiles/run_tests.dir/run_options_test.cpp.o" "gcc" "tests/run/CMakeFiles/run_tests.dir/run_options_test.cpp.o.d"
  "/work/main/tests/run/run_record_test.cpp" "tests/run/CMakeFiles/run_tests.dir/run_record_test.cpp.o" "gcc" "tests/run/CMakeFiles/run_tests.dir/run_record_test.cpp.o.d"
  "/work/main/tests/run/undo_run_test.cpp" "tests/run/CMakeFiles/run_tests.dir/undo_run_test.cpp.o" "gcc" "tests/run/CMakeFiles/run_tests.dir/undo_run_test.cpp.o.d"
  "/work/main/tests/run/unique_name_test.cpp" "tests/run/CMakeFiles/run_tests.dir/unique_name_test.cpp.o" "gcc" "tests/run/CMakeFiles/run_tests.dir/unique_name_test.cpp.o.d"
  )

# Targets to which this target links.
set(CMAKE_TARGET_LINKED_INFO_FILES
  "/work/main/run/CMakeFiles/fotomaz_run.dir/DependInfo.cmake"
  "/work/main/tests/kit/CMakeFiles/fotomaz_testkit.dir/DependInfo.cmake"
  "/work/main/metadata/CMakeFiles/fotomaz_metadata.dir/DependInfo.cmake"
  "/work/main/platform/CMakeFiles/fotomaz_platform.dir/DependInfo.cmake"
  )

# Fortran module output directory.
set(CMAKE_Fortran_TARGET_MODULE_DIR "")
