# CMake generated Testfile for 
# Source directory: /work/main/tests/tools/verteilen
# Build directory: /work/main/tests/tools/verteilen
# 
# This file includes the relevant testing commands required for 
# testing this directory and lists subdirectories to be tested as well.
include("/work/main/tests/tools/verteilen/cli_tests[1]_include.cmake")
include("/work/main/tests/tools/verteilen/cli_tests_environment.cmake")
include("/work/main/tests/tools/verteilen/cli_tests_golden_serial.cmake")
