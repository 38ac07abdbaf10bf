# CMake generated Testfile for 
# Source directory: /work/main
# Build directory: /work/main
# 
# This file includes the relevant testing commands required for 
# testing this directory and lists subdirectories to be tested as well.
subdirs("platform")
subdirs("metadata")
subdirs("run")
subdirs("settings")
subdirs("window")
subdirs("tools")
subdirs("bench")
subdirs("tests/kit")
subdirs("tests")
