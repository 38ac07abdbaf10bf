
# Consider dependencies only in project.
set(CMAKE_DEPENDS_IN_PROJECT_ONLY OFF)

# The set of languages for which implicit dependencies are needed:
set(CMAKE_DEPENDS_LANGUAGES
  )

# The set of dependency files which are needed:
set(CMAKE_DEPENDS_DEPENDENCY_FILES
  "/work/main/tests/settings/form_state_test.cpp" "tests/settings/CMakeFiles/settings_tests.dir/form_state_test.cpp.o" "gcc" "tests/settings/CMakeFiles/settings_tests.dir/form_state_test.cpp.o.d"
  "/work/main/tests/settings/options_dialog_test.cpp" "tests/settings/CMakeFiles/settings_tests.dir/options_dialog_test.cpp.o" "gcc" "tests/settings/CMakeFiles/settings_tests.dir/options_dialog_test.cpp.o.d"
  "/work/main/tests/settings/qt_test_app.cpp" "tests/settings/CMakeFiles/settings_tests.dir/qt_test_app.cpp.o" "gcc" "tests/settings/CMakeFiles/settings_tests.dir/qt_test_app.cpp.o.d"
  "/work/main/tests/settings/settings_test_application.cpp" "tests/settings/CMakeFiles/settings_tests.dir/settings_test_application.cpp.o" "gcc" "tests/settings/CMakeFiles/settings_tests.dir/settings_test_application.cpp.o.d"
  )

# Targets to which this target links.
set(CMAKE_TARGET_LINKED_INFO_FILES
  "/work/main/settings/CMakeFiles/fotomaz_settings_gui.dir/DependInfo.cmake"
  "/work/main/tests/kit/CMakeFiles/fotomaz_testkit.dir/DependInfo.cmake"
  "/work/main/platform/CMakeFiles/fotomaz_platform.dir/DependInfo.cmake"
  )

# Fortran module output directory.
set(CMAKE_Fortran_TARGET_MODULE_DIR "")
