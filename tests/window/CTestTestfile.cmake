# CMake generated Testfile for 
# Source directory: /work/main/tests/window
# Build directory: /work/main/tests/window
# 
# This file includes the relevant testing commands required for 
# testing this directory and lists subdirectories to be tested as well.
include("/work/main/tests/window/window_tests[1]_include.cmake")
include("/work/main/tests/window/window_tests_environment.cmake")
