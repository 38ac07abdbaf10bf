# CMake generated Testfile for 
# Source directory: /work/main/tests/settings
# Build directory: /work/main/tests/settings
# 
# This file includes the relevant testing commands required for 
# testing this directory and lists subdirectories to be tested as well.
include("/work/main/tests/settings/settings_tests[1]_include.cmake")
include("/work/main/tests/settings/settings_tests_environment.cmake")
