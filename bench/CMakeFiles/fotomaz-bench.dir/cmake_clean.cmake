file(REMOVE_RECURSE
  "CMakeFiles/fotomaz-bench.dir/bench_cross_device.cpp.o"
  "CMakeFiles/fotomaz-bench.dir/bench_cross_device.cpp.o.d"
  "CMakeFiles/fotomaz-bench.dir/bench_memory.cpp.o"
  "CMakeFiles/fotomaz-bench.dir/bench_memory.cpp.o.d"
  "CMakeFiles/fotomaz-bench.dir/bench_syscalls.cpp.o"
  "CMakeFiles/fotomaz-bench.dir/bench_syscalls.cpp.o.d"
  "CMakeFiles/fotomaz-bench.dir/fotomaz_bench.cpp.o"
  "CMakeFiles/fotomaz-bench.dir/fotomaz_bench.cpp.o.d"
  "CMakeFiles/fotomaz-bench.dir/identical_bench.cpp.o"
  "CMakeFiles/fotomaz-bench.dir/identical_bench.cpp.o.d"
  "CMakeFiles/fotomaz-bench.dir/slow_share_bench.cpp.o"
  "CMakeFiles/fotomaz-bench.dir/slow_share_bench.cpp.o.d"
  "fotomaz-bench"
  "fotomaz-bench.pdb"
)

# Per-language clean rules from dependency scanning.
foreach(lang CXX)
  include(CMakeFiles/fotomaz-bench.dir/cmake_clean_${lang}.cmake OPTIONAL)
endforeach()
