file(REMOVE_RECURSE
  "CMakeFiles/cli_tests.dir/__/__/__/tools/verteilen/command_line.cpp.o"
  "CMakeFiles/cli_tests.dir/__/__/__/tools/verteilen/command_line.cpp.o.d"
  "CMakeFiles/cli_tests.dir/__/__/__/tools/verteilen/run_options.cpp.o"
  "CMakeFiles/cli_tests.dir/__/__/__/tools/verteilen/run_options.cpp.o.d"
  "CMakeFiles/cli_tests.dir/command_process.cpp.o"
  "CMakeFiles/cli_tests.dir/command_process.cpp.o.d"
  "CMakeFiles/cli_tests.dir/golden_test.cpp.o"
  "CMakeFiles/cli_tests.dir/golden_test.cpp.o.d"
  "CMakeFiles/cli_tests.dir/interruption_test.cpp.o"
  "CMakeFiles/cli_tests.dir/interruption_test.cpp.o.d"
  "CMakeFiles/cli_tests.dir/option_table_test.cpp.o"
  "CMakeFiles/cli_tests.dir/option_table_test.cpp.o.d"
  "CMakeFiles/cli_tests.dir/settings_place_test.cpp.o"
  "CMakeFiles/cli_tests.dir/settings_place_test.cpp.o.d"
  "CMakeFiles/cli_tests.dir/share_test.cpp.o"
  "CMakeFiles/cli_tests.dir/share_test.cpp.o.d"
  "CMakeFiles/cli_tests.dir/undo_test.cpp.o"
  "CMakeFiles/cli_tests.dir/undo_test.cpp.o.d"
  "CMakeFiles/cli_tests.dir/verteilen_test.cpp.o"
  "CMakeFiles/cli_tests.dir/verteilen_test.cpp.o.d"
  "cli_tests"
  "cli_tests.pdb"
  "cli_tests[1]_tests.cmake"
)

# Per-language clean rules from dependency scanning.
foreach(lang CXX)
  include(CMakeFiles/cli_tests.dir/cmake_clean_${lang}.cmake OPTIONAL)
endforeach()
