
# Consider dependencies only in project.
set(CMAKE_DEPENDS_IN_PROJECT_ONLY OFF)

# The set of languages for which implicit dependencies are needed:
set(CMAKE_DEPENDS_LANGUAGES
  )

# The set of dependency files which are needed:
set(CMAKE_DEPENDS_DEPENDENCY_FILES
  "/work/main/bench/bench_cross_device.cpp" "bench/CMakeFiles/fotomaz-bench.dir/bench_cross_device.cpp.o" "gcc" "bench/CMakeFiles/fotomaz-bench.dir/bench_cross_device.cpp.o.d"
  "/work/main/bench/bench_memory.cpp" "bench/CMakeFiles/fotomaz-bench.dir/bench_memory.cpp.o" "gcc" "bench/CMakeFiles/fotomaz-bench.dir/bench_memory.cpp.o.d"
  "/work/main/bench/bench_syscalls.cpp" "bench/CMakeFiles/fotomaz-bench.dir/bench_syscalls.cpp.o" "gcc" "bench/CMakeFiles/fotomaz-bench.dir/bench_syscalls.cpp.o.d"
  "/work/main/bench/fotomaz_bench.cpp" "bench/CMakeFiles/fotomaz-bench.dir/fotomaz_bench.cpp.o" "gcc" "bench/CMakeFiles/fotomaz-bench.dir/fotomaz_bench.cpp.o.d"
  "/work/main/bench/identical_bench.cpp" "bench/CMakeFiles/fotomaz-bench.dir/identical_bench.cpp.o" "gcc" "bench/CMakeFiles/fotomaz-bench.dir/identical_bench.cpp.o.d"
  "/work/main/bench/slow_share_bench.cpp" "bench/CMakeFiles/fotomaz-bench.dir/slow_share_bench.cpp.o" "gcc" "bench/CMakeFiles/fotomaz-bench.dir/slow_share_bench.cpp.o.d"
  )

# Targets to which this target links.
set(CMAKE_TARGET_LINKED_INFO_FILES
  "/work/main/bench/CMakeFiles/fotomaz_bench_kit.dir/DependInfo.cmake"
  "/work/main/run/CMakeFiles/fotomaz_run.dir/DependInfo.cmake"
  "/work/main/metadata/CMakeFiles/fotomaz_metadata.dir/DependInfo.cmake"
  "/work/main/platform/CMakeFiles/fotomaz_platform.dir/DependInfo.cmake"
  )

# Fortran module output directory.
set(CMAKE_Fortran_TARGET_MODULE_DIR "")
