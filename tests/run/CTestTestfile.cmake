# CMake generated Testfile for 
# Source directory: /work/main/tests/run
# Build directory: /work/main/tests/run
# 
# This file includes the relevant testing commands required for 
# testing this directory and lists subdirectories to be tested as well.
include("/work/main/tests/run/run_tests[1]_include.cmake")
include("/work/main/tests/run/run_tests_environment.cmake")
