# CMake generated Testfile for 
# Source directory: /work/main/tests/metadata
# Build directory: /work/main/tests/metadata
# 
# This file includes the relevant testing commands required for 
# testing this directory and lists subdirectories to be tested as well.
include("/work/main/tests/metadata/metadata_tests[1]_include.cmake")
include("/work/main/tests/metadata/metadata_tests_environment.cmake")
