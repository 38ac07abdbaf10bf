# CMake generated Testfile for 
# Source directory: /work/main/tests/bench
# Build directory: /work/main/tests/bench
# 
# This file includes the relevant testing commands required for 
# testing this directory and lists subdirectories to be tested as well.
add_test([=[SlowShare.WaitsAndPassesThrough]=] "/usr/bin/python3" "/work/main/tests/bench/slow_share_test.py" "/work/main/bench/fotomaz-bench-share")
set_tests_properties([=[SlowShare.WaitsAndPassesThrough]=] PROPERTIES  SKIP_RETURN_CODE "77" _BACKTRACE_TRIPLES "/work/main/tests/bench/CMakeLists.txt;4;add_test;/work/main/tests/bench/CMakeLists.txt;0;")
