file(REMOVE_RECURSE
  "CMakeFiles/settings_tests.dir/form_state_test.cpp.o"
  "CMakeFiles/settings_tests.dir/form_state_test.cpp.o.d"
  "CMakeFiles/settings_tests.dir/options_dialog_test.cpp.o"
  "CMakeFiles/settings_tests.dir/options_dialog_test.cpp.o.d"
  "CMakeFiles/settings_tests.dir/qt_test_app.cpp.o"
  "CMakeFiles/settings_tests.dir/qt_test_app.cpp.o.d"
  "CMakeFiles/settings_tests.dir/settings_test_application.cpp.o"
  "CMakeFiles/settings_tests.dir/settings_test_application.cpp.o.d"
  "settings_tests"
  "settings_tests.pdb"
  "settings_tests[1]_tests.cmake"
)

# Per-language clean rules from dependency scanning.
foreach(lang CXX)
  include(CMakeFiles/settings_tests.dir/cmake_clean_${lang}.cmake OPTIONAL)
endforeach()
