
# Consider dependencies only in project.
set(CMAKE_DEPENDS_IN_PROJECT_ONLY OFF)

# The set of languages for which implicit dependencies are needed:
set(CMAKE_DEPENDS_LANGUAGES
  )

# The set of dependency files which are needed:
set(CMAKE_DEPENDS_DEPENDENCY_FILES
  "/work/main/tests/run/run_fixture.cpp" "tests/window/CMakeFiles/window_tests.dir/__/run/run_fixture.cpp.o" "gcc" "tests/window/CMakeFiles/window_tests.dir/__/run/run_fixture.cpp.o.d"
  "/work/main/tests/settings/qt_test_app.cpp" "tests/window/CMakeFiles/window_tests.dir/__/settings/qt_test_app.cpp.o" "gcc" "tests/window/CMakeFiles/window_tests.dir/__/settings/qt_test_app.cpp.o.d"
  "/work/main/tests/window/app_test_application.cpp" "tests/window/CMakeFiles/window_tests.dir/app_test_application.cpp.o" "gcc" "tests/window/CMakeFiles/window_tests.dir/app_test_application.cpp.o.d"
  "/work/main/tests/window/application_error_test.cpp" "tests/window/CMakeFiles/window_tests.dir/application_error_test.cpp.o" "gcc" "tests/window/CMakeFiles/window_tests.dir/application_error_test.cpp.o.d"
  "/work/main/tests/window/close_on_signal_test.cpp" "tests/window/CMakeFiles/window_tests.dir/close_on_signal_test.cpp.o" "gcc" "tests/window/CMakeFiles/window_tests.dir/close_on_signal_test.cpp.o.d"
  "/work/main/tests/window/contrast_test.cpp" "tests/window/CMakeFiles/window_tests.dir/contrast_test.cpp.o" "gcc" "tests/window/CMakeFiles/window_tests.dir/contrast_test.cpp.o.d"
  "/work/main/tests/window/main_window_test.cpp" "tests/window/CMakeFiles/window_tests.dir/main_window_test.cpp.o" "gcc" "tests/window/CMakeFiles/window_tests.dir/main_window_test.cpp.o.d"
  "/work/main/tests/window/options_round_trip_test.cpp" "tests/window/CMakeFiles/window_tests.dir/options_round_trip_test.cpp.o" "gcc" "tests/window/CMakeFiles/window_tests.dir/options_round_trip_test.cpp.o.d"
  "/work/main/tests/window/preview_test.cpp" "tests/window/CMakeFiles/window_tests.dir/preview_test.cpp.o" "gcc" "tests/window/CMakeFiles/window_tests.dir/preview_test.cpp.o.d"
  "/work/main/tests/window/qt_modal_test.cpp" "tests/window/CMakeFiles/window_tests.dir/qt_modal_test.cpp.o" "gcc" "tests/window/CMakeFiles/window_tests.dir/qt_modal_test.cpp.o.d"
  "/work/main/tests/window/report_dialog_test.cpp" "tests/window/CMakeFiles/window_tests.dir/report_dialog_test.cpp.o" "gcc" "tests/window/CMakeFiles/window_tests.dir/report_dialog_test.cpp.o.d"
  "/work/main/tests/window/run_window_test.cpp" "tests/window/CMakeFiles/window_tests.dir/run_window_test.cpp.o" "gcc" "tests/window/CMakeFiles/window_tests.dir/run_window_test.cpp.o.d"
  "/work/main/tests/window/start_without_display_test.cpp" "tests/window/CMakeFiles/window_tests.dir/start_without_display_test.cpp.o" "gcc" "tests/window/CMakeFiles/window_tests.dir/start_without_display_test.cpp.o.d"
  "/work/main/tests/window/wait_cursor_test.cpp" "tests/window/CMakeFiles/window_tests.dir/wait_cursor_test.cpp.o" "gcc" "tests/window/CMakeFiles/window_tests.dir/wait_cursor_test.cpp.o.d"
  "/work/main/tests/window/window_layout_test.cpp" "tests/window/CMakeFiles/window_tests.dir/window_layout_test.cpp.o" "gcc" "tests/window/CMakeFiles/window_tests.dir/window_layout_test.cpp.o.d"
  )

# Targets to which this target links.
set(CMAKE_TARGET_LINKED_INFO_FILES
  "/work/main/window/CMakeFiles/fotomaz_window.dir/DependInfo.cmake"
  "/work/main/tests/kit/CMakeFiles/fotomaz_testkit.dir/DependInfo.cmake"
  "/work/main/settings/CMakeFiles/fotomaz_settings_gui.dir/DependInfo.cmake"
  "/work/main/run/CMakeFiles/fotomaz_run.dir/DependInfo.cmake"
  "/work/main/metadata/CMakeFiles/fotomaz_metadata.dir/DependInfo.cmake"
  "/work/main/platform/CMakeFiles/fotomaz_platform.dir/DependInfo.cmake"
  )

# Fortran module output directory.
set(CMAKE_Fortran_TARGET_MODULE_DIR "")
